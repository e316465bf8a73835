// The lists benchmark's program (not a test): inserts 10,000 rows into a
// report list, pages through them to the end and repaints the list 200
// times, once with the system's own drawing and once skinned, several rounds
// in turn, and prints the best time of each step for both and their ratio.
// scripts/bench-lists runs it.
#include <Tavrin.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {

CWinApp theBenchApp(L"TavrinListsBench");

constexpr int kRows = 10000;
constexpr int kRepaints = 200;

double Now() {
    LARGE_INTEGER counter, frequency;
    ::QueryPerformanceCounter(&counter);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Written straight to the standard output handle, which the C library's
// stream may not be attached to in a program on the framework.
void Print(const char* format, ...) {
    char line[256];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(line, sizeof(line), format, args);
    va_end(args);
    DWORD written = 0;
    if (n > 0)
        ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(std::min<int>(n, sizeof(line) - 1)),
                    &written, nullptr);
}

void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

struct Times {
    double insert = 1e9, scroll = 1e9, repaint = 1e9;
};

void RunOnce(CWnd& parent, bool skinned, Times& best) {
    HWND window = ::CreateWindowExW(0, WC_LISTVIEWW, L"",
                                    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LVS_REPORT | LVS_SHOWSELALWAYS,
                                    10, 10, 560, 360, parent.GetSafeHwnd(), reinterpret_cast<HMENU>(100),
                                    nullptr, nullptr);
    Tavrin::NeloListCtrl skin;
    CListCtrl plain;
    CListCtrl& list = skinned ? static_cast<CListCtrl&>(skin) : plain;
    list.SubclassWindow(window);
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 260);
    list.InsertColumn(1, L"Duration", LVCFMT_LEFT, 120);
    list.InsertColumn(2, L"Progress", LVCFMT_RIGHT, 100);
    Pump();

    double t0 = Now();
    for (int i = 0; i < kRows; ++i) {
        wchar_t text[64];
        swprintf(text, 64, L"video file number %05d.avi", i);
        list.InsertItem(i, text);
        list.SetItemText(i, 1, L"00:01:30");
        list.SetItemText(i, 2, L"45.6%");
    }
    ::UpdateWindow(window);
    double t1 = Now();
    best.insert = std::min(best.insert, t1 - t0);
    Print("  %s: inserted in %.3fs\n", skinned ? "skinned" : "system", t1 - t0);

    t0 = Now();
    while (list.GetTopIndex() + list.GetCountPerPage() < kRows) {
        list.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
        ::UpdateWindow(window);
    }
    t1 = Now();
    best.scroll = std::min(best.scroll, t1 - t0);
    Print("  %s: paged through in %.3fs\n", skinned ? "skinned" : "system", t1 - t0);

    t0 = Now();
    for (int i = 0; i < kRepaints; ++i)
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    t1 = Now();
    best.repaint = std::min(best.repaint, t1 - t0);
    Pump();
    ::DestroyWindow(window);
    Pump();
}

} // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    Print("%d round(s) of %d rows...\n", rounds, kRows);
    ::InitCommonControls();
    CWnd parent;
    if (!parent.CreateEx(0, nullptr, L"lists bench", WS_POPUP | WS_VISIBLE, 0, 0, 600, 400, nullptr, nullptr))
        return 1;
    Pump();
    Times plain, skinned;
    for (int r = 0; r < rounds; ++r) {
        RunOnce(parent, false, plain);
        RunOnce(parent, true, skinned);
    }
    Print("%-34s %10s %10s %8s\n", "best of rounds", "system", "skinned", "ratio");
    auto line = [](const char* what, double a, double b) {
        Print("%-34s %9.3fs %9.3fs %7.2fx\n", what, a, b, b / a);
    };
    line("insert 10,000 rows", plain.insert, skinned.insert);
    line("page through to the end", plain.scroll, skinned.scroll);
    line("repaint 200 times", plain.repaint, skinned.repaint);
    line("all three", plain.insert + plain.scroll + plain.repaint,
         skinned.insert + skinned.scroll + skinned.repaint);
    parent.DestroyWindow();
    return 0;
}

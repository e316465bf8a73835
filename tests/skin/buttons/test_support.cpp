#include "test_support.h"

#include "support/screen.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

CWinApp theTestApp(L"TavrinButtonsTest");

} // namespace

namespace buttons_test {

HostDialog::HostDialog() : CDialog(IDD_BUTTONS_HOST) {}

void HostDialog::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEMPLATE_BUTTON, templateButton);
    DDX_Control(pDX, IDC_TEMPLATE_STATIC, templateStatic);
    DDX_Control(pDX, IDC_TEMPLATE_GROUP, templateGroup);
    DDX_Control(pDX, IDC_TEMPLATE_PROGRESS, templateProgress);
}

BOOL HostDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam)
        commands.push_back(Command{LOWORD(wParam), HIWORD(wParam)});
    return CDialog::OnCommand(wParam, lParam);
}

int HostDialog::CountCommands(UINT id, UINT code) const {
    return static_cast<int>(std::count_if(commands.begin(), commands.end(),
                                          [&](const Command& c) { return c.id == id && c.code == code; }));
}

namespace {

HostDialog* g_host = nullptr;

// Children of the host that belong to its template, kept across cases.
bool IsTemplateChild(HWND child) {
    const int id = ::GetDlgCtrlID(child);
    return id >= IDC_TEMPLATE_BUTTON && id <= IDC_TEMPLATE_EDIT;
}

class HostEnvironment : public ::testing::Environment {
public:
    void TearDown() override {
        if (g_host) {
            if (g_host->GetSafeHwnd())
                g_host->DestroyWindow();
            delete g_host;
            g_host = nullptr;
        }
    }
};

::testing::Environment* const hostEnvironment = ::testing::AddGlobalTestEnvironment(new HostEnvironment);

} // namespace

HostDialog* SharedHost() {
    if (!g_host) {
        g_host = new HostDialog;
        if (!g_host->Create(IDD_BUTTONS_HOST, nullptr)) {
            delete g_host;
            g_host = nullptr;
            return nullptr;
        }
        ::SetWindowPos(g_host->GetSafeHwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    }
    return g_host;
}

void HostTest::SetUp() {
    host = SharedHost();
    ASSERT_NE(nullptr, host);
    host->commands.clear();
    ::SetForegroundWindow(Host());
    ::SetActiveWindow(Host());
    ::SetFocus(Host());
    // The pointer rests away from every control until a case moves it.
    ::SetCursorPos(1200, 1000);
    Pump();
}

void HostTest::TearDown() {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(Host(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (!IsTemplateChild(child))
            children.push_back(child);
    for (HWND child : children)
        ::DestroyWindow(child);
    ::SetCursorPos(1200, 1000);
    Pump();
}

HWND HostTest::CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y,
                           int width, int height, int id, DWORD exStyle) {
    return ::CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                             Host(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

// Gives PreTranslateMessage its turn before a message is dispatched.
void HostTest::DispatchThroughHost(MSG& msg) {
    AfxLockTempMaps();
    if (!host || !host->GetSafeHwnd() || !CWnd::WalkPreTranslateTree(Host(), &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    AfxUnlockTempMaps();
}

void HostTest::Pump() {
    // Idle means: nothing arrived for a short while (timers of the tooltip
    // and of the system keep coming in for a few rounds after a change).
    quorvex_test::PumpUntilIdle(30, 200, [this](MSG& msg) { DispatchThroughHost(msg); });
}

bool HostTest::PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    return quorvex_test::PumpUntil(done, timeoutMs, [this](MSG& msg) { DispatchThroughHost(msg); });
}

void HostTest::Repaint(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
}

Capture Capture::Screen(const RECT& r) {
    Capture capture;
    capture.m_width = r.right - r.left;
    capture.m_height = r.bottom - r.top;
    if (capture.m_width <= 0 || capture.m_height <= 0)
        return capture;
    quorvex_test::WaitUntilShownOnScreen();
    const std::vector<DWORD> pixels = quorvex_test::GrabScreen(r);
    capture.m_pixels.resize(pixels.size());
    for (size_t i = 0; i < pixels.size(); ++i) {
        const DWORD v = pixels[i]; // 0x00RRGGBB
        capture.m_pixels[i] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    return capture;
}

Capture Capture::Client(HWND window) {
    RECT r{};
    ::GetClientRect(window, &r);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return Screen(r);
}

Capture Capture::Window(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return Screen(r);
}

COLORREF Capture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    return m_pixels[static_cast<size_t>(y) * m_width + x];
}

RECT Capture::Bounds(const std::function<bool(COLORREF)>& test) const {
    return Bounds(test, RECT{0, 0, m_width, m_height});
}

RECT Capture::Bounds(const std::function<bool(COLORREF)>& test, const RECT& within) const {
    RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = std::max(0L, within.top); y < std::min<LONG>(m_height, within.bottom); ++y)
        for (int x = std::max(0L, within.left); x < std::min<LONG>(m_width, within.right); ++x)
            if (test(At(x, y))) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    if (box.left == INT_MAX)
        return RECT{0, 0, 0, 0};
    return box;
}

int Capture::Count(const std::function<bool(COLORREF)>& test, const RECT& within) const {
    int n = 0;
    for (int y = std::max(0L, within.top); y < std::min<LONG>(m_height, within.bottom); ++y)
        for (int x = std::max(0L, within.left); x < std::min<LONG>(m_width, within.right); ++x)
            if (test(At(x, y)))
                ++n;
    return n;
}

COLORREF ClientPixel(HWND window, int x, int y) {
    POINT p{x, y};
    ::ClientToScreen(window, &p);
    quorvex_test::WaitUntilShownOnScreen();
    return quorvex_test::ScreenPixel(p.x, p.y);
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
           std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::string Describe(COLORREF c) {
    if (c == CLR_INVALID)
        return "(invalid)";
    char text[32];
    std::snprintf(text, sizeof(text), "(%d, %d, %d)", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

namespace {

// One entry of the process's GDI handle table, as the system lays it out on
// 64-bit Windows (and as Wine keeps it): a non-zero type marks a live object.
struct GdiHandleEntry {
    ULONGLONG object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    ULONGLONG user;
};
static_assert(sizeof(GdiHandleEntry) == 24, "GDI handle table entry layout");

} // namespace

int LiveGdiHandles() {
    // GetGuiResources is a stub under Wine; the shared handle table that the
    // process environment block points to is not.
    const BYTE* peb = nullptr;
    asm("movq %%gs:0x60, %0" : "=r"(peb));
    const auto* table = *reinterpret_cast<GdiHandleEntry* const*>(peb + 0xF8);
    if (!table)
        return -1;
    int live = 0;
    for (int i = 0; i < 0x10000; ++i)
        if (table[i].type)
            ++live;
    return live;
}

HWND FindToolTipOf(HWND tool) {
    struct Search {
        HWND tool;
        HWND found;
    } search{tool, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            wchar_t name[64] = {};
            ::GetClassNameW(window, name, 64);
            if (lstrcmpiW(name, TOOLTIPS_CLASSW) != 0)
                return TRUE;
            const int count = static_cast<int>(::SendMessageW(window, TTM_GETTOOLCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                TTTOOLINFOW info{};
                info.cbSize = TTTOOLINFOW_V2_SIZE;
                if (::SendMessageW(window, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&info)) &&
                    (info.uFlags & TTF_IDISHWND) && reinterpret_cast<HWND>(info.uId) == s->tool) {
                    s->found = window;
                    return FALSE;
                }
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace buttons_test

#include "host.h"

#include <algorithm>

namespace quorvex_test {

HostDialog::HostDialog(UINT templateId) : CDialog(templateId), m_templateId(templateId) {}

int HostDialog::CountCommands(UINT id, UINT code) const {
    return static_cast<int>(std::count_if(commands.begin(), commands.end(),
                                          [&](const Command& c) { return c.id == id && c.code == code; }));
}

bool HostDialog::Open(int x, int y) {
    if (!Create(m_templateId, nullptr))
        return false;
    // Controls attached by data exchange may finish starting from a posted
    // message and make windows of their own beside themselves (a skinned
    // edit's scroll bars): those belong to the template too.
    PumpUntilIdle();
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        m_templateChildren.push_back(child);
    ::SetWindowPos(m_hWnd, HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    return true;
}

bool HostDialog::IsTemplateChild(HWND child) const {
    return std::find(m_templateChildren.begin(), m_templateChildren.end(), child) != m_templateChildren.end();
}

BOOL HostDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam)
        commands.push_back(Command{LOWORD(wParam), HIWORD(wParam)});
    return CDialog::OnCommand(wParam, lParam);
}

namespace {

HostDialog* g_host = nullptr;

class HostEnvironment : public ::testing::Environment {
public:
    void TearDown() override {
        if (!g_host)
            return;
        if (g_host->GetSafeHwnd())
            g_host->DestroyWindow();
        delete g_host;
        g_host = nullptr;
    }
};

::testing::Environment* const hostEnvironment = ::testing::AddGlobalTestEnvironment(new HostEnvironment);

} // namespace

void KeepHost(HostDialog* host) {
    g_host = host;
}

HostDialog* KeptHost() {
    return g_host;
}

void DispatchThroughFramework(MSG& msg, HWND top) {
    AfxLockTempMaps();
    if (!top || !::IsWindow(top) || !CWnd::WalkPreTranslateTree(top, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    AfxUnlockTempMaps();
}

GdiCounts CountGdi() {
    return GdiCounts{AfxGetLiveGdiObjectCount(), LiveGdiHandles()};
}

void HostTestBase::Begin(HostDialog* shared) {
    m_host = shared;
    m_host->commands.clear();
    ::SetForegroundWindow(Host());
    ::SetActiveWindow(Host());
    ::SetFocus(Host());
    const POINT rest = RestingPointer();
    ::SetCursorPos(rest.x, rest.y);
    Pump();
}

void HostTestBase::TearDown() {
    if (!m_host)
        return;
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(Host(), GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (!m_host->IsTemplateChild(child))
            children.push_back(child);
    for (HWND child : children)
        ::DestroyWindow(child);
    const POINT rest = RestingPointer();
    ::SetCursorPos(rest.x, rest.y);
    Pump();
}

HWND HostTestBase::CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y,
                               int width, int height, int id, DWORD exStyle) {
    return ::CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                             Host(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

void HostTestBase::Pump() {
    // Idle means: nothing arrived for a short while (timers of the tooltip
    // and of the system keep coming in for a few rounds after a change).
    PumpUntilIdle(30, 200, [this](MSG& msg) { DispatchThroughFramework(msg, Host()); });
}

bool HostTestBase::PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    return quorvex_test::PumpUntil(done, timeoutMs,
                                   [this](MSG& msg) { DispatchThroughFramework(msg, Host()); });
}

void HostTestBase::Repaint(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
}

void HostTestBase::CoverAndUncover() {
    RECT area{};
    ::GetWindowRect(Host(), &area);
    HWND cover = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP | WS_VISIBLE,
                                   area.left, area.top, area.right - area.left, area.bottom - area.top,
                                   nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    Pump();
    WaitUntilShownOnScreen();
    ::DestroyWindow(cover);
    Pump();
}

} // namespace quorvex_test

#include "menu_test_support.h"

#include <algorithm>
#include <map>

namespace {

CWinApp theTestApp(L"TavrinMenuSliderTest");

std::map<UINT_PTR, menus_test::Script*>& Scripts() {
    static std::map<UINT_PTR, menus_test::Script*> scripts;
    return scripts;
}

} // namespace

namespace menus_test {

MenusHost::MenusHost() : HostDialog(IDD_MENUS_HOST) {}

void MenusHost::DoDataExchange(CDataExchange* pDX) {
    HostDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEMPLATE_SLIDER, templateSlider);
    DDX_Control(pDX, IDC_TEMPLATE_VERTICAL, templateVertical);
}

BOOL MenusHost::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        menuCommands.push_back(static_cast<UINT>(wParam));
        if (::GetCapture() || !Popups().empty())
            ++menuOpenAtCommand;
        if (modalCommand && LOWORD(wParam) == modalCommand) {
            CDialog probe(IDD_MODAL_PROBE, this);
            modalResult = probe.DoModal();
        }
    }
    return HostDialog::OnCommand(wParam, lParam);
}

LRESULT MenusHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDeleteMenu) {
        menu.reset();
        return 1;
    }
    return HostDialog::WindowProc(message, wParam, lParam);
}

Script::Script(std::vector<Step> steps, DWORD deadlineMs)
    : m_steps(std::move(steps)), m_deadline(deadlineMs) {}

Script::~Script() {
    if (m_timer) {
        ::KillTimer(nullptr, m_timer);
        Scripts().erase(m_timer);
    }
}

void Script::Start() {
    m_started = ::GetTickCount();
    m_timer = ::SetTimer(nullptr, 0, 40, &Script::Tick);
    Scripts()[m_timer] = this;
}

void CALLBACK Script::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto found = Scripts().find(id);
    if (found != Scripts().end())
        found->second->Advance();
}

void Script::Advance() {
    if (m_busy || Done())
        return;
    if (::GetTickCount() - m_started > m_deadline) {
        m_failed = true;
        ::ReleaseCapture();
        return;
    }
    m_busy = true;
    if (m_steps[m_next]())
        ++m_next;
    m_busy = false;
}

void PressKey(WORD key, bool withAlt) {
    quorvex_test::TypeKey(key, withAlt);
}

void MoveMouse(POINT screen) {
    ::SetCursorPos(screen.x, screen.y);
    INPUT input = quorvex_test::MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
    ::SendInput(1, &input, sizeof(input));
}

std::vector<HWND> Popups() {
    std::vector<HWND> found;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM lParam) -> BOOL {
            wchar_t name[64] = {};
            ::GetClassNameW(window, name, 64);
            if (lstrcmpW(name, L"NeloMenuPopupWnd") == 0 && ::IsWindowVisible(window))
                reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    // Each popup opens above the ones before it.
    std::reverse(found.begin(), found.end());
    return found;
}

Tavrin::NeloMenuPopupWnd* PopupObject(HWND popup) {
    return dynamic_cast<Tavrin::NeloMenuPopupWnd*>(CWnd::FromHandlePermanent(popup));
}

POINT PopupItemPoint(HWND popup, int commandsAbove, int separatorsAbove) {
    RECT window{};
    ::GetWindowRect(popup, &window);
    return POINT{window.left + 1 + 40, window.top + 1 + commandsAbove * 24 + separatorsAbove + 12};
}

int ArialTenWidth(const wchar_t* text) {
    HDC dc = ::GetDC(nullptr);
    HFONT font = ::CreateFontW(-MulDiv(10, ::GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE,
                               FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, dc);
    return size.cx;
}

std::vector<RECT> ExpectedBarItems(const std::vector<const wchar_t*>& texts) {
    std::vector<RECT> items;
    int x = 0;
    for (const wchar_t* text : texts) {
        const int width = ArialTenWidth(text) + 25;
        items.push_back(RECT{x, 0, x + width, 24});
        x += width;
    }
    return items;
}

void MenuTest::SetUp() {
    quorvex_test::HostTest<MenusHost>::SetUp();
    host->menuCommands.clear();
    host->okOrCancel = 0;
    host->modalCommand = 0;
    host->menuOpenAtCommand = 0;
    host->menu.reset(new Tavrin::NeloMenu);
    ASSERT_TRUE(host->menu->LoadMenu(IDR_TEST_MENU));
    ASSERT_EQ(1, host->menu->SetMenuBar(host));
    barItems = ExpectedBarItems({L"&File", L"&Edit", L"&Options", L"&Help"});
    ::SetFocus(host->GetDlgItem(IDC_FOCUS_EDIT)->GetSafeHwnd());
    Pump();
}

void MenuTest::TearDown() {
    for (HWND popup : Popups())
        ::PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    if (host)
        host->menu.reset();
    quorvex_test::HostTest<MenusHost>::TearDown();
}

bool MenuTest::Run(Script& script, DWORD timeoutMs) {
    script.Start();
    const bool finished = PumpUntil([&] { return script.Done() && Popups().empty(); }, timeoutMs);
    Pump();
    return finished && !script.Failed();
}

HWND MenuTest::Bar() const {
    return host->menu && host->menu->MenuBar() ? host->menu->MenuBar()->GetSafeHwnd() : nullptr;
}

POINT MenuTest::BarItemCentre(int item) const {
    const RECT& r = barItems[item];
    return POINT{(r.left + r.right) / 2, 12};
}

} // namespace menus_test

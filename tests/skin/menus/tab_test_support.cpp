#include "tab_test_support.h"

namespace {

CWinApp theTestApp(L"TavrinTabsTest");

void SendOne(DWORD flags, POINT at = POINT{0, 0}) {
    INPUT input = quorvex_test::MouseInput(flags, at);
    SendInput(1, &input, sizeof(INPUT));
    quorvex_test::PumpUntilIdle();
}

} // namespace

namespace tabs_test {

TabsHost::TabsHost() : HostDialog(IDD_TABS_HOST) {}

void TabsHost::DoDataExchange(CDataExchange* pDX) {
    HostDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEMPLATE_TABS, templateTabs);
}

BOOL TabsHost::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    // The base gives the sending control its reflected turn first.
    if (HostDialog::OnNotify(wParam, lParam, result))
        return TRUE;
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code != TCN_SELCHANGING && header->code != TCN_SELCHANGE)
        return FALSE;
    const int selection = static_cast<int>(::SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0));
    notices.push_back(Notice{header->idFrom, header->code, selection});
    if (header->code == TCN_SELCHANGING && refuse) {
        *result = TRUE;
        return TRUE;
    }
    *result = FALSE;
    return TRUE;
}

void MouseTo(POINT screen) {
    SendOne(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
}

void Click(POINT screen) {
    MouseTo(screen);
    SendOne(MOUSEEVENTF_LEFTDOWN);
    SendOne(MOUSEEVENTF_LEFTUP);
}

POINT OnScreen(HWND window, int x, int y) {
    POINT p{x, y};
    ::ClientToScreen(window, &p);
    return p;
}

} // namespace tabs_test

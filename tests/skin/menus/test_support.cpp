#include "test_support.h"

namespace {

CWinApp theTestApp(L"TavrinMenusTest");

} // namespace

namespace menus_test {

BEGIN_MESSAGE_MAP(ScrollHost, HostDialog)
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_NOTIFY(TVN_ITEMEXPANDING, IDC_CASE_TREE, &ScrollHost::OnItemExpanding)
END_MESSAGE_MAP()

ScrollHost::ScrollHost() : HostDialog(IDD_SCROLL_HOST) {}

void ScrollHost::DoDataExchange(CDataExchange* pDX) {
    HostDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEMPLATE_EDIT, templateEdit);
    DDX_Control(pDX, IDC_TEMPLATE_SPIN, templateSpin);
    DDX_Control(pDX, IDC_SYSTEM_EDIT, systemEdit);
    DDX_Control(pDX, IDC_TREE_GROUP, treeGroup);
    DDX_Control(pDX, IDC_TEMPLATE_TREE, templateTree);
}

void ScrollHost::OnItemExpanding(NMHDR*, LRESULT* result) {
    ++expandingSeen;
    *result = vetoExpansion;
}

int ScrollHost::CountScrolls(UINT code) const {
    int n = 0;
    for (const Scroll& s : scrolls)
        n += s.code == code ? 1 : 0;
    return n;
}

void ScrollHost::OnVScroll(UINT code, UINT pos, CScrollBar*) {
    Answer(WM_VSCROLL, code, pos);
}

void ScrollHost::OnHScroll(UINT code, UINT pos, CScrollBar*) {
    Answer(WM_HSCROLL, code, pos);
}

void ScrollHost::Answer(UINT message, UINT code, UINT pos) {
    scrolls.push_back(Scroll{message, code, pos});
    if (!follow)
        return;
    SCROLLINFO info{};
    follow->GetScrollInfo(&info, SIF_ALL);
    int next = info.nPos;
    switch (code) {
    case SB_LINEUP:
        next -= 1;
        break;
    case SB_LINEDOWN:
        next += 1;
        break;
    case SB_PAGEUP:
        next -= static_cast<int>(info.nPage);
        break;
    case SB_PAGEDOWN:
        next += static_cast<int>(info.nPage);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        next = info.nTrackPos;
        break;
    default:
        return;
    }
    follow->SetScrollPos(next);
}

namespace {

void SendOne(DWORD flags, POINT at = POINT{0, 0}) {
    INPUT input = quorvex_test::MouseInput(flags, at);
    SendInput(1, &input, sizeof(INPUT));
    quorvex_test::PumpUntilIdle();
}

} // namespace

void MouseTo(POINT screen) {
    SendOne(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
}

void MousePress(POINT screen) {
    MouseTo(screen);
    SendOne(MOUSEEVENTF_LEFTDOWN);
}

void MouseRelease() {
    SendOne(MOUSEEVENTF_LEFTUP);
}

void MovePointer(POINT at) {
    ::SetCursorPos(at.x, at.y);
    INPUT input = quorvex_test::MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at);
    ::SendInput(1, &input, sizeof(INPUT));
}

POINT OnScreen(HWND window, int x, int y) {
    POINT p{x, y};
    ::ClientToScreen(window, &p);
    return p;
}

} // namespace menus_test

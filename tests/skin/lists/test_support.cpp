#include "test_support.h"

namespace {

CWinApp theTestApp(L"TavrinListsTest");

void SendOne(DWORD flags, POINT at = POINT{0, 0}) {
    INPUT input = quorvex_test::MouseInput(flags, at);
    SendInput(1, &input, sizeof(INPUT));
    quorvex_test::PumpUntilIdle();
}

} // namespace

namespace lists_test {

EditHost::EditHost() : HostDialog(IDD_EDIT_HOST) {}

void EditHost::DoDataExchange(CDataExchange* pDX) {
    HostDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEMPLATE_EDIT, templateEdit);
    DDX_Control(pDX, IDC_TEMPLATE_MEMO, templateMemo);
    DDX_Text(pDX, IDC_TEMPLATE_EDIT, exchanged);
    DDX_Control(pDX, IDC_RICH_GROUP, richGroup);
    DDX_Control(pDX, IDC_TEMPLATE_RICH, templateRich);
}

void MouseTo(POINT screen) {
    SendOne(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
}

void MouseClick(POINT screen) {
    MouseTo(screen);
    SendOne(MOUSEEVENTF_LEFTDOWN);
    SendOne(MOUSEEVENTF_LEFTUP);
}

} // namespace lists_test

#include "test_support.h"

namespace {

CWinApp theTestApp(L"TavrinMenusTest");

} // namespace

namespace menus_test {

BEGIN_MESSAGE_MAP(MenusHost, HostDialog)
ON_NOTIFY(TVN_ITEMEXPANDING, IDC_CASE_TREE, &MenusHost::OnItemExpanding)
END_MESSAGE_MAP()

MenusHost::MenusHost() : HostDialog(IDD_MENUS_HOST) {}

void MenusHost::DoDataExchange(CDataExchange* pDX) {
    HostDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TREE_GROUP, treeGroup);
    DDX_Control(pDX, IDC_TEMPLATE_TREE, templateTree);
}

void MenusHost::OnItemExpanding(NMHDR*, LRESULT* result) {
    ++expandingSeen;
    *result = vetoExpansion;
}

void MovePointer(POINT at) {
    ::SetCursorPos(at.x, at.y);
    INPUT input = quorvex_test::MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at);
    ::SendInput(1, &input, sizeof(INPUT));
}

} // namespace menus_test

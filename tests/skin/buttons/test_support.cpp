#include "test_support.h"

namespace {

CWinApp theTestApp(L"TavrinButtonsTest");

} // namespace

namespace buttons_test {

ButtonsHost::ButtonsHost() : HostDialog(IDD_BUTTONS_HOST) {}

void ButtonsHost::DoDataExchange(CDataExchange* pDX) {
    HostDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEMPLATE_BUTTON, templateButton);
    DDX_Control(pDX, IDC_TEMPLATE_STATIC, templateStatic);
    DDX_Control(pDX, IDC_TEMPLATE_GROUP, templateGroup);
    DDX_Control(pDX, IDC_TEMPLATE_PROGRESS, templateProgress);
    DDX_Control(pDX, IDC_BARS_GROUP, barsGroup);
    DDX_Control(pDX, IDC_GROUPED_BAR, groupedBar);
    DDX_Control(pDX, IDC_GROUPED_DISABLED_BAR, groupedDisabledBar);
    DDX_Control(pDX, IDC_TEMPLATE_CHECK, templateCheck);
    DDX_Control(pDX, IDC_TEMPLATE_RADIO_A, templateRadio);
    DDX_Control(pDX, IDC_TEMPLATE_DIVIDER, templateDivider);
}

} // namespace buttons_test

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

#include "SettingsDialog.h"

#include "AppColours.h"
#include "UiContext.h"
#include "resource.h"

namespace {

// In the order of their action values.
const wchar_t* const kActionNames[] = {L"Do Nothing", L"Shut Down", L"Log Off"};

} // namespace

SettingsDialog::SettingsDialog() : NeloDialog(IDD_SETTINGS) {}

void SettingsDialog::DoDataExchange(CDataExchange* pDX) {
    NeloDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STATIC_POST_TASK, m_label);
    DDX_Control(pDX, IDC_COMBO_POST_TASK, m_actions);
    DDX_Control(pDX, IDOK, m_ok);
    DDX_Control(pDX, IDCANCEL, m_cancel);
}

BOOL SettingsDialog::OnInitDialog() {
    NeloDialog::OnInitDialog();

    PaintLabelsOnWindowBackground({&m_label});

    for (const wchar_t* name : kActionNames)
        m_actions.AddString(name);
    const UiContext* context = UiContext::Current();
    const int action = context ? context->PostTaskAction() : PostTaskDoNothing;
    m_actions.SetCurSel(action == PostTaskShutDown || action == PostTaskLogOff ? action : PostTaskDoNothing);
    return TRUE;
}

void SettingsDialog::OnOK() {
    const int chosen = m_actions.GetCurSel();
    if (UiContext* context = UiContext::Current())
        context->SetPostTaskAction(
            chosen == PostTaskShutDown || chosen == PostTaskLogOff ? chosen : PostTaskDoNothing);
    NeloDialog::OnOK();
}

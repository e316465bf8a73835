#include "ShutdownCountdownDialog.h"

#include "AppColours.h"
#include "UiContext.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(ShutdownCountdownDialog, Tavrin::NeloDialog)
ON_WM_TIMER()
ON_WM_DESTROY()
END_MESSAGE_MAP()

ShutdownCountdownDialog::ShutdownCountdownDialog(int action, int seconds)
    : NeloDialog(IDD_SHUTDOWN_COUNTDOWN), m_action(action), m_seconds(seconds > 0 ? seconds : 1),
      m_secondsLeft(m_seconds) {}

CString ShutdownCountdownDialog::CountdownText(int action, int seconds) {
    CString text;
    if (action == PostTaskLogOff)
        text.Format(L"You will be logged off in %d s.", seconds);
    else
        text.Format(L"The computer will shut down in %d s.", seconds);
    return text;
}

void ShutdownCountdownDialog::DoDataExchange(CDataExchange* pDX) {
    NeloDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STATIC_COUNTDOWN, m_text);
    DDX_Control(pDX, IDC_PROGRESS_COUNTDOWN, m_remaining);
    DDX_Control(pDX, IDOK, m_now);
    DDX_Control(pDX, IDCANCEL, m_cancel);
}

BOOL ShutdownCountdownDialog::OnInitDialog() {
    NeloDialog::OnInitDialog();
    const bool logOff = m_action == PostTaskLogOff;
    SetWindowText(logOff ? L"Log Off" : L"Shut Down");
    m_now.SetWindowText(logOff ? L"Log Off Now" : L"Shut Down Now");
    PaintLabelsOnWindowBackground({&m_text});
    // The bar empties as the time runs out.
    m_remaining.SetRange32(0, m_seconds);
    // Above other programs' windows: the user may be elsewhere when the
    // batch ends.
    SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowSecondsLeft();
    SetTimer(kSecondTimer, 1000, nullptr);
    // Cancel has the focus: a key pressed in passing never ends the session.
    m_cancel.SetFocus();
    return FALSE;
}

void ShutdownCountdownDialog::ShowSecondsLeft() {
    m_text.SetWindowText(CountdownText(m_action, m_secondsLeft));
    m_remaining.SetPos(m_secondsLeft);
}

void ShutdownCountdownDialog::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kSecondTimer) {
        NeloDialog::OnTimer(nIDEvent);
        return;
    }
    if (m_secondsLeft > 0)
        --m_secondsLeft;
    ShowSecondsLeft();
    if (m_secondsLeft == 0) {
        KillTimer(kSecondTimer);
        m_confirmed = true;
        EndDialog(IDOK);
    }
}

void ShutdownCountdownDialog::OnOK() {
    KillTimer(kSecondTimer);
    m_confirmed = true;
    NeloDialog::OnOK();
}

void ShutdownCountdownDialog::OnCancel() {
    KillTimer(kSecondTimer);
    m_confirmed = false;
    NeloDialog::OnCancel();
}

void ShutdownCountdownDialog::OnDestroy() {
    KillTimer(kSecondTimer);
    NeloDialog::OnDestroy();
}

// The last word before the session ends: after a batch that converted every
// file with "Shut Down" or "Log Off" chosen, a skinned dialog counts down
// (60 seconds unless a test build says otherwise) with "Shut Down Now" (or
// "Log Off Now") and "Cancel". It only decides; the caller carries out the
// action when ActionConfirmed says so.
#pragma once

#include <Tavrin.h>

class ShutdownCountdownDialog : public Tavrin::NeloDialog {
public:
    // action: PostTaskShutDown or PostTaskLogOff.
    ShutdownCountdownDialog(int action, int seconds);

    // The countdown reached zero or the user chose to act now.
    bool ActionConfirmed() const { return m_confirmed; }
    int SecondsLeft() const { return m_secondsLeft; }

    // The sentence shown with the given seconds left, for the action.
    static CString CountdownText(int action, int seconds);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    static constexpr UINT_PTR kSecondTimer = 1;

    void ShowSecondsLeft();

    int m_action;
    int m_seconds;
    int m_secondsLeft;
    bool m_confirmed = false;

    Tavrin::NeloStatic m_text;
    Tavrin::NeloProgressCtrl m_remaining;
    Tavrin::NeloButton m_now;
    Tavrin::NeloButton m_cancel;
};

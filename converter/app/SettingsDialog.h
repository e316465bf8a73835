// The settings dialog: the post-task action, kept in the UiContext.
#pragma once

#include <Tavrin.h>

class SettingsDialog : public Tavrin::NeloDialog {
public:
    SettingsDialog();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    Tavrin::NeloStatic m_label;
    Tavrin::NeloComboBox m_actions;
    Tavrin::NeloButton m_ok;
    Tavrin::NeloButton m_cancel;
};

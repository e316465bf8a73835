// The gallery's page of the text family: skinned edit boxes in every look
// (normal, focused, hot, read-only, disabled, password, icon and hint,
// filter, vertical alignment, multi-line with both bars) and an edit paired
// with a skinned spin button. A child dialog of its own template, laid into
// the gallery; its controls are attached by data exchange.
#pragma once

#include <Tavrin.h>

#include "GalleryDialogPage.h"

class ListsPage : public GalleryDialogPage {
public:
    ListsPage();

    void FocusSample() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    Tavrin::NeloGroupBox m_group;
    Tavrin::NeloStatic m_note;
    Tavrin::NeloEdit m_normal, m_focused, m_hot, m_readOnly, m_disabled, m_password, m_disabledPassword, m_hint,
        m_filter, m_spinEdit, m_centred, m_bottom, m_memo, m_memoDisabled;
    Tavrin::NeloSpinButtonCtrl m_spin;
};

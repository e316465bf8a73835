// The gallery's page of check boxes, radio groups, dividers and a list
// header, each in its states. A child dialog of its own template whose
// controls are attached by data exchange; one radio group sits in a second
// dialog inside the page.
#pragma once

#include <Tavrin.h>

#include "GalleryDialogPage.h"

class ChecksSecondDialog : public CDialog {
public:
    ChecksSecondDialog();
    Tavrin::NeloRadioButton m_yes;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override {}
    void OnCancel() override {}
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};

class ChecksPage : public GalleryDialogPage {
public:
    ChecksPage();

    void FocusSample() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg LRESULT OnPointAtHover(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void FillList();

    bool m_pointedAtHover;
    Tavrin::NeloGroupBox m_checkGroup, m_radioGroup, m_headerGroup;
    Tavrin::NeloCheckBox m_unchecked, m_checked, m_indeterminate, m_disabled, m_disabledChecked, m_focused,
        m_hover, m_large;
    Tavrin::NeloRadioButton m_small, m_fast;
    Tavrin::NeloDivider m_vertical1, m_vertical2, m_horizontal;
    ChecksSecondDialog m_second;
    CListCtrl m_list;
    Tavrin::NeloHeaderCtrl m_header;
};

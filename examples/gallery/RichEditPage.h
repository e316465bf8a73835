// The gallery's page of rich edits: one with formatted text (bold, italic,
// coloured runs, long lines) and both skinned bars, beside a disabled one.
#pragma once

#include <Tavrin.h>

#include "GalleryPages.h"

class RichEditPage : public CDialog, public GalleryPage {
public:
    RichEditPage();

    BOOL CreatePage(CWnd* gallery, CPoint origin, COLORREF background) override;
    CWnd* Window() override { return this; }
    void FocusSample() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    COLORREF m_background;
    Tavrin::NeloGroupBox m_group;
    Tavrin::NeloRichEditCtrl m_rich, m_disabled;
};

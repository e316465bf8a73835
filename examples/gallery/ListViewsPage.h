// The gallery's page of report lists and list boxes: a list of a few
// thousand rows with images and sortable columns, a list whose column widths
// are fixed (with a hidden column), and list boxes in each state. A child
// dialog of its own template, laid into the gallery; its controls are
// attached by data exchange.
#pragma once

#include <Tavrin.h>

#include "GalleryPages.h"

class ListViewsPage : public CDialog, public GalleryPage {
public:
    ListViewsPage();

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
    void FillReport();
    void FillFixed();
    void FillListBoxes();

    COLORREF m_background;
    Tavrin::NeloListCtrl m_report, m_fixed;
    Tavrin::NeloListBox m_normal, m_striped, m_outlined, m_disabled;
    CImageList m_states; // shared with the lists, destroyed here
};

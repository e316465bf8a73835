// The gallery's page of tab controls: one with more tabs than fit, so that
// its scroller shows, and a disabled tab with per-tab tips; one with images
// and the focus; one showing the hot look; one disabled. A child dialog of
// its own template, laid into the gallery; its controls are attached by
// data exchange.
#pragma once

#include <Tavrin.h>

#include "GalleryPages.h"

class TabsPage : public CDialog, public GalleryPage {
public:
    TabsPage();

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
    Tavrin::NeloTabCtrl m_scrolling, m_images, m_hot, m_disabled;
    CImageList m_imageList;
};

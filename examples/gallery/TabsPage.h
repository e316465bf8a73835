// The gallery's page of tab controls: one with more tabs than fit, so that
// its scroller shows, and a disabled tab with per-tab tips; one with images
// and the focus; one showing the hot look; one disabled. A child dialog of
// its own template, laid into the gallery; its controls are attached by
// data exchange.
#pragma once

#include <Tavrin.h>

#include "GalleryDialogPage.h"

class TabsPage : public GalleryDialogPage {
public:
    TabsPage();

    void FocusSample() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    Tavrin::NeloTabCtrl m_scrolling, m_images, m_hot, m_disabled;
    CImageList m_imageList;
};

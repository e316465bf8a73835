// The gallery's page of report lists and list boxes: a list of a few
// thousand rows with images and sortable columns, a list whose column widths
// are fixed (with a hidden column), and list boxes in each state. A child
// dialog of its own template, laid into the gallery; its controls are
// attached by data exchange.
#pragma once

#include <Tavrin.h>

#include "GalleryDialogPage.h"

class ListViewsPage : public GalleryDialogPage {
public:
    ListViewsPage();

    void FocusSample() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    void FillReport();
    void FillFixed();
    void FillListBoxes();

    Tavrin::NeloListCtrl m_report, m_fixed;
    Tavrin::NeloListBox m_normal, m_striped, m_outlined, m_disabled;
    CImageList m_states; // shared with the lists, destroyed here
};

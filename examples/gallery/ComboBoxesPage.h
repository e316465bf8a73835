// The gallery's page of combo boxes: drop-down lists and drop-down combos
// with and without item images, enabled and disabled, a simple combo, and
// the converter's three choosers ("Convert to" with the targets' pictures,
// "Video Size", "Quality") filled from its profile catalogue, the sizes and
// qualities following the chosen target.
#pragma once

#include <Tavrin.h>

#include "GalleryPages.h"
#include "ProfileCatalogue.h"

class ComboBoxesPage : public CDialog, public GalleryPage {
public:
    ComboBoxesPage();

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
    afx_msg void OnTargetChanged();
    DECLARE_MESSAGE_MAP()

private:
    void RefillSizeAndQuality();

    COLORREF m_background;
    ProfileCatalogue m_catalogue;
    CImageList m_shapes;
    CImageList m_targets;
    Tavrin::NeloGroupBox m_kindsGroup, m_converterGroup;
    Tavrin::NeloComboBox m_listImages, m_listPlain, m_editImages, m_editPlain, m_simple;
    Tavrin::NeloComboBox m_listDisabled, m_editDisabled;
    Tavrin::NeloComboBox m_target, m_size, m_quality;
};

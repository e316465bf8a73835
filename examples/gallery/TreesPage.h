// The gallery's page of trees and scroll views: a tree of a few hundred
// items with images, expanded and collapsed branches, beside a disabled
// tree; and a small document/view window (a frame holding a NeloScrollView
// of a document) whose drawing is larger than the window.
#pragma once

#include <Tavrin.h>

#include "GalleryPages.h"

class TreesPage : public CDialog, public GalleryPage {
public:
    TreesPage();

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
    void FillTree(Tavrin::NeloTreeCtrl& tree, int folders, int filesPerFolder);
    void MakeDocumentWindow();

    COLORREF m_background;
    CImageList m_images;
    Tavrin::NeloGroupBox m_treeGroup, m_viewGroup;
    Tavrin::NeloTreeCtrl m_tree, m_disabledTree;
};

// The gallery's page of trees and scroll views: a tree of a few hundred
// items with images, expanded and collapsed branches, beside a disabled
// tree; and a small document/view window (a frame holding a NeloScrollView
// of a document) whose drawing is larger than the window.
#pragma once

#include <Tavrin.h>

#include "GalleryDialogPage.h"

class TreesPage : public GalleryDialogPage {
public:
    TreesPage();

    void FocusSample() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    void FillTree(Tavrin::NeloTreeCtrl& tree, int folders, int filesPerFolder);
    void MakeDocumentWindow();

    CImageList m_images;
    Tavrin::NeloGroupBox m_treeGroup, m_viewGroup;
    Tavrin::NeloTreeCtrl m_tree, m_disabledTree;
};

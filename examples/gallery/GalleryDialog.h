// The gallery's skinned frame: a NeloDialog holding one page of controls at a
// time (chosen with the page buttons or "/page NAME"), beside a second frame
// that shows the inactive look.
#pragma once

#include <Tavrin.h>

#include "GalleryPages.h"

#include <memory>
#include <vector>

// The gallery's frames: unskinned statics and group boxes sit on the
// dialog's own background.
class GalleryFrame : public Tavrin::NeloDialog {
public:
    explicit GalleryFrame(UINT id) : NeloDialog(id) {}

protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};

// A modeless frame beside the gallery that shows the inactive look: it is
// shown without being activated and never takes the focus.
class SampleFrame : public GalleryFrame {
public:
    SampleFrame();

protected:
    BOOL OnInitDialog() override;
};

class GalleryDialog : public GalleryFrame {
public:
    // 'firstPage' indexes GalleryPageList().
    explicit GalleryDialog(int firstPage = 0);
    ~GalleryDialog() override;

    void ShowPage(int index);
    int CurrentPage() const { return m_current; }
    // The page's window; null before the pages are made.
    CWnd* PageWindow(int index) const;
    CWnd* SampleWindow() { return &m_sample; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;

private:
    // Where a hidden placeholder of the template sits, in client pixels.
    CRect PlaceOf(int id);
    void CreatePages();
    void CreatePageButtons();
    void CreateSampleFrame();

    int m_firstPage;
    int m_current = -1;
    std::vector<std::unique_ptr<GalleryPage>> m_pages;
    std::vector<std::unique_ptr<Tavrin::NeloButton>> m_pageButtons;
    SampleFrame m_sample;
};

// The gallery's page of the scrolling and range family: standalone skinned
// scroll bars in both directions and every look, and skinned spin buttons
// alone and paired with skinned edits. A child dialog of its own template;
// the bars are made over hidden placeholders and report to the page, which
// scrolls them as an owner would.
#pragma once

#include <Tavrin.h>

#include "GalleryDialogPage.h"

#include <memory>
#include <vector>

class ScrollingPage : public GalleryDialogPage {
public:
    ScrollingPage();


protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    DECLARE_MESSAGE_MAP()

private:
    Tavrin::NeloScrollBar* MakeBar(UINT placeholder, bool vertical, int position);
    void Scroll(bool vertical, UINT code);

    Tavrin::NeloGroupBox m_barsGroup, m_spinsGroup;
    Tavrin::NeloStatic m_barsNote, m_spinsNote;
    std::vector<std::unique_ptr<Tavrin::NeloScrollBar>> m_bars;
    Tavrin::NeloEdit m_spinEdit, m_spinEditDisabled;
    Tavrin::NeloSpinButtonCtrl m_spin, m_spinDisabled, m_alone, m_hot, m_aloneDisabled, m_horizontal;
};

// The host of the scroll bar and spin button tests: a framework dialog at
// the screen's top-left corner that owns the cases' scroll bars (it hears
// their WM_VSCROLL and WM_HSCROLL and, when asked, answers them as an owner
// scrolling its content does) and whose template pairs edits with up-down
// controls, attached by data exchange. Its template's tree sits in a group
// box; the cases' trees use one id, whose expansion the host may refuse
// through its message map as an application would. Real input comes from
// the shared kit.
#pragma once

#include <Tavrin.h>

#include "support/host.h"
#include "support/input.h"
#include "support/message_sequence.h"

#include <gtest/gtest.h>

#include <vector>

#include "resource.h"

namespace menus_test {

using quorvex_test::Capture;
using quorvex_test::ClientPixel;
using quorvex_test::CountGdi;
using quorvex_test::Describe;
using quorvex_test::GdiCounts;
using quorvex_test::HostDialog;
using quorvex_test::WindowPixel;

class ScrollHost : public HostDialog {
public:
    ScrollHost();

    struct Scroll {
        UINT message; // WM_VSCROLL or WM_HSCROLL
        UINT code;
        UINT pos;
    };
    std::vector<Scroll> scrolls;
    // The bar whose steps the host answers like a scrolling owner (line
    // steps by 1, pages by the page, the thumb's final position), or none.
    Tavrin::NeloScrollBar* follow = nullptr;
    int CountScrolls(UINT code) const;

    // An edit with an up-down control that the dialog paired at creation,
    // both attached by data exchange; and an edit whose up-down control
    // stays the system's.
    Tavrin::NeloEdit templateEdit;
    Tavrin::NeloSpinButtonCtrl templateSpin;
    Tavrin::NeloEdit systemEdit;

    Tavrin::NeloGroupBox treeGroup;
    Tavrin::NeloTreeCtrl templateTree;
    // TVN_ITEMEXPANDING from a case tree is answered with this (non-zero:
    // the expansion is refused); how many arrived.
    LRESULT vetoExpansion = 0;
    int expandingSeen = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    afx_msg void OnItemExpanding(NMHDR* header, LRESULT* result);
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    DECLARE_MESSAGE_MAP()

private:
    void Answer(UINT message, UINT code, UINT pos);
};

using HostTest = quorvex_test::HostTest<ScrollHost>;
using MenusHost = ScrollHost;

// Mouse input one event at a time, pumped after each, so that no move is
// merged with the next.
void MouseTo(POINT screen);
void MousePress(POINT screen);
void MouseRelease();

// Moves the pointer to a screen point through real input, without pumping.
void MovePointer(POINT at);

// A window's client point on the screen.
POINT OnScreen(HWND window, int x, int y);

} // namespace menus_test

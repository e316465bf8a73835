// What a scrolling control (tree, rich edit, scroll view) adds to the hosted
// bars of ScrollGeometry.h: the client rectangle the control keeps when it
// computes its frame, the narrowing of that rectangle before the bars are
// placed beside it, and the scroll view's corner square, which reaches the
// window's edge. Also the placement of a popup kept on the screen (the
// tree's item tip).
//
// All rectangles are relative to the control's window (its top-left corner
// is (0, 0)) unless a function says otherwise.
#pragma once

#include "ScrollGeometry.h"

#include <windows.h>

namespace Tavrin {
namespace geometry {

// Which scroll bars a control shows and how thick they are, with the
// system's own sizes that the default frame computation took off.
struct ScrollAreaMetrics {
    bool horizontal;         // WS_HSCROLL
    bool vertical;           // WS_VSCROLL
    int thickness;           // HostedScrollBarThickness
    int systemVScrollWidth;  // SM_CXVSCROLL
    int systemHScrollHeight; // SM_CYHSCROLL
};

// The client rectangle after WM_NCCALCSIZE, from the system's default
// result: one pixel in on every side for the inner frame ring, except that
// an edge with a bar moves out by the difference between the system's bar
// and the skinned one (whose own rectangle is one pixel wider and sits on the
// ring).
RECT AdjustScrollClient(const RECT& defaultClient, const ScrollAreaMetrics& metrics);

struct ScrollBarAreaLayout {
    RECT client;        // the client rectangle the bars are placed beside
    bool horizontal;    // the horizontal bar shows
    bool vertical;      // the vertical bar shows
    RECT horizontalBar; // empty when it does not show
    RECT verticalBar;
};

// The bars beside a client rectangle (window-relative). With both bars the
// client rectangle is first narrowed (when narrowClient is set) so that the
// window keeps room for the bar and the two frame rings, and each bar is one
// pixel longer so that they meet under the corner square.
ScrollBarAreaLayout LayoutScrollBarArea(SIZE window, const RECT& client, int thickness, bool horizontal,
                                        bool vertical, bool narrowClient);

// The scroll view's corner square: it reaches the window's edge, unless the
// window has a static edge, where it is ScrollCornerSquare's (one pixel
// inside, moved up and left by one).
RECT ScrollViewCornerSquare(SIZE window, int thickness, bool staticEdge);

// A popup rectangle (screen coordinates) moved onto a screen of the given
// size: to x = 0 or y = 0 when it starts left of or above the screen, and
// back by the part beyond the right or bottom edge.
RECT KeepOnScreen(const RECT& rect, SIZE screen);

} // namespace geometry
} // namespace Tavrin

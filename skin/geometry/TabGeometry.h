// Layout of the tab control: the header strip, each tab header with its
// image and text boxes, the body below the tabs, the line that opens the
// selected tab into the body and its focus rectangle; which look a tab and
// the body are painted in; the keyboard's choice of the next tab; and the
// two-halved scroller in the header's top-right corner with its chevrons.
// Painting, hit testing and the table tests all read these.
#pragma once

#include "GeometryShapes.h"

#include <array>
#include <vector>

namespace Tavrin {
namespace geometry {

// ---- Tab headers -------------------------------------------------------

// Every tab is 80 x 25 pixels.
constexpr int kTabWidth = 80;
constexpr int kTabHeight = 25;
// Both top corners of a tab header are rounded with this radius.
constexpr int kTabCornerRadius = 7;

struct TabHeaderLayout {
    RECT header{0, 0, 0, 0}; // the rounded header: the tab's rectangle, 2 in on the left, 3 on the right
    bool hasImage = false;
    POINT image{0, 0};       // top-left corner of the image
    RECT text{0, 0, 0, 0};   // the box the text is centred in
};
// 'item' is the tab's rectangle as the tab control reports it. With an
// image of the given size the text box starts after it.
TabHeaderLayout LayoutTabHeader(const RECT& item, bool hasImage, int imageWidth, int imageHeight);

// The dotted focus rectangle of the selected tab.
RECT TabFocusRect(const RECT& item);

// A one-pixel horizontal line, both ends included.
struct TabLine {
    POINT from{0, 0};
    POINT to{0, 0};
};
// The line along the selected tab's bottom edge that opens it into the body.
TabLine TabOpeningLine(const RECT& item);

// ---- The whole strip -----------------------------------------------------

struct TabStripLayout {
    bool hasStrip = false;
    RECT strip{0, 0, 0, 0};   // from the client top to the bottom of tab 0
    std::vector<int> painted; // the tabs painted, left to right
    RECT body{0, 0, 0, 0};    // below the tabs, framed one pixel inside
};
// 'items' are the tabs' rectangles in order. A tab is painted when it
// reaches into the client area; the first tab starting beyond the right edge
// ends the row. The body starts at the bottom of the last tab looked at (the
// client top without tabs).
TabStripLayout LayoutTabStrip(const RECT& client, const std::vector<RECT>& items);

// ---- Looks -------------------------------------------------------------

// Disabled (the control or the tab) over selected over hot over normal.
// A selected tab is drawn in the Pressed look, a hot one in the Hover look.
Look ResolveTabLook(bool controlEnabled, bool tabEnabled, bool selected, bool hot);

// The body and its frame: disabled when the control or the selected tab is,
// else framed as selected when a tab is selected.
enum class TabBodyLook { NoSelection, Selected, Disabled };
TabBodyLook ResolveTabBodyLook(bool controlEnabled, int selected, bool selectedEnabled);

// ---- Keyboard ------------------------------------------------------------

// The tab a key moves to: Home the first enabled tab, End the last, Left the
// nearest enabled tab before 'current', Right the nearest after it. -1 when
// there is none or the key is another one (or leads to 'current' itself).
int TabForKey(unsigned int key, int current, const std::vector<bool>& enabled);

// ---- Scroller ------------------------------------------------------------

// Where the scroller sits: a d-high, 2d-wide box in the client's top-right
// corner, d being the height of the tab row (the bottom of tab 0's
// rectangle below the client top).
RECT TabScrollerRect(const RECT& client, const RECT& firstItem);

// A chevron: strokes drawn side by side, each a polyline of three points.
struct TabChevron {
    std::vector<std::array<POINT, 3>> strokes;
};

struct TabScrollerLayout {
    RECT left{0, 0, 0, 0};  // the half that scrolls back ("<")
    RECT right{0, 0, 0, 0}; // the half that scrolls on (">")
    TabChevron leftGlyph;
    TabChevron rightGlyph;
};
// The halves and chevrons of a cx x cy scroller; a pressed half's chevron
// moves one pixel right and down.
TabScrollerLayout LayoutTabScroller(int cx, int cy, bool leftPressed, bool rightPressed);
// 1 for the left half, 2 for the right half, 0 for neither.
int TabScrollerHitTest(const TabScrollerLayout& layout, POINT p);

} // namespace geometry
} // namespace Tavrin

// Layout of the skinned combo box: the arrow button's width and place, the
// text part beside it, the chevron drawn on the button, the text and image
// offsets of the selection field and the edit, and where the drop window
// opens on the monitor's work area.
#pragma once

#include "GeometryShapes.h"

namespace Tavrin {
namespace geometry {

// Width of the arrow button from the system's scroll-bar metrics: the
// vertical bar's width when above 17, else 18; never narrower than either
// scroll-bar thickness.
int ComboButtonWidth(int verticalBarWidth, int horizontalBarHeight);

// The button and the text part of a combo whose client area is
// width x height: the button sits two pixels inside the frame rings at the
// right, the text part fills the rest inside the rings.
struct ComboLayout {
    RECT button;
    RECT text;
};
ComboLayout LayoutCombo(int width, int height, int buttonWidth);

// The downward chevron of a button of the given size: four polylines
// (cx - g + 1, cy + i - g - 1), (cx, cy + i), (cx + g - 1, cy + i - g - 1)
// for i = -2 .. 1; a pressed button moves it one pixel right and down.
struct ComboChevron {
    int g;
    int centreX;
    int centreY;
    POINT lines[4][3];
};
ComboChevron LayoutComboChevron(int width, int height, bool pressed);

// Height of the drop list's rows: every item when they fit into
// 'maxHeight', else the largest whole number of rows that fits (at least
// one); 'maxHeight' itself for an empty list. The four pixels of the frame
// are added.
int DropListHeight(int count, int rowHeight, int maxHeight);

// Width of the drop window: the combo's width, or with a free width at
// least the widest item's.
int DropListWidth(int comboWidth, int contentWidth, bool fixedWidth);

// The width an item needs in the drop list: its text + 16, + 32 with an
// image; + 18 beside a vertical scroll bar.
int DropItemWidth(int textWidth, bool hasImage, bool verticalBar);

// Where the drop window opens for a combo at 'combo' (screen) on a monitor
// whose work area is 'work': below the combo, overlapping its bottom edge by
// one pixel; above it when there is no room below; at the work area's top,
// cut to its height, when it fits neither way. It is moved left so that it
// ends inside the work area, never past its left edge. 'listHeight' is the
// height the list takes inside the window (one more than the window above
// the combo, where the list's lower ring is hidden under the window edge).
struct DropPlacement {
    RECT window;
    int listHeight;
    bool above;
};
DropPlacement PlaceDropWindow(const RECT& combo, const RECT& work, int width, int height);

// The selection field's text starts this far right of its client area:
// the larger of 2 and a ninth of its height.
int ComboStaticTextIndent(int clientHeight);
// Top of the item image in the selection field and in the edit part.
int ComboStaticImageTop(int clientHeight, int imageHeight);
int ComboEditImageTop(int clientHeight, int imageHeight);

} // namespace geometry
} // namespace Tavrin

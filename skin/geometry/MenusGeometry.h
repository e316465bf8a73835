// Layout of the menu family and the slider: the menu bar's items, the popup
// window's size, placement, rows, check mark, image cell and arrow, the
// popup's keyboard steps, and the slider's channel and knob. The bar and the
// popups paint and hit-test from the same rows, so a click lands on the item
// drawn under the pointer.
#pragma once

#include "GeometryShapes.h"

#include <vector>

namespace Tavrin {
namespace geometry {

// ---- Menu bar ------------------------------------------------------------

// One top-level item of a menu as the bar sees it: its raw text's width in
// the bar's font (ampersands included) and whether it is a separator
// (identifier 0), which takes no room on the bar.
struct MenuBarEntry {
    int textWidth;
    bool separator;
};

struct MenuBarItem {
    int position; // the item's position in the menu
    RECT rect;    // in the bar's client coordinates
};

// Items laid edge to edge from x = 0, each its text width + 25 wide and
// itemHeight high; separators are left out.
std::vector<MenuBarItem> LayoutMenuBar(const std::vector<MenuBarEntry>& entries, int itemHeight);
// The menu position of the item under a client point, -1 for none (outside
// the client rectangle, beside the last item, below the items).
int MenuBarHitTest(const std::vector<MenuBarItem>& items, const RECT& client, POINT point);
// Where a bar item's text is drawn: the item inset by 10 on the left, 5 on
// the right and 1 above and below.
RECT MenuBarTextRect(const RECT& item);
// The hot item's fill and frame: the item inset by one pixel.
RECT MenuItemHotRect(const RECT& item);
// Window height of a bar: one pixel for its bottom line when the menu has
// items, plus the item height, or the text height + 4 when the font's text
// (textHeight) does not fit into the item height with a pixel to spare.
int MenuBarHeight(int itemCount, int itemHeight, int textHeight);

// ---- Popup window ----------------------------------------------------------

// One item of a popup level: raw text width in the popup's font, separator
// (identifier 0) and whether it opens a sub-menu.
struct PopupEntry {
    int textWidth;
    bool separator;
    bool subMenu;
};

// Window size, border included: height 2 (when there are items) + H per
// item + 1 per separator; width the largest of text + 2H (H > 24) or
// text + H + 25, plus 5 for an item with a sub-menu.
SIZE PopupWindowSize(const std::vector<PopupEntry>& entries, int itemHeight);

struct PopupRow {
    int position;
    bool separator;
    RECT rect; // client coordinates: H high for an item, 1 for a separator
};
std::vector<PopupRow> LayoutPopupRows(const std::vector<PopupEntry>& entries, int itemHeight,
                                      int clientWidth);

// Hit test of a client point: -2 outside the client rectangle, -1 on a
// separator or below the items, else the item's position (its rectangle in
// *itemRect when given).
int PopupHitTest(const std::vector<PopupRow>& rows, const RECT& client, POINT point,
                 RECT* itemRect = nullptr);

// The image column: (1, 1), H - 2 wide, client height - 2 high.
RECT PopupImageColumn(const RECT& client, int itemHeight);
// A separator's line: the row from x = H + 5 to client right - 10 (end excluded).
RECT PopupSeparatorLine(const RECT& row, int itemHeight, int clientRight);
// The image cell of an item row: its first H pixels.
RECT PopupImageCell(const RECT& row, int itemHeight);
// Where an item's text is drawn.
RECT PopupTextRect(const RECT& row, int itemHeight);
// The sub-menu arrow: a triangle pointing right, 10 pixels in from the row's
// right end, d = H / 6 high on each side of the row's middle.
struct Triangle {
    POINT points[3];
};
Triangle PopupSubMenuArrow(const RECT& row, int itemHeight);

// The check mark: n = 3 + (H - 11) / 5 polylines of three points, each one
// pixel above the one before; the outer two are drawn fainter.
struct CheckStroke {
    POINT points[3];
    int alpha;
};
std::vector<CheckStroke> LayoutCheckMark(const RECT& cell, int itemHeight);

// An item image: its size limited to H - 2 each way and its top-left corner
// centred in the cell's H - 2 square.
struct ImagePlacement {
    int x, y, width, height;
};
ImagePlacement PlaceMenuImage(const RECT& cell, int itemHeight, int imageWidth, int imageHeight);

// Top-level popup window at (x, y) with TPM_CENTERALIGN, TPM_RIGHTALIGN,
// TPM_BOTTOMALIGN and TPM_VCENTERALIGN applied in that order, then moved by
// its own width or height off each screen edge it crosses.
RECT PlaceTopLevelPopup(POINT at, SIZE size, UINT flags, SIZE screen);
// A sub-menu popup beside its parent item (screen coordinates, not yet
// inflated): right of it, or left of it at the right screen edge; bottom
// aligned with it at the bottom screen edge.
RECT PlaceSubMenuPopup(const RECT& parentItem, SIZE size, SIZE screen);

// The keyboard's next hot item in a popup of these rows (true = separator):
// Home and End go to the first and last item, Up and Down to the next item
// that is not a separator; none of them ever rests on a separator. Other
// keys and steps with nowhere to go keep 'hot'.
int PopupKeyStep(const std::vector<bool>& separators, int hot, UINT key);

// ---- Slider -----------------------------------------------------------------

// The channel drawn: along the control's channel, 'thickness' thick, starting
// across the slider one third into the thumb's breadth. The trackbar reports
// a vertical slider's channel as if it were horizontal: its left and right
// are the channel's top and bottom.
RECT SliderChannelRect(const RECT& controlChannel, const RECT& controlThumb, int thickness, bool vertical);
// The passed part: from the channel's start to the thumb's leading edge
// (empty when the thumb sits at the start).
RECT SliderPassedRect(const RECT& channel, const RECT& thumb, bool vertical);

// The round knob: the thumb with its breadth replaced by the channel's, its
// centre, and a radius of half its diagonal + 1.5 (3.5 while pressed).
struct RoundKnob {
    RECT thumb; // the knob's hit area
    int cx, cy; // centre
    int radius;
    RECT circle; // (cx - r, cy - r, cx + r, cy + r)
    RECT brush;  // the gradient's box: the circle one pixel up and left
};
RoundKnob LayoutRoundKnob(const RECT& controlThumb, const RECT& channel, bool vertical, bool pressed);
// Thumb length for the round knob: 2 x (half the knob's diagonal + 1.5,
// truncated) - 2.
int RoundThumbLength(const RECT& controlThumb, const RECT& channel, bool vertical);
// A channel thickness is accepted when above 3 and three of it fit into the
// control's breadth (client height - 2 across a horizontal slider, client
// width - 2 across a vertical one).
bool SliderThicknessFits(int thickness, int clientWidth, int clientHeight, bool vertical);

} // namespace geometry
} // namespace Tavrin

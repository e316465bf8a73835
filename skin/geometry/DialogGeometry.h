// Layout of the skinned dialog frame: title bar, icon, caption, the drawn
// system buttons, the lines under the title, the border rings, the window
// region, the client insets, hit testing and the sizing limit. Coordinates
// are relative to the window's top-left corner.
#pragma once

#include "GeometryShapes.h"

namespace Tavrin {
namespace geometry {

// The drawn system buttons, numbered as the dialog numbers them.
enum class DialogButton : int { None = 0, Close = 1, Min = 2, Max = 3 };

struct DialogFrameParams {
    int width;       // window width W
    int height;      // window height H
    int titleHeight; // T
    int borderWidth; // B
    bool hasCaption;
    int buttonStyle; // 0 none, 1 close, 2 close and minimize, 3 all three
    bool roundCorners;
    bool hasIcon;  // the window has an icon of the size the title asks for
    int largeIcon; // SM_CXICON
    int smallIcon; // SM_CXSMICON
};

struct DialogFrameLayout {
    bool caption;   // a title bar is drawn
    RECT titleBar;  // gradient area: the title and both borders
    int iconSize;   // the icon the title would take
    bool largeIcon; // ICON_BIG rather than ICON_SMALL
    bool iconShown;
    RECT icon;
    RECT captionText; // the caption's DrawTextW rectangle
    bool buttonsShown;
    int buttonSize;     // M
    int buttonRadius;   // corner radius of a button face
    float thinGlyphPen; // glyph pens, in pixels
    float thickGlyphPen;
    RECT closeButton; // empty when that button is not shown
    RECT minButton;
    RECT maxButton;
    RECT titleLine1; // the two lines that close the title off
    RECT titleLine2;
    bool border; // the rings are drawn (a border width is set)
    RegionShape innerRing;
    RegionShape outerRing;
    RegionShape windowRegion;
    RECT clientInsets; // left, top, right and bottom non-client widths
};

DialogFrameLayout LayoutDialogFrame(const DialogFrameParams& params);

// The title takes the large icon (ICON_BIG) when it is lower than the
// title, else the small one.
bool DialogUsesLargeIcon(const DialogFrameParams& params);

// The rectangle of one button (empty when it is not shown).
RECT DialogButtonRect(const DialogFrameLayout& layout, DialogButton button);
// The button under a window-relative point; the close button wins where
// rectangles would meet.
DialogButton DialogButtonAt(const DialogFrameLayout& layout, POINT point);

// The look of one button: pressed while pressed and under the pointer,
// hover while under the pointer and nothing is pressed, otherwise normal
// or inactive by the window's activation.
Look DialogButtonLook(DialogButton button, DialogButton pressed, DialogButton hot, bool active);

// Hit-test code (HT*) for a window-relative point.
int DialogHitTest(const DialogFrameParams& params, POINT point, bool resizable, bool fixedPosition);

// The smallest window size sizing may reach.
SIZE DialogSmallestSize(const DialogFrameParams& params);

} // namespace geometry
} // namespace Tavrin

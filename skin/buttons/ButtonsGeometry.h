// Geometry shared by the push button, static, group box, progress bar and
// tooltip: plain computations on rectangles and sizes, kept apart from the
// window classes so that each rule lives in one place.
#pragma once

#include <windows.h>

namespace Tavrin {
namespace detail {

// A rounded-rectangle region, optionally cut by a rectangle: the window
// region and the two frame rings of a push button are all of this form.
struct RoundRectShape {
    RECT round;   // CreateRoundRectRgn box
    int ellipse;  // corner ellipse width and height (0: plain rectangle)
    bool clipped; // intersect with clip
    RECT clip;
};

// Corner ellipse of a push button: small buttons get tighter corners.
int ButtonCornerEllipse(int width, int height);

// Window region of a push button of the given style (0..5; other values
// give the plain rectangle).
RoundRectShape ButtonWindowShape(int style, int width, int height);
// Outer and inner frame rings of a push button.
RoundRectShape ButtonOuterShape(int style, int width, int height);
RoundRectShape ButtonInnerShape(int style, int width, int height);

// Creates the region of a shape; null on failure. The caller owns it.
HRGN CreateShapeRegion(const RoundRectShape& shape);

// Text placement inside a push button of size (width, height).
struct ButtonTextLayout {
    RECT draw; // where DrawTextW draws
};
// alignment 0..8: horizontal = alignment / 3, vertical = alignment % 3.
// textSize is the measured block; explicitPos is used when useExplicit is set.
ButtonTextLayout LayoutButtonText(int width, int height, SIZE textSize, int alignment, bool useExplicit,
                                  POINT explicitPos, bool pressedLook);

// Inset of the dotted focus rectangle.
int ButtonFocusInset(int width, int height);

// Progress bar: the rectangle the bar fills inside the client rectangle,
// already shrunk by the one-pixel gap; empty when no bar is drawn.
struct ProgressBarLayout {
    bool draw;
    RECT bar;
};
ProgressBarLayout LayoutProgressBar(const RECT& client, int pos, int lower, int upper, bool vertical);

// Tooltip: top-left corner for a tip of the given size shown for a pointer
// at 'pointer' on a desktop of the given rectangle.
POINT PlaceToolTip(POINT pointer, SIZE tip, const RECT& desktop);

// Group box: the largest frame thickness that fits a box of this size.
int GroupBoxThicknessLimit(int width, int height);
// Corner radius of a corner style (0 -> 0, 1 -> 2, 2 -> 4, 3 -> 8, else 0).
int GroupBoxCornerRadius(int cornerStyle);

} // namespace detail
} // namespace Tavrin

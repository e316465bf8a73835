// Layout of the buttons family: push button shapes, text and focus, the
// progress bar, the tooltip, the group box frame and the static's text
// format. Each control paints, hit-tests and is tested from these.
#pragma once

#include "GeometryShapes.h"

namespace Tavrin {
namespace geometry {

// ---- Push button -------------------------------------------------------

// Corner ellipse of a push button: small buttons get tighter corners.
int ButtonCornerEllipse(int width, int height);

// Window region of a push button of the given style (0..5; other values
// give the plain rectangle).
RegionShape ButtonWindowShape(int style, int width, int height);
// Outer and inner frame rings of a push button.
RegionShape ButtonOuterShape(int style, int width, int height);
RegionShape ButtonInnerShape(int style, int width, int height);

// alignment 0..8: horizontal = alignment / 3, vertical = alignment % 3.
// textSize is the measured block; explicitPos is used when useExplicit is
// set. Returns where DrawTextW draws, in item coordinates.
RECT LayoutButtonText(int width, int height, SIZE textSize, int alignment, bool useExplicit,
                      POINT explicitPos, bool pressedLook);

// The dotted focus outline, in item coordinates.
RECT ButtonFocusOutline(int width, int height);

// ---- Progress bar ------------------------------------------------------

// Where the bar is drawn inside the client rectangle (already shrunk by
// the one-pixel gap), and the brush geometry of both bar styles.
struct ProgressBarLayout {
    bool draw;        // false: no bar at all
    RECT bar;         // the filled rectangle
    RECT linearBrush; // box of the linear gradient brush
    float centreX;    // centre point of the path gradient
    float centreY;
    float focusScaleX; // focus scales of the path gradient
    float focusScaleY;
};
ProgressBarLayout LayoutProgressBar(const RECT& client, int pos, int lower, int upper, bool vertical);

// ---- Tooltip -----------------------------------------------------------

// Window size of a tip whose text measures textSize: two pixels of air on
// each side across, one above and below.
SIZE ToolTipSize(SIZE textSize);
// Top-left corner for a tip of the given size shown for a pointer at
// 'pointer' on a desktop of the given rectangle.
POINT PlaceToolTip(POINT pointer, SIZE tip, const RECT& desktop);

// ---- Group box ---------------------------------------------------------

// Corner radius of a corner style (0 -> 0, 1 -> 2, 2 -> 4, 3 -> 8, else 0).
int GroupBoxCornerRadius(int cornerStyle);

// Caption alignment taken from the BS_ horizontal bits.
enum class CaptionAlign { Left, Centre, Right };

struct GroupBoxLayout {
    int thickness;      // the line thickness, cut to what the box can hold
    float pathX, pathY; // the rounded outline the pen follows
    float pathWidth, pathHeight;
    int radius;
    bool caption;        // a caption is drawn
    RECT text;           // where the caption is drawn
    unsigned textFormat; // DrawTextW format of the caption
    RECT gap;            // left out of the line behind the caption
};
GroupBoxLayout LayoutGroupBox(const RECT& client, SIZE caption, bool showText, int thickness, int cornerStyle,
                              CaptionAlign align);

// ---- Static ------------------------------------------------------------

// DrawTextW format of a static's text, from its style bits and its text.
unsigned StaticTextFormat(DWORD style, const wchar_t* text);

} // namespace geometry
} // namespace Tavrin

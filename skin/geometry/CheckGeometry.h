// Layout of the check box, the radio button and the divider line: the box or
// circle beside the caption, the check mark's strokes, the dot, the caption's
// focus outline and the divider's two lines. Each control paints and is
// tested from these.
#pragma once

#include "GeometryShapes.h"

#include <vector>

namespace Tavrin {
namespace geometry {

// A box of GDI+ form: (x, y, width, height).
struct Box {
    int x, y, width, height;
};
bool operator==(const Box& a, const Box& b);

// ---- Check box ---------------------------------------------------------

// One stroke of the check mark: down at 45 degrees from 'from' to 'bottom',
// then up at 45 degrees to 'to', in a pen of the given opacity.
struct CheckStroke {
    POINT from, bottom, to;
    int alpha;
};

struct CheckBoxLayout {
    Box face;                         // filled with the face gradient
    Box faceBrush;                    // the face gradient's box
    Box frame;                        // outlined one pixel wide
    Box frameBrush;                   // the frame's (and hover ring's) gradient box
    Box hoverRing;                    // outlined with the hover ring's pen
    float hoverWidth;                 // width of that pen
    RECT mark;                        // the check mark's rectangle
    std::vector<CheckStroke> strokes; // lowest first
    int captionLeft;                  // the caption starts here
};
// 'item' is the control's item rectangle, 'symbol' the box edge (10..30).
CheckBoxLayout LayoutCheckBox(const RECT& item, int symbol);

// ---- Radio button ------------------------------------------------------

struct RadioLayout {
    Box circle;    // the circle's box: face, outline and its brushes
    Box hoverRing; // the hover ring's ellipse (and its brush box)
    Box dot;       // the check dot's ellipse
    Box dotBrush;  // the dot gradient's box
    int captionLeft;
};
RadioLayout LayoutRadio(const RECT& item, int symbol);

// The symbol width a check box or radio button accepts: 10..30 and at most
// two pixels less than the control's client height.
bool SymbolWidthFits(int symbol, int clientHeight);

// ---- Caption beside a box or circle ------------------------------------

// The dotted focus outline around a caption of the measured size drawn from
// 'captionLeft' and centred vertically in the item: two pixels of air across,
// one above and below. Returned as (x, y, width, height) for the pen.
Box CaptionFocusOutline(const RECT& item, int captionLeft, SIZE caption);

// ---- Divider -----------------------------------------------------------

// A divider lies across its longer side: horizontal when it is wider than
// high.
bool DividerIsHorizontal(int width, int height);

// The size a divider of the given thicknesses takes across its direction.
int DividerThickness(int thickness1, int thickness2);

// The rectangles of the first and second line in a client area of
// width x height (an empty rectangle for a line of thickness 0 or less).
struct DividerLines {
    RECT first;
    RECT second;
};
DividerLines LayoutDivider(int width, int height, bool horizontal, int thickness1, int thickness2);

} // namespace geometry
} // namespace Tavrin

// Shapes and looks shared by every control's layout: a rounded rectangle cut
// by or joined with a plain rectangle (window regions and frame rings are all
// of this form), and the visual state a control is drawn in.
//
// Everything in the geometry library is plain arithmetic on rectangles and
// sizes: no window, no device context, no GDI object. Painting, hit testing
// and the table tests all read the same functions, so what is drawn under
// the pointer is what a click hits.
#pragma once

#include <windows.h>

namespace Tavrin {
namespace geometry {

// How the plain rectangle of a shape combines with its rounded rectangle.
enum class ShapeCombine { None, Intersect, Union };

// A CreateRoundRectRgn box (ellipse 0: a plain rectangle), optionally
// intersected with or united with a rectangle.
struct RegionShape {
    RECT round;
    int ellipse;
    ShapeCombine combine;
    RECT rect;
};

RegionShape RoundRectShape(const RECT& round, int ellipse);
RegionShape PlainRectShape(const RECT& rect);
RegionShape Intersected(RegionShape shape, const RECT& rect);
RegionShape United(RegionShape shape, const RECT& rect);

bool operator==(const RegionShape& a, const RegionShape& b);
inline bool operator!=(const RegionShape& a, const RegionShape& b) {
    return !(a == b);
}

// The look a control is drawn in. Controls choose their colours through a
// table indexed by it, never by offsets into their colour record.
enum class Look : int { Normal = 0, Hover, Pressed, Disabled, Inactive, Count };

// Disabled wins over pressed, pressed over hover, hover over normal.
Look ResolveLook(bool disabled, bool pressed, bool hover);

// Width and height of a rectangle.
inline int Width(const RECT& r) {
    return r.right - r.left;
}
inline int Height(const RECT& r) {
    return r.bottom - r.top;
}
inline bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Whether a point lies in a rectangle: the left and top edges belong to it,
// the right and bottom edges do not (as with PtInRect).
inline bool Contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}
// A rectangle with each side moved inwards by its own amount (negative:
// outwards).
inline RECT Inset(const RECT& r, int left, int top, int right, int bottom) {
    return RECT{r.left + left, r.top + top, r.right - right, r.bottom - bottom};
}

} // namespace geometry
} // namespace Tavrin

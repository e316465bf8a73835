#include "GeometryShapes.h"

namespace Tavrin {
namespace geometry {

RegionShape RoundRectShape(const RECT& round, int ellipse) {
    return RegionShape{round, ellipse, ShapeCombine::None, RECT{0, 0, 0, 0}};
}

RegionShape PlainRectShape(const RECT& rect) {
    return RoundRectShape(rect, 0);
}

RegionShape Intersected(RegionShape shape, const RECT& rect) {
    shape.combine = ShapeCombine::Intersect;
    shape.rect = rect;
    return shape;
}

RegionShape United(RegionShape shape, const RECT& rect) {
    shape.combine = ShapeCombine::Union;
    shape.rect = rect;
    return shape;
}

bool operator==(const RegionShape& a, const RegionShape& b) {
    if (!SameRect(a.round, b.round) || a.ellipse != b.ellipse || a.combine != b.combine)
        return false;
    return a.combine == ShapeCombine::None || SameRect(a.rect, b.rect);
}

Look ResolveLook(bool disabled, bool pressed, bool hover) {
    if (disabled)
        return Look::Disabled;
    if (pressed)
        return Look::Pressed;
    if (hover)
        return Look::Hover;
    return Look::Normal;
}

} // namespace geometry
} // namespace Tavrin

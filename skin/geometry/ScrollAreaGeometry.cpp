#include "ScrollAreaGeometry.h"

#include "GeometryShapes.h"

#include <algorithm>

namespace Tavrin {
namespace geometry {

int ScrollBarThickness(int systemVScrollWidth, int systemHScrollHeight) {
    return std::max(18, std::max(systemVScrollWidth, systemHScrollHeight));
}

RECT AdjustScrollClient(const RECT& defaultClient, const ScrollAreaMetrics& m) {
    RECT r = defaultClient;
    r.left += 1;
    r.top += 1;
    if (m.horizontal)
        r.bottom += m.systemHScrollHeight - m.thickness - 2;
    else
        r.bottom -= 1;
    if (m.vertical)
        r.right += m.systemVScrollWidth - m.thickness - 2;
    else
        r.right -= 1;
    return r;
}

ScrollBarAreaLayout LayoutScrollBarArea(SIZE window, const RECT& client, int thickness, bool horizontal,
                                        bool vertical, bool narrowClient) {
    ScrollBarAreaLayout layout{client, horizontal, vertical, {0, 0, 0, 0}, {0, 0, 0, 0}};
    RECT& c = layout.client;
    const bool both = horizontal && vertical;
    if (both && narrowClient) {
        c.right = std::min(c.right, (LONG)(window.cx - thickness - 2));
        c.bottom = std::min(c.bottom, (LONG)(window.cy - thickness - 2));
    }
    if (horizontal)
        layout.horizontalBar = RECT{c.left, c.bottom, c.right + (both ? 1 : 0), c.bottom + thickness + 1};
    if (vertical)
        layout.verticalBar = RECT{c.right, c.top, c.right + thickness + 1, c.bottom + (both ? 1 : 0)};
    return layout;
}

RECT ScrollCornerSquare(SIZE window, int thickness, bool staticEdge, CornerReach reach) {
    const LONG right = window.cx, bottom = window.cy;
    RECT r{right - thickness - 1, bottom - thickness - 1, right, bottom};
    if (reach == CornerReach::OneInside || staticEdge) {
        r.right -= 1;
        r.bottom -= 1;
    }
    if (staticEdge)
        OffsetRect(&r, -1, -1);
    return r;
}

RECT KeepOnScreen(const RECT& rect, SIZE screen) {
    RECT r = rect;
    if (r.left < 0)
        OffsetRect(&r, -r.left, 0);
    else if (r.right > screen.cx)
        OffsetRect(&r, screen.cx - r.right, 0);
    if (r.top < 0)
        OffsetRect(&r, 0, -r.top);
    else if (r.bottom > screen.cy)
        OffsetRect(&r, 0, screen.cy - r.bottom);
    return r;
}

} // namespace geometry
} // namespace Tavrin

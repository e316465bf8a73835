#include "ScrollAreaGeometry.h"

#include "GeometryShapes.h"

#include <algorithm>

namespace Tavrin {
namespace geometry {

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
    const HostedScrollBars bars = LayoutHostedScrollBars(c, thickness, horizontal, vertical);
    layout.horizontalBar = bars.horizontalBar;
    layout.verticalBar = bars.verticalBar;
    return layout;
}

RECT ScrollViewCornerSquare(SIZE window, int thickness, bool staticEdge) {
    if (staticEdge)
        return ScrollCornerSquare(window.cx, window.cy, thickness, true);
    return RECT{window.cx - thickness - 1, window.cy - thickness - 1, window.cx, window.cy};
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

#include "HeaderGeometry.h"

#include <algorithm>

namespace Tavrin {
namespace geometry {

HeaderItemLayout LayoutHeaderItem(const HeaderItemInput& in, bool arrowWanted) {
    HeaderItemLayout out{};
    const int h = in.height;
    RECT t{3, 1, in.width - 3, h - 1};

    if (in.image) {
        const int cx = in.imageSize.cx;
        const int cy = std::min<int>(in.imageSize.cy, h);
        const int shift = in.pressed ? 2 : 0;
        const int y = (h - cy) / 2;
        out.image = true;
        out.imageRect = RECT{shift, y + shift, shift + cx, y + shift + cy};
        t.left += cx + 2;
    }

    // o: the arrow's half size, and the room the arrow takes from the text.
    const int o = h / 6;
    int b = 0;
    if (in.sortColumn)
        t.right -= 2 * o;
    switch (in.align) {
    case HeaderAlign::Left:
        b = std::min<int>(t.left + in.text.cx + o + 8, t.right + o - 2);
        break;
    case HeaderAlign::Centre:
        b = std::min<int>((t.right + in.text.cx + t.left) / 2 + o + 8, t.right + o);
        break;
    case HeaderAlign::Right:
        b = t.right + o;
        // Right-aligned text keeps away from the arrow by 8 more pixels when
        // it fits; otherwise it ends where it would end anyway.
        if (in.sortColumn) {
            if (t.right - 8 - t.left >= in.text.cx)
                t.right -= 8;
            else
                t.right = std::min<LONG>(t.right, t.left + in.text.cx);
        }
        break;
    }

    bool room = true;
    if (t.right < t.left) {
        t.left = t.right;
        room = false;
    }
    if (in.pressed)
        OffsetRect(&t, 1, 1);
    out.text = t;

    out.arrow = room && in.sortColumn && arrowWanted;
    if (out.arrow) {
        int e = h / 2 + (in.ascending ? 1 : 0);
        if (in.pressed) {
            ++e;
            ++b;
        }
        const int k = h / 18;
        if (in.ascending) {
            out.arrowPoints[0] = POINT{b, e - o};
            out.arrowPoints[1] = POINT{b + o, e + o - k};
            out.arrowPoints[2] = POINT{b - o, e + o - k};
        } else {
            out.arrowPoints[0] = POINT{b - o, e - o + k};
            out.arrowPoints[1] = POINT{b + o, e - o + k};
            out.arrowPoints[2] = POINT{b, e + o};
        }
    }
    return out;
}

RECT HeaderEmptyArea(int clientWidth, int clientHeight, int lastItemRight) {
    if (lastItemRight >= clientWidth)
        return RECT{0, 0, 0, 0};
    return RECT{std::max(0, lastItemRight), 0, clientWidth, clientHeight};
}

} // namespace geometry
} // namespace Tavrin

#include "ButtonsGeometry.h"

#include <algorithm>
#include <cmath>

namespace Tavrin {
namespace detail {

namespace {

RoundRectShape Shape(int left, int top, int right, int bottom, int ellipse) {
    RoundRectShape shape{};
    shape.round = RECT{left, top, right, bottom};
    shape.ellipse = ellipse;
    shape.clipped = false;
    return shape;
}

RoundRectShape Clipped(RoundRectShape shape, int left, int top, int right, int bottom) {
    shape.clipped = true;
    shape.clip = RECT{left, top, right, bottom};
    return shape;
}

// The outline of a style grown by 'inset' pixels inwards: the window region
// and outer ring use inset 0, the inner ring inset 1. Styles 2..5 push the
// rounded box past one side by the ellipse size so that side stays square,
// then cut it back to the (inset) client rectangle.
RoundRectShape StyledShape(int style, int w, int h, int inset) {
    const int e = ButtonCornerEllipse(w, h);
    const int l = inset, t = inset, r = w - inset, b = h - inset;
    switch (style) {
    case 1:
        return Shape(l, t, r, b, e);
    case 2:
        return Clipped(Shape(l, t, r + e, b, e), l, t, r, b);
    case 3:
        return Clipped(Shape(l - e, t, r, b, e), l, t, r, b);
    case 4:
        return Clipped(Shape(l, t, r, b + e, e), l, t, r, b);
    case 5:
        return Clipped(Shape(l, t - e, r, b, e), l, t, r, b);
    default:
        return Shape(l, t, r, b, 0);
    }
}

} // namespace

int ButtonCornerEllipse(int width, int height) {
    return std::min(width, height) <= 30 ? 2 : 4;
}

RoundRectShape ButtonWindowShape(int style, int width, int height) {
    return StyledShape(style, width, height, 0);
}

RoundRectShape ButtonOuterShape(int style, int width, int height) {
    return StyledShape(style, width, height, 0);
}

RoundRectShape ButtonInnerShape(int style, int width, int height) {
    return StyledShape(style, width, height, 1);
}

HRGN CreateShapeRegion(const RoundRectShape& shape) {
    const RECT& r = shape.round;
    HRGN region = shape.ellipse > 0
                      ? CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, shape.ellipse, shape.ellipse)
                      : CreateRectRgn(r.left, r.top, r.right, r.bottom);
    if (!region || !shape.clipped)
        return region;
    HRGN clip = CreateRectRgn(shape.clip.left, shape.clip.top, shape.clip.right, shape.clip.bottom);
    if (!clip) {
        DeleteObject(region);
        return nullptr;
    }
    CombineRgn(region, region, clip, RGN_AND);
    DeleteObject(clip);
    return region;
}

ButtonTextLayout LayoutButtonText(int width, int height, SIZE textSize, int alignment, bool useExplicit,
                                  POINT explicitPos, bool pressedLook) {
    // The text box sits one pixel up and left of the item so that centred
    // text looks optically centred on the gradient face.
    RECT r{0, -1, width - 1, height - 1};
    const int margin = std::min(std::min(width / 7, height / 7), 8);
    InflateRect(&r, -margin, -margin);

    int dx = 0, dy = 0;
    if (useExplicit) {
        dx = explicitPos.x;
        dy = explicitPos.y;
    } else {
        const int rw = r.right - r.left, rh = r.bottom - r.top;
        switch (alignment / 3) {
        case 1:
            dx = (rw - textSize.cx) / 2;
            break;
        case 2:
            dx = rw - textSize.cx;
            break;
        default:
            break;
        }
        switch (alignment % 3) {
        case 1:
            dy = (rh - textSize.cy) / 2;
            break;
        case 2:
            dy = rh - textSize.cy;
            break;
        default:
            break;
        }
    }
    dx = std::max(dx, 0);
    dy = std::max(dy, 0);
    if (pressedLook) {
        ++dx;
        ++dy;
    }
    ButtonTextLayout layout{};
    layout.draw = r;
    OffsetRect(&layout.draw, dx, dy);
    // Moving never lets the text run past the margin on the right or bottom.
    layout.draw.right = r.right;
    layout.draw.bottom = r.bottom;
    return layout;
}

int ButtonFocusInset(int width, int height) {
    return std::min(std::min(width / 8, height / 8), 8);
}

ProgressBarLayout LayoutProgressBar(const RECT& client, int pos, int lower, int upper, bool vertical) {
    ProgressBarLayout layout{};
    RECT bar = client;
    // 64-bit arithmetic: a full 32-bit range has a span beyond INT_MAX.
    const long long span = static_cast<long long>(upper) - lower;
    bool hasBar;
    if (span == 0) {
        // An empty range counts as complete once the position is past zero.
        hasBar = pos > 0;
    } else {
        double fraction =
            static_cast<double>(static_cast<long long>(pos) - lower) / static_cast<double>(span);
        fraction = std::min(1.0, std::max(0.0, fraction));
        if (vertical) {
            const int length = static_cast<int>(fraction * (client.bottom - client.top));
            bar.top = client.bottom - length;
        } else {
            const int length = static_cast<int>(fraction * (client.right - client.left));
            bar.right = client.left + length;
        }
        hasBar = fraction > 0.0;
    }
    InflateRect(&bar, -1, -1);
    layout.draw = hasBar && bar.right > bar.left && bar.bottom > bar.top;
    layout.bar = layout.draw ? bar : RECT{0, 0, 0, 0};
    return layout;
}

POINT PlaceToolTip(POINT pointer, SIZE tip, const RECT& desktop) {
    POINT at;
    at.x = std::min(pointer.x, desktop.right - tip.cx);
    at.y = pointer.y + 25;
    if (at.y + tip.cy > desktop.bottom)
        at.y = pointer.y - tip.cy - 5;
    return at;
}

int GroupBoxThicknessLimit(int width, int height) {
    const int f = std::min(std::min(width / 2, height / 2), 5);
    return std::max(1, 2 * f);
}

int GroupBoxCornerRadius(int cornerStyle) {
    switch (cornerStyle) {
    case 1:
        return 2;
    case 2:
        return 4;
    case 3:
        return 8;
    default:
        return 0;
    }
}

} // namespace detail
} // namespace Tavrin

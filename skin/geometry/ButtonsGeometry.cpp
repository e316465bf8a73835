#include "ButtonsGeometry.h"

#include <algorithm>
#include <cwchar>

namespace Tavrin {
namespace geometry {

namespace {

// The outline of a style grown by 'inset' pixels inwards: the window region
// and outer ring use inset 0, the inner ring inset 1. Styles 2..5 push the
// rounded box past one side by the ellipse size so that side stays square,
// then cut it back to the (inset) client rectangle.
RegionShape StyledShape(int style, int w, int h, int inset) {
    const int e = ButtonCornerEllipse(w, h);
    const int l = inset, t = inset, r = w - inset, b = h - inset;
    const RECT inside{l, t, r, b};
    switch (style) {
    case 1:
        return RoundRectShape(inside, e);
    case 2:
        return Intersected(RoundRectShape(RECT{l, t, r + e, b}, e), inside);
    case 3:
        return Intersected(RoundRectShape(RECT{l - e, t, r, b}, e), inside);
    case 4:
        return Intersected(RoundRectShape(RECT{l, t, r, b + e}, e), inside);
    case 5:
        return Intersected(RoundRectShape(RECT{l, t - e, r, b}, e), inside);
    default:
        return PlainRectShape(inside);
    }
}

int SmallestOf(int a, int b, int c) {
    return std::min(std::min(a, b), c);
}

} // namespace

int ButtonCornerEllipse(int width, int height) {
    return std::min(width, height) <= 30 ? 2 : 4;
}

RegionShape ButtonWindowShape(int style, int width, int height) {
    return StyledShape(style, width, height, 0);
}

RegionShape ButtonOuterShape(int style, int width, int height) {
    return StyledShape(style, width, height, 0);
}

RegionShape ButtonInnerShape(int style, int width, int height) {
    return StyledShape(style, width, height, 1);
}

RECT LayoutButtonText(int width, int height, SIZE textSize, int alignment, bool useExplicit,
                      POINT explicitPos, bool pressedLook) {
    // The text box sits one pixel up and left of the item so that centred
    // text looks optically centred on the gradient face.
    const int margin = SmallestOf(width / 7, height / 7, 8);
    const RECT box{margin, -1 + margin, width - 1 - margin, height - 1 - margin};

    int dx = 0, dy = 0;
    if (useExplicit) {
        dx = explicitPos.x;
        dy = explicitPos.y;
    } else {
        const int slackX = Width(box) - textSize.cx, slackY = Height(box) - textSize.cy;
        const int across = alignment / 3, down = alignment % 3;
        dx = across == 1 ? slackX / 2 : across == 2 ? slackX : 0;
        dy = down == 1 ? slackY / 2 : down == 2 ? slackY : 0;
    }
    dx = std::max(dx, 0);
    dy = std::max(dy, 0);
    if (pressedLook) {
        ++dx;
        ++dy;
    }
    // Moving never lets the text run past the margin on the right or bottom.
    return RECT{box.left + dx, box.top + dy, box.right, box.bottom};
}

RECT ButtonFocusOutline(int width, int height) {
    const int k = SmallestOf(width / 8, height / 8, 8);
    return RECT{k, k, width - k - 2, height - k - 2};
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
        if (vertical)
            bar.top = client.bottom - static_cast<int>(fraction * Height(client));
        else
            bar.right = client.left + static_cast<int>(fraction * Width(client));
        hasBar = fraction > 0.0;
    }
    // One pixel of background stays around the bar.
    bar = RECT{bar.left + 1, bar.top + 1, bar.right - 1, bar.bottom - 1};
    layout.draw = hasBar && bar.right > bar.left && bar.bottom > bar.top;
    if (!layout.draw)
        return layout;
    layout.bar = bar;
    const int x = bar.left, y = bar.top, w = Width(bar), h = Height(bar);
    // A vertical bar's brush reaches one pixel past the bar on every side
    // but the left, so that its end colours fall just outside the fill.
    layout.linearBrush = vertical ? RECT{x, y - 1, x + w + 1, y + h + 1} : bar;
    layout.centreX = x + w * 0.5f;
    layout.centreY = y + (h - 1) * 0.5f;
    layout.focusScaleX = static_cast<float>(w) / static_cast<float>(w + h);
    layout.focusScaleY = static_cast<float>(h) / static_cast<float>(w + h);
    return layout;
}

SIZE ToolTipSize(SIZE textSize) {
    return SIZE{textSize.cx + 4, textSize.cy + 2};
}

POINT PlaceToolTip(POINT pointer, SIZE tip, const RECT& desktop) {
    POINT at;
    at.x = std::min(pointer.x, desktop.right - tip.cx);
    at.y = pointer.y + 25;
    if (at.y + tip.cy > desktop.bottom)
        at.y = pointer.y - tip.cy - 5;
    return at;
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

GroupBoxLayout LayoutGroupBox(const RECT& client, SIZE caption, bool showText, int thickness, int cornerStyle,
                              CaptionAlign align) {
    GroupBoxLayout layout{};
    RECT r = client;
    const int cx = caption.cx, cy = caption.cy;
    // The line runs through the middle of the caption.
    if (showText)
        r.top += cy / 2;
    const int f = SmallestOf(Width(r) / 2, Height(r) / 2, 5);
    // A box too small for its line lowers the thickness, never below 1.
    layout.thickness = std::min(thickness, std::max(1, 2 * f));

    const int half = layout.thickness / 2;
    r = RECT{r.left + half, r.top + half, r.right - half, r.bottom - half};
    // An even pen straddles pixel boundaries; half a pixel back puts it on
    // whole pixels.
    const float o = (layout.thickness % 2 == 0) ? 0.5f : 0.0f;
    layout.pathX = static_cast<float>(r.left) - o;
    layout.pathY = static_cast<float>(r.top) - o;
    layout.pathWidth = static_cast<float>(Width(r)) - 1.0f + 2.0f * o;
    layout.pathHeight = static_cast<float>(Height(r)) - 1.0f + 2.0f * o;
    layout.radius = GroupBoxCornerRadius(cornerStyle);

    layout.caption = showText;
    if (!showText)
        return layout;
    const int top = r.top - cy / 2;
    layout.text = RECT{12, top, r.right - f, std::min<LONG>(top + cy, r.bottom)};
    layout.textFormat = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    int gapLeft;
    switch (align) {
    case CaptionAlign::Right:
        gapLeft = layout.text.right - cx - 1;
        layout.textFormat |= DT_RIGHT;
        break;
    case CaptionAlign::Centre:
        gapLeft = (layout.text.right - 12) / 2 + 12 - cx / 2 - 1;
        layout.textFormat |= DT_CENTER;
        break;
    default:
        gapLeft = 11;
        break;
    }
    layout.gap = RECT{gapLeft, top, gapLeft + cx + 2, top + cy};
    return layout;
}

unsigned StaticTextFormat(DWORD style, const wchar_t* text) {
    if (!text)
        text = L"";
    if (style & SS_CENTERIMAGE) {
        // Vertical centring needs a single line; a text with line breaks is
        // only centred across.
        return std::wcsstr(text, L"\r\n") ? DT_CENTER : (DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    unsigned format;
    switch (style & 0x1F) {
    case SS_LEFT:
        format = DT_WORDBREAK;
        break;
    case SS_CENTER:
        format = DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        format = DT_RIGHT | DT_WORDBREAK;
        break;
    default:
        format = 0;
        break;
    }
    if (std::wcschr(text, L'\t'))
        format |= DT_EXPANDTABS;
    return format;
}

} // namespace geometry
} // namespace Tavrin

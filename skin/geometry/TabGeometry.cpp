#include "TabGeometry.h"

#include <algorithm>

namespace Tavrin {
namespace geometry {

namespace {

// One chevron: 't' is a quarter of the half's width; the strokes run from
// two pixels before the tip's column to a ninth of the width after it, so
// that a wider scroller gets a bolder glyph.
TabChevron Chevron(const RECT& half, bool pointsLeft, bool pressed) {
    TabChevron glyph;
    const int w = Width(half);
    const int h = Height(half);
    const int t = w / 4;
    const int shift = pressed ? 1 : 0;
    const int cx = half.left + (pointsLeft ? (w + t) / 2 : (w - t) / 2) + shift;
    const int cy = half.top + h / 2 + shift;
    const int last = std::max(w / 9, 1);
    for (int i = -2; i <= last; ++i) {
        const int tipX = pointsLeft ? cx + i - t - 1 : cx + i + t + 1;
        glyph.strokes.push_back({POINT{cx + i, cy - t - 1}, POINT{tipX, cy}, POINT{cx + i, cy + t + 1}});
    }
    return glyph;
}

} // namespace

TabHeaderLayout LayoutTabHeader(const RECT& item, bool hasImage, int imageWidth, int imageHeight) {
    TabHeaderLayout layout;
    layout.header = Inset(item, 2, 0, 3, 0);
    RECT r = layout.header;
    layout.hasImage = hasImage;
    if (hasImage) {
        // The image's top is measured from the tab's height alone, as if the
        // tab stood at the client top: the row of tabs always does.
        layout.image = POINT{r.left + 8, (r.bottom - r.top - imageHeight + 2) / 2 + 1};
        r.left += imageWidth + 10;
        layout.text = Inset(r, 0, 0, 10, 0);
    } else {
        layout.text = Inset(r, 8, 0, 8, 0);
    }
    return layout;
}

RECT TabFocusRect(const RECT& item) {
    return Inset(item, 7, 3, 8, 3);
}

TabLine TabOpeningLine(const RECT& item) {
    const RECT header = Inset(item, 2, 0, 3, 0);
    return TabLine{POINT{header.left + 1, header.bottom}, POINT{header.right, header.bottom}};
}

TabStripLayout LayoutTabStrip(const RECT& client, const std::vector<RECT>& items) {
    TabStripLayout layout;
    int bodyTop = client.top;
    if (!items.empty()) {
        layout.hasStrip = true;
        layout.strip = RECT{client.left, client.top, client.right, items.front().bottom};
        bodyTop = items.front().bottom;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        const RECT& item = items[i];
        if (item.left >= client.right)
            break;
        bodyTop = item.bottom;
        if (item.right > client.left)
            layout.painted.push_back(static_cast<int>(i));
    }
    layout.body = RECT{client.left, bodyTop, client.right, client.bottom};
    return layout;
}

Look ResolveTabLook(bool controlEnabled, bool tabEnabled, bool selected, bool hot) {
    if (!controlEnabled || !tabEnabled)
        return Look::Disabled;
    if (selected)
        return Look::Pressed;
    if (hot)
        return Look::Hover;
    return Look::Normal;
}

TabBodyLook ResolveTabBodyLook(bool controlEnabled, int selected, bool selectedEnabled) {
    if (!controlEnabled || (selected >= 0 && !selectedEnabled))
        return TabBodyLook::Disabled;
    return selected >= 0 ? TabBodyLook::Selected : TabBodyLook::NoSelection;
}

int TabForKey(unsigned int key, int current, const std::vector<bool>& enabled) {
    const int count = static_cast<int>(enabled.size());
    int found = -1;
    switch (key) {
    case VK_HOME:
        for (int i = 0; i < count && found < 0; ++i)
            found = enabled[i] ? i : -1;
        break;
    case VK_END:
        for (int i = count - 1; i >= 0 && found < 0; --i)
            found = enabled[i] ? i : -1;
        break;
    case VK_LEFT:
        for (int i = std::min(current, count) - 1; i >= 0 && found < 0; --i)
            found = enabled[i] ? i : -1;
        break;
    case VK_RIGHT:
        for (int i = std::max(current + 1, 0); i < count && found < 0; ++i)
            found = enabled[i] ? i : -1;
        break;
    default:
        break;
    }
    return found == current ? -1 : found;
}

RECT TabScrollerRect(const RECT& client, const RECT& firstItem) {
    const int d = firstItem.bottom - client.top;
    return RECT{client.right - 2 * d, 0, client.right, d};
}

TabScrollerLayout LayoutTabScroller(int cx, int cy, bool leftPressed, bool rightPressed) {
    TabScrollerLayout layout;
    const int m = cx / 2;
    layout.left = RECT{2, 2, m - 1, cy - 2};
    layout.right = RECT{m + 1, 2, cx - 2, cy - 2};
    layout.leftGlyph = Chevron(layout.left, true, leftPressed);
    layout.rightGlyph = Chevron(layout.right, false, rightPressed);
    return layout;
}

int TabScrollerHitTest(const TabScrollerLayout& layout, POINT p) {
    if (Contains(layout.left, p))
        return 1;
    if (Contains(layout.right, p))
        return 2;
    return 0;
}

} // namespace geometry
} // namespace Tavrin

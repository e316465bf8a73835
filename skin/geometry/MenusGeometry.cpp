#include "MenusGeometry.h"

#include <algorithm>
#include <cmath>

namespace Tavrin {
namespace geometry {

std::vector<MenuBarItem> LayoutMenuBar(const std::vector<MenuBarEntry>& entries, int itemHeight) {
    std::vector<MenuBarItem> items;
    int x = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].separator)
            continue;
        const int width = entries[i].textWidth + 25;
        items.push_back(MenuBarItem{static_cast<int>(i), RECT{x, 0, x + width, itemHeight}});
        x += width;
    }
    return items;
}

int MenuBarHitTest(const std::vector<MenuBarItem>& items, const RECT& client, POINT point) {
    if (!Contains(client, point))
        return -1;
    for (const MenuBarItem& item : items)
        if (Contains(item.rect, point))
            return item.position;
    return -1;
}

RECT MenuBarTextRect(const RECT& item) {
    return Inset(item, 10, 1, 5, 1);
}

RECT MenuItemHotRect(const RECT& item) {
    return Inset(item, 1, 1, 1, 1);
}

int MenuBarHeight(int itemCount, int itemHeight, int textHeight) {
    int height = (itemCount > 0 ? 1 : 0) + itemHeight;
    if (itemHeight < textHeight + 2)
        height = textHeight + 4;
    return height;
}

SIZE PopupWindowSize(const std::vector<PopupEntry>& entries, int itemHeight) {
    SIZE size{0, entries.empty() ? 0 : 2};
    for (const PopupEntry& entry : entries) {
        size.cy += entry.separator ? 1 : itemHeight;
        int width = itemHeight > 24 ? entry.textWidth + 2 * itemHeight : entry.textWidth + itemHeight + 25;
        if (entry.subMenu)
            width += 5;
        size.cx = std::max<LONG>(size.cx, width);
    }
    return size;
}

std::vector<PopupRow> LayoutPopupRows(const std::vector<PopupEntry>& entries, int itemHeight,
                                      int clientWidth) {
    std::vector<PopupRow> rows;
    int y = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const int height = entries[i].separator ? 1 : itemHeight;
        rows.push_back(
            PopupRow{static_cast<int>(i), entries[i].separator, RECT{0, y, clientWidth, y + height}});
        y += height;
    }
    return rows;
}

int PopupHitTest(const std::vector<PopupRow>& rows, const RECT& client, POINT point, RECT* itemRect) {
    if (!Contains(client, point))
        return -2;
    for (const PopupRow& row : rows) {
        if (point.y < row.rect.top || point.y >= row.rect.bottom)
            continue;
        if (row.separator)
            return -1;
        if (itemRect)
            *itemRect = row.rect;
        return row.position;
    }
    return -1;
}

RECT PopupImageColumn(const RECT& client, int itemHeight) {
    return RECT{1, 1, 1 + itemHeight - 2, 1 + (client.bottom - client.top) - 2};
}

RECT PopupSeparatorLine(const RECT& row, int itemHeight, int clientRight) {
    return RECT{itemHeight + 5, row.top, clientRight - 10, row.top + 1};
}

RECT PopupImageCell(const RECT& row, int itemHeight) {
    return RECT{row.left, row.top, row.left + itemHeight, row.bottom};
}

RECT PopupTextRect(const RECT& row, int itemHeight) {
    return RECT{row.left + itemHeight + 5, row.top + 1, row.right + itemHeight + 5, row.bottom - 1};
}

Triangle PopupSubMenuArrow(const RECT& row, int itemHeight) {
    const int d = itemHeight / 6;
    const int m = row.top + itemHeight / 2;
    const int x = row.right - 10;
    return Triangle{{{x, m}, {x - d, m + d}, {x - d, m - d}}};
}

std::vector<CheckStroke> LayoutCheckMark(const RECT& cell, int itemHeight) {
    const int inset = std::max(itemHeight / 4, 2);
    const RECT k = Inset(cell, inset, inset, inset, inset);
    const int q = 3 * (k.bottom - k.top) / 4;
    const int count = 3 + (itemHeight - 11) / 5;
    std::vector<CheckStroke> strokes;
    for (int i = 0; i < count; ++i) {
        CheckStroke s{};
        s.points[0] = POINT{k.left, k.top + q - 1 - i};
        s.points[1] = POINT{k.right - q, s.points[0].y + (k.right - q - k.left)};
        s.points[2] = POINT{k.right - 1, s.points[1].y - (k.right - 1 - s.points[1].x)};
        s.alpha = i == 0 ? 160 : i == count - 1 ? 96 : 255;
        strokes.push_back(s);
    }
    return strokes;
}

ImagePlacement PlaceMenuImage(const RECT& cell, int itemHeight, int imageWidth, int imageHeight) {
    const int width = std::min(imageWidth, itemHeight - 2);
    const int height = std::min(imageHeight, itemHeight - 2);
    return ImagePlacement{cell.left + 1 + (itemHeight - width - 2) / 2,
                          cell.top + 1 + (itemHeight - height - 2) / 2, width, height};
}

RECT PlaceTopLevelPopup(POINT at, SIZE size, UINT flags, SIZE screen) {
    RECT r{at.x, at.y, at.x + size.cx, at.y + size.cy};
    auto move = [&r](int dx, int dy) { ::OffsetRect(&r, dx, dy); };
    if (flags & TPM_CENTERALIGN)
        move(-size.cx / 2, 0);
    if (flags & TPM_RIGHTALIGN)
        move(-size.cx, 0);
    if (flags & TPM_BOTTOMALIGN)
        move(0, -size.cy);
    if (flags & TPM_VCENTERALIGN)
        move(0, -size.cy / 2);
    if (r.left < 0)
        move(size.cx, 0);
    if (r.top < 0)
        move(0, size.cy);
    if (r.right > screen.cx)
        move(-size.cx, 0);
    if (r.bottom > screen.cy)
        move(0, -size.cy);
    return r;
}

RECT PlaceSubMenuPopup(const RECT& parentItem, SIZE size, SIZE screen) {
    const RECT p{parentItem.left - 1, parentItem.top - 1, parentItem.right + 1, parentItem.bottom + 1};
    RECT r{p.right, p.top, p.right + size.cx, p.top + size.cy};
    if (r.right > screen.cx)
        r = RECT{p.left - size.cx, r.top, p.left, r.bottom};
    if (r.bottom > screen.cy)
        r = RECT{r.left, p.bottom - size.cy, r.right, p.bottom};
    return r;
}

int PopupKeyStep(const std::vector<bool>& separators, int hot, UINT key) {
    const int count = static_cast<int>(separators.size());
    auto item = [&](int i) { return i >= 0 && i < count && !separators[i]; };
    auto search = [&](int from, int step) {
        for (int i = from; i >= 0 && i < count; i += step)
            if (item(i))
                return i;
        return -1;
    };
    int found = -1;
    switch (key) {
    case VK_HOME:
        found = search(0, 1);
        break;
    case VK_END:
        found = search(count - 1, -1);
        break;
    case VK_UP:
        if (hot > 0)
            found = search(std::min(hot, count) - 1, -1);
        break;
    case VK_DOWN:
        if (hot < count - 1)
            found = search(std::max(hot, -1) + 1, 1);
        break;
    default:
        break;
    }
    return found >= 0 ? found : hot;
}

RECT SliderChannelRect(const RECT& controlChannel, const RECT& controlThumb, int thickness, bool vertical) {
    if (vertical) {
        const int left = controlThumb.left + Width(controlThumb) / 3;
        return RECT{left, controlChannel.left, left + thickness, controlChannel.right};
    }
    const int top = controlThumb.top + Height(controlThumb) / 3;
    return RECT{controlChannel.left, top, controlChannel.right, top + thickness};
}

RECT SliderPassedRect(const RECT& channel, const RECT& thumb, bool vertical) {
    if (vertical)
        return RECT{channel.left, channel.top, channel.right, std::max(channel.top, thumb.top)};
    return RECT{channel.left, channel.top, std::max(channel.left, thumb.left), channel.bottom};
}

namespace {

RECT KnobThumb(const RECT& controlThumb, const RECT& channel, bool vertical) {
    if (vertical)
        return RECT{channel.left, controlThumb.top, channel.right, controlThumb.bottom};
    return RECT{controlThumb.left, channel.top, controlThumb.right, channel.bottom};
}

double Diagonal(const RECT& r) {
    return std::sqrt(static_cast<double>(Width(r)) * Width(r) + static_cast<double>(Height(r)) * Height(r));
}

} // namespace

RoundKnob LayoutRoundKnob(const RECT& controlThumb, const RECT& channel, bool vertical, bool pressed) {
    RoundKnob knob{};
    knob.thumb = KnobThumb(controlThumb, channel, vertical);
    knob.cx = knob.thumb.left + Width(knob.thumb) / 2;
    knob.cy = knob.thumb.top + Height(knob.thumb) / 2;
    knob.radius = static_cast<int>(Diagonal(knob.thumb) / 2 + (pressed ? 3.5 : 1.5));
    knob.circle =
        RECT{knob.cx - knob.radius, knob.cy - knob.radius, knob.cx + knob.radius, knob.cy + knob.radius};
    knob.brush =
        RECT{knob.circle.left - 1, knob.circle.top - 1, knob.circle.right - 1, knob.circle.bottom - 1};
    return knob;
}

int RoundThumbLength(const RECT& controlThumb, const RECT& channel, bool vertical) {
    return 2 * static_cast<int>(Diagonal(KnobThumb(controlThumb, channel, vertical)) / 2 + 1.5) - 2;
}

bool SliderThicknessFits(int thickness, int clientWidth, int clientHeight, bool vertical) {
    const int breadth = (vertical ? clientWidth : clientHeight) - 2;
    return thickness > 3 && breadth >= 3 * thickness;
}

} // namespace geometry
} // namespace Tavrin

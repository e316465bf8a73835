#include "ComboGeometry.h"

#include <algorithm>

namespace Tavrin {
namespace geometry {

int ComboButtonWidth(int verticalBarWidth, int horizontalBarHeight) {
    const int width = verticalBarWidth > 17 ? verticalBarWidth : 18;
    return std::max(width, std::max(verticalBarWidth, horizontalBarHeight));
}

ComboLayout LayoutCombo(int width, int height, int buttonWidth) {
    ComboLayout layout{};
    layout.button = RECT{width - buttonWidth - 2, 2, width - 2, height - 2};
    layout.text = RECT{2, 2, layout.button.left, height - 2};
    return layout;
}

ComboChevron LayoutComboChevron(int width, int height, bool pressed) {
    ComboChevron chevron{};
    chevron.g = static_cast<int>((height + 1.5) / 4);
    chevron.centreX = width / 2 + (pressed ? 1 : 0);
    chevron.centreY = (height + chevron.g) / 2 + 1 + (pressed ? 1 : 0);
    const int g = chevron.g;
    const int cx = chevron.centreX;
    const int cy = chevron.centreY;
    for (int i = -2; i <= 1; ++i) {
        POINT* line = chevron.lines[i + 2];
        line[0] = POINT{cx - g + 1, cy + i - g - 1};
        line[1] = POINT{cx, cy + i};
        line[2] = POINT{cx + g - 1, cy + i - g - 1};
    }
    return chevron;
}

int DropListHeight(int count, int rowHeight, int maxHeight) {
    int height = maxHeight;
    if (count > 0 && rowHeight > 0) {
        height = count * rowHeight;
        if (height > maxHeight)
            height = std::max(1, maxHeight / rowHeight) * rowHeight;
    }
    return std::max(0, height) + 4;
}

int DropListWidth(int comboWidth, int contentWidth, bool fixedWidth) {
    return fixedWidth ? comboWidth : std::max(comboWidth, contentWidth);
}

int DropItemWidth(int textWidth, bool hasImage, bool verticalBar) {
    return textWidth + (hasImage ? 32 : 16) + (verticalBar ? 18 : 0);
}

DropPlacement PlaceDropWindow(const RECT& combo, const RECT& work, int width, int height) {
    DropPlacement place{};
    int y = combo.bottom - 1;
    place.listHeight = height;
    if (work.bottom < combo.bottom + height) {
        place.above = true;
        y = combo.top - height;
        if (y < work.top) {
            y = work.top;
            height = std::min<int>(height, work.bottom - work.top);
        }
        place.listHeight = height + 1;
    }
    int x = combo.left;
    if (x + width > work.right)
        x = work.right - width;
    if (x < work.left)
        x = work.left;
    place.window = RECT{x, y, x + width, y + height};
    return place;
}

int ComboStaticTextIndent(int clientHeight) {
    return std::max(2, clientHeight / 9);
}

int ComboStaticImageTop(int clientHeight, int imageHeight) {
    return (clientHeight - imageHeight - 2) / 2 + 1;
}

int ComboEditImageTop(int clientHeight, int imageHeight) {
    return (clientHeight + 3 - imageHeight) / 2;
}

} // namespace geometry
} // namespace Tavrin

#include "EditGeometry.h"

#include <algorithm>

namespace Tavrin {
namespace geometry {

RECT EditClientRect(const RECT& computed, bool horizontalBar, bool verticalBar, int systemBarWidth,
                    int systemBarHeight, int thickness) {
    RECT r = computed;
    if (horizontalBar)
        r.bottom += systemBarHeight - thickness - 2;
    else
        r.bottom -= 1;
    if (verticalBar)
        r.right += systemBarWidth - thickness - 2;
    else
        r.right -= 1;
    r.left += 1;
    r.top += 1;
    return r;
}

int EditIconAreaWidth(bool hasIcon, bool smallIcon, int iconWidth) {
    if (!hasIcon)
        return 0;
    return smallIcon ? 21 : iconWidth + 5;
}

int EditIconTop(int windowHeight, int iconHeight, bool staticEdge) {
    return (windowHeight - iconHeight - (staticEdge ? 1 : 0)) / 2;
}

bool InEditIconStrip(POINT client, int iconAreaWidth, int clientHeight) {
    return iconAreaWidth > 0 && client.x >= -iconAreaWidth && client.x < 0 && client.y >= 0 &&
           client.y < clientHeight;
}

int EditTextOffset(int alignment, int textHeight, int windowHeight, bool staticEdge) {
    if (alignment != 1 && alignment != 2)
        return 0;
    const int room = windowHeight - (staticEdge ? 2 : 0);
    if (textHeight >= room)
        return 0;
    const int spare = room - textHeight;
    return alignment == 2 ? spare : spare / 2;
}

EditFrameBands LayoutEditFrameBands(int windowWidth, int windowHeight, int thickness, bool horizontalBar,
                                    bool verticalBar, int textOffset, int iconAreaWidth, bool staticEdge) {
    EditFrameBands bands{};
    if (horizontalBar)
        bands.bottom = RECT{0, windowHeight - thickness - 1, windowWidth, windowHeight};
    if (verticalBar)
        bands.right = RECT{windowWidth - thickness - 2, 0, windowWidth, windowHeight};
    if (textOffset > 0)
        bands.top = RECT{0, 0, windowWidth, textOffset + (staticEdge ? 2 : 0)};
    if (iconAreaWidth > 0)
        bands.icon = RECT{0, 0, iconAreaWidth + 1 + (staticEdge ? 1 : 0), windowHeight};
    return bands;
}

int EditPasswordStars(int builtLength) {
    return std::max(0, builtLength - 1);
}

int EditCaretAfterFilter(int caret, int lengthBefore, int lengthAfter) {
    return std::max(0, caret - (lengthBefore - lengthAfter));
}

} // namespace geometry
} // namespace Tavrin

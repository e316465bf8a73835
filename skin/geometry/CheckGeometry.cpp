#include "CheckGeometry.h"

namespace Tavrin {
namespace geometry {

bool operator==(const Box& a, const Box& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

namespace {

// Opacity of each stroke of the mark: the lowest is softened, the highest
// softer still, so the mark's lower and upper edges look smooth without
// anti-aliasing.
int StrokeAlpha(int index, int count) {
    if (index == 0)
        return 160;
    if (index == count - 1)
        return 96;
    return 255;
}

int CheckStrokeCount(int symbol) {
    return symbol >= 11 ? 3 + (symbol - 11) / 5 : 3;
}

} // namespace

CheckBoxLayout LayoutCheckBox(const RECT& item, int w) {
    CheckBoxLayout layout{};
    const int height = Height(item);
    const int x = item.left;
    const int y = (w / 2 < height / 2) ? item.top + (height / 2 - w / 2) : item.top;
    layout.face = Box{x, y, w, w};
    layout.faceBrush = Box{x - 1, y - 1, w, w};
    layout.frame = Box{x, y, w - 1, w - 1};
    layout.frameBrush = Box{x - 1, y - 1, w + 1, w + 1};
    if (w >= 20) {
        layout.hoverRing = Box{x + 2, y + 2, w - 5, w - 5};
        layout.hoverWidth = 3.0f;
    } else {
        layout.hoverRing = Box{x + 2, y + 2, w - 4, w - 4};
        layout.hoverWidth = 2.0f;
    }

    const int inset = (w >= 20 ? 3 : 2) + 1;
    const RECT m{x + inset, y + inset, x + w - inset, y + w - inset};
    layout.mark = m;
    const int mh = Height(m);
    const int px = m.right - (3 * mh) / 4;
    const int count = CheckStrokeCount(w);
    for (int j = 0; j < count; ++j) {
        CheckStroke stroke{};
        stroke.from = POINT{m.left, m.top + mh * 3 / 4 - 1 - j};
        stroke.bottom = POINT{px, stroke.from.y + px - m.left};
        stroke.to = POINT{m.right - 1, stroke.bottom.y - (m.right - 1 - px)};
        stroke.alpha = StrokeAlpha(j, count);
        layout.strokes.push_back(stroke);
    }
    layout.captionLeft = item.left + w + w / 2;
    return layout;
}

RadioLayout LayoutRadio(const RECT& item, int w) {
    RadioLayout layout{};
    const Box c{item.left, item.top + Height(item) / 2 - w / 2, w, w};
    layout.circle = c;
    layout.hoverRing = w < 20 ? Box{c.x + 1, c.y + 1, w - 2, w - 2} : Box{c.x + 2, c.y + 2, w - 4, w - 4};
    const int b = w / 4;
    layout.dot = Box{c.x + b, c.y + b, w - 2 * b, w - 2 * b};
    layout.dotBrush = Box{c.x, c.y, w - b, w - b};
    layout.captionLeft = item.left + w + w / 2;
    return layout;
}

bool SymbolWidthFits(int symbol, int clientHeight) {
    return symbol >= 10 && symbol <= 30 && symbol <= clientHeight - 2;
}

Box CaptionFocusOutline(const RECT& item, int captionLeft, SIZE caption) {
    const int top = item.top + (Height(item) - caption.cy) / 2;
    return Box{captionLeft - 2, top - 1, caption.cx + 4, caption.cy + 2};
}

bool DividerIsHorizontal(int width, int height) {
    return height < width;
}

int DividerThickness(int thickness1, int thickness2) {
    return thickness1 + thickness2;
}

DividerLines LayoutDivider(int width, int height, bool horizontal, int t1, int t2) {
    DividerLines lines{};
    if (horizontal) {
        if (t1 > 0)
            lines.first = RECT{0, 0, width, t1};
        if (t2 > 0)
            lines.second = RECT{0, t1 > 0 ? t1 : 0, width, (t1 > 0 ? t1 : 0) + t2};
    } else {
        if (t1 > 0)
            lines.first = RECT{0, 0, t1, height};
        if (t2 > 0)
            lines.second = RECT{t1 > 0 ? t1 : 0, 0, (t1 > 0 ? t1 : 0) + t2, height};
    }
    return lines;
}

} // namespace geometry
} // namespace Tavrin

#include "ScrollGeometry.h"

#include <algorithm>
#include <cmath>

namespace Tavrin {
namespace geometry {

namespace {

// Coordinates along a bar's axis.
int AxisStart(const RECT& r, bool vertical) {
    return vertical ? r.top : r.left;
}
int AxisEnd(const RECT& r, bool vertical) {
    return vertical ? r.bottom : r.right;
}

// Sets the thumb and both track pieces for a thumb starting 'offset' pixels
// after the first arrow.
void SetThumb(ScrollBarLayout& layout, int offset, int length) {
    const int s = layout.TrackStart();
    const int e = layout.TrackEnd();
    const int thumbStart = s + offset;
    const int thumbEnd = thumbStart + length;
    if (layout.vertical) {
        const int left = layout.firstArrow.left;
        const int right = layout.firstArrow.right;
        layout.thumb = RECT{left, thumbStart, right, thumbEnd};
        layout.trackBefore = RECT{left, s, right, thumbStart};
        layout.trackAfter = RECT{left, thumbEnd, right, e};
    } else {
        const int top = layout.firstArrow.top;
        const int bottom = layout.firstArrow.bottom;
        layout.thumb = RECT{thumbStart, top, thumbEnd, bottom};
        layout.trackBefore = RECT{s, top, thumbStart, bottom};
        layout.trackAfter = RECT{thumbEnd, top, e, bottom};
    }
}

} // namespace

long long ScrollRangeSize(const ScrollState& s) {
    return static_cast<long long>(s.nMax) - s.nMin + 1;
}

int ScrollLimit(const ScrollState& s) {
    // A page of 0 would otherwise allow nMax + 1.
    const long long page = std::max(1LL, static_cast<long long>(s.nPage));
    long long limit = static_cast<long long>(s.nMax) - page + 1;
    limit = std::min<long long>(limit, s.nMax);
    limit = std::max<long long>(limit, s.nMin);
    return static_cast<int>(limit);
}

int ClampScrollPos(const ScrollState& s, long long pos) {
    return static_cast<int>(std::min<long long>(std::max<long long>(pos, s.nMin), ScrollLimit(s)));
}

bool ScrollBarHasRoom(const ScrollState& s) {
    return static_cast<long long>(s.nPage) < ScrollRangeSize(s);
}

int ScrollBarLayout::TrackStart() const {
    return AxisEnd(firstArrow, vertical);
}
int ScrollBarLayout::TrackEnd() const {
    return AxisStart(secondArrow, vertical);
}
int ScrollBarLayout::ThumbStart() const {
    return AxisStart(thumb, vertical);
}
int ScrollBarLayout::ThumbLength() const {
    return AxisEnd(thumb, vertical) - AxisStart(thumb, vertical);
}
int ScrollBarLayout::FreeRun() const {
    return TrackEnd() - TrackStart() - ThumbLength();
}

int ScrollThumbLength(int track, const ScrollState& s) {
    const long long size = ScrollRangeSize(s);
    long long length = size > 0 ? static_cast<long long>(track) * std::max(0, s.nPage) / size : 0;
    return static_cast<int>(std::max(10LL, length));
}

ScrollBarLayout LayoutScrollBar(int cx, int cy, bool vertical, const ScrollState& s) {
    ScrollBarLayout layout;
    layout.vertical = vertical;
    if (vertical) {
        const int a = std::min(cx, cy / 2);
        layout.firstArrow = RECT{0, 0, a, a};
        layout.secondArrow = RECT{0, cy - a, cx, cy};
    } else {
        const int a = std::min(cy, cx / 2);
        layout.firstArrow = RECT{0, 0, a, a};
        layout.secondArrow = RECT{cx - a, 0, cx, cy};
    }
    PlaceThumbFromPosition(layout, s);
    return layout;
}

void PlaceThumbFromPosition(ScrollBarLayout& layout, const ScrollState& s) {
    const int track = layout.TrackEnd() - layout.TrackStart();
    const int length = ScrollThumbLength(track, s);
    const long long freeRun = track - length;
    long long divisor = static_cast<long long>(s.nMax) - s.nPage - s.nMin + 1;
    if (static_cast<long long>(s.nMax) - s.nPage - s.nMin < 0)
        divisor = 1;
    long long offset = freeRun * (static_cast<long long>(s.nPos) - s.nMin) / divisor;
    // A thumb longer than its track (a very short bar) stays at the start.
    offset = std::max(0LL, std::min(offset, std::max(0LL, freeRun)));
    SetThumb(layout, static_cast<int>(offset), length);
}

void PlaceThumbAtOffset(ScrollBarLayout& layout, const ScrollState& s, int offset) {
    const int track = layout.TrackEnd() - layout.TrackStart();
    const int length = ScrollThumbLength(track, s);
    const int freeRun = track - length;
    if (offset < 0 || freeRun < 0)
        offset = 0;
    else if (offset >= freeRun)
        offset = freeRun;
    SetThumb(layout, offset, length);
}

int PositionFromThumb(const ScrollBarLayout& layout, const ScrollState& s) {
    const int freeRun = layout.FreeRun();
    if (freeRun <= 0)
        return s.nMin;
    const double steps = static_cast<double>(s.nMax) - s.nPage - s.nMin + 1;
    const double moved = static_cast<double>(layout.ThumbStart() - layout.TrackStart());
    const long long pos = static_cast<long long>(s.nMin) + static_cast<long long>(std::floor(moved * steps / freeRun + 0.5));
    return ClampScrollPos(s, pos);
}

ScrollBarComponent ScrollBarHitTest(const ScrollBarLayout& layout, POINT p) {
    if (Contains(layout.firstArrow, p))
        return ScrollFirstArrow;
    if (Contains(layout.secondArrow, p))
        return ScrollSecondArrow;
    if (Width(layout.thumb) == 0 || Height(layout.thumb) == 0)
        return ScrollNone;
    if (Contains(layout.trackBefore, p))
        return ScrollTrackBefore;
    if (Contains(layout.trackAfter, p))
        return ScrollTrackAfter;
    if (Contains(layout.thumb, p))
        return ScrollThumb;
    return ScrollNone;
}

RECT ScrollBarPart(const ScrollBarLayout& layout, ScrollBarComponent part) {
    switch (part) {
    case ScrollFirstArrow:
        return layout.firstArrow;
    case ScrollSecondArrow:
        return layout.secondArrow;
    case ScrollTrackBefore:
        return layout.trackBefore;
    case ScrollTrackAfter:
        return layout.trackAfter;
    case ScrollThumb:
        return layout.thumb;
    default:
        return RECT{0, 0, 0, 0};
    }
}

ArrowGlyph ScrollArrowGlyph(const ScrollBarLayout& layout, bool first, bool pressed) {
    // Both glyphs take their size from the first arrow; each is centred in
    // its own button.
    const int w0 = Width(layout.firstArrow);
    const int h0 = Height(layout.firstArrow);
    const RECT& r = first ? layout.firstArrow : layout.secondArrow;
    const int w = Width(r);
    const int h = Height(r);
    const int shift = pressed ? 1 : 0;
    ArrowGlyph glyph{};
    for (int k = 0; k < 4; ++k) {
        const int i = k - 2;
        POINT* p = glyph.strokes[k];
        if (layout.vertical) {
            const int m = static_cast<int>((h0 + 1.5) / 4);
            const int cx = r.left + w / 2 + shift;
            if (first) {
                const int cy = r.top + (h + m) / 2 + shift;
                p[0] = POINT{cx - m - 1, cy + i};
                p[1] = POINT{cx, cy + i - m - 1};
                p[2] = POINT{cx + m + 1, cy + i};
            } else {
                const int cy = r.top + (h + m) / 2 + 1 + shift;
                p[0] = POINT{cx - m - 1, cy + i - m - 1};
                p[1] = POINT{cx, cy + i};
                p[2] = POINT{cx + m + 1, cy + i - m - 1};
            }
        } else {
            const int m = w0 / 4;
            const int cy = r.top + h / 2 + shift;
            if (first) {
                const int cx = r.left + (w + m) / 2 + shift;
                p[0] = POINT{cx + i, cy - m - 1};
                p[1] = POINT{cx + i - m - 1, cy};
                p[2] = POINT{cx + i, cy + m + 1};
            } else {
                const int cx = r.left + (w - m) / 2 + shift;
                p[0] = POINT{cx + i, cy - m - 1};
                p[1] = POINT{cx + i + m + 1, cy};
                p[2] = POINT{cx + i, cy + m + 1};
            }
        }
    }
    return glyph;
}

ThumbGrip ScrollThumbGrip(const ScrollBarLayout& layout) {
    ThumbGrip grip;
    const RECT& t = layout.thumb;
    if (layout.ThumbLength() <= 15)
        return grip;
    grip.draw = true;
    for (int k = 0; k < 4; ++k) {
        if (layout.vertical) {
            const int y = t.top + Height(t) / 2 - 4 + 2 * k;
            grip.light[k] = GripLine{POINT{t.left + 4, y}, POINT{t.right - 6, y}};
            grip.dark[k] = GripLine{POINT{t.left + 5, y + 1}, POINT{t.right - 5, y + 1}};
        } else {
            const int x = t.left + Width(t) / 2 - 4 + 2 * k;
            grip.light[k] = GripLine{POINT{x, t.top + 4}, POINT{x, t.bottom - 6}};
            grip.dark[k] = GripLine{POINT{x + 1, t.top + 5}, POINT{x + 1, t.bottom - 5}};
        }
    }
    return grip;
}

HostedScrollBars LayoutHostedScrollBars(const RECT& client, int thickness, bool horizontal, bool vertical) {
    HostedScrollBars bars;
    bars.horizontal = horizontal;
    bars.vertical = vertical;
    const int both = horizontal && vertical ? 1 : 0;
    if (horizontal)
        bars.horizontalBar = RECT{client.left, client.bottom, client.right + both, client.bottom + thickness + 1};
    if (vertical)
        bars.verticalBar = RECT{client.right, client.top, client.right + thickness + 1, client.bottom + both};
    return bars;
}

std::vector<RECT> HostedScrollBarHoles(const HostedScrollBars& bars) {
    std::vector<RECT> holes;
    if (bars.horizontal)
        holes.push_back(bars.horizontalBar);
    if (bars.vertical)
        holes.push_back(bars.verticalBar);
    return holes;
}

RECT ScrollCornerSquare(int windowWidth, int windowHeight, int thickness, bool staticEdge) {
    const int edge = staticEdge ? 1 : 0;
    return RECT{windowWidth - thickness - 1 - edge, windowHeight - thickness - 1 - edge, windowWidth - 1 - edge,
                windowHeight - 1 - edge};
}

int HostedScrollBarThickness(int systemWidth, int systemHeight) {
    return std::max(18, std::max(systemWidth, systemHeight));
}

SpinLayout LayoutSpinButton(int cx, int cy, bool horizontal, bool framed, bool firstPressed,
                            bool secondPressed) {
    SpinLayout layout{};
    RECT r{0, 0, cx, cy};
    if (framed)
        r = Inset(r, 0, 1, 1, 1);
    layout.frameArea = r;
    if (horizontal) {
        const int split = (cx + 1) / 2;
        layout.firstHalf = RECT{r.left, r.top, split, r.bottom};
        layout.secondHalf = RECT{split, r.top, r.right, r.bottom};
        layout.firstButton = Inset(layout.firstHalf, 1, 1, 1, 1);
        layout.secondButton = Inset(layout.secondHalf, 0, 1, 1, 1);
    } else {
        const int split = (cy + 1) / 2;
        layout.firstHalf = RECT{r.left, r.top, r.right, split};
        layout.secondHalf = RECT{r.left, split, r.right, r.bottom};
        layout.firstButton = Inset(layout.firstHalf, 1, 1, 1, 1);
        layout.secondButton = Inset(layout.secondHalf, 1, 0, 1, 1);
    }
    layout.secondFill = RECT{layout.secondButton.left, layout.secondButton.top, layout.secondButton.right - 1,
                             layout.secondButton.bottom - 1};
    const RECT& a = layout.firstButton;
    const RECT& b = layout.secondButton;
    const int ax = a.left + Width(a) / 2 + (firstPressed ? 1 : 0);
    const int ay = a.top + Height(a) / 2 + (firstPressed ? 1 : 0);
    const int bx = b.left + Width(b) / 2 + (secondPressed ? 1 : 0);
    const int by = b.top + Height(b) / 2 + (secondPressed ? 1 : 0);
    if (horizontal) {
        layout.firstGlyph[0] = POINT{ax - 2, ay};
        layout.firstGlyph[1] = POINT{ax + 1, ay + 3};
        layout.firstGlyph[2] = POINT{ax + 1, ay - 3};
        layout.secondGlyph[0] = POINT{bx + 2, by};
        layout.secondGlyph[1] = POINT{bx - 1, by + 3};
        layout.secondGlyph[2] = POINT{bx - 1, by - 3};
    } else {
        layout.firstGlyph[0] = POINT{ax - 3, ay + 1};
        layout.firstGlyph[1] = POINT{ax, ay - 2};
        layout.firstGlyph[2] = POINT{ax + 3, ay + 1};
        layout.secondGlyph[0] = POINT{bx, by + 2};
        layout.secondGlyph[1] = POINT{bx - 3, by - 1};
        layout.secondGlyph[2] = POINT{bx + 3, by - 1};
    }
    return layout;
}

int SpinHitTest(const SpinLayout& layout, POINT p) {
    if (Contains(layout.firstHalf, p))
        return 1;
    if (Contains(layout.secondHalf, p))
        return 2;
    return 0;
}

SpinPlacement PlaceSpinInBuddy(const RECT& buddy, int spinWidth) {
    const int w = std::max(18, spinWidth);
    SpinPlacement placement;
    placement.buddy = RECT{buddy.left, buddy.top, buddy.right - w, buddy.bottom};
    placement.spin = RECT{buddy.right - w, buddy.top, buddy.right, buddy.bottom};
    return placement;
}

} // namespace geometry
} // namespace Tavrin

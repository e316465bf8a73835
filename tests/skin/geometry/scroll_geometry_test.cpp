// The layout rules of the scroll bar, the bars a scrolling control hosts
// beside its client area, and the spin button, as tables. No window, no
// screen.
#include "ScrollGeometry.h"

#include "support/rects.h"

#include <gtest/gtest.h>

#include <climits>

using namespace Tavrin::geometry;

namespace {

ScrollState Range(int nMin, int nMax, int nPage, int nPos) {
    ScrollState s;
    s.nMin = nMin;
    s.nMax = nMax;
    s.nPage = nPage;
    s.nPos = nPos;
    return s;
}

TEST(ScrollBarLayout, ArrowsTrackAndThumb) {
    struct Case {
        const char* name;
        int cx, cy;
        bool vertical;
        ScrollState state;
        RECT first, second, thumb, before, after;
    };
    const Case cases[] = {
        {"17 x 200, 0..99, page 10, at 45: thumb 75 below the arrow", 17, 200, true, Range(0, 99, 10, 45),
         {0, 0, 17, 17}, {0, 183, 17, 200}, {0, 92, 17, 108}, {0, 17, 17, 92}, {0, 108, 17, 183}},
        {"at the start", 17, 200, true, Range(0, 99, 10, 0), {0, 0, 17, 17}, {0, 183, 17, 200},
         {0, 17, 17, 33}, {0, 17, 17, 17}, {0, 33, 17, 183}},
        {"at the last position", 17, 200, true, Range(0, 99, 10, 90), {0, 0, 17, 17}, {0, 183, 17, 200},
         {0, 167, 17, 183}, {0, 17, 17, 167}, {0, 183, 17, 183}},
        {"page 0: a 10-pixel thumb", 17, 200, true, Range(0, 99, 0, 0), {0, 0, 17, 17}, {0, 183, 17, 200},
         {0, 17, 17, 27}, {0, 17, 17, 17}, {0, 27, 17, 183}},
        {"horizontal, 200 x 17", 200, 17, false, Range(0, 99, 10, 45), {0, 0, 17, 17}, {183, 0, 200, 17},
         {92, 0, 108, 17}, {17, 0, 92, 17}, {108, 0, 183, 17}},
        {"a range away from zero", 17, 200, true, Range(100, 199, 10, 145), {0, 0, 17, 17},
         {0, 183, 17, 200}, {0, 92, 17, 108}, {0, 17, 17, 92}, {0, 108, 17, 183}},
        {"the whole int range: 64-bit arithmetic", 17, 200, true,
         Range(INT_MIN, INT_MAX, 0x40000000, INT_MAX - 0x40000000 + 1), {0, 0, 17, 17}, {0, 183, 17, 200},
         {0, 142, 17, 183}, {0, 17, 17, 142}, {0, 183, 17, 183}},
        // Shorter than two arrows: half the length each, second arrow as wide
        // as the bar.
        {"30 high: no track", 17, 30, true, Range(0, 99, 10, 0), {0, 0, 15, 15}, {0, 15, 17, 30},
         {0, 15, 15, 25}, {0, 15, 15, 15}, {0, 25, 15, 15}},
        {"31 high: a track of one pixel", 17, 31, true, Range(0, 99, 10, 0), {0, 0, 15, 15}, {0, 16, 17, 31},
         {0, 15, 15, 25}, {0, 15, 15, 15}, {0, 25, 15, 16}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScrollBarLayout layout = LayoutScrollBar(c.cx, c.cy, c.vertical, c.state);
        EXPECT_RECT(c.first, layout.firstArrow);
        EXPECT_RECT(c.second, layout.secondArrow);
        EXPECT_RECT(c.thumb, layout.thumb);
        EXPECT_RECT(c.before, layout.trackBefore);
        EXPECT_RECT(c.after, layout.trackAfter);
    }
}

TEST(ScrollBarLayout, ThumbLengthAndFreeRun) {
    struct Case {
        int track;
        ScrollState state;
        int length;
    };
    const Case cases[] = {
        {166, Range(0, 99, 10, 0), 16},  {166, Range(0, 99, 0, 0), 10},   {166, Range(0, 99, 5, 0), 10},
        {166, Range(0, 99, 100, 0), 166}, {166, Range(0, 9, 5, 0), 83},   {0, Range(0, 99, 10, 0), 10},
        {166, Range(0, 0, 0, 0), 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.track);
        EXPECT_EQ(c.length, ScrollThumbLength(c.track, c.state));
    }
    EXPECT_EQ(150, LayoutScrollBar(17, 200, true, Range(0, 99, 10, 45)).FreeRun());
}

TEST(ScrollBarLayout, PositionsHeldInTheirRange) {
    struct Case {
        const char* name;
        ScrollState state;
        long long wanted;
        int limit, held;
    };
    const Case cases[] = {
        {"inside", Range(0, 99, 10, 0), 45, 90, 45},
        {"below the minimum", Range(0, 99, 10, 0), -5, 90, 0},
        {"past the last page", Range(0, 99, 10, 0), 95, 90, 90},
        {"page 0 stops at the maximum", Range(0, 99, 0, 0), 100, 99, 99},
        {"page 1", Range(0, 99, 1, 0), 100, 99, 99},
        {"a page as large as the range", Range(0, 99, 100, 0), 50, 0, 0},
        {"the top of int", Range(INT_MIN, INT_MAX, 0, 0), 1LL << 40, INT_MAX, INT_MAX},
        {"the bottom of int", Range(INT_MIN, INT_MAX, 0, 0), -(1LL << 40), INT_MAX, INT_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.limit, ScrollLimit(c.state));
        EXPECT_EQ(c.held, ClampScrollPos(c.state, c.wanted));
    }
    EXPECT_TRUE(ScrollBarHasRoom(Range(0, 99, 99, 0)));
    EXPECT_FALSE(ScrollBarHasRoom(Range(0, 99, 100, 0)));
    EXPECT_TRUE(ScrollBarHasRoom(Range(INT_MIN, INT_MAX, INT_MAX, 0)));
}

TEST(ScrollBarLayout, PositionFromADraggedThumb) {
    struct Case {
        const char* name;
        ScrollState state;
        int offset;
        int position;
        int thumbTop;
    };
    // 17 x 200: track 17..183, free run 150 with page 10 (156 with page 0).
    const Case cases[] = {
        {"at the start", Range(0, 99, 10, 0), 0, 0, 17},
        {"halfway", Range(0, 99, 10, 0), 75, 45, 92},
        {"0.6 rounds up", Range(0, 99, 10, 0), 1, 1, 18},
        {"1.2 rounds down", Range(0, 99, 10, 0), 2, 1, 19},
        {"1.8 rounds up", Range(0, 99, 10, 0), 3, 2, 20},
        {"the end", Range(0, 99, 10, 0), 150, 90, 167},
        {"past the end", Range(0, 99, 10, 0), 400, 90, 167},
        {"before the start", Range(0, 99, 10, 0), -30, 0, 17},
        {"page 0 never reports past the maximum", Range(0, 99, 0, 0), 156, 99, 173},
        {"a range away from zero", Range(100, 199, 10, 100), 75, 145, 92},
        {"no room to move keeps the minimum", Range(5, 104, 100, 5), 10, 5, 17},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScrollBarLayout layout = LayoutScrollBar(17, 200, true, c.state);
        PlaceThumbAtOffset(layout, c.state, c.offset);
        EXPECT_EQ(c.thumbTop, layout.thumb.top);
        EXPECT_EQ(c.position, PositionFromThumb(layout, c.state));
    }
}

TEST(ScrollBarLayout, HitTestFirstMatchWins) {
    const ScrollBarLayout layout = LayoutScrollBar(17, 200, true, Range(0, 99, 10, 45)); // thumb 92..108
    struct Case {
        POINT p;
        ScrollBarComponent part;
    };
    const Case cases[] = {
        {{8, 5}, ScrollFirstArrow},   {{0, 16}, ScrollFirstArrow},   {{8, 190}, ScrollSecondArrow},
        {{16, 183}, ScrollSecondArrow}, {{8, 17}, ScrollTrackBefore}, {{8, 91}, ScrollTrackBefore},
        {{8, 92}, ScrollThumb},       {{8, 107}, ScrollThumb},       {{8, 108}, ScrollTrackAfter},
        {{8, 182}, ScrollTrackAfter}, {{17, 50}, ScrollNone},        {{-1, 50}, ScrollNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.p.x << "," << c.p.y);
        EXPECT_EQ(c.part, ScrollBarHitTest(layout, c.p));
    }
    // Before any layout the thumb has no size: the track answers nothing.
    ScrollBarLayout empty;
    empty.firstArrow = RECT{0, 0, 17, 17};
    empty.secondArrow = RECT{0, 183, 17, 200};
    EXPECT_EQ(ScrollNone, ScrollBarHitTest(empty, POINT{8, 50}));
}

TEST(ScrollBarLayout, ArrowGlyphStrokes) {
    struct Case {
        const char* name;
        int cx, cy;
        bool vertical, first, pressed;
        POINT top[3];    // stroke i = -2
        POINT bottom[3]; // stroke i = 1
    };
    const Case cases[] = {
        {"up", 17, 200, true, true, false, {{3, 8}, {8, 3}, {13, 8}}, {{3, 11}, {8, 6}, {13, 11}}},
        {"up, pressed", 17, 200, true, true, true, {{4, 9}, {9, 4}, {14, 9}}, {{4, 12}, {9, 7}, {14, 12}}},
        {"down", 17, 200, true, false, false, {{3, 187}, {8, 192}, {13, 187}}, {{3, 190}, {8, 195}, {13, 190}}},
        {"left", 200, 17, false, true, false, {{8, 3}, {3, 8}, {8, 13}}, {{11, 3}, {6, 8}, {11, 13}}},
        {"right", 200, 17, false, false, false, {{187, 3}, {192, 8}, {187, 13}}, {{190, 3}, {195, 8}, {190, 13}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ArrowGlyph glyph =
            ScrollArrowGlyph(LayoutScrollBar(c.cx, c.cy, c.vertical, Range(0, 99, 10, 0)), c.first, c.pressed);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(c.top[k].x, glyph.strokes[0][k].x);
            EXPECT_EQ(c.top[k].y, glyph.strokes[0][k].y);
            EXPECT_EQ(c.bottom[k].x, glyph.strokes[3][k].x);
            EXPECT_EQ(c.bottom[k].y, glyph.strokes[3][k].y);
        }
    }
}

TEST(ScrollBarLayout, GripOnlyOnThumbsLongerThan15) {
    // Thumb (0, 92, 17, 108): grip pairs from y = 92 + 8 - 4 = 96, two apart.
    const ThumbGrip grip = ScrollThumbGrip(LayoutScrollBar(17, 200, true, Range(0, 99, 10, 45)));
    ASSERT_TRUE(grip.draw);
    const int ys[4] = {96, 98, 100, 102};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(4, grip.light[k].from.x);
        EXPECT_EQ(11, grip.light[k].to.x);
        EXPECT_EQ(ys[k], grip.light[k].from.y);
        EXPECT_EQ(5, grip.dark[k].from.x);
        EXPECT_EQ(12, grip.dark[k].to.x);
        EXPECT_EQ(ys[k] + 1, grip.dark[k].from.y);
    }
    // Horizontal: the same turned by a quarter.
    const ThumbGrip across = ScrollThumbGrip(LayoutScrollBar(200, 17, false, Range(0, 99, 10, 45)));
    ASSERT_TRUE(across.draw);
    EXPECT_EQ(96, across.light[0].from.x);
    EXPECT_EQ(4, across.light[0].from.y);
    EXPECT_EQ(11, across.light[0].to.y);
    EXPECT_EQ(97, across.dark[0].from.x);
    EXPECT_EQ(12, across.dark[0].to.y);
    // 16 pixels of thumb on a 200-pixel bar only because of the page; a
    // 15-pixel thumb (track 155) gets no grip.
    EXPECT_FALSE(ScrollThumbGrip(LayoutScrollBar(17, 189, true, Range(0, 99, 10, 0))).draw);
    EXPECT_FALSE(ScrollThumbGrip(LayoutScrollBar(17, 200, true, Range(0, 99, 0, 0))).draw);
}

TEST(HostedScrollBars, BarsBesideTheClientArea) {
    struct Case {
        const char* name;
        RECT client;
        bool horizontal, vertical;
        RECT horizontalBar, verticalBar;
        size_t holes;
    };
    const RECT none{0, 0, 0, 0};
    const Case cases[] = {
        {"both bars reach one pixel into the corner", {2, 2, 80, 60}, true, true, {2, 60, 81, 79},
         {80, 2, 99, 61}, 2},
        {"only horizontal: exactly the client width", {2, 2, 80, 60}, true, false, {2, 60, 80, 79}, none, 1},
        {"only vertical", {2, 2, 80, 60}, false, true, none, {80, 2, 99, 60}, 1},
        {"none", {2, 2, 80, 60}, false, false, none, none, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HostedScrollBars bars = LayoutHostedScrollBars(c.client, 18, c.horizontal, c.vertical);
        if (c.horizontal)
            EXPECT_RECT(c.horizontalBar, bars.horizontalBar);
        if (c.vertical)
            EXPECT_RECT(c.verticalBar, bars.verticalBar);
        EXPECT_EQ(c.holes, HostedScrollBarHoles(bars).size());
    }
}

TEST(HostedScrollBars, CornerSquareAndThickness) {
    EXPECT_RECT((RECT{81, 61, 99, 79}), ScrollCornerSquare(101, 81, 18, true));
    EXPECT_RECT((RECT{82, 62, 100, 80}), ScrollCornerSquare(101, 81, 18, false));
    struct Case {
        int width, height, thickness;
    };
    const Case cases[] = {{16, 16, 18}, {18, 18, 18}, {20, 17, 20}, {17, 21, 21}};
    for (const Case& c : cases)
        EXPECT_EQ(c.thickness, HostedScrollBarThickness(c.width, c.height));
}

TEST(SpinButtonLayout, HalvesFacesAndGlyphs) {
    struct Case {
        const char* name;
        int cx, cy;
        bool horizontal, framed, firstPressed;
        RECT firstHalf, secondHalf, firstButton, secondButton, secondFill;
        POINT firstGlyph[3], secondGlyph[3];
    };
    const Case cases[] = {
        {"beside a skinned edit: open to the left", 18, 20, false, true, false, {0, 1, 17, 10}, {0, 10, 17, 19},
         {1, 2, 16, 9}, {1, 10, 16, 18}, {1, 10, 15, 17}, {{5, 6}, {8, 3}, {11, 6}}, {{8, 16}, {5, 13}, {11, 13}}},
        {"alone", 18, 20, false, false, false, {0, 0, 18, 10}, {0, 10, 18, 20}, {1, 1, 17, 9}, {1, 10, 17, 19},
         {1, 10, 16, 18}, {{6, 6}, {9, 3}, {12, 6}}, {{9, 16}, {6, 13}, {12, 13}}},
        {"first pressed: its glyph moves", 18, 20, false, false, true, {0, 0, 18, 10}, {0, 10, 18, 20},
         {1, 1, 17, 9}, {1, 10, 17, 19}, {1, 10, 16, 18}, {{7, 7}, {10, 4}, {13, 7}}, {{9, 16}, {6, 13}, {12, 13}}},
        {"horizontal", 30, 14, true, false, false, {0, 0, 15, 14}, {15, 0, 30, 14}, {1, 1, 14, 13},
         {15, 1, 29, 13}, {15, 1, 28, 12}, {{5, 7}, {8, 10}, {8, 4}}, {{24, 7}, {21, 10}, {21, 4}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SpinLayout layout = LayoutSpinButton(c.cx, c.cy, c.horizontal, c.framed, c.firstPressed, false);
        EXPECT_RECT(c.firstHalf, layout.firstHalf);
        EXPECT_RECT(c.secondHalf, layout.secondHalf);
        EXPECT_RECT(c.firstButton, layout.firstButton);
        EXPECT_RECT(c.secondButton, layout.secondButton);
        EXPECT_RECT(c.secondFill, layout.secondFill);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(c.firstGlyph[k].x, layout.firstGlyph[k].x);
            EXPECT_EQ(c.firstGlyph[k].y, layout.firstGlyph[k].y);
            EXPECT_EQ(c.secondGlyph[k].x, layout.secondGlyph[k].x);
            EXPECT_EQ(c.secondGlyph[k].y, layout.secondGlyph[k].y);
        }
        EXPECT_EQ(1, SpinHitTest(layout, POINT{layout.firstHalf.left, layout.firstHalf.top}));
        EXPECT_EQ(2, SpinHitTest(layout, POINT{layout.secondHalf.right - 1, layout.secondHalf.bottom - 1}));
        EXPECT_EQ(0, SpinHitTest(layout, POINT{c.cx, c.cy}));
    }
}

TEST(SpinButtonLayout, PlacedAtTheBuddysRightEnd) {
    struct Case {
        int spinWidth;
        RECT buddy, spin;
    };
    const Case cases[] = {
        {12, {10, 10, 92, 32}, {92, 10, 110, 32}}, // never narrower than 18
        {18, {10, 10, 92, 32}, {92, 10, 110, 32}},
        {25, {10, 10, 85, 32}, {85, 10, 110, 32}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spinWidth);
        const SpinPlacement placement = PlaceSpinInBuddy(RECT{10, 10, 110, 32}, c.spinWidth);
        EXPECT_RECT(c.buddy, placement.buddy);
        EXPECT_RECT(c.spin, placement.spin);
    }
}

} // namespace

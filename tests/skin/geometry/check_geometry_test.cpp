// The layout rules of the check box, the radio button and the divider as
// tables: box and circle placement, the check mark's strokes, the dot, the
// caption's focus outline, the symbol width limits and the divider's lines.
#include "CheckGeometry.h"

#include "support/rects.h"

#include <gtest/gtest.h>

#include <string>

using namespace Tavrin::geometry;

namespace {

constexpr RECT kNone{0, 0, 0, 0};

std::string Text(const Box& b) {
    return "(" + std::to_string(b.x) + ", " + std::to_string(b.y) + ", " + std::to_string(b.width) + ", " +
           std::to_string(b.height) + ")";
}

::testing::AssertionResult SameBox(const Box& actual, const Box& expected) {
    if (actual == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << Text(actual) << " is not " << Text(expected);
}

#define EXPECT_BOX(expected, actual) EXPECT_TRUE(SameBox(actual, expected))

TEST(CheckBoxLayout, BoxFrameHoverRingAndCaptionPlacement) {
    struct Case {
        const char* name;
        RECT item;
        int symbol;
        Box face, faceBrush, frame, frameBrush, hoverRing;
        float hoverWidth;
        int captionLeft;
    };
    const Case cases[] = {
        {"14 pixels, centred in 20",
         {0, 0, 120, 20},
         14,
         {0, 3, 14, 14},
         {-1, 2, 14, 14},
         {0, 3, 13, 13},
         {-1, 2, 15, 15},
         {2, 5, 10, 10},
         2.0f,
         21},
        {"20 pixels in 24: the thick ring",
         {0, 0, 120, 24},
         20,
         {0, 2, 20, 20},
         {-1, 1, 20, 20},
         {0, 2, 19, 19},
         {-1, 1, 21, 21},
         {2, 4, 15, 15},
         3.0f,
         30},
        {"as high as the control: at its top",
         {5, 7, 100, 21},
         14,
         {5, 7, 14, 14},
         {4, 6, 14, 14},
         {5, 7, 13, 13},
         {4, 6, 15, 15},
         {7, 9, 10, 10},
         2.0f,
         26},
        {"odd width 15",
         {0, 0, 80, 30},
         15,
         {0, 8, 15, 15},
         {-1, 7, 15, 15},
         {0, 8, 14, 14},
         {-1, 7, 16, 16},
         {2, 10, 11, 11},
         2.0f,
         22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CheckBoxLayout layout = LayoutCheckBox(c.item, c.symbol);
        EXPECT_BOX(c.face, layout.face);
        EXPECT_BOX(c.faceBrush, layout.faceBrush);
        EXPECT_BOX(c.frame, layout.frame);
        EXPECT_BOX(c.frameBrush, layout.frameBrush);
        EXPECT_BOX(c.hoverRing, layout.hoverRing);
        EXPECT_EQ(c.hoverWidth, layout.hoverWidth);
        EXPECT_EQ(c.captionLeft, layout.captionLeft);
    }
}

TEST(CheckBoxLayout, MarkRectangleAndStrokeCountBySymbolWidth) {
    struct Case {
        int symbol;
        int markSide; // the box shrunk by 3 below 20 pixels, by 4 from 20 on
        size_t strokes;
    };
    const Case cases[] = {{10, 4, 3},  {14, 8, 3},  {15, 9, 3},  {16, 10, 4}, {19, 13, 4},
                          {20, 12, 4}, {21, 13, 5}, {25, 17, 5}, {26, 18, 6}, {30, 22, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.symbol);
        const CheckBoxLayout layout = LayoutCheckBox(RECT{0, 0, 200, 40}, c.symbol);
        const int inset = (c.symbol - c.markSide) / 2;
        EXPECT_RECT(
            (RECT{inset, layout.face.y + inset, inset + c.markSide, layout.face.y + inset + c.markSide}),
            layout.mark);
        EXPECT_EQ(c.strokes, layout.strokes.size());
    }
}

TEST(CheckBoxLayout, StrokesRunDownAndUpAtFortyFiveDegreesOnePixelApart) {
    struct Stroke {
        POINT from, bottom, to;
        int alpha;
    };
    struct Case {
        const char* name;
        RECT item;
        int symbol;
        std::vector<Stroke> strokes;
    };
    // 14 in 20: box at (0, 3), mark (3, 6, 11, 14), 8 high: the knee at
    // x = 11 - 6 = 5. 20 in 24: box at (0, 2), mark (4, 6, 16, 18), 12 high:
    // the knee at x = 16 - 9 = 7.
    const Case cases[] = {
        {"14 pixels",
         {0, 0, 120, 20},
         14,
         {{{3, 11}, {5, 13}, {10, 8}, 160},
          {{3, 10}, {5, 12}, {10, 7}, 255},
          {{3, 9}, {5, 11}, {10, 6}, 96}}},
        {"20 pixels",
         {0, 0, 120, 24},
         20,
         {{{4, 14}, {7, 17}, {15, 9}, 160},
          {{4, 13}, {7, 16}, {15, 8}, 255},
          {{4, 12}, {7, 15}, {15, 7}, 255},
          {{4, 11}, {7, 14}, {15, 6}, 96}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CheckBoxLayout layout = LayoutCheckBox(c.item, c.symbol);
        ASSERT_EQ(c.strokes.size(), layout.strokes.size());
        for (size_t j = 0; j < c.strokes.size(); ++j) {
            SCOPED_TRACE(j);
            const Stroke& e = c.strokes[j];
            const CheckStroke& a = layout.strokes[j];
            EXPECT_EQ(e.from.x, a.from.x);
            EXPECT_EQ(e.from.y, a.from.y);
            EXPECT_EQ(e.bottom.x, a.bottom.x);
            EXPECT_EQ(e.bottom.y, a.bottom.y);
            EXPECT_EQ(e.to.x, a.to.x);
            EXPECT_EQ(e.to.y, a.to.y);
            EXPECT_EQ(e.alpha, a.alpha);
        }
    }
}

TEST(RadioLayout, CircleHoverRingDotAndCaption) {
    struct Case {
        const char* name;
        RECT item;
        int symbol;
        Box circle, hoverRing, dot, dotBrush;
        int captionLeft;
    };
    const Case cases[] = {
        {"14 in 20", {0, 0, 100, 20}, 14, {0, 3, 14, 14}, {1, 4, 12, 12}, {3, 6, 8, 8}, {0, 3, 11, 11}, 21},
        {"20 in 24: ring two pixels in",
         {0, 0, 100, 24},
         20,
         {0, 2, 20, 20},
         {2, 4, 16, 16},
         {5, 7, 10, 10},
         {0, 2, 15, 15},
         30},
        {"15 in 21, moved",
         {10, 4, 90, 25},
         15,
         {10, 7, 15, 15},
         {11, 8, 13, 13},
         {13, 10, 9, 9},
         {10, 7, 12, 12},
         32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RadioLayout layout = LayoutRadio(c.item, c.symbol);
        EXPECT_BOX(c.circle, layout.circle);
        EXPECT_BOX(c.hoverRing, layout.hoverRing);
        EXPECT_BOX(c.dot, layout.dot);
        EXPECT_BOX(c.dotBrush, layout.dotBrush);
        EXPECT_EQ(c.captionLeft, layout.captionLeft);
    }
}

TEST(SymbolWidth, TenToThirtyAndTwoPixelsBelowTheClientHeight) {
    struct Case {
        int symbol, clientHeight;
        bool fits;
    } cases[] = {{9, 100, false}, {10, 100, true}, {30, 100, true}, {31, 100, false}, {20, 20, false},
                 {18, 20, true},  {19, 20, false}, {14, 16, true},  {10, 11, false}};
    for (const Case& c : cases)
        EXPECT_EQ(c.fits, SymbolWidthFits(c.symbol, c.clientHeight)) << c.symbol << " in " << c.clientHeight;
}

TEST(CaptionFocus, OutlineAroundTheCentredCaption) {
    struct Case {
        RECT item;
        int captionLeft;
        SIZE caption;
        Box outline;
    } cases[] = {
        {{0, 0, 120, 20}, 21, {40, 16}, {19, 1, 44, 18}},
        {{0, 10, 120, 31}, 30, {25, 14}, {28, 12, 29, 16}},
    };
    for (const Case& c : cases)
        EXPECT_BOX(c.outline, CaptionFocusOutline(c.item, c.captionLeft, c.caption));
}

TEST(Divider, DirectionThicknessAndLines) {
    EXPECT_TRUE(DividerIsHorizontal(100, 5));
    EXPECT_FALSE(DividerIsHorizontal(5, 100));
    EXPECT_FALSE(DividerIsHorizontal(10, 10));
    EXPECT_EQ(2, DividerThickness(1, 1));
    EXPECT_EQ(3, DividerThickness(3, 0));

    struct Case {
        const char* name;
        int width, height;
        bool horizontal;
        int t1, t2;
        RECT first, second;
    };
    const Case cases[] = {
        {"horizontal, one and one", 100, 2, true, 1, 1, {0, 0, 100, 1}, {0, 1, 100, 2}},
        {"horizontal, two and three", 100, 5, true, 2, 3, {0, 0, 100, 2}, {0, 2, 100, 5}},
        {"horizontal, a single line", 100, 3, true, 3, 0, {0, 0, 100, 3}, kNone},
        {"horizontal, only the second line", 100, 2, true, 0, 2, kNone, {0, 0, 100, 2}},
        {"vertical, one and one", 2, 100, false, 1, 1, {0, 0, 1, 100}, {1, 0, 2, 100}},
        {"vertical, second line drawn like the horizontal one",
         4,
         60,
         false,
         1,
         3,
         {0, 0, 1, 60},
         {1, 0, 4, 60}},
        {"vertical, a single line", 3, 60, false, 3, 0, {0, 0, 3, 60}, kNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DividerLines lines = LayoutDivider(c.width, c.height, c.horizontal, c.t1, c.t2);
        EXPECT_RECT(c.first, lines.first);
        EXPECT_RECT(c.second, lines.second);
    }
}

} // namespace

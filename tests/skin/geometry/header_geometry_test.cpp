// The layout rules of a list header item as tables: text rectangle, image,
// the sort arrow's place and direction in every alignment, pressed, and the
// empty area right of the last item. No window, no screen.
#include "HeaderGeometry.h"

#include "support/rects.h"

#include <gtest/gtest.h>

using namespace Tavrin::geometry;

namespace {

constexpr RECT kNone{0, 0, 0, 0};

struct Arrow {
    POINT a, b, c;
};

TEST(HeaderItemLayout, TextRectangleAndSortArrowInEveryAlignment) {
    // 20 pixels high: o = 20 / 6 = 3, k = 20 / 18 = 1, the middle E = 10
    // (11 ascending). The text box is the item shrunk by 3 across and 1
    // down; the sort column gives 2 o = 6 pixels to the arrow.
    const SIZE text{30, 16};
    struct Case {
        const char* name;
        int width;
        HeaderAlign align;
        bool sort, ascending, pressed, wanted;
        RECT textRect;
        bool arrow;
        Arrow points;
    };
    const Case cases[] = {
        {"plain column", 100, HeaderAlign::Left, false, false, false, true, {3, 1, 97, 19}, false, {}},
        {"left, ascending: the arrow 8 past the text",
         100,
         HeaderAlign::Left,
         true,
         true,
         false,
         true,
         {3, 1, 91, 19},
         true,
         {{44, 8}, {47, 13}, {41, 13}}},
        {"left, narrow: the arrow held at the right",
         50,
         HeaderAlign::Left,
         true,
         true,
         false,
         true,
         {3, 1, 41, 19},
         true,
         {{42, 8}, {45, 13}, {39, 13}}},
        {"centred, descending",
         100,
         HeaderAlign::Centre,
         true,
         false,
         false,
         true,
         {3, 1, 91, 19},
         true,
         {{70, 8}, {76, 8}, {73, 13}}},
        {"right, ascending: the text keeps 8 more pixels away",
         100,
         HeaderAlign::Right,
         true,
         true,
         false,
         true,
         {3, 1, 83, 19},
         true,
         {{94, 8}, {97, 13}, {91, 13}}},
        {"right, no room for the 8 pixels",
         40,
         HeaderAlign::Right,
         true,
         true,
         false,
         true,
         {3, 1, 31, 19},
         true,
         {{34, 8}, {37, 13}, {31, 13}}},
        {"pressed: text and arrow one pixel right and down",
         100,
         HeaderAlign::Left,
         true,
         true,
         true,
         true,
         {4, 2, 92, 20},
         true,
         {{45, 9}, {48, 14}, {42, 14}}},
        {"arrow switched off: the room stays",
         100,
         HeaderAlign::Left,
         true,
         true,
         false,
         false,
         {3, 1, 91, 19},
         false,
         {}},
        {"too narrow: no arrow, the text box closed",
         8,
         HeaderAlign::Left,
         true,
         true,
         false,
         true,
         {-1, 1, -1, 19},
         false,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeaderItemInput in{};
        in.width = c.width;
        in.height = 20;
        in.text = text;
        in.align = c.align;
        in.sortColumn = c.sort;
        in.ascending = c.ascending;
        in.pressed = c.pressed;
        const HeaderItemLayout layout = LayoutHeaderItem(in, c.wanted);
        EXPECT_RECT(c.textRect, layout.text);
        ASSERT_EQ(c.arrow, layout.arrow);
        if (!c.arrow)
            continue;
        const POINT expected[3] = {c.points.a, c.points.b, c.points.c};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(expected[i].x, layout.arrowPoints[i].x) << "point " << i;
            EXPECT_EQ(expected[i].y, layout.arrowPoints[i].y) << "point " << i;
        }
    }
}

TEST(HeaderItemLayout, ArrowSizeGrowsWithTheHeight) {
    // 36 high: o = 6, k = 2, E = 18 (+ 1 ascending); left text 30 wide.
    HeaderItemInput in{};
    in.width = 120;
    in.height = 36;
    in.text = SIZE{30, 16};
    in.align = HeaderAlign::Left;
    in.sortColumn = true;
    in.ascending = false;
    const HeaderItemLayout down = LayoutHeaderItem(in, true);
    // B = min(3 + 30 + 6 + 8, 105 + 6 - 2) = 47.
    EXPECT_EQ(41, down.arrowPoints[0].x);
    EXPECT_EQ(14, down.arrowPoints[0].y);
    EXPECT_EQ(53, down.arrowPoints[1].x);
    EXPECT_EQ(14, down.arrowPoints[1].y);
    EXPECT_EQ(47, down.arrowPoints[2].x);
    EXPECT_EQ(24, down.arrowPoints[2].y);
    EXPECT_RECT((RECT{3, 1, 105, 35}), down.text);
}

TEST(HeaderItemLayout, ImageAtTheLeftEdgeCutToTheItemHeight) {
    struct Case {
        const char* name;
        SIZE image;
        bool pressed;
        HeaderAlign align;
        RECT imageRect;
        LONG textLeft;
    };
    const Case cases[] = {
        {"16 x 16, centred vertically", {16, 16}, false, HeaderAlign::Left, {0, 2, 16, 18}, 21},
        {"pressed: two pixels right and down", {16, 16}, true, HeaderAlign::Left, {2, 4, 18, 20}, 22},
        {"24 high is cut to the item", {24, 24}, false, HeaderAlign::Left, {0, 0, 24, 20}, 29},
        {"centred text keeps the image at the left",
         {16, 16},
         false,
         HeaderAlign::Centre,
         {0, 2, 16, 18},
         21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeaderItemInput in{};
        in.width = 100;
        in.height = 20;
        in.text = SIZE{30, 16};
        in.align = c.align;
        in.pressed = c.pressed;
        in.image = true;
        in.imageSize = c.image;
        const HeaderItemLayout layout = LayoutHeaderItem(in, true);
        ASSERT_TRUE(layout.image);
        EXPECT_RECT(c.imageRect, layout.imageRect);
        EXPECT_EQ(c.textLeft, layout.text.left);
    }
}

TEST(HeaderEmptyArea, RightOfTheLastItemOnly) {
    struct Case {
        int width, height, lastRight;
        RECT area;
    } cases[] = {
        {200, 20, 150, {150, 0, 200, 20}},
        {200, 24, 0, {0, 0, 200, 24}},
        {200, 20, 200, kNone},
        {200, 20, 260, kNone},
    };
    for (const Case& c : cases)
        EXPECT_RECT(c.area, HeaderEmptyArea(c.width, c.height, c.lastRight));
}

} // namespace

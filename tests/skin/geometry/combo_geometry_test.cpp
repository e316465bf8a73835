// The combo box's layout rules as tables: the button's width and place, the
// chevron on it, the drop list's height and width, where the drop window
// opens near each edge of the work area, and the text parts' offsets.
#include "ComboGeometry.h"

#include "support/rects.h"

#include <gtest/gtest.h>

using namespace Tavrin::geometry;

namespace {

TEST(ComboLayout, ButtonWidthFromTheScrollBarMetrics) {
    struct Case {
        int verticalWidth, horizontalHeight, width;
    };
    const Case cases[] = {
        {16, 16, 18}, // narrow bars: 18
        {17, 17, 18}, // 17 is not above 17
        {18, 16, 18}, {20, 16, 20}, // wider bars give their width
        {16, 22, 22}, // a taller horizontal bar widens the button
        {17, 19, 19},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.verticalWidth) + " x " + std::to_string(c.horizontalHeight));
        EXPECT_EQ(c.width, ComboButtonWidth(c.verticalWidth, c.horizontalHeight));
    }
}

TEST(ComboLayout, ButtonAndTextPartInsideTheRings) {
    struct Case {
        int width, height, buttonWidth;
        RECT button, text;
    };
    const Case cases[] = {
        {120, 22, 18, {100, 2, 118, 20}, {2, 2, 100, 20}},
        {200, 24, 20, {178, 2, 198, 22}, {2, 2, 178, 22}},
        {30, 20, 18, {10, 2, 28, 18}, {2, 2, 10, 18}},
    };
    for (const Case& c : cases) {
        const ComboLayout layout = LayoutCombo(c.width, c.height, c.buttonWidth);
        EXPECT_RECT(c.button, layout.button);
        EXPECT_RECT(c.text, layout.text);
    }
}

TEST(ComboLayout, ChevronOfTheButton) {
    struct Case {
        int width, height;
        bool pressed;
        int g, cx, cy;
    };
    const Case cases[] = {
        {18, 18, false, 4, 9, 12},
        {18, 18, true, 4, 10, 13},
        {18, 16, false, 4, 9, 11},
        {16, 14, false, 3, 8, 9},
        {20, 22, false, 5, 10, 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + (c.pressed ? " pressed" : ""));
        const ComboChevron chevron = LayoutComboChevron(c.width, c.height, c.pressed);
        EXPECT_EQ(c.g, chevron.g);
        EXPECT_EQ(c.cx, chevron.centreX);
        EXPECT_EQ(c.cy, chevron.centreY);
        // Four lines, one pixel apart, each a V from (cx - g + 1) to (cx + g - 1)
        // whose tip is at (cx, cy + i).
        for (int i = -2; i <= 1; ++i) {
            const POINT* line = chevron.lines[i + 2];
            EXPECT_EQ(c.cx - c.g + 1, line[0].x);
            EXPECT_EQ(c.cy + i - c.g - 1, line[0].y);
            EXPECT_EQ(c.cx, line[1].x);
            EXPECT_EQ(c.cy + i, line[1].y);
            EXPECT_EQ(c.cx + c.g - 1, line[2].x);
            EXPECT_EQ(line[0].y, line[2].y);
        }
    }
}

TEST(DropList, HeightInWholeRowsPlusTheFrame) {
    struct Case {
        const char* name;
        int count, rowHeight, maxHeight, height;
    };
    const Case cases[] = {
        {"empty: the maximum", 0, 20, 100, 104},
        {"three rows fit", 3, 20, 100, 64},
        {"exactly the maximum", 5, 20, 100, 104},
        {"too many: seven whole rows of 150", 10, 20, 150, 144},
        {"too many: rows of 17 in 100", 30, 17, 100, 89},
        {"a maximum below one row still shows one", 4, 20, 12, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.height, DropListHeight(c.count, c.rowHeight, c.maxHeight));
    }
}

TEST(DropList, WidthOfTheWindowAndOfItems) {
    EXPECT_EQ(120, DropListWidth(120, 200, true));
    EXPECT_EQ(200, DropListWidth(120, 200, false));
    EXPECT_EQ(120, DropListWidth(120, 80, false)) << "never narrower than the combo";

    struct Case {
        int text;
        bool image, bar;
        int width;
    };
    const Case cases[] = {{50, false, false, 66}, {50, true, false, 82}, {50, false, true, 84}, {50, true, true, 100}};
    for (const Case& c : cases)
        EXPECT_EQ(c.width, DropItemWidth(c.text, c.image, c.bar));
}

TEST(DropList, PlacementNearEachEdgeOfTheWorkArea) {
    struct Case {
        const char* name;
        RECT combo, work;
        int width, height;
        RECT window;
        int listHeight;
        bool above;
    };
    const RECT screen{0, 0, 1280, 1000};
    const Case cases[] = {
        {"room below: overlaps the combo's bottom edge", {100, 100, 220, 122}, screen, 120, 104,
         {100, 121, 220, 225}, 104, false},
        {"exactly room below", {100, 100, 220, 122}, {0, 0, 1280, 226}, 120, 104, {100, 121, 220, 225}, 104, false},
        {"bottom edge: above the combo", {100, 950, 220, 972}, screen, 120, 104, {100, 846, 220, 950}, 105, true},
        {"neither way: at the top", {100, 150, 220, 172}, {0, 0, 1280, 300}, 120, 204, {100, 0, 220, 204}, 205, true},
        {"neither way: cut to the work area", {100, 60, 220, 82}, {0, 0, 1280, 150}, 120, 204, {100, 0, 220, 150},
         151, true},
        {"work area below a top task bar", {100, 30, 220, 52}, {0, 40, 1280, 80}, 120, 104, {100, 40, 220, 80}, 41,
         true},
        {"right edge: moved left into the work area", {1200, 100, 1320, 122}, screen, 120, 104,
         {1160, 121, 1280, 225}, 104, false},
        {"a wide list near the right edge", {1100, 100, 1220, 122}, screen, 300, 104, {980, 121, 1280, 225}, 104,
         false},
        {"left edge", {-50, 100, 70, 122}, screen, 120, 104, {0, 121, 120, 225}, 104, false},
        {"second monitor", {1300, 500, 1420, 522}, {1280, 0, 2560, 1000}, 120, 104, {1300, 521, 1420, 625}, 104,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DropPlacement place = PlaceDropWindow(c.combo, c.work, c.width, c.height);
        EXPECT_RECT(c.window, place.window);
        EXPECT_EQ(c.listHeight, place.listHeight);
        EXPECT_EQ(c.above, place.above);
    }
}

TEST(ComboLayout, TextAndImageOffsetsOfTheTextParts) {
    struct Case {
        int clientHeight, imageHeight;
        int indent, staticTop, editTop;
    };
    const Case cases[] = {
        {18, 16, 2, 1, 2},
        {20, 16, 2, 2, 3},
        {27, 16, 3, 5, 7},
        {14, 16, 2, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.clientHeight));
        EXPECT_EQ(c.indent, ComboStaticTextIndent(c.clientHeight));
        EXPECT_EQ(c.staticTop, ComboStaticImageTop(c.clientHeight, c.imageHeight));
        EXPECT_EQ(c.editTop, ComboEditImageTop(c.clientHeight, c.imageHeight));
    }
}

} // namespace

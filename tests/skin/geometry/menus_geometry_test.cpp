// The layout rules of the menu bar, the menu popups and the slider as
// tables: bar items and hit tests, bar height, popup size, rows, hit tests,
// parts and placement, the check mark, the keyboard's steps, the slider's
// channel, passed part and round knob. No window, no screen.
#include "MenusGeometry.h"

#include "support/rects.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Tavrin::geometry;

namespace {

// File, Edit, Options, Help with texts 20, 22, 40 and 25 pixels wide; a
// separator between Edit and Options on the second bar.
const std::vector<MenuBarEntry> kFourMenus{{20, false}, {22, false}, {40, false}, {25, false}};
const std::vector<MenuBarEntry> kWithSeparator{{20, false}, {22, false}, {0, true}, {40, false}, {25, false}};

TEST(MenuBarLayout, ItemsEdgeToEdgeEachTwentyFiveWiderThanItsText) {
    struct Case {
        const char* name;
        const std::vector<MenuBarEntry>* entries;
        std::vector<int> positions;
        std::vector<RECT> rects;
    };
    const Case cases[] = {
        {"four menus",
         &kFourMenus,
         {0, 1, 2, 3},
         {{0, 0, 45, 24}, {45, 0, 92, 24}, {92, 0, 157, 24}, {157, 0, 207, 24}}},
        {"a separator takes no room",
         &kWithSeparator,
         {0, 1, 3, 4},
         {{0, 0, 45, 24}, {45, 0, 92, 24}, {92, 0, 157, 24}, {157, 0, 207, 24}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<MenuBarItem> items = LayoutMenuBar(*c.entries, 24);
        ASSERT_EQ(c.positions.size(), items.size());
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(c.positions[i], items[i].position);
            EXPECT_RECT(c.rects[i], items[i].rect);
        }
    }
    EXPECT_TRUE(LayoutMenuBar({}, 24).empty());
}

TEST(MenuBarLayout, HitTestFindsTheItemDrawnUnderThePoint) {
    const RECT client{0, 0, 1280, 24};
    struct Case {
        const char* name;
        POINT point;
        int plain;         // position hit on the bar without separators
        int withSeparator; // on the bar with a separator before Options
    };
    const Case cases[] = {
        {"first item's first column", {0, 5}, 0, 0},
        {"first item's last column", {44, 23}, 0, 0},
        {"the next item starts where the last ended", {45, 0}, 1, 1},
        {"third item's last column", {156, 12}, 2, 3},
        {"fourth item", {157, 12}, 3, 4},
        {"beside the last item", {207, 12}, -1, -1},
        {"below the items", {10, 24}, -1, -1},
        {"left of the client area", {-1, 5}, -1, -1},
    };
    const std::vector<MenuBarItem> plain = LayoutMenuBar(kFourMenus, 24);
    const std::vector<MenuBarItem> separated = LayoutMenuBar(kWithSeparator, 24);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.plain, MenuBarHitTest(plain, RECT{0, 0, 1280, 30}, c.point));
        EXPECT_EQ(c.withSeparator, MenuBarHitTest(separated, RECT{0, 0, 1280, 30}, c.point));
    }
    EXPECT_EQ(-1, MenuBarHitTest(plain, client, POINT{10, 24})) << "outside a client area 24 high";
}

TEST(MenuBarLayout, TextHotRectanglesAndBarHeight) {
    EXPECT_RECT((RECT{10, 1, 40, 23}), MenuBarTextRect(RECT{0, 0, 45, 24}));
    EXPECT_RECT((RECT{46, 1, 91, 23}), MenuItemHotRect(RECT{45, 0, 92, 24}));
    struct Case {
        const char* name;
        int items, itemHeight, textHeight, height;
    };
    const Case cases[] = {
        {"items and a small font", 4, 24, 16, 25},
        {"an empty menu", 0, 24, 16, 24},
        {"text 30 high with items 24 high", 4, 24, 30, 34},
        {"text with exactly a pixel to spare", 4, 24, 22, 25},
        {"text one pixel too high", 4, 24, 23, 27},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.height, MenuBarHeight(c.items, c.itemHeight, c.textHeight));
    }
}

TEST(PopupLayout, WindowSizeFromItemsAndSeparators) {
    const PopupEntry command{80, false, false};
    const PopupEntry sub{80, false, true};
    const PopupEntry narrow{30, false, false};
    const PopupEntry separator{0, true, false};
    struct Case {
        const char* name;
        std::vector<PopupEntry> entries;
        int itemHeight;
        SIZE size;
    };
    const Case cases[] = {
        {"two commands and a separator", {command, separator, narrow}, 24, {129, 51}},
        {"five commands and three separators",
         {narrow, separator, narrow, command, separator, narrow, separator, narrow},
         24,
         {129, 125}},
        {"a sub-menu item is 5 wider", {narrow, sub}, 24, {134, 50}},
        {"tall items: text + 2H", {command}, 30, {140, 32}},
        {"an empty menu", {}, 24, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SIZE size = PopupWindowSize(c.entries, c.itemHeight);
        EXPECT_EQ(c.size.cx, size.cx);
        EXPECT_EQ(c.size.cy, size.cy);
    }
}

TEST(PopupLayout, HitTestOverItemsAndSeparators) {
    const std::vector<PopupEntry> entries{{50, false, false}, {0, true, false}, {50, false, true}};
    const std::vector<PopupRow> rows = LayoutPopupRows(entries, 24, 127);
    ASSERT_EQ(3u, rows.size());
    EXPECT_RECT((RECT{0, 0, 127, 24}), rows[0].rect);
    EXPECT_RECT((RECT{0, 24, 127, 25}), rows[1].rect);
    EXPECT_RECT((RECT{0, 25, 127, 49}), rows[2].rect);
    struct Case {
        const char* name;
        POINT point;
        int hit;
        RECT item;
    };
    const RECT none{0, 0, 0, 0};
    const Case cases[] = {
        {"first item", {5, 0}, 0, {0, 0, 127, 24}},
        {"first item's last row", {126, 23}, 0, {0, 0, 127, 24}},
        {"the separator", {5, 24}, -1, none},
        {"the item after the separator", {5, 25}, 2, {0, 25, 127, 49}},
        {"below the items", {5, 55}, -1, none},
        {"left of the window", {-1, 5}, -2, none},
        {"below the client area", {5, 60}, -2, none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RECT item = none;
        EXPECT_EQ(c.hit, PopupHitTest(rows, RECT{0, 0, 127, 60}, c.point, &item));
        EXPECT_RECT(c.item, item);
    }
}

TEST(PopupLayout, PartsOfARow) {
    const RECT client{0, 0, 127, 49};
    EXPECT_RECT((RECT{1, 1, 23, 48}), PopupImageColumn(client, 24));
    EXPECT_RECT((RECT{29, 24, 117, 25}), PopupSeparatorLine(RECT{0, 24, 127, 25}, 24, 127));
    EXPECT_RECT((RECT{0, 25, 24, 49}), PopupImageCell(RECT{0, 25, 127, 49}, 24));
    EXPECT_RECT((RECT{29, 26, 156, 48}), PopupTextRect(RECT{0, 25, 127, 49}, 24));
    const Triangle arrow = PopupSubMenuArrow(RECT{0, 25, 127, 49}, 24);
    const POINT expected[3] = {{117, 37}, {113, 41}, {113, 33}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(expected[i].x, arrow.points[i].x) << i;
        EXPECT_EQ(expected[i].y, arrow.points[i].y) << i;
    }
}

TEST(PopupLayout, CheckMarkStrokes) {
    // H = 24: the cell inset by 6 is (6, 6, 18, 18); five strokes, the first
    // at alpha 160, the last at 96, each one pixel above the one before.
    const std::vector<CheckStroke> strokes = LayoutCheckMark(RECT{0, 0, 24, 24}, 24);
    ASSERT_EQ(5u, strokes.size());
    const int alphas[5] = {160, 255, 255, 255, 96};
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        const POINT expected[3] = {{6, 14 - k}, {9, 17 - k}, {17, 9 - k}};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(expected[i].x, strokes[k].points[i].x);
            EXPECT_EQ(expected[i].y, strokes[k].points[i].y);
        }
        EXPECT_EQ(alphas[k], strokes[k].alpha);
    }
    struct Case {
        int itemHeight;
        size_t strokes;
        POINT first;
    };
    // The inset is H / 4, at least 2; q = 3h / 4 of the inset cell's height.
    const Case cases[] = {{15, 3u, {3, 3 + 6 - 1}}, {35, 7u, {8, 8 + 14 - 1}}, {24, 5u, {6, 14}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.itemHeight);
        const std::vector<CheckStroke> s =
            LayoutCheckMark(RECT{0, 0, c.itemHeight, c.itemHeight}, c.itemHeight);
        ASSERT_EQ(c.strokes, s.size());
        EXPECT_EQ(c.first.x, s[0].points[0].x);
        EXPECT_EQ(c.first.y, s[0].points[0].y);
    }
}

TEST(PopupLayout, ImageCentredInItsCellAndLimited) {
    struct Case {
        const char* name;
        int width, height;
        ImagePlacement at;
    };
    const Case cases[] = {
        {"16 x 16", 16, 16, {4, 28, 16, 16}},
        {"32 x 32 is cut to 22", 32, 32, {1, 25, 22, 22}},
        {"odd size rounds down", 15, 9, {4, 31, 15, 9}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ImagePlacement at = PlaceMenuImage(RECT{0, 24, 24, 48}, 24, c.width, c.height);
        EXPECT_EQ(c.at.x, at.x);
        EXPECT_EQ(c.at.y, at.y);
        EXPECT_EQ(c.at.width, at.width);
        EXPECT_EQ(c.at.height, at.height);
    }
}

TEST(PopupPlacement, TopLevelAlignmentAndScreenEdges) {
    const SIZE screen{1280, 1024};
    const SIZE popup{129, 51};
    struct Case {
        const char* name;
        POINT at;
        UINT flags;
        RECT placed;
    };
    const Case cases[] = {
        {"at the point", {100, 100}, 0, {100, 100, 229, 151}},
        {"right aligned", {200, 100}, TPM_RIGHTALIGN, {71, 100, 200, 151}},
        {"centred", {200, 100}, TPM_CENTERALIGN, {136, 100, 265, 151}},
        {"bottom aligned", {200, 300}, TPM_BOTTOMALIGN, {200, 249, 329, 300}},
        {"vertically centred", {200, 300}, TPM_VCENTERALIGN, {200, 275, 329, 326}},
        {"right screen edge: opens left of the point", {1200, 100}, 0, {1071, 100, 1200, 151}},
        {"bottom screen edge: opens above the point", {100, 1000}, 0, {100, 949, 229, 1000}},
        {"both edges", {1270, 1020}, 0, {1141, 969, 1270, 1020}},
        {"left of the screen", {-10, 100}, 0, {119, 100, 248, 151}},
        {"right aligned past the left edge", {100, 100}, TPM_RIGHTALIGN, {100, 100, 229, 151}},
        {"above the screen", {100, -5}, 0, {100, 46, 229, 97}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_RECT(c.placed, PlaceTopLevelPopup(c.at, popup, c.flags, screen));
    }
}

TEST(PopupPlacement, SubMenuBesideItsParentItem) {
    const SIZE screen{1280, 1024};
    const SIZE popup{129, 51};
    struct Case {
        const char* name;
        RECT parent;
        RECT placed;
    };
    const Case cases[] = {
        {"right of the item, one pixel up", {100, 50, 229, 74}, {230, 49, 359, 100}},
        {"right screen edge: left of the item", {1150, 50, 1279, 74}, {1020, 49, 1149, 100}},
        {"bottom screen edge: bottoms aligned", {100, 1000, 229, 1024}, {230, 974, 359, 1025}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_RECT(c.placed, PlaceSubMenuPopup(c.parent, popup, screen));
    }
}

TEST(PopupKeys, StepsNeverRestOnASeparator) {
    // Items 0, 2 and 3; separators at 1 and 4.
    const std::vector<bool> rows{false, true, false, false, true};
    // Separators at 0 and 3 around items 1 and 2.
    const std::vector<bool> framed{true, false, false, true};
    struct Case {
        const char* name;
        const std::vector<bool>* rows;
        int hot;
        UINT key;
        int next;
    };
    const Case cases[] = {
        {"Down from nothing: the first item", &rows, -1, VK_DOWN, 0},
        {"Down over a separator", &rows, 0, VK_DOWN, 2},
        {"Down with only a separator below stays", &rows, 3, VK_DOWN, 3},
        {"Up over a separator", &rows, 2, VK_UP, 0},
        {"Up on the first item does nothing", &rows, 0, VK_UP, 0},
        {"Up from nothing does nothing", &rows, -1, VK_UP, -1},
        {"Home", &rows, 3, VK_HOME, 0},
        {"End skips the closing separator", &rows, 0, VK_END, 3},
        {"Home skips a leading separator", &framed, 2, VK_HOME, 1},
        {"Up with only a separator above stays", &framed, 1, VK_UP, 1},
        {"Down from nothing skips a leading separator", &framed, -1, VK_DOWN, 1},
        {"another key changes nothing", &rows, 2, VK_LEFT, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.next, PopupKeyStep(*c.rows, c.hot, c.key));
    }
    EXPECT_EQ(-1, PopupKeyStep({true, true}, -1, VK_HOME)) << "only separators";
}

TEST(SliderLayout, ChannelAndPassedPart) {
    // A horizontal thumb 21 long: the channel starts 7 pixels into it.
    const RECT thumb{50, 10, 61, 31};
    EXPECT_RECT((RECT{8, 17, 192, 24}), SliderChannelRect(RECT{8, 19, 192, 23}, thumb, 7, false));
    // Vertical: the channel comes as if it lay across (left/right = top/bottom).
    const RECT upright{10, 50, 31, 61};
    EXPECT_RECT((RECT{17, 8, 24, 192}), SliderChannelRect(RECT{8, 19, 192, 23}, upright, 7, true));
    struct Case {
        const char* name;
        RECT channel;
        RECT thumb;
        bool vertical;
        RECT passed;
    };
    const Case cases[] = {
        {"up to the thumb's left", {8, 17, 192, 24}, {50, 10, 61, 31}, false, {8, 17, 50, 24}},
        {"thumb at the start: nothing", {8, 17, 192, 24}, {5, 10, 16, 31}, false, {8, 17, 8, 24}},
        {"vertical: down to the thumb's top", {17, 8, 24, 192}, {10, 50, 31, 61}, true, {17, 8, 24, 50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_RECT(c.passed, SliderPassedRect(c.channel, c.thumb, c.vertical));
    }
}

TEST(SliderLayout, RoundKnobGrowsTwoPixelsWhilePressed) {
    // The knob's rectangle is the thumb (50..61) across the channel (17..24):
    // 11 x 7, half its diagonal 6.52.
    const RECT thumb{50, 10, 61, 31};
    const RECT channel{8, 17, 192, 24};
    const RoundKnob idle = LayoutRoundKnob(thumb, channel, false, false);
    EXPECT_RECT((RECT{50, 17, 61, 24}), idle.thumb);
    EXPECT_EQ(55, idle.cx);
    EXPECT_EQ(20, idle.cy);
    EXPECT_EQ(8, idle.radius);
    EXPECT_RECT((RECT{47, 12, 63, 28}), idle.circle);
    EXPECT_RECT((RECT{46, 11, 62, 27}), idle.brush);
    EXPECT_EQ(10, LayoutRoundKnob(thumb, channel, false, true).radius);
    EXPECT_EQ(14, RoundThumbLength(thumb, channel, false));
    const RoundKnob upright = LayoutRoundKnob(RECT{10, 50, 31, 61}, RECT{17, 8, 24, 192}, true, false);
    EXPECT_RECT((RECT{17, 50, 24, 61}), upright.thumb);
    EXPECT_EQ(8, upright.radius);
}

TEST(SliderLayout, ChannelThicknessMustFitThreeTimes) {
    struct Case {
        const char* name;
        int thickness, width, height;
        bool vertical, fits;
    };
    const Case cases[] = {
        {"3 is too thin", 3, 200, 25, false, false},
        {"7 on 25 high: 21 <= 23", 7, 200, 25, false, true},
        {"8 on 25 high: 24 > 23", 8, 200, 25, false, false},
        {"4", 4, 200, 25, false, true},
        {"vertical: the width counts", 8, 25, 200, true, false},
        {"vertical 7", 7, 25, 200, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.fits, SliderThicknessFits(c.thickness, c.width, c.height, c.vertical));
    }
}

// Every hit test of the menus family (bar items, popup rows, scroll bar
// parts, spin halves, scroller halves) asks the same question of a
// rectangle: its left and top edges belong to it, its right and bottom
// edges to whatever lies beyond.
TEST(RectangleRules, ContainsTakesTheLeftAndTopEdgesOnly) {
    const RECT r{10, 20, 30, 40};
    struct Case {
        const char* name;
        POINT point;
        bool inside;
    };
    const Case cases[] = {
        {"top-left corner", {10, 20}, true},     {"last column and row", {29, 39}, true},
        {"right edge", {30, 25}, false},         {"bottom edge", {15, 40}, false},
        {"left of it", {9, 25}, false},          {"above it", {15, 19}, false},
        {"middle", {20, 30}, true},              {"bottom-right corner", {30, 40}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.inside, Contains(r, c.point));
    }
    EXPECT_FALSE(Contains(RECT{5, 5, 5, 9}, POINT{5, 6})) << "an empty rectangle holds no point";
}

TEST(RectangleRules, InsetMovesEachSideByItsOwnAmount) {
    struct Case {
        const char* name;
        int left, top, right, bottom;
        RECT expected;
    };
    const RECT r{10, 20, 110, 70};
    const Case cases[] = {
        {"one pixel all round", 1, 1, 1, 1, {11, 21, 109, 69}},
        {"left and right only", 3, 0, 4, 0, {13, 20, 106, 70}},
        {"negative grows", -2, -1, -2, -1, {8, 19, 112, 71}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_RECT(c.expected, Inset(r, c.left, c.top, c.right, c.bottom));
    }
}

} // namespace

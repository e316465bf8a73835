// The layout rules of the tab control and its scroller, as tables. No
// window, no screen.
#include "TabGeometry.h"

#include "support/rects.h"

#include <gtest/gtest.h>

using namespace Tavrin::geometry;

namespace {

std::string Where(POINT p) {
    return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
}

#define EXPECT_POINT(ex, ey, actual) EXPECT_EQ(Where(POINT{ex, ey}), Where(actual))

TEST(TabGeometry, HeaderImageAndTextBoxes) {
    struct Case {
        const char* name;
        RECT item;
        bool image;
        int imageWidth, imageHeight;
        RECT header;
        POINT imageAt;
        RECT text;
    };
    const Case cases[] = {
        {"text only: 8 in on both sides of the header", {0, 2, 80, 27}, false, 0, 0, {2, 2, 77, 27}, {0, 0},
         {10, 2, 69, 27}},
        {"16 x 16 image: text 10 after the image's width, 10 from the right", {80, 2, 160, 27}, true, 16, 16,
         {82, 2, 157, 27}, {90, 6}, {108, 2, 147, 27}},
        {"24 x 20 image", {0, 0, 80, 25}, true, 24, 20, {2, 0, 77, 25}, {10, 4}, {36, 0, 67, 25}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TabHeaderLayout layout = LayoutTabHeader(c.item, c.image, c.imageWidth, c.imageHeight);
        EXPECT_RECT(c.header, layout.header);
        EXPECT_EQ(c.image, layout.hasImage);
        if (c.image)
            EXPECT_POINT(c.imageAt.x, c.imageAt.y, layout.image);
        EXPECT_RECT(c.text, layout.text);
    }
}

TEST(TabGeometry, FocusRectangleAndOpeningLine) {
    struct Case {
        RECT item;
        RECT focus;
        POINT lineFrom, lineTo;
    };
    const Case cases[] = {
        {{80, 2, 160, 27}, {87, 5, 152, 24}, {83, 27}, {157, 27}},
        {{0, 0, 80, 25}, {7, 3, 72, 22}, {3, 25}, {77, 25}},
    };
    for (const Case& c : cases) {
        EXPECT_RECT(c.focus, TabFocusRect(c.item));
        const TabLine line = TabOpeningLine(c.item);
        EXPECT_POINT(c.lineFrom.x, c.lineFrom.y, line.from);
        EXPECT_POINT(c.lineTo.x, c.lineTo.y, line.to);
    }
}

TEST(TabGeometry, StripPaintedTabsAndBody) {
    const RECT client{0, 0, 300, 120};
    struct Case {
        const char* name;
        std::vector<RECT> items;
        bool strip;
        RECT stripRect;
        std::vector<int> painted;
        RECT body;
    };
    const Case cases[] = {
        {"no tabs: no strip, the body fills the client", {}, false, {0, 0, 0, 0}, {}, {0, 0, 300, 120}},
        {"two tabs",
         {{0, 2, 80, 27}, {80, 2, 160, 27}},
         true,
         {0, 0, 300, 27},
         {0, 1},
         {0, 27, 300, 120}},
        {"five tabs: the one starting beyond the right edge ends the row",
         {{0, 2, 80, 27}, {80, 2, 160, 27}, {160, 2, 240, 27}, {240, 2, 320, 27}, {320, 2, 400, 27}},
         true,
         {0, 0, 300, 27},
         {0, 1, 2, 3},
         {0, 27, 300, 120}},
        {"scrolled: a tab left of the client is not painted",
         {{-80, 2, 0, 27}, {0, 2, 80, 27}, {80, 2, 160, 27}},
         true,
         {0, 0, 300, 27},
         {1, 2},
         {0, 27, 300, 120}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TabStripLayout layout = LayoutTabStrip(client, c.items);
        EXPECT_EQ(c.strip, layout.hasStrip);
        if (c.strip)
            EXPECT_RECT(c.stripRect, layout.strip);
        EXPECT_EQ(c.painted, layout.painted);
        EXPECT_RECT(c.body, layout.body);
    }
}

TEST(TabGeometry, TabAndBodyLooks) {
    struct TabCase {
        bool controlEnabled, tabEnabled, selected, hot;
        Look look;
    };
    const TabCase tabs[] = {
        {true, true, false, false, Look::Normal},    {true, true, false, true, Look::Hover},
        {true, true, true, false, Look::Pressed},    {true, true, true, true, Look::Pressed},
        {true, false, true, true, Look::Disabled},   {false, true, true, false, Look::Disabled},
        {false, true, false, true, Look::Disabled},
    };
    for (const TabCase& c : tabs)
        EXPECT_EQ(c.look, ResolveTabLook(c.controlEnabled, c.tabEnabled, c.selected, c.hot))
            << c.controlEnabled << c.tabEnabled << c.selected << c.hot;

    struct BodyCase {
        bool controlEnabled;
        int selected;
        bool selectedEnabled;
        TabBodyLook look;
    };
    const BodyCase bodies[] = {
        {true, -1, false, TabBodyLook::NoSelection}, {true, 2, true, TabBodyLook::Selected},
        {true, 2, false, TabBodyLook::Disabled},     {false, 2, true, TabBodyLook::Disabled},
        {false, -1, false, TabBodyLook::Disabled},
    };
    for (const BodyCase& c : bodies)
        EXPECT_EQ(c.look, ResolveTabBodyLook(c.controlEnabled, c.selected, c.selectedEnabled))
            << c.controlEnabled << " " << c.selected << " " << c.selectedEnabled;
}

TEST(TabGeometry, KeyboardSkipsDisabledTabs) {
    const std::vector<bool> mixed{true, false, true, true, false};
    const std::vector<bool> onlyLast{false, false, true};
    struct Case {
        const char* name;
        const std::vector<bool>* enabled;
        unsigned int key;
        int current;
        int expected;
    };
    const Case cases[] = {
        {"Left skips a disabled tab", &mixed, VK_LEFT, 2, 0},
        {"Right to the next tab", &mixed, VK_RIGHT, 2, 3},
        {"Right with only disabled tabs after", &mixed, VK_RIGHT, 3, -1},
        {"Left from the first", &mixed, VK_LEFT, 0, -1},
        {"Home", &mixed, VK_HOME, 3, 0},
        {"Home on the first: no move", &mixed, VK_HOME, 0, -1},
        {"End: the last enabled", &mixed, VK_END, 0, 3},
        {"Home reaches the last tab when it is the only enabled one", &onlyLast, VK_HOME, 0, 2},
        {"End on the last enabled tab: no move", &mixed, VK_END, 3, -1},
        {"no selection: Right finds the first enabled", &onlyLast, VK_RIGHT, -1, 2},
        {"other keys do nothing", &mixed, VK_UP, 2, -1},
        {"other keys do nothing", &mixed, VK_DOWN, 2, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, TabForKey(c.key, c.current, *c.enabled)) << c.name;

    const std::vector<bool> firstOnly{true, false, false};
    EXPECT_EQ(0, TabForKey(VK_END, 2, firstOnly)) << "End reaches the first tab when it is the only enabled one";
    EXPECT_EQ(-1, TabForKey(VK_RIGHT, 0, std::vector<bool>{})) << "no tabs";
}

TEST(TabGeometry, ScrollerPlacementHalvesAndChevrons) {
    EXPECT_RECT((RECT{246, 0, 300, 27}), TabScrollerRect(RECT{0, 0, 300, 120}, RECT{0, 2, 80, 27}));
    EXPECT_RECT((RECT{150, 0, 200, 25}), TabScrollerRect(RECT{0, 0, 200, 90}, RECT{0, 0, 80, 25}));

    struct Case {
        const char* name;
        int cx, cy;
        bool leftPressed, rightPressed;
        RECT left, right;
        std::size_t strokes;
        std::array<POINT, 3> leftFirst, leftLast, rightFirst, rightLast;
    };
    const Case cases[] = {
        {"54 x 27", 54, 27, false, false, {2, 2, 26, 25}, {28, 2, 52, 25}, 5,
         {{{15, 6}, {8, 13}, {15, 20}}}, {{{19, 6}, {12, 13}, {19, 20}}},
         {{{35, 6}, {42, 13}, {35, 20}}}, {{{39, 6}, {46, 13}, {39, 20}}}},
        {"54 x 27, left pressed", 54, 27, true, false, {2, 2, 26, 25}, {28, 2, 52, 25}, 5,
         {{{16, 7}, {9, 14}, {16, 21}}}, {{{20, 7}, {13, 14}, {20, 21}}},
         {{{35, 6}, {42, 13}, {35, 20}}}, {{{39, 6}, {46, 13}, {39, 20}}}},
        {"30 x 15: at least one stroke after the tip column", 30, 15, false, true, {2, 2, 14, 13},
         {16, 2, 28, 13}, 4, {{{7, 3}, {3, 7}, {7, 11}}}, {{{10, 3}, {6, 7}, {10, 11}}},
         {{{19, 4}, {23, 8}, {19, 12}}}, {{{22, 4}, {26, 8}, {22, 12}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TabScrollerLayout layout = LayoutTabScroller(c.cx, c.cy, c.leftPressed, c.rightPressed);
        EXPECT_RECT(c.left, layout.left);
        EXPECT_RECT(c.right, layout.right);
        ASSERT_EQ(c.strokes, layout.leftGlyph.strokes.size());
        ASSERT_EQ(c.strokes, layout.rightGlyph.strokes.size());
        for (int i = 0; i < 3; ++i) {
            EXPECT_POINT(c.leftFirst[i].x, c.leftFirst[i].y, layout.leftGlyph.strokes.front()[i]);
            EXPECT_POINT(c.leftLast[i].x, c.leftLast[i].y, layout.leftGlyph.strokes.back()[i]);
            EXPECT_POINT(c.rightFirst[i].x, c.rightFirst[i].y, layout.rightGlyph.strokes.front()[i]);
            EXPECT_POINT(c.rightLast[i].x, c.rightLast[i].y, layout.rightGlyph.strokes.back()[i]);
        }
    }

    const TabScrollerLayout layout = LayoutTabScroller(54, 27, false, false);
    struct Hit {
        POINT p;
        int half;
    };
    const Hit hits[] = {{{2, 2}, 1}, {{25, 24}, 1}, {{26, 10}, 0}, {{27, 10}, 0}, {{28, 10}, 2},
                        {{51, 24}, 2}, {{52, 10}, 0}, {{1, 10}, 0}, {{10, 25}, 0}};
    for (const Hit& h : hits)
        EXPECT_EQ(h.half, TabScrollerHitTest(layout, h.p)) << Where(h.p);
}

} // namespace

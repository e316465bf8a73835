// The client area of the scrolling controls (tree, rich edit, scroll view)
// beside their skinned bars, the scroll view's corner square, and where the
// tree's item tip goes on the screen. No window, no screen.
#include "ScrollAreaGeometry.h"

#include "support/rects.h"

#include <gtest/gtest.h>

using namespace Tavrin::geometry;

namespace {

constexpr RECT kNone{0, 0, 0, 0};

TEST(ScrollAreaGeometry, ClientAreaAfterTheFrameComputation) {
    struct Case {
        const char* name;
        RECT defaultClient;
        bool horizontal, vertical;
        int thickness, sysV, sysH;
        RECT client;
    } cases[] = {
        {"no bars: one pixel in on every side", {1, 1, 199, 149}, false, false, 18, 17, 17, {2, 2, 198, 148}},
        {"both bars, system bars 17", {1, 1, 182, 132}, true, true, 18, 17, 17, {2, 2, 179, 129}},
        {"vertical only", {1, 1, 182, 149}, false, true, 18, 17, 17, {2, 2, 179, 148}},
        {"horizontal only", {1, 1, 199, 132}, true, false, 18, 17, 17, {2, 2, 198, 129}},
        {"system bars as thick as the skinned ones", {1, 1, 179, 129}, true, true, 20, 20, 20, {2, 2, 177, 127}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_RECT(c.client,
                    AdjustScrollClient(c.defaultClient, {c.horizontal, c.vertical, c.thickness, c.sysV, c.sysH}));
    }
}

TEST(ScrollAreaGeometry, BarsBesideTheClientArea) {
    struct Case {
        const char* name;
        SIZE window;
        RECT client;
        bool horizontal, vertical, narrow;
        RECT kept, hBar, vBar;
    } cases[] = {
        {"both: each one pixel longer", {200, 150}, {2, 2, 180, 130}, true, true, true,
         {2, 2, 180, 130}, {2, 130, 181, 149}, {180, 2, 199, 131}},
        {"both: a wide client area is narrowed", {200, 150}, {2, 2, 190, 140}, true, true, true,
         {2, 2, 180, 130}, {2, 130, 181, 149}, {180, 2, 199, 131}},
        {"both, not narrowed", {200, 150}, {2, 2, 190, 140}, true, true, false,
         {2, 2, 190, 140}, {2, 140, 191, 159}, {190, 2, 209, 141}},
        {"horizontal only", {200, 150}, {2, 2, 198, 130}, true, false, true,
         {2, 2, 198, 130}, {2, 130, 198, 149}, kNone},
        {"vertical only", {200, 150}, {2, 2, 180, 148}, false, true, true,
         {2, 2, 180, 148}, kNone, {180, 2, 199, 148}},
        {"none", {200, 150}, {2, 2, 198, 148}, false, false, true, {2, 2, 198, 148}, kNone, kNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScrollBarAreaLayout layout = LayoutScrollBarArea(c.window, c.client, 18, c.horizontal, c.vertical, c.narrow);
        EXPECT_RECT(c.kept, layout.client);
        EXPECT_EQ(c.horizontal, layout.horizontal);
        EXPECT_EQ(c.vertical, layout.vertical);
        EXPECT_RECT(c.hBar, layout.horizontalBar);
        EXPECT_RECT(c.vBar, layout.verticalBar);
    }
}

TEST(ScrollAreaGeometry, ScrollViewCornerSquareReachesTheEdge) {
    EXPECT_RECT((RECT{181, 131, 200, 150}), ScrollViewCornerSquare(SIZE{200, 150}, 18, false));
    EXPECT_RECT((RECT{180, 130, 198, 148}), ScrollViewCornerSquare(SIZE{200, 150}, 18, true));
}

TEST(ScrollAreaGeometry, PopupKeptOnTheScreen) {
    struct Case {
        const char* name;
        RECT rect, placed;
    } cases[] = {
        {"inside stays", {100, 100, 200, 120}, {100, 100, 200, 120}},
        {"left of the screen", {-5, 10, 95, 30}, {0, 10, 100, 30}},
        {"above the screen", {10, -4, 60, 16}, {10, 0, 60, 20}},
        {"beyond the right and bottom", {1250, 1000, 1350, 1030}, {1180, 994, 1280, 1024}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_RECT(c.placed, KeepOnScreen(c.rect, SIZE{1280, 1024}));
    }
}

} // namespace

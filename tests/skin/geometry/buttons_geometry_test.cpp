// The layout rules of the buttons family as tables: progress bar, push button
// shapes, text and focus placement, tooltip size and placement, group box
// frame and caption, static text formats. No window, no screen.
#include "ButtonsGeometry.h"

#include "support/rects.h"

#include <gtest/gtest.h>

using namespace Tavrin::geometry;

namespace {

constexpr RECT kNone{0, 0, 0, 0};

TEST(ProgressBarLayout, BarRectangleForRangesAndPositions) {
    struct Case {
        const char* name;
        int width, height, lower, upper, pos;
        bool vertical;
        bool draw;
        RECT bar;
    };
    const Case cases[] = {
        {"half of 202 pixels", 202, 20, 0, 100, 50, false, true, {1, 1, 100, 19}},
        {"nothing done", 202, 20, 0, 100, 0, false, false, kNone},
        {"negative position", 202, 20, 0, 100, -5, false, false, kNone},
        {"two pixels leave nothing inside the gap", 202, 20, 0, 100, 1, false, false, kNone},
        {"complete", 202, 20, 0, 100, 100, false, true, {1, 1, 201, 19}},
        {"past the end stays inside", 202, 20, 0, 100, 150, false, true, {1, 1, 201, 19}},
        {"a range away from zero", 202, 20, 100, 200, 150, false, true, {1, 1, 100, 19}},
        {"at the lower bound", 202, 20, 100, 200, 100, false, false, kNone},
        {"empty range, position past zero", 100, 16, 5, 5, 5, false, true, {1, 1, 99, 15}},
        {"empty range at zero", 100, 16, 0, 0, 0, false, false, kNone},
        {"the whole 32-bit range", 100, 16, INT_MIN, INT_MAX, 0, false, true, {1, 1, 49, 15}},
        {"vertical grows from the bottom", 20, 202, 0, 100, 50, true, true, {1, 102, 19, 201}},
        {"vertical complete", 20, 202, 0, 100, 100, true, true, {1, 1, 19, 201}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgressBarLayout layout =
            LayoutProgressBar(RECT{0, 0, c.width, c.height}, c.pos, c.lower, c.upper, c.vertical);
        EXPECT_EQ(c.draw, layout.draw);
        if (c.draw) {
            EXPECT_RECT(c.bar, layout.bar);
        }
    }
}

TEST(ProgressBarLayout, GradientGeometryOfBothBarStyles) {
    // Horizontal (1, 1, 100, 19): 99 x 18, lit from (x + w / 2, y + (h - 1) / 2).
    const ProgressBarLayout across = LayoutProgressBar(RECT{0, 0, 202, 20}, 50, 0, 100, false);
    EXPECT_FLOAT_EQ(50.5f, across.centreX);
    EXPECT_FLOAT_EQ(9.5f, across.centreY);
    EXPECT_FLOAT_EQ(99.0f / 117.0f, across.focusScaleX);
    EXPECT_FLOAT_EQ(18.0f / 117.0f, across.focusScaleY);
    EXPECT_RECT(across.bar, across.linearBrush);
    // Vertical (1, 102, 19, 201): the linear brush spans (x, y - 1, w + 1, h + 2).
    const ProgressBarLayout up = LayoutProgressBar(RECT{0, 0, 20, 202}, 50, 0, 100, true);
    EXPECT_RECT((RECT{1, 101, 20, 202}), up.linearBrush);
}

TEST(ButtonShape, CornerEllipseIsTwoUpToThirtyPixelsElseFour) {
    struct Case {
        int width, height, ellipse;
    } cases[] = {{100, 30, 2}, {100, 31, 4}, {30, 100, 2}, {31, 100, 4},
                 {30, 30, 2},  {31, 31, 4},  {12, 200, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(c.ellipse, ButtonCornerEllipse(c.width, c.height)) << c.width << " x " << c.height;
}

TEST(ButtonShape, WindowRegionOuterAndInnerRingOfEachStyle) {
    // 100 x 40: ellipse 4. The styles that keep a side square reach past it
    // by the ellipse and are cut back to the (inset) client rectangle.
    const RECT all{0, 0, 100, 40}, inside{1, 1, 99, 39};
    struct Case {
        int style;
        RegionShape window;
        RegionShape inner;
    };
    const Case cases[] = {
        {0, PlainRectShape(all), PlainRectShape(inside)},
        {1, RoundRectShape(all, 4), RoundRectShape(inside, 4)},
        {2, Intersected(RoundRectShape(RECT{0, 0, 104, 40}, 4), all),
         Intersected(RoundRectShape(RECT{1, 1, 103, 39}, 4), inside)},
        {3, Intersected(RoundRectShape(RECT{-4, 0, 100, 40}, 4), all),
         Intersected(RoundRectShape(RECT{-3, 1, 99, 39}, 4), inside)},
        {4, Intersected(RoundRectShape(RECT{0, 0, 100, 44}, 4), all),
         Intersected(RoundRectShape(RECT{1, 1, 99, 43}, 4), inside)},
        {5, Intersected(RoundRectShape(RECT{0, -4, 100, 40}, 4), all),
         Intersected(RoundRectShape(RECT{1, -3, 99, 39}, 4), inside)},
        {9, PlainRectShape(all), PlainRectShape(inside)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        EXPECT_TRUE(c.window == ButtonWindowShape(c.style, 100, 40));
        EXPECT_TRUE(c.window == ButtonOuterShape(c.style, 100, 40));
        EXPECT_TRUE(c.inner == ButtonInnerShape(c.style, 100, 40));
    }
}

TEST(ButtonText, NinePlacementsExplicitPositionsAndThePressedShift) {
    // 160 x 70: margin min(22, 10, 8) = 8 around (0, -1, 159, 69), so the
    // text box is (8, 7, 151, 61), 143 x 54; a 40 x 14 text block.
    const SIZE text{40, 14};
    struct Case {
        const char* name;
        int alignment;
        bool explicitPos;
        POINT pos;
        bool pressed;
        SIZE size;
        RECT expected;
    };
    const Case cases[] = {
        {"left top", 0, false, {}, false, text, {8, 7, 151, 61}},
        {"left middle", 1, false, {}, false, text, {8, 27, 151, 61}},
        {"left bottom", 2, false, {}, false, text, {8, 47, 151, 61}},
        {"centre top", 3, false, {}, false, text, {59, 7, 151, 61}},
        {"centre middle", 4, false, {}, false, text, {59, 27, 151, 61}},
        {"centre bottom", 5, false, {}, false, text, {59, 47, 151, 61}},
        {"right top", 6, false, {}, false, text, {111, 7, 151, 61}},
        {"right middle", 7, false, {}, false, text, {111, 27, 151, 61}},
        {"right bottom", 8, false, {}, false, text, {111, 47, 151, 61}},
        {"pressed moves one pixel", 4, false, {}, true, text, {60, 28, 151, 61}},
        {"explicit position", 8, true, {5, 6}, false, text, {13, 13, 151, 61}},
        {"explicit position pressed", 8, true, {5, 6}, true, text, {14, 14, 151, 61}},
        {"negative offsets become 0", 4, true, {-3, -4}, false, text, {8, 7, 151, 61}},
        {"text larger than the box", 4, false, {}, false, {200, 80}, {8, 7, 151, 61}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_RECT(c.expected,
                    LayoutButtonText(160, 70, c.size, c.alignment, c.explicitPos, c.pos, c.pressed));
    }
    // A small button: margin min(2, 2, 8) = 2 around (0, -1, 19, 13).
    EXPECT_RECT((RECT{4, 2, 17, 11}), LayoutButtonText(20, 14, SIZE{10, 8}, 4, false, POINT{}, false));
}

TEST(ButtonFocus, OutlineIsInsetByAnEighthUpToEightPixels) {
    struct Case {
        int width, height;
        RECT outline;
    } cases[] = {
        {120, 40, {5, 5, 113, 33}},   // k = min(15, 5, 8) = 5; size (W - 2k - 2, H - 2k - 2)
        {200, 200, {8, 8, 190, 190}}, // k is at most 8
        {10, 10, {1, 1, 7, 7}},
    };
    for (const Case& c : cases)
        EXPECT_RECT(c.outline, ButtonFocusOutline(c.width, c.height)) << c.width << " x " << c.height;
}

TEST(ToolTipLayout, SizeFitsTheTextAndPlacementStaysOnTheDesktop) {
    const SIZE size = ToolTipSize(SIZE{100, 14});
    EXPECT_EQ(104, size.cx);
    EXPECT_EQ(16, size.cy);

    const RECT desktop{0, 0, 1280, 1024};
    struct Case {
        const char* name;
        POINT pointer;
        POINT at;
    } cases[] = {
        {"below the pointer", {100, 100}, {100, 125}},
        {"shifted left at the right edge", {1270, 100}, {1176, 125}},
        {"flipped above at the bottom", {100, 1000}, {100, 979}},
        {"both near the corner", {1270, 1015}, {1176, 994}},
        {"just fits below", {100, 983}, {100, 1008}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const POINT at = PlaceToolTip(c.pointer, size, desktop);
        EXPECT_EQ(c.at.x, at.x);
        EXPECT_EQ(c.at.y, at.y);
    }
}

TEST(GroupBoxLayout, FrameCaptionAndGapForEachAlignmentAndThickness) {
    // A 200 x 100 box with a 40 x 14 caption.
    const RECT client{0, 0, 200, 100};
    const SIZE caption{40, 14};
    const unsigned line = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    struct Case {
        const char* name;
        bool showText;
        int thickness, corners;
        CaptionAlign align;
        float x, y, w, h;
        int radius;
        RECT text, gap;
        unsigned format;
    };
    // clang-format off
    const Case cases[] = {
        {"left caption", true, 1, 2, CaptionAlign::Left, 0, 7, 199, 92, 4, {12, 0, 195, 14}, {11, 0, 53, 14}, line},
        {"centred caption", true, 1, 2, CaptionAlign::Centre, 0, 7, 199, 92, 4, {12, 0, 195, 14},
         {82, 0, 124, 14}, line | DT_CENTER},
        {"right caption", true, 1, 2, CaptionAlign::Right, 0, 7, 199, 92, 4, {12, 0, 195, 14},
         {154, 0, 196, 14}, line | DT_RIGHT},
        {"even line on whole pixels", true, 4, 3, CaptionAlign::Left, 1.5f, 8.5f, 196, 89, 8, {12, 2, 193, 16},
         {11, 2, 53, 16}, line},
        {"no caption", false, 1, 0, CaptionAlign::Left, 0, 0, 199, 99, 0, kNone, kNone, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const GroupBoxLayout l = LayoutGroupBox(client, caption, c.showText, c.thickness, c.corners, c.align);
        EXPECT_EQ(c.thickness, l.thickness);
        EXPECT_FLOAT_EQ(c.x, l.pathX);
        EXPECT_FLOAT_EQ(c.y, l.pathY);
        EXPECT_FLOAT_EQ(c.w, l.pathWidth);
        EXPECT_FLOAT_EQ(c.h, l.pathHeight);
        EXPECT_EQ(c.radius, l.radius);
        EXPECT_EQ(c.showText, l.caption);
        if (c.showText) {
            EXPECT_RECT(c.text, l.text);
            EXPECT_RECT(c.gap, l.gap);
            EXPECT_EQ(c.format, l.textFormat);
        }
    }
}

TEST(GroupBoxLayout, LineIsCutToWhatTheBoxHoldsButNeverBelowOnePixel) {
    struct Case {
        int width, height, thickness, kept;
    } cases[] = {
        {100, 8, 10, 8}, // 2 x min(50, 4, 5)
        {100, 1, 4, 1},  // 2 x min(50, 0, 5) = 0, kept at 1
        {100, 80, 10, 10},
        {8, 100, 9, 8},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.kept, LayoutGroupBox(RECT{0, 0, c.width, c.height}, SIZE{0, 0}, false, c.thickness, 2,
                                         CaptionAlign::Left)
                              .thickness)
            << c.width << " x " << c.height << ", " << c.thickness;
    const int radii[][2] = {{0, 0}, {1, 2}, {2, 4}, {3, 8}, {4, 0}, {-1, 0}};
    for (const auto& r : radii)
        EXPECT_EQ(r[1], GroupBoxCornerRadius(r[0])) << r[0];
}

TEST(StaticText, FormatComesFromTheStyleAndTheText) {
    struct Case {
        const char* name;
        DWORD style;
        const wchar_t* text;
        unsigned format;
    } cases[] = {
        {"left", SS_LEFT, L"Text", DT_WORDBREAK},
        {"centre", SS_CENTER, L"Text", DT_CENTER | DT_WORDBREAK},
        {"right", SS_RIGHT, L"Text", DT_RIGHT | DT_WORDBREAK},
        {"other types", SS_SIMPLE, L"Text", 0},
        {"tabs expand", SS_LEFT, L"a\tb", DT_WORDBREAK | DT_EXPANDTABS},
        {"centred image, one line", SS_LEFT | SS_CENTERIMAGE, L"Text",
         DT_CENTER | DT_VCENTER | DT_SINGLELINE},
        {"centred image, two lines", SS_RIGHT | SS_CENTERIMAGE, L"Text\r\nMore", DT_CENTER},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.format, StaticTextFormat(c.style, c.text)) << c.name;
}

TEST(Looks, DisabledWinsOverPressedOverHover) {
    struct Case {
        bool disabled, pressed, hover;
        Look look;
    } cases[] = {
        {false, false, false, Look::Normal},  {false, false, true, Look::Hover},
        {false, true, false, Look::Pressed},  {false, true, true, Look::Pressed},
        {true, false, false, Look::Disabled}, {true, true, true, Look::Disabled},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.look, ResolveLook(c.disabled, c.pressed, c.hover));
}

} // namespace

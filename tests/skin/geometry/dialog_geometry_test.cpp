// The dialog frame's layout as tables: the drawn buttons, the caption's text
// rectangle, the icon, the title lines, the border rings and window region,
// the client insets, hit testing, the sizing limit and the buttons' looks.
#include "DialogGeometry.h"

#include "support/rects.h"

#include <gtest/gtest.h>

using namespace Tavrin::geometry;

namespace {

constexpr RECT kNone{0, 0, 0, 0};

// A 300 x 200 dialog with a 25-pixel title, a 2-pixel border, all three
// buttons, rounded corners, and the usual 32 and 16 pixel icons.
DialogFrameParams Dialog(int style = 3, int title = 25) {
    DialogFrameParams p{};
    p.width = 300;
    p.height = 200;
    p.titleHeight = title;
    p.borderWidth = 2;
    p.hasCaption = true;
    p.buttonStyle = style;
    p.roundCorners = true;
    p.hasIcon = false;
    p.largeIcon = 32;
    p.smallIcon = 16;
    return p;
}

TEST(DialogLayout, ButtonsAndCaptionTextForEachButtonStyle) {
    // Title 25: buttons 20 x 20 at top B + 2 = 4, radius 3; the close button
    // spans W - 29 .. W - 9, each further button 21 pixels to the left.
    struct Case {
        int style;
        RECT close, max, min;
        int textRight;
    };
    const Case cases[] = {
        {0, kNone, kNone, kNone, 291},                                     // W - 9
        {1, {271, 4, 291, 24}, kNone, kNone, 270},                         // W - 10 - M
        {2, {271, 4, 291, 24}, kNone, {250, 4, 270, 24}, 250},             // W - 10 - 2M
        {3, {271, 4, 291, 24}, {250, 4, 270, 24}, {229, 4, 249, 24}, 229}, // W - 11 - 3M
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        const DialogFrameLayout l = LayoutDialogFrame(Dialog(c.style));
        EXPECT_EQ(c.style != 0, l.buttonsShown);
        EXPECT_RECT(c.close, l.closeButton);
        EXPECT_RECT(c.max, l.maxButton);
        EXPECT_RECT(c.min, l.minButton);
        // The caption runs from 12 (no icon) to the buttons, from
        // floor(T x 0.1 + 1) down to the title's bottom.
        EXPECT_RECT((RECT{12, 3, c.textRight, 25}), l.captionText);
    }
    const DialogFrameLayout l = LayoutDialogFrame(Dialog());
    EXPECT_EQ(20, l.buttonSize);
    EXPECT_EQ(3, l.buttonRadius);
    EXPECT_FLOAT_EQ(20 * 0.094f, l.thinGlyphPen);
    EXPECT_FLOAT_EQ(20 * 0.141f, l.thickGlyphPen);

    // A 35-pixel title: M = 28 at top 2 + 3, radius 4.
    const DialogFrameLayout tall = LayoutDialogFrame(Dialog(3, 35));
    EXPECT_RECT((RECT{263, 5, 291, 33}), tall.closeButton);
    EXPECT_EQ(4, tall.buttonRadius);
}

TEST(DialogLayout, IconSizePositionAndWhereTheCaptionStarts) {
    struct Case {
        const char* name;
        int title;
        bool hasIcon;
        bool shown, large;
        RECT icon;
        RECT text;
    };
    const Case cases[] = {
        // SM_CXICON (32) is not smaller than 25: the small icon, at
        // x = 6, y = (T - 16 + 1) / 2 + 1; the caption starts at 16 + 12.
        {"title 25", 25, true, true, false, {6, 6, 22, 22}, {28, 3, 229, 25}},
        {"title 35 takes the large icon", 35, true, true, true, {6, 3, 38, 35}, {44, 4, 205, 35}}, // M = 28
        // M = 12 for a title of 16 or 15.
        {"title 16 just holds the small icon", 16, true, true, false, {6, 1, 22, 17}, {28, 2, 253, 16}},
        {"title 15 is too low for any icon", 15, true, false, false, kNone, {12, 2, 253, 15}},
        {"no icon", 25, false, false, false, kNone, {12, 3, 229, 25}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DialogFrameParams p = Dialog(3, c.title);
        p.hasIcon = c.hasIcon;
        const DialogFrameLayout l = LayoutDialogFrame(p);
        EXPECT_EQ(c.shown, l.iconShown);
        EXPECT_EQ(c.large, l.largeIcon);
        EXPECT_EQ(c.large, DialogUsesLargeIcon(p));
        EXPECT_RECT(c.icon, l.icon);
        EXPECT_RECT(c.text, l.captionText);
    }
}

TEST(DialogLayout, TitleLinesRingsRegionAndClientInsets) {
    const DialogFrameLayout l = LayoutDialogFrame(Dialog());
    EXPECT_TRUE(l.caption);
    EXPECT_RECT((RECT{0, 0, 300, 29}), l.titleBar);
    EXPECT_RECT((RECT{0, 27, 300, 28}), l.titleLine1);
    EXPECT_RECT((RECT{0, 28, 300, 29}), l.titleLine2);
    EXPECT_TRUE(l.border);
    // Rounded top corners (ellipse 11) over a rectangle that squares off
    // the bottom.
    EXPECT_TRUE(l.innerRing == United(RoundRectShape(RECT{1, 1, 299, 189}, 11), RECT{1, 11, 298, 198}));
    EXPECT_TRUE(l.outerRing == United(RoundRectShape(RECT{0, 0, 300, 190}, 11), RECT{0, 10, 299, 199}));
    EXPECT_TRUE(l.windowRegion == l.outerRing);
    EXPECT_RECT((RECT{2, 29, 3, 3}), l.clientInsets);

    DialogFrameParams square = Dialog();
    square.roundCorners = false;
    EXPECT_TRUE(LayoutDialogFrame(square).windowRegion ==
                United(RoundRectShape(RECT{0, 0, 300, 190}, 0), RECT{0, 10, 299, 199}));

    DialogFrameParams bordered = Dialog();
    bordered.hasCaption = false;
    const DialogFrameLayout plain = LayoutDialogFrame(bordered);
    EXPECT_FALSE(plain.caption);
    EXPECT_FALSE(plain.buttonsShown);
    EXPECT_TRUE(plain.innerRing == PlainRectShape(RECT{1, 1, 298, 198}));
    EXPECT_TRUE(plain.outerRing == PlainRectShape(RECT{0, 0, 299, 199}));
    EXPECT_TRUE(plain.windowRegion == PlainRectShape(RECT{0, 0, 299, 199}));
    EXPECT_RECT((RECT{2, 2, 3, 3}), plain.clientInsets);

    // No border width: no rings, and the client reaches the edges.
    bordered.borderWidth = 0;
    const DialogFrameLayout bare = LayoutDialogFrame(bordered);
    EXPECT_FALSE(bare.border);
    EXPECT_RECT((RECT{0, 0, 1, 1}), bare.clientInsets);
}

TEST(DialogLayout, HitTestCodes) {
    const DialogFrameParams p = Dialog();
    struct Case {
        int x, y;
        bool resizable, fixedPosition;
        int code;
    };
    const Case cases[] = {
        {0, 0, true, false, HTTOPLEFT},      {2, 2, true, false, HTTOPLEFT},
        {150, 1, true, false, HTTOP},        {296, 0, true, false, HTTOPRIGHT},
        {0, 100, true, false, HTLEFT},       {1, 196, true, false, HTBOTTOMLEFT},
        {296, 100, true, false, HTRIGHT},    {299, 198, true, false, HTBOTTOMRIGHT},
        {150, 196, true, false, HTBOTTOM},   {150, 14, true, false, HTCAPTION},
        {150, 27, true, false, HTCAPTION},   {150, 28, true, false, HTCLIENT},
        {0, 100, false, false, HTCLIENT},    {281, 14, false, false, HTCAPTION},
        {150, 14, false, true, HTCLIENT},    {281, 14, false, true, HTCAPTION},
        {260, 14, false, true, HTMAXBUTTON}, {239, 14, false, true, HTCAPTION},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.code, DialogHitTest(p, POINT{c.x, c.y}, c.resizable, c.fixedPosition))
            << "(" << c.x << ", " << c.y << ")" << (c.resizable ? " resizable" : "")
            << (c.fixedPosition ? " fixed" : "");
}

TEST(DialogLayout, ButtonUnderThePointerAndEachButtonsLook) {
    const DialogFrameLayout l = LayoutDialogFrame(Dialog());
    struct {
        int x, y;
        DialogButton button;
    } points[] = {
        {271, 4, DialogButton::Close}, {290, 23, DialogButton::Close}, {291, 10, DialogButton::None},
        {270, 10, DialogButton::None}, {250, 10, DialogButton::Max},   {249, 10, DialogButton::None},
        {229, 10, DialogButton::Min},  {229, 3, DialogButton::None},
    };
    for (const auto& c : points)
        EXPECT_EQ(c.button, DialogButtonAt(l, POINT{c.x, c.y})) << c.x << ", " << c.y;

    const DialogButton close = DialogButton::Close, min = DialogButton::Min, none = DialogButton::None;
    struct {
        DialogButton pressed, hot;
        bool active;
        Look look;
    } looks[] = {
        {close, close, true, Look::Pressed}, {none, close, true, Look::Hover},
        {min, close, true, Look::Normal},    {close, min, true, Look::Normal},
        {none, none, true, Look::Normal},    {none, none, false, Look::Inactive},
        {none, close, false, Look::Hover},   {close, close, false, Look::Pressed},
    };
    for (const auto& c : looks)
        EXPECT_EQ(c.look, DialogButtonLook(close, c.pressed, c.hot, c.active));
}

TEST(DialogLayout, SmallestSizeHoldsTheIconAndTheButtons) {
    struct Case {
        int style, title;
        bool caption;
        int width, height;
    } cases[] = {
        {0, 25, true, 36, 50},  // small icon + 20; twice the title
        {1, 25, true, 56, 50},  // + M + 20
        {2, 25, true, 77, 50},  // + 2M + 21
        {3, 25, true, 98, 50},  // + 3M + 22
        {3, 35, true, 138, 70}, // the large icon fits a 35-pixel title: 32 + 84 + 22
        {3, 25, false, 98, 20},
    };
    for (const Case& c : cases) {
        DialogFrameParams p = Dialog(c.style, c.title);
        p.hasCaption = c.caption;
        const SIZE smallest = DialogSmallestSize(p);
        EXPECT_EQ(c.width, smallest.cx) << "style " << c.style << ", title " << c.title;
        EXPECT_EQ(c.height, smallest.cy) << "style " << c.style << ", title " << c.title;
    }
}

} // namespace

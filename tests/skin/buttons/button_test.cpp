// NeloButton on real windows: region shapes, the four looks and their
// priority, content movement when pressed, text placement, focus, the stop
// flag, keyboard activation and the colour record with its tooltip part.
#include "test_support.h"

#include <algorithm>

using namespace buttons_test;
using Tavrin::_ButtonColorInfo;
using Tavrin::NeloButton;

namespace {

constexpr int kButtonId = 2001;
constexpr int kOtherId = 2002;

// Solid faces and distinct ring and text colours per look, so that each
// look can be told from every other by exact pixels.
struct LookPixels {
    COLORREF face, outer, inner, text;
};
const LookPixels kNormal{RGB(200, 200, 200), RGB(10, 20, 30), RGB(11, 22, 33), RGB(160, 0, 0)};
const LookPixels kHover{RGB(190, 200, 210), RGB(40, 50, 60), RGB(44, 55, 66), RGB(0, 120, 0)};
const LookPixels kPressed{RGB(180, 170, 160), RGB(70, 80, 90), RGB(77, 88, 99), RGB(0, 0, 170)};
const LookPixels kDisabled{RGB(220, 220, 200), RGB(100, 110, 120), RGB(111, 122, 133), RGB(130, 0, 130)};

_ButtonColorInfo DistinctColours() {
    _ButtonColorInfo c = NeloButton::DefaultColorInfo();
    c.crNormalTop = c.crNormalBottom = kNormal.face;
    c.crHoverTop = c.crHoverBottom = kHover.face;
    c.crPressedTop = c.crPressedBottom = kPressed.face;
    c.crDisabledTop = c.crDisabledBottom = kDisabled.face;
    c.crOuterNormal = kNormal.outer;
    c.crOuterHover = kHover.outer;
    c.crOuterPressed = kPressed.outer;
    c.crOuterDisabled = kDisabled.outer;
    c.crInnerNormal = kNormal.inner;
    c.crInnerHover = kHover.inner;
    c.crInnerPressed = kPressed.inner;
    c.crInnerDisabled = kDisabled.inner;
    c.crTextNormal = kNormal.text;
    c.crTextHover = kHover.text;
    c.crTextPressed = kPressed.text;
    c.crTextDisabled = kDisabled.text;
    c.crFocus = RGB(255, 0, 255);
    return c;
}

class ButtonTest : public HostTest {
protected:
    // A push button of exactly width x height pixels at (x, y), subclassed.
    HWND MakeButton(NeloButton& button, const wchar_t* text, int x, int y, int width, int height,
                    DWORD style = BS_PUSHBUTTON, int id = kButtonId) {
        HWND window = CreateChild(L"BUTTON", text, style | WS_TABSTOP, x, y, width, height, id);
        EXPECT_TRUE(button.SubclassWindow(window));
        Pump();
        return window;
    }

    // Moves the real pointer over a client point and lets the button see it.
    void Hover(HWND window, int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(window, &p);
        ::SetCursorPos(p.x, p.y);
        Pump();
        ::PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        Pump();
    }

    void PointerAway() {
        ::SetCursorPos(1200, 1000);
        Pump();
    }
};

// The window region a style should give, built here from rounded and plain
// rectangles: the rounded box reaches past the square sides.
HRGN ExpectedRegion(int style, int w, int h) {
    const int e = std::min(w, h) <= 30 ? 2 : 4;
    RECT round{0, 0, w, h};
    switch (style) {
    case 0:
        return CreateRectRgn(0, 0, w, h);
    case 2:
        round.right += e;
        break;
    case 3:
        round.left -= e;
        break;
    case 4:
        round.bottom += e;
        break;
    case 5:
        round.top -= e;
        break;
    default:
        break;
    }
    HRGN region = CreateRoundRectRgn(round.left, round.top, round.right, round.bottom, e, e);
    HRGN clip = CreateRectRgn(0, 0, w, h);
    CombineRgn(region, region, clip, RGN_AND);
    DeleteObject(clip);
    return region;
}

// Same pixels (region data may split the same shape into different bands).
::testing::AssertionResult SameShape(HRGN a, HRGN b, int w, int h) {
    for (int y = -5; y < h + 5; ++y)
        for (int x = -5; x < w + 5; ++x)
            if (!PtInRegion(a, x, y) != !PtInRegion(b, x, y))
                return ::testing::AssertionFailure() << "regions differ at (" << x << ", " << y << ")";
    return ::testing::AssertionSuccess();
}

// A pixel of a region that touches its outside: where FrameRgn draws.
bool OnBoundary(HRGN region, int x, int y) {
    if (!PtInRegion(region, x, y))
        return false;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if ((dx == 0) != (dy == 0) && !PtInRegion(region, x + dx, y + dy))
                return true;
    return false;
}

TEST_F(ButtonTest, CornerEllipseSwitchesBetween30And31Pixels) {
    // A 2-pixel ellipse leaves the corner pixel in the region; a 4-pixel one
    // cuts it away.
    HRGN small = CreateRoundRectRgn(0, 0, 100, 30, 2, 2);
    HRGN large = CreateRoundRectRgn(0, 0, 100, 31, 4, 4);
    ASSERT_NE(PtInRegion(small, 0, 0), PtInRegion(large, 0, 0)) << "the two ellipses must differ at (0, 0)";

    NeloButton b30, b31;
    HWND w30 = MakeButton(b30, L"", 10, 10, 100, 30);
    HWND w31 = MakeButton(b31, L"", 10, 60, 100, 31);
    Repaint(Host());

    HRGN actual = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, GetWindowRgn(w30, actual));
    EXPECT_TRUE(SameShape(actual, small, 100, 30));
    ASSERT_NE(ERROR, GetWindowRgn(w31, actual));
    EXPECT_TRUE(SameShape(actual, large, 100, 31));
    DeleteObject(actual);
    DeleteObject(small);
    DeleteObject(large);

    // On screen: the 30-pixel button paints its corner pixel with its outer
    // ring, the 31-pixel one leaves the dialog's background there.
    const COLORREF ring = NeloButton::DefaultColorInfo().crOuterNormal;
    const COLORREF background = ClientPixel(Host(), 5, 5);
    EXPECT_COLOUR(ring, ClientPixel(w30, 0, 0));
    EXPECT_COLOUR(background, ClientPixel(w31, 0, 0));
    EXPECT_COLOUR(ring, ClientPixel(w30, 50, 0));
    EXPECT_COLOUR(ring, ClientPixel(w31, 50, 0));
}

TEST_F(ButtonTest, EachStyleShapesTheWindowAndItsOuterRing) {
    struct Case {
        int style;
        // The corner of the shape that stays square (-1: none, 4: all).
        int squareCorner;
    };
    // Rounded regions end one pixel short of the right and bottom, so only a
    // square corner at the top-left or the plain rectangle keeps (0, 0).
    const Case cases[] = {{0, 4}, {1, -1}, {2, -1}, {3, 0}, {4, -1}, {5, 0}};
    const int w = 100, h = 40;
    const COLORREF ring = NeloButton::DefaultColorInfo().crOuterNormal;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        NeloButton button;
        HWND window = MakeButton(button, L"", 20, 20, w, h);
        ASSERT_EQ(1, button.SetButtonStyle(c.style));
        Repaint(Host());
        HRGN expected = ExpectedRegion(c.style, w, h);
        HRGN actual = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(ERROR, GetWindowRgn(window, actual));
        EXPECT_TRUE(SameShape(actual, expected, w, h));

        EXPECT_EQ(c.squareCorner == 0 || c.squareCorner == 4, PtInRegion(actual, 0, 0) != FALSE);

        // On screen: outside the shape the dialog shows through, and the
        // outer ring runs along the shape's edge.
        const Capture shot = Capture::Client(window);
        const COLORREF background = ClientPixel(Host(), 5, 5);
        int wrong = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const COLORREF p = shot.At(x, y);
                if (!PtInRegion(expected, x, y))
                    wrong += p != background;
                else if (OnBoundary(expected, x, y))
                    wrong += p != ring;
            }
        EXPECT_EQ(0, wrong);
        DeleteObject(actual);
        DeleteObject(expected);
        button.DestroyWindow();
    }
}

TEST_F(ButtonTest, DefaultLookIsAVerticalGradientInTwoRings) {
    NeloButton button;
    HWND window = MakeButton(button, L"", 20, 20, 120, 40);
    Repaint(Host());
    const _ButtonColorInfo c = NeloButton::DefaultColorInfo();
    EXPECT_COLOUR(c.crOuterNormal, ClientPixel(window, 60, 0));
    EXPECT_COLOUR(c.crInnerNormal, ClientPixel(window, 60, 1));
    EXPECT_COLOUR(c.crInnerNormal, ClientPixel(window, 1, 20));
    // Rounded regions end one pixel short: the rings' last rows.
    EXPECT_COLOUR(c.crOuterNormal, ClientPixel(window, 60, 38));
    EXPECT_COLOUR(c.crInnerNormal, ClientPixel(window, 60, 37));
    EXPECT_COLOUR_NEAR(c.crNormalTop, ClientPixel(window, 60, 2), 6);
    EXPECT_COLOUR_NEAR(c.crNormalBottom, ClientPixel(window, 60, 36), 9);
    // In between, the face runs from the top colour to the bottom colour.
    const COLORREF middle = ClientPixel(window, 60, 20);
    EXPECT_LT(GetRValue(middle), GetRValue(c.crNormalTop));
    EXPECT_GT(GetRValue(middle), GetRValue(c.crNormalBottom));
}

TEST_F(ButtonTest, StatePriorityIsDisabledPressedHoverNormal) {
    struct Case {
        const char* name;
        bool disabled, pressed, hover;
        LookPixels expected;
    };
    const Case cases[] = {
        {"normal", false, false, false, kNormal},
        {"hover", false, false, true, kHover},
        {"pressed", false, true, false, kPressed},
        {"pressed over hover", false, true, true, kPressed},
        {"disabled", true, false, false, kDisabled},
        {"disabled over pressed and hover", true, true, true, kDisabled},
    };
    const LookPixels all[] = {kNormal, kHover, kPressed, kDisabled};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NeloButton button;
        HWND window = MakeButton(button, L"WM", 20, 20, 120, 40);
        ASSERT_EQ(1, button.SetButtonColorInfo(DistinctColours()));
        ASSERT_EQ(1, button.SetFont(L"Arial", 16, 1));
        if (c.hover)
            Hover(window, 60, 20);
        if (c.pressed)
            ::SendMessageW(window, BM_SETSTATE, TRUE, 0);
        if (c.disabled)
            ::EnableWindow(window, FALSE);
        Repaint(window);

        const Capture shot = Capture::Client(window);
        EXPECT_COLOUR(c.expected.outer, shot.At(60, 0));
        EXPECT_COLOUR(c.expected.inner, shot.At(60, 1));
        EXPECT_COLOUR(c.expected.face, shot.At(5, 20));
        const RECT inside{2, 2, 118, 38};
        for (const LookPixels& look : all) {
            const int n = shot.Count([&](COLORREF p) { return p == look.text; }, inside);
            if (look.text == c.expected.text)
                EXPECT_GT(n, 10) << "text in the expected colour";
            else
                EXPECT_EQ(0, n) << "text in another look's colour " << Describe(look.text);
        }
        PointerAway();
        button.DestroyWindow();
    }
}

// Bounds of the text (pixels of the look's text colour) and of a red image.
struct ContentBounds {
    RECT text;
    RECT image;
};

ContentBounds MeasureContent(HWND window, COLORREF textColour) {
    const Capture shot = Capture::Client(window);
    const RECT inside{3, 3, shot.Width() - 4, shot.Height() - 4};
    return ContentBounds{shot.Bounds([&](COLORREF p) { return p == textColour; }, inside),
                         shot.Bounds([](COLORREF p) { return p == RGB(255, 0, 0); }, inside)};
}

HBITMAP MakeRedSquare(HDC reference) {
    // 8 x 8 red with a green border that the mask colour makes transparent.
    HDC mem = CreateCompatibleDC(reference);
    HBITMAP bitmap = CreateCompatibleBitmap(reference, 8, 8);
    HGDIOBJ old = SelectObject(mem, bitmap);
    RECT all{0, 0, 8, 8}, inner{1, 1, 7, 7};
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0)), red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(mem, &all, green);
    FillRect(mem, &inner, red);
    SelectObject(mem, old);
    DeleteObject(green);
    DeleteObject(red);
    DeleteDC(mem);
    return bitmap;
}

TEST_F(ButtonTest, PressedContentMovesOnePixelDisabledNever) {
    NeloButton button;
    HWND window = MakeButton(button, L"WM", 20, 20, 140, 50);
    ASSERT_EQ(1, button.SetButtonColorInfo(DistinctColours()));
    ASSERT_EQ(1, button.SetFont(L"Arial", 16, 1));
    ASSERT_EQ(1, button.SetTextAlignment(Tavrin::ButtonTextRightBottom));
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = MakeRedSquare(screen);
    ReleaseDC(nullptr, screen);
    ASSERT_EQ(1, button.SetBitmap(bitmap, RGB(0, 255, 0)));
    ASSERT_EQ(1, button.SetPicturePos(6, 6));
    EXPECT_EQ(bitmap, button.GetBitmap());
    Repaint(window);

    const ContentBounds normal = MeasureContent(window, kNormal.text);
    ASSERT_GT(normal.text.right, 0);
    // The mask colour is transparent: only the 6 x 6 red inside shows, one
    // pixel in from the picture position.
    EXPECT_EQ(7, normal.image.left);
    EXPECT_EQ(7, normal.image.top);
    EXPECT_EQ(13, normal.image.right);
    EXPECT_EQ(13, normal.image.bottom);

    // A real press with the left button.
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 25));
    Pump();
    const ContentBounds pressed = MeasureContent(window, kPressed.text);
    EXPECT_EQ(normal.image.left + 1, pressed.image.left);
    EXPECT_EQ(normal.image.top + 1, pressed.image.top);
    EXPECT_EQ(normal.text.left + 1, pressed.text.left);
    EXPECT_EQ(normal.text.top + 1, pressed.text.top);
    ::PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(70, 25));
    Pump();
    EXPECT_EQ(1, host->CountCommands(kButtonId, BN_CLICKED));

    // Disabled and pushed: the disabled look, nothing moves.
    ::EnableWindow(window, FALSE);
    ::SendMessageW(window, BM_SETSTATE, TRUE, 0);
    Repaint(window);
    const ContentBounds disabled = MeasureContent(window, kDisabled.text);
    EXPECT_EQ(normal.image.left, disabled.image.left);
    EXPECT_EQ(normal.image.top, disabled.image.top);
    EXPECT_EQ(normal.text.left, disabled.text.left);
    EXPECT_EQ(normal.text.top, disabled.text.top);

    button.DestroyWindow();
    DeleteObject(bitmap);
}

TEST_F(ButtonTest, NineTextPlacementsFollowTheAlignmentValue) {
    const int w = 160, h = 70;
    NeloButton button;
    HWND window = MakeButton(button, L"Wy", 20, 20, w, h);
    ASSERT_EQ(1, button.SetButtonColorInfo(DistinctColours()));
    RECT boxes[9];
    for (int alignment = 0; alignment < 9; ++alignment) {
        ASSERT_EQ(1, button.SetTextAlignment(alignment));
        Repaint(window);
        const Capture shot = Capture::Client(window);
        boxes[alignment] =
            shot.Bounds([](COLORREF p) { return p != kNormal.face; }, RECT{3, 3, w - 4, h - 4});
        ASSERT_GT(boxes[alignment].right, 0) << alignment;
    }
    // The text stays inside the margin: min(w / 7, h / 7, 8) = 8 around the
    // box that starts one pixel up.
    const RECT margin{8, 7, w - 9, h - 9};
    for (int a = 0; a < 9; ++a) {
        SCOPED_TRACE(a);
        EXPECT_GE(boxes[a].left, margin.left);
        EXPECT_GE(boxes[a].top, margin.top);
        EXPECT_LE(boxes[a].right, margin.right);
        EXPECT_LE(boxes[a].bottom, margin.bottom + 1);
    }
    // Value / 3 moves the text across, value % 3 moves it down.
    for (int v = 0; v < 3; ++v) {
        EXPECT_LT(boxes[0 + v].left, boxes[3 + v].left);
        EXPECT_LT(boxes[3 + v].left, boxes[6 + v].left);
        EXPECT_EQ(boxes[0 + v].top, boxes[6 + v].top);
    }
    for (int hz = 0; hz < 3; ++hz) {
        EXPECT_LT(boxes[hz * 3].top, boxes[hz * 3 + 1].top);
        EXPECT_LT(boxes[hz * 3 + 1].top, boxes[hz * 3 + 2].top);
        EXPECT_EQ(boxes[hz * 3].left, boxes[hz * 3 + 2].left);
    }
    // An explicit position overrides the alignment until an alignment is set
    // again, even the one that was in force.
    ASSERT_EQ(1, button.SetTextPos(0, 0));
    Repaint(window);
    const RECT atOrigin = Capture::Client(window).Bounds([](COLORREF p) { return p != kNormal.face; },
                                                         RECT{3, 3, w - 4, h - 4});
    EXPECT_EQ(boxes[0].left, atOrigin.left);
    EXPECT_EQ(boxes[0].top, atOrigin.top);
    ASSERT_EQ(1, button.SetTextAlignment(8));
    Repaint(window);
    const RECT back = Capture::Client(window).Bounds([](COLORREF p) { return p != kNormal.face; },
                                                     RECT{3, 3, w - 4, h - 4});
    EXPECT_EQ(boxes[8].left, back.left);
    EXPECT_EQ(boxes[8].top, back.top);
}

TEST_F(ButtonTest, TextStaysInsideTheMarginAndRightBottomHugsTheCorner) {
    const int w = 120, h = 90;
    // Margin min(120 / 7, 90 / 7, 8) = 8 around (0, -1, 119, 89): the text
    // box is (8, 7, 111, 81).
    const RECT box{8, 7, 111, 81};
    auto textBounds = [&](HWND window) {
        return Capture::Client(window).Bounds([](COLORREF p) { return p != kNormal.face; },
                                              RECT{3, 3, w - 4, h - 4});
    };
    {
        SCOPED_TRACE("long text wraps");
        NeloButton button;
        HWND window = MakeButton(button, L"one two three four five six seven", 20, 20, w, h);
        ASSERT_EQ(1, button.SetButtonColorInfo(DistinctColours()));
        ASSERT_EQ(1, button.SetTextAlignment(Tavrin::ButtonTextRightBottom));
        Repaint(window);
        const RECT text = textBounds(window);
        EXPECT_GE(text.left, box.left);
        EXPECT_GE(text.top, box.top);
        EXPECT_LE(text.right, box.right);
        EXPECT_LE(text.bottom, box.bottom);
        EXPECT_GT(text.bottom - text.top, 20) << "more than one line";
    }
    {
        SCOPED_TRACE("short text hugs the bottom-right corner");
        NeloButton button;
        HWND window = MakeButton(button, L"one two", 20, 20, w, h);
        ASSERT_EQ(1, button.SetButtonColorInfo(DistinctColours()));
        ASSERT_EQ(1, button.SetTextAlignment(Tavrin::ButtonTextRightBottom));
        Repaint(window);
        const RECT text = textBounds(window);
        EXPECT_LE(text.right, box.right);
        EXPECT_LE(text.bottom, box.bottom);
        EXPECT_GE(text.right, box.right - 3);
        EXPECT_GE(text.bottom, box.bottom - 5);
    }
}

TEST_F(ButtonTest, FocusDrawsADottedRectangleInset) {
    const int w = 120, h = 40;
    NeloButton button;
    HWND window = MakeButton(button, L"", 20, 20, w, h);
    ASSERT_EQ(1, button.SetButtonColorInfo(DistinctColours()));
    HWND other = CreateChild(L"EDIT", L"", WS_BORDER | WS_TABSTOP, 20, 100, 80, 20, kOtherId);
    ::SetFocus(other);
    Repaint(window);
    const COLORREF focus = RGB(255, 0, 255);
    auto isFocus = [&](COLORREF p) { return p == focus; };
    EXPECT_EQ(0, Capture::Client(window).Count(isFocus, RECT{0, 0, w, h}));

    ::SetFocus(window);
    Repaint(window);
    const Capture shot = Capture::Client(window);
    // k = min(w / 8, h / 8, 8) = 5: the outline runs from (5, 5) to (113, 33).
    const RECT bounds = shot.Bounds(isFocus);
    EXPECT_EQ(5, bounds.left);
    EXPECT_EQ(5, bounds.top);
    EXPECT_EQ(w - 5 - 2 + 1, bounds.right);
    EXPECT_EQ(h - 5 - 2 + 1, bounds.bottom);
    // Dotted: gaps along the top edge.
    const int onTop = shot.Count(isFocus, RECT{5, 5, w - 6, 6});
    EXPECT_GT(onTop, 10);
    EXPECT_LT(onTop, w - 12);

    ASSERT_EQ(1, button.ShowFocusEffect(0));
    Repaint(window);
    EXPECT_EQ(0, Capture::Client(window).Count(isFocus, RECT{0, 0, w, h}));
}

TEST_F(ButtonTest, DoubleClickPressesTheButtonAgain) {
    NeloButton button;
    HWND window = MakeButton(button, L"Go", 20, 20, 80, 30);
    const LPARAM at = MAKELPARAM(40, 15);
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(window, WM_LBUTTONUP, 0, at);
    ::PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::PostMessageW(window, WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ(2, host->CountCommands(kButtonId, BN_CLICKED));
}

TEST_F(ButtonTest, StoppedButtonIgnoresMouseButKeepsKeyboard) {
    NeloButton button;
    HWND window = MakeButton(button, L"Go", 20, 20, 100, 40, BS_DEFPUSHBUTTON);
    ASSERT_EQ(1, button.SetButtonColorInfo(DistinctColours()));
    ASSERT_EQ(1, button.SetToolTipText(L"Start the batch"));
    HWND tip = FindToolTipOf(window);
    ASSERT_NE(nullptr, tip);
    ASSERT_EQ(1, button.Stop(1));
    EXPECT_EQ(1, button.IsStop());

    // Clicks do nothing.
    const LPARAM at = MAKELPARAM(50, 20);
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(window, WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ(0, host->CountCommands(kButtonId, BN_CLICKED));

    // Hover does nothing: the look stays normal and no tip appears, however
    // long past the tip's initial delay one waits. A tip that shows is up
    // within that delay and a few timer rounds (checked at the end).
    const DWORD tipBound =
        3 * static_cast<DWORD>(::SendMessageW(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0)) + 500;
    RECT tipBefore{};
    ::GetWindowRect(tip, &tipBefore);
    Hover(window, 50, 20);
    Hover(window, 52, 21);
    EXPECT_FALSE(PumpUntil([&] { return ::IsWindowVisible(tip) != FALSE; }, tipBound));
    Repaint(window);
    EXPECT_COLOUR(kNormal.outer, ClientPixel(window, 50, 0));
    RECT tipAfter{};
    ::GetWindowRect(tip, &tipAfter);
    EXPECT_TRUE(EqualRect(&tipBefore, &tipAfter)) << "the tip was never sized or placed";

    // The keyboard still presses it: space, then Enter as the default button.
    ::SetFocus(window);
    Pump();
    ::PostMessageW(window, WM_KEYDOWN, VK_SPACE, 0x00390001);
    ::PostMessageW(window, WM_KEYUP, VK_SPACE, 0xC0390001);
    Pump();
    EXPECT_EQ(1, host->CountCommands(kButtonId, BN_CLICKED));
    ::PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ::PostMessageW(window, WM_KEYUP, VK_RETURN, 0xC01C0001);
    Pump();
    EXPECT_EQ(2, host->CountCommands(kButtonId, BN_CLICKED));

    // Started again, a click counts, and the same hover shows the tip within
    // the same wait.
    PointerAway();
    ASSERT_EQ(1, button.Stop(0));
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageW(window, WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ(3, host->CountCommands(kButtonId, BN_CLICKED));
    Hover(window, 50, 20);
    Hover(window, 52, 21);
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(tip) != FALSE; }, tipBound));
    PointerAway();
}

TEST_F(ButtonTest, StoppedDefaultButtonAnswersEnterFromAnotherControl) {
    // The template's default push button, attached by data exchange.
    NeloButton& button = host->templateButton;
    HWND edit = CreateChild(L"EDIT", L"", WS_BORDER | WS_TABSTOP, 20, 100, 80, 20, kOtherId);
    ::SetFocus(edit);
    Pump();
    ASSERT_EQ(1, button.Stop(1));
    EXPECT_EQ(static_cast<LRESULT>(DLGC_DEFPUSHBUTTON),
              ::SendMessageW(button.GetSafeHwnd(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ::PostMessageW(edit, WM_KEYUP, VK_RETURN, 0xC01C0001);
    Pump();
    EXPECT_EQ(1, host->CountCommands(IDC_TEMPLATE_BUTTON, BN_CLICKED));
    ASSERT_EQ(1, button.Stop(0));
}

TEST_F(ButtonTest, StaysOwnerDrawnWhateverTheDialogManagerAsks) {
    NeloButton button;
    HWND window = MakeButton(button, L"Go", 20, 20, 100, 40, BS_DEFPUSHBUTTON);
    auto pushCode = [&] {
        return ::SendMessageW(window, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
    };
    EXPECT_EQ(static_cast<LRESULT>(DLGC_DEFPUSHBUTTON), pushCode());
    ::SendMessageW(window, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), button.GetStyle() & BS_TYPEMASK);
    EXPECT_EQ(static_cast<LRESULT>(DLGC_UNDEFPUSHBUTTON), pushCode());
    ::SendMessageW(window, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), button.GetStyle() & BS_TYPEMASK);
    EXPECT_EQ(static_cast<LRESULT>(DLGC_DEFPUSHBUTTON), pushCode());
}

TEST_F(ButtonTest, ColourRecordNeedsTheWindowAndCarriesTheTooltipColours) {
    NeloButton button;
    _ButtonColorInfo info = DistinctColours();
    EXPECT_EQ(0, button.SetButtonColorInfo(info)) << "no tooltip before subclassing";

    HWND window = MakeButton(button, L"Go", 20, 20, 100, 40);
    info.toolTipColorInfo.crTipText = RGB(1, 2, 3);
    info.toolTipColorInfo.crTipFrame = RGB(4, 5, 6);
    ASSERT_EQ(1, button.SetButtonColorInfo(info));
    HWND tip = FindToolTipOf(window);
    ASSERT_NE(nullptr, tip);
    EXPECT_EQ(RGB(1, 2, 3), static_cast<COLORREF>(::SendMessageW(tip, TTM_GETTIPTEXTCOLOR, 0, 0)));

    // Someone else changes the tip's text colour: the record reports it.
    ::SendMessageW(tip, TTM_SETTIPTEXTCOLOR, RGB(9, 8, 7), 0);
    _ButtonColorInfo read{};
    ASSERT_EQ(1, button.GetButtonColorInfo(read));
    EXPECT_EQ(RGB(9, 8, 7), read.toolTipColorInfo.crTipText);
    EXPECT_EQ(RGB(4, 5, 6), read.toolTipColorInfo.crTipFrame);
    EXPECT_EQ(kPressed.outer, read.crOuterPressed);
    EXPECT_EQ(kDisabled.text, read.crTextDisabled);
}

TEST_F(ButtonTest, SettingColoursLeavesTheKeyboardFocusAlone) {
    NeloButton button;
    MakeButton(button, L"Go", 20, 20, 100, 40);
    HWND edit = CreateChild(L"EDIT", L"", WS_BORDER | WS_TABSTOP, 20, 100, 80, 20, kOtherId);
    ::SetFocus(edit);
    Pump();
    ASSERT_EQ(1, button.SetButtonColorInfo(DistinctColours()));
    Pump();
    EXPECT_EQ(edit, ::GetFocus());
}

TEST_F(ButtonTest, TemplateButtonIsAttachedByDataExchange) {
    HWND window = host->templateButton.GetSafeHwnd();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), host->templateButton.GetStyle() & BS_TYPEMASK);
    EXPECT_NE(nullptr, FindToolTipOf(window));
    Repaint(window);
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_COLOUR(NeloButton::DefaultColorInfo().crOuterNormal, ClientPixel(window, client.right / 2, 0));
}

TEST_F(ButtonTest, HoverLookComesAndGoesWithThePointer) {
    NeloButton button;
    HWND window = MakeButton(button, L"", 20, 20, 100, 40);
    ASSERT_EQ(1, button.SetButtonColorInfo(DistinctColours()));
    Hover(window, 50, 20);
    Repaint(window);
    EXPECT_COLOUR(kHover.outer, ClientPixel(window, 50, 0));
    // The system reports the leave from its own tracking timer.
    ::SetCursorPos(1200, 1000);
    EXPECT_TRUE(PumpUntil([&] { return ClientPixel(window, 50, 0) == kNormal.outer; }));
    // Without the hover effect the pointer changes nothing.
    ASSERT_EQ(1, button.ShowHoverEffect(0));
    Hover(window, 50, 20);
    Repaint(window);
    EXPECT_COLOUR(kNormal.outer, ClientPixel(window, 50, 0));
}

} // namespace

namespace {

TEST_F(ButtonTest, ObjectAttachedAgainGetsAWorkingTip) {
    NeloButton button;
    HWND first = MakeButton(button, L"Once", 20, 20, 100, 40);
    ASSERT_EQ(1, button.SetToolTipText(L"First window"));
    // The tip belongs to the dialog: it dies with the dialog, as here.
    HWND oldTip = FindToolTipOf(first);
    ASSERT_NE(nullptr, oldTip);
    ASSERT_TRUE(::DestroyWindow(first));
    ASSERT_TRUE(::DestroyWindow(oldTip));
    Pump();
    // The same object on a new window: the dialog shown a second time.
    HWND second = MakeButton(button, L"Twice", 20, 20, 100, 40);
    EXPECT_EQ(1, button.SetButtonColorInfo(DistinctColours()));
    HWND tip = FindToolTipOf(second);
    ASSERT_NE(nullptr, tip);
    ASSERT_EQ(1, button.SetToolTipText(L"Second window"));
    EXPECT_EQ(1, ::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    Repaint(second);
    EXPECT_COLOUR(kNormal.outer, ClientPixel(second, 50, 0));
}

} // namespace

namespace {

using quorvex_test::MatchLParam;
using quorvex_test::MatchWParam;
using quorvex_test::Optional;
using quorvex_test::Posted;
using quorvex_test::Sent;
using quorvex_test::ToControl;
using quorvex_test::ToParent;

TEST_F(ButtonTest, ClickSequenceEndsInOneNotificationAndAStoppedButtonEatsIt) {
    NeloButton button;
    HWND window = MakeButton(button, L"Go", 20, 20, 100, 40);
    quorvex_test::MessageRecorder recorder(
        window, Host(),
        {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP, BM_SETSTATE, WM_CAPTURECHANGED, WM_COMMAND});
    POINT centre{50, 20};
    ::ClientToScreen(window, &centre);
    quorvex_test::LeftClick(centre);
    Pump();
    EXPECT_TRUE(recorder.Matches({
        {WM_LBUTTONDOWN, Posted, ToControl},
        {BM_SETSTATE, Sent, ToControl, MatchWParam, TRUE},
        {WM_LBUTTONUP, Posted, ToControl},
        {BM_SETSTATE, Sent, ToControl, MatchWParam, FALSE},
        {WM_CAPTURECHANGED, Sent, ToControl, Optional},
        {WM_COMMAND, Sent, ToParent, MatchWParam | MatchLParam, MAKEWPARAM(kButtonId, BN_CLICKED),
         reinterpret_cast<LPARAM>(window)},
    }));
    EXPECT_EQ(1, host->CountCommands(kButtonId, BN_CLICKED));

    // Stopped, the same input is taken from the queue and goes no further:
    // no press, no notification. (Clicked elsewhere on the button, so that
    // the system does not make a double click of it.)
    ASSERT_EQ(1, button.Stop(1));
    recorder.Clear();
    POINT elsewhere{80, 30};
    ::ClientToScreen(window, &elsewhere);
    quorvex_test::LeftClick(elsewhere);
    Pump();
    EXPECT_TRUE(recorder.Matches({{WM_LBUTTONDOWN, Posted, ToControl}, {WM_LBUTTONUP, Posted, ToControl}}));
    EXPECT_EQ(1, host->CountCommands(kButtonId, BN_CLICKED));
}

} // namespace

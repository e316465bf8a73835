// NeloProgressCtrl on real windows: the bar rectangle for ranges and
// positions (including ranges away from 0 and an empty range), vertical
// bars, both bar styles, the frame and the disabled look that refuses to
// move.
#include "test_support.h"

using namespace buttons_test;
using Tavrin::_ProgressCtrlColorInfo;
using Tavrin::NeloProgressCtrl;

namespace {

const COLORREF kBar = RGB(200, 30, 40);

// Solid linear bar: start and end the same colour, so that every bar pixel
// is exactly kBar.
_ProgressCtrlColorInfo SolidBar() {
    _ProgressCtrlColorInfo c = NeloProgressCtrl::DefaultColorInfo();
    c.crBarLinearStart = c.crBarLinearEnd = kBar;
    c.crBarCenter = c.crBarSurround = kBar;
    return c;
}

class ProgressTest : public HostTest {
protected:
    // A bar whose client area is exactly width x height inside a one-pixel
    // border, as dialog templates give it.
    HWND MakeBar(NeloProgressCtrl& bar, int width, int height, DWORD style = 0) {
        HWND window = CreateChild(PROGRESS_CLASSW, L"", WS_BORDER | style, 20, 20, width + 2, height + 2);
        EXPECT_TRUE(bar.SubclassWindow(window));
        RECT client{};
        ::GetClientRect(window, &client);
        EXPECT_EQ(width, client.right);
        EXPECT_EQ(height, client.bottom);
        return window;
    }
    RECT BarBounds(HWND window) {
        return Capture::Client(window).Bounds([](COLORREF p) { return p == kBar; });
    }
};

TEST_F(ProgressTest, HalfOfA202PixelBarIsTheRectangle1_1_100_19) {
    NeloProgressCtrl bar;
    HWND window = MakeBar(bar, 202, 20);
    ASSERT_EQ(1, bar.SetProgressCtrlColorInfo(SolidBar()));
    ASSERT_EQ(1, bar.SetProgressCtrlStyle(Tavrin::ProgressCtrlLinearGradient));
    bar.SetRange32(0, 100);
    bar.SetPos(50);
    Repaint(window);
    const RECT b = BarBounds(window);
    EXPECT_EQ(1, b.left);
    EXPECT_EQ(1, b.top);
    EXPECT_EQ(100, b.right);
    EXPECT_EQ(19, b.bottom);
    const Capture shot = Capture::Client(window);
    const COLORREF background = NeloProgressCtrl::DefaultColorInfo().crBarBackground;
    EXPECT_COLOUR(background, shot.At(0, 10));
    EXPECT_COLOUR(background, shot.At(100, 10));
    EXPECT_COLOUR(background, shot.At(50, 0));
    EXPECT_COLOUR(background, shot.At(50, 19));
    // The one-pixel frame around the whole window.
    const Capture whole = Capture::Window(window);
    const COLORREF frame = NeloProgressCtrl::DefaultColorInfo().crBarFrame;
    EXPECT_COLOUR(frame, whole.At(0, 0));
    EXPECT_COLOUR(frame, whole.At(100, 0));
    EXPECT_COLOUR(frame, whole.At(203, 21));
    EXPECT_COLOUR(frame, whole.At(0, 11));
}

TEST_F(ProgressTest, BarLengthFollowsTheRangeAndPosition) {
    struct Case {
        int lower, upper, pos;
        int right; // expected bar right edge (exclusive); 0: no bar
    };
    const Case cases[] = {
        {0, 100, 0, 0},       // nothing done: no bar
        {0, 100, 1, 0},       // two pixels long: nothing left after the gap
        {0, 100, 100, 201},   // full
        {100, 200, 150, 100}, // a range away from zero: half
        {100, 200, 100, 0},   // at the lower bound: no bar
        {-100, 0, -50, 100},  // negative range: half
        {0, 1000, 250, 49},   // 0.25 x 202 = 50.5 -> 50, minus the gap
    };
    NeloProgressCtrl bar;
    HWND window = MakeBar(bar, 202, 20);
    ASSERT_EQ(1, bar.SetProgressCtrlColorInfo(SolidBar()));
    ASSERT_EQ(1, bar.SetProgressCtrlStyle(Tavrin::ProgressCtrlLinearGradient));
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.lower << ".." << c.upper << " at " << c.pos);
        bar.SetRange32(c.lower, c.upper);
        bar.SetPos(c.pos);
        Repaint(window);
        const RECT b = BarBounds(window);
        if (c.right == 0) {
            EXPECT_EQ(0, b.right) << "no bar";
        } else {
            EXPECT_EQ(1, b.left);
            EXPECT_EQ(c.right, b.right);
        }
    }
}

TEST_F(ProgressTest, EmptyRangeFillsTheWholeBarWithoutTrapping) {
    NeloProgressCtrl bar;
    HWND window = MakeBar(bar, 100, 16);
    ASSERT_EQ(1, bar.SetProgressCtrlColorInfo(SolidBar()));
    ASSERT_EQ(1, bar.SetProgressCtrlStyle(Tavrin::ProgressCtrlLinearGradient));
    bar.SetRange32(5, 5);
    bar.SetPos(5);
    Repaint(window);
    const RECT b = BarBounds(window);
    EXPECT_EQ(1, b.left);
    EXPECT_EQ(1, b.top);
    EXPECT_EQ(99, b.right);
    EXPECT_EQ(15, b.bottom);
    // Also the full 32-bit range, whose span does not fit an int.
    bar.SetRange32(INT_MIN, INT_MAX);
    bar.SetPos(0);
    Repaint(window);
    EXPECT_EQ(49, BarBounds(window).right);
}

TEST_F(ProgressTest, VerticalBarGrowsFromTheBottom) {
    NeloProgressCtrl bar;
    HWND window = MakeBar(bar, 20, 202, PBS_VERTICAL);
    ASSERT_EQ(1, bar.SetProgressCtrlColorInfo(SolidBar()));
    for (int style : {Tavrin::ProgressCtrlLinearGradient, Tavrin::ProgressCtrlPathGradient}) {
        SCOPED_TRACE(style);
        ASSERT_EQ(1, bar.SetProgressCtrlStyle(style));
        bar.SetRange32(0, 100);
        bar.SetPos(50);
        Repaint(window);
        // top = 202 - 101 = 101, then the one-pixel gap.
        const RECT b = BarBounds(window);
        EXPECT_EQ(1, b.left);
        EXPECT_EQ(102, b.top);
        EXPECT_EQ(19, b.right);
        EXPECT_EQ(201, b.bottom);
    }
}

TEST_F(ProgressTest, DefaultPathGradientIsLitFromTheCentre) {
    NeloProgressCtrl bar;
    HWND window = MakeBar(bar, 202, 20);
    bar.SetRange32(0, 100);
    bar.SetPos(100);
    Repaint(window);
    const _ProgressCtrlColorInfo c = NeloProgressCtrl::DefaultColorInfo();
    const Capture shot = Capture::Client(window);
    EXPECT_COLOUR_NEAR(c.crBarCenter, shot.At(101, 9), 12);
    EXPECT_COLOUR_NEAR(c.crBarSurround, shot.At(1, 1), 20);
    EXPECT_COLOUR(c.crBarBackground, shot.At(0, 0));
    // Linear style: from the start colour on the left to the end colour on
    // the right.
    ASSERT_EQ(1, bar.SetProgressCtrlStyle(Tavrin::ProgressCtrlLinearGradient));
    Repaint(window);
    const Capture linear = Capture::Client(window);
    EXPECT_COLOUR_NEAR(c.crBarLinearStart, linear.At(1, 10), 12);
    EXPECT_COLOUR_NEAR(c.crBarLinearEnd, linear.At(200, 10), 12);
    // Any other style draws no bar.
    ASSERT_EQ(1, bar.SetProgressCtrlStyle(7));
    Repaint(window);
    const Capture none = Capture::Client(window);
    EXPECT_EQ(202 * 20, none.Count([&](COLORREF p) { return p == c.crBarBackground; }, RECT{0, 0, 202, 20}));
}

TEST_F(ProgressTest, DisabledBarShowsItsGreyLookAndRefusesToMove) {
    NeloProgressCtrl bar;
    HWND window = MakeBar(bar, 120, 16);
    bar.SetRange32(0, 100);
    bar.SetStep(10);
    bar.SetPos(40);
    ::EnableWindow(window, FALSE);
    Repaint(window);
    const _ProgressCtrlColorInfo c = NeloProgressCtrl::DefaultColorInfo();
    EXPECT_EQ(RGB(230, 230, 210), c.crBarBackgroundDisabled);
    const Capture shot = Capture::Client(window);
    EXPECT_EQ(120 * 16,
              shot.Count([&](COLORREF p) { return p == c.crBarBackgroundDisabled; }, RECT{0, 0, 120, 16}))
        << "no bar while disabled";
    const Capture whole = Capture::Window(window);
    EXPECT_COLOUR(c.crBarFrameDisabled, whole.At(0, 0));
    EXPECT_COLOUR(c.crBarFrameDisabled, whole.At(60, 17));

    EXPECT_EQ(0, ::SendMessageW(window, PBM_SETPOS, 90, 0));
    EXPECT_EQ(0, ::SendMessageW(window, PBM_STEPIT, 0, 0));
    EXPECT_EQ(40, bar.GetPos());

    ::EnableWindow(window, TRUE);
    Pump();
    EXPECT_EQ(40, ::SendMessageW(window, PBM_STEPIT, 0, 0)) << "the previous position";
    EXPECT_EQ(50, bar.GetPos());
    EXPECT_COLOUR(c.crBarFrame, Capture::Window(window).At(0, 0));
}

using quorvex_test::FramedOnePixel;

TEST_F(ProgressTest, TemplateBarsInAGroupBoxKeepTheirFramesThroughCoverAndRepaint) {
    // As applications make them: from the dialog's template with WS_BORDER,
    // inside a group box, attached by data exchange, in a dialog that has
    // been shown, covered and repainted.
    NeloProgressCtrl& bar = host->groupedBar;
    NeloProgressCtrl& disabled = host->groupedDisabledBar;
    bar.SetRange32(0, 100);
    bar.SetPos(40);
    disabled.EnableWindow(FALSE);
    const _ProgressCtrlColorInfo c = NeloProgressCtrl::DefaultColorInfo();
    CoverAndUncover();
    EXPECT_TRUE(FramedOnePixel(bar.GetSafeHwnd(), c.crBarFrame));
    EXPECT_TRUE(FramedOnePixel(disabled.GetSafeHwnd(), c.crBarFrameDisabled));

    // The group box repaints what lies beneath it when its line changes.
    ASSERT_EQ(1, host->barsGroup.SetLineThickness(3));
    Pump();
    EXPECT_TRUE(FramedOnePixel(bar.GetSafeHwnd(), c.crBarFrame));
    EXPECT_TRUE(FramedOnePixel(disabled.GetSafeHwnd(), c.crBarFrameDisabled));
    ASSERT_EQ(1, host->barsGroup.SetLineThickness(1));

    Repaint(Host());
    EXPECT_TRUE(FramedOnePixel(bar.GetSafeHwnd(), c.crBarFrame));
    EXPECT_TRUE(FramedOnePixel(disabled.GetSafeHwnd(), c.crBarFrameDisabled));
    disabled.EnableWindow(TRUE);
}

TEST_F(ProgressTest, TemplateBarIsAttachedByDataExchange) {
    NeloProgressCtrl& bar = host->templateProgress;
    ASSERT_NE(nullptr, bar.GetSafeHwnd());
    ASSERT_EQ(1, bar.SetProgressCtrlColorInfo(SolidBar()));
    bar.SetRange32(0, 10);
    bar.SetPos(10);
    Repaint(bar.GetSafeHwnd());
    RECT client{};
    ::GetClientRect(bar.GetSafeHwnd(), &client);
    const RECT b = BarBounds(bar.GetSafeHwnd());
    EXPECT_EQ(1, b.left);
    EXPECT_EQ(client.right - 1, b.right);
    bar.SetPos(0);
    ASSERT_EQ(1, bar.SetProgressCtrlColorInfo(NeloProgressCtrl::DefaultColorInfo()));
}

} // namespace

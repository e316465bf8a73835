// The skinned slider: its defaults and attach-time styles, the channel
// thickness rule, its looks in every state at screen pixels (horizontal and
// vertical, rectangle and round thumb), the keyboard and dragging with the
// scroll messages the parent gets, a slider from the dialog's template after
// the dialog was covered, and GDI counts over repaints.
#include "menu_test_support.h"

#include "support/colour_record.h"

#include <algorithm>
#include <cmath>

using namespace menus_test;
using namespace Tavrin;
using quorvex_test::ColourEntry;
using quorvex_test::MessageRecorder;
using quorvex_test::Mix;
using quorvex_test::RecordHolds;

namespace {

const ColourEntry<_SliderCtrlColorInfo> kSliderColours[] = {
    {"clrBack", &_SliderCtrlColorInfo::clrBack, RGB(225, 236, 249)},
    {"clrChannelA", &_SliderCtrlColorInfo::clrChannelA, RGB(176, 176, 168)},
    {"clrChannelB", &_SliderCtrlColorInfo::clrChannelB, RGB(250, 250, 250)},
    {"clrPassedA", &_SliderCtrlColorInfo::clrPassedA, RGB(48, 94, 150)},
    {"clrPassedB", &_SliderCtrlColorInfo::clrPassedB, RGB(58, 178, 187)},
    {"clrChannelDisabledA", &_SliderCtrlColorInfo::clrChannelDisabledA, RGB(206, 206, 202)},
    {"clrChannelDisabledB", &_SliderCtrlColorInfo::clrChannelDisabledB, RGB(250, 250, 250)},
    {"clrPassedDisabledA", &_SliderCtrlColorInfo::clrPassedDisabledA, RGB(172, 168, 153)},
    {"clrPassedDisabledB", &_SliderCtrlColorInfo::clrPassedDisabledB, RGB(222, 218, 203)},
    {"clrSliderOutline", &_SliderCtrlColorInfo::clrSliderOutline, RGB(104, 128, 184)},
    {"clrSliderOutlineHot", &_SliderCtrlColorInfo::clrSliderOutlineHot, RGB(88, 168, 240)},
    {"clrSliderOutlineDisabled", &_SliderCtrlColorInfo::clrSliderOutlineDisabled, RGB(172, 168, 153)},
    {"clrSliderFocus", &_SliderCtrlColorInfo::clrSliderFocus, RGB(28, 81, 128)},
    {"clrKnobFrom", &_SliderCtrlColorInfo::clrKnobFrom, RGB(243, 243, 243)},
    {"clrKnobTo", &_SliderCtrlColorInfo::clrKnobTo, RGB(181, 208, 232)},
    {"clrKnobPressedFrom", &_SliderCtrlColorInfo::clrKnobPressedFrom, RGB(136, 176, 216)},
    {"clrKnobPressedTo", &_SliderCtrlColorInfo::clrKnobPressedTo, RGB(243, 243, 243)},
    {"clrKnobHotFrom", &_SliderCtrlColorInfo::clrKnobHotFrom, RGB(243, 243, 243)},
    {"clrKnobHotTo", &_SliderCtrlColorInfo::clrKnobHotTo, RGB(136, 176, 216)},
    {"clrKnobDisabledFrom", &_SliderCtrlColorInfo::clrKnobDisabledFrom, RGB(230, 230, 230)},
    {"clrKnobDisabledTo", &_SliderCtrlColorInfo::clrKnobDisabledTo, RGB(166, 166, 162)},
};

const COLORREF kBack = RGB(225, 236, 249);
const COLORREF kOutline = RGB(104, 128, 184);
const COLORREF kOutlineHot = RGB(88, 168, 240);
const COLORREF kOutlineDisabled = RGB(172, 168, 153);
const COLORREF kFocus = RGB(28, 81, 128);

class SliderTest : public quorvex_test::HostTest<MenusHost> {
protected:
    void TearDown() override {
        ::SendInput(1, Ptr(quorvex_test::MouseInput(MOUSEEVENTF_LEFTUP)), sizeof(INPUT));
        for (NeloSliderCtrl* s : {&horizontal, &vertical})
            if (s->GetSafeHwnd())
                s->DestroyWindow();
        quorvex_test::HostTest<MenusHost>::TearDown();
    }
    static INPUT* Ptr(INPUT input) {
        static INPUT kept;
        kept = input;
        return &kept;
    }
    // A 200 x 25 slider at (20, 60), range 0..100 at 50, and a 25 x 200 one.
    void MakeHorizontal(DWORD style = 0) {
        HWND w = CreateChild(TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_NOTICKS | WS_TABSTOP | style, 20, 60, 200,
                             25, 501);
        ASSERT_TRUE(horizontal.SubclassWindow(w));
        horizontal.SetRange(0, 100, TRUE);
        horizontal.SetPos(50);
        Pump();
    }
    void MakeVertical() {
        HWND w =
            CreateChild(TRACKBAR_CLASSW, L"", TBS_VERT | TBS_NOTICKS | WS_TABSTOP, 250, 40, 25, 200, 502);
        ASSERT_TRUE(vertical.SubclassWindow(w));
        vertical.SetRange(0, 100, TRUE);
        vertical.SetPos(50);
        Pump();
    }
    // The parts as the trackbar reports them, and the channel drawn from
    // them: 'thickness' thick, a third of the thumb's breadth in.
    struct Parts {
        RECT thumb, channel;
    };
    static Parts PartsOf(CSliderCtrl& slider, int thickness = 7) {
        Parts p{};
        RECT reported{};
        slider.GetChannelRect(&reported);
        slider.GetThumbRect(&p.thumb);
        if (slider.GetStyle() & TBS_VERT) {
            // Reported as if it lay across, or upright: the longer side runs
            // along the slider.
            const bool across = reported.right - reported.left > reported.bottom - reported.top;
            const int left = p.thumb.left + (p.thumb.right - p.thumb.left) / 3;
            p.channel = across ? RECT{left, reported.left, left + thickness, reported.right}
                               : RECT{left, reported.top, left + thickness, reported.bottom};
        } else {
            const int top = p.thumb.top + (p.thumb.bottom - p.thumb.top) / 3;
            p.channel = RECT{reported.left, top, reported.right, top + thickness};
        }
        return p;
    }
    Capture Shot(CWnd& slider) {
        Repaint(slider.GetSafeHwnd());
        return Capture::Client(slider.GetSafeHwnd());
    }
    POINT ScreenPoint(CWnd& slider, int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(slider.GetSafeHwnd(), &p);
        return p;
    }
    NeloSliderCtrl horizontal;
    NeloSliderCtrl vertical;
};

TEST(SliderDefaults, ColourRecord) {
    EXPECT_TRUE(RecordHolds(NeloSliderCtrl::DefaultColorInfo(), kSliderColours));
}

TEST_F(SliderTest, AttachingSetsStylesThumbLengthAndDefaults) {
    NeloSliderCtrl& slider = host->templateSlider;
    _SliderCtrlColorInfo read{};
    EXPECT_EQ(1, slider.GetSliderCtrlColorInfo(read));
    EXPECT_TRUE(RecordHolds(read, kSliderColours));
    EXPECT_EQ(7, slider.GetChannelThickness());
    EXPECT_EQ(21, slider.GetThumbLength());
    EXPECT_TRUE(slider.GetStyle() & TBS_FIXEDLENGTH);
    EXPECT_TRUE(slider.GetExStyle() & WS_EX_TRANSPARENT);
    EXPECT_FALSE(slider.GetExStyle() & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME));
    // Shown, covered and uncovered inside its group box: still ours.
    CoverAndUncover();
    const Capture shot = Capture::Client(slider.GetSafeHwnd());
    EXPECT_COLOUR(kBack, shot.At(2, 1));
    EXPECT_GT(shot.Count([](COLORREF c) { return c == kOutline; }), 20);
    EXPECT_COLOUR(kBack, Capture::Client(host->templateVertical.GetSafeHwnd()).At(1, 2));
}

TEST_F(SliderTest, ChannelThicknessMustFitThreeTimes) {
    MakeHorizontal();
    struct Case {
        int thickness;
        int result;
        int kept;
        int thumbLength;
    };
    // 25 high: 23 pixels across for three times the thickness.
    const Case cases[] = {{3, 0, 7, 21}, {8, 0, 7, 21}, {4, 1, 4, 12}, {7, 1, 7, 21}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.thickness);
        EXPECT_EQ(c.result, horizontal.SetChannelThickness(c.thickness));
        EXPECT_EQ(c.kept, horizontal.GetChannelThickness());
        EXPECT_EQ(c.thumbLength, horizontal.GetThumbLength());
    }
}

TEST_F(SliderTest, HorizontalLooksInEveryState) {
    MakeHorizontal();
    const Parts p = PartsOf(horizontal);
    const int midY = p.channel.top + 3;
    const int thumbMidY = (p.thumb.top + p.thumb.bottom) / 2;
    // Gradients across the 7-pixel channel: row 3 is 3/7 of the way down.
    const double across = 3.0 / 7.0;

    Capture shot = Shot(horizontal);
    EXPECT_COLOUR(kBack, shot.At(2, 1));
    EXPECT_COLOUR(kOutline, shot.At(p.channel.left, midY));
    EXPECT_COLOUR(kOutline, shot.At(p.channel.right - 1, midY));
    EXPECT_COLOUR_NEAR(Mix(RGB(48, 94, 150), RGB(58, 178, 187), across), shot.At(p.channel.left + 3, midY),
                       20);
    EXPECT_COLOUR_NEAR(Mix(RGB(176, 176, 168), RGB(250, 250, 250), across),
                       shot.At(p.channel.right - 4, midY), 20);
    EXPECT_COLOUR(kOutline, shot.At(p.thumb.left, thumbMidY));
    // The thumb's gradient runs from left to right; its next-to-last column
    // is nearly the second colour.
    const double nearEnd = (p.thumb.right - p.thumb.left - 1.5) / (p.thumb.right - p.thumb.left);
    EXPECT_COLOUR_NEAR(RGB(243, 243, 243), shot.At(p.thumb.left + 1, thumbMidY), 12);
    EXPECT_COLOUR_NEAR(Mix(RGB(243, 243, 243), RGB(181, 208, 232), nearEnd),
                       shot.At(p.thumb.right - 2, thumbMidY), 10);
    EXPECT_EQ(0, shot.Count([](COLORREF c) { return c == kFocus; })) << "no focus rectangle by default";

    // Pointer over the channel: the hot outline; then over the thumb: the hot thumb.
    const POINT overChannel = ScreenPoint(horizontal, p.channel.right - 10, midY);
    MoveMouse(overChannel);
    Pump();
    shot = Shot(horizontal);
    EXPECT_COLOUR(kOutlineHot, shot.At(p.channel.left, midY));
    MoveMouse(ScreenPoint(horizontal, (p.thumb.left + p.thumb.right) / 2, midY));
    Pump();
    shot = Shot(horizontal);
    EXPECT_COLOUR_NEAR(Mix(RGB(243, 243, 243), RGB(136, 176, 216), nearEnd),
                       shot.At(p.thumb.right - 2, thumbMidY), 10);

    // Held on the thumb: the pressed pair.
    ::SendInput(1, Ptr(quorvex_test::MouseInput(MOUSEEVENTF_LEFTDOWN)), sizeof(INPUT));
    Pump();
    shot = Shot(horizontal);
    EXPECT_COLOUR_NEAR(RGB(136, 176, 216), shot.At(p.thumb.left + 1, thumbMidY), 12);
    ::SendInput(1, Ptr(quorvex_test::MouseInput(MOUSEEVENTF_LEFTUP)), sizeof(INPUT));
    MoveMouse(POINT{1200, 1000});
    Pump();

    // Focus rectangle when asked for; none once disabled.
    horizontal.ShowFocusEffect(1);
    horizontal.SetFocus();
    shot = Shot(horizontal);
    EXPECT_GT(shot.Count([](COLORREF c) { return c == kFocus; }, RECT{0, 0, 200, 1}), 20);

    horizontal.EnableWindow(FALSE);
    shot = Shot(horizontal);
    EXPECT_EQ(0, shot.Count([](COLORREF c) { return c == kFocus; }));
    EXPECT_COLOUR(kOutlineDisabled, shot.At(p.channel.left, midY));
    EXPECT_COLOUR(kOutlineDisabled, shot.At(p.thumb.left, thumbMidY));
    EXPECT_COLOUR_NEAR(Mix(RGB(172, 168, 153), RGB(222, 218, 203), across), shot.At(p.channel.left + 3, midY),
                       20);
    EXPECT_COLOUR_NEAR(Mix(RGB(206, 206, 202), RGB(250, 250, 250), across),
                       shot.At(p.channel.right - 4, midY), 20);
    EXPECT_COLOUR_NEAR(RGB(230, 230, 230), shot.At(p.thumb.left + 1, thumbMidY), 12);
    horizontal.EnableWindow(TRUE);

    // Without the passed part the whole channel wears the channel colours.
    horizontal.ShowPassedChannel(0);
    shot = Shot(horizontal);
    EXPECT_COLOUR_NEAR(Mix(RGB(176, 176, 168), RGB(250, 250, 250), across), shot.At(p.channel.left + 3, midY),
                       20);
}

TEST_F(SliderTest, VerticalChannelStandsUprightAndPassesFromTheTop) {
    MakeVertical();
    const Parts p = PartsOf(vertical);
    ASSERT_GT(p.channel.bottom - p.channel.top, p.channel.right - p.channel.left);
    const int midX = p.channel.left + 3;
    const Capture shot = Shot(vertical);
    EXPECT_COLOUR(kOutline, shot.At(p.channel.left, p.channel.top + 30));
    EXPECT_COLOUR(kOutline, shot.At(p.channel.right - 1, p.channel.top + 30));
    EXPECT_COLOUR(kOutline, shot.At(midX, p.channel.top));
    // Across a vertical channel the gradients run from B at the left to A.
    const double across = 3.0 / 7.0;
    EXPECT_COLOUR_NEAR(Mix(RGB(58, 178, 187), RGB(48, 94, 150), across), shot.At(midX, p.thumb.top - 3), 20);
    EXPECT_COLOUR_NEAR(Mix(RGB(250, 250, 250), RGB(176, 176, 168), across), shot.At(midX, p.thumb.bottom + 3),
                       20);
}

TEST_F(SliderTest, RoundKnobLengthAndGrowthWhileHeld) {
    MakeHorizontal();
    Parts p = PartsOf(horizontal);
    // The knob's box: the thumb along the slider, the channel's 7 across.
    const double w = p.thumb.right - p.thumb.left, h = 7;
    const int length = 2 * static_cast<int>(std::sqrt(w * w + h * h) / 2 + 1.5) - 2;
    EXPECT_EQ(1, horizontal.SetSliderCtrlStyle(StyleRound));
    EXPECT_EQ(length, horizontal.GetThumbLength());
    EXPECT_EQ(1, horizontal.SetSliderCtrlStyle(StyleRound)) << "the same style again";
    p = PartsOf(horizontal);
    const int cx = (p.thumb.left + p.thumb.right) / 2;
    auto extent = [&](const Capture& c) {
        int top = 1000, bottom = -1;
        for (int y = 0; y < c.Height(); ++y)
            if (c.At(cx, y) != kBack) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        return bottom - top + 1;
    };
    const int idle = extent(Shot(horizontal));
    const POINT centre = ScreenPoint(horizontal, cx, (p.channel.top + p.channel.bottom) / 2);
    MoveMouse(centre);
    ::SendInput(1, Ptr(quorvex_test::MouseInput(MOUSEEVENTF_LEFTDOWN)), sizeof(INPUT));
    Pump();
    const int held = extent(Shot(horizontal));
    ::SendInput(1, Ptr(quorvex_test::MouseInput(MOUSEEVENTF_LEFTUP)), sizeof(INPUT));
    Pump();
    // Two pixels more radius: four more across, give or take the edge's smoothing.
    EXPECT_GE(held - idle, 3);
    EXPECT_LE(held - idle, 5);
    EXPECT_EQ(1, horizontal.SetSliderCtrlStyle(StyleRectangle));
    EXPECT_EQ(21, horizontal.GetThumbLength());
}

TEST_F(SliderTest, KeyboardAndDraggingSendTheTrackbarsScrollMessages) {
    MakeHorizontal();
    horizontal.SetFocus();
    Pump();
    MessageRecorder recorder(horizontal.GetSafeHwnd(), Host(), {WM_HSCROLL});
    auto codes = [&] {
        std::vector<UINT> seen;
        for (const quorvex_test::RecordedMessage& m : recorder.Messages())
            if (m.target == quorvex_test::ToParent)
                seen.push_back(LOWORD(m.wParam));
        return seen;
    };
    PressKey(VK_RIGHT);
    Pump();
    EXPECT_EQ(51, horizontal.GetPos());
    EXPECT_EQ((std::vector<UINT>{TB_LINEDOWN, TB_ENDTRACK}), codes());
    recorder.Clear();
    PressKey(VK_END);
    Pump();
    EXPECT_EQ(100, horizontal.GetPos());
    EXPECT_EQ((std::vector<UINT>{TB_BOTTOM, TB_ENDTRACK}), codes());

    horizontal.SetPos(20);
    Pump();
    recorder.Clear();
    const Parts p = PartsOf(horizontal);
    const int y = (p.thumb.top + p.thumb.bottom) / 2;
    const int x = (p.thumb.left + p.thumb.right) / 2;
    quorvex_test::LeftDrag(ScreenPoint(horizontal, x, y),
                           {ScreenPoint(horizontal, x + 30, y), ScreenPoint(horizontal, x + 60, y)});
    Pump();
    EXPECT_GT(horizontal.GetPos(), 40);
    const std::vector<UINT> seen = codes();
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(static_cast<UINT>(TB_THUMBTRACK), seen.front());
    EXPECT_NE(seen.end(), std::find(seen.begin(), seen.end(), static_cast<UINT>(TB_THUMBPOSITION)));
    EXPECT_EQ(static_cast<UINT>(TB_ENDTRACK), seen.back());
    for (UINT code : seen)
        EXPECT_TRUE(code == TB_THUMBTRACK || code == TB_THUMBPOSITION || code == TB_ENDTRACK) << code;
    // The release ended the pressed look.
    EXPECT_COLOUR_NEAR(RGB(243, 243, 243), Shot(horizontal).At(PartsOf(horizontal).thumb.left + 1, y), 12);
}

TEST_F(SliderTest, RepaintsLeaveNoGdiObjectsBehind) {
    MakeHorizontal();
    MakeVertical();
    auto repaint = [this](int times) {
        for (int state = 0; state < 3; ++state) {
            horizontal.EnableWindow(state != 1);
            horizontal.SetSliderCtrlStyle(state == 2 ? StyleRound : StyleRectangle);
            horizontal.ShowFocusEffect(1);
            horizontal.SetFocus();
            for (int i = 0; i < times; ++i) {
                ::RedrawWindow(horizontal.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                if (state == 0)
                    ::RedrawWindow(vertical.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            }
        }
        Pump();
    };
    repaint(5); // the shared brushes and fonts are made once
    const quorvex_test::GdiCounts before = quorvex_test::CountGdi();
    repaint(1000);
    Pump();
    const quorvex_test::GdiCounts after = quorvex_test::CountGdi();
    EXPECT_EQ(before.wrappers, after.wrappers);
    EXPECT_EQ(before.handles, after.handles);
}

} // namespace

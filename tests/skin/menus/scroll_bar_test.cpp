// NeloScrollBar in a real window, owned by the host dialog: its colour
// defaults, its range arithmetic, the conversation with its owner for arrow
// clicks, auto-repeat, paging, thumb drags and a capture lost in the middle
// of each, the host-driven mode, the hover message, its looks at exact
// pixels and its repaints without leaks.
#include "test_support.h"

#include "support/colour_record.h"

#include <climits>

using namespace menus_test;
using quorvex_test::ColourEntry;
using quorvex_test::ExpectedMessage;
using quorvex_test::MatchLParam;
using quorvex_test::MatchWParam;
using quorvex_test::Optional;
using quorvex_test::Posted;
using quorvex_test::RecordHolds;
using quorvex_test::Sent;
using quorvex_test::ToControl;
using quorvex_test::ToParent;
using Tavrin::_ScrollBarColorInfo;
using Tavrin::NeloScrollBar;

namespace {

// Where the cases put their bar in the host: 17 x 200 at (20, 20), range
// 0..99, page 10. Arrows 17 x 17, track 17..183, thumb 16 long, free run 150.
constexpr int kLeft = 20;
constexpr int kTop = 20;

class ScrollBarTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        host->scrolls.clear();
        host->follow = nullptr;
    }
    void TearDown() override {
        MouseRelease();
        ::SetCursorPos(RestingPointer().x, RestingPointer().y);
        host->follow = nullptr;
        bar.reset();
        Pump();
        HostTest::TearDown();
    }

    NeloScrollBar& MakeBar(bool vertical = true, int page = 10, int width = 17, int height = 200) {
        bar.reset(new NeloScrollBar);
        const CRect rect(kLeft, kTop, kLeft + width, kTop + height);
        EXPECT_EQ(1, bar->Create(host, host, rect, 7001, vertical ? 1 : 0, WS_CHILD | WS_VISIBLE, 0));
        SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, static_cast<UINT>(page), 0, 0};
        EXPECT_EQ(1, bar->SetScrollInfo(&info));
        Pump();
        return *bar;
    }
    POINT At(int x, int y) const { return OnScreen(bar->GetSafeHwnd(), x, y); }
    HWND Bar() const { return bar->GetSafeHwnd(); }

    // The scroll codes the owner heard, in order.
    std::vector<UINT> Codes() const {
        std::vector<UINT> codes;
        for (const auto& s : host->scrolls)
            codes.push_back(s.code);
        return codes;
    }
    static ExpectedMessage Scroll(UINT code, UINT pos = 0) {
        return ExpectedMessage{WM_VSCROLL, Sent, ToParent, MatchWParam | MatchLParam, MAKEWPARAM(code, pos), 0};
    }

    std::unique_ptr<NeloScrollBar> bar;
};

TEST(ScrollBarDefaults, ColourRecord) {
    using S = _ScrollBarColorInfo;
    const ColourEntry<S> kDefaults[] = {
        {"clrTrackA", &S::clrTrackA, RGB(176, 176, 168)},
        {"clrTrackB", &S::clrTrackB, RGB(250, 250, 250)},
        {"clrTrackDisabledA", &S::clrTrackDisabledA, RGB(206, 206, 202)},
        {"clrTrackDisabledB", &S::clrTrackDisabledB, RGB(250, 250, 250)},
        {"clrFrame", &S::clrFrame, RGB(201, 215, 241)},
        {"clrFrameDisabled", &S::clrFrameDisabled, RGB(220, 220, 220)},
        {"clrThumbFrom", &S::clrThumbFrom, RGB(243, 243, 243)},
        {"clrThumbTo", &S::clrThumbTo, RGB(181, 208, 232)},
        {"clrThumbPressedFrom", &S::clrThumbPressedFrom, RGB(136, 176, 216)},
        {"clrThumbPressedTo", &S::clrThumbPressedTo, RGB(243, 243, 243)},
        {"clrThumbHotFrom", &S::clrThumbHotFrom, RGB(243, 243, 243)},
        {"clrThumbHotTo", &S::clrThumbHotTo, RGB(136, 176, 216)},
        {"clrOutline", &S::clrOutline, RGB(104, 128, 184)},
        {"clrOutlinePressed", &S::clrOutlinePressed, RGB(88, 168, 240)},
        {"clrOutlineHot", &S::clrOutlineHot, RGB(88, 168, 240)},
        {"clrOutlineDisabled", &S::clrOutlineDisabled, RGB(204, 204, 204)},
        {"clrArrowBackFrom", &S::clrArrowBackFrom, RGB(243, 243, 243)},
        {"clrArrowBackTo", &S::clrArrowBackTo, RGB(181, 208, 232)},
        {"clrArrowBackPressedFrom", &S::clrArrowBackPressedFrom, RGB(160, 200, 240)},
        {"clrArrowBackPressedTo", &S::clrArrowBackPressedTo, RGB(243, 243, 243)},
        {"clrArrowBackHotFrom", &S::clrArrowBackHotFrom, RGB(243, 243, 243)},
        {"clrArrowBackHotTo", &S::clrArrowBackHotTo, RGB(160, 200, 240)},
        {"clrArrowBackDisabledFrom", &S::clrArrowBackDisabledFrom, RGB(225, 234, 254)},
        {"clrArrowBackDisabledTo", &S::clrArrowBackDisabledTo, RGB(185, 205, 251)},
        {"clrGlyph", &S::clrGlyph, RGB(77, 97, 133)},
        {"clrGlyphPressed", &S::clrGlyphPressed, RGB(82, 122, 202)},
        {"clrGlyphHot", &S::clrGlyphHot, RGB(80, 120, 200)},
        {"clrGlyphDisabled", &S::clrGlyphDisabled, RGB(172, 168, 153)},
        {"clrGripLight", &S::clrGripLight, RGB(240, 240, 240)},
        {"clrGripLightPressed", &S::clrGripLightPressed, RGB(240, 240, 240)},
        {"clrGripLightHot", &S::clrGripLightHot, RGB(240, 240, 240)},
        {"clrGripDark", &S::clrGripDark, RGB(77, 97, 133)},
        {"clrGripDarkPressed", &S::clrGripDarkPressed, RGB(82, 122, 202)},
        {"clrGripDarkHot", &S::clrGripDarkHot, RGB(80, 120, 200)},
    };
    NeloScrollBar bar;
    _ScrollBarColorInfo record{};
    ASSERT_EQ(1, bar.GetScrollBarColorInfo(record));
    EXPECT_TRUE(RecordHolds(record, kDefaults));
}

TEST_F(ScrollBarTest, CreateNeedsParentAndOwner) {
    NeloScrollBar loose;
    EXPECT_EQ(0, loose.Create(nullptr, host, CRect(0, 0, 17, 100), 1, 1, WS_CHILD, 0));
    EXPECT_EQ(0, loose.Create(host, nullptr, CRect(0, 0, 17, 100), 1, 1, WS_CHILD, 0));
    EXPECT_EQ(nullptr, loose.GetSafeHwnd());
    EXPECT_EQ(0, loose.EnableWindow(1)) << "no owner";
}

TEST_F(ScrollBarTest, RangePageAndPositionArithmetic) {
    NeloScrollBar& b = MakeBar();
    struct Step {
        const char* what;
        int (*act)(NeloScrollBar&);
        int result, nMin, nMax, nPage, nPos;
        bool enabled;
    };
    const Step steps[] = {
        {"a position past the last page stops there", [](NeloScrollBar& s) { return s.SetScrollPos(95); }, 1, 0,
         99, 10, 90, true},
        {"below the minimum", [](NeloScrollBar& s) { return s.SetScrollPos(-3); }, 1, 0, 99, 10, 0, true},
        {"a reversed range is refused",
         [](NeloScrollBar& s) { return s.SetScrollRange(50, 10); }, 0, 0, 99, 10, 0, true},
        {"a smaller range lowers the page",
         [](NeloScrollBar& s) { return s.SetScrollRange(0, 4); }, 1, 0, 4, 5, 0, false},
        {"a page larger than the range stores the range's size",
         [](NeloScrollBar& s) {
             SCROLLINFO i{sizeof(i), SIF_RANGE | SIF_PAGE, 0, 49, 80, 0, 0};
             return s.SetScrollInfo(&i);
         },
         1, 0, 49, 50, 0, false},
        {"a reversed record is refused whatever its mask",
         [](NeloScrollBar& s) {
             SCROLLINFO i{sizeof(i), SIF_POS, 10, 5, 0, 3, 0};
             return s.SetScrollInfo(&i);
         },
         0, 0, 49, 50, 0, false},
        {"page 0: positions up to the maximum, never past it",
         [](NeloScrollBar& s) {
             SCROLLINFO i{sizeof(i), SIF_ALL, 0, 99, 0, 500, 0};
             return s.SetScrollInfo(&i);
         },
         1, 0, 99, 0, 99, true},
        {"the whole int range",
         [](NeloScrollBar& s) {
             SCROLLINFO i{sizeof(i), SIF_ALL, INT_MIN, INT_MAX, 0x40000000, INT_MAX, 0};
             return s.SetScrollInfo(&i);
         },
         1, INT_MIN, INT_MAX, 0x40000000, INT_MAX - 0x40000000 + 1, true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        EXPECT_EQ(s.result, s.act(b));
        SCROLLINFO info{};
        ASSERT_EQ(1, b.GetScrollInfo(&info, SIF_ALL));
        EXPECT_EQ(sizeof(SCROLLINFO), info.cbSize);
        EXPECT_EQ(static_cast<UINT>(SIF_ALL), info.fMask);
        EXPECT_EQ(s.nMin, info.nMin);
        EXPECT_EQ(s.nMax, info.nMax);
        EXPECT_EQ(static_cast<UINT>(s.nPage), info.nPage);
        EXPECT_EQ(s.nPos, info.nPos);
        EXPECT_EQ(s.nPos, b.GetScrollPos());
        EXPECT_EQ(s.enabled, ::IsWindowEnabled(Bar()) != FALSE);
    }
    // Only the fields the mask asks for are filled.
    SCROLLINFO partial{};
    partial.nMin = partial.nMax = partial.nPos = 77;
    ASSERT_EQ(1, b.GetScrollInfo(&partial, SIF_PAGE));
    EXPECT_EQ(0x40000000u, partial.nPage);
    EXPECT_EQ(0, partial.nMin);
    EXPECT_EQ(0, partial.nPos);
    EXPECT_EQ(0, b.GetScrollInfo(nullptr, SIF_ALL));
}

TEST_F(ScrollBarTest, DisabledOwnerOrDisableKeepsTheBarDisabled) {
    NeloScrollBar& b = MakeBar();
    EXPECT_TRUE(::IsWindowEnabled(Bar()));
    EXPECT_EQ(1, b.EnableWindow(0));
    EXPECT_FALSE(::IsWindowEnabled(Bar()));
    EXPECT_EQ(1, b.EnableWindow(1));
    EXPECT_TRUE(::IsWindowEnabled(Bar()));
    ::EnableWindow(Host(), FALSE);
    EXPECT_EQ(1, b.EnableWindow(1));
    EXPECT_FALSE(::IsWindowEnabled(Bar()));
    ::EnableWindow(Host(), TRUE);
    EXPECT_EQ(1, b.EnableWindow(1));
    EXPECT_TRUE(::IsWindowEnabled(Bar()));
}

TEST_F(ScrollBarTest, ArrowClickSendsOneStepThenTheEnd) {
    MakeBar();
    ::SetFocus(Bar());
    quorvex_test::MessageRecorder recorder(Bar(), Host(), {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_VSCROLL});
    MousePress(At(8, 190));
    MouseRelease();
    EXPECT_TRUE(recorder.Matches({
        {WM_LBUTTONDOWN, Posted, ToControl},
        Scroll(SB_LINEDOWN),
        {WM_LBUTTONUP, Posted, ToControl},
        Scroll(SB_ENDSCROLL),
    }));
    recorder.Clear();
    MousePress(At(8, 5));
    MouseRelease();
    EXPECT_TRUE(recorder.Matches({
        {WM_LBUTTONDOWN, Posted, ToControl},
        Scroll(SB_LINEUP),
        {WM_LBUTTONUP, Posted, ToControl},
        Scroll(SB_ENDSCROLL),
    }));
    // The owner (a dialog, which hands it on to its first control) has it.
    EXPECT_NE(Bar(), ::GetFocus());
    EXPECT_TRUE(::GetFocus() == Host() || ::IsChild(Host(), ::GetFocus())) << "a press gives the focus to the owner";
}

TEST_F(ScrollBarTest, HeldArrowRepeatsAfterTheDelayTimer) {
    MakeBar();
    host->follow = bar.get();
    quorvex_test::MessageRecorder recorder(Bar(), Host(), {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_VSCROLL, WM_TIMER});
    MousePress(At(8, 190));
    ASSERT_TRUE(PumpUntil([&] { return host->CountScrolls(SB_LINEDOWN) >= 5; }));
    MouseRelease();
    // One step at the press, one when the delay timer (100) fires, then one
    // per tick of the repeat timer (200), and the end at the release.
    std::vector<ExpectedMessage> expected = {
        {WM_LBUTTONDOWN, Posted, ToControl},
        Scroll(SB_LINEDOWN),
        {WM_TIMER, Posted, ToControl, MatchWParam, 100},
        Scroll(SB_LINEDOWN),
    };
    const int repeats = host->CountScrolls(SB_LINEDOWN) - 2;
    ASSERT_GE(repeats, 3);
    for (int i = 0; i < repeats; ++i) {
        expected.push_back({WM_TIMER, Posted, ToControl, MatchWParam, 200});
        expected.push_back(Scroll(SB_LINEDOWN));
    }
    expected.push_back({WM_TIMER, Posted, ToControl, MatchWParam | Optional, 200});
    expected.push_back({WM_LBUTTONUP, Posted, ToControl});
    expected.push_back(Scroll(SB_ENDSCROLL));
    EXPECT_TRUE(recorder.Matches(expected));
    EXPECT_EQ(host->CountScrolls(SB_LINEDOWN), bar->GetScrollPos());
    // The timers are gone with the release.
    recorder.Clear();
    Pump();
    PumpUntil([] { return false; }, 200);
    EXPECT_TRUE(recorder.Matches({}));
}

TEST_F(ScrollBarTest, HeldTrackPagesUntilTheThumbPassesThePointer) {
    MakeBar();
    host->follow = bar.get();
    // The pointer at y = 120 in the track: after six pages (position 60,
    // thumb 117..133) the thumb lies under it and paging stops.
    MousePress(At(8, 120));
    ASSERT_TRUE(PumpUntil([&] { return host->CountScrolls(SB_PAGEDOWN) >= 6; }));
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(std::vector<UINT>(6, SB_PAGEDOWN), Codes());
    EXPECT_EQ(60, bar->GetScrollPos());
    EXPECT_EQ(117, bar->Layout().thumb.top);
    MouseRelease();
    EXPECT_EQ(SB_ENDSCROLL, Codes().back());
    EXPECT_EQ(7u, Codes().size());
}

TEST_F(ScrollBarTest, PageClickBeforeTheThumb) {
    NeloScrollBar& b = MakeBar();
    b.SetScrollPos(90); // thumb 167..183
    host->follow = bar.get();
    MousePress(At(8, 100));
    MouseRelease();
    EXPECT_EQ((std::vector<UINT>{SB_PAGEUP, SB_ENDSCROLL}), Codes());
    EXPECT_EQ(80, b.GetScrollPos());
}

TEST_F(ScrollBarTest, ThumbDragReportsOnlyChangedPositions) {
    NeloScrollBar& b = MakeBar(); // thumb 17..33
    quorvex_test::MessageRecorder recorder(Bar(), Host(), {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_VSCROLL});
    MousePress(At(8, 25));
    MouseTo(At(8, 100)); // offset 75: position 45
    MouseTo(At(8, 101)); // 45.6: 46
    MouseTo(At(8, 102)); // 46.2: still 46, nothing sent
    {
        SCROLLINFO info{};
        b.GetScrollInfo(&info, SIF_POS | SIF_TRACKPOS);
        EXPECT_EQ(46, info.nTrackPos) << "the drag's position through SIF_TRACKPOS";
        EXPECT_EQ(0, info.nPos);
    }
    b.SetScrollPos(10); // the owner moves the position: the thumb stays under the pointer
    EXPECT_EQ(94, b.Layout().thumb.top);
    MouseTo(At(8, 103)); // 46.8: 47
    MouseRelease();
    EXPECT_TRUE(recorder.Matches({
        {WM_LBUTTONDOWN, Posted, ToControl},
        Scroll(SB_THUMBTRACK, 0),
        Scroll(SB_THUMBTRACK, 45),
        Scroll(SB_THUMBTRACK, 46),
        Scroll(SB_THUMBTRACK, 47),
        {WM_LBUTTONUP, Posted, ToControl},
        Scroll(SB_THUMBPOSITION, 47),
        Scroll(SB_ENDSCROLL),
    }));
    // Nobody answered with the position: the thumb goes back to it.
    EXPECT_EQ(10, b.GetScrollPos());
    EXPECT_EQ(17 + 16, b.Layout().thumb.top);
}

TEST_F(ScrollBarTest, DragBeyond16BitsReachesTheOwnerThroughTrackPos) {
    NeloScrollBar& b = MakeBar();
    SCROLLINFO big{sizeof(big), SIF_ALL, 0, 999999, 10000, 0, 0};
    ASSERT_EQ(1, b.SetScrollInfo(&big));
    host->follow = bar.get(); // answers with nTrackPos, not the message's 16 bits
    MousePress(At(8, 25));
    // A 10-pixel thumb: free run 156. Offset 75 of 156 stands for
    // 75 x 990000 / 156 = 475961.5, rounded to 475962.
    MouseTo(At(8, 100));
    MouseRelease();
    EXPECT_EQ(475962, b.GetScrollPos());
    ASSERT_EQ(4u, host->scrolls.size());
    EXPECT_EQ(static_cast<UINT>(475962 & 0xFFFF), host->scrolls[1].pos) << "the message carries the low word";
    EXPECT_EQ(92, b.Layout().thumb.top);
}

TEST_F(ScrollBarTest, LosingTheCaptureEndsEveryKindOfPress) {
    struct Case {
        const char* what;
        int y;
        UINT code;
    };
    const Case cases[] = {
        {"held arrow", 190, SB_LINEDOWN},
        {"held track", 150, SB_PAGEDOWN},
        {"dragged thumb", 25, SB_THUMBTRACK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NeloScrollBar& b = MakeBar();
        host->scrolls.clear();
        MousePress(At(8, c.y));
        if (c.code == SB_THUMBTRACK)
            MouseTo(At(8, 60));
        else
            ASSERT_TRUE(PumpUntil([&] { return host->CountScrolls(c.code) >= 3; }));
        ASSERT_EQ(Bar(), ::GetCapture());
        ::SetCapture(Host()); // another window takes the mouse
        Pump();
        EXPECT_EQ(SB_ENDSCROLL, Codes().back());
        EXPECT_EQ(1, host->CountScrolls(SB_ENDSCROLL));
        EXPECT_EQ(Tavrin::ComponentNone, b.PressedPart());
        EXPECT_EQ(17, b.Layout().thumb.top) << "the thumb shows the position again";
        const size_t heard = host->scrolls.size();
        PumpUntil([] { return false; }, 200);
        MouseTo(At(8, 120));
        MouseRelease();
        ::ReleaseCapture();
        Pump();
        EXPECT_EQ(heard, host->scrolls.size()) << "no repeat, drag or second end afterwards";
    }
}

TEST_F(ScrollBarTest, HostDrivenPressesKeepTheHostsCapture) {
    NeloScrollBar& b = MakeBar();
    ::SetCapture(Host());
    EXPECT_EQ(E_FAIL, b.LButtonDown(CPoint(At(30, 5)))) << "outside the bar";
    EXPECT_EQ(E_FAIL, b.LButtonUp(CPoint(At(8, 5)))) << "no host-driven press";
    EXPECT_EQ(0, b.LButtonDown(CPoint(At(8, 190))));
    EXPECT_EQ(Host(), ::GetCapture());
    EXPECT_EQ((std::vector<UINT>{SB_LINEDOWN}), Codes());
    EXPECT_EQ(0, b.LButtonUp(CPoint(At(8, 190))));
    EXPECT_EQ((std::vector<UINT>{SB_LINEDOWN, SB_ENDSCROLL}), Codes());
    EXPECT_EQ(E_FAIL, b.LButtonUp(CPoint(At(8, 190))));
    // A thumb drag handed in by the host.
    host->scrolls.clear();
    EXPECT_EQ(0, b.LButtonDown(CPoint(At(8, 25))));
    EXPECT_EQ(0, b.MouseMove(CPoint(At(8, 100))));
    EXPECT_EQ(0, b.LButtonUp(CPoint(At(8, 100))));
    ASSERT_EQ((std::vector<UINT>{SB_THUMBTRACK, SB_THUMBTRACK, SB_THUMBPOSITION, SB_ENDSCROLL}), Codes());
    EXPECT_EQ(45u, host->scrolls[2].pos);
    // Without a press the host's moves only keep the hot look.
    EXPECT_EQ(E_FAIL, b.MouseMove(CPoint(At(8, 5))));
    EXPECT_EQ(Tavrin::ComponentFirstArrow, b.HotPart());
    EXPECT_EQ(E_FAIL, b.MouseMove(CPoint(At(60, 5))));
    EXPECT_EQ(Tavrin::ComponentNone, b.HotPart());
    ::ReleaseCapture();
}

TEST_F(ScrollBarTest, PointerOverTheBarIsReportedOnceEachWay) {
    MakeBar();
    quorvex_test::MessageRecorder recorder(Bar(), Host(), {Tavrin::MOUSE_OVER_NELO_SCROLLBAR_MSG});
    MouseTo(At(8, 50));
    MouseTo(At(8, 60));
    MouseTo(At(8, 100));
    MouseTo(At(60, 100));
    PumpUntil([&] { return recorder.Messages().size() >= 2; });
    EXPECT_TRUE(recorder.Matches({
        {Tavrin::MOUSE_OVER_NELO_SCROLLBAR_MSG, Sent, ToParent, MatchWParam | MatchLParam, 1, 0},
        {Tavrin::MOUSE_OVER_NELO_SCROLLBAR_MSG, Sent, ToParent, MatchWParam | MatchLParam, 0, 0},
    }));
}

// ---- Looks at exact pixels ------------------------------------------------

struct LookCase {
    const char* what;
    COLORREF frame;      // the left edge beside the track
    COLORREF upGlyph;    // the up glyph's tip (8, 3), or (9, 4) when pressed
    COLORREF gripDark;   // the thumb's first dark grip line (8, 97)
    COLORREF gripLight;  // the first light grip line (6, 96)
};

TEST_F(ScrollBarTest, LooksByState) {
    NeloScrollBar& b = MakeBar();
    b.SetScrollPos(45); // thumb 92..108
    Repaint(Host());
    auto expectLook = [&](const LookCase& c, bool pressedGlyph) {
        SCOPED_TRACE(c.what);
        quorvex_test::Settle();
        EXPECT_COLOUR(c.frame, quorvex_test::ClientPixel(Bar(), 0, 150));
        EXPECT_COLOUR(c.frame, quorvex_test::ClientPixel(Bar(), 16, 60));
        EXPECT_COLOUR(c.upGlyph, pressedGlyph ? quorvex_test::ClientPixel(Bar(), 9, 4)
                                              : quorvex_test::ClientPixel(Bar(), 8, 3));
        if (c.gripDark != CLR_NONE) {
            EXPECT_COLOUR(c.gripDark, quorvex_test::ClientPixel(Bar(), 8, 97));
            EXPECT_COLOUR(c.gripLight, quorvex_test::ClientPixel(Bar(), 6, 96));
        }
    };
    expectLook({"normal", RGB(201, 215, 241), RGB(77, 97, 133), RGB(77, 97, 133), RGB(240, 240, 240)}, false);

    MouseTo(At(8, 8)); // over the up arrow
    expectLook({"up arrow hot", RGB(201, 215, 241), RGB(80, 120, 200), RGB(77, 97, 133), RGB(240, 240, 240)},
               false);
    MouseTo(At(8, 100)); // over the thumb
    expectLook({"thumb hot", RGB(201, 215, 241), RGB(77, 97, 133), RGB(80, 120, 200), RGB(240, 240, 240)}, false);
    MousePress(At(8, 100));
    expectLook({"thumb pressed", RGB(201, 215, 241), RGB(77, 97, 133), RGB(82, 122, 202), RGB(240, 240, 240)},
               false);
    MouseRelease();
    b.ShowHoverEffect(0);
    MouseTo(At(8, 8));
    expectLook({"no hover effect", RGB(201, 215, 241), RGB(77, 97, 133), RGB(77, 97, 133), RGB(240, 240, 240)},
               false);
    b.ShowHoverEffect(1);
    MouseTo(At(60, 8));
    b.EnableWindow(0);
    Pump();
    expectLook({"disabled: no thumb", RGB(220, 220, 220), RGB(172, 168, 153), CLR_NONE, CLR_NONE}, false);
    EXPECT_NE(RGB(77, 97, 133), quorvex_test::ClientPixel(Bar(), 8, 97));
}

TEST_F(ScrollBarTest, PressedArrowGlyphMovesDownRight) {
    MakeBar();
    host->follow = nullptr;
    MousePress(At(8, 8));
    quorvex_test::Settle();
    EXPECT_COLOUR(RGB(82, 122, 202), quorvex_test::ClientPixel(Bar(), 9, 4));
    EXPECT_NE(RGB(82, 122, 202), quorvex_test::ClientPixel(Bar(), 8, 3));
    ::SetCapture(Host());
    Pump();
    ::ReleaseCapture();
}

TEST_F(ScrollBarTest, HorizontalBarAndThumbSymbol) {
    NeloScrollBar& b = MakeBar(false, 10, 200, 17);
    b.SetScrollPos(45); // thumb 92..108 across
    Repaint(Host());
    quorvex_test::Settle();
    // Left glyph's tip (3, 8); the grip turned by a quarter: a dark column at x = 97.
    EXPECT_COLOUR(RGB(77, 97, 133), quorvex_test::ClientPixel(Bar(), 3, 8));
    EXPECT_COLOUR(RGB(77, 97, 133), quorvex_test::ClientPixel(Bar(), 97, 8));
    EXPECT_COLOUR(RGB(240, 240, 240), quorvex_test::ClientPixel(Bar(), 96, 8));
    EXPECT_COLOUR(RGB(201, 215, 241), quorvex_test::ClientPixel(Bar(), 150, 0));
    b.ShowThumbSymbol(0);
    quorvex_test::Settle();
    EXPECT_NE(RGB(77, 97, 133), quorvex_test::ClientPixel(Bar(), 97, 8));
    // Host-driven horizontal steps are WM_HSCROLL.
    host->scrolls.clear();
    EXPECT_EQ(0, b.LButtonDown(CPoint(At(195, 8))));
    EXPECT_EQ(0, b.LButtonUp(CPoint(At(195, 8))));
    ASSERT_EQ(2u, host->scrolls.size());
    EXPECT_EQ(static_cast<UINT>(WM_HSCROLL), host->scrolls[0].message);
    EXPECT_EQ(static_cast<UINT>(SB_LINEDOWN), host->scrolls[0].code);
}

TEST_F(ScrollBarTest, RepaintsLeakNothing) {
    NeloScrollBar& b = MakeBar();
    b.SetScrollPos(45);
    const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
    for (int enabled : {1, 0}) {
        SCOPED_TRACE(enabled);
        b.EnableWindow(enabled);
        ::RedrawWindow(Bar(), nullptr, nullptr, flags);
        Pump();
        const GdiCounts before = CountGdi();
        for (int i = 0; i < 1000; ++i)
            ::RedrawWindow(Bar(), nullptr, nullptr, flags);
        Pump();
        const GdiCounts after = CountGdi();
        EXPECT_EQ(before.wrappers, after.wrappers);
        EXPECT_EQ(before.handles, after.handles);
    }
}

} // namespace

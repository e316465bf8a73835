// NeloSpinButtonCtrl beside its buddy: its colour defaults, the attach and
// detach conversation with a skinned edit (the same buddy again, a buddy
// replaced, the spin gone), the hover the pair shares, seen from both sides,
// the focus and enable state it follows, a buddy of another class, the pairs
// a dialog made (one whose system up-down control subclassed the edit
// first), its looks at exact pixels and repaints without leaks.
#include "test_support.h"

#include "support/colour_record.h"
#include "support/rects.h"

#include <memory>

using namespace menus_test;
using quorvex_test::ColourEntry;
using quorvex_test::MatchLParam;
using quorvex_test::Optional;
using quorvex_test::Posted;
using quorvex_test::RecordHolds;
using quorvex_test::ToControl;
using quorvex_test::ToParent;
using quorvex_test::WindowPixel;
using Tavrin::_SpinButtonCtrlColorInfo;
using Tavrin::NeloEdit;
using Tavrin::NeloSpinButtonCtrl;

namespace {

const COLORREF kBorderNormal = RGB(104, 128, 184);
const COLORREF kBorderFocus = RGB(240, 200, 128);
const COLORREF kBorderHot = RGB(88, 168, 240);
const COLORREF kEditBack = RGB(250, 250, 250);

class SpinTest : public HostTest {
protected:
    void TearDown() override {
        ::SetCursorPos(RestingPointer().x, RestingPointer().y);
        spins.clear();
        edits.clear();
        Pump();
        HostTest::TearDown();
    }
    NeloEdit& Edit(int x, int y, int w = 100, int h = 22) {
        HWND window = CreateChild(L"EDIT", L"0", ES_AUTOHSCROLL | WS_TABSTOP, x, y, w, h, 0, WS_EX_CLIENTEDGE);
        edits.emplace_back(new NeloEdit);
        EXPECT_TRUE(edits.back()->SubclassWindow(window));
        Pump();
        return *edits.back();
    }
    NeloSpinButtonCtrl& Spin(int x, int y, int w = 12, int h = 22, DWORD style = 0) {
        HWND window = CreateChild(UPDOWN_CLASSW, L"", style | UDS_SETBUDDYINT, x, y, w, h);
        spins.emplace_back(new NeloSpinButtonCtrl);
        EXPECT_TRUE(spins.back()->SubclassWindow(window));
        Pump();
        return *spins.back();
    }
    static RECT InParent(HWND window) {
        RECT r{};
        ::GetWindowRect(window, &r);
        ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    static POINT Centre(HWND window) {
        RECT r{};
        ::GetWindowRect(window, &r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void FocusElsewhere() {
        ::SetFocus(::GetDlgItem(Host(), IDC_PLAIN_EDIT));
        Pump();
    }

    std::vector<std::unique_ptr<NeloSpinButtonCtrl>> spins;
    std::vector<std::unique_ptr<NeloEdit>> edits;
};

TEST(SpinDefaults, ColourRecord) {
    using C = _SpinButtonCtrlColorInfo;
    const ColourEntry<C> kDefaults[] = {
        {"clrSpinBackFrom", &C::clrSpinBackFrom, RGB(250, 250, 250)},
        {"clrSpinBackTo", &C::clrSpinBackTo, RGB(250, 250, 250)},
        {"clrSpinBackDisabledFrom", &C::clrSpinBackDisabledFrom, RGB(236, 233, 216)},
        {"clrSpinBackDisabledTo", &C::clrSpinBackDisabledTo, RGB(236, 233, 216)},
        {"clrButtonFrom", &C::clrButtonFrom, RGB(243, 243, 243)},
        {"clrButtonTo", &C::clrButtonTo, RGB(160, 192, 224)},
        {"clrButtonPressedFrom", &C::clrButtonPressedFrom, RGB(136, 176, 216)},
        {"clrButtonPressedTo", &C::clrButtonPressedTo, RGB(243, 243, 243)},
        {"clrButtonHotFrom", &C::clrButtonHotFrom, RGB(243, 243, 243)},
        {"clrButtonHotTo", &C::clrButtonHotTo, RGB(181, 208, 232)},
        {"clrButtonDisabledFrom", &C::clrButtonDisabledFrom, RGB(252, 252, 254)},
        {"clrButtonDisabledTo", &C::clrButtonDisabledTo, RGB(232, 230, 215)},
        {"clrButtonFocusFrom", &C::clrButtonFocusFrom, RGB(243, 243, 243)},
        {"clrButtonFocusTo", &C::clrButtonFocusTo, RGB(181, 208, 232)},
        {"clrButtonBorder", &C::clrButtonBorder, RGB(127, 157, 185)},
        {"clrButtonPressedBorder", &C::clrButtonPressedBorder, RGB(88, 168, 240)},
        {"clrButtonHotBorder", &C::clrButtonHotBorder, RGB(64, 128, 176)},
        {"clrButtonDisabledBorder", &C::clrButtonDisabledBorder, RGB(204, 204, 204)},
        {"clrButtonFocusBorder", &C::clrButtonFocusBorder, RGB(127, 157, 185)},
        {"clrButtonGlyph", &C::clrButtonGlyph, RGB(77, 97, 133)},
        {"clrButtonPressedGlyph", &C::clrButtonPressedGlyph, RGB(82, 122, 202)},
        {"clrButtonHotGlyph", &C::clrButtonHotGlyph, RGB(80, 120, 200)},
        {"clrButtonDisabledGlyph", &C::clrButtonDisabledGlyph, RGB(172, 168, 153)},
        {"clrButtonFocusGlyph", &C::clrButtonFocusGlyph, RGB(77, 97, 133)},
    };
    NeloSpinButtonCtrl spin;
    _SpinButtonCtrlColorInfo record{};
    ASSERT_EQ(1, spin.GetSpinButtonCtrlColorInfo(record));
    EXPECT_TRUE(RecordHolds(record, kDefaults));
}

TEST_F(SpinTest, AttachAgainReplaceAndLeave) {
    NeloEdit& first = Edit(20, 20);
    NeloEdit& second = Edit(20, 60);
    NeloSpinButtonCtrl& spin = Spin(200, 20);
    const HWND spinWindow = spin.GetSafeHwnd();
    quorvex_test::MessageRecorder recorder(first.GetSafeHwnd(), second.GetSafeHwnd(),
                                           {Tavrin::ATTACH_NELO_EDIT_MSG, Tavrin::DETACH_NELO_EDIT_MSG});
    // A 12-pixel spin takes 18 pixels at the edit's right end.
    spin.SetBuddy(&first);
    Pump();
    EXPECT_RECT((RECT{20, 20, 102, 42}), InParent(first.GetSafeHwnd()));
    EXPECT_RECT((RECT{102, 20, 120, 42}), InParent(spinWindow));
    EXPECT_EQ(spinWindow, first.AttachedSpin());
    EXPECT_EQ(first.GetSafeHwnd(), spin.Buddy());
    // The same buddy again: no second narrowing.
    spin.SetBuddy(&first);
    Pump();
    EXPECT_RECT((RECT{20, 20, 102, 42}), InParent(first.GetSafeHwnd()));
    EXPECT_RECT((RECT{102, 20, 120, 42}), InParent(spinWindow));
    // Another buddy: the first gets its width back and is told.
    spin.SetBuddy(&second);
    Pump();
    EXPECT_RECT((RECT{20, 20, 120, 42}), InParent(first.GetSafeHwnd()));
    EXPECT_RECT((RECT{20, 60, 102, 82}), InParent(second.GetSafeHwnd()));
    EXPECT_RECT((RECT{102, 60, 120, 82}), InParent(spinWindow));
    EXPECT_EQ(nullptr, first.AttachedSpin());
    EXPECT_EQ(spinWindow, second.AttachedSpin());
    // The spin goes: its buddy is left whole.
    spins.clear();
    Pump();
    EXPECT_RECT((RECT{20, 60, 120, 82}), InParent(second.GetSafeHwnd()));
    EXPECT_EQ(nullptr, second.AttachedSpin());
    EXPECT_TRUE(recorder.Matches({
        {Tavrin::ATTACH_NELO_EDIT_MSG, Posted, ToControl, MatchLParam, 0, reinterpret_cast<LPARAM>(spinWindow)},
        {Tavrin::ATTACH_NELO_EDIT_MSG, Posted, ToControl, MatchLParam, 0, reinterpret_cast<LPARAM>(spinWindow)},
        {Tavrin::DETACH_NELO_EDIT_MSG, Posted, ToControl, MatchLParam, 0, 0},
        {Tavrin::ATTACH_NELO_EDIT_MSG, Posted, ToParent, MatchLParam, 0, reinterpret_cast<LPARAM>(spinWindow)},
        {Tavrin::DETACH_NELO_EDIT_MSG, Posted, ToParent, MatchLParam, 0, 0},
    }));
}

TEST_F(SpinTest, SharedHoverFromBothSides) {
    NeloEdit& edit = Edit(20, 20);
    NeloSpinButtonCtrl& spin = Spin(200, 20);
    spin.SetBuddy(&edit);
    FocusElsewhere();
    Repaint(Host());
    const HWND editWindow = edit.GetSafeHwnd();
    const HWND spinWindow = spin.GetSafeHwnd();
    quorvex_test::MessageRecorder recorder(editWindow, spinWindow,
                                           {Tavrin::MOUSE_IN_NELO_SPIN_BUTTON_CTRL, Tavrin::MOUSE_IN_NELO_EDIT_MSG});
    // The pair is open towards each other: the edit's last column is its
    // background, the spin's frame the edit's frame colour.
    EXPECT_COLOUR(kEditBack, WindowPixel(editWindow, 81, 11));
    EXPECT_COLOUR(kBorderNormal, WindowPixel(spinWindow, 9, 0));
    EXPECT_COLOUR(kBorderNormal, WindowPixel(spinWindow, 17, 11));

    MouseTo(Centre(spinWindow));
    EXPECT_TRUE(PumpUntil([&] { return edit.IsHot(); }));
    quorvex_test::Settle();
    EXPECT_COLOUR(kBorderHot, WindowPixel(editWindow, 0, 11)) << "the edit is hot while the pointer is on the spin";
    EXPECT_COLOUR(kBorderHot, WindowPixel(spinWindow, 9, 0));
    MouseTo(RestingPointer());
    EXPECT_TRUE(PumpUntil([&] { return !edit.IsHot(); }));
    EXPECT_TRUE(recorder.Matches({
        {Tavrin::MOUSE_IN_NELO_SPIN_BUTTON_CTRL, Posted, ToControl, MatchLParam, 0, 1},
        {Tavrin::MOUSE_IN_NELO_SPIN_BUTTON_CTRL, Posted, ToControl, MatchLParam, 0, 0},
    }));
    recorder.Clear();

    MouseTo(Centre(editWindow));
    EXPECT_TRUE(PumpUntil([&] { return edit.IsHot(); }));
    quorvex_test::Settle();
    EXPECT_COLOUR(kBorderHot, WindowPixel(spinWindow, 9, 0)) << "the spin is hot while the pointer is on the edit";
    MouseTo(RestingPointer());
    EXPECT_TRUE(PumpUntil([&] { return !edit.IsHot(); }));
    quorvex_test::Settle();
    EXPECT_COLOUR(kBorderNormal, WindowPixel(spinWindow, 9, 0));
    EXPECT_TRUE(recorder.Matches({
        {Tavrin::MOUSE_IN_NELO_EDIT_MSG, Posted, ToParent, MatchLParam, 0, 0},
        {Tavrin::MOUSE_IN_NELO_EDIT_MSG, Posted, ToParent, MatchLParam, 0, 1},
    }));
}

TEST_F(SpinTest, FollowsTheBuddysFocusAndEnableState) {
    NeloEdit& edit = Edit(20, 20);
    NeloSpinButtonCtrl& spin = Spin(200, 20);
    spin.SetBuddy(&edit);
    FocusElsewhere();
    Repaint(Host());
    const HWND spinWindow = spin.GetSafeHwnd();
    // The first face's right-hand column: the end of its gradient.
    const COLORREF normalEnd = WindowPixel(spinWindow, 14, 5);
    EXPECT_TRUE(quorvex_test::Near(normalEnd, RGB(160, 192, 224), 24)) << quorvex_test::Describe(normalEnd);
    ::SetFocus(edit.GetSafeHwnd());
    Pump();
    EXPECT_TRUE(spin.BuddyFocused());
    quorvex_test::Settle();
    EXPECT_COLOUR(kBorderFocus, WindowPixel(spinWindow, 9, 0));
    const COLORREF focusEnd = WindowPixel(spinWindow, 14, 5);
    EXPECT_TRUE(quorvex_test::Near(focusEnd, RGB(181, 208, 232), 24)) << quorvex_test::Describe(focusEnd);
    EXPECT_NE(normalEnd, focusEnd);
    FocusElsewhere();
    EXPECT_FALSE(spin.BuddyFocused());
    edit.EnableWindow(FALSE);
    Pump();
    EXPECT_FALSE(::IsWindowEnabled(spinWindow));
    quorvex_test::Settle();
    EXPECT_COLOUR(RGB(172, 168, 153), WindowPixel(spinWindow, 9, 0)) << "the disabled edit's frame";
    edit.EnableWindow(TRUE);
    Pump();
    EXPECT_TRUE(::IsWindowEnabled(spinWindow));
}

TEST_F(SpinTest, BuddyOfAnotherClassIsNarrowedAndWatchedOnly) {
    HWND plain = CreateChild(L"EDIT", L"5", ES_AUTOHSCROLL, 20, 20, 100, 22, 0, WS_EX_CLIENTEDGE);
    NeloSpinButtonCtrl& spin = Spin(200, 20);
    quorvex_test::MessageRecorder recorder(plain, spin.GetSafeHwnd(),
                                           {Tavrin::MOUSE_IN_NELO_SPIN_BUTTON_CTRL, Tavrin::DETACH_NELO_EDIT_MSG});
    ::SendMessageW(spin.GetSafeHwnd(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(plain), 0);
    Pump();
    EXPECT_RECT((RECT{20, 20, 102, 42}), InParent(plain));
    EXPECT_EQ(nullptr, spin.BuddyEdit());
    ::SetFocus(plain);
    Pump();
    EXPECT_TRUE(spin.BuddyFocused());
    MouseTo(Centre(spin.GetSafeHwnd()));
    MouseTo(RestingPointer());
    PumpUntil([] { return false; }, 200);
    // No frame of an edit's colour: the spin's own background at its edge.
    quorvex_test::Settle();
    EXPECT_NE(kBorderNormal, WindowPixel(spin.GetSafeHwnd(), 9, 0));
    spins.clear();
    Pump();
    EXPECT_RECT((RECT{20, 20, 120, 42}), InParent(plain));
    EXPECT_TRUE(recorder.Matches({})) << "neither hover reports nor a detach for a plain edit";
    FocusElsewhere();
}

TEST_F(SpinTest, PairsMadeByTheDialog) {
    NeloEdit& edit = host->templateEdit;
    NeloSpinButtonCtrl& spin = host->templateSpin;
    EXPECT_EQ(edit.GetSafeHwnd(), spin.Buddy());
    EXPECT_EQ(spin.GetSafeHwnd(), edit.AttachedSpin());
    RECT e = InParent(edit.GetSafeHwnd()), s = InParent(spin.GetSafeHwnd());
    EXPECT_EQ(e.right, s.left) << "the spin sits at the edit's right end";
    EXPECT_EQ(e.top, s.top);
    EXPECT_EQ(18, s.right - s.left);
    // The system's up-down logic is still there: a click on the up half
    // counts the edit up.
    ::SetWindowTextW(edit.GetSafeHwnd(), L"4");
    ::SendMessageW(spin.GetSafeHwnd(), UDM_SETPOS32, 0, 4);
    ::SendMessageW(spin.GetSafeHwnd(), UDM_SETRANGE32, 0, 100);
    const RECT up = spin.Layout().firstHalf;
    POINT at{(up.left + up.right) / 2, (up.top + up.bottom) / 2};
    ::ClientToScreen(spin.GetSafeHwnd(), &at);
    MousePress(at);
    MouseRelease();
    wchar_t text[16] = {};
    ::GetWindowTextW(edit.GetSafeHwnd(), text, 16);
    EXPECT_STREQ(L"5", text);

    // An edit whose system up-down control subclassed it first: both keep
    // working, in either order of leaving.
    NeloEdit& systemEdit = host->systemEdit;
    HWND systemSpin = ::GetDlgItem(Host(), IDC_SYSTEM_SPIN);
    ASSERT_EQ(systemEdit.GetSafeHwnd(), reinterpret_cast<HWND>(::SendMessageW(systemSpin, UDM_GETBUDDY, 0, 0)));
    ::SendMessageW(systemSpin, UDM_SETRANGE32, 0, 100);
    ::SendMessageW(systemSpin, UDM_SETPOS32, 0, 7);
    ::GetWindowTextW(systemEdit.GetSafeHwnd(), text, 16);
    EXPECT_STREQ(L"7", text);
    ::SetFocus(systemEdit.GetSafeHwnd());
    Pump();
    ::SendMessageW(systemEdit.GetSafeHwnd(), WM_KEYDOWN, VK_UP, 1);
    Pump();
    ::GetWindowTextW(systemEdit.GetSafeHwnd(), text, 16);
    EXPECT_STREQ(L"8", text) << "the up-down control's own subclass still sees the keys";
    quorvex_test::Settle();
    EXPECT_COLOUR(kBorderFocus, WindowPixel(systemEdit.GetSafeHwnd(), 0, 5));
    FocusElsewhere();
    CoverAndUncover();
    EXPECT_COLOUR(kBorderNormal, WindowPixel(systemEdit.GetSafeHwnd(), 0, 5));
}

TEST_F(SpinTest, LooksAtExactPixels) {
    // Alone (no buddy): 18 x 20, the up glyph around (9, 5), the down glyph
    // around (9, 14).
    NeloSpinButtonCtrl& spin = Spin(200, 100, 18, 20);
    const HWND window = spin.GetSafeHwnd();
    Repaint(Host());
    quorvex_test::Settle();
    EXPECT_COLOUR(RGB(77, 97, 133), quorvex_test::ClientPixel(window, 9, 5));
    EXPECT_COLOUR(RGB(77, 97, 133), quorvex_test::ClientPixel(window, 9, 14));
    POINT up{9, 5};
    ::ClientToScreen(window, &up);
    MouseTo(up);
    quorvex_test::Settle();
    EXPECT_COLOUR(RGB(80, 120, 200), quorvex_test::ClientPixel(window, 9, 5)) << "hot";
    EXPECT_COLOUR(RGB(77, 97, 133), quorvex_test::ClientPixel(window, 9, 14)) << "the other half stays";
    MousePress(up);
    quorvex_test::Settle();
    EXPECT_COLOUR(RGB(82, 122, 202), quorvex_test::ClientPixel(window, 10, 6)) << "pressed: one pixel down right";
    MouseRelease();
    MouseTo(RestingPointer());
    ::EnableWindow(window, FALSE);
    quorvex_test::Settle();
    EXPECT_COLOUR(RGB(172, 168, 153), quorvex_test::ClientPixel(window, 9, 5)) << "disabled";
    ASSERT_EQ(1, spin.ShowHoverEffect(0));
    ::EnableWindow(window, TRUE);
    MouseTo(up);
    quorvex_test::Settle();
    EXPECT_COLOUR(RGB(77, 97, 133), quorvex_test::ClientPixel(window, 9, 5)) << "no hover effect";
    MouseTo(RestingPointer());
}

TEST_F(SpinTest, RepaintsLeakNothing) {
    NeloEdit& edit = Edit(20, 20);
    NeloSpinButtonCtrl& spin = Spin(200, 20);
    spin.SetBuddy(&edit);
    Pump();
    const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
    for (BOOL enabled : {TRUE, FALSE}) {
        SCOPED_TRACE(enabled);
        edit.EnableWindow(enabled);
        ::RedrawWindow(spin.GetSafeHwnd(), nullptr, nullptr, flags);
        Pump();
        const GdiCounts before = CountGdi();
        for (int i = 0; i < 1000; ++i)
            ::RedrawWindow(spin.GetSafeHwnd(), nullptr, nullptr, flags);
        Pump();
        const GdiCounts after = CountGdi();
        EXPECT_EQ(before.wrappers, after.wrappers);
        EXPECT_EQ(before.handles, after.handles);
    }
}

} // namespace

// NeloCheckBox on real windows: its looks at exact pixels (face, frame,
// mark, caption, hover ring, pressed face, disabled, focus), the state kept
// by the control itself through clicks, double clicks, space and
// BM_SETCHECK, the one BN_CLICKED per click, and the symbol width limits.
#include "test_support.h"

using namespace buttons_test;
using quorvex_test::ExpectedMessage;
using quorvex_test::MatchWParam;
using quorvex_test::MessageRecorder;
using quorvex_test::Sent;
using quorvex_test::ToParent;
using Tavrin::_CheckBoxColorInfo;
using Tavrin::NeloCheckBox;

namespace {

constexpr int kCheckId = 2101;

// Solid colours, each different, so every part can be told by exact pixels.
struct CheckPixels {
    COLORREF face, frame, mark, text;
};
const COLORREF kBackground = RGB(230, 240, 250);
const CheckPixels kEnabled{RGB(200, 200, 200), RGB(10, 20, 30), RGB(0, 150, 0), RGB(160, 0, 0)};
const COLORREF kPressedFace = RGB(180, 170, 160);
const CheckPixels kDisabled{RGB(220, 220, 200), RGB(100, 110, 120), RGB(120, 120, 0), RGB(130, 0, 130)};
const COLORREF kHoverRing = RGB(250, 120, 0);
const COLORREF kFocus = RGB(255, 0, 255);

_CheckBoxColorInfo DistinctColours() {
    _CheckBoxColorInfo c = NeloCheckBox::DefaultColorInfo();
    c.crCheckBackground = kBackground;
    c.crBoxNormalStart = c.crBoxNormalEnd = kEnabled.face;
    c.crBoxFrameStart = c.crBoxFrameEnd = kEnabled.frame;
    c.crCheckMark = kEnabled.mark;
    c.crCheckText = kEnabled.text;
    c.crBoxPressedStart = c.crBoxPressedEnd = kPressedFace;
    c.crBoxDisabledStart = c.crBoxDisabledEnd = kDisabled.face;
    c.crBoxFrameDisabledStart = c.crBoxFrameDisabledEnd = kDisabled.frame;
    c.crCheckMarkDisabled = kDisabled.mark;
    c.crCheckTextDisabled = kDisabled.text;
    c.crBoxHoverStart = c.crBoxHoverEnd = kHoverRing;
    c.crCheckFocus = kFocus;
    return c;
}

auto Is(COLORREF colour) {
    return [colour](COLORREF c) { return c == colour; };
}

// A 14-pixel box in a 20-pixel-high control: box (0, 3) to (14, 17), its
// mark rectangle (3, 6) to (11, 14), the caption from x = 21.
const RECT kBox{0, 3, 14, 17};
const RECT kMark{3, 6, 11, 14};
const RECT kCaption{21, 0, 160, 20};

class CheckTest : public HostTest {
protected:
    HWND MakeCheck(NeloCheckBox& check, const wchar_t* text = L"Shut down", int x = 20, int y = 20,
                   int width = 160, int height = 20) {
        HWND window =
            CreateChild(L"BUTTON", text, BS_AUTOCHECKBOX | WS_TABSTOP, x, y, width, height, kCheckId);
        EXPECT_TRUE(check.SubclassWindow(window));
        EXPECT_EQ(1, check.SetCheckBoxColorInfo(DistinctColours()));
        Pump();
        return window;
    }

    void HoverOver(HWND window, int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(window, &p);
        ::SetCursorPos(p.x, p.y);
        Pump();
        ::PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        Pump();
    }

    static POINT ScreenPoint(HWND window, int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(window, &p);
        return p;
    }

    static int Checked(HWND window) { return static_cast<int>(::SendMessageW(window, BM_GETCHECK, 0, 0)); }

    static void PressSpace() {
        INPUT keys[2] = {};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = VK_SPACE;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, keys, sizeof(INPUT));
    }
};

TEST_F(CheckTest, EachLookAtExactPixels) {
    NeloCheckBox check;
    HWND window = MakeCheck(check);
    struct Case {
        const char* name;
        std::function<void()> enter;
        bool checked;
        COLORREF face, frame, mark, text;
        bool ring;
    };
    const Case cases[] = {
        {"unchecked", [] {}, false, kEnabled.face, kEnabled.frame, CLR_INVALID, kEnabled.text, false},
        {"checked", [&] { ::SendMessageW(window, BM_SETCHECK, BST_CHECKED, 0); }, true, kEnabled.face,
         kEnabled.frame, kEnabled.mark, kEnabled.text, false},
        {"indeterminate shows the mark", [&] { ::SendMessageW(window, BM_SETCHECK, BST_INDETERMINATE, 0); },
         true, kEnabled.face, kEnabled.frame, kEnabled.mark, kEnabled.text, false},
        {"disabled and checked",
         [&] {
             ::SendMessageW(window, BM_SETCHECK, BST_CHECKED, 0);
             ::EnableWindow(window, FALSE);
         },
         true, kDisabled.face, kDisabled.frame, kDisabled.mark, kDisabled.text, false},
        {"hover", [&] { HoverOver(window, 60, 10); }, false, kEnabled.face, kEnabled.frame, CLR_INVALID,
         kEnabled.text, true},
        {"pressed while hovered",
         [&] {
             HoverOver(window, 60, 10);
             ::SendMessageW(window, BM_SETSTATE, TRUE, 0);
         },
         false, kPressedFace, kEnabled.frame, CLR_INVALID, kEnabled.text, true},
        {"pressed without the pointer keeps the normal face",
         [&] { ::SendMessageW(window, BM_SETSTATE, TRUE, 0); }, false, kEnabled.face, kEnabled.frame,
         CLR_INVALID, kEnabled.text, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.enter();
        Repaint(Host());
        const Capture shot = Capture::Client(window);
        EXPECT_COLOUR(kBackground, shot.At(80, 1));
        EXPECT_COLOUR(kBackground, shot.At(7, 1));
        // The frame runs along the box's edge, one pixel wide.
        EXPECT_COLOUR(c.frame, shot.At(0, 10));
        EXPECT_COLOUR(c.frame, shot.At(13, 10));
        EXPECT_COLOUR(c.frame, shot.At(7, 3));
        EXPECT_COLOUR(c.frame, shot.At(7, 16));
        // Inside the ring and away from the mark only the face shows.
        EXPECT_COLOUR(c.face, shot.At(4, 7));
        EXPECT_COLOUR(c.face, shot.At(8, 12));
        EXPECT_EQ(c.ring, shot.Count(Is(kHoverRing), kBox) > 0);
        EXPECT_EQ(0, shot.Count(Is(kHoverRing), RECT{14, 0, 160, 20})) << "the ring stays inside the box";
        if (c.checked) {
            // Of the three strokes of a 14-pixel box only the middle one is
            // opaque: eight pixels from (3, 10) down to (5, 12) and up to (10, 7).
            EXPECT_EQ(8, shot.Count(Is(c.mark), kMark)) << "the opaque stroke in the mark's colour";
            EXPECT_COLOUR(c.mark, shot.At(3, 10));
            EXPECT_COLOUR(c.mark, shot.At(5, 12));
            EXPECT_COLOUR(c.mark, shot.At(10, 7));
            EXPECT_EQ(shot.Count(Is(c.mark)), shot.Count(Is(c.mark), kMark)) << "only inside its rectangle";
        } else {
            EXPECT_EQ(0, shot.Count(Is(kEnabled.mark)) + shot.Count(Is(kDisabled.mark)));
        }
        EXPECT_GT(shot.Count(Is(c.text), kCaption), 10) << "the caption in its colour";
        EXPECT_EQ(0, shot.Count(Is(c.text), RECT{0, 0, 21, 20})) << "the caption starts after the box";
        ::SendMessageW(window, BM_SETSTATE, FALSE, 0);
        ::SendMessageW(window, BM_SETCHECK, BST_UNCHECKED, 0);
        ::EnableWindow(window, TRUE);
        ::SetCursorPos(RestingPointer().x, RestingPointer().y);
        ::PostMessageW(window, WM_MOUSELEAVE, 0, 0);
        Pump();
    }
}

TEST_F(CheckTest, FocusOutlineSurroundsTheCaptionOnlyWhenEnabledAndSwitchedOn) {
    NeloCheckBox check;
    HWND window = MakeCheck(check, L"Focus");
    HWND other = CreateChild(L"BUTTON", L"", BS_PUSHBUTTON | WS_TABSTOP, 20, 60, 40, 20);
    ::SetFocus(window);
    Repaint(Host());
    Capture shot = Capture::Client(window);
    const RECT box = shot.Bounds(Is(kFocus));
    // Around the caption: starting two pixels left of it, never over the box.
    EXPECT_EQ(19, box.left);
    EXPECT_GT(box.right, 30);
    EXPECT_GE(box.top, 0);
    EXPECT_LE(box.bottom, 20);
    const RECT text = shot.Bounds(Is(kEnabled.text));
    EXPECT_LT(box.left, text.left);
    EXPECT_GT(box.right, text.right);
    EXPECT_LT(box.top, text.top);
    EXPECT_GT(box.bottom, text.bottom);

    ASSERT_EQ(1, check.ShowFocusEffect(0));
    Repaint(Host());
    EXPECT_EQ(0, Capture::Client(window).Count(Is(kFocus)));
    ASSERT_EQ(1, check.ShowFocusEffect(1));

    ::SetFocus(other);
    Repaint(Host());
    EXPECT_EQ(0, Capture::Client(window).Count(Is(kFocus)));
}

TEST_F(CheckTest, HoverEffectOffShowsNoRing) {
    NeloCheckBox check;
    HWND window = MakeCheck(check);
    ASSERT_EQ(1, check.ShowHoverEffect(0));
    HoverOver(window, 60, 10);
    Repaint(Host());
    EXPECT_EQ(0, Capture::Client(window).Count(Is(kHoverRing)));
    ASSERT_EQ(1, check.ShowHoverEffect(1));
    HoverOver(window, 61, 10);
    Repaint(Host());
    EXPECT_GT(Capture::Client(window).Count(Is(kHoverRing)), 0);
    // The pointer leaving takes the ring away.
    ::SetCursorPos(RestingPointer().x, RestingPointer().y);
    ASSERT_TRUE(PumpUntil([&] {
        Repaint(window);
        return Capture::Client(window).Count(Is(kHoverRing)) == 0;
    }));
}

TEST_F(CheckTest, TheControlKeepsItsStateThroughClicksKeysAndMessages) {
    NeloCheckBox check;
    HWND window = MakeCheck(check);
    MessageRecorder recorder(window, Host(), {WM_COMMAND});
    const ExpectedMessage clicked{WM_COMMAND, Sent, ToParent, MatchWParam, MAKEWPARAM(kCheckId, BN_CLICKED)};
    struct Case {
        const char* name;
        std::function<void()> act;
        int checked; // BM_GETCHECK afterwards
        std::vector<ExpectedMessage> sequence;
    };
    const Case cases[] = {
        {"a click checks", [&] { quorvex_test::LeftClick(ScreenPoint(window, 7, 10)); }, 1, {clicked}},
        {"a click on the caption unchecks",
         [&] { quorvex_test::LeftClick(ScreenPoint(window, 60, 10)); },
         0,
         {clicked}},
        {"a double click toggles twice",
         [&] {
             quorvex_test::LeftClick(ScreenPoint(window, 40, 10));
             quorvex_test::LeftClick(ScreenPoint(window, 40, 10));
         },
         0,
         {clicked, clicked}},
        {"space toggles",
         [&] {
             ::SetFocus(window);
             PressSpace();
         },
         1,
         {clicked}},
        {"BM_SETCHECK with the indeterminate state reads back as 1",
         [&] { ::SendMessageW(window, BM_SETCHECK, BST_INDETERMINATE, 0); },
         1,
         {}},
        {"BM_SETCHECK 0 unchecks without a notification",
         [&] { ::SendMessageW(window, BM_SETCHECK, 0, 0); },
         0,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        recorder.Clear();
        c.act();
        Pump();
        EXPECT_EQ(c.checked, Checked(window));
        EXPECT_TRUE(recorder.Matches(c.sequence));
        // Away from the control, so that the next click is not a double click.
        ::SetCursorPos(RestingPointer().x, RestingPointer().y);
        Pump();
    }
}

TEST_F(CheckTest, SymbolWidthLimits) {
    NeloCheckBox check;
    HWND window = MakeCheck(check, L"Width", 20, 20, 160, 20);
    EXPECT_EQ(14, check.GetCheckSymbolWidth());
    struct Case {
        int width, result, after;
    } cases[] = {{9, 0, 14}, {31, 0, 14}, {20, 0, 14}, {19, 0, 14}, {18, 1, 18}, {10, 1, 10}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, check.SetCheckSymbolWidth(c.width)) << c.width;
        EXPECT_EQ(c.after, check.GetCheckSymbolWidth()) << c.width;
    }
    // An 18-pixel box in 20 pixels: at y = 1, caption from 18 + 9 = 27.
    ASSERT_EQ(1, check.SetCheckSymbolWidth(18));
    Repaint(Host());
    const Capture shot = Capture::Client(window);
    EXPECT_COLOUR(kEnabled.frame, shot.At(17, 9));
    EXPECT_COLOUR(kEnabled.frame, shot.At(9, 1));
    EXPECT_COLOUR(kEnabled.frame, shot.At(9, 18));
    EXPECT_EQ(0, shot.Count(Is(kEnabled.text), RECT{0, 0, 27, 20}));
}

TEST_F(CheckTest, FromTheTemplateInADialogCoveredAndRepainted) {
    HWND window = host->templateCheck.GetSafeHwnd();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), ::GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK);
    ::SendMessageW(window, BM_SETCHECK, BST_CHECKED, 0);
    CoverAndUncover();
    const COLORREF mark = NeloCheckBox::DefaultColorInfo().crCheckMark;
    const Capture shot = Capture::Client(window);
    RECT client{};
    ::GetClientRect(window, &client);
    const int boxTop = client.bottom / 2 - 7;
    EXPECT_EQ(8, shot.Count(Is(mark), RECT{3, boxTop + 3, 11, boxTop + 11}));
    EXPECT_COLOUR(NeloCheckBox::DefaultColorInfo().crCheckBackground, shot.At(client.right - 1, 0));
    ::SendMessageW(window, BM_SETCHECK, BST_UNCHECKED, 0);
}

TEST_F(CheckTest, EveryKindOfCheckBoxBecomesOwnerDrawnAndIsDrawn) {
    const DWORD kinds[] = {BS_CHECKBOX, BS_AUTOCHECKBOX, BS_3STATE, BS_AUTO3STATE};
    for (DWORD kind : kinds) {
        SCOPED_TRACE(kind);
        NeloCheckBox check;
        HWND window = CreateChild(L"BUTTON", L"Kind", kind | WS_TABSTOP, 20, 20, 160, 20, kCheckId);
        ASSERT_TRUE(check.SubclassWindow(window));
        ASSERT_EQ(1, check.SetCheckBoxColorInfo(DistinctColours()));
        Repaint(Host());
        EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), ::GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK);
        const Capture shot = Capture::Client(window);
        EXPECT_COLOUR(kEnabled.frame, shot.At(0, 10));
        EXPECT_COLOUR(kBackground, shot.At(100, 1));
        check.DestroyWindow();
    }
}

} // namespace

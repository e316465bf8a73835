// The skinned rich edit: its colour defaults, its frame and colours by state
// at exact pixels, the hover look and its switch, skinned bars following
// typed and pasted text, a thumb drag that leaves the bar at the control's
// position, the control made from a dialog template, and no GDI object
// leaked by repainting.
#include "test_support.h"

#include "support/colour_record.h"

namespace lists_test {
namespace {

using Tavrin::NeloRichEditCtrl;
using Tavrin::_RichEditCtrlColorInfo;

const COLORREF kBack = RGB(250, 250, 250);
const COLORREF kBackDisabled = RGB(236, 233, 216);
const COLORREF kBorder = RGB(104, 128, 184);
const COLORREF kBorderFocus = RGB(240, 200, 128);
const COLORREF kBorderDisabled = RGB(172, 168, 153);

TEST(RichEditDefaults, ColourRecordHoldsTheDocumentedDefaults) {
    const quorvex_test::ColourEntry<_RichEditCtrlColorInfo> table[] = {
        {"clrBack", &_RichEditCtrlColorInfo::clrBack, RGB(250, 250, 250)},
        {"clrBackDisabled", &_RichEditCtrlColorInfo::clrBackDisabled, RGB(236, 233, 216)},
        {"clrBorder", &_RichEditCtrlColorInfo::clrBorder, RGB(104, 128, 184)},
        {"clrBorderFocus", &_RichEditCtrlColorInfo::clrBorderFocus, RGB(240, 200, 128)},
        {"clrBorderHot", &_RichEditCtrlColorInfo::clrBorderHot, RGB(104, 128, 184)},
        {"clrBorderDisabled", &_RichEditCtrlColorInfo::clrBorderDisabled, RGB(172, 168, 153)},
        {"clrText", &_RichEditCtrlColorInfo::clrText, RGB(6, 45, 117)},
        {"clrTextDisabled", &_RichEditCtrlColorInfo::clrTextDisabled, RGB(172, 168, 153)},
        {"clrSizeBoxFrom", &_RichEditCtrlColorInfo::clrSizeBoxFrom, RGB(212, 216, 238)},
        {"clrSizeBoxTo", &_RichEditCtrlColorInfo::clrSizeBoxTo, RGB(187, 211, 233)},
        {"clrSizeBoxDisabledFrom", &_RichEditCtrlColorInfo::clrSizeBoxDisabledFrom, RGB(225, 234, 234)},
        {"clrSizeBoxDisabledTo", &_RichEditCtrlColorInfo::clrSizeBoxDisabledTo, RGB(185, 205, 251)},
    };
    const _RichEditCtrlColorInfo defaults = NeloRichEditCtrl::DefaultColorInfo();
    EXPECT_TRUE(quorvex_test::RecordHolds(defaults, table, 12 + 34)) << "12 colours, then both bars' 34";
    EXPECT_EQ(RGB(176, 176, 168), defaults.ScrollBarColors.clrTrackA);
}

// A case rich edit at (10, 10), 200 x 120, multiline with a vertical bar and
// a border, attached as an application attaches it.
class RichEditTest : public HostTest {
protected:
    void Make(DWORD extraStyle = 0) {
        ASSERT_TRUE(AfxInitRichEdit2());
        HWND window = CreateChild(RICHEDIT_CLASSW, L"",
                                  ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_BORDER | extraStyle,
                                  10, 10, 200, 120, 2001);
        ASSERT_NE(nullptr, window);
        ASSERT_TRUE(rich.SubclassWindow(window));
        Pump();
    }
    void TearDown() override {
        rich.DestroyWindow();
        HostTest::TearDown();
    }
    COLORREF DefaultTextColour() {
        CHARFORMAT format{};
        rich.GetDefaultCharFormat(format);
        return format.crTextColor;
    }
    void TypeLines(int count) {
        // Characters typed one by one; the line breaks as the Enter key
        // enters them.
        for (int i = 0; i < count; ++i) {
            for (const wchar_t* c = L"line"; *c; ++c)
                rich.SendMessage(WM_CHAR, *c, 0);
            rich.ReplaceSel(L"\r\n", TRUE);
        }
        rich.SendMessage(WM_KEYUP, VK_RETURN, 0);
        Pump();
        Repaint(rich.GetSafeHwnd());
    }
    SCROLLINFO BarInfo() {
        SCROLLINFO info{};
        rich.VerticalBar()->GetScrollInfo(&info, SIF_ALL);
        return info;
    }

    NeloRichEditCtrl rich;
};

TEST_F(RichEditTest, FrameAndColoursByState) {
    Make();
    EXPECT_TRUE(rich.GetExStyle() & WS_EX_STATICEDGE);
    EXPECT_FALSE(rich.GetStyle() & WS_BORDER);
    EXPECT_EQ(RGB(6, 45, 117), DefaultTextColour());
    const HWND w = rich.GetSafeHwnd();
    Repaint(w);
    struct State {
        const char* name;
        bool focus;
        bool enabled;
        COLORREF border, back, text;
    } states[] = {
        {"normal", false, true, kBorder, kBack, RGB(6, 45, 117)},
        {"focused", true, true, kBorderFocus, kBack, RGB(6, 45, 117)},
        {"disabled", false, false, kBorderDisabled, kBackDisabled, RGB(172, 168, 153)},
    };
    for (const State& s : states) {
        SCOPED_TRACE(s.name);
        rich.EnableWindow(s.enabled);
        if (s.focus)
            rich.SetFocus();
        else
            ::SetFocus(Host());
        Pump();
        Repaint(w);
        EXPECT_COLOUR(s.border, WindowPixel(w, 0, 60));
        EXPECT_COLOUR(s.border, WindowPixel(w, 100, 0));
        EXPECT_COLOUR(s.back, WindowPixel(w, 1, 60));
        EXPECT_COLOUR(s.back, ClientPixel(w, 60, 60));
        EXPECT_EQ(s.text, DefaultTextColour());
    }
}

TEST_F(RichEditTest, HoverLookFollowsTheSwitch) {
    Make();
    _RichEditCtrlColorInfo info = NeloRichEditCtrl::DefaultColorInfo();
    info.clrBorderHot = RGB(200, 0, 0);
    ASSERT_EQ(1, rich.SetRichEditCtrlColorInfo(info));
    const HWND w = rich.GetSafeHwnd();
    CRect window;
    rich.GetWindowRect(&window);
    for (int hover : {1, 0}) {
        SCOPED_TRACE(hover ? "hover on" : "hover off");
        EXPECT_EQ(1, rich.ShowHoverEffect(hover));
        MouseTo(POINT{window.left + 60, window.top + 60});
        Pump();
        EXPECT_COLOUR(hover ? RGB(200, 0, 0) : kBorder, WindowPixel(w, 0, 60));
        MouseTo(RestingPointer());
        PumpUntil([&] { return !rich.IsHot(); });
        Repaint(w);
        EXPECT_COLOUR(kBorder, WindowPixel(w, 0, 60));
    }
}

TEST_F(RichEditTest, BarsFollowTypedAndPastedText) {
    Make();
    ASSERT_NE(nullptr, rich.VerticalBar());
    const HWND v = rich.VerticalBar()->GetSafeHwnd();
    TypeLines(2);
    EXPECT_FALSE(IsWindowVisible(v)) << "two lines fit";
    TypeLines(20);
    ASSERT_TRUE(IsWindowVisible(v));
    EXPECT_TRUE(IsWindowEnabled(v));
    SCROLLINFO own{sizeof(own), SIF_ALL};
    ::GetScrollInfo(rich.GetSafeHwnd(), SB_VERT, &own);
    EXPECT_EQ(own.nMax, BarInfo().nMax);
    const int rangeTyped = BarInfo().nMax;

    // Pasting more text makes the range grow.
    ASSERT_TRUE(OpenClipboard(Host()));
    EmptyClipboard();
    const wchar_t text[] = L"one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\nseven\r\neight\r\n";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof(text));
    memcpy(GlobalLock(memory), text, sizeof(text));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    rich.SetSel(-1, -1);
    rich.Paste();
    Pump();
    Repaint(rich.GetSafeHwnd());
    EXPECT_GT(BarInfo().nMax, rangeTyped);
    ::GetScrollInfo(rich.GetSafeHwnd(), SB_VERT, &own);
    EXPECT_EQ(own.nMax, BarInfo().nMax);

    // Laid over the bar area beside the client area.
    CRect client, bar;
    rich.GetClientRect(&client);
    rich.ClientToScreen(&client);
    ::GetWindowRect(v, &bar);
    EXPECT_EQ(client.right, bar.left);
    EXPECT_EQ(client.right + rich.ScrollBarThickness() + 1, bar.right);
}

TEST_F(RichEditTest, ThumbDragLeavesTheBarAtTheControlsPosition) {
    Make();
    TypeLines(40);
    const Tavrin::NeloScrollBar& bar = *rich.VerticalBar();
    CRect barRect;
    ::GetWindowRect(bar.GetSafeHwnd(), &barRect);
    rich.SendMessage(WM_VSCROLL, SB_TOP, 0);
    Pump();
    const RECT thumb = bar.Layout().thumb;
    const POINT from{barRect.left + (thumb.left + thumb.right) / 2, barRect.top + (thumb.top + thumb.bottom) / 2};
    quorvex_test::LeftDrag(from, {POINT{from.x, from.y + 30}});
    Pump();
    const int position = ::GetScrollPos(rich.GetSafeHwnd(), SB_VERT);
    EXPECT_GT(position, 0) << "the text scrolled";
    EXPECT_EQ(position, const_cast<Tavrin::NeloScrollBar&>(bar).GetScrollPos());
    EXPECT_GT(rich.GetFirstVisibleLine(), 0);
}

TEST_F(RichEditTest, TemplateRichEditInADialogThatOpened) {
    NeloRichEditCtrl& r = host->templateRich;
    ASSERT_NE(nullptr, r.GetSafeHwnd()) << "the dialog holding a rich edit opened and attached it";
    EXPECT_TRUE(r.GetExStyle() & WS_EX_STATICEDGE);
    CoverAndUncover();
    EXPECT_COLOUR(kBorder, WindowPixel(r.GetSafeHwnd(), 0, 30));
    EXPECT_COLOUR(kBack, WindowPixel(r.GetSafeHwnd(), 1, 30));
}

TEST_F(RichEditTest, RepaintingLeaksNoGdiObject) {
    Make();
    TypeLines(20);
    for (BOOL enabled : {TRUE, FALSE}) {
        rich.EnableWindow(enabled);
        Repaint(rich.GetSafeHwnd());
        const GdiCounts before = CountGdi();
        // 200 rounds per state: a repaint costs tens of milliseconds under
        // Wine, and a handle lost per paint still shows.
        for (int i = 0; i < 200; ++i) {
            rich.InvalidateRect(nullptr, FALSE);
            rich.SendMessage(WM_PAINT);
            rich.SendMessage(WM_NCPAINT, 1);
        }
        Pump();
        const GdiCounts after = CountGdi();
        EXPECT_EQ(before.wrappers, after.wrappers);
        EXPECT_EQ(before.handles, after.handles);
    }
}

} // namespace
} // namespace lists_test

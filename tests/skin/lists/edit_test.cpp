// NeloEdit in real windows: its colour defaults, the frame's colour by state
// and by hover source, the disabled self-paint with password stars, the icon
// and alignment offsets, the hint never read back as text, the character
// filter on typing, pasting and setting text, the multi-line box with both
// skinned bars (corner square, bar rectangles, region holes) following typed
// text, the wheel and clicks on its bars, a template box attached by data
// exchange, and repaints without leaks.
#include "test_support.h"

#include "support/colour_record.h"
#include "support/rects.h"

#include <algorithm>
#include <memory>

using namespace lists_test;
using quorvex_test::ClientPixel;
using quorvex_test::ColourEntry;
using quorvex_test::RecordHolds;
using quorvex_test::WindowPixel;
using Tavrin::_EditColorInfo;
using Tavrin::NeloEdit;

namespace {

const COLORREF kBorderNormal = RGB(104, 128, 184);
const COLORREF kBorderFocus = RGB(240, 200, 128);
const COLORREF kBorderReadOnly = RGB(127, 157, 185);
const COLORREF kBorderHot = RGB(88, 168, 240);
const COLORREF kBorderDisabled = RGB(172, 168, 153);
const COLORREF kBackNormal = RGB(250, 250, 250);
const COLORREF kBackReadOnly = RGB(230, 230, 210);
const COLORREF kBackDisabled = RGB(236, 233, 216);
const COLORREF kTextDisabled = RGB(172, 168, 153);

// The skinned bars' thickness: 18, or the system's bar size when larger.
int Thickness() {
    return std::max(18, std::max(GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)));
}

class EditTest : public HostTest {
protected:
    void TearDown() override {
        ::SetCursorPos(RestingPointer().x, RestingPointer().y);
        boxes.clear();
        Pump();
        HostTest::TearDown();
    }

    // A box made by the case and attached as applications attach theirs,
    // with the sunken edge a dialog gives a bordered edit.
    NeloEdit& Box(DWORD style, int x, int y, int w, int h, const wchar_t* text = L"") {
        HWND window = CreateChild(L"EDIT", text, style | WS_TABSTOP, x, y, w, h,
                                  2000 + static_cast<int>(boxes.size()), WS_EX_CLIENTEDGE);
        boxes.emplace_back(new NeloEdit);
        EXPECT_TRUE(boxes.back()->SubclassWindow(window));
        Pump(); // the deferred initialisation
        return *boxes.back();
    }
    void Focus(HWND window) {
        ::SetFocus(window);
        Pump();
    }
    void FocusElsewhere() { Focus(::GetDlgItem(Host(), IDC_OTHER_BUTTON)); }
    POINT ScreenOf(HWND window, int x, int y) {
        RECT r{};
        ::GetWindowRect(window, &r);
        return POINT{r.left + x, r.top + y};
    }
    CString TextOf(HWND window) {
        wchar_t text[256] = {};
        ::GetWindowTextW(window, text, 256);
        return CString(text);
    }

    std::vector<std::unique_ptr<NeloEdit>> boxes;
};

TEST(EditDefaults, ColourRecordAndItsScrollBars) {
    using E = _EditColorInfo;
    const ColourEntry<E> kDefaults[] = {
        {"clrBackNormal", &E::clrBackNormal, RGB(250, 250, 250)},
        {"clrBackReadOnly", &E::clrBackReadOnly, RGB(230, 230, 210)},
        {"clrBackDisabled", &E::clrBackDisabled, RGB(236, 233, 216)},
        {"clrTextNormal", &E::clrTextNormal, RGB(6, 45, 117)},
        {"clrTextReadOnly", &E::clrTextReadOnly, RGB(6, 45, 117)},
        {"clrTextDisabled", &E::clrTextDisabled, RGB(172, 168, 153)},
        {"clrTextHint", &E::clrTextHint, RGB(170, 170, 170)},
        {"clrBorderNormal", &E::clrBorderNormal, RGB(104, 128, 184)},
        {"clrBorderFocus", &E::clrBorderFocus, RGB(240, 200, 128)},
        {"clrBorderReadOnly", &E::clrBorderReadOnly, RGB(127, 157, 185)},
        {"clrBorderHot", &E::clrBorderHot, RGB(88, 168, 240)},
        {"clrBorderDisabled", &E::clrBorderDisabled, RGB(172, 168, 153)},
        {"clrSizeBoxNormalFrom", &E::clrSizeBoxNormalFrom, RGB(212, 216, 238)},
        {"clrSizeBoxNormalTo", &E::clrSizeBoxNormalTo, RGB(187, 211, 233)},
        {"clrSizeBoxReadOnlyFrom", &E::clrSizeBoxReadOnlyFrom, RGB(212, 216, 238)},
        {"clrSizeBoxReadOnlyTo", &E::clrSizeBoxReadOnlyTo, RGB(187, 211, 233)},
        {"clrSizeBoxDisabledFrom", &E::clrSizeBoxDisabledFrom, RGB(225, 234, 234)},
        {"clrSizeBoxDisabledTo", &E::clrSizeBoxDisabledTo, RGB(185, 205, 251)},
    };
    NeloEdit box;
    _EditColorInfo record{};
    EXPECT_EQ(0, box.GetEditColorInfo(record)) << "no scroll bars before subclassing";
    EXPECT_EQ(0, box.SetEditColorInfo(record));
    EXPECT_EQ(208u, sizeof(_EditColorInfo));
    NeloEdit::DefaultColours(record);
    EXPECT_TRUE(RecordHolds(record, kDefaults, 18 + 34));
}

TEST_F(EditTest, ColourRecordReachesBothBars) {
    NeloEdit& box = Box(ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 10, 10, 150, 80);
    _EditColorInfo info{};
    ASSERT_EQ(1, box.GetEditColorInfo(info));
    EXPECT_EQ(RGB(250, 250, 250), info.clrBackNormal);
    EXPECT_EQ(RGB(201, 215, 241), info.scrollBar.clrFrame) << "the bars' own defaults";
    info.scrollBar.clrFrame = RGB(1, 2, 3);
    info.clrBorderNormal = RGB(4, 5, 6);
    ASSERT_EQ(1, box.SetEditColorInfo(info));
    Tavrin::_ScrollBarColorInfo bar{};
    box.VerticalBar()->GetScrollBarColorInfo(bar);
    EXPECT_EQ(RGB(1, 2, 3), bar.clrFrame);
    box.HorizontalBar()->GetScrollBarColorInfo(bar);
    EXPECT_EQ(RGB(1, 2, 3), bar.clrFrame);
    Repaint(Host());
    EXPECT_COLOUR(RGB(4, 5, 6), WindowPixel(box.GetSafeHwnd(), 0, 40));
}

TEST_F(EditTest, FrameColourByStateAndHoverSource) {
    NeloEdit& box = Box(ES_AUTOHSCROLL, 20, 20, 160, 24, L"text");
    NeloEdit& readOnly = Box(ES_AUTOHSCROLL | ES_READONLY, 20, 60, 160, 24, L"read only");
    NeloEdit& memo = Box(ES_MULTILINE | WS_VSCROLL, 20, 100, 160, 80,
                         L"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10");
    const HWND window = box.GetSafeHwnd();
    FocusElsewhere();
    Repaint(Host());
    struct Case {
        const char* what;
        std::function<void()> act;
        HWND box;
        COLORREF outer, inner;
    };
    const Case cases[] = {
        {"normal", [] {}, window, kBorderNormal, kBackNormal},
        {"read-only", [] {}, readOnly.GetSafeHwnd(), kBorderReadOnly, kBackReadOnly},
        {"hot: pointer over the client area", [&] { MouseTo(ScreenOf(window, 60, 12)); }, window, kBorderHot,
         kBackNormal},
        {"hot: pointer over the frame", [&] { MouseTo(ScreenOf(window, 0, 12)); }, window, kBorderHot,
         kBackNormal},
        {"pointer gone", [&] { MouseTo(RestingPointer()); }, window, kBorderNormal, kBackNormal},
        {"hot: pointer over the vertical bar",
         [&] {
             RECT bar{};
             ::GetWindowRect(memo.VerticalBar()->GetSafeHwnd(), &bar);
             MouseTo(POINT{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2});
         },
         memo.GetSafeHwnd(), kBorderHot, kBackNormal},
        {"bar left", [&] { MouseTo(RestingPointer()); }, memo.GetSafeHwnd(), kBorderNormal, kBackNormal},
        {"focused wins over hot",
         [&] {
             Focus(window);
             MouseTo(ScreenOf(window, 60, 12));
         },
         window, kBorderFocus, kBackNormal},
        {"disabled", [&] {
             FocusElsewhere();
             ::EnableWindow(window, FALSE);
         },
         window, kBorderDisabled, kBackDisabled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.act();
        PumpUntil([&] { return WindowPixel(c.box, 0, 12) == c.outer; }, 1500);
        EXPECT_COLOUR(c.outer, WindowPixel(c.box, 0, 12));
        EXPECT_COLOUR(c.outer, WindowPixel(c.box, 80, 0));
        EXPECT_COLOUR(c.inner, WindowPixel(c.box, 1, 12));
    }
    ::EnableWindow(window, TRUE);
    MouseTo(RestingPointer());
    EXPECT_TRUE(PumpUntil([&] { return !box.IsHot() && !memo.IsHot(); })) << "every hover source cleared";
}

TEST_F(EditTest, HoverSwitchOffNeverShowsTheHotColour) {
    NeloEdit& memo = Box(ES_MULTILINE | WS_VSCROLL, 20, 20, 160, 80,
                         L"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10");
    const HWND window = memo.GetSafeHwnd();
    FocusElsewhere();
    ASSERT_EQ(1, memo.ShowHoverEffect(0));
    MouseTo(ScreenOf(window, 60, 30));
    EXPECT_COLOUR(kBorderNormal, WindowPixel(window, 0, 30));
    RECT bar{};
    ::GetWindowRect(memo.VerticalBar()->GetSafeHwnd(), &bar);
    MouseTo(POINT{(bar.left + bar.right) / 2, bar.top + 40});
    EXPECT_COLOUR(kBorderNormal, WindowPixel(window, 0, 30));
    // A spin button's report changes nothing either.
    ::SendMessageW(window, Tavrin::ATTACH_NELO_EDIT_MSG, 0, 0);
    ::SendMessageW(window, Tavrin::MOUSE_IN_NELO_SPIN_BUTTON_CTRL, 0, 1);
    Pump();
    EXPECT_COLOUR(kBorderNormal, WindowPixel(window, 0, 30));
    EXPECT_EQ(1, memo.Hover().buddy);
    ::SendMessageW(window, Tavrin::DETACH_NELO_EDIT_MSG, 0, 0);
    MouseTo(RestingPointer());
}

TEST_F(EditTest, DisabledBoxPaintsItselfWithPasswordStars) {
    NeloEdit& plain = Box(ES_AUTOHSCROLL, 20, 20, 200, 24, L"abc");
    NeloEdit& password = Box(ES_AUTOHSCROLL | ES_PASSWORD, 20, 60, 200, 24, L"abc");
    ::EnableWindow(plain.GetSafeHwnd(), FALSE);
    ::EnableWindow(password.GetSafeHwnd(), FALSE);
    Repaint(Host());
    // Columns holding the disabled text colour, and the width they span.
    auto inkSpan = [&](HWND window) {
        const quorvex_test::Capture client = quorvex_test::Capture::Client(window);
        int first = -1, last = -1;
        for (int x = 0; x < client.Width(); ++x)
            for (int y = 0; y < client.Height(); ++y)
                if (quorvex_test::Near(client.At(x, y), kTextDisabled, 40) &&
                    !quorvex_test::Near(client.At(x, y), kBackDisabled, 20)) {
                    if (first < 0)
                        first = x;
                    last = x;
                }
        return first < 0 ? 0 : last - first + 1;
    };
    HDC dc = ::GetDC(password.GetSafeHwnd());
    HGDIOBJ old = ::SelectObject(dc, quorvex_test::WindowFontOf(password.GetSafeHwnd()));
    SIZE three{}, four{};
    ::GetTextExtentPoint32W(dc, L"***", 3, &three);
    ::GetTextExtentPoint32W(dc, L"****", 4, &four);
    ::SelectObject(dc, old);
    ::ReleaseDC(password.GetSafeHwnd(), dc);
    const int stars = inkSpan(password.GetSafeHwnd());
    EXPECT_GT(stars, 0) << "the disabled password box shows its stars";
    EXPECT_LE(stars, three.cx) << "one star per character, not one for the line break";
    EXPECT_LT(stars, four.cx - 2);
    EXPECT_GT(inkSpan(plain.GetSafeHwnd()), 0);
    // The background and frame of the disabled look.
    EXPECT_COLOUR(kBackDisabled, ClientPixel(plain.GetSafeHwnd(), 150, 10));
    EXPECT_COLOUR(kBorderDisabled, WindowPixel(plain.GetSafeHwnd(), 0, 12));
    EXPECT_COLOUR(kBackDisabled, WindowPixel(plain.GetSafeHwnd(), 1, 12));
}

TEST_F(EditTest, IconAreaAndAlignmentOffsets) {
    NeloEdit& box = Box(ES_AUTOHSCROLL, 20, 20, 200, 40, L"text");
    NeloEdit& memo = Box(ES_MULTILINE, 20, 80, 200, 40);
    RECT before{};
    ::GetClientRect(box.GetSafeHwnd(), &before);
    EXPECT_EQ(200 - 4, before.right) << "two rings on each side";
    HICON icon = ::LoadIcon(nullptr, IDI_INFORMATION);
    EXPECT_EQ(0, memo.SetIcon(icon, 1)) << "no icon in a multi-line box";
    ASSERT_EQ(1, box.SetIcon(icon, 1));
    EXPECT_EQ(icon, box.GetIcon());
    EXPECT_EQ(21, box.IconAreaWidth());
    RECT after{};
    ::GetClientRect(box.GetSafeHwnd(), &after);
    EXPECT_EQ(before.right - 21, after.right);
    POINT strip = ScreenOf(box.GetSafeHwnd(), 10, 20);
    EXPECT_EQ(HTBORDER, ::SendMessageW(box.GetSafeHwnd(), WM_NCHITTEST, 0, MAKELPARAM(strip.x, strip.y)));
    ASSERT_EQ(1, box.SetIcon(icon, 0));
    EXPECT_EQ(::GetSystemMetrics(SM_CXICON) + 5, box.IconAreaWidth()) << "the icon's own width + 5";
    ASSERT_EQ(1, box.SetIcon(nullptr, 0));
    EXPECT_EQ(0, box.IconAreaWidth());
    ::GetClientRect(box.GetSafeHwnd(), &after);
    EXPECT_EQ(before.right, after.right);

    // Alignment: the top of the client area moves down by half (centre) or
    // all (bottom) of what the window's height, less its 2-pixel edge, has
    // to spare beside the height of "0gk".
    HDC dc = ::GetDC(box.GetSafeHwnd());
    HGDIOBJ old = ::SelectObject(dc, quorvex_test::WindowFontOf(box.GetSafeHwnd()));
    SIZE text{};
    ::GetTextExtentPoint32W(dc, L"0gk", 3, &text);
    ::SelectObject(dc, old);
    ::ReleaseDC(box.GetSafeHwnd(), dc);
    struct Case {
        Tavrin::EditTextAlignmentStyle style;
        int offset;
    };
    const Case cases[] = {{Tavrin::EditTextAlignCenter, (38 - text.cy) / 2},
                          {Tavrin::EditTextAlignBottom, 38 - text.cy},
                          {Tavrin::EditTextAlignTop, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        ASSERT_EQ(1, box.SetTextAlignment(c.style));
        EXPECT_EQ(c.offset, box.TextOffset());
        RECT client{};
        ::GetClientRect(box.GetSafeHwnd(), &client);
        EXPECT_EQ(40 - 4 - c.offset, client.bottom);
    }
    EXPECT_EQ(0, memo.SetTextAlignment(Tavrin::EditTextAlignCenter));
    // A new size computes it again.
    ASSERT_EQ(1, box.SetTextAlignment(Tavrin::EditTextAlignBottom));
    ::SetWindowPos(box.GetSafeHwnd(), nullptr, 0, 0, 200, 50, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    EXPECT_EQ(48 - text.cy, box.TextOffset());
}

TEST_F(EditTest, HintIsNeverReadBackAsText) {
    NeloEdit& box = host->templateEdit;
    const HWND window = box.GetSafeHwnd();
    box.SetWindowText(L"");
    FocusElsewhere();
    ASSERT_EQ(1, box.ShowHintText(1, L"Type a folder"));
    EXPECT_TRUE(box.HintShown());
    EXPECT_EQ(0, ::GetWindowTextLengthW(window));
    EXPECT_EQ(CString(), TextOf(window));
    host->exchanged = L"stale";
    host->UpdateData(TRUE);
    EXPECT_EQ(CString(), host->exchanged) << "data exchange reads an empty box";

    Focus(window); // the hint goes while the box is being typed into
    EXPECT_FALSE(box.HintShown());
    ::SendMessageW(window, WM_CHAR, L'C', 1);
    EXPECT_EQ(CString(L"C"), TextOf(window));
    FocusElsewhere();
    EXPECT_EQ(CString(L"C"), TextOf(window));
    box.SetWindowText(L"");
    Focus(window);
    FocusElsewhere();
    EXPECT_TRUE(box.HintShown()) << "an emptied box shows its hint again";
    EXPECT_EQ(0, ::GetWindowTextLengthW(window));

    ASSERT_EQ(1, box.ShowHintText(0, L""));
    EXPECT_FALSE(box.HintShown());
    EXPECT_EQ(0, ::GetWindowTextLengthW(window)) << "turning the hint off clears it";
    ASSERT_EQ(1, box.ShowHintText(1, L""));
    EXPECT_FALSE(box.HintShown()) << "an empty hint counts as none";
}

TEST_F(EditTest, FilterOnTypingPastingAndSettingText) {
    NeloEdit& box = Box(ES_AUTOHSCROLL, 20, 20, 200, 24, L"C:/a\\b");
    const HWND window = box.GetSafeHwnd();
    ASSERT_EQ(1, box.SetFilterCharList(L"/\\"));
    EXPECT_EQ(CString(L"C:ab"), TextOf(window)) << "the text already in the box";
    EXPECT_EQ(CString(L"/\\"), box.GetFilterCharList());
    EXPECT_EQ(1, box.SetFilterCharList(L"/\\"));

    box.SetWindowText(L"x/y\\z");
    EXPECT_EQ(CString(L"xyz"), TextOf(window));

    Focus(window);
    ::SendMessageW(window, EM_SETSEL, 3, 3);
    for (wchar_t c : {L'1', L'/', L'2', L'\\'})
        ::SendMessageW(window, WM_CHAR, c, 1);
    EXPECT_EQ(CString(L"xyz12"), TextOf(window));

    // Paste "p/q\r" between x and y: the caret stays after the pasted text.
    ASSERT_TRUE(::OpenClipboard(Host()));
    ::EmptyClipboard();
    const wchar_t clip[] = L"p/q\\r";
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(clip));
    memcpy(::GlobalLock(memory), clip, sizeof(clip));
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
    ::SendMessageW(window, EM_SETSEL, 1, 1);
    ::SendMessageW(window, WM_PASTE, 0, 0);
    EXPECT_EQ(CString(L"xpqryz12"), TextOf(window));
    DWORD start = 0, end = 0;
    ::SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(4u, start);
    EXPECT_EQ(4u, end);

    // Beyond 65,535 characters the caret still lands after the paste.
    CString longText(L'a', 70000);
    ::SendMessageW(window, EM_SETLIMITTEXT, 200000, 0);
    box.SetWindowText(longText);
    ::SendMessageW(window, EM_SETSEL, 70000, 70000);
    ::SendMessageW(window, WM_PASTE, 0, 0);
    ::SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(70003u, end);
    EXPECT_EQ(70003, ::GetWindowTextLengthW(window));
    FocusElsewhere();
}

TEST_F(EditTest, MultiLineBoxWithBothBars) {
    NeloEdit& memo = Box(ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL,
                         20, 20, 200, 120);
    const HWND window = memo.GetSafeHwnd();
    Repaint(Host());
    const int t = Thickness();
    // Client (2, 2, 200 - t - 3, 120 - t - 3) in window coordinates; each bar
    // thickness + 1 deep beside it, reaching one pixel into the corner.
    const RECT vertical{200 - t - 3, 2, 200 - 2, 120 - t - 2};
    const RECT horizontal{2, 120 - t - 3, 200 - t - 2, 120 - 2};
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_EQ(200 - t - 5, client.right);
    EXPECT_EQ(120 - t - 5, client.bottom);
    auto inWindow = [&](HWND bar) {
        RECT b{}, w{};
        ::GetWindowRect(bar, &b);
        ::GetWindowRect(window, &w);
        return RECT{b.left - w.left, b.top - w.top, b.right - w.left, b.bottom - w.top};
    };
    ASSERT_TRUE(::IsWindowVisible(memo.VerticalBar()->GetSafeHwnd()));
    ASSERT_TRUE(::IsWindowVisible(memo.HorizontalBar()->GetSafeHwnd()));
    EXPECT_RECT(vertical, inWindow(memo.VerticalBar()->GetSafeHwnd()));
    EXPECT_RECT(horizontal, inWindow(memo.HorizontalBar()->GetSafeHwnd()));
    EXPECT_EQ(window, memo.VerticalBar()->Owner());
    // The region: holes exactly where the bars are.
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(ERROR, ::GetWindowRgn(window, region));
    EXPECT_FALSE(::PtInRegion(region, vertical.left, vertical.top));
    EXPECT_FALSE(::PtInRegion(region, vertical.right - 1, vertical.bottom - 1));
    EXPECT_FALSE(::PtInRegion(region, horizontal.left, horizontal.bottom - 1));
    EXPECT_TRUE(::PtInRegion(region, vertical.left - 1, 50));
    EXPECT_TRUE(::PtInRegion(region, 199, 50)) << "the frame stays";
    EXPECT_TRUE(::PtInRegion(region, 200 - t - 2, 120 - t - 2)) << "the corner square stays";
    ::DeleteObject(region);
    // The corner square: a diagonal gradient between its two colours.
    const COLORREF corner = WindowPixel(window, 200 - t / 2 - 3, 120 - t / 2 - 3);
    EXPECT_TRUE(quorvex_test::Near(corner, quorvex_test::Mix(RGB(212, 216, 238), RGB(187, 211, 233), 0.5), 14))
        << quorvex_test::Describe(corner);

    // Typed lines: the vertical bar takes the box's range and position.
    Focus(window);
    for (int line = 0; line < 30; ++line) {
        for (wchar_t c : {L'l', L'i', L'n', L'e'})
            ::SendMessageW(window, WM_CHAR, c, 1);
        ::SendMessageW(window, WM_KEYDOWN, VK_RETURN, 1);
        ::SendMessageW(window, WM_CHAR, L'\r', 1);
    }
    Pump();
    auto expectInStep = [&](const char* what) {
        SCOPED_TRACE(what);
        SCROLLINFO own{sizeof(own), SIF_ALL}, bar{};
        ::GetScrollInfo(window, SB_VERT, &own);
        memo.VerticalBar()->GetScrollInfo(&bar, SIF_ALL);
        EXPECT_EQ(own.nMin, bar.nMin);
        EXPECT_EQ(own.nMax, bar.nMax);
        EXPECT_EQ(own.nPage, bar.nPage);
        EXPECT_EQ(own.nPos, bar.nPos);
        return own.nPos;
    };
    const int typed = expectInStep("typed text");
    EXPECT_GT(typed, 0);
    EXPECT_TRUE(::IsWindowEnabled(memo.VerticalBar()->GetSafeHwnd()));
    // The wheel scrolls the box; the bar follows.
    POINT over = ScreenOf(window, 60, 40);
    ::SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(over.x, over.y));
    Pump();
    EXPECT_LT(expectInStep("wheel"), typed);
    // A click on the bar's up arrow scrolls the box by a line.
    const int before = static_cast<int>(::SendMessageW(window, EM_GETFIRSTVISIBLELINE, 0, 0));
    RECT up{};
    ::GetWindowRect(memo.VerticalBar()->GetSafeHwnd(), &up);
    MouseClick(POINT{up.left + 8, up.top + 5});
    Pump();
    EXPECT_EQ(before - 1, static_cast<int>(::SendMessageW(window, EM_GETFIRSTVISIBLELINE, 0, 0)));
    expectInStep("arrow click");
    FocusElsewhere();
}

TEST_F(EditTest, OnlyAHorizontalBarSpansTheClientWidth) {
    NeloEdit& box = Box(ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL, 20, 20, 200, 80, L"a");
    Repaint(Host());
    const int t = Thickness();
    RECT b{}, w{};
    ::GetWindowRect(box.HorizontalBar()->GetSafeHwnd(), &b);
    ::GetWindowRect(box.GetSafeHwnd(), &w);
    EXPECT_RECT((RECT{2, 80 - t - 3, 198, 78}), (RECT{b.left - w.left, b.top - w.top, b.right - w.left, b.bottom - w.top}));
    EXPECT_FALSE(::IsWindowVisible(box.VerticalBar()->GetSafeHwnd()));
    EXPECT_FALSE(box.VerticalBar()->GetSafeHwnd() && ::IsWindowEnabled(box.HorizontalBar()->GetSafeHwnd()))
        << "nothing to scroll yet";
    // The right edge beside the bar is the frame, not a corner square.
    EXPECT_COLOUR(kBackNormal, WindowPixel(box.GetSafeHwnd(), 198, 80 - t / 2 - 3));
}

TEST_F(EditTest, TemplateBoxesAttachedByDataExchange) {
    NeloEdit& box = host->templateEdit;
    NeloEdit& memo = host->templateMemo;
    FocusElsewhere();
    CoverAndUncover();
    EXPECT_TRUE(::GetWindowLongW(box.GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_FALSE(::GetWindowLongW(box.GetSafeHwnd(), GWL_STYLE) & WS_BORDER);
    EXPECT_COLOUR(kBorderNormal, WindowPixel(box.GetSafeHwnd(), 0, 5));
    EXPECT_COLOUR(kBackNormal, WindowPixel(box.GetSafeHwnd(), 1, 5));
    ASSERT_NE(nullptr, memo.VerticalBar()->GetSafeHwnd());
    EXPECT_TRUE(::IsWindowVisible(memo.VerticalBar()->GetSafeHwnd()));
    EXPECT_EQ(::GetParent(memo.GetSafeHwnd()), ::GetParent(memo.VerticalBar()->GetSafeHwnd()))
        << "the bars are the box's siblings";
    // The font of the deferred initialisation: Arial 10.
    EXPECT_EQ(Tavrin::SkinFont(L"Arial", 10, 0), quorvex_test::WindowFontOf(box.GetSafeHwnd()));
    // A style change that adds a border is turned into the one-pixel edge.
    ::SetWindowLongW(box.GetSafeHwnd(), GWL_STYLE, ::GetWindowLongW(box.GetSafeHwnd(), GWL_STYLE) | WS_BORDER);
    EXPECT_FALSE(::GetWindowLongW(box.GetSafeHwnd(), GWL_STYLE) & WS_BORDER);
    EXPECT_TRUE(::GetWindowLongW(box.GetSafeHwnd(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
}

TEST_F(EditTest, RepaintsLeakNothing) {
    NeloEdit& memo = Box(ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 20, 20, 200, 120, L"one\r\ntwo");
    NeloEdit& password = Box(ES_AUTOHSCROLL | ES_PASSWORD, 20, 150, 200, 24, L"abc");
    password.SetIcon(::LoadIcon(nullptr, IDI_INFORMATION), 1);
    const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW;
    for (BOOL enabled : {TRUE, FALSE}) {
        for (HWND window : {memo.GetSafeHwnd(), password.GetSafeHwnd()}) {
            SCOPED_TRACE(enabled);
            ::EnableWindow(window, enabled);
            ::RedrawWindow(window, nullptr, nullptr, flags);
            Pump();
            const GdiCounts before = CountGdi();
            for (int i = 0; i < 1000; ++i) {
                AfxLockTempMaps();
                ::RedrawWindow(window, nullptr, nullptr, flags);
                AfxUnlockTempMaps();
            }
            Pump();
            const GdiCounts after = CountGdi();
            EXPECT_EQ(before.wrappers, after.wrappers);
            EXPECT_EQ(before.handles, after.handles);
        }
    }
}

} // namespace

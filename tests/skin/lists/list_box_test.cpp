// The skinned list box on real windows: its colour record, rows in every
// look at exact pixels, its frame, item heights, the tooltip of items wider
// than the list, the held button, a list box without the styles its rows
// need, one attached from a dialog template, no leaks over repaints, and
// the skinned bars in place of the system's.
#include "listview_test_support.h"

#include "support/colour_record.h"

#include <algorithm>

using namespace listview_test;
using quorvex_test::ColourEntry;
using quorvex_test::RecordHolds;
using Tavrin::_ListBoxColorInfo;
using Tavrin::NeloListBox;

namespace {

const ColourEntry<_ListBoxColorInfo> kListBoxDefaults[] = {
    {"clrRowBack", &_ListBoxColorInfo::clrRowBack, RGB(250, 250, 250)},
    {"clrRowBackDisabled", &_ListBoxColorInfo::clrRowBackDisabled, RGB(236, 233, 216)},
    {"clrStripeBack", &_ListBoxColorInfo::clrStripeBack, RGB(232, 232, 240)},
    {"clrStripeBackDisabled", &_ListBoxColorInfo::clrStripeBackDisabled, RGB(219, 217, 202)},
    {"clrSelectedFrom", &_ListBoxColorInfo::clrSelectedFrom, RGB(255, 242, 202)},
    {"clrSelectedTo", &_ListBoxColorInfo::clrSelectedTo, RGB(254, 230, 158)},
    {"clrHotFrom", &_ListBoxColorInfo::clrHotFrom, RGB(240, 240, 240)},
    {"clrHotTo", &_ListBoxColorInfo::clrHotTo, RGB(232, 232, 240)},
    {"clrBorder", &_ListBoxColorInfo::clrBorder, RGB(127, 157, 185)},
    {"clrBorderDisabled", &_ListBoxColorInfo::clrBorderDisabled, RGB(172, 168, 153)},
    {"clrSelectedOutline", &_ListBoxColorInfo::clrSelectedOutline, RGB(254, 230, 158)},
    {"clrHotOutline", &_ListBoxColorInfo::clrHotOutline, RGB(199, 199, 199)},
    {"clrText", &_ListBoxColorInfo::clrText, RGB(6, 45, 117)},
    {"clrTextSelected", &_ListBoxColorInfo::clrTextSelected, RGB(27, 44, 150)},
    {"clrTextHot", &_ListBoxColorInfo::clrTextHot, RGB(6, 45, 117)},
    {"clrTextDisabled", &_ListBoxColorInfo::clrTextDisabled, RGB(172, 168, 153)},
    {"clrSplitLine", &_ListBoxColorInfo::clrSplitLine, RGB(229, 236, 249)},
    {"clrSplitLineDisabled", &_ListBoxColorInfo::clrSplitLineDisabled, RGB(224, 221, 204)},
};

const DWORD kOwnerDrawn =
    WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;

class ListBoxTest : public ListViewsTest {
protected:
    // A 200 x 150 list box at (20, 20) with five short rows.
    HWND MakeBox(NeloListBox& box, DWORD style = kOwnerDrawn, int id = 2001) {
        HWND window = CreateChild(L"LISTBOX", L"", style, 20, 20, 200, 150, id);
        EXPECT_TRUE(box.SubclassWindow(window));
        for (int i = 0; i < 5; ++i) {
            CString text;
            text.Format(L"Row %d", i);
            box.AddString(text);
        }
        Pump();
        return window;
    }
    static RECT Row(NeloListBox& box, int index) {
        RECT r{};
        box.GetItemRect(index, &r);
        return r;
    }
};

TEST_F(ListBoxTest, ColourRecordDefaultsAndTheTooltipBlock) {
    _ListBoxColorInfo record = NeloListBox::DefaultColorInfo();
    EXPECT_TRUE(RecordHolds(record, kListBoxDefaults, 18 + 4 + 34));
    EXPECT_EQ(RGB(251, 252, 253), record.ToolTipColors.crTipTop);
    EXPECT_EQ(RGB(234, 252, 249), record.ToolTipColors.crTipBottom);
    EXPECT_EQ(RGB(6, 45, 117), record.ToolTipColors.crTipText);
    EXPECT_EQ(RGB(49, 93, 148), record.ToolTipColors.crTipFrame);
    EXPECT_EQ(RGB(176, 176, 168), record.ScrollBarColors.clrTrackA);
    EXPECT_EQ(RGB(201, 215, 241), record.ScrollBarColors.clrFrame);

    // An attached list box hands out the same, and takes a record whole:
    // the tip's text colour comes back from the tip itself.
    ASSERT_EQ(1, host->templateListBox.GetListBoxColorInfo(record));
    EXPECT_TRUE(RecordHolds(record, kListBoxDefaults, 18 + 4 + 34));
    NeloListBox unattached;
    EXPECT_EQ(0, unattached.SetListBoxColorInfo(record)) << "no tooltip before it is attached";
    record.clrRowBack = RGB(255, 255, 255);
    record.ToolTipColors.crTipText = RGB(200, 0, 0);
    ASSERT_EQ(1, host->templateListBox.SetListBoxColorInfo(record));
    _ListBoxColorInfo back{};
    ASSERT_EQ(1, host->templateListBox.GetListBoxColorInfo(back));
    EXPECT_EQ(RGB(255, 255, 255), back.clrRowBack);
    EXPECT_EQ(RGB(200, 0, 0), back.ToolTipColors.crTipText);
    ASSERT_EQ(1, host->templateListBox.SetListBoxColorInfo(NeloListBox::DefaultColorInfo()));
}

TEST_F(ListBoxTest, RowsInEveryLookAtExactPixels) {
    NeloListBox box;
    HWND window = MakeBox(box);
    const int rowHeight = ArialTextHeight(L"kg") + 4;
    EXPECT_EQ(rowHeight, box.GetItemHeight(0)) << "rows are as tall as \"kg\" + 4 in Arial 10";

    // Pixels away from the text: x = 150 in a 200-pixel list.
    const int x = 150;
    auto top = [&](int i) { return static_cast<int>(Row(box, i).top); };
    auto bottom = [&](int i) { return static_cast<int>(Row(box, i).bottom); };

    box.SetCurSel(1);
    Capture plain = ClientCapture(window);
    EXPECT_COLOUR(RGB(250, 250, 250), plain.At(x, top(0) + 2));
    EXPECT_COLOUR(RGB(229, 236, 249), plain.At(x, bottom(0) - 1)) << "split line";
    const COLORREF selectedFrom = RGB(255, 242, 202), selectedTo = RGB(254, 230, 158);
    EXPECT_COLOUR_NEAR(RowGradientAt(selectedFrom, selectedTo, 0, rowHeight), plain.At(x, top(1)), 2);
    EXPECT_COLOUR_NEAR(RowGradientAt(selectedFrom, selectedTo, rowHeight - 2, rowHeight),
                       plain.At(x, bottom(1) - 2), 2);
    EXPECT_COLOUR(RGB(229, 236, 249), plain.At(x, bottom(1) - 1)) << "split line under the selection";
    EXPECT_COLOUR(RGB(250, 250, 250), plain.At(x, bottom(4) + 5)) << "empty area";

    MoveMouseTo(window, POINT{x, top(3) + rowHeight / 2});
    EXPECT_EQ(3, box.GetHotItem());
    Capture hot = ClientCapture(window);
    const COLORREF hotFrom = RGB(240, 240, 240), hotTo = RGB(232, 232, 240);
    EXPECT_COLOUR_NEAR(RowGradientAt(hotFrom, hotTo, 0, rowHeight), hot.At(x, top(3)), 1);
    EXPECT_COLOUR_NEAR(RowGradientAt(hotFrom, hotTo, rowHeight - 2, rowHeight), hot.At(x, bottom(3) - 2), 1);

    ASSERT_EQ(1, box.ShowStripeRow(1));
    MoveMouseTo(window, POINT{x, top(3) + rowHeight / 2});
    Capture striped = ClientCapture(window);
    EXPECT_COLOUR(RGB(250, 250, 250), striped.At(x, bottom(0) - 1)) << "even row, no split line";
    EXPECT_COLOUR(RGB(232, 232, 240), striped.At(x, top(3) + 2)) << "the hot odd row keeps its stripe";
    EXPECT_COLOUR(RGB(232, 232, 240), striped.At(x, bottom(3) - 1));
    ASSERT_EQ(1, box.ShowStripeRow(0));

    ASSERT_EQ(1, box.ShowSplitLine(0));
    MoveMouseTo(window, POINT{x, bottom(4) + 5});
    MoveMouseTo(window, POINT{x, top(3) + rowHeight / 2});
    Capture outlined = ClientCapture(window);
    EXPECT_COLOUR(RGB(254, 230, 158), outlined.At(0, top(1) + rowHeight / 2)) << "selection outline";
    EXPECT_COLOUR(RGB(254, 230, 158), outlined.At(x, bottom(1) - 1));
    EXPECT_COLOUR(RGB(199, 199, 199), outlined.At(x, top(3))) << "hot outline";
    EXPECT_COLOUR(RGB(250, 250, 250), outlined.At(x, bottom(0) - 1)) << "no split line";
    ASSERT_EQ(1, box.ShowSplitLine(1));

    ::EnableWindow(window, FALSE);
    Capture disabled = ClientCapture(window);
    EXPECT_COLOUR(RGB(236, 233, 216), disabled.At(x, top(1) + 2)) << "no selection look when disabled";
    EXPECT_COLOUR(RGB(224, 221, 204), disabled.At(x, bottom(0) - 1));
    EXPECT_COLOUR(RGB(236, 233, 216), disabled.At(x, bottom(4) + 5));
    EXPECT_COLOUR(RGB(172, 168, 153), WindowPixel(window, 0, 0)) << "outer ring, disabled";
    EXPECT_COLOUR(RGB(236, 233, 216), WindowPixel(window, 1, 1)) << "inner ring, disabled";
    ::EnableWindow(window, TRUE);
    Repaint(window);
    EXPECT_COLOUR(RGB(127, 157, 185), WindowPixel(window, 0, 0)) << "outer ring";
    EXPECT_COLOUR(RGB(250, 250, 250), WindowPixel(window, 1, 1)) << "inner ring";
    RECT frame{};
    ::GetWindowRect(window, &frame);
    EXPECT_COLOUR(RGB(127, 157, 185), WindowPixel(window, frame.right - frame.left - 1, frame.bottom - frame.top - 1));
}

TEST_F(ListBoxTest, HeldButtonShowsNoHotRow) {
    // Several selections: the press selects row 2, and moving on with the
    // button held leaves the selection alone, so row 3 shows what a held
    // button does to the hot look.
    NeloListBox box;
    HWND window = MakeBox(box, kOwnerDrawn | LBS_MULTIPLESEL, 2002);
    const RECT pressed = Row(box, 2), row = Row(box, 3);
    MoveMouseTo(window, POINT{150, (pressed.top + pressed.bottom) / 2});
    INPUT down = quorvex_test::MouseInput(MOUSEEVENTF_LEFTDOWN);
    ::SendInput(1, &down, sizeof(INPUT));
    Pump();
    MoveMouseTo(window, POINT{150, (row.top + row.bottom) / 2});
    ASSERT_EQ(3, box.GetHotItem());
    Capture held = ClientCapture(window);
    EXPECT_COLOUR(RGB(250, 250, 250), held.At(150, row.top + 2));
    INPUT up = quorvex_test::MouseInput(MOUSEEVENTF_LEFTUP);
    ::SendInput(1, &up, sizeof(INPUT));
    Pump();
    Capture released = ClientCapture(window);
    const int height = row.bottom - row.top;
    EXPECT_COLOUR_NEAR(RowGradientAt(RGB(240, 240, 240), RGB(232, 232, 240), 2, height),
                       released.At(150, row.top + 2), 1);
}

TEST_F(ListBoxTest, ItemHeightsFollowTheFont) {
    NeloListBox box;
    MakeBox(box, kOwnerDrawn, 2003);
    struct Case {
        int index;
        UINT height;
        int result;
    };
    const Case cases[] = {{0, 14, 0}, {0, 36, 0}, {5, 20, 0}, {-1, 20, 0}, {0, 15, 1}, {0, 35, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(c.result, box.SetItemHeight(c.index, c.height)) << c.index << ", " << c.height;
    EXPECT_EQ(35, box.GetItemHeight(0));

    ASSERT_EQ(1, box.SetFont(L"Arial", 20, 0));
    HFONT large = Tavrin::SkinFont(L"Arial", 20, 0);
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, large);
    SIZE kg{};
    ::GetTextExtentPoint32W(dc, L"kg", 2, &kg);
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
    ASSERT_EQ(1, box.SetItemHeight(0, 20));
    EXPECT_EQ(std::max<int>(20, kg.cy + 4), box.GetItemHeight(0));
    EXPECT_EQ(0, box.SetFont(L"Arial", 0, 0));
    EXPECT_EQ(0, box.SetFont(L"Arial", 101, 0));
}

TEST_F(ListBoxTest, TooltipShowsTheWholeTextOfWideItemsOnly) {
    NeloListBox box;
    HWND window = MakeBox(box, kOwnerDrawn, 2004);
    const CString wide = L"A very long file name that cannot fit in the list box at all.avi";
    box.AddString(wide);
    const RECT narrowRow = Row(box, 1), wideRow = Row(box, 5);

    MoveMouseTo(window, POINT{60, (wideRow.top + wideRow.bottom) / 2});
    MoveMouseTo(window, POINT{62, (wideRow.top + wideRow.bottom) / 2});
    HWND tip = FindToolTipOf(window);
    ASSERT_NE(nullptr, tip) << "a tool for the wide item";
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(tip) != FALSE; }))
        << "active " << ::GetActiveWindow() << " host " << Host() << " tools "
        << ::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0);
    WCHAR shown[128] = {};
    ::GetWindowTextW(tip, shown, 128);
    EXPECT_STREQ(wide.GetString(), shown);

    MoveMouseTo(window, POINT{60, (narrowRow.top + narrowRow.bottom) / 2});
    EXPECT_EQ(nullptr, FindToolTipOf(window)) << "an item that fits has no tip";

    ASSERT_EQ(1, box.ShowToolTipCtrl(0));
    MoveMouseTo(window, POINT{60, (wideRow.top + wideRow.bottom) / 2});
    EXPECT_EQ(nullptr, FindToolTipOf(window)) << "tooltips switched off";
}

TEST_F(ListBoxTest, WithoutOwnerDrawAndStringsTheRowSettersFail) {
    struct Case {
        const char* name;
        DWORD style;
    };
    const Case cases[] = {
        {"drawn by the system", WS_CHILD | WS_VISIBLE | WS_BORDER},
        {"owner-drawn, no strings", WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWFIXED},
        {"strings, not owner-drawn", WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_HASSTRINGS},
    };
    int id = 2010;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NeloListBox box;
        HWND window = MakeBox(box, c.style, id++);
        EXPECT_EQ(0, box.HasSkinnedRows());
        EXPECT_EQ(0, box.ShowStripeRow(1));
        EXPECT_EQ(0, box.ShowSplitLine(0));
        EXPECT_EQ(0, box.SetItemHeight(0, 20));
        EXPECT_EQ(0, box.SetFont(L"Arial", 12, 0));
        EXPECT_EQ(0, box.ShowHoverEffect(1, 1));
        if (c.style & LBS_OWNERDRAWFIXED) {
            // The items hold the caller's data, not text: the rows show none.
            const RECT row = Row(box, 0);
            Capture shot = ClientCapture(window);
            EXPECT_EQ(0, shot.Count([](COLORREF p) { return GetRValue(p) < 200; },
                                    RECT{0, row.top, row.right, row.bottom - 1}));
        }
        ::DestroyWindow(window);
    }
}

TEST_F(ListBoxTest, TemplateListBoxAttachedByDataExchange) {
    NeloListBox& box = host->templateListBox;
    HWND window = box.GetSafeHwnd();
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(box.GetExStyle() & WS_EX_STATICEDGE);
    EXPECT_FALSE(box.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_EQ(1, box.HasSkinnedRows());
    box.ResetContent();
    box.AddString(L"first.avi");
    box.AddString(L"second.mov");
    box.SetCurSel(0);
    CoverAndUncover();
    EXPECT_COLOUR(RGB(127, 157, 185), WindowPixel(window, 0, 0));
    EXPECT_COLOUR(RGB(250, 250, 250), WindowPixel(window, 1, 1));
    RECT second{};
    box.GetItemRect(1, &second);
    Capture shot = Capture::Client(window);
    EXPECT_COLOUR(RGB(229, 236, 249), shot.At(second.right - 4, second.bottom - 1));
    box.ResetContent();
}

TEST_F(ListBoxTest, NoLeakOverRepaintsInEachLook) {
    NeloListBox box;
    HWND window = MakeBox(box, kOwnerDrawn | WS_VSCROLL, 2020);
    box.SetCurSel(1);
    const RECT hot = Row(box, 3);
    MoveMouseTo(window, POINT{150, (hot.top + hot.bottom) / 2});
    ExpectNoLeakOverRepaints("plain, selected and hot rows, split lines", window);
    box.ShowStripeRow(1);
    ::EnableWindow(window, FALSE);
    ExpectNoLeakOverRepaints("striped and disabled", window);
}

// The bars over the bar areas: places (the horizontal one a pixel short
// with both), frame, and scrolling by clicks, the wheel and keys.
TEST_F(ListBoxTest, SkinnedBarsFollowAndScrollTheListBox) {
    NeloListBox box;
    HWND window = MakeBox(box, kOwnerDrawn | WS_VSCROLL | WS_HSCROLL, 2030);
    box.SetHorizontalExtent(400);
    for (int i = 5; i < 40; ++i)
        box.AddString(L"another row");
    Repaint(window);
    const int t = std::max(18, std::max(::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL)));
    EXPECT_EQ(t, box.GetBarThickness());
    HWND v = box.VerticalBar()->GetSafeHwnd();
    HWND h = box.HorizontalBar()->GetSafeHwnd();
    ASSERT_NE(nullptr, v);
    ASSERT_NE(nullptr, h);
    EXPECT_EQ(window, box.VerticalBar()->Owner());
    ASSERT_TRUE(::IsWindowVisible(v));
    ASSERT_TRUE(::IsWindowVisible(h));

    CRect client, outer, vr, hr;
    box.GetClientRect(&client);
    box.ClientToScreen(&client);
    ::GetWindowRect(window, &outer);
    ::GetWindowRect(v, &vr);
    ::GetWindowRect(h, &hr);
    EXPECT_EQ(CRect(client.right, client.top, client.right + t + 1, client.bottom + 1), vr);
    EXPECT_EQ(CRect(client.left, client.bottom, client.right + 1, client.bottom + t), hr);
    const int w = outer.Width(), ht = outer.Height();
    struct Pixel {
        const char* what;
        int x, y;
        COLORREF colour;
    } frame[] = {
        {"outer ring", w - 1, ht / 2, RGB(127, 157, 185)},
        {"inner ring", w - 2, ht / 2, RGB(250, 250, 250)},
        {"under the shorter horizontal bar", w / 2, client.bottom + t - outer.top, RGB(250, 250, 250)},
        {"corner square", w - 3 - t / 2, ht - 3 - t / 2, RGB(250, 250, 250)},
    };
    for (const Pixel& p : frame)
        EXPECT_COLOUR(p.colour, WindowPixel(window, p.x, p.y)) << p.what;
    EXPECT_COLOUR(RGB(201, 215, 241), WindowPixel(v, 0, vr.Height() - t - 3)) << "the bar's frame";

    auto inStep = [&](const char* after) {
        SCOPED_TRACE(after);
        SCROLLINFO own{sizeof(own), SIF_ALL}, skinned{};
        ::GetScrollInfo(window, SB_VERT, &own);
        box.VerticalBar()->GetScrollInfo(&skinned, SIF_ALL);
        EXPECT_EQ(own.nMax, skinned.nMax);
        EXPECT_EQ(own.nPos, skinned.nPos);
        EXPECT_EQ(box.GetTopIndex(), skinned.nPos);
    };
    inStep("filled");
    quorvex_test::LeftClick(POINT{vr.left + t / 2, vr.bottom - 1 - t / 2});
    Pump();
    EXPECT_EQ(1, box.GetTopIndex()) << "down arrow";
    inStep("down arrow");

    const POINT over{client.left + 40, client.top + 30};
    ::SetCursorPos(over.x, over.y);
    INPUT wheel[2] = {quorvex_test::MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, over),
                      quorvex_test::MouseInput(MOUSEEVENTF_WHEEL)};
    wheel[1].mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);
    ::SendInput(2, wheel, sizeof(INPUT));
    Pump();
    EXPECT_GT(box.GetTopIndex(), 1) << "wheel";
    inStep("wheel");

    // Page Down three times: the selection and the rows move on.
    ::SetFocus(window);
    const int topBefore = box.GetTopIndex();
    for (int k = 0; k < 3; ++k) {
        INPUT next[2] = {};
        for (int i = 0; i < 2; ++i) {
            next[i].type = INPUT_KEYBOARD;
            next[i].ki.wVk = VK_NEXT;
            next[i].ki.dwFlags = i ? KEYEVENTF_KEYUP : 0;
        }
        ::SendInput(2, next, sizeof(INPUT));
        Pump();
    }
    EXPECT_GT(box.GetCurSel(), 0);
    EXPECT_GT(box.GetTopIndex(), topBefore) << "Page Down";
    inStep("Page Down");

    quorvex_test::LeftClick(POINT{hr.right - 1 - t / 2, hr.top + t / 2});
    Pump();
    EXPECT_GT(::GetScrollPos(window, SB_HORZ), 0) << "right arrow";
    EXPECT_EQ(::GetScrollPos(window, SB_HORZ), box.HorizontalBar()->GetScrollPos());

    // Settings and colours reach both bars; a disabled box disables them.
    EXPECT_EQ(1, box.ShowScrollBarThumbSymbol(0));
    EXPECT_EQ(1, box.ShowHoverEffect(1, 1));
    _ListBoxColorInfo colours{};
    ASSERT_EQ(1, box.GetListBoxColorInfo(colours));
    colours.ScrollBarColors.clrFrame = RGB(200, 10, 10);
    ASSERT_EQ(1, box.SetListBoxColorInfo(colours));
    Repaint(v);
    EXPECT_COLOUR(RGB(200, 10, 10), WindowPixel(v, 0, vr.Height() - t - 3));
    Tavrin::_ScrollBarColorInfo read{};
    box.HorizontalBar()->GetScrollBarColorInfo(read);
    EXPECT_EQ(RGB(200, 10, 10), read.clrFrame);
    ::EnableWindow(window, FALSE);
    Repaint(window);
    EXPECT_FALSE(::IsWindowEnabled(v));
    EXPECT_FALSE(::IsWindowEnabled(h));
    ::EnableWindow(window, TRUE);

    // Moved within the dialog, the box takes its bars along; the horizontal
    // one stays a pixel short.
    ExpectBarsFollowMoves(window, box.VerticalBar(), box.HorizontalBar(), t, 1);

    // Fewer rows than fit: the vertical bar goes.
    box.ResetContent();
    box.AddString(L"alone");
    Repaint(window);
    EXPECT_FALSE(::IsWindowVisible(v));
}

} // namespace

// NeloTabCtrl and its scroller on real windows: the colour record's
// defaults, the per-tab store kept in step with the system's tabs, enabled
// and disabled tabs, keyboard and mouse changes with their notifications to
// the parent (and a refusal honoured), the looks at exact pixels, the focus
// rectangle, per-tab tooltips, the scroller taking over the system's
// arrows, attaching, a control from a dialog template, and repaints
// without leaks.
#include "tab_test_support.h"

#include "support/colour_record.h"
#include "support/input.h"
#include "support/rects.h"

#include <memory>

using namespace tabs_test;
using quorvex_test::Capture;
using quorvex_test::ClientPixel;
using quorvex_test::ColourEntry;
using quorvex_test::CountGdi;
using quorvex_test::Describe;
using quorvex_test::GdiCounts;
using quorvex_test::RecordHolds;
using Tavrin::_TabCtrlColorInfo;
using Tavrin::_TabSpinColorInfo;
using Tavrin::_ToolTipCtrlColorInfo;
using Tavrin::NeloTabCtrl;

namespace {

constexpr int kTabsId = 3001;

// Solid faces (both gradient ends the same) and distinct colours for every
// part and look, so that each can be told from the others by exact pixels.
const COLORREF kStrip = RGB(201, 202, 203);
const COLORREF kBody = RGB(250, 240, 230);
const COLORREF kBodyDisabled = RGB(210, 200, 190);
const COLORREF kNormal = RGB(180, 200, 220);
const COLORREF kHot = RGB(170, 230, 170);
const COLORREF kSelected = RGB(120, 210, 240);
const COLORREF kDisabled = RGB(230, 225, 210);
const COLORREF kBorder = RGB(100, 110, 120);
const COLORREF kSelectedBorder = RGB(20, 120, 220);
const COLORREF kHotBorder = RGB(30, 160, 30);
const COLORREF kDisabledBorder = RGB(160, 150, 140);
const COLORREF kFocus = RGB(200, 20, 20);

_TabCtrlColorInfo DistinctColours(const _TabCtrlColorInfo& base) {
    _TabCtrlColorInfo c = base;
    c.clrBodyFrom = c.clrBodyTo = kBody;
    c.clrBodyDisabledFrom = c.clrBodyDisabledTo = kBodyDisabled;
    c.clrStripFrom = c.clrStripTo = kStrip;
    c.clrTabFrom = c.clrTabTo = kNormal;
    c.clrTabHotFrom = c.clrTabHotTo = kHot;
    // The bottom colours of the selected and disabled looks also open the
    // selected tab into the body.
    c.clrTabSelectedFrom = c.clrTabSelectedTo = kSelected;
    c.clrTabDisabledFrom = c.clrTabDisabledTo = kDisabled;
    c.clrTabBorder = kBorder;
    c.clrTabSelectedBorder = kSelectedBorder;
    c.clrTabHotBorder = kHotBorder;
    c.clrTabDisabledBorder = kDisabledBorder;
    c.clrFocus = kFocus;
    return c;
}

void PressKey(WORD key) {
    quorvex_test::TypeKey(key);
}

class TabTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        host->notices.clear();
        host->refuse = false;
    }
    void TearDown() override {
        host->refuse = false;
        ::SetCursorPos(RestingPointer().x, RestingPointer().y);
        tabs.reset();
        Pump();
        HostTest::TearDown();
    }

    NeloTabCtrl& MakeTabs(int count, int width = 300, int height = 120) {
        HWND window = CreateChild(WC_TABCONTROLW, L"", WS_TABSTOP, 10, 10, width, height, kTabsId);
        tabs.reset(new NeloTabCtrl);
        EXPECT_TRUE(tabs->SubclassWindow(window));
        for (int i = 0; i < count; ++i) {
            CString text;
            text.Format(L"Tab %d", i);
            EXPECT_TRUE(tabs->InsertItem(i, text));
        }
        Pump();
        return *tabs;
    }
    HWND Tabs() const { return tabs->GetSafeHwnd(); }
    RECT Item(int index) const {
        RECT r{};
        tabs->GetItemRect(index, &r);
        return r;
    }
    POINT ItemCentre(int index) const {
        const RECT r = Item(index);
        return OnScreen(Tabs(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // A pixel of a tab's face clear of its outline and text.
    COLORREF FaceOf(int index) {
        const RECT r = Item(index);
        return ClientPixel(Tabs(), r.left + 5, r.bottom - 4);
    }
    std::vector<UINT> Codes() const {
        std::vector<UINT> codes;
        for (const auto& n : host->notices)
            codes.push_back(n.code);
        return codes;
    }

    std::unique_ptr<NeloTabCtrl> tabs;
};

TEST_F(TabTest, ColourRecordDefaults) {
    using T = _TabCtrlColorInfo;
    const ColourEntry<T> kTabs[] = {
        {"clrBodyFrom", &T::clrBodyFrom, RGB(250, 250, 250)},
        {"clrBodyTo", &T::clrBodyTo, RGB(255, 255, 255)},
        {"clrBodyDisabledFrom", &T::clrBodyDisabledFrom, RGB(236, 233, 216)},
        {"clrBodyDisabledTo", &T::clrBodyDisabledTo, RGB(213, 213, 209)},
        {"clrStripFrom", &T::clrStripFrom, RGB(227, 237, 249)},
        {"clrStripTo", &T::clrStripTo, RGB(229, 239, 249)},
        {"clrTabFrom", &T::clrTabFrom, RGB(243, 243, 243)},
        {"clrTabTo", &T::clrTabTo, RGB(160, 192, 224)},
        {"clrTabSelectedFrom", &T::clrTabSelectedFrom, RGB(116, 219, 240)},
        {"clrTabSelectedTo", &T::clrTabSelectedTo, RGB(250, 250, 250)},
        {"clrTabHotFrom", &T::clrTabHotFrom, RGB(243, 243, 243)},
        {"clrTabHotTo", &T::clrTabHotTo, RGB(181, 208, 232)},
        {"clrTabDisabledFrom", &T::clrTabDisabledFrom, RGB(252, 252, 254)},
        {"clrTabDisabledTo", &T::clrTabDisabledTo, RGB(232, 230, 215)},
        {"clrTabBorder", &T::clrTabBorder, RGB(127, 157, 185)},
        {"clrTabSelectedBorder", &T::clrTabSelectedBorder, RGB(88, 168, 240)},
        {"clrTabHotBorder", &T::clrTabHotBorder, RGB(88, 168, 240)},
        {"clrTabDisabledBorder", &T::clrTabDisabledBorder, RGB(172, 168, 153)},
        {"clrFocus", &T::clrFocus, RGB(82, 122, 202)},
        {"clrTabText", &T::clrTabText, RGB(6, 45, 117)},
        {"clrTabSelectedText", &T::clrTabSelectedText, RGB(82, 122, 202)},
        {"clrTabHotText", &T::clrTabHotText, RGB(80, 120, 200)},
        {"clrTabDisabledText", &T::clrTabDisabledText, RGB(172, 168, 153)},
    };
    using S = _TabSpinColorInfo;
    const ColourEntry<S> kSpin[] = {
        {"clrHalfFrom", &S::clrHalfFrom, RGB(243, 243, 243)},
        {"clrHalfTo", &S::clrHalfTo, RGB(160, 192, 224)},
        {"clrHalfPressedFrom", &S::clrHalfPressedFrom, RGB(136, 176, 216)},
        {"clrHalfPressedTo", &S::clrHalfPressedTo, RGB(243, 243, 243)},
        {"clrHalfHotFrom", &S::clrHalfHotFrom, RGB(243, 243, 243)},
        {"clrHalfHotTo", &S::clrHalfHotTo, RGB(181, 208, 232)},
        {"clrHalfDisabledFrom", &S::clrHalfDisabledFrom, RGB(252, 252, 254)},
        {"clrHalfDisabledTo", &S::clrHalfDisabledTo, RGB(232, 230, 215)},
        {"clrHalfBorder", &S::clrHalfBorder, RGB(127, 157, 185)},
        {"clrHalfPressedBorder", &S::clrHalfPressedBorder, RGB(88, 168, 240)},
        {"clrHalfHotBorder", &S::clrHalfHotBorder, RGB(88, 168, 240)},
        {"clrHalfDisabledBorder", &S::clrHalfDisabledBorder, RGB(172, 168, 153)},
        {"clrHalfGlyph", &S::clrHalfGlyph, RGB(77, 97, 133)},
        {"clrHalfPressedGlyph", &S::clrHalfPressedGlyph, RGB(82, 122, 202)},
        {"clrHalfHotGlyph", &S::clrHalfHotGlyph, RGB(80, 120, 200)},
        {"clrHalfDisabledGlyph", &S::clrHalfDisabledGlyph, RGB(172, 168, 153)},
    };
    using P = _ToolTipCtrlColorInfo;
    const ColourEntry<P> kTip[] = {
        {"crTipTop", &P::crTipTop, RGB(251, 252, 253)},
        {"crTipBottom", &P::crTipBottom, RGB(234, 252, 249)},
        {"crTipText", &P::crTipText, RGB(6, 45, 117)},
        {"crTipFrame", &P::crTipFrame, RGB(49, 93, 148)},
    };

    // Before the control is attached there is no scroller and no tooltip.
    NeloTabCtrl loose;
    _TabCtrlColorInfo record{};
    EXPECT_EQ(0, loose.GetTabCtrlColorInfo(record));
    EXPECT_EQ(0, loose.SetTabCtrlColorInfo(NeloTabCtrl::DefaultColorInfo()));
    EXPECT_EQ(0, loose.ShowHoverEffect(0));
    EXPECT_EQ(0, loose.ShowToolTipCtrl(0));

    // The control of the dialog's template, attached by data exchange.
    ASSERT_EQ(1, host->templateTabs.GetTabCtrlColorInfo(record));
    EXPECT_TRUE(RecordHolds(record, kTabs, 23 + 16 + 4));
    EXPECT_TRUE(RecordHolds(record.spinColors, kSpin));
    EXPECT_TRUE(RecordHolds(record.toolTipColors, kTip));
    COLORREF top = 0, bottom = 0;
    host->templateTabs.TabSpin().GetBackgroundColors(top, bottom);
    EXPECT_EQ(RGB(227, 237, 249), top);
    EXPECT_EQ(RGB(229, 239, 249), bottom);

    // Set and read back whole, the parts included.
    _TabCtrlColorInfo changed = DistinctColours(record);
    changed.spinColors.clrHalfGlyph = RGB(1, 2, 3);
    changed.toolTipColors.crTipText = RGB(4, 5, 6);
    ASSERT_EQ(1, host->templateTabs.SetTabCtrlColorInfo(changed));
    _TabCtrlColorInfo back{};
    ASSERT_EQ(1, host->templateTabs.GetTabCtrlColorInfo(back));
    EXPECT_EQ(RGB(1, 2, 3), back.spinColors.clrHalfGlyph);
    EXPECT_EQ(RGB(4, 5, 6), back.toolTipColors.crTipText);
    EXPECT_EQ(kStrip, back.clrStripFrom);
    host->templateTabs.TabSpin().GetBackgroundColors(top, bottom);
    EXPECT_EQ(kStrip, top) << "the strip's colours are the scroller's background";
    ASSERT_EQ(1, host->templateTabs.SetTabCtrlColorInfo(record));
}

TEST_F(TabTest, StoreFollowsInsertionsAndDeletions) {
    MakeTabs(3);
    // Subclassing fixes the tab size and the owner-drawn, single-line style.
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(Tabs(), GWL_STYLE));
    EXPECT_NE(0u, style & TCS_OWNERDRAWFIXED);
    EXPECT_NE(0u, style & TCS_FIXEDWIDTH);
    EXPECT_EQ(0u, style & TCS_MULTILINE);
    EXPECT_EQ(80, Item(1).right - Item(1).left);

    // A position beyond the count appends an enabled tab.
    ASSERT_TRUE(tabs->InsertItem(10, L"Late"));
    ASSERT_EQ(4, tabs->GetItemCount());
    WCHAR text[32] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 32;
    tabs->GetItem(3, &item);
    EXPECT_STREQ(L"Late", text);
    EXPECT_EQ(1, tabs->IsTabItemEnable(3));
    EXPECT_STREQ(L"", tabs->GetItemToolTipText(3).GetString());

    struct SetCase {
        int index;
        int result;
    };
    for (const SetCase& c : {SetCase{1, 1}, SetCase{3, 1}, SetCase{4, 0}, SetCase{-1, 0}})
        EXPECT_EQ(c.result, tabs->SetItemToolTipText(c.index, L"tip")) << c.index;
    ASSERT_EQ(1, tabs->SetItemToolTipText(1, L"second"));
    ASSERT_EQ(1, tabs->EnableTabItem(1, 0));
    EXPECT_STREQ(L"", tabs->GetItemToolTipText(9).GetString());

    // Entries move with their tabs.
    ASSERT_TRUE(tabs->InsertItem(0, L"First"));
    EXPECT_STREQ(L"second", tabs->GetItemToolTipText(2).GetString());
    EXPECT_EQ(0, tabs->IsTabItemEnable(2));
    EXPECT_EQ(1, tabs->IsTabItemEnable(0));
    ASSERT_TRUE(tabs->DeleteItem(0));
    EXPECT_STREQ(L"second", tabs->GetItemToolTipText(1).GetString());
    EXPECT_EQ(0, tabs->IsTabItemEnable(1));
    EXPECT_FALSE(tabs->DeleteItem(7));
    EXPECT_EQ(4, tabs->GetItemCount());

    ASSERT_TRUE(tabs->DeleteAllItems());
    EXPECT_STREQ(L"", tabs->GetItemToolTipText(1).GetString());
    EXPECT_EQ(0, tabs->EnableTabItem(0, 1)) << "no tab is stored any more";
    EXPECT_EQ(0, tabs->IsTabItemEnable(0));
}

TEST_F(TabTest, DisabledTabsAndTheWholeControl) {
    MakeTabs(4);
    tabs->SetCurSel(2);
    // Disabling the selected tab keeps it selected.
    ASSERT_EQ(1, tabs->EnableTabItem(2, 0));
    EXPECT_EQ(2, tabs->GetCurSel());
    EXPECT_EQ(0, tabs->IsTabItemEnable(2));
    EXPECT_EQ(2, tabs->SetCurSel(1));
    EXPECT_EQ(-1, tabs->SetCurSel(2)) << "a disabled tab cannot be selected";
    EXPECT_EQ(1, tabs->GetCurSel());

    // Disabling every tab disables the control; enabling one enables it
    // again and selects that tab.
    for (int i : {0, 1, 3})
        ASSERT_EQ(1, tabs->EnableTabItem(i, 0));
    EXPECT_FALSE(::IsWindowEnabled(Tabs()));
    EXPECT_EQ(0, tabs->IsTabItemEnable(0)) << "nothing is enabled in a disabled control";
    ASSERT_EQ(1, tabs->EnableTabItem(3, 1));
    EXPECT_TRUE(::IsWindowEnabled(Tabs()));
    EXPECT_EQ(3, tabs->GetCurSel());
    EXPECT_EQ(1, tabs->IsTabItemEnable(3));
    EXPECT_EQ(0, tabs->EnableTabItem(4, 1)) << "an index that is not stored";
}

TEST_F(TabTest, KeysMoveToEnabledTabsAndTellTheParent) {
    MakeTabs(5);
    tabs->SetCurSel(0);
    ASSERT_EQ(1, tabs->EnableTabItem(1, 0));
    ASSERT_EQ(1, tabs->EnableTabItem(4, 0));
    ::SetFocus(Tabs());
    Pump();

    struct Step {
        const char* name;
        WORD key;
        bool refuse;
        int selection;
        std::vector<UINT> codes;
        int selectionWhenTold; // the selection the parent sees with TCN_SELCHANGE
    };
    const std::vector<UINT> asked{static_cast<UINT>(TCN_SELCHANGING)};
    const std::vector<UINT> askedAndTold{static_cast<UINT>(TCN_SELCHANGING), static_cast<UINT>(TCN_SELCHANGE)};
    const Step steps[] = {
        {"Right skips the disabled tab", VK_RIGHT, false, 2, askedAndTold, 2},
        {"End: the last enabled tab", VK_END, false, 3, askedAndTold, 3},
        {"Right: nothing enabled after it", VK_RIGHT, false, 3, {}, -1},
        {"Home", VK_HOME, false, 0, askedAndTold, 0},
        {"Left on the first tab", VK_LEFT, false, 0, {}, -1},
        {"the parent refuses", VK_RIGHT, true, 0, asked, -1},
        {"Down is no tab key", VK_DOWN, false, 0, {}, -1},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        host->notices.clear();
        host->refuse = s.refuse;
        PressKey(s.key);
        Pump();
        EXPECT_EQ(s.selection, tabs->GetCurSel());
        EXPECT_EQ(s.codes, Codes());
        for (const auto& n : host->notices) {
            EXPECT_EQ(static_cast<UINT_PTR>(kTabsId), n.id);
            if (n.code == static_cast<UINT>(TCN_SELCHANGE))
                EXPECT_EQ(s.selectionWhenTold, n.selection);
        }
    }
    EXPECT_EQ(Tabs(), ::GetFocus());
}

TEST_F(TabTest, ClicksChooseOnlyEnabledTabs) {
    MakeTabs(4);
    tabs->SetCurSel(0);
    ASSERT_EQ(1, tabs->EnableTabItem(1, 0));

    Click(ItemCentre(1));
    EXPECT_EQ(0, tabs->GetCurSel()) << "a disabled tab is refused";
    EXPECT_TRUE(Codes().empty()) << "the control refused it itself";

    Click(ItemCentre(2));
    EXPECT_EQ(2, tabs->GetCurSel());
    const std::vector<UINT> expected{static_cast<UINT>(TCN_SELCHANGING), static_cast<UINT>(TCN_SELCHANGE)};
    EXPECT_EQ(expected, Codes());

    host->notices.clear();
    host->refuse = true;
    Click(ItemCentre(3));
    EXPECT_EQ(2, tabs->GetCurSel()) << "the parent's refusal holds";
}

TEST_F(TabTest, LooksOfTabsAndBodyAtExactPixels) {
    MakeTabs(3);
    ASSERT_EQ(1, tabs->SetTabCtrlColorInfo(DistinctColours(NeloTabCtrl::DefaultColorInfo())));
    tabs->SetCurSel(1);
    ASSERT_EQ(1, tabs->EnableTabItem(2, 0));
    Repaint(Tabs());

    RECT client{};
    ::GetClientRect(Tabs(), &client);
    const RECT first = Item(0), selected = Item(1);
    const int bodyTop = first.bottom;
    struct Pixel {
        const char* what;
        int x, y;
        COLORREF colour;
    };
    const Pixel enabled[] = {
        {"strip right of the tabs", client.right - 5, 1, kStrip},
        {"normal tab", first.left + 5, first.bottom - 4, kNormal},
        {"normal tab's left side", first.left + 2, first.bottom - 4, kBorder},
        {"selected tab", selected.left + 5, selected.bottom - 4, kSelected},
        {"selected tab's left side", selected.left + 2, selected.bottom - 4, kSelectedBorder},
        {"disabled tab", Item(2).left + 5, Item(2).bottom - 4, kDisabled},
        {"body", 5, bodyTop + 10, kBody},
        {"body frame, left", 0, bodyTop + 10, kSelectedBorder},
        {"body frame, bottom", client.right / 2, client.bottom - 1, kSelectedBorder},
        {"body frame below a normal tab", (first.left + first.right) / 2, bodyTop, kSelectedBorder},
        {"the selected tab opens into the body", (selected.left + selected.right) / 2, bodyTop, kSelected},
    };
    for (const Pixel& p : enabled)
        EXPECT_EQ(Describe(p.colour), Describe(ClientPixel(Tabs(), p.x, p.y))) << p.what;

    // The pointer over a tab makes it hot.
    MouseTo(ItemCentre(0));
    EXPECT_EQ(0, tabs->HotItem());
    EXPECT_EQ(Describe(kHot), Describe(FaceOf(0)));
    EXPECT_EQ(Describe(kHotBorder), Describe(ClientPixel(Tabs(), first.left + 2, first.bottom - 4)));
    MouseTo(ItemCentre(2));
    EXPECT_EQ(-1, tabs->HotItem()) << "a disabled tab is never hot";
    EXPECT_EQ(Describe(kNormal), Describe(FaceOf(0)));
    ::SetCursorPos(RestingPointer().x, RestingPointer().y);
    Pump();

    // A disabled selection paints the body and the opening in the disabled
    // colours.
    ASSERT_EQ(1, tabs->EnableTabItem(2, 1));
    ASSERT_EQ(1, tabs->EnableTabItem(1, 0));
    Repaint(Tabs());
    const Pixel disabledSelection[] = {
        {"selected, disabled tab", selected.left + 5, selected.bottom - 4, kDisabled},
        {"body", 5, bodyTop + 10, kBodyDisabled},
        {"body frame", 0, bodyTop + 10, kDisabledBorder},
        {"opening", (selected.left + selected.right) / 2, bodyTop, kDisabled},
        {"the other tabs stay normal", first.left + 5, first.bottom - 4, kNormal},
    };
    for (const Pixel& p : disabledSelection)
        EXPECT_EQ(Describe(p.colour), Describe(ClientPixel(Tabs(), p.x, p.y))) << p.what;

    // A disabled control paints every tab disabled; no selection frames the
    // body in the normal outline colour.
    ASSERT_EQ(1, tabs->EnableTabItem(1, 1));
    tabs->EnableWindow(FALSE);
    Repaint(Tabs());
    EXPECT_EQ(Describe(kDisabled), Describe(FaceOf(0)));
    EXPECT_EQ(Describe(kDisabled), Describe(FaceOf(1)));
    EXPECT_EQ(Describe(kDisabledBorder), Describe(ClientPixel(Tabs(), 0, bodyTop + 10)));
    tabs->EnableWindow(TRUE);
    tabs->SetCurSel(-1);
    Repaint(Tabs());
    EXPECT_EQ(Describe(kBody), Describe(ClientPixel(Tabs(), 5, bodyTop + 10)));
    EXPECT_EQ(Describe(kBorder), Describe(ClientPixel(Tabs(), 0, bodyTop + 10)));
    EXPECT_EQ(Describe(kBorder), Describe(ClientPixel(Tabs(), (selected.left + selected.right) / 2, bodyTop)));
}

TEST_F(TabTest, FocusRectangleOnlyWhileFocused) {
    MakeTabs(3);
    ASSERT_EQ(1, tabs->SetTabCtrlColorInfo(DistinctColours(NeloTabCtrl::DefaultColorInfo())));
    tabs->SetCurSel(1);
    const RECT item = Item(1);
    // The dotted rectangle: 7 in on the left, 3 at the top and bottom, 8 on
    // the right of the selected tab.
    const RECT focus{item.left + 7, item.top + 3, item.right - 8, item.bottom - 3};
    auto isFocus = [](COLORREF c) { return c == kFocus; };
    auto dotsOnTopEdge = [&]() {
        const Capture c = Capture::Client(Tabs());
        return c.Count(isFocus, RECT{focus.left, focus.top, focus.right, focus.top + 1});
    };
    auto dotsOutside = [&]() {
        const Capture c = Capture::Client(Tabs());
        return c.Count(isFocus, RECT{item.left, item.top, item.right, focus.top}) +
               c.Count(isFocus, RECT{item.left, item.top, focus.left, item.bottom});
    };

    ::SetFocus(Tabs());
    Repaint(Tabs());
    EXPECT_GT(dotsOnTopEdge(), 3);
    EXPECT_EQ(0, dotsOutside());
    EXPECT_EQ(Describe(kFocus), Describe(ClientPixel(Tabs(), focus.left, focus.top)));

    ASSERT_EQ(1, tabs->ShowFocusEffect(0));
    Repaint(Tabs());
    EXPECT_EQ(0, dotsOnTopEdge()) << "focus effect off";
    ASSERT_EQ(1, tabs->ShowFocusEffect(1));

    ::SetFocus(host->GetDlgItem(IDC_TABS_NEIGHBOUR)->GetSafeHwnd());
    Repaint(Tabs());
    EXPECT_EQ(0, dotsOnTopEdge()) << "not focused";
}

TEST_F(TabTest, EachTabShowsItsOwnTooltip) {
    MakeTabs(3);
    ASSERT_EQ(1, tabs->SetItemToolTipText(0, L"First page"));
    ASSERT_EQ(1, tabs->SetItemToolTipText(2, L"Third page"));
    ASSERT_EQ(1, tabs->EnableTabItem(2, 0));
    HWND neighbour = host->GetDlgItem(IDC_TABS_NEIGHBOUR)->GetSafeHwnd();
    ::SetFocus(neighbour);
    Pump();
    Tavrin::NeloToolTipCtrl* tip = tabs->ToolTip();
    ASSERT_NE(nullptr, tip);
    auto toolText = [&]() {
        CString text;
        if (tip->GetToolCount() > 0)
            tip->GetText(text, tabs.get());
        return text;
    };

    MouseTo(ItemCentre(0));
    EXPECT_EQ(1, tip->GetToolCount());
    EXPECT_STREQ(L"First page", toolText().GetString());
    // Resting on the tab shows the tip; the keyboard focus stays put.
    EXPECT_TRUE(PumpUntil([&]() { return ::IsWindowVisible(tip->GetSafeHwnd()) != FALSE; }));
    EXPECT_EQ(neighbour, ::GetFocus());

    MouseTo(ItemCentre(1));
    EXPECT_EQ(0, tip->GetToolCount()) << "a tab without text has no tip";
    MouseTo(ItemCentre(2));
    EXPECT_EQ(0, tip->GetToolCount()) << "a disabled tab has no tip";

    ASSERT_EQ(1, tabs->ShowToolTipCtrl(0));
    EXPECT_EQ(neighbour, ::GetFocus());
    MouseTo(ItemCentre(0));
    EXPECT_EQ(0, tip->GetToolCount()) << "tips switched off";
    ASSERT_EQ(1, tabs->ShowToolTipCtrl(1));
    MouseTo(ItemCentre(1));
    MouseTo(ItemCentre(0));
    EXPECT_STREQ(L"First page", toolText().GetString());
}

TEST_F(TabTest, ScrollerTakesOverTheArrowsAndScrolls) {
    MakeTabs(6, 200, 100);
    ASSERT_EQ(1, tabs->SetTabCtrlColorInfo(DistinctColours(NeloTabCtrl::DefaultColorInfo())));
    Repaint(Tabs());
    HWND spin = tabs->TabSpin().GetSafeHwnd();
    ASSERT_NE(nullptr, spin) << "six 80-pixel tabs do not fit in 200 pixels";
    EXPECT_EQ(Tabs(), ::GetParent(spin));

    // d x 2d in the top-right corner, d the height of the tab row.
    const int d = Item(0).bottom;
    RECT placed{};
    ::GetWindowRect(spin, &placed);
    ::MapWindowPoints(nullptr, Tabs(), reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_RECT((RECT{200 - 2 * d, 0, 200, d}), placed);

    // Halves: 2 in from the edges, split at half the width.
    const int w = 2 * d, m = w / 2;
    const RECT left{2, 2, m - 1, d - 2}, right{m + 1, 2, w - 2, d - 2};
    const Tavrin::_TabSpinColorInfo spinColours = Tavrin::NeloTabSpin::DefaultColorInfo();
    EXPECT_EQ(Describe(kStrip), Describe(ClientPixel(spin, 0, 0))) << "the strip's colours behind the halves";
    EXPECT_EQ(Describe(kStrip), Describe(ClientPixel(spin, m, d / 2))) << "between the halves";
    EXPECT_EQ(Describe(spinColours.clrHalfBorder), Describe(ClientPixel(spin, (left.left + left.right) / 2, 2)));
    EXPECT_EQ(Describe(spinColours.clrHalfBorder), Describe(ClientPixel(spin, right.right, d / 2)));

    // The pointer on the right half makes it hot; pressing it scrolls the
    // tabs by one.
    const int firstLeft = Item(0).left;
    MouseTo(OnScreen(spin, (right.left + right.right) / 2, d / 2));
    EXPECT_TRUE(tabs->TabSpin().RightHot());
    EXPECT_FALSE(tabs->TabSpin().LeftHot());
    EXPECT_EQ(Describe(spinColours.clrHalfHotBorder),
              Describe(ClientPixel(spin, (right.left + right.right) / 2, 2)));
    Click(OnScreen(spin, (right.left + right.right) / 2, d / 2));
    EXPECT_FALSE(tabs->TabSpin().RightPressed());
    EXPECT_LT(Item(0).left, firstLeft) << "the tabs scrolled";
    Click(OnScreen(spin, (left.left + left.right) / 2, d / 2));
    EXPECT_EQ(firstLeft, Item(0).left);
    ::SetCursorPos(RestingPointer().x, RestingPointer().y);
    Pump();

    // The scroller goes with the control's enabled state.
    tabs->EnableWindow(FALSE);
    Pump();
    EXPECT_FALSE(::IsWindowEnabled(spin));
    Repaint(spin);
    EXPECT_EQ(Describe(spinColours.clrHalfDisabledBorder),
              Describe(ClientPixel(spin, (left.left + left.right) / 2, 2)));
    tabs->EnableWindow(TRUE);
    Pump();
    EXPECT_TRUE(::IsWindowEnabled(spin));
}

TEST_F(TabTest, AttachTakesOverAnotherObjectsWindow) {
    NeloTabCtrl skinned;
    EXPECT_EQ(0, skinned.Attach(nullptr));
    CTabCtrl windowless;
    EXPECT_EQ(0, skinned.Attach(&windowless));

    CTabCtrl plain;
    ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 250, 110), host, kTabsId));
    plain.InsertItem(0, L"One");
    plain.InsertItem(1, L"Two");
    HWND window = plain.GetSafeHwnd();
    ASSERT_EQ(1, skinned.Attach(&plain));
    EXPECT_EQ(nullptr, plain.GetSafeHwnd());
    EXPECT_EQ(window, skinned.GetSafeHwnd());
    EXPECT_NE(0u, static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE)) & TCS_OWNERDRAWFIXED);
    EXPECT_EQ(1, skinned.IsTabItemEnable(1)) << "the existing tabs are entered as enabled";
    EXPECT_EQ(0, skinned.Attach(&plain)) << "this object has a window already";
    skinned.DestroyWindow();
    Pump();
}

TEST_F(TabTest, TemplateControlInAGroupBoxAfterCoverAndUncover) {
    NeloTabCtrl& t = host->templateTabs;
    HWND window = t.GetSafeHwnd();
    ASSERT_NE(nullptr, window);
    t.DeleteAllItems();
    t.InsertItem(0, L"Video");
    t.InsertItem(1, L"Audio");
    t.SetCurSel(0);
    CoverAndUncover();
    RECT item{};
    t.GetItemRect(0, &item);
    RECT client{};
    ::GetClientRect(window, &client);
    EXPECT_EQ(Describe(RGB(88, 168, 240)), Describe(ClientPixel(window, 0, item.bottom + 10)))
        << "body frame with an enabled selection";
    EXPECT_EQ(Describe(RGB(250, 250, 250)), Describe(ClientPixel(window, (item.left + item.right) / 2, item.bottom)))
        << "the selected tab opens into the body";
    EXPECT_EQ(Describe(RGB(88, 168, 240)), Describe(ClientPixel(window, client.right / 2, client.bottom - 1)));
    t.DeleteAllItems();
}

TEST_F(TabTest, RepaintsLeakNothing) {
    MakeTabs(6, 200, 100);
    tabs->SetCurSel(1);
    ASSERT_EQ(1, tabs->EnableTabItem(2, 0));
    Repaint(Tabs());
    ASSERT_NE(nullptr, tabs->TabSpin().GetSafeHwnd()) << "the scroller is part of what is repainted";
    auto noLeak = [&](const char* what, HWND window) {
        SCOPED_TRACE(what);
        const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN;
        ASSERT_NE(nullptr, window);
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
        EXPECT_EQ(before.wrappers, after.wrappers) << "framework GDI wrappers";
        EXPECT_EQ(before.handles, after.handles) << "GDI handles";
    };
    ::SetFocus(Tabs());
    noLeak("focused, with selected, disabled and normal tabs and the scroller", Tabs());
    MouseTo(ItemCentre(0));
    noLeak("hot", Tabs());
    ::SetCursorPos(RestingPointer().x, RestingPointer().y);
    Pump();
    tabs->EnableWindow(FALSE);
    noLeak("disabled, with the disabled scroller", Tabs());
}

} // namespace

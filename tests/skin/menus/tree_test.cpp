// The skinned tree: its colour defaults, its looks at exact pixels (border,
// background, selected, hot and disabled items, caret and hot frames), its
// expansion by click and keyboard with redraw turned off only for an
// expansion the parent allowed, the hot item forgotten when it is deleted,
// item tips for cut-off labels, the tree made from a template, and no GDI
// object leaked by repainting.
#include "test_support.h"

#include "support/colour_record.h"

#include <algorithm>
#include <string>
#include <vector>

namespace menus_test {
namespace {

using quorvex_test::ColourEntry;
using quorvex_test::RecordHolds;
using Tavrin::NeloTreeCtrl;
using Tavrin::_TreeCtrlColorInfo;

const COLORREF kBack = RGB(250, 250, 250);
const COLORREF kBackDisabled = RGB(236, 233, 216);
const COLORREF kSelectedBack = RGB(0, 192, 232);
const COLORREF kHotBack = RGB(232, 232, 240);
const COLORREF kCaretFrame = RGB(0, 150, 189);
const COLORREF kHotFrame = RGB(199, 199, 199);
const COLORREF kBorder = RGB(104, 128, 184);
const COLORREF kBorderDisabled = RGB(172, 168, 153);

TEST(TreeDefaults, ColourRecordHoldsTheDocumentedDefaults) {
    const ColourEntry<_TreeCtrlColorInfo> table[] = {
        {"clrTreeBack", &_TreeCtrlColorInfo::clrTreeBack, RGB(250, 250, 250)},
        {"clrTreeBackDisabled", &_TreeCtrlColorInfo::clrTreeBackDisabled, RGB(236, 233, 216)},
        {"clrItemSelectedBack", &_TreeCtrlColorInfo::clrItemSelectedBack, RGB(0, 192, 232)},
        {"clrItemHotBack", &_TreeCtrlColorInfo::clrItemHotBack, RGB(232, 232, 240)},
        {"clrCaretFrame", &_TreeCtrlColorInfo::clrCaretFrame, RGB(0, 150, 189)},
        {"clrItemHotFrame", &_TreeCtrlColorInfo::clrItemHotFrame, RGB(199, 199, 199)},
        {"clrTreeText", &_TreeCtrlColorInfo::clrTreeText, RGB(6, 45, 117)},
        {"clrItemSelectedText", &_TreeCtrlColorInfo::clrItemSelectedText, RGB(250, 250, 250)},
        {"clrItemHotText", &_TreeCtrlColorInfo::clrItemHotText, RGB(6, 45, 117)},
        {"clrTreeTextDisabled", &_TreeCtrlColorInfo::clrTreeTextDisabled, RGB(172, 168, 153)},
        {"clrTreeLine", &_TreeCtrlColorInfo::clrTreeLine, RGB(6, 45, 117)},
        {"clrTreeLineDisabled", &_TreeCtrlColorInfo::clrTreeLineDisabled, RGB(172, 168, 153)},
        {"clrTreeBorder", &_TreeCtrlColorInfo::clrTreeBorder, RGB(104, 128, 184)},
        {"clrTreeBorderDisabled", &_TreeCtrlColorInfo::clrTreeBorderDisabled, RGB(172, 168, 153)},
        {"clrCornerFrom", &_TreeCtrlColorInfo::clrCornerFrom, RGB(212, 216, 238)},
        {"clrCornerTo", &_TreeCtrlColorInfo::clrCornerTo, RGB(187, 211, 233)},
        {"clrCornerDisabledFrom", &_TreeCtrlColorInfo::clrCornerDisabledFrom, RGB(225, 234, 234)},
        {"clrCornerDisabledTo", &_TreeCtrlColorInfo::clrCornerDisabledTo, RGB(185, 205, 251)},
    };
    const _TreeCtrlColorInfo defaults = NeloTreeCtrl::DefaultColorInfo();
    EXPECT_TRUE(RecordHolds(defaults, table, 18 + 34)) << "18 colours, then both bars' 34";
    EXPECT_EQ(RGB(176, 176, 168), defaults.scrollBarColors.clrTrackA);
    EXPECT_EQ(RGB(201, 215, 241), defaults.scrollBarColors.clrFrame);
    EXPECT_EQ(RGB(80, 120, 200), defaults.scrollBarColors.clrGripDarkHot);
}

// A case tree at (10, 10) in the host, 200 x 150, with a border, holding
// "Videos" (three children, the last one with a long name), "Music" (two
// children) and "Notes" (none), attached as an application attaches it.
class TreeTest : public HostTest {
protected:
    void MakeTree(int width = 200, int height = 150, DWORD extraStyle = 0) {
        HWND window = CreateChild(WC_TREEVIEWW, L"",
                                  TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | WS_BORDER | extraStyle, 10, 10,
                                  width, height, IDC_CASE_TREE);
        ASSERT_NE(nullptr, window);
        ASSERT_TRUE(tree.SubclassWindow(window));
        videos = tree.InsertItem(L"Videos");
        clip = tree.InsertItem(L"clip.avi", videos);
        tree.InsertItem(L"trip.mov", videos);
        longItem = tree.InsertItem(L"a holiday film whose name is far too long to fit.mkv", videos);
        music = tree.InsertItem(L"Music");
        tree.InsertItem(L"song.mp3", music);
        tree.InsertItem(L"tune.wav", music);
        notes = tree.InsertItem(L"Notes");
        Pump();
    }
    void TearDown() override {
        host->vetoExpansion = 0;
        host->expandingSeen = 0;
        tree.DestroyWindow();
        HostTest::TearDown();
    }
    // The label rectangle of an item in the tree's client coordinates.
    CRect Label(HTREEITEM item) {
        CRect r;
        EXPECT_TRUE(tree.GetItemRect(item, &r, TRUE));
        return r;
    }
    POINT ScreenPoint(CPoint client) {
        tree.ClientToScreen(&client);
        return client;
    }
    void Hover(HTREEITEM item) {
        MovePointer(ScreenPoint(Label(item).CenterPoint()));
        PumpUntil([&] { return tree.GetHotTreeItem() == item; });
        Repaint(tree.GetSafeHwnd());
    }
    bool Expanded(HTREEITEM item) { return (tree.GetItemState(item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0; }

    NeloTreeCtrl tree;
    HTREEITEM videos = nullptr, clip = nullptr, longItem = nullptr, music = nullptr, notes = nullptr;
};

TEST_F(TreeTest, AttachingGivesTheStaticEdgeColoursAndNoSystemTooltips) {
    MakeTree();
    EXPECT_TRUE(tree.GetExStyle() & WS_EX_STATICEDGE);
    EXPECT_FALSE(tree.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(tree.GetStyle() & TVS_NOTOOLTIPS);
    EXPECT_EQ(kBack, tree.GetBkColor());
    EXPECT_EQ(RGB(6, 45, 117), tree.GetTextColor());
    EXPECT_EQ(RGB(6, 45, 117), tree.GetLineColor());
    const int thickness = std::max(18, std::max(GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)));
    EXPECT_EQ(thickness, tree.GetBarThickness());
    // Two rings: the border and one pixel of background inside it.
    CRect window, client;
    tree.GetWindowRect(&window);
    tree.GetClientRect(&client);
    EXPECT_EQ(window.Width() - 4, client.Width());
    EXPECT_EQ(window.Height() - 4, client.Height());
}

TEST_F(TreeTest, LooksAtExactPixels) {
    MakeTree();
    tree.SetFocus();
    tree.SelectItem(videos);
    tree.Expand(videos, TVE_EXPAND);
    Repaint(tree.GetSafeHwnd());
    const HWND w = tree.GetSafeHwnd();
    CRect window;
    tree.GetWindowRect(&window);
    const CRect selected = Label(videos);
    const CRect other = Label(music);
    CRect client;
    tree.GetClientRect(&client);
    const CPoint below(client.right - 3, client.bottom - 3);
    struct Probe {
        const char* name;
        bool client;
        int x, y;
        COLORREF colour;
    } normal[] = {
        {"left border", false, 0, 70, kBorder},
        {"top border", false, 100, 0, kBorder},
        {"inner ring", false, 1, 70, kBack},
        {"background below the items", true, below.x, below.y, kBack},
        {"caret frame", true, selected.left, selected.top, kCaretFrame},
        {"caret frame, bottom right", true, selected.right - 1, selected.bottom - 1, kCaretFrame},
        {"selected back", true, selected.left + 1, selected.top + 1, kSelectedBack},
        {"normal item back", true, other.left + 1, other.top + 1, kBack},
        {"no frame around a normal item", true, other.left, other.top, kBack},
    };
    for (const Probe& p : normal) {
        SCOPED_TRACE(p.name);
        EXPECT_COLOUR(p.colour, p.client ? ClientPixel(w, p.x, p.y) : WindowPixel(w, p.x, p.y));
    }

    Hover(music);
    EXPECT_COLOUR(kHotFrame, ClientPixel(w, other.left, other.top));
    EXPECT_COLOUR(kHotBack, ClientPixel(w, other.left + 1, other.top + 1));
    EXPECT_COLOUR(kCaretFrame, ClientPixel(w, selected.left, selected.top)) << "the caret frame stays";

    // Without the item hover look the hot item keeps the normal look.
    tree.ShowHoverEffect(1, 0);
    Repaint(w);
    EXPECT_COLOUR(kBack, ClientPixel(w, other.left + 1, other.top + 1));
    EXPECT_COLOUR(kBack, ClientPixel(w, other.left, other.top));
    tree.ShowHoverEffect(1, 1);

    tree.EnableWindow(FALSE);
    Repaint(w);
    struct Probe disabled[] = {
        {"disabled border", false, 0, 70, kBorderDisabled},
        {"disabled ring", false, 1, 70, kBackDisabled},
        {"disabled background", true, below.x, below.y, kBackDisabled},
        {"no caret frame", true, selected.left, selected.top, kBackDisabled},
        {"selected item in the disabled look", true, selected.left + 1, selected.top + 1, kBackDisabled},
    };
    for (const Probe& p : disabled) {
        SCOPED_TRACE(p.name);
        EXPECT_COLOUR(p.colour, p.client ? ClientPixel(w, p.x, p.y) : WindowPixel(w, p.x, p.y));
    }
    EXPECT_EQ(kBackDisabled, tree.GetBkColor());
    EXPECT_EQ(RGB(172, 168, 153), tree.GetTextColor());
}

TEST_F(TreeTest, ColourRecordIsSetAndReadWhole) {
    MakeTree();
    _TreeCtrlColorInfo info = NeloTreeCtrl::DefaultColorInfo();
    info.clrTreeBack = RGB(1, 2, 3);
    info.clrTreeBorder = RGB(200, 0, 0);
    EXPECT_EQ(1, tree.SetTreeCtrlColorInfo(info));
    _TreeCtrlColorInfo back{};
    EXPECT_EQ(1, tree.GetTreeCtrlColorInfo(back));
    EXPECT_EQ(RGB(1, 2, 3), back.clrTreeBack);
    EXPECT_EQ(RGB(1, 2, 3), tree.GetBkColor()) << "the tree view takes the new background at once";
    Repaint(tree.GetSafeHwnd());
    EXPECT_COLOUR(RGB(200, 0, 0), WindowPixel(tree.GetSafeHwnd(), 0, 70));
    EXPECT_COLOUR(RGB(1, 2, 3), WindowPixel(tree.GetSafeHwnd(), 1, 70));
    EXPECT_EQ(RGB(1, 2, 3), tree.GetItemTip().GetColours().back);

    NeloTreeCtrl detached;
    EXPECT_EQ(0, detached.SetTreeCtrlColorInfo(info)) << "nothing to colour without a window";
    EXPECT_EQ(0, detached.GetTreeCtrlColorInfo(back));
    EXPECT_EQ(0, detached.Invalidate(1));
}

TEST_F(TreeTest, ExpandsAndCollapsesByClickAndKeyboard) {
    MakeTree();
    tree.SetFocus();
    tree.SelectItem(music);
    Pump();
    struct Step {
        const char* name;
        UINT key; // 0: a click on the item's button
        HTREEITEM item;
        bool expanded;
    } steps[] = {
        {"plus key", VK_ADD, music, true},
        {"minus key", VK_SUBTRACT, music, false},
        {"right arrow", VK_RIGHT, music, true},
        {"left arrow", VK_LEFT, music, false},
        {"click on the button", 0, music, true},
        {"click again", 0, music, false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        if (s.key) {
            tree.SendMessage(WM_KEYDOWN, s.key, 0);
        } else {
            // The button sits left of the label, beyond the item's image.
            const CRect label = Label(s.item);
            quorvex_test::LeftClick(ScreenPoint(CPoint(label.left - (int)tree.GetIndent() / 2 - 2,
                                                       label.CenterPoint().y)));
        }
        Pump();
        EXPECT_EQ(s.expanded, Expanded(s.item));
    }
}

// The parent sees every expansion once and may refuse it; redraw goes off
// only for an expansion it allowed, and comes back when the expansion ends.
TEST_F(TreeTest, RedrawIsOffOnlyForAnExpansionTheParentAllowed) {
    MakeTree();
    quorvex_test::MessageRecorder recorder(tree.GetSafeHwnd(), Host(), {WM_SETREDRAW, WM_NOTIFY});
    using quorvex_test::Optional;
    using quorvex_test::Sent;
    using quorvex_test::ToControl;
    using quorvex_test::ToParent;

    host->vetoExpansion = TRUE;
    EXPECT_FALSE(tree.Expand(music, TVE_EXPAND));
    Pump();
    EXPECT_FALSE(Expanded(music));
    EXPECT_EQ(1, host->expandingSeen);
    for (const auto& m : recorder.Messages())
        EXPECT_NE((UINT)WM_SETREDRAW, m.message) << "a refused expansion leaves redraw alone";

    // The tree is live: a new selection shows at once.
    tree.SetFocus();
    tree.SelectItem(notes);
    Pump();
    const CRect notesLabel = Label(notes);
    EXPECT_COLOUR(kSelectedBack, ClientPixel(tree.GetSafeHwnd(), notesLabel.left + 1, notesLabel.top + 1));

    host->vetoExpansion = 0;
    recorder.Clear();
    EXPECT_TRUE(tree.Expand(music, TVE_EXPAND));
    Pump();
    EXPECT_TRUE(Expanded(music));
    EXPECT_EQ(2, host->expandingSeen);
    std::vector<UINT> order;
    for (const auto& m : recorder.Messages())
        if (m.message == WM_SETREDRAW)
            order.push_back(m.wParam ? 1 : 0);
    EXPECT_EQ((std::vector<UINT>{0, 1}), order) << "off once the parent allowed it, on again after";
    // And the tree shows the expansion.
    const CRect song = Label(tree.GetChildItem(music));
    EXPECT_COLOUR(kBack, ClientPixel(tree.GetSafeHwnd(), song.left + 1, song.top + 1));
}

// The bars follow the tree: a vertical bar over the tree's bar area once the
// items no longer fit, gone again when they do, scrolling the tree.
TEST_F(TreeTest, SkinnedBarsFollowExpansion) {
    MakeTree();
    for (int i = 0; i < 30; ++i) {
        CString name;
        name.Format(L"song %02d.mp3", i);
        tree.InsertItem(name, music);
    }
    Pump();
    const HWND v = tree.GetVerticalBar().GetSafeHwnd();
    const HWND h = tree.GetHorizontalBar().GetSafeHwnd();
    ASSERT_NE(nullptr, v);
    ASSERT_NE(nullptr, h);
    EXPECT_EQ(tree.GetSafeHwnd(), tree.GetVerticalBar().Owner());
    EXPECT_EQ(Host(), ::GetParent(v)) << "a sibling of the tree";
    EXPECT_FALSE(IsWindowVisible(v)) << "everything fits";

    tree.Expand(music, TVE_EXPAND);
    Pump();
    Repaint(tree.GetSafeHwnd());
    ASSERT_TRUE(tree.GetStyle() & WS_VSCROLL);
    EXPECT_TRUE(IsWindowVisible(v));
    EXPECT_FALSE(IsWindowVisible(h));
    // Laid over the bar area: from the client area's right edge to the inner
    // ring, as tall as the client area.
    CRect treeWindow, bar, client;
    tree.GetWindowRect(&treeWindow);
    GetWindowRect(v, &bar);
    tree.GetClientRect(&client);
    tree.ClientToScreen(&client);
    const int t = tree.GetBarThickness();
    EXPECT_EQ(CRect(client.right, client.top, client.right + t + 1, client.bottom), bar);
    EXPECT_EQ(treeWindow.right - 2, bar.right);
    SCROLLINFO own{sizeof(own), SIF_ALL}, skinned{};
    ::GetScrollInfo(tree.GetSafeHwnd(), SB_VERT, &own);
    const_cast<Tavrin::NeloScrollBar&>(tree.GetVerticalBar()).GetScrollInfo(&skinned, SIF_ALL);
    EXPECT_EQ(own.nMax, skinned.nMax);
    EXPECT_EQ((int)own.nPage, (int)skinned.nPage);
    // Seen through the tree's region: the bar's frame colour shows there.
    EXPECT_COLOUR(RGB(201, 215, 241), WindowPixel(v, 0, bar.Height() / 2));

    // The down arrow scrolls the tree.
    const HTREEITEM firstBefore = tree.GetFirstVisibleItem();
    quorvex_test::LeftClick(POINT{bar.left + t / 2, bar.bottom - t / 2});
    Pump();
    EXPECT_NE(firstBefore, tree.GetFirstVisibleItem());

    tree.Expand(music, TVE_COLLAPSE);
    Pump();
    Repaint(tree.GetSafeHwnd());
    EXPECT_FALSE(tree.GetStyle() & WS_VSCROLL);
    EXPECT_FALSE(IsWindowVisible(v)) << "hidden once everything fits again";

    tree.EnableWindow(FALSE);
    tree.Expand(music, TVE_EXPAND);
    Pump();
    Repaint(tree.GetSafeHwnd());
    EXPECT_FALSE(IsWindowEnabled(v)) << "a disabled tree has disabled bars";
}

TEST_F(TreeTest, DeletingTheHotItemForgetsIt) {
    MakeTree();
    tree.Expand(videos, TVE_EXPAND);
    Pump();
    struct Case {
        const char* name;
        bool deleteParent;
        bool deleteAll;
    } cases[] = {{"the item itself", false, false}, {"its branch", true, false}, {"every item", false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!videos) {
            videos = tree.InsertItem(L"Videos", TVI_ROOT, TVI_FIRST);
            clip = tree.InsertItem(L"clip.avi", videos);
            tree.Expand(videos, TVE_EXPAND);
            Pump();
        }
        Hover(clip);
        ASSERT_EQ(clip, tree.GetHotTreeItem());
        if (c.deleteAll)
            tree.DeleteAllItems();
        else
            tree.DeleteItem(c.deleteParent ? videos : clip);
        EXPECT_EQ(nullptr, tree.GetHotTreeItem());
        // Painting and moving over what is left use no stale handle.
        Repaint(tree.GetSafeHwnd());
        MovePointer(ScreenPoint(CPoint(100, 5)));
        Pump();
        if (c.deleteParent || c.deleteAll)
            videos = nullptr;
        else
            clip = tree.InsertItem(L"clip.avi", videos);
    }
}

TEST_F(TreeTest, ItemTipShowsTheWholeTextOfACutLabel) {
    MakeTree(200, 150);
    tree.Expand(videos, TVE_EXPAND);
    Pump();
    const NeloTreeCtrl& t = tree;
    const HWND tip = t.GetItemTip().GetSafeHwnd();
    ASSERT_NE(nullptr, tip);

    Hover(clip);
    EXPECT_FALSE(IsWindowVisible(tip)) << "a label that fits shows no tip";

    Hover(longItem);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(tip) != FALSE; }));
    EXPECT_STREQ(L"a holiday film whose name is far too long to fit.mkv", (LPCTSTR)t.GetItemTip().GetText());
    CRect label = Label(longItem);
    tree.ClientToScreen(&label);
    CRect placed;
    GetWindowRect(tip, &placed);
    EXPECT_EQ(label, placed) << "laid exactly over the label";
    EXPECT_EQ(0, t.GetItemTip().IsSelectedLook());
    Repaint(tip);
    // Normal look with the item hover: hot back, hot frame.
    EXPECT_COLOUR(kHotFrame, WindowPixel(tip, 0, 0));
    EXPECT_COLOUR(kHotBack, WindowPixel(tip, 1, 1));

    // The pointer goes through the tip: the tree keeps its hot item.
    EXPECT_EQ(longItem, tree.GetHotTreeItem());

    // Selecting the item shows the tip in the selected look.
    tree.SelectItem(longItem);
    Pump();
    EXPECT_EQ(1, t.GetItemTip().IsSelectedLook());
    Repaint(tip);
    EXPECT_COLOUR(kCaretFrame, WindowPixel(tip, 0, 0));
    EXPECT_COLOUR(kSelectedBack, WindowPixel(tip, 1, 1));

    // Leaving the tree hides it.
    MovePointer(RestingPointer());
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(tip); }));
    EXPECT_EQ(nullptr, tree.GetHotTreeItem());
}

TEST_F(TreeTest, TemplateTreeInAGroupBoxSurvivesCoveringAndData) {
    NeloTreeCtrl& t = host->templateTree;
    ASSERT_NE(nullptr, t.GetSafeHwnd());
    if (t.GetCount() == 0) {
        HTREEITEM root = t.InsertItem(L"Root");
        t.InsertItem(L"child", root);
        t.Expand(root, TVE_EXPAND);
    }
    EXPECT_TRUE(t.GetExStyle() & WS_EX_STATICEDGE);
    CoverAndUncover();
    const HWND w = t.GetSafeHwnd();
    EXPECT_COLOUR(kBorder, WindowPixel(w, 0, 40));
    EXPECT_COLOUR(kBack, WindowPixel(w, 1, 40));
    EXPECT_COLOUR(kBack, ClientPixel(w, 60, 100));
}

TEST_F(TreeTest, RepaintingLeaksNoGdiObject) {
    MakeTree();
    tree.SelectItem(videos);
    tree.Expand(videos, TVE_EXPAND);
    Pump();
    for (BOOL enabled : {TRUE, FALSE}) {
        tree.EnableWindow(enabled);
        Repaint(tree.GetSafeHwnd());
        const GdiCounts before = CountGdi();
        // The client (items, custom draw, frames) and the frame, painted
        // through the window's own handlers.
        // A repaint costs tens of milliseconds under Wine (every window DC
        // is synchronised with the X server): 200 rounds per state keep the
        // case to seconds and still find a handle lost per paint.
        for (int i = 0; i < 200; ++i) {
            tree.InvalidateRect(nullptr, FALSE);
            tree.SendMessage(WM_PAINT);
            tree.SendMessage(WM_NCPAINT, 1);
        }
        Pump();
        const GdiCounts after = CountGdi();
        EXPECT_EQ(before.wrappers, after.wrappers);
        EXPECT_EQ(before.handles, after.handles);
    }
}

} // namespace
} // namespace menus_test

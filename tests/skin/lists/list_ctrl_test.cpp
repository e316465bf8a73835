// The skinned report list on real windows: its colour record and set-up,
// rows in every look at exact pixels, sorting by header clicks with sort
// types that follow their columns, fixed widths and the hidden column,
// cell images and shared image lists, the owner-data role of a combo box's
// drop list, row heights, an empty list's thumb tracking, the template list
// and no leaks over repaints; the skinned bars in place of the system's
// (following content, size, wheel, keys and bar clicks) and the skinned
// header in place of the system's (height, font, colours, hover look, sort
// arrow).
#include "listview_test_support.h"

#include "support/colour_record.h"

#include <algorithm>
#include <functional>
#include <vector>

using namespace listview_test;
using quorvex_test::ColourEntry;
using quorvex_test::RecordHolds;
using Tavrin::_ListCtrlColorInfo;
using Tavrin::NeloListCtrl;
using Tavrin::NeloScrollBar;

namespace {

const ColourEntry<_ListCtrlColorInfo> kListDefaults[] = {
    {"clrRowBack", &_ListCtrlColorInfo::clrRowBack, RGB(250, 250, 250)},
    {"clrRowBackDisabled", &_ListCtrlColorInfo::clrRowBackDisabled, RGB(236, 233, 216)},
    {"clrStripeBack", &_ListCtrlColorInfo::clrStripeBack, RGB(232, 232, 240)},
    {"clrStripeBackDisabled", &_ListCtrlColorInfo::clrStripeBackDisabled, RGB(219, 217, 202)},
    {"clrSelectedFrom", &_ListCtrlColorInfo::clrSelectedFrom, RGB(255, 242, 202)},
    {"clrSelectedTo", &_ListCtrlColorInfo::clrSelectedTo, RGB(254, 230, 158)},
    {"clrHotFrom", &_ListCtrlColorInfo::clrHotFrom, RGB(240, 240, 240)},
    {"clrHotTo", &_ListCtrlColorInfo::clrHotTo, RGB(232, 232, 240)},
    {"clrBorder", &_ListCtrlColorInfo::clrBorder, RGB(127, 157, 185)},
    {"clrBorderDisabled", &_ListCtrlColorInfo::clrBorderDisabled, RGB(172, 168, 153)},
    {"clrText", &_ListCtrlColorInfo::clrText, RGB(6, 45, 117)},
    {"clrTextSelected", &_ListCtrlColorInfo::clrTextSelected, RGB(27, 44, 150)},
    {"clrTextHot", &_ListCtrlColorInfo::clrTextHot, RGB(6, 45, 117)},
    {"clrTextDisabled", &_ListCtrlColorInfo::clrTextDisabled, RGB(172, 168, 153)},
    {"clrSplitLine", &_ListCtrlColorInfo::clrSplitLine, RGB(229, 236, 249)},
    {"clrSplitLineDisabled", &_ListCtrlColorInfo::clrSplitLineDisabled, RGB(224, 221, 204)},
    {"clrSizeBoxFrom", &_ListCtrlColorInfo::clrSizeBoxFrom, RGB(212, 216, 238)},
    {"clrSizeBoxTo", &_ListCtrlColorInfo::clrSizeBoxTo, RGB(187, 211, 233)},
    {"clrSizeBoxDisabledFrom", &_ListCtrlColorInfo::clrSizeBoxDisabledFrom, RGB(225, 234, 234)},
    {"clrSizeBoxDisabledTo", &_ListCtrlColorInfo::clrSizeBoxDisabledTo, RGB(185, 205, 251)},
};

const DWORD kList = WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS;

// A list whose rows come from the owner, as a combo box's drop list has them.
class VirtualList : public NeloListCtrl {
public:
    int asked = 0;

protected:
    afx_msg void OnGetDispInfo(NMHDR* header, LRESULT* result) {
        auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
        ++asked;
        if (info->item.mask & LVIF_TEXT) {
            CString text;
            text.Format(L"virtual %d", info->item.iItem);
            lstrcpynW(info->item.pszText, text.GetString(), info->item.cchTextMax);
        }
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(VirtualList, NeloListCtrl)
ON_NOTIFY_REFLECT(LVN_GETDISPINFOW, &VirtualList::OnGetDispInfo)
END_MESSAGE_MAP()

class ListCtrlTest : public ListViewsTest {
protected:
    // A 260 x 180 list at (20, 20); columns and rows as given.
    HWND MakeList(NeloListCtrl& list, int id, DWORD style = kList) {
        HWND window = CreateChild(WC_LISTVIEWW, L"", style, 20, 20, 260, 180, id);
        EXPECT_TRUE(list.SubclassWindow(window));
        return window;
    }
    static void AddRows(NeloListCtrl& list, const std::vector<std::vector<const wchar_t*>>& rows) {
        for (size_t r = 0; r < rows.size(); ++r) {
            list.CListCtrl::InsertItem(static_cast<int>(r), rows[r][0]);
            for (size_t c = 1; c < rows[r].size(); ++c)
                list.SetItemText(static_cast<int>(r), static_cast<int>(c), rows[r][c]);
        }
    }
    static std::vector<CString> Column(NeloListCtrl& list, int column) {
        std::vector<CString> texts;
        for (int i = 0; i < list.GetItemCount(); ++i)
            texts.push_back(list.GetItemText(i, column));
        return texts;
    }
    // The combo box's drop list: a 200 x 150 owner-data list at (20, 20)
    // without a header, one column of the given width, 500 rows. Null when
    // it could not be made.
    HWND MakeOwnerDataList(NeloListCtrl& list, int id, int columnWidth) {
        HWND window = CreateChild(WC_LISTVIEWW, L"",
                                  WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LVS_REPORT | LVS_SINGLESEL |
                                      LVS_OWNERDATA | LVS_NOCOLUMNHEADER,
                                  20, 20, 200, 150, id);
        if (!list.SubclassWindow(window))
            return nullptr;
        list.InsertColumn(0, L"", LVCFMT_LEFT, columnWidth, -1);
        return list.SetItemCountEx(500, LVSICF_NOINVALIDATEALL) ? window : nullptr;
    }
    static RECT RowOf(NeloListCtrl& list, int item) {
        RECT r{};
        list.GetItemRect(item, &r, LVIR_BOUNDS);
        return r;
    }
    // A left click on a header item, by real input. Clicks land a few pixels
    // left and right of the item's centre in turn, so that two clicks in a
    // row are never one double click.
    void ClickHeader(NeloListCtrl& list, int column) {
        HWND header = ListView_GetHeader(list.GetSafeHwnd());
        RECT item{};
        Header_GetItemRect(header, column, &item);
        m_clickSide = -m_clickSide;
        POINT at{(item.left + item.right) / 2 + m_clickSide * 2 * ::GetSystemMetrics(SM_CXDOUBLECLK),
                 (item.top + item.bottom) / 2};
        ::ClientToScreen(header, &at);
        quorvex_test::LeftClick(at);
        Pump();
    }
    // The screen point of the divider right of a header item.
    static POINT DividerOf(NeloListCtrl& list, int column) {
        HWND header = ListView_GetHeader(list.GetSafeHwnd());
        RECT item{};
        Header_GetItemRect(header, column, &item);
        POINT at{item.right - 1, (item.top + item.bottom) / 2};
        ::ClientToScreen(header, &at);
        return at;
    }
    int m_clickSide = 1;
    void DoubleClick(POINT at) {
        quorvex_test::LeftClick(at);
        quorvex_test::LeftClick(at);
        Pump();
    }
    void CtrlKeypadPlus(HWND window) {
        ::SetFocus(window);
        INPUT keys[4] = {};
        const WORD codes[4] = {VK_CONTROL, VK_ADD, VK_ADD, VK_CONTROL};
        for (int i = 0; i < 4; ++i) {
            keys[i].type = INPUT_KEYBOARD;
            keys[i].ki.wVk = codes[i];
            keys[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
        }
        ::SendInput(4, keys, sizeof(INPUT));
        Pump();
    }
};

TEST_F(ListCtrlTest, ColourRecordDefaults) {
    // 20 colours, then the header's 20 and the bars' 34.
    const size_t kColours = 20 + 20 + 34;
    _ListCtrlColorInfo record = NeloListCtrl::DefaultColorInfo();
    EXPECT_TRUE(RecordHolds(record, kListDefaults, kColours));
    ASSERT_EQ(1, host->templateList.GetListCtrlColorInfo(record));
    EXPECT_TRUE(RecordHolds(record, kListDefaults, kColours));
    const struct {
        const char* what;
        COLORREF actual;
        COLORREF expected;
    } blocks[] = {
        {"header clrItemFrom", record.HeaderColors.clrItemFrom, RGB(243, 243, 243)},
        {"header clrItemTo", record.HeaderColors.clrItemTo, RGB(182, 208, 240)},
        {"header clrLine", record.HeaderColors.clrLine, RGB(127, 157, 185)},
        {"header clrSortArrowDisabled", record.HeaderColors.clrSortArrowDisabled, RGB(172, 168, 153)},
        {"bars clrTrackA", record.ScrollBarColors.clrTrackA, RGB(176, 176, 168)},
        {"bars clrFrame", record.ScrollBarColors.clrFrame, RGB(201, 215, 241)},
        {"bars clrGripDarkHot", record.ScrollBarColors.clrGripDarkHot, RGB(80, 120, 200)},
    };
    for (const auto& b : blocks)
        EXPECT_EQ(b.expected, b.actual) << b.what;
    NeloListCtrl unattached;
    EXPECT_EQ(0, unattached.SetListCtrlColorInfo(record));
}

TEST_F(ListCtrlTest, TemplateListIsSetUpAsAnOwnerDrawnReport) {
    NeloListCtrl& list = host->templateList;
    HWND window = list.GetSafeHwnd();
    ASSERT_NE(nullptr, window);
    const DWORD style = list.GetStyle();
    EXPECT_EQ(static_cast<DWORD>(LVS_REPORT), style & LVS_TYPEMASK);
    EXPECT_TRUE(style & LVS_OWNERDRAWFIXED);
    EXPECT_TRUE(style & LVS_SHAREIMAGELISTS);
    EXPECT_TRUE(style & WS_BORDER) << "a plain border instead of the sunken edge";
    EXPECT_FALSE(list.GetExStyle() & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
    const DWORD ex = list.GetExtendedStyle();
    EXPECT_TRUE(ex & LVS_EX_SUBITEMIMAGES);
    EXPECT_TRUE(ex & LVS_EX_HEADERDRAGDROP);
    EXPECT_EQ(ArialTextHeight(L"kg") + 4, list.GetRowHeight());

    list.DeleteAllItems();
    while (list.GetColumnCount() > 0)
        list.DeleteColumn(0);
    EXPECT_EQ(0, list.InsertColumn(0, L"Name", LVCFMT_LEFT, 120, -1));
    list.CListCtrl::InsertItem(0, L"first.avi");
    list.CListCtrl::InsertItem(1, L"second.mov");
    CoverAndUncover();
    EXPECT_COLOUR(RGB(127, 157, 185), WindowPixel(window, 0, 0));
    EXPECT_COLOUR(RGB(250, 250, 250), WindowPixel(window, 1, 1));
    const RECT row = RowOf(list, 0);
    EXPECT_EQ(ArialTextHeight(L"kg") + 4, row.bottom - row.top) << "rows take the measured height";
    Capture shot = Capture::Client(window);
    EXPECT_COLOUR(RGB(229, 236, 249), shot.At(110, row.bottom - 1));
    list.DeleteAllItems();
}

TEST_F(ListCtrlTest, RowsInEveryLookAtExactPixels) {
    NeloListCtrl list;
    HWND window = MakeList(list, 3001);
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 200, -1);
    AddRows(list, {{L"a"}, {L"b"}, {L"c"}, {L"d"}, {L"e"}});
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    const int x = 150;
    auto top = [&](int i) { return static_cast<int>(RowOf(list, i).top); };
    auto bottom = [&](int i) { return static_cast<int>(RowOf(list, i).bottom); };

    Capture plain = ClientCapture(window);
    EXPECT_COLOUR(RGB(250, 250, 250), plain.At(x, top(0) + 2));
    EXPECT_COLOUR(RGB(229, 236, 249), plain.At(x, bottom(0) - 1)) << "split line";
    const int rowHeight = bottom(0) - top(0);
    const COLORREF selectedFrom = RGB(255, 242, 202), selectedTo = RGB(254, 230, 158);
    EXPECT_COLOUR_NEAR(RowGradientAt(selectedFrom, selectedTo, 0, rowHeight), plain.At(x, top(1)), 2);
    EXPECT_COLOUR_NEAR(RowGradientAt(selectedFrom, selectedTo, rowHeight - 2, rowHeight),
                       plain.At(x, bottom(1) - 2), 2);
    EXPECT_COLOUR(RGB(250, 250, 250), plain.At(x, bottom(4) + 6)) << "empty area";
    EXPECT_COLOUR(RGB(250, 250, 250), plain.At(230, top(0) + 2)) << "right of the last column";

    MoveMouseTo(window, POINT{x, (top(3) + bottom(3)) / 2});
    EXPECT_EQ(3, list.GetHotItem());
    Capture hot = ClientCapture(window);
    const COLORREF hotFrom = RGB(240, 240, 240), hotTo = RGB(232, 232, 240);
    EXPECT_COLOUR_NEAR(RowGradientAt(hotFrom, hotTo, 0, rowHeight), hot.At(x, top(3)), 1);
    EXPECT_COLOUR_NEAR(RowGradientAt(hotFrom, hotTo, rowHeight - 2, rowHeight), hot.At(x, bottom(3) - 2), 1);

    ASSERT_EQ(1, list.ShowStripeRow(1));
    MoveMouseTo(window, POINT{x, (top(3) + bottom(3)) / 2});
    Capture striped = ClientCapture(window);
    EXPECT_COLOUR(RGB(250, 250, 250), striped.At(x, bottom(0) - 1)) << "even row, no split line";
    EXPECT_COLOUR(RGB(232, 232, 240), striped.At(x, top(3) + 2)) << "the hot odd row keeps its stripe";
    EXPECT_COLOUR(RGB(232, 232, 240), striped.At(x, bottom(3) - 1));

    ::EnableWindow(window, FALSE);
    Capture disabled = ClientCapture(window);
    EXPECT_COLOUR(RGB(219, 217, 202), disabled.At(x, top(3) + 2)) << "odd row, disabled";
    EXPECT_COLOUR(RGB(219, 217, 202), disabled.At(x, top(1) + 2)) << "no selection look when disabled";
    EXPECT_COLOUR(RGB(236, 233, 216), disabled.At(x, top(2) + 2)) << "even row, disabled";
    EXPECT_COLOUR(RGB(172, 168, 153), WindowPixel(window, 0, 0));
    EXPECT_COLOUR(RGB(236, 233, 216), WindowPixel(window, 1, 1));
    ASSERT_EQ(1, list.ShowStripeRow(0));
    Capture plainDisabled = ClientCapture(window);
    EXPECT_COLOUR(RGB(224, 221, 204), plainDisabled.At(x, bottom(0) - 1));
    ::EnableWindow(window, TRUE);
}

TEST_F(ListCtrlTest, HeaderClicksSortBothWaysByTheColumnsType) {
    NeloListCtrl list;
    HWND window = MakeList(list, 3002);
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 80, -1);
    list.InsertColumn(1, L"Size", LVCFMT_RIGHT, 60, -1);
    list.InsertColumn(2, L"Path", LVCFMT_LEFT, 80, -1);
    AddRows(list, {{L"delta", L"9", L"c:\\d"}, {L"alpha", L"10", L"c:\\a"}, {L"charlie", L"2.5", L"c:\\c"},
                   {L"bravo", L"100", L"c:\\b"}});
    ASSERT_EQ(1, list.SetSortType(0, Tavrin::ListCtrlSortString));
    ASSERT_EQ(1, list.SetSortType(1, Tavrin::ListCtrlSortNumber));
    EXPECT_EQ(0, list.SetSortType(3, Tavrin::ListCtrlSortString)) << "no such column";
    Repaint(window);

    using Names = std::vector<CString>;
    ClickHeader(list, 0);
    EXPECT_EQ((Names{L"alpha", L"bravo", L"charlie", L"delta"}), Column(list, 0));
    EXPECT_EQ(0, list.GetSortColumn());
    EXPECT_EQ(1, list.IsSortAscending());
    ClickHeader(list, 0);
    EXPECT_EQ((Names{L"delta", L"charlie", L"bravo", L"alpha"}), Column(list, 0));
    EXPECT_EQ(0, list.IsSortAscending());
    ClickHeader(list, 1);
    EXPECT_EQ((Names{L"2.5", L"9", L"10", L"100"}), Column(list, 1)) << "numbers, ascending again";
    ClickHeader(list, 2);
    EXPECT_EQ((Names{L"2.5", L"9", L"10", L"100"}), Column(list, 1)) << "a column without sort type";
    int column = -1;
    Tavrin::ListCtrlSortType type = -1;
    ASSERT_EQ(1, list.GetCurrentSortType(column, type));
    EXPECT_EQ(1, column);
    EXPECT_EQ(Tavrin::ListCtrlSortNumber, type);

    // A new type for the sort column sorts again at once, in the same direction.
    ASSERT_EQ(1, list.SetSortType(1, Tavrin::ListCtrlSortString));
    EXPECT_EQ((Names{L"10", L"100", L"2.5", L"9"}), Column(list, 1));
    ASSERT_EQ(1, list.SetSortType(1, Tavrin::ListCtrlSortNone));
    ASSERT_EQ(1, list.GetCurrentSortType(column, type));
    EXPECT_EQ(-1, column);
    EXPECT_EQ(Tavrin::ListCtrlSortNone, type);
}

TEST_F(ListCtrlTest, SortTypesFollowTheirColumns) {
    NeloListCtrl list;
    HWND window = MakeList(list, 3003);
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 80, -1);
    list.InsertColumn(1, L"Size", LVCFMT_LEFT, 60, -1);
    AddRows(list, {{L"b", L"10"}, {L"a", L"9"}, {L"c", L"100"}});
    ASSERT_EQ(1, list.SetSortType(1, Tavrin::ListCtrlSortNumber));
    // A column put before it moves Size to index 2; its numeric type goes along.
    EXPECT_EQ(1, list.InsertColumn(1, L"State", LVCFMT_LEFT, 40, -1));
    Repaint(window);
    using Texts = std::vector<CString>;
    ClickHeader(list, 1);
    EXPECT_EQ((Texts{L"b", L"a", L"c"}), Column(list, 0)) << "the new column has no sort type";
    ClickHeader(list, 2);
    EXPECT_EQ((Texts{L"9", L"10", L"100"}), Column(list, 2));
    // Deleting that column brings Size back to index 1, still numeric.
    ASSERT_TRUE(list.DeleteColumn(1));
    Repaint(window);
    EXPECT_EQ(1, list.GetSortColumn()) << "the sort column moved with its column";
    ClickHeader(list, 1); // the same column again: descending
    EXPECT_EQ((Texts{L"100", L"10", L"9"}), Column(list, 1));
}

TEST_F(ListCtrlTest, FixedWidthsRefuseDragAndDividerDoubleClick) {
    NeloListCtrl list;
    HWND window = MakeList(list, 3004);
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 80, -1);
    list.InsertColumn(1, L"Size", LVCFMT_LEFT, 60, -1);
    AddRows(list, {{L"a file with a longer name.avi", L"1"}});
    Repaint(window);

    ASSERT_EQ(1, list.FixColumnWidth(1));
    const POINT divider = DividerOf(list, 0);
    quorvex_test::LeftDrag(divider, {POINT{divider.x + 20, divider.y}, POINT{divider.x + 40, divider.y}});
    Pump();
    EXPECT_EQ(80, list.GetColumnWidth(0)) << "drag refused";
    DoubleClick(DividerOf(list, 0));
    EXPECT_EQ(80, list.GetColumnWidth(0)) << "divider double click refused";

    ASSERT_EQ(1, list.FixColumnWidth(0));
    quorvex_test::LeftDrag(divider, {POINT{divider.x + 20, divider.y}, POINT{divider.x + 40, divider.y}});
    Pump();
    EXPECT_NE(80, list.GetColumnWidth(0)) << "widths not fixed: the drag resizes";
}

TEST_F(ListCtrlTest, HiddenColumnStaysHiddenWhateverTheUserTries) {
    NeloListCtrl list;
    HWND window = MakeList(list, 3005);
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 100, -1);
    list.InsertColumn(1, L"Path", LVCFMT_LEFT, 0, -1);
    list.InsertColumn(2, L"Duration", LVCFMT_LEFT, 70, -1);
    AddRows(list, {{L"holiday.avi", L"C:\\Videos\\a long folder name\\holiday.avi", L"00:01:30"}});
    ASSERT_EQ(1, list.FixColumnWidth(1, 1));
    EXPECT_EQ(0, list.FixColumnWidth(3, 1)) << "no such column";
    EXPECT_EQ(1, list.IsColumnWidthFixed(1));
    EXPECT_EQ(0, list.IsColumnWidthFixed(0));
    // A column put in front moves the setting with Path.
    list.InsertColumn(0, L"State", LVCFMT_LEFT, 30, -1);
    EXPECT_EQ(0, list.IsColumnWidthFixed(1));
    EXPECT_EQ(1, list.IsColumnWidthFixed(2));
    Repaint(window);

    const POINT divider = DividerOf(list, 2);
    quorvex_test::LeftDrag(divider, {POINT{divider.x + 30, divider.y}, POINT{divider.x + 60, divider.y}});
    Pump();
    EXPECT_EQ(0, list.GetColumnWidth(2)) << "drag";
    DoubleClick(DividerOf(list, 2));
    EXPECT_EQ(0, list.GetColumnWidth(2)) << "divider double click";
    CtrlKeypadPlus(window);
    EXPECT_EQ(0, list.GetColumnWidth(2)) << "keyboard";
    EXPECT_TRUE(list.SetColumnWidth(2, 0)) << "the program itself may still set it";
}

TEST_F(ListCtrlTest, CellImagesAndSharedImageLists) {
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 0, 2));
    {
        CClientDC screen(nullptr);
        CDC mem;
        mem.CreateCompatibleDC(&screen);
        CBitmap red;
        red.CreateCompatibleBitmap(&screen, 16, 16);
        CBitmap* old = mem.SelectObject(&red);
        mem.FillSolidRect(0, 0, 16, 16, RGB(255, 0, 0));
        mem.SelectObject(old);
        ASSERT_EQ(0, images.Add(&red, static_cast<CBitmap*>(nullptr)));
    }
    HIMAGELIST handle = images.GetSafeHandle();
    {
        NeloListCtrl list;
        HWND window = MakeList(list, 3006);
        list.SetImageList(&images, LVSIL_SMALL);
        list.InsertColumn(0, L"Name", LVCFMT_LEFT, 100, -1);
        list.InsertColumn(1, L"State", LVCFMT_LEFT, 100, -1);
        AddRows(list, {{L"a", L"waiting"}, {L"b", L"done"}});

        struct Case {
            int item, subItem, image, result;
        };
        const Case cases[] = {{0, 1, 0, 1}, {1, 0, 0, 1}, {2, 0, 0, 0}, {-1, 0, 0, 0}, {0, 2, 0, 0}, {0, -1, 0, 0}};
        for (const Case& c : cases)
            EXPECT_EQ(c.result, list.SetItemImage(c.item, c.subItem, c.image)) << c.item << ", " << c.subItem;

        Capture shot = ClientCapture(window);
        const RECT row0 = RowOf(list, 0);
        RECT cell{};
        list.GetSubItemRect(0, 1, LVIR_LABEL, *reinterpret_cast<CRect*>(&cell));
        const RECT red = shot.Bounds([](COLORREF c) { return c == RGB(255, 0, 0); },
                                     RECT{cell.left, row0.top, cell.right, row0.bottom});
        EXPECT_EQ(16, red.right - red.left) << "the image of the second cell";
        EXPECT_LE(cell.left + 2, red.left);
        // The rows' images are not the header's: no image on any column.
        HWND header = ListView_GetHeader(window);
        EXPECT_EQ(nullptr, Header_GetImageList(header));
        Repaint(header);
        EXPECT_EQ(0, Capture::Client(header).Count([](COLORREF c) { return c == RGB(255, 0, 0); }));
        CImageList* headerImages = list.GetHeaderCtrlImageList();
        EXPECT_TRUE(!headerImages || !headerImages->GetSafeHandle());

        ASSERT_EQ(1, list.SetItemImage(0, 1, -5));
        LVITEMW lvi{};
        lvi.mask = LVIF_IMAGE;
        lvi.iItem = 0;
        lvi.iSubItem = 1;
        list.GetItem(&lvi);
        EXPECT_EQ(-1, lvi.iImage) << "a negative image clears the cell's image";
        ::DestroyWindow(window);
    }
    EXPECT_EQ(1, ImageList_GetImageCount(handle)) << "the list did not destroy the caller's images";
    EXPECT_EQ(handle, images.GetSafeHandle());
}

TEST_F(ListCtrlTest, OwnerDataRowsAreDrawnFromTheOwnersTexts) {
    VirtualList list;
    HWND window = MakeOwnerDataList(list, 3007, 180);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(500, list.GetItemCount());
    Capture shot = ClientCapture(window);
    EXPECT_GT(list.asked, 0);
    EXPECT_STREQ(L"virtual 7", list.GetItemText(7, 0).GetString());
    const RECT row = RowOf(list, 0);
    EXPECT_GT(shot.Count([](COLORREF c) { return GetRValue(c) < 128; }, row), 0) << "text drawn";
    EXPECT_COLOUR(RGB(229, 236, 249), shot.At(170, row.bottom - 1));
}

TEST_F(ListCtrlTest, EmptyListIgnoresThumbTracking) {
    VirtualList list;
    HWND window = CreateChild(WC_LISTVIEWW, L"", kList | WS_VSCROLL | LVS_OWNERDATA, 20, 20, 200, 150, 3008);
    ASSERT_TRUE(list.SubclassWindow(window));
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 180, -1);
    list.asked = 0;
    list.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 5), 0);
    list.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 5), 0);
    Pump();
    EXPECT_EQ(0, list.GetTopIndex());
    EXPECT_EQ(0, ::GetScrollPos(window, SB_VERT));
    EXPECT_EQ(0, list.asked) << "no item was read";
}

TEST_F(ListCtrlTest, RowHeightsAndColumns) {
    NeloListCtrl list;
    HWND window = MakeList(list, 3009);
    EXPECT_EQ(0, list.SetRowHeight(14));
    EXPECT_EQ(0, list.SetRowHeight(36));
    ASSERT_EQ(1, list.SetRowHeight(15));
    EXPECT_EQ(ArialTextHeight(L"gk") + 4, list.GetRowHeight()) << "Arial 10 is taller than 11 pixels";
    ASSERT_EQ(1, list.SetRowHeight(30));
    EXPECT_EQ(30, list.GetRowHeight());
    EXPECT_EQ(0, list.InsertColumn(0, L"Name", LVCFMT_LEFT, -1, -1));
    EXPECT_EQ(1, list.InsertColumn(5, L"Size", LVCFMT_RIGHT, 50, 1)) << "past the end: appended";
    EXPECT_EQ(2, list.GetColumnCount());
    LVCOLUMNW desc{};
    desc.mask = LVCF_FMT | LVCF_SUBITEM;
    ASSERT_TRUE(list.GetColumn(1, &desc));
    EXPECT_EQ(LVCFMT_RIGHT, desc.fmt & LVCFMT_JUSTIFYMASK);
    AddRows(list, {{L"a", L"1"}});
    Repaint(window);
    const RECT row = RowOf(list, 0);
    EXPECT_EQ(30, row.bottom - row.top);
    EXPECT_EQ(0, list.SetFont(L"Arial", 0, 0));
    ASSERT_EQ(1, list.SetFont(L"Arial", 20, 0));
    EXPECT_GE(list.GetRowHeight(), 30);
}

TEST_F(ListCtrlTest, NoLeakOverRepaintsInEachLook) {
    NeloListCtrl list;
    // Four rows show every row look at once (plain, selected, hot, striped);
    // the two columns, one with a cut text, every cell path.
    HWND window = CreateChild(WC_LISTVIEWW, L"", kList, 20, 20, 200, 100, 3010);
    ASSERT_TRUE(list.SubclassWindow(window));
    list.InsertColumn(0, L"Name", LVCFMT_LEFT, 120, -1);
    list.InsertColumn(1, L"Size", LVCFMT_RIGHT, 60, -1);
    for (int i = 0; i < 4; ++i) {
        CString name;
        name.Format(L"file %d with a name too long for its column.avi", i);
        list.CListCtrl::InsertItem(i, name);
        list.SetItemText(i, 1, L"12.5%");
    }
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    const RECT hot = RowOf(list, 2);
    MoveMouseTo(window, POINT{100, (hot.top + hot.bottom) / 2});
    ExpectNoLeakOverRepaints("plain, selected and hot rows, split lines", window);
    list.ShowStripeRow(1);
    ::EnableWindow(window, FALSE);
    ExpectNoLeakOverRepaints("striped and disabled", window);
}

// ---- The skinned bars ----------------------------------------------------

// A list of 'rows' rows in three columns 300 pixels wide in all, so that a
// 260-pixel list needs both bars.
class ListBarsTest : public ListCtrlTest {
protected:
    HWND MakeFullList(NeloListCtrl& list, int id, int rows) {
        HWND window = MakeList(list, id);
        list.InsertColumn(0, L"Name", LVCFMT_LEFT, 140, -1);
        list.InsertColumn(1, L"Size", LVCFMT_RIGHT, 80, -1);
        list.InsertColumn(2, L"State", LVCFMT_LEFT, 80, -1);
        for (int i = 0; i < rows; ++i) {
            CString name;
            name.Format(L"clip %02d.avi", i);
            list.CListCtrl::InsertItem(i, name);
        }
        Repaint(window);
        return window;
    }
    static CRect ScreenRectOf(HWND window) {
        CRect r;
        ::GetWindowRect(window, &r);
        return r;
    }
    static int BarPos(NeloScrollBar* bar) { return bar->GetScrollPos(); }
    // The bars show what the list's own scroll information says.
    static void ExpectBarsInStep(NeloListCtrl& list, const char* after) {
        SCOPED_TRACE(after);
        for (int which : {SB_VERT, SB_HORZ}) {
            NeloScrollBar* bar = which == SB_VERT ? list.VerticalBar() : list.HorizontalBar();
            SCROLLINFO own{sizeof(own), SIF_ALL}, skinned{};
            ::GetScrollInfo(list.GetSafeHwnd(), which, &own);
            bar->GetScrollInfo(&skinned, SIF_ALL);
            EXPECT_EQ(own.nMax, skinned.nMax) << (which == SB_VERT ? "vertical" : "horizontal");
            EXPECT_EQ(static_cast<int>(own.nPage), static_cast<int>(skinned.nPage));
            EXPECT_EQ(own.nPos, skinned.nPos);
        }
    }
    void Wheel(POINT screen, int notches) {
        ::SetCursorPos(screen.x, screen.y);
        INPUT inputs[2] = {quorvex_test::MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen),
                           quorvex_test::MouseInput(MOUSEEVENTF_WHEEL)};
        inputs[1].mi.mouseData = static_cast<DWORD>(-notches * WHEEL_DELTA);
        ::SendInput(2, inputs, sizeof(INPUT));
        Pump();
    }
    void PressKey(HWND window, WORD key) {
        ::SetFocus(window);
        quorvex_test::TypeKey(key);
        Pump();
    }
};

// Thickness, places, region holes and frame around the two bars.
TEST_F(ListBarsTest, BarsLieOverTheBarAreasInThePlaceOfTheSystemsBars) {
    NeloListCtrl list;
    HWND window = MakeFullList(list, 3101, 40);
    const int t = std::max(18, std::max(::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL)));
    EXPECT_EQ(t, list.GetBarThickness());
    ASSERT_TRUE(list.GetStyle() & WS_VSCROLL);
    ASSERT_TRUE(list.GetStyle() & WS_HSCROLL);
    HWND v = list.VerticalBar()->GetSafeHwnd();
    HWND h = list.HorizontalBar()->GetSafeHwnd();
    ASSERT_NE(nullptr, v);
    ASSERT_NE(nullptr, h);
    EXPECT_EQ(Host(), ::GetParent(v)) << "siblings of the list";
    EXPECT_EQ(window, list.VerticalBar()->Owner());
    EXPECT_EQ(window, list.HorizontalBar()->Owner());
    EXPECT_TRUE(::IsWindowVisible(v));
    EXPECT_TRUE(::IsWindowVisible(h));

    CRect client;
    list.GetClientRect(&client);
    list.ClientToScreen(&client);
    const CRect outer = ScreenRectOf(window);
    // With both bars each is one pixel longer, meeting under the corner.
    EXPECT_EQ(CRect(client.right, client.top, client.right + t + 1, client.bottom + 1), ScreenRectOf(v));
    EXPECT_EQ(CRect(client.left, client.bottom, client.right + 1, client.bottom + t + 1), ScreenRectOf(h));
    EXPECT_EQ(outer.right - 2, client.right + t + 1) << "border and inner ring right of the bar";
    EXPECT_EQ(outer.bottom - 2, client.bottom + t + 1);
    ExpectBarsInStep(list, "after filling");
    ExpectBarsFollowMoves(window, list.VerticalBar(), list.HorizontalBar(), t, 0);

    // What the screen shows there: the bars' frames, the corner square's
    // gradient, the two rings.
    // (Left and top edges of the tracks, just before the far arrows.)
    EXPECT_COLOUR(RGB(201, 215, 241), WindowPixel(v, 0, ScreenRectOf(v).Height() - t - 3));
    EXPECT_COLOUR(RGB(201, 215, 241), WindowPixel(h, ScreenRectOf(h).Width() - t - 3, 0));
    const int w = outer.Width(), ht = outer.Height();
    // Square w-t-2..w-2, gradient box one pixel further up and left: its
    // middle is half-way between the two colours.
    const int mid = (w - t - 3 + w - 2) / 2;
    const int midY = (ht - t - 3 + ht - 2) / 2;
    EXPECT_COLOUR_NEAR(quorvex_test::Mix(RGB(212, 216, 238), RGB(187, 211, 233), 0.5),
                       WindowPixel(window, mid, midY), 3);
    EXPECT_COLOUR(RGB(127, 157, 185), WindowPixel(window, w - 1, ht / 2)) << "outer ring";
    EXPECT_COLOUR(RGB(250, 250, 250), WindowPixel(window, w - 2, ht / 2)) << "inner ring";
    EXPECT_COLOUR(RGB(127, 157, 185), WindowPixel(window, w / 2, ht - 1));
    EXPECT_COLOUR(RGB(250, 250, 250), WindowPixel(window, w / 2, ht - 2));

    // A disabled list: disabled bars and the disabled corner colours.
    ::EnableWindow(window, FALSE);
    Repaint(window);
    EXPECT_FALSE(::IsWindowEnabled(v));
    EXPECT_FALSE(::IsWindowEnabled(h));
    EXPECT_COLOUR_NEAR(quorvex_test::Mix(RGB(225, 234, 234), RGB(185, 205, 251), 0.5),
                       WindowPixel(window, mid, midY), 3);
    EXPECT_COLOUR(RGB(172, 168, 153), WindowPixel(window, w - 1, ht / 2));
    ::EnableWindow(window, TRUE);
    Repaint(window);
    EXPECT_TRUE(::IsWindowEnabled(v));
}

// The bars come and go with the content and the list's size.
TEST_F(ListBarsTest, BarsFollowContentAndSize) {
    NeloListCtrl list;
    HWND window = MakeFullList(list, 3102, 3);
    HWND v = list.VerticalBar()->GetSafeHwnd();
    HWND h = list.HorizontalBar()->GetSafeHwnd();
    ASSERT_NE(nullptr, v);
    EXPECT_FALSE(::IsWindowVisible(v)) << "three rows fit";
    EXPECT_TRUE(::IsWindowVisible(h)) << "300 pixels of columns do not";

    for (int i = 3; i < 40; ++i)
        list.CListCtrl::InsertItem(i, L"more");
    Repaint(window);
    EXPECT_TRUE(::IsWindowVisible(v));
    ExpectBarsInStep(list, "after inserting rows");

    // Wide enough for every column: the horizontal bar goes.
    ::SetWindowPos(window, nullptr, 0, 0, 400, 180, SWP_NOMOVE | SWP_NOZORDER);
    Repaint(window);
    EXPECT_FALSE(list.GetStyle() & WS_HSCROLL);
    EXPECT_FALSE(::IsWindowVisible(h));
    CRect client;
    list.GetClientRect(&client);
    list.ClientToScreen(&client);
    const int t = list.GetBarThickness();
    EXPECT_EQ(CRect(client.right, client.top, client.right + t + 1, client.bottom), ScreenRectOf(v))
        << "alone, the vertical bar is as tall as the client area";

    list.DeleteAllItems();
    Repaint(window);
    EXPECT_FALSE(::IsWindowVisible(v)) << "an empty list needs no bar";

    // Hidden and shown with the list.
    for (int i = 0; i < 40; ++i)
        list.CListCtrl::InsertItem(i, L"again");
    Repaint(window);
    ASSERT_TRUE(::IsWindowVisible(v));
    list.ShowWindow(SW_HIDE);
    EXPECT_FALSE(::IsWindowVisible(v));
    list.ShowWindow(SW_SHOW);
    EXPECT_TRUE(::IsWindowVisible(v));
}

// Clicks, drags, the wheel and keys scroll the list; the bars keep in step.
TEST_F(ListBarsTest, BarClicksDragsWheelAndKeysScrollTheList) {
    NeloListCtrl list;
    HWND window = MakeFullList(list, 3103, 60);
    const int t = list.GetBarThickness();
    const CRect v = ScreenRectOf(list.VerticalBar()->GetSafeHwnd());
    const CRect h = ScreenRectOf(list.HorizontalBar()->GetSafeHwnd());
    const int perPage = list.GetCountPerPage();
    ASSERT_GT(perPage, 2);
    const int last = 60 - perPage;

    struct Step {
        const char* what;
        std::function<void()> act;
        std::function<bool(int)> topIs;
    };
    const Step steps[] = {
        {"down arrow", [&] { quorvex_test::LeftClick(POINT{v.left + t / 2, v.bottom - 1 - t / 2}); },
         [](int top) { return top == 1; }},
        {"track below the thumb",
         [&] { quorvex_test::LeftClick(POINT{v.left + t / 2, v.bottom - 1 - t - 3}); },
         [&](int top) { return top == 1 + perPage; }},
        {"up arrow", [&] { quorvex_test::LeftClick(POINT{v.left + t / 2, v.top + t / 2}); },
         [&](int top) { return top == perPage; }},
        {"wheel, one notch down", [&] { Wheel(POINT{(v.left - 60), v.top + 40}, 1); },
         [&](int top) { return top > perPage; }},
        {"Home key", [&] { PressKey(window, VK_HOME); }, [](int top) { return top == 0; }},
        {"thumb dragged past the end",
         [&] {
             const POINT thumb{v.left + t / 2, v.top + t + 4};
             quorvex_test::LeftDrag(thumb, {POINT{thumb.x, thumb.y + 20}, POINT{thumb.x, v.bottom + 40}});
         },
         [&](int top) { return top == last; }},
        {"End key after Home", [&] {
             PressKey(window, VK_HOME);
             PressKey(window, VK_END);
         },
         [&](int top) { return top == last; }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        Pump();
        Repaint(window);
        const int top = list.GetTopIndex();
        EXPECT_TRUE(step.topIs(top)) << "top row " << top;
        EXPECT_EQ(top, ::GetScrollPos(window, SB_VERT));
        ExpectBarsInStep(list, step.what);
    }

    // The right arrow of the horizontal bar scrolls the columns.
    quorvex_test::LeftClick(POINT{h.right - 1 - t / 2, h.top + t / 2});
    Pump();
    Repaint(window);
    EXPECT_GT(::GetScrollPos(window, SB_HORZ), 0);
    ExpectBarsInStep(list, "right arrow");
}

// Hover, thumb symbol and colour settings reach both bars.
TEST_F(ListBarsTest, SettingsReachBothBars) {
    NeloListCtrl list;
    MakeFullList(list, 3104, 40);
    _ListCtrlColorInfo colours{};
    ASSERT_EQ(1, list.GetListCtrlColorInfo(colours));
    colours.ScrollBarColors.clrFrame = RGB(200, 10, 10);
    ASSERT_EQ(1, list.SetListCtrlColorInfo(colours));
    Repaint(list.GetSafeHwnd());
    const int t = list.GetBarThickness();
    for (NeloScrollBar* bar : {list.VerticalBar(), list.HorizontalBar()}) {
        Tavrin::_ScrollBarColorInfo read{};
        bar->GetScrollBarColorInfo(read);
        EXPECT_EQ(RGB(200, 10, 10), read.clrFrame);
        Repaint(bar->GetSafeHwnd());
        const CRect r = ScreenRectOf(bar->GetSafeHwnd());
        const POINT edge = bar->IsVertical() ? POINT{0, r.Height() - t - 3} : POINT{r.Width() - t - 3, 0};
        EXPECT_COLOUR(RGB(200, 10, 10), WindowPixel(bar->GetSafeHwnd(), edge.x, edge.y));
    }
    // Colours given to a bar directly come back in the list's record.
    Tavrin::_ScrollBarColorInfo own = Tavrin::NeloScrollBar::DefaultColorInfo();
    own.clrTrackA = RGB(1, 2, 3);
    list.HorizontalBar()->SetScrollBarColorInfo(own);
    ASSERT_EQ(1, list.GetListCtrlColorInfo(colours));
    EXPECT_EQ(RGB(1, 2, 3), colours.ScrollBarColors.clrTrackA);

    EXPECT_EQ(1, list.ShowScrollBarThumbSymbol(0));
    EXPECT_EQ(1, list.ShowScrollBarThumbSymbol(1));
    // The down arrow's face under the pointer: the normal look while the
    // hover switch is off, the hot look once it is on.
    HWND v = list.VerticalBar()->GetSafeHwnd();
    const int height = ScreenRectOf(v).Height();
    const POINT face{t - 4, height - t + 3};
    MoveMouseTo(list.GetSafeHwnd(), POINT{20, 40});
    Repaint(v);
    const COLORREF away = WindowPixel(v, face.x, face.y);
    EXPECT_EQ(1, list.ShowHoverEffect(0, 1));
    MoveMouseTo(v, POINT{t / 2, height - t / 2 - 1});
    EXPECT_EQ(Tavrin::ComponentSecondArrow, list.VerticalBar()->HotPart());
    Repaint(v);
    EXPECT_COLOUR(away, WindowPixel(v, face.x, face.y)) << "no hot look with the hover switch off";
    EXPECT_EQ(1, list.ShowHoverEffect(1, 1));
    Repaint(v);
    EXPECT_NE(away, WindowPixel(v, face.x, face.y)) << "the hot look with it on";
    NeloListCtrl unattached;
    EXPECT_EQ(0, unattached.ShowScrollBarThumbSymbol(1)) << "no bars before the list is subclassed";
}

// The combo box's drop list: an owner-data list scrolled by its skinned bar.
TEST_F(ListBarsTest, OwnerDataListScrollsByItsBar) {
    VirtualList list;
    HWND window = MakeOwnerDataList(list, 3105, 170);
    ASSERT_NE(nullptr, window);
    Repaint(window);
    HWND v = list.VerticalBar()->GetSafeHwnd();
    ASSERT_NE(nullptr, v);
    ASSERT_TRUE(::IsWindowVisible(v));
    const CRect bar = ScreenRectOf(v);
    const int t = list.GetBarThickness();
    const POINT thumb{bar.left + t / 2, bar.top + t + 3};
    quorvex_test::LeftDrag(thumb, {POINT{thumb.x, thumb.y + 40}, POINT{thumb.x, bar.bottom + 40}});
    Pump();
    Repaint(window);
    EXPECT_EQ(500 - list.GetCountPerPage(), list.GetTopIndex());
    EXPECT_EQ(list.GetTopIndex(), list.VerticalBar()->GetScrollPos());
    EXPECT_STREQ(L"virtual 499", list.GetItemText(499, 0).GetString());
}

// ---- The skinned header -------------------------------------------------

// Height of "kg" in a cached font.
int TextHeight(const wchar_t* face, int points, int bold) {
    HFONT font = Tavrin::SkinFont(face, points, bold);
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, L"kg", 2, &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
    return size.cy;
}

int WindowHeight(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r.bottom - r.top;
}

class ListHeaderTest : public ListCtrlTest {
protected:
    HWND MakeSortableList(NeloListCtrl& list, int id) {
        HWND window = MakeList(list, id);
        list.InsertColumn(0, L"Name", LVCFMT_LEFT, 120, -1);
        list.InsertColumn(1, L"Size", LVCFMT_LEFT, 80, -1);
        AddRows(list, {{L"b", L"2"}, {L"a", L"10"}, {L"c", L"1"}});
        list.SetSortType(0, Tavrin::ListCtrlSortString);
        list.SetSortType(1, Tavrin::ListCtrlSortNumber);
        Repaint(window);
        return window;
    }
    static RECT HeaderItem(NeloListCtrl& list, int column) {
        RECT r{};
        Header_GetItemRect(list.GetHeaderCtrl()->GetSafeHwnd(), column, &r);
        return r;
    }
    // The header as the screen shows it with the pointer resting on the rows.
    Capture HeaderShot(NeloListCtrl& list) {
        const RECT row = RowOf(list, 2);
        MoveMouseTo(list.GetSafeHwnd(), POINT{250, row.bottom + 20});
        HWND header = list.GetHeaderCtrl()->GetSafeHwnd();
        Repaint(header);
        return Capture::Client(header);
    }
};

// The list's own header window is the skinned header, with the list's
// height: no system look left anywhere along it.
TEST_F(ListHeaderTest, TheSystemsHeaderIsSkinnedAndTakesItsHeight) {
    NeloListCtrl list;
    HWND window = MakeSortableList(list, 3201);
    HWND header = ListView_GetHeader(window);
    ASSERT_NE(nullptr, header);
    EXPECT_EQ(header, list.GetHeaderCtrl()->GetSafeHwnd());
    const int height = std::max(20, ArialTextHeight(L"kg") + 4);
    EXPECT_EQ(height, list.GetColumnHeight());
    EXPECT_EQ(height, WindowHeight(header));
    EXPECT_EQ(height, RowOf(list, 0).top) << "rows start under the header";

    Capture shot = HeaderShot(list);
    const RECT name = HeaderItem(list, 0);
    const RECT size = HeaderItem(list, 1);
    const int bottom = shot.Height() - 1;
    struct Pixel {
        const char* what;
        int x, y;
        COLORREF colour;
        int tolerance;
    } pixels[] = {
        {"item face, top", (name.left + name.right) / 2, 0, RGB(243, 243, 243), 4},
        {"item bottom line", (name.left + name.right) / 2, bottom, RGB(127, 157, 185), 0},
        {"separator", name.right - 1, height / 2, RGB(127, 157, 185), 0},
        {"second separator", size.right - 1, height / 2, RGB(127, 157, 185), 0},
        {"empty area, top", size.right + 10, 0, RGB(243, 243, 243), 4},
        {"empty area, near the bottom", size.right + 10, bottom - 1,
         quorvex_test::Mix(RGB(243, 243, 243), RGB(182, 208, 240), (bottom - 0.5) / height), 3},
        {"empty area, bottom line", shot.Width() - 1, bottom, RGB(127, 157, 185), 0},
    };
    for (const Pixel& p : pixels)
        EXPECT_COLOUR_NEAR(p.colour, shot.At(p.x, p.y), p.tolerance) << p.what;

    // Heights: refused outside 15..35, at least the text's height + 4.
    const int text = ArialTextHeight(L"kg") + 4;
    const struct {
        int requested;
        int result;
        int height;
    } heights[] = {
        {14, 0, height}, {36, 0, height}, {30, 1, 30}, {15, 1, std::max(15, text)}, {24, 1, 24},
    };
    for (const auto& h : heights) {
        SCOPED_TRACE(h.requested);
        EXPECT_EQ(h.result, list.SetColumnHeight(h.requested));
        Repaint(window);
        EXPECT_EQ(h.height, list.GetColumnHeight());
        EXPECT_EQ(h.height, WindowHeight(header));
        EXPECT_EQ(h.height, RowOf(list, 0).top);
    }
    EXPECT_EQ(3, list.GetItemCount());
    EXPECT_EQ(2, list.GetColumnCount()) << "the layout left no column behind";

    // A larger header font raises the header to its text.
    const int large = TextHeight(L"Arial", 16, 0) + 4;
    ASSERT_LE(large, 35);
    ASSERT_EQ(1, list.SetHeaderCtrlFont(L"Arial", 16, 0));
    Repaint(window);
    EXPECT_EQ(large, list.GetColumnHeight());
    EXPECT_EQ(0, list.SetHeaderCtrlFont(L"Arial", 0, 0));
}

// A short list gives its header at most half its client area; a list
// without a header shows none whatever it is asked.
TEST_F(ListHeaderTest, ColumnHeightLimits) {
    NeloListCtrl low;
    HWND window = CreateChild(WC_LISTVIEWW, L"", kList, 20, 20, 200, 56, 3202);
    ASSERT_TRUE(low.SubclassWindow(window));
    low.InsertColumn(0, L"Name", LVCFMT_LEFT, 120, -1);
    RECT client{};
    ::GetClientRect(window, &client);
    ASSERT_EQ(1, low.SetColumnHeight(35));
    Repaint(window);
    EXPECT_EQ(std::max<int>(std::min<int>(35, client.bottom / 2), ArialTextHeight(L"kg") + 4), low.GetColumnHeight());

    NeloListCtrl bare;
    HWND bareWindow = CreateChild(WC_LISTVIEWW, L"", kList | LVS_NOCOLUMNHEADER, 20, 100, 200, 100, 3203);
    ASSERT_TRUE(bare.SubclassWindow(bareWindow));
    bare.InsertColumn(0, L"Name", LVCFMT_LEFT, 120, -1);
    bare.CListCtrl::InsertItem(0, L"first");
    HWND header = ListView_GetHeader(bareWindow);
    const int native = header ? WindowHeight(header) : 0;
    bare.SetColumnHeight(30);
    Repaint(bareWindow);
    EXPECT_EQ(0, bare.GetColumnHeight());
    if (header)
        EXPECT_EQ(native, WindowHeight(header)) << "the hidden header keeps its own height";
    EXPECT_EQ(0, RowOf(bare, 0).top);
}

// The sort arrow follows header clicks; the switch hides it.
TEST_F(ListHeaderTest, SortArrowFollowsHeaderClicks) {
    NeloListCtrl list;
    MakeSortableList(list, 3204);
    Tavrin::NeloHeaderCtrl* header = list.GetHeaderCtrl();
    const COLORREF arrow = RGB(6, 45, 117);
    auto isArrow = [&](COLORREF c) { return c == arrow; };
    // Right of the text "Name" (3 pixels in) up to the item's separator.
    HFONT font = Tavrin::SkinFont(L"Arial", 10, 0);
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE text{};
    ::GetTextExtentPoint32W(dc, L"Name", 4, &text);
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
    const RECT name = HeaderItem(list, 0);
    const RECT beyondText{3 + text.cx + 2, 1, name.right - 1, name.bottom - 1};

    EXPECT_EQ(0, HeaderShot(list).Count(isArrow, beyondText)) << "no sort column yet";
    ClickHeader(list, 0);
    EXPECT_EQ(0, header->GetSortColumn());
    EXPECT_EQ(1, header->IsSortAscending());
    Capture up = HeaderShot(list);
    const RECT upBox = up.Bounds(isArrow, beyondText);
    ASSERT_FALSE(::IsRectEmpty(&upBox)) << "an arrow right of the text";
    const int upMiddle = (upBox.top + upBox.bottom) / 2;
    // Pointing up: wider at the bottom than at the top.
    EXPECT_LT(up.Count(isArrow, RECT{upBox.left, upBox.top, upBox.right, upMiddle}),
              up.Count(isArrow, RECT{upBox.left, upMiddle, upBox.right, upBox.bottom}));

    ClickHeader(list, 0);
    EXPECT_EQ(0, header->IsSortAscending());
    Capture down = HeaderShot(list);
    const RECT downBox = down.Bounds(isArrow, beyondText);
    ASSERT_FALSE(::IsRectEmpty(&downBox));
    const int downMiddle = (downBox.top + downBox.bottom) / 2;
    EXPECT_GT(down.Count(isArrow, RECT{downBox.left, downBox.top, downBox.right, downMiddle}),
              down.Count(isArrow, RECT{downBox.left, downMiddle, downBox.right, downBox.bottom}));

    ClickHeader(list, 1);
    EXPECT_EQ(1, header->GetSortColumn());
    EXPECT_EQ(1, header->IsSortAscending()) << "another column starts ascending";
    EXPECT_EQ(0, HeaderShot(list).Count(isArrow, beyondText)) << "the arrow left the first column";

    ASSERT_EQ(1, list.ShowSortSymbol(0));
    const RECT size = HeaderItem(list, 1);
    const RECT sizeBeyond{size.left + 3 + text.cx + 2, 1, size.right - 1, size.bottom - 1};
    EXPECT_EQ(0, HeaderShot(list).Count(isArrow, sizeBeyond)) << "switched off";
    ASSERT_EQ(1, list.ShowSortSymbol(1));
    EXPECT_GT(HeaderShot(list).Count(isArrow, sizeBeyond), 0);

    ASSERT_EQ(1, list.SetSortType(1, Tavrin::ListCtrlSortNone));
    EXPECT_EQ(-1, header->GetSortColumn()) << "no sort type, no sort column";
}

// The row-hover switch gives the header its hover look; the header block of
// the colour record reaches the header.
TEST_F(ListHeaderTest, HoverSwitchAndColoursReachTheHeader) {
    NeloListCtrl list;
    MakeSortableList(list, 3205);
    HWND header = list.GetHeaderCtrl()->GetSafeHwnd();
    const RECT size = HeaderItem(list, 1);
    const POINT over{(size.left + size.right) / 2, (size.top + size.bottom) / 2};
    const struct {
        int show, rowHover;
        int hot;
    } cases[] = {{1, 0, -1}, {0, 1, -1}, {1, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "ShowHoverEffect(" << c.show << ", " << c.rowHover << ")");
        ASSERT_EQ(1, list.ShowHoverEffect(c.show, c.rowHover));
        MoveMouseTo(list.GetSafeHwnd(), POINT{250, 150});
        MoveMouseTo(header, over);
        EXPECT_EQ(c.hot, list.GetHeaderCtrl()->GetHotItem());
        Repaint(header);
        const COLORREF line = Capture::Client(header).At(over.x, size.bottom - 1);
        EXPECT_COLOUR(c.hot == 1 ? RGB(254, 230, 158) : RGB(127, 157, 185), line) << "bottom line";
    }

    _ListCtrlColorInfo colours{};
    ASSERT_EQ(1, list.GetListCtrlColorInfo(colours));
    colours.HeaderColors.clrLine = RGB(200, 10, 10);
    ASSERT_EQ(1, list.SetListCtrlColorInfo(colours));
    Tavrin::_HeaderCtrlColorInfo read{};
    list.GetHeaderCtrl()->GetHeaderCtrlColorInfo(read);
    EXPECT_EQ(RGB(200, 10, 10), read.clrLine);
    Capture shot = HeaderShot(list);
    EXPECT_COLOUR(RGB(200, 10, 10), shot.At(shot.Width() - 1, shot.Height() - 1)) << "empty area's line";
    // And what the header was given directly comes back in the record.
    read.clrItemText = RGB(1, 2, 3);
    list.GetHeaderCtrl()->SetHeaderCtrlColorInfo(read);
    ASSERT_EQ(1, list.GetListCtrlColorInfo(colours));
    EXPECT_EQ(RGB(1, 2, 3), colours.HeaderColors.clrItemText);
}

} // namespace

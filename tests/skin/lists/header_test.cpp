// NeloHeaderCtrl on a list view's own header: the looks of items and the
// empty area at exact pixels (normal, hot, pressed, disabled), the sort
// arrow, columns that may not be resized (drag, divider double-click,
// cursor), a hidden column staying hidden, per-column settings following
// their columns, the fixed height, texts never written back, and no GDI
// leak over 1,000 repaints.
#include <Tavrin.h>

#include "support/host.h"
#include "support/colour_record.h"
#include "support/input.h"

#include <gtest/gtest.h>

#include "header_test_ids.h"

using quorvex_test::Capture;
using quorvex_test::CountGdi;
using quorvex_test::GdiCounts;
using quorvex_test::HostDialog;
using Tavrin::_HeaderCtrlColorInfo;
using Tavrin::NeloHeaderCtrl;

namespace {

CWinApp theTestApp(L"TavrinHeaderTest");

class HeaderHost : public HostDialog {
public:
    HeaderHost() : HostDialog(IDD_HEADER_HOST) {}
    CListCtrl list;
    NeloHeaderCtrl header;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        HostDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_HEADER_LIST, list);
        if (!header.GetSafeHwnd())
            header.SubclassWindow(ListView_GetHeader(list.GetSafeHwnd()));
    }
};

// Solid faces and distinct lines and texts per look.
struct ItemPixels {
    COLORREF face, bottom, text, arrow;
};
const ItemPixels kNormal{RGB(200, 210, 220), RGB(10, 20, 30), RGB(160, 0, 0), RGB(0, 0, 160)};
const ItemPixels kHot{RGB(190, 230, 190), RGB(40, 50, 60), RGB(0, 120, 0), RGB(0, 90, 90)};
const ItemPixels kPressed{RGB(230, 200, 180), RGB(70, 80, 90), RGB(0, 0, 170), RGB(90, 0, 90)};
const ItemPixels kDisabled{RGB(220, 220, 200), RGB(100, 110, 120), RGB(130, 0, 130), RGB(90, 90, 0)};

_HeaderCtrlColorInfo SolidColours() {
    _HeaderCtrlColorInfo c = NeloHeaderCtrl::DefaultColorInfo();
    c.clrItemFrom = c.clrItemTo = kNormal.face;
    c.clrItemHotFrom = c.clrItemHotTo = kHot.face;
    c.clrItemPressedFrom = c.clrItemPressedTo = kPressed.face;
    c.clrItemDisabledFrom = c.clrItemDisabledTo = kDisabled.face;
    c.clrLine = kNormal.bottom;
    c.clrLineHot = kHot.bottom;
    c.clrLinePressed = kPressed.bottom;
    c.clrLineDisabled = kDisabled.bottom;
    c.clrItemText = kNormal.text;
    c.clrItemTextHot = kHot.text;
    c.clrItemTextPressed = kPressed.text;
    c.clrItemTextDisabled = kDisabled.text;
    c.clrSortArrow = kNormal.arrow;
    c.clrSortArrowHot = kHot.arrow;
    c.clrSortArrowPressed = kPressed.arrow;
    c.clrSortArrowDisabled = kDisabled.arrow;
    return c;
}

auto Is(COLORREF colour) {
    return [colour](COLORREF c) { return c == colour; };
}

const quorvex_test::ColourEntry<_HeaderCtrlColorInfo> kHeaderColours[] = {
    {"clrItemFrom", &_HeaderCtrlColorInfo::clrItemFrom, RGB(243, 243, 243)},
    {"clrItemTo", &_HeaderCtrlColorInfo::clrItemTo, RGB(182, 208, 240)},
    {"clrItemPressedFrom", &_HeaderCtrlColorInfo::clrItemPressedFrom, RGB(0, 192, 232)},
    {"clrItemPressedTo", &_HeaderCtrlColorInfo::clrItemPressedTo, RGB(240, 240, 240)},
    {"clrItemHotFrom", &_HeaderCtrlColorInfo::clrItemHotFrom, RGB(240, 240, 240)},
    {"clrItemHotTo", &_HeaderCtrlColorInfo::clrItemHotTo, RGB(0, 192, 232)},
    {"clrItemDisabledFrom", &_HeaderCtrlColorInfo::clrItemDisabledFrom, RGB(245, 245, 245)},
    {"clrItemDisabledTo", &_HeaderCtrlColorInfo::clrItemDisabledTo, RGB(219, 217, 202)},
    {"clrLine", &_HeaderCtrlColorInfo::clrLine, RGB(127, 157, 185)},
    {"clrLinePressed", &_HeaderCtrlColorInfo::clrLinePressed, RGB(121, 180, 219)},
    {"clrLineHot", &_HeaderCtrlColorInfo::clrLineHot, RGB(254, 230, 158)},
    {"clrLineDisabled", &_HeaderCtrlColorInfo::clrLineDisabled, RGB(192, 188, 173)},
    {"clrItemText", &_HeaderCtrlColorInfo::clrItemText, RGB(6, 45, 117)},
    {"clrItemTextPressed", &_HeaderCtrlColorInfo::clrItemTextPressed, RGB(250, 250, 250)},
    {"clrItemTextHot", &_HeaderCtrlColorInfo::clrItemTextHot, RGB(250, 250, 250)},
    {"clrItemTextDisabled", &_HeaderCtrlColorInfo::clrItemTextDisabled, RGB(172, 168, 153)},
    {"clrSortArrow", &_HeaderCtrlColorInfo::clrSortArrow, RGB(6, 45, 117)},
    {"clrSortArrowPressed", &_HeaderCtrlColorInfo::clrSortArrowPressed, RGB(250, 250, 250)},
    {"clrSortArrowHot", &_HeaderCtrlColorInfo::clrSortArrowHot, RGB(250, 250, 250)},
    {"clrSortArrowDisabled", &_HeaderCtrlColorInfo::clrSortArrowDisabled, RGB(172, 168, 153)},
};

TEST(HeaderDefaults, ColoursAndState) {
    EXPECT_TRUE(quorvex_test::RecordHolds(NeloHeaderCtrl::DefaultColorInfo(), kHeaderColours));
    NeloHeaderCtrl fresh;
    _HeaderCtrlColorInfo read{};
    ASSERT_EQ(1, fresh.GetHeaderCtrlColorInfo(read));
    EXPECT_TRUE(quorvex_test::RecordHolds(read, kHeaderColours));
    EXPECT_EQ(-1, fresh.GetSortColumn());
    EXPECT_EQ(0, fresh.IsSortAscending());
    EXPECT_EQ(20, fresh.GetHeaderHeight());
    EXPECT_EQ(-1, fresh.GetHotItem());
    EXPECT_EQ(-1, fresh.GetPressedItem());
    EXPECT_EQ(0, fresh.SetFont(L"Arial", 0, 0));
    EXPECT_EQ(0, fresh.SetFont(L"Arial", 101, 0));
    EXPECT_EQ(1, fresh.SetFont(L"Arial", 100, 0));
    EXPECT_EQ(0, fresh.Invalidate(0)) << "no window yet";
}

class HeaderTest : public quorvex_test::HostTest<HeaderHost> {
protected:
    void SetUp() override {
        quorvex_test::HostTest<HeaderHost>::SetUp();
        list = host->list.GetSafeHwnd();
        header = host->header.GetSafeHwnd();
        ASSERT_NE(nullptr, header);
        while (Header_GetItemCount(header) > 0)
            ListView_DeleteColumn(list, 0);
        const wchar_t* names[] = {L"Name", L"Duration", L"Percent"};
        const int widths[] = {100, 80, 60};
        for (int i = 0; i < 3; ++i) {
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.pszText = const_cast<wchar_t*>(names[i]);
            column.cx = widths[i];
            ListView_InsertColumn(list, i, &column);
        }
        host->header.FixItemWidth(0);
        host->header.SetSortColumn(-1, 0);
        host->header.ShowSortSymbol(1);
        ASSERT_EQ(1, host->header.SetHeaderCtrlColorInfo(SolidColours()));
        ::EnableWindow(header, TRUE);
        Repaint(Host());
    }

    int Width(int column) { return ListView_GetColumnWidth(list, column); }
    RECT ItemRect(int item) {
        RECT r{};
        Header_GetItemRect(header, item, &r);
        return r;
    }
    POINT ScreenPoint(int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(header, &p);
        return p;
    }
    // Drags the divider right of a column by 'by' pixels.
    void DragDivider(int column, int by) {
        const RECT r = ItemRect(column);
        const POINT from = ScreenPoint(r.right, (r.bottom - r.top) / 2);
        quorvex_test::LeftDrag(from, {POINT{from.x + by / 2, from.y}, POINT{from.x + by, from.y}});
        Pump();
        ::SetCursorPos(RestingPointer().x, RestingPointer().y);
        Pump();
    }
    void DoubleClickDivider(int column) {
        const RECT r = ItemRect(column);
        const POINT at = ScreenPoint(r.right, (r.bottom - r.top) / 2);
        quorvex_test::LeftClick(at);
        quorvex_test::LeftClick(at);
        Pump();
        ::SetCursorPos(RestingPointer().x, RestingPointer().y);
        Pump();
    }

    HWND list = nullptr;
    HWND header = nullptr;
};

TEST_F(HeaderTest, ItemsAndTheEmptyAreaInEveryLook) {
    RECT client{};
    ::GetClientRect(header, &client);
    const int h = client.bottom;
    struct Case {
        const char* name;
        std::function<void()> enter;
        ItemPixels first, second, third; // the looks of the three items
        COLORREF separator;              // right column of every item
        ItemPixels empty;
    };
    const Case cases[] = {
        {"normal", [] {}, kNormal, kNormal, kNormal, kNormal.bottom, kNormal},
        {"the second item hot",
         [&] {
             const POINT p = ScreenPoint(140, h / 2);
             ::SetCursorPos(p.x, p.y);
             Pump();
             ::PostMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(140, h / 2));
         },
         kNormal, kHot, kNormal, kNormal.bottom, kNormal},
        {"the third item pressed",
         [&] { ::SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, h / 2)); }, kNormal,
         kNormal, kPressed, kNormal.bottom, kNormal},
        {"disabled", [&] { ::EnableWindow(header, FALSE); }, kDisabled, kDisabled, kDisabled,
         kDisabled.bottom, kDisabled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.enter();
        Pump();
        // The normal look is read after the host was covered and uncovered,
        // the way the system repaints a dialog the user brings back.
        if (c.first.face == kNormal.face && c.second.face == kNormal.face && c.third.face == kNormal.face)
            CoverAndUncover();
        else
            Repaint(header);
        EXPECT_EQ(c.second.face == kHot.face ? 1 : -1, host->header.GetHotItem());
        const Capture shot = Capture::Client(header);
        const ItemPixels items[] = {c.first, c.second, c.third};
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            const RECT r = ItemRect(i);
            EXPECT_COLOUR(items[i].face, shot.At(r.left + 1, 2));
            EXPECT_COLOUR(items[i].bottom, shot.At(r.left + 5, h - 1));
            EXPECT_COLOUR(c.separator, shot.At(r.right - 1, h / 2));
            EXPECT_GT(shot.Count(Is(items[i].text), RECT{r.left, 0, r.right, h}), 5) << "the text's colour";
        }
        EXPECT_COLOUR(c.empty.face, shot.At(280, 2));
        EXPECT_COLOUR(c.empty.bottom, shot.At(280, h - 1));
        ::SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(200, h / 2));
        ::SetCursorPos(RestingPointer().x, RestingPointer().y);
        ::PostMessageW(header, WM_MOUSELEAVE, 0, 0);
        ::EnableWindow(header, TRUE);
        Pump();
    }
}

TEST_F(HeaderTest, SortArrowOnTheSortColumnOnlyPointingTheSortWay) {
    RECT client{};
    ::GetClientRect(header, &client);
    struct Case {
        const char* name;
        int column, ascending, symbol;
        bool pointsUp;
    };
    const Case cases[] = {{"ascending", 1, 1, 1, true},
                          {"descending", 1, 0, 1, false},
                          {"on the first column", 0, 1, 1, true},
                          {"switched off", 1, 1, 0, false},
                          {"no sort column", -1, 1, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(1, host->header.SetSortColumn(c.column, c.ascending));
        ASSERT_EQ(1, host->header.ShowSortSymbol(c.symbol));
        Repaint(header);
        const Capture shot = Capture::Client(header);
        const bool drawn = c.column >= 0 && c.symbol;
        for (int i = 0; i < 3; ++i) {
            const RECT r = ItemRect(i);
            const RECT in{r.left, 0, r.right, client.bottom};
            EXPECT_EQ(drawn && i == c.column, shot.Count(Is(kNormal.arrow), in) > 0) << "item " << i;
        }
        if (!drawn)
            continue;
        const RECT box = shot.Bounds(Is(kNormal.arrow));
        auto rowWidth = [&](int y) {
            return shot.Count(Is(kNormal.arrow), RECT{box.left, y, box.right, y + 1});
        };
        // An arrow pointing up is narrow at its top and wide at its base.
        EXPECT_EQ(c.pointsUp, rowWidth(box.top) < rowWidth(box.bottom - 1));
        EXPECT_NE(rowWidth(box.top), rowWidth(box.bottom - 1));
    }
}

TEST_F(HeaderTest, ColumnsThatMayNotBeResizedRefuseDragDoubleClickAndTheResizeCursor) {
    struct Case {
        const char* name;
        int fixAll;
        std::vector<int> fixedColumns;
        std::vector<bool> resizable; // per column, after the settings
    };
    const Case cases[] = {
        {"everything free", 0, {}, {true, true, true}},
        {"all widths fixed", 1, {}, {false, false, false}},
        {"only the first column fixed", 0, {0}, {false, true, true}},
        {"only the second column fixed", 0, {1}, {true, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(1, host->header.FixItemWidth(c.fixAll));
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(1, host->header.SetColumnResizable(i, 1));
        for (int column : c.fixedColumns)
            ASSERT_EQ(1, host->header.SetColumnResizable(column, 0));
        for (int i = 0; i < 2; ++i) {
            SCOPED_TRACE(i);
            const int before = Width(i);
            DragDivider(i, 30);
            const int dragged = Width(i);
            EXPECT_EQ(c.resizable[i], dragged != before) << before << " -> " << dragged;
            DoubleClickDivider(i);
            // Sized to its content, a free column changes from a width set
            // by hand; a fixed one keeps it.
            EXPECT_EQ(c.resizable[i], Width(i) != dragged);

            const RECT r = ItemRect(i);
            const POINT over = ScreenPoint(r.right, 5);
            ::SetCursorPos(over.x, over.y);
            ::SendMessageW(header, WM_SETCURSOR, reinterpret_cast<WPARAM>(header),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(!c.resizable[i], ::GetCursor() == ::LoadCursorW(nullptr, IDC_ARROW));
            ::SetCursorPos(RestingPointer().x, RestingPointer().y);
            ListView_SetColumnWidth(list, i, 100 - 20 * i);
            Pump();
        }
    }
}

TEST_F(HeaderTest, AHiddenColumnStaysHidden) {
    ListView_SetColumnWidth(list, 1, 0);
    ASSERT_EQ(1, host->header.SetColumnResizable(1, 0));
    Pump();
    DragDivider(1, 40);
    EXPECT_EQ(0, Width(1)) << "dragged from its divider";
    DoubleClickDivider(1);
    EXPECT_EQ(0, Width(1)) << "a double click on its divider";
    EXPECT_EQ(100, Width(0));
}

TEST_F(HeaderTest, PerColumnSettingsFollowTheirColumns) {
    ASSERT_EQ(1, host->header.SetColumnResizable(1, 0));
    EXPECT_EQ(0, host->header.SetColumnResizable(3, 0)) << "no such column";
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(L"New");
    column.cx = 50;
    ListView_InsertColumn(list, 0, &column);
    EXPECT_EQ(1, host->header.IsColumnResizable(0));
    EXPECT_EQ(1, host->header.IsColumnResizable(1));
    EXPECT_EQ(0, host->header.IsColumnResizable(2)) << "Duration moved to 2";
    ListView_DeleteColumn(list, 1);
    EXPECT_EQ(0, host->header.IsColumnResizable(1)) << "Duration back at 1";
    EXPECT_EQ(1, host->header.IsColumnResizable(2));
}

TEST_F(HeaderTest, HeightAppliesOnlyWhileTheListShowsItsHeader) {
    RECT r{};
    ::GetWindowRect(header, &r);
    const int native = r.bottom - r.top;
    ASSERT_EQ(1, host->header.SetHeaderHeight(native + 10));
    ::SetWindowPos(list, nullptr, 0, 0, 451, 151, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    ::GetWindowRect(header, &r);
    EXPECT_EQ(native, r.bottom - r.top) << "not shown: the native height";
    ASSERT_EQ(1, host->header.ShowHeader(1));
    ::SetWindowPos(list, nullptr, 0, 0, 450, 150, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    ::GetWindowRect(header, &r);
    EXPECT_EQ(native + 10, r.bottom - r.top);
    EXPECT_EQ(native + 10, host->header.GetHeaderHeight());
    host->header.ShowHeader(0);
    ::SetWindowPos(list, nullptr, 0, 0, 451, 150, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
}

TEST_F(HeaderTest, ALongTextIsCutOnScreenButNeverInTheHeader) {
    const wchar_t* longText = L"A very long column title that cannot fit";
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = const_cast<wchar_t*>(longText);
    ASSERT_TRUE(Header_SetItem(header, 2, &item));
    Repaint(header);
    wchar_t read[80] = {};
    item.pszText = read;
    item.cchTextMax = 80;
    ASSERT_TRUE(Header_GetItem(header, 2, &item));
    EXPECT_STREQ(longText, read);
    // Drawn inside its item only.
    const RECT r = ItemRect(2);
    const Capture shot = Capture::Client(header);
    EXPECT_GT(shot.Count(Is(kNormal.text), RECT{r.left, 0, r.right, r.bottom}), 5);
    EXPECT_EQ(0, shot.Count(Is(kNormal.text), RECT{r.right, 0, shot.Width(), r.bottom}));
}

TEST_F(HeaderTest, ItemImagesNeedAnImageListAndAValidIndex) {
    EXPECT_EQ(0, host->header.SetItemImage(0, 0)) << "no image list yet";
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 16);
    ::ReleaseDC(nullptr, screen);
    ImageList_Add(images, bitmap, nullptr);
    Header_SetImageList(header, images);
    EXPECT_EQ(1, host->header.SetItemImage(0, 0));
    EXPECT_EQ(0, host->header.SetItemImage(0, 1)) << "past the last image";
    EXPECT_EQ(0, host->header.SetItemImage(3, 0)) << "no such item";
    EXPECT_EQ(1, host->header.SetItemImage(1, -5)) << "a negative image takes the image away";
    HDITEMW item{};
    item.mask = HDI_IMAGE;
    item.iImage = 7;
    ASSERT_TRUE(Header_GetItem(header, 0, &item));
    EXPECT_EQ(0, item.iImage);
    Header_SetImageList(header, nullptr);
    ImageList_Destroy(images);
    ::DeleteObject(bitmap);
}

TEST_F(HeaderTest, NoLeakOverAThousandRepaints) {
    host->header.SetSortColumn(0, 1);
    for (bool disabled : {false, true}) {
        ::EnableWindow(header, !disabled);
        ::RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        Pump();
        const GdiCounts before = CountGdi();
        for (int i = 0; i < 1000; ++i) {
            AfxLockTempMaps();
            ::RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            AfxUnlockTempMaps();
        }
        Pump();
        const GdiCounts after = CountGdi();
        EXPECT_EQ(before.wrappers, after.wrappers);
        EXPECT_EQ(before.handles, after.handles);
    }
    ::EnableWindow(header, TRUE);
}

} // namespace

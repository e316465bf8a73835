// The rules of the report list and the list box as tables: row looks, cell
// text and image places, text formats, frame insets, the corner square and
// the bars' places, row and header heights, the order of sorted cells and
// the per-column settings that follow their columns. No window, no screen.
#include "ListViewGeometry.h"

#include <commctrl.h>

#include "support/rects.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Tavrin::geometry;

namespace {

TEST(ListRows, LookOfEachRowState) {
    struct Case {
        const char* name;
        RowState state;
        RowLook look;
    };
    //                                       enabled selected hot  rowHover stripes down  index
    const Case cases[] = {
        {"plain row", {true, false, false, true, false, false, 2}, RowLook::Plain},
        {"selected row", {true, true, false, true, false, false, 2}, RowLook::Selected},
        {"selected wins over hot", {true, true, true, true, false, false, 2}, RowLook::Selected},
        {"selected with stripes", {true, true, false, true, true, false, 3}, RowLook::Selected},
        {"hot row", {true, false, true, true, false, false, 2}, RowLook::Hot},
        {"hot without row hover", {true, false, true, false, false, false, 2}, RowLook::Plain},
        {"hot odd row keeps its stripe", {true, false, true, true, true, false, 3}, RowLook::Stripe},
        {"hot even row keeps its plain stripe", {true, false, true, true, true, false, 4}, RowLook::Plain},
        {"odd striped row", {true, false, false, true, true, false, 1}, RowLook::Stripe},
        {"even striped row", {true, false, false, true, true, false, 0}, RowLook::Plain},
        {"held button hides the hot look", {true, false, true, true, false, true, 2}, RowLook::Plain},
        {"disabled", {false, false, false, true, false, false, 1}, RowLook::Disabled},
        {"disabled wins over selected", {false, true, true, true, false, false, 1}, RowLook::Disabled},
        {"disabled odd striped", {false, false, false, true, true, false, 1}, RowLook::DisabledStripe},
        {"disabled even striped", {false, true, false, true, true, false, 2}, RowLook::Disabled},
    };
    for (const Case& c : cases)
        EXPECT_EQ(static_cast<int>(c.look), static_cast<int>(ResolveRowLook(c.state))) << c.name;
}

TEST(ListRows, SplitLineAndGradientBox) {
    EXPECT_TRUE(RowShowsSplitLine(true, false));
    EXPECT_FALSE(RowShowsSplitLine(true, true)) << "stripes suppress split lines";
    EXPECT_FALSE(RowShowsSplitLine(false, false));
    EXPECT_RECT((RECT{0, 39, 300, 40}), RowSplitLine(RECT{0, 20, 300, 40}));
    EXPECT_RECT((RECT{0, 19, 300, 41}), RowGradientBox(RECT{0, 20, 300, 40}));
}

TEST(ListCells, TextRectangleImageAndFormat) {
    EXPECT_RECT((RECT{102, 21, 178, 38}), CellTextRect(RECT{100, 20, 180, 40}, false, 16));
    EXPECT_RECT((RECT{4, 21, 98, 38}), CellTextRect(RECT{20, 20, 100, 40}, true, 16))
        << "the first column takes back the icon part";
    EXPECT_RECT((RECT{20, 21, 98, 38}), CellTextRect(RECT{20, 20, 100, 40}, true, 0));

    struct ImageCase {
        const char* name;
        RECT text;
        SIZE image;
        RECT placed;
        LONG textLeft;
    };
    const ImageCase images[] = {
        {"centred in a taller row", {10, 21, 100, 41}, {16, 16}, {10, 23, 26, 39}, 28},
        {"cut to the row's height", {10, 21, 100, 38}, {16, 24}, {10, 21, 26, 38}, 28},
        {"text never passes the right edge", {10, 21, 20, 38}, {16, 16}, {10, 21, 26, 37}, 20},
    };
    for (const ImageCase& c : images) {
        SCOPED_TRACE(c.name);
        const CellImage placed = PlaceCellImage(c.text, c.image);
        EXPECT_RECT(c.placed, placed.image);
        EXPECT_EQ(c.textLeft, placed.text.left);
        EXPECT_EQ(c.text.right, placed.text.right);
    }

    struct FormatCase {
        int alignment, columnFormat;
        unsigned format;
    };
    const unsigned base = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    const FormatCase formats[] = {
        {1, LVCFMT_LEFT, base | DT_VCENTER},
        {0, LVCFMT_RIGHT, base | DT_TOP | DT_RIGHT},
        {2, LVCFMT_CENTER, base | DT_BOTTOM | DT_CENTER},
        {1, LVCFMT_LEFT | LVCFMT_IMAGE, base | DT_VCENTER},
    };
    for (const FormatCase& c : formats) {
        const unsigned format = CellTextFormat(c.alignment, c.columnFormat);
        EXPECT_EQ(c.format, format) << "alignment " << c.alignment << ", column format " << c.columnFormat;
        EXPECT_EQ(0u, format & DT_MODIFYSTRING) << "the stored text is never written to";
    }
}

TEST(ListFrame, InsetsCornerSquareAndBarPlaces) {
    EXPECT_EQ(18, ListScrollBarThickness(17, 17));
    EXPECT_EQ(20, ListScrollBarThickness(20, 19));
    EXPECT_EQ(21, ListScrollBarThickness(16, 21));

    const RECT client{2, 2, 198, 148};
    EXPECT_RECT((RECT{3, 3, 197, 147}), ListClientInsets(client, false, false, 17, 17, 18));
    EXPECT_RECT((RECT{3, 3, 197, 145}), ListClientInsets(client, true, false, 17, 17, 18));
    EXPECT_RECT((RECT{3, 3, 195, 147}), ListClientInsets(client, false, true, 17, 17, 18));
    EXPECT_RECT((RECT{3, 3, 196, 146}), ListClientInsets(client, true, true, 18, 18, 18));

    EXPECT_RECT((RECT{181, 131, 199, 149}), ListSizeBox(200, 150, 18, false));
    EXPECT_RECT((RECT{180, 130, 198, 148}), ListSizeBox(200, 150, 18, true));
    EXPECT_RECT((RECT{179, 129, 198, 148}), ListSizeBoxGradient(RECT{180, 130, 198, 148}));

    struct BarCase {
        const char* name;
        bool horz, vert;
        BarVariant variant;
        RECT horzBar, vertBar;
    };
    const RECT none{0, 0, 0, 0};
    const BarCase bars[] = {
        {"horizontal only", true, false, BarVariant::ListView, {2, 130, 180, 149}, none},
        {"vertical only", false, true, BarVariant::ListView, none, {180, 2, 199, 130}},
        {"both, list view", true, true, BarVariant::ListView, {2, 130, 181, 149}, {180, 2, 199, 131}},
        {"both, list box", true, true, BarVariant::ListBox, {2, 130, 181, 148}, {180, 2, 199, 131}},
        {"vertical only, list box", false, true, BarVariant::ListBox, none, {180, 2, 199, 130}},
    };
    for (const BarCase& c : bars) {
        SCOPED_TRACE(c.name);
        const ScrollBarPlaces places = PlaceListScrollBars(RECT{2, 2, 180, 130}, 18, c.horz, c.vert, c.variant);
        EXPECT_EQ(c.horz, places.horz);
        EXPECT_EQ(c.vert, places.vert);
        if (c.horz)
            EXPECT_RECT(c.horzBar, places.horzBar);
        if (c.vert)
            EXPECT_RECT(c.vertBar, places.vertBar);
    }
}

TEST(ListHeights, RowItemAndHeaderHeights) {
    struct Case {
        const char* name;
        int (*rule)(int, int);
        int requested, textHeight, height;
    };
    const Case cases[] = {
        {"row: 14 is refused", &ListRowHeight, 14, 10, 0},
        {"row: 36 is refused", &ListRowHeight, 36, 10, 0},
        {"row: 15 with a 12-pixel font", &ListRowHeight, 15, 12, 16},
        {"row: the request when larger", &ListRowHeight, 30, 16, 30},
        {"row: 35 with a tall font", &ListRowHeight, 35, 40, 44},
        {"item: 14 is refused", &ListBoxItemHeight, 14, 10, 0},
        {"item: 36 is refused", &ListBoxItemHeight, 36, 10, 0},
        {"item: 20 with a large font", &ListBoxItemHeight, 20, 25, 29},
        {"item: 15 with a small font", &ListBoxItemHeight, 15, 8, 15},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.height, c.rule(c.requested, c.textHeight)) << c.name;

    EXPECT_EQ(0, ListHeaderHeight(14, 200, 16));
    EXPECT_EQ(0, ListHeaderHeight(36, 200, 16));
    EXPECT_EQ(25, ListHeaderHeight(25, 200, 16));
    EXPECT_EQ(20, ListHeaderHeight(30, 40, 14)) << "at most half the client height";
    EXPECT_EQ(20, ListHeaderHeight(15, 200, 16)) << "at least the text height + 4";
}

TEST(ListSorting, CellOrderByType) {
    struct Case {
        const wchar_t *a, *b;
        int type;
        bool ascending;
        int order;
    };
    const Case cases[] = {
        {L"abc", L"abd", SortText, true, -1},
        {L"abc", L"abd", SortText, false, 1},
        {L"B", L"a", SortText, true, -1}, // code unit order: upper case first
        {L"same", L"same", SortText, true, 0},
        {L"10", L"9", SortText, true, -1},
        {L"10", L"9", SortNumeric, true, 1},
        {L"10", L"9", SortNumeric, false, -1},
        {L"2.5%", L"10.0%", SortNumeric, true, -1},
        {L"abc", L"0", SortNumeric, true, 0}, // no number counts as 0
        {L"-3", L"", SortNumeric, true, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.order, CompareCells(c.a, c.b, c.type, c.ascending))
            << "type " << c.type << (c.ascending ? " ascending" : " descending");
}

TEST(ListSorting, ColumnSettingsFollowTheirColumns) {
    ColumnSettings columns;
    for (int i = 0; i < 3; ++i)
        columns.Insert(i);
    ASSERT_TRUE(columns.SetSortType(0, SortNumeric));
    ASSERT_TRUE(columns.SetSortType(1, SortText));
    ASSERT_TRUE(columns.SetFixedWidth(2, true));
    auto types = [&] {
        std::vector<int> t;
        for (int i = 0; i < columns.Count(); ++i)
            t.push_back(columns.SortType(i) * 10 + (columns.FixedWidth(i) ? 1 : 0));
        return t;
    };
    EXPECT_EQ((std::vector<int>{10, 20, 1}), types());
    columns.Insert(1); // a new column in the middle: the others move right
    EXPECT_EQ((std::vector<int>{10, 0, 20, 1}), types());
    EXPECT_TRUE(columns.Remove(0)); // the first goes: the others move left
    EXPECT_EQ((std::vector<int>{0, 20, 1}), types());
    columns.Insert(99); // past the end: appended, as the list view does
    EXPECT_EQ((std::vector<int>{0, 20, 1, 0}), types());
    EXPECT_FALSE(columns.Remove(4));
    EXPECT_FALSE(columns.SetSortType(-1, SortText));
    EXPECT_EQ(SortNone, columns.SortType(7));
    EXPECT_FALSE(columns.FixedWidth(-1));
}

} // namespace

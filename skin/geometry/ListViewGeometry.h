// Layout and order rules of the report list and the list box: which look a
// row is drawn in, where a cell's image and text go, the frame insets and
// bands around the client area, row and header heights, and the order of
// two cells when a column is sorted. The per-column settings of a list
// (sort type, fixed width) live here too, so that they follow their columns
// when columns are inserted or deleted.
#pragma once

#include "GeometryShapes.h"

#include <vector>

namespace Tavrin {
namespace geometry {

// ---- Rows --------------------------------------------------------------

// The look of one row. Stripes alternate even (plain) and odd (striped)
// rows; the hot look is drawn only without stripes.
enum class RowLook { Plain, Stripe, Selected, Hot, Disabled, DisabledStripe };

struct RowState {
    bool enabled;
    bool selected;
    bool hot;        // the row is the hot item
    bool rowHover;   // the row-hover switch
    bool stripes;    // the stripe switch
    bool buttonDown; // the left button is held (the list box shows no hot row then)
    int index;       // the row's item index
};
RowLook ResolveRowLook(const RowState& state);

// Split lines are drawn only while stripes are off.
bool RowShowsSplitLine(bool splitLineSwitch, bool stripes);
// The one-pixel line at the row's last pixel row.
RECT RowSplitLine(const RECT& row);
// Box of a row's vertical gradient: the row grown by one pixel at the top
// and bottom, so that its first and last pixel rows are not the pure end
// colours.
RECT RowGradientBox(const RECT& row);

// ---- Cells of the report list -----------------------------------------

// The text rectangle of a cell from its label rectangle (LVIR_LABEL). The
// first column gets back the icon part the list keeps left of its label.
RECT CellTextRect(const RECT& label, bool firstColumn, int iconWidth);

struct CellImage {
    RECT image; // where the image is drawn (clipped to itself)
    RECT text;  // what is left for the text
};
// An image at the text rectangle's left, its height cut to the rectangle's,
// vertically centred; the text starts two pixels past it, never beyond the
// rectangle's right edge.
CellImage PlaceCellImage(const RECT& text, SIZE imageSize);

// ListCtrlTextAlignmentStyle: 0 top, 1 vertical centre, 2 bottom.
// The stored cell text is never modified: the ellipsis is only drawn.
unsigned CellTextFormat(int alignment, int columnFormat);

// ---- Frame, bands and scroll-bar places ---------------------------------

// 18, or the system scroll-bar size when that is larger.
int ListScrollBarThickness(int systemCx, int systemCy);

// The client rectangle after the default computation, given back the native
// bars' room and taking the skinned bars' thickness + 2 instead; one pixel of
// frame on each side without a bar.
RECT ListClientInsets(const RECT& defaultClient, bool hasHorz, bool hasVert, int systemCx, int systemCy,
                      int thickness);

// The corner square between two bars in window coordinates (origin 0,0),
// moved up and left by one pixel with a one-pixel border.
RECT ListSizeBox(int windowWidth, int windowHeight, int thickness, bool border);
// Its gradient box, starting one pixel further up and left.
RECT ListSizeBoxGradient(const RECT& sizeBox);

// Where the skinned bars lie, in window coordinates, for a client rectangle
// in window coordinates. The list box's horizontal bar ends one pixel
// higher when both bars are shown.
struct ScrollBarPlaces {
    bool horz;
    bool vert;
    RECT horzBar;
    RECT vertBar;
};
enum class BarVariant { ListView, ListBox };
ScrollBarPlaces PlaceListScrollBars(const RECT& client, int thickness, bool hasHorz, bool hasVert,
                                    BarVariant variant);

// ---- Heights -----------------------------------------------------------

// A report list's row height for a request and the height of "gk" in its
// font: 0 (refused) below 15 or above 35, else the larger of the request
// and the text height + 4.
int ListRowHeight(int requested, int textHeight);
// A list box item's height: 0 unless 15..35, else the larger of the request
// and the text height + 4.
int ListBoxItemHeight(int requested, int textHeight);
// A header's height: 0 (refused) below 15 or above 35; else the request, at
// most half the list's client height, at least the text height + 4.
int ListHeaderHeight(int requested, int clientHeight, int textHeight);

// ---- Sorting -----------------------------------------------------------

// ListCtrlSortType: 0 none, 1 numeric, 2 text.
enum : int { SortNone = 0, SortNumeric = 1, SortText = 2 };

// Order of two cell texts: text columns compare code unit by code unit,
// numeric columns by their leading number (text that is no number counts
// as 0). 1 when a sorts after b, -1 before, 0 equal; descending reverses.
int CompareCells(const wchar_t* a, const wchar_t* b, int sortType, bool ascending);

// Per-column settings that move with their columns: inserting a column at
// an index shifts the columns after it, deleting one drops its settings.
struct ColumnSetting {
    int sortType = SortNone;
    bool fixedWidth = false;
};

class ColumnSettings {
public:
    // A new column at 'index' (appended when past the end) with defaults.
    void Insert(int index);
    // Drops the column's settings; false for an index out of range.
    bool Remove(int index);
    void Clear() { m_columns.clear(); }
    int Count() const { return static_cast<int>(m_columns.size()); }

    bool SetSortType(int column, int type);
    // SortNone for a column out of range.
    int SortType(int column) const;
    bool SetFixedWidth(int column, bool fixed);
    bool FixedWidth(int column) const;

private:
    std::vector<ColumnSetting> m_columns;
};

} // namespace geometry
} // namespace Tavrin

#include "ListViewGeometry.h"

#include <algorithm>
#include <cwchar>

namespace Tavrin {
namespace geometry {

RowLook ResolveRowLook(const RowState& s) {
    const bool odd = (s.index % 2) != 0;
    if (!s.enabled)
        return s.stripes && odd ? RowLook::DisabledStripe : RowLook::Disabled;
    if (s.selected)
        return RowLook::Selected;
    if (s.stripes)
        return odd ? RowLook::Stripe : RowLook::Plain;
    if (s.hot && s.rowHover && !s.buttonDown)
        return RowLook::Hot;
    return RowLook::Plain;
}

bool RowShowsSplitLine(bool splitLineSwitch, bool stripes) {
    return splitLineSwitch && !stripes;
}

RECT RowSplitLine(const RECT& row) {
    return RECT{row.left, row.bottom - 1, row.right, row.bottom};
}

RECT RowGradientBox(const RECT& row) {
    return RECT{row.left, row.top - 1, row.right, row.bottom + 1};
}

RECT CellTextRect(const RECT& label, bool firstColumn, int iconWidth) {
    const int left = firstColumn ? label.left - iconWidth : label.left + 2;
    return RECT{left, label.top + 1, label.right - 2, label.bottom - 2};
}

CellImage PlaceCellImage(const RECT& text, SIZE imageSize) {
    const int height = std::max(0, static_cast<int>(std::min<LONG>(imageSize.cy, Height(text))));
    const int width = std::max(0, static_cast<int>(imageSize.cx));
    const int top = text.top + (Height(text) - height) / 2;
    CellImage placed{};
    placed.image = RECT{text.left, top, text.left + width, top + height};
    placed.text = text;
    placed.text.left = std::min<LONG>(text.left + width + 2, text.right);
    return placed;
}

unsigned CellTextFormat(int alignment, int columnFormat) {
    unsigned format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    switch (alignment) {
    case 0:
        format |= DT_TOP;
        break;
    case 2:
        format |= DT_BOTTOM;
        break;
    default:
        format |= DT_VCENTER;
        break;
    }
    // LVCFMT_RIGHT and LVCFMT_CENTER share the justify mask; right wins as
    // the list view itself decides.
    switch (columnFormat & 3) {
    case 1: // LVCFMT_RIGHT
        format |= DT_RIGHT;
        break;
    case 2: // LVCFMT_CENTER
        format |= DT_CENTER;
        break;
    default:
        break;
    }
    return format;
}

int ListScrollBarThickness(int systemCx, int systemCy) {
    return std::max(18, std::max(systemCx, systemCy));
}

RECT ListClientInsets(const RECT& c, bool hasHorz, bool hasVert, int systemCx, int systemCy, int thickness) {
    RECT r = c;
    r.bottom = hasHorz ? r.bottom + systemCy - thickness - 2 : r.bottom - 1;
    r.right = hasVert ? r.right + systemCx - thickness - 2 : r.right - 1;
    r.left += 1;
    r.top += 1;
    return r;
}

RECT ListSizeBox(int windowWidth, int windowHeight, int thickness, bool border) {
    RECT box{windowWidth - thickness - 1, windowHeight - thickness - 1, windowWidth - 1, windowHeight - 1};
    if (border)
        ::OffsetRect(&box, -1, -1);
    return box;
}

RECT ListSizeBoxGradient(const RECT& sizeBox) {
    return RECT{sizeBox.left - 1, sizeBox.top - 1, sizeBox.right, sizeBox.bottom};
}

ScrollBarPlaces PlaceListScrollBars(const RECT& client, int thickness, bool hasHorz, bool hasVert,
                                    BarVariant variant) {
    const bool both = hasHorz && hasVert;
    ScrollBarPlaces places{};
    places.horz = hasHorz;
    places.vert = hasVert;
    if (hasHorz) {
        places.horzBar = RECT{client.left, client.bottom, client.right + (both ? 1 : 0),
                              client.bottom + thickness + 1};
        if (both && variant == BarVariant::ListBox)
            places.horzBar.bottom -= 1;
    }
    if (hasVert)
        places.vertBar = RECT{client.right, client.top, client.right + thickness + 1,
                              client.bottom + (both ? 1 : 0)};
    return places;
}

int ListRowHeight(int requested, int textHeight) {
    if (requested <= 14 || requested > 35)
        return 0;
    return std::max(requested, textHeight + 4);
}

int ListBoxItemHeight(int requested, int textHeight) {
    if (requested < 15 || requested > 35)
        return 0;
    return std::max(requested, textHeight + 4);
}

int ListHeaderHeight(int requested, int clientHeight, int textHeight) {
    if (requested <= 14 || requested > 35)
        return 0;
    return std::max(std::min(requested, clientHeight / 2), textHeight + 4);
}

int CompareCells(const wchar_t* a, const wchar_t* b, int sortType, bool ascending) {
    a = a ? a : L"";
    b = b ? b : L"";
    int order = 0;
    if (sortType == SortNumeric) {
        const double x = std::wcstod(a, nullptr), y = std::wcstod(b, nullptr);
        order = x > y ? 1 : (x < y ? -1 : 0);
    } else {
        const int c = std::wcscmp(a, b);
        order = c > 0 ? 1 : (c < 0 ? -1 : 0);
    }
    return ascending ? order : -order;
}

void ColumnSettings::Insert(int index) {
    if (index < 0 || index > Count())
        index = Count();
    m_columns.insert(m_columns.begin() + index, ColumnSetting{});
}

bool ColumnSettings::Remove(int index) {
    if (index < 0 || index >= Count())
        return false;
    m_columns.erase(m_columns.begin() + index);
    return true;
}

bool ColumnSettings::SetSortType(int column, int type) {
    if (column < 0 || column >= Count())
        return false;
    m_columns[column].sortType = type;
    return true;
}

int ColumnSettings::SortType(int column) const {
    return column >= 0 && column < Count() ? m_columns[column].sortType : SortNone;
}

bool ColumnSettings::SetFixedWidth(int column, bool fixed) {
    if (column < 0 || column >= Count())
        return false;
    m_columns[column].fixedWidth = fixed;
    return true;
}

bool ColumnSettings::FixedWidth(int column) const {
    return column >= 0 && column < Count() && m_columns[column].fixedWidth;
}

} // namespace geometry
} // namespace Tavrin

// Owner-drawn rows shared by the report list and the list box: the colours
// of each row look read from a record through a table of its members, and
// the row's background (solid or vertical gradient), split line and outline.
//
// Both records name their row colours alike (clrRowBack, clrStripeBack,
// clrSelectedFrom, ...), so one table serves either record.
#pragma once

#include "ListViewGeometry.h"
#include "SkinFoundation.h"

#include <commctrl.h>

#include <array>

namespace Tavrin {

// What one row look paints with.
struct RowPaint {
    bool gradient;     // false: a solid fill of 'from'
    COLORREF from;     // fill, or gradient top
    COLORREF to;       // gradient bottom
    COLORREF text;
    COLORREF splitLine;
};

template <typename Record> struct RowLookRow {
    COLORREF Record::*from;
    COLORREF Record::*to;
    COLORREF Record::*text;
    COLORREF Record::*splitLine;
};

// Indexed by geometry::RowLook: Plain, Stripe, Selected, Hot, Disabled,
// DisabledStripe.
template <typename Record> std::array<RowLookRow<Record>, 6> RowLookTable() {
    return {{
        {&Record::clrRowBack, &Record::clrRowBack, &Record::clrText, &Record::clrSplitLine},
        {&Record::clrStripeBack, &Record::clrStripeBack, &Record::clrText, &Record::clrSplitLine},
        {&Record::clrSelectedFrom, &Record::clrSelectedTo, &Record::clrTextSelected, &Record::clrSplitLine},
        {&Record::clrHotFrom, &Record::clrHotTo, &Record::clrTextHot, &Record::clrSplitLine},
        {&Record::clrRowBackDisabled, &Record::clrRowBackDisabled, &Record::clrTextDisabled,
         &Record::clrSplitLineDisabled},
        {&Record::clrStripeBackDisabled, &Record::clrStripeBackDisabled, &Record::clrTextDisabled,
         &Record::clrSplitLineDisabled},
    }};
}

template <typename Record> RowPaint RowPaintOf(const Record& record, geometry::RowLook look) {
    const RowLookRow<Record> row = RowLookTable<Record>()[static_cast<size_t>(look)];
    const bool gradient = look == geometry::RowLook::Selected || look == geometry::RowLook::Hot;
    return RowPaint{gradient, record.*row.from, record.*row.to, record.*row.text, record.*row.splitLine};
}

// The empty area and frame colour: the row background of the state.
template <typename Record> COLORREF ListBackground(const Record& record, bool enabled) {
    return enabled ? record.clrRowBack : record.clrRowBackDisabled;
}

// Fills a row (gradient box one pixel beyond the row at the top and
// bottom), then its split line when asked for, then a one-pixel outline
// when 'outline' is not CLR_NONE. GDI+ is used only for a gradient.
TAVRIN_API void PaintRowBackground(HDC dc, const RECT& row, const RowPaint& paint, bool splitLine,
                                   COLORREF outline);

// The double buffer of a list's rows: one memory bitmap kept by the control
// between rows and repaints (a list repaints dozens of rows at a time), grown
// when a row needs more room, deleted with its owner. Each row is drawn at
// (0, 0) of DC() and copied to its place by Present(). Without a bitmap the
// row is drawn straight on the target, clipped and moved to the row's corner.
class TAVRIN_API RowBuffer {
public:
    RowBuffer() = default;
    ~RowBuffer();
    RowBuffer(const RowBuffer&) = delete;
    RowBuffer& operator=(const RowBuffer&) = delete;

    // Starts a row; false when there is nothing to draw on.
    bool Begin(HDC target, const RECT& row);
    HDC DC() const { return m_drawDC; }
    // Copies the row to the target and ends it.
    void Present();
    // Frees the bitmap (a new one is made by the next row).
    void Release();

private:
    HDC m_memDC = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
    HDC m_target = nullptr;
    HDC m_drawDC = nullptr;
    RECT m_row{};
    int m_savedTarget = 0;
};

// Fills a rectangle with a cached solid brush.
TAVRIN_API void FillSolid(HDC dc, const RECT& rect, COLORREF colour);

// Height of a sample text ("gk", "kg") in a font.
TAVRIN_API int TextHeightOf(HFONT font, const wchar_t* sample);

} // namespace Tavrin

#include "SkinRows.h"

#include "SkinDrawing.h"

namespace Tavrin {

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    if (HBRUSH brush = SkinResourceCache::GetSolidBrush(colour))
        ::FillRect(dc, &rect, brush);
}

void PaintRowBackground(HDC dc, const RECT& row, const RowPaint& paint, bool splitLine, COLORREF outline) {
    if (paint.gradient) {
        Gdiplus::Graphics graphics(dc);
        FillGradient(graphics, ToGdiplusRect(geometry::RowGradientBox(row)), ToGdiplusRect(row), paint.from,
                     paint.to, GradientDirection::TopToBottom);
        graphics.Flush(Gdiplus::FlushIntentionSync);
    } else {
        FillSolid(dc, row, paint.from);
    }
    if (splitLine)
        FillSolid(dc, geometry::RowSplitLine(row), paint.splitLine);
    if (outline != CLR_NONE) {
        if (HBRUSH brush = SkinResourceCache::GetSolidBrush(outline))
            ::FrameRect(dc, &row, brush);
    }
}

RowBuffer::~RowBuffer() {
    Release();
}

void RowBuffer::Release() {
    if (m_oldBitmap)
        SelectObject(m_memDC, m_oldBitmap);
    if (m_bitmap)
        DeleteObject(m_bitmap);
    if (m_memDC)
        DeleteDC(m_memDC);
    m_oldBitmap = nullptr;
    m_bitmap = nullptr;
    m_memDC = nullptr;
    m_width = m_height = 0;
}

bool RowBuffer::Begin(HDC target, const RECT& row) {
    const int width = row.right - row.left, height = row.bottom - row.top;
    if (!target || width <= 0 || height <= 0)
        return false;
    if (width > m_width || height > m_height) {
        Release();
        m_memDC = CreateCompatibleDC(target);
        m_bitmap = m_memDC ? CreateCompatibleBitmap(target, width, height) : nullptr;
        if (m_bitmap) {
            m_oldBitmap = SelectObject(m_memDC, m_bitmap);
            m_width = width;
            m_height = height;
        } else {
            Release();
        }
    }
    m_target = target;
    m_row = row;
    if (m_bitmap) {
        m_drawDC = m_memDC;
        return true;
    }
    // No bitmap: clipped to the row, with the row's corner as the origin, so
    // the same drawing lands in the same place.
    m_savedTarget = SaveDC(target);
    IntersectClipRect(target, row.left, row.top, row.right, row.bottom);
    OffsetViewportOrgEx(target, row.left, row.top, nullptr);
    m_drawDC = target;
    return true;
}

void RowBuffer::Present() {
    if (m_drawDC == m_memDC && m_memDC) {
        BitBlt(m_target, m_row.left, m_row.top, m_row.right - m_row.left, m_row.bottom - m_row.top, m_memDC, 0,
               0, SRCCOPY);
    } else if (m_savedTarget) {
        RestoreDC(m_target, m_savedTarget);
        m_savedTarget = 0;
    }
    m_drawDC = nullptr;
    m_target = nullptr;
}

int TextHeightOf(HFONT font, const wchar_t* sample) {
    HDC dc = ::GetDC(nullptr);
    if (!dc)
        return 0;
    int height = 0;
    {
        ScopedSelectObject select(dc, font);
        SIZE size{};
        if (::GetTextExtentPoint32W(dc, sample, lstrlenW(sample), &size))
            height = size.cy;
    }
    ::ReleaseDC(nullptr, dc);
    return height;
}

} // namespace Tavrin

#include "SkinFoundation.h"

namespace Tavrin {

SkinPaintBuffer::SkinPaintBuffer(HDC target, const RECT& rect, Gdiplus::SmoothingMode smoothing)
    : m_target(target), m_left(rect.left), m_top(rect.top), m_width(rect.right - rect.left),
      m_height(rect.bottom - rect.top) {
    if (!target || m_width <= 0 || m_height <= 0)
        return;
    m_memDC = CreateCompatibleDC(target);
    if (m_memDC)
        m_bitmap = CreateCompatibleBitmap(target, m_width, m_height);
    if (m_bitmap) {
        m_oldBitmap = SelectObject(m_memDC, m_bitmap);
        m_drawDC = m_memDC;
    } else {
        DrawStraightOnTarget(rect);
    }
    m_graphics = new Gdiplus::Graphics(m_drawDC);
    if (m_graphics && m_graphics->GetLastStatus() != Gdiplus::Ok) {
        delete m_graphics;
        m_graphics = nullptr;
        return;
    }
    if (m_graphics)
        m_graphics->SetSmoothingMode(smoothing);
}

void SkinPaintBuffer::DrawStraightOnTarget(const RECT& rect) {
    if (m_memDC) {
        DeleteDC(m_memDC);
        m_memDC = nullptr;
    }
    // Clipped to the rectangle, as the bitmap would have been, and with the
    // rectangle's corner as the origin, so that the drawing code needs no
    // second set of coordinates.
    m_savedTarget = SaveDC(m_target);
    IntersectClipRect(m_target, rect.left, rect.top, rect.right, rect.bottom);
    OffsetViewportOrgEx(m_target, rect.left, rect.top, nullptr);
    m_drawDC = m_target;
}

SkinPaintBuffer::~SkinPaintBuffer() {
    // Graphics first: it draws into the DC and must not outlive it.
    delete m_graphics;
    if (m_oldBitmap)
        SelectObject(m_memDC, m_oldBitmap);
    if (m_bitmap)
        DeleteObject(m_bitmap);
    if (m_memDC)
        DeleteDC(m_memDC);
    if (m_savedTarget)
        RestoreDC(m_target, m_savedTarget);
}

RECT SkinPaintBuffer::LocalRect() const {
    return RECT{0, 0, m_width, m_height};
}

bool SkinPaintBuffer::Present() {
    if (!m_graphics)
        return false;
    // Pending GDI+ output must reach the bitmap (or the target) first.
    m_graphics->Flush(Gdiplus::FlushIntentionSync);
    if (!m_bitmap)
        return true;
    return BitBlt(m_target, m_left, m_top, m_width, m_height, m_memDC, 0, 0, SRCCOPY) != FALSE;
}

} // namespace Tavrin

#include "SkinFoundation.h"

#include <new>

namespace Tavrin {

SkinPaintBuffer::SkinPaintBuffer(HDC target, const RECT& rect, Gdiplus::SmoothingMode smoothing)
    : m_target(target), m_left(rect.left), m_top(rect.top), m_width(rect.right - rect.left),
      m_height(rect.bottom - rect.top) {
    if (!target || m_width <= 0 || m_height <= 0)
        return;
    m_memDC = CreateCompatibleDC(target);
    if (!m_memDC)
        return;
    m_bitmap = CreateCompatibleBitmap(target, m_width, m_height);
    if (!m_bitmap)
        return;
    m_oldBitmap = SelectObject(m_memDC, m_bitmap);
    m_graphics = new Gdiplus::Graphics(m_memDC);
    if (m_graphics && m_graphics->GetLastStatus() != Gdiplus::Ok) {
        delete m_graphics;
        m_graphics = nullptr;
    }
    if (m_graphics)
        m_graphics->SetSmoothingMode(smoothing);
}

SkinPaintBuffer::~SkinPaintBuffer() {
    // Graphics first: it draws into the memory DC and must not outlive it.
    delete m_graphics;
    if (m_oldBitmap)
        SelectObject(m_memDC, m_oldBitmap);
    if (m_bitmap)
        DeleteObject(m_bitmap);
    if (m_memDC)
        DeleteDC(m_memDC);
}

RECT SkinPaintBuffer::LocalRect() const {
    return RECT{0, 0, m_width, m_height};
}

bool SkinPaintBuffer::Present() {
    if (!m_graphics)
        return false;
    // Pending GDI+ output must reach the bitmap before it is copied.
    m_graphics->Flush(Gdiplus::FlushIntentionSync);
    return BitBlt(m_target, m_left, m_top, m_width, m_height, m_memDC, 0, 0, SRCCOPY) != FALSE;
}

void FillVerticalGradient(Gdiplus::Graphics& graphics, const Gdiplus::Rect& rect, COLORREF top,
                          COLORREF bottom) {
    Gdiplus::LinearGradientBrush brush(rect, Gdiplus::Color(ToArgb(top)), Gdiplus::Color(ToArgb(bottom)),
                                       Gdiplus::LinearGradientModeVertical);
    brush.SetWrapMode(Gdiplus::WrapModeTile);
    graphics.FillRectangle(&brush, rect);
}

void FillVerticalGradient(Gdiplus::Graphics& graphics, const Gdiplus::GraphicsPath& path,
                          const Gdiplus::Rect& rect, COLORREF top, COLORREF bottom) {
    Gdiplus::LinearGradientBrush brush(rect, Gdiplus::Color(ToArgb(top)), Gdiplus::Color(ToArgb(bottom)),
                                       Gdiplus::LinearGradientModeVertical);
    brush.SetWrapMode(Gdiplus::WrapModeTile);
    graphics.FillPath(&brush, &path);
}

} // namespace Tavrin

#include "SkinFoundation.h"

namespace Tavrin {

HRESULT AddRoundRectPath(const RECT& rect, int radius, Gdiplus::GraphicsPath* path) {
    if (!path || radius < 0)
        return E_FAIL;
    const int d = 2 * radius;
    // The right and bottom arcs sit one pixel inside right and bottom so that
    // a 1-pixel pen along the path stays within the rectangle.
    path->AddArc(static_cast<INT>(rect.left), rect.top, d, d, 180.0f, 90.0f);
    path->AddArc(static_cast<INT>(rect.right - d - 1), rect.top, d, d, 270.0f, 90.0f);
    path->AddArc(static_cast<INT>(rect.right - d - 1), rect.bottom - d - 1, d, d, 0.0f, 90.0f);
    path->AddArc(static_cast<INT>(rect.left), rect.bottom - d - 1, d, d, 90.0f, 90.0f);
    path->CloseFigure();
    return S_OK;
}

HRESULT AddRoundRectPathF(const Gdiplus::RectF& rect, int radius, Gdiplus::GraphicsPath* path) {
    if (!path || radius < 0)
        return E_FAIL;
    path->Reset();
    const Gdiplus::REAL x = rect.X, y = rect.Y;
    const Gdiplus::REAL right = rect.X + rect.Width, bottom = rect.Y + rect.Height;
    if (radius != 0) {
        const Gdiplus::REAL d = static_cast<Gdiplus::REAL>(2 * radius);
        path->AddArc(x, y, d, d, 180.0f, 90.0f);
        path->AddArc(right - d, y, d, d, 270.0f, 90.0f);
        path->AddArc(right - d, bottom - d, d, d, 0.0f, 90.0f);
        path->AddArc(x, bottom - d, d, d, 90.0f, 90.0f);
    } else {
        // Three sides; closing the figure draws the fourth.
        path->AddLine(x, y, right, y);
        path->AddLine(right, y, right, bottom);
        path->AddLine(right, bottom, x, bottom);
    }
    path->CloseFigure();
    return S_OK;
}

HRESULT AddTopRoundedPath(const RECT& rect, int a, int b, Gdiplus::GraphicsPath* path) {
    if (!path || a < 0 || b < 0)
        return E_FAIL;
    const INT l = rect.left, t = rect.top, r = rect.right, btm = rect.bottom;
    path->AddLine(l, btm, l, t + a);
    if (a > 0)
        path->AddArc(l, t, 2 * a, 2 * a, 180.0f, 90.0f);
    path->AddLine(l + a, t, r - b, t);
    if (b > 0)
        path->AddArc(r - 2 * b, t, 2 * b, 2 * b, 270.0f, 90.0f);
    path->AddLine(r, t + b, r, btm - b);
    path->AddLine(r, btm, l, btm);
    return S_OK;
}

HRESULT AddLeftRoundedPath(const RECT& rect, int a, int b, Gdiplus::GraphicsPath* path) {
    if (!path || a < 0 || b < 0)
        return E_FAIL;
    const INT l = rect.left, t = rect.top, r = rect.right, btm = rect.bottom;
    if (a > 0)
        path->AddArc(l, btm - 2 * a, 2 * a, 2 * a, 90.0f, 90.0f);
    path->AddLine(l, btm - a, l, t + a);
    if (a > 0)
        path->AddArc(l, t, 2 * a, 2 * a, 180.0f, 90.0f);
    path->AddLine(l + a, t, r - b, t);
    path->AddLine(r, t, r, btm);
    path->AddLine(r, btm, l + b, btm);
    return S_OK;
}

HRESULT AddRightRoundedPath(const RECT& rect, int a, int b, Gdiplus::GraphicsPath* path) {
    if (!path || a < 0 || b < 0)
        return E_FAIL;
    const INT l = rect.left, t = rect.top, r = rect.right, btm = rect.bottom;
    path->AddLine(l, btm, l, t);
    path->AddLine(l, t, r - a, t);
    if (b > 0)
        path->AddArc(r - 2 * b, t, 2 * b, 2 * b, 270.0f, 90.0f);
    path->AddLine(r, t + b, r, btm - b);
    if (b > 0)
        path->AddArc(r - 2 * b, btm - 2 * b, 2 * b, 2 * b, 0.0f, 90.0f);
    path->AddLine(r - b, btm, l, btm);
    return S_OK;
}

} // namespace Tavrin

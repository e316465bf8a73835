// Drawing pieces every skinned control shares: regions made from the
// geometry library's shapes and framed one pixel wide, window regions handed
// to the system, gradient fills in any direction, the centre-lit fill and
// the rounded gradient face with its outline.
#pragma once

#include "GeometryShapes.h"
#include "SkinFoundation.h"

namespace Tavrin {

// The region of a shape; null on failure. The caller owns it.
TAVRIN_API HRGN CreateShapeRegion(const geometry::RegionShape& shape);

// Frames a shape with a one-pixel stroke (FrameRgn, 1 x 1) of a cached brush.
TAVRIN_API void FrameShape(HDC dc, const geometry::RegionShape& shape, COLORREF colour);

// Gives a window the region of a shape, redrawing it. The system owns the
// region once it has taken it; false when the window kept its old region.
TAVRIN_API bool SetWindowShape(HWND window, const geometry::RegionShape& shape);

// Which way a gradient runs: its first colour sits at the named edge
// (ForwardDiagonal: at the top-left corner, the second at the bottom-right).
enum class GradientDirection { TopToBottom, BottomToTop, LeftToRight, RightToLeft, ForwardDiagonal };

// Linear gradient, tiled, whose brush spans 'box' (x, y, width, height),
// filling 'fill' (or the box itself).
TAVRIN_API void FillGradient(Gdiplus::Graphics& graphics, const Gdiplus::Rect& box, const Gdiplus::Rect& fill,
                             COLORREF first, COLORREF second, GradientDirection direction);
TAVRIN_API void FillGradient(Gdiplus::Graphics& graphics, const Gdiplus::Rect& box, COLORREF first,
                             COLORREF second, GradientDirection direction);
// The same brush filling a path.
TAVRIN_API void FillGradient(Gdiplus::Graphics& graphics, const Gdiplus::GraphicsPath& path,
                             const Gdiplus::Rect& box, COLORREF first, COLORREF second,
                             GradientDirection direction);

// Outlines a path with a pen of the given width whose colour is such a
// gradient over 'box'.
TAVRIN_API void DrawGradientPath(Gdiplus::Graphics& graphics, const Gdiplus::GraphicsPath& path,
                                 const Gdiplus::Rect& box, COLORREF first, COLORREF second,
                                 GradientDirection direction, float width);

// Vertical gradients (first colour at the top edge, second at the bottom):
// the fill of nearly every skinned face.
TAVRIN_API void FillVerticalGradient(Gdiplus::Graphics& graphics, const Gdiplus::Rect& rect, COLORREF top,
                                     COLORREF bottom);
TAVRIN_API void FillVerticalGradient(Gdiplus::Graphics& graphics, const Gdiplus::GraphicsPath& path,
                                     const Gdiplus::Rect& rect, COLORREF top, COLORREF bottom);

// A rectangle lit from a centre point: a path gradient over the rectangle
// with one surround colour for every edge point and the given focus scales.
struct CentreLight {
    float centreX, centreY;
    float focusScaleX, focusScaleY;
    COLORREF centre;
    COLORREF surround;
};
TAVRIN_API void FillCentreLit(Gdiplus::Graphics& graphics, const Gdiplus::Rect& rect,
                              const CentreLight& light);

// A rounded face: the rounded-rectangle path of 'rect' (right and bottom arcs
// one pixel inside) filled with a vertical gradient and outlined with a
// one-pixel pen.
TAVRIN_API void DrawRoundedGradientFace(Gdiplus::Graphics& graphics, const RECT& rect, int radius,
                                        COLORREF top, COLORREF bottom, COLORREF outline);

// (x, y, width, height) of an integer rectangle for GDI+.
inline Gdiplus::Rect ToGdiplusRect(const RECT& r) {
    return Gdiplus::Rect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

} // namespace Tavrin

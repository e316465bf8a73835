#include "SkinDrawing.h"

namespace Tavrin {

using geometry::RegionShape;
using geometry::ShapeCombine;

HRGN CreateShapeRegion(const RegionShape& shape) {
    const RECT& r = shape.round;
    HRGN region = shape.ellipse > 0
                      ? CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, shape.ellipse, shape.ellipse)
                      : CreateRectRgn(r.left, r.top, r.right, r.bottom);
    if (!region || shape.combine == ShapeCombine::None)
        return region;
    OwnedGdiObject<HRGN> other(
        CreateRectRgn(shape.rect.left, shape.rect.top, shape.rect.right, shape.rect.bottom));
    if (!other) {
        DeleteObject(region);
        return nullptr;
    }
    CombineRgn(region, region, other, shape.combine == ShapeCombine::Intersect ? RGN_AND : RGN_OR);
    return region;
}

void FrameShape(HDC dc, const RegionShape& shape, COLORREF colour) {
    OwnedGdiObject<HRGN> region(CreateShapeRegion(shape));
    HBRUSH brush = SkinResourceCache::GetSolidBrush(colour);
    if (region && brush)
        FrameRgn(dc, region, brush, 1, 1);
}

bool SetWindowShape(HWND window, const RegionShape& shape) {
    HRGN region = CreateShapeRegion(shape);
    if (!region)
        return false;
    // After a successful SetWindowRgn the system owns the region.
    if (SetWindowRgn(window, region, TRUE))
        return true;
    DeleteObject(region);
    return false;
}

namespace {

// A tiled linear gradient brush. GDI+ knows only the forward directions;
// the other two swap the colours.
class GradientBrush {
public:
    GradientBrush(const Gdiplus::Rect& box, COLORREF first, COLORREF second, GradientDirection direction)
        : m_brush(box, Gdiplus::Color(ToArgb(Reversed(direction) ? second : first)),
                  Gdiplus::Color(ToArgb(Reversed(direction) ? first : second)), ModeOf(direction)) {
        m_brush.SetWrapMode(Gdiplus::WrapModeTile);
    }
    Gdiplus::Brush* Get() { return &m_brush; }

private:
    static Gdiplus::LinearGradientMode ModeOf(GradientDirection direction) {
        switch (direction) {
        case GradientDirection::LeftToRight:
        case GradientDirection::RightToLeft:
            return Gdiplus::LinearGradientModeHorizontal;
        case GradientDirection::ForwardDiagonal:
            return Gdiplus::LinearGradientModeForwardDiagonal;
        default:
            return Gdiplus::LinearGradientModeVertical;
        }
    }
    static bool Reversed(GradientDirection direction) {
        return direction == GradientDirection::BottomToTop || direction == GradientDirection::RightToLeft;
    }

    Gdiplus::LinearGradientBrush m_brush;
};

} // namespace

void FillGradient(Gdiplus::Graphics& graphics, const Gdiplus::Rect& box, const Gdiplus::Rect& fill,
                  COLORREF first, COLORREF second, GradientDirection direction) {
    GradientBrush brush(box, first, second, direction);
    graphics.FillRectangle(brush.Get(), fill);
}

void FillGradient(Gdiplus::Graphics& graphics, const Gdiplus::Rect& box, COLORREF first, COLORREF second,
                  GradientDirection direction) {
    FillGradient(graphics, box, box, first, second, direction);
}

void FillGradient(Gdiplus::Graphics& graphics, const Gdiplus::GraphicsPath& path, const Gdiplus::Rect& box,
                  COLORREF first, COLORREF second, GradientDirection direction) {
    GradientBrush brush(box, first, second, direction);
    graphics.FillPath(brush.Get(), &path);
}

void DrawGradientPath(Gdiplus::Graphics& graphics, const Gdiplus::GraphicsPath& path,
                      const Gdiplus::Rect& box, COLORREF first, COLORREF second, GradientDirection direction,
                      float width) {
    GradientBrush brush(box, first, second, direction);
    Gdiplus::Pen pen(brush.Get(), width);
    graphics.DrawPath(&pen, &path);
}

void FillVerticalGradient(Gdiplus::Graphics& graphics, const Gdiplus::Rect& rect, COLORREF top,
                          COLORREF bottom) {
    FillGradient(graphics, rect, top, bottom, GradientDirection::TopToBottom);
}

void FillVerticalGradient(Gdiplus::Graphics& graphics, const Gdiplus::GraphicsPath& path,
                          const Gdiplus::Rect& rect, COLORREF top, COLORREF bottom) {
    FillGradient(graphics, path, rect, top, bottom, GradientDirection::TopToBottom);
}

void FillCentreLit(Gdiplus::Graphics& graphics, const Gdiplus::Rect& rect, const CentreLight& light) {
    Gdiplus::GraphicsPath path;
    path.AddRectangle(rect);
    Gdiplus::PathGradientBrush brush(&path);
    brush.SetCenterPoint(Gdiplus::PointF(light.centreX, light.centreY));
    brush.SetCenterColor(Gdiplus::Color(ToArgb(light.centre)));
    Gdiplus::Color surround(ToArgb(light.surround));
    INT count = 1;
    brush.SetSurroundColors(&surround, &count);
    brush.SetFocusScales(light.focusScaleX, light.focusScaleY);
    graphics.FillPath(&brush, &path);
}

void DrawRoundedGradientFace(Gdiplus::Graphics& graphics, const RECT& rect, int radius, COLORREF top,
                             COLORREF bottom, COLORREF outline) {
    Gdiplus::GraphicsPath path;
    AddRoundRectPath(rect, radius, &path);
    FillVerticalGradient(graphics, path, ToGdiplusRect(rect), top, bottom);
    Gdiplus::Pen pen(Gdiplus::Color(ToArgb(outline)), 1.0f);
    graphics.DrawPath(&pen, &path);
}

} // namespace Tavrin

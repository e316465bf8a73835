#include "NeloTabSpin.h"

#include "SkinDrawing.h"
#include "SkinLook.h"
#include "SkinControlSetters.h"

namespace Tavrin {

using geometry::Look;

namespace {

// A half: gradient top and bottom, outline, chevron.
enum HalfPart { HalfFrom, HalfTo, HalfBorder, HalfGlyph, HalfPartCount };
using S = _TabSpinColorInfo;
using HalfRow = MemberRow<S, HalfPartCount>;
const HalfRow kHalfNormal{&S::clrHalfFrom, &S::clrHalfTo, &S::clrHalfBorder, &S::clrHalfGlyph};
const HalfRow kHalfHot{&S::clrHalfHotFrom, &S::clrHalfHotTo, &S::clrHalfHotBorder, &S::clrHalfHotGlyph};
const HalfRow kHalfPressed{&S::clrHalfPressedFrom, &S::clrHalfPressedTo, &S::clrHalfPressedBorder,
                           &S::clrHalfPressedGlyph};
const HalfRow kHalfDisabled{&S::clrHalfDisabledFrom, &S::clrHalfDisabledTo, &S::clrHalfDisabledBorder,
                            &S::clrHalfDisabledGlyph};
const LookTable<S, HalfPartCount> kHalfLooks{{{kHalfNormal, kHalfHot, kHalfPressed, kHalfDisabled, kHalfNormal}}};

// Both halves round their outer corners with this radius.
const int kHalfRadius = 4;

} // namespace

BEGIN_MESSAGE_MAP(NeloTabSpin, TabSpinBase)
ON_WM_PAINT()
ON_WM_PRINTCLIENT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_NCHITTEST()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

NeloTabSpin::NeloTabSpin() : m_colors(DefaultColorInfo()) {}

NeloTabSpin::~NeloTabSpin() {
    // The window belongs to the tab control and lives on without us.
    if (m_hWnd)
        UnsubclassWindow();
}

_TabSpinColorInfo NeloTabSpin::DefaultColorInfo() {
    return _TabSpinColorInfo{RGB(243, 243, 243), RGB(160, 192, 224), RGB(136, 176, 216), RGB(243, 243, 243),
                             RGB(243, 243, 243), RGB(181, 208, 232), RGB(252, 252, 254), RGB(232, 230, 215),
                             RGB(127, 157, 185), RGB(88, 168, 240),  RGB(88, 168, 240),  RGB(172, 168, 153),
                             RGB(77, 97, 133),   RGB(82, 122, 202),  RGB(80, 120, 200),  RGB(172, 168, 153)};
}

void NeloTabSpin::PreSubclassWindow() {
    m_leftPressed = m_rightPressed = 0;
    m_leftHot = m_rightHot = 0;
    m_pointer.Reset();
    TabSpinBase::PreSubclassWindow();
}

LRESULT NeloTabSpin::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return TabSpinBase::WindowProc(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

int NeloTabSpin::SetTabSpinColorInfo(const _TabSpinColorInfo& info) {
    return ReplaceColourRecord(*this, m_colors, info, FALSE);
}

int NeloTabSpin::GetTabSpinColorInfo(_TabSpinColorInfo& info) {
    return CopyColourRecord(m_colors, info);
}

int NeloTabSpin::SetBackgroundColors(COLORREF top, COLORREF bottom) {
    m_backTop = top;
    m_backBottom = bottom;
    Invalidate(FALSE);
    return 1;
}

int NeloTabSpin::GetBackgroundColors(COLORREF& top, COLORREF& bottom) {
    top = m_backTop;
    bottom = m_backBottom;
    return 1;
}

int NeloTabSpin::ShowHoverEffect(int show) {
    return SetDrawingOption(*this, m_hoverEffect, show, FALSE);
}

int NeloTabSpin::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

geometry::TabScrollerLayout NeloTabSpin::Layout() const {
    RECT client{0, 0, 0, 0};
    if (m_hWnd)
        ::GetClientRect(m_hWnd, &client);
    return geometry::LayoutTabScroller(client.right, client.bottom, m_leftPressed != 0, m_rightPressed != 0);
}

Look NeloTabSpin::HalfLook(bool pressed, bool hot) const {
    if (m_hWnd && !::IsWindowEnabled(m_hWnd))
        return Look::Disabled;
    if (pressed)
        return Look::Pressed;
    if (m_hoverEffect && hot)
        return Look::Hover;
    return Look::Normal;
}

// ---- Painting ------------------------------------------------------------

void NeloTabSpin::OnPaint() {
    Tavrin::PaintClient(*this, *this);
}

void NeloTabSpin::OnPrintClient(CDC* dc, UINT) {
    Tavrin::PrintClient(*this, *this, dc);
}

BOOL NeloTabSpin::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void NeloTabSpin::PaintClient(HDC dc, const RECT& client) {
    SkinPaintBuffer buffer(dc, client, Gdiplus::SmoothingModeAntiAlias);
    if (!buffer.IsValid())
        return;
    Gdiplus::Graphics& graphics = buffer.Graphics();
    FillVerticalGradient(graphics, ToGdiplusRect(buffer.LocalRect()), m_backTop, m_backBottom);
    const geometry::TabScrollerLayout layout =
        geometry::LayoutTabScroller(buffer.Width(), buffer.Height(), m_leftPressed != 0, m_rightPressed != 0);
    DrawHalf(graphics, layout.left, layout.leftGlyph, true, HalfLook(m_leftPressed != 0, m_leftHot != 0));
    DrawHalf(graphics, layout.right, layout.rightGlyph, false, HalfLook(m_rightPressed != 0, m_rightHot != 0));
    buffer.Present();
}

void NeloTabSpin::DrawHalf(Gdiplus::Graphics& graphics, const RECT& half, const geometry::TabChevron& glyph,
                           bool left, Look look) {
    if (half.right <= half.left || half.bottom <= half.top)
        return;
    const LookColours<HalfPartCount> colours = kHalfLooks.Read(m_colors, look);
    Gdiplus::GraphicsPath path;
    if (left)
        AddLeftRoundedPath(half, kHalfRadius, kHalfRadius, &path);
    else
        AddRightRoundedPath(half, kHalfRadius, kHalfRadius, &path);
    FillVerticalGradient(graphics, path, ToGdiplusRect(half), colours[HalfFrom], colours[HalfTo]);
    Gdiplus::Pen outline(Gdiplus::Color(ToArgb(colours[HalfBorder])), 1.0f);
    graphics.DrawPath(&outline, &path);
    Gdiplus::Pen stroke(Gdiplus::Color(ToArgb(colours[HalfGlyph])), 1.0f);
    for (const auto& s : glyph.strokes) {
        const Gdiplus::Point points[3] = {Gdiplus::Point(s[0].x, s[0].y), Gdiplus::Point(s[1].x, s[1].y),
                                          Gdiplus::Point(s[2].x, s[2].y)};
        graphics.DrawLines(&stroke, points, 3);
    }
}

// ---- Mouse ---------------------------------------------------------------

void NeloTabSpin::OnLButtonDown(UINT flags, CPoint point) {
    const int half = geometry::TabScrollerHitTest(Layout(), POINT{point.x, point.y});
    m_leftPressed = half == 1 ? 1 : 0;
    m_rightPressed = half == 2 ? 1 : 0;
    Invalidate(FALSE);
    // The system's up-down control steps the tabs and repeats while held.
    TabSpinBase::OnLButtonDown(flags, point);
}

void NeloTabSpin::OnLButtonUp(UINT flags, CPoint point) {
    m_leftPressed = m_rightPressed = 0;
    Invalidate(FALSE);
    TabSpinBase::OnLButtonUp(flags, point);
}

void NeloTabSpin::OnMouseMove(UINT flags, CPoint point) {
    if (m_hoverEffect)
        m_pointer.Update(m_hWnd, true);
    TabSpinBase::OnMouseMove(flags, point);
}

LRESULT NeloTabSpin::OnNcHitTest(CPoint point) {
    if (m_hoverEffect) {
        POINT p{point.x, point.y};
        ::ScreenToClient(m_hWnd, &p);
        const int half = geometry::TabScrollerHitTest(Layout(), p);
        const int leftHot = half == 1 ? 1 : 0;
        const int rightHot = half == 2 ? 1 : 0;
        if (leftHot != m_leftHot || rightHot != m_rightHot) {
            m_leftHot = leftHot;
            m_rightHot = rightHot;
            Invalidate(FALSE);
        }
    }
    return TabSpinBase::OnNcHitTest(point);
}

void NeloTabSpin::OnMouseLeave() {
    m_leftHot = m_rightHot = 0;
    m_pointer.Leave();
    Invalidate(FALSE);
    Default();
}

} // namespace Tavrin

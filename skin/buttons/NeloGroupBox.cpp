#include "NeloStatic.h"

#include "ButtonsGeometry.h"
#include "SkinControl.h"
#include "SkinControlSetters.h"
#include "SkinDrawing.h"
#include "SkinWindow.h"

namespace Tavrin {

namespace {

geometry::CaptionAlign CaptionAlignOf(DWORD style) {
    switch (style & BS_CENTER) {
    case BS_RIGHT:
        return geometry::CaptionAlign::Right;
    case BS_CENTER:
        return geometry::CaptionAlign::Centre;
    default:
        return geometry::CaptionAlign::Left;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(NeloGroupBox, CButton)
ON_WM_PAINT()
ON_WM_PRINTCLIENT()
END_MESSAGE_MAP()

NeloGroupBox::NeloGroupBox()
    : m_colorInfo(DefaultColorInfo()), m_lineThickness(1), m_showText(1),
      m_cornerStyle(GroupBoxCornersMedium) {}

NeloGroupBox::~NeloGroupBox() = default;

_GroupBoxColorInfo NeloGroupBox::DefaultColorInfo() {
    return _GroupBoxColorInfo{RGB(6, 45, 117), RGB(49, 93, 148)};
}

void NeloGroupBox::PreSubclassWindow() {
    m_colorInfo = DefaultColorInfo();
    // The box never takes input. It stays a group box: OR-ing every type bit
    // in would make an undefined button type.
    const DWORD style = GetStyle();
    ::SetWindowLongW(
        m_hWnd, GWL_STYLE,
        static_cast<LONG>((style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_GROUPBOX | WS_DISABLED));
    ModifyStyleEx(0, WS_EX_TRANSPARENT);
    SetFont(L"Arial", 10, 0);
    CButton::PreSubclassWindow();
}

void NeloGroupBox::Redraw() {
    if (!m_hWnd)
        return;
    RedrawFrame(m_hWnd);
    // The box paints only its line and caption over what lies beneath, so
    // the parent repaints that area first; otherwise an old, thicker line
    // would stay visible.
    HWND parent = ::GetParent(m_hWnd);
    if (!parent) {
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        return;
    }
    RECT area = WindowRectOf(m_hWnd);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

int NeloGroupBox::SetGroupBoxColorInfo(const _GroupBoxColorInfo& info) {
    m_colorInfo = info;
    Redraw();
    return 1;
}

int NeloGroupBox::GetGroupBoxColorInfo(_GroupBoxColorInfo& info) {
    info = m_colorInfo;
    return 1;
}

int NeloGroupBox::SetLineThickness(const int& thickness) {
    if (thickness <= 0 || thickness > 10)
        return 0;
    return SetDrawingOption(*this, m_lineThickness, thickness, TRUE);
}

int NeloGroupBox::GetLineThickness() {
    return m_lineThickness;
}

int NeloGroupBox::ShowText(int show) {
    return SetDrawingOption(*this, m_showText, show, TRUE);
}

int NeloGroupBox::SetRoundCornersStyle(GroupBoxRoundCornersStyle style) {
    return SetDrawingOption(*this, m_cornerStyle, style, TRUE);
}

int NeloGroupBox::SetFont(const CString& face, const int& pointSize, int bold) {
    return ApplyWindowFont(*this, face, pointSize, bold, TRUE);
}

int NeloGroupBox::Invalidate(int) {
    Redraw();
    return 1;
}

void NeloGroupBox::OnPaint() {
    Tavrin::PaintClient(*this, *this);
}

void NeloGroupBox::OnPrintClient(CDC* dc, UINT) {
    Tavrin::PrintClient(*this, *this, dc);
}

void NeloGroupBox::PaintClient(HDC dc, const RECT& client) {
    ScopedSelectObject font(dc, WindowFont(m_hWnd));
    CString text;
    GetWindowText(text);
    SIZE caption{0, 0};
    ::GetTextExtentPoint32W(dc, text.GetString(), text.GetLength(), &caption);
    const geometry::GroupBoxLayout layout = geometry::LayoutGroupBox(
        client, caption, m_showText != 0, m_lineThickness, m_cornerStyle, CaptionAlignOf(GetStyle()));
    // A box too small for its line keeps the thinner line from now on.
    m_lineThickness = layout.thickness;

    Gdiplus::Graphics graphics(dc);
    if (layout.caption)
        DrawCaption(dc, graphics, layout, text);
    DrawFrame(graphics, layout);
}

void NeloGroupBox::DrawCaption(HDC dc, Gdiplus::Graphics& graphics, const geometry::GroupBoxLayout& layout,
                               const CString& text) {
    // The gap: the line is not drawn behind the caption.
    graphics.ExcludeClip(ToGdiplusRect(layout.gap));
    RECT textRect = layout.text;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, m_colorInfo.crGroupText);
    ::DrawTextW(dc, text.GetString(), text.GetLength(), &textRect, layout.textFormat);
}

void NeloGroupBox::DrawFrame(Gdiplus::Graphics& graphics, const geometry::GroupBoxLayout& layout) {
    Gdiplus::GraphicsPath path;
    AddRoundRectPathF(Gdiplus::RectF(layout.pathX, layout.pathY, layout.pathWidth, layout.pathHeight),
                      layout.radius, &path);
    Gdiplus::Pen pen(Gdiplus::Color(ToArgb(m_colorInfo.crGroupLine)), static_cast<float>(layout.thickness));
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.DrawPath(&pen, &path);
}

} // namespace Tavrin

#include "NeloStatic.h"

#include "ButtonsGeometry.h"
#include "ButtonsInternal.h"
#include "SkinFoundation.h"

#include <algorithm>

namespace Tavrin {

BEGIN_MESSAGE_MAP(NeloGroupBox, CButton)
ON_WM_PAINT()
END_MESSAGE_MAP()

NeloGroupBox::NeloGroupBox()
    : m_colorInfo(DefaultColorInfo()), m_lineThickness(1), m_showText(1),
      m_cornerStyle(GroupBoxCornersMedium) {
    GdiplusSession::Acquire();
}

NeloGroupBox::~NeloGroupBox() {
    GdiplusSession::Release();
}

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
    detail::RedrawFrame(m_hWnd);
    // The box paints only its line and caption over what lies beneath, so
    // the parent repaints that area first; otherwise an old, thicker line
    // would stay visible.
    HWND parent = ::GetParent(m_hWnd);
    RECT area{};
    ::GetWindowRect(m_hWnd, &area);
    if (parent) {
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
        ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    } else {
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    }
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
    if (thickness != m_lineThickness) {
        m_lineThickness = thickness;
        Redraw();
    }
    return 1;
}

int NeloGroupBox::GetLineThickness() {
    return m_lineThickness;
}

int NeloGroupBox::ShowText(int show) {
    if (show != m_showText) {
        m_showText = show;
        Redraw();
    }
    return 1;
}

int NeloGroupBox::SetRoundCornersStyle(GroupBoxRoundCornersStyle style) {
    if (style != m_cornerStyle) {
        m_cornerStyle = style;
        Redraw();
    }
    return 1;
}

int NeloGroupBox::SetFont(const CString& face, const int& pointSize, int bold) {
    HFONT font = SkinResourceCache::GetFont(FontKey(face.GetString(), pointSize, bold));
    if (!font)
        return 0;
    if (m_hWnd)
        ::SendMessage(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    Redraw();
    return 1;
}

int NeloGroupBox::Invalidate(int) {
    Redraw();
    return 1;
}

void NeloGroupBox::OnPaint() {
    CPaintDC paint(this);
    try {
        HDC dc = paint.GetSafeHdc();
        ScopedSelectObject font(dc, reinterpret_cast<HGDIOBJ>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0)));
        Gdiplus::Graphics graphics(dc);

        RECT r{};
        ::GetClientRect(m_hWnd, &r);
        CString text;
        GetWindowText(text);
        SIZE extent{0, 0};
        ::GetTextExtentPoint32W(dc, text.GetString(), text.GetLength(), &extent);
        const int cx = extent.cx, cy = extent.cy;

        // The line runs through the middle of the caption.
        if (m_showText)
            r.top += cy / 2;
        const int width = r.right - r.left, height = r.bottom - r.top;
        const int f = std::min(std::min(width / 2, height / 2), 5);
        const int limit = detail::GroupBoxThicknessLimit(width, height);
        if (m_lineThickness > limit)
            m_lineThickness = limit;
        const int thickness = m_lineThickness;

        InflateRect(&r, -(thickness / 2), -(thickness / 2));
        // An even pen straddles pixel boundaries; half a pixel back puts it
        // on whole pixels.
        const float o = (thickness % 2 == 0) ? 0.5f : 0.0f;
        const Gdiplus::RectF pathRect(static_cast<float>(r.left) - o, static_cast<float>(r.top) - o,
                                      static_cast<float>(r.right - r.left) - 1.0f + 2.0f * o,
                                      static_cast<float>(r.bottom - r.top) - 1.0f + 2.0f * o);
        Gdiplus::GraphicsPath path;
        AddRoundRectPathF(pathRect, detail::GroupBoxCornerRadius(m_cornerStyle), &path);
        Gdiplus::Pen pen(Gdiplus::Color(ToArgb(m_colorInfo.crGroupLine)), static_cast<float>(thickness));
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);

        if (m_showText) {
            RECT textRect{};
            textRect.top = r.top - cy / 2;
            textRect.left = 12;
            textRect.bottom = std::min<LONG>(textRect.top + cy, r.bottom);
            textRect.right = r.right - f;
            UINT format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
            int gapLeft;
            switch (GetStyle() & BS_CENTER) {
            case BS_RIGHT:
                gapLeft = textRect.right - cx - 1;
                format |= DT_RIGHT;
                break;
            case BS_CENTER:
                gapLeft = (textRect.right - 12) / 2 + 12 - cx / 2 - 1;
                format |= DT_CENTER;
                break;
            default:
                gapLeft = 11;
                break;
            }
            // The gap: the line is not drawn behind the caption.
            graphics.ExcludeClip(Gdiplus::Rect(gapLeft, textRect.top, cx + 2, cy));
            ::SetBkMode(dc, TRANSPARENT);
            ::SetTextColor(dc, m_colorInfo.crGroupText);
            ::DrawTextW(dc, text.GetString(), text.GetLength(), &textRect, format);
        }
        graphics.DrawPath(&pen, &path);
    } catch (...) {
    }
}

} // namespace Tavrin

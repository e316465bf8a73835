#include "NeloProgressCtrl.h"

#include "ButtonsGeometry.h"
#include "SkinFoundation.h"

namespace Tavrin {

BEGIN_MESSAGE_MAP(NeloProgressCtrl, CProgressCtrl)
ON_WM_PAINT()
ON_WM_NCPAINT()
ON_WM_ENABLE()
END_MESSAGE_MAP()

NeloProgressCtrl::NeloProgressCtrl() : m_colorInfo(DefaultColorInfo()), m_style(ProgressCtrlPathGradient) {
    GdiplusSession::Acquire();
}

NeloProgressCtrl::~NeloProgressCtrl() {
    GdiplusSession::Release();
}

_ProgressCtrlColorInfo NeloProgressCtrl::DefaultColorInfo() {
    return _ProgressCtrlColorInfo{RGB(250, 250, 250), RGB(230, 230, 210), RGB(48, 94, 150),
                                  RGB(204, 204, 204), RGB(58, 178, 187),  RGB(121, 203, 209),
                                  RGB(245, 245, 245), RGB(58, 178, 187)};
}

void NeloProgressCtrl::PreSubclassWindow() {
    m_colorInfo = DefaultColorInfo();
    m_style = ProgressCtrlPathGradient;
    CProgressCtrl::PreSubclassWindow();
}

int NeloProgressCtrl::SetProgressCtrlColorInfo(const _ProgressCtrlColorInfo& info) {
    m_colorInfo = info;
    Invalidate(FALSE);
    RepaintFrame();
    return 1;
}

int NeloProgressCtrl::GetProgressCtrlColorInfo(_ProgressCtrlColorInfo& info) {
    info = m_colorInfo;
    return 1;
}

int NeloProgressCtrl::SetProgressCtrlStyle(ProgressCtrlStyle style) {
    if (style != m_style) {
        m_style = style;
        Invalidate(FALSE);
    }
    return 1;
}

int NeloProgressCtrl::Invalidate(int erase) {
    if (!m_hWnd)
        return 0;
    ::InvalidateRect(m_hWnd, nullptr, erase);
    return 1;
}

void NeloProgressCtrl::RepaintFrame() {
    if (m_hWnd)
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT NeloProgressCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        // A disabled bar keeps its position.
        if ((message == PBM_SETPOS || message == PBM_STEPIT) && m_hWnd && !::IsWindowEnabled(m_hWnd))
            return 0;
        return CProgressCtrl::WindowProc(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

void NeloProgressCtrl::OnPaint() {
    CPaintDC paint(this);
    try {
        RECT client{};
        ::GetClientRect(m_hWnd, &client);
        const int pos = static_cast<int>(::SendMessage(m_hWnd, PBM_GETPOS, 0, 0));
        PBRANGE range{};
        ::SendMessage(m_hWnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));

        SkinPaintBuffer buffer(paint.GetSafeHdc(), client, Gdiplus::SmoothingModeDefault);
        if (!buffer.IsValid())
            return;
        HDC mem = buffer.DC();
        RECT local = buffer.LocalRect();
        const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
        ::FillRect(mem, &local,
                   SkinResourceCache::GetSolidBrush(enabled ? m_colorInfo.crBarBackground
                                                            : m_colorInfo.crBarBackgroundDisabled));
        if (enabled) {
            const bool vertical = (GetStyle() & PBS_VERTICAL) != 0;
            const detail::ProgressBarLayout layout =
                detail::LayoutProgressBar(local, pos, range.iLow, range.iHigh, vertical);
            if (layout.draw) {
                const RECT& b = layout.bar;
                const int x = b.left, y = b.top, w = b.right - b.left, h = b.bottom - b.top;
                Gdiplus::Graphics& graphics = buffer.Graphics();
                if (m_style == ProgressCtrlPathGradient) {
                    Gdiplus::GraphicsPath path;
                    path.AddRectangle(Gdiplus::Rect(x, y, w, h));
                    Gdiplus::PathGradientBrush brush(&path);
                    brush.SetCenterPoint(Gdiplus::PointF(x + w * 0.5f, y + (h - 1) * 0.5f));
                    brush.SetCenterColor(Gdiplus::Color(ToArgb(m_colorInfo.crBarCenter)));
                    Gdiplus::Color surround(ToArgb(m_colorInfo.crBarSurround));
                    INT count = 1;
                    brush.SetSurroundColors(&surround, &count);
                    brush.SetFocusScales(static_cast<float>(w) / (w + h), static_cast<float>(h) / (w + h));
                    graphics.FillPath(&brush, &path);
                } else if (m_style == ProgressCtrlLinearGradient) {
                    if (vertical) {
                        // The bar grows upwards: its start is at the bottom.
                        Gdiplus::LinearGradientBrush brush(
                            Gdiplus::Rect(x, y - 1, w + 1, h + 2),
                            Gdiplus::Color(ToArgb(m_colorInfo.crBarLinearEnd)),
                            Gdiplus::Color(ToArgb(m_colorInfo.crBarLinearStart)),
                            Gdiplus::LinearGradientModeVertical);
                        graphics.FillRectangle(&brush, x, y, w, h);
                    } else {
                        Gdiplus::LinearGradientBrush brush(
                            Gdiplus::Rect(x, y, w, h), Gdiplus::Color(ToArgb(m_colorInfo.crBarLinearStart)),
                            Gdiplus::Color(ToArgb(m_colorInfo.crBarLinearEnd)),
                            Gdiplus::LinearGradientModeHorizontal);
                        graphics.FillRectangle(&brush, x, y, w, h);
                    }
                }
            }
        }
        buffer.Present();
    } catch (...) {
    }
}

void NeloProgressCtrl::OnNcPaint() {
    try {
        CWindowDC windowDC(this);
        HDC dc = windowDC.GetSafeHdc();
        if (!dc)
            return;
        RECT window{};
        ::GetWindowRect(m_hWnd, &window);
        RECT frame{0, 0, window.right - window.left, window.bottom - window.top};
        const COLORREF colour =
            ::IsWindowEnabled(m_hWnd) ? m_colorInfo.crBarFrame : m_colorInfo.crBarFrameDisabled;
        // One colour on all four sides: a flat one-pixel frame.
        ::FrameRect(dc, &frame, SkinResourceCache::GetSolidBrush(colour));
    } catch (...) {
    }
}

void NeloProgressCtrl::OnEnable(BOOL enable) {
    CProgressCtrl::OnEnable(enable);
    Invalidate(FALSE);
    RepaintFrame();
}

} // namespace Tavrin

#include "NeloToolTipCtrl.h"

#include "ButtonsGeometry.h"
#include "SkinControl.h"
#include "SkinDrawing.h"
#include "SkinWindow.h"

namespace Tavrin {

BEGIN_MESSAGE_MAP(NeloToolTipCtrl, CToolTipCtrl)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &NeloToolTipCtrl::OnCustomDraw)
ON_WM_WINDOWPOSCHANGING()
ON_NOTIFY_REFLECT(TTN_SHOW, &NeloToolTipCtrl::OnTTNShow)
ON_WM_NCCALCSIZE()
END_MESSAGE_MAP()

NeloToolTipCtrl::NeloToolTipCtrl() : m_colorInfo(DefaultColorInfo()) {}

NeloToolTipCtrl::~NeloToolTipCtrl() {
    // A tooltip object may die before its window (its owner deletes it):
    // the window must not keep calling into a destroyed object.
    if (m_hWnd && ::IsWindow(m_hWnd))
        DestroyWindow();
}

_ToolTipCtrlColorInfo NeloToolTipCtrl::DefaultColorInfo() {
    return _ToolTipCtrlColorInfo{RGB(251, 252, 253), RGB(234, 252, 249), RGB(6, 45, 117), RGB(49, 93, 148)};
}

int NeloToolTipCtrl::SetToolTipCtrlColorInfo(const _ToolTipCtrlColorInfo& info) {
    try {
        m_colorInfo = info;
        if (m_hWnd) {
            // The keyboard focus stays where it is: a colour change is no
            // reason to take it from the control the user is typing in.
            ::SendMessage(m_hWnd, TTM_SETTIPTEXTCOLOR, info.crTipText, 0);
            RedrawFrame(m_hWnd);
        }
        return 1;
    } catch (...) {
        return 0;
    }
}

int NeloToolTipCtrl::GetToolTipCtrlColorInfo(_ToolTipCtrlColorInfo& info) {
    info = m_colorInfo;
    if (m_hWnd)
        info.crTipText = static_cast<COLORREF>(::SendMessage(m_hWnd, TTM_GETTIPTEXTCOLOR, 0, 0));
    return 1;
}

int NeloToolTipCtrl::SetFont(const CString& face, const int& pointSize, int bold) {
    HFONT font = SkinFont(face, pointSize, bold);
    if (!font)
        return 0;
    if (m_hWnd)
        ::SendMessage(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return 1;
}

int NeloToolTipCtrl::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

LRESULT NeloToolTipCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_CREATE: {
            const LRESULT result = CToolTipCtrl::WindowProc(message, wParam, lParam);
            m_colorInfo = DefaultColorInfo();
            SetFont(L"Arial", 10, 0);
            ::SendMessage(m_hWnd, TTM_SETTIPTEXTCOLOR, m_colorInfo.crTipText, 0);
            ModifyStyle(0, TTS_NOPREFIX);
            return result;
        }
        case TTM_SETTIPBKCOLOR:
        case TTM_SETTIPTEXTCOLOR:
        case TTM_UPDATETIPTEXTW:
            RedrawFrame(m_hWnd);
            break;
        case WM_PRINT:
            // The tip is only ever painted through custom draw.
            return 1;
        default:
            break;
        }
        return CToolTipCtrl::WindowProc(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

void NeloToolTipCtrl::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {
    // No default processing: the client area is the whole window, so the
    // frame drawn in the post-paint stage is the only border.
}

void NeloToolTipCtrl::OnWindowPosChanging(WINDOWPOS* pos) {
    CToolTipCtrl::OnWindowPosChanging(pos);
    try {
        CString text;
        GetWindowText(text);
        CClientDC clientDC(this);
        HDC dc = clientDC.GetSafeHdc();
        if (!dc)
            return;
        RECT measured{0, 0, 0, 0};
        ScopedSelectObject font(dc, WindowFont(m_hWnd));
        ::DrawTextW(dc, text.GetString(), text.GetLength(), &measured, DT_CALCRECT | DT_NOPREFIX | DT_CENTER);
        const SIZE size =
            geometry::ToolTipSize(SIZE{measured.right - measured.left, measured.bottom - measured.top});
        pos->cx = size.cx;
        pos->cy = size.cy;
    } catch (...) {
    }
}

void NeloToolTipCtrl::OnTTNShow(NMHDR*, LRESULT* result) {
    try {
        POINT pointer{};
        ::GetCursorPos(&pointer);
        const RECT tip = WindowLocalRect(m_hWnd);
        const POINT at =
            geometry::PlaceToolTip(pointer, SIZE{tip.right, tip.bottom}, WindowRectOf(::GetDesktopWindow()));
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    } catch (...) {
    }
    *result = 1; // placed here; the control must not move it
}

void NeloToolTipCtrl::OnCustomDraw(NMHDR* header, LRESULT* result) {
    auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(header);
    switch (draw->dwDrawStage) {
    case CDDS_PREPAINT:
        *result = CDRF_NOTIFYPOSTPAINT;
        return;
    case CDDS_POSTPAINT:
        try {
            PaintTip(draw->hdc);
        } catch (...) {
        }
        *result = CDRF_SKIPDEFAULT;
        return;
    default:
        *result = CDRF_DODEFAULT;
        return;
    }
}

void NeloToolTipCtrl::PaintTip(HDC dc) {
    RECT local = WindowLocalRect(m_hWnd);
    SkinPaintBuffer buffer(dc, local);
    if (!buffer.IsValid())
        return;
    FillVerticalGradient(buffer.Graphics(), ToGdiplusRect(local), m_colorInfo.crTipTop,
                         m_colorInfo.crTipBottom);
    HDC mem = buffer.DC();
    {
        ScopedSelectObject font(mem, WindowFont(m_hWnd));
        ::SetBkMode(mem, TRANSPARENT);
        ::SetTextColor(mem, static_cast<COLORREF>(::SendMessage(m_hWnd, TTM_GETTIPTEXTCOLOR, 0, 0)));
        CString text;
        GetWindowText(text);
        ::DrawTextW(mem, text.GetString(), text.GetLength(), &local, DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    }
    // The same colour on all four sides: a flat one-pixel frame.
    ::FrameRect(mem, &local, SkinResourceCache::GetSolidBrush(m_colorInfo.crTipFrame));
    buffer.Present();
}

} // namespace Tavrin

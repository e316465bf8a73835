#include "NeloToolTipCtrl.h"

#include "ButtonsGeometry.h"
#include "ButtonsInternal.h"
#include "SkinFoundation.h"

namespace Tavrin {

BEGIN_MESSAGE_MAP(NeloToolTipCtrl, CToolTipCtrl)
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &NeloToolTipCtrl::OnCustomDraw)
ON_WM_WINDOWPOSCHANGING()
ON_NOTIFY_REFLECT(TTN_SHOW, &NeloToolTipCtrl::OnTTNShow)
ON_WM_NCCALCSIZE()
END_MESSAGE_MAP()

NeloToolTipCtrl::NeloToolTipCtrl() : m_colorInfo(DefaultColorInfo()) {
    GdiplusSession::Acquire();
}

NeloToolTipCtrl::~NeloToolTipCtrl() {
    // A tooltip object may die before its window (its owner deletes it):
    // the window must not keep calling into a destroyed object.
    if (m_hWnd && ::IsWindow(m_hWnd))
        DestroyWindow();
    GdiplusSession::Release();
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
            detail::RedrawFrame(m_hWnd);
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
    HFONT font = SkinResourceCache::GetFont(FontKey(face.GetString(), pointSize, bold));
    if (!font)
        return 0;
    if (m_hWnd)
        ::SendMessage(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return 1;
}

int NeloToolTipCtrl::Invalidate(int erase) {
    if (!m_hWnd)
        return 0;
    ::InvalidateRect(m_hWnd, nullptr, erase);
    return 1;
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
            detail::RedrawFrame(m_hWnd);
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
        ScopedSelectObject font(dc, reinterpret_cast<HGDIOBJ>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0)));
        ::DrawTextW(dc, text.GetString(), text.GetLength(), &measured, DT_CALCRECT | DT_NOPREFIX | DT_CENTER);
        // Two pixels of air on each side horizontally, one above and below.
        pos->cx = measured.right - measured.left + 4;
        pos->cy = measured.bottom - measured.top + 2;
    } catch (...) {
    }
}

void NeloToolTipCtrl::OnTTNShow(NMHDR*, LRESULT* result) {
    try {
        POINT pointer{};
        ::GetCursorPos(&pointer);
        RECT window{}, desktop{};
        ::GetWindowRect(m_hWnd, &window);
        ::GetWindowRect(::GetDesktopWindow(), &desktop);
        const SIZE tip{window.right - window.left, window.bottom - window.top};
        const POINT at = detail::PlaceToolTip(pointer, tip, desktop);
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
    RECT window{};
    ::GetWindowRect(m_hWnd, &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    if (width <= 0 || height <= 0)
        return;
    RECT local{0, 0, width, height};
    SkinPaintBuffer buffer(dc, local);
    if (!buffer.IsValid())
        return;
    FillVerticalGradient(buffer.Graphics(), Gdiplus::Rect(0, 0, width, height), m_colorInfo.crTipTop,
                         m_colorInfo.crTipBottom);
    HDC mem = buffer.DC();
    {
        ScopedSelectObject font(mem, reinterpret_cast<HGDIOBJ>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0)));
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

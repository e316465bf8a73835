#include "SkinWindow.h"

namespace Tavrin {

RECT WindowRectOf(HWND window) {
    RECT r{0, 0, 0, 0};
    if (window)
        GetWindowRect(window, &r);
    return r;
}

RECT WindowLocalRect(HWND window) {
    const RECT r = WindowRectOf(window);
    return RECT{0, 0, r.right - r.left, r.bottom - r.top};
}

RECT WindowRectOnParent(HWND window) {
    RECT r = WindowRectOf(window);
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

POINT ScreenToWindowPoint(HWND window, POINT screen) {
    const RECT r = WindowRectOf(window);
    return POINT{screen.x - r.left, screen.y - r.top};
}

POINT PointFromLParam(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

void RedrawFrame(HWND window) {
    if (window && IsWindow(window))
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void RepaintFrameNow(HWND window) {
    if (window && IsWindow(window))
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

void RepaintNonClient(HWND window) {
    if (window && IsWindow(window))
        SendMessageW(window, WM_NCPAINT, 1, 0);
}

int InvalidateControl(HWND window, int erase) {
    if (!window)
        return 0;
    InvalidateRect(window, nullptr, erase);
    return 1;
}

HFONT WindowFont(HWND window) {
    return window ? reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)) : nullptr;
}

bool HoverTracker::Update(HWND window, bool inside) {
    const DWORD nonClient = m_nonClient ? TME_NONCLIENT : 0;
    if (inside && !m_tracking) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | nonClient, window, HOVER_DEFAULT};
        m_tracking = TrackMouseEvent(&track) != FALSE;
    } else if (!inside && m_tracking) {
        TRACKMOUSEEVENT track{sizeof(track), TME_CANCEL | TME_LEAVE | nonClient, window, HOVER_DEFAULT};
        TrackMouseEvent(&track);
        m_tracking = false;
    }
    const bool changed = inside != m_hover;
    m_hover = inside;
    return changed;
}

bool HoverTracker::Leave() {
    m_tracking = false;
    const bool changed = m_hover;
    m_hover = false;
    return changed;
}

void HoverTracker::Reset() {
    m_hover = false;
    m_tracking = false;
}

} // namespace Tavrin

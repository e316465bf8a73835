// Window pieces every skinned control repeats: window-relative rectangles and
// points, frame redraws, invalidation, and hover tracking.
#pragma once

#include "TavrinExport.h"

#include <windows.h>

namespace Tavrin {

// The window's rectangle in screen coordinates (empty without a window).
TAVRIN_API RECT WindowRectOf(HWND window);
// The window's size as a rectangle at (0, 0): where non-client painting
// draws on the window DC.
TAVRIN_API RECT WindowLocalRect(HWND window);
// The window's rectangle in its parent's client coordinates (where a
// sibling placed beside it goes).
TAVRIN_API RECT WindowRectOnParent(HWND window);
// A screen point relative to the window's top-left corner.
TAVRIN_API POINT ScreenToWindowPoint(HWND window, POINT screen);
// The signed point packed into a mouse message's lParam.
TAVRIN_API POINT PointFromLParam(LPARAM lParam);

// Recomputes and redraws the frame and client: SetWindowPos with
// SWP_FRAMECHANGED (no move, no size, no z-order change, no activation).
TAVRIN_API void RedrawFrame(HWND window);
// Repaints the frame and client at once, without recomputing the frame.
TAVRIN_API void RepaintFrameNow(HWND window);
// Sends WM_NCPAINT for the whole frame.
TAVRIN_API void RepaintNonClient(HWND window);
// The controls' Invalidate: 0 without a window, else the whole client area
// is invalidated and 1 returned.
TAVRIN_API int InvalidateControl(HWND window, int erase);

// The shape of every drawing switch's setter (hover effect, focus effect,
// sort symbol, styles): the new value is stored, and the control repaints
// itself through its own Invalidate only when the value changed. Always 1.
template <typename Control, typename Value, typename Given>
int SetDrawingOption(Control& control, Value& option, const Given& value, int erase) {
    if (!(option == value)) {
        option = value;
        control.Invalidate(erase);
    }
    return 1;
}

// The window's own font (WM_GETFONT).
TAVRIN_API HFONT WindowFont(HWND window);

// Hover state of a control or of a part of its frame. The leave notification
// is requested once per entry (with TME_NONCLIENT for a frame), cancelled
// when the pointer leaves the hot area inside the window, and forgotten when
// the system reports the leave.
class TAVRIN_API HoverTracker {
public:
    explicit HoverTracker(bool nonClient = false) : m_nonClient(nonClient) {}

    // The pointer moved; 'inside' says whether it is over the hot area.
    // True when the hover state changed.
    bool Update(HWND window, bool inside);
    // WM_MOUSELEAVE or WM_NCMOUSELEAVE arrived: the system has ended the
    // tracking. True when the hover state changed.
    bool Leave();
    // Forgets everything (a window attached afresh).
    void Reset();

    bool IsHovering() const { return m_hover; }
    bool IsTracking() const { return m_tracking; }

private:
    bool m_nonClient;
    bool m_hover = false;
    bool m_tracking = false;
};

} // namespace Tavrin

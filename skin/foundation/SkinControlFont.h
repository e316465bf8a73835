// The two shapes of a skinned control's SetFont(face, pointSize, bold). The
// font is always the cached one of that face, size and weight (SkinFont,
// never deleted by the control); no such font means 0 and nothing changes.
// Either shape repaints through the control's own Invalidate.
#pragma once

#include "SkinControl.h"

namespace Tavrin {

// A control that paints its text itself keeps the font in a member.
template <typename Control>
int ApplyKeptFont(Control& control, HFONT& kept, const CString& face, int pointSize, int bold, int erase) {
    HFONT font = SkinFont(face, pointSize, bold);
    if (!font)
        return 0;
    kept = font;
    control.Invalidate(erase);
    return 1;
}

// A control that paints with its window's font gives the window the font
// (WM_SETFONT with redraw) once it has one.
template <typename Control>
int ApplyWindowFont(Control& control, const CString& face, int pointSize, int bold, int erase) {
    HFONT font = SkinFont(face, pointSize, bold);
    if (!font)
        return 0;
    if (HWND window = control.GetSafeHwnd())
        ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    control.Invalidate(erase);
    return 1;
}

} // namespace Tavrin

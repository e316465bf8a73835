// The setters skinned controls share beyond the drawing switches
// (SetDrawingOption): colour records, fonts and the one image of a control.
// Each repaints through the control's own Invalidate, so it behaves as the
// control's hand-written setter would.
#pragma once

#include "SkinControl.h"

namespace Tavrin {

// ---- Colour records ----------------------------------------------------
// A record taken and handed out whole. A record has no invalid values, so
// both always succeed: 1. Controls whose record holds the records of their
// parts (scroll bars, tips) pass those on themselves.

// Stores the caller's record and repaints the control.
template <typename Control, typename Record>
int ReplaceColourRecord(Control& control, Record& record, const Record& given, int erase) {
    record = given;
    control.Invalidate(erase);
    return 1;
}

// Copies the record out.
template <typename Record> int CopyColourRecord(const Record& record, Record& out) {
    out = record;
    return 1;
}

// ---- Fonts -------------------------------------------------------------
// The two shapes of SetFont(face, pointSize, bold). The font is always the
// cached one of that face, size and weight (SkinFont, never deleted by the
// control); no such font means 0 and nothing changes.

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

// ---- The control's one image -------------------------------------------
// An icon or bitmap handle puts its image into the control's one-image list
// (the handle stays the caller's); a null handle takes the image away, and
// the control repaints only when there was one.

// Always 1.
template <typename Control>
int ApplyIconImage(Control& control, CImageList& list, HICON icon, int small, int erase) {
    if (icon)
        LoadIconImage(list, icon, small);
    else if (!ClearImage(list))
        return 1;
    control.Invalidate(erase);
    return 1;
}

// 0 when the bitmap cannot be copied: the old image stays and nothing is
// repainted. Otherwise 1.
template <typename Control>
int ApplyBitmapImage(Control& control, CImageList& list, HBITMAP bitmap, COLORREF maskColour, int erase) {
    if (bitmap) {
        if (!LoadBitmapImage(list, bitmap, maskColour))
            return 0;
    } else if (!ClearImage(list)) {
        return 1;
    }
    control.Invalidate(erase);
    return 1;
}

} // namespace Tavrin

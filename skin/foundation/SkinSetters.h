// The shapes of the controls' look setters beyond SetDrawingOption
// (SkinWindow.h): a colour record taken and handed out whole, and a font
// chosen by face, size and weight. Each control repaints itself through its
// own Invalidate, so a setter behaves as the control's hand-written one
// would.
#pragma once

#include "SkinControl.h"

namespace Tavrin {

// Stores the caller's record and repaints the control. A record has no
// invalid values, so this always succeeds: 1. Controls whose record holds
// the records of their parts (scroll bars, tips) pass those on themselves.
template <typename Control, typename Record>
int ReplaceColourRecord(Control& control, Record& record, const Record& given, int erase) {
    record = given;
    control.Invalidate(erase);
    return 1;
}

// Copies the record out. Always 1.
template <typename Record> int CopyColourRecord(const Record& record, Record& out) {
    out = record;
    return 1;
}

// Takes the cached font of a face, point size and weight (SkinFont) and
// repaints the control: 1. A size outside 1..100 or a font that cannot be
// made leaves the old font: 0.
template <typename Control>
int SetSkinFont(Control& control, HFONT& font, const CString& face, int pointSize, int bold, int erase) {
    HFONT made = SkinFont(face, pointSize, bold);
    if (!made)
        return 0;
    font = made;
    control.Invalidate(erase);
    return 1;
}

} // namespace Tavrin

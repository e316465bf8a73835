// The shape of the controls' colour-record setters and getters, beside
// SetDrawingOption (SkinWindow.h) and the font setters (SkinControlFont.h):
// a record taken and handed out whole. The control repaints itself through
// its own Invalidate, so the setter behaves as its hand-written one would.
#pragma once

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

} // namespace Tavrin

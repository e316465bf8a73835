// Colours the program's windows share.
#pragma once

#include <Tavrin.h>

#include <windows.h>

#include <initializer_list>

// The client background of every dialog: statics and idle toolbar buttons
// use it so that they show no face of their own.
constexpr COLORREF kWindowBackground = RGB(225, 236, 249);
// White pixels of the program's bitmaps are transparent.
constexpr COLORREF kTransparentColour = RGB(255, 255, 255);

// Reads the colour record of the first label, gives it the window's
// background as its gradient (so a label shows only its text and picture)
// and writes it to every label.
inline void PaintLabelsOnWindowBackground(std::initializer_list<Tavrin::NeloStatic*> labels) {
    if (labels.size() == 0)
        return;
    Tavrin::_StaticColorInfo colours;
    (*labels.begin())->GetStaticColorInfo(colours);
    colours.crStaticTop = kWindowBackground;
    colours.crStaticBottom = kWindowBackground;
    for (Tavrin::NeloStatic* label : labels)
        label->SetStaticColorInfo(colours);
}

// Colours the program's windows share.
#pragma once

#include <windows.h>

// The client background of every dialog: statics and idle toolbar buttons
// use it so that they show no face of their own.
constexpr COLORREF kWindowBackground = RGB(225, 236, 249);
// White pixels of the program's bitmaps are transparent.
constexpr COLORREF kTransparentColour = RGB(255, 255, 255);

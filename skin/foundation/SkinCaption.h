// The single-line caption that check boxes and radio buttons draw to the
// right of their box or circle, and the dotted focus outline around it.
#pragma once

#include "TavrinExport.h"

#include <afxwin.h>

namespace Tavrin {

// Draws 'text' on one line from 'captionLeft' to the item's right edge,
// centred vertically, tabs expanded, transparent, in the given font and
// colour. Nothing for an empty text.
TAVRIN_API void DrawSideCaption(HDC dc, const RECT& item, int captionLeft, const CString& text, HFONT font,
                                COLORREF colour);

// Outlines the caption drawn by DrawSideCaption with a one-pixel dotted GDI+
// pen, two pixels of air across and one above and below.
TAVRIN_API void DrawSideCaptionFocus(HDC dc, const RECT& item, int captionLeft, const CString& text,
                                     HFONT font, COLORREF colour);

} // namespace Tavrin

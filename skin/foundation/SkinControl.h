// Framework-side pieces the skinned controls share: fonts by face and size,
// and the one-image list behind every control that shows an icon or a
// bitmap.
#pragma once

#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Tavrin {

// The cached font of a face, point size and weight; null for a size outside
// 1..100 or a font that cannot be made. Never deleted by the caller.
TAVRIN_API HFONT SkinFont(const CString& face, int pointSize, int bold);

// Replaces 'list' with one image made from an icon. 'small' asks for 16 x 16,
// otherwise the icon's own size is used. The icon stays the caller's.
TAVRIN_API bool LoadIconImage(CImageList& list, HICON icon, int small);
// Replaces 'list' with one image made from a copy of a bitmap in which
// 'maskColour' becomes transparent. The bitmap stays the caller's. Leaves
// the old list untouched and returns false when the bitmap cannot be copied.
TAVRIN_API bool LoadBitmapImage(CImageList& list, HBITMAP bitmap, COLORREF maskColour);
// Removes the image; true when there was one.
TAVRIN_API bool ClearImage(CImageList& list);
// Draws image 0 of a list at its own size, unmasked colours kept (no
// blending, no greying): ILD_NORMAL, SRCCOPY, CLR_NONE background and
// foreground. Nothing without an image.
TAVRIN_API void DrawSingleImage(const CImageList& list, HDC dc, int x, int y);

// A control that paints its client area itself, through one painter for
// WM_PAINT and WM_PRINTCLIENT, so that a printed control looks like the one
// on screen:
//
//     void NeloStatic::OnPaint() { PaintClient(*this, *this); }
//     void NeloStatic::OnPrintClient(CDC* dc, UINT) { PrintClient(*this, *this, dc); }
//     void NeloStatic::PaintClient(HDC dc, const RECT& client) { ... }
class TAVRIN_API ClientPainter {
public:
    virtual ~ClientPainter() = default;
    // Draws the whole client rectangle onto dc.
    virtual void PaintClient(HDC dc, const RECT& client) = 0;
};

// WM_PAINT: a paint DC for the window, then the painter. Nothing thrown by
// the painter leaves the handler.
TAVRIN_API void PaintClient(CWnd& window, ClientPainter& painter);
// WM_PRINTCLIENT: the painter on the DC the caller passed.
TAVRIN_API void PrintClient(CWnd& window, ClientPainter& painter, CDC* dc);

} // namespace Tavrin

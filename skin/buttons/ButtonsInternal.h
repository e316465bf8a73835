// Helpers shared by the skinned buttons, statics and progress bars.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

namespace Tavrin {
namespace detail {

// Redraws a window's frame and client: SetWindowPos with SWP_FRAMECHANGED
// (no move, no size, no z-order change, no activation).
void RedrawFrame(HWND window);

// Draws image 0 of a list at its own size, unmasked colours kept (no
// blending, no greying): ILD_NORMAL, SRCCOPY, CLR_NONE background and
// foreground.
void DrawSingleImage(HIMAGELIST list, HDC dc, int x, int y);

// Replaces 'list' with one image made from an icon. 'small' asks for 16 x 16,
// otherwise the icon's own size is used. The icon stays the caller's.
bool LoadIconImage(CImageList& list, HICON icon, int small);
// Replaces 'list' with one image made from a copy of a bitmap in which
// 'maskColour' becomes transparent. The bitmap stays the caller's. Leaves
// the old list untouched and returns false when the bitmap cannot be copied.
bool LoadBitmapImage(CImageList& list, HBITMAP bitmap, COLORREF maskColour);
// Removes the image; true when there was one.
bool ClearImage(CImageList& list);

} // namespace detail
} // namespace Tavrin

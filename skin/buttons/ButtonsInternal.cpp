#include "ButtonsInternal.h"

namespace Tavrin {
namespace detail {

void RedrawFrame(HWND window) {
    if (window && ::IsWindow(window))
        ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void DrawSingleImage(HIMAGELIST list, HDC dc, int x, int y) {
    if (!list || ImageList_GetImageCount(list) < 1)
        return;
    IMAGELISTDRAWPARAMS params{};
    params.cbSize = sizeof(params);
    params.himl = list;
    params.i = 0;
    params.hdcDst = dc;
    params.x = x;
    params.y = y;
    params.cx = 0; // the image's own size
    params.cy = 0;
    params.rgbBk = CLR_NONE;
    params.rgbFg = CLR_NONE;
    params.fStyle = ILD_NORMAL;
    params.dwRop = SRCCOPY;
    ImageList_DrawIndirect(&params);
}

bool LoadIconImage(CImageList& list, HICON icon, int small) {
    int cx = 16, cy = 16;
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info))
        return false;
    if (!small) {
        BITMAP bm{};
        if (info.hbmColor && ::GetObject(info.hbmColor, sizeof(bm), &bm)) {
            cx = bm.bmWidth;
            cy = bm.bmHeight;
        } else if (info.hbmMask && ::GetObject(info.hbmMask, sizeof(bm), &bm)) {
            // A monochrome icon keeps its AND and XOR masks stacked in one bitmap.
            cx = bm.bmWidth;
            cy = bm.bmHeight / 2;
        }
    }
    // GetIconInfo hands out copies of the icon's bitmaps: they are ours to free.
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);

    list.DeleteImageList();
    if (!list.Create(cx, cy, ILC_COLOR32 | ILC_MASK, 0, 2))
        return false;
    return list.Add(icon) >= 0;
}

bool LoadBitmapImage(CImageList& list, HBITMAP bitmap, COLORREF maskColour) {
    HBITMAP copy = static_cast<HBITMAP>(::CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0));
    if (!copy)
        return false;
    BITMAP bm{};
    if (!::GetObject(copy, sizeof(bm), &bm)) {
        ::DeleteObject(copy);
        return false;
    }
    list.DeleteImageList();
    bool added = false;
    if (list.Create(bm.bmWidth, bm.bmHeight, ILC_COLOR32 | ILC_MASK, 0, 2))
        added = ImageList_AddMasked(list.GetSafeHandle(), copy, maskColour) >= 0;
    // The list keeps its own copy of the pixels.
    ::DeleteObject(copy);
    return added;
}

bool ClearImage(CImageList& list) {
    if (!list.GetSafeHandle())
        return false;
    const bool hadImage = list.GetImageCount() > 0;
    list.DeleteImageList();
    return hadImage;
}

} // namespace detail
} // namespace Tavrin

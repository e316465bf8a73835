#include "SkinControl.h"

#include "SkinFoundation.h"

namespace Tavrin {

HFONT SkinFont(const CString& face, int pointSize, int bold) {
    return SkinResourceCache::GetFont(FontKey(face.GetString(), pointSize, bold));
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
    OwnedGdiObject<HBITMAP> copy(static_cast<HBITMAP>(::CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)));
    BITMAP bm{};
    if (!copy || !::GetObject(copy, sizeof(bm), &bm))
        return false;
    list.DeleteImageList();
    // The list keeps its own copy of the pixels.
    return list.Create(bm.bmWidth, bm.bmHeight, ILC_COLOR32 | ILC_MASK, 0, 2) &&
           ImageList_AddMasked(list.GetSafeHandle(), copy, maskColour) >= 0;
}

bool ClearImage(CImageList& list) {
    if (!list.GetSafeHandle())
        return false;
    const bool hadImage = list.GetImageCount() > 0;
    list.DeleteImageList();
    return hadImage;
}

void DrawSingleImage(const CImageList& list, HDC dc, int x, int y) {
    HIMAGELIST handle = list.GetSafeHandle();
    if (!handle || ImageList_GetImageCount(handle) < 1)
        return;
    IMAGELISTDRAWPARAMS params{};
    params.cbSize = sizeof(params);
    params.himl = handle;
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

namespace {

void PaintOn(CWnd& window, ClientPainter& painter, HDC dc) {
    if (!dc)
        return;
    try {
        RECT client{};
        ::GetClientRect(window.GetSafeHwnd(), &client);
        painter.PaintClient(dc, client);
    } catch (...) {
    }
}

} // namespace

void PaintClient(CWnd& window, ClientPainter& painter) {
    CPaintDC paint(&window);
    PaintOn(window, painter, paint.GetSafeHdc());
}

void PrintClient(CWnd& window, ClientPainter& painter, CDC* dc) {
    PaintOn(window, painter, dc ? dc->GetSafeHdc() : nullptr);
}

} // namespace Tavrin

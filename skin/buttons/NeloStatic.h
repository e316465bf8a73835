// Skinned static text and group box. Both draw straight onto the paint DC:
// the static as a vertical gradient with an optional image and its text
// placed from its own SS_ styles, the group box as an anti-aliased rounded
// frame with the caption set into a gap in the line.
//
// NeloStatic takes over: painting (WM_PAINT and WM_PRINTCLIENT through one
// painter) and WM_SETTEXT (repaints). NeloGroupBox takes over painting the
// same way; it never takes input. Everything else stays with the system's
// static and button.
#pragma once

#include "ButtonsGeometry.h"
#include "SkinControl.h"
#include "SkinFoundation.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Tavrin {

struct _StaticColorInfo {
    COLORREF crStaticTop;    // background gradient, top
    COLORREF crStaticBottom; // background gradient, bottom
    COLORREF crStaticText;   // text
};

class TAVRIN_API NeloStatic : public CStatic, public ClientPainter {
public:
    NeloStatic();
    virtual ~NeloStatic();

    static _StaticColorInfo DefaultColorInfo();

    int SetStaticColorInfo(const _StaticColorInfo& info);
    int GetStaticColorInfo(_StaticColorInfo& info);
    int SetFont(const CString& face, const int& pointSize, int bold);
    int SetIcon(HICON icon, int small);
    // The bitmap stays the caller's; maskColour pixels become transparent.
    // Fails (0) and keeps the old image when the bitmap cannot be copied.
    int SetBitmap(HBITMAP bitmap, COLORREF maskColour);
    HBITMAP GetBitmap();
    int SetPicturePos(const int& x, const int& y);
    int GetPicturePos(int& x, int& y);
    int Invalidate(int erase);

protected:
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnPaint();
    afx_msg void OnPrintClient(CDC* dc, UINT flags);
    DECLARE_MESSAGE_MAP()

private:
    void PaintClient(HDC dc, const RECT& client) override;

    GdiplusSessionScope m_gdiplus;
    _StaticColorInfo m_colorInfo;
    CImageList m_imageList;
    CPoint m_picturePos;
    HICON m_icon;
    HBITMAP m_bitmap;
    HFONT m_font;
};

struct _GroupBoxColorInfo {
    COLORREF crGroupLine; // frame line
    COLORREF crGroupText; // caption
};

// Corner radius of the frame: 0 -> square, 1 -> 2, 2 -> 4, 3 -> 8 pixels;
// other values square.
typedef int GroupBoxRoundCornersStyle;
enum : int {
    GroupBoxCornersSquare = 0,
    GroupBoxCornersSmall = 1,
    GroupBoxCornersMedium = 2,
    GroupBoxCornersLarge = 3,
};

class TAVRIN_API NeloGroupBox : public CButton, public ClientPainter {
public:
    NeloGroupBox();
    virtual ~NeloGroupBox();

    static _GroupBoxColorInfo DefaultColorInfo();

    int SetGroupBoxColorInfo(const _GroupBoxColorInfo& info);
    int GetGroupBoxColorInfo(_GroupBoxColorInfo& info);
    // 1..10 pixels; a box too small for the line lowers it when painted.
    int SetLineThickness(const int& thickness);
    int GetLineThickness();
    int ShowText(int show);
    int SetRoundCornersStyle(GroupBoxRoundCornersStyle style);
    int SetFont(const CString& face, const int& pointSize, int bold);
    // Redraws the whole box; the argument is ignored.
    int Invalidate(int erase);

protected:
    virtual void PreSubclassWindow();

    afx_msg void OnPaint();
    afx_msg void OnPrintClient(CDC* dc, UINT flags);
    DECLARE_MESSAGE_MAP()

private:
    void Redraw();
    void PaintClient(HDC dc, const RECT& client) override;
    void DrawCaption(HDC dc, Gdiplus::Graphics& graphics, const geometry::GroupBoxLayout& layout,
                     const CString& text);
    void DrawFrame(Gdiplus::Graphics& graphics, const geometry::GroupBoxLayout& layout);

    GdiplusSessionScope m_gdiplus;
    _GroupBoxColorInfo m_colorInfo;
    int m_lineThickness;
    int m_showText;
    GroupBoxRoundCornersStyle m_cornerStyle;
};

} // namespace Tavrin

#include "NeloStatic.h"

#include "ButtonsGeometry.h"
#include "SkinControl.h"
#include "SkinControlSetters.h"
#include "SkinDrawing.h"
#include "SkinWindow.h"

namespace Tavrin {

BEGIN_MESSAGE_MAP(NeloStatic, CStatic)
ON_WM_PAINT()
ON_WM_PRINTCLIENT()
END_MESSAGE_MAP()

NeloStatic::NeloStatic()
    : m_colorInfo(DefaultColorInfo()), m_picturePos(0, 0), m_icon(nullptr), m_bitmap(nullptr),
      m_font(SkinFont(L"Arial", 10, 0)) {}

NeloStatic::~NeloStatic() {
    m_imageList.DeleteImageList();
}

_StaticColorInfo NeloStatic::DefaultColorInfo() {
    return _StaticColorInfo{RGB(250, 250, 250), RGB(250, 250, 250), RGB(6, 45, 117)};
}

void NeloStatic::PreSubclassWindow() {
    m_colorInfo = DefaultColorInfo();
    m_picturePos = CPoint(0, 0);
    m_icon = nullptr;
    m_bitmap = nullptr;
    ModifyStyleEx(0, WS_EX_TRANSPARENT);
    SetFont(L"Arial", 10, 0);
    CStatic::PreSubclassWindow();
}

// Two colour records are the same when all three colours are.
static bool operator==(const _StaticColorInfo& a, const _StaticColorInfo& b) {
    return a.crStaticTop == b.crStaticTop && a.crStaticBottom == b.crStaticBottom &&
           a.crStaticText == b.crStaticText;
}

int NeloStatic::SetStaticColorInfo(const _StaticColorInfo& info) {
    return SetDrawingOption(*this, m_colorInfo, info, FALSE);
}

int NeloStatic::GetStaticColorInfo(_StaticColorInfo& info) {
    info = m_colorInfo;
    return 1;
}

int NeloStatic::SetFont(const CString& face, const int& pointSize, int bold) {
    HFONT font = SkinFont(face, pointSize, bold);
    if (!font)
        return 0;
    // The window's own font is the one painted with: a static created from
    // a dialog template starts with the dialog's font.
    if (font != m_font || (m_hWnd && WindowFont(m_hWnd) != font)) {
        m_font = font;
        if (m_hWnd) {
            ::SendMessage(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
            Invalidate(TRUE);
        }
    }
    return 1;
}

int NeloStatic::SetIcon(HICON icon, int small) {
    m_icon = icon;
    m_bitmap = nullptr;
    return ApplyIconImage(*this, m_imageList, icon, small, FALSE);
}

int NeloStatic::SetBitmap(HBITMAP bitmap, COLORREF maskColour) {
    m_bitmap = bitmap;
    m_icon = nullptr;
    return ApplyBitmapImage(*this, m_imageList, bitmap, maskColour, FALSE);
}

HBITMAP NeloStatic::GetBitmap() {
    return m_bitmap;
}

int NeloStatic::SetPicturePos(const int& x, const int& y) {
    return SetDrawingOption(*this, m_picturePos, CPoint(x, y), FALSE);
}

int NeloStatic::GetPicturePos(int& x, int& y) {
    x = m_picturePos.x;
    y = m_picturePos.y;
    return 1;
}

int NeloStatic::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

LRESULT NeloStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_SETTEXT)
            Invalidate(TRUE);
        return CStatic::WindowProc(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

void NeloStatic::OnPaint() {
    Tavrin::PaintClient(*this, *this);
}

void NeloStatic::OnPrintClient(CDC* dc, UINT) {
    Tavrin::PrintClient(*this, *this, dc);
}

void NeloStatic::PaintClient(HDC dc, const RECT& client) {
    ScopedSelectObject font(dc, WindowFont(m_hWnd));
    {
        Gdiplus::Graphics graphics(dc);
        FillVerticalGradient(graphics, ToGdiplusRect(client), m_colorInfo.crStaticTop,
                             m_colorInfo.crStaticBottom);
    }
    DrawSingleImage(m_imageList, dc, client.left + m_picturePos.x, client.top + m_picturePos.y);

    CString text;
    GetWindowText(text);
    RECT textRect = client;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, m_colorInfo.crStaticText);
    ::DrawTextW(dc, text.GetString(), text.GetLength(), &textRect,
                geometry::StaticTextFormat(GetStyle(), text.GetString()));
}

} // namespace Tavrin

#include "NeloStatic.h"

#include "ButtonsInternal.h"
#include "SkinFoundation.h"

#include <cwchar>

namespace Tavrin {

namespace {

// DrawTextW format for a static's text, from its own style bits.
UINT StaticTextFormat(DWORD style, const CString& text) {
    const wchar_t* chars = text.GetString();
    if (style & SS_CENTERIMAGE) {
        // Vertical centring needs a single line; a text with line breaks is
        // only centred across.
        return std::wcsstr(chars, L"\r\n") ? DT_CENTER : (DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    UINT format;
    switch (style & 0x1F) {
    case SS_LEFT:
        format = DT_WORDBREAK;
        break;
    case SS_CENTER:
        format = DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        format = DT_RIGHT | DT_WORDBREAK;
        break;
    default:
        format = 0;
        break;
    }
    if (std::wcschr(chars, L'\t'))
        format |= DT_EXPANDTABS;
    return format;
}

} // namespace

BEGIN_MESSAGE_MAP(NeloStatic, CStatic)
ON_WM_PAINT()
END_MESSAGE_MAP()

NeloStatic::NeloStatic()
    : m_colorInfo(DefaultColorInfo()), m_pictureX(0), m_pictureY(0), m_icon(nullptr), m_bitmap(nullptr),
      m_font(SkinResourceCache::GetFont(FontKey(L"Arial", 10, 0))) {
    GdiplusSession::Acquire();
}

NeloStatic::~NeloStatic() {
    m_imageList.DeleteImageList();
    GdiplusSession::Release();
}

_StaticColorInfo NeloStatic::DefaultColorInfo() {
    return _StaticColorInfo{RGB(250, 250, 250), RGB(250, 250, 250), RGB(6, 45, 117)};
}

void NeloStatic::PreSubclassWindow() {
    m_colorInfo = DefaultColorInfo();
    m_pictureX = 0;
    m_pictureY = 0;
    m_icon = nullptr;
    m_bitmap = nullptr;
    ModifyStyleEx(0, WS_EX_TRANSPARENT);
    SetFont(L"Arial", 10, 0);
    CStatic::PreSubclassWindow();
}

int NeloStatic::SetStaticColorInfo(const _StaticColorInfo& info) {
    if (info.crStaticTop == m_colorInfo.crStaticTop && info.crStaticBottom == m_colorInfo.crStaticBottom &&
        info.crStaticText == m_colorInfo.crStaticText)
        return 1;
    m_colorInfo = info;
    Invalidate(FALSE);
    return 1;
}

int NeloStatic::GetStaticColorInfo(_StaticColorInfo& info) {
    info = m_colorInfo;
    return 1;
}

int NeloStatic::SetFont(const CString& face, const int& pointSize, int bold) {
    HFONT font = SkinResourceCache::GetFont(FontKey(face.GetString(), pointSize, bold));
    if (!font)
        return 0;
    // The window's own font is the one painted with: a static created from
    // a dialog template starts with the dialog's font.
    const bool windowHasIt =
        !m_hWnd || reinterpret_cast<HFONT>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0)) == font;
    if (font != m_font || !windowHasIt) {
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
    if (icon) {
        detail::LoadIconImage(m_imageList, icon, small);
        Invalidate(FALSE);
    } else if (detail::ClearImage(m_imageList)) {
        Invalidate(FALSE);
    }
    return 1;
}

int NeloStatic::SetBitmap(HBITMAP bitmap, COLORREF maskColour) {
    m_bitmap = bitmap;
    m_icon = nullptr;
    if (bitmap) {
        if (!detail::LoadBitmapImage(m_imageList, bitmap, maskColour))
            return 0;
        Invalidate(FALSE);
    } else if (detail::ClearImage(m_imageList)) {
        Invalidate(FALSE);
    }
    return 1;
}

HBITMAP NeloStatic::GetBitmap() {
    return m_bitmap;
}

int NeloStatic::SetPicturePos(const int& x, const int& y) {
    if (x == m_pictureX && y == m_pictureY)
        return 1;
    m_pictureX = x;
    m_pictureY = y;
    Invalidate(FALSE);
    return 1;
}

int NeloStatic::GetPicturePos(int& x, int& y) {
    x = m_pictureX;
    y = m_pictureY;
    return 1;
}

int NeloStatic::Invalidate(int erase) {
    if (!m_hWnd)
        return 0;
    ::InvalidateRect(m_hWnd, nullptr, erase);
    return 1;
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
    CPaintDC paint(this);
    try {
        HDC dc = paint.GetSafeHdc();
        RECT client{};
        ::GetClientRect(m_hWnd, &client);
        ScopedSelectObject font(dc, reinterpret_cast<HGDIOBJ>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0)));
        {
            Gdiplus::Graphics graphics(dc);
            FillVerticalGradient(graphics,
                                 Gdiplus::Rect(client.left, client.top, client.right - client.left,
                                               client.bottom - client.top),
                                 m_colorInfo.crStaticTop, m_colorInfo.crStaticBottom);
        }
        if (m_imageList.GetSafeHandle())
            detail::DrawSingleImage(m_imageList.GetSafeHandle(), dc, client.left + m_pictureX,
                                    client.top + m_pictureY);

        CString text;
        GetWindowText(text);
        const UINT format = StaticTextFormat(GetStyle(), text);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, m_colorInfo.crStaticText);
        ::DrawTextW(dc, text.GetString(), text.GetLength(), &client, format);
    } catch (...) {
    }
}

} // namespace Tavrin

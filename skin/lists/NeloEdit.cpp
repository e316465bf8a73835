#include "NeloEdit.h"

#include "ScrollBarHost.h"
#include "SkinControl.h"
#include "SkinDrawing.h"
#include "SkinScrollHostSteps.h"
#include "SkinWindow.h"

#include <vector>

namespace Tavrin {

namespace {

RECT Offset(RECT r, int dx, int dy) {
    ::OffsetRect(&r, dx, dy);
    return r;
}

bool IsEmptyRect(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

// The icon's own width (its colour bitmap, or half the height of a
// monochrome icon's stacked masks).
int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info))
        return 0;
    BITMAP bm{};
    int width = 0;
    if (info.hbmColor && ::GetObject(info.hbmColor, sizeof(bm), &bm))
        width = bm.bmWidth;
    else if (info.hbmMask && ::GetObject(info.hbmMask, sizeof(bm), &bm))
        width = bm.bmWidth;
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    if (info.hbmMask)
        ::DeleteObject(info.hbmMask);
    return width;
}

int ImageHeight(const CImageList& list) {
    int cx = 0, cy = 0;
    if (list.GetSafeHandle())
        ImageList_GetIconSize(list.GetSafeHandle(), &cx, &cy);
    return cy;
}

} // namespace

BEGIN_MESSAGE_MAP(NeloEdit, CEdit)
ON_WM_NCCALCSIZE()
ON_WM_PAINT()
ON_WM_NCPAINT()
ON_WM_CTLCOLOR_REFLECT()
ON_WM_CHAR()
ON_WM_SHOWWINDOW()
ON_WM_ENABLE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_KEYDOWN()
ON_WM_SIZE()
ON_WM_MOVE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCHITTEST()
ON_WM_MOUSEMOVE()
ON_WM_NCMOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_NCMOUSELEAVE()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_STYLECHANGED()
ON_REGISTERED_MESSAGE(INIT_NELO_EDIT_MSG, &NeloEdit::OnInitialize)
ON_REGISTERED_MESSAGE(ATTACH_NELO_EDIT_MSG, &NeloEdit::OnAttachBuddy)
ON_REGISTERED_MESSAGE(DETACH_NELO_EDIT_MSG, &NeloEdit::OnDetachBuddy)
ON_REGISTERED_MESSAGE(MOUSE_IN_NELO_SPIN_BUTTON_CTRL, &NeloEdit::OnMouseInBuddy)
ON_REGISTERED_MESSAGE(MOUSE_OVER_NELO_SCROLLBAR_MSG, &NeloEdit::OnMouseInScrollBar)
END_MESSAGE_MAP()

NeloEdit::NeloEdit() {
    DefaultColours(m_colors);
    m_colors.scrollBar = NeloScrollBar::DefaultColorInfo();
}

NeloEdit::~NeloEdit() = default;

void NeloEdit::DefaultColours(_EditColorInfo& info) {
    info.clrBackNormal = RGB(250, 250, 250);
    info.clrBackReadOnly = RGB(230, 230, 210);
    info.clrBackDisabled = RGB(236, 233, 216);
    info.clrTextNormal = RGB(6, 45, 117);
    info.clrTextReadOnly = RGB(6, 45, 117);
    info.clrTextDisabled = RGB(172, 168, 153);
    info.clrTextHint = RGB(170, 170, 170);
    info.clrBorderNormal = RGB(104, 128, 184);
    info.clrBorderFocus = RGB(240, 200, 128);
    info.clrBorderReadOnly = RGB(127, 157, 185);
    info.clrBorderHot = RGB(88, 168, 240);
    info.clrBorderDisabled = RGB(172, 168, 153);
    info.clrSizeBoxNormalFrom = RGB(212, 216, 238);
    info.clrSizeBoxNormalTo = RGB(187, 211, 233);
    info.clrSizeBoxReadOnlyFrom = RGB(212, 216, 238);
    info.clrSizeBoxReadOnlyTo = RGB(187, 211, 233);
    info.clrSizeBoxDisabledFrom = RGB(225, 234, 234);
    info.clrSizeBoxDisabledTo = RGB(185, 205, 251);
}

void NeloEdit::PreSubclassWindow() {
    DefaultColours(m_colors);
    if (!m_bars.Make()) {
        CEdit::PreSubclassWindow();
        return;
    }
    m_bars.ReadColours(m_colors.scrollBar);
    m_filter.Empty();
    m_hint.Empty();
    m_hintOn = 0;
    m_hoverEffect = 1;
    m_textIsHint = 1;
    m_alignment = EditTextAlignTop;
    m_iconWidth = 0;
    m_textOffset = 0;
    m_lastStyle = 0;
    m_hover.Clear();
    m_icon = nullptr;
    m_spinAttached = 0;
    m_spin = nullptr;
    m_thickness = SystemHostedBarThickness();
    CEdit::PreSubclassWindow();
    // The box draws its own one-pixel edge: a border or a sunken edge
    // becomes a static edge, which the frame painting then covers.
    if ((GetStyle() & WS_BORDER) || (GetExStyle() & WS_EX_CLIENTEDGE)) {
        ModifyStyle(WS_BORDER, 0);
        ModifyStyleEx(WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, WS_EX_STATICEDGE);
    } else {
        ModifyStyleEx(WS_EX_DLGMODALFRAME, 0);
    }
    ::PostMessageW(m_hWnd, INIT_NELO_EDIT_MSG, 0, 0);
}

LRESULT NeloEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_GETTEXTLENGTH:
            // The hint is not the user's text: data exchange and the program
            // read an empty box while it shows.
            if (HintShown())
                return 0;
            break;
        case WM_GETTEXT:
            if (HintShown()) {
                if (wParam > 0 && lParam)
                    reinterpret_cast<wchar_t*>(lParam)[0] = L'\0';
                return 0;
            }
            break;
        case WM_PASTE:
            return OnPaste();
        case WM_SETTEXT:
            return OnSetText(lParam);
        default:
            break;
        }
        return CEdit::WindowProc(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

// ---- Text, hint and filter ----------------------------------------------

CString NeloEdit::RawText() {
    CString text;
    if (!m_hWnd)
        return text;
    const int length = static_cast<int>(CWnd::DefWindowProc(WM_GETTEXTLENGTH, 0, 0));
    if (length <= 0)
        return text;
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    CWnd::DefWindowProc(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    text = buffer.data();
    return text;
}

void NeloEdit::SetRawText(const CString& text) {
    if (m_hWnd)
        CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.GetString()));
}

CString NeloEdit::Filtered(const CString& text) const {
    if (m_filter.IsEmpty())
        return text;
    CString kept;
    for (int i = 0; i < text.GetLength(); ++i) {
        if (m_filter.Find(text[i]) < 0)
            kept += text[i];
    }
    return kept;
}

bool NeloEdit::HintShown() {
    return m_hWnd && m_hintOn && m_textIsHint && !m_hint.IsEmpty() && RawText() == m_hint;
}

LRESULT NeloEdit::OnSetText(LPARAM lParam) {
    const wchar_t* text = reinterpret_cast<const wchar_t*>(lParam);
    if (!text || m_filter.IsEmpty())
        return CWnd::DefWindowProc(WM_SETTEXT, 0, lParam);
    const CString kept = Filtered(CString(text));
    return CWnd::DefWindowProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kept.GetString()));
}

LRESULT NeloEdit::OnPaste() {
    if (m_filter.IsEmpty())
        return CWnd::DefWindowProc(WM_PASTE, 0, 0);
    SendMessage(WM_SETREDRAW, FALSE, 0);
    const LRESULT result = CWnd::DefWindowProc(WM_PASTE, 0, 0);
    // The whole positions: the packed result holds only their low 16 bits.
    DWORD start = 0, end = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const CString pasted = RawText();
    SetWindowText(pasted);
    const CString kept = RawText();
    const int caret =
        geometry::EditCaretAfterFilter(static_cast<int>(end), pasted.GetLength(), kept.GetLength());
    SendMessage(EM_SETSEL, caret, caret);
    SendMessage(EM_SCROLLCARET, 0, 0);
    SendMessage(WM_SETREDRAW, TRUE, 0);
    SendMessage(EM_SETSEL, caret, caret);
    SendMessage(EM_SCROLLCARET, 0, 0);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return result;
}

void NeloEdit::OnChar(UINT ch, UINT, UINT) {
    if (!m_filter.IsEmpty() && m_filter.Find(static_cast<wchar_t>(ch)) >= 0)
        return;
    Default();
}

int NeloEdit::SetFilterCharList(const CString& chars) {
    try {
        if (chars == m_filter)
            return 1;
        m_filter = chars;
        if (m_hWnd && !HintShown())
            SetWindowText(RawText());
        return 1;
    } catch (...) {
        return 0;
    }
}

CString NeloEdit::GetFilterCharList() {
    return m_filter;
}

int NeloEdit::ShowHintText(int show, const CString& hint) {
    try {
        if (hint.IsEmpty())
            show = 0;
        if (!m_hintOn && !show)
            return 1;
        const CString current = RawText();
        const bool wasShown = HintShown();
        m_hint = show ? hint : CString();
        if (!current.IsEmpty() && wasShown) {
            SetRawText(m_hint);
            m_textIsHint = show ? 1 : 0;
        } else if (current.IsEmpty() && !m_hintOn && show && ::GetFocus() != m_hWnd) {
            // A box being typed into gets its hint when it loses the focus.
            SetRawText(m_hint);
            m_textIsHint = 1;
        }
        m_hintOn = show ? 1 : 0;
        Invalidate(FALSE);
        return 1;
    } catch (...) {
        return 0;
    }
}

void NeloEdit::OnSetFocus(CWnd* oldWnd) {
    if (HintShown()) {
        SetRawText(CString());
        m_textIsHint = 0;
    }
    CEdit::OnSetFocus(oldWnd);
    DrawBorder();
}

void NeloEdit::OnKillFocus(CWnd* newWnd) {
    CEdit::OnKillFocus(newWnd);
    if (RawText().IsEmpty()) {
        if (m_hintOn && !m_hint.IsEmpty()) {
            SetRawText(m_hint);
            m_textIsHint = 1;
        }
    } else {
        m_textIsHint = 0;
    }
    DrawBorder();
}

// ---- Colours, icon, font, alignment ---------------------------------------

int NeloEdit::SetEditColorInfo(const _EditColorInfo& info) {
    try {
        if (!m_bars.Ready())
            return 0;
        m_colors = info;
        m_bars.SetColours(info.scrollBar);
        if (m_hWnd) {
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
            RedrawFrame(m_hWnd);
        }
        return 1;
    } catch (...) {
        return 0;
    }
}

int NeloEdit::GetEditColorInfo(_EditColorInfo& info) {
    if (!m_bars.Horizontal())
        return 0;
    m_bars.ReadColours(m_colors.scrollBar);
    info = m_colors;
    return 1;
}

int NeloEdit::SetIcon(HICON icon, int smallIcon) {
    try {
        if (!m_hWnd || (GetStyle() & ES_MULTILINE))
            return 0;
        m_icon = icon;
        if (icon && LoadIconImage(m_icons, icon, smallIcon)) {
            m_iconWidth = geometry::EditIconAreaWidth(true, smallIcon != 0, IconWidth(icon));
        } else {
            m_icon = nullptr;
            ClearImage(m_icons);
            m_iconWidth = 0;
        }
        // The icon area is part of the frame: the client area is computed
        // again.
        RedrawFrame(m_hWnd);
        return 1;
    } catch (...) {
        return 0;
    }
}

HICON NeloEdit::GetIcon() {
    return m_icon;
}

int NeloEdit::SetFont(const CString& faceName, const int& pointSize, int bold) {
    try {
        HFONT font = SkinFont(faceName, pointSize, bold);
        if (!font || !m_hWnd)
            return 0;
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        ApplyTextAlignment(m_alignment, true);
        const DWORD margins = static_cast<DWORD>(SendMessage(EM_GETMARGINS, 0, 0));
        SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(3, HIWORD(margins)));
        return 1;
    } catch (...) {
        return 0;
    }
}

int NeloEdit::SetTextAlignment(EditTextAlignmentStyle style) {
    try {
        if (!m_hWnd || (GetStyle() & ES_MULTILINE))
            return 0;
        if (style != m_alignment)
            ApplyTextAlignment(style, true);
        return 1;
    } catch (...) {
        return 0;
    }
}

void NeloEdit::ApplyTextAlignment(EditTextAlignmentStyle style, bool force) {
    if (!m_hWnd || (GetStyle() & ES_MULTILINE))
        return;
    if (!force && style == m_alignment)
        return;
    m_alignment = style;
    m_textOffset = 0;
    if (style == EditTextAlignCenter || style == EditTextAlignBottom) {
        HDC dc = ::GetDC(m_hWnd);
        SIZE text{0, 0};
        {
            ScopedSelectObject font(dc, WindowFont(m_hWnd));
            ::GetTextExtentPoint32W(dc, L"0gk", 3, &text);
        }
        ::ReleaseDC(m_hWnd, dc);
        const RECT window = WindowLocalRect(m_hWnd);
        m_textOffset = geometry::EditTextOffset(style, text.cy, window.bottom,
                                                (GetExStyle() & WS_EX_STATICEDGE) != 0);
    }
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

int NeloEdit::ShowHoverEffect(int show) {
    return SetHostedHoverEffect(m_bars, m_hoverEffect, show, [this] { DrawBorder(); });
}

int NeloEdit::ShowScrollBarThumbSymbol(int show) {
    if (!m_bars.Ready())
        return 0;
    return m_bars.ShowThumbSymbol(show);
}

int NeloEdit::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

LRESULT NeloEdit::OnInitialize(WPARAM, LPARAM) {
    SetFont(L"Arial", 10, 0);
    ModifyStyle(0, WS_CLIPCHILDREN);
    SetScrollBar();
    RedrawFrame(m_hWnd);
    return 1;
}

// ---- Frame and scroll bars ------------------------------------------------

COLORREF NeloEdit::BackColour() {
    if (!::IsWindowEnabled(m_hWnd))
        return m_colors.clrBackDisabled;
    if (GetStyle() & ES_READONLY)
        return m_colors.clrBackReadOnly;
    return m_colors.clrBackNormal;
}

bool NeloEdit::IsHot() const {
    return m_hoverEffect && m_hover.Any();
}

COLORREF NeloEdit::BorderColour() {
    if (!m_hWnd || !::IsWindowEnabled(m_hWnd))
        return m_colors.clrBorderDisabled;
    if (::GetFocus() == m_hWnd)
        return m_colors.clrBorderFocus;
    if (IsHot())
        return m_colors.clrBorderHot;
    if (GetStyle() & ES_READONLY)
        return m_colors.clrBorderReadOnly;
    return m_colors.clrBorderNormal;
}

void NeloEdit::SetScrollBar() {
    SyncHostedBars(*this, m_bars);
}

void NeloEdit::CalculateScrollBarSize(const RECT* clientRect, const RECT* windowRect, int hasHorz,
                                      int hasVert) {
    if (!m_hWnd)
        return;
    RECT client{};
    if (clientRect) {
        client = *clientRect;
    } else {
        client = WindowRelativeClient(m_hWnd);
        // The client area starts below the icon and the alignment offset;
        // the bars sit beside the whole of it.
        if (m_icon && !(GetStyle() & ES_MULTILINE))
            client.left -= m_iconWidth;
        client.top -= m_textOffset;
    }
    LayoutHostedBarsBeside(m_hWnd, m_bars, windowRect, client, m_thickness, hasHorz, hasVert, m_lastStyle,
                           m_inLayout);
}

void NeloEdit::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* params) {
    const RECT window = params->rgrc[0];
    Default();
    const DWORD style = GetStyle();
    RECT client = geometry::EditClientRect(params->rgrc[0], (style & WS_HSCROLL) != 0, (style & WS_VSCROLL) != 0,
                                           ::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL),
                                           m_thickness);
    if (style != m_lastStyle && !m_inLayout) {
        SetScrollBar();
        const RECT inWindow = Offset(client, -window.left, -window.top);
        CalculateScrollBarSize(&inWindow, &window, (style & WS_HSCROLL) != 0, (style & WS_VSCROLL) != 0);
    }
    if (m_icon && !(style & ES_MULTILINE))
        client.left += m_iconWidth;
    client.top += m_textOffset;
    params->rgrc[0] = client;
}

void NeloEdit::OnNcPaint() {
    try {
        HDC dc = ::GetWindowDC(m_hWnd);
        if (!dc)
            return;
        const RECT local = WindowLocalRect(m_hWnd);
        const DWORD style = GetStyle();
        const bool staticEdge = (GetExStyle() & WS_EX_STATICEDGE) != 0;
        const bool horizontal = (style & WS_HSCROLL) != 0;
        const bool vertical = (style & WS_VSCROLL) != 0;
        {
            SkinPaintBuffer buffer(dc, local);
            if (buffer.IsValid()) {
                ::FillRect(buffer.DC(), &local, SkinResourceCache::GetSolidBrush(BackColour()));
                if (horizontal && vertical) {
                    const RECT square = geometry::ScrollCornerSquare(local.right, local.bottom, m_thickness,
                                                                     staticEdge);
                    COLORREF from = m_colors.clrSizeBoxNormalFrom, to = m_colors.clrSizeBoxNormalTo;
                    if (!::IsWindowEnabled(m_hWnd)) {
                        from = m_colors.clrSizeBoxDisabledFrom;
                        to = m_colors.clrSizeBoxDisabledTo;
                    } else if (style & ES_READONLY) {
                        from = m_colors.clrSizeBoxReadOnlyFrom;
                        to = m_colors.clrSizeBoxReadOnlyTo;
                    }
                    // The brush starts one pixel further up and left than the square.
                    Gdiplus::LinearGradientBrush brush(
                        Gdiplus::Rect(square.left - 1, square.top - 1, geometry::Width(square) + 1,
                                      geometry::Height(square) + 1),
                        Gdiplus::Color(ToArgb(from)), Gdiplus::Color(ToArgb(to)),
                        Gdiplus::LinearGradientModeForwardDiagonal);
                    buffer.Graphics().FillRectangle(&brush, ToGdiplusRect(square));
                    buffer.Graphics().Flush(Gdiplus::FlushIntentionSync);
                }
                const geometry::EditFrameBands bands = geometry::LayoutEditFrameBands(
                    local.right, local.bottom, m_thickness, horizontal, vertical, m_textOffset,
                    (m_icon && !(style & ES_MULTILINE) && m_icons.GetImageCount() > 0) ? m_iconWidth : 0,
                    staticEdge);
                if (!IsEmptyRect(bands.icon)) {
                    const int top = geometry::EditIconTop(local.bottom, ImageHeight(m_icons), staticEdge);
                    DrawSingleImage(m_icons, buffer.DC(), 4, top);
                }
                if (buffer.IsBuffered()) {
                    for (const RECT& band : {bands.bottom, bands.right, bands.top, bands.icon}) {
                        if (!IsEmptyRect(band))
                            ::BitBlt(dc, band.left, band.top, geometry::Width(band), geometry::Height(band),
                                     buffer.DC(), band.left, band.top, SRCCOPY);
                    }
                }
            }
        }
        DrawFrame(dc);
        ::ReleaseDC(m_hWnd, dc);
    } catch (...) {
    }
}

void NeloEdit::DrawFrame(HDC dc) {
    RECT ring = WindowLocalRect(m_hWnd);
    const COLORREF back = BackColour();
    if (GetExStyle() & WS_EX_STATICEDGE) {
        ::FrameRect(dc, &ring, SkinResourceCache::GetSolidBrush(BorderColour()));
        ::InflateRect(&ring, -1, -1);
    }
    ::FrameRect(dc, &ring, SkinResourceCache::GetSolidBrush(back));
    if (m_spinAttached) {
        // Open towards the spin button, which draws the rest of the frame.
        const RECT window = WindowLocalRect(m_hWnd);
        const RECT column{window.right - 1, 1, window.right, window.bottom - 1};
        ::FillRect(dc, &column, SkinResourceCache::GetSolidBrush(back));
    }
}

void NeloEdit::DrawBorder() {
    if (!m_hWnd || !::IsWindow(m_hWnd))
        return;
    HDC dc = ::GetWindowDC(m_hWnd);
    if (!dc)
        return;
    DrawFrame(dc);
    ::ReleaseDC(m_hWnd, dc);
}

HBRUSH NeloEdit::CtlColor(CDC* dc, UINT) {
    COLORREF back = m_colors.clrBackNormal;
    if (!::IsWindowEnabled(m_hWnd)) {
        back = m_colors.clrBackDisabled;
    } else if (GetStyle() & ES_READONLY) {
        back = m_colors.clrBackReadOnly;
        dc->SetTextColor(m_colors.clrTextReadOnly);
    } else {
        dc->SetTextColor(HintShown() ? m_colors.clrTextHint : m_colors.clrTextNormal);
    }
    dc->SetBkColor(back);
    return SkinResourceCache::GetSolidBrush(back);
}

void NeloEdit::OnPaint() {
    if (::IsWindowEnabled(m_hWnd)) {
        Default();
    } else {
        PAINTSTRUCT ps{};
        HDC dc = ::BeginPaint(m_hWnd, &ps);
        if (dc) {
            RECT client{};
            ::GetClientRect(m_hWnd, &client);
            PaintDisabled(dc, client);
        }
        ::EndPaint(m_hWnd, &ps);
    }
    // The bars follow every change of the text.
    SetScrollBar();
    if (GetStyle() != m_lastStyle)
        CalculateScrollBarSize(nullptr, nullptr, 0, 0);
}

void NeloEdit::PaintDisabled(HDC dc, const RECT& client) {
    SkinPaintBuffer buffer(dc, client);
    if (!buffer.IsValid())
        return;
    HDC mem = buffer.DC();
    const RECT local = buffer.LocalRect();
    ::FillRect(mem, &local, SkinResourceCache::GetSolidBrush(m_colors.clrBackDisabled));
    ScopedSelectObject font(mem, WindowFont(m_hWnd));
    ::SetTextColor(mem, m_colors.clrTextDisabled);
    ::SetBkMode(mem, TRANSPARENT);

    RECT format{};
    SendMessage(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const int first = static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE, 0, 0));
    const int count = static_cast<int>(SendMessage(EM_GETLINECOUNT, 0, 0));
    CString text;
    for (int line = first; line < count; ++line) {
        const int index = static_cast<int>(SendMessage(EM_LINEINDEX, line, 0));
        const int length = static_cast<int>(SendMessage(EM_LINELENGTH, index, 0));
        std::vector<wchar_t> buffer(static_cast<size_t>(length) + 2, L'\0');
        *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(length + 1);
        const int got = static_cast<int>(SendMessage(EM_GETLINE, line, reinterpret_cast<LPARAM>(buffer.data())));
        buffer[static_cast<size_t>(got >= 0 && got <= length ? got : 0)] = L'\0';
        text += buffer.data();
        text += L"\n";
        // A box scrolled sideways: the text starts left of the formatting
        // rectangle, where its first character is.
        const LRESULT at = SendMessage(EM_POSFROMCHAR, index, 0);
        if (at != -1) {
            const int x = static_cast<short>(LOWORD(at));
            if (x < format.left)
                format.left = x;
        }
    }
    if (GetStyle() & ES_PASSWORD)
        text = CString(L'*', geometry::EditPasswordStars(text.GetLength()));
    const UINT align = (GetStyle() & ES_RIGHT) ? DT_RIGHT : DT_LEFT;
    ::DrawTextW(mem, text.GetString(), text.GetLength(), &format, align | DT_NOPREFIX | DT_EXPANDTABS);
    const DWORD margins = static_cast<DWORD>(SendMessage(EM_GETMARGINS, 0, 0));
    const RECT strip{0, 0, static_cast<LONG>(LOWORD(margins)) + 1, local.bottom};
    ::FillRect(mem, &strip, SkinResourceCache::GetSolidBrush(m_colors.clrBackDisabled));
    buffer.Present();
}

// ---- Window events --------------------------------------------------------

void NeloEdit::OnShowWindow(BOOL show, UINT status) {
    CEdit::OnShowWindow(show, status);
    m_bars.Show(show != FALSE, GetStyle());
}

void NeloEdit::OnEnable(BOOL enable) {
    CEdit::OnEnable(enable);
    m_bars.Enable(enable != FALSE);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void NeloEdit::OnKeyDown(UINT ch, UINT repeat, UINT flags) {
    CEdit::OnKeyDown(ch, repeat, flags);
    SetScrollBar();
}

void NeloEdit::OnVScroll(UINT code, UINT pos, CScrollBar* bar) {
    CEdit::OnVScroll(code, pos, bar);
    SetScrollBar();
}

void NeloEdit::OnHScroll(UINT code, UINT pos, CScrollBar* bar) {
    CEdit::OnHScroll(code, pos, bar);
    SetScrollBar();
}

void NeloEdit::OnSize(UINT type, int cx, int cy) {
    CEdit::OnSize(type, cx, cy);
    m_lastStyle = 0;
    ApplyTextAlignment(m_alignment, true);
    Invalidate(FALSE);
}

void NeloEdit::OnMove(int x, int y) {
    CEdit::OnMove(x, y);
    m_lastStyle = 0;
    Invalidate(FALSE);
}

void NeloEdit::OnNcLButtonDown(UINT hitTest, CPoint point) {
    CEdit::OnNcLButtonDown(hitTest, point);
    SetFocus();
}

LRESULT NeloEdit::OnNcHitTest(CPoint point) {
    if (m_icon && !(GetStyle() & ES_MULTILINE)) {
        POINT p = point;
        ::ScreenToClient(m_hWnd, &p);
        RECT client{};
        ::GetClientRect(m_hWnd, &client);
        // The client area starts below the alignment offset; the icon strip
        // runs down the whole height beside it.
        if (geometry::InEditIconStrip(POINT{p.x, p.y + m_textOffset}, m_iconWidth,
                                      client.bottom + m_textOffset))
            return HTBORDER;
    }
    return CEdit::OnNcHitTest(point);
}

void NeloEdit::OnStyleChanged(int styleType, LPSTYLESTRUCT style) {
    CEdit::OnStyleChanged(styleType, style);
    if (m_inStyleChange)
        return;
    m_inStyleChange = true;
    if (GetStyle() & WS_BORDER) {
        ModifyStyle(WS_BORDER, 0);
        ModifyStyleEx(0, WS_EX_STATICEDGE);
    }
    if (styleType == GWL_EXSTYLE && style) {
        if ((style->styleOld ^ style->styleNew) & WS_EX_STATICEDGE)
            ApplyTextAlignment(m_alignment, true);
        else if (GetExStyle() & (WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE))
            ModifyStyleEx(WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, WS_EX_STATICEDGE);
    }
    m_inStyleChange = false;
}

// ---- Hover ----------------------------------------------------------------

void NeloEdit::NotifySpin(int left) {
    if (m_spinAttached && m_spin && ::IsWindow(m_spin))
        ::PostMessageW(m_spin, MOUSE_IN_NELO_EDIT_MSG, 0, left);
}

// Every entry of the client area or the frame redraws the border and tells
// the spin button (without the hover effect, only the leave is asked for).
void NeloEdit::EnterHover(int HoverSources::*source) {
    if (EnterHoverSource(m_hover, source, m_hWnd) && m_hoverEffect) {
        DrawBorder();
        NotifySpin(0);
    }
}

void NeloEdit::OnMouseMove(UINT, CPoint) {
    EnterHover(&HoverSources::client);
    Default();
}

void NeloEdit::OnNcMouseMove(UINT, CPoint) {
    EnterHover(&HoverSources::nonClient);
    Default();
}

void NeloEdit::OnMouseLeave() {
    m_hover.client = 0;
    DrawBorder();
    NotifySpin(1);
}

void NeloEdit::OnNcMouseLeave() {
    m_hover.nonClient = 0;
    DrawBorder();
    NotifySpin(1);
}

LRESULT NeloEdit::OnMouseInScrollBar(WPARAM wParam, LPARAM) {
    if (wParam) {
        m_hover.scrollBar = 1;
        if (m_hover.client || !m_hoverEffect)
            return 1;
        DrawBorder();
        NotifySpin(0);
    } else {
        m_hover.scrollBar = 0;
        if (m_hover.client)
            return 1;
        DrawBorder();
        NotifySpin(1);
    }
    return 1;
}

LRESULT NeloEdit::OnMouseInBuddy(WPARAM, LPARAM lParam) {
    if (!m_spinAttached)
        return 1;
    m_hover.buddy = lParam ? 1 : 0;
    DrawBorder();
    return 1;
}

LRESULT NeloEdit::OnAttachBuddy(WPARAM, LPARAM lParam) {
    m_spinAttached = 1;
    m_spin = reinterpret_cast<HWND>(lParam);
    RedrawFrame(m_hWnd);
    return 1;
}

LRESULT NeloEdit::OnDetachBuddy(WPARAM, LPARAM) {
    m_spinAttached = 0;
    m_spin = nullptr;
    m_hover.buddy = 0;
    RedrawFrame(m_hWnd);
    return 1;
}

} // namespace Tavrin

#include "NeloDialog.h"

#include <cstring>

namespace Tavrin {

namespace {

// Index of each button's sixteen colours inside the record, in the order
// normal top/bottom, inactive top/bottom, hover top/bottom, pressed
// top/bottom, four glyph colours, four outline colours.
constexpr int kMinColours = 15;
constexpr int kMaxColours = 31;
constexpr int kCloseColours = 47;

struct ButtonLook {
    COLORREF top;
    COLORREF bottom;
    COLORREF glyph;
    COLORREF border;
};

constexpr UINT kFrameChanged = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

CRect WindowRectOf(HWND hwnd) {
    CRect rc(0, 0, 0, 0);
    ::GetWindowRect(hwnd, &rc);
    return rc;
}

CPoint PointFromLParam(LPARAM lParam) {
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

// Window-relative position of a screen point.
CPoint ToWindow(HWND hwnd, CPoint screen) {
    CRect rc = WindowRectOf(hwnd);
    return CPoint(screen.x - rc.left, screen.y - rc.top);
}

HRGN CreateFrameRegion(int left, int top, int roundRight, int roundBottom, int rectRight, int rectBottom,
                       int rectTop, int ellipse) {
    // A rounded-rectangle region leaves out its right and bottom edges, so
    // the rounded part and the rectangle below it (one pixel narrower) share
    // their right edge; the rectangle squares off the bottom corners.
    HRGN shape = ::CreateRoundRectRgn(left, top, roundRight, roundBottom, ellipse, ellipse);
    OwnedGdiObject<HRGN> lower(::CreateRectRgn(left, rectTop, rectRight, rectBottom));
    if (shape && lower)
        ::CombineRgn(shape, shape, lower, RGN_OR);
    return shape;
}

void DrawRestoreGlyph(Gdiplus::Graphics& g, Gdiplus::Pen& pen, const CRect& r) {
    const INT l = r.left, t = r.top, rt = r.right, w = r.Width(), h = r.Height();
    g.DrawRectangle(&pen, l + w / 4, t + h / 4 + 3, w / 2 - 2, h / 2 - 4);
    g.DrawLine(&pen, l + w / 4, t + h / 4 + 4, rt - w / 4 - 2, t + h / 4 + 4);
    g.DrawLine(&pen, l + w / 2 - 1, t + h / 4, rt - w / 4 + 2, t + h / 4);
    g.DrawLine(&pen, l + w / 2 - 1, t + h / 4 + 1, rt - w / 4 + 2, t + h / 4 + 1);
    g.DrawLine(&pen, rt + 1 - w / 4, t + h / 4 + 1, rt + 1 - w / 4, t + h / 2 + 1);
    g.DrawLine(&pen, rt - w / 4 + 2, t + h / 2 + 1, rt - w / 4, t + h / 2 + 1);
}

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

} // namespace

BEGIN_MESSAGE_MAP(NeloDialog, CDialog)
ON_WM_NCPAINT()
ON_WM_NCCALCSIZE()
ON_WM_NCHITTEST()
ON_WM_ERASEBKGND()
ON_WM_NCLBUTTONUP()
ON_WM_NCLBUTTONDOWN()
ON_WM_SIZE()
ON_WM_SIZING()
ON_WM_STYLECHANGED()
ON_WM_CLOSE()
END_MESSAGE_MAP()

_DialogColorInfo NeloDialog::DefaultColorInfo() {
    _DialogColorInfo c;
    c.crTitleActiveTop = RGB(96, 161, 240);
    c.crTitleActiveBottom = RGB(74, 143, 228);
    c.crTitleInactiveTop = RGB(166, 200, 242);
    c.crTitleInactiveBottom = RGB(154, 190, 234);
    c.crTitleLineActive1 = RGB(65, 128, 202);
    c.crTitleLineActive2 = RGB(48, 94, 150);
    c.crTitleLineInactive1 = RGB(135, 171, 214);
    c.crTitleLineInactive2 = RGB(111, 142, 176);
    c.crBackground = RGB(225, 236, 249);
    c.crBorderInnerActive = RGB(135, 184, 243);
    c.crBorderOuterActive = RGB(89, 89, 89);
    c.crBorderInnerInactive = RGB(135, 184, 243);
    c.crBorderOuterInactive = RGB(172, 168, 153);
    c.crTitleTextActive = RGB(225, 235, 249);
    c.crTitleTextInactive = RGB(250, 250, 250);

    // The three buttons share one look.
    const COLORREF group[16] = {
        RGB(225, 236, 250), RGB(74, 143, 228),  RGB(225, 236, 250), RGB(154, 190, 234),
        RGB(225, 236, 250), RGB(136, 184, 240), RGB(74, 143, 228),  RGB(225, 236, 250),
        RGB(250, 250, 250), RGB(250, 250, 250), RGB(250, 250, 250), RGB(250, 250, 250),
        RGB(93, 116, 143),  RGB(93, 116, 143),  RGB(93, 116, 143),  RGB(93, 116, 143),
    };
    COLORREF all[63];
    std::memcpy(all, &c, sizeof(all));
    for (int base : {kMinColours, kMaxColours, kCloseColours})
        std::memcpy(all + base, group, sizeof(group));
    std::memcpy(&c, all, sizeof(all));
    return c;
}

NeloDialog::NeloDialog() : CDialog() {
    SetDefaults();
    m_transparency = 100;
    m_modal = 0;
    m_fade = 0;
    m_fixedSize = 1;
    m_notResizable = 1;
    GdiplusSession::Acquire();
}

NeloDialog::NeloDialog(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {
    SetDefaults();
    m_transparency = 100;
    m_modal = 0;
    m_fade = 0;
    m_fixedSize = 1;
    m_notResizable = 1;
    GdiplusSession::Acquire();
}

NeloDialog::~NeloDialog() {
    GdiplusSession::Release();
}

void NeloDialog::SetDefaults() {
    m_colorInfo = DefaultColorInfo();
    m_hasCaption = 1;
    m_systemButtonStyle = SystemButtonCloseMin;
    m_pressedButton = NoButton;
    m_hotButton = NoButton;
    m_windowState = StateNormal;
    m_stateBeforeMinimize = StateNormal;
    m_roundCorners = 1;
    m_nonClientActive = 0;
    m_titleFont = nullptr;
    m_titleHeight = 25;
    m_borderWidth = 0;
    m_fixedPosition = 0;
    m_nonClientTracking = 0;
    m_active = 1;
    m_buttonPressing = 0;
    m_created = 0;
    m_strippingStyle = 0;
    m_lastSizingRect.SetRect(0, 0, 0, 0);
    m_haveSizingRect = 0;
}

void NeloDialog::PreSubclassWindow() {
    SetDefaults();
    CDialog::PreSubclassWindow();
}

void NeloDialog::DoDataExchange(CDataExchange*) {}

// Reads what the template asked for, then takes the system's caption, sizing
// frame and menu away: from here on the dialog draws its own frame.
void NeloDialog::TakeStyleFromTemplate() {
    const LONG style = ::GetWindowLongW(m_hWnd, GWL_STYLE);
    if (!(style & WS_SYSMENU))
        m_systemButtonStyle = SystemButtonNone;
    else if (!(style & WS_MINIMIZEBOX))
        m_systemButtonStyle = SystemButtonClose;
    else if (!(style & WS_MAXIMIZEBOX))
        m_systemButtonStyle = SystemButtonCloseMin;
    else
        m_systemButtonStyle = SystemButtonCloseMaxMin;
    m_hasCaption = (style & WS_CAPTION) == WS_CAPTION;
    m_borderWidth = (style & WS_BORDER) ? 2 : 0;
    if (style & WS_THICKFRAME) {
        m_fixedSize = 0;
        m_notResizable = 0;
    }
    m_strippingStyle = 1;
    ::SetWindowLongW(m_hWnd, GWL_STYLE, style & ~(WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX));
    const LONG exStyle = ::GetWindowLongW(m_hWnd, GWL_EXSTYLE);
    ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, exStyle & ~(WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME));
    m_strippingStyle = 0;
    ::SetMenu(m_hWnd, nullptr);
    m_nonClientActive = 1;
}

LRESULT NeloDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_CREATE: {
            TakeStyleFromTemplate();
            LRESULT result = CDialog::WindowProc(message, wParam, lParam);
            m_created = 1;
            return result;
        }
        case WM_SIZE:
        case WM_SETTEXT:
            CDialog::WindowProc(message, wParam, lParam);
            RedrawFrame();
            return 1;
        case WM_ACTIVATE:
            CDialog::WindowProc(message, wParam, lParam);
            m_active = LOWORD(wParam) != WA_INACTIVE;
            DrawBorder(nullptr);
            RedrawFrame();
            return 1;
        case WM_GETMINMAXINFO: {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            RECT work;
            if (info && ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
                info->ptMaxSize.x = work.right - work.left + 1;
                info->ptMaxSize.y = work.bottom - work.top + 1;
                info->ptMaxPosition.x = 0;
                info->ptMaxPosition.y = 0;
            }
            break;
        }
        case WM_NCMOUSEMOVE:
            if (m_titleHeight > 4 && m_systemButtonStyle != SystemButtonNone) {
                const CRect window = WindowRectOf(m_hWnd);
                const int button = ButtonAt(ToWindow(m_hWnd, PointFromLParam(lParam)), window.Width());
                if (button != NoButton) {
                    m_hotButton = button;
                    DrawMouseMovementSystemButton();
                } else if (m_hotButton != NoButton) {
                    m_hotButton = NoButton;
                    RepaintNonClient();
                }
            }
            break;
        case WM_NCLBUTTONDBLCLK:
            if (m_windowState == StateMaximized || m_windowState == StateMinimized) {
                ShowWindow(SW_RESTORE, 0);
                m_windowState = StateNormal;
                return 1;
            }
            if (m_systemButtonStyle == SystemButtonCloseMaxMin) {
                m_windowState = StateMaximized;
                CWnd::ShowWindow(SW_MAXIMIZE);
                return 1;
            }
            break;
        case WM_LBUTTONUP:
            m_pressedButton = NoButton;
            break;
        case WM_NCMOUSELEAVE:
            m_nonClientTracking = 0;
            m_hotButton = NoButton;
            RepaintNonClient();
            break;
        default:
            break;
        }
    } catch (...) {
        // The frame is cosmetic: whatever failed, the message still gets its
        // normal processing below.
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL NeloDialog::OnInitDialog() {
    try {
        CDialog::OnInitDialog();
        if (!m_nonClientActive) {
            // The window was attached after its creation: take over the
            // frame now.
            TakeStyleFromTemplate();
            m_created = 1;
            SendMessageW(WM_SIZE, 0, 0);
        }
        m_titleFont = SkinResourceCache::GetFont(FontKey(L"Arial", 14, 0));
        if (m_modal) {
            if (m_fade)
                ShowWindow(SW_SHOW, m_fade);
            else
                SetTransparency(m_transparency);
        }
        RedrawFrame();
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

int NeloDialog::DoModal(int fade, const int& transparency) {
    m_modal = 1;
    m_fade = fade;
    m_transparency = transparency;
    const INT_PTR result = CDialog::DoModal();
    m_modal = 0;
    return result != -1 ? 1 : 0;
}

int NeloDialog::ShowWindow(int nCmdShow, int fade) {
    switch (nCmdShow) {
    case SW_HIDE:
    case SW_SHOWNORMAL:
    case SW_SHOWNOACTIVATE:
    case SW_SHOW:
    case SW_SHOWMINNOACTIVE:
    case SW_SHOWNA:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
    case SW_FORCEMINIMIZE:
        m_windowState = StateNormal;
        break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        m_windowState = StateMinimized;
        break;
    case SW_SHOWMAXIMIZED:
        m_windowState = StateMaximized;
        break;
    default:
        return 0;
    }
    if (fade && m_hWnd) {
        if (nCmdShow == SW_SHOW && !::IsWindowVisible(m_hWnd)) {
            // SetTransparency stores each step, so the goal is read first.
            const int goal = m_transparency;
            for (int alpha = 0; alpha <= goal; ++alpha) {
                SetTransparency(alpha);
                if (alpha == 0)
                    CWnd::ShowWindow(SW_SHOW);
                ::UpdateWindow(m_hWnd);
                ::Sleep(5);
            }
            return 1;
        }
        if (nCmdShow == SW_HIDE && ::IsWindowVisible(m_hWnd)) {
            const int before = m_transparency;
            for (int alpha = before; alpha >= 0; --alpha) {
                SetTransparency(alpha);
                ::UpdateWindow(m_hWnd);
                ::Sleep(5);
            }
            CWnd::ShowWindow(SW_HIDE);
            // Hidden at opacity 0; give the window its opacity back so that
            // it is visible when it is shown again.
            SetTransparency(before);
            m_transparency = before;
            return 1;
        }
    }
    CWnd::ShowWindow(nCmdShow);
    return 1;
}

int NeloDialog::SetTransparency(const int& percent) {
    if (percent < 0 || percent > 100 || !m_hWnd)
        return 0;
    ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, WS_EX_LAYERED);
    HMODULE user32 = ::LoadLibraryW(L"User32.DLL");
    if (!user32)
        return 0;
    auto setLayered = reinterpret_cast<SetLayeredWindowAttributesFn>(
        reinterpret_cast<void*>(::GetProcAddress(user32, "SetLayeredWindowAttributes")));
    const BOOL ok = setLayered && setLayered(m_hWnd, 0, static_cast<BYTE>(percent * 255 / 100), LWA_ALPHA);
    ::FreeLibrary(user32);
    if (!ok)
        return 0;
    m_transparency = percent;
    if (percent == 100)
        ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, ::GetWindowLongW(m_hWnd, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    m_notResizable = (m_transparency != 100 || m_fixedSize) ? 1 : 0;
    return 1;
}

int NeloDialog::GetTransparency() {
    return m_transparency;
}

int NeloDialog::SetDialogColorInfo(const _DialogColorInfo& info) {
    m_colorInfo = info;
    if (m_hWnd) {
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, kFrameChanged);
    }
    return 1;
}

int NeloDialog::GetDialogColorInfo(_DialogColorInfo& info) {
    info = m_colorInfo;
    return 1;
}

int NeloDialog::SetSystemButtonStyle(const SystemButtonStyle& style) {
    if (style < SystemButtonNone || style > SystemButtonCloseMaxMin)
        return 0;
    if (style == m_systemButtonStyle)
        return 1;
    m_systemButtonStyle = style;
    RedrawFrame();
    return 1;
}

int NeloDialog::ShowRoundCorners(int show) {
    if (show != m_roundCorners) {
        m_roundCorners = show;
        if (m_hWnd)
            SendMessageW(WM_SIZE, 0, 0);
    }
    return 1;
}

int NeloDialog::SetFont(const CString& face, const int& pointSize, int bold) {
    HFONT font = SkinResourceCache::GetFont(FontKey(static_cast<LPCWSTR>(face), pointSize, bold));
    if (!font)
        return 0;
    m_titleFont = font;
    RedrawFrame();
    return 1;
}

int NeloDialog::SetTitleHeight(const int& height) {
    if (height <= 14 || height > 35 || !m_hWnd)
        return 0;
    if (WindowRectOf(m_hWnd).Height() < height)
        return 0;
    m_titleHeight = height;
    RedrawFrame();
    return 1;
}

int NeloDialog::GetTitleHeight() {
    return m_titleHeight;
}

int NeloDialog::FixDialogPosition(int fixed) {
    m_fixedPosition = fixed;
    return 1;
}

int NeloDialog::FixDialogSize(int fixed) {
    m_fixedSize = fixed;
    m_notResizable = (m_fixedSize || m_transparency != 100) ? 1 : 0;
    return 1;
}

int NeloDialog::Invalidate(int erase) {
    if (!m_hWnd)
        return 0;
    ::InvalidateRect(m_hWnd, nullptr, erase);
    return 1;
}

void NeloDialog::RedrawFrame() {
    if (m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, kFrameChanged);
}

void NeloDialog::RepaintNonClient() {
    if (m_hWnd)
        SendMessageW(WM_NCPAINT, 1, 0);
}

int NeloDialog::ButtonSize() const {
    return m_titleHeight * 4 / 5;
}

CRect NeloDialog::ButtonRect(int button, int windowWidth) const {
    const int m = ButtonSize();
    const int top = m_borderWidth + (m_titleHeight - m) / 2;
    CRect rect(windowWidth - m - 9, top, windowWidth - 9, top + m);
    if (button == CloseButton)
        return rect;
    if (m_systemButtonStyle == SystemButtonCloseMaxMin) {
        rect.OffsetRect(-(m + 1), 0);
        if (button == MaxButton)
            return rect;
        rect.OffsetRect(-(m + 1), 0);
        return button == MinButton ? rect : CRect(0, 0, 0, 0);
    }
    if (m_systemButtonStyle == SystemButtonCloseMin && button == MinButton) {
        rect.OffsetRect(-(m + 1), 0);
        return rect;
    }
    return CRect(0, 0, 0, 0);
}

int NeloDialog::ButtonAt(CPoint point, int windowWidth) const {
    if (m_systemButtonStyle == SystemButtonNone)
        return NoButton;
    if (ButtonRect(CloseButton, windowWidth).PtInRect(point))
        return CloseButton;
    if (m_systemButtonStyle == SystemButtonClose)
        return NoButton;
    if (ButtonRect(MinButton, windowWidth).PtInRect(point))
        return MinButton;
    if (m_systemButtonStyle == SystemButtonCloseMaxMin && ButtonRect(MaxButton, windowWidth).PtInRect(point))
        return MaxButton;
    return NoButton;
}

void NeloDialog::DrawMouseMovementSystemButton() {
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE | TME_NONCLIENT, m_hWnd, HOVER_DEFAULT};
    ::TrackMouseEvent(&track);
    m_nonClientTracking = 1;
    RepaintNonClient();
}

void NeloDialog::DrawSystemButton(HDC hdc) {
    if (m_titleHeight < 5 || m_systemButtonStyle == SystemButtonNone || !hdc)
        return;
    const int width = WindowRectOf(m_hWnd).Width();
    const int m = ButtonSize();
    const int radius = m * 4 / 25; // 0.16 of the button, rounded down
    COLORREF colours[63];
    std::memcpy(colours, &m_colorInfo, sizeof(colours));

    auto lookOf = [&](int button, int base) {
        const COLORREF* c = colours + base;
        if (m_pressedButton == button && m_hotButton == button)
            return ButtonLook{c[6], c[7], c[11], c[15]};
        if (m_hotButton == button && m_pressedButton == NoButton)
            return ButtonLook{c[4], c[5], c[10], c[14]};
        if (m_active)
            return ButtonLook{c[0], c[1], c[8], c[12]};
        return ButtonLook{c[2], c[3], c[9], c[13]};
    };

    Gdiplus::Graphics g(hdc);
    auto face = [&](const CRect& r, const ButtonLook& look) {
        Gdiplus::GraphicsPath path;
        AddRoundRectPath(r, radius, &path);
        FillVerticalGradient(g, path, Gdiplus::Rect(r.left, r.top, r.Width(), r.Height()), look.top,
                             look.bottom);
        Gdiplus::Pen outline(Gdiplus::Color(ToArgb(look.border)), 1.0f);
        g.DrawPath(&outline, &path);
    };
    const Gdiplus::REAL thin = m * 0.094f;
    const Gdiplus::REAL thick = m * 0.141f;

    // Close: an X, drawn one pixel up and left of centre except while pressed.
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    {
        CRect r = ButtonRect(CloseButton, width);
        const ButtonLook look = lookOf(CloseButton, kCloseColours);
        face(r, look);
        if (!(m_pressedButton == CloseButton && m_hotButton == CloseButton))
            r.OffsetRect(-1, -1);
        Gdiplus::Pen glyph(Gdiplus::Color(ToArgb(look.glyph)), thin);
        const INT l = r.left, t = r.top, rt = r.right, b = r.bottom, w = r.Width(), h = r.Height();
        g.DrawLine(&glyph, l + w / 4, t + h / 4, rt - w / 4, b - h / 4);
        g.DrawLine(&glyph, l + w / 4, b - h / 4, rt - w / 4, t + h / 4);
    }
    if (m_systemButtonStyle == SystemButtonClose)
        return;

    // The other glyphs are axis-aligned strokes: crisp, not smoothed.
    g.SetSmoothingMode(Gdiplus::SmoothingModeNone);
    {
        CRect r = ButtonRect(MinButton, width);
        const ButtonLook look = lookOf(MinButton, kMinColours);
        face(r, look);
        if (m_pressedButton == MinButton && m_hotButton == MinButton)
            r.OffsetRect(1, 1);
        if (m_windowState == StateMinimized) {
            r.OffsetRect(-1, 0);
            Gdiplus::Pen glyph(Gdiplus::Color(ToArgb(look.glyph)), thin);
            DrawRestoreGlyph(g, glyph, r);
        } else {
            r.OffsetRect(0, -2);
            Gdiplus::Pen glyph(Gdiplus::Color(ToArgb(look.glyph)), thick);
            const INT l = r.left, rt = r.right, b = r.bottom, w = r.Width(), h = r.Height();
            g.DrawLine(&glyph, l + w / 4, b - h / 4, rt - w / 4, b - h / 4);
        }
    }
    if (m_systemButtonStyle == SystemButtonCloseMin)
        return;

    {
        CRect r = ButtonRect(MaxButton, width);
        const ButtonLook look = lookOf(MaxButton, kMaxColours);
        face(r, look);
        r.OffsetRect(-1, 0);
        if (m_pressedButton == MaxButton && m_hotButton == MaxButton)
            r.OffsetRect(1, 1);
        Gdiplus::Pen glyph(Gdiplus::Color(ToArgb(look.glyph)), thin);
        if (m_windowState == StateMaximized) {
            DrawRestoreGlyph(g, glyph, r);
        } else {
            const INT l = r.left, t = r.top, rt = r.right, w = r.Width(), h = r.Height();
            g.DrawRectangle(&glyph, l + w / 4, t + h / 4, w / 2, h / 2 - 1);
            Gdiplus::Pen bar(Gdiplus::Color(ToArgb(look.glyph)), thick);
            g.DrawLine(&bar, l + w / 4, t + h / 4 + 1, rt - w / 4, t + h / 4 + 1);
        }
    }
}

void NeloDialog::DrawBorder(CDC* pDC) {
    if (m_borderWidth == 0 || !m_hWnd)
        return;
    if (pDC) {
        DrawBorderOn(pDC->GetSafeHdc());
        return;
    }
    HDC dc = ::GetWindowDC(m_hWnd);
    if (!dc)
        return;
    DrawBorderOn(dc);
    ::ReleaseDC(m_hWnd, dc);
}

void NeloDialog::DrawBorderOn(HDC dc) {
    const CRect window = WindowRectOf(m_hWnd);
    const int w = window.Width(), h = window.Height();
    const int e = m_roundCorners ? 11 : 0;
    HBRUSH inner = SkinResourceCache::GetSolidBrush(m_active ? m_colorInfo.crBorderInnerActive
                                                             : m_colorInfo.crBorderInnerInactive);
    HBRUSH outer = SkinResourceCache::GetSolidBrush(m_active ? m_colorInfo.crBorderOuterActive
                                                             : m_colorInfo.crBorderOuterInactive);
    if (m_hasCaption && m_titleHeight > 0) {
        OwnedGdiObject<HRGN> innerRing(CreateFrameRegion(1, 1, w - 1, h - 11, w - 2, h - 2, 11, e));
        OwnedGdiObject<HRGN> outerRing(CreateFrameRegion(0, 0, w, h - 10, w - 1, h - 1, 10, e));
        if (innerRing && inner)
            ::FrameRgn(dc, innerRing, inner, 1, 1);
        if (outerRing && outer)
            ::FrameRgn(dc, outerRing, outer, 1, 1);
    } else {
        OwnedGdiObject<HRGN> innerRing(::CreateRectRgn(1, 1, w - 2, h - 2));
        OwnedGdiObject<HRGN> outerRing(::CreateRectRgn(0, 0, w - 1, h - 1));
        if (innerRing && inner)
            ::FrameRgn(dc, innerRing, inner, 1, 1);
        if (outerRing && outer)
            ::FrameRgn(dc, outerRing, outer, 1, 1);
    }
}

void NeloDialog::OnNcPaint() {
    if (!m_nonClientActive) {
        CDialog::OnNcPaint();
        return;
    }
    HDC dc = ::GetWindowDC(m_hWnd);
    if (!dc)
        return;
    const CRect window = WindowRectOf(m_hWnd);
    CRect box(0, 0, window.Width(), window.Height());
    {
        OwnedGdiObject<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
        if (region && ::GetWindowRgn(m_hWnd, region) != ERROR)
            ::GetRgnBox(region, &box);
    }
    const int t = m_titleHeight, b = m_borderWidth;
    const int m = ButtonSize();
    const bool caption = m_hasCaption && t > 0;

    if (caption) {
        SkinPaintBuffer buffer(dc, CRect(box.left, box.top, box.right, box.top + t + 2 * b));
        if (buffer.IsValid()) {
            HDC mem = buffer.DC();
            const int boxWidth = box.Width();
            FillVerticalGradient(buffer.Graphics(), Gdiplus::Rect(0, 0, boxWidth, t + 2 * b),
                                 m_active ? m_colorInfo.crTitleActiveTop : m_colorInfo.crTitleInactiveTop,
                                 m_active ? m_colorInfo.crTitleActiveBottom
                                          : m_colorInfo.crTitleInactiveBottom);

            // The large icon when it fits in the title, else the small one.
            const int large = ::GetSystemMetrics(SM_CXICON);
            const bool useLarge = large < t;
            const int size = useLarge ? large : ::GetSystemMetrics(SM_CXSMICON);
            HICON icon =
                reinterpret_cast<HICON>(SendMessageW(WM_GETICON, useLarge ? ICON_BIG : ICON_SMALL, 0));
            int textLeft = 12;
            if (icon && t >= size) {
                ::DrawIconEx(mem, 6, (t - size + 1) / 2 + 1, icon, size, size, 0, nullptr, DI_NORMAL);
                textLeft = size + 12;
            }

            if (m_titleFont) {
                int right = boxWidth - 9;
                switch (m_systemButtonStyle) {
                case SystemButtonClose:
                    right = boxWidth - 10 - m;
                    break;
                case SystemButtonCloseMin:
                    right = boxWidth - 10 - 2 * m;
                    break;
                case SystemButtonCloseMaxMin:
                    right = boxWidth - 11 - 3 * m;
                    break;
                default:
                    break;
                }
                const int length = ::GetWindowTextLengthW(m_hWnd);
                CString text;
                ::GetWindowTextW(m_hWnd, text.GetBuffer(length + 1), length + 1);
                text.ReleaseBuffer();
                RECT textRect{textLeft, t / 10 + 1, right, t};
                ScopedSelectObject font(mem, m_titleFont);
                ::SetBkMode(mem, TRANSPARENT);
                ::SetTextColor(mem,
                               m_active ? m_colorInfo.crTitleTextActive : m_colorInfo.crTitleTextInactive);
                ::DrawTextW(mem, static_cast<LPCWSTR>(text), -1, &textRect,
                            DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
            }

            if (m_systemButtonStyle != SystemButtonNone && t > 4)
                DrawSystemButton(mem);

            // Two lines close the title bar off from the client area.
            HBRUSH line1 = SkinResourceCache::GetSolidBrush(m_active ? m_colorInfo.crTitleLineActive1
                                                                     : m_colorInfo.crTitleLineInactive1);
            HBRUSH line2 = SkinResourceCache::GetSolidBrush(m_active ? m_colorInfo.crTitleLineActive2
                                                                     : m_colorInfo.crTitleLineInactive2);
            RECT first{0, b + t, boxWidth, b + t + 1};
            RECT second{0, b + t + 1, boxWidth, b + t + 2};
            if (line1)
                ::FillRect(mem, &first, line1);
            if (line2)
                ::FillRect(mem, &second, line2);
            buffer.Present();
        }
    }
    DrawBorderOn(dc);
    ::ReleaseDC(m_hWnd, dc);
}

void NeloDialog::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    CDialog::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (!m_nonClientActive || !lpncsp)
        return;
    // Without valid rectangles lParam is a single RECT, which is where
    // rgrc[0] lies as well.
    RECT& rc = lpncsp->rgrc[0];
    const int b = m_borderWidth;
    rc.top += (m_hasCaption && m_titleHeight > 0) ? m_titleHeight + 2 * b : b;
    rc.left += b;
    rc.right -= b + 1;
    rc.bottom -= b + 1;
}

LRESULT NeloDialog::OnNcHitTest(CPoint point) {
    if (!m_nonClientActive)
        return CDialog::OnNcHitTest(point);
    const CRect window = WindowRectOf(m_hWnd);
    const CPoint p = ToWindow(m_hWnd, point);
    const int w = window.Width(), h = window.Height(), b = m_borderWidth;
    if (!m_notResizable) {
        if (p.y <= b)
            return p.x <= b ? HTTOPLEFT : (p.x < w - b - 2 ? HTTOP : HTTOPRIGHT);
        if (p.x <= b)
            return p.y < h - b - 2 ? HTLEFT : HTBOTTOMLEFT;
        if (p.x >= w - b - 2)
            return p.y < h - b - 2 ? HTRIGHT : HTBOTTOMRIGHT;
        if (p.y >= h - b - 2)
            return HTBOTTOM;
    }
    if (m_hasCaption && p.y < m_titleHeight + b + 1) {
        if (!m_fixedPosition)
            return HTCAPTION; // the button handlers act on a press before any drag starts
        const int button = ButtonAt(p, w);
        if (button == CloseButton || button == MinButton)
            return HTCAPTION;
        if (button == MaxButton)
            return HTMAXBUTTON;
        return HTCLIENT;
    }
    return HTCLIENT;
}

BOOL NeloDialog::OnEraseBkgnd(CDC* pDC) {
    HDC dc = pDC ? pDC->GetSafeHdc() : nullptr;
    HBRUSH background = SkinResourceCache::GetSolidBrush(m_colorInfo.crBackground);
    if (dc && background) {
        CRect client;
        ::GetClientRect(m_hWnd, &client);
        const int saved = ::SaveDC(dc);
        ::IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
        ::FillRect(dc, &client, background);
        ::RestoreDC(dc, saved);
    }
    DrawBorder(nullptr);
    return TRUE;
}

void NeloDialog::OnNcLButtonDown(UINT nHitTest, CPoint point) {
    if (m_nonClientActive && m_hasCaption && m_systemButtonStyle != SystemButtonNone && m_titleHeight > 4) {
        const int button = ButtonAt(ToWindow(m_hWnd, point), WindowRectOf(m_hWnd).Width());
        if (button != NoButton) {
            m_pressedButton = button;
            HDC dc = ::GetWindowDC(m_hWnd);
            if (dc) {
                DrawSystemButton(dc);
                ::ReleaseDC(m_hWnd, dc);
            }
            m_buttonPressing = 1;
            return; // no drag and no system menu for a press on a button
        }
    }
    CDialog::OnNcLButtonDown(nHitTest, point);
}

void NeloDialog::OnNcLButtonUp(UINT nHitTest, CPoint point) {
    if (m_nonClientActive && m_hasCaption && m_systemButtonStyle != SystemButtonNone && m_titleHeight > 4) {
        const int pressed = m_pressedButton;
        if (pressed != NoButton) {
            m_pressedButton = NoButton;
            HDC dc = ::GetWindowDC(m_hWnd);
            if (dc) {
                DrawSystemButton(dc);
                ::ReleaseDC(m_hWnd, dc);
            }
        }
        const int under = ButtonAt(ToWindow(m_hWnd, point), WindowRectOf(m_hWnd).Width());
        m_buttonPressing = 0;
        if (pressed != NoButton && pressed == under) {
            HWND self = m_hWnd;
            switch (pressed) {
            case CloseButton:
                OnCancel();
                // A derived OnCancel may have destroyed the window (and this
                // object with it).
                if (!::IsWindow(self))
                    return;
                break;
            case MinButton:
                if (m_windowState == StateMinimized) {
                    ShowWindow(SW_RESTORE, 0);
                    m_windowState = StateNormal;
                } else {
                    CWnd::ShowWindow(SW_SHOWMINIMIZED);
                    m_stateBeforeMinimize = m_windowState;
                    m_windowState = StateMinimized;
                    RepaintNonClient();
                }
                break;
            case MaxButton:
                if (m_windowState == StateMaximized) {
                    ShowWindow(SW_RESTORE, 0);
                } else {
                    CWnd::ShowWindow(SW_MAXIMIZE);
                    m_windowState = StateMaximized;
                    // The frame painted during the resize still showed the
                    // maximize glyph; the state now asks for the restore glyph.
                    RepaintNonClient();
                }
                break;
            default:
                break;
            }
        }
        m_pressedButton = NoButton;
    }
    CDialog::OnNcLButtonUp(nHitTest, point);
}

void NeloDialog::OnSize(UINT nType, int cx, int cy) {
    if (m_windowState == StateMinimized)
        m_windowState = m_stateBeforeMinimize;
    const CRect window = WindowRectOf(m_hWnd);
    const int w = window.Width(), h = window.Height();
    const int e = m_roundCorners ? 11 : 0;
    // Only the top corners are rounded: the rounded shape ends 10 pixels
    // above the bottom, where a plain rectangle takes over.
    HRGN region = m_hasCaption ? CreateFrameRegion(0, 0, w, h - 10, w - 1, h - 1, 10, e)
                               : ::CreateRectRgn(0, 0, w - 1, h - 1);
    if (region && !::SetWindowRgn(m_hWnd, region, TRUE))
        ::DeleteObject(region); // the system owns the region only on success
    CDialog::OnSize(nType, cx, cy);
}

int NeloDialog::SmallestWidth() const {
    const int large = ::GetSystemMetrics(SM_CXICON);
    const int icon = large >= m_titleHeight ? ::GetSystemMetrics(SM_CXSMICON) : large;
    const int m = ButtonSize();
    switch (m_systemButtonStyle) {
    case SystemButtonClose:
        return icon + m + 20;
    case SystemButtonCloseMin:
        return icon + 2 * m + 21;
    case SystemButtonCloseMaxMin:
        return icon + 3 * m + 22;
    default:
        return icon + 20;
    }
}

void NeloDialog::OnSizing(UINT fwSide, LPRECT pRect) {
    if (pRect) {
        // Each dialog remembers its own last accepted rectangle, starting
        // from where it is when sizing begins.
        if (!m_haveSizingRect) {
            m_lastSizingRect = WindowRectOf(m_hWnd);
            m_haveSizingRect = 1;
        }
        const int smallestHeight = m_hasCaption ? 2 * m_titleHeight : 20;
        if (pRect->right - pRect->left < SmallestWidth()) {
            pRect->left = m_lastSizingRect.left;
            pRect->right = m_lastSizingRect.right;
        }
        if (pRect->bottom - pRect->top < smallestHeight) {
            pRect->top = m_lastSizingRect.top;
            pRect->bottom = m_lastSizingRect.bottom;
        }
        m_lastSizingRect = *pRect;
    }
    CDialog::OnSizing(fwSide, pRect);
}

void NeloDialog::OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct) {
    if (nStyleType == GWL_STYLE && m_created && !m_strippingStyle && lpStyleStruct &&
        (lpStyleStruct->styleNew & WS_CAPTION)) {
        // Someone asked for a caption again: the dialog draws it, so the
        // system's caption bits go once more.
        m_hasCaption = 1;
        m_strippingStyle = 1;
        const LONG style = ::GetWindowLongW(m_hWnd, GWL_STYLE);
        ::SetWindowLongW(m_hWnd, GWL_STYLE, style & ~(WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX));
        const LONG exStyle = ::GetWindowLongW(m_hWnd, GWL_EXSTYLE);
        ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, exStyle & ~(WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME));
        m_strippingStyle = 0;
    }
    CDialog::OnStyleChanged(nStyleType, lpStyleStruct);
}

void NeloDialog::OnClose() {
    if (m_modal) {
        m_modal = 0;
        if (m_fade) {
            ShowWindow(SW_HIDE, m_fade);
            m_fade = 0;
        }
    }
    CDialog::OnCancel();
}

} // namespace Tavrin

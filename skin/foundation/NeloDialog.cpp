#include "NeloDialog.h"

#include "SkinDrawing.h"
#include "SkinLook.h"

namespace Tavrin {

using geometry::DialogButton;
using geometry::Look;

namespace {

// The frame's colours by activation: title gradient, the two lines under
// the title, the border rings and the caption text.
enum FramePart {
    TitleTop,
    TitleBottom,
    TitleLine1,
    TitleLine2,
    BorderInner,
    BorderOuter,
    TitleText,
    FramePartCount
};
using FrameRow = MemberRow<_DialogColorInfo, FramePartCount>;
const FrameRow kActiveFrame{&_DialogColorInfo::crTitleActiveTop,    &_DialogColorInfo::crTitleActiveBottom,
                            &_DialogColorInfo::crTitleLineActive1,  &_DialogColorInfo::crTitleLineActive2,
                            &_DialogColorInfo::crBorderInnerActive, &_DialogColorInfo::crBorderOuterActive,
                            &_DialogColorInfo::crTitleTextActive};
const FrameRow kInactiveFrame{
    &_DialogColorInfo::crTitleInactiveTop,    &_DialogColorInfo::crTitleInactiveBottom,
    &_DialogColorInfo::crTitleLineInactive1,  &_DialogColorInfo::crTitleLineInactive2,
    &_DialogColorInfo::crBorderInnerInactive, &_DialogColorInfo::crBorderOuterInactive,
    &_DialogColorInfo::crTitleTextInactive};
const LookTable<_DialogColorInfo, FramePartCount> kFrameLooks{
    {{kActiveFrame, kActiveFrame, kActiveFrame, kInactiveFrame, kInactiveFrame}}};

// Each drawn button's colours by look: face top and bottom, glyph, outline.
// A disabled button is never drawn; its row is the inactive one.
enum ButtonPart { FaceTop, FaceBottom, Glyph, Outline, ButtonPartCount };
using ButtonLooks = LookTable<_DialogColorInfo, ButtonPartCount>;
#define TAVRIN_DIALOG_BUTTON_ROW(P, State)                                                                   \
    MemberRow<_DialogColorInfo, ButtonPartCount> {                                                           \
        &_DialogColorInfo::cr##P##State##Top, &_DialogColorInfo::cr##P##State##Bottom,                       \
            &_DialogColorInfo::cr##P##Glyph##State, &_DialogColorInfo::cr##P##Border##State                  \
    }
#define TAVRIN_DIALOG_BUTTON_LOOKS(P)                                                                        \
    ButtonLooks {                                                                                            \
        {                                                                                                    \
            {                                                                                                \
                TAVRIN_DIALOG_BUTTON_ROW(P, Normal), TAVRIN_DIALOG_BUTTON_ROW(P, Hover),                     \
                    TAVRIN_DIALOG_BUTTON_ROW(P, Pressed), TAVRIN_DIALOG_BUTTON_ROW(P, Inactive),             \
                    TAVRIN_DIALOG_BUTTON_ROW(P, Inactive)                                                    \
            }                                                                                                \
        }                                                                                                    \
    }
const ButtonLooks kMinLooks = TAVRIN_DIALOG_BUTTON_LOOKS(Min);
const ButtonLooks kMaxLooks = TAVRIN_DIALOG_BUTTON_LOOKS(Max);
const ButtonLooks kCloseLooks = TAVRIN_DIALOG_BUTTON_LOOKS(Close);
#undef TAVRIN_DIALOG_BUTTON_LOOKS
#undef TAVRIN_DIALOG_BUTTON_ROW

RECT Moved(RECT r, int dx, int dy) {
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// Quarter lines of a button rectangle, where its glyphs are drawn.
struct Quarters {
    INT l, t, r, b, w, h;
};
Quarters QuartersOf(const RECT& r) {
    return Quarters{r.left, r.top, r.right, r.bottom, r.right - r.left, r.bottom - r.top};
}

void DrawRestoreGlyph(Gdiplus::Graphics& g, Gdiplus::Pen& pen, const RECT& rect) {
    const Quarters q = QuartersOf(rect);
    g.DrawRectangle(&pen, q.l + q.w / 4, q.t + q.h / 4 + 3, q.w / 2 - 2, q.h / 2 - 4);
    g.DrawLine(&pen, q.l + q.w / 4, q.t + q.h / 4 + 4, q.r - q.w / 4 - 2, q.t + q.h / 4 + 4);
    g.DrawLine(&pen, q.l + q.w / 2 - 1, q.t + q.h / 4, q.r - q.w / 4 + 2, q.t + q.h / 4);
    g.DrawLine(&pen, q.l + q.w / 2 - 1, q.t + q.h / 4 + 1, q.r - q.w / 4 + 2, q.t + q.h / 4 + 1);
    g.DrawLine(&pen, q.r + 1 - q.w / 4, q.t + q.h / 4 + 1, q.r + 1 - q.w / 4, q.t + q.h / 2 + 1);
    g.DrawLine(&pen, q.r - q.w / 4 + 2, q.t + q.h / 2 + 1, q.r - q.w / 4, q.t + q.h / 2 + 1);
}

Gdiplus::Color Argb(COLORREF colour) {
    return Gdiplus::Color(ToArgb(colour));
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
    _DialogColorInfo c{};
    // Title top and bottom, the two lines under it, inner and outer border
    // ring, caption text; active, then inactive.
    WriteRow(c, kActiveFrame,
             {RGB(96, 161, 240), RGB(74, 143, 228), RGB(65, 128, 202), RGB(48, 94, 150), RGB(135, 184, 243),
              RGB(89, 89, 89), RGB(225, 235, 249)});
    WriteRow(c, kInactiveFrame,
             {RGB(166, 200, 242), RGB(154, 190, 234), RGB(135, 171, 214), RGB(111, 142, 176),
              RGB(135, 184, 243), RGB(172, 168, 153), RGB(250, 250, 250)});
    c.crBackground = RGB(225, 236, 249);

    // The three buttons share one look: face top and bottom, glyph, outline.
    const COLORREF glyph = RGB(250, 250, 250), outline = RGB(93, 116, 143);
    for (const ButtonLooks* looks : {&kMinLooks, &kMaxLooks, &kCloseLooks}) {
        WriteRow(c, looks->Row(Look::Normal), {RGB(225, 236, 250), RGB(74, 143, 228), glyph, outline});
        WriteRow(c, looks->Row(Look::Inactive), {RGB(225, 236, 250), RGB(154, 190, 234), glyph, outline});
        WriteRow(c, looks->Row(Look::Hover), {RGB(225, 236, 250), RGB(136, 184, 240), glyph, outline});
        WriteRow(c, looks->Row(Look::Pressed), {RGB(74, 143, 228), RGB(225, 236, 250), glyph, outline});
    }
    return c;
}

NeloDialog::NeloDialog() : CDialog() {
    SetDefaults();
    m_transparency = 100;
    m_modal = 0;
    m_fade = 0;
    m_fixedSize = 1;
    m_notResizable = 1;
}

NeloDialog::NeloDialog(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {
    SetDefaults();
    m_transparency = 100;
    m_modal = 0;
    m_fade = 0;
    m_fixedSize = 1;
    m_notResizable = 1;
}

NeloDialog::~NeloDialog() = default;

void NeloDialog::SetDefaults() {
    m_colorInfo = DefaultColorInfo();
    m_hasCaption = 1;
    m_systemButtonStyle = SystemButtonCloseMin;
    m_pressedButton = DialogButton::None;
    m_hotButton = DialogButton::None;
    m_windowState = StateNormal;
    m_stateBeforeMinimize = StateNormal;
    m_roundCorners = 1;
    m_nonClientActive = 0;
    m_titleFont = nullptr;
    m_titleHeight = 25;
    m_borderWidth = 0;
    m_fixedPosition = 0;
    m_buttonHover.Reset();
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

geometry::DialogFrameParams NeloDialog::FrameParams() const {
    const RECT window = WindowLocalRect(m_hWnd);
    geometry::DialogFrameParams p{};
    p.width = window.right;
    p.height = window.bottom;
    p.titleHeight = m_titleHeight;
    p.borderWidth = m_borderWidth;
    p.hasCaption = m_hasCaption != 0;
    p.buttonStyle = m_systemButtonStyle;
    p.roundCorners = m_roundCorners != 0;
    p.hasIcon = false;
    p.largeIcon = ::GetSystemMetrics(SM_CXICON);
    p.smallIcon = ::GetSystemMetrics(SM_CXSMICON);
    return p;
}

geometry::DialogFrameLayout NeloDialog::FrameLayout(bool hasIcon) const {
    geometry::DialogFrameParams p = FrameParams();
    p.hasIcon = hasIcon;
    return geometry::LayoutDialogFrame(p);
}

DialogButton NeloDialog::ButtonAt(CPoint screenPoint) const {
    return geometry::DialogButtonAt(FrameLayout(), ScreenToWindowPoint(m_hWnd, screenPoint));
}

HICON NeloDialog::TitleIcon() const {
    const bool large = geometry::DialogUsesLargeIcon(FrameParams());
    return reinterpret_cast<HICON>(::SendMessageW(m_hWnd, WM_GETICON, large ? ICON_BIG : ICON_SMALL, 0));
}

Look NeloDialog::FrameLook() const {
    return m_active ? Look::Normal : Look::Inactive;
}

Look NeloDialog::ButtonLook(DialogButton button) const {
    return geometry::DialogButtonLook(button, m_pressedButton, m_hotButton, m_active != 0);
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
            Tavrin::RedrawFrame(m_hWnd);
            return 1;
        case WM_ACTIVATE:
            CDialog::WindowProc(message, wParam, lParam);
            m_active = LOWORD(wParam) != WA_INACTIVE;
            DrawBorder(nullptr);
            Tavrin::RedrawFrame(m_hWnd);
            return 1;
        case WM_WINDOWPOSCHANGING: {
            // A dialog shown without being activated never hears WM_ACTIVATE:
            // it starts in the look of whatever is active now. Activation,
            // when it follows, puts the active look back.
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
            if (pos && (pos->flags & SWP_SHOWWINDOW) && !::IsWindowVisible(m_hWnd))
                m_active = ::GetActiveWindow() == m_hWnd;
            break;
        }
        case WM_ENTERSIZEMOVE:
            // Each sizing starts from where the window is now.
            m_haveSizingRect = 0;
            break;
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
                const DialogButton button = ButtonAt(CPoint(PointFromLParam(lParam)));
                if (button != DialogButton::None) {
                    if (button != m_hotButton) {
                        m_hotButton = button;
                        DrawMouseMovementSystemButton();
                    }
                } else if (m_hotButton != DialogButton::None) {
                    m_hotButton = DialogButton::None;
                    m_buttonHover.Update(m_hWnd, false);
                    RepaintNonClient(m_hWnd);
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
            m_pressedButton = DialogButton::None;
            break;
        case WM_NCMOUSELEAVE:
            m_buttonHover.Leave();
            m_hotButton = DialogButton::None;
            RepaintNonClient(m_hWnd);
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
        Tavrin::RedrawFrame(m_hWnd);
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
        Tavrin::RedrawFrame(m_hWnd);
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
    Tavrin::RedrawFrame(m_hWnd);
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
    HFONT font = SkinResourceCache::GetFont(FontKey(face.GetString(), pointSize, bold));
    if (!font)
        return 0;
    m_titleFont = font;
    Tavrin::RedrawFrame(m_hWnd);
    return 1;
}

int NeloDialog::SetTitleHeight(const int& height) {
    if (height <= 14 || height > 35 || !m_hWnd)
        return 0;
    if (geometry::Height(WindowRectOf(m_hWnd)) < height)
        return 0;
    m_titleHeight = height;
    Tavrin::RedrawFrame(m_hWnd);
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

void NeloDialog::DrawMouseMovementSystemButton() {
    m_buttonHover.Update(m_hWnd, true);
    RepaintNonClient(m_hWnd);
}

void NeloDialog::OnNcPaint() {
    if (!m_nonClientActive) {
        CDialog::OnNcPaint();
        return;
    }
    HDC dc = ::GetWindowDC(m_hWnd);
    if (!dc)
        return;
    const HICON icon = TitleIcon();
    const geometry::DialogFrameLayout layout = FrameLayout(icon != nullptr);
    if (layout.caption)
        DrawTitleBar(dc, layout, icon);
    DrawBorder(dc, layout);
    ::ReleaseDC(m_hWnd, dc);
}

void NeloDialog::DrawTitleBar(HDC dc, const geometry::DialogFrameLayout& layout, HICON icon) {
    SkinPaintBuffer buffer(dc, layout.titleBar);
    if (!buffer.IsValid())
        return;
    const LookColours<FramePartCount> frame = kFrameLooks.Read(m_colorInfo, FrameLook());
    FillVerticalGradient(buffer.Graphics(), ToGdiplusRect(layout.titleBar), frame[TitleTop],
                         frame[TitleBottom]);
    DrawTitleIcon(buffer.DC(), layout, icon);
    DrawCaption(buffer.DC(), layout);
    if (layout.buttonsShown)
        DrawSystemButton(buffer.DC());
    DrawTitleLines(buffer.DC(), layout);
    buffer.Present();
}

void NeloDialog::DrawTitleIcon(HDC dc, const geometry::DialogFrameLayout& layout, HICON icon) {
    if (layout.iconShown)
        ::DrawIconEx(dc, layout.icon.left, layout.icon.top, icon, layout.iconSize, layout.iconSize, 0,
                     nullptr, DI_NORMAL);
}

void NeloDialog::DrawCaption(HDC dc, const geometry::DialogFrameLayout& layout) {
    if (!m_titleFont)
        return;
    const int length = ::GetWindowTextLengthW(m_hWnd);
    CString text;
    ::GetWindowTextW(m_hWnd, text.GetBuffer(length + 1), length + 1);
    text.ReleaseBuffer();
    RECT textRect = layout.captionText;
    ScopedSelectObject font(dc, m_titleFont);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kFrameLooks.Read(m_colorInfo, FrameLook())[TitleText]);
    ::DrawTextW(dc, text.GetString(), -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void NeloDialog::DrawTitleLines(HDC dc, const geometry::DialogFrameLayout& layout) {
    // Two lines close the title bar off from the client area.
    const LookColours<FramePartCount> frame = kFrameLooks.Read(m_colorInfo, FrameLook());
    ::FillRect(dc, &layout.titleLine1, SkinResourceCache::GetSolidBrush(frame[TitleLine1]));
    ::FillRect(dc, &layout.titleLine2, SkinResourceCache::GetSolidBrush(frame[TitleLine2]));
}

void NeloDialog::DrawSystemButton(HDC hdc) {
    const geometry::DialogFrameLayout layout = FrameLayout();
    if (!layout.buttonsShown || !hdc)
        return;
    Gdiplus::Graphics g(hdc);
    DrawCloseButton(g, layout);
    if (m_systemButtonStyle == SystemButtonClose)
        return;
    // The other glyphs are axis-aligned strokes: crisp, not smoothed.
    g.SetSmoothingMode(Gdiplus::SmoothingModeNone);
    DrawMinButton(g, layout);
    if (m_systemButtonStyle == SystemButtonCloseMin)
        return;
    DrawMaxButton(g, layout);
}

void NeloDialog::DrawCloseButton(Gdiplus::Graphics& g, const geometry::DialogFrameLayout& layout) {
    const Look look = ButtonLook(DialogButton::Close);
    const LookColours<ButtonPartCount> c = kCloseLooks.Read(m_colorInfo, look);
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    DrawRoundedGradientFace(g, layout.closeButton, layout.buttonRadius, c[FaceTop], c[FaceBottom],
                            c[Outline]);
    // An X, drawn one pixel up and left of centre except while pressed.
    const Quarters q =
        QuartersOf(look == Look::Pressed ? layout.closeButton : Moved(layout.closeButton, -1, -1));
    Gdiplus::Pen glyph(Argb(c[Glyph]), layout.thinGlyphPen);
    g.DrawLine(&glyph, q.l + q.w / 4, q.t + q.h / 4, q.r - q.w / 4, q.b - q.h / 4);
    g.DrawLine(&glyph, q.l + q.w / 4, q.b - q.h / 4, q.r - q.w / 4, q.t + q.h / 4);
}

void NeloDialog::DrawMinButton(Gdiplus::Graphics& g, const geometry::DialogFrameLayout& layout) {
    const Look look = ButtonLook(DialogButton::Min);
    const LookColours<ButtonPartCount> c = kMinLooks.Read(m_colorInfo, look);
    DrawRoundedGradientFace(g, layout.minButton, layout.buttonRadius, c[FaceTop], c[FaceBottom], c[Outline]);
    RECT r = look == Look::Pressed ? Moved(layout.minButton, 1, 1) : layout.minButton;
    if (m_windowState == StateMinimized) {
        Gdiplus::Pen glyph(Argb(c[Glyph]), layout.thinGlyphPen);
        DrawRestoreGlyph(g, glyph, Moved(r, -1, 0));
        return;
    }
    // A bar two pixels above the bottom quarter line.
    const Quarters q = QuartersOf(Moved(r, 0, -2));
    Gdiplus::Pen glyph(Argb(c[Glyph]), layout.thickGlyphPen);
    g.DrawLine(&glyph, q.l + q.w / 4, q.b - q.h / 4, q.r - q.w / 4, q.b - q.h / 4);
}

void NeloDialog::DrawMaxButton(Gdiplus::Graphics& g, const geometry::DialogFrameLayout& layout) {
    const Look look = ButtonLook(DialogButton::Max);
    const LookColours<ButtonPartCount> c = kMaxLooks.Read(m_colorInfo, look);
    DrawRoundedGradientFace(g, layout.maxButton, layout.buttonRadius, c[FaceTop], c[FaceBottom], c[Outline]);
    const RECT r = Moved(layout.maxButton, look == Look::Pressed ? 0 : -1, look == Look::Pressed ? 1 : 0);
    Gdiplus::Pen glyph(Argb(c[Glyph]), layout.thinGlyphPen);
    if (m_windowState == StateMaximized) {
        DrawRestoreGlyph(g, glyph, r);
        return;
    }
    // A box with a thick top edge.
    const Quarters q = QuartersOf(r);
    g.DrawRectangle(&glyph, q.l + q.w / 4, q.t + q.h / 4, q.w / 2, q.h / 2 - 1);
    Gdiplus::Pen bar(Argb(c[Glyph]), layout.thickGlyphPen);
    g.DrawLine(&bar, q.l + q.w / 4, q.t + q.h / 4 + 1, q.r - q.w / 4, q.t + q.h / 4 + 1);
}

void NeloDialog::DrawBorder(CDC* pDC) {
    if (!m_hWnd)
        return;
    const geometry::DialogFrameLayout layout = FrameLayout();
    if (pDC) {
        DrawBorder(pDC->GetSafeHdc(), layout);
        return;
    }
    HDC dc = ::GetWindowDC(m_hWnd);
    if (!dc)
        return;
    DrawBorder(dc, layout);
    ::ReleaseDC(m_hWnd, dc);
}

void NeloDialog::DrawBorder(HDC dc, const geometry::DialogFrameLayout& layout) {
    // A dialog without a border width has no rings: its client area reaches
    // the window's edges.
    if (!layout.border)
        return;
    const LookColours<FramePartCount> frame = kFrameLooks.Read(m_colorInfo, FrameLook());
    FrameShape(dc, layout.innerRing, frame[BorderInner]);
    FrameShape(dc, layout.outerRing, frame[BorderOuter]);
}

void NeloDialog::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    CDialog::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (!m_nonClientActive || !lpncsp)
        return;
    // Without valid rectangles lParam is a single RECT, which is where
    // rgrc[0] lies as well.
    RECT& rc = lpncsp->rgrc[0];
    const RECT insets = FrameLayout().clientInsets;
    rc.left += insets.left;
    rc.top += insets.top;
    rc.right -= insets.right;
    rc.bottom -= insets.bottom;
}

LRESULT NeloDialog::OnNcHitTest(CPoint point) {
    if (!m_nonClientActive)
        return CDialog::OnNcHitTest(point);
    return geometry::DialogHitTest(FrameParams(), ScreenToWindowPoint(m_hWnd, point), !m_notResizable,
                                   m_fixedPosition != 0);
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
        const DialogButton button = ButtonAt(point);
        if (button != DialogButton::None) {
            m_pressedButton = button;
            CWindowDC dc(this);
            DrawSystemButton(dc.GetSafeHdc());
            m_buttonPressing = 1;
            return; // no drag and no system menu for a press on a button
        }
    }
    CDialog::OnNcLButtonDown(nHitTest, point);
}

void NeloDialog::OnNcLButtonUp(UINT nHitTest, CPoint point) {
    if (m_nonClientActive && m_hasCaption && m_systemButtonStyle != SystemButtonNone && m_titleHeight > 4) {
        const DialogButton pressed = m_pressedButton;
        if (pressed != DialogButton::None) {
            m_pressedButton = DialogButton::None;
            CWindowDC dc(this);
            DrawSystemButton(dc.GetSafeHdc());
        }
        m_buttonPressing = 0;
        if (pressed != DialogButton::None && pressed == ButtonAt(point)) {
            HWND self = m_hWnd;
            OnButtonReleased(pressed);
            // A derived OnCancel may have destroyed the window (and this
            // object with it).
            if (!::IsWindow(self))
                return;
        }
        m_pressedButton = DialogButton::None;
    }
    CDialog::OnNcLButtonUp(nHitTest, point);
}

void NeloDialog::OnButtonReleased(DialogButton button) {
    switch (button) {
    case DialogButton::Close:
        OnCancel();
        break;
    case DialogButton::Min:
        if (m_windowState == StateMinimized) {
            ShowWindow(SW_RESTORE, 0);
            m_windowState = StateNormal;
        } else {
            CWnd::ShowWindow(SW_SHOWMINIMIZED);
            m_stateBeforeMinimize = m_windowState;
            m_windowState = StateMinimized;
            RepaintNonClient(m_hWnd);
        }
        break;
    case DialogButton::Max:
        if (m_windowState == StateMaximized) {
            ShowWindow(SW_RESTORE, 0);
        } else {
            CWnd::ShowWindow(SW_MAXIMIZE);
            m_windowState = StateMaximized;
            // The frame painted during the resize still showed the maximize
            // glyph; the state now asks for the restore glyph.
            RepaintNonClient(m_hWnd);
        }
        break;
    default:
        break;
    }
}

void NeloDialog::OnSize(UINT nType, int cx, int cy) {
    if (m_windowState == StateMinimized)
        m_windowState = m_stateBeforeMinimize;
    SetWindowShape(m_hWnd, FrameLayout().windowRegion);
    CDialog::OnSize(nType, cx, cy);
}

void NeloDialog::OnSizing(UINT fwSide, LPRECT pRect) {
    if (pRect) {
        // The last accepted rectangle of this sizing, starting from where
        // the window was when the sizing began.
        if (!m_haveSizingRect) {
            m_lastSizingRect = WindowRectOf(m_hWnd);
            m_haveSizingRect = 1;
        }
        const SIZE smallest = geometry::DialogSmallestSize(FrameParams());
        if (pRect->right - pRect->left < smallest.cx) {
            pRect->left = m_lastSizingRect.left;
            pRect->right = m_lastSizingRect.right;
        }
        if (pRect->bottom - pRect->top < smallest.cy) {
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

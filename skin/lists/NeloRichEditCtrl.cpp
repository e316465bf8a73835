#include "NeloRichEditCtrl.h"

#include "EditGeometry.h"
#include "ScrollBarHost.h"
#include "ScrollGeometry.h"
#include "SkinControl.h"
#include "SkinDrawing.h"
#include "SkinScrollHostSteps.h"

namespace Tavrin {

BEGIN_MESSAGE_MAP(NeloRichEditCtrl, CRichEditCtrl)
ON_WM_PAINT()
ON_WM_NCPAINT()
ON_WM_NCCALCSIZE()
ON_WM_ENABLE()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_SHOWWINDOW()
ON_WM_SIZE()
ON_WM_MOVE()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_NCMOUSEMOVE()
ON_WM_NCMOUSELEAVE()
ON_REGISTERED_MESSAGE(MOUSE_OVER_NELO_SCROLLBAR_MSG, &NeloRichEditCtrl::OnMouseOverScrollBar)
END_MESSAGE_MAP()

NeloRichEditCtrl::NeloRichEditCtrl()
    : m_colors(DefaultColorInfo()), m_hoverEffect(1), m_thickness(18), m_lastStyle(0), m_inLayout(false),
      m_layoutPending(false), m_pendingClient{}, m_pendingWindow{}, m_messageDepth(0) {}

NeloRichEditCtrl::~NeloRichEditCtrl() = default;

_RichEditCtrlColorInfo NeloRichEditCtrl::DefaultColorInfo() {
    return _RichEditCtrlColorInfo{RGB(250, 250, 250), RGB(236, 233, 216), RGB(104, 128, 184), RGB(240, 200, 128),
                                  RGB(104, 128, 184), RGB(172, 168, 153), RGB(6, 45, 117),    RGB(172, 168, 153),
                                  RGB(212, 216, 238), RGB(187, 211, 233), RGB(225, 234, 234), RGB(185, 205, 251),
                                  NeloScrollBar::DefaultColorInfo()};
}

void NeloRichEditCtrl::PreSubclassWindow() {
    m_colors = DefaultColorInfo();
    if (!m_bars.Make())
        return;
    m_hover.Clear();
    m_lastStyle = 0;
    m_thickness = SystemHostedBarThickness();
    // A border of any kind becomes one static edge with one ring of
    // background inside it (a WS_BORDER kept beside it would be a third ring).
    if ((GetStyle() & WS_BORDER) || (GetExStyle() & WS_EX_CLIENTEDGE)) {
        ModifyStyleEx(WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, WS_EX_STATICEDGE);
        ModifyStyle(WS_BORDER, 0);
    } else {
        ModifyStyleEx(WS_EX_DLGMODALFRAME, 0);
    }
    SetFont(L"Arial", 10, 0);
    ApplyStateColours();
    RepaintFrame();
    CRichEditCtrl::PreSubclassWindow();
    SetScrollBar();
}

// Plain text in one colour on one background per state. A control that
// already holds text keeps its mode (the system refuses the change).
void NeloRichEditCtrl::ApplyStateColours() {
    if (!m_hWnd)
        return;
    const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
    ::SendMessageW(m_hWnd, EM_SETBKGNDCOLOR, 0, enabled ? m_colors.clrBack : m_colors.clrBackDisabled);
    ::SendMessageW(m_hWnd, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
    CHARFORMAT format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_COLOR;
    format.crTextColor = enabled ? m_colors.clrText : m_colors.clrTextDisabled;
    SetDefaultCharFormat(format);
}

void NeloRichEditCtrl::RepaintFrame() {
    if (m_hWnd)
        RepaintNonClient(m_hWnd);
}

int NeloRichEditCtrl::SetRichEditCtrlColorInfo(const _RichEditCtrlColorInfo& info) {
    if (!m_bars.Ready())
        return 0;
    m_colors = info;
    m_bars.SetColours(info.ScrollBarColors);
    ApplyStateColours();
    Invalidate(TRUE);
    RepaintFrame();
    return 1;
}

int NeloRichEditCtrl::GetRichEditCtrlColorInfo(_RichEditCtrlColorInfo& info) {
    if (!m_bars.Ready())
        return 0;
    m_bars.ReadColours(m_colors.ScrollBarColors);
    info = m_colors;
    return 1;
}

int NeloRichEditCtrl::SetFont(const CString& faceName, const int& pointSize, int bold) {
    HFONT font = SkinFont(faceName, pointSize, bold);
    if (!font)
        return 0;
    if (!m_hWnd)
        return 1;
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ApplyStateColours();
    Invalidate(TRUE);
    RepaintFrame();
    CRect client;
    GetClientRect(&client);
    ::SendMessageW(m_hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
    return 1;
}

int NeloRichEditCtrl::ShowHoverEffect(int show) {
    return SetHostedHoverEffect(m_bars, m_hoverEffect, show, [this] { RepaintFrame(); });
}

int NeloRichEditCtrl::ShowScrollBarThumbSymbol(int show) {
    return m_bars.ShowThumbSymbol(show);
}

int NeloRichEditCtrl::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

// A thumb dragged on a skinned bar: its whole position (the message carries
// 16 bits) scrolls the text; the native bar never moves.
bool NeloRichEditCtrl::ThumbScroll(UINT message, WPARAM wParam) {
    const UINT code = LOWORD(wParam);
    if (code != SB_THUMBTRACK && code != SB_THUMBPOSITION)
        return false;
    NeloScrollBar* bar = message == WM_VSCROLL ? m_bars.Vertical() : m_bars.Horizontal();
    if (!bar || !bar->GetSafeHwnd())
        return false;
    SCROLLINFO info{};
    bar->GetScrollInfo(&info, SIF_TRACKPOS);
    POINT pos{};
    ::SendMessageW(m_hWnd, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&pos));
    (message == WM_VSCROLL ? pos.y : pos.x) = info.nTrackPos;
    ::SendMessageW(m_hWnd, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&pos));
    if (code == SB_THUMBPOSITION)
        bar->SetScrollPos(::GetScrollPos(m_hWnd, message == WM_VSCROLL ? SB_VERT : SB_HORZ));
    return true;
}

LRESULT NeloRichEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if ((message == WM_VSCROLL || message == WM_HSCROLL) && lParam == 0 && ThumbScroll(message, wParam))
            return 0;
        if (message == WM_KEYUP) {
            SetScrollBar();
            CalculateScrollBarSize(nullptr, nullptr, 0, 0);
        }
        ++m_messageDepth;
        const LRESULT result = CRichEditCtrl::WindowProc(message, wParam, lParam);
        --m_messageDepth;
        if ((message == WM_VSCROLL || message == WM_HSCROLL || message == WM_MOUSEWHEEL) && m_hWnd)
            SetScrollBar();
        // The layout the frame computation asked for, outside it.
        if (m_messageDepth == 0 && m_layoutPending && message != WM_NCCALCSIZE && m_hWnd) {
            m_layoutPending = false;
            const DWORD style = GetStyle();
            SetScrollBar();
            CalculateScrollBarSize(&m_pendingClient, &m_pendingWindow, (style & WS_HSCROLL) != 0,
                                   (style & WS_VSCROLL) != 0);
        }
        return result;
    } catch (...) {
        m_messageDepth = 0;
        return 0;
    }
}

void NeloRichEditCtrl::SetScrollBar() {
    SyncHostedBars(*this, m_bars);
}

void NeloRichEditCtrl::CalculateScrollBarSize(const RECT* clientRect, const RECT* windowRect, int hasHorz,
                                              int hasVert) {
    if (!m_hWnd)
        return;
    const RECT client = clientRect ? *clientRect : WindowRelativeClient(m_hWnd);
    LayoutHostedBarsBeside(m_hWnd, m_bars, windowRect, client, m_thickness, hasHorz, hasVert, m_lastStyle,
                           m_inLayout);
}

// The edit's frame: the system's bar space given back and the skinned bars'
// taken instead, one ring of background. A changed style asks for a layout
// of the bars with the new client rectangle, run once this computation is
// over (the region it sets computes the frame again).
void NeloRichEditCtrl::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* params) {
    const RECT windowOnParent = params->rgrc[0];
    Default();
    const DWORD style = GetStyle();
    params->rgrc[0] =
        geometry::EditClientRect(params->rgrc[0], (style & WS_HSCROLL) != 0, (style & WS_VSCROLL) != 0,
                                 ::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL), m_thickness);
    if (style != m_lastStyle && !m_inLayout) {
        m_lastStyle = style;
        m_pendingClient = params->rgrc[0];
        ::OffsetRect(&m_pendingClient, -windowOnParent.left, -windowOnParent.top);
        m_pendingWindow = windowOnParent;
        m_layoutPending = true;
    }
}

void NeloRichEditCtrl::OnNcPaint() {
    try {
        const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
        const DWORD style = GetStyle();
        const RECT window = WindowLocalRect(m_hWnd);
        ScrollFrameLook look{};
        look.back = enabled ? m_colors.clrBack : m_colors.clrBackDisabled;
        if (!enabled)
            look.border = m_colors.clrBorderDisabled;
        else if (::GetFocus() == m_hWnd)
            look.border = m_colors.clrBorderFocus;
        else if (IsHot())
            look.border = m_colors.clrBorderHot;
        else
            look.border = m_colors.clrBorder;
        look.corner = (style & WS_HSCROLL) && (style & WS_VSCROLL);
        look.cornerSquare = geometry::ScrollCornerSquare(window.right, window.bottom, m_thickness,
                                                         (GetExStyle() & WS_EX_STATICEDGE) != 0);
        look.cornerFrom = enabled ? m_colors.clrSizeBoxFrom : m_colors.clrSizeBoxDisabledFrom;
        look.cornerTo = enabled ? m_colors.clrSizeBoxTo : m_colors.clrSizeBoxDisabledTo;
        PaintScrollFrame(m_hWnd, look);
    } catch (...) {
    }
}

void NeloRichEditCtrl::OnPaint() {
    Default();
    SetScrollBar();
    CalculateScrollBarSize(nullptr, nullptr, 0, 0);
}

void NeloRichEditCtrl::OnEnable(BOOL enable) {
    CRichEditCtrl::OnEnable(enable);
    m_bars.Enable(enable != FALSE);
    ApplyStateColours();
    Invalidate(TRUE);
    RepaintFrame();
}

void NeloRichEditCtrl::OnSetFocus(CWnd* oldWnd) {
    CRichEditCtrl::OnSetFocus(oldWnd);
    RepaintFrame();
}

void NeloRichEditCtrl::OnKillFocus(CWnd* newWnd) {
    CRichEditCtrl::OnKillFocus(newWnd);
    RepaintFrame();
}

void NeloRichEditCtrl::OnShowWindow(BOOL show, UINT status) {
    CRichEditCtrl::OnShowWindow(show, status);
    m_bars.Show(show != FALSE, GetStyle());
}

void NeloRichEditCtrl::OnSize(UINT type, int cx, int cy) {
    CRichEditCtrl::OnSize(type, cx, cy);
    m_lastStyle = 0;
    Invalidate(FALSE);
}

void NeloRichEditCtrl::OnMove(int x, int y) {
    CRichEditCtrl::OnMove(x, y);
    m_lastStyle = 0;
    Invalidate(FALSE);
}

// Sets or clears one hover source; the frame repaints when that changes
// the hot look.
void NeloRichEditCtrl::SetHoverSource(int HoverSources::*source, bool on) {
    const bool was = IsHot();
    if (on)
        EnterHoverSource(m_hover, source, m_hWnd);
    else
        m_hover.*source = 0;
    if (was != IsHot())
        RepaintFrame();
}

void NeloRichEditCtrl::OnMouseMove(UINT flags, CPoint point) {
    if (m_hoverEffect)
        SetHoverSource(&HoverSources::client, true);
    CRichEditCtrl::OnMouseMove(flags, point);
}

void NeloRichEditCtrl::OnMouseLeave() {
    SetHoverSource(&HoverSources::client, false);
    CRichEditCtrl::OnMouseLeave();
}

void NeloRichEditCtrl::OnNcMouseMove(UINT hitTest, CPoint point) {
    if (m_hoverEffect)
        SetHoverSource(&HoverSources::nonClient, true);
    CRichEditCtrl::OnNcMouseMove(hitTest, point);
}

void NeloRichEditCtrl::OnNcMouseLeave() {
    SetHoverSource(&HoverSources::nonClient, false);
    CRichEditCtrl::OnNcMouseLeave();
}

// wParam 1: the pointer came onto one of the bars; 0: it left.
LRESULT NeloRichEditCtrl::OnMouseOverScrollBar(WPARAM wParam, LPARAM) {
    if (wParam && !m_hoverEffect)
        return 1;
    SetHoverSource(&HoverSources::scrollBar, wParam != 0);
    return 1;
}

} // namespace Tavrin

#include "NeloScrollView.h"

#include "ScrollAreaGeometry.h"
#include "ScrollBarHost.h"
#include "SkinDrawing.h"
#include "SkinWindow.h"

namespace Tavrin {

namespace {

// The keys the view scrolls with, as the scroll codes OnScroll takes for
// the horizontal and the vertical direction (kStay: that direction does not
// move).
const BYTE kStay = 0xff;
struct KeyScroll {
    UINT key;
    BYTE horizontal;
    BYTE vertical;
};
const KeyScroll kKeyScrolls[] = {
    {VK_UP, kStay, SB_LINEUP},     {VK_DOWN, kStay, SB_LINEDOWN}, {VK_PRIOR, kStay, SB_PAGEUP},
    {VK_NEXT, kStay, SB_PAGEDOWN}, {VK_HOME, kStay, SB_TOP},      {VK_END, kStay, SB_BOTTOM},
    {VK_LEFT, SB_LINEUP, kStay},   {VK_RIGHT, SB_LINEDOWN, kStay},
};

} // namespace

IMPLEMENT_DYNCREATE(NeloScrollView, CScrollView)

BEGIN_MESSAGE_MAP(NeloScrollView, CScrollView)
ON_WM_PAINT()
ON_WM_NCPAINT()
ON_WM_NCCALCSIZE()
ON_WM_SIZE()
ON_WM_MOVE()
ON_WM_SHOWWINDOW()
ON_WM_ERASEBKGND()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

NeloScrollView::NeloScrollView()
    : m_colors(DefaultColorInfo()), m_hoverEffect(1), m_barThickness(18), m_styleCache(-1), m_inLayout(false),
      m_layoutPending(false), m_messageDepth(0) {
    m_bars.Make();
}

NeloScrollView::~NeloScrollView() = default;

_ScrollViewColorInfo NeloScrollView::DefaultColorInfo() {
    return _ScrollViewColorInfo{RGB(250, 250, 250), RGB(104, 128, 184), RGB(212, 216, 238), RGB(187, 211, 233),
                                NeloScrollBar::DefaultColorInfo()};
}

// A border of any kind becomes one static edge with one pixel of background
// inside it.
BOOL NeloScrollView::PreCreateWindow(CREATESTRUCT& cs) {
    if (!CScrollView::PreCreateWindow(cs))
        return FALSE;
    if ((cs.dwExStyle & WS_EX_CLIENTEDGE) || (cs.style & WS_BORDER)) {
        cs.dwExStyle = (cs.dwExStyle & ~WS_EX_CLIENTEDGE) | WS_EX_STATICEDGE;
        cs.style &= ~WS_BORDER;
    }
    return TRUE;
}

void NeloScrollView::PreSubclassWindow() {
    m_colors = DefaultColorInfo();
    m_hoverEffect = 1;
    m_barThickness = SystemHostedBarThickness();
    m_styleCache = -1;
    if ((GetExStyle() & WS_EX_CLIENTEDGE) || (GetStyle() & WS_BORDER)) {
        ModifyStyleEx(WS_EX_CLIENTEDGE, WS_EX_STATICEDGE);
        ModifyStyle(WS_BORDER, 0);
    }
    CScrollView::PreSubclassWindow();
}

void NeloScrollView::OnInitialUpdate() {
    CScrollView::OnInitialUpdate();
    SetScrollSizes(MM_TEXT, CSize(150, 150));
}

void NeloScrollView::OnDraw(CDC*) {}

int NeloScrollView::SetScrollViewColorInfo(const _ScrollViewColorInfo& info) {
    if (!m_hWnd)
        return 0;
    m_colors = info;
    m_bars.SetColours(info.scrollBarColors);
    Invalidate(TRUE);
    RepaintNonClient(m_hWnd);
    return 1;
}

int NeloScrollView::GetScrollViewColorInfo(_ScrollViewColorInfo& info) {
    if (!m_bars.Horizontal()->GetSafeHwnd())
        return 0;
    m_bars.ReadColours(m_colors.scrollBarColors);
    info = m_colors;
    return 1;
}

int NeloScrollView::ShowHoverEffect(int show) {
    if (show == m_hoverEffect)
        return 1;
    if (!m_bars.Horizontal()->GetSafeHwnd() || !m_bars.Vertical()->GetSafeHwnd())
        return 0;
    m_hoverEffect = show;
    m_bars.ShowHoverEffect(show);
    return 1;
}

int NeloScrollView::ShowScrollBarThumbSymbol(int show) {
    m_bars.ShowThumbSymbol(show);
    return 1;
}

int NeloScrollView::Invalidate(int) {
    return InvalidateControl(m_hWnd, 1);
}

LRESULT NeloScrollView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        ++m_messageDepth;
        const LRESULT result = CScrollView::WindowProc(message, wParam, lParam);
        --m_messageDepth;
        // Not at the end of the frame computation itself: the system is
        // still inside it; the next message (the position change that
        // follows) runs the layout.
        if (m_messageDepth == 0 && m_layoutPending && message != WM_NCCALCSIZE && m_hWnd) {
            m_layoutPending = false;
            const DWORD style = GetStyle();
            SetScrollBar();
            CalculateScrollBarSize(&m_pendingClient, (style & WS_HSCROLL) != 0, (style & WS_VSCROLL) != 0);
        }
        return result;
    } catch (...) {
        m_messageDepth = 0;
        return 0;
    }
}

int NeloScrollView::GetThumbTrackPos(int nBar, UINT nPos16) {
    NeloScrollBar& bar = nBar == SB_HORZ ? *m_bars.Horizontal() : *m_bars.Vertical();
    if (!bar.GetSafeHwnd())
        return CScrollView::GetThumbTrackPos(nBar, nPos16);
    SCROLLINFO info{};
    bar.GetScrollInfo(&info, SIF_TRACKPOS);
    return info.nTrackPos;
}

// Every scroll, whatever started it, moves the bars' thumbs with it.
BOOL NeloScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll) {
    const BOOL scrolled = CScrollView::OnScrollBy(sizeScroll, bDoScroll);
    if (scrolled && bDoScroll)
        SetScrollBar();
    return scrolled;
}

void NeloScrollView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    for (const KeyScroll& k : kKeyScrolls) {
        if (k.key == nChar) {
            OnScroll(MAKEWORD(k.horizontal, k.vertical), 0);
            return;
        }
    }
    CScrollView::OnKeyDown(nChar, nRepCnt, nFlags);
}

// The frame: the border ring and one pixel of background inside it; the
// bars' areas are one pixel wider than the bars and sit on that ring. A
// changed style asks for a layout of the bars with the new client rectangle;
// it runs when the next message of the view is done (WindowProc), outside
// the computation: the region it sets computes the frame again, which must
// not happen inside this computation.
void NeloScrollView::OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params) {
    const RECT windowBefore = params->rgrc[0];
    CScrollView::OnNcCalcSize(calcValidRects, params);
    params->rgrc[0] = HostedClientRect(m_hWnd, params->rgrc[0], m_barThickness);
    const DWORD style = GetStyle();
    if (m_inLayout || static_cast<int>(style) == m_styleCache)
        return;
    m_styleCache = static_cast<int>(style);
    m_pendingClient = params->rgrc[0];
    m_pendingClient.OffsetRect(-windowBefore.left, -windowBefore.top);
    m_layoutPending = true;
}

void NeloScrollView::OnNcPaint() {
    try {
        const DWORD style = GetStyle();
        const RECT window = WindowLocalRect(m_hWnd);
        ScrollFrameLook look{};
        look.back = m_colors.clrViewBack;
        look.border = m_colors.clrViewBorder;
        look.corner = (style & WS_HSCROLL) && (style & WS_VSCROLL);
        look.cornerSquare = geometry::ScrollViewCornerSquare(SIZE{window.right, window.bottom}, m_barThickness,
                                                             (GetExStyle() & WS_EX_STATICEDGE) != 0);
        look.cornerFrom = m_colors.clrViewCornerFrom;
        look.cornerTo = m_colors.clrViewCornerTo;
        PaintScrollFrame(m_hWnd, look);
    } catch (...) {
    }
}

BOOL NeloScrollView::OnEraseBkgnd(CDC* pDC) {
    CRect client;
    GetClientRect(&client);
    SkinPaintBuffer buffer(pDC->GetSafeHdc(), client, Gdiplus::SmoothingModeDefault);
    if (buffer.IsValid()) {
        RECT local = buffer.LocalRect();
        ::FillRect(buffer.DC(), &local, SkinResourceCache::GetSolidBrush(m_colors.clrViewBack));
        buffer.Present();
    }
    return TRUE;
}

void NeloScrollView::OnPaint() {
    CScrollView::OnPaint();
    SetScrollBar();
    CalculateScrollBarSize(nullptr, 0, 0);
}

void NeloScrollView::OnSize(UINT type, int cx, int cy) {
    CScrollView::OnSize(type, cx, cy);
    m_styleCache = 0;
    Invalidate(TRUE);
}

void NeloScrollView::OnMove(int x, int y) {
    CScrollView::OnMove(x, y);
    m_styleCache = 0;
    Invalidate(TRUE);
}

void NeloScrollView::OnShowWindow(BOOL show, UINT status) {
    CScrollView::OnShowWindow(show, status);
    m_bars.Show(show != FALSE, GetStyle());
}

long NeloScrollView::SetScrollBar() {
    return SyncHostedScrollBars(*this, m_bars, m_colors.scrollBarColors);
}

long NeloScrollView::CalculateScrollBarSize(CRect* clientRect, int forceHorizontal, int forceVertical) {
    const int style = static_cast<int>(GetStyle());
    if ((style == m_styleCache && !clientRect) || m_inLayout)
        return 0;
    m_styleCache = style;
    m_inLayout = true;
    const long result =
        LayoutHostedScrollBars(*this, m_bars, clientRect, m_barThickness,
                               (style & WS_HSCROLL) || forceHorizontal, (style & WS_VSCROLL) || forceVertical, false);
    m_inLayout = false;
    return result;
}

} // namespace Tavrin

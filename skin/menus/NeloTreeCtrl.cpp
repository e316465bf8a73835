#include "NeloTreeCtrl.h"

#include "ScrollAreaGeometry.h"
#include "ScrollBarHost.h"
#include "SkinDrawing.h"
#include "SkinWindow.h"

namespace Tavrin {

namespace {

bool IsCode(const NMHDR* header, UINT wide, UINT ansi) {
    return header->code == wide || header->code == ansi;
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// NeloTreeCtrlItemWnd

BEGIN_MESSAGE_MAP(NeloTreeCtrlItemWnd, CWnd)
ON_WM_PAINT()
ON_WM_NCHITTEST()
ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

NeloTreeCtrlItemWnd::NeloTreeCtrlItemWnd()
    : m_colours{RGB(250, 250, 250), RGB(0, 192, 232), RGB(232, 232, 240), RGB(0, 150, 189),
                RGB(199, 199, 199), RGB(6, 45, 117),   RGB(250, 250, 250), RGB(6, 45, 117)},
      m_selectedLook(0), m_itemHover(1), m_font(SkinResourceCache::GetFont(FontKey(L"Arial", 10, 0))) {}

NeloTreeCtrlItemWnd::~NeloTreeCtrlItemWnd() {
    if (m_hWnd)
        DestroyWindow();
}

int NeloTreeCtrlItemWnd::Create() {
    if (m_hWnd)
        return 1;
    LPCTSTR windowClass =
        AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), (HBRUSH)::GetStockObject(WHITE_BRUSH));
    return CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass, L"", WS_POPUP, 0, 0, 0, 0,
                    nullptr, nullptr)
               ? 1
               : 0;
}

void NeloTreeCtrlItemWnd::PreSubclassWindow() {
    m_selectedLook = 0;
    CWnd::PreSubclassWindow();
}

void NeloTreeCtrlItemWnd::SetColours(const Colours& colours) {
    m_colours = colours;
    if (m_hWnd)
        CWnd::Invalidate(FALSE);
}

int NeloTreeCtrlItemWnd::SetFont(HFONT font) {
    if (!font)
        return 0;
    m_font = font;
    if (m_hWnd)
        CWnd::Invalidate(FALSE);
    return 1;
}

void NeloTreeCtrlItemWnd::SetItemHover(int itemHover) {
    m_itemHover = itemHover;
}

void NeloTreeCtrlItemWnd::ShowTip(const CString& text, const RECT& screenRect, int selectedLook) {
    if (!m_hWnd)
        return;
    m_text = text;
    m_selectedLook = selectedLook;
    const RECT placed = geometry::KeepOnScreen(
        screenRect, SIZE{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, placed.left, placed.top, placed.right - placed.left,
                   placed.bottom - placed.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    CWnd::Invalidate(FALSE);
}

void NeloTreeCtrlItemWnd::HideTip() {
    if (m_hWnd && ::IsWindowVisible(m_hWnd))
        ::ShowWindow(m_hWnd, SW_HIDE);
}

// The pointer goes through to the tree underneath, which keeps tracking its
// hot item and hides the tip when the pointer leaves.
LRESULT NeloTreeCtrlItemWnd::OnNcHitTest(CPoint) {
    return HTTRANSPARENT;
}

int NeloTreeCtrlItemWnd::OnMouseActivate(CWnd*, UINT, UINT) {
    return MA_NOACTIVATE;
}

void NeloTreeCtrlItemWnd::OnPaint() {
    Tavrin::PaintClient(*this, *this);
}

void NeloTreeCtrlItemWnd::PaintClient(HDC dc, const RECT& client) {
    SkinPaintBuffer buffer(dc, client, Gdiplus::SmoothingModeDefault);
    if (!buffer.IsValid())
        return;
    COLORREF back = m_colours.back, frame = m_colours.hotFrame, text = m_colours.text;
    if (m_selectedLook) {
        back = m_colours.selectedBack;
        frame = m_colours.caretFrame;
        text = m_colours.selectedText;
    } else if (m_itemHover) {
        back = m_colours.hotBack;
        text = m_colours.hotText;
    }
    RECT local = buffer.LocalRect();
    ::FillRect(buffer.DC(), &local, SkinResourceCache::GetSolidBrush(back));
    ::FrameRect(buffer.DC(), &local, SkinResourceCache::GetSolidBrush(frame));
    ScopedSelectObject font(buffer.DC(), m_font);
    ::SetBkMode(buffer.DC(), TRANSPARENT);
    ::SetTextColor(buffer.DC(), text);
    ::DrawTextW(buffer.DC(), m_text, m_text.GetLength(), &local,
                DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    buffer.Present();
}

/////////////////////////////////////////////////////////////////////////////
// NeloTreeCtrl

BEGIN_MESSAGE_MAP(NeloTreeCtrl, CTreeCtrl)
ON_WM_PAINT()
ON_WM_NCPAINT()
ON_WM_NCCALCSIZE()
ON_WM_ENABLE()
ON_WM_SHOWWINDOW()
ON_WM_MOVE()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_MOUSEWHEEL()
ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &NeloTreeCtrl::OnCustomDraw)
END_MESSAGE_MAP()

NeloTreeCtrl::NeloTreeCtrl()
    : m_colors(DefaultColorInfo()), m_hoverEffect(1), m_itemHover(1), m_barThickness(18), m_styleCache(-1),
      m_hotTreeItem(nullptr), m_askingParent(false), m_redrawOffForExpand(false),
      m_messageDepth(0) {
    m_bars.Make();
}

NeloTreeCtrl::~NeloTreeCtrl() = default;

_TreeCtrlColorInfo NeloTreeCtrl::DefaultColorInfo() {
    return _TreeCtrlColorInfo{
        RGB(250, 250, 250), RGB(236, 233, 216), RGB(0, 192, 232),   RGB(232, 232, 240), RGB(0, 150, 189),
        RGB(199, 199, 199), RGB(6, 45, 117),    RGB(250, 250, 250), RGB(6, 45, 117),    RGB(172, 168, 153),
        RGB(6, 45, 117),    RGB(172, 168, 153), RGB(104, 128, 184), RGB(172, 168, 153), RGB(212, 216, 238),
        RGB(187, 211, 233), RGB(225, 234, 234), RGB(185, 205, 251), NeloScrollBar::DefaultColorInfo()};
}

void NeloTreeCtrl::PreSubclassWindow() {
    CTreeCtrl::PreSubclassWindow();
    m_colors = DefaultColorInfo();
    m_itemTip.Create();
    m_hoverEffect = 1;
    m_itemHover = 1;
    m_pointer.Reset();
    m_hotTreeItem = nullptr;
    m_barThickness = SystemHostedBarThickness();
    m_styleCache = -1;
    // A border of any kind becomes one static edge (the border ring) with
    // one pixel of background inside it; a WS_BORDER kept beside it would
    // leave a third ring that nobody paints.
    if ((GetExStyle() & WS_EX_CLIENTEDGE) || (GetStyle() & WS_BORDER)) {
        ModifyStyleEx(WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, WS_EX_STATICEDGE);
        ModifyStyle(WS_BORDER, 0);
    }
    // The item tip replaces the tree's own tooltips.
    ModifyStyle(0, TVS_NOTOOLTIPS);
    ::SendMessageW(m_hWnd, TVM_SETTOOLTIPS, 0, 0);
    SetFont(L"Arial", 10, 0);
    ApplyTreeColours();
    SetScrollBar();
}

int NeloTreeCtrl::SetTreeCtrlColorInfo(const _TreeCtrlColorInfo& info) {
    if (!m_itemTip.GetSafeHwnd() || !HaveBars())
        return 0;
    m_colors = info;
    m_bars.SetColours(info.scrollBarColors);
    m_itemTip.SetColours({info.clrTreeBack, info.clrItemSelectedBack, info.clrItemHotBack, info.clrCaretFrame,
                          info.clrItemHotFrame, info.clrTreeText, info.clrItemSelectedText, info.clrItemHotText});
    ApplyTreeColours();
    Invalidate(TRUE);
    RepaintNonClient(m_hWnd);
    return 1;
}

int NeloTreeCtrl::GetTreeCtrlColorInfo(_TreeCtrlColorInfo& info) {
    if (!m_itemTip.GetSafeHwnd() || !HaveBars())
        return 0;
    m_bars.ReadColours(m_colors.scrollBarColors);
    info = m_colors;
    return 1;
}

int NeloTreeCtrl::ShowHoverEffect(int hover, int itemHoverFlag) {
    const int newItemHover = hover ? itemHoverFlag : 0;
    if (hover == m_hoverEffect && newItemHover == m_itemHover)
        return 1;
    if (!m_itemTip.GetSafeHwnd() || !HaveBars())
        return 0;
    m_hoverEffect = hover;
    m_itemHover = newItemHover;
    m_bars.ShowHoverEffect(hover);
    m_itemTip.SetItemHover(m_itemHover);
    Invalidate(FALSE);
    return 1;
}

int NeloTreeCtrl::SetFont(const CString& faceName, const int& pointSize, int bold) {
    if (!m_itemTip.GetSafeHwnd())
        return 0;
    HFONT font = SkinFont(faceName, pointSize, bold);
    if (!font)
        return 0;
    ::SendMessageW(m_hWnd, WM_SETFONT, (WPARAM)font, TRUE);
    return m_itemTip.SetFont(font);
}

int NeloTreeCtrl::ShowScrollBarThumbSymbol(int show) {
    if (!HaveBars())
        return 0;
    m_bars.ShowThumbSymbol(show);
    return 1;
}

int NeloTreeCtrl::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

void NeloTreeCtrl::ApplyTreeColours() {
    const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
    ::SendMessageW(m_hWnd, TVM_SETBKCOLOR, 0, enabled ? m_colors.clrTreeBack : m_colors.clrTreeBackDisabled);
    ::SendMessageW(m_hWnd, TVM_SETTEXTCOLOR, 0, enabled ? m_colors.clrTreeText : m_colors.clrTreeTextDisabled);
    ::SendMessageW(m_hWnd, TVM_SETLINECOLOR, 0, enabled ? m_colors.clrTreeLine : m_colors.clrTreeLineDisabled);
}

LRESULT NeloTreeCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == TVM_DELETEITEM)
            ForgetHotItemIfDeleted(reinterpret_cast<HTREEITEM>(lParam));
        ++m_messageDepth;
        LRESULT result = CTreeCtrl::WindowProc(message, wParam, lParam);
        --m_messageDepth;
        // An expansion that began in this message and never reported its end
        // (the tree had nothing to expand after all) gives the redraw back.
        if (m_messageDepth == 0 && m_redrawOffForExpand)
            RestoreRedrawAfterExpansion();
        return result;
    } catch (...) {
        m_messageDepth = 0;
        return 0;
    }
}

// Reflected notifications the tree watches without taking them from the
// parent: expansion, selection and deletion.
BOOL NeloTreeCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    // While the parent decides an expansion, its own handling runs alone.
    if (m_askingParent)
        return FALSE;
    if (message == WM_NOTIFY) {
        auto* info = reinterpret_cast<NMTREEVIEWW*>(lParam);
        if (IsCode(&info->hdr, TVN_ITEMEXPANDINGW, TVN_ITEMEXPANDINGA))
            return ExpansionNotify(info, pResult);
        if (IsCode(&info->hdr, TVN_ITEMEXPANDEDW, TVN_ITEMEXPANDEDA))
            RestoreRedrawAfterExpansion();
        else if (IsCode(&info->hdr, TVN_SELCHANGEDW, TVN_SELCHANGEDA))
            UpdateTipFor(info->itemNew.hItem);
        else if (IsCode(&info->hdr, TVN_DELETEITEMW, TVN_DELETEITEMA))
            ForgetHotItemIfDeleted(info->itemOld.hItem);
    }
    return CTreeCtrl::OnChildNotify(message, wParam, lParam, pResult);
}

// The parent decides first (it sees the notification once, here); only an
// expansion it lets happen turns redraw off, so that a vetoed one never
// leaves the tree frozen.
bool NeloTreeCtrl::ExpansionNotify(NMTREEVIEWW* info, LRESULT* pResult) {
    LRESULT veto = 0;
    if (!CTreeCtrl::OnChildNotify(WM_NOTIFY, info->hdr.idFrom, reinterpret_cast<LPARAM>(info), &veto)) {
        HWND parent = ::GetParent(m_hWnd);
        m_askingParent = true;
        veto = parent ? ::SendMessageW(parent, WM_NOTIFY, info->hdr.idFrom, reinterpret_cast<LPARAM>(info)) : 0;
        m_askingParent = false;
    }
    if (!veto && !m_redrawOffForExpand && ::IsWindowVisible(m_hWnd)) {
        ::SendMessageW(m_hWnd, WM_SETREDRAW, FALSE, 0);
        m_redrawOffForExpand = true;
    }
    *pResult = veto;
    return true;
}

void NeloTreeCtrl::RestoreRedrawAfterExpansion() {
    if (!m_redrawOffForExpand)
        return;
    m_redrawOffForExpand = false;
    ::SendMessageW(m_hWnd, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

// A deleted item's handle is never kept: the hot item goes with the item, a
// branch holding it, or the whole tree.
void NeloTreeCtrl::ForgetHotItemIfDeleted(HTREEITEM deleted) {
    if (!m_hotTreeItem)
        return;
    bool gone = deleted == nullptr || deleted == TVI_ROOT;
    for (HTREEITEM item = m_hotTreeItem; item && !gone; item = GetParentItem(item))
        gone = item == deleted;
    if (gone) {
        m_hotTreeItem = nullptr;
        m_itemTip.HideTip();
    }
}

void NeloTreeCtrl::OnCustomDraw(NMHDR* header, LRESULT* result) {
    auto* draw = reinterpret_cast<NMTVCUSTOMDRAW*>(header);
    *result = CDRF_DODEFAULT;
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) {
        *result = CDRF_NOTIFYITEMDRAW;
        return;
    }
    if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return;
    const HTREEITEM item = reinterpret_cast<HTREEITEM>(draw->nmcd.dwItemSpec);
    if (!::IsWindowEnabled(m_hWnd)) {
        draw->clrText = m_colors.clrTreeTextDisabled;
        draw->clrTextBk = m_colors.clrTreeBackDisabled;
    } else if (draw->nmcd.uItemState & CDIS_SELECTED) {
        draw->clrText = m_colors.clrItemSelectedText;
        draw->clrTextBk = m_colors.clrItemSelectedBack;
    } else if (item == m_hotTreeItem && HoverLooks()) {
        draw->clrText = m_colors.clrItemHotText;
        draw->clrTextBk = m_colors.clrItemHotBack;
    } else {
        draw->clrText = m_colors.clrTreeText;
        draw->clrTextBk = m_colors.clrTreeBack;
    }
}

void NeloTreeCtrl::OnPaint() {
    Default();
    DrawItemFrames();
    SetScrollBar();
    CalculateScrollBarSize(nullptr, 0, 0);
}

// One-pixel frames around the caret item's label and, when the hover looks
// are on, around another item under the pointer. The caret frame stays when
// the pointer is elsewhere.
void NeloTreeCtrl::DrawItemFrames() {
    if (!::IsWindowEnabled(m_hWnd))
        return;
    HDC dc = ::GetDC(m_hWnd);
    if (!dc)
        return;
    CRect label;
    const HTREEITEM caret = GetSelectedItem();
    if (caret && GetItemRect(caret, &label, TRUE))
        ::FrameRect(dc, &label, SkinResourceCache::GetSolidBrush(m_colors.clrCaretFrame));
    if (HoverLooks() && m_hotTreeItem && m_hotTreeItem != caret && GetItemRect(m_hotTreeItem, &label, TRUE))
        ::FrameRect(dc, &label, SkinResourceCache::GetSolidBrush(m_colors.clrItemHotFrame));
    ::ReleaseDC(m_hWnd, dc);
}

// The frame: the border ring and one pixel of background inside it; the
// skinned bars' areas are one pixel wider than their bars and sit on that
// ring.
void NeloTreeCtrl::OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params) {
    CTreeCtrl::OnNcCalcSize(calcValidRects, params);
    params->rgrc[0] = HostedClientRect(m_hWnd, params->rgrc[0], m_barThickness);
}

// The background under the bars and the corner square between them, then
// the border rings. The client area is left alone.
void NeloTreeCtrl::OnNcPaint() {
    try {
        const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
        const DWORD style = GetStyle();
        const RECT window = WindowLocalRect(m_hWnd);
        ScrollFrameLook look{};
        look.back = enabled ? m_colors.clrTreeBack : m_colors.clrTreeBackDisabled;
        look.border = enabled ? m_colors.clrTreeBorder : m_colors.clrTreeBorderDisabled;
        look.corner = (style & WS_HSCROLL) && (style & WS_VSCROLL);
        look.cornerSquare = geometry::ScrollCornerSquare(window.right, window.bottom, m_barThickness,
                                                         (GetExStyle() & WS_EX_STATICEDGE) != 0);
        look.cornerFrom = enabled ? m_colors.clrCornerFrom : m_colors.clrCornerDisabledFrom;
        look.cornerTo = enabled ? m_colors.clrCornerTo : m_colors.clrCornerDisabledTo;
        PaintScrollFrame(m_hWnd, look);
    } catch (...) {
    }
}

void NeloTreeCtrl::OnEnable(BOOL enable) {
    ApplyTreeColours();
    CTreeCtrl::OnEnable(enable);
    if (HaveBars()) {
        m_bars.Enable(enable != FALSE);
    }
    if (!enable) {
        m_hotTreeItem = nullptr;
        m_itemTip.HideTip();
    }
    Invalidate(TRUE);
    RepaintNonClient(m_hWnd);
}

void NeloTreeCtrl::OnShowWindow(BOOL show, UINT status) {
    CTreeCtrl::OnShowWindow(show, status);
    m_bars.Show(show != FALSE, GetStyle());
    if (!show)
        m_itemTip.HideTip();
}

void NeloTreeCtrl::OnMove(int x, int y) {
    CTreeCtrl::OnMove(x, y);
    m_styleCache = 0;
    Invalidate(FALSE);
}

void NeloTreeCtrl::OnSize(UINT type, int cx, int cy) {
    CTreeCtrl::OnSize(type, cx, cy);
    m_styleCache = 0;
    Invalidate(FALSE);
}

// Shows the tip over an item whose label runs past the client area's right
// edge, in the selected look for the caret item; hides it otherwise.
void NeloTreeCtrl::UpdateTipFor(HTREEITEM item) {
    CRect label, client;
    if (!item || !GetItemRect(item, &label, TRUE)) {
        m_itemTip.HideTip();
        return;
    }
    GetClientRect(&client);
    if (label.right <= client.right) {
        m_itemTip.HideTip();
        return;
    }
    ClientToScreen(&label);
    m_itemTip.ShowTip(GetItemText(item), label, item == GetSelectedItem());
}

void NeloTreeCtrl::TrackHotItem(CPoint point, bool needsHover) {
    UINT flags = 0;
    const HTREEITEM item = HitTest(point, &flags);
    if (item != m_hotTreeItem)
        UpdateTipFor(item);
    if (needsHover && !HoverLooks())
        return;
    const HTREEITEM hot = (flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL)) ? item : nullptr;
    if (hot != m_hotTreeItem) {
        m_hotTreeItem = hot;
        Invalidate(FALSE);
    }
}

void NeloTreeCtrl::OnMouseMove(UINT flags, CPoint point) {
    if (::IsWindowEnabled(m_hWnd))
        TrackHotItem(point, false);
    if (HoverLooks())
        m_pointer.Update(m_hWnd, true);
    CTreeCtrl::OnMouseMove(flags, point);
}

void NeloTreeCtrl::OnMouseLeave() {
    m_pointer.Leave();
    if (m_hotTreeItem) {
        m_hotTreeItem = nullptr;
        Invalidate(FALSE);
    }
    m_itemTip.HideTip();
    CTreeCtrl::OnMouseLeave();
}

BOOL NeloTreeCtrl::OnMouseWheel(UINT flags, short delta, CPoint point) {
    BOOL result = CTreeCtrl::OnMouseWheel(flags, delta, point);
    // The items moved under a resting pointer.
    CPoint cursor;
    ::GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    TrackHotItem(cursor, true);
    return result;
}

// Makes each bar that has no window yet (a sibling of the tree, reporting
// to it) and gives both the tree's own scroll information.
long NeloTreeCtrl::SetScrollBar() {
    return SyncHostedScrollBars(*this, m_bars, m_colors.scrollBarColors);
}

// Lays the bars over the tree's bar areas and cuts their holes in the tree's
// window region; a bar whose style is missing is hidden. Runs when the style
// changed since the last layout or a client rectangle is given.
long NeloTreeCtrl::CalculateScrollBarSize(CRect* clientRect, int forceHorizontal, int forceVertical) {
    const int style = static_cast<int>(GetStyle());
    if (style == m_styleCache && !clientRect)
        return 0;
    const bool first = m_styleCache == -1;
    m_styleCache = style;
    const long result =
        LayoutHostedScrollBars(*this, m_bars, clientRect, m_barThickness,
                               (style & WS_HSCROLL) || forceHorizontal, (style & WS_VSCROLL) || forceVertical, true);
    // The frame computed when the tree was attached still had the system's
    // edges: compute it again now that the window is ours.
    if (first)
        RedrawFrame(m_hWnd);
    return result;
}

} // namespace Tavrin

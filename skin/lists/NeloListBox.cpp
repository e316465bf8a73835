#include "NeloListBox.h"

#include "ListViewGeometry.h"
#include "ScrollBarHost.h"
#include "SkinControl.h"
#include "SkinListFrame.h"
#include "SkinRows.h"
#include "SkinWindow.h"

namespace Tavrin {

namespace {

bool IsNavigationKey(WPARAM key) {
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

bool IsRelayedMouseMessage(UINT message) {
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return true;
    default:
        return false;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(NeloListBox, CListBox)
ON_WM_NCPAINT()
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR_REFLECT()
ON_WM_NCCALCSIZE()
ON_WM_MOUSEWHEEL()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

NeloListBox::NeloListBox() : m_frame(geometry::BarVariant::ListBox) {
    ResetState();
}

NeloListBox::~NeloListBox() = default;

_ListBoxColorInfo NeloListBox::DefaultColorInfo() {
    _ListBoxColorInfo c{};
    FillListRowDefaults(c);
    c.clrSelectedOutline = RGB(254, 230, 158);
    c.clrHotOutline = RGB(199, 199, 199);
    c.ToolTipColors = NeloToolTipCtrl::DefaultColorInfo();
    c.ScrollBarColors = NeloScrollBar::DefaultColorInfo();
    return c;
}

void NeloListBox::ResetState() {
    m_colorInfo = DefaultColorInfo();
    m_stripes = 0;
    m_hoverEffect = 1;
    m_rowHover = 1;
    m_toolTipSwitch = 1;
    m_rowTracker.Reset();
    m_hotItem = -1;
    m_font = SkinFont(L"Arial", 10, 0);
    m_buttonDown = 0;
    m_splitLine = 1;
    m_skinnedRows = 0;
}

void NeloListBox::PreSubclassWindow() {
    ResetState();
    // The frame is computed again once the list box's messages reach this object.
    m_frame.Attach();
    const DWORD style = GetStyle();
    m_skinnedRows = (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) && (style & LBS_HASSTRINGS);
    m_toolTip.Attach(this, true);
    // The list box paints a one-pixel frame of its own inside a static edge.
    if ((style & WS_BORDER) || (GetExStyle() & WS_EX_CLIENTEDGE)) {
        ModifyStyle(WS_BORDER, 0);
        ModifyStyleEx(WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, WS_EX_STATICEDGE);
    } else {
        ModifyStyleEx(WS_EX_DLGMODALFRAME, 0);
    }
    SetFont(L"Arial", 10, 0);
    SetToolTipCtrlFont(L"Arial", 10, 0);
    RedrawFrame(m_hWnd);
    CListBox::PreSubclassWindow();
    SetScrollBar();
}

int NeloListBox::SetListBoxColorInfo(const _ListBoxColorInfo& info) {
    if (!m_toolTip.IsReady() || !m_frame.Bars().Ready())
        return 0;
    m_colorInfo = info;
    if (!m_toolTip.SetColours(info.ToolTipColors))
        return 0;
    m_frame.Bars().SetColours(info.ScrollBarColors);
    Invalidate(TRUE);
    RedrawFrame(m_hWnd);
    return 1;
}

int NeloListBox::GetListBoxColorInfo(_ListBoxColorInfo& info) {
    if (!m_toolTip.ReadColours(m_colorInfo.ToolTipColors))
        return 0;
    // The bars may have been given colours of their own.
    m_frame.Bars().ReadColours(m_colorInfo.ScrollBarColors);
    info = m_colorInfo;
    return 1;
}

int NeloListBox::ShowStripeRow(int show) {
    if (!RowsReady())
        return 0;
    // A changed striping forgets the hot row.
    if (show != m_stripes)
        m_hotItem = -1;
    return SetDrawingOption(*this, m_stripes, show, FALSE);
}

int NeloListBox::SetItemHeight(int index, UINT height) {
    if (!RowsReady() || index < 0 || index >= GetCount())
        return 0;
    const int rowHeight = geometry::ListBoxItemHeight(static_cast<int>(height), TextHeight());
    if (rowHeight == 0 || CListBox::SetItemHeight(index, rowHeight) == LB_ERR)
        return 0;
    Invalidate(TRUE);
    return 1;
}

int NeloListBox::SetFont(const CString& faceName, const int& pointSize, int bold) {
    if (!RowsReady())
        return 0;
    HFONT font = SkinFont(faceName, pointSize, bold);
    if (!font)
        return 0;
    m_font = font;
    RaiseLowItems();
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    Invalidate(TRUE);
    return 1;
}

int NeloListBox::SetToolTipCtrlFont(const CString& faceName, const int& pointSize, int bold) {
    return m_toolTip.SetFont(faceName, pointSize, bold);
}

int NeloListBox::ShowHoverEffect(int show, int rowHover) {
    if (!RowsReady())
        return 0;
    m_hoverEffect = show;
    m_rowHover = show ? rowHover : 0;
    m_frame.Bars().ShowHoverEffect(show);
    Invalidate(FALSE);
    return 1;
}

int NeloListBox::ShowScrollBarThumbSymbol(int show) {
    return m_frame.Bars().ShowThumbSymbol(show);
}

int NeloListBox::ShowToolTipCtrl(int show) {
    m_toolTipSwitch = show;
    if (!show)
        m_toolTip.RemoveTool();
    if (m_hWnd)
        SetFocus();
    return 1;
}

int NeloListBox::ShowSplitLine(int show) {
    if (!RowsReady())
        return 0;
    return SetDrawingOption(*this, m_splitLine, show, FALSE);
}

int NeloListBox::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

int NeloListBox::TextHeight() const {
    return TextHeightOf(m_font, L"kg");
}

void NeloListBox::RaiseLowItems() {
    const int wanted = TextHeight() + 4;
    const int count = (GetStyle() & LBS_OWNERDRAWVARIABLE) ? GetCount() : (GetCount() > 0 ? 1 : 0);
    // A fixed-height list box keeps one height for every row; ask for it
    // even before the first item exists so that new rows come out right.
    if (count == 0 && !(GetStyle() & LBS_OWNERDRAWVARIABLE)) {
        if (CListBox::GetItemHeight(0) < wanted && geometry::ListBoxItemHeight(wanted, wanted - 4))
            CListBox::SetItemHeight(0, wanted);
        return;
    }
    for (int i = 0; i < count; ++i) {
        if (CListBox::GetItemHeight(i) < wanted)
            SetItemHeight(i, wanted);
    }
}

BOOL NeloListBox::PreTranslateMessage(MSG* msg) {
    if (msg->hwnd == m_hWnd && IsRelayedMouseMessage(msg->message))
        m_toolTip.Relay(msg);
    return CListBox::PreTranslateMessage(msg);
}

LRESULT NeloListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        m_frame.BeforeMessage(m_hWnd, message);
        switch (message) {
        case WM_KEYDOWN: {
            const LRESULT result = CListBox::WindowProc(message, wParam, lParam);
            if (IsNavigationKey(wParam) && m_rowHover)
                SetHotItemFromCursor();
            SetScrollBar();
            return result;
        }
        case LB_ADDSTRING:
        case LB_INSERTSTRING:
        case LB_DIR: {
            const LRESULT result = CListBox::WindowProc(message, wParam, lParam);
            if (m_skinnedRows)
                RaiseLowItems();
            Invalidate(TRUE);
            SetScrollBar();
            CalculateScrollBarSize(nullptr, 0, 0);
            return result;
        }
        case LB_DELETESTRING:
        case LB_RESETCONTENT:
        case LB_SETCURSEL:
        case LB_SELECTSTRING:
        case LB_SETTOPINDEX: {
            const LRESULT result = CListBox::WindowProc(message, wParam, lParam);
            if (message == LB_DELETESTRING || message == LB_RESETCONTENT)
                SetHotItem(-1);
            Invalidate(TRUE);
            SetScrollBar();
            CalculateScrollBarSize(nullptr, 0, 0);
            return result;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // No hot look while the button is held: the pressed row shows
            // what the press selects.
            m_buttonDown = 1;
            if (m_hotItem >= 0)
                Invalidate(FALSE);
            break;
        case WM_LBUTTONUP:
            m_buttonDown = 0;
            if (m_hotItem >= 0)
                Invalidate(FALSE);
            break;
        default:
            break;
        }
        const LRESULT result = CListBox::WindowProc(message, wParam, lParam);
        m_frame.AfterMessage(*this, message, wParam, m_colorInfo.ScrollBarColors);
        return result;
    } catch (...) {
        return 0;
    }
}

void NeloListBox::DrawItem(LPDRAWITEMSTRUCT item) {
    try {
        if (item && item->itemID != static_cast<UINT>(-1))
            PaintRow(*item);
    } catch (...) {
    }
}

void NeloListBox::PaintRow(const DRAWITEMSTRUCT& item) {
    const bool enabled = !(item.itemState & ODS_DISABLED) && ::IsWindowEnabled(m_hWnd);
    const int index = static_cast<int>(item.itemID);
    const geometry::RowLook look = geometry::ResolveRowLook(geometry::RowState{
        enabled, (item.itemState & ODS_SELECTED) != 0, index == m_hotItem, m_rowHover != 0, m_stripes != 0,
        m_buttonDown != 0, index});
    const RowPaint paint = RowPaintOf(m_colorInfo, look);
    COLORREF outline = CLR_NONE;
    if (!m_splitLine && look == geometry::RowLook::Selected)
        outline = m_colorInfo.clrSelectedOutline;
    else if (!m_splitLine && look == geometry::RowLook::Hot)
        outline = m_colorInfo.clrHotOutline;

    if (!m_rowBuffer.Begin(item.hDC, item.rcItem))
        return;
    HDC dc = m_rowBuffer.DC();
    const RECT row{0, 0, item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top};
    PaintRowBackground(dc, row, paint, geometry::RowShowsSplitLine(m_splitLine != 0, m_stripes != 0), outline);
    // Only a list box that keeps strings has text; item data is never text.
    if (GetStyle() & LBS_HASSTRINGS) {
        CString text;
        GetText(index, text);
        RECT textRect{row.left + 3, row.top, row.right - 3, row.bottom};
        ScopedSelectObject font(dc, m_font);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, paint.text);
        ::DrawTextW(dc, text.GetString(), text.GetLength(), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    m_rowBuffer.Present();
}

// The background under the bars (the corner square between them too),
// then the rings. The system's own bars are never drawn.
void NeloListBox::OnNcPaint() {
    try {
        const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
        ScrollFrameLook look{};
        look.back = ListBackground(m_colorInfo, enabled);
        look.border = enabled ? m_colorInfo.clrBorder : m_colorInfo.clrBorderDisabled;
        look.corner = false;
        PaintScrollFrame(m_hWnd, look);
    } catch (...) {
    }
}

long NeloListBox::SetScrollBar() {
    return m_frame.Sync(*this, m_colorInfo.ScrollBarColors);
}

// With both bars the horizontal one stops a pixel short of the bottom ring.
long NeloListBox::CalculateScrollBarSize(const CRect* clientRect, int forceHorizontal, int forceVertical) {
    return m_frame.Layout(m_hWnd, clientRect, forceHorizontal, forceVertical);
}

BOOL NeloListBox::OnEraseBkgnd(CDC* dc) {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    FillSolid(dc->GetSafeHdc(), client, ListBackground(m_colorInfo, ::IsWindowEnabled(m_hWnd) != FALSE));
    return TRUE;
}

HBRUSH NeloListBox::CtlColor(CDC*, UINT) {
    return ListBackgroundBrush(m_colorInfo, m_hWnd);
}

void NeloListBox::OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params) {
    CListBox::OnNcCalcSize(calcValidRects, params);
    m_frame.InsetClient(m_hWnd, params->rgrc[0]);
}

int NeloListBox::ItemAt(CPoint client) const {
    RECT rc{};
    ::GetClientRect(m_hWnd, &rc);
    if (!::PtInRect(&rc, client) || GetCount() <= 0)
        return -1;
    BOOL outside = TRUE;
    const UINT item = ItemFromPoint(client, outside);
    return outside ? -1 : static_cast<int>(item);
}

void NeloListBox::SetHotItem(int item) {
    if (item == m_hotItem)
        return;
    m_hotItem = item;
    Invalidate(FALSE);
    UpdateToolTip();
}

void NeloListBox::SetHotItemFromCursor() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(m_hWnd, &cursor);
    SetHotItem(ItemAt(cursor));
}

void NeloListBox::UpdateToolTip() {
    if (!m_toolTipSwitch)
        return;
    m_toolTip.RemoveTool();
    if (m_hotItem < 0)
        return;
    CString text;
    GetText(m_hotItem, text);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    HDC dc = ::GetDC(m_hWnd);
    SIZE size{};
    {
        ScopedSelectObject font(dc, m_font);
        ::GetTextExtentPoint32W(dc, text.GetString(), text.GetLength(), &size);
    }
    ::ReleaseDC(m_hWnd, dc);
    if (size.cx > client.right && m_toolTip.SetTool(text)) {
        // The move that made the item hot reached the tip before its tool
        // existed; the tip learns of the pointer now, or only at the next move.
        POINT screen{};
        ::GetCursorPos(&screen);
        POINT cursor = screen;
        ::ScreenToClient(m_hWnd, &cursor);
        MSG move{m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(cursor.x, cursor.y), static_cast<DWORD>(::GetMessageTime()),
                 screen};
        m_toolTip.Relay(&move);
    }
}

void NeloListBox::OnMouseMove(UINT flags, CPoint point) {
    SetHotItem(ItemAt(point));
    if (m_hoverEffect && m_rowHover && !m_stripes)
        m_rowTracker.Update(m_hWnd, true);
    CListBox::OnMouseMove(flags, point);
}

void NeloListBox::OnMouseLeave() {
    m_rowTracker.Leave();
    SetHotItem(-1);
}

BOOL NeloListBox::OnMouseWheel(UINT flags, short delta, CPoint point) {
    const BOOL result = CListBox::OnMouseWheel(flags, delta, point);
    if (m_rowHover && !m_stripes)
        SetHotItemFromCursor();
    return result;
}

} // namespace Tavrin

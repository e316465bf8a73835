#include "NeloListCtrl.h"

#include "ScrollBarHost.h"
#include "SkinControl.h"
#include "SkinListFrame.h"
#include "SkinRows.h"
#include "SkinWindow.h"

#include <algorithm>

namespace Tavrin {

BEGIN_MESSAGE_MAP(NeloListCtrl, CListCtrl)
ON_WM_NCPAINT()
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR_REFLECT()
ON_WM_NCCALCSIZE()
ON_WM_ENABLE()
ON_WM_MEASUREITEM_REFLECT()
ON_WM_VSCROLL()
ON_WM_HSCROLL()
ON_WM_MOUSEWHEEL()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

NeloListCtrl::NeloListCtrl() : m_frame(geometry::BarVariant::ListView) {
    ResetState();
}

NeloListCtrl::~NeloListCtrl() = default;

_ListCtrlColorInfo NeloListCtrl::DefaultColorInfo() {
    _ListCtrlColorInfo c{};
    FillListRowDefaults(c);
    c.clrSizeBoxFrom = RGB(212, 216, 238);
    c.clrSizeBoxTo = RGB(187, 211, 233);
    c.clrSizeBoxDisabledFrom = RGB(225, 234, 234);
    c.clrSizeBoxDisabledTo = RGB(185, 205, 251);
    c.HeaderColors = NeloHeaderCtrl::DefaultColorInfo();
    c.ScrollBarColors = NeloScrollBar::DefaultColorInfo();
    return c;
}

void NeloListCtrl::ResetState() {
    m_font = SkinFont(L"Arial", 10, 0);
    m_colorInfo = DefaultColorInfo();
    m_columns.Clear();
    m_sortColumn = -1;
    m_sortAscending = 0;
    m_sortSymbol = 1;
    m_fixAllWidths = 0;
    m_stripes = 0;
    m_hoverEffect = 1;
    m_rowHover = 1;
    m_rowTracker.Reset();
    m_hotItem = -1;
    m_splitLine = 1;
    m_textAlignment = ListCtrlTextVCenter;
    m_rowHeight = 0;
    m_headerFont = m_font;
}

void NeloListCtrl::PreSubclassWindow() {
    CListCtrl::PreSubclassWindow();
    // A list object attached again (a dialog shown a second time) starts afresh.
    ResetState();
    // Report view with owner-drawn rows; image lists stay their owners'.
    ModifyStyle(LVS_TYPEMASK, LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHAREIMAGELISTS);
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_SUBITEMIMAGES | LVS_EX_HEADERDRAGDROP,
                LVS_EX_SUBITEMIMAGES | LVS_EX_HEADERDRAGDROP);
    // Columns the window already has get their settings too.
    for (int i = GetColumnCount(); i > 0; --i)
        m_columns.Insert(0);
    // The skinned bars (windows at the first paint) and header; the frame is
    // computed again once the list's messages reach this object.
    m_frame.Attach();
    AttachHeader(ListView_GetHeader(m_hWnd));
    // The list paints a one-pixel frame of its own inside a plain border.
    if (GetExStyle() & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) {
        ModifyStyleEx(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE, 0);
        ModifyStyle(0, WS_BORDER);
    }
    RedrawFrame(m_hWnd);
    SetFont(L"Arial", 10, 0);
    SetHeaderCtrlFont(L"Arial", 10, 0);
    // The header takes its own height in the list's layout from now on.
    RelayoutHeader();
}

// The skinned header subclasses the list's own header window and takes the
// list's settings.
void NeloListCtrl::AttachHeader(HWND header) {
    if (!header || m_header.GetSafeHwnd() == header)
        return;
    if (m_header.GetSafeHwnd())
        m_header.UnsubclassWindow();
    if (!m_header.SubclassWindow(header))
        return;
    m_header.ShowHeader((GetStyle() & LVS_NOCOLUMNHEADER) ? 0 : 1);
    m_header.SetHeaderCtrlColorInfo(m_colorInfo.HeaderColors);
    m_header.FixItemWidth(m_fixAllWidths);
    m_header.ShowHoverEffect(m_rowHover);
    m_header.ShowSortSymbol(m_sortSymbol);
    for (int c = 0; c < m_header.GetItemCount(); ++c)
        m_header.SetColumnResizable(c, m_columns.FixedWidth(c) ? 0 : 1);
    PublishSort();
}

bool NeloListCtrl::HaveHeader() const {
    return m_header.GetSafeHwnd() && ::IsWindow(m_header.GetSafeHwnd());
}

// The header draws its arrow from the list's sort column and direction.
void NeloListCtrl::PublishSort() {
    m_header.SetSortColumn(m_sortColumn, m_sortAscending);
}

// The list lays its header out anew (asking it for its height) when a
// column comes or goes: an empty column is added after the last one and
// removed again.
void NeloListCtrl::RelayoutHeader() {
    if (!m_hWnd || !HaveHeader() || (GetStyle() & LVS_NOCOLUMNHEADER))
        return;
    LVCOLUMNW dummy{};
    dummy.mask = LVCF_TEXT | LVCF_WIDTH;
    dummy.pszText = const_cast<LPWSTR>(L"");
    const int at = static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, GetColumnCount(), reinterpret_cast<LPARAM>(&dummy)));
    if (at >= 0)
        SendMessage(LVM_DELETECOLUMN, at);
}

int NeloListCtrl::InsertColumn(int column, const wchar_t* heading, int format, int width, int subItem) {
    LVCOLUMNW desc{};
    desc.mask = LVCF_FMT | LVCF_TEXT | LVCF_IMAGE;
    desc.fmt = format;
    desc.pszText = const_cast<LPWSTR>(heading);
    desc.iImage = -1;
    if (width != -1) {
        desc.mask |= LVCF_WIDTH;
        desc.cx = width;
    }
    if (subItem != -1) {
        desc.mask |= LVCF_SUBITEM;
        desc.iSubItem = subItem;
    }
    return InsertColumn(column, &desc);
}

int NeloListCtrl::InsertColumn(int column, const LVCOLUMNW* desc) {
    if (!m_hWnd || !desc)
        return -1;
    // WindowProc records the new column's settings at the index the list
    // gave it.
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(desc)));
}

int NeloListCtrl::SetListCtrlColorInfo(const _ListCtrlColorInfo& info) {
    if (!m_hWnd || !m_frame.Bars().Ready())
        return 0;
    m_colorInfo = info;
    m_frame.Bars().SetColours(info.ScrollBarColors);
    m_header.SetHeaderCtrlColorInfo(info.HeaderColors);
    Invalidate(TRUE);
    RedrawFrame(m_hWnd);
    return 1;
}

int NeloListCtrl::GetListCtrlColorInfo(_ListCtrlColorInfo& info) {
    // The bars and the header may have been given colours of their own.
    m_frame.Bars().ReadColours(m_colorInfo.ScrollBarColors);
    m_header.GetHeaderCtrlColorInfo(m_colorInfo.HeaderColors);
    info = m_colorInfo;
    return 1;
}

int NeloListCtrl::ShowStripeRow(int show) {
    // A changed striping forgets the hot row.
    if (show != m_stripes)
        m_hotItem = -1;
    return SetDrawingOption(*this, m_stripes, show, FALSE);
}

int NeloListCtrl::GetColumnCount() {
    HWND header = m_hWnd ? ListView_GetHeader(m_hWnd) : nullptr;
    return header ? Header_GetItemCount(header) : 0;
}

int NeloListCtrl::FixColumnWidth(int fix) {
    m_fixAllWidths = fix;
    return m_header.FixItemWidth(fix);
}

int NeloListCtrl::FixColumnWidth(const int& column, int fix) {
    if (!m_columns.SetFixedWidth(column, fix != 0))
        return 0;
    // The header keeps the resize cursor off a fixed column's divider.
    m_header.SetColumnResizable(column, fix ? 0 : 1);
    return 1;
}

int NeloListCtrl::IsColumnWidthFixed(const int& column) {
    return m_fixAllWidths || m_columns.FixedWidth(column);
}

int NeloListCtrl::FixColumnOrder(int fix) {
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_HEADERDRAGDROP | LVS_EX_SUBITEMIMAGES,
                fix ? LVS_EX_SUBITEMIMAGES : (LVS_EX_HEADERDRAGDROP | LVS_EX_SUBITEMIMAGES));
    return 1;
}

int NeloListCtrl::SetColumnHeight(const int& height) {
    if (!m_hWnd || !HaveHeader())
        return 0;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int wanted = geometry::ListHeaderHeight(height, client.bottom - client.top, TextHeightOf(m_headerFont, L"kg"));
    if (wanted == 0)
        return 0;
    m_header.SetHeaderHeight(wanted);
    RelayoutHeader();
    return 1;
}

int NeloListCtrl::GetColumnHeight() {
    return HeaderHeight();
}

int NeloListCtrl::SetRowHeight(const int& height) {
    if (!m_hWnd)
        return 0;
    const int rowHeight = geometry::ListRowHeight(height, TextHeightOf(m_font, L"gk"));
    if (rowHeight == 0)
        return 0;
    m_rowHeight = rowHeight;
    // The list view asks for its row height again when it is told that its
    // size changed (WM_MEASUREITEM, answered by MeasureItem).
    RECT window = WindowRectOf(m_hWnd);
    WINDOWPOS pos{};
    pos.hwnd = m_hWnd;
    pos.cx = window.right - window.left;
    pos.cy = window.bottom - window.top;
    pos.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    return 1;
}

int NeloListCtrl::GetRowHeight() {
    return m_rowHeight;
}

int NeloListCtrl::SetSortType(const int& column, ListCtrlSortType type) {
    if (column < 0 || column >= GetColumnCount() || !m_columns.SetSortType(column, type))
        return 0;
    if (column == m_sortColumn) {
        if (type == ListCtrlSortNone)
            m_sortColumn = -1;
        else
            SortNow();
    }
    PublishSort();
    return 1;
}

int NeloListCtrl::GetCurrentSortType(int& column, ListCtrlSortType& type) {
    column = m_sortColumn;
    type = m_sortColumn >= 0 ? m_columns.SortType(m_sortColumn) : ListCtrlSortNone;
    return 1;
}

int NeloListCtrl::SetItemImage(const int& item, const int& subItem, const int& image) {
    if (!m_hWnd || item < 0 || item >= GetItemCount() || subItem < 0 || subItem >= GetColumnCount())
        return 0;
    LVITEMW lvi{};
    lvi.mask = LVIF_IMAGE;
    lvi.iItem = item;
    lvi.iSubItem = subItem;
    lvi.iImage = image < 0 ? -1 : image;
    if (!SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&lvi)))
        return 0;
    Invalidate(FALSE);
    return 1;
}

int NeloListCtrl::SetHeaderCtrlImageList(CImageList* list) {
    HWND header = m_hWnd ? ListView_GetHeader(m_hWnd) : nullptr;
    if (!header)
        return 0;
    Header_SetImageList(header, list ? list->GetSafeHandle() : nullptr);
    return 1;
}

CImageList* NeloListCtrl::GetHeaderCtrlImageList() {
    HWND header = m_hWnd ? ListView_GetHeader(m_hWnd) : nullptr;
    return header ? CImageList::FromHandle(Header_GetImageList(header)) : nullptr;
}

int NeloListCtrl::SetHeaderCtrlImage(const int& column, const int& image) {
    HWND header = m_hWnd ? ListView_GetHeader(m_hWnd) : nullptr;
    if (!header || column < 0 || column >= Header_GetItemCount(header))
        return 0;
    HIMAGELIST images = Header_GetImageList(header);
    if (!images || image > ImageList_GetImageCount(images) - 1)
        return 0;
    HDITEMW hdi{};
    hdi.mask = HDI_IMAGE;
    hdi.iImage = image < 0 ? -1 : image;
    if (!::SendMessageW(header, HDM_SETITEMW, column, reinterpret_cast<LPARAM>(&hdi)))
        return 0;
    ::InvalidateRect(header, nullptr, FALSE);
    return 1;
}

int NeloListCtrl::ShowSplitLine(int show) {
    return SetDrawingOption(*this, m_splitLine, show, FALSE);
}

int NeloListCtrl::SetTextAlignment(ListCtrlTextAlignmentStyle style) {
    return SetDrawingOption(*this, m_textAlignment, style, FALSE);
}

int NeloListCtrl::SetFont(const CString& faceName, const int& pointSize, int bold) {
    HFONT font = SkinFont(faceName, pointSize, bold);
    if (!font)
        return 0;
    m_font = font;
    if (m_hWnd) {
        // The list measures strings (column auto-sizing) in its own font:
        // give it the one the rows are drawn in, keeping the header's.
        HWND header = ListView_GetHeader(m_hWnd);
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (header)
            ::SendMessageW(header, WM_SETFONT, reinterpret_cast<WPARAM>(m_headerFont), TRUE);
    }
    Invalidate(TRUE);
    const int wanted = TextHeightOf(font, L"kg") + 4;
    if (m_rowHeight < wanted)
        SetRowHeight(wanted);
    return 1;
}

int NeloListCtrl::SetHeaderCtrlFont(const CString& faceName, const int& pointSize, int bold) {
    HFONT font = SkinFont(faceName, pointSize, bold);
    if (!font || !m_header.SetFont(faceName, pointSize, bold))
        return 0;
    m_headerFont = font;
    if (HWND header = m_hWnd ? ListView_GetHeader(m_hWnd) : nullptr)
        ::SendMessageW(header, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    const int wanted = TextHeightOf(font, L"kg") + 4;
    if (HaveHeader() && m_header.GetHeaderHeight() < wanted)
        SetColumnHeight(wanted);
    return 1;
}

int NeloListCtrl::ShowHoverEffect(int show, int rowHover) {
    if (!m_frame.Bars().Ready())
        return 0;
    m_hoverEffect = show;
    m_rowHover = show ? rowHover : 0;
    m_frame.Bars().ShowHoverEffect(show);
    m_header.ShowHoverEffect(m_rowHover);
    Invalidate(FALSE);
    return 1;
}

int NeloListCtrl::ShowSortSymbol(int show) {
    m_sortSymbol = show;
    return m_header.ShowSortSymbol(show);
}

int NeloListCtrl::ShowScrollBarThumbSymbol(int show) {
    return m_frame.Bars().ShowThumbSymbol(show);
}

int NeloListCtrl::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

// ---- Messages ------------------------------------------------------------

LRESULT NeloListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        m_frame.BeforeMessage(m_hWnd, message);
        switch (message) {
        case WM_NOTIFY: {
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
            LRESULT result = 0;
            if (header && header->hwndFrom == ListView_GetHeader(m_hWnd) && OnHeaderNotify(*header, result))
                return result;
            break;
        }
        case WM_PARENTNOTIFY:
            // A header made after the set-up is skinned as it appears.
            if (LOWORD(wParam) == WM_CREATE && !HaveHeader()) {
                wchar_t name[32] = {};
                HWND child = reinterpret_cast<HWND>(lParam);
                if (::GetClassNameW(child, name, 32) && lstrcmpiW(name, WC_HEADERW) == 0)
                    AttachHeader(child);
            }
            break;
        case WM_KEYDOWN: {
            // Ctrl with the keypad's plus sizes every column to its content:
            // not while any column's width is fixed.
            if (wParam == VK_ADD && (::GetKeyState(VK_CONTROL) & 0x8000)) {
                for (int c = 0; c < GetColumnCount(); ++c)
                    if (IsColumnWidthFixed(c))
                        return 0;
            }
            // Keys scroll the list: the bars follow at once.
            const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
            SetScrollBar();
            return result;
        }
        case LVM_INSERTCOLUMNW: {
            const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
            if (result >= 0)
                m_columns.Insert(static_cast<int>(result));
            if (m_sortColumn >= result && result >= 0) {
                ++m_sortColumn;
                PublishSort();
            }
            SetScrollBar();
            CalculateScrollBarSize(nullptr, 0, 0);
            return result;
        }
        case LVM_DELETECOLUMN: {
            const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
            const int column = static_cast<int>(wParam);
            if (result && column != -1) {
                m_columns.Remove(column);
                if (m_sortColumn == column)
                    m_sortColumn = -1;
                else if (m_sortColumn > column)
                    --m_sortColumn;
                PublishSort();
            }
            Invalidate(TRUE);
            SetScrollBar();
            CalculateScrollBarSize(nullptr, 0, 0);
            return result;
        }
        case LVM_DELETEITEM:
        case LVM_DELETEALLITEMS:
        case LVM_SETITEMCOUNT: {
            const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
            m_hotItem = -1;
            Invalidate(TRUE);
            SetScrollBar();
            CalculateScrollBarSize(nullptr, 0, 0);
            return result;
        }
        case LVM_INSERTITEMW:
        case LVM_INSERTITEMA: {
            const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
            SetScrollBar();
            CalculateScrollBarSize(nullptr, 0, 0);
            return result;
        }
        case LVM_SETIMAGELIST: {
            // The list view hands its small images to its header too, which
            // would then show image 0 on every column: the header keeps the
            // image list it was given through SetHeaderCtrlImageList.
            HWND header = ListView_GetHeader(m_hWnd);
            HIMAGELIST kept = header ? Header_GetImageList(header) : nullptr;
            const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
            if (header && Header_GetImageList(header) != kept)
                Header_SetImageList(header, kept);
            return result;
        }
        default:
            break;
        }
        const LRESULT result = CListCtrl::WindowProc(message, wParam, lParam);
        m_frame.AfterMessage(*this, message, wParam, m_colorInfo.ScrollBarColors);
        return result;
    } catch (...) {
        return 0;
    }
}

bool NeloListCtrl::OnHeaderNotify(const NMHDR& header, LRESULT& result) {
    const NMHEADERW& notify = reinterpret_cast<const NMHEADERW&>(header);
    switch (header.code) {
    case HDN_BEGINTRACKW:
    case HDN_BEGINTRACKA:
        // A fixed column refuses the divider drag.
        if (IsColumnWidthFixed(notify.iItem)) {
            result = TRUE;
            return true;
        }
        return false;
    case HDN_DIVIDERDBLCLICKW:
    case HDN_DIVIDERDBLCLICKA:
        // ... and the divider double click that would size it to its content.
        if (IsColumnWidthFixed(notify.iItem)) {
            result = 0;
            return true;
        }
        return false;
    case HDN_ITEMCLICKW:
    case HDN_ITEMCLICKA:
        if (notify.iButton == 0 && notify.iItem != -1)
            SortByHeaderClick(notify.iItem);
        return false; // the list view still tells its parent (LVN_COLUMNCLICK)
    default:
        return false;
    }
}

void NeloListCtrl::SortByHeaderClick(int column) {
    if (m_columns.SortType(column) == ListCtrlSortNone)
        return;
    // The first click on a column sorts ascending, the next descending.
    if (column != m_sortColumn)
        m_sortAscending = 0;
    m_sortAscending = !m_sortAscending;
    m_sortColumn = column;
    PublishSort();
    SortNow();
}

void NeloListCtrl::SortNow() {
    const int type = m_columns.SortType(m_sortColumn);
    if (type == ListCtrlSortNone || (GetStyle() & LVS_OWNERDATA))
        return;
    SortItemsEx(type == ListCtrlSortNumber ? &NumberSortProc : &StringSortProc,
                reinterpret_cast<DWORD_PTR>(this));
    m_hotItem = -1;
    Invalidate(FALSE);
}

int NeloListCtrl::CompareItems(int first, int second) const {
    const CString a = GetItemText(first, m_sortColumn);
    const CString b = GetItemText(second, m_sortColumn);
    return geometry::CompareCells(a.GetString(), b.GetString(), m_columns.SortType(m_sortColumn),
                                  m_sortAscending != 0);
}

int CALLBACK NeloListCtrl::StringSortProc(LPARAM first, LPARAM second, LPARAM list) {
    try {
        return reinterpret_cast<const NeloListCtrl*>(list)->CompareItems(static_cast<int>(first),
                                                                         static_cast<int>(second));
    } catch (...) {
        return 0;
    }
}

int CALLBACK NeloListCtrl::NumberSortProc(LPARAM first, LPARAM second, LPARAM list) {
    return StringSortProc(first, second, list);
}

void NeloListCtrl::MeasureItem(LPMEASUREITEMSTRUCT measure) {
    if (measure && m_rowHeight > 0)
        measure->itemHeight = m_rowHeight;
}

void NeloListCtrl::DrawItem(LPDRAWITEMSTRUCT item) {
    try {
        if (item && item->itemID != static_cast<UINT>(-1))
            PaintRow(*item);
    } catch (...) {
    }
}

void NeloListCtrl::PaintRow(const DRAWITEMSTRUCT& item) {
    const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
    const int index = static_cast<int>(item.itemID);
    const geometry::RowLook look = geometry::ResolveRowLook(
        geometry::RowState{enabled, (item.itemState & ODS_SELECTED) != 0, index == m_hotItem,
                           m_rowHover != 0, m_stripes != 0, false, index});
    const RowPaint paint = RowPaintOf(m_colorInfo, look);

    if (!m_rowBuffer.Begin(item.hDC, item.rcItem))
        return;
    const RECT row{0, 0, item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top};
    PaintRowBackground(m_rowBuffer.DC(), row, paint,
                       geometry::RowShowsSplitLine(m_splitLine != 0, m_stripes != 0), CLR_NONE);
    PaintCells(m_rowBuffer.DC(), item, paint.text);
    m_rowBuffer.Present();
}

void NeloListCtrl::PaintCells(HDC dc, const DRAWITEMSTRUCT& item, COLORREF textColour) {
    const int index = static_cast<int>(item.itemID);
    HIMAGELIST images = ListView_GetImageList(m_hWnd, LVSIL_SMALL);
    int iconWidth = 0, iconHeight = 0;
    if (images)
        ImageList_GetIconSize(images, &iconWidth, &iconHeight);
    RECT clip{};
    ::GetClipBox(item.hDC, &clip);
    ScopedSelectObject font(dc, m_font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, textColour);
    for (int column = 0;; ++column) {
        LVCOLUMNW desc{};
        desc.mask = LVCF_FMT | LVCF_WIDTH;
        if (!SendMessage(LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&desc)))
            break;
        RECT label{LVIR_LABEL, column, 0, 0};
        if (!SendMessage(LVM_GETSUBITEMRECT, index, reinterpret_cast<LPARAM>(&label)))
            continue;
        RECT cell = label;
        if (column == 0)
            cell.left -= iconWidth;
        if (cell.right <= clip.left || cell.left >= clip.right || cell.right <= cell.left)
            continue;
        // Cell coordinates in the row's buffer.
        RECT text = geometry::CellTextRect(label, column == 0, iconWidth);
        ::OffsetRect(&text, -item.rcItem.left, -item.rcItem.top);
        LVITEMW lvi{};
        lvi.mask = LVIF_IMAGE;
        lvi.iItem = index;
        lvi.iSubItem = column;
        lvi.iImage = -1;
        if (images && SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&lvi)) && lvi.iImage >= 0) {
            const geometry::CellImage placed = geometry::PlaceCellImage(text, SIZE{iconWidth, iconHeight});
            const RECT& r = placed.image;
            ImageList_DrawEx(images, lvi.iImage, dc, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
            text = placed.text;
        }
        // A copy of the cell's text: the ellipsis is drawn, never written back.
        const CString cellText = GetItemText(index, column);
        ::DrawTextW(dc, cellText.GetString(), cellText.GetLength(), &text,
                    geometry::CellTextFormat(m_textAlignment, desc.fmt));
    }
}

int NeloListCtrl::HeaderHeight() const {
    if (!m_hWnd || (GetStyle() & LVS_NOCOLUMNHEADER))
        return 0;
    HWND header = ListView_GetHeader(m_hWnd);
    if (!header || !::IsWindowVisible(header))
        return 0;
    RECT r = WindowRectOf(header);
    return r.bottom - r.top;
}

BOOL NeloListCtrl::OnEraseBkgnd(CDC* dc) {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    // The header is never painted over.
    client.top = HeaderHeight();
    FillSolid(dc->GetSafeHdc(), client, ListBackground(m_colorInfo, ::IsWindowEnabled(m_hWnd) != FALSE));
    return TRUE;
}

HBRUSH NeloListCtrl::CtlColor(CDC*, UINT) {
    return ListBackgroundBrush(m_colorInfo, m_hWnd);
}

// The bar's own rectangle sits on the inner ring.
void NeloListCtrl::OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params) {
    CListCtrl::OnNcCalcSize(calcValidRects, params);
    m_frame.InsetClient(m_hWnd, params->rgrc[0]);
}

// The background under the bars, the corner square between them, then the
// rings. The system's own bars are never drawn.
void NeloListCtrl::OnNcPaint() {
    try {
        const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
        const DWORD style = GetStyle();
        const RECT window = WindowLocalRect(m_hWnd);
        ScrollFrameLook look{};
        look.back = ListBackground(m_colorInfo, enabled);
        look.border = enabled ? m_colorInfo.clrBorder : m_colorInfo.clrBorderDisabled;
        look.corner = (style & WS_HSCROLL) && (style & WS_VSCROLL);
        look.cornerSquare = geometry::ListSizeBox(window.right, window.bottom, m_frame.Thickness(),
                                                  (style & WS_BORDER) != 0);
        look.cornerGradient = geometry::ListSizeBoxGradient(look.cornerSquare);
        look.cornerFrom = enabled ? m_colorInfo.clrSizeBoxFrom : m_colorInfo.clrSizeBoxDisabledFrom;
        look.cornerTo = enabled ? m_colorInfo.clrSizeBoxTo : m_colorInfo.clrSizeBoxDisabledTo;
        look.borderRing = true;
        PaintScrollFrame(m_hWnd, look);
    } catch (...) {
    }
}

// The header follows the list; the frame's steps (the bars, the repaint)
// come after this handler.
void NeloListCtrl::OnEnable(BOOL enable) {
    CListCtrl::OnEnable(enable);
    if (HWND header = ListView_GetHeader(m_hWnd))
        ::EnableWindow(header, enable);
}

long NeloListCtrl::SetScrollBar() {
    return m_frame.Sync(*this, m_colorInfo.ScrollBarColors);
}

long NeloListCtrl::CalculateScrollBarSize(const CRect* clientRect, int forceHorizontal, int forceVertical) {
    return m_frame.Layout(m_hWnd, clientRect, forceHorizontal, forceVertical);
}

// The position a thumb was dragged to. The message carries its low 16 bits;
// when they are the skinned bar's tracking position, the bar's whole value
// is taken.
static int ThumbPosition(NeloScrollBar* bar, UINT pos) {
    if (bar && bar->GetSafeHwnd()) {
        SCROLLINFO info{};
        bar->GetScrollInfo(&info, SIF_TRACKPOS);
        if (static_cast<UINT>(info.nTrackPos & 0xFFFF) == (pos & 0xFFFF))
            return info.nTrackPos;
    }
    return static_cast<int>(pos);
}

void NeloListCtrl::OnVScroll(UINT code, UINT pos, CScrollBar* bar) {
    // The list view itself would take the thumb position from its own
    // (hidden) bar, which never moves.
    if (code != SB_THUMBTRACK && code != SB_THUMBPOSITION) {
        CListCtrl::OnVScroll(code, pos, bar);
        return;
    }
    // An empty list has no rows to scroll by (and no item 0 to measure).
    if (GetItemCount() <= 0)
        return;
    RECT first{LVIR_BOUNDS, 0, 0, 0};
    if (!SendMessage(LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)))
        return;
    const int target = ThumbPosition(m_frame.Bars().Vertical(), pos);
    const int current = ::GetScrollPos(m_hWnd, SB_VERT);
    if (target != current)
        Scroll(CSize(0, (target - current) * (first.bottom - first.top)));
    ::SetScrollPos(m_hWnd, SB_VERT, target, TRUE);
}

void NeloListCtrl::OnHScroll(UINT code, UINT pos, CScrollBar* bar) {
    if (code != SB_THUMBTRACK && code != SB_THUMBPOSITION) {
        CListCtrl::OnHScroll(code, pos, bar);
        return;
    }
    const int target = ThumbPosition(m_frame.Bars().Horizontal(), pos);
    const int current = ::GetScrollPos(m_hWnd, SB_HORZ);
    if (target != current)
        Scroll(CSize(target - current, 0));
    ::SetScrollPos(m_hWnd, SB_HORZ, target, TRUE);
}

void NeloListCtrl::InvalidateRow(int item) {
    RECT row{LVIR_BOUNDS, 0, 0, 0};
    if (item >= 0 && SendMessage(LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&row))) {
        // The whole width: rows end where the columns end, the hot look too.
        RECT client{};
        ::GetClientRect(m_hWnd, &client);
        row.left = client.left;
        row.right = client.right;
        ::InvalidateRect(m_hWnd, &row, FALSE);
    }
}

void NeloListCtrl::SetHotItem(int item) {
    if (item == m_hotItem)
        return;
    InvalidateRow(m_hotItem);
    m_hotItem = item;
    InvalidateRow(m_hotItem);
}

void NeloListCtrl::OnMouseMove(UINT flags, CPoint point) {
    SetHotItem(HitTest(point));
    if (m_hoverEffect && m_rowHover && !m_stripes)
        m_rowTracker.Update(m_hWnd, true);
    CListCtrl::OnMouseMove(flags, point);
}

void NeloListCtrl::OnMouseLeave() {
    m_rowTracker.Leave();
    SetHotItem(-1);
}

BOOL NeloListCtrl::OnMouseWheel(UINT flags, short delta, CPoint point) {
    const BOOL result = CListCtrl::OnMouseWheel(flags, delta, point);
    if (m_rowHover && !m_stripes) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        ::ScreenToClient(m_hWnd, &cursor);
        const int count = GetItemCount();
        const int top = GetTopIndex();
        const int last = std::min(count, top + GetCountPerPage() + 1);
        int hot = -1;
        for (int i = std::max(0, top); i < last; ++i) {
            RECT row{LVIR_BOUNDS, 0, 0, 0};
            if (SendMessage(LVM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&row)) && ::PtInRect(&row, cursor)) {
                hot = i;
                break;
            }
        }
        SetHotItem(hot);
    }
    return result;
}

} // namespace Tavrin

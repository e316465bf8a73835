// A skinned report list: owner-drawn fixed rows (plain, striped, selected,
// hot, disabled) with split lines, images in any cell, a one-pixel frame of
// two rings, sorting by a header click with a sort type per column, and
// per-column width fixing. It also serves as the list of a combo box's drop
// window, with LVS_OWNERDATA: every cell is read through the list's
// ordinary item messages, so a virtual list draws like a stored one.
//
// Takes over: the view and row drawing (LVS_REPORT | LVS_OWNERDRAWFIXED,
// DrawItem, MeasureItem), the background (WM_ERASEBKGND, the colour
// message), the frame (WM_NCCALCSIZE, WM_NCPAINT), the hot row
// (WM_MOUSEMOVE, WM_MOUSELEAVE, WM_MOUSEWHEEL), thumb tracking
// (WM_VSCROLL, WM_HSCROLL), header clicks (sorting), divider drags and
// double clicks of fixed columns (refused), and the column bookkeeping
// (LVM_INSERTCOLUMNW, LVM_DELETECOLUMN). Items, selection, keyboard,
// scrolling and the header's own tracking stay with the system's list view.
//
// The system's scroll bars give way to two NeloScrollBar siblings laid over
// the list's bar areas (through holes in its window region) and kept in
// step with the list's own scroll information after every paint, scroll,
// wheel turn and key; the system's header is subclassed by an owned
// NeloHeaderCtrl (its height, font, colours, hover look and sort arrow
// follow the list's settings).
//
// Image lists handed to the list are shared (LVS_SHAREIMAGELISTS): they
// stay their owner's and are destroyed by it alone.
#pragma once

#include "ListViewGeometry.h"
#include "NeloHeaderCtrl.h"
#include "NeloScrollBar.h"
#include "SkinFoundation.h"
#include "SkinListFrame.h"
#include "SkinWindow.h"
#include "SkinRows.h"
#include "SkinScrollHost.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Tavrin {

struct _ListCtrlColorInfo {
    COLORREF clrRowBack;
    COLORREF clrRowBackDisabled;
    COLORREF clrStripeBack;
    COLORREF clrStripeBackDisabled;
    COLORREF clrSelectedFrom;
    COLORREF clrSelectedTo;
    COLORREF clrHotFrom;
    COLORREF clrHotTo;
    COLORREF clrBorder;
    COLORREF clrBorderDisabled;
    COLORREF clrText;
    COLORREF clrTextSelected;
    COLORREF clrTextHot;
    COLORREF clrTextDisabled;
    COLORREF clrSplitLine;
    COLORREF clrSplitLineDisabled;
    COLORREF clrSizeBoxFrom;
    COLORREF clrSizeBoxTo;
    COLORREF clrSizeBoxDisabledFrom;
    COLORREF clrSizeBoxDisabledTo;
    _HeaderCtrlColorInfo HeaderColors;
    _ScrollBarColorInfo ScrollBarColors;
};

typedef int ListCtrlSortType;
enum : int { ListCtrlSortNone = 0, ListCtrlSortNumber = 1, ListCtrlSortString = 2 };

typedef int ListCtrlTextAlignmentStyle;
enum : int { ListCtrlTextTop = 0, ListCtrlTextVCenter = 1, ListCtrlTextBottom = 2 };

class TAVRIN_API NeloListCtrl : public CListCtrl {
public:
    NeloListCtrl();
    virtual ~NeloListCtrl();

    static _ListCtrlColorInfo DefaultColorInfo();

    // Returns the new column's index or -1. LVCF_WIDTH and LVCF_SUBITEM are
    // sent only when width and subItem are not -1.
    int InsertColumn(int column, const wchar_t* heading, int format, int width, int subItem);
    int InsertColumn(int column, const LVCOLUMNW* desc);

    // 0 until the list is subclassed.
    int SetListCtrlColorInfo(const _ListCtrlColorInfo& info);
    int GetListCtrlColorInfo(_ListCtrlColorInfo& info);
    int ShowStripeRow(int show);
    int GetColumnCount();
    // Every column's width fixed (or not): no divider drag, no divider
    // double click, no keyboard sizing.
    int FixColumnWidth(int fix);
    // One column's width fixed (or not); the setting moves with its column
    // when columns are inserted or deleted. 0 for a column out of range.
    int FixColumnWidth(const int& column, int fix);
    // Whether a user may not resize the column (all fixed, or this one).
    int IsColumnWidthFixed(const int& column);
    int FixColumnOrder(int fix);
    int SetColumnHeight(const int& height);
    int GetColumnHeight();
    int SetRowHeight(const int& height);
    int GetRowHeight();
    int SetSortType(const int& column, ListCtrlSortType type);
    int GetCurrentSortType(int& column, ListCtrlSortType& type);
    // The sort column (-1 for none) and direction (1 ascending).
    int GetSortColumn() const { return m_sortColumn; }
    int IsSortAscending() const { return m_sortAscending; }
    int SetItemImage(const int& item, const int& subItem, const int& image);
    int SetHeaderCtrlImageList(CImageList* list);
    CImageList* GetHeaderCtrlImageList();
    int SetHeaderCtrlImage(const int& column, const int& image);
    int ShowSplitLine(int show);
    int SetTextAlignment(ListCtrlTextAlignmentStyle style);
    int SetFont(const CString& faceName, const int& pointSize, int bold);
    int SetHeaderCtrlFont(const CString& faceName, const int& pointSize, int bold);
    int ShowHoverEffect(int show, int rowHover);
    int ShowSortSymbol(int show);
    int ShowScrollBarThumbSymbol(int show);
    int Invalidate(int erase);

    // The hot row (-1 for none).
    int GetHotItem() const { return m_hotItem; }

    // The skinned header that subclasses the list's own (no window before
    // the list is subclassed). Const like the list view's own getter, which
    // it stands in for.
    NeloHeaderCtrl* GetHeaderCtrl() const { return const_cast<NeloHeaderCtrl*>(&m_header); }
    // The skinned bars (no windows before the list's first paint).
    NeloScrollBar* HorizontalBar() const { return m_frame.Bars().Horizontal(); }
    NeloScrollBar* VerticalBar() const { return m_frame.Bars().Vertical(); }
    int GetBarThickness() const { return m_frame.Thickness(); }

    virtual void DrawItem(LPDRAWITEMSTRUCT item);

    // LVM_SORTITEMSEX compare callbacks; the list object is the parameter.
    static int CALLBACK StringSortProc(LPARAM first, LPARAM second, LPARAM list);
    static int CALLBACK NumberSortProc(LPARAM first, LPARAM second, LPARAM list);

protected:
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    afx_msg void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    afx_msg void OnEnable(BOOL enable);
    afx_msg void MeasureItem(LPMEASUREITEMSTRUCT measure);
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    afx_msg BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnMouseLeave();
    DECLARE_MESSAGE_MAP()

private:
    void ResetState();
    bool OnHeaderNotify(const NMHDR& header, LRESULT& result);
    void SortByHeaderClick(int column);
    void SortNow();
    int CompareItems(int first, int second) const;
    void SetHotItem(int item);
    void InvalidateRow(int item);
    int HeaderHeight() const;
    void PaintRow(const DRAWITEMSTRUCT& item);
    void PaintCells(HDC dc, const DRAWITEMSTRUCT& item, COLORREF text);
    void AttachHeader(HWND header);
    void PublishSort();
    void RelayoutHeader();
    bool HaveHeader() const;
    // Makes the bars' windows that are missing and gives both the list's
    // scroll information.
    long SetScrollBar();
    // Lays the bars over the bar areas when the style changed since the last
    // layout or a client rectangle is given.
    long CalculateScrollBarSize(const CRect* clientRect, int forceHorizontal, int forceVertical);

    GdiplusSessionScope m_gdiplus;
    HFONT m_font;
    _ListCtrlColorInfo m_colorInfo;
    geometry::ColumnSettings m_columns;
    int m_sortColumn;
    int m_sortAscending;
    int m_sortSymbol;
    int m_fixAllWidths;
    int m_stripes;
    int m_hoverEffect;
    int m_rowHover;
    // The leave notice that ends the hot row.
    HoverTracker m_rowTracker;
    int m_hotItem;
    int m_splitLine;
    ListCtrlTextAlignmentStyle m_textAlignment;
    int m_rowHeight;
    HFONT m_headerFont;
    RowBuffer m_rowBuffer;
    // The bars, their thickness and layout, and the frame's steps after
    // paints, moves, sizes, shows, enables and scrolls.
    ListScrollFrame m_frame;
    NeloHeaderCtrl m_header;
};

} // namespace Tavrin

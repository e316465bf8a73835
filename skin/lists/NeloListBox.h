// A skinned single-column list box: owner-drawn rows (plain, striped,
// selected, hot, disabled) with split lines or outlines, a one-pixel frame
// of two rings, and a skinned tooltip showing the whole text of a hovered
// item that is wider than the list.
//
// Takes over: row painting (DrawItem), the background (WM_ERASEBKGND and the
// colour message), the frame (WM_NCCALCSIZE, WM_NCPAINT), the hot row
// (WM_MOUSEMOVE, WM_MOUSELEAVE, WM_MOUSEWHEEL, the navigation keys), item
// heights after strings are added, and the tooltip (fed from
// PreTranslateMessage). Selection, keyboard, scrolling and the item store
// stay with the system's list box. The system's scroll bars give way to two
// NeloScrollBar siblings laid over the bar areas (WM_PAINT, WM_VSCROLL,
// WM_HSCROLL, the wheel, keys and item changes keep them in step).
//
// The rows are drawn only for a list box made with LBS_OWNERDRAWFIXED (or
// LBS_OWNERDRAWVARIABLE) and LBS_HASSTRINGS: a list box keeps the item
// storage it was created with, so one made without them keeps drawing
// itself, and the row setters answer 0 for it.
#pragma once

#include "NeloScrollBar.h"
#include "NeloToolTipCtrl.h"
#include "SkinFoundation.h"
#include "SkinListFrame.h"
#include "SkinWindow.h"
#include "SkinRows.h"
#include "SkinScrollHost.h"
#include "SkinToolTipHost.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Tavrin {

struct _ListBoxColorInfo {
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
    COLORREF clrSelectedOutline;
    COLORREF clrHotOutline;
    COLORREF clrText;
    COLORREF clrTextSelected;
    COLORREF clrTextHot;
    COLORREF clrTextDisabled;
    COLORREF clrSplitLine;
    COLORREF clrSplitLineDisabled;
    _ToolTipCtrlColorInfo ToolTipColors;
    _ScrollBarColorInfo ScrollBarColors;
};

class TAVRIN_API NeloListBox : public CListBox {
public:
    NeloListBox();
    virtual ~NeloListBox();

    static _ListBoxColorInfo DefaultColorInfo();

    // 0 until the list box is subclassed (its tooltip does not exist yet).
    int SetListBoxColorInfo(const _ListBoxColorInfo& info);
    int GetListBoxColorInfo(_ListBoxColorInfo& info);
    int ShowStripeRow(int show);
    // 0 unless 15 <= height <= 35 and index is an item.
    int SetItemHeight(int index, UINT height);
    int SetFont(const CString& faceName, const int& pointSize, int bold);
    int SetToolTipCtrlFont(const CString& faceName, const int& pointSize, int bold);
    int ShowHoverEffect(int show, int rowHover);
    int ShowToolTipCtrl(int show);
    int ShowSplitLine(int show);
    int ShowScrollBarThumbSymbol(int show);
    int Invalidate(int erase);

    // The skinned bars (no windows before the first paint).
    NeloScrollBar* HorizontalBar() const { return m_frame.Bars().Horizontal(); }
    NeloScrollBar* VerticalBar() const { return m_frame.Bars().Vertical(); }
    int GetBarThickness() const { return m_frame.Thickness(); }

    // The hot row (-1 for none) and whether rows are drawn by the list box.
    int GetHotItem() const { return m_hotItem; }
    int HasSkinnedRows() const { return m_skinnedRows; }

    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual void DrawItem(LPDRAWITEMSTRUCT item);

protected:
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    afx_msg void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    afx_msg BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnMouseLeave();
    DECLARE_MESSAGE_MAP()

private:
    void ResetState();
    bool RowsReady() const { return m_hWnd && m_skinnedRows; }
    int TextHeight() const;
    void RaiseLowItems();
    void SetHotItem(int item);
    void SetHotItemFromCursor();
    int ItemAt(CPoint client) const;
    void UpdateToolTip();
    void PaintRow(const DRAWITEMSTRUCT& item);
    long SetScrollBar();
    long CalculateScrollBarSize(const CRect* clientRect, int forceHorizontal, int forceVertical);

    GdiplusSessionScope m_gdiplus;
    _ListBoxColorInfo m_colorInfo;
    int m_stripes;
    int m_hoverEffect;
    int m_rowHover;
    int m_toolTipSwitch;
    ToolTipHost m_toolTip;
    // The leave notice that ends the hot row.
    HoverTracker m_rowTracker;
    int m_hotItem;
    HFONT m_font;
    int m_buttonDown;
    int m_splitLine;
    int m_skinnedRows;
    RowBuffer m_rowBuffer;
    // The bars, their thickness and layout, and the frame's steps after
    // paints, moves, sizes, shows, enables and scrolls.
    ListScrollFrame m_frame;
};

} // namespace Tavrin

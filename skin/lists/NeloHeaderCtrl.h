// The skinned column header of a list view: it attaches to the list's own
// header window ("SysHeader32"), which keeps the items, their order, widths,
// tracking and drag and drop, and paints every item itself through custom
// draw: a vertical gradient face per look (normal, hot, pressed, disabled),
// a bottom line and a separator, the item's image and text (ellipsis drawn,
// the stored text never changed) and the sort arrow of the list's sort
// column. It paints the empty area right of the last item, keeps a fixed
// height in the list's layout, and can refuse resizing for every column or
// for single columns.
//
// Takes over: NM_CUSTOMDRAW (reflected), WM_PAINT (the empty area after
// the default painting), erasing (never), the hot item (WM_MOUSEMOVE,
// WM_MOUSELEAVE), the pressed item (WM_LBUTTONDOWN, WM_LBUTTONUP), double
// clicks on items (a second press), the resize cursor and tracking of
// columns that may not be resized (WM_SETCURSOR, HDN_BEGINTRACK,
// HDN_DIVIDERDBLCLICK), and the height in HDM_LAYOUT.
#pragma once

#include "SkinFoundation.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

#include <vector>

namespace Tavrin {

struct _HeaderCtrlColorInfo {
    COLORREF clrItemFrom;
    COLORREF clrItemTo;
    COLORREF clrItemPressedFrom;
    COLORREF clrItemPressedTo;
    COLORREF clrItemHotFrom;
    COLORREF clrItemHotTo;
    COLORREF clrItemDisabledFrom;
    COLORREF clrItemDisabledTo;
    COLORREF clrLine;
    COLORREF clrLinePressed;
    COLORREF clrLineHot;
    COLORREF clrLineDisabled;
    COLORREF clrItemText;
    COLORREF clrItemTextPressed;
    COLORREF clrItemTextHot;
    COLORREF clrItemTextDisabled;
    COLORREF clrSortArrow;
    COLORREF clrSortArrowPressed;
    COLORREF clrSortArrowHot;
    COLORREF clrSortArrowDisabled;
};

class TAVRIN_API NeloHeaderCtrl : public CHeaderCtrl {
public:
    NeloHeaderCtrl();
    virtual ~NeloHeaderCtrl();

    static _HeaderCtrlColorInfo DefaultColorInfo();

    int SetHeaderCtrlColorInfo(const _HeaderCtrlColorInfo& info);
    int GetHeaderCtrlColorInfo(_HeaderCtrlColorInfo& info);
    // No column can be resized while set.
    int FixItemWidth(int fix);
    int SetItemImage(const int& item, const int& image);
    int ShowHoverEffect(int show);
    int ShowSortSymbol(int show);
    int SetFont(const CString& face, const int& pointSize, int bold);
    int Invalidate(int erase);

    // What the owning list tells its header: the sort column (-1: none) and
    // its direction, the height the header takes in the list's layout, and
    // whether the list shows a header at all (only then is the height
    // applied).
    int SetSortColumn(const int& column, int ascending);
    int GetSortColumn() const { return m_sortColumn; }
    int IsSortAscending() const { return m_ascending; }
    int SetHeaderHeight(const int& height);
    int GetHeaderHeight() const { return m_height; }
    int ShowHeader(int shown);

    // Whether the user may resize one column (by dragging its divider or
    // double-clicking it). Every column may by default; the setting follows
    // its column when columns are inserted or deleted before it.
    int SetColumnResizable(const int& column, int resizable);
    int IsColumnResizable(const int& column) const;

    int GetHotItem() const { return m_hotItem; }
    int GetPressedItem() const { return m_pressed ? m_pressedItem : -1; }

protected:
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    afx_msg void OnCustomDraw(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    void ResetState();
    int ItemAt(POINT client, UINT* flags = nullptr) const;
    void Press(POINT point);
    bool MayResize(int item) const;
    void PaintItem(HDC dc, const RECT& rect, int item);
    void PaintEmptyArea();

    GdiplusSessionScope m_gdiplus;
    int m_sortColumn;
    int m_ascending;
    int m_height;
    int m_shown;
    HFONT m_font;
    _HeaderCtrlColorInfo m_colorInfo;
    int m_hoverEffect;
    int m_hotItem;
    int m_tracking;
    int m_pressedItem;
    int m_pressed;
    int m_sortSymbol;
    int m_fixedWidth;
    // One entry per column, in step with the items: non-zero = fixed.
    std::vector<char> m_fixedColumns;
};

} // namespace Tavrin

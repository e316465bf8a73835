// A tab control that paints itself: a header strip, rounded tab headers in
// four looks (normal, hot, selected, disabled) with an optional image and
// centred text, and the body below with its frame. On top of the system's
// tab control it keeps, per tab, an enabled flag (a disabled tab is chosen
// neither by mouse, nor by keyboard, nor by TCM_SETCURSEL) and a tooltip
// text shown through its own tooltip while the pointer rests on the tab.
// When the tabs do not fit, the system's scroll arrows (its child up-down
// control) are taken over by a NeloTabSpin and drawn as two rounded halves
// in the header's top-right corner.
//
// Takes over: WM_PAINT and WM_PRINTCLIENT (one painter), WM_ERASEBKGND
// (nothing), WM_ENABLE, WM_MOUSEMOVE and WM_MOUSELEAVE (hot tab, tooltip),
// WM_KEYDOWN (Home, End, Left and Right move to enabled tabs and tell the
// parent TCN_SELCHANGING, which may refuse, then TCN_SELCHANGE, as a click
// does; other keys are swallowed), the reflected TCN_SELCHANGING of a click
// (refused on a disabled tab), WM_SIZE, TCM_INSERTITEM, TCM_DELETEITEM,
// TCM_DELETEALLITEMS, TCM_SETCURSEL and TCM_SETITEMSIZE (kept in step with
// the per-tab store and the scroller's place). Tabs, selection, hit tests
// and scrolling stay with the system's control.
#pragma once

#include "NeloTabSpin.h"
#include "NeloToolTipCtrl.h"
#include "SkinControl.h"
#include "SkinFoundation.h"
#include "SkinWindow.h"
#include "SkinToolTipHost.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

#include <vector>

namespace Tavrin {

struct _TabCtrlColorInfo {
    COLORREF clrBodyFrom;          // body gradient top, enabled
    COLORREF clrBodyTo;            // body gradient bottom, enabled
    COLORREF clrBodyDisabledFrom;  // body top when the control or the selected tab is disabled
    COLORREF clrBodyDisabledTo;    // body bottom, the same cases
    COLORREF clrStripFrom;         // header strip top; the scroller's background top
    COLORREF clrStripTo;           // header strip bottom; the scroller's background bottom
    COLORREF clrTabFrom;           // normal tab top
    COLORREF clrTabTo;             // normal tab bottom
    COLORREF clrTabSelectedFrom;   // selected tab top
    COLORREF clrTabSelectedTo;     // selected tab bottom; the line opening it into the body
    COLORREF clrTabHotFrom;        // hot tab top
    COLORREF clrTabHotTo;          // hot tab bottom
    COLORREF clrTabDisabledFrom;   // disabled tab top
    COLORREF clrTabDisabledTo;     // disabled tab bottom; the opening line of a disabled selection
    COLORREF clrTabBorder;         // normal tab outline; body frame without a selection
    COLORREF clrTabSelectedBorder; // selected tab outline; body frame with an enabled selection
    COLORREF clrTabHotBorder;      // hot tab outline
    COLORREF clrTabDisabledBorder; // disabled tab outline; body frame when disabled
    COLORREF clrFocus;             // dotted focus rectangle
    COLORREF clrTabText;           // normal tab text
    COLORREF clrTabSelectedText;   // selected tab text
    COLORREF clrTabHotText;        // hot tab text
    COLORREF clrTabDisabledText;   // disabled tab text
    _TabSpinColorInfo spinColors;           // the scroller's
    _ToolTipCtrlColorInfo toolTipColors;    // the tooltip's
};

class TAVRIN_API NeloTabCtrl : public CTabCtrl, public ClientPainter {
public:
    NeloTabCtrl();
    virtual ~NeloTabCtrl();

    // The 23 colours of the control with the scroller's and the tooltip's
    // defaults at the end.
    static _TabCtrlColorInfo DefaultColorInfo();

    // 0 until the control is attached (the scroller and the tooltip are made
    // then).
    int SetTabCtrlColorInfo(const _TabCtrlColorInfo& info);
    int GetTabCtrlColorInfo(_TabCtrlColorInfo& info);
    int SetFont(const CString& faceName, const int& pointSize, int bold);
    int SetToolTipCtrlFont(const CString& faceName, const int& pointSize, int bold);
    int ShowHoverEffect(int show);
    int ShowFocusEffect(int show);
    // 0 without a tooltip window. Switching off removes the current tool.
    int ShowToolTipCtrl(int show);
    int SetItemToolTipText(const int& index, const CString& text);
    CString GetItemToolTipText(const int& index);
    // Disabling the last enabled tab disables the control; enabling a tab
    // of a control whose tabs were all disabled enables it and selects that
    // tab.
    int EnableTabItem(const int& index, int enable);
    // 0 for a disabled control or an unknown tab.
    int IsTabItemEnable(const int& index);
    // Takes over another object's tab control window: that object lets go
    // of it and this one subclasses it. 0 for none, for a control without a
    // window, or while this object has a window of its own.
    int Attach(CTabCtrl* ctrl);
    int Invalidate(int erase);

    // For tests and owners: the tab under the pointer (-1 none) and whether
    // the pointer is being tracked over the control.
    int HotItem() const { return m_hotItem; }
    bool MouseInside() const { return m_pointer.IsTracking(); }
    NeloTabSpin& TabSpin() { return m_tabSpin; }
    NeloToolTipCtrl* ToolTip() const { return m_toolTip.Tip(); }

    virtual BOOL PreTranslateMessage(MSG* msg);

protected:
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Everything is painted in WM_PAINT; the owner-drawn items draw nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT item);

    afx_msg void OnPaint();
    afx_msg void OnPrintClient(CDC* dc, UINT flags);
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnEnable(BOOL enable);
    afx_msg BOOL OnSelChanging(NMHDR* header, LRESULT* result);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnMouseLeave();
    DECLARE_MESSAGE_MAP()

private:
    struct ItemState {
        int enabled = 1;
        CString toolTip;
    };

    void PaintClient(HDC dc, const RECT& client) override;
    void DrawTab(SkinPaintBuffer& buffer, int index, const RECT& item, bool enabled, int selected);
    void DrawFocus(HDC dc, const RECT& item);
    void TakeOverScroller();
    long UpdateTabSpinPosition();

    bool ItemEnabled(int index) const;
    int ItemAt(POINT client) const;
    // 'move', when given, is relayed to the tip once the new tool exists.
    void SetHotItem(int index, MSG* move = nullptr);
    bool SelectByKey(int index);
    LRESULT NotifyParent(UINT code);
    void OnKeyDown(UINT key);

    GdiplusSessionScope m_gdiplus;
    _TabCtrlColorInfo m_colors;
    NeloTabSpin m_tabSpin;
    ToolTipHost m_toolTip;
    std::vector<ItemState> m_items;
    int m_hoverEffect = 1;
    int m_focusEffect = 1;
    int m_toolTipsOn = 1;
    HFONT m_font = nullptr;
    int m_hotItem = -1;
    HoverTracker m_pointer; // the leave notification, requested while the hover looks are on
    // The tab a key is moving to while the parent is asked about it (-1
    // while a click is asked about).
    int m_keyTarget = -1;
};

} // namespace Tavrin

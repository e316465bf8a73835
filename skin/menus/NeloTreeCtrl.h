// A tree view in the skin's colours: flat background, items recoloured by
// state (selected, hot, normal, disabled), a frame around the caret item and
// the hot item, a thin border, two skinned scroll bars laid over the tree's
// scroll bar areas (siblings of the tree, seen through holes cut in its
// window region), and the whole text of an item whose label is cut off at
// the right edge shown in a popup laid exactly over the label.
//
// Takes over: custom draw of the items (reflected NM_CUSTOMDRAW), the
// frames after the tree painted (WM_PAINT), the border and the frame strips
// (WM_NCCALCSIZE, WM_NCPAINT), the hot item and the item tip (WM_MOUSEMOVE,
// WM_MOUSELEAVE, WM_MOUSEWHEEL, TVN_SELCHANGED), the colours of the enabled
// and disabled states (WM_ENABLE), the tree's own tooltips (replaced by the
// item tip), and redraw around expansions (TVN_ITEMEXPANDING: redraw goes
// off only after the parent let the expansion happen, and comes back at
// TVN_ITEMEXPANDED or, at the latest, when the message that expanded ends).
// Items, expansion, selection, scrolling and keyboard stay with the system's
// tree view.
#pragma once

#include "NeloScrollBar.h"
#include "SkinScrollHost.h"
#include "SkinControl.h"
#include "SkinFoundation.h"
#include "SkinWindow.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Tavrin {

struct _TreeCtrlColorInfo {
    COLORREF clrTreeBack;           // background, normal item back, inner border
    COLORREF clrTreeBackDisabled;   // the same, disabled
    COLORREF clrItemSelectedBack;   // selected item back
    COLORREF clrItemHotBack;        // hot item back
    COLORREF clrCaretFrame;         // frame of the caret item; tip frame in the selected look
    COLORREF clrItemHotFrame;       // frame of the hot item; tip frame otherwise
    COLORREF clrTreeText;           // text, normal item text
    COLORREF clrItemSelectedText;   // selected item text
    COLORREF clrItemHotText;        // hot item text
    COLORREF clrTreeTextDisabled;   // text, disabled
    COLORREF clrTreeLine;           // lines
    COLORREF clrTreeLineDisabled;   // lines, disabled
    COLORREF clrTreeBorder;         // outer border (with a static edge)
    COLORREF clrTreeBorderDisabled; // outer border, disabled
    COLORREF clrCornerFrom;         // corner between the bars, gradient start
    COLORREF clrCornerTo;           // corner, gradient end
    COLORREF clrCornerDisabledFrom; // corner, disabled
    COLORREF clrCornerDisabledTo;   // corner, disabled
    _ScrollBarColorInfo scrollBarColors; // both bars
};

// The popup that shows an item's whole text over its cut-off label. It never
// takes the mouse (the tree under it keeps getting the pointer) nor the
// activation.
class TAVRIN_API NeloTreeCtrlItemWnd : public CWnd, public ClientPainter {
public:
    NeloTreeCtrlItemWnd();
    virtual ~NeloTreeCtrlItemWnd();

    // The eight colours, in this order: background, selected back, hot back,
    // caret frame, hot frame, text, selected text, hot text.
    struct Colours {
        COLORREF back, selectedBack, hotBack, caretFrame, hotFrame, text, selectedText, hotText;
    };

    // A topmost, hidden tool window without owner; 0 when it cannot be made.
    int Create();
    void SetColours(const Colours& colours);
    const Colours& GetColours() const { return m_colours; }
    int SetFont(HFONT font);
    void SetItemHover(int itemHover);
    // Shows the text over a rectangle in screen coordinates, kept on the
    // screen, without activation.
    void ShowTip(const CString& text, const RECT& screenRect, int selectedLook);
    void HideTip();
    const CString& GetText() const { return m_text; }
    int IsSelectedLook() const { return m_selectedLook; }

protected:
    virtual void PreSubclassWindow();
    afx_msg void OnPaint();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg int OnMouseActivate(CWnd* desktop, UINT hitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    void PaintClient(HDC dc, const RECT& client) override;

    GdiplusSessionScope m_gdiplus;
    Colours m_colours;
    CString m_text;
    int m_selectedLook;
    int m_itemHover;
    HFONT m_font;
};

class TAVRIN_API NeloTreeCtrl : public CTreeCtrl {
public:
    NeloTreeCtrl();
    virtual ~NeloTreeCtrl();

    static _TreeCtrlColorInfo DefaultColorInfo();

    int SetTreeCtrlColorInfo(const _TreeCtrlColorInfo& info);
    int GetTreeCtrlColorInfo(_TreeCtrlColorInfo& info);
    // hover: the hot looks at all; itemHoverFlag: the hot item's look.
    int ShowHoverEffect(int hover, int itemHoverFlag);
    int SetFont(const CString& faceName, const int& pointSize, int bold);
    int ShowScrollBarThumbSymbol(int show);
    int Invalidate(int erase);

    // The item under the pointer's icon or label (none when the pointer is
    // elsewhere or the item was deleted), and the item tip.
    HTREEITEM GetHotTreeItem() const { return m_hotTreeItem; }
    const NeloTreeCtrlItemWnd& GetItemTip() const { return m_itemTip; }
    int GetBarThickness() const { return m_barThickness; }
    const NeloScrollBar& GetHorizontalBar() const { return *m_bars.Horizontal(); }
    const NeloScrollBar& GetVerticalBar() const { return *m_bars.Vertical(); }

protected:
    virtual void PreSubclassWindow();
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    afx_msg void OnEnable(BOOL enable);
    afx_msg void OnShowWindow(BOOL show, UINT status);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    afx_msg void OnCustomDraw(NMHDR* header, LRESULT* result);
    DECLARE_MESSAGE_MAP()

private:
    void ApplyTreeColours();
    void DrawItemFrames();
    void UpdateTipFor(HTREEITEM item);
    void TrackHotItem(CPoint point, bool needsHover);
    bool ExpansionNotify(NMTREEVIEWW* info, LRESULT* pResult);
    void RestoreRedrawAfterExpansion();
    void ForgetHotItemIfDeleted(HTREEITEM deleted);
    long SetScrollBar();
    long CalculateScrollBarSize(CRect* clientRect, int forceHorizontal, int forceVertical);
    bool HoverLooks() const { return m_hoverEffect && m_itemHover; }
    bool HaveBars() const { return m_bars.Horizontal()->GetSafeHwnd() && m_bars.Vertical()->GetSafeHwnd(); }

    GdiplusSessionScope m_gdiplus;
    _TreeCtrlColorInfo m_colors;
    HostedScrollBarPair m_bars;
    NeloTreeCtrlItemWnd m_itemTip;
    int m_hoverEffect;
    int m_itemHover;
    int m_barThickness;
    int m_styleCache;
    HoverTracker m_pointer; // the leave notification, requested while the hover looks are on
    HTREEITEM m_hotTreeItem;
    bool m_askingParent;       // the parent is deciding an expansion
    bool m_redrawOffForExpand; // redraw is off until the expansion ends
    int m_messageDepth;
};

} // namespace Tavrin

// A base class for scrolling document views: a flat background, a thin
// border, a gradient corner square and two skinned scroll bars laid over the
// view's bar areas (siblings of the view, seen through holes cut in its
// window region). Applications derive from it and draw in their own OnDraw;
// a document template creates it by its runtime class ("NeloScrollView").
//
// Takes over: the frame (WM_NCCALCSIZE, WM_NCPAINT), the background
// (WM_ERASEBKGND), the bars' layout (WM_PAINT, WM_SIZE, WM_MOVE,
// WM_SHOWWINDOW) and the keyboard (arrows, Page Up/Down, Home, End). The
// bars report to the view as its own scroll bars; a dragged thumb's
// position is read whole from the skinned bar (positions beyond 16 bits
// reach the view), and the bars follow every scroll. Scroll sizes, mapping
// and drawing stay with CScrollView.
#pragma once

#include "NeloScrollBar.h"
#include "SkinScrollHost.h"
#include "SkinFoundation.h"
#include "TavrinExport.h"

#include <afxwin.h>

namespace Tavrin {

struct _ScrollViewColorInfo {
    COLORREF clrViewBack;                // background and inner border
    COLORREF clrViewBorder;              // outer border (with a static edge)
    COLORREF clrViewCornerFrom;          // corner square between the bars, gradient start
    COLORREF clrViewCornerTo;            // corner square, gradient end
    _ScrollBarColorInfo scrollBarColors; // both bars
};

class TAVRIN_API NeloScrollView : public CScrollView {
    DECLARE_DYNCREATE(NeloScrollView)
public:
    virtual ~NeloScrollView();

    static _ScrollViewColorInfo DefaultColorInfo();

    int SetScrollViewColorInfo(const _ScrollViewColorInfo& info);
    int GetScrollViewColorInfo(_ScrollViewColorInfo& info);
    int ShowHoverEffect(int show);
    int ShowScrollBarThumbSymbol(int show);
    int Invalidate(int erase);

    const NeloScrollBar& GetHorizontalBar() const { return *m_bars.Horizontal(); }
    const NeloScrollBar& GetVerticalBar() const { return *m_bars.Vertical(); }
    int GetBarThickness() const { return m_barThickness; }

    virtual void OnInitialUpdate();
    virtual void OnDraw(CDC* pDC);
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

protected:
    NeloScrollView();

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The skinned bar keeps the whole position of a dragged thumb.
    virtual int GetThumbTrackPos(int nBar, UINT nPos16);

    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnShowWindow(BOOL show, UINT status);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    long SetScrollBar();
    long CalculateScrollBarSize(CRect* clientRect, int forceHorizontal, int forceVertical);

    GdiplusSessionScope m_gdiplus;
    _ScrollViewColorInfo m_colors;
    HostedScrollBarPair m_bars;
    int m_hoverEffect;
    int m_barThickness;
    int m_styleCache;
    bool m_inLayout; // the bars are being laid out: no layout from inside
    // A layout asked for by the frame computation, run once the message
    // that computed the frame is done (never inside the computation, whose
    // region change would compute the frame again).
    bool m_layoutPending;
    CRect m_pendingClient;
    int m_messageDepth;
};

} // namespace Tavrin

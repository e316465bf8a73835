// A rich edit box in the skin's colours: plain-text mode with one text and
// one background colour per state, the edit's one-pixel two-ring frame with
// its border colour by state (disabled, focused, hot, normal), and two
// skinned scroll bars laid over its bar areas as the edit lays them out.
//
// Takes over: the frame (WM_NCCALCSIZE, WM_NCPAINT, repainted on focus
// changes), the colours of the enabled and disabled states (WM_ENABLE), the
// hover look (WM_MOUSEMOVE, WM_MOUSELEAVE, WM_NCMOUSEMOVE, WM_NCMOUSELEAVE,
// "MOUSE_OVER_NELO_SCROLLBAR_MSG"), the bars' layout (WM_PAINT, WM_SIZE,
// WM_MOVE, WM_SHOWWINDOW, before WM_KEYUP) and a dragged thumb, whose whole
// position scrolls the text (EM_SETSCROLLPOS). Text, formatting, selection
// and scrolling stay with the system's rich edit.
#pragma once

#include "NeloScrollBar.h"
#include "SkinFoundation.h"
#include "SkinScrollHost.h"
#include "SkinWindow.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Tavrin {

struct _RichEditCtrlColorInfo {
    COLORREF clrBack;                // background and inner frame ring, enabled
    COLORREF clrBackDisabled;        // the same, disabled
    COLORREF clrBorder;              // outer ring, normal
    COLORREF clrBorderFocus;         // outer ring with the focus
    COLORREF clrBorderHot;           // outer ring while hot
    COLORREF clrBorderDisabled;      // outer ring, disabled
    COLORREF clrText;                // default text colour, enabled
    COLORREF clrTextDisabled;        // default text colour, disabled
    COLORREF clrSizeBoxFrom;         // corner square between the bars, gradient start
    COLORREF clrSizeBoxTo;           // corner square, gradient end
    COLORREF clrSizeBoxDisabledFrom; // corner square, disabled
    COLORREF clrSizeBoxDisabledTo;   // corner square, disabled
    _ScrollBarColorInfo ScrollBarColors; // both bars
};

class TAVRIN_API NeloRichEditCtrl : public CRichEditCtrl {
public:
    NeloRichEditCtrl();
    virtual ~NeloRichEditCtrl();

    static _RichEditCtrlColorInfo DefaultColorInfo();

    int SetRichEditCtrlColorInfo(const _RichEditCtrlColorInfo& info);
    int GetRichEditCtrlColorInfo(_RichEditCtrlColorInfo& info);
    int SetFont(const CString& faceName, const int& pointSize, int bold);
    int ShowHoverEffect(int show);
    int ShowScrollBarThumbSymbol(int show);
    int Invalidate(int erase);

    NeloScrollBar* HorizontalBar() const { return m_bars.Horizontal(); }
    NeloScrollBar* VerticalBar() const { return m_bars.Vertical(); }
    int ScrollBarThickness() const { return m_thickness; }
    bool IsHot() const { return m_hoverEffect && m_hover.Any(); }

protected:
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    afx_msg void OnEnable(BOOL enable);
    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg void OnShowWindow(BOOL show, UINT status);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnNcMouseMove(UINT hitTest, CPoint point);
    afx_msg void OnNcMouseLeave();
    afx_msg LRESULT OnMouseOverScrollBar(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void ApplyStateColours();
    void SetScrollBar();
    void CalculateScrollBarSize(const RECT* clientRect, const RECT* windowRect, int hasHorz, int hasVert);
    bool ThumbScroll(UINT message, WPARAM wParam);
    void RepaintFrame();
    void SetHoverSource(int HoverSources::*source, bool on);

    GdiplusSessionScope m_gdiplus;
    _RichEditCtrlColorInfo m_colors;
    HostedScrollBarPair m_bars;
    int m_hoverEffect;
    int m_thickness;
    DWORD m_lastStyle;
    // The client area and frame sources stay set until their leave notice.
    HoverSources m_hover;
    bool m_inLayout;
    // A layout asked for by the frame computation; it runs after that
    // computation (see OnNcCalcSize).
    bool m_layoutPending;
    RECT m_pendingClient;
    RECT m_pendingWindow;
    int m_messageDepth;
};

} // namespace Tavrin

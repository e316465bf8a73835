// The scroll arrows of a NeloTabCtrl: the system tab control's own up-down
// child, taken over when the tabs stop fitting and drawn as two rounded
// halves with chevrons on the header strip's gradient. Stepping, capture,
// auto-repeat and the scroll messages to the tab control stay with the
// system's up-down control.
//
// Takes over: WM_PAINT and WM_PRINTCLIENT (one painter), WM_ERASEBKGND
// (nothing), WM_LBUTTONDOWN and WM_LBUTTONUP (the pressed half, then the
// system's handling), WM_MOUSEMOVE, WM_NCHITTEST and WM_MOUSELEAVE (hot
// halves).
#pragma once

#include "SkinControl.h"
#include "SkinFoundation.h"
#include "SkinWindow.h"
#include "TabGeometry.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Tavrin {

struct _TabSpinColorInfo {
    COLORREF clrHalfFrom;           // half, normal (top)
    COLORREF clrHalfTo;             // half, normal (bottom)
    COLORREF clrHalfPressedFrom;    // half, pressed
    COLORREF clrHalfPressedTo;      //
    COLORREF clrHalfHotFrom;        // half, hot
    COLORREF clrHalfHotTo;          //
    COLORREF clrHalfDisabledFrom;   // half, disabled
    COLORREF clrHalfDisabledTo;     //
    COLORREF clrHalfBorder;         // outline, normal
    COLORREF clrHalfPressedBorder;  // outline, pressed
    COLORREF clrHalfHotBorder;      // outline, hot
    COLORREF clrHalfDisabledBorder; // outline, disabled
    COLORREF clrHalfGlyph;          // chevron, normal
    COLORREF clrHalfPressedGlyph;   // chevron, pressed
    COLORREF clrHalfHotGlyph;       // chevron, hot
    COLORREF clrHalfDisabledGlyph;  // chevron, disabled
};

// The scroller is the system's up-down control, wrapped as one.
using TabSpinBase = CSpinButtonCtrl;

class TAVRIN_API NeloTabSpin : public TabSpinBase, public ClientPainter {
public:
    NeloTabSpin();
    virtual ~NeloTabSpin();

    static _TabSpinColorInfo DefaultColorInfo();

    int SetTabSpinColorInfo(const _TabSpinColorInfo& info);
    int GetTabSpinColorInfo(_TabSpinColorInfo& info);
    // The background gradient behind the halves (the tab strip's colours).
    int SetBackgroundColors(COLORREF top, COLORREF bottom);
    int GetBackgroundColors(COLORREF& top, COLORREF& bottom);
    int ShowHoverEffect(int show);
    int Invalidate(int erase);

    // Mouse state, for the tab control and for tests.
    bool LeftPressed() const { return m_leftPressed != 0; }
    bool RightPressed() const { return m_rightPressed != 0; }
    bool LeftHot() const { return m_leftHot != 0; }
    bool RightHot() const { return m_rightHot != 0; }

protected:
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnPaint();
    afx_msg void OnPrintClient(CDC* dc, UINT flags);
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnMouseLeave();
    DECLARE_MESSAGE_MAP()

private:
    void PaintClient(HDC dc, const RECT& client) override;
    void DrawHalf(Gdiplus::Graphics& graphics, const RECT& half, const geometry::TabChevron& glyph, bool left,
                  geometry::Look look);
    geometry::Look HalfLook(bool pressed, bool hot) const;
    geometry::TabScrollerLayout Layout() const;

    GdiplusSessionScope m_gdiplus;
    _TabSpinColorInfo m_colors;
    COLORREF m_backTop = RGB(227, 237, 249);
    COLORREF m_backBottom = RGB(229, 239, 249);
    int m_hoverEffect = 1;
    int m_leftPressed = 0;
    int m_rightPressed = 0;
    int m_leftHot = 0;
    int m_rightHot = 0;
    HoverTracker m_pointer; // the leave notification, requested while the hover looks are on
};

} // namespace Tavrin

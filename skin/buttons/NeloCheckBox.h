// An owner-drawn check box that keeps its own checked state: a square box
// with a diagonal gradient face and gradient frame, a hover ring, a green
// check mark of stacked strokes, a single-line caption right of the box and
// a dotted focus rectangle around the caption.
//
// Takes over: drawing (BS_OWNERDRAW, DrawItem), the checked state
// (BM_SETCHECK, BM_GETCHECK; a click toggles it through the reflected
// BN_CLICKED), erasing (never: the item covers the whole control), double
// clicks (a second press, so quick clicks each toggle) and hover
// (WM_MOUSEMOVE, WM_MOUSELEAVE). Pressing, capture, focus, keyboard
// activation and BN_CLICKED itself stay with the system's button.
#pragma once

#include "SkinFoundation.h"
#include "SkinWindow.h"
#include "TavrinExport.h"

#include <afxwin.h>

namespace Tavrin {

struct _CheckBoxColorInfo {
    COLORREF crCheckBackground;
    COLORREF crCheckMark;
    COLORREF crCheckMarkDisabled;
    COLORREF crBoxNormalStart;
    COLORREF crBoxNormalEnd;
    COLORREF crBoxPressedStart;
    COLORREF crBoxPressedEnd;
    COLORREF crBoxDisabledStart;
    COLORREF crBoxDisabledEnd;
    COLORREF crCheckText;
    COLORREF crCheckTextDisabled;
    COLORREF crBoxFrameStart;
    COLORREF crBoxFrameEnd;
    COLORREF crBoxHoverStart;
    COLORREF crBoxHoverEnd;
    COLORREF crBoxFrameDisabledStart;
    COLORREF crBoxFrameDisabledEnd;
    COLORREF crCheckFocus;
};

class TAVRIN_API NeloCheckBox : public CButton {
public:
    NeloCheckBox();
    virtual ~NeloCheckBox();

    static _CheckBoxColorInfo DefaultColorInfo();

    int SetCheckBoxColorInfo(const _CheckBoxColorInfo& info);
    int GetCheckBoxColorInfo(_CheckBoxColorInfo& info);
    // 10..30 pixels, and at most the client height - 2.
    int SetCheckSymbolWidth(const int& width);
    int GetCheckSymbolWidth();
    int ShowHoverEffect(int show);
    int ShowFocusEffect(int show);
    int SetFont(const CString& face, const int& pointSize, int bold);
    int Invalidate(int erase);

    virtual void DrawItem(LPDRAWITEMSTRUCT item);

protected:
    virtual void PreSubclassWindow();
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    afx_msg LRESULT SetCheckBoxState(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT GetCheckBoxState(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    DECLARE_MESSAGE_MAP()

private:
    void ResetMembers();
    void Paint(HDC dc, const RECT& item, UINT state);

    GdiplusSessionScope m_gdiplus;
    _CheckBoxColorInfo m_colorInfo;
    int m_checked;
    int m_hoverEffect;
    int m_focusEffect;
    int m_symbolWidth;
    HoverTracker m_hover;
};

} // namespace Tavrin

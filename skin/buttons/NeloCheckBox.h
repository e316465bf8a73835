// An owner-drawn check box that keeps its own checked state: a square box
// with a diagonal gradient face and gradient frame, a hover ring, a green
// check mark of stacked strokes, a single-line caption right of the box and
// a dotted focus rectangle around the caption.
//
// Takes over: drawing, erasing and hover as every CheckSymbolButton does;
// the checked state (BM_SETCHECK, BM_GETCHECK; a click toggles it through
// the reflected BN_CLICKED) and double clicks (a second press, so quick
// clicks each toggle). Pressing, capture, focus, keyboard activation and
// BN_CLICKED itself stay with the system's button.
#pragma once

#include "CheckSymbolButton.h"
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

class TAVRIN_API NeloCheckBox : public CheckSymbolButton {
public:
    NeloCheckBox();
    virtual ~NeloCheckBox();

    static _CheckBoxColorInfo DefaultColorInfo();

    int SetCheckBoxColorInfo(const _CheckBoxColorInfo& info);
    int GetCheckBoxColorInfo(_CheckBoxColorInfo& info);
    // 10..30 pixels, and at most the client height - 2.
    int SetCheckSymbolWidth(const int& width);
    int GetCheckSymbolWidth();

protected:
    virtual void PreSubclassWindow();

    afx_msg LRESULT SetCheckBoxState(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT GetCheckBoxState(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void ResetMembers();
    COLORREF BackgroundColour() const override;
    CaptionLook DrawSymbol(Gdiplus::Graphics& graphics, int width, int height,
                           const SymbolState& state) override;
    void OnClicked() override;

    _CheckBoxColorInfo m_colorInfo;
};

} // namespace Tavrin

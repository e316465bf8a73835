// A progress bar drawn as a flat background in a one-pixel frame with the
// bar either lit from its centre (path gradient) or shaded along its length
// (linear gradient). A disabled bar shows only its disabled background and
// frame and refuses position changes.
//
// Takes over: painting (WM_PAINT and WM_PRINTCLIENT through one painter),
// the frame (WM_NCPAINT; the window is given a one-pixel border when it is
// attached, whatever edges it was made with), WM_ENABLE (repaints) and, while disabled,
// PBM_SETPOS and PBM_STEPIT (refused). Range, position and stepping stay
// with the system's progress bar.
#pragma once

#include "ButtonsGeometry.h"
#include "SkinControl.h"
#include "SkinFoundation.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Tavrin {

struct _ProgressCtrlColorInfo {
    COLORREF crBarBackground;         // client background, enabled
    COLORREF crBarBackgroundDisabled; // client background, disabled
    COLORREF crBarFrame;              // one-pixel window frame, enabled
    COLORREF crBarFrameDisabled;      // frame, disabled
    COLORREF crBarCenter;             // path gradient, centre
    COLORREF crBarSurround;           // path gradient, edges
    COLORREF crBarLinearStart;        // linear gradient at the start of the bar
    COLORREF crBarLinearEnd;          // linear gradient at the end of the bar
};

// 0 = path gradient, 1 = linear gradient; any other value draws no bar.
typedef int ProgressCtrlStyle;
enum : int {
    ProgressCtrlPathGradient = 0,
    ProgressCtrlLinearGradient = 1,
};

class TAVRIN_API NeloProgressCtrl : public CProgressCtrl, public ClientPainter {
public:
    NeloProgressCtrl();
    virtual ~NeloProgressCtrl();

    static _ProgressCtrlColorInfo DefaultColorInfo();

    int SetProgressCtrlColorInfo(const _ProgressCtrlColorInfo& info);
    int GetProgressCtrlColorInfo(_ProgressCtrlColorInfo& info);
    int SetProgressCtrlStyle(ProgressCtrlStyle style);
    int Invalidate(int erase);

protected:
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnPaint();
    afx_msg void OnPrintClient(CDC* dc, UINT flags);
    afx_msg void OnNcPaint();
    afx_msg void OnEnable(BOOL enable);
    DECLARE_MESSAGE_MAP()

private:
    void PaintClient(HDC dc, const RECT& client) override;
    void DrawBackground(SkinPaintBuffer& buffer, geometry::Look look);
    void DrawBar(SkinPaintBuffer& buffer, const geometry::ProgressBarLayout& layout, bool vertical);

    GdiplusSessionScope m_gdiplus;
    _ProgressCtrlColorInfo m_colorInfo;
    ProgressCtrlStyle m_style;
};

} // namespace Tavrin

// A tooltip that paints itself: vertical gradient, one-pixel frame, centred
// text, no non-client area, sized to its text and placed below the pointer.
//
// Takes over: painting (the post-paint stage of its own NM_CUSTOMDRAW; WM_PRINT
// draws nothing), its size (WM_WINDOWPOSCHANGING), its place (TTN_SHOW), the
// non-client area (WM_NCCALCSIZE: none) and the text colour messages (which
// redraw it). Tools, delays, relaying and showing stay with the system's
// tooltip. Controls own one through ToolTipHost.
#pragma once

#include "SkinFoundation.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Tavrin {

struct _ToolTipCtrlColorInfo {
    COLORREF crTipTop;    // background gradient, top
    COLORREF crTipBottom; // background gradient, bottom
    COLORREF crTipText;   // text (kept in the control with TTM_SETTIPTEXTCOLOR)
    COLORREF crTipFrame;  // one-pixel frame
};

class TAVRIN_API NeloToolTipCtrl : public CToolTipCtrl {
public:
    NeloToolTipCtrl();
    virtual ~NeloToolTipCtrl();

    static _ToolTipCtrlColorInfo DefaultColorInfo();

    int SetToolTipCtrlColorInfo(const _ToolTipCtrlColorInfo& info);
    // The text colour is read back from the control, so a colour set with
    // TTM_SETTIPTEXTCOLOR by anyone is reported.
    int GetToolTipCtrlColorInfo(_ToolTipCtrlColorInfo& info);
    int SetFont(const CString& face, const int& pointSize, int bold);
    int Invalidate(int erase);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnCustomDraw(NMHDR* header, LRESULT* result);
    afx_msg void OnWindowPosChanging(WINDOWPOS* pos);
    afx_msg void OnTTNShow(NMHDR* header, LRESULT* result);
    afx_msg void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    DECLARE_MESSAGE_MAP()

private:
    void PaintTip(HDC dc);

    GdiplusSessionScope m_gdiplus;
    _ToolTipCtrlColorInfo m_colorInfo;
};

} // namespace Tavrin

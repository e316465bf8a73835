// An etched separator made from a static control: two parallel solid lines
// of their own colours and thicknesses. The divider takes its direction
// once, from its first non-empty size (horizontal when wider than high),
// and from then on keeps its size across that direction at the sum of the
// two thicknesses, whatever size it is given.
//
// Takes over: painting (WM_PAINT, WM_PRINTCLIENT), its size across
// (WM_WINDOWPOSCHANGING), its frame styles (dropped when attached) and the
// deferred set-up once the dialog has finished creating it.
#pragma once

#include "SkinControl.h"
#include "SkinFoundation.h"
#include "TavrinExport.h"

#include <afxwin.h>

namespace Tavrin {

struct _DividerColorInfo {
    COLORREF crLine1; // top or left line
    COLORREF crLine2; // the line below or right of the first
};

struct _DividerThicknessInfo {
    int thickness1;
    int thickness2;
};

class TAVRIN_API NeloDivider : public CStatic, public ClientPainter {
public:
    NeloDivider();
    virtual ~NeloDivider();

    static _DividerColorInfo DefaultColorInfo();

    int SetDividerColorInfo(const _DividerColorInfo& info);
    int GetDividerColorInfo(_DividerColorInfo& info);
    // Fails for a negative thickness.
    int SetDividerThicknessInfo(const _DividerThicknessInfo& info);
    int GetDividerThicknessInfo(_DividerThicknessInfo& info);
    int Invalidate(int erase);

    // 1 for a horizontal divider, 0 for a vertical one.
    int IsHorizontal() const { return m_horizontal; }

protected:
    virtual void PreSubclassWindow();

    afx_msg LRESULT OnInitialize(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg void OnPrintClient(CDC* dc, UINT flags);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnWindowPosChanging(WINDOWPOS* pos);
    DECLARE_MESSAGE_MAP()

    void PaintClient(HDC dc, const RECT& client) override;

private:
    void ApplyThickness();

    GdiplusSessionScope m_gdiplus;
    _DividerColorInfo m_colorInfo;
    _DividerThicknessInfo m_thicknessInfo;
    int m_horizontal;
    int m_hasSize;
};

} // namespace Tavrin

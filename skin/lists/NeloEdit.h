// The skinned single- and multi-line text box. The system's edit keeps the
// editing; the box paints everything around the text: a one-pixel frame in
// per-state colours (with a second ring in the background colour), its
// background and text colours, a flat look of its own while disabled, an
// icon at the left, the vertical alignment of a single line, a grey hint
// while it is empty, characters that may never be typed or pasted, and
// skinned scroll bars in place of the system's, shown through holes in its
// window region. A NeloSpinButtonCtrl can attach itself at its right end;
// the two then share one hover look and the box leaves its right edge open.
//
// Takes over: WM_NCCALCSIZE, WM_NCPAINT (frame, bands, corner square,
// icon), WM_PAINT while disabled (and the bars' sync after every paint),
// the reflected WM_CTLCOLOR, WM_CHAR, WM_PASTE and WM_SETTEXT (the filter),
// WM_GETTEXT and WM_GETTEXTLENGTH while the hint shows (an empty box),
// WM_SETFOCUS and WM_KILLFOCUS (the hint, the frame), the mouse and
// non-client mouse moves and leaves (hover), WM_NCHITTEST (the icon area),
// WM_NCLBUTTONDOWN, WM_SIZE, WM_MOVE, WM_SHOWWINDOW, WM_ENABLE, WM_KEYDOWN,
// WM_VSCROLL/WM_HSCROLL from its bars, WM_STYLECHANGED (the one-pixel edge)
// and the registered messages of its bars and spin button. Everything else
// is the system's edit.
#pragma once

#include "EditGeometry.h"
#include "NeloScrollBar.h"
#include "SkinFoundation.h"
#include "SkinScrollHost.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Tavrin {

struct _EditColorInfo {
    COLORREF clrBackNormal;          // background, enabled and writable; inner frame ring
    COLORREF clrBackReadOnly;        // background, ES_READONLY
    COLORREF clrBackDisabled;        // background, disabled
    COLORREF clrTextNormal;          // text, enabled and writable
    COLORREF clrTextReadOnly;        // text, read-only
    COLORREF clrTextDisabled;        // text the box paints itself while disabled
    COLORREF clrTextHint;            // text while the hint shows
    COLORREF clrBorderNormal;        // outer ring, enabled, writable, not hot, not focused
    COLORREF clrBorderFocus;         // outer ring with the keyboard focus
    COLORREF clrBorderReadOnly;      // outer ring, read-only, not hot, not focused
    COLORREF clrBorderHot;           // outer ring while hot
    COLORREF clrBorderDisabled;      // outer ring, disabled
    COLORREF clrSizeBoxNormalFrom;   // corner square between the bars, gradient start
    COLORREF clrSizeBoxNormalTo;     //   and end
    COLORREF clrSizeBoxReadOnlyFrom; // corner square, read-only
    COLORREF clrSizeBoxReadOnlyTo;   //
    COLORREF clrSizeBoxDisabledFrom; // corner square, disabled
    COLORREF clrSizeBoxDisabledTo;   //
    _ScrollBarColorInfo scrollBar;   // both skinned bars
};

typedef int EditTextAlignmentStyle;
enum : int {
    EditTextAlignTop = 0,
    EditTextAlignCenter = 1,
    EditTextAlignBottom = 2,
};

class TAVRIN_API NeloEdit : public CEdit {
public:
    NeloEdit();
    virtual ~NeloEdit();

    // The 18 colours of the box (its scroll bars' record not included).
    static void DefaultColours(_EditColorInfo& info);

    int SetEditColorInfo(const _EditColorInfo& info);
    int GetEditColorInfo(_EditColorInfo& info);
    // 0 for a multi-line box. The icon stays the caller's; null removes it.
    int SetIcon(HICON icon, int smallIcon);
    HICON GetIcon();
    int SetFont(const CString& faceName, const int& pointSize, int bold);
    // 0 for a multi-line box.
    int SetTextAlignment(EditTextAlignmentStyle style);
    int SetFilterCharList(const CString& chars);
    CString GetFilterCharList();
    int ShowHintText(int show, const CString& hint);
    int ShowHoverEffect(int show);
    int ShowScrollBarThumbSymbol(int show);
    int Invalidate(int erase);

    // For the attached spin button, and for tests: the outer ring's colour
    // now, whether the box looks hot, and its hover sources.
    COLORREF BorderColour();
    bool IsHot() const;
    int HoverEffect() const { return m_hoverEffect; }
    const HoverSources& Hover() const { return m_hover; }
    // True while the window text is the hint, not the user's text.
    bool HintShown();
    HWND AttachedSpin() const { return m_spinAttached ? m_spin : nullptr; }
    int IconAreaWidth() const { return m_iconWidth; }
    int TextOffset() const { return m_textOffset; }
    int ScrollBarThickness() const { return m_thickness; }
    NeloScrollBar* HorizontalBar() const { return m_bars.Horizontal(); }
    NeloScrollBar* VerticalBar() const { return m_bars.Vertical(); }

protected:
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    afx_msg void OnChar(UINT ch, UINT repeat, UINT flags);
    afx_msg void OnShowWindow(BOOL show, UINT status);
    afx_msg void OnEnable(BOOL enable);
    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnNcLButtonDown(UINT hitTest, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnNcMouseMove(UINT hitTest, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnNcMouseLeave();
    afx_msg void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
    afx_msg void OnStyleChanged(int styleType, LPSTYLESTRUCT style);
    afx_msg LRESULT OnInitialize(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAttachBuddy(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDetachBuddy(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMouseInBuddy(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMouseInScrollBar(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    LRESULT OnPaste();
    LRESULT OnSetText(LPARAM text);

    // The window text as the system's edit holds it (the hint included).
    CString RawText();
    void SetRawText(const CString& text);
    CString Filtered(const CString& text) const;

    COLORREF BackColour();
    void SetScrollBar();
    void CalculateScrollBarSize(const RECT* clientRect, const RECT* windowRect, int hasHorz, int hasVert);
    void ApplyTextAlignment(EditTextAlignmentStyle style, bool force);
    void DrawBorder();
    void DrawFrame(HDC windowDC);
    void PaintDisabled(HDC dc, const RECT& client);
    void NotifySpin(int left);
    void EnterHover(int HoverSources::*source);

    GdiplusSessionScope m_gdiplus;
    int m_hoverEffect = 1;
    HoverSources m_hover;
    _EditColorInfo m_colors;
    HostedScrollBarPair m_bars;
    CImageList m_icons;
    HICON m_icon = nullptr;
    EditTextAlignmentStyle m_alignment = EditTextAlignTop;
    CString m_filter;
    CString m_hint;
    int m_hintOn = 0;
    int m_textIsHint = 1;
    int m_thickness = 18;
    DWORD m_lastStyle = 0;
    int m_iconWidth = 0;
    int m_textOffset = 0;
    int m_spinAttached = 0;
    HWND m_spin = nullptr;
    // Set while the bars are being laid out: setting the window region
    // recomputes the frame, which must not lay them out again.
    bool m_inLayout = false;
    // Set while the box corrects its own edge styles.
    bool m_inStyleChange = false;
};

} // namespace Tavrin

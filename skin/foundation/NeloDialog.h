// NeloDialog: the skinned dialog frame. Dialogs derive from it instead of
// CDialog; it replaces the system's caption and border with its own title bar
// (gradient, icon, caption text, up to three drawn system buttons), a
// two-colour border, a window region with rounded top corners, its own hit
// testing, dragging, sizing limits and minimise/maximise handling, the client
// background colour and whole-window transparency with optional fades.
//
// Takes over: the non-client area (WM_NCCALCSIZE, WM_NCPAINT, WM_NCHITTEST,
// the non-client mouse messages and the drawn buttons), the window region
// (WM_SIZE), sizing limits (WM_SIZING), the maximized size
// (WM_GETMINMAXINFO), the client background (WM_ERASEBKGND), activation
// looks (WM_ACTIVATE, and showing without activation), the system caption
// bits (WM_CREATE, WM_STYLECHANGED) and WM_CLOSE (fade-out). Child controls
// are left alone: each is skinned by its own object.
#pragma once

#include "DialogGeometry.h"
#include "SkinFoundation.h"
#include "SkinWindow.h"

#include <afxwin.h>

namespace Tavrin {

// All colours of the dialog frame, in this order.
struct _DialogColorInfo {
    COLORREF crTitleActiveTop;
    COLORREF crTitleActiveBottom;
    COLORREF crTitleInactiveTop;
    COLORREF crTitleInactiveBottom;
    COLORREF crTitleLineActive1;
    COLORREF crTitleLineActive2;
    COLORREF crTitleLineInactive1;
    COLORREF crTitleLineInactive2;
    COLORREF crBackground;
    COLORREF crBorderInnerActive;
    COLORREF crBorderOuterActive;
    COLORREF crBorderInnerInactive;
    COLORREF crBorderOuterInactive;
    COLORREF crTitleTextActive;
    COLORREF crTitleTextInactive;

    // Minimize button (leftmost).
    COLORREF crMinNormalTop;
    COLORREF crMinNormalBottom;
    COLORREF crMinInactiveTop;
    COLORREF crMinInactiveBottom;
    COLORREF crMinHoverTop;
    COLORREF crMinHoverBottom;
    COLORREF crMinPressedTop;
    COLORREF crMinPressedBottom;
    COLORREF crMinGlyphNormal;
    COLORREF crMinGlyphInactive;
    COLORREF crMinGlyphHover;
    COLORREF crMinGlyphPressed;
    COLORREF crMinBorderNormal;
    COLORREF crMinBorderInactive;
    COLORREF crMinBorderHover;
    COLORREF crMinBorderPressed;

    // Maximize button (middle).
    COLORREF crMaxNormalTop;
    COLORREF crMaxNormalBottom;
    COLORREF crMaxInactiveTop;
    COLORREF crMaxInactiveBottom;
    COLORREF crMaxHoverTop;
    COLORREF crMaxHoverBottom;
    COLORREF crMaxPressedTop;
    COLORREF crMaxPressedBottom;
    COLORREF crMaxGlyphNormal;
    COLORREF crMaxGlyphInactive;
    COLORREF crMaxGlyphHover;
    COLORREF crMaxGlyphPressed;
    COLORREF crMaxBorderNormal;
    COLORREF crMaxBorderInactive;
    COLORREF crMaxBorderHover;
    COLORREF crMaxBorderPressed;

    // Close button (rightmost).
    COLORREF crCloseNormalTop;
    COLORREF crCloseNormalBottom;
    COLORREF crCloseInactiveTop;
    COLORREF crCloseInactiveBottom;
    COLORREF crCloseHoverTop;
    COLORREF crCloseHoverBottom;
    COLORREF crClosePressedTop;
    COLORREF crClosePressedBottom;
    COLORREF crCloseGlyphNormal;
    COLORREF crCloseGlyphInactive;
    COLORREF crCloseGlyphHover;
    COLORREF crCloseGlyphPressed;
    COLORREF crCloseBorderNormal;
    COLORREF crCloseBorderInactive;
    COLORREF crCloseBorderHover;
    COLORREF crCloseBorderPressed;
};

static_assert(sizeof(_DialogColorInfo) == 63 * sizeof(COLORREF), "the dialog colour record has 63 colours");

// Which drawn system buttons the title bar shows.
enum SystemButtonStyle : int {
    SystemButtonNone = 0,
    SystemButtonClose = 1,
    SystemButtonCloseMin = 2,
    SystemButtonCloseMaxMin = 3,
};

class TAVRIN_API NeloDialog : public CDialog {
public:
    NeloDialog();
    NeloDialog(UINT nIDTemplate, CWnd* pParent = nullptr);
    ~NeloDialog() override;

    // Runs the dialog modally; fade fades it in on open and out on close.
    // 1 when the dialog ran (whatever button ended it), 0 when it could not
    // be created.
    int DoModal(int fade = 0, const int& transparency = 100);

    using CWnd::ShowWindow;
    // Shows, hides, minimises or maximises, with a fade for SW_SHOW on a
    // hidden window and SW_HIDE on a visible one.
    int ShowWindow(int nCmdShow, int fade);

    // Whole-window opacity in percent (0..100).
    int SetTransparency(const int& percent);
    int GetTransparency();

    int SetDialogColorInfo(const _DialogColorInfo& info);
    int GetDialogColorInfo(_DialogColorInfo& info);
    int SetSystemButtonStyle(const SystemButtonStyle& style);
    int ShowRoundCorners(int show);

    using CWnd::SetFont;
    // Title font from the shared cache.
    int SetFont(const CString& face, const int& pointSize, int bold);
    // 15..35, and no taller than the window.
    int SetTitleHeight(const int& height);
    int GetTitleHeight();
    int FixDialogPosition(int fixed);
    int FixDialogSize(int fixed);
    int Invalidate(int erase = 1);

    // The built-in default colours.
    static _DialogColorInfo DefaultColorInfo();

protected:
    void PreSubclassWindow() override;
    void DoDataExchange(CDataExchange* pDX) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;

    afx_msg void OnNcPaint();
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
    afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

private:
    enum WindowState { StateNormal = 0, StateMinimized = 1, StateMaximized = 2 };
    using DialogButton = geometry::DialogButton;

    void SetDefaults();
    void TakeStyleFromTemplate();
    geometry::DialogFrameParams FrameParams() const;
    geometry::DialogFrameLayout FrameLayout(bool hasIcon = false) const;
    DialogButton ButtonAt(CPoint screenPoint) const;
    HICON TitleIcon() const;

    void DrawTitleBar(HDC dc, const geometry::DialogFrameLayout& layout, HICON icon);
    void DrawTitleIcon(HDC dc, const geometry::DialogFrameLayout& layout, HICON icon);
    void DrawCaption(HDC dc, const geometry::DialogFrameLayout& layout);
    void DrawTitleLines(HDC dc, const geometry::DialogFrameLayout& layout);
    void DrawSystemButton(HDC hdc);
    void DrawCloseButton(Gdiplus::Graphics& g, const geometry::DialogFrameLayout& layout);
    void DrawMinButton(Gdiplus::Graphics& g, const geometry::DialogFrameLayout& layout);
    void DrawMaxButton(Gdiplus::Graphics& g, const geometry::DialogFrameLayout& layout);
    void DrawMouseMovementSystemButton();
    void DrawBorder(CDC* pDC);
    void DrawBorder(HDC dc, const geometry::DialogFrameLayout& layout);
    geometry::Look FrameLook() const;
    geometry::Look ButtonLook(DialogButton button) const;
    void OnButtonReleased(DialogButton button);

    GdiplusSessionScope m_gdiplus;
    _DialogColorInfo m_colorInfo;
    int m_transparency;
    int m_hasCaption;
    SystemButtonStyle m_systemButtonStyle;
    DialogButton m_pressedButton;
    DialogButton m_hotButton;
    int m_windowState;
    int m_stateBeforeMinimize;
    int m_roundCorners;
    int m_nonClientActive;
    HFONT m_titleFont;
    int m_modal;
    int m_fade;
    int m_titleHeight;
    int m_borderWidth;
    int m_fixedPosition;
    int m_fixedSize;
    int m_notResizable;
    // The non-client tracking: the leave notification of the drawn buttons.
    HoverTracker m_buttonHover{true};
    int m_active;
    int m_buttonPressing;

    // Bookkeeping of this implementation: WM_CREATE has been seen, our own
    // style change is under way, and the last size accepted in the sizing
    // under way.
    int m_created;
    int m_strippingStyle;
    CRect m_lastSizingRect;
    int m_haveSizingRect;
};

} // namespace Tavrin

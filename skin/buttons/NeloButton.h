// An owner-drawn push button: gradient face, two-ring frame, optional image,
// word-wrapped text in one of nine placements, dotted focus rectangle, hover
// look, a window region of one of six shapes and its own skinned tooltip.
// A stopped button ignores the mouse without looking disabled.
//
// Takes over: drawing (BS_OWNERDRAW, DrawItem), erasing (one erase after a
// move or resize), the window region (WM_SIZE), hover (WM_MOUSEMOVE,
// WM_MOUSELEAVE), double clicks (a second press), BM_SETSTYLE (stays
// owner-drawn) and WM_GETDLGCODE (default-button code). Pressing, capture,
// focus, keyboard activation and BN_CLICKED stay with the system's button.
#pragma once

#include "GeometryShapes.h"
#include "NeloToolTipCtrl.h"
#include "SkinFoundation.h"
#include "SkinToolTipHost.h"
#include "SkinWindow.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Tavrin {

struct _ButtonColorInfo {
    COLORREF crNormalTop;
    COLORREF crNormalBottom;
    COLORREF crPressedTop;
    COLORREF crPressedBottom;
    COLORREF crHoverTop;
    COLORREF crHoverBottom;
    COLORREF crDisabledTop;
    COLORREF crDisabledBottom;
    COLORREF crOuterNormal;
    COLORREF crOuterPressed;
    COLORREF crOuterHover;
    COLORREF crOuterDisabled;
    COLORREF crFocus;
    COLORREF crInnerNormal;
    COLORREF crInnerPressed;
    COLORREF crInnerHover;
    COLORREF crInnerDisabled;
    COLORREF crTextNormal;
    COLORREF crTextPressed;
    COLORREF crTextHover;
    COLORREF crTextDisabled;
    _ToolTipCtrlColorInfo toolTipColorInfo;
};

// Window region and frame shape.
typedef int ButtonStyle;
enum : int {
    ButtonStyleRectangle = 0,
    ButtonStyleRounded = 1,
    ButtonStyleLeftRounded = 2,
    ButtonStyleRightRounded = 3,
    ButtonStyleTopRounded = 4,
    ButtonStyleBottomRounded = 5,
};

// Text placement: horizontal = value / 3 (left, centre, right), vertical =
// value % 3 (top, middle, bottom).
typedef int ButtonTextAlignmentStyle;
enum : int {
    ButtonTextLeftTop = 0,
    ButtonTextLeftMiddle = 1,
    ButtonTextLeftBottom = 2,
    ButtonTextCenterTop = 3,
    ButtonTextCenterMiddle = 4,
    ButtonTextCenterBottom = 5,
    ButtonTextRightTop = 6,
    ButtonTextRightMiddle = 7,
    ButtonTextRightBottom = 8,
};

class TAVRIN_API NeloButton : public CButton {
public:
    NeloButton();
    virtual ~NeloButton();

    static _ButtonColorInfo DefaultColorInfo();

    // Fails (0) until the button is subclassed: its tooltip does not exist yet.
    int SetButtonColorInfo(const _ButtonColorInfo& info);
    int GetButtonColorInfo(_ButtonColorInfo& info);
    int SetButtonStyle(ButtonStyle style);
    int SetIcon(HICON icon, int small);
    HICON GetIcon();
    HBITMAP GetBitmap();
    // The bitmap stays the caller's; maskColour pixels become transparent.
    int SetBitmap(HBITMAP bitmap, COLORREF maskColour);
    int SetPicturePos(const int& x, const int& y);
    int GetPicturePos(int& x, int& y);
    int SetFont(const CString& face, const int& pointSize, int bold);
    int SetTextAlignment(ButtonTextAlignmentStyle alignment);
    int SetTextPos(const int& x, const int& y);
    int ShowHoverEffect(int show);
    int ShowFocusEffect(int show);
    int SetToolTipText(const CString& text);
    CString GetToolTipText();
    int SetToolTipCtrlFont(const CString& face, const int& pointSize, int bold);
    int Stop(int stop);
    int IsStop();
    int Invalidate(int erase);

    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual void DrawItem(LPDRAWITEMSTRUCT item);

protected:
    virtual void PreSubclassWindow();

    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnWindowPosChanging(WINDOWPOS* pos);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    afx_msg UINT OnGetDlgCode();
    DECLARE_MESSAGE_MAP()

private:
    void ResetMembers();
    void ApplyRegion();
    void PaintFace(HDC dc, const RECT& item, UINT state);
    void DrawFace(SkinPaintBuffer& buffer, geometry::Look look);
    void DrawImage(HDC dc, bool pressedLook);
    void DrawText(HDC dc, int width, int height, geometry::Look look);
    void DrawFocus(HDC dc, const RECT& item);

    // Where the text goes: one of the nine alignments, or a position of its
    // own that overrides the alignment while useTextPos is set.
    struct TextPlacement {
        ButtonTextAlignmentStyle alignment;
        int useTextPos;
        CPoint pos;
        bool operator==(const TextPlacement& other) const {
            return alignment == other.alignment && useTextPos == other.useTextPos && pos == other.pos;
        }
    };

    GdiplusSessionScope m_gdiplus;
    _ButtonColorInfo m_colorInfo;
    ButtonStyle m_buttonStyle;
    CImageList m_imageList;
    CPoint m_picturePos;
    HICON m_icon;
    HBITMAP m_bitmap;
    TextPlacement m_textPlacement;
    HFONT m_font;
    int m_hoverEffect;
    int m_focusEffect;
    HoverTracker m_hover;
    int m_eraseOnce;
    int m_defaultButton;
    ToolTipHost m_toolTip;
    CString m_toolTipText;
    int m_stop;
};

} // namespace Tavrin

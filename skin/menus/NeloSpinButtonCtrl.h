// The skinned up-down control: two small gradient buttons with triangular
// glyphs. With a buddy window it sits inside the buddy's rectangle at its
// right end, narrows the buddy to make room, and watches it (focus, enable
// state, hover) through a window subclass. With a NeloEdit buddy the two
// look like one control: the spin draws the edit's frame colour around
// itself, the edit leaves its right edge open, and the pointer over either
// makes both hot ("ATTACH_NELO_EDIT_MSG", "DETACH_NELO_EDIT_MSG",
// "MOUSE_IN_NELO_SPIN_BUTTON_CTRL" to the edit; "MOUSE_IN_NELO_EDIT_MSG"
// from it).
//
// Takes over: WM_PAINT, WM_ERASEBKGND, WM_NCHITTEST (hot halves),
// WM_MOUSEMOVE and WM_MOUSELEAVE (hover), WM_LBUTTONDOWN and WM_LBUTTONUP
// (the pressed look), and the buddy attachment after UDM_SETBUDDY. The
// system's up-down control keeps the position, auto-repeat, notifications
// and the buddy's text.
#pragma once

#include "ScrollGeometry.h"
#include "SkinControl.h"
#include "SkinFoundation.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Tavrin {

class NeloEdit;

struct _SpinButtonCtrlColorInfo {
    COLORREF clrSpinBackFrom;         // background, enabled (top)
    COLORREF clrSpinBackTo;           // background, enabled (bottom)
    COLORREF clrSpinBackDisabledFrom; // background, disabled
    COLORREF clrSpinBackDisabledTo;   //
    COLORREF clrButtonFrom;           // button, normal (left edge)
    COLORREF clrButtonTo;             // button, normal (right edge)
    COLORREF clrButtonPressedFrom;    // button, pressed
    COLORREF clrButtonPressedTo;      //
    COLORREF clrButtonHotFrom;        // button, hot
    COLORREF clrButtonHotTo;          //
    COLORREF clrButtonDisabledFrom;   // button, disabled
    COLORREF clrButtonDisabledTo;     //
    COLORREF clrButtonFocusFrom;      // button while the buddy has the focus
    COLORREF clrButtonFocusTo;        //
    COLORREF clrButtonBorder;         // button outline, normal
    COLORREF clrButtonPressedBorder;  // outline, pressed
    COLORREF clrButtonHotBorder;      // outline, hot
    COLORREF clrButtonDisabledBorder; // outline, disabled
    COLORREF clrButtonFocusBorder;    // outline while the buddy has the focus
    COLORREF clrButtonGlyph;          // glyph, normal
    COLORREF clrButtonPressedGlyph;   // glyph, pressed
    COLORREF clrButtonHotGlyph;       // glyph, hot
    COLORREF clrButtonDisabledGlyph;  // glyph, disabled
    COLORREF clrButtonFocusGlyph;     // glyph while the buddy has the focus
};

class TAVRIN_API NeloSpinButtonCtrl : public CSpinButtonCtrl, public ClientPainter {
public:
    NeloSpinButtonCtrl();
    virtual ~NeloSpinButtonCtrl();

    static _SpinButtonCtrlColorInfo DefaultColorInfo();

    int SetSpinButtonCtrlColorInfo(const _SpinButtonCtrlColorInfo& info);
    int GetSpinButtonCtrlColorInfo(_SpinButtonCtrlColorInfo& info);
    int ShowHoverEffect(int show);
    int Invalidate(int erase);

    // The subclass procedure installed on the buddy; refData is the spin.
    static LRESULT CALLBACK EditSubClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR subclassId, DWORD_PTR refData);

    // The buddy watched now, and whether it has the focus; for tests.
    HWND Buddy() const { return m_buddy; }
    bool BuddyFocused() const { return m_buddyFocused != 0; }
    // The buddy as a skinned edit, or null for a buddy of another class.
    NeloEdit* BuddyEdit() const;
    const geometry::SpinLayout& Layout() const { return m_layout; }

protected:
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg LRESULT OnMouseInEdit(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    enum SpinLook { SpinNormal, SpinHot, SpinPressed, SpinDisabled, SpinFocus, SpinLookCount };

    void AttachBuddy(HWND buddy);
    // Lets go of the buddy: its subclass removed, its width given back,
    // and a skinned edit told.
    void ReleaseBuddy();
    void StartTracking();
    SpinLook LookOf(bool pressed, bool hot) const;
    geometry::SpinLayout ComputeLayout() const;
    void PaintClient(HDC dc, const RECT& client) override;

    GdiplusSessionScope m_gdiplus;
    _SpinButtonCtrlColorInfo m_colors;
    int m_hoverEffect = 1;
    int m_firstPressed = 0;
    int m_secondPressed = 0;
    int m_firstHot = 0;
    int m_secondHot = 0;
    int m_tracking = 0;
    geometry::SpinLayout m_layout{};
    HWND m_buddy = nullptr;
    int m_buddyAttached = 0;
    int m_buddyFocused = 0;
    // What the buddy gave up for the spin, given back when it is left.
    int m_buddyTaken = 0;
};

} // namespace Tavrin

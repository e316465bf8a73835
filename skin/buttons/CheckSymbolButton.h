// What the check box and the radio button share: an owner-drawn button that
// keeps its own checked state and shows it as a symbol (a box, a circle)
// with a single-line caption to the right of it, a hover ring while the
// pointer is over it and a dotted focus outline around the caption.
//
// Takes over: drawing (BS_OWNERDRAW; DrawItem paints the background and the
// control's symbol double-buffered, then the caption and its focus outline
// straight onto the item DC), erasing (never: the item covers the whole
// control), hover (WM_MOUSEMOVE, WM_MOUSELEAVE) and the reflected
// BN_CLICKED, handed to the control as a click.
//
// The settings (hover and focus effects, font, symbol width) go to every
// button SettingTargets() names: the button itself, unless a control says
// otherwise (a radio group's leader names its whole group).
#pragma once

#include "GeometryShapes.h"
#include "SkinFoundation.h"
#include "SkinWindow.h"
#include "TavrinExport.h"

#include <afxwin.h>

#include <vector>

namespace Tavrin {

namespace geometry {
struct Box;
}

class TAVRIN_API CheckSymbolButton : public CButton {
public:
    virtual ~CheckSymbolButton();

    int ShowHoverEffect(int show);
    int ShowFocusEffect(int show);
    int SetFont(const CString& face, const int& pointSize, int bold);
    int Invalidate(int erase);

    virtual void DrawItem(LPDRAWITEMSTRUCT item);

protected:
    // 'smoothing' is how the symbol is drawn into the paint buffer.
    explicit CheckSymbolButton(Gdiplus::SmoothingMode smoothing);

    // How the item is to look, as DrawItem found it.
    struct SymbolState {
        geometry::Look look; // disabled > pressed while hovered > normal
        bool disabled;
        bool hoverRing;      // hovering with the hover effect on
    };
    // Where and in which colours DrawItem puts the caption.
    struct CaptionLook {
        int left; // from the item's left edge
        COLORREF text;
        COLORREF focus;
    };

    // The control's own drawing: its background colour, and its symbol drawn
    // on 'graphics' over the filled background of a width x height item at
    // (0, 0).
    virtual COLORREF BackgroundColour() const = 0;
    virtual CaptionLook DrawSymbol(Gdiplus::Graphics& graphics, int width, int height,
                                   const SymbolState& state) = 0;
    // A click reached the button (the reflected BN_CLICKED): an owner-drawn
    // button never checks itself, so this is where a click changes the state.
    virtual void OnClicked() = 0;
    // The buttons a setting given to this one applies to.
    virtual std::vector<CheckSymbolButton*> SettingTargets();

    // Unchecked, hover and focus effects on, a 14-pixel symbol, not hovered.
    void ResetSymbolState();
    // Turns the window into an owner-drawn button in the default caption
    // font ("Arial", 10 points); returns the button type it had.
    UINT TakeOverWindow();
    // 10..30 pixels and at most the client height - 2, else 0; stored (and
    // repainted when changed) on every setting target.
    int SetSymbolWidth(int width);
    int SymbolWidth() const { return m_symbolWidth; }
    // A layout box as GDI+ takes it.
    static Gdiplus::Rect ToRect(const geometry::Box& box);

    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    DECLARE_MESSAGE_MAP()

private:
    // First: GDI+ runs before anything else of the button is made.
    GdiplusSessionScope m_gdiplus;

protected:
    // 0 or 1; the controls' own handlers change it.
    int m_checked;

private:
    void Paint(HDC dc, const RECT& item, UINT state);

    Gdiplus::SmoothingMode m_smoothing;
    int m_hoverEffect;
    int m_focusEffect;
    int m_symbolWidth;
    HoverTracker m_hover;
};

} // namespace Tavrin

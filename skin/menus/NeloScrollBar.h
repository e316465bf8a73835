// The library's one scroll bar: a child window of its own with two arrow
// buttons, a track and a draggable thumb. Held arrows and track pieces
// repeat their step (the first 400 ms after the press, then every 50 ms);
// every step goes to the owner as WM_VSCROLL or WM_HSCROLL with no control
// handle, so the owner treats it as its own scroll bar. The pointer entering
// and leaving the bar is reported to the owner with
// "MOUSE_OVER_NELO_SCROLLBAR_MSG" (wParam 1, then 0).
//
// Takes over: everything (it is not a system scroll bar): WM_PAINT and
// WM_PRINTCLIENT through one painter, WM_SIZE (layout), WM_LBUTTONDOWN,
// WM_LBUTTONUP, WM_MOUSEMOVE, WM_MOUSELEAVE, WM_TIMER (auto-repeat) and
// WM_CAPTURECHANGED (a press whose capture is taken away ends with
// SB_ENDSCROLL). A host that keeps the mouse capture itself (a drop-down
// list) hands its mouse events in through LButtonDown, LButtonUp and
// MouseMove instead.
#pragma once

#include "ScrollGeometry.h"
#include "SkinControl.h"
#include "SkinFoundation.h"
#include "TavrinExport.h"

#include <afxwin.h>

namespace Tavrin {

struct _ScrollBarColorInfo {
    COLORREF clrTrackA;                // track, enabled: right (vertical bar) or top (horizontal)
    COLORREF clrTrackB;                // track, enabled: left or bottom
    COLORREF clrTrackDisabledA;        // track, disabled
    COLORREF clrTrackDisabledB;        // track, disabled
    COLORREF clrFrame;                 // outer frame, enabled
    COLORREF clrFrameDisabled;         // outer frame, disabled
    COLORREF clrThumbFrom;             // thumb, normal (left edge)
    COLORREF clrThumbTo;               // thumb, normal (right edge)
    COLORREF clrThumbPressedFrom;      // thumb, pressed
    COLORREF clrThumbPressedTo;        //
    COLORREF clrThumbHotFrom;          // thumb, hot
    COLORREF clrThumbHotTo;            //
    COLORREF clrOutline;               // arrow and thumb outline, normal
    COLORREF clrOutlinePressed;        // outline, pressed
    COLORREF clrOutlineHot;            // outline, hot
    COLORREF clrOutlineDisabled;       // arrow outline, disabled
    COLORREF clrArrowBackFrom;         // arrow button, normal
    COLORREF clrArrowBackTo;           //
    COLORREF clrArrowBackPressedFrom;  // arrow button, pressed
    COLORREF clrArrowBackPressedTo;    //
    COLORREF clrArrowBackHotFrom;      // arrow button, hot
    COLORREF clrArrowBackHotTo;        //
    COLORREF clrArrowBackDisabledFrom; // arrow button, disabled
    COLORREF clrArrowBackDisabledTo;   //
    COLORREF clrGlyph;                 // arrow glyph, normal
    COLORREF clrGlyphPressed;          // glyph, pressed
    COLORREF clrGlyphHot;              // glyph, hot
    COLORREF clrGlyphDisabled;         // glyph, disabled
    COLORREF clrGripLight;             // first line of each grip pair, normal
    COLORREF clrGripLightPressed;      //
    COLORREF clrGripLightHot;          //
    COLORREF clrGripDark;              // second line of each grip pair, normal
    COLORREF clrGripDarkPressed;       //
    COLORREF clrGripDarkHot;           //
};

// The parts of a bar, as its hit test names them.
typedef int ScrollBarComponentType;
enum : int {
    ComponentNone = geometry::ScrollNone,
    ComponentFirstArrow = geometry::ScrollFirstArrow,
    ComponentSecondArrow = geometry::ScrollSecondArrow,
    ComponentTrackBefore = geometry::ScrollTrackBefore,
    ComponentTrackAfter = geometry::ScrollTrackAfter,
    ComponentThumb = geometry::ScrollThumb,
};

class TAVRIN_API NeloScrollBar : public CWnd, public ClientPainter {
public:
    NeloScrollBar();
    virtual ~NeloScrollBar();

    static _ScrollBarColorInfo DefaultColorInfo();

    // A bar of its own window class as a child of 'parent', reporting to
    // 'owner'. 0 when either is missing or the window cannot be made.
    int Create(CWnd* parent, CWnd* owner, const CRect& rect, const int& id, int vertical, unsigned long style,
               unsigned long exStyle);

    int SetScrollBarColorInfo(const _ScrollBarColorInfo& info);
    int GetScrollBarColorInfo(_ScrollBarColorInfo& info);
    int ShowThumbSymbol(int show);
    int ShowHoverEffect(int show);

    // Positions are held within nMin..nMax - nPage + 1 (nMax for a page of 0).
    int SetScrollPos(const int& pos);
    int GetScrollPos();
    int SetScrollRange(const int& min, const int& max);
    int GetScrollRange(int& min, int& max);
    int SetScrollInfo(SCROLLINFO* info);
    // SIF_TRACKPOS gives the position a thumb drag has reached (the current
    // position otherwise), whole, where the scroll message's high word
    // carries only its low 16 bits.
    int GetScrollInfo(SCROLLINFO* info, unsigned int mask);
    int GetScrollLimit();
    int ShowScrollBar(int show);
    // Enabled exactly when there is room to scroll, 'enable' is set and the
    // owner is enabled. 0 without an owner.
    int EnableWindow(int enable);
    int Invalidate(int erase);

    // For a host that holds the mouse capture itself; screen coordinates.
    // 0 when the event was handled, E_FAIL when not.
    long LButtonDown(const CPoint& screenPoint);
    long LButtonUp(const CPoint& screenPoint);
    long MouseMove(const CPoint& screenPoint);

    // The window the bar reports to.
    HWND Owner() const { return m_owner; }
    // Layout and mouse state, for the owner and for tests.
    const geometry::ScrollBarLayout& Layout() const { return m_layout; }
    bool IsVertical() const { return m_vertical != 0; }
    ScrollBarComponentType HotPart() const { return m_hotPart; }
    ScrollBarComponentType PressedPart() const { return m_pressedPart; }

protected:
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnPaint();
    afx_msg void OnPrintClient(CDC* dc, UINT flags);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnMouseLeave();
    afx_msg void OnCaptureChanged(CWnd* wnd);
    DECLARE_MESSAGE_MAP()

private:
    void PaintClient(HDC dc, const RECT& client) override;

    geometry::ScrollState State() const;
    void Relayout(int cx, int cy);
    void PlaceThumb();
    bool Dragging() const;
    void ResetMouseState();

    void PressAt(POINT p);
    void ReleaseAt(POINT p);
    void MoveAt(POINT p);
    void Step();
    void EndPress(bool sendEnd);
    void Report(UINT code, int pos = 0);

    geometry::Look PartLook(ScrollBarComponentType part) const;

    GdiplusSessionScope m_gdiplus;
    _ScrollBarColorInfo m_colors;
    int m_hoverEffect = 1;
    int m_thumbSymbol = 1;
    int m_vertical = 1;
    HWND m_owner = nullptr;
    geometry::ScrollBarLayout m_layout;
    int m_nMin = 0;
    int m_nMax = 0;
    int m_nPos = 0;
    int m_nPage = 0;
    int m_hostDriven = 0;
    POINT m_lastPoint{-1, -1};
    ScrollBarComponentType m_pressedPart = ComponentNone;
    int m_pressedShown = 0;
    ScrollBarComponentType m_hotPart = ComponentNone;
    int m_tracking = 0;
    int m_dragOffset = 0;
    int m_lastSentPos = 0;
    // The position a thumb drag stands for, from the press until the end of
    // the scroll has been reported (SIF_TRACKPOS).
    int m_trackPos = 0;
    bool m_trackActive = false;
};

} // namespace Tavrin

// A slider painted as a flat background, a thin channel whose part before
// the thumb (the "passed" part) has colours of its own, and a thumb that is
// a rectangle or a circle. The system's trackbar keeps all of its logic:
// range, position, keyboard, dragging and the scroll messages to its parent.
//
// Takes over: painting (WM_PAINT and WM_PRINTCLIENT through one painter, the
// dotted focus rectangle after the copy), the hover and pressed looks
// (WM_MOUSEMOVE, WM_MOUSELEAVE, WM_LBUTTONDOWN, WM_LBUTTONUP, each then
// handed on to the trackbar) and a repaint after each of the trackbar's own
// WM_TIMER repeats.
#pragma once

#include "MenusGeometry.h"
#include "SkinControl.h"
#include "SkinFoundation.h"
#include "SkinLook.h"
#include "TavrinExport.h"

#include <afxwin.h>
#include <afxcmn.h>

namespace Tavrin {

struct _SliderCtrlColorInfo {
    COLORREF clrBack;                  // background
    COLORREF clrChannelA;              // channel, enabled
    COLORREF clrChannelB;              // channel, enabled
    COLORREF clrPassedA;               // passed channel, enabled
    COLORREF clrPassedB;               // passed channel, enabled
    COLORREF clrChannelDisabledA;      // channel, disabled
    COLORREF clrChannelDisabledB;      // channel, disabled
    COLORREF clrPassedDisabledA;       // passed channel, disabled
    COLORREF clrPassedDisabledB;       // passed channel, disabled
    COLORREF clrSliderOutline;         // channel frame and thumb outline
    COLORREF clrSliderOutlineHot;      // the same with the pointer over the control
    COLORREF clrSliderOutlineDisabled; // the same, disabled
    COLORREF clrSliderFocus;           // dotted focus rectangle
    COLORREF clrKnobFrom;              // thumb, normal
    COLORREF clrKnobTo;
    COLORREF clrKnobPressedFrom; // thumb, pressed
    COLORREF clrKnobPressedTo;
    COLORREF clrKnobHotFrom; // thumb, hot
    COLORREF clrKnobHotTo;
    COLORREF clrKnobDisabledFrom; // thumb, disabled
    COLORREF clrKnobDisabledTo;
};

enum SliderCtrlStyle { StyleRectangle = 0, StyleRound = 1 };

class TAVRIN_API NeloSliderCtrl : public CSliderCtrl, public ClientPainter {
public:
    NeloSliderCtrl();
    virtual ~NeloSliderCtrl();

    static _SliderCtrlColorInfo DefaultColorInfo();

    int SetSliderCtrlColorInfo(const _SliderCtrlColorInfo& info);
    int GetSliderCtrlColorInfo(_SliderCtrlColorInfo& info);
    // Above 3 and three of it within the control's breadth; the thumb
    // becomes three times as long.
    int SetChannelThickness(const int& thickness);
    int GetChannelThickness();
    int SetSliderCtrlStyle(SliderCtrlStyle style);
    int ShowHoverEffect(int show);
    int ShowFocusEffect(int show);
    int ShowPassedChannel(int show);
    int Invalidate(int erase);

    // The channel and thumb of the last paint (client coordinates).
    RECT ChannelRect() const { return m_channelRect; }
    RECT ThumbRect() const { return m_thumbRect; }

protected:
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    afx_msg void OnPaint();
    afx_msg void OnPrintClient(CDC* dc, UINT flags);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnMouseLeave();
    DECLARE_MESSAGE_MAP()

private:
    struct ControlParts {
        RECT channel; // the channel drawn
        RECT thumb;   // the trackbar's own thumb rectangle
        bool vertical;
    };
    ControlParts ReadControlParts() const;
    RECT ThumbArea(const ControlParts& parts) const;
    void PaintClient(HDC dc, const RECT& client) override;
    void DrawChannel(Gdiplus::Graphics& graphics, const ControlParts& parts, const LookColours<5>& colours);
    void DrawThumb(Gdiplus::Graphics& graphics, const ControlParts& parts, COLORREF outline);
    void DrawFocus(HDC dc, const RECT& client);
    void SendThumbLength();

    GdiplusSessionScope m_gdiplus;
    _SliderCtrlColorInfo m_colors;
    int m_channelThickness;
    int m_thumbLength;
    SliderCtrlStyle m_style;
    int m_hoverEffect;
    int m_focusEffect;
    int m_passedChannel;
    int m_pressed;
    int m_mouseInside;
    int m_overThumb;
    RECT m_channelRect;
    RECT m_thumbRect;
};

} // namespace Tavrin

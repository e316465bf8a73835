#include "NeloSliderCtrl.h"

#include "SkinDrawing.h"
#include "SkinControlSetters.h"
#include "SkinWindow.h"

namespace Tavrin {

using geometry::Look;

namespace {

using S = _SliderCtrlColorInfo;

// Channel, passed part and outline by look: the outline alone follows the
// pointer; a disabled slider takes its grey set.
enum ChannelPart { ChannelA, ChannelB, PassedA, PassedB, Outline, ChannelPartCount };
using ChannelRow = MemberRow<S, ChannelPartCount>;
const ChannelRow kChannelNormal{&S::clrChannelA, &S::clrChannelB, &S::clrPassedA, &S::clrPassedB,
                                &S::clrSliderOutline};
const ChannelRow kChannelHot{&S::clrChannelA, &S::clrChannelB, &S::clrPassedA, &S::clrPassedB,
                             &S::clrSliderOutlineHot};
const ChannelRow kChannelDisabled{&S::clrChannelDisabledA, &S::clrChannelDisabledB, &S::clrPassedDisabledA,
                                  &S::clrPassedDisabledB, &S::clrSliderOutlineDisabled};
const LookTable<S, ChannelPartCount> kChannelLooks{
    {{kChannelNormal, kChannelHot, kChannelNormal, kChannelDisabled, kChannelNormal}}};

enum KnobPart { KnobFrom, KnobTo, KnobPartCount };
using KnobRow = MemberRow<S, KnobPartCount>;
const KnobRow kKnobNormal{&S::clrKnobFrom, &S::clrKnobTo};
const LookTable<S, KnobPartCount> kKnobLooks{{{kKnobNormal,
                                               {&S::clrKnobHotFrom, &S::clrKnobHotTo},
                                               {&S::clrKnobPressedFrom, &S::clrKnobPressedTo},
                                               {&S::clrKnobDisabledFrom, &S::clrKnobDisabledTo},
                                               kKnobNormal}}};

Gdiplus::Color Opaque(COLORREF colour) {
    return Gdiplus::Color(ToArgb(colour));
}

} // namespace

BEGIN_MESSAGE_MAP(NeloSliderCtrl, CSliderCtrl)
ON_WM_PAINT()
ON_WM_PRINTCLIENT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

NeloSliderCtrl::NeloSliderCtrl()
    : m_colors(DefaultColorInfo()), m_channelThickness(7), m_thumbLength(21), m_style(StyleRectangle),
      m_hoverEffect(1), m_focusEffect(0), m_passedChannel(1), m_pressed(0), m_mouseInside(0),
      m_overThumb(0), m_channelRect{0, 0, 0, 0}, m_thumbRect{0, 0, 0, 0} {}

NeloSliderCtrl::~NeloSliderCtrl() = default;

_SliderCtrlColorInfo NeloSliderCtrl::DefaultColorInfo() {
    return _SliderCtrlColorInfo{
        RGB(225, 236, 249), RGB(176, 176, 168), RGB(250, 250, 250), RGB(48, 94, 150),   RGB(58, 178, 187),
        RGB(206, 206, 202), RGB(250, 250, 250), RGB(172, 168, 153), RGB(222, 218, 203), RGB(104, 128, 184),
        RGB(88, 168, 240),  RGB(172, 168, 153), RGB(28, 81, 128),   RGB(243, 243, 243), RGB(181, 208, 232),
        RGB(136, 176, 216), RGB(243, 243, 243), RGB(243, 243, 243), RGB(136, 176, 216), RGB(230, 230, 230),
        RGB(166, 166, 162)};
}

void NeloSliderCtrl::PreSubclassWindow() {
    m_colors = DefaultColorInfo();
    m_channelThickness = 7;
    m_style = StyleRectangle;
    m_hoverEffect = 1;
    m_focusEffect = 0;
    m_passedChannel = 1;
    m_pressed = 0;
    m_mouseInside = 0;
    m_overThumb = 0;
    ModifyStyle(0, TBS_FIXEDLENGTH);
    ModifyStyleEx(WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, WS_EX_TRANSPARENT);
    RedrawFrame(m_hWnd);
    m_thumbLength = 21;
    SendThumbLength();
    CSliderCtrl::PreSubclassWindow();
}

void NeloSliderCtrl::SendThumbLength() {
    if (m_hWnd)
        ::SendMessageW(m_hWnd, TBM_SETTHUMBLENGTH, m_thumbLength, 0);
}

int NeloSliderCtrl::SetSliderCtrlColorInfo(const _SliderCtrlColorInfo& info) {
    return ReplaceColourRecord(*this, m_colors, info, FALSE);
}

int NeloSliderCtrl::GetSliderCtrlColorInfo(_SliderCtrlColorInfo& info) {
    return CopyColourRecord(m_colors, info);
}

int NeloSliderCtrl::SetChannelThickness(const int& thickness) {
    if (!m_hWnd)
        return 0;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    if (!geometry::SliderThicknessFits(thickness, client.right, client.bottom, (GetStyle() & TBS_VERT) != 0))
        return 0;
    if (thickness == m_channelThickness)
        return 1;
    m_thumbLength = 3 * thickness;
    SendThumbLength();
    m_channelThickness = thickness;
    Invalidate(FALSE);
    return 1;
}

int NeloSliderCtrl::GetChannelThickness() {
    return m_channelThickness;
}

int NeloSliderCtrl::SetSliderCtrlStyle(SliderCtrlStyle style) {
    try {
        if (style != StyleRectangle)
            style = StyleRound;
        if (style == m_style)
            return 1;
        if (style == StyleRound) {
            if (!m_hWnd)
                return 0;
            const ControlParts parts = ReadControlParts();
            m_thumbLength = geometry::RoundThumbLength(parts.thumb, parts.channel, parts.vertical);
        } else {
            m_thumbLength = 3 * m_channelThickness;
        }
        m_style = style;
        SendThumbLength();
        Invalidate(FALSE);
        return 1;
    } catch (...) {
        return 0;
    }
}

int NeloSliderCtrl::ShowHoverEffect(int show) {
    return SetDrawingOption(*this, m_hoverEffect, show, FALSE);
}

int NeloSliderCtrl::ShowFocusEffect(int show) {
    return SetDrawingOption(*this, m_focusEffect, show, FALSE);
}

int NeloSliderCtrl::ShowPassedChannel(int show) {
    return SetDrawingOption(*this, m_passedChannel, show, FALSE);
}

int NeloSliderCtrl::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

LRESULT NeloSliderCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        const LRESULT result = CSliderCtrl::WindowProc(message, wParam, lParam);
        // The trackbar's own repeat while the button is held on the channel.
        if (message == WM_TIMER)
            Invalidate(FALSE);
        return result;
    } catch (...) {
        return 0;
    }
}

NeloSliderCtrl::ControlParts NeloSliderCtrl::ReadControlParts() const {
    ControlParts parts{};
    parts.vertical = (GetStyle() & TBS_VERT) != 0;
    RECT channel{}, thumb{};
    ::SendMessageW(m_hWnd, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    ::SendMessageW(m_hWnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    // The trackbar reports a vertical channel as if it lay across; one that
    // already stands upright is taken as it is.
    if (parts.vertical && geometry::Height(channel) > geometry::Width(channel))
        channel = RECT{channel.top, channel.left, channel.bottom, channel.right};
    parts.thumb = thumb;
    parts.channel = geometry::SliderChannelRect(channel, thumb, m_channelThickness, parts.vertical);
    return parts;
}

RECT NeloSliderCtrl::ThumbArea(const ControlParts& parts) const {
    return m_style == StyleRectangle ? m_thumbRect : parts.thumb;
}

void NeloSliderCtrl::OnPaint() {
    Tavrin::PaintClient(*this, *this);
}

void NeloSliderCtrl::OnPrintClient(CDC* dc, UINT) {
    Tavrin::PrintClient(*this, *this, dc);
}

void NeloSliderCtrl::PaintClient(HDC dc, const RECT& client) {
    const ControlParts parts = ReadControlParts();
    {
        SkinPaintBuffer buffer(dc, client, Gdiplus::SmoothingModeNone);
        if (!buffer.IsValid())
            return;
        const RECT local = buffer.LocalRect();
        ::FillRect(buffer.DC(), &local, SkinResourceCache::GetSolidBrush(m_colors.clrBack));
        const bool disabled = !::IsWindowEnabled(m_hWnd);
        const LookColours<ChannelPartCount> channel = kChannelLooks.Read(
            m_colors, geometry::ResolveLook(disabled, false, m_mouseInside && m_hoverEffect));
        DrawChannel(buffer.Graphics(), parts, channel);
        DrawThumb(buffer.Graphics(), parts, channel[Outline]);
        buffer.Present();
    }
    DrawFocus(dc, client);
}

void NeloSliderCtrl::DrawChannel(Gdiplus::Graphics& graphics, const ControlParts& parts,
                                 const LookColours<5>& colours) {
    m_channelRect = parts.channel;
    const Gdiplus::Rect channel = ToGdiplusRect(m_channelRect);
    if (parts.vertical)
        FillGradient(graphics, channel, colours[ChannelB], colours[ChannelA], GradientDirection::LeftToRight);
    else
        FillGradient(graphics, channel, colours[ChannelA], colours[ChannelB], GradientDirection::TopToBottom);
    if (m_passedChannel) {
        const RECT passed = geometry::SliderPassedRect(m_channelRect, parts.thumb, parts.vertical);
        if (!::IsRectEmpty(&passed)) {
            if (parts.vertical)
                FillGradient(graphics, ToGdiplusRect(passed), colours[PassedB], colours[PassedA],
                             GradientDirection::LeftToRight);
            else
                FillGradient(graphics, ToGdiplusRect(passed), colours[PassedA], colours[PassedB],
                             GradientDirection::TopToBottom);
        }
    }
    Gdiplus::Pen pen(Opaque(colours[Outline]), 1.0f);
    graphics.DrawRectangle(&pen, channel.X, channel.Y, channel.Width - 1, channel.Height - 1);
}

void NeloSliderCtrl::DrawThumb(Gdiplus::Graphics& graphics, const ControlParts& parts, COLORREF outline) {
    const bool disabled = !::IsWindowEnabled(m_hWnd);
    const LookColours<KnobPartCount> knob = kKnobLooks.Read(
        m_colors, geometry::ResolveLook(disabled, m_pressed != 0, m_overThumb && m_hoverEffect));
    Gdiplus::Pen pen(Opaque(outline), 1.0f);
    if (m_style == StyleRectangle) {
        m_thumbRect = parts.thumb;
        const Gdiplus::Rect thumb = ToGdiplusRect(m_thumbRect);
        FillGradient(graphics, thumb, knob[KnobFrom], knob[KnobTo], GradientDirection::LeftToRight);
        graphics.DrawRectangle(&pen, thumb.X, thumb.Y, thumb.Width - 1, thumb.Height - 1);
        return;
    }
    const geometry::RoundKnob round =
        geometry::LayoutRoundKnob(parts.thumb, parts.channel, parts.vertical, m_pressed != 0);
    m_thumbRect = round.thumb;
    const Gdiplus::SmoothingMode old = graphics.GetSmoothingMode();
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    Gdiplus::LinearGradientBrush brush(ToGdiplusRect(round.brush), Opaque(knob[KnobFrom]),
                                       Opaque(knob[KnobTo]), Gdiplus::LinearGradientModeForwardDiagonal);
    const int d = 2 * round.radius;
    graphics.FillEllipse(&brush, round.circle.left, round.circle.top, d, d);
    graphics.DrawEllipse(&pen, round.circle.left, round.circle.top, d, d);
    graphics.SetSmoothingMode(old);
}

void NeloSliderCtrl::DrawFocus(HDC dc, const RECT& client) {
    if (!m_focusEffect || !::IsWindowEnabled(m_hWnd) || ::GetFocus() != m_hWnd)
        return;
    Gdiplus::Graphics graphics(dc);
    Gdiplus::Pen pen(Opaque(m_colors.clrSliderFocus), 1.0f);
    pen.SetDashStyle(Gdiplus::DashStyleDot);
    graphics.DrawRectangle(&pen, static_cast<INT>(client.left), static_cast<INT>(client.top),
                           static_cast<INT>(client.right - client.left - 1),
                           static_cast<INT>(client.bottom - client.top - 1));
}

void NeloSliderCtrl::OnMouseMove(UINT flags, CPoint point) {
    if (m_hoverEffect) {
        const ControlParts parts = ReadControlParts();
        const bool inChannel = geometry::Contains(m_channelRect, point);
        const bool inThumb = geometry::Contains(ThumbArea(parts), point);
        if ((inChannel || inThumb) && !m_mouseInside) {
            m_mouseInside = 1;
            m_overThumb = inThumb;
            TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, 0};
            ::TrackMouseEvent(&track);
        } else if (!inChannel && !inThumb && !m_pressed) {
            m_mouseInside = 0;
            m_overThumb = 0;
        }
        if (inChannel)
            m_overThumb = inThumb;
        Invalidate(FALSE);
    }
    CSliderCtrl::OnMouseMove(flags, point);
}

void NeloSliderCtrl::OnMouseLeave() {
    if (m_mouseInside) {
        m_mouseInside = 0;
        m_overThumb = 0;
        Invalidate(FALSE);
    }
    CSliderCtrl::OnMouseLeave();
}

void NeloSliderCtrl::OnLButtonDown(UINT flags, CPoint point) {
    m_pressed = geometry::Contains(ThumbArea(ReadControlParts()), point) ? 1 : 0;
    Invalidate(FALSE);
    CSliderCtrl::OnLButtonDown(flags, point);
}

void NeloSliderCtrl::OnLButtonUp(UINT flags, CPoint point) {
    m_pressed = 0;
    Invalidate(FALSE);
    CSliderCtrl::OnLButtonUp(flags, point);
}

} // namespace Tavrin

#include "NeloCheckBox.h"

#include "CheckGeometry.h"
#include "SkinDrawing.h"
#include "SkinLook.h"

namespace Tavrin {

using geometry::Look;

namespace {

// What each look paints with: the box face's gradient, the frame's
// gradient, the check mark and the caption. Hovering alone changes nothing
// here (the hover ring is drawn on top); pressed means pressed while hovered.
enum CheckPart { FaceStart, FaceEnd, FrameStart, FrameEnd, MarkColour, TextColour, CheckPartCount };
using CheckRow = MemberRow<_CheckBoxColorInfo, CheckPartCount>;
const CheckRow kNormalCheck{&_CheckBoxColorInfo::crBoxNormalStart, &_CheckBoxColorInfo::crBoxNormalEnd,
                            &_CheckBoxColorInfo::crBoxFrameStart,  &_CheckBoxColorInfo::crBoxFrameEnd,
                            &_CheckBoxColorInfo::crCheckMark,      &_CheckBoxColorInfo::crCheckText};
const LookTable<_CheckBoxColorInfo, CheckPartCount> kCheckLooks{{{
    kNormalCheck,
    kNormalCheck,
    {&_CheckBoxColorInfo::crBoxPressedStart, &_CheckBoxColorInfo::crBoxPressedEnd,
     &_CheckBoxColorInfo::crBoxFrameStart, &_CheckBoxColorInfo::crBoxFrameEnd,
     &_CheckBoxColorInfo::crCheckMark, &_CheckBoxColorInfo::crCheckText},
    {&_CheckBoxColorInfo::crBoxDisabledStart, &_CheckBoxColorInfo::crBoxDisabledEnd,
     &_CheckBoxColorInfo::crBoxFrameDisabledStart, &_CheckBoxColorInfo::crBoxFrameDisabledEnd,
     &_CheckBoxColorInfo::crCheckMarkDisabled, &_CheckBoxColorInfo::crCheckTextDisabled},
    kNormalCheck,
}}};

} // namespace

BEGIN_MESSAGE_MAP(NeloCheckBox, CheckSymbolButton)
ON_MESSAGE(BM_SETCHECK, &NeloCheckBox::SetCheckBoxState)
ON_MESSAGE(BM_GETCHECK, &NeloCheckBox::GetCheckBoxState)
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

// The mark's strokes are placed pixel by pixel: no smoothing.
NeloCheckBox::NeloCheckBox() : CheckSymbolButton(Gdiplus::SmoothingModeNone) {
    ResetMembers();
}

NeloCheckBox::~NeloCheckBox() {}

_CheckBoxColorInfo NeloCheckBox::DefaultColorInfo() {
    _CheckBoxColorInfo c{};
    c.crCheckBackground = RGB(225, 236, 249);
    // Look by look: face start and end, frame start and end, mark, caption.
    WriteRow(c, kCheckLooks.Row(Look::Normal),
             {RGB(200, 200, 215), RGB(254, 254, 254), RGB(28, 81, 128), RGB(38, 91, 138), RGB(56, 185, 53),
              RGB(6, 45, 117)});
    c.crBoxPressedStart = RGB(176, 176, 168);
    c.crBoxPressedEnd = RGB(250, 250, 250);
    WriteRow(c, kCheckLooks.Row(Look::Disabled),
             {RGB(230, 230, 210), RGB(230, 230, 210), RGB(172, 168, 153), RGB(182, 178, 163),
              RGB(172, 168, 153), RGB(172, 168, 153)});
    c.crBoxHoverStart = RGB(248, 232, 200);
    c.crBoxHoverEnd = RGB(248, 176, 48);
    c.crCheckFocus = RGB(28, 81, 128);
    return c;
}

void NeloCheckBox::ResetMembers() {
    m_colorInfo = DefaultColorInfo();
    ResetSymbolState();
}

void NeloCheckBox::PreSubclassWindow() {
    ResetMembers();
    TakeOverWindow();
    CheckSymbolButton::PreSubclassWindow();
}

int NeloCheckBox::SetCheckBoxColorInfo(const _CheckBoxColorInfo& info) {
    m_colorInfo = info;
    Invalidate(TRUE);
    return 1;
}

int NeloCheckBox::GetCheckBoxColorInfo(_CheckBoxColorInfo& info) {
    info = m_colorInfo;
    return 1;
}

int NeloCheckBox::SetCheckSymbolWidth(const int& width) {
    return SetSymbolWidth(width);
}

int NeloCheckBox::GetCheckSymbolWidth() {
    return SymbolWidth();
}

void NeloCheckBox::OnClicked() {
    m_checked = !m_checked;
    Invalidate(TRUE);
}

LRESULT NeloCheckBox::SetCheckBoxState(WPARAM wParam, LPARAM lParam) {
    // Any non-zero state (BST_INDETERMINATE too) shows the box checked.
    m_checked = wParam != 0;
    Invalidate(TRUE);
    return DefWindowProc(BM_SETCHECK, wParam, lParam);
}

LRESULT NeloCheckBox::GetCheckBoxState(WPARAM, LPARAM) {
    return m_checked;
}

void NeloCheckBox::OnLButtonDblClk(UINT flags, CPoint point) {
    // The system's owner-drawn button turns a double click into
    // BN_DOUBLECLICKED; as a second press it toggles like any click.
    DefWindowProc(WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
}

COLORREF NeloCheckBox::BackgroundColour() const {
    return m_colorInfo.crCheckBackground;
}

CheckSymbolButton::CaptionLook NeloCheckBox::DrawSymbol(Gdiplus::Graphics& g, int width, int height,
                                                        const SymbolState& state) {
    const LookColours<CheckPartCount> colours = kCheckLooks.Read(m_colorInfo, state.look);
    const geometry::CheckBoxLayout layout =
        geometry::LayoutCheckBox(RECT{0, 0, width, height}, SymbolWidth());
    FillGradient(g, ToRect(layout.faceBrush), ToRect(layout.face), colours[FaceStart], colours[FaceEnd],
                 GradientDirection::ForwardDiagonal);
    Gdiplus::GraphicsPath frame;
    frame.AddRectangle(ToRect(layout.frame));
    DrawGradientPath(g, frame, ToRect(layout.frameBrush), colours[FrameStart], colours[FrameEnd],
                     GradientDirection::ForwardDiagonal, 1.0f);
    if (state.hoverRing) {
        Gdiplus::GraphicsPath ring;
        ring.AddRectangle(ToRect(layout.hoverRing));
        DrawGradientPath(g, ring, ToRect(layout.frameBrush), m_colorInfo.crBoxHoverStart,
                         m_colorInfo.crBoxHoverEnd, GradientDirection::ForwardDiagonal,
                         layout.hoverWidth);
    }
    if (m_checked) {
        const COLORREF c = colours[MarkColour];
        for (const geometry::CheckStroke& s : layout.strokes) {
            Gdiplus::Pen pen(
                Gdiplus::Color(static_cast<BYTE>(s.alpha), GetRValue(c), GetGValue(c), GetBValue(c)),
                1.0f);
            const Gdiplus::Point points[3] = {Gdiplus::Point(s.from.x, s.from.y),
                                              Gdiplus::Point(s.bottom.x, s.bottom.y),
                                              Gdiplus::Point(s.to.x, s.to.y)};
            g.DrawLines(&pen, points, 3);
        }
    }
    return {layout.captionLeft, colours[TextColour], m_colorInfo.crCheckFocus};
}

} // namespace Tavrin

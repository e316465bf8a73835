#include "NeloCheckBox.h"

#include "CheckGeometry.h"
#include "SkinCaption.h"
#include "SkinControl.h"
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

Gdiplus::Rect ToRect(const geometry::Box& b) {
    return Gdiplus::Rect(b.x, b.y, b.width, b.height);
}

} // namespace

BEGIN_MESSAGE_MAP(NeloCheckBox, CButton)
ON_MESSAGE(BM_SETCHECK, &NeloCheckBox::SetCheckBoxState)
ON_MESSAGE(BM_GETCHECK, &NeloCheckBox::GetCheckBoxState)
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

NeloCheckBox::NeloCheckBox() {
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
    m_checked = 0;
    m_hoverEffect = 1;
    m_focusEffect = 1;
    m_symbolWidth = 14;
    m_hover.Reset();
}

void NeloCheckBox::PreSubclassWindow() {
    ResetMembers();
    SetFont(L"Arial", 10, 0);
    // The button type is replaced, not added to: BS_OWNERDRAW or'ed onto a
    // tri-state type gives 0xF, a type the system draws as nothing at all.
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE));
    ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>((style & ~BS_TYPEMASK) | BS_OWNERDRAW));
    CButton::PreSubclassWindow();
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
    RECT client{};
    if (m_hWnd)
        ::GetClientRect(m_hWnd, &client);
    if (!geometry::SymbolWidthFits(width, client.bottom))
        return 0;
    if (width != m_symbolWidth) {
        m_symbolWidth = width;
        Invalidate(TRUE);
    }
    return 1;
}

int NeloCheckBox::GetCheckSymbolWidth() {
    return m_symbolWidth;
}

int NeloCheckBox::ShowHoverEffect(int show) {
    if (show != m_hoverEffect) {
        m_hoverEffect = show;
        Invalidate(TRUE);
    }
    return 1;
}

int NeloCheckBox::ShowFocusEffect(int show) {
    if (show != m_focusEffect) {
        m_focusEffect = show;
        Invalidate(TRUE);
    }
    return 1;
}

int NeloCheckBox::SetFont(const CString& face, const int& pointSize, int bold) {
    HFONT font = SkinFont(face, pointSize, bold);
    if (!font)
        return 0;
    if (m_hWnd)
        ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    Invalidate(TRUE);
    return 1;
}

int NeloCheckBox::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

BOOL NeloCheckBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    // An owner-drawn button never checks itself: the click's notification is
    // the one place where the state changes.
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        m_checked = !m_checked;
        Invalidate(TRUE);
    }
    return CButton::OnChildNotify(message, wParam, lParam, pResult);
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

void NeloCheckBox::OnMouseMove(UINT flags, CPoint point) {
    if (m_hoverEffect && !m_hover.IsHovering() && m_hover.Update(m_hWnd, true))
        Invalidate(TRUE);
    CButton::OnMouseMove(flags, point);
}

void NeloCheckBox::OnMouseLeave() {
    if (m_hover.Leave())
        Invalidate(TRUE);
}

BOOL NeloCheckBox::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void NeloCheckBox::DrawItem(LPDRAWITEMSTRUCT item) {
    try {
        Paint(item->hDC, item->rcItem, item->itemState);
    } catch (...) {
    }
}

void NeloCheckBox::Paint(HDC dc, const RECT& item, UINT state) {
    const bool disabled = (state & ODS_DISABLED) != 0;
    const bool hovering = m_hover.IsHovering();
    const Look look = geometry::ResolveLook(disabled, hovering && (state & ODS_SELECTED), hovering);
    const LookColours<CheckPartCount> colours = kCheckLooks.Read(m_colorInfo, look);
    const int width = item.right - item.left, height = item.bottom - item.top;
    const geometry::CheckBoxLayout layout =
        geometry::LayoutCheckBox(RECT{0, 0, width, height}, m_symbolWidth);
    {
        // The mark's strokes are placed pixel by pixel: no smoothing.
        SkinPaintBuffer buffer(dc, item, Gdiplus::SmoothingModeNone);
        if (!buffer.IsValid())
            return;
        Gdiplus::Graphics& g = buffer.Graphics();
        Gdiplus::SolidBrush background(Gdiplus::Color(ToArgb(m_colorInfo.crCheckBackground)));
        g.FillRectangle(&background, 0, 0, width, height);
        FillGradient(g, ToRect(layout.faceBrush), ToRect(layout.face), colours[FaceStart], colours[FaceEnd],
                     GradientDirection::ForwardDiagonal);
        Gdiplus::GraphicsPath frame;
        frame.AddRectangle(ToRect(layout.frame));
        DrawGradientPath(g, frame, ToRect(layout.frameBrush), colours[FrameStart], colours[FrameEnd],
                         GradientDirection::ForwardDiagonal, 1.0f);
        if (m_hoverEffect && hovering) {
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
        buffer.Present();
    }
    CString text;
    GetWindowText(text);
    HFONT font = WindowFont(m_hWnd);
    DrawSideCaption(dc, item, item.left + layout.captionLeft, text, font, colours[TextColour]);
    if ((state & ODS_FOCUS) && m_focusEffect && !disabled)
        DrawSideCaptionFocus(dc, item, item.left + layout.captionLeft, text, font, m_colorInfo.crCheckFocus);
}

} // namespace Tavrin

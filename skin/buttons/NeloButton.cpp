#include "NeloButton.h"

#include "ButtonsGeometry.h"
#include "SkinControl.h"
#include "SkinControlSetters.h"
#include "SkinDrawing.h"
#include "SkinLook.h"

namespace Tavrin {

using geometry::Look;

namespace {

// What each look paints with: face top and bottom, outer and inner ring,
// text. A button has no inactive look of its own.
enum FacePart { FaceTop, FaceBottom, OuterRing, InnerRing, TextColour, FacePartCount };
using ButtonRow = MemberRow<_ButtonColorInfo, FacePartCount>;
const ButtonRow kNormalFace{&_ButtonColorInfo::crNormalTop, &_ButtonColorInfo::crNormalBottom,
                            &_ButtonColorInfo::crOuterNormal, &_ButtonColorInfo::crInnerNormal,
                            &_ButtonColorInfo::crTextNormal};
const LookTable<_ButtonColorInfo, FacePartCount> kButtonLooks{{{
    kNormalFace,
    {&_ButtonColorInfo::crHoverTop, &_ButtonColorInfo::crHoverBottom, &_ButtonColorInfo::crOuterHover,
     &_ButtonColorInfo::crInnerHover, &_ButtonColorInfo::crTextHover},
    {&_ButtonColorInfo::crPressedTop, &_ButtonColorInfo::crPressedBottom, &_ButtonColorInfo::crOuterPressed,
     &_ButtonColorInfo::crInnerPressed, &_ButtonColorInfo::crTextPressed},
    {&_ButtonColorInfo::crDisabledTop, &_ButtonColorInfo::crDisabledBottom,
     &_ButtonColorInfo::crOuterDisabled, &_ButtonColorInfo::crInnerDisabled,
     &_ButtonColorInfo::crTextDisabled},
    kNormalFace,
}}};

} // namespace

BEGIN_MESSAGE_MAP(NeloButton, CButton)
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGING()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_MESSAGE(BM_SETSTYLE, &NeloButton::OnSetStyle)
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

NeloButton::NeloButton() {
    ResetMembers();
}

NeloButton::~NeloButton() {
    m_imageList.DeleteImageList();
}

_ButtonColorInfo NeloButton::DefaultColorInfo() {
    _ButtonColorInfo c{};
    // Look by look: face top and bottom, outer and inner ring, text.
    WriteRow(
        c, kButtonLooks.Row(Look::Normal),
        {RGB(243, 243, 243), RGB(182, 208, 240), RGB(127, 157, 185), RGB(242, 246, 251), RGB(77, 97, 133)});
    WriteRow(
        c, kButtonLooks.Row(Look::Pressed),
        {RGB(182, 208, 240), RGB(243, 243, 243), RGB(88, 168, 240), RGB(202, 206, 211), RGB(83, 120, 178)});
    WriteRow(
        c, kButtonLooks.Row(Look::Hover),
        {RGB(243, 243, 243), RGB(160, 192, 224), RGB(88, 168, 240), RGB(158, 200, 245), RGB(88, 144, 220)});
    WriteRow(
        c, kButtonLooks.Row(Look::Disabled),
        {RGB(250, 250, 250), RGB(210, 225, 246), RGB(198, 206, 228), RGB(239, 245, 251), RGB(175, 194, 223)});
    c.crFocus = RGB(88, 168, 240);
    c.toolTipColorInfo = NeloToolTipCtrl::DefaultColorInfo();
    return c;
}

void NeloButton::ResetMembers() {
    m_colorInfo = DefaultColorInfo();
    m_buttonStyle = ButtonStyleRounded;
    m_imageList.DeleteImageList();
    m_picturePos = CPoint(0, 0);
    m_icon = nullptr;
    m_bitmap = nullptr;
    m_textPlacement = TextPlacement{ButtonTextCenterMiddle, 0, CPoint(0, 0)};
    m_font = SkinFont(L"Arial", 10, 0);
    m_hoverEffect = 1;
    m_focusEffect = 1;
    m_hover.Reset();
    m_eraseOnce = 0;
    m_defaultButton = 0;
    m_toolTipText.Empty();
    m_stop = 0;
}

void NeloButton::PreSubclassWindow() {
    ResetMembers();
    m_defaultButton = (GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    // A button object may be attached again after its window died (a dialog
    // shown a second time): the host makes a new tip then, and the button
    // gets its one tool either way.
    if (m_toolTip.Attach(this))
        m_toolTip.SetTool(m_toolTipText);
    ModifyStyle(0, BS_OWNERDRAW | WS_CLIPCHILDREN);
    SetButtonStyle(ButtonStyleRounded);
    SetFont(L"Arial", 10, 0);
    CButton::PreSubclassWindow();
}

int NeloButton::SetButtonColorInfo(const _ButtonColorInfo& info) {
    if (!m_toolTip.IsReady())
        return 0;
    m_colorInfo = info;
    if (!m_toolTip.SetColours(info.toolTipColorInfo))
        return 0;
    Invalidate(FALSE);
    RedrawFrame(m_hWnd);
    return 1;
}

int NeloButton::GetButtonColorInfo(_ButtonColorInfo& info) {
    if (!m_toolTip.ReadColours(m_colorInfo.toolTipColorInfo))
        return 0;
    info = m_colorInfo;
    return 1;
}

int NeloButton::SetButtonStyle(ButtonStyle style) {
    m_buttonStyle = style;
    ApplyRegion();
    return 1;
}

void NeloButton::ApplyRegion() {
    if (!m_hWnd)
        return;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    SetWindowShape(m_hWnd, geometry::ButtonWindowShape(m_buttonStyle, client.right, client.bottom));
    Invalidate(TRUE);
}

int NeloButton::SetIcon(HICON icon, int small) {
    m_icon = icon;
    return ApplyIconImage(*this, m_imageList, icon, small, FALSE);
}

HICON NeloButton::GetIcon() {
    return m_icon;
}

HBITMAP NeloButton::GetBitmap() {
    return m_bitmap;
}

int NeloButton::SetBitmap(HBITMAP bitmap, COLORREF maskColour) {
    m_bitmap = bitmap;
    // A bitmap that cannot be copied leaves the old image; the button still
    // answers 1.
    ApplyBitmapImage(*this, m_imageList, bitmap, maskColour, FALSE);
    return 1;
}

int NeloButton::SetPicturePos(const int& x, const int& y) {
    return SetDrawingOption(*this, m_picturePos, CPoint(x, y), TRUE);
}

int NeloButton::GetPicturePos(int& x, int& y) {
    x = m_picturePos.x;
    y = m_picturePos.y;
    return 1;
}

int NeloButton::SetFont(const CString& face, const int& pointSize, int bold) {
    return ApplyKeptFont(*this, m_font, face, pointSize, bold, FALSE);
}

int NeloButton::SetTextAlignment(ButtonTextAlignmentStyle alignment) {
    // Nothing to do only when the alignment is already the one in force; an
    // explicit text position set earlier is always given up (and kept for
    // nothing but the comparison).
    return SetDrawingOption(*this, m_textPlacement, TextPlacement{alignment, 0, m_textPlacement.pos}, FALSE);
}

int NeloButton::SetTextPos(const int& x, const int& y) {
    return SetDrawingOption(*this, m_textPlacement, TextPlacement{m_textPlacement.alignment, 1, CPoint(x, y)},
                            TRUE);
}

int NeloButton::ShowHoverEffect(int show) {
    return SetDrawingOption(*this, m_hoverEffect, show, FALSE);
}

int NeloButton::ShowFocusEffect(int show) {
    return SetDrawingOption(*this, m_focusEffect, show, FALSE);
}

int NeloButton::SetToolTipText(const CString& text) {
    if (text.Compare(m_toolTipText.GetString()) == 0)
        return 1;
    m_toolTipText = text;
    // An empty text keeps the old tool registered; it is simply no longer
    // fed with mouse messages, so it never shows.
    if (!text.IsEmpty() && m_hWnd)
        m_toolTip.SetTool(text);
    return 1;
}

CString NeloButton::GetToolTipText() {
    return m_toolTipText;
}

int NeloButton::SetToolTipCtrlFont(const CString& face, const int& pointSize, int bold) {
    return m_toolTip.SetFont(face, pointSize, bold);
}

int NeloButton::Stop(int stop) {
    m_stop = stop;
    return 1;
}

int NeloButton::IsStop() {
    return m_stop;
}

int NeloButton::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

BOOL NeloButton::PreTranslateMessage(MSG* msg) {
    if (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MBUTTONDBLCLK) {
        // A stopped button neither reacts to the mouse nor shows its tip.
        if (m_stop)
            return TRUE;
        if (!m_toolTipText.IsEmpty())
            m_toolTip.Relay(msg);
    }
    return CButton::PreTranslateMessage(msg);
}

void NeloButton::DrawItem(LPDRAWITEMSTRUCT item) {
    try {
        PaintFace(item->hDC, item->rcItem, item->itemState);
    } catch (...) {
    }
}

void NeloButton::PaintFace(HDC dc, const RECT& item, UINT state) {
    const Look look = geometry::ResolveLook((state & ODS_DISABLED) != 0, (state & ODS_SELECTED) != 0,
                                            m_hover.IsHovering() && m_hoverEffect);
    {
        SkinPaintBuffer buffer(dc, item, Gdiplus::SmoothingModeHighQuality);
        if (!buffer.IsValid())
            return;
        DrawFace(buffer, look);
        // Only an enabled, pressed button moves its content: one pixel right and down.
        DrawImage(buffer.DC(), look == Look::Pressed);
        DrawText(buffer.DC(), buffer.Width(), buffer.Height(), look);
        buffer.Present();
    }
    if (m_focusEffect && (state & ODS_FOCUS))
        DrawFocus(dc, item);
}

void NeloButton::DrawFace(SkinPaintBuffer& buffer, Look look) {
    const LookColours<FacePartCount> colours = kButtonLooks.Read(m_colorInfo, look);
    const int width = buffer.Width(), height = buffer.Height();
    FillVerticalGradient(buffer.Graphics(), ToGdiplusRect(buffer.LocalRect()), colours[FaceTop],
                         colours[FaceBottom]);
    FrameShape(buffer.DC(), geometry::ButtonOuterShape(m_buttonStyle, width, height), colours[OuterRing]);
    FrameShape(buffer.DC(), geometry::ButtonInnerShape(m_buttonStyle, width, height), colours[InnerRing]);
}

void NeloButton::DrawImage(HDC dc, bool pressedLook) {
    const int shift = pressedLook ? 1 : 0;
    DrawSingleImage(m_imageList, dc, m_picturePos.x + shift, m_picturePos.y + shift);
}

void NeloButton::DrawText(HDC dc, int width, int height, Look look) {
    CString text;
    GetWindowText(text);
    if (text.IsEmpty())
        return;
    ScopedSelectObject font(dc, m_font);
    RECT measured{0, 0, width, height};
    ::DrawTextW(dc, text.GetString(), text.GetLength(), &measured,
                DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL);
    RECT draw = geometry::LayoutButtonText(
        width, height, SIZE{measured.right - measured.left, measured.bottom - measured.top},
        m_textPlacement.alignment, m_textPlacement.useTextPos != 0, m_textPlacement.pos, look == Look::Pressed);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kButtonLooks.Read(m_colorInfo, look)[TextColour]);
    ::DrawTextW(dc, text.GetString(), text.GetLength(), &draw, DT_WORDBREAK | DT_EDITCONTROL);
}

void NeloButton::DrawFocus(HDC dc, const RECT& item) {
    // Drawn on the target itself, after the face has been copied there.
    const RECT outline = geometry::ButtonFocusOutline(item.right - item.left, item.bottom - item.top);
    Gdiplus::Graphics graphics(dc);
    Gdiplus::Pen pen(Gdiplus::Color(ToArgb(m_colorInfo.crFocus)), 1.0f);
    pen.SetDashStyle(Gdiplus::DashStyleDot);
    graphics.DrawRectangle(&pen, ToGdiplusRect(RECT{item.left + outline.left, item.top + outline.top,
                                                    item.left + outline.right, item.top + outline.bottom}));
}

BOOL NeloButton::OnEraseBkgnd(CDC* dc) {
    // The face covers the whole button; erasing would only flicker. The one
    // erase let through after a move or resize clears what the old region
    // left behind.
    if (m_eraseOnce) {
        m_eraseOnce = 0;
        return CButton::OnEraseBkgnd(dc);
    }
    return TRUE;
}

void NeloButton::OnSize(UINT type, int cx, int cy) {
    CButton::OnSize(type, cx, cy);
    ApplyRegion();
}

void NeloButton::OnWindowPosChanging(WINDOWPOS* pos) {
    m_eraseOnce = 1;
    CButton::OnWindowPosChanging(pos);
}

void NeloButton::OnLButtonDblClk(UINT flags, CPoint point) {
    // A double click is a second press, so quick clicks each count.
    DefWindowProc(WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
}

void NeloButton::OnMouseMove(UINT flags, CPoint point) {
    if (m_hoverEffect) {
        // Inside means inside the button's shape, not only its rectangle.
        BOOL inside;
        CRgn region;
        region.CreateRectRgn(0, 0, 0, 0);
        if (::GetWindowRgn(m_hWnd, static_cast<HRGN>(region.GetSafeHandle())) != ERROR) {
            inside = region.PtInRegion(point);
        } else {
            RECT client{};
            ::GetClientRect(m_hWnd, &client);
            inside = ::PtInRect(&client, point);
        }
        if (m_hover.Update(m_hWnd, inside != FALSE))
            Invalidate(FALSE);
    }
    CButton::OnMouseMove(flags, point);
}

void NeloButton::OnMouseLeave() {
    m_hover.Leave();
    Invalidate(TRUE);
}

LRESULT NeloButton::OnSetStyle(WPARAM wParam, LPARAM lParam) {
    // The dialog manager moves the default-button look with BM_SETSTYLE; the
    // button remembers which it is but stays owner-drawn.
    m_defaultButton = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    return DefWindowProc(BM_SETSTYLE, (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW, lParam);
}

UINT NeloButton::OnGetDlgCode() {
    return CButton::OnGetDlgCode() | (m_defaultButton ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

} // namespace Tavrin

#include "NeloButton.h"

#include "ButtonsGeometry.h"
#include "ButtonsInternal.h"
#include "SkinFoundation.h"

namespace Tavrin {

namespace {

// The four looks of a button, strongest first.
enum class Look { Normal, Hover, Pressed, Disabled };

struct LookColours {
    COLORREF top, bottom, outer, inner, text;
};

LookColours ColoursOf(const _ButtonColorInfo& c, Look look) {
    switch (look) {
    case Look::Disabled:
        return {c.crDisabledTop, c.crDisabledBottom, c.crOuterDisabled, c.crInnerDisabled, c.crTextDisabled};
    case Look::Pressed:
        return {c.crPressedTop, c.crPressedBottom, c.crOuterPressed, c.crInnerPressed, c.crTextPressed};
    case Look::Hover:
        return {c.crHoverTop, c.crHoverBottom, c.crOuterHover, c.crInnerHover, c.crTextHover};
    default:
        return {c.crNormalTop, c.crNormalBottom, c.crOuterNormal, c.crInnerNormal, c.crTextNormal};
    }
}

void FrameShape(HDC dc, const detail::RoundRectShape& shape, COLORREF colour) {
    CRgn region;
    if (!region.Attach(detail::CreateShapeRegion(shape)))
        return;
    ::FrameRgn(dc, static_cast<HRGN>(region.GetSafeHandle()), SkinResourceCache::GetSolidBrush(colour), 1, 1);
}

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

NeloButton::NeloButton() : m_toolTip(nullptr) {
    GdiplusSession::Acquire();
    ResetMembers();
}

NeloButton::~NeloButton() {
    m_imageList.DeleteImageList();
    delete m_toolTip;
    m_toolTip = nullptr;
    GdiplusSession::Release();
}

_ButtonColorInfo NeloButton::DefaultColorInfo() {
    _ButtonColorInfo c{};
    c.crNormalTop = RGB(243, 243, 243);
    c.crNormalBottom = RGB(182, 208, 240);
    c.crPressedTop = RGB(182, 208, 240);
    c.crPressedBottom = RGB(243, 243, 243);
    c.crHoverTop = RGB(243, 243, 243);
    c.crHoverBottom = RGB(160, 192, 224);
    c.crDisabledTop = RGB(250, 250, 250);
    c.crDisabledBottom = RGB(210, 225, 246);
    c.crOuterNormal = RGB(127, 157, 185);
    c.crOuterPressed = RGB(88, 168, 240);
    c.crOuterHover = RGB(88, 168, 240);
    c.crOuterDisabled = RGB(198, 206, 228);
    c.crFocus = RGB(88, 168, 240);
    c.crInnerNormal = RGB(242, 246, 251);
    c.crInnerPressed = RGB(202, 206, 211);
    c.crInnerHover = RGB(158, 200, 245);
    c.crInnerDisabled = RGB(239, 245, 251);
    c.crTextNormal = RGB(77, 97, 133);
    c.crTextPressed = RGB(83, 120, 178);
    c.crTextHover = RGB(88, 144, 220);
    c.crTextDisabled = RGB(175, 194, 223);
    c.toolTipColorInfo = NeloToolTipCtrl::DefaultColorInfo();
    return c;
}

void NeloButton::ResetMembers() {
    m_colorInfo = DefaultColorInfo();
    m_buttonStyle = ButtonStyleRounded;
    m_imageList.DeleteImageList();
    m_pictureX = 0;
    m_pictureY = 0;
    m_icon = nullptr;
    m_bitmap = nullptr;
    m_textAlignment = ButtonTextCenterMiddle;
    m_textX = 0;
    m_textY = 0;
    m_font = SkinResourceCache::GetFont(FontKey(L"Arial", 10, 0));
    m_useTextPos = 0;
    m_hoverEffect = 1;
    m_focusEffect = 1;
    m_hover = 0;
    m_eraseOnce = 0;
    m_defaultButton = 0;
    m_toolTipText.Empty();
    m_stop = 0;
}

void NeloButton::PreSubclassWindow() {
    ResetMembers();
    m_defaultButton = (GetStyle() & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    // A button object may be attached again after its window died (a dialog
    // shown a second time): a tip whose window died too is made anew, and
    // the new button gets its tool either way.
    if (!m_toolTip)
        m_toolTip = new NeloToolTipCtrl;
    if (!m_toolTip->GetSafeHwnd() && m_toolTip->Create(this)) {
        // Shown at once; the autopop and reshow delays follow from it.
        m_toolTip->SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELPARAM(0, 0));
    }
    if (m_toolTip->GetSafeHwnd())
        AddButtonTool();
    ModifyStyle(0, BS_OWNERDRAW | WS_CLIPCHILDREN);
    SetButtonStyle(ButtonStyleRounded);
    SetFont(L"Arial", 10, 0);
    CButton::PreSubclassWindow();
}

void NeloButton::AddButtonTool() {
    // The tip learns about the mouse only from the relay in
    // PreTranslateMessage, never by subclassing the button itself: that is
    // what lets a stopped button, or one without tip text, keep it quiet.
    // One tool per button, whatever was registered for it before.
    m_toolTip->DelTool(this);
    m_toolTip->AddTool(this, m_toolTipText);
}

int NeloButton::SetButtonColorInfo(const _ButtonColorInfo& info) {
    if (!m_toolTip || !m_toolTip->GetSafeHwnd())
        return 0;
    m_colorInfo = info;
    if (!m_toolTip->SetToolTipCtrlColorInfo(info.toolTipColorInfo))
        return 0;
    Invalidate(FALSE);
    detail::RedrawFrame(m_hWnd);
    return 1;
}

int NeloButton::GetButtonColorInfo(_ButtonColorInfo& info) {
    if (m_toolTip && !m_toolTip->GetToolTipCtrlColorInfo(m_colorInfo.toolTipColorInfo))
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
    HRGN region = detail::CreateShapeRegion(
        detail::ButtonWindowShape(m_buttonStyle, client.right - client.left, client.bottom - client.top));
    // After a successful SetWindowRgn the system owns the region.
    if (region && !::SetWindowRgn(m_hWnd, region, TRUE))
        ::DeleteObject(region);
    Invalidate(TRUE);
}

int NeloButton::SetIcon(HICON icon, int small) {
    m_icon = icon;
    if (icon) {
        detail::LoadIconImage(m_imageList, icon, small);
        Invalidate(FALSE);
    } else if (detail::ClearImage(m_imageList)) {
        Invalidate(FALSE);
    }
    return 1;
}

HICON NeloButton::GetIcon() {
    return m_icon;
}

HBITMAP NeloButton::GetBitmap() {
    return m_bitmap;
}

int NeloButton::SetBitmap(HBITMAP bitmap, COLORREF maskColour) {
    m_bitmap = bitmap;
    if (bitmap) {
        detail::LoadBitmapImage(m_imageList, bitmap, maskColour);
        Invalidate(FALSE);
    } else if (detail::ClearImage(m_imageList)) {
        Invalidate(FALSE);
    }
    return 1;
}

int NeloButton::SetPicturePos(const int& x, const int& y) {
    if (x != m_pictureX || y != m_pictureY) {
        m_pictureX = x;
        m_pictureY = y;
        Invalidate(TRUE);
    }
    return 1;
}

int NeloButton::GetPicturePos(int& x, int& y) {
    x = m_pictureX;
    y = m_pictureY;
    return 1;
}

int NeloButton::SetFont(const CString& face, const int& pointSize, int bold) {
    HFONT font = SkinResourceCache::GetFont(FontKey(face.GetString(), pointSize, bold));
    if (!font)
        return 0;
    m_font = font;
    Invalidate(FALSE);
    return 1;
}

int NeloButton::SetTextAlignment(ButtonTextAlignmentStyle alignment) {
    // Nothing to do only when the alignment is already the one in force; an
    // explicit text position set earlier is always given up.
    if (!m_useTextPos && alignment == m_textAlignment)
        return 1;
    m_useTextPos = 0;
    m_textAlignment = alignment;
    Invalidate(FALSE);
    return 1;
}

int NeloButton::SetTextPos(const int& x, const int& y) {
    if (m_useTextPos && x == m_textX && y == m_textY)
        return 1;
    m_useTextPos = 1;
    m_textX = x;
    m_textY = y;
    Invalidate(TRUE);
    return 1;
}

int NeloButton::ShowHoverEffect(int show) {
    if (show != m_hoverEffect) {
        m_hoverEffect = show;
        Invalidate(FALSE);
    }
    return 1;
}

int NeloButton::ShowFocusEffect(int show) {
    if (show != m_focusEffect) {
        m_focusEffect = show;
        Invalidate(FALSE);
    }
    return 1;
}

int NeloButton::SetToolTipText(const CString& text) {
    if (text.Compare(m_toolTipText.GetString()) == 0)
        return 1;
    m_toolTipText = text;
    // An empty text keeps the old tool registered; it is simply no longer
    // fed with mouse messages, so it never shows.
    if (!text.IsEmpty() && m_toolTip && m_toolTip->GetSafeHwnd() && m_hWnd)
        AddButtonTool();
    return 1;
}

CString NeloButton::GetToolTipText() {
    return m_toolTipText;
}

int NeloButton::SetToolTipCtrlFont(const CString& face, const int& pointSize, int bold) {
    if (!m_toolTip)
        return 0;
    return m_toolTip->SetFont(face, pointSize, bold);
}

int NeloButton::Stop(int stop) {
    m_stop = stop;
    return 1;
}

int NeloButton::IsStop() {
    return m_stop;
}

int NeloButton::Invalidate(int erase) {
    if (!m_hWnd)
        return 0;
    ::InvalidateRect(m_hWnd, nullptr, erase);
    return 1;
}

BOOL NeloButton::PreTranslateMessage(MSG* msg) {
    if (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MBUTTONDBLCLK) {
        // A stopped button neither reacts to the mouse nor shows its tip.
        if (m_stop)
            return TRUE;
        if (m_toolTip && m_toolTip->GetSafeHwnd() && !m_toolTipText.IsEmpty())
            m_toolTip->RelayEvent(msg);
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
    const int width = item.right - item.left, height = item.bottom - item.top;
    Look look = Look::Normal;
    if (state & ODS_DISABLED)
        look = Look::Disabled;
    else if (state & ODS_SELECTED)
        look = Look::Pressed;
    else if (m_hover && m_hoverEffect)
        look = Look::Hover;
    const LookColours colours = ColoursOf(m_colorInfo, look);
    // Only an enabled, pressed button moves its content: one pixel right and down.
    const bool pressedLook = look == Look::Pressed;

    {
        SkinPaintBuffer buffer(dc, item, Gdiplus::SmoothingModeHighQuality);
        if (!buffer.IsValid())
            return;
        HDC mem = buffer.DC();
        FillVerticalGradient(buffer.Graphics(), Gdiplus::Rect(0, 0, width, height), colours.top,
                             colours.bottom);
        FrameShape(mem, detail::ButtonOuterShape(m_buttonStyle, width, height), colours.outer);
        FrameShape(mem, detail::ButtonInnerShape(m_buttonStyle, width, height), colours.inner);

        if (m_imageList.GetSafeHandle())
            detail::DrawSingleImage(m_imageList.GetSafeHandle(), mem, m_pictureX + (pressedLook ? 1 : 0),
                                    m_pictureY + (pressedLook ? 1 : 0));

        CString text;
        GetWindowText(text);
        if (!text.IsEmpty()) {
            ScopedSelectObject font(mem, m_font);
            RECT measured{0, 0, width, height};
            ::DrawTextW(mem, text.GetString(), text.GetLength(), &measured,
                        DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL);
            const SIZE textSize{measured.right - measured.left, measured.bottom - measured.top};
            const detail::ButtonTextLayout layout =
                detail::LayoutButtonText(width, height, textSize, m_textAlignment, m_useTextPos != 0,
                                         POINT{m_textX, m_textY}, pressedLook);
            RECT draw = layout.draw;
            ::SetBkMode(mem, TRANSPARENT);
            ::SetTextColor(mem, colours.text);
            ::DrawTextW(mem, text.GetString(), text.GetLength(), &draw, DT_WORDBREAK | DT_EDITCONTROL);
        }
        buffer.Present();
    }

    if (m_focusEffect && (state & ODS_FOCUS)) {
        // Drawn on the target itself, after the face has been copied there.
        const int k = detail::ButtonFocusInset(width, height);
        Gdiplus::Graphics graphics(dc);
        Gdiplus::Pen pen(Gdiplus::Color(ToArgb(m_colorInfo.crFocus)), 1.0f);
        pen.SetDashStyle(Gdiplus::DashStyleDot);
        graphics.DrawRectangle(&pen, item.left + k, item.top + k, width - 2 * k - 2, height - 2 * k - 2);
    }
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
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof(track);
        track.dwFlags = inside ? TME_LEAVE : (TME_CANCEL | TME_HOVER);
        track.hwndTrack = m_hWnd;
        track.dwHoverTime = HOVER_DEFAULT;
        ::TrackMouseEvent(&track);
        if ((inside ? 1 : 0) != m_hover) {
            m_hover = inside ? 1 : 0;
            Invalidate(FALSE);
        }
    }
    CButton::OnMouseMove(flags, point);
}

void NeloButton::OnMouseLeave() {
    m_hover = 0;
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

#include "NeloSpinButtonCtrl.h"

#include "NeloEdit.h"
#include "SkinDrawing.h"
#include "SkinControlSetters.h"
#include "SkinWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

namespace Tavrin {

namespace {

const UINT_PTR kBuddySubclassId = 0x4E53; // one subclass per buddy and spin

// A button's face gradient, outline and glyph, by look.
enum ButtonPart { ButtonFrom, ButtonTo, ButtonBorder, ButtonGlyph, ButtonPartCount };
using C = _SpinButtonCtrlColorInfo;
using ButtonRow = std::array<COLORREF C::*, ButtonPartCount>;
const ButtonRow kButtonLooks[] = {
    {&C::clrButtonFrom, &C::clrButtonTo, &C::clrButtonBorder, &C::clrButtonGlyph},
    {&C::clrButtonHotFrom, &C::clrButtonHotTo, &C::clrButtonHotBorder, &C::clrButtonHotGlyph},
    {&C::clrButtonPressedFrom, &C::clrButtonPressedTo, &C::clrButtonPressedBorder, &C::clrButtonPressedGlyph},
    {&C::clrButtonDisabledFrom, &C::clrButtonDisabledTo, &C::clrButtonDisabledBorder, &C::clrButtonDisabledGlyph},
    {&C::clrButtonFocusFrom, &C::clrButtonFocusTo, &C::clrButtonFocusBorder, &C::clrButtonFocusGlyph},
};

void DrawButton(Gdiplus::Graphics& g, const RECT& face, const RECT& fill, const POINT (&glyph)[3],
                const C& colours, const ButtonRow& row) {
    if (face.right <= face.left || face.bottom <= face.top)
        return;
    FillGradient(g, ToGdiplusRect(fill), colours.*row[ButtonFrom], colours.*row[ButtonTo],
                 GradientDirection::LeftToRight);
    Gdiplus::GraphicsPath path;
    AddRoundRectPath(face, 1, &path);
    Gdiplus::Pen pen(Gdiplus::Color(ToArgb(colours.*row[ButtonBorder])), 1.0f);
    g.DrawPath(&pen, &path);
    const Gdiplus::Point points[3] = {Gdiplus::Point(glyph[0].x, glyph[0].y),
                                      Gdiplus::Point(glyph[1].x, glyph[1].y),
                                      Gdiplus::Point(glyph[2].x, glyph[2].y)};
    Gdiplus::SolidBrush brush(Gdiplus::Color(ToArgb(colours.*row[ButtonGlyph])));
    Gdiplus::Pen glyphPen(Gdiplus::Color(ToArgb(colours.*row[ButtonGlyph])), 1.0f);
    g.FillPolygon(&brush, points, 3);
    g.DrawPolygon(&glyphPen, points, 3);
}

} // namespace

BEGIN_MESSAGE_MAP(NeloSpinButtonCtrl, CSpinButtonCtrl)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_NCHITTEST()
ON_REGISTERED_MESSAGE(MOUSE_IN_NELO_EDIT_MSG, &NeloSpinButtonCtrl::OnMouseInEdit)
END_MESSAGE_MAP()

NeloSpinButtonCtrl::NeloSpinButtonCtrl() : m_colors(DefaultColorInfo()) {}

NeloSpinButtonCtrl::~NeloSpinButtonCtrl() {
    try {
        ReleaseBuddy();
    } catch (...) {
    }
}

_SpinButtonCtrlColorInfo NeloSpinButtonCtrl::DefaultColorInfo() {
    return _SpinButtonCtrlColorInfo{
        RGB(250, 250, 250), RGB(250, 250, 250), RGB(236, 233, 216), RGB(236, 233, 216), RGB(243, 243, 243),
        RGB(160, 192, 224), RGB(136, 176, 216), RGB(243, 243, 243), RGB(243, 243, 243), RGB(181, 208, 232),
        RGB(252, 252, 254), RGB(232, 230, 215), RGB(243, 243, 243), RGB(181, 208, 232), RGB(127, 157, 185),
        RGB(88, 168, 240),  RGB(64, 128, 176),  RGB(204, 204, 204), RGB(127, 157, 185), RGB(77, 97, 133),
        RGB(82, 122, 202),  RGB(80, 120, 200),  RGB(172, 168, 153), RGB(77, 97, 133)};
}

void NeloSpinButtonCtrl::PreSubclassWindow() {
    // Subclassed afresh: an earlier buddy is let go first.
    ReleaseBuddy();
    m_colors = DefaultColorInfo();
    m_hoverEffect = 1;
    m_firstPressed = m_secondPressed = m_firstHot = m_secondHot = m_tracking = 0;
    m_buddyAttached = m_buddyFocused = 0;
    HWND buddy = reinterpret_cast<HWND>(::SendMessageW(m_hWnd, UDM_GETBUDDY, 0, 0));
    if (buddy)
        AttachBuddy(buddy);
    CSpinButtonCtrl::PreSubclassWindow();
}

LRESULT NeloSpinButtonCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == UDM_SETBUDDY) {
            const LRESULT previous = CSpinButtonCtrl::WindowProc(message, wParam, lParam);
            AttachBuddy(reinterpret_cast<HWND>(wParam));
            return previous;
        }
        if (message == WM_DESTROY)
            ReleaseBuddy();
        return CSpinButtonCtrl::WindowProc(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

NeloEdit* NeloSpinButtonCtrl::BuddyEdit() const {
    if (!m_buddy || !::IsWindow(m_buddy))
        return nullptr;
    return dynamic_cast<NeloEdit*>(CWnd::FromHandlePermanent(m_buddy));
}

void NeloSpinButtonCtrl::ReleaseBuddy() {
    HWND old = m_buddy;
    if (!old)
        return;
    const bool wasEdit = BuddyEdit() != nullptr;
    m_buddy = nullptr;
    m_buddyAttached = 0;
    m_buddyFocused = 0;
    if (!::IsWindow(old)) {
        m_buddyTaken = 0;
        return;
    }
    ::RemoveWindowSubclass(old, &NeloSpinButtonCtrl::EditSubClassProc, kBuddySubclassId);
    if (m_buddyTaken > 0) {
        const RECT r = WindowRectOnParent(old);
        ::SetWindowPos(old, nullptr, 0, 0, r.right - r.left + m_buddyTaken, r.bottom - r.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_buddyTaken = 0;
    if (wasEdit)
        ::PostMessageW(old, DETACH_NELO_EDIT_MSG, 0, 0);
}

void NeloSpinButtonCtrl::AttachBuddy(HWND buddy) {
    if (buddy && !::IsWindow(buddy))
        buddy = nullptr;
    if (!buddy) {
        ReleaseBuddy();
        Invalidate(TRUE);
        return;
    }
    // The same buddy again keeps the room it already gave.
    const bool again = buddy == m_buddy;
    if (!again)
        ReleaseBuddy();
    m_buddyAttached = 1;
    RECT b = WindowRectOnParent(buddy);
    if (again)
        b.right += m_buddyTaken;
    const RECT own = WindowRectOf(m_hWnd);
    const geometry::SpinPlacement placement = geometry::PlaceSpinInBuddy(b, own.right - own.left);
    const int width = placement.spin.right - placement.spin.left;
    ::SetWindowPos(buddy, nullptr, 0, 0, placement.buddy.right - placement.buddy.left, b.bottom - b.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    m_buddyTaken = width;
    ::EnableWindow(m_hWnd, ::IsWindowEnabled(buddy));
    if (!again) {
        m_buddy = buddy;
        m_buddyFocused = ::GetFocus() == buddy ? 1 : 0;
        ::SetWindowSubclass(buddy, &NeloSpinButtonCtrl::EditSubClassProc, kBuddySubclassId,
                            reinterpret_cast<DWORD_PTR>(this));
    }
    ::PostMessageW(buddy, ATTACH_NELO_EDIT_MSG, 0, reinterpret_cast<LPARAM>(m_hWnd));
    ::SetWindowPos(m_hWnd, nullptr, placement.spin.left, placement.spin.top, width, b.bottom - b.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::RedrawWindow(buddy, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
    Invalidate(TRUE);
}

LRESULT CALLBACK NeloSpinButtonCtrl::EditSubClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                      UINT_PTR, DWORD_PTR refData) {
    auto* spin = reinterpret_cast<NeloSpinButtonCtrl*>(refData);
    try {
        const HWND spinWindow = spin ? spin->m_hWnd : nullptr;
        if (message == MOUSE_IN_NELO_EDIT_MSG || message == WM_ERASEBKGND || message == WM_NCHITTEST) {
            const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
            if (spinWindow)
                ::InvalidateRect(spinWindow, nullptr, TRUE);
            return result;
        }
        switch (message) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
            spin->m_buddyFocused = message == WM_SETFOCUS ? 1 : 0;
            if (spinWindow)
                ::InvalidateRect(spinWindow, nullptr, TRUE);
            return result;
        }
        case WM_ENABLE:
            if (spinWindow)
                ::EnableWindow(spinWindow, static_cast<BOOL>(wParam));
            break;
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(window, &NeloSpinButtonCtrl::EditSubClassProc, kBuddySubclassId);
            if (spin->m_buddy == window) {
                spin->m_buddy = nullptr;
                spin->m_buddyAttached = 0;
                spin->m_buddyTaken = 0;
            }
            spin->m_buddyFocused = 0;
            if (spinWindow)
                ::InvalidateRect(spinWindow, nullptr, TRUE);
            break;
        default:
            break;
        }
    } catch (...) {
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

int NeloSpinButtonCtrl::SetSpinButtonCtrlColorInfo(const _SpinButtonCtrlColorInfo& info) {
    return ReplaceColourRecord(*this, m_colors, info, TRUE);
}

int NeloSpinButtonCtrl::GetSpinButtonCtrlColorInfo(_SpinButtonCtrlColorInfo& info) {
    return CopyColourRecord(m_colors, info);
}

int NeloSpinButtonCtrl::ShowHoverEffect(int show) {
    return SetDrawingOption(*this, m_hoverEffect, show, TRUE);
}

int NeloSpinButtonCtrl::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

// ---- Mouse ----------------------------------------------------------------

LRESULT NeloSpinButtonCtrl::OnNcHitTest(CPoint point) {
    if (m_hoverEffect) {
        POINT p = point;
        ::ScreenToClient(m_hWnd, &p);
        const int half = geometry::SpinHitTest(m_layout, p);
        const int first = half == 1 ? 1 : 0;
        const int second = half == 2 ? 1 : 0;
        if (first != m_firstHot) {
            m_firstHot = first;
            Invalidate(FALSE);
        }
        if (second != m_secondHot) {
            m_secondHot = second;
            Invalidate(FALSE);
        }
    }
    return CSpinButtonCtrl::OnNcHitTest(point);
}

void NeloSpinButtonCtrl::StartTracking() {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
    ::TrackMouseEvent(&track);
    m_tracking = 1;
    Invalidate(TRUE);
}

void NeloSpinButtonCtrl::OnMouseMove(UINT, CPoint) {
    NeloEdit* edit = BuddyEdit();
    if (!m_tracking) {
        if (edit && edit->HoverEffect()) {
            ::PostMessageW(m_buddy, MOUSE_IN_NELO_SPIN_BUTTON_CTRL, 0, 1);
            StartTracking();
        } else if (m_hoverEffect) {
            StartTracking();
        }
    }
    Default();
}

void NeloSpinButtonCtrl::OnMouseLeave() {
    if (BuddyEdit())
        ::PostMessageW(m_buddy, MOUSE_IN_NELO_SPIN_BUTTON_CTRL, 0, 0);
    m_firstHot = m_secondHot = 0;
    m_tracking = 0;
    Invalidate(TRUE);
}

void NeloSpinButtonCtrl::OnLButtonDown(UINT, CPoint point) {
    const int half = geometry::SpinHitTest(m_layout, point);
    if (half == 1)
        m_firstPressed = 1;
    else if (half == 2)
        m_secondPressed = 1;
    Invalidate(FALSE);
    Default();
}

void NeloSpinButtonCtrl::OnLButtonUp(UINT, CPoint) {
    m_firstPressed = m_secondPressed = 0;
    Invalidate(FALSE);
    Default();
}

LRESULT NeloSpinButtonCtrl::OnMouseInEdit(WPARAM, LPARAM) {
    Invalidate(TRUE);
    return 1;
}

// ---- Painting -------------------------------------------------------------

BOOL NeloSpinButtonCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

NeloSpinButtonCtrl::SpinLook NeloSpinButtonCtrl::LookOf(bool pressed, bool hot) const {
    if (!::IsWindowEnabled(m_hWnd))
        return SpinDisabled;
    if (pressed)
        return SpinPressed;
    if (m_hoverEffect && hot)
        return SpinHot;
    if (m_buddyAttached && m_buddyFocused)
        return SpinFocus;
    return SpinNormal;
}

geometry::SpinLayout NeloSpinButtonCtrl::ComputeLayout() const {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    return geometry::LayoutSpinButton(client.right, client.bottom, (GetStyle() & UDS_HORZ) != 0,
                                      BuddyEdit() != nullptr, m_firstPressed != 0, m_secondPressed != 0);
}

void NeloSpinButtonCtrl::OnPaint() {
    Tavrin::PaintClient(*this, *this);
}

void NeloSpinButtonCtrl::PaintClient(HDC dc, const RECT& client) {
    m_layout = ComputeLayout();
    SkinPaintBuffer buffer(dc, client, Gdiplus::SmoothingModeAntiAlias);
    if (!buffer.IsValid())
        return;
    Gdiplus::Graphics& g = buffer.Graphics();
    const RECT local = buffer.LocalRect();
    if (NeloEdit* edit = BuddyEdit())
        ::FrameRect(buffer.DC(), &local, SkinResourceCache::GetSolidBrush(edit->BorderColour()));
    const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
    FillGradient(g, ToGdiplusRect(m_layout.frameArea), enabled ? m_colors.clrSpinBackFrom : m_colors.clrSpinBackDisabledFrom,
                 enabled ? m_colors.clrSpinBackTo : m_colors.clrSpinBackDisabledTo, GradientDirection::TopToBottom);
    DrawButton(g, m_layout.firstButton, m_layout.firstButton, m_layout.firstGlyph, m_colors,
               kButtonLooks[LookOf(m_firstPressed != 0, m_firstHot != 0)]);
    DrawButton(g, m_layout.secondButton, m_layout.secondFill, m_layout.secondGlyph, m_colors,
               kButtonLooks[LookOf(m_secondPressed != 0, m_secondHot != 0)]);
    buffer.Present();
}

} // namespace Tavrin

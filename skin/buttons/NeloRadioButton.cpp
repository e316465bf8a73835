#include "NeloRadioButton.h"

#include "CheckGeometry.h"
#include "SkinDrawing.h"
#include "SkinLook.h"

namespace Tavrin {

using geometry::Look;

namespace {

// What each look paints with: the circle's face and outline gradients, the
// dot and the caption. Hovering alone changes nothing here (the hover ring
// is drawn on top); pressed means pressed while hovered.
enum RadioPart { FaceStart, FaceEnd, RingStart, RingEnd, DotStart, DotEnd, TextColour, RadioPartCount };
using R = _RadioButtonColorInfo;
using RadioRow = MemberRow<R, RadioPartCount>;
const RadioRow kNormalRadio{&R::crFaceNormalStart, &R::crFaceNormalEnd, &R::crRingStart, &R::crRingEnd,
                            &R::crDotStart,        &R::crDotEnd,        &R::crRadioText};
const LookTable<R, RadioPartCount> kRadioLooks{{{
    kNormalRadio,
    kNormalRadio,
    {&R::crFacePressedStart, &R::crFacePressedEnd, &R::crRingStart, &R::crRingEnd, &R::crDotStart,
     &R::crDotEnd, &R::crRadioText},
    {&R::crFaceDisabledStart, &R::crFaceDisabledEnd, &R::crRingDisabledStart, &R::crRingDisabledEnd,
     &R::crDotDisabledStart, &R::crDotDisabledEnd, &R::crRadioTextDisabled},
    kNormalRadio,
}}};

DWORD StyleOf(HWND window) {
    return static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE));
}

// A system radio button, told by its button type alone: a group box,
// tri-state box or push button whose style happens to share bits with a
// radio type is none.
bool IsRadioWindow(HWND window) {
    wchar_t name[16] = {};
    ::GetClassNameW(window, name, 16);
    if (lstrcmpiW(name, L"Button") != 0)
        return false;
    const DWORD type = StyleOf(window) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

NeloRadioButton* RadioObjectOf(HWND window) {
    return dynamic_cast<NeloRadioButton*>(CWnd::FromHandlePermanent(window));
}

// The sibling windows of one group, in window order: from the nearest
// window at or before 'window' that has WS_GROUP (or the parent's first
// child) up to the next window with WS_GROUP.
std::vector<HWND> GroupWindows(HWND window) {
    std::vector<HWND> windows;
    if (!window || !::IsWindow(window))
        return windows;
    HWND start = window;
    while (!(StyleOf(start) & WS_GROUP)) {
        HWND previous = ::GetWindow(start, GW_HWNDPREV);
        if (!previous)
            break;
        start = previous;
    }
    windows.push_back(start);
    for (HWND next = ::GetWindow(start, GW_HWNDNEXT); next && !(StyleOf(next) & WS_GROUP);
         next = ::GetWindow(next, GW_HWNDNEXT))
        windows.push_back(next);
    return windows;
}

void SetTabStop(HWND window, bool on) {
    const DWORD style = StyleOf(window);
    const DWORD wanted = on ? (style | WS_TABSTOP) : (style & ~static_cast<DWORD>(WS_TABSTOP));
    if (wanted != style)
        ::SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(wanted));
}

} // namespace

BEGIN_MESSAGE_MAP(NeloRadioButton, CheckSymbolButton)
ON_MESSAGE(BM_SETCHECK, &NeloRadioButton::SetRadioButtonState)
ON_MESSAGE(BM_GETCHECK, &NeloRadioButton::GetRadioButtonState)
ON_WM_ENABLE()
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

NeloRadioButton::NeloRadioButton()
    : CheckSymbolButton(Gdiplus::SmoothingModeHighQuality), m_follower(false),
      m_originalType(BS_AUTORADIOBUTTON) {
    ResetMembers();
}

NeloRadioButton::~NeloRadioButton() {
    // The base destructor may still destroy the window, but by then this
    // class's handlers no longer run: the followers are let go here.
    ReleaseFollowers();
}

_RadioButtonColorInfo NeloRadioButton::DefaultColorInfo() {
    R c{};
    c.crRadioBackground = RGB(225, 236, 249);
    // Look by look: face start and end, outline start and end, dot start
    // and end, caption.
    WriteRow(c, kRadioLooks.Row(Look::Normal),
             {RGB(200, 200, 215), RGB(254, 254, 254), RGB(28, 81, 128), RGB(28, 81, 128), RGB(250, 250, 250),
              RGB(56, 185, 53), RGB(6, 45, 117)});
    c.crFacePressedStart = RGB(176, 176, 168);
    c.crFacePressedEnd = RGB(250, 250, 250);
    WriteRow(c, kRadioLooks.Row(Look::Disabled),
             {RGB(230, 230, 210), RGB(230, 230, 210), RGB(172, 168, 153), RGB(182, 178, 163),
              RGB(222, 218, 203), RGB(172, 168, 153), RGB(172, 168, 153)});
    c.crRadioHoverStart = RGB(248, 232, 200);
    c.crRadioHoverEnd = RGB(248, 176, 48);
    c.crRadioFocus = RGB(28, 81, 128);
    return c;
}

void NeloRadioButton::ResetMembers() {
    m_colorInfo = DefaultColorInfo();
    ResetSymbolState();
    m_createdFollowers = 0;
    if (!m_follower)
        m_tabStopFollowsCheck = 0;
}

void NeloRadioButton::PreSubclassWindow() {
    ResetMembers();
    CheckSymbolButton::PreSubclassWindow();
    if (m_follower) {
        TakeOverRadioWindow();
        return;
    }
    // The first radio button of its group leads it, marked with WS_GROUP
    // when the template left the mark to an earlier window; a later one
    // attached on its own simply joins.
    bool leader = (StyleOf(m_hWnd) & WS_GROUP) != 0;
    if (!leader) {
        leader = true;
        for (HWND w : GroupWindows(m_hWnd)) {
            if (w == m_hWnd)
                break;
            if (IsRadioWindow(w) || RadioObjectOf(w))
                leader = false;
        }
        if (leader)
            ModifyStyle(0, WS_GROUP);
    }
    if (leader) {
        m_tabStopFollowsCheck = (StyleOf(m_hWnd) & WS_TABSTOP) != 0;
        TakeOverRadioWindow();
        AttachFollowers();
        return;
    }
    for (NeloRadioButton* member : Group())
        if (member != this && member->IsGroupLeader())
            m_tabStopFollowsCheck = member->m_tabStopFollowsCheck;
    TakeOverRadioWindow();
}

void NeloRadioButton::TakeOverRadioWindow() {
    m_originalType = TakeOverWindow();
    if (m_originalType == BS_OWNERDRAW)
        m_originalType = BS_AUTORADIOBUTTON;
}

void NeloRadioButton::AttachFollowers() {
    for (HWND next = ::GetWindow(m_hWnd, GW_HWNDNEXT); next && !(StyleOf(next) & WS_GROUP);
         next = ::GetWindow(next, GW_HWNDNEXT)) {
        // One the application attached already stays its own; anything that
        // is not a radio button ends the group.
        if (RadioObjectOf(next))
            continue;
        if (!IsRadioWindow(next) || CWnd::FromHandlePermanent(next))
            break;
        NeloRadioButton* follower = new NeloRadioButton;
        follower->m_follower = true;
        follower->m_tabStopFollowsCheck = m_tabStopFollowsCheck;
        if (!follower->SubclassWindow(next)) {
            delete follower;
            break;
        }
        m_followers.push_back(follower);
        m_createdFollowers = 1;
    }
}

void NeloRadioButton::ReleaseFollowers() {
    for (NeloRadioButton* follower : m_followers) {
        HWND window = follower->GetSafeHwnd();
        if (window && ::IsWindow(window)) {
            const DWORD style = StyleOf(window);
            follower->UnsubclassWindow();
            ::SetWindowLongW(window, GWL_STYLE,
                             static_cast<LONG>((style & ~BS_TYPEMASK) | follower->m_originalType));
            ::InvalidateRect(window, nullptr, TRUE);
        }
        delete follower;
    }
    m_followers.clear();
    m_createdFollowers = 0;
}

bool NeloRadioButton::IsGroupLeader() const {
    return m_hWnd && (StyleOf(m_hWnd) & WS_GROUP) != 0;
}

std::vector<NeloRadioButton*> NeloRadioButton::Group() const {
    std::vector<NeloRadioButton*> members;
    for (HWND w : GroupWindows(m_hWnd))
        if (NeloRadioButton* member = RadioObjectOf(w))
            members.push_back(member);
    return members;
}

int NeloRadioButton::GetGroupSize() const {
    return static_cast<int>(Group().size());
}

std::vector<NeloRadioButton*> NeloRadioButton::Targets() const {
    // A leader always finds itself in its group.
    if (IsGroupLeader())
        return Group();
    return {const_cast<NeloRadioButton*>(this)};
}

std::vector<CheckSymbolButton*> NeloRadioButton::SettingTargets() {
    const std::vector<NeloRadioButton*> targets = Targets();
    return {targets.begin(), targets.end()};
}

int NeloRadioButton::SetRadioButtonGroupColorInfo(const _RadioButtonColorInfo& info) {
    for (NeloRadioButton* member : Targets()) {
        member->m_colorInfo = info;
        member->Invalidate(TRUE);
    }
    return 1;
}

int NeloRadioButton::GetRadioButtonGroupColorInfo(_RadioButtonColorInfo& info) {
    info = m_colorInfo;
    return 1;
}

int NeloRadioButton::SetRadioButtonColorInfo(const int& controlId, const _RadioButtonColorInfo& info) {
    for (NeloRadioButton* member : Group()) {
        if (member->GetDlgCtrlID() == controlId) {
            member->m_colorInfo = info;
            member->Invalidate(TRUE);
            return 1;
        }
    }
    return 0;
}

int NeloRadioButton::GetRadioButtonColorInfo(const int& controlId, _RadioButtonColorInfo& info) {
    for (NeloRadioButton* member : Group()) {
        if (member->GetDlgCtrlID() == controlId) {
            info = member->m_colorInfo;
            return 1;
        }
    }
    return 0;
}

int NeloRadioButton::SetRadioSymbolWidth(const int& width) {
    return SetSymbolWidth(width);
}

int NeloRadioButton::GetRadioSymbolWidth() {
    return SymbolWidth();
}

void NeloRadioButton::OnClicked() {
    UpdateGroup();
}

int NeloRadioButton::UpdateGroup() {
    if (!m_hWnd)
        return 0;
    if (m_checked)
        return 1;
    SendMessage(BM_SETCHECK, BST_CHECKED, 0);
    for (NeloRadioButton* member : Group())
        if (member != this && member->m_checked)
            member->SendMessage(BM_SETCHECK, BST_UNCHECKED, 0);
    return 1;
}

LRESULT NeloRadioButton::SetRadioButtonState(WPARAM wParam, LPARAM lParam) {
    const int check = wParam != 0;
    if (m_tabStopFollowsCheck) {
        if (check) {
            for (NeloRadioButton* member : Group())
                SetTabStop(member->m_hWnd, member == this);
        } else {
            SetTabStop(m_hWnd, false);
        }
    }
    SetDrawingOption(*this, m_checked, check, TRUE);
    return DefWindowProc(BM_SETCHECK, wParam, lParam);
}

LRESULT NeloRadioButton::GetRadioButtonState(WPARAM, LPARAM) {
    return m_checked;
}

void NeloRadioButton::OnEnable(BOOL enable) {
    if (IsGroupLeader())
        for (NeloRadioButton* member : Group())
            if (member != this && (::IsWindowEnabled(member->m_hWnd) != FALSE) != (enable != FALSE))
                ::EnableWindow(member->m_hWnd, enable);
    CheckSymbolButton::OnEnable(enable);
}

UINT NeloRadioButton::OnGetDlgCode() {
    return DLGC_WANTARROWS | DLGC_RADIOBUTTON;
}

void NeloRadioButton::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    CheckSymbolButton::OnKeyDown(key, repeat, flags);
    if (::GetKeyState(VK_LBUTTON) < 0)
        return;
    switch (key) {
    case VK_SPACE:
        UpdateGroup();
        break;
    case VK_LEFT:
    case VK_UP:
        MoveCheck(-1);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        MoveCheck(1);
        break;
    default:
        break;
    }
}

void NeloRadioButton::MoveCheck(int step) {
    const std::vector<NeloRadioButton*> members = Group();
    int at = -1;
    for (size_t i = 0; i < members.size(); ++i)
        if (members[i] == this)
            at = static_cast<int>(i);
    if (at < 0)
        return;
    // The next enabled member that way; none at the group's ends.
    NeloRadioButton* target = nullptr;
    for (int i = at + step; i >= 0 && i < static_cast<int>(members.size()); i += step) {
        if (::IsWindowEnabled(members[i]->m_hWnd)) {
            target = members[i];
            break;
        }
    }
    if (!target)
        return;
    HWND targetWindow = target->m_hWnd;
    SendMessage(BM_SETCHECK, BST_UNCHECKED, 0);
    ::SendMessageW(targetWindow, BM_SETCHECK, BST_CHECKED, 0);
    ::SetFocus(targetWindow);
    ::SendMessageW(::GetParent(targetWindow), WM_COMMAND,
                   MAKEWPARAM(::GetDlgCtrlID(targetWindow), BN_CLICKED),
                   reinterpret_cast<LPARAM>(targetWindow));
}

void NeloRadioButton::OnNcDestroy() {
    ReleaseFollowers();
    CheckSymbolButton::OnNcDestroy();
}

COLORREF NeloRadioButton::BackgroundColour() const {
    return m_colorInfo.crRadioBackground;
}

CheckSymbolButton::CaptionLook NeloRadioButton::DrawSymbol(Gdiplus::Graphics& g, int width, int height,
                                                           const SymbolState& state) {
    const LookColours<RadioPartCount> colours = kRadioLooks.Read(m_colorInfo, state.look);
    const geometry::RadioLayout layout = geometry::LayoutRadio(RECT{0, 0, width, height}, SymbolWidth());
    const Gdiplus::Rect circleBox = ToRect(layout.circle);
    Gdiplus::GraphicsPath circle;
    circle.AddEllipse(circleBox);
    FillGradient(g, circle, circleBox, colours[FaceStart], colours[FaceEnd],
                 GradientDirection::ForwardDiagonal);
    if (state.hoverRing && !state.disabled) {
        Gdiplus::GraphicsPath ring;
        ring.AddEllipse(ToRect(layout.hoverRing));
        DrawGradientPath(g, ring, ToRect(layout.hoverRing), m_colorInfo.crRadioHoverStart,
                         m_colorInfo.crRadioHoverEnd, GradientDirection::ForwardDiagonal, 3.0f);
    }
    DrawGradientPath(g, circle, circleBox, colours[RingStart], colours[RingEnd],
                     GradientDirection::ForwardDiagonal, 1.0f);
    if (m_checked) {
        Gdiplus::GraphicsPath dot;
        dot.AddEllipse(ToRect(layout.dot));
        FillGradient(g, dot, ToRect(layout.dotBrush), colours[DotStart], colours[DotEnd],
                     GradientDirection::ForwardDiagonal);
    }
    return {layout.captionLeft, colours[TextColour], m_colorInfo.crRadioFocus};
}

} // namespace Tavrin

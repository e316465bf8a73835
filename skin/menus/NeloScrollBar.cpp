#include "NeloScrollBar.h"

#include "SkinDrawing.h"
#include "SkinLook.h"
#include "SkinControlSetters.h"
#include "SkinWindow.h"

#include <algorithm>

namespace Tavrin {

using geometry::Look;

namespace {

// Auto-repeat: the first repeat after the delay timer, then the fast one.
const UINT_PTR kDelayTimer = 100;
const UINT kDelayMs = 400;
const UINT_PTR kRepeatTimer = 200;
const UINT kRepeatMs = 50;

// An arrow button: face gradient, outline, glyph.
enum ArrowPart { ArrowFrom, ArrowTo, ArrowOutline, ArrowGlyph, ArrowPartCount };
using ArrowRow = MemberRow<_ScrollBarColorInfo, ArrowPartCount>;
using S = _ScrollBarColorInfo;
const ArrowRow kArrowNormal{&S::clrArrowBackFrom, &S::clrArrowBackTo, &S::clrOutline, &S::clrGlyph};
const ArrowRow kArrowHot{&S::clrArrowBackHotFrom, &S::clrArrowBackHotTo, &S::clrOutlineHot, &S::clrGlyphHot};
const ArrowRow kArrowPressed{&S::clrArrowBackPressedFrom, &S::clrArrowBackPressedTo, &S::clrOutlinePressed,
                             &S::clrGlyphPressed};
const ArrowRow kArrowDisabled{&S::clrArrowBackDisabledFrom, &S::clrArrowBackDisabledTo, &S::clrOutlineDisabled,
                              &S::clrGlyphDisabled};
const LookTable<S, ArrowPartCount> kArrowLooks{
    {{kArrowNormal, kArrowHot, kArrowPressed, kArrowDisabled, kArrowNormal}}};

// The thumb (a disabled bar draws none): face gradient, outline, grip pair.
enum ThumbPart { ThumbFrom, ThumbTo, ThumbOutline, GripLight, GripDark, ThumbPartCount };
using ThumbRow = MemberRow<S, ThumbPartCount>;
const ThumbRow kThumbNormal{&S::clrThumbFrom, &S::clrThumbTo, &S::clrOutline, &S::clrGripLight, &S::clrGripDark};
const ThumbRow kThumbHot{&S::clrThumbHotFrom, &S::clrThumbHotTo, &S::clrOutlineHot, &S::clrGripLightHot,
                         &S::clrGripDarkHot};
const ThumbRow kThumbPressed{&S::clrThumbPressedFrom, &S::clrThumbPressedTo, &S::clrOutlinePressed,
                             &S::clrGripLightPressed, &S::clrGripDarkPressed};
const LookTable<S, ThumbPartCount> kThumbLooks{
    {{kThumbNormal, kThumbHot, kThumbPressed, kThumbNormal, kThumbNormal}}};

// The track and the frame around the whole bar.
enum BarPart { TrackA, TrackB, Frame, BarPartCount };
using BarRow = MemberRow<S, BarPartCount>;
const BarRow kBarEnabled{&S::clrTrackA, &S::clrTrackB, &S::clrFrame};
const BarRow kBarDisabled{&S::clrTrackDisabledA, &S::clrTrackDisabledB, &S::clrFrameDisabled};
const LookTable<S, BarPartCount> kBarLooks{{{kBarEnabled, kBarEnabled, kBarEnabled, kBarDisabled, kBarEnabled}}};

int AlongAxis(POINT p, bool vertical) {
    return vertical ? p.y : p.x;
}

void DrawOutline(Gdiplus::Graphics& graphics, const RECT& rect, COLORREF colour) {
    Gdiplus::GraphicsPath path;
    AddRoundRectPath(rect, 1, &path);
    Gdiplus::Pen pen(Gdiplus::Color(ToArgb(colour)), 1.0f);
    graphics.DrawPath(&pen, &path);
}

// One-pixel strokes with both ends drawn, without smoothing, so that every
// pixel of a glyph or grip line is exactly its colour.
void DrawCrispLine(Gdiplus::Graphics& graphics, POINT from, POINT to, COLORREF colour) {
    Gdiplus::Pen pen(Gdiplus::Color(ToArgb(colour)), 1.0f);
    graphics.DrawLine(&pen, Gdiplus::Point(from.x, from.y), Gdiplus::Point(to.x, to.y));
}

} // namespace

BEGIN_MESSAGE_MAP(NeloScrollBar, CWnd)
ON_WM_PAINT()
ON_WM_PRINTCLIENT()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_TIMER()
ON_WM_MOUSELEAVE()
ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

NeloScrollBar::NeloScrollBar() : m_colors(DefaultColorInfo()) {}

NeloScrollBar::~NeloScrollBar() {
    if (m_hWnd && ::IsWindow(m_hWnd))
        DestroyWindow();
}

_ScrollBarColorInfo NeloScrollBar::DefaultColorInfo() {
    return _ScrollBarColorInfo{
        RGB(176, 176, 168), RGB(250, 250, 250), RGB(206, 206, 202), RGB(250, 250, 250), RGB(201, 215, 241),
        RGB(220, 220, 220), RGB(243, 243, 243), RGB(181, 208, 232), RGB(136, 176, 216), RGB(243, 243, 243),
        RGB(243, 243, 243), RGB(136, 176, 216), RGB(104, 128, 184), RGB(88, 168, 240),  RGB(88, 168, 240),
        RGB(204, 204, 204), RGB(243, 243, 243), RGB(181, 208, 232), RGB(160, 200, 240), RGB(243, 243, 243),
        RGB(243, 243, 243), RGB(160, 200, 240), RGB(225, 234, 254), RGB(185, 205, 251), RGB(77, 97, 133),
        RGB(82, 122, 202),  RGB(80, 120, 200),  RGB(172, 168, 153), RGB(240, 240, 240), RGB(240, 240, 240),
        RGB(240, 240, 240), RGB(77, 97, 133),   RGB(82, 122, 202),  RGB(80, 120, 200)};
}

int NeloScrollBar::Create(CWnd* parent, CWnd* owner, const CRect& rect, const int& id, int vertical,
                          unsigned long style, unsigned long exStyle) {
    try {
        if (!parent || !owner || !parent->GetSafeHwnd())
            return 0;
        LPCTSTR windowClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
        // The creation runs PreSubclassWindow, which forgets any owner: the
        // owner and the direction are stored afterwards.
        if (!CreateEx(exStyle, windowClass, L"", style, rect, parent, static_cast<UINT>(id)))
            return 0;
        ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        m_owner = owner->GetSafeHwnd();
        m_vertical = vertical ? 1 : 0;
        Relayout(rect.Width(), rect.Height());
        return 1;
    } catch (...) {
        return 0;
    }
}

void NeloScrollBar::PreSubclassWindow() {
    m_hoverEffect = 1;
    m_thumbSymbol = 1;
    m_owner = nullptr;
    m_nMin = m_nMax = m_nPos = m_nPage = 0;
    m_hostDriven = 0;
    ResetMouseState();
    CWnd::PreSubclassWindow();
}

void NeloScrollBar::ResetMouseState() {
    m_lastPoint = POINT{-1, -1};
    m_pressedPart = ComponentNone;
    m_pressedShown = 0;
    m_hotPart = ComponentNone;
    m_tracking = 0;
    m_dragOffset = 0;
    m_lastSentPos = 0;
}

LRESULT NeloScrollBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return CWnd::WindowProc(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

// ---- State -------------------------------------------------------------

geometry::ScrollState NeloScrollBar::State() const {
    geometry::ScrollState s;
    s.nMin = m_nMin;
    s.nMax = m_nMax;
    s.nPage = m_nPage;
    s.nPos = m_nPos;
    return s;
}

void NeloScrollBar::Relayout(int cx, int cy) {
    m_layout = geometry::LayoutScrollBar(cx, cy, m_vertical != 0, State());
}

void NeloScrollBar::PlaceThumb() {
    geometry::PlaceThumbFromPosition(m_layout, State());
}

bool NeloScrollBar::Dragging() const {
    return m_pressedPart == ComponentThumb && m_pressedShown;
}

int NeloScrollBar::SetScrollBarColorInfo(const _ScrollBarColorInfo& info) {
    return ReplaceColourRecord(*this, m_colors, info, FALSE);
}

int NeloScrollBar::GetScrollBarColorInfo(_ScrollBarColorInfo& info) {
    return CopyColourRecord(m_colors, info);
}

int NeloScrollBar::ShowThumbSymbol(int show) {
    return SetDrawingOption(*this, m_thumbSymbol, show, FALSE);
}

int NeloScrollBar::ShowHoverEffect(int show) {
    return SetDrawingOption(*this, m_hoverEffect, show, FALSE);
}

int NeloScrollBar::SetScrollPos(const int& pos) {
    m_nPos = geometry::ClampScrollPos(State(), pos);
    if (!Dragging()) {
        PlaceThumb();
        Invalidate(FALSE);
    }
    return 1;
}

int NeloScrollBar::GetScrollPos() {
    return m_nPos;
}

int NeloScrollBar::SetScrollRange(const int& min, const int& max) {
    if (max < min)
        return 0;
    m_nMin = min;
    m_nMax = max;
    if (static_cast<long long>(m_nPage) > geometry::ScrollRangeSize(State()))
        m_nPage = static_cast<int>(std::min<long long>(geometry::ScrollRangeSize(State()), INT_MAX));
    m_nPos = geometry::ClampScrollPos(State(), m_nPos);
    PlaceThumb();
    Invalidate(FALSE);
    EnableWindow(1);
    return 1;
}

int NeloScrollBar::GetScrollRange(int& min, int& max) {
    min = m_nMin;
    max = m_nMax;
    return 1;
}

int NeloScrollBar::SetScrollInfo(SCROLLINFO* info) {
    try {
        if (!info || info->nMax < info->nMin)
            return 0;
        if (info->fMask & SIF_RANGE) {
            m_nMin = info->nMin;
            m_nMax = info->nMax;
        }
        const long long size = geometry::ScrollRangeSize(State());
        if (info->fMask & SIF_PAGE)
            m_nPage = static_cast<int>(std::min<long long>(info->nPage, size));
        else if (static_cast<long long>(m_nPage) > size)
            m_nPage = static_cast<int>(std::min<long long>(size, INT_MAX));
        m_nPos = geometry::ClampScrollPos(State(), (info->fMask & SIF_POS) ? info->nPos : m_nPos);
        if (!Dragging()) {
            PlaceThumb();
            Invalidate(FALSE);
        }
        EnableWindow(1);
        return 1;
    } catch (...) {
        return 0;
    }
}

int NeloScrollBar::GetScrollInfo(SCROLLINFO* info, unsigned int mask) {
    if (!info)
        return 0;
    info->cbSize = sizeof(SCROLLINFO);
    info->fMask = mask;
    info->nPage = 0;
    info->nMin = info->nMax = info->nPos = info->nTrackPos = 0;
    if (mask & SIF_PAGE)
        info->nPage = static_cast<UINT>(m_nPage);
    if (mask & SIF_POS)
        info->nPos = m_nPos;
    if (mask & SIF_RANGE) {
        info->nMin = m_nMin;
        info->nMax = m_nMax;
    }
    if (mask & SIF_TRACKPOS)
        info->nTrackPos = m_trackActive ? m_trackPos : m_nPos;
    return 1;
}

int NeloScrollBar::GetScrollLimit() {
    return geometry::ScrollLimit(State());
}

int NeloScrollBar::ShowScrollBar(int show) {
    if (m_hWnd)
        ::ShowWindow(m_hWnd, show ? SW_SHOWNORMAL : SW_HIDE);
    return 1;
}

int NeloScrollBar::EnableWindow(int enable) {
    if (!m_owner)
        return 0;
    const bool enabled = geometry::ScrollBarHasRoom(State()) && enable && ::IsWindowEnabled(m_owner);
    if (m_hWnd)
        ::EnableWindow(m_hWnd, enabled ? TRUE : FALSE);
    Invalidate(FALSE);
    return 1;
}

int NeloScrollBar::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

// ---- Mouse -------------------------------------------------------------

void NeloScrollBar::Report(UINT code, int pos) {
    if (!m_owner || !::IsWindow(m_owner))
        return;
    const UINT message = m_vertical ? WM_VSCROLL : WM_HSCROLL;
    // The high word carries only the low 16 bits of a position; owners read
    // larger ones with SIF_TRACKPOS.
    ::SendMessageW(m_owner, message, MAKEWPARAM(code, static_cast<WORD>(pos & 0xFFFF)), 0);
}

void NeloScrollBar::Step() {
    if (m_pressedPart == ComponentNone)
        return;
    const RECT part = geometry::ScrollBarPart(m_layout, static_cast<geometry::ScrollBarComponent>(m_pressedPart));
    const bool inside = geometry::Contains(part, m_lastPoint);
    if (inside) {
        switch (m_pressedPart) {
        case ComponentFirstArrow:
            Report(SB_LINEUP);
            break;
        case ComponentSecondArrow:
            Report(SB_LINEDOWN);
            break;
        case ComponentTrackBefore:
            Report(SB_PAGEUP);
            break;
        case ComponentTrackAfter:
            Report(SB_PAGEDOWN);
            break;
        default:
            break;
        }
    }
    if (static_cast<int>(inside) != m_pressedShown) {
        m_pressedShown = inside ? 1 : 0;
        Invalidate(FALSE);
    }
}

void NeloScrollBar::PressAt(POINT p) {
    m_lastPoint = p;
    m_pressedPart = geometry::ScrollBarHitTest(m_layout, p);
    if (m_pressedPart == ComponentNone)
        return;
    if (!m_hostDriven)
        SetCapture();
    m_pressedShown = 1;
    Invalidate(FALSE);
    if (m_pressedPart == ComponentThumb) {
        m_dragOffset = m_layout.TrackStart() + AlongAxis(p, m_vertical != 0) - m_layout.ThumbStart();
        m_trackActive = true;
        m_trackPos = m_nPos;
        Report(SB_THUMBTRACK, m_nPos);
        m_lastSentPos = m_nPos;
    } else {
        Step();
        SetTimer(kDelayTimer, kDelayMs, nullptr);
    }
}

void NeloScrollBar::EndPress(bool sendEnd) {
    const ScrollBarComponentType part = m_pressedPart;
    // Cleared before the capture goes, so that losing it to ourselves is not
    // taken for an interrupted press.
    m_pressedPart = ComponentNone;
    m_pressedShown = 0;
    m_trackActive = false;
    if (m_hWnd) {
        KillTimer(kDelayTimer);
        KillTimer(kRepeatTimer);
    }
    if (!m_hostDriven && m_hWnd && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (part == ComponentThumb) {
        PlaceThumb();
    }
    Invalidate(FALSE);
    if (sendEnd)
        Report(SB_ENDSCROLL);
}

void NeloScrollBar::ReleaseAt(POINT p) {
    m_lastPoint = p;
    if (m_pressedPart == ComponentNone)
        return;
    if (m_pressedPart == ComponentThumb) {
        const int pos = geometry::PositionFromThumb(m_layout, State());
        m_pressedPart = ComponentNone;
        m_pressedShown = 0;
        if (!m_hostDriven && ::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        Invalidate(FALSE);
        m_trackPos = pos;
        Report(SB_THUMBPOSITION, pos);
        Report(SB_ENDSCROLL);
        m_trackActive = false;
        PlaceThumb();
        Invalidate(FALSE);
        return;
    }
    EndPress(true);
}

void NeloScrollBar::MoveAt(POINT p) {
    m_lastPoint = p;
    if (m_pressedPart == ComponentThumb) {
        const int offset = AlongAxis(p, m_vertical != 0) - m_dragOffset;
        geometry::PlaceThumbAtOffset(m_layout, State(), offset);
        const int pos = geometry::PositionFromThumb(m_layout, State());
        if (pos != m_lastSentPos) {
            m_trackPos = pos;
            Report(SB_THUMBTRACK, pos);
            m_lastSentPos = pos;
            Invalidate(FALSE);
            UpdateWindow();
        }
        Invalidate(FALSE);
    }
}

void NeloScrollBar::OnLButtonDown(UINT, CPoint point) {
    if (m_owner && ::IsWindow(m_owner))
        ::SetFocus(m_owner);
    if (!m_hWnd || !::IsWindowEnabled(m_hWnd))
        return;
    if (!m_hostDriven)
        Default();
    PressAt(point);
}

void NeloScrollBar::OnLButtonUp(UINT, CPoint point) {
    if (!::IsWindowEnabled(m_hWnd))
        return;
    if (!m_hostDriven)
        Default();
    ReleaseAt(point);
}

void NeloScrollBar::OnMouseMove(UINT, CPoint point) {
    if (!::IsWindowEnabled(m_hWnd))
        return;
    const ScrollBarComponentType hot = geometry::ScrollBarHitTest(m_layout, point);
    const bool changed = hot != m_hotPart;
    m_hotPart = hot;
    if (!m_tracking) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
        ::TrackMouseEvent(&track);
        m_tracking = 1;
        Invalidate(TRUE);
        if (m_owner)
            ::SendMessageW(m_owner, MOUSE_OVER_NELO_SCROLLBAR_MSG, 1, 0);
    }
    if (!m_hostDriven)
        Default();
    if (changed)
        Invalidate(TRUE);
    MoveAt(point);
}

void NeloScrollBar::OnMouseLeave() {
    m_tracking = 0;
    m_hotPart = ComponentNone;
    if (::IsWindowEnabled(m_hWnd))
        Invalidate(FALSE);
    if (m_owner)
        ::SendMessageW(m_owner, MOUSE_OVER_NELO_SCROLLBAR_MSG, 0, 0);
}

void NeloScrollBar::OnTimer(UINT_PTR id) {
    if (id == kDelayTimer) {
        KillTimer(kDelayTimer);
        Step();
        SetTimer(kRepeatTimer, kRepeatMs, nullptr);
    } else if (id == kRepeatTimer) {
        Step();
    } else {
        CWnd::OnTimer(id);
    }
}

void NeloScrollBar::OnCaptureChanged(CWnd* wnd) {
    // Another window took the mouse in the middle of a press (a menu, a
    // dialog, a drag elsewhere): the repeat and the drag end here, and the
    // owner hears the end of the scroll as it would at a release.
    const HWND taker = wnd ? wnd->GetSafeHwnd() : nullptr;
    if (m_pressedPart != ComponentNone && !m_hostDriven && taker != m_hWnd)
        EndPress(true);
    CWnd::OnCaptureChanged(wnd);
}

long NeloScrollBar::LButtonDown(const CPoint& screenPoint) {
    if (!m_hWnd)
        return E_FAIL;
    POINT p = screenPoint;
    ::ScreenToClient(m_hWnd, &p);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    if (!geometry::Contains(client, p))
        return E_FAIL;
    m_hostDriven = 1;
    OnLButtonDown(MK_LBUTTON, CPoint(p));
    return 0;
}

long NeloScrollBar::LButtonUp(const CPoint& screenPoint) {
    if (!m_hWnd || !m_hostDriven)
        return E_FAIL;
    POINT p = screenPoint;
    ::ScreenToClient(m_hWnd, &p);
    OnLButtonUp(0, CPoint(p));
    // A disabled bar took no press; nothing is left pressed either way.
    if (m_pressedPart != ComponentNone)
        EndPress(false);
    m_hostDriven = 0;
    return 0;
}

long NeloScrollBar::MouseMove(const CPoint& screenPoint) {
    if (!m_hWnd)
        return E_FAIL;
    POINT p = screenPoint;
    ::ScreenToClient(m_hWnd, &p);
    if (m_hostDriven) {
        OnMouseMove(MK_LBUTTON, CPoint(p));
        return 0;
    }
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    if (geometry::Contains(client, p)) {
        const ScrollBarComponentType hot = geometry::ScrollBarHitTest(m_layout, p);
        const bool changed = hot != m_hotPart || !m_tracking;
        m_hotPart = hot;
        m_tracking = 1;
        if (changed)
            Invalidate(FALSE);
    } else {
        m_hotPart = ComponentNone;
        if (m_tracking) {
            m_tracking = 0;
            Invalidate(FALSE);
        }
    }
    return E_FAIL;
}

void NeloScrollBar::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    Relayout(cx, cy);
    Invalidate(FALSE);
}

// ---- Painting ----------------------------------------------------------

Look NeloScrollBar::PartLook(ScrollBarComponentType part) const {
    if (!::IsWindowEnabled(m_hWnd))
        return Look::Disabled;
    if (m_pressedShown && m_pressedPart == part)
        return Look::Pressed;
    if (m_tracking && m_hotPart == part && m_hoverEffect)
        return Look::Hover;
    return Look::Normal;
}

void NeloScrollBar::OnPaint() {
    Tavrin::PaintClient(*this, *this);
}

void NeloScrollBar::OnPrintClient(CDC* dc, UINT) {
    Tavrin::PrintClient(*this, *this, dc);
}

void NeloScrollBar::PaintClient(HDC dc, const RECT& client) {
    SkinPaintBuffer buffer(dc, client, Gdiplus::SmoothingModeHighQuality);
    if (!buffer.IsValid())
        return;
    Gdiplus::Graphics& g = buffer.Graphics();
    const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
    const bool vertical = m_vertical != 0;
    const RECT local = buffer.LocalRect();
    const int cx = local.right;
    const int cy = local.bottom;

    // The track runs across the bar: from B at the left to A at the right of
    // a vertical bar, from A at the top to B at the bottom of a horizontal one.
    const LookColours<BarPartCount> bar = kBarLooks.Read(m_colors, enabled ? Look::Normal : Look::Disabled);
    if (vertical)
        FillGradient(g, ToGdiplusRect(local), bar[TrackB], bar[TrackA], GradientDirection::LeftToRight);
    else
        FillGradient(g, ToGdiplusRect(local), bar[TrackA], bar[TrackB], GradientDirection::TopToBottom);

    const ScrollBarComponentType arrows[2] = {ComponentFirstArrow, ComponentSecondArrow};
    for (int i = 0; i < 2; ++i) {
        const RECT r = geometry::ScrollBarPart(m_layout, static_cast<geometry::ScrollBarComponent>(arrows[i]));
        const Look look = PartLook(arrows[i]);
        const LookColours<ArrowPartCount> c = kArrowLooks.Read(m_colors, look);
        FillGradient(g, ToGdiplusRect(r), c[ArrowFrom], c[ArrowTo], GradientDirection::LeftToRight);
        const geometry::ArrowGlyph glyph = geometry::ScrollArrowGlyph(m_layout, i == 0, look == Look::Pressed);
        g.SetSmoothingMode(Gdiplus::SmoothingModeNone);
        for (const auto& stroke : glyph.strokes) {
            DrawCrispLine(g, stroke[0], stroke[1], c[ArrowGlyph]);
            DrawCrispLine(g, stroke[1], stroke[2], c[ArrowGlyph]);
        }
        g.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    }

    const RECT& thumb = m_layout.thumb;
    const bool thumbShown = enabled && geometry::Width(thumb) > 0 && geometry::Height(thumb) > 0;
    const LookColours<ThumbPartCount> t = kThumbLooks.Read(m_colors, PartLook(ComponentThumb));
    if (thumbShown)
        FillGradient(g, ToGdiplusRect(thumb), t[ThumbFrom], t[ThumbTo], GradientDirection::LeftToRight);

    {
        Gdiplus::Pen framePen(Gdiplus::Color(ToArgb(bar[Frame])), 1.0f);
        g.SetSmoothingMode(Gdiplus::SmoothingModeNone);
        g.DrawRectangle(&framePen, 0, 0, cx - 1, cy - 1);
        g.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    }
    for (ScrollBarComponentType arrow : arrows)
        DrawOutline(g,
                    geometry::ScrollBarPart(m_layout, static_cast<geometry::ScrollBarComponent>(arrow)),
                    kArrowLooks.Read(m_colors, PartLook(arrow))[ArrowOutline]);

    if (thumbShown) {
        DrawOutline(g, thumb, t[ThumbOutline]);
        const geometry::ThumbGrip grip = geometry::ScrollThumbGrip(m_layout);
        if (grip.draw && m_thumbSymbol) {
            g.SetSmoothingMode(Gdiplus::SmoothingModeNone);
            for (int k = 0; k < 4; ++k) {
                DrawCrispLine(g, grip.light[k].from, grip.light[k].to, t[GripLight]);
                DrawCrispLine(g, grip.dark[k].from, grip.dark[k].to, t[GripDark]);
            }
        }
    }
    buffer.Present();
}

} // namespace Tavrin

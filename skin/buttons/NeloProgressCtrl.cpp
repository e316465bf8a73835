#include "NeloProgressCtrl.h"

#include "SkinDrawing.h"
#include "SkinLook.h"
#include "SkinWindow.h"

namespace Tavrin {

using geometry::Look;

namespace {

// The enabled and disabled looks: client background and frame.
enum BarPart { Background, Frame, BarPartCount };
using BarRow = MemberRow<_ProgressCtrlColorInfo, BarPartCount>;
const BarRow kEnabledBar{&_ProgressCtrlColorInfo::crBarBackground, &_ProgressCtrlColorInfo::crBarFrame};
const BarRow kDisabledBar{&_ProgressCtrlColorInfo::crBarBackgroundDisabled,
                          &_ProgressCtrlColorInfo::crBarFrameDisabled};
const LookTable<_ProgressCtrlColorInfo, BarPartCount> kBarLooks{
    {{kEnabledBar, kEnabledBar, kEnabledBar, kDisabledBar, kEnabledBar}}};

Look LookOf(HWND window) {
    return ::IsWindowEnabled(window) ? Look::Normal : Look::Disabled;
}

} // namespace

BEGIN_MESSAGE_MAP(NeloProgressCtrl, CProgressCtrl)
ON_WM_PAINT()
ON_WM_PRINTCLIENT()
ON_WM_NCPAINT()
ON_WM_ENABLE()
END_MESSAGE_MAP()

NeloProgressCtrl::NeloProgressCtrl() : m_colorInfo(DefaultColorInfo()), m_style(ProgressCtrlPathGradient) {}

NeloProgressCtrl::~NeloProgressCtrl() = default;

_ProgressCtrlColorInfo NeloProgressCtrl::DefaultColorInfo() {
    return _ProgressCtrlColorInfo{RGB(250, 250, 250), RGB(230, 230, 210), RGB(48, 94, 150),
                                  RGB(204, 204, 204), RGB(58, 178, 187),  RGB(121, 203, 209),
                                  RGB(245, 245, 245), RGB(58, 178, 187)};
}

void NeloProgressCtrl::PreSubclassWindow() {
    m_colorInfo = DefaultColorInfo();
    m_style = ProgressCtrlPathGradient;
    // The bar always wears its one-pixel frame. A dialog turns a template's
    // WS_BORDER into a client edge, which the system's progress bar then
    // drops or turns into a static edge: the frame would be gone, or two
    // pixels wide. One border, whatever the window was made with.
    ModifyStyleEx(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE, 0);
    ModifyStyle(0, WS_BORDER);
    RedrawFrame(m_hWnd);
    CProgressCtrl::PreSubclassWindow();
}

int NeloProgressCtrl::SetProgressCtrlColorInfo(const _ProgressCtrlColorInfo& info) {
    m_colorInfo = info;
    Invalidate(FALSE);
    RepaintFrameNow(m_hWnd);
    return 1;
}

int NeloProgressCtrl::GetProgressCtrlColorInfo(_ProgressCtrlColorInfo& info) {
    info = m_colorInfo;
    return 1;
}

int NeloProgressCtrl::SetProgressCtrlStyle(ProgressCtrlStyle style) {
    return SetDrawingOption(*this, m_style, style, FALSE);
}

int NeloProgressCtrl::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

LRESULT NeloProgressCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        // A disabled bar keeps its position.
        if ((message == PBM_SETPOS || message == PBM_STEPIT) && m_hWnd && !::IsWindowEnabled(m_hWnd))
            return 0;
        return CProgressCtrl::WindowProc(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

void NeloProgressCtrl::OnPaint() {
    Tavrin::PaintClient(*this, *this);
}

void NeloProgressCtrl::OnPrintClient(CDC* dc, UINT) {
    Tavrin::PrintClient(*this, *this, dc);
}

void NeloProgressCtrl::PaintClient(HDC dc, const RECT& client) {
    SkinPaintBuffer buffer(dc, client, Gdiplus::SmoothingModeDefault);
    if (!buffer.IsValid())
        return;
    const Look look = LookOf(m_hWnd);
    DrawBackground(buffer, look);
    if (look == Look::Normal) {
        PBRANGE range{};
        ::SendMessage(m_hWnd, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
        const int pos = static_cast<int>(::SendMessage(m_hWnd, PBM_GETPOS, 0, 0));
        const bool vertical = (GetStyle() & PBS_VERTICAL) != 0;
        DrawBar(buffer,
                geometry::LayoutProgressBar(buffer.LocalRect(), pos, range.iLow, range.iHigh, vertical),
                vertical);
    }
    buffer.Present();
}

void NeloProgressCtrl::DrawBackground(SkinPaintBuffer& buffer, Look look) {
    const RECT local = buffer.LocalRect();
    const COLORREF colour = kBarLooks.Read(m_colorInfo, look)[Background];
    ::FillRect(buffer.DC(), &local, SkinResourceCache::GetSolidBrush(colour));
}

void NeloProgressCtrl::DrawBar(SkinPaintBuffer& buffer, const geometry::ProgressBarLayout& layout,
                               bool vertical) {
    if (!layout.draw)
        return;
    const Gdiplus::Rect bar = ToGdiplusRect(layout.bar);
    if (m_style == ProgressCtrlPathGradient) {
        FillCentreLit(buffer.Graphics(), bar,
                      CentreLight{layout.centreX, layout.centreY, layout.focusScaleX, layout.focusScaleY,
                                  m_colorInfo.crBarCenter, m_colorInfo.crBarSurround});
    } else if (m_style == ProgressCtrlLinearGradient) {
        // The bar starts at the left, or at the bottom when it grows upwards.
        FillGradient(buffer.Graphics(), ToGdiplusRect(layout.linearBrush), bar, m_colorInfo.crBarLinearStart,
                     m_colorInfo.crBarLinearEnd,
                     vertical ? GradientDirection::BottomToTop : GradientDirection::LeftToRight);
    }
}

void NeloProgressCtrl::OnNcPaint() {
    try {
        CWindowDC windowDC(this);
        HDC dc = windowDC.GetSafeHdc();
        if (!dc)
            return;
        RECT frame = WindowLocalRect(m_hWnd);
        // One colour on all four sides: a flat one-pixel frame.
        ::FrameRect(dc, &frame,
                    SkinResourceCache::GetSolidBrush(kBarLooks.Read(m_colorInfo, LookOf(m_hWnd))[Frame]));
    } catch (...) {
    }
}

void NeloProgressCtrl::OnEnable(BOOL enable) {
    CProgressCtrl::OnEnable(enable);
    Invalidate(FALSE);
    RepaintFrameNow(m_hWnd);
}

} // namespace Tavrin

#include "ScrollBarHost.h"

#include "ScrollAreaGeometry.h"
#include "SkinDrawing.h"
#include "SkinWindow.h"

namespace Tavrin {

long SyncHostedScrollBars(CWnd& host, HostedScrollBarPair& bars, const _ScrollBarColorInfo& colours) {
    if (!host.GetSafeHwnd() || !bars.Ready())
        return E_FAIL;
    const bool made = bars.Horizontal()->GetSafeHwnd() && bars.Vertical()->GetSafeHwnd();
    bars.CreateWindows(host);
    if (!made)
        bars.SetColours(colours);
    bars.SyncFrom(host.GetSafeHwnd());
    // A disabled host keeps disabled bars.
    if (!::IsWindowEnabled(host.GetSafeHwnd()))
        bars.Enable(false);
    return 0;
}

RECT WindowRelativeClient(HWND host) {
    RECT client{};
    ::GetClientRect(host, &client);
    ::MapWindowPoints(host, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT window = WindowRectOf(host);
    ::OffsetRect(&client, -window.left, -window.top);
    return client;
}

int SystemHostedBarThickness() {
    return geometry::HostedScrollBarThickness(::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL));
}

RECT HostedClientRect(HWND host, const RECT& computed, int thickness) {
    const LONG_PTR style = ::GetWindowLongPtrW(host, GWL_STYLE);
    return geometry::AdjustScrollClient(computed, {(style & WS_HSCROLL) != 0, (style & WS_VSCROLL) != 0, thickness,
                                                   ::GetSystemMetrics(SM_CXVSCROLL),
                                                   ::GetSystemMetrics(SM_CYHSCROLL)});
}

long LayoutHostedScrollBars(CWnd& host, HostedScrollBarPair& bars, const RECT* client, int thickness,
                            bool showHorizontal, bool showVertical, bool narrowClient) {
    const HWND window = host.GetSafeHwnd();
    if (!window || !bars.Ready())
        return E_FAIL;
    const RECT onParent = WindowRectOnParent(window);
    const SIZE size{onParent.right - onParent.left, onParent.bottom - onParent.top};
    const RECT c = client ? *client : WindowRelativeClient(window);
    const geometry::ScrollBarAreaLayout layout =
        geometry::LayoutScrollBarArea(size, c, thickness, showHorizontal, showVertical, narrowClient);
    bars.Layout(window, onParent, layout.client, thickness, showHorizontal, showVertical);
    return 0;
}

void PaintScrollFrame(HWND host, const ScrollFrameLook& look) {
    HDC dc = ::GetWindowDC(host);
    if (!dc)
        return;
    RECT window = WindowLocalRect(host);
    const RECT client = WindowRelativeClient(host);
    const int saved = ::SaveDC(dc);
    // Only the frame: the client area keeps what the host drew.
    ::ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    {
        SkinPaintBuffer buffer(dc, window, Gdiplus::SmoothingModeDefault);
        if (buffer.IsValid()) {
            RECT local = buffer.LocalRect();
            ::FillRect(buffer.DC(), &local, SkinResourceCache::GetSolidBrush(look.back));
            if (look.corner) {
                const RECT& box = ::IsRectEmpty(&look.cornerGradient) ? look.cornerSquare : look.cornerGradient;
                Gdiplus::LinearGradientBrush brush(ToGdiplusRect(box),
                                                   Gdiplus::Color(ToArgb(look.cornerFrom)),
                                                   Gdiplus::Color(ToArgb(look.cornerTo)),
                                                   Gdiplus::LinearGradientModeForwardDiagonal);
                buffer.Graphics().FillRectangle(&brush, ToGdiplusRect(look.cornerSquare));
            }
            buffer.Present();
        }
    }
    ::RestoreDC(dc, saved);
    const bool outerRing = look.borderRing ? (::GetWindowLongPtrW(host, GWL_STYLE) & WS_BORDER) != 0
                                           : (::GetWindowLongPtrW(host, GWL_EXSTYLE) & WS_EX_STATICEDGE) != 0;
    if (outerRing) {
        ::FrameRect(dc, &window, SkinResourceCache::GetSolidBrush(look.border));
        ::InflateRect(&window, -1, -1);
    }
    ::FrameRect(dc, &window, SkinResourceCache::GetSolidBrush(look.back));
    ::ReleaseDC(host, dc);
}

} // namespace Tavrin

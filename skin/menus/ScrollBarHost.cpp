#include "ScrollBarHost.h"

#include "ScrollAreaGeometry.h"
#include "SkinDrawing.h"
#include "SkinWindow.h"

namespace Tavrin {

long SyncHostedScrollBars(CWnd& host, NeloScrollBar& horizontal, NeloScrollBar& vertical,
                          const _ScrollBarColorInfo& colours) {
    CWnd* parent = host.GetParent();
    if (!parent)
        return E_FAIL;
    for (NeloScrollBar* bar : {&horizontal, &vertical}) {
        if (bar->GetSafeHwnd())
            continue;
        if (!bar->Create(parent, &host, CRect(0, 0, 0, 0), 0, bar == &vertical ? 1 : 0, WS_CHILD | WS_VISIBLE, 0))
            return E_FAIL;
        bar->SetScrollBarColorInfo(colours);
        if (!::IsWindowEnabled(host.GetSafeHwnd()))
            bar->EnableWindow(0);
    }
    for (int which : {SB_HORZ, SB_VERT}) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        if (!::GetScrollInfo(host.GetSafeHwnd(), which, &info))
            info = SCROLLINFO{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
        (which == SB_HORZ ? horizontal : vertical).SetScrollInfo(&info);
    }
    // A disabled host keeps disabled bars.
    if (!::IsWindowEnabled(host.GetSafeHwnd())) {
        horizontal.EnableWindow(0);
        vertical.EnableWindow(0);
    }
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

long LayoutHostedScrollBars(CWnd& host, NeloScrollBar& horizontal, NeloScrollBar& vertical, const RECT* client,
                            int thickness, bool showHorizontal, bool showVertical, bool narrowClient) {
    const HWND window = host.GetSafeHwnd();
    if (!window || !horizontal.GetSafeHwnd() || !vertical.GetSafeHwnd())
        return E_FAIL;
    const RECT rect = WindowRectOf(window);
    const SIZE size{rect.right - rect.left, rect.bottom - rect.top};
    const RECT c = client ? *client : WindowRelativeClient(window);
    const geometry::ScrollBarAreaLayout layout =
        geometry::LayoutScrollBarArea(size, c, thickness, showHorizontal, showVertical, narrowClient);
    HRGN region = ::CreateRectRgn(0, 0, size.cx, size.cy);
    const HWND parent = ::GetParent(window);
    auto place = [&](NeloScrollBar& bar, bool shown, const RECT& barRect) {
        if (!shown) {
            bar.ShowScrollBar(0);
            return;
        }
        OwnedGdiObject<HRGN> hole(::CreateRectRgnIndirect(&barRect));
        ::CombineRgn(region, region, hole, RGN_DIFF);
        RECT onParent = barRect;
        ::OffsetRect(&onParent, rect.left, rect.top);
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&onParent), 2);
        ::SetWindowPos(bar.GetSafeHwnd(), HWND_TOP, onParent.left, onParent.top, onParent.right - onParent.left,
                       onParent.bottom - onParent.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ::RedrawWindow(bar.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    };
    place(horizontal, layout.horizontal, layout.horizontalBar);
    place(vertical, layout.vertical, layout.verticalBar);
    // The system owns the region once it took it.
    if (!::SetWindowRgn(window, region, TRUE))
        ::DeleteObject(region);
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
                Gdiplus::LinearGradientBrush brush(ToGdiplusRect(look.cornerSquare),
                                                   Gdiplus::Color(ToArgb(look.cornerFrom)),
                                                   Gdiplus::Color(ToArgb(look.cornerTo)),
                                                   Gdiplus::LinearGradientModeForwardDiagonal);
                buffer.Graphics().FillRectangle(&brush, ToGdiplusRect(look.cornerSquare));
            }
            buffer.Present();
        }
    }
    ::RestoreDC(dc, saved);
    if (::GetWindowLongPtrW(host, GWL_EXSTYLE) & WS_EX_STATICEDGE) {
        ::FrameRect(dc, &window, SkinResourceCache::GetSolidBrush(look.border));
        ::InflateRect(&window, -1, -1);
    }
    ::FrameRect(dc, &window, SkinResourceCache::GetSolidBrush(look.back));
    ::ReleaseDC(host, dc);
}

} // namespace Tavrin

#include "SkinListFrame.h"

#include "ScrollBarHost.h"
#include "SkinWindow.h"

namespace Tavrin {

ListScrollFrame::ListScrollFrame(geometry::BarVariant variant)
    : m_variant(variant), m_thickness(18), m_styleCache(0), m_frameDirty(false) {}

void ListScrollFrame::Attach() {
    m_styleCache = 0;
    m_frameDirty = true;
    m_bars.Make();
    m_thickness =
        geometry::ListScrollBarThickness(::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL));
}

void ListScrollFrame::InsetClient(HWND list, RECT& client) const {
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(list, GWL_STYLE));
    client = geometry::ListClientInsets(client, (style & WS_HSCROLL) != 0, (style & WS_VSCROLL) != 0,
                                        ::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL),
                                        m_thickness);
}

long ListScrollFrame::Sync(CWnd& list, const _ScrollBarColorInfo& colours) {
    return SyncHostedScrollBars(list, m_bars, colours);
}

long ListScrollFrame::Layout(HWND list, const CRect* clientRect, int forceHorizontal, int forceVertical) {
    if (!list || !m_bars.Ready())
        return E_FAIL;
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(list, GWL_STYLE));
    if (style == m_styleCache && !clientRect)
        return 0;
    m_styleCache = style;
    const RECT client = clientRect ? static_cast<RECT>(*clientRect) : WindowRelativeClient(list);
    const geometry::ScrollBarPlaces places =
        geometry::PlaceListScrollBars(client, m_thickness, (style & WS_HSCROLL) || forceHorizontal,
                                      (style & WS_VSCROLL) || forceVertical, m_variant);
    geometry::HostedScrollBars bars;
    bars.horizontal = places.horz;
    bars.vertical = places.vert;
    bars.horizontalBar = places.horzBar;
    bars.verticalBar = places.vertBar;
    m_bars.Layout(list, WindowRectOnParent(list), bars);
    return 0;
}

void ListScrollFrame::BeforeMessage(HWND list, UINT message) {
    if (m_frameDirty && (message == WM_PAINT || message == WM_NCPAINT)) {
        m_frameDirty = false;
        RedrawFrame(list);
    }
}

void ListScrollFrame::AfterMessage(CWnd& list, UINT message, WPARAM wParam, const _ScrollBarColorInfo& colours) {
    const HWND window = list.GetSafeHwnd();
    switch (message) {
    case WM_PAINT:
        Sync(list, colours);
        Layout(window, nullptr, 0, 0);
        break;
    case WM_SIZE:
    case WM_MOVE:
        m_styleCache = 0;
        InvalidateControl(window, FALSE);
        break;
    case WM_SHOWWINDOW:
        m_bars.Show(wParam != FALSE, static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE)));
        break;
    case WM_ENABLE:
        m_bars.Enable(wParam != FALSE);
        InvalidateControl(window, TRUE);
        RedrawFrame(window);
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
        Sync(list, colours);
        break;
    default:
        break;
    }
}

} // namespace Tavrin

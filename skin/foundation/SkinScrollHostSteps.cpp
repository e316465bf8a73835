#include "SkinScrollHostSteps.h"

#include "SkinWindow.h"

namespace Tavrin {

void SyncHostedBars(CWnd& host, HostedScrollBarPair& bars) {
    if (!host.GetSafeHwnd() || !bars.Ready())
        return;
    bars.CreateWindows(host);
    bars.SyncFrom(host.GetSafeHwnd());
}

void LayoutHostedBarsBeside(HWND host, HostedScrollBarPair& bars, const RECT* window, const RECT& client,
                            int thickness, int forceHorizontal, int forceVertical, DWORD& lastStyle,
                            bool& inLayout) {
    if (!host || !bars.Ready() || inLayout)
        return;
    const DWORD style = static_cast<DWORD>(::GetWindowLongW(host, GWL_STYLE));
    lastStyle = style;
    const RECT place = window ? *window : WindowRectOnParent(host);
    inLayout = true;
    bars.Layout(host, place, client, thickness, (style & WS_HSCROLL) || forceHorizontal,
                (style & WS_VSCROLL) || forceVertical);
    inLayout = false;
}

bool EnterHoverSource(HoverSources& sources, int HoverSources::*source, HWND window) {
    if (sources.*source)
        return false;
    sources.*source = 1;
    if (source == &HoverSources::client || source == &HoverSources::nonClient) {
        const DWORD nonClient = source == &HoverSources::nonClient ? TME_NONCLIENT : 0;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | nonClient, window, HOVER_DEFAULT};
        ::TrackMouseEvent(&track);
    }
    return true;
}

} // namespace Tavrin

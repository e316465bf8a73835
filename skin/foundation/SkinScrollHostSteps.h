// Steps the boxes that host a skinned bar pair beside their text (the edit
// and the rich edit) take alike: making and syncing the bars, laying them
// out beside a client rectangle once per style change, and the hover
// sources that make their frame hot.
#pragma once

#include "SkinScrollHost.h"
#include "TavrinExport.h"

#include <afxwin.h>

namespace Tavrin {

// Makes the bars' windows that do not exist yet and copies the host's own
// scroll information into both; nothing without a window or bar objects.
TAVRIN_API void SyncHostedBars(CWnd& host, HostedScrollBarPair& bars);

// Lays the bars beside 'client' (window coordinates) of a host placed at
// 'window' in its parent's client coordinates (its present place when
// null). A bar shows when its style bit or its force flag is set. The
// style laid out is remembered in 'lastStyle'; 'inLayout' is set while the
// bars move, because the window region they cut computes the frame again,
// which must not lay them out a second time. Nothing without a window or
// bar objects, or while a layout runs.
TAVRIN_API void LayoutHostedBarsBeside(HWND host, HostedScrollBarPair& bars, const RECT* window, const RECT& client,
                                       int thickness, int forceHorizontal, int forceVertical, DWORD& lastStyle,
                                       bool& inLayout);

// The pointer is over one source of a hot frame. On entering the client
// area or the frame, the leave notice is asked for (TME_NONCLIENT for the
// frame); the bar and buddy sources are reported by their senders. True
// when the source was not hot before.
TAVRIN_API bool EnterHoverSource(HoverSources& sources, int HoverSources::*source, HWND window);

// A box's hover-effect switch: 0 without bar objects, else 1. A new value
// is stored and handed to both bars, and the box's frame repaints
// ('repaintFrame').
template <typename RepaintFrame>
int SetHostedHoverEffect(HostedScrollBarPair& bars, int& hoverEffect, int show, RepaintFrame repaintFrame) {
    if (!bars.Ready())
        return 0;
    if (show == hoverEffect)
        return 1;
    hoverEffect = show;
    bars.ShowHoverEffect(show);
    repaintFrame();
    return 1;
}

} // namespace Tavrin

// Steps of a control that hosts a pair of skinned scroll bars (tree, scroll
// view, rich edit) beyond those of HostedScrollBarPair: making the bars'
// windows and giving them the control's scroll information in one call,
// laying them out beside a client rectangle narrowed first when asked, and
// painting the control's frame (the background under the bars, the corner
// square between them and the border rings).
#pragma once

#include "NeloScrollBar.h"
#include "SkinScrollHost.h"
#include "TavrinExport.h"

#include <afxwin.h>

namespace Tavrin {

// Makes the bars' windows that do not exist yet (in the given colours) and
// copies the host's scroll information into both. E_FAIL without bars.
TAVRIN_API long SyncHostedScrollBars(CWnd& host, HostedScrollBarPair& bars, const _ScrollBarColorInfo& colours);

// Lays the bars beside the client rectangle (window-relative; the host's
// own when null), narrowed first when asked, hides a bar that does not show
// and gives the host a window region with the bars' holes.
TAVRIN_API long LayoutHostedScrollBars(CWnd& host, HostedScrollBarPair& bars, const RECT* client, int thickness,
                                       bool showHorizontal, bool showVertical, bool narrowClient);

// The host's client rectangle relative to its window's top-left corner.
TAVRIN_API RECT WindowRelativeClient(HWND host);

// The bars' thickness for the system's scroll bar metrics.
TAVRIN_API int SystemHostedBarThickness();

// The host's client rectangle once the system has computed its frame
// ('computed'): the inner background ring, and the skinned bars' areas for
// the bars its style shows in place of the system's.
TAVRIN_API RECT HostedClientRect(HWND host, const RECT& computed, int thickness);

struct ScrollFrameLook {
    COLORREF back;         // under the bars and the inner ring
    COLORREF border;       // the outer ring, with a static edge
    bool corner;           // both bars: the corner square is filled
    RECT cornerSquare;     // window-relative
    COLORREF cornerFrom;   // forward-diagonal gradient
    COLORREF cornerTo;
    // The gradient's own box when it differs from the square (empty: the
    // square itself).
    RECT cornerGradient{0, 0, 0, 0};
    // The outer ring comes with WS_BORDER instead of a static edge (a list
    // view keeps a plain border and paints it over).
    bool borderRing = false;
};

// The frame of a host: everything outside the client area in the background
// colour (double-buffered), the corner square, then the border ring (with a
// static edge, or a border when the look asks) and the background ring
// inside it.
TAVRIN_API void PaintScrollFrame(HWND host, const ScrollFrameLook& look);

} // namespace Tavrin

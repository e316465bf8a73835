// What the two skinned lists (the list box and the report list) keep around
// their rows alike: the default row colours both records name the same way,
// the brush of their empty area, and the frame with the pair of skinned
// scroll bars laid over the list's bar areas. The frame object holds the
// bars, their thickness and the style of the last layout, and takes the
// steps that follow the system list's own handling of a message:
//
//   WM_PAINT                  the bars are synced and laid out again when
//                             the style changed since the last layout
//   WM_SIZE, WM_MOVE          the next paint lays the bars out anew; the
//                             client area repaints without erasing
//   WM_SHOWWINDOW             the bars the style asks for show or hide
//   WM_ENABLE                 the bars follow; client and frame repaint
//   WM_VSCROLL, WM_HSCROLL,
//   WM_MOUSEWHEEL             the bars take the list's scroll position
//
// A frame attached afresh is computed again at the first paint that reaches
// the list's window procedure (BeforeMessage): the list's own subclassing
// runs before its messages come to the skinned object.
#pragma once

#include "ListViewGeometry.h"
#include "NeloScrollBar.h"
#include "SkinFoundation.h"
#include "SkinRows.h"
#include "SkinScrollHost.h"
#include "TavrinExport.h"

#include <afxwin.h>

namespace Tavrin {

// The row, stripe, selection, hot, border, text and split-line colours the
// list box and the report list share by name and value.
template <typename Record> void FillListRowDefaults(Record& c) {
    c.clrRowBack = RGB(250, 250, 250);
    c.clrRowBackDisabled = RGB(236, 233, 216);
    c.clrStripeBack = RGB(232, 232, 240);
    c.clrStripeBackDisabled = RGB(219, 217, 202);
    c.clrSelectedFrom = RGB(255, 242, 202);
    c.clrSelectedTo = RGB(254, 230, 158);
    c.clrHotFrom = RGB(240, 240, 240);
    c.clrHotTo = RGB(232, 232, 240);
    c.clrBorder = RGB(127, 157, 185);
    c.clrBorderDisabled = RGB(172, 168, 153);
    c.clrText = RGB(6, 45, 117);
    c.clrTextSelected = RGB(27, 44, 150);
    c.clrTextHot = RGB(6, 45, 117);
    c.clrTextDisabled = RGB(172, 168, 153);
    c.clrSplitLine = RGB(229, 236, 249);
    c.clrSplitLineDisabled = RGB(224, 221, 204);
}

// The brush a list answers the colour message with: its empty area in the
// row background of its state (cached, never deleted by the caller).
template <typename Record> HBRUSH ListBackgroundBrush(const Record& record, HWND list) {
    return SkinResourceCache::GetSolidBrush(ListBackground(record, ::IsWindowEnabled(list) != FALSE));
}

class TAVRIN_API ListScrollFrame {
public:
    // 'variant' places the bars as the list box or the report list does.
    explicit ListScrollFrame(geometry::BarVariant variant);

    // A list subclassed afresh: the bar objects (their windows come with the
    // first sync), the bar thickness from the system metrics, no layout
    // remembered, and the frame due to be computed again.
    void Attach();

    HostedScrollBarPair& Bars() { return m_bars; }
    const HostedScrollBarPair& Bars() const { return m_bars; }
    int Thickness() const { return m_thickness; }

    // The client rectangle after the system's computation: one pixel in on
    // every side for the inner ring; an edge with a bar gives back the
    // system bar's room and takes the skinned bar's thickness + 2.
    void InsetClient(HWND list, RECT& client) const;

    // Makes the bars' windows that are missing (in the given colours) and
    // gives both the list's scroll information.
    long Sync(CWnd& list, const _ScrollBarColorInfo& colours);
    // Lays the bars over the bar areas when the style changed since the last
    // layout or a client rectangle (window-relative) is given; a force flag
    // shows its bar whatever the style says.
    long Layout(HWND list, const CRect* clientRect, int forceHorizontal, int forceVertical);

    // Before the list handles a message: the frame computed again at the
    // first paint after Attach.
    void BeforeMessage(HWND list, UINT message);
    // After the list handled a message: the steps listed above.
    void AfterMessage(CWnd& list, UINT message, WPARAM wParam, const _ScrollBarColorInfo& colours);

private:
    HostedScrollBarPair m_bars;
    geometry::BarVariant m_variant;
    int m_thickness;
    DWORD m_styleCache;
    bool m_frameDirty;
};

} // namespace Tavrin

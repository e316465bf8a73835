// What a control that scrolls its content needs to show skinned scroll bars
// instead of the system's: the pair of NeloScrollBar objects it owns, made
// as sibling windows that report to it, kept in step with its own (hidden)
// scroll information, placed beside its client area and shown through holes
// cut into its window region; and the hover sources that make its frame hot
// (the pointer over its client area, its frame, one of its bars, or a buddy
// such as a spin button). The edit uses it; the rich edit, list view, list
// box, tree and scroll view host their bars the same way.
#pragma once

#include "NeloScrollBar.h"
#include "ScrollGeometry.h"
#include "TavrinExport.h"

#include <afxwin.h>

#include <memory>

namespace Tavrin {

// Where the pointer is, as far as a control's hot frame is concerned.
struct HoverSources {
    int client = 0;
    int nonClient = 0;
    int scrollBar = 0;
    int buddy = 0;

    bool Any() const { return client || nonClient || scrollBar || buddy; }
    void Clear() { client = nonClient = scrollBar = buddy = 0; }
};

class TAVRIN_API HostedScrollBarPair {
public:
    HostedScrollBarPair();
    ~HostedScrollBarPair();
    HostedScrollBarPair(const HostedScrollBarPair&) = delete;
    HostedScrollBarPair& operator=(const HostedScrollBarPair&) = delete;

    // Makes the two bar objects if they are missing (no windows yet).
    bool Make();
    bool Ready() const { return m_horizontal && m_vertical; }
    NeloScrollBar* Horizontal() const { return m_horizontal.get(); }
    NeloScrollBar* Vertical() const { return m_vertical.get(); }

    // Creates the windows that do not exist yet: children of the host's
    // parent, reporting to the host, empty until laid out, disabled with a
    // disabled host.
    void CreateWindows(CWnd& host);
    // Copies the host's own scroll information (range, page, position) into
    // the bars.
    void SyncFrom(HWND host);
    // Places the bars beside 'client' (window coordinates) of a host whose
    // window rectangle in its parent's client coordinates is 'window',
    // shows or hides each, and cuts the holes they show through into the
    // host's window region (left alone when it is already that region).
    void Layout(HWND host, const RECT& window, const RECT& client, int thickness, bool horizontal,
                bool vertical);
    // The same for bars placed by the host itself (window coordinates).
    void Layout(HWND host, const RECT& window, const geometry::HostedScrollBars& bars);
    // Shows or hides the bars a style asks for.
    void Show(bool show, DWORD style);
    void Enable(bool enable);

    int SetColours(const _ScrollBarColorInfo& colours);
    int ReadColours(_ScrollBarColorInfo& colours) const;
    int ShowHoverEffect(int show);
    int ShowThumbSymbol(int show);

    // The bars' rectangles of the last layout (window coordinates).
    const geometry::HostedScrollBars& LastLayout() const { return m_last; }

private:
    std::unique_ptr<NeloScrollBar> m_horizontal;
    std::unique_ptr<NeloScrollBar> m_vertical;
    geometry::HostedScrollBars m_last;
};

} // namespace Tavrin

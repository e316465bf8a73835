#include "SkinScrollHost.h"

#include "SkinFoundation.h"

#include <new>

namespace Tavrin {

namespace {

bool HasWindow(const NeloScrollBar* bar) {
    return bar && bar->GetSafeHwnd() && ::IsWindow(bar->GetSafeHwnd());
}

void PlaceBar(NeloScrollBar* bar, bool shown, const RECT& rect, const RECT& window) {
    if (!HasWindow(bar))
        return;
    if (!shown) {
        ::ShowWindow(bar->GetSafeHwnd(), SW_HIDE);
        return;
    }
    // Window coordinates of the host to its parent's client coordinates.
    ::MoveWindow(bar->GetSafeHwnd(), window.left + rect.left, window.top + rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, TRUE);
    ::ShowWindow(bar->GetSafeHwnd(), SW_SHOWNA);
    ::RedrawWindow(bar->GetSafeHwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

void Sync(NeloScrollBar* bar, HWND host, int which) {
    if (!HasWindow(bar))
        return;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    if (!::GetScrollInfo(host, which, &info))
        info = SCROLLINFO{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    bar->SetScrollInfo(&info);
}

} // namespace

HostedScrollBarPair::HostedScrollBarPair() = default;
HostedScrollBarPair::~HostedScrollBarPair() = default;

bool HostedScrollBarPair::Make() {
    if (!m_horizontal)
        m_horizontal.reset(new (std::nothrow) NeloScrollBar);
    if (!m_vertical)
        m_vertical.reset(new (std::nothrow) NeloScrollBar);
    return Ready();
}

void HostedScrollBarPair::CreateWindows(CWnd& host) {
    HWND parent = ::GetParent(host.GetSafeHwnd());
    if (!Ready() || !parent)
        return;
    CWnd* parentWnd = CWnd::FromHandle(parent);
    const bool disabled = !::IsWindowEnabled(host.GetSafeHwnd());
    NeloScrollBar* bars[2] = {m_horizontal.get(), m_vertical.get()};
    for (int vertical = 0; vertical < 2; ++vertical) {
        NeloScrollBar* bar = bars[vertical];
        if (HasWindow(bar))
            continue;
        if (!bar->Create(parentWnd, &host, CRect(0, 0, 0, 0), 0, vertical, WS_CHILD | WS_VISIBLE, 0))
            continue;
        if (disabled)
            bar->EnableWindow(0);
    }
}

void HostedScrollBarPair::SyncFrom(HWND host) {
    Sync(m_horizontal.get(), host, SB_HORZ);
    Sync(m_vertical.get(), host, SB_VERT);
}

void HostedScrollBarPair::Layout(HWND host, const RECT& window, const RECT& client, int thickness,
                                 bool horizontal, bool vertical) {
    Layout(host, window, geometry::LayoutHostedScrollBars(client, thickness, horizontal, vertical));
}

void HostedScrollBarPair::Layout(HWND host, const RECT& window, const geometry::HostedScrollBars& bars) {
    m_last = bars;
    PlaceBar(m_horizontal.get(), m_last.horizontal, m_last.horizontalBar, window);
    PlaceBar(m_vertical.get(), m_last.vertical, m_last.verticalBar, window);

    OwnedGdiObject<HRGN> wanted(::CreateRectRgn(0, 0, window.right - window.left, window.bottom - window.top));
    if (!wanted.Get())
        return;
    for (const RECT& hole : geometry::HostedScrollBarHoles(m_last)) {
        OwnedGdiObject<HRGN> cut(::CreateRectRgnIndirect(&hole));
        if (cut.Get())
            ::CombineRgn(wanted, wanted, cut, RGN_XOR);
    }
    // Setting a region recomputes the frame; the same region again would
    // only repaint for nothing.
    OwnedGdiObject<HRGN> current(::CreateRectRgn(0, 0, 0, 0));
    const bool hasRegion = current.Get() && ::GetWindowRgn(host, current) != ERROR;
    if (hasRegion && ::EqualRgn(current, wanted))
        return;
    if (!hasRegion && geometry::HostedScrollBarHoles(m_last).empty())
        return;
    HRGN handed = ::CreateRectRgn(0, 0, 0, 0);
    if (!handed)
        return;
    ::CombineRgn(handed, wanted, nullptr, RGN_COPY);
    // The system owns the region once it has taken it.
    if (!::SetWindowRgn(host, handed, TRUE))
        ::DeleteObject(handed);
}

void HostedScrollBarPair::Show(bool show, DWORD style) {
    if (HasWindow(m_horizontal.get()) && (style & WS_HSCROLL))
        ::ShowWindow(m_horizontal->GetSafeHwnd(), show ? SW_SHOW : SW_HIDE);
    if (HasWindow(m_vertical.get()) && (style & WS_VSCROLL))
        ::ShowWindow(m_vertical->GetSafeHwnd(), show ? SW_SHOW : SW_HIDE);
}

void HostedScrollBarPair::Enable(bool enable) {
    if (HasWindow(m_horizontal.get()))
        m_horizontal->EnableWindow(enable ? 1 : 0);
    if (HasWindow(m_vertical.get()))
        m_vertical->EnableWindow(enable ? 1 : 0);
}

int HostedScrollBarPair::SetColours(const _ScrollBarColorInfo& colours) {
    if (!Ready())
        return 0;
    m_horizontal->SetScrollBarColorInfo(colours);
    m_vertical->SetScrollBarColorInfo(colours);
    return 1;
}

int HostedScrollBarPair::ReadColours(_ScrollBarColorInfo& colours) const {
    if (!m_horizontal)
        return 0;
    return m_horizontal->GetScrollBarColorInfo(colours);
}

int HostedScrollBarPair::ShowHoverEffect(int show) {
    if (!Ready())
        return 0;
    m_horizontal->ShowHoverEffect(show);
    m_vertical->ShowHoverEffect(show);
    return 1;
}

int HostedScrollBarPair::ShowThumbSymbol(int show) {
    if (!Ready())
        return 0;
    m_horizontal->ShowThumbSymbol(show);
    m_vertical->ShowThumbSymbol(show);
    return 1;
}

} // namespace Tavrin

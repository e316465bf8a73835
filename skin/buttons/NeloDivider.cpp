#include "NeloDivider.h"

#include "CheckGeometry.h"
#include "SkinWindow.h"

namespace Tavrin {

BEGIN_MESSAGE_MAP(NeloDivider, CStatic)
ON_REGISTERED_MESSAGE(INITIALIZE_NELO_DIVIDER_MSG, &NeloDivider::OnInitialize)
ON_WM_PAINT()
ON_WM_PRINTCLIENT()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

NeloDivider::NeloDivider()
    : m_colorInfo(DefaultColorInfo()), m_thicknessInfo{1, 1}, m_horizontal(1), m_hasSize(1) {}

NeloDivider::~NeloDivider() {}

_DividerColorInfo NeloDivider::DefaultColorInfo() {
    return _DividerColorInfo{RGB(172, 168, 153), RGB(240, 240, 240)};
}

void NeloDivider::PreSubclassWindow() {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    m_hasSize = client.right > 0 || client.bottom > 0;
    if (m_hasSize)
        m_horizontal = geometry::DividerIsHorizontal(client.right, client.bottom);
    m_colorInfo = DefaultColorInfo();
    m_thicknessInfo = _DividerThicknessInfo{1, 1};
    ModifyStyle(WS_BORDER | SS_SUNKEN, WS_CLIPSIBLINGS);
    ModifyStyleEx(WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, WS_EX_TRANSPARENT);
    // Without its edges the client area is the whole window, so the length
    // kept below is the length the divider was given.
    RedrawFrame(m_hWnd);
    CStatic::PreSubclassWindow();
    // The dialog may still be placing its controls: the thickness is applied
    // once it is done.
    PostMessage(INITIALIZE_NELO_DIVIDER_MSG, 0, 0);
}

int NeloDivider::SetDividerColorInfo(const _DividerColorInfo& info) {
    m_colorInfo = info;
    Invalidate(FALSE);
    return 1;
}

int NeloDivider::GetDividerColorInfo(_DividerColorInfo& info) {
    info = m_colorInfo;
    return 1;
}

int NeloDivider::SetDividerThicknessInfo(const _DividerThicknessInfo& info) {
    if (info.thickness1 < 0 || info.thickness2 < 0)
        return 0;
    if (info.thickness1 == m_thicknessInfo.thickness1 && info.thickness2 == m_thicknessInfo.thickness2)
        return 1;
    m_thicknessInfo = info;
    ApplyThickness();
    return 1;
}

int NeloDivider::GetDividerThicknessInfo(_DividerThicknessInfo& info) {
    info = m_thicknessInfo;
    return 1;
}

int NeloDivider::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

void NeloDivider::ApplyThickness() {
    if (!m_hWnd)
        return;
    // Only the length is passed on: OnWindowPosChanging sets the size
    // across. The frame is recomputed too, for the border styles dropped
    // when the divider was attached.
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, m_horizontal ? client.right : 0, m_horizontal ? 0 : client.bottom,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Invalidate(FALSE);
}

LRESULT NeloDivider::OnInitialize(WPARAM, LPARAM) {
    ApplyThickness();
    return 1;
}

void NeloDivider::OnWindowPosChanging(WINDOWPOS* pos) {
    if (!(pos->flags & SWP_NOSIZE)) {
        // A divider made empty takes its direction from the first real size
        // it is given, before that size is cut to the thickness.
        if (!m_hasSize && (pos->cx > 0 || pos->cy > 0)) {
            m_hasSize = 1;
            m_horizontal = geometry::DividerIsHorizontal(pos->cx, pos->cy);
        }
        const int across = geometry::DividerThickness(m_thicknessInfo.thickness1, m_thicknessInfo.thickness2);
        if (m_horizontal)
            pos->cy = across;
        else
            pos->cx = across;
    }
    CStatic::OnWindowPosChanging(pos);
}

void NeloDivider::OnSize(UINT type, int cx, int cy) {
    if (!m_hasSize && (cx > 0 || cy > 0)) {
        m_hasSize = 1;
        m_horizontal = geometry::DividerIsHorizontal(cx, cy);
    }
    CStatic::OnSize(type, cx, cy);
    Invalidate(FALSE);
}

void NeloDivider::OnPaint() {
    Tavrin::PaintClient(*this, *this);
}

void NeloDivider::OnPrintClient(CDC* dc, UINT) {
    Tavrin::PrintClient(*this, *this, dc);
}

void NeloDivider::PaintClient(HDC dc, const RECT& client) {
    SkinPaintBuffer buffer(dc, client);
    if (!buffer.IsValid())
        return;
    const geometry::DividerLines lines =
        geometry::LayoutDivider(buffer.Width(), buffer.Height(), m_horizontal != 0,
                                m_thicknessInfo.thickness1, m_thicknessInfo.thickness2);
    if (!::IsRectEmpty(&lines.first))
        ::FillRect(buffer.DC(), &lines.first, SkinResourceCache::GetSolidBrush(m_colorInfo.crLine1));
    if (!::IsRectEmpty(&lines.second))
        ::FillRect(buffer.DC(), &lines.second, SkinResourceCache::GetSolidBrush(m_colorInfo.crLine2));
    buffer.Present();
}

} // namespace Tavrin

#include "NeloTabCtrl.h"

#include "SkinDrawing.h"
#include "SkinLook.h"
#include "SkinControlSetters.h"
#include "SkinWindow.h"
#include "TabGeometry.h"

#include <algorithm>

namespace Tavrin {

using geometry::Look;

namespace {

// A tab header: gradient top and bottom, outline, text.
enum TabPart { TabFrom, TabTo, TabBorder, TabText, TabPartCount };
using T = _TabCtrlColorInfo;
using TabRow = MemberRow<T, TabPartCount>;
const TabRow kTabNormal{&T::clrTabFrom, &T::clrTabTo, &T::clrTabBorder, &T::clrTabText};
const TabRow kTabHot{&T::clrTabHotFrom, &T::clrTabHotTo, &T::clrTabHotBorder, &T::clrTabHotText};
const TabRow kTabSelected{&T::clrTabSelectedFrom, &T::clrTabSelectedTo, &T::clrTabSelectedBorder,
                          &T::clrTabSelectedText};
const TabRow kTabDisabled{&T::clrTabDisabledFrom, &T::clrTabDisabledTo, &T::clrTabDisabledBorder,
                          &T::clrTabDisabledText};
// A selected tab is drawn in the Pressed look, a hot one in the Hover look.
const LookTable<T, TabPartCount> kTabLooks{{{kTabNormal, kTabHot, kTabSelected, kTabDisabled, kTabNormal}}};

// The body: gradient top and bottom, frame, and the line that opens the
// selected tab into it.
struct BodyColours {
    COLORREF T::*from;
    COLORREF T::*to;
    COLORREF T::*frame;
    COLORREF T::*opening;
};
BodyColours BodyColoursOf(geometry::TabBodyLook look) {
    switch (look) {
    case geometry::TabBodyLook::Disabled:
        return {&T::clrBodyDisabledFrom, &T::clrBodyDisabledTo, &T::clrTabDisabledBorder, &T::clrTabDisabledTo};
    case geometry::TabBodyLook::Selected:
        return {&T::clrBodyFrom, &T::clrBodyTo, &T::clrTabSelectedBorder, &T::clrTabSelectedTo};
    case geometry::TabBodyLook::NoSelection:
    default:
        return {&T::clrBodyFrom, &T::clrBodyTo, &T::clrTabBorder, &T::clrTabSelectedTo};
    }
}

const wchar_t kUpDownClass[] = L"msctls_updown32";

bool IsUpDown(HWND window) {
    WCHAR name[32] = {};
    ::GetClassNameW(window, name, 32);
    return ::lstrcmpiW(name, kUpDownClass) == 0;
}

} // namespace

BEGIN_MESSAGE_MAP(NeloTabCtrl, CTabCtrl)
ON_WM_PAINT()
ON_WM_PRINTCLIENT()
ON_WM_ERASEBKGND()
ON_WM_ENABLE()
ON_NOTIFY_REFLECT_EX(TCN_SELCHANGING, &NeloTabCtrl::OnSelChanging)
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

NeloTabCtrl::NeloTabCtrl() : m_colors(DefaultColorInfo()) {}

NeloTabCtrl::~NeloTabCtrl() {
    // The scroller object lets go of its window before the tab control's
    // window (its parent) is destroyed with this object.
    if (m_tabSpin.GetSafeHwnd())
        m_tabSpin.UnsubclassWindow();
    if (m_hWnd && ::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

_TabCtrlColorInfo NeloTabCtrl::DefaultColorInfo() {
    _TabCtrlColorInfo c{};
    c.clrBodyFrom = RGB(250, 250, 250);
    c.clrBodyTo = RGB(255, 255, 255);
    c.clrBodyDisabledFrom = RGB(236, 233, 216);
    c.clrBodyDisabledTo = RGB(213, 213, 209);
    c.clrStripFrom = RGB(227, 237, 249);
    c.clrStripTo = RGB(229, 239, 249);
    c.clrTabFrom = RGB(243, 243, 243);
    c.clrTabTo = RGB(160, 192, 224);
    c.clrTabSelectedFrom = RGB(116, 219, 240);
    c.clrTabSelectedTo = RGB(250, 250, 250);
    c.clrTabHotFrom = RGB(243, 243, 243);
    c.clrTabHotTo = RGB(181, 208, 232);
    c.clrTabDisabledFrom = RGB(252, 252, 254);
    c.clrTabDisabledTo = RGB(232, 230, 215);
    c.clrTabBorder = RGB(127, 157, 185);
    c.clrTabSelectedBorder = RGB(88, 168, 240);
    c.clrTabHotBorder = RGB(88, 168, 240);
    c.clrTabDisabledBorder = RGB(172, 168, 153);
    c.clrFocus = RGB(82, 122, 202);
    c.clrTabText = RGB(6, 45, 117);
    c.clrTabSelectedText = RGB(82, 122, 202);
    c.clrTabHotText = RGB(80, 120, 200);
    c.clrTabDisabledText = RGB(172, 168, 153);
    c.spinColors = NeloTabSpin::DefaultColorInfo();
    c.toolTipColors = NeloToolTipCtrl::DefaultColorInfo();
    return c;
}

void NeloTabCtrl::PreSubclassWindow() {
    const _TabSpinColorInfo spinColors = m_colors.spinColors;
    m_colors = DefaultColorInfo();
    m_colors.spinColors = spinColors;
    m_hoverEffect = m_focusEffect = m_toolTipsOn = 1;
    m_hotItem = -1;
    m_pointer.Reset();
    m_keyTarget = -1;

    m_tabSpin.SetTabSpinColorInfo(NeloTabSpin::DefaultColorInfo());
    m_tabSpin.SetBackgroundColors(m_colors.clrStripFrom, m_colors.clrStripTo);
    m_tabSpin.ShowHoverEffect(1);
    m_toolTip.Attach(this);

    ModifyStyle(TCS_MULTILINE, TCS_OWNERDRAWFIXED | TCS_FIXEDWIDTH | WS_CLIPCHILDREN);
    ModifyStyleEx(0, WS_EX_TRANSPARENT);
    ::SendMessageW(m_hWnd, TCM_SETITEMSIZE, 0, MAKELPARAM(geometry::kTabWidth, geometry::kTabHeight));
    m_font = SkinFont(L"Arial", 10, 0);

    const int count = static_cast<int>(::SendMessageW(m_hWnd, TCM_GETITEMCOUNT, 0, 0));
    m_items.assign(static_cast<std::size_t>(std::max(count, 0)), ItemState{});
    CTabCtrl::PreSubclassWindow();
}

// ---- Public members ------------------------------------------------------

int NeloTabCtrl::SetTabCtrlColorInfo(const _TabCtrlColorInfo& info) {
    try {
        if (!m_hWnd || !m_toolTip.IsReady())
            return 0;
        m_colors = info;
        m_tabSpin.SetTabSpinColorInfo(info.spinColors);
        m_tabSpin.SetBackgroundColors(info.clrStripFrom, info.clrStripTo);
        m_toolTip.SetColours(info.toolTipColors);
        Invalidate(FALSE);
        return 1;
    } catch (...) {
        return 0;
    }
}

int NeloTabCtrl::GetTabCtrlColorInfo(_TabCtrlColorInfo& info) {
    try {
        if (!m_hWnd || !m_toolTip.IsReady())
            return 0;
        m_tabSpin.GetTabSpinColorInfo(m_colors.spinColors);
        m_toolTip.ReadColours(m_colors.toolTipColors);
        info = m_colors;
        return 1;
    } catch (...) {
        return 0;
    }
}

int NeloTabCtrl::SetFont(const CString& faceName, const int& pointSize, int bold) {
    return ApplyKeptFont(*this, m_font, faceName, pointSize, bold, FALSE);
}

int NeloTabCtrl::SetToolTipCtrlFont(const CString& faceName, const int& pointSize, int bold) {
    return m_toolTip.SetFont(faceName, pointSize, bold);
}

int NeloTabCtrl::ShowHoverEffect(int show) {
    if (!m_hWnd)
        return 0;
    m_tabSpin.ShowHoverEffect(show);
    return SetDrawingOption(*this, m_hoverEffect, show, FALSE);
}

int NeloTabCtrl::ShowFocusEffect(int show) {
    return SetDrawingOption(*this, m_focusEffect, show, FALSE);
}

int NeloTabCtrl::ShowToolTipCtrl(int show) {
    if (!m_toolTip.IsReady())
        return 0;
    // The keyboard focus stays where it is: switching tips is no reason to
    // take it from the control the user is working in.
    if (show != m_toolTipsOn) {
        m_toolTipsOn = show;
        if (!show)
            m_toolTip.RemoveTool();
    }
    return 1;
}

int NeloTabCtrl::SetItemToolTipText(const int& index, const CString& text) {
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        return 0;
    m_items[index].toolTip = text;
    // A tip already showing for this tab follows the new text.
    if (index == m_hotItem && m_toolTipsOn) {
        if (text.IsEmpty())
            m_toolTip.RemoveTool();
        else
            m_toolTip.SetTool(text);
    }
    return 1;
}

CString NeloTabCtrl::GetItemToolTipText(const int& index) {
    if (index < 0 || index >= static_cast<int>(m_items.size()))
        return CString();
    return m_items[index].toolTip;
}

int NeloTabCtrl::EnableTabItem(const int& index, int enable) {
    try {
        if (index < 0 || index >= static_cast<int>(m_items.size()))
            return 0;
        const bool noneBefore =
            std::none_of(m_items.begin(), m_items.end(), [](const ItemState& s) { return s.enabled != 0; });
        m_items[index].enabled = enable ? 1 : 0;
        const bool noneNow =
            std::none_of(m_items.begin(), m_items.end(), [](const ItemState& s) { return s.enabled != 0; });
        if (!m_hWnd)
            return 1;
        if (noneNow) {
            EnableWindow(FALSE);
        } else if (noneBefore) {
            EnableWindow(TRUE);
            SetCurSel(index);
            Invalidate(FALSE);
        } else {
            if (!enable && index == m_hotItem)
                SetHotItem(-1);
            Invalidate(FALSE);
        }
        return 1;
    } catch (...) {
        return 0;
    }
}

int NeloTabCtrl::IsTabItemEnable(const int& index) {
    if (!m_hWnd || !IsWindowEnabled())
        return 0;
    return ItemEnabled(index) ? 1 : 0;
}

int NeloTabCtrl::Attach(CTabCtrl* ctrl) {
    try {
        if (!ctrl || ctrl == this || m_hWnd)
            return 0;
        HWND window = ctrl->GetSafeHwnd();
        if (!window || !::IsWindow(window))
            return 0;
        // The other object lets go of the window first: a window is bound to
        // one object at a time.
        if (CWnd::FromHandlePermanent(window) == ctrl)
            ctrl->UnsubclassWindow();
        else
            ctrl->Detach();
        if (SubclassWindow(window))
            return 1;
        ctrl->SubclassWindow(window);
        return 0;
    } catch (...) {
        return 0;
    }
}

int NeloTabCtrl::Invalidate(int erase) {
    return InvalidateControl(m_hWnd, erase);
}

void NeloTabCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

// ---- Messages --------------------------------------------------------------

BOOL NeloTabCtrl::PreTranslateMessage(MSG* msg) {
    switch (msg->message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        if (m_toolTipsOn)
            m_toolTip.Relay(msg);
        break;
    default:
        break;
    }
    return CTabCtrl::PreTranslateMessage(msg);
}

LRESULT NeloTabCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case TCM_INSERTITEMW:
        case TCM_INSERTITEMA: {
            const int count = static_cast<int>(m_items.size());
            const int wanted = static_cast<int>(wParam);
            const WPARAM at = static_cast<WPARAM>(std::min(std::max(wanted, 0), count));
            const LRESULT index = CTabCtrl::WindowProc(message, at, lParam);
            if (index >= 0 && index <= count)
                m_items.insert(m_items.begin() + index, ItemState{});
            if (index >= 0 && m_hotItem >= index)
                m_hotItem = -1;
            UpdateTabSpinPosition();
            return index;
        }
        case TCM_DELETEITEM: {
            const LRESULT done = CTabCtrl::WindowProc(message, wParam, lParam);
            const int index = static_cast<int>(wParam);
            if (done && index >= 0 && index < static_cast<int>(m_items.size()))
                m_items.erase(m_items.begin() + index);
            if (done)
                SetHotItem(-1);
            UpdateTabSpinPosition();
            return done;
        }
        case TCM_DELETEALLITEMS: {
            const LRESULT done = CTabCtrl::WindowProc(message, wParam, lParam);
            if (done) {
                m_items.clear();
                SetHotItem(-1);
            }
            return done;
        }
        case TCM_SETCURSEL: {
            const int index = static_cast<int>(wParam);
            if (index >= 0 && index < static_cast<int>(m_items.size()) && !ItemEnabled(index))
                return -1;
            const LRESULT previous = CTabCtrl::WindowProc(message, wParam, lParam);
            Invalidate(FALSE);
            return previous;
        }
        case WM_SIZE:
        case TCM_SETITEMSIZE: {
            const LRESULT result = CTabCtrl::WindowProc(message, wParam, lParam);
            UpdateTabSpinPosition();
            return result;
        }
        case WM_KEYDOWN:
            OnKeyDown(static_cast<UINT>(wParam));
            return 0;
        case WM_GETDLGCODE:
            // The arrow keys come here rather than moving the dialog's focus.
            return CTabCtrl::WindowProc(message, wParam, lParam) | DLGC_WANTARROWS;
        default:
            return CTabCtrl::WindowProc(message, wParam, lParam);
        }
    } catch (...) {
        return 0;
    }
}

void NeloTabCtrl::OnKeyDown(UINT key) {
    std::vector<bool> enabled;
    enabled.reserve(m_items.size());
    for (const ItemState& s : m_items)
        enabled.push_back(s.enabled != 0);
    const int target = geometry::TabForKey(key, GetCurSel(), enabled);
    if (target >= 0 && IsWindowEnabled())
        SelectByKey(target);
}

LRESULT NeloTabCtrl::NotifyParent(UINT code) {
    NMHDR header{m_hWnd, static_cast<UINT_PTR>(GetDlgCtrlID()), code};
    HWND parent = ::GetParent(m_hWnd);
    if (!parent)
        return 0;
    return ::SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

bool NeloTabCtrl::SelectByKey(int index) {
    // The parent hears a key's change as it hears a click's: asked first
    // (and may refuse), then told.
    m_keyTarget = index;
    const LRESULT refused = NotifyParent(TCN_SELCHANGING);
    m_keyTarget = -1;
    if (refused)
        return false;
    SetCurSel(index);
    if (GetCurSel() != index)
        return false;
    NotifyParent(TCN_SELCHANGE);
    return true;
}

BOOL NeloTabCtrl::OnSelChanging(NMHDR*, LRESULT* result) {
    int target = m_keyTarget;
    if (target < 0) {
        // A click: the tab under the pointer where the button went down.
        const DWORD pos = ::GetMessagePos();
        POINT p{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
        ::ScreenToClient(m_hWnd, &p);
        target = ItemAt(p);
    }
    if (target >= 0 && !ItemEnabled(target)) {
        *result = TRUE;
        return TRUE;
    }
    Invalidate(FALSE);
    *result = FALSE;
    return FALSE;
}

void NeloTabCtrl::OnMouseMove(UINT flags, CPoint point) {
    const int index = ItemAt(POINT{point.x, point.y});
    if (index >= 0 && ItemEnabled(index) && IsWindowEnabled()) {
        if (index != m_hotItem) {
            const DWORD pos = ::GetMessagePos();
            MSG move{m_hWnd, WM_MOUSEMOVE, flags, MAKELPARAM(point.x, point.y), static_cast<DWORD>(::GetMessageTime()),
                     POINT{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))}};
            SetHotItem(index, &move);
        }
        if (m_hoverEffect)
            m_pointer.Update(m_hWnd, true);
    } else {
        SetHotItem(-1);
    }
    CTabCtrl::OnMouseMove(flags, point);
}

void NeloTabCtrl::OnMouseLeave() {
    m_pointer.Leave();
    if (m_hotItem != -1) {
        m_hotItem = -1;
        Invalidate(FALSE);
    }
    Default();
}

void NeloTabCtrl::SetHotItem(int index, MSG* move) {
    if (index == m_hotItem) {
        if (index < 0)
            m_toolTip.RemoveTool();
        return;
    }
    m_hotItem = index;
    Invalidate(FALSE);
    const CString text = index >= 0 ? m_items[index].toolTip : CString();
    if (!m_toolTipsOn || text.IsEmpty()) {
        m_toolTip.RemoveTool();
        return;
    }
    m_toolTip.SetTool(text);
    // The move that reached this tab was relayed before its tool existed;
    // relayed again, it starts the tip's wait where the pointer is.
    if (move)
        m_toolTip.Relay(move);
}

void NeloTabCtrl::OnEnable(BOOL enable) {
    Default();
    if (m_tabSpin.GetSafeHwnd())
        m_tabSpin.EnableWindow(enable);
    if (!enable) {
        m_toolTip.RemoveTool();
        m_hotItem = -1;
    }
    Invalidate(FALSE);
}

BOOL NeloTabCtrl::OnEraseBkgnd(CDC*) {
    return TRUE;
}

// ---- State ---------------------------------------------------------------

bool NeloTabCtrl::ItemEnabled(int index) const {
    return index >= 0 && index < static_cast<int>(m_items.size()) && m_items[index].enabled != 0;
}

int NeloTabCtrl::ItemAt(POINT client) const {
    TCHITTESTINFO hit{};
    hit.pt = client;
    const int index = static_cast<int>(::SendMessageW(m_hWnd, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & (TCHT_ONITEMICON | TCHT_ONITEMLABEL)) ? index : -1;
}

long NeloTabCtrl::UpdateTabSpinPosition() {
    HWND spin = m_tabSpin.GetSafeHwnd();
    if (!spin || !::IsWindow(spin) || m_items.empty())
        return E_FAIL;
    RECT first{0, 0, 0, 0};
    RECT client{0, 0, 0, 0};
    ::SendMessageW(m_hWnd, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    ::GetClientRect(m_hWnd, &client);
    const RECT place = geometry::TabScrollerRect(client, first);
    ::SetWindowPos(spin, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(spin, nullptr, FALSE);
    return 0;
}

void NeloTabCtrl::TakeOverScroller() {
    if (m_tabSpin.GetSafeHwnd() || m_items.empty())
        return;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!IsUpDown(child) || CWnd::FromHandlePermanent(child))
            continue;
        if (m_tabSpin.SubclassWindow(child)) {
            m_tabSpin.EnableWindow(IsWindowEnabled());
            m_tabSpin.Invalidate(FALSE);
            UpdateTabSpinPosition();
        }
        return;
    }
}

// ---- Painting ------------------------------------------------------------

void NeloTabCtrl::OnPaint() {
    Tavrin::PaintClient(*this, *this);
    TakeOverScroller();
}

void NeloTabCtrl::OnPrintClient(CDC* dc, UINT) {
    Tavrin::PrintClient(*this, *this, dc);
}

void NeloTabCtrl::PaintClient(HDC dc, const RECT& client) {
    const int count = static_cast<int>(m_items.size());
    std::vector<RECT> items(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        ::SendMessageW(m_hWnd, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&items[i]));
    const geometry::TabStripLayout layout = geometry::LayoutTabStrip(client, items);
    const bool enabled = IsWindowEnabled() != FALSE;
    const int selected = GetCurSel();
    const bool hasSelection = selected >= 0 && selected < count;
    {
        SkinPaintBuffer buffer(dc, client, Gdiplus::SmoothingModeAntiAlias);
        if (!buffer.IsValid())
            return;
        Gdiplus::Graphics& graphics = buffer.Graphics();
        if (layout.hasStrip)
            FillVerticalGradient(graphics, ToGdiplusRect(layout.strip), m_colors.clrStripFrom,
                                 m_colors.clrStripTo);
        graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintSystemDefault);
        for (int index : layout.painted)
            DrawTab(buffer, index, items[index], enabled, selected);

        const geometry::TabBodyLook bodyLook =
            geometry::ResolveTabBodyLook(enabled, hasSelection ? selected : -1, ItemEnabled(selected));
        const BodyColours body = BodyColoursOf(bodyLook);
        if (layout.body.bottom > layout.body.top) {
            FillVerticalGradient(graphics, ToGdiplusRect(layout.body), m_colors.*body.from, m_colors.*body.to);
            graphics.Flush(Gdiplus::FlushIntentionSync);
            FrameShape(buffer.DC(), geometry::PlainRectShape(layout.body), m_colors.*body.frame);
        }
        if (hasSelection) {
            // Drawn over the body's frame, so that the selected tab opens
            // into the body.
            const geometry::TabLine line = geometry::TabOpeningLine(items[selected]);
            const RECT pixels{line.from.x, line.from.y, line.to.x + 1, line.to.y + 1};
            ::FillRect(buffer.DC(), &pixels, SkinResourceCache::GetSolidBrush(m_colors.*body.opening));
        }
        buffer.Present();
    }
    if (hasSelection && enabled && ItemEnabled(selected) && m_focusEffect && ::GetFocus() == m_hWnd)
        DrawFocus(dc, items[selected]);
}

void NeloTabCtrl::DrawTab(SkinPaintBuffer& buffer, int index, const RECT& item, bool enabled, int selected) {
    const bool hot = m_hoverEffect && m_pointer.IsTracking() && index == m_hotItem;
    const Look look = geometry::ResolveTabLook(enabled, ItemEnabled(index), index == selected, hot);
    const LookColours<TabPartCount> colours = kTabLooks.Read(m_colors, look);

    WCHAR text[1025] = {};
    TCITEMW info{};
    info.mask = TCIF_TEXT | TCIF_IMAGE;
    info.pszText = text;
    info.cchTextMax = 1024;
    info.iImage = -1;
    ::SendMessageW(m_hWnd, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&info));
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(::SendMessageW(m_hWnd, TCM_GETIMAGELIST, 0, 0));
    int imageWidth = 0, imageHeight = 0;
    const bool hasImage = images && info.iImage >= 0 && info.iImage < ImageList_GetImageCount(images) &&
                          ImageList_GetIconSize(images, &imageWidth, &imageHeight);
    const geometry::TabHeaderLayout header = geometry::LayoutTabHeader(item, hasImage, imageWidth, imageHeight);

    Gdiplus::Graphics& graphics = buffer.Graphics();
    Gdiplus::GraphicsPath path;
    AddTopRoundedPath(header.header, geometry::kTabCornerRadius, geometry::kTabCornerRadius, &path);
    FillVerticalGradient(graphics, path, ToGdiplusRect(header.header), colours[TabFrom], colours[TabTo]);
    Gdiplus::Pen outline(Gdiplus::Color(ToArgb(colours[TabBorder])), 1.0f);
    graphics.DrawPath(&outline, &path);
    graphics.Flush(Gdiplus::FlushIntentionSync);

    HDC dc = buffer.DC();
    if (hasImage)
        ImageList_Draw(images, info.iImage, dc, header.image.x, header.image.y, ILD_TRANSPARENT);
    RECT textBox = header.text;
    ScopedSelectObject font(dc, m_font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, colours[TabText]);
    ::DrawTextW(dc, text, -1, &textBox, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void NeloTabCtrl::DrawFocus(HDC dc, const RECT& item) {
    // Drawn on the target after the buffer has been copied there; the dots
    // stay inside the rectangle.
    const RECT focus = geometry::TabFocusRect(item);
    Gdiplus::Graphics graphics(dc);
    Gdiplus::Pen pen(Gdiplus::Color(ToArgb(m_colors.clrFocus)), 1.0f);
    pen.SetDashStyle(Gdiplus::DashStyleDot);
    graphics.DrawRectangle(&pen, Gdiplus::Rect(focus.left, focus.top, focus.right - focus.left - 1,
                                               focus.bottom - focus.top - 1));
}

} // namespace Tavrin

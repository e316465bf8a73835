#include "ComboBoxParts.h"

#include "ComboGeometry.h"
#include "NeloComboBox.h"
#include "SkinDrawing.h"
#include "SkinWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace Tavrin {

namespace {

const UINT kFrameFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

// The four colours of a button look, by their places in the block.
struct ButtonLookColours {
    int from, to, outline, arrow;
};
const ButtonLookColours kNormal{0, 1, 8, 12};
const ButtonLookColours kPressed{2, 3, 9, 13};
const ButtonLookColours kHot{4, 5, 10, 14};
const ButtonLookColours kDisabled{6, 7, 11, 15};

// An item image, or the area it sits in, at the left of a text part.
void SetPartImage(HWND window, ComboPartImage& part, int image) {
    if (image < 0) {
        part.image = -1;
        part.areaWidth = 0;
    } else {
        part.image = image;
        if (part.areaWidth > 0)
            ::InvalidateRect(window, nullptr, TRUE);
        else
            part.areaWidth = part.list.ImageSize().cx;
    }
    if (window)
        ::SetWindowPos(window, nullptr, 0, 0, 0, 0, kFrameFlags);
}

void FillRectWith(HDC dc, const RECT& rect, COLORREF colour) {
    if (HBRUSH brush = SkinResourceCache::GetSolidBrush(colour))
        ::FillRect(dc, &rect, brush);
}

} // namespace

bool InDropWindow(HWND combo, HWND window) {
    if (!combo || !window)
        return false;
    CWnd* object = CWnd::FromHandlePermanent(combo);
    NeloComboBox* owner = dynamic_cast<NeloComboBox*>(object);
    HWND drop = owner ? owner->GetDropWindow() : nullptr;
    return drop && (window == drop || ::IsChild(drop, window));
}

ComboButtonColours DefaultComboButtonColours() {
    return ComboButtonColours{{
        RGB(243, 243, 243), RGB(181, 208, 232), RGB(160, 200, 240), RGB(243, 243, 243),
        RGB(243, 243, 243), RGB(160, 200, 240), RGB(225, 234, 254), RGB(185, 205, 251),
        RGB(104, 128, 184), RGB(88, 168, 240), RGB(88, 168, 240), RGB(204, 204, 204),
        RGB(77, 97, 133), RGB(82, 122, 202), RGB(80, 120, 200), RGB(172, 168, 153),
    }};
}

// ---- OwnedImageList ---------------------------------------------------------

void OwnedImageList::Reset(HIMAGELIST list) {
    if (m_list)
        ImageList_Destroy(m_list);
    m_list = list;
}

void OwnedImageList::CopyFrom(HIMAGELIST source) {
    Reset(source ? ImageList_Duplicate(source) : nullptr);
}

SIZE OwnedImageList::ImageSize() const {
    int cx = 0;
    int cy = 0;
    if (!m_list || !ImageList_GetIconSize(m_list, &cx, &cy))
        return SIZE{0, 0};
    return SIZE{cx, cy};
}

// ---- Button -----------------------------------------------------------------

NeloComboBoxButton::NeloComboBoxButton() : m_colours(DefaultComboButtonColours()) {}
NeloComboBoxButton::~NeloComboBoxButton() = default;

BOOL NeloComboBoxButton::Create(CWnd* combo, const RECT& rect, int enabled) {
    if (!CStatic::Create(L"", WS_CHILD | WS_VISIBLE, rect, combo, 0xFFFF))
        return FALSE;
    SetEnabled(enabled);
    return TRUE;
}

void NeloComboBoxButton::PreSubclassWindow() {
    CStatic::PreSubclassWindow();
    m_colours = DefaultComboButtonColours();
}

void NeloComboBoxButton::SetFlag(int& flag, int value) {
    value = value ? 1 : 0;
    if (flag == value)
        return;
    flag = value;
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void NeloComboBoxButton::SetEnabled(int enabled) { SetFlag(m_enabled, enabled); }
void NeloComboBoxButton::SetPressed(int pressed) { SetFlag(m_pressed, pressed); }
void NeloComboBoxButton::SetHot(int hot) { SetFlag(m_hot, hot); }
void NeloComboBoxButton::SetHoverEffect(int hover) { SetFlag(m_hover, hover); }

void NeloComboBoxButton::SetColours(const ComboButtonColours& colours) {
    m_colours = colours;
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

LRESULT NeloComboBoxButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_NCHITTEST:
            // Every mouse event over the button belongs to the combo below.
            return HTTRANSPARENT;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT:
            Tavrin::PaintClient(*this, *this);
            return 0;
        case WM_PRINTCLIENT: {
            RECT client{};
            ::GetClientRect(m_hWnd, &client);
            PaintClient(reinterpret_cast<HDC>(wParam), client);
            return 0;
        }
        default:
            return CStatic::WindowProc(message, wParam, lParam);
        }
    } catch (...) {
        return 0;
    }
}

void NeloComboBoxButton::PaintClient(HDC dc, const RECT& client) {
    SkinPaintBuffer buffer(dc, client);
    if (!buffer.IsValid())
        return;
    const ButtonLookColours& look = !m_enabled ? kDisabled : m_pressed ? kPressed : (m_hot && m_hover) ? kHot : kNormal;
    const int w = buffer.Width();
    const int h = buffer.Height();
    Gdiplus::Graphics& g = buffer.Graphics();
    FillGradient(g, Gdiplus::Rect(0, 0, w, h), m_colours[look.from], m_colours[look.to],
                 GradientDirection::LeftToRight);

    const geometry::ComboChevron chevron = geometry::LayoutComboChevron(w, h, m_pressed != 0);
    Gdiplus::Pen arrow(Gdiplus::Color(ToArgb(m_colours[look.arrow])), 1.0f);
    for (const auto& line : chevron.lines) {
        Gdiplus::Point points[3];
        for (int i = 0; i < 3; ++i)
            points[i] = Gdiplus::Point(line[i].x, line[i].y);
        g.DrawLines(&arrow, points, 3);
    }

    Gdiplus::GraphicsPath outline;
    AddRoundRectPath(buffer.LocalRect(), 1, &outline);
    Gdiplus::Pen pen(Gdiplus::Color(ToArgb(m_colours[look.outline])), 1.0f);
    g.DrawPath(&pen, &outline);
    buffer.Present();
}

// ---- Static part ------------------------------------------------------------

NeloComboBoxStatic::NeloComboBoxStatic()
    : m_colours{{RGB(250, 250, 250), RGB(236, 233, 216), RGB(6, 45, 117), RGB(172, 168, 153)}} {}
NeloComboBoxStatic::~NeloComboBoxStatic() = default;

BOOL NeloComboBoxStatic::Create(CWnd* combo, const RECT& rect, int enabled, int focusLook, const CString& text) {
    if (!CStatic::Create(L"", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE | SS_LEFTNOWORDWRAP, rect, combo, 0xFFFF))
        return FALSE;
    m_enabled = enabled ? 1 : 0;
    ::EnableWindow(m_hWnd, m_enabled);
    m_focusLook = focusLook ? 1 : 0;
    SetWindowText(text);
    return TRUE;
}

void NeloComboBoxStatic::SetColours(COLORREF back, COLORREF backDisabled, COLORREF text, COLORREF textDisabled) {
    m_colours = {{back, backDisabled, text, textDisabled}};
    if (m_hWnd) {
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        PaintIconArea();
    }
}

void NeloComboBoxStatic::SetImageList(HIMAGELIST list) {
    m_image.list.CopyFrom(list);
}

void NeloComboBoxStatic::SetImage(int image) {
    SetPartImage(m_hWnd, m_image, image);
}

void NeloComboBoxStatic::SetFocusLook(int focus) {
    focus = focus ? 1 : 0;
    if (focus == m_focusLook)
        return;
    m_focusLook = focus;
    if (m_hWnd) {
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        PaintIconArea();
    }
}

void NeloComboBoxStatic::SetEnabled(int enabled) {
    m_enabled = enabled ? 1 : 0;
    if (m_hWnd) {
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        PaintIconArea();
    }
}

COLORREF NeloComboBoxStatic::Background() const {
    if (!m_enabled)
        return m_colours[1];
    if (m_focusLook && ::GetWindowTextLengthW(m_hWnd) > 0)
        return RGB(48, 109, 192);
    return m_colours[0];
}

COLORREF NeloComboBoxStatic::TextColour() const {
    if (!m_enabled)
        return m_colours[3];
    if (m_focusLook && ::GetWindowTextLengthW(m_hWnd) > 0)
        return RGB(248, 248, 248);
    return m_colours[2];
}

LRESULT NeloComboBoxStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_NCCALCSIZE: {
            const LRESULT result = CStatic::WindowProc(message, wParam, lParam);
            RECT* r = reinterpret_cast<RECT*>(lParam);
            if (r)
                r->left = std::min<LONG>(r->left + m_image.areaWidth, r->right);
            return result;
        }
        case WM_NCPAINT:
            PaintIconArea();
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT:
            Tavrin::PaintClient(*this, *this);
            PaintIconArea();
            return 0;
        case WM_SETTEXT: {
            const LRESULT result = CStatic::WindowProc(message, wParam, lParam);
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
            PaintIconArea();
            return result;
        }
        case WM_ENABLE:
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
            return CStatic::WindowProc(message, wParam, lParam);
        default:
            return CStatic::WindowProc(message, wParam, lParam);
        }
    } catch (...) {
        return 0;
    }
}

void NeloComboBoxStatic::PaintClient(HDC dc, const RECT& client) {
    FillRectWith(dc, client, Background());
    const int length = ::GetWindowTextLengthW(m_hWnd);
    if (length <= 0)
        return;
    std::vector<wchar_t> text(length + 1);
    ::GetWindowTextW(m_hWnd, text.data(), length + 1);
    ScopedSelectObject font(dc, WindowFont(m_hWnd));
    const int saved = ::SaveDC(dc);
    const int height = client.bottom - client.top;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, TextColour());
    // The text starts a little in from the edge; the clip keeps it two pixels
    // off every side (three on the right).
    RECT clip{client.left + 2, client.top + 2, client.right - 3, client.bottom - 2};
    ::IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    ::SetViewportOrgEx(dc, geometry::ComboStaticTextIndent(height), 0, nullptr);
    RECT textRect = client;
    ::DrawTextW(dc, text.data(), length, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::RestoreDC(dc, saved);
}

void NeloComboBoxStatic::PaintIconArea() {
    if (!m_hWnd || m_image.areaWidth <= 0 || !m_image.list.Get())
        return;
    HDC dc = ::GetWindowDC(m_hWnd);
    if (!dc)
        return;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const RECT area{0, 0, m_image.areaWidth, client.bottom};
    FillRectWith(dc, area, Background());
    if (m_image.image >= 0)
        ImageList_Draw(m_image.list.Get(), m_image.image, dc, 0,
                       geometry::ComboStaticImageTop(client.bottom, m_image.list.ImageSize().cy), ILD_NORMAL);
    ::ReleaseDC(m_hWnd, dc);
}

// ---- Edit part --------------------------------------------------------------

NeloComboBoxEdit::NeloComboBoxEdit() : m_back(RGB(250, 250, 250)), m_backDisabled(RGB(236, 233, 216)) {}
NeloComboBoxEdit::~NeloComboBoxEdit() {
    Detach();
}

BOOL NeloComboBoxEdit::Attach(HWND edit, CWnd* combo) {
    if (!edit || !SubclassWindow(edit))
        return FALSE;
    m_combo = combo;
    return TRUE;
}

void NeloComboBoxEdit::Detach() {
    if (m_hWnd)
        UnsubclassWindow();
    m_combo = nullptr;
}

void NeloComboBoxEdit::SetBackColours(COLORREF back, COLORREF backDisabled) {
    m_back = back;
    m_backDisabled = backDisabled;
    if (m_hWnd)
        PaintNonClient();
}

void NeloComboBoxEdit::SetImageList(HIMAGELIST list) {
    m_image.list.CopyFrom(list);
}

void NeloComboBoxEdit::SetImage(int image) {
    SetPartImage(m_hWnd, m_image, image);
}

void NeloComboBoxEdit::RemoveImage() {
    if (m_image.areaWidth <= 0)
        return;
    m_image.areaWidth = 0;
    m_image.image = -1;
    if (m_hWnd)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, kFrameFlags);
}

LRESULT NeloComboBoxEdit::SendCombo(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND combo = m_combo ? m_combo->GetSafeHwnd() : nullptr;
    return combo ? ::SendMessageW(combo, message, wParam, lParam) : 0;
}

// Keys and the wheel reach the combo first, as its own registered message;
// what the combo takes goes no further.
static UINT ComboMessageFor(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
        return KEY_DOWN_NELO_COMBO_BOX_MSG;
    case WM_CHAR:
        return CHAR_NELO_COMBO_BOX_MSG;
    case WM_SYSKEYDOWN:
        return SYSTEM_KEY_DOWN_NELO_COMBO_BOX_MSG;
    case WM_MOUSEWHEEL:
        return MOUSE_WHEEL_NELO_COMBO_BOX_MSG;
    default:
        return 0;
    }
}

LRESULT NeloComboBoxEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        HWND combo = m_combo ? m_combo->GetSafeHwnd() : nullptr;
        switch (message) {
        case WM_KILLFOCUS: {
            if (!InDropWindow(combo, reinterpret_cast<HWND>(wParam)))
                SendCombo(DROP_DOWN_CLOSE_NELO_COMBO_BOX_MSG, 0, 1);
            if (combo)
                ::InvalidateRect(combo, nullptr, FALSE);
            break;
        }
        case WM_SETFOCUS:
            if (combo)
                ::InvalidateRect(combo, nullptr, FALSE);
            break;
        case WM_SETTEXT: {
            const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, kFrameFlags);
            SendCombo(SET_TEXT_NELO_COMBO_BOX_MSG, wParam, lParam);
            return result;
        }
        case WM_CUT:
        case WM_COPY:
        case WM_PASTE:
        case WM_CONTEXTMENU: {
            if (!SendCombo(ENABLE_COPY_PASTE_NELO_COMBO_BOX_MSG, wParam, lParam))
                return 0;
            const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
            if (message == WM_PASTE && combo)
                ::PostMessageW(combo, FILTER_NELO_COMBO_BOX_MSG, 0, 0);
            return result;
        }
        case WM_NCCALCSIZE:
            if (wParam) {
                // The rectangle is in the combo's client coordinates: the text
                // starts after the icon area, sits lowered to y = 4 and ends
                // at the button.
                NCCALCSIZE_PARAMS* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
                RECT& r = params->rgrc[0];
                r.left = std::min<LONG>(r.left + m_image.areaWidth, r.right);
                r.top = std::min<LONG>(std::max<LONG>(r.top, 4), r.bottom);
                if (m_textRight > 0)
                    r.right = std::max<LONG>(r.left, std::min<LONG>(r.right, m_textRight));
                return 0;
            }
            PaintNonClient();
            return 0;
        case WM_NCPAINT:
            PaintNonClient();
            return 0;
        case WM_GETDLGCODE:
            if (SendCombo(GET_DLG_CODE_NELO_COMBO_BOX_MSG, wParam, lParam))
                return DLGC_WANTALLKEYS;
            break;
        case WM_KEYDOWN:
        case WM_CHAR:
        case WM_SYSKEYDOWN:
        case WM_MOUSEWHEEL:
            if (SendCombo(ComboMessageFor(message), wParam, lParam))
                return 0;
            break;
        case WM_MOUSEMOVE:
            if (combo) {
                POINT p = PointFromLParam(lParam);
                ::MapWindowPoints(m_hWnd, combo, &p, 1);
                ::SendMessageW(combo, WM_MOUSEMOVE, wParam, MAKELPARAM(p.x, p.y));
            }
            break;
        default:
            break;
        }
        return CEdit::WindowProc(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

void NeloComboBoxEdit::PaintNonClient() {
    HDC dc = ::GetWindowDC(m_hWnd);
    if (!dc)
        return;
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const RECT window = WindowRectOf(m_hWnd);
    POINT origin{0, 0};
    ::ClientToScreen(m_hWnd, &origin);
    RECT inner = client;
    ::OffsetRect(&inner, origin.x - window.left, origin.y - window.top);
    const RECT whole{0, 0, window.right - window.left, window.bottom - window.top};
    HWND combo = m_combo ? m_combo->GetSafeHwnd() : nullptr;
    const bool enabled = !combo || ::IsWindowEnabled(combo);
    HBRUSH brush = combo ? reinterpret_cast<HBRUSH>(::SendMessageW(combo, WM_CTLCOLOREDIT,
                                                                   reinterpret_cast<WPARAM>(dc),
                                                                   reinterpret_cast<LPARAM>(m_hWnd)))
                         : nullptr;
    if (!brush)
        brush = SkinResourceCache::GetSolidBrush(enabled ? m_back : m_backDisabled);
    const int saved = ::SaveDC(dc);
    // Everything around the text: the strip above the lowered line and what
    // lies right of it; the icon area is painted over afterwards.
    ::ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    ::FillRect(dc, &whole, brush);
    ::RestoreDC(dc, saved);
    if (m_image.areaWidth > 0) {
        const RECT area{0, 0, m_image.areaWidth, whole.bottom};
        FillRectWith(dc, area, enabled ? m_back : m_backDisabled);
        if (m_image.image >= 0 && m_image.list.Get())
            ImageList_Draw(m_image.list.Get(), m_image.image, dc, 0,
                           geometry::ComboEditImageTop(client.bottom, m_image.list.ImageSize().cy), ILD_NORMAL);
    }
    ::ReleaseDC(m_hWnd, dc);
}

// ---- Drop list --------------------------------------------------------------

BEGIN_MESSAGE_MAP(NeloComboBoxListCtrl, NeloListCtrl)
ON_NOTIFY_REFLECT(LVN_GETDISPINFOW, &NeloComboBoxListCtrl::OnGetDispInfo)
END_MESSAGE_MAP()

NeloComboBoxListCtrl::NeloComboBoxListCtrl() = default;
NeloComboBoxListCtrl::~NeloComboBoxListCtrl() = default;

LRESULT NeloComboBoxListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETFOCUS) {
        // The drop list never keeps the focus (its scroll bar hands it the
        // focus when pressed): it stays with the combo, whose list stays
        // open.
        const LRESULT result = NeloListCtrl::WindowProc(message, wParam, lParam);
        HWND previous = reinterpret_cast<HWND>(wParam);
        if (previous && ::IsWindow(previous))
            ::SetFocus(previous);
        return result;
    }
    if (message == WM_MOUSEACTIVATE)
        return MA_NOACTIVATE;
    if (message == WM_SIZE && m_setUp) {
        // The one column spans the rows whenever the bar area comes or goes
        // (the list learns only after showing whether it needs a bar).
        const LRESULT result = NeloListCtrl::WindowProc(message, wParam, lParam);
        FitColumn();
        return result;
    }
    return NeloListCtrl::WindowProc(message, wParam, lParam);
}

void NeloComboBoxListCtrl::PreSubclassWindow() {
    // While the list is being created the list view does not exist yet:
    // its set-up runs from CreateList once it does.
    if (m_setUp)
        NeloListCtrl::PreSubclassWindow();
}

BOOL NeloComboBoxListCtrl::CreateList(CWnd* dropWindow, int width, int height) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LVS_REPORT | LVS_SINGLESEL |
                        LVS_SHOWSELALWAYS | LVS_OWNERDRAWFIXED | LVS_OWNERDATA | LVS_NOCOLUMNHEADER |
                        LVS_SHAREIMAGELISTS;
    m_setUp = 0;
    const RECT rect{0, -1, width, height};
    if (!NeloListCtrl::Create(style, rect, dropWindow, 1))
        return FALSE;
    m_setUp = 1;
    NeloListCtrl::PreSubclassWindow();
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, static_cast<WPARAM>(-1), LVS_EX_FULLROWSELECT);
    InsertColumn(0, L"", LVCFMT_LEFT, width, -1);
    ShowSplitLine(0);
    ShowHoverEffect(1, 0);
    ShowStripeRow(0);
    return TRUE;
}

int NeloComboBoxListCtrl::SourceCount() const {
    if (!m_source || !::IsWindow(m_source))
        return 0;
    return std::max(0, static_cast<int>(::SendMessageW(m_source, LB_GETCOUNT, 0, 0)));
}

int NeloComboBoxListCtrl::PrepareItemCount() {
    const int count = SourceCount();
    if (m_hWnd) {
        DeleteAllItems();
        SendMessage(LVM_SETITEMCOUNT, count, LVSICF_NOINVALIDATEALL);
    }
    return count;
}

void NeloComboBoxListCtrl::SelectOnly(int item) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (item < 0)
        return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&state));
}

void NeloComboBoxListCtrl::ShowAtTop(int item, bool select) {
    const int count = GetItemCount();
    if (count <= 0)
        return;
    item = std::max(0, std::min(item, count - 1));
    if (select) {
        SelectOnly(item);
    } else {
        // Select and deselect: the focus stays on the item, nothing is
        // selected.
        SelectOnly(item);
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED;
        SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&state));
    }
    if (count >= 2) {
        // To the end first, then back: the item lands at the top.
        SendMessage(LVM_ENSUREVISIBLE, count - 1, FALSE);
        SendMessage(LVM_ENSUREVISIBLE, item, FALSE);
    }
}

void NeloComboBoxListCtrl::MarkSelected(int item) {
    if (!m_hWnd || GetItemCount() <= 0)
        return;
    SendMessage(LVM_ENSUREVISIBLE, item < 0 ? 0 : item, FALSE);
    SelectOnly(item);
}

void NeloComboBoxListCtrl::PrepareShow() {
    const int selection = m_source ? static_cast<int>(::SendMessageW(m_source, LB_GETCURSEL, 0, 0)) : -1;
    ShowAtTop(selection < 0 ? 0 : selection, selection >= 0);
    FitColumn();
}

void NeloComboBoxListCtrl::FitColumn() {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int width = client.right + ((GetStyle() & WS_VSCROLL) ? 0 : 1);
    if (GetColumnCount() > 0 && ListView_GetColumnWidth(m_hWnd, 0) != width)
        SendMessage(LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(width, 0));
}

int NeloComboBoxListCtrl::ContentWidth() {
    const int count = SourceCount();
    if (!m_hWnd || count <= 0)
        return 0;
    HDC dc = ::GetDC(m_hWnd);
    if (!dc)
        return 0;
    int widest = 0;
    {
        ScopedSelectObject font(dc, WindowFont(m_hWnd));
        const bool bar = (GetStyle() & WS_VSCROLL) != 0;
        for (int i = 0; i < count; ++i) {
            const int length = static_cast<int>(::SendMessageW(m_source, LB_GETTEXTLEN, i, 0));
            std::vector<wchar_t> text(std::max(0, length) + 1);
            if (length > 0)
                ::SendMessageW(m_source, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
            SIZE size{};
            ::GetTextExtentPoint32W(dc, text.data(), std::max(0, length), &size);
            widest = std::max(widest, geometry::DropItemWidth(size.cx, GetItemImage(i) >= 0, bar));
        }
    }
    ::ReleaseDC(m_hWnd, dc);
    return widest;
}

int NeloComboBoxListCtrl::GetItemImage(int item) const {
    const auto found = m_images.find(item);
    return found == m_images.end() ? -1 : found->second;
}

int NeloComboBoxListCtrl::SetItemImageOf(int item, int image) {
    if (item < -1 || item > SourceCount() - 1)
        return 0;
    m_images[item] = image;
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    return 1;
}

void NeloComboBoxListCtrl::ShiftItemImages(int item, int delta) {
    std::map<int, int> moved;
    for (const auto& entry : m_images) {
        if (entry.first < item)
            moved.insert(entry);
        else if (delta > 0)
            moved[entry.first + delta] = entry.second;
        else if (entry.first > item)
            moved[entry.first + delta] = entry.second;
    }
    m_images.swap(moved);
}

int NeloComboBoxListCtrl::SelectedItem() {
    if (!m_hWnd)
        return -1;
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void NeloComboBoxListCtrl::OnGetDispInfo(NMHDR* header, LRESULT* result) {
    NMLVDISPINFOW* info = reinterpret_cast<NMLVDISPINFOW*>(header);
    LVITEMW& item = info->item;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        item.pszText[0] = L'\0';
        const int length = m_source ? static_cast<int>(::SendMessageW(m_source, LB_GETTEXTLEN, item.iItem, 0)) : -1;
        if (length >= 0) {
            std::vector<wchar_t> text(length + 1);
            ::SendMessageW(m_source, LB_GETTEXT, item.iItem, reinterpret_cast<LPARAM>(text.data()));
            lstrcpynW(item.pszText, text.data(), item.cchTextMax);
        }
    }
    if (item.mask & LVIF_IMAGE) {
        const auto found = m_images.find(item.iItem);
        if (found != m_images.end())
            item.iImage = found->second;
    }
    *result = 0;
}

bool NeloComboBoxListCtrl::OnScrollBar(POINT screen) const {
    if (!m_hWnd || !(GetStyle() & WS_VSCROLL))
        return false;
    return ::SendMessageW(m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y)) == HTVSCROLL;
}

int NeloComboBoxListCtrl::ItemAt(POINT screen) {
    POINT client = screen;
    ::ScreenToClient(m_hWnd, &client);
    RECT area{};
    ::GetClientRect(m_hWnd, &area);
    if (!::PtInRect(&area, client))
        return -2;
    LVHITTESTINFO hit{};
    hit.pt = client;
    return static_cast<int>(SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

NeloScrollBar* NeloComboBoxListCtrl::ShownBar() const {
    NeloScrollBar* bar = VerticalBar();
    return bar && bar->GetSafeHwnd() && ::IsWindowVisible(bar->GetSafeHwnd()) ? bar : nullptr;
}

bool NeloComboBoxListCtrl::LButtonDown(POINT screen) {
    if (NeloScrollBar* bar = ShownBar()) {
        if (bar->LButtonDown(CPoint(screen)) >= 0)
            return true;
    } else if (OnScrollBar(screen)) {
        // The system's bar tracks the button itself until it is released;
        // the drop window takes the capture back afterwards.
        m_scrolling = 1;
        ::SendMessageW(m_hWnd, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(screen.x, screen.y));
        m_scrolling = 0;
        return true;
    }
    m_pressedInside = 1;
    return false;
}

void NeloComboBoxListCtrl::MouseMove(POINT screen) {
    if (NeloScrollBar* bar = ShownBar()) {
        if (bar->MouseMove(CPoint(screen)) >= 0)
            return;
    }
    const int item = ItemAt(screen);
    if (item >= 0 && item != SelectedItem())
        SelectOnly(item);
}

void NeloComboBoxListCtrl::LButtonUp(POINT screen) {
    if (NeloScrollBar* bar = ShownBar()) {
        if (bar->LButtonUp(CPoint(screen)) >= 0) {
            m_pressedInside = 0;
            return;
        }
    }
    if (!m_pressedInside)
        return;
    m_pressedInside = 0;
    if (ItemAt(screen) < -1)
        return;
    MouseMove(screen);
    const int selected = SelectedItem();
    if (selected >= 0) {
        if (HWND parent = ::GetParent(m_hWnd))
            ::SendMessageW(parent, SELECT_ITEM_NELO_COMBO_BOX_MSG, selected, GetItemImage(selected));
    }
}

// ---- Drop window ------------------------------------------------------------

NeloComboBoxDropWnd::NeloComboBoxDropWnd() = default;
NeloComboBoxDropWnd::~NeloComboBoxDropWnd() {
    if (m_hWnd)
        DestroyWindow();
}

BOOL NeloComboBoxDropWnd::Create(CWnd* combo, const RECT& screen) {
    LPCTSTR className = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr);
    const int width = screen.right - screen.left;
    const int height = screen.bottom - screen.top;
    if (!CreateEx(WS_EX_TOOLWINDOW, className, L"", WS_POPUP, screen.left, screen.top, width, height,
                  ::GetDesktopWindow(), nullptr))
        return FALSE;
    if (!m_list.CreateList(this, width, height + 1)) {
        DestroyWindow();
        return FALSE;
    }
    m_maxHeight = height;
    m_combo = combo;
    return TRUE;
}

void NeloComboBoxDropWnd::RaiseMaxHeight(int height) {
    m_maxHeight = std::max(m_maxHeight, height);
}

void NeloComboBoxDropWnd::Show(bool show, const RECT& comboScreen) {
    if (!m_hWnd)
        return;
    if (!show) {
        // Hidden first, so that the capture's loss is not taken for a close.
        m_shown = 0;
        ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        return;
    }
    const int count = m_list.PrepareItemCount();
    const int width = geometry::DropListWidth(comboScreen.right - comboScreen.left, m_list.ContentWidth(),
                                              m_fixedWidth != 0);
    const int height = geometry::DropListHeight(count, m_list.GetRowHeight(), m_maxHeight);
    HMONITOR monitor = ::MonitorFromRect(&comboScreen, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{sizeof(info)};
    RECT work{};
    if (monitor && ::GetMonitorInfoW(monitor, &info))
        work = info.rcWork;
    else
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const geometry::DropPlacement place = geometry::PlaceDropWindow(comboScreen, work, width, height);
    const RECT& r = place.window;
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_SHOWWINDOW | SWP_NOACTIVATE);
    m_list.MoveWindow(0, 0, r.right - r.left, place.listHeight, TRUE);
    m_list.PrepareShow();
    m_shown = 1;
    ::SetCapture(m_hWnd);
}

LRESULT NeloComboBoxDropWnd::SendCombo(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND combo = m_combo ? m_combo->GetSafeHwnd() : nullptr;
    return combo ? ::SendMessageW(combo, message, wParam, lParam) : 0;
}

void NeloComboBoxDropWnd::OnButtonDown(POINT screen) {
    POINT client = screen;
    ::ScreenToClient(m_hWnd, &client);
    RECT area{};
    ::GetClientRect(m_hWnd, &area);
    if (::PtInRect(&area, client)) {
        if (m_list.LButtonDown(screen) && m_shown && ::GetCapture() != m_hWnd)
            ::SetCapture(m_hWnd);
        return;
    }
    SendCombo(DROP_DOWN_CLOSE_NELO_COMBO_BOX_MSG, reinterpret_cast<WPARAM>(&screen), 1);
}

void NeloComboBoxDropWnd::OnButtonUp(POINT screen) {
    SendCombo(LBUTTON_UP_NELO_COMBO_BOX_MSG, reinterpret_cast<WPARAM>(&screen), 0);
    m_list.LButtonUp(screen);
}

void NeloComboBoxDropWnd::OnMove(POINT screen) {
    SendCombo(MOUSE_MOVE_NELO_COMBO_BOX_MSG, reinterpret_cast<WPARAM>(&screen), 0);
    m_list.MouseMove(screen);
}

LRESULT NeloComboBoxDropWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == SELECT_ITEM_NELO_COMBO_BOX_MSG)
            return SendCombo(message, wParam, lParam);
        switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_MOUSEMOVE: {
            const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
            POINT screen = PointFromLParam(lParam);
            ::ClientToScreen(m_hWnd, &screen);
            if (message == WM_MOUSEMOVE)
                OnMove(screen);
            else if (message == WM_LBUTTONUP)
                OnButtonUp(screen);
            else
                OnButtonDown(screen);
            return result;
        }
        case WM_CAPTURECHANGED:
            // Another window took the mouse (a message box, a menu, another
            // program): the list closes rather than stay open without input.
            if (m_shown && !m_list.IsScrolling() && reinterpret_cast<HWND>(lParam) != m_hWnd)
                SendCombo(DROP_DOWN_CLOSE_NELO_COMBO_BOX_MSG, 0, 1);
            return 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } catch (...) {
        return 0;
    }
}

// ---- Parts holder -----------------------------------------------------------

void ComboBoxParts::DestroyWindows() {
    if (drop && drop->GetSafeHwnd())
        drop->DestroyWindow();
    if (button && button->GetSafeHwnd())
        button->DestroyWindow();
    if (staticPart && staticPart->GetSafeHwnd())
        staticPart->DestroyWindow();
    if (edit)
        edit->Detach();
}

} // namespace Tavrin

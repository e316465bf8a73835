#include "NeloMenu.h"

#include "MenuWindowParts.h"
#include "NeloMenuPopupWnd.h"
#include "SkinDrawing.h"
#include "SkinControlSetters.h"
#include "SkinWindow.h"

#include <commctrl.h>

#include <algorithm>

namespace Tavrin {

namespace {

const wchar_t kBarClass[] = L"NeloMenuWnd";
// Posted to an orphaned bar once the press that opened a popup has returned.
const UINT WM_RELEASE_ORPHAN = WM_APP + 0x4D;
// Posted to a bar to open an item from the keyboard (wParam: its position).
const UINT WM_OPEN_BY_KEY = WM_APP + 0x4E;

// The bars of the GUI thread, for the access-key hook.
std::vector<NeloMenuWnd*>& LiveBars() {
    static std::vector<NeloMenuWnd*> bars;
    return bars;
}
HHOOK g_accessKeyHook = nullptr;

// The character an item's text marks with a single ampersand, 0 for none.
wchar_t AccessKey(const CString& text) {
    for (int i = 0; i + 1 < text.GetLength(); ++i) {
        if (text[i] != L'&')
            continue;
        if (text[i + 1] != L'&') {
            wchar_t key = text[i + 1];
            ::CharUpperBuffW(&key, 1);
            return key;
        }
        ++i;
    }
    return 0;
}

} // namespace

// ---- MenuImageTable ---------------------------------------------------------

MenuImageTable::~MenuImageTable() {
    for (auto& entry : m_images)
        Free(entry.second);
}

void MenuImageTable::Free(MenuItemImage& image) {
    if (image.bitmap)
        ::DeleteObject(image.bitmap);
    if (image.icon)
        ::DestroyIcon(image.icon);
    image.bitmap = nullptr;
    image.icon = nullptr;
}

MenuItemImage& MenuImageTable::Fresh(UINT commandId) {
    MenuItemImage& image = m_images[commandId];
    Free(image);
    return image;
}

const MenuItemImage* MenuImageTable::Find(UINT commandId) const {
    auto found = m_images.find(commandId);
    return found == m_images.end() ? nullptr : &found->second;
}

// ---- NeloMenu -------------------------------------------------------------

NeloMenu::NeloMenu()
    : m_ignoreFirstButtonUp(0), m_imageTable(std::make_shared<MenuImageTable>()), m_font(nullptr),
      m_colors(DefaultColorInfo()), m_itemHeight(24), m_menuBar(nullptr), m_subMenuCache(nullptr),
      m_activePopup(nullptr), m_alive(std::make_shared<int>(1)) {
    SetFont(L"Arial", 10, 0);
}

NeloMenu::~NeloMenu() {
    *m_alive = 0;
    try {
        if (m_activePopup)
            m_activePopup->CloseAll();
        DeleteMenuBar();
        if (m_subMenuCache) {
            m_subMenuCache->Detach();
            delete m_subMenuCache;
        }
    } catch (...) {
    }
}

_MenuColorInfo NeloMenu::DefaultColorInfo() {
    return _MenuColorInfo{RGB(252, 252, 254), RGB(236, 233, 216), RGB(0, 192, 232),   RGB(236, 233, 216),
                          RGB(245, 245, 245), RGB(140, 207, 212), RGB(210, 217, 237), RGB(121, 180, 219),
                          RGB(6, 45, 117),    RGB(250, 250, 250), RGB(176, 176, 168), RGB(6, 45, 117),
                          RGB(250, 250, 250), RGB(176, 176, 168), RGB(6, 45, 117),    RGB(250, 250, 250),
                          RGB(176, 176, 168)};
}

void NeloMenu::DeleteMenuBar() {
    NeloMenuWnd* bar = m_menuBar;
    m_menuBar = nullptr;
    if (bar)
        bar->Release();
}

int NeloMenu::SetMenuBar(CWnd* window) {
    try {
        DeleteMenuBar();
        if (!window || !window->GetSafeHwnd() || !m_hMenu)
            return 0;
        ::SetMenu(window->GetSafeHwnd(), nullptr);
        NeloMenuWnd* bar = new NeloMenuWnd;
        if (!bar->Create(this, window)) {
            delete bar;
            return 0;
        }
        m_menuBar = bar;
        return 1;
    } catch (...) {
        return 0;
    }
}

int NeloMenu::SetMenuColorInfo(const _MenuColorInfo& info) {
    m_colors = info;
    if (m_menuBar && m_menuBar->GetSafeHwnd()) {
        ::InvalidateRect(m_menuBar->GetSafeHwnd(), nullptr, FALSE);
        RedrawFrame(m_menuBar->GetSafeHwnd());
    }
    return 1;
}

int NeloMenu::GetMenuColorInfo(_MenuColorInfo& info) {
    return CopyColourRecord(m_colors, info);
}

int NeloMenu::SetMenuItemHeight(const int& height) {
    if (height < 15 || height > 35)
        return 0;
    if (height == m_itemHeight)
        return 1;
    if (m_menuBar && m_menuBar->GetSafeHwnd()) {
        const RECT bar = WindowRectOf(m_menuBar->GetSafeHwnd());
        ::SetWindowPos(m_menuBar->GetSafeHwnd(), nullptr, 0, 0, bar.right - bar.left, height + 2,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        ::InvalidateRect(m_menuBar->GetSafeHwnd(), nullptr, FALSE);
    }
    m_itemHeight = height;
    return 1;
}

int NeloMenu::GetMenuItemHeight() {
    return m_itemHeight;
}

int NeloMenu::SetFont(const CString& faceName, const int& pointSize, int bold) {
    HFONT font = SkinFont(faceName, pointSize, bold);
    if (!font)
        return 0;
    m_font = font;
    if (m_menuBar) {
        m_menuBar->SetBarFont(font);
        if (m_menuBar->GetSafeHwnd())
            ::InvalidateRect(m_menuBar->GetSafeHwnd(), nullptr, FALSE);
    }
    return 1;
}

void NeloMenu::TakeLooksOf(const NeloMenu& other) {
    m_colors = other.m_colors;
    m_itemHeight = other.m_itemHeight;
    m_font = other.m_font;
    m_imageTable = other.m_imageTable;
}

NeloMenu* NeloMenu::GetSubMenu(const int& position) {
    try {
        HMENU sub = m_hMenu ? ::GetSubMenu(m_hMenu, position) : nullptr;
        if (!sub)
            return nullptr;
        if (!m_subMenuCache)
            m_subMenuCache = new NeloMenu;
        m_subMenuCache->Detach();
        m_subMenuCache->Attach(sub);
        m_subMenuCache->TakeLooksOf(*this);
        m_subMenuCache->m_ignoreFirstButtonUp = 0;
        return m_subMenuCache;
    } catch (...) {
        return nullptr;
    }
}

int NeloMenu::TrackPopupMenu(unsigned int flags, const int& x, const int& y, CWnd* owner) {
    try {
        if (!owner || !owner->GetSafeHwnd() || !m_hMenu)
            return 0;
        return TrackPopup(flags, POINT{x, y}, owner, -1);
    } catch (...) {
        return 0;
    }
}

int NeloMenu::TrackPopup(unsigned int flags, POINT at, CWnd* owner, int initialHot) {
    const HWND ownerWindow = owner->GetSafeHwnd();
    NeloMenuPopupWnd popup;
    NeloMenuPopupWnd::RunArgs args;
    args.menu = this;
    args.owner = ownerWindow;
    args.font = m_font;
    args.flags = flags;
    args.at = at;
    args.ignoreFirstButtonUp = m_ignoreFirstButtonUp;
    args.initialHot = initialHot;
    m_activePopup = &popup;
    // A handler run by the popup's loop may delete this menu.
    const std::shared_ptr<int> alive = m_alive;
    const int ran = popup.Run(args);
    if (*alive)
        m_activePopup = nullptr;
    // The command goes out once every level has closed and the capture is
    // released, so its handler may open a modal dialog that gets the mouse.
    const UINT chosen = popup.ChosenCommand();
    if (ran && chosen != 0 && chosen != static_cast<UINT>(-1) && !(flags & TPM_RETURNCMD) &&
        ::IsWindow(ownerWindow))
        ::PostMessageW(ownerWindow, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return ran;
}

int NeloMenu::SetMenuItemBitmap(const unsigned int& commandId, HBITMAP bitmap, unsigned long maskColor) {
    try {
        if (!m_imageTable)
            return 0;
        MenuItemImage& image = m_imageTable->Fresh(commandId);
        image.icon = nullptr;
        image.iconSmall = 1;
        image.bitmap = bitmap ? static_cast<HBITMAP>(::CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr;
        if (!image.bitmap) {
            image.kind = MenuItemImage::None;
            image.maskColor = RGB(255, 255, 255);
            return 0;
        }
        image.kind = MenuItemImage::Bitmap;
        image.maskColor = maskColor;
        return 1;
    } catch (...) {
        return 0;
    }
}

int NeloMenu::SetMenuItemIcon(const unsigned int& commandId, HICON icon, int small) {
    try {
        if (!m_imageTable)
            return 0;
        MenuItemImage& image = m_imageTable->Fresh(commandId);
        image.bitmap = nullptr;
        image.maskColor = RGB(255, 255, 255);
        image.icon = icon ? static_cast<HICON>(::CopyImage(icon, IMAGE_ICON, 0, 0, 0)) : nullptr;
        if (!image.icon) {
            image.kind = MenuItemImage::None;
            image.iconSmall = 1;
            return 0;
        }
        image.kind = MenuItemImage::Icon;
        image.iconSmall = small;
        return 1;
    } catch (...) {
        return 0;
    }
}

// ---- NeloMenuWnd ----------------------------------------------------------

BEGIN_MESSAGE_MAP(NeloMenuWnd, CWnd)
ON_WM_PAINT()
ON_WM_PRINTCLIENT()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_LBUTTONDOWN()
ON_MESSAGE(WM_RELEASE_ORPHAN, &NeloMenuWnd::OnReleaseOrphan)
ON_MESSAGE(WM_OPEN_BY_KEY, &NeloMenuWnd::OnOpenByKey)
END_MESSAGE_MAP()

NeloMenuWnd::NeloMenuWnd()
    : m_menu(nullptr), m_owner(nullptr), m_keyWindow(nullptr), m_font(nullptr),
      m_hotIndex(-1), m_hotItemRect{0, 0, 0, 0}, m_openDepth(0), m_orphan(false) {}

NeloMenuWnd::~NeloMenuWnd() {
    UnhookOwner();
}

LRESULT NeloMenuWnd::OnOpenByKey(WPARAM wParam, LPARAM) {
    OpenItem(static_cast<int>(wParam), true);
    return 0;
}

int NeloMenuWnd::ItemForAccessKey(wchar_t key) const {
    if (!m_menu || !m_menu->m_hMenu || m_openDepth > 0 || !::IsWindowVisible(m_hWnd) ||
        !::IsWindowEnabled(m_keyWindow))
        return -1;
    const wchar_t wanted = AccessKey(CString(L"&") + key);
    for (const geometry::MenuBarItem& item : Layout())
        if (AccessKey(MenuItemText(m_menu->m_hMenu, item.position)) == wanted &&
            ::GetSubMenu(m_menu->m_hMenu, item.position))
            return item.position;
    return -1;
}

// Alt with a letter arrives as WM_SYSCHAR at the focused control, whose
// default handling may never tell the top-level window: the bar of that
// window takes the key before it is dispatched, when one of its items has
// that access key.
LRESULT CALLBACK NeloMenuWnd::AccessKeyHook(int code, WPARAM wParam, LPARAM lParam) {
    try {
        MSG* msg = reinterpret_cast<MSG*>(lParam);
        if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_SYSCHAR && msg->wParam != L' ') {
            const HWND root = ::GetAncestor(msg->hwnd, GA_ROOT);
            for (NeloMenuWnd* bar : LiveBars()) {
                if (bar->m_keyWindow != root)
                    continue;
                const int position = bar->ItemForAccessKey(static_cast<wchar_t>(msg->wParam));
                if (position >= 0) {
                    ::PostMessageW(bar->m_hWnd, WM_OPEN_BY_KEY, position, 0);
                    msg->message = WM_NULL;
                    break;
                }
            }
        }
    } catch (...) {
    }
    return ::CallNextHookEx(g_accessKeyHook, code, wParam, lParam);
}

bool NeloMenuWnd::Create(NeloMenu* menu, CWnd* owner) {
    m_menu = menu;
    m_owner = owner->GetSafeHwnd();
    m_font = menu->m_font;
    const int count = ::GetMenuItemCount(menu->m_hMenu);
    int textHeight = 0;
    if (HDC dc = ::GetDC(::GetDesktopWindow())) {
        ScopedSelectObject font(dc, m_font);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, L"gk", 2, &size);
        textHeight = size.cy;
        ::ReleaseDC(::GetDesktopWindow(), dc);
    }
    const int height = geometry::MenuBarHeight(count > 0 ? count : 0, menu->m_itemHeight, textHeight);
    if (!RegisterMenuWindowClass(kBarClass))
        return false;
    if (!CreateEx(WS_EX_TOOLWINDOW, kBarClass, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPSIBLINGS, 0, 0,
                  ::GetSystemMetrics(SM_CXSCREEN), height, m_owner, nullptr))
        return false;
    // Alt and F10 reach the top-level window as SC_KEYMENU, also when the
    // bar belongs to a child dialog.
    m_keyWindow = ::GetAncestor(m_owner, GA_ROOT);
    ::SetWindowSubclass(m_keyWindow, &NeloMenuWnd::OwnerProc, reinterpret_cast<UINT_PTR>(this),
                        reinterpret_cast<DWORD_PTR>(this));
    LiveBars().push_back(this);
    if (!g_accessKeyHook)
        g_accessKeyHook =
            ::SetWindowsHookExW(WH_GETMESSAGE, &NeloMenuWnd::AccessKeyHook, nullptr, ::GetCurrentThreadId());
    return true;
}

void NeloMenuWnd::UnhookOwner() {
    std::vector<NeloMenuWnd*>& bars = LiveBars();
    bars.erase(std::remove(bars.begin(), bars.end(), this), bars.end());
    if (bars.empty() && g_accessKeyHook) {
        ::UnhookWindowsHookEx(g_accessKeyHook);
        g_accessKeyHook = nullptr;
    }
    if (m_keyWindow && ::IsWindow(m_keyWindow))
        ::RemoveWindowSubclass(m_keyWindow, &NeloMenuWnd::OwnerProc, reinterpret_cast<UINT_PTR>(this));
    m_keyWindow = nullptr;
}

void NeloMenuWnd::Release() {
    m_menu = nullptr;
    UnhookOwner();
    if (m_openDepth > 0) {
        // A press on the bar is still on the stack: the popup it opened
        // closes, and the bar goes once that press has returned.
        m_orphan = true;
        if (m_popupMenu && m_popupMenu->m_activePopup)
            m_popupMenu->m_activePopup->CloseAll();
        if (m_hWnd)
            ShowWindow(SW_HIDE);
        return;
    }
    DestroyWindow();
    delete this;
}

void NeloMenuWnd::PostNcDestroy() {
    if (m_orphan && m_openDepth == 0)
        delete this;
}

LRESULT NeloMenuWnd::OnReleaseOrphan(WPARAM, LPARAM) {
    if (m_orphan && m_openDepth == 0)
        DestroyWindow(); // PostNcDestroy deletes the object
    return 0;
}

std::vector<geometry::MenuBarItem> NeloMenuWnd::Layout() const {
    std::vector<geometry::MenuBarEntry> entries;
    HMENU menu = m_menu ? m_menu->m_hMenu : nullptr;
    const int count = menu ? ::GetMenuItemCount(menu) : 0;
    if (count <= 0)
        return {};
    HDC dc = ::GetDC(m_hWnd);
    if (!dc)
        return {};
    {
        ScopedSelectObject font(dc, m_font);
        for (int i = 0; i < count; ++i) {
            const bool separator = ::GetMenuItemID(menu, i) == 0;
            entries.push_back(
                geometry::MenuBarEntry{separator ? 0 : MenuTextWidth(dc, MenuItemText(menu, i)), separator});
        }
    }
    ::ReleaseDC(m_hWnd, dc);
    return geometry::LayoutMenuBar(entries, m_menu->m_itemHeight);
}

int NeloMenuWnd::HitTest(POINT point) const {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    return geometry::MenuBarHitTest(Layout(), client, point);
}

void NeloMenuWnd::OnPaint() {
    Tavrin::PaintClient(*this, *this);
}

void NeloMenuWnd::OnPrintClient(CDC* dc, UINT) {
    Tavrin::PrintClient(*this, *this, dc);
}

void NeloMenuWnd::PaintClient(HDC dc, const RECT& client) {
    if (!m_menu)
        return;
    SkinPaintBuffer buffer(dc, client, Gdiplus::SmoothingModeNone);
    if (!buffer.IsValid())
        return;
    const _MenuColorInfo& c = m_menu->m_colors;
    FillVerticalGradient(buffer.Graphics(), ToGdiplusRect(buffer.LocalRect()), c.clrBackFrom, c.clrBackTo);
    const std::vector<geometry::MenuBarItem> items = Layout();
    HDC mem = buffer.DC();
    for (const geometry::MenuBarItem& item : items) {
        const UINT state = ::GetMenuState(m_menu->m_hMenu, item.position, MF_BYPOSITION);
        const bool greyed = (state & MF_GRAYED) != 0;
        const bool hot = !greyed && item.position == m_hotIndex;
        const RECT hotRect = geometry::MenuItemHotRect(item.rect);
        if (hot)
            FillVerticalGradient(buffer.Graphics(), ToGdiplusRect(hotRect), c.clrHotBackFrom, c.clrHotBackTo);
        buffer.Graphics().Flush(Gdiplus::FlushIntentionSync);
        ScopedSelectObject font(mem, m_font);
        ::SetBkMode(mem, TRANSPARENT);
        ::SetTextColor(mem, greyed ? c.clrTextDisabled : hot ? c.clrTextHot : c.clrTextNormal);
        RECT text = geometry::MenuBarTextRect(item.rect);
        const CString label = MenuItemText(m_menu->m_hMenu, item.position);
        ::DrawTextW(mem, label, label.GetLength(), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        if (hot)
            ::FrameRect(mem, &hotRect, SkinResourceCache::GetSolidBrush(c.clrHotFrame));
    }
    buffer.Present();
}

void NeloMenuWnd::OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params) {
    CWnd::OnNcCalcSize(calcValidRects, params);
    // Only the bottom border stays: the client area takes the other three.
    params->rgrc[0].left -= 1;
    params->rgrc[0].top -= 1;
    params->rgrc[0].right += 1;
}

void NeloMenuWnd::OnNcPaint() {
    try {
        if (m_menu)
            PaintMenuBorder(*this, m_menu->m_colors.clrBorder, MenuBorder::BottomLine);
    } catch (...) {
    }
}

void NeloMenuWnd::OnMouseMove(UINT flags, CPoint point) {
    const int hit = HitTest(point);
    if (hit != m_hotIndex) {
        m_hotIndex = hit;
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    }
    if (hit >= 0) {
        m_pointer.Update(m_hWnd, true);
        for (const geometry::MenuBarItem& item : Layout())
            if (item.position == hit)
                m_hotItemRect = item.rect;
    }
    CWnd::OnMouseMove(flags, point);
}

void NeloMenuWnd::OnMouseLeave() {
    m_pointer.Leave();
    if (m_openDepth == 0 && m_hotIndex != -1) {
        m_hotIndex = -1;
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    }
}

void NeloMenuWnd::OnLButtonDown(UINT flags, CPoint point) {
    const int hit = HitTest(point);
    if (hit >= 0)
        OpenItem(hit, false);
    if (!m_orphan)
        CWnd::OnLButtonDown(flags, point);
}

int NeloMenuWnd::OpenItem(int position, bool byKeyboard) {
    if (!m_menu || !m_menu->m_hMenu || m_openDepth > 0)
        return 0;
    HMENU sub = ::GetSubMenu(m_menu->m_hMenu, position);
    if (!sub)
        return 0;
    bool found = false;
    for (const geometry::MenuBarItem& item : Layout())
        if (item.position == position) {
            m_hotItemRect = item.rect;
            found = true;
        }
    if (!found)
        return 0;
    if (!m_popupMenu)
        m_popupMenu.reset(new NeloMenu);
    m_popupMenu->Detach();
    m_popupMenu->Attach(sub);
    m_popupMenu->TakeLooksOf(*m_menu);
    // The release of the press that opened the menu must not choose an item.
    m_popupMenu->m_ignoreFirstButtonUp = byKeyboard ? 0 : 1;
    POINT at{m_hotItemRect.left, m_hotItemRect.bottom};
    ::ClientToScreen(m_hWnd, &at);
    m_hotIndex = position;
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
    ::UpdateWindow(m_hWnd);

    int initialHot = -1;
    if (byKeyboard) {
        std::vector<bool> separators;
        for (int i = 0, n = ::GetMenuItemCount(sub); i < n; ++i)
            separators.push_back(::GetMenuItemID(sub, i) == 0);
        initialHot = geometry::PopupKeyStep(separators, -1, VK_DOWN);
    }
    ++m_openDepth;
    const HWND self = m_hWnd;
    int ran = 0;
    try {
        ran = m_popupMenu->TrackPopup(TPM_RIGHTBUTTON, at,
                                      CWnd::FromHandle(::IsWindow(m_owner) ? m_owner : ::GetParent(self)),
                                      initialHot);
    } catch (...) {
    }
    --m_openDepth;
    m_popupMenu->Detach();
    m_popupMenu.reset();
    if (m_orphan) {
        ::PostMessageW(self, WM_RELEASE_ORPHAN, 0, 0);
        return ran;
    }
    // The pointer may have moved anywhere while the popup held it.
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(m_hWnd, &cursor);
    m_hotIndex = HitTest(cursor);
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
    return ran;
}

bool NeloMenuWnd::OnOwnerKeyMenu(LPARAM key) {
    if (!m_menu || !m_menu->m_hMenu || m_openDepth > 0 || !::IsWindowVisible(m_hWnd))
        return false;
    const std::vector<geometry::MenuBarItem> items = Layout();
    if (key == 0) {
        // Alt or F10 alone: the first menu.
        for (const geometry::MenuBarItem& item : items)
            if (::GetSubMenu(m_menu->m_hMenu, item.position))
                return OpenItem(item.position, true), true;
        return false;
    }
    if (key == L' ')
        return false; // the window's system menu
    const int position = ItemForAccessKey(static_cast<wchar_t>(key));
    return position >= 0 && (OpenItem(position, true), true);
}

LRESULT CALLBACK NeloMenuWnd::OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR data) {
    try {
        NeloMenuWnd* bar = reinterpret_cast<NeloMenuWnd*>(data);
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU && bar->OnOwnerKeyMenu(lParam))
            return 0;
        if (message == WM_NCDESTROY) {
            ::RemoveWindowSubclass(window, &NeloMenuWnd::OwnerProc, id);
            bar->m_keyWindow = nullptr;
        }
    } catch (...) {
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

} // namespace Tavrin

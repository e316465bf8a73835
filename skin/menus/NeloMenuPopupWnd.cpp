#include "NeloMenuPopupWnd.h"

#include "MenuWindowParts.h"
#include "SkinDrawing.h"
#include "SkinWindow.h"

#include <commctrl.h>

namespace Tavrin {

namespace {

const wchar_t kPopupClass[] = L"NeloMenuPopupWnd";
const UINT kHoverDelay = 400;
const UINT kOpenDelay = 10;

SIZE ScreenSize() {
    return SIZE{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

} // namespace

BEGIN_MESSAGE_MAP(NeloMenuPopupWnd, CWnd)
ON_WM_PAINT()
ON_WM_NCPAINT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONDOWN()
ON_WM_KEYDOWN()
ON_WM_TIMER()
ON_WM_CAPTURECHANGED()
ON_WM_MOUSEACTIVATE()
ON_REGISTERED_MESSAGE(CLOSE_SUB_MENU_NELO_MENU_MSG, &NeloMenuPopupWnd::OnCloseSubMenu)
END_MESSAGE_MAP()

NeloMenuPopupWnd::NeloMenuPopupWnd()
    : m_menu(nullptr), m_owner(nullptr), m_font(nullptr), m_flags(0),
      m_hotIndex(-1), m_hotItemRect{0, 0, 0, 0}, m_child(nullptr), m_openSubIndex(-1),
      m_ignoreFirstButtonUp(0), m_isTopLevel(1), m_loopDone(1), m_closeAll(0), m_ignoreNextMouseMove(0),
      m_closing(false), m_chosen(0) {}

NeloMenuPopupWnd::~NeloMenuPopupWnd() {
    if (m_hWnd)
        DestroyWindow();
}

// ---- Reading the menu --------------------------------------------------------

bool NeloMenuPopupWnd::MenuStillThere() const {
    return m_menu && m_menu->m_hMenu && ::IsMenu(m_menu->m_hMenu);
}

std::vector<NeloMenuPopupWnd::Item> NeloMenuPopupWnd::ReadItems() const {
    std::vector<Item> items;
    if (!MenuStillThere())
        return items;
    HMENU menu = m_menu->m_hMenu;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        Item item;
        item.id = ::GetMenuItemID(menu, i);
        item.state = ::GetMenuState(menu, i, MF_BYPOSITION) & 0xFF;
        item.subMenu = ::GetSubMenu(menu, i);
        item.text = MenuItemText(menu, i);
        items.push_back(item);
    }
    return items;
}

std::vector<geometry::PopupEntry> NeloMenuPopupWnd::Entries(HDC dc, const std::vector<Item>& items) const {
    std::vector<geometry::PopupEntry> entries;
    ScopedSelectObject font(dc, m_font);
    for (const Item& item : items)
        entries.push_back(geometry::PopupEntry{MenuTextWidth(dc, item.text), IsSeparator(item), HasSubMenu(item)});
    return entries;
}

std::vector<geometry::PopupRow> NeloMenuPopupWnd::Rows(const std::vector<Item>& items) const {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    std::vector<geometry::PopupEntry> entries;
    for (const Item& item : items)
        entries.push_back(geometry::PopupEntry{0, IsSeparator(item), HasSubMenu(item)});
    return geometry::LayoutPopupRows(entries, m_menu->m_itemHeight, client.right);
}

std::vector<bool> NeloMenuPopupWnd::Separators(const std::vector<Item>& items) {
    std::vector<bool> separators;
    for (const Item& item : items)
        separators.push_back(IsSeparator(item));
    return separators;
}

// ---- Opening and the loop -------------------------------------------------------

int NeloMenuPopupWnd::Run(const RunArgs& args) {
    if (!args.menu || !args.owner || !args.menu->m_hMenu || m_hWnd)
        return 0;
    m_menu = args.menu;
    m_owner = args.owner;
    m_font = args.font;
    m_flags = args.flags;
    m_isTopLevel = args.parentItem ? 0 : 1;
    m_ignoreFirstButtonUp = m_isTopLevel ? args.ignoreFirstButtonUp : 0;
    m_hotIndex = -1;
    m_openSubIndex = -1;
    m_closeAll = 0;
    m_chosen = 0;
    m_closing = false;

    const std::vector<Item> items = ReadItems();
    SIZE size{0, 0};
    if (HDC screen = ::GetDC(nullptr)) {
        size = geometry::PopupWindowSize(Entries(screen, items), m_menu->m_itemHeight);
        ::ReleaseDC(nullptr, screen);
    }
    const RECT place = m_isTopLevel ? geometry::PlaceTopLevelPopup(args.at, size, m_flags, ScreenSize())
                                    : geometry::PlaceSubMenuPopup(*args.parentItem, size, ScreenSize());
    if (!RegisterMenuWindowClass(kPopupClass))
        return 0;
    // A popup of its own rather than a child of the desktop: topmost, never
    // activated, so the owner keeps its active look and its focus.
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kPopupClass, L"",
                  WS_POPUP | WS_BORDER | WS_CLIPSIBLINGS, place.left, place.top, place.right - place.left,
                  place.bottom - place.top, nullptr, nullptr))
        return 0;
    if (args.initialHot >= 0 && args.initialHot < static_cast<int>(items.size()))
        m_hotIndex = args.initialHot;
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::UpdateWindow(m_hWnd);
    if (m_isTopLevel)
        ::SetCapture(m_hWnd);
    RunLoop();
    if (m_hWnd) {
        m_closing = true;
        DestroyWindow();
    }
    return 1;
}

void NeloMenuPopupWnd::RunLoop() {
    m_loopDone = 0;
    // The end is tested before the next message is taken, so a message that
    // arrives as the popup closes stays in the queue for the loop below.
    while (!m_loopDone) {
        MSG msg;
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // WM_QUIT belongs to the program's own loop: hand it on.
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(msg.wParam));
            CloseAll();
            break;
        }
        if (msg.message == WM_SYSKEYDOWN) {
            CloseAll();
            // Alt and F10 only close the menu; the owner must not see them
            // and open its menu again on their release.
            if (msg.wParam == VK_MENU || msg.wParam == VK_F10)
                continue;
        } else if (msg.message >= WM_KEYFIRST && msg.message <= 0x0109 && m_hWnd) {
            msg.hwnd = m_hWnd;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
        if (!m_loopDone && (!MenuStillThere() || !::IsWindow(m_owner)))
            CloseAll();
    }
}

void NeloMenuPopupWnd::Close() {
    if (m_closing)
        return;
    m_closing = true;
    if (m_child && m_child->m_hWnd)
        ::SendMessageW(m_child->m_hWnd, CLOSE_SUB_MENU_NELO_MENU_MSG, 0, 0);
    m_openSubIndex = -1;
    m_loopDone = 1;
    if (m_hWnd) {
        ::KillTimer(m_hWnd, HOVER_TIMER);
        ::KillTimer(m_hWnd, OPEN_SUBMENU_TIMER);
        if (m_isTopLevel && ::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        DestroyWindow();
    }
}

void NeloMenuPopupWnd::CloseAll() {
    m_closeAll = 1;
    Close();
}

LRESULT NeloMenuPopupWnd::OnCloseSubMenu(WPARAM, LPARAM) {
    Close();
    return 1;
}

void NeloMenuPopupWnd::OnCaptureChanged(CWnd* window) {
    // Our own release while closing is no news.
    if (!m_closing)
        CloseAll();
    CWnd::OnCaptureChanged(window);
}

int NeloMenuPopupWnd::OnMouseActivate(CWnd*, UINT, UINT) {
    return MA_NOACTIVATE;
}

int NeloMenuPopupWnd::OpenSubMenu(int position) {
    // A child whose loop is still on the stack is never replaced.
    if (m_child)
        return 0;
    const std::vector<Item> items = ReadItems();
    if (position < 0 || position >= static_cast<int>(items.size()) || !items[position].subMenu)
        return 0;
    const std::vector<geometry::PopupRow> rows = Rows(items);
    m_hotItemRect = rows[position].rect;
    RECT parent = m_hotItemRect;
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&parent), 2);
    m_openSubIndex = position;

    NeloMenu subMenu;
    subMenu.Attach(items[position].subMenu);
    subMenu.TakeLooksOf(*m_menu);
    NeloMenuPopupWnd child;
    m_child = &child;
    RunArgs args;
    args.menu = &subMenu;
    args.owner = m_owner;
    args.font = m_font;
    args.flags = m_flags;
    args.parentItem = &parent;
    const int ran = child.Run(args);
    m_child = nullptr;
    subMenu.Detach();
    if (child.m_closeAll)
        m_closeAll = 1;
    if (child.m_chosen)
        m_chosen = child.m_chosen;
    if (m_openSubIndex == position)
        m_openSubIndex = -1;
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    return ran;
}

// ---- Painting -------------------------------------------------------------------

void NeloMenuPopupWnd::OnPaint() {
    Tavrin::PaintClient(*this, *this);
}

void NeloMenuPopupWnd::PaintClient(HDC dc, const RECT& client) {
    if (!m_menu)
        return;
    SkinPaintBuffer buffer(dc, client, Gdiplus::SmoothingModeNone);
    if (!buffer.IsValid())
        return;
    const _MenuColorInfo& c = m_menu->m_colors;
    const int h = m_menu->m_itemHeight;
    const RECT local = buffer.LocalRect();
    Gdiplus::Graphics& graphics = buffer.Graphics();
    FillVerticalGradient(graphics, ToGdiplusRect(local), c.clrBackFrom, c.clrBackTo);
    FillVerticalGradient(graphics, ToGdiplusRect(geometry::PopupImageColumn(local, h)), c.clrImageBarFrom,
                         c.clrImageBarTo);
    graphics.Flush(Gdiplus::FlushIntentionSync);

    HDC mem = buffer.DC();
    const std::vector<Item> items = ReadItems();
    const std::vector<geometry::PopupEntry> entries = Entries(mem, items);
    const std::vector<geometry::PopupRow> rows = geometry::LayoutPopupRows(entries, h, local.right);
    ScopedSelectObject font(mem, m_font);
    ::SetBkMode(mem, TRANSPARENT);
    for (const geometry::PopupRow& row : rows) {
        if (row.separator) {
            const RECT line = geometry::PopupSeparatorLine(row.rect, h, local.right);
            ::FillRect(mem, &line, SkinResourceCache::GetSolidBrush(c.clrBorder));
            continue;
        }
        const Item& item = items[row.position];
        const bool greyed = (item.state & MF_GRAYED) != 0;
        const bool hot = !greyed && row.position == m_hotIndex;
        const COLORREF text = greyed ? c.clrTextDisabled : hot ? c.clrTextHot : c.clrTextNormal;
        const COLORREF check = greyed ? c.clrCheckDisabled : hot ? c.clrCheckHot : c.clrCheckNormal;
        const COLORREF arrow = greyed ? c.clrArrowDisabled : hot ? c.clrArrowHot : c.clrArrowNormal;
        const RECT hotRect = geometry::MenuItemHotRect(row.rect);
        if (hot) {
            FillVerticalGradient(graphics, ToGdiplusRect(hotRect), c.clrHotBackFrom, c.clrHotBackTo);
            graphics.Flush(Gdiplus::FlushIntentionSync);
        }
        const RECT cell = geometry::PopupImageCell(row.rect, h);
        const MenuItemImage* image =
            m_menu->m_imageTable && !item.subMenu ? m_menu->m_imageTable->Find(item.id) : nullptr;
        if (image && (image->kind == MenuItemImage::Bitmap || image->kind == MenuItemImage::Icon)) {
            DrawItemImage(mem, cell, *image);
        } else if (item.state & MF_CHECKED) {
            DrawCheckMark(graphics, cell, check);
            graphics.Flush(Gdiplus::FlushIntentionSync);
        }
        ::SetTextColor(mem, text);
        RECT textRect = geometry::PopupTextRect(row.rect, h);
        ::DrawTextW(mem, item.text, item.text.GetLength(), &textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        if (item.subMenu) {
            const geometry::Triangle t = geometry::PopupSubMenuArrow(row.rect, h);
            OwnedGdiObject<HPEN> pen(::CreatePen(PS_SOLID, 1, arrow));
            ScopedSelectObject usePen(mem, pen.Get());
            ScopedSelectObject useBrush(mem, SkinResourceCache::GetSolidBrush(arrow));
            ::Polygon(mem, t.points, 3);
        }
        if (hot)
            ::FrameRect(mem, &hotRect, SkinResourceCache::GetSolidBrush(c.clrHotFrame));
    }
    buffer.Present();
}

void NeloMenuPopupWnd::DrawItemImage(HDC dc, const RECT& cell, const MenuItemImage& image) const {
    const int h = m_menu->m_itemHeight;
    if (image.kind == MenuItemImage::Bitmap) {
        BITMAP info{};
        if (!::GetObjectW(image.bitmap, sizeof(info), &info))
            return;
        const geometry::ImagePlacement at = geometry::PlaceMenuImage(cell, h, info.bmWidth, info.bmHeight);
        HBITMAP copy = static_cast<HBITMAP>(::CopyImage(image.bitmap, IMAGE_BITMAP, 0, 0, 0));
        HIMAGELIST list = ::ImageList_Create(at.width, at.height, ILC_COLOR32 | ILC_MASK, 1, 0);
        if (list && copy && ::ImageList_AddMasked(list, copy, image.maskColor) >= 0)
            ::ImageList_Draw(list, 0, dc, at.x, at.y, ILD_NORMAL);
        if (list)
            ::ImageList_Destroy(list);
        if (copy)
            ::DeleteObject(copy);
        return;
    }
    int width = 16, height = 16;
    if (!image.iconSmall) {
        ICONINFO info{};
        if (::GetIconInfo(image.icon, &info)) {
            BITMAP bits{};
            if (::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bits), &bits)) {
                width = bits.bmWidth;
                height = info.hbmColor ? bits.bmHeight : bits.bmHeight / 2;
            }
            if (info.hbmColor)
                ::DeleteObject(info.hbmColor);
            if (info.hbmMask)
                ::DeleteObject(info.hbmMask);
        }
    }
    const geometry::ImagePlacement at = geometry::PlaceMenuImage(cell, h, width, height);
    HIMAGELIST list = ::ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 1, 0);
    if (list && ::ImageList_AddIcon(list, image.icon) >= 0)
        ::ImageList_DrawEx(list, 0, dc, at.x, at.y, at.width, at.height, CLR_NONE, CLR_NONE, ILD_NORMAL);
    if (list)
        ::ImageList_Destroy(list);
}

void NeloMenuPopupWnd::DrawCheckMark(Gdiplus::Graphics& graphics, const RECT& cell, COLORREF colour) const {
    for (const geometry::CheckStroke& stroke : geometry::LayoutCheckMark(cell, m_menu->m_itemHeight)) {
        Gdiplus::Pen pen(Gdiplus::Color(static_cast<BYTE>(stroke.alpha), GetRValue(colour), GetGValue(colour),
                                        GetBValue(colour)),
                         1.0f);
        Gdiplus::Point points[3];
        for (int i = 0; i < 3; ++i)
            points[i] = Gdiplus::Point(stroke.points[i].x, stroke.points[i].y);
        graphics.DrawLines(&pen, points, 3);
    }
}

void NeloMenuPopupWnd::OnNcPaint() {
    try {
        if (m_menu)
            PaintMenuBorder(*this, m_menu->m_colors.clrBorder, MenuBorder::Outline);
    } catch (...) {
    }
}

// ---- Mouse ------------------------------------------------------------------------

void NeloMenuPopupWnd::SetHotIndex(int index, BOOL erase) {
    if (index == m_hotIndex)
        return;
    m_hotIndex = index;
    ::InvalidateRect(m_hWnd, nullptr, erase);
}

int NeloMenuPopupWnd::HitTest(POINT client, RECT* itemRect) {
    RECT area{};
    ::GetClientRect(m_hWnd, &area);
    return geometry::PopupHitTest(Rows(ReadItems()), area, client, itemRect);
}

POINT NeloMenuPopupWnd::ToClient(POINT screen) const {
    ::ScreenToClient(m_hWnd, &screen);
    return screen;
}

bool NeloMenuPopupWnd::MouseMove(POINT screen) {
    if (!m_hWnd)
        return false;
    if (m_ignoreNextMouseMove) {
        m_ignoreNextMouseMove = 0;
        return false;
    }
    RECT itemRect{};
    const int hit = HitTest(ToClient(screen), &itemRect);
    if (hit == -2 && m_hotIndex >= 0 && m_hotIndex != m_openSubIndex) {
        if (m_child && m_child->m_hWnd) {
            m_hotIndex = m_openSubIndex;
            ::KillTimer(m_hWnd, HOVER_TIMER);
        } else {
            m_hotIndex = -1;
        }
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    }
    if (m_child && m_child->m_hWnd && m_child->MouseMove(screen))
        return true;
    if (hit == -2)
        return false;
    if (hit != m_hotIndex) {
        m_hotIndex = hit;
        if (hit >= 0)
            m_hotItemRect = itemRect;
        if (hit == -1)
            ::KillTimer(m_hWnd, HOVER_TIMER);
        else
            ::SetTimer(m_hWnd, HOVER_TIMER, kHoverDelay, nullptr);
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    }
    return true;
}

bool NeloMenuPopupWnd::ButtonUp(POINT screen) {
    if (!m_hWnd)
        return false;
    if (m_child && m_child->m_hWnd && m_child->ButtonUp(screen))
        return true;
    RECT itemRect{};
    const int hit = HitTest(ToClient(screen), &itemRect);
    if (hit == -2)
        return false;
    if (hit < 0)
        return true; // a separator or below the items
    const std::vector<Item> items = ReadItems();
    if (hit >= static_cast<int>(items.size()))
        return true;
    SetHotIndex(hit, FALSE);
    m_hotItemRect = itemRect;
    const Item& item = items[hit];
    if (Unavailable(item))
        return true;
    if (HasSubMenu(item)) {
        if (hit != m_openSubIndex)
            ScheduleSubMenu();
        return true;
    }
    Choose(item);
    return true;
}

bool NeloMenuPopupWnd::RightButtonDown(POINT screen) {
    if (!m_hWnd)
        return false;
    if (m_child && m_child->m_hWnd && m_child->RightButtonDown(screen))
        return true;
    const int hit = HitTest(ToClient(screen), nullptr);
    if (hit == -2)
        return false;
    if (hit >= 0)
        SetHotIndex(hit, FALSE);
    if (m_hotIndex != m_openSubIndex)
        ScheduleSubMenu();
    return true;
}

void NeloMenuPopupWnd::OnMouseMove(UINT flags, CPoint point) {
    CWnd::OnMouseMove(flags, point);
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    MouseMove(screen);
}

void NeloMenuPopupWnd::OnLButtonDown(UINT flags, CPoint point) {
    // A new press: the one that opened the menu is over, whether or not its
    // release came here.
    m_ignoreFirstButtonUp = 0;
    CWnd::OnLButtonDown(flags, point);
}

void NeloMenuPopupWnd::OnLButtonUp(UINT flags, CPoint point) {
    if (m_ignoreFirstButtonUp) {
        m_ignoreFirstButtonUp = 0;
        return;
    }
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    const HWND self = m_hWnd;
    if (!ButtonUp(screen)) {
        // A click outside every level closes the whole chain.
        CloseAll();
        if (::IsWindow(m_owner))
            ::SetFocus(m_owner);
    }
    if (::IsWindow(self) && m_hWnd == self)
        CWnd::OnLButtonUp(flags, point);
}

void NeloMenuPopupWnd::OnRButtonDown(UINT flags, CPoint point) {
    CWnd::OnRButtonDown(flags, point);
    POINT screen = point;
    ::ClientToScreen(m_hWnd, &screen);
    if (RightButtonDown(screen))
        return;
    // A right press outside every level closes the chain and goes on to the
    // window under the pointer, as if no menu had been open.
    const MSG* current = CWnd::GetCurrentMessage();
    const POINT at = current ? current->pt : screen;
    CloseAll();
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((at.x * 65535LL + ScreenSize().cx / 2) / (ScreenSize().cx - 1));
    input.mi.dy = static_cast<LONG>((at.y * 65535LL + ScreenSize().cy / 2) / (ScreenSize().cy - 1));
    input.mi.dwFlags = MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof(input));
}

// ---- Timers and keys ----------------------------------------------------------------

void NeloMenuPopupWnd::ScheduleSubMenu() {
    if (m_child && m_child->m_hWnd)
        ::SendMessageW(m_child->m_hWnd, CLOSE_SUB_MENU_NELO_MENU_MSG, 0, 0);
    m_openSubIndex = -1;
    ::KillTimer(m_hWnd, HOVER_TIMER);
    ::SetTimer(m_hWnd, OPEN_SUBMENU_TIMER, kOpenDelay, nullptr);
}

void NeloMenuPopupWnd::OnTimer(UINT_PTR id) {
    if (id != HOVER_TIMER && id != OPEN_SUBMENU_TIMER) {
        CWnd::OnTimer(id);
        return;
    }
    ::KillTimer(m_hWnd, id);
    const std::vector<Item> items = ReadItems();
    const bool hotItem = m_hotIndex >= 0 && m_hotIndex < static_cast<int>(items.size());
    if (hotItem && Unavailable(items[m_hotIndex]))
        return;
    if (id == HOVER_TIMER) {
        if (m_hotIndex != m_openSubIndex)
            ScheduleSubMenu();
        return;
    }
    if (hotItem && HasSubMenu(items[m_hotIndex]) && OpenSubMenu(m_hotIndex) && m_closeAll)
        Close();
}

void NeloMenuPopupWnd::Choose(const Item& item) {
    // Separators and sub-menu items carry no command.
    if (item.id == 0 || item.id == static_cast<UINT>(-1))
        return;
    m_chosen = item.id;
    CloseAll();
}

void NeloMenuPopupWnd::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    const HWND self = m_hWnd;
    const std::vector<Item> items = ReadItems();
    const int count = static_cast<int>(items.size());
    const bool hotItem = m_hotIndex >= 0 && m_hotIndex < count;
    switch (key) {
    case VK_RETURN:
        if (!hotItem)
            break;
        m_hotItemRect = Rows(items)[m_hotIndex].rect;
        if (Unavailable(items[m_hotIndex]))
            break;
        if (HasSubMenu(items[m_hotIndex])) {
            if (OpenSubMenu(m_hotIndex) && m_closeAll)
                Close();
        } else {
            Choose(items[m_hotIndex]);
        }
        break;
    case VK_ESCAPE:
    case VK_LWIN:
    case VK_RWIN:
        CloseAll();
        break;
    case VK_HOME:
    case VK_END:
    case VK_UP:
    case VK_DOWN:
        SetHotIndex(geometry::PopupKeyStep(Separators(items), m_hotIndex, key), TRUE);
        break;
    case VK_LEFT:
        if (!m_isTopLevel) {
            m_hotIndex = -1;
            Close();
        }
        break;
    case VK_RIGHT: {
        m_ignoreNextMouseMove = 1;
        int opened = 0;
        if (hotItem) {
            m_hotItemRect = Rows(items)[m_hotIndex].rect;
            if (!HasSubMenu(items[m_hotIndex]) || Unavailable(items[m_hotIndex]))
                break;
            opened = OpenSubMenu(m_hotIndex);
        }
        if (opened && m_closeAll) {
            Close();
        } else if (!opened && m_hWnd) {
            m_hotIndex = geometry::PopupKeyStep(Separators(items), -1, VK_DOWN);
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
        }
        break;
    }
    default:
        break;
    }
    if (::IsWindow(self) && m_hWnd == self)
        CWnd::OnKeyDown(key, repeat, flags);
}

} // namespace Tavrin

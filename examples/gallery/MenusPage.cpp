#include "MenusPage.h"

#include "menus_page_ids.h"

BEGIN_MESSAGE_MAP(MenusPage, GalleryDialogPage)
ON_WM_CONTEXTMENU()
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

const UINT_PTR kOpenMenuTimer = 1;

// A 16 x 16 picture for a menu item: a yellow folder on white, which the
// menu makes transparent.
HBITMAP MakeFolderPicture() {
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    auto fill = [dc](int l, int t, int r, int b, COLORREF c) {
        RECT rect{l, t, r, b};
        HBRUSH brush = ::CreateSolidBrush(c);
        ::FillRect(dc, &rect, brush);
        ::DeleteObject(brush);
    };
    fill(0, 0, 16, 16, RGB(255, 255, 255));
    fill(1, 3, 7, 5, RGB(200, 150, 30));
    fill(1, 5, 15, 14, RGB(240, 190, 50));
    fill(1, 13, 15, 14, RGB(200, 150, 30));
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

// "/open-menu" opens the File menu and its sub-menu, "/open-menu view" the
// View menu and its sub-menu; 0 when not asked.
int MenuAskedToOpen() {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    int asked = 0;
    for (int i = 1; arguments && i < count; ++i) {
        if (lstrcmpiW(arguments[i], L"/open-menu") != 0 && lstrcmpiW(arguments[i], L"-open-menu") != 0)
            continue;
        asked = (i + 1 < count && lstrcmpiW(arguments[i + 1], L"view") == 0) ? 2 : 1;
    }
    ::LocalFree(arguments);
    return asked;
}

} // namespace

MenusPage::MenusPage() : GalleryDialogPage(IDD_MENUS_PAGE), m_demoMenu(0) {}

void MenusPage::FocusSample() {
    if (m_focused.GetSafeHwnd())
        m_focused.SetFocus();
    m_demoMenu = MenuAskedToOpen();
    if (m_demoMenu)
        SetTimer(kOpenMenuTimer, 1500, nullptr);
}

void MenusPage::DoDataExchange(CDataExchange* pDX) {
    GalleryDialogPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SL_NORMAL, m_normal);
    DDX_Control(pDX, IDC_SL_HOVER, m_hover);
    DDX_Control(pDX, IDC_SL_PRESSED, m_pressed);
    DDX_Control(pDX, IDC_SL_DISABLED, m_disabled);
    DDX_Control(pDX, IDC_SL_FOCUSED, m_focused);
    DDX_Control(pDX, IDC_SL_ROUND, m_round);
    DDX_Control(pDX, IDC_SL_NOPASSED, m_noPassed);
    DDX_Control(pDX, IDC_SL_V_NORMAL, m_verticalNormal);
    DDX_Control(pDX, IDC_SL_V_DISABLED, m_verticalDisabled);
    DDX_Control(pDX, IDC_SL_V_ROUND, m_verticalRound);
    DDX_Control(pDX, IDC_SL_V_PRESSED, m_verticalPressed);
}

BOOL MenusPage::OnInitDialog() {
    GalleryDialogPage::OnInitDialog();
    SetUpMenus();
    SetUpSliders();
    return FALSE;
}

void MenusPage::SetUpMenus() {
    m_menu.LoadMenu(IDR_GALLERY_MENU);
    HBITMAP folder = MakeFolderPicture();
    m_menu.SetMenuItemBitmap(IDM_FILE_OPEN, folder, RGB(255, 255, 255));
    ::DeleteObject(folder); // the menu keeps a copy
    m_menu.SetMenuItemIcon(IDM_FILE_SAVE, ::LoadIconW(nullptr, IDI_APPLICATION), 1);
    m_menu.SetMenuItemIcon(IDM_HELP_ABOUT, ::LoadIconW(nullptr, IDI_INFORMATION), 1);
    ::CheckMenuRadioItem(m_menu.GetSafeHmenu(), IDM_VIEW_SMALL, IDM_VIEW_LARGE, IDM_VIEW_MEDIUM,
                         MF_BYCOMMAND);
    m_menu.SetMenuBar(this);
    m_context.LoadMenu(IDR_GALLERY_CONTEXT);
    ::CheckMenuRadioItem(m_context.GetSafeHmenu(), IDM_CONTEXT_SORT_NAME, IDM_CONTEXT_SORT_DATE,
                         IDM_CONTEXT_SORT_NAME, MF_BYCOMMAND);
}

void MenusPage::SetUpSliders() {
    for (Tavrin::NeloSliderCtrl* s :
         {&m_normal, &m_hover, &m_pressed, &m_disabled, &m_focused, &m_round, &m_noPassed, &m_verticalNormal,
          &m_verticalDisabled, &m_verticalRound, &m_verticalPressed}) {
        s->SetRange(0, 100, TRUE);
        s->SetPos(40);
    }
    // Hover and pressed: the pointer is rarely there when a picture is taken,
    // so these samples wear those colours as their normal ones.
    Tavrin::_SliderCtrlColorInfo hover = Tavrin::NeloSliderCtrl::DefaultColorInfo();
    hover.clrSliderOutline = hover.clrSliderOutlineHot;
    hover.clrKnobFrom = hover.clrKnobHotFrom;
    hover.clrKnobTo = hover.clrKnobHotTo;
    m_hover.SetSliderCtrlColorInfo(hover);
    Tavrin::_SliderCtrlColorInfo pressed = Tavrin::NeloSliderCtrl::DefaultColorInfo();
    pressed.clrKnobFrom = pressed.clrKnobPressedFrom;
    pressed.clrKnobTo = pressed.clrKnobPressedTo;
    m_pressed.SetSliderCtrlColorInfo(pressed);
    m_verticalPressed.SetSliderCtrlColorInfo(pressed);
    m_disabled.EnableWindow(FALSE);
    m_verticalDisabled.EnableWindow(FALSE);
    m_focused.ShowFocusEffect(1);
    m_round.SetSliderCtrlStyle(Tavrin::StyleRound);
    m_verticalRound.SetSliderCtrlStyle(Tavrin::StyleRound);
    m_noPassed.ShowPassedChannel(0);
}

BOOL MenusPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (lParam == 0 && id >= IDM_FILE_OPEN && id <= IDM_CONTEXT_SORT_DATE) {
        HMENU bar = m_menu.GetSafeHmenu();
        switch (id) {
        case IDM_VIEW_TOOLBAR:
        case IDM_VIEW_STATUS: {
            const UINT state = ::GetMenuState(bar, id, MF_BYCOMMAND);
            ::CheckMenuItem(bar, id, MF_BYCOMMAND | ((state & MF_CHECKED) ? MF_UNCHECKED : MF_CHECKED));
            break;
        }
        case IDM_VIEW_SMALL:
        case IDM_VIEW_MEDIUM:
        case IDM_VIEW_LARGE:
            ::CheckMenuRadioItem(bar, IDM_VIEW_SMALL, IDM_VIEW_LARGE, id, MF_BYCOMMAND);
            break;
        case IDM_CONTEXT_SORT_NAME:
        case IDM_CONTEXT_SORT_DATE:
            ::CheckMenuRadioItem(m_context.GetSafeHmenu(), IDM_CONTEXT_SORT_NAME, IDM_CONTEXT_SORT_DATE, id,
                                 MF_BYCOMMAND);
            break;
        default:
            break;
        }
        CString note;
        note.Format(L"Command %u chosen. File: a sub-menu, a greyed item and images. View: check marks and "
                    L"radio items.",
                    id);
        SetDlgItemText(IDC_MN_NOTE, note);
        return TRUE;
    }
    return GalleryDialogPage::OnCommand(wParam, lParam);
}

void MenusPage::OnContextMenu(CWnd* pWnd, CPoint pos) {
    CWnd* area = GetDlgItem(IDC_MN_CONTEXT);
    if (!area || !pWnd || pWnd->GetSafeHwnd() != area->GetSafeHwnd())
        return;
    if (pos.x == -1 && pos.y == -1) {
        CRect r;
        area->GetWindowRect(&r);
        pos = r.CenterPoint();
    }
    if (Tavrin::NeloMenu* popup = m_context.GetSubMenu(0))
        popup->TrackPopupMenu(0, pos.x, pos.y, this);
}

void MenusPage::OnTimer(UINT_PTR id) {
    if (id != kOpenMenuTimer) {
        GalleryDialogPage::OnTimer(id);
        return;
    }
    KillTimer(kOpenMenuTimer);
    // Keys for the popup's own loop: File's "Recent Files" (above "Exit") or
    // View's "Icon Size" (its last item), then that item's sub-menu.
    PostMessage(WM_KEYDOWN, VK_END, 0);
    if (m_demoMenu == 1)
        PostMessage(WM_KEYDOWN, VK_UP, 0);
    PostMessage(WM_KEYDOWN, VK_RIGHT, 0);
    if (Tavrin::NeloMenuWnd* bar = m_menu.MenuBar())
        bar->OpenItem(m_demoMenu == 1 ? 0 : 2, true);
}

// CMenu: an attached menu is found again by FromHandle and receives the
// owner-draw messages of its items. Several wrappers may hold one menu (a
// popup wraps a sub-menu for a moment while the application keeps its own
// wrapper of it); the last holder to go destroys it.
#include "afximpl.h"

IMPLEMENT_DYNAMIC(CMenu, CObject)

CMenu::CMenu() : m_hMenu(nullptr), m_bTemp(FALSE) {}

CMenu::~CMenu() {
    if (!m_hMenu || m_bTemp)
        return;
    if (AfxMenuHolders(m_hMenu).size() > 1)
        Detach(); // another wrapper still uses it
    else
        DestroyMenu();
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu) {
    if (!hMenu)
        return nullptr;
    if (CMenu* pMenu = AfxFindPermanentMenu(hMenu))
        return pMenu;
    if (CObject* pTemp = AfxFindTemp(afxTempMenu, hMenu))
        return static_cast<CMenu*>(pTemp);
    CMenu* p = new CMenu;
    p->m_bTemp = TRUE;
    p->m_hMenu = hMenu;
    AfxAddTemp(afxTempMenu, hMenu, p);
    return p;
}

void PASCAL CMenu::DeleteTempMap() {
    AfxDeleteTemps(AfxGetThreadState(), AfxGetThreadState()->tempLockDepth - 1, afxTempMenu);
}

BOOL CMenu::Attach(HMENU hMenu) {
    if (!hMenu || m_hMenu)
        return FALSE;
    m_hMenu = hMenu;
    if (!m_bTemp)
        AfxMapMenu(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach() {
    HMENU hMenu = m_hMenu;
    if (hMenu && !m_bTemp)
        AfxUnmapMenu(hMenu, this);
    m_hMenu = nullptr;
    return hMenu;
}

// Every wrapper of a menu about to be destroyed, or of one of its sub-menus
// (which the system destroys with it), lets go: none keeps a handle that may
// later name another menu.
static void DetachAllHolders(HMENU hMenu) {
    for (CMenu* pHolder : AfxMenuHolders(hMenu))
        pHolder->Detach();
    const int count = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < count; ++i)
        if (HMENU hSub = ::GetSubMenu(hMenu, i))
            DetachAllHolders(hSub);
}

BOOL CMenu::CreateMenu() {
    return Attach(::CreateMenu());
}
BOOL CMenu::CreatePopupMenu() {
    return Attach(::CreatePopupMenu());
}
BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName) {
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    return Attach(::LoadMenuW(hInst, lpszResourceName));
}
BOOL CMenu::LoadMenu(UINT nIDResource) {
    return LoadMenu(MAKEINTRESOURCEW(nIDResource));
}
BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate) {
    return Attach(::LoadMenuIndirectW(lpMenuTemplate));
}
BOOL CMenu::DestroyMenu() {
    if (!m_hMenu)
        return FALSE;
    if (m_bTemp) {
        m_hMenu = nullptr;
        return FALSE;
    }
    HMENU hMenu = m_hMenu;
    DetachAllHolders(hMenu);
    return ::DestroyMenu(hMenu);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}
BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
}
BOOL CMenu::TrackPopupMenuEx(UINT nFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm) {
    return ::TrackPopupMenuEx(m_hMenu, nFlags, x, y, pWnd->GetSafeHwnd(), lptpm);
}
BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
    return ::AppendMenuW(m_hMenu, nFlags | MF_BITMAP, nIDNewItem, (LPCWSTR)pBmp->GetSafeHandle());
}
UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}
UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}
UINT CMenu::GetMenuItemCount() const {
    return (UINT)::GetMenuItemCount(m_hMenu);
}
UINT CMenu::GetMenuItemID(int nPos) const {
    return ::GetMenuItemID(m_hMenu, nPos);
}
UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
    return ::GetMenuState(m_hMenu, nID, nFlags);
}
int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const {
    return ::GetMenuStringW(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}
int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    int nLen = ::GetMenuStringW(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLen <= 0) {
        rString.Empty();
        return 0;
    }
    ::GetMenuStringW(m_hMenu, nIDItem, rString.GetBufferSetLength(nLen), nLen + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}
BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) {
    return ::GetMenuItemInfoW(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}
BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) {
    return ::SetMenuItemInfoW(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}
CMenu* CMenu::GetSubMenu(int nPos) const {
    return FromHandle(::GetSubMenu(m_hMenu, nPos));
}
BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::InsertMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
    return ::InsertMenuW(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, (LPCWSTR)pBmp->GetSafeHandle());
}
BOOL CMenu::InsertMenuItem(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) {
    return ::InsertMenuItemW(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}
BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    return ::ModifyMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
    return ::ModifyMenuW(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, (LPCWSTR)pBmp->GetSafeHandle());
}
BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) {
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}
BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                               const CBitmap* pBmpChecked) {
    return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags, (HBITMAP)pBmpUnchecked->GetSafeHandle(),
                                (HBITMAP)pBmpChecked->GetSafeHandle());
}
BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}
BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos) {
    return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}
UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) {
    return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
}
BOOL CMenu::SetMenuInfo(LPCMENUINFO lpcmi) {
    return ::SetMenuInfo(m_hMenu, lpcmi);
}
BOOL CMenu::GetMenuInfo(LPMENUINFO lpcmi) const {
    return ::GetMenuInfo(m_hMenu, lpcmi);
}

void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}
void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}

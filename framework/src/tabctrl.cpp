// Tab controls.
#include "afximpl.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

#define TSEND(msg, w, l) ::SendMessageW(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

CTabCtrl::~CTabCtrl() {}

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_TABCONTROLW, nullptr, dwStyle, rect, pParentWnd, nID);
}

CImageList* CTabCtrl::GetImageList() const {
    return CImageList::FromHandle((HIMAGELIST)TSEND(TCM_GETIMAGELIST, 0, 0));
}
CImageList* CTabCtrl::SetImageList(CImageList* pImageList) {
    HIMAGELIST list = pImageList ? pImageList->GetSafeHandle() : nullptr;
    return CImageList::FromHandle((HIMAGELIST)TSEND(TCM_SETIMAGELIST, 0, list));
}
int CTabCtrl::GetItemCount() const {
    return (int)TSEND(TCM_GETITEMCOUNT, 0, 0);
}
BOOL CTabCtrl::GetItem(int nItem, TCITEM* pTabCtrlItem) const {
    return (BOOL)TSEND(TCM_GETITEMW, nItem, pTabCtrlItem);
}
BOOL CTabCtrl::SetItem(int nItem, TCITEM* pTabCtrlItem) {
    return (BOOL)TSEND(TCM_SETITEMW, nItem, pTabCtrlItem);
}
BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const {
    return (BOOL)TSEND(TCM_GETITEMRECT, nItem, lpRect);
}
int CTabCtrl::GetCurSel() const {
    return (int)TSEND(TCM_GETCURSEL, 0, 0);
}
int CTabCtrl::SetCurSel(int nItem) {
    return (int)TSEND(TCM_SETCURSEL, nItem, 0);
}
int CTabCtrl::GetCurFocus() const {
    return (int)TSEND(TCM_GETCURFOCUS, 0, 0);
}
void CTabCtrl::SetCurFocus(int nItem) {
    TSEND(TCM_SETCURFOCUS, nItem, 0);
}
CSize CTabCtrl::SetItemSize(CSize size) {
    const DWORD old = (DWORD)TSEND(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy));
    return CSize(LOWORD(old), HIWORD(old));
}
void CTabCtrl::SetPadding(CSize size) {
    TSEND(TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy));
}
int CTabCtrl::GetRowCount() const {
    return (int)TSEND(TCM_GETROWCOUNT, 0, 0);
}
CToolTipCtrl* CTabCtrl::GetToolTips() const {
    return static_cast<CToolTipCtrl*>(CWnd::FromHandle((HWND)TSEND(TCM_GETTOOLTIPS, 0, 0)));
}
void CTabCtrl::SetToolTips(CToolTipCtrl* pWndTip) {
    TSEND(TCM_SETTOOLTIPS, pWndTip ? pWndTip->GetSafeHwnd() : nullptr, 0);
}

BOOL CTabCtrl::InsertItem(int nItem, TCITEM* pTabCtrlItem) {
    return TSEND(TCM_INSERTITEMW, nItem, pTabCtrlItem) != -1;
}
BOOL CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPWSTR>(lpszItem);
    return InsertItem(nItem, &item);
}
BOOL CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<LPWSTR>(lpszItem);
    item.iImage = nImage;
    return InsertItem(nItem, &item);
}
BOOL CTabCtrl::DeleteItem(int nItem) {
    return (BOOL)TSEND(TCM_DELETEITEM, nItem, 0);
}
BOOL CTabCtrl::DeleteAllItems() {
    return (BOOL)TSEND(TCM_DELETEALLITEMS, 0, 0);
}
void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect) {
    TSEND(TCM_ADJUSTRECT, bLarger, lpRect);
}
void CTabCtrl::RemoveImage(int nImage) {
    TSEND(TCM_REMOVEIMAGE, nImage, 0);
}
int CTabCtrl::HitTest(TCHITTESTINFO* pHitTestInfo) const {
    return (int)TSEND(TCM_HITTEST, 0, pHitTestInfo);
}
void CTabCtrl::DeselectAll(BOOL fExcludeFocus) {
    TSEND(TCM_DESELECTALL, fExcludeFocus, 0);
}

void CTabCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CTabCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    return AfxDrawReflectedItem(*this, lParam, pResult);
}

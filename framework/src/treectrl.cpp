// CTreeCtrl: a thin wrapper over the tree view's messages.
#include "afximpl.h"

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

#define TSEND(msg, w, l) ::SendMessageW(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

CTreeCtrl::~CTreeCtrl() {}

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxEnsureCommonControls();
    return CWnd::Create(WC_TREEVIEWW, nullptr, dwStyle, rect, pParentWnd, nID);
}

UINT CTreeCtrl::GetCount() const {
    return (UINT)TSEND(TVM_GETCOUNT, 0, 0);
}
UINT CTreeCtrl::GetIndent() const {
    return (UINT)TSEND(TVM_GETINDENT, 0, 0);
}
void CTreeCtrl::SetIndent(UINT nIndent) {
    TSEND(TVM_SETINDENT, nIndent, 0);
}
CImageList* CTreeCtrl::GetImageList(UINT nImageList) const {
    return CImageList::FromHandle((HIMAGELIST)TSEND(TVM_GETIMAGELIST, nImageList, 0));
}
CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
    return CImageList::FromHandle(
        (HIMAGELIST)TSEND(TVM_SETIMAGELIST, nImageListType, pImageList->GetSafeHandle()));
}
HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const {
    return (HTREEITEM)TSEND(TVM_GETNEXTITEM, nCode, hItem);
}
HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_CHILD);
}
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_NEXT);
}
HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_PREVIOUS);
}
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_PARENT);
}
HTREEITEM CTreeCtrl::GetFirstVisibleItem() const {
    return GetNextItem(nullptr, TVGN_FIRSTVISIBLE);
}
HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_NEXTVISIBLE);
}
HTREEITEM CTreeCtrl::GetPrevVisibleItem(HTREEITEM hItem) const {
    return GetNextItem(hItem, TVGN_PREVIOUSVISIBLE);
}
HTREEITEM CTreeCtrl::GetSelectedItem() const {
    return GetNextItem(nullptr, TVGN_CARET);
}
HTREEITEM CTreeCtrl::GetDropHilightItem() const {
    return GetNextItem(nullptr, TVGN_DROPHILITE);
}
HTREEITEM CTreeCtrl::GetRootItem() const {
    return GetNextItem(nullptr, TVGN_ROOT);
}
BOOL CTreeCtrl::GetItem(TVITEM* pItem) const {
    return (BOOL)TSEND(TVM_GETITEMW, 0, pItem);
}
CString CTreeCtrl::GetItemText(HTREEITEM hItem) const {
    // Grows the buffer until the text fits.
    CString text;
    for (int size = 256; size <= 65536; size *= 4) {
        TVITEMW item = {};
        item.mask = TVIF_TEXT;
        item.hItem = hItem;
        item.pszText = text.GetBuffer(size);
        item.cchTextMax = size;
        BOOL ok = GetItem(&item);
        text.ReleaseBuffer();
        if (!ok)
            return CString();
        if (text.GetLength() < size - 1)
            break;
    }
    return text;
}
BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
    TVITEMW item = {};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = hItem;
    if (!GetItem(&item))
        return FALSE;
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
    return TRUE;
}
UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const {
    return (UINT)TSEND(TVM_GETITEMSTATE, hItem, nStateMask);
}
DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
    TVITEMW item = {};
    item.mask = TVIF_PARAM;
    item.hItem = hItem;
    return GetItem(&item) ? (DWORD_PTR)item.lParam : 0;
}
BOOL CTreeCtrl::SetItem(TVITEM* pItem) {
    return (BOOL)TSEND(TVM_SETITEMW, 0, pItem);
}
BOOL CTreeCtrl::SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage,
                        UINT nState, UINT nStateMask, LPARAM lParam) {
    TVITEMW item = {};
    item.hItem = hItem;
    item.mask = nMask;
    item.pszText = const_cast<LPWSTR>(lpszItem);
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}
BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem) {
    return SetItem(hItem, TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0);
}
BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage) {
    return SetItem(hItem, TVIF_IMAGE | TVIF_SELECTEDIMAGE, nullptr, nImage, nSelectedImage, 0, 0, 0);
}
BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask) {
    return SetItem(hItem, TVIF_STATE, nullptr, 0, 0, nState, nStateMask, 0);
}
BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
    return SetItem(hItem, TVIF_PARAM, nullptr, 0, 0, 0, 0, (LPARAM)dwData);
}
BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const {
    TVITEMW item = {};
    item.mask = TVIF_CHILDREN;
    item.hItem = hItem;
    return GetItem(&item) ? item.cChildren != 0 : FALSE;
}
CEdit* CTreeCtrl::GetEditControl() const {
    return (CEdit*)CWnd::FromHandle((HWND)TSEND(TVM_GETEDITCONTROL, 0, 0));
}
UINT CTreeCtrl::GetVisibleCount() const {
    return (UINT)TSEND(TVM_GETVISIBLECOUNT, 0, 0);
}
BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const {
    // The message takes the item in the rectangle's first field.
    *reinterpret_cast<HTREEITEM*>(lpRect) = hItem;
    return (BOOL)TSEND(TVM_GETITEMRECT, bTextOnly, lpRect);
}
CToolTipCtrl* CTreeCtrl::GetToolTips() const {
    return (CToolTipCtrl*)CWnd::FromHandle((HWND)TSEND(TVM_GETTOOLTIPS, 0, 0));
}
CToolTipCtrl* CTreeCtrl::SetToolTips(CToolTipCtrl* pWndTip) {
    return (CToolTipCtrl*)CWnd::FromHandle((HWND)TSEND(TVM_SETTOOLTIPS, pWndTip->GetSafeHwnd(), 0));
}
COLORREF CTreeCtrl::GetBkColor() const {
    return (COLORREF)TSEND(TVM_GETBKCOLOR, 0, 0);
}
COLORREF CTreeCtrl::SetBkColor(COLORREF clr) {
    return (COLORREF)TSEND(TVM_SETBKCOLOR, 0, clr);
}
COLORREF CTreeCtrl::GetTextColor() const {
    return (COLORREF)TSEND(TVM_GETTEXTCOLOR, 0, 0);
}
COLORREF CTreeCtrl::SetTextColor(COLORREF clr) {
    return (COLORREF)TSEND(TVM_SETTEXTCOLOR, 0, clr);
}
COLORREF CTreeCtrl::GetLineColor() const {
    return (COLORREF)TSEND(TVM_GETLINECOLOR, 0, 0);
}
COLORREF CTreeCtrl::SetLineColor(COLORREF clrNew) {
    return (COLORREF)TSEND(TVM_SETLINECOLOR, 0, clrNew);
}
SHORT CTreeCtrl::GetItemHeight() const {
    return (SHORT)TSEND(TVM_GETITEMHEIGHT, 0, 0);
}
SHORT CTreeCtrl::SetItemHeight(SHORT cyHeight) {
    return (SHORT)TSEND(TVM_SETITEMHEIGHT, cyHeight, 0);
}
BOOL CTreeCtrl::GetCheck(HTREEITEM hItem) const {
    return ((GetItemState(hItem, TVIS_STATEIMAGEMASK) >> 12) - 1) == 1;
}
BOOL CTreeCtrl::SetCheck(HTREEITEM hItem, BOOL fCheck) {
    return SetItemState(hItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), TVIS_STATEIMAGEMASK);
}

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCT lpInsertStruct) {
    return (HTREEITEM)TSEND(TVM_INSERTITEMW, 0, lpInsertStruct);
}
HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    TVINSERTSTRUCTW tvis = {};
    tvis.hParent = hParent;
    tvis.hInsertAfter = hInsertAfter;
    tvis.item.mask = nMask;
    tvis.item.pszText = const_cast<LPWSTR>(lpszItem);
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nSelectedImage;
    tvis.item.state = nState;
    tvis.item.stateMask = nStateMask;
    tvis.item.lParam = lParam;
    return InsertItem(&tvis);
}
HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}
HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter) {
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0, 0,
                      hParent, hInsertAfter);
}
BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem) {
    return (BOOL)TSEND(TVM_DELETEITEM, 0, hItem);
}
BOOL CTreeCtrl::DeleteAllItems() {
    return (BOOL)TSEND(TVM_DELETEITEM, 0, TVI_ROOT);
}
BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) {
    return (BOOL)TSEND(TVM_EXPAND, nCode, hItem);
}
BOOL CTreeCtrl::Select(HTREEITEM hItem, UINT nCode) {
    return (BOOL)TSEND(TVM_SELECTITEM, nCode, hItem);
}
BOOL CTreeCtrl::SelectItem(HTREEITEM hItem) {
    return Select(hItem, TVGN_CARET);
}
BOOL CTreeCtrl::SelectDropTarget(HTREEITEM hItem) {
    return Select(hItem, TVGN_DROPHILITE);
}
BOOL CTreeCtrl::SelectSetFirstVisible(HTREEITEM hItem) {
    return Select(hItem, TVGN_FIRSTVISIBLE);
}
CEdit* CTreeCtrl::EditLabel(HTREEITEM hItem) {
    return (CEdit*)CWnd::FromHandle((HWND)TSEND(TVM_EDITLABELW, 0, hItem));
}
HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    TVHITTESTINFO info = {};
    info.pt = pt;
    HTREEITEM hItem = (HTREEITEM)TSEND(TVM_HITTEST, 0, &info);
    if (pFlags)
        *pFlags = info.flags;
    return hItem;
}
HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* pHitTestInfo) const {
    return (HTREEITEM)TSEND(TVM_HITTEST, 0, pHitTestInfo);
}
CImageList* CTreeCtrl::CreateDragImage(HTREEITEM hItem) {
    HIMAGELIST hImageList = (HIMAGELIST)TSEND(TVM_CREATEDRAGIMAGE, 0, hItem);
    if (!hImageList)
        return nullptr;
    // The caller owns the new list.
    auto* pImageList = new CImageList;
    pImageList->Attach(hImageList);
    return pImageList;
}
BOOL CTreeCtrl::SortChildren(HTREEITEM hItem) {
    return (BOOL)TSEND(TVM_SORTCHILDREN, 0, hItem);
}
BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem) {
    return (BOOL)TSEND(TVM_ENSUREVISIBLE, 0, hItem);
}
BOOL CTreeCtrl::SortChildrenCB(LPTVSORTCB pSort) {
    return (BOOL)TSEND(TVM_SORTCHILDRENCB, 0, pSort);
}

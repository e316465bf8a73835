// Common controls: image lists, header, list view, progress bar, tooltips.
#include "afximpl.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CImageList, CObject)
IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

#define SEND(msg, w, l) ::SendMessageW(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

/////////////////////////////////////////////////////////////////////////////
// CImageList (counted with the GDI objects: it owns bitmaps)

CImageList::CImageList() : m_hImageList(nullptr), m_bTemp(FALSE) {}
CImageList::~CImageList() {
    if (!m_hImageList || m_bTemp)
        return;
    if (AfxImageListHolders(m_hImageList).size() > 1)
        Detach(); // another wrapper still uses it
    else
        DeleteImageList();
}

// The wrapper the application attached, when there is one: a control's
// getter hands back the caller's own object, which outlives the message.
CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList) {
    if (!hImageList)
        return nullptr;
    if (CImageList* pList = AfxFindPermanentImageList(hImageList))
        return pList;
    if (CObject* pTemp = AfxFindTemp(afxTempImageList, hImageList))
        return static_cast<CImageList*>(pTemp);
    CImageList* p = new CImageList;
    p->m_bTemp = TRUE;
    p->m_hImageList = hImageList;
    AfxAddTemp(afxTempImageList, hImageList, p);
    return p;
}

void PASCAL CImageList::DeleteTempMap() {
    AfxDeleteTemps(AfxGetThreadState(), AfxGetThreadState()->tempLockDepth - 1, afxTempImageList);
}

BOOL CImageList::Attach(HIMAGELIST hImageList) {
    if (!hImageList)
        return FALSE;
    if (m_hImageList)
        DeleteImageList();
    m_hImageList = hImageList;
    if (!m_bTemp) {
        AfxMapImageList(hImageList, this);
        ++afxLiveGdiObjects;
    }
    return TRUE;
}

HIMAGELIST CImageList::Detach() {
    HIMAGELIST h = m_hImageList;
    if (h && !m_bTemp) {
        AfxUnmapImageList(h, this);
        --afxLiveGdiObjects;
    }
    m_hImageList = nullptr;
    return h;
}

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList)
        return FALSE;
    if (m_bTemp) {
        m_hImageList = nullptr;
        return FALSE;
    }
    // Every wrapper of the list lets go: none keeps a dead handle.
    HIMAGELIST h = m_hImageList;
    for (CImageList* pHolder : AfxImageListHolders(h))
        pHolder->Detach();
    return ImageList_Destroy(h);
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
    AfxEnsureCommonControls();
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}
BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
    return Create(MAKEINTRESOURCEW(nBitmapID), cx, nGrow, crMask);
}
BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask) {
    AfxEnsureCommonControls();
    HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
    return Attach(
        ImageList_LoadImageW(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, LR_CREATEDIBSECTION));
}
BOOL CImageList::Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx,
                        int dy) {
    return Attach(
        ImageList_Merge(imagelist1.m_hImageList, nImage1, imagelist2.m_hImageList, nImage2, dx, dy));
}
BOOL CImageList::Create(CImageList* pImageList) {
    return Attach(ImageList_Duplicate(pImageList->m_hImageList));
}

int CImageList::GetImageCount() const {
    return ImageList_GetImageCount(m_hImageList);
}
BOOL CImageList::SetImageCount(UINT uNewCount) {
    return ImageList_SetImageCount(m_hImageList, uNewCount);
}
COLORREF CImageList::SetBkColor(COLORREF cr) {
    return ImageList_SetBkColor(m_hImageList, cr);
}
COLORREF CImageList::GetBkColor() const {
    return ImageList_GetBkColor(m_hImageList);
}
BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const {
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}
BOOL CImageList::GetIconSize(int* cx, int* cy) const {
    return ImageList_GetIconSize(m_hImageList, cx, cy);
}
BOOL CImageList::SetIconSize(int cx, int cy) {
    return ImageList_SetIconSize(m_hImageList, cx, cy);
}
int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
    return ImageList_Add(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), (HBITMAP)pbmMask->GetSafeHandle());
}
int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
    return ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), crMask);
}
int CImageList::Add(HICON hIcon) {
    return ImageList_ReplaceIcon(m_hImageList, -1, hIcon);
}
BOOL CImageList::Remove(int nImage) {
    return ImageList_Remove(m_hImageList, nImage);
}
BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask) {
    return ImageList_Replace(m_hImageList, nImage, (HBITMAP)pbmImage->GetSafeHandle(),
                             (HBITMAP)pbmMask->GetSafeHandle());
}
int CImageList::Replace(int nImage, HICON hIcon) {
    return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}
HICON CImageList::ExtractIcon(int nImage) {
    return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}
BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
    return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}
BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg,
                        UINT nStyle) {
    return ImageList_DrawEx(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, sz.cx, sz.cy, clrBk, clrFg,
                            nStyle);
}
BOOL CImageList::DrawIndirect(IMAGELISTDRAWPARAMS* pimldp) {
    pimldp->cbSize = sizeof(IMAGELISTDRAWPARAMS);
    pimldp->himl = m_hImageList;
    return ImageList_DrawIndirect(pimldp);
}
BOOL CImageList::SetOverlayImage(int nImage, int nOverlay) {
    return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}
BOOL CImageList::Copy(int iDst, int iSrc, UINT uFlags) {
    return ImageList_Copy(m_hImageList, iDst, m_hImageList, iSrc, uFlags);
}
BOOL CImageList::Copy(int iDst, CImageList* pSrc, int iSrc, UINT uFlags) {
    return ImageList_Copy(m_hImageList, iDst, pSrc->m_hImageList, iSrc, uFlags);
}

/////////////////////////////////////////////////////////////////////////////
// CHeaderCtrl

CHeaderCtrl::~CHeaderCtrl() {}
BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_HEADERW, nullptr, dwStyle, rect, pParentWnd, nID);
}
int CHeaderCtrl::GetItemCount() const {
    return (int)::SendMessageW(m_hWnd, HDM_GETITEMCOUNT, 0, 0);
}
BOOL CHeaderCtrl::GetItem(int nPos, HDITEM* pHeaderItem) const {
    return (BOOL)::SendMessageW(m_hWnd, HDM_GETITEMW, nPos, (LPARAM)pHeaderItem);
}
BOOL CHeaderCtrl::SetItem(int nPos, HDITEM* pHeaderItem) {
    return (BOOL)SEND(HDM_SETITEMW, nPos, pHeaderItem);
}
int CHeaderCtrl::InsertItem(int nPos, HDITEM* phdi) {
    return (int)SEND(HDM_INSERTITEMW, nPos, phdi);
}
BOOL CHeaderCtrl::DeleteItem(int nPos) {
    return (BOOL)SEND(HDM_DELETEITEM, nPos, 0);
}
BOOL CHeaderCtrl::Layout(HDLAYOUT* pHeaderLayout) {
    return (BOOL)SEND(HDM_LAYOUT, 0, pHeaderLayout);
}
BOOL CHeaderCtrl::GetItemRect(int nIndex, LPRECT lpRect) const {
    return (BOOL)::SendMessageW(m_hWnd, HDM_GETITEMRECT, nIndex, (LPARAM)lpRect);
}
CImageList* CHeaderCtrl::SetImageList(CImageList* pImageList) {
    return CImageList::FromHandle((HIMAGELIST)SEND(HDM_SETIMAGELIST, 0, pImageList->GetSafeHandle()));
}
CImageList* CHeaderCtrl::GetImageList() const {
    return CImageList::FromHandle((HIMAGELIST)::SendMessageW(m_hWnd, HDM_GETIMAGELIST, 0, 0));
}
int CHeaderCtrl::OrderToIndex(int nOrder) const {
    return (int)::SendMessageW(m_hWnd, HDM_ORDERTOINDEX, nOrder, 0);
}
BOOL CHeaderCtrl::GetOrderArray(LPINT piArray, int iCount) {
    if (iCount < 0)
        iCount = GetItemCount();
    return (BOOL)SEND(HDM_GETORDERARRAY, iCount, piArray);
}
BOOL CHeaderCtrl::SetOrderArray(int iCount, LPINT piArray) {
    return (BOOL)SEND(HDM_SETORDERARRAY, iCount, piArray);
}
int CHeaderCtrl::HitTest(LPHDHITTESTINFO pHeaderHitTestInfo) {
    return (int)SEND(HDM_HITTEST, 0, pHeaderHitTestInfo);
}
int CHeaderCtrl::SetHotDivider(CPoint pt) {
    return (int)SEND(HDM_SETHOTDIVIDER, TRUE, MAKELPARAM(pt.x, pt.y));
}
int CHeaderCtrl::SetHotDivider(int nIndex) {
    return (int)SEND(HDM_SETHOTDIVIDER, FALSE, nIndex);
}
CImageList* CHeaderCtrl::CreateDragImage(int nIndex) {
    HIMAGELIST h = (HIMAGELIST)SEND(HDM_CREATEDRAGIMAGE, nIndex, 0);
    if (!h)
        return nullptr;
    CImageList* p = new CImageList; // the caller deletes it
    p->Attach(h);
    return p;
}
void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT) {}
BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    return AfxDrawReflectedItem(*this, lParam, pResult);
}

/////////////////////////////////////////////////////////////////////////////
// CListCtrl

#define LSEND(msg, w, l) ::SendMessageW(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

CListCtrl::~CListCtrl() {}
BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(WC_LISTVIEWW, nullptr, dwStyle, rect, pParentWnd, nID);
}
COLORREF CListCtrl::GetBkColor() const {
    return (COLORREF)LSEND(LVM_GETBKCOLOR, 0, 0);
}
BOOL CListCtrl::SetBkColor(COLORREF cr) {
    return (BOOL)LSEND(LVM_SETBKCOLOR, 0, cr);
}
CImageList* CListCtrl::GetImageList(int nImageList) const {
    return CImageList::FromHandle((HIMAGELIST)LSEND(LVM_GETIMAGELIST, nImageList, 0));
}
CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
    return CImageList::FromHandle(
        (HIMAGELIST)LSEND(LVM_SETIMAGELIST, nImageListType, pImageList->GetSafeHandle()));
}
int CListCtrl::GetItemCount() const {
    return (int)LSEND(LVM_GETITEMCOUNT, 0, 0);
}
BOOL CListCtrl::GetItem(LVITEM* pItem) const {
    return (BOOL)LSEND(LVM_GETITEMW, 0, pItem);
}
BOOL CListCtrl::SetItem(const LVITEM* pItem) {
    return (BOOL)LSEND(LVM_SETITEMW, 0, pItem);
}
BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
                        UINT nStateMask, LPARAM lParam) {
    LVITEMW lvi = {};
    lvi.mask = nMask;
    lvi.iItem = nItem;
    lvi.iSubItem = nSubItem;
    lvi.stateMask = nStateMask;
    lvi.state = nState;
    lvi.pszText = (LPWSTR)lpszItem;
    lvi.iImage = nImage;
    lvi.lParam = lParam;
    return (BOOL)LSEND(LVM_SETITEMW, 0, &lvi);
}
UINT CListCtrl::GetCallbackMask() const {
    return (UINT)LSEND(LVM_GETCALLBACKMASK, 0, 0);
}
BOOL CListCtrl::SetCallbackMask(UINT nMask) {
    return (BOOL)LSEND(LVM_SETCALLBACKMASK, nMask, 0);
}
int CListCtrl::GetNextItem(int nItem, int nFlags) const {
    return (int)LSEND(LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0));
}
POSITION CListCtrl::GetFirstSelectedItemPosition() const {
    return (POSITION)(INT_PTR)(1 + GetNextItem(-1, LVIS_SELECTED));
}
int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
    int nOldPos = (int)(INT_PTR)pos - 1;
    pos = (POSITION)(INT_PTR)(1 + GetNextItem(nOldPos, LVIS_SELECTED));
    return nOldPos;
}
BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
    lpRect->left = (LONG)nCode;
    return (BOOL)LSEND(LVM_GETITEMRECT, nItem, lpRect);
}
BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) {
    ref.top = iSubItem;
    ref.left = nArea;
    return (BOOL)LSEND(LVM_GETSUBITEMRECT, iItem, (LPRECT)&ref);
}
BOOL CListCtrl::SetItemPosition(int nItem, POINT pt) {
    return (BOOL)LSEND(LVM_SETITEMPOSITION32, nItem, &pt);
}
BOOL CListCtrl::GetItemPosition(int nItem, LPPOINT lpPoint) const {
    return (BOOL)LSEND(LVM_GETITEMPOSITION, nItem, lpPoint);
}
int CListCtrl::GetStringWidth(LPCTSTR lpsz) const {
    return (int)LSEND(LVM_GETSTRINGWIDTHW, 0, lpsz);
}
CEdit* CListCtrl::GetEditControl() const {
    return (CEdit*)CWnd::FromHandle((HWND)LSEND(LVM_GETEDITCONTROL, 0, 0));
}
BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const {
    return (BOOL)LSEND(LVM_GETCOLUMNW, nCol, pColumn);
}
BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMN* pColumn) {
    return (BOOL)LSEND(LVM_SETCOLUMNW, nCol, pColumn);
}
int CListCtrl::GetColumnWidth(int nCol) const {
    return (int)LSEND(LVM_GETCOLUMNWIDTH, nCol, 0);
}
BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
    return (BOOL)LSEND(LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0));
}
BOOL CListCtrl::GetViewRect(LPRECT lpRect) const {
    return (BOOL)LSEND(LVM_GETVIEWRECT, 0, lpRect);
}
COLORREF CListCtrl::GetTextColor() const {
    return (COLORREF)LSEND(LVM_GETTEXTCOLOR, 0, 0);
}
BOOL CListCtrl::SetTextColor(COLORREF cr) {
    return (BOOL)LSEND(LVM_SETTEXTCOLOR, 0, cr);
}
COLORREF CListCtrl::GetTextBkColor() const {
    return (COLORREF)LSEND(LVM_GETTEXTBKCOLOR, 0, 0);
}
BOOL CListCtrl::SetTextBkColor(COLORREF cr) {
    return (BOOL)LSEND(LVM_SETTEXTBKCOLOR, 0, cr);
}
int CListCtrl::GetTopIndex() const {
    return (int)LSEND(LVM_GETTOPINDEX, 0, 0);
}
int CListCtrl::GetCountPerPage() const {
    return (int)LSEND(LVM_GETCOUNTPERPAGE, 0, 0);
}
BOOL CListCtrl::GetOrigin(LPPOINT lpPoint) const {
    return (BOOL)LSEND(LVM_GETORIGIN, 0, lpPoint);
}
BOOL CListCtrl::SetItemState(int nItem, LVITEM* pItem) {
    return (BOOL)LSEND(LVM_SETITEMSTATE, nItem, pItem);
}
BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    LVITEMW lvi = {};
    lvi.stateMask = nMask;
    lvi.state = nState;
    return (BOOL)LSEND(LVM_SETITEMSTATE, nItem, &lvi);
}
UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    return (UINT)LSEND(LVM_GETITEMSTATE, nItem, nMask);
}
CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    // Grow the buffer until the text fits.
    CString str;
    LVITEMW lvi = {};
    lvi.iSubItem = nSubItem;
    for (int nLen = 128;; nLen *= 2) {
        lvi.cchTextMax = nLen;
        lvi.pszText = str.GetBufferSetLength(nLen);
        int nRes = (int)LSEND(LVM_GETITEMTEXTW, nItem, &lvi);
        if (nRes < nLen - 1 || nLen >= 1 << 20) {
            str.ReleaseBuffer(nRes);
            break;
        }
    }
    return str;
}
int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const {
    LVITEMW lvi = {};
    lvi.iSubItem = nSubItem;
    lvi.cchTextMax = nLen;
    lvi.pszText = lpszText;
    return (int)LSEND(LVM_GETITEMTEXTW, nItem, &lvi);
}
BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
    LVITEMW lvi = {};
    lvi.iSubItem = nSubItem;
    lvi.pszText = (LPWSTR)lpszText;
    return (BOOL)LSEND(LVM_SETITEMTEXTW, nItem, &lvi);
}
void CListCtrl::SetItemCount(int nItems) {
    LSEND(LVM_SETITEMCOUNT, nItems, 0);
}
BOOL CListCtrl::SetItemCountEx(int iCount, DWORD dwFlags) {
    return (BOOL)LSEND(LVM_SETITEMCOUNT, iCount, dwFlags);
}
BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, (LPARAM)dwData);
}
DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    LVITEMW lvi = {};
    lvi.iItem = nItem;
    lvi.mask = LVIF_PARAM;
    LSEND(LVM_GETITEMW, 0, &lvi);
    return (DWORD_PTR)lvi.lParam;
}
UINT CListCtrl::GetSelectedCount() const {
    return (UINT)LSEND(LVM_GETSELECTEDCOUNT, 0, 0);
}
int CListCtrl::GetSelectionMark() const {
    return (int)LSEND(LVM_GETSELECTIONMARK, 0, 0);
}
int CListCtrl::SetSelectionMark(int iIndex) {
    return (int)LSEND(LVM_SETSELECTIONMARK, 0, iIndex);
}
BOOL CListCtrl::SetColumnOrderArray(int iCount, LPINT piArray) {
    return (BOOL)LSEND(LVM_SETCOLUMNORDERARRAY, iCount, piArray);
}
BOOL CListCtrl::GetColumnOrderArray(LPINT piArray, int iCount) {
    if (iCount < 0) {
        CHeaderCtrl* pHeader = GetHeaderCtrl();
        iCount = pHeader ? pHeader->GetItemCount() : 0;
    }
    return (BOOL)LSEND(LVM_GETCOLUMNORDERARRAY, iCount, piArray);
}
CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
    return (CHeaderCtrl*)CWnd::FromHandle((HWND)LSEND(LVM_GETHEADER, 0, 0));
}
DWORD CListCtrl::GetExtendedStyle() const {
    return (DWORD)LSEND(LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
}
DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    return (DWORD)LSEND(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle);
}
int CListCtrl::GetHotItem() const {
    return (int)LSEND(LVM_GETHOTITEM, 0, 0);
}
int CListCtrl::SetHotItem(int iIndex) {
    return (int)LSEND(LVM_SETHOTITEM, iIndex, 0);
}
CSize CListCtrl::ApproximateViewRect(CSize sz, int iCount) const {
    return CSize((DWORD)LSEND(LVM_APPROXIMATEVIEWRECT, iCount, MAKELPARAM(sz.cx, sz.cy)));
}
DWORD CListCtrl::SetIconSpacing(int cx, int cy) {
    return (DWORD)LSEND(LVM_SETICONSPACING, 0, MAKELONG(cx, cy));
}

int CListCtrl::InsertItem(const LVITEM* pItem) {
    return (int)LSEND(LVM_INSERTITEMW, 0, pItem);
}
int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem) {
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}
int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}
int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam) {
    LVITEMW lvi = {};
    lvi.mask = nMask;
    lvi.iItem = nItem;
    lvi.state = nState;
    lvi.stateMask = nStateMask;
    lvi.pszText = (LPWSTR)lpszItem;
    lvi.iImage = nImage;
    lvi.lParam = lParam;
    return (int)LSEND(LVM_INSERTITEMW, 0, &lvi);
}
BOOL CListCtrl::DeleteItem(int nItem) {
    return (BOOL)LSEND(LVM_DELETEITEM, nItem, 0);
}
BOOL CListCtrl::DeleteAllItems() {
    return (BOOL)LSEND(LVM_DELETEALLITEMS, 0, 0);
}
int CListCtrl::FindItem(LVFINDINFO* pFindInfo, int nStart) const {
    return (int)LSEND(LVM_FINDITEMW, nStart, pFindInfo);
}
int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const {
    return (int)LSEND(LVM_HITTEST, 0, pHitTestInfo);
}
int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    LVHITTESTINFO hti = {};
    hti.pt = pt;
    int nRes = (int)LSEND(LVM_HITTEST, 0, &hti);
    if (pFlags)
        *pFlags = hti.flags;
    return nRes;
}
int CListCtrl::SubItemHitTest(LPLVHITTESTINFO pInfo) {
    return (int)LSEND(LVM_SUBITEMHITTEST, 0, pInfo);
}
BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
    return (BOOL)LSEND(LVM_ENSUREVISIBLE, nItem, bPartialOK);
}
BOOL CListCtrl::Scroll(CSize size) {
    return (BOOL)LSEND(LVM_SCROLL, size.cx, size.cy);
}
BOOL CListCtrl::RedrawItems(int nFirst, int nLast) {
    return (BOOL)LSEND(LVM_REDRAWITEMS, nFirst, nLast);
}
BOOL CListCtrl::Arrange(UINT nCode) {
    return (BOOL)LSEND(LVM_ARRANGE, nCode, 0);
}
CEdit* CListCtrl::EditLabel(int nItem) {
    return (CEdit*)CWnd::FromHandle((HWND)LSEND(LVM_EDITLABELW, nItem, 0));
}
int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn) {
    return (int)LSEND(LVM_INSERTCOLUMNW, nCol, pColumn);
}
int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int nSubItem) {
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = (LPWSTR)lpszColumnHeading;
    column.fmt = nFormat;
    if (nWidth != -1) {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1) {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}
BOOL CListCtrl::DeleteColumn(int nCol) {
    return (BOOL)LSEND(LVM_DELETECOLUMN, nCol, 0);
}
BOOL CListCtrl::Update(int nItem) {
    return (BOOL)LSEND(LVM_UPDATE, nItem, 0);
}
BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
    return (BOOL)LSEND(LVM_SORTITEMS, dwData, pfnCompare);
}
namespace {
int CALLBACK CompareRanks(LPARAM lParam1, LPARAM lParam2, LPARAM) {
    return lParam1 < lParam2 ? -1 : (lParam1 > lParam2 ? 1 : 0);
}
} // namespace

BOOL CListCtrl::SortItemsEx(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
    // Wine's list view moves its items while it compares them, so the indexes
    // it hands to the compare function drift during LVM_SORTITEMSEX. The
    // order is found here on the untouched list instead, then applied in one
    // LVM_SORTITEMS over each item's rank, parked in its item data.
    if (!pfnCompare || (GetStyle() & LVS_OWNERDATA))
        return FALSE;
    const int nCount = GetItemCount();
    std::vector<int> order(nCount);
    for (int i = 0; i < nCount; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return pfnCompare((LPARAM)a, (LPARAM)b, (LPARAM)dwData) < 0;
    });
    std::vector<DWORD_PTR> saved(nCount);
    for (int i = 0; i < nCount; ++i)
        saved[i] = GetItemData(i);
    ++m_nSortItemsEx;
    for (int k = 0; k < nCount; ++k)
        SetItemData(order[k], (DWORD_PTR)k);
    BOOL bDone = (BOOL)LSEND(LVM_SORTITEMS, 0, &CompareRanks);
    // Each item's data is its rank again, now also its place.
    for (int k = 0; k < nCount; ++k)
        SetItemData(k, saved[bDone ? order[k] : k]);
    --m_nSortItemsEx;
    return bDone;
}
void CListCtrl::DrawItem(LPDRAWITEMSTRUCT) {}
BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_NOTIFY && m_nSortItemsEx) {
        const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        if (pNMHDR && (pNMHDR->code == LVN_ITEMCHANGING || pNMHDR->code == LVN_ITEMCHANGED)) {
            if (pResult)
                *pResult = 0;
            return TRUE;
        }
    }
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    return AfxDrawReflectedItem(*this, lParam, pResult);
}

/////////////////////////////////////////////////////////////////////////////
// CProgressCtrl

CProgressCtrl::~CProgressCtrl() {}
BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(PROGRESS_CLASSW, nullptr, dwStyle, rect, pParentWnd, nID);
}
void CProgressCtrl::SetRange(short nLower, short nUpper) {
    SEND(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
}
void CProgressCtrl::SetRange32(int nLower, int nUpper) {
    SEND(PBM_SETRANGE32, nLower, nUpper);
}
void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
    PBRANGE range;
    ::SendMessageW(m_hWnd, PBM_GETRANGE, FALSE, (LPARAM)&range);
    nLower = range.iLow;
    nUpper = range.iHigh;
}
int CProgressCtrl::GetPos() const {
    return (int)::SendMessageW(m_hWnd, PBM_GETPOS, 0, 0);
}
int CProgressCtrl::SetPos(int nPos) {
    return (int)SEND(PBM_SETPOS, nPos, 0);
}
int CProgressCtrl::OffsetPos(int nPos) {
    return (int)SEND(PBM_DELTAPOS, nPos, 0);
}
int CProgressCtrl::SetStep(int nStep) {
    return (int)SEND(PBM_SETSTEP, nStep, 0);
}
int CProgressCtrl::StepIt() {
    return (int)SEND(PBM_STEPIT, 0, 0);
}
COLORREF CProgressCtrl::SetBarColor(COLORREF clrBar) {
    return (COLORREF)SEND(PBM_SETBARCOLOR, 0, clrBar);
}
COLORREF CProgressCtrl::SetBkColor(COLORREF clrNew) {
    return (COLORREF)SEND(PBM_SETBKCOLOR, 0, clrNew);
}

/////////////////////////////////////////////////////////////////////////////
// CToolTipCtrl

CToolTipCtrl::~CToolTipCtrl() {
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    return CreateEx(pParentWnd, dwStyle, 0);
}

BOOL CToolTipCtrl::CreateEx(CWnd* pParentWnd, DWORD dwStyle, DWORD dwStyleEx) {
    BOOL bResult =
        CWnd::CreateEx(dwStyleEx, TOOLTIPS_CLASSW, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                       CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), nullptr);
    if (bResult)
        SetOwner(pParentWnd);
    return bResult;
}

void CToolTipCtrl::FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const {
    ZeroMemory(&ti, sizeof(ti));
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    HWND hWnd = pWnd->GetSafeHwnd();
    if (nIDTool == 0) {
        ti.hwnd = ::GetParent(hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = (UINT_PTR)hWnd;
    } else {
        ti.hwnd = hWnd;
        ti.uFlags = 0;
        ti.uId = nIDTool;
    }
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    WCHAR buf[1024] = {};
    ti.lpszText = buf;
    ::SendMessageW(m_hWnd, TTM_GETTEXTW, 1024, (LPARAM)&ti);
    str = buf;
}
BOOL CToolTipCtrl::GetToolInfo(TOOLINFO& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const {
    FillInToolInfo(ToolInfo, pWnd, nIDTool);
    return (BOOL)::SendMessageW(m_hWnd, TTM_GETTOOLINFOW, 0, (LPARAM)&ToolInfo);
}
void CToolTipCtrl::SetToolInfo(LPTOOLINFO lpToolInfo) {
    SEND(TTM_SETTOOLINFOW, 0, lpToolInfo);
}
void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    SEND(TTM_NEWTOOLRECTW, 0, &ti);
}
int CToolTipCtrl::GetToolCount() const {
    return (int)::SendMessageW(m_hWnd, TTM_GETTOOLCOUNT, 0, 0);
}
int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const {
    return (int)::SendMessageW(m_hWnd, TTM_GETDELAYTIME, dwDuration, 0);
}
void CToolTipCtrl::SetDelayTime(UINT nDelay) {
    SEND(TTM_SETDELAYTIME, TTDT_AUTOMATIC, nDelay);
}
void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime) {
    SEND(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
}
void CToolTipCtrl::GetMargin(LPRECT lprc) const {
    ::SendMessageW(m_hWnd, TTM_GETMARGIN, 0, (LPARAM)lprc);
}
void CToolTipCtrl::SetMargin(LPRECT lprc) {
    SEND(TTM_SETMARGIN, 0, lprc);
}
int CToolTipCtrl::GetMaxTipWidth() const {
    return (int)::SendMessageW(m_hWnd, TTM_GETMAXTIPWIDTH, 0, 0);
}
int CToolTipCtrl::SetMaxTipWidth(int iWidth) {
    return (int)SEND(TTM_SETMAXTIPWIDTH, 0, iWidth);
}
COLORREF CToolTipCtrl::GetTipBkColor() const {
    return (COLORREF)::SendMessageW(m_hWnd, TTM_GETTIPBKCOLOR, 0, 0);
}
void CToolTipCtrl::SetTipBkColor(COLORREF clr) {
    SEND(TTM_SETTIPBKCOLOR, clr, 0);
}
COLORREF CToolTipCtrl::GetTipTextColor() const {
    return (COLORREF)::SendMessageW(m_hWnd, TTM_GETTIPTEXTCOLOR, 0, 0);
}
void CToolTipCtrl::SetTipTextColor(COLORREF clr) {
    SEND(TTM_SETTIPTEXTCOLOR, clr, 0);
}
void CToolTipCtrl::Activate(BOOL bActivate) {
    SEND(TTM_ACTIVATE, bActivate, 0);
}
BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    CString text;
    text.LoadString(nIDText);
    return AddTool(pWnd, text, lpRectTool, nIDTool);
}
BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool)
        ti.rect = *lpRectTool;
    else if (nIDTool != 0)
        ::GetClientRect(pWnd->GetSafeHwnd(), &ti.rect);
    // No TTF_SUBCLASS: the owner relays mouse messages itself (RelayEvent), so it
    // decides when its tip may show; a subclassing tip would show regardless.
    ti.lpszText = (LPWSTR)lpszText;
    return (BOOL)SEND(TTM_ADDTOOLW, 0, &ti);
}
void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    SEND(TTM_DELTOOLW, 0, &ti);
}
BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFO lpToolInfo) const {
    TTHITTESTINFOW hti = {};
    hti.ti.cbSize = TTTOOLINFOW_V2_SIZE;
    hti.hwnd = pWnd->GetSafeHwnd();
    hti.pt = pt;
    if (!::SendMessageW(m_hWnd, TTM_HITTESTW, 0, (LPARAM)&hti))
        return FALSE;
    if (lpToolInfo)
        *lpToolInfo = hti.ti;
    return TRUE;
}
void CToolTipCtrl::RelayEvent(LPMSG lpMsg) {
    SEND(TTM_RELAYEVENT, 0, lpMsg);
}
void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = (LPWSTR)lpszText;
    SEND(TTM_UPDATETIPTEXTW, 0, &ti);
}
void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool) {
    CString text;
    text.LoadString(nIDText);
    UpdateTipText(text, pWnd, nIDTool);
}
void CToolTipCtrl::Update() {
    SEND(TTM_UPDATE, 0, 0);
}
void CToolTipCtrl::Pop() {
    SEND(TTM_POP, 0, 0);
}
void CToolTipCtrl::TrackActivate(BOOL bActivate, LPTOOLINFO lpToolInfo) {
    SEND(TTM_TRACKACTIVATE, bActivate, lpToolInfo);
}
void CToolTipCtrl::TrackPosition(int x, int y) {
    SEND(TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
}

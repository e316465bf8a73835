// Thin wrappers over the standard controls' messages.
#include "afximpl.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

#define SEND(msg, w, l) ::SendMessageW(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

/////////////////////////////////////////////////////////////////////////////
// CStatic

CStatic::~CStatic() {}
BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(L"STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}
HICON CStatic::SetIcon(HICON hIcon) {
    return (HICON)SEND(STM_SETICON, hIcon, 0);
}
HICON CStatic::GetIcon() const {
    return (HICON)::SendMessageW(m_hWnd, STM_GETICON, 0, 0);
}
HENHMETAFILE CStatic::SetEnhMetaFile(HENHMETAFILE hMetaFile) {
    return (HENHMETAFILE)SEND(STM_SETIMAGE, IMAGE_ENHMETAFILE, hMetaFile);
}
HENHMETAFILE CStatic::GetEnhMetaFile() const {
    return (HENHMETAFILE)::SendMessageW(m_hWnd, STM_GETIMAGE, IMAGE_ENHMETAFILE, 0);
}
HBITMAP CStatic::SetBitmap(HBITMAP hBitmap) {
    return (HBITMAP)SEND(STM_SETIMAGE, IMAGE_BITMAP, hBitmap);
}
HBITMAP CStatic::GetBitmap() const {
    return (HBITMAP)::SendMessageW(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP, 0);
}
HCURSOR CStatic::SetCursor(HCURSOR hCursor) {
    return (HCURSOR)SEND(STM_SETIMAGE, IMAGE_CURSOR, hCursor);
}
HCURSOR CStatic::GetCursor() {
    return (HCURSOR)SEND(STM_GETIMAGE, IMAGE_CURSOR, 0);
}
void CStatic::DrawItem(LPDRAWITEMSTRUCT) {}
BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    return AfxDrawReflectedItem(*this, lParam, pResult);
}

/////////////////////////////////////////////////////////////////////////////
// CButton

CButton::~CButton() {}
BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(L"BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}
UINT CButton::GetState() const {
    return (UINT)::SendMessageW(m_hWnd, BM_GETSTATE, 0, 0);
}
void CButton::SetState(BOOL bHighlight) {
    SEND(BM_SETSTATE, bHighlight, 0);
}
int CButton::GetCheck() const {
    return (int)::SendMessageW(m_hWnd, BM_GETCHECK, 0, 0);
}
void CButton::SetCheck(int nCheck) {
    SEND(BM_SETCHECK, nCheck, 0);
}
UINT CButton::GetButtonStyle() const {
    return (UINT)::GetWindowLongPtrW(m_hWnd, GWL_STYLE) & 0xFFFF;
}
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
    SEND(BM_SETSTYLE, nStyle, bRedraw);
}
HICON CButton::SetIcon(HICON hIcon) {
    return (HICON)SEND(BM_SETIMAGE, IMAGE_ICON, hIcon);
}
HICON CButton::GetIcon() const {
    return (HICON)::SendMessageW(m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0);
}
HBITMAP CButton::SetBitmap(HBITMAP hBitmap) {
    return (HBITMAP)SEND(BM_SETIMAGE, IMAGE_BITMAP, hBitmap);
}
HBITMAP CButton::GetBitmap() const {
    return (HBITMAP)::SendMessageW(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0);
}
HCURSOR CButton::SetCursor(HCURSOR hCursor) {
    return (HCURSOR)SEND(BM_SETIMAGE, IMAGE_CURSOR, hCursor);
}
HCURSOR CButton::GetCursor() {
    return (HCURSOR)SEND(BM_GETIMAGE, IMAGE_CURSOR, 0);
}
void CButton::DrawItem(LPDRAWITEMSTRUCT) {}
BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    return AfxDrawReflectedItem(*this, lParam, pResult);
}

/////////////////////////////////////////////////////////////////////////////
// CEdit

CEdit::~CEdit() {}
BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(L"EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}
BOOL CEdit::CanUndo() const {
    return (BOOL)::SendMessageW(m_hWnd, EM_CANUNDO, 0, 0);
}
int CEdit::GetLineCount() const {
    return (int)::SendMessageW(m_hWnd, EM_GETLINECOUNT, 0, 0);
}
BOOL CEdit::GetModify() const {
    return (BOOL)::SendMessageW(m_hWnd, EM_GETMODIFY, 0, 0);
}
void CEdit::SetModify(BOOL bModified) {
    SEND(EM_SETMODIFY, bModified, 0);
}
void CEdit::GetRect(LPRECT lpRect) const {
    ::SendMessageW(m_hWnd, EM_GETRECT, 0, (LPARAM)lpRect);
}
DWORD CEdit::GetSel() const {
    return (DWORD)::SendMessageW(m_hWnd, EM_GETSEL, 0, 0);
}
void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD s = 0, e = 0;
    ::SendMessageW(m_hWnd, EM_GETSEL, (WPARAM)&s, (LPARAM)&e);
    nStartChar = (int)s;
    nEndChar = (int)e;
}
HLOCAL CEdit::GetHandle() const {
    return (HLOCAL)::SendMessageW(m_hWnd, EM_GETHANDLE, 0, 0);
}
void CEdit::SetHandle(HLOCAL hBuffer) {
    SEND(EM_SETHANDLE, hBuffer, 0);
}
void CEdit::SetMargins(UINT nLeft, UINT nRight) {
    SEND(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
}
DWORD CEdit::GetMargins() const {
    return (DWORD)::SendMessageW(m_hWnd, EM_GETMARGINS, 0, 0);
}
void CEdit::SetLimitText(UINT nMax) {
    SEND(EM_SETLIMITTEXT, nMax, 0);
}
UINT CEdit::GetLimitText() const {
    return (UINT)::SendMessageW(m_hWnd, EM_GETLIMITTEXT, 0, 0);
}
CPoint CEdit::PosFromChar(UINT nChar) const {
    LRESULT r = ::SendMessageW(m_hWnd, EM_POSFROMCHAR, nChar, 0);
    return CPoint((short)LOWORD(r), (short)HIWORD(r));
}
int CEdit::CharFromPos(CPoint pt) const {
    return (int)::SendMessageW(m_hWnd, EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y));
}
int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer) const {
    return (int)::SendMessageW(m_hWnd, EM_GETLINE, nIndex, (LPARAM)lpszBuffer);
}
int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const {
    if (nMaxLength <= 0)
        return 0;
    *(WORD*)lpszBuffer = (WORD)nMaxLength;
    return (int)::SendMessageW(m_hWnd, EM_GETLINE, nIndex, (LPARAM)lpszBuffer);
}
void CEdit::EmptyUndoBuffer() {
    SEND(EM_EMPTYUNDOBUFFER, 0, 0);
}
BOOL CEdit::FmtLines(BOOL bAddEOL) {
    return (BOOL)SEND(EM_FMTLINES, bAddEOL, 0);
}
void CEdit::LimitText(int nChars) {
    SEND(EM_LIMITTEXT, nChars, 0);
}
int CEdit::LineFromChar(int nIndex) const {
    return (int)::SendMessageW(m_hWnd, EM_LINEFROMCHAR, nIndex, 0);
}
int CEdit::LineIndex(int nLine) const {
    return (int)::SendMessageW(m_hWnd, EM_LINEINDEX, nLine, 0);
}
int CEdit::LineLength(int nLine) const {
    return (int)::SendMessageW(m_hWnd, EM_LINELENGTH, nLine, 0);
}
void CEdit::LineScroll(int nLines, int nChars) {
    SEND(EM_LINESCROLL, nChars, nLines);
}
void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
    SEND(EM_REPLACESEL, bCanUndo, lpszNewText);
}
void CEdit::SetPasswordChar(TCHAR ch) {
    SEND(EM_SETPASSWORDCHAR, ch, 0);
}
void CEdit::SetRect(LPCRECT lpRect) {
    SEND(EM_SETRECT, 0, lpRect);
}
void CEdit::SetRectNP(LPCRECT lpRect) {
    SEND(EM_SETRECTNP, 0, lpRect);
}
void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
    SEND(EM_SETSEL, LOWORD(dwSelection), HIWORD(dwSelection));
    if (!bNoScroll)
        SEND(EM_SCROLLCARET, 0, 0);
}
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    SEND(EM_SETSEL, nStartChar, nEndChar);
    if (!bNoScroll)
        SEND(EM_SCROLLCARET, 0, 0);
}
BOOL CEdit::SetTabStops(int nTabStops, LPINT rgTabStops) {
    return (BOOL)SEND(EM_SETTABSTOPS, nTabStops, rgTabStops);
}
void CEdit::SetTabStops() {
    SEND(EM_SETTABSTOPS, 0, 0);
}
BOOL CEdit::SetTabStops(const int& cxEachStop) {
    return (BOOL)SEND(EM_SETTABSTOPS, 1, &cxEachStop);
}
BOOL CEdit::Undo() {
    return (BOOL)SEND(EM_UNDO, 0, 0);
}
void CEdit::Clear() {
    SEND(WM_CLEAR, 0, 0);
}
void CEdit::Copy() {
    SEND(WM_COPY, 0, 0);
}
void CEdit::Cut() {
    SEND(WM_CUT, 0, 0);
}
void CEdit::Paste() {
    SEND(WM_PASTE, 0, 0);
}
BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
    return (BOOL)SEND(EM_SETREADONLY, bReadOnly, 0);
}
int CEdit::GetFirstVisibleLine() const {
    return (int)::SendMessageW(m_hWnd, EM_GETFIRSTVISIBLELINE, 0, 0);
}
TCHAR CEdit::GetPasswordChar() const {
    return (TCHAR)::SendMessageW(m_hWnd, EM_GETPASSWORDCHAR, 0, 0);
}

/////////////////////////////////////////////////////////////////////////////
// CComboBox

#define CSEND(msg, w, l) ::SendMessageW(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

CComboBox::~CComboBox() {}
BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(L"COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}
int CComboBox::GetCount() const {
    return (int)CSEND(CB_GETCOUNT, 0, 0);
}
int CComboBox::GetCurSel() const {
    return (int)CSEND(CB_GETCURSEL, 0, 0);
}
int CComboBox::SetCurSel(int nSelect) {
    return (int)CSEND(CB_SETCURSEL, nSelect, 0);
}
DWORD CComboBox::GetEditSel() const {
    return (DWORD)CSEND(CB_GETEDITSEL, 0, 0);
}
BOOL CComboBox::LimitText(int nMaxChars) {
    return (BOOL)CSEND(CB_LIMITTEXT, nMaxChars, 0);
}
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar) {
    return (BOOL)CSEND(CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar));
}
DWORD_PTR CComboBox::GetItemData(int nIndex) const {
    return (DWORD_PTR)CSEND(CB_GETITEMDATA, nIndex, 0);
}
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return (int)CSEND(CB_SETITEMDATA, nIndex, dwItemData);
}
void* CComboBox::GetItemDataPtr(int nIndex) const {
    return (void*)GetItemData(nIndex);
}
int CComboBox::SetItemDataPtr(int nIndex, void* pData) {
    return SetItemData(nIndex, (DWORD_PTR)pData);
}
int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const {
    return (int)CSEND(CB_GETLBTEXT, nIndex, lpszText);
}
void CComboBox::GetLBText(int nIndex, CString& rString) const {
    int nLen = GetLBTextLen(nIndex);
    if (nLen <= 0) {
        rString.Empty();
        return;
    }
    CSEND(CB_GETLBTEXT, nIndex, rString.GetBufferSetLength(nLen));
    rString.ReleaseBuffer(nLen);
}
int CComboBox::GetLBTextLen(int nIndex) const {
    return (int)CSEND(CB_GETLBTEXTLEN, nIndex, 0);
}
int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight) {
    return (int)CSEND(CB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0));
}
int CComboBox::GetItemHeight(int nIndex) const {
    return (int)CSEND(CB_GETITEMHEIGHT, nIndex, 0);
}
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
    return (int)CSEND(CB_FINDSTRINGEXACT, nIndexStart, lpszFind);
}
int CComboBox::SetExtendedUI(BOOL bExtended) {
    return (int)CSEND(CB_SETEXTENDEDUI, bExtended, 0);
}
BOOL CComboBox::GetExtendedUI() const {
    return (BOOL)CSEND(CB_GETEXTENDEDUI, 0, 0);
}
void CComboBox::GetDroppedControlRect(LPRECT lprect) const {
    CSEND(CB_GETDROPPEDCONTROLRECT, 0, lprect);
}
BOOL CComboBox::GetDroppedState() const {
    return (BOOL)CSEND(CB_GETDROPPEDSTATE, 0, 0);
}
LCID CComboBox::GetLocale() const {
    return (LCID)CSEND(CB_GETLOCALE, 0, 0);
}
LCID CComboBox::SetLocale(LCID nNewLocale) {
    return (LCID)CSEND(CB_SETLOCALE, nNewLocale, 0);
}
int CComboBox::GetTopIndex() const {
    return (int)CSEND(CB_GETTOPINDEX, 0, 0);
}
int CComboBox::SetTopIndex(int nIndex) {
    return (int)CSEND(CB_SETTOPINDEX, nIndex, 0);
}
int CComboBox::InitStorage(int nItems, UINT nBytes) {
    return (int)CSEND(CB_INITSTORAGE, nItems, nBytes);
}
void CComboBox::SetHorizontalExtent(UINT nExtent) {
    CSEND(CB_SETHORIZONTALEXTENT, nExtent, 0);
}
UINT CComboBox::GetHorizontalExtent() const {
    return (UINT)CSEND(CB_GETHORIZONTALEXTENT, 0, 0);
}
int CComboBox::SetDroppedWidth(UINT nWidth) {
    return (int)CSEND(CB_SETDROPPEDWIDTH, nWidth, 0);
}
int CComboBox::GetDroppedWidth() const {
    return (int)CSEND(CB_GETDROPPEDWIDTH, 0, 0);
}
BOOL CComboBox::GetComboBoxInfo(PCOMBOBOXINFO pcbi) const {
    pcbi->cbSize = sizeof(COMBOBOXINFO);
    return ::GetComboBoxInfo(m_hWnd, pcbi);
}
void CComboBox::ShowDropDown(BOOL bShowIt) {
    CSEND(CB_SHOWDROPDOWN, bShowIt, 0);
}
int CComboBox::AddString(LPCTSTR lpszString) {
    return (int)CSEND(CB_ADDSTRING, 0, lpszString);
}
int CComboBox::DeleteString(UINT nIndex) {
    return (int)CSEND(CB_DELETESTRING, nIndex, 0);
}
int CComboBox::InsertString(int nIndex, LPCTSTR lpszString) {
    return (int)CSEND(CB_INSERTSTRING, nIndex, lpszString);
}
void CComboBox::ResetContent() {
    CSEND(CB_RESETCONTENT, 0, 0);
}
int CComboBox::Dir(UINT attr, LPCTSTR lpszWildCard) {
    return (int)CSEND(CB_DIR, attr, lpszWildCard);
}
int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const {
    return (int)CSEND(CB_FINDSTRING, nStartAfter, lpszString);
}
int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString) {
    return (int)CSEND(CB_SELECTSTRING, nStartAfter, lpszString);
}
void CComboBox::Clear() {
    CSEND(WM_CLEAR, 0, 0);
}
void CComboBox::Copy() {
    CSEND(WM_COPY, 0, 0);
}
void CComboBox::Cut() {
    CSEND(WM_CUT, 0, 0);
}
void CComboBox::Paste() {
    CSEND(WM_PASTE, 0, 0);
}
void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) {
    return 0;
}
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}
BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT lResult = TRUE;
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM:
        lResult = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case WM_DELETEITEM:
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult)
        *pResult = lResult;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CListBox

#define LBSEND(msg, w, l) ::SendMessageW(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

CListBox::~CListBox() {}
BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(L"LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}
int CListBox::GetCount() const {
    return (int)LBSEND(LB_GETCOUNT, 0, 0);
}
int CListBox::GetHorizontalExtent() const {
    return (int)LBSEND(LB_GETHORIZONTALEXTENT, 0, 0);
}
void CListBox::SetHorizontalExtent(int cxExtent) {
    LBSEND(LB_SETHORIZONTALEXTENT, cxExtent, 0);
}
int CListBox::GetTopIndex() const {
    return (int)LBSEND(LB_GETTOPINDEX, 0, 0);
}
int CListBox::SetTopIndex(int nIndex) {
    return (int)LBSEND(LB_SETTOPINDEX, nIndex, 0);
}
LCID CListBox::GetLocale() const {
    return (LCID)LBSEND(LB_GETLOCALE, 0, 0);
}
LCID CListBox::SetLocale(LCID nNewLocale) {
    return (LCID)LBSEND(LB_SETLOCALE, nNewLocale, 0);
}
int CListBox::InitStorage(int nItems, UINT nBytes) {
    return (int)LBSEND(LB_INITSTORAGE, nItems, nBytes);
}
UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const {
    DWORD dw = (DWORD)LBSEND(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    bOutside = HIWORD(dw) != 0;
    return LOWORD(dw);
}
int CListBox::GetCurSel() const {
    return (int)LBSEND(LB_GETCURSEL, 0, 0);
}
int CListBox::SetCurSel(int nSelect) {
    return (int)LBSEND(LB_SETCURSEL, nSelect, 0);
}
int CListBox::GetSel(int nIndex) const {
    return (int)LBSEND(LB_GETSEL, nIndex, 0);
}
int CListBox::SetSel(int nIndex, BOOL bSelect) {
    return (int)LBSEND(LB_SETSEL, bSelect, nIndex);
}
int CListBox::GetSelCount() const {
    return (int)LBSEND(LB_GETSELCOUNT, 0, 0);
}
int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const {
    return (int)LBSEND(LB_GETSELITEMS, nMaxItems, rgIndex);
}
void CListBox::SetAnchorIndex(int nIndex) {
    LBSEND(LB_SETANCHORINDEX, nIndex, 0);
}
int CListBox::GetAnchorIndex() const {
    return (int)LBSEND(LB_GETANCHORINDEX, 0, 0);
}
int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem) {
    // LB_SELITEMRANGEEX selects with first <= last and deselects the other way round.
    return bSelect ? (int)LBSEND(LB_SELITEMRANGEEX, nFirstItem, nLastItem)
                   : (int)LBSEND(LB_SELITEMRANGEEX, nLastItem, nFirstItem);
}
DWORD_PTR CListBox::GetItemData(int nIndex) const {
    return (DWORD_PTR)LBSEND(LB_GETITEMDATA, nIndex, 0);
}
int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    return (int)LBSEND(LB_SETITEMDATA, nIndex, dwItemData);
}
void* CListBox::GetItemDataPtr(int nIndex) const {
    return (void*)GetItemData(nIndex);
}
int CListBox::SetItemDataPtr(int nIndex, void* pData) {
    return SetItemData(nIndex, (DWORD_PTR)pData);
}
int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const {
    return (int)LBSEND(LB_GETITEMRECT, nIndex, lpRect);
}
int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const {
    return (int)LBSEND(LB_GETTEXT, nIndex, lpszBuffer);
}
void CListBox::GetText(int nIndex, CString& rString) const {
    int nLen = GetTextLen(nIndex);
    if (nLen <= 0) {
        rString.Empty();
        return;
    }
    int nGot = (int)LBSEND(LB_GETTEXT, nIndex, rString.GetBufferSetLength(nLen));
    rString.ReleaseBuffer(nGot < 0 ? 0 : nGot);
}
int CListBox::GetTextLen(int nIndex) const {
    return (int)LBSEND(LB_GETTEXTLEN, nIndex, 0);
}
void CListBox::SetColumnWidth(int cxWidth) {
    LBSEND(LB_SETCOLUMNWIDTH, cxWidth, 0);
}
BOOL CListBox::SetTabStops(int nTabStops, LPINT rgTabStops) {
    return (BOOL)LBSEND(LB_SETTABSTOPS, nTabStops, rgTabStops);
}
void CListBox::SetTabStops() {
    LBSEND(LB_SETTABSTOPS, 0, 0);
}
BOOL CListBox::SetTabStops(const int& cxEachStop) {
    return (BOOL)LBSEND(LB_SETTABSTOPS, 1, &cxEachStop);
}
int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight) {
    return (int)LBSEND(LB_SETITEMHEIGHT, nIndex, MAKELPARAM(cyItemHeight, 0));
}
int CListBox::GetItemHeight(int nIndex) const {
    return (int)LBSEND(LB_GETITEMHEIGHT, nIndex, 0);
}
int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
    return (int)LBSEND(LB_FINDSTRINGEXACT, nIndexStart, lpszFind);
}
int CListBox::GetCaretIndex() const {
    return (int)LBSEND(LB_GETCARETINDEX, 0, 0);
}
int CListBox::SetCaretIndex(int nIndex, BOOL bScroll) {
    return (int)LBSEND(LB_SETCARETINDEX, nIndex, MAKELPARAM(bScroll, 0));
}
int CListBox::AddString(LPCTSTR lpszItem) {
    return (int)LBSEND(LB_ADDSTRING, 0, lpszItem);
}
int CListBox::DeleteString(UINT nIndex) {
    return (int)LBSEND(LB_DELETESTRING, nIndex, 0);
}
int CListBox::InsertString(int nIndex, LPCTSTR lpszItem) {
    return (int)LBSEND(LB_INSERTSTRING, nIndex, lpszItem);
}
void CListBox::ResetContent() {
    LBSEND(LB_RESETCONTENT, 0, 0);
}
int CListBox::Dir(UINT attr, LPCTSTR lpszWildCard) {
    return (int)LBSEND(LB_DIR, attr, lpszWildCard);
}
int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const {
    return (int)LBSEND(LB_FINDSTRING, nStartAfter, lpszItem);
}
int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem) {
    return (int)LBSEND(LB_SELECTSTRING, nStartAfter, lpszItem);
}
void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) {
    return 0;
}
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}
int CListBox::VKeyToItem(UINT, UINT) {
    return -1;
}
int CListBox::CharToItem(UINT, UINT) {
    return -1;
}
BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT lResult = TRUE;
    switch (message) {
    case WM_DRAWITEM:
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        break;
    case WM_MEASUREITEM:
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        break;
    case WM_COMPAREITEM:
        lResult = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case WM_DELETEITEM:
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        break;
    case WM_VKEYTOITEM:
        lResult = VKeyToItem(LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_CHARTOITEM:
        lResult = CharToItem(LOWORD(wParam), HIWORD(wParam));
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult)
        *pResult = lResult;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CScrollBar

CScrollBar::~CScrollBar() {}
BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(L"SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
}
int CScrollBar::GetScrollPos() const {
    return ::GetScrollPos(m_hWnd, SB_CTL);
}
int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw) {
    return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw);
}
void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const {
    ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos);
}
void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw) {
    ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
}
void CScrollBar::ShowScrollBar(BOOL bShow) {
    ::ShowScrollBar(m_hWnd, SB_CTL, bShow);
}
BOOL CScrollBar::EnableScrollBar(UINT nArrowFlags) {
    return ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags);
}
BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
    return CWnd::SetScrollInfo(SB_CTL, lpScrollInfo, bRedraw);
}
BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask) {
    return CWnd::GetScrollInfo(SB_CTL, lpScrollInfo, nMask);
}
int CScrollBar::GetScrollLimit() {
    return CWnd::GetScrollLimit(SB_CTL);
}

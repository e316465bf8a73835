// CRichEditCtrl and the loading of the rich edit library.
#include "afximpl.h"

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

#define RSEND(msg, w, l) ::SendMessageW(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

// The libraries stay loaded for the process's life: windows of their classes
// may exist until the end.
static BOOL LoadOnce(LPCWSTR library) {
    return ::LoadLibraryW(library) != nullptr;
}

BOOL AFXAPI AfxInitRichEdit2() {
    static const BOOL loaded = LoadOnce(L"riched20.dll");
    return loaded;
}

BOOL AFXAPI AfxInitRichEdit() {
    static const BOOL loaded = LoadOnce(L"riched32.dll");
    return loaded && AfxInitRichEdit2();
}

static BOOL AfxInitRichEdit50() {
    static const BOOL loaded = LoadOnce(L"msftedit.dll");
    return loaded;
}

// Loads the library behind a rich edit class name of a dialog template:
// "RichEdit20W"/"RichEdit20A" (riched20), "RICHEDIT50W" (msftedit),
// "RICHEDIT" (riched32). Other names are left alone.
BOOL AfxLoadRichEditForClass(LPCWSTR className) {
    if (::CompareStringOrdinal(className, 8, L"RichEdit", 8, TRUE) != CSTR_EQUAL)
        return TRUE;
    if (className[8] == 0)
        return AfxInitRichEdit();
    if (::CompareStringOrdinal(className + 8, 2, L"50", 2, TRUE) == CSTR_EQUAL)
        return AfxInitRichEdit50();
    return AfxInitRichEdit2();
}

CRichEditCtrl::~CRichEditCtrl() {}

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!AfxInitRichEdit2())
        return FALSE;
    return CWnd::Create(RICHEDIT_CLASSW, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CRichEditCtrl::CanUndo() const {
    return (BOOL)RSEND(EM_CANUNDO, 0, 0);
}
BOOL CRichEditCtrl::CanPaste(UINT nFormat) const {
    return (BOOL)RSEND(EM_CANPASTE, nFormat, 0);
}
int CRichEditCtrl::GetLineCount() const {
    return (int)RSEND(EM_GETLINECOUNT, 0, 0);
}
BOOL CRichEditCtrl::GetModify() const {
    return (BOOL)RSEND(EM_GETMODIFY, 0, 0);
}
void CRichEditCtrl::SetModify(BOOL bModified) {
    RSEND(EM_SETMODIFY, bModified, 0);
}
void CRichEditCtrl::GetRect(LPRECT lpRect) const {
    RSEND(EM_GETRECT, 0, lpRect);
}
CPoint CRichEditCtrl::GetCharPos(long lChar) const {
    POINTL pt = {0, 0};
    RSEND(EM_POSFROMCHAR, &pt, lChar);
    return CPoint((int)pt.x, (int)pt.y);
}
void CRichEditCtrl::SetOptions(WORD wOp, DWORD dwFlags) {
    RSEND(EM_SETOPTIONS, wOp, dwFlags);
}
UINT CRichEditCtrl::GetOptions() const {
    return (UINT)RSEND(EM_GETOPTIONS, 0, 0);
}
int CRichEditCtrl::GetLine(int nIndex, LPTSTR lpszBuffer) const {
    return (int)RSEND(EM_GETLINE, nIndex, lpszBuffer);
}
int CRichEditCtrl::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const {
    // The first word of the buffer carries its size.
    *reinterpret_cast<WORD*>(lpszBuffer) = (WORD)nMaxLength;
    return (int)RSEND(EM_GETLINE, nIndex, lpszBuffer);
}
void CRichEditCtrl::GetSel(CHARRANGE& cr) const {
    RSEND(EM_EXGETSEL, 0, &cr);
}
void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const {
    CHARRANGE cr = {0, 0};
    GetSel(cr);
    nStartChar = cr.cpMin;
    nEndChar = cr.cpMax;
}
WORD CRichEditCtrl::GetSelectionType() const {
    return (WORD)RSEND(EM_SELECTIONTYPE, 0, 0);
}
DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT& cf) const {
    cf.cbSize = sizeof(cf);
    return (DWORD)RSEND(EM_GETCHARFORMAT, SCF_DEFAULT, &cf);
}
DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& cf) const {
    cf.cbSize = sizeof(cf);
    return (DWORD)RSEND(EM_GETCHARFORMAT, SCF_SELECTION, &cf);
}
DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT& pf) const {
    pf.cbSize = sizeof(pf);
    return (DWORD)RSEND(EM_GETPARAFORMAT, 0, &pf);
}
DWORD CRichEditCtrl::GetEventMask() const {
    return (DWORD)RSEND(EM_GETEVENTMASK, 0, 0);
}
long CRichEditCtrl::GetLimitText() const {
    return (long)RSEND(EM_GETLIMITTEXT, 0, 0);
}
CString CRichEditCtrl::GetSelText() const {
    CHARRANGE cr = {0, 0};
    GetSel(cr);
    int length = cr.cpMax > cr.cpMin ? (int)(cr.cpMax - cr.cpMin) : 0;
    CString text;
    LPWSTR buffer = text.GetBuffer(length + 1);
    buffer[0] = 0;
    RSEND(EM_GETSELTEXT, 0, buffer);
    text.ReleaseBuffer();
    return text;
}
long CRichEditCtrl::GetTextLength() const {
    GETTEXTLENGTHEX gtl = {GTL_NUMCHARS | GTL_PRECISE, 1200};
    return (long)RSEND(EM_GETTEXTLENGTHEX, &gtl, 0);
}
int CRichEditCtrl::GetFirstVisibleLine() const {
    return (int)RSEND(EM_GETFIRSTVISIBLELINE, 0, 0);
}
COLORREF CRichEditCtrl::SetBackgroundColor(BOOL bSysColor, COLORREF cr) {
    return (COLORREF)RSEND(EM_SETBKGNDCOLOR, bSysColor, cr);
}
BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT& cf) {
    cf.cbSize = sizeof(cf);
    return (BOOL)RSEND(EM_SETCHARFORMAT, SCF_DEFAULT, &cf);
}
BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT& cf) {
    cf.cbSize = sizeof(cf);
    return (BOOL)RSEND(EM_SETCHARFORMAT, SCF_SELECTION, &cf);
}
BOOL CRichEditCtrl::SetWordCharFormat(CHARFORMAT& cf) {
    cf.cbSize = sizeof(cf);
    return (BOOL)RSEND(EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD, &cf);
}
BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT& pf) {
    pf.cbSize = sizeof(pf);
    return (BOOL)RSEND(EM_SETPARAFORMAT, 0, &pf);
}
DWORD CRichEditCtrl::SetEventMask(DWORD dwEventMask) {
    return (DWORD)RSEND(EM_SETEVENTMASK, 0, dwEventMask);
}
BOOL CRichEditCtrl::SetReadOnly(BOOL bReadOnly) {
    return (BOOL)RSEND(EM_SETREADONLY, bReadOnly, 0);
}
void CRichEditCtrl::SetRect(LPCRECT lpRect) {
    RSEND(EM_SETRECT, 0, lpRect);
}
BOOL CRichEditCtrl::SetTargetDevice(HDC hDC, long lLineWidth) {
    return (BOOL)RSEND(EM_SETTARGETDEVICE, hDC, lLineWidth);
}
void CRichEditCtrl::LimitText(long nChars) {
    RSEND(EM_EXLIMITTEXT, 0, nChars);
}
long CRichEditCtrl::LineFromChar(long nIndex) const {
    return (long)RSEND(EM_EXLINEFROMCHAR, 0, nIndex);
}
int CRichEditCtrl::LineIndex(int nLine) const {
    return (int)RSEND(EM_LINEINDEX, nLine, 0);
}
int CRichEditCtrl::LineLength(int nLine) const {
    return (int)RSEND(EM_LINELENGTH, nLine, 0);
}
void CRichEditCtrl::LineScroll(int nLines, int nChars) {
    RSEND(EM_LINESCROLL, nChars, nLines);
}
void CRichEditCtrl::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
    RSEND(EM_REPLACESEL, bCanUndo, lpszNewText);
}
void CRichEditCtrl::SetSel(long nStartChar, long nEndChar) {
    CHARRANGE cr = {nStartChar, nEndChar};
    SetSel(cr);
}
void CRichEditCtrl::SetSel(CHARRANGE& cr) {
    RSEND(EM_EXSETSEL, 0, &cr);
}
void CRichEditCtrl::HideSelection(BOOL bHide, BOOL bPerm) {
    RSEND(EM_HIDESELECTION, bHide, bPerm);
}
void CRichEditCtrl::RequestResize() {
    RSEND(EM_REQUESTRESIZE, 0, 0);
}
long CRichEditCtrl::StreamIn(int nFormat, EDITSTREAM& es) {
    return (long)RSEND(EM_STREAMIN, nFormat, &es);
}
long CRichEditCtrl::StreamOut(int nFormat, EDITSTREAM& es) {
    return (long)RSEND(EM_STREAMOUT, nFormat, &es);
}
BOOL CRichEditCtrl::Undo() {
    return (BOOL)RSEND(EM_UNDO, 0, 0);
}
void CRichEditCtrl::EmptyUndoBuffer() {
    RSEND(EM_EMPTYUNDOBUFFER, 0, 0);
}
void CRichEditCtrl::Clear() {
    RSEND(WM_CLEAR, 0, 0);
}
void CRichEditCtrl::Copy() {
    RSEND(WM_COPY, 0, 0);
}
void CRichEditCtrl::Cut() {
    RSEND(WM_CUT, 0, 0);
}
void CRichEditCtrl::Paste() {
    RSEND(WM_PASTE, 0, 0);
}
void CRichEditCtrl::PasteSpecial(UINT nClipFormat, DWORD dvAspect, HMETAFILE hMF) {
    REPASTESPECIAL reps = {dvAspect, (DWORD_PTR)hMF};
    RSEND(EM_PASTESPECIAL, nClipFormat, &reps);
}

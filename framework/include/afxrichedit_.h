// Rich edit control. The system's rich edit classes live in a library of
// their own (riched20.dll and its relatives): CRichEditCtrl::Create loads it,
// and a dialog whose template holds a rich edit loads it before the dialog
// is made (AfxInitRichEdit2 may also be called at start-up, as with MFC).
// Included by <afxcmn.h>; not included on its own.
#pragma once

#include <richedit.h>

// Loads the library of the rich edit 2.0 classes ("RichEdit20W") once per
// process; TRUE when it is loaded.
AFX_CORE_API BOOL AFXAPI AfxInitRichEdit2();
AFX_CORE_API BOOL AFXAPI AfxInitRichEdit();

class AFX_CORE_CLASS CRichEditCtrl : public CWnd {
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl() = default;
    virtual ~CRichEditCtrl();
    // Creates a "RichEdit20W" window, loading its library first.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Attributes
    BOOL CanUndo() const;
    BOOL CanPaste(UINT nFormat = 0) const;
    int GetLineCount() const;
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    void GetRect(LPRECT lpRect) const;
    CPoint GetCharPos(long lChar) const;
    void SetOptions(WORD wOp, DWORD dwFlags);
    UINT GetOptions() const;
    int GetLine(int nIndex, LPTSTR lpszBuffer) const;
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
    void GetSel(CHARRANGE& cr) const;
    void GetSel(long& nStartChar, long& nEndChar) const;
    WORD GetSelectionType() const;
    DWORD GetDefaultCharFormat(CHARFORMAT& cf) const;
    DWORD GetSelectionCharFormat(CHARFORMAT& cf) const;
    DWORD GetParaFormat(PARAFORMAT& pf) const;
    DWORD GetEventMask() const;
    long GetLimitText() const;
    CString GetSelText() const;
    long GetTextLength() const;
    int GetFirstVisibleLine() const;
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr);
    BOOL SetDefaultCharFormat(CHARFORMAT& cf);
    BOOL SetSelectionCharFormat(CHARFORMAT& cf);
    BOOL SetWordCharFormat(CHARFORMAT& cf);
    BOOL SetParaFormat(PARAFORMAT& pf);
    DWORD SetEventMask(DWORD dwEventMask);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    void SetRect(LPCRECT lpRect);
    BOOL SetTargetDevice(HDC hDC, long lLineWidth);

    // Operations
    void LimitText(long nChars = 0);
    long LineFromChar(long nIndex) const;
    int LineIndex(int nLine = -1) const;
    int LineLength(int nLine = -1) const;
    void LineScroll(int nLines, int nChars = 0);
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    void SetSel(long nStartChar, long nEndChar);
    void SetSel(CHARRANGE& cr);
    void HideSelection(BOOL bHide, BOOL bPerm);
    void RequestResize();
    long StreamIn(int nFormat, EDITSTREAM& es);
    long StreamOut(int nFormat, EDITSTREAM& es);
    BOOL Undo();
    void EmptyUndoBuffer();
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    void PasteSpecial(UINT nClipFormat, DWORD dvAspect = 0, HMETAFILE hMF = nullptr);
};

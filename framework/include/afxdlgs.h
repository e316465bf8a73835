// Common dialogs of the framework.
#pragma once
#include "afxwin.h"
#include <commdlg.h>

// The system's open and save dialogs. The filter is written with '|' between
// its parts and ends with "||" ("Video (*.avi)|*.avi|All Files (*.*)|*.*||").
class AFX_CORE_CLASS CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    OPENFILENAME m_ofn;

    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr);
    virtual ~CFileDialog();

    // IDOK or IDCANCEL (also when the dialog failed: see CommDlgExtendedError).
    virtual INT_PTR DoModal();

    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    CString GetFolderPath() const;
    BOOL GetReadOnlyPref() const;
    // Multiple selection (OFN_ALLOWMULTISELECT): walks the selected paths.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

protected:
    BOOL m_bOpenFileDialog;
    CString m_strFilter;
    WCHAR m_szFileTitle[64];
    WCHAR m_szFileName[MAX_PATH];
    CString m_strDefExt;

    // The system dialog call; tests replace it to avoid a blocking window.
    virtual BOOL RunSystemDialog(OPENFILENAME* pofn);
};

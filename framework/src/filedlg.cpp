// CFileDialog over the system's open and save dialogs.
#include "afximpl.h"
#include <afxdlgs.h>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CDialog((UINT)0, pParentWnd), m_bOpenFileDialog(bOpenFileDialog) {
    m_lpszTemplateName = nullptr;
    m_szFileTitle[0] = 0;
    m_szFileName[0] = 0;
    ZeroMemory(&m_ofn, sizeof(m_ofn));
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = 64;
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    m_ofn.hInstance = AfxGetResourceHandle();
    if (lpszDefExt) {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (lpszFileName)
        lstrcpynW(m_szFileName, lpszFileName, MAX_PATH);
    if (lpszFilter) {
        // "A|*.a|B|*.b||" becomes "A\0*.a\0B\0*.b\0\0".
        m_strFilter = lpszFilter;
        int nLen = m_strFilter.GetLength();
        LPWSTR p = m_strFilter.GetBuffer(nLen + 2);
        for (int i = 0; i < nLen; ++i)
            if (p[i] == L'|')
                p[i] = 0;
        p[nLen] = 0;
        p[nLen + 1] = 0;
        m_strFilter.ReleaseBuffer(nLen + 1);
        m_ofn.lpstrFilter = m_strFilter;
    }
}

CFileDialog::~CFileDialog() {}

BOOL CFileDialog::RunSystemDialog(OPENFILENAME* pofn) {
    return m_bOpenFileDialog ? ::GetOpenFileNameW(pofn) : ::GetSaveFileNameW(pofn);
}

INT_PTR CFileDialog::DoModal() {
    if (!m_ofn.hwndOwner) {
        HWND hWnd = m_pParentWnd->GetSafeHwnd();
        if (!hWnd && AfxGetMainWnd())
            hWnd = AfxGetMainWnd()->GetSafeHwnd();
        m_ofn.hwndOwner = hWnd;
    }
    return RunSystemDialog(&m_ofn) ? IDOK : IDCANCEL;
}

// With several files selected the buffer holds the folder, then each name,
// each ended by a zero, and a final zero.
static bool IsMultiSelection(const OPENFILENAME& ofn) {
    if (!(ofn.Flags & OFN_ALLOWMULTISELECT))
        return false;
    size_t n = wcslen(ofn.lpstrFile);
    return ofn.lpstrFile[n + 1] != 0;
}

CString CFileDialog::GetPathName() const {
    if (IsMultiSelection(m_ofn))
        return CString(m_ofn.lpstrFile); // the folder
    return CString(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileName() const {
    CString path = GetPathName();
    int n = path.ReverseFind(L'\\');
    return n >= 0 ? path.Mid(n + 1) : path;
}

CString CFileDialog::GetFileExt() const {
    CString name = GetFileName();
    int n = name.ReverseFind(L'.');
    return n >= 0 ? name.Mid(n + 1) : CString();
}

CString CFileDialog::GetFileTitle() const {
    CString name = GetFileName();
    int n = name.ReverseFind(L'.');
    return n >= 0 ? name.Left(n) : name;
}

CString CFileDialog::GetFolderPath() const {
    if (IsMultiSelection(m_ofn))
        return CString(m_ofn.lpstrFile);
    CString path = GetPathName();
    int n = path.ReverseFind(L'\\');
    return n >= 0 ? path.Left(n) : CString();
}

BOOL CFileDialog::GetReadOnlyPref() const {
    return (m_ofn.Flags & OFN_READONLY) != 0;
}

POSITION CFileDialog::GetStartPosition() const {
    return m_ofn.lpstrFile[0] ? (POSITION)m_ofn.lpstrFile : nullptr;
}

CString CFileDialog::GetNextPathName(POSITION& pos) const {
    LPCWSTR p = reinterpret_cast<LPCWSTR>(pos);
    if (!p) {
        return CString();
    }
    if (!IsMultiSelection(m_ofn)) {
        pos = nullptr;
        return CString(p);
    }
    // The first position is the folder itself: step to the first name.
    if (p == m_ofn.lpstrFile)
        p += wcslen(p) + 1;
    CString folder(m_ofn.lpstrFile);
    CString path = folder;
    if (path.Right(1) != L"\\")
        path += L'\\';
    path += p;
    p += wcslen(p) + 1;
    pos = *p ? (POSITION)p : nullptr;
    return path;
}

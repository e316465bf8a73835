// CDialog (modal with the framework's own loop, and modeless) and dialog
// data exchange.
#include "afximpl.h"

#include <cwchar>
#include <cwctype>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_MESSAGE(WM_SETFONT, &CDialog::HandleSetFont)
END_MESSAGE_MAP()

CDialog::CDialog()
    : m_lpszTemplateName(nullptr), m_hDialogTemplate(nullptr), m_lpDialogTemplate(nullptr),
      m_lpDialogInit(nullptr), m_pParentWnd(nullptr), m_hWndTop(nullptr), m_nIDHelp(0) {}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : CDialog() {
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((ULONG_PTR)lpszTemplateName);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog() {
    m_lpszTemplateName = MAKEINTRESOURCEW(nIDTemplate);
    m_pParentWnd = pParentWnd;
    m_nIDHelp = nIDTemplate;
}

CDialog::~CDialog() {
    if (m_hWnd && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

// WM_INITDIALOG reaches OnInitDialog through the dialog procedure below, so
// that its return value steers the focus as the system expects.
LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    return Default();
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM) {
    OnSetFont(CFont::FromHandle(reinterpret_cast<HFONT>(wParam)));
    return Default();
}

void CDialog::OnSetFont(CFont*) {}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    if (!pDlg)
        return TRUE;
    try {
        return pDlg->OnInitDialog();
    } catch (...) {
        // Nothing may unwind through the dialog manager, and a dialog whose
        // initialisation broke off is ended as one that failed to start.
        try {
            pDlg->EndDialog(-1);
        } catch (...) {
        }
        return FALSE;
    }
}

BOOL CDialog::OnInitDialog() {
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return; // the exchange put the focus on the offending control
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::EndDialog(int nResult) {
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    if (m_hWnd)
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    // Keyboard and mouse input gets the dialog manager's navigation (Tab,
    // Enter, Esc, mnemonics) after every window below had its chance.
    if ((pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
        (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST))
        return ::IsDialogMessageW(m_hWnd, pMsg);
    return FALSE;
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Commands the dialog does not handle go on to the application object.
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

static LPCDLGTEMPLATE LoadTemplate(LPCTSTR lpszTemplateName, HINSTANCE* phInst) {
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceW(hInst, lpszTemplateName, RT_DIALOG);
    if (!hResource)
        return nullptr;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    *phInst = hInst;
    return hTemplate ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : nullptr;
}

// Walking a dialog template (plain or extended): a name-or-ordinal field, a
// string field, and the controls' class names.
static const WORD* SkipNameOrOrdinal(const WORD* p) {
    if (*p == 0x0000)
        return p + 1;
    if (*p == 0xFFFF)
        return p + 2;
    while (*p)
        ++p;
    return p + 1;
}

static const WORD* AlignToDword(const WORD* p) {
    return reinterpret_cast<const WORD*>((reinterpret_cast<ULONG_PTR>(p) + 3) & ~ULONG_PTR(3));
}

// Calls onClass with the class name of every control of the template that
// names its class by string (controls named by ordinal are the standard
// classes, which are always there).
template <typename OnClass> static void ForEachTemplateClass(LPCDLGTEMPLATE lpTemplate, OnClass onClass) {
    auto* p = reinterpret_cast<const WORD*>(lpTemplate);
    bool extended = p[0] == 1 && p[1] == 0xFFFF;
    DWORD style;
    WORD count;
    if (extended) {
        style = *reinterpret_cast<const DWORD*>(p + 6);
        count = p[8];
        p += 13; // dlgVer, signature, helpID, exStyle, style, cDlgItems, x, y, cx, cy
    } else {
        style = lpTemplate->style;
        count = lpTemplate->cdit;
        p += 9; // style, exStyle, cdit, x, y, cx, cy
    }
    p = SkipNameOrOrdinal(p); // menu
    p = SkipNameOrOrdinal(p); // class
    p = SkipNameOrOrdinal(p); // title
    if (style & DS_SETFONT) {
        p += extended ? 3 : 1; // point size (weight, italic and charset)
        p = SkipNameOrOrdinal(p); // face
    }
    for (WORD i = 0; i < count; ++i) {
        p = AlignToDword(p);
        p += extended ? 12 : 9; // (helpID,) exStyle, style, x, y, cx, cy, id
        if (*p != 0xFFFF && *p != 0)
            onClass(reinterpret_cast<LPCWSTR>(p));
        p = SkipNameOrOrdinal(p); // class
        p = SkipNameOrOrdinal(p); // title
        WORD extra = *p++;
        p = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p) + extra);
    }
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst) {
    if (!lpDialogTemplate || m_hWnd)
        return FALSE;
    if (!hInst)
        hInst = AfxGetResourceHandle();
    AfxEnsureCommonControls();
    // A control whose class is not registered makes the whole dialog fail;
    // the rich edit classes live in a library that nothing else loads.
    ForEachTemplateClass(lpDialogTemplate, [](LPCWSTR className) { AfxLoadRichEditForClass(className); });
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateDialogIndirectParamW(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    return hWnd != nullptr && m_hWnd == hWnd;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD((ULONG_PTR)lpszTemplateName);
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    HINSTANCE hInst = nullptr;
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(lpszTemplateName, &hInst);
    return CreateDlgIndirect(lpTemplate, m_pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit) {
    m_lpDialogInit = lpDialogInit;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, m_pParentWnd, nullptr);
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd) {
    auto lpTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(hDialogTemplate));
    BOOL bResult = CreateIndirect(lpTemplate, pParentWnd);
    ::GlobalUnlock(hDialogTemplate);
    return bResult;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit) {
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpDialogInit = lpDialogInit;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    return TRUE;
}

// The owner of a modal dialog: the given parent or the main window, raised
// to its top-level window (a popup cannot be owned by a child).
HWND CDialog::PreModal() {
    HWND hWnd = m_pParentWnd->GetSafeHwnd();
    if (!hWnd) {
        CWnd* pMain = AfxGetMainWnd();
        if (pMain != this)
            hWnd = pMain->GetSafeHwnd();
    }
    while (hWnd && (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    if (!m_pParentWnd && hWnd)
        hWnd = ::GetLastActivePopup(hWnd);
    m_hWndTop = hWnd;
    return hWnd;
}

void CDialog::PostModal() {
    m_hWndTop = nullptr;
}

INT_PTR CDialog::DoModal() {
    HINSTANCE hInst = AfxGetResourceHandle();
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    if (m_lpszTemplateName)
        lpTemplate = LoadTemplate(m_lpszTemplateName, &hInst);
    else if (m_hDialogTemplate)
        lpTemplate = static_cast<LPCDLGTEMPLATE>(::LockResource(m_hDialogTemplate));
    if (!lpTemplate)
        return -1;

    HWND hWndParent = PreModal();
    BOOL bEnableParent = FALSE;
    if (hWndParent && hWndParent != ::GetDesktopWindow() && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    // The owner is passed as a handle: no temporary object outlives this call.
    CWnd* pSavedParent = m_pParentWnd;
    AfxLockTempMaps();
    BOOL created = CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst);
    AfxUnlockTempMaps();
    m_pParentWnd = pSavedParent;
    if (created) {
        if (m_nFlags & WF_CONTINUEMODAL) {
            DWORD dwFlags = MLF_SHOWONIDLE;
            if (GetStyle() & DS_NOIDLEMSG)
                dwFlags |= MLF_NOIDLEMSG;
            RunModalLoop(dwFlags);
        }
        if (m_hWnd)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_nFlags &= ~(WF_CONTINUEMODAL | WF_MODALLOOP);
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent && m_hWnd && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    if (m_hWnd)
        DestroyWindow();
    PostModal();
    return m_nModalResult;
}

void CDialog::MapDialogRect(LPRECT lpRect) const {
    ::MapDialogRect(m_hWnd, lpRect);
}

DWORD CDialog::GetDefID() const {
    return (DWORD)::SendMessageW(m_hWnd, DM_GETDEFID, 0, 0);
}
void CDialog::SetDefID(UINT nID) {
    ::SendMessageW(m_hWnd, DM_SETDEFID, nID, 0);
}
void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->GetSafeHwnd(), 1);
}
void CDialog::NextDlgCtrl() const {
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}
void CDialog::PrevDlgCtrl() const {
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

/////////////////////////////////////////////////////////////////////////////
// Data exchange

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CWnd::DoDataExchange(CDataExchange*) {}

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(nullptr),
      m_bEditLastControl(FALSE), m_bFailed(FALSE) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_hWndLastControl && !m_bFailed) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    m_bFailed = TRUE;
}

void AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew) {
    int nNewLen = (int)wcslen(lpszNew);
    WCHAR szOld[256];
    // Only a short text can be compared cheaply; a longer one is always set.
    if (nNewLen > (int)(sizeof(szOld) / sizeof(szOld[0])) - 1 ||
        ::GetWindowTextW(hWndCtrl, szOld, sizeof(szOld) / sizeof(szOld[0])) != nNewLen ||
        wcscmp(szOld, lpszNew) != 0)
        ::SetWindowTextW(hWndCtrl, lpszNew);
}

static CString WindowText(HWND hWnd) {
    CString s;
    int nLen = ::GetWindowTextLengthW(hWnd);
    ::GetWindowTextW(hWnd, s.GetBufferSetLength(nLen), nLen + 1);
    s.ReleaseBuffer();
    return s;
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (pDX->m_bFailed || rControl.m_hWnd)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!hWndCtrl || !rControl.SubclassWindow(hWndCtrl))
        pDX->Fail();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    if (pDX->m_bFailed)
        return;
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!hWndCtrl)
        return pDX->Fail();
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else
        AfxSetWindowText(hWndCtrl, value);
}

// Parses a whole number with optional surrounding blanks; anything else (or
// a value out of range) fails.
static bool ParseNumber(LPCWSTR s, bool bSigned, long long minVal, long long maxVal, long long* pValue) {
    while (iswspace(*s))
        ++s;
    bool negative = false;
    if (*s == '-' || *s == '+') {
        negative = *s == '-';
        if (negative && !bSigned)
            return false;
        ++s;
    }
    if (!iswdigit(*s))
        return false;
    long long v = 0;
    while (iswdigit(*s)) {
        v = v * 10 + (*s - '0');
        if (v > 0x7fffffffffffLL)
            return false;
        ++s;
    }
    while (iswspace(*s))
        ++s;
    if (*s)
        return false;
    if (negative)
        v = -v;
    if (v < minVal || v > maxVal)
        return false;
    *pValue = v;
    return true;
}

template <class T>
static void ExchangeNumber(CDataExchange* pDX, int nIDC, T& value, bool bSigned, long long minVal,
                           long long maxVal, LPCWSTR lpszPrompt, LPCWSTR lpszFormat) {
    if (pDX->m_bFailed)
        return;
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!hWndCtrl)
        return pDX->Fail();
    if (pDX->m_bSaveAndValidate) {
        long long v = 0;
        if (!ParseNumber(WindowText(hWndCtrl), bSigned, minVal, maxVal, &v)) {
            AfxMessageBox(lpszPrompt, MB_ICONEXCLAMATION);
            return pDX->Fail();
        }
        value = (T)v;
    } else {
        CString s;
        s.Format(lpszFormat, value);
        AfxSetWindowText(hWndCtrl, s);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    ExchangeNumber(pDX, nIDC, value, true, INT_MIN, INT_MAX, L"Please enter an integer.", L"%d");
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
    ExchangeNumber(pDX, nIDC, value, false, 0, UINT_MAX, L"Please enter a positive integer.", L"%u");
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    ExchangeNumber(pDX, nIDC, value, true, LONG_MIN, LONG_MAX, L"Please enter an integer.", L"%ld");
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) {
    ExchangeNumber(pDX, nIDC, value, false, 0, ULONG_MAX, L"Please enter a positive integer.", L"%lu");
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    if (pDX->m_bFailed)
        return;
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!hWndCtrl)
        return pDX->Fail();
    if (pDX->m_bSaveAndValidate) {
        CString text = WindowText(hWndCtrl);
        text.Trim();
        wchar_t* end = nullptr;
        double d = wcstod(text, &end);
        if (text.IsEmpty() || (end && *end)) {
            AfxMessageBox(L"Please enter a number.", MB_ICONEXCLAMATION);
            return pDX->Fail();
        }
        value = d;
    } else {
        CString s;
        s.Format(L"%.15g", value);
        AfxSetWindowText(hWndCtrl, s);
    }
}

// A control whose value is one integer read and written with a message pair
// (check state, current selection).
static void ExchangeIndex(CDataExchange* pDX, int nIDC, int& index, UINT msgGet, UINT msgSet) {
    if (pDX->m_bFailed)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!hWndCtrl)
        return pDX->Fail();
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageW(hWndCtrl, msgGet, 0, 0);
    else
        ::SendMessageW(hWndCtrl, msgSet, (WPARAM)index, 0);
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    ExchangeIndex(pDX, nIDC, value, BM_GETCHECK, BM_SETCHECK);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->m_bFailed)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!hWndCtrl)
        return pDX->Fail();
    // The group runs from nIDC (which has WS_GROUP) to the next WS_GROUP.
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int iButton = 0;
    do {
        if (::SendMessageW(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0) != 0)
                    value = iButton;
            } else {
                ::SendMessageW(hWndCtrl, BM_SETCHECK, iButton == value, 0);
            }
            ++iButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl && !(::GetWindowLongPtrW(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

static void ExchangeListString(CDataExchange* pDX, int nIDC, CString& value, UINT msgSelect,
                               UINT msgFindExact, UINT msgSetSel, UINT msgGetSel, UINT msgGetTextLen,
                               UINT msgGetText, bool exact, bool isCombo) {
    if (pDX->m_bFailed)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!hWndCtrl)
        return pDX->Fail();
    if (pDX->m_bSaveAndValidate) {
        if (isCombo) {
            // A drop-down list reports its selected item as its text.
            value = WindowText(hWndCtrl);
            return;
        }
        int nIndex = (int)::SendMessageW(hWndCtrl, msgGetSel, 0, 0);
        value.Empty();
        if (nIndex >= 0) {
            int nLen = (int)::SendMessageW(hWndCtrl, msgGetTextLen, nIndex, 0);
            ::SendMessageW(hWndCtrl, msgGetText, nIndex, (LPARAM)value.GetBufferSetLength(nLen));
            value.ReleaseBuffer(nLen);
        }
        return;
    }
    LRESULT r;
    if (exact) {
        r = ::SendMessageW(hWndCtrl, msgFindExact, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
        if (r != CB_ERR)
            ::SendMessageW(hWndCtrl, msgSetSel, (WPARAM)r, 0);
    } else {
        r = ::SendMessageW(hWndCtrl, msgSelect, (WPARAM)-1, (LPARAM)(LPCTSTR)value);
    }
    if (r == CB_ERR && isCombo)
        AfxSetWindowText(hWndCtrl, value); // an edit part takes any text; a list ignores it
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    ExchangeListString(pDX, nIDC, value, CB_SELECTSTRING, CB_FINDSTRINGEXACT, CB_SETCURSEL, CB_GETCURSEL,
                       CB_GETLBTEXTLEN, CB_GETLBTEXT, false, true);
}
void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
    ExchangeListString(pDX, nIDC, value, CB_SELECTSTRING, CB_FINDSTRINGEXACT, CB_SETCURSEL, CB_GETCURSEL,
                       CB_GETLBTEXTLEN, CB_GETLBTEXT, true, true);
}
void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) {
    ExchangeListString(pDX, nIDC, value, LB_SELECTSTRING, LB_FINDSTRINGEXACT, LB_SETCURSEL, LB_GETCURSEL,
                       LB_GETTEXTLEN, LB_GETTEXT, false, false);
}


void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    ExchangeIndex(pDX, nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}
void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
    ExchangeIndex(pDX, nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars) {
    if (pDX->m_bFailed)
        return;
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars) {
            CString prompt;
            prompt.Format(L"Enter no more than %d characters.", nChars);
            AfxMessageBox(prompt, MB_ICONEXCLAMATION);
            pDX->Fail();
        }
    } else if (pDX->m_hWndLastControl) {
        WCHAR cls[16] = {};
        ::GetClassNameW(pDX->m_hWndLastControl, cls, 16);
        UINT msg = _wcsicmp(cls, L"ComboBox") == 0 ? CB_LIMITTEXT : EM_LIMITTEXT;
        ::SendMessageW(pDX->m_hWndLastControl, msg, (WPARAM)nChars, 0);
    }
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    if (pDX->m_bFailed || !pDX->m_bSaveAndValidate)
        return;
    if (value < minVal || value > maxVal) {
        CString prompt;
        prompt.Format(L"Enter an integer between %d and %d.", minVal, maxVal);
        AfxMessageBox(prompt, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}

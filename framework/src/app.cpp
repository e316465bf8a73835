// The application object, the extension-module chain that resource lookups
// walk, message boxes and sockets start-up.
#include "afximpl.h"
#include <afxsock.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)
IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

namespace {

CWinApp* g_pApp = nullptr;
HINSTANCE g_hInstance = nullptr;
HINSTANCE g_hResource = nullptr;
AFX_MESSAGEBOX_HOOK g_pfnMessageBoxHook = nullptr;
LONG g_socketsStarted = 0;

// The chain of extension DLLs. Changes come from DllMain (loader lock held),
// lookups from the GUI thread; a critical section keeps them apart.
struct LibraryChain {
    CRITICAL_SECTION lock;
    CDynLinkLibrary* pFirst = nullptr;
    LibraryChain() { InitializeCriticalSection(&lock); }
};
LibraryChain& Chain() {
    static LibraryChain* chain = new LibraryChain; // lives to process end
    return *chain;
}
struct ChainLock {
    ChainLock() { EnterCriticalSection(&Chain().lock); }
    ~ChainLock() { LeaveCriticalSection(&Chain().lock); }
};

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Instance and resources

HINSTANCE AFXAPI AfxGetInstanceHandle() {
    return g_hInstance ? g_hInstance : ::GetModuleHandleW(nullptr);
}
HINSTANCE AFXAPI AfxGetResourceHandle() {
    return g_hResource ? g_hResource : AfxGetInstanceHandle();
}
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) {
    g_hResource = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType) {
    HINSTANCE hInst = AfxGetResourceHandle();
    if (::FindResourceW(hInst, lpszName, lpszType))
        return hInst;
    ChainLock lock;
    for (int pass = 0; pass < 2; ++pass) // extension DLLs first, then system ones
        for (CDynLinkLibrary* p = Chain().pFirst; p; p = p->m_pNextDLL)
            if ((p->m_bSystem != 0) == (pass == 1) && p->m_hResource &&
                ::FindResourceW(p->m_hResource, lpszName, lpszType))
                return p->m_hResource;
    return hInst;
}

// Strings live in blocks of 16; a block may exist without the wanted string,
// so each module is asked for the string itself.
HINSTANCE AfxFindStringResourceHandle(UINT nID) {
    LPCWSTR p = nullptr;
    HINSTANCE hInst = AfxGetResourceHandle();
    if (::LoadStringW(hInst, nID, reinterpret_cast<LPWSTR>(&p), 0) > 0)
        return hInst;
    ChainLock lock;
    for (CDynLinkLibrary* pLib = Chain().pFirst; pLib; pLib = pLib->m_pNextDLL)
        if (pLib->m_hResource && ::LoadStringW(pLib->m_hResource, nID, reinterpret_cast<LPWSTR>(&p), 0) > 0)
            return pLib->m_hResource;
    return nullptr;
}

// The module whose local window class has this name: the program first,
// then the extension DLLs (a class registered by a DLL is local to it).
HINSTANCE AfxFindClassModule(LPCTSTR lpszClassName, HINSTANCE hPreferred) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    if (!lpszClassName || IS_INTRESOURCE(lpszClassName) || ::GetClassInfoExW(hPreferred, lpszClassName, &wc))
        return hPreferred;
    ChainLock lock;
    for (CDynLinkLibrary* p = Chain().pFirst; p; p = p->m_pNextDLL)
        if (p->m_hModule && ::GetClassInfoExW(p->m_hModule, lpszClassName, &wc))
            return p->m_hModule;
    return hPreferred;
}

int AFXAPI AfxLoadString(UINT nIDS, LPTSTR lpszBuf, UINT nMaxBuf) {
    if (!lpszBuf || nMaxBuf == 0)
        return 0;
    HINSTANCE hInst = AfxFindStringResourceHandle(nIDS);
    int n = hInst ? ::LoadStringW(hInst, nIDS, lpszBuf, (int)nMaxBuf) : 0;
    if (n <= 0)
        lpszBuf[0] = 0;
    return n;
}

/////////////////////////////////////////////////////////////////////////////
// Extension modules

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (state.bInitialized)
        return TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = nullptr;
    state.pFirstSharedFactory = nullptr;
    state.bInitialized = TRUE;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
    if (!state.bInitialized)
        return;
    std::vector<CDynLinkLibrary*> doomed;
    {
        ChainLock lock;
        for (CDynLinkLibrary* p = Chain().pFirst; p; p = p->m_pNextDLL)
            if (bAll || p->m_hModule == state.hModule)
                doomed.push_back(p);
    }
    for (CDynLinkLibrary* p : doomed)
        delete p; // the destructor unlinks it
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem), m_pNextDLL(nullptr) {
    ChainLock lock;
    m_pNextDLL = Chain().pFirst;
    Chain().pFirst = this;
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE), m_pNextDLL(nullptr) {
    ChainLock lock;
    m_pNextDLL = Chain().pFirst;
    Chain().pFirst = this;
}

CDynLinkLibrary::~CDynLinkLibrary() {
    ChainLock lock;
    for (CDynLinkLibrary** pp = &Chain().pFirst; *pp; pp = &(*pp)->m_pNextDLL)
        if (*pp == this) {
            *pp = m_pNextDLL;
            break;
        }
}

/////////////////////////////////////////////////////////////////////////////
// Threads and the application object

CWinThread::CWinThread()
    : m_pMainWnd(nullptr), m_pActiveWnd(nullptr), m_bAutoDelete(FALSE), m_hThread(::GetCurrentThread()),
      m_nThreadID(::GetCurrentThreadId()), m_msgCur() {}

CWinThread::~CWinThread() {}

CWnd* CWinThread::GetMainWnd() {
    return m_pActiveWnd ? m_pActiveWnd : m_pMainWnd;
}
BOOL CWinThread::InitInstance() {
    return FALSE;
}
int CWinThread::ExitInstance() {
    return (int)m_msgCur.wParam;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
    HWND hWndStop = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    return CWnd::WalkPreTranslateTree(hWndStop, pMsg);
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) {
    // Timers and the caret's blink would keep an idle loop from ever idling.
    return pMsg->message != WM_TIMER && pMsg->message != 0x0118 /* WM_SYSTIMER */ &&
           pMsg->message != WM_PAINT;
}

BOOL CWinThread::PumpMessage() {
    if (!::GetMessageW(&m_msgCur, nullptr, 0, 0))
        return FALSE;
    AfxLockTempMaps();
    BOOL handled = FALSE;
    try {
        handled = PreTranslateMessage(&m_msgCur);
    } catch (...) {
    }
    if (!handled) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageW(&m_msgCur);
    }
    AfxUnlockTempMaps();
    return TRUE;
}

BOOL CWinThread::OnIdle(LONG) {
    // The main loop holds no wrapper of its own: every temporary can go.
    AfxThreadState* state = AfxGetThreadState();
    if (state->tempLockDepth == 0)
        AfxDeleteTemps(state, -1);
    return FALSE;
}

int CWinThread::Run() {
    for (;;) {
        MSG msg;
        LONG lIdleCount = 0;
        while (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE) && OnIdle(lIdleCount++)) {
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
        } while (::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(lpszAppName), m_hInstance(nullptr), m_hPrevInstance(nullptr), m_lpCmdLine(nullptr),
      m_nCmdShow(SW_SHOWNORMAL), m_pszExeName(nullptr) {
    g_pApp = this;
}

CWinApp::~CWinApp() {
    while (m_pFirstTemplate) {
        CDocTemplate* pNext = m_pFirstTemplate->m_pNextTemplate;
        delete m_pFirstTemplate;
        m_pFirstTemplate = pNext;
    }
    if (g_pApp == this)
        g_pApp = nullptr;
    AfxSocketTerm();
}

BOOL CWinApp::InitApplication() {
    return TRUE;
}
BOOL CWinApp::InitInstance() {
    return TRUE;
}
int CWinApp::ExitInstance() {
    return CWinThread::ExitInstance();
}

int CWinApp::Run() {
    if (!m_pMainWnd)
        return ExitInstance();
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount) {
    return CWinThread::OnIdle(lCount);
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) {
    if (g_pfnMessageBoxHook)
        return g_pfnMessageBoxHook(lpszPrompt, nType);
    HWND hWndOwner = nullptr;
    if (CWnd* pMain = AfxGetMainWnd())
        hWndOwner = pMain->GetSafeHwnd();
    if (!hWndOwner)
        hWndOwner = ::GetActiveWindow();
    return ::MessageBoxW(hWndOwner, lpszPrompt, AfxGetAppName(), nType);
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const {
    return ::LoadIconW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return LoadIcon(MAKEINTRESOURCEW(nIDResource));
}
HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const {
    return ::LoadIconW(nullptr, lpszIconName);
}
HICON CWinApp::LoadOEMIcon(UINT nIDIcon) const {
    return ::LoadIconW(nullptr, MAKEINTRESOURCEW(nIDIcon));
}
HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const {
    return ::LoadCursorW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
    return LoadCursor(MAKEINTRESOURCEW(nIDResource));
}
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const {
    return ::LoadCursorW(nullptr, lpszCursorName);
}
HCURSOR CWinApp::LoadOEMCursor(UINT nIDCursor) const {
    return ::LoadCursorW(nullptr, MAKEINTRESOURCEW(nIDCursor));
}

CWinApp* AFXAPI AfxGetApp() {
    return g_pApp;
}
CWinThread* AFXAPI AfxGetThread() {
    return g_pApp;
}

CWnd* AFXAPI AfxGetMainWnd() {
    CWinThread* pThread = AfxGetThread();
    return pThread ? pThread->GetMainWnd() : nullptr;
}

LPCTSTR AFXAPI AfxGetAppName() {
    if (g_pApp && g_pApp->m_pszAppName)
        return g_pApp->m_pszAppName;
    return L"";
}

void AFXAPI AfxEnableControlContainer() {}

AFX_MESSAGEBOX_HOOK AFXAPI AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK pfnHook) {
    AFX_MESSAGEBOX_HOOK old = g_pfnMessageBoxHook;
    g_pfnMessageBoxHook = pfnHook;
    return old;
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp) {
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    if (g_pfnMessageBoxHook)
        return g_pfnMessageBoxHook(lpszText, nType);
    return ::MessageBoxW(::GetActiveWindow(), lpszText, AfxGetAppName(), nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    CString prompt;
    prompt.LoadString(nIDPrompt);
    return AfxMessageBox(prompt, nType, nIDHelp == (UINT)-1 ? nIDPrompt : nIDHelp);
}

/////////////////////////////////////////////////////////////////////////////
// Start-up

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow) {
    g_hInstance = hInstance;
    if (!g_hResource)
        g_hResource = hInstance;
    if (CWinApp* pApp = AfxGetApp()) {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        if (!pApp->m_pszAppName) {
            static WCHAR szTitle[MAX_PATH];
            ::GetModuleFileNameW(hInstance, szTitle, MAX_PATH);
            LPWSTR name = wcsrchr(szTitle, L'\\');
            name = name ? name + 1 : szTitle;
            if (LPWSTR dot = wcsrchr(name, L'.'))
                *dot = 0;
            pApp->m_pszAppName = name;
        }
        pApp->m_pszExeName = pApp->m_pszAppName;
    }
    AfxEnsureCommonControls();
    return TRUE;
}

static void AfxWinTerm() {
    AfxThreadState* state = AfxGetThreadState();
    AfxDeleteTemps(state, -1);
    AfxSocketTerm();
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow) {
    int nReturnCode = -1;
    CWinApp* pApp = AfxGetApp();
    if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) || !pApp) {
        AfxWinTerm();
        return nReturnCode;
    }
    try {
        if (!pApp->InitApplication()) {
            AfxWinTerm();
            return nReturnCode;
        }
        if (!pApp->InitInstance()) {
            // A dialog-based program ends here, after its dialog closed.
            if (pApp->m_pMainWnd && pApp->m_pMainWnd->GetSafeHwnd())
                pApp->m_pMainWnd->DestroyWindow();
            nReturnCode = pApp->ExitInstance();
        } else {
            nReturnCode = pApp->Run();
        }
    } catch (...) {
        nReturnCode = -1;
    }
    AfxWinTerm();
    return nReturnCode;
}

/////////////////////////////////////////////////////////////////////////////
// Windows sockets

BOOL AFXAPI AfxSocketInit(WSADATA* lpwsaData) {
    WSADATA data;
    if (::WSAStartup(MAKEWORD(2, 2), &data) != 0)
        return FALSE;
    if (LOBYTE(data.wVersion) != 2 || HIBYTE(data.wVersion) != 2) {
        ::WSACleanup();
        return FALSE;
    }
    if (lpwsaData)
        *lpwsaData = data;
    // One start-up is kept for the application; further calls are balanced here.
    if (InterlockedIncrement(&g_socketsStarted) > 1) {
        InterlockedDecrement(&g_socketsStarted);
        ::WSACleanup();
    }
    return TRUE;
}

void AfxSocketTerm() {
    if (InterlockedExchange(&g_socketsStarted, 0) > 0)
        ::WSACleanup();
}

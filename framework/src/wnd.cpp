// CWnd: binding objects to windows, the window procedure, message routing
// and reflection, and the modal loop.
#include "afximpl.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

namespace {
// Kept on every window whose procedure the framework replaced, so that a late
// message that reaches AfxWndProc after its object let go still finds the
// original procedure.
const WCHAR kSuperProp[] = L"AfxSuperProc";
const UINT WF_STATICMARKER = 0x8000; // the wndTop family
// The object receives its window's messages through the common controls'
// subclass chain (SubclassWindow) rather than as the window procedure.
const UINT WF_SUBCLASSCHAIN = 0x10000;
const UINT_PTR kSubclassId = 0xAF8;

// Whether the object receives its window's messages (as opposed to being
// merely attached).
bool ReceivesMessages(const CWnd* pWnd) {
    return pWnd->m_pfnSuper || (pWnd->m_nFlags & WF_SUBCLASSCHAIN);
}
} // namespace

static LRESULT CALLBACK AfxSubclassProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR);

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

CWnd::CWnd() : m_hWnd(nullptr), m_nFlags(0), m_pfnSuper(nullptr), m_hWndOwner(nullptr), m_nModalResult(-1) {}

CWnd::CWnd(HWND hWnd)
    : m_hWnd(hWnd), m_nFlags(WF_STATICMARKER), m_pfnSuper(nullptr), m_hWndOwner(nullptr), m_nModalResult(-1) {
}

CWnd::~CWnd() {
    if (m_nFlags & WF_STATICMARKER)
        return;
    if (CWinApp* pApp = AfxGetApp()) {
        if (pApp->m_pMainWnd == this)
            pApp->m_pMainWnd = nullptr;
        if (pApp->m_pActiveWnd == this)
            pApp->m_pActiveWnd = nullptr;
    }
    if (m_hWnd) {
        // An object that still owns a live window takes it with it, so that
        // no message is ever dispatched to a dead object.
        if (FromHandlePermanent(m_hWnd) == this && ::IsWindow(m_hWnd) && ReceivesMessages(this))
            ::DestroyWindow(m_hWnd);
        if (m_hWnd)
            Detach();
    }
}

/////////////////////////////////////////////////////////////////////////////
// Handle map

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
    if (!hWnd)
        return nullptr;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    if (CObject* pTemp = AfxFindTemp(afxTempWnd, hWnd))
        return static_cast<CWnd*>(pTemp);
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    pWnd->m_nFlags |= WF_TEMPORARY;
    AfxAddTemp(afxTempWnd, hWnd, pWnd);
    return pWnd;
}

void PASCAL CWnd::DeleteTempMap() {
    AfxDeleteTemps(AfxGetThreadState(), AfxGetThreadState()->tempLockDepth - 1, afxTempWnd);
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (!hWndNew || m_hWnd || FromHandlePermanent(hWndNew))
        return FALSE;
    m_hWnd = hWndNew;
    AfxMapWindow(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd) {
        if (FromHandlePermanent(hWnd) == this)
            AfxUnmapWindow(hWnd);
        m_hWnd = nullptr;
    }
    return hWnd;
}

/////////////////////////////////////////////////////////////////////////////
// Creation hook: the next window created on this thread is bound to the
// waiting object before its first message (WM_GETMINMAXINFO/WM_NCCREATE).

static void BindNewWindow(CWnd* pWnd, HWND hWnd) {
    if (!pWnd->Attach(hWnd))
        return;
    // Temporaries made by PreSubclassWindow end with it.
    AfxLockTempMaps();
    pWnd->PreSubclassWindow();
    AfxUnlockTempMaps();
    WNDPROC old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old != &AfxWndProc)
        pWnd->m_pfnSuper = old;
    ::SetPropW(hWnd, kSuperProp, reinterpret_cast<HANDLE>(pWnd->m_pfnSuper));
}

static LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    AfxThreadState* state = AfxGetThreadState();
    if (code == HCBT_CREATEWND && state->pWndInit) {
        CWnd* pWndInit = state->pWndInit;
        state->pWndInit = nullptr;
        try {
            BindNewWindow(pWndInit, reinterpret_cast<HWND>(wParam));
        } catch (...) {
            // nothing may unwind through the system's window creation
        }
    }
    return ::CallNextHookEx(state->hHookCbt, code, wParam, lParam);
}

void AfxHookWindowCreate(CWnd* pWnd) {
    AfxThreadState* state = AfxGetThreadState();
    if (state->hookNesting++ == 0)
        state->hHookCbt = ::SetWindowsHookExW(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    state->pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate() {
    AfxThreadState* state = AfxGetThreadState();
    BOOL bound = state->pWndInit == nullptr;
    state->pWndInit = nullptr;
    if (--state->hookNesting == 0 && state->hHookCbt) {
        ::UnhookWindowsHookEx(state->hHookCbt);
        state->hHookCbt = nullptr;
    }
    return bound;
}

void AfxEnsureCommonControls() {
    static bool done = false;
    if (!done) {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES |
                                                     ICC_TAB_CLASSES | ICC_PROGRESS_CLASS |
                                                     ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&icc);
        done = true;
    }
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    // One name per combination, kept for the process's lifetime.
    static CString names[64];
    static int count = 0;
    WCHAR name[96];
    wsprintfW(name, L"Afx:%p:%x:%p:%p:%p", (void*)AfxGetInstanceHandle(), nClassStyle, (void*)hCursor,
              (void*)hbrBackground, (void*)hIcon);
    for (int i = 0; i < count; ++i)
        if (names[i] == name)
            return names[i];
    WNDCLASSW wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = name;
    WNDCLASSW existing;
    if (!::GetClassInfoW(wc.hInstance, name, &existing) && !::RegisterClassW(&wc))
        return nullptr;
    if (count == 64)
        count = 0; // extremely unlikely; names stay registered
    names[count] = name;
    return names[count++];
}

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass) {
    WNDCLASSW existing;
    if (::GetClassInfoW(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing))
        return TRUE;
    return ::RegisterClassW(lpWndClass) != 0;
}

WNDPROC AFXAPI AfxGetAfxWndProc() {
    return &AfxWndProc;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x,
                    int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
    if (m_hWnd)
        return FALSE;
    AfxEnsureCommonControls();
    CREATESTRUCT cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    cs.hInstance = AfxFindClassModule(cs.lpszClass, cs.hInstance);
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate()) {
        // The window never came to exist, so no WM_NCDESTROY will clean up.
        PostNcDestroy();
        return FALSE;
    }
    return hWnd != nullptr;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>((UINT_PTR)nID), lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    (LPVOID)pContext);
}

// An existing window joins the common controls' subclass chain rather than
// having its procedure replaced: the system subclasses windows the same way
// (an up-down control its buddy), and a procedure swapped in under such a
// subclass is cut off when the system removes its own.
BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    AfxLockTempMaps();
    PreSubclassWindow();
    AfxUnlockTempMaps();
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) == &AfxWndProc) {
        // A window the framework created, which an earlier object let go of
        // without unsubclassing: its procedure is still ours, and its
        // original one is the one that object kept.
        m_pfnSuper = reinterpret_cast<WNDPROC>(::GetPropW(hWnd, kSuperProp));
        return TRUE;
    }
    if (!::SetWindowSubclass(hWnd, &AfxSubclassProc, kSubclassId, 0)) {
        Detach();
        return FALSE;
    }
    m_nFlags |= WF_SUBCLASSCHAIN;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID);
    return hWndControl ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow() {
    if (!m_hWnd)
        return nullptr;
    if (m_nFlags & WF_SUBCLASSCHAIN) {
        // Only our link leaves the chain; subclasses above and below stay.
        ::RemoveWindowSubclass(m_hWnd, &AfxSubclassProc, kSubclassId);
        m_nFlags &= ~WF_SUBCLASSCHAIN;
    } else if (m_pfnSuper &&
               reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC)) == &AfxWndProc) {
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        ::RemovePropW(m_hWnd, kSuperProp);
    }
    // Otherwise something subclassed the window above our procedure; putting
    // the original back would cut it off. Our procedure stays in place and,
    // with no object bound, hands every message to the original.
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::DestroyWindow() {
    HWND hWnd = m_hWnd;
    if (!hWnd)
        return FALSE;
    // A subclassed window cleans up in its WM_NCDESTROY (and the object may
    // be gone afterwards); a merely attached one is detached here.
    bool subclassed = FromHandlePermanent(hWnd) == this && ReceivesMessages(this);
    bool attached = FromHandlePermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    if (attached && !subclassed && m_hWnd == hWnd)
        Detach();
    return bResult;
}

void CWnd::PreSubclassWindow() {}
void CWnd::PostNcDestroy() {}
void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT) {
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, GetExStyle());
}

/////////////////////////////////////////////////////////////////////////////
// The window procedure

// Teardown in a fixed order: stop dispatching to the object, restore the
// original procedure, let the window finish dying, then PostNcDestroy.
struct AfxWndInternals {
    static void FinishNcDestroy(CWnd* pWnd, HWND hWnd, WPARAM wParam, LPARAM lParam);
};

void AfxWndInternals::FinishNcDestroy(CWnd* pWnd, HWND hWnd, WPARAM wParam, LPARAM lParam) {
    WNDPROC pfnSuper = pWnd->m_pfnSuper;
    const bool chained = (pWnd->m_nFlags & WF_SUBCLASSCHAIN) != 0;
    if (pWnd->m_nFlags & WF_CONTINUEMODAL) {
        // A window destroyed under its own modal loop ends the loop (instead
        // of leaving it waiting for an EndDialog that can no longer come).
        if (pWnd->m_nModalResult == -1)
            pWnd->m_nModalResult = IDABORT;
        pWnd->m_nFlags &= ~WF_CONTINUEMODAL;
        ::PostMessageW(nullptr, WM_NULL, 0, 0);
    }
    if (CWinApp* pApp = AfxGetApp()) {
        if (pApp->m_pMainWnd == pWnd) {
            // The program's main window is gone: its message loop ends.
            pApp->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
        if (pApp->m_pActiveWnd == pWnd)
            pApp->m_pActiveWnd = nullptr;
    }
    AfxUnmapWindow(hWnd);
    pWnd->m_hWnd = nullptr;
    pWnd->m_pfnSuper = nullptr;
    pWnd->m_nFlags &= ~WF_SUBCLASSCHAIN;
    if (chained) {
        // The chain carries the message on to the subclasses below ours
        // even once our link is gone.
        ::RemoveWindowSubclass(hWnd, &AfxSubclassProc, kSubclassId);
        ::DefSubclassProc(hWnd, WM_NCDESTROY, wParam, lParam);
    } else {
        if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)) == &AfxWndProc && pfnSuper)
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSuper));
        ::RemovePropW(hWnd, kSuperProp);
        if (pfnSuper)
            ::CallWindowProcW(pfnSuper, hWnd, WM_NCDESTROY, wParam, lParam);
        else
            ::DefWindowProcW(hWnd, WM_NCDESTROY, wParam, lParam);
    }
    pWnd->PostNcDestroy();
}

// After an exception escaped a handler: answer the message so that the
// system stays consistent (a failed creation, a validated paint).
static LRESULT AfxProcessWndProcException(HWND hWnd, UINT nMsg) {
    switch (nMsg) {
    case WM_CREATE:
        return -1;
    case WM_NCCREATE:
        return FALSE;
    case WM_PAINT:
        ::ValidateRect(hWnd, nullptr);
        return 0;
    default:
        return 0;
    }
}

// One message to a bound object, from either entry (our window procedure or
// our link in the subclass chain).
static LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    AfxThreadState* state = AfxGetThreadState();
    MSG oldMsg = state->lastSentMsg;
    state->lastSentMsg.hwnd = hWnd;
    state->lastSentMsg.message = nMsg;
    state->lastSentMsg.wParam = wParam;
    state->lastSentMsg.lParam = lParam;
    AfxLockTempMaps();
    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (...) {
        // Never let an exception unwind through the system's frames.
        lResult = AfxProcessWndProcException(hWnd, nMsg);
    }
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) {
        try {
            AfxWndInternals::FinishNcDestroy(pWnd, hWnd, wParam, lParam);
        } catch (...) {
        }
    }
    AfxUnlockTempMaps();
    state->lastSentMsg = oldMsg;
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd || pWnd->m_hWnd != hWnd || (pWnd->m_nFlags & WF_SUBCLASSCHAIN)) {
        // No object takes messages here (it let go, or a later one is bound
        // through the subclass chain): the original procedure answers.
        auto pfnSuper = reinterpret_cast<WNDPROC>(::GetPropW(hWnd, kSuperProp));
        if (nMsg == WM_NCDESTROY)
            ::RemovePropW(hWnd, kSuperProp);
        return pfnSuper ? ::CallWindowProcW(pfnSuper, hWnd, nMsg, wParam, lParam)
                        : ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    }
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

static LRESULT CALLBACK AfxSubclassProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (!pWnd || pWnd->m_hWnd != hWnd || !(pWnd->m_nFlags & WF_SUBCLASSCHAIN)) {
        // The object let go without unsubclassing (Detach): the window works
        // as it did before, and our link leaves the chain with the window.
        if (nMsg == WM_NCDESTROY)
            ::RemoveWindowSubclass(hWnd, &AfxSubclassProc, kSubclassId);
        return ::DefSubclassProc(hWnd, nMsg, wParam, lParam);
    }
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (nMsg == WM_NCDESTROY && FromHandlePermanent(m_hWnd) == this)
        return 0; // the teardown passes it on once the object has let go
    // Under Wine the chain moves on by one link per call within a message, so
    // a handler calls this once per message; a second call would skip a
    // subclass installed below ours.
    if (m_nFlags & WF_SUBCLASSCHAIN)
        return ::DefSubclassProc(m_hWnd, nMsg, wParam, lParam);
    if (m_pfnSuper)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default() {
    const MSG& msg = AfxGetThreadState()->lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage() {
    // Filled on demand: a sent message carries neither, and the system keeps
    // both for the message last taken from the queue.
    MSG& msg = AfxGetThreadState()->lastSentMsg;
    msg.time = ::GetMessageTime();
    DWORD pos = ::GetMessagePos();
    msg.pt.x = (short)LOWORD(pos);
    msg.pt.y = (short)HIWORD(pos);
    return &msg;
}

// The child a parent's message is about, for reflection.
static HWND ChildOfMessage(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM: {
        auto* p = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        return p && p->CtlType != ODT_MENU ? p->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
        auto* p = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        return p && p->CtlType != ODT_MENU ? ::GetDlgItem(hWndParent, (int)p->CtlID) : nullptr;
    }
    case WM_COMPAREITEM:
        return lParam ? reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)->hwndItem : nullptr;
    case WM_DELETEITEM: {
        auto* p = reinterpret_cast<LPDELETEITEMSTRUCT>(lParam);
        return p && p->CtlType != ODT_MENU ? p->hwndItem : nullptr;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
        return reinterpret_cast<HWND>(lParam);
    case WM_PARENTNOTIFY:
        return (LOWORD(wParam) == WM_CREATE || LOWORD(wParam) == WM_DESTROY) ? reinterpret_cast<HWND>(lParam)
                                                                             : nullptr;
    default:
        return nullptr;
    }
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT lResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (!pNMHDR || !pNMHDR->hwndFrom || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        *pResult = lResult;
        return TRUE;
    }
    // A message about a child goes to the child's own object first; the
    // parent's map sees it only when the child did not handle it.
    if (HWND hWndChild = ChildOfMessage(m_hWnd, message, wParam, lParam)) {
        CWnd* pChild = FromHandlePermanent(hWndChild);
        if (pChild && pChild != this && pChild->OnChildNotify(message, wParam, lParam, &lResult)) {
            *pResult = lResult;
            return TRUE;
        }
    }
    UINT nLookup = message;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        nLookup = WM_CTLCOLOR;
    const AFX_MSGMAP_ENTRY* e = AfxFindMessageEntry(GetMessageMap(), nLookup, 0, 0);
    if (!e)
        return FALSE;
    return AfxDispatchWindowEntry(this, e, message, wParam, lParam, pResult);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (!hWndCtrl) {
        nCode = CN_COMMAND; // menus and accelerators alike
    } else {
        CWnd* pChild = FromHandlePermanent(hWndCtrl);
        LRESULT lResult = 0;
        if (pChild && pChild != this && pChild->OnChildNotify(WM_COMMAND, wParam, lParam, &lResult))
            return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    CWnd* pChild = FromHandlePermanent(pNMHDR->hwndFrom);
    LRESULT lResult = 0;
    if (pChild && pChild != this && pChild->OnChildNotify(WM_NOTIFY, wParam, lParam, &lResult)) {
        *pResult = lResult;
        return TRUE;
    }
    UINT nID = (UINT)pNMHDR->idFrom;
    const AFX_MSGMAP_ENTRY* e = nullptr;
    while ((e = AfxFindMessageEntry(GetMessageMap(), WM_NOTIFY, (UINT)pNMHDR->code, nID, e)) != nullptr) {
        *pResult = 0;
        if (AfxDispatchNotifyEntry(this, e, nID, pNMHDR, pResult))
            return TRUE;
    }
    return FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    switch (message) {
    case WM_COMMAND: {
        const AFX_MSGMAP_ENTRY* e =
            AfxFindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0);
        if (!e)
            return FALSE;
        LRESULT lResult = 0;
        if (!AfxDispatchWindowEntry(this, e, message, wParam, lParam, &lResult))
            return FALSE;
        // ON_CONTROL_REFLECT_EX handlers decide whether the parent also sees it.
        return e->nSig == AfxSig_bv ? (BOOL)lResult : TRUE;
    }
    case WM_NOTIFY: {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        const AFX_MSGMAP_ENTRY* e =
            AfxFindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + WM_NOTIFY, (UINT)pNMHDR->code, 0);
        if (!e)
            return FALSE;
        LRESULT lResult = 0;
        BOOL handled = AfxDispatchNotifyEntry(this, e, 0, pNMHDR, &lResult);
        if (pResult)
            *pResult = lResult;
        return handled;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        const AFX_MSGMAP_ENTRY* e = AfxFindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0);
        LRESULT lResult = 0;
        if (!e || !AfxDispatchWindowEntry(this, e, message, wParam, lParam, &lResult))
            return FALSE;
        if (pResult)
            *pResult = lResult;
        return TRUE;
    }
    default: {
        if (message >= WM_REFLECT_BASE)
            return FALSE;
        const AFX_MSGMAP_ENTRY* e = AfxFindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + message, 0, 0);
        LRESULT lResult = 0;
        if (!e || !AfxDispatchWindowEntry(this, e, message, wParam, lParam, &lResult))
            return FALSE;
        if (pResult)
            *pResult = lResult;
        return TRUE;
    }
    }
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    return pWnd ? pWnd->SendChildNotifyLastMsg(pResult) : FALSE;
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
    const MSG& msg = AfxGetThreadState()->lastSentMsg;
    LRESULT lResult = 0;
    BOOL handled = OnChildNotify(msg.message, msg.wParam, msg.lParam, &lResult);
    if (pResult)
        *pResult = lResult;
    return handled;
}

/////////////////////////////////////////////////////////////////////////////
// Pre-translation and the modal loop

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::ContinueModal() {
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult) {
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        ::PostMessageW(nullptr, WM_NULL, 0, 0); // wake the loop
    }
}

int CWnd::RunModalLoop(DWORD dwFlags) {
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    MSG msg;
    while (ContinueModal()) {
        if (bShowIdle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            ShowWindow(SW_SHOWNORMAL);
            UpdateWindow();
            bShowIdle = FALSE;
            continue;
        }
        if (!::GetMessageW(&msg, nullptr, 0, 0)) {
            // WM_QUIT ends the loop; pass it on to any outer loop.
            ::PostQuitMessage((int)msg.wParam);
            m_nFlags &= ~WF_CONTINUEMODAL;
            break;
        }
        AfxLockTempMaps();
        BOOL handled = FALSE;
        try {
            CWinThread* pThread = AfxGetThread();
            handled = pThread ? pThread->PreTranslateMessage(&msg) : WalkPreTranslateTree(nullptr, &msg);
        } catch (...) {
            handled = FALSE;
        }
        if (!handled) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        AfxUnlockTempMaps();
    }
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

/////////////////////////////////////////////////////////////////////////////
// Default handlers: the window's original processing

void CWnd::OnActivate(UINT, CWnd*, BOOL) {
    Default();
}
void CWnd::OnActivateApp(BOOL, DWORD) {
    Default();
}
void CWnd::OnCancelMode() {
    Default();
}
void CWnd::OnCaptureChanged(CWnd*) {
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
    Default();
}
int CWnd::OnCharToItem(UINT, CListBox*, UINT) {
    return (int)Default();
}
void CWnd::OnClose() {
    Default();
}
int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT) {
    return (int)Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint) {
    Default();
}
int CWnd::OnCreate(LPCREATESTRUCT) {
    return (int)Default();
}
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}
void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT) {
    Default();
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (lpDrawItemStruct && lpDrawItemStruct->CtlType == ODT_MENU) {
        if (CMenu* pMenu = AfxFindPermanentMenu(reinterpret_cast<HMENU>(lpDrawItemStruct->hwndItem))) {
            pMenu->DrawItem(lpDrawItemStruct);
            return;
        }
    }
    Default();
}
void CWnd::OnDropFiles(HDROP) {
    Default();
}
void CWnd::OnEnable(BOOL) {
    Default();
}
void CWnd::OnEnterMenuLoop(BOOL) {
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) {
    return (BOOL)Default();
}
void CWnd::OnExitMenuLoop(BOOL) {
    Default();
}
UINT CWnd::OnGetDlgCode() {
    return (UINT)Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) {
    Default();
}
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) {
    Default();
}
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) {
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKillFocus(CWnd*) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnMButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (lpMeasureItemStruct && lpMeasureItemStruct->CtlType == ODT_MENU) {
        if (CMenu* pMenu = AfxFindMenuWithItem(lpMeasureItemStruct->itemID)) {
            pMenu->MeasureItem(lpMeasureItemStruct);
            return;
        }
    }
    Default();
}
void CWnd::OnMenuSelect(UINT, UINT, HMENU) {
    Default();
}
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) {
    return (int)Default();
}
void CWnd::OnMouseHover(UINT, CPoint) {
    Default();
}
void CWnd::OnMouseLeave() {
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) {
    return (BOOL)Default();
}
void CWnd::OnMove(int, int) {
    Default();
}
void CWnd::OnMoving(UINT, LPRECT) {
    Default();
}
BOOL CWnd::OnNcActivate(BOOL) {
    return (BOOL)Default();
}
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {
    Default();
}
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) {
    return (BOOL)Default();
}
void CWnd::OnNcDestroy() {} // the framework finishes the teardown after the handlers ran
LRESULT CWnd::OnNcHitTest(CPoint) {
    return Default();
}
void CWnd::OnNcLButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnNcLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnNcLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnNcMouseHover(UINT, CPoint) {
    Default();
}
void CWnd::OnNcMouseLeave() {
    Default();
}
void CWnd::OnNcMouseMove(UINT, CPoint) {
    Default();
}
void CWnd::OnNcPaint() {
    Default();
}
void CWnd::OnNcRButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnNcRButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
void CWnd::OnParentNotify(UINT, LPARAM) {
    Default();
}
void CWnd::OnPrintClient(CDC*, UINT) {
    Default();
}
HCURSOR CWnd::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(Default());
}
void CWnd::OnRButtonDblClk(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
    return (BOOL)Default();
}
void CWnd::OnSetFocus(CWnd*) {
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnSizing(UINT, LPRECT) {
    Default();
}
void CWnd::OnStyleChanged(int, LPSTYLESTRUCT) {
    Default();
}
void CWnd::OnStyleChanging(int, LPSTYLESTRUCT) {
    Default();
}
void CWnd::OnSysChar(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSysColorChange() {
    Default();
}
void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnSysKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) {
    Default();
}
int CWnd::OnVKeyToItem(UINT, CListBox*, UINT) {
    return (int)Default();
}
void CWnd::OnWindowPosChanged(WINDOWPOS*) {
    Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS*) {
    Default();
}

// Process and thread state: handle maps, temporary objects, run-time
// classes and the DLL entry point.
#include "afximpl.h"

#include <unordered_map>
#include <cstring>

std::atomic<LONG> afxLiveGdiObjects{0};

namespace {

DWORD g_tlsIndex = TLS_OUT_OF_INDEXES;

// Handles that several wrappers may hold at once, in the order they were
// attached: a sub-menu is wrapped for a moment by a popup while the
// application keeps its own wrapper of it.
template <class H, class T> using HolderMap = std::unordered_map<H, std::vector<T*>>;

// The permanent maps are process-wide: a window bound on one thread is found
// from every thread (workers only post messages, but they may look up).
struct PermanentMaps {
    CRITICAL_SECTION lock;
    std::unordered_map<HWND, CWnd*> windows;
    HolderMap<HMENU, CMenu> menus;
    HolderMap<HIMAGELIST, CImageList> imageLists;
    PermanentMaps() { InitializeCriticalSection(&lock); }
};

PermanentMaps& Maps() {
    static PermanentMaps* maps = new PermanentMaps; // lives to process end
    return *maps;
}

struct Locked {
    Locked() { EnterCriticalSection(&Maps().lock); }
    ~Locked() { LeaveCriticalSection(&Maps().lock); }
};

template <class H, class T> void AddHolder(HolderMap<H, T>& map, H h, T* p) {
    Locked lock;
    map[h].push_back(p);
}

template <class H, class T> void RemoveHolder(HolderMap<H, T>& map, H h, T* p) {
    Locked lock;
    auto it = map.find(h);
    if (it == map.end())
        return;
    auto& holders = it->second;
    for (auto i = holders.begin(); i != holders.end(); ++i) {
        if (*i == p) {
            holders.erase(i);
            break;
        }
    }
    if (holders.empty())
        map.erase(it);
}

// The wrapper attached last: FromHandle's answer while any is attached.
template <class H, class T> T* LatestHolder(HolderMap<H, T>& map, H h) {
    Locked lock;
    auto it = map.find(h);
    return it == map.end() ? nullptr : it->second.back();
}

template <class H, class T> std::vector<T*> Holders(HolderMap<H, T>& map, H h) {
    Locked lock;
    auto it = map.find(h);
    return it == map.end() ? std::vector<T*>() : it->second;
}

// Registered classes (CRuntimeClass::FromName)
struct ClassRegistry {
    std::vector<CRuntimeClass*> classes;
};
ClassRegistry& Registry() {
    static ClassRegistry* r = new ClassRegistry;
    return *r;
}

void FreeThreadState() {
    if (g_tlsIndex == TLS_OUT_OF_INDEXES)
        return;
    auto* state = static_cast<AfxThreadState*>(TlsGetValue(g_tlsIndex));
    if (!state)
        return;
    AfxDeleteTemps(state, -1);
    if (state->hHookCbt)
        UnhookWindowsHookEx(state->hHookCbt);
    delete state;
    TlsSetValue(g_tlsIndex, nullptr);
}

} // namespace

AfxThreadState* AfxGetThreadState() {
    if (g_tlsIndex == TLS_OUT_OF_INDEXES)
        g_tlsIndex = TlsAlloc();
    auto* state = static_cast<AfxThreadState*>(TlsGetValue(g_tlsIndex));
    if (!state) {
        state = new AfxThreadState;
        TlsSetValue(g_tlsIndex, state);
    }
    return state;
}

/////////////////////////////////////////////////////////////////////////////
// Temporary objects

CObject* AfxFindTemp(AfxTempKind kind, void* handle) {
    AfxThreadState* state = AfxGetThreadState();
    for (const AfxTempEntry& e : state->temps)
        if (e.kind == kind && e.handle == handle)
            return e.object;
    return nullptr;
}

void AfxAddTemp(AfxTempKind kind, void* handle, CObject* object) {
    AfxThreadState* state = AfxGetThreadState();
    state->temps.push_back({kind, handle, object, state->tempLockDepth});
}

static void DestroyTemp(const AfxTempEntry& e) {
    // A temporary never owns its handle: clear it so the destructor leaves
    // the handle alone.
    switch (e.kind) {
    case afxTempWnd:
        static_cast<CWnd*>(e.object)->m_hWnd = nullptr;
        break;
    case afxTempDC:
        static_cast<CDC*>(e.object)->m_hDC = nullptr;
        static_cast<CDC*>(e.object)->m_hAttribDC = nullptr;
        break;
    case afxTempGdi:
        static_cast<CGdiObject*>(e.object)->m_hObject = nullptr;
        break;
    case afxTempMenu:
        static_cast<CMenu*>(e.object)->m_hMenu = nullptr;
        break;
    case afxTempImageList:
        static_cast<CImageList*>(e.object)->m_hImageList = nullptr;
        break;
    }
    delete e.object;
}

void AfxDeleteTemps(AfxThreadState* state, int aboveLevel, int kind) {
    // Collect first: a destructor must not see the list half-edited.
    std::vector<AfxTempEntry> doomed;
    auto& temps = state->temps;
    for (size_t i = 0; i < temps.size();) {
        if (temps[i].level > aboveLevel && (kind < 0 || temps[i].kind == kind)) {
            doomed.push_back(temps[i]);
            temps.erase(temps.begin() + i);
        } else {
            ++i;
        }
    }
    for (const AfxTempEntry& e : doomed)
        DestroyTemp(e);
}

void AFXAPI AfxLockTempMaps() {
    ++AfxGetThreadState()->tempLockDepth;
}

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps) {
    AfxThreadState* state = AfxGetThreadState();
    if (state->tempLockDepth > 0)
        --state->tempLockDepth;
    if (bDeleteTemps)
        AfxDeleteTemps(state, state->tempLockDepth);
    return state->tempLockDepth == 0;
}

LONG AFXAPI AfxGetTempObjectCount() {
    return (LONG)AfxGetThreadState()->temps.size();
}
LONG AFXAPI AfxGetLiveGdiObjectCount() {
    return afxLiveGdiObjects.load();
}

LONG AFXAPI AfxGetLiveWindowCount() {
    Locked lock;
    return (LONG)Maps().windows.size();
}

/////////////////////////////////////////////////////////////////////////////
// Permanent maps

void AfxMapWindow(HWND hWnd, CWnd* pWnd) {
    Locked lock;
    Maps().windows[hWnd] = pWnd;
}

void AfxUnmapWindow(HWND hWnd) {
    Locked lock;
    Maps().windows.erase(hWnd);
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
    if (!hWnd)
        return nullptr;
    Locked lock;
    auto it = Maps().windows.find(hWnd);
    return it == Maps().windows.end() ? nullptr : it->second;
}

void AfxMapMenu(HMENU hMenu, CMenu* pMenu) {
    AddHolder(Maps().menus, hMenu, pMenu);
}

void AfxUnmapMenu(HMENU hMenu, CMenu* pMenu) {
    RemoveHolder(Maps().menus, hMenu, pMenu);
}

CMenu* AfxFindPermanentMenu(HMENU hMenu) {
    return LatestHolder(Maps().menus, hMenu);
}

std::vector<CMenu*> AfxMenuHolders(HMENU hMenu) {
    return Holders(Maps().menus, hMenu);
}

CMenu* AfxFindMenuWithItem(UINT nID) {
    Locked lock;
    for (auto& [hMenu, holders] : Maps().menus)
        if (::GetMenuState(hMenu, nID, MF_BYCOMMAND) != (UINT)-1)
            return holders.back();
    return nullptr;
}

void AfxMapImageList(HIMAGELIST hImageList, CImageList* pImageList) {
    AddHolder(Maps().imageLists, hImageList, pImageList);
}

void AfxUnmapImageList(HIMAGELIST hImageList, CImageList* pImageList) {
    RemoveHolder(Maps().imageLists, hImageList, pImageList);
}

CImageList* AfxFindPermanentImageList(HIMAGELIST hImageList) {
    return LatestHolder(Maps().imageLists, hImageList);
}

std::vector<CImageList*> AfxImageListHolders(HIMAGELIST hImageList) {
    return Holders(Maps().imageLists, hImageList);
}

/////////////////////////////////////////////////////////////////////////////
// Null-tolerant accessors

HWND AFXAPI AfxSafeHwnd_(const CWnd* pWnd) {
    return pWnd ? pWnd->m_hWnd : nullptr;
}
HDC AFXAPI AfxSafeHdc_(const CDC* pDC) {
    return pDC ? pDC->m_hDC : nullptr;
}
HGDIOBJ AFXAPI AfxSafeHandle_(const CGdiObject* pObject) {
    return pObject ? pObject->m_hObject : nullptr;
}
HMENU AFXAPI AfxSafeHmenu_(const CMenu* pMenu) {
    return pMenu ? pMenu->m_hMenu : nullptr;
}
HIMAGELIST AFXAPI AfxSafeImageList_(const CImageList* pList) {
    return pList ? pList->m_hImageList : nullptr;
}

/////////////////////////////////////////////////////////////////////////////
// Run-time classes

CRuntimeClass* PASCAL CObject::GetThisClass() {
    static CRuntimeClass rc = {"CObject", (int)sizeof(CObject), 0xFFFF, nullptr, nullptr};
    return &rc;
}

CRuntimeClass* CObject::GetRuntimeClass() const {
    return CObject::GetThisClass();
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* CRuntimeClass::CreateObject() {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* p = this; p; p = p->m_pfnGetBaseClass ? p->m_pfnGetBaseClass() : nullptr) {
        if (p == pBaseClass)
            return TRUE;
        // Classes compiled into several modules compare by name.
        if (pBaseClass && std::strcmp(p->m_lpszClassName, pBaseClass->m_lpszClassName) == 0)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName) {
    for (CRuntimeClass* p : Registry().classes)
        if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    return nullptr;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCWSTR lpszClassName) {
    char name[256];
    if (!WideCharToMultiByte(CP_ACP, 0, lpszClassName, -1, name, sizeof(name), nullptr, nullptr))
        return nullptr;
    return FromName(name);
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) {
    Registry().classes.push_back(pNewClass);
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject) {
    return (pObject && pObject->IsKindOf(pClass)) ? pObject : nullptr;
}

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)

void CException::Delete() {
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) {
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (lpszError && nMaxError)
        *lpszError = 0;
    return FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// DLL entry point

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID lpReserved) {
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        g_tlsIndex = TlsAlloc();
        break;
    case DLL_THREAD_DETACH:
        FreeThreadState();
        break;
    case DLL_PROCESS_DETACH:
        // At process exit other threads are gone and windows die with the
        // process; only a FreeLibrary cleans up this thread's state.
        if (!lpReserved)
            FreeThreadState();
        break;
    }
    return TRUE;
}

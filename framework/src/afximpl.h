// Internal state shared by the framework's source files.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include <vector>
#include <atomic>

// Kinds of temporary wrapper objects.
enum AfxTempKind { afxTempWnd, afxTempDC, afxTempGdi, afxTempMenu, afxTempImageList };

struct AfxTempEntry {
    AfxTempKind kind;
    void* handle;
    CObject* object;
    int level; // lock depth at which it was made
};

// Per-thread state: the message being dispatched (for Default), the
// temporary objects and the window-creation hook.
struct AfxThreadState {
    MSG lastSentMsg = {};
    int tempLockDepth = 0;
    std::vector<AfxTempEntry> temps;
    CWnd* pWndInit = nullptr;
    HHOOK hHookCbt = nullptr;
    int hookNesting = 0;
};

AfxThreadState* AfxGetThreadState();

// Temporary map helpers
CObject* AfxFindTemp(AfxTempKind kind, void* handle);
void AfxAddTemp(AfxTempKind kind, void* handle, CObject* object);
void AfxDeleteTemps(AfxThreadState* state, int aboveLevel, int kind = -1);

// Permanent maps
void AfxMapWindow(HWND hWnd, CWnd* pWnd);
void AfxUnmapWindow(HWND hWnd);
// Windows have one object each. Menus and image lists may be held by several
// wrappers at once; the one attached last is found first, and the handle is
// destroyed with the last holder.
void AfxMapMenu(HMENU hMenu, CMenu* pMenu);
void AfxUnmapMenu(HMENU hMenu, CMenu* pMenu);
CMenu* AfxFindPermanentMenu(HMENU hMenu);
std::vector<CMenu*> AfxMenuHolders(HMENU hMenu);
CMenu* AfxFindMenuWithItem(UINT nID);
void AfxMapImageList(HIMAGELIST hImageList, CImageList* pImageList);
void AfxUnmapImageList(HIMAGELIST hImageList, CImageList* pImageList);
CImageList* AfxFindPermanentImageList(HIMAGELIST hImageList);
std::vector<CImageList*> AfxImageListHolders(HIMAGELIST hImageList);

extern std::atomic<LONG> afxLiveGdiObjects;

// Message maps: the entry for a message along the class chain (after pAfter,
// for _EX handlers that declined), and calling its handler.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID,
                                            const AFX_MSGMAP_ENTRY* pAfter = nullptr);
BOOL AfxDispatchWindowEntry(CWnd* pWnd, const AFX_MSGMAP_ENTRY* e, UINT message, WPARAM wParam, LPARAM lParam,
                            LRESULT* pResult);
BOOL AfxDispatchNotifyEntry(CCmdTarget* pTarget, const AFX_MSGMAP_ENTRY* e, UINT nID, NMHDR* pNMHDR,
                            LRESULT* pResult);
BOOL AfxDispatchCommandEntry(CCmdTarget* pTarget, const AFX_MSGMAP_ENTRY* e, UINT nID);

// Window creation hook (binds the next window created on this thread).
void AfxHookWindowCreate(CWnd* pWnd);
BOOL AfxUnhookWindowCreate();
void AfxEnsureCommonControls();

// Rich edit: loads the library behind a rich edit class name (others are
// left alone); FALSE when the library could not be loaded.
BOOL AfxLoadRichEditForClass(LPCWSTR className);

// Extension modules
struct AfxModuleChain;
HINSTANCE AfxFindStringResourceHandle(UINT nID);
HINSTANCE AfxFindClassModule(LPCTSTR lpszClassName, HINSTANCE hPreferred);
void AfxSocketTerm();

// Sets a control's text only when it differs (no flicker, no needless
// change notifications).
void AfxSetWindowText(HWND hWndCtrl, LPCTSTR lpszNew);

// An owner-drawn control's reflected WM_DRAWITEM: the control paints the
// item itself and its parent answers TRUE.
template <class Control> BOOL AfxDrawReflectedItem(Control& control, LPARAM lParam, LRESULT* pResult) {
    control.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult)
        *pResult = TRUE;
    return TRUE;
}

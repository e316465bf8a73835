// Windows classes of the framework: message maps, CWnd, the GDI wrappers,
// menus, dialogs and data exchange, the standard controls and the
// application object. Each family has its own header below; programs
// include this one, as with MFC.
#pragma once

#include "afx.h"
#include "afxres.h"
#include <commctrl.h>
#include <shellapi.h>

// CWnd::GetNextWindow is a member; the system header's macro of that name would
// hide it.
#ifdef GetNextWindow
#undef GetNextWindow
#endif

class CCmdTarget;
class CWnd;
class CDC;
class CMenu;
class CScrollBar;
class CListBox;
class CGdiObject;
class CPen;
class CBrush;
class CFont;
class CBitmap;
class CRgn;
class CDialog;
class CDataExchange;
class CWinApp;
struct CCreateContext;

typedef void (CCmdTarget::*AFX_PMSG)(void);

// Null-tolerant handle accessors behind GetSafeHwnd and friends: MFC code
// calls them through pointers that may be null.
AFX_CORE_API HWND AFXAPI AfxSafeHwnd_(const CWnd* pWnd);
AFX_CORE_API HDC AFXAPI AfxSafeHdc_(const CDC* pDC);
AFX_CORE_API HGDIOBJ AFXAPI AfxSafeHandle_(const CGdiObject* pObject);
AFX_CORE_API HMENU AFXAPI AfxSafeHmenu_(const CMenu* pMenu);
typedef void (CWnd::*AFX_PMSGW)(void);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // window message
    UINT nCode;    // control or notification code
    UINT nID;      // first control id (0 for window messages)
    UINT nLastID;  // last control id of a range
    UINT_PTR nSig; // AfxSig value, or the address of a registered message id
    AFX_PMSG pfn;  // the handler
};

struct AFX_MSGMAP {
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#include "afxmsg_.h"

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                                     \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                                      \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() {                                                 \
        [[maybe_unused]] typedef theClass ThisClass;                                                         \
        typedef baseClass TheBaseClass;                                                                      \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 }                                                                  \
    }                                                                                                        \
    ;                                                                                                        \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};            \
    return &messageMap;                                                                                      \
    }

/////////////////////////////////////////////////////////////////////////////
// CCmdTarget: the root of every class with a message map

class AFX_CORE_CLASS CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    // Routes a command or notification through the map (nCode is the
    // notification code, CN_COMMAND for menu commands).
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// Bookkeeping for leak tests: GDI objects (and device contexts and image
// lists) owned by framework wrappers, windows bound to CWnd objects, and
// temporary wrapper objects alive on the calling thread.
AFX_CORE_API LONG AFXAPI AfxGetLiveGdiObjectCount();
AFX_CORE_API LONG AFXAPI AfxGetLiveWindowCount();
AFX_CORE_API LONG AFXAPI AfxGetTempObjectCount();

// Temporary objects (FromHandle on a handle no object owns) live until the
// message dispatch or lock scope that made them ends. A message loop locks
// around each message; code outside any message may lock itself.
AFX_CORE_API void AFXAPI AfxLockTempMaps();
AFX_CORE_API BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps = TRUE);

#include "afxgdi_.h"
#include "afxmenu_.h"
#include "afxwnd_.h"
#include "afxdlg_.h"
#include "afxctl_.h"
#include "afxview_.h"
#include "afxapp_.h"

// Message maps: finding an entry along the base-class chain and calling its
// handler with the parameters unpacked as the handler's signature says.
#include "afximpl.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

void CCmdTarget::BeginWaitCursor() {
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}
void CCmdTarget::EndWaitCursor() {
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
}
void CCmdTarget::RestoreWaitCursor() {
    BeginWaitCursor();
}

// Finds the first entry for a message along the chain of maps. Registered
// messages (0xC000 and up) match entries that hold the id's variable.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID,
                                            const AFX_MSGMAP_ENTRY* pAfter) {
    bool skipping = pAfter != nullptr;
    for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e) {
            if (skipping) {
                if (e == pAfter)
                    skipping = false;
                continue;
            }
            if (nMsg >= 0xC000 && nMsg <= 0xFFFF) {
                if (e->nMessage == 0xC000 && *reinterpret_cast<const UINT*>(e->nSig) == nMsg)
                    return e;
                continue;
            }
            if (e->nMessage == nMsg && e->nCode == nCode && nID >= e->nID && nID <= e->nLastID)
                return e;
        }
    }
    return nullptr;
}

union AfxMessageMapFunctions {
    AFX_PMSG pfn;
    void (CWnd::*pfn_vv)();
    BOOL (CWnd::*pfn_bv)();
    LRESULT (CWnd::*pfn_lwl)(WPARAM, LPARAM);
    int (CWnd::*pfn_is)(LPCREATESTRUCT);
    BOOL (CWnd::*pfn_bs)(LPCREATESTRUCT);
    BOOL (CWnd::*pfn_bD)(CDC*);
    BOOL (CWnd::*pfn_bb)(BOOL);
    LRESULT (CWnd::*pfn_lp)(CPoint);
    UINT (CWnd::*pfn_wp)(CPoint);
    void (CWnd::*pfn_vbNC)(BOOL, NCCALCSIZE_PARAMS*);
    void (CWnd::*pfn_vwp)(UINT, CPoint);
    BOOL (CWnd::*pfn_bwsp)(UINT, short, CPoint);
    void (CWnd::*pfn_vwww)(UINT, UINT, UINT);
    void (CWnd::*pfn_vW)(CWnd*);
    void (CWnd::*pfn_vwii)(UINT, int, int);
    void (CWnd::*pfn_vwr)(UINT, LPRECT);
    void (CWnd::*pfn_vii)(int, int);
    void (CWnd::*pfn_vMINMAX)(MINMAXINFO*);
    void (CWnd::*pfn_vTIMER)(UINT_PTR);
    void (CWnd::*pfn_vTIMER32)(UINT);
    HBRUSH (CWnd::*pfn_hDWw)(CDC*, CWnd*, UINT);
    HBRUSH (CWnd::*pfn_hDw)(CDC*, UINT);
    void (CWnd::*pfn_vDRAW)(int, LPDRAWITEMSTRUCT);
    void (CWnd::*pfn_vMEASURE)(int, LPMEASUREITEMSTRUCT);
    void (CWnd::*pfn_vDRAWr)(LPDRAWITEMSTRUCT);
    void (CWnd::*pfn_vMEASUREr)(LPMEASUREITEMSTRUCT);
    void (CWnd::*pfn_vwl)(UINT, LPARAM);
    void (CWnd::*pfn_vwWb)(UINT, CWnd*, BOOL);
    void (CWnd::*pfn_vb)(BOOL);
    void (CWnd::*pfn_vbw)(BOOL, UINT);
    void (CWnd::*pfn_vPOS)(WINDOWPOS*);
    void (CWnd::*pfn_viSS)(int, LPSTYLESTRUCT);
    BOOL (CWnd::*pfn_bWww)(CWnd*, UINT, UINT);
    void (CWnd::*pfn_vwwS)(UINT, UINT, CScrollBar*);
    void (CWnd::*pfn_vww)(UINT, UINT);
    UINT (CWnd::*pfn_wv)();
    void (CWnd::*pfn_vWp)(CWnd*, CPoint);
    int (CWnd::*pfn_iWww)(CWnd*, UINT, UINT);
    void (CWnd::*pfn_vbd)(BOOL, DWORD);
    void (CWnd::*pfn_vMwb)(CMenu*, UINT, BOOL);
    void (CWnd::*pfn_vwwh)(UINT, UINT, HMENU);
    HCURSOR (CWnd::*pfn_hv)();
    void (CWnd::*pfn_vHDROP)(HDROP);
    void (CWnd::*pfn_vw)(UINT);
    BOOL (CWnd::*pfn_bw)(UINT);
    void (CWnd::*pfn_vNMHDRpl)(NMHDR*, LRESULT*);
    BOOL (CWnd::*pfn_bNMHDRpl)(NMHDR*, LRESULT*);
    void (CWnd::*pfn_vwNMHDRpl)(UINT, NMHDR*, LRESULT*);
    BOOL (CWnd::*pfn_bwNMHDRpl)(UINT, NMHDR*, LRESULT*);
    int (CWnd::*pfn_iwLw)(UINT, CListBox*, UINT);
    int (CWnd::*pfn_iis)(int, LPCOMPAREITEMSTRUCT);
    void (CWnd::*pfn_vis)(int, LPDELETEITEMSTRUCT);
    void (CWnd::*pfn_vDw)(CDC*, UINT);
};

// Calls a window-message handler. Returns FALSE when the handler declined
// (a NULL brush from a reflected CtlColor).
BOOL AfxDispatchWindowEntry(CWnd* pWnd, const AFX_MSGMAP_ENTRY* e, UINT message, WPARAM wParam, LPARAM lParam,
                            LRESULT* pResult) {
    AfxMessageMapFunctions mmf;
    mmf.pfn = e->pfn;
    LRESULT lResult = 0;
    UINT_PTR sig = e->nSig;
    if (e->nMessage == 0xC000)
        sig = AfxSig_lwl; // registered message: nSig holds the id's address
    // WM_CTLCOLOR* messages carry the control type in the message number.
    UINT nCtlColor =
        (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ? message - WM_CTLCOLORMSGBOX : 0;
    switch (sig) {
    case AfxSig_vv:
        (pWnd->*mmf.pfn_vv)();
        break;
    case AfxSig_bv:
        lResult = (pWnd->*mmf.pfn_bv)();
        break;
    case AfxSig_lwl:
        lResult = (pWnd->*mmf.pfn_lwl)(wParam, lParam);
        break;
    case AfxSig_is:
        lResult = (pWnd->*mmf.pfn_is)(reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case AfxSig_bs:
        lResult = (pWnd->*mmf.pfn_bs)(reinterpret_cast<LPCREATESTRUCT>(lParam));
        break;
    case AfxSig_bD:
        lResult = (pWnd->*mmf.pfn_bD)(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
        break;
    case AfxSig_bb:
        lResult = (pWnd->*mmf.pfn_bb)((BOOL)wParam);
        break;
    case AfxSig_lp:
        lResult = (pWnd->*mmf.pfn_lp)(CPoint(lParam));
        break;
    case AfxSig_wp:
        lResult = (pWnd->*mmf.pfn_wp)(CPoint(lParam));
        break;
    case AfxSig_vbNC:
        (pWnd->*mmf.pfn_vbNC)((BOOL)wParam, reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
        break;
    case AfxSig_vwp:
        (pWnd->*mmf.pfn_vwp)((UINT)wParam, CPoint(lParam));
        break;
    case AfxSig_bwsp:
        lResult = (pWnd->*mmf.pfn_bwsp)(LOWORD(wParam), (short)HIWORD(wParam), CPoint(lParam));
        break;
    case AfxSig_vwww:
        (pWnd->*mmf.pfn_vwww)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vW:
        (pWnd->*mmf.pfn_vW)(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
        break;
    case AfxSig_vwii:
        (pWnd->*mmf.pfn_vwii)((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vwr:
        (pWnd->*mmf.pfn_vwr)((UINT)wParam, reinterpret_cast<LPRECT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_vii:
        (pWnd->*mmf.pfn_vii)((short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_vMINMAX:
        (pWnd->*mmf.pfn_vMINMAX)(reinterpret_cast<MINMAXINFO*>(lParam));
        break;
    case AfxSig_vTIMER:
        (pWnd->*mmf.pfn_vTIMER)((UINT_PTR)wParam);
        break;
    case AfxSig_vTIMER32:
        (pWnd->*mmf.pfn_vTIMER32)((UINT)wParam);
        break;
    case AfxSig_hDWw:
        lResult = (LRESULT)(pWnd->*mmf.pfn_hDWw)(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
                                                 CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), nCtlColor);
        break;
    case AfxSig_hDw: {
        HBRUSH hbr = (pWnd->*mmf.pfn_hDw)(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), nCtlColor);
        if (!hbr)
            return FALSE; // the parent gets its turn
        lResult = (LRESULT)hbr;
        break;
    }
    case AfxSig_vDRAW:
        (pWnd->*mmf.pfn_vDRAW)((int)wParam, reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_vMEASURE:
        (pWnd->*mmf.pfn_vMEASURE)((int)wParam, reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_vDRAWr:
        (pWnd->*mmf.pfn_vDRAWr)(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_vMEASUREr:
        (pWnd->*mmf.pfn_vMEASUREr)(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_vwl:
        (pWnd->*mmf.pfn_vwl)((UINT)wParam, lParam);
        break;
    case AfxSig_vwWb:
        (pWnd->*mmf.pfn_vwWb)(LOWORD(wParam), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)),
                              HIWORD(wParam));
        break;
    case AfxSig_vb:
        (pWnd->*mmf.pfn_vb)((BOOL)wParam);
        break;
    case AfxSig_vbw:
        (pWnd->*mmf.pfn_vbw)((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_vPOS:
        (pWnd->*mmf.pfn_vPOS)(reinterpret_cast<WINDOWPOS*>(lParam));
        break;
    case AfxSig_viSS:
        (pWnd->*mmf.pfn_viSS)((int)wParam, reinterpret_cast<LPSTYLESTRUCT>(lParam));
        break;
    case AfxSig_bWww:
        lResult = (pWnd->*mmf.pfn_bWww)(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam),
                                        HIWORD(lParam));
        break;
    case AfxSig_vwwS:
        (pWnd->*mmf.pfn_vwwS)(
            LOWORD(wParam), HIWORD(wParam),
            reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))));
        break;
    case AfxSig_vww:
        (pWnd->*mmf.pfn_vww)(LOWORD(wParam), HIWORD(wParam));
        break;
    case AfxSig_wv:
        lResult = (pWnd->*mmf.pfn_wv)();
        break;
    case AfxSig_vWp:
        (pWnd->*mmf.pfn_vWp)(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), CPoint(lParam));
        break;
    case AfxSig_iWww:
        lResult = (pWnd->*mmf.pfn_iWww)(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam),
                                        HIWORD(lParam));
        break;
    case AfxSig_vbd:
        (pWnd->*mmf.pfn_vbd)((BOOL)wParam, (DWORD)lParam);
        break;
    case AfxSig_vMwb:
        (pWnd->*mmf.pfn_vMwb)(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)), LOWORD(lParam),
                              HIWORD(lParam));
        break;
    case AfxSig_vwwh:
        (pWnd->*mmf.pfn_vwwh)(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        break;
    case AfxSig_hv:
        lResult = (LRESULT)(pWnd->*mmf.pfn_hv)();
        break;
    case AfxSig_vHDROP:
        (pWnd->*mmf.pfn_vHDROP)(reinterpret_cast<HDROP>(wParam));
        break;
    case AfxSig_iwLw:
        lResult = (pWnd->*mmf.pfn_iwLw)(
            LOWORD(wParam), reinterpret_cast<CListBox*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))),
            HIWORD(wParam));
        break;
    case AfxSig_iis:
        lResult = (pWnd->*mmf.pfn_iis)((int)wParam, reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case AfxSig_vis:
        (pWnd->*mmf.pfn_vis)((int)wParam, reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case AfxSig_vDw:
        (pWnd->*mmf.pfn_vDw)(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), (UINT)lParam);
        break;
    default:
        return FALSE;
    }
    *pResult = lResult;
    return TRUE;
}

// Calls a command handler (WM_COMMAND entries). Returns whether it handled.
BOOL AfxDispatchCommandEntry(CCmdTarget* pTarget, const AFX_MSGMAP_ENTRY* e, UINT nID) {
    AfxMessageMapFunctions mmf;
    mmf.pfn = e->pfn;
    CWnd* pWnd = static_cast<CWnd*>(pTarget); // same object: CCmdTarget members are called through it
    switch (e->nSig) {
    case AfxSig_vv:
        (pWnd->*mmf.pfn_vv)();
        return TRUE;
    case AfxSig_bv:
        return (pWnd->*mmf.pfn_bv)();
    case AfxSig_vw:
        (pWnd->*mmf.pfn_vw)(nID);
        return TRUE;
    case AfxSig_bw:
        return (pWnd->*mmf.pfn_bw)(nID);
    default:
        return FALSE;
    }
}

// Calls a WM_NOTIFY handler. Returns whether it handled.
BOOL AfxDispatchNotifyEntry(CCmdTarget* pTarget, const AFX_MSGMAP_ENTRY* e, UINT nID, NMHDR* pNMHDR,
                            LRESULT* pResult) {
    AfxMessageMapFunctions mmf;
    mmf.pfn = e->pfn;
    CWnd* pWnd = static_cast<CWnd*>(pTarget);
    switch (e->nSig) {
    case AfxSig_vNMHDRpl:
        (pWnd->*mmf.pfn_vNMHDRpl)(pNMHDR, pResult);
        return TRUE;
    case AfxSig_bNMHDRpl:
        return (pWnd->*mmf.pfn_bNMHDRpl)(pNMHDR, pResult);
    case AfxSig_vwNMHDRpl:
        (pWnd->*mmf.pfn_vwNMHDRpl)(nID, pNMHDR, pResult);
        return TRUE;
    case AfxSig_bwNMHDRpl:
        return (pWnd->*mmf.pfn_bwNMHDRpl)(nID, pNMHDR, pResult);
    default:
        return FALSE;
    }
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void*, void*) {
    // _EX handlers that decline let the search go on down the chain.
    const AFX_MSGMAP_ENTRY* e = nullptr;
    while ((e = AfxFindMessageEntry(GetMessageMap(), WM_COMMAND, (UINT)nCode, nID, e)) != nullptr) {
        if (AfxDispatchCommandEntry(this, e, nID))
            return TRUE;
    }
    return FALSE;
}

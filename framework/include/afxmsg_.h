// Message map entries. Included by <afxwin.h>; not included on its own.
#pragma once

// How a map entry's handler is called: the parameters are unpacked from the
// message as MFC's handler signatures describe.
enum AfxSig : UINT_PTR {
    AfxSig_end = 0,
    AfxSig_vv,        // void ()
    AfxSig_bv,        // BOOL ()
    AfxSig_lwl,       // LRESULT (WPARAM, LPARAM)
    AfxSig_is,        // int (LPCREATESTRUCT)
    AfxSig_bs,        // BOOL (LPCREATESTRUCT)
    AfxSig_bD,        // BOOL (CDC*)
    AfxSig_bb,        // BOOL (BOOL)
    AfxSig_lp,        // LRESULT (CPoint)
    AfxSig_vbNC,      // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_vwp,       // void (UINT, CPoint)
    AfxSig_bwsp,      // BOOL (UINT, short, CPoint)
    AfxSig_vwww,      // void (UINT, UINT, UINT)
    AfxSig_vW,        // void (CWnd*)
    AfxSig_vwii,      // void (UINT, int, int)
    AfxSig_vwr,       // void (UINT, LPRECT)
    AfxSig_vii,       // void (int, int)
    AfxSig_vMINMAX,   // void (MINMAXINFO*)
    AfxSig_vTIMER,    // void (UINT_PTR)
    AfxSig_hDWw,      // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,       // HBRUSH (CDC*, UINT)          reflected WM_CTLCOLOR*
    AfxSig_vDRAW,     // void (int, LPDRAWITEMSTRUCT)
    AfxSig_vMEASURE,  // void (int, LPMEASUREITEMSTRUCT)
    AfxSig_vDRAWr,    // void (LPDRAWITEMSTRUCT)      reflected
    AfxSig_vMEASUREr, // void (LPMEASUREITEMSTRUCT)   reflected
    AfxSig_vwl,       // void (UINT, LPARAM)
    AfxSig_vwWb,      // void (UINT, CWnd*, BOOL)
    AfxSig_vb,        // void (BOOL)
    AfxSig_vbw,       // void (BOOL, UINT)
    AfxSig_vPOS,      // void (WINDOWPOS*)
    AfxSig_viSS,      // void (int, LPSTYLESTRUCT)
    AfxSig_bWww,      // BOOL (CWnd*, UINT, UINT)
    AfxSig_vwwS,      // void (UINT, UINT, CScrollBar*)
    AfxSig_vww,       // void (UINT, UINT)            reflected scrolls
    AfxSig_wv,        // UINT ()
    AfxSig_vWp,       // void (CWnd*, CPoint)
    AfxSig_iWww,      // int (CWnd*, UINT, UINT)
    AfxSig_vbd,       // void (BOOL, DWORD)
    AfxSig_vMwb,      // void (CMenu*, UINT, BOOL)
    AfxSig_vwwh,      // void (UINT, UINT, HMENU)
    AfxSig_hv,        // HCURSOR ()
    AfxSig_vHDROP,    // void (HDROP)
    AfxSig_vw,        // void (UINT)                  command ranges
    AfxSig_bw,        // BOOL (UINT)                  command ranges, _EX
    AfxSig_vNMHDRpl,  // void (NMHDR*, LRESULT*)
    AfxSig_bNMHDRpl,  // BOOL (NMHDR*, LRESULT*)
    AfxSig_vwNMHDRpl, // void (UINT, NMHDR*, LRESULT*)
    AfxSig_bwNMHDRpl, // BOOL (UINT, NMHDR*, LRESULT*)
    AfxSig_iwLw,      // int (UINT, CListBox*, UINT)  WM_CHARTOITEM, WM_VKEYTOITEM
    AfxSig_iis,       // int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_vis,       // void (int, LPDELETEITEMSTRUCT)
    AfxSig_vDw,       // void (CDC*, UINT)            WM_PRINTCLIENT
    AfxSig_vWh,       // void (CWnd*, HANDLE)         unused, reserved
    AfxSig_wp,        // UINT (CPoint)                WM_NCHITTEST, MFC 4.2's form
    AfxSig_vTIMER32,  // void (UINT)                  WM_TIMER, MFC 4.2's form
};

// WM_CTLCOLOR is the single message id that stands for every WM_CTLCOLOR*
// message in a map.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
// Reflected messages are looked up in the child's map as this base plus the
// message.
#define WM_REFLECT_BASE 0xBC00
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

#define AFX_MSG_CALL
#define afx_msg

// Stores a handler of any signature in an entry; the entry's signature code
// says how it is called back. (Member pointers of one class share one size.)
template <class F> inline AFX_PMSG AfxMapFunction(F f) {
    static_assert(sizeof(F) == sizeof(AFX_PMSG), "member function pointer size");
    union {
        F from;
        AFX_PMSG to;
    } u;
    u.from = f;
    return u.to;
}
#define AFX_MAP_FN(type, fn) AfxMapFunction(static_cast<type>(fn))

// Window messages
#define ON_WM_CREATE()                                                                                       \
    {WM_CREATE, 0, 0, 0, AfxSig_is, AFX_MAP_FN(int(CWnd::*)(LPCREATESTRUCT), &ThisClass::OnCreate)},
#define ON_WM_NCCREATE()                                                                                     \
    {WM_NCCREATE, 0, 0, 0, AfxSig_bs, AFX_MAP_FN(BOOL(CWnd::*)(LPCREATESTRUCT), &ThisClass::OnNcCreate)},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, 0, AfxSig_vv, AFX_MAP_FN(void(CWnd::*)(), &ThisClass::OnDestroy)},
#define ON_WM_NCDESTROY()                                                                                    \
    {WM_NCDESTROY, 0, 0, 0, AfxSig_vv, AFX_MAP_FN(void(CWnd::*)(), &ThisClass::OnNcDestroy)},
#define ON_WM_CLOSE() {WM_CLOSE, 0, 0, 0, AfxSig_vv, AFX_MAP_FN(void(CWnd::*)(), &ThisClass::OnClose)},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, 0, AfxSig_vv, AFX_MAP_FN(void(CWnd::*)(), &ThisClass::OnPaint)},
#define ON_WM_NCPAINT() {WM_NCPAINT, 0, 0, 0, AfxSig_vv, AFX_MAP_FN(void(CWnd::*)(), &ThisClass::OnNcPaint)},
#define ON_WM_ERASEBKGND()                                                                                   \
    {WM_ERASEBKGND, 0, 0, 0, AfxSig_bD, AFX_MAP_FN(BOOL(CWnd::*)(CDC*), &ThisClass::OnEraseBkgnd)},
#define ON_WM_PRINTCLIENT()                                                                                  \
    {WM_PRINTCLIENT, 0, 0, 0, AfxSig_vDw, AFX_MAP_FN(void(CWnd::*)(CDC*, UINT), &ThisClass::OnPrintClient)},
#define ON_WM_NCACTIVATE()                                                                                   \
    {WM_NCACTIVATE, 0, 0, 0, AfxSig_bb, AFX_MAP_FN(BOOL(CWnd::*)(BOOL), &ThisClass::OnNcActivate)},
// OnNcHitTest may return LRESULT (later MFC) or UINT (MFC 4.2).
template <class T> inline AFX_MSGMAP_ENTRY AfxNcHitTestEntry(LRESULT (T::*pfn)(CPoint)) {
    return {WM_NCHITTEST, 0, 0, 0, AfxSig_lp, AfxMapFunction(static_cast<LRESULT (CWnd::*)(CPoint)>(pfn))};
}
template <class T> inline AFX_MSGMAP_ENTRY AfxNcHitTestEntry(UINT (T::*pfn)(CPoint)) {
    return {WM_NCHITTEST, 0, 0, 0, AfxSig_wp, AfxMapFunction(static_cast<UINT (CWnd::*)(CPoint)>(pfn))};
}
#define ON_WM_NCHITTEST() AfxNcHitTestEntry(&ThisClass::OnNcHitTest),
#define ON_WM_NCCALCSIZE()                                                                                   \
    {WM_NCCALCSIZE,                                                                                          \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vbNC,                                                                                            \
     AFX_MAP_FN(void(CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), &ThisClass::OnNcCalcSize)},
#define AFX_ON_POINT_MSG_(msg, fn)                                                                           \
    {msg, 0, 0, 0, AfxSig_vwp, AFX_MAP_FN(void(CWnd::*)(UINT, CPoint), &ThisClass::fn)},
#define ON_WM_NCLBUTTONDOWN() AFX_ON_POINT_MSG_(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_ON_POINT_MSG_(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_ON_POINT_MSG_(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_ON_POINT_MSG_(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_ON_POINT_MSG_(WM_NCRBUTTONUP, OnNcRButtonUp)
#define ON_WM_NCMOUSEMOVE() AFX_ON_POINT_MSG_(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_NCMOUSEHOVER() AFX_ON_POINT_MSG_(WM_NCMOUSEHOVER, OnNcMouseHover)
#define ON_WM_NCMOUSELEAVE()                                                                                 \
    {WM_NCMOUSELEAVE, 0, 0, 0, AfxSig_vv, AFX_MAP_FN(void(CWnd::*)(), &ThisClass::OnNcMouseLeave)},
#define ON_WM_MOUSEMOVE() AFX_ON_POINT_MSG_(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_MOUSEHOVER() AFX_ON_POINT_MSG_(WM_MOUSEHOVER, OnMouseHover)
#define ON_WM_MOUSELEAVE()                                                                                   \
    {WM_MOUSELEAVE, 0, 0, 0, AfxSig_vv, AFX_MAP_FN(void(CWnd::*)(), &ThisClass::OnMouseLeave)},
#define ON_WM_LBUTTONDOWN() AFX_ON_POINT_MSG_(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ON_POINT_MSG_(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_ON_POINT_MSG_(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_ON_POINT_MSG_(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_ON_POINT_MSG_(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_ON_POINT_MSG_(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_ON_POINT_MSG_(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_ON_POINT_MSG_(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_ON_POINT_MSG_(WM_MBUTTONDBLCLK, OnMButtonDblClk)
#define ON_WM_MOUSEWHEEL()                                                                                   \
    {WM_MOUSEWHEEL,                                                                                          \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_bwsp,                                                                                            \
     AFX_MAP_FN(BOOL(CWnd::*)(UINT, short, CPoint), &ThisClass::OnMouseWheel)},
#define AFX_ON_KEY_MSG_(msg, fn)                                                                             \
    {msg, 0, 0, 0, AfxSig_vwww, AFX_MAP_FN(void(CWnd::*)(UINT, UINT, UINT), &ThisClass::fn)},
#define ON_WM_KEYDOWN() AFX_ON_KEY_MSG_(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_ON_KEY_MSG_(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_ON_KEY_MSG_(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() AFX_ON_KEY_MSG_(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_ON_KEY_MSG_(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_ON_KEY_MSG_(WM_SYSCHAR, OnSysChar)
#define ON_WM_SETFOCUS()                                                                                     \
    {WM_SETFOCUS, 0, 0, 0, AfxSig_vW, AFX_MAP_FN(void(CWnd::*)(CWnd*), &ThisClass::OnSetFocus)},
#define ON_WM_KILLFOCUS()                                                                                    \
    {WM_KILLFOCUS, 0, 0, 0, AfxSig_vW, AFX_MAP_FN(void(CWnd::*)(CWnd*), &ThisClass::OnKillFocus)},
#define ON_WM_CAPTURECHANGED()                                                                               \
    {WM_CAPTURECHANGED, 0, 0, 0, AfxSig_vW, AFX_MAP_FN(void(CWnd::*)(CWnd*), &ThisClass::OnCaptureChanged)},
#define ON_WM_SIZE()                                                                                         \
    {WM_SIZE, 0, 0, 0, AfxSig_vwii, AFX_MAP_FN(void(CWnd::*)(UINT, int, int), &ThisClass::OnSize)},
#define ON_WM_SIZING()                                                                                       \
    {WM_SIZING, 0, 0, 0, AfxSig_vwr, AFX_MAP_FN(void(CWnd::*)(UINT, LPRECT), &ThisClass::OnSizing)},
#define ON_WM_MOVING()                                                                                       \
    {WM_MOVING, 0, 0, 0, AfxSig_vwr, AFX_MAP_FN(void(CWnd::*)(UINT, LPRECT), &ThisClass::OnMoving)},
#define ON_WM_MOVE() {WM_MOVE, 0, 0, 0, AfxSig_vii, AFX_MAP_FN(void(CWnd::*)(int, int), &ThisClass::OnMove)},
#define ON_WM_GETMINMAXINFO()                                                                                \
    {WM_GETMINMAXINFO,                                                                                       \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vMINMAX,                                                                                         \
     AFX_MAP_FN(void(CWnd::*)(MINMAXINFO*), &ThisClass::OnGetMinMaxInfo)},
// OnTimer may take UINT_PTR (later MFC) or UINT (MFC 4.2).
template <class T> inline AFX_MSGMAP_ENTRY AfxTimerEntry(void (T::*pfn)(UINT_PTR)) {
    return {WM_TIMER, 0, 0, 0, AfxSig_vTIMER, AfxMapFunction(static_cast<void (CWnd::*)(UINT_PTR)>(pfn))};
}
template <class T> inline AFX_MSGMAP_ENTRY AfxTimerEntry(void (T::*pfn)(UINT)) {
    return {WM_TIMER, 0, 0, 0, AfxSig_vTIMER32, AfxMapFunction(static_cast<void (CWnd::*)(UINT)>(pfn))};
}
#define ON_WM_TIMER() AfxTimerEntry(&ThisClass::OnTimer),
#define ON_WM_CTLCOLOR()                                                                                     \
    {WM_CTLCOLOR, 0,           0,                                                                            \
     0,           AfxSig_hDWw, AFX_MAP_FN(HBRUSH(CWnd::*)(CDC*, CWnd*, UINT), &ThisClass::OnCtlColor)},
#define ON_WM_CTLCOLOR_REFLECT()                                                                             \
    {WM_CTLCOLOR + WM_REFLECT_BASE,                                                                          \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_hDw,                                                                                             \
     AFX_MAP_FN(HBRUSH(CWnd::*)(CDC*, UINT), &ThisClass::CtlColor)},
#define ON_WM_DRAWITEM()                                                                                     \
    {WM_DRAWITEM,                                                                                            \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vDRAW,                                                                                           \
     AFX_MAP_FN(void(CWnd::*)(int, LPDRAWITEMSTRUCT), &ThisClass::OnDrawItem)},
#define ON_WM_MEASUREITEM()                                                                                  \
    {WM_MEASUREITEM,                                                                                         \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vMEASURE,                                                                                        \
     AFX_MAP_FN(void(CWnd::*)(int, LPMEASUREITEMSTRUCT), &ThisClass::OnMeasureItem)},
#define ON_WM_DRAWITEM_REFLECT()                                                                             \
    {WM_DRAWITEM + WM_REFLECT_BASE,                                                                          \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vDRAWr,                                                                                          \
     AFX_MAP_FN(void(CWnd::*)(LPDRAWITEMSTRUCT), &ThisClass::DrawItem)},
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
    {WM_MEASUREITEM + WM_REFLECT_BASE,                                                                       \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vMEASUREr,                                                                                       \
     AFX_MAP_FN(void(CWnd::*)(LPMEASUREITEMSTRUCT), &ThisClass::MeasureItem)},
#define ON_WM_COMPAREITEM()                                                                                  \
    {WM_COMPAREITEM,                                                                                         \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_iis,                                                                                             \
     AFX_MAP_FN(int(CWnd::*)(int, LPCOMPAREITEMSTRUCT), &ThisClass::OnCompareItem)},
#define ON_WM_DELETEITEM()                                                                                   \
    {WM_DELETEITEM,                                                                                          \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vis,                                                                                             \
     AFX_MAP_FN(void(CWnd::*)(int, LPDELETEITEMSTRUCT), &ThisClass::OnDeleteItem)},
#define ON_WM_SYSCOMMAND()                                                                                   \
    {WM_SYSCOMMAND, 0, 0, 0, AfxSig_vwl, AFX_MAP_FN(void(CWnd::*)(UINT, LPARAM), &ThisClass::OnSysCommand)},
#define ON_WM_PARENTNOTIFY()                                                                                 \
    {WM_PARENTNOTIFY,                                                                                        \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vwl,                                                                                             \
     AFX_MAP_FN(void(CWnd::*)(UINT, LPARAM), &ThisClass::OnParentNotify)},
#define ON_WM_ACTIVATE()                                                                                     \
    {WM_ACTIVATE, 0, 0, 0, AfxSig_vwWb, AFX_MAP_FN(void(CWnd::*)(UINT, CWnd*, BOOL), &ThisClass::OnActivate)},
#define ON_WM_ACTIVATEAPP()                                                                                  \
    {WM_ACTIVATEAPP, 0, 0, 0, AfxSig_vbd, AFX_MAP_FN(void(CWnd::*)(BOOL, DWORD), &ThisClass::OnActivateApp)},
#define ON_WM_ENABLE() {WM_ENABLE, 0, 0, 0, AfxSig_vb, AFX_MAP_FN(void(CWnd::*)(BOOL), &ThisClass::OnEnable)},
#define ON_WM_ENTERMENULOOP()                                                                                \
    {WM_ENTERMENULOOP, 0, 0, 0, AfxSig_vb, AFX_MAP_FN(void(CWnd::*)(BOOL), &ThisClass::OnEnterMenuLoop)},
#define ON_WM_EXITMENULOOP()                                                                                 \
    {WM_EXITMENULOOP, 0, 0, 0, AfxSig_vb, AFX_MAP_FN(void(CWnd::*)(BOOL), &ThisClass::OnExitMenuLoop)},
#define ON_WM_SHOWWINDOW()                                                                                   \
    {WM_SHOWWINDOW, 0, 0, 0, AfxSig_vbw, AFX_MAP_FN(void(CWnd::*)(BOOL, UINT), &ThisClass::OnShowWindow)},
#define ON_WM_WINDOWPOSCHANGING()                                                                            \
    {WM_WINDOWPOSCHANGING,                                                                                   \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vPOS,                                                                                            \
     AFX_MAP_FN(void(CWnd::*)(WINDOWPOS*), &ThisClass::OnWindowPosChanging)},
#define ON_WM_WINDOWPOSCHANGED()                                                                             \
    {WM_WINDOWPOSCHANGED,                                                                                    \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vPOS,                                                                                            \
     AFX_MAP_FN(void(CWnd::*)(WINDOWPOS*), &ThisClass::OnWindowPosChanged)},
#define ON_WM_STYLECHANGED()                                                                                 \
    {WM_STYLECHANGED,                                                                                        \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_viSS,                                                                                            \
     AFX_MAP_FN(void(CWnd::*)(int, LPSTYLESTRUCT), &ThisClass::OnStyleChanged)},
#define ON_WM_STYLECHANGING()                                                                                \
    {WM_STYLECHANGING,                                                                                       \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_viSS,                                                                                            \
     AFX_MAP_FN(void(CWnd::*)(int, LPSTYLESTRUCT), &ThisClass::OnStyleChanging)},
#define ON_WM_SETCURSOR()                                                                                    \
    {WM_SETCURSOR,                                                                                           \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_bWww,                                                                                            \
     AFX_MAP_FN(BOOL(CWnd::*)(CWnd*, UINT, UINT), &ThisClass::OnSetCursor)},
#define ON_WM_HSCROLL()                                                                                      \
    {WM_HSCROLL, 0,           0,                                                                             \
     0,          AfxSig_vwwS, AFX_MAP_FN(void(CWnd::*)(UINT, UINT, CScrollBar*), &ThisClass::OnHScroll)},
#define ON_WM_VSCROLL()                                                                                      \
    {WM_VSCROLL, 0,           0,                                                                             \
     0,          AfxSig_vwwS, AFX_MAP_FN(void(CWnd::*)(UINT, UINT, CScrollBar*), &ThisClass::OnVScroll)},
#define ON_WM_HSCROLL_REFLECT()                                                                              \
    {WM_HSCROLL + WM_REFLECT_BASE,                                                                           \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vww,                                                                                             \
     AFX_MAP_FN(void(CWnd::*)(UINT, UINT), &ThisClass::HScroll)},
#define ON_WM_VSCROLL_REFLECT()                                                                              \
    {WM_VSCROLL + WM_REFLECT_BASE,                                                                           \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vww,                                                                                             \
     AFX_MAP_FN(void(CWnd::*)(UINT, UINT), &ThisClass::VScroll)},
#define ON_WM_PARENTNOTIFY_REFLECT()                                                                         \
    {WM_PARENTNOTIFY + WM_REFLECT_BASE,                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vwl,                                                                                             \
     AFX_MAP_FN(void(CWnd::*)(UINT, LPARAM), &ThisClass::ParentNotify)},
#define ON_WM_GETDLGCODE()                                                                                   \
    {WM_GETDLGCODE, 0, 0, 0, AfxSig_wv, AFX_MAP_FN(UINT(CWnd::*)(), &ThisClass::OnGetDlgCode)},
#define ON_WM_CONTEXTMENU()                                                                                  \
    {WM_CONTEXTMENU,                                                                                         \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vWp,                                                                                             \
     AFX_MAP_FN(void(CWnd::*)(CWnd*, CPoint), &ThisClass::OnContextMenu)},
#define ON_WM_MOUSEACTIVATE()                                                                                \
    {WM_MOUSEACTIVATE,                                                                                       \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_iWww,                                                                                            \
     AFX_MAP_FN(int(CWnd::*)(CWnd*, UINT, UINT), &ThisClass::OnMouseActivate)},
#define ON_WM_INITMENUPOPUP()                                                                                \
    {WM_INITMENUPOPUP,                                                                                       \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vMwb,                                                                                            \
     AFX_MAP_FN(void(CWnd::*)(CMenu*, UINT, BOOL), &ThisClass::OnInitMenuPopup)},
#define ON_WM_MENUSELECT()                                                                                   \
    {WM_MENUSELECT,                                                                                          \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vwwh,                                                                                            \
     AFX_MAP_FN(void(CWnd::*)(UINT, UINT, HMENU), &ThisClass::OnMenuSelect)},
#define ON_WM_QUERYDRAGICON()                                                                                \
    {WM_QUERYDRAGICON, 0, 0, 0, AfxSig_hv, AFX_MAP_FN(HCURSOR(CWnd::*)(), &ThisClass::OnQueryDragIcon)},
#define ON_WM_DROPFILES()                                                                                    \
    {WM_DROPFILES, 0, 0, 0, AfxSig_vHDROP, AFX_MAP_FN(void(CWnd::*)(HDROP), &ThisClass::OnDropFiles)},
#define ON_WM_CANCELMODE()                                                                                   \
    {WM_CANCELMODE, 0, 0, 0, AfxSig_vv, AFX_MAP_FN(void(CWnd::*)(), &ThisClass::OnCancelMode)},
#define ON_WM_SYSCOLORCHANGE()                                                                               \
    {WM_SYSCOLORCHANGE, 0, 0, 0, AfxSig_vv, AFX_MAP_FN(void(CWnd::*)(), &ThisClass::OnSysColorChange)},
#define ON_WM_CHARTOITEM()                                                                                   \
    {WM_CHARTOITEM,                                                                                          \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_iwLw,                                                                                            \
     AFX_MAP_FN(int(CWnd::*)(UINT, CListBox*, UINT), &ThisClass::OnCharToItem)},
#define ON_WM_VKEYTOITEM()                                                                                   \
    {WM_VKEYTOITEM,                                                                                          \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_iwLw,                                                                                            \
     AFX_MAP_FN(int(CWnd::*)(UINT, CListBox*, UINT), &ThisClass::OnVKeyToItem)},

// User-defined and registered messages: handler LRESULT (WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn)                                                                       \
    {message, 0, 0, 0, AfxSig_lwl, AFX_MAP_FN(LRESULT(CWnd::*)(WPARAM, LPARAM), memberFxn)},
// The entry holds the address of the variable that receives the message id
// from RegisterWindowMessage; the id is read when a message arrives.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                   \
    {0xC000,                                                                                                 \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     (UINT_PTR)(const UINT*)(&(nMessageVariable)),                                                           \
     AFX_MAP_FN(LRESULT(CWnd::*)(WPARAM, LPARAM), memberFxn)},

// Commands and control notifications (WM_COMMAND)
#define ON_COMMAND(id, memberFxn)                                                                            \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_vv, AFX_MAP_FN(void(CCmdTarget::*)(), memberFxn)},
#define ON_COMMAND_EX(id, memberFxn)                                                                         \
    {WM_COMMAND, CN_COMMAND, (UINT)(id),                                                                     \
     (UINT)(id), AfxSig_bw,  AFX_MAP_FN(BOOL(CCmdTarget::*)(UINT), memberFxn)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                              \
    {WM_COMMAND,     CN_COMMAND, (UINT)(id),                                                                 \
     (UINT)(idLast), AfxSig_vw,  AFX_MAP_FN(void(CCmdTarget::*)(UINT), memberFxn)},
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                               \
    {WM_COMMAND, (UINT)(wNotifyCode), (UINT)(id),                                                            \
     (UINT)(id), AfxSig_vv,           AFX_MAP_FN(void(CCmdTarget::*)(), memberFxn)},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                                 \
    {WM_COMMAND,     (UINT)(wNotifyCode), (UINT)(id),                                                        \
     (UINT)(idLast), AfxSig_vw,           AFX_MAP_FN(void(CCmdTarget::*)(UINT), memberFxn)},
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                           \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                           \
     (UINT)(wNotifyCode),                                                                                    \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vv,                                                                                              \
     AFX_MAP_FN(void(CCmdTarget::*)(), memberFxn)},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                        \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                           \
     (UINT)(wNotifyCode),                                                                                    \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_bv,                                                                                              \
     AFX_MAP_FN(BOOL(CCmdTarget::*)(), memberFxn)},

// WM_NOTIFY
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                \
    {WM_NOTIFY,  (UINT)(int)(wNotifyCode), (UINT)(id),                                                       \
     (UINT)(id), AfxSig_vNMHDRpl,          AFX_MAP_FN(void(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                             \
    {WM_NOTIFY,        (UINT)(int)(wNotifyCode),                                                             \
     (UINT)(id),       (UINT)(id),                                                                           \
     AfxSig_bwNMHDRpl, AFX_MAP_FN(BOOL(CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                  \
    {WM_NOTIFY,        (UINT)(int)(wNotifyCode),                                                             \
     (UINT)(id),       (UINT)(idLast),                                                                       \
     AfxSig_vwNMHDRpl, AFX_MAP_FN(void(CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                            \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                            \
     (UINT)(int)(wNotifyCode),                                                                               \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_vNMHDRpl,                                                                                        \
     AFX_MAP_FN(void(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                         \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                            \
     (UINT)(int)(wNotifyCode),                                                                               \
     0,                                                                                                      \
     0,                                                                                                      \
     AfxSig_bNMHDRpl,                                                                                        \
     AFX_MAP_FN(BOOL(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)},

// Button notifications
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
// Edit notifications
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
// Combo box notifications
#define ON_CBN_ERRSPACE(id, memberFxn) ON_CONTROL(CBN_ERRSPACE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
// List box notifications
#define ON_LBN_ERRSPACE(id, memberFxn) ON_CONTROL(LBN_ERRSPACE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
// Static notifications
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
#define ON_STN_ENABLE(id, memberFxn) ON_CONTROL(STN_ENABLE, id, memberFxn)
#define ON_STN_DISABLE(id, memberFxn) ON_CONTROL(STN_DISABLE, id, memberFxn)

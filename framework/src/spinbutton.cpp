// CSpinButtonCtrl: the system's up-down control.
#include "afximpl.h"

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

#define SEND(msg, w, l) ::SendMessageW(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

CSpinButtonCtrl::~CSpinButtonCtrl() {}

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(UPDOWN_CLASSW, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CSpinButtonCtrl::SetAccel(int nAccel, UDACCEL* pAccel) {
    return (BOOL)SEND(UDM_SETACCEL, nAccel, pAccel);
}

UINT CSpinButtonCtrl::GetAccel(int nAccel, UDACCEL* pAccel) const {
    return (UINT)::SendMessageW(m_hWnd, UDM_GETACCEL, (WPARAM)nAccel, (LPARAM)pAccel);
}

int CSpinButtonCtrl::SetBase(int nBase) {
    return (int)SEND(UDM_SETBASE, nBase, 0);
}

UINT CSpinButtonCtrl::GetBase() const {
    return (UINT)::SendMessageW(m_hWnd, UDM_GETBASE, 0, 0);
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy) {
    return CWnd::FromHandle((HWND)SEND(UDM_SETBUDDY, pWndBuddy ? pWndBuddy->GetSafeHwnd() : nullptr, 0));
}

CWnd* CSpinButtonCtrl::GetBuddy() const {
    return CWnd::FromHandle((HWND)::SendMessageW(m_hWnd, UDM_GETBUDDY, 0, 0));
}

int CSpinButtonCtrl::SetPos(int nPos) {
    return (int)(short)LOWORD(SEND(UDM_SETPOS, 0, MAKELPARAM(nPos, 0)));
}

int CSpinButtonCtrl::GetPos() const {
    return (int)::SendMessageW(m_hWnd, UDM_GETPOS, 0, 0);
}

int CSpinButtonCtrl::SetPos32(int nPos) {
    return (int)SEND(UDM_SETPOS32, 0, nPos);
}

int CSpinButtonCtrl::GetPos32(LPBOOL lpbError) const {
    return (int)::SendMessageW(m_hWnd, UDM_GETPOS32, 0, (LPARAM)lpbError);
}

void CSpinButtonCtrl::SetRange(short nLower, short nUpper) {
    SEND(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower));
}

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper) {
    SEND(UDM_SETRANGE32, nLower, nUpper);
}

DWORD CSpinButtonCtrl::GetRange() const {
    return (DWORD)::SendMessageW(m_hWnd, UDM_GETRANGE, 0, 0);
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
    const DWORD range = GetRange();
    lower = (short)HIWORD(range);
    upper = (short)LOWORD(range);
}

void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const {
    ::SendMessageW(m_hWnd, UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper);
}

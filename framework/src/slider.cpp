// CSliderCtrl: the trackbar's messages under MFC's names.
#include "afximpl.h"

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

#define SEND(msg, w, l) ::SendMessageW(m_hWnd, (msg), (WPARAM)(w), (LPARAM)(l))

CSliderCtrl::~CSliderCtrl() {}
BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(TRACKBAR_CLASSW, nullptr, dwStyle, rect, pParentWnd, nID);
}
int CSliderCtrl::GetLineSize() const {
    return (int)SEND(TBM_GETLINESIZE, 0, 0);
}
int CSliderCtrl::SetLineSize(int nSize) {
    return (int)SEND(TBM_SETLINESIZE, 0, nSize);
}
int CSliderCtrl::GetPageSize() const {
    return (int)SEND(TBM_GETPAGESIZE, 0, 0);
}
int CSliderCtrl::SetPageSize(int nSize) {
    return (int)SEND(TBM_SETPAGESIZE, 0, nSize);
}
int CSliderCtrl::GetRangeMax() const {
    return (int)SEND(TBM_GETRANGEMAX, 0, 0);
}
int CSliderCtrl::GetRangeMin() const {
    return (int)SEND(TBM_GETRANGEMIN, 0, 0);
}
void CSliderCtrl::GetRange(int& nMin, int& nMax) const {
    nMin = GetRangeMin();
    nMax = GetRangeMax();
}
void CSliderCtrl::SetRangeMin(int nMin, BOOL bRedraw) {
    SEND(TBM_SETRANGEMIN, bRedraw, nMin);
}
void CSliderCtrl::SetRangeMax(int nMax, BOOL bRedraw) {
    SEND(TBM_SETRANGEMAX, bRedraw, nMax);
}
void CSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw) {
    SetRangeMin(nMin, FALSE);
    SetRangeMax(nMax, bRedraw);
}
void CSliderCtrl::GetSelection(int& nMin, int& nMax) const {
    nMin = (int)SEND(TBM_GETSELSTART, 0, 0);
    nMax = (int)SEND(TBM_GETSELEND, 0, 0);
}
void CSliderCtrl::SetSelection(int nMin, int nMax) {
    SEND(TBM_SETSELSTART, FALSE, nMin);
    SEND(TBM_SETSELEND, TRUE, nMax);
}
void CSliderCtrl::GetChannelRect(LPRECT lprc) const {
    SEND(TBM_GETCHANNELRECT, 0, lprc);
}
void CSliderCtrl::GetThumbRect(LPRECT lprc) const {
    SEND(TBM_GETTHUMBRECT, 0, lprc);
}
int CSliderCtrl::GetPos() const {
    return (int)SEND(TBM_GETPOS, 0, 0);
}
void CSliderCtrl::SetPos(int nPos) {
    SEND(TBM_SETPOS, TRUE, nPos);
}
UINT CSliderCtrl::GetNumTics() const {
    return (UINT)SEND(TBM_GETNUMTICS, 0, 0);
}
DWORD* CSliderCtrl::GetTicArray() const {
    return (DWORD*)SEND(TBM_GETPTICS, 0, 0);
}
int CSliderCtrl::GetTic(int nTic) const {
    return (int)SEND(TBM_GETTIC, nTic, 0);
}
int CSliderCtrl::GetTicPos(int nTic) const {
    return (int)SEND(TBM_GETTICPOS, nTic, 0);
}
BOOL CSliderCtrl::SetTic(int nTic) {
    return (BOOL)SEND(TBM_SETTIC, 0, nTic);
}
void CSliderCtrl::SetTicFreq(int nFreq) {
    SEND(TBM_SETTICFREQ, nFreq, 0);
}
void CSliderCtrl::ClearSel(BOOL bRedraw) {
    SEND(TBM_CLEARSEL, bRedraw, 0);
}
void CSliderCtrl::ClearTics(BOOL bRedraw) {
    SEND(TBM_CLEARTICS, bRedraw, 0);
}
CWnd* CSliderCtrl::GetBuddy(BOOL fLocation) const {
    return CWnd::FromHandle((HWND)SEND(TBM_GETBUDDY, fLocation, 0));
}
CWnd* CSliderCtrl::SetBuddy(CWnd* pWndBuddy, BOOL fLocation) {
    return CWnd::FromHandle((HWND)SEND(TBM_SETBUDDY, fLocation, pWndBuddy->GetSafeHwnd()));
}
CToolTipCtrl* CSliderCtrl::GetToolTips() const {
    return (CToolTipCtrl*)CWnd::FromHandle((HWND)SEND(TBM_GETTOOLTIPS, 0, 0));
}
void CSliderCtrl::SetToolTips(CToolTipCtrl* pWndTip) {
    SEND(TBM_SETTOOLTIPS, pWndTip->GetSafeHwnd(), 0);
}
int CSliderCtrl::SetTipSide(int nLocation) {
    return (int)SEND(TBM_SETTIPSIDE, nLocation, 0);
}
void CSliderCtrl::SetThumbLength(int nLength) {
    SEND(TBM_SETTHUMBLENGTH, nLength, 0);
}
int CSliderCtrl::GetThumbLength() const {
    return (int)SEND(TBM_GETTHUMBLENGTH, 0, 0);
}

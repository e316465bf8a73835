// Documents, views, scroll views, frame windows and document templates.
#include "afximpl.h"

#include <algorithm>
#include <climits>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)
IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CScrollView, CView)
IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)
IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

/////////////////////////////////////////////////////////////////////////////
// CDocument

CDocument::CDocument()
    : m_pDocTemplate(nullptr), m_bModified(FALSE), m_bAutoDelete(TRUE), m_bEmbedded(FALSE) {}

CDocument::~CDocument() {
    // Views that outlive their document forget it rather than keep a
    // dangling pointer.
    for (int i = 0; i < m_nViews; ++i)
        m_views[i]->m_pDocument = nullptr;
    delete[] m_views;
    if (m_pDocTemplate)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCTSTR lpszTitle) {
    m_strTitle = lpszTitle;
    for (int i = 0; i < m_nViews; ++i)
        if (CFrameWnd* pFrame = m_views[i]->GetParentFrame())
            pFrame->OnUpdateFrameTitle(TRUE);
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL) {
    m_strPathName = lpszPathName;
    LPCTSTR name = lpszPathName;
    for (LPCTSTR p = lpszPathName; *p; ++p)
        if (*p == L'\\' || *p == L'/' || *p == L':')
            name = p + 1;
    SetTitle(name);
}

BOOL CDocument::IsModified() {
    return m_bModified;
}
void CDocument::SetModifiedFlag(BOOL bModified) {
    m_bModified = bModified;
}

void CDocument::AddView(CView* pView) {
    if (!pView || pView->m_pDocument == this)
        return;
    if (m_nViews == m_nViewsAlloc) {
        int grown = m_nViewsAlloc ? m_nViewsAlloc * 2 : 4;
        CView** views = new CView*[grown];
        for (int i = 0; i < m_nViews; ++i)
            views[i] = m_views[i];
        delete[] m_views;
        m_views = views;
        m_nViewsAlloc = grown;
    }
    m_views[m_nViews++] = pView;
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView) {
    for (int i = 0; i < m_nViews; ++i) {
        if (m_views[i] != pView)
            continue;
        for (int j = i + 1; j < m_nViews; ++j)
            m_views[j - 1] = m_views[j];
        --m_nViews;
        pView->m_pDocument = nullptr;
        OnChangedViewList();
        return;
    }
}

// A position is the index of the next view plus one.
POSITION CDocument::GetFirstViewPosition() const {
    return m_nViews ? reinterpret_cast<POSITION>(static_cast<INT_PTR>(1)) : nullptr;
}

CView* CDocument::GetNextView(POSITION& rPosition) const {
    INT_PTR index = reinterpret_cast<INT_PTR>(rPosition) - 1;
    if (index < 0 || index >= m_nViews) {
        rPosition = nullptr;
        return nullptr;
    }
    rPosition = index + 1 < m_nViews ? reinterpret_cast<POSITION>(index + 2) : nullptr;
    return m_views[index];
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
    for (int i = 0; i < m_nViews; ++i)
        if (m_views[i] != pSender)
            m_views[i]->OnUpdate(pSender, lHint, pHint);
}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR) {
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument() {
    // Closing destroys the views' frames; the last view going must not close
    // the document a second time from inside this call.
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (m_nViews > 0) {
        int before = m_nViews;
        CView* pView = m_views[0];
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame)
            pFrame->DestroyWindow();
        else
            pView->DestroyWindow();
        if (m_nViews == before)
            RemoveView(pView); // a view whose window was already gone
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::DeleteContents() {}

void CDocument::OnChangedViewList() {
    if (m_nViews == 0 && m_bAutoDelete)
        OnCloseDocument();
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

/////////////////////////////////////////////////////////////////////////////
// CView

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_MOUSEACTIVATE()
ON_MESSAGE(WM_INITIALUPDATE, &CView::OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::CView() : m_pDocument(nullptr) {}

CView::~CView() {
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

CFrameWnd* CView::GetParentFrame() const {
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd; hWnd = ::GetParent(hWnd))
        if (auto* pFrame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hWnd)))
            return pFrame;
    return nullptr;
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    // A border becomes the sunken client edge.
    if (cs.style & WS_BORDER) {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        cs.style &= ~WS_BORDER;
    }
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpcs) {
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    auto* pContext = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    if (pContext && pContext->m_pCurrentDoc)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy() {
    if (CFrameWnd* pFrame = GetParentFrame())
        if (pFrame->m_pViewActive == this)
            pFrame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy() {
    delete this;
}

void CView::OnPaint() {
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    if (CFrameWnd* pFrame = GetParentFrame()) {
        if (pFrame->GetActiveView() != this)
            pFrame->SetActiveView(this);
        else
            SetFocus();
    }
    return nResult;
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM) {
    OnInitialUpdate();
    return 0;
}

// A view answers a command first, then its document (and the document's
// template); the frame and the application come after (CFrameWnd::OnCmdMsg).
BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CView::OnInitialUpdate() {
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*) {
    Invalidate(TRUE);
}

void CView::OnPrepareDC(CDC*, CPrintInfo*) {}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*) {
    // The focus follows the active view while its frame is the active window.
    if (bActivate && pActivateView == this && ::GetActiveWindow() == ::GetAncestor(m_hWnd, GA_ROOT))
        SetFocus();
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

/////////////////////////////////////////////////////////////////////////////
// CScrollView

const SIZE CScrollView::sizeDefault = {0, 0};

BEGIN_MESSAGE_MAP(CScrollView, CView)
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CScrollView::CScrollView()
    : m_nMapMode(MM_TEXT), m_totalLog(0, 0), m_totalDev(0, 0), m_pageDev(0, 0), m_lineDev(0, 0),
      m_bInsideUpdate(FALSE) {}

CScrollView::~CScrollView() {}

// Logical size to device pixels for a mapping mode, through a screen DC.
static CSize LogicalToDevice(int nMapMode, SIZE size) {
    if (nMapMode == MM_TEXT)
        return CSize(size);
    HDC hdc = ::GetDC(nullptr);
    ::SetMapMode(hdc, nMapMode);
    POINT pts[2] = {{0, 0}, {size.cx, size.cy}};
    ::LPtoDP(hdc, pts, 2);
    ::ReleaseDC(nullptr, hdc);
    return CSize(abs(pts[1].x - pts[0].x), abs(pts[1].y - pts[0].y));
}

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine) {
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_totalDev = LogicalToDevice(nMapMode, sizeTotal);
    m_pageDev = LogicalToDevice(nMapMode, sizePage);
    m_lineDev = LogicalToDevice(nMapMode, sizeLine);
    // Defaults: a page is a tenth of the whole, a line a tenth of a page.
    if (m_pageDev.cx == 0)
        m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0)
        m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0)
        m_lineDev.cy = m_pageDev.cy / 10;
    if (m_hWnd) {
        UpdateBars();
        Invalidate(TRUE);
    }
}

CSize CScrollView::GetTotalSize() const {
    return m_totalLog;
}

CPoint CScrollView::GetDeviceScrollPosition() const {
    return CPoint(::GetScrollPos(m_hWnd, SB_HORZ), ::GetScrollPos(m_hWnd, SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const {
    CPoint pt = GetDeviceScrollPosition();
    if (m_nMapMode != MM_TEXT) {
        HDC hdc = ::GetDC(nullptr);
        ::SetMapMode(hdc, m_nMapMode);
        ::DPtoLP(hdc, &pt, 1);
        ::ReleaseDC(nullptr, hdc);
    }
    return pt;
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const {
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

void CScrollView::ScrollToPosition(POINT pt) {
    if (m_nMapMode != MM_TEXT) {
        HDC hdc = ::GetDC(nullptr);
        ::SetMapMode(hdc, m_nMapMode);
        ::LPtoDP(hdc, &pt, 1);
        ::ReleaseDC(nullptr, hdc);
        pt.x = abs(pt.x);
        pt.y = abs(pt.y);
    }
    ScrollToDevicePosition(pt);
}

void CScrollView::ScrollToDevicePosition(POINT ptDev) {
    CPoint old = GetDeviceScrollPosition();
    ::SetScrollPos(m_hWnd, SB_HORZ, ptDev.x, TRUE);
    ::SetScrollPos(m_hWnd, SB_VERT, ptDev.y, TRUE);
    CPoint now = GetDeviceScrollPosition();
    if (now != old)
        ScrollWindow(old.x - now.x, old.y - now.y);
}

void CScrollView::FillOutsideRect(CDC* pDC, CBrush* pBrush) {
    CRect client;
    GetClientRect(&client);
    CPoint pos = GetDeviceScrollPosition();
    CRect right(m_totalDev.cx - pos.x, 0, client.right, client.bottom);
    CRect below(0, m_totalDev.cy - pos.y, client.right, client.bottom);
    // The DC may have the scroll offset applied: fill in device pixels.
    int saved = pDC->SaveDC();
    pDC->SetMapMode(MM_TEXT);
    pDC->SetViewportOrg(0, 0);
    if (!right.IsRectEmpty())
        pDC->FillRect(&right, pBrush);
    if (!below.IsRectEmpty())
        pDC->FillRect(&below, pBrush);
    pDC->RestoreDC(saved);
}

void CScrollView::ResizeParentToFit(BOOL bShrinkOnly) {
    CFrameWnd* pFrame = GetParentFrame();
    if (!pFrame)
        return;
    CRect view;
    GetWindowRect(&view);
    CRect client;
    GetClientRect(&client);
    CSize extra(view.Width() - client.Width(), view.Height() - client.Height());
    CRect frame;
    pFrame->GetWindowRect(&frame);
    CRect frameClient;
    pFrame->GetClientRect(&frameClient);
    int cx = m_totalDev.cx + extra.cx + frame.Width() - frameClient.Width();
    int cy = m_totalDev.cy + extra.cy + frame.Height() - frameClient.Height();
    if (bShrinkOnly) {
        cx = std::min(cx, frame.Width());
        cy = std::min(cy, frame.Height());
    }
    pFrame->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    pDC->SetMapMode(m_nMapMode);
    CPoint pos = GetDeviceScrollPosition();
    pDC->SetViewportOrg(-pos.x, -pos.y);
    CView::OnPrepareDC(pDC, pInfo);
}

// Gives each bar the whole size and the visible part as its page; the system
// hides a bar whose page covers everything, which changes the client size,
// so this runs until the client size stays put. WM_SIZE from inside is
// ignored (no re-entry).
void CScrollView::UpdateBars() {
    if (m_bInsideUpdate || !m_hWnd)
        return;
    m_bInsideUpdate = TRUE;
    CPoint old = GetDeviceScrollPosition();
    for (int round = 0; round < 3; ++round) {
        CRect client;
        GetClientRect(&client);
        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        si.fMask = SIF_PAGE | SIF_RANGE;
        si.nMin = 0;
        si.nMax = std::max(0, (int)m_totalDev.cx - 1);
        si.nPage = (UINT)std::max(0, (int)client.Width());
        ::SetScrollInfo(m_hWnd, SB_HORZ, &si, TRUE);
        si.nMax = std::max(0, (int)m_totalDev.cy - 1);
        si.nPage = (UINT)std::max(0, (int)client.Height());
        ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
        CRect after;
        GetClientRect(&after);
        if (after == client)
            break;
    }
    CPoint now = GetDeviceScrollPosition();
    if (now != old)
        ScrollWindow(old.x - now.x, old.y - now.y);
    m_bInsideUpdate = FALSE;
}

void CScrollView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

int CScrollView::GetThumbTrackPos(int nBar, UINT) {
    // The message carries 16 bits; the bar keeps the whole position.
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_TRACKPOS;
    ::GetScrollInfo(m_hWnd, nBar, &si);
    return si.nTrackPos;
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (pScrollBar)
        return; // a scroll bar control of the view's own, not the view's bar
    if (nSBCode == SB_THUMBTRACK || nSBCode == SB_THUMBPOSITION)
        nPos = (UINT)GetThumbTrackPos(SB_HORZ, nPos);
    OnScroll(MAKEWORD(nSBCode, 0xff), nPos);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (pScrollBar)
        return;
    if (nSBCode == SB_THUMBTRACK || nSBCode == SB_THUMBPOSITION)
        nPos = (UINT)GetThumbTrackPos(SB_VERT, nPos);
    OnScroll(MAKEWORD(0xff, nSBCode), nPos);
}

// Low byte: the horizontal code, high byte: the vertical one (0xff: none).
BOOL CScrollView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll) {
    CPoint orig = GetDeviceScrollPosition();
    auto step = [&](BYTE code, LONG current, LONG page, LONG line) -> LONG {
        switch (code) {
        case SB_TOP:
            return 0;
        case SB_BOTTOM:
            return LONG_MAX / 2;
        case SB_LINEUP:
            return current - line;
        case SB_LINEDOWN:
            return current + line;
        case SB_PAGEUP:
            return current - page;
        case SB_PAGEDOWN:
            return current + page;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            return (LONG)(int)nPos;
        default:
            return current;
        }
    };
    LONG x = step(LOBYTE(nScrollCode), orig.x, m_pageDev.cx, m_lineDev.cx);
    LONG y = step(HIBYTE(nScrollCode), orig.y, m_pageDev.cy, m_lineDev.cy);
    return OnScrollBy(CSize(x - orig.x, y - orig.y), bDoScroll);
}

// The largest position of a bar: its maximum less the page, never below 0.
static int ScrollLimit(HWND hWnd, int nBar) {
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE;
    if (!::GetScrollInfo(hWnd, nBar, &si))
        return 0;
    int limit = si.nMax - (si.nPage ? (int)si.nPage - 1 : 0);
    return limit > si.nMin ? limit : si.nMin;
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll) {
    DWORD style = GetStyle();
    CPoint orig = GetDeviceScrollPosition();
    auto clamp = [&](int nBar, LONG current, LONG delta) -> LONG {
        int limit = ScrollLimit(m_hWnd, nBar);
        LONG target = current + delta;
        return target < 0 ? 0 : (target > limit ? limit : target);
    };
    LONG x = (style & WS_HSCROLL) ? clamp(SB_HORZ, orig.x, sizeScroll.cx) : orig.x;
    LONG y = (style & WS_VSCROLL) ? clamp(SB_VERT, orig.y, sizeScroll.cy) : orig.y;
    if (x == orig.x && y == orig.y)
        return FALSE;
    if (bDoScroll) {
        ScrollWindow(-(int)(x - orig.x), -(int)(y - orig.y));
        if (x != orig.x)
            ::SetScrollPos(m_hWnd, SB_HORZ, (int)x, TRUE);
        if (y != orig.y)
            ::SetScrollPos(m_hWnd, SB_VERT, (int)y, TRUE);
    }
    return TRUE;
}

BOOL CScrollView::OnMouseWheel(UINT, short zDelta, CPoint) {
    DWORD style = GetStyle();
    if (!(style & (WS_VSCROLL | WS_HSCROLL)))
        return FALSE;
    UINT lines = 3;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    bool vertical = (style & WS_VSCROLL) != 0;
    LONG page = vertical ? m_pageDev.cy : m_pageDev.cx;
    LONG line = vertical ? m_lineDev.cy : m_lineDev.cx;
    LONG amount = lines == WHEEL_PAGESCROLL ? ::MulDiv(-zDelta, page, WHEEL_DELTA)
                                            : ::MulDiv(-zDelta, (int)lines, WHEEL_DELTA) * line;
    return OnScrollBy(vertical ? CSize(0, amount) : CSize(amount, 0));
}

/////////////////////////////////////////////////////////////////////////////
// CFrameWnd

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_CLOSE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() : m_pViewActive(nullptr), m_nIDHelp(0), m_hMenuDefault(nullptr) {}

CFrameWnd::~CFrameWnd() {
    if (m_hMenuDefault && !::IsMenu(m_hMenuDefault))
        m_hMenuDefault = nullptr;
    if (m_hMenuDefault)
        ::DestroyMenu(m_hMenuDefault);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    cs.style &= ~FWS_ADDTOTITLE; // the framework's flag, not the system's
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext) {
    HMENU hMenu = nullptr;
    if (lpszMenuName) {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, RT_MENU);
        hMenu = ::LoadMenuW(hInst, lpszMenuName);
        if (!hMenu)
            return FALSE;
    }
    m_strTitle = lpszWindowName ? lpszWindowName : L"";
    int x = rect.left, y = rect.top, cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (CRect(rect) == rectDefault)
        x = y = cx = cy = CW_USEDEFAULT;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy, pParentWnd->GetSafeHwnd(),
                  hMenu, pContext)) {
        // On failure the object may already be gone (PostNcDestroy).
        if (hMenu)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    m_hMenuDefault = hMenu;
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext) {
    m_nIDHelp = nIDResource;
    WCHAR text[256] = L"";
    AfxLoadString(nIDResource, text, 256);
    // The title is the part before the first newline.
    for (WCHAR* p = text; *p; ++p)
        if (*p == L'\n') {
            *p = 0;
            break;
        }
    LPCTSTR menu = MAKEINTRESOURCEW(nIDResource);
    HINSTANCE hInst = AfxFindResourceHandle(menu, RT_MENU);
    if (!::FindResourceW(hInst, menu, RT_MENU))
        menu = nullptr;
    return Create(nullptr, text, dwDefaultStyle, rectDefault, pParentWnd, menu, 0, pContext);
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs) {
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    auto* pContext = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    return OnCreateClient(lpcs, pContext) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    if (pContext && pContext->m_pNewViewClass)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    if (!pContext || !pContext->m_pNewViewClass)
        return nullptr;
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    auto* pView = dynamic_cast<CWnd*>(pObject);
    if (!pView) {
        delete pObject;
        return nullptr;
    }
    // A view that fails to be made deletes itself (PostNcDestroy).
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext))
        return nullptr;
    RecalcLayout();
    return pView;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    m_pViewActive = pViewNew;
    if (!bNotify)
        return;
    if (pViewOld)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    if (pViewNew)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

CDocument* CFrameWnd::GetActiveDocument() {
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
    CView* pView = m_pViewActive;
    if (!pView)
        pView = dynamic_cast<CView*>(GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
    if (bMakeVisible) {
        // Every view of the frame gets its initial update before it shows.
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    }
    if (pView)
        SetActiveView(pView, FALSE);
    if (pDoc || GetActiveDocument())
        OnUpdateFrameTitle(TRUE);
    if (bMakeVisible) {
        ShowWindow(SW_SHOW);
        UpdateWindow();
        if (pView)
            pView->OnActivateView(TRUE, pView, pView);
    }
}

void CFrameWnd::RecalcLayout(BOOL) {
    CWnd* pPane = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
    if (!pPane || pPane->GetParent() != this)
        return;
    CRect client;
    GetClientRect(&client);
    pPane->SetWindowPos(nullptr, 0, 0, client.Width(), client.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    CDocument* pDoc = GetActiveDocument();
    if (!bAddToTitle || !pDoc) {
        SetWindowText(m_strTitle);
        return;
    }
    CString title = pDoc->GetTitle();
    if (!m_strTitle.IsEmpty()) {
        title += L" - ";
        title += m_strTitle;
    }
    SetWindowText(title);
}

// Commands go to the active view (which passes them to its document), then
// to the frame itself, then to the application.
BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) {
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    return CWnd::PreTranslateMessage(pMsg);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd) {
    if (m_pViewActive && m_pViewActive->GetSafeHwnd())
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnClose() {
    // Closing the frame of a document's only views closes the document, which
    // destroys the frame; otherwise only the frame goes.
    CDocument* pDoc = GetActiveDocument();
    if (pDoc) {
        bool onlyFrame = true;
        POSITION pos = pDoc->GetFirstViewPosition();
        while (pos)
            if (CView* pView = pDoc->GetNextView(pos))
                if (pView->GetParentFrame() != this)
                    onlyFrame = false;
        if (onlyFrame) {
            pDoc->OnCloseDocument();
            return;
        }
    }
    DestroyWindow();
}

void CFrameWnd::OnDestroy() {
    m_pViewActive = nullptr;
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy() {
    delete this;
}

/////////////////////////////////////////////////////////////////////////////
// Document templates

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass),
      m_pNextTemplate(nullptr) {}

CDocTemplate::~CDocTemplate() {}

void CDocTemplate::AddDocument(CDocument* pDoc) {
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc) {
    pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument() {
    if (!m_pDocClass)
        return nullptr;
    CObject* pObject = m_pDocClass->CreateObject();
    auto* pDoc = dynamic_cast<CDocument*>(pObject);
    if (!pDoc) {
        delete pObject;
        return nullptr;
    }
    AddDocument(pDoc);
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    if (!m_pFrameClass)
        return nullptr;
    CObject* pObject = m_pFrameClass->CreateObject();
    auto* pFrame = dynamic_cast<CFrameWnd*>(pObject);
    if (!pFrame) {
        delete pObject;
        return nullptr;
    }
    // A frame that fails to be made deletes itself (PostNcDestroy).
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible) {
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

void CDocTemplate::CloseAllDocuments(BOOL) {
    POSITION pos = GetFirstDocPosition();
    while (pos) {
        CDocument* pDoc = GetNextDoc(pos);
        if (pDoc)
            pDoc->OnCloseDocument();
        pos = GetFirstDocPosition();
    }
}

void CDocTemplate::SetDefaultTitle(CDocument* pDocument) {
    pDocument->SetTitle(L"Untitled");
}

CSingleDocTemplate::CSingleDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                       CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_pOnlyDoc(nullptr) {}

CSingleDocTemplate::~CSingleDocTemplate() {
    if (m_pOnlyDoc)
        m_pOnlyDoc->OnCloseDocument();
    if (m_pOnlyDoc) // a document that does not delete itself
        m_pOnlyDoc->m_pDocTemplate = nullptr;
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const {
    return m_pOnlyDoc ? reinterpret_cast<POSITION>(m_pOnlyDoc) : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const {
    CDocument* pDoc = rPos == reinterpret_cast<POSITION>(m_pOnlyDoc) ? m_pOnlyDoc : nullptr;
    rPos = nullptr;
    return pDoc;
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc) {
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc) {
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

// The one document is reused with its frame and views: only its contents
// start again.
CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible) {
    CDocument* pDoc = m_pOnlyDoc;
    CFrameWnd* pFrame = nullptr;
    bool created = false;
    if (pDoc) {
        POSITION pos = pDoc->GetFirstViewPosition();
        if (CView* pView = pos ? pDoc->GetNextView(pos) : nullptr)
            pFrame = pView->GetParentFrame();
    } else {
        pDoc = CreateNewDocument();
        if (!pDoc)
            return nullptr;
        created = true;
    }
    if (!pFrame) {
        pFrame = CreateNewFrame(pDoc, nullptr);
        if (!pFrame) {
            if (created) {
                pDoc->m_bAutoDelete = FALSE;
                RemoveDocument(pDoc);
                delete pDoc;
            }
            return nullptr;
        }
    }
    BOOL opened;
    if (lpszPathName) {
        opened = pDoc->OnOpenDocument(lpszPathName);
        if (opened)
            pDoc->SetPathName(lpszPathName);
    } else {
        SetDefaultTitle(pDoc);
        opened = pDoc->OnNewDocument();
    }
    if (!opened) {
        if (created) {
            // The frame goes, and with its views the new document.
            pFrame->DestroyWindow();
        }
        return nullptr;
    }
    InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    CWinApp* pApp = AfxGetApp();
    if (pApp && !pApp->m_pMainWnd)
        pApp->m_pMainWnd = pFrame;
    return pDoc;
}

/////////////////////////////////////////////////////////////////////////////
// The application's templates

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
    if (!pTemplate)
        return;
    CDocTemplate** link = &m_pFirstTemplate;
    while (*link)
        link = &(*link)->m_pNextTemplate;
    *link = pTemplate;
}

POSITION CWinApp::GetFirstDocTemplatePosition() const {
    return reinterpret_cast<POSITION>(m_pFirstTemplate);
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const {
    auto* pTemplate = reinterpret_cast<CDocTemplate*>(pos);
    pos = pTemplate ? reinterpret_cast<POSITION>(pTemplate->m_pNextTemplate) : nullptr;
    return pTemplate;
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName) {
    return m_pFirstTemplate ? m_pFirstTemplate->OpenDocumentFile(lpszFileName) : nullptr;
}

void CWinApp::OnFileNew() {
    if (m_pFirstTemplate)
        m_pFirstTemplate->OpenDocumentFile(nullptr);
}

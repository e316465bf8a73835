// GDI wrappers: owning objects delete their handles; temporaries never do.
// Every handle an owning wrapper holds is counted for leak tests.
#include "afximpl.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

/////////////////////////////////////////////////////////////////////////////
// CGdiObject

CGdiObject::~CGdiObject() {
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) {
    if (!hObject)
        return nullptr;
    if (CObject* pTemp = AfxFindTemp(afxTempGdi, hObject))
        return static_cast<CGdiObject*>(pTemp);
    CGdiObject* p;
    switch (::GetObjectType(hObject)) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        p = new CPen;
        break;
    case OBJ_BRUSH:
        p = new CBrush;
        break;
    case OBJ_FONT:
        p = new CFont;
        break;
    case OBJ_BITMAP:
        p = new CBitmap;
        break;
    case OBJ_REGION:
        p = new CRgn;
        break;
    default:
        p = new CGdiObject;
        break;
    }
    p->m_bTemp = TRUE;
    p->m_hObject = hObject;
    AfxAddTemp(afxTempGdi, hObject, p);
    return p;
}

void PASCAL CGdiObject::DeleteTempMap() {
    AfxDeleteTemps(AfxGetThreadState(), AfxGetThreadState()->tempLockDepth - 1, afxTempGdi);
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (!hObject)
        return FALSE;
    if (m_hObject)
        DeleteObject();
    m_hObject = hObject;
    if (!m_bTemp)
        ++afxLiveGdiObjects;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ h = m_hObject;
    if (h && !m_bTemp)
        --afxLiveGdiObjects;
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    if (m_bTemp) {
        m_hObject = nullptr; // a borrowed handle is never deleted
        return FALSE;
    }
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
    return ::GetObjectW(m_hObject, nCount, lpObject);
}
UINT CGdiObject::GetObjectType() const {
    return ::GetObjectType(m_hObject);
}
BOOL CGdiObject::CreateStockObject(int nIndex) {
    return Attach(::GetStockObject(nIndex));
}
BOOL CGdiObject::UnrealizeObject() {
    return ::UnrealizeObject(m_hObject);
}

/////////////////////////////////////////////////////////////////////////////
// Pens, brushes, fonts, bitmaps, regions

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) {
    CreatePen(nPenStyle, nWidth, crColor);
}
CPen::CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle) {
    CreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle);
}
BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}
BOOL CPen::CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount,
                     const DWORD* lpStyle) {
    return Attach(::ExtCreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle));
}
BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen) {
    return Attach(::CreatePenIndirect(lpLogPen));
}

CBrush::CBrush(COLORREF crColor) {
    CreateSolidBrush(crColor);
}
CBrush::CBrush(int nIndex, COLORREF crColor) {
    CreateHatchBrush(nIndex, crColor);
}
CBrush::CBrush(CBitmap* pBitmap) {
    CreatePatternBrush(pBitmap);
}
BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    return Attach(::CreateSolidBrush(crColor));
}
BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) {
    return Attach(::CreateHatchBrush(nIndex, crColor));
}
BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush) {
    return Attach(::CreateBrushIndirect(lpLogBrush));
}
BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
    return Attach(::CreatePatternBrush((HBITMAP)pBitmap->GetSafeHandle()));
}
// An owned copy of the system colour: the system's own brush is never handed to an owner.
BOOL CBrush::CreateSysColorBrush(int nIndex) {
    return CreateSolidBrush(::GetSysColor(nIndex));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
    return Attach(::CreateFontIndirectW(lpLogFont));
}
BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision,
                       BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename) {
    return Attach(::CreateFontW(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                                cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality,
                                nPitchAndFamily, lpszFacename));
}
BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC) {
    LOGFONT lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = nPointSize;
    lstrcpynW(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&lf, pDC);
}
BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC) {
    HDC hDC = pDC ? pDC->m_hAttribDC : ::GetDC(nullptr);
    LOGFONT lf = *lpLogFont;
    // lfHeight holds tenths of a point: convert to device units.
    POINT pt = {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lf.lfHeight, 720)};
    ::DPtoLP(hDC, &pt, 1);
    POINT ptOrg = {0, 0};
    ::DPtoLP(hDC, &ptOrg, 1);
    lf.lfHeight = -abs(pt.y - ptOrg.y);
    if (!pDC)
        ::ReleaseDC(nullptr, hDC);
    return CreateFontIndirect(&lf);
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName) {
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    return Attach(::LoadBitmapW(hInst, lpszResourceName));
}
BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    return LoadBitmap(MAKEINTRESOURCEW(nIDResource));
}
BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap) {
    return Attach(::LoadBitmapW(nullptr, MAKEINTRESOURCEW(nIDBitmap)));
}
BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits) {
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}
BOOL CBitmap::CreateBitmapIndirect(LPBITMAP lpBitmap) {
    return Attach(::CreateBitmapIndirect(lpBitmap));
}
BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}
BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight) {
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}
DWORD CBitmap::SetBitmapBits(DWORD dwCount, const void* lpBits) {
    return ::SetBitmapBits((HBITMAP)m_hObject, dwCount, lpBits);
}
DWORD CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const {
    return ::GetBitmapBits((HBITMAP)m_hObject, dwCount, lpBits);
}
CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight) {
    SIZE size = {0, 0};
    ::SetBitmapDimensionEx((HBITMAP)m_hObject, nWidth, nHeight, &size);
    return size;
}
CSize CBitmap::GetBitmapDimension() const {
    SIZE size = {0, 0};
    ::GetBitmapDimensionEx((HBITMAP)m_hObject, &size);
    return size;
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) {
    return Attach(::CreateRectRgn(x1, y1, x2, y2));
}
BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect) {
    return Attach(::CreateRectRgnIndirect(lpRect));
}
BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2) {
    return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
}
BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT lpRect) {
    return Attach(::CreateEllipticRgnIndirect(lpRect));
}
BOOL CRgn::CreatePolygonRgn(LPPOINT lpPoints, int nCount, int nMode) {
    return Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
}
BOOL CRgn::CreatePolyPolygonRgn(LPPOINT lpPoints, LPINT lpPolyCounts, int nCount, int nPolyFillMode) {
    return Attach(::CreatePolyPolygonRgn(lpPoints, lpPolyCounts, nCount, nPolyFillMode));
}
BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3) {
    return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}
BOOL CRgn::CreateFromPath(CDC* pDC) {
    return Attach(::PathToRegion(pDC->m_hDC));
}
BOOL CRgn::CreateFromData(const XFORM* lpXForm, int nCount, const RGNDATA* pRgnData) {
    return Attach(::ExtCreateRegion(lpXForm, nCount, pRgnData));
}
void CRgn::SetRectRgn(int x1, int y1, int x2, int y2) {
    ::SetRectRgn((HRGN)m_hObject, x1, y1, x2, y2);
}
void CRgn::SetRectRgn(LPCRECT lpRect) {
    ::SetRectRgn((HRGN)m_hObject, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
    return ::CombineRgn((HRGN)m_hObject, (HRGN)pRgn1->GetSafeHandle(), (HRGN)pRgn2->GetSafeHandle(),
                        nCombineMode);
}
int CRgn::CopyRgn(const CRgn* pRgnSrc) {
    return ::CombineRgn((HRGN)m_hObject, (HRGN)pRgnSrc->GetSafeHandle(), nullptr, RGN_COPY);
}
BOOL CRgn::EqualRgn(const CRgn* pRgn) const {
    return ::EqualRgn((HRGN)m_hObject, (HRGN)pRgn->GetSafeHandle());
}
int CRgn::OffsetRgn(int x, int y) {
    return ::OffsetRgn((HRGN)m_hObject, x, y);
}
int CRgn::OffsetRgn(POINT point) {
    return ::OffsetRgn((HRGN)m_hObject, point.x, point.y);
}
int CRgn::GetRgnBox(LPRECT lpRect) const {
    return ::GetRgnBox((HRGN)m_hObject, lpRect);
}
BOOL CRgn::PtInRegion(int x, int y) const {
    return ::PtInRegion((HRGN)m_hObject, x, y);
}
BOOL CRgn::PtInRegion(POINT point) const {
    return ::PtInRegion((HRGN)m_hObject, point.x, point.y);
}
BOOL CRgn::RectInRegion(LPCRECT lpRect) const {
    return ::RectInRegion((HRGN)m_hObject, lpRect);
}
int CRgn::GetRegionData(LPRGNDATA lpRgnData, int nCount) const {
    return (int)::GetRegionData((HRGN)m_hObject, nCount, lpRgnData);
}

/////////////////////////////////////////////////////////////////////////////
// CDC

CDC::CDC() : m_hDC(nullptr), m_hAttribDC(nullptr), m_bTemp(FALSE) {}

CDC::~CDC() {
    if (m_hDC && !m_bTemp)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC) {
    if (!hDC)
        return nullptr;
    if (CObject* pTemp = AfxFindTemp(afxTempDC, hDC))
        return static_cast<CDC*>(pTemp);
    CDC* p = new CDC;
    p->m_bTemp = TRUE;
    p->m_hDC = p->m_hAttribDC = hDC;
    AfxAddTemp(afxTempDC, hDC, p);
    return p;
}

void PASCAL CDC::DeleteTempMap() {
    AfxDeleteTemps(AfxGetThreadState(), AfxGetThreadState()->tempLockDepth - 1, afxTempDC);
}

BOOL CDC::Attach(HDC hDC) {
    if (!hDC || m_hDC)
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    if (!m_bTemp)
        ++afxLiveGdiObjects;
    return TRUE;
}

HDC CDC::Detach() {
    HDC hDC = m_hDC;
    if (hDC && !m_bTemp)
        --afxLiveGdiObjects;
    m_hDC = m_hAttribDC = nullptr;
    return hDC;
}

CWnd* CDC::GetWindow() const {
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                   const void* lpInitData) {
    return Attach(::CreateDCW(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEW*)lpInitData));
}
BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                   const void* lpInitData) {
    return Attach(::CreateICW(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEW*)lpInitData));
}
BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    return Attach(::CreateCompatibleDC(pDC->GetSafeHdc()));
}
BOOL CDC::DeleteDC() {
    if (!m_hDC || m_bTemp)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC() {
    return ::SaveDC(m_hDC);
}
BOOL CDC::RestoreDC(int nSavedDC) {
    return ::RestoreDC(m_hDC, nSavedDC);
}
int CDC::GetDeviceCaps(int nIndex) const {
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}
CPen* CDC::SelectObject(CPen* pPen) {
    return (CPen*)CGdiObject::FromHandle(::SelectObject(m_hDC, pPen->GetSafeHandle()));
}
CBrush* CDC::SelectObject(CBrush* pBrush) {
    return (CBrush*)CGdiObject::FromHandle(::SelectObject(m_hDC, pBrush->GetSafeHandle()));
}
CFont* CDC::SelectObject(CFont* pFont) {
    return (CFont*)CGdiObject::FromHandle(::SelectObject(m_hDC, pFont->GetSafeHandle()));
}
CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    return (CBitmap*)CGdiObject::FromHandle(::SelectObject(m_hDC, pBitmap->GetSafeHandle()));
}
int CDC::SelectObject(CRgn* pRgn) {
    return (int)(INT_PTR)::SelectObject(m_hDC, pRgn->GetSafeHandle());
}
CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->GetSafeHandle()));
}
HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) {
    return ::SelectObject(m_hDC, hObject);
}
CPen* CDC::GetCurrentPen() const {
    return (CPen*)CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_PEN));
}
CBrush* CDC::GetCurrentBrush() const {
    return (CBrush*)CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_BRUSH));
}
CFont* CDC::GetCurrentFont() const {
    return (CFont*)CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_FONT));
}
CBitmap* CDC::GetCurrentBitmap() const {
    return (CBitmap*)CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_BITMAP));
}

COLORREF CDC::GetNearestColor(COLORREF crColor) const {
    return ::GetNearestColor(m_hAttribDC, crColor);
}
COLORREF CDC::GetBkColor() const {
    return ::GetBkColor(m_hAttribDC);
}
int CDC::GetBkMode() const {
    return ::GetBkMode(m_hAttribDC);
}
int CDC::GetPolyFillMode() const {
    return ::GetPolyFillMode(m_hAttribDC);
}
int CDC::GetROP2() const {
    return ::GetROP2(m_hAttribDC);
}
int CDC::GetStretchBltMode() const {
    return ::GetStretchBltMode(m_hAttribDC);
}
COLORREF CDC::GetTextColor() const {
    return ::GetTextColor(m_hAttribDC);
}
COLORREF CDC::SetBkColor(COLORREF crColor) {
    return ::SetBkColor(m_hDC, crColor);
}
int CDC::SetBkMode(int nBkMode) {
    return ::SetBkMode(m_hDC, nBkMode);
}
int CDC::SetPolyFillMode(int nPolyFillMode) {
    return ::SetPolyFillMode(m_hDC, nPolyFillMode);
}
int CDC::SetROP2(int nDrawMode) {
    return ::SetROP2(m_hDC, nDrawMode);
}
int CDC::SetStretchBltMode(int nStretchMode) {
    return ::SetStretchBltMode(m_hDC, nStretchMode);
}
COLORREF CDC::SetTextColor(COLORREF crColor) {
    return ::SetTextColor(m_hDC, crColor);
}
UINT CDC::SetTextAlign(UINT nFlags) {
    return ::SetTextAlign(m_hDC, nFlags);
}
UINT CDC::GetTextAlign() const {
    return ::GetTextAlign(m_hAttribDC);
}
int CDC::SetTextCharacterExtra(int nCharExtra) {
    return ::SetTextCharacterExtra(m_hDC, nCharExtra);
}
CPoint CDC::GetBrushOrg() const {
    POINT pt;
    ::GetBrushOrgEx(m_hDC, &pt);
    return pt;
}
CPoint CDC::SetBrushOrg(int x, int y) {
    POINT pt;
    ::SetBrushOrgEx(m_hDC, x, y, &pt);
    return pt;
}
CPoint CDC::SetBrushOrg(POINT point) {
    return SetBrushOrg(point.x, point.y);
}

int CDC::GetMapMode() const {
    return ::GetMapMode(m_hAttribDC);
}
int CDC::SetMapMode(int nMapMode) {
    return ::SetMapMode(m_hDC, nMapMode);
}
CPoint CDC::GetViewportOrg() const {
    POINT pt;
    ::GetViewportOrgEx(m_hAttribDC, &pt);
    return pt;
}
CPoint CDC::SetViewportOrg(int x, int y) {
    POINT pt;
    ::SetViewportOrgEx(m_hDC, x, y, &pt);
    return pt;
}
CPoint CDC::SetViewportOrg(POINT point) {
    return SetViewportOrg(point.x, point.y);
}
CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
    POINT pt;
    ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &pt);
    return pt;
}
CSize CDC::GetViewportExt() const {
    SIZE s;
    ::GetViewportExtEx(m_hAttribDC, &s);
    return s;
}
CSize CDC::SetViewportExt(int cx, int cy) {
    SIZE s;
    ::SetViewportExtEx(m_hDC, cx, cy, &s);
    return s;
}
CSize CDC::SetViewportExt(SIZE size) {
    return SetViewportExt(size.cx, size.cy);
}
CPoint CDC::GetWindowOrg() const {
    POINT pt;
    ::GetWindowOrgEx(m_hAttribDC, &pt);
    return pt;
}
CPoint CDC::SetWindowOrg(int x, int y) {
    POINT pt;
    ::SetWindowOrgEx(m_hDC, x, y, &pt);
    return pt;
}
CPoint CDC::SetWindowOrg(POINT point) {
    return SetWindowOrg(point.x, point.y);
}
CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
    POINT pt;
    ::OffsetWindowOrgEx(m_hDC, nWidth, nHeight, &pt);
    return pt;
}
CSize CDC::GetWindowExt() const {
    SIZE s;
    ::GetWindowExtEx(m_hAttribDC, &s);
    return s;
}
CSize CDC::SetWindowExt(int cx, int cy) {
    SIZE s;
    ::SetWindowExtEx(m_hDC, cx, cy, &s);
    return s;
}
CSize CDC::SetWindowExt(SIZE size) {
    return SetWindowExt(size.cx, size.cy);
}
void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const {
    ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}
void CDC::DPtoLP(LPRECT lpRect) const {
    ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CDC::DPtoLP(LPSIZE lpSize) const {
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::DPtoLP(m_hAttribDC, pts, 2);
    lpSize->cx = pts[1].x - pts[0].x;
    lpSize->cy = pts[1].y - pts[0].y;
}
void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const {
    ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}
void CDC::LPtoDP(LPRECT lpRect) const {
    ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CDC::LPtoDP(LPSIZE lpSize) const {
    POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
    ::LPtoDP(m_hAttribDC, pts, 2);
    lpSize->cx = pts[1].x - pts[0].x;
    lpSize->cy = pts[1].y - pts[0].y;
}

int CDC::GetClipBox(LPRECT lpRect) const {
    return ::GetClipBox(m_hDC, lpRect);
}
BOOL CDC::PtVisible(int x, int y) const {
    return ::PtVisible(m_hDC, x, y);
}
BOOL CDC::PtVisible(POINT point) const {
    return ::PtVisible(m_hDC, point.x, point.y);
}
BOOL CDC::RectVisible(LPCRECT lpRect) const {
    return ::RectVisible(m_hDC, lpRect);
}
int CDC::SelectClipRgn(CRgn* pRgn) {
    return ::SelectClipRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
}
int CDC::SelectClipRgn(CRgn* pRgn, int nMode) {
    return ::ExtSelectClipRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), nMode);
}
int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) {
    return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
}
int CDC::ExcludeClipRect(LPCRECT r) {
    return ::ExcludeClipRect(m_hDC, r->left, r->top, r->right, r->bottom);
}
int CDC::ExcludeUpdateRgn(CWnd* pWnd) {
    return ::ExcludeUpdateRgn(m_hDC, pWnd->GetSafeHwnd());
}
int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
    return ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
}
int CDC::IntersectClipRect(LPCRECT r) {
    return ::IntersectClipRect(m_hDC, r->left, r->top, r->right, r->bottom);
}
int CDC::OffsetClipRgn(int x, int y) {
    return ::OffsetClipRgn(m_hDC, x, y);
}
int CDC::OffsetClipRgn(SIZE size) {
    return ::OffsetClipRgn(m_hDC, size.cx, size.cy);
}

CPoint CDC::GetCurrentPosition() const {
    POINT pt;
    ::GetCurrentPositionEx(m_hAttribDC, &pt);
    return pt;
}
CPoint CDC::MoveTo(int x, int y) {
    POINT pt;
    ::MoveToEx(m_hDC, x, y, &pt);
    return pt;
}
CPoint CDC::MoveTo(POINT point) {
    return MoveTo(point.x, point.y);
}
BOOL CDC::LineTo(int x, int y) {
    return ::LineTo(m_hDC, x, y);
}
BOOL CDC::LineTo(POINT point) {
    return ::LineTo(m_hDC, point.x, point.y);
}
BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}
BOOL CDC::Arc(LPCRECT r, POINT ptStart, POINT ptEnd) {
    return ::Arc(m_hDC, r->left, r->top, r->right, r->bottom, ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
}
BOOL CDC::Polyline(const POINT* lpPoints, int nCount) {
    return ::Polyline(m_hDC, lpPoints, nCount);
}
BOOL CDC::PolyBezier(const POINT* lpPoints, int nCount) {
    return ::PolyBezier(m_hDC, lpPoints, (DWORD)nCount);
}
void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
    ::FillRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
}
void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
    ::FrameRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
}
void CDC::InvertRect(LPCRECT lpRect) {
    ::InvertRect(m_hDC, lpRect);
}
BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
    return ::DrawIcon(m_hDC, x, y, hIcon);
}
BOOL CDC::DrawIcon(POINT point, HICON hIcon) {
    return ::DrawIcon(m_hDC, point.x, point.y, hIcon);
}
BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush) {
    return ::DrawStateW(m_hDC, hBrush, nullptr, (LPARAM)hBitmap, 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_BITMAP);
}
BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush) {
    return ::DrawStateW(m_hDC, hBrush, nullptr, (LPARAM)hIcon, 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_ICON);
}
BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    HBRUSH hBrush) {
    return ::DrawStateW(m_hDC, hBrush, nullptr, (LPARAM)lpszText, (WPARAM)nTextLen, pt.x, pt.y, size.cx,
                        size.cy, nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}
BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::Chord(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}
void CDC::DrawFocusRect(LPCRECT lpRect) {
    ::DrawFocusRect(m_hDC, lpRect);
}
BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) {
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}
BOOL CDC::Ellipse(LPCRECT r) {
    return ::Ellipse(m_hDC, r->left, r->top, r->right, r->bottom);
}
BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}
BOOL CDC::Polygon(const POINT* lpPoints, int nCount) {
    return ::Polygon(m_hDC, lpPoints, nCount);
}
BOOL CDC::PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount) {
    return ::PolyPolygon(m_hDC, lpPoints, lpPolyCounts, nCount);
}
BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) {
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}
BOOL CDC::Rectangle(LPCRECT r) {
    return ::Rectangle(m_hDC, r->left, r->top, r->right, r->bottom);
}
BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}
BOOL CDC::RoundRect(LPCRECT r, POINT point) {
    return ::RoundRect(m_hDC, r->left, r->top, r->right, r->bottom, point.x, point.y);
}
BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) {
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}
BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState) {
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}
BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}
BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop) {
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth, nSrcHeight,
                        dwRop);
}
BOOL CDC::TransparentBlt(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc,
                         int ySrc, int nSrcWidth, int nSrcHeight, UINT clrTransparent) {
    return ::TransparentBlt(m_hDC, xDest, yDest, nDestWidth, nDestHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc,
                            nSrcWidth, nSrcHeight, clrTransparent);
}
BOOL CDC::AlphaBlend(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, BLENDFUNCTION blend) {
    return ::AlphaBlend(m_hDC, xDest, yDest, nDestWidth, nDestHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc,
                        nSrcWidth, nSrcHeight, blend);
}
BOOL CDC::GradientFill(TRIVERTEX* pVertices, ULONG nVertices, void* pMesh, ULONG nMeshElements,
                       DWORD dwMode) {
    return ::GradientFill(m_hDC, pVertices, nVertices, pMesh, nMeshElements, dwMode);
}
COLORREF CDC::GetPixel(int x, int y) const {
    return ::GetPixel(m_hDC, x, y);
}
COLORREF CDC::GetPixel(POINT point) const {
    return ::GetPixel(m_hDC, point.x, point.y);
}
COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) {
    return ::SetPixel(m_hDC, x, y, crColor);
}
COLORREF CDC::SetPixel(POINT point, COLORREF crColor) {
    return ::SetPixel(m_hDC, point.x, point.y, crColor);
}
BOOL CDC::SetPixelV(int x, int y, COLORREF crColor) {
    return ::SetPixelV(m_hDC, x, y, crColor);
}
BOOL CDC::FloodFill(int x, int y, COLORREF crColor) {
    return ::FloodFill(m_hDC, x, y, crColor);
}
BOOL CDC::ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType) {
    return ::ExtFloodFill(m_hDC, x, y, crColor, nFillType);
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount) {
    return ::TextOutW(m_hDC, x, y, lpszString, nCount);
}
BOOL CDC::TextOut(int x, int y, const CString& str) {
    return TextOut(x, y, str, str.GetLength());
}
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     LPINT lpDxWidths) {
    return ::ExtTextOutW(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths) {
    return ::ExtTextOutW(m_hDC, x, y, nOptions, lpRect, str, (UINT)str.GetLength(), lpDxWidths);
}
int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    return ::DrawTextW(m_hDC, lpszString, nCount, lpRect, nFormat);
}
int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
    return DrawText((LPCTSTR)str, str.GetLength(), lpRect, nFormat);
}
int CDC::DrawTextEx(LPTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat, LPDRAWTEXTPARAMS lpDTParams) {
    return ::DrawTextExW(m_hDC, lpszString, nCount, lpRect, nFormat, lpDTParams);
}
CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(m_hAttribDC, lpszString, nCount, &size);
    return size;
}
CSize CDC::GetTextExtent(const CString& str) const {
    return GetTextExtent(str, str.GetLength());
}
CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const {
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(m_hDC, lpszString, nCount, &size);
    return size;
}
CSize CDC::GetOutputTextExtent(const CString& str) const {
    return GetOutputTextExtent(str, str.GetLength());
}
BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const {
    return ::GetTextMetricsW(m_hAttribDC, lpMetrics);
}
int CDC::GetTextFace(int nCount, LPTSTR lpszFacename) const {
    return ::GetTextFaceW(m_hAttribDC, nCount, lpszFacename);
}
int CDC::GetTextFace(CString& rString) const {
    int n = ::GetTextFaceW(m_hAttribDC, LF_FACESIZE, rString.GetBuffer(LF_FACESIZE));
    rString.ReleaseBuffer();
    return n;
}
BOOL CDC::GrayString(CBrush* pBrush, BOOL(CALLBACK* lpfnOutput)(HDC, LPARAM, int), LPARAM lpData, int nCount,
                     int x, int y, int nWidth, int nHeight) {
    return ::GrayStringW(m_hDC, (HBRUSH)pBrush->GetSafeHandle(), lpfnOutput, lpData, nCount, x, y, nWidth,
                         nHeight);
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush) {
    return ::FillRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle());
}
BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight) {
    return ::FrameRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle(), nWidth, nHeight);
}
BOOL CDC::InvertRgn(CRgn* pRgn) {
    return ::InvertRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
}
BOOL CDC::PaintRgn(CRgn* pRgn) {
    return ::PaintRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}
void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
    RECT r = {x, y, x + cx, y + cy};
    FillSolidRect(&r, clr);
}
void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               clrTopLeft, clrBottomRight);
}
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

BOOL CDC::BeginPath() {
    return ::BeginPath(m_hDC);
}
BOOL CDC::EndPath() {
    return ::EndPath(m_hDC);
}
BOOL CDC::AbortPath() {
    return ::AbortPath(m_hDC);
}
BOOL CDC::CloseFigure() {
    return ::CloseFigure(m_hDC);
}
BOOL CDC::FillPath() {
    return ::FillPath(m_hDC);
}
BOOL CDC::StrokePath() {
    return ::StrokePath(m_hDC);
}
BOOL CDC::StrokeAndFillPath() {
    return ::StrokeAndFillPath(m_hDC);
}
BOOL CDC::SelectClipPath(int nMode) {
    return ::SelectClipPath(m_hDC, nMode);
}

/////////////////////////////////////////////////////////////////////////////
// Scoped device contexts

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) {
    Attach(::BeginPaint(m_hWnd, &m_ps));
}
CPaintDC::~CPaintDC() {
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) {
    Attach(::GetDC(m_hWnd));
}
CClientDC::~CClientDC() {
    ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd->GetSafeHwnd()) {
    Attach(::GetWindowDC(m_hWnd));
}
CWindowDC::~CWindowDC() {
    ::ReleaseDC(m_hWnd, Detach());
}

// Core of the application framework: basic types, CObject, CString and the
// geometry classes. Programs normally include <afxwin.h>, which includes this.
#pragma once

#ifndef UNICODE
#error The framework is Unicode only: define UNICODE and _UNICODE.
#endif

#include <windows.h>
#include <oleauto.h>
#include <tchar.h>
#include <stdarg.h>
#include <stddef.h>
#include <type_traits>

// The framework's own classes are exported from Framework.dll; user extension
// DLLs (built with _AFXEXT) export theirs with AFX_EXT_CLASS.
#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)
#define AFX_API_EXPORT __declspec(dllexport)
#define AFX_API_IMPORT __declspec(dllimport)
#define AFX_DATA_EXPORT __declspec(dllexport)
#define AFX_DATA_IMPORT __declspec(dllimport)

#ifdef _AFX_FRAMEWORK_BUILD
#define AFX_CORE_CLASS AFX_CLASS_EXPORT
#define AFX_CORE_API AFX_API_EXPORT
#define AFX_CORE_DATA AFX_DATA_EXPORT
#else
#define AFX_CORE_CLASS AFX_CLASS_IMPORT
#define AFX_CORE_API AFX_API_IMPORT
#define AFX_CORE_DATA AFX_DATA_IMPORT
#endif

#ifdef _AFXEXT
#define AFX_EXT_CLASS AFX_CLASS_EXPORT
#define AFX_EXT_API AFX_API_EXPORT
#define AFX_EXT_DATA AFX_DATA_EXPORT
#else
#define AFX_EXT_CLASS AFX_CLASS_IMPORT
#define AFX_EXT_API AFX_API_IMPORT
#define AFX_EXT_DATA AFX_DATA_IMPORT
#endif

#define AFXAPI __stdcall
#define AFX_CDECL __cdecl
#define AFX_STATIC static
#define AFX_INLINE inline
#define AFX_NOVTABLE
#ifndef PASCAL
#define PASCAL __stdcall
#endif

#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(p) ((void)0)
#define ASSERT_KINDOF(c, p) ((void)0)
#define TRACE(...) ((void)0)
#define TRACE0(s) ((void)0)
#define TRACE1(s, a) ((void)0)
#define TRACE2(s, a, b) ((void)0)
#define DEBUG_ONLY(f) ((void)0)
#define DEBUG_NEW new
#define UNUSED(x) (void)(x)
#define UNUSED_ALWAYS(x) (void)(x)

// A position in a collection; opaque to the caller.
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

class CObject;
class CString;

/////////////////////////////////////////////////////////////////////////////
// Run-time class information

struct AFX_CORE_CLASS CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject*(PASCAL* m_pfnCreateObject)();
    CRuntimeClass*(PASCAL* m_pfnGetBaseClass)();

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    // Finds a dynamically creatable class registered under its name.
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
    static CRuntimeClass* PASCAL FromName(LPCWSTR lpszClassName);
};

// Registers a class so that CRuntimeClass::FromName finds it.
struct AFX_CORE_CLASS AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                          \
public:                                                                                                      \
    static CRuntimeClass* PASCAL GetThisClass();                                                             \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name)                                                                        \
    DECLARE_DYNAMIC(class_name)                                                                              \
    static CObject* PASCAL CreateObject();

#define IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, wSchema, pfnNew)                                \
    CRuntimeClass* PASCAL class_name::GetThisClass() {                                                       \
        static CRuntimeClass rc = {#class_name, (int)sizeof(class_name), wSchema, pfnNew,                    \
                                   &base_class_name::GetThisClass};                                          \
        return &rc;                                                                                          \
    }                                                                                                        \
    CRuntimeClass* class_name::GetRuntimeClass() const {                                                     \
        return class_name::GetThisClass();                                                                   \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                       \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                     \
    CObject* PASCAL class_name::CreateObject() {                                                             \
        return new class_name;                                                                               \
    }                                                                                                        \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_class_name, 0xFFFF, class_name::CreateObject)                   \
    static const AFX_CLASSINIT _init_##class_name(class_name::GetThisClass());

#define DYNAMIC_DOWNCAST(class_name, object)                                                                 \
    ((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), object))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))

class AFX_CORE_CLASS CObject {
public:
    static CRuntimeClass* PASCAL GetThisClass();
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    virtual void AssertValid() const {}

protected:
    CObject() = default;

private:
    CObject(const CObject&) = delete;
    void operator=(const CObject&) = delete;
};

AFX_CORE_API CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);

/////////////////////////////////////////////////////////////////////////////
// Exceptions (the framework itself never throws; these exist for code that
// catches them by name)

class AFX_CORE_CLASS CException : public CObject {
public:
    DECLARE_DYNAMIC(CException)
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    void Delete();
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr);

protected:
    BOOL m_bAutoDelete;
};

class AFX_CORE_CLASS CMemoryException : public CException {
public:
    DECLARE_DYNAMIC(CMemoryException)
};

class AFX_CORE_CLASS CUserException : public CException {
public:
    DECLARE_DYNAMIC(CUserException)
};

/////////////////////////////////////////////////////////////////////////////
// CString: a wide-character string with MFC's interface. The object is one
// pointer to its characters (a length header sits in front of them).

struct CStringData {
    int nDataLength;
    int nAllocLength;
    WCHAR* data() { return reinterpret_cast<WCHAR*>(this + 1); }
};

class CString;
// Arguments of CString::Format: a CString passes its characters, as MFC
// programmers expect of "%s"; everything else passes unchanged.
inline LPCWSTR AfxFormatArg(const CString& s);
template <class T> inline const T& AfxFormatArg(const T& v) {
    return v;
}
template <class T, size_t N> inline const T* AfxFormatArg(const T (&a)[N]) {
    return a;
}

class AFX_CORE_CLASS CString {
public:
    CString();
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    CString(WCHAR ch, int nRepeat = 1);
    CString(LPCWSTR lpsz); // MAKEINTRESOURCE(id) loads the string resource id
    CString(LPCWSTR lpch, int nLength);
    CString(LPCSTR lpsz);
    CString(LPCSTR lpch, int nLength);
    ~CString();

    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();

    WCHAR GetAt(int nIndex) const { return m_pchData[nIndex]; }
    WCHAR operator[](int nIndex) const { return m_pchData[nIndex]; }
    void SetAt(int nIndex, WCHAR ch);
    operator LPCWSTR() const { return m_pchData; }
    LPCWSTR GetString() const { return m_pchData; }

    const CString& operator=(const CString& stringSrc);
    const CString& operator=(CString&& stringSrc) noexcept;
    const CString& operator=(WCHAR ch);
    const CString& operator=(LPCWSTR lpsz);
    const CString& operator=(LPCSTR lpsz);

    const CString& operator+=(const CString& string);
    const CString& operator+=(WCHAR ch);
    const CString& operator+=(LPCWSTR lpsz);

    friend AFX_CORE_API CString AFXAPI operator+(const CString& string1, const CString& string2);
    friend AFX_CORE_API CString AFXAPI operator+(const CString& string, WCHAR ch);
    friend AFX_CORE_API CString AFXAPI operator+(WCHAR ch, const CString& string);
    friend AFX_CORE_API CString AFXAPI operator+(const CString& string, LPCWSTR lpsz);
    friend AFX_CORE_API CString AFXAPI operator+(LPCWSTR lpsz, const CString& string);

    int Compare(LPCWSTR lpsz) const;
    int CompareNoCase(LPCWSTR lpsz) const;
    int Collate(LPCWSTR lpsz) const;
    int CollateNoCase(LPCWSTR lpsz) const;

    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCWSTR lpszCharSet) const;
    CString SpanExcluding(LPCWSTR lpszCharSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    int Replace(WCHAR chOld, WCHAR chNew);
    int Replace(LPCWSTR lpszOld, LPCWSTR lpszNew);
    int Remove(WCHAR chRemove);
    int Insert(int nIndex, WCHAR ch);
    int Insert(int nIndex, LPCWSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    void TrimRight();
    void TrimRight(WCHAR chTarget);
    void TrimRight(LPCWSTR lpszTargets);
    void TrimLeft();
    void TrimLeft(WCHAR chTarget);
    void TrimLeft(LPCWSTR lpszTargets);
    void Trim() {
        TrimRight();
        TrimLeft();
    }

    int Find(WCHAR ch) const;
    int Find(WCHAR ch, int nStart) const;
    int Find(LPCWSTR lpszSub) const;
    int Find(LPCWSTR lpszSub, int nStart) const;
    int ReverseFind(WCHAR ch) const;
    int FindOneOf(LPCWSTR lpszCharSet) const;

    // printf-style formatting with the C runtime's wide rules: %s is a wide
    // string, %S a narrow one; a CString argument may be passed directly.
    template <class... Args> void Format(LPCWSTR lpszFormat, const Args&... args) {
        FormatArgs(lpszFormat, AfxFormatArg(args)...);
    }
    template <class... Args> void Format(UINT nFormatID, const Args&... args) {
        CString strFormat;
        strFormat.LoadString(nFormatID);
        FormatArgs(strFormat.m_pchData, AfxFormatArg(args)...);
    }
    template <class... Args> void AppendFormat(LPCWSTR lpszFormat, const Args&... args) {
        CString s;
        s.FormatArgs(lpszFormat, AfxFormatArg(args)...);
        *this += s;
    }
    void FormatV(LPCWSTR lpszFormat, va_list argList);
    void AFX_CDECL FormatArgs(LPCWSTR lpszFormat, ...);

    BOOL LoadString(UINT nID);

    LPWSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPWSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    LPWSTR LockBuffer() { return GetBuffer(0); }
    void UnlockBuffer() {}
    BSTR AllocSysString() const;

private:
    LPWSTR m_pchData;

    CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pchData) - 1; }
    void Init();
    void AllocBuffer(int nLen);
    void Release();
    void AssignCopy(int nSrcLen, LPCWSTR lpszSrcData);
    void ConcatInPlace(int nSrcLen, LPCWSTR lpszSrcData);
    void EnsureCapacity(int nLen);
};

inline LPCWSTR AfxFormatArg(const CString& s) {
    return static_cast<LPCWSTR>(s);
}

inline bool operator==(const CString& s1, const CString& s2) {
    return s1.Compare(s2) == 0;
}
inline bool operator==(const CString& s1, LPCWSTR s2) {
    return s1.Compare(s2) == 0;
}
inline bool operator==(LPCWSTR s1, const CString& s2) {
    return s2.Compare(s1) == 0;
}
inline bool operator!=(const CString& s1, const CString& s2) {
    return s1.Compare(s2) != 0;
}
inline bool operator!=(const CString& s1, LPCWSTR s2) {
    return s1.Compare(s2) != 0;
}
inline bool operator!=(LPCWSTR s1, const CString& s2) {
    return s2.Compare(s1) != 0;
}
inline bool operator<(const CString& s1, const CString& s2) {
    return s1.Compare(s2) < 0;
}
inline bool operator<(const CString& s1, LPCWSTR s2) {
    return s1.Compare(s2) < 0;
}
inline bool operator<(LPCWSTR s1, const CString& s2) {
    return s2.Compare(s1) > 0;
}
inline bool operator>(const CString& s1, const CString& s2) {
    return s1.Compare(s2) > 0;
}
inline bool operator>(const CString& s1, LPCWSTR s2) {
    return s1.Compare(s2) > 0;
}
inline bool operator>(LPCWSTR s1, const CString& s2) {
    return s2.Compare(s1) < 0;
}
inline bool operator<=(const CString& s1, const CString& s2) {
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(const CString& s1, LPCWSTR s2) {
    return s1.Compare(s2) <= 0;
}
inline bool operator<=(LPCWSTR s1, const CString& s2) {
    return s2.Compare(s1) >= 0;
}
inline bool operator>=(const CString& s1, const CString& s2) {
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(const CString& s1, LPCWSTR s2) {
    return s1.Compare(s2) >= 0;
}
inline bool operator>=(LPCWSTR s1, const CString& s2) {
    return s2.Compare(s1) <= 0;
}

/////////////////////////////////////////////////////////////////////////////
// Geometry

class CPoint;
class CRect;

class CSize : public tagSIZE {
public:
    CSize() {
        cx = 0;
        cy = 0;
    }
    CSize(int initCX, int initCY) {
        cx = initCX;
        cy = initCY;
    }
    CSize(SIZE initSize) { *(SIZE*)this = initSize; }
    CSize(POINT initPt) {
        cx = initPt.x;
        cy = initPt.y;
    }
    CSize(DWORD dwSize) {
        cx = (short)LOWORD(dwSize);
        cy = (short)HIWORD(dwSize);
    }
    BOOL operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    BOOL operator!=(SIZE size) const { return cx != size.cx || cy != size.cy; }
    void operator+=(SIZE size) {
        cx += size.cx;
        cy += size.cy;
    }
    void operator-=(SIZE size) {
        cx -= size.cx;
        cy -= size.cy;
    }
    void SetSize(int CX, int CY) {
        cx = CX;
        cy = CY;
    }
    CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
};

class CPoint : public tagPOINT {
public:
    CPoint() {
        x = 0;
        y = 0;
    }
    CPoint(int initX, int initY) {
        x = initX;
        y = initY;
    }
    CPoint(POINT initPt) { *(POINT*)this = initPt; }
    CPoint(SIZE initSize) {
        x = initSize.cx;
        y = initSize.cy;
    }
    // From a message's lParam: signed 16-bit coordinates.
    CPoint(LPARAM dwPoint) {
        x = (short)LOWORD(dwPoint);
        y = (short)HIWORD(dwPoint);
    }
    void Offset(int xOffset, int yOffset) {
        x += xOffset;
        y += yOffset;
    }
    void Offset(POINT point) { Offset(point.x, point.y); }
    void Offset(SIZE size) { Offset(size.cx, size.cy); }
    void SetPoint(int X, int Y) {
        x = X;
        y = Y;
    }
    BOOL operator==(POINT point) const { return x == point.x && y == point.y; }
    BOOL operator!=(POINT point) const { return x != point.x || y != point.y; }
    void operator+=(SIZE size) { Offset(size); }
    void operator-=(SIZE size) { Offset(-size.cx, -size.cy); }
    void operator+=(POINT point) { Offset(point); }
    void operator-=(POINT point) { Offset(-point.x, -point.y); }
    CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator-() const { return CPoint(-x, -y); }
    CPoint operator+(POINT point) const { return CPoint(x + point.x, y + point.y); }
    CSize operator-(POINT point) const { return CSize(x - point.x, y - point.y); }
};

class CRect : public tagRECT {
public:
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    CRect(const RECT& srcRect) { ::CopyRect(this, &srcRect); }
    CRect(LPCRECT lpSrcRect) { ::CopyRect(this, lpSrcRect); }
    CRect(POINT point, SIZE size) {
        right = (left = point.x) + size.cx;
        bottom = (top = point.y) + size.cy;
    }
    CRect(POINT topLeft, POINT bottomRight) {
        left = topLeft.x;
        top = topLeft.y;
        right = bottomRight.x;
        bottom = bottomRight.y;
    }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(right - left, bottom - top); }
    CPoint& TopLeft() { return *((CPoint*)this); }
    CPoint& BottomRight() { return *((CPoint*)this + 1); }
    const CPoint& TopLeft() const { return *((const CPoint*)this); }
    const CPoint& BottomRight() const { return *((const CPoint*)this + 1); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    void SwapLeftRight() {
        LONG t = left;
        left = right;
        right = t;
    }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    BOOL IsRectEmpty() const { return ::IsRectEmpty(this); }
    BOOL IsRectNull() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const { return ::PtInRect(this, point); }

    void SetRect(int x1, int y1, int x2, int y2) { ::SetRect(this, x1, y1, x2, y2); }
    void SetRect(POINT topLeft, POINT bottomRight) {
        ::SetRect(this, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
    }
    void SetRectEmpty() { ::SetRectEmpty(this); }
    void CopyRect(LPCRECT lpSrcRect) { ::CopyRect(this, lpSrcRect); }
    BOOL EqualRect(LPCRECT lpRect) const { return ::EqualRect(this, lpRect); }

    void InflateRect(int x, int y) { ::InflateRect(this, x, y); }
    void InflateRect(SIZE size) { ::InflateRect(this, size.cx, size.cy); }
    void InflateRect(LPCRECT lpRect) {
        left -= lpRect->left;
        top -= lpRect->top;
        right += lpRect->right;
        bottom += lpRect->bottom;
    }
    void InflateRect(int l, int t, int r, int b) {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void DeflateRect(int x, int y) { ::InflateRect(this, -x, -y); }
    void DeflateRect(SIZE size) { ::InflateRect(this, -size.cx, -size.cy); }
    void DeflateRect(LPCRECT lpRect) {
        left += lpRect->left;
        top += lpRect->top;
        right -= lpRect->right;
        bottom -= lpRect->bottom;
    }
    void DeflateRect(int l, int t, int r, int b) {
        left += l;
        top += t;
        right -= r;
        bottom -= b;
    }
    void OffsetRect(int x, int y) { ::OffsetRect(this, x, y); }
    void OffsetRect(SIZE size) { ::OffsetRect(this, size.cx, size.cy); }
    void OffsetRect(POINT point) { ::OffsetRect(this, point.x, point.y); }
    void NormalizeRect() {
        if (left > right)
            SwapLeftRight();
        if (top > bottom) {
            LONG t = top;
            top = bottom;
            bottom = t;
        }
    }
    void MoveToX(int x) {
        right = Width() + x;
        left = x;
    }
    void MoveToY(int y) {
        bottom = Height() + y;
        top = y;
    }
    void MoveToXY(int x, int y) {
        MoveToX(x);
        MoveToY(y);
    }
    void MoveToXY(POINT point) { MoveToXY(point.x, point.y); }

    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) { return ::IntersectRect(this, lpRect1, lpRect2); }
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) { return ::UnionRect(this, lpRect1, lpRect2); }
    BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2) {
        return ::SubtractRect(this, lpRectSrc1, lpRectSrc2);
    }

    void operator=(const RECT& srcRect) { ::CopyRect(this, &srcRect); }
    BOOL operator==(const RECT& rect) const { return ::EqualRect(this, &rect); }
    BOOL operator!=(const RECT& rect) const { return !::EqualRect(this, &rect); }
    void operator+=(POINT point) { OffsetRect(point); }
    void operator+=(SIZE size) { OffsetRect(size); }
    void operator+=(LPCRECT lpRect) { InflateRect(lpRect); }
    void operator-=(POINT point) { OffsetRect(-point.x, -point.y); }
    void operator-=(SIZE size) { OffsetRect(-size.cx, -size.cy); }
    void operator-=(LPCRECT lpRect) { DeflateRect(lpRect); }
    void operator&=(const RECT& rect) { ::IntersectRect(this, this, &rect); }
    void operator|=(const RECT& rect) { ::UnionRect(this, this, &rect); }

    CRect operator+(POINT pt) const {
        CRect r(*this);
        r.OffsetRect(pt);
        return r;
    }
    CRect operator-(POINT pt) const {
        CRect r(*this);
        r.OffsetRect(-pt.x, -pt.y);
        return r;
    }
    CRect operator+(SIZE size) const {
        CRect r(*this);
        r.OffsetRect(size);
        return r;
    }
    CRect operator-(SIZE size) const {
        CRect r(*this);
        r.OffsetRect(-size.cx, -size.cy);
        return r;
    }
    CRect operator+(LPCRECT lpRect) const {
        CRect r(*this);
        r.InflateRect(lpRect);
        return r;
    }
    CRect operator-(LPCRECT lpRect) const {
        CRect r(*this);
        r.DeflateRect(lpRect);
        return r;
    }
    CRect operator&(const RECT& rect2) const {
        CRect r;
        ::IntersectRect(&r, this, &rect2);
        return r;
    }
    CRect operator|(const RECT& rect2) const {
        CRect r;
        ::UnionRect(&r, this, &rect2);
        return r;
    }
};

/////////////////////////////////////////////////////////////////////////////
// Global helpers from the core

AFX_CORE_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_CORE_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_CORE_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module holding a resource: the program first, then each extension DLL.
AFX_CORE_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
AFX_CORE_API BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString,
                                             TCHAR chSep = _T('\n'));

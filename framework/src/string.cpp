// CString: every string owns its buffer (no sharing between threads to
// worry about). The buffer holds a length header followed by the characters
// and a terminating zero.
#include "afximpl.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cstdio>

namespace {

// The empty string: a header with zero lengths and a zero character. It is
// never freed or written.
struct EmptyString {
    CStringData data{0, 0};
    WCHAR nul[2] = {0, 0};
};
EmptyString g_empty;
LPWSTR EmptyChars() {
    return g_empty.data.data();
}

int SafeLen(LPCWSTR s) {
    return s ? (int)wcslen(s) : 0;
}

} // namespace

void CString::Init() {
    m_pchData = EmptyChars();
}

void CString::AllocBuffer(int nLen) {
    if (nLen <= 0) {
        Init();
        return;
    }
    auto* data = static_cast<CStringData*>(std::malloc(sizeof(CStringData) + (nLen + 1) * sizeof(WCHAR)));
    if (!data) {
        Init();
        return;
    }
    data->nDataLength = nLen;
    data->nAllocLength = nLen;
    data->data()[nLen] = 0;
    m_pchData = data->data();
}

void CString::Release() {
    if (m_pchData != EmptyChars())
        std::free(GetData());
    Init();
}

void CString::EnsureCapacity(int nLen) {
    // Keeps the contents; grows geometrically for repeated appends.
    if (nLen <= GetData()->nAllocLength && m_pchData != EmptyChars())
        return;
    if (nLen <= 0)
        return;
    int nOld = GetLength();
    int nAlloc = nLen;
    if (nAlloc < nOld * 2)
        nAlloc = nOld * 2;
    auto* data = static_cast<CStringData*>(std::malloc(sizeof(CStringData) + (nAlloc + 1) * sizeof(WCHAR)));
    if (!data)
        return;
    data->nDataLength = nOld;
    data->nAllocLength = nAlloc;
    std::memcpy(data->data(), m_pchData, (nOld + 1) * sizeof(WCHAR));
    if (m_pchData != EmptyChars())
        std::free(GetData());
    m_pchData = data->data();
}

void CString::AssignCopy(int nSrcLen, LPCWSTR lpszSrcData) {
    if (nSrcLen <= 0) {
        Empty();
        return;
    }
    if (nSrcLen > GetData()->nAllocLength || m_pchData == EmptyChars()) {
        // lpszSrcData may point into our own buffer: copy before freeing.
        CString tmp(lpszSrcData, nSrcLen);
        *this = std::move(tmp);
        return;
    }
    std::memmove(m_pchData, lpszSrcData, nSrcLen * sizeof(WCHAR));
    GetData()->nDataLength = nSrcLen;
    m_pchData[nSrcLen] = 0;
}

void CString::ConcatInPlace(int nSrcLen, LPCWSTR lpszSrcData) {
    // lpszSrcData never points into this string's own buffer (callers copy).
    if (nSrcLen <= 0)
        return;
    int nOld = GetLength();
    EnsureCapacity(nOld + nSrcLen);
    if (m_pchData == EmptyChars() || nOld + nSrcLen > GetData()->nAllocLength)
        return; // out of memory: the string stays as it was
    std::memcpy(m_pchData + nOld, lpszSrcData, nSrcLen * sizeof(WCHAR));
    GetData()->nDataLength = nOld + nSrcLen;
    m_pchData[nOld + nSrcLen] = 0;
}

CString::CString() {
    Init();
}

CString::CString(const CString& stringSrc) {
    Init();
    AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
}

CString::CString(CString&& stringSrc) noexcept {
    m_pchData = stringSrc.m_pchData;
    stringSrc.Init();
}

CString::CString(WCHAR ch, int nRepeat) {
    Init();
    if (nRepeat > 0) {
        AllocBuffer(nRepeat);
        for (int i = 0; i < nRepeat; ++i)
            m_pchData[i] = ch;
    }
}

CString::CString(LPCWSTR lpsz) {
    Init();
    if (lpsz && IS_INTRESOURCE(lpsz)) {
        LoadString(LOWORD((ULONG_PTR)lpsz));
        return;
    }
    int n = SafeLen(lpsz);
    if (n > 0) {
        AllocBuffer(n);
        std::memcpy(m_pchData, lpsz, n * sizeof(WCHAR));
    }
}

CString::CString(LPCWSTR lpch, int nLength) {
    Init();
    if (lpch && nLength > 0) {
        AllocBuffer(nLength);
        std::memcpy(m_pchData, lpch, nLength * sizeof(WCHAR));
    }
}

CString::CString(LPCSTR lpsz) {
    Init();
    if (!lpsz)
        return;
    int n = MultiByteToWideChar(CP_ACP, 0, lpsz, -1, nullptr, 0);
    if (n > 1) {
        AllocBuffer(n - 1);
        MultiByteToWideChar(CP_ACP, 0, lpsz, -1, m_pchData, n);
    }
}

CString::CString(LPCSTR lpch, int nLength) {
    Init();
    if (!lpch || nLength <= 0)
        return;
    int n = MultiByteToWideChar(CP_ACP, 0, lpch, nLength, nullptr, 0);
    if (n > 0) {
        AllocBuffer(n);
        MultiByteToWideChar(CP_ACP, 0, lpch, nLength, m_pchData, n);
    }
}

CString::~CString() {
    Release();
}

void CString::Empty() {
    if (m_pchData == EmptyChars())
        return;
    Release();
}

void CString::SetAt(int nIndex, WCHAR ch) {
    if (nIndex >= 0 && nIndex < GetLength())
        m_pchData[nIndex] = ch;
}

const CString& CString::operator=(const CString& stringSrc) {
    if (this != &stringSrc)
        AssignCopy(stringSrc.GetLength(), stringSrc.m_pchData);
    return *this;
}

const CString& CString::operator=(CString&& stringSrc) noexcept {
    if (this != &stringSrc) {
        Release();
        m_pchData = stringSrc.m_pchData;
        stringSrc.Init();
    }
    return *this;
}

const CString& CString::operator=(WCHAR ch) {
    AssignCopy(1, &ch);
    return *this;
}

const CString& CString::operator=(LPCWSTR lpsz) {
    AssignCopy(SafeLen(lpsz), lpsz);
    return *this;
}

const CString& CString::operator=(LPCSTR lpsz) {
    CString tmp(lpsz);
    *this = std::move(tmp);
    return *this;
}

const CString& CString::operator+=(const CString& string) {
    if (&string == this) {
        CString copy(string);
        ConcatInPlace(copy.GetLength(), copy.m_pchData);
    } else {
        ConcatInPlace(string.GetLength(), string.m_pchData);
    }
    return *this;
}

const CString& CString::operator+=(WCHAR ch) {
    ConcatInPlace(1, &ch);
    return *this;
}

const CString& CString::operator+=(LPCWSTR lpsz) {
    CString copy(lpsz); // lpsz may point into this string
    ConcatInPlace(copy.GetLength(), copy.m_pchData);
    return *this;
}

CString AFXAPI operator+(const CString& string1, const CString& string2) {
    CString s(string1);
    s += string2;
    return s;
}
CString AFXAPI operator+(const CString& string, WCHAR ch) {
    CString s(string);
    s += ch;
    return s;
}
CString AFXAPI operator+(WCHAR ch, const CString& string) {
    CString s(ch);
    s += string;
    return s;
}
CString AFXAPI operator+(const CString& string, LPCWSTR lpsz) {
    CString s(string);
    s += lpsz;
    return s;
}
CString AFXAPI operator+(LPCWSTR lpsz, const CString& string) {
    CString s(lpsz);
    s += string;
    return s;
}

int CString::Compare(LPCWSTR lpsz) const {
    return wcscmp(m_pchData, lpsz ? lpsz : L"");
}
int CString::CompareNoCase(LPCWSTR lpsz) const {
    return _wcsicmp(m_pchData, lpsz ? lpsz : L"");
}

int CString::Collate(LPCWSTR lpsz) const {
    return CompareStringW(LOCALE_USER_DEFAULT, 0, m_pchData, -1, lpsz ? lpsz : L"", -1) - CSTR_EQUAL;
}

int CString::CollateNoCase(LPCWSTR lpsz) const {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, m_pchData, -1, lpsz ? lpsz : L"", -1) -
           CSTR_EQUAL;
}

CString CString::Mid(int nFirst) const {
    return Mid(nFirst, GetLength() - nFirst);
}

CString CString::Mid(int nFirst, int nCount) const {
    // Out-of-range arguments are clamped, as MFC does in release builds.
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    int nLen = GetLength();
    if (nFirst > nLen)
        nFirst = nLen;
    if (nCount > nLen - nFirst)
        nCount = nLen - nFirst;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Left(int nCount) const {
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const {
    int nLen = GetLength();
    if (nCount < 0)
        nCount = 0;
    if (nCount > nLen)
        nCount = nLen;
    return CString(m_pchData + nLen - nCount, nCount);
}

CString CString::SpanIncluding(LPCWSTR lpszCharSet) const {
    return Left((int)wcsspn(m_pchData, lpszCharSet));
}

CString CString::SpanExcluding(LPCWSTR lpszCharSet) const {
    return Left((int)wcscspn(m_pchData, lpszCharSet));
}

void CString::MakeUpper() {
    if (GetLength())
        CharUpperBuffW(m_pchData, GetLength());
}

void CString::MakeLower() {
    if (GetLength())
        CharLowerBuffW(m_pchData, GetLength());
}

void CString::MakeReverse() {
    int n = GetLength();
    for (int i = 0; i < n / 2; ++i) {
        WCHAR t = m_pchData[i];
        m_pchData[i] = m_pchData[n - 1 - i];
        m_pchData[n - 1 - i] = t;
    }
}

int CString::Replace(WCHAR chOld, WCHAR chNew) {
    int nCount = 0;
    if (chOld == chNew)
        return 0;
    for (int i = 0; i < GetLength(); ++i)
        if (m_pchData[i] == chOld) {
            m_pchData[i] = chNew;
            ++nCount;
        }
    return nCount;
}

int CString::Replace(LPCWSTR lpszOld, LPCWSTR lpszNew) {
    int nOldLen = SafeLen(lpszOld);
    if (nOldLen == 0)
        return 0;
    int nNewLen = SafeLen(lpszNew);
    CString result;
    int nCount = 0;
    LPCWSTR p = m_pchData;
    LPCWSTR end = m_pchData + GetLength();
    while (p < end) {
        LPCWSTR hit = wcsstr(p, lpszOld);
        if (!hit) {
            result.ConcatInPlace((int)(end - p), p);
            break;
        }
        result.ConcatInPlace((int)(hit - p), p);
        result.ConcatInPlace(nNewLen, lpszNew);
        p = hit + nOldLen;
        ++nCount;
    }
    if (nCount)
        *this = std::move(result);
    return nCount;
}

int CString::Remove(WCHAR chRemove) {
    int n = GetLength();
    int j = 0;
    for (int i = 0; i < n; ++i)
        if (m_pchData[i] != chRemove)
            m_pchData[j++] = m_pchData[i];
    if (j != n) {
        m_pchData[j] = 0;
        GetData()->nDataLength = j;
    }
    return n - j;
}

int CString::Insert(int nIndex, WCHAR ch) {
    WCHAR s[2] = {ch, 0};
    return Insert(nIndex, s);
}

int CString::Insert(int nIndex, LPCWSTR pstr) {
    int nLen = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > nLen)
        nIndex = nLen;
    CString result(m_pchData, nIndex);
    result += pstr;
    result.ConcatInPlace(nLen - nIndex, m_pchData + nIndex);
    *this = std::move(result);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
    int nLen = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nCount > 0 && nIndex < nLen) {
        if (nCount > nLen - nIndex)
            nCount = nLen - nIndex;
        std::memmove(m_pchData + nIndex, m_pchData + nIndex + nCount,
                     (nLen - nIndex - nCount + 1) * sizeof(WCHAR));
        GetData()->nDataLength = nLen - nCount;
    }
    return GetLength();
}

static bool IsSpace(WCHAR c) {
    return c == ' ' || (c >= 9 && c <= 13);
}

void CString::TrimRight() {
    int n = GetLength();
    while (n > 0 && IsSpace(m_pchData[n - 1]))
        --n;
    if (n != GetLength()) {
        m_pchData[n] = 0;
        GetData()->nDataLength = n;
    }
}

void CString::TrimRight(WCHAR chTarget) {
    WCHAR s[2] = {chTarget, 0};
    TrimRight(s);
}

void CString::TrimRight(LPCWSTR lpszTargets) {
    int n = GetLength();
    while (n > 0 && wcschr(lpszTargets, m_pchData[n - 1]))
        --n;
    if (n != GetLength()) {
        m_pchData[n] = 0;
        GetData()->nDataLength = n;
    }
}

void CString::TrimLeft() {
    int i = 0;
    while (i < GetLength() && IsSpace(m_pchData[i]))
        ++i;
    Delete(0, i);
}

void CString::TrimLeft(WCHAR chTarget) {
    WCHAR s[2] = {chTarget, 0};
    TrimLeft(s);
}

void CString::TrimLeft(LPCWSTR lpszTargets) {
    int i = 0;
    while (i < GetLength() && wcschr(lpszTargets, m_pchData[i]))
        ++i;
    Delete(0, i);
}

int CString::Find(WCHAR ch) const {
    return Find(ch, 0);
}

int CString::Find(WCHAR ch, int nStart) const {
    if (nStart < 0)
        nStart = 0;
    for (int i = nStart; i < GetLength(); ++i)
        if (m_pchData[i] == ch)
            return i;
    return -1;
}

int CString::Find(LPCWSTR lpszSub) const {
    return Find(lpszSub, 0);
}

int CString::Find(LPCWSTR lpszSub, int nStart) const {
    if (!lpszSub || nStart > GetLength())
        return -1;
    if (nStart < 0)
        nStart = 0;
    LPCWSTR hit = wcsstr(m_pchData + nStart, lpszSub);
    return hit ? (int)(hit - m_pchData) : -1;
}

int CString::ReverseFind(WCHAR ch) const {
    for (int i = GetLength() - 1; i >= 0; --i)
        if (m_pchData[i] == ch)
            return i;
    return -1;
}

int CString::FindOneOf(LPCWSTR lpszCharSet) const {
    LPCWSTR hit = wcspbrk(m_pchData, lpszCharSet);
    return hit ? (int)(hit - m_pchData) : -1;
}

void CString::FormatV(LPCWSTR lpszFormat, va_list argList) {
    if (!lpszFormat) {
        Empty();
        return;
    }
    // The C runtime's own wide formatter: %s takes a wide string.
    va_list argCount;
    va_copy(argCount, argList);
    int n = _vscwprintf(lpszFormat, argCount);
    va_end(argCount);
    if (n <= 0) {
        Empty();
        return;
    }
    CString result;
    result.AllocBuffer(n);
    _vsnwprintf(result.m_pchData, n + 1, lpszFormat, argList);
    result.m_pchData[n] = 0;
    *this = std::move(result);
}

void AFX_CDECL CString::FormatArgs(LPCWSTR lpszFormat, ...) {
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

BOOL CString::LoadString(UINT nID) {
    HINSTANCE hInst = AfxFindStringResourceHandle(nID);
    if (!hInst) {
        Empty();
        return FALSE;
    }
    LPCWSTR p = nullptr;
    // With a zero buffer size LoadStringW hands back the resource text itself.
    int n = ::LoadStringW(hInst, nID, reinterpret_cast<LPWSTR>(&p), 0);
    if (n <= 0 || !p) {
        Empty();
        return FALSE;
    }
    AssignCopy(n, p);
    return TRUE;
}

LPWSTR CString::GetBuffer(int nMinBufLength) {
    if (nMinBufLength < GetLength())
        nMinBufLength = GetLength();
    if (nMinBufLength <= 0)
        nMinBufLength = 1; // a writable buffer, never the shared empty string
    if (m_pchData == EmptyChars() || nMinBufLength > GetData()->nAllocLength) {
        int nOld = GetLength();
        auto* data =
            static_cast<CStringData*>(std::malloc(sizeof(CStringData) + (nMinBufLength + 1) * sizeof(WCHAR)));
        if (!data)
            return nullptr;
        data->nDataLength = nOld;
        data->nAllocLength = nMinBufLength;
        std::memcpy(data->data(), m_pchData, (nOld + 1) * sizeof(WCHAR));
        if (m_pchData != EmptyChars())
            std::free(GetData());
        m_pchData = data->data();
    }
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength) {
    if (m_pchData == EmptyChars())
        return;
    int nAlloc = GetData()->nAllocLength;
    if (nNewLength < 0) {
        nNewLength = 0;
        while (nNewLength < nAlloc && m_pchData[nNewLength])
            ++nNewLength;
    }
    if (nNewLength > nAlloc)
        nNewLength = nAlloc;
    GetData()->nDataLength = nNewLength;
    m_pchData[nNewLength] = 0;
}

LPWSTR CString::GetBufferSetLength(int nNewLength) {
    if (nNewLength < 0)
        nNewLength = 0;
    LPWSTR p = GetBuffer(nNewLength);
    if (p) {
        GetData()->nDataLength = nNewLength;
        p[nNewLength] = 0;
    }
    return p;
}

void CString::FreeExtra() {
    if (m_pchData != EmptyChars() && GetData()->nDataLength != GetData()->nAllocLength) {
        CString tmp(m_pchData, GetLength());
        *this = std::move(tmp);
    }
}

BSTR CString::AllocSysString() const {
    return SysAllocStringLen(m_pchData, GetLength());
}

BOOL AFXAPI AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep) {
    rString.Empty();
    if (!lpszFullString)
        return FALSE;
    while (iSubString--) {
        lpszFullString = wcschr(lpszFullString, chSep);
        if (!lpszFullString)
            return FALSE;
        ++lpszFullString;
    }
    LPCTSTR end = wcschr(lpszFullString, chSep);
    int n = end ? (int)(end - lpszFullString) : (int)wcslen(lpszFullString);
    rString = CString(lpszFullString, n);
    return TRUE;
}

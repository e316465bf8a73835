#include "BitmapCache.h"

#include <afxwin.h>

BitmapCache::~BitmapCache() {
    Clear();
}

HBITMAP BitmapCache::Get(UINT resourceId) {
    const auto found = m_bitmaps.find(resourceId);
    if (found != m_bitmaps.end())
        return found->second;
    LPCWSTR name = MAKEINTRESOURCEW(resourceId);
    HBITMAP bitmap = ::LoadBitmapW(AfxFindResourceHandle(name, RT_BITMAP), name);
    if (bitmap)
        m_bitmaps.emplace(resourceId, bitmap);
    return bitmap;
}

void BitmapCache::Clear() {
    for (const auto& entry : m_bitmaps)
        ::DeleteObject(entry.second);
    m_bitmaps.clear();
}

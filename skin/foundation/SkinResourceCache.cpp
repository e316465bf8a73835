#include "SkinFoundation.h"

#include <cwchar>
#include <new>

namespace Tavrin {

bool FontKey::operator<(const FontKey& other) const {
    if (pointSize != other.pointSize)
        return pointSize < other.pointSize;
    if (bold != other.bold)
        return bold < other.bold;
    return std::wcscmp(faceName.c_str(), other.faceName.c_str()) < 0;
}

SkinResourceCache* SkinResourceCache::Instance() {
    // Created once and never destroyed: the fonts and brushes it hands out
    // are held by controls until the process ends.
    static SkinResourceCache* instance = new (std::nothrow) SkinResourceCache();
    return instance;
}

HFONT SkinResourceCache::GetFont(const FontKey& key) {
    if (key.pointSize <= 0 || key.pointSize > 100)
        return nullptr;
    SkinResourceCache* cache = Instance();
    if (!cache)
        return nullptr;
    try {
        auto found = cache->m_fonts.find(key);
        if (found != cache->m_fonts.end())
            return found->second;

        HWND desktop = GetDesktopWindow();
        HDC dc = GetDC(desktop);
        const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
        if (dc)
            ReleaseDC(desktop, dc);
        HFONT font = CreateFontW(-MulDiv(key.pointSize, dpi, 72), 0, 0, 0, key.bold ? FW_BOLD : FW_NORMAL,
                                 FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0, key.faceName.c_str());
        if (!font)
            return nullptr;
        cache->m_fonts.emplace(key, font);
        return font;
    } catch (...) {
        return nullptr;
    }
}

HBRUSH SkinResourceCache::GetSolidBrush(COLORREF colour) {
    SkinResourceCache* cache = Instance();
    if (!cache)
        return nullptr;
    try {
        auto found = cache->m_brushes.find(colour);
        if (found != cache->m_brushes.end())
            return found->second;
        HBRUSH brush = CreateSolidBrush(colour);
        if (!brush)
            return nullptr;
        cache->m_brushes.emplace(colour, brush);
        return brush;
    } catch (...) {
        return nullptr;
    }
}

} // namespace Tavrin

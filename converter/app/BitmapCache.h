// The program's bitmaps by resource id, loaded on first use and kept until
// program end (or Clear). Controls are handed these handles and never own
// them, so every toolbar state switch can ask again without reloading.
// GUI thread only.
#pragma once

#include <windows.h>

#include <cstddef>
#include <map>

class BitmapCache {
public:
    BitmapCache() = default;
    BitmapCache(const BitmapCache&) = delete;
    BitmapCache& operator=(const BitmapCache&) = delete;
    ~BitmapCache();

    // The cached bitmap of the resource; on a miss it is loaded from the
    // program's resources (or an extension library's). Null, and nothing
    // stored, when no such bitmap resource can be loaded. Callers never
    // delete what this returns.
    HBITMAP Get(UINT resourceId);

    // Deletes every cached bitmap and empties the cache.
    void Clear();

    std::size_t Count() const { return m_bitmaps.size(); }

private:
    std::map<UINT, HBITMAP> m_bitmaps;
};

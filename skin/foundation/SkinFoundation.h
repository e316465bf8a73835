// The services every skinned control draws with: the process-wide GDI+
// lifetime, colour conversion, the rounded path builders, the font and brush
// cache, the registered messages through which composite controls talk, and
// the double-buffered paint helper.
#pragma once

#include "TavrinExport.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <map>
#include <string>

namespace Tavrin {

// GDI+ runs while at least one skin object exists: the first constructor
// starts it, the last destructor shuts it down, and a later constructor
// starts it again.
class TAVRIN_API GdiplusSession {
public:
    static void Acquire();
    static void Release();

    // Number of outstanding Acquire calls.
    static int Count();
    // True while GDI+ is started by this session.
    static bool IsRunning();

private:
    static int s_count;
    static ULONG_PTR s_token;
};

// Holds the GDI+ session for as long as it lives: a skin object declares one
// as its first member, so GDI+ runs before anything else of it is made and
// stops only after everything else of it is gone. A copy holds its own.
class GdiplusSessionScope {
public:
    GdiplusSessionScope() { GdiplusSession::Acquire(); }
    GdiplusSessionScope(const GdiplusSessionScope&) { GdiplusSession::Acquire(); }
    GdiplusSessionScope& operator=(const GdiplusSessionScope&) { return *this; }
    ~GdiplusSessionScope() { GdiplusSession::Release(); }
};

// Opaque GDI+ colour of a COLORREF (0x00BBGGRR -> 0xFFRRGGBB).
TAVRIN_API Gdiplus::ARGB ToArgb(COLORREF colour);

// Path builders. They add to an existing path; a failing GDI+ call leaves its
// status as the path's last status and building goes on. They return S_OK, or
// E_FAIL (path untouched) for a negative radius or a missing path.
//
// Closed rounded rectangle; the right and bottom arcs sit one pixel inside so
// that a 1-pixel pen drawn along the path stays within the rectangle.
TAVRIN_API HRESULT AddRoundRectPath(const RECT& rect, int radius, Gdiplus::GraphicsPath* path);
// Resets the path first; a closed rounded rectangle on exact float edges.
TAVRIN_API HRESULT AddRoundRectPathF(const Gdiplus::RectF& rect, int radius, Gdiplus::GraphicsPath* path);
// Open outline of a tab header: left, top and right sides and the bottom line,
// with top-left radius a and top-right radius b.
TAVRIN_API HRESULT AddTopRoundedPath(const RECT& rect, int a, int b, Gdiplus::GraphicsPath* path);
// Open outline rounded on the left (radius a at both left corners).
TAVRIN_API HRESULT AddLeftRoundedPath(const RECT& rect, int a, int b, Gdiplus::GraphicsPath* path);
// Open outline rounded on the right (radius b at both right corners).
TAVRIN_API HRESULT AddRightRoundedPath(const RECT& rect, int a, int b, Gdiplus::GraphicsPath* path);

// Key of a cached font: point size, then bold, then face name (case-sensitive).
struct TAVRIN_API FontKey {
    int pointSize = 0;
    int bold = 0;
    std::wstring faceName;

    FontKey() = default;
    FontKey(const wchar_t* face, int size, int isBold) : pointSize(size), bold(isBold), faceName(face) {}

    bool operator<(const FontKey& other) const;
};

// Fonts and solid brushes shared by every control. Everything in the cache
// lives until the process ends: no caller deletes what it gets from here.
class TAVRIN_API SkinResourceCache {
public:
    // The single cache, created on first use; null only if creation fails.
    static SkinResourceCache* Instance();

    // Null when the point size is outside 1..100 or the font cannot be made.
    static HFONT GetFont(const FontKey& key);
    // Null when the brush cannot be made.
    static HBRUSH GetSolidBrush(COLORREF colour);

    SkinResourceCache(const SkinResourceCache&) = delete;
    SkinResourceCache& operator=(const SkinResourceCache&) = delete;

private:
    SkinResourceCache() = default;
    ~SkinResourceCache() = default;

    std::map<FontKey, HFONT> m_fonts;
    std::map<COLORREF, HBRUSH> m_brushes;
};

// The registered messages of the library, registered when it is loaded.
// Senders, receivers and parameters are described beside each control that
// uses them; the same name yields the same identifier in every module.
extern TAVRIN_API UINT MOUSE_OVER_NELO_SCROLLBAR_MSG;
extern TAVRIN_API UINT INIT_NELO_EDIT_MSG;
extern TAVRIN_API UINT ATTACH_NELO_EDIT_MSG;
extern TAVRIN_API UINT DETACH_NELO_EDIT_MSG;
extern TAVRIN_API UINT MOUSE_IN_NELO_EDIT_MSG;
extern TAVRIN_API UINT MOUSE_IN_NELO_SPIN_BUTTON_CTRL;
extern TAVRIN_API UINT CLOSE_SUB_MENU_NELO_MENU_MSG;
extern TAVRIN_API UINT BEGIN_DRAG_NELO_HEAD_CTRL_MSG;
extern TAVRIN_API UINT END_DAG_NELO_HEAD_CTRL_MSG;
extern TAVRIN_API UINT DROP_DOWN_CLOSE_NELO_COMBO_BOX_MSG;
extern TAVRIN_API UINT SELECT_ITEM_NELO_COMBO_BOX_MSG;
extern TAVRIN_API UINT MOUSE_WHEEL_NELO_COMBO_BOX_MSG;
extern TAVRIN_API UINT KEY_DOWN_NELO_COMBO_BOX_MSG;
extern TAVRIN_API UINT CHAR_NELO_COMBO_BOX_MSG;
extern TAVRIN_API UINT SET_TEXT_NELO_COMBO_BOX_MSG;
extern TAVRIN_API UINT ENABLE_COPY_PASTE_NELO_COMBO_BOX_MSG;
extern TAVRIN_API UINT FILTER_NELO_COMBO_BOX_MSG;
extern TAVRIN_API UINT GET_DLG_CODE_NELO_COMBO_BOX_MSG;
extern TAVRIN_API UINT MOUSE_MOVE_NELO_COMBO_BOX_MSG;
extern TAVRIN_API UINT SYSTEM_KEY_DOWN_NELO_COMBO_BOX_MSG;
extern TAVRIN_API UINT LBUTTON_UP_NELO_COMBO_BOX_MSG;
extern TAVRIN_API UINT INITIALIZE_NELO_DIVIDER_MSG;

// Registers all of the above; the library calls it while it is being loaded.
// Returns the number of messages that could not be registered (0 normally).
TAVRIN_API int RegisterSkinMessages();

// The shared double-buffered paint: a memory DC with a compatible bitmap of
// the target rectangle's size and a GDI+ Graphics on it. Draw into DC() and
// Graphics() with (0, 0) at the rectangle's top-left corner, then Present()
// copies the whole bitmap to the target at the rectangle's origin. The
// destructor restores the memory DC and deletes Graphics, bitmap and DC in
// that order, whether or not Present() ran.
//
// When no memory DC or bitmap can be made (a huge rectangle, an exhausted
// handle table) the buffer draws straight onto the target instead: DC() is
// then the target itself, clipped to the rectangle and with its origin moved
// to the rectangle's corner, so the same drawing code lands in the same
// place, only without double buffering. The destructor restores the target.
class TAVRIN_API SkinPaintBuffer {
public:
    SkinPaintBuffer(HDC target, const RECT& rect,
                    Gdiplus::SmoothingMode smoothing = Gdiplus::SmoothingModeAntiAlias);
    ~SkinPaintBuffer();

    SkinPaintBuffer(const SkinPaintBuffer&) = delete;
    SkinPaintBuffer& operator=(const SkinPaintBuffer&) = delete;

    // False only when there is nothing to draw on (no target, an empty
    // rectangle, or not even a Graphics on the target).
    bool IsValid() const { return m_graphics != nullptr; }
    // True when drawing goes to an offscreen bitmap, false when it goes
    // straight to the target.
    bool IsBuffered() const { return m_bitmap != nullptr; }
    HDC DC() const { return m_drawDC; }
    Gdiplus::Graphics& Graphics() { return *m_graphics; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // (0, 0, Width(), Height()).
    RECT LocalRect() const;

    // Copies the bitmap to the target (SRCCOPY), or only flushes GDI+ when
    // drawing went straight to the target; false when nothing could be shown.
    bool Present();

private:
    void DrawStraightOnTarget(const RECT& rect);

    HDC m_target = nullptr;
    HDC m_drawDC = nullptr;
    HDC m_memDC = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    int m_savedTarget = 0;
    Gdiplus::Graphics* m_graphics = nullptr;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
};

// Selects a GDI object into a DC for one scope and selects the previous one
// back when the scope ends. The object itself is borrowed, never deleted.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object)
        : m_dc(dc), m_old(object ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelectObject() {
        if (m_old)
            SelectObject(m_dc, m_old);
    }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// An owned GDI object (region, pen, brush, bitmap) deleted with its scope.
template <typename Handle> class OwnedGdiObject {
public:
    explicit OwnedGdiObject(Handle handle = nullptr) : m_handle(handle) {}
    ~OwnedGdiObject() {
        if (m_handle)
            DeleteObject(m_handle);
    }
    OwnedGdiObject(const OwnedGdiObject&) = delete;
    OwnedGdiObject& operator=(const OwnedGdiObject&) = delete;
    Handle Get() const { return m_handle; }
    operator Handle() const { return m_handle; }

private:
    Handle m_handle;
};

} // namespace Tavrin

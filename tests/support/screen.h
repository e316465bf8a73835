// Reading the screen back in window tests.
//
// A window paints into its own surface; the display driver copies that to
// the X server when the thread next waits, while the window's mapping and
// moves go over another connection. On a loaded machine the server may take
// them in either order, so a pixel read right after the paint can still show
// the root window (black) behind a window that was just shown, moved or
// maximized. The tests therefore wait, within a bound, until the screen
// shows what each window has drawn before they read it.
#pragma once

#include "pump.h"

#include <windows.h>

#include <vector>

namespace quorvex_test {

// The 32-bit pixels (0x00RRGGBB) of a rectangle of a device context.
inline std::vector<DWORD> GrabPixels(HDC source, int x, int y, int width, int height) {
    std::vector<DWORD> pixels;
    if (width <= 0 || height <= 0)
        return pixels;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP dib = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (memory && dib) {
        HGDIOBJ old = SelectObject(memory, dib);
        BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
        GdiFlush();
        const DWORD* p = static_cast<const DWORD*>(bits);
        pixels.resize(static_cast<size_t>(width) * height);
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = p[i] & 0x00FFFFFF;
        SelectObject(memory, old);
    }
    if (dib)
        DeleteObject(dib);
    if (memory)
        DeleteDC(memory);
    return pixels;
}

inline std::vector<DWORD> GrabScreen(const RECT& r) {
    HDC screen = GetDC(nullptr);
    std::vector<DWORD> pixels = GrabPixels(screen, r.left, r.top, r.right - r.left, r.bottom - r.top);
    ReleaseDC(nullptr, screen);
    return pixels;
}

inline COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

// True when the screen shows, over the visible part of a top-level window,
// what the window has drawn into its surface. Hidden and minimized windows
// show nothing and count as shown.
inline bool ScreenShowsWindow(HWND top) {
    if (!IsWindowVisible(top) || IsIconic(top))
        return true;
    RECT window;
    GetWindowRect(top, &window);
    HDC dc = GetWindowDC(top);
    if (!dc)
        return true;
    // What is visible of the window: its visible region (screen coordinates,
    // siblings above it cut out), inside its window region, on the screen.
    HRGN visible = CreateRectRgn(0, 0, 0, 0);
    bool shows = true;
    if (GetRandomRgn(dc, visible, SYSRGN) == 1) {
        HRGN shape = CreateRectRgn(0, 0, 0, 0);
        if (GetWindowRgn(top, shape) != ERROR) {
            OffsetRgn(shape, window.left, window.top);
            CombineRgn(visible, visible, shape, RGN_AND);
        }
        DeleteObject(shape);
        HRGN screenRect =
            CreateRectRgn(0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
        CombineRgn(visible, visible, screenRect, RGN_AND);
        DeleteObject(screenRect);

        RECT box;
        if (GetRgnBox(visible, &box) != NULLREGION) {
            const int width = box.right - box.left, height = box.bottom - box.top;
            const std::vector<DWORD> drawn =
                GrabPixels(dc, box.left - window.left, box.top - window.top, width, height);
            const std::vector<DWORD> shown = GrabScreen(box);
            std::vector<char> data(GetRegionData(visible, 0, nullptr));
            auto* region = reinterpret_cast<RGNDATA*>(data.data());
            if (drawn.size() != shown.size() || data.empty() ||
                !GetRegionData(visible, static_cast<DWORD>(data.size()), region)) {
                shows = false;
            } else {
                const RECT* rects = reinterpret_cast<const RECT*>(region->Buffer);
                for (DWORD i = 0; shows && i < region->rdh.nCount; ++i)
                    for (LONG y = rects[i].top; shows && y < rects[i].bottom; ++y)
                        for (LONG x = rects[i].left; x < rects[i].right; ++x) {
                            const size_t at = static_cast<size_t>(y - box.top) * width + (x - box.left);
                            if (drawn[at] != shown[at]) {
                                shows = false;
                                break;
                            }
                        }
            }
        }
    }
    DeleteObject(visible);
    ReleaseDC(top, dc);
    return shows;
}

// Waits until the screen shows every visible top-level window of this thread
// as drawn; false when that did not happen within timeoutMs. It dispatches
// nothing: the display driver takes in the server's events and copies the
// surfaces out while the thread waits.
inline bool WaitUntilShownOnScreen(DWORD timeoutMs = 2000) {
    auto allShown = [] {
        bool all = true;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND top, LPARAM lParam) -> BOOL {
                if (!ScreenShowsWindow(top)) {
                    *reinterpret_cast<bool*>(lParam) = false;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&all));
        return all;
    };
    const DWORD start = GetTickCount();
    while (!allShown()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// Pumps until idle, then until the screen shows what the windows drew: the
// point from which screen pixels may be read.
inline bool Settle(DWORD quietMs = 30, int maxRounds = 50, const Dispatch& dispatch = DispatchPlainly) {
    PumpUntilIdle(quietMs, maxRounds, dispatch);
    return WaitUntilShownOnScreen();
}

// Makes a window (frame, client, children) paint at once, then settles.
inline bool PaintNow(HWND window, const Dispatch& dispatch = DispatchPlainly) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return Settle(30, 50, dispatch);
}

} // namespace quorvex_test

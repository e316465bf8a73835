// Screen captures for pixel checks: a copy of the pixels under a window's
// client area, its whole window or any screen rectangle, taken once the
// screen shows what the windows drew (see screen.h).
#pragma once

#include "colours.h"
#include "screen.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <vector>

namespace quorvex_test {

class Capture {
public:
    static Capture Screen(const RECT& r) {
        Capture capture;
        capture.m_width = r.right - r.left;
        capture.m_height = r.bottom - r.top;
        if (capture.m_width <= 0 || capture.m_height <= 0)
            return capture;
        WaitUntilShownOnScreen();
        const std::vector<DWORD> pixels = GrabScreen(r);
        capture.m_pixels.resize(pixels.size());
        for (size_t i = 0; i < pixels.size(); ++i) {
            const DWORD v = pixels[i]; // 0x00RRGGBB
            capture.m_pixels[i] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
        }
        return capture;
    }
    static Capture Client(HWND window) {
        RECT r{};
        GetClientRect(window, &r);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return Screen(r);
    }
    static Capture Window(HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        return Screen(r);
    }
    // The pixels of a device context's rectangle (a memory DC printed into,
    // say), without waiting for the screen.
    static Capture Of(HDC dc, const RECT& r) {
        Capture capture;
        capture.m_width = r.right - r.left;
        capture.m_height = r.bottom - r.top;
        const std::vector<DWORD> pixels = GrabPixels(dc, r.left, r.top, capture.m_width, capture.m_height);
        capture.m_pixels.resize(pixels.size());
        for (size_t i = 0; i < pixels.size(); ++i) {
            const DWORD v = pixels[i];
            capture.m_pixels[i] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
        }
        return capture;
    }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    RECT Rect() const { return RECT{0, 0, m_width, m_height}; }
    COLORREF At(int x, int y) const {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return CLR_INVALID;
        return m_pixels[static_cast<size_t>(y) * m_width + x];
    }
    // Smallest rectangle holding every pixel for which test() is true; empty
    // (all zero) when there is none.
    RECT Bounds(const std::function<bool(COLORREF)>& test) const { return Bounds(test, Rect()); }
    RECT Bounds(const std::function<bool(COLORREF)>& test, const RECT& within) const {
        RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
        ForEach(within, [&](int x, int y, COLORREF c) {
            if (!test(c))
                return;
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x + 1);
            box.bottom = std::max<LONG>(box.bottom, y + 1);
        });
        return box.left == INT_MAX ? RECT{0, 0, 0, 0} : box;
    }
    int Count(const std::function<bool(COLORREF)>& test, const RECT& within) const {
        int n = 0;
        ForEach(within, [&](int, int, COLORREF c) { n += test(c) ? 1 : 0; });
        return n;
    }
    int Count(const std::function<bool(COLORREF)>& test) const { return Count(test, Rect()); }
    // Pixels that differ from another capture of the same size.
    int Differences(const Capture& other) const {
        if (other.m_width != m_width || other.m_height != m_height)
            return m_width * m_height;
        int n = 0;
        for (size_t i = 0; i < m_pixels.size(); ++i)
            n += m_pixels[i] != other.m_pixels[i];
        return n;
    }

private:
    template <typename Visit> void ForEach(const RECT& within, Visit visit) const {
        for (int y = std::max(0L, within.top); y < std::min<LONG>(m_height, within.bottom); ++y)
            for (int x = std::max(0L, within.left); x < std::min<LONG>(m_width, within.right); ++x)
                visit(x, y, At(x, y));
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};

// The screen pixel at client coordinates of a window, and at coordinates
// relative to its window rectangle, read once the screen shows what the
// windows drew.
inline COLORREF ClientPixel(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    WaitUntilShownOnScreen();
    return ScreenPixel(p.x, p.y);
}

// Without the wait, for callers that have just settled (Settle, PaintNow).
inline COLORREF WindowPixelNow(HWND window, int x, int y) {
    RECT r{};
    GetWindowRect(window, &r);
    return ScreenPixel(r.left + x, r.top + y);
}

inline COLORREF WindowPixel(HWND window, int x, int y) {
    RECT r{};
    GetWindowRect(window, &r);
    WaitUntilShownOnScreen();
    return ScreenPixel(r.left + x, r.top + y);
}

// The window has a one-pixel frame of one colour all around it: its edge
// pixels show the colour, its client area is two pixels smaller each way,
// and the pixel inside the frame is something else.
inline ::testing::AssertionResult FramedOnePixel(HWND window, COLORREF frame) {
    const Capture whole = Capture::Window(window);
    const int w = whole.Width(), h = whole.Height();
    const POINT edge[] = {{0, 0},         {w / 2, 0}, {w - 1, 0},     {0, h / 2},
                          {w - 1, h / 2}, {0, h - 1}, {w / 2, h - 1}, {w - 1, h - 1}};
    for (const POINT& p : edge)
        if (whole.At(p.x, p.y) != frame)
            return ::testing::AssertionFailure()
                   << "(" << p.x << ", " << p.y << ") is " << Describe(whole.At(p.x, p.y))
                   << ", not the frame " << Describe(frame);
    RECT client{};
    GetClientRect(window, &client);
    if (client.right != w - 2 || client.bottom != h - 2)
        return ::testing::AssertionFailure() << "the client area is " << client.right << " x "
                                             << client.bottom << " in a " << w << " x " << h << " window";
    if (whole.At(1, h / 2) == frame)
        return ::testing::AssertionFailure() << "the frame is more than one pixel wide";
    return ::testing::AssertionSuccess();
}

} // namespace quorvex_test

// The test machine itself: a 24-bit screen that gives back exact colours, and
// "Arial" resolved to a metric-compatible face, so that pixel and text tests
// elsewhere mean what they say.
#include "support/screen.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

LRESULT CALLBACK FillProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        HBRUSH brush = CreateSolidBrush(RGB(12, 34, 56));
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(dc, &rc, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

} // namespace

TEST(Environment, ScreenGivesBackExactColours) {
    HDC screen = GetDC(nullptr);
    EXPECT_GE(GetDeviceCaps(screen, BITSPIXEL), 24);
    ReleaseDC(nullptr, screen);

    WNDCLASSW wc = {};
    wc.lpfnWndProc = FillProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"EnvironmentFill";
    ASSERT_NE(0, RegisterClassW(&wc));
    HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 100, 100, 50, 50,
                                nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(nullptr, hwnd);
    UpdateWindow(hwnd);
    EXPECT_TRUE(quorvex_test::Settle()) << "the window did not reach the screen";

    EXPECT_EQ(RGB(12, 34, 56), quorvex_test::ScreenPixel(125, 125));
    DestroyWindow(hwnd);
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

TEST(Environment, ArialIsMetricCompatible) {
    HDC dc = CreateCompatibleDC(nullptr);
    LOGFONTW lf = {};
    lf.lfHeight = -100;
    wcscpy(lf.lfFaceName, L"Arial");
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32W(dc, L"W", 1, &size);
    // Arial's "W" advances 1933/2048 em: 94 pixels at a 100-pixel em.
    EXPECT_EQ(94, size.cx);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
}

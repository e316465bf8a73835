// Shared fixtures of the skinned button, static, group box, progress bar and
// tooltip tests: a framework dialog at the screen's top-left corner that
// hosts the controls, a message pump that gives PreTranslateMessage its turn,
// screen captures for pixel checks, and live GDI object counters.
#pragma once

#include <Tavrin.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "resource.h"

namespace buttons_test {

// The dialog every case draws into. It records the WM_COMMAND notifications
// that reach it, after reflection has given the controls their turn.
class HostDialog : public CDialog {
public:
    HostDialog();

    Tavrin::NeloButton templateButton;
    Tavrin::NeloStatic templateStatic;
    Tavrin::NeloGroupBox templateGroup;
    Tavrin::NeloProgressCtrl templateProgress;

    struct Command {
        UINT id;
        UINT code;
    };
    std::vector<Command> commands;
    int CountCommands(UINT id, UINT code) const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override {}
    void OnCancel() override {}
};

// The one host dialog of the program, active at (0, 0), made once for all
// cases (its template controls are set up once).
HostDialog* SharedHost();

// Base fixture: the cases add child controls to the shared host; every child
// a case created is destroyed after it.
class HostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND Host() const { return host->GetSafeHwnd(); }
    // A control window at exact pixel coordinates in the host's client area.
    HWND CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width,
                     int height, int id = 0, DWORD exStyle = 0);
    // Dispatches everything queued (PreTranslateMessage first) until idle.
    void Pump();
    // Pumps until done() holds or the timeout passes; true when it held.
    // For events the system delivers from its own timers (mouse leave,
    // tooltip delays), never as a fixed sleep.
    bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000);
    // Repaints a window (client, frame, children) now and pumps.
    void Repaint(HWND window);
    void DispatchThroughHost(MSG& msg);

    HostDialog* host = nullptr;
};

// A copy of the screen pixels under a window's client area (or whole window),
// taken once the screen shows what the windows drew.
class Capture {
public:
    static Capture Client(HWND window);
    static Capture Window(HWND window);
    static Capture Screen(const RECT& screenRect);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF At(int x, int y) const;
    // Smallest rectangle holding every pixel for which test() is true;
    // empty (all zero) when there is none.
    RECT Bounds(const std::function<bool(COLORREF)>& test) const;
    RECT Bounds(const std::function<bool(COLORREF)>& test, const RECT& within) const;
    int Count(const std::function<bool(COLORREF)>& test, const RECT& within) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};

// Screen pixel at client coordinates of a window, read once the screen shows
// what the windows drew.
COLORREF ClientPixel(HWND window, int x, int y);

bool Near(COLORREF a, COLORREF b, int tolerance);
std::string Describe(COLORREF c);

// GDI objects alive in this process, from the system's handle table.
int LiveGdiHandles();

// Finds the tooltip window that has a tool for a window (a button's own tip).
HWND FindToolTipOf(HWND tool);

} // namespace buttons_test

// Lets EXPECT_EQ print colours as (r, g, b).
#define EXPECT_COLOUR(expected, actual)                                                                      \
    EXPECT_EQ(::buttons_test::Describe(expected), ::buttons_test::Describe(actual))
#define EXPECT_COLOUR_NEAR(expected, actual, tolerance)                                                      \
    EXPECT_TRUE(::buttons_test::Near(expected, actual, tolerance))                                           \
        << "expected " << ::buttons_test::Describe(expected) << " got " << ::buttons_test::Describe(actual)

// A host for control tests: a framework dialog made from the test's own
// template, shown and active at a known screen position, that records the
// WM_COMMAND notifications reaching it after reflection gave the controls
// their turn. Controls come from the template (attached by data exchange, as
// applications attach them) or are added by the cases at exact pixel
// positions.
//
// One host serves a whole test program: under Wine without a window manager
// destroying a top-level window waits two seconds for a withdrawal that never
// comes. HostTest<HostType> is the fixture: it opens the shared host, gives
// PreTranslateMessage its turn while pumping, and destroys every child a case
// added.
#pragma once

#include "capture.h"
#include "colours.h"
#include "gdi_count.h"
#include "pump.h"
#include "screen.h"

#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace quorvex_test {

class HostDialog : public CDialog {
public:
    explicit HostDialog(UINT templateId);

    struct Command {
        UINT id;
        UINT code;
    };
    std::vector<Command> commands;
    int CountCommands(UINT id, UINT code) const;

    // Creates the dialog modeless, shown and active with its top-left corner
    // at (x, y) on the screen, and remembers the children of its template.
    bool Open(int x, int y);
    bool IsTemplateChild(HWND child) const;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override {}
    void OnCancel() override {}

private:
    UINT m_templateId;
    std::vector<HWND> m_templateChildren;
};

// Remembers the program's one host and destroys it after the last case.
void KeepHost(HostDialog* host);
HostDialog* KeptHost();

// Dispatches a message the way the framework's own loop does: the target's
// PreTranslateMessage chain first.
void DispatchThroughFramework(MSG& msg, HWND top);

// A window's own font (WM_GETFONT).
inline HFONT WindowFontOf(HWND window) {
    return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

// GDI objects held by framework wrappers and live in the process.
struct GdiCounts {
    LONG wrappers;
    int handles;
};
GdiCounts CountGdi();

class HostTestBase : public ::testing::Test {
protected:
    // Opens (once) and activates the host; the pointer rests away from it.
    void Begin(HostDialog* shared);
    void TearDown() override;

    HWND Host() const { return m_host ? m_host->GetSafeHwnd() : nullptr; }
    // A control window at exact pixel coordinates in the host's client area.
    HWND CreateChild(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width,
                     int height, int id = 0, DWORD exStyle = 0);
    // Dispatches everything queued (PreTranslateMessage first) until idle.
    void Pump();
    // Pumps until done() holds or the timeout passes; true when it held. For
    // events the system delivers from its own timers (mouse leave, tooltip
    // delays), never as a fixed sleep.
    bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000);
    // Repaints a window (client, frame, children) now and pumps.
    void Repaint(HWND window);
    // Covers the host with another window, takes it away again and pumps:
    // everything is repainted the way the system repaints uncovered windows.
    void CoverAndUncover();
    // Where the pointer waits between cases.
    static POINT RestingPointer() { return POINT{1200, 1000}; }

private:
    HostDialog* m_host = nullptr;
};

// The fixture of a test program whose host is a HostType (a HostDialog with
// its template's controls as members).
template <typename HostType> class HostTest : public HostTestBase {
protected:
    void SetUp() override {
        if (!KeptHost()) {
            HostType* made = new HostType;
            if (made->Open(0, 0))
                KeepHost(made);
            else
                delete made;
        }
        host = static_cast<HostType*>(KeptHost());
        ASSERT_NE(nullptr, host) << "the host dialog could not be made";
        Begin(host);
    }
    HostType* host = nullptr;
};

} // namespace quorvex_test

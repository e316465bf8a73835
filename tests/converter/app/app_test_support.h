// What the application's tests share: the process-wide objects the program
// creates at start-up, the recorder that stands in for ending the session,
// and finding the windows of a modal dialog that a command opened.
#pragma once

#include <UiContext.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace app_test {

// Every session-ending request the program made since the last Reset. The
// recorder is installed before any test runs and never removed: under Wine
// the real request would end every process of the prefix.
struct ExitRequest {
    UINT flags;
    DWORD reason;
};
std::vector<ExitRequest> ExitRequests();
void ResetExitRequests();

// The engine, the application context (catalogue and job settings) and the
// UiContext, created as start-up creates them and destroyed in the program's
// order (the engine first) when the scope ends. The current folder, which the
// main window changes, is restored.
class ProcessObjects {
public:
    ProcessObjects();
    ~ProcessObjects();
    ProcessObjects(const ProcessObjects&) = delete;
    ProcessObjects& operator=(const ProcessObjects&) = delete;

private:
    wchar_t m_folder[MAX_PATH];
};

// The visible top-level window of this thread with this title, or null.
HWND FindThreadWindow(const wchar_t* title);

// Runs open(), which shows a modal dialog titled `title` (at once or from a
// timer), and hands the dialog to act() from inside its modal loop; act must
// end the dialog. Returns whether act ran. Should act fail to end it, the
// dialog is cancelled after timeoutMs so that the test goes on.
bool WithModalDialog(const wchar_t* title, const std::function<void()>& open,
                     const std::function<void(HWND dialog)>& act, DWORD timeoutMs = 5000);

std::wstring WindowText(HWND window);

} // namespace app_test

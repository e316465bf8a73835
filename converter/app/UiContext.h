// The window side's process-wide state: the main window that the engine's
// callbacks post to, the action to carry out after a batch, the bitmaps, and
// the process token holding the shutdown privilege.
//
// Threads: the GUI thread creates and destroys the context and sets the
// window; worker threads read the window and the action through the engine's
// callbacks, so both are atomic. The engine is destroyed (its workers joined)
// before the context, so no callback outlives it.
#pragma once

#include "BitmapCache.h"

#include <windows.h>
#include <oleauto.h>

#include <atomic>
#include <string>

// Posted by the engine's callbacks to the main window. wParam is a system
// string (SysAllocString) with the input path, lParam 0 or a second one with
// the event's detail (the duration a probe found, the reason a file failed);
// the receiver frees both (see PostedPath). A probe's duration travels with
// its path, so nothing that happens in between can change what is listed.
enum : UINT {
    WM_PROBE_FINISHED = 2024,
    WM_CONVERT_STARTED = 2025,
    WM_CONVERT_FINISHED = 2026,
    WM_CONVERT_FAILED = 2027,
    WM_CONVERT_STOPPED = 2028,
    // A batch converted every file and an action is chosen: wParam the
    // action, lParam 0 (no strings). The window counts down before it acts.
    WM_BATCH_SUCCEEDED = 2029,
};

// What happens after a batch that converted every file.
enum PostTaskActionKind : int {
    PostTaskDoNothing = 0,
    PostTaskShutDown = 1,
    PostTaskLogOff = 2,
};

class UiContext {
public:
    UiContext() = default;
    UiContext(const UiContext&) = delete;
    UiContext& operator=(const UiContext&) = delete;
    ~UiContext();

    // The process-wide context: Instance creates it on first use, Current
    // answers null when there is none, DestroyInstance deletes it (at program
    // end, or between tests).
    static UiContext& Instance();
    static UiContext* Current();
    static void DestroyInstance();

    BitmapCache& Bitmaps() { return m_bitmaps; }

    HWND MainWindow() const { return m_mainWindow.load(); }
    void SetMainWindow(HWND window) { m_mainWindow.store(window); }

    int PostTaskAction() const { return m_postTaskAction.load(); }
    void SetPostTaskAction(int action) { m_postTaskAction.store(action); }

    // Enables the shutdown privilege of the process once; the token stays
    // open while the context lives. The result is not a condition of start-up.
    void EnableShutdownPrivilege();

private:
    BitmapCache m_bitmaps;
    std::atomic<HWND> m_mainWindow{nullptr};
    std::atomic<int> m_postTaskAction{PostTaskDoNothing};
    HANDLE m_token = nullptr;
};

// Posts the message with newly allocated copies of the path and (when not
// empty) the detail to the main window. False when there is no context or
// window or the post fails; the copies are then freed here, so a late
// message never leaks its strings.
bool PostPathToMainWindow(UINT message, const std::wstring& path,
                          const std::wstring& detail = std::wstring());

// Frees the strings of an engine message that will never be handled (one
// left in the queue of a window that is going away).
void FreePostedStrings(const MSG& message);

// The receiving end: owns a posted string (wParam or lParam) and frees it
// when the handler ends, whatever it does.
class PostedPath {
public:
    explicit PostedPath(WPARAM parameter) : m_text(reinterpret_cast<BSTR>(parameter)) {}
    PostedPath(const PostedPath&) = delete;
    PostedPath& operator=(const PostedPath&) = delete;
    ~PostedPath();

    // The text, empty when none was sent.
    const wchar_t* Text() const { return m_text ? m_text : L""; }

private:
    BSTR m_text;
};

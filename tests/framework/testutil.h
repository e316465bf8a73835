// Helpers shared by the framework's window tests.
#pragma once
#include <afxwin.h>

// Dispatches everything queued until the thread has been idle for a moment
// (no fixed sleeps: waits only while messages may still arrive).
inline void PumpUntilIdle() {
    for (int round = 0; round < 50; ++round) {
        MSG msg;
        bool any = false;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            any = true;
        }
        if (!any && MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT) == WAIT_TIMEOUT)
            break;
    }
}

// Top-level windows of this thread (for window-leak checks).
inline int CountThreadWindows() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND, LPARAM lParam) -> BOOL {
            ++*reinterpret_cast<int*>(lParam);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

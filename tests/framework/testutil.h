// Helpers shared by the framework's window tests.
#pragma once
#include <afxwin.h>

#include "support/pump.h"

#include <functional>

using quorvex_test::PumpUntil;
using quorvex_test::PumpUntilIdle;

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

// Commands that reach the test program's application object go here first
// (when set); true means the application handled it.
std::function<bool(UINT id)>& AppCommandHook();

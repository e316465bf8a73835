// The message pump of the window tests: dispatches until the thread has been
// quiet for a moment, or until a condition holds. No fixed sleeps: it waits
// only while messages may still arrive.
#pragma once

#include <windows.h>

#include <functional>

namespace quorvex_test {

// How a pumped message is handed on; the default translates and dispatches.
using Dispatch = std::function<void(MSG&)>;

inline void DispatchPlainly(MSG& msg) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

// Returns once nothing has arrived for quietMs, or after maxRounds of
// arrivals (timers may keep coming for a while after a change).
inline void PumpUntilIdle(DWORD quietMs = 30, int maxRounds = 50,
                          const Dispatch& dispatch = DispatchPlainly) {
    for (int round = 0; round < maxRounds; ++round) {
        MSG msg;
        bool any = false;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            dispatch(msg);
            any = true;
        }
        if (!any && MsgWaitForMultipleObjects(0, nullptr, FALSE, quietMs, QS_ALLINPUT) == WAIT_TIMEOUT)
            break;
    }
}

// Pumps until done() holds or timeoutMs passes; true when it held. For
// events the system delivers from its own timers (mouse leave, tooltip
// delays).
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000,
                      const Dispatch& dispatch = DispatchPlainly) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            dispatch(msg);
        if (done())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

} // namespace quorvex_test

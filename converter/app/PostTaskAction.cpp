#include "PostTaskAction.h"

#include "UiContext.h"

#include <atomic>

namespace {

// Read on the worker thread, replaced by tests on theirs.
std::atomic<ExitWindowsFunction> g_exitWindows{&::ExitWindowsEx};
std::atomic<CountdownSecondsSource> g_countdownSource{nullptr};
constexpr int kCountdownSeconds = 60;

} // namespace

ExitWindowsFunction SetExitWindowsFunction(ExitWindowsFunction function) {
    return g_exitWindows.exchange(function ? function : &::ExitWindowsEx);
}

bool RunPostTaskAction(int action) {
    UINT flags = 0;
    switch (action) {
    case PostTaskShutDown:
        flags = EWX_POWEROFF;
        break;
    case PostTaskLogOff:
        flags = EWX_LOGOFF;
        break;
    default:
        return false;
    }
    g_exitWindows.load()(flags, 0);
    return true;
}

void OnBatchFinished() {
    UiContext* context = UiContext::Current();
    if (!context)
        return;
    const int action = context->PostTaskAction();
    if (action != PostTaskShutDown && action != PostTaskLogOff)
        return;
    const HWND window = context->MainWindow();
    if (window && ::IsWindow(window) && ::PostMessageW(window, WM_BATCH_SUCCEEDED, action, 0))
        return;
    RunPostTaskAction(action);
}

void SetCountdownSecondsSource(CountdownSecondsSource source) {
    g_countdownSource.store(source);
}

int CountdownSeconds() {
    const CountdownSecondsSource source = g_countdownSource.load();
    const int seconds = source ? source() : kCountdownSeconds;
    return seconds > 0 ? seconds : kCountdownSeconds;
}

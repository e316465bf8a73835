#include "PostTaskAction.h"

#include "UiContext.h"

#include <atomic>

namespace {

// Read on the worker thread, replaced by tests on theirs.
std::atomic<ExitWindowsFunction> g_exitWindows{&::ExitWindowsEx};

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
    if (UiContext* context = UiContext::Current())
        RunPostTaskAction(context->PostTaskAction());
}

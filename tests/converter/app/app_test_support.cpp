#include "app_test_support.h"

#include <ConversionEngine.h>
#include <PostTaskAction.h>

#include "support/pump.h"

#include <mutex>

namespace app_test {

namespace {

std::mutex g_requestsMutex;
std::vector<ExitRequest> g_requests;

BOOL WINAPI RecordExitRequest(UINT flags, DWORD reason) {
    std::lock_guard<std::mutex> guard(g_requestsMutex);
    g_requests.push_back({flags, reason});
    return TRUE;
}

// Installed while the program's statics are initialised, before any test.
[[maybe_unused]] const ExitWindowsFunction g_realExitWindows = SetExitWindowsFunction(&RecordExitRequest);

struct ModalState {
    const wchar_t* title = nullptr;
    std::function<void(HWND)> act;
    DWORD start = 0;
    DWORD timeoutMs = 0;
    bool acted = false;
    UINT_PTR timer = 0;
};
ModalState* g_modal = nullptr;

void CALLBACK ModalTimer(HWND, UINT, UINT_PTR, DWORD) {
    ModalState* state = g_modal;
    if (!state)
        return;
    HWND dialog = FindThreadWindow(state->title);
    if (!dialog)
        return;
    if (!state->acted) {
        state->acted = true;
        state->act(dialog);
    } else if (GetTickCount() - state->start > state->timeoutMs) {
        // The action did not end it: cancel, so that the test can report.
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

} // namespace

std::vector<ExitRequest> ExitRequests() {
    std::lock_guard<std::mutex> guard(g_requestsMutex);
    return g_requests;
}

void ResetExitRequests() {
    std::lock_guard<std::mutex> guard(g_requestsMutex);
    g_requests.clear();
}

ProcessObjects::ProcessObjects() {
    GetCurrentDirectoryW(MAX_PATH, m_folder);
    ConversionEngine::Instance();
    AppContext::Instance().Initialize();
    UiContext::Instance();
}

ProcessObjects::~ProcessObjects() {
    ConversionEngine::DestroyInstance();
    AppContext::DestroyInstance();
    UiContext::DestroyInstance();
    SetCurrentDirectoryW(m_folder);
}

HWND FindThreadWindow(const wchar_t* title) {
    struct Search {
        const wchar_t* title;
        HWND found;
    } search{title, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            if (IsWindowVisible(window) && WindowText(window) == s->title) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WithModalDialog(const wchar_t* title, const std::function<void()>& open,
                     const std::function<void(HWND dialog)>& act, DWORD timeoutMs) {
    ModalState state;
    state.title = title;
    state.act = act;
    state.start = GetTickCount();
    state.timeoutMs = timeoutMs;
    g_modal = &state;
    state.timer = SetTimer(nullptr, 0, 20, &ModalTimer);
    open();
    // A dialog opened from the window's own timer appears while we pump.
    quorvex_test::PumpUntil([&state] { return state.acted && !FindThreadWindow(state.title); }, timeoutMs);
    KillTimer(nullptr, state.timer);
    g_modal = nullptr;
    return state.acted;
}

std::wstring WindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

} // namespace app_test

// Quorvex for the tests that let a batch end the session: the same program,
// except that each request to shut down or log off is written as a line
// "flags reason" to exit-requests.txt beside the executable instead of being
// made (under Wine the real request ends every process of the prefix), and
// that the countdown before it lasts as many seconds as countdown-seconds.txt
// beside the executable says, read when the countdown starts (60 without it).
#include <ConverterApp.h>
#include <PostTaskAction.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>

namespace {

// The path of a file beside the executable; false when it does not fit.
bool BesideProgram(const wchar_t* name, wchar_t (&path)[MAX_PATH]) {
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return false;
    wchar_t* slash = wcsrchr(path, L'\\');
    if (!slash || (slash - path) + wcslen(name) + 2 >= MAX_PATH)
        return false;
    wcscpy(slash + 1, name);
    return true;
}

int CountdownSecondsFromFile() {
    wchar_t path[MAX_PATH];
    if (!BesideProgram(L"countdown-seconds.txt", path))
        return 0;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    char text[16] = {};
    DWORD read = 0;
    ReadFile(file, text, sizeof(text) - 1, &read, nullptr);
    CloseHandle(file);
    return atoi(text);
}

BOOL WINAPI RecordExitRequest(UINT flags, DWORD reason) {
    wchar_t path[MAX_PATH];
    if (!BesideProgram(L"exit-requests.txt", path))
        return FALSE;
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    char line[64];
    const int length = snprintf(line, sizeof(line), "%u %lu\r\n", flags, static_cast<unsigned long>(reason));
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
    return TRUE;
}

// Installed while the statics are made, before the application object runs.
[[maybe_unused]] const ExitWindowsFunction g_realExitWindows = SetExitWindowsFunction(&RecordExitRequest);
[[maybe_unused]] const bool g_countdownFromFile = (SetCountdownSecondsSource(&CountdownSecondsFromFile), true);

} // namespace

ConverterApp theApp;

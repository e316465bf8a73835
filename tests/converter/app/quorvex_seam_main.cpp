// Quorvex for the tests that let a batch end the session: the same program,
// except that each request to shut down or log off is written as a line
// "flags reason" to exit-requests.txt beside the executable instead of being
// made (under Wine the real request ends every process of the prefix).
#include <ConverterApp.h>
#include <PostTaskAction.h>

#include <windows.h>

#include <cstdio>

namespace {

BOOL WINAPI RecordExitRequest(UINT flags, DWORD reason) {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return FALSE;
    wchar_t* slash = wcsrchr(path, L'\\');
    if (!slash || (slash - path) + 18 >= MAX_PATH)
        return FALSE;
    wcscpy(slash + 1, L"exit-requests.txt");
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

} // namespace

ConverterApp theApp;

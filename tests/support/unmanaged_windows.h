// Without a window manager (the tests' Xvfb has none) Wine waits two seconds
// for the manager to withdraw every hidden or destroyed window it believes
// managed. A test program declares its windows unmanaged for itself only
// (never for the whole prefix, which the real program shares), through the
// display driver's per-program settings.
#pragma once

#include <windows.h>

#include <string>

namespace quorvex_test {

inline std::wstring ProgramFileName() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const wchar_t* name = path;
    for (DWORD i = 0; i < n; ++i)
        if (path[i] == L'\\' || path[i] == L'/')
            name = path + i + 1;
    return name;
}

// Runs this program again with the same command line and standard handles,
// and returns its exit code. The child lives in a job that ends with us, so
// a runner that kills this process kills it too.
inline DWORD RunProgramAgain() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring commandLine = GetCommandLineW();
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi{};
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (job) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
    }
    if (!CreateProcessW(path, &commandLine[0], nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr, nullptr,
                        &si, &pi)) {
        if (job)
            CloseHandle(job);
        return 1;
    }
    if (job)
        AssignProcessToJobObject(job, pi.hProcess);
    ResumeThread(pi.hThread);
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (job)
        CloseHandle(job);
    return code;
}

// Declares this program's windows unmanaged. Call first thing in main, before
// any window exists. The display driver reads the setting when it loads; when
// a library this program links (comctl32, for one) has loaded it already and
// the setting is new, the program runs once more as a child that reads it,
// and this process ends with the child's exit code.
inline void UseUnmanagedWindows() {
    const std::wstring key = L"Software\\Wine\\AppDefaults\\" + ProgramFileName() + L"\\X11 Driver";
    wchar_t value[8] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"Managed", RRF_RT_REG_SZ, nullptr, value, &size) ==
            ERROR_SUCCESS &&
        (value[0] == L'N' || value[0] == L'n'))
        return;
    if (RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"Managed", REG_SZ, L"N", 2 * sizeof(wchar_t)) !=
        ERROR_SUCCESS)
        return;
    if (!GetModuleHandleW(L"winex11.drv"))
        return;
    ExitProcess(RunProgramAgain());
}

} // namespace quorvex_test

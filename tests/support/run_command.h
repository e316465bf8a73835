// Running a command line with its output read, for the tests that start
// encoders and the encoder fronts as processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quorvex_test {

struct RunResult {
    bool started = false;
    DWORD exitCode = 0;
    std::string output; // standard output and standard error together, as read
};

// How a test interrupts a running command.
enum class StopBy {
    Terminate,   // TerminateProcess, then wait for the process
    CloseOutput, // close the reading end of the output pipe, then wait
};

// Runs a command with both output streams on one pipe and reads it to the
// end. When stopWhen is not empty, the process is stopped as soon as its
// output contains that text; onStop(false) runs just before the stop and
// onStop(true) once the process has ended.
template <typename OnStop>
RunResult RunCommand(const std::wstring& commandLine, const std::string& stopWhen, OnStop onStop,
                     StopBy stopBy = StopBy::Terminate) {
    RunResult result;
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0))
        return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    si.hStdInput = nullptr;
    si.hStdOutput = writeEnd;
    si.hStdError = writeEnd;
    PROCESS_INFORMATION pi = {};
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    result.started =
        CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    if (!result.started) {
        CloseHandle(readEnd);
        return result;
    }
    bool stopped = false;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, chunk, sizeof(chunk), &got, nullptr) && got > 0) {
        result.output.append(chunk, got);
        if (!stopped && !stopWhen.empty() && result.output.find(stopWhen) != std::string::npos) {
            onStop(false);
            stopped = true;
            if (stopBy == StopBy::CloseOutput) {
                CloseHandle(readEnd);
                readEnd = nullptr;
                WaitForSingleObject(pi.hProcess, INFINITE);
                onStop(true);
                break;
            }
            TerminateProcess(pi.hProcess, 1);
            WaitForSingleObject(pi.hProcess, INFINITE);
            onStop(true);
        }
    }
    WaitForSingleObject(pi.hProcess, INFINITE);
    GetExitCodeProcess(pi.hProcess, &result.exitCode);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (readEnd)
        CloseHandle(readEnd);
    return result;
}

inline RunResult RunCommand(const std::wstring& commandLine) {
    return RunCommand(commandLine, std::string(), [](bool) {});
}

} // namespace quorvex_test

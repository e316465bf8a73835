// Helpers for tests that run the real encoder front (ffmpeg.exe, a winelib
// module) and, behind it, the system's ffmpeg under Wine.
#pragma once

#include "support/files.h"
#include "support/run_command.h"

#include <windows.h>

#include <string>
#include <vector>

namespace RealEncoder {

// The folder of the running test program, with a trailing backslash.
inline std::wstring ProgramFolder() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            std::wstring path(buffer.data(), length);
            return path.substr(0, path.find_last_of(L'\\') + 1);
        }
        buffer.resize(buffer.size() * 2);
    }
}

inline bool FileExists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

inline long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// A fresh folder under the Wine user's temporary folder.
inline std::wstring MakeTempFolder(const std::wstring& prefix) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + prefix + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                          std::to_wstring(GetTickCount());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

using quorvex_test::RemoveTree;

using quorvex_test::RunCommand;
using quorvex_test::RunResult;
using quorvex_test::StopBy;

using quorvex_test::ReadWholeFile;

// Command lines of the live (not zombie) Linux processes whose command line
// contains marker, read from /proc through Wine's Z: drive.
inline std::vector<std::string> LinuxProcessesWith(const std::string& marker) {
    std::vector<std::string> found;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &data);
    if (find == INVALID_HANDLE_VALUE)
        return found;
    do {
        std::wstring pid = data.cFileName;
        if (pid.empty() || pid.find_first_not_of(L"0123456789") != std::wstring::npos)
            continue;
        std::string commandLine = ReadWholeFile(L"Z:\\proc\\" + pid + L"\\cmdline");
        for (char& c : commandLine)
            if (c == '\0')
                c = ' ';
        if (commandLine.find(marker) == std::string::npos)
            continue;
        // The state follows the parenthesised name in stat; a zombie has ended.
        std::string stat = ReadWholeFile(L"Z:\\proc\\" + pid + L"\\stat");
        std::size_t close = stat.rfind(')');
        if (close != std::string::npos && close + 2 < stat.size() &&
            (stat[close + 2] == 'Z' || stat[close + 2] == 'X'))
            continue;
        found.push_back(commandLine);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return found;
}

// Polls until no live Linux process carries marker, for at most timeoutMs.
inline std::vector<std::string> LinuxProcessesLeftAfter(const std::string& marker, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        std::vector<std::string> left = LinuxProcessesWith(marker);
        if (left.empty() || GetTickCount() - start >= timeoutMs)
            return left;
        Sleep(20);
    }
}

inline std::string Utf8(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], size, nullptr,
                        nullptr);
    return out;
}

// Generates a test clip (moving test picture and a tone) through the encoder
// front, which passes the source options on to the system's ffmpeg.
inline bool MakeClip(const std::wstring& front, const std::wstring& path, double seconds,
                     const std::wstring& size = L"320x240") {
    std::wstring duration = std::to_wstring(seconds);
    std::wstring command = L"\"" + front + L"\" -f lavfi -i testsrc=size=" + size + L":rate=25:duration=" +
                           duration + L" -f lavfi -i sine=frequency=440:sample_rate=44100:duration=" +
                           duration + L" -c:v mpeg4 -q:v 5 -c:a libmp3lame -shortest -y \"" + path + L"\"";
    RunResult result = RunCommand(command);
    return result.started && result.exitCode == 0 && FileExists(path);
}

} // namespace RealEncoder

// Quorvex.exe as a person starts it: installed in a program folder whose
// name has blanks, found by its window title, its toolbar and About box
// reached through window and control identifiers, and closed.
#include "app_test_support.h"

#include <resource.h>

#include "support/files.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

std::wstring TestFolder() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

// The program with its DLLs, and the fake encoder as its ffmpeg.exe.
bool InstallProgram(const std::wstring& folder) {
    const std::wstring tests = TestFolder();
    const std::wstring bin = tests + L"..\\bin\\";
    CreateDirectoryW((tests + L"Program Files").c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    bool copied = true;
    for (const wchar_t* name : {L"Quorvex.exe", L"Framework.dll", L"Tavrin.dll"})
        copied &= CopyFileW((bin + name).c_str(), (folder + L"\\" + name).c_str(), FALSE) != FALSE;
    copied &= CopyFileW((tests + L"ffmpeg.exe").c_str(), (folder + L"\\ffmpeg.exe").c_str(), FALSE) != FALSE;
    return copied;
}

struct ProcessWindowSearch {
    DWORD processId;
    const wchar_t* title;
    HWND found;
};

// The visible top-level window of the process with this title.
HWND FindProcessWindow(DWORD processId, const wchar_t* title) {
    ProcessWindowSearch search{processId, title, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<ProcessWindowSearch*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId && IsWindowVisible(window) &&
                app_test::WindowText(window) == s->title) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The started program; ended by force if a test leaves it running.
struct RunningProgram {
    explicit RunningProgram(const std::wstring& program) {
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        // Started from elsewhere: the program must find its own folder.
        started = CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                 L"C:\\", &startup, &process) != FALSE;
    }
    ~RunningProgram() {
        if (!started)
            return;
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    bool started = false;
    PROCESS_INFORMATION process{};
};

TEST(Program, StartsFromAFolderWithBlanksAndEndsWhenClosed) {
    const std::wstring folder = TestFolder() + L"Program Files\\Quorvex Test";
    ASSERT_TRUE(InstallProgram(folder));
    // Start-up creates the output folder when it is missing (an empty one is
    // removed here; one with files in it simply stays).
    RemoveDirectoryW(L"C:\\MyVideo");

    RunningProgram program(folder + L"\\Quorvex.exe");
    ASSERT_TRUE(program.started);
    const DWORD id = program.process.dwProcessId;
    HWND main = nullptr;
    ASSERT_TRUE(quorvex_test::PumpUntil([&] { return (main = FindProcessWindow(id, L"Quorvex")) != nullptr; },
                                        30000));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(L"C:\\MyVideo"));

    // The toolbar: five skinned buttons side by side, all of one size.
    RECT previous{};
    for (int id :
         {IDC_BUTTON_ADD, IDC_BUTTON_REMOVE, IDC_BUTTON_CONVERT, IDC_BUTTON_STOP, IDC_BUTTON_SETTINGS}) {
        SCOPED_TRACE(testing::Message() << "button " << id);
        HWND button = GetDlgItem(main, id);
        ASSERT_NE(nullptr, button);
        EXPECT_TRUE(IsWindowVisible(button));
        EXPECT_EQ(static_cast<LONG>(BS_OWNERDRAW), GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK)
            << "painted by the skin";
        RECT r;
        GetWindowRect(button, &r);
        if (id != IDC_BUTTON_ADD) {
            EXPECT_EQ(previous.right, r.left);
            EXPECT_EQ(previous.top, r.top);
            EXPECT_EQ(previous.right - previous.left, r.right - r.left);
            EXPECT_EQ(previous.bottom - previous.top, r.bottom - r.top);
        }
        previous = r;
    }

    // Enter does not close the program: it still answers and opens its About
    // box from the system menu afterwards.
    DWORD_PTR result = 0;
    EXPECT_TRUE(SendMessageTimeoutW(main, WM_COMMAND, IDOK, 0, SMTO_NORMAL, 10000, &result));
    PostMessageW(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = nullptr;
    ASSERT_TRUE(quorvex_test::PumpUntil(
        [&] { return (about = FindProcessWindow(id, L"About Quorvex")) != nullptr; }, 10000));
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(L"Quorvex Version 1.2.0.1024", app_test::WindowText(GetDlgItem(about, IDC_STATIC_VERSION)));
    PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(quorvex_test::PumpUntil([&] { return !IsWindow(about); }, 10000));

    // Closing the window ends the program, which tears down cleanly.
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(program.process.hProcess, 20000));
    DWORD exitCode = 1;
    GetExitCodeProcess(program.process.hProcess, &exitCode);
    EXPECT_EQ(0u, exitCode);
}

} // namespace

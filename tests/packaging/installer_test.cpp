// The installer as a user meets it, under Wine: run silently into Program
// Files; the installed encoder front saying where the encoder goes until one
// is put there; the installed program converting a file with the fake
// encoder in its encoder folder, and failing one, with log.txt saying why,
// when the encoder has gone; and the uninstaller, which removes everything
// it installed and nothing else.
#include "program_driver.h"
#include "version.h"

#include "support/files.h"
#include "support/run_command.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

using program_driver::Program;

namespace {

const wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quorvex";
enum : int { kOutputEdit = 1001, kConvertButton = 1009 };

std::wstring KnownFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::wstring InstallFolder() {
    return KnownFolder(CSIDL_PROGRAM_FILES) + L"\\Quorvex";
}
std::wstring StartMenuFolder() {
    return KnownFolder(CSIDL_COMMON_PROGRAMS) + L"\\Quorvex";
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Every file below folder, by its path inside it, sorted.
void CollectFiles(const std::wstring& folder, const std::wstring& prefix, std::vector<std::wstring>& files) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..")
            continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CollectFiles(folder + L"\\" + name, prefix + name + L"\\", files);
        else
            files.push_back(prefix + name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}
std::vector<std::wstring> FilesUnder(const std::wstring& folder) {
    std::vector<std::wstring> files;
    CollectFiles(folder, L"", files);
    std::sort(files.begin(), files.end());
    return files;
}

std::wstring UninstallValue(const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kUninstallKey, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return L"<absent>";
    return value;
}
bool UninstallKeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// Runs a program and waits for it (within a bound); its exit code, or -1.
long RunAndWait(const std::wstring& commandLine) {
    std::wstring line = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<long>(code);
}

// What an earlier run may have left: the prefix is shared by every test.
void RemoveInstallation() {
    quorvex_test::RemoveTree(InstallFolder());
    quorvex_test::RemoveTree(StartMenuFolder());
    quorvex_test::RemoveTree(KnownFolder(CSIDL_PROGRAM_FILES) + L"\\Quorvex Extras");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kUninstallKey);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kUninstallKey);
}

class Installer : public testing::Test {
protected:
    void SetUp() override {
        RemoveInstallation();
        m_files = quorvex_test::FreshTempFolder(L"quorvex installed");
    }
    void TearDown() override {
        RemoveInstallation();
        quorvex_test::RemoveTree(m_files);
    }
    std::wstring m_files;
};

} // namespace

TEST_F(Installer, InstallsConvertsAndUninstallsLeavingTheUsersFiles) {
    const std::wstring setup = program_driver::TestFolder() + L"..\\dist\\Quorvex-" QUORVEX_VERSION_TEXT L"-setup.exe";
    ASSERT_TRUE(Exists(setup)) << "no installer; the build makes it with makensis and zip";
    ASSERT_EQ(0, RunAndWait(L"\"" + setup + L"\" /S"));

    const std::wstring folder = InstallFolder();
    EXPECT_EQ(L"C:\\Program Files\\Quorvex", folder);
    const std::vector<std::wstring> installed = {
        L"Framework.dll", L"LICENSE.txt", L"Quorvex.exe",   L"README.txt",
        L"Tavrin.dll",    L"Uninstall.exe", L"encoder\\README.txt", L"ffmpeg.exe"};
    EXPECT_EQ(installed, FilesUnder(folder));
    EXPECT_EQ((std::vector<std::wstring>{L"Quorvex.lnk", L"Uninstall Quorvex.lnk"}), FilesUnder(StartMenuFolder()));
    struct Value {
        const wchar_t* name;
        std::wstring expected;
    } values[] = {
        {L"DisplayName", L"Quorvex"},
        {L"DisplayVersion", L"1.2.0.1024"},
        {L"InstallLocation", L"C:\\Program Files\\Quorvex"},
        {L"UninstallString", L"\"C:\\Program Files\\Quorvex\\Uninstall.exe\""},
        {L"QuietUninstallString", L"\"C:\\Program Files\\Quorvex\\Uninstall.exe\" /S"},
    };
    for (const Value& v : values)
        EXPECT_EQ(v.expected, UninstallValue(v.name)) << v.name;

    // Before the user has put an encoder there, the front says where it goes.
    quorvex_test::RunResult bare =
        quorvex_test::RunCommand(L"\"" + folder + L"\\ffmpeg.exe\" -i \"C:\\in\\a.avi\"");
    EXPECT_EQ(127u, bare.exitCode);
    EXPECT_NE(std::string::npos, bare.output.find("into the folder C:\\Program Files\\Quorvex\\encoder\\"))
        << bare.output;

    // The user puts an encoder into encoder\ and converts a file.
    const std::wstring encoder = folder + L"\\encoder\\ffmpeg.exe";
    ASSERT_TRUE(CopyFileW((program_driver::TestFolder() + L"ffmpeg.exe").c_str(), encoder.c_str(), FALSE));
    const std::wstring input = m_files + L"\\holiday.mov", output = m_files + L"\\out";
    ASSERT_TRUE(quorvex_test::WriteWholeFile(input, "not really a film"));
    CreateDirectoryW(output.c_str(), nullptr);
    {
        program_driver::UnmanagedProgramWindows unmanaged;
        Program program(folder + L"\\Quorvex.exe");
        ASSERT_TRUE(program.Started());
        SendMessageTimeoutW(program.Item(kOutputEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(output.c_str()),
                            SMTO_NORMAL, 10000, nullptr);
        ASSERT_TRUE(program.AddThroughDialog(input));
        ASSERT_TRUE(program.WaitForRows(1));
        EXPECT_EQ(L"00:00:10", program.Cell(0, 2));
        program.Click(kConvertButton);
        EXPECT_TRUE(program.WaitForStatus(L"Convert successful."));
        EXPECT_EQ(L"100.0%", program.Cell(0, 3));
        // "AVI" in "WideScreen" is what the program starts with.
        EXPECT_TRUE(Exists(output + L"\\holiday.avi"));

        // The encoder taken away after a file was added: that file fails,
        // and log.txt beside the program says where the encoder belongs.
        const std::wstring beach = m_files + L"\\beach.mov";
        ASSERT_TRUE(quorvex_test::WriteWholeFile(beach, "not really a film"));
        ASSERT_TRUE(program.AddThroughDialog(beach));
        ASSERT_TRUE(program.WaitForRows(2));
        ASSERT_TRUE(MoveFileW(encoder.c_str(), (m_files + L"\\ffmpeg.exe").c_str()));
        program.Click(kConvertButton);
        EXPECT_TRUE(program.WaitForStatusStart(L"Convert file(s) wrong, please retry."));
        EXPECT_EQ(L"Failed", program.Cell(1, 3));
        const std::string log = quorvex_test::ReadWholeFile(folder + L"\\log.txt");
        EXPECT_NE(std::string::npos,
                  log.find("Quorvex: no encoder found. Put a Windows build of ffmpeg (ffmpeg.exe) into the "
                           "folder C:\\Program Files\\Quorvex\\encoder\\"))
            << log;
        ASSERT_TRUE(MoveFileW((m_files + L"\\ffmpeg.exe").c_str(), encoder.c_str()));
        EXPECT_TRUE(program.Close());
    }

    // Files of the user's own, in the program's folder and beside it.
    ASSERT_TRUE(quorvex_test::WriteWholeFile(folder + L"\\my notes.txt", "mine"));
    const std::wstring extras = KnownFolder(CSIDL_PROGRAM_FILES) + L"\\Quorvex Extras";
    CreateDirectoryW(extras.c_str(), nullptr);
    ASSERT_TRUE(quorvex_test::WriteWholeFile(extras + L"\\keep.txt", "mine"));

    // The uninstaller runs from a copy of itself, so that it can delete the
    // original: the call returns before the work is done.
    EXPECT_EQ(0, RunAndWait(L"\"" + folder + L"\\Uninstall.exe\" /S"));
    EXPECT_TRUE(program_driver::WaitFor(
        [&] { return !UninstallKeyExists() && !Exists(folder + L"\\Uninstall.exe"); }, 60000));
    EXPECT_EQ((std::vector<std::wstring>{L"encoder\\ffmpeg.exe", L"log.txt", L"my notes.txt"}),
              FilesUnder(folder));
    EXPECT_FALSE(Exists(StartMenuFolder()));
    EXPECT_FALSE(UninstallKeyExists());
    EXPECT_TRUE(Exists(extras + L"\\keep.txt"));
}

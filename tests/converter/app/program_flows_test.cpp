// Quorvex.exe operated as a person would, with the fake encoder beside it:
// files added through the real open-file dialog, the profile chosen, batches
// converted, stopped and failing, rows removed and cleared; and, with the
// test build whose session ending is only recorded, the post-task actions.
#include "program_driver.h"

#include "support/files.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

using program_driver::Program;
using program_driver::Row;

namespace {

// Control and command identifiers, as the program's resources define them.
enum : int {
    kOutputEdit = 1001,
    kSizeCombo = 1023,
    kQualityCombo = 1015,
    kProgressBar = 1005,
    kFileLabel = 1030,
    kRemoveButton = 1008,
    kConvertButton = 1009,
    kStopButton = 1012,
    kSettingsButton = 1029,
    kOpenButton = 1027,
    kPostTaskCombo = 1003,
    kMenuConvert = 32772,
    kMenuStop = 32773,
    kMenuClearAll = 32788,
    kMenuClearConverted = 32791,
    kMenuShutDown = 32786,
};

const char kProbeLines[] = "err Input #0, avi, from 'input':\\r\\n\n"
                           "err   Duration: 00:00:10.50, start: 0.000000, bitrate: 1000 kb/s\\r\\n\n"
                           "probe: exit 1\n";
// A conversion that reaches two seconds of ten, then waits for a file.
std::string WaitingConversion(const std::wstring& release) {
    std::string path(release.begin(), release.end());
    return std::string(kProbeLines) +
           "convert: err frame=   10 fps=0.0 q=2.0 size=      10kB time=00:00:02.00 bitrate= "
           "100.0kbits/s\\r\n"
           "convert: waitfile " +
           path + "\nconvert: output\n";
}
const char kFailingConversion[] = "err   Duration: 00:00:10.50, start: 0.000000\\r\\n\n"
                                  "probe: exit 1\n"
                                  "convert: err clip.avi: Invalid data found when processing input\\r\\n\n"
                                  "convert: exit 1\n";
// A probe that prints nothing: the encoder cannot read the file.
const char kUnreadable[] = "probe: exit 1\n";

using quorvex_test::WriteWholeFile;

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// A folder of inputs and an output folder, and the program installed in a
// program folder whose name has blanks.
class ProgramFlows : public testing::Test {
protected:
    void SetUp() override {
        m_inputs = quorvex_test::FreshTempFolder(L"quorvex flows");
        m_output = m_inputs + L"\\out";
        CreateDirectoryW(m_output.c_str(), nullptr);
    }
    void TearDown() override { quorvex_test::RemoveTree(m_inputs); }

    // An input file; with a script, the fake encoder does what it says for it.
    std::wstring Input(const wchar_t* name, const std::string& script = std::string()) {
        const std::wstring path = m_inputs + L"\\" + name;
        WriteWholeFile(path, "not really a film");
        if (!script.empty())
            WriteWholeFile(path + L".fake", script);
        return path;
    }
    std::wstring Install(const wchar_t* folderName, const std::wstring& program = std::wstring()) {
        const std::wstring folder = program_driver::TestFolder() + L"Program Files\\" + folderName;
        quorvex_test::RemoveTree(folder);
        return program_driver::InstallProgram(folder, program) ? folder : std::wstring();
    }
    static void UseOutputFolder(Program& program, const std::wstring& folder) {
        SendMessageTimeoutW(program.Item(kOutputEdit), WM_SETTEXT, 0,
                            reinterpret_cast<LPARAM>(folder.c_str()), SMTO_NORMAL, 10000, nullptr);
    }
    static Row Waiting(const std::wstring& path, const wchar_t* percent = L"0.0%", int image = 0) {
        Row row;
        row.image = image;
        row.name = path.substr(path.find_last_of(L'\\') + 1);
        row.duration = L"00:00:10";
        row.percent = percent;
        row.path = path;
        return row;
    }
    static Row Converted(const std::wstring& path) { return Waiting(path, L"100.0%", 2); }

    program_driver::UnmanagedProgramWindows m_unmanaged;
    std::wstring m_inputs;
    std::wstring m_output;
};

TEST_F(ProgramFlows, AddingChoosingConvertingRemovingAndClearing) {
    const std::wstring folder = Install(L"Quorvex Flows");
    ASSERT_FALSE(folder.empty());
    Program program(folder + L"\\Quorvex.exe");
    ASSERT_TRUE(program.Started());
    UseOutputFolder(program, m_output);
    EXPECT_EQ(L"Please add file(s)", program.Status());

    const std::wstring a = Input(L"a.avi"), b = Input(L"b clip.avi"), c = Input(L"c.avi"),
                       d = Input(L"d.avi");
    const std::wstring bad = Input(L"bad.avi", kUnreadable);

    // The row appears once the probe has read the duration.
    ASSERT_TRUE(program.AddThroughDialog(a));
    ASSERT_TRUE(program.WaitForRows(1));
    EXPECT_EQ(std::vector<Row>{Waiting(a)}, program.Rows());
    EXPECT_EQ(L"Total files: 1", program.Status());

    // The same file again, and a file the encoder cannot read: refused.
    ASSERT_TRUE(program.AddThroughDialog(a));
    EXPECT_TRUE(program.WaitForStatus(L"The file [ " + a + L" ] is in the list."));
    ASSERT_TRUE(program.AddThroughDialog(bad));
    EXPECT_TRUE(program.WaitForStatus(L"The file format is wrong, please select file again."));
    EXPECT_EQ(std::vector<Row>{Waiting(a)}, program.Rows());

    // From the menu: the dialog opens once the menu is gone.
    ASSERT_TRUE(program.AddThroughDialog(b, true));
    ASSERT_TRUE(program.WaitForRows(2));
    EXPECT_EQ((std::vector<Row>{Waiting(a), Waiting(b)}), program.Rows());

    // "IPhone" has one size; every target has the three qualities.
    program.SelectTarget(5);
    int selection = -1;
    ASSERT_TRUE(
        program_driver::WaitFor([&] { return program.ComboEntries(kSizeCombo, &selection).size() == 1; }));
    EXPECT_EQ(std::vector<std::wstring>{L"WideScreen"}, program.ComboEntries(kSizeCombo, &selection));
    EXPECT_EQ(0, selection);
    EXPECT_EQ((std::vector<std::wstring>{L"High", L"Normal", L"Low"}),
              program.ComboEntries(kQualityCombo, &selection));
    EXPECT_EQ(1, selection);

    // One selected row shows its path; two show nothing.
    program.SelectRows({1});
    EXPECT_TRUE(program.WaitForStatus(b));
    program.SelectRows({0, 1});
    EXPECT_TRUE(program.WaitForStatus(L""));

    program.Click(kConvertButton);
    ASSERT_TRUE(program.WaitForStatus(L"Convert successful."));
    EXPECT_EQ((std::vector<Row>{Converted(a), Converted(b)}), program.Rows());
    EXPECT_TRUE(Exists(m_output + L"\\a.m4v"));
    EXPECT_TRUE(Exists(m_output + L"\\b clip.m4v"));
    EXPECT_TRUE(IsWindowVisible(program.Item(1024)));
    EXPECT_FALSE(IsWindowVisible(program.Item(kProgressBar)));
    EXPECT_FALSE(IsWindowVisible(program.Item(kFileLabel)));

    // A list all converted: Convert and Remove do nothing until a file comes.
    program.Menu(kMenuClearConverted);
    program.Click(kConvertButton);
    ASSERT_TRUE(program.AddThroughDialog(c));
    ASSERT_TRUE(program.WaitForRows(3));
    program.Menu(kMenuClearConverted);
    ASSERT_TRUE(program.WaitForRows(1));
    EXPECT_EQ(std::vector<Row>{Waiting(c)}, program.Rows());
    EXPECT_EQ(L"Total files: 1", program.Status());

    ASSERT_TRUE(program.AddThroughDialog(d));
    ASSERT_TRUE(program.WaitForRows(2));
    program.SelectRows({0});
    program.Click(kRemoveButton);
    ASSERT_TRUE(program.WaitForRows(1));
    EXPECT_EQ(std::vector<Row>{Waiting(d)}, program.Rows());
    EXPECT_EQ(L"Total files: 1", program.Status());
    program.Menu(kMenuClearAll);
    ASSERT_TRUE(program.WaitForRows(0));
    EXPECT_TRUE(program.WaitForStatus(L"Please add file(s)"));

    // A folder that does not exist is reported; what was typed stays.
    const std::wstring typo = L"Q:\\no such\\folder";
    UseOutputFolder(program, typo);
    program.Click(kOpenButton);
    EXPECT_TRUE(program.WaitForStatus(L"The output folder is invalid path, please input again."));
    EXPECT_EQ(typo, program_driver::WindowText(program.Item(kOutputEdit)));

    EXPECT_TRUE(program.Close());
}

TEST_F(ProgramFlows, StopDuringTheSecondFileThenConvertAgainAndAFailingFile) {
    const std::wstring folder = Install(L"Quorvex Stop Test");
    ASSERT_FALSE(folder.empty());
    const std::wstring log = folder + L"\\log.txt";
    const std::wstring release = m_inputs + L"\\release";
    const std::wstring first = Input(L"one.avi"), second = Input(L"two.avi", WaitingConversion(release)),
                       third = Input(L"three.avi");
    Program program(folder + L"\\Quorvex.exe");
    ASSERT_TRUE(program.Started());
    UseOutputFolder(program, m_output);
    for (const std::wstring& file : {first, second, third})
        ASSERT_TRUE(program.AddThroughDialog(file));
    ASSERT_TRUE(program.WaitForRows(3));

    program.Click(kConvertButton);
    // The second file is at two seconds of ten: its row, the bar and the
    // label follow the ticks.
    ASSERT_TRUE(program_driver::WaitFor(
        [&] {
            std::vector<Row> rows = program.Rows();
            return rows.size() == 3 && rows[1].percent == L"20.0%" && rows[1].image == 1;
        },
        20000));
    EXPECT_EQ(Converted(first), program.Rows()[0]);
    EXPECT_EQ(L"Completed: 20.0%", program_driver::WindowText(program.Item(kFileLabel)));
    EXPECT_EQ(200, SendMessageW(program.Item(kProgressBar), PBM_GETPOS, 0, 0));

    program.Click(kStopButton);
    ASSERT_TRUE(program_driver::WaitFor([&] { return Exists(log); }));
    ASSERT_TRUE(program_driver::WaitFor([&] { return program.Rows()[1].percent == L"0.0%"; }));
    EXPECT_EQ((std::vector<Row>{Converted(first), Waiting(second), Waiting(third)}), program.Rows());
    EXPECT_EQ(L"Total files: 3", program.Status()) << "a stopped batch is not reported as converted";
    EXPECT_TRUE(IsWindowVisible(program.Item(1024)));

    // Convert at once after Stop: the rest of the list, in one new batch.
    WriteWholeFile(release, "go");
    program.Click(kConvertButton);
    ASSERT_TRUE(program.WaitForStatus(L"Convert successful."));
    EXPECT_EQ((std::vector<Row>{Converted(first), Converted(second), Converted(third)}), program.Rows());

    // A file that fails is shown failed; the file after it is not started.
    const std::wstring failing = Input(L"four.avi", kFailingConversion), fifth = Input(L"five.avi");
    ASSERT_TRUE(program.AddThroughDialog(failing));
    ASSERT_TRUE(program.AddThroughDialog(fifth));
    ASSERT_TRUE(program.WaitForRows(5));
    program.Menu(kMenuConvert);
    ASSERT_TRUE(program.WaitForStatusStart(L"Convert file(s) wrong, please retry."));
    EXPECT_NE(std::wstring::npos, program.Status().find(L"The encoder ended with code 1"))
        << program.Status();
    std::vector<Row> rows = program.Rows();
    ASSERT_EQ(5u, rows.size());
    EXPECT_EQ(Waiting(failing, L"Failed"), rows[3]);
    EXPECT_EQ(Waiting(fifth), rows[4]);
    program.SelectRows({3});
    EXPECT_TRUE(program.WaitForStatusStart(failing + L"  The encoder ended with code 1")) << program.Status();

    // Mended, it takes part in the next batch with the file after it.
    DeleteFileW((failing + L".fake").c_str());
    program.Click(kConvertButton);
    ASSERT_TRUE(program.WaitForStatus(L"Convert successful."));
    rows = program.Rows();
    ASSERT_EQ(5u, rows.size());
    EXPECT_EQ(Converted(failing), rows[3]);
    EXPECT_EQ(Converted(fifth), rows[4]);
    EXPECT_TRUE(program.Close());
}

std::string ExitRequests(const std::wstring& folder) {
    return quorvex_test::ReadWholeFile(folder + L"\\exit-requests.txt");
}

// The test build of the program records each request to end the session.
TEST_F(ProgramFlows, PostTaskActionsRunOnlyAfterABatchThatConvertedEveryFile) {
    const std::wstring folder =
        Install(L"Quorvex Seam Test", program_driver::TestFolder() + L"QuorvexSeam.exe");
    ASSERT_FALSE(folder.empty());
    Program program(folder + L"\\Quorvex.exe");
    ASSERT_TRUE(program.Started());
    UseOutputFolder(program, m_output);

    // Shut down, chosen in the menu.
    program.Menu(kMenuShutDown);
    ASSERT_TRUE(program.AddThroughDialog(Input(L"p1.avi")));
    ASSERT_TRUE(program.WaitForRows(1));
    program.Click(kConvertButton);
    ASSERT_TRUE(program.WaitForStatus(L"Convert successful."));
    ASSERT_TRUE(program_driver::WaitFor([&] { return ExitRequests(folder) == "8 0\r\n"; }));

    // Log off, chosen in the settings dialog.
    program.Click(kSettingsButton);
    HWND settings = nullptr;
    ASSERT_TRUE(program_driver::WaitFor([&] {
        return (settings = program_driver::FindProcessWindow(program.Id(), L"Settings")) != nullptr;
    }));
    SendMessageW(GetDlgItem(settings, kPostTaskCombo), CB_SETCURSEL, 2, 0);
    PostMessageW(settings, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(program_driver::WaitFor([&] { return !IsWindow(settings) || !IsWindowVisible(settings); }));
    ASSERT_TRUE(program.AddThroughDialog(Input(L"p2.avi")));
    ASSERT_TRUE(program.WaitForRows(2));
    program.Click(kConvertButton);
    ASSERT_TRUE(program.WaitForStatus(L"Convert successful."));
    ASSERT_TRUE(program_driver::WaitFor([&] { return ExitRequests(folder) == "8 0\r\n0 0\r\n"; }));

    // Stopped, then failing: neither ends the session.
    const std::wstring release = m_inputs + L"\\release";
    const std::wstring stopped = Input(L"p3.avi", WaitingConversion(release));
    ASSERT_TRUE(program.AddThroughDialog(stopped));
    ASSERT_TRUE(program.WaitForRows(3));
    program.Click(kConvertButton);
    ASSERT_TRUE(program_driver::WaitFor([&] { return program.Rows()[2].image == 1; }, 20000));
    program.Menu(kMenuStop);
    ASSERT_TRUE(program_driver::WaitFor([&] { return program.Rows()[2].image == 0; }));
    WriteWholeFile(release, "go");
    ASSERT_TRUE(program.AddThroughDialog(Input(L"p4.avi", kFailingConversion)));
    ASSERT_TRUE(program.WaitForRows(4));
    program.Click(kConvertButton);
    ASSERT_TRUE(program.WaitForStatusStart(L"Convert file(s) wrong, please retry."));
    EXPECT_EQ(L"100.0%", program.Rows()[2].percent) << "the stopped file converted in the next batch";
    EXPECT_EQ("8 0\r\n0 0\r\n", ExitRequests(folder));
    EXPECT_TRUE(program.Close());
}

} // namespace

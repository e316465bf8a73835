// Quorvex.exe operated as a person would, with the fake encoder beside it:
// files added through the real open-file dialog, the profile chosen, batches
// converted, stopped and failing, rows removed and cleared; and, with the
// test build whose session ending is only recorded, the post-task actions.
#include "program_driver.h"

#include "support/files.h"
#include "support/screen.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
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
    // The label keeps its text; the file's time left follows it in brackets.
    EXPECT_EQ(0u, program_driver::WindowText(program.Item(kFileLabel)).find(L"Completed: 20.0% ("))
        << program_driver::WindowText(program.Item(kFileLabel));
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

    // A file that fails is shown failed; the batch goes on with the file
    // after it.
    const std::wstring failing = Input(L"four.avi", kFailingConversion), fifth = Input(L"five.avi");
    ASSERT_TRUE(program.AddThroughDialog(failing));
    ASSERT_TRUE(program.AddThroughDialog(fifth));
    ASSERT_TRUE(program.WaitForRows(5));
    program.Menu(kMenuConvert);
    ASSERT_TRUE(program.WaitForStatusStart(L"Convert file(s) wrong, please retry. (1 of 2 failed)"));
    EXPECT_NE(std::wstring::npos, program.Status().find(L"The encoder ended with code 1"))
        << program.Status();
    std::vector<Row> rows = program.Rows();
    ASSERT_EQ(5u, rows.size());
    EXPECT_EQ(Waiting(failing, L"Failed"), rows[3]);
    EXPECT_EQ(Converted(fifth), rows[4]);
    program.SelectRows({3});
    EXPECT_TRUE(program.WaitForStatusStart(failing + L"  The encoder ended with code 1")) << program.Status();

    // Mended, it converts in the next batch.
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
    // The countdown before each action, left to run, lasts a second.
    WriteWholeFile(folder + L"\\countdown-seconds.txt", "1");
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

// The menu bar operated with the mouse, title and entry clicked where they
// are painted: each command reaches the window as the command paths above
// do, and the dialogs it opens come once the menu has closed.
TEST_F(ProgramFlows, MenuBarClickedWithTheMouse) {
    // The menus' entries in order: items and separators.
    const char kFile[] = "i-ii-i-i";     // Add File(s)..., Convert, Stop, Settings, Exit
    const char kEdit[] = "iii-i";        // Remove, Clear All, Clear All Converted, Open Output Folder
    const char kOptions[] = "ii";        // Post Task Actions >, Run In Background
    const char kPostTask[] = "iii";      // Do Nothing, Shut Down, Log Off
    const char kHelp[] = "i-i";          // Feedback and Support, About Quorvex
    enum { kFileTitle, kEditTitle, kOptionsTitle, kHelpTitle };

    const std::wstring folder = Install(L"Quorvex Menu Bar");
    ASSERT_FALSE(folder.empty());
    Program program(folder + L"\\Quorvex.exe");
    ASSERT_TRUE(program.Started());
    UseOutputFolder(program, m_output);

    // Four titles on the bar, left to right, above the toolbar.
    std::vector<RECT> titles;
    ASSERT_TRUE(program_driver::WaitFor([&] { return (titles = program.MenuBarTitles()).size() == 4; }))
        << titles.size() << " titles seen";
    RECT addButton{};
    GetWindowRect(program.Item(1007), &addButton);
    for (const RECT& title : titles)
        EXPECT_LE(title.bottom, addButton.top + 1) << "the bar lies above the toolbar";

    // "Add File(s)..." opens the real open-file dialog.
    {
        SCOPED_TRACE("File > Add File(s)...");
        ASSERT_TRUE(program.ChooseFromMenuBar(kFileTitle, {{kFile, 0}}));
        HWND dialog = nullptr;
        ASSERT_TRUE(program_driver::WaitFor(
            [&] { return (dialog = program_driver::FindProcessWindow(program.Id(), L"Open")) != nullptr; }));
        const std::wstring input = Input(L"menu bar.avi");
        ASSERT_TRUE(program_driver::ChooseFile(dialog, input));
        ASSERT_TRUE(program.WaitForRows(1));
        EXPECT_EQ(std::vector<Row>{Waiting(input)}, program.Rows());
    }
    // A post-task action chosen in the sub-menu is the one the settings
    // dialog (opened from the menu too) shows.
    const struct {
        int entry;
        int selection;
    } actions[] = {{2, 2}, {1, 1}, {0, 0}};
    for (const auto& action : actions) {
        SCOPED_TRACE(testing::Message() << "Options > Post Task Actions > entry " << action.entry);
        ASSERT_TRUE(program.ChooseFromMenuBar(kOptionsTitle, {{kOptions, 0}, {kPostTask, action.entry}}));
        ASSERT_TRUE(program.ChooseFromMenuBar(kFileTitle, {{kFile, 5}}));
        HWND settings = nullptr;
        ASSERT_TRUE(program_driver::WaitFor([&] {
            return (settings = program_driver::FindProcessWindow(program.Id(), L"Settings")) != nullptr;
        }));
        EXPECT_EQ(action.selection, SendMessageW(GetDlgItem(settings, kPostTaskCombo), CB_GETCURSEL, 0, 0));
        PostMessageW(settings, WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(program_driver::WaitFor([&] { return !IsWindow(settings) || !IsWindowVisible(settings); }));
    }
    // The sub-menu shows the check mark on the action last chosen in it:
    // the mark's dark strokes in the picture column of that row only.
    {
        SCOPED_TRACE("check marks");
        ASSERT_TRUE(program.ChooseFromMenuBar(kOptionsTitle, {{kOptions, 0}, {kPostTask, 1}}));
        ASSERT_TRUE(program.ChooseFromMenuBar(kOptionsTitle, {{kOptions, 0}}, true));
        HWND sub = nullptr;
        RECT subRect{};
        for (HWND popup : program.MenuPopups()) {
            RECT r;
            GetWindowRect(popup, &r);
            if (!sub || r.left > subRect.left)
                sub = popup, subRect = r;
        }
        ASSERT_NE(nullptr, sub);
        const int itemHeight = (subRect.bottom - subRect.top - 2) / 3;
        std::vector<int> marked;
        ASSERT_TRUE(program_driver::WaitFor([&] {
            HDC screen = GetDC(nullptr);
            marked.clear();
            for (int row = 0; row < 3; ++row) {
                const int top = subRect.top + 1 + row * itemHeight;
                const std::vector<DWORD> cell =
                    quorvex_test::GrabPixels(screen, subRect.left + 1, top, itemHeight - 2, itemHeight);
                int dark = 0;
                for (DWORD p : cell)
                    if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 110)
                        ++dark;
                marked.push_back(dark);
            }
            ReleaseDC(nullptr, screen);
            return marked[1] > 5;
        })) << "no mark on Shut Down";
        EXPECT_EQ(0, marked[0]) << "Do Nothing unmarked";
        EXPECT_EQ(0, marked[2]) << "Log Off unmarked";
        INPUT escape[2] = {};
        escape[0].type = escape[1].type = INPUT_KEYBOARD;
        escape[0].ki.wVk = escape[1].ki.wVk = VK_ESCAPE;
        escape[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, escape, sizeof(INPUT));
        ASSERT_TRUE(program_driver::WaitFor([&] { return program.MenuPopups().empty(); }));
    }
    // About from the Help menu.
    {
        SCOPED_TRACE("Help > About Quorvex");
        ASSERT_TRUE(program.ChooseFromMenuBar(kHelpTitle, {{kHelp, 2}}));
        HWND about = nullptr;
        ASSERT_TRUE(program_driver::WaitFor([&] {
            return (about = program_driver::FindProcessWindow(program.Id(), L"About Quorvex")) != nullptr;
        }));
        PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(program_driver::WaitFor([&] { return !IsWindow(about) || !IsWindowVisible(about); }));
    }
    // Clear All Files from the Edit menu.
    {
        SCOPED_TRACE("Edit > Clear All Files");
        ASSERT_TRUE(program.ChooseFromMenuBar(kEditTitle, {{kEdit, 1}}));
        ASSERT_TRUE(program.WaitForRows(0));
        EXPECT_TRUE(program.WaitForStatus(L"Please add file(s)"));
    }
    // Exit from the File menu ends the program.
    {
        SCOPED_TRACE("File > Exit");
        ASSERT_TRUE(program.ChooseFromMenuBar(kFileTitle, {{kFile, 7}}));
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(program.Process(), 20000));
    }
}

// The output folder's box shows the folder icon at its left, beside the
// text.
TEST_F(ProgramFlows, OutputFolderBoxWithItsIcon) {
    const std::wstring folder = Install(L"Quorvex Edit Box");
    ASSERT_FALSE(folder.empty());
    Program program(folder + L"\\Quorvex.exe");
    ASSERT_TRUE(program.Started());
    HWND edit = program.Item(kOutputEdit);
    ASSERT_NE(nullptr, edit);
    EXPECT_EQ(L"C:\\MyVideo", program_driver::WindowText(edit));
    RECT window{}, client{};
    GetWindowRect(edit, &window);
    GetClientRect(edit, &client);
    MapWindowPoints(edit, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_GE(client.left - window.left, 16) << "a 16-pixel icon left of the text";
    EXPECT_LE(client.right - client.left, (window.right - window.left) - 16);
    // Typed text still reaches the box and reads back.
    UseOutputFolder(program, m_output);
    EXPECT_EQ(m_output, program_driver::WindowText(edit));
    EXPECT_TRUE(program.Close());
}

// Watches the status line while waiting for a condition and returns every
// text it showed, in order, each once.
std::vector<std::wstring> StatusTextsUntil(Program& program, const std::function<bool()>& done,
                                           DWORD timeoutMs = 30000) {
    std::vector<std::wstring> seen;
    program_driver::WaitFor(
        [&] {
            const std::wstring text = program.Status();
            if (seen.empty() || seen.back() != text)
                seen.push_back(text);
            return done();
        },
        timeoutMs);
    const std::wstring last = program.Status();
    if (seen.empty() || seen.back() != last)
        seen.push_back(last);
    return seen;
}

// Ten files picked in one dialog: the two already listed and the one the
// encoder cannot read are each said in the status line in turn; the others
// are listed in the order picked.
TEST_F(ProgramFlows, ManyFilesPickedInOneDialog) {
    const std::wstring folder = Install(L"Quorvex Many");
    ASSERT_FALSE(folder.empty());
    Program program(folder + L"\\Quorvex.exe");
    ASSERT_TRUE(program.Started());
    const std::wstring a = Input(L"a.avi"), b = Input(L"b.avi");
    ASSERT_TRUE(program.AddThroughDialog(a));
    ASSERT_TRUE(program.AddThroughDialog(b));
    ASSERT_TRUE(program.WaitForRows(2));

    std::vector<std::wstring> picked = {L"a.avi", L"b.avi"};
    std::vector<std::wstring> added;
    for (const wchar_t* name : {L"c.avi", L"d.avi", L"e.avi", L"f.avi", L"g.avi", L"h.avi", L"i.avi"}) {
        added.push_back(Input(name));
        picked.push_back(name);
    }
    Input(L"bad.avi", kUnreadable);
    picked.insert(picked.begin() + 5, L"bad.avi"); // in the middle of the new ones
    ASSERT_EQ(10u, picked.size());
    ASSERT_TRUE(program.AddManyThroughDialog(m_inputs, picked));
    const std::vector<std::wstring> seen =
        StatusTextsUntil(program, [&] { return program.Rows().size() == 9 && program.Status() == L"Total files: 9"; });
    ASSERT_EQ(9u, program.Rows().size());
    const std::vector<std::wstring> notices = {
        L"The file [ " + a + L" ] is in the list.",
        L"The file [ " + b + L" ] is in the list.",
        L"The file format is wrong, please select file again.",
        L"Total files: 9",
    };
    // Every notice was shown, in this order, whatever came between them.
    size_t next = 0;
    for (const std::wstring& text : seen) {
        if (next < notices.size() && text == notices[next])
            ++next;
    }
    EXPECT_EQ(notices.size(), next) << "seen: " << testing::PrintToString(seen);

    std::vector<Row> expected = {Waiting(a), Waiting(b)};
    for (const std::wstring& path : added)
        expected.push_back(Waiting(path));
    EXPECT_EQ(expected, program.Rows());
    EXPECT_TRUE(program.Close());
}

// A steady pace (two seconds of film each second): the per-file label's time
// left and the progress bar's tip for the batch are within a fifth of what
// really remained.
TEST_F(ProgramFlows, TimeLeftForTheFileAndTheBatch) {
    const std::wstring folder = Install(L"Quorvex Time Left");
    ASSERT_FALSE(folder.empty());
    auto steady = [](int filmSeconds) {
        char line[160];
        snprintf(line, sizeof(line), "err   Duration: 00:%02d:%02d.00, start: 0.000000, bitrate: 1000 kb/s\\r\\n\n",
                 filmSeconds / 60, filmSeconds % 60);
        std::string script = std::string(line) + "probe: exit 1\n";
        for (int at = 2; at <= filmSeconds; at += 2) {
            snprintf(line, sizeof(line),
                     "convert: sleep 1000\nconvert: err frame=%5d fps=25 q=2.0 size=  10kB time=00:%02d:%02d.00 "
                     "bitrate= 100.0kbits/s\\r\n",
                     at * 25, at / 60, at % 60);
            script += line;
        }
        return script + "convert: output\n";
    };
    const std::wstring longer = Input(L"sixty seconds.avi", steady(120));
    const std::wstring shorter = Input(L"ten seconds.avi", steady(20));
    Program program(folder + L"\\Quorvex.exe");
    ASSERT_TRUE(program.Started());
    UseOutputFolder(program, m_output);
    ASSERT_TRUE(program.AddManyThroughDialog(m_inputs, {L"sixty seconds.avi", L"ten seconds.avi"}));
    ASSERT_TRUE(program.WaitForRows(2));
    EXPECT_EQ(L"00:02:00", program.Rows()[0].duration);

    program.Click(kConvertButton);
    // A third of the way into the first file.
    std::wstring label;
    ASSERT_TRUE(program_driver::WaitFor(
        [&] {
            label = program_driver::WindowText(program.Item(kFileLabel));
            return SendMessageW(program.Item(kProgressBar), PBM_GETPOS, 0, 0) >= 330 &&
                   label.find(L" left)") != std::wstring::npos;
        },
        60000))
        << label;
    const DWORD measured = GetTickCount();
    const std::wstring tip = program.ToolTipOf(kProgressBar);
    label = program_driver::WindowText(program.Item(kFileLabel));
    auto secondsOf = [](const std::wstring& text, size_t at) {
        int minutes = -1, seconds = -1;
        swscanf(text.c_str() + at, L"%d:%d", &minutes, &seconds);
        return minutes * 60 + seconds;
    };
    // "Completed: 33.3% (00:40 left)"
    ASSERT_EQ(0u, label.find(L"Completed: ")) << label;
    const size_t open = label.find(L" (");
    ASSERT_NE(std::wstring::npos, open) << label;
    const int fileLeft = secondsOf(label, open + 2);
    const std::wstring tipStart = L"Time left for all files: ";
    ASSERT_EQ(0u, tip.find(tipStart)) << tip;
    const int batchLeft = secondsOf(tip, tipStart.size());

    ASSERT_TRUE(program_driver::WaitFor([&] { return program.Rows()[0].percent == L"100.0%"; }, 90000));
    const double fileReally = (GetTickCount() - measured) / 1000.0;
    ASSERT_TRUE(program_driver::WaitFor([&] { return program.Rows()[1].percent == L"100.0%"; }, 60000));
    const double batchReally = (GetTickCount() - measured) / 1000.0;
    printf("time left: file %d s shown, %.1f s really; batch %d s shown, %.1f s really\n", fileLeft, fileReally,
           batchLeft, batchReally);
    EXPECT_NEAR(fileReally, fileLeft, 0.2 * fileReally) << label;
    EXPECT_NEAR(batchReally, batchLeft, 0.2 * batchReally) << tip;
    EXPECT_TRUE(program.WaitForStatus(L"Convert successful."));
    EXPECT_TRUE(program.Close());
}

HWND WaitForWindow(Program& program, const wchar_t* title, DWORD timeoutMs = 20000) {
    HWND found = nullptr;
    program_driver::WaitFor(
        [&] { return (found = program_driver::FindProcessWindow(program.Id(), title)) != nullptr; }, timeoutMs);
    return found;
}

// The countdown before shutting down: cancelled, nothing is asked and the
// window stays as the batch left it; left to run, the action is asked once.
// A batch with a failed file counts nothing down and asks nothing.
TEST_F(ProgramFlows, ShutdownCountdownCancelledLetRunAndNeverAfterAFailedFile) {
    const std::wstring folder =
        Install(L"Quorvex Countdown", program_driver::TestFolder() + L"QuorvexSeam.exe");
    ASSERT_FALSE(folder.empty());
    WriteWholeFile(folder + L"\\countdown-seconds.txt", "60");
    Program program(folder + L"\\Quorvex.exe");
    ASSERT_TRUE(program.Started());
    UseOutputFolder(program, m_output);
    program.Menu(kMenuShutDown);

    ASSERT_TRUE(program.AddThroughDialog(Input(L"c1.avi")));
    ASSERT_TRUE(program.WaitForRows(1));
    program.Click(kConvertButton);
    HWND countdown = WaitForWindow(program, L"Shut Down");
    ASSERT_NE(nullptr, countdown);
    EXPECT_EQ(L"Convert successful.", program.Status()) << "the batch's end is shown first";
    EXPECT_EQ(0u, program_driver::WindowText(GetDlgItem(countdown, 1041)).find(L"The computer will shut down in "));
    EXPECT_TRUE(program_driver::WaitFor(
        [&] { return program_driver::WindowText(GetDlgItem(countdown, 1041)) == L"The computer will shut down in 58 s."; },
        10000))
        << "it counts down each second";
    EXPECT_EQ(L"Shut Down Now", program_driver::WindowText(GetDlgItem(countdown, IDOK)));
    EXPECT_EQ(L"Cancel", program_driver::WindowText(GetDlgItem(countdown, IDCANCEL)));
    EXPECT_FALSE(IsWindowEnabled(program.Main())) << "the countdown is modal";
    PostMessageW(countdown, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(countdown, IDCANCEL)));
    ASSERT_TRUE(program_driver::WaitFor([&] { return !IsWindow(countdown) || !IsWindowVisible(countdown); }));
    ASSERT_TRUE(program_driver::WaitFor([&] { return IsWindowEnabled(program.Main()) != FALSE; }));
    EXPECT_EQ(L"Convert successful.", program.Status());
    EXPECT_EQ(Converted(m_inputs + L"\\c1.avi"), program.Rows()[0]);

    // Five files, the second failing: four converted, nothing counted down.
    std::vector<std::wstring> names, paths;
    for (const wchar_t* name : {L"f1.avi", L"f2.avi", L"f3.avi", L"f4.avi", L"f5.avi"}) {
        paths.push_back(Input(name, name == std::wstring(L"f2.avi") ? kFailingConversion : ""));
        names.push_back(name);
    }
    ASSERT_TRUE(program.AddManyThroughDialog(m_inputs, names));
    ASSERT_TRUE(program.WaitForRows(6));
    program.Click(kConvertButton);
    ASSERT_TRUE(program.WaitForStatusStart(L"Convert file(s) wrong, please retry. (1 of 5 failed)"))
        << program.Status();
    const std::vector<Row> expected = {Converted(m_inputs + L"\\c1.avi"), Converted(paths[0]),
                                       Waiting(paths[1], L"Failed"),       Converted(paths[2]),
                                       Converted(paths[3]),                Converted(paths[4])};
    EXPECT_EQ(expected, program.Rows());
    EXPECT_EQ(nullptr, WaitForWindow(program, L"Shut Down", 1500)) << "no countdown after a failed file";
    EXPECT_EQ("", ExitRequests(folder)) << "cancelled and failed: nothing asked";

    // Mended and converted again, the countdown is let run: one request.
    DeleteFileW((paths[1] + L".fake").c_str());
    WriteWholeFile(folder + L"\\countdown-seconds.txt", "2");
    program.Click(kConvertButton);
    countdown = WaitForWindow(program, L"Shut Down");
    ASSERT_NE(nullptr, countdown);
    ASSERT_TRUE(program_driver::WaitFor([&] { return !IsWindow(countdown) || !IsWindowVisible(countdown); }));
    ASSERT_TRUE(program_driver::WaitFor([&] { return !ExitRequests(folder).empty(); }));
    EXPECT_EQ("8 0\r\n", ExitRequests(folder));
    EXPECT_EQ(Converted(paths[1]), program.Rows()[2]);
    EXPECT_TRUE(program.Close());
    EXPECT_EQ("8 0\r\n", ExitRequests(folder)) << "one request, no more";
}

} // namespace

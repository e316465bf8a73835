// The main window's file list and batch in the test's own process: the
// engine's messages, the commands and their switches, collecting a batch,
// the folder browser, and a batch stopped through the real engine with the
// fake encoder.
#include "main_window_fixture.h"
#include "program_driver.h"

#include <ConversionEngine.h>
#include <FileListRows.h>
#include <PostTaskAction.h>
#include <UiContext.h>

#include "support/capture.h"
#include "support/files.h"
#include "support/input.h"

#include <shlobj.h>

#include <string>
#include <vector>

namespace {

TEST(FileListText, PermilleShownAsPercentWithOneDecimal) {
    const std::pair<int, const wchar_t*> cases[] = {
        {0, L"0.0%"},      {5, L"0.5%"},  {456, L"45.6%"},   {999, L"99.9%"},
        {1000, L"100.0%"}, {-3, L"0.0%"}, {1234, L"100.0%"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.second, PercentText(c.first).GetString()) << c.first;
}

struct Shown {
    int image;
    std::wstring percent;
};

class FileListTest : public MainWindowTest {
protected:
    CListCtrl& List() { return *static_cast<CListCtrl*>(CWnd::FromHandlePermanent(Item(IDC_LIST_FILES))); }
    int Rows() { return List().GetItemCount(); }
    Shown RowOf(int row) {
        LVITEMW item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        List().GetItem(&item);
        return {item.iImage, List().GetItemText(row, 3).GetString()};
    }
    std::wstring Text(int id) { return app_test::WindowText(Item(id)); }
    // What a worker posts, handled as the window's loop handles it.
    void Post(UINT message, const std::wstring& path, const std::wstring& detail = std::wstring()) {
        ASSERT_TRUE(PostPathToMainWindow(message, path, detail));
        quorvex_test::PumpUntilIdle();
    }
    void Click(int id) {
        SendMessageW(m_window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
    }
    void SelectOnly(std::initializer_list<int> rows) {
        List().SetItemState(-1, 0, LVIS_SELECTED);
        for (int row : rows)
            List().SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    }
};

TEST_F(FileListTest, ProbeResultsAddRowsOrSayWhyNot) {
    struct Case {
        const wchar_t* path;
        const wchar_t* duration;
        int rows;
        std::wstring status;
    };
    const Case cases[] = {
        {L"C:\\in\\a.avi", L"00:01:23", 1, L"Total files: 1"},
        {L"C:\\in\\b.avi", L"", 1, L"The file format is wrong, please select file again."},
        {L"C:\\in\\c.avi", L"00:00:00", 1, L"The file format is wrong, please select file again."},
        {L"C:\\in\\a.avi", L"00:01:23", 1, L"The file [ C:\\in\\a.avi ] is in the list."},
        {L"no folder.avi", L"00:00:05", 1, L"The file [ C:\\in\\a.avi ] is in the list."},
        {L"D:\\clips\\d e.mov", L"01:02:03", 2, L"Total files: 2"},
    };
    // Refusals are notices: each holds the status line for a moment, so the
    // next text may come a little later.
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.path << " " << c.duration);
        Post(WM_PROBE_FINISHED, c.path, c.duration);
        EXPECT_EQ(c.rows, Rows());
        EXPECT_TRUE(quorvex_test::PumpUntil([&] { return Text(IDC_STATIC_STATUS) == c.status; }, 10000))
            << Text(IDC_STATIC_STATUS);
    }
    const wchar_t* const second[] = {L"d e.mov", L"01:02:03", L"0.0%", L"D:\\clips\\d e.mov"};
    for (int column = 1; column < 5; ++column)
        EXPECT_STREQ(second[column - 1], List().GetItemText(1, column).GetString()) << column;
    EXPECT_EQ(0, RowOf(1).image);
    // The first file makes Remove and Convert (with the profile) usable.
    EXPECT_TRUE(m_dialog.IsRemoveEnabled());
    EXPECT_TRUE(m_dialog.IsConvertEnabled());
    EXPECT_TRUE(m_dialog.IsProfileEnabled());
    EXPECT_FALSE(m_dialog.IsStopEnabled());

    // The selection: one row shows its path, two nothing, none changes nothing.
    SelectOnly({0});
    EXPECT_EQ(L"C:\\in\\a.avi", Text(IDC_STATIC_STATUS));
    SelectOnly({0, 1});
    EXPECT_EQ(L"", Text(IDC_STATIC_STATUS));
    SelectOnly({1});
    m_dialog.SetStatusText(L"kept");
    List().SetItemState(1, 0, LVIS_SELECTED);
    EXPECT_EQ(L"kept", Text(IDC_STATIC_STATUS));
}

TEST_F(FileListTest, BatchMessagesChangeOnlyTheirRow) {
    for (const wchar_t* path : {L"C:\\in\\a.avi", L"C:\\in\\b.avi"})
        Post(WM_PROBE_FINISHED, path, L"00:00:10");
    struct Case {
        UINT message;
        const wchar_t* path;
        const wchar_t* detail;
        Shown a, b;
        const wchar_t* label; // null: as before
        int bar;              // -1: as before
    };
    const Case cases[] = {
        {WM_CONVERT_STARTED, L"C:\\in\\a.avi", L"", {1, L"0.0%"}, {0, L"0.0%"}, L"0.0%", 0},
        {WM_CONVERT_FINISHED,
         L"C:\\in\\a.avi",
         L"",
         {2, L"100.0%"},
         {0, L"0.0%"},
         L"Completed: 100.0%",
         1000},
        {WM_CONVERT_STARTED, L"C:\\in\\b.avi", L"", {2, L"100.0%"}, {1, L"0.0%"}, L"0.0%", 0},
        {WM_CONVERT_FAILED,
         L"C:\\in\\b.avi",
         L"The encoder ended with code 1.",
         {2, L"100.0%"},
         {0, L"Failed"},
         nullptr,
         -1},
        {WM_CONVERT_STARTED, L"C:\\in\\b.avi", L"", {2, L"100.0%"}, {1, L"0.0%"}, L"0.0%", 0},
        {WM_CONVERT_STOPPED, L"C:\\in\\b.avi", L"", {2, L"100.0%"}, {0, L"0.0%"}, nullptr, -1},
        // A path no row has (a file removed meanwhile) changes nothing.
        {WM_CONVERT_FINISHED, L"C:\\in\\gone.avi", L"", {2, L"100.0%"}, {0, L"0.0%"}, nullptr, -1},
        {WM_CONVERT_FAILED, L"", L"", {2, L"100.0%"}, {0, L"0.0%"}, nullptr, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.message << " " << c.path);
        const std::wstring label = Text(IDC_STATIC_FILE_PROGRESS);
        const int bar = static_cast<int>(SendMessageW(Item(IDC_PROGRESS_FILE), PBM_GETPOS, 0, 0));
        Post(c.message, c.path, c.detail);
        EXPECT_EQ(c.a.image, RowOf(0).image);
        EXPECT_EQ(c.a.percent, RowOf(0).percent);
        EXPECT_EQ(c.b.image, RowOf(1).image);
        EXPECT_EQ(c.b.percent, RowOf(1).percent);
        EXPECT_EQ(c.label ? std::wstring(c.label) : label, Text(IDC_STATIC_FILE_PROGRESS));
        EXPECT_EQ(c.bar >= 0 ? c.bar : bar, SendMessageW(Item(IDC_PROGRESS_FILE), PBM_GETPOS, 0, 0));
    }
}

// Whether a colour is clearly one hue: its channel 'c' (0 red, 1 green,
// 2 blue) stands at least 60 above both others.
bool Dominant(COLORREF colour, int c) {
    const int v[] = {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    return v[c] >= v[(c + 1) % 3] + 60 && v[c] >= v[(c + 2) % 3] + 60;
}

// The file list is the skinned list: owner-drawn rows in stripes with the
// row pictures in the State column, its own frame, headings without
// pictures, and columns the user may widen, except the hidden path column.
TEST_F(FileListTest, SkinnedListWithStripesRowPicturesAndAHiddenPathColumnThatStaysShut) {
    HWND list = Item(IDC_LIST_FILES);
    ASSERT_NE(nullptr, dynamic_cast<Tavrin::NeloListCtrl*>(CWnd::FromHandlePermanent(list)));
    EXPECT_EQ(static_cast<LONG>(LVS_REPORT | LVS_OWNERDRAWFIXED),
              GetWindowLongW(list, GWL_STYLE) & (LVS_TYPEMASK | LVS_OWNERDRAWFIXED));

    for (const wchar_t* path : {L"C:\\in\\a.avi", L"C:\\in\\b.avi", L"C:\\in\\c.avi"})
        Post(WM_PROBE_FINISHED, path, L"00:00:10");
    Post(WM_CONVERT_STARTED, L"C:\\in\\a.avi");
    Post(WM_CONVERT_FINISHED, L"C:\\in\\a.avi");
    Post(WM_CONVERT_STARTED, L"C:\\in\\b.avi");
    ASSERT_EQ(3, Rows());
    quorvex_test::Settle();

    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    ASSERT_NE(nullptr, header);
    auto headingRect = [&](int column) {
        RECT r{};
        SendMessageW(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&r));
        return r;
    };
    auto width = [&](int column) { return static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0)); };

    // Rows: even ones on the row colour, odd ones on the stripe colour, no
    // split line under a row while stripes are on. The point lies in the
    // Duration cell, right of its text.
    const quorvex_test::Capture rows = quorvex_test::Capture::Client(list);
    const COLORREF rowBack = RGB(250, 250, 250), stripeBack = RGB(232, 232, 240);
    struct RowCase {
        int image;        // its picture: 2 converted, 1 converting, 0 waiting
        int hue;          // green bar, blue play symbol, red bar
        COLORREF back;
    };
    const RowCase rowCases[] = {{2, 1, rowBack}, {1, 2, stripeBack}, {0, 0, rowBack}};
    const int cellX = headingRect(2).right - 5;
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row);
        RECT bounds{};
        bounds.left = LVIR_BOUNDS;
        ASSERT_TRUE(SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds)));
        EXPECT_COLOUR(rowCases[row].back, rows.At(cellX, (bounds.top + bounds.bottom) / 2));
        EXPECT_COLOUR(rowCases[row].back, rows.At(cellX, bounds.bottom - 1));
        EXPECT_EQ(rowCases[row].image, RowOf(row).image);
        // The picture is drawn in the State cell and nowhere else in the row.
        RECT state{bounds.left, bounds.top, headingRect(0).right, bounds.bottom};
        RECT rest{headingRect(1).left, bounds.top, bounds.right, bounds.bottom};
        const int hue = rowCases[row].hue;
        EXPECT_GE(rows.Count([hue](COLORREF c) { return Dominant(c, hue); }, state), 8);
        for (int other = 0; other < 3; ++other) {
            if (other != hue) {
                EXPECT_EQ(0, rows.Count([other](COLORREF c) { return Dominant(c, other); }, state)) << other;
            }
        }
        // The text is dark blue; no red or green mark beside it.
        for (int other : {0, 1})
            EXPECT_EQ(0, rows.Count([other](COLORREF c) { return Dominant(c, other); }, rest)) << other;
    }

    // The list's own frame: a border ring and a ring of the row colour inside.
    const quorvex_test::Capture frame = quorvex_test::Capture::Window(list);
    EXPECT_COLOUR(RGB(127, 157, 185), frame.At(0, frame.Height() / 2));
    EXPECT_COLOUR(RGB(127, 157, 185), frame.At(frame.Width() / 3, 0));
    EXPECT_COLOUR(rowBack, frame.At(1, frame.Height() / 2));

    // The headings carry no picture: no red or green mark beside their dark
    // blue words.
    const quorvex_test::Capture headings = quorvex_test::Capture::Client(header);
    for (int hue : {0, 1})
        EXPECT_EQ(0, headings.Count([hue](COLORREF c) { return Dominant(c, hue); })) << hue;

    // Dragging dividers with the mouse: Name's narrows by 40 pixels; the
    // hidden path column's, just right of the last visible divider, stays shut
    // and leaves its neighbour as it was.
    auto dragHeader = [&](int fromX, int toX) {
        const RECT all = headingRect(0);
        const int y = (all.top + all.bottom) / 2;
        POINT from{fromX, y}, to{toX, y};
        ClientToScreen(header, &from);
        ClientToScreen(header, &to);
        std::vector<POINT> path;
        for (int step = 1; step <= 4; ++step)
            path.push_back(POINT{from.x + (to.x - from.x) * step / 4, from.y});
        quorvex_test::LeftDrag(from, path);
        quorvex_test::PumpUntilIdle();
    };
    struct DragCase {
        const char* what;
        int fromX;
        int byX;
        int widths[5];
    };
    const DragCase drags[] = {
        {"Name's divider", 50 + 160 - 2, -40, {50, 120, 90, 90, 0}},
        {"the path column's divider", 50 + 120 + 90 + 90 + 2, 60, {50, 120, 90, 90, 0}},
    };
    for (const DragCase& drag : drags) {
        SCOPED_TRACE(drag.what);
        dragHeader(drag.fromX, drag.fromX + drag.byX);
        for (int column = 0; column < 5; ++column)
            EXPECT_EQ(drag.widths[column], width(column)) << "column " << column;
    }
    EXPECT_EQ(L"C:\\in\\c.avi", List().GetItemText(2, 4)) << "the hidden column still holds the path";
}

TEST_F(FileListTest, CommandsThatAreSwitchedOffDoNothingHoweverReached) {
    for (const wchar_t* path : {L"C:\\in\\a.avi", L"C:\\in\\b.avi"})
        Post(WM_PROBE_FINISHED, path, L"00:00:10");
    SelectOnly({0});
    m_dialog.SetRemoveEnabled(false);
    m_dialog.SetConvertEnabled(false, false);
    m_dialog.SetStatusText(L"as it was");
    const std::pair<int, bool> commands[] = {
        {IDC_BUTTON_REMOVE, true},  {ID_EDIT_REMOVE_SELECTED, false},
        {ID_EDIT_CLEAR_ALL, false}, {ID_EDIT_CLEAR_CONVERTED, false},
        {IDC_BUTTON_CONVERT, true}, {ID_FILE_CONVERT, false},
        {IDC_BUTTON_STOP, true},    {ID_FILE_STOP, false},
        {IDC_BUTTON_BROWSE, true},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(testing::Message() << "command " << command.first);
        if (command.second)
            Click(command.first);
        else
            Command(command.first);
        quorvex_test::PumpUntilIdle();
        EXPECT_EQ(2, Rows());
        EXPECT_FALSE(m_dialog.IsBatchRunning());
        EXPECT_FALSE(ConversionEngine::Current()->IsConverting());
        EXPECT_EQ(L"as it was", Text(IDC_STATIC_STATUS));
        EXPECT_FALSE(KillTimer(m_window, 1000));
    }

    // Switched on, they work; a list emptied by a clear switches them off.
    m_dialog.SetRemoveEnabled(true);
    Command(ID_EDIT_REMOVE_SELECTED);
    EXPECT_EQ(1, Rows());
    EXPECT_EQ(L"Total files: 1", Text(IDC_STATIC_STATUS));
    Command(ID_EDIT_CLEAR_ALL);
    EXPECT_EQ(0, Rows());
    EXPECT_EQ(L"Please add file(s)", Text(IDC_STATIC_STATUS));
    EXPECT_FALSE(m_dialog.IsRemoveEnabled());
    EXPECT_FALSE(m_dialog.IsConvertEnabled());
    EXPECT_FALSE(m_dialog.IsProfileEnabled());
    EXPECT_FALSE(m_dialog.IsStopEnabled());
}

TEST_F(FileListTest, BatchCollectedFromTheRowsNotYetConvertedAndTheProfile) {
    MainDialog::BatchRequest batch;
    EXPECT_FALSE(m_dialog.CollectBatch(batch)) << "no rows";
    for (const wchar_t* path : {L"C:\\in\\a.avi", L"C:\\in\\b.avi", L"C:\\in\\c.avi"})
        Post(WM_PROBE_FINISHED, path, L"00:00:10");
    Post(WM_CONVERT_FINISHED, L"C:\\in\\b.avi");
    Post(WM_CONVERT_FAILED, L"C:\\in\\c.avi", L"why");

    struct Case {
        int target;
        const wchar_t *name, *size;
    };
    const Case cases[] = {
        {0, L"AVI", L"WideScreen"}, {5, L"IPhone", L"WideScreen"}, {1, L"Android", L"FullScreen"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SelectTarget(c.target);
        ASSERT_TRUE(m_dialog.CollectBatch(batch));
        EXPECT_EQ(c.name, batch.target);
        EXPECT_EQ(c.size, batch.size);
        EXPECT_EQ(L"Normal", batch.quality);
        EXPECT_EQ(L"C:\\MyVideo", batch.outputFolder);
        EXPECT_EQ((std::vector<std::wstring>{L"C:\\in\\a.avi", L"C:\\in\\c.avi"}), batch.files)
            << "failed included";
    }

    // Every row converted: nothing to collect, and Convert says so.
    Post(WM_CONVERT_FINISHED, L"C:\\in\\a.avi");
    Post(WM_CONVERT_FINISHED, L"C:\\in\\c.avi");
    EXPECT_FALSE(m_dialog.CollectBatch(batch));
    m_dialog.SetConvertEnabled(true, false);
    Click(IDC_BUTTON_CONVERT);
    EXPECT_EQ(L"Convert file(s) wrong, please retry.", Text(IDC_STATIC_STATUS));
    EXPECT_TRUE(m_dialog.IsConvertEnabled());
    EXPECT_TRUE(m_dialog.IsRemoveEnabled());
    EXPECT_FALSE(m_dialog.IsBatchRunning());
    EXPECT_FALSE(IsWindowVisible(Item(IDC_PROGRESS_FILE)));

    // An output folder that cannot be made is reported before anything runs.
    Post(WM_PROBE_FINISHED, L"C:\\in\\d.avi", L"00:00:10");
    SetWindowTextW(Item(IDC_EDIT_OUTPUT), L"Q:\\no such drive");
    Click(IDC_BUTTON_CONVERT);
    EXPECT_EQ(L"The output folder is invalid path, please input again.", Text(IDC_STATIC_STATUS));
    EXPECT_EQ(L"Q:\\no such drive", Text(IDC_EDIT_OUTPUT));
    EXPECT_FALSE(m_dialog.IsBatchRunning());
}

TEST_F(FileListTest, FolderBrowserFillsTheEditOnlyWhenAFolderIsChosen) {
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::pair<UINT, std::wstring> endings[] = {{IDCANCEL, L"C:\\MyVideo"}, {IDOK, windows}};
    for (const auto& ending : endings) {
        const bool acted = app_test::WithModalDialog(
            L"Browse for Folder", [this] { Click(IDC_BUTTON_BROWSE); },
            [&](HWND browser) {
                SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(windows));
                quorvex_test::PumpUntilIdle();
                SendMessageW(browser, WM_COMMAND, ending.first, 0);
            });
        ASSERT_TRUE(acted);
        EXPECT_EQ(ending.second, Text(IDC_EDIT_OUTPUT));
    }
}

// With the fake encoder beside the test program: a second file added while
// the first is probed is refused like a listed one, and Stop kills the
// progress timer at once.
TEST_F(FileListTest, AddingDuringAProbeAndStoppingABatch) {
    const std::wstring folder = quorvex_test::FreshTempFolder(L"quorvex file list");
    const std::wstring clip = folder + L"\\slow.avi", release = folder + L"\\release";
    auto write = quorvex_test::WriteWholeFile;
    write(clip, "film");
    const std::string releasePath(release.begin(), release.end());
    write(clip + L".fake", "probe: waitfile " + releasePath +
                               "\nerr   Duration: 00:00:10.00, start: 0\\r\\n\n"
                               "probe: exit 1\nconvert: err time=00:00:05.00 \\r\nconvert: waitfile " +
                               releasePath + ".2\nconvert: output\n");
    auto add = [&] {
        return app_test::WithModalDialog(
            L"Open", [this] { Click(IDC_BUTTON_ADD); },
            [&](HWND open) { program_driver::ChooseFile(open, clip); });
    };
    ASSERT_TRUE(add());
    ASSERT_TRUE(add());
    EXPECT_EQ(L"The file [ " + clip + L" ] is in the list.", Text(IDC_STATIC_STATUS));
    write(release, "go");
    ASSERT_TRUE(quorvex_test::PumpUntil([&] { return Rows() == 1; }, 10000));
    quorvex_test::PumpUntilIdle();
    EXPECT_EQ(1, Rows()) << "one probe, one row";

    SetWindowTextW(Item(IDC_EDIT_OUTPUT), (folder + L"\\out").c_str());
    Click(IDC_BUTTON_CONVERT);
    ASSERT_TRUE(m_dialog.IsBatchRunning());
    ASSERT_TRUE(quorvex_test::PumpUntil([&] { return RowOf(0).percent == L"50.0%"; }, 10000));
    // A stopped batch's message that comes after a new batch started leaves
    // that batch's ticks alone.
    Post(WM_CONVERT_STOPPED, L"C:\\elsewhere.avi");
    EXPECT_TRUE(KillTimer(m_window, 1000) && SetTimer(m_window, 1000, 500, nullptr));
    Click(IDC_BUTTON_STOP);
    EXPECT_FALSE(KillTimer(m_window, 1000)) << "Stop killed the progress timer";
    EXPECT_FALSE(m_dialog.IsBatchRunning());
    EXPECT_TRUE(m_dialog.IsConvertEnabled());
    EXPECT_FALSE(m_dialog.IsStopEnabled());
    EXPECT_TRUE(ConversionEngine::Current()->WaitForConversion(10000));
    quorvex_test::PumpUntilIdle();
    EXPECT_EQ(0, RowOf(0).image);
    EXPECT_EQ(L"0.0%", RowOf(0).percent);
    quorvex_test::RemoveTree(folder);
}

// What the status line shows while pumping until it shows `last`, each text
// once, in order.
std::vector<std::wstring> StatusSequence(HWND status, const std::wstring& last, DWORD timeoutMs = 15000) {
    std::vector<std::wstring> seen;
    quorvex_test::PumpUntil(
        [&] {
            const std::wstring text = app_test::WindowText(status);
            if (seen.empty() || seen.back() != text)
                seen.push_back(text);
            return text == last;
        },
        timeoutMs);
    return seen;
}

TEST_F(FileListTest, NoticesAreShownOneAfterAnotherAndTheStatusFollows) {
    struct Step {
        bool notice;
        const wchar_t* text;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::vector<std::wstring> shown; // in order, the last one stays
    };
    const Case cases[] = {
        {"plain texts replace each other at once", {{false, L"one"}, {false, L"two"}}, {L"two"}},
        {"a notice stays when nothing follows", {{true, L"refused"}}, {L"refused"}},
        {"notices in turn, then the text said meanwhile",
         {{true, L"first"}, {false, L"Total files: 3"}, {true, L"second"}, {true, L"third"}, {false, L"Total files: 4"}},
         {L"first", L"second", L"third", L"Total files: 4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_dialog.SetStatusText(L"before");
        for (const Step& step : c.steps) {
            if (step.notice)
                m_dialog.ShowNotice(step.text);
            else
                m_dialog.SetStatusText(step.text);
        }
        EXPECT_EQ(c.shown, StatusSequence(Item(IDC_STATIC_STATUS), c.shown.back()));
        // A notice left showing has its time before the next case; it stays.
        if (c.steps.back().notice) {
            quorvex_test::PumpUntil([] { return false; }, 1700);
            EXPECT_EQ(c.shown.back(), Text(IDC_STATIC_STATUS));
        }
    }
}

// A drop as the shell delivers it: a DROPFILES block with wide paths.
HGLOBAL MakeDrop(const std::vector<std::wstring>& paths) {
    size_t chars = 1;
    for (const std::wstring& path : paths)
        chars += path.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + chars * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    wchar_t* text = reinterpret_cast<wchar_t*>(drop + 1);
    for (const std::wstring& path : paths) {
        wcscpy(text, path.c_str());
        text += path.size() + 1;
    }
    *text = 0;
    GlobalUnlock(memory);
    return memory;
}

// Through the real probe with the fake encoder: a dropped folder adds its
// supported files (not those of its sub-folder) in name order; a dropped
// file already listed and one the encoder cannot read are said in turn.
TEST_F(FileListTest, DroppedFolderAndFilesAreProbedAndListedInNameOrder) {
    EXPECT_TRUE(GetWindowLongW(m_window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << "the window takes drops";
    const std::wstring folder = quorvex_test::FreshTempFolder(L"quorvex dropped");
    const std::wstring clips = folder + L"\\holiday clips";
    CreateDirectoryW(clips.c_str(), nullptr);
    CreateDirectoryW((clips + L"\\older").c_str(), nullptr);
    auto write = quorvex_test::WriteWholeFile;
    for (const wchar_t* name : {L"beach.avi", L"Arrival.MOV", L"notes.txt", L"older\\first day.avi", L"cake.mkv"})
        write(clips + L"\\" + name, "film");
    write(clips + L"\\broken.mp4", "film");
    write(clips + L"\\broken.mp4.fake", "probe: exit 1\n");
    const std::wstring listed = folder + L"\\listed.avi";
    write(listed, "film");
    Post(WM_PROBE_FINISHED, listed, L"00:00:10");
    ASSERT_EQ(1, Rows());

    SendMessageW(m_window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({listed, clips})), 0);
    const std::vector<std::wstring> seen = StatusSequence(Item(IDC_STATIC_STATUS), L"Total files: 4", 30000);
    ASSERT_EQ(4, Rows());
    const std::vector<std::wstring> names = {L"listed.avi", L"Arrival.MOV", L"beach.avi", L"cake.mkv"};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(names[row], List().GetItemText(row, 1).GetString()) << row;
    EXPECT_EQ(clips + L"\\Arrival.MOV", List().GetItemText(1, 4).GetString());
    // Both refusals were shown, in turn, whatever counts came between them.
    const std::vector<std::wstring> notices = {L"The file [ " + listed + L" ] is in the list.",
                                               L"The file format is wrong, please select file again.",
                                               L"Total files: 4"};
    size_t next = 0;
    for (const std::wstring& text : seen)
        if (next < notices.size() && text == notices[next])
            ++next;
    EXPECT_EQ(notices.size(), next) << testing::PrintToString(seen);
    quorvex_test::RemoveTree(folder);
}

// A batch that converted every file counts down before the session ends:
// cancelled, nothing is asked; let run or cut short, one request.
TEST_F(FileListTest, CountdownBeforeThePostTaskAction) {
    SetCountdownSecondsSource([] { return 1; });
    struct Case {
        int action;
        const wchar_t* title;
        const wchar_t* text;
        const wchar_t* now;
        int button; // 0: let it run
        size_t requests;
        UINT flags;
    };
    const Case cases[] = {
        {PostTaskShutDown, L"Shut Down", L"The computer will shut down in 1 s.", L"Shut Down Now", IDCANCEL, 0, 0},
        {PostTaskShutDown, L"Shut Down", L"The computer will shut down in 1 s.", L"Shut Down Now", 0, 1,
         EWX_POWEROFF},
        {PostTaskLogOff, L"Log Off", L"You will be logged off in 1 s.", L"Log Off Now", IDOK, 1, EWX_LOGOFF},
        {PostTaskLogOff, L"Log Off", L"You will be logged off in 1 s.", L"Log Off Now", 0, 1, EWX_LOGOFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.title << " button " << c.button);
        app_test::ResetExitRequests();
        UiContext::Current()->SetPostTaskAction(c.action);
        std::wstring text, now, cancel;
        const bool shown = app_test::WithModalDialog(
            c.title, [&] { OnBatchFinished(); },
            [&](HWND dialog) {
                text = app_test::WindowText(GetDlgItem(dialog, IDC_STATIC_COUNTDOWN));
                now = app_test::WindowText(GetDlgItem(dialog, IDOK));
                cancel = app_test::WindowText(GetDlgItem(dialog, IDCANCEL));
                EXPECT_TRUE(app_test::ExitRequests().empty()) << "nothing asked while counting down";
                if (c.button)
                    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED),
                                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, c.button)));
            });
        ASSERT_TRUE(shown);
        EXPECT_EQ(c.text, text);
        EXPECT_EQ(c.now, now);
        EXPECT_EQ(L"Cancel", cancel);
        const std::vector<app_test::ExitRequest> requests = app_test::ExitRequests();
        ASSERT_EQ(c.requests, requests.size());
        if (c.requests) {
            EXPECT_EQ(c.flags, requests[0].flags);
            EXPECT_EQ(0u, requests[0].reason);
        }
    }
    // "Do Nothing" counts nothing down.
    UiContext::Current()->SetPostTaskAction(PostTaskDoNothing);
    app_test::ResetExitRequests();
    OnBatchFinished();
    quorvex_test::PumpUntilIdle();
    EXPECT_EQ(nullptr, app_test::FindThreadWindow(L"Shut Down"));
    EXPECT_TRUE(app_test::ExitRequests().empty());
    SetCountdownSecondsSource(nullptr);
    EXPECT_EQ(60, CountdownSeconds());
}

} // namespace

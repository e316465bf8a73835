// Driving Quorvex.exe as a person would, from another process: installed in
// a program folder whose name has blanks, found by its window title, its
// controls reached by their identifiers and read back (the file list through
// memory lent in the program's own address space, as list views take their
// texts by pointer).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace program_driver {

// The folder of the running test program, with a trailing backslash.
std::wstring TestFolder();

// Copies the program, its DLLs and the encoder into folder (made, with its
// parent, when missing). program names the executable copied in as
// Quorvex.exe (default: the shipped one in bin/), encoder the ffmpeg.exe
// (default: the fake encoder beside the test program).
bool InstallProgram(const std::wstring& folder, const std::wstring& program = std::wstring(),
                    const std::wstring& encoder = std::wstring());

// The visible top-level window of the process with this title.
HWND FindProcessWindow(DWORD processId, const wchar_t* title);

std::wstring WindowText(HWND window);

// Types a path into an open-file dialog and presses its OK button.
bool ChooseFile(HWND openDialog, const std::wstring& path);

// Pumps this thread's messages while waiting for a condition, up to
// timeoutMs; no fixed sleeps.
bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs = 10000);

// Without a window manager (the tests' display has none) Wine waits two
// seconds for every window of a managed program that is hidden or destroyed:
// each open-file dialog, each closed program. While this object lives, the
// program's windows are unmanaged in the tests' prefix; the setting goes with
// it, so that scripts/run, which shares the prefix, finds the program managed
// again. The program reads it when it starts.
class UnmanagedProgramWindows {
public:
    explicit UnmanagedProgramWindows(const std::wstring& exeName = L"Quorvex.exe");
    ~UnmanagedProgramWindows();
    UnmanagedProgramWindows(const UnmanagedProgramWindows&) = delete;
    UnmanagedProgramWindows& operator=(const UnmanagedProgramWindows&) = delete;

private:
    std::wstring m_key;
};

// One row of the file list as the program shows it.
struct Row {
    int image = -1;
    std::wstring name, duration, percent, path;
    bool operator==(const Row& other) const {
        return image == other.image && name == other.name && duration == other.duration &&
               percent == other.percent && path == other.path;
    }
};

// Quorvex.exe started from its folder, its main window found; ended by
// force if a test leaves it running.
class RemoteBuffer;

class Program {
public:
    explicit Program(const std::wstring& exePath);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return m_main != nullptr; }
    HWND Main() const { return m_main; }
    HWND Item(int id) const { return GetDlgItem(m_main, id); }
    DWORD Id() const { return m_process.dwProcessId; }
    HANDLE Process() const { return m_process.hProcess; }

    // A toolbar or push button clicked, a menu command chosen: what reaches
    // the window when a person does it.
    void Click(int buttonId);
    void Menu(int commandId);
    void SelectTarget(int index);

    // Chooses a file in the program's open-file dialog, opened by the Add
    // File(s) button (or the menu entry when fromMenu); false when the
    // dialog did not come or did not close.
    bool AddThroughDialog(const std::wstring& path, bool fromMenu = false);
    // Picks several files of one folder in one open-file dialog: goes to the
    // folder, then types the names, each in quotes, and presses OK.
    bool AddManyThroughDialog(const std::wstring& folder, const std::vector<std::wstring>& names);
    // The text of the tip the program shows over one of its controls, read
    // from its tooltip window; empty when there is none.
    std::wstring ToolTipOf(int controlId);

    // The painted menu bar as a person sees it: the titles found by their
    // painted words along the bar (screen rectangles, left to right), read
    // from the screen.
    std::vector<RECT> MenuBarTitles();
    // One level of a menu opened with the mouse: its entries as items ('i')
    // and separators ('-') in menu order, and the position clicked there.
    struct MenuClick {
        const char* shape;
        int position;
    };
    // Clicks the title at index title on the painted bar, then in each popup
    // level as it opens the entry at its position (a sub-menu's entry opens
    // the next level); true when every level came and all of them closed
    // (with leaveOpen: when every level came, the last click's sub-menu left
    // open).
    bool ChooseFromMenuBar(int title, const std::vector<MenuClick>& levels, bool leaveOpen = false);

    // The visible popup levels of the painted menu, in the order the system
    // lists its windows.
    std::vector<HWND> MenuPopups() const;

    std::vector<Row> Rows();
    // One text of the list: column 1 the name, 2 the duration, 3 the
    // percentage, 4 the path.
    std::wstring Cell(int row, int column);
    // Selects exactly these rows (none: clears the selection).
    void SelectRows(const std::vector<int>& rows);
    std::vector<std::wstring> ComboEntries(int comboId, int* selection);

    std::wstring Status() const { return WindowText(Item(1024)); }
    bool WaitForStatus(const std::wstring& text, DWORD timeoutMs = 20000);
    bool WaitForStatusStart(const std::wstring& text, DWORD timeoutMs = 20000);
    bool WaitForRows(size_t count, DWORD timeoutMs = 20000);

    // Closes the main window; true when the program then ended with exit
    // code 0.
    bool Close();

private:
    PROCESS_INFORMATION m_process{};
    HWND m_main = nullptr;
    // Lent in the program's process for the list's texts, for its whole life.
    std::unique_ptr<RemoteBuffer> m_buffer;
};

} // namespace program_driver

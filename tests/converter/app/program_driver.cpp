#include "program_driver.h"

#include "support/input.h"
#include "support/pump.h"
#include "support/screen.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace program_driver {

namespace {

constexpr size_t kTextOffset = 256;
constexpr int kTextChars = 1024;
constexpr int kFileList = 1004;
constexpr int kTargetCombo = 1002;
constexpr int kAddButton = 1007;
constexpr int kAddFilesCommand = 32771;
constexpr int kListColumns = 5;
// The window classes of the painted menu bar and of its popup levels.
constexpr wchar_t kMenuBarClass[] = L"NeloMenuWnd";
constexpr wchar_t kMenuPopupClass[] = L"NeloMenuPopupWnd";

} // namespace

// Memory lent in another process, for messages that take a pointer.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size)
        : m_process(process), m_address(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
    ~RemoteBuffer() {
        if (m_address)
            VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    char* At(size_t offset) const { return static_cast<char*>(m_address) + offset; }
    bool Write(size_t offset, const void* data, size_t size) const {
        return m_address && WriteProcessMemory(m_process, At(offset), data, size, nullptr);
    }
    bool Read(size_t offset, void* data, size_t size) const {
        return m_address && ReadProcessMemory(m_process, At(offset), data, size, nullptr);
    }

private:
    HANDLE m_process;
    void* m_address;
};

namespace {

LRESULT SendFor(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 10000, &result))
        return 0;
    return static_cast<LRESULT>(result);
}

std::wstring CellText(HWND list, const RemoteBuffer& buffer, int row, int column) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<LPWSTR>(buffer.At(kTextOffset));
    item.cchTextMax = kTextChars;
    buffer.Write(0, &item, sizeof(item));
    const LRESULT length = SendFor(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(buffer.At(0)));
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        buffer.Read(kTextOffset, &text[0], length * sizeof(wchar_t));
    return text;
}

int CellImage(HWND list, const RemoteBuffer& buffer, int row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    buffer.Write(0, &item, sizeof(item));
    if (!SendFor(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(buffer.At(0))))
        return -1;
    buffer.Read(0, &item, sizeof(item));
    return item.iImage;
}

struct WindowSearch {
    DWORD processId;
    const wchar_t* title;
    HWND found;
};

} // namespace

UnmanagedProgramWindows::UnmanagedProgramWindows(const std::wstring& exeName)
    : m_key(L"Software\\Wine\\AppDefaults\\" + exeName) {
    RegSetKeyValueW(HKEY_CURRENT_USER, (m_key + L"\\X11 Driver").c_str(), L"Managed", REG_SZ, L"N",
                    2 * sizeof(wchar_t));
}

UnmanagedProgramWindows::~UnmanagedProgramWindows() {
    RegDeleteKeyW(HKEY_CURRENT_USER, (m_key + L"\\X11 Driver").c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, m_key.c_str());
}

std::wstring TestFolder() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

bool InstallProgram(const std::wstring& folder, const std::wstring& program, const std::wstring& encoder) {
    const std::wstring tests = TestFolder();
    const std::wstring bin = tests + L"..\\bin\\";
    CreateDirectoryW(folder.substr(0, folder.find_last_of(L'\\')).c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    bool copied = true;
    for (const wchar_t* name : {L"Framework.dll", L"Tavrin.dll"})
        copied &= CopyFileW((bin + name).c_str(), (folder + L"\\" + name).c_str(), FALSE) != FALSE;
    const std::wstring exe = program.empty() ? bin + L"Quorvex.exe" : program;
    copied &= CopyFileW(exe.c_str(), (folder + L"\\Quorvex.exe").c_str(), FALSE) != FALSE;
    const std::wstring ffmpeg = encoder.empty() ? tests + L"ffmpeg.exe" : encoder;
    copied &= CopyFileW(ffmpeg.c_str(), (folder + L"\\ffmpeg.exe").c_str(), FALSE) != FALSE;
    return copied;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* title) {
    WindowSearch search{processId, title, nullptr};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<WindowSearch*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId && IsWindowVisible(window) && WindowText(window) == s->title) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 10000,
                        &length);
    return text;
}

bool ChooseFile(HWND openDialog, const std::wstring& path) {
    // The file name box: an edit of its own, or the edit inside a combo box.
    HWND name = GetDlgItem(openDialog, 0x480); // edt1
    if (!name) {
        HWND combo = GetDlgItem(openDialog, 0x47c); // cmb13
        name = combo ? FindWindowExW(combo, nullptr, L"Edit", nullptr) : nullptr;
        if (!name)
            name = combo;
    }
    if (!name)
        return false;
    SendMessageTimeoutW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_NORMAL, 10000,
                        nullptr);
    return PostMessageW(openDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(openDialog, IDOK))) != FALSE;
}

bool WaitFor(const std::function<bool()>& done, DWORD timeoutMs) {
    return quorvex_test::PumpUntil(done, timeoutMs);
}

Program::Program(const std::wstring& exePath) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    // Started from elsewhere: the program must find its own folder.
    if (!CreateProcessW(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, L"C:\\",
                        &startup, &m_process))
        return;
    WaitFor([this] { return (m_main = FindProcessWindow(m_process.dwProcessId, L"Quorvex")) != nullptr; },
            30000);
    m_buffer.reset(new RemoteBuffer(m_process.hProcess, kTextOffset + kTextChars * sizeof(wchar_t)));
}

Program::~Program() {
    if (!m_process.hProcess)
        return;
    m_buffer.reset();
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(m_process.hProcess, 1);
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

void Program::Click(int buttonId) {
    PostMessageW(m_main, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(buttonId)));
}

void Program::Menu(int commandId) {
    PostMessageW(m_main, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void Program::SelectTarget(int index) {
    HWND combo = Item(kTargetCombo);
    SendFor(combo, CB_SETCURSEL, index, 0);
    PostMessageW(m_main, WM_COMMAND, MAKEWPARAM(kTargetCombo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

bool Program::AddThroughDialog(const std::wstring& path, bool fromMenu) {
    if (fromMenu)
        Menu(kAddFilesCommand);
    else
        Click(kAddButton);
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = FindProcessWindow(Id(), L"Open")) != nullptr; }))
        return false;
    if (!ChooseFile(dialog, path))
        return false;
    return WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

bool Program::AddManyThroughDialog(const std::wstring& folder, const std::vector<std::wstring>& names) {
    Click(kAddButton);
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = FindProcessWindow(Id(), L"Open")) != nullptr; }))
        return false;
    // A folder typed into the name box and confirmed opens that folder.
    if (!ChooseFile(dialog, folder))
        return false;
    // The dialog shows the folder once its list holds the first name.
    const RemoteBuffer& buffer = *m_buffer;
    if (names.empty() || !WaitFor([&] {
            HWND view = FindWindowExW(dialog, nullptr, L"SHELLDLL_DefView", nullptr);
            HWND list = view ? FindWindowExW(view, nullptr, WC_LISTVIEWW, nullptr) : nullptr;
            if (!list)
                return false;
            LVFINDINFOW find{};
            find.flags = LVFI_STRING;
            find.psz = reinterpret_cast<LPCWSTR>(buffer.At(kTextOffset));
            buffer.Write(kTextOffset, names.front().c_str(), (names.front().size() + 1) * sizeof(wchar_t));
            buffer.Write(0, &find, sizeof(find));
            return SendFor(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(buffer.At(0))) >= 0;
        }))
        return false;
    std::wstring typed;
    for (const std::wstring& name : names)
        typed += (typed.empty() ? L"\"" : L" \"") + name + L"\"";
    if (!ChooseFile(dialog, typed))
        return false;
    return WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

std::wstring Program::ToolTipOf(int controlId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> tips;
    } search{Id(), {}};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            if (owner == s->processId && lstrcmpiW(className, TOOLTIPS_CLASSW) == 0)
                s->tips.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    const HWND control = Item(controlId);
    const RemoteBuffer& buffer = *m_buffer;
    for (HWND tip : search.tips) {
        const int tools = static_cast<int>(SendFor(tip, TTM_GETTOOLCOUNT, 0, 0));
        for (int i = 0; i < tools; ++i) {
            TTTOOLINFOW info{};
            info.cbSize = sizeof(info);
            buffer.Write(0, &info, sizeof(info));
            if (!SendFor(tip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(buffer.At(0))))
                continue;
            buffer.Read(0, &info, sizeof(info));
            if (!(info.uFlags & TTF_IDISHWND) || reinterpret_cast<HWND>(info.uId) != control)
                continue;
            wchar_t empty = 0;
            buffer.Write(kTextOffset, &empty, sizeof(empty));
            info.lpszText = reinterpret_cast<LPWSTR>(buffer.At(kTextOffset));
            buffer.Write(0, &info, sizeof(info));
            SendFor(tip, TTM_GETTEXTW, kTextChars, reinterpret_cast<LPARAM>(buffer.At(0)));
            std::vector<wchar_t> text(kTextChars, L'\0');
            buffer.Read(kTextOffset, text.data(), (kTextChars - 1) * sizeof(wchar_t));
            return text.data();
        }
    }
    return std::wstring();
}

namespace {

int ColourDistance(DWORD a, DWORD b) {
    return abs(static_cast<int>(GetRValue(a)) - static_cast<int>(GetRValue(b))) +
           abs(static_cast<int>(GetGValue(a)) - static_cast<int>(GetGValue(b))) +
           abs(static_cast<int>(GetBValue(a)) - static_cast<int>(GetBValue(b)));
}

std::vector<HWND> VisiblePopups(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> popups;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto* s = reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            if (owner == s->processId && IsWindowVisible(window) && lstrcmpW(className, kMenuPopupClass) == 0)
                s->popups.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.popups;
}

} // namespace

std::vector<RECT> Program::MenuBarTitles() {
    std::vector<RECT> titles;
    HWND bar = FindWindowExW(m_main, nullptr, kMenuBarClass, nullptr);
    if (!bar || !IsWindowVisible(bar))
        return titles;
    // The bar is as wide as the screen; only the part over the main
    // window's client area is seen.
    RECT barRect{}, client{};
    GetWindowRect(bar, &barRect);
    GetClientRect(m_main, &client);
    MapWindowPoints(m_main, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const int left = barRect.left;
    const int width = (std::min)(barRect.right, client.right) - left;
    const int height = barRect.bottom - barRect.top;
    if (width <= 4 || height <= 4)
        return titles;
    HDC screen = GetDC(nullptr);
    const std::vector<DWORD> pixels = quorvex_test::GrabPixels(screen, left, barRect.top, width, height);
    ReleaseDC(nullptr, screen);
    if (pixels.empty())
        return titles;
    // A column belongs to a word when, in the bar's middle rows, it differs
    // from the bar's background at its right end in the same row; words are
    // apart by more than the gaps between letters.
    std::vector<bool> marked(static_cast<size_t>(width), false);
    for (int y = height / 2 - 3; y <= height / 2 + 3; ++y) {
        const DWORD background = pixels[static_cast<size_t>(y) * width + width - 3];
        for (int x = 0; x < width - 6; ++x)
            if (ColourDistance(pixels[static_cast<size_t>(y) * width + x], background) > 150)
                marked[x] = true;
    }
    const int kWordGap = 7;
    int start = -1, last = -1;
    for (int x = 0; x <= width; ++x) {
        const bool on = x < width && marked[x];
        if (on) {
            if (start < 0)
                start = x;
            last = x;
        } else if (start >= 0 && x - last > kWordGap) {
            titles.push_back(RECT{left + start, barRect.top, left + last + 1, barRect.bottom});
            start = -1;
        }
    }
    return titles;
}

std::vector<HWND> Program::MenuPopups() const {
    return VisiblePopups(m_process.dwProcessId);
}

bool Program::ChooseFromMenuBar(int title, const std::vector<MenuClick>& levels, bool leaveOpen) {
    std::vector<RECT> titles;
    if (!WaitFor([&] { return static_cast<int>((titles = MenuBarTitles()).size()) > title; }))
        return false;
    const RECT& word = titles[title];
    quorvex_test::LeftClick(POINT{(word.left + word.right) / 2, (word.top + word.bottom) / 2});
    std::vector<HWND> open;
    for (const MenuClick& level : levels) {
        HWND popup = nullptr;
        if (!WaitFor([&] {
                for (HWND window : VisiblePopups(Id()))
                    if (std::find(open.begin(), open.end(), window) == open.end())
                        popup = window;
                return popup != nullptr;
            }))
            return false;
        open.push_back(popup);
        // A level is a one-pixel border around its rows: each item equally
        // high, each separator one pixel.
        const std::string shape = level.shape;
        const int items = static_cast<int>(std::count(shape.begin(), shape.end(), 'i'));
        const int separators = static_cast<int>(shape.size()) - items;
        RECT rect{};
        GetWindowRect(popup, &rect);
        if (items == 0 || level.position < 0 || level.position >= static_cast<int>(shape.size()))
            return false;
        const int itemHeight = (rect.bottom - rect.top - 2 - separators) / items;
        int y = rect.top + 1;
        for (int i = 0; i < level.position; ++i)
            y += shape[i] == 'i' ? itemHeight : 1;
        quorvex_test::LeftClick(POINT{(rect.left + rect.right) / 2, y + itemHeight / 2});
    }
    if (leaveOpen)
        return WaitFor([&] { return VisiblePopups(Id()).size() > open.size(); });
    return WaitFor([&] { return VisiblePopups(Id()).empty(); });
}

std::wstring Program::Cell(int row, int column) {
    return CellText(Item(kFileList), *m_buffer, row, column);
}

std::vector<Row> Program::Rows() {
    std::vector<Row> rows;
    HWND list = Item(kFileList);
    const RemoteBuffer& buffer = *m_buffer;
    const int count = static_cast<int>(SendFor(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        Row row;
        row.image = CellImage(list, buffer, i);
        std::wstring* texts[kListColumns] = {nullptr, &row.name, &row.duration, &row.percent, &row.path};
        for (int column = 1; column < kListColumns; ++column)
            *texts[column] = CellText(list, buffer, i, column);
        rows.push_back(row);
    }
    return rows;
}

void Program::SelectRows(const std::vector<int>& rows) {
    HWND list = Item(kFileList);
    const RemoteBuffer& buffer = *m_buffer;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = 0;
    buffer.Write(0, &item, sizeof(item));
    SendFor(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(buffer.At(0)));
    item.state = LVIS_SELECTED;
    buffer.Write(0, &item, sizeof(item));
    for (int row : rows)
        SendFor(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(buffer.At(0)));
}

std::vector<std::wstring> Program::ComboEntries(int comboId, int* selection) {
    // The system carries a combo box's texts between processes itself.
    HWND combo = Item(comboId);
    std::vector<std::wstring> entries;
    const int count = static_cast<int>(SendFor(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[kTextChars] = {};
        if (SendFor(combo, CB_GETLBTEXTLEN, i, 0) < kTextChars)
            SendFor(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    *selection = static_cast<int>(SendFor(combo, CB_GETCURSEL, 0, 0));
    return entries;
}

bool Program::WaitForStatus(const std::wstring& text, DWORD timeoutMs) {
    return WaitFor([&] { return Status() == text; }, timeoutMs);
}

bool Program::WaitForStatusStart(const std::wstring& text, DWORD timeoutMs) {
    return WaitFor([&] { return Status().compare(0, text.size(), text) == 0; }, timeoutMs);
}

bool Program::WaitForRows(size_t count, DWORD timeoutMs) {
    HWND list = Item(kFileList);
    return WaitFor([&] { return static_cast<size_t>(SendFor(list, LVM_GETITEMCOUNT, 0, 0)) == count; },
                   timeoutMs);
}

bool Program::Close() {
    PostMessageW(m_main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(m_process.hProcess, 20000) != WAIT_OBJECT_0)
        return false;
    DWORD exitCode = 1;
    GetExitCodeProcess(m_process.hProcess, &exitCode);
    return exitCode == 0;
}

} // namespace program_driver

// Drives Quorvex.exe for scripts/bench-app (a benchmark, not a test) and
// prints what it measured, one "name value" pair per line:
//
//   AppBenchDriver.exe convert PROGRAM CLIP OUTPUT_FOLDER TARGET_INDEX
//       the clip added and converted; seconds from Convert to the encoder's
//       end, to the row at "100.0%" and to "Convert successful.", and the
//       program's CPU seconds (user and kernel) until the encoder's end
//   AppBenchDriver.exe stall PROGRAM CLIP OUTPUT_FOLDER TARGET_INDEX EXTRA...
//       the same conversion while the EXTRA files are added through the
//       open-file dialog; the longest time the program's GUI thread took to
//       answer a message sent every millisecond or so
//   AppBenchDriver.exe baseline BARE_PROGRAM SECONDS
//       the same answers timed on the bare dialog program for SECONDS (the
//       script converts with ffmpeg meanwhile): what the machine alone costs
//   AppBenchDriver.exe start PROGRAM BARE_PROGRAM RUNS
//       each program started RUNS times in turn; seconds from the start of
//       the process to its window shown and painted (nothing left to paint)
//
// It also sets up what the screenshots show (scripts/screenshot -w 12
// build/tests/AppBenchDriver.exe scene NAME), for 20 seconds:
//   scene converting   four files listed, one converted, one at 40.0%
//                      (the fake encoder beside the driver holds it there)
//   scene timeleft     a batch at a steady pace, the label with the file's
//                      time left, the pointer on the progress bar showing
//                      the batch's time left in its tip
//   scene countdown    the countdown before shutting down, after a batch
//                      (the test build whose requests are only recorded)
//   scene about        the About box
//   scene settings     the settings dialog
//   scene menu         the Options menu open with its Post Task Actions
//   scene targets      the "Convert to" list open with the targets' pictures
#include "../program_driver.h"

#include "support/files.h"
#include "support/input.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstring>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

using program_driver::Program;

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Polls every 10 ms: close enough to the moment for runs of seconds, and
// light enough not to keep the program's GUI thread busy answering.
bool PollUntil(const std::function<bool()>& done, double timeoutSeconds) {
    const double end = Now() + timeoutSeconds;
    while (!done()) {
        if (Now() > end)
            return false;
        Sleep(10);
    }
    return true;
}

double CpuSeconds(HANDLE process) {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return -1;
    auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               1e7;
    };
    return seconds(kernel) + seconds(user);
}

// The encoder the program started: its child process named ffmpeg.exe.
HANDLE FindEncoder(DWORD programId) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return nullptr;
    HANDLE encoder = nullptr;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !encoder;
         more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ParentProcessID == programId && _wcsicmp(entry.szExeFile, L"ffmpeg.exe") == 0)
            encoder = OpenProcess(SYNCHRONIZE, FALSE, entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return encoder;
}

void Print(const char* name, double value) {
    printf("%s %.4f\n", name, value);
    fflush(stdout);
}

void UseOutputFolder(Program& program, const std::wstring& folder) {
    SendMessageTimeoutW(program.Item(1001), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()),
                        SMTO_NORMAL, 10000, nullptr);
}

bool RowConverted(Program& program) {
    return program.Cell(0, 3) == L"100.0%";
}

// Starts the program with one clip listed and the target chosen.
bool Prepare(Program& program, const std::wstring& clip, const std::wstring& output, int target) {
    if (!program.Started())
        return false;
    UseOutputFolder(program, output);
    program.SelectTarget(target);
    return program.AddThroughDialog(clip) && program.WaitForRows(1, 60000);
}

// Without a window manager (the benchmark's display has none) Wine waits two
// seconds whenever a managed window is hidden or destroyed, which no desktop
// does: the programs run unmanaged, as the tests do.
const program_driver::UnmanagedProgramWindows g_unmanagedProgram;
const program_driver::UnmanagedProgramWindows g_unmanagedBareDialog(L"BareDialog.exe");

int Convert(const std::wstring& exe, const std::wstring& clip, const std::wstring& output, int target) {
    Program program(exe);
    if (!Prepare(program, clip, output, target))
        return 1;
    const double cpuBefore = CpuSeconds(program.Process());
    const double start = Now();
    program.Click(1009);
    // The program is left alone while its encoder runs (asking it anything
    // would cost it time); the encoder is found among the system's processes.
    HANDLE encoder = nullptr;
    if (!PollUntil([&] { return (encoder = FindEncoder(program.Id())) != nullptr; }, 60))
        return 1;
    WaitForSingleObject(encoder, INFINITE);
    CloseHandle(encoder);
    const double encoded = Now() - start;
    const double cpu = CpuSeconds(program.Process()) - cpuBefore;
    if (!PollUntil([&] { return RowConverted(program); }, 60))
        return 1;
    const double row = Now() - start;
    if (!PollUntil([&] { return program.Status() == L"Convert successful."; }, 60))
        return 1;
    const double done = Now() - start;
    Print("encoder_end_seconds", encoded);
    Print("row_seconds", row);
    Print("done_seconds", done);
    Print("program_cpu_seconds", cpu);
    program.Close();
    return 0;
}

int Stall(const std::wstring& exe, const std::wstring& clip, const std::wstring& output, int target,
          const std::vector<std::wstring>& extra) {
    Program program(exe);
    if (!Prepare(program, clip, output, target))
        return 1;
    std::atomic<bool> running{true};
    std::atomic<long long> pings{0};
    double longest = 0;
    const double begin = Now();
    // Answers that took longer than a frame: when (seconds from Convert) and
    // how long (ms), with the moments the adding began and ended.
    std::vector<std::pair<double, double>> slow;
    std::vector<std::pair<double, const char*>> moments;
    std::atomic<bool> dialogOpen{false};
    double longestOutsideDialog = 0;
    HWND main = program.Main();
    std::thread pinger([&] {
        while (running) {
            const bool openBefore = dialogOpen;
            const double sent = Now();
            DWORD_PTR result = 0;
            SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
            const double took = Now() - sent;
            longest = std::max(longest, took);
            if (!openBefore && !dialogOpen)
                longestOutsideDialog = std::max(longestOutsideDialog, took);
            if (took > 0.016)
                slow.emplace_back(sent - begin, took * 1000);
            ++pings;
            Sleep(1);
        }
    });
    program.Click(1009);
    int added = 0;
    for (const std::wstring& file : extra) {
        moments.emplace_back(Now() - begin, "add_begins");
        dialogOpen = true;
        added += program.AddThroughDialog(file) ? 1 : 0;
        dialogOpen = false;
        moments.emplace_back(Now() - begin, "add_ends");
    }
    const bool ended = PollUntil([&] { return program.Status() == L"Convert successful."; }, 600);
    running = false;
    pinger.join();
    for (const auto& moment : moments)
        Print(moment.second, moment.first);
    for (const auto& stall : slow)
        printf("slow_answer %.3f %.1f\n", stall.first, stall.second);
    Print("longest_stall_ms", longest * 1000);
    Print("longest_stall_outside_dialog_ms", longestOutsideDialog * 1000);
    Print("answers_over_16_ms", static_cast<double>(slow.size()));
    Print("pings", static_cast<double>(pings));
    Print("files_added_during_batch", added);
    program.Close();
    return ended ? 0 : 1;
}

// A script that converts at a steady two seconds of film per second.
std::string SteadyScript(int filmSeconds) {
    char line[160];
    snprintf(line, sizeof(line), "err   Duration: 00:%02d:%02d.00, start: 0\\r\\n\nprobe: exit 1\n", filmSeconds / 60,
             filmSeconds % 60);
    std::string script = line;
    for (int at = 2; at <= filmSeconds; at += 2) {
        snprintf(line, sizeof(line), "convert: sleep 1000\nconvert: err frame=%5d time=00:%02d:%02d.00 bitrate= 1\\r\n",
                 at * 25, at / 60, at % 60);
        script += line;
    }
    return script + "convert: output\n";
}

int Scene(const std::wstring& name) {
    const std::wstring folder = program_driver::TestFolder() + L"Program Files\\Quorvex Scene";
    // The countdown scene runs the test build, whose shutdown is only recorded.
    const std::wstring build = name == L"countdown" ? program_driver::TestFolder() + L"QuorvexSeam.exe" : L"";
    if (!program_driver::InstallProgram(folder, build))
        return 1;
    const std::wstring inputs = quorvex_test::FreshTempFolder(L"Quorvex scene");
    CreateDirectoryW((inputs + L"\\Converted").c_str(), nullptr);
    Program program(folder + L"\\Quorvex.exe");
    if (!program.Started())
        return 1;
    if (name == L"about") {
        PostMessageW(program.Main(), WM_SYSCOMMAND, 16, 0);
    } else if (name == L"settings") {
        program.Click(1029);
    } else if (name == L"menu") {
        // Options, then its first entry: the sub-menu with the check marks.
        program.ChooseFromMenuBar(2, {{"ii", 0}}, true);
    } else if (name == L"targets") {
        // A click on the arrow at the list's right end. Not at once: the
        // window is activated a moment after it appears, and the list, open
        // by then, would close with the lost focus.
        Sleep(1000);
        RECT combo;
        GetWindowRect(program.Item(1002), &combo);
        quorvex_test::LeftClick(POINT{combo.right - 8, (combo.top + combo.bottom) / 2});
    } else if (name == L"converting") {
        UseOutputFolder(program, inputs + L"\\Converted");
        const char* const scripts[] = {
            "err   Duration: 00:03:25.40, start: 0\\r\\n\nprobe: exit 1\nconvert: output\n",
            "err   Duration: 00:00:10.00, start: 0\\r\\n\nprobe: exit 1\n"
            "convert: err frame=  100 time=00:00:04.00 bitrate= 100.0kbits/s\\r\nconvert: sleep 60000\n",
            "err   Duration: 00:12:07.00, start: 0\\r\\n\nprobe: exit 1\n",
            "err   Duration: 01:02:44.90, start: 0\\r\\n\nprobe: exit 1\n",
        };
        const wchar_t* const names[] = {L"Holiday 2019.avi", L"Birthday party.mov", L"Concert.mkv",
                                        L"Interview.mp4"};
        for (int i = 0; i < 4; ++i) {
            const std::wstring path = inputs + L"\\" + names[i];
            quorvex_test::WriteWholeFile(path, "film");
            quorvex_test::WriteWholeFile(path + L".fake", scripts[i]);
            program.AddThroughDialog(path);
        }
        program.WaitForRows(4);
        program.Click(1009);
    } else if (name == L"timeleft") {
        UseOutputFolder(program, inputs + L"\\Converted");
        const wchar_t* const names[] = {L"Holiday 2019.avi", L"Birthday party.mov", L"Concert.mkv"};
        const int seconds[] = {300, 120, 90};
        for (int i = 0; i < 3; ++i) {
            const std::wstring path = inputs + L"\\" + names[i];
            quorvex_test::WriteWholeFile(path, "film");
            quorvex_test::WriteWholeFile(path + L".fake", SteadyScript(seconds[i]));
            program.AddThroughDialog(path);
        }
        program.WaitForRows(3);
        program.Click(1009);
        // Rest the pointer on the progress bar once a time is known.
        program_driver::WaitFor([&] {
            return program_driver::WindowText(program.Item(1030)).find(L"left)") != std::wstring::npos;
        }, 30000);
        RECT bar;
        GetWindowRect(program.Item(1005), &bar);
        SetCursorPos((bar.left + bar.right) / 2 - 3, (bar.top + bar.bottom) / 2);
        INPUT move{};
        move.type = INPUT_MOUSE;
        move.mi.dx = 3;
        move.mi.dwFlags = MOUSEEVENTF_MOVE;
        SendInput(1, &move, sizeof(move));
    } else if (name == L"countdown") {
        quorvex_test::WriteWholeFile(folder + L"\\countdown-seconds.txt", "60");
        UseOutputFolder(program, inputs + L"\\Converted");
        program.Menu(32786); // Options, Post Task Actions, Shut Down
        const std::wstring path = inputs + L"\\Holiday 2019.avi";
        quorvex_test::WriteWholeFile(path, "film");
        program.AddThroughDialog(path);
        program.WaitForRows(1);
        program.Click(1009);
    }
    Sleep(20000);
    // The About box or the settings dialog first, then the program.
    for (const wchar_t* title : {L"About Quorvex", L"Settings", L"Shut Down"})
        if (HWND dialog = program_driver::FindProcessWindow(program.Id(), title))
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    program.Close();
    return 0;
}

// A program started for a measurement; closed through its window (or ended)
// when the measurement is done.
class StartedProgram {
public:
    explicit StartedProgram(const std::wstring& exe) {
        std::wstring commandLine = L"\"" + exe + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        m_started = CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &m_process) != FALSE;
    }
    ~StartedProgram() {
        if (!m_started)
            return;
        if (m_window)
            PostMessageW(m_window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_process.hProcess, 20000) != WAIT_OBJECT_0)
            TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    bool Started() const { return m_started; }
    // Its visible window with this title, once it has one.
    HWND Window(const wchar_t* title) {
        if (!m_window)
            m_window = program_driver::FindProcessWindow(m_process.dwProcessId, title);
        return m_window;
    }

private:
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
    HWND m_window = nullptr;
};

int Baseline(const std::wstring& bare, double seconds) {
    StartedProgram program(bare);
    HWND window = nullptr;
    PollUntil([&] { return (window = program.Window(L"Bare Dialog")) != nullptr; }, 60);
    double longest = 0;
    long long pings = 0, slow = 0;
    for (const double end = Now() + seconds; window && Now() < end; ++pings) {
        const double sent = Now();
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result);
        const double took = Now() - sent;
        longest = std::max(longest, took);
        slow += took > 0.016 ? 1 : 0;
        Sleep(1);
    }
    Print("baseline_longest_ms", longest * 1000);
    Print("baseline_pings", static_cast<double>(pings));
    Print("baseline_over_16_ms", static_cast<double>(slow));
    return window ? 0 : 1;
}

struct StartTimes {
    double shown = -1;   // the window visible
    double painted = -1; // and nothing left to paint
};

// Seconds from the start of the process to its window shown and painted.
StartTimes TimeToPaintedWindow(const std::wstring& exe, const wchar_t* title) {
    StartTimes times;
    const double start = Now();
    StartedProgram program(exe);
    if (!program.Started())
        return times;
    HWND window = nullptr;
    const bool painted = PollUntil(
        [&] {
            if (!window && (window = program.Window(title)) != nullptr)
                times.shown = Now() - start;
            DWORD_PTR result = 0;
            return window && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) &&
                   !GetUpdateRect(window, nullptr, FALSE);
        },
        60);
    if (painted)
        times.painted = Now() - start;
    return times;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? -1 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

int Start(const std::wstring& exe, const std::wstring& bare, int runs) {
    std::vector<double> program, dialog, programShown, dialogShown;
    // One start of each first, not counted: it brings their files into memory.
    TimeToPaintedWindow(exe, L"Quorvex");
    TimeToPaintedWindow(bare, L"Bare Dialog");
    for (int i = 0; i < runs; ++i) {
        const StartTimes p = TimeToPaintedWindow(exe, L"Quorvex");
        const StartTimes d = TimeToPaintedWindow(bare, L"Bare Dialog");
        program.push_back(p.painted);
        programShown.push_back(p.shown);
        dialog.push_back(d.painted);
        dialogShown.push_back(d.shown);
    }
    for (double value : program)
        Print("program_start_seconds", value);
    for (double value : dialog)
        Print("bare_start_seconds", value);
    Print("program_start_median", Median(program));
    Print("bare_start_median", Median(dialog));
    Print("program_shown_median", Median(programShown));
    Print("bare_shown_median", Median(dialogShown));
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"convert" && argc == 6)
        return Convert(argv[2], argv[3], argv[4], _wtoi(argv[5]));
    if (mode == L"stall" && argc >= 6)
        return Stall(argv[2], argv[3], argv[4], _wtoi(argv[5]),
                     std::vector<std::wstring>(argv + 6, argv + argc));
    if (mode == L"scene" && argc == 3)
        return Scene(argv[2]);
    if (mode == L"baseline" && argc == 4)
        return Baseline(argv[2], _wtof(argv[3]));
    if (mode == L"start" && argc == 5)
        return Start(argv[2], argv[3], _wtoi(argv[4]));
    fprintf(stderr, "usage: AppBenchDriver.exe convert|stall|start ... (see the source)\n");
    return 2;
}

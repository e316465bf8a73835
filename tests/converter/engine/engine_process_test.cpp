// The conversion engine on the fake encoder (ffmpeg.exe beside this program),
// through the real CreateProcessW and pipes. Each input file gets its own
// script "<input>.fake" that tells the fake what to print, how long to wait,
// whether to write the output file and which exit code to end with.
#include "AppContext.h"
#include "ConversionEngine.h"
#include "support/files.h"
#include "support/handles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <new>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const DWORD kPatience = 20000; // bound on every wait; the encoders here take milliseconds

std::string Utf8(const std::wstring& text) {
    if (text.empty())
        return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string bytes(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], n, nullptr,
                        nullptr);
    return bytes;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file) << Utf8(path);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

bool ReadBytes(const std::wstring& path, std::string& bytes) {
    // Wine's rename keeps the renamed file open (for deletion) for a moment
    // after it has appeared: a reader that does not share deletion is refused.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bytes.clear();
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return true;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Waits for a condition that the engine's workers bring about.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kPatience) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(5);
    }
    return true;
}

bool ProcessGone(DWORD pid) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!process)
        return true;
    bool gone = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    CloseHandle(process);
    return gone;
}

bool ThreadGone(DWORD tid) {
    HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, tid);
    if (!thread)
        return true;
    bool gone = WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
    CloseHandle(thread);
    return gone;
}

using quorvex_test::CountOwnHandles;
using quorvex_test::ProcessRunning;

std::wstring FileName(const std::wstring& path) {
    return path.substr(path.find_last_of(L'\\') + 1);
}

// A private folder for one test's inputs, scripts and outputs.
class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_path = std::wstring(temp) + L"quorvex_engine_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                 std::to_wstring(++counter);
        CreateDirectoryW(m_path.c_str(), nullptr);
        CreateDirectoryW(Out().c_str(), nullptr);
    }
    ~TempFolder() { quorvex_test::RemoveTree(m_path); }
    const std::wstring& Path() const { return m_path; }
    std::wstring Out() const { return m_path + L"\\out"; }
    std::wstring operator/(const std::wstring& name) const { return m_path + L"\\" + name; }

    // An input file with the fake encoder's script for it.
    std::wstring Input(const std::wstring& name, const std::string& script) const {
        std::wstring path = *this / name;
        WriteBytes(path, "input data");
        WriteBytes(path + L".fake", script);
        return path;
    }

private:
    std::wstring m_path;
};

// A script path (for pidfile and waitfile) with the backslashes the script
// language wants doubled.
std::string ScriptPath(const std::wstring& path) {
    std::string bytes = Utf8(path), escaped;
    for (char c : bytes) {
        escaped += c;
        if (c == '\\')
            escaped += '\\';
    }
    return escaped;
}

// The process id a fake encoder published; 0 when none could be read. The
// file may have appeared a moment before it can be opened, so this waits
// for it a while.
DWORD ReadPid(const std::wstring& pidFile) {
    DWORD pid = 0;
    WaitUntil([&] {
        std::string bytes;
        if (ReadBytes(pidFile, bytes) && !bytes.empty() && bytes.find_first_not_of("0123456789") == std::string::npos)
            pid = static_cast<DWORD>(std::stoul(bytes));
        return pid != 0;
    });
    return pid;
}

const char kDuration10[] = "err   Duration: 00:00:10.50, start: 0.000000, bitrate: 1000 kb/s\\r\\n\n";

class EngineProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppContext::DestroyInstance();
        ASSERT_TRUE(AppContext::Instance().Initialize());
        m_log = AppContext::ExecutableFolder() + L"log.txt";
        DeleteFileW(m_log.c_str());
        engine = std::make_unique<ConversionEngine>();
        EngineCallbacks callbacks;
        auto recorder = [this](const wchar_t* what) {
            return [this, what](const std::wstring& path, const std::wstring& detail) {
                Record(what, path, detail);
            };
        };
        callbacks.OnFileStarted = recorder(L"started ");
        callbacks.OnFileFinished = recorder(L"finished ");
        callbacks.OnFileStopped = recorder(L"stopped ");
        callbacks.OnFileFailed = recorder(L"failed ");
        callbacks.OnProbeFinished = recorder(L"probed ");
        callbacks.OnBatchFinished = [this] { Record(L"batch", L""); };
        engine->SetCallbacks(callbacks);
    }

    void TearDown() override {
        engine.reset();
        AppContext::DestroyInstance();
        DeleteFileW(m_log.c_str());
    }

    void Record(const wchar_t* what, const std::wstring& path, const std::wstring& detail = std::wstring()) {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_events.push_back(what + (path.empty() ? std::wstring() : FileName(path)));
        m_details.push_back(detail);
        m_threads.push_back(GetCurrentThreadId());
    }

    std::vector<std::wstring> Events() {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_events;
    }

    // What each callback was given besides the path (output path, duration
    // or failure), in the order of Events().
    std::vector<std::wstring> Details() {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_details;
    }

    std::vector<DWORD> Threads() {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_threads;
    }

    bool Convert(const std::vector<std::wstring>& files, const std::wstring& target = L"AVI") {
        return engine->StartConversion(target, files, m_folder.Out(), L"Normal", L"FullScreen");
    }

    std::string LogText() {
        std::string bytes;
        return ReadBytes(m_log, bytes) ? bytes : std::string("<no log.txt>");
    }

    std::unique_ptr<ConversionEngine> engine;
    TempFolder m_folder;
    std::wstring m_log;

private:
    std::mutex m_mutex;
    std::vector<std::wstring> m_events;
    std::vector<std::wstring> m_details;
    std::vector<DWORD> m_threads;
};

using EventList = std::vector<std::wstring>;

TEST_F(EngineProcessTest, ConvertsEveryFileOfABatchInOrder) {
    // No scripts: the fake's default prints a duration and two status lines and writes the output.
    std::vector<std::wstring> files;
    for (const wchar_t* name : {L"one.avi", L"two.mov", L"three.mkv"}) {
        files.push_back(m_folder / name);
        WriteBytes(files.back(), "input");
    }
    ASSERT_TRUE(Convert(files));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ((EventList{L"started one.avi", L"finished one.avi", L"started two.mov", L"finished two.mov",
                         L"started three.mkv", L"finished three.mkv", L"batch"}),
              Events());
    const std::wstring out = m_folder.Out() + L"\\";
    EXPECT_EQ((EventList{out + L"one.avi", out + L"one.avi", out + L"two.avi", out + L"two.avi",
                         out + L"three.avi", out + L"three.avi", L""}),
              Details())
        << "started and finished carry the output path";
    std::vector<FileReport> reports = engine->GetFileReports();
    ASSERT_EQ(3u, reports.size());
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(FileReport::State::Finished, reports[i].Result);
        EXPECT_EQ(files[i], reports[i].InputPath);
        EXPECT_EQ(L"", reports[i].Message);
    }
    EXPECT_TRUE(engine->LastBatchSucceeded());
    EXPECT_FALSE(engine->IsConverting());
    EXPECT_EQ(1000, engine->GetProgress());
    EXPECT_EQ(10, engine->GetDurationSeconds());
    EXPECT_EQ(files.back(), engine->GetCurrentInput());
    for (const wchar_t* name : {L"one.avi", L"two.avi", L"three.avi"})
        EXPECT_TRUE(Exists(m_folder.Out() + L"\\" + name)) << Utf8(name);
    EXPECT_FALSE(Exists(m_log)) << "a batch that converted every file writes no log";
    // The callbacks ran on the worker, never on the caller's thread.
    for (DWORD tid : Threads())
        EXPECT_NE(GetCurrentThreadId(), tid);
    AppContext* context = AppContext::Current();
    EXPECT_EQ(files, context->Settings()->ConvertFiles);
    EXPECT_EQ(L"AVI", context->Settings()->Target);
    EXPECT_EQ(m_folder.Out(), context->Settings()->OutputFolder);
}

TEST_F(EngineProcessTest, ProgressFollowsBothTimeFormsAndIsCapped) {
    std::wstring gate = m_folder / L"gate";
    std::string script = std::string(kDuration10) +
                         "err frame=   1 fps=0.0 q=2.0 size=  1kB time=2.00 bitrate= 1.0kbits/s\\r\n"
                         "waitfile " +
                         ScriptPath(gate + L"1") +
                         "\n"
                         "err frame=   2 fps=0.0 q=2.0 size=  2kB time=00:00:05.00 bitrate= 1.0kbits/s\\r\n"
                         "waitfile " +
                         ScriptPath(gate + L"2") +
                         "\n"
                         "err frame=   3 fps=0.0 q=2.0 size=  3kB time=00:00:12.00 bitrate= 1.0kbits/s\\r\n"
                         "waitfile " +
                         ScriptPath(gate + L"3") +
                         "\n"
                         "output\n";
    std::wstring input = m_folder.Input(L"clip.avi", script);
    ASSERT_TRUE(Convert({input}));
    for (int step = 1; step <= 3; ++step) {
        const int expected[] = {200, 500, 1000};
        EXPECT_TRUE(WaitUntil([&] { return engine->GetProgress() == expected[step - 1]; }))
            << "step " << step << " progress " << engine->GetProgress();
        EXPECT_TRUE(engine->IsConverting());
        WriteBytes(gate + std::to_wstring(step), "go");
    }
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ((EventList{L"started clip.avi", L"finished clip.avi", L"batch"}), Events());
}

TEST_F(EngineProcessTest, LongDurationsInHoursMinutesSeconds) {
    std::wstring gate = m_folder / L"gate";
    std::string script = "err   Duration: 123:20:00.00, start: 0.0\\r\\n\n"
                         "err size= 1kB time=61:40:00.00 bitrate=1\\r\n"
                         "waitfile " +
                         ScriptPath(gate) +
                         "\n"
                         "output\n";
    ASSERT_TRUE(Convert({m_folder.Input(L"long.avi", script)}));
    EXPECT_TRUE(WaitUntil([&] { return engine->GetProgress() == 500; })) << engine->GetProgress();
    EXPECT_EQ(444000, engine->GetDurationSeconds());
    WriteBytes(gate, "go");
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_TRUE(engine->LastBatchSucceeded());
}

// The encoder's output arrives in pipe reads of a few hundred bytes: lines with
// every kind of end, lines longer than one read, non-ASCII text cut between
// reads, both standard streams, and a last line without an end.
TEST_F(EngineProcessTest, ReadsEveryLineWhateverItsEndOrLength) {
    std::string script = "err Input #0, avi, from 'C:\\\\vidéos\\\\日本語 ñ.avi':\\r\\n\n"
                         "out   Duration: 01:02:03.45, start: 0.000000\\n\n"
                         "repeat 200 日\n"
                         "out \\r\\n\n"
                         "sleep 20\n"
                         "repeat 131 é\n"
                         "out x\\r\n"
                         "sleep 20\n"
                         "out \\nfirst\\rsecond\\nthird\\r\\n\n"
                         "err status time=1.00 \\r\n"
                         "sleep 20\n"
                         "out \\ntail without end\n"
                         "probe: exit 1\n";
    std::wstring input = m_folder.Input(L"lines.avi", script);
    ASSERT_TRUE(engine->StartProbe({input}));
    ASSERT_TRUE(engine->WaitForProbe(kPatience));
    std::wstring longCjk(200, L'\u65E5'), longLatin(131, L'\u00E9');
    EXPECT_EQ((EventList{L"Input #0, avi, from 'C:\\vid\u00E9os\\\u65E5\u672C\u8A9E \u00F1.avi':",
                         L"  Duration: 01:02:03.45, start: 0.000000", longCjk, longLatin + L"x", L"first",
                         L"second", L"third", L"status time=1.00 ", L"tail without end"}),
              engine->GetProbeLines());
    EXPECT_EQ(L"01:02:03", engine->GetDurationText());
    EXPECT_EQ((EventList{L"probed lines.avi"}), Events());
}

TEST_F(EngineProcessTest, StopDuringTheSecondOfThreeFiles) {
    // An older, longer log must not survive under the new one.
    WriteBytes(m_log, std::string(5000, 'o'));
    std::wstring pidB = m_folder / L"b.pid", pidC = m_folder / L"c.pid";
    std::wstring a =
        m_folder.Input(L"a.avi", std::string(kDuration10) + "err time=00:00:05.00 \\r\noutput\n");
    std::wstring b = m_folder.Input(L"b.avi", "err Input #0, avi, from 'b-vidéo.avi':\\r\\n\n"
                                              "err   Duration: 00:00:10.00, start: 0.0\\r\\n\n"
                                              "err frame=  1 time=00:00:04.00 bitrate=1\\r\n"
                                              "pidfile " +
                                                  ScriptPath(pidB) +
                                                  "\n"
                                                  "sleep 30000\n"
                                                  "output\n");
    std::wstring c = m_folder.Input(L"c.avi", "pidfile " + ScriptPath(pidC) + "\noutput\n");
    ASSERT_TRUE(Convert({a, b, c}));
    ASSERT_TRUE(WaitUntil([&] { return Exists(pidB) && engine->GetProgress() == 400; }));
    DWORD pid = ReadPid(pidB);
    ASSERT_NE(0u, pid);
    EXPECT_EQ(pid, engine->GetEncoderProcessId());
    EXPECT_EQ(b, engine->GetCurrentInput());
    HANDLE watched = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    ASSERT_NE(nullptr, watched);

    EXPECT_TRUE(engine->Stop());
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    DWORD exitCode = 0;
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(watched, 0));
    EXPECT_TRUE(GetExitCodeProcess(watched, &exitCode));
    EXPECT_EQ(4u, exitCode) << "the encoder was terminated";
    CloseHandle(watched);
    EXPECT_EQ((EventList{L"started a.avi", L"finished a.avi", L"started b.avi", L"stopped b.avi"}), Events());
    std::vector<FileReport> reports = engine->GetFileReports();
    ASSERT_EQ(3u, reports.size());
    EXPECT_EQ(FileReport::State::Finished, reports[0].Result);
    EXPECT_EQ(FileReport::State::Stopped, reports[1].Result);
    EXPECT_EQ(m_folder.Out() + L"\\b.avi", reports[1].OutputPath);
    EXPECT_EQ(FileReport::State::Waiting, reports[2].Result);
    FileReport report;
    ASSERT_TRUE(engine->GetFileReport(c, report));
    EXPECT_EQ(FileReport::State::Waiting, report.Result);
    EXPECT_FALSE(engine->GetFileReport(m_folder / L"other.avi", report));
    EXPECT_EQ(m_log, engine->GetLogPath());
    EXPECT_FALSE(Exists(pidC)) << "the third file never started";
    EXPECT_FALSE(Exists(m_folder.Out() + L"\\c.avi"));
    EXPECT_TRUE(ProcessGone(pid)) << "no encoder is left running";
    EXPECT_EQ(0u, engine->GetEncoderProcessId());
    EXPECT_FALSE(engine->IsConverting());
    EXPECT_FALSE(engine->LastBatchSucceeded());
    EXPECT_EQ("Input #0, avi, from 'b-vid\xC3\xA9o.avi':\r\n"
              "  Duration: 00:00:10.00, start: 0.0\r\n"
              "frame=  1 time=00:00:04.00 bitrate=1\r\n",
              LogText());
    EXPECT_TRUE(engine->Stop()) << "Stop when nothing runs";
    EXPECT_EQ(4u, Events().size());
}

TEST_F(EngineProcessTest, StopBetweenTwoFilesStartsNoFurtherEncoder) {
    ConversionEngine* raw = engine.get();
    raw->SetOnFileFinished([this, raw](const std::wstring& path) {
        Record(L"finished ", path);
        raw->Stop(); // after the first file's encoder has ended, before the next starts
    });
    std::wstring pidB = m_folder / L"b.pid";
    std::wstring a = m_folder.Input(L"a.avi", std::string(kDuration10) + "output\n");
    std::wstring b = m_folder.Input(L"b.avi", "pidfile " + ScriptPath(pidB) + "\noutput\n");
    ASSERT_TRUE(Convert({a, b}));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ((EventList{L"started a.avi", L"finished a.avi"}), Events());
    EXPECT_FALSE(Exists(pidB));
    EXPECT_FALSE(engine->LastBatchSucceeded());
}

TEST_F(EngineProcessTest, FailedEncoderIsNeverReportedAsFinished) {
    struct Case {
        const char* name;
        std::string script;
        int progress;        // what the encoder's own output gave
        std::wstring reason; // the failure text, before the output path where one follows
    };
    const Case cases[] = {
        {"non-zero exit code",
         std::string(kDuration10) + "err time=00:00:05.00 \\r\noutput\nerr Conversion failed!\\r\\nerr "
                                    "time=00:00:06.00 \\r\nexit 3\n",
         600, L"The encoder ended with code 3: Conversion failed!"},
        {"exit 0 without an output file", std::string(kDuration10) + "err time=00:00:02.00 \\r\n", 200,
         L"The encoder wrote no output file: "},
        {"exit 0 with an empty output file", std::string(kDuration10) + "output-empty\n", 0,
         L"The encoder wrote an empty output file: "},
    };
    // The progress as it stood when the file failed (the next file moves it on).
    int progressAtFailure = -1;
    ConversionEngine* raw = engine.get();
    engine->SetOnFileFailed([this, raw, &progressAtFailure](const std::wstring& path, const std::wstring& why) {
        progressAtFailure = raw->GetProgress();
        Record(L"failed ", path, why);
    });
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        TempFolder folder;
        std::wstring pidNext = folder / L"next.pid";
        std::wstring bad = folder.Input(L"bad.avi", test.script);
        std::wstring next = folder.Input(L"next.avi", "pidfile " + ScriptPath(pidNext) + "\noutput\n");
        DeleteFileW(m_log.c_str());
        size_t before = Events().size();
        ASSERT_TRUE(engine->StartConversion(L"AVI", {bad, next}, folder.Out(), L"Normal", L"FullScreen"));
        ASSERT_TRUE(engine->WaitForConversion(kPatience));
        EventList events = Events();
        EXPECT_EQ((EventList{L"started bad.avi", L"failed bad.avi", L"started next.avi", L"finished next.avi"}),
                  EventList(events.begin() + before, events.end()));
        // The texts about the output file name it.
        const std::wstring output = test.reason.back() == L' ' ? folder.Out() + L"\\bad.avi" : L"";
        EXPECT_EQ(test.reason + output, Details().at(before + 1)) << "OnFileFailed says why";
        FileReport report;
        ASSERT_TRUE(engine->GetFileReport(bad, report));
        EXPECT_EQ(FileReport::State::Failed, report.Result);
        EXPECT_EQ(test.reason + output, report.Message);
        const std::string logText = LogText();
        EXPECT_EQ("Quorvex: " + Utf8(test.reason + output) + "\r\n",
                  logText.substr(logText.rfind("\r\n", logText.size() - 3) + 2))
            << "log.txt ends with the failure";
        EXPECT_EQ(test.progress, progressAtFailure) << "progress is not forced to 1000";
        EXPECT_FALSE(engine->LastBatchSucceeded());
        EXPECT_TRUE(Exists(pidNext)) << "the batch goes on after the failed file";
        EXPECT_NE(std::string::npos,
                  LogText().find("  Duration: 00:00:10.50, start: 0.000000, bitrate: 1000 kb/s\r\n"))
            << "log.txt holds the failed file's output";
    }
}

// A failed file is reported and the batch goes on; only a batch whose every
// file converted counts as converted. Stop still ends the whole batch.
TEST_F(EngineProcessTest, FailedFilesDoNotEndTheBatchButStopDoes) {
    const std::string converts = std::string(kDuration10) + "output\n";
    const std::string fails = std::string(kDuration10) + "err Conversion failed!\\r\\n\nexit 1\n";
    std::vector<std::wstring> files;
    for (const wchar_t* name : {L"f1.avi", L"f2.avi", L"f3.avi", L"f4.avi", L"f5.avi"})
        files.push_back(m_folder.Input(name, name == std::wstring(L"f2.avi") ? fails : converts));
    ASSERT_TRUE(Convert(files));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ((EventList{L"started f1.avi", L"finished f1.avi", L"started f2.avi", L"failed f2.avi",
                         L"started f3.avi", L"finished f3.avi", L"started f4.avi", L"finished f4.avi",
                         L"started f5.avi", L"finished f5.avi"}),
              Events())
        << "no OnBatchFinished after a failed file";
    EXPECT_FALSE(engine->LastBatchSucceeded());
    using State = FileReport::State;
    const std::vector<State> expected = {State::Finished, State::Failed, State::Finished, State::Finished,
                                         State::Finished};
    std::vector<FileReport> reports = engine->GetFileReports();
    ASSERT_EQ(expected.size(), reports.size());
    for (size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(files[i], reports[i].InputPath);
        EXPECT_EQ(expected[i], reports[i].Result) << "file " << i + 1;
    }
    BatchOutcome outcome = engine->GetBatchOutcome();
    EXPECT_EQ(5, outcome.Files);
    EXPECT_EQ(4, outcome.Converted);
    EXPECT_EQ(1, outcome.Failed);
    EXPECT_EQ(0, outcome.Stopped);
    EXPECT_EQ(0, outcome.NotConverted);
    EXPECT_FALSE(outcome.AllConverted());
    EXPECT_EQ(L"The encoder ended with code 1: Conversion failed!", outcome.FirstFailure);

    // Failed, then stopped during the second: the third never starts.
    const std::wstring gatePid = m_folder / L"held.pid", lastPid = m_folder / L"last.pid";
    const std::wstring held =
        m_folder.Input(L"held.avi", std::string(kDuration10) + "pidfile " + ScriptPath(gatePid) +
                                        "\nsleep 30000\noutput\n");
    const std::wstring last = m_folder.Input(L"last.avi", "pidfile " + ScriptPath(lastPid) + "\noutput\n");
    ASSERT_TRUE(Convert({files[1], held, last}));
    ASSERT_TRUE(WaitUntil([&] { return Exists(gatePid); }));
    EXPECT_TRUE(engine->GetBatchOutcome().Running);
    EXPECT_TRUE(engine->Stop());
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    outcome = engine->GetBatchOutcome();
    EXPECT_EQ(3, outcome.Files);
    EXPECT_EQ(0, outcome.Converted);
    EXPECT_EQ(1, outcome.Failed);
    EXPECT_EQ(1, outcome.Stopped);
    EXPECT_EQ(1, outcome.NotConverted);
    EXPECT_FALSE(outcome.Running);
    EXPECT_FALSE(Exists(lastPid)) << "Stop ends the whole batch";
    // Both files of the batch left their messages in log.txt, in turn.
    const std::string log = LogText();
    const std::string failed = "Quorvex: The encoder ended with code 1: Conversion failed!\r\n";
    EXPECT_EQ(0u, log.find("  Duration: 00:00:10.50")) << log;
    EXPECT_NE(std::string::npos, log.find(failed + "\r\n  Duration: 00:00:10.50")) << log;

    // Every file converted: the one case that counts as converted.
    const size_t before = Events().size();
    ASSERT_TRUE(Convert({files[0], files[2]}));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ(L"batch", Events().back());
    EXPECT_EQ(before + 5, Events().size());
    outcome = engine->GetBatchOutcome();
    EXPECT_TRUE(outcome.AllConverted());
    EXPECT_EQ(2, outcome.Converted);
    EXPECT_EQ(L"", outcome.FirstFailure);
}

TEST_F(EngineProcessTest, FilesThatCannotBeConvertedFailWithoutAnEncoder) {
    std::wstring pid = m_folder / L"ran.pid";
    std::string script = "pidfile " + ScriptPath(pid) + "\noutput\n";
    std::wstring clip = m_folder.Input(L"Clip.avi", script);
    std::wstring noDot = m_folder.Input(L"nodot", script);
    struct Case {
        const char* name;
        std::wstring target, file, folder, expectedFailure;
    };
    std::wstring upperFolder = m_folder.Path();
    std::transform(upperFolder.begin(), upperFolder.end(), upperFolder.begin(), ::towupper);
    const Case cases[] = {
        {"unknown target", L"Nothing", clip, m_folder.Out(), L"failed Clip.avi"},
        {"no string for the size", L"IPhone", clip, m_folder.Out(), L"failed Clip.avi"},
        {"file name without a dot", L"AVI", noDot, m_folder.Out(), L"failed nodot"},
        {"path without a backslash", L"AVI", L"relative.avi", m_folder.Out(), L"failed relative.avi"},
        // The output would be the input itself: the encoder would overwrite it.
        {"output is the input", L"AVI", clip, m_folder.Path(), L"failed Clip.avi"},
        {"output is the input, other case", L"AVI", clip, upperFolder, L"failed Clip.avi"},
        {"output is the input, doubled backslash", L"AVI", clip, m_folder.Path() + L"\\", L"failed Clip.avi"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        size_t before = Events().size();
        ASSERT_TRUE(engine->StartConversion(test.target, {test.file}, test.folder, L"Normal", L"FullScreen"));
        ASSERT_TRUE(engine->WaitForConversion(kPatience));
        EventList events = Events();
        EXPECT_EQ((EventList{test.expectedFailure}), EventList(events.begin() + before, events.end()));
        EXPECT_FALSE(engine->LastBatchSucceeded());
        EXPECT_FALSE(Exists(pid)) << "no encoder started";
    }
    std::string contents;
    ASSERT_TRUE(ReadBytes(clip, contents));
    EXPECT_EQ("input data", contents) << "the input was not overwritten";
}

TEST_F(EngineProcessTest, MissingEncoderFailsTheFileAndEmptiesTheProbe) {
    AppContext::Current()->SetProgramFolder(m_folder.Path()); // no ffmpeg.exe there
    std::wstring input = m_folder / L"a.avi";
    WriteBytes(input, "input");
    ASSERT_TRUE(Convert({input, input}));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ((EventList{L"started a.avi", L"failed a.avi", L"started a.avi", L"failed a.avi"}), Events());
    EXPECT_FALSE(engine->LastBatchSucceeded());

    ASSERT_TRUE(engine->StartProbe({input}));
    ASSERT_TRUE(engine->WaitForProbe(kPatience));
    EXPECT_EQ(L"probed a.avi", Events().back()) << "the window hears of the file and can reject it";
    std::wstring duration = L"stale";
    ASSERT_TRUE(engine->GetProbedDuration(input, duration));
    EXPECT_EQ(L"", duration);
}

TEST_F(EngineProcessTest, RefusesIncompleteRequests) {
    std::wstring file = m_folder / L"a.avi";
    EXPECT_FALSE(engine->StartConversion(L"", {file}, L"C:\\out", L"Normal", L"FullScreen"));
    EXPECT_FALSE(engine->StartConversion(L"AVI", {}, L"C:\\out", L"Normal", L"FullScreen"));
    EXPECT_FALSE(engine->StartConversion(L"AVI", {file, L""}, L"C:\\out", L"Normal", L"FullScreen"));
    EXPECT_FALSE(engine->StartConversion(L"AVI", {file}, L"", L"Normal", L"FullScreen"));
    EXPECT_FALSE(engine->StartConversion(L"AVI", {file}, L"C:\\out", L"", L"FullScreen"));
    EXPECT_FALSE(engine->StartConversion(L"AVI", {file}, L"C:\\out", L"Normal", L""));
    EXPECT_FALSE(engine->StartProbe({}));
    EXPECT_FALSE(engine->StartProbe({file, L""}));
    EXPECT_FALSE(engine->IsConverting());
    EXPECT_FALSE(engine->IsProbing());
    EXPECT_TRUE(engine->Stop());

    AppContext::DestroyInstance();
    EXPECT_FALSE(engine->StartConversion(L"AVI", {file}, L"C:\\out", L"Normal", L"FullScreen"));
    EXPECT_FALSE(engine->StartProbe({file}));
    EXPECT_TRUE(Events().empty());
}

TEST_F(EngineProcessTest, SecondStartWhileConvertingStartsNothing) {
    std::wstring gate = m_folder / L"gate", pid = m_folder / L"a.pid";
    std::wstring a = m_folder.Input(L"a.avi", "pidfile " + ScriptPath(pid) + "\nwaitfile " +
                                                  ScriptPath(gate) + "\noutput\n");
    std::wstring other = m_folder.Input(L"other.avi", "output\n");
    ASSERT_TRUE(Convert({a}));
    ASSERT_TRUE(WaitUntil([&] { return Exists(pid); }));
    EXPECT_TRUE(Convert({other}, L"FLV"));
    WriteBytes(gate, "go");
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ((EventList{L"started a.avi", L"finished a.avi", L"batch"}), Events());
    EXPECT_FALSE(Exists(m_folder.Out() + L"\\other.flv"));
}

TEST_F(EngineProcessTest, ProbeReadsTheDurationText) {
    std::wstring input = m_folder.Input(L"movie.mp4", std::string(kDuration10) + "probe: exit 1\n");
    ASSERT_TRUE(engine->StartProbe({input}));
    ASSERT_TRUE(engine->WaitForProbe(kPatience));
    EXPECT_EQ((EventList{L"probed movie.mp4"}), Events());
    EXPECT_EQ((EventList{L"00:00:10"}), Details()) << "the duration comes with OnProbeFinished";
    EXPECT_EQ(L"00:00:10", engine->GetDurationText());
    std::wstring duration;
    ASSERT_TRUE(engine->GetProbedDuration(input, duration));
    EXPECT_EQ(L"00:00:10", duration);
    EXPECT_FALSE(engine->GetProbedDuration(m_folder / L"never.mp4", duration));
    EXPECT_FALSE(engine->IsProbing());
    EXPECT_EQ(m_folder.Path() + L"\\movie.mp4", AppContext::Current()->Settings()->ProbeFiles.at(0));
}

TEST_F(EngineProcessTest, ProbeRequestedDuringAProbeIsQueued) {
    std::wstring gate = m_folder / L"gate", pid = m_folder / L"first.pid";
    std::wstring first =
        m_folder.Input(L"first.avi", "pidfile " + ScriptPath(pid) + "\nwaitfile " + ScriptPath(gate) +
                                         "\nerr   Duration: 00:01:00.25, start: 0\\r\\n\n");
    std::wstring second = m_folder.Input(L"second.avi", "err   Duration: 00:02:00.75, start: 0\\r\\n\n");
    std::wstring third = m_folder.Input(L"third.avi", "err   Duration: N/A, bitrate: N/A\\r\\n\n");
    ASSERT_TRUE(engine->StartProbe({first}));
    ASSERT_TRUE(WaitUntil([&] { return Exists(pid); }));
    EXPECT_TRUE(engine->IsProbing());
    EXPECT_TRUE(engine->StartProbe({second, third}));
    WriteBytes(gate, "go");
    ASSERT_TRUE(engine->WaitForProbe(kPatience));
    EXPECT_EQ((EventList{L"probed first.avi", L"probed second.avi", L"probed third.avi"}), Events());
    std::wstring duration;
    ASSERT_TRUE(engine->GetProbedDuration(first, duration));
    EXPECT_EQ(L"00:01:00", duration);
    ASSERT_TRUE(engine->GetProbedDuration(second, duration));
    EXPECT_EQ(L"00:02:00", duration);
    ASSERT_TRUE(engine->GetProbedDuration(third, duration));
    EXPECT_EQ(L"N/A", duration);
    EXPECT_FALSE(engine->IsProbing());

    // A later request starts a new worker.
    ASSERT_TRUE(engine->StartProbe({second}));
    ASSERT_TRUE(engine->WaitForProbe(kPatience));
    EXPECT_EQ(L"probed second.avi", Events().back());
}

TEST_F(EngineProcessTest, StopEndsTheConversionButNotAProbe) {
    std::wstring gate = m_folder / L"gate", probePid = m_folder / L"probe.pid",
                 convertPid = m_folder / L"convert.pid";
    std::wstring probed =
        m_folder.Input(L"probed.avi", "pidfile " + ScriptPath(probePid) + "\nwaitfile " + ScriptPath(gate) +
                                          "\nerr   Duration: 00:03:00.00, start: 0\\r\\n\n");
    std::wstring converted =
        m_folder.Input(L"converted.avi", std::string(kDuration10) + "pidfile " + ScriptPath(convertPid) +
                                             "\nsleep 30000\noutput\n");
    ASSERT_TRUE(engine->StartProbe({probed}));
    ASSERT_TRUE(Convert({converted}));
    ASSERT_TRUE(WaitUntil([&] { return Exists(probePid) && Exists(convertPid); }));
    DWORD probeProcess = ReadPid(probePid), convertProcess = ReadPid(convertPid);
    EXPECT_EQ(convertProcess, engine->GetEncoderProcessId());

    EXPECT_TRUE(engine->Stop());
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_TRUE(ProcessGone(convertProcess));
    EXPECT_TRUE(ProcessRunning(probeProcess)) << "Stop left the probe's encoder alone";
    EXPECT_TRUE(engine->IsProbing());
    EXPECT_EQ((EventList{L"started converted.avi", L"stopped converted.avi"}), Events());

    WriteBytes(gate, "go");
    ASSERT_TRUE(engine->WaitForProbe(kPatience));
    EXPECT_EQ(L"probed probed.avi", Events().back());
    std::wstring duration;
    ASSERT_TRUE(engine->GetProbedDuration(probed, duration));
    EXPECT_EQ(L"00:03:00", duration);
    EXPECT_NE(std::string::npos, LogText().find("  Duration: 00:00:10.50"))
        << "log.txt holds the conversion's lines only";
    EXPECT_EQ(std::string::npos, LogText().find("00:03:00"));
}

TEST_F(EngineProcessTest, StartAgainAfterStop) {
    std::wstring pid = m_folder / L"slow.pid";
    std::wstring slow = m_folder.Input(L"slow.avi", "pidfile " + ScriptPath(pid) + "\nsleep 30000\noutput\n");
    std::wstring quick = m_folder.Input(L"quick.avi", std::string(kDuration10) + "output\n");
    ASSERT_TRUE(Convert({slow}));
    ASSERT_TRUE(WaitUntil([&] { return Exists(pid); }));
    EXPECT_TRUE(engine->Stop());
    // At once, while the stopped worker may still be winding down.
    ASSERT_TRUE(Convert({quick}));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ((EventList{L"started slow.avi", L"stopped slow.avi", L"started quick.avi",
                         L"finished quick.avi", L"batch"}),
              Events());
    EXPECT_TRUE(engine->LastBatchSucceeded());
}

TEST_F(EngineProcessTest, DestroyingTheEngineStopsAndJoinsItsWorkers) {
    std::wstring convertPid = m_folder / L"convert.pid", probePid = m_folder / L"probe.pid";
    std::wstring converted =
        m_folder.Input(L"converted.avi", "pidfile " + ScriptPath(convertPid) + "\nsleep 30000\noutput\n");
    std::wstring quick = m_folder.Input(L"quick.avi", std::string(kDuration10));
    std::wstring slowProbe =
        m_folder.Input(L"slow.avi", "pidfile " + ScriptPath(probePid) + "\nsleep 30000\n");
    std::wstring never = m_folder.Input(L"never.avi", std::string(kDuration10));
    ASSERT_TRUE(Convert({converted, quick}));
    ASSERT_TRUE(engine->StartProbe({quick, slowProbe, never}));
    ASSERT_TRUE(WaitUntil([&] { return Exists(convertPid) && Exists(probePid); }));
    DWORD convertProcess = ReadPid(convertPid), probeProcess = ReadPid(probePid);
    std::vector<DWORD> workers = Threads(); // started converted.avi, probed quick.avi
    ASSERT_EQ(2u, workers.size());

    engine.reset();

    EXPECT_TRUE(ProcessGone(convertProcess));
    EXPECT_TRUE(ProcessGone(probeProcess));
    for (DWORD tid : workers)
        EXPECT_TRUE(ThreadGone(tid)) << "worker " << tid << " outlived the engine";
    std::set<std::wstring> events;
    for (const std::wstring& event : Events())
        events.insert(event);
    EXPECT_EQ(
        (std::set<std::wstring>{L"started converted.avi", L"probed quick.avi", L"stopped converted.avi"}),
        events);
}

TEST(EngineInstanceTest, ProcessWideObjectIsCreatedOnFirstUseAndDestroyed) {
    ConversionEngine::DestroyInstance();
    EXPECT_EQ(nullptr, ConversionEngine::Current());
    ConversionEngine& engine = ConversionEngine::Instance();
    EXPECT_EQ(&engine, ConversionEngine::Current());
    EXPECT_EQ(&engine, &ConversionEngine::Instance());
    EXPECT_FALSE(engine.IsConverting());
    EXPECT_EQ(0, engine.GetProgress());
    EXPECT_EQ(L"", engine.GetDurationText());
    EXPECT_EQ(L"", engine.GetCurrentInput());
    EXPECT_FALSE(engine.LastBatchSucceeded());
    ConversionEngine::DestroyInstance();
    EXPECT_EQ(nullptr, ConversionEngine::Current());
}

TEST(EngineInstanceTest, EmptyCallbackSlotsLeaveTheSlotUnchanged) {
    AppContext::DestroyInstance();
    AppContext::Instance().Initialize();
    std::vector<std::wstring> seen;
    {
        ConversionEngine engine;
        engine.SetOnProbeFinished([&](const std::wstring& path) { seen.push_back(path); });
        engine.SetCallbacks(EngineCallbacks()); // all empty
        engine.SetOnProbeFinished(nullptr);
        ASSERT_TRUE(engine.StartProbe({L"C:\\nowhere\\x.avi"}));
        ASSERT_TRUE(engine.WaitForProbe(kPatience));
    }
    EXPECT_EQ(std::vector<std::wstring>{L"C:\\nowhere\\x.avi"}, seen);
    AppContext::DestroyInstance();
}

} // namespace

namespace {

TEST_F(EngineProcessTest, CommandLinesReachTheEncoderWhole) {
    std::wstring folder = m_folder / L"vid\u00E9os \u65E5\u672C";
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring cmdFile = m_folder / L"command.txt";
    std::wstring input = folder + L"\\my clip.v1.mov";
    WriteBytes(input, "input");
    WriteBytes(input + L".fake", "cmdfile " + ScriptPath(cmdFile) + "\nprobe: exit 1\nconvert: output\n");
    const std::wstring encoder = AppContext::ExecutableFolder() + L"ffmpeg.exe";

    ASSERT_TRUE(
        engine->StartConversion(L"IPod", {input}, m_folder.Out(), L"Normal", L"WideScreen ( for TV )"));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    std::wstring expected =
        encoder + L" -i \"" + input + L"\" " +
        AppContext::Current()->Catalogue()->GetArguments(L"IPod", L"", L"WideScreen ( for TV )") + L" \"" +
        m_folder.Out() + L"\\my clip.v1.m4v\"";
    EXPECT_GT(expected.size(), 260u) << "longer than a fixed 260-character buffer";
    std::string received;
    ASSERT_TRUE(ReadBytes(cmdFile, received));
    EXPECT_EQ(Utf8(expected), received);
    EXPECT_TRUE(engine->LastBatchSucceeded());

    ASSERT_TRUE(engine->StartProbe({input}));
    ASSERT_TRUE(engine->WaitForProbe(kPatience));
    ASSERT_TRUE(ReadBytes(cmdFile, received));
    EXPECT_EQ(Utf8(encoder + L" -i \"" + input + L"\""), received);
}

// A program folder longer than MAX_PATH is read whole. (Programs cannot be
// started from there, but modules can be loaded from there.)
TEST_F(EngineProcessTest, ProgramFolderOfAnyLength) {
    std::wstring deep = m_folder.Path();
    while (deep.size() < 300) {
        deep += L"\\a-rather-long-folder-name";
        ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    }
    std::wstring module = deep + L"\\ffmpeg.exe";
    ASSERT_TRUE(CopyFileW((AppContext::ExecutableFolder() + L"ffmpeg.exe").c_str(), module.c_str(), FALSE));
    HMODULE loaded = LoadLibraryExW(module.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(deep + L"\\", AppContext::ModuleFolder(loaded));
    FreeLibrary(loaded);

    AppContext::Current()->SetProgramFolder(deep);
    EXPECT_EQ(deep + L"\\", AppContext::Current()->ProgramFolder());
    EXPECT_EQ(module, AppContext::Current()->EncoderPath());
}

TEST_F(EngineProcessTest, LeavesNoHandlesBehind) {
    std::vector<std::wstring> files;
    for (const wchar_t* name : {L"h1.avi", L"h2.avi"})
        files.push_back(m_folder.Input(name, std::string(kDuration10) + "output\n"));
    std::wstring stopped = m_folder.Input(L"h3.avi", std::string(kDuration10) + "sleep 30000\n");
    engine.reset();
    // A batch beside a probe, then a stopped batch. The first round lets the
    // runtime make what it keeps for good (a contended lock's event, say).
    auto round = [&] {
        ConversionEngine local;
        ASSERT_TRUE(local.StartConversion(L"AVI", files, m_folder.Out(), L"Normal", L"FullScreen"));
        ASSERT_TRUE(local.StartProbe(files));
        ASSERT_TRUE(local.WaitForConversion(kPatience));
        ASSERT_TRUE(local.WaitForProbe(kPatience));
        EXPECT_TRUE(local.LastBatchSucceeded());
        ASSERT_TRUE(local.StartConversion(L"AVI", {stopped}, m_folder.Out(), L"Normal", L"FullScreen"));
        ASSERT_TRUE(WaitUntil([&] { return local.GetEncoderProcessId() != 0; }));
        local.Stop();
        ASSERT_TRUE(local.WaitForConversion(kPatience));
        EXPECT_FALSE(local.LastBatchSucceeded());
    };
    round();
    long before = CountOwnHandles();
    ASSERT_GT(before, 0);
    round();
    round();
    EXPECT_EQ(before, CountOwnHandles());
}

} // namespace

namespace {

// A program folder of its own holding a copy of the fake encoder.
std::wstring MakeProgramFolder(const std::wstring& folder) {
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW((AppContext::ExecutableFolder() + L"ffmpeg.exe").c_str(), (folder + L"\\ffmpeg.exe").c_str(),
              FALSE);
    return folder + L"\\";
}

std::string ReadText(const std::wstring& path) {
    std::string bytes;
    return ReadBytes(path, bytes) ? bytes : std::string("<missing>");
}

// Installed the usual way, the program lives in a folder whose name has
// blanks; a C:\Program.exe must not be what starts.
TEST_F(EngineProcessTest, ProgramFolderWithBlanksAndOtherLetters) {
    CreateDirectoryW((m_folder / L"Program Files").c_str(), nullptr);
    const std::wstring program = MakeProgramFolder(m_folder / L"Program Files\\Quorvex \u00E9\u65E5");
    ASSERT_TRUE(Exists(program + L"ffmpeg.exe"));
    // Where the unquoted path would lead the system first.
    ASSERT_TRUE(CopyFileW((AppContext::ExecutableFolder() + L"ffmpeg.exe").c_str(),
                          (m_folder / L"Program.exe").c_str(), FALSE));
    AppContext::Current()->SetProgramFolder(program);
    const std::wstring ranFrom = m_folder / L"ran-from.txt", commandFile = m_folder / L"command.txt";
    const std::wstring input = m_folder.Input(
        L"clip.avi", "folderfile " + ScriptPath(ranFrom) + "\ncmdfile " + ScriptPath(commandFile) + "\n" +
                         kDuration10 + "probe: exit 1\nconvert: output\n");

    ASSERT_TRUE(engine->StartProbe({input}));
    ASSERT_TRUE(engine->WaitForProbe(kPatience));
    EXPECT_EQ(Utf8(program), ReadText(ranFrom));
    EXPECT_EQ(Utf8(L"\"" + program + L"ffmpeg.exe\" -i \"" + input + L"\""), ReadText(commandFile));
    EXPECT_EQ((EventList{L"probed clip.avi"}), Events());
    EXPECT_EQ(L"00:00:10", Details().back());

    DeleteFileW(ranFrom.c_str());
    ASSERT_TRUE(Convert({input}));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ(Utf8(program), ReadText(ranFrom));
    EXPECT_EQ(
        0u,
        ReadText(commandFile).find(Utf8(L"\"" + program + L"ffmpeg.exe\" -i \"" + input + L"\" -f avi ")));
    EXPECT_EQ((EventList{L"probed clip.avi", L"started clip.avi", L"finished clip.avi", L"batch"}), Events());
}

// With several files in one batch, no output is written over an input of the
// batch, nor over an output of an earlier file of the same batch.
TEST_F(EngineProcessTest, OutputsNeverOverwriteAnInputOrEachOther) {
    const std::string script = std::string(kDuration10) + "output\n";
    for (const wchar_t* sub : {L"x", L"y", L"z"})
        CreateDirectoryW((m_folder / sub).c_str(), nullptr);

    // a.mov's output would be a.avi, the user's own file listed after it.
    const std::wstring aMov = m_folder.Input(L"a.mov", script), aAvi = m_folder.Input(L"a.avi", script);
    ASSERT_TRUE(engine->StartConversion(L"AVI", {aMov, aAvi}, m_folder.Path(), L"Normal", L"FullScreen"));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ((EventList{L"failed a.mov", L"failed a.avi"}), Events()) << "a.avi would overwrite itself";
    EXPECT_EQ(L"The output \"" + aAvi +
                  L"\" would overwrite an input file of this batch; choose another output folder.",
              Details().front());
    EXPECT_EQ("input data", ReadText(aAvi));
    EXPECT_FALSE(engine->LastBatchSucceeded());

    // Two files with the same base name: the later one takes the next name
    // that no input and no earlier output of the batch uses ("b (2).avi" is
    // an input here).
    const std::wstring out = m_folder.Out() + L"\\";
    const std::wstring bMov = m_folder.Input(L"x\\b.mov", script), bMkv = m_folder.Input(L"y\\b.mkv", script);
    const std::wstring listed = m_folder.Input(L"out\\b (2).avi", script);
    const std::wstring cMov = m_folder.Input(L"z\\c.mov", script);
    WriteBytes(out + L"c.avi", "left by an earlier batch");
    size_t before = Events().size();
    ASSERT_TRUE(engine->StartConversion(L"AVI", {bMov, bMkv, cMov, listed}, m_folder.Out(), L"Normal",
                                        L"FullScreen"));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EventList events = Events(), details = Details();
    EXPECT_EQ((EventList{L"started b.mov", L"finished b.mov", L"started b.mkv", L"finished b.mkv",
                         L"started c.mov", L"finished c.mov", L"failed b (2).avi"}),
              EventList(events.begin() + before, events.end()));
    EXPECT_EQ((EventList{out + L"b.avi", out + L"b.avi", out + L"b (3).avi", out + L"b (3).avi",
                         out + L"c.avi", out + L"c.avi"}),
              EventList(details.begin() + before, details.end() - 1));
    EXPECT_EQ("fake encoded data\n", ReadText(out + L"c.avi")) << "an earlier batch's output is replaced";
    EXPECT_EQ("input data", ReadText(listed));
    FileReport report;
    ASSERT_TRUE(engine->GetFileReport(bMkv, report));
    EXPECT_EQ(FileReport::State::Finished, report.Result);
    EXPECT_EQ(out + L"b (3).avi", report.OutputPath);
    EXPECT_EQ(L"Another file of this batch is converted to \"" + out +
                  L"b.avi\", so this one is saved as \"" + out + L"b (3).avi\".",
              report.Message);
    ASSERT_TRUE(engine->GetFileReport(bMov, report));
    EXPECT_EQ(L"", report.Message);
}

// Stop pressed while the last file winds down (its encoder has ended) must
// keep the post-task action from running; a Stop once the batch has counted
// as converted changes nothing.
TEST_F(EngineProcessTest, StopAfterTheLastEncoderHasEndedStillStops) {
    ConversionEngine* raw = engine.get();
    raw->SetOnFileFinished([this, raw](const std::wstring& path) {
        Record(L"finished ", path);
        raw->Stop();
    });
    std::wstring a = m_folder.Input(L"a.avi", std::string(kDuration10) + "output\n");
    ASSERT_TRUE(Convert({a}));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ((EventList{L"started a.avi", L"finished a.avi"}), Events()) << "no OnBatchFinished";
    EXPECT_FALSE(engine->LastBatchSucceeded());

    raw->SetOnFileFinished([this](const std::wstring& path) { Record(L"finished ", path); });
    raw->SetOnBatchFinished([this, raw] {
        Record(L"batch", L"");
        EXPECT_TRUE(raw->Stop());
    });
    ASSERT_TRUE(Convert({a}));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ(L"batch", Events().back());
    EXPECT_TRUE(engine->LastBatchSucceeded());
    EXPECT_EQ(1000, engine->GetProgress());
}

// An encoder that writes without line ends, or floods the pipe with lines,
// costs bounded memory, and its progress is still followed.
TEST_F(EngineProcessTest, EndlessOutputStaysBounded) {
    const std::wstring gate = m_folder / L"gate";
    const std::string script = std::string(kDuration10) +
                               "repeat 300000 xxxx\n"
                               "err \\rtime=00:00:05.00 \\r\n"
                               "waitfile " +
                               ScriptPath(gate) +
                               "\n"
                               "repeat 60000 frame=  1 time=00:00:06.00 bitrate=1\\r\\n\n"
                               "err Conversion failed!\\r\\n\n"
                               "exit 1\n";
    std::wstring input = m_folder.Input(L"flood.avi", script);
    ASSERT_TRUE(Convert({input}));
    EXPECT_TRUE(WaitUntil([&] { return engine->GetProgress() == 500; })) << engine->GetProgress();
    std::vector<std::wstring> lines = engine->GetConversionLines();
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(std::wstring(65536, L'x'), lines[1]) << "the rest of the overlong line is dropped";
    WriteBytes(gate, "go");
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ((EventList{L"started flood.avi", L"failed flood.avi"}), Events());
    EXPECT_EQ(L"The encoder ended with code 1: Conversion failed!", Details().back());

    lines = engine->GetConversionLines();
    EXPECT_EQ(L"  Duration: 00:00:10.50, start: 0.000000, bitrate: 1000 kb/s", lines.at(0));
    EXPECT_EQ(0u, lines.at(200).find(L"[... ")) << "the lines between the head and the tail are left out";
    EXPECT_EQ(L"Conversion failed!", lines.back());
    const std::string log = LogText();
    EXPECT_GT(log.size(), 1000000u);
    EXPECT_LT(log.size(), 1024u * 1024u + 200u * 40u + 65536u + 200u);
}

TEST_F(EngineProcessTest, ExceptionsInCallbacksFailTheFileAndEndTheWorker) {
    const std::wstring pid = m_folder / L"b.pid";
    std::wstring a = m_folder.Input(L"a.avi", std::string(kDuration10) + "output\n");
    std::wstring b = m_folder.Input(L"b.avi", "pidfile " + ScriptPath(pid) + "\noutput\n");
    engine->SetOnFileStarted([](const std::wstring&) { throw std::runtime_error("no window"); });
    ASSERT_TRUE(Convert({a, b}));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ((EventList{L"failed a.avi"}), Events());
    EXPECT_EQ(L"The conversion ended on an internal error: no window", Details().back());
    EXPECT_FALSE(engine->IsConverting());
    EXPECT_FALSE(engine->LastBatchSucceeded());
    EXPECT_FALSE(Exists(pid));

    // Once the file has its outcome, a throwing callback ends the batch
    // without changing it.
    engine->SetOnFileStarted([this](const std::wstring& path) { Record(L"started ", path); });
    engine->SetOnFileFinished([this](const std::wstring& path) {
        Record(L"finished ", path);
        throw 42;
    });
    ASSERT_TRUE(Convert({a, b}));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ((EventList{L"failed a.avi", L"started a.avi", L"finished a.avi"}), Events());
    FileReport report;
    ASSERT_TRUE(engine->GetFileReport(a, report));
    EXPECT_EQ(FileReport::State::Finished, report.Result);
    EXPECT_FALSE(Exists(pid));

    // A probe callback that throws leaves the rest of the queue to be probed.
    engine->SetOnProbeFinished([this](const std::wstring& path, const std::wstring& duration) {
        Record(L"probed ", path, duration);
        if (FileName(path) == L"a.avi")
            throw std::bad_alloc();
    });
    ASSERT_TRUE(engine->StartProbe({a, b}));
    ASSERT_TRUE(engine->WaitForProbe(kPatience));
    EXPECT_EQ(L"probed b.avi", Events().back());
    EXPECT_FALSE(engine->IsProbing());
}

TEST_F(EngineProcessTest, QuietProbesAreEndedAndTheirFilesRefused) {
    engine->SetProbeQuietLimit(1200);
    const std::wstring hungPid = m_folder / L"hung.pid", latePid = m_folder / L"late.pid";
    const std::wstring hung =
        m_folder.Input(L"hung.avi", "pidfile " + ScriptPath(hungPid) + "\nsleep 30000\n");
    const std::wstring late = m_folder.Input(L"late.avi", std::string(kDuration10) + "pidfile " +
                                                              ScriptPath(latePid) + "\nsleep 30000\n");
    // Slow but never quiet for long: not ended.
    const std::wstring slow = m_folder.Input(
        L"slow.avi", "err   Duration: 00:02:00.00, start: 0\\r\\n\n"
                     "sleep 350\nerr .\\r\\nsleep 350\nerr .\\r\\nsleep 350\nerr .\\r\\nsleep 350\n");
    const std::wstring garbled =
        m_folder.Input(L"garbled.avi", "err   Duration: 12 minutes, start: 0\\r\\n\n");
    const std::wstring fine = m_folder.Input(L"fine.avi", std::string(kDuration10) + "probe: exit 1\n");
    ASSERT_TRUE(engine->StartProbe({hung, late, slow, garbled, fine}));
    ASSERT_TRUE(engine->WaitForProbe(kPatience));
    EXPECT_EQ((EventList{L"probed hung.avi", L"probed late.avi", L"probed slow.avi", L"probed garbled.avi",
                         L"probed fine.avi"}),
              Events());
    EXPECT_EQ((EventList{L"", L"", L"00:02:00", L"", L"00:00:10"}), Details());
    EXPECT_TRUE(ProcessGone(ReadPid(hungPid)));
    EXPECT_TRUE(ProcessGone(ReadPid(latePid)));
    std::wstring duration = L"stale";
    ASSERT_TRUE(engine->GetProbedDuration(late, duration));
    EXPECT_EQ(L"", duration) << "a probe that was ended refuses its file";
}

TEST_F(EngineProcessTest, LogGoesToLocalApplicationDataWhenTheProgramFolderCannotBeWritten) {
    wchar_t localData[MAX_PATH];
    ASSERT_NE(0u, GetEnvironmentVariableW(L"LOCALAPPDATA", localData, MAX_PATH));
    const std::wstring fallback = std::wstring(localData) + L"\\Quorvex\\log.txt";
    DeleteFileW(fallback.c_str());
    // A folder where log.txt cannot be made, as Program Files is for a normal user.
    const std::wstring program = MakeProgramFolder(m_folder / L"Program Files");
    ASSERT_TRUE(CreateDirectoryW((program + L"log.txt").c_str(), nullptr));
    AppContext::Current()->SetProgramFolder(program);
    std::wstring input = m_folder.Input(
        L"bad.avi", "err Input #0, avi, from 'bad.avi':\\r\\n\nerr Invalid data\\r\\n\nexit 1\n");
    ASSERT_TRUE(Convert({input}));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ(fallback, engine->GetLogPath());
    EXPECT_EQ(
        "Input #0, avi, from 'bad.avi':\r\nInvalid data\r\nQuorvex: The encoder ended with code 1: Invalid "
        "data\r\n",
        ReadText(fallback));
    DeleteFileW(fallback.c_str());

    // Where the program folder can be written, the log stays there.
    const std::wstring writable = MakeProgramFolder(m_folder / L"writable");
    AppContext::Current()->SetProgramFolder(writable);
    ASSERT_TRUE(Convert({input}));
    ASSERT_TRUE(engine->WaitForConversion(kPatience));
    EXPECT_EQ(writable + L"log.txt", engine->GetLogPath());
    EXPECT_TRUE(Exists(writable + L"log.txt"));
    EXPECT_FALSE(Exists(fallback));
}

} // namespace

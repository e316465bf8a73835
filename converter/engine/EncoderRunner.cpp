#include "EncoderRunner.h"

#include "ConversionEngine.h"

#include <atomic>
#include <mutex>

namespace {

// Child ends of the pipes are made inheritable only while this process starts
// an encoder, so an encoder started at the same moment by the other worker
// cannot inherit them and keep the other's pipe open after its owner exits.
std::mutex g_spawnMutex;

const DWORD kReadSize = 260;

void CloseIfOpen(HANDLE& handle) {
    if (handle) {
        CloseHandle(handle);
        handle = nullptr;
    }
}

// Size of the file in bytes, or -1 when it does not exist.
long long OutputFileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string ToUtf8(const std::wstring& text) {
    if (text.empty())
        return std::string();
    int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                     nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], length, nullptr,
                        nullptr);
    return bytes;
}

// The program a command line starts: the quoted first part, or the text up
// to the first blank.
std::wstring ProgramOf(const std::wstring& command) {
    if (!command.empty() && command[0] == L'"') {
        size_t close = command.find(L'"', 1);
        return command.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1);
    }
    return command.substr(0, command.find(L' '));
}

// The encoder's output pipe. Reads on this end are overlapped, so that a
// probe can give up on an encoder that prints nothing; the encoder's end is
// an ordinary handle.
bool CreateOutputPipe(HANDLE& readEnd, HANDLE& writeEnd) {
    static std::atomic<unsigned long> serial{0};
    std::wstring name = L"\\\\.\\pipe\\Quorvex.Encoder." + std::to_wstring(GetCurrentProcessId()) + L"." +
                        std::to_wstring(++serial);
    readEnd = CreateNamedPipeW(name.c_str(),
                               PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                               PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr);
    if (readEnd == INVALID_HANDLE_VALUE) {
        readEnd = nullptr;
        return false;
    }
    SECURITY_ATTRIBUTES attributes = {sizeof(attributes), nullptr, FALSE};
    writeEnd = CreateFileW(name.c_str(), GENERIC_WRITE, 0, &attributes, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (writeEnd == INVALID_HANDLE_VALUE) {
        writeEnd = nullptr;
        CloseIfOpen(readEnd);
        return false;
    }
    return true;
}

bool IsStatusLine(const std::wstring& line) {
    return line.find(L"time=") != std::wstring::npos;
}

} // namespace

// One started encoder: its process, the ends of its pipes this side keeps and
// the event its reads complete on. However the run ends (an exception
// included), the encoder does not outlive it, the runner's published handle
// is cleared under the lock (so Stop never terminates a closed handle) and
// every handle is closed.
class EncoderRunner::Session {
public:
    explicit Session(EncoderRunner& runner) : m_runner(runner) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    ~Session() {
        if (m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_process, 4);
            WaitForSingleObject(m_process, INFINITE);
        }
        Close();
    }

    // Starts the command with both output streams on the output pipe; the
    // system error when it cannot.
    bool Start(const std::wstring& command, DWORD& error);
    // Waits for the encoder to end (ending it when it outstays timeoutMs)
    // and returns its exit code.
    DWORD Wait(DWORD timeoutMs);
    void Close();

    HANDLE Process() const { return m_process; }
    HANDLE Output() const { return m_outputRead; }
    HANDLE ReadEvent() const { return m_readEvent; }

private:
    EncoderRunner& m_runner;
    HANDLE m_outputRead = nullptr;
    HANDLE m_inputWrite = nullptr;
    HANDLE m_process = nullptr;
    HANDLE m_readEvent = nullptr;
};

bool EncoderRunner::Session::Start(const std::wstring& command, DWORD& error) {
    error = 0;
    HANDLE outputWrite = nullptr;
    HANDLE inputRead = nullptr;
    SECURITY_ATTRIBUTES attributes = {sizeof(attributes), nullptr, FALSE};
    m_readEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!m_readEvent || !CreateOutputPipe(m_outputRead, outputWrite)) {
        error = GetLastError();
        return false;
    }
    if (!CreatePipe(&inputRead, &m_inputWrite, &attributes, 0)) {
        error = GetLastError();
        m_inputWrite = nullptr;
        CloseHandle(outputWrite);
        return false;
    }

    STARTUPINFOW startup;
    GetStartupInfoW(&startup);
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = inputRead;
    startup.hStdOutput = outputWrite;
    startup.hStdError = outputWrite;
    // The runtime's inherited-descriptor block describes this process's own
    // files and must not be handed on.
    startup.cbReserved2 = 0;
    startup.lpReserved2 = nullptr;

    // CreateProcessW may write into the command line: give it a private,
    // writable copy as long as the command itself.
    std::vector<wchar_t> commandLine(command.begin(), command.end());
    commandLine.push_back(L'\0');

    PROCESS_INFORMATION info = {};
    BOOL created;
    {
        std::lock_guard<std::mutex> guard(g_spawnMutex);
        SetHandleInformation(outputWrite, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        SetHandleInformation(inputRead, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        created = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                 &startup, &info);
        if (!created)
            error = GetLastError();
        // The child holds its own copies now; ours would keep the pipe open.
        CloseHandle(outputWrite);
        CloseHandle(inputRead);
    }
    if (!created)
        return false;
    CloseHandle(info.hThread);
    m_process = info.hProcess;

    ConversionEngine::Lock lock(m_runner.m_engine);
    m_runner.m_process = m_process;
    m_runner.m_processId = info.dwProcessId;
    // A Stop (or the engine's end) that came while the encoder was being
    // started found nothing to terminate.
    const ConversionEngine& engine = m_runner.m_engine;
    if (engine.m_shuttingDown || (m_runner.m_mode == Mode::Conversion && !engine.m_converting))
        TerminateProcess(m_process, 4);
    return true;
}

DWORD EncoderRunner::Session::Wait(DWORD timeoutMs) {
    if (WaitForSingleObject(m_process, timeoutMs) == WAIT_TIMEOUT) {
        TerminateProcess(m_process, 4);
        WaitForSingleObject(m_process, INFINITE);
    }
    DWORD exitCode = 1;
    if (!GetExitCodeProcess(m_process, &exitCode))
        exitCode = 1;
    return exitCode;
}

void EncoderRunner::Session::Close() {
    {
        ConversionEngine::Lock lock(m_runner.m_engine);
        if (m_runner.m_process == m_process) {
            m_runner.m_process = nullptr;
            m_runner.m_processId = 0;
        }
    }
    CloseIfOpen(m_outputRead);
    CloseIfOpen(m_inputWrite);
    CloseIfOpen(m_process);
    CloseIfOpen(m_readEvent);
}

EncoderRunner::EncoderRunner(ConversionEngine& engine, Mode mode) : m_engine(engine), m_mode(mode) {}

EncoderRunner::~EncoderRunner() {
    // The engine joins its workers before its runners go; nothing can be left.
    CloseIfOpen(m_process);
}

bool EncoderRunner::ReadUntilEnd(Session& session, DWORD quietLimitMs) {
    char buffer[kReadSize];
    for (;;) {
        OVERLAPPED overlapped = {};
        overlapped.hEvent = session.ReadEvent();
        // The read fails once the encoder has exited and its end of the pipe is closed.
        if (!ReadFile(session.Output(), buffer, sizeof(buffer), nullptr, &overlapped) &&
            GetLastError() != ERROR_IO_PENDING)
            break;
        DWORD read = 0;
        if (WaitForSingleObject(overlapped.hEvent, quietLimitMs) == WAIT_TIMEOUT) {
            // Nothing for too long: a file on a dead share, a hung encoder.
            TerminateProcess(session.Process(), 4);
            CancelIoEx(session.Output(), &overlapped);
            GetOverlappedResult(session.Output(), &overlapped, &read, TRUE);
            FinishOutput();
            return false;
        }
        if (!GetOverlappedResult(session.Output(), &overlapped, &read, FALSE))
            break;
        if (read > 0)
            ProcessOutput(buffer, read);
    }
    FinishOutput();
    return true;
}

EncoderRunner::Outcome EncoderRunner::RunConversion(const std::wstring& command,
                                                    const std::wstring& outputPath, std::wstring& failure) {
    {
        ConversionEngine::Lock lock(m_engine);
        ResetOutput();
        if (m_engine.m_converting)
            m_engine.m_progress = 0;
    }
    Session session(*this);
    DWORD error = 0;
    if (command.empty() || !session.Start(command, error)) {
        failure = L"The encoder could not be started (system error " + std::to_wstring(error) + L"): " +
                  ProgramOf(command);
        return Outcome::Failed;
    }
    ReadUntilEnd(session, INFINITE);
    const DWORD exitCode = session.Wait(INFINITE);
    bool converting;
    {
        ConversionEngine::Lock lock(m_engine);
        converting = m_engine.m_converting && !m_engine.m_shuttingDown;
    }
    session.Close();

    if (!converting)
        return Outcome::Stopped;
    // An encoder that failed, or claimed success without writing anything,
    // has not converted the file.
    if (exitCode != 0) {
        std::wstring said = LastMessageLine();
        failure = L"The encoder ended with code " + std::to_wstring(exitCode) +
                  (said.empty() ? L"." : L": " + said);
        return Outcome::Failed;
    }
    long long size = OutputFileSize(outputPath);
    if (size <= 0) {
        failure =
            (size < 0 ? L"The encoder wrote no output file: " : L"The encoder wrote an empty output file: ") +
            outputPath;
        return Outcome::Failed;
    }
    m_engine.SetProgress(1000);
    // Lets a display that polls the progress show the finished file.
    Sleep(300);
    return Outcome::Finished;
}

EncoderRunner::ProbeOutcome EncoderRunner::RunProbe(const std::wstring& command, DWORD quietLimitMs) {
    {
        ConversionEngine::Lock lock(m_engine);
        ResetOutput();
    }
    Session session(*this);
    DWORD error = 0;
    if (command.empty() || !session.Start(command, error))
        return ProbeOutcome::NotStarted;
    const bool ended = ReadUntilEnd(session, quietLimitMs);
    // An encoder that closed its output but lingers is given as long again.
    session.Wait(quietLimitMs);
    return ended ? ProbeOutcome::Ended : ProbeOutcome::TimedOut;
}

void EncoderRunner::ProcessOutput(const char* bytes, size_t count) {
    std::vector<std::wstring> complete;
    {
        ConversionEngine::Lock lock(m_engine);
        m_reader.Feed(bytes, count, complete);
        for (const std::wstring& line : complete)
            m_lines.Add(line);
    }
    ParseLines(complete);
}

void EncoderRunner::FinishOutput() {
    std::vector<std::wstring> complete;
    {
        ConversionEngine::Lock lock(m_engine);
        m_reader.Finish(complete);
        for (const std::wstring& line : complete)
            m_lines.Add(line);
    }
    ParseLines(complete);
}

void EncoderRunner::ParseLines(const std::vector<std::wstring>& lines) {
    for (const std::wstring& line : lines) {
        if (m_mode == Mode::Conversion)
            ParseConversionLine(line);
        else
            ParseProbeLine(line);
    }
}

void EncoderRunner::ParseConversionLine(const std::wstring& line) {
    if (line.empty())
        return;
    long long position = 0;
    if (ParseTimePosition(line, position)) {
        ConversionEngine::Lock lock(m_engine);
        if (m_engine.m_converting)
            m_engine.m_progress = ComputeProgress(position, m_engine.m_durationSeconds);
    }
    long long duration = 0;
    if (ParseDurationSeconds(line, duration)) {
        ConversionEngine::Lock lock(m_engine);
        m_engine.m_durationSeconds = duration;
    }
}

void EncoderRunner::ParseProbeLine(const std::wstring& line) {
    std::wstring text;
    if (ParseDurationText(line, text)) {
        ConversionEngine::Lock lock(m_engine);
        m_engine.m_durationText = text;
    }
}

bool EncoderRunner::WriteLogFile(const std::wstring& path, const std::vector<std::wstring>& lines, bool append) {
    // The new log replaces the old one, or follows it when appending; other
    // writers are shut out meanwhile.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    if (append && SetFilePointer(file, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
        GetLastError() != NO_ERROR) {
        CloseHandle(file);
        return false;
    }
    std::string bytes;
    for (const std::wstring& line : lines) {
        bytes += ToUtf8(line);
        bytes += "\r\n";
    }
    bool ok = true;
    size_t offset = 0;
    while (offset < bytes.size()) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - offset, 1 << 20));
        if (!WriteFile(file, bytes.data() + offset, chunk, &written, nullptr) || written == 0) {
            ok = false;
            break;
        }
        offset += written;
    }
    CloseHandle(file);
    return ok;
}

std::vector<std::wstring> EncoderRunner::Lines() const {
    ConversionEngine::Lock lock(m_engine);
    return m_lines.Lines();
}

std::wstring EncoderRunner::PendingText() const {
    ConversionEngine::Lock lock(m_engine);
    return m_reader.Pending();
}

std::wstring EncoderRunner::LastMessageLine() const {
    std::vector<std::wstring> lines = Lines();
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        if (!IsStatusLine(*line) && line->find_first_not_of(L" \t") != std::wstring::npos)
            return line->substr(line->find_first_not_of(L" \t"));
    }
    return std::wstring();
}

void EncoderRunner::ResetOutput() {
    // Callers may already hold the engine's lock; the critical section is re-entrant.
    ConversionEngine::Lock lock(m_engine);
    m_lines.Clear();
    m_reader.Reset();
}

bool EncoderRunner::Terminate(UINT exitCode) {
    ConversionEngine::Lock lock(m_engine);
    if (!m_process)
        return false;
    return TerminateProcess(m_process, exitCode) != FALSE;
}

DWORD EncoderRunner::ProcessId() const {
    ConversionEngine::Lock lock(m_engine);
    return m_processId;
}

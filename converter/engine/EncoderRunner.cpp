#include "EncoderRunner.h"

#include "ConversionEngine.h"

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

} // namespace

EncoderRunner::EncoderRunner(ConversionEngine& engine, Mode mode) : m_engine(engine), m_mode(mode) {}

EncoderRunner::~EncoderRunner() {
    // The engine joins its workers before its runners go; nothing can be left.
    CloseIfOpen(m_process);
}

bool EncoderRunner::StartEncoder(const std::wstring& command, HANDLE& outputRead, HANDLE& inputWrite,
                                 HANDLE& process, DWORD& processId) {
    SECURITY_ATTRIBUTES attributes = {sizeof(attributes), nullptr, FALSE};
    HANDLE outputWrite = nullptr;
    HANDLE inputRead = nullptr;
    if (!CreatePipe(&outputRead, &outputWrite, &attributes, 0)) {
        outputRead = nullptr;
        return false;
    }
    if (!CreatePipe(&inputRead, &inputWrite, &attributes, 0)) {
        CloseIfOpen(outputRead);
        CloseIfOpen(outputWrite);
        inputWrite = nullptr;
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
        // The child holds its own copies now; ours would keep the pipe open.
        CloseHandle(outputWrite);
        CloseHandle(inputRead);
    }
    if (!created) {
        CloseIfOpen(outputRead);
        CloseIfOpen(inputWrite);
        return false;
    }
    CloseHandle(info.hThread);
    process = info.hProcess;
    processId = info.dwProcessId;
    return true;
}

void EncoderRunner::ReadUntilEnd(HANDLE outputRead) {
    char buffer[kReadSize];
    DWORD read = 0;
    // The read fails once the encoder has exited and its end of the pipe is closed.
    while (ReadFile(outputRead, buffer, sizeof(buffer), &read, nullptr)) {
        if (read > 0)
            ProcessOutput(buffer, read);
    }
    FinishOutput();
}

void EncoderRunner::ReleaseProcess(HANDLE outputRead, HANDLE inputWrite, HANDLE process) {
    {
        ConversionEngine::Lock lock(m_engine);
        m_process = nullptr;
        m_processId = 0;
    }
    CloseIfOpen(outputRead);
    CloseIfOpen(inputWrite);
    CloseIfOpen(process);
}

EncoderRunner::Outcome EncoderRunner::RunConversion(const std::wstring& command,
                                                    const std::wstring& inputPath,
                                                    const std::wstring& outputPath) {
    if (command.empty() || inputPath.empty()) {
        m_engine.Notify(&EngineCallbacks::OnFileFailed, inputPath);
        return Outcome::Failed;
    }
    {
        ConversionEngine::Lock lock(m_engine);
        ResetOutput();
        if (m_engine.m_converting)
            m_engine.m_progress = 0;
    }
    m_engine.Notify(&EngineCallbacks::OnFileStarted, inputPath);

    HANDLE outputRead = nullptr, inputWrite = nullptr, process = nullptr;
    DWORD processId = 0;
    if (!StartEncoder(command, outputRead, inputWrite, process, processId)) {
        m_engine.Notify(&EngineCallbacks::OnFileFailed, inputPath);
        return Outcome::Failed;
    }
    {
        ConversionEngine::Lock lock(m_engine);
        m_process = process;
        m_processId = processId;
        // A Stop that came while the encoder was being started found nothing
        // to terminate.
        if (!m_engine.m_converting)
            TerminateProcess(process, 4);
    }

    ReadUntilEnd(outputRead);
    WaitForSingleObject(process, INFINITE);
    DWORD exitCode = 1;
    if (!GetExitCodeProcess(process, &exitCode))
        exitCode = 1;

    bool converting;
    {
        ConversionEngine::Lock lock(m_engine);
        converting = m_engine.m_converting;
    }
    ReleaseProcess(outputRead, inputWrite, process);
    std::vector<std::wstring> lines = Lines();

    if (!converting) {
        WriteLog(lines);
        m_engine.Notify(&EngineCallbacks::OnFileStopped, inputPath);
        return Outcome::Stopped;
    }
    // An encoder that failed, or claimed success without writing anything,
    // has not converted the file.
    if (exitCode != 0 || OutputFileSize(outputPath) <= 0) {
        WriteLog(lines);
        m_engine.Notify(&EngineCallbacks::OnFileFailed, inputPath);
        return Outcome::Failed;
    }
    m_engine.SetProgress(1000);
    // Lets a display that polls the progress show the finished file.
    Sleep(300);
    m_engine.Notify(&EngineCallbacks::OnFileFinished, inputPath);
    return Outcome::Finished;
}

bool EncoderRunner::RunProbe(const std::wstring& command, const std::wstring& inputPath) {
    if (inputPath.empty())
        return false;
    {
        ConversionEngine::Lock lock(m_engine);
        ResetOutput();
    }
    HANDLE outputRead = nullptr, inputWrite = nullptr, process = nullptr;
    DWORD processId = 0;
    bool started = !command.empty() && StartEncoder(command, outputRead, inputWrite, process, processId);
    if (started) {
        {
            ConversionEngine::Lock lock(m_engine);
            m_process = process;
            m_processId = processId;
            if (m_engine.m_shuttingDown)
                TerminateProcess(process, 4);
        }
        ReadUntilEnd(outputRead);
        WaitForSingleObject(process, INFINITE);
        ReleaseProcess(outputRead, inputWrite, process);
    }
    bool shuttingDown;
    {
        ConversionEngine::Lock lock(m_engine);
        shuttingDown = m_engine.m_shuttingDown;
        m_engine.m_probedDurations[inputPath] = m_engine.m_durationText;
    }
    // A probe that could not run leaves an empty duration, which the window
    // reports as a file it cannot read.
    if (!shuttingDown)
        m_engine.Notify(&EngineCallbacks::OnProbeFinished, inputPath);
    return started;
}

void EncoderRunner::ProcessOutput(const char* bytes, size_t count) {
    std::wstring text;
    {
        ConversionEngine::Lock lock(m_engine);
        text = m_decoder.Decode(bytes, count);
    }
    SplitOutputLines(text);
}

void EncoderRunner::SplitOutputLines(const std::wstring& chunk) {
    if (chunk.empty())
        return;
    std::vector<std::wstring> complete;
    {
        ConversionEngine::Lock lock(m_engine);
        m_splitter.Feed(chunk, complete);
        m_lines.insert(m_lines.end(), complete.begin(), complete.end());
    }
    for (const std::wstring& line : complete) {
        if (m_mode == Mode::Conversion)
            ParseConversionLine(line);
        else
            ParseProbeLine(line);
    }
}

void EncoderRunner::FinishOutput() {
    std::wstring rest;
    {
        ConversionEngine::Lock lock(m_engine);
        rest = m_decoder.Finish();
    }
    SplitOutputLines(rest);
    std::wstring last;
    {
        ConversionEngine::Lock lock(m_engine);
        if (!m_splitter.Finish(last))
            return;
        m_lines.push_back(last);
    }
    if (m_mode == Mode::Conversion)
        ParseConversionLine(last);
    else
        ParseProbeLine(last);
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

bool EncoderRunner::WriteLog(const std::vector<std::wstring>& lines) const {
    std::wstring folder;
    {
        ConversionEngine::Lock lock(m_engine);
        folder = m_engine.m_logFolder;
    }
    if (folder.empty())
        return false;
    return WriteLogFile(folder + L"log.txt", lines);
}

bool EncoderRunner::WriteLogFile(const std::wstring& path, const std::vector<std::wstring>& lines) {
    // The new log replaces the old one; other writers are shut out meanwhile.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
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
    return m_lines;
}

std::wstring EncoderRunner::PendingText() const {
    ConversionEngine::Lock lock(m_engine);
    return m_splitter.Pending();
}

void EncoderRunner::ResetOutput() {
    // Callers may already hold the engine's lock; the critical section is re-entrant.
    ConversionEngine::Lock lock(m_engine);
    m_lines.clear();
    m_splitter.Reset();
    m_decoder.Reset();
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

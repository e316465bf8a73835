// The encoder front for Windows, shipped as ffmpeg.exe beside Quorvex.exe.
// The program speaks the old encoder's option dialect, which a current
// ffmpeg refuses; this front translates the arguments with the shared rules
// (tools/legacy_options/) and runs the real encoder:
//
//   - encoder\ffmpeg.exe in the front's own folder, or the program named by
//     the environment variable QUORVEX_FFMPEG;
//   - its standard output and error go through one pipe and are relayed
//     byte for byte to the front's standard output (a Windows encoder already
//     ends its lines as the program expects);
//   - the front exits with the encoder's exit code;
//   - the encoder runs in a job object that kills on close: when the front is
//     terminated (Stop), the system closes the job's last handle and the
//     encoder goes with it. When nobody reads the output any more, the front
//     ends the encoder itself;
//   - with no encoder to run, it prints what to put where and exits with 127.
//
// It is a GUI-subsystem program like the winelib front: the converter hands
// it pipes as standard handles, and a console program would get a console of
// its own for every probe and conversion. The encoder is started without a
// console window for the same reason.
#include <windows.h>

#include <string>
#include <vector>

#include "legacy_options.h"

namespace {

const DWORD kNoEncoder = 127;
const DWORD kCannotStart = 126;

std::string ToUtf8(const std::wstring& text) {
    if (text.empty())
        return std::string();
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size, nullptr,
                            nullptr);
    return out;
}

std::wstring ToWide(const std::string& text) {
    if (text.empty())
        return std::wstring();
    int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
    if (size > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], size);
    return out;
}

// Owns one kernel handle.
class Handle {
public:
    Handle() = default;
    explicit Handle(HANDLE h) : m_h(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    ~Handle() { Reset(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return m_h; }
    HANDLE* Out() {
        Reset();
        return &m_h;
    }
    void Reset() {
        if (m_h)
            CloseHandle(m_h);
        m_h = nullptr;
    }

private:
    HANDLE m_h = nullptr;
};

// False when the reader has closed its end of the pipe.
bool WriteAll(HANDLE out, const char* data, DWORD size) {
    while (size > 0) {
        DWORD written = 0;
        if (!WriteFile(out, data, size, &written, nullptr)) {
            DWORD error = GetLastError();
            return error != ERROR_NO_DATA && error != ERROR_BROKEN_PIPE;
        }
        if (written == 0)
            return true;
        data += written;
        size -= written;
    }
    return true;
}

void Say(const std::wstring& text) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE)
        return;
    std::string bytes = ToUtf8(text + L"\r\n");
    WriteAll(out, bytes.data(), static_cast<DWORD>(bytes.size()));
}

std::wstring FullPath(const std::wstring& path) {
    DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::wstring full(size, L'\0');
    size = GetFullPathNameW(path.c_str(), size, &full[0], nullptr);
    full.resize(size);
    return full;
}

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring Variable(const wchar_t* name) {
    DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
        return std::wstring();
    std::wstring value(size, L'\0');
    size = GetEnvironmentVariableW(name, &value[0], size);
    value.resize(size);
    return value;
}

bool IsFile(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The encoder to run, or an empty string after saying why there is none.
std::wstring FindEncoder() {
    const std::wstring self = FullPath(OwnPath());
    std::wstring encoder = Variable(L"QUORVEX_FFMPEG");
    const bool named = !encoder.empty();
    std::wstring folder;
    if (named) {
        encoder = FullPath(encoder);
    } else {
        folder = self.substr(0, self.find_last_of(L'\\') + 1) + L"encoder\\";
        encoder = folder + L"ffmpeg.exe";
    }
    // The front itself would start itself again and again.
    if (IsFile(encoder) && lstrcmpiW(encoder.c_str(), self.c_str()) != 0)
        return encoder;
    if (named)
        Say(L"Quorvex: no encoder found: QUORVEX_FFMPEG names " + encoder +
            L", which is not an encoder program. Name a Windows build of ffmpeg (ffmpeg.exe) there, "
            L"or remove the variable to use the encoder folder beside Quorvex.");
    else
        Say(L"Quorvex: no encoder found. Put a Windows build of ffmpeg (ffmpeg.exe) into the folder " +
            folder + L" (or name one with the environment variable QUORVEX_FFMPEG).");
    return std::wstring();
}

// The job that takes the encoder with it when its last handle closes, that
// is when this process ends in whatever way.
HANDLE MakeKillOnCloseJob() {
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    if (!job)
        return nullptr;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits))) {
        CloseHandle(job);
        return nullptr;
    }
    return job;
}

// The handles the converter gave this process must not reach the encoder:
// an encoder holding the converter's pipe would keep it open after the front
// has gone.
void KeepStandardHandlesToSelf() {
    for (DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
        HANDLE h = GetStdHandle(which);
        if (h && h != INVALID_HANDLE_VALUE)
            SetHandleInformation(h, HANDLE_FLAG_INHERIT, 0);
    }
}

DWORD Run() {
    std::vector<std::string> legacy = EncoderFront::SplitCommandLine(ToUtf8(GetCommandLineW()));
    if (!legacy.empty())
        legacy.erase(legacy.begin());

    const std::wstring encoder = FindEncoder();
    if (encoder.empty())
        return kNoEncoder;

    // Windows paths stay as they are: the encoder is a Windows program.
    std::wstring commandLine = ToWide(EncoderFront::QuoteArgument(ToUtf8(encoder)) + " " +
                                      EncoderFront::JoinCommandLine(EncoderFront::EncoderArguments(legacy, nullptr)));

    KeepStandardHandlesToSelf();
    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    Handle readEnd, writeEnd;
    if (!CreatePipe(readEnd.Out(), writeEnd.Out(), &inheritable, 0)) {
        Say(L"Quorvex: cannot create a pipe for the encoder.");
        return kCannotStart;
    }
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);
    Handle nothing(CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                               OPEN_EXISTING, 0, nullptr));

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = nothing.Get();
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();

    Handle job(MakeKillOnCloseJob());
    PROCESS_INFORMATION process{};
    // Suspended until it is in the job, so that nothing it starts escapes.
    if (!CreateProcessW(encoder.c_str(), &commandLine[0], nullptr, nullptr, TRUE,
                        CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process)) {
        Say(L"Quorvex: cannot start the encoder " + encoder + L" (error " + std::to_wstring(GetLastError()) +
            L").");
        return kCannotStart;
    }
    Handle processHandle(process.hProcess), threadHandle(process.hThread);
    // Without a job (one this process is in may forbid it on old systems)
    // the encoder still runs; only a terminated front would leave it behind.
    if (job.Get() && !AssignProcessToJobObject(job.Get(), processHandle.Get()))
        job.Reset();
    ResumeThread(threadHandle.Get());
    threadHandle.Reset();
    // Only the encoder writes into the pipe now: the read ends when it exits.
    writeEnd.Reset();
    nothing.Reset();

    // Relay every chunk as soon as it arrives: the converter follows the
    // status lines while the encoder runs.
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    bool relaying = out != nullptr && out != INVALID_HANDLE_VALUE;
    char buffer[16384];
    DWORD got = 0;
    while (ReadFile(readEnd.Get(), buffer, sizeof(buffer), &got, nullptr) && got > 0) {
        if (relaying && !WriteAll(out, buffer, got)) {
            // Nobody reads any more (the converter has gone): end the encoder,
            // as a broken pipe would end it, rather than leave it running.
            relaying = false;
            TerminateProcess(processHandle.Get(), 1);
        }
    }
    WaitForSingleObject(processHandle.Get(), INFINITE);
    DWORD code = kCannotStart;
    GetExitCodeProcess(processHandle.Get(), &code);
    return code;
}

} // namespace

int main() {
    ExitProcess(static_cast<UINT>(Run()));
}

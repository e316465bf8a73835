// The encoder front: a winelib program installed as ffmpeg.exe beside the
// converter when it runs under Wine. Wine starts it as a real Windows process
// (pipes, exit code and TerminateProcess work), while its own code runs the
// system's ffmpeg as a Linux child and relays that child's output. A copy
// named ffprobe.exe runs the system's ffprobe the same way, with its Windows
// paths mapped but its options untouched.
//
// In a winelib module wchar_t is two bytes but the C++ library was built for
// four, so this file uses WCHAR buffers and Win32 calls only, and all text
// work happens on UTF-8 std::string.

#include <windows.h>

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "legacy_options.h"

namespace {

// The same module also answers as ffprobe.exe (a copy under that name), so
// that Windows programs can ask the system's ffprobe about a file.
struct Tool {
    const char* unixDefault;
    const WCHAR* variable;
    bool translates;
};
const WCHAR kEncoderVariable[] = {'Q', 'U', 'O', 'R', 'V', 'E', 'X', '_', 'F', 'F', 'M', 'P', 'E', 'G', 0};
const WCHAR kProberVariable[] = {'Q', 'U', 'O', 'R', 'V', 'E', 'X', '_',
                                 'F', 'F', 'P', 'R', 'O', 'B', 'E', 0};
const Tool kEncoder = {"/usr/bin/ffmpeg", kEncoderVariable, true};
const Tool kProber = {"/usr/bin/ffprobe", kProberVariable, false};

std::string ToUtf8(const WCHAR* text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return std::string();
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &out[0], size, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(size - 1));
    return out;
}

std::vector<WCHAR> ToWide(const std::string& text) {
    int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
    std::vector<WCHAR> out(size > 0 ? static_cast<std::size_t>(size) : 1, 0);
    if (size > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, out.data(), size);
    return out;
}

// Wine maps any drive (and the \\?\ form) to its Unix path. Should a path not
// map as a whole, its folder is mapped and the name appended, which covers an
// output file that does not exist yet.
std::string UnixPathOf(const std::string& windowsPath) {
    std::vector<WCHAR> wide = ToWide(windowsPath);
    if (char* unixPath = wine_get_unix_file_name(wide.data())) {
        std::string result(unixPath);
        HeapFree(GetProcessHeap(), 0, unixPath);
        return result;
    }
    std::size_t cut = windowsPath.find_last_of("\\/");
    if (cut == std::string::npos || cut + 1 >= windowsPath.size() || cut < 2)
        return std::string();
    // "C:\name" keeps the root's separator: "C:" alone means the current folder of C:.
    std::string folder = windowsPath.substr(0, cut == 2 ? 3 : cut);
    std::string unixFolder = UnixPathOf(folder);
    if (unixFolder.empty())
        return std::string();
    if (unixFolder.back() != '/')
        unixFolder += '/';
    return unixFolder + windowsPath.substr(cut + 1);
}

const Tool& ThisTool() {
    WCHAR buffer[MAX_PATH * 4];
    DWORD length = GetModuleFileNameW(nullptr, buffer, sizeof(buffer) / sizeof(buffer[0]));
    if (length == 0 || length >= sizeof(buffer) / sizeof(buffer[0]))
        return kEncoder;
    std::string path = ToUtf8(buffer);
    std::size_t slash = path.find_last_of("\\/");
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name == "ffprobe.exe" ? kProber : kEncoder;
}

std::string ToolPath(const Tool& tool) {
    WCHAR buffer[4096];
    DWORD length = GetEnvironmentVariableW(tool.variable, buffer, sizeof(buffer) / sizeof(buffer[0]));
    if (length == 0 || length >= sizeof(buffer) / sizeof(buffer[0]))
        return tool.unixDefault;
    std::string path = ToUtf8(buffer);
    if (EncoderFront::IsWindowsPath(path)) {
        std::string unixPath = UnixPathOf(path);
        if (!unixPath.empty())
            return unixPath;
    }
    return path;
}

// False when the reader has closed its end of the pipe.
bool WriteAll(HANDLE out, const std::string& data) {
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        DWORD written = 0;
        if (!WriteFile(out, p, static_cast<DWORD>(left), &written, nullptr)) {
            DWORD error = GetLastError();
            return error != ERROR_NO_DATA && error != ERROR_BROKEN_PIPE;
        }
        if (written == 0)
            return true;
        p += written;
        left -= written;
    }
    return true;
}

void ChildFail(const char* what) {
    const char* reason = std::strerror(errno);
    // Plain writes only: this runs between fork and exec.
    (void)!write(2, "encoder front: ", 15);
    (void)!write(2, what, std::strlen(what));
    (void)!write(2, ": ", 2);
    (void)!write(2, reason, std::strlen(reason));
    (void)!write(2, "\n", 1);
    _exit(127);
}

// Runs in the child between fork and exec.
[[noreturn]] void StartEncoder(pid_t front, int outputFd, const std::vector<char*>& argv) {
    // The encoder dies with the front, also when the front is killed by
    // TerminateProcess; the check closes the gap before prctl took effect.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != front)
        _exit(127);

    int nullFd = open("/dev/null", O_RDONLY);
    if (nullFd < 0 || dup2(nullFd, 0) < 0 || dup2(outputFd, 1) < 0 || dup2(outputFd, 2) < 0)
        _exit(127);
    // None of Wine's descriptors belong in the encoder.
    if (syscall(SYS_close_range, 3u, ~0u, 0u) != 0) {
        long maxFd = sysconf(_SC_OPEN_MAX);
        for (long fd = 3; fd < (maxFd > 0 ? maxFd : 1024); ++fd)
            close(static_cast<int>(fd));
    }
    // Wine blocks and ignores signals for its own purposes; the encoder
    // starts with the defaults.
    for (int sig = 1; sig < NSIG; ++sig)
        if (sig != SIGKILL && sig != SIGSTOP)
            signal(sig, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);

    execv(argv[0], argv.data());
    ChildFail(argv[0]);
    _exit(127);
}

int Run() {
    std::vector<std::string> args = EncoderFront::SplitCommandLine(ToUtf8(GetCommandLineW()));
    if (!args.empty())
        args.erase(args.begin());
    const Tool& tool = ThisTool();
    std::vector<std::string> command;
    command.push_back(ToolPath(tool));
    if (tool.translates) {
        std::vector<std::string> translated = EncoderFront::EncoderArguments(args, UnixPathOf);
        command.insert(command.end(), translated.begin(), translated.end());
    } else {
        for (const auto& arg : args)
            command.push_back(EncoderFront::IsWindowsPath(arg) && !UnixPathOf(arg).empty() ? UnixPathOf(arg)
                                                                                           : arg);
    }
    std::vector<char*> argv;
    for (auto& arg : command)
        argv.push_back(&arg[0]);
    argv.push_back(nullptr);

    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        WriteAll(out, "encoder front: cannot create a pipe\r\n");
        return 126;
    }
    pid_t front = getpid();
    pid_t child = fork();
    if (child < 0) {
        WriteAll(out, "encoder front: cannot start the encoder\r\n");
        return 126;
    }
    if (child == 0)
        StartEncoder(front, fds[1], argv);
    close(fds[1]);

    // Relay every chunk as soon as it arrives: the converter follows the
    // status lines while the encoder runs.
    EncoderFront::LineEndConverter lineEnds;
    std::vector<char> buffer(16384);
    bool relaying = out != nullptr && out != INVALID_HANDLE_VALUE;
    for (;;) {
        ssize_t got = read(fds[0], buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        if (relaying && !WriteAll(out, lineEnds.Convert(buffer.data(), static_cast<std::size_t>(got)))) {
            // Nobody reads any more (the converter has gone): end the encoder
            // as a broken pipe ends it on Linux, rather than leave it running.
            relaying = false;
            kill(child, SIGKILL);
        }
    }
    close(fds[0]);

    int status = 0;
    pid_t done;
    do {
        done = waitpid(child, &status, 0);
    } while (done < 0 && errno == EINTR);
    if (done < 0)
        return 125;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return 125;
}

} // namespace

int main() {
    ExitProcess(static_cast<UINT>(Run()));
}

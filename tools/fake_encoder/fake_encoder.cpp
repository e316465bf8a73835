// A stand-in for the encoder in tests, installed as ffmpeg.exe beside the test
// programs. It is started like the real one:
//
//   ffmpeg.exe -i "input"                        (probe: describe the input)
//   ffmpeg.exe -i "input" arguments... "output"  (conversion)
//
// and does what a small script tells it. The script is the file named
// "<input>.fake" beside the input (so every input of a batch can behave
// differently), else the file named by the environment variable
// QUORVEX_FAKE_SCRIPT, else the built-in default below. Scripts are UTF-8, one
// command per line; blank lines and lines starting with '#' are skipped:
//
//   out TEXT        write TEXT to standard output
//   err TEXT        write TEXT to standard error
//   repeat N TEXT   write TEXT N times to standard output, in one piece
//   sleep MS        wait MS milliseconds
//   output          write a small output file (the last argument)
//   output-empty    create the output file with nothing in it
//   pidfile PATH    write this process's id (decimal) to PATH; the file
//                   appears complete (as do those of the next two commands)
//   cmdfile PATH    write this process's command line (UTF-8) to PATH
//   args            write the arguments it received (after its own name), as
//                   the C runtime splits its command line, to standard
//                   output: each in UTF-8 followed by a line feed
//   folderfile PATH write the folder of this program, as the engine reads
//                   its own program folder, to PATH (UTF-8)
//   waitfile PATH   wait (up to 20 s) until PATH exists
//   exit CODE       end now with CODE (the end of the script exits with 0)
//   probe: COMMAND    run COMMAND only when probing (no output argument)
//   convert: COMMAND  run COMMAND only when converting
//
// TEXT is written byte for byte after these escapes: \r \n \t \\ and \xHH (any
// byte, for example half of a UTF-8 sequence). Nothing else is changed, so the
// script decides every line end: "\r" alone for status lines, "\r\n" or "\n"
// for others. Each command's text is written with one WriteFile call straight
// to the standard handle; nothing is buffered, so a reader of the pipe sees
// each piece as soon as it is written.
#include <windows.h>
#include <shellapi.h>

#include "AppContext.h"

#include <string>
#include <vector>

namespace {

const char kDefaultScript[] =
    "err ffmpeg version fake\\r\\n\n"
    "err Input #0, avi, from 'input':\\r\\n\n"
    "err   Duration: 00:00:10.50, start: 0.000000, bitrate: 1000 kb/s\\r\\n\n"
    "convert: err frame=   10 fps=0.0 q=2.0 size=      10kB time=00:00:02.00 bitrate= 100.0kbits/s\\r\n"
    "convert: err frame=   20 fps=0.0 q=2.0 size=      20kB time=00:00:05.00 bitrate= 100.0kbits/s\\r\n"
    "convert: output\n"
    "probe: err At least one output file must be specified\\r\\n\n"
    "probe: exit 1\n";

std::string ToUtf8(const std::wstring& text) {
    if (text.empty())
        return std::string();
    int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                     nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], length,
                            nullptr, nullptr);
    return bytes;
}

std::wstring FromUtf8(const std::string& bytes) {
    if (bytes.empty())
        return std::wstring();
    int length = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), &text[0], length);
    return text;
}

bool ReadWholeFile(const std::wstring& path, std::string& contents) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        contents.append(buffer, read);
    CloseHandle(file);
    return true;
}

bool WriteWholeFile(const std::wstring& path, const std::string& contents) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = contents.empty() ||
              (WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr) &&
               written == contents.size());
    CloseHandle(file);
    return ok;
}

// Files a test waits for appear only when complete: written aside, then renamed.
bool PublishFile(const std::wstring& path, const std::string& contents) {
    std::wstring aside = path + L".part";
    return WriteWholeFile(aside, contents) &&
           MoveFileExW(aside.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string Unescape(const std::string& text) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            bytes += text[i];
            continue;
        }
        char next = text[++i];
        if (next == 'r')
            bytes += '\r';
        else if (next == 'n')
            bytes += '\n';
        else if (next == 't')
            bytes += '\t';
        else if (next == 'x' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
                 HexDigit(text[i + 2]) >= 0) {
            bytes += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else
            bytes += next;
    }
    return bytes;
}

void WriteStd(DWORD which, const std::string& bytes) {
    DWORD written = 0;
    if (!bytes.empty())
        WriteFile(GetStdHandle(which), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// Splits "word rest" at the first blank.
void SplitWord(const std::string& text, std::string& word, std::string& rest) {
    size_t blank = text.find(' ');
    word = text.substr(0, blank);
    rest = blank == std::string::npos ? std::string() : text.substr(blank + 1);
}

} // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::string arguments;
    for (int i = 1; argv && i < argc; ++i)
        arguments += ToUtf8(argv[i]) + "\n";
    std::wstring input, output;
    int inputIndex = -1;
    for (int i = 1; argv && i + 1 < argc; ++i) {
        if (lstrcmpW(argv[i], L"-i") == 0) {
            inputIndex = i + 1;
            input = argv[inputIndex];
            break;
        }
    }
    if (argv && inputIndex >= 0 && argc - 1 > inputIndex)
        output = argv[argc - 1];
    if (argv)
        LocalFree(argv);
    const bool converting = !output.empty();

    std::string script;
    if (input.empty() || !ReadWholeFile(input + L".fake", script)) {
        wchar_t scriptPath[MAX_PATH * 4];
        DWORD length = GetEnvironmentVariableW(L"QUORVEX_FAKE_SCRIPT", scriptPath, MAX_PATH * 4);
        script.clear();
        if (length == 0 || length >= MAX_PATH * 4 || !ReadWholeFile(scriptPath, script))
            script = kDefaultScript;
    }

    size_t start = 0;
    while (start < script.size()) {
        size_t end = script.find('\n', start);
        std::string line = script.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? script.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        if (line.compare(0, 7, "probe: ") == 0) {
            if (converting)
                continue;
            line.erase(0, 7);
        } else if (line.compare(0, 9, "convert: ") == 0) {
            if (!converting)
                continue;
            line.erase(0, 9);
        }

        std::string command, rest;
        SplitWord(line, command, rest);
        if (command == "out") {
            WriteStd(STD_OUTPUT_HANDLE, Unescape(rest));
        } else if (command == "err") {
            WriteStd(STD_ERROR_HANDLE, Unescape(rest));
        } else if (command == "repeat") {
            std::string count, text;
            SplitWord(rest, count, text);
            std::string piece = Unescape(text), bytes;
            for (long n = atol(count.c_str()); n > 0; --n)
                bytes += piece;
            WriteStd(STD_OUTPUT_HANDLE, bytes);
        } else if (command == "sleep") {
            Sleep(static_cast<DWORD>(atol(rest.c_str())));
        } else if (command == "output" || command == "output-empty") {
            if (!output.empty())
                WriteWholeFile(output,
                               command == "output" ? std::string("fake encoded data\n") : std::string());
        } else if (command == "pidfile") {
            PublishFile(FromUtf8(rest), std::to_string(GetCurrentProcessId()));
        } else if (command == "args") {
            WriteStd(STD_OUTPUT_HANDLE, arguments);
        } else if (command == "cmdfile") {
            PublishFile(FromUtf8(rest), ToUtf8(GetCommandLineW()));
        } else if (command == "folderfile") {
            PublishFile(FromUtf8(rest), ToUtf8(AppContext::ExecutableFolder()));
        } else if (command == "waitfile") {
            std::wstring path = FromUtf8(rest);
            for (int waited = 0;
                 waited < 20000 && GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES; waited += 10)
                Sleep(10);
        } else if (command == "exit") {
            return atoi(rest.c_str());
        }
    }
    return 0;
}

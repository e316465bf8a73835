#include "CommandLine.h"

#include "ProfileCatalogue.h"

#include <windows.h>

bool BuildOutputPath(const std::wstring& inputPath, const std::wstring& outputFolder,
                     const std::wstring& extension, std::wstring& outputPath) {
    size_t slash = inputPath.find_last_of(L'\\');
    if (slash == std::wstring::npos)
        return false;
    std::wstring fileName = inputPath.substr(slash + 1);
    size_t dot = fileName.find_last_of(L'.');
    if (dot == std::wstring::npos || extension.empty())
        return false;
    outputPath = outputFolder + L'\\' + fileName.substr(0, dot) + L'.' + extension;
    return true;
}

bool BuildConversionCommand(const ProfileCatalogue& catalogue, const std::wstring& encoderPath,
                            const std::wstring& inputPath, const std::wstring& outputFolder,
                            const std::wstring& target, const std::wstring& quality, const std::wstring& size,
                            std::wstring& command, std::wstring& outputPath) {
    std::wstring output;
    if (!BuildOutputPath(inputPath, outputFolder, catalogue.GetExtension(target, quality, size), output))
        return false;
    std::wstring arguments = catalogue.GetArguments(target, quality, size);
    if (arguments.empty())
        return false;
    command = ConversionCommand(encoderPath, inputPath, arguments, output);
    outputPath = output;
    return true;
}

std::wstring QuoteProgramPath(const std::wstring& encoderPath) {
    // Unquoted, "C:\Program Files\Quorvex\ffmpeg.exe" would start
    // C:\Program.exe if there were one, and hand the rest to the encoder as
    // an argument.
    if (encoderPath.find_first_of(L" \t") == std::wstring::npos)
        return encoderPath;
    return L"\"" + encoderPath + L"\"";
}

std::wstring ConversionCommand(const std::wstring& encoderPath, const std::wstring& inputPath,
                               const std::wstring& arguments, const std::wstring& outputPath) {
    return QuoteProgramPath(encoderPath) + L" -i \"" + inputPath + L"\" " + arguments + L" \"" + outputPath +
           L"\"";
}

std::wstring BuildProbeCommand(const std::wstring& encoderPath, const std::wstring& inputPath) {
    return QuoteProgramPath(encoderPath) + L" -i \"" + inputPath + L"\"";
}

std::wstring NumberedOutputPath(const std::wstring& outputPath, int number) {
    size_t slash = outputPath.find_last_of(L'\\');
    size_t dot = outputPath.find_last_of(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash))
        dot = outputPath.size();
    return outputPath.substr(0, dot) + L" (" + std::to_wstring(number) + L")" + outputPath.substr(dot);
}

namespace {

std::wstring FullPath(const std::wstring& path) {
    DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return path;
    std::wstring full(needed, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), needed, &full[0], nullptr);
    if (length == 0 || length >= needed)
        return path;
    full.resize(length);
    // Doubled separators name the same folder.
    std::wstring collapsed;
    collapsed.reserve(full.size());
    for (size_t i = 0; i < full.size(); ++i) {
        if (full[i] == L'\\' && i > 1 && !collapsed.empty() && collapsed.back() == L'\\')
            continue;
        collapsed += full[i];
    }
    return collapsed;
}

} // namespace

FileKey FileKeyOf(const std::wstring& path) {
    FileKey key;
    key.FullPath = FullPath(path);
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return key;
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileInformationByHandle(file, &info)) {
        key.OnDisk = true;
        key.Volume = info.dwVolumeSerialNumber;
        key.IndexHigh = info.nFileIndexHigh;
        key.IndexLow = info.nFileIndexLow;
    }
    CloseHandle(file);
    return key;
}

bool IsSameFile(const FileKey& first, const FileKey& second) {
    if (CompareStringOrdinal(first.FullPath.c_str(), static_cast<int>(first.FullPath.size()),
                             second.FullPath.c_str(), static_cast<int>(second.FullPath.size()),
                             TRUE) == CSTR_EQUAL)
        return true;
    return first.OnDisk && second.OnDisk && first.Volume == second.Volume &&
           first.IndexHigh == second.IndexHigh && first.IndexLow == second.IndexLow;
}

bool IsSameFile(const std::wstring& first, const std::wstring& second) {
    return IsSameFile(FileKeyOf(first), FileKeyOf(second));
}

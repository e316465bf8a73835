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
    command = encoderPath + L" -i \"" + inputPath + L"\" " + arguments + L" \"" + output + L"\"";
    outputPath = output;
    return true;
}

std::wstring BuildProbeCommand(const std::wstring& encoderPath, const std::wstring& inputPath) {
    return encoderPath + L" -i \"" + inputPath + L"\"";
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

bool FileIdentity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION& info) {
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = GetFileInformationByHandle(file, &info) != FALSE;
    CloseHandle(file);
    return ok;
}

} // namespace

bool IsSameFile(const std::wstring& first, const std::wstring& second) {
    std::wstring a = FullPath(first);
    std::wstring b = FullPath(second);
    if (CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                             TRUE) == CSTR_EQUAL)
        return true;
    BY_HANDLE_FILE_INFORMATION infoA, infoB;
    if (!FileIdentity(first, infoA) || !FileIdentity(second, infoB))
        return false;
    return infoA.dwVolumeSerialNumber == infoB.dwVolumeSerialNumber &&
           infoA.nFileIndexHigh == infoB.nFileIndexHigh && infoA.nFileIndexLow == infoB.nFileIndexLow;
}

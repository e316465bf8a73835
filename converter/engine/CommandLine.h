// Output names and the two encoder command lines.
#pragma once

#include <windows.h>

#include <string>

class ProfileCatalogue;

// Output path for one input: output folder, a backslash, the input's base
// name (file name up to its last dot), a dot and the extension. False when the
// input has no backslash or its file name has no dot, or the extension is empty.
bool BuildOutputPath(const std::wstring& inputPath, const std::wstring& outputFolder,
                     const std::wstring& extension, std::wstring& outputPath);

// The encoder's path as the first part of a command line: in double quotes
// when it holds a blank or a tab, so that a program folder such as
// C:\Program Files\Quorvex reaches the system (and the encoder) whole. Quoted
// or not, the program name is taken without any backslash escapes.
std::wstring QuoteProgramPath(const std::wstring& encoderPath);

// encoder -i "input" arguments "output", with the encoder's path quoted as
// QuoteProgramPath does.
std::wstring ConversionCommand(const std::wstring& encoderPath, const std::wstring& inputPath,
                               const std::wstring& arguments, const std::wstring& outputPath);

// encoder -i "input" arguments "output". False (and nothing built) when the
// output path cannot be built or the target has no arguments or extension for
// the chosen quality and size.
bool BuildConversionCommand(const ProfileCatalogue& catalogue, const std::wstring& encoderPath,
                            const std::wstring& inputPath, const std::wstring& outputFolder,
                            const std::wstring& target, const std::wstring& quality, const std::wstring& size,
                            std::wstring& command, std::wstring& outputPath);

// encoder -i "input": the encoder only opens the input and describes it.
std::wstring BuildProbeCommand(const std::wstring& encoderPath, const std::wstring& inputPath);

// What identifies a file: its full path (doubled separators collapsed) and,
// when it exists, its volume and index on disk, which also tell a path that
// reaches the file some other way (another case, a link) for the same file.
struct FileKey {
    std::wstring FullPath;
    bool OnDisk = false;
    DWORD Volume = 0;
    DWORD IndexHigh = 0;
    DWORD IndexLow = 0;
};
FileKey FileKeyOf(const std::wstring& path);
// Equal full paths without regard to case, or the same file on disk.
bool IsSameFile(const FileKey& first, const FileKey& second);
bool IsSameFile(const std::wstring& first, const std::wstring& second);

// "folder\base (n).ext" for an output path "folder\base.ext".
std::wstring NumberedOutputPath(const std::wstring& outputPath, int number);

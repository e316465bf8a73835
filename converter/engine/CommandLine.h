// Output names and the two encoder command lines.
#pragma once

#include <string>

class ProfileCatalogue;

// Output path for one input: output folder, a backslash, the input's base
// name (file name up to its last dot), a dot and the extension. False when the
// input has no backslash or its file name has no dot, or the extension is empty.
bool BuildOutputPath(const std::wstring& inputPath, const std::wstring& outputFolder,
                     const std::wstring& extension, std::wstring& outputPath);

// encoder -i "input" arguments "output". False (and nothing built) when the
// output path cannot be built or the target has no arguments or extension for
// the chosen quality and size.
bool BuildConversionCommand(const ProfileCatalogue& catalogue, const std::wstring& encoderPath,
                            const std::wstring& inputPath, const std::wstring& outputFolder,
                            const std::wstring& target, const std::wstring& quality, const std::wstring& size,
                            std::wstring& command, std::wstring& outputPath);

// encoder -i "input": the encoder only opens the input and describes it.
std::wstring BuildProbeCommand(const std::wstring& encoderPath, const std::wstring& inputPath);

// True when both paths name the same file: equal as full paths without regard
// to case, or, when both exist, the same file on disk.
bool IsSameFile(const std::wstring& first, const std::wstring& second);

// What the user hands the program as files to add: the open-file dialog's
// filter (and the extensions it accepts), and paths dropped from the file
// manager, a folder standing for the supported files directly inside it.
#pragma once

#include <string>
#include <vector>

// The open-file dialog's filter: pairs of description and patterns joined
// by '|', the first pair "All Supported Files" with every extension.
extern const wchar_t kSupportedFilesFilter[];

// Whether the name ends in one of the extensions of "All Supported Files"
// (any case).
bool IsSupportedFile(const std::wstring& path);

// The files to add for what was dropped, in drop order: a file as it is (the
// probe decides whether it can be read), a folder as the supported files
// directly in it (not those of its sub-folders) in name order.
std::vector<std::wstring> FilesFromDroppedPaths(const std::vector<std::wstring>& dropped);

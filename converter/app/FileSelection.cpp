#include "FileSelection.h"

#include <windows.h>

#include <algorithm>

const wchar_t kSupportedFilesFilter[] =
    L"All Supported "
    L"Files|*.ac3;*.asf;*.avi;*.dat;*.divx;*.vob;*.flv;*.mpeg;*.mpg;*.mp2;*.mp3;*.mp4;*.mov;*.wav;"
    L"*.wmv;*.3gp;*.3gp2;*.3gpp;*.3g2;*.3gpp2;*.ogg;*.mts;*.m2ts;*.mkv;*.m4v;*.vro;*.avs;*.mod|"
    L"AC3 File(*.ac3)|*.ac3|ASF File(*.asf)|*.asf|AVI File(*.avi)|*.avi|DAT File(*.dat)|*.dat|"
    L"DIVX File(*.divx)|*.divx|DVD File(*.vob)|*.vob|FLV File(*.flv)|*.flv|MPEG File(*.mpeg)|*.mpeg|"
    L"MPG File(*.mpg)|*.mpg|MP2 File(*.mp2)|*.mp2|MP3 File(*.mp3)|*.mp3|MP4 File(*.mp4)|*.mp4|"
    L"MOV File(*.mov)|*.mov|WAV File(*.wav)|*.wav|WMV File(*.wmv)|*.wmv|3GP File(*.3gp)|*.3gp|"
    L"3GP2 File(*.3gp2)|*.3gp2|3GPP File(*.3gpp)|*.3gpp|3G2 File(*.3g2)|*.3g2|3GPP2 File(*.3gpp2)|*.3gpp2|"
    L"OGG File(*.ogg)|*.ogg|MTS File(*.mts)|*.mts|M2TS File(*.m2ts)|*.m2ts|MKV File(*.mkv)|*.mkv|"
    L"M4V File(*.m4v)|*.m4v|VRO File(*.vro)|*.vro|AVS File(*.avs)|*.avs|MOD File(*.mod)|*.mod||";

namespace {

bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

// The extensions of the filter's first pattern list, with their dots.
std::vector<std::wstring> SupportedExtensions() {
    const std::wstring filter = kSupportedFilesFilter;
    const size_t start = filter.find(L'|') + 1;
    const std::wstring patterns = filter.substr(start, filter.find(L'|', start) - start);
    std::vector<std::wstring> extensions;
    size_t from = 0;
    while (from < patterns.size()) {
        size_t end = patterns.find(L';', from);
        if (end == std::wstring::npos)
            end = patterns.size();
        const std::wstring pattern = patterns.substr(from, end - from);
        if (pattern.size() > 2 && pattern.compare(0, 2, L"*.") == 0)
            extensions.push_back(pattern.substr(1));
        from = end + 1;
    }
    return extensions;
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::wstring> SupportedFilesIn(const std::wstring& folder) {
    std::wstring base = folder;
    if (!base.empty() && base.back() != L'\\')
        base += L'\\';
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((base + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsSupportedFile(found.cFileName))
            names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    // Name order as a person reads it: case does not count.
    std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        const int order = CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                               static_cast<int>(b.size()), TRUE);
        return order == CSTR_LESS_THAN || (order == CSTR_EQUAL && a < b);
    });
    for (std::wstring& name : names)
        name = base + name;
    return names;
}

} // namespace

bool IsSupportedFile(const std::wstring& path) {
    static const std::vector<std::wstring> extensions = SupportedExtensions();
    const size_t slash = path.find_last_of(L"\\/");
    const size_t dot = path.find_last_of(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash))
        return false;
    const std::wstring extension = path.substr(dot);
    for (const std::wstring& supported : extensions) {
        if (SameIgnoringCase(extension, supported))
            return true;
    }
    return false;
}

std::vector<std::wstring> FilesFromDroppedPaths(const std::vector<std::wstring>& dropped) {
    std::vector<std::wstring> files;
    for (const std::wstring& path : dropped) {
        if (path.empty())
            continue;
        if (IsFolder(path)) {
            const std::vector<std::wstring> inside = SupportedFilesIn(path);
            files.insert(files.end(), inside.begin(), inside.end());
        } else {
            files.push_back(path);
        }
    }
    return files;
}

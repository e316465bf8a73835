// The rows of the file list, the program's only record of the user's files.
// Each row shows a state picture, the file's name, its duration and its
// progress; the full path sits in a column of zero width and is the key a
// row is found by.
#pragma once

#include <Tavrin.h>

#include <afxcmn.h>

#include <vector>

class FileListRows {
public:
    enum Column { StateColumn = 0, NameColumn, DurationColumn, PercentColumn, PathColumn };
    // Pictures of the list's small image list.
    enum Image { WaitingImage = 0, ConvertingImage = 1, ConvertedImage = 2 };

    explicit FileListRows(Tavrin::NeloListCtrl& list) : m_list(list) {}
    FileListRows(const FileListRows&) = delete;
    FileListRows& operator=(const FileListRows&) = delete;

    int Count() const;
    // The first row from the top whose path is exactly this one; -1 for an
    // empty path, an empty list or no such row.
    int Find(const CString& path) const;
    // Appends a waiting row at "0.0%"; -1 (and no row) for a path without a
    // backslash, which names no file.
    int Add(const CString& path, const CString& duration);

    CString Path(int row) const;
    CString Duration(int row) const;
    CString Percent(int row) const;
    void SetPercent(int row, const CString& text);
    int ImageOf(int row) const;
    void SetImage(int row, int image);

    // The paths of the rows not yet converted, top to bottom.
    std::vector<CString> PathsToConvert() const;
    bool HasRowsToConvert() const;
    // Selected rows, top to bottom.
    std::vector<int> SelectedRows() const;

    void RemoveSelected();
    void RemoveConverted();
    void RemoveAll();

private:
    bool IsConverted(int row) const;

    Tavrin::NeloListCtrl& m_list;
};

// What the "Precent" column says of a file that has been converted, of one
// that waits (added, stopped or just started) and of one that failed.
extern const wchar_t kConvertedPercent[];
extern const wchar_t kStartPercent[];
extern const wchar_t kFailedPercent[];

// A permille shown with one decimal: 456 gives "45.6%". Values outside 0 to
// 1000 are held to that range.
CString PercentText(int permille);

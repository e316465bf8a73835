#include "FileListRows.h"

const wchar_t kConvertedPercent[] = L"100.0%";
const wchar_t kStartPercent[] = L"0.0%";
const wchar_t kFailedPercent[] = L"Failed";

CString PercentText(int permille) {
    if (permille < 0)
        permille = 0;
    if (permille > 1000)
        permille = 1000;
    CString text;
    text.Format(L"%d.%d%%", permille / 10, permille % 10);
    return text;
}

int FileListRows::Count() const {
    return m_list.GetSafeHwnd() ? m_list.GetItemCount() : 0;
}

int FileListRows::Find(const CString& path) const {
    if (path.IsEmpty())
        return -1;
    const int count = Count();
    for (int row = 0; row < count; ++row) {
        if (Path(row) == path)
            return row;
    }
    return -1;
}

int FileListRows::Add(const CString& path, const CString& duration) {
    const int slash = path.ReverseFind(L'\\');
    if (slash < 0 || !m_list.GetSafeHwnd())
        return -1;
    const int row = m_list.InsertItem(Count(), L"", WaitingImage);
    if (row < 0)
        return -1;
    m_list.SetItemText(row, PathColumn, path);
    m_list.SetItemText(row, DurationColumn, duration);
    m_list.SetItemText(row, PercentColumn, kStartPercent);
    m_list.SetItemText(row, NameColumn, path.Mid(slash + 1));
    return row;
}

CString FileListRows::Path(int row) const {
    return m_list.GetItemText(row, PathColumn);
}

CString FileListRows::Duration(int row) const {
    return m_list.GetItemText(row, DurationColumn);
}

CString FileListRows::Percent(int row) const {
    return m_list.GetItemText(row, PercentColumn);
}

void FileListRows::SetPercent(int row, const CString& text) {
    m_list.SetItemText(row, PercentColumn, text);
}

int FileListRows::ImageOf(int row) const {
    LVITEM item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    return m_list.GetItem(&item) ? item.iImage : -1;
}

void FileListRows::SetImage(int row, int image) {
    // The state picture belongs to the row's first column.
    m_list.SetItemImage(row, StateColumn, image);
}

bool FileListRows::IsConverted(int row) const {
    return Percent(row) == kConvertedPercent;
}

std::vector<CString> FileListRows::PathsToConvert() const {
    std::vector<CString> paths;
    const int count = Count();
    for (int row = 0; row < count; ++row) {
        if (!IsConverted(row))
            paths.push_back(Path(row));
    }
    return paths;
}

bool FileListRows::HasRowsToConvert() const {
    const int count = Count();
    for (int row = 0; row < count; ++row) {
        if (!IsConverted(row))
            return true;
    }
    return false;
}

std::vector<int> FileListRows::SelectedRows() const {
    std::vector<int> rows;
    if (!m_list.GetSafeHwnd())
        return rows;
    POSITION position = m_list.GetFirstSelectedItemPosition();
    while (position)
        rows.push_back(m_list.GetNextSelectedItem(position));
    return rows;
}

void FileListRows::RemoveSelected() {
    // From the bottom up, so that the rows still to go keep their indices.
    const std::vector<int> rows = SelectedRows();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        m_list.DeleteItem(*row);
}

void FileListRows::RemoveConverted() {
    for (int row = Count() - 1; row >= 0; --row) {
        if (IsConverted(row))
            m_list.DeleteItem(row);
    }
}

void FileListRows::RemoveAll() {
    if (m_list.GetSafeHwnd())
        m_list.DeleteAllItems();
}

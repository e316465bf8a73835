// The main window's file list and output folder: adding a file after its
// probe, removing and clearing rows, choosing and opening the folder.
#include "MainDialog.h"

#include "FileSelection.h"
#include "UiContext.h"
#include "resource.h"

#include <ConversionEngine.h>

#include <afxdlgs.h>
#include <algorithm>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

namespace {

// Room for the paths of many files picked at once in the open-file dialog.
constexpr size_t kPickedNamesChars = 64 * 1024;

const wchar_t kPleaseAddFiles[] = L"Please add file(s)";
const wchar_t kFormatWrong[] = L"The file format is wrong, please select file again.";
const wchar_t kInvalidFolder[] = L"The output folder is invalid path, please input again.";

CString TotalFiles(int count) {
    CString text;
    text.Format(L"Total files: %d", count);
    return text;
}

CString AlreadyListed(const CString& path) {
    CString text;
    text.Format(L"The file [ %s ] is in the list.", static_cast<LPCWSTR>(path));
    return text;
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The folder browser's new dialog style needs COM on the calling thread;
// a thread that already has it in another model keeps it.
class ComApartment {
public:
    ComApartment() : m_initialised(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (m_initialised)
            ::CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_initialised;
};

// An item list the shell allocated, freed with the shell's allocator
// whatever the caller makes of it.
class ShellItemList {
public:
    explicit ShellItemList(PIDLIST_ABSOLUTE items) : m_items(items) {}
    ~ShellItemList() { ::CoTaskMemFree(m_items); }
    ShellItemList(const ShellItemList&) = delete;
    ShellItemList& operator=(const ShellItemList&) = delete;

    PIDLIST_ABSOLUTE Get() const { return m_items; }

private:
    PIDLIST_ABSOLUTE m_items;
};

} // namespace

void MainDialog::OnAddButton() {
    AddFile();
}

void MainDialog::OnMenuAddFiles() {
    // The open-file dialog runs its own modal loop: it opens once the menu
    // has closed, as the About box and the settings dialog do.
    SetTimer(kAddFilesTimer, kDeferredDialogDelayMs, nullptr);
}

void MainDialog::AddFile() {
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT,
                       kSupportedFilesFilter, this);
    std::vector<wchar_t> names(kPickedNamesChars, L'\0');
    dialog.m_ofn.lpstrFile = names.data();
    dialog.m_ofn.nMaxFile = static_cast<DWORD>(names.size());
    if (dialog.DoModal() != IDOK)
        return;
    std::vector<std::wstring> paths;
    for (POSITION position = dialog.GetStartPosition(); position;)
        paths.push_back(dialog.GetNextPathName(position).GetString());
    AddFiles(paths);
}

void MainDialog::OnDropFiles(HDROP hDropInfo) {
    std::vector<std::wstring> dropped;
    const UINT count = ::DragQueryFileW(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = ::DragQueryFileW(hDropInfo, i, nullptr, 0);
        std::vector<wchar_t> path(length + 1, L'\0');
        if (::DragQueryFileW(hDropInfo, i, path.data(), length + 1) == length)
            dropped.push_back(path.data());
    }
    ::DragFinish(hDropInfo);
    AddFiles(FilesFromDroppedPaths(dropped));
}

void MainDialog::AddFiles(const std::vector<std::wstring>& paths) {
    std::vector<std::wstring> toProbe;
    for (const std::wstring& path : paths) {
        if (path.empty())
            continue;
        // A file still being probed counts as listed: it is on its way there.
        if (m_rows.Find(path.c_str()) >= 0 || m_probing.count(path) ||
            std::find(toProbe.begin(), toProbe.end(), path) != toProbe.end()) {
            ShowNotice(AlreadyListed(path.c_str()));
            continue;
        }
        toProbe.push_back(path);
    }
    if (toProbe.empty())
        return;
    ConversionEngine* engine = ConversionEngine::Current();
    if (!engine || !engine->StartProbe(toProbe)) {
        ShowNotice(kFormatWrong);
        return;
    }
    // Each row is added when its probe reports back, in the order given.
    m_probing.insert(toProbe.begin(), toProbe.end());
}

LRESULT MainDialog::OnProbeFinished(WPARAM wParam, LPARAM lParam) {
    const PostedPath path(wParam);
    const PostedPath duration(static_cast<WPARAM>(lParam));
    m_probing.erase(path.Text());
    const CString durationText = duration.Text();
    if (durationText.IsEmpty() || durationText == L"00:00:00")
        ShowNotice(kFormatWrong);
    else if (m_rows.Find(path.Text()) >= 0)
        ShowNotice(AlreadyListed(path.Text()));
    else
        AddFileRow(path.Text(), durationText);
    return 0;
}

void MainDialog::AddFileRow(const CString& path, const CString& duration) {
    if (m_rows.Add(path, duration) < 0)
        return;
    // While a batch runs the buttons belong to it; its end looks at the list.
    if (!m_batchRunning) {
        SetRemoveEnabled(true);
        SetConvertEnabled(true, false);
    }
    SetStatusText(TotalFiles(m_rows.Count()));
}

void MainDialog::OnRemove() {
    if (!m_removeEnabled)
        return;
    m_rows.RemoveSelected();
    ShowRemainingRows();
}

void MainDialog::OnClearAll() {
    if (!m_removeEnabled)
        return;
    m_rows.RemoveAll();
    ShowRemainingRows();
}

void MainDialog::OnClearConverted() {
    if (!m_removeEnabled)
        return;
    m_rows.RemoveConverted();
    ShowRemainingRows();
}

void MainDialog::ShowRemainingRows() {
    const int count = m_rows.Count();
    if (count == 0) {
        // Nothing left to remove or convert, however the rows went.
        SetRemoveEnabled(false);
        SetConvertEnabled(false, false);
        SetStopEnabled(false);
        SetStatusText(kPleaseAddFiles);
    } else {
        SetStatusText(TotalFiles(count));
    }
}

void MainDialog::OnFileListItemChanged(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    // Only a change of selection says something about the rows chosen; new
    // texts and pictures of a row do not.
    if (!(change->uChanged & LVIF_STATE) || !((change->uOldState ^ change->uNewState) & LVIS_SELECTED))
        return;
    const std::vector<int> selected = m_rows.SelectedRows();
    if (selected.size() > 1) {
        SetStatusText(L"");
        return;
    }
    if (selected.empty())
        return;
    // A file of the last batch that failed, or was saved under another name,
    // says why beside its path.
    const CString path = m_rows.Path(selected.front());
    CString text = path;
    FileReport report;
    ConversionEngine* engine = ConversionEngine::Current();
    if (engine && engine->GetFileReport(path.GetString(), report) && !report.Message.empty() &&
        (report.Result == FileReport::State::Failed || report.Result == FileReport::State::Finished))
        text += CString(L"  ") + report.Message.c_str();
    SetStatusText(text);
}

void MainDialog::OnOpenOutputFolder() {
    CString folder;
    m_outputEdit.GetWindowText(folder);
    if (!folder.IsEmpty() && ::SetCurrentDirectoryW(folder)) {
        ::ShellExecuteW(m_hWnd, L"open", folder, nullptr, nullptr, SW_SHOWNORMAL);
        SetStatusText(L"");
        return;
    }
    // The typed text stays, so that a slip can be mended in place.
    SetStatusText(kInvalidFolder);
}

bool MainDialog::OutputFolderUsable(const std::wstring& folder) {
    // A folder that is missing is made (one level), as the default one is
    // at start-up; one that cannot be made is reported and its text kept.
    if (!folder.empty() &&
        (IsFolder(folder) || (::CreateDirectoryW(folder.c_str(), nullptr) && IsFolder(folder))))
        return true;
    SetStatusText(kInvalidFolder);
    return false;
}

void MainDialog::OnBrowse() {
    if (!m_profileEnabled)
        return;
    ComApartment com;
    wchar_t displayName[MAX_PATH] = {};
    BROWSEINFOW browse{};
    browse.hwndOwner = m_hWnd;
    browse.pidlRoot = nullptr;
    browse.pszDisplayName = displayName;
    browse.lpszTitle = L"Open directory";
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    const ShellItemList chosen(::SHBrowseForFolderW(&browse));
    if (!chosen.Get())
        return;
    wchar_t path[MAX_PATH] = {};
    if (::SHGetPathFromIDListW(chosen.Get(), path) && path[0])
        m_outputEdit.SetWindowText(path);
}

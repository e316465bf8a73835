// The main window's file list and output folder: adding a file after its
// probe, removing and clearing rows, choosing and opening the folder.
#include "MainDialog.h"

#include "UiContext.h"
#include "resource.h"

#include <ConversionEngine.h>

#include <afxdlgs.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

namespace {

const wchar_t kSupportedFiles[] =
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
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kSupportedFiles, this);
    if (dialog.DoModal() != IDOK)
        return;
    const CString path = dialog.GetPathName();
    if (path.IsEmpty())
        return;
    const std::wstring key = path.GetString();
    // A file still being probed counts as listed: it is on its way there.
    if (m_rows.Find(path) >= 0 || m_probing.count(key)) {
        SetStatusText(AlreadyListed(path));
        return;
    }
    ConversionEngine* engine = ConversionEngine::Current();
    if (!engine || !engine->StartProbe({key})) {
        SetStatusText(kFormatWrong);
        return;
    }
    // The row is added when the probe reports back.
    m_probing.insert(key);
}

LRESULT MainDialog::OnProbeFinished(WPARAM wParam, LPARAM lParam) {
    const PostedPath path(wParam);
    const PostedPath duration(static_cast<WPARAM>(lParam));
    m_probing.erase(path.Text());
    const CString durationText = duration.Text();
    if (durationText.IsEmpty() || durationText == L"00:00:00")
        SetStatusText(kFormatWrong);
    else if (m_rows.Find(path.Text()) >= 0)
        SetStatusText(AlreadyListed(path.Text()));
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

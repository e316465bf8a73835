#include "MainDialog.h"

#include "AboutDialog.h"
#include "AppColours.h"
#include "PostTaskAction.h"
#include "SettingsDialog.h"
#include "UiContext.h"
#include "resource.h"

#include <ConversionEngine.h>

#include <shellapi.h>

#include <vector>

namespace {

const wchar_t kSupportPage[] = L"https://quorvex.example.com/support";

// Where each toolbar picture sits in its button. The 48 x 48 pictures hold
// their drawing in the lower-left 32 x 32, hence the upward shift.
struct PicturePosition {
    int x;
    int y;
};
constexpr PicturePosition kAddPicture{12, 3};
constexpr PicturePosition kRemovePicture{0, -12};
constexpr PicturePosition kConvertPicture{0, -12};
constexpr PicturePosition kStopPicture{12, 4};
constexpr PicturePosition kSettingsPicture{12, 3};

// The "Convert to" pictures, in the catalogue's name order: AVI, Android,
// Blackberry, DVD, FLV, IPhone, IPod, Mobile Phone, PSP, Xbox 360, Zune.
const UINT kTargetBitmaps[] = {IDB_TARGET_AVI,     IDB_TARGET_ANDROID,      IDB_TARGET_BLACKBERRY,
                               IDB_TARGET_DVD,     IDB_TARGET_FLV,          IDB_TARGET_IPHONE,
                               IDB_TARGET_IPOD,    IDB_TARGET_MOBILE_PHONE, IDB_TARGET_PSP,
                               IDB_TARGET_XBOX360, IDB_TARGET_ZUNE};
// Row images 0, 1 and 2: waiting or stopped, converting, converted.
const UINT kRowBitmaps[] = {IDB_ROW_WAITING, IDB_ROW_CONVERTING, IDB_ROW_CONVERTED};

struct Column {
    const wchar_t* heading;
    int width;
};
// "Path" holds the full path, the key of a row, without being shown.
const Column kColumns[] = {
    {L"State", 50}, {L"Name", 160}, {L"Duration", 90}, {L"Precent", 90}, {L"Path", 0},
};

struct PostTaskEntry {
    UINT command;
    const wchar_t* text;
};
// In the order of their action values.
const PostTaskEntry kPostTaskEntries[] = {
    {ID_POST_TASK_DO_NOTHING, L"Do Nothing"},
    {ID_POST_TASK_SHUT_DOWN, L"Shut Down"},
    {ID_POST_TASK_LOG_OFF, L"Log Off"},
};

// Fills a 16 x 16 image list from the bitmap cache, white as the mask. The
// list masks a copy: adding a bitmap with a mask colour blackens the masked
// pixels of the bitmap it is given, and the cached one is shared.
bool FillImageList(CImageList& list, int grow, const UINT* ids, size_t count) {
    UiContext* context = UiContext::Current();
    if (!context || !list.Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, grow))
        return false;
    for (size_t i = 0; i < count; ++i) {
        HBITMAP cached = context->Bitmaps().Get(ids[i]);
        if (!cached)
            return false;
        HBITMAP copy = static_cast<HBITMAP>(::CopyImage(cached, IMAGE_BITMAP, 0, 0, 0));
        if (!copy)
            return false;
        const int added = ImageList_AddMasked(list.GetSafeHandle(), copy, kTransparentColour);
        ::DeleteObject(copy);
        if (added < 0)
            return false;
    }
    return true;
}

void FillCombo(CComboBox& combo, const std::vector<std::wstring>& entries, const std::wstring& selected) {
    combo.ResetContent();
    int selection = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        combo.AddString(entries[i].c_str());
        if (entries[i] == selected)
            selection = static_cast<int>(i);
    }
    combo.SetCurSel(selection);
}

const ProfileCatalogue* Catalogue() {
    AppContext* context = AppContext::Current();
    return context ? context->Catalogue() : nullptr;
}

} // namespace

BEGIN_MESSAGE_MAP(MainDialog, Tavrin::NeloDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_WM_DROPFILES()
ON_WM_TIMER()
ON_BN_CLICKED(IDC_BUTTON_SETTINGS, &MainDialog::OnSettingsButton)
ON_COMMAND(ID_FILE_SETTINGS, &MainDialog::OnMenuSettings)
ON_COMMAND(ID_FILE_EXIT, &MainDialog::OnMenuExit)
ON_COMMAND(ID_HELP_ABOUT, &MainDialog::OnMenuAbout)
ON_COMMAND(ID_HELP_FEEDBACK, &MainDialog::OnMenuFeedback)
ON_COMMAND(ID_OPTIONS_RUN_IN_BACKGROUND, &MainDialog::OnMenuRunInBackground)
ON_COMMAND_RANGE(ID_POST_TASK_DO_NOTHING, ID_POST_TASK_LOG_OFF, &MainDialog::OnPostTaskCommand)
ON_CBN_SELCHANGE(IDC_COMBO_TARGET, &MainDialog::OnTargetChanged)
ON_BN_CLICKED(IDC_BUTTON_ADD, &MainDialog::OnAddButton)
ON_COMMAND(ID_FILE_ADD_FILES, &MainDialog::OnMenuAddFiles)
ON_BN_CLICKED(IDC_BUTTON_REMOVE, &MainDialog::OnRemove)
ON_COMMAND(ID_EDIT_REMOVE_SELECTED, &MainDialog::OnRemove)
ON_COMMAND(ID_EDIT_CLEAR_ALL, &MainDialog::OnClearAll)
ON_COMMAND(ID_EDIT_CLEAR_CONVERTED, &MainDialog::OnClearConverted)
ON_BN_CLICKED(IDC_BUTTON_OPEN, &MainDialog::OnOpenOutputFolder)
ON_COMMAND(ID_EDIT_OPEN_OUTPUT, &MainDialog::OnOpenOutputFolder)
ON_BN_CLICKED(IDC_BUTTON_BROWSE, &MainDialog::OnBrowse)
ON_BN_CLICKED(IDC_BUTTON_CONVERT, &MainDialog::OnConvertButton)
ON_COMMAND(ID_FILE_CONVERT, &MainDialog::OnMenuConvert)
ON_BN_CLICKED(IDC_BUTTON_STOP, &MainDialog::OnStopButton)
ON_COMMAND(ID_FILE_STOP, &MainDialog::OnMenuStop)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_LIST_FILES, &MainDialog::OnFileListItemChanged)
ON_MESSAGE(WM_PROBE_FINISHED, &MainDialog::OnProbeFinished)
ON_MESSAGE(WM_CONVERT_STARTED, &MainDialog::OnConvertStarted)
ON_MESSAGE(WM_CONVERT_FINISHED, &MainDialog::OnConvertFinished)
ON_MESSAGE(WM_CONVERT_FAILED, &MainDialog::OnConvertFailed)
ON_MESSAGE(WM_CONVERT_STOPPED, &MainDialog::OnConvertStopped)
ON_MESSAGE(WM_BATCH_SUCCEEDED, &MainDialog::OnBatchSucceeded)
END_MESSAGE_MAP()

MainDialog::MainDialog()
    : NeloDialog(IDD_QUORVEX_DIALOG), m_icon(nullptr), m_rows(m_fileList), m_lastProgress(0),
      m_removeEnabled(false), m_convertEnabled(false), m_stopEnabled(false), m_profileEnabled(true),
      m_batchRunning(false), m_noticeShowing(false), m_hasWaitingStatus(false), m_lastPace(0.0),
      m_pendingPostTask(PostTaskDoNothing), m_outputFolder(L"C:\\MyVideo") {
    LPCWSTR name = MAKEINTRESOURCEW(IDR_MAINFRAME);
    // A shared icon: the system owns it, nobody destroys it.
    m_icon = ::LoadIconW(AfxFindResourceHandle(name, RT_GROUP_ICON), name);
}

MainDialog::~MainDialog() = default;

void MainDialog::DoDataExchange(CDataExchange* pDX) {
    NeloDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BUTTON_ADD, m_addButton);
    DDX_Control(pDX, IDC_BUTTON_REMOVE, m_removeButton);
    DDX_Control(pDX, IDC_BUTTON_CONVERT, m_convertButton);
    DDX_Control(pDX, IDC_BUTTON_STOP, m_stopButton);
    DDX_Control(pDX, IDC_BUTTON_SETTINGS, m_settingsButton);
    DDX_Control(pDX, IDC_BUTTON_BROWSE, m_browseButton);
    DDX_Control(pDX, IDC_BUTTON_OPEN, m_openButton);
    DDX_Control(pDX, IDC_GROUP_PROFILE, m_profileGroup);
    DDX_Control(pDX, IDC_STATIC_CONVERT_TO, m_convertToLabel);
    DDX_Control(pDX, IDC_STATIC_SIZE, m_sizeLabel);
    DDX_Control(pDX, IDC_STATIC_QUALITY, m_qualityLabel);
    DDX_Control(pDX, IDC_STATIC_OUTPUT, m_outputLabel);
    DDX_Control(pDX, IDC_STATIC_STATUS, m_statusLine);
    DDX_Control(pDX, IDC_STATIC_FILE_PROGRESS, m_fileProgressLabel);
    DDX_Control(pDX, IDC_PROGRESS_FILE, m_fileProgress);
    DDX_Control(pDX, IDC_COMBO_TARGET, m_targetCombo);
    DDX_Control(pDX, IDC_COMBO_SIZE, m_sizeCombo);
    DDX_Control(pDX, IDC_COMBO_QUALITY, m_qualityCombo);
    DDX_Control(pDX, IDC_EDIT_OUTPUT, m_outputEdit);
    DDX_Control(pDX, IDC_LIST_FILES, m_fileList);
    DDX_Text(pDX, IDC_EDIT_OUTPUT, m_outputFolder);
    DDX_CBString(pDX, IDC_COMBO_TARGET, m_target);
    DDX_CBString(pDX, IDC_COMBO_SIZE, m_size);
    DDX_CBString(pDX, IDC_COMBO_QUALITY, m_quality);
}

BOOL MainDialog::OnInitDialog() {
    NeloDialog::OnInitDialog();

    AddAboutToSystemMenu();
    SetIcon(m_icon, TRUE);
    SetIcon(m_icon, FALSE);

    UiContext* context = UiContext::Current();
    if (!context)
        return TRUE;
    RegisterEngineCallbacks();
    context->SetMainWindow(m_hWnd);

    SetUpMenuBar();
    // A toolbar picture that cannot be loaded ends the toolbar's set-up
    // only; the window still opens with everything else.
    SetUpToolbar();
    SetUpOutputFolderEdit();
    SetUpProfileControls();
    SetUpFileList();
    SetUpLabelsAndProgress();
    EnsureOutputFolder();
    // Files and folders dropped from the file manager anywhere on the
    // window, the list included, are added.
    DragAcceptFiles(TRUE);
    return TRUE;
}

BOOL MainDialog::PreTranslateMessage(MSG* pMsg) {
    // The progress bar's tip learns of the pointer from here.
    if (pMsg->hwnd == m_fileProgress.GetSafeHwnd() && pMsg->message >= WM_MOUSEFIRST &&
        pMsg->message <= WM_MOUSELAST)
        m_progressTip.Relay(pMsg);
    return NeloDialog::PreTranslateMessage(pMsg);
}

void MainDialog::AddAboutToSystemMenu() {
    CString about;
    if (!about.LoadString(IDS_ABOUTBOX) || about.IsEmpty())
        return;
    if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
    }
}

void MainDialog::RegisterEngineCallbacks() {
    ConversionEngine* engine = ConversionEngine::Current();
    if (!engine)
        return;
    // The workers only post: each message carries its own copies of the path
    // and the detail, so the window never reads what a worker may change.
    engine->SetOnProbeFinished([](const std::wstring& path, const std::wstring& duration) {
        PostPathToMainWindow(WM_PROBE_FINISHED, path, duration);
    });
    engine->SetOnFileStarted([](const std::wstring& path, const std::wstring&) {
        PostPathToMainWindow(WM_CONVERT_STARTED, path);
    });
    engine->SetOnFileFinished([](const std::wstring& path, const std::wstring&) {
        PostPathToMainWindow(WM_CONVERT_FINISHED, path);
    });
    engine->SetOnFileStopped([](const std::wstring& path, const std::wstring&) {
        PostPathToMainWindow(WM_CONVERT_STOPPED, path);
    });
    engine->SetOnFileFailed([](const std::wstring& path, const std::wstring& reason) {
        PostPathToMainWindow(WM_CONVERT_FAILED, path, reason);
    });
    engine->SetOnBatchFinished([] { OnBatchFinished(); });
}

void MainDialog::SetUpMenuBar() {
    if (m_menuBar.LoadMenu(IDR_MAINMENU))
        m_menuBar.SetMenuBar(this);
}

bool MainDialog::SetUpToolbar() {
    // One record for all five buttons: idle and disabled buttons show the
    // window's background, so only the picture stands out until hovered.
    Tavrin::_ButtonColorInfo colours;
    m_addButton.GetButtonColorInfo(colours);
    for (COLORREF* flat :
         {&colours.crNormalTop, &colours.crNormalBottom, &colours.crDisabledTop, &colours.crDisabledBottom,
          &colours.crOuterNormal, &colours.crOuterDisabled, &colours.crInnerNormal, &colours.crInnerDisabled})
        *flat = kWindowBackground;
    colours.toolTipColorInfo.crTipTop = RGB(255, 242, 202);
    colours.toolTipColorInfo.crTipBottom = RGB(254, 230, 158);
    colours.toolTipColorInfo.crTipFrame = RGB(210, 217, 237);

    auto prepare = [&colours](Tavrin::NeloButton& button, const wchar_t* tip) {
        button.SetButtonColorInfo(colours);
        button.ShowFocusEffect(0);
        button.SetToolTipText(tip);
    };
    prepare(m_addButton, L" Add File(s) ");
    if (!ShowToolbarPicture(m_addButton, IDB_ADD_FILES, kAddPicture.x, kAddPicture.y))
        return false;
    prepare(m_removeButton, L" Remove ");
    if (!SetRemoveEnabled(false))
        return false;
    prepare(m_convertButton, L" Convert ");
    if (!SetConvertEnabled(false, true))
        return false;
    prepare(m_stopButton, L" Stop ");
    if (!SetStopEnabled(false))
        return false;
    prepare(m_settingsButton, L" Settings ");
    return ShowToolbarPicture(m_settingsButton, IDB_SETTINGS, kSettingsPicture.x, kSettingsPicture.y);
}

void MainDialog::SetUpOutputFolderEdit() {
    // Six pixels taller than the template makes it, so that the folder icon
    // fits beside the text.
    CRect edit;
    m_outputEdit.GetWindowRect(&edit);
    m_outputEdit.SetWindowPos(nullptr, 0, 0, edit.Width(), edit.Height() + 6,
                              SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // With the keyboard focus the frame keeps the colour it has under the
    // pointer.
    Tavrin::_EditColorInfo colours;
    m_outputEdit.GetEditColorInfo(colours);
    colours.clrBorderFocus = colours.clrBorderHot;
    m_outputEdit.SetEditColorInfo(colours);
    // The box keeps its own copy of the folder icon.
    LPCWSTR name = MAKEINTRESOURCEW(IDI_OUTPUT_FOLDER);
    HICON folder = static_cast<HICON>(::LoadImageW(AfxFindResourceHandle(name, RT_GROUP_ICON), name, IMAGE_ICON,
                                                   ::GetSystemMetrics(SM_CXSMICON),
                                                   ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    if (folder) {
        m_outputEdit.SetIcon(folder, 1);
        ::DestroyIcon(folder);
    }
}

void MainDialog::SetUpProfileControls() {
    if (FillImageList(m_targetImages, 7, kTargetBitmaps, sizeof(kTargetBitmaps) / sizeof(kTargetBitmaps[0])))
        m_targetCombo.SetImageList(&m_targetImages);
    std::vector<std::wstring> names;
    if (const ProfileCatalogue* catalogue = Catalogue())
        catalogue->GetNames(names);
    // The pictures are in the catalogue's name order.
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        m_targetCombo.AddString(names[i].c_str());
        m_targetCombo.SetItemImage(i, i);
    }
    m_targetCombo.SetCurSel(0);
    RefillSizeAndQuality();
}

void MainDialog::SetUpFileList() {
    m_fileList.FixColumnOrder(1);
    m_fileList.FixColumnWidth(0);
    m_fileList.ShowStripeRow(1);
    const int columns = static_cast<int>(sizeof(kColumns) / sizeof(kColumns[0]));
    for (int i = 0; i < columns; ++i)
        m_fileList.InsertColumn(i, kColumns[i].heading, LVCFMT_LEFT, kColumns[i].width, -1);
    // The other columns may be widened by the user; the path column stays
    // hidden, so its divider cannot be dragged open.
    m_fileList.FixColumnWidth(FileListRows::PathColumn, 1);
    if (FillImageList(m_rowImages, 3, kRowBitmaps, sizeof(kRowBitmaps) / sizeof(kRowBitmaps[0])))
        m_fileList.SetImageList(&m_rowImages, LVSIL_SMALL);
}

void MainDialog::SetUpLabelsAndProgress() {
    m_fileProgress.SetRange32(0, 1000);
    m_lastProgress = 0;
    m_fileProgress.ShowWindow(SW_HIDE);
    m_fileProgressLabel.ShowWindow(SW_HIDE);

    PaintLabelsOnWindowBackground({&m_fileProgressLabel, &m_sizeLabel, &m_statusLine, &m_qualityLabel,
                                   &m_outputLabel, &m_convertToLabel});
    // Hovering the bar during a batch shows the time left for all its files.
    if (m_progressTip.Attach(&m_fileProgress) && m_progressTip.SetTool(m_progressTipText))
        m_progressTip.Tip()->SetMaxTipWidth(400);
}

void MainDialog::EnsureOutputFolder() {
    if (!::SetCurrentDirectoryW(m_outputFolder))
        ::CreateDirectoryW(m_outputFolder, nullptr);
}

bool MainDialog::ShowToolbarPicture(Tavrin::NeloButton& button, UINT bitmapId, int x, int y) {
    UiContext* context = UiContext::Current();
    HBITMAP bitmap = context ? context->Bitmaps().Get(bitmapId) : nullptr;
    if (!bitmap)
        return false;
    button.SetBitmap(bitmap, kTransparentColour);
    button.SetPicturePos(x, y);
    return true;
}

bool MainDialog::SwitchToolbarButton(Tavrin::NeloButton& button, bool enable, UINT enabledBitmap,
                                     UINT disabledBitmap, int x, int y) {
    const bool shown = ShowToolbarPicture(button, enable ? enabledBitmap : disabledBitmap, x, y);
    // Stopped rather than disabled: the button keeps its window enabled (and
    // its tooltip quiet) while it ignores the mouse.
    button.Stop(enable ? 0 : 1);
    return shown;
}

void MainDialog::SetMenuEntry(UINT commandId, const wchar_t* text, bool enable) {
    if (m_menuBar.GetSafeHmenu())
        m_menuBar.ModifyMenu(commandId, MF_BYCOMMAND | MF_STRING | (enable ? MF_ENABLED : MF_GRAYED),
                             commandId, text);
}

bool MainDialog::SetRemoveEnabled(bool enable) {
    m_removeEnabled = enable;
    const bool shown = SwitchToolbarButton(m_removeButton, enable, IDB_REMOVE, IDB_REMOVE_DISABLED,
                                           kRemovePicture.x, kRemovePicture.y);
    SetMenuEntry(ID_EDIT_REMOVE_SELECTED, L"Remove Selected File(s)", enable);
    SetMenuEntry(ID_EDIT_CLEAR_ALL, L"Clear All Files", enable);
    SetMenuEntry(ID_EDIT_CLEAR_CONVERTED, L"Clear All Converted Files", enable);
    return shown;
}

bool MainDialog::SetConvertEnabled(bool enable, bool keepOthers) {
    m_convertEnabled = enable;
    const bool shown = SwitchToolbarButton(m_convertButton, enable, IDB_CONVERT, IDB_CONVERT_DISABLED,
                                           kConvertPicture.x, kConvertPicture.y);
    SetMenuEntry(ID_FILE_CONVERT, L"Convert", enable);
    if (!keepOthers) {
        m_profileEnabled = enable;
        for (CWnd* control : std::initializer_list<CWnd*>{&m_targetCombo, &m_sizeCombo, &m_qualityCombo,
                                                          &m_outputEdit, &m_browseButton})
            if (control->GetSafeHwnd())
                control->EnableWindow(enable);
    }
    return shown;
}

bool MainDialog::SetStopEnabled(bool enable) {
    m_stopEnabled = enable;
    const bool shown = SwitchToolbarButton(m_stopButton, enable, IDB_STOP, IDB_STOP_DISABLED, kStopPicture.x,
                                           kStopPicture.y);
    SetMenuEntry(ID_FILE_STOP, L"Stop", enable);
    return shown;
}

void MainDialog::SetStatusText(const CString& text) {
    if (m_noticeShowing) {
        m_waitingStatus = text;
        m_hasWaitingStatus = true;
        return;
    }
    if (m_statusLine.GetSafeHwnd())
        m_statusLine.SetWindowText(text);
}

void MainDialog::ShowNotice(const CString& text) {
    if (m_noticeShowing) {
        m_notices.push_back(text);
        return;
    }
    if (m_statusLine.GetSafeHwnd())
        m_statusLine.SetWindowText(text);
    m_noticeShowing = true;
    SetTimer(kNoticeTimer, kNoticeMs, nullptr);
}

void MainDialog::OnNoticeTick() {
    if (!m_notices.empty()) {
        if (m_statusLine.GetSafeHwnd())
            m_statusLine.SetWindowText(m_notices.front());
        m_notices.pop_front();
        return;
    }
    KillTimer(kNoticeTimer);
    m_noticeShowing = false;
    // The last notice stays unless something else was said meanwhile.
    if (m_hasWaitingStatus) {
        m_hasWaitingStatus = false;
        SetStatusText(m_waitingStatus);
    }
}

void MainDialog::RefillSizeAndQuality() {
    UpdateData(TRUE);
    const ProfileCatalogue* catalogue = Catalogue();
    if (!catalogue)
        return;
    const std::wstring target = m_target.GetString();
    std::vector<std::wstring> sizes;
    catalogue->GetSizes(target, sizes);
    FillCombo(m_sizeCombo, sizes, catalogue->GetDefaultSize(target));
    std::vector<std::wstring> qualities;
    catalogue->GetQualities(target, qualities);
    FillCombo(m_qualityCombo, qualities, catalogue->GetDefaultQuality(target));
}

void MainDialog::OnTargetChanged() {
    RefillSizeAndQuality();
}

void MainDialog::ShowPostTaskChoice(int action) {
    if (!m_menuBar.GetSafeHmenu())
        return;
    for (int i = 0; i < static_cast<int>(sizeof(kPostTaskEntries) / sizeof(kPostTaskEntries[0])); ++i) {
        const PostTaskEntry& entry = kPostTaskEntries[i];
        m_menuBar.ModifyMenu(entry.command,
                             MF_BYCOMMAND | MF_STRING | (i == action ? MF_CHECKED : MF_UNCHECKED),
                             entry.command, entry.text);
    }
}

void MainDialog::OnPostTaskCommand(UINT nID) {
    const int action = static_cast<int>(nID - ID_POST_TASK_DO_NOTHING);
    if (UiContext* context = UiContext::Current())
        context->SetPostTaskAction(action);
    ShowPostTaskChoice(action);
}

void MainDialog::ShowAbout() {
    AboutDialog about;
    about.DoModal(0, 100);
}

void MainDialog::ShowSettings() {
    SettingsDialog settings;
    settings.DoModal(0, 100);
    // The menu's check marks follow a choice made in the dialog as well.
    if (UiContext* context = UiContext::Current())
        ShowPostTaskChoice(context->PostTaskAction());
}

void MainDialog::OnSettingsButton() {
    ShowSettings();
}

void MainDialog::OnMenuSettings() {
    SetTimer(kSettingsTimer, kDeferredDialogDelayMs, nullptr);
}

void MainDialog::OnMenuAbout() {
    SetTimer(kAboutTimer, kDeferredDialogDelayMs, nullptr);
}

void MainDialog::OnMenuFeedback() {
    ::ShellExecuteW(m_hWnd, L"open", kSupportPage, nullptr, nullptr, SW_SHOWNORMAL);
}

void MainDialog::OnMenuRunInBackground() {
    // Kept in the menu; it has no effect.
}

void MainDialog::OnTimer(UINT_PTR nIDEvent) {
    switch (nIDEvent) {
    case kAboutTimer:
        KillTimer(kAboutTimer);
        ShowAbout();
        break;
    case kSettingsTimer:
        KillTimer(kSettingsTimer);
        ShowSettings();
        break;
    case kAddFilesTimer:
        KillTimer(kAddFilesTimer);
        AddFile();
        break;
    case kProgressTimer:
        OnProgressTick();
        break;
    case kNoticeTimer:
        OnNoticeTick();
        break;
    default:
        NeloDialog::OnTimer(nIDEvent);
        break;
    }
}

void MainDialog::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX)
        ShowAbout();
    else
        NeloDialog::OnSysCommand(nID, lParam);
}

void MainDialog::OnPaint() {
    if (!IsIconic()) {
        NeloDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    CRect client;
    GetClientRect(&client);
    const int x = (client.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_icon);
}

HCURSOR MainDialog::OnQueryDragIcon() {
    return static_cast<HCURSOR>(m_icon);
}

void MainDialog::OnOK() {
    // Enter must not close the program: the window has no OK command.
}

void MainDialog::OnCancel() {
    StopForExit();
    NeloDialog::OnCancel();
}

void MainDialog::OnClose() {
    // The frame's close box ends the dialog without passing through
    // OnCancel, so the exit action runs here as well.
    StopForExit();
    NeloDialog::OnClose();
}

void MainDialog::OnMenuExit() {
    StopForExit();
    NeloDialog::OnCancel();
}

void MainDialog::StopForExit() {
    if (ConversionEngine* engine = ConversionEngine::Current())
        engine->Stop();
    m_batchRunning = false;
    KillTimer(kProgressTimer);
}

void MainDialog::OnDestroy() {
    // Messages the workers post from now on find no window and free their
    // strings themselves.
    if (UiContext* context = UiContext::Current())
        if (context->MainWindow() == m_hWnd)
            context->SetMainWindow(nullptr);
    // What they posted before will never be handled: free its strings.
    MSG waiting;
    while (::PeekMessageW(&waiting, m_hWnd, WM_PROBE_FINISHED, WM_CONVERT_STOPPED, PM_REMOVE))
        FreePostedStrings(waiting);
    m_batchRunning = false;
    KillTimer(kProgressTimer);
    KillTimer(kAboutTimer);
    KillTimer(kAddFilesTimer);
    KillTimer(kSettingsTimer);
    KillTimer(kNoticeTimer);
    NeloDialog::OnDestroy();
}

// The main window: a skinned frame with the toolbar, the file list, the
// profile controls (target, size, quality, output folder), the status line
// and the per-file progress, the menu bar and the system menu's About entry.
//
// Every control is skinned.
#pragma once

#include "FileListRows.h"
#include "TimeLeft.h"

#include <Tavrin.h>

#include <afxcmn.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

class ConversionEngine;

class MainDialog : public Tavrin::NeloDialog {
public:
    MainDialog();
    ~MainDialog() override;

    // The enable switches keep the toolbar, the menu and the profile
    // controls consistent. A disabled toolbar button stays a live window but
    // is stopped (ignores the mouse) and shows its faded picture; command
    // handlers check IsRemoveEnabled and friends, so a disabled command does
    // nothing however it is reached. False when the button's picture could
    // not be loaded (the state is switched all the same).
    bool SetRemoveEnabled(bool enable);
    // keepOthers leaves the profile controls (target, size and quality lists,
    // output folder and Browse) as they are.
    bool SetConvertEnabled(bool enable, bool keepOthers);
    bool SetStopEnabled(bool enable);
    bool IsRemoveEnabled() const { return m_removeEnabled; }
    bool IsConvertEnabled() const { return m_convertEnabled; }
    bool IsStopEnabled() const { return m_stopEnabled; }
    // The target, size and quality lists, the output folder and Browse.
    bool IsProfileEnabled() const { return m_profileEnabled; }
    // From a successful start of a batch until Stop, Exit or the tick that
    // finds the worker ended.
    bool IsBatchRunning() const { return m_batchRunning; }

    // The status line's text. While notices are being shown it waits, and
    // appears when the last notice has had its time.
    void SetStatusText(const CString& text);
    // A notice (a file refused, say) in the status line: shown at once, or
    // after the notices before it, each for kNoticeMs, so that several
    // arriving together are all seen, one after another.
    void ShowNotice(const CString& text);

    // Adds files as the open-file dialog and a drop do: each is probed and
    // listed as if added alone; one already listed (or on its way) is
    // refused with a notice.
    void AddFiles(const std::vector<std::wstring>& paths);

    // The parameters of a batch read from the window; false (and nothing to
    // convert) when the target, a file not yet converted, the size or the
    // quality is missing.
    struct BatchRequest {
        std::wstring target;
        std::wstring outputFolder;
        std::vector<std::wstring> files;
        std::wstring quality;
        std::wstring size;
    };
    bool CollectBatch(BatchRequest& batch);

    // The menu whose entries the switches and the post-task commands rewrite.
    Tavrin::NeloMenu& MenuBar() { return m_menuBar; }

protected:
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnDestroy();
    afx_msg void OnClose();
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnSettingsButton();
    afx_msg void OnMenuSettings();
    afx_msg void OnMenuAbout();
    afx_msg void OnMenuExit();
    afx_msg void OnMenuFeedback();
    afx_msg void OnMenuRunInBackground();
    afx_msg void OnPostTaskCommand(UINT nID);
    afx_msg void OnTargetChanged();
    afx_msg void OnAddButton();
    afx_msg void OnMenuAddFiles();
    afx_msg void OnRemove();
    afx_msg void OnClearAll();
    afx_msg void OnClearConverted();
    afx_msg void OnOpenOutputFolder();
    afx_msg void OnBrowse();
    afx_msg void OnConvertButton();
    afx_msg void OnMenuConvert();
    afx_msg void OnStopButton();
    afx_msg void OnMenuStop();
    afx_msg void OnFileListItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnProbeFinished(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnConvertStarted(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnConvertFinished(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnConvertFailed(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnConvertStopped(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnBatchSucceeded(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // Polls the progress while a batch runs.
    static constexpr UINT_PTR kProgressTimer = 1000;
    static constexpr UINT kProgressPeriodMs = 500;
    // The dialogs chosen from the menu open from these one-shot timers, so
    // that the menu has closed before their modal loop runs.
    static constexpr UINT_PTR kAboutTimer = 2000;
    static constexpr UINT_PTR kAddFilesTimer = 3000;
    static constexpr UINT_PTR kSettingsTimer = 4000;
    static constexpr UINT kDeferredDialogDelayMs = 100;
    // Each notice holds the status line this long.
    static constexpr UINT_PTR kNoticeTimer = 5000;
    static constexpr UINT kNoticeMs = 1500;

    void AddAboutToSystemMenu();
    void RegisterEngineCallbacks();
    void SetUpMenuBar();
    bool SetUpToolbar();
    void SetUpOutputFolderEdit();
    void SetUpProfileControls();
    void SetUpFileList();
    void SetUpLabelsAndProgress();
    void EnsureOutputFolder();

    bool ShowToolbarPicture(Tavrin::NeloButton& button, UINT bitmapId, int x, int y);
    bool SwitchToolbarButton(Tavrin::NeloButton& button, bool enable, UINT enabledBitmap, UINT disabledBitmap,
                             int x, int y);
    void SetMenuEntry(UINT commandId, const wchar_t* text, bool enable);
    void RefillSizeAndQuality();
    void ShowPostTaskChoice(int action);
    void ShowAbout();
    void ShowSettings();
    // The exit action before the dialog ends: Stop and no more progress ticks.
    void StopForExit();

    // The file list (MainDialogFiles.cpp).
    void AddFile();
    void AddFileRow(const CString& path, const CString& duration);
    // After rows went: an empty list switches Remove, Convert and Stop off.
    void ShowRemainingRows();
    bool OutputFolderUsable(const std::wstring& folder);

    // The batch (MainDialogBatch.cpp).
    void StartBatch(bool markFirstStarted);
    void ShowBatchNotStarted(const CString& text);
    void StopBatch();
    void OnProgressTick();
    void EndBatchDisplay(ConversionEngine& engine);
    void ShowFileStarted(int row);
    // Handles the engine messages already waiting, so that the end of a
    // batch is shown after everything its worker reported.
    void HandleWaitingEngineMessages();
    void ShowProgressParts(bool batchRunning);
    // The per-file label with the file's time left, and the bar's tip with
    // the batch's, at each tick.
    void ShowTimeLeft(const ConversionEngine& engine, int progress);
    CString BatchTimeLeftText(const ConversionEngine& engine, int progress);
    void SetProgressTip(const CString& text);
    // After a batch that converted every file: the countdown, then the
    // post-task action unless cancelled.
    void RunPostTaskCountdown(int action);
    void OnNoticeTick();

    HICON m_icon;

    // Painted along the top of the client area (SetMenuBar); the switches
    // and the post-task commands rewrite its entries, and the bar shows them
    // at its next paint.
    Tavrin::NeloMenu m_menuBar;

    Tavrin::NeloButton m_addButton;
    Tavrin::NeloButton m_removeButton;
    Tavrin::NeloButton m_convertButton;
    Tavrin::NeloButton m_stopButton;
    Tavrin::NeloButton m_settingsButton;
    Tavrin::NeloButton m_browseButton;
    Tavrin::NeloButton m_openButton;
    Tavrin::NeloGroupBox m_profileGroup;
    Tavrin::NeloStatic m_convertToLabel;
    Tavrin::NeloStatic m_sizeLabel;
    Tavrin::NeloStatic m_qualityLabel;
    Tavrin::NeloStatic m_outputLabel;
    Tavrin::NeloStatic m_statusLine;
    Tavrin::NeloStatic m_fileProgressLabel;
    Tavrin::NeloProgressCtrl m_fileProgress;
    // The progress bar's tip: the time left for the whole batch.
    Tavrin::ToolTipHost m_progressTip;
    CString m_progressTipText;

    // Shared with the target list and the file list, so declared before them:
    // they outlive both.
    CImageList m_targetImages;
    CImageList m_rowImages;

    // Each target shows its picture from m_targetImages.
    Tavrin::NeloComboBox m_targetCombo;
    Tavrin::NeloComboBox m_sizeCombo;
    Tavrin::NeloComboBox m_qualityCombo;
    Tavrin::NeloEdit m_outputEdit;
    // Striped rows, columns in a fixed order, the hidden path column never
    // widened; the row pictures come from m_rowImages.
    Tavrin::NeloListCtrl m_fileList;
    FileListRows m_rows;

    int m_lastProgress;
    bool m_removeEnabled;
    bool m_convertEnabled;
    bool m_stopEnabled;
    bool m_profileEnabled;
    bool m_batchRunning;
    // Files handed to the probe and not yet back: adding one again is
    // refused like adding a listed file.
    std::set<std::wstring> m_probing;

    // Notices waiting for the status line, and the text to show after them.
    std::deque<CString> m_notices;
    bool m_noticeShowing;
    bool m_hasWaitingStatus;
    CString m_waitingStatus;

    // The files of the running batch in order, the time left of the file
    // being converted, and the encoder's last known pace (wall seconds per
    // second of film) for the files not yet started.
    std::vector<std::wstring> m_batchFiles;
    FileTimeLeft m_fileTimeLeft;
    double m_lastPace;
    // A batch converted every file: the countdown comes once its end is shown.
    int m_pendingPostTask;

    // Exchanged with the controls.
    CString m_outputFolder;
    CString m_target;
    CString m_size;
    CString m_quality;
};

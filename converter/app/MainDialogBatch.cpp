// The main window's side of a batch: collecting it, starting and stopping
// it, and showing its progress from the engine's messages and the timer.
#include "MainDialog.h"

#include "PostTaskAction.h"
#include "ShutdownCountdownDialog.h"
#include "UiContext.h"
#include "resource.h"

#include <ConversionEngine.h>

#include <algorithm>

namespace {

const wchar_t kConvertWrong[] = L"Convert file(s) wrong, please retry.";
const wchar_t kConvertSuccessful[] = L"Convert successful.";

// How long a Convert waits for a stopped batch's worker to finish winding
// down (its encoder has been ended; it only writes its log).
constexpr DWORD kWindDownMs = 10000;

const ProfileCatalogue* Catalogue() {
    AppContext* context = AppContext::Current();
    return context ? context->Catalogue() : nullptr;
}

// The entry at a combo box's selection, empty when out of range.
std::wstring EntryAt(const std::vector<std::wstring>& entries, int index) {
    return index >= 0 && index < static_cast<int>(entries.size()) ? entries[index] : std::wstring();
}

// The end of a batch that did not convert every file: how many failed of
// how many, and why the first one failed.
CString BatchWrongText(const BatchOutcome& outcome) {
    CString text = kConvertWrong;
    if (outcome.Failed > 0) {
        CString count;
        count.Format(L" (%d of %d failed)", outcome.Failed, outcome.Files);
        text += count;
    }
    if (!outcome.FirstFailure.empty())
        text += CString(L" ") + outcome.FirstFailure.c_str();
    return text;
}

const wchar_t kBatchTimeLeft[] = L"Time left for all files: ";
const wchar_t kBatchTimeUnknown[] = L"Time left for all files: not known yet";

} // namespace

bool MainDialog::CollectBatch(BatchRequest& batch) {
    batch = BatchRequest();
    UpdateData(TRUE);
    const ProfileCatalogue* catalogue = Catalogue();
    if (!catalogue)
        return false;
    std::vector<std::wstring> names;
    catalogue->GetNames(names);
    batch.target = EntryAt(names, m_targetCombo.GetCurSel());
    if (batch.target.empty())
        return false;
    batch.outputFolder = m_outputFolder.GetString();
    for (const CString& path : m_rows.PathsToConvert())
        batch.files.push_back(path.GetString());
    if (batch.files.empty())
        return false;
    std::vector<std::wstring> qualities;
    catalogue->GetQualities(batch.target, qualities);
    batch.quality = EntryAt(qualities, m_qualityCombo.GetCurSel());
    if (batch.quality.empty())
        return false;
    std::vector<std::wstring> sizes;
    catalogue->GetSizes(batch.target, sizes);
    batch.size = EntryAt(sizes, m_sizeCombo.GetCurSel());
    return !batch.size.empty();
}

void MainDialog::OnConvertButton() {
    StartBatch(false);
}

void MainDialog::OnMenuConvert() {
    StartBatch(true);
}

void MainDialog::StartBatch(bool markFirstStarted) {
    if (!m_convertEnabled || m_batchRunning)
        return;
    BatchRequest batch;
    const bool collected = CollectBatch(batch);
    if (collected && !OutputFolderUsable(batch.outputFolder))
        return;
    ConversionEngine* engine = ConversionEngine::Current();
    bool started = false;
    if (collected && engine) {
        // A batch stopped a moment ago may still be winding down; the engine
        // would take the new one for it and start nothing.
        if (engine->IsConverting())
            engine->WaitForConversion(kWindDownMs);
        started =
            !engine->IsConverting() &&
            engine->StartConversion(batch.target, batch.files, batch.outputFolder, batch.quality, batch.size);
    }
    if (!started) {
        ShowBatchNotStarted(kConvertWrong);
        return;
    }
    m_batchRunning = true;
    m_pendingPostTask = PostTaskDoNothing;
    m_batchFiles = batch.files;
    m_fileTimeLeft = FileTimeLeft();
    m_lastPace = 0.0;
    SetProgressTip(kBatchTimeUnknown);
    SetStopEnabled(true);
    SetConvertEnabled(false, false);
    SetRemoveEnabled(false);
    m_fileProgress.SetPos(0);
    m_fileProgressLabel.SetWindowText(kStartPercent);
    ShowProgressParts(true);
    SetTimer(kProgressTimer, kProgressPeriodMs, nullptr);
    if (markFirstStarted)
        ShowFileStarted(m_rows.Find(batch.files.front().c_str()));
}

void MainDialog::ShowBatchNotStarted(const CString& text) {
    KillTimer(kProgressTimer);
    SetStopEnabled(false);
    SetConvertEnabled(true, false);
    SetRemoveEnabled(true);
    SetStatusText(text);
    ShowProgressParts(false);
}

void MainDialog::ShowProgressParts(bool batchRunning) {
    // The status line and the progress bar share one place.
    m_statusLine.ShowWindow(batchRunning ? SW_HIDE : SW_SHOW);
    m_fileProgressLabel.ShowWindow(batchRunning ? SW_SHOW : SW_HIDE);
    m_fileProgress.ShowWindow(batchRunning ? SW_SHOW : SW_HIDE);
}

void MainDialog::OnStopButton() {
    StopBatch();
}

void MainDialog::OnMenuStop() {
    StopBatch();
}

void MainDialog::StopBatch() {
    if (!m_stopEnabled)
        return;
    ConversionEngine* engine = ConversionEngine::Current();
    const std::wstring current = engine ? engine->GetCurrentInput() : std::wstring();
    if (engine)
        engine->Stop();
    // No tick may take the stopped worker's end for the end of a batch.
    m_batchRunning = false;
    KillTimer(kProgressTimer);
    ShowProgressParts(false);
    SetConvertEnabled(true, false);
    SetRemoveEnabled(true);
    SetStopEnabled(false);
    const int row = m_rows.Find(current.c_str());
    if (row >= 0 && m_rows.ImageOf(row) == FileListRows::ConvertingImage) {
        m_rows.SetPercent(row, kStartPercent);
        m_rows.SetImage(row, FileListRows::WaitingImage);
    }
}

void MainDialog::OnProgressTick() {
    ConversionEngine* engine = ConversionEngine::Current();
    if (!m_batchRunning || !engine) {
        KillTimer(kProgressTimer);
        return;
    }
    if (!engine->IsConverting()) {
        EndBatchDisplay(*engine);
        return;
    }
    const int progress = engine->GetProgress();
    if (m_fileTimeLeft.Started())
        m_fileTimeLeft.Update(progress, ::GetTickCount64());
    // The label keeps its text until the progress moves or a time left is
    // known, as it did before times were shown.
    if (progress != m_lastProgress || m_fileTimeLeft.HasEstimate())
        ShowTimeLeft(*engine, progress);
    else
        SetProgressTip(BatchTimeLeftText(*engine, progress));
    if (progress == m_lastProgress)
        return;
    m_lastProgress = progress;
    m_fileProgress.SetPos(progress);
    const CString text = PercentText(progress);
    // Only the row being converted follows the progress: a finished, failed
    // or stopped row keeps what its message put there.
    const int row = m_rows.Find(engine->GetCurrentInput().c_str());
    if (row >= 0 && m_rows.ImageOf(row) == FileListRows::ConvertingImage)
        m_rows.SetPercent(row, text);
}

void MainDialog::ShowTimeLeft(const ConversionEngine& engine, int progress) {
    CString label = L"Completed: " + PercentText(progress);
    if (m_fileTimeLeft.HasEstimate())
        label += L" (" + TimeLeftText(m_fileTimeLeft.SecondsLeft()) + L" left)";
    CString shown;
    m_fileProgressLabel.GetWindowText(shown);
    // Set only when it changed: every setting repaints the label.
    if (shown != label)
        m_fileProgressLabel.SetWindowText(label);
    SetProgressTip(BatchTimeLeftText(engine, progress));
}

CString MainDialog::BatchTimeLeftText(const ConversionEngine& engine, int progress) {
    // The pace of the file being converted, else of the file before it.
    const long long duration = engine.GetDurationSeconds();
    const double pace = m_fileTimeLeft.WallPerMediaSecond(duration);
    if (pace > 0)
        m_lastPace = pace;
    double seconds;
    if (m_fileTimeLeft.HasEstimate())
        seconds = m_fileTimeLeft.SecondsLeft();
    else if (m_lastPace > 0 && duration > 0)
        seconds = duration * (1000 - progress) / 1000.0 * m_lastPace;
    else
        return kBatchTimeUnknown;
    // The files after the current one that still wait, at that pace.
    const std::wstring current = engine.GetCurrentInput();
    auto it = std::find(m_batchFiles.begin(), m_batchFiles.end(), current);
    if (it == m_batchFiles.end())
        return kBatchTimeUnknown;
    for (++it; it != m_batchFiles.end(); ++it) {
        const int row = m_rows.Find(it->c_str());
        if (row < 0 || m_rows.ImageOf(row) != FileListRows::WaitingImage)
            continue;
        const long long later = DurationTextSeconds(m_rows.Duration(row));
        if (later < 0)
            return kBatchTimeUnknown;
        seconds += later * m_lastPace;
    }
    return kBatchTimeLeft + TimeLeftText(seconds);
}

void MainDialog::SetProgressTip(const CString& text) {
    if (text == m_progressTipText)
        return;
    m_progressTipText = text;
    if (m_progressTip.IsReady())
        m_progressTip.Tip()->UpdateTipText(text, &m_fileProgress);
}

void MainDialog::EndBatchDisplay(ConversionEngine& engine) {
    KillTimer(kProgressTimer);
    // The worker has ended, so everything it reported is in the queue; it is
    // handled as part of the batch (a countdown asked for waits for the end
    // to be shown).
    HandleWaitingEngineMessages();
    m_batchRunning = false;
    ShowProgressParts(false);
    m_fileTimeLeft = FileTimeLeft();
    SetProgressTip(kBatchTimeUnknown);
    if (engine.LastBatchSucceeded())
        SetStatusText(kConvertSuccessful);
    else
        SetStatusText(BatchWrongText(engine.GetBatchOutcome()));
    // Files left to convert (a failed one, or one added during the batch)
    // can be converted again at once; a list all converted waits for a new
    // file.
    const bool more = m_rows.HasRowsToConvert();
    SetConvertEnabled(more, false);
    SetRemoveEnabled(more);
    SetStopEnabled(false);
    // The window shows the batch's end before it counts down.
    const int action = m_pendingPostTask;
    m_pendingPostTask = PostTaskDoNothing;
    if (action != PostTaskDoNothing && engine.LastBatchSucceeded())
        RunPostTaskCountdown(action);
}

LRESULT MainDialog::OnBatchSucceeded(WPARAM wParam, LPARAM) {
    const int action = static_cast<int>(wParam);
    if (action != PostTaskShutDown && action != PostTaskLogOff)
        return 0;
    // During a batch the countdown waits for the tick that shows its end;
    // otherwise (the batch was stopped in the moment it completed, too late
    // to count as stopped) it comes at once.
    if (m_batchRunning)
        m_pendingPostTask = action;
    else
        RunPostTaskCountdown(action);
    return 0;
}

void MainDialog::RunPostTaskCountdown(int action) {
    ShutdownCountdownDialog countdown(action, CountdownSeconds());
    countdown.DoModal(0, 100);
    // Cancelled: the window stays as the batch left it.
    if (countdown.ActionConfirmed())
        RunPostTaskAction(action);
}

void MainDialog::HandleWaitingEngineMessages() {
    MSG waiting;
    while (::PeekMessageW(&waiting, m_hWnd, WM_PROBE_FINISHED, WM_BATCH_SUCCEEDED, PM_REMOVE))
        ::DispatchMessageW(&waiting);
}

void MainDialog::ShowFileStarted(int row) {
    if (row < 0)
        return;
    m_fileTimeLeft.Start(::GetTickCount64());
    m_rows.SetImage(row, FileListRows::ConvertingImage);
    m_lastProgress = 0;
    m_fileProgress.SetPos(0);
    m_fileProgressLabel.SetWindowText(kStartPercent);
    m_rows.SetPercent(row, kStartPercent);
}

LRESULT MainDialog::OnConvertStarted(WPARAM wParam, LPARAM lParam) {
    const PostedPath path(wParam);
    const PostedPath detail(static_cast<WPARAM>(lParam));
    ShowFileStarted(m_rows.Find(path.Text()));
    return 0;
}

LRESULT MainDialog::OnConvertFinished(WPARAM wParam, LPARAM lParam) {
    const PostedPath path(wParam);
    const PostedPath detail(static_cast<WPARAM>(lParam));
    const int row = m_rows.Find(path.Text());
    if (row < 0)
        return 0;
    m_rows.SetImage(row, FileListRows::ConvertedImage);
    m_fileTimeLeft = FileTimeLeft();
    m_lastProgress = 1000;
    m_fileProgress.SetPos(1000);
    m_fileProgressLabel.SetWindowText(CString(L"Completed: ") + kConvertedPercent);
    m_rows.SetPercent(row, kConvertedPercent);
    return 0;
}

LRESULT MainDialog::OnConvertFailed(WPARAM wParam, LPARAM lParam) {
    const PostedPath path(wParam);
    const PostedPath reason(static_cast<WPARAM>(lParam));
    // The row stays and takes part in the next batch.
    m_fileTimeLeft = FileTimeLeft();
    const int row = m_rows.Find(path.Text());
    if (row < 0)
        return 0;
    m_rows.SetImage(row, FileListRows::WaitingImage);
    m_rows.SetPercent(row, kFailedPercent);
    return 0;
}

LRESULT MainDialog::OnConvertStopped(WPARAM wParam, LPARAM lParam) {
    const PostedPath path(wParam);
    const PostedPath detail(static_cast<WPARAM>(lParam));
    // A batch started since (Stop, then Convert at once) keeps its ticks.
    if (!m_batchRunning)
        KillTimer(kProgressTimer);
    const int row = m_rows.Find(path.Text());
    if (row < 0)
        return 0;
    m_rows.SetPercent(row, kStartPercent);
    m_rows.SetImage(row, FileListRows::WaitingImage);
    return 0;
}

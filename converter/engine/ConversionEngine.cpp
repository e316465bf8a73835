#include "ConversionEngine.h"

#include "CommandLine.h"

#include <shlobj.h>

#include <exception>
#include <mutex>

namespace {
std::mutex g_instanceMutex;
ConversionEngine* g_instance = nullptr;

bool AnyEmpty(const std::vector<std::wstring>& files) {
    for (const std::wstring& file : files) {
        if (file.empty())
            return true;
    }
    return false;
}

// Quorvex's folder in the user's local application data, made when missing;
// empty when there is none.
std::wstring LocalLogFolder() {
    wchar_t folder[MAX_PATH];
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                                folder)))
        return std::wstring();
    std::wstring path = std::wstring(folder) + L"\\Quorvex";
    if (!CreateDirectoryW(path.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return std::wstring();
    return path + L"\\";
}
} // namespace

ConversionEngine::ConversionEngine()
    : m_conversionRunner(*this, EncoderRunner::Mode::Conversion),
      m_probeRunner(*this, EncoderRunner::Mode::Probe) {
    InitializeCriticalSection(&m_lock);
}

ConversionEngine::~ConversionEngine() {
    {
        Lock lock(*this);
        m_shuttingDown = true;
        m_converting = false;
        m_probeQueue.clear();
        m_conversionRunner.Terminate(4);
        m_probeRunner.Terminate(4);
    }
    // The workers see the flags when their encoders end and start nothing more.
    for (HANDLE* thread : {&m_conversionThread, &m_probeThread}) {
        if (*thread) {
            WaitForSingleObject(*thread, INFINITE);
            CloseHandle(*thread);
            *thread = nullptr;
        }
    }
    DeleteCriticalSection(&m_lock);
}

ConversionEngine& ConversionEngine::Instance() {
    std::lock_guard<std::mutex> guard(g_instanceMutex);
    if (!g_instance)
        g_instance = new ConversionEngine();
    return *g_instance;
}

ConversionEngine* ConversionEngine::Current() {
    std::lock_guard<std::mutex> guard(g_instanceMutex);
    return g_instance;
}

void ConversionEngine::DestroyInstance() {
    ConversionEngine* doomed = nullptr;
    {
        std::lock_guard<std::mutex> guard(g_instanceMutex);
        doomed = g_instance;
        g_instance = nullptr;
    }
    delete doomed;
}

void ConversionEngine::SetCallbacks(const EngineCallbacks& callbacks) {
    SetOnProbeFinished(callbacks.OnProbeFinished);
    SetOnFileStarted(callbacks.OnFileStarted);
    SetOnFileFinished(callbacks.OnFileFinished);
    SetOnFileStopped(callbacks.OnFileStopped);
    SetOnBatchFinished(callbacks.OnBatchFinished);
    SetOnFileFailed(callbacks.OnFileFailed);
}

#define QUORVEX_SLOT_SETTER(Name, Type)                                                                      \
    void ConversionEngine::Set##Name(Type callback) {                                                        \
        if (!callback)                                                                                       \
            return;                                                                                          \
        Lock lock(*this);                                                                                    \
        m_callbacks.Name = std::move(callback);                                                              \
    }
QUORVEX_SLOT_SETTER(OnProbeFinished, EngineCallbacks::PathCallback)
QUORVEX_SLOT_SETTER(OnFileStarted, EngineCallbacks::PathCallback)
QUORVEX_SLOT_SETTER(OnFileFinished, EngineCallbacks::PathCallback)
QUORVEX_SLOT_SETTER(OnFileStopped, EngineCallbacks::PathCallback)
QUORVEX_SLOT_SETTER(OnBatchFinished, std::function<void()>)
QUORVEX_SLOT_SETTER(OnFileFailed, EngineCallbacks::PathCallback)
#undef QUORVEX_SLOT_SETTER

void ConversionEngine::Notify(EngineCallbacks::PathCallback EngineCallbacks::*slot, const std::wstring& path,
                              const std::wstring& detail) {
    EngineCallbacks::PathCallback callback;
    {
        Lock lock(*this);
        callback = m_callbacks.*slot;
    }
    if (callback)
        callback(path, detail);
}

void ConversionEngine::NotifyBatchFinished() {
    std::function<void()> callback;
    {
        Lock lock(*this);
        callback = m_callbacks.OnBatchFinished;
    }
    if (callback)
        callback();
}

bool ConversionEngine::JoinFinishedWorker(HANDLE& thread, DWORD threadId) {
    if (!thread)
        return true;
    // A callback that starts work from the worker itself must not wait for
    // its own thread.
    if (threadId == GetCurrentThreadId())
        return false;
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    thread = nullptr;
    return true;
}

bool ConversionEngine::StartConversion(const std::wstring& target, const std::vector<std::wstring>& files,
                                       const std::wstring& outputFolder, const std::wstring& quality,
                                       const std::wstring& size) {
    AppContext* context = AppContext::Current();
    if (!context || !context->Settings())
        return false;
    {
        Lock lock(*this);
        if (m_converting)
            return true;
        if (m_shuttingDown)
            return false;
    }
    // A stopped batch may still be winding down (writing its log); the new
    // one starts after it, so the two never share the conversion runner.
    if (!JoinFinishedWorker(m_conversionThread, m_conversionThreadId))
        return false;

    JobSettings& settings = *context->Settings();
    if (target.empty())
        return false;
    settings.Target = target;
    if (files.empty() || AnyEmpty(files))
        return false;
    settings.ConvertFiles = files;
    if (outputFolder.empty())
        return false;
    settings.OutputFolder = outputFolder;
    if (quality.empty())
        return false;
    settings.Quality = quality;
    if (size.empty())
        return false;
    settings.Size = size;

    m_logFolder = context->ProgramFolder();
    PrepareBatch(files, outputFolder, target, quality, size);

    Lock lock(*this);
    m_converting = true;
    m_lastBatchSucceeded = false;
    m_batchComplete = false;
    m_batchLogged = false;
    m_reports.clear();
    for (const BatchItem& item : m_batch) {
        FileReport report;
        report.InputPath = item.InputPath;
        report.OutputPath = item.OutputPath;
        report.Message = item.Note;
        m_reports.push_back(report);
    }
    m_conversionThread =
        CreateThread(nullptr, 0, &ConversionEngine::ConversionThread, this, 0, &m_conversionThreadId);
    if (!m_conversionThread) {
        m_converting = false;
        return false;
    }
    return true;
}

void ConversionEngine::PrepareBatch(const std::vector<std::wstring>& files, const std::wstring& outputFolder,
                                    const std::wstring& target, const std::wstring& quality,
                                    const std::wstring& size) {
    // Commands are built now, so the worker needs nothing from the
    // AppContext; a file that cannot be converted fails when reached.
    AppContext* context = AppContext::Current();
    const ProfileCatalogue* catalogue = context->Catalogue();
    const std::wstring encoderPath = context->EncoderPath();
    const std::wstring arguments =
        catalogue ? catalogue->GetArguments(target, quality, size) : std::wstring();
    const std::wstring extension =
        catalogue ? catalogue->GetExtension(target, quality, size) : std::wstring();

    std::vector<FileKey> inputs;
    for (const std::wstring& file : files)
        inputs.push_back(FileKeyOf(file));
    auto isInput = [&](const FileKey& key) {
        for (const FileKey& input : inputs) {
            if (IsSameFile(key, input))
                return true;
        }
        return false;
    };
    std::vector<FileKey> outputs; // the outputs of earlier files of this batch
    auto isEarlierOutput = [&](const FileKey& key) {
        for (const FileKey& output : outputs) {
            if (IsSameFile(key, output))
                return true;
        }
        return false;
    };

    m_batch.clear();
    for (const std::wstring& file : files) {
        BatchItem item;
        item.InputPath = file;
        m_batch.push_back(item);
        BatchItem& added = m_batch.back();
        if (encoderPath.empty()) {
            added.Failure = L"The program's folder cannot be read, so the encoder cannot be found.";
            continue;
        }
        if (arguments.empty() || extension.empty()) {
            added.Failure = L"The target \"" + target + L"\" has no settings for quality \"" + quality +
                            L"\" and size \"" + size + L"\".";
            continue;
        }
        std::wstring output;
        if (!BuildOutputPath(file, outputFolder, extension, output)) {
            added.Failure = L"No output name can be made for a file without a folder or an extension.";
            continue;
        }
        FileKey key = FileKeyOf(output);
        // The encoder overwrites its output without asking: never let it be
        // the user's own source, this file's or another one's of the batch.
        if (isInput(key)) {
            added.OutputPath = output;
            added.Failure = L"The output \"" + output +
                            L"\" would overwrite an input file of this batch; choose another output folder.";
            continue;
        }
        if (isEarlierOutput(key)) {
            std::wstring taken = output;
            for (int number = 2;; ++number) {
                output = NumberedOutputPath(taken, number);
                key = FileKeyOf(output);
                if (!isInput(key) && !isEarlierOutput(key))
                    break;
            }
            added.Note = L"Another file of this batch is converted to \"" + taken +
                         L"\", so this one is saved as \"" + output + L"\".";
        }
        outputs.push_back(key);
        added.OutputPath = output;
        added.Command = ConversionCommand(encoderPath, file, arguments, output);
    }
}

DWORD WINAPI ConversionEngine::ConversionThread(void* parameter) {
    static_cast<ConversionEngine*>(parameter)->RunBatch();
    return 0;
}

namespace {

std::wstring Widen(const char* text) {
    std::wstring wide;
    for (; text && *text; ++text)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(*text));
    return wide;
}

} // namespace

void ConversionEngine::RunBatch() {
    // Nothing may escape the worker: an exception (a callback that throws,
    // memory running out) fails the file at hand and ends the batch cleanly.
    std::wstring failure;
    try {
        ConvertAll();
    } catch (const std::exception& error) {
        failure = L"The conversion ended on an internal error: " + Widen(error.what());
    } catch (...) {
        failure = L"The conversion ended on an internal error.";
    }
    if (!failure.empty()) {
        try {
            size_t index = m_batch.size();
            {
                Lock lock(*this);
                for (size_t i = 0; i < m_reports.size(); ++i) {
                    if (m_reports[i].Result == FileReport::State::Converting)
                        index = i;
                }
            }
            if (index < m_batch.size())
                EndFile(index, FileReport::State::Failed, failure);
        } catch (...) {
            // Reporting failed as well; the batch still ends below.
        }
    }
    Lock lock(*this);
    m_converting = false;
}

bool ConversionEngine::ConvertAll() {
    {
        Lock lock(*this);
        m_progress = 0;
        m_durationSeconds = 0;
        m_conversionRunner.ResetOutput();
    }
    // A file that fails is reported and the batch goes on with the next
    // one; only Stop (or the engine going away) ends it early.
    for (size_t index = 0; index < m_batch.size(); ++index) {
        if (!ConvertOne(index))
            return false;
    }
    {
        // A Stop while the last file wound down (its encoder had already
        // ended) still keeps the batch from counting as converted; a Stop
        // from here on comes too late and changes nothing.
        Lock lock(*this);
        if (!m_converting || m_shuttingDown)
            return false;
        for (const FileReport& report : m_reports) {
            if (report.Result != FileReport::State::Finished)
                return false;
        }
        m_lastBatchSucceeded = true;
        m_batchComplete = true;
    }
    NotifyBatchFinished();
    return true;
}

bool ConversionEngine::ConvertOne(size_t index) {
    const BatchItem& item = m_batch[index];
    {
        // A Stop between two files starts no further encoder.
        Lock lock(*this);
        if (!m_converting || m_shuttingDown)
            return false;
        m_currentInput = item.InputPath;
        m_progress = 0;
        m_durationSeconds = 0;
        m_reports[index].Result = FileReport::State::Converting;
    }
    if (item.Command.empty()) {
        EndFile(index, FileReport::State::Failed, item.Failure);
        return true;
    }
    Notify(&EngineCallbacks::OnFileStarted, item.InputPath, item.OutputPath);
    std::wstring failure;
    switch (m_conversionRunner.RunConversion(item.Command, item.OutputPath, failure)) {
    case EncoderRunner::Outcome::Finished:
        EndFile(index, FileReport::State::Finished, std::wstring());
        return true;
    case EncoderRunner::Outcome::Stopped:
        EndFile(index, FileReport::State::Stopped, std::wstring());
        return false;
    case EncoderRunner::Outcome::Failed:
        break;
    }
    EndFile(index, FileReport::State::Failed, failure);
    return true;
}

void ConversionEngine::EndFile(size_t index, FileReport::State state, const std::wstring& message) {
    const BatchItem& item = m_batch[index];
    {
        Lock lock(*this);
        FileReport& report = m_reports[index];
        if (report.Result != FileReport::State::Converting)
            return;
        report.Result = state;
        if (!message.empty())
            report.Message = message;
    }
    if (state != FileReport::State::Finished)
        WriteLog(item, message);
    switch (state) {
    case FileReport::State::Finished:
        Notify(&EngineCallbacks::OnFileFinished, item.InputPath, item.OutputPath);
        break;
    case FileReport::State::Stopped:
        Notify(&EngineCallbacks::OnFileStopped, item.InputPath, item.OutputPath);
        break;
    default:
        Notify(&EngineCallbacks::OnFileFailed, item.InputPath, message);
        break;
    }
}

void ConversionEngine::WriteLog(const BatchItem& item, const std::wstring& failure) {
    std::vector<std::wstring> lines;
    if (!item.Note.empty())
        lines.push_back(L"Quorvex: " + item.Note);
    std::vector<std::wstring> encoderLines = m_conversionRunner.Lines();
    lines.insert(lines.end(), encoderLines.begin(), encoderLines.end());
    if (!failure.empty())
        lines.push_back(L"Quorvex: " + failure);
    if (m_logFolder.empty())
        return;
    // The batch goes on after a failed file: the first log of a batch
    // replaces the last one, the next ones follow it, so that every failure
    // of the batch can still be read.
    bool append;
    {
        Lock lock(*this);
        append = m_batchLogged;
    }
    if (append)
        lines.insert(lines.begin(), std::wstring());
    // Installed under Program Files, the program's folder cannot be written
    // by a normal user; the log then goes where the user can find it.
    std::wstring path = m_logFolder + L"log.txt";
    if (!EncoderRunner::WriteLogFile(path, lines, append)) {
        std::wstring fallback = LocalLogFolder();
        path = fallback.empty() ? std::wstring() : fallback + L"log.txt";
        if (path.empty() || !EncoderRunner::WriteLogFile(path, lines, append))
            return;
    }
    Lock lock(*this);
    m_logPath = path;
    m_batchLogged = true;
}

bool ConversionEngine::StartProbe(const std::vector<std::wstring>& files) {
    AppContext* context = AppContext::Current();
    if (!context || !context->Settings())
        return false;
    if (files.empty() || AnyEmpty(files))
        return false;
    std::wstring encoderPath = context->EncoderPath();
    Lock lock(*this);
    if (m_shuttingDown)
        return false;
    context->Settings()->ProbeFiles = files;
    for (const std::wstring& file : files)
        m_probeQueue.push_back(
            {file, encoderPath.empty() ? std::wstring() : BuildProbeCommand(encoderPath, file)});
    if (m_probing)
        return true; // the running worker takes the new files after its own
    // The previous worker cleared the flag as its last act under the lock
    // and is ending, so its handle can go.
    if (m_probeThread) {
        WaitForSingleObject(m_probeThread, INFINITE);
        CloseHandle(m_probeThread);
        m_probeThread = nullptr;
    }
    m_probing = true;
    m_probeThread = CreateThread(nullptr, 0, &ConversionEngine::ProbeThread, this, 0, &m_probeThreadId);
    if (!m_probeThread) {
        m_probing = false;
        m_probeQueue.clear();
        return false;
    }
    return true;
}

DWORD WINAPI ConversionEngine::ProbeThread(void* parameter) {
    static_cast<ConversionEngine*>(parameter)->ProbeAll();
    return 0;
}

void ConversionEngine::ProbeAll() {
    for (;;) {
        ProbeItem item;
        {
            Lock lock(*this);
            if (m_probeQueue.empty() || m_shuttingDown) {
                m_probeQueue.clear();
                m_probing = false;
                return;
            }
            item = std::move(m_probeQueue.front());
            m_probeQueue.pop_front();
            m_durationText.clear();
        }
        ProbeOne(item);
    }
}

void ConversionEngine::ProbeOne(const ProbeItem& item) {
    // A file the probe cannot read, for whatever reason (no encoder, an
    // encoder that hangs or fails, an exception here), gets an empty
    // duration, which the window reports as a file it cannot read; the
    // queue goes on.
    std::wstring duration;
    DWORD quietLimit;
    {
        Lock lock(*this);
        quietLimit = m_probeQuietLimit;
    }
    try {
        if (m_probeRunner.RunProbe(item.Command, quietLimit) == EncoderRunner::ProbeOutcome::Ended) {
            Lock lock(*this);
            duration = m_durationText;
        }
    } catch (...) {
        duration.clear();
    }
    bool shuttingDown;
    {
        Lock lock(*this);
        m_durationText = duration;
        m_probedDurations[item.InputPath] = duration;
        shuttingDown = m_shuttingDown;
    }
    if (shuttingDown)
        return;
    try {
        Notify(&EngineCallbacks::OnProbeFinished, item.InputPath, duration);
    } catch (...) {
        // The window's own trouble: the next file is probed all the same.
    }
}

bool ConversionEngine::Stop() {
    Lock lock(*this);
    if (!m_converting || m_batchComplete)
        return true;
    m_converting = false;
    m_conversionRunner.Terminate(4);
    m_progress = 0;
    return true;
}

bool ConversionEngine::IsConverting() const {
    Lock lock(*this);
    return m_converting;
}

bool ConversionEngine::IsProbing() const {
    Lock lock(*this);
    return m_probing;
}

int ConversionEngine::GetProgress() const {
    Lock lock(*this);
    return m_progress;
}

long long ConversionEngine::GetDurationSeconds() const {
    Lock lock(*this);
    return m_durationSeconds;
}

std::wstring ConversionEngine::GetDurationText() const {
    Lock lock(*this);
    return m_durationText;
}

bool ConversionEngine::GetProbedDuration(const std::wstring& inputPath, std::wstring& durationText) const {
    Lock lock(*this);
    auto it = m_probedDurations.find(inputPath);
    if (it == m_probedDurations.end())
        return false;
    durationText = it->second;
    return true;
}

std::wstring ConversionEngine::GetCurrentInput() const {
    Lock lock(*this);
    return m_currentInput;
}

bool ConversionEngine::LastBatchSucceeded() const {
    Lock lock(*this);
    return m_lastBatchSucceeded;
}

std::vector<std::wstring> ConversionEngine::GetConversionLines() const {
    return m_conversionRunner.Lines();
}

std::vector<std::wstring> ConversionEngine::GetProbeLines() const {
    return m_probeRunner.Lines();
}

DWORD ConversionEngine::GetEncoderProcessId() const {
    return m_conversionRunner.ProcessId();
}

std::vector<FileReport> ConversionEngine::GetFileReports() const {
    Lock lock(*this);
    return m_reports;
}

bool ConversionEngine::GetFileReport(const std::wstring& inputPath, FileReport& report) const {
    Lock lock(*this);
    for (auto it = m_reports.rbegin(); it != m_reports.rend(); ++it) {
        if (it->InputPath == inputPath) {
            report = *it;
            return true;
        }
    }
    return false;
}

BatchOutcome ConversionEngine::GetBatchOutcome() const {
    Lock lock(*this);
    BatchOutcome outcome;
    outcome.Files = static_cast<int>(m_reports.size());
    for (const FileReport& report : m_reports) {
        switch (report.Result) {
        case FileReport::State::Finished:
            ++outcome.Converted;
            break;
        case FileReport::State::Failed:
            ++outcome.Failed;
            if (outcome.FirstFailure.empty())
                outcome.FirstFailure = report.Message;
            break;
        case FileReport::State::Stopped:
            ++outcome.Stopped;
            break;
        case FileReport::State::Waiting:
        case FileReport::State::Converting:
            ++outcome.NotConverted;
            break;
        }
    }
    outcome.Running = m_converting;
    return outcome;
}

std::wstring ConversionEngine::GetLogPath() const {
    Lock lock(*this);
    return m_logPath;
}

void ConversionEngine::SetProbeQuietLimit(DWORD milliseconds) {
    Lock lock(*this);
    m_probeQuietLimit = milliseconds;
}

bool ConversionEngine::WaitForConversion(DWORD timeoutMs) {
    if (!m_conversionThread)
        return true;
    return WaitForSingleObject(m_conversionThread, timeoutMs) == WAIT_OBJECT_0;
}

bool ConversionEngine::WaitForProbe(DWORD timeoutMs) {
    HANDLE thread;
    {
        Lock lock(*this);
        thread = m_probeThread;
    }
    if (!thread)
        return true;
    return WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0;
}

void ConversionEngine::SetProgress(int progress) {
    Lock lock(*this);
    if (m_converting)
        m_progress = progress;
}

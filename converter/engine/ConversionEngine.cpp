#include "ConversionEngine.h"

#include "CommandLine.h"

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

void ConversionEngine::Notify(EngineCallbacks::PathCallback EngineCallbacks::*slot,
                              const std::wstring& path) {
    EngineCallbacks::PathCallback callback;
    {
        Lock lock(*this);
        callback = m_callbacks.*slot;
    }
    if (callback)
        callback(path);
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

    // Commands are built now, so the worker needs nothing from the
    // AppContext; a file whose command cannot be built fails when reached.
    const ProfileCatalogue* catalogue = context->Catalogue();
    std::wstring encoderPath = context->EncoderPath();
    m_logFolder = context->ProgramFolder();
    m_batch.clear();
    for (const std::wstring& file : files) {
        BatchItem item;
        item.InputPath = file;
        if (catalogue && !encoderPath.empty())
            BuildConversionCommand(*catalogue, encoderPath, file, outputFolder, target, quality, size,
                                   item.Command, item.OutputPath);
        m_batch.push_back(item);
    }

    Lock lock(*this);
    m_converting = true;
    m_lastBatchSucceeded = false;
    m_conversionThread =
        CreateThread(nullptr, 0, &ConversionEngine::ConversionThread, this, 0, &m_conversionThreadId);
    if (!m_conversionThread) {
        m_converting = false;
        return false;
    }
    return true;
}

DWORD WINAPI ConversionEngine::ConversionThread(void* parameter) {
    auto* engine = static_cast<ConversionEngine*>(parameter);
    engine->ConvertAll();
    Lock lock(*engine);
    engine->m_converting = false;
    return 0;
}

bool ConversionEngine::ConvertAll() {
    {
        Lock lock(*this);
        m_progress = 0;
        m_durationSeconds = 0;
        m_conversionRunner.ResetOutput();
    }
    for (const BatchItem& item : m_batch) {
        {
            // A Stop between two files starts no further encoder.
            Lock lock(*this);
            if (!m_converting || m_shuttingDown)
                return false;
            m_currentInput = item.InputPath;
            m_progress = 0;
            m_durationSeconds = 0;
        }
        if (item.Command.empty() || IsSameFile(item.InputPath, item.OutputPath)) {
            // Never let the encoder overwrite its own input.
            Notify(&EngineCallbacks::OnFileFailed, item.InputPath);
            return false;
        }
        if (m_conversionRunner.RunConversion(item.Command, item.InputPath, item.OutputPath) !=
            EncoderRunner::Outcome::Finished)
            return false;
    }
    {
        Lock lock(*this);
        m_lastBatchSucceeded = true;
    }
    NotifyBatchFinished();
    return true;
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
            item = m_probeQueue.front();
            m_probeQueue.pop_front();
            m_durationText.clear();
        }
        m_probeRunner.RunProbe(item.Command, item.InputPath);
    }
}

bool ConversionEngine::Stop() {
    Lock lock(*this);
    if (!m_converting)
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

// The conversion engine: turns the user's list into encoder runs on worker
// threads, publishes the current input and its progress, stops the encoder on
// demand and reports each event through callbacks.
//
// Threads: the caller (the GUI thread), at most one conversion worker and at
// most one probe worker. The callbacks run on the worker threads and should
// only post messages: destroying the engine, or starting a batch while a
// stopped one winds down, waits for the workers, so a callback must never
// wait for the calling thread (SendMessage to the window, say). Every reader below takes the engine's lock.
//
// Probes: each probe's duration text is kept per input path
// (GetProbedDuration), so a window that reads it when OnProbeFinished's
// message arrives gets the right value even when further probes ran since.
//
// Typical use:
//   AppContext::Instance().Initialize();
//   ConversionEngine& engine = ConversionEngine::Instance();
//   engine.SetCallbacks(callbacks);
//   engine.StartProbe({L"C:\\in\\a.mov"});          // OnProbeFinished(path)
//   engine.GetProbedDuration(L"C:\\in\\a.mov", text); // "00:01:23"
//   engine.StartConversion(L"FLV", {L"C:\\in\\a.mov"}, L"C:\\MyVideo", L"Normal", L"FullScreen");
//   ... GetProgress() (permille), Stop() ...
#pragma once

#include "AppContext.h"
#include "EncoderRunner.h"

#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct EngineCallbacks {
    using PathCallback = std::function<void(const std::wstring& inputPath)>;
    PathCallback OnProbeFinished;          // after each probe
    PathCallback OnFileStarted;            // before each file's encoder starts
    PathCallback OnFileFinished;           // a file converted (exit code 0, output written)
    PathCallback OnFileStopped;            // a file's encoder ended by Stop
    std::function<void()> OnBatchFinished; // after the last file of a batch that converted every file
    PathCallback OnFileFailed;             // a file that could not be converted; the batch ends there
};

class ConversionEngine {
public:
    ConversionEngine();
    ConversionEngine(const ConversionEngine&) = delete;
    ConversionEngine& operator=(const ConversionEngine&) = delete;
    // Stops a running batch and probe, terminating their encoders, and waits
    // for both workers to end.
    ~ConversionEngine();

    // The process-wide engine: created on first use, destroyed at program end
    // (or between tests) by DestroyInstance. Current answers null when none.
    static ConversionEngine& Instance();
    static ConversionEngine* Current();
    static void DestroyInstance();

    // Each non-empty slot replaces the engine's; empty slots leave it unchanged.
    // Set the callbacks before starting work.
    void SetCallbacks(const EngineCallbacks& callbacks);
    void SetOnProbeFinished(EngineCallbacks::PathCallback callback);
    void SetOnFileStarted(EngineCallbacks::PathCallback callback);
    void SetOnFileFinished(EngineCallbacks::PathCallback callback);
    void SetOnFileStopped(EngineCallbacks::PathCallback callback);
    void SetOnBatchFinished(std::function<void()> callback);
    void SetOnFileFailed(EngineCallbacks::PathCallback callback);

    // Starts converting the files one after another into the output folder.
    // True when a worker was started or a batch already runs; false when the
    // AppContext is missing or any value is empty.
    bool StartConversion(const std::wstring& target, const std::vector<std::wstring>& files,
                         const std::wstring& outputFolder, const std::wstring& quality,
                         const std::wstring& size);
    // Queues the files for probing; a running probe worker takes them after
    // its current ones. True when queued; false when the AppContext is missing
    // or the list is empty or holds an empty path.
    bool StartProbe(const std::vector<std::wstring>& files);
    // Stops the batch: terminates the conversion's encoder (exit code 4); the
    // file reports OnFileStopped and no further file starts. Probes go on.
    bool Stop();

    bool IsConverting() const;
    bool IsProbing() const;
    // Progress of the file being converted, permille 0..1000.
    int GetProgress() const;
    // Duration of the file being converted, in whole seconds (0 while unknown).
    long long GetDurationSeconds() const;
    // Duration text of the file last probed ("00:01:23", empty when none).
    std::wstring GetDurationText() const;
    // Duration text of a given probed file; false when it was not probed.
    bool GetProbedDuration(const std::wstring& inputPath, std::wstring& durationText) const;
    std::wstring GetCurrentInput() const;
    // Whether the last batch converted every file (false while one runs).
    bool LastBatchSucceeded() const;
    // Encoder output of the current (or last) conversion file and probe.
    std::vector<std::wstring> GetConversionLines() const;
    std::vector<std::wstring> GetProbeLines() const;
    // Process id of the conversion's running encoder, 0 when none.
    DWORD GetEncoderProcessId() const;

    // Wait until the conversion or probe worker has ended (true), or the time
    // is up (false). For tools and tests; the program polls instead.
    bool WaitForConversion(DWORD timeoutMs);
    bool WaitForProbe(DWORD timeoutMs);

    EncoderRunner& ConversionRunner() { return m_conversionRunner; }
    EncoderRunner& ProbeRunner() { return m_probeRunner; }

private:
    friend class EncoderRunner;

    class Lock {
    public:
        explicit Lock(const ConversionEngine& engine) : m_section(engine.m_lock) {
            EnterCriticalSection(&m_section);
        }
        ~Lock() { LeaveCriticalSection(&m_section); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        CRITICAL_SECTION& m_section;
    };

    // One file of a batch, prepared before the worker starts.
    struct BatchItem {
        std::wstring InputPath;
        std::wstring OutputPath;
        std::wstring Command; // empty when no command could be built
    };

    static DWORD WINAPI ConversionThread(void* parameter);
    static DWORD WINAPI ProbeThread(void* parameter);
    bool ConvertAll();
    void ProbeAll();
    bool JoinFinishedWorker(HANDLE& thread, DWORD threadId);
    // Calls a slot outside the lock.
    void Notify(EngineCallbacks::PathCallback EngineCallbacks::*slot, const std::wstring& path);
    void NotifyBatchFinished();
    void SetProgress(int progress);

    mutable CRITICAL_SECTION m_lock;
    // Guarded by the lock:
    bool m_converting = false;
    bool m_probing = false;
    bool m_shuttingDown = false;
    bool m_lastBatchSucceeded = false;
    int m_progress = 0;
    long long m_durationSeconds = 0;
    std::wstring m_durationText;
    std::map<std::wstring, std::wstring> m_probedDurations;
    std::wstring m_currentInput;
    struct ProbeItem {
        std::wstring InputPath;
        std::wstring Command; // empty when there is no program folder
    };
    std::deque<ProbeItem> m_probeQueue;
    EngineCallbacks m_callbacks;
    // Owned by the controlling thread; read by the worker it starts.
    std::vector<BatchItem> m_batch;
    std::wstring m_logFolder;
    HANDLE m_conversionThread = nullptr;
    DWORD m_conversionThreadId = 0;
    HANDLE m_probeThread = nullptr;
    DWORD m_probeThreadId = 0;

    EncoderRunner m_conversionRunner;
    EncoderRunner m_probeRunner;
};

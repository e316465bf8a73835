// The conversion engine: turns the user's list into encoder runs on worker
// threads, publishes the current input and its progress, stops the encoder on
// demand and reports each event through callbacks.
//
// Threads: the caller (the GUI thread), at most one conversion worker and at
// most one probe worker. The callbacks run on the worker threads and should
// only post messages: destroying the engine, or starting a batch while a
// stopped one winds down, waits for the workers, so a callback must never
// wait for the calling thread (SendMessage to the window, say). Every reader
// below takes the engine's lock. A callback that throws does not end the
// program: the worker reports the file as failed and ends its batch.
//
// Each started file gets exactly one of OnFileFinished, OnFileStopped and
// OnFileFailed, and its FileReport says the same. A file that fails does not
// end the batch: the next file is converted. Only Stop ends a batch early,
// and only a batch in which every file converted calls OnBatchFinished.
//
// Probes: each probe's duration text comes with OnProbeFinished and is kept
// per input path (GetProbedDuration), so a window gets the right value even
// when further probes ran since.
//
// Typical use:
//   AppContext::Instance().Initialize();
//   ConversionEngine& engine = ConversionEngine::Instance();
//   engine.SetCallbacks(callbacks);
//   engine.StartProbe({L"C:\\in\\a.mov"});          // OnProbeFinished(path, "00:01:23")
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
#include <type_traits>
#include <vector>

// A callback slot for one file's event: it is called with the input path and
// one detail text (which, see EngineCallbacks). It also takes a function of
// the path alone, which is then called without the detail, so callers that
// want only the path need not change.
class FileCallback {
public:
    using Function = std::function<void(const std::wstring& inputPath, const std::wstring& detail)>;

    FileCallback() = default;
    FileCallback(std::nullptr_t) {}
    template <typename F,
              std::enable_if_t<std::is_invocable_v<F&, const std::wstring&, const std::wstring&>, int> = 0>
    FileCallback(F function) : m_function(std::move(function)) {}
    template <typename F,
              std::enable_if_t<!std::is_invocable_v<F&, const std::wstring&, const std::wstring&> &&
                                   std::is_invocable_v<F&, const std::wstring&>,
                               int> = 0>
    FileCallback(F function) {
        // An empty function of the path leaves the slot empty, as before.
        std::function<void(const std::wstring&)> pathOnly(std::move(function));
        if (pathOnly)
            m_function = [pathOnly](const std::wstring& inputPath, const std::wstring&) {
                pathOnly(inputPath);
            };
    }

    explicit operator bool() const { return static_cast<bool>(m_function); }
    void operator()(const std::wstring& inputPath, const std::wstring& detail = std::wstring()) const {
        m_function(inputPath, detail);
    }

private:
    Function m_function;
};

struct EngineCallbacks {
    using PathCallback = FileCallback;
    // After each probe; detail: the duration text ("00:01:23", "N/A"), empty
    // when the file cannot be read (no duration, no encoder, or an encoder
    // that printed nothing for the probe timeout).
    PathCallback OnProbeFinished;
    PathCallback OnFileStarted;            // before each file's encoder starts; detail: the output path
    PathCallback OnFileFinished;           // converted (exit code 0, output written); detail: the output path
    PathCallback OnFileStopped;            // the encoder ended by Stop; detail: the output path
    std::function<void()> OnBatchFinished; // after the last file of a batch that converted every file
    // A file that could not be converted; the batch goes on with the next
    // file. Detail: why, in a sentence for the status line and log.txt.
    PathCallback OnFileFailed;
};

// The counts of the current (or last) batch's files by outcome, for the
// message at the end of a batch.
struct BatchOutcome {
    int Files = 0;        // every file of the batch
    int Converted = 0;
    int Failed = 0;
    int Stopped = 0;      // 0 or 1: the file Stop ended
    int NotConverted = 0; // not reached (after Stop), or still waiting or converting
    bool Running = false; // the batch's worker has not ended yet
    std::wstring FirstFailure; // why the first failed file failed
    bool AllConverted() const { return !Running && Files > 0 && Converted == Files; }
};

// What became of one file of the current or last batch, for a window that
// shows each file's state without guessing from the order of events.
struct FileReport {
    enum class State { Waiting, Converting, Finished, Failed, Stopped };
    State Result = State::Waiting;
    std::wstring InputPath;
    std::wstring OutputPath; // empty when no output name could be made
    // Why the file failed; for a file whose output got another name because
    // an earlier file of the batch took its own, a note saying so.
    std::wstring Message;
};

class ConversionEngine {
public:
    // How long a probe's encoder may print nothing before it is ended and
    // its file refused (a file on a dead network share, a hung encoder).
    static const DWORD kProbeQuietLimitMs = 30000;

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
    //
    // No input of the batch is ever written over: a file whose output would
    // be one of them fails. When two files would get the same output (a.mov
    // and a.mkv to a.avi), the later one is saved under the next name no
    // other file of the batch uses ("a (2).avi", then "a (3).avi"...). Files
    // left by earlier batches are overwritten.
    bool StartConversion(const std::wstring& target, const std::vector<std::wstring>& files,
                         const std::wstring& outputFolder, const std::wstring& quality,
                         const std::wstring& size);
    // Queues the files for probing; a running probe worker takes them after
    // its current ones. True when queued; false when the AppContext is missing
    // or the list is empty or holds an empty path.
    bool StartProbe(const std::vector<std::wstring>& files);
    // Stops the batch: terminates the conversion's encoder (exit code 4); the
    // file reports OnFileStopped and no further file starts. Probes go on. A
    // Stop after the last file has ended, while the worker winds down, still
    // keeps the batch from counting as converted (no OnBatchFinished).
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
    // Every file of the current (or last) batch in list order, and one of
    // them by its input path (the last one listed under that path).
    std::vector<FileReport> GetFileReports() const;
    bool GetFileReport(const std::wstring& inputPath, FileReport& report) const;
    BatchOutcome GetBatchOutcome() const;
    // Where the last log.txt was written: the program folder, or the user's
    // local application-data folder (Quorvex\log.txt) when the program folder
    // cannot be written. Empty before the first log.
    std::wstring GetLogPath() const;
    // Encoder output of the current (or last) conversion file and probe, as
    // far as log.txt keeps it (see LineLog).
    std::vector<std::wstring> GetConversionLines() const;
    std::vector<std::wstring> GetProbeLines() const;
    // Process id of the conversion's running encoder, 0 when none.
    DWORD GetEncoderProcessId() const;
    // For tools and tests: how long a probe's encoder may stay quiet.
    void SetProbeQuietLimit(DWORD milliseconds);

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
        std::wstring Command; // empty when the file cannot be converted
        std::wstring Failure; // why, when it cannot
        std::wstring Note;    // the output's other name, when it has one
    };
    struct ProbeItem {
        std::wstring InputPath;
        std::wstring Command; // empty when there is no program folder
    };

    static DWORD WINAPI ConversionThread(void* parameter);
    static DWORD WINAPI ProbeThread(void* parameter);
    void PrepareBatch(const std::vector<std::wstring>& files, const std::wstring& outputFolder,
                      const std::wstring& target, const std::wstring& quality, const std::wstring& size);
    void RunBatch();
    bool ConvertAll();
    // Converts the file at index; false ends the batch.
    bool ConvertOne(size_t index);
    void ProbeAll();
    void ProbeOne(const ProbeItem& item);
    bool JoinFinishedWorker(HANDLE& thread, DWORD threadId);
    // Calls a slot outside the lock.
    void Notify(EngineCallbacks::PathCallback EngineCallbacks::*slot, const std::wstring& path,
                const std::wstring& detail = std::wstring());
    void NotifyBatchFinished();
    // Records a file's end, writes log.txt for a stopped or failed one and
    // calls its callback; a file that has ended already is left as it is.
    void EndFile(size_t index, FileReport::State state, const std::wstring& message);
    void WriteLog(const BatchItem& item, const std::wstring& failure);
    void SetProgress(int progress);

    mutable CRITICAL_SECTION m_lock;
    // Guarded by the lock:
    bool m_converting = false;
    bool m_probing = false;
    bool m_shuttingDown = false;
    bool m_lastBatchSucceeded = false;
    bool m_batchComplete = false; // the batch has converted every file: Stop comes too late
    bool m_batchLogged = false;   // a file of this batch has written log.txt: the next one appends
    int m_progress = 0;
    long long m_durationSeconds = 0;
    std::wstring m_durationText;
    std::map<std::wstring, std::wstring> m_probedDurations;
    std::wstring m_currentInput;
    std::vector<FileReport> m_reports;
    std::wstring m_logPath;
    DWORD m_probeQuietLimit = kProbeQuietLimitMs;
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

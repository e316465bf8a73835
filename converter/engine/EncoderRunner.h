// Runs one ffmpeg.exe process with a hidden window, reads everything it writes
// to its standard output and standard error through a pipe on the calling
// (worker) thread, cuts it into lines and reads the duration and position out
// of them. A ConversionEngine owns two: one for conversions, one for probes,
// each with its own process handle, pending text and line list.
#pragma once

#include "EncoderOutput.h"

#include <windows.h>

#include <string>
#include <vector>

class ConversionEngine;

class EncoderRunner {
public:
    enum class Mode { Conversion, Probe };
    enum class Outcome {
        Finished, // the encoder ended with code 0 and wrote a non-empty output file
        Stopped,  // the batch was stopped (the encoder was terminated)
        Failed    // not started, non-zero exit code, or no output file
    };

    EncoderRunner(ConversionEngine& engine, Mode mode);
    EncoderRunner(const EncoderRunner&) = delete;
    EncoderRunner& operator=(const EncoderRunner&) = delete;
    ~EncoderRunner();

    // Converts one file. Calls OnFileStarted before the encoder starts, then
    // exactly one of OnFileFinished, OnFileStopped or OnFileFailed. A stopped
    // or failed file leaves its encoder output in log.txt.
    Outcome RunConversion(const std::wstring& command, const std::wstring& inputPath,
                          const std::wstring& outputPath);
    // Probes one file for its duration text; false when the encoder could not
    // be started. Calls OnProbeFinished either way unless the engine is being
    // destroyed.
    bool RunProbe(const std::wstring& command, const std::wstring& inputPath);

    // Appends decoded text; each completed line is recorded and parsed.
    void SplitOutputLines(const std::wstring& chunk);
    // Raw bytes from the pipe, decoded as UTF-8 across read boundaries.
    void ProcessOutput(const char* bytes, size_t count);
    // End of output: records and parses a last line that had no line end.
    void FinishOutput();
    void ParseConversionLine(const std::wstring& line);
    void ParseProbeLine(const std::wstring& line);

    // Writes the lines to log.txt in the program folder, replacing any earlier
    // log: UTF-8, each line ended by CR LF. False when the file cannot be written.
    bool WriteLog(const std::vector<std::wstring>& lines) const;
    static bool WriteLogFile(const std::wstring& path, const std::vector<std::wstring>& lines);

    std::vector<std::wstring> Lines() const;
    std::wstring PendingText() const;
    // Empties the lines, the pending text and any held-back bytes.
    void ResetOutput();

    // Ends the running encoder, if any, with the given exit code.
    bool Terminate(UINT exitCode);
    // Id of the running encoder process, 0 when none.
    DWORD ProcessId() const;

private:
    bool StartEncoder(const std::wstring& command, HANDLE& outputRead, HANDLE& inputWrite, HANDLE& process,
                      DWORD& processId);
    void ReadUntilEnd(HANDLE outputRead);
    // Takes the stored process handle out under the lock so Stop never
    // terminates a handle that is being closed.
    void ReleaseProcess(HANDLE outputRead, HANDLE inputWrite, HANDLE process);

    ConversionEngine& m_engine;
    const Mode m_mode;
    // All below are guarded by the engine's lock.
    HANDLE m_process = nullptr;
    DWORD m_processId = 0;
    std::vector<std::wstring> m_lines;
    LineSplitter m_splitter;
    Utf8StreamDecoder m_decoder;
};

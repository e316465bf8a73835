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
    enum class ProbeOutcome {
        Ended,      // the encoder ran to its end
        NotStarted, // no command, or the encoder could not be started
        TimedOut    // the encoder printed nothing for the quiet limit and was ended
    };

    EncoderRunner(ConversionEngine& engine, Mode mode);
    EncoderRunner(const EncoderRunner&) = delete;
    EncoderRunner& operator=(const EncoderRunner&) = delete;
    ~EncoderRunner();

    // Converts one file and publishes its progress; failure says why a
    // failed file failed. The caller reports the file. Whatever way it ends
    // (an exception included), no encoder is left running.
    Outcome RunConversion(const std::wstring& command, const std::wstring& outputPath, std::wstring& failure);
    // Probes one file; the duration text it finds is published as the
    // engine's duration text. An encoder that prints nothing for quietLimitMs
    // is ended.
    ProbeOutcome RunProbe(const std::wstring& command, DWORD quietLimitMs);

    // Raw bytes from the pipe: decoded, cut into lines, recorded and parsed.
    void ProcessOutput(const char* bytes, size_t count);
    // End of output: records and parses a last line that had no line end.
    void FinishOutput();
    void ParseConversionLine(const std::wstring& line);
    void ParseProbeLine(const std::wstring& line);

    // Writes the lines to a file, replacing it: UTF-8, each line ended by
    // CR LF. False when the file cannot be written.
    static bool WriteLogFile(const std::wstring& path, const std::vector<std::wstring>& lines,
                             bool append = false);

    // The lines as far as log.txt keeps them, and the text after the last line end.
    std::vector<std::wstring> Lines() const;
    std::wstring PendingText() const;
    // The last line of the encoder's output that is not a status line: what
    // a failing encoder says about its failure.
    std::wstring LastMessageLine() const;
    // Empties the lines, the pending text and any held-back bytes.
    void ResetOutput();

    // Ends the running encoder, if any, with the given exit code.
    bool Terminate(UINT exitCode);
    // Id of the running encoder process, 0 when none.
    DWORD ProcessId() const;

private:
    class Session;

    // Reads until the encoder's end of the pipe closes; false when the
    // encoder printed nothing for quietLimitMs and was ended.
    bool ReadUntilEnd(Session& session, DWORD quietLimitMs);
    void ParseLines(const std::vector<std::wstring>& lines);

    ConversionEngine& m_engine;
    const Mode m_mode;
    // All below are guarded by the engine's lock.
    HANDLE m_process = nullptr;
    DWORD m_processId = 0;
    OutputLineReader m_reader;
    LineLog m_lines;
};

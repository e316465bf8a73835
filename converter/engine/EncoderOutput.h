// Reading the encoder's console output: bytes to text, text to lines, and the
// two facts the program takes from the lines (the input's duration and the
// position the encoder has reached).
//
// Standard C++ only, with no Win32 in it: the same source is built into the
// engine (for Windows) and natively into a fuzzing target. Text is UTF-16 in
// std::wstring (on Linux each wchar_t simply holds one UTF-16 code unit).
//
// Whatever an outside program prints, memory stays bounded: a line is cut at
// kMaxLineLength characters, and LineLog keeps only the lines a log needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// Decodes UTF-8 read in pieces, with the same result whatever the pieces. A
// sequence cut by a read boundary is completed by the next piece; each byte
// that cannot be part of a valid sequence becomes one U+FFFD (a valid lead
// followed by a wrong byte gives one U+FFFD, and the wrong byte is read
// afresh), so nothing after a bad byte is lost. NUL bytes pass as U+0000.
class Utf8StreamDecoder {
public:
    // Appends the text of the bytes to text.
    void Decode(const char* bytes, size_t count, std::wstring& text);
    std::wstring Decode(const char* bytes, size_t count);
    // The end of the input: an unfinished sequence becomes one U+FFFD.
    std::wstring Finish();
    void Reset();

private:
    void Restart();

    uint32_t m_codePoint = 0;
    int m_needed = 0; // continuation bytes still expected
    int m_seen = 0;
    unsigned char m_lower = 0x80; // the range the next continuation byte must lie in
    unsigned char m_upper = 0xBF;
};

// Cuts text into lines. A line ends at a carriage return, a line feed, or a
// carriage return followed by a line feed (the encoder ends its progress lines
// with a lone carriage return and its other lines with CR LF, or LF alone).
// The pair may be split between two chunks and still ends one line only. A
// line longer than kMaxLineLength keeps its first kMaxLineLength characters;
// the rest of it is dropped as it arrives.
class LineSplitter {
public:
    static const size_t kMaxLineLength = 64 * 1024;

    // Appends the chunk and moves every completed line to lines.
    void Feed(const std::wstring& chunk, std::vector<std::wstring>& lines);
    // The text after the last line end, as a last line; false when there is none.
    bool Finish(std::wstring& line);
    void Reset();
    const std::wstring& Pending() const { return m_pending; }

private:
    void EndLine(std::vector<std::wstring>& lines);

    std::wstring m_pending;
    bool m_afterCarriageReturn = false;
    bool m_overlong = false;
};

// Raw encoder output to lines: the decoder and the splitter together.
class OutputLineReader {
public:
    void Feed(const char* bytes, size_t count, std::vector<std::wstring>& lines);
    // End of output: held-back bytes and a last line without an end.
    void Finish(std::vector<std::wstring>& lines);
    void Reset();
    const std::wstring& Pending() const { return m_splitter.Pending(); }

private:
    Utf8StreamDecoder m_decoder;
    LineSplitter m_splitter;
    std::wstring m_text;
};

// The lines of one encoder run as far as a log needs them: the first
// kHeadLines (they describe the input), then the most recent lines up to
// kTailBytes of log text (the log's UTF-8 with CR LF line ends). Lines in
// between are counted, and Lines() puts one line in their place saying how
// many were left out.
class LineLog {
public:
    static const size_t kHeadLines = 200;
    static const size_t kTailBytes = 1024 * 1024;

    void Add(const std::wstring& line);
    void Clear();
    std::vector<std::wstring> Lines() const;
    size_t LeftOut() const { return m_leftOut; }
    // The log text the tail holds, in bytes; never above kTailBytes.
    size_t TailBytes() const { return m_tailBytes; }

private:
    void DropOldestTailLine();

    std::vector<std::wstring> m_head;
    // The tail in one piece with each line's length: a flood of short lines
    // costs a few bytes each, not a string object each.
    std::deque<wchar_t> m_tailText;
    std::deque<uint32_t> m_tailLengths;
    size_t m_tailBytes = 0;
    size_t m_leftOut = 0;
};

// Bytes a line takes in the log: its UTF-8 form and a CR LF.
size_t LogBytesOf(const std::wstring& line);

// The position in whole seconds of the first "time=" field of a line, which
// runs to the next blank or the end of the line: "12.34" gives 12,
// "00:01:02.50" gives 62, "N/A" gives 0. False when the line has no "time=".
bool ParseTimePosition(const std::wstring& line, long long& seconds);

// The value of a " Duration: 00:01:23.45, ..." line in whole seconds
// (hours:minutes:seconds, the fraction dropped; "N/A" gives 0). False when
// the line has no " Duration: ", or its value is neither a clock time
// (H...H:MM:SS with an optional fraction) nor "N/A": such a value (in a
// title, say) says nothing about the duration.
bool ParseDurationSeconds(const std::wstring& line, long long& seconds);

// The same value as text without its fraction ("00:01:23"; "N/A" stays).
bool ParseDurationText(const std::wstring& line, std::wstring& text);

// Position over duration in permille, 0 to 1000; 0 while the duration is unknown.
int ComputeProgress(long long positionSeconds, long long durationSeconds);

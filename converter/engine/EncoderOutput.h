// Reading the encoder's console output: bytes to text, text to lines, and the
// two facts the program takes from the lines (the input's duration and the
// position the encoder has reached).
#pragma once

#include <string>
#include <vector>

// Decodes UTF-8 read in pieces. A sequence cut by a read boundary is kept back
// and completed by the next piece, so a non-ASCII name split between two pipe
// reads still decodes to the right characters.
class Utf8StreamDecoder {
public:
    std::wstring Decode(const char* bytes, size_t count);
    // Whatever is still held back (an unfinished sequence at the very end of
    // the output), decoded as it stands.
    std::wstring Finish();
    void Reset() { m_carry.clear(); }

private:
    std::string m_carry;
};

// Cuts text into lines. A line ends at a carriage return, a line feed, or a
// carriage return followed by a line feed (the encoder ends its progress lines
// with a lone carriage return and its other lines with CR LF, or LF alone).
// The pair may be split between two chunks and still ends one line only.
class LineSplitter {
public:
    // Appends the chunk and moves every completed line to lines.
    void Feed(const std::wstring& chunk, std::vector<std::wstring>& lines);
    // The text after the last line end, as a last line; false when there is none.
    bool Finish(std::wstring& line);
    void Reset();
    const std::wstring& Pending() const { return m_pending; }

private:
    std::wstring m_pending;
    bool m_afterCarriageReturn = false;
};

// The position in whole seconds of the first "time=" field of a line, which
// runs to the next blank or the end of the line: "12.34" gives 12,
// "00:01:02.50" gives 62, "N/A" gives 0. False when the line has no "time=".
bool ParseTimePosition(const std::wstring& line, long long& seconds);

// The value of a " Duration: 00:01:23.45, ..." line in whole seconds
// (hours:minutes:seconds, the fraction dropped; no colon gives 0). False when
// the line has no " Duration: ".
bool ParseDurationSeconds(const std::wstring& line, long long& seconds);

// The same value as text without its fraction ("00:01:23"; "N/A" stays).
bool ParseDurationText(const std::wstring& line, std::wstring& text);

// Position over duration in permille, 0 to 1000; 0 while the duration is unknown.
int ComputeProgress(long long positionSeconds, long long durationSeconds);

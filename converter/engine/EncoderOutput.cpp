#include "EncoderOutput.h"

namespace {

const wchar_t kReplacement = 0xFFFD;

void AppendCodePoint(uint32_t codePoint, std::wstring& text) {
    if (codePoint < 0x10000) {
        text += static_cast<wchar_t>(codePoint);
        return;
    }
    codePoint -= 0x10000;
    text += static_cast<wchar_t>(0xD800 + (codePoint >> 10));
    text += static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF));
}

bool IsHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Numbers from the encoder are bounded so that later arithmetic cannot overflow.
const long long kNumberLimit = 1000000000000LL;

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// The leading decimal integer after optional blanks and a sign; the first
// other character ends it; no digits gives 0.
long long LeadingInteger(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || text[i] == L'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) {
        negative = text[i] == L'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (value < kNumberLimit)
            value = value * 10 + (text[i] - L'0');
    }
    if (value > kNumberLimit)
        value = kNumberLimit;
    return negative ? -value : value;
}

// hours:minutes:seconds in whole seconds; text without a colon is read as
// plain seconds.
long long ClockSeconds(const std::wstring& text) {
    size_t first = text.find(L':');
    if (first == std::wstring::npos)
        return LeadingInteger(text);
    long long hours = LeadingInteger(text.substr(0, first));
    std::wstring rest = text.substr(first + 1);
    size_t second = rest.find(L':');
    long long minutes = LeadingInteger(rest.substr(0, second));
    long long seconds = second == std::wstring::npos ? 0 : LeadingInteger(rest.substr(second + 1));
    return (hours * 60 + minutes) * 60 + seconds;
}

// Two digits below 60 at text[at].
bool ClockPair(const std::wstring& text, size_t at) {
    return at + 2 <= text.size() && text[at] >= L'0' && text[at] <= L'5' && IsDigit(text[at + 1]);
}

// "H...H:MM:SS" or "H...H:MM:SS.F...F": at most nine digits of hours.
bool IsClockTime(const std::wstring& text) {
    size_t hours = 0;
    while (hours < text.size() && IsDigit(text[hours]))
        ++hours;
    if (hours == 0 || hours > 9 || hours + 6 > text.size())
        return false;
    if (text[hours] != L':' || !ClockPair(text, hours + 1) || text[hours + 3] != L':' ||
        !ClockPair(text, hours + 4))
        return false;
    size_t end = hours + 6;
    if (end == text.size())
        return true;
    if (text[end] != L'.' || end + 1 == text.size())
        return false;
    for (size_t i = end + 1; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            return false;
    }
    return true;
}

const wchar_t kDuration[] = L" Duration: ";
const size_t kDurationLength = sizeof(kDuration) / sizeof(kDuration[0]) - 1;

// The value after " Duration: " up to the next comma, without trailing
// blanks; false when the line has none, or the value is neither a clock time
// nor "N/A".
bool DurationField(const std::wstring& line, std::wstring& field) {
    size_t start = line.find(kDuration);
    if (start == std::wstring::npos)
        return false;
    start += kDurationLength;
    size_t comma = line.find(L',', start);
    std::wstring value = line.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start);
    while (!value.empty() && (value.back() == L' ' || value.back() == L'\t'))
        value.pop_back();
    if (value != L"N/A" && !IsClockTime(value))
        return false;
    field = value;
    return true;
}

} // namespace

void Utf8StreamDecoder::Restart() {
    m_codePoint = 0;
    m_needed = 0;
    m_seen = 0;
    m_lower = 0x80;
    m_upper = 0xBF;
}

void Utf8StreamDecoder::Reset() {
    Restart();
}

void Utf8StreamDecoder::Decode(const char* bytes, size_t count, std::wstring& text) {
    for (size_t i = 0; i < count; ++i) {
        const unsigned char byte = static_cast<unsigned char>(bytes[i]);
        if (m_needed == 0) {
            if (byte < 0x80) {
                text += static_cast<wchar_t>(byte);
            } else if (byte >= 0xC2 && byte <= 0xDF) {
                m_needed = 1;
                m_codePoint = byte & 0x1F;
            } else if (byte >= 0xE0 && byte <= 0xEF) {
                // E0 would allow overlong forms, ED the surrogates: narrow the
                // second byte's range instead.
                if (byte == 0xE0)
                    m_lower = 0xA0;
                if (byte == 0xED)
                    m_upper = 0x9F;
                m_needed = 2;
                m_codePoint = byte & 0x0F;
            } else if (byte >= 0xF0 && byte <= 0xF4) {
                if (byte == 0xF0)
                    m_lower = 0x90;
                if (byte == 0xF4)
                    m_upper = 0x8F;
                m_needed = 3;
                m_codePoint = byte & 0x07;
            } else {
                text += kReplacement;
            }
            continue;
        }
        if (byte < m_lower || byte > m_upper) {
            // The sequence so far is replaced; this byte starts afresh.
            Restart();
            text += kReplacement;
            --i;
            continue;
        }
        m_lower = 0x80;
        m_upper = 0xBF;
        m_codePoint = (m_codePoint << 6) | (byte & 0x3F);
        if (++m_seen < m_needed)
            continue;
        AppendCodePoint(m_codePoint, text);
        Restart();
    }
}

std::wstring Utf8StreamDecoder::Decode(const char* bytes, size_t count) {
    std::wstring text;
    Decode(bytes, count, text);
    return text;
}

std::wstring Utf8StreamDecoder::Finish() {
    std::wstring text;
    if (m_needed != 0)
        text += kReplacement;
    Restart();
    return text;
}

void LineSplitter::EndLine(std::vector<std::wstring>& lines) {
    // A cut line keeps no half of a surrogate pair.
    if (m_overlong && !m_pending.empty() && IsHighSurrogate(m_pending.back()))
        m_pending.pop_back();
    lines.push_back(m_pending);
    m_pending.clear();
    m_overlong = false;
}

void LineSplitter::Feed(const std::wstring& chunk, std::vector<std::wstring>& lines) {
    for (wchar_t c : chunk) {
        if (m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            if (c == L'\n')
                continue; // the second half of a CR LF already ended its line
        }
        if (c == L'\r' || c == L'\n') {
            EndLine(lines);
            m_afterCarriageReturn = c == L'\r';
        } else if (m_pending.size() < kMaxLineLength) {
            m_pending += c;
        } else {
            m_overlong = true;
        }
    }
}

bool LineSplitter::Finish(std::wstring& line) {
    m_afterCarriageReturn = false;
    if (m_pending.empty())
        return false;
    std::vector<std::wstring> last;
    EndLine(last);
    line.swap(last.front());
    return true;
}

void LineSplitter::Reset() {
    m_pending.clear();
    m_afterCarriageReturn = false;
    m_overlong = false;
}

void OutputLineReader::Feed(const char* bytes, size_t count, std::vector<std::wstring>& lines) {
    m_text.clear();
    m_decoder.Decode(bytes, count, m_text);
    m_splitter.Feed(m_text, lines);
}

void OutputLineReader::Finish(std::vector<std::wstring>& lines) {
    m_splitter.Feed(m_decoder.Finish(), lines);
    std::wstring last;
    if (m_splitter.Finish(last))
        lines.push_back(last);
}

void OutputLineReader::Reset() {
    m_decoder.Reset();
    m_splitter.Reset();
    m_text.clear();
}

size_t LogBytesOf(const std::wstring& line) {
    size_t bytes = 2;
    for (size_t i = 0; i < line.size(); ++i) {
        const wchar_t c = line[i];
        if (c < 0x80) {
            bytes += 1;
        } else if (c < 0x800) {
            bytes += 2;
        } else if (IsHighSurrogate(c) && i + 1 < line.size() && IsLowSurrogate(line[i + 1])) {
            bytes += 4;
            ++i;
        } else {
            bytes += 3; // a lone surrogate is written as U+FFFD
        }
    }
    return bytes;
}

void LineLog::Add(const std::wstring& line) {
    if (m_head.size() < kHeadLines) {
        m_head.push_back(line);
        return;
    }
    m_tailText.insert(m_tailText.end(), line.begin(), line.end());
    m_tailLengths.push_back(static_cast<uint32_t>(line.size()));
    m_tailBytes += LogBytesOf(line);
    while (m_tailBytes > kTailBytes)
        DropOldestTailLine();
}

void LineLog::DropOldestTailLine() {
    const size_t length = m_tailLengths.front();
    std::wstring oldest(m_tailText.begin(), m_tailText.begin() + static_cast<std::ptrdiff_t>(length));
    m_tailBytes -= LogBytesOf(oldest);
    m_tailText.erase(m_tailText.begin(), m_tailText.begin() + static_cast<std::ptrdiff_t>(length));
    m_tailLengths.pop_front();
    ++m_leftOut;
}

void LineLog::Clear() {
    m_head.clear();
    m_tailText.clear();
    m_tailLengths.clear();
    m_tailBytes = 0;
    m_leftOut = 0;
}

std::vector<std::wstring> LineLog::Lines() const {
    std::vector<std::wstring> lines = m_head;
    if (m_leftOut > 0)
        lines.push_back(L"[... " + std::to_wstring(m_leftOut) + L" lines left out ...]");
    auto text = m_tailText.begin();
    for (uint32_t length : m_tailLengths) {
        lines.emplace_back(text, text + length);
        text += length;
    }
    return lines;
}

bool ParseTimePosition(const std::wstring& line, long long& seconds) {
    size_t start = line.find(L"time=");
    if (start == std::wstring::npos)
        return false;
    start += 5;
    size_t end = line.find_first_of(L" \t", start);
    std::wstring value = line.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    seconds = ClockSeconds(value);
    return true;
}

bool ParseDurationSeconds(const std::wstring& line, long long& seconds) {
    std::wstring field;
    if (!DurationField(line, field))
        return false;
    seconds = field == L"N/A" ? 0 : ClockSeconds(field);
    return true;
}

bool ParseDurationText(const std::wstring& line, std::wstring& text) {
    std::wstring field;
    if (!DurationField(line, field))
        return false;
    size_t dot = field.find_last_of(L'.');
    if (dot != std::wstring::npos)
        field.erase(dot);
    text = field;
    return true;
}

int ComputeProgress(long long positionSeconds, long long durationSeconds) {
    if (durationSeconds <= 0 || positionSeconds <= 0)
        return 0;
    if (positionSeconds >= durationSeconds)
        return 1000;
    // Both values are bounded well below the point where the product overflows.
    return static_cast<int>(positionSeconds * 1000 / durationSeconds);
}

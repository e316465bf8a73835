#include "EncoderOutput.h"

#include <windows.h>

namespace {

// Length of the UTF-8 sequence a lead byte opens; 0 for a continuation byte.
int SequenceLength(unsigned char byte) {
    if (byte < 0x80)
        return 1;
    if ((byte & 0xC0) == 0x80)
        return 0;
    if ((byte & 0xE0) == 0xC0)
        return 2;
    if ((byte & 0xF0) == 0xE0)
        return 3;
    if ((byte & 0xF8) == 0xF0)
        return 4;
    return 1; // not UTF-8 at all: decoded (as a replacement) on its own
}

std::wstring DecodeWhole(const char* bytes, size_t count) {
    if (count == 0)
        return std::wstring();
    int length = MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(count), nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(count), &text[0], length);
    return text;
}

// Numbers from the encoder are bounded so that later arithmetic cannot overflow.
const long long kNumberLimit = 1000000000000LL;

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
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        if (value < kNumberLimit)
            value = value * 10 + (text[i] - L'0');
    }
    if (value > kNumberLimit)
        value = kNumberLimit;
    return negative ? -value : value;
}

// hours:minutes:seconds in whole seconds; text without a colon is read as
// plain seconds when plainSeconds is set, else gives 0.
long long ClockSeconds(const std::wstring& text, bool plainSeconds) {
    size_t first = text.find(L':');
    if (first == std::wstring::npos)
        return plainSeconds ? LeadingInteger(text) : 0;
    long long hours = LeadingInteger(text.substr(0, first));
    std::wstring rest = text.substr(first + 1);
    size_t second = rest.find(L':');
    long long minutes = LeadingInteger(rest.substr(0, second));
    long long seconds = second == std::wstring::npos ? 0 : LeadingInteger(rest.substr(second + 1));
    return (hours * 60 + minutes) * 60 + seconds;
}

const wchar_t kDuration[] = L" Duration: ";

bool DurationField(const std::wstring& line, std::wstring& field) {
    size_t start = line.find(kDuration);
    if (start == std::wstring::npos)
        return false;
    start += wcslen(kDuration);
    size_t comma = line.find(L',', start);
    field = line.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start);
    return true;
}

} // namespace

std::wstring Utf8StreamDecoder::Decode(const char* bytes, size_t count) {
    m_carry.append(bytes, count);
    // Hold back a sequence whose lead byte is among the last three bytes but
    // whose continuation bytes have not arrived yet.
    size_t keep = 0;
    for (size_t back = 1; back <= 3 && back <= m_carry.size(); ++back) {
        int length = SequenceLength(static_cast<unsigned char>(m_carry[m_carry.size() - back]));
        if (length == 0)
            continue; // a continuation byte: look further back for its lead
        if (static_cast<size_t>(length) > back)
            keep = back;
        break;
    }
    std::wstring text = DecodeWhole(m_carry.data(), m_carry.size() - keep);
    m_carry.erase(0, m_carry.size() - keep);
    return text;
}

std::wstring Utf8StreamDecoder::Finish() {
    std::wstring text = DecodeWhole(m_carry.data(), m_carry.size());
    m_carry.clear();
    return text;
}

void LineSplitter::Feed(const std::wstring& chunk, std::vector<std::wstring>& lines) {
    for (wchar_t c : chunk) {
        if (m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            if (c == L'\n')
                continue; // the second half of a CR LF already ended its line
        }
        if (c == L'\r' || c == L'\n') {
            lines.push_back(m_pending);
            m_pending.clear();
            m_afterCarriageReturn = c == L'\r';
        } else {
            m_pending += c;
        }
    }
}

bool LineSplitter::Finish(std::wstring& line) {
    m_afterCarriageReturn = false;
    if (m_pending.empty())
        return false;
    line.swap(m_pending);
    m_pending.clear();
    return true;
}

void LineSplitter::Reset() {
    m_pending.clear();
    m_afterCarriageReturn = false;
}

bool ParseTimePosition(const std::wstring& line, long long& seconds) {
    size_t start = line.find(L"time=");
    if (start == std::wstring::npos)
        return false;
    start += 5;
    size_t end = line.find_first_of(L" \t", start);
    std::wstring value = line.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    seconds = ClockSeconds(value, true);
    return true;
}

bool ParseDurationSeconds(const std::wstring& line, long long& seconds) {
    std::wstring field;
    if (!DurationField(line, field))
        return false;
    seconds = ClockSeconds(field, false);
    return true;
}

bool ParseDurationText(const std::wstring& line, std::wstring& text) {
    if (!DurationField(line, text))
        return false;
    size_t dot = text.find_last_of(L'.');
    if (dot != std::wstring::npos)
        text.erase(dot);
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

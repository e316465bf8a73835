// libFuzzer target for the reading of encoder output (EncoderOutput.cpp),
// built natively with clang by scripts/fuzz-output. The input's first byte
// chooses how the rest is cut into pipe reads. Whatever the bytes:
//   - nothing crashes and no sanitizer complains;
//   - memory stays bounded: the pending text never exceeds one line's limit,
//     no line is longer, and the log keeps its head and its byte budget;
//   - progress is always within 0..1000;
//   - the lines are the same whether the output comes whole or in pieces.
#include "EncoderOutput.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

std::vector<std::wstring> ReadInPieces(const char* bytes, size_t size, uint8_t seed) {
    OutputLineReader reader;
    std::vector<std::wstring> lines;
    uint32_t state = seed * 2654435761u + 1;
    size_t at = 0;
    while (at < size) {
        state = state * 1103515245u + 12345u;
        // Mostly small pieces, now and then a full 260-byte read.
        size_t piece = (state >> 16) % 8 == 0 ? 260 : 1 + (state >> 16) % 7;
        if (piece > size - at)
            piece = size - at;
        reader.Feed(bytes + at, piece, lines);
        Check(reader.Pending().size() <= LineSplitter::kMaxLineLength);
        at += piece;
    }
    reader.Finish(lines);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const uint8_t seed = data[0];
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    size -= 1;

    OutputLineReader whole;
    std::vector<std::wstring> lines;
    whole.Feed(bytes, size, lines);
    Check(whole.Pending().size() <= LineSplitter::kMaxLineLength);
    whole.Finish(lines);
    Check(lines == ReadInPieces(bytes, size, seed));

    LineLog log;
    long long duration = 0;
    for (const std::wstring& line : lines) {
        Check(line.size() <= LineSplitter::kMaxLineLength);
        log.Add(line);
        Check(log.TailBytes() <= LineLog::kTailBytes);
        long long value = 0;
        if (ParseTimePosition(line, value)) {
            int progress = ComputeProgress(value, duration);
            Check(progress >= 0 && progress <= 1000);
        }
        if (ParseDurationSeconds(line, value)) {
            Check(value >= 0);
            duration = value;
        }
        std::wstring text;
        if (ParseDurationText(line, text))
            Check(!text.empty() && text.size() <= line.size());
    }
    std::vector<std::wstring> kept = log.Lines();
    Check(kept.size() <= lines.size() + 1);
    Check(log.LeftOut() == 0 || kept.size() > LineLog::kHeadLines);
    return 0;
}

// Sources as cameras, phones and films give them, through the encoder front
// with every argument string of the catalogue: sound with more channels or
// another sample rate than a target's codec takes, odd frame sizes, 10-bit
// and 4:4:4 pictures, no sound, no picture. Every output must play.
#include "AppContext.h"
#include "real_encoder.h"
#include "real_targets.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

using namespace RealEncoder;

namespace {

// The sources are made small and short; rather than every source through every string, each
// codec meets every source (so every property: channels, sample rates, odd
// frame sizes, 10-bit and 4:4:4 pictures, no sound, no picture) through at
// least one of its strings, and every string converts at least one source.
// scripts/codec-limits runs the whole cross product.
struct Source {
    const wchar_t* name;
    const wchar_t* picture; // lavfi picture and its pixel format, or null for none
    const wchar_t* pixelFormat;
    const wchar_t* sound; // lavfi sound, or null for none
};
const Source kSources[] = {
    {L"71-96k-odd-444p10", L"testsrc=size=321x241:rate=25:duration=1", L"yuv444p10le",
     L"aevalsrc=0.1*sin(440*2*PI*t):c=7.1:s=96000:d=1"},
    {L"51-8k-odd-422p10", L"testsrc=size=319x239:rate=25:duration=1", L"yuv422p10le",
     L"aevalsrc=0.1*sin(440*2*PI*t):c=5.1:s=8000:d=1"},
    {L"mono-22k-444p", L"testsrc=size=320x240:rate=25:duration=1", L"yuv444p",
     L"aevalsrc=0.1*sin(440*2*PI*t):c=mono:s=22050:d=1"},
    {L"stereo-44k-no-video", nullptr, nullptr, L"aevalsrc=0.1*sin(440*2*PI*t):c=stereo:s=44100:d=1"},
    {L"no-audio-odd-420p10", L"testsrc=size=321x241:rate=25:duration=1", L"yuv420p10le", nullptr},
    {L"stereo-48k-420p", L"testsrc=size=320x240:rate=25:duration=1", L"yuv420p",
     L"aevalsrc=0.1*sin(440*2*PI*t):c=stereo:s=48000:d=1"},
};
enum { k71At96, k51At8, kMonoAt22, kAudioOnly, kVideoOnly, kStereoAt48 };

// One conversion and the sound it must have: what the string fixes itself,
// else the source's own within the codec's limits (MP2, MP3 and WMA take two
// channels, AC-3 six, AAC eight; WMA goes up to 48 kHz). 0 channels: no sound.
struct LimitCase {
    const wchar_t* target;
    const wchar_t* quality;
    const wchar_t* size;
    int source;
    int channels;
    int sampleRate;
};
// clang-format off
const LimitCase kLimitCases[] = {
    {L"AVI", L"Normal", L"FullScreen", k71At96, 2, 48000},
    {L"AVI", L"Normal", L"FullScreen", kAudioOnly, 2, 48000},
    {L"AVI", L"Normal", L"WideScreen", k51At8, 2, 48000},
    {L"AVI", L"Normal", L"WideScreen", kVideoOnly, 0, 0},
    {L"Android", L"Normal", L"FullScreen", k71At96, 8, 96000},
    {L"Android", L"Normal", L"FullScreen", kMonoAt22, 1, 22050},
    {L"Android", L"Normal", L"FullScreen", kStereoAt48, 2, 48000},
    {L"Android", L"Normal", L"WideScreen", k51At8, 6, 8000},
    {L"Android", L"Normal", L"WideScreen", kAudioOnly, 2, 44100},
    {L"Blackberry", L"Normal", L"FullScreen", kVideoOnly, 0, 0},
    {L"Blackberry", L"Normal", L"WideScreen", k51At8, 2, 44100},
    {L"DVD", L"Normal", L"FullScreen", k71At96, 6, 48000},
    {L"DVD", L"Normal", L"FullScreen", kMonoAt22, 1, 48000},
    {L"DVD", L"Normal", L"FullScreen", kAudioOnly, 2, 48000},
    {L"DVD", L"Normal", L"WideScreen", k51At8, 6, 48000},
    {L"DVD", L"Normal", L"WideScreen", kVideoOnly, 0, 0},
    {L"DVD", L"Normal", L"WideScreen", kStereoAt48, 2, 48000},
    {L"DVD", L"Low", L"FullScreen", k71At96, 2, 48000},
    {L"DVD", L"Low", L"FullScreen", kMonoAt22, 2, 48000},
    {L"DVD", L"Low", L"WideScreen", k51At8, 2, 48000},
    {L"DVD", L"Low", L"WideScreen", kAudioOnly, 2, 48000},
    {L"DVD", L"Low", L"WideScreen", kStereoAt48, 2, 48000},
    {L"FLV", L"Normal", L"FullScreen", k71At96, 1, 22050},
    {L"FLV", L"Normal", L"FullScreen", kMonoAt22, 1, 22050},
    {L"FLV", L"Normal", L"WideScreen", kVideoOnly, 0, 0},
    {L"FLV", L"Normal", L"WideScreen", kStereoAt48, 1, 22050},
    {L"IPhone", L"Normal", L"WideScreen", kMonoAt22, 2, 48000},
    {L"IPod", L"Normal", L"FullScreen", kAudioOnly, 2, 48000},
    {L"IPod", L"Normal", L"WideScreen", kStereoAt48, 2, 48000},
    {L"IPod", L"Normal", L"FullScreen ( for TV )", k71At96, 2, 48000},
    {L"IPod", L"Normal", L"WideScreen ( for TV )", k51At8, 2, 48000},
    {L"Mobile Phone", L"Normal", L"FullScreen", k71At96, 2, 44100},
    {L"Mobile Phone", L"Normal", L"WideScreen", kVideoOnly, 0, 0},
    {L"Mobile Phone", L"Low", L"FullScreen", k71At96, 1, 16000},
    {L"Mobile Phone", L"Low", L"FullScreen", kVideoOnly, 0, 0},
    {L"PSP", L"Normal", L"FullScreen", kMonoAt22, 2, 48000},
    {L"Xbox 360", L"Normal", L"FullScreen", k71At96, 2, 48000},
    {L"Xbox 360", L"Normal", L"FullScreen", kMonoAt22, 1, 22050},
    {L"Xbox 360", L"Normal", L"FullScreen", kAudioOnly, 2, 44100},
    {L"Zune", L"Normal", L"FullScreen", k51At8, 2, 8000},
    {L"Zune", L"Normal", L"FullScreen", kVideoOnly, 0, 0},
    {L"Zune", L"Normal", L"FullScreen", kStereoAt48, 2, 48000},
};
// clang-format on

TEST(CodecLimits, SourcesBeyondTheCodecsLimitsStillConvert) {
    AppContext::DestroyInstance();
    ASSERT_TRUE(AppContext::Instance().Initialize());
    const std::wstring folder = MakeTempFolder(L"limits");
    const std::wstring front = Quoted(ProgramFolder() + L"ffmpeg.exe");
    const std::wstring& sources = folder;
    std::vector<double> sourceDuration;
    for (const Source& source : kSources) {
        std::wstring command = front;
        if (source.picture)
            command += std::wstring(L" -f lavfi -i ") + source.picture;
        if (source.sound)
            command += std::wstring(L" -f lavfi -i ") + source.sound;
        if (source.picture)
            command += std::wstring(L" -pix_fmt ") + source.pixelFormat;
        std::wstring path = sources + L"\\" + source.name + L".mkv";
        RunResult made = RunCommand(command + L" -c:v ffv1 -c:a flac -y " + Quoted(path));
        ASSERT_EQ(0u, made.exitCode) << made.output;
        sourceDuration.push_back(std::atof(Probe(path).format["duration"].c_str()));
        ASSERT_GT(sourceDuration.back(), 0.9) << Utf8(source.name);
    }

    const ProfileCatalogue* catalogue = AppContext::Instance().Catalogue();
    std::set<std::wstring> stringsMet;
    int caseNumber = 0;
    for (const LimitCase& c : kLimitCases) {
        const Expected& e = ExpectedFor(c.target, c.quality, c.size);
        const Source& source = kSources[c.source];
        SCOPED_TRACE(
            Utf8(std::wstring(c.target) + L" / " + c.quality + L" / " + c.size + L" <- " + source.name));
        const std::wstring arguments = catalogue->GetArguments(c.target, c.quality, c.size);
        stringsMet.insert(arguments);
        const std::wstring output =
            sources + L"\\out" + std::to_wstring(++caseNumber) + L"." + Widen(e.extension);
        RunResult run = RunCommand(front + L" -i " + Quoted(sources + L"\\" + source.name + L".mkv") + L" " +
                                   arguments + L" " + Quoted(output));
        EXPECT_EQ(0u, run.exitCode) << run.output;
        if (run.exitCode != 0)
            continue;

        ProbeReport report = Probe(output);
        EXPECT_EQ(e.format, report.format["format_name"]) << report.raw;
        EXPECT_NEAR(sourceDuration[c.source], std::atof(report.format["duration"].c_str()), 0.5)
            << report.raw;
        if (source.picture) {
            EXPECT_EQ(e.videoCodec, report.video["codec_name"]) << report.raw;
            EXPECT_EQ(std::to_string(e.width), report.video["width"]) << report.raw;
            EXPECT_EQ(std::to_string(e.height), report.video["height"]) << report.raw;
            // What the players of these targets decode.
            EXPECT_EQ("yuv420p", report.video["pix_fmt"]) << report.raw;
        } else {
            EXPECT_TRUE(report.video.empty()) << report.raw;
        }
        if (c.channels) {
            EXPECT_EQ(e.audioCodec, report.audio["codec_name"]) << report.raw;
            EXPECT_EQ(std::to_string(c.channels), report.audio["channels"]) << report.raw;
            EXPECT_EQ(std::to_string(c.sampleRate), report.audio["sample_rate"]) << report.raw;
        } else {
            EXPECT_TRUE(report.audio.empty()) << report.raw;
        }
    }
    EXPECT_EQ(23u, stringsMet.size()) << "every argument string converts at least one source";
    RemoveTree(folder);
    AppContext::DestroyInstance();
}

} // namespace

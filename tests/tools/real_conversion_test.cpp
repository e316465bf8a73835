// Real conversions through the engine: the encoder front (ffmpeg.exe beside
// this program) runs the system's ffmpeg for every argument string of the
// catalogue, for Stop in the middle of a conversion and for an input the
// encoder cannot read.
#include "AppContext.h"
#include "ConversionEngine.h"
#include "EncoderOutput.h"
#include "real_encoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace RealEncoder;

namespace {

const DWORD kConversionPatience = 120000; // a bound only; a conversion here takes well under a second

// What a converted file must be: its container (format and, for the ISO
// family, the major brand), codecs and frame size.
struct Expected {
    const wchar_t* target;
    const wchar_t* quality;
    const wchar_t* size;
    const char* extension;
    const char* format;
    const char* brand; // "" when the container has none
    const char* videoCodec;
    const char* audioCodec;
    int width;
    int height;
};

const char kIso[] = "mov,mp4,m4a,3gp,3g2,mj2";

// One row per argument string of the catalogue.
const Expected kExpected[] = {
    {L"AVI", L"Normal", L"FullScreen", "avi", "avi", "", "mpeg4", "mp3", 640, 480},
    {L"AVI", L"Normal", L"WideScreen", "avi", "avi", "", "mpeg4", "mp3", 704, 384},
    {L"Android", L"Normal", L"FullScreen", "mp4", kIso, "isom", "h264", "aac", 432, 320},
    {L"Android", L"Normal", L"WideScreen", "mp4", kIso, "isom", "h264", "aac", 480, 272},
    {L"Blackberry", L"Normal", L"FullScreen", "mp4", kIso, "isom", "h264", "aac", 240, 180},
    {L"Blackberry", L"Normal", L"WideScreen", "mp4", kIso, "isom", "h264", "aac", 320, 180},
    {L"DVD", L"Normal", L"FullScreen", "mpg", "mpeg", "", "mpeg2video", "ac3", 720, 480},
    {L"DVD", L"Normal", L"WideScreen", "mpg", "mpeg", "", "mpeg2video", "ac3", 720, 480},
    {L"DVD", L"Low", L"FullScreen", "mpg", "mpeg", "", "mpeg2video", "mp2", 352, 480},
    {L"DVD", L"Low", L"WideScreen", "mpg", "mpeg", "", "mpeg2video", "mp2", 352, 480},
    {L"FLV", L"Normal", L"FullScreen", "flv", "flv", "", "flv1", "mp3", 320, 240},
    {L"FLV", L"Normal", L"WideScreen", "flv", "flv", "", "flv1", "mp3", 320, 180},
    {L"IPhone", L"Normal", L"WideScreen", "m4v", kIso, "M4V ", "h264", "aac", 480, 320},
    {L"IPod", L"Normal", L"FullScreen", "m4v", kIso, "M4V ", "h264", "aac", 320, 240},
    {L"IPod", L"Normal", L"WideScreen", "m4v", kIso, "M4V ", "h264", "aac", 320, 176},
    {L"IPod", L"Normal", L"FullScreen ( for TV )", "m4v", kIso, "M4V ", "h264", "aac", 512, 384},
    {L"IPod", L"Normal", L"WideScreen ( for TV )", "m4v", kIso, "M4V ", "h264", "aac", 624, 352},
    {L"Mobile Phone", L"Normal", L"FullScreen", "mp4", kIso, "isom", "mpeg4", "aac", 320, 240},
    {L"Mobile Phone", L"Normal", L"WideScreen", "mp4", kIso, "isom", "mpeg4", "aac", 320, 180},
    // H.263 takes only its standard sizes: 176x132 plus 6 lines above and below.
    {L"Mobile Phone", L"Low", L"FullScreen", "3gp", kIso, "3gp4", "h263", "aac", 176, 144},
    {L"PSP", L"Normal", L"FullScreen", "mp4", kIso, "isom", "h264", "aac", 480, 272},
    {L"Xbox 360", L"Normal", L"FullScreen", "wmv", "asf", "", "wmv2", "wmav2", 720, 480},
    {L"Zune", L"Normal", L"FullScreen", "wmv", "asf", "", "wmv2", "wmav2", 320, 240},
};

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

std::wstring Quoted(const std::wstring& path) {
    return L"\"" + path + L"\"";
}

// ffprobe's "compact" output, section by section: "stream|codec_type=video|..."
struct ProbeReport {
    std::map<std::string, std::string> format;
    std::map<std::string, std::string> video;
    std::map<std::string, std::string> audio;
    std::string raw;
};

ProbeReport Probe(const std::wstring& file) {
    ProbeReport report;
    RunResult run =
        RunCommand(Quoted(ProgramFolder() + L"ffprobe.exe") +
                   L" -v error -show_entries stream=codec_type,codec_name,width,height:format=format_name,"
                   L"duration:format_tags=major_brand -of compact " +
                   Quoted(file));
    report.raw = run.output;
    std::istringstream lines(run.output);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::map<std::string, std::string> fields;
        std::istringstream parts(line);
        std::string section, part;
        std::getline(parts, section, '|');
        while (std::getline(parts, part, '|')) {
            std::size_t eq = part.find('=');
            if (eq != std::string::npos)
                fields[part.substr(0, eq)] = part.substr(eq + 1);
        }
        if (section == "format")
            report.format = fields;
        else if (section == "stream" && fields["codec_type"] == "video" && report.video.empty())
            report.video = fields;
        else if (section == "stream" && fields["codec_type"] == "audio" && report.audio.empty())
            report.audio = fields;
    }
    return report;
}

// The highest progress the engine's own parsing takes from the lines the
// encoder wrote: the " Duration: " line, then every "time=" status line.
int ProgressFromLines(const std::vector<std::wstring>& lines, int& statusLines) {
    long long duration = 0;
    int best = 0;
    statusLines = 0;
    for (const auto& line : lines) {
        long long value = 0;
        if (ParseTimePosition(line, value)) {
            ++statusLines;
            best = std::max(best, ComputeProgress(value, duration));
        }
        if (ParseDurationSeconds(line, value))
            duration = value;
    }
    return best;
}

class RealConversion : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new std::wstring(MakeTempFolder(L"real"));
        clip_ = new std::wstring(*folder_ + L"\\clip.avi");
        clipMade_ = MakeClip(ProgramFolder() + L"ffmpeg.exe", *clip_, 2.0);
    }
    static void TearDownTestSuite() {
        RemoveTree(*folder_);
        delete clip_;
        delete folder_;
    }

    void SetUp() override {
        ASSERT_TRUE(clipMade_) << "the system's ffmpeg could not make the test clip";
        AppContext::DestroyInstance();
        ASSERT_TRUE(AppContext::Instance().Initialize());
        log_ = AppContext::ExecutableFolder() + L"log.txt";
        DeleteFileW(log_.c_str());
        engine_ = std::make_unique<ConversionEngine>();
        EngineCallbacks callbacks;
        callbacks.OnFileStarted = [this](const std::wstring& path) { Record("started", path); };
        callbacks.OnFileFinished = [this](const std::wstring& path) { Record("finished", path); };
        callbacks.OnFileStopped = [this](const std::wstring& path) { Record("stopped", path); };
        callbacks.OnFileFailed = [this](const std::wstring& path) { Record("failed", path); };
        callbacks.OnProbeFinished = [this](const std::wstring& path) { Record("probed", path); };
        callbacks.OnBatchFinished = [this] { Record("batch", L""); };
        engine_->SetCallbacks(callbacks);
    }

    void TearDown() override {
        engine_.reset();
        AppContext::DestroyInstance();
        DeleteFileW(log_.c_str());
    }

    void Record(const std::string& what, const std::wstring& path) {
        std::lock_guard<std::mutex> guard(mutex_);
        events_.push_back(what + (path.empty() ? std::string() : " " + Utf8(path)));
    }

    std::vector<std::string> TakeEvents() {
        std::lock_guard<std::mutex> guard(mutex_);
        std::vector<std::string> events;
        events.swap(events_);
        return events;
    }

    static std::wstring* folder_;
    static std::wstring* clip_;
    static bool clipMade_;
    std::unique_ptr<ConversionEngine> engine_;
    std::wstring log_;
    std::mutex mutex_;
    std::vector<std::string> events_;
};

std::wstring* RealConversion::folder_ = nullptr;
std::wstring* RealConversion::clip_ = nullptr;
bool RealConversion::clipMade_ = false;

} // namespace

TEST_F(RealConversion, EveryArgumentStringConvertsTheClip) {
    const ProfileCatalogue* catalogue = AppContext::Instance().Catalogue();
    ASSERT_NE(nullptr, catalogue);

    // The probe, as the program runs it when a file is added.
    ASSERT_TRUE(engine_->StartProbe({*clip_}));
    ASSERT_TRUE(engine_->WaitForProbe(kConversionPatience));
    std::wstring durationText;
    ASSERT_TRUE(engine_->GetProbedDuration(*clip_, durationText));
    EXPECT_EQ(L"00:00:02", durationText);
    ProbeReport input = Probe(*clip_);
    const double inputDuration = std::atof(input.format["duration"].c_str());
    ASSERT_GT(inputDuration, 1.5) << input.raw;

    // Walk every target, size and quality; each distinct argument string is
    // converted once, with the first choice that selects it.
    std::map<std::wstring, const Expected*> expectedByArguments;
    for (const auto& e : kExpected)
        expectedByArguments[catalogue->GetArguments(e.target, e.quality, e.size)] = &e;
    ASSERT_EQ(23u, expectedByArguments.size());

    std::set<std::wstring> converted;
    std::vector<std::wstring> names;
    ASSERT_TRUE(catalogue->GetNames(names));
    int caseNumber = 0;
    for (const auto& target : names) {
        std::vector<std::wstring> qualities, sizes;
        ASSERT_TRUE(catalogue->GetQualities(target, qualities));
        ASSERT_TRUE(catalogue->GetSizes(target, sizes));
        for (const auto& quality : qualities) {
            for (const auto& size : sizes) {
                std::wstring arguments = catalogue->GetArguments(target, quality, size);
                if (arguments.empty() || !converted.insert(arguments).second)
                    continue;
                auto found = expectedByArguments.find(arguments);
                ASSERT_NE(expectedByArguments.end(), found) << Utf8(arguments);
                const Expected& e = *found->second;
                std::string label = Utf8(target + L" / " + quality + L" / " + size);
                SCOPED_TRACE(label);

                // A folder per case: several strings share an extension.
                std::wstring outputFolder = *folder_ + L"\\case" + std::to_wstring(++caseNumber);
                CreateDirectoryW(outputFolder.c_str(), nullptr);
                std::wstring output = outputFolder + L"\\clip." + Widen(e.extension);

                TakeEvents();
                ASSERT_TRUE(engine_->StartConversion(target, {*clip_}, outputFolder, quality, size));
                ASSERT_TRUE(engine_->WaitForConversion(kConversionPatience));
                std::vector<std::wstring> lines = engine_->GetConversionLines();
                std::string encoderOutput;
                for (const auto& line : lines)
                    encoderOutput += Utf8(line) + "\n";

                EXPECT_EQ((std::vector<std::string>{"started " + Utf8(*clip_), "finished " + Utf8(*clip_),
                                                    "batch"}),
                          TakeEvents())
                    << encoderOutput;
                EXPECT_TRUE(engine_->LastBatchSucceeded());
                EXPECT_EQ(1000, engine_->GetProgress());
                int statusLines = 0;
                EXPECT_EQ(1000, ProgressFromLines(lines, statusLines)) << encoderOutput;
                EXPECT_GT(statusLines, 0);

                ASSERT_GT(FileSize(output), 0) << encoderOutput;
                ProbeReport report = Probe(output);
                EXPECT_EQ(e.format, report.format["format_name"]) << report.raw;
                if (*e.brand) {
                    EXPECT_EQ(e.brand, report.format["tag:major_brand"]) << report.raw;
                }
                EXPECT_EQ(e.videoCodec, report.video["codec_name"]) << report.raw;
                EXPECT_EQ(e.audioCodec, report.audio["codec_name"]) << report.raw;
                EXPECT_EQ(std::to_string(e.width), report.video["width"]) << report.raw;
                EXPECT_EQ(std::to_string(e.height), report.video["height"]) << report.raw;
                double duration = std::atof(report.format["duration"].c_str());
                EXPECT_NEAR(inputDuration, duration, 0.5) << report.raw;
            }
        }
    }
    EXPECT_EQ(23u, converted.size());
}

TEST_F(RealConversion, StopEndsTheEncoderAndWritesTheLog) {
    // A longer clip, converted to a slow target, so that Stop comes while the
    // encoder is at work; the folder's unique name finds its processes.
    std::string marker =
        "stop-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
    std::wstring stopFolder = *folder_ + L"\\" + Widen(marker);
    CreateDirectoryW(stopFolder.c_str(), nullptr);
    std::wstring longClip = stopFolder + L"\\long.avi";
    ASSERT_TRUE(MakeClip(ProgramFolder() + L"ffmpeg.exe", longClip, 60.0, L"160x120"));

    ASSERT_TRUE(
        engine_->StartConversion(L"IPod", {longClip}, stopFolder, L"Normal", L"WideScreen ( for TV )"));
    // Progress above zero means the encoder is converting and its status
    // lines arrive.
    DWORD start = GetTickCount();
    while (engine_->GetProgress() == 0 && engine_->IsConverting() &&
           GetTickCount() - start < kConversionPatience)
        Sleep(10);
    ASSERT_GT(engine_->GetProgress(), 0);
    ASSERT_TRUE(engine_->IsConverting());
    // The front and the system's ffmpeg behind it.
    ASSERT_EQ(2u, LinuxProcessesWith(marker).size());

    ASSERT_TRUE(engine_->Stop());
    std::vector<std::string> left = LinuxProcessesLeftAfter(marker, 1000);
    EXPECT_TRUE(left.empty()) << left.front();

    ASSERT_TRUE(engine_->WaitForConversion(kConversionPatience));
    EXPECT_EQ((std::vector<std::string>{"started " + Utf8(longClip), "stopped " + Utf8(longClip)}),
              TakeEvents());
    EXPECT_FALSE(engine_->LastBatchSucceeded());
    std::string log = ReadWholeFile(log_);
    EXPECT_NE(std::string::npos, log.find(" Duration: 00:01:00.")) << log;
    EXPECT_NE(std::string::npos, log.find("time=")) << log;
}

TEST_F(RealConversion, InputTheEncoderCannotReadFails) {
    std::wstring broken = *folder_ + L"\\broken.avi";
    HANDLE file = CreateFileW(broken.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    const char text[] = "RIFF? no: this is plain text that no demuxer takes for a video\r\n";
    DWORD written = 0;
    for (int i = 0; i < 64; ++i)
        WriteFile(file, text, sizeof(text) - 1, &written, nullptr);
    CloseHandle(file);
    std::wstring outputFolder = *folder_ + L"\\broken-out";
    CreateDirectoryW(outputFolder.c_str(), nullptr);

    ASSERT_TRUE(engine_->StartConversion(L"FLV", {broken}, outputFolder, L"Normal", L"FullScreen"));
    ASSERT_TRUE(engine_->WaitForConversion(kConversionPatience));
    EXPECT_EQ((std::vector<std::string>{"started " + Utf8(broken), "failed " + Utf8(broken)}), TakeEvents());
    EXPECT_FALSE(engine_->LastBatchSucceeded());
    EXPECT_NE(1000, engine_->GetProgress());
    EXPECT_FALSE(FileExists(outputFolder + L"\\broken.flv"));
}

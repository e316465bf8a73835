// Real conversions through the engine: the encoder front (ffmpeg.exe beside
// this program) runs the system's ffmpeg for every argument string of the
// catalogue, for Stop in the middle of a conversion, for an input the encoder
// cannot read and from a program folder whose name has blanks; and, through
// the front alone, sources that the targets' codecs cannot take as they are.
#include "AppContext.h"
#include "ConversionEngine.h"
#include "EncoderOutput.h"
#include "real_encoder.h"
#include "real_targets.h"

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

// Installed the usual way, the program and its encoder live in a folder whose
// name has blanks (and here letters beyond ASCII): the probe and the
// conversion both reach the encoder whole.
TEST_F(RealConversion, ProgramFolderWithBlanksAndOtherLetters) {
    std::wstring programs = *folder_ + L"\\Program Files";
    std::wstring program = programs + L"\\Quorvex \u00E9\u65E5";
    CreateDirectoryW(programs.c_str(), nullptr);
    CreateDirectoryW(program.c_str(), nullptr);
    ASSERT_TRUE(
        CopyFileW((ProgramFolder() + L"ffmpeg.exe").c_str(), (program + L"\\ffmpeg.exe").c_str(), FALSE));
    AppContext::Current()->SetProgramFolder(program);

    ASSERT_TRUE(engine_->StartProbe({*clip_}));
    ASSERT_TRUE(engine_->WaitForProbe(kConversionPatience));
    std::wstring durationText;
    ASSERT_TRUE(engine_->GetProbedDuration(*clip_, durationText));
    EXPECT_EQ(L"00:00:02", durationText);

    std::wstring outputFolder = *folder_ + L"\\from program files";
    CreateDirectoryW(outputFolder.c_str(), nullptr);
    TakeEvents();
    ASSERT_TRUE(engine_->StartConversion(L"Zune", {*clip_}, outputFolder, L"Normal", L"FullScreen"));
    ASSERT_TRUE(engine_->WaitForConversion(kConversionPatience));
    std::string encoderOutput;
    for (const auto& line : engine_->GetConversionLines())
        encoderOutput += Utf8(line) + "\n";
    EXPECT_EQ((std::vector<std::string>{"started " + Utf8(*clip_), "finished " + Utf8(*clip_), "batch"}),
              TakeEvents())
        << encoderOutput;
    ProbeReport report = Probe(outputFolder + L"\\clip.wmv");
    EXPECT_EQ("asf", report.format["format_name"]) << report.raw;
    EXPECT_EQ("320", report.video["width"]) << report.raw;
}

// The encoder front as a Windows process under Wine: started with
// CreateProcessW, it runs the system's ffmpeg, relays its output through the
// pipe, passes on its exit code, and takes the encoder with it when it is
// terminated.
#include "real_encoder.h"

#include <gtest/gtest.h>

using namespace RealEncoder;

namespace {

class EncoderFrontProcess : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new std::wstring(MakeTempFolder(L"front"));
        clip_ = new std::wstring(*folder_ + L"\\clip.avi");
        ASSERT_TRUE(MakeClip(Front(), *clip_, 2.0));
    }
    static void TearDownTestSuite() {
        RemoveTree(*folder_);
        delete clip_;
        delete folder_;
    }
    static std::wstring Front() { return ProgramFolder() + L"ffmpeg.exe"; }
    static std::wstring Prober() { return ProgramFolder() + L"ffprobe.exe"; }
    static std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

    static std::wstring* folder_;
    static std::wstring* clip_;
};

std::wstring* EncoderFrontProcess::folder_ = nullptr;
std::wstring* EncoderFrontProcess::clip_ = nullptr;

// A Windows reader sees Windows line ends: every line feed follows a CR.
bool EveryLineFeedFollowsCarriageReturn(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            return false;
    return true;
}

} // namespace

TEST_F(EncoderFrontProcess, ProbePrintsTheInputDescription) {
    RunResult probe = RunCommand(Quoted(Front()) + L" -i " + Quoted(*clip_));
    ASSERT_TRUE(probe.started);
    EXPECT_NE(std::string::npos, probe.output.find(" Duration: 00:00:02.")) << probe.output;
    EXPECT_NE(std::string::npos, probe.output.find("Video: mpeg4")) << probe.output;
    EXPECT_TRUE(EveryLineFeedFollowsCarriageReturn(probe.output));
    // ffmpeg asks for an output file and says so with its exit code.
    EXPECT_NE(0u, probe.exitCode);
}

TEST_F(EncoderFrontProcess, ConversionRelaysProgressAndSucceeds) {
    std::wstring output = *folder_ + L"\\phone.3gp";
    RunResult run = RunCommand(
        Quoted(Front()) + L" -i " + Quoted(*clip_) +
        L" -r 15 -b 64kb -ac 1 -s 176x132 -padtop 6 -padbottom 6 -ar 16000 -ab 32kb -acodec libfaac "
        L"-vcodec h263 -y " +
        Quoted(output));
    ASSERT_TRUE(run.started);
    EXPECT_EQ(0u, run.exitCode) << run.output;
    EXPECT_NE(std::string::npos, run.output.find("time=00:00:0")) << run.output;
    EXPECT_TRUE(EveryLineFeedFollowsCarriageReturn(run.output));
    ASSERT_GT(FileSize(output), 0);

    // The padded frame is the standard 176x144 that H.263 requires.
    RunResult info =
        RunCommand(Quoted(Prober()) + L" -v error -show_entries stream=codec_name,width,height -of compact " +
                   Quoted(output));
    EXPECT_EQ(0u, info.exitCode) << info.output;
    EXPECT_NE(std::string::npos, info.output.find("codec_name=h263|width=176|height=144")) << info.output;
}

TEST_F(EncoderFrontProcess, NonAsciiAndNotYetExistingPathsAreMapped) {
    std::wstring name = *folder_ + L"\\Clip \u00e9t\u00e9 \u97f3\u697d.avi";
    ASSERT_TRUE(MakeClip(Front(), name, 1.0, L"160x120"));
    RunResult probe = RunCommand(Quoted(Front()) + L" -i " + Quoted(name));
    EXPECT_NE(std::string::npos, probe.output.find(" Duration: 00:00:01.")) << probe.output;
    EXPECT_NE(std::string::npos, probe.output.find(Utf8(L"Clip \u00e9t\u00e9 \u97f3\u697d.avi")))
        << probe.output;
}

TEST_F(EncoderFrontProcess, UnreadableInputEndsWithAnError) {
    std::wstring broken = *folder_ + L"\\broken.avi";
    HANDLE file = CreateFileW(broken.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    const char garbage[] = "this is not a video file at all, just some text\r\n";
    DWORD written = 0;
    for (int i = 0; i < 100; ++i)
        WriteFile(file, garbage, sizeof(garbage) - 1, &written, nullptr);
    CloseHandle(file);

    std::wstring output = *folder_ + L"\\broken-out.wmv";
    RunResult run = RunCommand(Quoted(Front()) + L" -i " + Quoted(broken) +
                               L" -vcodec wmv2  -acodec wmav2 -b 640kb -ab 128kb -r 23.97 -s 320x240 -y " +
                               Quoted(output));
    ASSERT_TRUE(run.started);
    EXPECT_NE(0u, run.exitCode) << run.output;
    EXPECT_FALSE(FileExists(output));
}

TEST_F(EncoderFrontProcess, EncoderNamedByTheEnvironmentIsUsed) {
    SetEnvironmentVariableW(L"QUORVEX_FFMPEG", L"/nonexistent/ffmpeg");
    RunResult run = RunCommand(Quoted(Front()) + L" -i " + Quoted(*clip_));
    SetEnvironmentVariableW(L"QUORVEX_FFMPEG", nullptr);
    ASSERT_TRUE(run.started);
    EXPECT_EQ(127u, run.exitCode);
    EXPECT_NE(std::string::npos, run.output.find("/nonexistent/ffmpeg")) << run.output;
}

TEST_F(EncoderFrontProcess, TerminatingTheFrontLeavesNoEncoderRunning) {
    // A long source, so that the encoder is certainly still at work when the
    // front is terminated; the unique output name finds its processes.
    std::string marker =
        "stop-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
    std::wstring output = *folder_ + L"\\" + std::wstring(marker.begin(), marker.end()) + L".mp4";
    std::vector<std::string> runningBeforeStop, leftAtStop;
    RunResult run = RunCommand(Quoted(Front()) +
                                   L" -f lavfi -i testsrc=size=640x480:rate=25:duration=600 -vcodec libx264 "
                                   L"-s 640x480 -y " +
                                   Quoted(output),
                               "time=", [&](bool terminated) {
                                   if (terminated)
                                       leftAtStop = LinuxProcessesLeftAfter(marker, 1000);
                                   else
                                       runningBeforeStop = LinuxProcessesWith(marker);
                               });
    ASSERT_TRUE(run.started);
    EXPECT_NE(std::string::npos, run.output.find("time=")) << run.output;
    // Both the front and the system's ffmpeg carry the marker while they run.
    ASSERT_EQ(2u, runningBeforeStop.size());
    EXPECT_TRUE(leftAtStop.empty()) << leftAtStop.front();
    EXPECT_NE(0u, run.exitCode);
}

TEST_F(EncoderFrontProcess, ReaderGoneEndsTheEncoder) {
    // The converter may go away without stopping its encoder; the front then
    // ends ffmpeg, as a broken pipe ends a program on Linux.
    std::string marker =
        "gone-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
    std::wstring output = *folder_ + L"\\" + std::wstring(marker.begin(), marker.end()) + L".mp4";
    std::vector<std::string> runningBeforeStop, leftAfterExit;
    RunResult run = RunCommand(
        Quoted(Front()) + L" -f lavfi -i testsrc=size=640x480:rate=25:duration=600 -vcodec libx264 -y " +
            Quoted(output),
        "time=",
        [&](bool ended) {
            if (ended)
                leftAfterExit = LinuxProcessesLeftAfter(marker, 1000);
            else
                runningBeforeStop = LinuxProcessesWith(marker);
        },
        StopBy::CloseOutput);
    ASSERT_TRUE(run.started);
    ASSERT_EQ(2u, runningBeforeStop.size());
    EXPECT_TRUE(leftAfterExit.empty()) << leftAfterExit.front();
    EXPECT_EQ(128u + 9u, run.exitCode); // killed: never reported as a success
}

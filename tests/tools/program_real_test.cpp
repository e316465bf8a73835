// Quorvex.exe converting a real clip: installed in a program folder whose
// name has blanks with the encoder front as its ffmpeg.exe, the clip added
// through the open-file dialog and converted to a file that ffprobe reads.
#include "program_driver.h"
#include "real_encoder.h"

#include <gtest/gtest.h>

using namespace RealEncoder;

namespace {

TEST(ProgramWithRealEncoder, ConvertsAClipToAFileThatPlays) {
    const std::wstring work = MakeTempFolder(L"quorvex program real");
    const std::wstring clip = work + L"\\holiday clip.avi";
    ASSERT_TRUE(MakeClip(ProgramFolder() + L"ffmpeg.exe", clip, 2.0));
    const std::wstring output = work + L"\\converted";
    CreateDirectoryW(output.c_str(), nullptr);

    const std::wstring folder = ProgramFolder() + L"Program Files\\Quorvex Real Test";
    RemoveTree(folder);
    ASSERT_TRUE(program_driver::InstallProgram(folder, std::wstring(), ProgramFolder() + L"ffmpeg.exe"));
    program_driver::UnmanagedProgramWindows unmanaged;
    program_driver::Program program(folder + L"\\Quorvex.exe");
    ASSERT_TRUE(program.Started());
    SendMessageTimeoutW(program.Item(1001), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(output.c_str()),
                        SMTO_NORMAL, 10000, nullptr);

    ASSERT_TRUE(program.AddThroughDialog(clip));
    ASSERT_TRUE(program.WaitForRows(1, 30000)) << program.Status();
    EXPECT_EQ(L"00:00:02", program.Rows()[0].duration);
    // The first target, "AVI", at its default size and quality.
    program.Click(1009);
    ASSERT_TRUE(program.WaitForStatus(L"Convert successful.", 120000)) << program.Status();
    EXPECT_EQ(L"100.0%", program.Rows()[0].percent);
    EXPECT_EQ(2, program.Rows()[0].image);
    EXPECT_TRUE(program.Close());

    const std::wstring converted = output + L"\\holiday clip.avi";
    ASSERT_GT(FileSize(converted), 0);
    const RunResult probe = RunCommand(L"\"" + ProgramFolder() +
                                       L"ffprobe.exe\" -v error -show_entries "
                                       L"stream=codec_type -of csv=p=0 \"" +
                                       converted + L"\"");
    ASSERT_TRUE(probe.started);
    EXPECT_EQ(0u, probe.exitCode) << probe.output;
    EXPECT_NE(std::string::npos, probe.output.find("video")) << probe.output;
    EXPECT_NE(std::string::npos, probe.output.find("audio")) << probe.output;
    RemoveTree(work);
}

} // namespace

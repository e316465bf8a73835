// The encoder front for Windows as a process under Wine, with the fake
// encoder standing in for a current ffmpeg in the encoder folder beside it:
// what the encoder receives for every argument string the program sends,
// the output and exit code relayed, no encoder left behind when the front is
// terminated or its reader goes, and the message when there is no encoder.
#include "support/files.h"
#include "support/handles.h"
#include "support/run_command.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

using quorvex_test::RunCommand;
using quorvex_test::RunResult;

namespace {

using Args = std::vector<std::string>;

std::wstring TestFolder() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

Args Words(const std::string& text) {
    Args words;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        if (end > start)
            words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// The fake encoder writes each argument it received on a line of its own.
Args Lines(const std::string& output) {
    Args lines;
    std::size_t start = 0;
    for (std::size_t end; (end = output.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(output.substr(start, end - start));
    return lines;
}

// The front installed as ffmpeg.exe in a program folder whose name has
// blanks, the fake encoder as encoder\ffmpeg.exe beside it; the fake
// encoder's script comes from QUORVEX_FAKE_SCRIPT.
class WindowsFront : public testing::Test {
protected:
    void SetUp() override {
        m_folder = quorvex_test::FreshTempFolder(L"quorvex front test");
        m_program = m_folder + L"\\Program Dir";
        CreateDirectoryW(m_program.c_str(), nullptr);
        CreateDirectoryW((m_program + L"\\encoder").c_str(), nullptr);
        ASSERT_TRUE(CopyFileW((TestFolder() + L"..\\bin\\EncoderFront.exe").c_str(), Front().c_str(), FALSE));
        ASSERT_TRUE(CopyFileW((TestFolder() + L"ffmpeg.exe").c_str(), Encoder().c_str(), FALSE));
        m_script = m_folder + L"\\script.fake";
        SetEnvironmentVariableW(L"QUORVEX_FAKE_SCRIPT", m_script.c_str());
        SetEnvironmentVariableW(L"QUORVEX_FFMPEG", nullptr);
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"QUORVEX_FAKE_SCRIPT", nullptr);
        SetEnvironmentVariableW(L"QUORVEX_FFMPEG", nullptr);
        quorvex_test::RemoveTree(m_folder);
    }

    std::wstring Front() const { return m_program + L"\\ffmpeg.exe"; }
    std::wstring Encoder() const { return m_program + L"\\encoder\\ffmpeg.exe"; }
    void Script(const std::string& text) { ASSERT_TRUE(quorvex_test::WriteWholeFile(m_script, text)); }
    // The front started as the program starts its encoder: its path as it
    // is, then the arguments.
    RunResult Run(const std::wstring& arguments) { return RunCommand(Front() + L" " + arguments); }

    std::wstring m_folder, m_program, m_script;
};

} // namespace

// Every argument string the program sends, in the command it builds, reaches
// the encoder as options a current ffmpeg takes; the input and output paths
// stay the Windows paths they were.
TEST_F(WindowsFront, EveryArgumentStringReachesTheEncoderTranslated) {
    struct Case {
        const char* letter;
        const char* extension;
        const char* arguments;
        const char* translated; // between the input and the output path
    } cases[] = {
        {"A", "avi",
         "-f avi -r 29.97 -vcodec libxvid -vtag XVID -s 640x480 -aspect 4:3 -maxrate 1800kb -b "
         "1500kb -qmin 3 -qmax 5 -bufsize 4096 -mbd 2 -bf 2 -flags +4mv -trellis -aic -cmp 2 "
         "-subcmp 2 -g 300 -acodec libmp3lame -ar 48000 -ab 128kb -ac 2 -y",
         "-f avi -r 29.97 -c:v libxvid -tag:v XVID -aspect 4:3 -maxrate 1800k -b:v 1500k -qmin 3 "
         "-qmax 5 -bufsize 4096 -mbd 2 -bf 2 -trellis 1 -cmp 2 -subcmp 2 -g 300 -c:a libmp3lame "
         "-ar 48000 -b:a 128k -ac 2 -y -s 640x480 -flags +mv4+aic"},
        {"B", "avi",
         "-f avi -r 29.97 -vcodec libxvid -vtag XVID -s 704x384 -aspect 16:9 -maxrate 1800k -b "
         "1500k -qmin 3 -qmax 5 -bufsize 4096 -mbd 2 -bf 2 -flags +4mv -trellis -aic -cmp 2 "
         "-subcmp 2 -g 300 -acodec libmp3lame -ar 48000 -ab 128k -ac 2 -y",
         "-f avi -r 29.97 -c:v libxvid -tag:v XVID -aspect 16:9 -maxrate 1800k -b:v 1500k -qmin 3 "
         "-qmax 5 -bufsize 4096 -mbd 2 -bf 2 -trellis 1 -cmp 2 -subcmp 2 -g 300 -c:a libmp3lame "
         "-ar 48000 -b:a 128k -ac 2 -y -s 704x384 -flags +mv4+aic"},
        {"C", "mp4",
         "-s 432x320 -vcodec libx264 -b 500k -threads 0 -acodec libfaac -ab 96kb -y",
         "-c:v libx264 -b:v 500k -threads 0 -c:a aac -b:a 96k -y -s 432x320 -pix_fmt yuv420p"},
        {"D", "mp4",
         "-s 480x272 -vcodec libx264 -b 500k -threads 0 -acodec libfaac -ab 96kb -y",
         "-c:v libx264 -b:v 500k -threads 0 -c:a aac -b:a 96k -y -s 480x272 -pix_fmt yuv420p"},
        {"E", "mp4",
         "-f mp4 -r 24 -vcodec libx264 -s 240x180 -aspect 4:3 -maxrate 800kb -bufsize 80k -b 400kb "
         "-acodec libfaac -ar 44100 -ab 80kb -ac 2 -y",
         "-f mp4 -r 24 -c:v libx264 -aspect 4:3 -maxrate 800k -bufsize 80k -b:v 400k -c:a aac -ar "
         "44100 -b:a 80k -ac 2 -y -s 240x180 -pix_fmt yuv420p"},
        {"F", "mp4",
         "-f mp4 -r 24 -vcodec libx264 -s 320x180 -aspect 16:9 -maxrate 800kb -bufsize 80k -b "
         "400kb -acodec libfaac -ar 44100 -ab 80kb -ac 2 -y",
         "-f mp4 -r 24 -c:v libx264 -aspect 16:9 -maxrate 800k -bufsize 80k -b:v 400k -c:a aac -ar "
         "44100 -b:a 80k -ac 2 -y -s 320x180 -pix_fmt yuv420p"},
        {"G", "mpg",
         "-f dvd -target ntsc-dvd -r 29.97 -s 720x480 -aspect 4:3 -b 8000kb -mbd rd -trellis -mv0 "
         "-cmp 0 -subcmp 2 -y",
         "-f dvd -target ntsc-dvd -r 29.97 -aspect 4:3 -b:v 8000k -mbd rd -trellis 1 -cmp 0 "
         "-subcmp 2 -y -s 720x480 -mpv_flags +mv0 -pix_fmt yuv420p"},
        {"H", "mpg",
         "-f dvd -target ntsc-dvd -r 29.97 -s 720x480 -aspect 16:9 -b 8000kb -g 12 -mbd rd "
         "-trellis -mv0 -cmp 0 -subcmp 2 -y",
         "-f dvd -target ntsc-dvd -r 29.97 -aspect 16:9 -b:v 8000k -g 12 -mbd rd -trellis 1 -cmp 0 "
         "-subcmp 2 -y -s 720x480 -mpv_flags +mv0 -pix_fmt yuv420p"},
        {"I", "mpg",
         "-f dvd -vcodec mpeg2video -r 29.97 -s 352x480 -aspect 4:3 -b 4000kb -mbd rd -trellis "
         "-mv0 -cmp 2 -subcmp 2 -acodec mp2 -ab 192kb -ar 48000 -ac 2 -y",
         "-f dvd -c:v mpeg2video -r 29.97 -aspect 4:3 -b:v 4000k -mbd rd -trellis 1 -cmp 2 -subcmp "
         "2 -c:a mp2 -b:a 192k -ar 48000 -ac 2 -y -s 352x480 -mpv_flags +mv0 -pix_fmt yuv420p"},
        {"J", "mpg",
         "-f dvd -vcodec mpeg2video -r 29.97 -s 352x480 -aspect 16:9 -b 4000kb -mbd rd -trellis "
         "-mv0 -cmp 2 -subcmp 2 -acodec mp2 -ab 192kb -ar 48000 -ac 2 -y",
         "-f dvd -c:v mpeg2video -r 29.97 -aspect 16:9 -b:v 4000k -mbd rd -trellis 1 -cmp 2 "
         "-subcmp 2 -c:a mp2 -b:a 192k -ar 48000 -ac 2 -y -s 352x480 -mpv_flags +mv0 -pix_fmt "
         "yuv420p"},
        {"K", "flv",
         "-vcodec flv -f flv -r 29.97 -s 320x240 -aspect 4:3 -b 300kb -g 160 -cmp dct  -subcmp dct "
         "-mbd 2 -flags +aic+cbp+mv0+mv4 -trellis 1 -ac 1 -ar 22050 -ab 56kb -y",
         "-c:v flv -f flv -r 29.97 -aspect 4:3 -b:v 300k -g 160 -cmp dct -subcmp dct -mbd 2 "
         "-trellis 1 -ac 1 -ar 22050 -b:a 56k -y -s 320x240 -flags +aic+mv4 -mpv_flags +cbp_rd+mv0"},
        {"L", "flv",
         "-vcodec flv -f flv -r 29.97 -s 320x180 -aspect 16:9 -b 300kb -g 160 -cmp dct -subcmp dct "
         "-mbd 2 -flags +aic+cbp+mv0+mv4 -trellis 1 -ac 1 -ar 22050 -ab 56kb -y",
         "-c:v flv -f flv -r 29.97 -aspect 16:9 -b:v 300k -g 160 -cmp dct -subcmp dct -mbd 2 "
         "-trellis 1 -ac 1 -ar 22050 -b:a 56k -y -s 320x180 -flags +aic+mv4 -mpv_flags +cbp_rd+mv0"},
        {"M", "m4v",
         "-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf "
         "21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions "
         "+parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 "
         "-i_qfactor 0.71 -s 480x320 -aspect 16:9 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y",
         "-r 29.97 -c:v libx264 -cmp +chroma -crf 21 -bt 256k -refs 1 -coder 0 -me_method esa "
         "-me_range 16 -subq 5 -partitions i4x4,i8x8,p8x8 -g 250 -keyint_min 25 -level 30 -trellis "
         "2 -sc_threshold 40 -i_qfactor 0.71 -aspect 16:9 -c:a aac -b:a 112k -ar 48000 -ac 2 -y -s "
         "480x320 -flags +loop -deblock 0:0 -pix_fmt yuv420p"},
        {"N", "m4v",
         "-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf "
         "21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions "
         "+parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 "
         "-i_qfactor 0.71 -s 320x240 -aspect 4:3 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y",
         "-r 29.97 -c:v libx264 -cmp +chroma -crf 21 -bt 256k -refs 1 -coder 0 -me_method esa "
         "-me_range 16 -subq 5 -partitions i4x4,i8x8,p8x8 -g 250 -keyint_min 25 -level 30 -trellis "
         "2 -sc_threshold 40 -i_qfactor 0.71 -aspect 4:3 -c:a aac -b:a 112k -ar 48000 -ac 2 -y -s "
         "320x240 -flags +loop -deblock 0:0 -pix_fmt yuv420p"},
        {"O", "m4v",
         "-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf "
         "21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions "
         "+parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 "
         "-i_qfactor 0.71 -s 320x176 -aspect 16:9 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y",
         "-r 29.97 -c:v libx264 -cmp +chroma -crf 21 -bt 256k -refs 1 -coder 0 -me_method esa "
         "-me_range 16 -subq 5 -partitions i4x4,i8x8,p8x8 -g 250 -keyint_min 25 -level 30 -trellis "
         "2 -sc_threshold 40 -i_qfactor 0.71 -aspect 16:9 -c:a aac -b:a 112k -ar 48000 -ac 2 -y -s "
         "320x176 -flags +loop -deblock 0:0 -pix_fmt yuv420p"},
        {"P", "m4v",
         "-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf "
         "21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions "
         "+parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 "
         "-i_qfactor 0.71 -s 512x384 -aspect 4:3 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y",
         "-r 29.97 -c:v libx264 -cmp +chroma -crf 21 -bt 256k -refs 1 -coder 0 -me_method esa "
         "-me_range 16 -subq 5 -partitions i4x4,i8x8,p8x8 -g 250 -keyint_min 25 -level 30 -trellis "
         "2 -sc_threshold 40 -i_qfactor 0.71 -aspect 4:3 -c:a aac -b:a 112k -ar 48000 -ac 2 -y -s "
         "512x384 -flags +loop -deblock 0:0 -pix_fmt yuv420p"},
        {"Q", "m4v",
         "-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf "
         "21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions "
         "+parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 "
         "-i_qfactor 0.71 -s 624x352 -aspect 16:9 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y",
         "-r 29.97 -c:v libx264 -cmp +chroma -crf 21 -bt 256k -refs 1 -coder 0 -me_method esa "
         "-me_range 16 -subq 5 -partitions i4x4,i8x8,p8x8 -g 250 -keyint_min 25 -level 30 -trellis "
         "2 -sc_threshold 40 -i_qfactor 0.71 -aspect 16:9 -c:a aac -b:a 112k -ar 48000 -ac 2 -y -s "
         "624x352 -flags +loop -deblock 0:0 -pix_fmt yuv420p"},
        {"R", "mp4",
         "-f mp4 -r 15 -vcodec mpeg4 -s 320x240 -b 320kb -aspect 4:3 -acodec libfaac -ab 96kb -ar "
         "44100 -ac 2 -y",
         "-f mp4 -r 15 -c:v mpeg4 -b:v 320k -aspect 4:3 -c:a aac -b:a 96k -ar 44100 -ac 2 -y -s "
         "320x240"},
        {"S", "mp4",
         "-f mp4 -r 15 -vcodec mpeg4 -s 320x180 -b 320kb -aspect 16:9 -acodec libfaac -ab 96kb -ar "
         "44100 -ac 2 -y",
         "-f mp4 -r 15 -c:v mpeg4 -b:v 320k -aspect 16:9 -c:a aac -b:a 96k -ar 44100 -ac 2 -y -s "
         "320x180"},
        {"T", "3gp",
         "-r 15 -b 64kb -ac 1 -s 176x132 -padtop 6 -padbottom 6 -ar 16000 -ab 32kb -acodec libfaac "
         "-vcodec h263 -y",
         "-r 15 -b:v 64k -ac 1 -ar 16000 -b:a 32k -c:a aac -c:v h263 -y -vf "
         "scale=176:132,pad=176:144:0:6"},
        {"U", "mp4",
         "-f mp4 -r 29.97 -vcodec libx264 -s 480x272 -aspect 16:9 -b 1250kb -maxrate 4M -bufsize "
         "4M -flags +loop -cmp +chroma -partitions +parti4x4+partp8x8+partb8x8 -me_method umh "
         "-subq 6 -trellis 1 -refs 2 -bf 1 -coder 1 -me_range 16 -g 300 -keyint_min 25 "
         "-sc_threshold 40 -i_qfactor 0.71 -bt 1250k -qcomp 0.6 -qmin 10 -qmax 51 -qdiff 4 -level "
         "21 -acodec libfaac -ab 128kb -ar 48000 -ac 2 -y",
         "-f mp4 -r 29.97 -c:v libx264 -aspect 16:9 -b:v 1250k -maxrate 4M -bufsize 4M -cmp "
         "+chroma -partitions i4x4,p8x8,b8x8 -me_method umh -subq 6 -trellis 1 -refs 2 -bf 1 "
         "-coder 1 -me_range 16 -g 300 -keyint_min 25 -sc_threshold 40 -i_qfactor 0.71 -bt 1250k "
         "-qcomp 0.6 -qmin 10 -qmax 51 -qdiff 4 -level 21 -c:a aac -b:a 128k -ar 48000 -ac 2 -y -s "
         "480x272 -flags +loop -pix_fmt yuv420p"},
        {"V", "wmv",
         "-vcodec wmv2  -acodec wmav2 -b 1200kb -ab 160kb -r 25 -s 720x480 -y",
         "-c:v wmv2 -c:a wmav2 -b:v 1200k -b:a 160k -r 25 -y -s 720x480 -af "
         "aformat=channel_layouts=mono|stereo:sample_rates=48000|44100|32000|24000|22050|16000|12000|11025|8000"},
        {"W", "wmv",
         "-vcodec wmv2  -acodec wmav2 -b 640kb -ab 128kb -r 23.97 -s 320x240 -y",
         "-c:v wmv2 -c:a wmav2 -b:v 640k -b:a 128k -r 23.97 -y -s 320x240 -af "
         "aformat=channel_layouts=mono|stereo:sample_rates=48000|44100|32000|24000|22050|16000|12000|11025|8000"},
    };
    Script("args\n");
    const std::string input = "C:\\in dir\\clip.avi";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.letter);
        const std::string output = std::string("D:\\out dir\\clip.") + c.extension;
        RunResult run = Run(Wide("-i \"" + input + "\" " + c.arguments + " \"" + output + "\""));
        ASSERT_TRUE(run.started);
        EXPECT_EQ(0u, run.exitCode);
        Args expected = {"-nostdin", "-i", input};
        for (const std::string& word : Words(c.translated))
            expected.push_back(word);
        expected.push_back(output);
        EXPECT_EQ(expected, Lines(run.output));
    }
}

TEST_F(WindowsFront, ProbeAndAwkwardPathsPassAsTheyAre) {
    Script("args\n");
    struct Case {
        const wchar_t* commandLine;
        Args received;
    } cases[] = {
        {L"-i \"C:\\in dir\\clip.avi\"", {"-nostdin", "-i", "C:\\in dir\\clip.avi"}},
        {L"-i \"C:\\a\\b.mov\" -y \"C:\\out\\\\\"", {"-nostdin", "-i", "C:\\a\\b.mov", "-y", "C:\\out\\"}},
        {L"-i \"C:\\x\\say \\\"hi\\\".avi\" -y \"C:\\o.avi\"",
         {"-nostdin", "-i", "C:\\x\\say \"hi\".avi", "-y", "C:\\o.avi"}},
        {L"-i \"\\\\?\\C:\\long\\name.avi\"", {"-nostdin", "-i", "\\\\?\\C:\\long\\name.avi"}},
    };
    for (const Case& c : cases) {
        RunResult run = Run(c.commandLine);
        ASSERT_TRUE(run.started);
        EXPECT_EQ(c.received, Lines(run.output)) << run.output;
    }
}

// Output is relayed byte for byte (status lines end with a lone CR, others
// with CR LF, as a Windows encoder writes them), standard error included, and
// the encoder's exit code becomes the front's.
TEST_F(WindowsFront, RelaysOutputAndExitCode) {
    struct Case {
        const char* script;
        std::string output;
        DWORD exitCode;
    } cases[] = {
        {"err   Duration: 00:00:10.50, start: 0.000000\\r\\n\n"
         "err frame=   10 time=00:00:02.00 bitrate= 100.0kbits/s\\r\n"
         "out caf\\xc3\\xa9\\n\n",
         "  Duration: 00:00:10.50, start: 0.000000\r\nframe=   10 time=00:00:02.00 bitrate= "
         "100.0kbits/s\rcaf\xc3\xa9\n",
         0},
        {"err clip.avi: Invalid data found when processing input\\r\\n\nexit 1\n",
         "clip.avi: Invalid data found when processing input\r\n", 1},
        {"repeat 5000 0123456789abcdef\nexit 259\n", std::string(), 259},
    };
    for (const Case& c : cases) {
        Script(c.script);
        RunResult run = Run(L"-i \"C:\\in\\a.avi\" -y \"C:\\out\\a.avi\"");
        ASSERT_TRUE(run.started);
        if (c.output.empty()) {
            std::string expected;
            for (int i = 0; i < 5000; ++i)
                expected += "0123456789abcdef";
            EXPECT_EQ(expected, run.output);
        } else {
            EXPECT_EQ(c.output, run.output);
        }
        EXPECT_EQ(c.exitCode, run.exitCode);
    }
}

// Stop terminates the front; the encoder it started must not outlive it.
TEST_F(WindowsFront, TerminatedFrontTakesTheEncoderWithIt) {
    const std::wstring pidFile = m_folder + L"\\encoder.pid";
    Script("pidfile " + std::string(pidFile.begin(), pidFile.end()) + "\nout started\\n\nsleep 30000\n");
    DWORD encoderId = 0;
    RunResult run = RunCommand(
        Front() + L" -i \"C:\\in\\a.avi\" -y \"C:\\out\\a.avi\"", "started", [&](bool ended) {
            if (!ended)
                encoderId = std::stoul(quorvex_test::ReadWholeFile(pidFile));
        });
    ASSERT_TRUE(run.started);
    ASSERT_NE(0u, encoderId);
    HANDLE encoder = OpenProcess(SYNCHRONIZE, FALSE, encoderId);
    if (encoder) {
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(encoder, 10000)) << "the encoder outlived the front";
        CloseHandle(encoder);
    }
    EXPECT_FALSE(quorvex_test::ProcessRunning(encoderId));
}

// When the reader of the output goes (the program has ended), the front ends
// the encoder at its next write instead of leaving it running.
TEST_F(WindowsFront, EncoderEndsWhenNobodyReadsAnyMore) {
    const std::wstring pidFile = m_folder + L"\\encoder.pid", go = m_folder + L"\\go";
    const std::string goPath(go.begin(), go.end());
    Script("pidfile " + std::string(pidFile.begin(), pidFile.end()) + "\nout started\\n\nwaitfile " + goPath +
           "\nout more\\n\nsleep 30000\n");
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, &inheritable, 0));
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = writeEnd;
    std::wstring commandLine = Front() + L" -i \"C:\\in\\a.avi\" -y \"C:\\out\\a.avi\"";
    PROCESS_INFORMATION front{};
    ASSERT_TRUE(CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                               &front));
    CloseHandle(writeEnd);
    char chunk[64];
    DWORD got = 0;
    std::string output;
    while (output.find("started") == std::string::npos && ReadFile(readEnd, chunk, sizeof(chunk), &got, nullptr))
        output.append(chunk, got);
    CloseHandle(readEnd);
    quorvex_test::WriteWholeFile(go, "");

    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(front.hProcess, 15000)) << "the front kept running";
    const DWORD encoderId = std::stoul(quorvex_test::ReadWholeFile(pidFile));
    HANDLE encoder = OpenProcess(SYNCHRONIZE, FALSE, encoderId);
    if (encoder) {
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(encoder, 10000)) << "the encoder kept running";
        CloseHandle(encoder);
    }
    TerminateProcess(front.hProcess, 1);
    CloseHandle(front.hThread);
    CloseHandle(front.hProcess);
}

// Without an encoder the front says where to put one and fails, so that the
// program counts the file as failed and its log says why. QUORVEX_FFMPEG,
// when set, names the encoder instead of the folder.
TEST_F(WindowsFront, MissingEncoderIsNamedAndFails) {
    Script("args\n");
    const std::wstring elsewhere = m_folder + L"\\elsewhere.exe";
    ASSERT_TRUE(CopyFileW(Encoder().c_str(), elsewhere.c_str(), FALSE));
    ASSERT_TRUE(DeleteFileW(Encoder().c_str()));
    const std::string folderText(m_program.begin(), m_program.end());
    const std::wstring nowhere = m_folder + L"\\nowhere\\ffmpeg.exe";
    struct Case {
        const char* name;
        std::wstring variable; // empty: not set
        bool runs;
        std::string says; // the message holds this
    } cases[] = {
        {"no encoder in the folder", L"", false, "into the folder " + folderText + "\\encoder\\"},
        {"variable naming nothing", nowhere, false, std::string(nowhere.begin(), nowhere.end())},
        {"variable naming the front itself", Front(), false, "QUORVEX_FFMPEG"},
        {"variable naming an encoder", elsewhere, true, "-nostdin\n-i\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetEnvironmentVariableW(L"QUORVEX_FFMPEG", c.variable.empty() ? nullptr : c.variable.c_str());
        RunResult run = Run(L"-i \"C:\\in\\a.avi\"");
        ASSERT_TRUE(run.started);
        EXPECT_NE(std::string::npos, run.output.find(c.says)) << run.output;
        if (c.runs) {
            EXPECT_EQ(0u, run.exitCode);
        } else {
            EXPECT_EQ(127u, run.exitCode);
            EXPECT_EQ(0u, run.output.find("Quorvex: no encoder found")) << run.output;
            EXPECT_EQ("\r\n", run.output.substr(run.output.size() - 2));
        }
    }
}

// The engine's pure parts: the profile catalogue, output names and command
// lines, and the reading of encoder output (decoding, line splitting, duration
// and position parsing). No encoder process is started here.
#include "AppContext.h"
#include "CommandLine.h"
#include "EncoderOutput.h"
#include "ProfileCatalogue.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "real_encoder_output.h"

namespace {

using namespace std::string_literals;

// The 23 argument strings, by the letter that names them.
// clang-format off
const std::map<wchar_t, std::wstring> kArgs = {
    {L'A', L"-f avi -r 29.97 -vcodec libxvid -vtag XVID -s 640x480 -aspect 4:3 -maxrate 1800kb -b 1500kb -qmin 3 -qmax 5 -bufsize 4096 -mbd 2 -bf 2 -flags +4mv -trellis -aic -cmp 2 -subcmp 2 -g 300 -acodec libmp3lame -ar 48000 -ab 128kb -ac 2 -y"},
    {L'B', L"-f avi -r 29.97 -vcodec libxvid -vtag XVID -s 704x384 -aspect 16:9 -maxrate 1800k -b 1500k -qmin 3 -qmax 5 -bufsize 4096 -mbd 2 -bf 2 -flags +4mv -trellis -aic -cmp 2 -subcmp 2 -g 300 -acodec libmp3lame -ar 48000 -ab 128k -ac 2 -y"},
    {L'C', L"-s 432x320 -vcodec libx264 -b 500k -threads 0 -acodec libfaac -ab 96kb -y"},
    {L'D', L"-s 480x272 -vcodec libx264 -b 500k -threads 0 -acodec libfaac -ab 96kb -y"},
    {L'E', L"-f mp4 -r 24 -vcodec libx264 -s 240x180 -aspect 4:3 -maxrate 800kb -bufsize 80k -b 400kb -acodec libfaac -ar 44100 -ab 80kb -ac 2 -y"},
    {L'F', L"-f mp4 -r 24 -vcodec libx264 -s 320x180 -aspect 16:9 -maxrate 800kb -bufsize 80k -b 400kb -acodec libfaac -ar 44100 -ab 80kb -ac 2 -y"},
    {L'G', L"-f dvd -target ntsc-dvd -r 29.97 -s 720x480 -aspect 4:3 -b 8000kb -mbd rd -trellis -mv0 -cmp 0 -subcmp 2 -y"},
    {L'H', L"-f dvd -target ntsc-dvd -r 29.97 -s 720x480 -aspect 16:9 -b 8000kb -g 12 -mbd rd -trellis -mv0 -cmp 0 -subcmp 2 -y"},
    {L'I', L"-f dvd -vcodec mpeg2video -r 29.97 -s 352x480 -aspect 4:3 -b 4000kb -mbd rd -trellis -mv0 -cmp 2 -subcmp 2 -acodec mp2 -ab 192kb -ar 48000 -ac 2 -y"},
    {L'J', L"-f dvd -vcodec mpeg2video -r 29.97 -s 352x480 -aspect 16:9 -b 4000kb -mbd rd -trellis -mv0 -cmp 2 -subcmp 2 -acodec mp2 -ab 192kb -ar 48000 -ac 2 -y"},
    {L'K', L"-vcodec flv -f flv -r 29.97 -s 320x240 -aspect 4:3 -b 300kb -g 160 -cmp dct  -subcmp dct  -mbd 2 -flags +aic+cbp+mv0+mv4 -trellis 1 -ac 1 -ar 22050 -ab 56kb -y"},
    {L'L', L"-vcodec flv -f flv -r 29.97 -s 320x180 -aspect 16:9 -b 300kb -g 160 -cmp dct -subcmp dct -mbd 2 -flags +aic+cbp+mv0+mv4 -trellis 1 -ac 1 -ar 22050 -ab 56kb -y"},
    {L'M', L"-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf 21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions +parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 -i_qfactor 0.71 -s 480x320 -aspect 16:9 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y"},
    {L'N', L"-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf 21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions +parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 -i_qfactor 0.71 -s 320x240 -aspect 4:3 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y"},
    {L'O', L"-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf 21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions +parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 -i_qfactor 0.71 -s 320x176 -aspect 16:9 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y"},
    {L'P', L"-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf 21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions +parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 -i_qfactor 0.71 -s 512x384 -aspect 4:3 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y"},
    {L'Q', L"-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf 21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions +parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 -i_qfactor 0.71 -s 624x352 -aspect 16:9 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y"},
    {L'R', L"-f mp4 -r 15 -vcodec mpeg4 -s 320x240 -b 320kb -aspect 4:3 -acodec libfaac -ab 96kb -ar 44100 -ac 2 -y"},
    {L'S', L"-f mp4 -r 15 -vcodec mpeg4 -s 320x180 -b 320kb -aspect 16:9 -acodec libfaac -ab 96kb -ar 44100 -ac 2 -y"},
    {L'T', L"-r 15 -b 64kb -ac 1 -s 176x132 -padtop 6 -padbottom 6 -ar 16000 -ab 32kb -acodec libfaac -vcodec h263 -y"},
    {L'U', L"-f mp4 -r 29.97 -vcodec libx264 -s 480x272 -aspect 16:9 -b 1250kb -maxrate 4M -bufsize 4M -flags +loop -cmp +chroma -partitions +parti4x4+partp8x8+partb8x8 -me_method umh -subq 6 -trellis 1 -refs 2 -bf 1 -coder 1 -me_range 16 -g 300 -keyint_min 25 -sc_threshold 40 -i_qfactor 0.71 -bt 1250k -qcomp 0.6 -qmin 10 -qmax 51 -qdiff 4 -level 21 -acodec libfaac -ab 128kb -ar 48000 -ac 2 -y"},
    {L'V', L"-vcodec wmv2  -acodec wmav2 -b 1200kb -ab 160kb -r 25 -s 720x480 -y"},
    {L'W', L"-vcodec wmv2  -acodec wmav2 -b 640kb -ab 128kb -r 23.97 -s 320x240 -y"},
};
// clang-format on

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { catalogue.Fill(); }
    ProfileCatalogue catalogue;
};

TEST_F(CatalogueTest, ListsTheElevenTargetsInCodeUnitOrder) {
    std::vector<std::wstring> names = {L"stale"};
    ASSERT_TRUE(catalogue.GetNames(names));
    const std::vector<std::wstring> expected = {L"AVI", L"Android",  L"Blackberry", L"DVD",
                                                L"FLV", L"IPhone",   L"IPod",       L"Mobile Phone",
                                                L"PSP", L"Xbox 360", L"Zune"};
    EXPECT_EQ(expected, names);
}

TEST_F(CatalogueTest, SizesDefaultsAndExtensionsPerTarget) {
    struct Row {
        const wchar_t* target;
        std::vector<std::wstring> sizes;
        const wchar_t* defaultSize;
        const wchar_t* extension;
    };
    const std::vector<std::wstring> two = {L"FullScreen", L"WideScreen"};
    const Row rows[] = {
        {L"AVI", two, L"WideScreen", L"avi"},
        {L"Android", two, L"FullScreen", L"mp4"},
        {L"Blackberry", two, L"FullScreen", L"mp4"},
        {L"DVD", two, L"WideScreen", L"mpg"},
        {L"FLV", two, L"FullScreen", L"flv"},
        {L"IPhone", {L"WideScreen"}, L"WideScreen", L"m4v"},
        {L"IPod",
         {L"FullScreen", L"WideScreen", L"FullScreen ( for TV )", L"WideScreen ( for TV )"},
         L"FullScreen",
         L"m4v"},
        {L"Mobile Phone", two, L"FullScreen", L"mp4"},
        {L"PSP", {L"FullScreen"}, L"FullScreen", L"mp4"},
        {L"Xbox 360", two, L"FullScreen", L"wmv"},
        {L"Zune", two, L"FullScreen", L"wmv"},
    };
    const std::vector<std::wstring> qualities = {L"High", L"Normal", L"Low"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.target);
        std::vector<std::wstring> list = {L"stale"};
        ASSERT_TRUE(catalogue.GetSizes(row.target, list));
        EXPECT_EQ(row.sizes, list);
        ASSERT_TRUE(catalogue.GetQualities(row.target, list));
        EXPECT_EQ(qualities, list);
        EXPECT_EQ(row.defaultSize, catalogue.GetDefaultSize(row.target));
        EXPECT_EQ(L"Normal", catalogue.GetDefaultQuality(row.target));
        EXPECT_EQ(row.extension, catalogue.GetExtension(row.target, L"Normal", row.defaultSize));
    }
    EXPECT_EQ(L"3gp", catalogue.GetExtension(L"Mobile Phone", L"Low", L"WideScreen"));
    EXPECT_EQ(L"mp4", catalogue.GetExtension(L"Mobile Phone", L"High", L"WideScreen"));
}

// Every string is reachable, and each selection rule is tested at its edges
// (labels that differ only in case or spacing are not the same label).
TEST_F(CatalogueTest, SelectsTheArgumentString) {
    struct Row {
        const wchar_t* target;
        const wchar_t* quality;
        const wchar_t* size;
        wchar_t letter; // 0: no string
    };
    const Row rows[] = {
        {L"AVI", L"Normal", L"FullScreen", L'A'},
        {L"AVI", L"Low", L"WideScreen", L'B'},
        {L"AVI", L"Normal", L"fullscreen", 0},
        {L"AVI", L"Normal", L"", 0},
        {L"Android", L"High", L"FullScreen", L'C'},
        {L"Android", L"High", L"WideScreen", L'D'},
        {L"Android", L"High", L"FullScreen ( for TV )", 0},
        {L"Blackberry", L"Low", L"FullScreen", L'E'},
        {L"Blackberry", L"Low", L"WideScreen", L'F'},
        {L"Blackberry", L"Low", L"Wide", 0},
        {L"DVD", L"High", L"FullScreen", L'G'},
        {L"DVD", L"Normal", L"WideScreen", L'H'},
        {L"DVD", L"Low", L"FullScreen", L'I'},
        {L"DVD", L"Low", L"WideScreen", L'J'},
        {L"DVD", L"Low", L"anything", L'I'},
        {L"DVD", L"", L"", L'G'},
        {L"DVD", L"low", L"WideScreen", L'H'},
        {L"FLV", L"Normal", L"FullScreen", L'K'},
        {L"FLV", L"Normal", L"WideScreen", L'L'},
        {L"FLV", L"Normal", L"Other", 0},
        {L"IPhone", L"Normal", L"WideScreen", L'M'},
        {L"IPhone", L"Normal", L"FullScreen", 0},
        {L"IPod", L"Low", L"FullScreen", L'N'},
        {L"IPod", L"Low", L"WideScreen", L'O'},
        {L"IPod", L"Low", L"FullScreen ( for TV )", L'P'},
        {L"IPod", L"Low", L"WideScreen ( for TV )", L'Q'},
        {L"IPod", L"Low", L"WideScreen (for TV)", 0},
        {L"Mobile Phone", L"Normal", L"FullScreen", L'R'},
        {L"Mobile Phone", L"High", L"FullScreen", L'R'},
        {L"Mobile Phone", L"Normal", L"WideScreen", L'S'},
        {L"Mobile Phone", L"High", L"WideScreen ( for TV )", L'S'},
        {L"Mobile Phone", L"Low", L"WideScreen", L'T'},
        {L"Mobile Phone", L"Low", L"", L'T'},
        {L"Mobile Phone", L"Best", L"FullScreen", 0},
        {L"Mobile Phone", L"", L"FullScreen", 0},
        {L"PSP", L"High", L"FullScreen", L'U'},
        {L"PSP", L"Low", L"FullScreen", L'U'},
        {L"PSP", L"Normal", L"WideScreen", 0},
        {L"Xbox 360", L"", L"", L'V'},
        {L"Xbox 360", L"Low", L"WideScreen", L'V'},
        {L"Zune", L"", L"", L'W'},
        {L"Zune", L"High", L"whatever", L'W'},
        {L"Unknown", L"Normal", L"FullScreen", 0},
        {L"avi", L"Normal", L"FullScreen", 0},
        {L"", L"Normal", L"FullScreen", 0},
    };
    std::map<wchar_t, int> used;
    for (const Row& row : rows) {
        SCOPED_TRACE(std::wstring(row.target) + L" / " + row.quality + L" / " + row.size);
        std::wstring expected = row.letter ? kArgs.at(row.letter) : std::wstring();
        EXPECT_EQ(expected, catalogue.GetArguments(row.target, row.quality, row.size));
        if (row.letter)
            ++used[row.letter];
    }
    EXPECT_EQ(23u, used.size()) << "every argument string is selected by some row";
}

TEST_F(CatalogueTest, KeepsDoubledBlanksAndFitsTheScreenSizes) {
    EXPECT_NE(std::wstring::npos,
              catalogue.GetArguments(L"FLV", L"Normal", L"FullScreen").find(L"dct  -subcmp dct  -mbd"));
    EXPECT_EQ(std::wstring::npos, catalogue.GetArguments(L"FLV", L"Normal", L"WideScreen").find(L"  "));
    EXPECT_EQ(0u, catalogue.GetArguments(L"Xbox 360", L"", L"").find(L"-vcodec wmv2  -acodec"));
    EXPECT_EQ(0u, catalogue.GetArguments(L"Zune", L"", L"").find(L"-vcodec wmv2  -acodec"));
    // The one PSP screen is labelled "FullScreen" but is a 16:9 string.
    std::wstring psp = catalogue.GetArguments(L"PSP", L"Normal", L"FullScreen");
    EXPECT_NE(std::wstring::npos, psp.find(L"-s 480x272 -aspect 16:9"));
    for (const auto& entry : kArgs)
        EXPECT_EQ(L"-y", entry.second.substr(entry.second.size() - 2)) << entry.first;
}

TEST_F(CatalogueTest, UnknownTargetsAreNotFound) {
    for (const wchar_t* name : {L"", L"Unknown", L"psp", L"Xbox360"}) {
        SCOPED_TRACE(name);
        std::vector<std::wstring> list = {L"kept"};
        EXPECT_EQ(nullptr, catalogue.Find(name));
        EXPECT_FALSE(catalogue.GetSizes(name, list));
        EXPECT_FALSE(catalogue.GetQualities(name, list));
        EXPECT_EQ(std::vector<std::wstring>{L"kept"}, list);
        EXPECT_EQ(L"", catalogue.GetDefaultQuality(name));
        EXPECT_EQ(L"", catalogue.GetDefaultSize(name));
        EXPECT_EQ(L"", catalogue.GetExtension(name, L"Normal", L"FullScreen"));
    }
}

TEST_F(CatalogueTest, RegisterReplacesAndInitialises) {
    EXPECT_FALSE(catalogue.Register(L"AVI", nullptr));
    EXPECT_EQ(L"avi", catalogue.GetExtension(L"AVI", L"", L""));
    ASSERT_TRUE(catalogue.Register(L"AVI", std::make_unique<ZuneProfile>()));
    EXPECT_EQ(L"wmv", catalogue.GetExtension(L"AVI", L"", L""));
    std::vector<std::wstring> names;
    catalogue.GetNames(names);
    EXPECT_EQ(11u, names.size());
    std::vector<std::wstring> qualities;
    ASSERT_TRUE(catalogue.GetQualities(L"AVI", qualities));
    EXPECT_EQ((std::vector<std::wstring>{L"High", L"Normal", L"Low"}), qualities);
}

TEST(AppContextTest, ProcessWideObjectAndProgramFolder) {
    AppContext::DestroyInstance();
    EXPECT_EQ(nullptr, AppContext::Current());
    AppContext& context = AppContext::Instance();
    EXPECT_EQ(&context, AppContext::Current());
    EXPECT_EQ(nullptr, context.Settings());
    ASSERT_TRUE(context.Initialize());
    ASSERT_NE(nullptr, context.Settings());
    ASSERT_NE(nullptr, context.Catalogue());
    EXPECT_TRUE(context.Initialize()) << "a second initialisation keeps what exists";

    wchar_t module[MAX_PATH];
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring expected(module);
    expected.erase(expected.find_last_of(L'\\') + 1);
    EXPECT_EQ(expected, context.ProgramFolder());
    EXPECT_EQ(expected + L"ffmpeg.exe", context.EncoderPath());
    context.SetProgramFolder(L"C:\\Elsewhere");
    EXPECT_EQ(L"C:\\Elsewhere\\", context.ProgramFolder());
    context.SetProgramFolder(L"");
    EXPECT_EQ(expected, context.ProgramFolder());

    context.Settings()->ConvertFiles = {L"a"};
    context.Settings()->Target = L"AVI";
    context.Settings()->Reset();
    EXPECT_TRUE(context.Settings()->ConvertFiles.empty());
    EXPECT_TRUE(context.Settings()->Target.empty());
    AppContext::DestroyInstance();
    EXPECT_EQ(nullptr, AppContext::Current());
}

TEST(CommandLineTest, OutputNames) {
    struct Row {
        const wchar_t* input;
        const wchar_t* folder;
        const wchar_t* extension;
        const wchar_t* expected; // null: refused
    };
    const Row rows[] = {
        {L"C:\\in\\a.mov", L"C:\\MyVideo", L"flv", L"C:\\MyVideo\\a.flv"},
        {L"C:\\in\\clip.part1.avi", L"C:\\out", L"mp4", L"C:\\out\\clip.part1.mp4"},
        {L"C:\\in\\.avi", L"C:\\out", L"mp4", L"C:\\out\\.mp4"}, // the only dot first: empty base name
        {L"C:\\in\\clip.", L"C:\\out", L"mp4", L"C:\\out\\clip.mp4"},
        {L"C:\\in\\a.mov", L"C:\\out\\", L"avi", L"C:\\out\\\\a.avi"},
        {L"C:\\in.dir\\noext", L"C:\\out", L"avi", nullptr},
        {L"a.mov", L"C:\\out", L"avi", nullptr},
        {L"C:\\in\\a.mov", L"C:\\out", L"", nullptr},
        {L"\\\\server\\share\\film.mkv", L"D:\\v", L"3gp", L"D:\\v\\film.3gp"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input);
        std::wstring output = L"untouched";
        EXPECT_EQ(row.expected != nullptr, BuildOutputPath(row.input, row.folder, row.extension, output));
        EXPECT_EQ(row.expected ? row.expected : L"untouched", output);
    }
}

TEST(CommandLineTest, ConversionAndProbeCommands) {
    ProfileCatalogue catalogue;
    catalogue.Fill();
    std::wstring command, output;
    ASSERT_TRUE(BuildConversionCommand(catalogue, L"C:\\Tools\\ffmpeg.exe", L"C:\\in\\a.mov", L"C:\\MyVideo",
                                       L"FLV", L"Normal", L"FullScreen", command, output));
    EXPECT_EQ(L"C:\\Tools\\ffmpeg.exe -i \"C:\\in\\a.mov\" " + kArgs.at(L'K') + L" \"C:\\MyVideo\\a.flv\"",
              command);
    EXPECT_EQ(L"C:\\MyVideo\\a.flv", output);

    ASSERT_TRUE(BuildConversionCommand(catalogue, L"C:\\Program Files\\Q\\ffmpeg.exe",
                                       L"C:\\my films\\b c.avi", L"C:\\out dir", L"Mobile Phone", L"Low",
                                       L"WideScreen", command, output));
    // A program folder with a blank: the encoder's path is quoted, or the
    // system would look for C:\Program.exe and the encoder get "Files\Q\..."
    // as an argument.
    EXPECT_EQ(L"\"C:\\Program Files\\Q\\ffmpeg.exe\" -i \"C:\\my films\\b c.avi\" " + kArgs.at(L'T') +
                  L" \"C:\\out dir\\b c.3gp\"",
              command);
    EXPECT_EQ(L"\"C:\\Program Files\\Q\\ffmpeg.exe\" -i \"C:\\in\\a.mov\"",
              BuildProbeCommand(L"C:\\Program Files\\Q\\ffmpeg.exe", L"C:\\in\\a.mov"));
    EXPECT_EQ(L"\"C:\\Tab\there\\ffmpeg.exe\" -i \"C:\\a.avi\"",
              BuildProbeCommand(L"C:\\Tab\there\\ffmpeg.exe", L"C:\\a.avi"));

    struct Refused {
        const wchar_t* input;
        const wchar_t* target;
        const wchar_t* size;
    };
    const Refused refused[] = {
        {L"noslash.avi", L"AVI", L"FullScreen"},       // no backslash
        {L"C:\\in\\noext", L"AVI", L"FullScreen"},     // no dot
        {L"C:\\in\\a.avi", L"IPhone", L"FullScreen"},  // no string for the pair
        {L"C:\\in\\a.avi", L"Nothing", L"FullScreen"}, // unknown target
    };
    for (const Refused& row : refused) {
        SCOPED_TRACE(std::wstring(row.input) + L" " + row.target);
        command = L"kept";
        output = L"kept";
        EXPECT_FALSE(BuildConversionCommand(catalogue, L"C:\\ffmpeg.exe", row.input, L"C:\\out", row.target,
                                            L"Normal", row.size, command, output));
        EXPECT_EQ(L"kept", command);
        EXPECT_EQ(L"kept", output);
    }

    EXPECT_EQ(L"C:\\Tools\\ffmpeg.exe -i \"C:\\in\\a b.mov\"",
              BuildProbeCommand(L"C:\\Tools\\ffmpeg.exe", L"C:\\in\\a b.mov"));
}

TEST(CommandLineTest, SameFileComparesFullPathsWithoutCase) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"quorvex_samefile";
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring file = folder + L"\\Clip.avi";
    HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    CloseHandle(h);

    EXPECT_TRUE(IsSameFile(file, file));
    EXPECT_TRUE(IsSameFile(file, folder + L"\\CLIP.AVI"));
    EXPECT_TRUE(IsSameFile(file, folder + L"\\\\clip.avi"));
    EXPECT_TRUE(IsSameFile(file, folder + L"\\.\\sub\\..\\Clip.avi"));
    EXPECT_TRUE(IsSameFile(L"C:\\Never\\There.avi", L"c:\\never\\there.AVI"));
    EXPECT_FALSE(IsSameFile(file, folder + L"\\Clip.mp4"));
    EXPECT_FALSE(IsSameFile(file, folder + L"\\Clip.avi.avi"));

    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
}

TEST(EncoderOutputTest, PositionFromBothTimeForms) {
    struct Row {
        const wchar_t* line;
        bool found;
        long long seconds;
    };
    const Row rows[] = {
        {L"frame=  25 fps=0.0 q=2.0 size= 10kB time=10.01 bitrate= 8.1kbits/s", true, 10},
        {L"size= 10kB time=12.34 bitrate=1", true, 12},
        {L"size= 10kB time=00:01:02.50 bitrate=1", true, 62},
        {L"size= 10kB time=01:00:00.00 bitrate=1", true, 3600},
        {L"size= 10kB time=123:45:06.99 bitrate=1", true, 123 * 3600 + 45 * 60 + 6},
        {L"size= 10kB time=N/A bitrate=1", true, 0},
        {L"size= 10kB time=00:00:07.25", true, 7}, // at the end of the line
        {L"time=42", true, 42},
        {L"time=", true, 0},
        {L"time= 12", true, 0},
        {L"a time=3.5 b time=9.0", true, 3},
        {L"no position here", false, -1},
        {L"Duration: 00:00:10.00", false, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        long long seconds = -1;
        EXPECT_EQ(row.found, ParseTimePosition(row.line, seconds));
        EXPECT_EQ(row.seconds, seconds);
    }
}

TEST(EncoderOutputTest, DurationSecondsAndText) {
    struct Row {
        const wchar_t* line;
        bool found;
        long long seconds;
        const wchar_t* text;
    };
    const Row rows[] = {
        {L"  Duration: 00:00:10.50, start: 0.000000, bitrate: 1000 kb/s", true, 10, L"00:00:10"},
        {L"  Duration: 00:01:23.45, start: 0.0", true, 83, L"00:01:23"},
        {L"  Duration: 01:02:03.99, start: 0.0", true, 3723, L"01:02:03"},
        {L"  Duration: 150:00:00.00, start: 0.0", true, 540000, L"150:00:00"},
        {L"  Duration: 00:00:10", true, 10, L"00:00:10"},
        {L"  Duration: N/A, bitrate: N/A", true, 0, L"N/A"},
        {L"  Duration: 00:00:10.50 , start: 0.0", true, 10, L"00:00:10"},
        // Values that are no clock time say nothing about the duration: a
        // title such as "My Duration: 5", a damaged or foreign value.
        {L"    title           : My Duration: 5", false, -1, L""},
        {L"  Duration: 0:0:10.00, start: 0.0", false, -1, L""},
        {L"  Duration: 00:61:00.00, start: 0.0", false, -1, L""},
        {L"  Duration: 00:00:75.00, start: 0.0", false, -1, L""},
        {L"  Duration: -00:00:10.00, start: 0.0", false, -1, L""},
        {L"  Duration: 00:00:10., start: 0.0", false, -1, L""},
        {L"  Duration: 00:00:10.5x, start: 0.0", false, -1, L""},
        {L"  Duration: 00:00, start: 0.0", false, -1, L""},
        {L"  Duration: 1234567890:00:00.00, start: 0.0", false, -1, L""},
        {L"  Duration: , start: 0.0", false, -1, L""},
        {L"  Duration: n/a, start: 0.0", false, -1, L""},
        {L"Duration: 00:00:10.50,", false, -1, L""}, // no leading blank
        {L"frame= 1 time=1.00", false, -1, L""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        long long seconds = -1;
        std::wstring text;
        EXPECT_EQ(row.found, ParseDurationSeconds(row.line, seconds));
        EXPECT_EQ(row.seconds, seconds);
        EXPECT_EQ(row.found, ParseDurationText(row.line, text));
        EXPECT_EQ(row.text, text);
    }
}

TEST(EncoderOutputTest, ProgressStaysInRangeWithoutOverflow) {
    EXPECT_EQ(200, ComputeProgress(2, 10));
    EXPECT_EQ(500, ComputeProgress(5, 10));
    EXPECT_EQ(1000, ComputeProgress(12, 10));
    EXPECT_EQ(456, ComputeProgress(456, 1000));
    EXPECT_EQ(0, ComputeProgress(5, 0)) << "no duration yet";
    EXPECT_EQ(0, ComputeProgress(-577014, 10)) << "a negative start time";
    // A position past what 32-bit arithmetic could multiply by 1000.
    EXPECT_EQ(500, ComputeProgress(3000000, 6000000));
    EXPECT_EQ(999, ComputeProgress(359999, 360000));
    long long huge = 0;
    ASSERT_TRUE(ParseTimePosition(L"time=99999999999999999999999:00:00.00 x", huge));
    EXPECT_EQ(1000, ComputeProgress(huge, 360000));
    EXPECT_EQ(0, ComputeProgress(1, huge));
}

std::vector<std::wstring> SplitChunks(const std::vector<std::wstring>& chunks, bool finish) {
    LineSplitter splitter;
    std::vector<std::wstring> lines;
    for (const std::wstring& chunk : chunks)
        splitter.Feed(chunk, lines);
    std::wstring last;
    if (finish && splitter.Finish(last))
        lines.push_back(last);
    return lines;
}

TEST(EncoderOutputTest, SplitsAtEveryKindOfLineEnd) {
    using Lines = std::vector<std::wstring>;
    struct Row {
        const char* name;
        std::vector<std::wstring> chunks;
        Lines expected;
    };
    const Row rows[] = {
        {"CR LF", {L"one\r\ntwo\r\n"}, {L"one", L"two"}},
        {"LF", {L"one\ntwo\n"}, {L"one", L"two"}},
        {"lone CR", {L"time=1 \rtime=2 \r"}, {L"time=1 ", L"time=2 "}},
        {"mixed", {L"a\r\nb\rc\nd\r\n"}, {L"a", L"b", L"c", L"d"}},
        {"CR LF across chunks", {L"one\r", L"\ntwo\r\n"}, {L"one", L"two"}},
        {"line across chunks", {L"on", L"e\r", L"\n", L"tw", L"o\n"}, {L"one", L"two"}},
        {"no end yet", {L"partial"}, {}},
        {"empty chunk", {L"", L"x\n", L""}, {L"x"}},
        {"blank line kept", {L"a\n\nb\n"}, {L"a", L"", L"b"}},
        {"first char kept", {L"\rX\r"}, {L"", L"X"}},
        {"one char lines", {L"a\rb\r\nc\n"}, {L"a", L"b", L"c"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, SplitChunks(row.chunks, false));
    }
    // A last line without an end is recorded once, at the end.
    EXPECT_EQ((Lines{L"a", L"tail"}), SplitChunks({L"a\nta", L"il"}, true));
    EXPECT_EQ((Lines{L"a"}), SplitChunks({L"a\r\n"}, true));
    EXPECT_EQ((Lines{L"a"}), SplitChunks({L"a\r"}, true));
}

TEST(EncoderOutputTest, Utf8CutByAReadBoundaryIsCompleted) {
    // "é" (2 bytes), "日" (3 bytes), "😀" (4 bytes) cut at every position.
    const std::string text = "x\xC3\xA9y\xE6\x97\xA5z\xF0\x9F\x98\x80w";
    const std::wstring expected = L"x\u00E9y\u65E5z\U0001F600w";
    for (size_t cut = 0; cut <= text.size(); ++cut) {
        for (size_t cut2 = cut; cut2 <= text.size(); ++cut2) {
            Utf8StreamDecoder decoder;
            std::wstring decoded = decoder.Decode(text.data(), cut);
            decoded += decoder.Decode(text.data() + cut, cut2 - cut);
            decoded += decoder.Decode(text.data() + cut2, text.size() - cut2);
            decoded += decoder.Finish();
            ASSERT_EQ(expected, decoded) << "cuts at " << cut << " and " << cut2;
        }
    }
    // Byte by byte.
    Utf8StreamDecoder decoder;
    std::wstring decoded;
    for (char c : text)
        decoded += decoder.Decode(&c, 1);
    EXPECT_EQ(expected, decoded + decoder.Finish());

    // Invalid bytes become replacement characters and never swallow the text after them.
    Utf8StreamDecoder invalid;
    std::wstring bad = invalid.Decode("a\xFF"
                                      "b\x80"
                                      "c",
                                      5);
    EXPECT_EQ(L"a\uFFFDb\uFFFDc", bad);
    // An unfinished sequence at the very end is not lost either.
    EXPECT_EQ(L"a", invalid.Decode("a\xE6\x97", 3));
    EXPECT_EQ(L"\uFFFD", invalid.Finish().substr(0, 1));
}

TEST(EncoderOutputTest, InvalidUtf8AndNulNeverHideTheTextAfterThem) {
    struct Row {
        const char* name;
        std::string bytes;
        std::wstring expected;
    };
    const Row rows[] = {
        {"NUL", "a\0b"s, L"a\0b"s},
        {"overlong slash C0 AF",
         "a\xC0\xAF"
         "b",
         L"a\uFFFD\uFFFDb"},
        {"surrogate ED A0 80",
         "a\xED\xA0\x80"
         "b",
         L"a\uFFFD\uFFFD\uFFFDb"},
        {"FF",
         "a\xFF"
         "b",
         L"a\uFFFDb"},
        {"overlong E0 80 80",
         "a\xE0\x80\x80"
         "b",
         L"a\uFFFD\uFFFD\uFFFDb"},
        {"above U+10FFFF",
         "a\xF4\x90\x80\x80"
         "b",
         L"a\uFFFD\uFFFD\uFFFD\uFFFDb"},
        {"lone continuation",
         "a\x80"
         "b",
         L"a\uFFFDb"},
        {"lead cut by an ASCII byte",
         "a\xE6\x97"
         "b\xC3\xA9",
         L"a\uFFFDb\u00E9"},
        {"lead before a lead", "\xC3\xE6\x97\xA5", L"\uFFFD\u65E5"},
        {"largest code point", "\xF4\x8F\xBF\xBF", L"\U0010FFFF"},
        {"unfinished at the end", "ab\xF0\x9F\x98", L"ab\uFFFD"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Utf8StreamDecoder whole;
        std::wstring text = whole.Decode(row.bytes.data(), row.bytes.size());
        text += whole.Finish();
        EXPECT_EQ(row.expected, text);
        Utf8StreamDecoder bytewise;
        std::wstring decoded;
        for (char c : row.bytes)
            bytewise.Decode(&c, 1, decoded);
        decoded += bytewise.Finish();
        EXPECT_EQ(row.expected, decoded);
    }
}

TEST(EncoderOutputTest, OverlongLinesAreCutAndLaterLinesStillParse) {
    LineSplitter splitter;
    std::vector<std::wstring> lines;
    // A megabyte of output without a line end never grows the pending text
    // past the limit.
    const std::wstring block(4096, L'x');
    for (int i = 0; i < 256; ++i) {
        splitter.Feed(block, lines);
        ASSERT_LE(splitter.Pending().size(), 65536u);
    }
    EXPECT_TRUE(lines.empty());
    splitter.Feed(L"\rframe= 9 time=00:00:05.00 bitrate=1\r", lines);
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ(std::wstring(65536, L'x'), lines[0]);
    long long position = 0;
    ASSERT_TRUE(ParseTimePosition(lines[1], position));
    EXPECT_EQ(5, position);

    // A cut line keeps no half of a character outside the basic plane.
    lines.clear();
    splitter.Feed(std::wstring(65535, L'y') + L"\U0001F600zz\n", lines);
    ASSERT_EQ(1u, lines.size());
    EXPECT_EQ(std::wstring(65535, L'y'), lines[0]);
}

TEST(EncoderOutputTest, LineLogKeepsTheHeadAndTheLastMegabyte) {
    LineLog log;
    for (int i = 0; i < 200; ++i)
        log.Add(L"head " + std::to_wstring(i));
    const int tailLines = 100000;
    for (int i = 0; i < tailLines; ++i)
        log.Add(L"frame=" + std::to_wstring(i) + L" time=00:00:01.00");
    EXPECT_LE(log.TailBytes(), 1024u * 1024u);
    EXPECT_GT(log.TailBytes(), 1024u * 1024u - 64u) << "the tail is filled to its budget";

    std::vector<std::wstring> lines = log.Lines();
    ASSERT_GT(lines.size(), 201u);
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(L"head " + std::to_wstring(i), lines[i]);
    const size_t kept = lines.size() - 201;
    EXPECT_EQ(L"[... " + std::to_wstring(tailLines - kept) + L" lines left out ...]", lines[200]);
    EXPECT_EQ(tailLines - kept, log.LeftOut());
    // The tail is the most recent lines, in order.
    for (size_t i = 0; i < kept; ++i)
        ASSERT_EQ(L"frame=" + std::to_wstring(tailLines - kept + i) + L" time=00:00:01.00", lines[201 + i]);
    size_t bytes = 0;
    for (size_t i = 201; i < lines.size(); ++i)
        bytes += LogBytesOf(lines[i]);
    EXPECT_EQ(log.TailBytes(), bytes);

    log.Clear();
    log.Add(L"only");
    EXPECT_EQ(std::vector<std::wstring>{L"only"}, log.Lines());
}

// Recorded encoder output replayed through the reader in pieces: the lines
// and the progress they give are the same however the output is cut.
struct Replay {
    std::vector<std::wstring> lines;
    std::vector<int> progress; // one value per status line
    bool operator==(const Replay& other) const { return lines == other.lines && progress == other.progress; }
};

// The first line that contains text, or "" when none does.
std::wstring LineWith(const std::vector<std::wstring>& lines, const std::wstring& text) {
    for (const std::wstring& line : lines) {
        if (line.find(text) != std::wstring::npos)
            return line;
    }
    return std::wstring();
}

Replay ReplayOutput(const std::string& bytes, const std::vector<size_t>& cuts) {
    OutputLineReader reader;
    Replay replay;
    size_t start = 0;
    for (size_t cut : cuts) {
        reader.Feed(bytes.data() + start, cut - start, replay.lines);
        start = cut;
    }
    reader.Feed(bytes.data() + start, bytes.size() - start, replay.lines);
    reader.Finish(replay.lines);
    long long duration = 0;
    for (const std::wstring& line : replay.lines) {
        long long value = 0;
        if (ParseTimePosition(line, value))
            replay.progress.push_back(ComputeProgress(value, duration));
        if (ParseDurationSeconds(line, value))
            duration = value;
    }
    return replay;
}

// Every way of cutting the output: at each byte offset, one byte at a time,
// and in random pieces of up to two pipe reads.
void ExpectSameWhateverTheCuts(const std::string& bytes, const Replay& whole) {
    for (size_t cut = 0; cut <= bytes.size(); ++cut)
        ASSERT_EQ(whole, ReplayOutput(bytes, {cut})) << "cut at " << cut;
    std::vector<size_t> everyByte;
    for (size_t cut = 1; cut < bytes.size(); ++cut)
        everyByte.push_back(cut);
    EXPECT_EQ(whole, ReplayOutput(bytes, everyByte));
    std::mt19937 random(20240601);
    for (int round = 0; round < 200; ++round) {
        std::vector<size_t> cuts;
        for (size_t at = random() % 520; at < bytes.size(); at += 1 + random() % 520)
            cuts.push_back(at);
        ASSERT_EQ(whole, ReplayOutput(bytes, cuts)) << "round " << round;
    }
}

TEST(EncoderOutputReplayTest, RealConversionOutputWhateverTheCuts) {
    const std::string bytes(reinterpret_cast<const char*>(kRealEncoderOutput), sizeof(kRealEncoderOutput));
    const Replay whole = ReplayOutput(bytes, {});
    // The input's name, its duration and the status lines that the encoder
    // updates in place with a lone carriage return.
    EXPECT_EQ(L"Input #0, avi, from '/tmp/i10/rec/clip vid\u00E9o \u65E5\u672C.avi':",
              LineWith(whole.lines, L"Input #0"));
    EXPECT_EQ(L"  Duration: 00:00:04.05, start: 0.000000, bitrate: 294 kb/s",
              LineWith(whole.lines, L" Duration: "));
    EXPECT_EQ((std::vector<int>{0, 0, 250, 250, 500, 500, 750, 750, 1000}), whole.progress);
    EXPECT_EQ(L"video:67kB audio:28kB subtitle:0kB other streams:0kB global headers:0kB muxing overhead: "
              L"4.578969%",
              whole.lines.back());
    ExpectSameWhateverTheCuts(bytes, whole);
}

TEST(EncoderOutputReplayTest, NulAndInvalidBytesInTheOutputWhateverTheCuts) {
    std::string bytes(reinterpret_cast<const char*>(kRealEncoderOutput), sizeof(kRealEncoderOutput));
    // Damage the input's description: the text after each bad byte survives.
    const std::string name = "clip vid\xC3\xA9o";
    size_t at = bytes.find(name);
    ASSERT_NE(std::string::npos, at);
    bytes.replace(at, name.size(),
                  "clip\0vid\xC0\xAF"
                  "eo\xED\xA0\x80"
                  "x\xFF"
                  "y"s);
    const Replay whole = ReplayOutput(bytes, {});
    EXPECT_EQ(
        L"Input #0, avi, from '/tmp/i10/rec/clip\0vid\uFFFD\uFFFDeo\uFFFD\uFFFD\uFFFDx\uFFFDy \u65E5\u672C.avi':"s,
        LineWith(whole.lines, L"Input #0"));
    EXPECT_EQ((std::vector<int>{0, 0, 250, 250, 500, 500, 750, 750, 1000}), whole.progress);
    ExpectSameWhateverTheCuts(bytes, whole);
}

} // namespace

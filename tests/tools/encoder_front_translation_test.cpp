// The encoder front's translation of the converter's legacy argument strings
// into options a modern ffmpeg accepts, its Windows command-line splitting and
// its line-end rewriting.
#include "legacy_options.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using EncoderFront::EncoderArguments;
using EncoderFront::IsWindowsPath;
using EncoderFront::JoinCommandLine;
using EncoderFront::LineEndConverter;
using EncoderFront::ModernRate;
using EncoderFront::SplitCommandLine;
using EncoderFront::TranslateArguments;

namespace {

using Args = std::vector<std::string>;

// Stands in for Wine's mapping: C:\x\y -> /c/x/y.
std::string FakeMap(const std::string& windowsPath) {
    if (windowsPath.size() < 3 || windowsPath[1] != ':')
        return std::string();
    std::string out = "/";
    out += static_cast<char>(windowsPath[0] | 0x20);
    for (std::size_t i = 2; i < windowsPath.size(); ++i)
        out += windowsPath[i] == '\\' ? '/' : windowsPath[i];
    return out;
}

Args Translate(const std::string& commandLine) {
    Args args = SplitCommandLine(commandLine);
    args.erase(args.begin());
    return TranslateArguments(args, FakeMap);
}

// The value that follows an option, or "<absent>".
std::string ValueOf(const Args& args, const std::string& option) {
    auto it = std::find(args.begin(), args.end(), option);
    if (it == args.end() || it + 1 == args.end())
        return "<absent>";
    return *(it + 1);
}

bool Has(const Args& args, const std::string& token) {
    return std::find(args.begin(), args.end(), token) != args.end();
}

std::string Command(const std::string& arguments, const std::string& output) {
    return "C:\\Quorvex\\ffmpeg.exe -i \"C:\\in dir\\clip.avi\" " + arguments + " \"D:\\out\\" + output +
           "\"";
}

} // namespace

TEST(EncoderFrontCommandLine, SplitsWithTheUsualWindowsRules) {
    struct Case {
        const char* line;
        Args expected;
    } cases[] = {
        {"prog a b", {"prog", "a", "b"}},
        {"  prog\t a   \t b  ", {"prog", "a", "b"}},
        {"\"C:\\Program Files\\q\\ffmpeg.exe\" -i x", {"C:\\Program Files\\q\\ffmpeg.exe", "-i", "x"}},
        {"p \"a b\" c", {"p", "a b", "c"}},
        {"p a\"b c\"d", {"p", "ab cd"}},
        {"p \"\"", {"p", ""}},
        {"p a\\\\b", {"p", "a\\\\b"}},       // backslashes not before a quote are literal
        {"p a\\\"b", {"p", "a\"b"}},         // \" is a literal quote
        {"p a\\\\\"b c\"", {"p", "a\\b c"}}, // \\" is one backslash, then quoting
        {"p a\\\\\\\"b", {"p", "a\\\"b"}},   // \\\" is a backslash and a quote
        {"p \"a\"\"b\"", {"p", "a\"b"}},     // doubled quote inside quotes
        {"p \"C:\\in\\a.mov\" -y", {"p", "C:\\in\\a.mov", "-y"}},
        {"p \"open", {"p", "open"}},                                 // unterminated quote runs to the end
        {"C:\\dir\\\"x y\"\\p.exe z", {"C:\\dir\\x y\\p.exe", "z"}}, // no escapes in the program name
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, SplitCommandLine(c.line)) << c.line;
}

// The Windows front hands the translated arguments to the encoder as one
// command line, which the encoder's C runtime splits again.
TEST(EncoderFrontCommandLine, JoinsSoThatSplittingGivesTheArgumentsBack) {
    struct Case {
        Args arguments;
        const char* line;
    } cases[] = {
        {{"-i", "a.avi"}, "-i a.avi"},
        {{"-i", "C:\\in dir\\a.avi"}, "-i \"C:\\in dir\\a.avi\""},
        {{"C:\\out dir\\"}, "\"C:\\out dir\\\\\""},        // backslashes before the closing quote double
        {{"say \"hi\""}, "\"say \\\"hi\\\"\""},             // quotes are escaped
        {{"a\\\"b"}, "\"a\\\\\\\"b\""},                     // and the backslashes before them double
        {{"a\\\\b"}, "a\\\\b"},                             // other backslashes stay single
        {{""}, "\"\""},                                     // an empty argument keeps its place
        {{"tab\there"}, "\"tab\there\""},
        {{"aformat=channel_layouts=mono|stereo"}, "aformat=channel_layouts=mono|stereo"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.line, JoinCommandLine(c.arguments));
        Args back = SplitCommandLine("p " + JoinCommandLine(c.arguments));
        back.erase(back.begin());
        EXPECT_EQ(c.arguments, back) << c.line;
    }
}

TEST(EncoderFrontCommandLine, RecognisesWindowsPaths) {
    for (const char* path : {"C:\\a.avi", "z:/tmp/x", "D:", "\\\\?\\C:\\long\\name.avi"})
        EXPECT_TRUE(IsWindowsPath(path)) << path;
    for (const char* text : {"4:3", "16:9", "-i", "a.avi", "/tmp/x", "testsrc=size=320x240:rate=25", "C",
                             "ab:\\x", "\\\\server\\share", ""})
        EXPECT_FALSE(IsWindowsPath(text)) << text;
}

TEST(EncoderFrontTranslation, RatesLoseTheLegacyBitSuffix) {
    struct Case {
        const char* legacy;
        const char* modern;
    } cases[] = {{"1500kb", "1500k"}, {"96kb", "96k"}, {"1800k", "1800k"},  {"4M", "4M"}, {"4096", "4096"},
                 {"2mb", "2M"},       {"56Kb", "56k"}, {"128kbit", "128k"}, {"b", "b"},   {"kb", "kb"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.modern, ModernRate(c.legacy)) << c.legacy;
}

TEST(EncoderFrontTranslation, MapsInputAndOutputAndKeepsTheirPlaces) {
    Args out = Translate(
        Command("-vcodec wmv2  -acodec wmav2 -b 640kb -ab 128kb -r 23.97 -s 320x240 -y", "a b.wmv"));
    ASSERT_GE(out.size(), 3u);
    EXPECT_EQ("-i", out[0]);
    EXPECT_EQ("/c/in dir/clip.avi", out[1]);
    EXPECT_EQ("/d/out/a b.wmv", out.back());
    EXPECT_EQ("wmv2", ValueOf(out, "-c:v"));
    EXPECT_EQ("wmav2", ValueOf(out, "-c:a"));
    EXPECT_EQ("640k", ValueOf(out, "-b:v"));
    EXPECT_EQ("128k", ValueOf(out, "-b:a"));
    EXPECT_EQ("23.97", ValueOf(out, "-r"));
    EXPECT_EQ("320x240", ValueOf(out, "-s"));
    EXPECT_TRUE(Has(out, "-y"));
}

// Both fronts give the encoder the translation behind -nostdin: its standard
// input is never a keyboard.
TEST(EncoderFrontTranslation, EncoderArgumentsStartWithNoStdin) {
    EXPECT_EQ((Args{"-nostdin", "-i", "/c/in dir/clip.avi"}),
              EncoderArguments({"-i", "C:\\in dir\\clip.avi"}, FakeMap));
    EXPECT_EQ((Args{"-nostdin", "-i", "C:\\a.avi", "-b:a", "96k", "C:\\a.mp4"}),
              EncoderArguments({"-i", "C:\\a.avi", "-ab", "96kb", "C:\\a.mp4"}, nullptr));
}

TEST(EncoderFrontTranslation, ProbeCommandStaysAProbe) {
    EXPECT_EQ((Args{"-i", "/c/in dir/clip.avi"}), Translate("ffmpeg.exe -i \"C:\\in dir\\clip.avi\""));
}

TEST(EncoderFrontTranslation, UnmappablePathsAndUnknownOptionsPassThrough) {
    Args args = {"-i", "Q:\\nowhere.avi", "-foo", "bar", "-baz", "-f", "null", "-"};
    Args out = TranslateArguments(args, [](const std::string&) { return std::string(); });
    EXPECT_EQ(args, out);
}

// Each legacy string keeps its intent in options today's encoder accepts.
TEST(EncoderFrontTranslation, LegacyStringsBecomeModernOptions) {
    struct Case {
        const char* name;
        const char* arguments;
        std::vector<std::pair<std::string, std::string>> expected; // option -> value ("<absent>" for none)
    } cases[] = {
        {"xvid avi",
         "-f avi -r 29.97 -vcodec libxvid -vtag XVID -s 640x480 -aspect 4:3 -maxrate 1800kb -b 1500kb -qmin "
         "3 -qmax "
         "5 -bufsize 4096 -mbd 2 -bf 2 -flags +4mv -trellis -aic -cmp 2 -subcmp 2 -g 300 -acodec libmp3lame "
         "-ar "
         "48000 -ab 128kb -ac 2 -y",
         {{"-f", "avi"},
          {"-c:v", "libxvid"},
          {"-tag:v", "XVID"},
          {"-s", "640x480"},
          {"-aspect", "4:3"},
          {"-maxrate", "1800k"},
          {"-b:v", "1500k"},
          {"-bufsize", "4096"},
          {"-trellis", "1"},
          {"-flags", "+mv4+aic"},
          {"-c:a", "libmp3lame"},
          {"-b:a", "128k"},
          {"-ar", "48000"},
          {"-ac", "2"},
          {"-mpv_flags", "<absent>"},
          {"-aic", "<absent>"},
          {"-vtag", "<absent>"}}},
        {"android",
         "-s 432x320 -vcodec libx264 -b 500k -threads 0 -acodec libfaac -ab 96kb -y",
         {{"-c:v", "libx264"},
          {"-c:a", "aac"},
          {"-b:a", "96k"},
          {"-b:v", "500k"},
          {"-threads", "0"},
          {"-pix_fmt", "yuv420p"}}},
        {"ntsc dvd",
         "-f dvd -target ntsc-dvd -r 29.97 -s 720x480 -aspect 16:9 -b 8000kb -g 12 -mbd rd -trellis -mv0 "
         "-cmp 0 "
         "-subcmp 2 -y",
         {{"-target", "ntsc-dvd"},
          {"-b:v", "8000k"},
          {"-mbd", "rd"},
          {"-trellis", "1"},
          {"-mpv_flags", "+mv0"},
          {"-mv0", "<absent>"},
          {"-aspect", "16:9"},
          {"-g", "12"},
          {"-pix_fmt", "yuv420p"}}}, // DVD players decode 4:2:0 only
        {"flash",
         "-vcodec flv -f flv -r 29.97 -s 320x240 -aspect 4:3 -b 300kb -g 160 -cmp dct  -subcmp dct  -mbd 2 "
         "-flags "
         "+aic+cbp+mv0+mv4 -trellis 1 -ac 1 -ar 22050 -ab 56kb -y",
         {{"-c:v", "flv"},
          {"-f", "flv"},
          {"-flags", "+aic+mv4"},
          {"-mpv_flags", "+cbp_rd+mv0"},
          {"-cmp", "dct"},
          {"-subcmp", "dct"},
          {"-trellis", "1"},
          {"-ac", "1"},
          {"-ar", "22050"},
          {"-b:a", "56k"}}},
        {"iphone",
         "-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf 21 -bt 256k "
         "-refs "
         "1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions +parti4x4+parti8x8+partp8x8 -g 250 "
         "-keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 -i_qfactor 0.71 -s 480x320 -aspect 16:9 "
         "-acodec "
         "libfaac -ab 112kb -ar 48000 -ac 2 -y",
         {{"-deblock", "0:0"},
          {"-deblockalpha", "<absent>"},
          {"-deblockbeta", "<absent>"},
          {"-me_method", "esa"},
          {"-partitions", "i4x4,i8x8,p8x8"},
          {"-flags", "+loop"},
          {"-cmp", "+chroma"},
          {"-crf", "21"},
          {"-level", "30"},
          {"-trellis", "2"},
          {"-bt", "256k"},
          {"-s", "480x320"},
          {"-c:a", "aac"}}},
        {"psp",
         "-f mp4 -r 29.97 -vcodec libx264 -s 480x272 -aspect 16:9 -b 1250kb -maxrate 4M -bufsize 4M -flags "
         "+loop "
         "-cmp +chroma -partitions +parti4x4+partp8x8+partb8x8 -me_method umh -subq 6 -trellis 1 -refs 2 -bf "
         "1 "
         "-coder 1 -me_range 16 -g 300 -keyint_min 25 -sc_threshold 40 -i_qfactor 0.71 -bt 1250k -qcomp 0.6 "
         "-qmin "
         "10 -qmax 51 -qdiff 4 -level 21 -acodec libfaac -ab 128kb -ar 48000 -ac 2 -y",
         {{"-partitions", "i4x4,p8x8,b8x8"},
          {"-me_method", "umh"},
          {"-maxrate", "4M"},
          {"-b:v", "1250k"},
          {"-deblock", "<absent>"},
          {"-qdiff", "4"},
          {"-qcomp", "0.6"}}},
        {"mpeg4 phone",
         "-f mp4 -r 15 -vcodec mpeg4 -s 320x180 -b 320kb -aspect 16:9 -acodec libfaac -ab 96kb -ar 44100 -ac "
         "2 -y",
         {{"-c:v", "mpeg4"}, {"-s", "320x180"}, {"-b:v", "320k"}, {"-pix_fmt", "<absent>"}}},
        // H.263 takes only its standard frame sizes: the padded 176x144 frame
        // is scaled and padded by filters instead of a "-s" of 176x132.
        {"h263 phone",
         "-r 15 -b 64kb -ac 1 -s 176x132 -padtop 6 -padbottom 6 -ar 16000 -ab 32kb -acodec libfaac -vcodec "
         "h263 -y",
         {{"-vf", "scale=176:132,pad=176:144:0:6"},
          {"-s", "<absent>"},
          {"-padtop", "<absent>"},
          {"-padbottom", "<absent>"},
          {"-c:v", "h263"},
          {"-c:a", "aac"},
          {"-b:v", "64k"},
          {"-b:a", "32k"},
          {"-ar", "16000"},
          {"-ac", "1"},
          {"-r", "15"}}},
    };
    for (const auto& c : cases) {
        Args out = Translate(Command(c.arguments, "x.out"));
        for (const auto& e : c.expected) {
            if (e.second == "<absent>")
                EXPECT_FALSE(Has(out, e.first)) << c.name << ": " << e.first;
            else
                EXPECT_EQ(e.second, ValueOf(out, e.first)) << c.name << ": " << e.first;
        }
        EXPECT_EQ("/d/out/x.out", out.back()) << c.name;
        for (const auto& token : out) {
            EXPECT_FALSE(token.size() > 2 && token.compare(token.size() - 2, 2, "kb") == 0)
                << c.name << ": " << token;
            EXPECT_NE("libfaac", token) << c.name;
        }
    }
}

TEST(EncoderFrontTranslation, PaddingAndCroppingBecomeOneFilterChain) {
    Args out = TranslateArguments({"-i", "in", "-croptop", "8", "-cropleft", "4", "-s", "320x240", "-padleft",
                                   "2", "-padright", "2", "-padcolor", "FF0000", "-vf", "hflip", "out"},
                                  FakeMap);
    EXPECT_EQ("crop=iw-4:ih-8:4:8,scale=320:240,pad=324:240:2:0:color=0xFF0000,hflip", ValueOf(out, "-vf"));
    EXPECT_FALSE(Has(out, "-s"));
    EXPECT_EQ("out", out.back());

    out = TranslateArguments({"-i", "in", "-padtop", "10", "out"}, FakeMap);
    EXPECT_EQ("pad=iw+0:ih+10:0:10", ValueOf(out, "-vf"));
}

TEST(EncoderFrontTranslation, CodecSpecificOptionsAreDroppedForOtherCodecs) {
    Args out = TranslateArguments({"-i", "in", "-vcodec", "mpeg4", "-deblockalpha", "1", "-partitions",
                                   "+parti4x4", "-me_method", "full", "out"},
                                  FakeMap);
    EXPECT_EQ((Args{"-i", "in", "-c:v", "mpeg4", "out"}), out);

    out = TranslateArguments({"-i", "in", "-vcodec", "mpeg4", "-me_method", "epzs", "out"}, FakeMap);
    EXPECT_EQ("epzs", ValueOf(out, "-motion_est"));
}

// The WMA encoders take at most two channels at 48 kHz or less, and today's
// encoder does not convert a source to fit them by itself: the front asks
// for it, for whatever the arguments leave open.
TEST(EncoderFrontTranslation, AudioIsKeptWithinWhatTheEncoderTakes) {
    const std::string rates = "sample_rates=48000|44100|32000|24000|22050|16000|12000|11025|8000";
    struct Case {
        const char* name;
        Args arguments;
        std::string audioFilter; // "" for none
    } cases[] = {
        {"WMV string",
         {"-vcodec", "wmv2", "-acodec", "wmav2", "-b", "1200kb", "-ab", "160kb", "-r", "25"},
         "aformat=channel_layouts=mono|stereo:" + rates},
        {"channels given", {"-acodec", "wmav2", "-ac", "2"}, "aformat=" + rates},
        {"both given", {"-acodec", "wmav1", "-ac", "1", "-ar", "22050"}, ""},
        {"with a filter of its own",
         {"-acodec", "wmav2", "-ar", "44100", "-af", "volume=2"},
         "volume=2,aformat=channel_layouts=mono|stereo"},
        {"MP3 string", {"-acodec", "libmp3lame", "-ab", "128kb"}, ""},
        {"filter with another codec", {"-acodec", "aac", "-af", "volume=2"}, "volume=2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Args command = {"-i", "in"};
        command.insert(command.end(), c.arguments.begin(), c.arguments.end());
        command.push_back("out.wmv");
        Args out = TranslateArguments(command, FakeMap);
        if (c.audioFilter.empty())
            EXPECT_FALSE(Has(out, "-af"));
        else
            EXPECT_EQ(c.audioFilter, ValueOf(out, "-af"));
        EXPECT_EQ("out.wmv", out.back());
    }
}

TEST(EncoderFrontRelay, LoneLineFeedsBecomeCrLfAcrossChunks) {
    LineEndConverter converter;
    std::string out;
    for (const std::string chunk : {"a\nb\r", "\nc\r", "frame=1 time=00:00:01.00\r", "d\n\n", "e\r\r\n"})
        out += converter.Convert(chunk.data(), chunk.size());
    EXPECT_EQ("a\r\nb\r\nc\rframe=1 time=00:00:01.00\rd\r\n\r\ne\r\r\n", out);
}

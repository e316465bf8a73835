#include "legacy_options.h"

#include <cctype>
#include <cstdlib>
#include <map>
#include <set>

namespace EncoderFront {

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> args;
    std::size_t i = 0;
    const std::size_t n = commandLine.size();
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };

    // The program name ends at the first blank outside quotes; backslashes are
    // path separators there, never escapes.
    while (i < n && isBlank(commandLine[i]))
        ++i;
    if (i < n) {
        std::string name;
        bool quoted = false;
        for (; i < n && (quoted || !isBlank(commandLine[i])); ++i) {
            if (commandLine[i] == '"')
                quoted = !quoted;
            else
                name += commandLine[i];
        }
        args.push_back(name);
    }

    for (;;) {
        while (i < n && isBlank(commandLine[i]))
            ++i;
        if (i >= n)
            break;
        std::string arg;
        bool quoted = false;
        while (i < n && (quoted || !isBlank(commandLine[i]))) {
            char c = commandLine[i];
            if (c == '\\') {
                std::size_t slashes = 0;
                while (i < n && commandLine[i] == '\\') {
                    ++slashes;
                    ++i;
                }
                if (i < n && commandLine[i] == '"') {
                    arg.append(slashes / 2, '\\');
                    if (slashes % 2) {
                        arg += '"';
                        ++i;
                    }
                    // An even count leaves the quote to toggle quoting below.
                } else {
                    arg.append(slashes, '\\');
                }
                continue;
            }
            if (c == '"') {
                if (quoted && i + 1 < n && commandLine[i + 1] == '"') {
                    arg += '"';
                    i += 2;
                    continue;
                }
                quoted = !quoted;
                ++i;
                continue;
            }
            arg += c;
            ++i;
        }
        args.push_back(arg);
    }
    return args;
}

std::string QuoteArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos)
        return argument;
    std::string quoted = "\"";
    std::size_t slashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++slashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped.
        quoted.append(c == '"' ? slashes * 2 + 1 : slashes, '\\');
        slashes = 0;
        quoted += c;
    }
    // Backslashes before the closing quote are doubled too.
    quoted.append(slashes * 2, '\\');
    return quoted + '"';
}

std::string JoinCommandLine(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments)
        line += (line.empty() ? "" : " ") + QuoteArgument(argument);
    return line;
}

bool IsWindowsPath(const std::string& argument) {
    if (argument.compare(0, 4, "\\\\?\\") == 0)
        return true;
    if (argument.size() < 2 || !std::isalpha(static_cast<unsigned char>(argument[0])) || argument[1] != ':')
        return false;
    return argument.size() == 2 || argument[2] == '\\' || argument[2] == '/';
}

std::string ModernRate(const std::string& value) {
    // "kb" meant kilobits; today's parser takes the bare SI prefix and refuses
    // the trailing "b".
    std::string v = value;
    for (const char* suffix : {"bps", "bit", "b"}) {
        std::size_t len = std::char_traits<char>::length(suffix);
        if (v.size() > len + 1 && v.compare(v.size() - len, len, suffix) == 0) {
            char prefix = v[v.size() - len - 1];
            if (prefix == 'k' || prefix == 'K' || prefix == 'm' || prefix == 'M' || prefix == 'g' ||
                prefix == 'G') {
                v.erase(v.size() - len);
                if (v.back() == 'm')
                    v.back() = 'M';
                else if (v.back() == 'K')
                    v.back() = 'k';
                else if (v.back() == 'g')
                    v.back() = 'G';
                break;
            }
        }
    }
    return v;
}

namespace {

enum class Family { Unknown, X264, MpegVideo, Other };

bool IsNumber(const std::string& s) {
    if (s.empty())
        return false;
    char* end = nullptr;
    std::strtod(s.c_str(), &end);
    return end && *end == '\0';
}

bool IsOption(const std::string& token) {
    return token.size() > 1 && token[0] == '-' && !IsNumber(token);
}

// Legacy options that take a value; any option not listed here and not known
// to stand alone is passed on with whatever follows it.
const std::set<std::string>& ValueOptions() {
    static const std::set<std::string> names = {"i",
                                                "f",
                                                "r",
                                                "vcodec",
                                                "acodec",
                                                "c:v",
                                                "c:a",
                                                "codec:v",
                                                "codec:a",
                                                "vtag",
                                                "atag",
                                                "s",
                                                "aspect",
                                                "maxrate",
                                                "minrate",
                                                "b",
                                                "ab",
                                                "b:v",
                                                "b:a",
                                                "bt",
                                                "qmin",
                                                "qmax",
                                                "qdiff",
                                                "qcomp",
                                                "bufsize",
                                                "mbd",
                                                "bf",
                                                "flags",
                                                "cmp",
                                                "subcmp",
                                                "precmp",
                                                "g",
                                                "ar",
                                                "ac",
                                                "target",
                                                "threads",
                                                "crf",
                                                "refs",
                                                "coder",
                                                "me_method",
                                                "me_range",
                                                "subq",
                                                "partitions",
                                                "keyint_min",
                                                "level",
                                                "sc_threshold",
                                                "i_qfactor",
                                                "padtop",
                                                "padbottom",
                                                "padleft",
                                                "padright",
                                                "padcolor",
                                                "croptop",
                                                "cropbottom",
                                                "cropleft",
                                                "cropright",
                                                "deblockalpha",
                                                "deblockbeta",
                                                "vf",
                                                "filter:v",
                                                "af",
                                                "filter:a",
                                                "pix_fmt",
                                                "t",
                                                "ss",
                                                "vb",
                                                "profile",
                                                "preset",
                                                "tag:v",
                                                "tag:a"};
    return names;
}

Family FamilyOf(const std::string& videoCodec) {
    static const std::set<std::string> x264 = {"libx264", "libx264rgb", "h264"};
    static const std::set<std::string> mpegVideo = {"mpeg4",      "flv",        "h263",    "h263p",
                                                    "mpeg1video", "mpeg2video", "msmpeg4", "msmpeg4v2",
                                                    "wmv1",       "wmv2",       "mjpeg"};
    if (videoCodec.empty())
        return Family::Unknown;
    if (x264.count(videoCodec))
        return Family::X264;
    if (mpegVideo.count(videoCodec))
        return Family::MpegVideo;
    return Family::Other;
}

std::string ModernCodec(const std::string& codec) {
    // The free AAC encoder took the place of the external ones.
    static const std::map<std::string, std::string> renamed = {{"libfaac", "aac"},
                                                               {"faac", "aac"},
                                                               {"libvo_aacenc", "aac"},
                                                               {"libaacplus", "aac"},
                                                               {"xvid", "libxvid"}};
    auto it = renamed.find(codec);
    return it == renamed.end() ? codec : it->second;
}

// Codec flags that moved: some were renamed, some became private flags of the
// MPEG-family encoders.
void SplitFlags(const std::string& value, std::vector<std::string>& flags,
                std::vector<std::string>& mpvFlags) {
    std::size_t i = 0;
    while (i < value.size()) {
        char sign = '+';
        if (value[i] == '+' || value[i] == '-')
            sign = value[i++];
        std::size_t end = value.find_first_of("+-", i);
        std::string name = value.substr(i, end == std::string::npos ? std::string::npos : end - i);
        i = end == std::string::npos ? value.size() : end;
        if (name.empty())
            continue;
        if (name == "4mv")
            name = "mv4";
        if (name == "cbp")
            mpvFlags.push_back(sign + std::string("cbp_rd"));
        else if (name == "qprd")
            mpvFlags.push_back(sign + std::string("qp_rd"));
        else if (name == "mv0")
            mpvFlags.push_back(sign + name);
        else
            flags.push_back(sign + name);
    }
}

std::string Join(const std::vector<std::string>& parts, const char* separator) {
    std::string out;
    for (const auto& part : parts)
        out += (out.empty() ? "" : separator) + part;
    return out;
}

std::string X264MotionSearch(const std::string& method) {
    static const std::map<std::string, std::string> methods = {
        {"zero", "dia"}, {"epzs", "dia"}, {"dia", "dia"},   {"hex", "hex"}, {"umh", "umh"},
        {"full", "esa"}, {"esa", "esa"},  {"tesa", "tesa"}, {"x1", "dia"},  {"phods", "hex"}};
    auto it = methods.find(method);
    return it == methods.end() ? std::string() : it->second;
}

// "+parti4x4+parti8x8+partp8x8" -> "i4x4,i8x8,p8x8"
std::string X264Partitions(const std::string& value) {
    std::string out;
    std::size_t i = 0;
    while (i < value.size()) {
        char sign = '+';
        if (value[i] == '+' || value[i] == '-')
            sign = value[i++];
        std::size_t end = value.find_first_of("+-", i);
        std::string name = value.substr(i, end == std::string::npos ? std::string::npos : end - i);
        i = end == std::string::npos ? value.size() : end;
        if (sign != '+' || name.size() < 5 || name.compare(0, 4, "part") != 0)
            continue;
        if (!out.empty())
            out += ',';
        out += name.substr(4);
    }
    return out;
}

// Audio encoders whose limits today's encoder does not take into account
// when it sets up the conversion: given a source beyond them it stops ("too
// many channels: got 6, need 2 or fewer", "sample rate is too high") instead
// of converting the sound to fit. For these the front asks for a format
// conversion that leaves a source within the limits as it is.
struct AudioLimits {
    const char* codec;
    const char* channelLayouts; // the layouts the encoder takes, '|' between them
    const char* sampleRates;
};
const AudioLimits kAudioLimits[] = {
    {"wmav1", "mono|stereo", "48000|44100|32000|24000|22050|16000|12000|11025|8000"},
    {"wmav2", "mono|stereo", "48000|44100|32000|24000|22050|16000|12000|11025|8000"},
};

const AudioLimits* AudioLimitsOf(const std::string& audioCodec) {
    for (const AudioLimits& limits : kAudioLimits) {
        if (audioCodec == limits.codec)
            return &limits;
    }
    return nullptr;
}

// The aformat filter that holds the encoder to its limits, leaving out what
// the arguments fix themselves ("-ac", "-ar"); empty when nothing is left.
std::string AudioLimitFilter(const AudioLimits& limits, bool channelsGiven, bool rateGiven) {
    std::string parts;
    if (!channelsGiven)
        parts += std::string("channel_layouts=") + limits.channelLayouts;
    if (!rateGiven)
        parts += (parts.empty() ? "" : ":") + std::string("sample_rates=") + limits.sampleRates;
    return parts.empty() ? std::string() : "aformat=" + parts;
}

struct Item {
    bool isOption = false;
    std::string name; // option name without the dash, or the plain token
    bool hasValue = false;
    std::string value;
};

int ToInt(const std::string& s) {
    return std::atoi(s.c_str());
}

} // namespace

std::vector<std::string> TranslateArguments(const std::vector<std::string>& legacy,
                                            const PathMapper& mapPath) {
    auto mapped = [&](const std::string& token) {
        if (!IsWindowsPath(token) || !mapPath)
            return token;
        std::string unixPath = mapPath(token);
        return unixPath.empty() ? token : unixPath;
    };

    // Group the tokens into options with their values and plain arguments.
    std::vector<Item> items;
    for (std::size_t i = 0; i < legacy.size(); ++i) {
        Item item;
        if (!IsOption(legacy[i])) {
            item.name = legacy[i];
            items.push_back(item);
            continue;
        }
        item.isOption = true;
        item.name = legacy[i].substr(1);
        if (ValueOptions().count(item.name) && i + 1 < legacy.size()) {
            item.hasValue = true;
            item.value = legacy[++i];
        } else if (item.name == "trellis" && i + 1 < legacy.size() && IsNumber(legacy[i + 1])) {
            item.hasValue = true;
            item.value = legacy[++i];
        }
        items.push_back(item);
    }

    // What the rules below depend on: the video codec and the frame geometry.
    std::string videoCodec, audioCodec;
    std::string size;
    bool channelsGiven = false, rateGiven = false;
    for (const auto& item : items) {
        if (!item.isOption || !item.hasValue)
            continue;
        channelsGiven = channelsGiven || item.name == "ac";
        rateGiven = rateGiven || item.name == "ar";
        if (item.name == "acodec" || item.name == "c:a" || item.name == "codec:a")
            audioCodec = ModernCodec(item.value);
        else if (item.name == "vcodec" || item.name == "c:v" || item.name == "codec:v")
            videoCodec = ModernCodec(item.value);
        else if (item.name == "target" && videoCodec.empty())
            videoCodec = item.value.find("dvd") != std::string::npos ? "mpeg2video" : "";
        else if (item.name == "s")
            size = item.value;
    }
    const Family family = FamilyOf(videoCodec);

    std::vector<std::string> out;
    std::vector<std::string> flags, mpvFlags, filters, audioFilters;
    int pad[4] = {0, 0, 0, 0};  // top, bottom, left, right
    int crop[4] = {0, 0, 0, 0}; // top, bottom, left, right
    std::string padColor;
    std::string deblockAlpha, deblockBeta;
    bool pixelFormatGiven = false;
    bool haveDeblock = false;

    auto emit = [&](const std::string& option, const std::string& value) {
        out.push_back("-" + option);
        out.push_back(value);
    };

    for (const auto& item : items) {
        if (!item.isOption) {
            out.push_back(mapped(item.name));
            continue;
        }
        const std::string& name = item.name;
        const std::string& value = item.value;
        if (!item.hasValue) {
            if (name == "aic")
                flags.push_back("+aic");
            else if (name == "mv0")
                mpvFlags.push_back("+mv0");
            else if (name == "4mv")
                flags.push_back("+mv4");
            else if (name == "trellis")
                emit("trellis", "1"); // the bare switch meant "on"
            else
                out.push_back("-" + name);
            continue;
        }

        if (name == "vcodec" || name == "c:v" || name == "codec:v")
            emit("c:v", ModernCodec(value));
        else if (name == "acodec" || name == "c:a" || name == "codec:a")
            emit("c:a", ModernCodec(value));
        else if (name == "b" || name == "vb" || name == "b:v")
            emit("b:v", ModernRate(value));
        else if (name == "ab" || name == "b:a")
            emit("b:a", ModernRate(value));
        else if (name == "maxrate" || name == "minrate" || name == "bufsize" || name == "bt")
            emit(name, ModernRate(value));
        else if (name == "vtag")
            emit("tag:v", value);
        else if (name == "atag")
            emit("tag:a", value);
        else if (name == "flags")
            SplitFlags(value, flags, mpvFlags);
        else if (name == "deblockalpha") {
            deblockAlpha = value;
            haveDeblock = true;
        } else if (name == "deblockbeta") {
            deblockBeta = value;
            haveDeblock = true;
        } else if (name == "me_method") {
            if (family == Family::X264) {
                std::string method = X264MotionSearch(value);
                if (!method.empty())
                    emit("me_method", method);
            } else if (family == Family::MpegVideo &&
                       (value == "zero" || value == "epzs" || value == "xone")) {
                emit("motion_est", value);
            }
        } else if (name == "partitions") {
            if (family == Family::X264) {
                std::string partitions = X264Partitions(value);
                if (!partitions.empty())
                    emit("partitions", partitions);
            }
        } else if (name == "padtop" || name == "padbottom" || name == "padleft" || name == "padright") {
            int index = name == "padtop" ? 0 : name == "padbottom" ? 1 : name == "padleft" ? 2 : 3;
            pad[index] = ToInt(value);
        } else if (name == "padcolor") {
            padColor = value;
        } else if (name == "croptop" || name == "cropbottom" || name == "cropleft" || name == "cropright") {
            int index = name == "croptop" ? 0 : name == "cropbottom" ? 1 : name == "cropleft" ? 2 : 3;
            crop[index] = ToInt(value);
        } else if (name == "vf" || name == "filter:v") {
            filters.push_back(value);
        } else if (name == "af" || name == "filter:a") {
            audioFilters.push_back(value);
        } else if (name == "i") {
            emit("i", mapped(value));
        } else {
            if (name == "pix_fmt")
                pixelFormatGiven = true;
            // "-s" is written here too; when padding or cropping is asked for
            // it is folded into the filter chain below instead.
            if (name == "s")
                continue;
            out.push_back("-" + name);
            out.push_back(mapped(value));
        }
    }

    // Options gathered from several legacy ones go just before the output file.
    std::vector<std::string> tail;
    auto tailEmit = [&](const std::string& option, const std::string& value) {
        tail.push_back("-" + option);
        tail.push_back(value);
    };

    const bool padding = pad[0] || pad[1] || pad[2] || pad[3];
    const bool cropping = crop[0] || crop[1] || crop[2] || crop[3];
    if (padding || cropping) {
        // The old encoder cropped the source, scaled it to "-s" and then added
        // the borders, so the frame grows by the padding.
        std::vector<std::string> chain;
        if (cropping)
            chain.push_back("crop=iw-" + std::to_string(crop[2] + crop[3]) + ":ih-" +
                            std::to_string(crop[0] + crop[1]) + ":" + std::to_string(crop[2]) + ":" +
                            std::to_string(crop[0]));
        std::string padWidth = "iw+" + std::to_string(pad[2] + pad[3]);
        std::string padHeight = "ih+" + std::to_string(pad[0] + pad[1]);
        std::size_t x = size.find('x');
        if (x != std::string::npos) {
            std::string w = size.substr(0, x), h = size.substr(x + 1);
            chain.push_back("scale=" + w + ":" + h);
            padWidth = std::to_string(ToInt(w) + pad[2] + pad[3]);
            padHeight = std::to_string(ToInt(h) + pad[0] + pad[1]);
        }
        if (padding) {
            std::string p = "pad=" + padWidth + ":" + padHeight + ":" + std::to_string(pad[2]) + ":" +
                            std::to_string(pad[0]);
            if (!padColor.empty())
                p += ":color=0x" + (padColor[0] == '#' ? padColor.substr(1) : padColor);
            chain.push_back(p);
        }
        filters.insert(filters.begin(), Join(chain, ","));
    } else if (!size.empty()) {
        tailEmit("s", size);
    }
    if (!filters.empty())
        tailEmit("vf", Join(filters, ","));
    if (const AudioLimits* limits = AudioLimitsOf(audioCodec)) {
        std::string filter = AudioLimitFilter(*limits, channelsGiven, rateGiven);
        if (!filter.empty())
            audioFilters.push_back(filter);
    }
    if (!audioFilters.empty())
        tailEmit("af", Join(audioFilters, ","));
    if (!flags.empty())
        tailEmit("flags", Join(flags, ""));
    if (!mpvFlags.empty() && (family == Family::MpegVideo || family == Family::Unknown))
        tailEmit("mpv_flags", Join(mpvFlags, ""));
    if (haveDeblock && family == Family::X264)
        tailEmit("deblock", (deblockAlpha.empty() ? "0" : deblockAlpha) + ":" +
                                (deblockBeta.empty() ? "0" : deblockBeta));
    // The old builds fed the H.264 and MPEG-2 encoders 4:2:0 only, which is
    // what the players of these targets (and DVD players) decode; today's
    // encoders would keep a 4:2:2 or 4:4:4 source as it is. The other video
    // encoders take 4:2:0 only and convert to it themselves.
    if ((family == Family::X264 || videoCodec == "mpeg2video") && !pixelFormatGiven)
        tailEmit("pix_fmt", "yuv420p");

    // Insert before the output file: the last plain argument, when the list
    // ends with one.
    std::size_t at = out.size();
    if (!items.empty() && !items.back().isOption)
        at = out.size() - 1;
    out.insert(out.begin() + static_cast<std::ptrdiff_t>(at), tail.begin(), tail.end());
    return out;
}

std::vector<std::string> EncoderArguments(const std::vector<std::string>& legacy, const PathMapper& mapPath) {
    std::vector<std::string> arguments = {"-nostdin"};
    std::vector<std::string> translated = TranslateArguments(legacy, mapPath);
    arguments.insert(arguments.end(), translated.begin(), translated.end());
    return arguments;
}

std::string LineEndConverter::Convert(const char* data, std::size_t size) {
    std::string out;
    out.reserve(size + size / 16);
    for (std::size_t i = 0; i < size; ++i) {
        char c = data[i];
        if (c == '\n' && !lastWasCr_)
            out += '\r';
        out += c;
        lastWasCr_ = c == '\r';
    }
    return out;
}

} // namespace EncoderFront

// What the tests with the real encoder expect of a converted file for each
// argument string of the catalogue, and how they ask ffprobe about a file.
#pragma once

#include "real_encoder.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

namespace RealEncoder {

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

inline std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

inline std::wstring Quoted(const std::wstring& path) {
    return L"\"" + path + L"\"";
}

// ffprobe's "compact" output, section by section: "stream|codec_type=video|..."
struct ProbeReport {
    std::map<std::string, std::string> format;
    std::map<std::string, std::string> video;
    std::map<std::string, std::string> audio;
    std::string raw;
};

inline ProbeReport Probe(const std::wstring& file) {
    ProbeReport report;
    const std::wstring command = Quoted(ProgramFolder() + L"ffprobe.exe") +
                                 L" -v error -show_entries stream=codec_type,codec_name,width,height,pix_fmt,"
                                 L"channels,sample_rate:format=format_name,"
                                 L"duration:format_tags=major_brand -of compact " +
                                 Quoted(file);
    // ffprobe answers every file, readable or not, with at least a line. On
    // a heavily loaded machine its run under Wine has (rarely) come back with
    // nothing at all; that says nothing about the file, so it is asked again,
    // and what each empty run ended with is kept for the failure message.
    RunResult run;
    std::string emptyRuns;
    for (int attempt = 0; attempt < 3; ++attempt) {
        run = RunCommand(command);
        if (!run.output.empty())
            break;
        emptyRuns += "[ffprobe gave no output: started " + std::to_string(run.started) + ", exit code " +
                     std::to_string(run.exitCode) + "]\n";
    }
    report.raw = emptyRuns + run.output;
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

inline const Expected& ExpectedFor(const std::wstring& target, const std::wstring& quality,
                                   const std::wstring& size) {
    for (const Expected& e : kExpected) {
        if (target == e.target && quality == e.quality && size == e.size)
            return e;
    }
    ADD_FAILURE() << "no expectation for " << Utf8(target + L" / " + quality + L" / " + size);
    return kExpected[0];
}

} // namespace RealEncoder

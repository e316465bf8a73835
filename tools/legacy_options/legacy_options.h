// The encoder fronts' translation logic: plain C++ on UTF-8 strings, free of
// Wine and Win32, so the same source is built into the winelib front
// (wineg++), the Windows front and their tests (mingw, under Wine).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace EncoderFront {

// Splits a Windows command line into arguments with the usual rules of the C
// runtime: blanks and tabs separate arguments outside double quotes; 2n
// backslashes before a quote give n backslashes and toggle quoting, 2n+1 give
// n backslashes and a literal quote; other backslashes are literal; a doubled
// quote inside a quoted part is a literal quote. The program name (first
// argument) is taken without any backslash processing.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// Joins arguments into one Windows command line that SplitCommandLine (and the
// C runtime) splits back into the same arguments: an argument that is empty
// or holds a blank, tab or quote is put in quotes, with its quotes and the
// backslashes before them (or before the closing quote) escaped.
std::string QuoteArgument(const std::string& argument);
std::string JoinCommandLine(const std::vector<std::string>& arguments);

// True for "X:\...", "X:/...", "X:" and the "\\?\" long-path form.
bool IsWindowsPath(const std::string& argument);

// Maps one Windows path to the Unix path it stands for; an empty result means
// the path cannot be mapped, and the argument is then passed on unchanged.
using PathMapper = std::function<std::string(const std::string& windowsPath)>;

// Legacy bitrate notation ("1500kb", "96kb", "4M") as today's encoder takes it
// ("1500k", "96k", "4M").
std::string ModernRate(const std::string& value);

// Turns the legacy argument list (without the program name) into arguments
// for a modern ffmpeg. Every Windows path is mapped through mapPath; options
// that have a modern counterpart are rewritten, options with no modern meaning
// are dropped, everything else passes through unchanged.
std::vector<std::string> TranslateArguments(const std::vector<std::string>& legacy,
                                            const PathMapper& mapPath);

// The whole argument list a front hands to a modern encoder: the translation
// above behind "-nostdin", since the encoder's standard input is never a
// keyboard (it would otherwise read it for commands).
std::vector<std::string> EncoderArguments(const std::vector<std::string>& legacy, const PathMapper& mapPath);

// Rewrites the encoder's Unix line ends for a Windows reader: a lone line feed
// becomes CR LF, while lone carriage returns (the ends of status lines) and
// existing CR LF pairs stay as they are. Keeps state across chunks.
class LineEndConverter {
public:
    std::string Convert(const char* data, std::size_t size);

private:
    bool lastWasCr_ = false;
};

} // namespace EncoderFront

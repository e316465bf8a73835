#include "ConversionProfile.h"

namespace {

// The encoder argument strings, kept exactly as the encoder builds expect
// them (the doubled blanks in the FLV and WMV strings included).
// clang-format off
const wchar_t kArgsA[] =
    L"-f avi -r 29.97 -vcodec libxvid -vtag XVID -s 640x480 -aspect 4:3 -maxrate 1800kb -b 1500kb -qmin 3 -qmax 5 -bufsize 4096 -mbd 2 -bf 2 -flags +4mv -trellis -aic -cmp 2 -subcmp 2 -g 300 -acodec libmp3lame -ar 48000 -ab 128kb -ac 2 -y";
const wchar_t kArgsB[] =
    L"-f avi -r 29.97 -vcodec libxvid -vtag XVID -s 704x384 -aspect 16:9 -maxrate 1800k -b 1500k -qmin 3 -qmax 5 -bufsize 4096 -mbd 2 -bf 2 -flags +4mv -trellis -aic -cmp 2 -subcmp 2 -g 300 -acodec libmp3lame -ar 48000 -ab 128k -ac 2 -y";
const wchar_t kArgsC[] =
    L"-s 432x320 -vcodec libx264 -b 500k -threads 0 -acodec libfaac -ab 96kb -y";
const wchar_t kArgsD[] =
    L"-s 480x272 -vcodec libx264 -b 500k -threads 0 -acodec libfaac -ab 96kb -y";
const wchar_t kArgsE[] =
    L"-f mp4 -r 24 -vcodec libx264 -s 240x180 -aspect 4:3 -maxrate 800kb -bufsize 80k -b 400kb -acodec libfaac -ar 44100 -ab 80kb -ac 2 -y";
const wchar_t kArgsF[] =
    L"-f mp4 -r 24 -vcodec libx264 -s 320x180 -aspect 16:9 -maxrate 800kb -bufsize 80k -b 400kb -acodec libfaac -ar 44100 -ab 80kb -ac 2 -y";
const wchar_t kArgsG[] =
    L"-f dvd -target ntsc-dvd -r 29.97 -s 720x480 -aspect 4:3 -b 8000kb -mbd rd -trellis -mv0 -cmp 0 -subcmp 2 -y";
const wchar_t kArgsH[] =
    L"-f dvd -target ntsc-dvd -r 29.97 -s 720x480 -aspect 16:9 -b 8000kb -g 12 -mbd rd -trellis -mv0 -cmp 0 -subcmp 2 -y";
const wchar_t kArgsI[] =
    L"-f dvd -vcodec mpeg2video -r 29.97 -s 352x480 -aspect 4:3 -b 4000kb -mbd rd -trellis -mv0 -cmp 2 -subcmp 2 -acodec mp2 -ab 192kb -ar 48000 -ac 2 -y";
const wchar_t kArgsJ[] =
    L"-f dvd -vcodec mpeg2video -r 29.97 -s 352x480 -aspect 16:9 -b 4000kb -mbd rd -trellis -mv0 -cmp 2 -subcmp 2 -acodec mp2 -ab 192kb -ar 48000 -ac 2 -y";
const wchar_t kArgsK[] =
    L"-vcodec flv -f flv -r 29.97 -s 320x240 -aspect 4:3 -b 300kb -g 160 -cmp dct  -subcmp dct  -mbd 2 -flags +aic+cbp+mv0+mv4 -trellis 1 -ac 1 -ar 22050 -ab 56kb -y";
const wchar_t kArgsL[] =
    L"-vcodec flv -f flv -r 29.97 -s 320x180 -aspect 16:9 -b 300kb -g 160 -cmp dct -subcmp dct -mbd 2 -flags +aic+cbp+mv0+mv4 -trellis 1 -ac 1 -ar 22050 -ab 56kb -y";
const wchar_t kArgsM[] =
    L"-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf 21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions +parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 -i_qfactor 0.71 -s 480x320 -aspect 16:9 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y";
const wchar_t kArgsN[] =
    L"-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf 21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions +parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 -i_qfactor 0.71 -s 320x240 -aspect 4:3 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y";
const wchar_t kArgsO[] =
    L"-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf 21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions +parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 -i_qfactor 0.71 -s 320x176 -aspect 16:9 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y";
const wchar_t kArgsP[] =
    L"-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf 21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions +parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 -i_qfactor 0.71 -s 512x384 -aspect 4:3 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y";
const wchar_t kArgsQ[] =
    L"-r 29.97 -vcodec libx264 -flags +loop -cmp +chroma -deblockalpha 0 -deblockbeta 0 -crf 21 -bt 256k -refs 1 -coder 0 -me_method full -me_range 16 -subq 5 -partitions +parti4x4+parti8x8+partp8x8 -g 250 -keyint_min 25 -level 30 -trellis 2 -sc_threshold 40 -i_qfactor 0.71 -s 624x352 -aspect 16:9 -acodec libfaac -ab 112kb -ar 48000 -ac 2 -y";
const wchar_t kArgsR[] =
    L"-f mp4 -r 15 -vcodec mpeg4 -s 320x240 -b 320kb -aspect 4:3 -acodec libfaac -ab 96kb -ar 44100 -ac 2 -y";
const wchar_t kArgsS[] =
    L"-f mp4 -r 15 -vcodec mpeg4 -s 320x180 -b 320kb -aspect 16:9 -acodec libfaac -ab 96kb -ar 44100 -ac 2 -y";
const wchar_t kArgsT[] =
    L"-r 15 -b 64kb -ac 1 -s 176x132 -padtop 6 -padbottom 6 -ar 16000 -ab 32kb -acodec libfaac -vcodec h263 -y";
const wchar_t kArgsU[] =
    L"-f mp4 -r 29.97 -vcodec libx264 -s 480x272 -aspect 16:9 -b 1250kb -maxrate 4M -bufsize 4M -flags +loop -cmp +chroma -partitions +parti4x4+partp8x8+partb8x8 -me_method umh -subq 6 -trellis 1 -refs 2 -bf 1 -coder 1 -me_range 16 -g 300 -keyint_min 25 -sc_threshold 40 -i_qfactor 0.71 -bt 1250k -qcomp 0.6 -qmin 10 -qmax 51 -qdiff 4 -level 21 -acodec libfaac -ab 128kb -ar 48000 -ac 2 -y";
const wchar_t kArgsV[] =
    L"-vcodec wmv2  -acodec wmav2 -b 1200kb -ab 160kb -r 25 -s 720x480 -y";
const wchar_t kArgsW[] =
    L"-vcodec wmv2  -acodec wmav2 -b 640kb -ab 128kb -r 23.97 -s 320x240 -y";
// clang-format on

const wchar_t kFullScreen[] = L"FullScreen";
const wchar_t kWideScreen[] = L"WideScreen";
const wchar_t kFullScreenTv[] = L"FullScreen ( for TV )";
const wchar_t kWideScreenTv[] = L"WideScreen ( for TV )";
const wchar_t kHigh[] = L"High";
const wchar_t kNormal[] = L"Normal";
const wchar_t kLow[] = L"Low";

// The common shape: one string for "FullScreen", another for "WideScreen",
// nothing for any other size.
std::wstring ByScreen(const std::wstring& size, const wchar_t* full, const wchar_t* wide) {
    if (size == kFullScreen)
        return full;
    if (size == kWideScreen)
        return wide;
    return std::wstring();
}

void SetSizes(std::vector<std::wstring>& sizes, std::initializer_list<const wchar_t*> labels) {
    sizes.clear();
    for (const wchar_t* label : labels)
        sizes.emplace_back(label);
}

} // namespace

void ConversionProfile::Initialize() {
    m_qualities.clear();
    m_qualities.emplace_back(kHigh);
    m_qualities.emplace_back(kNormal);
    m_qualities.emplace_back(kLow);
    FillSizes();
}

// Every target selects "Normal" by default.
#define QUORVEX_DEFAULTS(Name, defaultSize)                                                                  \
    std::wstring Name::GetDefaultQuality() const {                                                           \
        return kNormal;                                                                                      \
    }                                                                                                        \
    std::wstring Name::GetDefaultSize() const {                                                              \
        return defaultSize;                                                                                  \
    }

// ---- AVI
QUORVEX_DEFAULTS(AviProfile, kWideScreen)
std::wstring AviProfile::GetArguments(const std::wstring&, const std::wstring& size) const {
    return ByScreen(size, kArgsA, kArgsB);
}
std::wstring AviProfile::GetExtension(const std::wstring&, const std::wstring&) const {
    return L"avi";
}
void AviProfile::FillSizes() {
    SetSizes(m_sizes, {kFullScreen, kWideScreen});
}

// ---- Android
QUORVEX_DEFAULTS(AndroidProfile, kFullScreen)
std::wstring AndroidProfile::GetArguments(const std::wstring&, const std::wstring& size) const {
    return ByScreen(size, kArgsC, kArgsD);
}
std::wstring AndroidProfile::GetExtension(const std::wstring&, const std::wstring&) const {
    return L"mp4";
}
void AndroidProfile::FillSizes() {
    SetSizes(m_sizes, {kFullScreen, kWideScreen});
}

// ---- Blackberry
QUORVEX_DEFAULTS(BlackberryProfile, kFullScreen)
std::wstring BlackberryProfile::GetArguments(const std::wstring&, const std::wstring& size) const {
    return ByScreen(size, kArgsE, kArgsF);
}
std::wstring BlackberryProfile::GetExtension(const std::wstring&, const std::wstring&) const {
    return L"mp4";
}
void BlackberryProfile::FillSizes() {
    SetSizes(m_sizes, {kFullScreen, kWideScreen});
}

// ---- DVD: "Low" picks the half-width strings; the size only chooses 4:3 or 16:9.
QUORVEX_DEFAULTS(DvdProfile, kWideScreen)
std::wstring DvdProfile::GetArguments(const std::wstring& quality, const std::wstring& size) const {
    if (quality == kLow)
        return size == kWideScreen ? kArgsJ : kArgsI;
    return size == kWideScreen ? kArgsH : kArgsG;
}
std::wstring DvdProfile::GetExtension(const std::wstring&, const std::wstring&) const {
    return L"mpg";
}
void DvdProfile::FillSizes() {
    SetSizes(m_sizes, {kFullScreen, kWideScreen});
}

// ---- FLV
QUORVEX_DEFAULTS(FlvProfile, kFullScreen)
std::wstring FlvProfile::GetArguments(const std::wstring&, const std::wstring& size) const {
    return ByScreen(size, kArgsK, kArgsL);
}
std::wstring FlvProfile::GetExtension(const std::wstring&, const std::wstring&) const {
    return L"flv";
}
void FlvProfile::FillSizes() {
    SetSizes(m_sizes, {kFullScreen, kWideScreen});
}

// ---- IPhone: wide screen only.
QUORVEX_DEFAULTS(IPhoneProfile, kWideScreen)
std::wstring IPhoneProfile::GetArguments(const std::wstring&, const std::wstring& size) const {
    return size == kWideScreen ? kArgsM : std::wstring();
}
std::wstring IPhoneProfile::GetExtension(const std::wstring&, const std::wstring&) const {
    return L"m4v";
}
void IPhoneProfile::FillSizes() {
    SetSizes(m_sizes, {kWideScreen});
}

// ---- IPod
QUORVEX_DEFAULTS(IPodProfile, kFullScreen)
std::wstring IPodProfile::GetArguments(const std::wstring&, const std::wstring& size) const {
    if (size == kFullScreen)
        return kArgsN;
    if (size == kWideScreen)
        return kArgsO;
    if (size == kFullScreenTv)
        return kArgsP;
    if (size == kWideScreenTv)
        return kArgsQ;
    return std::wstring();
}
std::wstring IPodProfile::GetExtension(const std::wstring&, const std::wstring&) const {
    return L"m4v";
}
void IPodProfile::FillSizes() {
    SetSizes(m_sizes, {kFullScreen, kWideScreen, kFullScreenTv, kWideScreenTv});
}

// ---- Mobile Phone: "Low" is a 3GP file whatever the size.
QUORVEX_DEFAULTS(MobilePhoneProfile, kFullScreen)
std::wstring MobilePhoneProfile::GetArguments(const std::wstring& quality, const std::wstring& size) const {
    if (quality == kLow)
        return kArgsT;
    if (quality == kNormal || quality == kHigh)
        return size == kFullScreen ? kArgsR : kArgsS;
    return std::wstring();
}
std::wstring MobilePhoneProfile::GetExtension(const std::wstring& quality, const std::wstring&) const {
    return quality == kLow ? L"3gp" : L"mp4";
}
void MobilePhoneProfile::FillSizes() {
    SetSizes(m_sizes, {kFullScreen, kWideScreen});
}

// ---- PSP: one screen, labelled "FullScreen" although the string is 16:9.
QUORVEX_DEFAULTS(PspProfile, kFullScreen)
std::wstring PspProfile::GetArguments(const std::wstring&, const std::wstring& size) const {
    return size == kFullScreen ? kArgsU : std::wstring();
}
std::wstring PspProfile::GetExtension(const std::wstring&, const std::wstring&) const {
    return L"mp4";
}
void PspProfile::FillSizes() {
    SetSizes(m_sizes, {kFullScreen});
}

// ---- Xbox 360 and Zune: one string each, whatever is chosen.
QUORVEX_DEFAULTS(Xbox360Profile, kFullScreen)
std::wstring Xbox360Profile::GetArguments(const std::wstring&, const std::wstring&) const {
    return kArgsV;
}
std::wstring Xbox360Profile::GetExtension(const std::wstring&, const std::wstring&) const {
    return L"wmv";
}
void Xbox360Profile::FillSizes() {
    SetSizes(m_sizes, {kFullScreen, kWideScreen});
}

QUORVEX_DEFAULTS(ZuneProfile, kFullScreen)
std::wstring ZuneProfile::GetArguments(const std::wstring&, const std::wstring&) const {
    return kArgsW;
}
std::wstring ZuneProfile::GetExtension(const std::wstring&, const std::wstring&) const {
    return L"wmv";
}
void ZuneProfile::FillSizes() {
    SetSizes(m_sizes, {kFullScreen, kWideScreen});
}

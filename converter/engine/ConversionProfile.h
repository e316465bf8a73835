// One conversion target: its quality and size labels, and the encoder argument
// string and output extension for a chosen (quality, size) pair.
#pragma once

#include <string>
#include <vector>

class ConversionProfile {
public:
    ConversionProfile() = default;
    ConversionProfile(const ConversionProfile&) = delete;
    ConversionProfile& operator=(const ConversionProfile&) = delete;
    virtual ~ConversionProfile() = default;

    // The encoder argument string, or an empty string when the pair has none.
    virtual std::wstring GetArguments(const std::wstring& quality, const std::wstring& size) const = 0;
    virtual std::wstring GetDefaultQuality() const = 0;
    virtual std::wstring GetDefaultSize() const = 0;
    // The output extension without its dot.
    virtual std::wstring GetExtension(const std::wstring& quality, const std::wstring& size) const = 0;
    // Clears the size list and appends the target's size labels.
    virtual void FillSizes() = 0;

    // Every target offers the same three qualities, then its own sizes.
    void Initialize();

    const std::vector<std::wstring>& Qualities() const { return m_qualities; }
    const std::vector<std::wstring>& Sizes() const { return m_sizes; }

protected:
    std::vector<std::wstring> m_qualities;
    std::vector<std::wstring> m_sizes;
};

#define QUORVEX_DECLARE_PROFILE(Name)                                                                        \
    class Name : public ConversionProfile {                                                                  \
    public:                                                                                                  \
        std::wstring GetArguments(const std::wstring& quality, const std::wstring& size) const override;     \
        std::wstring GetDefaultQuality() const override;                                                     \
        std::wstring GetDefaultSize() const override;                                                        \
        std::wstring GetExtension(const std::wstring& quality, const std::wstring& size) const override;     \
        void FillSizes() override;                                                                           \
    };

QUORVEX_DECLARE_PROFILE(AviProfile)
QUORVEX_DECLARE_PROFILE(AndroidProfile)
QUORVEX_DECLARE_PROFILE(BlackberryProfile)
QUORVEX_DECLARE_PROFILE(DvdProfile)
QUORVEX_DECLARE_PROFILE(FlvProfile)
QUORVEX_DECLARE_PROFILE(IPhoneProfile)
QUORVEX_DECLARE_PROFILE(IPodProfile)
QUORVEX_DECLARE_PROFILE(MobilePhoneProfile)
QUORVEX_DECLARE_PROFILE(PspProfile)
QUORVEX_DECLARE_PROFILE(Xbox360Profile)
QUORVEX_DECLARE_PROFILE(ZuneProfile)

#undef QUORVEX_DECLARE_PROFILE

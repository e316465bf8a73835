// The program's whole knowledge of output formats: the eleven targets by name,
// in plain code-unit order ("AVI" before "Android"). Built once at start-up and
// never changed afterwards, so the worker thread reads it without a lock.
#pragma once

#include "ConversionProfile.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class ProfileCatalogue {
public:
    ProfileCatalogue() = default;
    ProfileCatalogue(const ProfileCatalogue&) = delete;
    ProfileCatalogue& operator=(const ProfileCatalogue&) = delete;

    // Registers the eleven targets.
    void Fill();

    // Stores the profile under the name (replacing any earlier one) and
    // initialises its lists. A null profile is refused.
    bool Register(const std::wstring& name, std::unique_ptr<ConversionProfile> profile);

    const ConversionProfile* Find(const std::wstring& name) const;
    bool GetNames(std::vector<std::wstring>& names) const;
    bool GetQualities(const std::wstring& name, std::vector<std::wstring>& qualities) const;
    bool GetSizes(const std::wstring& name, std::vector<std::wstring>& sizes) const;
    std::wstring GetDefaultQuality(const std::wstring& name) const;
    std::wstring GetDefaultSize(const std::wstring& name) const;
    std::wstring GetArguments(const std::wstring& name, const std::wstring& quality,
                              const std::wstring& size) const;
    std::wstring GetExtension(const std::wstring& name, const std::wstring& quality,
                              const std::wstring& size) const;

private:
    std::map<std::wstring, std::unique_ptr<ConversionProfile>> m_profiles;
};

#include "ProfileCatalogue.h"

void ProfileCatalogue::Fill() {
    Register(L"PSP", std::make_unique<PspProfile>());
    Register(L"Android", std::make_unique<AndroidProfile>());
    Register(L"IPhone", std::make_unique<IPhoneProfile>());
    Register(L"IPod", std::make_unique<IPodProfile>());
    Register(L"Blackberry", std::make_unique<BlackberryProfile>());
    Register(L"AVI", std::make_unique<AviProfile>());
    Register(L"DVD", std::make_unique<DvdProfile>());
    Register(L"Mobile Phone", std::make_unique<MobilePhoneProfile>());
    Register(L"Xbox 360", std::make_unique<Xbox360Profile>());
    Register(L"FLV", std::make_unique<FlvProfile>());
    Register(L"Zune", std::make_unique<ZuneProfile>());
}

bool ProfileCatalogue::Register(const std::wstring& name, std::unique_ptr<ConversionProfile> profile) {
    if (!profile)
        return false;
    profile->Initialize();
    m_profiles[name] = std::move(profile);
    return true;
}

const ConversionProfile* ProfileCatalogue::Find(const std::wstring& name) const {
    if (name.empty())
        return nullptr;
    auto it = m_profiles.find(name);
    return it == m_profiles.end() ? nullptr : it->second.get();
}

bool ProfileCatalogue::GetNames(std::vector<std::wstring>& names) const {
    names.clear();
    for (const auto& entry : m_profiles)
        names.push_back(entry.first);
    return true;
}

bool ProfileCatalogue::GetQualities(const std::wstring& name, std::vector<std::wstring>& qualities) const {
    const ConversionProfile* profile = Find(name);
    if (!profile)
        return false;
    qualities = profile->Qualities();
    return true;
}

bool ProfileCatalogue::GetSizes(const std::wstring& name, std::vector<std::wstring>& sizes) const {
    const ConversionProfile* profile = Find(name);
    if (!profile)
        return false;
    sizes = profile->Sizes();
    return true;
}

std::wstring ProfileCatalogue::GetDefaultQuality(const std::wstring& name) const {
    const ConversionProfile* profile = Find(name);
    return profile ? profile->GetDefaultQuality() : std::wstring();
}

std::wstring ProfileCatalogue::GetDefaultSize(const std::wstring& name) const {
    const ConversionProfile* profile = Find(name);
    return profile ? profile->GetDefaultSize() : std::wstring();
}

std::wstring ProfileCatalogue::GetArguments(const std::wstring& name, const std::wstring& quality,
                                            const std::wstring& size) const {
    const ConversionProfile* profile = Find(name);
    return profile ? profile->GetArguments(quality, size) : std::wstring();
}

std::wstring ProfileCatalogue::GetExtension(const std::wstring& name, const std::wstring& quality,
                                            const std::wstring& size) const {
    const ConversionProfile* profile = Find(name);
    return profile ? profile->GetExtension(quality, size) : std::wstring();
}

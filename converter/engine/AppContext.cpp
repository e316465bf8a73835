#include "AppContext.h"

#include <windows.h>

#include <mutex>

namespace {
std::mutex g_instanceMutex;
AppContext* g_instance = nullptr;
} // namespace

void JobSettings::Reset() {
    ConvertFiles.clear();
    OutputFolder.clear();
    Target.clear();
    Quality.clear();
    Size.clear();
    ProbeFiles.clear();
}

AppContext& AppContext::Instance() {
    std::lock_guard<std::mutex> guard(g_instanceMutex);
    if (!g_instance)
        g_instance = new AppContext();
    return *g_instance;
}

AppContext* AppContext::Current() {
    std::lock_guard<std::mutex> guard(g_instanceMutex);
    return g_instance;
}

void AppContext::DestroyInstance() {
    AppContext* doomed = nullptr;
    {
        std::lock_guard<std::mutex> guard(g_instanceMutex);
        doomed = g_instance;
        g_instance = nullptr;
    }
    delete doomed;
}

bool AppContext::Initialize() {
    if (!m_settings)
        m_settings = std::make_unique<JobSettings>();
    if (!m_catalogue) {
        m_catalogue = std::make_unique<ProfileCatalogue>();
        m_catalogue->Fill();
    }
    return m_settings && m_catalogue;
}

std::wstring AppContext::ExecutableFolder() {
    return ModuleFolder(nullptr);
}

std::wstring AppContext::ModuleFolder(HMODULE module) {
    // Long paths do not fit MAX_PATH: grow the buffer until the whole name fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(module, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 0x10000)
            return std::wstring();
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos)
        return std::wstring();
    return path.substr(0, slash + 1);
}

std::wstring AppContext::ProgramFolder() const {
    return m_programFolder.empty() ? ExecutableFolder() : m_programFolder;
}

std::wstring AppContext::EncoderPath() const {
    std::wstring folder = ProgramFolder();
    return folder.empty() ? std::wstring() : folder + L"ffmpeg.exe";
}

void AppContext::SetProgramFolder(const std::wstring& folder) {
    m_programFolder = folder;
    if (!m_programFolder.empty() && m_programFolder.back() != L'\\')
        m_programFolder += L'\\';
}

// The process-wide holder of the job parameters and the profile catalogue, and
// the folder of the running program (where ffmpeg.exe and log.txt live).
#pragma once

#include "ProfileCatalogue.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

// The parameters of the next batch or probe. Written by the GUI thread before a
// worker starts and read by that worker without a lock.
struct JobSettings {
    std::vector<std::wstring> ConvertFiles;
    std::wstring OutputFolder;
    std::wstring Target;
    std::wstring Quality;
    std::wstring Size;
    std::vector<std::wstring> ProbeFiles;

    void Reset();
};

class AppContext {
public:
    AppContext() = default;
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    // The process-wide object: Instance creates it on first use, Current
    // answers null when it does not exist, DestroyInstance deletes it (at
    // program end, or between tests).
    static AppContext& Instance();
    static AppContext* Current();
    static void DestroyInstance();

    // Creates the job settings and the filled catalogue when absent.
    bool Initialize();

    JobSettings* Settings() { return m_settings.get(); }
    const ProfileCatalogue* Catalogue() const { return m_catalogue.get(); }

    // The running executable's folder with a trailing backslash, whatever the
    // length of the path; empty when it cannot be read.
    std::wstring ProgramFolder() const;
    // ProgramFolder followed by "ffmpeg.exe"; empty when there is no folder.
    std::wstring EncoderPath() const;
    // Makes ProgramFolder answer another folder (a trailing backslash is
    // added when missing); an empty string returns to the executable's
    // folder. For tools and tests that run an encoder kept elsewhere.
    void SetProgramFolder(const std::wstring& folder);

    // The executable's own folder, independent of any AppContext.
    static std::wstring ExecutableFolder();
    // The folder of a loaded module (null: the executable), with a trailing
    // backslash, however long its path.
    static std::wstring ModuleFolder(HMODULE module);

private:
    std::unique_ptr<JobSettings> m_settings;
    std::unique_ptr<ProfileCatalogue> m_catalogue;
    std::wstring m_programFolder;
};

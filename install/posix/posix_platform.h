#pragma once

#include <filesystem>

#include "install/core/platform.h"
#include "install/posix/xdg_folders.h"

// The installer on a POSIX system: the administrator is the superuser, the start menu is the folder of
// launcher files (the system's for the superuser, the user's otherwise), the desktop is the user's desktop
// folder, a shortcut is a launcher file and the program file carries no ".exe".
namespace installer {

// The process environment.
std::optional<std::string> ProcessEnvironment(const std::string& name);

class PosixPlatform final : public InstallerPlatform {
  public:
    // The folders come from `env`; the system's launcher folder is given so that tests can point it
    // elsewhere.
    // The system's packages own /usr/share/applications; an installer's launchers for all users go to the
    // folder for locally installed software.
    explicit PosixPlatform(std::filesystem::path systemApplicationsFolder = "/usr/local/share/applications",
                           EnvironmentLookup env = ProcessEnvironment);

    bool IsUserAnAdmin() override;
    MemoryStatus QueryMemoryStatus() override;
    unsigned ProcessorCount() override;
    std::optional<std::string> UserName() override;
    std::string ComputerName() override;
    std::filesystem::path SpecialFolder(int csidl) override;
    bool CreateLink(const ShortcutRecord& link) override;
    std::string ShortcutFileName(std::string_view linkFileName) override;
    std::filesystem::path MenuFolder(const std::filesystem::path& programsFolder) override;
    std::optional<bool> IsReadOnly(const std::filesystem::path& file) override;
    void ClearReadOnlyAttribute(const std::filesystem::path& file) override;
    std::string ProgramFileName() override;
    std::string InstallerFileName() override;
    bool IsProgramFile(const std::filesystem::path& file) override;
    std::filesystem::path DefaultTargetDirectory() override;
    bool ReplaceFileDurably(const std::filesystem::path& file, std::string_view bytes) override;
    bool StartProgram(const std::filesystem::path& program,
                      const std::filesystem::path& workingDirectory) override;

  private:
    std::filesystem::path HomeFolder() const;

    std::filesystem::path systemApplications_;
    EnvironmentLookup env_;
};

}  // namespace installer

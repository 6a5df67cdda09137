#pragma once

#include "install/core/platform.h"

// The installer on Windows: the shell's administrator check, memory and processor queries, special folders
// and shell link objects. Paths travel through the ANSI interfaces and are converted at this boundary.
namespace installer {

class WindowsPlatform final : public InstallerPlatform {
  public:
    WindowsPlatform();
    ~WindowsPlatform() override;
    WindowsPlatform(const WindowsPlatform&) = delete;
    WindowsPlatform& operator=(const WindowsPlatform&) = delete;

    bool IsUserAnAdmin() override;
    MemoryStatus QueryMemoryStatus() override;
    unsigned ProcessorCount() override;
    std::optional<std::string> UserName() override;
    std::string ComputerName() override;
    std::filesystem::path SpecialFolder(int csidl) override;
    bool CreateLink(const ShortcutRecord& link) override;
    std::string ShortcutFileName(std::string_view linkFileName) override;
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
    bool comInitialised_ = false;
};

}  // namespace installer

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "install/core/install_plan.h"
#include "install/core/path_text.h"

// What the installer takes from the operating system, behind one small interface with a Windows and a POSIX
// implementation. Texts are UTF-8. Every call reports failure through its result and never throws.
namespace installer {

// Special folders by their Windows numbers.
inline constexpr int kCommonProgramsFolder = 23;  // programs folder of the common start menu
inline constexpr int kCommonDesktopFolder = 25;

// Byte counts as the system reports them; zero when the query fails.
struct MemoryStatus {
    std::uint64_t totalPhysical = 0;
    std::uint64_t availablePhysical = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availablePageFile = 0;
};

// The arguments of a shortcut, by the names the shell link object uses.
struct ShortcutRecord {
    std::filesystem::path Datei;     // target file
    std::filesystem::path LinkName;  // full path of the shortcut file to create
    std::string Parameter;           // command-line arguments
    std::string Comment;             // description
    std::filesystem::path WorkingDir;
    std::filesystem::path IconPath;
    int IconNumber = 0;
};

class InstallerPlatform {
  public:
    virtual ~InstallerPlatform() = default;

    virtual bool IsUserAnAdmin() = 0;
    virtual MemoryStatus QueryMemoryStatus() = 0;
    virtual unsigned ProcessorCount() = 0;
    // Nothing when the user name cannot be read.
    virtual std::optional<std::string> UserName() = 0;
    virtual std::string ComputerName() = 0;
    // The folder's path, empty when it cannot be determined.
    virtual std::filesystem::path SpecialFolder(int csidl) = 0;
    // Creates or replaces the shortcut file; false when it could not be saved.
    virtual bool CreateLink(const ShortcutRecord& link) = 0;
    // The file name a shortcut really gets for the name `linkFileName` (which ends in ".LNK").
    virtual std::string ShortcutFileName(std::string_view linkFileName) = 0;
    // The folder of the start-menu shortcuts: a folder of the program's title in the programs folder.
    virtual std::filesystem::path MenuFolder(const std::filesystem::path& programsFolder) {
        return programsFolder / PathFromUtf8(ProgramTitle());
    }

    // Nothing when the file's attributes cannot be read (no such file).
    virtual std::optional<bool> IsReadOnly(const std::filesystem::path& file) = 0;
    virtual void ClearReadOnlyAttribute(const std::filesystem::path& file) = 0;

    // The installed program's file name in the target directory, and whether a distribution file is a
    // program file that the program step copies besides the "*.exe" mask.
    virtual std::string ProgramFileName() = 0;
    // The installer's own file name in the target directory; its uninstall shortcut starts it.
    virtual std::string InstallerFileName() = 0;
    virtual bool IsProgramFile(const std::filesystem::path& file) = 0;
    virtual std::filesystem::path DefaultTargetDirectory() = 0;
    // Bytes that can still be written into `folder`; nothing when the system cannot tell.
    virtual std::optional<std::uint64_t> AvailableSpace(const std::filesystem::path& folder) {
        std::error_code error;
        const std::filesystem::space_info space = std::filesystem::space(folder, error);
        if (error) return std::nullopt;
        return space.available;
    }
    // Replaces `file` by `bytes` so that a crash or a power cut leaves the old file or the new one, complete:
    // written beside it, flushed to the disk, renamed over it, and the rename itself flushed. False when the
    // new file could not be put in place; the old one then stands.
    virtual bool ReplaceFileDurably(const std::filesystem::path& file, std::string_view bytes) = 0;
    // Starts `program` as a process of its own with `workingDirectory` as its current directory.
    virtual bool StartProgram(const std::filesystem::path& program,
                              const std::filesystem::path& workingDirectory) = 0;
};

// The folders in which the installer puts launchers for this user: the start-menu folder and the desktop.
inline std::vector<std::filesystem::path> LauncherFolders(InstallerPlatform& platform) {
    std::vector<std::filesystem::path> folders;
    if (const auto programs = platform.SpecialFolder(kCommonProgramsFolder); !programs.empty())
        folders.push_back(platform.MenuFolder(programs));
    if (const auto desktop = platform.SpecialFolder(kCommonDesktopFolder); !desktop.empty())
        folders.push_back(desktop);
    return folders;
}

}  // namespace installer

#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "install/core/platform.h"

// The record of what the installer put on the machine, kept in the target directory so that an uninstall
// removes exactly that: one full path a line, UTF-8, folders before what they hold. An update adds to it.
namespace installer {

inline constexpr std::string_view kInstallRecordName = "Tervalo.uninst";

std::vector<std::filesystem::path> ReadInstallRecord(const std::filesystem::path& target);

// Adds `entries` to the record of `target` (each path once, in the order first recorded), replacing the
// record through `platform` so that a crash leaves the old record or the new one; false when it could not be
// written.
bool AddToInstallRecord(InstallerPlatform& platform, const std::filesystem::path& target,
                        const std::vector<std::filesystem::path>& entries);

struct UninstallResult {
    bool recordFound = false;
    std::vector<std::filesystem::path> removed;
    // The user's own files (unless their removal was asked for) and folders that still hold other files.
    std::vector<std::filesystem::path> kept;
    std::vector<std::filesystem::path> failed;
};

// Removes what the record of `target` names, the record itself, and the target when it is then empty. Only
// what lies inside the target, and the launcher folders' own entries (a launcher, or a launcher folder that
// the installation created), is removed: any other line of the record names nothing of this installation,
// and its path is kept.
UninstallResult Uninstall(const std::filesystem::path& target, bool removeUserFiles,
                          const std::vector<std::filesystem::path>& launcherFolders);

}  // namespace installer

#pragma once

// The folder Tervalo works in. The programs open their files by bare name in the current directory, so at
// start they enter the folder that holds them: the current directory when it is a data folder of the user's
// own (it holds the program's settings, texts and saturation table, belongs to the user and nobody else may
// write it, as scripts and tests prepare it), else the program directory when this user can write it alone
// and it does not lie below /usr, else a per-user folder. The per-user folder serves an installation that all
// users share and none may write: it shows the files that the program only reads as links to the program
// directory, and holds a copy of the user's own of each file the program writes (where links are reserved to
// a privilege, of every file). A record beside the copies keeps the checksum of the file each was copied
// from, so that a new version of the program directory's file replaces a copy the user never changed and is
// put beside an edited one as NAME.new.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tervalo {

using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

std::optional<std::string> ProcessEnvironmentVariable(const std::string& name);

// The folder of the running program with symbolic links resolved; from `argv0` when the system cannot tell.
std::filesystem::path ProgramFolder(const char* argv0);

// $XDG_DATA_HOME/Tervalo, or ~/.local/share/Tervalo (on Windows %APPDATA%\Tervalo); empty without a home
// folder.
std::filesystem::path UserDataFolder(const EnvironmentLookup& env);

// The record of a per-user folder's copies, its name inside the folder.
inline constexpr const char* kUserFolderRecordName = ".tervalo-origins";

// The per-user folder of the installation in `programFolder`: UserDataFolder, unless that serves another
// installation that still exists, then a folder of this one's own beside it ("Tervalo-" and a checksum of the
// program directory's path).
std::filesystem::path UserFolderFor(const std::filesystem::path& userDataFolder,
                                    const std::filesystem::path& programFolder);

// Creates `userFolder` (readable by the user alone) and shows each file of `programFolder` in it: as a link,
// or as a copy for the files the program rewrites (and for every file where links need a privilege). A file
// of the user's own and a link the user made are kept; a copy the user never changed is renewed when the
// program directory's file changed, an edited one gets the new version beside it as NAME.new; links to files
// that the program directory no longer holds go. What the user should know is added to `notices`. False when
// the folder cannot be created or written.
bool PrepareUserDataFolder(const std::filesystem::path& programFolder,
                           const std::filesystem::path& userFolder,
                           std::vector<std::string>* notices = nullptr);

// The folder to work in, as described above; empty when there is none.
std::filesystem::path ChooseWorkingFolder(const std::filesystem::path& currentFolder,
                                          const std::filesystem::path& programFolder,
                                          const EnvironmentLookup& env);

struct EnteredFolder {
    std::optional<std::string> failure;  // the text of the failure, or nothing
    std::vector<std::string> notices;    // what the user should know about the folder, one sentence each
};

// Chooses, prepares and enters the working folder. A current folder whose settings file the user owns but
// may not write has it made writable. A folder other than the program directory and the per-user folder is
// named in the notices.
EnteredFolder EnterWorkingFolder(const std::filesystem::path& programFolder, const EnvironmentLookup& env);

}  // namespace tervalo

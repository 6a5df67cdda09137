#pragma once

// The folder Tervalo works in. The programs open their files by bare name in the current directory, so at
// start they enter the folder that holds them: the current directory when it is a data folder of its own (it
// holds a writable settings file, as scripts and tests prepare it), else the program directory when this user
// can write it and it does not lie below /usr, else a per-user folder. The per-user folder serves an
// installation that all users share and none may write: it shows every file of the program directory under
// its name as a link, so that reading goes to the program directory, while the program's saves replace a link
// by a file of the user's own. Where links are reserved to a privilege (Windows), it holds copies instead,
// renewed when the program directory's file changes.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tervalo {

using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

std::optional<std::string> ProcessEnvironmentVariable(const std::string& name);

// The folder of the running program with symbolic links resolved; from `argv0` when the system cannot tell.
std::filesystem::path ProgramFolder(const char* argv0);

// $XDG_DATA_HOME/Tervalo, or ~/.local/share/Tervalo (on Windows %APPDATA%\Tervalo); empty without a home
// folder.
std::filesystem::path UserDataFolder(const EnvironmentLookup& env);

// Creates `userFolder` and shows each file of `programFolder` in it: as a link, or as a copy for the files
// the program rewrites (and for every file where links need a privilege). A file of the user's own is kept;
// links to files that the program directory no longer holds go. False when the folder cannot be created or
// written.
bool PrepareUserDataFolder(const std::filesystem::path& programFolder,
                           const std::filesystem::path& userFolder);

// The folder to work in, as described above; empty when there is none.
std::filesystem::path ChooseWorkingFolder(const std::filesystem::path& currentFolder,
                                          const std::filesystem::path& programFolder,
                                          const EnvironmentLookup& env);

// Chooses, prepares and enters the working folder. The text of the failure, or nothing.
std::optional<std::string> EnterWorkingFolder(const std::filesystem::path& programFolder,
                                              const EnvironmentLookup& env);

}  // namespace tervalo

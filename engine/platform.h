#pragma once

// The engine's calls into the operating system, in one place: each system has its own implementation file
// (platform_posix.cpp, platform_windows.cpp), selected by the build. Everything else of the engine uses the
// standard library only.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tervalo {

// Whether the current user may write the existing file.
bool IsWritable(const std::filesystem::path& path);

// Whether the current user owns `path` itself (a symbolic link: the link, not the file it points to).
bool OwnedByUser(const std::filesystem::path& path);

// Whether the folder belongs to the current user and nobody else may add or replace files in it (neither its
// group nor others may write it): only then may the program trust the names it finds there.
bool IsPrivateFolder(const std::filesystem::path& folder);

// Writes `bytes` into `temporary` and renames it over `target`, flushing the file and then the directory to
// the disk, so that at every moment `target` is the complete old or the complete new file. `temporary` is one
// fixed name per target: a writer busy with it is waited for (kWriterWait at most, then the write fails), and
// one left behind by a writer that died is taken over. `mode` gives the new file's permission bits (the
// system's default for new files when nothing). Returns false when anything fails, with `target` untouched
// and no temporary left behind.
inline constexpr std::chrono::milliseconds kWriterWait{5000};
bool WriteAndRenameOver(const std::filesystem::path& temporary, const std::filesystem::path& target,
                        std::string_view bytes, std::optional<std::filesystem::perms> mode);

// Whether a live writer holds `temporary`.
bool TemporaryInUse(const std::filesystem::path& temporary);

// Removes `temporary` when it is left over from a writer that died; one that a writer is busy with stays.
void RemoveAbandonedTemporary(const std::filesystem::path& temporary);

// The name under which its directory stores the existing file `path`: a system that ignores case finds the
// file under any spelling.
std::filesystem::path StoredSpelling(const std::filesystem::path& path);

// The names of the entries of `directory` that `accept` takes (given each name as the system's narrow text),
// in the directory's order; nothing when the directory cannot be read. The programs search their folder of a
// few hundred files several times per start: std::filesystem's iterator forms a path for every entry, this
// only for those taken.
std::optional<std::vector<std::filesystem::path>> DirectoryEntriesWhere(
    const std::filesystem::path& directory, const std::function<bool(std::string_view name)>& accept);

// The root of the drive that `directory` names ("D:\" or "D:"), where the system has drive letters.
std::optional<std::filesystem::path> DriveRoot(std::string_view directory);

// The running program's file, where the system tells it.
std::optional<std::filesystem::path> RunningProgramFile();

#ifndef _WIN32
// Replaces the running process by `program` with the given arguments (argv's own, the name first), keeping
// its standard streams and its process; returns only when the program could not be started. Windows has no
// such call: its programs start a process of their own instead.
void ReplaceProcess(const std::filesystem::path& program, char** argv);
#endif

// The program's arguments in UTF-8, the program's own name first. Windows passes `argv` in the ANSI code
// page, which cannot hold every character: there the wide command line is read.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// The process's environment variable `name` in UTF-8; nothing when it is not set.
std::optional<std::string> EnvironmentVariable(const std::string& name);

// The folder in which programs keep each user's own files, from the environment variables that `variable`
// gives in UTF-8: $XDG_DATA_HOME when it is absolute, else $HOME/.local/share when $HOME is absolute; on
// Windows %APPDATA% when it is absolute. Empty when there is none.
std::filesystem::path UserDataHome(
    const std::function<std::optional<std::string>(const std::string& name)>& variable);

// Whether every user may make symbolic links; Windows reserves them to a privilege.
bool UsersMakeSymbolicLinks();

// While it lives, the console shows the program's UTF-8 output as such: the Windows console shows bytes in a
// code page of its own, which is set to UTF-8 and restored at the end. Elsewhere it does nothing.
class Utf8Console {
  public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

  private:
    [[maybe_unused]] unsigned previousCodePage_ = 0;  // 0: nothing to restore (Windows)
};

}  // namespace tervalo

#pragma once

// How the program finds, reads and rewrites its files. Data files are opened by bare name in the current
// directory (the program directory) and matched without regard to letter case.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tervalo {

// The path of an existing regular file whose name matches `name` without regard to letter case: the exact
// name first, else a case-insensitive match of the last component inside its directory. Nothing when there is
// none.
std::optional<std::filesystem::path> FindFileNoCase(const std::filesystem::path& name);

// The whole content of a file found by FindFileNoCase, or nothing when it is missing, a directory or
// unreadable. Files above `limit` bytes are refused: no data file of the program comes near it.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& name, std::size_t limit = 256u << 20);

// Length in bytes of the file (0 when missing or not a regular file).
std::uintmax_t FileLength(const std::filesystem::path& name);

// Clears the read-only attribute of an existing file. Reports whether the file is writable afterwards (false
// when it does not exist).
bool ClearReadOnly(const std::filesystem::path& name);

// Whether `name`, a file name the program builds from its data files, stays inside the program directory (the
// current directory): relative, without "..", and its directory, with symbolic links resolved, inside the
// program directory. The file itself may be a symbolic link: it is the user's own arrangement of the file.
bool StaysInProgramDirectory(const std::filesystem::path& name);

// Whether a rewrite of the file `link` in the program directory may go to the file that it points to, when it
// is a symbolic link: when that file exists inside the program directory, or when the user owns the link (and
// every link after it) and the existing file it ends at. True for a file that is no link.
bool MayWriteThrough(const std::filesystem::path& link);

// Replaces the file's content with `bytes`: clears its read-only attribute, writes the temporary file of the
// target and renames it over the old one, so an interruption leaves either the old or the new content. An
// existing file is rewritten under its own spelling of the name, keeps its permission bits, and a symbolic
// link stays a link: the file it points to is rewritten, where MayWriteThrough allows it. Returns false, with
// the old file untouched, when anything fails.
bool ReplaceFileBytes(const std::filesystem::path& name, std::string_view bytes);

// The same for the file at exactly `path` (no matching of letter case), such as a file the user chose; an
// existing file the user may not write is not replaced.
bool ReplaceFileBytesAt(const std::filesystem::path& path, std::string_view bytes);

// Several files replaced as one, such as a project and the settings that name its language. A journal holding
// every name and new content is written first and removed once all files are in place, so a kill at any
// moment leaves the journal for the next start to complete (FinishReplacements). When a file cannot be
// written, the ones already replaced get their old contents back. Files above kJournalFileLimit, and existing
// files that cannot be read (whose old content could not be restored), are refused before anything is
// written. False when the new contents are not all in place.
struct FileContent {
    std::string name;  // a bare name in the program directory
    std::string bytes;
};
inline constexpr std::size_t kJournalFileLimit = 1u << 20;
bool ReplaceFilesTogether(const std::filesystem::path& journal, const std::vector<FileContent>& files);

// Completes the replacement a journal left by an interrupted ReplaceFilesTogether describes, then removes the
// journal. A damaged journal, or one naming a file outside the program directory, is removed unused. False
// when a journal was found and could not be completed; it then stays for the next attempt.
bool FinishReplacements(const std::filesystem::path& journal);

// The one temporary name of a rewrite of `target` (its name followed by kTemporarySuffix).
inline constexpr const char* kTemporarySuffix = ".tervalo-tmp";
std::filesystem::path TemporaryNameOf(const std::filesystem::path& target);

// Whether another writer is busy replacing the file `name` (found as ReplaceFileBytes finds it), which makes
// a replacement fail after waiting for it a few seconds.
bool ReplacementInProgress(const std::filesystem::path& name);

// The file a chain of symbolic links ends at (the path itself when it is no link).
std::filesystem::path LinkTarget(std::filesystem::path path);

// Removes the temporaries in `directory` that a rewrite killed midway left behind (the next rewrite of the
// same file would take its temporary over anyway); those of rewrites still running stay.
void RemoveAbandonedTemporaries(const std::filesystem::path& directory);

}  // namespace tervalo

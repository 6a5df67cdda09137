#pragma once

// The engine's calls into the operating system, in one place: each system has its own implementation file
// (platform_posix.cpp), selected by the build. Everything else of the engine uses the standard library only.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace tervalo {

// Whether the current user may write the existing file.
bool IsWritable(const std::filesystem::path& path);

// Writes `bytes` into `temporary` and renames it over `target`, flushing the file and then the directory to
// the disk, so that at every moment `target` is the complete old or the complete new file. `temporary` is one
// fixed name per target: a writer busy with it is waited for, and one left behind by a writer that died is
// taken over. `mode` gives the new file's permission bits (the system's default for new files when nothing).
// Returns false when anything fails, with `target` untouched and no temporary left behind.
bool WriteAndRenameOver(const std::filesystem::path& temporary, const std::filesystem::path& target,
                        std::string_view bytes, std::optional<std::filesystem::perms> mode);

// Removes `temporary` when it is left over from a writer that died; one that a writer is busy with stays.
void RemoveAbandonedTemporary(const std::filesystem::path& temporary);

}  // namespace tervalo

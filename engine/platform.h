#pragma once

// The engine's calls into the operating system, in one place: each system has its own implementation file
// (platform_posix.cpp), selected by the build. Everything else of the engine uses the standard library only.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace tervalo {

// The identity of a file on disk: a change of any part means the file changed or was replaced.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;  // modification time, nanoseconds since 1970
    std::int64_t changedNs = 0;   // status change time, nanoseconds since 1970

    bool operator==(const FileStamp&) const = default;
};

// The stamp of a regular file (symbolic links followed); nothing when it is missing or not a regular file.
std::optional<FileStamp> StampOfFile(const std::filesystem::path& path);

// The wall-clock time in whole seconds since 1970.
std::int64_t NowSeconds();

// Whether the current user may write the existing file.
bool IsWritable(const std::filesystem::path& path);

// Creates `path`, which must not exist yet, with `bytes` as its content, and flushes it to the disk before
// returning. Returns false when anything fails, with nothing left behind (an existing file is not touched).
bool WriteNewFileDurably(const std::filesystem::path& path, std::string_view bytes);

// Renames `from` over `to` in one step: afterwards `to` is either the old or the new file.
bool RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace tervalo

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "engine/platform.h"

namespace tervalo {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Whether the open file `fd` is still the file that `path` names (a writer may have renamed or removed it
// between our open and our lock).
bool StillNamedBy(int fd, const char* path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path, &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

// Opens `path` for writing, creating it when missing, and locks it for this process alone: the lock is the
// sign of a live writer, and the system drops it when the writer dies. A writer busy with it is waited for
// kWriterWait at most. -1 when the file cannot be opened or stays locked.
int OpenLocked(const char* path) {
    const auto deadline = std::chrono::steady_clock::now() + kWriterWait;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const int fd = ::open(path, O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) return -1;
        const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        const int error = errno;
        if (locked && StillNamedBy(fd, path)) return fd;
        ::close(fd);  // renamed or removed by the writer waited for: take the name afresh
        if (!locked) {
            if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) return -1;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    return -1;
}

void SyncDirectoryOf(const std::filesystem::path& file) {
    const std::filesystem::path directory = file.has_parent_path() ? file.parent_path() : ".";
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool IsWritable(const std::filesystem::path& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

bool OwnedByUser(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && status.st_uid == ::geteuid();
}

bool IsPrivateFolder(const std::filesystem::path& folder) {
    struct stat status {};
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
           (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool WriteAndRenameOver(const std::filesystem::path& temporary, const std::filesystem::path& target,
                        std::string_view bytes, std::optional<std::filesystem::perms> mode) {
    const int fd = OpenLocked(temporary.c_str());
    if (fd < 0) return false;
    // A file taken over from a writer that died still holds its bytes.
    bool written = ::ftruncate(fd, 0) == 0 && WriteAll(fd, bytes);
    if (written && mode) written = ::fchmod(fd, static_cast<mode_t>(*mode) & 07777) == 0;
    written = written && ::fsync(fd) == 0;
    // The rename happens under the lock, so a waiting writer never takes the file being put in place.
    const bool renamed = written && std::rename(temporary.c_str(), target.c_str()) == 0;
    if (!renamed) ::unlink(temporary.c_str());
    ::close(fd);
    if (renamed) SyncDirectoryOf(target);
    return renamed;
}

bool TemporaryInUse(const std::filesystem::path& temporary) {
    const int fd = ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    const bool busy = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return busy;
}

void RemoveAbandonedTemporary(const std::filesystem::path& temporary) {
    const int fd = ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamedBy(fd, temporary.c_str()))
        ::unlink(temporary.c_str());
    ::close(fd);
}

std::filesystem::path StoredSpelling(const std::filesystem::path& path) {
    return path;
}

std::optional<std::vector<std::filesystem::path>> DirectoryEntriesWhere(
    const std::filesystem::path& directory, const std::function<bool(std::string_view name)>& accept) {
    DIR* const entries = ::opendir(directory.c_str());
    if (!entries) return std::nullopt;
    std::vector<std::filesystem::path> taken;
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != ".." && accept(name)) taken.emplace_back(name);
    }
    ::closedir(entries);
    return taken;
}

std::optional<std::filesystem::path> DriveRoot(std::string_view) {
    return std::nullopt;
}

void ReplaceProcess(const std::filesystem::path& program, char** argv) {
    std::fflush(stdout);
    std::fflush(stderr);
    ::execv(program.c_str(), argv);
}

std::optional<std::filesystem::path> RunningProgramFile() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::nullopt;
    return self;
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

std::optional<std::string> EnvironmentVariable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

std::filesystem::path UserDataHome(
    const std::function<std::optional<std::string>(const std::string& name)>& variable) {
    if (const auto dataHome = variable("XDG_DATA_HOME");
        dataHome && !dataHome->empty() && dataHome->front() == '/')
        return *dataHome;
    // A relative folder would depend on where the program was started, so it names none.
    if (const auto home = variable("HOME"); home && !home->empty() && home->front() == '/')
        return std::filesystem::path(*home) / ".local" / "share";
    return {};
}

bool UsersMakeSymbolicLinks() {
    return true;
}

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

}  // namespace tervalo

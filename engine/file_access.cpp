#include "engine/file_access.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <fstream>

#include "engine/platform.h"

namespace tervalo {

namespace fs = std::filesystem;

namespace {

// More links in a row than this are a loop.
constexpr int kMaxLinkHops = 40;

bool SameNameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

}  // namespace

std::optional<fs::path> FindFileNoCase(const fs::path& name) {
    if (name.empty()) return std::nullopt;
    if (IsRegularFile(name)) return StoredSpelling(name);
    const fs::path directory = name.has_parent_path() ? name.parent_path() : fs::path(".");
    const std::string wanted = name.filename().string();
    std::error_code error;
    fs::directory_iterator entries(directory, error);
    if (error) return std::nullopt;
    // Alphabetical among several matches, so the choice does not depend on the directory's order.
    std::optional<fs::path> found;
    for (const auto& entry : entries) {
        if (!SameNameNoCase(entry.path().filename().string(), wanted) || !IsRegularFile(entry.path()))
            continue;
        const fs::path candidate =
            name.has_parent_path() ? directory / entry.path().filename() : entry.path().filename();
        if (!found || candidate < *found) found = candidate;
    }
    return found;
}

std::optional<std::string> ReadFileBytes(const fs::path& name, std::size_t limit) {
    const auto path = FindFileNoCase(name);
    if (!path) return std::nullopt;
    std::ifstream in(*path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        if (bytes.size() + static_cast<std::size_t>(in.gcount()) > limit) return std::nullopt;
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    return bytes;
}

std::uintmax_t FileLength(const fs::path& name) {
    const auto path = FindFileNoCase(name);
    if (!path) return 0;
    std::error_code error;
    const auto size = fs::file_size(*path, error);
    return error ? 0 : size;
}

bool ClearReadOnly(const fs::path& name) {
    const auto path = FindFileNoCase(name);
    if (!path) return false;
    std::error_code error;
    fs::permissions(*path, fs::perms::owner_write, fs::perm_options::add, error);
    return IsWritable(*path);
}

fs::path TemporaryNameOf(const fs::path& target) {
    return target.string() + kTemporarySuffix;
}

fs::path LinkTarget(fs::path path) {
    std::error_code error;
    for (int hops = 0; hops < kMaxLinkHops && fs::is_symlink(path, error); ++hops) {
        const fs::path next = fs::read_symlink(path, error);
        if (error) break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

namespace {

// Whether `path`, with symbolic links of its directory resolved, lies inside the folder `home` (resolved).
bool LiesInside(const fs::path& home, const fs::path& path) {
    std::error_code error;
    const fs::path directory = fs::weakly_canonical(path.parent_path(), error);
    if (error) return false;
    // Component by component: "/data/prog2" does not lie inside "/data/prog".
    auto inside = directory.begin();
    for (auto part = home.begin(); part != home.end(); ++part, ++inside)
        if (inside == directory.end() || *inside != *part) return false;
    return true;
}

// Whether the user owns every link from `path` on and the existing file the chain ends at.
bool OwnsLinksAndTarget(fs::path path) {
    std::error_code error;
    for (int hops = 0; hops < kMaxLinkHops && fs::is_symlink(path, error); ++hops) {
        if (!OwnedByUser(path)) return false;
        const fs::path next = fs::read_symlink(path, error);
        if (error) return false;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return fs::is_regular_file(path, error) && OwnedByUser(path);
}

}  // namespace

bool StaysInProgramDirectory(const fs::path& name) {
    if (name.empty() || name.has_root_name() || name.has_root_directory()) return false;
    for (const fs::path& part : name)
        if (part == "..") return false;
    std::error_code error;
    const fs::path home = fs::canonical(fs::current_path(error), error);
    return !error && LiesInside(home, home / name);
}

bool MayWriteThrough(const fs::path& link) {
    std::error_code error;
    if (!fs::is_symlink(link, error)) return true;
    const fs::path home = fs::canonical(fs::current_path(error), error);
    if (error) return false;
    // A link that another user planted, or one that leads to a file not the user's own, would have the save
    // overwrite or create a file the run does not own.
    const fs::path target = LinkTarget(link);
    return LiesInside(home, fs::absolute(target, error)) || OwnsLinksAndTarget(link);
}

bool ReplaceFileBytes(const fs::path& name, std::string_view bytes) {
    if (!StaysInProgramDirectory(name)) return false;
    const fs::path found = FindFileNoCase(name).value_or(name);
    if (!MayWriteThrough(found)) return false;
    const fs::path target = LinkTarget(found);
    ClearReadOnly(target);
    return ReplaceFileBytesAt(target, bytes);
}

bool ReplaceFileBytesAt(const fs::path& path, std::string_view bytes) {
    const fs::path target = LinkTarget(path);
    std::error_code error;
    if (fs::is_symlink(target, error)) return false;  // a loop of links
    const fs::file_status status = fs::status(target, error);
    if (fs::is_directory(status)) return false;
    std::optional<fs::perms> mode;
    if (fs::exists(status)) {
        if (!IsWritable(target)) return false;
        mode = status.permissions();
    }
    return WriteAndRenameOver(TemporaryNameOf(target), target, bytes, mode);
}

void RemoveAbandonedTemporaries(const fs::path& directory) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(directory, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > std::strlen(kTemporarySuffix) && name.ends_with(kTemporarySuffix))
            RemoveAbandonedTemporary(entry.path());
    }
}

}  // namespace tervalo

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

bool SameNameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsRegularFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

constexpr std::string_view kJournalHeader = "tervalo journal 1\n";
constexpr std::string_view kJournalEnd = "end\n";

std::string JournalBytes(const std::vector<FileContent>& files) {
    std::string bytes(kJournalHeader);
    for (const FileContent& file : files)
        bytes += file.name + '\n' + std::to_string(file.bytes.size()) + '\n' + file.bytes + '\n';
    return bytes += kJournalEnd;
}

// A name a journal may hold: one component, inside the program directory.
bool JournalName(const std::string& name) {
    const fs::path path(name);
    return !name.empty() && name.find_first_of("/\\:") == std::string::npos && name != "." && name != ".." &&
           StaysInProgramDirectory(path);
}

// The files of a journal; nothing when it is damaged in any way.
std::optional<std::vector<FileContent>> ParseJournal(std::string_view bytes) {
    if (!bytes.starts_with(kJournalHeader)) return std::nullopt;
    bytes.remove_prefix(kJournalHeader.size());
    std::vector<FileContent> files;
    while (bytes != kJournalEnd) {
        const std::size_t nameEnd = bytes.find('\n');
        if (nameEnd == std::string_view::npos) return std::nullopt;
        const std::size_t sizeEnd = bytes.find('\n', nameEnd + 1);
        if (sizeEnd == std::string_view::npos || sizeEnd == nameEnd + 1 || sizeEnd - nameEnd > 9)
            return std::nullopt;
        std::size_t size = 0;
        for (const char digit : bytes.substr(nameEnd + 1, sizeEnd - nameEnd - 1)) {
            if (digit < '0' || digit > '9') return std::nullopt;
            size = size * 10 + static_cast<std::size_t>(digit - '0');
        }
        if (bytes.size() - sizeEnd - 1 < size + 1 || bytes[sizeEnd + 1 + size] != '\n') return std::nullopt;
        FileContent file{std::string(bytes.substr(0, nameEnd)), std::string(bytes.substr(sizeEnd + 1, size))};
        if (!JournalName(file.name)) return std::nullopt;
        files.push_back(std::move(file));
        bytes.remove_prefix(sizeEnd + 2 + size);
    }
    return files;
}

void RemoveFile(const fs::path& name) {
    std::error_code error;
    if (const auto found = FindFileNoCase(name)) fs::remove(*found, error);
}

}  // namespace

std::optional<fs::path> FindFileNoCase(const fs::path& name) {
    if (name.empty()) return std::nullopt;
    if (IsRegularFile(name)) return StoredSpelling(name);
    const fs::path directory = name.has_parent_path() ? name.parent_path() : fs::path(".");
    const std::string wanted = name.filename().string();
    const auto entries = DirectoryEntriesWhere(
        directory, [&wanted](std::string_view entry) { return SameNameNoCase(entry, wanted); });
    if (!entries) return std::nullopt;
    // Alphabetical among several matches, so the choice does not depend on the directory's order.
    std::optional<fs::path> found;
    for (const fs::path& entry : *entries) {
        const fs::path path = directory / entry;
        if (!IsRegularFile(path)) continue;
        const fs::path candidate = name.has_parent_path() ? path : entry;
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

bool ReplaceFilesTogether(const fs::path& journal, const std::vector<FileContent>& files) {
    std::vector<std::optional<std::string>> before;
    for (const FileContent& file : files) {
        if (!JournalName(file.name) || file.bytes.size() > kJournalFileLimit) return false;
        before.push_back(ReadFileBytes(file.name, kJournalFileLimit));
        if (!before.back() && FindFileNoCase(file.name)) return false;
    }
    if (!ReplaceFileBytes(journal, JournalBytes(files))) return false;
    std::size_t replaced = 0;
    while (replaced < files.size() && ReplaceFileBytes(files[replaced].name, files[replaced].bytes))
        ++replaced;
    bool restored = true;
    if (replaced < files.size()) {
        for (std::size_t i = 0; i < replaced; ++i) {
            if (before[i])
                restored = ReplaceFileBytes(files[i].name, *before[i]) && restored;
            else
                RemoveFile(files[i].name);
        }
    }
    // A journal whose files could not all be put back stays: the next start completes it instead.
    if (restored) RemoveFile(journal);
    return replaced == files.size();
}

bool FinishReplacements(const fs::path& journal) {
    if (!FindFileNoCase(journal)) return true;
    const auto bytes = ReadFileBytes(journal, 8 * kJournalFileLimit);
    const auto files = bytes ? ParseJournal(*bytes) : std::nullopt;
    bool finished = true;
    if (files)
        for (const FileContent& file : *files) finished = ReplaceFileBytes(file.name, file.bytes) && finished;
    if (finished) RemoveFile(journal);
    return finished;
}

bool ReplacementInProgress(const fs::path& name) {
    return TemporaryInUse(TemporaryNameOf(LinkTarget(FindFileNoCase(name).value_or(name))));
}

void RemoveAbandonedTemporaries(const fs::path& directory) {
    const auto temporaries = DirectoryEntriesWhere(directory, [](std::string_view name) {
        return name.size() > std::strlen(kTemporarySuffix) && name.ends_with(kTemporarySuffix);
    });
    if (!temporaries) return;
    for (const fs::path& temporary : *temporaries) RemoveAbandonedTemporary(directory / temporary);
}

}  // namespace tervalo

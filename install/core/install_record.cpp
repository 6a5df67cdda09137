#include "install/core/install_record.h"

#include <algorithm>
#include <fstream>
#include <system_error>

#include "install/core/path_text.h"
#include "install/core/user_files.h"

namespace installer {

namespace fs = std::filesystem;

std::vector<fs::path> ReadInstallRecord(const fs::path& target) {
    std::vector<fs::path> entries;
    std::ifstream in(target / PathFromUtf8(kInstallRecordName), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) entries.push_back(PathFromUtf8(line));
    }
    return entries;
}

bool AddToInstallRecord(InstallerPlatform& platform, const fs::path& target,
                        const std::vector<fs::path>& entries) {
    std::vector<fs::path> record = ReadInstallRecord(target);
    for (const fs::path& entry : entries)
        if (std::find(record.begin(), record.end(), entry) == record.end()) record.push_back(entry);
    std::string bytes;
    for (const fs::path& entry : record) bytes += Utf8(entry) + '\n';
    return platform.ReplaceFileDurably(target / PathFromUtf8(kInstallRecordName), bytes);
}

namespace {

// Whether `path`, spelled without "..", lies inside `folder` (or is it, when `orIs`), with links in the
// folders between them resolved.
bool LiesIn(const fs::path& path, const fs::path& folder, bool orIs) {
    if (folder.empty() || !path.is_absolute()) return false;
    for (const fs::path& part : path)
        if (part == "..") return false;
    std::error_code error;
    const fs::path base = fs::weakly_canonical(folder, error);
    const fs::path parent = fs::weakly_canonical(path.parent_path(), error);
    if (error) return false;
    const fs::path resolved = parent / path.filename();
    auto inside = resolved.begin();
    for (auto part = base.begin(); part != base.end(); ++part, ++inside)
        if (inside == resolved.end() || *inside != *part) return false;
    return orIs || inside != resolved.end();
}

bool BelongsToInstallation(const fs::path& entry, const fs::path& target,
                           const std::vector<fs::path>& launcherFolders) {
    if (LiesIn(entry, target, true)) return true;
    // A folder that the installation created above the target; removed only when empty.
    std::error_code error;
    if (fs::is_directory(fs::symlink_status(entry, error)) && LiesIn(target, entry, false)) return true;
    // In a launcher folder only its own entries: a launcher, or the folder itself when the run created it.
    for (const fs::path& folder : launcherFolders) {
        if (LiesIn(entry, folder, true) &&
            (fs::equivalent(entry, folder, error) || fs::equivalent(entry.parent_path(), folder, error)))
            return true;
    }
    return false;
}

}  // namespace

UninstallResult Uninstall(const fs::path& target, bool removeUserFiles,
                          const std::vector<fs::path>& launcherFolders) {
    UninstallResult result;
    const fs::path recordFile = target / PathFromUtf8(kInstallRecordName);
    std::error_code error;
    result.recordFound = fs::is_regular_file(recordFile, error);
    if (!result.recordFound) return result;

    const std::vector<fs::path> entries = ReadInstallRecord(target);
    if (fs::remove(recordFile, error)) result.removed.push_back(recordFile);
    // What a folder holds is recorded after the folder, so it goes first.
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const fs::path& entry = *it;
        const fs::file_status status = fs::symlink_status(entry, error);
        if (!fs::exists(status)) continue;
        if (!BelongsToInstallation(entry, target, launcherFolders)) {
            result.kept.push_back(entry);
            continue;
        }
        if (fs::is_directory(status)) {
            if (fs::is_empty(entry, error) && fs::remove(entry, error))
                result.removed.push_back(entry);
            else
                result.kept.push_back(entry);
            continue;
        }
        if (!removeUserFiles && IsUserFile(Utf8(entry.filename()))) {
            result.kept.push_back(entry);
            continue;
        }
        if (fs::remove(entry, error))
            result.removed.push_back(entry);
        else
            result.failed.push_back(entry);
    }
    return result;
}

}  // namespace installer

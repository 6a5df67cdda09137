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

bool AddToInstallRecord(const fs::path& target, const std::vector<fs::path>& entries) {
    std::vector<fs::path> record = ReadInstallRecord(target);
    for (const fs::path& entry : entries)
        if (std::find(record.begin(), record.end(), entry) == record.end()) record.push_back(entry);

    const fs::path file = target / PathFromUtf8(kInstallRecordName);
    const fs::path temporary = target / PathFromUtf8("." + std::string(kInstallRecordName) + ".part");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const fs::path& entry : record) out << Utf8(entry) << '\n';
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, file, error);
    return !error;
}

UninstallResult Uninstall(const fs::path& target, bool removeUserFiles) {
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

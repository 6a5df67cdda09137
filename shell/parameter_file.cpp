#include "shell/parameter_file.h"

#include "config/run_settings.h"
#include "engine/file_access.h"
#include "engine/fixed_record.h"
#include "engine/platform.h"
#include "engine/text_util.h"

namespace tervalo {

namespace {

constexpr long kFirstRecord = 30;
constexpr long kLastRecord = 60;
// The file holds 60 records of 3 bytes; a file far larger is no parameter file and is left alone.
constexpr std::size_t kParameterFileLimit = 8u << 10;

}  // namespace

std::filesystem::path ParameterFilePath() {
    const std::string& directory = Settings.ParameterDirectory;
    if (directory.empty()) return kParameterFileName;
    // A drive root such as "D:\" is honoured where the system has drive letters. Elsewhere it names no place:
    // the family's parameter file then stays in the program directory rather than at the root of the file
    // system.
    if (const auto root = DriveRoot(directory)) return *root / kParameterFileName;
    if (directory.size() >= 2 && directory[1] == ':') return kParameterFileName;
    // Nor does the program write outside its directory: "..", "/" or a link out lead back to it.
    const std::filesystem::path path = std::filesystem::path(directory) / kParameterFileName;
    return StaysInProgramDirectory(path) ? path : kParameterFileName;
}

void CheckParameterFile(const std::string& currentDirectory) {
    const std::filesystem::path path = ParameterFilePath();
    if (FileLength(path) > kParameterFileLimit) return;
    FixedRecordFile file = FixedRecordFile::Load(path, 3, kParameterFileLimit);
    std::string stored;
    for (long n = kFirstRecord; n <= kLastRecord; ++n) stored += file.Record(n);

    std::string rest = TrimBlanks(currentDirectory) + "      ";
    if (TrimBlanks(stored) == TrimBlanks(rest)) return;

    bool usedUp = false;
    for (long n = kFirstRecord; n <= kLastRecord; ++n) {
        std::string piece = rest.substr(0, 3);
        usedUp = usedUp || TrimBlanks(piece).empty();
        file.SetRecord(n, usedUp ? "   " : piece);
        rest.erase(0, std::min<std::size_t>(3, rest.size()));
    }
    file.Save(path);
}

void CheckParameterFile() {
    std::error_code error;
    const auto current = std::filesystem::current_path(error);
    CheckParameterFile(error ? std::string() : current.string());
}

}  // namespace tervalo

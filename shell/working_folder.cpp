#include "shell/working_folder.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <system_error>

#include "config/settings_file.h"
#include "engine/file_access.h"
#include "engine/platform.h"
#include "engine/refrigerant_registry.h"
#include "engine/text_util.h"

namespace tervalo {

namespace fs = std::filesystem;

namespace {

std::string Utf8Path(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path PathOfUtf8(const std::string& text) {
    return fs::path(std::u8string(text.begin(), text.end()));
}

// FNV-1a: a change of the file is all it must notice.
std::uint64_t Checksum(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return hash;
}

std::string Hex(std::uint64_t value, int digits = 16) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return std::string(text + 16 - digits);
}

std::optional<std::string> ChecksumOfFile(const fs::path& path) {
    const auto bytes = ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    return Hex(Checksum(*bytes));
}

// Whether the folder holds a caption file and a saturation table of the refrigerants the program knows.
bool HoldsTextsAndTables(const fs::path& folder) {
    bool texts = false;
    bool tables = false;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        if (!entry.is_regular_file(error)) continue;
        const std::string name = UpperAscii(Utf8Path(entry.path().filename()));
        texts = texts || name.rfind("CAPTION.", 0) == 0;
        for (const RefrigerantRow& row : RefrigerantRegistry())
            tables = tables || name == UpperAscii(std::string(row.tableFile));
        if (texts && tables) return true;
    }
    return false;
}

// A folder that holds the program's settings, texts and saturation table, that the user may write and nobody
// else may: files found by name there are the user's. A settings file the user owns but may not write is made
// writable on entering.
bool IsDataFolder(const fs::path& folder) {
    if (folder.empty() || !IsPrivateFolder(folder) || !IsWritable(folder)) return false;
    const auto settings = FindFileNoCase(folder / kSettingsFileName);
    std::error_code error;
    if (!settings ||
        !(IsWritable(*settings) || (OwnedByUser(*settings) && !fs::is_symlink(*settings, error))))
        return false;
    return HoldsTextsAndTables(folder);
}

// A program directory that the user may write and nobody else may.
bool IsOwnProgramFolder(const fs::path& folder) {
    return !folder.empty() && IsPrivateFolder(folder) && IsWritable(folder);
}

bool SameFolder(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return !a.empty() && !b.empty() && fs::equivalent(a, b, error);
}

// The files the program rewrites get a copy of their own: a save writes through a link to its target, which
// in a shared program directory the user may not write. Catalogue files get their type written into a record.
bool CopiedIntoUserFolder(const std::string& upperName) {
    const auto endsWith = [&upperName](std::string_view suffix) {
        return upperName.size() > suffix.size() &&
               upperName.compare(upperName.size() - suffix.size(), suffix.size(), suffix) == 0;
    };
    return endsWith(".RDM") || endsWith(".LST") || upperName.rfind("KELVHELP.", 0) == 0 ||
           upperName == "KPARAM.DAT" || upperName == "TEMPPART.DAT" || upperName == "SPEZBK.DAT" ||
           upperName == "RECHPAR.DAT" || upperName == "RECHOPT.DAT" || upperName == "ERGEN1.DAT" ||
           upperName == "LIFETIME.DAT" || upperName == "PUFFER.DAT" || upperName == "KELVDATA.DAT";
}

// The files that hold the user's run (settings, project, results, the refrigerant lists the catalogue index
// writes): a new version of the program directory replaces them only while the user never changed them, and
// is never put beside them.
bool HoldsTheUsersRun(const std::string& upperName) {
    const bool list = upperName.size() > 4 && upperName.compare(upperName.size() - 4, 4, ".LST") == 0;
    return (list && upperName != "KATALG.LST") || upperName == "KPARAM.DAT" || upperName == "TEMPPART.DAT" ||
           upperName == "RECHPAR.DAT" || upperName == "ERGEN1.DAT" || upperName == "LIFETIME.DAT" ||
           upperName == "PUFFER.DAT" || upperName == "KELVDATA.DAT";
}

// Where the copies of a per-user folder came from: the program directory it serves, and per copy the checksum
// of the file it was copied from and that of the version last put beside it as NAME.new.
struct FolderRecord {
    struct Copy {
        std::string origin;
        std::string offered;
    };
    fs::path programFolder;
    std::map<std::string, Copy> copies;  // by file name
};

std::optional<FolderRecord> ReadFolderRecord(const fs::path& userFolder) {
    const auto bytes = ReadFileBytes(userFolder / kUserFolderRecordName, 1u << 20);
    if (!bytes) return std::nullopt;
    FolderRecord record;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes->find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = bytes->substr(start, end - start);
        std::vector<std::string> fields;
        for (std::size_t from = 0;;) {
            const std::size_t tab = line.find('\t', from);
            fields.push_back(line.substr(from, tab - from));
            if (tab == std::string::npos) break;
            from = tab + 1;
        }
        if (fields.size() == 2 && fields[0] == "program") record.programFolder = PathOfUtf8(fields[1]);
        if (fields.size() == 4 && fields[0] == "copy") record.copies[fields[3]] = {fields[1], fields[2]};
    }
    return record;
}

bool WriteFolderRecord(const fs::path& userFolder, const FolderRecord& record) {
    std::string bytes = "program\t" + Utf8Path(record.programFolder) + "\n";
    for (const auto& [name, copy] : record.copies)
        bytes += "copy\t" + copy.origin + "\t" + copy.offered + "\t" + name + "\n";
    return ReplaceFileBytesAt(userFolder / kUserFolderRecordName, bytes);
}

// Whether `folder` still holds an installation of the program.
bool HoldsProgram(const fs::path& folder) {
    return !folder.empty() && FindFileNoCase(folder / kSettingsFileName).has_value();
}

// The program directory that the links of a folder without record point into, other than `programFolder`.
fs::path LinkedProgramFolder(const fs::path& userFolder, const fs::path& programFolder) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(userFolder, error)) {
        if (!entry.is_symlink(error)) continue;
        const fs::path linked = fs::read_symlink(entry.path(), error);
        if (!error && linked.is_absolute() && linked.parent_path() != programFolder &&
            HoldsProgram(linked.parent_path()))
            return linked.parent_path();
    }
    return {};
}

// Whether `shown` is a link that a start of the program made: to the file of the same name in one of the
// program directories that the folder served.
bool IsProgramLink(const fs::path& shown, const std::vector<fs::path>& programFolders) {
    std::error_code error;
    if (!fs::is_symlink(shown, error)) return false;
    const fs::path linked = fs::read_symlink(shown, error);
    if (error || linked.filename() != shown.filename()) return false;
    for (const fs::path& folder : programFolders)
        if (!folder.empty() && linked.parent_path() == folder) return true;
    return false;
}

}  // namespace

std::optional<std::string> ProcessEnvironmentVariable(const std::string& name) {
    return EnvironmentVariable(name);
}

fs::path ProgramFolder(const char* argv0) {
    if (const auto self = RunningProgramFile(); self && self->has_parent_path()) return self->parent_path();
    std::error_code error;
    const fs::path program = fs::weakly_canonical(fs::absolute(argv0 ? argv0 : "", error), error);
    return program.parent_path();
}

fs::path UserDataFolder(const EnvironmentLookup& env) {
    const fs::path home = UserDataHome(env);
    return home.empty() ? home : home / "Tervalo";
}

fs::path UserFolderFor(const fs::path& userDataFolder, const fs::path& programFolder) {
    std::error_code error;
    if (userDataFolder.empty() || !fs::is_directory(userDataFolder, error)) return userDataFolder;
    const auto record = ReadFolderRecord(userDataFolder);
    const fs::path served =
        record ? record->programFolder : LinkedProgramFolder(userDataFolder, programFolder);
    if (served == programFolder) return userDataFolder;
    const fs::path own =
        userDataFolder.parent_path() / (userDataFolder.filename().string() + "-" +
                                        Hex(Checksum(Utf8Path(programFolder.lexically_normal())), 8));
    if (fs::is_directory(own, error)) return own;
    // A folder whose installation was removed passes to the next one.
    if (served.empty() || !HoldsProgram(served)) return userDataFolder;
    return own;
}

bool PrepareUserDataFolder(const fs::path& programFolder, const fs::path& userFolder,
                           std::vector<std::string>* notices) {
    std::error_code error;
    fs::create_directories(userFolder, error);
    if (!fs::is_directory(userFolder, error) || !IsWritable(userFolder)) return false;
    const auto stored = ReadFolderRecord(userFolder);
    // Other users may not read the user's projects; a folder of an earlier version was open to them.
    if (!stored) fs::permissions(userFolder, fs::perms::owner_all, fs::perm_options::replace, error);
    FolderRecord record = stored.value_or(FolderRecord{});
    const fs::path previous = record.programFolder != programFolder ? record.programFolder : fs::path();
    const std::vector<fs::path> served{programFolder, previous,
                                       LinkedProgramFolder(userFolder, programFolder)};
    record.programFolder = programFolder;
    const auto tell = [notices](std::string text) {
        if (notices) notices->push_back(std::move(text));
    };

    // Where links are reserved to a privilege, copies stand in for them.
    const bool links = UsersMakeSymbolicLinks();
    std::map<std::string, FolderRecord::Copy> copies;
    for (const fs::directory_entry& entry : fs::directory_iterator(programFolder, error)) {
        const fs::path name = entry.path().filename();
        const std::string nameText = Utf8Path(name);
        if (nameText.front() == '.' || !entry.is_regular_file(error)) continue;
        const std::string upper = UpperAscii(nameText);
        const fs::path shown = userFolder / name;
        const fs::file_status status = fs::symlink_status(shown, error);
        const bool programLink = IsProgramLink(shown, served);
        // A link the user made stays as it is.
        if (fs::is_symlink(status) && !programLink) continue;

        if (!CopiedIntoUserFolder(upper) && links) {
            if (fs::exists(status) && !programLink) continue;  // a file of the user's own
            if (programLink && fs::read_symlink(shown, error) == entry.path()) continue;
            fs::remove(shown, error);
            fs::create_symlink(entry.path(), shown, error);
            continue;
        }

        const auto source = ReadFileBytes(entry.path());
        if (!source) continue;
        const std::string sourceSum = Hex(Checksum(*source));
        const auto known = record.copies.find(nameText);
        if (!fs::exists(status) || programLink) {
            fs::remove(shown, error);
            if (ReplaceFileBytesAt(shown, *source)) copies[nameText] = {sourceSum, ""};
            continue;
        }
        FolderRecord::Copy copy = known != record.copies.end() ? known->second : FolderRecord::Copy{};
        const auto copySum = ChecksumOfFile(shown);
        if (!copySum) continue;
        if (copy.origin.empty()) {
            // A copy of an earlier version, or a file of the user's own: its origin is unknown, so a copy
            // that differs counts as edited.
            copy.origin = *copySum == sourceSum ? sourceSum : "unknown";
        }
        if (sourceSum != copy.origin) {
            if (*copySum == copy.origin) {
                if (ReplaceFileBytesAt(shown, *source)) copy = {sourceSum, ""};
            } else if (*copySum == sourceSum) {
                copy = {sourceSum, ""};
            } else if (!HoldsTheUsersRun(upper) && copy.offered != sourceSum) {
                const fs::path offered = userFolder / (nameText + ".new");
                if (ReplaceFileBytesAt(offered, *source)) {
                    copy.offered = sourceSum;
                    tell("The program's new " + nameText + " is " + Utf8Path(offered) + ": your edited " +
                         nameText + " was kept.");
                }
            }
        }
        copies[nameText] = copy;
    }
    record.copies = std::move(copies);

    // Links to files that an update or removal of the program directory took away; no other link is touched.
    for (const fs::directory_entry& entry : fs::directory_iterator(userFolder, error)) {
        if (IsProgramLink(entry.path(), served) && !fs::exists(entry.path(), error))
            fs::remove(entry.path(), error);
    }
    return WriteFolderRecord(userFolder, record);
}

fs::path ChooseWorkingFolder(const fs::path& currentFolder, const fs::path& programFolder,
                             const EnvironmentLookup& env) {
    const fs::path userFolder = UserFolderFor(UserDataFolder(env), programFolder);
    // The per-user folder is prepared on every start, from wherever the program is started.
    if (!SameFolder(currentFolder, userFolder) && IsDataFolder(currentFolder)) return currentFolder;
    // Below /usr the package manager owns the files, and the system may mount it read-only: not even the
    // superuser works there.
    const bool systemManaged = programFolder.lexically_normal().string().rfind("/usr/", 0) == 0;
    if (!systemManaged && IsOwnProgramFolder(programFolder)) return programFolder;
    return userFolder;
}

EnteredFolder EnterWorkingFolder(const fs::path& programFolder, const EnvironmentLookup& env) {
    EnteredFolder entered;
    std::error_code error;
    const fs::path current = fs::current_path(error);
    const fs::path folder = ChooseWorkingFolder(current, programFolder, env);
    if (folder.empty()) {
        entered.failure = "The program directory " + Utf8Path(programFolder) +
                          " is not writable, and there is no home folder for a folder of your own (HOME is "
                          "not set).";
        return entered;
    }
    if (folder == current && !SameFolder(folder, programFolder)) {
        ClearReadOnly(folder / kSettingsFileName);
        entered.notices.push_back("working in " + Utf8Path(folder) +
                                  ", the current folder, which holds the program's settings and data.");
    } else if (folder != programFolder) {
        const fs::path base = UserDataFolder(env);
        if (folder != base && !fs::exists(folder, error))
            entered.notices.push_back(Utf8Path(base) +
                                      " serves another installation of Tervalo: this one keeps "
                                      "your files in " +
                                      Utf8Path(folder) + ".");
        if (!PrepareUserDataFolder(programFolder, folder, &entered.notices)) {
            entered.failure =
                "The folder " + Utf8Path(folder) + " for your settings and projects could not be created.";
            return entered;
        }
    }
    fs::current_path(folder, error);
    if (error)
        entered.failure =
            "The folder " + Utf8Path(folder) + " could not be entered: " + error.message() + ".";
    return entered;
}

}  // namespace tervalo

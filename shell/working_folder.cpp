#include "shell/working_folder.h"

#include <system_error>

#include "config/settings_file.h"
#include "engine/file_access.h"
#include "engine/platform.h"
#include "engine/text_util.h"

namespace tervalo {

namespace fs = std::filesystem;

namespace {

// A folder holding the settings file that this user may rewrite, or a writable folder without one.
bool IsWorkingFolder(const fs::path& folder, bool settingsRequired) {
    if (folder.empty() || !IsWritable(folder)) return false;
    const auto settings = FindFileNoCase(folder / kSettingsFileName);
    if (!settings) return !settingsRequired;
    return IsWritable(*settings);
}

// The files the program rewrites get a copy of their own: a save writes through a link to its target, which
// in a shared program directory the user may not write. Catalogue files get their type written into a record.
bool CopiedIntoUserFolder(const fs::path& name) {
    const std::string text = UpperAscii(name.string());
    const auto endsWith = [&text](std::string_view suffix) {
        return text.size() > suffix.size() &&
               text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
    };
    return endsWith(".RDM") || endsWith(".LST") || text.rfind("KELVHELP.", 0) == 0 || text == "KPARAM.DAT" ||
           text == "TEMPPART.DAT" || text == "SPEZBK.DAT" || text == "RECHPAR.DAT" || text == "RECHOPT.DAT";
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

bool PrepareUserDataFolder(const fs::path& programFolder, const fs::path& userFolder) {
    std::error_code error;
    fs::create_directories(userFolder, error);
    if (!fs::is_directory(userFolder, error) || !IsWritable(userFolder)) return false;

    // Where links are reserved to a privilege, copies stand in for them.
    const bool links = UsersMakeSymbolicLinks();
    for (const fs::directory_entry& entry : fs::directory_iterator(programFolder, error)) {
        const fs::path name = entry.path().filename();
        if (name.string().front() == '.' || !entry.is_regular_file(error)) continue;
        const fs::path shown = userFolder / name;
        const fs::file_status status = fs::symlink_status(shown, error);
        const bool present = fs::exists(status) && !fs::is_symlink(status);
        if (present && !links && !CopiedIntoUserFolder(name)) {
            // A copy in place of a link: renewed when the program directory's file changed.
            if (fs::file_size(shown, error) == entry.file_size(error) &&
                fs::last_write_time(shown, error) >= entry.last_write_time(error) && !error)
                continue;
        } else if (present) {
            continue;  // the user's own
        }
        if (CopiedIntoUserFolder(name) || !links) {
            fs::remove(shown, error);
            fs::copy_file(entry.path(), shown, error);
            fs::permissions(shown, fs::perms::owner_write, fs::perm_options::add, error);
            continue;
        }
        if (fs::is_symlink(status) && fs::read_symlink(shown, error) == entry.path()) continue;
        fs::remove(shown, error);
        fs::create_symlink(entry.path(), shown, error);
    }
    // Links to files that an update of the program directory removed.
    for (const fs::directory_entry& entry : fs::directory_iterator(userFolder, error)) {
        if (!entry.is_symlink(error)) continue;
        const fs::path linked = fs::read_symlink(entry.path(), error);
        if (!error && linked.parent_path() == programFolder && !fs::exists(linked, error))
            fs::remove(entry.path(), error);
    }
    return true;
}

fs::path ChooseWorkingFolder(const fs::path& currentFolder, const fs::path& programFolder,
                             const EnvironmentLookup& env) {
    if (IsWorkingFolder(currentFolder, true)) return currentFolder;
    // Below /usr the package manager owns the files, and the system may mount it read-only: not even the
    // superuser works there.
    const bool systemManaged = programFolder.lexically_normal().string().rfind("/usr/", 0) == 0;
    if (!systemManaged && IsWorkingFolder(programFolder, false)) return programFolder;
    return UserDataFolder(env);
}

std::optional<std::string> EnterWorkingFolder(const fs::path& programFolder, const EnvironmentLookup& env) {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    const fs::path folder = ChooseWorkingFolder(current, programFolder, env);
    if (folder.empty())
        return "The program directory " + programFolder.string() +
               " is not writable, and there is no home folder for a folder of your own (HOME is not set).";
    if (folder != current && folder != programFolder && !PrepareUserDataFolder(programFolder, folder))
        return "The folder " + folder.string() + " for your settings and projects could not be created.";
    fs::current_path(folder, error);
    if (error) return "The folder " + folder.string() + " could not be entered: " + error.message() + ".";
    return std::nullopt;
}

}  // namespace tervalo

#include "install/posix/xdg_folders.h"

#include <fstream>

namespace installer {

namespace {

// XDG variables count only when they hold an absolute path.
std::optional<std::filesystem::path> AbsoluteVariable(const EnvironmentLookup& env, const std::string& name) {
    const std::optional<std::string> value = env(name);
    if (!value || value->empty() || value->front() != '/') return std::nullopt;
    return std::filesystem::path(*value);
}

// The value of `key` in a user-dirs.dirs file: KEY="$HOME/sub" or KEY="/absolute".
std::optional<std::filesystem::path> UserDirsEntry(const std::filesystem::path& file, const std::string& key,
                                                   const std::filesystem::path& home) {
    std::ifstream in(file);
    std::string line;
    std::optional<std::filesystem::path> found;
    while (std::getline(in, line)) {
        const std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size() + 1, key + "=") != 0) continue;
        std::string value = line.substr(start + key.size() + 1);
        if (value.size() < 2 || value.front() != '"') continue;
        const std::size_t close = value.find('"', 1);
        if (close == std::string::npos) continue;
        value = value.substr(1, close - 1);
        if (value.rfind("$HOME", 0) == 0) {
            std::string rest = value.substr(5);
            while (!rest.empty() && rest.front() == '/') rest.erase(0, 1);
            found = rest.empty() ? home : home / rest;
        } else if (!value.empty() && value.front() == '/') {
            found = std::filesystem::path(value);
        }
    }
    return found;
}

}  // namespace

std::filesystem::path UserApplicationsFolder(const EnvironmentLookup& env,
                                             const std::filesystem::path& home) {
    if (const auto dataHome = AbsoluteVariable(env, "XDG_DATA_HOME")) return *dataHome / "applications";
    if (home.empty()) return {};
    return home / ".local" / "share" / "applications";
}

std::filesystem::path UserDesktopFolder(const EnvironmentLookup& env, const std::filesystem::path& home) {
    if (home.empty()) return {};
    const std::filesystem::path config = AbsoluteVariable(env, "XDG_CONFIG_HOME").value_or(home / ".config");
    if (const auto desktop = UserDirsEntry(config / "user-dirs.dirs", "XDG_DESKTOP_DIR", home))
        return *desktop;
    return home / "Desktop";
}

}  // namespace installer

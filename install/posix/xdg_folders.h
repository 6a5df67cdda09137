#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// The user's folders by the XDG base-directory and user-directory conventions.
namespace installer {

using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// $XDG_DATA_HOME/applications, or ~/.local/share/applications; empty without a home folder.
std::filesystem::path UserApplicationsFolder(const EnvironmentLookup& env, const std::filesystem::path& home);

// XDG_DESKTOP_DIR from user-dirs.dirs in $XDG_CONFIG_HOME (or ~/.config), else ~/Desktop; empty without a
// home folder.
std::filesystem::path UserDesktopFolder(const EnvironmentLookup& env, const std::filesystem::path& home);

}  // namespace installer

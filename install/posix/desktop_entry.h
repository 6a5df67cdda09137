#pragma once

#include <string>
#include <string_view>

#include "install/core/platform.h"

// A shortcut as a freedesktop launcher file (".desktop"), the form that start menus and desktops on POSIX
// systems read.
namespace installer {

// The desktop-file ID of Tervalo's launcher, and of the launcher that uninstalls it. Desktops match a window
// to its launcher by this ID and by the window class, the program's file name.
inline constexpr std::string_view kLauncherId = "org.kelvara.Tervalo";
inline constexpr std::string_view kUninstallLauncherId = "org.kelvara.Tervalo.Uninstall";

// The launcher text for `link`, which the link file's ID (its name without ".desktop") makes Tervalo's own
// launcher or the uninstall launcher. The icon is the one beside the program the link starts.
std::string DesktopEntryText(const ShortcutRecord& link);

// A value of a string key, with the escapes that launcher files define for backslash and control characters.
std::string EscapeDesktopValue(std::string_view value);

// One argument of the Exec key, quoted so that blanks and shell characters stay literal.
std::string QuoteExecArgument(std::string_view argument);

}  // namespace installer

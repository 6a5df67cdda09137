#pragma once

#include <string>
#include <string_view>

#include "install/core/platform.h"

// A shortcut as a freedesktop launcher file (".desktop"), the form that start menus and desktops on POSIX
// systems read.
namespace installer {

// The launcher text for `link`; its name is the link file's name without the suffix.
std::string DesktopEntryText(const ShortcutRecord& link);

// A value of a string key, with the escapes that launcher files define for backslash and control characters.
std::string EscapeDesktopValue(std::string_view value);

// One argument of the Exec key, quoted so that blanks and shell characters stay literal.
std::string QuoteExecArgument(std::string_view argument);

}  // namespace installer

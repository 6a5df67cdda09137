#pragma once

#include <string>
#include <string_view>

// The files of an installation that Tervalo rewrites for its user: settings, the saved project, the fuel
// prices and the help texts. An update keeps the user's version of each.
namespace installer {

bool IsUserFile(std::string_view name);

// How a user file is named to the user: the help texts of all languages as one "Kelvhelp.*", every other
// file by its name.
std::string UserFileGroup(std::string_view name);

// The name beside a kept user file under which an update leaves the distribution's version.
inline constexpr std::string_view kNewVersionSuffix = ".new";

}  // namespace installer

#pragma once

// What Tervalo and tervalo-calc say about themselves on the command line, before any file is read or any
// window opens.

#include <string>
#include <string_view>
#include <vector>

#include "tervalo_version.h"

namespace tervalo {

inline constexpr const char* kProgramVersion = TERVALO_VERSION;
// The name under which desktops know the program: its launcher's file name without ".desktop", and the name
// of its icon file in the program directory with ".svg".
inline constexpr const char* kDesktopFileId = "org.kelvara.Tervalo";
inline constexpr const char* kIconFileName = "org.kelvara.Tervalo.svg";

enum class InfoRequest { None, Help, Version };

// "--help" ("-h") or "--version" among the arguments (without the program name); the first one counts.
InfoRequest FindInfoRequest(const std::vector<std::string>& arguments);

// The first argument that the windowed program does not understand: neither its own options nor the options
// that Qt takes from every program's command line (such as "-platform NAME" or "-style NAME"). Empty when all
// are understood.
std::string UnknownTervaloArgument(const std::vector<std::string>& arguments);

// The usage line of the windowed program.
inline constexpr const char* kTervaloUsageLine = "Usage: tervalo [--help | --version]\n";

// The program's name and version, one line.
std::string VersionText(std::string_view programName);

// The command-line help of the windowed program.
std::string TervaloUsage();

}  // namespace tervalo

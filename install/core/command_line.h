#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "install/core/install_record.h"

// What the installer is asked to do on its command line. Without arguments it opens its window.
namespace installer {

enum class CommandAction { OpenWindow, ShowHelp, ShowVersion, Uninstall, Invalid };

struct CommandLine {
    CommandAction action = CommandAction::OpenWindow;
    // Uninstall: also remove the user's own files; ask in a window first and report there.
    bool removeUserFiles = false;
    bool ask = false;
    std::string error;
};

// `arguments` without the program name.
CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments);

std::string HelpText(std::string_view programName);
std::string VersionText();

// The uninstall's outcome in one line: where, and how many paths were removed, kept and left.
std::string UninstallSummary(const UninstallResult& result, const std::filesystem::path& target);

// The uninstall's report, one line for each file removed, kept or left.
std::string UninstallReport(const UninstallResult& result, const std::filesystem::path& target);

}  // namespace installer

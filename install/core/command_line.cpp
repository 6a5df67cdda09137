#include "install/core/command_line.h"

#include "install/core/install_plan.h"
#include "install/core/path_text.h"

namespace installer {

CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments) {
    CommandLine command;
    bool uninstallOption = false;
    for (const std::string_view argument : arguments) {
        if (argument == "--help" || argument == "-h") return {CommandAction::ShowHelp, false, false, {}};
        if (argument == "--version") return {CommandAction::ShowVersion, false, false, {}};
        if (argument == "--uninstall") {
            command.action = CommandAction::Uninstall;
        } else if (argument == "--all") {
            command.removeUserFiles = uninstallOption = true;
        } else if (argument == "--ask") {
            command.ask = uninstallOption = true;
        } else {
            return {CommandAction::Invalid, false, false, "unknown option: " + std::string(argument)};
        }
    }
    if (uninstallOption && command.action != CommandAction::Uninstall)
        return {CommandAction::Invalid, false, false, "--all and --ask go with --uninstall"};
    return command;
}

std::string HelpText(std::string_view programName) {
    const std::string name(programName);
    return "Usage: " + name + " [--uninstall [--all] [--ask]]\n" + "Installs " + std::string(kProgramName) +
           std::string(kProgramVersion) +
           " from the folder that holds this program into a folder of your choice.\n"
           "Without options a window leads through the installation.\n\n"
           "  --uninstall  remove the installation that this program belongs to: the files and\n"
           "               launchers its installation created; your own settings, project, prices\n"
           "               and help texts stay\n"
           "  --all        with --uninstall: remove your own files as well\n"
           "  --ask        with --uninstall: ask in a window first and report there\n"
           "  --help       show this help and end\n"
           "  --version    show the version and end\n";
}

std::string VersionText() {
    return std::string(kProgramName) + " installer" + std::string(kProgramVersion) + "\n";
}

std::string UninstallSummary(const UninstallResult& result, const std::filesystem::path& target) {
    if (!result.recordFound)
        return "No list of installed files in " + Utf8(target) + ": nothing was removed.";
    std::string summary = std::string(kProgramName) + " in " + Utf8(target) + ": " +
                          std::to_string(result.removed.size()) + " removed, " +
                          std::to_string(result.kept.size()) + " kept";
    if (!result.failed.empty())
        summary += ", " + std::to_string(result.failed.size()) + " could not be removed";
    return summary + ".";
}

std::string UninstallReport(const UninstallResult& result, const std::filesystem::path& target) {
    if (!result.recordFound)
        return "No list of installed files in " + Utf8(target) + ": nothing was removed.\n";
    std::string report;
    for (const auto& path : result.removed) report += "removed  " + Utf8(path) + "\n";
    for (const auto& path : result.kept) report += "kept     " + Utf8(path) + "\n";
    for (const auto& path : result.failed) report += "FAILED   " + Utf8(path) + "\n";
    return report;
}

}  // namespace installer

#include "shell/program_identity.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tervalo {

InfoRequest FindInfoRequest(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") return InfoRequest::Help;
        if (argument == "--version") return InfoRequest::Version;
    }
    return InfoRequest::None;
}

std::string UnknownTervaloArgument(const std::vector<std::string>& arguments) {
    // Qt's options for every application, with one dash or two.
    static constexpr std::array<std::string_view, 12> kWithValue = {"platform",        "platformpluginpath",
                                                                    "platformtheme",   "plugin",
                                                                    "qwindowgeometry", "qwindowicon",
                                                                    "qwindowtitle",    "style",
                                                                    "stylesheet",      "display",
                                                                    "geometry",        "session"};
    static constexpr std::array<std::string_view, 5> kFlags = {"reverse", "widgetcount", "nograb", "dograb",
                                                               "sync"};
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        if (argument == "--help" || argument == "-h" || argument == "--version") continue;
        std::string_view option = argument;
        if (option.starts_with("--"))
            option.remove_prefix(2);
        else if (option.starts_with("-"))
            option.remove_prefix(1);
        else
            return argument;
        const std::size_t equals = option.find('=');
        const std::string_view name = option.substr(0, equals);
        if (std::find(kFlags.begin(), kFlags.end(), name) != kFlags.end() && equals == std::string_view::npos)
            continue;
        if (std::find(kWithValue.begin(), kWithValue.end(), name) == kWithValue.end()) return argument;
        if (equals == std::string_view::npos && ++at == arguments.size()) return argument;
    }
    return {};
}

std::string VersionText(std::string_view programName) {
    return std::string(programName) + " " + kProgramVersion + "\n";
}

std::string TervaloUsage() {
    return std::string(kTervaloUsageLine) +
           "Compares a heat pump with the existing boiler heating of a building: consumption, cost and CO2 "
           "per year.\n"
           "Tervalo opens its window. It works in the current directory when that holds the program's data\n"
           "and only you may write it, else in its program directory when only you may write that, else in\n"
           "the folder Tervalo of $XDG_DATA_HOME (~/.local/share/Tervalo), readable by you alone, which it\n"
           "fills on first start and renews on updates (an edited file is kept, the new one put beside it\n"
           "as NAME.new).\n\n"
           "  --help     show this help and end\n"
           "  --version  show the version and end\n\n"
           "Exit status 1 when no folder to work in could be entered, 2 for an unknown argument.\n";
}

}  // namespace tervalo

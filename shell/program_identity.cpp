#include "shell/program_identity.h"

namespace tervalo {

InfoRequest FindInfoRequest(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") return InfoRequest::Help;
        if (argument == "--version") return InfoRequest::Version;
    }
    return InfoRequest::None;
}

std::string VersionText(std::string_view programName) {
    return std::string(programName) + " " + kProgramVersion + "\n";
}

std::string TervaloUsage() {
    return "Usage: tervalo [--help | --version]\n"
           "Compares a heat pump with the existing boiler heating of a building: consumption, cost and CO2 "
           "per "
           "year.\n"
           "Tervalo opens its window; it works in its program directory, or, when that is not writable (an "
           "installation\n"
           "for all users), in the folder Tervalo of $XDG_DATA_HOME (~/.local/share/Tervalo), which it fills "
           "on "
           "first start.\n\n"
           "  --help     show this help and end\n"
           "  --version  show the version and end\n";
}

}  // namespace tervalo

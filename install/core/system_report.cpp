#include "install/core/system_report.h"

namespace installer {

std::string AdminRightsLine(bool isAdmin) {
    return std::string("Administrator Rights\t") + (isAdmin ? "True" : "False");
}

std::vector<std::string> SystemReportLines(const SystemFacts& facts) {
    std::vector<std::string> lines{
        "Kelvara Installation Protokoll",
        "",
        "phys. Mem \t" + std::to_string(facts.memory.totalPhysical),
        "phys. Mem frei\t" + std::to_string(facts.memory.availablePhysical),
        "Ausl. Mem\t" + std::to_string(facts.memory.totalPageFile),
        "Ausl. Mem frei\t" + std::to_string(facts.memory.availablePageFile),
        "Prozessoren\t" + std::to_string(facts.processors),
        " ",
        "Computername:      " + facts.computerName,
    };
    if (facts.userName) lines.push_back("Current User:         " + *facts.userName);
    lines.push_back(" ");
    return lines;
}

SystemFacts CollectSystemFacts(InstallerPlatform& platform) {
    SystemFacts facts;
    facts.memory = platform.QueryMemoryStatus();
    facts.processors = platform.ProcessorCount();
    facts.computerName = platform.ComputerName();
    facts.userName = platform.UserName();
    return facts;
}

}  // namespace installer

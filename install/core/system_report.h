#pragma once

#include <optional>
#include <string>
#include <vector>

#include "install/core/platform.h"

// Lines of the installation protocol about the machine. Tabs separate label and value where the protocol list
// shows them in columns; the labels keep their blanks exactly.
namespace installer {

struct SystemFacts {
    MemoryStatus memory;
    unsigned processors = 0;
    std::string computerName;
    std::optional<std::string> userName;
};

std::string AdminRightsLine(bool isAdmin);

// From the protocol's title down to the closing blank line; the user line is left out when the name is
// unknown.
std::vector<std::string> SystemReportLines(const SystemFacts& facts);

SystemFacts CollectSystemFacts(InstallerPlatform& platform);

}  // namespace installer

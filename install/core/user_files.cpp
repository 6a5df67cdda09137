#include "install/core/user_files.h"

#include "install/core/install_plan.h"

namespace installer {

namespace {

constexpr std::string_view kHelpFiles = "Kelvhelp.*";

}  // namespace

bool IsUserFile(std::string_view name) {
    for (const std::string_view mask : {std::string_view("kparam.dat"), std::string_view("TempPart.dat"),
                                        std::string_view("SpezBK.dat"), kHelpFiles})
        if (MatchesMask(name, mask)) return true;
    return false;
}

std::string UserFileGroup(std::string_view name) {
    return std::string(MatchesMask(name, kHelpFiles) ? kHelpFiles : name);
}

}  // namespace installer

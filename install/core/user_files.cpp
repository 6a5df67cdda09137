#include "install/core/user_files.h"

#include "install/core/install_plan.h"

namespace installer {

bool IsUserFile(std::string_view name) {
    for (const std::string_view mask : {"kparam.dat", "TempPart.dat", "SpezBK.dat", "Kelvhelp.*"})
        if (MatchesMask(name, mask)) return true;
    return false;
}

}  // namespace installer

// Runs one file operation of the installer, for tests that watch or cut its system calls under strace.
//   stage_file_probe SOURCE TARGET         puts SOURCE into the folder TARGET through the installer's
//                                          transaction: 0 when in place, 1 when staging refused it
//   stage_file_probe --record TARGET PATH  adds PATH to the installation record of TARGET: 0 when written
// 2 for any other failure.
#include <filesystem>
#include <string_view>

#include "install/core/install_record.h"
#include "install/core/target_transaction.h"
#include "install/posix/posix_platform.h"

int main(int argc, char* argv[]) {
    if (argc == 4 && std::string_view(argv[1]) == "--record") {
        installer::PosixPlatform platform;
        return installer::AddToInstallRecord(platform, argv[2], {argv[3]}) ? 0 : 2;
    }
    if (argc != 3) return 2;
    installer::TargetTransaction transaction(argv[2]);
    if (!transaction.CreateTarget()) return 2;
    if (!transaction.Stage(argv[1], std::filesystem::path(argv[1]).filename())) return 1;
    std::filesystem::path failed;
    return transaction.Commit(failed) ? 0 : 2;
}

// Puts one file into a target folder through the installer's transaction, for tests that make its copy come
// out short: 0 when the file is in place, 1 when staging refused it, 2 for any other failure.
#include <filesystem>

#include "install/core/target_transaction.h"

int main(int argc, char* argv[]) {
    if (argc != 3) return 2;
    installer::TargetTransaction transaction(argv[2]);
    if (!transaction.CreateTarget()) return 2;
    if (!transaction.Stage(argv[1], std::filesystem::path(argv[1]).filename())) return 1;
    std::filesystem::path failed;
    return transaction.Commit(failed) ? 0 : 2;
}

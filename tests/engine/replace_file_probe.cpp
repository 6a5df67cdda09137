// Rewrites one file through the engine's replace helper, for tests that kill it at a chosen system call.
#include "engine/file_access.h"

int main(int argc, char* argv[]) {
    if (argc != 3) return 2;
    return tervalo::ReplaceFileBytes(argv[1], argv[2]) ? 0 : 1;
}

#pragma once

// Makes writes fail in a way that root cannot bypass: the work runs in a forked child whose file-size limit
// is `limit` bytes, with SIGXFSZ ignored, so a write beyond it fails with EFBIG instead of killing the child.

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace tervalo::test {

// Runs `work` in the child; true when it returned true there.
inline bool RunWithFileSizeLimit(rlim_t limit, const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limit, limit};
        if (::setrlimit(RLIMIT_FSIZE, &size) != 0) ::_exit(3);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace tervalo::test

#pragma once

// Makes writes fail in a way that root cannot bypass: the work runs in a forked child whose file-size limit
// is `limit` bytes, with SIGXFSZ ignored, so a write beyond it fails with EFBIG instead of killing the child.
// Windows has neither fork nor a file-size limit: tests that need them skip there before calling
// (TERVALO_SKIP_UNLESS_POSIX), and a call that was not skipped fails the test.

#include <functional>

#ifdef _WIN32

#include <gtest/gtest.h>

#include <cstdint>

namespace tervalo::test {

inline bool RunWithFileSizeLimit(std::uintmax_t, const std::function<bool()>&) {
    ADD_FAILURE() << "no file-size limit on Windows";
    return false;
}

inline bool RunWithoutPrivileges(const std::function<bool()>&) {
    ADD_FAILURE() << "no fork on Windows";
    return false;
}

}  // namespace tervalo::test

#else

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tervalo::test {

// Runs `work` in a child after `prepare` (false: the child gives up); true when `work` returned true there.
inline bool RunInChild(const std::function<bool()>& prepare, const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) ::_exit(!prepare() ? 3 : work() ? 0 : 1);
    int status = 0;
    if (::waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The file-size limit is `limit` bytes, with SIGXFSZ ignored, so a write beyond it fails with EFBIG instead
// of killing the child.
inline bool RunWithFileSizeLimit(rlim_t limit, const std::function<bool()>& work) {
    return RunInChild(
        [limit] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit size{limit, limit};
            return ::setrlimit(RLIMIT_FSIZE, &size) == 0;
        },
        work);
}

// Root becomes the unprivileged user "nobody" (65534), to whom permissions apply; anyone else stays as is.
inline bool RunWithoutPrivileges(const std::function<bool()>& work) {
    return RunInChild(
        [] {
            if (::geteuid() != 0) return true;
            return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
        },
        work);
}

}  // namespace tervalo::test

#endif

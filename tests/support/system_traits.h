#pragma once

// What a test may count on from the system it runs on. Tests of POSIX permission bits, links or the
// superuser are skipped on Windows, where a file has only its read-only attribute; the file system's root is
// "/" there or the current drive's root.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace tervalo::test {

#ifdef _WIN32
inline constexpr bool kPosixSystem = false;
#else
inline constexpr bool kPosixSystem = true;
#endif

// The root of the file system that holds the current directory: "/", or a drive's root such as "C:\".
inline std::filesystem::path FileSystemRoot() {
    return std::filesystem::current_path().root_path();
}

// Whether permissions bind this process: the superuser reads and writes every file.
inline bool PermissionsBind() {
#ifdef _WIN32
    return true;
#else
    return ::geteuid() != 0;
#endif
}

// Whether the tests run in CI: scripts/test.sh installs every tool and locale the tests use and sets
// TERVALO_CI=1, so a test that finds one missing there fails instead of skipping.
inline bool InContinuousIntegration() {
    const char* value = std::getenv("TERVALO_CI");
    return value != nullptr && *value != '\0' && std::string_view(value) != "0";
}

// Whether the strace tool is there, for tests that watch or cut a program's system calls.
inline bool HaveStrace() {
    return std::system("strace -V >/dev/null 2>&1") == 0;
}

}  // namespace tervalo::test

// Skips the rest of a test that needs a POSIX system.
#define TERVALO_SKIP_UNLESS_POSIX(why) \
    if (!::tervalo::test::kPosixSystem) GTEST_SKIP() << "not on Windows: " << why

// Skips the rest of a test whose tool, locale or staged file is missing, or fails it in CI, where everything
// a test needs is installed and a skip would hide a test that never ran.
#define TERVALO_SKIP_UNLESS(available, why)                                          \
    if (!(available)) {                                                              \
        if (::tervalo::test::InContinuousIntegration()) FAIL() << why << " (in CI)"; \
        GTEST_SKIP() << why;                                                         \
    }

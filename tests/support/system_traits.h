#pragma once

// What a test may count on from the system it runs on. Tests of POSIX permission bits, links or the
// superuser are skipped on Windows, where a file has only its read-only attribute; the file system's root is
// "/" there or the current drive's root.

#include <gtest/gtest.h>

#include <filesystem>

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

}  // namespace tervalo::test

// Skips the rest of a test that needs a POSIX system.
#define TERVALO_SKIP_UNLESS_POSIX(why) \
    if (!::tervalo::test::kPosixSystem) GTEST_SKIP() << "not on Windows: " << why

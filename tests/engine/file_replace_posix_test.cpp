// The replace helper under the conditions a POSIX system gives it: killed at each system call, raced by
// another process, with a temporary locked by a live writer, writing through symbolic links.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "engine/file_access.h"
#include "support/system_traits.h"
#include "support/temp_dir.h"

namespace tervalo {
namespace {

namespace fs = std::filesystem;
using test::EntryCount;
using test::ReadBytes;
using test::ScopedTempDir;
using test::WriteBytes;

TEST(FileReplace, WritesThroughSymbolicLinks) {
    ScopedTempDir dir;
    fs::create_directory("real");
    WriteBytes("real/kparam.dat", "old");
    fs::create_symlink("real/kparam.dat", "middle.dat");
    fs::create_symlink("middle.dat", "KPARAM.DAT");

    ASSERT_TRUE(ReplaceFileBytes("kparam.dat", "new"));
    EXPECT_TRUE(fs::is_symlink("KPARAM.DAT"));
    EXPECT_TRUE(fs::is_symlink("middle.dat"));
    EXPECT_EQ(ReadBytes("real/kparam.dat"), "new");
    EXPECT_EQ(EntryCount(), 3);
    EXPECT_EQ(EntryCount("real"), 1) << "the temporary lies beside the real file and is gone";

    fs::create_symlink("loop.dat", "loop.dat");
    EXPECT_FALSE(ReplaceFileBytes("loop.dat", "x")) << "a link loop is no file";
    EXPECT_TRUE(fs::is_symlink("loop.dat"));
}

// Another user's uid, for links and files planted in a folder that user may write.
constexpr uid_t kOtherUser = 65534;

TEST(FileReplace, NeverWritesThroughALinkToAFileTheRunDoesNotOwn) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving files to another user needs the superuser";
    ScopedTempDir dir;
    fs::create_directories("home");
    fs::create_directories("work");
    WriteBytes("home/notes.txt", "your notes");
    fs::current_path("work");

    // Planted by another user: pointing to the user's file, or to a file the other user owns.
    fs::create_symlink("../home/notes.txt", "TempPart.dat");
    ASSERT_EQ(::lchown("TempPart.dat", kOtherUser, kOtherUser), 0);
    EXPECT_FALSE(ReplaceFileBytes("TempPart.dat", "project"));
    EXPECT_EQ(ReadBytes("../home/notes.txt"), "your notes");
    WriteBytes("../home/theirs.txt", "their file");
    ASSERT_EQ(::chown("../home/theirs.txt", kOtherUser, kOtherUser), 0);
    fs::create_symlink("../home/theirs.txt", "SpezBK.dat");
    EXPECT_FALSE(ReplaceFileBytes("SpezBK.dat", "prices")) << "the user's link to a file not the user's";
    EXPECT_EQ(ReadBytes("../home/theirs.txt"), "their file");

    // A dangling link creates no file outside the folder, whoever made it.
    fs::create_symlink("../home/new.txt", "ergEN1.DAT");
    EXPECT_FALSE(ReplaceFileBytes("ergEN1.DAT", "results"));
    EXPECT_FALSE(fs::exists("../home/new.txt"));

    // The user's own arrangement: the user's link to the user's file, and any link that stays inside.
    fs::create_symlink("../home/notes.txt", "Lifetime.dat");
    EXPECT_TRUE(ReplaceFileBytes("Lifetime.dat", "lifetime"));
    EXPECT_EQ(ReadBytes("../home/notes.txt"), "lifetime");
    fs::create_symlink("Kept.dat", "Puffer.dat");
    ASSERT_EQ(::lchown("Puffer.dat", kOtherUser, kOtherUser), 0);
    EXPECT_TRUE(ReplaceFileBytes("Puffer.dat", "buffer"));
    EXPECT_EQ(ReadBytes("Kept.dat"), "buffer");
}

TEST(FileReplace, LeftoverTemporaryIsTakenOverOrRemoved) {
    ScopedTempDir dir;
    WriteBytes("data.dat", "old");
    WriteBytes(TemporaryNameOf("data.dat"), std::string(5000, 'x'));  // left by a writer that was killed
    ASSERT_TRUE(ReplaceFileBytes("data.dat", "new"));
    EXPECT_EQ(ReadBytes("data.dat"), "new") << "nothing of the leftover's longer content remains";
    EXPECT_EQ(EntryCount(), 1);

    WriteBytes(TemporaryNameOf("data.dat"), "x");
    WriteBytes(TemporaryNameOf("other.dat"), "x");
    const int busy = ::open(TemporaryNameOf("other.dat").c_str(), O_RDONLY);
    ASSERT_GE(busy, 0);
    ASSERT_EQ(::flock(busy, LOCK_EX), 0);  // as a writer at work holds it
    RemoveAbandonedTemporaries(".");
    EXPECT_FALSE(fs::exists(TemporaryNameOf("data.dat")));
    EXPECT_TRUE(fs::exists(TemporaryNameOf("other.dat"))) << "a rewrite still running keeps its temporary";
    ::close(busy);
    RemoveAbandonedTemporaries(".");
    EXPECT_EQ(EntryCount(), 1);
}

// Two processes rewriting the same file: every state a reader sees is one complete content.
TEST(FileReplace, ConcurrentWritersNeverMixTheirContents) {
    ScopedTempDir dir;
    const std::string a(20000, 'a'), b(30000, 'b');
    WriteBytes("data.dat", a);
    pid_t writers[2];
    for (int i = 0; i < 2; ++i) {
        writers[i] = ::fork();
        ASSERT_GE(writers[i], 0);
        if (writers[i] == 0) {
            bool ok = true;
            for (int round = 0; round < 150; ++round) ok = ReplaceFileBytes("data.dat", i == 0 ? a : b) && ok;
            ::_exit(ok ? 0 : 1);
        }
    }
    int mixed = 0;
    for (int look = 0; look < 300; ++look) {
        const std::string seen = ReadBytes("data.dat");
        if (seen != a && seen != b) ++mixed;
    }
    for (pid_t writer : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(writer, &status, 0), writer);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "every rewrite succeeds";
    }
    EXPECT_EQ(mixed, 0);
    EXPECT_EQ(EntryCount(), 1);
}

// The helper killed at each system call of a rewrite: the file is the complete old or new content, and the
// next start-up (or the next rewrite) leaves no temporary.
TEST(FileReplace, KilledAtEachStepLeavesTheOldOrTheNewFile) {
    TERVALO_SKIP_UNLESS(test::HaveStrace(), "strace is missing");
    ScopedTempDir dir;
    const std::string oldBytes(3000, 'o');
    const std::string newBytes(7000, 'n');
    // Each write step of the rewrite, in order; fsync 1 is the file's, fsync 2 the directory's after the
    // rename.
    const char* const steps[] = {"flock",        "ftruncate", "write",       "fchmod",
                                 "fsync:when=1", "rename",    "fsync:when=2"};
    int killed = 0;
    for (const char* step : steps) {
        SCOPED_TRACE(step);
        WriteBytes("Data.DAT", oldBytes);
        const std::string command = std::string("strace -f -qq -o /dev/null -e inject=") + step +
                                    ":signal=SIGKILL " + TERVALO_REPLACE_PROBE + " data.dat " + newBytes;
        const int status = std::system(command.c_str());
        if (WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 128 + SIGKILL)) ++killed;
        const std::string seen = ReadBytes("Data.DAT");
        EXPECT_TRUE(seen == oldBytes || seen == newBytes) << seen.size() << " bytes";
        RemoveAbandonedTemporaries(".");
        EXPECT_EQ(EntryCount(), 1) << "no temporary after the next start-up";
    }
    EXPECT_GE(killed, 6) << "the steps were reached";
}

// The calls of a rewrite as strace sees them: the temporary's data reach the disk before the rename puts it
// in place (else a crash could leave an empty file under the name), and the directory's entry after it.
TEST(FileReplace, TheFileIsSyncedBeforeTheRenameAndItsDirectoryAfter) {
    TERVALO_SKIP_UNLESS(test::HaveStrace(), "strace is missing");
    ScopedTempDir dir;
    WriteBytes("data.dat", "old");
    const std::string command =
        // Leak detection cannot run under a tracer.
        std::string(
            "ASAN_OPTIONS=detect_leaks=0 strace -f -qq -y -o calls.txt -e trace=fsync,fdatasync,rename,") +
        "renameat,renameat2 " + TERVALO_REPLACE_PROBE + " data.dat new";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::vector<std::string> calls;
    std::istringstream lines(ReadBytes("calls.txt"));
    for (std::string line; std::getline(lines, line);) {
        const auto call = line.find_first_not_of("0123456789 ");
        if (call != std::string::npos && line.compare(call, 2, "+++") != 0)
            calls.push_back(line.substr(call));
    }
    const auto rename = std::find_if(calls.begin(), calls.end(),
                                     [](const std::string& call) { return call.starts_with("rename"); });
    ASSERT_NE(rename, calls.end()) << ReadBytes("calls.txt");
    const std::string temporary = TemporaryNameOf("data.dat").filename().string();
    const bool fileSynced = std::any_of(calls.begin(), rename, [&](const std::string& call) {
        return (call.starts_with("fsync(") || call.starts_with("fdatasync(")) &&
               call.find(temporary + ">") != std::string::npos;
    });
    EXPECT_TRUE(fileSynced) << ReadBytes("calls.txt");
    const std::string folder = fs::current_path().string() + ">";
    EXPECT_TRUE(std::any_of(rename, calls.end(), [&](const std::string& call) {
        return call.starts_with("fsync(") && call.find(folder) != std::string::npos;
    })) << ReadBytes("calls.txt");
    EXPECT_EQ(ReadBytes("data.dat"), "new");
}

}  // namespace
}  // namespace tervalo

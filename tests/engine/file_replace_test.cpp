// The replace helper given files with their own permissions, and names that would leave the program
// directory.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/file_access.h"
#include "engine/fixed_record.h"
#include "support/system_traits.h"
#include "support/temp_dir.h"

namespace tervalo {
namespace {

namespace fs = std::filesystem;
using test::EntryCount;
using test::ReadBytes;
using test::ScopedTempDir;
using test::WriteBytes;

TEST(FileReplace, KeepsPermissionBitsButClearsReadOnly) {
    TERVALO_SKIP_UNLESS_POSIX("a file has no permission bits but the read-only attribute");
    ScopedTempDir dir;
    WriteBytes("prices.dat", "old");
    fs::permissions("prices.dat", fs::perms::owner_read | fs::perms::owner_write);
    WriteBytes("shared.dat", "old");
    fs::permissions("shared.dat", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteBytes("locked.dat", "old");
    fs::permissions("locked.dat", fs::perms::owner_read | fs::perms::group_read);

    for (const char* name : {"prices.dat", "shared.dat", "locked.dat"})
        ASSERT_TRUE(ReplaceFileBytes(name, "new"));
    EXPECT_EQ(fs::status("prices.dat").permissions(), fs::perms::owner_read | fs::perms::owner_write)
        << "a private file stays private";
    EXPECT_EQ(fs::status("shared.dat").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(fs::status("locked.dat").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
        << "only the owner's write bit is added";
    EXPECT_EQ(ReadBytes("prices.dat"), "new");
}

TEST(FileReplace, FixedRecordWriteReplacesTheWholeFile) {
    ScopedTempDir dir;
    WriteBytes("catN.rdm", "aaabbb");
    fs::permissions("catN.rdm", fs::perms::owner_read | fs::perms::owner_write);
    const auto before = fs::status("catN.rdm");
    ASSERT_TRUE(WriteFixedRecord("catN.rdm", 3, 4, "xy", 1000));
    EXPECT_EQ(ReadBytes("catN.rdm"), "aaabbb   xy ");
    EXPECT_EQ(fs::status("catN.rdm").permissions(), before.permissions());
    EXPECT_EQ(ReadFixedRecord("catN.rdm", 3, 4), "xy ");
    EXPECT_EQ(ReadFixedRecord("catN.rdm", 3, 9), "") << "beyond the end";
    EXPECT_FALSE(ReadFixedRecord("missing.rdm", 3, 1));
    EXPECT_FALSE(WriteFixedRecord("missing.rdm", 3, 1, "x", 1000)) << "a missing file is not created";
    EXPECT_FALSE(WriteFixedRecord("catN.rdm", 3, 1, "x", 5)) << "a file above the limit is left alone";
    EXPECT_EQ(EntryCount(), 1);
}

// Names built from data files: each way out of the program directory is refused, by name and by rewrite.
TEST(FileReplace, NamesLeavingTheProgramDirectoryAreRefused) {
    TERVALO_SKIP_UNLESS_POSIX("symbolic links need a privilege");
    ScopedTempDir dir;
    fs::create_directory("prog");
    fs::create_directory("prog2");
    fs::current_path("prog");
    fs::create_directory("sub");
    fs::create_directory_symlink("..", "up");
    fs::create_directory_symlink("/", "top");
    fs::create_directory_symlink("../prog2", "sibling");
    fs::create_directory_symlink("sub", "inner");
    struct Row {
        const char* name;
        bool stays;
    };
    const Row rows[] = {{"data.dat", true},         {"sub/data.dat", true},      {"inner/data.dat", true},
                        {"new/data.dat", true},     {"C:\\x.dat", true},         {"../data.dat", false},
                        {"sub/../data.dat", false}, {"/tmp/data.dat", false},    {"up/data.dat", false},
                        {"top/data.dat", false},    {"sibling/data.dat", false}, {"", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(StaysInProgramDirectory(row.name), row.stays);
        if (!row.stays) {
            EXPECT_FALSE(ReplaceFileBytes(row.name, "x"));
        }
    }
    EXPECT_EQ(EntryCount(".."), 2) << "nothing written beside the program directory";
    EXPECT_EQ(EntryCount("../prog2"), 0);

    // The file itself may be the user's link to elsewhere: it is written through.
    WriteBytes("../prog2/kparam.dat", "old");
    fs::create_symlink("../prog2/kparam.dat", "kparam.dat");
    EXPECT_TRUE(ReplaceFileBytes("kparam.dat", "new"));
    EXPECT_EQ(ReadBytes("../prog2/kparam.dat"), "new");
}

// Files replaced together: a failure on the second puts the first back; a journal left by a kill is
// completed by the next FinishReplacements; a damaged or hostile journal is dropped without a write.
TEST(FileReplace, FilesReplacedTogetherAreAllNewOrAllOld) {
    ScopedTempDir dir;
    WriteBytes("one.dat", "old one");
    WriteBytes("two.dat", "old two");
    ASSERT_TRUE(
        ReplaceFilesTogether("journal", {{"one.dat", "new one"}, {"two.dat", std::string("new\0two\n", 8)}}));
    EXPECT_EQ(ReadBytes("two.dat"), std::string("new\0two\n", 8));
    EXPECT_FALSE(fs::exists("journal"));

    fs::create_directory("three.dat");
    EXPECT_FALSE(
        ReplaceFilesTogether("journal", {{"one.dat", "newer"}, {"new.dat", "x"}, {"three.dat", "x"}}));
    EXPECT_EQ(ReadBytes("one.dat"), "new one") << "put back";
    EXPECT_FALSE(fs::exists("new.dat")) << "a file that was not there is removed again";
    EXPECT_FALSE(fs::exists("journal"));
    EXPECT_FALSE(ReplaceFilesTogether("journal", {{"../one.dat", "x"}}));
    EXPECT_FALSE(ReplaceFilesTogether("journal", {{"one.dat", std::string(kJournalFileLimit + 1, 'x')}}));

    // The journal as a kill leaves it: every file named there gets its content.
    const std::string journal = std::string("tervalo journal 1\none.dat\n3\nabc\nfour.dat\n0\n\nend\n");
    WriteBytes("journal", journal);
    EXPECT_TRUE(FinishReplacements("journal"));
    EXPECT_EQ(ReadBytes("one.dat"), "abc");
    EXPECT_EQ(ReadBytes("four.dat"), "");
    EXPECT_FALSE(fs::exists("journal"));
    EXPECT_TRUE(FinishReplacements("journal")) << "no journal, nothing to do";

    // Every cut and every changed byte of the journal: whole files or none, never a file outside.
    for (std::size_t cut = 0; cut < journal.size(); ++cut) {
        for (const std::string& damaged :
             {journal.substr(0, cut), journal.substr(0, cut) + "/" + journal.substr(cut + 1),
              journal.substr(0, cut) + "9" + journal.substr(cut + 1)}) {
            WriteBytes("one.dat", "kept");
            WriteBytes("journal", damaged);
            FinishReplacements("journal");
            const std::string one = ReadBytes("one.dat");
            EXPECT_TRUE(one == "kept" || one.size() == 3) << damaged;
            EXPECT_FALSE(fs::exists("journal"));
        }
    }
    WriteBytes("journal", "tervalo journal 1\n../escaped.dat\n1\nx\nend\n");
    FinishReplacements("journal");
    EXPECT_FALSE(fs::exists("../escaped.dat"));
}

}  // namespace
}  // namespace tervalo

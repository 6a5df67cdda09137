#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <random>
#include <set>
#include <vector>

#include "engine/char_mapping.h"
#include "engine/file_access.h"
#include "engine/fixed_record.h"
#include "support/system_traits.h"
#include "support/temp_dir.h"
#ifndef _WIN32
#include "support/write_failure.h"
#endif

namespace tervalo {
namespace {

using test::ReadBytes;
using test::ScopedTempDir;
using test::WriteBytes;

TEST(FileAccess, FindsFilesWithoutRegardToLetterCase) {
    ScopedTempDir dir;
    WriteBytes("CAPTION.ndl", "x");
    ASSERT_TRUE(FindFileNoCase("Caption.NDL"));
    EXPECT_EQ(FindFileNoCase("Caption.NDL")->filename(), "CAPTION.ndl");
    EXPECT_FALSE(FindFileNoCase("Caption.ESP"));
    std::filesystem::create_directory("Caption.ESP");
    EXPECT_FALSE(FindFileNoCase("caption.esp")) << "a directory is not a file";
    EXPECT_FALSE(ReadFileBytes("Caption.ESP"));
    EXPECT_EQ(FileLength("Caption.ESP"), 0u);
}

// Several spellings of one name in a directory that tells case apart: the first in byte order is taken,
// whatever order they were made in, unless the name asked for is there as it is.
TEST(FileAccess, AmongSeveralSpellingsTheFirstIsTaken) {
    TERVALO_SKIP_UNLESS_POSIX("a directory holds one spelling of a name");
    std::mt19937 random(31);
    for (int trial = 0; trial < 40; ++trial) {
        ScopedTempDir dir;
        std::set<std::string> spellings;
        const int count = 2 + trial % 4;
        while (static_cast<int>(spellings.size()) < count) {
            std::string name = "kparam.dat";
            for (char& c : name)
                if (random() % 2) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            if (name != "KParam.dat") spellings.insert(name);
        }
        std::vector<std::string> made(spellings.begin(), spellings.end());
        std::shuffle(made.begin(), made.end(), random);
        for (const std::string& name : made) WriteBytes(name, name);
        SCOPED_TRACE(testing::PrintToString(made));
        ASSERT_TRUE(FindFileNoCase("KParam.dat"));
        EXPECT_EQ(FindFileNoCase("KParam.dat")->string(), *spellings.begin());
        EXPECT_EQ(ReadFileBytes("KParam.dat"), *spellings.begin());
        EXPECT_EQ(ReadFileBytes(made.back()), made.back()) << "the exact name first";
    }
}

TEST(FileAccess, ReplaceKeepsTheNameAndClearsReadOnly) {
    ScopedTempDir dir;
    WriteBytes("KParam.DAT", "old");
    std::filesystem::permissions("KParam.DAT", std::filesystem::perms::owner_read);
    ASSERT_TRUE(ReplaceFileBytes("kparam.dat", "new\r\n"));
    EXPECT_EQ(ReadBytes("KParam.DAT"), "new\r\n");
    EXPECT_FALSE(std::filesystem::exists("kparam.dat") &&
                 !std::filesystem::equivalent("kparam.dat", "KParam.DAT"));
    EXPECT_EQ(test::EntryCount(), 1) << "no temporary file is left behind";
}

TEST(FileAccess, FailedReplaceLeavesTheOldFile) {
    ScopedTempDir dir;
    std::filesystem::create_directory("adir");
    EXPECT_FALSE(ReplaceFileBytes("adir", "x")) << "a directory is never replaced by a file";
#ifndef _WIN32
    WriteBytes("data.dat", "old");
    // The disk takes 4 bytes of the new content, then refuses (root included).
    EXPECT_FALSE(
        test::RunWithFileSizeLimit(4, [] { return ReplaceFileBytes("data.dat", std::string(100, 'n')); }));
    EXPECT_EQ(ReadBytes("data.dat"), "old");
    EXPECT_FALSE(std::filesystem::exists(TemporaryNameOf("data.dat")));
    EXPECT_TRUE(test::RunWithFileSizeLimit(100, [] {
        return ReplaceFileBytes("data.dat", std::string(100, 'n'));
    })) << "the limit is what made it fail";
#endif
}

TEST(FixedRecordFile, RecordsAtTheirOffsetsAndBlankBeyondTheEnd) {
    FixedRecordFile file("abcdefg", 3);
    EXPECT_EQ(file.Record(1), "abc");
    EXPECT_EQ(file.Record(2), "def");
    EXPECT_EQ(file.Record(3), "g  ") << "a cut record is filled with blanks";
    EXPECT_EQ(file.Record(60), "   ");
    EXPECT_EQ(file.Record(0), "   ");
    file.SetRecord(5, "xy");
    EXPECT_EQ(file.bytes(), "abcdefg     xy ");
    file.SetRecord(1, "toolong");
    EXPECT_EQ(file.Record(1), "too");
}

TEST(CharMapping, DosLettersBecomeWindowsLetters) {
    const std::pair<int, int> rows[] = {{129, 252}, {132, 228}, {142, 196},
                                        {148, 246}, {153, 214}, {154, 220},
                                        {225, 223}, {248, 176}, {34, kDroppedCharacter},
                                        {65, 65},   {252, 252}, {0, 0}};
    for (auto [dos, windows] : rows) EXPECT_EQ(MapDosToWindows(dos), windows) << dos;
}

}  // namespace
}  // namespace tervalo

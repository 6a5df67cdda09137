#include "report/results_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/system_traits.h"
#include "support/temp_dir.h"
#include "support/write_failure.h"

namespace tervalo {
namespace {

using test::ReadBytes;
using test::ScopedTempDir;
using test::WriteBytes;
namespace fs = std::filesystem;

struct ParseRow {
    const char* name;
    std::string bytes;
    std::vector<std::string> records;
};

class ParseResultsRecordsTest : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseResultsRecordsTest, TakesEverythingBetweenTheQuotes) {
    EXPECT_EQ(ParseResultsRecords(GetParam().bytes), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseResultsRecordsTest,
    ::testing::Values(
        ParseRow{"BlankRecordIsCrLf", "\"\r\n\"\r\n", {"\r\n"}},
        ParseRow{"HeadingEndsInCrLf",
                 "\"\r\n\"\r\n\"        &$$Title\r\n\"\r\n\"\r\n\"\r\n",
                 {"\r\n", "        &$$Title\r\n", "\r\n"}},
        ParseRow{"LineEndInsideARecord", "\"one\r\ntwo\"\r\n\"three\"\r\n", {"one\r\ntwo", "three"}},
        ParseRow{
            "FieldMarkerBytes", "\"        Area :\xA7$&120 m\xB2\"\r\n", {"        Area :\xA7$&120 m\xB2"}},
        ParseRow{"CommaInsideQuotes", "\"a, b\"\r\n", {"a, b"}},
        ParseRow{"MissingLastLineEnd", "\"a\"\r\n\"b\"", {"a", "b"}},
        ParseRow{"UnclosedQuoteRunsToTheEnd", "\"a\"\r\n\"b\r\nc", {"a", "b\r\nc"}},
        ParseRow{"Empty", "", {}}, ParseRow{"OnlyLineEnds", "\r\n\r\n", {"", ""}},
        ParseRow{"EmptyRecord", "\"\"\r\n", {""}}),
    [](const auto& row) { return row.param.name; });

TEST(EncodeResultsRecordsTest, QuotesEachRecordAndEndsItWithCrLf) {
    EXPECT_EQ(EncodeResultsRecords({"\r\n", "        &$$T\r\n", "        A :\xA7$&1"}),
              "\"\r\n\"\r\n\"        &$$T\r\n\"\r\n\"        A :\xA7$&1\"\r\n");
}

TEST(EncodeResultsRecordsTest, DoubleQuoteInATextCannotSplitTheRecord) {
    const std::string bytes = EncodeResultsRecords({"        Type :\xA7$&\"Super\" boiler", "next"});
    EXPECT_EQ(ParseResultsRecords(bytes),
              (std::vector<std::string>{"        Type :\xA7$&'Super' boiler", "next"}));
}

TEST(EncodeResultsRecordsTest, RoundTripKeepsEveryByte) {
    std::string all;
    for (int c = 1; c < 256; ++c)
        if (c != '"') all.push_back(static_cast<char>(c));
    const std::vector<std::string> records = {"\r\n", all, std::string(165, '-'), ""};
    EXPECT_EQ(ParseResultsRecords(EncodeResultsRecords(records)), records);
}

class ResultsFileTest : public ::testing::Test {
  protected:
    ScopedTempDir dir_;
};

TEST_F(ResultsFileTest, MissingOrDirectoryGivesNoRecords) {
    EXPECT_TRUE(ReadResultsFile().empty());
    fs::create_directory("ergEN1.DAT");
    EXPECT_TRUE(ReadResultsFile().empty());
}

TEST_F(ResultsFileTest, NameIsMatchedWithoutCase) {
    WriteBytes("ERGEN1.dat", "\"x\"\r\n");
    EXPECT_EQ(ReadResultsFile(), std::vector<std::string>{"x"});
}

TEST_F(ResultsFileTest, OversizedFileIsRefused) {
    WriteBytes("ergEN1.DAT", std::string(kResultsFileLimit + 1, 'x'));
    EXPECT_TRUE(ReadResultsFile().empty());
}

TEST_F(ResultsFileTest, RewritesAReadOnlyFileFromScratch) {
    WriteBytes("ergEN1.DAT", std::string(1000, 'o'));
    fs::permissions("ergEN1.DAT", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ASSERT_TRUE(WriteResultsRecords({"a", "b"}));
    EXPECT_EQ(ReadBytes("ergEN1.DAT"), "\"a\"\r\n\"b\"\r\n");
}

TEST_F(ResultsFileTest, DirectoryInThePlaceOfTheFileFails) {
    fs::create_directory("ergEN1.DAT");
    EXPECT_FALSE(WriteResultsRecords({"new"}));
    EXPECT_TRUE(fs::is_directory("ergEN1.DAT"));
}

TEST_F(ResultsFileTest, FailedWriteKeepsTheOldFile) {
    TERVALO_SKIP_UNLESS_POSIX("no file-size limit");
    WriteBytes("ergEN1.DAT", "\"old\"\r\n");
    // The disk refuses after 5 bytes, which root cannot bypass.
    EXPECT_FALSE(test::RunWithFileSizeLimit(5, [] { return WriteResultsRecords({"new record"}); }));
    EXPECT_EQ(ReadBytes("ergEN1.DAT"), "\"old\"\r\n");
    EXPECT_EQ(test::EntryCount(), 1) << "no temporary";
}

}  // namespace
}  // namespace tervalo

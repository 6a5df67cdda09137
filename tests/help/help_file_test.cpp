#include "help/help_file.h"

#include <gtest/gtest.h>

#include "support/system_traits.h"
#include "support/temp_dir.h"
#include "support/write_failure.h"

namespace tervalo {
namespace {

using test::ReadBytes;
using test::ScopedTempDir;
using test::WriteBytes;

constexpr HelpPage kProductPage{1, 40};

std::string Record(std::string_view text) {
    std::string record(text);
    record.resize(kHelpRecordLength, ' ');
    return record;
}

std::string Letters(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += static_cast<char>('a' + i % 26);
    return text;
}

class HelpFile : public ::testing::Test {
  protected:
    ScopedTempDir dir_;
};

TEST(HelpTopics, OnlyTheProductTopicHasAPage) {
    EXPECT_EQ(PageForTopic("Quelmo-Software", "Quelmo").recordCount, 40);
    EXPECT_EQ(PageForTopic("Quelmo-Software", "Quelmo").firstRecord, 1);
    EXPECT_EQ(PageForTopic("", "Quelmo").recordCount, 0);
    EXPECT_EQ(PageForTopic("quelmo-software", "Quelmo").recordCount, 0) << "topics compare exactly";
    EXPECT_EQ(kProductPage.Capacity(), 5080u);
    EXPECT_EQ(HelpFileName("GER"), "Kelvhelp.GER");
}

TEST_F(HelpFile, ReadJoinsTheMarkedRecordsAndSkipsTheOthers) {
    WriteBytes("kelvhelp.eng", Record("#First piece ") + Record("not help text") + Record("#second piece") +
                                   Record("") + Record("#outside the page"));
    EXPECT_EQ(ReadHelpPage("Kelvhelp.ENG", {1, 4}),
              Record("First piece ").substr(0, 127) + Record("second piece").substr(0, 127));
    EXPECT_EQ(ReadHelpPage("Kelvhelp.ENG", {1, 0}), "");
    EXPECT_EQ(ReadHelpPage("Kelvhelp.GER", kProductPage), "") << "a missing file gives an empty page";
}

TEST_F(HelpFile, ATruncatedLastRecordReadsAsFilledWithBlanks) {
    WriteBytes("Kelvhelp.ENG", Record("#full record") + "#cut sho");
    const std::string text = ReadHelpPage("Kelvhelp.ENG", kProductPage);
    EXPECT_EQ(text.size(), 254u);
    EXPECT_EQ(text.substr(127, 8), "cut sho ");
}

// Pieces of 127 characters, one more than the whole pieces, the rest of the page blank.
struct StoreCase {
    const char* name;
    std::size_t length;
    std::size_t markedRecords;
    std::size_t storedLength;
};

void PrintTo(const StoreCase& row, std::ostream* out) {
    *out << row.name;
}

class HelpStore : public HelpFile, public ::testing::WithParamInterface<StoreCase> {};

TEST_P(HelpStore, StoresPiecesAndReadsBackTheSameText) {
    const StoreCase& row = GetParam();
    const std::string text = Letters(row.length);
    ASSERT_TRUE(StoreHelpPage("Kelvhelp.ENG", kProductPage, text));

    const std::string bytes = ReadBytes("Kelvhelp.ENG");
    ASSERT_EQ(bytes.size(), 40 * kHelpRecordLength);
    std::size_t marked = 0;
    for (std::size_t r = 0; r < 40; ++r) {
        const std::string record = bytes.substr(r * kHelpRecordLength, kHelpRecordLength);
        if (record.front() == '#') {
            EXPECT_EQ(marked, r) << "marked records come first, without gaps";
            ++marked;
        } else {
            EXPECT_EQ(record, std::string(kHelpRecordLength, ' ')) << "record " << r + 1;
        }
    }
    EXPECT_EQ(marked, row.markedRecords);
    std::string readBack = ReadHelpPage("Kelvhelp.ENG", kProductPage);
    while (!readBack.empty() && readBack.back() == ' ') readBack.pop_back();
    EXPECT_EQ(readBack, text.substr(0, row.storedLength));
}

INSTANTIATE_TEST_SUITE_P(Lengths, HelpStore,
                         ::testing::Values(StoreCase{"Empty", 0, 1, 0}, StoreCase{"OneShortPiece", 50, 1, 50},
                                           StoreCase{"ExactlyOnePiece", 127, 2, 127},
                                           StoreCase{"OneMore", 128, 2, 128},
                                           StoreCase{"FullPage", 5080, 40, 5080},
                                           StoreCase{"TooLong", 6000, 40, 5080}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(HelpFile, AShorterTextBlanksTheRecordsOfTheLongerOneAndKeepsOtherPages) {
    std::string other = Record("#another page");
    std::string bytes;
    for (int r = 0; r < 40; ++r) bytes += Record("#old text that was long");
    WriteBytes("Kelvhelp.ENG", bytes + other);

    ASSERT_TRUE(StoreHelpPage("Kelvhelp.ENG", kProductPage, "new"));
    EXPECT_EQ(ReadHelpPage("Kelvhelp.ENG", kProductPage), Record("new").substr(0, 127));
    EXPECT_EQ(ReadBytes("Kelvhelp.ENG").substr(40 * kHelpRecordLength), other);
}

TEST_F(HelpFile, StoringIntoAMissingOrReadOnlyFileWorksAndAPageWithoutRecordsWritesNothing) {
    EXPECT_TRUE(StoreHelpPage("Kelvhelp.GER", {1, 0}, "text"));
    EXPECT_FALSE(std::filesystem::exists("Kelvhelp.GER"));

    WriteBytes("Kelvhelp.GER", Record("#alt"));
    std::filesystem::permissions("Kelvhelp.GER", std::filesystem::perms::owner_read);
    EXPECT_TRUE(StoreHelpPage("Kelvhelp.GER", kProductPage, "neu"));
    EXPECT_EQ(ReadHelpPage("Kelvhelp.GER", kProductPage).substr(0, 3), "neu");
}

TEST_F(HelpFile, AnOversizedFileIsNeitherReadNorOverwritten) {
    test::WriteLongFile("Kelvhelp.ENG", Record("#keep"), 64u << 20);
    EXPECT_EQ(ReadHelpPage("Kelvhelp.ENG", kProductPage), "");
    EXPECT_FALSE(StoreHelpPage("Kelvhelp.ENG", {1, 1}, "lost?"));
    EXPECT_EQ(ReadBytes("Kelvhelp.ENG").substr(0, 5), "#keep");
    EXPECT_EQ(std::filesystem::file_size("Kelvhelp.ENG"), 64u << 20);
}

TEST_F(HelpFile, AFileThatCannotBeReadIsNotOverwritten) {
    TERVALO_SKIP_UNLESS_POSIX("every file can be read");
    WriteBytes("Kelvhelp.ENG", Record("#keep") + Record("#other page"));
    // Writable but not readable, in a directory open to all: only the failed read can stop a rewrite.
    namespace fs = std::filesystem;
    fs::permissions("Kelvhelp.ENG",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write);
    fs::permissions(".", fs::perms::all);
    EXPECT_FALSE(test::RunWithoutPrivileges([] { return StoreHelpPage("Kelvhelp.ENG", {1, 1}, "lost?"); }));
    std::filesystem::permissions("Kelvhelp.ENG", std::filesystem::perms::owner_all);
    EXPECT_EQ(ReadBytes("Kelvhelp.ENG"), Record("#keep") + Record("#other page"));
}

}  // namespace
}  // namespace tervalo

#include "localisation/feature_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "localisation/lifetime_texts.h"
#include "support/temp_dir.h"

namespace tervalo {
namespace {

using test::ScopedTempDir;
using test::WriteBytes;

constexpr FeatureFile kDemo{"Demo", 4};

class FeatureTextsTest : public ::testing::Test {
  protected:
    void SetUp() override { WriteBytes("Demo.ENG", "\"One\"\r\n\"Two\"\r\n\"Three\"\r\n\"Cost \x80\"\r\n"); }
    ScopedTempDir dir_;
};

TEST_F(FeatureTextsTest, LanguageFileGivesItsOwnTexts) {
    WriteBytes("Demo.GER", "\"Eins\"\r\n\"Zwei\"\r\n\"Drei\"\r\n\"Kosten \x80\"\r\n\"beyond the count\"\r\n");
    const FeatureTexts texts = LoadFeatureTexts(kDemo, "GER");
    EXPECT_EQ(texts.size(), 4);
    EXPECT_EQ(texts[1], "Eins");
    EXPECT_EQ(texts[4], "Kosten \x80");
    EXPECT_EQ(texts[0], "");
    EXPECT_EQ(texts[5], "") << "items beyond the count are not taken";
    EXPECT_EQ(texts.codePage(), 1252);
    EXPECT_EQ(FeatureFileName(kDemo, "GER"), "Demo.GER");
}

// English fills whatever the language's file does not give, in the language's code page.
TEST_F(FeatureTextsTest, MissingItemsComeFromEnglish) {
    struct Row {
        const char* name;
        const char* code;
        const char* file;
        const char* expected[4];
    };
    const Row rows[] = {
        {"missing file", "RUS", nullptr, {"One", "Two", "Three", "Cost \x88"}},  // the euro sign of cp1251
        {"short file", "POL", "\"Jeden\"\r\n\"Dwa\"\r\n", {"Jeden", "Dwa", "Three", "Cost \x80"}},
        {"empty item", "FRA", "\"Un\",\"\",\"Trois\",\"Co\xFBt\"", {"Un", "Two", "Trois", "Co\xFBt"}},
        {"byte the code page leaves undefined",
         "GRE",
         "\"\xC1\",\"\xAA\",\"\xC3\",\"\xC4\"",
         {"\xC1", "Two", "\xC3", "\xC4"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScopedTempDir dir;
        WriteBytes("Demo.ENG", "\"One\"\r\n\"Two\"\r\n\"Three\"\r\n\"Cost \x80\"\r\n");
        if (row.file) WriteBytes(std::string("Demo.") + row.code, row.file);
        const FeatureTexts texts = LoadFeatureTexts(kDemo, row.code);
        ASSERT_EQ(texts.size(), 4);
        for (int item = 1; item <= 4; ++item)
            EXPECT_EQ(texts[item], row.expected[item - 1]) << "item " << item;
    }
}

TEST_F(FeatureTextsTest, NeitherFileLeavesEmptyItemsOfTheRightCount) {
    const FeatureTexts texts = LoadFeatureTexts(FeatureFile{"Absent", 3}, "SWE");
    EXPECT_EQ(texts.size(), 3);
    for (int item = 1; item <= 3; ++item) EXPECT_EQ(texts[item], "");
    EXPECT_EQ(LoadFeatureTexts(FeatureFile{"Demo", -2}, "GER").size(), 0);
}

TEST_F(FeatureTextsTest, OversizedFileIsNotReadAndEnglishStands) {
    WriteBytes("Demo.NDL", "\"Een\"\r\n" + std::string(2u << 20, 'x'));
    EXPECT_EQ(LoadFeatureTexts(kDemo, "NDL")[1], "One");
}

TEST_F(FeatureTextsTest, FileNameIsMatchedWithoutRegardToCase) {
    WriteBytes("demo.ita", "\"Uno\"");
    EXPECT_EQ(LoadFeatureTexts(kDemo, "ITA")[1], "Uno");
}

TEST(FeatureTextNames, LifetimeItemsAreNamedFromTheirSource) {
    EXPECT_EQ(lifetime_texts::kFile.name, "Lifetime");
    EXPECT_EQ(lifetime_texts::kTitle, 1);
    EXPECT_EQ(lifetime_texts::kOutsideRange, 48);
    EXPECT_EQ(lifetime_texts::kSeasonalBasis, lifetime_texts::kFile.itemCount);
}

}  // namespace
}  // namespace tervalo

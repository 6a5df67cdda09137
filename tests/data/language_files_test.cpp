// The delivered language files, loaded with the program's own readers from the staged program directory.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "engine/text_record.h"
#include "localisation/code_page.h"
#include "localisation/cycle_texts.h"
#include "localisation/feature_texts.h"
#include "localisation/language_tables.h"
#include "localisation/languages.h"
#include "localisation/lifetime_texts.h"
#include "support/language_printer.h"
#include "support/temp_dir.h"

namespace tervalo {
namespace {

using test::ReadBytes;
using test::ScopedTempDir;

// The items every window, message and the report take from the tables; each must have a text.
constexpr std::array kShownCaptions = {12, 13, 14, 21, 25, 26, 30, 35, 40, 43,  63,  66,  68, 69,
                                       70, 71, 72, 75, 76, 81, 84, 88, 91, 166, 171, 221, 222};
constexpr std::array kShownMessages = {38, 39, 40, 42, 53, 55, 59, 61};
constexpr std::array kShownInfoTexts = {39, 40, 41, 42, 43, 44, 45};

const std::map<std::string, int> kItemCounts = {{"Caption.", kCaptionItems},
                                                {"VerbCapt.", kComponentCaptions},
                                                {"heatcap.", kHeatCaptions},
                                                {"infoTXT.", kInfoTexts}};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Runs inside a temporary program directory holding the files of one language and of English.
class DeliveredLanguageTest : public ::testing::TestWithParam<LanguageRow> {
  protected:
    void SetUp() override {
        ResetLanguageTables();
        for (const std::string_view code : {GetParam().code, std::string_view("ENG")})
            for (const auto& [prefix, count] : kItemCounts) {
                const std::string name = prefix + std::string(code);
                const std::filesystem::path source = std::filesystem::path(TERVALO_DIST_DIR) / name;
                ASSERT_TRUE(std::filesystem::exists(source)) << source << " is not in the program directory";
                std::filesystem::copy_file(source, dir_.path() / name,
                                           std::filesystem::copy_options::overwrite_existing);
            }
    }
    void TearDown() override { ResetLanguageTables(); }

    void LoadAll() {
        LoadCaptionFile(code_);
        LoadComponentCaptions(code_);
        LoadHeatCaptions(code_);
        LoadInfoTexts(code_);
    }

    ScopedTempDir dir_;
    std::string code_{GetParam().code};
};

TEST_P(DeliveredLanguageTest, EachFileHoldsExactlyItsItemsOnePerLine) {
    for (const auto& [prefix, count] : kItemCounts) {
        const std::string bytes = ReadBytes(prefix + code_);
        TextRecordReader reader(bytes);
        int items = 0;
        for (std::string text; reader.ReadText(text);) ++items;
        EXPECT_EQ(items, count) << prefix << code_;
        std::size_t lines = 0;
        for (std::size_t at = bytes.find("\"\r\n"); at != std::string::npos;
             at = bytes.find("\"\r\n", at + 3))
            ++lines;
        EXPECT_EQ(lines, static_cast<std::size_t>(count))
            << prefix << code_ << ": every item a quoted text and CR LF";
    }
}

// The about file (code + ".dat") of the info box: two items read and dropped, then the four lines it shows.
TEST_P(DeliveredLanguageTest, AboutFileHoldsTheInfoBoxLines) {
    const std::string bytes = ReadBytes(std::filesystem::path(TERVALO_DIST_DIR) / (code_ + ".dat"));
    ASSERT_FALSE(bytes.empty()) << code_ << ".dat";
    TextRecordReader reader(bytes);
    std::vector<std::string> items;
    for (std::string text; reader.ReadText(text);) items.push_back(text);
    ASSERT_EQ(items.size(), 6u) << code_ << ".dat";
    for (std::size_t shown = 2; shown < items.size(); ++shown) {
        EXPECT_FALSE(items[shown].empty()) << code_ << ".dat item " << shown + 1;
        EXPECT_TRUE(DecodesCleanly(items[shown], CodePageOf(code_))) << code_ << ".dat item " << shown + 1;
    }
}

TEST_P(DeliveredLanguageTest, EveryTextDecodesInTheLanguageCodePage) {
    LoadAll();
    const int codePage = CodePageOf(code_);
    auto expectClean = [&](const std::string& text, const char* table, int item) {
        EXPECT_TRUE(DecodesCleanly(text, codePage)) << code_ << " " << table << " " << item;
        EXPECT_EQ(Utf8ToCodePage(CodePageToUtf8(text, codePage), codePage), text)
            << code_ << " " << table << " " << item;
    };
    for (int item = 1; item <= kCaptionItems; ++item) expectClean(Caption(item), "caption", item);
    for (int number = 1; number <= kMessageCount; ++number) expectClean(Message(number), "message", number);
    for (int item = 1; item <= kHeatCaptions; ++item)
        expectClean(HeatCaption(item), "heat-pump caption", item);
    for (int number = 1; number <= kInfoTexts; ++number) expectClean(InfoText(number), "info text", number);
}

TEST_P(DeliveredLanguageTest, ShownItemsHaveTexts) {
    LoadAll();
    for (const int item : kShownCaptions) EXPECT_FALSE(Caption(item).empty()) << code_ << " caption " << item;
    for (const int number : kShownMessages)
        EXPECT_FALSE(Message(number).empty()) << code_ << " message " << number;
    for (int item = 1; item <= kHeatCaptions; ++item)
        EXPECT_FALSE(HeatCaption(item).empty()) << code_ << " heat-pump caption " << item;
    for (const int number : kShownInfoTexts)
        EXPECT_FALSE(InfoText(number).empty()) << code_ << " info " << number;
    EXPECT_TRUE(CaptionFileUsable(code_));
    EXPECT_EQ(RefusedLanguageText(code_),
              Caption(kCaptionLanguage) + " " + code_ + " " + Message(kMessageLanguageNotInstalled));
}

TEST_P(DeliveredLanguageTest, HeatPumpCaptionsAreUniqueAfterTrimming) {
    LoadHeatCaptions(code_);
    std::map<std::string, int> seen;
    for (int item = 1; item <= kHeatCaptions; ++item) {
        const auto [where, inserted] = seen.emplace(Trimmed(HeatCaption(item)), item);
        EXPECT_TRUE(inserted) << code_ << " heat-pump caption " << item << " equals item " << where->second;
    }
}

// The heat-pump captions are the dictionary of stored project texts: every entry must go to the same position
// in the other language and back.
TEST_P(DeliveredLanguageTest, TranslateTextMapsEveryHeatPumpCaptionBothWays) {
    LoadHeatCaptions("ENG");
    std::array<std::string, kHeatCaptions + 1> english;
    for (int item = 1; item <= kHeatCaptions; ++item) english[item] = HeatCaption(item);
    LoadHeatCaptions(code_);
    for (int item = 1; item <= kHeatCaptions; ++item) {
        EXPECT_EQ(TranslateText(" " + english[item] + " ", "ENG", code_), HeatCaption(item))
            << code_ << " " << item;
        EXPECT_EQ(TranslateText(HeatCaption(item), code_, "ENG"), english[item]) << code_ << " " << item;
    }
}

// The features' caption files: all items of the language's own, none left to the English fallback.
TEST_P(DeliveredLanguageTest, FeatureFilesHoldEveryItemInTheLanguage) {
    for (const FeatureFile& file : {lifetime_texts::kFile, cycle_texts::kFile}) {
        const std::string name = FeatureFileName(file, code_);
        const std::string bytes = ReadBytes(std::filesystem::path(TERVALO_DIST_DIR) / name);
        TextRecordReader reader(bytes);
        std::vector<std::string> items;
        for (std::string text; reader.ReadText(text);) items.push_back(text);
        ASSERT_EQ(items.size(), static_cast<std::size_t>(file.itemCount)) << name;
        test::WriteBytes(name, bytes);
        const FeatureTexts texts = LoadFeatureTexts(file, code_);
        for (int item = 1; item <= file.itemCount; ++item) {
            EXPECT_EQ(texts[item], items[static_cast<std::size_t>(item - 1)]) << name << " item " << item;
            EXPECT_FALSE(texts[item].empty()) << name << " item " << item;
            EXPECT_TRUE(DecodesCleanly(texts[item], CodePageOf(code_))) << name << " item " << item;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, DeliveredLanguageTest, ::testing::ValuesIn(Languages()),
                         [](const ::testing::TestParamInfo<LanguageRow>& row) {
                             return std::string(row.param.code);
                         });

}  // namespace
}  // namespace tervalo

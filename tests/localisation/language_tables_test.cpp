#include "localisation/language_tables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "localisation/code_page.h"
#include "localisation/feature_texts.h"
#include "support/temp_dir.h"

namespace tervalo {
namespace {

using test::ScopedTempDir;
using test::WriteBytes;

class LanguageTablesTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetLanguageTables(); }
    void TearDown() override { ResetLanguageTables(); }
    ScopedTempDir dir_;
};

std::string Items(const std::string& prefix, int count) {
    std::string bytes;
    for (int item = 1; item <= count; ++item) bytes += "\"" + prefix + std::to_string(item) + "\"\r\n";
    return bytes;
}

// A language file far above any real one is refused as a missing one is, after reading no more than the
// limit.
TEST_F(LanguageTablesTest, OverlongLanguageFilesAreRefused) {
    const std::string items = Items("E", 273);
    test::WriteLongFile("Caption.BIG", items, std::uintmax_t{256} << 20);
    test::WriteLongFile("heatcap.BIG", Items("B", 56), kLanguageFileByteLimit + 1);
    test::WriteLongFile("Caption.MAX", items, kLanguageFileByteLimit);
    WriteBytes("heatcap.ENG", Items("H", 56));
    EXPECT_FALSE(CaptionFileUsable("BIG"));
    LoadCaptionFile("BIG");
    LoadHeatCaptions("BIG");
    EXPECT_EQ(Caption(1), "");
    EXPECT_EQ(HeatCaption(1), "");
    EXPECT_EQ(TranslateText("H3", "ENG", "BIG"), "H3") << "no translation into a refused file";

    EXPECT_TRUE(CaptionFileUsable("MAX")) << "the limit itself is allowed";
    LoadCaptionFile("MAX");
    EXPECT_EQ(Caption(1), "E1");
}

TEST_F(LanguageTablesTest, CaptionFileSplitsIntoCaptionsAndMessagesAndDropsThreeItems) {
    // Items 175, 204 and 205 are read past: the table keeps what it held.
    for (const int dropped : {175, 204, 205}) Texts.captions[dropped] = "kept " + std::to_string(dropped);
    WriteBytes("Caption.ENG", Items("E", 273));
    LoadCaptionFile("ENG");
    EXPECT_EQ(Caption(1), "E1");
    EXPECT_EQ(Caption(96), "E96");
    EXPECT_EQ(Message(1), "E97");
    EXPECT_EQ(Message(61), "E157");
    EXPECT_EQ(Caption(158), "E158");
    EXPECT_EQ(Caption(174), "E174");
    EXPECT_EQ(Caption(175), "kept 175");
    EXPECT_EQ(Caption(176), "E176");
    EXPECT_EQ(Caption(203), "E203");
    EXPECT_EQ(Caption(204), "kept 204");
    EXPECT_EQ(Caption(205), "kept 205");
    EXPECT_EQ(Caption(206), "E206");
    EXPECT_EQ(Caption(273), "E273");
    EXPECT_EQ(Caption(0), "");
    EXPECT_EQ(Caption(274), "");
}

TEST_F(LanguageTablesTest, ShortCaptionFileKeepsTheLaterItems) {
    WriteBytes("Caption.ENG", Items("E", 273));
    LoadCaptionFile("ENG");
    WriteBytes("Caption.GER", Items("G", 120));
    LoadCaptionFile("GER");
    EXPECT_EQ(Caption(96), "G96");
    EXPECT_EQ(Message(23), "G119");
    EXPECT_EQ(Message(24), "G120");
    EXPECT_EQ(Message(25), "E121");
    EXPECT_EQ(Caption(221), "E221");
}

TEST_F(LanguageTablesTest, InfoTextsStartEmptyOnEveryLoad) {
    WriteBytes("infoTXT.ENG", Items("I", 66));
    LoadInfoTexts("ENG");
    EXPECT_EQ(InfoText(66), "I66");
    WriteBytes("infoTXT.GER", Items("J", 10));
    LoadInfoTexts("GER");
    EXPECT_EQ(InfoText(10), "J10");
    EXPECT_EQ(InfoText(11), "");
    LoadHeatCaptions("XXX");
    LoadComponentCaptions("XXX");
    EXPECT_EQ(HeatCaption(1), "") << "a missing file reads nothing";
}

TEST_F(LanguageTablesTest, CaptionFileMustExistAndHoldBytes) {
    EXPECT_FALSE(CaptionFileUsable("ESP"));
    WriteBytes("CAPTION.esp", "");
    EXPECT_FALSE(CaptionFileUsable("ESP"));
    WriteBytes("CAPTION.ndl", "\"x\"");
    EXPECT_TRUE(CaptionFileUsable("NDL"));
}

TEST_F(LanguageTablesTest, TranslateMatchesTrimmedItemsByPosition) {
    WriteBytes("heatcap.ENG", "\"Heat pump\",\"  Air \",\"Gas\"\r\n");
    WriteBytes("heatcap.GER", "\"W\xE4rmepumpe\",\"Luft\",\"Gas\"\r\n");
    EXPECT_EQ(TranslateText("Air", "ENG", "GER"), "Luft");
    EXPECT_EQ(TranslateText("   Air  ", "ENG", "GER"), "Luft");
    EXPECT_EQ(TranslateText("air", "ENG", "GER"), "air") << "exact and case-sensitive";
    EXPECT_EQ(TranslateText("Water", "ENG", "GER"), "Water");
    EXPECT_EQ(TranslateText("Air", "ENG", "FRA"), "Air") << "missing target file";
    EXPECT_EQ(TranslateText("Luft", "GER", "ENG"), "  Air ");
}

TEST(CodePage, EachLanguageHasItsWindowsCodePage) {
    EXPECT_EQ(CodePageOf("GER"), 1252);
    EXPECT_EQ(CodePageOf("POL"), 1250);
    EXPECT_EQ(CodePageOf("BUL"), 1251);
    EXPECT_EQ(CodePageOf("GRE"), 1253);
    EXPECT_EQ(CodePageOf("TRK"), 1254);
    EXPECT_EQ(CodePageOf("ARA"), 1256);
}

TEST(CodePage, ConvertsBothWaysAndReplacesWhatDoesNotFit) {
    EXPECT_EQ(CodePageToUtf8("\xB0"
                             "C W\xE4rme",
                             1252),
              "°C Wärme");
    EXPECT_EQ(CodePageToUtf8("\xCF\xF0\xE8", 1251), "При");
    EXPECT_EQ(CodePageToUtf8("\xB3", 1250), "ł");
    EXPECT_EQ(Utf8ToCodePage("Wärme €", 1252), "W\xE4rme \x80");
    EXPECT_EQ(Utf8ToCodePage("Привет", 1252), "??????");
    EXPECT_EQ(Utf8ToCodePage("a\xFF"
                             "b",
                             1252),
              "a?b")
        << "invalid UTF-8";
    EXPECT_EQ(Utf8ToCodePage("\u0100", 1250), "?") << "no best fit: not \"A\"";
    EXPECT_EQ(CodePageToUtf8("\x81", 1252), "\xEF\xBF\xBD") << "undefined byte";
    EXPECT_FALSE(DecodesCleanly("\x81", 1252));
    EXPECT_TRUE(DecodesCleanly("\xB0", 1253));
}

// Every language file is found inside the program directory only: a code that is a path reads nothing from
// outside, however the folders on the way are laid out.
TEST_F(LanguageTablesTest, LanguageFileNamesLeadingOutOfTheFolderReadNothing) {
    const std::filesystem::path inner = dir_.path() / "program";
    std::filesystem::create_directories(inner);
    WriteBytes("outside", Items("S", 273));
    std::filesystem::current_path(inner);
    for (const char* kind : {"Caption.", "heatcap.", "VerbCapt.", "infoTXT.", "Feature."})
        std::filesystem::create_directory(kind);
    WriteBytes("heatcap.ENG", Items("H", 56));
    for (const std::string& code : std::vector<std::string>{
             "/../../outside", "/../../../" + dir_.path().filename().string() + "/outside"}) {
        SCOPED_TRACE(code);
        ASSERT_EQ(test::ReadBytes("heatcap." + code).substr(0, 5), "\"S1\"\r") << "the path leads out";
        EXPECT_FALSE(CaptionFileUsable(code));
        LoadCaptionFile(code);
        LoadComponentCaptions(code);
        LoadHeatCaptions(code);
        LoadInfoTexts(code);
        EXPECT_EQ(Caption(1), "");
        EXPECT_EQ(ComponentCaption(1), "");
        EXPECT_EQ(HeatCaption(1), "");
        EXPECT_EQ(InfoText(1), "");
        EXPECT_EQ(TranslateText("H3", "ENG", code), "H3");
        EXPECT_EQ(LoadFeatureTexts({"Feature", 3}, code)[1], "");
        EXPECT_EQ(ReadLanguageFileBytes("heatcap." + code), std::nullopt);
    }
    std::filesystem::current_path(dir_.path());
}

}  // namespace
}  // namespace tervalo

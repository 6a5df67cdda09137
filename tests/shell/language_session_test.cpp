#include "shell/language_session.h"

#include <gtest/gtest.h>

#include "config/run_settings.h"
#include "localisation/language_tables.h"
#include "support/temp_dir.h"

namespace tervalo {
namespace {

using test::ReadBytes;
using test::ScopedTempDir;
using test::WriteBytes;

std::string CaptionFile(const std::string& prefix) {
    std::string bytes;
    for (int item = 1; item <= 273; ++item) bytes += "\"" + prefix + std::to_string(item) + "\"\r\n";
    return bytes;
}

class LanguageSession : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetRunSettings();
        ResetLanguageTables();
        WriteBytes("Caption.ENG", CaptionFile("E"));
        WriteBytes("heatcap.ENG", "\"Heat pump\",\"Air\"\r\n");
        WriteBytes("heatcap.GER", "\"W\xE4rmepumpe\",\"Luft\"\r\n");
        WriteBytes("infoTXT.GER", "\"Info\"\r\n");
        Settings.LanguageCode = "ENG";
        Settings.ProductName = "Quelmo";
        LoadLanguageTexts(Settings.LanguageCode);
    }
    void TearDown() override {
        ResetRunSettings();
        ResetLanguageTables();
    }
    ScopedTempDir dir_;
};

TEST_F(LanguageSession, RefusesALanguageWithoutCaptionFileAndChangesNothing) {
    WriteBytes("Caption.ESP", "");
    bool rewritten = false;
    const auto refusal = SwitchLanguage("ESP", {[&](auto&, auto&) { return rewritten = true; }, nullptr});
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->title, "Quelmo");
    EXPECT_EQ(refusal->text, "E91 ESP E157") << "caption item 91, the code, message 61";
    EXPECT_EQ(Settings.LanguageCode, "ENG");
    EXPECT_FALSE(rewritten);
    EXPECT_EQ(Caption(1), "E1");
    EXPECT_TRUE(SwitchLanguage("POR", {})) << "a missing caption file is refused too";
    EXPECT_EQ(Settings.LanguageCode, "ENG");
}

TEST_F(LanguageSession, SwitchRewritesTheProjectThenReloadsAndRefreshes) {
    WriteBytes("caption.ger", CaptionFile("G"));
    std::vector<std::string> steps;
    const auto refusal = SwitchLanguage(
        "GER", {[&](const std::string& from, const std::string& to) {
                    steps.push_back("rewrite " + from + ">" + to + " with caption " + Caption(1));
                    return true;
                },
                [&] { steps.push_back("refresh with caption " + Caption(1)); }});
    EXPECT_FALSE(refusal);
    EXPECT_EQ(Settings.LanguageCode, "GER");
    EXPECT_EQ(steps,
              (std::vector<std::string>{"rewrite ENG>GER with caption E1", "refresh with caption G1"}));
    EXPECT_EQ(Message(1), "G97");
    EXPECT_EQ(HeatCaption(1), "W\xE4rmepumpe");
    EXPECT_EQ(InfoText(1), "Info");
    EXPECT_TRUE(std::filesystem::exists("rechPar.dat")) << "every caption load checks the parameter file";
}

// The welcome window's answer, taken after a full read of kparam.dat, whose stored language "FRA" stands for
// the run's "ENG" until a confirmed language replaces it.
TEST_F(LanguageSession, TheWelcomeAnswerReplacesTheStoredLanguageAndStoresItOnce) {
    const std::string stored =
        "\"\",\"\",\"\",\"FRA\",\"EUR\",\"Arial\",\"User\",0,\"\",\"\",\"\",0,\"C:\\\",0\r\n0,35,\"2.5\","
        "\"\",\"\",0,\"\"\r\n";
    const struct {
        const char* name;
        std::optional<std::string> confirmed;
        int rewrite;  // -1 none given, 0 fails, 1 succeeds
        const char* language;
        const char* rewrites;
        bool saved;
    } rows[] = {
        {"refused: the stored language, no write", std::nullopt, 1, "FRA", "", false},
        {"the run's language: saved alone", "ENG", 1, "ENG", "", true},
        {"a new language with the project", "GER", 1, "GER", "ENG>GER", false},
        {"the project not rewritten: the run's stays", "GER", 0, "ENG", "ENG>GER", false},
        {"no project to rewrite: saved", "GER", -1, "GER", "", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WriteBytes("kparam.dat", stored);
        Settings.LanguageCode = "ENG";
        std::string rewrites;
        std::function<bool(const std::string&, const std::string&)> rewrite;
        if (row.rewrite >= 0)
            rewrite = [&](const std::string& from, const std::string& to) {
                rewrites += from + ">" + to;
                return row.rewrite == 1;
            };
        TakeWelcomeChoice(row.confirmed, ',', rewrite);
        EXPECT_EQ(Settings.LanguageCode, row.language);
        EXPECT_EQ(rewrites, row.rewrites);
        const std::string file = ReadBytes("kparam.dat");
        EXPECT_EQ(file != stored, row.saved) << file;
        if (row.saved) {
            EXPECT_TRUE(file.starts_with("\"\",\"\",\"\",\"" + *row.confirmed + "\"")) << file;
        }
    }
}

// Tervalo and tervalo-calc start the same way; only Tervalo takes over the hand-over file.
TEST_F(LanguageSession, StartupLoadsTheTextsAndConsumesTheHandOverFileOnlyWhenAsked) {
    const std::string handOver = "1,1,\"from the sister program\"\r\n";
    const struct {
        HandOverFile mode;
        std::string fileAfter;
        std::string handOverText;
    } rows[] = {{HandOverFile::Consume, "0\r\n0\r\n", "from the sister program"},
                {HandOverFile::LeaveUnread, handOver, ""}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.handOverText);
        ResetRunSettings();
        ResetLanguageTables();
        WriteBytes("caption.ger", CaptionFile("G"));
        WriteBytes("KELVData.dat", handOver);
        StartupLoad(row.mode);
        EXPECT_EQ(Settings.LanguageCode, "GER") << "the default without kparam.dat";
        EXPECT_EQ(Settings.LineBreak, "\r\n");
        EXPECT_EQ(Settings.LabelSeparator, " :");
        EXPECT_EQ(Caption(1), "G1");
        EXPECT_EQ(InfoText(1), "Info");
        EXPECT_EQ(ReadBytes("KELVData.dat"), row.fileAfter);
        EXPECT_EQ(Settings.HandOverText, row.handOverText);
    }
}

}  // namespace
}  // namespace tervalo

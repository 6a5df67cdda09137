#include "config/settings_file.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "config/run_settings.h"
#include "localisation/languages.h"
#include "support/temp_dir.h"

namespace tervalo {
namespace {

using test::ReadBytes;
using test::ScopedTempDir;
using test::WriteBytes;

class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override { ResetRunSettings(); }
    void TearDown() override { ResetRunSettings(); }
    ScopedTempDir dir_;
};

constexpr const char* kTypical =
    "\"\",\"\",\"\",\"SWE\",\"SEK\",\"Times\",\"Anna\",1,\"a\",\"b\",\"c\",1,\"D:\\\",0\r\n"
    "4,\"x\",\"3,5\",\"d\",\"e\",6,\"f\"\r\n";

TEST_F(SettingsFile, EmptyLanguageIsGermanAtStartupButEnglishInTheFullRead) {
    WriteBytes(
        "kparam.dat",
        "\"\",\"\",\"\",\"\",\"\",\"\",\"\",0,\"\",\"\",\"\",0,\"\",0\r\n0,35,\"2.5\",\"\",\"\",0,\"\"\r\n");
    StartupReadSettings(KnownLanguage);
    EXPECT_EQ(Settings.LanguageCode, "GER");
    EXPECT_EQ(Settings.CurrencyCode, "EUR");
    EXPECT_EQ(Settings.PrintFontName, "Arial");
    Settings.LanguageCode.clear();
    FullReadSettings(KnownLanguage);
    EXPECT_EQ(Settings.LanguageCode, "ENG");
}

TEST_F(SettingsFile, OverlongFileReadsAsMissing) {
    test::WriteLongFile("kparam.dat", kTypical, std::uintmax_t{1} << 30);
    StartupReadSettings(KnownLanguage);
    EXPECT_EQ(Settings.LanguageCode, "GER") << "the defaults, not the file's SWE";
    ResetRunSettings();
    test::WriteLongFile("kparam.dat", kTypical, kSettingsFileByteLimit);
    StartupReadSettings(KnownLanguage);
    EXPECT_EQ(Settings.LanguageCode, "SWE");
}

TEST_F(SettingsFile, MissingFileGivesTheDefaults) {
    StartupReadSettings(KnownLanguage);
    EXPECT_EQ(Settings.LanguageCode, "GER");
    EXPECT_EQ(Settings.CurrencyCode, "EUR");
    EXPECT_EQ(Settings.PrintFontName, "Arial");
    EXPECT_DOUBLE_EQ(Settings.carried.line2Field3, 2.5);
    EXPECT_EQ(Settings.carried.line2Field2, "35");
}

struct DirectoryRow {
    const char* name;
    const char* field13;
    int field14;
    const char* expected;
};

void PrintTo(const DirectoryRow& row, std::ostream* out) {
    *out << row.name;
}

class ParameterDirectoryRule : public SettingsFile, public ::testing::WithParamInterface<DirectoryRow> {};

TEST_P(ParameterDirectoryRule, ReducesToADriveRootOrEmpty) {
    const DirectoryRow& row = GetParam();
    WriteBytes("kparam.dat",
               std::string("\"\",\"\",\"\",\"ENG\",\"EUR\",\"Arial\",\"u\",0,\"\",\"\",\"\",0,\"") +
                   row.field13 + "\"," + std::to_string(row.field14) + "\r\n");
    FullReadSettings(KnownLanguage);
    EXPECT_EQ(Settings.ParameterDirectory, row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ParameterDirectoryRule,
                         ::testing::Values(DirectoryRow{"folderBelowRoot", "D:\\Kelv\\", 0, "C:\\"},
                                           DirectoryRow{"otherDriveRoot", "D:\\", 0, "D:\\"},
                                           DirectoryRow{"zero", "0", 0, "C:\\"},
                                           DirectoryRow{"bareDriveUpper", "C:", 0, "C:\\"},
                                           DirectoryRow{"bareDriveLower", "c:", 0, "C:\\"},
                                           DirectoryRow{"blanks", "   ", 0, "C:\\"},
                                           DirectoryRow{"trimmedRoot", " E:\\ ", 0, "E:\\"},
                                           DirectoryRow{"mode77", "D:\\", 77, ""},
                                           DirectoryRow{"mode77Long", "D:\\x\\y", 77, ""}),
                         [](const auto& row) { return row.param.name; });

TEST_F(SettingsFile, ZeroOrNegativeLine2Field3IsWrittenBackAs2Point5) {
    for (const char* stored : {"0", "-1"}) {
        WriteBytes("kparam.dat",
                   std::string("\"\",\"\",\"\",\"ENG\",\"EUR\",\"Arial\",\"u\",0,\"\",\"\",\"\",0,\"\",0\r\n"
                               "0,35,\"") +
                       stored + "\",\"\",\"\",0,\"\"\r\n");
        FullReadSettings(KnownLanguage);
        ASSERT_TRUE(SaveSettings(','));
        const std::string saved = ReadBytes("kparam.dat");
        EXPECT_NE(saved.find("0,35,\"2,5\","), std::string::npos) << stored << ": " << saved;
    }
}

TEST_F(SettingsFile, FullReadThenSaveKeepsEveryCarriedField) {
    WriteBytes("kparam.dat", kTypical);
    FullReadSettings(KnownLanguage);
    ASSERT_TRUE(SaveSettings('.'));
    EXPECT_EQ(ReadBytes("kparam.dat"),
              "\"\",\"\",\"\",\"SWE\",\"SEK\",\"Times\",\"Anna\",1,\"a\",\"b\",\"c\",1,\"D:\\\",0\r\n"
              "4,\"x\",\"3.5\",\"d\",\"e\",6,\"f\"\r\n");
}

TEST_F(SettingsFile, SaveAfterStartupReadOnlyWritesTheFileValuesNotEmptyOnes) {
    WriteBytes("kparam.dat",
               "\"\",\"\",\"\",\"SWE\",\"SEK\",\"Times\",\"Anna\",1,\"a\",\"b\",\"c\",1,\"D:\\Kelv\",77\r\n"
               "4,35,\"3.5\",\"d\",\"e\",6,\"f\"\r\n");
    StartupReadSettings(KnownLanguage);
    EXPECT_EQ(Settings.ParameterDirectory, "") << "the start-up read does not reach field 13";
    Settings.LanguageCode = "ITA";
    ASSERT_TRUE(SaveSettings('.'));
    EXPECT_EQ(ReadBytes("kparam.dat"),
              "\"\",\"\",\"\",\"ITA\",\"SEK\",\"Times\",\"Anna\",1,\"a\",\"b\",\"c\",1,\"D:\\Kelv\",77\r\n"
              "4,35,\"3.5\",\"d\",\"e\",6,\"f\"\r\n");
}

TEST_F(SettingsFile, SaveClearsReadOnly) {
    WriteBytes("kparam.dat", kTypical);
    std::filesystem::permissions("kparam.dat", std::filesystem::perms::owner_read);
    FullReadSettings(KnownLanguage);
    Settings.LanguageCode = "FRA";
    ASSERT_TRUE(SaveSettings('.'));
    EXPECT_NE(ReadBytes("kparam.dat").find("\"FRA\""), std::string::npos);
}

TEST_F(SettingsFile, TruncatedAndBinaryFilesKeepWhatWasNotRead) {
    WriteBytes("kparam.dat", "\"\",\"\",\"\",\"POL\",\"PLN\"");
    Settings.PrintFontName = "Courier";
    StartupReadSettings(KnownLanguage);
    EXPECT_EQ(Settings.LanguageCode, "POL");
    EXPECT_EQ(Settings.CurrencyCode, "PLN");
    EXPECT_EQ(Settings.PrintFontName, "Courier");
    std::string binary(5000, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 131);
    WriteBytes("kparam.dat", binary);
    FullReadSettings(KnownLanguage);
    SUCCEED();
}

// A stored language code ends the names of the language files: anything but one of the program's own codes
// (a path, another letter case, a code of no language, random bytes) gives the default in every read.
TEST_F(SettingsFile, OnlyTheProgramsOwnLanguageCodesAreTaken) {
    const auto file = [](const std::string& code) {
        return "\"\",\"\",\"\",\"" + code +
               "\",\"EUR\",\"Arial\",\"u\",3,\"\",\"\",\"\",0,\"\",0\r\n0,35,\"2.5\"\r\n";
    };
    std::mt19937 random(30);
    std::vector<std::string> hostile = {
        "/../../secret.txt", "../ENG", "ENG/", "eng", " ENG", "ENGL", "XYZ", "TST", std::string("EN\0G", 4)};
    for (int i = 0; i < 200; ++i) {
        std::string code(1 + random() % 6, ' ');
        for (char& c : code) c = static_cast<char>(0x20 + random() % 0x5F);
        if (!KnownLanguage(code) && code.find('"') == std::string::npos) hostile.push_back(code);
    }
    for (const std::string& code : hostile) {
        SCOPED_TRACE(code);
        WriteBytes("kparam.dat", file(code));
        ResetRunSettings();
        StartupReadSettings(KnownLanguage);
        EXPECT_EQ(Settings.LanguageCode, "GER");
        ResetRunSettings();
        FullReadSettings(KnownLanguage);
        EXPECT_EQ(Settings.LanguageCode, "ENG");
        const StoredChoice stored = ReadStoredChoice(KnownLanguage);
        EXPECT_EQ(stored.languageCode, std::string()) << "a code of no language selects nothing";
        EXPECT_EQ(stored.welcomeOption, 3) << "the fields after it are still read";
    }
    for (const char* code : {"ARA", "ROM", "ENG"}) {
        WriteBytes("kparam.dat", file(code));
        ResetRunSettings();
        StartupReadSettings(KnownLanguage);
        EXPECT_EQ(Settings.LanguageCode, code);
        EXPECT_EQ(ReadStoredChoice(KnownLanguage).languageCode, code);
    }
}

}  // namespace
}  // namespace tervalo

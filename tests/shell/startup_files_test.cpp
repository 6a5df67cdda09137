#include <gtest/gtest.h>

#include <filesystem>

#include "config/run_settings.h"
#include "engine/fixed_record.h"
#include "localisation/code_page.h"
#include "shell/branding_file.h"
#include "shell/handover_file.h"
#include "shell/parameter_file.h"
#include "support/system_traits.h"
#include "support/temp_dir.h"

namespace tervalo {
namespace {

using test::ReadBytes;
using test::ScopedTempDir;
using test::WriteBytes;

class StartupFiles : public ::testing::Test {
  protected:
    void SetUp() override { ResetRunSettings(); }
    void TearDown() override { ResetRunSettings(); }
    ScopedTempDir dir_;
};

TEST_F(StartupFiles, HandOverOneOneSkipsTheWelcomeAndIsEmptied) {
    WriteBytes("KELVData.dat", "1,1,\"from the sister program\"\r\n");
    ConsumeHandOverFile();
    EXPECT_EQ(Settings.SkipWelcome, 1);
    EXPECT_EQ(Settings.HandOverText, "from the sister program");
    EXPECT_EQ(ReadBytes("KELVData.dat"), "0\r\n0\r\n");
    ResetRunSettings();
    ConsumeHandOverFile();
    EXPECT_EQ(Settings.SkipWelcome, 0) << "a second run shows the welcome window again";
}

TEST_F(StartupFiles, HandOverMissingOrBrokenLeavesSkipWelcomeAtZero) {
    ConsumeHandOverFile();
    EXPECT_EQ(Settings.SkipWelcome, 0);
    EXPECT_EQ(ReadBytes("KELVData.dat"), "0\r\n0\r\n");
    WriteBytes("KELVData.dat", "\"unclosed");
    ConsumeHandOverFile();
    EXPECT_EQ(Settings.SkipWelcome, 0);
}

std::string StoredDirectory() {
    const FixedRecordFile file = FixedRecordFile::Load("rechPar.dat", 3, 1u << 20);
    std::string stored;
    for (long n = 30; n <= 60; ++n) stored += file.Record(n);
    return stored;
}

TEST_F(StartupFiles, ParameterFileIsRewrittenOnlyForANewDirectory) {
    std::string bytes(200, 'z');
    WriteBytes("rechPar.dat", bytes);
    CheckParameterFile("/opt/tervalo");
    const std::string first = ReadBytes("rechPar.dat");
    EXPECT_EQ(first.substr(0, 87), bytes.substr(0, 87)) << "records before 30 are kept";
    EXPECT_EQ(StoredDirectory(), "/opt/tervalo" + std::string(93 - 12, ' '));
    EXPECT_EQ(first.size(), 200u);

    const auto stamp = std::filesystem::last_write_time("rechPar.dat");
    std::filesystem::last_write_time("rechPar.dat", stamp - std::chrono::hours(1));
    CheckParameterFile("/opt/tervalo");
    EXPECT_EQ(std::filesystem::last_write_time("rechPar.dat"), stamp - std::chrono::hours(1))
        << "not rewritten";
}

TEST_F(StartupFiles, ParameterFileWithADirectoryOfNinetyThreeOrMoreCharacters) {
    const std::string fits(93, 'a');
    CheckParameterFile(fits);
    EXPECT_EQ(StoredDirectory(), fits);
    auto stamp = std::filesystem::last_write_time("rechPar.dat") - std::chrono::hours(1);
    std::filesystem::last_write_time("rechPar.dat", stamp);
    CheckParameterFile(fits);
    EXPECT_EQ(std::filesystem::last_write_time("rechPar.dat"), stamp) << "93 characters match after trimming";

    const std::string tooLong = std::string(93, 'b') + "/c";
    CheckParameterFile(tooLong);
    EXPECT_EQ(StoredDirectory(), tooLong.substr(0, 93));
    stamp = std::filesystem::last_write_time("rechPar.dat") - std::chrono::hours(1);
    std::filesystem::last_write_time("rechPar.dat", stamp);
    CheckParameterFile(tooLong);
    EXPECT_NE(std::filesystem::last_write_time("rechPar.dat"), stamp)
        << "never matches: rewritten at every start";
}

TEST_F(StartupFiles, ParameterFileFollowsADriveRootOnlyWhereThereAreDrives) {
    EXPECT_EQ(ParameterFilePath(), "rechPar.dat") << "empty ParameterDirectory: the current directory";
    for (const char* root : {"C:\\", "D:\\", "d:"}) {
        Settings.ParameterDirectory = root;
        if (test::kPosixSystem) {
            EXPECT_EQ(ParameterFilePath(), "rechPar.dat") << root << " is no place on this system";
        } else {
            EXPECT_EQ(ParameterFilePath(), std::filesystem::path(std::string(1, root[0]) + ":\\rechPar.dat"));
        }
    }
    Settings.ParameterDirectory = "C:x";
    EXPECT_EQ(ParameterFilePath(), "rechPar.dat") << "relative to a drive's current folder: no place";
    std::filesystem::create_directory("sh");
    Settings.ParameterDirectory = "sh/";
    CheckParameterFile("/here");
    EXPECT_TRUE(std::filesystem::exists("sh/rechPar.dat"));
    EXPECT_FALSE(std::filesystem::exists("rechPar.dat"));
}

// Each way out of the program directory leads back into it: rechPar.dat is written there, never beside it.
TEST_F(StartupFiles, ParameterFileIsNeverWrittenOutsideTheProgramDirectory) {
    TERVALO_SKIP_UNLESS_POSIX("symbolic links need a privilege");
    namespace fs = std::filesystem;
    fs::create_directory("prog");
    fs::current_path("prog");
    fs::create_directory_symlink("..", "up");
    fs::create_directory_symlink("/", "top");
    fs::create_directory("in");
    fs::create_directory_symlink("in", "ok");
    for (const char* directory : {"../", "..", "/", "/./", "up/", "top", "a/..", "in/../.."}) {
        SCOPED_TRACE(directory);
        Settings.ParameterDirectory = directory;
        EXPECT_EQ(ParameterFilePath(), "rechPar.dat");
        CheckParameterFile("/here");
        EXPECT_TRUE(fs::exists("rechPar.dat"));
        EXPECT_FALSE(fs::exists("../rechPar.dat"));
        fs::remove("rechPar.dat");
    }
    EXPECT_FALSE(fs::exists("/rechPar.dat"));
    Settings.ParameterDirectory = "ok/";
    EXPECT_EQ(ParameterFilePath(), "ok/rechPar.dat") << "a link that stays inside is followed";
    fs::current_path(dir_.path());
}

// Encodes a text as the branding file does: one record per character, its code plus the shift.
void PutText(FixedRecordFile& file, long first, std::string_view text, int shift) {
    for (std::size_t i = 0; i < text.size(); ++i)
        file.SetRecord(first + static_cast<long>(i),
                       std::to_string(static_cast<unsigned char>(text[i]) + shift));
}

TEST_F(StartupFiles, EmptyBrandingFileGivesQuelmo) {
    WriteBytes("rechOpt.dat", "");
    Settings.UserName = "kept";
    ReadBranding();
    EXPECT_EQ(Settings.ProductName, "Quelmo");
    EXPECT_FALSE(Settings.WebAddress.empty());
    EXPECT_EQ(Settings.UserName, "kept");
    // The notice line has no words of one language: it reads the same in every code page of the languages.
    for (const int codePage : {1250, 1251, 1252, 1253, 1254, 1256})
        EXPECT_EQ(CodePageToUtf8(Settings.NoticeLine, codePage), "\u00A9 Quelmo") << codePage;
}

// The distribution's own branding file: the product is Tervalo wherever the program names it, the notice
// line reads the same in every code page, and no owner line replaces the user name of kparam.dat with text.
TEST_F(StartupFiles, DeliveredBrandingFileNamesTervalo) {
    const std::string delivered = ReadBytes(std::filesystem::path(TERVALO_DIST_DIR) / "rechOpt.dat");
    ASSERT_EQ(delivered.size(), 3000u) << "1000 records of 3 bytes";
    WriteBytes("rechOpt.dat", delivered);
    ReadBranding();
    EXPECT_EQ(Settings.ProductName, "Tervalo");
    EXPECT_EQ(Settings.WebAddress, "www.kelvara.example");
    for (const int codePage : {1250, 1251, 1252, 1253, 1254, 1256})
        EXPECT_EQ(CodePageToUtf8(Settings.NoticeLine, codePage), "\u00A9 Kelvara") << codePage;
    for (const std::string& owner : Settings.OwnerLines) EXPECT_EQ(owner, "");
}

TEST_F(StartupFiles, BrandingFileDecodesShiftedTextsWithTheDosMapping) {
    FixedRecordFile file("", 3);
    const int shift = 40;
    file.SetRecord(153, std::to_string(shift));
    PutText(file, 201, "  Brand X ", shift);
    PutText(file, 401, "Note", shift);
    PutText(file, 601, "www.example.org", shift);
    PutText(file, 701, std::string("M\x81ller \"GmbH\""), shift);  // DOS u-umlaut, quotes dropped
    PutText(file, 801, "Street 1", shift);
    file.SetRecord(1000, "0");
    WriteBytes("rechOpt.dat", file.bytes());
    ReadBranding();
    EXPECT_EQ(Settings.ProductName, "Brand X");
    EXPECT_EQ(Settings.NoticeLine, "Note");
    EXPECT_EQ(Settings.WebAddress, "www.example.org");
    EXPECT_EQ(Settings.OwnerLines[0], "M\xFCller GmbH");
    EXPECT_EQ(Settings.UserName, Settings.OwnerLines[0]);
    EXPECT_EQ(Settings.OwnerLines[1], "Street 1");
    EXPECT_EQ(Settings.OwnerLines[2], "");
}

// The small files of the start are read within a few kilobytes: a large rechPar.dat is neither read nor
// rewritten at every start, a large rechOpt.dat gives the default branding, a large KELVData.dat no text.
TEST_F(StartupFiles, OversizedStartFilesAreLeftAlone) {
    const std::uintmax_t large = 200u << 10;
    test::WriteLongFile("rechPar.dat", "ABC", large);
    const auto before = std::filesystem::last_write_time("rechPar.dat");
    CheckParameterFile("/some/new/folder");
    EXPECT_EQ(std::filesystem::file_size("rechPar.dat"), large) << "not rewritten";
    EXPECT_EQ(std::filesystem::last_write_time("rechPar.dat"), before);

    test::WriteLongFile("rechOpt.dat", "100", large);
    ReadBranding();
    EXPECT_EQ(Settings.ProductName, kDefaultProductName);

    test::WriteLongFile("KELVData.dat", "1,1,\"text\"\r\n", large);
    ConsumeHandOverFile();
    EXPECT_EQ(Settings.SkipWelcome, 0);
    EXPECT_EQ(Settings.HandOverText, "");
}

// A branding file whose texts decode to control characters is no branding: the default names stand, and the
// caller learns of it.
TEST_F(StartupFiles, BrandingDecodingToControlCharactersGivesTheDefaults) {
    FixedRecordFile file("", 3);
    file.SetRecord(153, "40");
    PutText(file, 201, "Brand\nX", 40);
    WriteBytes("rechOpt.dat", file.bytes());
    Settings.UserName = "kept";
    EXPECT_FALSE(ReadBranding());
    EXPECT_EQ(Settings.ProductName, kDefaultProductName);
    EXPECT_EQ(Settings.UserName, "kept");
    PutText(file, 201, "Brand X", 40);
    WriteBytes("rechOpt.dat", file.bytes());
    EXPECT_TRUE(ReadBranding());
    EXPECT_EQ(Settings.ProductName, "Brand X");
}

}  // namespace
}  // namespace tervalo

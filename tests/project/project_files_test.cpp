#include "project/project_files.h"

#include <filesystem>

#include "engine/refrigerant_catalogue.h"
#include "engine/text_record.h"
#include "project_fixture.h"
#include "support/system_traits.h"

namespace tervalo {
namespace {

using test::hp;
using test::ReadBytes;
using test::WriteBytes;

std::vector<std::string> FieldsOf(const std::string& bytes) {
    std::vector<std::string> fields;
    TextRecordReader reader(bytes);
    std::string field;
    while (reader.ReadText(field)) fields.push_back(field);
    return fields;
}

std::string ProjectFileOf(const std::vector<std::string>& fields) {
    std::string bytes;
    for (const std::string& field : fields) bytes += "\"" + field + "\"\r\n";
    return bytes;
}

// A saved project in the test language: every field names its position, list fields hold list entries.
std::vector<std::string> SavedFields() {
    return {"R22",  "150", "-9",        "0.6", hp(3),  "",     hp(10), "hp19, hp9", hp(45), "range", hp(44),
            hp(48), hp(9), "hp38 1982", "",    hp(33), hp(21), hp(15), " 159",      "0.2",  " 90",   " 16"};
}

class ProjectFiles : public test::ProjectFixture {
  protected:
    ProjectRecord& r = Project();
};

TEST_F(ProjectFiles, SavedProjectReadsBackFieldByField) {
    WriteBytes("TempPart.dat", ProjectFileOf(SavedFields()));
    ReadProjectFile(r);
    EXPECT_EQ(r.WohnFL, "150");
    EXPECT_EQ(r.t0, "-9");
    EXPECT_EQ(r.BrennK, "0.6");
    EXPECT_EQ(r.AnwendBereich, hp(3));
    EXPECT_EQ(r.Bereitstell, hp(10));
    EXPECT_EQ(r.VFlsize, "hp19, hp9");
    EXPECT_EQ(r.AmbientT, hp(45));
    EXPECT_EQ(r.Tempbereich, "range");
    EXPECT_EQ(r.WartungI, hp(44));
    EXPECT_EQ(r.Klimazone, hp(48));
    EXPECT_EQ(r.Leitungsdimension, hp(9));
    EXPECT_EQ(r.HausTyp, "hp38 1982");
    EXPECT_EQ(r.Verdichterbauart, hp(33));
    EXPECT_EQ(r.HeizArt, hp(21));
    EXPECT_EQ(r.KesselWirk, hp(15));
    EXPECT_EQ(r.SpezHeizLeist, " 159");
    EXPECT_EQ(r.EnergKost, "0.2");
    EXPECT_EQ(r.WirkGKessel, " 90");
    EXPECT_EQ(r.BereitStV, " 16");

    ASSERT_TRUE(WriteProjectFile(r));
    EXPECT_EQ(ReadBytes("TempPart.dat"), ProjectFileOf(SavedFields()))
        << "22 quoted fields, CR LF after each";
}

TEST_F(ProjectFiles, ReservedFieldsAreIgnoredAndWrittenEmpty) {
    auto fields = SavedFields();
    fields[5] = "reserved 6";
    fields[14] = "reserved 15";
    fields[0] = "R404A";
    WriteBytes("TempPart.dat", ProjectFileOf(fields));
    ReadProjectFile(r);
    Project().RefrigerantName = "R22";
    ASSERT_TRUE(WriteProjectFile(r));
    EXPECT_EQ(ReadBytes("TempPart.dat"), ProjectFileOf(SavedFields()));
}

TEST_F(ProjectFiles, ShortMissingOrDamagedFilesKeepTheFieldsNotReached) {
    r.HeizArt = "kept";
    r.BereitStV = "kept";
    ReadProjectFile(r);
    EXPECT_EQ(r.HeizArt, "kept") << "missing file";

    WriteBytes("TempPart.dat", "\"R22\"\r\n\"80\"\r\n\"2\"\r\n\"0.7");
    ReadProjectFile(r);
    EXPECT_EQ(r.WohnFL, "80");
    EXPECT_EQ(r.BrennK, "0.7") << "a field cut by the end of the file";
    EXPECT_EQ(r.HeizArt, "kept");

    // Binary junk and a file far too large for a project are no project: nothing is taken from them.
    for (const std::string& junk : {std::string("\0\0\xff\x01\r\n\"", 7), std::string(3u << 20, 'x')}) {
        WriteBytes("TempPart.dat", junk);
        ReadProjectFile(r);
        EXPECT_EQ(r.BereitStV, "kept");
    }
    WriteBytes("TempPart.dat", std::string(100000, ','));
    ReadProjectFile(r);
    EXPECT_EQ(r.BereitStV, "") << "a file of empty fields holds 22 empty texts";
}

TEST_F(ProjectFiles, DoubleQuoteInATextCannotShiftTheFields) {
    r.WohnFL = "12\"5";
    r.BereitStV = "10";
    ASSERT_TRUE(WriteProjectFile(r));
    ProjectRecord read;
    ReadProjectFile(read);
    EXPECT_EQ(read.WohnFL, "12''5");
    EXPECT_EQ(read.BereitStV, "10");
}

TEST_F(ProjectFiles, ReadOnlyProjectFileIsReplaced) {
    WriteBytes("TempPart.dat", "\"old\"\r\n");
    std::filesystem::permissions("TempPart.dat", std::filesystem::perms::owner_read);
    r.WohnFL = "99";
    ASSERT_TRUE(WriteProjectFile(r));
    EXPECT_EQ(FieldsOf(ReadBytes("TempPart.dat")).at(1), "99");
}

TEST_F(ProjectFiles, ProjectFileFoundWithoutRegardToCase) {
    WriteBytes("TEMPPART.DAT", ProjectFileOf(SavedFields()));
    ReadProjectFile(r);
    EXPECT_EQ(r.WohnFL, "150");
    r.WohnFL = "151";
    ASSERT_TRUE(WriteProjectFile(r));
    EXPECT_EQ(FieldsOf(ReadBytes("TEMPPART.DAT")).at(1), "151") << "rewritten under its own name";
}

TEST_F(ProjectFiles, FuelPricesAreStoredAsTyped) {
    r.FuelPriceTable = {"a", "b", "c", "d"};
    ReadFuelPrices(r);
    EXPECT_EQ(r.FuelPriceTable[0], "a") << "a missing SpezBK.dat changes nothing";

    WriteBytes("SpezBK.dat", "\"1,02\"\r\n\"1.13\"\r\n");
    ReadFuelPrices(r);
    EXPECT_EQ(r.FuelPriceTable, (std::array<std::string, 4>{"1,02", "1.13", "c", "d"}));

    r.FuelPriceTable = {"1,10", "", " 0.3 ", "0.35"};
    ASSERT_TRUE(WriteFuelPrices(r));
    EXPECT_EQ(ReadBytes("SpezBK.dat"), "\"1,10\"\r\n\"\"\r\n\" 0.3 \"\r\n\"0.35\"\r\n");
}

class LanguageRewrite : public ProjectFiles {};

TEST_F(LanguageRewrite, ListChoicesTranslatedCombinedEntriesKeepTheirLanguage) {
    WriteBytes("TempPart.dat", ProjectFileOf(SavedFields()));
    ASSERT_TRUE(RewriteProjectFileForLanguage("TST", "TSB"));
    const auto fields = FieldsOf(ReadBytes("TempPart.dat"));
    const std::vector<std::string> expected = {
        "R22", "150", "-9",        "0.6", "b3",  "",    "b10", "hp19, hp9", "b45", "range", "b44",
        "b48", "b9",  "hp38 1982", "",    "b33", "b21", "b15", " 159",      "0.2", " 90",   " 16"};
    EXPECT_EQ(fields, expected);
    EXPECT_FALSE(std::filesystem::exists("Puffer.dat"));
}

TEST_F(LanguageRewrite, PriceAndNumbersAreNeverTranslated) {
    auto fields = SavedFields();
    fields[1] = "hp3";    // WohnFL: field 2 is copied
    fields[3] = " hp4 ";  // BrennK: field 4 is translated like the others, trimmed
    fields[18] = "hp5";   // SpezHeizLeist: field 19 is copied
    WriteBytes("TempPart.dat", ProjectFileOf(fields));
    ASSERT_TRUE(RewriteProjectFileForLanguage("TST", "TSB"));
    const auto rewritten = FieldsOf(ReadBytes("TempPart.dat"));
    EXPECT_EQ(rewritten[1], "hp3");
    EXPECT_EQ(rewritten[3], "b4");
    EXPECT_EQ(rewritten[18], "hp5");
}

TEST_F(LanguageRewrite, EmptyTextsStayEmptyEvenWhereACaptionIsEmpty) {
    WriteBytes("heatcap.TST", "\"\",\"x\"\r\n");
    WriteBytes("heatcap.TSB", "\"first caption\",\"y\"\r\n");
    WriteBytes("TempPart.dat", ProjectFileOf(std::vector<std::string>(22, "")));
    ASSERT_TRUE(RewriteProjectFileForLanguage("TST", "TSB"));
    EXPECT_EQ(FieldsOf(ReadBytes("TempPart.dat")), std::vector<std::string>(22, ""));
}

TEST_F(LanguageRewrite, MissingCaptionFileLeavesEveryFieldAndMissingProjectGivesEmptyFields) {
    WriteBytes("TempPart.dat", ProjectFileOf(SavedFields()));
    ASSERT_TRUE(RewriteProjectFileForLanguage("TST", "XXX"));
    EXPECT_EQ(FieldsOf(ReadBytes("TempPart.dat")), SavedFields());

    std::filesystem::remove("TempPart.dat");
    ASSERT_TRUE(RewriteProjectFileForLanguage("TST", "TSB"));
    EXPECT_EQ(FieldsOf(ReadBytes("TempPart.dat")), std::vector<std::string>(22, ""));
}

TEST_F(LanguageRewrite, AFailedRewriteLeavesTheProjectAsItWas) {
    const std::string saved = ProjectFileOf(SavedFields());
    WriteBytes("TempPart.dat", saved);
    std::filesystem::create_directory("Puffer.dat");  // the buffer cannot be written
    EXPECT_FALSE(RewriteProjectFileForLanguage("TST", "TSB"));
    EXPECT_EQ(ReadBytes("TempPart.dat"), saved);

    std::filesystem::remove("Puffer.dat");
    TERVALO_SKIP_UNLESS_POSIX("a folder cannot be made read-only");
    std::filesystem::create_directory("TempPart.dat.d");
    namespace fs = std::filesystem;
    const auto directory = fs::current_path();
    // Nothing can be created or renamed in the directory.
    fs::permissions(directory, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                   fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const bool rewritten = RewriteProjectFileForLanguage("TST", "TSB");
    fs::permissions(directory, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                   fs::perms::others_read | fs::perms::others_exec);
    if (test::PermissionsBind()) {
        EXPECT_FALSE(rewritten);
    }
    EXPECT_EQ(FieldsOf(ReadBytes("TempPart.dat")).size(), 22u) << "never no project";
}

TEST_F(LanguageRewrite, ReadOnlyProjectFileIsRewritten) {
    WriteBytes("TempPart.dat", ProjectFileOf(SavedFields()));
    std::filesystem::permissions("TempPart.dat", std::filesystem::perms::owner_read);
    ASSERT_TRUE(RewriteProjectFileForLanguage("TST", "TSB"));
    EXPECT_EQ(FieldsOf(ReadBytes("TempPart.dat")).at(4), "b3");
}

}  // namespace
}  // namespace tervalo

#include "project/project_files.h"

#include <filesystem>

#include "engine/file_access.h"
#include "engine/refrigerant_catalogue.h"
#include "engine/text_record.h"
#include "localisation/language_tables.h"
#include "localisation/languages.h"
#include "project/project_lists.h"
#include "project_fixture.h"
#include "support/system_traits.h"
#include "support/write_failure.h"

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
    return {"R22",
            "150",
            "-9",
            "0.6",
            hp(kHeatOutdoorAirToWater),
            "",
            hp(kHeatLarge),
            "hp19, hp9",
            hp(kHeatExposureHigh),
            "range",
            hp(kHeatExposureNormal),
            hp(kHeatZone3),
            hp(kHeatMedium),
            "hp38 1982",
            "",
            hp(kHeatBuilding),
            hp(kHeatHeatingOil),
            hp(kHeatLowTemperatureBoiler),
            " 159",
            "0.2",
            " 90",
            " 16"};
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
    EXPECT_EQ(r.AnwendBereich, hp(kHeatOutdoorAirToWater));
    EXPECT_EQ(r.Bereitstell, hp(kHeatLarge));
    EXPECT_EQ(r.VFlsize, "hp19, hp9");
    EXPECT_EQ(r.AmbientT, hp(kHeatExposureHigh));
    EXPECT_EQ(r.Tempbereich, "range");
    EXPECT_EQ(r.WartungI, hp(kHeatExposureNormal));
    EXPECT_EQ(r.Klimazone, hp(kHeatZone3));
    EXPECT_EQ(r.Leitungsdimension, hp(kHeatMedium));
    EXPECT_EQ(r.HausTyp, "hp38 1982");
    EXPECT_EQ(r.Verdichterbauart, hp(kHeatBuilding));
    EXPECT_EQ(r.HeizArt, hp(kHeatHeatingOil));
    EXPECT_EQ(r.KesselWirk, hp(kHeatLowTemperatureBoiler));
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

// A disk that refuses the new content partway (root included) leaves both files as they were.
TEST_F(ProjectFiles, FailedSavesKeepTheOldFiles) {
    TERVALO_SKIP_UNLESS_POSIX("no file-size limit");
    WriteBytes("TempPart.dat", ProjectFileOf(SavedFields()));
    WriteBytes("SpezBK.dat", "\"1\"\r\n\"2\"\r\n\"3\"\r\n\"4\"\r\n");
    ReadProjectFile(r);
    r.WohnFL = "999";
    r.FuelPriceTable = {"9", "9", "9", "9"};
    EXPECT_FALSE(test::RunWithFileSizeLimit(30, [this] { return WriteProjectFile(r); }));
    EXPECT_FALSE(test::RunWithFileSizeLimit(10, [this] { return WriteFuelPrices(r); }));
    EXPECT_EQ(ReadBytes("TempPart.dat"), ProjectFileOf(SavedFields()));
    EXPECT_EQ(ReadBytes("SpezBK.dat"), "\"1\"\r\n\"2\"\r\n\"3\"\r\n\"4\"\r\n");
    EXPECT_TRUE(test::RunWithFileSizeLimit(1000, [this] {
        return WriteProjectFile(r) && WriteFuelPrices(r);
    })) << "the limit is what made them fail";
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

TEST_F(LanguageRewrite, ListChoicesAndCombinedEntriesAreTranslated) {
    WriteBytes("TempPart.dat", ProjectFileOf(SavedFields()));
    ASSERT_TRUE(RewriteProjectFileForLanguage("TST", "TSB"));
    const auto fields = FieldsOf(ReadBytes("TempPart.dat"));
    const std::vector<std::string> expected = {
        "R22", "150", "-9",       "0.6", "b3",  "",    "b10", "b19, b9", "b45", "range", "b44",
        "b48", "b9",  "b38 1982", "",    "b33", "b21", "b15", " 159",    "0.2", " 90",   " 16"};
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

TEST_F(LanguageRewrite, CombinedTextsAreTranslatedOnlyWhenEveryPieceIsACaption) {
    const struct {
        const char* text;
        const char* translated;
    } rows[] = {
        {"hp19, hp10", "b19, b10"},           {"hp38 1973", "b38 1973"}, {"hp19, xyz", "hp19, xyz"},
        {"hp38 19a3", "hp38 19a3"},           {"hp38 ", "b38"},          {"xyz 1982", "xyz 1982"},
        {"hp19, hp8, hp9", "hp19, hp8, hp9"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TranslateListText(row.text, "TST", "TSB"), row.translated) << row.text;
    EXPECT_EQ(TranslateListText("hp19, hp10", "TST", "XXX"), "hp19, hp10");

    // Captions that hold ", " themselves: the entry splits where both pieces are captions, at any ", ".
    WriteBytes("heatcap.TSC", "\"a, b\",\"c\",\"d, e, f\"\r\n");
    WriteBytes("heatcap.TSD", "\"A, B\",\"C\",\"D, E, F\"\r\n");
    const std::pair<const char*, const char*> pieces[] = {{"a, b, c", "A, B, C"},
                                                          {"c, d, e, f", "C, D, E, F"},
                                                          {"d, e, f, a, b", "D, E, F, A, B"},
                                                          {"a, b, x", "a, b, x"}};
    for (const auto& [text, translated] : pieces)
        EXPECT_EQ(TranslateListText(text, "TSC", "TSD"), translated) << text;
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

// Every entry of every list that enters the calculation, in every delivered language: rewritten from German
// it is the same entry of the list in the new language, and rewritten back it is the German text again, so
// a language switch changes no result.
TEST_F(LanguageRewrite, EveryListEntryKeepsItsPlaceInEveryLanguage) {
    const std::filesystem::path dist(TERVALO_DIST_DIR);
    TERVALO_SKIP_UNLESS(std::filesystem::exists(dist / "heatcap.GER"), "the language files are not staged");
    std::vector<std::string> codes;
    for (const LanguageRow& language : Languages()) codes.emplace_back(language.code);
    for (const std::string& code : codes)
        WriteBytes("heatcap." + code, ReadBytes(dist / ("heatcap." + code)));
    // Verdichterbauart takes one entry from the caption file and enters no calculation.
    const ProjectList lists[] = {ProjectList::AnwendBereich, ProjectList::WartungI,
                                 ProjectList::Klimazone,     ProjectList::Bereitstell,
                                 ProjectList::VFlsize,       ProjectList::Leitungsdimension,
                                 ProjectList::HausTyp,       ProjectList::AmbientT,
                                 ProjectList::HeizArt,       ProjectList::KesselWirk};
    LoadHeatCaptions("GER");
    std::vector<std::vector<std::string>> german;
    for (ProjectList list : lists) german.push_back(ListEntries(list));
    int checked = 0;
    for (const std::string& code : codes) {
        LoadHeatCaptions(code);
        for (std::size_t l = 0; l < std::size(lists); ++l) {
            const std::vector<std::string> entries = ListEntries(lists[l]);
            ASSERT_EQ(entries.size(), german[l].size());
            for (std::size_t i = 0; i < entries.size(); ++i) {
                SCOPED_TRACE(code + " list " + std::to_string(l) + " entry " + std::to_string(i));
                EXPECT_EQ(TranslateListText(german[l][i], "GER", code), entries[i]);
                EXPECT_EQ(TranslateListText(entries[i], code, "GER"), german[l][i]);
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, static_cast<int>(codes.size()) * 42);
}

TEST_F(LanguageRewrite, AFailedRewriteLeavesTheProjectAsItWas) {
    const std::string saved = ProjectFileOf(SavedFields());
    WriteBytes("TempPart.dat", saved);
    std::filesystem::create_directory("Puffer.dat");  // the buffer cannot be written
    EXPECT_FALSE(RewriteProjectFileForLanguage("TST", "TSB"));
    EXPECT_EQ(ReadBytes("TempPart.dat"), saved);

    std::filesystem::remove("Puffer.dat");
    TERVALO_SKIP_UNLESS_POSIX("no file-size limit");
    // The disk refuses after 20 bytes (root included): neither the buffer nor the project can be written.
    EXPECT_FALSE(test::RunWithFileSizeLimit(20, [] { return RewriteProjectFileForLanguage("TST", "TSB"); }));
    EXPECT_EQ(ReadBytes("TempPart.dat"), saved);
    for (const auto& entry : std::filesystem::directory_iterator("."))
        EXPECT_TRUE(entry.path().filename() != "Puffer.dat" &&
                    !entry.path().string().ends_with(kTemporarySuffix))
            << entry.path() << " left behind";
}

TEST_F(LanguageRewrite, KeepsThePermissionsAndLinkOfTheProjectFile) {
    TERVALO_SKIP_UNLESS_POSIX("permission bits and links");
    namespace fs = std::filesystem;
    fs::create_directory("projects");
    WriteBytes("projects/TempPart.dat", ProjectFileOf(SavedFields()));
    fs::permissions("projects/TempPart.dat", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("projects/TempPart.dat", "TempPart.dat");
    ASSERT_TRUE(RewriteProjectFileForLanguage("TST", "TSB"));
    EXPECT_TRUE(fs::is_symlink("TempPart.dat"));
    EXPECT_EQ(FieldsOf(ReadBytes("projects/TempPart.dat")).at(4), "b3");
    EXPECT_EQ(fs::status("projects/TempPart.dat").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(fs::exists("Puffer.dat"));
}

TEST_F(LanguageRewrite, ReadOnlyProjectFileIsRewritten) {
    WriteBytes("TempPart.dat", ProjectFileOf(SavedFields()));
    std::filesystem::permissions("TempPart.dat", std::filesystem::perms::owner_read);
    ASSERT_TRUE(RewriteProjectFileForLanguage("TST", "TSB"));
    EXPECT_EQ(FieldsOf(ReadBytes("TempPart.dat")).at(4), "b3");
}

}  // namespace
}  // namespace tervalo

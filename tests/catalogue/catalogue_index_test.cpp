#include "catalogue/catalogue_index.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/text_record.h"
#include "support/system_traits.h"
#include "support/temp_dir.h"

namespace tervalo {
namespace {

using test::ReadBytes;
using test::ScopedTempDir;
using test::WriteBytes;

// A data file of `records` 570-byte records whose record 51 starts with `typeField`.
std::string DataFile(const std::string& typeField, int records = 60) {
    std::string bytes(static_cast<std::size_t>(records) * 570, ' ');
    for (int n = 1; n <= records; ++n)
        bytes.replace(static_cast<std::size_t>(n - 1) * 570, 8, "item " + std::to_string(n));
    if (records >= 51) bytes.replace(50 * 570, typeField.size(), typeField);
    return bytes;
}

std::string Record51(const std::string& file) {
    return ReadBytes(file).substr(50 * 570, 570);
}

// An index file of 18 titles "title i" (storage order), each padded to 128 bytes.
std::string IndexFile(const std::string& first = "title 1") {
    std::string bytes;
    for (int i = 1; i <= 18; ++i) {
        std::string title = i == 1 ? first : "title " + std::to_string(i);
        title.resize(128, ' ');
        bytes += title;
    }
    return bytes;
}

std::vector<std::string> Fields(const std::string& bytes) {
    std::vector<std::string> fields;
    TextRecordReader reader(bytes);
    std::string field;
    while (reader.ReadText(field)) fields.push_back(field);
    return fields;
}

class CatalogueIndex : public ::testing::Test {
  protected:
    ScopedTempDir dir_;
};

TEST_F(CatalogueIndex, DisplayPositionsFromTheFieldOffsets) {
    const int expected[18] = {6, 5, 7, 8, 2, 11, 13, 15, 9, 4, 1, 10, 3, 12, 14, 16, 17, 18};
    for (int i = 1; i <= 18; ++i) EXPECT_EQ(DisplayPosition(i), expected[i - 1]) << i;
    EXPECT_EQ(DisplayPosition(0), 0);
    EXPECT_EQ(DisplayPosition(19), 0);
}

TEST_F(CatalogueIndex, TypeReadFromRecord51) {
    WriteBytes("VENTILEN.rdm", DataFile("1"));
    const std::string before = ReadBytes("VENTILEN.rdm");
    EXPECT_EQ(CatalogueType("VENTILEXTRA"), 1) << "only the first 7 characters name the files";
    EXPECT_EQ(ReadBytes("VENTILEN.rdm"), before) << "a typed catalogue is not rewritten";
}

TEST_F(CatalogueIndex, UntypedCatalogueIsTypedFromItsKeyAndRecord51Written) {
    struct Row {
        const char* key;
        int type;
    };
    const Row rows[] = {{"VERDIvd", 3}, {"KATEX", 1},   {"ABCKP", 2},   {"XYZKD", 4}, {"MAGNEmv", 7},
                        {"kaelte1", 5}, {"KAELTVD", 3}, {"ROHRE01", 0}, {"V", 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        const std::string file = std::string(row.key) + "N.rdm";
        WriteBytes(file, DataFile("0  old text"));
        EXPECT_EQ(CatalogueType(row.key), row.type);
        std::string field = std::to_string(row.type);
        field.resize(40, ' ');
        EXPECT_EQ(Record51(file).substr(0, 40), field);
        EXPECT_EQ(Record51(file).substr(40), std::string(530, ' ')) << "the rest of the record is kept";
        EXPECT_EQ(ReadBytes(file).substr(0, 6), "item 1") << "other records are untouched";
    }
}

TEST_F(CatalogueIndex, TypingReplacesTheDataFileWholeAndKeepsItsPermissions) {
    namespace fs = std::filesystem;
    WriteBytes("VERDIvdN.rdm", DataFile("0"));
    fs::permissions("VERDIvdN.rdm", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_hard_link("VERDIvdN.rdm", "old-data");
    EXPECT_EQ(CatalogueType("VERDIvd"), 3);
    EXPECT_EQ(ReadBytes("old-data"), DataFile("0")) << "not written in place: a kill midway tears nothing";
    EXPECT_EQ(Record51("VERDIvdN.rdm").substr(0, 1), "3");
    if (test::kPosixSystem) {
        EXPECT_EQ(fs::status("VERDIvdN.rdm").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 2) << "no temporary";
}

TEST_F(CatalogueIndex, KeysLeadingOutOfTheProgramDirectoryAreSkipped) {
    TERVALO_SKIP_UNLESS_POSIX("symbolic links need a privilege");
    namespace fs = std::filesystem;
    fs::create_directory("prog");
    fs::current_path("prog");
    WriteBytes("../outVDN.rdm", DataFile("0"));
    fs::create_directory_symlink("..", "up");
    for (const char* key : {"../outVD", "up/outVD", "/tmp/VD"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(CatalogueType(key), 0);
    }
    EXPECT_EQ(ReadBytes("../outVDN.rdm"), DataFile("0")) << "not typed, not rewritten";
    WriteBytes("katalg.lst", "\"../outVD\",\"outside\"\r\n\"up/outVD\",\"link\"\r\n");
    EXPECT_FALSE(BuildRefrigerantList("R22")) << "no entry names a catalogue of the program";
    EXPECT_FALSE(fs::exists("R22.LST"));
    fs::current_path("..");
}

TEST_F(CatalogueIndex, MissingOrShortDataFiles) {
    EXPECT_EQ(CatalogueType("KOMPRVD"), 0) << "a missing data file gives type 0";
    EXPECT_FALSE(std::filesystem::exists("KOMPRVDN.rdm")) << "and is not created";

    WriteBytes("KURZ_VDN.rdm", DataFile("", 3));
    EXPECT_EQ(CatalogueType("KURZ_VD"), 3);
    const std::string grown = ReadBytes("KURZ_VDN.rdm");
    ASSERT_EQ(grown.size(), 51u * 570);
    EXPECT_EQ(grown.substr(50 * 570, 1), "3");
    EXPECT_EQ(grown.substr(3 * 570, 570), std::string(570, ' '));
}

TEST_F(CatalogueIndex, RefrigerantListNamesTheFirstUntypedCatalogue) {
    WriteBytes("katalg.lst",
               "\"VENTIEX\",\"Expansion valves\"\r\n\"VERDIVD\",\"Compressors\"\r\n"
               "\"ROHRZUBEHOER\",\"Pipes\"\r\n\"LATERKP\",\"never reached\"\r\n");
    WriteBytes("VENTIEXN.rdm", DataFile("1"));
    WriteBytes("VERDIVDN.rdm", DataFile("0"));
    WriteBytes("ROHRZUBN.rdm", DataFile(""));
    const std::string dosTitle(
        "Au\xE1"
        "en-\x84"
        "u\xE1"
        "erst \"A\" \xF8"
        "C\0",
        21);
    WriteBytes("ROHRZUBI.rdm", IndexFile(dosTitle));
    WriteBytes("LATERKPN.rdm", DataFile("0"));

    ASSERT_TRUE(BuildRefrigerantList("R22"));
    EXPECT_EQ(Record51("VERDIVDN.rdm").substr(0, 1), "3");
    EXPECT_EQ(Record51("LATERKPN.rdm").substr(0, 1), "0") << "the scan stops at the untyped catalogue";

    const auto fields = Fields(ReadBytes("R22.LST"));
    ASSERT_EQ(fields.size(), 54u);
    // The record's blank padding stays; its NUL is dropped and each double quote becomes two single quotes.
    const std::string title1 =
        "Au\xDF"
        "en-\xE4"
        "u\xDF"
        "erst ''A'' \xB0"
        "C" +
        std::string(128 - 21, ' ');
    for (int i = 1; i <= 18; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(fields[static_cast<std::size_t>(3 * (i - 1))], "ROHRZUBN.rdm");
        EXPECT_EQ(fields[static_cast<std::size_t>(3 * (i - 1) + 2)], std::to_string((i - 1) * 66 + 2));
    }
    EXPECT_EQ(fields[3 * 5 + 1], title1) << "storage record 1 is title number 6";
    EXPECT_EQ(fields[0 * 3 + 1].substr(0, 8), "title 11") << "title number 1 comes from storage record 11";
    EXPECT_EQ(fields[17 * 3 + 1].substr(0, 8), "title 18");
}

TEST_F(CatalogueIndex, ExistingListFileIsLeftUntouched) {
    WriteBytes("katalg.lst", "\"ROHRZUB\",\"Pipes\"\r\n");
    WriteBytes("ROHRZUBN.rdm", DataFile(""));
    WriteBytes("r22.lst", "\"kept\"\r\n");
    EXPECT_FALSE(BuildRefrigerantList("R22"));
    EXPECT_EQ(ReadBytes("r22.lst"), "\"kept\"\r\n");

    WriteBytes("r22.lst", "");
    EXPECT_TRUE(BuildRefrigerantList("R22")) << "an empty list file is written again";
    EXPECT_EQ(Fields(ReadBytes("r22.lst")).size(), 54u);
}

TEST_F(CatalogueIndex, NoListFileWhenEveryCatalogueHasAType) {
    WriteBytes("katalg.lst", "\"VENTIEX\",\"Expansion valves\"\r\n\"VERDIVD\"");
    WriteBytes("VENTIEXN.rdm", DataFile("1"));
    WriteBytes("VERDIVDN.rdm", DataFile("0"));
    EXPECT_FALSE(BuildRefrigerantList("R22"));
    EXPECT_FALSE(std::filesystem::exists("R22.LST"));
    std::filesystem::remove("katalg.lst");
    EXPECT_FALSE(BuildRefrigerantList("R22"));
    EXPECT_FALSE(std::filesystem::exists("R22.LST"));
}

TEST_F(CatalogueIndex, MissingIndexFileGivesEmptyTitles) {
    WriteBytes("katalg.lst", "\"\",\"empty key\"\r\n\"ROHRZUB\",\"Pipes\"\r\n");
    WriteBytes("ROHRZUBN.rdm", DataFile(""));
    ASSERT_TRUE(BuildRefrigerantList("R22"));
    const auto fields = Fields(ReadBytes("R22.LST"));
    ASSERT_EQ(fields.size(), 54u);
    EXPECT_EQ(fields[0], "ROHRZUBN.rdm") << "an entry without key names no catalogue";
    EXPECT_EQ(fields[1], "");
}

TEST_F(CatalogueIndex, DosTextConversion) {
    EXPECT_EQ(DosToWindowsText("K\x84lte \x81"
                               "ber \xE1"),
              "K\xE4lte \xFC"
              "ber \xDF");
    EXPECT_EQ(DosToWindowsText(std::string("a\0b\"c", 5)), "ab''c");
}

}  // namespace
}  // namespace tervalo

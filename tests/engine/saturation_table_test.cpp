// Reading saturation-table files: the record layout, the conversions keyed on the file name, damaged files
// and loads that follow every change of the file.

#include "engine/saturation_table.h"

#include <gtest/gtest.h>

#include <array>
#include <clocale>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "engine/file_access.h"
#include "engine/refrigerant_registry.h"
#include "engine/text_record.h"
#include "saturation_records.h"
#include "support/system_traits.h"

namespace tervalo {
namespace {

using test::ScopedTempDir;
using test::TableText;
using test::WriteBytes;
using test::WriteSettledFile;

SaturationTable Parsed(std::string_view bytes, std::string_view file) {
    SaturationTable table;
    EXPECT_EQ(ParseSaturationTable(bytes, file, table), EngineStatus::Ok);
    return table;
}

TEST(SaturationTableParse, FieldsAcrossLinesAndBlanks) {
    const auto table =
        Parsed(" 250 , 1.5,1.5 \r\n150,380.25\n1300,  8.5\r\n251,1.6,1.7,151,381,1299,8.75", "R22.DAT");
    ASSERT_EQ(table.records.size(), 2u);
    EXPECT_EQ(table.records[0], (SaturationRecord{250, 1.5, 1.5, 150, 380.25, 1300, 8.5}));
    EXPECT_EQ(table.records[1], (SaturationRecord{251, 1.6, 1.7, 151, 381, 1299, 8.75}));
}

TEST(SaturationTableParse, TrailingLineEndsAndEndMarkAreNoRecord) {
    const auto table = Parsed("250,1,1,150,380,1300,8\r\n\r\n  \r\n\x1a", "R22.DAT");
    EXPECT_EQ(table.records.size(), 1u);
}

TEST(SaturationTableParse, PointIsTheDecimalSeparator) {
    // A comma is a field separator: "1,5" is two fields, and the record then spills over.
    SaturationTable table;
    EXPECT_EQ(ParseSaturationTable("250,1,5,1.5,150,380,1300,8", "R22.DAT", table),
              EngineStatus::DamagedTable);
}

TEST(SaturationTableParse, PointIsTheDecimalSeparatorWhateverTheLocale) {
    // A windowing toolkit sets the C locale from the user's environment; a German one uses a decimal comma.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    bool commaLocale = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German_Germany.1252"})
        if (std::setlocale(LC_NUMERIC, name)) {
            commaLocale = true;
            break;
        }
    TERVALO_SKIP_UNLESS(commaLocale, "no German locale installed");
    SaturationTable table;
    const EngineStatus status =
        ParseSaturationTable("250.5,1.25,1.25,150.5,380.75,1300.5,8.5", "R22.DAT", table);
    std::setlocale(LC_NUMERIC, previous.c_str());
    ASSERT_EQ(status, EngineStatus::Ok);
    EXPECT_EQ(table.records[0], (SaturationRecord{250.5, 1.25, 1.25, 150.5, 380.75, 1300.5, 8.5}));
}

struct ConversionRow {
    const char* file;
    SaturationRecord stored;
    SaturationRecord expected;
};

TEST(SaturationTableParse, ConversionsByFileName) {
    const SaturationRecord stored{250, 2, 2.5, 150, 380, 0.8, 40};
    const ConversionRow rows[] = {
        {"R22.DAT", stored, stored},
        {"R404A.DAT", stored, stored},
        {"R134A.DAT", stored, stored},
        {"R11.DAT", stored, {250, 2, 2.5, 150, 380, 1250, 25}},
        {"R12.DAT", stored, {250, 2, 2.5, 150, 380, 1250, 25}},
        {"R23.DAT", stored, {250, 2, 2.5, 150, 380, 1250, 25}},
        {"PROPAN.DAT", stored, {250, 2, 2.5, -150, -380, 1250, 25}},
        {"PROPYLEN.DAT", stored, {250, 2, 2.5, -150, -380, 1250, 25}},
        {"R123.DAT", {-23.15, 2, 2.5, 150, 380, 0.8, 40}, {-23.15 + 273.15, 2, 2.5, 150, 380, 0.8, 40}},
        // The name as the catalogue spells it: another spelling is another file.
        {"propan.dat", stored, stored},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const auto table = Parsed(TableText({row.stored}), row.file);
        ASSERT_EQ(table.records.size(), 1u);
        EXPECT_EQ(table.records[0], row.expected);
    }
}

TEST(SaturationTableParse, AmmoniaTurnsTheSignOfTheFirstEightLiquidEnthalpiesOnly) {
    std::vector<SaturationRecord> stored;
    for (int i = 1; i <= 10; ++i) stored.push_back({200.0 + i, 1, 1, 10.0 * i, 1400, 1.25, 500});
    const auto table = Parsed(TableText(stored), "AMMONIAK.DAT");
    ASSERT_EQ(table.records.size(), 10u);
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(table.records[i - 1].hLiquid, i <= 8 ? -10.0 * i : 10.0 * i);
        EXPECT_EQ(table.records[i - 1].hVapour, 1400);
        EXPECT_EQ(table.records[i - 1].rhoLiquid, 800);
        EXPECT_EQ(table.records[i - 1].rhoVapour, 2);
    }
}

struct DamagedRow {
    const char* name;
    const char* file;
    std::string bytes;
};

TEST(SaturationTableParse, DamagedTables) {
    const DamagedRow rows[] = {
        {"empty", "R22.DAT", ""},
        {"only blanks", "R22.DAT", " \r\n \r\n"},
        {"last record cut", "R22.DAT", "250,1,1,150,380,1300,8\r\n251,1,1,150,380"},
        {"one field", "R22.DAT", "250"},
        {"zero specific volume", "R11.DAT", "250,1,1,150,380,0,8"},
        {"vanishing specific volume", "R12.DAT", "250,1,1,150,380,1e-320,8"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SaturationTable table;
        EXPECT_EQ(ParseSaturationTable(row.bytes, row.file, table), EngineStatus::DamagedTable);
    }
}

TEST(SaturationTableParse, NumbersTheReaderCannotTakeReadAsZero) {
    // Not-a-number, infinite and overflowing texts give 0 like any text without a number; no NaN gets in.
    const auto table = Parsed("nan,inf,1e999,-inf,abc,\"7\",1.5e3", "R22.DAT");
    ASSERT_EQ(table.records.size(), 1u);
    EXPECT_EQ(table.records[0], (SaturationRecord{0, 0, 0, 0, 0, 7, 1500}));
}

TEST(SaturationTableParse, BinaryBytesDoNotCrash) {
    std::string bytes;
    for (int i = 0; i < 4096; ++i) bytes.push_back(static_cast<char>((i * 7919) & 0xFF));
    SaturationTable table;
    const EngineStatus status = ParseSaturationTable(bytes, "R22.DAT", table);
    EXPECT_TRUE(status == EngineStatus::Ok || status == EngineStatus::DamagedTable);
}

TEST(SaturationTableFile, LoadFindsTheFileWithoutRegardToCase) {
    ScopedTempDir dir;
    WriteBytes("ac9000.dat", "250,1,1,150,380,1300,8");
    const auto load = LoadSaturationTable("Ac9000.DAT");
    ASSERT_EQ(load.status, EngineStatus::Ok);
    EXPECT_EQ(load.table->records.size(), 1u);
}

TEST(SaturationTableFile, LoadReportsMissingAndUnreadableFiles) {
    ScopedTempDir dir;
    EXPECT_EQ(LoadSaturationTable("R22.DAT").status, EngineStatus::MissingTable);
    std::filesystem::create_directory("R12.DAT");
    EXPECT_EQ(LoadSaturationTable("R12.DAT").status, EngineStatus::MissingTable);
    EXPECT_EQ(LoadSaturationTable("").status, EngineStatus::MissingTable);
    WriteBytes("R13.DAT", "250,1,1");
    EXPECT_EQ(LoadSaturationTable("R13.DAT").status, EngineStatus::DamagedTable);
}

TEST(SaturationTableFile, HugeFileIsRefused) {
    ScopedTempDir dir;
    {
        std::ofstream out("R22.DAT", std::ios::binary);
        out.seekp(static_cast<std::streamoff>(kSaturationTableByteLimit) + 1);
        out.put('\n');
    }
    EXPECT_EQ(LoadSaturationTable("R22.DAT").status, EngineStatus::MissingTable);
}

TEST(SaturationTableFile, EveryLoadReadsTheFileAsItStandsNow) {
    ScopedTempDir dir;
    WriteSettledFile("R22.DAT", "250,1,1,150,380,1300,8");
    ASSERT_EQ(LoadSaturationTable("R22.DAT").status, EngineStatus::Ok);

    // Same size, other numbers.
    WriteBytes("R22.DAT", "251,1,1,150,380,1300,8");
    const auto edited = LoadSaturationTable("R22.DAT");
    ASSERT_EQ(edited.status, EngineStatus::Ok);
    EXPECT_EQ(edited.table->records[0].t, 251);

    // Replaced by another file with the old modification time.
    WriteSettledFile("other", "252,1,1,150,380,1300,8");
    std::filesystem::last_write_time("other", std::filesystem::last_write_time("R22.DAT"));
    std::filesystem::rename("other", "R22.DAT");
    EXPECT_EQ(LoadSaturationTable("R22.DAT").table->records[0].t, 252);

    std::filesystem::remove("R22.DAT");
    EXPECT_EQ(LoadSaturationTable("R22.DAT").status, EngineStatus::MissingTable);
}

TEST(SaturationTableFile, FreshlyWrittenFileIsReadAtEveryLoad) {
    ScopedTempDir dir;
    WriteBytes("R22.DAT", "250,1,1,150,380,1300,8");
    const auto first = LoadSaturationTable("R22.DAT");
    WriteBytes("R22.DAT", "260,1,1,150,380,1300,8");  // within the same clock tick, perhaps
    EXPECT_EQ(LoadSaturationTable("R22.DAT").table->records[0].t, 260);
}

TEST(SaturationTableFile, LoadFollowsTheCurrentDirectory) {
    ScopedTempDir first;
    WriteSettledFile("R22.DAT", "250,1,1,150,380,1300,8");
    ASSERT_EQ(LoadSaturationTable("R22.DAT").table->records[0].t, 250);
    {
        ScopedTempDir second;
        WriteSettledFile("R22.DAT", "260,1,1,150,380,1300,8");
        EXPECT_EQ(LoadSaturationTable("R22.DAT").table->records[0].t, 260);
    }
    EXPECT_EQ(LoadSaturationTable("R22.DAT").table->records[0].t, 250);
}

// The reference of the table parser: the fields read one after another by the text-record reader, seven to a
// record, from the bytes without their trailing blanks, line ends and end mark (a file of no conversion).
EngineStatus ReadThroughTextRecords(std::string_view bytes, std::vector<SaturationRecord>& records) {
    while (!bytes.empty() && std::string_view(" \t\r\n\x1a").find(bytes.back()) != std::string_view::npos)
        bytes.remove_suffix(1);
    TextRecordReader reader(bytes);
    while (!reader.AtEnd()) {
        std::array<double, 7> f{};
        for (double& field : f)
            if (!reader.ReadDouble(field)) return EngineStatus::DamagedTable;
        records.push_back({f[0], f[1], f[2], f[3], f[4], f[5], f[6]});
    }
    return records.empty() ? EngineStatus::DamagedTable : EngineStatus::Ok;
}

// The same records bit for bit (a NaN compares as itself), or the same failure.
void ExpectParsedAsTheReaderReads(std::string_view bytes) {
    std::vector<SaturationRecord> expected;
    const EngineStatus expectedStatus = ReadThroughTextRecords(bytes, expected);
    SaturationTable table;
    ASSERT_EQ(ParseSaturationTable(bytes, "PLAIN.DAT", table), expectedStatus);
    if (expectedStatus != EngineStatus::Ok) return;
    ASSERT_EQ(table.records.size(), expected.size());
    EXPECT_EQ(std::memcmp(table.records.data(), expected.data(), expected.size() * sizeof expected[0]), 0);
}

// Files put together from the pieces the reader treats in a special way: quotes, blanks around and inside
// fields, each form of line end, empty fields, prefixed and exponent numbers, the end mark and NUL bytes.
TEST(SaturationTableParse, ScannerReadsEveryFileAsTheTextRecordReaderDoes) {
    const std::array<std::string_view, 30> pieces{
        "250",    "-1.5",  "+3",    ".5",       "1e3",
        "2.5D-2", "&H1F",  "&O17",  "12abc",    "1 2",
        "- 4",    "1e999", "\"7\"", "\"8,9\"x", "\"",
        ",",      ",",     ",",     "\r\n",     "\n",
        "\r",     " ",     "\t",    "\x1a",     std::string_view("\0", 1),
        "E5",     "0x10",  "-",     ",,",       "\r\r\n"};
    std::mt19937 random(27);
    std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1);
    for (int trial = 0; trial < 4000; ++trial) {
        std::string bytes;
        const int count = std::uniform_int_distribution<int>(1, 60)(random);
        for (int i = 0; i < count; ++i) bytes += pieces[piece(random)];
        SCOPED_TRACE(::testing::PrintToString(bytes));
        ExpectParsedAsTheReaderReads(bytes);
    }
}

TEST(SaturationTableParse, ScannerReadsTheGeneratedTablesAsTheTextRecordReaderDoes) {
    int read = 0;
    for (const RefrigerantRow& row : RefrigerantRegistry()) {
        const auto bytes = ReadFileBytes(std::filesystem::path(TERVALO_DIST_DIR) / row.tableFile, 1u << 24);
        if (!bytes) continue;
        SCOPED_TRACE(row.tableFile);
        ExpectParsedAsTheReaderReads(*bytes);
        ++read;
    }
    if (read == 0) GTEST_SKIP() << "no generated table in " << TERVALO_DIST_DIR;
}

}  // namespace
}  // namespace tervalo

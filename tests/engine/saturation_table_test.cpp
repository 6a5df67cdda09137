// Reading saturation-table files: the record layout, the conversions keyed on the file name, damaged files
// and loads that follow every change of the file.

#include "engine/saturation_table.h"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <string>

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

}  // namespace
}  // namespace tervalo

// The generated saturation table files: their text form, each file's layout as the program converts it back
// after reading, the temperature ranges, physical consistency of every table, and the files staged in the
// program directory.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "data/tools/eos/fluids.h"
#include "data/tools/eos/published_check.h"
#include "data/tools/eos/table_file.h"

namespace tervalo::eos {
namespace {

using Record = std::vector<double>;  // the seven fields of one record

// Splits the bytes of a table into records, requiring comma-separated fields and CR LF after every record.
std::vector<Record> ParseTable(const std::string& bytes) {
    std::vector<Record> records;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "record without CR LF at byte " << start;
            break;
        }
        const std::string line = bytes.substr(start, end - start);
        EXPECT_EQ(line.find_first_not_of("0123456789.,-"), std::string::npos) << line;
        Record record;
        std::stringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');)
            record.push_back(std::strtod(field.c_str(), nullptr));
        EXPECT_EQ(record.size(), 7u) << line;
        records.push_back(record);
        start = end + 2;
    }
    return records;
}

// The program's conversion after reading, keyed on the file name: specific volumes become densities, stored
// signs are undone, °C become K.
void ConvertAsTheProgramDoes(const std::string& fileName, std::vector<Record>& records) {
    const bool volumes = fileName == "R11.DAT" || fileName == "R12.DAT" || fileName == "R23.DAT" ||
                         fileName == "AMMONIAK.DAT" || fileName == "PROPAN.DAT" || fileName == "PROPYLEN.DAT";
    for (std::size_t i = 0; i < records.size(); ++i) {
        Record& r = records[i];
        if (fileName == "AMMONIAK.DAT" && i < 8) r[3] = -r[3];
        if (fileName == "PROPAN.DAT" || fileName == "PROPYLEN.DAT") {
            r[3] = -r[3];
            r[4] = -r[4];
        }
        if (volumes) {
            r[5] = 1000 / r[5];
            r[6] = 1000 / r[6];
        }
        if (fileName == "R123.DAT") r[0] += 273.15;
    }
}

// The computed records of a table, generated once per test run.
const std::vector<SaturationPoint>& Computed(const TablePlan& plan) {
    static std::map<std::string_view, std::vector<SaturationPoint>> cache;
    auto found = cache.find(plan.fileName);
    if (found == cache.end()) found = cache.emplace(plan.fileName, TableRecords(plan).value()).first;
    return found->second;
}

std::vector<Record> TrueRecords(const TablePlan& plan) {
    std::vector<Record> records = ParseTable(EncodeTable(Computed(plan), plan.layout));
    ConvertAsTheProgramDoes(std::string(plan.fileName), records);
    return records;
}

enum Field { kT, kPDew, kPBubble, kHLiquid, kHVapour, kRhoLiquid, kRhoVapour };

TEST(SaturationTableFile, LayoutConvertsBackToTheComputedStates) {
    for (const TablePlan& plan : TablePlans()) {
        SCOPED_TRACE(std::string(plan.fileName));
        const std::vector<SaturationPoint>& computed = Computed(plan);
        const std::vector<Record> records = TrueRecords(plan);
        ASSERT_EQ(records.size(), computed.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            const SaturationPoint& c = computed[i];
            const double expected[] = {c.temperature, c.pDew,      c.pBubble,  c.hLiquid,
                                       c.hVapour,     c.rhoLiquid, c.rhoVapour};
            for (int f = 0; f < 7; ++f)
                EXPECT_NEAR(records[i][f], expected[f], 2e-8 * std::abs(expected[f]) + 1e-9)
                    << "record " << i + 1;
        }
    }
}

TEST(SaturationTableFile, AmmoniaStoresTheFirstEightLiquidEnthalpiesWithTheOppositeSign) {
    const TablePlan& plan = *FindTablePlan("AMMONIAK.DAT");
    const std::vector<Record> stored = ParseTable(EncodeTable(Computed(plan), plan.layout));
    const std::vector<SaturationPoint>& computed = Computed(plan);
    EXPECT_NEAR(stored[7][kHLiquid], -computed[7].hLiquid, 1e-6);  // record 8
    EXPECT_NEAR(stored[8][kHLiquid], computed[8].hLiquid, 1e-6);   // record 9
    // After the program's conversion the liquid enthalpy runs on smoothly across records 8 and 9.
    const std::vector<Record> records = TrueRecords(plan);
    const double before = records[7][kHLiquid] - records[6][kHLiquid];
    const double across = records[8][kHLiquid] - records[7][kHLiquid];
    EXPECT_NEAR(across, before, 0.05);
    EXPECT_LT(records[0][kHLiquid], 0);  // the IIR state puts ammonia's cold liquid below zero
}

TEST(SaturationTableFile, NumbersAndTemperatures) {
    const struct {
        double value;
        int digits;
        const char* text;
    } rows[] = {
        {4.979878921, 9, "4.97987892"},
        {1281.515901, 9, "1281.51590"},
        {0.0000066123456789, 9, "0.00000661234568"},
        {-439.7113704, 9, "-439.711370"},
        {200.0, 9, "200.000000"},
        {99999.99999, 9, "100000.000"},
        {-0.0000000001, 3, "-0.000000000100"},
    };
    for (const auto& row : rows) EXPECT_EQ(FormatSignificant(row.value, row.digits), row.text);

    // Records stand on whole degrees Celsius, written with two decimals; R123 keeps °C.
    const std::string r22 = EncodeTable(Computed(*FindTablePlan("R22.DAT")), StoredLayout{});
    EXPECT_EQ(r22.substr(0, 7), "183.15,");
    const TablePlan& r123 = *FindTablePlan("R123.DAT");
    EXPECT_EQ(EncodeTable(Computed(r123), r123.layout).substr(0, 7), "-90.00,");
}

TEST(SaturationTableFile, RangesCoverTheApplicationLimits) {
    // first record (°C) at or below, last record at or above; the equation's own limits where they are
    // closer.
    const struct {
        const char* file;
        int first, last;
    } rows[] = {
        {"R22.DAT", -90, 95},     {"R11.DAT", -60, 197},      {"R12.DAT", -90, 111},
        {"R13.DAT", -120, 28},    {"R14.DAT", -153, -47},     {"R23.DAT", -145, 25},
        {"PROPAN.DAT", -115, 96}, {"PROPYLEN.DAT", -115, 90}, {"R600A.DAT", -70, 134},
        {"R152A.DAT", -80, 112},  {"R134A.DAT", -90, 100},    {"AMMONIAK.DAT", -77, 131},
        {"R507.DAT", -73, 70},    {"R123.DAT", -90, 183},     {"R404A.DAT", -73, 71},
        {"R410A.DAT", -73, 70},   {"R407C.DAT", -73, 85},     {"R124.DAT", -40, 121},
        {"R227.DAT", -50, 101},   {"CO2.DAT", -56, 30},
    };
    ASSERT_EQ(std::size(rows), TablePlans().size());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const TablePlan* plan = FindTablePlan(row.file);
        ASSERT_NE(plan, nullptr);
        const TableRange range = TableTemperatureRange(*plan);
        EXPECT_EQ(range.firstCelsius, row.first);
        EXPECT_EQ(range.lastCelsius, row.last);
        EXPECT_LT(range.lastCelsius + 273.15, plan->fluid().criticalTemperature - 0.5);
        EXPECT_GT(range.firstCelsius + 273.15, plan->fluid().triplePointTemperature);
    }
    EXPECT_EQ(FindTablePlan("R22"), nullptr);
    EXPECT_EQ(FindTablePlan("r22.dat"), nullptr);
}

// Every table after the program's conversion: temperatures in steps of 1 K, pressures rising, liquid denser
// than vapour, a positive latent heat that falls toward the critical point, the vapour enthalpy rising up to
// its single maximum, and the IIR reference state at 0 °C.
TEST(SaturationTableFile, EveryTableIsPhysicallyConsistent) {
    for (const TablePlan& plan : TablePlans()) {
        SCOPED_TRACE(std::string(plan.fileName));
        const std::vector<Record> r = TrueRecords(plan);
        ASSERT_GT(r.size(), 50u);
        bool pastVapourMaximum = false;
        for (std::size_t i = 0; i < r.size(); ++i) {
            EXPECT_GT(r[i][kPDew], 0);
            EXPECT_GE(r[i][kPBubble], r[i][kPDew]);
            EXPECT_GT(r[i][kRhoLiquid], r[i][kRhoVapour]);
            EXPECT_GT(r[i][kHVapour], r[i][kHLiquid]);
            if (i == 0) continue;
            const Record& p = r[i - 1];
            EXPECT_NEAR(r[i][kT] - p[kT], 1.0, 1e-9);
            EXPECT_GT(r[i][kPDew], p[kPDew]);
            EXPECT_GT(r[i][kPBubble], p[kPBubble]);
            EXPECT_GT(r[i][kHLiquid], p[kHLiquid]);
            EXPECT_LT(r[i][kRhoLiquid], p[kRhoLiquid]);
            EXPECT_GT(r[i][kRhoVapour], p[kRhoVapour]);
            EXPECT_LT(r[i][kHVapour] - r[i][kHLiquid], p[kHVapour] - p[kHLiquid]);
            if (r[i][kHVapour] < p[kHVapour]) {
                pastVapourMaximum = true;
            } else {
                EXPECT_FALSE(pastVapourMaximum) << "vapour enthalpy rises again at " << r[i][kT];
            }
        }
        // Toward the critical point the latent heat shrinks to a small part of its value at the coldest
        // record.
        const double coldLatent = r.front()[kHVapour] - r.front()[kHLiquid];
        const double hotLatent = r.back()[kHVapour] - r.back()[kHLiquid];
        EXPECT_LT(hotLatent, 0.35 * coldLatent);
        for (const Record& record : r)
            if (std::abs(record[kT] - 273.15) < 1e-6) {
                EXPECT_NEAR(record[kHLiquid], 200.0, 1e-6);
            }
    }
}

// The record at 0 °C of each file, read back and converted, reproduces the published state to the digits the
// file holds.
TEST(SaturationTableFile, RecordAt0CRoundTripsThePublishedState) {
    int checked = 0;
    for (const TablePlan& plan : TablePlans()) {
        const FluidData& fluid = plan.fluid();
        if (!fluid.published0C) continue;
        SCOPED_TRACE(std::string(plan.fileName));
        for (const Record& record : TrueRecords(plan)) {
            if (std::abs(record[kT] - 273.15) > 1e-6) continue;
            const PublishedValues& published = *fluid.published0C;
            const std::string_view printed[] = {published.pDewBar, published.pBubbleBar, published.hLiquid,
                                                published.hVapour, published.rhoLiquid,  published.rhoVapour};
            for (int f = kPDew; f <= kRhoVapour; ++f) {
                const PrintedNumber expected = ParsePrintedNumber(printed[f - 1]);
                EXPECT_NEAR(record[f], expected.value,
                            expected.lastDigitUnit + 1e-8 * std::abs(expected.value))
                    << "field " << f + 1;
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 16);
}

TEST(SaturationTableFile, R22AgreesWithHandbookValues) {
    const std::vector<Record> r = TrueRecords(*FindTablePlan("R22.DAT"));
    const auto at = [&](int celsius) { return r.at(static_cast<std::size_t>(celsius + 90)); };
    EXPECT_NEAR(at(-60)[kT], 213.15, 1e-9);
    // Normal boiling point -40.81 °C by linear interpolation between the records of -41 and -40 °C.
    const double fraction = (1.01325 - at(-41)[kPDew]) / (at(-40)[kPDew] - at(-41)[kPDew]);
    EXPECT_NEAR(-41 + fraction, -40.81, 0.01);
    // Handbook values at 40 °C (IIR reference state), to the handbook's precision: the liquid enthalpy away
    // from 0 °C rests on the ideal-gas part of the equation, which the values at 0 °C do not test.
    EXPECT_NEAR(at(40)[kPDew], 15.34, 0.02);
    EXPECT_NEAR(at(40)[kHLiquid], 249.7, 0.2);
    EXPECT_NEAR(at(40)[kRhoLiquid], 1128.5, 0.5);
}

// The files staged in the program directory are exactly what the generator makes now.
TEST(SaturationTableFile, StagedFilesMatchTheGenerator) {
    for (const TablePlan& plan : TablePlans()) {
        SCOPED_TRACE(std::string(plan.fileName));
        const std::filesystem::path path = std::filesystem::path(TERVALO_DIST_DIR) / plan.fileName;
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << path;
        std::stringstream staged;
        staged << in.rdbuf();
        EXPECT_TRUE(staged.str() == EncodeTable(Computed(plan), plan.layout));
    }
}

}  // namespace
}  // namespace tervalo::eos

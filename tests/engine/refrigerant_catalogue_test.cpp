// The refrigerant catalogue: accepted names and their table files, and the application limits.

#include "engine/refrigerant_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine_test_support.h"

namespace tervalo {
namespace {

using test::EngineTest;

struct NameRow {
    const char* name;
    const char* tableFile;
};

// Every accepted name, aliases included, with its file.
constexpr NameRow kNames[] = {
    {"R11", "R11.DAT"},           {"R12", "R12.DAT"},           {"R13", "R13.DAT"},
    {"R13B1", "R13B1.DAT"},       {"R14", "R14.DAT"},           {"R22", "R22.DAT"},
    {"R23", "R23.DAT"},           {"R502", "R502.DAT"},         {"PROPAN", "PROPAN.DAT"},
    {"R290", "PROPAN.DAT"},       {"PROPYLEN", "PROPYLEN.DAT"}, {"R1270", "PROPYLEN.DAT"},
    {"R600A", "R600A.DAT"},       {"R152A", "R152A.DAT"},       {"R134A", "R134A.DAT"},
    {"AMMONIAK", "AMMONIAK.DAT"}, {"R717", "AMMONIAK.DAT"},     {"R723", "R723.DAT"},
    {"R507", "R507.DAT"},         {"R123", "R123.DAT"},         {"R401A", "R401A.DAT"},
    {"R401B", "R401B.DAT"},       {"R402A", "R402A.DAT"},       {"R402B", "R402B.DAT"},
    {"R404A", "R404A.DAT"},       {"R408A", "R408A.DAT"},       {"R409A", "R409A.DAT"},
    {"R410A", "R410A.DAT"},       {"R413A", "R413A.DAT"},       {"ISC_49", "R413A.DAT"},
    {"R407A", "R407A.DAT"},       {"R407C", "R407C.DAT"},       {"AC9000", "Ac9000.DAT"},
    {"HX4", "HX4.DAT"},           {"R124", "R124.DAT"},         {"R227", "R227.DAT"},
    {"ISC_69L", "ISC_69L.DAT"},   {"R403B", "ISC_69L.DAT"},     {"ISC_59", "ISC_59.DAT"},
    {"R417A", "ISC_59.DAT"},      {"RS45", "RS45.DAT"},         {"ISC_29", "ISC_29.DAT"},
    {"R422D", "ISC_29.DAT"},      {"ISC_79", "ISC_79.DAT"},     {"R422A", "ISC_79.DAT"},
    {"FX_90", "FX_90.DAT"},       {"ISC_89", "ISC_89.DAT"},     {"CO2", "CO2.DAT"},
    {"R744", "CO2.DAT"},
};

TEST(RefrigerantCatalogue, EveryNameAndAliasNamesItsFile) {
    for (const auto& row : kNames) {
        SCOPED_TRACE(row.name);
        const auto file = RefrigerantTableFile(row.name);
        ASSERT_TRUE(file.has_value());
        EXPECT_EQ(*file, row.tableFile);
    }
    EXPECT_EQ(RefrigerantCatalogue().size(), 40u);
    std::set<std::string_view> files;
    for (const auto& entry : RefrigerantCatalogue()) files.insert(entry.tableFile);
    EXPECT_EQ(files.size(), 40u) << "forty separate files: R407C and AC9000 are not merged here";
}

// A name given twice in the registry would be shadowed by its first row without a word.
TEST(RefrigerantCatalogue, NoNameOrAliasStandsInTwoRows) {
    std::set<std::string_view> names;
    std::size_t accepted = 0;
    for (const RefrigerantRow& row : RefrigerantCatalogue())
        for (std::string_view name : {row.name, row.alias}) {
            if (name.empty()) continue;
            ++accepted;
            EXPECT_TRUE(names.insert(name).second) << name;
        }
    EXPECT_EQ(accepted, std::size(kNames));
}

TEST(RefrigerantCatalogue, NamesAreComparedExactly) {
    for (const char* name :
         {"r22", "R22 ", " R22", "propan", "Propan", "R290A", "R2", "", "co2", "R 22", "Ac9000"})
        EXPECT_FALSE(RefrigerantTableFile(name).has_value()) << '"' << name << '"';
    EXPECT_FALSE(RefrigerantTableFile(std::string("R22\0", 4)).has_value());
}

struct LimitsRow {
    const char* name;
    int tMin, tMax;
};

TEST_F(EngineTest, ApplicationLimitsOfEveryName) {
    // Every name of the limits table, the edge cases first.
    const LimitsRow rows[] = {
        {"R13", -90, 25},      {"R14", -140, -50},  {"CO2", -55, 20},    {"R744", -55, 20},
        {"R22", -60, 70},      {"R11", -30, 65},    {"R23", -115, 65},   {"PROPAN", -85, 70},
        {"R290", -85, 70},     {"R1270", -85, 65},  {"R600A", -40, 80},  {"R152A", -50, 70},
        {"R717", -80, 65},     {"R507", -90, 65},   {"AC9000", -50, 65}, {"R422D", -40, 65},
        {"R403B", -55, 65},    {"R407A", -45, 65},  {"R124", -10, 95},   {"R227", -20, 95},
        {"ISC_89", -60, 65},   {"R134A", -60, 70},  {"ISC_49", -40, 65}, {"R409A", -50, 65},
        {"RS45", -40, 65},     {"R12", -60, 70},    {"R13B1", -60, 65},  {"R502", -60, 65},
        {"R123", -60, 65},     {"R723", -60, 65},   {"R401A", -60, 65},  {"R401B", -60, 65},
        {"R402A", -60, 65},    {"R402B", -60, 65},  {"R404A", -60, 65},  {"PROPYLEN", -85, 65},
        {"AMMONIAK", -80, 65}, {"R408A", -50, 65},  {"R410A", -50, 65},  {"R407C", -50, 65},
        {"HX4", -50, 65},      {"R413A", -40, 65},  {"ISC_59", -40, 65}, {"R417A", -40, 65},
        {"ISC_79", -40, 65},   {"ISC_29", -40, 65}, {"FX_90", -40, 65},  {"R422A", -40, 65},
        {"ISC_69L", -55, 65},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RefrigerantName = row.name;
        RefreshApplicationLimits();
        EXPECT_EQ(ApplicationLimits.tMin, row.tMin);
        EXPECT_EQ(ApplicationLimits.tMax, row.tMax);
    }
}

TEST_F(EngineTest, EveryCatalogueNameHasLimits) {
    for (const auto& row : kNames) EXPECT_TRUE(ApplicationLimitsOf(row.name).has_value()) << row.name;
}

TEST_F(EngineTest, NameOutsideTheLimitsTableKeepsTMinAndSetsTMaxTo65) {
    RefreshApplicationLimits();  // nothing chosen yet
    EXPECT_EQ(ApplicationLimits.tMin, 0);
    EXPECT_EQ(ApplicationLimits.tMax, 65);

    RefrigerantName = "R14";
    RefreshApplicationLimits();
    RefrigerantName = "r14";
    RefreshApplicationLimits();
    EXPECT_EQ(ApplicationLimits.tMin, -140);
    EXPECT_EQ(ApplicationLimits.tMax, 65);
}

}  // namespace
}  // namespace tervalo

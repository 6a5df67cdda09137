// The refrigerant catalogue: accepted names and their table files, and the application limits.

#include "engine/refrigerant_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/refrigerant_registry.h"

namespace tervalo {
namespace {

// Every accepted name of a row: the name and, where there is one, the alias.
std::vector<std::string_view> NamesOf(const RefrigerantRow& row) {
    std::vector<std::string_view> names{row.name};
    if (!row.alias.empty()) names.push_back(row.alias);
    return names;
}

// Every name and alias of the registry resolves to its own row: its file, its limits.
TEST(RefrigerantCatalogue, EveryNameAndAliasResolvesToItsRow) {
    for (const RefrigerantRow& row : RefrigerantRegistry())
        for (const std::string_view name : NamesOf(row)) {
            SCOPED_TRACE(name);
            EXPECT_EQ(FindRefrigerant(name), &row);
            EXPECT_EQ(RefrigerantTableFile(name), row.tableFile);
            EXPECT_EQ(ApplicationLimitsOf(name), row.limits);
            EXPECT_EQ(RefreshApplicationLimits(name, {-999, 999}), row.limits);
            EXPECT_EQ(FindRefrigerantByTableFile(row.tableFile), &row);
            EXPECT_LT(row.limits.tMin, row.limits.tMax);
        }
    EXPECT_EQ(RefrigerantCatalogue().size(), RefrigerantRegistry().size());
    EXPECT_EQ(RefrigerantCatalogue().size(), 40u);
    // Anchors that a change of the registry must keep: R22's limits and an alias's file.
    EXPECT_EQ(ApplicationLimitsOf("R22"), (TemperatureLimits{-60, 70}));
    EXPECT_EQ(RefrigerantTableFile("R744"), "CO2.DAT");
}

// A name given twice in the registry would be shadowed by its first row without a word; two rows on one file
// would read each other's table.
TEST(RefrigerantCatalogue, NoNameAliasOrFileStandsInTwoRows) {
    std::set<std::string_view> names, files;
    for (const RefrigerantRow& row : RefrigerantCatalogue()) {
        for (std::string_view name : NamesOf(row)) EXPECT_TRUE(names.insert(name).second) << name;
        EXPECT_TRUE(files.insert(row.tableFile).second) << row.tableFile << ": R407C and AC9000 stay apart";
    }
    EXPECT_EQ(names.size(), 49u);
}

TEST(RefrigerantCatalogue, NamesAreComparedExactly) {
    for (const char* name :
         {"r22", "R22 ", " R22", "propan", "Propan", "R290A", "R2", "", "co2", "R 22", "Ac9000"})
        EXPECT_FALSE(RefrigerantTableFile(name).has_value()) << '"' << name << '"';
    EXPECT_FALSE(RefrigerantTableFile(std::string("R22\0", 4)).has_value());
}

TEST(RefrigerantCatalogue, NameOutsideTheLimitsTableKeepsTMinAndSetsTMaxTo65) {
    EXPECT_EQ(RefreshApplicationLimits("", {}), (TemperatureLimits{0, 65})) << "nothing chosen yet";
    const TemperatureLimits r14 = RefreshApplicationLimits("R14", {});
    EXPECT_EQ(RefreshApplicationLimits("r14", r14), (TemperatureLimits{-140, 65}));
}

}  // namespace
}  // namespace tervalo

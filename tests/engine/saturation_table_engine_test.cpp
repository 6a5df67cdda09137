// The generated tables as the engine reads them: after the engine's own per-file conversions every record
// holds the true saturation state, and each table covers the operating range the catalogue allows for its
// refrigerant.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "data/tools/eos/fluids.h"
#include "data/tools/eos/table_file.h"
#include "engine/refrigerant_catalogue.h"
#include "engine/saturation_table.h"

namespace tervalo::eos {
namespace {

TEST(GeneratedTablesInTheEngine, ConversionsGiveTheTrueStates) {
    for (const TablePlan& plan : TablePlans()) {
        SCOPED_TRACE(std::string(plan.fileName));
        const std::vector<SaturationPoint> computed = TableRecords(plan).value();
        SaturationTable table;
        ASSERT_EQ(ParseSaturationTable(EncodeTable(computed, plan.layout), plan.fileName, table),
                  EngineStatus::Ok);
        ASSERT_EQ(table.records.size(), computed.size());
        for (std::size_t i = 0; i < computed.size(); ++i) {
            const SaturationRecord& read = table.records[i];
            const SaturationPoint& c = computed[i];
            const auto near = [](double a, double b) { return std::abs(a - b) <= 2e-8 * std::abs(b) + 1e-9; };
            EXPECT_TRUE(near(read.t, c.temperature) && near(read.pDew, c.pDew) &&
                        near(read.pBubble, c.pBubble) && near(read.hLiquid, c.hLiquid) &&
                        near(read.hVapour, c.hVapour) && near(read.rhoLiquid, c.rhoLiquid) &&
                        near(read.rhoVapour, c.rhoVapour))
                << "record " << i + 1 << " at " << c.temperature << " K";
            // A single substance must show equal pressures, or the cycle would take it for a blend with
            // glide.
            if (!plan.fluid().pseudoPure) {
                EXPECT_EQ(read.pDew, read.pBubble);
            }
        }
    }
}

// A registry row that names an equation the generator does not hold would lose its table.
TEST(GeneratedTablesInTheEngine, EveryEquationOfTheRegistryIsCompiledIn) {
    for (const RefrigerantRow& row : RefrigerantRegistry()) {
        if (row.equationOfState.empty()) continue;
        SCOPED_TRACE(std::string(row.name));
        const TablePlan* plan = FindTablePlan(row.tableFile);
        ASSERT_NE(plan, nullptr);
        EXPECT_EQ(plan->fluid().name, row.equationOfState);
    }
    EXPECT_EQ(FindFluid("R22 "), nullptr);
}

// The lowest evaporating temperature each table is planned from is the catalogue's TMin, and the table
// reaches from TMin up to TMax + 1 K (the cycle looks one kelvin above the condensing temperature), except
// where the triple point or the critical point of the fluid lies inside that range.
TEST(GeneratedTablesInTheEngine, TablesCoverTheApplicationLimits) {
    int covered = 0;
    for (const RefrigerantRow& entry : RefrigerantCatalogue()) {
        const TablePlan* plan = FindTablePlan(entry.tableFile);
        if (!plan) continue;
        SCOPED_TRACE(std::string(entry.name));
        ++covered;
        const std::optional<TemperatureLimits> limits = ApplicationLimitsOf(entry.name);
        ASSERT_TRUE(limits);
        EXPECT_EQ(plan->lowestEvaporatingTemperature, limits->tMin);
        const TableRange range = TableTemperatureRange(*plan);
        const FluidData& fluid = plan->fluid();
        if (limits->tMin + 273.15 > fluid.triplePointTemperature + 1) {
            EXPECT_LE(range.firstCelsius, limits->tMin);
        }
        if (limits->tMax + 1 + 273.15 < fluid.criticalTemperature - 1) {
            EXPECT_GE(range.lastCelsius, limits->tMax + 1);
        }
    }
    EXPECT_EQ(covered, 20);
}

}  // namespace
}  // namespace tervalo::eos

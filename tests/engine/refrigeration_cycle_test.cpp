// The refrigeration cycle on small tables whose columns are linear in temperature, so that every state point
// has a closed form.

#include "engine/refrigeration_cycle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "engine/compressor.h"
#include "saturation_records.h"

namespace tervalo {
namespace {

using test::LinearRecords;
using test::ScopedTempDir;
using test::TableLoadOf;
using test::TableText;
using test::WriteBytes;

// A run of the refrigerant on its table at t0 -5 °C, Tc 45 °C, suction gas 8 °C, from `previous`.
CycleRun RunAtExamplePoint(std::string_view refrigerant, const SaturationTableLoad& table,
                           const CycleStateRecord& previous = {}) {
    return RunRefrigerationCycle(refrigerant, table, {-5, 45, 8, 0, 0}, previous);
}

TEST(RefrigerationCycle, SingleSubstanceSkipsTheBlendStep) {
    const CycleRun run = RunAtExamplePoint("R22", TableLoadOf(LinearRecords()));
    ASSERT_EQ(run.status, EngineStatus::Ok);

    const CycleStateRecord& s = run.state;
    EXPECT_DOUBLE_EQ(s.TEvap, 268.15);
    EXPECT_DOUBLE_EQ(s.TCond, 318.15);
    EXPECT_NEAR(s.pEvap, 7.815, 1e-12);  // tabulated saturation pressures, no means
    EXPECT_NEAR(s.pCond, 12.815, 1e-12);
    EXPECT_NEAR(s.hVapourEvap, 398.5, 1e-12);
    EXPECT_NEAR(s.rhoVapourEvap, 7.315, 1e-12);
    EXPECT_NEAR(s.rhoSuction, 7.315 * 268.15 / 281.15, 1e-12);
    EXPECT_NEAR(s.hLiquidCond, 254, 1e-12);  // saturated liquid at TCond
    EXPECT_NEAR(s.hVapourCond, 413.5, 1e-12);
    EXPECT_NEAR(s.cpLiquid, 1.2, 1e-12);  // the slope of the liquid enthalpy
    EXPECT_NEAR(s.dpdTEvap, 0.1, 1e-12);
    EXPECT_NEAR(s.dpdTRatio, 1, 1e-10);
    // R22's correlations; the discharge temperature from the compressor model (evaluated separately).
    EXPECT_NEAR(s.cpVapourEvap, 0.656295714726155, 1e-12);
    EXPECT_NEAR(s.cpVapourSuction, 0.654274795360966, 1e-12);
    EXPECT_NEAR(s.CompressionExponent, 1.20839010147574, 1e-12);
    EXPECT_NEAR(s.cpVapourDischarge, 0.758374272696686, 1e-11);
    EXPECT_NEAR(DischargeTemperature(s.pEvap, s.pCond, 281.15, s.CompressionExponent, s), 306.848200684296,
                1e-9);
}

TEST(RefrigerationCycle, BlendWithGlideGetsMeanPressures) {
    const CycleRun run = RunAtExamplePoint("R407C", TableLoadOf(LinearRecords(0.5), "R407C.DAT"));
    ASSERT_EQ(run.status, EngineStatus::Ok);

    const CycleStateRecord& s = run.state;
    const double w = (144.5 / 204.5) / 2;  // half the liquid fraction after throttling from 254 kJ/kg
    EXPECT_NEAR(s.pEvap, 7.815 + 0.5 * w, 1e-12);
    EXPECT_NEAR(s.pCond, 12.815 + 0.25, 1e-12);
    const double tDew = s.pEvap / 0.1 + 190;  // dew temperature at the mean evaporating pressure
    EXPECT_NEAR(s.hVapourEvap, 400 + 0.3 * (tDew - 273.15), 1e-10);
    EXPECT_NEAR(s.rhoVapourEvap, 0.5 + 0.1 * (tDew - 200), 1e-10);
    EXPECT_NEAR(s.rhoSuction, s.rhoVapourEvap * 268.15 / 281.15, 1e-12);
    EXPECT_NEAR(s.hLiquidCond, 251, 1e-10);  // liquid at the bubble temperature of the mean pressure
    EXPECT_NEAR(s.hVapourCond, 413.5, 1e-12);
    EXPECT_NEAR(s.cpLiquid, 1.2, 1e-10);
    EXPECT_NEAR(s.dpdTEvap, 0.1, 1e-10);
    EXPECT_NEAR(s.dpdTRatio, 1, 1e-9);  // from the dew pressure at TCond, not the mean
    EXPECT_NEAR(s.CompressionExponent, 1.16807801620845, 1e-12);
    EXPECT_NEAR(s.cpVapourDischarge, 0.869584599171636, 1e-10);
}

TEST(RefrigerationCycle, GlideOnlyNearTheCondenserIsASingleSubstance) {
    auto records = LinearRecords();
    for (auto& r : records)
        if (r.t >= 300) r.pBubble += 1;
    const CycleRun run = RunAtExamplePoint("R22", TableLoadOf(records));
    ASSERT_EQ(run.status, EngineStatus::Ok);
    EXPECT_NEAR(run.state.pCond, 12.815, 1e-12);
    EXPECT_NEAR(run.state.hLiquidCond, 254, 1e-12);
}

TEST(RefrigerationCycle, SuctionAtTheEvaporatingTemperature) {
    const CycleRun run = RunRefrigerationCycle("R22", TableLoadOf(LinearRecords()), {-5, 45, -5, 0, 0}, {});
    ASSERT_EQ(run.status, EngineStatus::Ok);
    EXPECT_EQ(run.state.rhoSuction, run.state.rhoVapourEvap);
}

TEST(RefrigerationCycle, LiquidTemperatureDropReachesOnlyTheR124Correlation) {
    const SaturationTableLoad table = TableLoadOf(LinearRecords(), "R124.DAT");
    const CycleRun withoutDrop = RunAtExamplePoint("R124", table);
    const CycleRun withDrop = RunRefrigerationCycle("R124", table, {-5, 45, 8, 7, 0}, withoutDrop.state);
    ASSERT_EQ(withoutDrop.status, EngineStatus::Ok);
    ASSERT_EQ(withDrop.status, EngineStatus::Ok);
    EXPECT_NEAR(withoutDrop.state.cpVapourDischarge - withDrop.state.cpVapourDischarge, 7.0 / 70, 1e-12);
    EXPECT_NEAR(withDrop.state.cpLiquid, 1.2, 1e-12);  // TLiquid far above 180
}

// The table runs from 200 K to 400 K: the evaporating temperature may reach 399 K (its lookup 1 K above must
// stay inside), the condensing temperature lies within 205 K and 399 K. Beyond, nothing is extrapolated.
TEST(RefrigerationCycle, OperatingPointBeyondTheTableStopsTheRun) {
    const SaturationTableLoad load = TableLoadOf(LinearRecords());
    const auto run = [&](double t0, double tc) {
        return RunRefrigerationCycle("R22", load, {t0, tc, t0 + 10, 0, 0}, {});
    };
    const struct {
        double t0, tc;
        EngineStatus status;
        DesignTemperature of;
        double value;  // K
    } rows[] = {
        {-80, 45, EngineStatus::OutsideTable, DesignTemperature::Evaporating, 193.15},
        {-73, 45, EngineStatus::Ok, {}, 0},
        {-5, 130, EngineStatus::OutsideTable, DesignTemperature::Condensing, 403.15},
        {-5, 125.85, EngineStatus::Ok, {}, 0},
        {-5, 126.86, EngineStatus::OutsideTable, DesignTemperature::Condensing, 400.01},  // Tc + 1 K
        {-73, -69, EngineStatus::OutsideTable, DesignTemperature::Condensing, 199.15},    // Tc − 5 K
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.t0 << " / " << row.tc);
        const CycleRun result = run(row.t0, row.tc);
        EXPECT_EQ(result.status, row.status);
        if (row.status != EngineStatus::OutsideTable) continue;
        EXPECT_EQ(result.outside.of, row.of);
        EXPECT_EQ(result.outside.key, LookupKey::ByTemperature);
        EXPECT_NEAR(result.outside.value, row.value, 1e-9);
        EXPECT_EQ(result.tDischarge, 0);
    }

    const auto evaporating = UsableDesignRange(*load.table, DesignTemperature::Evaporating);
    const auto condensing = UsableDesignRange(*load.table, DesignTemperature::Condensing);
    ASSERT_TRUE(evaporating && condensing);
    EXPECT_NEAR(evaporating->low, -73.15, 1e-12);
    EXPECT_NEAR(evaporating->high, 125.85, 1e-12);
    EXPECT_NEAR(condensing->low, -68.15, 1e-12);
    EXPECT_NEAR(condensing->high, 125.85, 1e-12);
    EXPECT_FALSE(
        UsableDesignRange(SaturationTable{{LinearRecords()[0]}, {}}, DesignTemperature::Evaporating));
}

// Every field set to 1 before the run, to see which ones a stopped run wrote.
CycleStateRecord MarkedCycleState() {
    CycleStateRecord marked;
    for (double* field : {&marked.TEvap, &marked.TCond, &marked.pEvap, &marked.pCond, &marked.hVapourEvap,
                          &marked.rhoVapourEvap, &marked.rhoSuction, &marked.hLiquidCond, &marked.hVapourCond,
                          &marked.cpLiquid, &marked.dpdTEvap, &marked.dpdTRatio, &marked.cpVapourEvap,
                          &marked.cpVapourSuction, &marked.cpVapourDischarge, &marked.CompressionExponent})
        *field = 1;
    return marked;
}

// A complete run owes nothing to the state it started from.
TEST(RefrigerationCycle, ARunDependsOnlyOnItsInputs) {
    const SaturationTableLoad table = TableLoadOf(LinearRecords(0.5), "R407C.DAT");
    const CycleConditions conditions{-7, 50, 6, 2, 0};
    const CycleRun first = RunRefrigerationCycle("R407C", table, conditions, {});
    const CycleRun again = RunRefrigerationCycle("R407C", table, conditions, MarkedCycleState());
    ASSERT_EQ(first.status, EngineStatus::Ok);
    ASSERT_EQ(again.status, EngineStatus::Ok);
    EXPECT_EQ(std::memcmp(&first.state, &again.state, sizeof first.state), 0);
    EXPECT_EQ(first.tDischarge, again.tDischarge);
}

TEST(RefrigerationCycle, FailingLookupStopsTheRunKeepingWhatWasWritten) {
    // The tables as the program loads them: by the refrigerant's name, from the current directory.
    const ScopedTempDir dir;
    WriteBytes("R13.DAT", TableText(LinearRecords()) + "400,1");
    struct Row {
        const char* name;
        EngineStatus status;
    };
    for (const Row& row :
         {Row{"R12", EngineStatus::MissingTable}, Row{"r22", EngineStatus::UnknownRefrigerant},
          Row{"", EngineStatus::UnknownRefrigerant}, Row{"R13", EngineStatus::DamagedTable}}) {
        SCOPED_TRACE(row.name);
        const CycleRun run = RunAtExamplePoint(row.name, LoadRefrigerantTable(row.name), MarkedCycleState());
        EXPECT_EQ(run.status, row.status);
        EXPECT_DOUBLE_EQ(run.state.TEvap, 268.15);
        EXPECT_DOUBLE_EQ(run.state.TCond, 318.15);
        EXPECT_EQ(run.state.pEvap, 1);
        EXPECT_EQ(run.state.CompressionExponent, 1);
    }
}

TEST(RefrigerationCycle, FlatDewPressureStopsTheRunAtTheRatio) {
    auto records = LinearRecords();
    for (auto& r : records) r.pDew = r.pBubble = 5;
    const CycleRun run = RunAtExamplePoint("R22", TableLoadOf(records), MarkedCycleState());
    EXPECT_EQ(run.status, EngineStatus::InvalidArithmetic);
    EXPECT_EQ(run.state.dpdTEvap, 0);
    EXPECT_EQ(run.state.dpdTRatio, 1);
    EXPECT_NEAR(run.state.cpLiquid, 1.2, 1e-12);
    EXPECT_EQ(run.state.CompressionExponent, 1);
}

TEST(RefrigerationCycle, EqualVapourAndLiquidEnthalpyStopsTheRunBeforeTheBlendStep) {
    auto records = LinearRecords();
    for (auto& r : records) r.hVapour = r.hLiquid;
    const CycleRun run = RunAtExamplePoint("R22", TableLoadOf(records), MarkedCycleState());
    EXPECT_EQ(run.status, EngineStatus::InvalidArithmetic);
    EXPECT_NEAR(run.state.hLiquidCond, 254, 1e-12);
    EXPECT_EQ(run.state.cpLiquid, 1);
}

TEST(RefrigerationCycle, SingleRecordTableStopsAtTheFirstInterpolation) {
    const CycleRun run =
        RunAtExamplePoint("R22", TableLoadOf("268.15,4,4,194,398.5,1300,7.315\r\n"), MarkedCycleState());
    EXPECT_EQ(run.status, EngineStatus::InvalidArithmetic);
    EXPECT_EQ(run.state.pEvap, 1);
}

TEST(RefrigerationCycle, SuctionAtAbsoluteZeroStopsTheRun) {
    const CycleRun run = RunRefrigerationCycle("R22", TableLoadOf(LinearRecords()), {-5, 45, -273.15, 0, 0},
                                               MarkedCycleState());
    EXPECT_EQ(run.status, EngineStatus::InvalidArithmetic);
    EXPECT_NEAR(run.state.rhoVapourEvap, 7.315, 1e-12);
    EXPECT_EQ(run.state.rhoSuction, 1);
}

TEST(RefrigerationCycle, BadTablesNeverLeaveNonFiniteResults) {
    struct Row {
        const char* name;
        std::string bytes;
    };
    std::string descending, equalKeys, huge, negative;
    auto records = LinearRecords(0.5);
    for (auto it = records.rbegin(); it != records.rend(); ++it) descending += TableText({*it});
    for (auto r : records) {
        r.t = 300;
        equalKeys += TableText({r});
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        auto r = records[i];
        r.hLiquid = i % 2 ? 1e308 : -1e308;  // differences overflow
        r.pBubble *= 1e306;
        huge += TableText({r});
    }
    for (auto r : records) {
        r.pDew = -r.pDew;
        r.pBubble = -r.pBubble;
        negative += TableText({r});
    }
    const Row rows[] = {
        {"descending temperatures", descending},
        {"one temperature throughout", equalKeys},
        {"numbers near overflow", huge},
        {"negative pressures", negative},
        {"all zero", TableText(std::vector<SaturationRecord>(5))},
        {"binary", std::string("\x00\xff,\x01\r\n\x7f\"x,,,,,,,,,,,,,\x1a", 23)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CycleRun run = RunAtExamplePoint("R407C", TableLoadOf(row.bytes, "R407C.DAT"));
        const EngineStatus status = run.status;
        EXPECT_NE(status, EngineStatus::MissingTable);
        const CycleStateRecord& s = run.state;
        for (double field : {s.TEvap, s.TCond, s.pEvap, s.pCond, s.hVapourEvap, s.rhoVapourEvap, s.rhoSuction,
                             s.hLiquidCond, s.hVapourCond, s.cpLiquid, s.dpdTEvap, s.dpdTRatio,
                             s.cpVapourEvap, s.cpVapourSuction, s.cpVapourDischarge, s.CompressionExponent})
            EXPECT_TRUE(std::isfinite(field)) << static_cast<int>(status);
    }
}

}  // namespace
}  // namespace tervalo

// Time of one design point of R22 (cycle and compressor power for 20 kW, as the project's calculation calls
// them) on a loaded table, the same with the table's load that each user action makes, 35 design points in
// one call (the size of a table of variants), a design point on a table ten times as long, and one lookup.
//
// Runs in the staged program directory, where the generated R22.DAT lies.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <system_error>

#include "engine/compressor.h"
#include "engine/cycle_state.h"
#include "engine/refrigeration_cycle.h"
#include "engine/saturation_lookup.h"
#include "engine/saturation_table.h"

namespace tervalo {
namespace {

constexpr double kT0 = -5;        // °C, evaporating
constexpr double kTc = 45;        // °C, condensing
constexpr double kTSuction = 8;   // °C, t0 + 5 K + 8 K allowance
constexpr double kCapacity = 20;  // kW refrigerating capacity

// The R22 table of the program directory; nothing (with the reason set on the state) when it is not there.
SaturationTableLoad Prepare(benchmark::State& state) {
    std::error_code error;
    std::filesystem::current_path(TERVALO_DIST_DIR, error);
    SaturationTableLoad load = LoadRefrigerantTable("R22");
    if (error || load.status != EngineStatus::Ok)
        state.SkipWithError("R22.DAT is missing from the program directory; build tervalo_data first");
    return load;
}

double DesignPointPower(const SaturationTableLoad& table, double t0, double tc) {
    const double tSuction = t0 + 13;
    const CycleRun run = RunRefrigerationCycle("R22", table, {t0, tc, tSuction, 0, 0}, {});
    const CycleStateRecord& s = run.state;
    const double massFlow = kCapacity / (s.hVapourEvap - s.hLiquidCond);
    return CompressorPowerAtDischarge(run.tDischarge, s.TEvap, s.TCond, massFlow, tSuction, s.hVapourCond,
                                      s.hVapourEvap, s);
}

void BM_DesignPoint(benchmark::State& state) {
    const SaturationTableLoad table = Prepare(state);
    if (table.status != EngineStatus::Ok) return;
    for (auto _ : state) benchmark::DoNotOptimize(DesignPointPower(table, kT0, kTc));
    state.counters["COP"] = kCapacity / DesignPointPower(table, kT0, kTc);
}

void BM_DesignPointWithTableLoad(benchmark::State& state) {
    if (Prepare(state).status != EngineStatus::Ok) return;
    for (auto _ : state) benchmark::DoNotOptimize(DesignPointPower(LoadRefrigerantTable("R22"), kT0, kTc));
}

// Seven evaporating temperatures (heat sources) by five condensing temperatures (heat distributions).
void BM_DesignPoints35(benchmark::State& state) {
    const SaturationTableLoad table = Prepare(state);
    if (table.status != EngineStatus::Ok) return;
    for (auto _ : state) {
        double sum = 0;
        for (double t0 : {-15.0, -10.0, -5.0, 0.0, 2.0, 5.0, 10.0})
            for (double tc : {35.0, 45.0, 50.0, 55.0, 60.0}) sum += DesignPointPower(table, t0, tc);
        benchmark::DoNotOptimize(sum);
    }
}

// The R22 records with nine more interpolated between each pair: the cost must not grow with the length.
void BM_DesignPointLongTable(benchmark::State& state) {
    const SaturationTableLoad r22 = Prepare(state);
    if (r22.status != EngineStatus::Ok) return;
    auto longTable = std::make_shared<SaturationTable>();
    const auto& records = r22.table->records;
    for (std::size_t i = 0; i + 1 < records.size(); ++i)
        for (int step = 0; step < 10; ++step) {
            const double f = step / 10.0;
            const SaturationRecord& a = records[i];
            const SaturationRecord& b = records[i + 1];
            const auto mix = [f](double x, double y) { return x + f * (y - x); };
            longTable->records.push_back({mix(a.t, b.t), mix(a.pDew, b.pDew), mix(a.pBubble, b.pBubble),
                                          mix(a.hLiquid, b.hLiquid), mix(a.hVapour, b.hVapour),
                                          mix(a.rhoLiquid, b.rhoLiquid), mix(a.rhoVapour, b.rhoVapour)});
        }
    FindAscendingKeys(*longTable);
    const SaturationTableLoad table{EngineStatus::Ok, longTable};
    for (auto _ : state) benchmark::DoNotOptimize(DesignPointPower(table, kT0, kTc));
    state.counters["records"] = static_cast<double>(longTable->records.size());
}

void BM_Lookup(benchmark::State& state) {
    const SaturationTableLoad table = Prepare(state);
    if (table.status != EngineStatus::Ok) return;
    for (auto _ : state) {
        const SaturationLookup lookup = LookupSaturation(table, 268.15, LookupKey::ByTemperature);
        benchmark::DoNotOptimize(InterpolateBracket(lookup.bracket, 268.15, &SaturationRecord::pDew));
    }
}

BENCHMARK(BM_DesignPoint);
BENCHMARK(BM_DesignPointWithTableLoad);
BENCHMARK(BM_DesignPoints35);
BENCHMARK(BM_DesignPointLongTable);
BENCHMARK(BM_Lookup);

}  // namespace
}  // namespace tervalo

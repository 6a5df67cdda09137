// Time of one design point of R22 (cycle and compressor power for 20 kW), once with the table cache and once
// reading the table file at every lookup, and of a single table lookup.
//
// Runs in the staged program directory, where the generated R22.DAT lies.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <system_error>

#include "engine/compressor.h"
#include "engine/cycle_state.h"
#include "engine/refrigerant_catalogue.h"
#include "engine/refrigeration_cycle.h"
#include "engine/saturation_lookup.h"
#include "engine/saturation_table.h"

namespace tervalo {
namespace {

constexpr double kT0 = -5;        // °C, evaporating
constexpr double kTc = 45;        // °C, condensing
constexpr double kTSuction = 8;   // °C, t0 + 5 K + 8 K allowance
constexpr double kCapacity = 20;  // kW refrigerating capacity

// Enters the program directory and selects R22; false (with the reason set on the state) when the table is
// not there.
bool Prepare(benchmark::State& state, bool caching) {
    std::error_code error;
    std::filesystem::current_path(TERVALO_DIST_DIR, error);
    RefrigerantName = "R22";
    SetSaturationTableCaching(caching);
    ClearSaturationTableCache();
    if (error || LoadSaturationTable("R22.DAT").status != EngineStatus::Ok) {
        state.SkipWithError("R22.DAT is missing from the program directory; build tervalo_data first");
        return false;
    }
    return true;
}

double DesignPointPower() {
    Superheat = 0;
    RunRefrigerationCycle(kT0, kTc, kTSuction, 0);
    const CycleStateRecord& s = CycleState;
    const double massFlow = kCapacity / (s.hVapourEvap - s.hLiquidCond);
    return CompressorPower(s.pEvap, s.pCond, s.TEvap, s.TCond, massFlow, kTSuction, s.hVapourCond,
                           s.hVapourEvap);
}

void DesignPoint(benchmark::State& state, bool caching) {
    if (!Prepare(state, caching)) return;
    for (auto _ : state) benchmark::DoNotOptimize(DesignPointPower());
    state.counters["COP"] = kCapacity / DesignPointPower();
}

void BM_DesignPointCached(benchmark::State& state) {
    DesignPoint(state, true);
}
void BM_DesignPointReadingTheFile(benchmark::State& state) {
    DesignPoint(state, false);
}

void BM_LookupCached(benchmark::State& state) {
    if (!Prepare(state, true)) return;
    for (auto _ : state) {
        benchmark::DoNotOptimize(LookupSaturation(268.15, LookupKey::ByTemperature));
        benchmark::DoNotOptimize(InterpolateSaturation(268.15, &SaturationRecord::pDew));
    }
}

BENCHMARK(BM_DesignPointCached);
BENCHMARK(BM_DesignPointReadingTheFile);
BENCHMARK(BM_LookupCached);

}  // namespace
}  // namespace tervalo

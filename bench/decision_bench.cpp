// Time of the table of variants: seven heat sources by five distributions, each the full calculation run on
// a copy of the example project, sharing one load of the calculation data.
//
// Runs in the staged program directory, where the generated language files and R22.DAT lie.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <system_error>

#include "config/run_settings.h"
#include "localisation/language_tables.h"
#include "project/calculation.h"
#include "project/decision/break_even.h"
#include "project/decision/what_if.h"

namespace tervalo {
namespace {

// The example project (150 m², heating oil, η 90 %, 10 %, 0.6 per litre, electricity 0.2) after one run;
// false (with the reason on the state) when the program directory lacks its files.
bool ExampleProject(benchmark::State& state, ProjectRecord& record, CalculationData& data) {
    std::error_code error;
    std::filesystem::current_path(TERVALO_DIST_DIR, error);
    if (error || !CaptionFileUsable("ENG")) {
        state.SkipWithError("the program directory lacks its language files; build tervalo_data first");
        return false;
    }
    Settings.LanguageCode = "ENG";
    LoadCaptionFile("ENG");
    LoadHeatCaptions("ENG");
    record.RefrigerantName = "R22";
    record.WohnFL = "150";
    record.SpezHeizLeist = "120";
    record.HeizArt = HeatCaption(21);
    record.WirkGKessel = "90";
    record.BereitStV = "10";
    record.BrennK = "0.6";
    record.EnergKost = "0.2";
    record.t0 = "0";
    record.Tc = "55";
    record.SuctionAllowance = 8;
    data = LoadCalculationData(record);
    if (data.refrigerantTable.status != EngineStatus::Ok) {
        state.SkipWithError("R22.DAT is missing from the program directory; build tervalo_data first");
        return false;
    }
    DesignPointCalculation(record, data);
    return true;
}

void BM_WhatIfTable35(benchmark::State& state) {
    ProjectRecord record;
    CalculationData data;
    if (!ExampleProject(state, record, data)) return;
    for (auto _ : state) benchmark::DoNotOptimize(decision::EvaluateWhatIf(record, data));
}
BENCHMARK(BM_WhatIfTable35)->Unit(benchmark::kMicrosecond);

void BM_BreakEven(benchmark::State& state) {
    ProjectRecord record;
    CalculationData data;
    if (!ExampleProject(state, record, data)) return;
    const AnnualBalance balance = DesignPointCalculation(record, data).balance;
    for (auto _ : state) benchmark::DoNotOptimize(decision::EvaluateBreakEven(record, balance));
}
BENCHMARK(BM_BreakEven)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tervalo

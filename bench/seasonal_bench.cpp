// Time of the project's own cycle through the three seasons: 78 bins, each the design-point calculation on a
// copy of the example project, then the bin method. Goal: under 1 ms. On the data loaded once, and as the
// seasonal view's action makes it, with its one load of the table and the energy factors.
//
// Runs in the staged program directory, where the generated language files and R22.DAT lie.

#include <benchmark/benchmark.h>

#include "localisation/language_tables.h"
#include "project/calculation.h"
#include "project/seasonal/project_seasons.h"
#include "sample_house.h"

namespace tervalo {
namespace {

// The example house with an air source at −5/45 °C.
bool SeasonalHouse(benchmark::State& state, ProjectRecord& record, CalculationData& data) {
    if (!bench::SampleHouse(state, "-5", "45", record, data)) return false;
    record.AnwendBereich = HeatCaption(3);
    return true;
}

void BM_ProjectSeasons(benchmark::State& state) {
    ProjectRecord record;
    CalculationData data;
    if (!SeasonalHouse(state, record, data)) return;
    const seasonal::ProjectSeasonInputs inputs;
    for (auto _ : state) benchmark::DoNotOptimize(seasonal::EvaluateProjectSeasons(record, data, inputs));
}
BENCHMARK(BM_ProjectSeasons)->Unit(benchmark::kMicrosecond);

void BM_ProjectSeasonsAction(benchmark::State& state) {
    ProjectRecord record;
    CalculationData data;
    if (!SeasonalHouse(state, record, data)) return;
    const seasonal::ProjectSeasonInputs inputs;
    for (auto _ : state) benchmark::DoNotOptimize(seasonal::EvaluateProjectSeasons(record, inputs));
}
BENCHMARK(BM_ProjectSeasonsAction)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tervalo

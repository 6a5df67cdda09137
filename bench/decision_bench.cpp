// Time of the table of variants: seven heat sources by five distributions, each the full calculation run on
// a copy of the example project, sharing one load of the calculation data.
//
// Runs in the staged program directory, where the generated language files and R22.DAT lie.

#include <benchmark/benchmark.h>

#include "project/calculation.h"
#include "project/decision/break_even.h"
#include "project/decision/what_if.h"
#include "sample_house.h"

namespace tervalo {
namespace {

// The example house after one run.
bool ExampleProject(benchmark::State& state, ProjectRecord& record, CalculationData& data) {
    if (!bench::SampleHouse(state, "0", "55", record, data)) return false;
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
    const AnnualBalance balance = DesignPointCalculation(record, data);
    for (auto _ : state) benchmark::DoNotOptimize(decision::EvaluateBreakEven(record, balance));
}
BENCHMARK(BM_BreakEven)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tervalo

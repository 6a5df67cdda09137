#pragma once

// The example house of the calculation benchmarks: 150 m² at 120 W/m², heating oil at η 90 % and 10 %
// standby, 0.6 per litre, electricity at 0.2, R22, in the staged program directory with the English texts.

#include <benchmark/benchmark.h>

#include "project/calculation.h"
#include "project/project_record.h"

namespace tervalo::bench {

// The house at the evaporating temperature t0 and condensing temperature tc (°C), with the calculation data
// loaded for it. False, with the reason on the state, when the program directory lacks its language files or
// R22.DAT.
bool SampleHouse(benchmark::State& state, const char* t0, const char* tc, ProjectRecord& record,
                 CalculationData& data);

}  // namespace tervalo::bench

// Arbitrary bytes as Lifetime.dat: read, written and read again to the same inputs, and evaluated.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "project/lifetime/lifetime_analysis.h"
#include "project/lifetime/lifetime_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tervalo::lifetime;
    const LifetimeInputs defaults = DefaultLifetimeInputs(2026);
    const LifetimeInputs inputs =
        ParseLifetimeInputs(std::string_view(reinterpret_cast<const char*>(data), size), defaults).inputs;
    const std::string bytes = LifetimeInputsBytes(inputs);
    if (LifetimeInputsBytes(ParseLifetimeInputs(bytes, defaults).inputs) != bytes) __builtin_trap();
    AnnualFigures first;
    first.heat_kWh = 20000;
    first.fuel_kWh = 22000;
    first.fuelCost = 2640;
    first.fuelCo2_kg = 4444;
    first.electricity_kWh = 5400;
    first.electricityCost = 1620;
    first.electricityCo2_kg = 2052;
    first.gridFactorToday = 0.38;
    const LifetimeResult result = EvaluateLifetime(inputs, first);
    if (result.years.size() != static_cast<std::size_t>(inputs.yearsOfUse) + 1) __builtin_trap();
    return 0;
}

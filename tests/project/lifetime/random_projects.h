#pragma once

// Random lifetime projects for property tests: the inputs that existed before replacement, rate basis, CO2
// price, subsidy cap and loan, and first-year figures, from a seed alone (the same on every platform).

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "project/lifetime/lifetime_analysis.h"

namespace tervalo::lifetime::test {

// SplitMix64: a fixed sequence on every compiler, unlike the distributions of the standard library.
class Sequence {
  public:
    explicit Sequence(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Uniform(double low, double high) {
        return low + (high - low) * static_cast<double>(Next() >> 11) * 0x1.0p-53;
    }
    int Whole(int low, int high) {
        return low + static_cast<int>(Next() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool Flip() { return (Next() & 1) != 0; }

  private:
    std::uint64_t state_;
};

struct RandomProject {
    LifetimeInputs inputs;
    AnnualFigures first;
};

// Only the inputs the comparison always had; the others keep their defaults.
inline RandomProject BasicProject(Sequence& s) {
    RandomProject p;
    LifetimeInputs& in = p.inputs;
    in.heatPumpCost = s.Uniform(5000, 60000);
    in.boilerCost = s.Uniform(2000, 20000);
    in.subsidyIsPercentage = s.Flip();
    in.subsidy = in.subsidyIsPercentage ? s.Uniform(0, 100) : s.Uniform(0, 20000);
    in.yearsOfUse = s.Whole(1, kMaxYearsOfUse);
    in.firstYear = s.Whole(2020, 2040);
    in.discountRate_pct = s.Uniform(-3, 12);
    in.fuelPriceChange_pct = s.Uniform(-5, 10);
    in.electricityPriceChange_pct = s.Uniform(-5, 10);
    in.fuelStandingCharge = s.Uniform(0, 400);
    in.electricityStandingCharge = s.Uniform(0, 200);
    in.fuelConnectionGivenUp = s.Flip();
    in.heatPumpMaintenance = s.Uniform(0, 500);
    in.boilerMaintenance = s.Uniform(0, 500);
    in.gridTargetFactor = s.Uniform(0, 0.5);
    in.gridTargetYear = s.Whole(2015, 2070);
    in.gridFactorEdits.resize(static_cast<std::size_t>(s.Whole(0, 5)));
    for (double& factor : in.gridFactorEdits) factor = s.Uniform(0, 1);
    AnnualFigures& f = p.first;
    f.heat_kWh = s.Uniform(0, 40000);
    f.fuelIsGridElectricity = s.Whole(0, 5) == 0;
    f.fuel_kWh = f.heat_kWh * s.Uniform(1, 1.3);
    f.fuelCost = f.fuel_kWh * s.Uniform(0.05, 0.4);
    f.gridFactorToday = s.Uniform(0.05, 0.9);
    f.fuelCo2_kg =
        f.fuelIsGridElectricity ? f.fuel_kWh * f.gridFactorToday : f.fuel_kWh * s.Uniform(0.2, 0.3);
    f.electricity_kWh = f.heat_kWh / s.Uniform(2, 5);
    f.electricityCost = f.electricity_kWh * s.Uniform(0.15, 0.5);
    f.electricityCo2_kg = f.electricity_kWh * f.gridFactorToday;
    return p;
}

// FNV-1a over the bit patterns of every figure of a result: equal only where every figure is identical.
inline std::uint64_t Fingerprint(const LifetimeResult& r) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    const auto add = [&hash](double value) {
        unsigned char bytes[sizeof value];
        std::memcpy(bytes, &value, sizeof value);
        for (const unsigned char byte : bytes) hash = (hash ^ byte) * 0x100000001b3ull;
    };
    const auto optional = [&](const std::optional<double>& value) { add(value ? *value : -12345.678); };
    for (const YearFigures& y : r.years)
        for (const double value : {y.gridFactor, y.boilerCost, y.heatPumpCost, y.saving, y.discountedSaving,
                                   y.cumulativeBoilerCost, y.cumulativeHeatPumpCost, y.boilerCo2_kg,
                                   y.heatPumpCo2_kg, y.cumulativeBoilerCo2_kg, y.cumulativeHeatPumpCo2_kg})
            add(value);
    add(r.subsidy);
    optional(r.simplePayback_years);
    optional(r.discountedPayback_years);
    add(r.netPresentValue);
    add(static_cast<double>(r.internalRate.status));
    add(r.internalRate.rate);
    optional(r.boilerLevelisedCost);
    optional(r.heatPumpLevelisedCost);
    add(r.co2SavingGrid_kg);
    add(r.co2SavingToday_kg);
    return hash;
}

}  // namespace tervalo::lifetime::test

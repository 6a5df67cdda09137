#include "project/lifetime/lifetime_inputs.h"

#include <algorithm>
#include <cmath>

namespace tervalo::lifetime {

namespace {

// Typed values far outside these are mistakes, not plans; calendar years likewise.
constexpr double kMaxAmount = 1e9;
constexpr double kMinRate_pct = -99;
constexpr double kMaxRate_pct = 1000;
constexpr double kMaxFactor = 10;  // kg per kWh; coal plants emit about 1
constexpr int kMinCalendarYear = 1900;
constexpr int kMaxCalendarYear = 2200;

bool InRange(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

void Keep(double& value, double fallback, double low, double high) {
    if (!InRange(value, low, high)) value = fallback;
}

void Keep(int& value, int fallback, int low, int high) {
    if (value < low || value > high) value = fallback;
}

}  // namespace

LifetimeInputs DefaultLifetimeInputs(int firstYear) {
    LifetimeInputs inputs;
    if (firstYear >= kMinCalendarYear && firstYear <= kMaxCalendarYear) inputs.firstYear = firstYear;
    return inputs;
}

LifetimeInputs Sanitised(const LifetimeInputs& inputs, const LifetimeInputs& defaults) {
    LifetimeInputs s = inputs;
    Keep(s.heatPumpCost, defaults.heatPumpCost, 0, kMaxAmount);
    Keep(s.boilerCost, defaults.boilerCost, 0, kMaxAmount);
    // More than the whole price is the whole price, not a mistake to replace by the default.
    if (s.subsidyIsPercentage && std::isfinite(s.subsidy) && s.subsidy > 100) s.subsidy = 100;
    Keep(s.subsidy, defaults.subsidy, 0, s.subsidyIsPercentage ? 100 : kMaxAmount);
    Keep(s.yearsOfUse, defaults.yearsOfUse, 1, kMaxYearsOfUse);
    Keep(s.firstYear, defaults.firstYear, kMinCalendarYear, kMaxCalendarYear);
    Keep(s.discountRate_pct, defaults.discountRate_pct, kMinRate_pct, kMaxRate_pct);
    Keep(s.fuelPriceChange_pct, defaults.fuelPriceChange_pct, kMinRate_pct, kMaxRate_pct);
    Keep(s.electricityPriceChange_pct, defaults.electricityPriceChange_pct, kMinRate_pct, kMaxRate_pct);
    Keep(s.fuelStandingCharge, defaults.fuelStandingCharge, 0, kMaxAmount);
    Keep(s.electricityStandingCharge, defaults.electricityStandingCharge, 0, kMaxAmount);
    Keep(s.heatPumpMaintenance, defaults.heatPumpMaintenance, 0, kMaxAmount);
    Keep(s.boilerMaintenance, defaults.boilerMaintenance, 0, kMaxAmount);
    Keep(s.gridTargetFactor, defaults.gridTargetFactor, 0, kMaxFactor);
    Keep(s.gridTargetYear, defaults.gridTargetYear, kMinCalendarYear, kMaxCalendarYear);
    if (s.gridFactorEdits.size() > static_cast<std::size_t>(s.yearsOfUse))
        s.gridFactorEdits.resize(static_cast<std::size_t>(s.yearsOfUse));
    for (std::size_t i = 0; i < s.gridFactorEdits.size(); ++i)
        if (!InRange(s.gridFactorEdits[i], 0, kMaxFactor)) s.gridFactorEdits.resize(i);
    return s;
}

double SubsidyAmount(const LifetimeInputs& inputs) {
    const double amount =
        inputs.subsidyIsPercentage ? inputs.heatPumpCost * inputs.subsidy / 100 : inputs.subsidy;
    return std::clamp(amount, 0.0, std::max(inputs.heatPumpCost, 0.0));
}

std::vector<double> GridFactorPath(const LifetimeInputs& inputs, double todayFactor) {
    const std::size_t years = static_cast<std::size_t>(std::max(inputs.yearsOfUse, 0));
    const int span = inputs.gridTargetYear - inputs.firstYear;
    std::vector<double> path(years, todayFactor);
    for (std::size_t i = 0; i < years; ++i) {
        const int year = static_cast<int>(i);
        if (i < inputs.gridFactorEdits.size())
            path[i] = inputs.gridFactorEdits[i];
        else if (span > 0)
            path[i] = year >= span ? inputs.gridTargetFactor
                                   : todayFactor + (inputs.gridTargetFactor - todayFactor) * year / span;
    }
    return path;
}

}  // namespace tervalo::lifetime

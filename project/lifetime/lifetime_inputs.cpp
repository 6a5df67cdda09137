#include "project/lifetime/lifetime_inputs.h"

#include <algorithm>
#include <cmath>

namespace tervalo::lifetime {

namespace {

// Typed values far outside these are mistakes, not plans; calendar years likewise.
constexpr double kMaxAmount = 1e9;
constexpr double kMinRate_pct = -99;
constexpr double kMaxRate_pct = 1000;
constexpr double kMaxFactor = 10;       // kg per kWh; coal plants emit about 1
constexpr double kMaxCo2Price = 10000;  // per tonne
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

// Edits beyond the years of use are cut; the first one out of range ends them.
void KeepEdits(std::vector<double>& edits, int years, double high) {
    if (edits.size() > static_cast<std::size_t>(years)) edits.resize(static_cast<std::size_t>(years));
    for (std::size_t i = 0; i < edits.size(); ++i)
        if (!InRange(edits[i], 0, high)) edits.resize(i);
}

}  // namespace

LifetimeInputs WithoutExtensions(LifetimeInputs inputs) {
    inputs.replacementCounted = false;
    inputs.investmentPriceChange_pct = 0;
    inputs.maintenancePriceChange_pct = 0;
    inputs.inflation_pct = 0;
    inputs.subsidyEligibleCap = 0;
    inputs.subsidyExtraAmount = 0;
    inputs.co2AddedToFuel = false;
    inputs.co2AddedToElectricity = false;
    inputs.loanShare_pct = 0;
    return inputs;
}

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
    KeepEdits(s.gridFactorEdits, s.yearsOfUse, kMaxFactor);
    Keep(s.heatPumpServiceLife, defaults.heatPumpServiceLife, 1, kMaxServiceLife);
    Keep(s.boilerServiceLife, defaults.boilerServiceLife, 1, kMaxServiceLife);
    Keep(s.investmentPriceChange_pct, defaults.investmentPriceChange_pct, kMinRate_pct, kMaxRate_pct);
    Keep(s.maintenancePriceChange_pct, defaults.maintenancePriceChange_pct, kMinRate_pct, kMaxRate_pct);
    Keep(s.inflation_pct, defaults.inflation_pct, kMinRate_pct, kMaxRate_pct);
    Keep(s.subsidyEligibleCap, defaults.subsidyEligibleCap, 0, kMaxAmount);
    Keep(s.subsidyExtraAmount, defaults.subsidyExtraAmount, 0, kMaxAmount);
    Keep(s.co2PriceToday, defaults.co2PriceToday, 0, kMaxCo2Price);
    Keep(s.co2PriceTarget, defaults.co2PriceTarget, 0, kMaxCo2Price);
    Keep(s.co2PriceTargetYear, defaults.co2PriceTargetYear, kMinCalendarYear, kMaxCalendarYear);
    KeepEdits(s.co2PriceEdits, s.yearsOfUse, kMaxCo2Price);
    Keep(s.loanShare_pct, defaults.loanShare_pct, 0, 100);
    Keep(s.loanRate_pct, defaults.loanRate_pct, kMinRate_pct, kMaxRate_pct);
    Keep(s.loanTerm, defaults.loanTerm, 1, kMaxYearsOfUse);
    return s;
}

double SubsidyAmount(const LifetimeInputs& inputs) {
    double amount = inputs.subsidy;
    if (inputs.subsidyIsPercentage) {
        const double eligible = inputs.subsidyEligibleCap > 0
                                    ? std::min(inputs.heatPumpCost, inputs.subsidyEligibleCap)
                                    : inputs.heatPumpCost;
        amount = eligible * inputs.subsidy / 100;
    }
    return std::clamp(amount + inputs.subsidyExtraAmount, 0.0, std::max(inputs.heatPumpCost, 0.0));
}

std::vector<double> YearPath(const LifetimeInputs& inputs, double today, double target, int targetYear,
                             const std::vector<double>& edits) {
    const std::size_t years = static_cast<std::size_t>(std::max(inputs.yearsOfUse, 0));
    const int span = targetYear - inputs.firstYear;
    std::vector<double> path(years, today);
    for (std::size_t i = 0; i < years; ++i) {
        const int year = static_cast<int>(i);
        if (i < edits.size())
            path[i] = edits[i];
        else if (span > 0)
            path[i] = year >= span ? target : today + (target - today) * year / span;
    }
    return path;
}

std::vector<double> GridFactorPath(const LifetimeInputs& inputs, double todayFactor) {
    return YearPath(inputs, todayFactor, inputs.gridTargetFactor, inputs.gridTargetYear,
                    inputs.gridFactorEdits);
}

std::vector<double> Co2PricePath(const LifetimeInputs& inputs) {
    return YearPath(inputs, inputs.co2PriceToday, inputs.co2PriceTarget, inputs.co2PriceTargetYear,
                    inputs.co2PriceEdits);
}

}  // namespace tervalo::lifetime

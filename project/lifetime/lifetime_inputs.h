#pragma once

// What the lifetime comparison needs beyond the annual balance: investments, subsidy, years of use, rates,
// standing charges, maintenance and the grid's CO2 path. Money is in the run's currency (CurrencyCode), rates
// in percent per year, CO2 factors in kg per kWh. Defaults and their sources: data/README.md.

#include <vector>

namespace tervalo::lifetime {

inline constexpr int kMaxYearsOfUse = 50;

struct LifetimeInputs {
    double heatPumpCost = 30000;  // installation of the heat pump
    double boilerCost = 11000;    // installation of the alternative boiler
    double subsidy = 30;          // an amount, or percent of heatPumpCost
    bool subsidyIsPercentage = true;
    int yearsOfUse = 20;                    // 1 to kMaxYearsOfUse
    int firstYear = 2026;                   // calendar year of year 1 of use
    double discountRate_pct = 3;            // % per year, above -100
    double fuelPriceChange_pct = 3;         // % per year, above -100
    double electricityPriceChange_pct = 2;  // % per year, above -100
    double fuelStandingCharge = 200;        // per year, paid with the boiler
    double electricityStandingCharge = 0;   // per year, the heat pump's own tariff or meter
    bool fuelConnectionGivenUp = true;      // the heat pump ends the fuel supply and its standing charge
    double heatPumpMaintenance = 200;       // per year
    double boilerMaintenance = 250;         // per year
    double gridTargetFactor = 0.05;         // kg CO2 per kWh reached in gridTargetYear
    int gridTargetYear = 2045;
    // Year-by-year grid factors typed over the default path, from year 1 on; a year it does not reach
    // follows the path.
    std::vector<double> gridFactorEdits;

    bool operator==(const LifetimeInputs&) const = default;
};

// The defaults with year 1 of use in `firstYear`.
LifetimeInputs DefaultLifetimeInputs(int firstYear);

// The inputs with each value outside its range (or not finite) replaced by that of `defaults`, a percentage
// subsidy kept within 0 to 100 and the edits cut to the years of use.
LifetimeInputs Sanitised(const LifetimeInputs& inputs, const LifetimeInputs& defaults);

// The subsidy as an amount, at most the heat pump's cost.
double SubsidyAmount(const LifetimeInputs& inputs);

// The grid's CO2 factor in each year of use (index 0 = year 1): the default path falls linearly from
// `todayFactor` in firstYear to gridTargetFactor in gridTargetYear and stays there; a target year not after
// firstYear leaves today's factor throughout. Edits replace the path year by year.
std::vector<double> GridFactorPath(const LifetimeInputs& inputs, double todayFactor);

}  // namespace tervalo::lifetime

#pragma once

// What the lifetime comparison needs beyond the annual balance: investments, subsidy, years of use, rates,
// standing charges, maintenance and the grid's CO2 path. Money is in the run's currency (CurrencyCode), rates
// in percent per year, CO2 factors in kg per kWh. Defaults and their sources: data/README.md.

#include <vector>

namespace tervalo::lifetime {

inline constexpr int kMaxYearsOfUse = 50;
inline constexpr int kMaxServiceLife = 100;

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

    // Replacement and residual value: a system whose service life ends within the years of use is bought
    // again at its cost grown by the investment price change; at the end the linear remainder of its last
    // purchase is credited. Off: each system is bought once and is worth nothing at the end.
    bool replacementCounted = true;
    int heatPumpServiceLife = 18;           // years, 1 to kMaxServiceLife
    int boilerServiceLife = 20;             // years
    double investmentPriceChange_pct = 0;   // % per year, the systems' prices
    double maintenancePriceChange_pct = 0;  // % per year
    // Rate basis. Nominal: every price path grows by the general inflation and its own change, and the
    // discount rate is nominal. Real: prices in today's money, changes and discount rate real; inflation then
    // only shrinks the fixed payments of a loan.
    bool nominal = false;
    double inflation_pct = 2;  // % per year
    // A percentage subsidy counts at most this much of the cost (0: all of it); an amount adds to either
    // kind.
    double subsidyEligibleCap = 30000;
    double subsidyExtraAmount = 0;
    // CO2 price per tonne: from co2PriceToday in firstYear linearly to co2PriceTarget in co2PriceTargetYear,
    // then flat; year-by-year edits from year 1 on replace it. Added to a cost only where the price does not
    // already include it.
    double co2PriceToday = 55;
    double co2PriceTarget = 195;
    int co2PriceTargetYear = 2045;
    std::vector<double> co2PriceEdits;
    bool co2AddedToFuel = false;
    bool co2AddedToElectricity = false;
    // An annuity loan over a share of the heat pump's cost after the subsidy; its interest rate is nominal.
    double loanShare_pct = 0;
    double loanRate_pct = 4;
    int loanTerm = 10;  // years, 1 to kMaxYearsOfUse
    // The heat pump's first year from the seasonal view's average season (bin method) rather than from the
    // design point's balance.
    bool seasonalElectricity = false;

    bool operator==(const LifetimeInputs&) const = default;
};

// The defaults with year 1 of use in `firstYear`.
LifetimeInputs DefaultLifetimeInputs(int firstYear);

// `inputs` with everything beyond buying each system once, flat maintenance and investments, no inflation,
// a whole-cost subsidy, no CO2 price and no loan: the comparison as it was before these inputs existed.
// Files that lack them read so.
LifetimeInputs WithoutExtensions(LifetimeInputs inputs);

// The inputs with each value outside its range (or not finite) replaced by that of `defaults`, a percentage
// subsidy kept within 0 to 100 and the edits cut to the years of use.
LifetimeInputs Sanitised(const LifetimeInputs& inputs, const LifetimeInputs& defaults);

// The subsidy as an amount: the percentage of the eligible cost (capped) or the amount, plus the extra
// amount; at most the heat pump's cost.
double SubsidyAmount(const LifetimeInputs& inputs);

// The CO2 price per tonne in each year of use (index 0 = year 1), in today's money.
std::vector<double> Co2PricePath(const LifetimeInputs& inputs);

// The grid's CO2 factor in each year of use (index 0 = year 1): the default path falls linearly from
// `todayFactor` in firstYear to gridTargetFactor in gridTargetYear and stays there; a target year not after
// firstYear leaves today's factor throughout. Edits replace the path year by year.
std::vector<double> GridFactorPath(const LifetimeInputs& inputs, double todayFactor);

// A path from `today` in firstYear linearly to `target` in `targetYear`, flat after it, with `edits`
// replacing it year by year: the shape of the grid factor's and the CO2 price's paths.
std::vector<double> YearPath(const LifetimeInputs& inputs, double today, double target, int targetYear,
                             const std::vector<double>& edits);

}  // namespace tervalo::lifetime

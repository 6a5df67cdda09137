#include "project/lifetime/lifetime_analysis.h"

#include <algorithm>
#include <cmath>

namespace tervalo::lifetime {

namespace {

double Growth(double change_pct, int year) {
    return std::pow(1 + change_pct / 100, year - 1);
}

// Below a whole kWh a year the window shows no heat demand at all (its figure is rounded down to 0), and a
// cost per kWh of it would be a meaningless giant.
constexpr double kLeastHeat_kWh = 1;

// Discounted lifetime cost over discounted heat: the cost of a kWh that, constant in every year, pays the
// system's costs at the discount rate.
std::optional<double> LevelisedCost(const std::vector<double>& costs, double rate, double heat_kWh) {
    if (!(heat_kWh >= kLeastHeat_kWh) || costs.size() < 2) return std::nullopt;
    const int years = static_cast<int>(costs.size()) - 1;
    return AnnuityPayment(rate, years, NetPresentValue(costs, rate)) / heat_kWh;
}

}  // namespace

LifetimeResult EvaluateLifetime(const LifetimeInputs& inputs, const AnnualFigures& first) {
    LifetimeResult result;
    const double rate = inputs.discountRate_pct / 100;
    const std::vector<double> grid = GridFactorPath(inputs, first.gridFactorToday);
    const double fuelChange_pct =
        first.fuelIsGridElectricity ? inputs.electricityPriceChange_pct : inputs.fuelPriceChange_pct;
    result.subsidy = SubsidyAmount(inputs);

    YearFigures start;
    start.calendarYear = inputs.firstYear - 1;
    start.boilerCost = inputs.boilerCost;
    start.heatPumpCost = inputs.heatPumpCost - result.subsidy;
    result.years.push_back(start);

    std::vector<double> boilerCosts{start.boilerCost}, heatPumpCosts{start.heatPumpCost};
    const int years = std::clamp(inputs.yearsOfUse, 0, kMaxYearsOfUse);
    for (int year = 1; year <= years; ++year) {
        YearFigures y;
        y.year = year;
        y.calendarYear = inputs.firstYear + year - 1;
        y.gridFactor = grid[static_cast<std::size_t>(year - 1)];
        const double fuelGrowth = Growth(fuelChange_pct, year);
        const double electricityGrowth = Growth(inputs.electricityPriceChange_pct, year);
        const double fuelStanding = inputs.fuelStandingCharge * fuelGrowth;
        y.boilerCost = first.fuelCost * fuelGrowth + fuelStanding + inputs.boilerMaintenance;
        y.heatPumpCost = (first.electricityCost + inputs.electricityStandingCharge) * electricityGrowth +
                         inputs.heatPumpMaintenance + (inputs.fuelConnectionGivenUp ? 0 : fuelStanding);
        y.boilerCo2_kg = first.fuelIsGridElectricity ? first.fuel_kWh * y.gridFactor : first.fuelCo2_kg;
        y.heatPumpCo2_kg = first.electricity_kWh * y.gridFactor;
        boilerCosts.push_back(y.boilerCost);
        heatPumpCosts.push_back(y.heatPumpCost);
        result.years.push_back(y);
    }

    double boilerSum = 0, heatPumpSum = 0, boilerCo2 = 0, heatPumpCo2 = 0;
    for (YearFigures& y : result.years) {
        y.saving = y.boilerCost - y.heatPumpCost;
        y.discountedSaving = y.saving * DiscountFactor(rate, y.year);
        y.cumulativeBoilerCost = boilerSum += y.boilerCost;
        y.cumulativeHeatPumpCost = heatPumpSum += y.heatPumpCost;
        y.cumulativeBoilerCo2_kg = boilerCo2 += y.boilerCo2_kg;
        y.cumulativeHeatPumpCo2_kg = heatPumpCo2 += y.heatPumpCo2_kg;
    }

    const std::vector<double> savings = SavingFlows(result);
    result.simplePayback_years = PaybackYears(savings);
    result.discountedPayback_years = PaybackYears(Discounted(savings, rate));
    result.netPresentValue = NetPresentValue(savings, rate);
    result.internalRate = InternalRateOfReturn(savings);
    result.boilerLevelisedCost = LevelisedCost(boilerCosts, rate, first.heat_kWh);
    result.heatPumpLevelisedCost = LevelisedCost(heatPumpCosts, rate, first.heat_kWh);

    result.co2SavingGrid_kg = boilerCo2 - heatPumpCo2;
    // At today's factor on the basis of the year-by-year figures: electric heating's CO2 is its grid
    // electricity times the factor, as in every year of the path.
    const double boilerCo2Today =
        first.fuelIsGridElectricity ? first.fuel_kWh * first.gridFactorToday : first.fuelCo2_kg;
    result.co2SavingToday_kg = years * (boilerCo2Today - first.electricityCo2_kg);
    return result;
}

std::vector<double> SavingFlows(const LifetimeResult& result) {
    std::vector<double> flows;
    flows.reserve(result.years.size());
    for (const YearFigures& y : result.years) flows.push_back(y.saving);
    return flows;
}

}  // namespace tervalo::lifetime

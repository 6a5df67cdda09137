#pragma once

// The comparison of the heat pump with the boiler over the years of use: yearly costs and CO2 of both
// systems from the first year's annual figures and the lifetime inputs, and what choosing the heat pump
// is worth (payback, net present value, internal rate of return, levelised cost of heat, CO2 saved).
//
// Year 0 holds the investments (the heat pump's less the subsidy); years 1 to N the running costs at the end
// of each year. Energy costs and standing charges change each year by their supply's price change, starting
// from the first year's figures; maintenance stays as entered. The heat pump's CO2 follows the grid's factor
// of each year, the fuel's CO2 stays (or follows the grid too when the "fuel" is grid electricity).

#include <optional>
#include <vector>

#include "project/lifetime/finance.h"
#include "project/lifetime/lifetime_inputs.h"

namespace tervalo::lifetime {

// The first year's figures of the annual balance.
struct AnnualFigures {
    double heat_kWh = 0;                 // useful heat per year, the same from both systems
    double fuel_kWh = 0;                 // fuel energy of the boiler heating
    double fuelCost = 0;                 // C_f, per year
    double fuelCo2_kg = 0;               // per year
    bool fuelIsGridElectricity = false;  // direct electric heating: its price and CO2 are the grid's
    double electricity_kWh = 0;          // of the heat pump
    double electricityCost = 0;          // of the heat pump, per year
    double electricityCo2_kg = 0;        // of the heat pump, per year at today's grid factor
    double gridFactorToday = 0;          // kg CO2 per kWh (energk.dat field 5)
};

struct YearFigures {
    int year = 0;  // 0 = investment, 1..N = year of use
    int calendarYear = 0;
    double gridFactor = 0;  // kg per kWh in this year (0 in year 0)
    double boilerCost = 0;
    double heatPumpCost = 0;
    double saving = 0;  // boilerCost - heatPumpCost
    double discountedSaving = 0;
    double cumulativeBoilerCost = 0;
    double cumulativeHeatPumpCost = 0;
    double boilerCo2_kg = 0;
    double heatPumpCo2_kg = 0;
    double cumulativeBoilerCo2_kg = 0;
    double cumulativeHeatPumpCo2_kg = 0;
};

struct LifetimeResult {
    std::vector<YearFigures> years;             // year 0 to N
    double subsidy = 0;                         // amount
    std::optional<double> simplePayback_years;  // nothing: not within the years of use
    std::optional<double> discountedPayback_years;
    double netPresentValue = 0;                 // of choosing the heat pump, at the discount rate
    InternalRate internalRate;                  // of the savings against the extra investment
    std::optional<double> boilerLevelisedCost;  // per kWh of heat; nothing without heat
    std::optional<double> heatPumpLevelisedCost;
    double co2SavingGrid_kg = 0;   // over the years of use, on the grid factor path
    double co2SavingToday_kg = 0;  // the same at today's grid factor throughout
};

// `inputs` are taken as given (sanitise them first, Sanitised); only the years of use are held to
// 0 to kMaxYearsOfUse.
LifetimeResult EvaluateLifetime(const LifetimeInputs& inputs, const AnnualFigures& first);

// The yearly savings of choosing the heat pump, year 0 (the boiler's investment less the heat pump's) to N.
std::vector<double> SavingFlows(const LifetimeResult& result);

}  // namespace tervalo::lifetime

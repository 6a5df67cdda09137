#pragma once

// The comparison of the heat pump with the boiler over the years of use: yearly costs and CO2 of both
// systems from the first year's annual figures and the lifetime inputs, and what choosing the heat pump
// is worth (payback, net present value, internal rate of return, levelised cost of heat, CO2 saved).
//
// Year 0 holds the investments (the heat pump's less the subsidy); years 1 to N the running costs at the end
// of each year. Year t pays the first year's prices grown t - 1 times by their own change (energy costs and
// standing charges by their supply's price change, maintenance by its own) and, on a nominal basis, t times
// by the general inflation, as year t's bills are paid at its end: a nominal discount rate of
// (1 + real)(1 + inflation) - 1 then gives the real basis's present values. A system whose service life ends
// within the years of use is bought again at the end of that year, at its cost grown by the investment price
// change (and inflation); the linear remainder of its last purchase, at that purchase's price, is credited in
// year N. The heat pump's CO2 follows the grid's factor of each year, the fuel's CO2
// stays (or follows the grid too when the "fuel" is grid electricity); its cost at the CO2 price is added
// where the inputs say the energy price lacks it.

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
    // The back-up boiler's fuel where the heat pump is integrated into the existing system (seasonal basis):
    // its cost follows the fuel price, its CO2 stays.
    double heatPumpFuelCost = 0;
    double heatPumpFuelCo2_kg = 0;
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
    double boilerInvestment = 0;  // purchase or replacement, less the residual value in year N
    double heatPumpInvestment = 0;
    double co2Price = 0;       // per tonne, on the rate basis
    double boilerCo2Cost = 0;  // the CO2 at the price, whether or not it is in boilerCost
    double heatPumpCo2Cost = 0;
    double loanPayment = 0;      // on the rate basis; the balance left is paid off in year N
    double householdSaving = 0;  // saving with the loan: less investment in year 0, the payments after
};

// How NPV and discounted payback move when one input moves down and up.
enum class SensitivityInput { DiscountRate, EnergyPriceChange, ServiceLife };
struct SensitivityCase {
    SensitivityInput input = SensitivityInput::DiscountRate;
    double lowShift = 0, highShift = 0;  // percentage points, or years of each service life
    double lowNpv = 0, highNpv = 0;
    std::optional<double> lowPayback_years, highPayback_years;  // discounted
};

struct SystemLife {
    std::vector<int> replacementYears;  // years at whose end the system is bought again
    double residualValue = 0;           // credited in year N
    double co2Cost = 0;                 // sum over the years of use, on the rate basis
    double annualCost = 0;              // annual equivalent of the lifetime cost (annuity method)
};

struct LoanFigures {
    double amount = 0;
    double payment = 0;  // yearly, as paid (nominal)
    double totalInterest = 0;
    double householdNpv = 0;
    std::optional<double> householdSimplePayback_years;
    std::optional<double> householdDiscountedPayback_years;
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
    double annuityFactor = 0;      // at the discount rate over the years of use
    SystemLife boiler, heatPump;
    LoanFigures loan;  // with no loan the household's figures are those of the investment
    std::vector<SensitivityCase> sensitivity;
};

// The shifts of the sensitivity: discount rate and both energy price changes by percentage points, each
// service life by years (never below 1).
inline constexpr double kSensitivityRateShift_pct = 2;
inline constexpr double kSensitivityPriceShift_pct = 1;
inline constexpr int kSensitivityLifeShift = 4;

// `inputs` are taken as given (sanitise them first, Sanitised); only the years of use are held to
// 0 to kMaxYearsOfUse.
LifetimeResult EvaluateLifetime(const LifetimeInputs& inputs, const AnnualFigures& first);

// The general price level `years` years on, today's as 1: grown by inflation on a nominal basis, 1 on a real.
double Inflation(const LifetimeInputs& inputs, int years);

// The yearly savings of choosing the heat pump, year 0 (the boiler's investment less the heat pump's) to N.
std::vector<double> SavingFlows(const LifetimeResult& result);

}  // namespace tervalo::lifetime

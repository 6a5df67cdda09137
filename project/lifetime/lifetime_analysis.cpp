#include "project/lifetime/lifetime_analysis.h"

#include <algorithm>
#include <cmath>

namespace tervalo::lifetime {

namespace {

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

// The investments of one system year by year (index 0 to `years`): the purchase, each replacement when its
// service life ends within the years of use, and the residual value of the last purchase as a credit in the
// last year.
std::vector<double> Investments(const LifetimeInputs& in, double cost, int life, int years,
                                SystemLife& system) {
    std::vector<double> flows(static_cast<std::size_t>(years) + 1, 0.0);
    flows[0] = cost;
    if (!in.replacementCounted || years < 1) return flows;
    int last = 0;
    double lastCost = cost;
    for (int year = life; year < years; year += life) {
        lastCost = cost * std::pow(1 + in.investmentPriceChange_pct / 100, year) * Inflation(in, year);
        flows[static_cast<std::size_t>(year)] += lastCost;
        system.replacementYears.push_back(year);
        last = year;
    }
    system.residualValue = lastCost * (last + life - years) / life;
    flows[static_cast<std::size_t>(years)] -= system.residualValue;
    return flows;
}

LifetimeResult Evaluate(const LifetimeInputs& inputs, const AnnualFigures& first, bool withSensitivity);

std::vector<SensitivityCase> Sensitivity(const LifetimeInputs& inputs, const AnnualFigures& first) {
    const auto shifted = [&](SensitivityInput input, double shift) {
        LifetimeInputs s = inputs;
        switch (input) {
            case SensitivityInput::DiscountRate:
                s.discountRate_pct = std::max(s.discountRate_pct + shift, -99.0);
                break;
            case SensitivityInput::EnergyPriceChange:
                s.fuelPriceChange_pct = std::max(s.fuelPriceChange_pct + shift, -99.0);
                s.electricityPriceChange_pct = std::max(s.electricityPriceChange_pct + shift, -99.0);
                break;
            case SensitivityInput::ServiceLife:
                s.heatPumpServiceLife = std::max(s.heatPumpServiceLife + static_cast<int>(shift), 1);
                s.boilerServiceLife = std::max(s.boilerServiceLife + static_cast<int>(shift), 1);
                break;
        }
        return Evaluate(s, first, false);
    };
    std::vector<SensitivityCase> cases;
    const std::pair<SensitivityInput, double> shifts[] = {
        {SensitivityInput::DiscountRate, kSensitivityRateShift_pct},
        {SensitivityInput::EnergyPriceChange, kSensitivityPriceShift_pct},
        {SensitivityInput::ServiceLife, kSensitivityLifeShift}};
    for (const auto& [input, shift] : shifts) {
        const LifetimeResult low = shifted(input, -shift), high = shifted(input, shift);
        cases.push_back({input, -shift, shift, low.netPresentValue, high.netPresentValue,
                         low.discountedPayback_years, high.discountedPayback_years});
    }
    return cases;
}

// The household's view of a loan over part of the heat pump's net cost: it pays that much less in year 0 and
// the annuity after, the balance still open at the end of the years of use in their last year.
void Loan(const LifetimeInputs& in, LifetimeResult& result, double rate) {
    LoanFigures& loan = result.loan;
    const int years = static_cast<int>(result.years.size()) - 1;
    const double loanRate = in.loanRate_pct / 100;
    loan.amount = result.years[0].heatPumpCost * in.loanShare_pct / 100;
    loan.payment = AnnuityPayment(loanRate, in.loanTerm, loan.amount);
    double balance = loan.amount, paid = 0;
    for (YearFigures& y : result.years) {
        y.householdSaving = y.saving;
        if (loan.amount <= 0) continue;
        if (y.year == 0) {
            y.householdSaving += loan.amount;
            continue;
        }
        double nominal = 0;
        if (y.year <= in.loanTerm) {
            nominal = loan.payment;
            balance = balance * (1 + loanRate) - loan.payment;
        }
        if (y.year == years && y.year < in.loanTerm) nominal += balance;
        paid += nominal;
        // Fixed payments in the money of their year: on a real basis inflation shrinks them.
        y.loanPayment = in.nominal ? nominal : nominal / std::pow(1 + in.inflation_pct / 100, y.year);
        y.householdSaving -= y.loanPayment;
    }
    loan.totalInterest = loan.amount > 0 ? paid - loan.amount : 0;
    std::vector<double> household;
    for (const YearFigures& y : result.years) household.push_back(y.householdSaving);
    loan.householdNpv = NetPresentValue(household, rate);
    loan.householdSimplePayback_years = PaybackYears(household);
    loan.householdDiscountedPayback_years = PaybackYears(Discounted(household, rate));
}

LifetimeResult Evaluate(const LifetimeInputs& inputs, const AnnualFigures& first, bool withSensitivity) {
    LifetimeResult result;
    const double rate = inputs.discountRate_pct / 100;
    const std::vector<double> grid = GridFactorPath(inputs, first.gridFactorToday);
    const std::vector<double> co2Prices = Co2PricePath(inputs);
    const double fuelChange_pct =
        first.fuelIsGridElectricity ? inputs.electricityPriceChange_pct : inputs.fuelPriceChange_pct;
    const bool co2InBoilerCost =
        first.fuelIsGridElectricity ? inputs.co2AddedToElectricity : inputs.co2AddedToFuel;
    result.subsidy = SubsidyAmount(inputs);
    const int years = std::clamp(inputs.yearsOfUse, 0, kMaxYearsOfUse);
    const std::vector<double> boilerInvestments =
        Investments(inputs, inputs.boilerCost, inputs.boilerServiceLife, years, result.boiler);
    const std::vector<double> heatPumpInvestments =
        Investments(inputs, inputs.heatPumpCost, inputs.heatPumpServiceLife, years, result.heatPump);

    YearFigures start;
    start.calendarYear = inputs.firstYear - 1;
    start.boilerCost = inputs.boilerCost;
    start.heatPumpCost = inputs.heatPumpCost - result.subsidy;
    start.boilerInvestment = start.boilerCost;
    start.heatPumpInvestment = start.heatPumpCost;
    result.years.push_back(start);

    std::vector<double> boilerCosts{start.boilerCost}, heatPumpCosts{start.heatPumpCost};
    for (int year = 1; year <= years; ++year) {
        const auto index = static_cast<std::size_t>(year);
        YearFigures y;
        y.year = year;
        y.calendarYear = inputs.firstYear + year - 1;
        y.gridFactor = grid[index - 1];
        // Year 1 pays the first year's prices; on a nominal basis grown by a year's inflation, as they are
        // paid at its end.
        const double inflation = Inflation(inputs, year);
        const double fuelGrowth = std::pow(1 + fuelChange_pct / 100, year - 1) * inflation;
        const double electricityGrowth =
            std::pow(1 + inputs.electricityPriceChange_pct / 100, year - 1) * inflation;
        const double maintenanceGrowth =
            std::pow(1 + inputs.maintenancePriceChange_pct / 100, year - 1) * inflation;
        const double fuelStanding = inputs.fuelStandingCharge * fuelGrowth;
        y.boilerCo2_kg = first.fuelIsGridElectricity ? first.fuel_kWh * y.gridFactor : first.fuelCo2_kg;
        y.heatPumpCo2_kg = first.electricity_kWh * y.gridFactor;
        if (first.heatPumpFuelCo2_kg != 0) y.heatPumpCo2_kg += first.heatPumpFuelCo2_kg;
        y.co2Price = co2Prices[index - 1] * inflation;
        y.boilerCo2Cost = y.boilerCo2_kg / 1000 * y.co2Price;
        y.heatPumpCo2Cost = y.heatPumpCo2_kg / 1000 * y.co2Price;
        y.boilerInvestment = boilerInvestments[index];
        y.heatPumpInvestment = heatPumpInvestments[index];
        y.boilerCost =
            first.fuelCost * fuelGrowth + fuelStanding + inputs.boilerMaintenance * maintenanceGrowth;
        y.heatPumpCost = (first.electricityCost + inputs.electricityStandingCharge) * electricityGrowth +
                         inputs.heatPumpMaintenance * maintenanceGrowth +
                         (inputs.fuelConnectionGivenUp ? 0 : fuelStanding);
        // Added only where there is something to add, so that results without these stay as they were.
        if (first.heatPumpFuelCost != 0) y.heatPumpCost += first.heatPumpFuelCost * fuelGrowth;
        if (co2InBoilerCost) y.boilerCost += y.boilerCo2Cost;
        if (inputs.co2AddedToElectricity) y.heatPumpCost += y.heatPumpCo2Cost;
        if (y.boilerInvestment != 0) y.boilerCost += y.boilerInvestment;
        if (y.heatPumpInvestment != 0) y.heatPumpCost += y.heatPumpInvestment;
        boilerCosts.push_back(y.boilerCost);
        heatPumpCosts.push_back(y.heatPumpCost);
        result.boiler.co2Cost += y.boilerCo2Cost;
        result.heatPump.co2Cost += y.heatPumpCo2Cost;
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
    result.annuityFactor = AnnuityPayment(rate, years, 1.0);
    result.boiler.annualCost = AnnuityPayment(rate, years, NetPresentValue(boilerCosts, rate));
    result.heatPump.annualCost = AnnuityPayment(rate, years, NetPresentValue(heatPumpCosts, rate));

    result.co2SavingGrid_kg = boilerCo2 - heatPumpCo2;
    // At today's factor on the basis of the year-by-year figures: electric heating's CO2 is its grid
    // electricity times the factor, as in every year of the path.
    const double boilerCo2Today =
        first.fuelIsGridElectricity ? first.fuel_kWh * first.gridFactorToday : first.fuelCo2_kg;
    result.co2SavingToday_kg = years * (boilerCo2Today - first.electricityCo2_kg - first.heatPumpFuelCo2_kg);
    Loan(inputs, result, rate);
    if (withSensitivity) result.sensitivity = Sensitivity(inputs, first);
    return result;
}

}  // namespace

double Inflation(const LifetimeInputs& inputs, int years) {
    return inputs.nominal ? std::pow(1 + inputs.inflation_pct / 100, years) : 1.0;
}

LifetimeResult EvaluateLifetime(const LifetimeInputs& inputs, const AnnualFigures& first) {
    return Evaluate(inputs, first, true);
}

std::vector<double> SavingFlows(const LifetimeResult& result) {
    std::vector<double> flows;
    flows.reserve(result.years.size());
    for (const YearFigures& y : result.years) flows.push_back(y.saving);
    return flows;
}

}  // namespace tervalo::lifetime

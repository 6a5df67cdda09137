// The yearly costs and CO2 of both systems and what choosing the heat pump is worth, against hand-derived
// closed forms.

#include "project/lifetime/lifetime_analysis.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tervalo::lifetime {
namespace {

// Round figures: no price changes, no standing charges, no discounting unless a test sets them; each system
// bought once, no CO2 price, no loan.
LifetimeInputs Plain() {
    LifetimeInputs in = WithoutExtensions(DefaultLifetimeInputs(2026));
    in.heatPumpCost = 20000;
    in.boilerCost = 8000;
    in.subsidy = 0;
    in.subsidyIsPercentage = false;
    in.yearsOfUse = 10;
    in.discountRate_pct = 0;
    in.fuelPriceChange_pct = 0;
    in.electricityPriceChange_pct = 0;
    in.fuelStandingCharge = 0;
    in.electricityStandingCharge = 0;
    in.heatPumpMaintenance = 0;
    in.boilerMaintenance = 0;
    in.gridTargetYear = 2026;  // today's factor throughout
    return in;
}

// 20 000 kWh of heat: 22 000 kWh of gas at 0.10 per kWh and 0.2 kg per kWh; 6 000 kWh of electricity at 0.30
// and today's 0.4 kg per kWh.
AnnualFigures Gas() {
    AnnualFigures f;
    f.heat_kWh = 20000;
    f.fuel_kWh = 22000;
    f.fuelCost = 2200;
    f.fuelCo2_kg = 4400;
    f.electricity_kWh = 6000;
    f.electricityCost = 1800;
    f.electricityCo2_kg = 2400;
    f.gridFactorToday = 0.4;
    return f;
}

TEST(Lifetime, EvenYearsGiveTheirClosedForms) {
    const LifetimeResult r = EvaluateLifetime(Plain(), Gas());
    ASSERT_EQ(r.years.size(), 11u);
    EXPECT_EQ(r.years[0].calendarYear, 2025);
    EXPECT_EQ(r.years[10].calendarYear, 2035);
    EXPECT_DOUBLE_EQ(r.years[10].cumulativeBoilerCost, 8000 + 10 * 2200);
    EXPECT_DOUBLE_EQ(r.years[10].cumulativeHeatPumpCost, 20000 + 10 * 1800);
    EXPECT_DOUBLE_EQ(r.netPresentValue, -12000 + 10 * 400);
    EXPECT_FALSE(r.simplePayback_years) << "12 000 extra, 400 a year: 30 years";
    EXPECT_EQ(r.internalRate.status, IrrStatus::Unique);
    EXPECT_LT(r.internalRate.rate, 0);
    EXPECT_DOUBLE_EQ(r.co2SavingToday_kg, 10 * (4400 - 2400));
    EXPECT_DOUBLE_EQ(r.co2SavingGrid_kg, r.co2SavingToday_kg);
    // At r = 0 the levelised cost is the lifetime cost over the lifetime heat.
    EXPECT_DOUBLE_EQ(*r.boilerLevelisedCost, (8000 + 10 * 2200) / (10 * 20000.0));
    EXPECT_DOUBLE_EQ(*r.heatPumpLevelisedCost, (20000 + 10 * 1800) / (10 * 20000.0));
}

TEST(Lifetime, SubsidyStandingChargesAndMaintenanceMakeThePayback) {
    LifetimeInputs in = Plain();
    in.subsidy = 30;
    in.subsidyIsPercentage = true;  // 6 000: extra investment 6 000
    in.fuelStandingCharge = 250;
    in.boilerMaintenance = 200;
    in.heatPumpMaintenance = 150;  // yearly saving 2200 + 250 + 200 - 1800 - 150 = 700
    const LifetimeResult r = EvaluateLifetime(in, Gas());
    EXPECT_DOUBLE_EQ(r.subsidy, 6000);
    EXPECT_DOUBLE_EQ(r.years[3].saving, 700);
    EXPECT_DOUBLE_EQ(*r.simplePayback_years, 6000.0 / 700);
    EXPECT_DOUBLE_EQ(*r.discountedPayback_years, 6000.0 / 700) << "rate 0";

    in.fuelConnectionGivenUp = false;  // the heat pump keeps paying the fuel's standing charge: saving 450
    EXPECT_DOUBLE_EQ(EvaluateLifetime(in, Gas()).years[3].saving, 450);

    in.subsidyIsPercentage = false;
    in.subsidy = 50000;  // more than the heat pump costs
    EXPECT_DOUBLE_EQ(EvaluateLifetime(in, Gas()).subsidy, 20000);
}

// The discounted payback against a year-by-year count of the discounted savings: at 5 % the 700 a year repay
// the 6 000 in the twelfth year, not in the ninth as undiscounted.
TEST(Lifetime, DiscountedPaybackCountsDiscountedSavings) {
    LifetimeInputs in = Plain();
    in.subsidy = 30;
    in.subsidyIsPercentage = true;
    in.fuelStandingCharge = 250;
    in.boilerMaintenance = 200;
    in.heatPumpMaintenance = 150;
    in.yearsOfUse = 15;
    in.discountRate_pct = 5;
    const LifetimeResult r = EvaluateLifetime(in, Gas());
    double repaid = 0;
    int year = 0;
    while (repaid + 700 / std::pow(1.05, year + 1) < 6000) repaid += 700 / std::pow(1.05, ++year);
    ASSERT_EQ(year, 11);
    ASSERT_TRUE(r.discountedPayback_years);
    EXPECT_NEAR(*r.discountedPayback_years, year + (6000 - repaid) / (700 / std::pow(1.05, year + 1)), 1e-12);
    EXPECT_DOUBLE_EQ(*r.simplePayback_years, 6000.0 / 700);

    in.yearsOfUse = 11;  // repaid undiscounted, not discounted
    EXPECT_TRUE(EvaluateLifetime(in, Gas()).simplePayback_years);
    EXPECT_FALSE(EvaluateLifetime(in, Gas()).discountedPayback_years);
}

// Savings growing by g a year, discounted at r: S (1 - ((1 + g)/(1 + r))^N) / (r - g) (a growing annuity).
TEST(Lifetime, PriceChangesAndDiscountingGiveTheGrowingAnnuity) {
    LifetimeInputs in = Plain();
    in.yearsOfUse = 20;
    in.discountRate_pct = 4;
    in.fuelPriceChange_pct = 3;
    in.electricityPriceChange_pct = 3;
    const LifetimeResult r = EvaluateLifetime(in, Gas());
    EXPECT_DOUBLE_EQ(r.years[1].boilerCost, 2200) << "year 1 at the first year's figures";
    EXPECT_NEAR(r.years[20].boilerCost, 2200 * std::pow(1.03, 19), 1e-9);
    const double growing = 400 * (1 - std::pow(1.03 / 1.04, 20)) / (0.04 - 0.03);
    EXPECT_NEAR(r.netPresentValue, -12000 + growing, 1e-8);

    // Where the rate equals the growth every year is worth S / (1 + r) today.
    in.discountRate_pct = 3;
    EXPECT_NEAR(EvaluateLifetime(in, Gas()).netPresentValue, -12000 + 20 * 400 / 1.03, 1e-8);

    // A negative discount rate weighs later years more; the formula holds alike.
    in.discountRate_pct = -1;
    EXPECT_NEAR(EvaluateLifetime(in, Gas()).netPresentValue,
                -12000 + 400 * (1 - std::pow(1.03 / 0.99, 20)) / (-0.01 - 0.03), 1e-8);
}

TEST(Lifetime, LevelisedCostIsTheAnnuityOfTheDiscountedCost) {
    LifetimeInputs in = Plain();
    in.discountRate_pct = 5;
    const LifetimeResult r = EvaluateLifetime(in, Gas());
    const double annuityFactor = 0.05 / (1 - std::pow(1.05, -10));
    EXPECT_NEAR(*r.heatPumpLevelisedCost, (20000 * annuityFactor + 1800) / 20000, 1e-15);
    EXPECT_NEAR(*r.boilerLevelisedCost, (8000 * annuityFactor + 2200) / 20000, 1e-15);
    AnnualFigures noHeat = Gas();
    noHeat.heat_kWh = 0;
    EXPECT_FALSE(EvaluateLifetime(in, noHeat).heatPumpLevelisedCost);
}

TEST(Lifetime, SavingThatNeverPaysBackHasNoPaybackAndNoRate) {
    AnnualFigures dear = Gas();
    dear.electricityCost = 2500;  // the heat pump costs more to run and more to buy
    const LifetimeResult r = EvaluateLifetime(Plain(), dear);
    EXPECT_FALSE(r.simplePayback_years);
    EXPECT_FALSE(r.discountedPayback_years);
    EXPECT_EQ(r.internalRate.status, IrrStatus::NoSignChange);
    EXPECT_DOUBLE_EQ(r.netPresentValue, -12000 - 10 * 300);
}

TEST(Lifetime, OneYearOfUse) {
    LifetimeInputs in = Plain();
    in.yearsOfUse = 1;
    in.heatPumpCost = 8300;  // extra 300, saving 400 in the year
    const LifetimeResult r = EvaluateLifetime(in, Gas());
    ASSERT_EQ(r.years.size(), 2u);
    EXPECT_DOUBLE_EQ(*r.simplePayback_years, 0.75);
    EXPECT_NEAR(r.internalRate.rate, 400.0 / 300 - 1, 1e-14);
    EXPECT_NEAR(*r.heatPumpLevelisedCost, (8300 + 1800) / 20000.0, 1e-15);
}

TEST(Lifetime, GridPathFallsLinearlyToTheTargetAndEditsReplaceIt) {
    LifetimeInputs in = Plain();
    in.yearsOfUse = 25;
    in.gridTargetYear = 2046;  // 20 years from 2026
    in.gridTargetFactor = 0.1;
    const std::vector<double> path = GridFactorPath(in, 0.4);
    ASSERT_EQ(path.size(), 25u);
    EXPECT_DOUBLE_EQ(path[0], 0.4);
    EXPECT_NEAR(path[10], 0.25, 1e-15) << "2036, half way";
    EXPECT_DOUBLE_EQ(path[20], 0.1);
    EXPECT_DOUBLE_EQ(path[24], 0.1);

    // Years 1 to 20: 6000 kWh × (0.4 - 0.015 i), i = 0..19; years 21 to 25 at 0.1.
    const LifetimeResult r = EvaluateLifetime(in, Gas());
    const double heatPumpCo2 = 6000 * (20 * 0.4 - 0.015 * 190) + 5 * 6000 * 0.1;
    EXPECT_NEAR(r.co2SavingGrid_kg, 25 * 4400 - heatPumpCo2, 1e-9);
    EXPECT_DOUBLE_EQ(r.co2SavingToday_kg, 25 * (4400 - 2400));
    EXPECT_NEAR(r.years[25].cumulativeHeatPumpCo2_kg, heatPumpCo2, 1e-9);

    in.gridFactorEdits = {0.5, 0.45};
    const std::vector<double> edited = GridFactorPath(in, 0.4);
    EXPECT_DOUBLE_EQ(edited[0], 0.5);
    EXPECT_DOUBLE_EQ(edited[1], 0.45);
    EXPECT_NEAR(edited[2], 0.37, 1e-15) << "the path again after the edits";

    in.gridFactorEdits.clear();
    in.gridTargetYear = 2020;  // no fall defined
    EXPECT_DOUBLE_EQ(GridFactorPath(in, 0.4)[24], 0.4);
}

// Direct electric heating as the alternative: its price and its CO2 are the grid's.
TEST(Lifetime, ElectricHeatingFollowsTheGrid) {
    LifetimeInputs in = Plain();
    in.gridTargetYear = 2036;
    in.gridTargetFactor = 0.2;
    in.fuelPriceChange_pct = 10;
    in.electricityPriceChange_pct = 2;
    AnnualFigures electric = Gas();
    electric.fuelIsGridElectricity = true;
    electric.fuel_kWh = 20000;
    electric.fuelCost = 6000;
    electric.fuelCo2_kg = 8000;
    const LifetimeResult r = EvaluateLifetime(in, electric);
    EXPECT_NEAR(r.years[2].boilerCost, 6000 * 1.02, 1e-9);
    EXPECT_NEAR(r.years[6].boilerCo2_kg, 20000 * 0.3, 1e-9);
    EXPECT_NEAR(r.years[6].heatPumpCo2_kg, 6000 * 0.3, 1e-9);
}

// Electric heating's CO2 at today's factor has the basis of its year-by-year CO2 (the grid electricity times
// the factor, not the balance's figure in whole kilograms): with the factor held, both savings agree.
TEST(Lifetime, ElectricHeatingTodayFactorHasTheYearByYearBasis) {
    AnnualFigures electric = Gas();
    electric.fuelIsGridElectricity = true;
    electric.fuel_kWh = 20000.9;
    electric.fuelCo2_kg = 8000;  // ⌊20 000.9 × 0.4⌋, as the annual balance shows it
    const LifetimeResult r = EvaluateLifetime(Plain(), electric);
    EXPECT_NEAR(r.co2SavingToday_kg, 10 * (20000.9 * 0.4 - 2400), 1e-6);
    EXPECT_NEAR(r.co2SavingToday_kg, r.co2SavingGrid_kg, 1e-6);
}

// A percentage above 100 is the whole price; only what is no percentage at all takes the default.
TEST(Lifetime, PercentageSubsidyAboveAHundredIsCapped) {
    LifetimeInputs in = Plain();
    in.subsidyIsPercentage = true;
    in.subsidy = 150;
    const LifetimeInputs defaults = DefaultLifetimeInputs(2026);
    EXPECT_EQ(Sanitised(in, defaults).subsidy, 100);
    EXPECT_DOUBLE_EQ(EvaluateLifetime(Sanitised(in, defaults), Gas()).subsidy, 20000);
    in.subsidy = std::nan("");
    EXPECT_EQ(Sanitised(in, defaults).subsidy, defaults.subsidy);
    in.subsidy = -5;
    EXPECT_EQ(Sanitised(in, defaults).subsidy, defaults.subsidy);
}

}  // namespace
}  // namespace tervalo::lifetime

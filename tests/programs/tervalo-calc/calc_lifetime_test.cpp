// tervalo-calc's lifetime object: readable by any JSON reader, its results those of the comparison over the
// first year it reports, and that first year the balance the window shows.

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdlib>

#include "calc_program_fixture.h"
#include "project/lifetime/lifetime_analysis.h"
#include "project/lifetime/lifetime_file.h"
#include "project/round_down.h"

namespace tervalo {
namespace {

using Json = nlohmann::json;
using test::CalcProgram;
using test::CalcRun;
using test::kExample;
using test::RunCalc;
using test::WriteBytes;

lifetime::LifetimeInputs Typed() {
    lifetime::LifetimeInputs in = lifetime::DefaultLifetimeInputs(2030);
    in.heatPumpCost = 16000;
    in.subsidy = 4000;
    in.subsidyIsPercentage = false;
    in.yearsOfUse = 12;
    in.discountRate_pct = 4.5;
    in.fuelConnectionGivenUp = false;
    in.gridTargetYear = 2038;
    in.gridFactorEdits = {0.55, 0.5};
    in.boilerServiceLife = 8;  // bought again after 8 years, 4 of 8 left at the end
    in.nominal = true;
    in.inflation_pct = 2;
    in.co2AddedToFuel = true;
    in.loanShare_pct = 60;
    in.loanTerm = 8;
    return in;
}

lifetime::AnnualFigures FiguresOf(const Json& first, double gridFactorToday) {
    lifetime::AnnualFigures f;
    f.heat_kWh = first["heat_kwh"];
    f.fuel_kWh = first["fuel_kwh"];
    f.fuelCost = first["fuel_cost"];
    f.fuelCo2_kg = first["fuel_co2_kg"];
    f.fuelIsGridElectricity = first["fuel_is_grid_electricity"];
    f.electricity_kWh = first["electricity_kwh"];
    f.electricityCost = first["electricity_cost"];
    f.electricityCo2_kg = first["electricity_co2_kg"];
    f.gridFactorToday = gridFactorToday;
    return f;
}

TEST_F(CalcProgram, LifetimeObjectParsesAndHoldsTheComparisonOfTheSavedInputs) {
    ASSERT_TRUE(lifetime::SaveLifetimeInputs(Typed()));
    const CalcRun run = RunCalc(std::string(kExample) + " --json");
    ASSERT_EQ(run.status, 0) << run.errors;
    // Any JSON reader takes it: Python's, as a script would.
    WriteBytes("calc.json", run.output);
    ASSERT_EQ(std::system("python3 -c \"import json; d = json.load(open('calc.json')); "
                          "print(len(d['lifetime']['years']), d['lifetime']['current'])\" > python.txt"),
              0);
    EXPECT_EQ(test::ReadBytes("python.txt"), "13 True\n");

    const Json document = Json::parse(run.output);
    const Json& l = document["lifetime"];
    EXPECT_FALSE(l["inputs_file_damaged"].get<bool>());
    EXPECT_EQ(l["inputs"]["heat_pump_cost"], 16000);
    EXPECT_EQ(l["inputs"]["subsidy_amount"], 4000);
    EXPECT_EQ(l["inputs"]["grid_factor_edits"], Json::array({0.55, 0.5}));
    EXPECT_EQ(l["inputs"]["grid_factor_today"], 0.6) << "field 5 of energk.dat";

    // The first year is the balance the window shows, rounded down as it shows it.
    const Json& first = l["first_year"];
    EXPECT_EQ(RoundDown(first["fuel_cost"]), document["results"]["Label27"]["value"]);
    EXPECT_EQ(RoundDown(first["electricity_cost"]), document["results"]["BetrKo"]["value"]);

    // The results are the comparison over that first year.
    const lifetime::LifetimeResult expected =
        lifetime::EvaluateLifetime(Typed(), FiguresOf(first, l["inputs"]["grid_factor_today"]));
    const Json& r = l["results"];
    const auto same = [](const Json& value, double exact) {
        EXPECT_NEAR(value.get<double>(), exact, 1e-9 * std::max(1.0, std::fabs(exact)));
    };
    same(r["net_present_value"], expected.netPresentValue);
    ASSERT_TRUE(expected.simplePayback_years && expected.discountedPayback_years)
        << "a project that pays back";
    same(r["simple_payback_years"], *expected.simplePayback_years);
    same(r["discounted_payback_years"], *expected.discountedPayback_years);
    EXPECT_EQ(r["internal_rate_of_return"]["status"], "unique");
    same(r["internal_rate_of_return"]["percent"], expected.internalRate.rate * 100);
    same(r["levelised_cost_of_heat"]["heat_pump"], *expected.heatPumpLevelisedCost);
    same(r["levelised_cost_of_heat"]["boiler"], *expected.boilerLevelisedCost);
    same(r["co2_saving_t"]["decarbonising_grid"], expected.co2SavingGrid_kg / 1000);
    same(r["co2_saving_t"]["today_factor"], expected.co2SavingToday_kg / 1000);
    EXPECT_EQ(r["rate_basis"], "nominal");
    same(r["annuity_factor"], expected.annuityFactor);
    EXPECT_EQ(r["boiler"]["replacement_years"], Json::array({8}));
    same(r["heat_pump"]["residual_value"], expected.heatPump.residualValue);
    same(r["heat_pump"]["annual_equivalent_cost"], expected.heatPump.annualCost);
    same(r["boiler"]["co2_cost"], expected.boiler.co2Cost);
    same(r["loan"]["yearly_payment"], expected.loan.payment);
    same(r["loan"]["total_interest"], expected.loan.totalInterest);
    same(r["loan"]["household_net_present_value"], expected.loan.householdNpv);
    ASSERT_EQ(r["sensitivity"].size(), 3u);
    EXPECT_EQ(r["sensitivity"][2]["input"], "service_life");
    same(r["sensitivity"][0]["high_net_present_value"], expected.sensitivity[0].highNpv);
    ASSERT_EQ(l["years"].size(), expected.years.size());
    for (std::size_t y = 0; y < expected.years.size(); ++y) {
        SCOPED_TRACE(y);
        const Json& year = l["years"][y];
        EXPECT_EQ(year["calendar_year"], expected.years[y].calendarYear);
        same(year["grid_factor"], expected.years[y].gridFactor);
        same(year["saving"], expected.years[y].saving);
        same(year["discounted_saving"], expected.years[y].discountedSaving);
        same(year["cumulative_heat_pump_co2_kg"], expected.years[y].cumulativeHeatPumpCo2_kg);
        same(year["heat_pump_investment"], expected.years[y].heatPumpInvestment);
        same(year["boiler_co2_cost"], expected.years[y].boilerCo2Cost);
        same(year["household_saving"], expected.years[y].householdSaving);
    }
}

TEST_F(CalcProgram, LifetimeObjectSaysWhatItLacks) {
    WriteBytes("Lifetime.dat", "\"Tervalo lifetime inputs\",1\r\n\"YearsOfUse\",many\r\n");
    const CalcRun damaged = RunCalc(std::string(kExample) + " --json");
    ASSERT_EQ(damaged.status, 0) << damaged.errors;
    const Json l = Json::parse(damaged.output)["lifetime"];
    EXPECT_TRUE(l["inputs_file_damaged"].get<bool>());
    EXPECT_EQ(l["inputs"]["years_of_use"], 20) << "the default in its place";

    // A balance that stops before the costs (efficiency 0) leaves no figure to report.
    const CalcRun stopped = RunCalc(std::string(kExample) + " WirkGKessel=0 --json");
    const Json none = Json::parse(stopped.output)["lifetime"];
    EXPECT_FALSE(none["current"].get<bool>());
    EXPECT_TRUE(none["first_year"].is_null());
    EXPECT_TRUE(none["results"].is_null());
    EXPECT_EQ(none["years"], Json::array());
}

}  // namespace
}  // namespace tervalo

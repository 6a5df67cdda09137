// The lifetime comparison of a project: year 1 is the annual balance the window shows, and no figure is
// current while the window's results are not those of the inputs shown.

#include "project/lifetime/project_lifetime.h"

#include <random>

#include "engine/number_text.h"
#include "localisation/lifetime_texts.h"
#include "project/calculation.h"
#include "project/field_numbers.h"
#include "project/heating_kind.h"
#include "project/lifetime/lifetime_rows.h"
#include "project/round_down.h"
#include "project/seasonal/project_seasons.h"
#include "project/seasonal/seasonal_file.h"
#include "project_fixture.h"

namespace tervalo::lifetime {
namespace {

using test::hp;
using test::WriteBytes;

class ProjectLifetimeTest : public test::ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        InstallR22Table();
        WriteBytes("energk.dat", "2000,1,0.3,1,0.6\r\n");
        EnterWorkedExample();
        r.t0 = "-5";
        r.Tc = "45";
    }
    // Only the energy: no standing charges and no maintenance, so year 1 is the balance alone.
    static LifetimeInputs EnergyOnly() {
        LifetimeInputs in = DefaultLifetimeInputs(2026);
        in.fuelStandingCharge = in.electricityStandingCharge = 0;
        in.heatPumpMaintenance = in.boilerMaintenance = 0;
        return in;
    }
    ProjectRecord& r = record_;
};

TEST_F(ProjectLifetimeTest, SeasonalBasisTakesTheAverageSeasonsElectricity) {
    LifetimeInputs in = EnergyOnly();
    const ProjectLifetime designPoint = EvaluateProjectLifetime(r, in);
    ASSERT_TRUE(designPoint.first);
    EXPECT_FALSE(designPoint.seasonal);
    in.seasonalElectricity = true;
    const ProjectLifetime seasonal = EvaluateProjectLifetime(r, in);
    const seasonal::ProjectSeasons seasons =
        seasonal::EvaluateProjectSeasons(r, seasonal::LoadSeasonalFile().project);
    ASSERT_TRUE(seasonal.first && seasonal.seasonal && seasons.seasons.at(0).annual);
    const seasonal::SeasonAnnual& average = *seasons.seasons[0].annual;
    EXPECT_EQ(seasonal.first->electricity_kWh, average.electricity_kWh);
    EXPECT_DOUBLE_EQ(seasonal.first->electricityCost + seasonal.first->heatPumpFuelCost, average.cost);
    EXPECT_DOUBLE_EQ(seasonal.first->electricityCo2_kg + seasonal.first->heatPumpFuelCo2_kg, average.co2_kg);
    EXPECT_EQ(seasonal.first->fuelCost, designPoint.first->fuelCost) << "the boiler's side stays";
    EXPECT_EQ(seasonal.result->years[1].heatPumpCost,
              seasonal.first->electricityCost + seasonal.first->heatPumpFuelCost);

    // A back-up boiler's fuel: at the fuel's price and CO2 per kWh, apart from the electricity.
    AnnualFigures first;
    first.fuel_kWh = 20000;
    first.fuelCost = 2000;
    first.fuelCo2_kg = 4000;
    const AnnualFigures split = WithSeasonalElectricity(first, 5000, 1900, 2600, 2000);
    EXPECT_DOUBLE_EQ(split.heatPumpFuelCost, 200);
    EXPECT_DOUBLE_EQ(split.heatPumpFuelCo2_kg, 400);
    EXPECT_DOUBLE_EQ(split.electricityCost, 1700);
    EXPECT_DOUBLE_EQ(split.electricityCo2_kg, 2200);
}

TEST_F(ProjectLifetimeTest, FirstYearOfRandomProjectsIsTheBalanceTheWindowShows) {
    std::mt19937 random(20261207);
    const auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto decimals = [](double value, int places) {
        return GeneralNumberText(RoundDownTo(value, places), '.');
    };
    for (int trial = 0; trial < 200; ++trial) {
        const int kind = trial % 4;
        DrawRandomHouse(random, trial);
        r.t0 = LocaleFormat(std::round(uniform(-20, 5)), '.');
        r.Tc = LocaleFormat(std::round(uniform(35, 60)), '.');
        r.DecimalSeparator = trial % 3 == 0 ? ',' : '.';
        const std::string factor = decimals(uniform(0.05, 1), 1000);
        WriteBytes("energk.dat", "2000,1,0.3,1," + factor + "\r\n");
        SCOPED_TRACE(testing::Message()
                     << "trial " << trial << ": " << r.WohnFL << " m², " << r.SpezHeizLeist << ", kind "
                     << kind << ", t0 " << r.t0 << ", Tc " << r.Tc << ", f " << factor);
        CalculationRun(r);  // what each action of the window ends with

        const ProjectLifetime lifetime = EvaluateProjectLifetime(r, EnergyOnly());
        ASSERT_TRUE(lifetime.first && lifetime.result);
        EXPECT_TRUE(lifetime.current);
        const YearFigures& year1 = lifetime.result->years.at(1);
        // Costs in whole currency units, CO2 in whole kilograms, each rounded down as the window shows them.
        EXPECT_EQ(RoundDown(year1.boilerCost), FieldNumber(r.Label27));
        EXPECT_EQ(RoundDown(year1.heatPumpCost), FieldNumber(r.BetrKo));
        EXPECT_NEAR(RoundDown(year1.boilerCo2_kg), 1000 * FieldNumber(r.Label38), 1e-6);
        EXPECT_NEAR(RoundDown(year1.heatPumpCo2_kg), 1000 * FieldNumber(r.co2consum), 1e-6);
        EXPECT_DOUBLE_EQ(year1.gridFactor, FieldNumber(factor));
        // The CO2 saved at today's factor: the window's tonnes, to the kilogram the heat pump's figure is cut
        // to.
        const int years = lifetime.inputs.yearsOfUse;
        EXPECT_NEAR(lifetime.first->electricityCo2_kg, 1000 * FieldNumber(r.co2consum), 1.0);
        EXPECT_NEAR(lifetime.result->co2SavingToday_kg,
                    years * 1000 * (FieldNumber(r.Label38) - FieldNumber(r.co2consum)), years * 1.0);
    }
}

TEST_F(ProjectLifetimeTest, NoFigureIsCurrentUnlessTheWindowShowsThisBalance) {
    CalculationRun(r);
    const LifetimeInputs in = DefaultLifetimeInputs(2026);
    ASSERT_TRUE(EvaluateProjectLifetime(r, in).current);

    ProjectRecord typed = r;
    typed.WohnFL = "200";  // typed, not yet calculated: the window still shows the balance of 150 m²
    const ProjectLifetime stale = EvaluateProjectLifetime(typed, in);
    EXPECT_TRUE(stale.first.has_value()) << "the figures of the inputs shown are there, but not current";
    EXPECT_FALSE(stale.current);

    ProjectRecord neverRun = r;
    neverRun.Results = ResultCurrency{};
    EXPECT_FALSE(EvaluateProjectLifetime(neverRun, in).current);

    ProjectRecord noBoiler = r;
    noBoiler.WirkGKessel = "0";  // the balance stops before either system's cost
    CalculationRun(noBoiler);
    const ProjectLifetime stopped = EvaluateProjectLifetime(noBoiler, in);
    EXPECT_FALSE(stopped.first.has_value());
    EXPECT_FALSE(stopped.result.has_value());
    EXPECT_FALSE(stopped.current);
}

// Within an action (the document of a run) the comparison takes its one load: the same figures as a load of
// its own, with each state of the factor file, and a table spoilt after that load no longer reaches it.
TEST_F(ProjectLifetimeTest, OnTheActionsLoadTheComparisonIsTheSame) {
    const auto same = [](const ProjectLifetime& a, const ProjectLifetime& b) {
        ASSERT_EQ(a.first.has_value(), b.first.has_value());
        ASSERT_EQ(a.result.has_value(), b.result.has_value());
        EXPECT_EQ(a.current, b.current);
        if (!a.result) return;
        EXPECT_EQ(a.first->electricityCo2_kg, b.first->electricityCo2_kg);
        EXPECT_EQ(a.first->gridFactorToday, b.first->gridFactorToday);
        EXPECT_EQ(a.result->netPresentValue, b.result->netPresentValue);
        EXPECT_EQ(a.result->co2SavingGrid_kg, b.result->co2SavingGrid_kg);
    };
    const LifetimeInputs in = DefaultLifetimeInputs(2026);
    for (const char* factors : {"2000,1,0.3,1,0.6\r\n", "2000,1\r\n", "2000,1,0.3,1,0\r\n"}) {
        SCOPED_TRACE(factors);
        WriteBytes("energk.dat", factors);
        CalculationRun(r);
        ActionLoads loads;
        same(EvaluateProjectLifetime(r, in, &loads), EvaluateProjectLifetime(r, in));
    }
    ActionLoads loads;
    const ProjectLifetime before = EvaluateProjectLifetime(r, in, &loads);
    ASSERT_TRUE(before.result);
    WriteBytes("R22.DAT", "damaged");
    same(EvaluateProjectLifetime(r, in, &loads), before);
    EXPECT_FALSE(EvaluateProjectLifetime(r, in).current) << "the next action loads again";
}

TEST_F(ProjectLifetimeTest, ElectricHeatingFollowsTheGridAsTheHeatPumpDoes) {
    r.HeizArt = hp(kHeatElectricity);
    CalculationRun(r);
    const ProjectLifetime lifetime = EvaluateProjectLifetime(r, EnergyOnly());
    ASSERT_TRUE(lifetime.first);
    EXPECT_TRUE(lifetime.first->fuelIsGridElectricity);
    const std::vector<YearFigures>& years = lifetime.result->years;
    // With both on the same falling grid the yearly CO2 keeps the ratio of the energies.
    for (std::size_t y = 1; y < years.size(); ++y)
        EXPECT_NEAR(years[y].boilerCo2_kg / years[y].heatPumpCo2_kg,
                    lifetime.first->fuel_kWh / lifetime.first->electricity_kWh, 1e-9);
}

TEST(LifetimeRows, FiguresInTheRegionalFormWithoutNegativeZero) {
    EXPECT_EQ(FixedText(1234.5678, 1, ','), "1234,6");
    EXPECT_EQ(FixedText(-0.04, 1, '.'), "0.0");
    EXPECT_EQ(FixedText(-0.05, 1, '.'), "-0.1");
    EXPECT_EQ(FixedText(2.5, 0, '.'), "2");
    EXPECT_EQ(FixedText(std::nan(""), 2, '.'), "-");
}

TEST(LifetimeRows, PaybackAndRateSayWhenThereIsNone) {
    std::vector<std::string> items;
    for (int item = 1; item <= lifetime_texts::kFile.itemCount; ++item)
        items.push_back("i" + std::to_string(item));
    const FeatureTexts texts(items, 1252);
    LifetimeResult result;
    result.simplePayback_years = 7.26;
    result.internalRate = {IrrStatus::NoSignChange, 0};
    std::vector<LifetimeRow> rows = LifetimeResultRows(result, {texts, "EUR", ','});
    EXPECT_EQ(rows[0].value, "7,3");
    EXPECT_EQ(rows[0].unit, texts[lifetime_texts::kYears]);
    EXPECT_EQ(rows[1].value, texts[lifetime_texts::kNotWithinYears]);
    EXPECT_EQ(rows[1].unit, "") << "no unit beside a payback that is not reached";
    EXPECT_EQ(rows[3].value, texts[lifetime_texts::kDoesNotExist]);
    EXPECT_EQ(rows[3].unit, "") << "nor beside a rate that does not exist";
    EXPECT_EQ(rows[2].unit, "EUR");

    result.internalRate = {IrrStatus::Unique, 0.0734};  // a fraction, shown as a percentage
    rows = LifetimeResultRows(result, {texts, "EUR", ','});
    EXPECT_EQ(rows[3].value + " " + rows[3].unit, "7,3 %");
}

}  // namespace
}  // namespace tervalo::lifetime

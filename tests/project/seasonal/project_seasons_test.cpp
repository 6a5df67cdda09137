// The project's own cycle through the seasons, on the staged R22 table: every bin's COP is the design-point
// calculation's at that bin, no bin beats Carnot, the seasonal COP rises with the source temperature and
// falls with the flow temperature, and the seasonal balance adds up.

#include "project/seasonal/project_seasons.h"

#include <filesystem>

#include "project/field_numbers.h"
#include "project/seasonal/seasonal_file.h"
#include "project_fixture.h"

namespace tervalo::seasonal {
namespace {

using test::hp;

class ProjectSeasonsTest : public test::ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        std::filesystem::copy_file(std::filesystem::path(TERVALO_DIST_DIR) / "R22.DAT", "R22.DAT");
        test::WriteBytes("energk.dat", "2000,1,0.3,1,0.6\r\n");
        EnterWorkedExample();
        r.AnwendBereich = hp(kHeatOutdoorAirToWater);
        r.t0 = "-5";
        r.Tc = "45";
    }
    ProjectRecord& r = record_;
};

TEST_F(ProjectSeasonsTest, EveryBinIsTheDesignPointCalculationThere) {
    const ProjectSeasons seasons = EvaluateProjectSeasons(r, {});
    EXPECT_EQ(seasons.source, Source::Air);
    EXPECT_EQ(seasons.designFlow_C, 45);
    EXPECT_EQ(seasons.degradation, 0.9);
    ASSERT_EQ(seasons.seasons.size(), 3u);
    EXPECT_EQ(seasons.seasons[0].climate, Climate::Average);
    for (const ProjectSeason& season : seasons.seasons) {
        ASSERT_TRUE(season.result) << static_cast<int>(season.climate);
        ASSERT_EQ(season.cycle.size(), season.result->bins.size());
        // Sized at the design temperature: no back-up.
        EXPECT_EQ(season.result->backupHeat_kWh, 0);
        EXPECT_NEAR(season.designLoad_kW * ReferenceSeason(season.climate).equivalentHours, 18000, 1e-6);
        for (std::size_t i = 0; i < season.cycle.size(); ++i) {
            const CycleBin& bin = season.cycle[i];
            EXPECT_EQ(bin.t0_C, season.result->bins[i].t_C - 7);
            EXPECT_NEAR(bin.tc_C, bin.flow_C + 3, 1e-12);
            EXPECT_LT(bin.heatingCop, bin.carnotCop);
            EXPECT_LE(season.result->bins[i].cop, bin.heatingCop + 1e-12);
        }
        // The design bin runs at the design flow temperature.
        EXPECT_NEAR(season.cycle.front().flow_C, 45, 1e-9);
    }
    // The bin at 7 °C of the average season is the window's calculation at t0 = 0 °C and its Tc.
    const ProjectSeason& average = seasons.seasons[0];
    const std::size_t at7 = 17;
    ASSERT_EQ(average.result->bins[at7].t_C, 7);
    ProjectRecord copy = r;
    copy.t0 = "0";
    copy.Tc = LocaleFormat(average.cycle[at7].tc_C, '.');
    const AnnualBalance run = CalculationRun(copy);
    ASSERT_TRUE(run.refrigerationCop);
    EXPECT_NEAR(average.cycle[at7].heatingCop, *run.refrigerationCop + 1, 1e-9);
    // The record keeps its texts.
    EXPECT_EQ(r.t0, "-5");
    EXPECT_EQ(r.GesEnergWP, "");
}

TEST_F(ProjectSeasonsTest, SeasonalCopFollowsFlowAndSourceTemperature) {
    // Falls as the distribution runs hotter.
    double previous = 1e9;
    for (const char* tc : {"38", "45", "55", "65"}) {
        r.Tc = tc;
        const ProjectSeasons seasons = EvaluateProjectSeasons(r, {});
        ASSERT_TRUE(seasons.seasons[0].result) << tc;
        const double scop = ProjectScop(*seasons.seasons[0].result, seasons.backup);
        EXPECT_LT(scop, previous) << tc;
        previous = scop;
    }
    // Rises with the source temperature: brine at 0 °C, water at 10 °C (both without cycling losses).
    r.Tc = "45";
    r.AnwendBereich = hp(kHeatGroundCollector);
    const ProjectSeasons brine = EvaluateProjectSeasons(r, {});
    r.AnwendBereich = hp(kHeatGroundWater);
    const ProjectSeasons water = EvaluateProjectSeasons(r, {});
    EXPECT_EQ(brine.source, Source::Brine);
    EXPECT_EQ(water.source, Source::Water);
    EXPECT_EQ(water.degradation, 1);
    for (std::size_t s = 0; s < 3; ++s) {
        ASSERT_TRUE(brine.seasons[s].result && water.seasons[s].result);
        EXPECT_GT(water.seasons[s].result->scopOn, brine.seasons[s].result->scopOn);
    }
    // A larger evaporator difference lowers t0 and the seasonal COP.
    ProjectSeasonInputs colder;
    colder.evaporatorDifference_K = 10;
    EXPECT_LT(EvaluateProjectSeasons(r, colder).seasons[0].result->scopOn, water.seasons[0].result->scopOn);
    // Brine and water have a certified band in the average season only.
    EXPECT_TRUE(water.seasons[0].band);
    EXPECT_FALSE(water.seasons[1].band);
}

TEST_F(ProjectSeasonsTest, BivalentOperationWithBackupOrBoiler) {
    ProjectSeasonInputs inputs;
    inputs.bivalent_C = -3;
    r.EinbindCheck = false;
    const ProjectSeasons electric = EvaluateProjectSeasons(r, inputs);
    const ProjectSeason& average = electric.seasons[0];
    ASSERT_TRUE(average.result && average.annual);
    EXPECT_EQ(electric.backup, Backup::Electric);
    EXPECT_GT(average.result->backupHeat_kWh, 0);
    for (const BinResult& bin : average.result->bins)
        EXPECT_EQ(bin.backup_kW > 1e-12, bin.t_C < -3) << bin.t_C;
    // Electricity: the heat over SCOP_on, back-up included.
    ASSERT_TRUE(electric.balance && electric.balance->heatPumpHeat);
    const double heat = *electric.balance->heatPumpHeat;
    EXPECT_NEAR(average.annual->electricity_kWh, heat / average.result->scopOn, 1e-6);
    EXPECT_NEAR(average.annual->cost, 0.2 * average.annual->electricity_kWh, 1e-6);
    EXPECT_EQ(average.annual->backupFuel_kWh, 0);
    // At the break-even electricity price the seasonal cost equals the boiler's.
    ASSERT_TRUE(average.annual->electricityPrice);
    EXPECT_NEAR(*average.annual->electricityPrice * average.annual->electricity_kWh,
                *electric.balance->fuelCost, 1e-6);

    // Keeping the boiler: it burns fuel for the back-up heat, the heat pump's electricity is its own part.
    r.EinbindCheck = true;
    const ProjectSeasons boiler = EvaluateProjectSeasons(r, inputs);
    const ProjectSeason& kept = boiler.seasons[0];
    ASSERT_TRUE(kept.result && kept.annual && boiler.balance);
    EXPECT_EQ(boiler.backup, Backup::Boiler);
    const double boilerHeat = *boiler.balance->heatPumpHeat;
    const double backupHeat = boilerHeat * kept.result->backupShare;
    EXPECT_NEAR(kept.annual->electricity_kWh, (boilerHeat - backupHeat) / kept.result->scopNet, 1e-6);
    EXPECT_NEAR(kept.annual->backupFuel_kWh, backupHeat / 0.9, 1e-6);
    // Equal cost at the break-even fuel price: the boiler alone against heat pump plus back-up fuel.
    ASSERT_TRUE(kept.annual->fuelPrice);
    const double units = *boiler.balance->fuelEnergy / *boiler.balance->calorificValue;
    const double backupUnits = kept.annual->backupFuel_kWh / *boiler.balance->calorificValue;
    EXPECT_NEAR(*kept.annual->fuelPrice * units,
                0.2 * kept.annual->electricity_kWh + *kept.annual->fuelPrice * backupUnits, 1e-6);
}

TEST_F(ProjectSeasonsTest, FlowTemperatureFollowsTheVariableOutletLine) {
    EXPECT_DOUBLE_EQ(FlowTemperature(1, 35), 35);
    EXPECT_DOUBLE_EQ(FlowTemperature(0.538, 35), 30);
    EXPECT_DOUBLE_EQ(FlowTemperature(0.154, 35), 24);
    EXPECT_DOUBLE_EQ(FlowTemperature(0.346, 55), 36);
    EXPECT_DOUBLE_EQ(FlowTemperature(0.885, 55), 52);
    // Scaled above the 20 °C room: 65 °C design on the 55 °C line.
    EXPECT_DOUBLE_EQ(FlowTemperature(1, 65), 65);
    EXPECT_DOUBLE_EQ(FlowTemperature(0.154, 65), 20 + 10 * 45.0 / 35);
    // Below the smallest part load the last segment goes on.
    EXPECT_NEAR(FlowTemperature(0, 35), 24 - 0.154 * 3 / 0.192, 1e-12);
    // Never rising as the load falls.
    for (double pl = 1; pl > 0; pl -= 0.01)
        EXPECT_GE(FlowTemperature(pl, 45), FlowTemperature(pl - 0.01, 45));
}

// Within an action (the document of a run) the seasons take its one load: the same document as a load of
// their own for every operating point, and a table spoilt after that load no longer reaches them.
TEST_F(ProjectSeasonsTest, OnTheActionsLoadTheSeasonsAreTheSame) {
    for (const char* t0 : {"-15", "-5", "2"})
        for (const char* tc : {"35", "55"}) {
            r.t0 = t0;
            r.Tc = tc;
            ActionLoads loads;
            EXPECT_EQ(ProjectSeasonsMember(r, &loads), ProjectSeasonsMember(r)) << t0 << "/" << tc;
        }
    ActionLoads loads;
    const std::string before = ProjectSeasonsMember(r, &loads);
    test::WriteBytes("R22.DAT", "damaged");
    EXPECT_EQ(ProjectSeasonsMember(r, &loads), before) << "one load per action";
    EXPECT_TRUE(EvaluateProjectSeasons(r, {}).seasons.empty() ||
                !EvaluateProjectSeasons(r, {}).seasons[0].result)
        << "the next action loads again";
}

TEST_F(ProjectSeasonsTest, NoSeasonsWithoutAHeatDemand) {
    r.WohnFL = "0";
    EXPECT_TRUE(EvaluateProjectSeasons(r, {}).seasons.empty());
}

}  // namespace
}  // namespace tervalo::seasonal

#include <filesystem>

#include "engine/saturation_lookup.h"
#include "project/cycle_view/cycle_view.h"
#include "project_fixture.h"
#include "support/system_traits.h"

namespace tervalo {
namespace {

using test::hp;

// The saturation values the cycle would read at tK, looked up as the engine does.
struct Looked {
    double hLiquid, pBubble, hVapour, pDew;
};
Looked LookUp(const SaturationTableLoad& table, double tK) {
    const SaturationLookup lookup = LookupSaturation(table, tK, LookupKey::ByTemperature);
    EXPECT_EQ(lookup.status, EngineStatus::Ok);
    const auto read = [&](SaturationColumn column) {
        return *InterpolateBracket(lookup.bracket, tK, column);
    };
    return {read(&SaturationRecord::hLiquid), read(&SaturationRecord::pBubble),
            read(&SaturationRecord::hVapour), read(&SaturationRecord::pDew)};
}

SaturationTableLoad ShippedTable(const char* file) {
    return LoadSaturationTable((std::filesystem::path(TERVALO_DIST_DIR) / file).string());
}

TEST(SaturationDome, EveryPointIsTheEnginesLookupForSingleSubstancesAndBlends) {
    for (const char* file : {"R22.DAT", "R407C.DAT"}) {
        SCOPED_TRACE(file);
        const SaturationTableLoad table = ShippedTable(file);
        TERVALO_SKIP_UNLESS(table.status == EngineStatus::Ok, "the staged tables are not built");
        const std::vector<DomeSample> dome = SaturationDome(table);
        ASSERT_EQ(dome.size(), static_cast<std::size_t>(kDomeSamples));
        EXPECT_DOUBLE_EQ(dome.front().t, table.table->records.front().t);
        EXPECT_DOUBLE_EQ(dome.back().t, table.table->records.back().t);
        for (const DomeSample& sample : dome) {
            const Looked looked = LookUp(table, sample.t);
            EXPECT_EQ(sample.bubble.h, looked.hLiquid);
            EXPECT_EQ(sample.bubble.p, looked.pBubble);
            EXPECT_EQ(sample.dew.h, looked.hVapour);
            EXPECT_EQ(sample.dew.p, looked.pDew);
            EXPECT_LT(sample.bubble.h, sample.dew.h);
        }
    }
    EXPECT_LT(SaturationDome(ShippedTable("R407C.DAT"))[40].dew.p,
              SaturationDome(ShippedTable("R407C.DAT"))[40].bubble.p)
        << "a blend's dew pressure lies below its bubble pressure";
}

TEST(SaturationDome, TheReferenceStateLiesOnTheBubbleLine) {
    const SaturationTableLoad table = ShippedTable("R22.DAT");
    TERVALO_SKIP_UNLESS(table.status == EngineStatus::Ok, "the staged tables are not built");
    const auto zero = IsothermAt(table, 0);
    ASSERT_TRUE(zero);
    EXPECT_NEAR(zero->bubble.h, 200, 0.01) << "h′ = 200 kJ/kg at 0 °C";
    EXPECT_NEAR(zero->bubble.p, 4.98, 0.02);
    // The drawn bubble line (straight between samples) passes through (200 kJ/kg, p(0 °C)).
    const std::vector<DomeSample> dome = SaturationDome(table);
    bool crossed = false;
    for (std::size_t i = 1; i < dome.size(); ++i) {
        const PhPoint a = dome[i - 1].bubble, b = dome[i].bubble;
        if (a.h <= 200 && b.h >= 200) {
            const double p = a.p + (b.p - a.p) * (200 - a.h) / (b.h - a.h);
            EXPECT_NEAR(p, zero->bubble.p, 0.005 * zero->bubble.p);
            crossed = true;
        }
    }
    EXPECT_TRUE(crossed);
}

TEST(SaturationDome, NoTableGivesNoDome) {
    EXPECT_TRUE(SaturationDome(SaturationTableLoad{}).empty());
    EXPECT_FALSE(IsothermAt(SaturationTableLoad{}, 0));
}

class CycleViewOfProject : public test::ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        InstallR22Table();
        test::WriteBytes("energk.dat", "2000,7,0.3,1,0.6\r\n");
        r.t0 = "-5";
        r.Tc = "45";
        r.SuctionAllowance = 8;
        r.WohnFL = "150";
        r.SpezHeizLeist = "120";
        r.HeizArt = hp(kHeatHeatingOil);
        r.WirkGKessel = "90";
        r.BereitStV = "10";
        r.BrennK = "0.6";
        r.EnergKost = "0.2";
    }
    ProjectRecord& r = Project();
};

TEST_F(CycleViewOfProject, StatePointsFollowTheCycleAndLeaveTheProjectAlone) {
    const ProjectRecord before = r;
    ProjectRecord calculated = r;
    const CycleView view = CycleViewOf(r, LoadCalculationData(calculated));
    EXPECT_EQ(r.LeistZahlK, before.LeistZahlK) << "the view calculates on a copy";
    ASSERT_EQ(view.points.size(), static_cast<std::size_t>(kStatePointCount));
    const auto& p = view.points;
    const auto table = LoadSaturationTable("R22.DAT");
    const Looked evaporator = LookUp(table, 268.15), condenser = LookUp(table, 318.15);
    EXPECT_DOUBLE_EQ(p[0].ph.h, evaporator.hVapour);
    EXPECT_DOUBLE_EQ(p[0].ph.p, evaporator.pDew);
    EXPECT_DOUBLE_EQ(p[0].t, -5);
    EXPECT_DOUBLE_EQ(p[1].t, 8) << "-5 + 5 + 8 K";
    EXPECT_EQ(p[1].ph.p, p[0].ph.p);
    EXPECT_GT(p[1].ph.h, p[0].ph.h) << "superheated at the compressor inlet";
    EXPECT_LT(*p[1].density, *p[0].density);
    EXPECT_DOUBLE_EQ(p[2].ph.p, condenser.pDew);
    EXPECT_GT(p[2].ph.h, condenser.hVapour);
    EXPECT_GT(p[2].t, 45);
    EXPECT_DOUBLE_EQ(p[3].ph.h, condenser.hLiquid);
    EXPECT_EQ(p[4].ph.h, p[3].ph.h) << "the throttle keeps the enthalpy";
    EXPECT_EQ(p[4].ph.p, p[0].ph.p);

    EXPECT_NEAR(*view.carnotCop, 268.15 / 50, 1e-9);
    EXPECT_NEAR(*view.carnotRatio, *view.refrigerationCop / *view.carnotCop, 1e-12);
    EXPECT_LT(*view.carnotRatio, 1);
    EXPECT_NEAR(*view.massFlow, 20 / (p[0].ph.h - p[3].ph.h), 1e-12);
    EXPECT_NEAR(*view.refrigerationCop, 20 / *view.compressorPower, 1e-12);
    EXPECT_NEAR(*view.heatingCop, *view.refrigerationCop + 1, 1e-12);
}

TEST_F(CycleViewOfProject, WithoutATableThereAreNoPointsButStillTheFuelBalance) {
    std::filesystem::remove("R22.DAT");
    ProjectRecord calculated = r;
    const CycleView view = CycleViewOf(r, LoadCalculationData(calculated));
    EXPECT_EQ(view.tableStatus, EngineStatus::MissingTable);
    EXPECT_TRUE(view.points.empty());
    EXPECT_TRUE(view.dome.empty());
    EXPECT_FALSE(view.carnotCop);
    EXPECT_TRUE(view.trace.Find(TraceQuantity::FuelEnergy)->value);
}

// Within an action (a print and its pages) the view takes the action's one load: the same view as a load of
// its own, and a table removed after that load no longer reaches it; the next action loads again.
TEST_F(CycleViewOfProject, OnTheActionsLoadTheViewIsTheSame) {
    ActionLoads loads;
    const CycleView own = CycleViewOf(r), shared = CycleViewOf(r, &loads);
    ASSERT_FALSE(own.points.empty());
    EXPECT_EQ(shared.heatingCop, own.heatingCop);
    EXPECT_EQ(shared.dischargeTemperature, own.dischargeTemperature);
    EXPECT_EQ(shared.dome.size(), own.dome.size());
    std::filesystem::remove("R22.DAT");
    EXPECT_EQ(CycleViewOf(r, &loads).heatingCop, own.heatingCop) << "one load per action";
    EXPECT_TRUE(CycleViewOf(r).points.empty()) << "the next action loads again";
}

}  // namespace
}  // namespace tervalo

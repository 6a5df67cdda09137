#include "project/project_actions.h"

#include <filesystem>

#include "engine/refrigerant_catalogue.h"
#include "project/project_lists.h"
#include "project_fixture.h"

namespace tervalo {
namespace {

using test::hp;
using test::ReadBytes;
using test::WriteBytes;

class ProjectActions : public test::ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        InstallCalculationFiles();
    }
    // The window as the user first sees it: load, then activation.
    void Open() {
        OnWindowLoad(Project());
        OnWindowActivate(Project());
    }
    // A sample project typed in: 150 m², heating oil, 90 %, 10 %, electricity 0.2.
    void TypeExampleProject() {
        r.WohnFL = "150";
        OnEnter(Project(), &ProjectRecord::WohnFL);
        OnListChosen(Project(), ProjectList::HeizArt, hp(kHeatHeatingOil));
        r.WirkGKessel = "90";
        r.BereitStV = "10";
        r.EnergKost = "0.2";
        OnEnter(Project(), &ProjectRecord::EnergKost);
    }
    ProjectRecord& r = Project();
};

TEST_F(ProjectActions, FirstStartWithoutProjectFile) {
    Open();
    EXPECT_EQ(r.t0, "0");
    EXPECT_EQ(r.Tc, "55");
    EXPECT_EQ(r.SuctionAllowance, 8);
    EXPECT_EQ(r.WohnFL, "");
    EXPECT_EQ(r.pn32, "13");
    EXPECT_EQ(r.LeistZahlK.substr(0, 7), "COP =  ");
    EXPECT_EQ(r.GesHBDGeB, " 0");
    EXPECT_EQ(Project().RefrigerantName, "R22");
    EXPECT_TRUE(r.CalculationDone);
    EXPECT_EQ(r.FuelPriceTable[1], "1.13") << "activation reads SpezBK.dat";
    EXPECT_EQ(r.lists[static_cast<int>(ProjectList::VFlsize)],
              (std::vector<std::string>{hp(kHeatWarmAir), hp(kHeatUnderfloor), "hp19, hp8", "hp19, hp9",
                                        "hp19, hp10"}));
    EXPECT_EQ(r.lists[static_cast<int>(ProjectList::HausTyp)][3], "hp38 1982");
    EXPECT_EQ(r.lists[static_cast<int>(ProjectList::Verdichterbauart)][2], "c88");
    EXPECT_TRUE(r.lists[static_cast<int>(ProjectList::Tempbereich)].empty());
    EXPECT_EQ(r.Title, "Quelmo : c81 c66 - Simulation c222 CO2");
}

TEST_F(ProjectActions, LoadAppliesRulesButKeepsSavedEfficiencyAndPrice) {
    WriteBytes("TempPart.dat",
               "\"R404A\"\r\n\"150\"\r\n\"99\"\r\n\"0.99\"\r\n\"hp4\"\r\n\"\"\r\n\"hp10\"\r\n\"hp20\"\r\n"
               "\"hp43\"\r\n\"\"\r\n\"\"\r\n\"hp48\"\r\n\"\"\r\n\"hp36\"\r\n\"\"\r\n\"\"\r\n\"hp22\"\r\n"
               "\"hp17\"\r\n\" 200\"\r\n\"0.2\"\r\n\" 77\"\r\n\" 10\"\r\n");
    Open();
    EXPECT_EQ(Project().RefrigerantName, "R22") << "every project uses R22";
    EXPECT_EQ(r.t0, "6") << "replaced by the operating-point rule";
    EXPECT_EQ(r.SuctionAllowance, 5);
    EXPECT_EQ(r.Tc, "38");
    EXPECT_EQ(r.WirkGKessel, " 77") << "no boiler rule on loading";
    EXPECT_EQ(r.BrennK, "0.99") << "no price from the table on loading";
    EXPECT_EQ(r.BrennstVUnit, "m\xB3/a");
    EXPECT_EQ(r.Label21, "hp22 :");
    EXPECT_EQ(r.SpezHeizLeist, " 200");
    EXPECT_EQ(r.GesHBDGeB, " 30000");
}

TEST_F(ProjectActions, ListChoicesRunTheirRules) {
    Open();
    TypeExampleProject();

    OnListChosen(Project(), ProjectList::HausTyp, "hp38 1982");
    EXPECT_EQ(r.SpezHeizLeist, " 100");
    EXPECT_EQ(r.BereitStV, " 12");

    OnListChosen(Project(), ProjectList::Klimazone, hp(kHeatZone4));
    EXPECT_EQ(r.SpezHeizLeist, " 120");
    OnListChosen(Project(), ProjectList::AmbientT, hp(kHeatExposureHigh));
    EXPECT_EQ(r.SpezHeizLeist, " 159");
    EXPECT_EQ(r.t0, "-2") << "no application chosen: base 0, -2 for the high ambient level";

    OnListChosen(Project(), ProjectList::AnwendBereich, hp(kHeatGroundWater));
    OnListChosen(Project(), ProjectList::AmbientT, hp(kHeatExposureLow));
    EXPECT_EQ(r.t0, "6");
    EXPECT_EQ(r.SuctionAllowance, 5);
    const std::string demand = r.SpezHeizLeist;
    OnListChosen(Project(), ProjectList::Klimazone, hp(kHeatZone1));
    EXPECT_EQ(r.t0, "6") << "ground water does not follow the climate";
    EXPECT_NE(r.SpezHeizLeist, demand);

    OnListChosen(Project(), ProjectList::Bereitstell, hp(kHeatLarge));
    EXPECT_EQ(r.BereitStV, " 16");
    OnListChosen(Project(), ProjectList::VFlsize, "hp19, hp8");
    EXPECT_EQ(r.Tc, "65");
    OnListChosen(Project(), ProjectList::KesselWirk, hp(kHeatHighEfficiencyBoiler));
    EXPECT_EQ(r.WirkGKessel, " 105");
    OnListChosen(Project(), ProjectList::HeizArt, hp(kHeatWoodPellets));
    EXPECT_EQ(r.WirkGKessel, " 88");
    EXPECT_EQ(r.BrennK, "0.30");
    r.HeizArt = hp(kHeatNaturalGas);
    OnHeizArtTextChanged(Project());
    EXPECT_EQ(r.WirkGKessel, " 105");
    EXPECT_EQ(r.BrennK, "0.30") << "typing the heating type sets no price";
    OnListChosen(Project(), ProjectList::Tempbereich, "typed range");
    EXPECT_EQ(r.t0, "6");
}

TEST_F(ProjectActions, OperatingPointCheckOnEnterInT0) {
    Open();
    TypeExampleProject();
    struct Row {
        const char* name;
        const char* t0;
        const char* tc;
        std::vector<std::string> messages;
        bool runs;
    };
    const Row rows[] = {
        {"below tmin of R22",
         "-70",
         "45",
         {"m53\r\ntmin = -60 \xB0"
          "C !"},
         false},
        {"the comma ends the number", "-60,5", "45", {}, true},
        {"tc below t0", "5", "3", {"m55"}, false},
        {"tc equal to t0", "5", "5", {}, true},
        {"both usable", "-5", "45", {}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        r.t0 = row.t0;
        r.Tc = row.tc;
        r.pn32 = "before";
        EXPECT_EQ(OnEnter(Project(), &ProjectRecord::t0), row.messages);
        EXPECT_EQ(r.pn32 != "before", row.runs);
    }
    r.t0 = "-70";
    r.pn32 = "before";
    EXPECT_TRUE(OnT0Key(Project(), '7').empty()) << "keys other than Enter are only typed";
    EXPECT_EQ(r.pn32, "before");
}

TEST_F(ProjectActions, BackCalculationFromTwoThousandLitres) {
    Open();
    TypeExampleProject();
    r.BrennStV = "2000";
    OnEnter(Project(), &ProjectRecord::BrennStV);
    EXPECT_EQ(r.SpezHeizLeist, " 114.5");
    EXPECT_EQ(r.BrennStV, "2000") << "the typed text, not the recomputed quantity";
    EXPECT_EQ(r.GesHBDGeB, " 17175");
    EXPECT_FALSE(r.CalculationLock);
}

TEST_F(ProjectActions, BackCalculationsFromFuelEnergyAndBuildingDemand) {
    Open();
    TypeExampleProject();
    r.GesHBDHeiz = "22000";
    OnEnter(Project(), &ProjectRecord::GesHBDHeiz);
    EXPECT_EQ(r.SpezHeizLeist, " 120");
    EXPECT_EQ(r.GesHBDHeiz, "22000");
    EXPECT_EQ(r.BrennStV, " 2095");

    r.GesHBDGeB = "17181,5";
    OnEnter(Project(), &ProjectRecord::GesHBDGeB);
    EXPECT_EQ(r.SpezHeizLeist, " 114.54");
    EXPECT_EQ(r.GesHBDGeB, "17181,5");

    r.SpezHeizLeist = "114.5";
    r.WohnFL = "150.5";
    OnEnter(Project(), &ProjectRecord::SpezHeizLeist);
    EXPECT_EQ(r.GesHBDGeB, " 17232.25") << "the run writes the demand unrounded";
}

TEST_F(ProjectActions, BackCalculationsThatCannotBeEvaluatedChangeNothing) {
    Open();
    TypeExampleProject();
    struct Row {
        const char* name;
        std::string ProjectRecord::*field;
        std::string ProjectRecord::*setting;
        const char* value;
    };
    const Row rows[] = {
        {"quantity, area 0", &ProjectRecord::BrennStV, &ProjectRecord::WohnFL, "0"},
        {"quantity, no calorific value", &ProjectRecord::BrennStV, &ProjectRecord::HeizArt, "district"},
        {"quantity, efficiency 0", &ProjectRecord::BrennStV, &ProjectRecord::WirkGKessel, ""},
        {"energy, area 0", &ProjectRecord::GesHBDHeiz, &ProjectRecord::WohnFL, ""},
        {"energy, no calorific value", &ProjectRecord::GesHBDHeiz, &ProjectRecord::HeizArt, "district"},
        {"energy, efficiency 0", &ProjectRecord::GesHBDHeiz, &ProjectRecord::WirkGKessel, "0"},
        {"demand, area 0", &ProjectRecord::GesHBDGeB, &ProjectRecord::WohnFL, "0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ProjectRecord before = r;
        r.*row.setting = row.value;
        r.*row.field = "1234";
        r.pn32 = "no run";
        before = r;
        OnEnter(Project(), row.field);
        EXPECT_EQ(r.SpezHeizLeist, before.SpezHeizLeist);
        EXPECT_EQ(r.BrennStV, before.BrennStV);
        EXPECT_EQ(r.pn32, "no run");
        EXPECT_EQ(r.*row.field, "1234");
        EXPECT_FALSE(r.CalculationLock);
        r.WohnFL = "150";
        r.HeizArt = hp(kHeatHeatingOil);
        r.WirkGKessel = "90";
    }
}

TEST_F(ProjectActions, PrintLockHoldsUntilTheActivationAfterItsWindow) {
    Open();
    TypeExampleProject();
    OnPrintCommand(Project());
    EXPECT_TRUE(r.CalculationLock);
    r.BrennStV = "2000";
    const std::string demand = r.SpezHeizLeist;
    OnEnter(Project(), &ProjectRecord::BrennStV);
    EXPECT_EQ(r.SpezHeizLeist, demand) << "a locked back-calculation only puts the text back";
    EXPECT_EQ(r.BrennStV, "2000");

    r.pn32 = "no run";
    OnWindowActivate(Project());
    EXPECT_EQ(r.pn32, "no run") << "the activation after the view starts no calculation";
    EXPECT_FALSE(r.CalculationLock);
    OnEnter(Project(), &ProjectRecord::BrennStV);
    EXPECT_EQ(r.SpezHeizLeist, " 114.5") << "back-calculations work again";

    OnHelpCommand(Project());
    OnWindowActivate(Project());
    r.pn32 = "run";
    OnWindowActivate(Project());
    EXPECT_NE(r.pn32, "run");
}

TEST_F(ProjectActions, IntegrationCheckBoxAndSecondLoadOfTheRun) {
    Open();
    TypeExampleProject();
    OnListChosen(Project(), ProjectList::HausTyp, hp(kHeatPartlyInsulated));
    OnEinbindCheckClicked(Project(), true);
    const std::string integrated = r.GesEnergWP;
    OnEinbindCheckClicked(Project(), false);
    EXPECT_NE(r.GesEnergWP, integrated);

    ASSERT_TRUE(OnAcceptCommand(Project()));
    ClearProjectWindow(Project());
    EXPECT_EQ(r.GesEnergWP, "");
    EXPECT_TRUE(r.CalculationDone);
    std::filesystem::remove("R22.DAT");
    OnWindowLoad(Project());
    EXPECT_EQ(r.GesEnergWP, "") << "no run at a second load of the program run";
    EXPECT_EQ(r.WohnFL, "150");
}

TEST_F(ProjectActions, FuelPricePanel) {
    Open();
    OnFuelPriceCommand(Project());
    EXPECT_TRUE(r.FuelPricePanelVisible);
    EXPECT_EQ(r.BK, (std::array<std::string, 4>{"0.6", "1.13", "0.30", "0.35"}));
    r.BK[0] = "1,05";
    OnFuelPriceCancel(Project());
    EXPECT_FALSE(r.FuelPricePanelVisible);
    EXPECT_EQ(r.FuelPriceTable[0], "0.6");

    OnListChosen(Project(), ProjectList::HeizArt, hp(kHeatHeatingOil));
    OnFuelPriceCommand(Project());
    r.BK[0] = "1,05";
    ASSERT_TRUE(OnFuelPriceAccept(Project()));
    EXPECT_EQ(ReadBytes("SpezBK.dat"), "\"1,05\"\r\n\"1.13\"\r\n\"0.30\"\r\n\"0.35\"\r\n");
    EXPECT_EQ(r.BrennK, "0.6") << "the price field keeps its text until a heating type is chosen";
    OnListChosen(Project(), ProjectList::HeizArt, hp(kHeatHeatingOil));
    EXPECT_EQ(r.BrennK, "1,05");
}

TEST_F(ProjectActions, LanguageRewriteThenLoadKeepsCombinedEntriesAndTheirRule) {
    Open();
    OnListChosen(Project(), ProjectList::VFlsize, "hp19, hp8");
    OnListChosen(Project(), ProjectList::HausTyp, "hp38 1973");
    OnListChosen(Project(), ProjectList::Klimazone, hp(kHeatZone3));
    EXPECT_EQ(r.Tc, "65");
    ASSERT_TRUE(OnAcceptCommand(Project()));

    RewriteProjectForLanguage("TST", "TSB");
    LoadHeatCaptions("TSB");
    Settings.LanguageCode = "TSB";
    ClearProjectWindow(Project());
    OnWindowLoad(Project());
    EXPECT_EQ(r.VFlsize, "b19, b8") << "the combined entry is translated piece by piece";
    EXPECT_EQ(r.Tc, "65") << "and still gives its supply temperature";
    EXPECT_EQ(r.Klimazone, "b48");
    EXPECT_EQ(r.HausTyp, "b38 1973");
}

TEST_F(ProjectActions, FocusHints) {
    EXPECT_EQ(FocusHint(&ProjectRecord::WohnFL), "m38");
    EXPECT_EQ(FocusHint(&ProjectRecord::t0), "m39");
    EXPECT_EQ(FocusHint(&ProjectRecord::Tc), "m40");
    EXPECT_EQ(FocusHint(&ProjectRecord::BrennK), "");
}

}  // namespace
}  // namespace tervalo

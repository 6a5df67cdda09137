#include "project/input_rules.h"

#include "project/project_lists.h"
#include "project_fixture.h"

namespace tervalo {
namespace {

using test::hp;

class InputRules : public test::ProjectFixture {
  protected:
    ProjectRecord& r = Project();
};

TEST_F(InputRules, EveryListHoldsItsEntriesInWindowOrder) {
    using Entries = std::vector<std::string>;
    const std::pair<ProjectList, Entries> rows[] = {
        {ProjectList::AnwendBereich,
         {hp(kHeatOutdoorAirToAir), hp(kHeatOutdoorAirToWater), hp(kHeatGroundWater),
          hp(kHeatGroundCollector), hp(kHeatSurfaceWater), hp(kHeatSolarAbsorber), hp(kHeatBorehole)}},
        {ProjectList::WartungI, {hp(kHeatExposureLow), hp(kHeatExposureNormal), hp(kHeatExposureHigh)}},
        {ProjectList::Klimazone, {hp(kHeatZone1), hp(kHeatZone2), hp(kHeatZone3), hp(kHeatZone4)}},
        {ProjectList::Bereitstell, {hp(kHeatSmall), hp(kHeatMedium), hp(kHeatLarge)}},
        {ProjectList::VFlsize,
         {hp(kHeatWarmAir), hp(kHeatUnderfloor), "hp19, hp8", "hp19, hp9", "hp19, hp10"}},
        {ProjectList::Leitungsdimension, {hp(kHeatSmall), hp(kHeatMedium), hp(kHeatLarge)}},
        {ProjectList::Verdichterbauart, {hp(kHeatHeatingSystem), hp(kHeatBuilding), "c88"}},
        {ProjectList::HausTyp,
         {hp(kHeatUninsulated), hp(kHeatPartlyInsulated), "hp38 1973", "hp38 1982", hp(kHeatLowEnergyHouse),
          hp(kHeatUltraLowEnergyHouse)}},
        {ProjectList::AmbientT, {hp(kHeatExposureLow), hp(kHeatExposureNormal), hp(kHeatExposureHigh)}},
        {ProjectList::HeizArt,
         {hp(kHeatHeatingOil), hp(kHeatNaturalGas), hp(kHeatWoodPellets), hp(kHeatElectricity)}},
        {ProjectList::KesselWirk,
         {hp(kHeatStandardBoiler), hp(kHeatLowTemperatureBoiler), hp(kHeatCondensingBoiler),
          hp(kHeatHighEfficiencyBoiler)}},
        {ProjectList::Tempbereich, {}},
    };
    FillLists(r);
    for (const auto& [list, entries] : rows) {
        SCOPED_TRACE(static_cast<int>(list));
        EXPECT_EQ(r.lists[static_cast<std::size_t>(list)], entries);
    }
}

TEST_F(InputRules, OperatingPointFromApplicationClimateAndAmbient) {
    struct Row {
        const char* name;
        std::string application, climate, ambient;
        const char* t0;
        double allowance;
    };
    const Row rows[] = {
        {"outdoor air / water, cool zone, high ambient: -6 - 3", hp(kHeatOutdoorAirToWater), hp(kHeatZone3),
         hp(kHeatExposureHigh), "-9", 8},
        {"ground water, low ambient: 5 + 1", hp(kHeatGroundWater), hp(kHeatZone1), hp(kHeatExposureLow), "6",
         5},
        {"ground water ignores the climate", hp(kHeatGroundWater), hp(kHeatZone4), hp(kHeatExposureLow), "6",
         5},
        {"ground collector, normal ambient", hp(kHeatGroundCollector), hp(kHeatZone1),
         hp(kHeatExposureNormal), "-2", 5},
        {"surface water (item 52), high ambient", hp(kHeatSurfaceWater), hp(kHeatZone1),
         hp(kHeatExposureHigh), "3", 5},
        {"item 6, high ambient", hp(kHeatSolarAbsorber), hp(kHeatZone1), hp(kHeatExposureHigh), "-14", 5},
        {"borehole, other ambient", hp(kHeatBorehole), hp(kHeatZone1), "x", "-2", 5},
        {"outdoor air, climate matching nothing: base -5", hp(kHeatOutdoorAirToWater), "zone 9",
         hp(kHeatExposureLow), "-3", 8},
        {"climate compared exactly, not trimmed", hp(kHeatOutdoorAirToWater), " " + hp(kHeatZone1),
         hp(kHeatExposureNormal), "-5", 8},
        {"application compared after trimming", "  " + hp(kHeatGroundWater) + " ", hp(kHeatZone1),
         hp(kHeatExposureHigh), "3", 5},
        {"unknown application: base 0, 8 K, fixed-source offsets", "heat from the moon", hp(kHeatZone4),
         hp(kHeatExposureHigh), "-2", 8},
        {"a first start: nothing chosen", "", "", "", "0", 8},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        r.AnwendBereich = row.application;
        r.Klimazone = row.climate;
        r.AmbientT = row.ambient;
        r.Tc = "55";
        r.VFlsize = "kept";
        OperatingPointRule(r);
        EXPECT_EQ(r.t0, row.t0);
        EXPECT_EQ(r.SuctionAllowance, row.allowance);
        EXPECT_EQ(r.Tc, "55");
        EXPECT_EQ(r.VFlsize, "kept");
    }
}

// Outdoor air (items 2 and 3) takes its base from the climate zone: 0, -2, -6, -12, and -5 for any other
// text; the ambient level adds +2, 0, -3 or nothing.
TEST_F(InputRules, OutdoorAirOperatingPointForEveryClimateAndAmbient) {
    const std::string climates[] = {hp(kHeatZone1), hp(kHeatZone2), hp(kHeatZone3), hp(kHeatZone4), "zone 9"};
    const std::string ambients[] = {hp(kHeatExposureLow), hp(kHeatExposureNormal), hp(kHeatExposureHigh),
                                    "level"};
    const char* expected[5][4] = {
        {"2", "0", "-3", "0"},         // item 46, base 0
        {"0", "-2", "-5", "-2"},       // item 47, base -2
        {"-4", "-6", "-9", "-6"},      // item 48, base -6
        {"-10", "-12", "-15", "-12"},  // item 49, base -12
        {"-3", "-5", "-8", "-5"},      // other, base -5
    };
    for (int application : {2, 3})
        for (int climate = 0; climate < 5; ++climate)
            for (int ambient = 0; ambient < 4; ++ambient) {
                SCOPED_TRACE(hp(application) + " / " + climates[climate] + " / " + ambients[ambient]);
                r.AnwendBereich = hp(application);
                r.Klimazone = climates[climate];
                r.AmbientT = ambients[ambient];
                OperatingPointRule(r);
                EXPECT_EQ(r.t0, expected[climate][ambient]);
                EXPECT_EQ(r.SuctionAllowance, 8);
            }
}

TEST_F(InputRules, OutdoorAirSetsFloorHeatingAndItsCondensingTemperature) {
    r.AnwendBereich = hp(kHeatOutdoorAirToAir);
    r.Klimazone = hp(kHeatZone2);
    r.AmbientT = hp(kHeatExposureLow);
    r.Tc = "65";
    r.VFlsize = "hp19, hp8";
    OperatingPointRule(r);
    EXPECT_EQ(r.t0, "0") << "-2 + 2";
    EXPECT_EQ(r.SuctionAllowance, 8);
    EXPECT_EQ(r.Tc, "45");
    EXPECT_EQ(r.VFlsize, hp(kHeatWarmAir));
}

TEST_F(InputRules, CondensingTemperatureFromDistributionType) {
    const std::pair<std::string, const char*> rows[] = {
        {hp(kHeatWarmAir), "45"}, {hp(kHeatUnderfloor), "38"}, {"hp19, hp8", "65"}, {"hp19, hp9", "55"},
        {"hp19, hp10", "45"},     {"  hp20  ", "38"},          {"b19, b8", "55"},   {"", "55"},
        {"hp19,hp8", "55"},
    };
    for (const auto& [distribution, tc] : rows) {
        SCOPED_TRACE(distribution);
        r.VFlsize = distribution;
        DistributionRule(r);
        EXPECT_EQ(r.Tc, tc);
    }
}

TEST_F(InputRules, SpecificDemandIsRoundedDownInPointForm) {
    struct Row {
        std::string house, climate, ambient;
        const char* demand;
    };
    const Row rows[] = {
        {"hp38 1982", hp(kHeatZone4), hp(kHeatExposureHigh), " 159"},          // 100 × 1.2 × 1.33 = 159.6
        {hp(kHeatUninsulated), hp(kHeatZone1), hp(kHeatExposureLow), " 120"},  // 200 × 0.9 × 0.67 = 120.6
        {hp(kHeatPartlyInsulated), hp(kHeatZone3), hp(kHeatExposureNormal),
         " 165"},  // 150 × 1.1 lies just above 165 in binary
        {hp(kHeatUltraLowEnergyHouse), hp(kHeatZone2), hp(kHeatExposureHigh), " 39"},  // 30 × 1.33 = 39.9
        {hp(kHeatLowEnergyHouse), hp(kHeatZone4), hp(kHeatExposureLow), " 48"},  // 60 × 1.2 × 0.67 = 48.24
        {"hp38 1973", hp(kHeatZone1), hp(kHeatExposureNormal), " 108"},          // 120 × 0.9
        {hp(kHeatUninsulated), hp(kHeatZone4), hp(kHeatExposureHigh), " 319"},   // 319.2
        {"hp38 1982", hp(kHeatZone1), hp(kHeatExposureLow), " 60"},              // 100 × 0.9 × 0.67 = 60.3
        {"house", "zone", "level", " 120"},
        {hp(kHeatInsulationStandard), hp(kHeatZone2), hp(kHeatExposureNormal),
         " 120"},  // item 38 alone is no house type
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.house + " / " + row.climate + " / " + row.ambient);
        r.HausTyp = row.house;
        r.Klimazone = row.climate;
        r.AmbientT = row.ambient;
        SpecificDemandRule(r);
        EXPECT_EQ(r.SpezHeizLeist, row.demand);
    }
}

// Every cell of the stand-by table: house types in list order and a text matching none, by stand-by
// situation items 8, 9, 10 and a text matching none.
TEST_F(InputRules, StandbyLossesOfEveryHouseTypeAndSituation) {
    const std::string houses[] = {hp(kHeatUninsulated),
                                  hp(kHeatPartlyInsulated),
                                  hp(kHeatInsulationStandard) + " 1973",
                                  hp(kHeatInsulationStandard) + " 1982",
                                  hp(kHeatLowEnergyHouse),
                                  hp(kHeatUltraLowEnergyHouse),
                                  "house"};
    const std::string situations[] = {hp(kHeatSmall), hp(kHeatMedium), hp(kHeatLarge), "situation"};
    const char* expected[7][4] = {
        {" 15", " 25", " 35", " 25"}, {" 12", " 20", " 26", " 20"}, {" 10", " 15", " 20", " 20"},
        {" 8", " 12", " 16", " 12"},  {" 6", " 8", " 12", " 8"},    {" 4", " 6", " 8", " 6"},
        {" 15", " 15", " 15", " 15"},
    };
    for (int house = 0; house < 7; ++house)
        for (int situation = 0; situation < 4; ++situation) {
            SCOPED_TRACE(houses[house] + " / " + situations[situation]);
            r.HausTyp = houses[house];
            r.Bereitstell = situations[situation];
            StandbyRule(r);
            EXPECT_EQ(r.BereitStV, expected[house][situation]);
        }
}

TEST_F(InputRules, BoilerEfficiencyDependsOnSolidFuel) {
    struct Row {
        std::string boiler, heating;
        const char* efficiency;
    };
    const Row rows[] = {
        {hp(kHeatHighEfficiencyBoiler), hp(kHeatWoodPellets), " 88"},
        {hp(kHeatHighEfficiencyBoiler), hp(kHeatNaturalGas), " 105"},
        {hp(kHeatStandardBoiler), hp(kHeatWoodPellets), " 75"},
        {hp(kHeatLowTemperatureBoiler), "", " 90"},
        {hp(kHeatCondensingBoiler), hp(kHeatElectricity), " 96"},
        {"boiler", hp(kHeatHeatingOil), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.boiler + " / " + row.heating);
        r.KesselWirk = row.boiler;
        r.HeizArt = row.heating;
        r.WirkGKessel = "typed";
        BoilerRule(r);
        EXPECT_EQ(r.WirkGKessel, row.efficiency);
    }
}

TEST_F(InputRules, HeatingTypeSetsCaptionsUnitsAndPrice) {
    r.FuelPriceTable = {"1.02", "1,13", "0.30", "0.35"};
    struct Row {
        std::string heating;
        const char* priceUnit;
        const char* quantityUnit;
        const char* price;
    };
    const Row rows[] = {
        {hp(kHeatHeatingOil), "EUR/l", "l/a", "1.02"},
        {hp(kHeatNaturalGas), "EUR/m\xB3", "m\xB3/a", "1,13"},
        {hp(kHeatWoodPellets), "EUR/kg", "kg/a", "0.30"},
        {hp(kHeatElectricity), "EUR/kWh", "kWh/a", "0.35"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.heating);
        r.HeizArt = row.heating;
        HeatingTypeCaptions(r, true);
        EXPECT_EQ(r.Label21, row.heating + " :");
        EXPECT_EQ(r.Label39, "hp53 " + row.heating + " :");
        EXPECT_EQ(r.BrennStKeinh, row.priceUnit);
        EXPECT_EQ(r.BrennstVUnit, row.quantityUnit);
        EXPECT_EQ(r.BrennK, row.price);
    }

    r.HeizArt = "district heating";
    HeatingTypeCaptions(r, true);
    EXPECT_EQ(r.Label21, "district heating :");
    EXPECT_EQ(r.BrennStKeinh, "EUR/kWh") << "units and price of a text of no kind stay";
    EXPECT_EQ(r.BrennK, "0.35");

    r.HeizArt = hp(kHeatHeatingOil);
    r.BrennK = "0.99";
    HeatingTypeCaptions(r, false);
    EXPECT_EQ(r.BrennStKeinh, "EUR/l");
    EXPECT_EQ(r.BrennK, "0.99") << "loading keeps the saved price";
}

TEST_F(InputRules, CubicMetresFallBackWhereTheCodePageHasNoSuperscript) {
    r.FuelPriceTable = {"", "1", "", ""};
    r.HeizArt = hp(kHeatNaturalGas);
    Settings.LanguageCode = "POL";  // Windows-1250
    HeatingTypeCaptions(r, true);
    EXPECT_EQ(r.BrennstVUnit, "m3/a");
    Settings.LanguageCode = "GRE";  // Windows-1253 has ³
    HeatingTypeCaptions(r, true);
    EXPECT_EQ(r.BrennstVUnit, "m\xB3/a");
}

TEST_F(InputRules, EmptyCaptionsMatchNoEmptyField) {
    ResetLanguageTables();  // no language file at all: every entry text is empty
    OperatingPointRule(r);
    DistributionRule(r);
    EXPECT_EQ(r.t0, "0");
    EXPECT_EQ(r.SuctionAllowance, 8);
    EXPECT_EQ(r.Tc, "55");
    EXPECT_EQ(r.VFlsize, "") << "an empty application is not the outdoor-air entry";
}

}  // namespace
}  // namespace tervalo

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
        {ProjectList::AnwendBereich, {hp(2), hp(3), hp(4), hp(5), hp(52), hp(6), hp(7)}},
        {ProjectList::WartungI, {hp(43), hp(44), hp(45)}},
        {ProjectList::Klimazone, {hp(46), hp(47), hp(48), hp(49)}},
        {ProjectList::Bereitstell, {hp(8), hp(9), hp(10)}},
        {ProjectList::VFlsize, {hp(18), hp(20), "hp19, hp8", "hp19, hp9", "hp19, hp10"}},
        {ProjectList::Leitungsdimension, {hp(8), hp(9), hp(10)}},
        {ProjectList::Verdichterbauart, {hp(32), hp(33), "c88"}},
        {ProjectList::HausTyp, {hp(36), hp(37), "hp38 1973", "hp38 1982", hp(39), hp(40)}},
        {ProjectList::AmbientT, {hp(43), hp(44), hp(45)}},
        {ProjectList::HeizArt, {hp(21), hp(22), hp(55), hp(56)}},
        {ProjectList::KesselWirk, {hp(14), hp(15), hp(16), hp(17)}},
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
        {"outdoor air / water, cool zone, high ambient: -6 - 3", hp(3), hp(48), hp(45), "-9", 8},
        {"ground water, low ambient: 5 + 1", hp(4), hp(46), hp(43), "6", 5},
        {"ground water ignores the climate", hp(4), hp(49), hp(43), "6", 5},
        {"ground collector, normal ambient", hp(5), hp(46), hp(44), "-2", 5},
        {"surface water (item 52), high ambient", hp(52), hp(46), hp(45), "3", 5},
        {"item 6, high ambient", hp(6), hp(46), hp(45), "-14", 5},
        {"borehole, other ambient", hp(7), hp(46), "x", "-2", 5},
        {"outdoor air, climate matching nothing: base -5", hp(3), "zone 9", hp(43), "-3", 8},
        {"climate compared exactly, not trimmed", hp(3), " " + hp(46), hp(44), "-5", 8},
        {"application compared after trimming", "  " + hp(4) + " ", hp(46), hp(45), "3", 5},
        {"unknown application: base 0, 8 K, fixed-source offsets", "heat from the moon", hp(49), hp(45), "-2",
         8},
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
    const std::string climates[] = {hp(46), hp(47), hp(48), hp(49), "zone 9"};
    const std::string ambients[] = {hp(43), hp(44), hp(45), "level"};
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
    r.AnwendBereich = hp(2);
    r.Klimazone = hp(47);
    r.AmbientT = hp(43);
    r.Tc = "65";
    r.VFlsize = "hp19, hp8";
    OperatingPointRule(r);
    EXPECT_EQ(r.t0, "0") << "-2 + 2";
    EXPECT_EQ(r.SuctionAllowance, 8);
    EXPECT_EQ(r.Tc, "45");
    EXPECT_EQ(r.VFlsize, hp(18));
}

TEST_F(InputRules, CondensingTemperatureFromDistributionType) {
    const std::pair<std::string, const char*> rows[] = {
        {hp(18), "45"},     {hp(20), "38"},    {"hp19, hp8", "65"}, {"hp19, hp9", "55"}, {"hp19, hp10", "45"},
        {"  hp20  ", "38"}, {"b19, b8", "55"}, {"", "55"},          {"hp19,hp8", "55"},
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
        {"hp38 1982", hp(49), hp(45), " 159"},  // 100 × 1.2 × 1.33 = 159.6
        {hp(36), hp(46), hp(43), " 120"},       // 200 × 0.9 × 0.67 = 120.6
        {hp(37), hp(48), hp(44), " 165"},       // 150 × 1.1 lies just above 165 in binary
        {hp(40), hp(47), hp(45), " 39"},        // 30 × 1.33 = 39.9
        {hp(39), hp(49), hp(43), " 48"},        // 60 × 1.2 × 0.67 = 48.24
        {"hp38 1973", hp(46), hp(44), " 108"},  // 120 × 0.9
        {hp(36), hp(49), hp(45), " 319"},       // 319.2
        {"hp38 1982", hp(46), hp(43), " 60"},   // 100 × 0.9 × 0.67 = 60.3
        {"house", "zone", "level", " 120"},
        {hp(38), hp(47), hp(44), " 120"},  // item 38 alone is no house type
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
    const std::string houses[] = {hp(36), hp(37), hp(38) + " 1973", hp(38) + " 1982",
                                  hp(39), hp(40), "house"};
    const std::string situations[] = {hp(8), hp(9), hp(10), "situation"};
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
        {hp(17), hp(55), " 88"}, {hp(17), hp(22), " 105"}, {hp(14), hp(55), " 75"},
        {hp(15), "", " 90"},     {hp(16), hp(56), " 96"},  {"boiler", hp(21), ""},
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
        {hp(21), "EUR/l", "l/a", "1.02"},
        {hp(22), "EUR/m\xB3", "m\xB3/a", "1,13"},
        {hp(55), "EUR/kg", "kg/a", "0.30"},
        {hp(56), "EUR/kWh", "kWh/a", "0.35"},
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

    r.HeizArt = hp(21);
    r.BrennK = "0.99";
    HeatingTypeCaptions(r, false);
    EXPECT_EQ(r.BrennStKeinh, "EUR/l");
    EXPECT_EQ(r.BrennK, "0.99") << "loading keeps the saved price";
}

TEST_F(InputRules, CubicMetresFallBackWhereTheCodePageHasNoSuperscript) {
    r.FuelPriceTable = {"", "1", "", ""};
    r.HeizArt = hp(22);
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

// Seasonal.json: the inputs survive a round trip, a damaged file gives defaults and says so, and the
// project's seasons as JSON carry every bin.

#include "project/seasonal/seasonal_file.h"

#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

namespace tervalo::seasonal {
namespace {

TEST(SeasonalFile, InputsSurviveARoundTrip) {
    ProjectSeasonInputs inputs;
    inputs.evaporatorDifference_K = 5.5;
    inputs.condenserDifference_K = 4;
    inputs.bivalent_C = -4;
    const std::string unit = R"({"climate":"colder","flow_temperature":55})";
    const SeasonalFileRead read = ParseSeasonalFile(SeasonalFileBytes(inputs, unit));
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.project, inputs);
    ASSERT_TRUE(read.unitJson);
    EXPECT_EQ(nlohmann::json::parse(*read.unitJson), nlohmann::json::parse(unit));

    // No bivalent temperature: each season's design temperature.
    inputs.bivalent_C.reset();
    const SeasonalFileRead without = ParseSeasonalFile(SeasonalFileBytes(inputs, std::nullopt));
    EXPECT_FALSE(without.project.bivalent_C);
    EXPECT_FALSE(without.unitJson);
}

TEST(SeasonalFile, DamageGivesDefaultsAndIsReported) {
    struct Row {
        const char* bytes;
        bool damaged;
    };
    for (const Row& row : {Row{"", true}, Row{"{\"project\": [1]}", true},
                           Row{R"({"project": {"evaporator_difference_k": "7"}})", true},
                           Row{R"({"project": {"condenser_difference_k": 90}})", true},
                           Row{R"({"project": {"bivalent_temperature": 40}})", true}, Row{"{}", false}}) {
        const SeasonalFileRead read = ParseSeasonalFile(row.bytes);
        EXPECT_EQ(read.damaged, row.damaged) << row.bytes;
        EXPECT_GE(read.project.evaporatorDifference_K, 0);
        EXPECT_LE(read.project.condenserDifference_K, 30);
        EXPECT_LE(read.project.bivalent_C.value_or(15), 15);
    }
}

TEST(SeasonalFile, SeasonsAsJson) {
    ProjectSeasons seasons;
    seasons.designFlow_C = 45;
    ProjectSeason average{};
    average.climate = Climate::Average;
    average.bivalent_C = -10;
    average.band = CertifiedScopBand(Source::Air, Climate::Average, 35);
    UnitDeclaration unit;
    unit.designLoad_kW = 8;
    unit.bivalent_C = unit.operationLimit_C = -10;
    unit.points = {{-10, 8, 3, std::nullopt}, {15, 8, 6, std::nullopt}};
    average.result = EvaluateSeason(unit);
    for (const BinResult& bin : average.result->bins) average.cycle.push_back({bin.t_C - 7.0, 40, 43, 4, 9});
    seasons.seasons.push_back(average);
    ProjectSeason colder{};
    colder.climate = Climate::Colder;
    seasons.seasons.push_back(colder);

    const auto json = nlohmann::json::parse(ProjectSeasonsJson(seasons, false));
    EXPECT_EQ(json["label"], "refrigeration cycle only: no fans, pumps or defrost");
    ASSERT_EQ(json["seasons"].size(), 2u);
    const auto& first = json["seasons"][0];
    EXPECT_EQ(first["climate"], "average");
    EXPECT_EQ(first["certified_band"]["p90"], 5.07);
    ASSERT_EQ(first["bins"].size(), 26u);
    EXPECT_EQ(first["bins"][0]["t0"], -17);
    EXPECT_EQ(first["bins"][0]["carnot_cop"], 9);
    EXPECT_EQ(json["seasons"][1]["computed"], false);
    EXPECT_TRUE(json["seasons"][1]["scop"].is_null());

    // The same object's figures by dotted name: every scalar once, nested objects under their member, the
    // season's climate in the name, no bins, null as nothing.
    std::map<std::string, std::optional<std::string>> figures;
    for (const SeasonalFigure& figure : SeasonalFigures(ProjectSeasonsJson(seasons, false)))
        EXPECT_TRUE(figures.emplace(figure.name, figure.text).second) << figure.name;
    EXPECT_EQ(figures.at("Seasonal.label"), "refrigeration cycle only: no fans, pumps or defrost");
    EXPECT_EQ(figures.at("Seasonal.inputs_file_damaged"), "false");
    EXPECT_EQ(figures.at("Seasonal.average.scop"), first["scop"].dump());
    EXPECT_EQ(figures.at("Seasonal.average.certified_band.p90"), "5.07");
    EXPECT_EQ(figures.at("Seasonal.colder.computed"), "false");
    EXPECT_EQ(figures.at("Seasonal.colder.scop"), std::nullopt);
    for (const auto& [name, text] : figures) {
        EXPECT_EQ(name.find("bins"), std::string::npos) << name;
        EXPECT_EQ(name.find("climate"), std::string::npos) << name;
    }
    EXPECT_TRUE(SeasonalFigures("not json").empty());
}

}  // namespace
}  // namespace tervalo::seasonal

// Data sheets typed into the JSON file: certified declarations reproduced, and every kind of bad file named.

#include "project/seasonal/unit_file.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <functional>
#include <sstream>

namespace tervalo::seasonal {
namespace {

std::string Fixture(const std::string& name) {
    std::ifstream in(std::string(TERVALO_TEST_DATA_DIR) + "/seasonal/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Certified air/water declarations (tests/data/seasonal/README.md): the declared SCOP within 0.5 % (the
// declared points are printed to two decimals) and Q_HE within 0.5 %.
TEST(UnitFile, CertifiedDeclarationsAreReproduced) {
    struct Row {
        const char* file;
        double scop, annual_kWh;
    };
    const Row rows[] = {{"worked-example-35.json", 4.75, 3336}, {"unit-a-35.json", 5.38, 1613},
                        {"unit-a-55.json", 4.05, 2040},         {"unit-b-35.json", 4.18, 2615},
                        {"unit-b-55.json", 3.45, 3078},         {"unit-c-55.json", 3.27, 4423},
                        {"unit-d-55.json", 3.27, 3152},         {"unit-e-55.json", 3.27, 3169}};
    for (const Row& row : rows) {
        const auto parsed = ParseUnitFile(Fixture(row.file));
        ASSERT_TRUE(std::holds_alternative<UnitFile>(parsed))
            << row.file << ": " << std::get<std::string>(parsed);
        const SeasonalResult r = EvaluateSeason(std::get<UnitFile>(parsed).unit);
        EXPECT_NEAR(r.scop, row.scop, 0.005 * row.scop) << row.file;
        EXPECT_NEAR(r.annualElectricity_kWh, row.annual_kWh, 0.005 * row.annual_kWh) << row.file;
    }
}

TEST(UnitFile, ReadsEveryMember) {
    const auto parsed = ParseUnitFile(Fixture("worked-example-35.json"));
    ASSERT_TRUE(std::holds_alternative<UnitFile>(parsed));
    const UnitFile& file = std::get<UnitFile>(parsed);
    EXPECT_EQ(file.flowTemperature_C, 35);
    EXPECT_EQ(file.unit.climate, Climate::Average);
    EXPECT_EQ(file.unit.source, Source::Air);
    EXPECT_TRUE(file.unit.reversible);
    EXPECT_EQ(file.unit.designLoad_kW, 7.65);
    EXPECT_EQ(file.unit.bivalent_C, -7);
    EXPECT_EQ(file.unit.operationLimit_C, -10);
    // −7 °C twice with the same values counts once and keeps its C_d.
    ASSERT_EQ(file.unit.points.size(), 5u);
    EXPECT_EQ(file.unit.points[0].t_C, -10);
    EXPECT_FALSE(file.unit.points[0].cd);
    EXPECT_EQ(file.unit.points[1].cd, 0.9);
    EXPECT_DOUBLE_EQ(file.unit.offMode.standby_kW, 0.015);
    EXPECT_EQ(file.unit.offMode.crankcase_kW, 0);
    EXPECT_FALSE(file.unit.cdOverride);  // air: each point's own C_d
}

TEST(UnitFile, BrineAndWaterAreRatedWithoutCyclingLosses) {
    for (const char* source : {"brine", "water"}) {
        auto json = nlohmann::json::parse(Fixture("worked-example-35.json"));
        json["source"] = source;
        const auto parsed = ParseUnitFile(json.dump());
        ASSERT_TRUE(std::holds_alternative<UnitFile>(parsed));
        const UnitFile& file = std::get<UnitFile>(parsed);
        EXPECT_EQ(file.unit.cdOverride, 1.0);
        const SeasonalResult r = EvaluateSeason(file.unit);
        // η_s of brine and water units carries 5 points more correction than that of air units.
        EXPECT_NEAR(r.etaS_pct, 100 * r.scop / 2.5 - 8, 1e-9);
        UnitDeclaration air = file.unit;
        air.cdOverride.reset();
        EXPECT_GT(r.scopOn, EvaluateSeason(air).scopOn);
    }
}

TEST(UnitFile, BadFilesNameTheirMember) {
    const auto json = nlohmann::json::parse(Fixture("worked-example-35.json"));
    struct Row {
        const char* what;
        std::function<void(nlohmann::json&)> change;
        const char* messageStart;
    };
    const Row rows[] = {
        {"missing member", [](nlohmann::json& j) { j.erase("design_load_kw"); }, "design_load_kw: missing"},
        {"missing point member", [](nlohmann::json& j) { j["points"][1].erase("cop"); },
         "points[1].cop: missing"},
        {"missing off-mode power", [](nlohmann::json& j) { j["off_mode_w"].erase("standby"); },
         "off_mode_w.standby: missing"},
        {"temperature twice, other values", [](nlohmann::json& j) { j["points"][4]["cop"] = 3.1; },
         "points: -7"},
        {"capacity 0", [](nlohmann::json& j) { j["points"][2]["capacity_kw"] = 0; }, "points[2].capacity_kw"},
        {"negative design load", [](nlohmann::json& j) { j["design_load_kw"] = -2; }, "design_load_kw"},
        {"TOL above T_biv", [](nlohmann::json& j) { j["operation_limit"] = 0; }, "operation_limit"},
        {"unknown climate", [](nlohmann::json& j) { j["climate"] = "arctic"; }, "climate: \"arctic\""},
        {"unknown source", [](nlohmann::json& j) { j["source"] = "air/water"; }, "source:"},
        {"flow temperature", [](nlohmann::json& j) { j["flow_temperature"] = 45; }, "flow_temperature"},
        {"reversible as text", [](nlohmann::json& j) { j["reversible"] = "yes"; }, "reversible"},
        {"number as text", [](nlohmann::json& j) { j["bivalent_temperature"] = "-7"; },
         "bivalent_temperature"},
        {"unknown member", [](nlohmann::json& j) { j["design_load"] = 7; }, "design_load: unknown member"},
        {"no points", [](nlohmann::json& j) { j["points"] = nlohmann::json::array(); }, "points:"},
        {"C_d above 1", [](nlohmann::json& j) { j["points"][0]["cd"] = 1.5; }, "points[0].cd"},
    };
    for (const Row& row : rows) {
        nlohmann::json changed = json;
        row.change(changed);
        const auto parsed = ParseUnitFile(changed.dump());
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << row.what;
        EXPECT_EQ(std::get<std::string>(parsed).rfind(row.messageStart, 0), 0u)
            << row.what << ": " << std::get<std::string>(parsed);
    }
    EXPECT_TRUE(std::holds_alternative<std::string>(ParseUnitFile("{\"climate\": ")));
    EXPECT_TRUE(std::holds_alternative<std::string>(ParseUnitFile("[1, 2]")));
}

TEST(UnitFile, FiguresAsJsonHoldExactlyTheirMembers) {
    const auto parsed = ParseUnitFile(Fixture("worked-example-35.json"));
    const SeasonalResult r = EvaluateSeason(std::get<UnitFile>(parsed).unit);
    const auto json = nlohmann::ordered_json::parse(SeasonalUnitJson(r));
    std::vector<std::string> members;
    for (const auto& item : json.items()) members.push_back(item.key());
    EXPECT_EQ(members, (std::vector<std::string>{"scop", "scop_on", "scop_net", "eta_s", "q_h_kwh",
                                                 "q_he_kwh", "backup_kwh", "bins"}));
    EXPECT_NEAR(json["scop"].get<double>(), 4.745, 0.0005);
    ASSERT_EQ(json["bins"].size(), 26u);
    const auto& coldest = json["bins"][0];
    EXPECT_EQ(coldest["t"], -10);
    EXPECT_EQ(coldest["hours"], 1);
    EXPECT_NEAR(coldest["backup_kw"].get<double>(), 7.65 - 6.12, 1e-12);
    EXPECT_NEAR(coldest["electricity_kwh"].get<double>(), 6.12 / 2.91 + 1.53, 1e-12);
}

}  // namespace
}  // namespace tervalo::seasonal

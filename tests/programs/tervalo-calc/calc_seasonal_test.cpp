// tervalo-calc --seasonal-unit: a data sheet's seasonal figures as lines and as JSON, and a bad file refused
// with the member named, exit status 1 and nothing written.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

#include "calc_program_fixture.h"
#include "support/temp_dir.h"

namespace tervalo::test {
namespace {

std::string WorkedExample() {
    std::ifstream in(std::string(TERVALO_TEST_DATA_DIR) + "/seasonal/worked-example-35.json",
                     std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST_F(CalcProgram, SeasonalUnitPrintsTheFiguresOfTheDataSheet) {
    WriteBytes("unit.json", WorkedExample());
    const CalcRun run = RunCalc("--seasonal-unit unit.json");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.lines.at("SeasonalUnit.scop"), "4.745");
    EXPECT_EQ(run.lines.at("SeasonalUnit.scop_on"), "4.749");
    EXPECT_EQ(run.lines.at("SeasonalUnit.q_he_kwh"), "3330.5");
    EXPECT_EQ(run.lines.count("SeasonalUnit.bin.-10"), 1u);
    EXPECT_EQ(run.lines.count("SeasonalUnit.bin.15"), 1u);
    // The project is neither printed nor saved.
    EXPECT_EQ(run.lines.count("WohnFL"), 0u);
    EXPECT_FALSE(std::filesystem::exists("TempPart.dat"));

    const CalcRun json = RunCalc("--seasonal-unit unit.json --json");
    ASSERT_EQ(json.status, 0) << json.errors;
    const auto document = nlohmann::json::parse(json.output);
    ASSERT_TRUE(document.contains("seasonal_unit"));
    EXPECT_NEAR(document["seasonal_unit"]["scop"].get<double>(), 4.745, 0.0005);
    EXPECT_NEAR(document["seasonal_unit"]["q_he_kwh"].get<double>(), 3330.5, 0.05);
    EXPECT_EQ(document["seasonal_unit"]["bins"].size(), 26u);
}

TEST_F(CalcProgram, SeasonalUnitRefusesABadFileNamingTheMember) {
    auto json = nlohmann::json::parse(WorkedExample());
    json["climate"] = "arctic";
    WriteBytes("unit.json", json.dump());
    const int entries = EntryCount();
    const CalcRun run = RunCalc("--seasonal-unit unit.json --json");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.output, "");
    EXPECT_NE(run.errors.find("climate"), std::string::npos) << run.errors;
    EXPECT_EQ(EntryCount(), entries + 1);  // only the captured standard error

    EXPECT_EQ(RunCalc("--seasonal-unit missing.json").status, 1);
    // With project arguments it is a malformed command line.
    EXPECT_EQ(RunCalc("--seasonal-unit unit.json WohnFL=100").status, 2);
    EXPECT_EQ(RunCalc("--seasonal-unit").status, 2);
}

// The project's seasons in --json: three seasons, average first, each with its bins.
TEST_F(CalcProgram, JsonHoldsTheProjectsSeasons) {
    const CalcRun run = RunCalc(std::string(kExample) + " AnwendBereich=#2 --json");
    ASSERT_EQ(run.status, 0) << run.errors;
    const auto document = nlohmann::json::parse(run.output);
    ASSERT_TRUE(document.contains("seasonal"));
    const auto& seasonal = document["seasonal"];
    EXPECT_EQ(seasonal["source"], "air");
    ASSERT_EQ(seasonal["seasons"].size(), 3u);
    EXPECT_EQ(seasonal["seasons"][0]["climate"], "average");
    EXPECT_EQ(seasonal["seasons"][1]["climate"], "colder");
    for (const auto& season : seasonal["seasons"]) {
        ASSERT_TRUE(season["computed"].get<bool>()) << season["climate"];
        EXPECT_GT(season["scop"].get<double>(), 1);
        // Carnot bounds the bins on the real table (project_seasons_test); this fixture's table is synthetic.
        for (const auto& bin : season["bins"]) EXPECT_GT(bin["carnot_cop"], 1);
    }
    EXPECT_EQ(seasonal["seasons"][0]["bins"].size(), 26u);

    // The plain output ends in the same figures as lines after the decision figures.
    const CalcRun plain = RunCalc(std::string(kExample) + " AnwendBereich=#2");
    ASSERT_EQ(plain.status, 0) << plain.errors;
    EXPECT_EQ(plain.lines.at("Seasonal.average.scop"), seasonal["seasons"][0]["scop"].dump());
    EXPECT_EQ(plain.lines.at("Seasonal.warmer.annual.cost"), seasonal["seasons"][2]["annual"]["cost"].dump());
    EXPECT_EQ(plain.lines.at("Seasonal.source"), "air");
    const std::size_t savings = plain.output.find("\nSaving.co2=");
    ASSERT_NE(savings, std::string::npos);
    EXPECT_EQ(plain.output.find("\nSeasonal.", savings), plain.output.find('\n', savings + 1))
        << "the seasonal lines follow the decision figures";
}

}  // namespace
}  // namespace tervalo::test

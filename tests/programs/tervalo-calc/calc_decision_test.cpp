// tervalo-calc's decision figures: break-even figures typed back, the JSON document, the table of variants
// against single runs, and the batch of projects against single runs.

#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "calc_program_fixture.h"
#include "project/decision/csv_table.h"
#include "project/field_numbers.h"

namespace tervalo {
namespace {

using Json = nlohmann::json;
using test::CalcProgram;
using test::CalcRun;
using test::kExample;
using test::RunCalc;
using test::WriteBytes;

Json JsonOf(const CalcRun& run) {
    return Json::parse(run.output);
}

const char* const kFigures[] = {"electricity_price", "fuel_price", "heating_cop_equal_cost",
                                "heating_cop_equal_co2", "grid_co2_factor"};

TEST_F(CalcProgram, JsonHoldsTheFieldsResultsAndBreakEvenFigures) {
    const CalcRun run = RunCalc(std::string(kExample) + " EinbindCheck=1 --json");
    ASSERT_EQ(run.status, 0) << run.errors;
    const Json document = JsonOf(run);
    EXPECT_EQ(document["decimal_separator"], ",");
    EXPECT_EQ(document["inputs"]["WohnFL"]["value"], 150);
    EXPECT_EQ(document["inputs"]["WohnFL"]["unit"], "m\u00B2");
    EXPECT_EQ(document["inputs"]["HeizArt"]["entry"], 1);
    EXPECT_EQ(document["inputs"]["EinbindCheck"]["value"], true);
    EXPECT_EQ(document["derived"]["GesHBDHeiz"]["text"], " 22000");
    EXPECT_EQ(document["derived"]["BrennStV"]["unit"], "l/a");
    EXPECT_EQ(document["results"]["Label27"]["text"], " 1257");
    EXPECT_EQ(document["results"]["Label27"]["unit"], "EUR/a");
    const Json& co2 = document["results"]["co2consum"];
    EXPECT_NE(co2["text"].get<std::string>().find(','), std::string::npos) << "shown in the regional form";
    EXPECT_DOUBLE_EQ(co2["value"].get<double>(), FieldNumber(co2["text"].get<std::string>()));
    EXPECT_FALSE(document.contains("what_if"));

    for (const char* name : kFigures) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(document["break_even"][name].is_number());
        EXPECT_EQ(document["break_even"][name], document["break_even_shown"][name]["value"]);
    }
    const Json& saving = document["saving"]["money"];
    EXPECT_EQ(saving["value"].get<double>(), document["results"]["Label27"]["value"].get<double>() -
                                                 document["results"]["BetrKo"]["value"].get<double>());
}

TEST_F(CalcProgram, BreakEvenPricesAndGridFactorTypedBackEqualiseTheColumns) {
    for (const char* project :
         {"HeizArt=#1 WirkGKessel=90 EinbindCheck=1", "HeizArt=#2 WirkGKessel=88 EinbindCheck=0",
          "HeizArt=#3 WirkGKessel=75 EinbindCheck=1 WohnFL=230", "HeizArt=#4 EinbindCheck=0"}) {
        SCOPED_TRACE(project);
        const std::string arguments = std::string(kExample) + " " + project;
        const CalcRun run = RunCalc(arguments + " --json");
        ASSERT_EQ(run.status, 0) << run.errors;
        const Json shown = JsonOf(run)["break_even_shown"];
        const auto text = [&](const char* name) { return shown[name]["text"].get<std::string>(); };

        CalcRun typed = RunCalc(arguments + " EnergKost=" + text("electricity_price"));
        EXPECT_EQ(typed.lines.at("Label27"), typed.lines.at("BetrKo"));
        typed = RunCalc(arguments + " BrennK=" + text("fuel_price"));
        EXPECT_EQ(typed.lines.at("Label27"), typed.lines.at("BetrKo"));

        if (std::string(project).find("#4") != std::string::npos) {
            EXPECT_TRUE(shown["grid_co2_factor"].is_null()) << "electric heating moves with the grid";
            EXPECT_EQ(RunCalc(arguments).lines.at("BreakEven.grid_co2_factor"), "\u2013");
            continue;
        }
        // energk.dat separates its fields by commas: the factor goes in with its machine value.
        WriteBytes("energk.dat",
                   "2000,1,0.3,1," + decision::MachineNumber(shown["grid_co2_factor"]["value"]) + "\r\n");
        typed = RunCalc(arguments);
        EXPECT_EQ(FieldNumber(typed.lines.at("Label38")), FieldNumber(typed.lines.at("co2consum")));
        WriteBytes("energk.dat", "2000,1,0.3,1,0.6\r\n");
    }
}

TEST_F(CalcProgram, EveryWhatIfCellEqualsASingleRunWithThatChoice) {
    const std::string project = std::string(kExample) + " EinbindCheck=1";
    const CalcRun run = RunCalc(project + " --json --what-if");
    ASSERT_EQ(run.status, 0) << run.errors;
    const Json cells = JsonOf(run)["what_if"];
    ASSERT_EQ(cells.size(), 35u);
    for (const Json& cell : cells) {
        const std::string source = std::to_string(cell["heat_source"]["entry"].get<int>());
        const std::string distribution = std::to_string(cell["distribution"]["entry"].get<int>());
        SCOPED_TRACE(source + " × " + distribution);
        const CalcRun single = RunCalc(project + " AnwendBereich=#" + source + " VFlsize=#" + distribution);
        EXPECT_EQ(cell["heat_source"]["text"], single.lines.at("AnwendBereich"));
        EXPECT_EQ(cell["distribution"]["text"], single.lines.at("VFlsize"));
        for (const char* field : {"t0", "Tc", "LeistZahlH", "GesEnergWP", "BetrKo", "co2consum"})
            EXPECT_EQ(cell[field]["text"], single.lines.at(field)) << field;
        EXPECT_EQ(cell["saving"]["money"]["text"], single.lines.at("Saving.money"));
        EXPECT_EQ(cell["saving"]["co2"]["text"], single.lines.at("Saving.co2"));
    }
}

TEST_F(CalcProgram, BatchRowsEqualSingleRunsAndMalformedRowsAreSkipped) {
    WriteBytes("projects.csv",
               "WohnFL,HeizArt,EnergKost,VFlsize,EinbindCheck,SpezHeizLeist\r\n"
               "150,#1,0.2,#2,1,120\r\n"
               "210,#2,\"0,25\",#9,0,\r\n"  // no such distribution
               "95,#3,0.31,,0,80\r\n"
               "120,#4,0.22\r\n"  // a row cut short
               "\"1,5e2\",hp22,0.18,#5,1,\r\n");
    const CalcRun batch = RunCalc("--decimal-separator=, --batch projects.csv --out results.csv");
    EXPECT_EQ(batch.status, 1) << "rows were skipped";
    EXPECT_NE(batch.errors.find("row 2 (line 3) skipped: \"#9\" is no entry of VFlsize"), std::string::npos)
        << batch.errors;
    EXPECT_NE(batch.errors.find("row 4 (line 5) skipped: 3 cells where the header has 6"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("TempPart.dat")) << "nothing saved";

    const auto rows = decision::ReadCsv(test::ReadBytes("results.csv"));
    ASSERT_EQ(rows.size(), 4u) << "the header and three computed rows";
    const std::vector<std::string>& header = rows[0].cells;
    const char* const single[] = {
        "WohnFL=150 HeizArt=#1 EnergKost=0.2 VFlsize=#2 EinbindCheck=1 SpezHeizLeist=120",
        "WohnFL=95 HeizArt=#3 EnergKost=0.31 EinbindCheck=0 SpezHeizLeist=80",
        "WohnFL=1,5e2 HeizArt=hp22 EnergKost=0.18 VFlsize=#5 EinbindCheck=1"};
    for (std::size_t r = 1; r < rows.size(); ++r) {
        SCOPED_TRACE(single[r - 1]);
        const CalcRun run = RunCalc(std::string("--decimal-separator=, ") + single[r - 1]);
        ASSERT_EQ(rows[r].cells.size(), header.size());
        // The row's warnings are the single run's; a result they name is left empty, and with it the figures.
        std::string warnings;
        for (std::size_t at = run.errors.find("warning: "); at != std::string::npos;
             at = run.errors.find("warning: ", at + 1))
            warnings += (warnings.empty() ? "" : "; ") +
                        run.errors.substr(at + 9, run.errors.find('\n', at) - at - 9);
        ASSERT_EQ(header.back(), "warnings");
        EXPECT_EQ(rows[r].cells.back(), warnings);
        const bool stale = warnings.find(" is not current") != std::string::npos ||
                           warnings.find(" is empty") != std::string::npos;
        for (std::size_t c = 1; c + 1 < header.size(); ++c) {
            const std::string& name = header[c];
            if (name.ends_with(".value")) continue;
            const bool figure = name.starts_with("break_even.") || name.starts_with("saving.");
            const std::string line = name.starts_with("break_even.") ? "BreakEven." + name.substr(11)
                                     : name.starts_with("saving.")   ? "Saving." + name.substr(7)
                                                                     : name;
            const std::string expected = run.lines.at(line);
            const bool left =
                (figure && stale) || warnings.find(name + " is not current") != std::string::npos;
            EXPECT_EQ(rows[r].cells[c], expected == "\u2013" || left ? "" : expected) << name;
        }
    }
    EXPECT_EQ(rows[1].cells[0], "1");
    EXPECT_EQ(rows[3].cells[0], "5");

    WriteBytes("projects.csv", "WohnFL,LeistZ\r\n150,2\r\n");
    EXPECT_EQ(RunCalc("--batch projects.csv --out results.csv").status, 2) << "a label is no input";
    EXPECT_EQ(RunCalc("--batch projects.csv").status, 2) << "--out is missing";
}

// The English reasons of the warnings, as the build stages them.
void InstallResultMarkTexts() {
    WriteBytes("ResultMarks.ENG",
               test::ReadBytes(std::filesystem::path(TERVALO_DIST_DIR) / "ResultMarks.ENG"));
}

// A row whose results cannot be formed from its own inputs gives no results of the loaded project: its result
// cells and figures are empty, its warnings stand in its row and on standard error with its number, and
// --strict ends the batch with status 3 before the output is written.
TEST_F(CalcProgram, BatchRowsTellWhichResultsAreNotTheirOwn) {
    InstallResultMarkTexts();
    ASSERT_EQ(RunCalc(std::string(kExample) + " WohnFL=140 --save").status, 0);
    WriteBytes("projects.csv",
               "WohnFL,HeizArt,WirkGKessel\r\n"
               "1e308,,\r\n"     // the demand cannot be formed
               "150,xyz,90\r\n"  // no fuel
               "1e309,,\r\n"     // beyond the range of a double
               "150,,\r\n");
    const CalcRun batch = RunCalc("--batch projects.csv --out results.csv");
    EXPECT_EQ(batch.status, 0) << batch.errors;
    for (const char* expected :
         {"tervalo-calc: row 1 (line 2): warning: GesHBDGeB is not current: the heat demand cannot be formed",
          "tervalo-calc: row 2 (line 3): warning: BrennStV is not current: heating type matches no fuel",
          "tervalo-calc: row 2 (line 3): warning: HeizArt text matches no entry of its list: xyz",
          "tervalo-calc: row 3 (line 4): warning: GesHBDGeB is not current: the heat demand cannot be "
          "formed"})
        EXPECT_NE(batch.errors.find(expected), std::string::npos) << expected << "\n" << batch.errors;
    EXPECT_EQ(batch.errors.find("row 4 "), std::string::npos) << "the sound row gives no warning";

    const auto rows = decision::ReadCsv(test::ReadBytes("results.csv"));
    ASSERT_EQ(rows.size(), 5u);
    const std::vector<std::string>& header = rows[0].cells;
    const auto column = [&](const std::string& name) {
        return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
    };
    ASSERT_EQ(header.back(), "warnings");
    for (std::size_t r = 1; r <= 3; ++r) {
        SCOPED_TRACE(r);
        const auto& cells = rows[r].cells;
        EXPECT_NE(cells[column("warnings")].find("is not current"), std::string::npos);
        for (const char* name : {"BrennStV", "BrennStV.value", "Label27", "saving.money",
                                 "saving.money.value", "break_even.fuel_price"})
            EXPECT_EQ(cells[column(name)], "") << name << " left from the loaded project";
    }
    EXPECT_EQ(rows[4].cells[column("warnings")], "");
    EXPECT_EQ(rows[4].cells[column("GesHBDGeB")], " 18000");
    EXPECT_NE(rows[4].cells[column("saving.money")], "");

    test::WriteBytes("results.csv", "old results\r\n");
    const CalcRun strict = RunCalc("--batch projects.csv --out results.csv --strict");
    EXPECT_EQ(strict.status, 3);
    EXPECT_EQ(test::ReadBytes("results.csv"), "old results\r\n") << "nothing written under --strict";
    WriteBytes("projects.csv", "WohnFL\r\n150\r\n");
    EXPECT_EQ(RunCalc("--batch projects.csv --out results.csv --strict").status, 0);
}

// The input is refused whole when a field is named twice or it is too large; the output is replaced as a
// whole, so a write that fails midway leaves the old file.
TEST_F(CalcProgram, BatchRefusesHostileInputsAndNeverLeavesAFragment) {
    WriteBytes("projects.csv", "WohnFL,HeizArt,WohnFL\r\n150,#1,160\r\n");
    CalcRun run = RunCalc("--batch projects.csv --out results.csv");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("\"WohnFL\" is named twice"), std::string::npos) << run.errors;
    test::WriteLongFile("projects.csv", "WohnFL\r\n150\r\n", (16u << 20) + 1);
    run = RunCalc("--batch projects.csv --out results.csv");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("is larger than 16 MiB"), std::string::npos) << run.errors;
    EXPECT_FALSE(std::filesystem::exists("results.csv"));

    // Rows without warnings, so that standard error keeps within the limit below.
    InstallResultMarkTexts();
    ASSERT_EQ(RunCalc(std::string(kExample) + " --save").status, 0);
    std::string many = "WohnFL\r\n";
    for (int r = 0; r < 40; ++r) many += "150\r\n";
    WriteBytes("projects.csv", many);
    WriteBytes("results.csv", "old results\r\n");
    // A file-size limit below the output: the write fails midway, as on a full disk.
    const std::string limited = "sh -c \"ulimit -f 8; trap '' XFSZ; exec " +
                                std::string(TERVALO_CALC_PROGRAM) +
                                " --batch projects.csv --out results.csv\" 2>calc-errors.txt";
    const int status = std::system(limited.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
    EXPECT_NE(test::ReadBytes("calc-errors.txt").find("results.csv could not be written"), std::string::npos)
        << test::ReadBytes("calc-errors.txt");
    EXPECT_EQ(test::ReadBytes("results.csv"), "old results\r\n");
}

// Every result of the JSON document says whether the last run wrote it, and when not, why.
TEST_F(CalcProgram, JsonMarksEachResultWithWhetherTheLastRunWroteIt) {
    InstallResultMarkTexts();
    const char* const results[] = {"pn32",    "LeistZahlK", "LeistZahlH", "LeistZ",
                                   "BetrKo",  "GesHBDGeB",  "GesHBDHeiz", "BrennStV",
                                   "Label27", "Label38",    "GesEnergWP", "co2consum"};
    const auto entry = [](const Json& document, const char* name) {
        return document["results"].contains(name) ? document["results"][name] : document["derived"][name];
    };
    Json document = JsonOf(RunCalc(std::string(kExample) + " --json"));
    for (const char* name : results) {
        EXPECT_EQ(entry(document, name)["current"], true) << name;
        EXPECT_FALSE(entry(document, name).contains("reason")) << name;
    }
    EXPECT_FALSE(document["inputs"]["WohnFL"].contains("current")) << "inputs carry no mark";

    document = JsonOf(RunCalc(std::string(kExample) + " Tc=110 --calculate --json"));
    EXPECT_EQ(entry(document, "LeistZahlH")["current"], false);
    EXPECT_NE(
        entry(document, "LeistZahlH")["reason"].get<std::string>().find("outside the refrigerant table"),
        std::string::npos);
    EXPECT_EQ(entry(document, "GesHBDHeiz")["current"], true) << "the fuel side is current";
}

}  // namespace
}  // namespace tervalo

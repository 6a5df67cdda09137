#include "project/decision/decision_rows.h"

#include <algorithm>
#include <filesystem>

#include "project/decision/csv_table.h"
#include "project/decision/decision_run.h"
#include "project/decision/results_csv.h"
#include "project/project_actions.h"
#include "project/project_lists.h"
#include "project_fixture.h"

namespace tervalo::decision {
namespace {

class DecisionFigureRows : public test::ProjectFixture {
  protected:
    void SetUp() override {
        ProjectFixture::SetUp();
        InstallCalculationFiles();
        TypeSampleHouse();
        OnListChosen(r, ProjectList::AnwendBereich, ListEntries(ProjectList::AnwendBereich)[1]);
        OnListChosen(r, ProjectList::VFlsize, ListEntries(ProjectList::VFlsize)[3]);
        r.EnergKost = "0.25";
        OnEnter(r, &ProjectRecord::EnergKost);
    }
    static FeatureTexts Texts() {
        std::vector<std::string> items(40);
        for (std::size_t i = 0; i < items.size(); ++i) items[i] = "t" + std::to_string(i + 1);
        return FeatureTexts(items, 1252);
    }
    ProjectRecord& r = Project();
};

TEST_F(DecisionFigureRows, FiguresStandOnlyBesideTheResultsTheyWereFormedFrom) {
    const DecisionRun run = EvaluateDecision(r, false, false);
    ASSERT_TRUE(run.resultsAsShown);
    const auto rows = DecisionRows(run, r, Texts(), "EUR");
    for (const DecisionRow& row : rows) EXPECT_TRUE(row.figure.has_value()) << row.name;
    ASSERT_TRUE(rows[0].figure && rows[2].figure);
    EXPECT_EQ(rows[0].figure->text, run.saving.money->text);
    EXPECT_NE(rows[0].figure->text, "0");
    EXPECT_EQ(rows[2].figure->text, run.breakEven.electricityPrice->text);
    EXPECT_EQ(rows[2].unit, "EUR/kWh");
    EXPECT_EQ(rows[3].unit, r.BrennStKeinh) << "the fuel price in the fuel's unit";

    // Texts of the project file that no run has written (or a run held by the lock): the results shown may
    // belong to other inputs, and so would every figure.
    ProjectRecord read = r;
    read.Results = ResultCurrency();
    const DecisionRun readRun = EvaluateDecision(read, false, false);
    EXPECT_FALSE(readRun.resultsAsShown);
    for (const DecisionRow& row : DecisionRows(readRun, read, Texts(), "EUR"))
        EXPECT_FALSE(row.figure.has_value()) << row.name;

    // A design point the window refuses to run: the results shown are still those of the point before.
    ProjectRecord refused = r;
    refused.t0 = "-200";
    OnEnter(refused, &ProjectRecord::t0);
    EXPECT_FALSE(EvaluateDecision(refused, false, false).resultsAsShown);

    // A cycle that cannot be computed leaves its results greyed in the record and in the run alike: the
    // record shows the run's results, and the heat pump's figures cannot be formed.
    std::filesystem::remove("R22.DAT");
    ProjectRecord failed = r;
    failed.WohnFL = "160";
    OnEnter(failed, &ProjectRecord::WohnFL);
    const DecisionRun failedRun = EvaluateDecision(failed, false, false);
    EXPECT_TRUE(failedRun.resultsAsShown);
    EXPECT_FALSE(failedRun.saving.money.has_value());
    EXPECT_FALSE(failedRun.breakEven.electricityPrice.has_value());
}

TEST_F(DecisionFigureRows, CellLinesDashWhatTheVariantsRunDidNotWrite) {
    const std::vector<WhatIfCell> cells = EvaluateDecision(r, true, false).whatIf;
    ASSERT_EQ(cells.size(), 35u);
    const WhatIfCell* chosen = ChosenCell(cells, r);
    ASSERT_NE(chosen, nullptr);
    EXPECT_EQ(chosen->LeistZahlH, r.LeistZahlH);
    const std::vector<std::string> lines = WhatIfCellLines(*chosen, Texts(), "EUR");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "t20 " + chosen->heatingCop->text);
    EXPECT_EQ(lines[2], r.BetrKo + " EUR/a");
    EXPECT_EQ(lines[4], "t33: " + chosen->saving.money->text + " EUR/a");

    // A variant whose run stopped keeps the record's earlier texts: they must not show as its results.
    WhatIfCell stopped = *chosen;
    stopped.heatingCop.reset();
    stopped.balance = AnnualBalance{};
    stopped.saving = AnnualSaving{};
    EXPECT_EQ(WhatIfCellLines(stopped, Texts(), "EUR"),
              (std::vector<std::string>{"t20 \x96", "\x96 kWh/a", "\x96 EUR/a", "\x96 t/a", "t33: \x96"}));

    ProjectRecord other = r;
    other.VFlsize = "no entry";
    EXPECT_EQ(ChosenCell(cells, other), nullptr);
}

// The spreadsheet's CSV in a locale with the decimal comma: ";" between cells, "," in the numbers, the
// captions with their units as headers, a result the last run did not write left empty.
TEST_F(DecisionFigureRows, SpreadsheetCsvUsesTheLocalesSeparatorsAndTheCaptions) {
    r.DecimalSeparator = ',';
    OnCalculateCommand(r);  // the results in the regional form
    const DecisionRun run = EvaluateDecision(r, false, false);
    ASSERT_TRUE(run.resultsAsShown);
    const std::string csv = ResultsCsvForPeople(r, run, 1252, "EUR", ',', Texts());
    ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBF")) << "UTF-8 the spreadsheet recognises";
    const std::vector<CsvRow> rows = ReadCsv(csv);
    ASSERT_EQ(rows.size(), 2u);
    ASSERT_EQ(rows[0].cells.size(), rows[1].cells.size());
    const auto cell = [&](const std::string& header) {
        const auto at = std::find(rows[0].cells.begin(), rows[0].cells.end(), header);
        EXPECT_NE(at, rows[0].cells.end()) << header << " in " << csv;
        return at == rows[0].cells.end() ? std::string() : rows[1].cells[at - rows[0].cells.begin()];
    };
    EXPECT_EQ(cell("hp11 (m\u00B2)"), "150");
    EXPECT_EQ(cell("c84 (EUR/kWh)"), "0,25");
    EXPECT_EQ(cell("t9 (EUR/a)"), std::to_string(static_cast<long>(run.saving.money->value)));
    const std::string copCell = cell("hp50");
    EXPECT_NE(copCell.find(','), std::string::npos) << copCell;
    EXPECT_EQ(csv.find("\";\"") != std::string::npos, true);

    // The heat pump's results without their table: left empty, as the report leaves them out.
    std::filesystem::remove("R22.DAT");
    r.WohnFL = "160";
    OnEnter(r, &ProjectRecord::WohnFL);
    const std::string stale =
        ResultsCsvForPeople(r, EvaluateDecision(r, false, false), 1252, "EUR", '.', Texts());
    const std::vector<CsvRow> staleRows = ReadCsv(stale);
    const auto at = std::find(staleRows[0].cells.begin(), staleRows[0].cells.end(), "hp50");
    ASSERT_NE(at, staleRows[0].cells.end());
    EXPECT_EQ(staleRows[1].cells[at - staleRows[0].cells.begin()], "");
    EXPECT_EQ(stale.find(';'), std::string::npos) << "\",\" beside the decimal point";
}

}  // namespace
}  // namespace tervalo::decision

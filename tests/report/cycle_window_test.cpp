// The cycle window on the staged program directory: its tables show what the project window shows, it
// follows the record, and it looks right in three scripts.

#include "report/ui/cycle_window.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTableWidget>
#include <random>

#include "config/run_settings.h"
#include "engine/number_text.h"
#include "localisation/cycle_texts.h"
#include "localisation/language_tables.h"
#include "project/calculation.h"
#include "project/cycle_view/state_rows.h"
#include "project/project_actions.h"
#include "shell/language_session.h"
#include "widgets/window_test_support.h"
#include "widgets/window_text.h"

namespace tervalo {
namespace {

class CycleWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::CopyProgramDirectory();
        Open("ENG");
    }
    void TearDown() override {
        ResetRunSettings();
        ResetLanguageTables();
    }
    // The program started in `code` with the project window open on the staged project.
    void Open(const std::string& code) {
        ResetRunSettings();
        ResetLanguageTables();
        StartupLoad(HandOverFile::LeaveUnread);
        Settings.LanguageCode = code;
        LoadCaptionFile(code);
        LoadComponentCaptions(code);
        LoadHeatCaptions(code);
        LoadInfoTexts(code);
        record_ = ProjectRecord{};
        ClearProjectWindow(record_);
        OnWindowLoad(record_);
        OnWindowActivate(record_);
    }
    static QString Cell(QTableWidget* table, int row, int column) {
        const QTableWidgetItem* item = table->item(row, column);
        return item ? item->text() : QString();
    }

    test::ScopedTempDir dir_;
    ProjectRecord record_;
};

// The shown column of the working is the project window's field, step by step, for random projects.
TEST_F(CycleWindowTest, EveryShownValueOfTheWorkingIsTheFieldOfTheProjectWindow) {
    CycleWindow window(record_);
    auto* working = window.findChild<QTableWidget*>(QStringLiteral("Working"));
    ASSERT_NE(working, nullptr);
    std::mt19937 random(5);
    std::uniform_int_distribution<int> t0(-20, 5), tc(30, 60), area(50, 400), demand(40, 250);
    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE(round);
        record_.t0 = std::to_string(t0(random));
        record_.Tc = std::to_string(tc(random));
        record_.WohnFL = std::to_string(area(random));
        record_.SpezHeizLeist = std::to_string(demand(random));
        record_.EinbindCheck = round % 2 == 0;
        CalculationRun(record_);
        window.Refresh();
        const CalculationTrace& trace = window.view().trace;
        ASSERT_EQ(working->rowCount(), static_cast<int>(trace.steps.size()));
        int compared = 0;
        for (int row = 0; row < working->rowCount(); ++row) {
            const TraceStep& step = trace.steps[static_cast<std::size_t>(row)];
            if (!step.field || step.shown.empty()) continue;
            if (step.quantity == TraceQuantity::ProvisionalRunningCost)
                continue;  // replaced by the final cost
            EXPECT_EQ(Cell(working, row, 4), DisplayText(record_.*step.field).trimmed()) << row;
            ++compared;
        }
        EXPECT_GE(compared, 12) << "every field of the balance and the design point";
        auto* figures = window.findChild<QTableWidget*>(QStringLiteral("Figures"));
        EXPECT_NEAR(Cell(figures, 3, 1).replace(',', '.').toDouble(),
                    *trace.Find(TraceQuantity::RefrigerationCop)->value, 0.0005)
            << "the refrigerating COP of the figures is the run's";
    }
}

TEST_F(CycleWindowTest, StatePointTableHoldsTheFivePointsOfTheView) {
    CycleWindow window(record_);
    auto* points = window.findChild<QTableWidget*>(QStringLiteral("StatePoints"));
    ASSERT_EQ(points->rowCount(), kStatePointCount);
    const std::vector<StatePointRow> rows =
        StatePointRows(window.view(), LoadFeatureTexts(cycle_texts::kFile, "ENG"), record_.DecimalSeparator);
    for (int row = 0; row < kStatePointCount; ++row) {
        EXPECT_EQ(Cell(points, row, 0), QString::number(row + 1));
        EXPECT_EQ(Cell(points, row, 2).toStdString(), rows[static_cast<std::size_t>(row)].pressure);
        EXPECT_EQ(Cell(points, row, 3).toStdString(), rows[static_cast<std::size_t>(row)].enthalpy);
    }
    EXPECT_EQ(Cell(points, 3, 3), Cell(points, 4, 3)) << "the throttle keeps the enthalpy";
    EXPECT_EQ(Cell(points, 0, 2), Cell(points, 4, 2));
}

TEST_F(CycleWindowTest, FollowsTheRecordOnRefresh) {
    CycleWindow window(record_);
    auto* points = window.findChild<QTableWidget*>(QStringLiteral("StatePoints"));
    const QString before = Cell(points, 2, 2);
    record_.Tc = "55";
    CalculationRun(record_);
    window.Refresh();
    EXPECT_NE(Cell(points, 2, 2), before) << "a higher condensing temperature raises the discharge pressure";
    record_.RefrigerantName = "NOSUCH";
    window.Refresh();
    EXPECT_EQ(points->rowCount(), 0) << "no cycle, no points";
}

TEST_F(CycleWindowTest, OneWindowPerParentAndScreenshotsInThreeScripts) {
    QWidget parent;
    CycleWindow* first = ShowCycleWindow(record_, &parent);
    EXPECT_EQ(ShowCycleWindow(record_, &parent), first);
    first->close();
    for (const char* code : {"GER", "ENG", "RUS"}) {
        Open(code);
        CycleWindow window(record_);
        window.show();
        EXPECT_EQ(window.windowTitle(),
                  DisplayText(LoadFeatureTexts(cycle_texts::kFile, code)[cycle_texts::kTitle]));
        test::SaveScreenshot(&window, QStringLiteral("cycle_window_") + code);
    }
}

}  // namespace
}  // namespace tervalo

// The decision part of the project window, driven through its widgets: the saving and break-even figures
// beside the results, the decision view and its table of heat sources by distributions, and the export.
#include <QFileDialog>
#include <QPushButton>
#include <QTableWidget>
#include <nlohmann/json.hpp>

#include "localisation/code_page.h"
#include "localisation/decision_texts.h"
#include "project/decision/csv_table.h"
#include "project/decision/decision_rows.h"
#include "project/decision/decision_run.h"
#include "project/decision/results_csv.h"
#include "project/decision/results_json.h"
#include "project/lifetime/lifetime_json.h"
#include "project/project_actions.h"
#include "project/project_fields.h"
#include "project/project_lists.h"
#include "project/seasonal/seasonal_file.h"
#include "project/ui/decision_view.h"
#include "project_window_fixture.h"
#include "report/paint/decision_page.h"
#include "report/paint/results_page.h"
#include "support/system_traits.h"
#include "tests/report/poppler.h"
#include "widgets/window_text.h"

namespace tervalo {
namespace {

using test::ProjectWindow;
using test::ReadBytes;

class ProjectWindowDecision : public ProjectWindow {
  protected:
    // A project typed in as a user would: oil heating of 140 m², air-to-water heat pump on radiators.
    void OpenSample() {
        Open();
        for (const auto& [list, entry] :
             {std::pair{"AnwendBereich", 1}, std::pair{"Klimazone", 1}, std::pair{"HausTyp", 2},
              std::pair{"VFlsize", 3}, std::pair{"HeizArt", 0}, std::pair{"KesselWirk", 1}})
            Choose(list, entry);
        TypeAndEnter("WohnFL", QStringLiteral("140"));
        TypeAndEnter("EnergKost", QStringLiteral("0.28"));
    }
    QLabel* Figure(const char* name) { return Child<QLabel>(name); }
    static QString Dash() { return QStringLiteral("\u2013"); }

    // Opens the decision view by its Alt shortcut.
    DecisionView* OpenView() {
        const QString caption = Child<QPushButton>("DecisionButt")->text();
        const qsizetype mark = caption.indexOf(QLatin1Char('&'));
        EXPECT_GE(mark, 0) << "the button has a shortcut";
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(window_.get(), caption.at(mark + 1).toLatin1(), Qt::AltModifier);
        // A button's shortcut clicks it as the mouse would, released a moment later.
        EXPECT_TRUE(QTest::qWaitFor([this] {
            auto* view = window_->findChild<DecisionView*>();
            return view && view->isVisible();
        }));
        auto* view = window_->findChild<DecisionView*>();
        EXPECT_TRUE(view && view->isVisible());
        return view;
    }
    static void ClickCell(QTableWidget* table, int row, int column) {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(row, column)).center());
    }
    // Answers the next file dialog with `file`, or cancels it when `file` is empty; `then` runs after it.
    static void AnswerFileDialog(const QString& file, std::function<void()> then = {}) {
        test::WhenModalOpens([file, then](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            if (then) then();
            if (file.isEmpty()) return dialog->reject();
            dialog->selectFile(file);
            static_cast<QDialog*>(dialog)->accept();  // the file dialog's own accept, as its button
        });
    }
    QString InDir(const char* name) { return QString::fromStdString((dir_.path() / name).string()); }
};

TEST_F(ProjectWindowDecision, FiguresAreThoseOfASingleRunAndTheElectricityPriceTypedBackEqualisesTheCosts) {
    OpenSample();
    const decision::DecisionRun run = decision::EvaluateDecision(project_, false, false);
    ASSERT_TRUE(run.resultsAsShown);
    const std::pair<const char*, const decision::Figure*> shown[] = {
        {"SavingMoney", &run.saving.money},
        {"SavingCo2", &run.saving.co2},
        {"BreakEvenElectricityPrice", &run.breakEven.electricityPrice},
        {"BreakEvenFuelPrice", &run.breakEven.fuelPrice},
        {"BreakEvenCopCost", &run.breakEven.heatingCopEqualCost},
        {"BreakEvenCopCo2", &run.breakEven.heatingCopEqualCo2},
        {"BreakEvenGridFactor", &run.breakEven.gridCo2Factor}};
    for (const auto& [name, figure] : shown) {
        ASSERT_TRUE(figure->has_value()) << name;
        EXPECT_EQ(Figure(name)->text(), QString::fromStdString((*figure)->text)) << name;
    }
    EXPECT_EQ(Figure("SavingMoney")->text().toInt(), Text("Label27").toInt() - Text("BetrKo").toInt());
    EXPECT_FALSE(Child<QLabel>("DecisionNote")->isVisible());

    TypeAndEnter("EnergKost", Figure("BreakEvenElectricityPrice")->text());
    EXPECT_EQ(Text("BetrKo"), Text("Label27"));
    EXPECT_EQ(Figure("SavingMoney")->text(), QStringLiteral("0"));
}

TEST_F(ProjectWindowDecision, DashesWhereAFigureCannotBeFormedOrTheResultsShownAreNotCurrent) {
    OpenSample();
    // A free boiler: no equal-cost COP exists.
    Child<QLineEdit>("BrennK")->setText(QStringLiteral("0"));
    TypeAndEnter("WohnFL", QStringLiteral("150"));
    EXPECT_EQ(Figure("BreakEvenCopCost")->text(), Dash());
    EXPECT_FALSE(Figure("BreakEvenCopCost")->toolTip().isEmpty());
    EXPECT_NE(Figure("SavingMoney")->text(), Dash());
    EXPECT_TRUE(Child<QLabel>("DecisionNote")->isVisible());

    // Without the refrigerant's table the heat pump's results stay greyed from the run before: no figure may
    // be formed from them.
    Child<QLineEdit>("BrennK")->setText(QStringLiteral("1.02"));
    std::filesystem::remove("R22.DAT");
    TypeAndEnter("WohnFL", QStringLiteral("160"));
    for (const char* name : {"SavingMoney", "SavingCo2", "BreakEvenElectricityPrice", "BreakEvenGridFactor"})
        EXPECT_EQ(Figure(name)->text(), Dash()) << name;
}

TEST_F(ProjectWindowDecision, ACellClickedOrEnteredIsAppliedAndTheTableThenEqualsSingleRuns) {
    OpenSample();
    DecisionView* view = OpenView();
    ASSERT_NE(view, nullptr);
    auto* table = view->findChild<QTableWidget*>(QStringLiteral("WhatIfTable"));
    ASSERT_EQ(view->cells().size(), 35u);
    const std::vector<std::string> sources = ListEntries(ProjectList::AnwendBereich);
    const std::vector<std::string> distributions = ListEntries(ProjectList::VFlsize);

    ClickCell(table, 2, 0);
    EXPECT_EQ(Text("AnwendBereich"), DisplayText(sources[2]));
    EXPECT_EQ(Text("VFlsize"), DisplayText(distributions[0]));
    // The project's choice is framed.
    EXPECT_TRUE(table->item(2, 0)->data(Qt::UserRole).toBool());
    EXPECT_FALSE(table->item(1, 3)->data(Qt::UserRole).toBool());

    table->setFocus();
    table->setCurrentCell(4, 3);
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(Text("AnwendBereich"), DisplayText(sources[4]));
    EXPECT_EQ(Text("VFlsize"), DisplayText(distributions[3]));
    EXPECT_TRUE(view->isVisible()) << "Enter applies and keeps the view";
    EXPECT_TRUE(messages_.shown.empty());

    for (const decision::WhatIfCell& cell : view->cells()) {
        SCOPED_TRACE(cell.heatSource * 10 + cell.distribution);
        ProjectRecord single = project_;
        OnListChosen(single, ProjectList::AnwendBereich, cell.heatSourceText);
        OnListChosen(single, ProjectList::VFlsize, cell.distributionText);
        EXPECT_EQ(cell.LeistZahlH, single.LeistZahlH);
        EXPECT_EQ(cell.GesEnergWP, single.GesEnergWP);
        EXPECT_EQ(cell.BetrKo, single.BetrKo);
        EXPECT_EQ(cell.co2consum, single.co2consum);
        const QString text = table->item(cell.heatSource - 1, cell.distribution - 1)->text();
        EXPECT_TRUE(text.contains(DisplayText(single.BetrKo) + QStringLiteral(" EUR/a")))
            << text.toStdString();
    }
    const decision::WhatIfCell& chosen = view->cells()[4 * 5 + 3];
    EXPECT_EQ(Text("LeistZahlH"), DisplayText(chosen.LeistZahlH));
    EXPECT_EQ(Text("BetrKo"), DisplayText(chosen.BetrKo));
}

TEST_F(ProjectWindowDecision, EscClosesOnlyTheViewAndKeepsTheEdits) {
    OpenSample();
    Type("WohnFL", QStringLiteral("155"));
    emit Child<QLineEdit>("WohnFL")->textEdited(QStringLiteral("155"));
    DecisionView* view = OpenView();
    ASSERT_NE(view, nullptr);
    QTest::keyClick(view->findChild<QTableWidget*>(), Qt::Key_Escape);
    EXPECT_FALSE(view->isVisible());
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(messages_.shown.empty()) << "no discard question";
    EXPECT_EQ(Text("WohnFL"), QStringLiteral("155"));
    EXPECT_EQ(OpenView(), view) << "opened again, the same view";
}

TEST_F(ProjectWindowDecision, ExportWritesWhatTervaloCalcWritesAndAsksBeforeReplacing) {
    OpenSample();
    auto* button = Child<QPushButton>("ExportButt");
    const QString csv = InDir("results.csv");
    AnswerFileDialog(csv);
    QTest::mouseClick(button, Qt::LeftButton);
    const int codePage = CodePageOf("ENG");
    const decision::DecisionRun run = decision::EvaluateDecision(project_, true, true);
    // The decision's columns, then the seasonal figures' as the plain output of tervalo-calc names them.
    const std::string decisionCsv = decision::ResultsCsv(project_, run, codePage, "EUR");
    const std::string csvBytes = ReadBytes("results.csv");
    const auto json = nlohmann::ordered_json::parse(seasonal::ProjectSeasonsMember(project_));
    const std::size_t headerEnd = decisionCsv.find("\r\n");
    const std::size_t rowEnd = csvBytes.find("\r\n", csvBytes.find("\r\n") + 2);
    ASSERT_NE(rowEnd, std::string::npos) << csvBytes;
    EXPECT_EQ(csvBytes.substr(0, headerEnd) + ",\"Seasonal.label\",", csvBytes.substr(0, headerEnd + 18));
    EXPECT_EQ(csvBytes.size(), rowEnd + 2) << "a header and one row";
    const std::string row = csvBytes.substr(csvBytes.find("\r\n") + 2);
    EXPECT_EQ(row.rfind(decisionCsv.substr(headerEnd + 2, decisionCsv.size() - headerEnd - 4) + ",", 0), 0u);
    EXPECT_NE(csvBytes.find(",\"Seasonal.average.scop\","), std::string::npos);
    EXPECT_NE(row.find(",\"" + json["seasons"][0]["scop"].dump() + "\","), std::string::npos);

    AnswerFileDialog(InDir("results.json"));
    QTest::mouseClick(button, Qt::LeftButton);
    auto expected = nlohmann::ordered_json::parse(lifetime::WithLifetimeMember(
        decision::ResultsJson(project_, decision::FiguresOf(run, true), {codePage, "ENG", "EUR"}), project_,
        "EUR"));
    expected["seasonal"] = json;
    EXPECT_EQ(nlohmann::ordered_json::parse(ReadBytes("results.json")), expected);
    EXPECT_TRUE(nlohmann::json::parse(ReadBytes("results.json"))["lifetime"]["results"].is_object())
        << "the lifetime object of tervalo-calc --json";
    EXPECT_TRUE(messages_.shown.empty());

    // An existing file: No offers the dialog again (cancelled here), the file stays.
    test::WriteBytes("results.csv", "old");
    AnswerFileDialog(csv, [] { AnswerFileDialog({}); });
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].kind, MessageKind::YesNoQuestion);
    EXPECT_TRUE(messages_.shown[0].defaultNo);
    EXPECT_TRUE(messages_.shown[0].text.contains(QStringLiteral("results.csv")));
    EXPECT_EQ(ReadBytes("results.csv"), "old");

    messages_.answers = {true};
    AnswerFileDialog(csv);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(messages_.shown.size(), 2u);
    EXPECT_EQ(ReadBytes("results.csv"), csvBytes);
}

// A new fuel price typed and left with Tab: the fuel cost of the last run stays, greyed with the reason
// "press Enter", the figures formed from it are dashes and the export leaves them empty; Enter recalculates.
TEST_F(ProjectWindowDecision, TypingWithoutEnterMarksWhatItAffectsAndDashesTheFigures) {
    OpenSample();
    const QString fuelCost = Text("Label27");
    auto* price = Child<QLineEdit>("BrennK");
    price->setFocus();
    price->selectAll();
    QTest::keyClicks(price, QStringLiteral("2.5"));
    QTest::keyClick(price, Qt::Key_Tab);
    EXPECT_EQ(Text("Label27"), fuelCost) << "no run before Enter";
    EXPECT_FALSE(Child<QWidget>("Label27")->toolTip().isEmpty()) << "greyed with its reason";
    EXPECT_TRUE(Child<QWidget>("BetrKo")->toolTip().isEmpty()) << "the fuel price moves no heat-pump figure";
    auto* line = Child<QLabel>("StaleResults");
    EXPECT_TRUE(line->isVisible());
    EXPECT_TRUE(line->text().contains(QStringLiteral("press Enter"))) << line->text().toStdString();
    for (const char* name : {"SavingMoney", "SavingCo2", "BreakEvenElectricityPrice", "BreakEvenFuelPrice",
                             "BreakEvenCopCost", "BreakEvenCopCo2", "BreakEvenGridFactor"})
        EXPECT_EQ(Figure(name)->text(), Dash()) << name;
    if (const char* folder = std::getenv("TERVALO_SCREENSHOT_DIR"))
        window_->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/after-tab.png"));

    AnswerFileDialog(InDir("typed.csv"));
    QTest::mouseClick(Child<QPushButton>("ExportButt"), Qt::LeftButton);
    const auto rows = decision::ReadCsv(ReadBytes("typed.csv"));
    ASSERT_EQ(rows.size(), 2u);
    const auto& header = rows[0].cells;
    const auto at = std::find(header.begin(), header.end(), "saving.money") - header.begin();
    ASSERT_LT(static_cast<std::size_t>(at), header.size());
    EXPECT_EQ(rows[1].cells[static_cast<std::size_t>(at)], "") << "no saving of other inputs";

    price->setFocus();
    QTest::keyClick(price, Qt::Key_Return);
    EXPECT_NE(Text("Label27"), fuelCost);
    EXPECT_FALSE(line->isVisible());
    EXPECT_NE(Figure("SavingMoney")->text(), Dash());
}

// A cell applied by a click can be taken back: Undo restores the project as it stood, results and all.
TEST_F(ProjectWindowDecision, UndoTakesBackTheCellsAppliedAndAnyOtherChangeEndsIt) {
    OpenSample();
    const ProjectRecord before = project_;
    DecisionView* view = OpenView();
    ASSERT_NE(view, nullptr);
    auto* table = view->findChild<QTableWidget*>(QStringLiteral("WhatIfTable"));
    auto* undo = view->findChild<QPushButton*>(QStringLiteral("Undo"));
    ASSERT_NE(undo, nullptr);
    EXPECT_FALSE(undo->isEnabled()) << "nothing applied yet";
    ClickCell(table, 2, 0);
    ClickCell(table, 4, 3);
    EXPECT_NE(Text("LeistZahlH"), DisplayText(before.LeistZahlH));
    EXPECT_TRUE(undo->isEnabled());
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(Text("AnwendBereich"), DisplayText(ListEntries(ProjectList::AnwendBereich)[2]));
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_FALSE(undo->isEnabled());
    for (const char* field : {"AnwendBereich", "VFlsize", "t0", "Tc", "LeistZahlH", "BetrKo", "co2consum"})
        EXPECT_EQ(Text(field), DisplayText(FieldDisplayText(before, *FindProjectField(field)))) << field;

    ClickCell(table, 1, 1);
    EXPECT_TRUE(undo->isEnabled());
    TypeAndEnter("WohnFL", QStringLiteral("141"));
    EXPECT_FALSE(undo->isEnabled()) << "a change of the user's own ends the undo";
}

// Heat sources that lead to the same design point give rows alike: the view says so once, below the table.
TEST_F(ProjectWindowDecision, RowsOfTheSameDesignPointAreNamedOnce) {
    OpenSample();
    DecisionView* view = OpenView();
    ASSERT_NE(view, nullptr);
    const auto groups = decision::SameDesignPointGroups(view->cells());
    auto* note = view->findChild<QLabel*>(QStringLiteral("SameDesignPoint"));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->isVisible(), !groups.empty());
    const std::vector<std::string> sources = ListEntries(ProjectList::AnwendBereich);
    for (const auto& group : groups) {
        QStringList names;
        for (const int source : group) names << DisplayText(sources[static_cast<std::size_t>(source - 1)]);
        EXPECT_TRUE(note->text().contains(names.join(QStringLiteral(" = ")))) << note->text().toStdString();
        // Rows named alike show the same in every cell.
        auto* table = view->findChild<QTableWidget*>(QStringLiteral("WhatIfTable"));
        for (int column = 0; column < table->columnCount(); ++column)
            EXPECT_EQ(table->item(group[0] - 1, column)->text(), table->item(group[1] - 1, column)->text());
    }
    EXPECT_EQ(note->text().count(QStringLiteral("Same design point")), 1);
    if (const char* folder = std::getenv("TERVALO_SCREENSHOT_DIR"))
        view->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/decision-view.png"));
}

TEST_F(ProjectWindowDecision, DecisionPageShowsTheWindowsFiguresOnTheSecondSheet) {
    TERVALO_SKIP_UNLESS(test::HavePoppler(), "poppler tools are not installed");
    OpenSample();
    const FeatureTexts texts = LoadFeatureTexts(decision_texts::kFile, "ENG");
    const DecisionPage page = DecisionPageOf(project_, texts, "EUR");
    ASSERT_TRUE(PrintResultsPdf(QStringLiteral("decision.pdf"), QStringLiteral("DejaVu Sans"),
                                QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()),
                                300, [&page](QPainter& painter, const QRectF& sheet) {
                                    DrawDecisionPage(painter, sheet, page, QStringLiteral("DejaVu Sans"));
                                }));
    const std::string second = test::CommandOutput("pdftotext -f 2 -l 2 -enc UTF-8 decision.pdf -");
    for (const QString& expected :
         {DisplayText(texts[decision_texts::kTitle]), DisplayText(texts[decision_texts::kWhatIfHeading]),
          Figure("BreakEvenElectricityPrice")->text(),
          Figure("SavingMoney")->text() + QStringLiteral(" EUR/a"),
          DisplayText(ListEntries(ProjectList::AnwendBereich)[6])})
        EXPECT_NE(second.find(expected.toStdString()), std::string::npos) << expected.toStdString() << second;
    const QString keep = qEnvironmentVariable("TERVALO_SCREENSHOT_DIR");
    if (!keep.isEmpty())
        std::filesystem::copy_file("decision.pdf", keep.toStdString() + "/decision-page.pdf",
                                   std::filesystem::copy_options::overwrite_existing);
}

}  // namespace
}  // namespace tervalo

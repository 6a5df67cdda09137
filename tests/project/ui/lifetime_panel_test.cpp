// The lifetime panel of the project window, through its widgets: opened by its button or Alt shortcut, its
// results following what is typed, Esc closing only the panel, Lifetime.dat kept and a damaged one replaced.

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "localisation/lifetime_texts.h"
#include "project/lifetime/lifetime_file.h"
#include "project/lifetime/lifetime_rows.h"
#include "project/lifetime/project_lifetime.h"
#include "project_window_fixture.h"
#include "report/paint/lifetime_page.h"
#include "report/paint/results_page.h"
#include "report/ui/print_settings_window.h"
#include "support/system_traits.h"
#include "tests/report/poppler.h"

namespace tervalo {
namespace {

using test::ProjectWindow;
using test::ReadBytes;
using test::WriteBytes;

class LifetimePanelTest : public ProjectWindow {
  protected:
    // A project whose balance reaches both systems: heating oil, 150 m² in zone 3.
    void EnterProject() {
        QApplication::processEvents();  // the first activation
        Choose("AnwendBereich", 1);
        Choose("Klimazone", 2);
        Choose("HausTyp", 3);
        Choose("HeizArt", 0);
        Choose("KesselWirk", 1);
        TypeAndEnter("WohnFL", QStringLiteral("150"));
        TypeAndEnter("EnergKost", QStringLiteral("0.25"));
    }
    void OpenPanel() {
        Open();
        EnterProject();
        test::ClickOn(Child<QPushButton>("LifetimeButt"));
        ASSERT_TRUE(Panel()->isVisible());
    }
    QWidget* Panel() { return Child<QWidget>("LifetimePN"); }
    void TypeKeys(const char* field, const QString& text) {
        auto* edit = Child<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    QString Result(int row) {
        return Child<QLabel>(("LifetimeResult" + std::to_string(row)).c_str())->text();
    }
    QString Notice() {
        auto* notice = Child<QLabel>("LifetimeNotice");
        return notice->isVisible() ? notice->text() : QString();
    }
    static QString Item(int item) {
        return QString::fromStdString(LoadFeatureTexts(lifetime_texts::kFile, "ENG")[item]);
    }
    // The results the panel must show: the comparison of the project as the window holds it.
    std::vector<lifetime::LifetimeRow> Expected(const lifetime::LifetimeInputs& inputs) {
        const lifetime::ProjectLifetime expected = lifetime::EvaluateProjectLifetime(project_, inputs);
        EXPECT_TRUE(expected.result && expected.current);
        return lifetime::LifetimeResultRows(*expected.result, {LoadFeatureTexts(lifetime_texts::kFile, "ENG"),
                                                               "EUR", project_.DecimalSeparator});
    }
};

TEST_F(LifetimePanelTest, TypingAnInputUpdatesTheResultsAndConfirmingSavesIt) {
    OpenPanel();
    lifetime::LifetimeInputs inputs = lifetime::DefaultLifetimeInputs(lifetime::CurrentCalendarYear());
    const std::vector<lifetime::LifetimeRow> before = Expected(inputs);
    for (std::size_t row = 0; row < before.size(); ++row)
        EXPECT_EQ(Result(static_cast<int>(row)).toStdString(), before[row].value) << row;
    EXPECT_EQ(Notice(), QString()) << "defaults, a current balance: nothing to say";

    TypeKeys("HeatPumpCost", QStringLiteral("18000"));
    inputs.heatPumpCost = 18000;
    const std::vector<lifetime::LifetimeRow> after = Expected(inputs);
    EXPECT_NE(after[2].value, before[2].value) << "the net present value moves with the investment";
    EXPECT_EQ(Result(2).toStdString(), after[2].value) << "while typing, before Enter";
    EXPECT_FALSE(std::filesystem::exists("Lifetime.dat")) << "nothing confirmed yet";

    QTest::keyClick(Child<QLineEdit>("HeatPumpCost"), Qt::Key_Return);
    EXPECT_TRUE(Panel()->isVisible() && window_->isVisible()) << "Enter runs no command of the window";
    ASSERT_TRUE(std::filesystem::exists("Lifetime.dat"));
    EXPECT_EQ(lifetime::LoadLifetimeInputs(lifetime::DefaultLifetimeInputs(2026)).inputs.heatPumpCost, 18000);

    // A value the comparison cannot take is marked and leaves the results of the last valid one.
    // "8" is taken on the way to "80", which is not.
    TypeKeys("YearsOfUse", QStringLiteral("80"));
    EXPECT_TRUE(Child<QLineEdit>("YearsOfUse")->property("marked").toBool());
    EXPECT_EQ(Child<QLineEdit>("YearsOfUse")->toolTip(), Item(lifetime_texts::kOutsideRange));
    inputs.yearsOfUse = 8;
    EXPECT_EQ(Result(2).toStdString(), Expected(inputs)[2].value);
    TypeKeys("YearsOfUse", QStringLiteral("1"));
    EXPECT_FALSE(Child<QLineEdit>("YearsOfUse")->property("marked").toBool());
    inputs.yearsOfUse = 1;
    EXPECT_EQ(Result(2).toStdString(), Expected(inputs)[2].value);
}

TEST_F(LifetimePanelTest, EscClosesOnlyThePanelAndKeepsTheProjectsEdits) {
    Open();
    EnterProject();
    TypeKeys("WohnFL", QStringLiteral("140"));
    // Alt with the button's letter opens the panel.
    const QString caption = Child<QPushButton>("LifetimeButt")->text();
    ASSERT_EQ(caption.count(QLatin1Char('&')), 1) << caption.toStdString();
    const QChar letter = caption.at(caption.indexOf(QLatin1Char('&')) + 1);
    ASSERT_FALSE(Panel()->isVisible()) << "Enter in the project's fields opens no panel";
    QTest::keyClick(window_.get(), letter.toLatin1(), Qt::AltModifier);
    QTest::qWait(200);  // a shortcut clicks its button after showing it pressed
    ASSERT_TRUE(Panel()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Child<QLineEdit>("HeatPumpCost"));
    EXPECT_EQ(Notice(), Item(lifetime_texts::kNotCurrent)) << "140 typed, not calculated";
    QApplication::processEvents();
    test::SaveScreenshot(window_.get(), QStringLiteral("lifetime_panel_not_current"));
    // Tab stays in the panel: nothing under it takes the focus.
    for (int step = 0; step < 40; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(Panel()->isAncestorOf(QApplication::focusWidget()))
            << step << " " << QApplication::focusWidget()->objectName().toStdString();
    }
    TypeKeys("BoilerCost", QStringLiteral("9000"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(Panel()->isVisible());
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(messages_.shown.empty()) << "no discard question";
    EXPECT_TRUE(Child<QLineEdit>("WohnFL")->isEnabled()) << "the project takes input again";
    EXPECT_EQ(Text("WohnFL"), QStringLiteral("140"));
    EXPECT_EQ(lifetime::LoadLifetimeInputs(lifetime::DefaultLifetimeInputs(2026)).inputs.boilerCost, 9000)
        << "leaving the field confirmed it";

    // The close button does the same, and the focus returns to the button that opened the panel.
    test::ClickOn(Child<QPushButton>("LifetimeButt"));
    test::ClickOn(Child<QPushButton>("LifetimeClose"));
    EXPECT_FALSE(Panel()->isVisible());
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(LifetimePanelTest, DamagedSideFileGivesTheDefaultsWithANotice) {
    WriteBytes("Lifetime.dat",
               "\"Tervalo lifetime inputs\",1\r\n\"HeatPumpCost\",abc\r\n\"BoilerCost\",9500\r\n");
    OpenPanel();
    EXPECT_EQ(Notice(), Item(lifetime_texts::kFileDamaged));
    EXPECT_EQ(Child<QLineEdit>("HeatPumpCost")->text(), QStringLiteral("30000")) << "the default";
    EXPECT_EQ(Child<QLineEdit>("BoilerCost")->text(), QStringLiteral("9500")) << "what could be read stays";

    // The next confirmed input writes a whole file, and the notice goes.
    TypeKeys("DiscountRate", QStringLiteral("4"));
    QTest::keyClick(Child<QLineEdit>("DiscountRate"), Qt::Key_Return);
    EXPECT_EQ(Notice(), QString());
    const lifetime::LifetimeFileRead read =
        lifetime::LoadLifetimeInputs(lifetime::DefaultLifetimeInputs(2026));
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.inputs.discountRate_pct, 4);
    EXPECT_EQ(read.inputs.boilerCost, 9500);
}

TEST_F(LifetimePanelTest, ResultsFollowTheProjectWhileThePanelIsOpen) {
    OpenPanel();
    const QString before = Result(2);
    // The window's next calculation (as after the help or print window) brings the panel up to date.
    Child<QLineEdit>("EnergKost")->setText(QStringLiteral("0.45"));
    window_->Activate();
    EXPECT_NE(Result(2), before);
    EXPECT_EQ(Result(2).toStdString(),
              Expected(lifetime::DefaultLifetimeInputs(lifetime::CurrentCalendarYear()))[2].value);
}

TEST_F(LifetimePanelTest, LifetimePageFollowsTheReportPageWithThePanelsFigures) {
    TERVALO_SKIP_UNLESS(test::HavePoppler(), "poppler tools are not installed");
    OpenPanel();
    TypeKeys("YearsOfUse", QStringLiteral("25"));
    QTest::keyClick(Child<QLineEdit>("YearsOfUse"), Qt::Key_Return);
    const LifetimePage page = LifetimePageOf(project_);
    ASSERT_TRUE(PrintResultsPdf(
        QStringLiteral("lifetime.pdf"), QStringLiteral("DejaVu Sans"),
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()), 300,
        FurtherPages({[&page](QPainter& painter, const QRectF& sheet) {
                          DrawLifetimePage(painter, sheet, page, QStringLiteral("DejaVu Sans"), 0);
                      },
                      [&page](QPainter& painter, const QRectF& sheet) {
                          DrawLifetimePage(painter, sheet, page, QStringLiteral("DejaVu Sans"), 1);
                      }})));
    EXPECT_NE(test::CommandOutput("pdfinfo lifetime.pdf").find("Pages:           3\n"), std::string::npos);
    // The results on the first sheet of the lifetime pages, the inputs and cash flows on the second.
    const std::string second = test::CommandOutput("pdftotext -f 2 -l 3 -enc UTF-8 lifetime.pdf -");
    // (Headings with "fl" come out of the PDF as a ligature.)
    for (const QString& expected :
         {Item(lifetime_texts::kTitle), Item(lifetime_texts::kResultsHeading), Result(2), Result(0),
          QString::number(lifetime::CurrentCalendarYear() + 24)})
        EXPECT_NE(second.find(expected.toStdString()), std::string::npos) << expected.toStdString() << second;
    const std::string first = test::CommandOutput("pdftotext -f 1 -l 1 -enc UTF-8 lifetime.pdf -");
    EXPECT_EQ(first.find(Item(lifetime_texts::kTitle).toStdString()), std::string::npos)
        << "the report page stays as it is";
    if (!qEnvironmentVariable("TERVALO_SCREENSHOT_DIR").isEmpty())
        test::CommandOutput("pdftoppm -r 80 -f 2 -l 3 -png lifetime.pdf " +
                            qEnvironmentVariable("TERVALO_SCREENSHOT_DIR").toStdString() + "/lifetime_page");
}

TEST_F(LifetimePanelTest, StaleFiguresArePrintedAsDashesAsThePanelShowsThem) {
    TERVALO_SKIP_UNLESS(test::HavePoppler(), "poppler tools are not installed");
    OpenPanel();
    const std::string npv = Result(2).toStdString();
    LifetimePage page = LifetimePageOf(project_);
    ASSERT_TRUE(page.lifetime.current);
    page.lifetime.current = false;  // as when the window shows results of an earlier run
    std::vector<FurtherPage> sheets;
    for (int sheet = 0; sheet < kLifetimeSheets; ++sheet)
        sheets.push_back([&page, sheet](QPainter& painter, const QRectF& area) {
            DrawLifetimePage(painter, area, page, QStringLiteral("DejaVu Sans"), sheet);
        });
    ASSERT_TRUE(PrintResultsPdf(QStringLiteral("stale.pdf"), QStringLiteral("DejaVu Sans"),
                                QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()),
                                300, FurtherPages(std::move(sheets))));
    const std::string text = test::CommandOutput("pdftotext -f 2 -l 3 -enc UTF-8 stale.pdf -");
    // (The note may be wrapped: its start is enough.)
    EXPECT_NE(text.find(Item(lifetime_texts::kNotCurrent).left(30).toStdString()), std::string::npos) << text;
    EXPECT_EQ(text.find(npv), std::string::npos) << "no stale net present value: " << text;
    EXPECT_EQ(text.find(Item(lifetime_texts::kCashFlows).toStdString()), std::string::npos);
    EXPECT_NE(text.find(Item(lifetime_texts::kHeatPumpCost).toStdString()), std::string::npos)
        << "the inputs are no figures of a balance: they stay";
}

// The panel and the print settings in three languages and scripts: every text fits, and a picture of each
// for a look by eye.
TEST_F(LifetimePanelTest, TextsFitInGermanEnglishAndRussian) {
    for (const char* code : {"GER", "ENG", "RUS"}) {
        SCOPED_TRACE(code);
        ResetAll();
        Settings.LanguageCode = code;
        Settings.CurrencyCode = "EUR";
        Settings.ProductName = "Quelmo";
        LoadLanguageTexts(Settings.LanguageCode);
        OpenPanel();
        // The smallest screen the program is made for, less a task bar.
        window_->resize(1024, 720);
        QApplication::processEvents();
        EXPECT_EQ(test::ClippedTexts(Panel()), QStringList());
        auto* scroll = Child<QScrollArea>("LifetimeScroll");
        EXPECT_LE(scroll->widget()->minimumSizeHint().width(), scroll->viewport()->width())
            << "inputs and results side by side without scrolling";
        test::SaveScreenshot(window_.get(), QStringLiteral("lifetime_panel_") + QLatin1String(code));
        // The end of the results (sensitivity, chart) and of the inputs (CO2 price, loan, year by year).
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        QApplication::processEvents();
        EXPECT_EQ(test::ClippedTexts(Panel()), QStringList());
        test::SaveScreenshot(window_.get(), QStringLiteral("lifetime_panel_end_") + QLatin1String(code));
        const LifetimePage page = LifetimePageOf(project_);
        for (int sheet = 0; sheet < kLifetimeSheets; ++sheet) {
            QImage image(827, 1169, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            DrawLifetimePage(painter, QRectF(image.rect()), page, QStringLiteral("DejaVu Sans"), sheet);
            painter.end();
            if (const QString folder = qEnvironmentVariable("TERVALO_SCREENSHOT_DIR"); !folder.isEmpty())
                image.save(
                    QStringLiteral("%1/lifetime_page_%2_%3.png").arg(folder, QLatin1String(code)).arg(sheet));
        }
        window_.reset();

        PrintSettingsWindow settings(nullptr, true);
        settings.show();
        QApplication::processEvents();
        EXPECT_FALSE(test::Part<QCheckBox>(&settings, "LifetimePage")->text().isEmpty());
        EXPECT_EQ(test::ClippedTexts(&settings), QStringList());
        test::SaveScreenshot(&settings, QStringLiteral("print_settings_") + QLatin1String(code));
    }
}

}  // namespace
}  // namespace tervalo

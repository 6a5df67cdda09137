// The seasonal panel of the project window, through its widgets: opened by its button, the project's seasons
// following the temperature differences typed, Seasonal.json kept, a data sheet typed in giving its declared
// SCOP, and the report page drawn as the panel draws it.

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "localisation/seasonal_texts.h"
#include "project/paint/seasonal_page.h"
#include "project/seasonal/seasonal_file.h"
#include "project/seasonal/unit_file.h"
#include "project/ui/seasonal_panel.h"
#include "project_window_fixture.h"
#include "widgets/window_text.h"

namespace tervalo {
namespace {

using test::ProjectWindow;

class SeasonalPanelTest : public ProjectWindow {
  protected:
    void OpenPanel() {
        Open();
        QApplication::processEvents();
        Choose("AnwendBereich", 1);  // outdoor air / water
        Choose("Klimazone", 2);
        Choose("HausTyp", 3);
        Choose("HeizArt", 0);
        Choose("KesselWirk", 1);
        TypeAndEnter("WohnFL", QStringLiteral("150"));
        TypeAndEnter("EnergKost", QStringLiteral("0.25"));
        test::ClickOn(Child<QPushButton>("SeasonalButt"));
        ASSERT_TRUE(Panel()->isVisible());
    }
    SeasonalPanel* Panel() { return Child<SeasonalPanel>("SeasonalPanel"); }
    void TypeKeys(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    double AverageScop() {
        const auto& seasons = Panel()->page().seasons;
        EXPECT_FALSE(seasons.seasons.empty());
        if (seasons.seasons.empty() || !seasons.seasons[0].result) return 0;
        return seasonal::ProjectScop(*seasons.seasons[0].result, seasons.backup);
    }
};

TEST_F(SeasonalPanelTest, TypedDifferencesMoveTheSeasonsAndAreKept) {
    OpenPanel();
    const double before = AverageScop();
    EXPECT_GT(before, 1);
    test::SaveScreenshot(window_.get(), QStringLiteral("seasonal_panel"));
    TypeKeys(Child<QLineEdit>("EvaporatorDifference"), QStringLiteral("10"));
    EXPECT_LT(AverageScop(), before) << "a colder evaporator lowers the seasonal COP";
    const seasonal::SeasonalFileRead read = seasonal::LoadSeasonalFile();
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.project.evaporatorDifference_K, 10);
    // A bivalent temperature: the back-up takes a share below it.
    TypeKeys(Child<QLineEdit>("Bivalent"), QStringLiteral("-2"));
    ASSERT_TRUE(Panel()->page().seasons.seasons[0].result);
    EXPECT_GT(Panel()->page().seasons.seasons[0].result->backupShare, 0);
    EXPECT_EQ(seasonal::LoadSeasonalFile().project.bivalent_C, -2);
    // A figure the method cannot take is marked and leaves the inputs as they were.
    TypeKeys(Child<QLineEdit>("CondenserDifference"), QStringLiteral("abc"));
    EXPECT_EQ(Panel()->page().seasons.inputs.condenserDifference_K, 3);

    test::ClickOn(Child<QPushButton>("SeasonalClose"));
    EXPECT_FALSE(Panel()->isVisible());
    // Opened again, the panel shows what the file keeps.
    test::ClickOn(Child<QPushButton>("SeasonalButt"));
    EXPECT_EQ(Child<QLineEdit>("EvaporatorDifference")->text(), QStringLiteral("10.0"));
}

TEST_F(SeasonalPanelTest, ADataSheetTypedInGivesItsSeasonalCop) {
    OpenPanel();
    Child<QTabWidget>("SeasonalTabs")->setCurrentIndex(1);
    Child<QCheckBox>("UnitReversible")->click();
    TypeKeys(Child<QLineEdit>("UnitDesignLoad"), QStringLiteral("7.65"));
    TypeKeys(Child<QLineEdit>("UnitBivalent"), QStringLiteral("-7"));
    TypeKeys(Child<QLineEdit>("UnitOperationLimit"), QStringLiteral("-10"));
    auto* points = Child<QTableWidget>("UnitPoints");
    const char* rows[6][4] = {
        {"-15", "", "", ""},          {"-7", "6.78", "3.05", "0.9"},   {"2", "4.05", "4.64", "0.9"},
        {"7", "2.65", "6.37", "0.9"}, {"12", "2.97", "6.96", "0.965"}, {"-10", "6.12", "2.91", ""}};
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 4; ++c) points->item(r, c)->setText(QString::fromLatin1(rows[r][c]));
    TypeKeys(Child<QLineEdit>("OffModeOff"), QStringLiteral("15"));
    TypeKeys(Child<QLineEdit>("OffModeThermostatOff"), QStringLiteral("15"));
    TypeKeys(Child<QLineEdit>("OffModeStandby"), QStringLiteral("15"));
    // Until the last power is typed the panel names what the data sheet still lacks.
    EXPECT_TRUE(Child<QLabel>("UnitResult")->text().contains(QStringLiteral("off_mode_w.crankcase")))
        << Child<QLabel>("UnitResult")->text().toStdString();
    TypeKeys(Child<QLineEdit>("OffModeCrankcase"), QStringLiteral("0"));
    const QString result = Child<QLabel>("UnitResult")->text();
    EXPECT_TRUE(result.startsWith(QStringLiteral("SCOP 4.75    SCOP_on 4.75"))) << result.toStdString();
    test::SaveScreenshot(window_.get(), QStringLiteral("seasonal_unit"));
    // The data sheet is kept in Seasonal.json in the form --seasonal-unit reads.
    const seasonal::SeasonalFileRead read = seasonal::LoadSeasonalFile();
    ASSERT_TRUE(read.unitJson);
    const auto parsed = seasonal::ParseUnitFile(*read.unitJson);
    ASSERT_TRUE(std::holds_alternative<seasonal::UnitFile>(parsed));
    EXPECT_NEAR(seasonal::EvaluateSeason(std::get<seasonal::UnitFile>(parsed).unit).scop, 4.745, 0.0005);
}

TEST_F(SeasonalPanelTest, ThePageDrawsWhatThePanelShows) {
    OpenPanel();
    const SeasonalPage page = SeasonalPageOf(project_);
    ASSERT_EQ(page.seasons.seasons.size(), 3u);
    EXPECT_EQ(page.seasons.seasons[0].result->scopOn, Panel()->page().seasons.seasons[0].result->scopOn);
    QImage image(827, 1169, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        DrawSeasonalPage(painter, QRectF(0, 0, 827, 1169), page, QStringLiteral("DejaVu Sans"));
    }
    // Ink in the chart's colours: the heat pump's bars and the capacity line.
    int green = 0, blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            green += c == QColor(46, 125, 50);
            blue += c == QColor(21, 101, 192);
        }
    EXPECT_GT(green, 500);
    EXPECT_GT(blue, 50);
    const QString directory = qEnvironmentVariable("TERVALO_SCREENSHOT_DIR");
    if (!directory.isEmpty()) image.save(directory + QStringLiteral("/seasonal_page.png"));
}

// The panel and the page in German, English and Russian: each language's own texts (pictures of both when
// TERVALO_SCREENSHOT_DIR names a directory).
TEST_F(SeasonalPanelTest, PanelAndPageInThreeLanguages) {
    for (const char* code : {"GER", "ENG", "RUS"}) {
        SCOPED_TRACE(code);
        window_.reset();
        Settings.LanguageCode = code;
        LoadLanguageTexts(Settings.LanguageCode);
        project_ = ProjectRecord{};
        OpenPanel();
        const FeatureTexts texts = LoadFeatureTexts(seasonal_texts::kFile, code);
        EXPECT_EQ(Child<QPushButton>("SeasonalClose")->text(), DisplayText(texts[seasonal_texts::kClose]));
        EXPECT_EQ(Child<QTabWidget>("SeasonalTabs")->tabText(0),
                  DisplayText(texts[seasonal_texts::kProjectTab]));
        window_->resize(1024, 768);
        QApplication::processEvents();
        const QString name = QString::fromLatin1(code).toLower();
        test::SaveScreenshot(window_.get(), QStringLiteral("seasonal_panel_") + name);
        Child<QTabWidget>("SeasonalTabs")->setCurrentIndex(1);
        test::SaveScreenshot(window_.get(), QStringLiteral("seasonal_unit_") + name);
        QImage image(827, 1169, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            DrawSeasonalPage(painter, QRectF(0, 0, 827, 1169), SeasonalPageOf(project_),
                             QStringLiteral("DejaVu Sans"));
        }
        const QString directory = qEnvironmentVariable("TERVALO_SCREENSHOT_DIR");
        if (!directory.isEmpty()) image.save(directory + QStringLiteral("/seasonal_page_") + name + ".png");

        // A narrow chart keeps its legend and axis title inside: no ink right of its area, none cut off left.
        const SeasonalPage content = SeasonalPageOf(project_);
        ASSERT_FALSE(content.seasons.seasons.empty());
        QImage narrow(400, 240, QImage::Format_RGB32);
        narrow.fill(Qt::white);
        {
            QPainter painter(&narrow);
            painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
            DrawSeasonChart(painter, QRectF(100, 0, 120, 240), content.seasons.seasons[0], content.texts,
                            '.');
        }
        int outside = 0;
        for (int y = 0; y < narrow.height(); ++y)
            for (int x = 0; x < narrow.width(); ++x)
                outside += (x < 99 || x > 222) && narrow.pixelColor(x, y) != QColor(Qt::white);
        EXPECT_EQ(outside, 0);
        if (!directory.isEmpty())
            narrow.save(directory + QStringLiteral("/seasonal_chart_narrow_") + name + ".png");
    }
}

}  // namespace
}  // namespace tervalo

#include "report/ui/report_windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <utility>
#include <vector>

#include "config/run_settings.h"
#include "localisation/language_tables.h"
#include "project/project_record.h"
#include "report/results_file.h"
#include "report/results_writer.h"
#include "report/ui/current_printer.h"
#include "report/ui/print_settings_window.h"
#include "report/ui/results_view.h"
#include "support/system_traits.h"
#include "support/temp_dir.h"
#include "tests/report/poppler.h"
#include "widgets/command_picture.h"
#include "widgets/twips.h"
#include "widgets/window_test_support.h"

namespace tervalo {
namespace {

using test::CommandOutput;
using test::ScopedTempDir;
using test::WriteBytes;
namespace fs = std::filesystem;

// Runs `act` on the next modal window that opens on top of the one active now.
void WhenModalOpens(std::function<void(QWidget*)> act, QWidget* below = QApplication::activeModalWidget()) {
    QTimer::singleShot(10, [act, below] {
        QWidget* top = QApplication::activeModalWidget();
        if (top && top != below)
            act(top);
        else
            WhenModalOpens(act, below);
    });
}

// Waits until `view` is the top window again, then closes it. Messages go to the test's answerer; a message
// box that bypasses it is a fault, closed so that the test goes on.
void CloseOnceBackAt(QWidget* view) {
    QTimer::singleShot(10, [view] {
        QWidget* top = QApplication::activeModalWidget();
        if (top == view) {
            test::ClickOn(test::Part<CommandPicture>(view, "Command3D1"));
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(top)) {
            ADD_FAILURE() << "message box outside the answerer: " << box->text().toStdString();
            box->close();
        }
        CloseOnceBackAt(view);
    });
}

class ReportWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetRunSettings();
        ResetLanguageTables();
        ResetCurrentPrinter();
        Settings.LanguageCode = "GER";
        Settings.CurrencyCode = "EUR";
        Settings.ProductName = "Quelmo";
        Settings.PrintFontName = "Arial";
        Settings.WebAddress = "www.example.org";
        Texts.captions[kCaptionCalculation] = "Berechnung";
        Texts.captions[kCaptionHeatPump] = "W\xE4rmepumpe";
        Texts.captions[kCaptionEmission] = "Emission";
        Texts.captions[kCaptionPrint] = "Drucken";
        Texts.captions[kCaptionPageHeader] = "Kopfzeile";
        Texts.captions[kCaptionCancel] = "Abbrechen";
        Texts.captions[kCaptionSetup] = "Einstellungen";
        Texts.captions[kCaptionPrinter] = "Drucker";
        Texts.heatCaptions[11] = "Beheizte R\xE4ume";
        project_.WohnFL = "135";
        project_.GesHBDGeB = "16200";
        project_.HeizArt = "Heiz\xF6l";
        project_.Label27 = "2234";
        project_.co2consum = "1.152";
    }
    void TearDown() override {
        ResetCurrentPrinter();
        ResetRunSettings();
        ResetLanguageTables();
    }

    void PrintToPdf(const fs::path& file) {
        CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
        CurrentPrinter().setOutputFileName(QString::fromStdString(file.string()));
    }

    // Opens the view from the project, presses print, answers the print settings with `ok`, closes the view.
    // With `cyclePage` and `decisionPage` the print settings' boxes of these pages (offered, off at first)
    // are checked before, as the user does: a click, or Space on the focused box.
    bool PrintFromView(bool ok, bool cyclePage = false, bool decisionPage = false) {
        WhenModalOpens([ok, cyclePage, decisionPage](QWidget* view) {
            WhenModalOpens(
                [ok, cyclePage, decisionPage, view](QWidget* settings) {
                    auto* window = qobject_cast<PrintSettingsWindow*>(settings);
                    ASSERT_NE(window, nullptr);
                    for (QCheckBox* page : {test::Part<QCheckBox>(window, "CyclePage"),
                                            test::Part<QCheckBox>(window, "DecisionPage"),
                                            test::Part<QCheckBox>(window, "LifetimePage"),
                                            test::Part<QCheckBox>(window, "SeasonalPage")}) {
                        EXPECT_TRUE(page->isVisibleTo(window));
                        EXPECT_FALSE(page->isChecked()) << "the optional pages are off by default";
                    }
                    test::SaveScreenshot(window, QStringLiteral("print_settings"));
                    if (cyclePage) test::Part<QCheckBox>(window, "CyclePage")->click();
                    if (decisionPage) {
                        test::Part<QCheckBox>(window, "DecisionPage")->setFocus();
                        QTest::keyClick(test::Part<QCheckBox>(window, "DecisionPage"), Qt::Key_Space);
                        EXPECT_TRUE(test::Part<QCheckBox>(window, "DecisionPage")->isChecked());
                    }
                    test::ClickOn(ok ? test::Part<CommandPicture>(window, "OKbutt")
                                     : test::Part<CommandPicture>(window, "Abbutt"));
                    CloseOnceBackAt(view);
                },
                view);
            test::ClickOn(test::Part<CommandPicture>(view, "Command3D2"));
        });
        return PrintProject(project_, nullptr);
    }

    // The one message shown, as the user would have seen it: a warning titled with the product name.
    void ExpectOneWarningNaming(const QString& fileName) {
        ASSERT_EQ(messages_.shown.size(), 1u);
        const MessageRequest& shown = messages_.shown.front();
        EXPECT_EQ(shown.kind, MessageKind::Exclamation);
        EXPECT_EQ(shown.title, QStringLiteral("Quelmo"));
        EXPECT_TRUE(shown.text.contains(fileName)) << shown.text.toStdString();
    }

    ScopedTempDir dir_;
    ProjectRecord project_;
    test::MessageRecorder messages_;
};

TEST_F(ReportWindowsTest, UnwritableResultsFileIsReportedAndTheViewStaysClosed) {
    fs::create_directory("ergEN1.DAT");
    QString opened;
    test::WhenModalOpens([](QWidget* top) { top->close(); }, &opened);
    EXPECT_FALSE(PrintProject(project_, nullptr));
    QApplication::processEvents();  // a view opened by mistake has been closed by now and named in `opened`
    EXPECT_TRUE(opened.isEmpty()) << opened.toStdString();
    ExpectOneWarningNaming(QStringLiteral("ergEN1.DAT"));
}

TEST_F(ReportWindowsTest, ViewOfAMissingFileOpensAndClosesWithTheFrameAlone) {
    int darkInsideFrame = -1;
    QString title;
    WhenModalOpens([&](QWidget* top) {
        auto* view = qobject_cast<ResultsView*>(top);
        ASSERT_NE(view, nullptr);
        title = view->windowTitle();
        const QImage image = view->grab().toImage();
        const QRectF page = ResultsView::PageArea(view->size(), ResultsView::ViewPageSize());
        const QRect inside =
            QRectF(page.left() + 0.08 * page.width() + 3, page.top() + 0.16 * page.height() + 3,
                   0.86 * page.width() - 6, 0.74 * page.height() - 6)
                .toRect();
        darkInsideFrame = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                darkInsideFrame += qGray(image.pixel(x, y)) < 128;
        test::ClickOn(test::Part<CommandPicture>(view, "Command3D3"));
    });
    ShowResultsView(nullptr);
    EXPECT_EQ(darkInsideFrame, 0);
    EXPECT_EQ(title, QString::fromUtf8("Quelmo : Berechnung Wärmepumpe - Simulation CO2 Emission"));
}

TEST_F(ReportWindowsTest, PrintHeadFollowsAndSetsThePrintHeaderOption) {
    for (int stored : {0, 1}) {
        Settings.carried.PrintHeaderOption = static_cast<std::int16_t>(stored);
        bool checked = false;
        WhenModalOpens([&](QWidget* top) {
            auto* view = qobject_cast<ResultsView*>(top);
            ASSERT_NE(view, nullptr);
            checked = test::Part<QCheckBox>(view, "PrintHead")->isChecked();
            EXPECT_EQ(test::Part<QCheckBox>(view, "PrintHead")->text().remove(QLatin1Char('&')),
                      "Drucken Kopfzeile");
            test::Part<QCheckBox>(view, "PrintHead")->click();
            view->close();
        });
        ShowResultsView(nullptr);
        EXPECT_EQ(checked, stored == 0);
        EXPECT_EQ(Settings.carried.PrintHeaderOption, 1 - stored);
    }
}

TEST_F(ReportWindowsTest, CancelledPrintSettingsPrintNothing) {
    PrintToPdf(dir_.path() / "cancelled.pdf");
    EXPECT_TRUE(PrintFromView(false));
    EXPECT_FALSE(fs::exists("cancelled.pdf"));
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(ReportWindowsTest, PrintingTwiceGivesTwoIdenticalSingleSheets) {
    TERVALO_SKIP_UNLESS(test::HavePoppler(), "poppler tools are not installed");
    for (const char* name : {"first.pdf", "second.pdf"}) {
        PrintToPdf(dir_.path() / name);
        ASSERT_TRUE(PrintFromView(true));
        EXPECT_TRUE(messages_.shown.empty());
        ASSERT_TRUE(fs::exists(name)) << name;
        EXPECT_NE(CommandOutput(std::string("pdfinfo ") + name).find("Pages:           1\n"),
                  std::string::npos);
    }
    CommandOutput("pdftoppm -r 40 -png first.pdf first && pdftoppm -r 40 -png second.pdf second");
    ASSERT_TRUE(fs::exists("first-1.png"));
    EXPECT_FALSE(fs::exists("first-2.png"));
    EXPECT_EQ(test::ReadBytes("first-1.png"), test::ReadBytes("second-1.png"));

    const std::string text = CommandOutput("pdftotext -enc UTF-8 first.pdf -");
    for (const char* expected :
         {"Quelmo : Berechnung Wärmepumpe - Simulation CO2 Emission", "Beheizte Räume :", "135 m²",
          "16200 kWh/a", "Heizöl", "2234 EUR/a", "1,152 t/a", "www.example.org"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

TEST_F(ReportWindowsTest, CheckedCyclePageFollowsTheReportPageOnASecondSheet) {
    TERVALO_SKIP_UNLESS(test::HavePoppler(), "poppler tools are not installed");
    PrintToPdf(dir_.path() / "cycle.pdf");
    ASSERT_TRUE(PrintFromView(true, true));
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_NE(CommandOutput("pdfinfo cycle.pdf").find("Pages:           2\n"), std::string::npos);
    const std::string second = CommandOutput("pdftotext -f 2 -l 2 -enc UTF-8 cycle.pdf -");
    EXPECT_NE(second.find("T_0 = t_0 + 273,15"), std::string::npos) << "German numbers: " << second;
    EXPECT_EQ(CommandOutput("pdftotext -f 1 -l 1 -enc UTF-8 cycle.pdf -").find("T_0 = t_0"),
              std::string::npos);
}

TEST_F(ReportWindowsTest, CheckedDecisionPageFollowsTheReportPageAndTheCyclePage) {
    TERVALO_SKIP_UNLESS(test::HavePoppler(), "poppler tools are not installed");
    WriteBytes("Decision.GER",
               "\"Entscheidungshilfe: W\xE4rmepumpe oder Kessel\"\r\n\"Break-even-Werte\"\r\n");
    PrintToPdf(dir_.path() / "decision.pdf");
    ASSERT_TRUE(PrintFromView(true, false, true));
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_NE(CommandOutput("pdfinfo decision.pdf").find("Pages:           2\n"), std::string::npos);
    const std::string second = CommandOutput("pdftotext -f 2 -l 2 -enc UTF-8 decision.pdf -");
    EXPECT_NE(second.find("Entscheidungshilfe: Wärmepumpe oder Kessel"), std::string::npos) << second;
    EXPECT_NE(second.find("Break-even-Werte"), std::string::npos) << second;
    EXPECT_EQ(CommandOutput("pdftotext -f 1 -l 1 -enc UTF-8 decision.pdf -").find("Entscheidungshilfe"),
              std::string::npos);

    PrintToPdf(dir_.path() / "both.pdf");
    ASSERT_TRUE(PrintFromView(true, true, true));
    EXPECT_NE(CommandOutput("pdfinfo both.pdf").find("Pages:           3\n"), std::string::npos);
    EXPECT_NE(CommandOutput("pdftotext -f 2 -l 2 -enc UTF-8 both.pdf -").find("T_0 = t_0"),
              std::string::npos);
    EXPECT_NE(CommandOutput("pdftotext -f 3 -l 3 -enc UTF-8 both.pdf -").find("Entscheidungshilfe"),
              std::string::npos);
}

TEST_F(ReportWindowsTest, PrintThatCannotBeWrittenIsReported) {
    PrintToPdf(dir_.path() / "missing" / "report.pdf");
    EXPECT_TRUE(PrintFromView(true));
    ExpectOneWarningNaming(QStringLiteral("report.pdf"));
}

TEST_F(ReportWindowsTest, ResizeKeepsPanelButtonsAndScrollBarInTheirPlaces) {
    ResultsView view;
    view.show();
    for (const QSize size : {QSize(900, 700), QSize(1400, 1000)}) {
        view.resize(size);
        QApplication::processEvents();
        const int w = view.width(), h = view.height();
        const TwipsScale twips = TwipsScale::Of(&view);
        SCOPED_TRACE(w);
        EXPECT_EQ(test::Part<QFrame>(&view, "Frame3D2")->geometry().right(), w - 1);
        EXPECT_EQ(test::Part<QFrame>(&view, "Frame3D2")->height(), h + twips.Pixels(100));
        EXPECT_EQ(test::Part<CommandPicture>(&view, "Command3D1")->y(), h - twips.Pixels(1000));
        EXPECT_EQ(test::Part<CommandPicture>(&view, "Command3D3")->y(), h - twips.Pixels(1600));
        EXPECT_EQ(test::Part<CommandPicture>(&view, "Command3D2")->y(), h - twips.Pixels(2200));
        EXPECT_EQ(test::Part<QScrollBar>(&view, "VScroll1")->x(), static_cast<int>(0.72 * w));
        EXPECT_EQ(test::Part<QScrollBar>(&view, "VScroll1")->height(), h - twips.Pixels(200));
        // The scroll bar stays clear of the panel.
        EXPECT_LT(test::Part<QScrollBar>(&view, "VScroll1")->geometry().right(),
                  test::Part<QFrame>(&view, "Frame3D2")->x());
    }
    EXPECT_EQ(test::Part<QScrollBar>(&view, "VScroll1")->maximum(), 1);
    EXPECT_EQ(test::Part<QScrollBar>(&view, "VScroll1")->value(), 1);
}

// Every picture button of both windows keeps its size and has its label twin: pressing the twin presses the
// picture.
TEST_F(ReportWindowsTest, EveryPictureButtonHasItsSizeAndTakesThePressOfItsLabelTwin) {
    using Pairs = std::vector<std::pair<CommandPicture*, QLabel*>>;
    const auto expectButtons = [](QWidget& window, double sizeTwips, const Pairs& pairs) {
        window.show();
        const int size = TwipsScale::Of(&window).Pixels(sizeTwips);
        for (const auto& [button, twin] : pairs) {
            SCOPED_TRACE(button->objectName().toStdString());
            EXPECT_EQ(button->size(), QSize(size, size));
            QTest::mousePress(twin, Qt::LeftButton);
            EXPECT_TRUE(button->IsPressed());
            button->ShowFlat();
        }
        window.hide();
    };
    PrintSettingsWindow settings;
    expectButtons(
        settings, 600,
        {{test::Part<CommandPicture>(&settings, "drbutt"), test::Part<QLabel>(&settings, "drbutt_l")},
         {test::Part<CommandPicture>(&settings, "prevButt"), test::Part<QLabel>(&settings, "prevButt_l")},
         {test::Part<CommandPicture>(&settings, "OKbutt"), test::Part<QLabel>(&settings, "Okbutt_l")},
         {test::Part<CommandPicture>(&settings, "Abbutt"), test::Part<QLabel>(&settings, "Abbutt_l")}});
    ResultsView view;
    expectButtons(
        view, 540,
        {{test::Part<CommandPicture>(&view, "Command3D1"), test::Part<QLabel>(&view, "Command3D1_l")},
         {test::Part<CommandPicture>(&view, "Command3D2"), test::Part<QLabel>(&view, "Command3D2_l")},
         {test::Part<CommandPicture>(&view, "Command3D3"), test::Part<QLabel>(&view, "Command3D3_l")}});
}

// The command runs on the release, not on the press, on the button and on its twin.
TEST_F(ReportWindowsTest, PictureCommandRunsOnRelease) {
    const auto expectRunsOnRelease = [](QWidget& window, CommandPicture* button, QLabel* twin,
                                        const std::function<bool()>& ran) {
        for (QWidget* control : {static_cast<QWidget*>(button), static_cast<QWidget*>(twin)}) {
            SCOPED_TRACE(control->objectName().toStdString());
            window.show();
            QTest::mousePress(control, Qt::LeftButton);
            EXPECT_TRUE(button->IsPressed());
            EXPECT_FALSE(ran()) << "nothing runs on the press";
            QTest::mouseRelease(control, Qt::LeftButton);
            EXPECT_FALSE(button->IsPressed());
            EXPECT_TRUE(ran()) << "released";
            window.hide();
        }
    };
    PrintSettingsWindow settings;
    expectRunsOnRelease(settings, test::Part<CommandPicture>(&settings, "prevButt"),
                        test::Part<QLabel>(&settings, "prevButt_l"), [&] {
                            const bool shown = test::Part<QFrame>(&settings, "Panel3D1")->isVisible();
                            test::Part<QFrame>(&settings, "Panel3D1")->hide();
                            return shown;
                        });
    ResultsView view;
    expectRunsOnRelease(view, test::Part<CommandPicture>(&view, "Command3D1"),
                        test::Part<QLabel>(&view, "Command3D1_l"), [&] { return !view.isVisible(); });
}

TEST_F(ReportWindowsTest, StoredFontThePrinterLacksLeavesThePrintersOwnInTheList) {
    Settings.PrintFontName = "No Such Font Family";
    PrintSettingsWindow window;
    window.show();
    EXPECT_EQ(test::Part<QComboBox>(&window, "fontlist")->currentText(), PrinterFontName());
    EXPECT_FALSE(PrinterFontName().isEmpty());
    EXPECT_EQ(Settings.PrintFontName, "No Such Font Family");
    EXPECT_EQ(window.windowTitle(), "Quelmo - Einstellungen Drucker");

    // A family of its own, not an alias of the font configuration (which stands for the family it resolves
    // to).
    int last = test::Part<QComboBox>(&window, "fontlist")->count() - 1;
    while (last > 0 &&
           QFontInfo(QFont(test::Part<QComboBox>(&window, "fontlist")->itemText(last))).family() !=
               test::Part<QComboBox>(&window, "fontlist")->itemText(last))
        --last;
    const QString chosen = test::Part<QComboBox>(&window, "fontlist")->itemText(last);
    test::Part<QComboBox>(&window, "fontlist")->setCurrentIndex(last);
    emit test::Part<QComboBox>(&window, "fontlist")->textActivated(chosen);
    EXPECT_EQ(QString::fromStdString(Settings.PrintFontName), chosen);
    EXPECT_EQ(PrinterFontName(), chosen);
    EXPECT_EQ(test::Part<QLabel>(&window, "FonttestPN")->font().family(), chosen);
}

TEST_F(ReportWindowsTest, AnAliasedFontIsNamedAndPrintedAsTheFamilyItResolvesTo) {
    // "Arial" is an alias of the system's font configuration, not a family of its own.
    const QString family = QFontInfo(QFont(QStringLiteral("Arial"))).family();
    PrintSettingsWindow window;
    window.show();
    EXPECT_EQ(test::Part<QComboBox>(&window, "fontlist")->currentText(), family);
    EXPECT_GE(test::Part<QComboBox>(&window, "fontlist")->currentIndex(), 0);
    EXPECT_TRUE(test::Part<QLabel>(&window, "FonttestPN")->text().startsWith(family + QLatin1Char('\n')));
    EXPECT_EQ(Settings.PrintFontName, "Arial");
    window.close();

    TERVALO_SKIP_UNLESS(test::HavePoppler(), "poppler tools are not installed");
    // The window's print and tervalo-calc's (the stored name as it is) use the same font.
    PrintToPdf(dir_.path() / "window.pdf");
    ASSERT_TRUE(PrintFromView(true));
    ASSERT_TRUE(PrintResultsPdf(QStringLiteral("calc.pdf"), QStringLiteral("Arial")));
    const auto fonts = [](const std::string& file) {
        return test::CommandOutput("pdffonts " + file + " | tail -n +3 | cut -d' ' -f1 | sort");
    };
    EXPECT_FALSE(fonts("window.pdf").empty());
    EXPECT_EQ(fonts("window.pdf"), fonts("calc.pdf"));
}

TEST_F(ReportWindowsTest, SizePanelShowsPrinterAndScreen) {
    PrintToPdf(dir_.path() / "size.pdf");
    PrintSettingsWindow window;
    window.show();
    EXPECT_FALSE(test::Part<QFrame>(&window, "Panel3D1")->isVisible());
    test::ClickOn(test::Part<CommandPicture>(&window, "prevButt"));
    EXPECT_TRUE(test::Part<QFrame>(&window, "Panel3D1")->isVisible());
    const QSize page = PrinterPageSize();
    EXPECT_GT(page.height(), page.width());
    EXPECT_EQ(test::Part<QLabel>(&window, "Pwidth")->text(),
              "Printer Width = " + QString::number(page.width()) + " dots (210 mm)");
    EXPECT_EQ(test::Part<QLabel>(&window, "Pheight")->text(),
              "Printer Height = " + QString::number(page.height()) + " dots (297 mm)");
    EXPECT_TRUE(test::Part<QLabel>(&window, "Swidth")->text().startsWith("Screen Width = "))
        << "the figure in twips and in pixels";
    EXPECT_TRUE(
        test::Part<QLabel>(&window, "Swidth")->text().contains(QRegularExpression(" twips \\(\\d+ px\\)$")))
        << test::Part<QLabel>(&window, "Swidth")->text().toStdString();
    test::Part<QPushButton>(&window, "Command3D1")->click();
    EXPECT_FALSE(test::Part<QFrame>(&window, "Panel3D1")->isVisible());
}

TEST_F(ReportWindowsTest, PrintingIntoAnExistingFileAsksAndNoProposesAFreeName) {
    ASSERT_TRUE(WriteResultsFile(project_));
    PrintToPdf(dir_.path() / "report.pdf");
    test::WriteBytes("report.pdf", "earlier");
    test::WriteBytes("report (2).pdf", "earlier too");
    QString proposed;
    WhenModalOpens([&](QWidget* setup) {
        proposed = CurrentPrinter().outputFileName();
        qobject_cast<QDialog*>(setup)->accept();
    });
    EXPECT_EQ(PrintOnCurrentPrinter(nullptr), PrintOutcome::Printed);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].kind, MessageKind::YesNoQuestion);
    EXPECT_TRUE(messages_.shown[0].defaultNo);
    EXPECT_TRUE(
        messages_.shown[0].text.startsWith(QString::fromStdString((dir_.path() / "report.pdf").string())));
    // (The printer holds the name in Qt's form; the set-up dialog shows it in the system's.)
    EXPECT_EQ(QDir::toNativeSeparators(proposed),
              QString::fromStdString((dir_.path() / "report (3).pdf").string()));
    EXPECT_EQ(test::ReadBytes("report.pdf"), "earlier");
    EXPECT_TRUE(test::ReadBytes("report (3).pdf").starts_with("%PDF"));
    EXPECT_EQ(CurrentPrinter().docName(),
              QString::fromUtf8("Quelmo : Berechnung Wärmepumpe - Simulation CO2 Emission"))
        << "for a print queue";
    EXPECT_EQ(CurrentPrinter().creator(), QStringLiteral("Quelmo"));

    messages_.answers = {true};
    PrintToPdf(dir_.path() / "report.pdf");
    EXPECT_EQ(PrintOnCurrentPrinter(nullptr), PrintOutcome::Printed);
    EXPECT_EQ(messages_.shown.size(), 2u);
    EXPECT_TRUE(test::ReadBytes("report.pdf").starts_with("%PDF")) << "Yes replaces";

    PrintToPdf(dir_.path() / "report.pdf");
    WhenModalOpens([](QWidget* setup) { qobject_cast<QDialog*>(setup)->reject(); });
    EXPECT_EQ(PrintOnCurrentPrinter(nullptr), PrintOutcome::Cancelled) << "No, then cancelling the set-up";
}

TEST_F(ReportWindowsTest, CloseBoxOfThePrintSettingsCancels) {
    PrintSettingsWindow window;
    WhenModalOpens([](QWidget* top) { top->close(); });
    EXPECT_EQ(window.exec(), QDialog::Rejected);
}

TEST_F(ReportWindowsTest, PrinterSetupDialogHasItsTitleAndCancelChangesNothing) {
    PrintToPdf(dir_.path() / "kept.pdf");
    QString title;
    WhenModalOpens([&](QWidget* top) {
        title = top->windowTitle();
        qobject_cast<QDialog*>(top)->reject();
    });
    EXPECT_FALSE(ShowPrinterSetup(nullptr));
    EXPECT_EQ(title, "Kelvara Printer Setup");
    EXPECT_EQ(CurrentPrinter().outputFileName(), QString::fromStdString((dir_.path() / "kept.pdf").string()));
}

TEST(ResultsViewPageArea, ThePageKeepsThePapersProportionsInAnyWindow) {
    const QSizeF a4(2480, 3508);
    for (const QSizeF surface : {QSizeF(1100, 1000), QSizeF(2000, 600), QSizeF(500, 1400)}) {
        const QRectF page = ResultsView::PageArea(surface, a4);
        EXPECT_NEAR(page.width() / page.height(), a4.width() / a4.height(), 1e-9);
        // -0.1 W to 1.5 W across and -0.045 H to 0.99 H down fill the surface in one direction at least.
        EXPECT_NEAR(page.left(), 0.1 * page.width(), 1e-9);
        EXPECT_NEAR(page.top(), 0.045 * page.height(), 1e-9);
        EXPECT_LE(1.6 * page.width(), surface.width() + 1e-9);
        EXPECT_LE(1.035 * page.height(), surface.height() + 1e-9);
        EXPECT_TRUE(std::abs(1.6 * page.width() - surface.width()) < 1e-9 ||
                    std::abs(1.035 * page.height() - surface.height()) < 1e-9);
    }
}

TEST_F(ReportWindowsTest, WithoutAPrinterTheViewUsesTheDefaultPageSizeAndSetupOffersAPdfFile) {
    if (HasPrintDestination()) GTEST_SKIP() << "this machine has a printer";
    EXPECT_EQ(PrinterPageSize(), QSize(0, 0));
    EXPECT_EQ(ResultsView::ViewPageSize(), QSizeF(2150, 2900));

    WhenModalOpens([](QWidget* top) { qobject_cast<QDialog*>(top)->accept(); });
    EXPECT_TRUE(ShowPrinterSetup(nullptr));
    EXPECT_EQ(CurrentPrinter().outputFormat(), QPrinter::PdfFormat);
    const QString proposed = CurrentPrinter().outputFileName();
    EXPECT_TRUE(proposed.endsWith(" " + QDate::currentDate().toString(Qt::ISODate) + ".pdf"))
        << proposed.toStdString();
    EXPECT_TRUE(proposed.contains("/Quelmo _ Berechnung")) << "named after the report, the colon replaced";
    EXPECT_TRUE(HasPrintDestination());
}

}  // namespace
}  // namespace tervalo

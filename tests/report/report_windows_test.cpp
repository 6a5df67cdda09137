#include "report/ui/report_windows.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "engine/dialog_mode.h"
#include "localisation/language_tables.h"
#include "project/project_record.h"
#include "report/results_file.h"
#include "report/ui/current_printer.h"
#include "report/ui/picture_button.h"
#include "report/ui/print_settings_window.h"
#include "report/ui/results_view.h"
#include "shell/run_settings.h"
#include "support/temp_dir.h"
#include "tests/report/gui_application.h"
#include "tests/report/poppler.h"

namespace tervalo {
namespace {

using test::CommandOutput;
using test::ScopedTempDir;
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

// Answers message boxes (keeping the last text) until `view` is the top window again, then closes it.
void CloseOnceBackAt(QWidget* view, QString* message) {
    QTimer::singleShot(10, [view, message] {
        QWidget* top = QApplication::activeModalWidget();
        if (top == view) {
            qobject_cast<ResultsView*>(view)->Command3D1->Click();
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(top)) {
            if (message) *message = box->text();
            box->close();
        }
        CloseOnceBackAt(view, message);
    });
}

class ReportWindowsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureApplication<QApplication>(); }
    void SetUp() override {
        ResetRunSettings();
        ResetLanguageTables();
        ResetCurrentPrinter();
        DialogMode = 0;
        Settings.LanguageCode = "GER";
        Settings.CurrencyCode = "EUR";
        Settings.ProductName = "Quelmo";
        Settings.PrintFontName = "Arial";
        Settings.WebAddress = "www.example.org";
        Texts.captions[81] = "Berechnung";
        Texts.captions[66] = "W\xE4rmepumpe";
        Texts.captions[222] = "Emission";
        Texts.captions[76] = "Drucken";
        Texts.captions[221] = "Kopfzeile";
        Texts.captions[35] = "Abbrechen";
        Texts.captions[63] = "Einstellungen";
        Texts.captions[166] = "Drucker";
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
        DialogMode = 0;
    }

    void PrintToPdf(const fs::path& file) {
        CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
        CurrentPrinter().setOutputFileName(QString::fromStdString(file.string()));
    }

    // Opens the view from the project, presses print, answers the print settings with `ok`, closes the view.
    // A message shown after printing is answered and its text kept in `message`.
    bool PrintFromView(bool ok, QString* message = nullptr) {
        WhenModalOpens([ok, message](QWidget* view) {
            WhenModalOpens(
                [ok, view, message](QWidget* settings) {
                    auto* window = qobject_cast<PrintSettingsWindow*>(settings);
                    ASSERT_NE(window, nullptr);
                    (ok ? window->OKbutt : window->Abbutt)->Click();
                    CloseOnceBackAt(view, message);
                },
                view);
            qobject_cast<ResultsView*>(view)->Command3D2->Click();
        });
        return PrintProject(project_, nullptr);
    }

    ScopedTempDir dir_;
    ProjectRecord project_;
};

TEST_F(ReportWindowsTest, UnwritableResultsFileIsReportedAndTheViewStaysClosed) {
    fs::create_directory("ergEN1.DAT");
    QString shown;
    bool viewOpened = false;
    WhenModalOpens([&](QWidget* top) {
        viewOpened = qobject_cast<ResultsView*>(top) != nullptr;
        if (auto* box = qobject_cast<QMessageBox*>(top)) {
            shown = box->text();
            box->accept();
        } else {
            top->close();
        }
    });
    EXPECT_FALSE(PrintProject(project_, nullptr));
    EXPECT_FALSE(viewOpened);
    EXPECT_TRUE(shown.contains("ergEN1.DAT")) << shown.toStdString();
}

TEST_F(ReportWindowsTest, ViewOfAMissingFileOpensAndClosesWithTheFrameAlone) {
    int darkInsideFrame = -1;
    QString title;
    WhenModalOpens([&](QWidget* top) {
        auto* view = qobject_cast<ResultsView*>(top);
        ASSERT_NE(view, nullptr);
        title = view->windowTitle();
        const QImage image = view->grab().toImage();
        const QRectF page = ResultsView::PageArea(view->size());
        const QRect inside =
            QRectF(page.left() + 0.08 * page.width() + 3, page.top() + 0.16 * page.height() + 3,
                   0.86 * page.width() - 6, 0.75 * page.height() - 6)
                .toRect();
        darkInsideFrame = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                darkInsideFrame += qGray(image.pixel(x, y)) < 128;
        DialogMode = 7;
        view->Command3D3->Click();
    });
    ShowResultsView(nullptr);
    EXPECT_EQ(darkInsideFrame, 0);
    EXPECT_EQ(DialogMode, 0);
    EXPECT_EQ(title, QString::fromUtf8("Quelmo : Berechnung Wärmepumpe - Simulation CO2 Emission"));
}

TEST_F(ReportWindowsTest, PrintHeadFollowsAndSetsThePrintHeaderOption) {
    for (int stored : {0, 1}) {
        Settings.carried.PrintHeaderOption = static_cast<std::int16_t>(stored);
        bool checked = false;
        WhenModalOpens([&](QWidget* top) {
            auto* view = qobject_cast<ResultsView*>(top);
            ASSERT_NE(view, nullptr);
            checked = view->PrintHead->isChecked();
            EXPECT_EQ(view->PrintHead->text(), "Drucken Kopfzeile");
            view->PrintHead->click();
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
    EXPECT_EQ(DialogMode, 0);
    EXPECT_FALSE(fs::exists("cancelled.pdf"));
}

TEST_F(ReportWindowsTest, PrintingTwiceGivesTwoIdenticalSingleSheets) {
    if (!test::HavePoppler()) GTEST_SKIP() << "poppler tools are not installed";
    for (const char* name : {"first.pdf", "second.pdf"}) {
        PrintToPdf(dir_.path() / name);
        ASSERT_TRUE(PrintFromView(true));
        EXPECT_EQ(DialogMode, 0);
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
          "16200 kWh/a", "Heizöl", "2234 EUR/a", "1.152 t/a", "www.example.org"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

TEST_F(ReportWindowsTest, PrintThatCannotBeWrittenIsReported) {
    PrintToPdf(dir_.path() / "missing" / "report.pdf");
    QString message;
    EXPECT_TRUE(PrintFromView(true, &message));
    EXPECT_TRUE(message.contains("report.pdf")) << message.toStdString();
    EXPECT_EQ(DialogMode, 0);
}

TEST_F(ReportWindowsTest, ResizeKeepsPanelButtonsAndScrollBarInTheirPlaces) {
    ResultsView view;
    view.show();
    for (const QSize size : {QSize(900, 700), QSize(1400, 1000)}) {
        view.resize(size);
        QApplication::processEvents();
        const int w = view.width(), h = view.height();
        SCOPED_TRACE(w);
        EXPECT_EQ(view.Frame3D2->geometry().right(), w - 1);
        EXPECT_EQ(view.Frame3D2->height(), h + TwipsToPixels(&view, 100));
        EXPECT_EQ(view.Command3D1->y(), h - TwipsToPixels(&view, 1000));
        EXPECT_EQ(view.Command3D3->y(), h - TwipsToPixels(&view, 1600));
        EXPECT_EQ(view.Command3D2->y(), h - TwipsToPixels(&view, 2200));
        EXPECT_EQ(view.VScroll1->x(), static_cast<int>(0.72 * w));
        EXPECT_EQ(view.VScroll1->height(), h - TwipsToPixels(&view, 200));
        // The scroll bar stays clear of the panel.
        EXPECT_LT(view.VScroll1->geometry().right(), view.Frame3D2->x());
    }
    EXPECT_EQ(view.VScroll1->maximum(), 1);
    EXPECT_EQ(view.VScroll1->value(), 1);
}

TEST_F(ReportWindowsTest, TwinLabelPressesThePictureAndRunsOnRelease) {
    QWidget parent;
    PictureButton button("b", &parent);
    QLabel twin("twin", &parent);
    twin.resize(60, 20);
    button.AddTwin(&twin);
    int runs = 0;
    QObject::connect(&button, &PictureButton::clicked, [&] { ++runs; });
    const auto send = [](QWidget* target, QEvent::Type type, QPoint at) {
        QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    send(&twin, QEvent::MouseButtonPress, {5, 5});
    EXPECT_EQ(button.frameShadow(), QFrame::Sunken);
    EXPECT_EQ(runs, 0);
    send(&twin, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_EQ(button.frameShadow(), QFrame::Raised);
    EXPECT_EQ(runs, 1);
    // Released away from the twin: the look comes back, the command does not run.
    send(&twin, QEvent::MouseButtonPress, {5, 5});
    send(&twin, QEvent::MouseButtonRelease, {500, 5});
    EXPECT_EQ(button.frameShadow(), QFrame::Raised);
    EXPECT_EQ(runs, 1);
}

TEST_F(ReportWindowsTest, StoredFontThePrinterLacksLeavesThePrintersOwnInTheList) {
    Settings.PrintFontName = "No Such Font Family";
    PrintSettingsWindow window;
    window.show();
    EXPECT_EQ(window.fontlist->currentText(), PrinterFontName());
    EXPECT_FALSE(PrinterFontName().isEmpty());
    EXPECT_EQ(Settings.PrintFontName, "No Such Font Family");
    EXPECT_EQ(window.windowTitle(), "Quelmo - Einstellungen Drucker");

    const QString chosen = window.fontlist->itemText(window.fontlist->count() - 1);
    window.fontlist->setCurrentIndex(window.fontlist->count() - 1);
    emit window.fontlist->textActivated(chosen);
    EXPECT_EQ(QString::fromStdString(Settings.PrintFontName), chosen);
    EXPECT_EQ(PrinterFontName(), chosen);
    EXPECT_EQ(window.FonttestPN->font().family(), chosen);
}

TEST_F(ReportWindowsTest, SizePanelShowsPrinterAndScreen) {
    PrintToPdf(dir_.path() / "size.pdf");
    PrintSettingsWindow window;
    window.show();
    EXPECT_FALSE(window.Panel3D1->isVisible());
    window.prevButt->Click();
    EXPECT_TRUE(window.Panel3D1->isVisible());
    const QSize page = PrinterPageSize();
    EXPECT_GT(page.height(), page.width());
    EXPECT_EQ(window.Pwidth->text(), "Printer Width = " + QString::number(page.width()));
    EXPECT_EQ(window.Pheight->text(), "Printer Height = " + QString::number(page.height()));
    EXPECT_TRUE(window.Swidth->text().startsWith("Screen Width = "));
    window.Command3D1->click();
    EXPECT_FALSE(window.Panel3D1->isVisible());
}

TEST_F(ReportWindowsTest, CloseBoxOfThePrintSettingsCancels) {
    PrintSettingsWindow window;
    DialogMode = 1;
    WhenModalOpens([](QWidget* top) { top->close(); });
    window.exec();
    EXPECT_EQ(DialogMode, 0);
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

TEST_F(ReportWindowsTest, WithoutAPrinterTheViewUsesTheDefaultPageSizeAndSetupOffersAPdfFile) {
    if (HasPrintDestination()) GTEST_SKIP() << "this machine has a printer";
    EXPECT_EQ(PrinterPageSize(), QSize(0, 0));
    EXPECT_EQ(ResultsView::ViewPageSize(), QSizeF(2150, 2900));

    WhenModalOpens([](QWidget* top) { qobject_cast<QDialog*>(top)->accept(); });
    EXPECT_TRUE(ShowPrinterSetup(nullptr));
    EXPECT_EQ(CurrentPrinter().outputFormat(), QPrinter::PdfFormat);
    EXPECT_TRUE(CurrentPrinter().outputFileName().endsWith("/ergEN1.pdf"));
    EXPECT_TRUE(HasPrintDestination());
}

}  // namespace
}  // namespace tervalo

// The print settings and the results view from the keyboard alone: Tab follows the screen, Enter is OK, and
// every command and check box has its own Alt letter.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "config/run_settings.h"
#include "localisation/language_tables.h"
#include "report/ui/current_printer.h"
#include "report/ui/print_settings_window.h"
#include "report/ui/results_view.h"
#include "widgets/command_picture.h"
#include "widgets/window_test_support.h"

namespace tervalo {
namespace {

class ReportWindowsKeyboard : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetRunSettings();
        ResetLanguageTables();
        ResetCurrentPrinter();
        Settings.LanguageCode = "GER";
        Settings.ProductName = "Quelmo";
        Settings.PrintFontName = "Arial";
        Texts.captions[kCaptionPrint] = "Drucken";
        Texts.captions[kCaptionPageHeader] = "Kopfzeile";
        Texts.captions[kCaptionCancel] = "Abbrechen";
        Texts.captions[kCaptionPrinter] = "Drucker";
        Texts.captions[kCaptionPage] = "Seite";
    }
    void TearDown() override {
        ResetCurrentPrinter();
        ResetRunSettings();
        ResetLanguageTables();
    }

    // Shows the window as the active one, as the user meets it.
    static void Open(QWidget* window) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // The names of the widgets Tab visits from `first`, until the focus is back at it.
    static QStringList TabRound(QWidget* window, QWidget* first) {
        first->setFocus(Qt::TabFocusReason);
        QStringList visited{first->objectName()};
        for (int step = 0; step < 20; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (!now || now == first || !window->isAncestorOf(now)) break;
            visited << now->objectName();
        }
        return visited;
    }

    // The underlined letter of a caption ("&Drucken" gives 'd'), or 0 without one.
    static char Mnemonic(const QString& caption) {
        const qsizetype mark = caption.indexOf(QLatin1Char('&'));
        return mark < 0 ? 0 : caption.at(mark + 1).toLower().toLatin1();
    }

    test::ScopedTempDir dir_;
    test::MessageRecorder messages_;
};

TEST_F(ReportWindowsKeyboard, PrintSettingsTabDownTheLeftColumnThenOkAndCancelAndEnterConfirms) {
    const std::filesystem::path staged = std::filesystem::path(TERVALO_DIST_DIR) / "WindowAids.GER";
    if (std::filesystem::exists(staged)) std::filesystem::copy_file(staged, "WindowAids.GER");
    PrintSettingsWindow window(nullptr, true);
    Open(&window);
    if (std::filesystem::exists(staged)) {
        EXPECT_EQ(test::Part<QComboBox>(&window, "fontlist")->accessibleName(),
                  QStringLiteral("Druckerschriftart"));
    }
    EXPECT_EQ(TabRound(&window, test::Part<QComboBox>(&window, "fontlist")),
              (QStringList{"fontlist", "drbutt", "prevButt", "CyclePage", "DecisionPage", "LifetimePage",
                           "SeasonalPage", "OKbutt", "Abbutt"}));

    // Enter on the font list, which does not take it, confirms the window.
    test::Part<QComboBox>(&window, "fontlist")->setFocus();
    QTest::keyClick(test::Part<QComboBox>(&window, "fontlist"), Qt::Key_Return);
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(ReportWindowsKeyboard, PrintSettingsCommandsRunOnTheirOwnAltLetters) {
    PrintSettingsWindow window(nullptr, true);
    test::Part<QCheckBox>(&window, "CyclePage")->setText(QStringLiteral("Kreisprozess"));
    Open(&window);
    const QString captions[] = {
        test::Part<QLabel>(&window, "Okbutt_l")->text(), test::Part<QLabel>(&window, "Abbutt_l")->text(),
        test::Part<QLabel>(&window, "drbutt_l")->text(), test::Part<QLabel>(&window, "prevButt_l")->text(),
        test::Part<QCheckBox>(&window, "CyclePage")->text()};
    QString letters;
    for (const QString& caption : captions) {
        EXPECT_EQ(caption.count(QLatin1Char('&')), 1) << caption.toStdString();
        letters += QLatin1Char(Mnemonic(caption));
    }
    EXPECT_EQ(letters, QStringLiteral("oadsk")) << "OK and cancel keep their first letters";

    // The page-size panel opens on its letter, the check box toggles on its own.
    QTest::keyClick(&window, Mnemonic(test::Part<QLabel>(&window, "prevButt_l")->text()), Qt::AltModifier);
    EXPECT_TRUE(test::Part<QFrame>(&window, "Panel3D1")->isVisible());
    QTest::keyClick(&window, Mnemonic(test::Part<QCheckBox>(&window, "CyclePage")->text()), Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return test::Part<QCheckBox>(&window, "CyclePage")->isChecked(); }));
    EXPECT_EQ(window.result(), 0) << "neither closed the window";

    // Shown again, the captions keep one mark each.
    window.hide();
    Open(&window);
    EXPECT_EQ(test::Part<QLabel>(&window, "Abbutt_l")->text(), QStringLiteral("&Abbrechen"));
    QTest::keyClick(&window, 'a', Qt::AltModifier);
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST_F(ReportWindowsKeyboard, ResultsViewTabDownThePanelAndEnterIsOk) {
    ResultsView view;
    Open(&view);
    EXPECT_EQ(test::Part<QScrollBar>(&view, "VScroll1")->focusPolicy(), Qt::NoFocus)
        << "the scroll bar only redraws the one page";
    EXPECT_EQ(TabRound(&view, test::Part<QCheckBox>(&view, "PrintHead")),
              (QStringList{"PrintHead", "Command3D2", "Command3D3", "Command3D1"}))
        << "the option, then print, cancel and OK as they stand from the top";
    test::Part<QCheckBox>(&view, "PrintHead")->setFocus();
    QTest::keyClick(test::Part<QCheckBox>(&view, "PrintHead"), Qt::Key_Return);
    EXPECT_EQ(view.result(), QDialog::Accepted);
}

TEST_F(ReportWindowsKeyboard, ResultsViewCommandsAndTheHeaderOptionRunOnTheirAltLetters) {
    Settings.carried.PrintHeaderOption = 0;
    ResultsView view;
    Open(&view);
    EXPECT_EQ(test::Part<QLabel>(&view, "Command3D1_l")->text(), QStringLiteral("&OK"));
    EXPECT_EQ(test::Part<QLabel>(&view, "Command3D2_l")->text(), QStringLiteral("&Drucken"));
    EXPECT_EQ(test::Part<QLabel>(&view, "Command3D3_l")->text(), QStringLiteral("&Abbrechen"));
    EXPECT_EQ(test::Part<QCheckBox>(&view, "PrintHead")->text(), QStringLiteral("D&rucken Kopfzeile"))
        << "the next free letter";

    QTest::keyClick(&view, 'r', Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([] { return Settings.carried.PrintHeaderOption == 1; }))
        << "the header option follows the check box";

    // Print opens the print settings; cancelling them leaves the view open.
    QString opened;
    test::WhenModalOpens([](QWidget* settings) { settings->close(); }, &opened);
    QTest::keyClick(&view, 'd', Qt::AltModifier);
    EXPECT_EQ(opened, QStringLiteral("PrintSettings"));
    EXPECT_TRUE(view.isVisible());
}

}  // namespace
}  // namespace tervalo

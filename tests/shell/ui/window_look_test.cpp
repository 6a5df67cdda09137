// Every window in every language with the delivered language files and pictures: nothing clipped, nothing
// covering anything else (and, run on small screens at several scale factors, nothing beyond the screen).
// With TERVALO_SCREENSHOT_DIR set, the windows are also saved as pictures for a look by eye.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "config/run_settings.h"
#include "help/help_file.h"
#include "help/ui/help_box.h"
#include "localisation/language_tables.h"
#include "localisation/languages.h"
#include "project/project_record.h"
#include "project/ui/project_window.h"
#include "report/ui/cycle_window.h"
#include "report/ui/print_settings_window.h"
#include "report/ui/results_view.h"
#include "shell/ui/main_window.h"
#include "shell/ui/welcome_window.h"
#include "support/language_printer.h"
#include "support/system_traits.h"
#include "widgets/command_picture.h"
#include "widgets/window_test_support.h"

namespace tervalo {
namespace {

using test::WriteBytes;

class WindowLook : public ::testing::TestWithParam<LanguageRow> {
  protected:
    void SetUp() override {
        TERVALO_SKIP_UNLESS(std::filesystem::exists(std::filesystem::path(TERVALO_DIST_DIR) / "Caption.ENG"),
                            "the program directory is not staged");
        ResetRunSettings();
        ResetLanguageTables();
        test::CopyProgramDirectory();
        code_ = GetParam().code;
        WriteBytes("kparam.dat",
                   "\"\",\"\",\"\",\"" + code_ +
                       "\",\"EUR\",\"Arial\",\"\",0,\"\",\"\",\"\",0,\"C:\\\",0\r\n0,35,\"2.5\","
                       "\"\",\"\",0,\"\"\r\n");
        WriteBytes("KELVData.dat", "1,1\r\n");
    }
    void TearDown() override {
        ResetRunSettings();
        ResetLanguageTables();
    }

    // `overlays`: panels open on purpose over the window's content.
    void Check(QWidget* window, const char* name, const QList<QWidget*>& overlays = {}) {
        window->show();
        // Until the layouts that the last changes asked for stand.
        QTest::qWait(20);
        QApplication::processEvents();
        EXPECT_EQ(test::ClippedTexts(window), QStringList()) << name << " in " << code_;
        EXPECT_EQ(test::OverlappingWidgets(window, overlays), QStringList()) << name << " in " << code_;
        // On a screen of the smallest size the windows are made for, each window fits it whole.
        if (qEnvironmentVariableIsSet("TERVALO_FIT_SCREEN")) {
            const QRect screen = window->screen()->availableGeometry();
            EXPECT_LE(window->width(), screen.width()) << name << " in " << code_;
            EXPECT_LE(window->height(), screen.height()) << name << " in " << code_;
        }
        test::SaveScreenshot(window,
                             QString::fromLatin1(name) + QLatin1Char('-') + QString::fromStdString(code_));
    }

    test::ScopedTempDir dir_;
    test::MessageRecorder messages_;
    std::string code_;
};

TEST_P(WindowLook, MainWindow) {
    Start window({});
    window.showMaximized();
    Check(&window, "main");
    window.hide();
}

TEST_P(WindowLook, WelcomeWindow) {
    Start main({});
    Begruess window(Begruess::kStartUpPicture, Settings.LanguageCode);
    Check(&window, "welcome");
}

TEST_P(WindowLook, HelpBox) {
    Start main({});
    Hilfebox window(ProductHelpTopic(Settings.ProductName));
    Check(&window, "help");
}

TEST_P(WindowLook, PrintSettings) {
    Start main({});
    PrintSettingsWindow window(&main, true);
    Check(&window, "print-settings");
    test::ClickOn(test::Part<CommandPicture>(&window, "prevButt"));
    Check(&window, "print-settings-sizes");
}

TEST_P(WindowLook, ResultsView) {
    Start main({});
    ResultsView window(&main);
    Check(&window, "results");
}

// A project typed in as a user would, so that every result stands in the window.
void FillSampleProject(Projektdaten& window) {
    const std::pair<const char*, int> choices[] = {{"AnwendBereich", 1}, {"Klimazone", 1},   {"AmbientT", 1},
                                                   {"HausTyp", 2},       {"Bereitstell", 1}, {"VFlsize", 3},
                                                   {"HeizArt", 0},       {"KesselWirk", 1}};
    for (const auto& [name, entry] : choices) {
        auto* list = window.findChild<QComboBox*>(QLatin1String(name));
        list->setCurrentIndex(entry);
        emit list->activated(entry);
    }
    for (const auto& [name, text] : {std::pair{"WohnFL", "140"}, std::pair{"EnergKost", "0.28"}}) {
        auto* edit = window.findChild<QLineEdit*>(QLatin1String(name));
        edit->setText(QLatin1String(text));
        emit edit->returnPressed();
    }
    window.findChild<QCheckBox*>(QStringLiteral("EinbindCheck"))->click();
}

TEST_P(WindowLook, ProjectWindow) {
    Start main({});
    ProjectRecord project;
    Projektdaten window(project, {}, &main);
    window.show();
    QApplication::processEvents();
    FillSampleProject(window);
    Check(&window, "project");
    // From 1024 pixels across, the lists narrow rather than the content scrolling sideways.
    if (qEnvironmentVariableIsSet("TERVALO_FIT_SCREEN") &&
        window.screen()->availableGeometry().width() >= 1024) {
        const auto* scroll = window.findChild<QScrollArea*>(QStringLiteral("ProjectScroll"));
        EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << "in " << code_;
    }
    test::ClickOn(window.findChild<CommandPicture*>(QStringLiteral("Command3D4")));
    Check(&window, "project-prices", {window.findChild<QWidget*>(QStringLiteral("BrennstoffKPN"))});
    test::ClickOn(window.findChild<CommandPicture*>(QStringLiteral("Abbbutt")));
    test::ClickOn(window.findChild<CommandPicture*>(QStringLiteral("KlimaZButt")));
    Check(&window, "project-map", {window.findChild<QWidget*>(QStringLiteral("KlimaPN"))});
}

// Every command button outside the scrolling content lies whole inside the window and can be seen: a window
// that opens no larger than the screen then keeps its commands in reach.
void ExpectCommandsInReach(QWidget* window, const char* name, const std::string& code) {
    int commands = 0;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window)) continue;
        bool scrolls = false;
        for (QWidget* parent = button->parentWidget(); parent && parent != window;
             parent = parent->parentWidget())
            scrolls = scrolls || qobject_cast<QScrollArea*>(parent);
        if (scrolls) continue;
        const QRect at(button->mapTo(window, QPoint(0, 0)), button->size());
        EXPECT_TRUE(window->rect().contains(at))
            << button->objectName().toStdString() << " of " << name << " in " << code;
        EXPECT_FALSE(button->visibleRegion().isEmpty())
            << button->objectName().toStdString() << " of " << name << " in " << code;
        ++commands;
    }
    EXPECT_GT(commands, 0) << name;
}

TEST_P(WindowLook, CycleWindow) {
    Start main({});
    ProjectRecord project;
    Projektdaten window(project, {}, &main);
    window.show();
    QApplication::processEvents();
    FillSampleProject(window);
    CycleWindow cycle(project, &main);
    Check(&cycle, "cycle");
    ExpectCommandsInReach(&cycle, "cycle", code_);
}

TEST_P(WindowLook, DecisionView) {
    Start main({});
    ProjectRecord project;
    Projektdaten window(project, {}, &main);
    window.show();
    QApplication::processEvents();
    FillSampleProject(window);
    window.findChild<QPushButton*>(QStringLiteral("DecisionButt"))->click();
    auto* view = window.findChild<QDialog*>(QStringLiteral("DecisionView"));
    ASSERT_NE(view, nullptr);
    Check(view, "decision");
    ExpectCommandsInReach(view, "decision", code_);
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowLook, ::testing::ValuesIn(Languages()),
                         [](const auto& row) { return std::string(row.param.code); });

}  // namespace
}  // namespace tervalo

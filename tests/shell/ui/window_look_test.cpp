// Every window in every language with the delivered language files and pictures: nothing clipped. With
// TERVALO_SCREENSHOT_DIR set, the windows are also saved as pictures for a look by eye.
#include <gtest/gtest.h>

#include <QDialog>

#include "engine/dialog_mode.h"
#include "help/help_file.h"
#include "help/ui/help_box.h"
#include "localisation/language_tables.h"
#include "localisation/ui/welcome_window.h"
#include "project/project_record.h"
#include "project/ui/project_window.h"
#include "localisation/ui/window_test_support.h"
#include "shell/run_settings.h"
#include "shell/ui/main_window.h"

namespace tervalo {
namespace {

using test::WriteBytes;

class WindowLook : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::filesystem::path(TERVALO_DIST_DIR) / "Caption.ENG"))
            GTEST_SKIP() << "the program directory is not staged";
        ResetRunSettings();
        ResetLanguageTables();
        ResetHelpTopic();
        test::CopyProgramDirectory();
        code_ = GetParam();
        WriteBytes("kparam.dat", "\"\",\"\",\"\",\"" + code_ +
                                     "\",\"EUR\",\"Arial\",\"\",0,\"\",\"\",\"\",0,\"C:\\\",0\r\n0,35,\"2.5\","
                                     "\"\",\"\",0,\"\"\r\n");
        WriteBytes("KELVData.dat", "1,1\r\n");
    }
    void TearDown() override {
        ResetRunSettings();
        ResetLanguageTables();
        ResetHelpTopic();
        ResetProject();
        DialogMode = 0;
    }

    void Check(QWidget* window, const char* name) {
        window->show();
        QApplication::processEvents();
        EXPECT_EQ(test::ClippedTexts(window), QStringList()) << name << " in " << code_;
        test::SaveScreenshot(window, QString::fromLatin1(name) + QLatin1Char('-') + QString::fromStdString(code_));
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
    DialogMode = 3;
    Begruess window;
    Check(&window, "welcome");
}

TEST_P(WindowLook, HelpBox) {
    Start main({});
    HelpTopic = ProductHelpTopic(Settings.ProductName);
    Hilfebox window;
    Check(&window, "help");
}

TEST_P(WindowLook, ProjectWindow) {
    Start main({});
    ResetProject();
    Projektdaten window({}, &main);
    Check(&window, "project");
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowLook,
                         ::testing::Values("ARA", "BUL", "ENG", "GER", "GRE", "FRA", "ESP", "HUN", "NDL", "ITA", "SWE",
                                           "POR", "RUS", "POL", "TRK", "ROM"),
                         [](const auto& row) { return std::string(row.param); });

}  // namespace
}  // namespace tervalo

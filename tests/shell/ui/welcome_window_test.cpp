#include "shell/ui/welcome_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QRadioButton>

#include "config/run_settings.h"
#include "localisation/language_tables.h"
#include "shell/language_session.h"
#include "widgets/command_picture.h"
#include "widgets/window_test_support.h"

namespace tervalo {
namespace {

using test::ReadBytes;
using test::WriteBytes;

const char* const kOptionNames[] = {"ARAopt", "Bulopt", "Engopt", "GERopt", "GREopt", "FRAopt",
                                    "ESPopt", "HUNopt", "NDLOpt", "ITAOpt", "SWEOpt", "POROpt",
                                    "RUSOpt", "POLOpt", "TRKOpt", "ROMOpt"};

std::string SettingsFile(const std::string& languageCode, int welcomeOption = 0) {
    return "\"\",\"\",\"\",\"" + languageCode + "\",\"EUR\",\"Arial\",\"User\"," +
           std::to_string(welcomeOption) +
           ",\"\",\"\",\"\",0,\"C:\\\",0\r\n0,35,\"2.5\",\"\",\"\",0,\"\"\r\n";
}

class WelcomeWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetRunSettings();
        ResetLanguageTables();
        Settings.ProductName = "Quelmo";
        Settings.LanguageCode = "ENG";
        WriteBytes("Caption.ENG", test::NumberedItems("E", 273));
        LoadCaptionFile("ENG");
    }
    void TearDown() override {
        ResetRunSettings();
        ResetLanguageTables();
    }

    static QRadioButton* Option(Begruess& window, const char* name) {
        return window.findChild<QRadioButton*>(QLatin1String(name));
    }
    // A click where the option's round box is: a mouse click counts only on the box and its text.
    static void ClickOption(Begruess& window, const char* name) {
        QRadioButton* option = Option(window, name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->height() / 2, option->height() / 2));
    }
    // What the main window does once the window has closed.
    static void TakeAnswer(const Begruess& window) {
        TakeWelcomeChoice(
            window.result() == QDialog::Accepted ? std::optional(window.LanguageCode()) : std::nullopt, '.');
    }

    test::ScopedTempDir dir_;
    test::MessageRecorder messages_;
};

TEST_F(WelcomeWindow, OffersOnlyLanguagesWithACaptionFileButAlwaysEnglishAndGerman) {
    std::filesystem::remove("Caption.ENG");
    WriteBytes("CAPTION.fra", "\"x\"");
    WriteBytes("Caption.RUS", "");
    Begruess window(Begruess::kStartUpPicture, Settings.LanguageCode);
    for (const char* name : kOptionNames) {
        const std::string option = name;
        const bool expected = option == "Engopt" || option == "GERopt" || option == "FRAopt";
        ASSERT_NE(Option(window, name), nullptr) << name;
        EXPECT_EQ(Option(window, name)->isEnabled(), expected) << name;
    }
}

TEST_F(WelcomeWindow, SelectsTheStoredLanguageAndReadsTheWelcomeField) {
    WriteBytes("kparam.dat", SettingsFile("FRA", 7));
    WriteBytes("Caption.FRA", "\"x\"");
    Begruess window(Begruess::kStartUpPicture, Settings.LanguageCode);
    EXPECT_TRUE(Option(window, "FRAopt")->isChecked());
    EXPECT_EQ(Settings.carried.welcomeOption, 7);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("pn1"))->text(), QStringLiteral("E91"));
}

TEST_F(WelcomeWindow, AStoredCodeOfNoOptionLeavesNoneSelectedAndConfirmingRefusesIt) {
    WriteBytes("Caption.GER", test::NumberedItems("G", 273));
    // Codes are compared as they stand: neither letter case nor blanks inside the quotes are forgiven.
    for (const char* stored : {"XYZ", "ger", " GER"}) {
        SCOPED_TRACE(stored);
        messages_.shown.clear();
        WriteBytes("kparam.dat", SettingsFile(stored));
        const std::string before = ReadBytes("kparam.dat");
        Begruess window(Begruess::kStartUpPicture, Settings.LanguageCode);
        for (const char* name : kOptionNames) EXPECT_FALSE(Option(window, name)->isChecked()) << name;

        window.show();
        window.close();
        EXPECT_EQ(window.result(), QDialog::Rejected);
        TakeAnswer(window);
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_EQ(messages_.shown[0].kind, MessageKind::Exclamation);
        EXPECT_EQ(messages_.shown[0].title, QStringLiteral("Quelmo"));
        EXPECT_EQ(messages_.shown[0].text, QStringLiteral("E91 E157"));
        EXPECT_EQ(Settings.LanguageCode, "ENG") << "a code of no language is none: the default stands";
        EXPECT_EQ(ReadBytes("kparam.dat"), before) << "the settings file is not written";
        EXPECT_FALSE(window.isVisible());
    }
}

// A click on an option or its flag, or Space or an arrow key among the options, moves the window's language
// at once; the run's language changes only when the owner takes the answer.
TEST_F(WelcomeWindow, AnOptionClickTakesEffectAtOnce) {
    WriteBytes("kparam.dat", SettingsFile("ENG"));
    WriteBytes("Caption.GER", test::NumberedItems("G", 273));
    WriteBytes("Caption.FRA", "\"x\"");
    Begruess window(Begruess::kStartUpPicture, Settings.LanguageCode);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.LanguageCode(), "ENG");

    ClickOption(window, "GERopt");
    EXPECT_EQ(window.LanguageCode(), "GER");
    QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("PICFRA")), Qt::LeftButton);
    EXPECT_EQ(window.LanguageCode(), "FRA");
    EXPECT_TRUE(Option(window, "FRAopt")->isChecked());
    QTest::mouseClick(window.findChild<QLabel*>(QStringLiteral("PICITA")), Qt::LeftButton);
    EXPECT_EQ(window.LanguageCode(), "FRA") << "the flag of a language without caption file chooses nothing";
    EXPECT_FALSE(Option(window, "ITAOpt")->isChecked());

    Option(window, "Engopt")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(window.LanguageCode(), "ENG");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(window.LanguageCode(), "GER") << "an arrow key checks the next option";
    EXPECT_EQ(Settings.LanguageCode, "ENG");
    EXPECT_TRUE(window.isVisible());
}

// Each way of confirming stores the chosen language.
enum class Confirmation { OkButton, OkLabel, CloseBox, EscapeKey, EnterKey, AltShortcut, TabThenSpace };

class WelcomeConfirmation : public WelcomeWindow, public ::testing::WithParamInterface<Confirmation> {};

TEST_P(WelcomeConfirmation, StoresTheChosenLanguageAndCloses) {
    WriteBytes("kparam.dat", SettingsFile("ENG", 3));
    WriteBytes("Caption.GER", test::NumberedItems("G", 273));
    Begruess window(Begruess::kStartUpPicture, Settings.LanguageCode);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Option(window, "GERopt")->click();
    Option(window, "GERopt")->setFocus();
    switch (GetParam()) {
        case Confirmation::OkButton:
            test::ClickOn(window.findChild<CommandPicture*>(QStringLiteral("OKbutt")));
            break;
        case Confirmation::OkLabel:
            test::ClickOn(window.findChild<QLabel*>(QStringLiteral("Label21")));
            break;
        case Confirmation::CloseBox:
            window.close();
            break;
        case Confirmation::EscapeKey:
            QTest::keyClick(&window, Qt::Key_Escape);
            break;
        case Confirmation::EnterKey:
            QTest::keyClick(Option(window, "GERopt"), Qt::Key_Return);
            break;
        case Confirmation::AltShortcut:
            EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label21"))->text(), QStringLiteral("&OK"));
            QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
            break;
        case Confirmation::TabThenSpace:
            QTest::keyClick(Option(window, "GERopt"), Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(),
                      window.findChild<CommandPicture*>(QStringLiteral("OKbutt")))
                << "the languages, then OK";
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            break;
    }
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(Settings.LanguageCode, "ENG") << "the window leaves the run settings to its owner";
    TakeAnswer(window);
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_EQ(Settings.LanguageCode, "GER");
    const std::string saved = ReadBytes("kparam.dat");
    EXPECT_TRUE(saved.starts_with("\"\",\"\",\"\",\"GER\",\"EUR\"")) << saved;
    EXPECT_NE(saved.find(",3,"), std::string::npos) << "the carried fields are written back";
}

INSTANTIATE_TEST_SUITE_P(Ways, WelcomeConfirmation,
                         ::testing::Values(Confirmation::OkButton, Confirmation::OkLabel,
                                           Confirmation::CloseBox, Confirmation::EscapeKey,
                                           Confirmation::EnterKey, Confirmation::AltShortcut,
                                           Confirmation::TabThenSpace));

TEST_F(WelcomeWindow, ACaptionFileRemovedWhileOpenIsRefusedOnConfirming) {
    WriteBytes("kparam.dat", SettingsFile("ENG"));
    WriteBytes("Caption.ITA", "\"x\"");
    Begruess window(Begruess::kStartUpPicture, Settings.LanguageCode);
    window.show();
    Option(window, "ITAOpt")->click();
    std::filesystem::remove("Caption.ITA");
    window.close();
    EXPECT_EQ(window.result(), QDialog::Rejected);
    TakeAnswer(window);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(Settings.LanguageCode, "ENG");
}

// Keys in odd places: Esc on OK, Shift+Tab back from OK, Space on OK after Esc closed the window, a second
// confirmation: the window confirms once, with one message at most.
TEST_F(WelcomeWindow, KeysAfterConfirmingOrFromOkConfirmOnce) {
    WriteBytes("kparam.dat", SettingsFile("ENG"));
    WriteBytes("Caption.SWE", "\"x\"");
    Begruess window(Begruess::kStartUpPicture, Settings.LanguageCode);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* ok = window.findChild<CommandPicture*>(QStringLiteral("OKbutt"));
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_NE(qobject_cast<QRadioButton*>(QApplication::focusWidget()), nullptr) << "back to the languages";
    EXPECT_EQ(window.LanguageCode(), "ENG") << "moving the focus chooses nothing";
    ClickOption(window, "SWEOpt");
    ASSERT_EQ(window.LanguageCode(), "SWE");
    std::filesystem::remove("Caption.SWE");
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
    QTest::keyClick(ok, Qt::Key_Space);
    QTest::keyClick(&window, Qt::Key_Escape);
    window.close();
    EXPECT_EQ(messages_.shown.size(), 1u) << "confirmed once";
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST_F(WelcomeWindow, TheStartPictureFollowsItsSelectorAndMissingPicturesLeaveEmptyBoxes) {
    EXPECT_STREQ(Begruess::StartPictureFile(3), "start04.bmp");
    EXPECT_STREQ(Begruess::StartPictureFile(2), "start03.bmp");
    EXPECT_STREQ(Begruess::StartPictureFile(1), "start02.bmp");
    EXPECT_STREQ(Begruess::StartPictureFile(0), "start01.bmp");
    EXPECT_STREQ(Begruess::StartPictureFile(-7), "start01.bmp");

    QImage picture(32, 24, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    picture.save(QStringLiteral("START04.BMP"), "BMP");
    WriteBytes("Germany.bmp", "not a picture");
    Begruess window(Begruess::kStartUpPicture, Settings.LanguageCode);
    EXPECT_FALSE(window.findChild<QLabel*>(QStringLiteral("Picture1"))->pixmap().isNull());
    EXPECT_TRUE(window.findChild<QLabel*>(QStringLiteral("PICGER"))->pixmap().isNull());
    EXPECT_TRUE(window.findChild<QLabel*>(QStringLiteral("Picture2"))->pixmap().isNull());
    EXPECT_FALSE(window.grab().isNull());
}

}  // namespace
}  // namespace tervalo

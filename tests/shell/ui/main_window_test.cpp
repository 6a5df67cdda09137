#include "shell/ui/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QPlainTextEdit>

#include "config/run_settings.h"
#include "config/settings_file.h"
#include "help/help_file.h"
#include "localisation/language_tables.h"
#include "widgets/command_picture.h"
#include "widgets/twips.h"
#include "widgets/window_test_support.h"

namespace tervalo {
namespace {

using test::ReadBytes;
using test::WriteBytes;

std::string SettingsFile(const std::string& languageCode) {
    return "\"\",\"\",\"\",\"" + languageCode +
           "\",\"EUR\",\"Arial\",\"User\",0,\"\",\"\",\"\",0,\"C:\\\",0\r\n0,35,\"2.5\",\"\",\"\",0,\"\"\r\n";
}

class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetRunSettings();
        ResetLanguageTables();
        WriteBytes("kparam.dat", SettingsFile("ENG"));
        WriteBytes("Caption.ENG", test::NumberedItems("E", 273));
        WriteBytes("heatcap.ENG", test::NumberedItems("hE", 56));
        WriteBytes("Caption.GER", test::NumberedItems("G", 273));
        WriteBytes("heatcap.GER", test::NumberedItems("hG", 56));
        WriteBytes("Caption.SWE", test::NumberedItems("S", 273));
        WriteBytes("KELVData.dat", "1,1\r\n");
    }
    void TearDown() override {
        ResetRunSettings();
        ResetLanguageTables();
    }

    Start& Window() {
        if (!window_) {
            window_ = std::make_unique<Start>(StartCommands{
                [this](QWidget* parent, const std::function<void(const std::string&)>& showHint,
                       const std::string&) {
                    showHint("Living area");
                    const QString shown = parent->findChild<QLabel*>(QStringLiteral("InfoPn2"))->text();
                    steps_.push_back("project window, hint " + shown.toStdString());
                },
                [this](QWidget*) {
                    steps_.push_back("printer set-up");
                    return false;
                },
                [this](const std::string& from, const std::string& to) {
                    steps_.push_back("rewrite " + from + ">" + to);
                    // The program's command stores the settings with the project.
                    if (rewriteStoresSettings_) SaveSettings(',');
                    return rewriteSucceeds_;
                }});
        }
        return *window_;
    }
    template <typename T>
    T* Child(const char* name) {
        T* child = Window().findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void Trigger(const char* actionName) { Child<QAction>(actionName)->trigger(); }
    // A label's caption as it reads, without the mark of its Alt shortcut.
    QString Label(const char* name) { return Child<QLabel>(name)->text().remove(QLatin1Char('&')); }

    test::ScopedTempDir dir_;
    test::MessageRecorder messages_;
    std::vector<std::string> steps_;
    bool rewriteStoresSettings_ = false;
    bool rewriteSucceeds_ = true;
    std::unique_ptr<Start> window_;
};

TEST_F(MainWindow, LoadShowsTheTextsOfTheStoredLanguageAndEmptiesTheHandOverFile) {
    WriteBytes("kparam.dat", SettingsFile("GER"));
    Window();
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("Quelmo - hG1"));
    EXPECT_EQ(Label("Command3D6_l"), QStringLiteral("G81"));
    EXPECT_EQ(Label("PriButt_l"), QStringLiteral("G166"));
    EXPECT_EQ(Label("Command3D1_l"), QStringLiteral("G21"));
    EXPECT_EQ(Label("Command3D11_l"), QStringLiteral("G75"));
    EXPECT_EQ(Label("Label1"), QStringLiteral("Quelmo 2.12"));
    EXPECT_EQ(Label("Label4"), QStringLiteral("G43"));
    EXPECT_EQ(Label("Label5"), QStringLiteral("Matchcode"));
    EXPECT_EQ(Child<QMenu>("Language")->title(), QStringLiteral("&G91"));
    EXPECT_EQ(Child<QMenu>("VorGab")->title(), QStringLiteral("&G63"));
    EXPECT_EQ(Child<QAction>("ProjNix")->text(), QStringLiteral("&G81"));
    EXPECT_EQ(Child<QAction>("ende")->text(), QStringLiteral("G75"));
    EXPECT_EQ(ReadBytes("KELVData.dat"), "0\r\n0\r\n");
}

TEST_F(MainWindow, SkipWelcomeFromTheHandOverFileActivatesWithoutTheWelcomeWindow) {
    Window().show();
    QString opened = QStringLiteral("none");
    test::WhenModalOpens([](QWidget* modal) { modal->close(); }, &opened);
    Window().Activate();
    QApplication::processEvents();
    EXPECT_TRUE(opened.isEmpty()) << opened.toStdString();
    EXPECT_TRUE(Child<QFrame>("InfoG")->isVisible());
    EXPECT_EQ(Label("InfoPn2"), QStringLiteral("E138")) << "message 42";
    EXPECT_TRUE(steps_.empty());
}

TEST_F(MainWindow, TheFirstActivationShowsTheWelcomeWindowOnceAndFollowsItsChoice) {
    WriteBytes("KELVData.dat", "0,0\r\n");
    rewriteStoresSettings_ = true;
    Window().show();
    QString opened;
    test::WhenModalOpens(
        [](QWidget* welcome) {
            welcome->findChild<QAbstractButton*>(QStringLiteral("GERopt"))->click();
            welcome->close();
        },
        &opened);
    Window().Activate();
    EXPECT_EQ(opened, QStringLiteral("Begruess"));
    EXPECT_EQ(Settings.LanguageCode, "GER");
    EXPECT_EQ(Label("Command3D6_l"), QStringLiteral("G81")) << "texts reloaded after the welcome window";
    EXPECT_EQ(steps_, std::vector<std::string>{"rewrite ENG>GER"});
    EXPECT_TRUE(ReadBytes("kparam.dat").starts_with("\"\",\"\",\"\",\"GER\""));

    opened = QStringLiteral("none");
    test::WhenModalOpens([](QWidget* modal) { modal->close(); }, &opened);
    Window().Activate();
    QApplication::processEvents();
    EXPECT_TRUE(opened.isEmpty()) << "shown once per run";
    EXPECT_EQ(steps_.size(), 1u);
}

// The welcome window's choice is stored by the language switch when it changes the language, and only then:
// where the switch cannot write, the run goes on in the old language and kparam.dat keeps it.
TEST_F(MainWindow, TheWelcomeWindowsNewLanguageIsStoredWithTheProjectOrNotAtAll) {
    WriteBytes("KELVData.dat", "0,0\r\n");
    rewriteSucceeds_ = false;
    const std::string stored = ReadBytes("kparam.dat");
    Window().show();
    test::WhenModalOpens([](QWidget* welcome) {
        welcome->findChild<QAbstractButton*>(QStringLiteral("GERopt"))->click();
        welcome->close();
    });
    Window().Activate();
    EXPECT_EQ(steps_, std::vector<std::string>{"rewrite ENG>GER"});
    EXPECT_EQ(Settings.LanguageCode, "ENG");
    EXPECT_EQ(Label("Command3D6_l"), QStringLiteral("E81"));
    EXPECT_EQ(ReadBytes("kparam.dat"), stored) << "not saved beside the switch";
}

TEST_F(MainWindow, TheWelcomeWindowsUnchangedLanguageSavesTheSettingsAlone) {
    WriteBytes("KELVData.dat", "0,0\r\n");
    WriteBytes("kparam.dat", "\"\",\"\",\"\",\"ENG\"\r\n");
    Window().show();
    test::WhenModalOpens([](QWidget* welcome) { welcome->close(); });
    Window().Activate();
    EXPECT_TRUE(steps_.empty());
    const std::string saved = ReadBytes("kparam.dat");
    EXPECT_TRUE(saved.starts_with("\"\",\"\",\"\",\"ENG\",") && saved.size() > 20) << saved;
}

TEST_F(MainWindow, CaptionsOfTheLanguageChosenAtFirstStartAreLaidOutWholeWithQtsOwnTexts) {
    // Longer captions than the language the window was built in.
    WriteBytes("Caption.GER", test::NumberedItems("Berechnungsschritt ", 273));
    WriteBytes("KELVData.dat", "0,0\r\n");
    Window().show();
    test::WhenModalOpens([](QWidget* welcome) {
        welcome->findChild<QAbstractButton*>(QStringLiteral("GERopt"))->click();
        welcome->close();
    });
    Window().Activate();
    QApplication::processEvents();
    EXPECT_EQ(Label("Command3D6_l"), QStringLiteral("Berechnungsschritt 81"));
    EXPECT_EQ(Label("Label4"), QStringLiteral("Berechnungsschritt 43")) << "the notes label";
    EXPECT_EQ(test::ClippedTexts(&Window()), QStringList());
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm"))) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    }

    // A switch from the menu renews Qt's own texts as well.
    Trigger("ENGlish");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
}

TEST_F(MainWindow, LanguageMenuSwitchesAndOnlySwedishSaves) {
    const std::string stored = ReadBytes("kparam.dat");
    Trigger("German");
    EXPECT_EQ(Settings.LanguageCode, "GER");
    EXPECT_EQ(Label("Command3D1_l"), QStringLiteral("G21"));
    EXPECT_EQ(Child<QMenu>("Language")->title(), QStringLiteral("&G91"));
    EXPECT_EQ(ReadBytes("kparam.dat"), stored) << "French, German and the others save nothing";

    Trigger("swedish");
    EXPECT_EQ(Settings.LanguageCode, "SWE");
    EXPECT_TRUE(ReadBytes("kparam.dat").starts_with("\"\",\"\",\"\",\"SWE\""));
    EXPECT_EQ(steps_, (std::vector<std::string>{"rewrite ENG>GER", "rewrite GER>SWE"}));
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(MainWindow, ASwitchRenewsTheNotesLabelAndTheInfoStripAndKeepsTheNotes) {
    WriteBytes("TempPart.notes.txt", "Kunde M\xC3\xBCller");
    Window().show();
    Window().ShowInfoHint("Living area");
    Trigger("German");
    EXPECT_EQ(Label("Label4"), QStringLiteral("G43"));
    EXPECT_EQ(Label("InfoPn2"), QStringLiteral("G138")) << "message 42 of the new language";
    EXPECT_FALSE(Child<QPlainTextEdit>("Text2")->isReadOnly());
    EXPECT_EQ(Child<QPlainTextEdit>("Text2")->toPlainText(), QString::fromUtf8("Kunde Müller"));
}

// Whatever is typed into the notes is the user's: kept in the side file beside the project (TempPart.dat
// keeps its fields), shown at the next start, and no keystroke of it reaches a command.
TEST_F(MainWindow, NotesTypedAreKeptAndNoKeystrokeRunsACommand) {
    const std::string project = "\"150\"\r\n";
    WriteBytes("TempPart.dat", project);
    Window().show();
    auto* notes = Child<QPlainTextEdit>("Text2");
    notes->setFocus();
    QTest::keyClicks(notes, QStringLiteral("call back  on Monday, ask for the boiler's age"));
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, QStringLiteral("E  x"));
    EXPECT_TRUE(messages_.shown.empty()) << "no exit question, no command";
    EXPECT_TRUE(Window().isVisible());
    const std::string typed = "call back  on Monday, ask for the boiler's age\nE  x";
    EXPECT_EQ(notes->toPlainText().toStdString(), typed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ReadBytes("TempPart.notes.txt") == typed; }, 3000));
    EXPECT_EQ(ReadBytes("TempPart.dat"), project);

    // Typed just before the exit: the exit saves them.
    QTest::keyClicks(notes, QStringLiteral("!"));
    messages_.answers = {true};
    Window().close();
    EXPECT_EQ(ReadBytes("TempPart.notes.txt"), typed + "!");
    window_.reset();
    EXPECT_EQ(Child<QPlainTextEdit>("Text2")->toPlainText().toStdString(), typed + "!") << "the next start";
}

TEST_F(MainWindow, PictureCommandsHaveAltShortcutsApartFromTheMenus) {
    Window().show();
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    for (const char* label : {"Command3D6_l", "PriButt_l", "Command3D1_l", "Command3D11_l"}) {
        const QString text = Child<QLabel>(label)->text();
        EXPECT_EQ(text.count(QLatin1Char('&')), 1) << label;
        EXPECT_FALSE(text.contains(QStringLiteral("&E")) || text.contains(QStringLiteral("&I")))
            << "E and I open menus";
    }
    const QString project = Child<QLabel>("Command3D6_l")->text();
    QTest::keyClick(&Window(), project.at(project.indexOf(QLatin1Char('&')) + 1).toLatin1(), Qt::AltModifier);
    ASSERT_FALSE(steps_.empty());
    EXPECT_EQ(steps_.back(), "project window, hint Living area");
}

TEST_F(MainWindow, TheCommandsStayClearOfTheNotesAndAboveThePicturesInASmallWindow) {
    Window().show();
    for (const QSize size : {QSize(800, 600), QSize(640, 480), QSize(1024, 768)}) {
        Window().resize(size);
        QApplication::processEvents();
        const QRect commands = Child<QFrame>("InfoG")->geometry();
        EXPECT_FALSE(commands.intersects(Child<QFrame>("Pn4")->geometry())) << size.width();
        QWidget* form = Child<QFrame>("InfoG")->parentWidget();
        const QPoint middle = Child<CommandPicture>("Command3D6")->rect().center();
        EXPECT_EQ(form->childAt(Child<CommandPicture>("Command3D6")->mapTo(form, middle)),
                  Child<CommandPicture>("Command3D6"))
            << "nothing covers the calculation button at " << size.width();
    }
}

TEST_F(MainWindow, ALanguageWithoutCaptionFileIsRefusedInTheLanguageInForce) {
    WriteBytes("Caption.FRA", "");
    Trigger("French");
    Trigger("Portuguese");
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_EQ(messages_.shown[0].kind, MessageKind::Exclamation);
    EXPECT_EQ(messages_.shown[0].title, QStringLiteral("Quelmo"));
    EXPECT_EQ(messages_.shown[0].text, QStringLiteral("E91 FRA E157")) << "the refused language named";
    EXPECT_EQ(Settings.LanguageCode, "ENG");
    EXPECT_EQ(Label("Command3D6_l"), QStringLiteral("E81"));
    EXPECT_TRUE(steps_.empty());
}

TEST_F(MainWindow, ExitQuestionNoKeepsTheProgramRunning) {
    Window().show();
    const std::string stored = ReadBytes("kparam.dat");
    messages_.answers = {false};
    test::ClickOn(Child<CommandPicture>("Command3D11"));
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].kind, MessageKind::YesNoQuestion);
    EXPECT_TRUE(messages_.shown[0].defaultNo) << "Enter never ends the program";
    EXPECT_EQ(messages_.shown[0].title, QStringLiteral("Quelmo  E75"));
    EXPECT_EQ(messages_.shown[0].text, QStringLiteral("Quelmo : E155")) << "message 59";
    EXPECT_TRUE(Window().isVisible());
    EXPECT_TRUE(Child<QFrame>("InfoG")->isVisible());
    EXPECT_EQ(ReadBytes("kparam.dat"), stored);
}

TEST_F(MainWindow, ExitQuestionYesSavesTheSettingsAndEnds) {
    Window().show();
    Trigger("French");  // refused: no caption file, so the settings stay English
    std::filesystem::remove("kparam.dat");
    messages_.answers = {true};
    Window().close();  // the close box asks the same question
    EXPECT_FALSE(Window().isVisible());
    EXPECT_TRUE(ReadBytes("kparam.dat").starts_with("\"\",\"\",\"\",\"ENG\",\"EUR\""));
}

TEST_F(MainWindow, CommandsReachTheirWindowsFromButtonsLabelsAndMenus) {
    Window().show();
    test::ClickOn(Child<QLabel>("Command3D6_l"));
    Trigger("ProjNix");
    test::ClickOn(Child<CommandPicture>("PriButt"));
    Trigger("Printset");
    EXPECT_EQ(steps_, (std::vector<std::string>{"project window, hint Living area",
                                                "project window, hint Living area", "printer set-up",
                                                "printer set-up"}));
    EXPECT_TRUE(Child<QFrame>("InfoG")->isVisible()) << "shown again when the project window has closed";
    EXPECT_EQ(Label("InfoPn2"), QStringLiteral("E138")) << "the greeting replaces the hints again";
}

TEST_F(MainWindow, HelpButtonUsesTheLastTopicAndTheHelpMenuSetsTheProductTopic) {
    std::string page = "#Help for Quelmo";
    page.resize(128, ' ');
    WriteBytes("Kelvhelp.ENG", page);
    Window().show();
    QString text = QStringLiteral("unset"), title;
    const auto readBox = [&text, &title](QWidget* box) {
        text = box->findChild<QPlainTextEdit*>(QStringLiteral("InfoText"))->toPlainText();
        title = box->windowTitle();
        box->close();
    };
    test::WhenModalOpens(readBox);
    test::ClickOn(Child<CommandPicture>("Command3D1"));
    EXPECT_EQ(text, QString()) << "no topic yet: an empty page";

    test::WhenModalOpens(readBox);
    Trigger("StartHelp");
    EXPECT_EQ(text, QStringLiteral("Help for Quelmo"));
    EXPECT_EQ(title, QStringLiteral("Quelmo E21 Quelmo-Software"));

    text.clear();
    test::WhenModalOpens(readBox);
    test::ClickOn(Child<QLabel>("Command3D1_l"));
    EXPECT_EQ(text, QStringLiteral("Help for Quelmo")) << "the topic outlives the box";
}

TEST_F(MainWindow, EveryResizeKeepsThePicturesAndLabelsAtTheirEdges) {
    const struct {
        const char* file;
        int width, height;
    } pictures[] = {{"pic1.bmp", 40, 20},
                    {"pic2.bmp", 30, 50},
                    {"pic3.bmp", 60, 25},
                    {"pic5.bmp", 35, 16},
                    {"pic6.bmp", 45, 30}};
    for (const auto& picture : pictures) {
        QImage image(picture.width, picture.height, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        ASSERT_TRUE(image.save(QString::fromLatin1(picture.file), "BMP")) << picture.file;
    }
    Window().show();
    Window().resize(900, 640);
    QApplication::processEvents();

    const TwipsScale twips = TwipsScale::Of(&Window());
    const double w = twips.Twips(Window().centralWidget()->width());
    const double h = twips.Twips(Window().centralWidget()->height());
    const auto tw = [&](const char* name) { return twips.Twips(Child<QWidget>(name)->width()); };
    const auto th = [&](const char* name) { return twips.Twips(Child<QWidget>(name)->height()); };
    const bool tallScreen = TwipsScale::ScreenHeightTwips(&Window()) > 8900;
    constexpr double kKept = -1;  // the rule leaves this coordinate alone
    const struct {
        const char* name;
        double left, top;
    } rows[] = {
        {"InfoG", (w - tw("InfoG")) / 2, tallScreen ? (h - th("InfoG")) / 2.5 : kKept},
        {"Pic1", kKept, h - th("Pic1") - 1200},
        {"pic5", kKept, h - th("pic5") - th("Pic1") - 1200},
        {"pic3", w - tw("pic3") - tw("pic6") - 500, h - th("pic3") - 1200},
        {"pic2", w - tw("pic2") - 200, kKept},
        {"pic6", w - tw("pic6") - 200, h - th("pic6") - 1200},
        {"Label11", w - tw("Label11") - 100, kKept},
        {"Label8", w - tw("Label8") - 100, kKept},
        {"Label12", w - tw("Label11") - tw("Label12") - 100, kKept},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QWidget* widget = Child<QWidget>(row.name);
        if (row.left != kKept) {
            EXPECT_EQ(widget->x(), twips.Pixels(row.left));
        }
        if (row.top != kKept) {
            EXPECT_EQ(widget->y(), twips.Pixels(row.top));
        }
    }
    EXPECT_EQ(Label("Label11"), QString());
    EXPECT_EQ(Label("Label8"), QString());
}

TEST_F(MainWindow, InfoBoxFromTheAboutFileOrNeutralTextsWithoutIt) {
    Trigger("InfoP");
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(messages_.shown[0].title,
              QStringLiteral("The things, that you ever want to know about Quelmo..."));
    EXPECT_TRUE(messages_.shown[0].text.startsWith(QStringLiteral("Quelmo\nhE1\n\nQuelmo 2.12\n")));

    WriteBytes("eng.dat", "\"one\",\"two\",\"three\",\"four\",\"five\",\"six\"\r\n");
    Settings.OwnerLines = {"Owner A", "Owner B", ""};
    Settings.NoticeLine = "Notice";
    Settings.WebAddress = "www.example";
    Trigger("InfoP");
    ASSERT_EQ(messages_.shown.size(), 2u);
    // The about file's lines as they stand; the source of the certified seasonal figures is cited below them.
    EXPECT_TRUE(messages_.shown[1].text.startsWith(QStringLiteral(
        "Quelmo\nhE1\n\nthree\nNotice\n\nOwner A\nOwner B\nfour\nwww.example\n\n\nfive\nsix\n")))
        << messages_.shown[1].text.toStdString();
    EXPECT_TRUE(messages_.shown[1].text.contains(QStringLiteral("CC BY 4.0")));
}

}  // namespace
}  // namespace tervalo

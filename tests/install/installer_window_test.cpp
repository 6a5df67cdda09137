// The installer window on the offscreen platform: pages, texts of the start language, and a run.
#include "install/ui/installer_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <memory>

#include "install/ui/uninstall_box.h"
#include "installer_fakes.h"
#include "support/system_traits.h"

namespace {

namespace fs = std::filesystem;
using installer::test::FakePlatform;
using tervalo::test::ScopedTempDir;
using tervalo::test::WriteBytes;

// The application lives from before the first test to after the last, and ends before static objects do.
class ApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { application_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { application_.reset(); }

  private:
    int argc_ = 1;
    char name_[24] = "installer_window_test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] const auto* const kApplication =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

// Saves a picture of the window when TERVALO_SCREENSHOT_DIR names a directory, for a look at it by eye.
void SaveScreenshot(QWidget& window, const QString& name) {
    const QString directory = qEnvironmentVariable("TERVALO_SCREENSHOT_DIR");
    if (!directory.isEmpty())
        window.grab().save(directory + QLatin1Char('/') + name + QStringLiteral(".png"));
}

class InstallerWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(dist_);
        fs::create_directories(temp_.path() / "programs");
        fs::create_directories(temp_.path() / "desktop");
        platform_.folders = {{installer::kCommonProgramsFolder, temp_.path() / "programs"},
                             {installer::kCommonDesktopFolder, temp_.path() / "desktop"}};
        platform_.admin = true;
    }

    void WriteLanguage(const std::string& code) {
        WriteBytes(dist_ / "kparam.dat", "\"\",\"\",\"\",\"" + code + "\",\"EUR\"\r\n");
    }

    template <typename Widget>
    Widget* Find(InstallerWindow& window, const char* name) {
        auto* widget = window.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void Install(InstallerWindow& window) {
        Find<QPushButton>(window, "Command5")->click();
        Find<QLineEdit>(window, "Text1")->setText(QString::fromStdString(target_.string()));
        Find<QPushButton>(window, "Command1")->click();
    }

    ScopedTempDir temp_;
    fs::path dist_ = temp_.path() / "dist";
    fs::path target_ = temp_.path() / "Ziel Ordner";
    FakePlatform platform_;
};

TEST_F(InstallerWindowTest, StartShowsTheWelcomePageOnly) {
    WriteLanguage("ITA");
    InstallerWindow window(platform_, dist_);
    window.show();

    EXPECT_EQ(window.windowTitle(), "Tervalo - Install");
    EXPECT_TRUE(Find<QWidget>(window, "Frame3")->isVisible());
    for (const char* hidden : {"Frame1", "Frame2", "List1", "Dir1", "Shape1", "Label2", "Label5"})
        EXPECT_TRUE(Find<QWidget>(window, hidden)->isHidden()) << hidden;
    EXPECT_TRUE(Find<QRadioButton>(window, "Option3")->isChecked());
    EXPECT_EQ(Find<QPushButton>(window, "Command6")->text(), "Interruzione");
    EXPECT_EQ(Find<QLabel>(window, "Label4")->text(), "Tervalo 2.12");
    EXPECT_EQ(Find<QLineEdit>(window, "Text1")->text(), "c:\\Tervalo");
    // Without "Rohrdm.dat" the browse button is offered.
    EXPECT_FALSE(Find<QWidget>(window, "Command7")->isHidden());
}

TEST_F(InstallerWindowTest, LowerCaseCodeSelectsTheOptionButShowsEnglishTexts) {
    WriteLanguage("ger");
    WriteBytes(dist_ / "Rohrdm.dat", "table");
    InstallerWindow window(platform_, dist_);
    window.show();

    EXPECT_TRUE(Find<QRadioButton>(window, "Option2")->isChecked());
    EXPECT_EQ(Find<QPushButton>(window, "Command5")->text(), "Continue >");
    EXPECT_EQ(Find<QLabel>(window, "Label1")->text(), "Install Kelvara in directory :");
    EXPECT_TRUE(Find<QWidget>(window, "Command7")->isHidden());

    Find<QRadioButton>(window, "Option2")->click();
    EXPECT_EQ(Find<QPushButton>(window, "Command5")->text(), "Weiter >");
    EXPECT_EQ(Find<QLabel>(window, "Label1")->text(), "Tervalo installieren in :");
}

TEST_F(InstallerWindowTest, RunEndsOnTheFinalPageInTheStartLanguage) {
    WriteLanguage("ENG");
    WriteBytes(dist_ / "R22.DAT", "table");
    InstallerWindow window(platform_, dist_);
    window.show();
    Find<QRadioButton>(window, "Option4")->click();

    Install(window);

    EXPECT_TRUE(Find<QWidget>(window, "Frame2")->isVisible());
    EXPECT_FALSE(Find<QWidget>(window, "Frame1")->isVisible());
    EXPECT_FALSE(Find<QWidget>(window, "List1")->isVisible());
    EXPECT_EQ(Find<QLabel>(window, "label6")->text().toStdString(),
              "Kelvara Fullversion successfully installed in directory " + target_.string() +
                  ". Executable file is Tervalo.EXE . ");
    EXPECT_EQ(Find<QPushButton>(window, "Command3")->text(), "Start Tervalo");
    EXPECT_EQ(Find<QPushButton>(window, "Command4")->text(), "End");
    EXPECT_EQ(tervalo::test::ReadBytes(target_ / "R22.DAT"), "table");

    Find<QPushButton>(window, "Command3")->click();
    EXPECT_EQ(platform_.started, (std::vector<fs::path>{target_ / "Tervalo.EXE"}));
    EXPECT_FALSE(window.isVisible());
}

// Enter on the focused widget, passed up to the window as Qt passes a key the widget leaves.
void PressEnter() {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent key(type, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget(), &key);
    }
}

// The welcome page opens with its forward command in focus; Enter continues from it and from a language
// option, not from the cancel button.
TEST_F(InstallerWindowTest, EnterOnTheWelcomePageLeadsToTheFolder) {
    for (const std::string focus : {"", "Option2", "Command6"}) {
        InstallerWindow window(platform_, dist_);
        window.show();
        window.activateWindow();
        for (int i = 0; i < 100 && !window.isActiveWindow(); ++i) QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), Find<QWidget>(window, "Command5"));
        if (!focus.empty()) Find<QWidget>(window, focus.c_str())->setFocus();
        PressEnter();
        const bool cancel = focus == "Command6";
        EXPECT_EQ(Find<QWidget>(window, "Frame1")->isVisible(), !cancel) << focus;
        if (!cancel) {
            EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>(window, "Text1")) << focus;
        }
    }
}

// The window opens within its screen, at its full size where there is room; on a small screen the pages
// scroll, so that every command of every page can be brought into view, and no page covers the bottom
// picture.
TEST_F(InstallerWindowTest, TheWindowFitsItsScreenAndEveryCommandCanBeReached) {
    InstallerWindow window(platform_, dist_);
    window.show();
    QApplication::processEvents();
    const QRect available = window.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window.geometry()))
        << window.geometry().width() << "x" << window.geometry().height() << " on " << available.width()
        << "x" << available.height();
    if (available.width() >= 1024 && available.height() >= 768) {
        EXPECT_EQ(window.size(), QSize(960, 720));
    }
    SaveScreenshot(window, "installer_on_its_screen");

    auto* scroll = Find<QScrollArea>(window, "InstallerScroll");
    const auto reachable = [&](const char* name) {
        auto* command = Find<QWidget>(window, name);
        const QPoint centre = command->mapTo(scroll->widget(), command->rect().center());
        scroll->ensureVisible(centre.x(), centre.y(), command->width() / 2 + 1, command->height() / 2 + 1);
        QApplication::processEvents();
        // A field wider than the screen shows as much of it as the screen's width holds.
        const QRect view = scroll->viewport()->rect();
        const QRect shown = view & QRect(command->mapTo(scroll->viewport(), QPoint(0, 0)), command->size());
        return shown.width() == std::min(view.width(), command->width()) &&
               shown.height() == std::min(view.height(), command->height());
    };
    const int picture2Top = Find<QWidget>(window, "Picture2")->geometry().top();
    for (const char* page : {"Frame1", "Frame2", "Frame3"})
        EXPECT_LE(Find<QWidget>(window, page)->geometry().bottom(), picture2Top) << page;
    for (const char* name : {"Command5", "Command6", "Option1", "Option4"})
        EXPECT_TRUE(reachable(name)) << name;
    Find<QPushButton>(window, "Command5")->click();
    for (const char* name : {"Command1", "Command2", "Command7"}) EXPECT_TRUE(reachable(name)) << name;
}

// Answers the next message box with `button` and keeps its title and text.
void AnswerNextBox(QString& shown, QMessageBox::StandardButton button) {
    QTimer::singleShot(0, [&shown, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->windowTitle() + "|" + box->text();
        box->button(button)->click();
    });
}

TEST_F(InstallerWindowTest, ContinuingWithoutRightsToATargetThatCannotBeWrittenEndsWithTheFailure) {
    platform_.admin = false;
    // The process file system takes no new folders, not even from the superuser, and gives no reason that
    // rights could not help with.
    TERVALO_SKIP_UNLESS_POSIX("a folder refused to everyone for a reason rights cannot help with is /proc's");
    target_ = "/proc/self/Tervalo";
    InstallerWindow window(platform_, dist_);
    window.show();
    QString question;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        question = box->windowTitle() + "|" + box->text();
        box->button(QMessageBox::Yes)->click();
    });

    Install(window);

    EXPECT_EQ(question,
              ":  Installation Setup|You don't have Adimistrator Rights!\nDo you want to continue Setup?");
    auto* list = Find<QListWidget>(window, "List1");
    EXPECT_TRUE(list->isVisible());
    ASSERT_EQ(list->count(), 13);
    EXPECT_EQ(list->item(0)->text(), "Administrator Rights\tFalse");
    EXPECT_EQ(list->item(12)->text().toStdString(), target_.string() + ":  Directory could not be created.");
    EXPECT_EQ(Find<QLabel>(window, "label6")->text().toStdString(),
              "Tervalo could not be installed in directory " + target_.string() +
                  ". Nothing has been changed; the list names the cause.");
    EXPECT_TRUE(Find<QWidget>(window, "Command3")->isHidden());
    EXPECT_TRUE(platform_.links.empty());
    EXPECT_TRUE(list->wordWrap()) << "long paths wrap inside the page";
    SaveScreenshot(window, "installer_failed");

    // Back to the target page: another folder, and the run succeeds.
    auto* back = Find<QPushButton>(window, "Command8");
    ASSERT_TRUE(back->isVisible());
    EXPECT_EQ(back->text(), "< Back");
    back->click();
    EXPECT_TRUE(Find<QWidget>(window, "Frame1")->isVisible());
    EXPECT_FALSE(Find<QWidget>(window, "Frame2")->isVisible());
    auto* text = Find<QLineEdit>(window, "Text1");
    EXPECT_FALSE(text->isReadOnly());
    target_ = temp_.path() / "Tervalo";
    text->setText(QString::fromStdString(target_.string()));
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Yes)->click();
    });
    Find<QPushButton>(window, "Command1")->click();
    EXPECT_TRUE(Find<QWidget>(window, "Frame2")->isVisible());
    EXPECT_TRUE(Find<QWidget>(window, "Command8")->isHidden());
}

// Whether a label's text fits it: its lines at its width take no more than its height, none wider than it.
bool FitsItsLabel(const QLabel& label) {
    const QRect needed = label.fontMetrics().boundingRect(QRect(0, 0, label.width(), 10000),
                                                          Qt::TextWordWrap | Qt::AlignLeft, label.text());
    return needed.height() <= label.height() && needed.width() <= label.width();
}

// A file where the folder should be, or a path longer than the system takes: no rights question, a headline
// that says what is wrong in the language of the settings file, and that fits its page whatever the path.
TEST_F(InstallerWindowTest, ATargetThatCannotBeAFolderIsNamedInAHeadlineThatFits) {
    platform_.admin = false;
    WriteBytes(temp_.path() / "file", "a file");
    const struct {
        const char* name;
        fs::path target;
        const char* english;
    } cases[] = {
        {"file", temp_.path() / "file", "is a file, not a folder."},
        {"long_path", temp_.path() / std::string(4000, 'n'), "the path is longer than this system allows."},
    };
    for (const char* code : {"ENG", "GER", "RUS"}) {
        for (const auto& run : cases) {
            SCOPED_TRACE(std::string(code) + " " + run.name);
            WriteLanguage(code);
            target_ = run.target;
            InstallerWindow window(platform_, dist_);
            window.show();
            bool asked = false;
            QTimer::singleShot(0, [&asked] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = true;
                    box->button(QMessageBox::No)->click();
                }
            });

            Install(window);

            EXPECT_FALSE(asked) << "no rights question";
            ASSERT_TRUE(Find<QWidget>(window, "Frame2")->isVisible());
            auto* headline = Find<QLabel>(window, "label6");
            const QString text = headline->text();
            EXPECT_FALSE(text.contains("Administrator")) << text.toStdString();
            if (std::string(code) == "ENG") {
                EXPECT_TRUE(text.contains(run.english)) << text.toStdString();
            }
            if (std::string(code) == "RUS") {
                EXPECT_TRUE(text.startsWith(QString::fromUtf8("Не удалось"))) << text.toStdString();
            }
            EXPECT_TRUE(FitsItsLabel(*headline)) << text.toStdString();
            EXPECT_LT(text.size(), 400);
            EXPECT_TRUE(Find<QWidget>(window, "Command8")->isVisible()) << "back to the target";
            SaveScreenshot(window, QStringLiteral("installer_%1_%2").arg(code, run.name));
        }
    }
}

// The final page of a run into a path of thousands of characters names it shortened, and fits.
TEST_F(InstallerWindowTest, TheHeadlineOfAnInstallationIntoAVeryLongPathFits) {
    std::string longPath = temp_.path().string();
    while (longPath.size() < 3000) longPath += "/" + std::string(200, 'd');
    target_ = longPath;
    WriteBytes(dist_ / "R22.DAT", "table");
    InstallerWindow window(platform_, dist_);
    window.show();

    Install(window);

    ASSERT_TRUE(Find<QWidget>(window, "Command3")->isVisible());
    EXPECT_EQ(tervalo::test::ReadBytes(target_ / "R22.DAT"), "table");
    auto* headline = Find<QLabel>(window, "label6");
    EXPECT_TRUE(headline->text().startsWith("Kelvara Fullversion successfully installed in directory "));
    EXPECT_TRUE(headline->text().contains(QChar(0x2026))) << "shortened in the middle";
    EXPECT_TRUE(FitsItsLabel(*headline)) << headline->text().toStdString();
    SaveScreenshot(window, "installer_long_path_installed");
}

// The report of an uninstall of hundreds of files: one line, the paths in details that scroll, and the box
// on a 1024x768 screen with its button on it.
TEST(UninstallReport, FitsTheScreenWithThePathsInScrollableDetails) {
    installer::UninstallResult result;
    result.recordFound = true;
    for (int i = 0; i < 300; ++i)
        result.removed.push_back(fs::path("/home/anna/Programs/Tervalo") /
                                 ("file" + std::to_string(i) + ".dat"));
    result.kept.push_back("/home/anna/Programs/Tervalo/TempPart.dat");
    const auto box = UninstallReportBox(result, "/home/anna/Programs/Tervalo", "Tervalo - Install");
    EXPECT_EQ(box->text(), "Tervalo in /home/anna/Programs/Tervalo: 300 removed, 1 kept.");
    const fs::path last = fs::path("/home/anna/Programs/Tervalo") / "file299.dat";
    EXPECT_NE(box->detailedText().indexOf(QString::fromStdString("removed  " + last.string())), -1);
    box->show();
    QApplication::processEvents();
    SaveScreenshot(*box, "uninstall_report");
    EXPECT_LE(box->frameGeometry().height(), 768);
    EXPECT_LE(box->frameGeometry().width(), 1024);
    // With the details shown the box still fits.
    for (QAbstractButton* button : box->buttons())
        if (box->buttonRole(button) == QMessageBox::ActionRole) button->click();
    QApplication::processEvents();
    SaveScreenshot(*box, "uninstall_report_details");
    EXPECT_LE(box->frameGeometry().height(), 768);
    const QRect ok = box->button(QMessageBox::Ok)->geometry();
    EXPECT_TRUE(box->rect().contains(ok)) << "the OK button on the box";
    box->close();
}

TEST_F(InstallerWindowTest, NoEndsTheInstallerAndBlankTargetIsRefused) {
    platform_.admin = false;
    target_ = "/proc/self/Tervalo";
    InstallerWindow window(platform_, dist_);
    window.show();
    Find<QPushButton>(window, "Command5")->click();
    Find<QLineEdit>(window, "Text1")->setText("   ");
    Find<QPushButton>(window, "Command1")->click();
    EXPECT_TRUE(Find<QWidget>(window, "Frame1")->isVisible());
    EXPECT_TRUE(window.isVisible());

    TERVALO_SKIP_UNLESS_POSIX("a folder no one may create, whatever the rights, is one in /proc");
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::No)->click();
    });
    Find<QLineEdit>(window, "Text1")->setText(QString::fromStdString(target_.string()));
    Find<QPushButton>(window, "Command1")->click();

    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(fs::exists(target_));
    EXPECT_TRUE(platform_.links.empty());
}

TEST_F(InstallerWindowTest, CancelDuringTheCopyRemovesWhatTheRunCreated) {
    WriteLanguage("GER");
    for (int i = 0; i < 20; ++i) WriteBytes(dist_ / ("f" + std::to_string(i) + ".dat"), "data");
    InstallerWindow window(platform_, dist_);
    window.show();
    QTimer::singleShot(0, [&] {
        auto* cancel = window.findChild<QPushButton*>("Command2");
        EXPECT_EQ(cancel->text(), "Abbrechen");
        cancel->click();
    });

    Install(window);

    EXPECT_TRUE(Find<QWidget>(window, "Frame2")->isVisible());
    EXPECT_EQ(Find<QLabel>(window, "label6")->text().toStdString(),
              "Die Installation wurde abgebrochen. Im Pfad " + target_.string() + " wurde nichts verändert.");
    EXPECT_FALSE(fs::exists(target_));
    EXPECT_TRUE(platform_.links.empty());
}

TEST_F(InstallerWindowTest, CloseBoxDuringTheCopyAsksThenCancelsAndCloses) {
    for (int i = 0; i < 20; ++i) WriteBytes(dist_ / ("f" + std::to_string(i) + ".dat"), "data");
    InstallerWindow window(platform_, dist_);
    window.show();
    QString question;
    QTimer::singleShot(0, [&] {
        AnswerNextBox(question, QMessageBox::Yes);
        window.close();
    });

    Install(window);

    EXPECT_EQ(question,
              ":  Installation Setup|Cancel the installation?\nThe files copied so far are removed.");
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(fs::exists(target_));
    EXPECT_TRUE(platform_.links.empty());
}

TEST_F(InstallerWindowTest, AnUpdateIsAnnouncedAndCanBeDeclined) {
    WriteBytes(dist_ / "kparam.dat", "settings");
    fs::create_directories(target_);
    WriteBytes(target_ / "kparam.dat", "the user's settings");
    InstallerWindow window(platform_, dist_);
    window.show();
    QString question;
    AnswerNextBox(question, QMessageBox::No);

    Install(window);

    EXPECT_TRUE(question.toStdString().starts_with(
        ":  Installation Setup|Tervalo is already installed in directory " + target_.string() +
        " and will be updated."));
    EXPECT_TRUE(question.contains("Your own files are kept: kparam.dat."));
    EXPECT_TRUE(Find<QWidget>(window, "Frame1")->isVisible());
    EXPECT_FALSE(Find<QWidget>(window, "Command1")->isHidden());
    EXPECT_EQ(installer::test::FileNames(target_), (std::set<std::string>{"kparam.dat"}));
}

}  // namespace

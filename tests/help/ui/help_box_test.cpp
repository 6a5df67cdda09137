#include "help/ui/help_box.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

#include "config/run_settings.h"
#include "help/help_file.h"
#include "localisation/language_tables.h"
#include "localisation/window_aids_texts.h"
#include "widgets/command_picture.h"
#include "widgets/window_test_support.h"

namespace tervalo {
namespace {

using test::ReadBytes;
using test::WriteBytes;

constexpr const char* kTopic = "Quelmo-Software";

class HelpBox : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetRunSettings();
        ResetLanguageTables();
        Settings.ProductName = "Quelmo";
        Settings.LanguageCode = "GER";
        WriteBytes("Caption.GER", test::NumberedItems("G", 273));
        LoadCaptionFile("GER");
    }
    void TearDown() override {
        ResetRunSettings();
        ResetLanguageTables();
    }

    template <typename T>
    T* Child(const char* name) {
        T* child = box_.findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QPlainTextEdit* InfoText() { return Child<QPlainTextEdit>("InfoText"); }

    test::ScopedTempDir dir_;
    Hilfebox box_{kTopic};
};

TEST_F(HelpBox, ShowsThePageOfTheTopicWithTitleLabelAndToolTip) {
    WriteBytes("Kelvhelp.GER", "#  W\xE4rmepumpe" + std::string(114, ' '));
    box_.show();
    EXPECT_EQ(InfoText()->toPlainText(), QString::fromUtf8("Wärmepumpe")) << "trimmed, from code page 1252";
    EXPECT_EQ(box_.windowTitle(), QStringLiteral("Quelmo G21 Quelmo-Software"));
    EXPECT_EQ(Child<QLabel>("Command3D2_l")->text(), QStringLiteral("&G30"));
    EXPECT_EQ(Child<CommandPicture>("Command3D2")->toolTip(), QStringLiteral("G30 Quelmo G21"));
    EXPECT_EQ(Child<QLabel>("Command3D2_l")->toolTip(), QStringLiteral("G30 Quelmo G21"));
}

TEST_F(HelpBox, StoresTheEditedTextAndReadsItBack) {
    box_.show();
    EXPECT_EQ(InfoText()->toPlainText(), QString()) << "no help file yet";
    const QString text =
        QString::fromUtf8("Erste Zeile mit Ä\nzweite Zeile ") + QString(200, QLatin1Char('x'));
    InfoText()->setPlainText(text);
    test::ClickOn(Child<QLabel>("Command3D2_l"));

    const std::string bytes = ReadBytes("Kelvhelp.GER");
    ASSERT_EQ(bytes.size(), 40 * kHelpRecordLength);
    EXPECT_EQ(bytes.substr(0, 20), "#Erste Zeile mit \xC4\r\n")
        << "code page bytes and the line breaks of a text box";

    Hilfebox again{kTopic};
    again.show();
    EXPECT_EQ(again.findChild<QPlainTextEdit*>(QStringLiteral("InfoText"))->toPlainText(), text);
}

TEST_F(HelpBox, WithoutTopicThePageIsEmptyAndStoringWritesNothing) {
    WriteBytes("Kelvhelp.GER", "#Text" + std::string(123, ' '));
    Hilfebox untitled{""};
    untitled.show();
    auto* text = untitled.findChild<QPlainTextEdit*>(QStringLiteral("InfoText"));
    EXPECT_EQ(text->toPlainText(), QString());
    EXPECT_TRUE(text->isReadOnly()) << "nothing typed there could be kept";
    auto* store = untitled.findChild<CommandPicture*>(QStringLiteral("Command3D2"));
    EXPECT_FALSE(store->isEnabled());
    const QString reason = QString::fromStdString(
        LoadFeatureTexts(window_aids_texts::kFile, "ENG")[window_aids_texts::kHelpNotStorable]);
    EXPECT_EQ(untitled.findChild<QLabel*>(QStringLiteral("CapacityLabel"))->text(), reason);
    EXPECT_EQ(store->toolTip(), reason);
    text->setPlainText(QStringLiteral("typed"));
    test::ClickOn(store);
    test::ClickOn(untitled.findChild<QLabel*>(QStringLiteral("Command3D2_l")));
    EXPECT_EQ(ReadBytes("Kelvhelp.GER"), "#Text" + std::string(123, ' '));
}

TEST_F(HelpBox, TypingStopsAtThePageCapacityAndTheCharactersLeftAreShown) {
    WriteBytes("WindowAids.ENG", test::NumberedItems("W", window_aids_texts::kFile.itemCount));
    box_.show();
    auto* left = Child<QLabel>("CapacityLabel");
    EXPECT_EQ(left->text(), QStringLiteral("W3 5080"));
    InfoText()->setPlainText(QString(5070, QLatin1Char('a')));
    EXPECT_EQ(left->text(), QStringLiteral("W3 10"));
    InfoText()->moveCursor(QTextCursor::Start);
    QTest::keyClick(InfoText(), Qt::Key_Return);
    EXPECT_EQ(left->text(), QStringLiteral("W3 8")) << "a line break is stored as two characters";
    QTest::keyClicks(InfoText(), QStringLiteral("bcdefghijk"));
    EXPECT_EQ(InfoText()->toPlainText(), QStringLiteral("\nbcdefghi") + QString(5070, QLatin1Char('a')))
        << "what does not fit is refused where it was typed";
    EXPECT_EQ(left->text(), QStringLiteral("W3 0"));
    test::ClickOn(Child<CommandPicture>("Command3D2"));
    Hilfebox again{kTopic};
    again.show();
    EXPECT_EQ(again.findChild<QPlainTextEdit*>(QStringLiteral("InfoText"))->toPlainText(),
              InfoText()->toPlainText())
        << "all that the box shows is stored";
}

TEST_F(HelpBox, AVeryLongPasteIsCutToThePageAndAReadOnlyOrDamagedFileDoesNoHarm) {
    WriteBytes("Kelvhelp.GER", std::string("\0\xFF#", 3));
    std::filesystem::permissions("Kelvhelp.GER", std::filesystem::perms::owner_read);
    box_.show();
    InfoText()->setPlainText(QString(200000, QLatin1Char('a')));
    test::ClickOn(Child<CommandPicture>("Command3D2"));
    Hilfebox again{kTopic};
    again.show();
    EXPECT_EQ(again.findChild<QPlainTextEdit*>(QStringLiteral("InfoText"))->toPlainText(),
              QString(5080, QLatin1Char('a')));
}

TEST_F(HelpBox, TabLeadsFromTheTextToTheButtonsAndAltStores) {
    box_.show();
    box_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box_));
    InfoText()->setFocus();
    QTest::keyClicks(InfoText(), QStringLiteral("Notiz"));
    QTest::keyClick(InfoText(), Qt::Key_Tab);
    EXPECT_EQ(InfoText()->toPlainText(), QStringLiteral("Notiz"));
    EXPECT_EQ(QApplication::focusWidget(), Child<CommandPicture>("Command3D1"));
    QTest::keyClick(&box_, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(ReadBytes("Kelvhelp.GER").substr(0, 6), "#Notiz");
    EXPECT_TRUE(box_.isVisible());
    QTest::keyClick(Child<CommandPicture>("Command3D1"), Qt::Key_Return);
    EXPECT_FALSE(box_.isVisible());
}

TEST_F(HelpBox, TheOkButtonClosesWithoutStoring) {
    box_.show();
    InfoText()->setPlainText(QStringLiteral("not stored"));
    test::ClickOn(Child<CommandPicture>("Command3D1"));
    EXPECT_FALSE(box_.isVisible());
    EXPECT_FALSE(std::filesystem::exists("Kelvhelp.GER"));
}

// Esc (or OK) with edits not stored asks first, No being the default; stored edits close without a word.
TEST_F(HelpBox, ClosingWithUnstoredEditsAsksFirstWithNoAsDefault) {
    test::MessageRecorder messages;
    box_.show();
    InfoText()->setFocus();
    QTest::keyClicks(InfoText(), QStringLiteral("Notiz"));
    QTest::keyClick(InfoText(), Qt::Key_Escape);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::YesNoQuestion);
    EXPECT_TRUE(messages.shown[0].defaultNo);
    EXPECT_TRUE(box_.isVisible()) << "No keeps the box and the text";
    EXPECT_EQ(InfoText()->toPlainText(), QStringLiteral("Notiz"));

    test::ClickOn(Child<QLabel>("Command3D2_l"));
    QTest::keyClick(InfoText(), Qt::Key_Escape);
    EXPECT_EQ(messages.shown.size(), 1u) << "stored: nothing to lose";
    EXPECT_FALSE(box_.isVisible());

    box_.show();
    QTest::keyClicks(InfoText(), QStringLiteral("x"));
    messages.answers = {true};
    test::ClickOn(Child<CommandPicture>("Command3D1"));
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_FALSE(box_.isVisible()) << "Yes discards";
}

}  // namespace
}  // namespace tervalo

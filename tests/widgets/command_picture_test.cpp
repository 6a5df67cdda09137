#include "widgets/command_picture.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "widgets/window_test_support.h"

namespace tervalo {
namespace {

class CommandPictureTest : public ::testing::Test {
  protected:
    CommandPictureTest() {
        button_ = new CommandPicture(CommandPicture::PressLook::Sunken, QSize(52, 52), &window_);
        twin_ = new QLabel(QStringLiteral("Calculation"), &window_);
        twin_->move(0, 60);
        button_->AddTwin(twin_);
        QObject::connect(button_, &CommandPicture::Released, [this] { ++commands_; });
        window_.show();
    }

    QWidget window_;
    CommandPicture* button_;
    QLabel* twin_;
    int commands_ = 0;
};

TEST_F(CommandPictureTest, PressGivesThe3DLookAndReleaseRunsTheCommandOnce) {
    QTest::mousePress(button_, Qt::LeftButton);
    EXPECT_TRUE(button_->IsPressed());
    EXPECT_EQ(commands_, 0) << "the command runs on release, not on press";
    QTest::mouseRelease(button_, Qt::LeftButton);
    EXPECT_FALSE(button_->IsPressed());
    EXPECT_EQ(commands_, 1);
}

TEST_F(CommandPictureTest, TheLabelTwinActsOnTheButton) {
    QTest::mousePress(twin_, Qt::LeftButton);
    EXPECT_TRUE(button_->IsPressed());
    QTest::mouseRelease(twin_, Qt::LeftButton);
    EXPECT_FALSE(button_->IsPressed());
    EXPECT_EQ(commands_, 1);
}

TEST_F(CommandPictureTest, ReleaseWithoutPressRightButtonAndDisabledButtonRunNothing) {
    QTest::mouseRelease(button_, Qt::LeftButton);
    QTest::mouseRelease(twin_, Qt::LeftButton);
    test::ClickOn(button_);  // a proper click afterwards still works
    EXPECT_EQ(commands_, 1);

    QTest::mousePress(button_, Qt::RightButton);
    QTest::mouseRelease(button_, Qt::RightButton);
    EXPECT_EQ(commands_, 1);

    button_->setEnabled(false);
    QTest::mousePress(twin_, Qt::LeftButton);
    QTest::mouseRelease(twin_, Qt::LeftButton);
    EXPECT_EQ(commands_, 1);
}

TEST_F(CommandPictureTest, ReleaseRunsTheCommandWhereverTheMouseIsLetGo) {
    for (QWidget* control : {static_cast<QWidget*>(button_), static_cast<QWidget*>(twin_)}) {
        SCOPED_TRACE(control == button_ ? "button" : "twin");
        commands_ = 0;
        QTest::mousePress(control, Qt::LeftButton);
        QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(control->width() + 100, 2));
        EXPECT_FALSE(button_->IsPressed()) << "the flat look comes back";
        EXPECT_EQ(commands_, 1);
    }
}

TEST_F(CommandPictureTest, WithoutPictureTheBoxStaysEmptyAndWorks) {
    button_->SetPicture(QPixmap());
    EXPECT_TRUE(button_->Picture().isNull());
    EXPECT_FALSE(button_->grab().isNull()) << "painting an empty box";
    test::ClickOn(button_);
    EXPECT_EQ(commands_, 1);
}

TEST_F(CommandPictureTest, ALargePictureIsDrawnInsideItsBox) {
    QPixmap big(400, 200);
    big.fill(Qt::red);
    button_->SetPicture(big);
    QTest::mousePress(button_, Qt::LeftButton);
    const QImage pressed = button_->grab().toImage();
    QTest::mouseRelease(button_, Qt::LeftButton);
    const QImage flat = button_->grab().toImage();
    EXPECT_EQ(flat.size(), QSize(52, 52)) << "the box keeps its size";
    EXPECT_NE(pressed, flat) << "the pressed look differs from the flat one";
}

TEST_F(CommandPictureTest, TheKeyboardRunsTheButtonBySpaceEnterAndTheMnemonicOfItsTwin) {
    auto* other = new QLineEdit(&window_);
    other->show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Tab);
    EXPECT_TRUE(button_->hasFocus()) << "Tab reaches the picture";
    QTest::keyPress(button_, Qt::Key_Space);
    EXPECT_TRUE(button_->IsPressed());
    EXPECT_EQ(commands_, 0);
    QTest::keyRelease(button_, Qt::Key_Space);
    EXPECT_EQ(commands_, 1);
    QTest::keyClick(button_, Qt::Key_Return);
    EXPECT_EQ(commands_, 2);

    AssignMnemonics({twin_});
    EXPECT_EQ(twin_->text(), QStringLiteral("&Calculation"));
    EXPECT_EQ(button_->accessibleName(), QStringLiteral("Calculation"));
    other->setFocus();
    QTest::keyClick(&window_, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(commands_, 3);
    EXPECT_TRUE(button_->hasFocus());

    button_->setEnabled(false);
    QTest::keyClick(&window_, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(commands_, 3) << "a disabled button runs nothing";
}

TEST_F(CommandPictureTest, MnemonicsTakeTheFirstFreeLetterInOrderAndKeepAmpersands) {
    QLabel print(QStringLiteral("Print & save")), project(QStringLiteral("Project")),
        pp(QStringLiteral("Pp")), none(QStringLiteral("..."));
    AssignMnemonics({&print, &project, &pp, &none}, QStringLiteral("R"));
    EXPECT_EQ(print.text(), QStringLiteral("&Print && save"));
    EXPECT_EQ(project.text(), QStringLiteral("Pr&oject")) << "P taken, r reserved";
    EXPECT_EQ(pp.text(), QStringLiteral("Pp")) << "no free letter";
    EXPECT_EQ(none.text(), QStringLiteral("..."));
    AssignMnemonics({&project, &print});
    EXPECT_EQ(project.text(), QStringLiteral("&Project")) << "assigned afresh from the plain caption";
    EXPECT_EQ(print.text(), QStringLiteral("P&rint && save"));
    print.setText(QStringLiteral("Drucken"));
    AssignMnemonics({&print});
    EXPECT_EQ(print.text(), QStringLiteral("&Drucken")) << "a new text is taken as it is";

    // Check boxes continue from the letters the labels took.
    QCheckBox header(QStringLiteral("Drucken Kopfzeile"));
    const QString taken = AssignMnemonics({&print, &project}, QStringLiteral("I"));
    EXPECT_EQ(taken, QStringLiteral("idp"));
    EXPECT_EQ(AssignButtonMnemonics({&header}, taken), QStringLiteral("idpr"));
    EXPECT_EQ(header.text(), QStringLiteral("D&rucken Kopfzeile"));
    AssignButtonMnemonics({&header}, taken);
    EXPECT_EQ(header.text(), QStringLiteral("D&rucken Kopfzeile")) << "one mark after a second assignment";
}

TEST_F(CommandPictureTest, TheDefaultButtonRunsOnAnEnterNoOtherWidgetTook) {
    auto* field = new QLineEdit(&window_);
    field->show();
    button_->MakeDefaultIn(&window_);
    EXPECT_TRUE(button_->IsDefault());
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(commands_, 1);
    QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(commands_, 2);
    QTest::keyClick(field, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(commands_, 2);
}

}  // namespace
}  // namespace tervalo

#include "widgets/command_picture.h"

#include <gtest/gtest.h>

#include <QLabel>

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

}  // namespace
}  // namespace tervalo

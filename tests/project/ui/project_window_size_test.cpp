#include <QScreen>
#include <QScrollArea>

#include "project_window_fixture.h"

namespace tervalo {
namespace {

class ProjectWindowSize : public test::ProjectWindow {
  protected:
    Projektdaten& OpenWith(QSize* remembered) {
        window_ = std::make_unique<Projektdaten>(project_, ProjectWindowCommands{{}, {}, {}, {}, remembered});
        window_->show();
        QApplication::processEvents();
        return *window_;
    }
};

TEST_F(ProjectWindowSize, OpensWithinTheScreenAndShowsAllThatFits) {
    QSize remembered;
    Projektdaten& window = OpenWith(&remembered);
    const QSize screen = window.screen()->availableGeometry().size();
    EXPECT_LE(window.width(), screen.width());
    EXPECT_LE(window.height(), screen.height());
    const QWidget* content = Child<QScrollArea>("ProjectScroll")->widget();
    if (content->sizeHint().height() < screen.height() - 150) {
        EXPECT_GE(Child<QScrollArea>("ProjectScroll")->viewport()->height(), content->sizeHint().height())
            << "no vertical scrolling where the screen has room";
    }
}

// The window is placed before it is shown, for the size it had then, and grows to its content on showing:
// it must still lie whole on the screen, its commands in reach.
TEST_F(ProjectWindowSize, GrowingAsItOpensKeepsTheWindowWholeOnTheScreen) {
    QSize remembered;
    window_ = std::make_unique<Projektdaten>(project_, ProjectWindowCommands{{}, {}, {}, {}, &remembered});
    const QRect screen = window_->screen()->availableGeometry();
    window_->move(screen.center());
    window_->show();
    QApplication::processEvents();
    EXPECT_TRUE(screen.contains(window_->frameGeometry()))
        << window_->frameGeometry().x() << "," << window_->frameGeometry().y() << " "
        << window_->frameGeometry().width() << "x" << window_->frameGeometry().height();
}

TEST_F(ProjectWindowSize, TheSizeTheUserGaveIsKeptForTheNextOpening) {
    QSize remembered(600, 420);
    OpenWith(&remembered);
    EXPECT_EQ(window_->size(), QSize(600, 420));
    window_->resize(640, 460);
    window_->close();
    EXPECT_EQ(remembered, QSize(640, 460));
    OpenWith(&remembered);
    EXPECT_EQ(window_->size(), QSize(640, 460));

    remembered = QSize(20000, 20000);
    OpenWith(&remembered);
    EXPECT_LE(window_->width(), window_->screen()->availableGeometry().width()) << "never beyond the screen";
}

}  // namespace
}  // namespace tervalo

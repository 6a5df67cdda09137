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

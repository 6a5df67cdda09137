#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "localisation/window_aids_texts.h"
#include "project_window_fixture.h"
#include "widgets/command_picture.h"

namespace tervalo {
namespace {

using test::ProjectWindow;
using test::ReadBytes;

class ProjectWindowGuards : public ProjectWindow {
  protected:
    void TypeKeys(const char* field, const QString& text) {
        auto* edit = Child<QLineEdit>(field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void PressEsc() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }
    QString Aid(int item) {
        return QString::fromStdString(LoadFeatureTexts(window_aids_texts::kFile, "ENG")[item]);
    }
};

TEST_F(ProjectWindowGuards, EscClosesOnlyTheOpenPanel) {
    Open();
    TypeKeys("WohnFL", QStringLiteral("140"));
    test::ClickOn(Child<CommandPicture>("KlimaZButt"));
    ASSERT_TRUE(Child<QFrame>("KlimaPN")->isVisible());
    PressEsc();
    EXPECT_FALSE(Child<QFrame>("KlimaPN")->isVisible());
    EXPECT_TRUE(window_->isVisible());

    test::ClickOn(Child<CommandPicture>("Command3D4"));
    ASSERT_TRUE(Child<QFrame>("BrennstoffKPN")->isVisible());
    TypeKeys("BK50", QStringLiteral("9"));
    PressEsc();
    EXPECT_FALSE(Child<QFrame>("BrennstoffKPN")->isVisible());
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(ReadBytes("SpezBK.dat"), "\"1.02\"\r\n\"1.13\"\r\n\"0.30\"\r\n\"0.35\"\r\n") << "as its cancel";
    EXPECT_EQ(Text("WohnFL"), QStringLiteral("140")) << "the edit survives";
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(ProjectWindowGuards, CancellingWithEditsAsksFirstWithNoAsDefault) {
    Open();
    PressEsc();
    EXPECT_FALSE(window_->isVisible()) << "nothing to lose: no question";
    EXPECT_TRUE(messages_.shown.empty());

    Open();
    TypeKeys("WohnFL", QStringLiteral("140"));
    PressEsc();
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].kind, MessageKind::YesNoQuestion);
    EXPECT_TRUE(messages_.shown[0].defaultNo);
    EXPECT_EQ(messages_.shown[0].text, Aid(window_aids_texts::kDiscardQuestion));
    EXPECT_TRUE(window_->isVisible()) << "No keeps the window";

    test::ClickOn(Child<CommandPicture>("Command3D2"));
    EXPECT_EQ(messages_.shown.size(), 2u);
    EXPECT_TRUE(window_->isVisible());
    window_->close();
    EXPECT_EQ(messages_.shown.size(), 3u) << "the close box asks too";
    EXPECT_TRUE(window_->isVisible());

    messages_.answers = {true};
    test::ClickOn(Child<QLabel>("Command3D2_l"));
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(window_->result(), QDialog::Rejected);
    EXPECT_FALSE(std::filesystem::exists("TempPart.dat"));

    Open();
    Choose("HausTyp", 2);
    window_->reject();
    EXPECT_EQ(messages_.shown.size(), 5u) << "a list choice is an edit";
}

TEST_F(ProjectWindowGuards, FieldsReadOtherwiseThanTypedAreMarked) {
    Open();
    auto* area = Child<QLineEdit>("WohnFL");
    TypeKeys("WohnFL", QStringLiteral("1.234,5"));
    EXPECT_TRUE(area->property("marked").toBool());
    EXPECT_EQ(area->toolTip(), QStringLiteral("read as 1.234"));
    EXPECT_NE(area->palette().color(QPalette::Base), Child<QLineEdit>("Tc")->palette().color(QPalette::Base));

    TypeKeys("WohnFL", QStringLiteral("150"));
    EXPECT_FALSE(area->property("marked").toBool());
    EXPECT_TRUE(area->toolTip().isEmpty());

    TypeKeys("WohnFL", QStringLiteral("-150"));
    QTest::keyClick(area, Qt::Key_Return);
    EXPECT_EQ(area->toolTip(), Aid(window_aids_texts::kAreaNotPositive)) << "kept after the calculation";

    TypeKeys("WohnFL", QString());
    EXPECT_EQ(area->toolTip(), QStringLiteral("read as 0\n") + Aid(window_aids_texts::kAreaNotPositive));

    TypeKeys("WirkGKessel", QStringLiteral("150"));
    EXPECT_EQ(Child<QLineEdit>("WirkGKessel")->toolTip(), Aid(window_aids_texts::kEfficiencyOutside));
    TypeKeys("EnergKost", QStringLiteral("-0,2"));
    EXPECT_EQ(Child<QLineEdit>("EnergKost")->toolTip(), Aid(window_aids_texts::kPriceNegative));
}

}  // namespace
}  // namespace tervalo

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "project_window_fixture.h"
#include "widgets/command_picture.h"

namespace tervalo {
namespace {

using test::ProjectWindow;
using test::ReadBytes;

class ProjectWindowKeyboard : public ProjectWindow {
  protected:
    Projektdaten& OpenActive() {
        Open();
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        return *window_;
    }
    // The control that has the focus; a list's text field stands for its list.
    static QString FocusName() {
        QWidget* focus = QApplication::focusWidget();
        if (!focus) return {};
        if (focus->objectName().isEmpty() && focus->parentWidget())
            return focus->parentWidget()->objectName();
        return focus->objectName();
    }
};

TEST_F(ProjectWindowKeyboard, TabFollowsTheScreenAndReachesEveryCommand) {
    OpenActive();
    Child<QLineEdit>("WohnFL")->setFocus();
    QStringList order{FocusName()};
    for (int step = 0; step < 60; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (FocusName() == order.front()) break;
        order << FocusName();
    }
    const QStringList screen = {"WohnFL",
                                "HausTyp",
                                "Klimazone",
                                "KlimaZButt",
                                "AmbientT",
                                "SpezHeizLeist",
                                "GesHBDGeB",
                                "HeizArt",
                                "KesselWirk",
                                "WirkGKessel",
                                "Bereitstell",
                                "BereitStV",
                                "Command3D4",
                                "BrennK",
                                "GesHBDHeiz",
                                "BrennStV",
                                "DecisionButt",
                                "LifetimeButt",
                                "SeasonalButt",
                                "AnwendBereich",
                                "VFlsize",
                                "EnergKost",
                                "EinbindCheck",
                                "GesEnergWP",
                                "t0",
                                "Tc",
                                "Leitungsdimension",
                                "Verdichterbauart",
                                "WartungI",
                                "Tempbereich",
                                "Rechbutt",
                                "Printbutt",
                                "ExportButt",
                                "Command3D3",
                                "Abbrechen",
                                "Command3D2"};
    EXPECT_EQ(order, screen) << order.join(' ').toStdString();
}

TEST_F(ProjectWindowKeyboard, AltShortcutsRunThePictureCommands) {
    OpenActive();
    EXPECT_EQ(Child<QLabel>("Abbrechen_l")->text(), QStringLiteral("&OK"));
    EXPECT_EQ(Child<QLabel>("Command3D2_l")->text().count(QLatin1Char('&')), 1) << "cancel has its letter";
    EXPECT_EQ(Child<CommandPicture>("Abbrechen")->accessibleName(), QStringLiteral("OK"));

    QString opened;
    test::WhenModalOpens([](QWidget* box) { box->close(); }, &opened);
    const QString help = Child<QLabel>("Command3D3_l")->text();
    const QChar letter = help.at(help.indexOf(QLatin1Char('&')) + 1);
    QTest::keyClick(window_.get(), letter.toLatin1(), Qt::AltModifier);
    EXPECT_EQ(opened, QStringLiteral("Hilfebox"));
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));

    Child<QLineEdit>("WohnFL")->setFocus();
    QTest::keyClicks(Child<QLineEdit>("WohnFL"), QStringLiteral("80"));
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::AltModifier);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(window_->result(), QDialog::Accepted);
    EXPECT_TRUE(ReadBytes("TempPart.dat").starts_with("\"R22\"\r\n\"80\"\r\n"));
}

TEST_F(ProjectWindowKeyboard, InputsAreNamedByCaptionAndUnitAndTheCaptionIsTheirBuddy) {
    Open();
    auto* area = Child<QLineEdit>("WohnFL");
    EXPECT_EQ(area->accessibleName(), Hp(11)) << "without the colon";
    EXPECT_EQ(area->accessibleDescription(), Text("Label30"));
    EXPECT_EQ(Child<QLabel>("Label14")->buddy(), area);
    EXPECT_EQ(Child<QComboBox>("HausTyp")->accessibleName(), Text("Label19").remove(':').trimmed());
    EXPECT_EQ(Child<QLineEdit>("BK51")->accessibleDescription(), Text("Label61"));
}

TEST_F(ProjectWindowKeyboard, EnterConfirmsTheFuelPricePanel) {
    OpenActive();
    QTest::keyClick(Child<QLineEdit>("WohnFL"), Qt::Key_Tab);
    test::ClickOn(Child<CommandPicture>("Command3D4"));
    EXPECT_TRUE(Child<QLineEdit>("BK50")->hasFocus());
    QTest::keyClick(Child<QLineEdit>("BK50"), Qt::Key_Tab);  // selects the next price, which typing replaces
    QTest::keyClicks(Child<QLineEdit>("BK51"), QStringLiteral("7"));
    QTest::keyClick(Child<QLineEdit>("BK51"), Qt::Key_Return);
    EXPECT_FALSE(Child<QFrame>("BrennstoffKPN")->isVisible());
    EXPECT_EQ(ReadBytes("SpezBK.dat"), "\"1.02\"\r\n\"7\"\r\n\"0.30\"\r\n\"0.35\"\r\n");
    EXPECT_TRUE(window_->isVisible());
}

}  // namespace
}  // namespace tervalo

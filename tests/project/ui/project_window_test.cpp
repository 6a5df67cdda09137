#include "project_window_fixture.h"

#include <cstdlib>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "localisation/language_tables.h"
#include "project/project_fields.h"
#include "project/window_texts.h"
#include "widgets/command_picture.h"

namespace tervalo {
namespace {

using test::ProjectWindow;
using test::ReadBytes;
using test::WriteBytes;

TEST_F(ProjectWindow, OpensWithListsAndCaptionsOfTheLanguageAndTheRulesOfAFirstStart) {
    Open();
    EXPECT_EQ(window_->windowTitle(), QString::fromStdString(ProjectWindowTitle()));
    auto* houses = Child<QComboBox>("HausTyp");
    ASSERT_EQ(houses->count(), 6);
    EXPECT_EQ(houses->itemText(0), Hp(36));
    EXPECT_EQ(houses->itemText(3), Hp(38) + QStringLiteral(" 1982"));
    EXPECT_EQ(Child<QComboBox>("VFlsize")->itemText(2), Hp(19) + QStringLiteral(", ") + Hp(8));
    EXPECT_EQ(Child<QComboBox>("Tempbereich")->count(), 0);
    EXPECT_EQ(Text("Label14"), Hp(11) + QStringLiteral(" :"));
    EXPECT_EQ(Text("Label25"), QStringLiteral("EUR/kWh"));
    EXPECT_EQ(Text("t0"), QStringLiteral("0"));
    EXPECT_EQ(Text("Tc"), QStringLiteral("55"));
    EXPECT_TRUE(Text("LeistZahlK").startsWith(QStringLiteral("COP = "))) << "calculated at load";
    EXPECT_FALSE(Child<QFrame>("BrennstoffKPN")->isVisible());
    EXPECT_FALSE(Child<QFrame>("KlimaPN")->isVisible());
}

// Every field stands in a section or a panel, none loose on the dialog. A result the sections do not place
// stands below the design point under its caption and the heading of such results, exactly when the list of
// results gives it a caption.
TEST_F(ProjectWindow, EveryFieldStandsInASectionAndEveryFurtherResultUnderItsCaption) {
    Open();
    QWidget* further = window_->findChild<QWidget*>(QStringLiteral("FurtherResults"));
    int captioned = 0;
    for (const ProjectFieldInfo& field : ProjectFields()) {
        const std::string name(field.name);
        SCOPED_TRACE(name);
        QWidget* widget = Child<QWidget>(name.c_str());
        ASSERT_NE(widget, nullptr);
        EXPECT_NE(widget->parentWidget(), window_.get());
        EXPECT_EQ(further && further->isAncestorOf(widget), field.caption != 0);
        if (field.caption == 0) continue;
        ++captioned;
        EXPECT_TRUE(Child<QWidget>("Panel3D1")->isAncestorOf(further));
        EXPECT_FALSE(Text((name + "_L").c_str()).isEmpty());
    }
    EXPECT_EQ(further != nullptr, captioned > 0);
}

// The cycle command is offered only when wired; it hands over the record with what the window shows, and
// every action announces the texts shown again, so that the cycle view can follow.
TEST_F(ProjectWindow, CycleButtonHandsOverTheShownProjectAndActionsAnnounceTheirResults) {
    Open();
    EXPECT_EQ(window_->findChild<QPushButton*>(QStringLiteral("CycleButt")), nullptr);
    std::vector<std::string> handed;
    window_ = std::make_unique<Projektdaten>(
        project_,
        ProjectWindowCommands{{}, PrintProject, {}, [&handed](const ProjectRecord& record, Projektdaten&) {
                                  handed.push_back(record.WohnFL);
                              }});
    window_->show();
    QApplication::processEvents();
    int announced = 0;
    QObject::connect(window_.get(), &Projektdaten::RecordShown, [&announced] { ++announced; });
    auto* cycle = Child<QPushButton>("CycleButt");
    ASSERT_NE(cycle, nullptr);
    EXPECT_EQ(cycle->text(), QStringLiteral("C&ycle")) << "its Alt letter is one the commands left free";
    test::SaveScreenshot(window_.get(), QStringLiteral("project_window_cycle_button"));
    Type("WohnFL", QStringLiteral("175"));
    cycle->click();
    EXPECT_EQ(handed, std::vector<std::string>{"175"}) << "typed text is taken up first";
    TypeAndEnter("WohnFL", QStringLiteral("180"));
    EXPECT_GE(announced, 1);
}

TEST_F(ProjectWindow, ListChoicesAndEnterRecomputeTheResults) {
    Open();
    Choose("AnwendBereich", 1);  // outdoor air / water
    Choose("Klimazone", 2);      // zone 3
    Choose("AmbientT", 2);       // high exposure
    EXPECT_EQ(Text("t0"), QStringLiteral("-9"));
    Choose("HausTyp", 3);
    EXPECT_EQ(Text("SpezHeizLeist"), QStringLiteral(" 146")) << "100 x 1.1 x 1.33";
    Choose("HeizArt", 0);
    EXPECT_EQ(Text("Label21"), Hp(21) + QStringLiteral(" :"));
    EXPECT_EQ(Text("BrennStKeinh"), QStringLiteral("EUR/l"));
    EXPECT_EQ(Text("BrennK"), QStringLiteral("1.02"));
    Choose("KesselWirk", 1);
    EXPECT_EQ(Text("WirkGKessel"), QStringLiteral(" 90"));

    TypeAndEnter("WohnFL", QStringLiteral("150"));
    EXPECT_EQ(Text("GesHBDGeB"), QStringLiteral(" 21900")) << "150 m2 x 146";
    const QString fuelCost = Text("Label27");
    EXPECT_FALSE(fuelCost.isEmpty());

    // Typed without Enter, then taken up by the next choice: the window is the data.
    Type("WohnFL", QStringLiteral("300"));
    Choose("Bereitstell", 0);
    EXPECT_EQ(Text("GesHBDGeB"), QStringLiteral(" 43800"));
    EXPECT_NE(Text("Label27"), fuelCost);

    TypeAndEnter("EnergKost", QStringLiteral("0,25"));
    EXPECT_FALSE(Text("BetrKo").isEmpty());
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(ProjectWindow, TheT0CheckShowsItsTwoMessagesAndRunsOnlyAUsablePoint) {
    Open();
    const QString suctionGas = Text("pn32");
    TypeAndEnter("t0", QStringLiteral("-70"));
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].kind, MessageKind::Plain);
    EXPECT_EQ(messages_.shown[0].text, QString::fromStdString(Message(kMessageEvaporatingBelowLimit)) +
                                           QString::fromUtf8("\ntmin = -60 °C !"));
    EXPECT_EQ(Text("pn32"), suctionGas) << "no run";

    Type("Tc", QStringLiteral("3"));
    TypeAndEnter("t0", QStringLiteral("5"));
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_EQ(messages_.shown[1].text, QString::fromStdString(Message(kMessageCondensingBelowEvaporating)));
    EXPECT_EQ(Text("pn32"), suctionGas);

    Type("Tc", QStringLiteral("5"));
    TypeAndEnter("t0", QStringLiteral("5"));
    EXPECT_EQ(messages_.shown.size(), 2u);
    EXPECT_NE(Text("pn32"), suctionGas) << "a usable point runs";
}

TEST_F(ProjectWindow, FuelPricePanelRoundTripThroughSpezBK) {
    Open();
    test::ClickOn(Child<QLabel>("Command3D4_L"));
    EXPECT_TRUE(Child<QFrame>("BrennstoffKPN")->isVisible());
    EXPECT_EQ(Text("BK50"), QStringLiteral("1.02"));
    EXPECT_EQ(Text("BK53"), QStringLiteral("0.35"));
    Type("BK51", QStringLiteral("0,99"));
    test::ClickOn(Child<CommandPicture>("OKbutt"));
    EXPECT_FALSE(Child<QFrame>("BrennstoffKPN")->isVisible());
    EXPECT_EQ(ReadBytes("SpezBK.dat"), "\"1.02\"\r\n\"0,99\"\r\n\"0.30\"\r\n\"0.35\"\r\n")
        << "stored as typed";

    Choose("HeizArt", 1);
    EXPECT_EQ(project_.BrennK, "0,99") << "the new default of natural gas, as typed";
    EXPECT_EQ(Text("BrennK"), QStringLiteral("0.99")) << "shown with the language's separator";

    test::ClickOn(Child<CommandPicture>("Command3D4"));
    Type("BK50", QStringLiteral("9"));
    test::ClickOn(Child<QLabel>("Abbbutt_l"));
    EXPECT_FALSE(Child<QFrame>("BrennstoffKPN")->isVisible());
    EXPECT_EQ(ReadBytes("SpezBK.dat"), "\"1.02\"\r\n\"0,99\"\r\n\"0.30\"\r\n\"0.35\"\r\n")
        << "cancel stores nothing";
}

TEST_F(ProjectWindow, AcceptSavesTheProjectWhileCancelAndTheCloseBoxDoNot) {
    Open();
    TypeAndEnter("WohnFL", QStringLiteral("120"));
    window_->close();
    EXPECT_FALSE(std::filesystem::exists("TempPart.dat"));

    Open();
    TypeAndEnter("WohnFL", QStringLiteral("120"));
    test::ClickOn(Child<CommandPicture>("Command3D2"));
    EXPECT_FALSE(window_->isVisible());
    EXPECT_FALSE(std::filesystem::exists("TempPart.dat"));

    Open();
    TypeAndEnter("WohnFL", QStringLiteral("120"));
    test::ClickOn(Child<QLabel>("Abbrechen_l"));
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(window_->result(), QDialog::Accepted);
    const std::string saved = ReadBytes("TempPart.dat");
    EXPECT_TRUE(saved.starts_with("\"R22\"\r\n\"120\"\r\n")) << saved;

    Open();
    EXPECT_EQ(Text("WohnFL"), QStringLiteral("120")) << "the saved project comes back";
}

TEST_F(ProjectWindow, FocusHintsGoToTheMainWindow) {
    Open();
    Child<QLineEdit>("WohnFL")->setFocus();
    Child<QLineEdit>("t0")->setFocus();
    Child<QLineEdit>("Tc")->setFocus();
    Child<QLineEdit>("BrennK")->setFocus();
    EXPECT_EQ(hints_,
              (std::vector<std::string>{Message(kMessageLivingAreaHint), Message(kMessageEvaporatingHint),
                                        Message(kMessageCondensingHint)}));
}

TEST_F(ProjectWindow, TheClimateMapOpensFromItsButtonAndClosesOnAPanelClick) {
    Open();
    test::ClickOn(Child<CommandPicture>("KlimaZButt"));
    EXPECT_TRUE(Child<QFrame>("KlimaPN")->isVisible());
    EXPECT_FALSE(Child<QLabel>("Picture1")->pixmap().isNull());
    QTest::mouseClick(Child<QWidget>("PNRG"), Qt::LeftButton);
    EXPECT_FALSE(Child<QFrame>("KlimaPN")->isVisible());
}

TEST_F(ProjectWindow, PrintWritesTheResultsAndOpensTheViewWithoutRecalculating) {
    Open();
    TypeAndEnter("WohnFL", QStringLiteral("150"));
    Type("WohnFL", QStringLiteral("999"));  // changed without Enter: printed with the previous results
    const QString demand = Text("GesHBDGeB");
    QString opened;
    test::WhenModalOpens([](QWidget* view) { view->close(); }, &opened);
    test::ClickOn(Child<CommandPicture>("Printbutt"));
    EXPECT_FALSE(opened.isEmpty()) << "the results view";
    EXPECT_NE(ReadBytes("ergEN1.DAT").find("999"), std::string::npos);
    EXPECT_EQ(Text("GesHBDGeB"), demand) << "the activation after the view starts no calculation";
    EXPECT_FALSE(project_.CalculationLock) << "released by that activation";
}

// A design point outside the refrigerant's table: the COP and heat-pump results keep their texts but are
// greyed with the reason as tooltip, and the line below the sections names the temperature and the range.
// TERVALO_SCREENSHOT_DIR, when set, receives the window as PNG files.
TEST_F(ProjectWindow, ResultsTheLastRunDidNotWriteAreGreyedWithTheReason) {
    for (const char* code : {"ENG", "GER"}) {
        SCOPED_TRACE(code);
        Settings.LanguageCode = code;
        LoadLanguageTexts(Settings.LanguageCode);
        Open();
        Choose("HeizArt", 0);
        Choose("KesselWirk", 1);
        TypeAndEnter("WohnFL", QStringLiteral("150"));
        auto* line = Child<QLabel>("StaleResults");
        EXPECT_FALSE(line->isVisible()) << line->text().toStdString();
        const QString cop = Text("LeistZahlK");

        TypeAndEnter("Tc", QStringLiteral("110"));
        test::ClickOn(Child<CommandPicture>("Rechbutt"));
        EXPECT_EQ(Text("LeistZahlK"), cop) << "the specified text stays";
        EXPECT_TRUE(line->isVisible());
        EXPECT_TRUE(line->text().contains(QStringLiteral("110 \u00B0C"))) << line->text().toStdString();
        EXPECT_TRUE(line->text().contains(QStringLiteral("94 \u00B0C"))) << line->text().toStdString();
        EXPECT_FALSE(Child<QWidget>("LeistZahlK")->toolTip().isEmpty());
        EXPECT_TRUE(Child<QWidget>("GesHBDHeiz")->toolTip().isEmpty()) << "the fuel side is current";
        if (const char* folder = std::getenv("TERVALO_SCREENSHOT_DIR"))
            window_->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/outside-") +
                                 QLatin1String(code) + QStringLiteral(".png"));

        TypeAndEnter("Tc", QStringLiteral("55"));
        test::ClickOn(Child<CommandPicture>("Rechbutt"));
        EXPECT_FALSE(line->isVisible());
        EXPECT_TRUE(Child<QWidget>("LeistZahlK")->toolTip().isEmpty());

        // Without energk.dat the heat pump's CO2 has no factor.
        const std::string factors = ReadBytes("energk.dat");
        std::filesystem::remove("energk.dat");
        test::ClickOn(Child<CommandPicture>("Rechbutt"));
        EXPECT_TRUE(line->isVisible());
        EXPECT_TRUE(line->text().contains(QStringLiteral("energk.dat"))) << line->text().toStdString();
        EXPECT_FALSE(Child<QWidget>("co2consum")->toolTip().isEmpty());
        if (const char* folder = std::getenv("TERVALO_SCREENSHOT_DIR"))
            window_->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/stale-") +
                                 QLatin1String(code) + QStringLiteral(".png"));
        WriteBytes("energk.dat", factors);
        window_.reset();
    }
}

TEST_F(ProjectWindow, HelpOpensTheHelpBox) {
    Open();
    QString opened;
    test::WhenModalOpens([](QWidget* box) { box->close(); }, &opened);
    test::ClickOn(Child<QLabel>("Command3D3_l"));
    EXPECT_EQ(opened, QStringLiteral("Hilfebox"));
}

TEST_F(ProjectWindow, AnyTextInAnyFieldNeverBreaksTheWindow) {
    Open();
    const QString junk =
        QString::fromUtf8("1e400 ,,, -0 \u20AC\u4E2D\u0000 ") + QString(100000, QLatin1Char('9'));
    for (const char* field : {"WohnFL", "SpezHeizLeist", "GesHBDGeB", "WirkGKessel", "BereitStV", "BrennK",
                              "BrennStV", "GesHBDHeiz", "t0", "Tc", "EnergKost", "GesEnergWP"}) {
        TypeAndEnter(field, junk);
    }
    Child<QComboBox>("HeizArt")->lineEdit()->setText(junk);
    emit Child<QComboBox>("HeizArt")->lineEdit()->textEdited(junk);
    test::ClickOn(Child<CommandPicture>("Rechbutt"));
    EXPECT_TRUE(window_->isVisible());
}

}  // namespace
}  // namespace tervalo

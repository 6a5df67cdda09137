// One decimal separator in the project window: the language's, for every number it shows, while the project's
// texts keep the bytes they were formed with and typed numbers are read with either separator.

#include <QRegularExpression>

#include "localisation/code_page.h"
#include "localisation/shown_numbers.h"
#include "project/project_fields.h"
#include "project_window_fixture.h"

namespace tervalo {
namespace {

class ProjectWindowNumbers : public test::ProjectWindow {
  protected:
    void OpenIn(const std::string& code) {
        Settings.LanguageCode = code;
        LoadLanguageTexts(Settings.LanguageCode);
        Open();
        Choose("AnwendBereich", 1);
        Choose("HausTyp", 3);
        Choose("HeizArt", 0);
        Choose("KesselWirk", 1);
        TypeAndEnter("WohnFL", QStringLiteral("150"));
        TypeAndEnter("EnergKost", QStringLiteral("0,28"));
    }
    // Each text box and label of a field with the words that are numbers with a decimal separator.
    std::vector<std::pair<std::string, QString>> ShownDecimals() {
        static const QRegularExpression decimal(QStringLiteral("(?:^|[ (=])-?\\d+[.,]\\d+(?:$|[ )%])"));
        std::vector<std::pair<std::string, QString>> shown;
        for (const ProjectFieldInfo& field : ProjectFields()) {
            if (field.kind == FieldKind::List || field.kind == FieldKind::CheckBox) continue;
            const QString text = Text(std::string(field.name).c_str());
            for (auto match = decimal.globalMatch(text); match.hasNext();)
                shown.emplace_back(std::string(field.name), match.next().captured().trimmed());
        }
        return shown;
    }
};

TEST_F(ProjectWindowNumbers, GermanShowsEveryDecimalWithACommaAndKeepsTheProjectsBytes) {
    OpenIn("GER");
    const auto decimals = ShownDecimals();
    EXPECT_GE(decimals.size(), 4u) << "COP, CO2, price and the specific demand carry decimals";
    for (const auto& [field, number] : decimals)
        EXPECT_FALSE(number.contains('.')) << field << ": " << number.toStdString();
    // The record keeps its point form (the files rely on it); what the window shows is that text with a
    // comma.
    EXPECT_NE(project_.LeistZahlK.find('.'), std::string::npos) << project_.LeistZahlK;
    EXPECT_EQ(Text("LeistZahlK").toStdString(), ShownNumbers(project_.LeistZahlK, ','));
    // Showing is no editing: the next action takes the untouched texts back with their own bytes.
    const std::string price = project_.BrennK;
    ASSERT_NE(price.find('.'), std::string::npos) << price;
    TypeAndEnter("WohnFL", QStringLiteral("160"));
    EXPECT_EQ(project_.BrennK, price);
    // A number typed with a point is read as before.
    const QString cost = Text("BetrKo");
    TypeAndEnter("EnergKost", QStringLiteral("0.35"));
    EXPECT_NE(Text("BetrKo"), cost);
    for (const auto& [field, number] : ShownDecimals()) EXPECT_FALSE(number.contains('.')) << field;
}

TEST_F(ProjectWindowNumbers, EnglishShowsEveryDecimalWithAPoint) {
    OpenIn("ENG");
    const auto decimals = ShownDecimals();
    EXPECT_GE(decimals.size(), 4u);
    for (const auto& [field, number] : decimals)
        EXPECT_FALSE(number.contains(',')) << field << ": " << number.toStdString();
}

TEST_F(ProjectWindowNumbers, RussianUnitsKeepTheirSuperscripts) {
    OpenIn("RUS");
    EXPECT_EQ(CodePageOf("RUS"), 1251);
    const QString area = Child<QLabel>("Label30")->text();
    EXPECT_EQ(area, QString::fromUtf8("m²"));
    bool demandUnit = false;
    for (const QLabel* label : window_->findChildren<QLabel*>())
        demandUnit = demandUnit || label->text() == QString::fromUtf8("kWh/m² a");
    EXPECT_TRUE(demandUnit);
}

}  // namespace
}  // namespace tervalo

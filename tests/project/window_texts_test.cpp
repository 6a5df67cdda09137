#include "project/window_texts.h"

#include <algorithm>

#include "project_fixture.h"

namespace tervalo {
namespace {

class WindowTexts : public test::ProjectFixture {
  protected:
    static std::string CaptionOf(const std::string& control) {
        const auto captions = ProjectWindowCaptions();
        const auto found = std::find_if(captions.begin(), captions.end(), [&](const ControlCaption& caption) {
            return caption.control == control;
        });
        return found == captions.end() ? "<none>" : found->text;
    }
};

TEST_F(WindowTexts, TitleJoinsItsPiecesByLanguage) {
    const std::pair<const char*, const char*> rows[] = {
        {"FRA", "Quelmo : c81 de c66 - Simulacion c222 CO2"},
        {"ESP", "Quelmo : c81 del c66 - Simulacion c222 CO2"},
        {"POR", "Quelmo : c81 del c66 - Simulacion c222 CO2"},
        {"ita", "Quelmo : c81 di c66 - Simulatione c222 CO2"},
        {"ITA", "Quelmo : c81 di c66 - Simulatione c222 CO2"},
        {"GER", "Quelmo : c81 c66 - Simulation c222 CO2"},
        {"ENG", "Quelmo : c81 c66 - Simulation c222 CO2"},
        {"fr", "Quelmo : c81 c66 - Simulation c222 CO2"},
    };
    for (const auto& [code, title] : rows) {
        SCOPED_TRACE(code);
        Settings.LanguageCode = code;
        EXPECT_EQ(ProjectWindowTitle(), title);
    }
}

TEST_F(WindowTexts, CaptionsOfLabelsAndButtons) {
    Settings.LabelSeparator = " :";
    const std::pair<const char*, std::string> rows[] = {
        {"Panel3D2", "hp33"},
        {"Label14", "hp11 :"},
        {"Label30", "m\xB2"},
        {"Label19", "hp26 :"},
        {"Label15", "hp12 :"},
        {"Label9", "hp13 :"},
        {"Label23", "hp25 :"},
        {"Label1", "hp31 hp33 :"},
        {"Panel3D5", "hp32"},
        {"Label34", "hp41 :"},
        {"Label35", "hp42 :"},
        {"Label2", "hp29 :"},
        {"Label41", "hp34 :"},
        {"Label45", "hp35 :"},
        {"Label20", "hp28 :"},
        {"Label17", "hp23 :"},
        {"Pn45_L", "c14"},
        {"Label22", "c84 :"},
        {"Label32", "c84 :"},
        {"Label7", "hp54 hp28 :"},
        {"EinbindCheck", "hp30"},
        {"Label11", "c222 CO2 :"},
        {"Label3", "EUR/a"},
        {"Label43", "EUR/a"},
        {"Label25", "EUR/kWh"},
        {"Label12",
         "\xB0"
         "C"},
        {"Label13",
         "\xB0"
         "C"},
        {"Label28",
         "\xB0"
         "C"},
        {"Label16", "hp22 :"},
        {"Label18", "hp24 :"},
        {"Label33", "c12 :"},
        {"Pn44_L", "c13"},
        {"MittTo", "hp51 c171 c40"},
        {"tslPN", "c171 c68 :"},
        {"Rechbutt_l", "c81"},
        {"Printbutt_L", "c76"},
        {"Command3D3_l", "c21"},
        {"Command3D2_l", "c35"},
        {"Abbbutt_l", "c35"},
        {"Command3D4_L", "hp34"},
        {"Panel3D6", "hp34"},
        {"Label50", "hp21 :"},
        {"Label51", "hp22 :"},
        {"Label52", "hp55 :"},
        {"Label53", "hp56 :"},
        {"Label60", "EUR/l"},
        {"Label61", "EUR/m\xB3"},
        {"Label62", "EUR/kg"},
        {"Label63", "EUR/kWh"},
    };
    for (const auto& [control, text] : rows) {
        SCOPED_TRACE(control);
        EXPECT_EQ(CaptionOf(control), text);
    }
    EXPECT_EQ(ProjectWindowCaptions().size(), std::size(rows)) << "every caption of the window, no other";

    Settings.LabelSeparator = ":";
    Settings.CurrencyCode = "CHF";
    EXPECT_EQ(CaptionOf("Label14"), "hp11:");
    EXPECT_EQ(CaptionOf("Label9"), "hp13 :") << "the ambient label has its own separator";
    EXPECT_EQ(CaptionOf("Label60"), "CHF/l");
}

TEST_F(WindowTexts, SquareMetresInCodePagesWithoutSuperscripts) {
    Settings.LanguageCode = "RUS";
    EXPECT_EQ(SquareMetres(), "m2");
    EXPECT_EQ(CubicMetres(), "m3");
    Settings.LanguageCode = "TRK";
    EXPECT_EQ(SquareMetres(), "m\xB2");
}

}  // namespace
}  // namespace tervalo

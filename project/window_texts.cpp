#include "project/window_texts.h"

#include "engine/number_text.h"
#include "engine/text_util.h"
#include "localisation/code_page.h"
#include "localisation/language_tables.h"
#include "config/run_settings.h"

namespace tervalo {

namespace {

// The UTF-8 text in the current code page, or `fallback` where the code page cannot hold it.
std::string InCodePage(const std::string& utf8, const std::string& fallback) {
    const int codePage = CodePageOf(Settings.LanguageCode);
    const std::string converted = Utf8ToCodePage(utf8, codePage);
    return converted.find('?') == std::string::npos ? converted : fallback;
}

std::string hp(int item) {
    return HeatCaption(item);
}
std::string cap(int item) {
    return Caption(item);
}

}  // namespace

std::string SquareMetres() {
    return InCodePage("m\u00B2", "m2");
}
std::string CubicMetres() {
    return InCodePage("m\u00B3", "m3");
}

FuelUnits FuelUnitsOf(HeatingKind kind) {
    switch (kind) {
        case HeatingKind::LiquidFuel:
            return {"/l", "l/a"};
        case HeatingKind::GasFuel:
            return {"/" + CubicMetres(), CubicMetres() + "/a"};
        case HeatingKind::SolidFuel:
            return {"/kg", "kg/a"};
        case HeatingKind::Electricity:
            return {"/kWh", "kWh/a"};
        case HeatingKind::None:
            break;
    }
    return {};
}

std::string ProjectWindowTitle() {
    const std::string& p = Settings.ProductName;
    const std::string a = cap(81), b = cap(66), c = cap(222);
    const std::string code = UpperAscii(Settings.LanguageCode);
    if (code == "FRA") return p + " : " + a + " de " + b + " - Simulacion " + c + " CO2";
    if (code == "ESP" || code == "POR") return p + " : " + a + " del " + b + " - Simulacion " + c + " CO2";
    if (code == "ITA") return p + " : " + a + " di " + b + " - Simulatione " + c + " CO2";
    return p + " : " + a + " " + b + " - Simulation " + c + " CO2";
}

std::vector<ControlCaption> ProjectWindowCaptions() {
    const std::string& sep = Settings.LabelSeparator;
    const std::string& currency = Settings.CurrencyCode;
    const std::string degrees(TemperatureUnitLabel);
    return {
        {"Panel3D2", hp(33)},
        {"Label14", hp(11) + sep},
        {"Label30", SquareMetres()},
        {"Label19", hp(26) + sep},
        {"Label15", hp(12) + sep},
        {"Label9", hp(13) + " :"},
        {"Label23", hp(25) + sep},
        {"Label1", hp(31) + " " + hp(33) + sep},
        {"Panel3D5", hp(32)},
        {"Label34", hp(41) + sep},
        {"Label35", hp(42) + sep},
        {"Label2", hp(29) + sep},
        {"Label41", hp(34) + sep},
        {"Label45", hp(35) + sep},
        {"Label20", hp(28) + sep},
        {"Label17", hp(23) + sep},
        {"Pn45_L", cap(14)},
        {"Label22", cap(84) + sep},
        {"Label32", cap(84) + sep},
        {"Label7", hp(54) + " " + hp(28) + sep},
        {"EinbindCheck", hp(30)},
        {"Label11", cap(222) + " CO2" + sep},
        {"Label3", currency + "/a"},
        {"Label43", currency + "/a"},
        {"Label25", currency + "/kWh"},
        {"Label12", degrees},
        {"Label13", degrees},
        {"Label28", degrees},
        {"Label16", hp(22) + sep},
        {"Label18", hp(24) + sep},
        {"Label33", cap(12) + sep},
        {"Pn44_L", cap(13)},
        {"MittTo", hp(51) + " " + cap(171) + " " + cap(40)},
        {"tslPN", cap(171) + " " + cap(68) + sep},
        {"Rechbutt_l", cap(81)},
        {"Printbutt_L", cap(76)},
        {"Command3D3_l", cap(21)},
        {"Command3D2_l", cap(35)},
        {"Abbbutt_l", cap(35)},
        {"Command3D4_L", hp(34)},
        {"Panel3D6", hp(34)},
        {"Label50", hp(21) + sep},
        {"Label51", hp(22) + sep},
        {"Label52", hp(55) + sep},
        {"Label53", hp(56) + sep},
        {"Label60", currency + FuelUnitsOf(HeatingKind::LiquidFuel).perUnit},
        {"Label61", currency + FuelUnitsOf(HeatingKind::GasFuel).perUnit},
        {"Label62", currency + FuelUnitsOf(HeatingKind::SolidFuel).perUnit},
        {"Label63", currency + FuelUnitsOf(HeatingKind::Electricity).perUnit},
    };
}

}  // namespace tervalo

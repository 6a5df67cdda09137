#include "project/window_texts.h"

#include "config/run_settings.h"
#include "engine/number_text.h"
#include "engine/text_util.h"
#include "localisation/code_page.h"
#include "localisation/language_tables.h"
#include "localisation/title_texts.h"

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
    const std::string a = cap(kCaptionCalculation), b = cap(kCaptionHeatPump), c = cap(kCaptionEmission);
    const std::string code = UpperAscii(Settings.LanguageCode);
    if (code == "FRA") return p + " : " + a + " de " + b + " - Simulacion " + c + " CO2";
    if (code == "ESP" || code == "POR") return p + " : " + a + " del " + b + " - Simulacion " + c + " CO2";
    if (code == "ITA") return p + " : " + a + " di " + b + " - Simulatione " + c + " CO2";
    return p + " : " + a + " " + b + " - " + TitleText(titles_texts::kSimulation, Settings.LanguageCode) +
           " " + c + " CO2";
}

std::vector<ControlCaption> ProjectWindowCaptions() {
    const std::string& sep = Settings.LabelSeparator;
    const std::string& currency = Settings.CurrencyCode;
    const std::string degrees(TemperatureUnitLabel);
    return {
        {"Panel3D2", hp(kHeatBuilding)},
        {"Label14", hp(kHeatLivingArea) + sep},
        {"Label30", SquareMetres()},
        {"Label19", hp(kHeatBuildingType) + sep},
        {"Label15", hp(kHeatClimateZone) + sep},
        {"Label9", hp(kHeatSiteExposure) + " :"},
        {"Label23", hp(kHeatSpecificHeatDemand) + sep},
        {"Label1", hp(kHeatAnnualHeatDemand) + " " + hp(kHeatBuilding) + sep},
        {"Panel3D5", hp(kHeatHeatingSystem)},
        {"Label34", hp(kHeatFuelType) + sep},
        {"Label35", hp(kHeatBoilerType) + sep},
        {"Label2", hp(kHeatStandbyLosses) + sep},
        {"Label41", hp(kHeatFuelPrice) + sep},
        {"Label45", hp(kHeatAnnualFuel) + sep},
        {"Label20", hp(kHeatHeatPump) + sep},
        {"Label17", hp(kHeatHeatSource) + sep},
        {"Pn45_L", cap(kCaptionHeatDistribution)},
        {"Label22", cap(kCaptionEnergyCosts) + sep},
        {"Label32", cap(kCaptionEnergyCosts) + sep},
        {"Label7", hp(kHeatElectricityDemand) + " " + hp(kHeatHeatPump) + sep},
        {"EinbindCheck", hp(kHeatIntegrated)},
        {"Label11", cap(kCaptionEmission) + " CO2" + sep},
        {"Label3", currency + "/a"},
        {"Label43", currency + "/a"},
        {"Label25", currency + "/kWh"},
        {"Label12", degrees},
        {"Label13", degrees},
        {"Label28", degrees},
        {"Label16", hp(kHeatNaturalGas) + sep},
        {"Label18", hp(kHeatRefrigeratingCop) + sep},
        {"Label33", cap(kCaptionCondensingTemperature) + sep},
        {"Pn44_L", cap(kCaptionDesignPoint)},
        {"MittTo", hp(kHeatEvaporating) + " " + cap(kCaptionTemperature) + " " + cap(kCaptionMean)},
        {"tslPN", cap(kCaptionTemperature) + " " + cap(kCaptionAtCompressorInlet) + sep},
        {"Rechbutt_l", cap(kCaptionCalculation)},
        {"Printbutt_L", cap(kCaptionPrint)},
        {"Command3D3_l", cap(kCaptionHelp)},
        {"Command3D2_l", cap(kCaptionCancel)},
        {"Abbbutt_l", cap(kCaptionCancel)},
        {"Command3D4_L", hp(kHeatFuelPrice)},
        {"Panel3D6", hp(kHeatFuelPrice)},
        {"Label50", hp(kHeatHeatingOil) + sep},
        {"Label51", hp(kHeatNaturalGas) + sep},
        {"Label52", hp(kHeatWoodPellets) + sep},
        {"Label53", hp(kHeatElectricity) + sep},
        {"Label60", currency + FuelUnitsOf(HeatingKind::LiquidFuel).perUnit},
        {"Label61", currency + FuelUnitsOf(HeatingKind::GasFuel).perUnit},
        {"Label62", currency + FuelUnitsOf(HeatingKind::SolidFuel).perUnit},
        {"Label63", currency + FuelUnitsOf(HeatingKind::Electricity).perUnit},
    };
}

}  // namespace tervalo

#include "report/results_writer.h"

#include <initializer_list>
#include <string_view>

#include "config/run_settings.h"
#include "localisation/language_tables.h"
#include "project/input_edits.h"
#include "project/window_texts.h"
#include "report/report_title.h"
#include "report/results_file.h"

namespace tervalo {

namespace {

// Builds the records in the order they are written.
class RecordSequence {
  public:
    void Blank() { records_.push_back(Settings.LineBreak); }

    void Heading(std::string_view text, std::string_view ending) {
        records_.push_back(Concat({kRecordIndent, kHeadingMarker, text, ending}));
    }

    void Field(std::string_view label, std::initializer_list<std::string_view> value) {
        std::string record = Concat({kRecordIndent, label, kFieldMarker});
        for (std::string_view part : value) record += part;
        records_.push_back(std::move(record));
    }

    void Plain(std::string_view text) { records_.push_back(Concat({kRecordIndent, text})); }

    void Rule() { records_.push_back(Concat({kRecordIndent, std::string(155, '-'), Settings.LineBreak})); }

    std::vector<std::string> Take() { return std::move(records_); }

  private:
    static std::string Concat(std::initializer_list<std::string_view> parts) {
        std::string text;
        for (std::string_view part : parts) text += part;
        return text;
    }

    std::vector<std::string> records_;
};

std::string Labelled(std::string_view caption) {
    return std::string(caption) + Settings.LabelSeparator;
}

// A result as the report prints it: left out when the last calculation did not write it, so that no figure
// on paper stands beside inputs it does not follow from. A record no run has marked prints as it stands.
std::string_view Reported(const ProjectRecord& p, ResultField field) {
    const StaleReason reason = ResultMark(p, field);
    if (reason == StaleReason::Current || reason == StaleReason::NoCalculation) return p.*ResultText(field);
    return {};
}

}  // namespace

std::vector<std::string> BuildResultsRecords(const ProjectRecord& p) {
    const std::string& sep = Settings.LabelSeparator;
    const std::string& currency = Settings.CurrencyCode;
    const std::string squareMetres = SquareMetres();
    const std::string& heatPump = HeatCaption(kHeatHeatPump);
    RecordSequence r;

    r.Blank();
    r.Heading(BuildReportTitle(), Settings.LineBreak);
    r.Blank();

    r.Heading(HeatCaption(kHeatBuilding), sep);
    r.Blank();
    r.Field(Labelled(HeatCaption(kHeatLivingArea)), {p.WohnFL, " ", squareMetres});
    r.Blank();
    r.Field(Labelled(HeatCaption(kHeatBuildingType)), {p.HausTyp});
    r.Blank();
    r.Field(Labelled(HeatCaption(kHeatClimateZone)), {p.Klimazone});
    r.Blank();
    // The specific demand's value is not reported, only its unit.
    r.Field(Labelled(HeatCaption(kHeatSpecificHeatDemand)), {" kWh/", squareMetres, " a"});
    r.Blank();
    // The only label written without the separator.
    r.Field(HeatCaption(kHeatAnnualHeatDemand) + " " + HeatCaption(kHeatBuilding),
            {Reported(p, ResultField::GesHBDGeB), " kWh/a"});
    r.Blank();
    r.Field(Labelled(HeatCaption(kHeatSiteExposure)), {p.AmbientT});
    r.Blank();
    r.Rule();
    r.Rule();
    r.Blank();

    r.Heading(HeatCaption(kHeatHeatingSystem), sep);
    r.Blank();
    r.Field(Labelled(HeatCaption(kHeatFuelType)), {p.HeizArt});
    r.Blank();
    r.Field(Labelled(HeatCaption(kHeatBoilerType)), {p.KesselWirk, " - ", p.WirkGKessel, " %"});
    r.Blank();
    r.Field(Labelled(HeatCaption(kHeatStandbyLosses)), {p.Bereitstell, " - ", p.BereitStV, " %"});
    r.Blank();
    r.Field(Labelled(HeatCaption(kHeatFuelPrice)), {p.BrennK, " ", p.BrennStKeinh});
    r.Blank();
    r.Field(Labelled(HeatCaption(kHeatAnnualFuel)),
            {Reported(p, ResultField::BrennStV), " ", p.BrennstVUnit});
    r.Field(Labelled(p.Label39), {Reported(p, ResultField::GesHBDHeiz), " kWh/a"});
    r.Blank();
    r.Rule();
    r.Rule();
    r.Blank();

    r.Heading(heatPump, sep);
    r.Blank();
    r.Field(Labelled(HeatCaption(kHeatHeatSource)), {p.AnwendBereich});
    r.Blank();
    r.Field(Labelled(Caption(kCaptionHeatDistribution)), {p.VFlsize});
    r.Blank();
    r.Field(Labelled(Caption(kCaptionEnergyCosts)), {p.EnergKost, " ", currency, "/kWh"});
    r.Blank();
    r.Field(Labelled(HeatCaption(kHeatElectricityDemand) + " " + heatPump),
            {Reported(p, ResultField::GesEnergWP), " kWh/a"});
    if (p.EinbindCheck) {
        r.Plain(HeatCaption(kHeatIntegrated));
        r.Blank();
    }
    r.Rule();
    r.Rule();
    r.Blank();

    r.Plain(Labelled(Caption(kCaptionEnergyCosts)));
    r.Blank();
    r.Rule();
    r.Blank();
    r.Field(Labelled(Caption(kCaptionEnergyCosts) + " " + p.HeizArt),
            {Reported(p, ResultField::Label27), " ", currency, "/a"});
    r.Blank();
    r.Field(Labelled(Caption(kCaptionEmission) + " CO2 " + p.HeizArt),
            {Reported(p, ResultField::Label38), " t/a"});
    r.Blank();
    r.Rule();
    r.Blank();
    r.Field(Labelled(Caption(kCaptionEnergyCosts) + " " + heatPump),
            {Reported(p, ResultField::BetrKo), " ", currency, "/a"});
    r.Blank();
    r.Field(Labelled(Caption(kCaptionEmission) + " CO2 " + heatPump),
            {Reported(p, ResultField::co2consum), " t/a"});
    r.Blank();
    r.Rule();
    r.Rule();

    for (int info :
         {kInfoMethod, kInfoHeatDemand, kInfoFactors, kInfoPrices, kInfoSpecialist, kInfoDesignPoint}) {
        r.Plain(InfoText(info));
        r.Blank();
    }
    if (!InfoText(kInfoRounding).empty()) {
        r.Plain(InfoText(kInfoRounding));
        r.Blank();
    }
    r.Rule();
    // The owner lines are the captions of the main window's Label3, Label6 and Label7.
    r.Plain(Settings.OwnerLines[0] + " " + Settings.OwnerLines[1]);
    r.Blank();
    r.Plain(Settings.OwnerLines[2] + " - " + Settings.WebAddress);
    r.Blank();
    return r.Take();
}

bool WriteResultsFile(const ProjectRecord& project) {
    return WriteResultsRecords(BuildResultsRecords(project));
}

}  // namespace tervalo

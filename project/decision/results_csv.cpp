#include "project/decision/results_csv.h"

#include <algorithm>

#include "engine/text_util.h"
#include "localisation/code_page.h"
#include "localisation/language_tables.h"
#include "project/decision/csv_table.h"
#include "project/decision/decision_rows.h"
#include "project/decision/field_values.h"
#include "project/input_edits.h"
#include "project/project_fields.h"

namespace tervalo::decision {

namespace {

std::string Machine(const std::optional<double>& value) {
    return value ? MachineNumber(*value) : std::string();
}

struct NamedFigure {
    const char* name;
    const Figure* figure;
};

std::vector<NamedFigure> Figures(const DecisionRun& run) {
    const BreakEven& b = run.breakEven;
    return {{"break_even.electricity_price", &b.electricityPrice},
            {"break_even.fuel_price", &b.fuelPrice},
            {"break_even.heating_cop_equal_cost", &b.heatingCopEqualCost},
            {"break_even.heating_cop_equal_co2", &b.heatingCopEqualCo2},
            {"break_even.grid_co2_factor", &b.gridCo2Factor},
            {"saving.money", &run.saving.money},
            {"saving.co2", &run.saving.co2}};
}

// The fields a person reads, in the report's order, each under the caption the report gives it.
struct PeopleColumn {
    std::string_view field;
    std::string caption;  // code page
};

std::vector<PeopleColumn> PeopleColumns(const ProjectRecord& p) {
    const auto hp = [](int item) { return HeatCaption(item); };
    const auto cap = [](int item) { return Caption(item); };
    const std::string heatPump = hp(kHeatHeatPump);
    return {
        {Field("WohnFL").name, hp(kHeatLivingArea)},
        {Field("HausTyp").name, hp(kHeatBuildingType)},
        {Field("Klimazone").name, hp(kHeatClimateZone)},
        {Field("AmbientT").name, hp(kHeatSiteExposure)},
        {Field("SpezHeizLeist").name, hp(kHeatSpecificHeatDemand)},
        {Field("GesHBDGeB").name, hp(kHeatAnnualHeatDemand) + " " + hp(kHeatBuilding)},
        {Field("HeizArt").name, hp(kHeatFuelType)},
        {Field("KesselWirk").name, hp(kHeatBoilerType)},
        {Field("WirkGKessel").name, hp(kHeatBoilerType)},
        {Field("Bereitstell").name, hp(kHeatStandbyLosses)},
        {Field("BereitStV").name, hp(kHeatStandbyLosses)},
        {Field("BrennK").name, hp(kHeatFuelPrice)},
        {Field("BrennStV").name, hp(kHeatAnnualFuel)},
        {Field("GesHBDHeiz").name, hp(kHeatAnnualEnergy) + " " + p.HeizArt},
        {Field("AnwendBereich").name, hp(kHeatHeatSource)},
        {Field("VFlsize").name, cap(kCaptionHeatDistribution)},
        {Field("t0").name, hp(kHeatEvaporating) + " " + cap(kCaptionTemperature)},
        {Field("Tc").name, cap(kCaptionCondensingTemperature)},
        {Field("EnergKost").name, cap(kCaptionEnergyCosts)},
        {Field("EinbindCheck").name, hp(kHeatIntegrated)},
        {Field("LeistZahlH").name, hp(kHeatHeatingCop)},
        {Field("GesEnergWP").name, hp(kHeatElectricityDemand) + " " + heatPump},
        {Field("Label27").name, cap(kCaptionEnergyCosts) + " " + p.HeizArt},
        {Field("Label38").name, cap(kCaptionEmission) + " CO2 " + p.HeizArt},
        {Field("BetrKo").name, cap(kCaptionEnergyCosts) + " " + heatPump},
        {Field("co2consum").name, cap(kCaptionEmission) + " CO2 " + heatPump},
    };
}

// A number as a person's spreadsheet reads it: the machine form with the locale's decimal separator.
std::string LocaleNumber(double value, char decimalSeparator) {
    std::string text = MachineNumber(value);
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

std::string Headed(const std::string& caption, const std::string& unit) {
    return unit.empty() ? caption : caption + " (" + unit + ")";
}

// Whether the record shows this field as a result of the last calculation; a stale result is left out.
bool Reported(const ProjectRecord& record, std::string_view field) {
    const std::optional<ResultField> result = FindProjectField(field)->result;
    if (!result) return true;
    const StaleReason reason = ResultMark(record, *result);
    return reason == StaleReason::Current || reason == StaleReason::NoCalculation;
}

}  // namespace

std::vector<std::string> ResultsCsvHeader(const ProjectRecord& record, int codePage,
                                          std::string_view currency) {
    std::vector<std::string> cells{"row"};
    for (const FieldValue& field : ProjectFieldValues(record, codePage, currency)) {
        cells.emplace_back(field.name);
        cells.push_back(std::string(field.name) + ".value");
    }
    for (const NamedFigure& figure : Figures(DecisionRun{})) {
        cells.emplace_back(figure.name);
        cells.push_back(std::string(figure.name) + ".value");
    }
    return cells;
}

std::vector<std::string> ResultsCsvRow(int row, const ProjectRecord& record, const DecisionRun& run,
                                       int codePage, std::string_view currency) {
    std::vector<std::string> cells{std::to_string(row)};
    for (const FieldValue& field : ProjectFieldValues(record, codePage, currency)) {
        cells.push_back(field.text);
        cells.push_back(field.isList ? (field.entry ? std::to_string(*field.entry) : std::string())
                                     : Machine(field.value));
    }
    for (const NamedFigure& figure : Figures(run)) {
        const Figure& shown = *figure.figure;
        cells.push_back(shown ? shown->text : std::string());
        cells.push_back(shown ? MachineNumber(shown->value) : std::string());
    }
    return cells;
}

std::string ResultsCsv(const ProjectRecord& record, const DecisionRun& run, int codePage,
                       std::string_view currency) {
    return CsvLine(ResultsCsvHeader(record, codePage, currency)) +
           CsvLine(ResultsCsvRow(1, record, run, codePage, currency));
}

std::string ResultsCsvForPeople(const ProjectRecord& record, const DecisionRun& run, int codePage,
                                std::string_view currency, char decimalSeparator, const FeatureTexts& texts) {
    const std::vector<FieldValue> values = ProjectFieldValues(record, codePage, currency);
    std::vector<std::string> header, row;
    for (const PeopleColumn& column : PeopleColumns(record)) {
        const auto value = std::find_if(values.begin(), values.end(),
                                        [&](const FieldValue& v) { return v.name == column.field; });
        if (value == values.end()) continue;
        header.push_back(Headed(TrimBlanks(CodePageToUtf8(column.caption, codePage)), value->unit));
        if (!Reported(record, column.field))
            row.emplace_back();
        else if (value->isList || !value->value)
            row.push_back(value->text);
        else
            row.push_back(LocaleNumber(*value->value, decimalSeparator));
    }
    for (const DecisionRow& figure : DecisionRows(run, record, texts, std::string(currency))) {
        header.push_back(
            Headed(CodePageToUtf8(figure.label, codePage), CodePageToUtf8(figure.unit, codePage)));
        row.push_back(figure.figure ? LocaleNumber(figure.figure->value, decimalSeparator) : std::string());
    }
    const char separator = decimalSeparator == ',' ? ';' : ',';
    return "\xEF\xBB\xBF" + CsvLine(header, separator) + CsvLine(row, separator);
}

}  // namespace tervalo::decision

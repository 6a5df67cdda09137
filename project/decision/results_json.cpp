#include "project/decision/results_json.h"

#include <nlohmann/json.hpp>

#include "localisation/code_page.h"
#include "project/decision/field_values.h"
#include "project/input_edits.h"
#include "project/project_fields.h"
#include "project/result_reason_text.h"

namespace tervalo::decision {

namespace {

using Json = nlohmann::ordered_json;

constexpr int kFormatVersion = 1;

template <typename Number>
Json OptionalNumber(const std::optional<Number>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json Shown(std::string text, const std::optional<double>& value, const std::string& unit) {
    Json shown = {{"text", std::move(text)}, {"value", OptionalNumber(value)}};
    if (!unit.empty()) shown["unit"] = unit;
    return shown;
}

Json FigureJson(const Figure& figure, const std::string& unit) {
    if (!figure) return nullptr;
    return Shown(figure->text, figure->value, unit);
}

Json FieldJson(const FieldValue& field) {
    if (field.isList) return {{"entry", OptionalNumber(field.entry)}, {"text", field.text}};
    if (field.isCheckBox) return {{"text", field.text}, {"value", field.value == 1.0}};
    return Shown(field.text, field.value, field.unit);
}

struct Units {
    std::string electricityPrice, fuelPrice, perYear;
};

Json BreakEvenNumbers(const BreakEven& figures) {
    const auto number = [](const Figure& figure) { return figure ? Json(figure->value) : Json(nullptr); };
    return {{"electricity_price", number(figures.electricityPrice)},
            {"fuel_price", number(figures.fuelPrice)},
            {"heating_cop_equal_cost", number(figures.heatingCopEqualCost)},
            {"heating_cop_equal_co2", number(figures.heatingCopEqualCo2)},
            {"grid_co2_factor", number(figures.gridCo2Factor)}};
}

Json BreakEvenShown(const BreakEven& figures, const Units& units) {
    return {{"electricity_price", FigureJson(figures.electricityPrice, units.electricityPrice)},
            {"fuel_price", FigureJson(figures.fuelPrice, units.fuelPrice)},
            {"heating_cop_equal_cost", FigureJson(figures.heatingCopEqualCost, {})},
            {"heating_cop_equal_co2", FigureJson(figures.heatingCopEqualCo2, {})},
            {"grid_co2_factor", FigureJson(figures.gridCo2Factor, "kg/kWh")}};
}

Json SavingJson(const AnnualSaving& saving, const Units& units) {
    return {{"money", FigureJson(saving.money, units.perYear)}, {"co2", FigureJson(saving.co2, "t/a")}};
}

// A fixed unit of the field table.
std::string UnitText(const ProjectFieldInfo& field) {
    return FixedUnitText(field.unit, {});
}

Json WhatIfJson(const std::vector<WhatIfCell>& cells, const Units& units, int codePage) {
    const auto utf8 = [codePage](const std::string& text) { return CodePageToUtf8(text, codePage); };
    Json list = Json::array();
    for (const WhatIfCell& cell : cells) {
        std::optional<double> cop;
        if (cell.heatingCop) cop = cell.heatingCop->value;
        list.push_back({
            {"heat_source", {{"entry", cell.heatSource}, {"text", utf8(cell.heatSourceText)}}},
            {"distribution", {{"entry", cell.distribution}, {"text", utf8(cell.distributionText)}}},
            {"t0", Shown(utf8(cell.t0), ShownNumber(cell.t0), UnitText(Field("t0")))},
            {"Tc", Shown(utf8(cell.Tc), ShownNumber(cell.Tc), UnitText(Field("Tc")))},
            {"LeistZahlH", Shown(utf8(cell.LeistZahlH), cop, {})},
            {"GesEnergWP",
             Shown(utf8(cell.GesEnergWP), ShownNumber(cell.GesEnergWP), UnitText(Field("GesEnergWP")))},
            {"BetrKo", Shown(utf8(cell.BetrKo), ShownNumber(cell.BetrKo), units.perYear)},
            {"co2consum",
             Shown(utf8(cell.co2consum), ShownNumber(cell.co2consum), UnitText(Field("co2consum")))},
            {"saving", SavingJson(cell.saving, units)},
        });
    }
    return list;
}

const char* SensitivityName(SensitivityInput input) {
    switch (input) {
        case SensitivityInput::ElectricityPrice:
            return "electricity_price";
        case SensitivityInput::FuelPrice:
            return "fuel_price";
        case SensitivityInput::HeatingCop:
            return "heating_cop";
        case SensitivityInput::HeatDemand:
            return "heat_demand";
    }
    return "";
}

Json SensitivityJson(const Sensitivity& sensitivity, const Units& units) {
    Json json = {{"steps_percent", kSensitivitySteps}, {"base", SavingJson(sensitivity.base, units)}};
    for (const SensitivityRow& row : sensitivity.rows) {
        Json savings = Json::array();
        for (const AnnualSaving& saving : row.savings) savings.push_back(SavingJson(saving, units));
        json[SensitivityName(row.input)] = std::move(savings);
    }
    return json;
}

// Each result of the last run's marks gets "current" (whether that run wrote it) and, when it did not,
// "reason".
void MarkCurrency(const ProjectRecord& record, const JsonSettings& settings, Json& derived, Json& results) {
    for (int i = 0; i < kResultFieldCount; ++i) {
        const auto field = static_cast<ResultField>(i);
        {
            const std::string name(FieldOf(field).name);
            Json* entry = results.contains(name)   ? &results[name]
                          : derived.contains(name) ? &derived[name]
                                                   : nullptr;
            if (!entry || !entry->is_object()) continue;
            const StaleReason reason = ResultMark(record, field);
            (*entry)["current"] = reason == StaleReason::Current;
            if (reason == StaleReason::Current) continue;
            std::string why =
                settings.reasonTexts ? StaleReasonText(record, reason, *settings.reasonTexts) : "";
            (*entry)["reason"] = why.empty() ? std::string("not computed by the last calculation")
                                             : CodePageToUtf8(why, settings.codePage);
        }
    }
}

}  // namespace

DecisionFigures FiguresOf(const DecisionRun& run, bool withWhatIf) {
    return {run.breakEven, run.saving, withWhatIf ? &run.whatIf : nullptr,
            run.sensitivity ? &*run.sensitivity : nullptr};
}

std::string ResultsJson(const ProjectRecord& record, const DecisionFigures& figures,
                        const JsonSettings& settings) {
    return ResultsDocument(record, figures, settings).dump(2, ' ', false, Json::error_handler_t::replace) +
           "\n";
}

Json ResultsDocument(const ProjectRecord& record, const DecisionFigures& figures,
                     const JsonSettings& settings) {
    const Units units{settings.currency + "/kWh", CodePageToUtf8(record.BrennStKeinh, settings.codePage),
                      settings.currency + "/a"};
    Json document;
    document["format"] = "tervalo-calc";
    document["version"] = kFormatVersion;
    document["language"] = settings.languageCode;
    document["currency"] = settings.currency;
    document["decimal_separator"] = std::string(1, record.DecimalSeparator);

    Json inputs = Json::object(), derived = Json::object(), results = Json::object();
    for (const FieldValue& field : ProjectFieldValues(record, settings.codePage, settings.currency)) {
        Json& section = field.section == FieldSection::Input     ? inputs
                        : field.section == FieldSection::Derived ? derived
                                                                 : results;
        section[std::string(field.name)] = FieldJson(field);
    }
    MarkCurrency(record, settings, derived, results);
    document["inputs"] = std::move(inputs);
    document["derived"] = std::move(derived);
    document["results"] = std::move(results);
    document["break_even"] = BreakEvenNumbers(figures.breakEven);
    document["break_even_shown"] = BreakEvenShown(figures.breakEven, units);
    document["saving"] = SavingJson(figures.saving, units);
    if (figures.whatIf) document["what_if"] = WhatIfJson(*figures.whatIf, units, settings.codePage);
    if (figures.sensitivity) document["sensitivity"] = SensitivityJson(*figures.sensitivity, units);
    return document;
}

}  // namespace tervalo::decision

#include "project/result_reason_text.h"

#include <cmath>
#include <cstdio>

#include "engine/number_text.h"
#include "localisation/language_tables.h"
#include "localisation/result_marks_texts.h"
#include "project/energy_factors.h"

namespace tervalo {

namespace {

namespace item = result_marks_texts;

// Replaces %1, %2, %3 in `text` by the arguments.
std::string Filled(std::string text, std::initializer_list<std::string> arguments) {
    int n = 1;
    for (const std::string& argument : arguments) {
        const std::string mark = "%" + std::to_string(n++);
        if (const auto at = text.find(mark); at != std::string::npos) text.replace(at, mark.size(), argument);
    }
    return text;
}

// A temperature in °C to one decimal, the decimal dropped when it is 0, with its unit. `round` takes the
// tenths: a range's ends are rounded inwards, so that every temperature shown inside it can be calculated.
std::string Temperature(double celsius, char separator, double (*round)(double) = std::round) {
    char number[64];
    // Tenths a hair off a whole number (−68.15 × 10) count as that number.
    const double tenths = round(std::round(celsius * 10 * 1e9) / 1e9) / 10;
    std::snprintf(number, sizeof number, tenths == std::trunc(tenths) ? "%.0f" : "%.1f", tenths);
    std::string text = number;
    if (const auto point = text.find('.'); point != std::string::npos) text[point] = separator;
    if (text == "-0") text = "0";
    return text + " " + std::string(TemperatureUnitLabel);
}

}  // namespace

std::string StaleReasonText(const ProjectRecord& record, StaleReason reason, const FeatureTexts& texts) {
    const std::string table(RefrigerantTableFile(record.RefrigerantName).value_or(record.RefrigerantName));
    const char separator = record.DecimalSeparator;
    switch (reason) {
        case StaleReason::Current:
            return {};
        case StaleReason::NoCalculation:
            return texts[item::kNoCalculation];
        case StaleReason::TableMissing:
            return Filled(texts[item::kTableMissing], {table});
        case StaleReason::TableDamaged:
            return Filled(texts[item::kTableDamaged], {table});
        case StaleReason::CycleFailed:
            return texts[item::kCycleFailed];
        case StaleReason::OutsideTable: {
            const auto& outside = record.Results.outside;
            if (!outside) return texts[item::kCycleFailed];
            const int text = outside->of == DesignTemperature::Evaporating ? item::kEvaporatingOutside
                                                                           : item::kCondensingOutside;
            return Filled(texts[text], {Temperature(outside->input, separator),
                                        Temperature(outside->range.low, separator, std::ceil),
                                        Temperature(outside->range.high, separator, std::floor)});
        }
        case StaleReason::EnergyFactorsMissing:
            return Filled(texts[item::kEnergyFactorsMissing], {kEnergyFactorFileName});
        case StaleReason::EnergyFactorsDamaged:
            return Filled(texts[item::kEnergyFactorsDamaged], {kEnergyFactorFileName});
        case StaleReason::DemandNotFormed:
            return texts[item::kDemandNotFormed];
        case StaleReason::NoFuel:
            return texts[item::kNoFuel];
        case StaleReason::ZeroEfficiency:
            return texts[item::kZeroEfficiency];
        case StaleReason::InputsEdited:
            return Filled(texts[item::kInputsEdited], {Caption(kCaptionCalculation)});
        case StaleReason::BalanceStopped:
            break;
    }
    return texts[item::kBalanceStopped];
}

std::optional<ResultField> FirstStaleResult(const ProjectRecord& record) {
    for (int i = 0; i < kResultFieldCount; ++i) {
        const auto field = static_cast<ResultField>(i);
        const StaleReason reason = record.Results[field];
        if (reason != StaleReason::Current && reason != StaleReason::NoCalculation) return field;
    }
    return std::nullopt;
}

std::string StaleResultsLine(const ProjectRecord& record, const FeatureTexts& texts) {
    // Typed inputs come first: what the user does next (Enter) answers them, and the run may clear the rest.
    for (int i = 0; i < kResultFieldCount; ++i)
        if (record.Results.reason[static_cast<std::size_t>(i)] == StaleReason::InputsEdited)
            return Filled(texts[item::kGreyedResults],
                          {StaleReasonText(record, StaleReason::InputsEdited, texts)});
    const auto field = FirstStaleResult(record);
    if (!field) return {};
    return Filled(texts[item::kGreyedResults], {StaleReasonText(record, record.Results[*field], texts)});
}

FeatureTexts LoadResultMarkTexts(std::string_view languageCode) {
    return LoadFeatureTexts(item::kFile, languageCode);
}

}  // namespace tervalo

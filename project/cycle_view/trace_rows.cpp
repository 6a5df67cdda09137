#include "project/cycle_view/trace_rows.h"

#include "localisation/code_page.h"
#include "localisation/cycle_texts.h"
#include "localisation/shown_numbers.h"

namespace tervalo {

namespace {

// The caption item that names each quantity, in the order of TraceQuantity.
constexpr int kNameItems[kTraceQuantityCount] = {
    cycle_texts::kEvaporatingTemperature,
    cycle_texts::kCondensingTemperature,
    cycle_texts::kSuctionGasTemperature,
    cycle_texts::kEvaporatingPressure,
    cycle_texts::kCondensingPressure,
    cycle_texts::kVapourEnthalpyEvaporator,
    cycle_texts::kLiquidEnthalpyCondenser,
    cycle_texts::kVapourEnthalpyCondenser,
    cycle_texts::kDischargeTemperature,
    cycle_texts::kMassFlow,
    cycle_texts::kDischargeEnthalpy,
    cycle_texts::kSuctionEnthalpy,
    cycle_texts::kEnthalpyPower,
    cycle_texts::kSizeFactor,
    cycle_texts::kCompressorPower,
    cycle_texts::kRefrigerationCop,
    cycle_texts::kHeatingCop,
    cycle_texts::kCostSectionCop,
    cycle_texts::kProvisionalRunningCost,
    cycle_texts::kBuildingDemand,
    cycle_texts::kEfficiency,
    cycle_texts::kStandbyLosses,
    cycle_texts::kFuelEnergy,
    cycle_texts::kCalorificValue,
    cycle_texts::kFuelCo2Factor,
    cycle_texts::kFuelQuantity,
    cycle_texts::kFuelCost,
    cycle_texts::kFuelCo2,
    cycle_texts::kHeatingCop,
    cycle_texts::kElectricity,
    cycle_texts::kRunningCost,
    cycle_texts::kElectricityCo2,
};

int SkipItem(TraceSkip skip) {
    switch (skip) {
        case TraceSkip::NotEvaluable:
            return cycle_texts::kSkipNotEvaluable;
        case TraceSkip::NoCycle:
            return cycle_texts::kSkipNoCycle;
        case TraceSkip::NoCop:
            return cycle_texts::kSkipNoCop;
        case TraceSkip::NotReached:
        case TraceSkip::None:
            break;
    }
    return cycle_texts::kSkipNotReached;
}

std::string Utf8(const FeatureTexts& texts, int item) {
    return CodePageToUtf8(texts[item], texts.codePage());
}

}  // namespace

std::string TraceUnit(TraceQuantity quantity) {
    using Q = TraceQuantity;
    switch (quantity) {
        case Q::EvaporatingTemperature:
        case Q::CondensingTemperature:
            return "K";
        case Q::SuctionGasTemperature:
        case Q::DischargeTemperature:
            return "°C";
        case Q::EvaporatingPressure:
        case Q::CondensingPressure:
            return "bar";
        case Q::VapourEnthalpyEvaporator:
        case Q::LiquidEnthalpyCondenser:
        case Q::VapourEnthalpyCondenser:
        case Q::DischargeEnthalpy:
        case Q::SuctionEnthalpy:
            return "kJ/kg";
        case Q::MassFlow:
            return "kg/s";
        case Q::EnthalpyPower:
        case Q::CompressorPower:
            return "kW";
        case Q::Efficiency:
        case Q::StandbyLosses:
            return "%";
        case Q::BuildingDemand:
        case Q::FuelEnergy:
        case Q::Electricity:
            return "kWh/a";
        case Q::FuelCo2:
        case Q::ElectricityCo2:
            return "t/a";
        default:
            return "";
    }
}

std::vector<TraceRow> TraceRows(const CalculationTrace& trace, const FeatureTexts& texts, char separator) {
    std::vector<TraceRow> rows;
    for (const TraceStep& step : trace.steps) {
        TraceRow row;
        row.name = Utf8(texts, kNameItems[static_cast<int>(step.quantity)]);
        row.formula = step.formula;
        row.skipped = !step.value;
        if (step.value) {
            row.result = TraceNumber(*step.value);
            // A constant's numbers are its value.
            if (step.numbers != row.result) row.numbers = step.numbers;
            if (const std::string unit = TraceUnit(step.quantity); !unit.empty()) row.result += " " + unit;
        } else {
            row.result = Utf8(texts, SkipItem(step.skip));
        }
        if (step.value && !step.shown.empty()) {
            const std::string shown = CodePageToUtf8(step.shown, texts.codePage());
            row.shown = shown.substr(std::min(shown.find_first_not_of(' '), shown.size()));
        }
        if (separator != '.') {
            row.formula = ShownFormulaNumbers(row.formula, separator);
            row.numbers = ShownFormulaNumbers(row.numbers, separator);
            row.result = ShownNumbers(row.result, separator);
            row.shown = ShownNumbers(row.shown, separator);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string TraceText(const std::vector<TraceRow>& rows) {
    std::string text;
    int number = 0;
    for (const TraceRow& row : rows) {
        const std::string index = std::to_string(++number);
        text += std::string(index.size() < 2 ? 1 : 0, ' ') + index + ". " + row.name + "\n    ";
        if (row.skipped) {
            text += (row.formula.empty() ? std::string() : row.formula + ": ") + row.result + "\n";
            continue;
        }
        text += row.formula;
        if (!row.numbers.empty()) text += " = " + row.numbers;
        text += " = " + row.result;
        if (!row.shown.empty()) text += "  →  " + row.shown;
        text += "\n";
    }
    return text;
}

}  // namespace tervalo

#include "project/decision/sensitivity.h"

#include "engine/number_text.h"
#include "project/calculation.h"
#include "project/field_numbers.h"

namespace tervalo::decision {

namespace {

// The field's number scaled, as a typed text.
std::string Scaled(const std::string& text, double factor) {
    return GeneralNumberText(FieldNumber(text) * factor, '.');
}

}  // namespace

Sensitivity EvaluateSensitivity(const ProjectRecord& record, const AnnualBalance& balance) {
    const char separator = record.DecimalSeparator;
    Sensitivity result;
    result.base = EvaluateSaving(balance, separator);
    ProjectRecord copy = record;
    for (std::size_t i = 0; i < kSensitivityInputs.size(); ++i) {
        SensitivityRow& row = result.rows[i];
        row.input = kSensitivityInputs[i];
        for (std::size_t s = 0; s < kSensitivitySteps.size(); ++s) {
            const double factor = 1 + kSensitivitySteps[s] / 100.0;
            copy.EnergKost = record.EnergKost;
            copy.BrennK = record.BrennK;
            copy.SpezHeizLeist = record.SpezHeizLeist;
            std::optional<double> refrigerationCop = balance.refrigerationCop;
            switch (row.input) {
                case SensitivityInput::ElectricityPrice:
                    copy.EnergKost = Scaled(record.EnergKost, factor);
                    break;
                case SensitivityInput::FuelPrice:
                    copy.BrennK = Scaled(record.BrennK, factor);
                    break;
                case SensitivityInput::HeatingCop:
                    if (refrigerationCop) refrigerationCop = (1 + *refrigerationCop) * factor - 1;
                    break;
                case SensitivityInput::HeatDemand:
                    copy.SpezHeizLeist = Scaled(record.SpezHeizLeist, factor);
                    break;
            }
            row.savings[s] = EvaluateSaving(
                AnnualCostComparison(copy, refrigerationCop, balance.compressorPower), separator);
        }
    }
    return result;
}

}  // namespace tervalo::decision

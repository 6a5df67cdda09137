#pragma once

// How the annual saving of the heat pump moves when one input moves: the electricity price, the fuel price,
// the heating COP and the heat demand, each by ±10, ±20 and ±30 % with the others as entered. Each variant
// is the annual balance on a copy of the record with that one input scaled.

#include <array>

#include "project/annual_balance.h"
#include "project/decision/break_even.h"
#include "project/project_record.h"

namespace tervalo::decision {

enum class SensitivityInput { ElectricityPrice, FuelPrice, HeatingCop, HeatDemand };
inline constexpr std::array<SensitivityInput, 4> kSensitivityInputs = {
    SensitivityInput::ElectricityPrice, SensitivityInput::FuelPrice, SensitivityInput::HeatingCop,
    SensitivityInput::HeatDemand};
inline constexpr std::array<int, 6> kSensitivitySteps = {-30, -20, -10, 10, 20, 30};  // %

struct SensitivityRow {
    SensitivityInput input = SensitivityInput::ElectricityPrice;
    std::array<AnnualSaving, kSensitivitySteps.size()> savings;  // in the order of kSensitivitySteps
};

struct Sensitivity {
    AnnualSaving base;  // as entered
    std::array<SensitivityRow, kSensitivityInputs.size()> rows;
};

// `record` holds the inputs of the run that gave `balance` (the heat demand is its SpezHeizLeist); it is not
// changed. Without the run's COP the heat pump has no figures and every saving is missing.
Sensitivity EvaluateSensitivity(const ProjectRecord& record, const AnnualBalance& balance);

}  // namespace tervalo::decision

#include "project/project_record.h"

namespace tervalo {

namespace {
ProjectRecord record;
}

ProjectRecord& Project() {
    return record;
}

void ResetProject() {
    record = ProjectRecord{};
}

void ClearProjectWindow() {
    ProjectRecord fresh;
    fresh.SuctionAllowance = record.SuctionAllowance;
    fresh.CalculationLock = record.CalculationLock;
    fresh.CalculationDone = record.CalculationDone;
    fresh.lockReleasedByActivation = record.lockReleasedByActivation;
    fresh.FuelPriceTable = record.FuelPriceTable;
    fresh.EnergyFactors = record.EnergyFactors;
    fresh.DecimalSeparator = record.DecimalSeparator;
    record = std::move(fresh);
}

}  // namespace tervalo

#include "project/project_record.h"

namespace tervalo {

void ClearProjectWindow(ProjectRecord& record) {
    ProjectRecord fresh;
    fresh.SuctionAllowance = record.SuctionAllowance;
    fresh.CalculationLock = record.CalculationLock;
    fresh.CalculationDone = record.CalculationDone;
    fresh.lockReleasedByActivation = record.lockReleasedByActivation;
    fresh.FuelPriceTable = record.FuelPriceTable;
    fresh.EnergyFactors = record.EnergyFactors;
    fresh.DecimalSeparator = record.DecimalSeparator;
    fresh.RefrigerantName = record.RefrigerantName;
    fresh.ApplicationLimits = record.ApplicationLimits;
    fresh.CycleState = record.CycleState;
    fresh.Results = record.Results;
    record = std::move(fresh);
}

}  // namespace tervalo

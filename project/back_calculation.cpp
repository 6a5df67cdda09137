#include "engine/checked_math.h"
#include "engine/number_text.h"
#include "project/calculation.h"
#include "project/field_numbers.h"
#include "project/heating_kind.h"
#include "project/input_edits.h"
#include "project/round_down.h"

namespace tervalo {

namespace {

// Building demand (kWh/a) of a fuel energy: through the efficiency, without the stand-by losses. Nothing when
// it cannot be formed, and for an efficiency of 0, which would give a demand of 0 for any typed figure.
CheckedValue DemandOfFuelEnergy(double fuelEnergy, EfficiencyAndLosses balance) {
    if (balance.efficiency == 0) return std::nullopt;
    const auto lossFactor = Divide(100, balance.losses + 100);
    if (!lossFactor) return std::nullopt;
    return Finite(fuelEnergy * (balance.efficiency / 100) * *lossFactor);
}

// ⌊scale × demand / area⌋ / scale, nothing for an area of 0.
CheckedValue SpecificDemandOf(double buildingDemand, double area, double scale) {
    const auto perArea = Divide(scale * buildingDemand, area);
    if (!perArea) return std::nullopt;
    return Finite(RoundDown(*perArea) / scale);
}

// Puts the typed text back after a back-calculation; when it ran a calculation, the results shown are those
// of the typed figure.
void PutTypedBack(ProjectRecord& record, std::string ProjectRecord::*field, const std::string& typed,
                  unsigned runsBefore) {
    record.*field = typed;
    if (record.Results.runs != runsBefore) NoteCalculatedInputs(record);
}

// Runs `calculate` under CalculationLock unless the lock is already set, then puts the typed text back.
template <typename Calculation>
void UnderLock(ProjectRecord& record, std::string ProjectRecord::*field, Calculation calculate) {
    const std::string typed = record.*field;
    const unsigned runs = record.Results.runs;
    if (!record.CalculationLock) {
        record.CalculationLock = true;
        calculate(typed);
        record.CalculationLock = false;
    }
    PutTypedBack(record, field, typed, runs);
}

}  // namespace

void BackCalculateFromFuelQuantity(ProjectRecord& record, ActionLoads* loads) {
    UnderLock(record, &ProjectRecord::BrennStV, [&](const std::string& typed) {
        const HeatingKind kind = HeatingKindOf(record.HeizArt);
        const double calorificValue = FuelConstants(kind, kCalorificValue, record.EnergyFactors[4]);
        if (calorificValue == 0) return;
        const auto fuelEnergy = Finite(calorificValue * FieldNumber(typed));
        if (!fuelEnergy) return;
        const auto demand = DemandOfFuelEnergy(*fuelEnergy, BalanceEfficiency(record, kind));
        if (!demand) return;
        const auto specific = SpecificDemandOf(*demand, FieldNumber(record.WohnFL), 10);
        if (!specific) return;
        record.SpezHeizLeist = PointFormat(*specific);
        CalculationRun(record, loads);
    });
}

void BackCalculateFromFuelEnergy(ProjectRecord& record, ActionLoads* loads) {
    UnderLock(record, &ProjectRecord::GesHBDHeiz, [&](const std::string& typed) {
        const HeatingKind kind = HeatingKindOf(record.HeizArt);
        const double calorificValue = FuelConstants(kind, kCalorificValue, record.EnergyFactors[4]);
        const double fuelEnergy = FieldNumber(typed);
        const auto quantity = Divide(fuelEnergy, calorificValue);
        if (!quantity) return;
        const auto quantityShown = Finite(RoundDown(*quantity));
        const auto demand = DemandOfFuelEnergy(fuelEnergy, BalanceEfficiency(record, kind));
        if (!quantityShown || !demand) return;
        const auto specific = SpecificDemandOf(*demand, FieldNumber(record.WohnFL), 100);
        if (!specific) return;
        record.BrennStV = PointFormat(*quantityShown);
        record.SpezHeizLeist = PointFormat(*specific);
        CalculationRun(record, loads);
    });
}

void BackCalculateFromBuildingDemand(ProjectRecord& record, ActionLoads* loads) {
    const std::string typed = record.GesHBDGeB;
    const unsigned runs = record.Results.runs;
    if (const auto specific = SpecificDemandOf(FieldNumber(typed), FieldNumber(record.WohnFL), 100)) {
        record.SpezHeizLeist = PointFormat(*specific);
        CalculationRun(record, loads);
    }
    PutTypedBack(record, &ProjectRecord::GesHBDGeB, typed, runs);
}

void ForwardFromSpecificDemand(ProjectRecord& record, ActionLoads* loads) {
    if (const auto demand = Finite(RoundDown(FieldNumber(record.WohnFL) * FieldNumber(record.SpezHeizLeist))))
        record.GesHBDGeB = PointFormat(*demand);
    CalculationRun(record, loads);
}

}  // namespace tervalo

#include "engine/checked_math.h"
#include "engine/number_text.h"
#include "project/calculation.h"
#include "project/field_numbers.h"
#include "project/heating_kind.h"
#include "project/round_down.h"

namespace tervalo {

namespace {

// A result rounded down in the point form, or nothing when it cannot be formed.
std::optional<std::string> WholePointText(CheckedValue value) {
    if (!value) return std::nullopt;
    const auto rounded = Finite(RoundDown(*value));
    if (!rounded) return std::nullopt;
    return PointFormat(*rounded);
}

}  // namespace

void AnnualCostComparison(ProjectRecord& record, std::optional<double> refrigerationCop,
                          std::optional<double> compressorPower) {
    const char separator = record.DecimalSeparator;
    const auto& f = record.EnergyFactors;

    // 1. COP of the cost section; provisional running cost from the compressor power.
    if (refrigerationCop) {
        const auto shown = Finite(RoundDownTo(*refrigerationCop, 100));
        if (!shown) return;
        record.LeistZ = LocaleFormat(*shown, separator);
    }
    if (compressorPower) {
        const auto provisional = Finite(RoundDown(f[0] * f[1] * f[2] * f[3] * *compressorPower));
        if (!provisional) return;
        record.BetrKo = LocaleFormat(*provisional, separator);
    }

    // 2. Annual heat demand of the building, kWh/a.
    const double area = FieldNumber(record.WohnFL);
    const double specificDemand = FieldNumber(record.SpezHeizLeist);
    const auto buildingDemand = Finite(area * specificDemand);
    if (!buildingDemand) return;
    record.GesHBDGeB = PointFormat(*buildingDemand);

    // 3. Efficiency and stand-by losses, %.
    const HeatingKind kind = HeatingKindOf(record.HeizArt);
    const auto [efficiency, losses] = BalanceEfficiency(record, kind);

    // 4. Fuel energy, kWh/a: the demand through the boiler's efficiency, plus the stand-by losses.
    const auto efficiencyFactor = Divide(100, efficiency);
    if (!efficiencyFactor) return;
    const auto fuelEnergy = Finite(*buildingDemand * *efficiencyFactor * ((losses + 100) / 100));
    if (!fuelEnergy) return;
    const auto fuelEnergyText = WholePointText(fuelEnergy);
    if (!fuelEnergyText) return;
    record.GesHBDHeiz = *fuelEnergyText;

    // 5. The fuel's constants.
    const double calorificValue = FuelConstants(kind, kCalorificValue, f[4]);  // kWh per fuel unit
    const double co2PerUnit = FuelConstants(kind, kCo2Factor, f[4]);           // kg per fuel unit

    // 6. Fuel quantity, units per year.
    const auto quantityText = WholePointText(Divide(*fuelEnergy, calorificValue));
    if (!quantityText) return;
    record.BrennStV = *quantityText;

    // 7. Fuel cost per year.
    const auto costText = WholePointText(Divide(FieldNumber(record.BrennK) * *fuelEnergy, calorificValue));
    if (!costText) return;
    record.Label27 = *costText;

    // 8. CO2 of the fuel: whole kilograms, shown in tonnes.
    const auto co2Kilograms = Divide(co2PerUnit * *fuelEnergy, calorificValue);
    if (!co2Kilograms) return;
    const auto co2Tonnes = Finite(RoundDown(*co2Kilograms) / 1000);
    if (!co2Tonnes) return;
    record.Label38 = PointFormat(*co2Tonnes);

    // 9. Electricity of the heat pump, kWh/a: integrated, it delivers the demand with the stand-by losses;
    // on its own, the demand without them.
    if (!refrigerationCop) return;
    const double heatingCop = 1 + *refrigerationCop;
    CheckedValue electricity;
    if (record.EinbindCheck) {
        electricity = Divide(*fuelEnergy * efficiency / 100, heatingCop);
    } else if (const auto withoutLosses = Divide(*fuelEnergy * efficiency / 100 * 100, losses + 100)) {
        electricity = Divide(*withoutLosses, heatingCop);
    }
    const auto electricityText = WholePointText(electricity);
    if (!electricityText) return;
    record.GesEnergWP = *electricityText;

    // 10. Electricity cost per year.
    const auto runningCostText = WholePointText(Finite(FieldNumber(record.EnergKost) * *electricity));
    if (!runningCostText) return;
    record.BetrKo = *runningCostText;

    // 11. CO2 of the electricity, t/a.
    const auto co2Electricity = Finite(f[4] * *electricity / 1000);
    if (!co2Electricity) return;
    const auto shownCo2 = Finite(RoundDownTo(*co2Electricity, 1000));
    if (!shownCo2) return;
    record.co2consum = LocaleFormat(*shownCo2, separator);
}

}  // namespace tervalo

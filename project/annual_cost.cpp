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

AnnualBalance AnnualCostComparison(ProjectRecord& record, std::optional<double> refrigerationCop,
                                   std::optional<double> compressorPower) {
    const char separator = record.DecimalSeparator;
    const auto& f = record.EnergyFactors;
    AnnualBalance balance;
    balance.refrigerationCop = refrigerationCop;
    balance.compressorPower = compressorPower;
    balance.integrated = record.EinbindCheck;
    balance.gridCo2Factor = f[4];
    balance.fuelPrice = FieldNumber(record.BrennK);
    balance.electricityPrice = FieldNumber(record.EnergKost);

    // 1. COP of the cost section; provisional running cost from the compressor power.
    if (refrigerationCop) {
        const auto shown = Finite(RoundDownTo(*refrigerationCop, 100));
        if (!shown) return balance;
        record.LeistZ = LocaleFormat(*shown, separator);
    }
    if (compressorPower) {
        const auto provisional = Finite(RoundDown(f[0] * f[1] * f[2] * f[3] * *compressorPower));
        if (!provisional) return balance;
        record.BetrKo = LocaleFormat(*provisional, separator);
    }

    // 2. Annual heat demand of the building, kWh/a.
    const double area = FieldNumber(record.WohnFL);
    const double specificDemand = FieldNumber(record.SpezHeizLeist);
    const auto buildingDemand = Finite(area * specificDemand);
    if (!buildingDemand) return balance;
    record.GesHBDGeB = PointFormat(*buildingDemand);
    balance.buildingDemand = buildingDemand;

    // 3. Efficiency and stand-by losses, %.
    const HeatingKind kind = HeatingKindOf(record.HeizArt);
    const auto [efficiency, losses] = BalanceEfficiency(record, kind);
    balance.kind = kind;
    balance.efficiency = efficiency;
    balance.losses = losses;

    // 4. Fuel energy, kWh/a: the demand through the boiler's efficiency, plus the stand-by losses.
    const auto efficiencyFactor = Divide(100, efficiency);
    if (!efficiencyFactor) return balance;
    const auto fuelEnergy = Finite(*buildingDemand * *efficiencyFactor * ((losses + 100) / 100));
    if (!fuelEnergy) return balance;
    const auto fuelEnergyText = WholePointText(fuelEnergy);
    if (!fuelEnergyText) return balance;
    record.GesHBDHeiz = *fuelEnergyText;
    balance.fuelEnergy = fuelEnergy;

    // 5. The fuel's constants.
    const double calorificValue = FuelConstants(kind, kCalorificValue, f[4]);  // kWh per fuel unit
    const double co2PerUnit = FuelConstants(kind, kCo2Factor, f[4]);           // kg per fuel unit

    // 6. Fuel quantity, units per year.
    const auto quantityText = WholePointText(Divide(*fuelEnergy, calorificValue));
    if (!quantityText) return balance;
    record.BrennStV = *quantityText;
    balance.calorificValue = calorificValue;

    // 7. Fuel cost per year.
    const auto fuelCost = Divide(balance.fuelPrice * *fuelEnergy, calorificValue);
    const auto costText = WholePointText(fuelCost);
    if (!costText) return balance;
    record.Label27 = *costText;
    balance.fuelCost = fuelCost;

    // 8. CO2 of the fuel: whole kilograms, shown in tonnes.
    const auto co2Kilograms = Divide(co2PerUnit * *fuelEnergy, calorificValue);
    if (!co2Kilograms) return balance;
    const auto co2Tonnes = Finite(RoundDown(*co2Kilograms) / 1000);
    if (!co2Tonnes) return balance;
    record.Label38 = PointFormat(*co2Tonnes);
    balance.fuelCo2 = RoundDown(*co2Kilograms);

    // 9. Electricity of the heat pump, kWh/a: integrated, it delivers the demand with the stand-by losses;
    // on its own, the demand without them.
    const CheckedValue heat = record.EinbindCheck
                                  ? Finite(*fuelEnergy * efficiency / 100)
                                  : Divide(*fuelEnergy * efficiency / 100 * 100, losses + 100);
    balance.heatPumpHeat = heat;
    if (!refrigerationCop) return balance;
    const double heatingCop = 1 + *refrigerationCop;
    CheckedValue electricity;
    if (heat) electricity = Divide(*heat, heatingCop);
    const auto electricityText = WholePointText(electricity);
    if (!electricityText) return balance;
    record.GesEnergWP = *electricityText;
    balance.electricity = electricity;

    // 10. Electricity cost per year.
    const auto runningCost = Finite(balance.electricityPrice * *electricity);
    const auto runningCostText = WholePointText(runningCost);
    if (!runningCostText) return balance;
    record.BetrKo = *runningCostText;
    balance.electricityCost = runningCost;

    // 11. CO2 of the electricity, t/a.
    const auto co2Electricity = Finite(f[4] * *electricity / 1000);
    if (!co2Electricity) return balance;
    const auto shownCo2 = Finite(RoundDownTo(*co2Electricity, 1000));
    if (!shownCo2) return balance;
    record.co2consum = LocaleFormat(*shownCo2, separator);
    balance.electricityCo2 = co2Electricity;
    return balance;
}

}  // namespace tervalo

#include "engine/checked_math.h"
#include "engine/number_text.h"
#include "project/calculation.h"
#include "project/calculation_trace.h"
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

std::string N(double value) {
    return TraceOperand(value);
}

// The balance's statements; returns where a step cannot be evaluated.
void BalanceSteps(ProjectRecord& record, std::optional<double> refrigerationCop,
                  std::optional<double> compressorPower, CalculationTrace* trace, AnnualBalance& balance) {
    const char separator = record.DecimalSeparator;
    const auto& f = record.EnergyFactors;
    balance.refrigerationCop = refrigerationCop;
    balance.compressorPower = compressorPower;
    balance.integrated = record.EinbindCheck;
    balance.gridCo2Factor = f[4];
    balance.fuelPrice = FieldNumber(record.BrennK);
    balance.electricityPrice = FieldNumber(record.EnergKost);
    using Q = TraceQuantity;

    // 1. COP of the cost section; provisional running cost from the compressor power.
    if (refrigerationCop) {
        const auto shown = Finite(RoundDownTo(*refrigerationCop, 100));
        if (shown) record.LeistZ = LocaleFormat(*shown, separator);
        if (trace)
            trace->Add(Q::CostSectionCop, "COP", N(*refrigerationCop),
                       shown ? CheckedValue(*refrigerationCop) : std::nullopt,
                       shown ? record.LeistZ : std::string(), &ProjectRecord::LeistZ);
        if (!shown) return;
    } else if (trace) {
        trace->Skip(Q::CostSectionCop, TraceSkip::NoCop, "COP");
    }
    if (compressorPower) {
        const double product = f[0] * f[1] * f[2] * f[3] * *compressorPower;
        const auto provisional = Finite(RoundDown(product));
        if (provisional) record.BetrKo = LocaleFormat(*provisional, separator);
        if (trace)
            trace->Add(
                Q::ProvisionalRunningCost, "K_el = f_1 × f_2 × f_3 × f_4 × P",
                N(f[0]) + " × " + N(f[1]) + " × " + N(f[2]) + " × " + N(f[3]) + " × " + N(*compressorPower),
                Finite(product), provisional ? record.BetrKo : std::string(), &ProjectRecord::BetrKo);
        if (!provisional) return;
    } else if (trace) {
        trace->Skip(Q::ProvisionalRunningCost, TraceSkip::NoCop, "K_el = f_1 × f_2 × f_3 × f_4 × P");
    }

    // 2. Annual heat demand of the building, kWh/a.
    const double area = FieldNumber(record.WohnFL);
    const double specificDemand = FieldNumber(record.SpezHeizLeist);
    const auto buildingDemand = Finite(area * specificDemand);
    if (buildingDemand) record.GesHBDGeB = PointFormat(*buildingDemand);
    if (trace)
        trace->Add(Q::BuildingDemand, "Q_b = A × q", N(area) + " × " + N(specificDemand), buildingDemand,
                   buildingDemand ? record.GesHBDGeB : std::string(), &ProjectRecord::GesHBDGeB);
    if (!buildingDemand) return;
    balance.buildingDemand = buildingDemand;

    // 3. Efficiency and stand-by losses, %.
    const HeatingKind kind = HeatingKindOf(record.HeizArt);
    const auto [efficiency, losses] = BalanceEfficiency(record, kind);
    balance.kind = kind;
    balance.efficiency = efficiency;
    balance.losses = losses;
    if (trace) {
        trace->Add(Q::Efficiency, "η", N(efficiency), efficiency);
        trace->Add(Q::StandbyLosses, "s", N(losses), losses);
    }

    // 4. Fuel energy, kWh/a: the demand through the boiler's efficiency, plus the stand-by losses.
    const auto efficiencyFactor = Divide(100, efficiency);
    CheckedValue fuelEnergy;
    if (efficiencyFactor) fuelEnergy = Finite(*buildingDemand * *efficiencyFactor * ((losses + 100) / 100));
    const auto fuelEnergyText = WholePointText(fuelEnergy);
    if (fuelEnergyText) record.GesHBDHeiz = *fuelEnergyText;
    if (trace)
        trace->Add(Q::FuelEnergy, "E_f = Q_b × 100/η × (s+100)/100",
                   N(*buildingDemand) + " × 100/" + N(efficiency) + " × " + N(losses + 100) + "/100",
                   fuelEnergyText ? fuelEnergy : std::nullopt, fuelEnergyText.value_or(std::string()),
                   &ProjectRecord::GesHBDHeiz);
    if (!fuelEnergyText) return;
    balance.fuelEnergy = fuelEnergy;

    // 5. The fuel's constants.
    const double calorificValue = FuelConstants(kind, kCalorificValue, f[4]);  // kWh per fuel unit
    const double co2PerUnit = FuelConstants(kind, kCo2Factor, f[4]);           // kg per fuel unit
    if (trace) {
        trace->Add(Q::CalorificValue, "H", N(calorificValue), calorificValue);
        trace->Add(Q::FuelCo2Factor, "c_f", N(co2PerUnit), co2PerUnit);
    }

    // 6. Fuel quantity, units per year.
    const auto quantity = Divide(*fuelEnergy, calorificValue);
    const auto quantityText = WholePointText(quantity);
    if (quantityText) record.BrennStV = *quantityText;
    if (trace)
        trace->Add(Q::FuelQuantity, "B = E_f/H", N(*fuelEnergy) + "/" + N(calorificValue),
                   quantityText ? quantity : std::nullopt, quantityText.value_or(std::string()),
                   &ProjectRecord::BrennStV);
    if (!quantityText) return;
    balance.calorificValue = calorificValue;

    // 7. Fuel cost per year.
    const double fuelPrice = balance.fuelPrice;
    const auto cost = Divide(fuelPrice * *fuelEnergy, calorificValue);
    const auto costText = WholePointText(cost);
    if (costText) record.Label27 = *costText;
    if (trace)
        trace->Add(Q::FuelCost, "K_f = k_f × E_f/H",
                   N(fuelPrice) + " × " + N(*fuelEnergy) + "/" + N(calorificValue),
                   costText ? cost : std::nullopt, costText.value_or(std::string()), &ProjectRecord::Label27);
    if (!costText) return;
    balance.fuelCost = cost;

    // 8. CO2 of the fuel: whole kilograms, shown in tonnes.
    const auto co2Kilograms = Divide(co2PerUnit * *fuelEnergy, calorificValue);
    CheckedValue co2Tonnes;
    if (co2Kilograms) co2Tonnes = Finite(RoundDown(*co2Kilograms) / 1000);
    if (co2Tonnes) record.Label38 = PointFormat(*co2Tonnes);
    if (trace)
        trace->Add(Q::FuelCo2, "CO2_f = ⌊c_f × E_f/H⌋/1000",
                   N(co2PerUnit) + " × " + N(*fuelEnergy) + "/" + N(calorificValue) + "/1000",
                   co2Tonnes ? Finite(*co2Kilograms / 1000) : std::nullopt,
                   co2Tonnes ? record.Label38 : std::string(), &ProjectRecord::Label38);
    if (!co2Tonnes) return;
    balance.fuelCo2 = RoundDown(*co2Kilograms);

    balance.heatPumpHeat = record.EinbindCheck ? Finite(*fuelEnergy * efficiency / 100)
                                               : Divide(*fuelEnergy * efficiency / 100 * 100, losses + 100);

    // 9. Electricity of the heat pump, kWh/a: integrated, it delivers the demand with the stand-by losses;
    // on its own, the demand without them.
    if (!refrigerationCop) {
        if (trace)
            for (const Q q : {Q::HeatingCop, Q::Electricity, Q::RunningCost, Q::ElectricityCo2})
                trace->Skip(q, TraceSkip::NoCop);
        return;
    }
    const double heatingCop = 1 + *refrigerationCop;
    if (trace) trace->Add(Q::HeatingCop, "COP_h = COP + 1", N(*refrigerationCop) + " + 1", heatingCop);
    CheckedValue electricity;
    if (record.EinbindCheck) {
        electricity = Divide(*fuelEnergy * efficiency / 100, heatingCop);
    } else if (const auto withoutLosses = Divide(*fuelEnergy * efficiency / 100 * 100, losses + 100)) {
        electricity = Divide(*withoutLosses, heatingCop);
    }
    const auto electricityText = WholePointText(electricity);
    if (electricityText) record.GesEnergWP = *electricityText;
    if (trace) {
        const std::string delivered = N(*fuelEnergy) + " × " + N(efficiency) + "/100";
        if (record.EinbindCheck)
            trace->Add(Q::Electricity, "E_el = E_f × η/100 / COP_h", delivered + " / " + N(heatingCop),
                       electricityText ? electricity : std::nullopt, electricityText.value_or(std::string()),
                       &ProjectRecord::GesEnergWP);
        else
            trace->Add(Q::Electricity, "E_el = E_f × η/100 × 100/(s+100) / COP_h",
                       delivered + " × 100/" + N(losses + 100) + " / " + N(heatingCop),
                       electricityText ? electricity : std::nullopt, electricityText.value_or(std::string()),
                       &ProjectRecord::GesEnergWP);
    }
    if (!electricityText) return;
    balance.electricity = electricity;

    // 10. Electricity cost per year.
    const double electricityPrice = balance.electricityPrice;
    const auto runningCost = Finite(electricityPrice * *electricity);
    const auto runningCostText = WholePointText(runningCost);
    if (runningCostText) record.BetrKo = *runningCostText;
    if (trace)
        trace->Add(Q::RunningCost, "K_el = k_el × E_el", N(electricityPrice) + " × " + N(*electricity),
                   runningCostText ? runningCost : std::nullopt, runningCostText.value_or(std::string()),
                   &ProjectRecord::BetrKo);
    if (!runningCostText) return;
    balance.electricityCost = runningCost;

    // 11. CO2 of the electricity, t/a.
    const auto co2Electricity = Finite(f[4] * *electricity / 1000);
    CheckedValue shownCo2;
    if (co2Electricity) shownCo2 = Finite(RoundDownTo(*co2Electricity, 1000));
    if (shownCo2) record.co2consum = LocaleFormat(*shownCo2, separator);
    if (trace)
        trace->Add(Q::ElectricityCo2, "CO2_el = f_5 × E_el/1000", N(f[4]) + " × " + N(*electricity) + "/1000",
                   shownCo2 ? co2Electricity : std::nullopt, shownCo2 ? record.co2consum : std::string(),
                   &ProjectRecord::co2consum);
    if (shownCo2) balance.electricityCo2 = co2Electricity;
}

}  // namespace

AnnualBalance AnnualCostComparison(ProjectRecord& record, std::optional<double> refrigerationCop,
                                   std::optional<double> compressorPower, CalculationTrace* trace) {
    AnnualBalance balance;
    BalanceSteps(record, refrigerationCop, compressorPower, trace, balance);
    if (trace) trace->CloseFrom(kFirstBalanceQuantity, TraceQuantity::ElectricityCo2);
    return balance;
}

}  // namespace tervalo

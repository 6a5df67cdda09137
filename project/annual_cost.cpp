#include "engine/checked_math.h"
#include "engine/number_text.h"
#include "project/calculation.h"
#include "project/field_numbers.h"
#include "project/heating_kind.h"
#include "project/round_down.h"

namespace tervalo {

bool AnnualBalance::wrote(BalanceStep step) const {
    if (stop.at <= step) return false;
    if (step == BalanceStep::CostSectionCop) return refrigerationCop.has_value();
    if (step == BalanceStep::ProvisionalRunningCost) return compressorPower.has_value();
    return true;
}

std::optional<std::string> ProvisionalRunningCostText(double cost, char decimalSeparator) {
    const auto rounded = Finite(RoundDown(cost));
    if (!rounded) return std::nullopt;
    return LocaleFormat(*rounded, decimalSeparator);
}

namespace {

// A result rounded down in the point form, or nothing when it cannot be formed.
std::optional<std::string> WholePointText(CheckedValue value) {
    if (!value) return std::nullopt;
    const auto rounded = Finite(RoundDown(*value));
    if (!rounded) return std::nullopt;
    return PointFormat(*rounded);
}

// One balance over a record: each step forms its value and writes its field, or ends the balance there.
class Balance {
  public:
    Balance(ProjectRecord& record, AnnualBalance& result) : record_(record), b_(result) {}

    // Writes the text of a step into its field; without a text the balance ends at that step.
    bool Write(BalanceStep step, std::string ProjectRecord::*field, std::optional<std::string> text) {
        if (!text) {
            b_.stop = {step, BalanceEnd::NotEvaluable};
            return false;
        }
        record_.*field = std::move(*text);
        return true;
    }

    // What the balance reads of the record besides the fuel and efficiency.
    void ReadInputs() {
        const auto& f = record_.EnergyFactors;
        b_.integrated = record_.EinbindCheck;
        b_.costFactors = {f[0], f[1], f[2], f[3]};
        b_.gridCo2Factor = f[4];
        b_.fuelPrice = FieldNumber(record_.BrennK);
        b_.electricityPrice = FieldNumber(record_.EnergKost);
        b_.area = FieldNumber(record_.WohnFL);
        b_.specificDemand = FieldNumber(record_.SpezHeizLeist);
    }

    // 1. The COP of the cost section, and a provisional running cost from the compressor power.
    bool DesignPointFigures() {
        if (const auto cop = b_.refrigerationCop) {
            const auto shown = Finite(RoundDownTo(*cop, 100));
            if (!Write(BalanceStep::CostSectionCop, &ProjectRecord::LeistZ,
                       shown ? std::optional(LocaleFormat(*shown, record_.DecimalSeparator)) : std::nullopt))
                return false;
        }
        if (const auto power = b_.compressorPower) {
            const auto& f = b_.costFactors;
            const double cost = f[0] * f[1] * f[2] * f[3] * *power;
            b_.provisionalRunningCost = Finite(cost);
            if (!Write(BalanceStep::ProvisionalRunningCost, &ProjectRecord::BetrKo,
                       ProvisionalRunningCostText(cost, record_.DecimalSeparator)))
                return false;
        }
        return true;
    }

    // 2. The building's annual heat demand, kWh/a; then the boiler's efficiency and stand-by losses, %.
    bool BuildingDemand() {
        const auto demand = Finite(b_.area * b_.specificDemand);
        if (!Write(BalanceStep::BuildingDemand, &ProjectRecord::GesHBDGeB,
                   demand ? std::optional(PointFormat(*demand)) : std::nullopt))
            return false;
        b_.buildingDemand = demand;
        b_.kind = HeatingKindOf(record_.HeizArt);
        const auto [efficiency, losses] = BalanceEfficiency(record_, b_.kind);
        b_.efficiency = efficiency;
        b_.losses = losses;
        return true;
    }

    // 3. Fuel energy, kWh/a: the demand through the boiler's efficiency, plus the stand-by losses; then the
    // fuel's constants.
    bool FuelEnergy() {
        const auto efficiencyFactor = Divide(100, b_.efficiency);
        CheckedValue energy;
        if (efficiencyFactor)
            energy = Finite(*b_.buildingDemand * *efficiencyFactor * ((b_.losses + 100) / 100));
        if (!Write(BalanceStep::FuelEnergy, &ProjectRecord::GesHBDHeiz, WholePointText(energy))) return false;
        b_.fuelEnergy = energy;
        b_.fuelCalorificValue = FuelConstants(b_.kind, kCalorificValue, b_.gridCo2Factor);
        b_.fuelCo2Factor = FuelConstants(b_.kind, kCo2Factor, b_.gridCo2Factor);
        return true;
    }

    // 4. Fuel quantity, fuel units per year; its cost per year; its CO2, whole kilograms shown in tonnes.
    bool FuelFigures() {
        const double energy = *b_.fuelEnergy, h = b_.fuelCalorificValue;
        const auto quantity = Divide(energy, h);
        if (!Write(BalanceStep::FuelQuantity, &ProjectRecord::BrennStV, WholePointText(quantity)))
            return false;
        b_.fuelQuantity = quantity;
        b_.calorificValue = h;

        const auto cost = Divide(b_.fuelPrice * energy, h);
        if (!Write(BalanceStep::FuelCost, &ProjectRecord::Label27, WholePointText(cost))) return false;
        b_.fuelCost = cost;

        const auto kilograms = Divide(b_.fuelCo2Factor * energy, h);
        CheckedValue tonnes;
        if (kilograms) tonnes = Finite(RoundDown(*kilograms) / 1000);
        if (!Write(BalanceStep::FuelCo2, &ProjectRecord::Label38,
                   tonnes ? std::optional(PointFormat(*tonnes)) : std::nullopt))
            return false;
        b_.fuelCo2 = RoundDown(*kilograms);
        b_.fuelCo2Exact = kilograms;
        b_.heatPumpHeat = b_.integrated ? Finite(energy * b_.efficiency / 100)
                                        : Divide(energy * b_.efficiency / 100 * 100, b_.losses + 100);
        return true;
    }

    // 5. Electricity of the heat pump, kWh/a: integrated, it delivers the demand with the stand-by losses; on
    // its own, the demand without them. Then its cost and CO2 per year.
    void HeatPumpFigures() {
        if (!b_.refrigerationCop) {
            b_.stop = {BalanceStep::Electricity, BalanceEnd::NoCop};
            return;
        }
        const double energy = *b_.fuelEnergy;
        const double heatingCop = 1 + *b_.refrigerationCop;
        b_.heatingCop = heatingCop;
        CheckedValue electricity;
        if (b_.integrated) {
            electricity = Divide(energy * b_.efficiency / 100, heatingCop);
        } else if (const auto withoutLosses = Divide(energy * b_.efficiency / 100 * 100, b_.losses + 100)) {
            electricity = Divide(*withoutLosses, heatingCop);
        }
        if (!Write(BalanceStep::Electricity, &ProjectRecord::GesEnergWP, WholePointText(electricity))) return;
        b_.electricity = electricity;

        const auto runningCost = Finite(b_.electricityPrice * *electricity);
        if (!Write(BalanceStep::RunningCost, &ProjectRecord::BetrKo, WholePointText(runningCost))) return;
        b_.electricityCost = runningCost;

        const auto co2 = Finite(b_.gridCo2Factor * *electricity / 1000);
        CheckedValue shown;
        if (co2) shown = Finite(RoundDownTo(*co2, 1000));
        if (!Write(BalanceStep::ElectricityCo2, &ProjectRecord::co2consum,
                   shown ? std::optional(LocaleFormat(*shown, record_.DecimalSeparator)) : std::nullopt))
            return;
        b_.electricityCo2 = co2;
    }

  private:
    ProjectRecord& record_;
    AnnualBalance& b_;
};

}  // namespace

AnnualBalance AnnualCostComparison(ProjectRecord& record, std::optional<double> refrigerationCop,
                                   std::optional<double> compressorPower) {
    AnnualBalance result;
    result.refrigerationCop = refrigerationCop;
    result.compressorPower = compressorPower;
    Balance balance(record, result);
    balance.ReadInputs();
    if (balance.DesignPointFigures() && balance.BuildingDemand() && balance.FuelEnergy() &&
        balance.FuelFigures())
        balance.HeatPumpFigures();
    return result;
}

}  // namespace tervalo

#pragma once

// The numbers behind the texts of one annual balance, unrounded, for the views that reason about them
// (break-even figures, variants). A value is there only when the balance reached and wrote its field; a
// balance that ended early leaves the later values empty.

#include <optional>

#include "project/heating_kind.h"

namespace tervalo {

struct AnnualBalance {
    // The run's design point (nothing when the cycle could not be computed).
    std::optional<double> refrigerationCop;
    std::optional<double> compressorPower;  // kW

    // What the balance read.
    HeatingKind kind = HeatingKind::None;
    double efficiency = 0;        // η, % (100 for electric heating)
    double losses = 0;            // s, % (0 for electric heating)
    double fuelPrice = 0;         // p_f, per fuel unit
    double electricityPrice = 0;  // p_e, per kWh
    double gridCo2Factor = 0;     // f_el, kg per kWh
    bool integrated = false;

    // The boiler side.
    std::optional<double> buildingDemand;  // Q_b, kWh/a
    std::optional<double> fuelEnergy;      // E_f, kWh/a
    std::optional<double> calorificValue;  // cv, kWh per fuel unit (set with the fuel quantity)
    std::optional<double> fuelCost;        // C_f, per year
    std::optional<double> fuelCo2;         // G_f, whole kg per year

    // The heat pump.
    std::optional<double> heatPumpHeat;     // Q_hp, kWh/a: the heat it delivers
    std::optional<double> electricity;      // E_el, kWh/a
    std::optional<double> electricityCost;  // p_e × E_el, per year
    std::optional<double> electricityCo2;   // G_el, t/a
};

}  // namespace tervalo

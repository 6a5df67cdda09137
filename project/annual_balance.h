#pragma once

// The numbers behind the texts of one annual balance, unrounded, for the views that reason about them
// (break-even figures, variants, the working shown to users). A result value is there only when the balance
// reached and wrote its field; a balance that ended early leaves the later values empty and says where in
// `stop`. The symbols are those of the working the cycle window shows.

#include <array>
#include <optional>

#include "project/heating_kind.h"

namespace tervalo {

// The balance's steps that write a field, in order.
enum class BalanceStep {
    CostSectionCop,          // LeistZ
    ProvisionalRunningCost,  // BetrKo, from the compressor power
    BuildingDemand,          // GesHBDGeB
    FuelEnergy,              // GesHBDHeiz
    FuelQuantity,            // BrennStV
    FuelCost,                // Label27
    FuelCo2,                 // Label38
    Electricity,             // GesEnergWP
    RunningCost,             // BetrKo
    ElectricityCo2,          // co2consum
    Done,
};

// Why the balance ended before Done.
enum class BalanceEnd {
    Completed,
    NotEvaluable,  // the step divides by zero or overflows
    NoCop,         // the run formed no COP: the heat pump's steps have nothing to work with
};

struct BalanceStop {
    BalanceStep at = BalanceStep::Done;
    BalanceEnd why = BalanceEnd::Completed;
};

struct AnnualBalance {
    // The run's design point (nothing when the cycle could not be computed).
    std::optional<double> refrigerationCop;
    std::optional<double> compressorPower;  // P, kW

    // What the balance read.
    HeatingKind kind = HeatingKind::None;
    double area = 0;                      // A, m²
    double specificDemand = 0;            // q, kWh/(m²·a)
    double efficiency = 0;                // η, % (100 for electric heating)
    double losses = 0;                    // s, % (0 for electric heating)
    double fuelPrice = 0;                 // k_f, per fuel unit
    double electricityPrice = 0;          // k_el, per kWh
    std::array<double, 4> costFactors{};  // f_1 … f_4 of energk.dat
    double gridCo2Factor = 0;             // f_5, kg per kWh
    double fuelCalorificValue = 0;        // H, kWh per fuel unit, as read with the fuel energy
    double fuelCo2Factor = 0;             // c_f, kg per fuel unit, as read with the fuel energy
    bool integrated = false;

    // Where the balance ended.
    BalanceStop stop;
    std::optional<double> provisionalRunningCost;  // K_el = f_1 × f_2 × f_3 × f_4 × P, per year

    // The boiler side.
    std::optional<double> buildingDemand;  // Q_b, kWh/a
    std::optional<double> fuelEnergy;      // E_f, kWh/a
    std::optional<double> fuelQuantity;    // B = E_f/H, fuel units per year
    std::optional<double> calorificValue;  // H, kWh per fuel unit (set with the fuel quantity)
    std::optional<double> fuelCost;        // K_f, per year
    std::optional<double> fuelCo2;         // CO2_f, whole kg per year
    std::optional<double> fuelCo2Exact;    // CO2_f before rounding to whole kg

    // The heat pump.
    std::optional<double> heatPumpHeat;     // Q_hp, kWh/a: the heat it delivers
    std::optional<double> heatingCop;       // COP_h = COP + 1
    std::optional<double> electricity;      // E_el, kWh/a
    std::optional<double> electricityCost;  // K_el = k_el × E_el, per year
    std::optional<double> electricityCo2;   // CO2_el, t/a

    // Whether the balance wrote the field of `step`.
    bool wrote(BalanceStep step) const;
};

}  // namespace tervalo

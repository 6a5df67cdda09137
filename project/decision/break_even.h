#pragma once

// Where the heat pump and the boiler heating come out equal, and what choosing the heat pump saves per year.
//
// The break-even figures invert the annual balance exactly (E_el, E_f, C_f, G_f, Q_hp, cv of the balance):
// electricity price C_f / E_el, fuel price p_e × E_el × cv / E_f, heating COP p_e × Q_hp / C_f for equal cost
// and f_el × Q_hp / G_f for equal CO2, grid CO2 factor G_f / E_el. Their texts carry as few significant
// digits as possible (at least four) such that the figure typed back into its input makes the two columns
// the balance shows equal: each candidate is run through the balance itself.

#include "project/annual_balance.h"
#include "project/decision/shown_figure.h"
#include "project/project_record.h"

namespace tervalo::decision {

struct BreakEven {
    Figure electricityPrice;     // per kWh (EnergKost)
    Figure fuelPrice;            // per fuel unit (BrennK)
    Figure heatingCopEqualCost;  // 1 + refrigerating COP
    Figure heatingCopEqualCo2;
    Figure gridCo2Factor;  // kg per kWh (energk.dat field 5); nothing for electric heating, whose CO2 moves
                           // with the same factor
};

// The saving of the heat pump against the boiler heating per year, as the difference of the two columns
// shown (Label27 − BetrKo, Label38 − co2consum); nothing when the balance did not reach both.
struct AnnualSaving {
    Figure money;  // currency per year
    Figure co2;    // t/a
};

// `record` holds the inputs of the run that gave `balance`; it is not changed.
BreakEven EvaluateBreakEven(const ProjectRecord& record, const AnnualBalance& balance);
AnnualSaving EvaluateSaving(const AnnualBalance& balance, char decimalSeparator);

// The columns as the window shows them, as numbers: whole currency and whole kilograms.
std::optional<double> ShownFuelCost(const AnnualBalance& balance);
std::optional<double> ShownElectricityCost(const AnnualBalance& balance);
std::optional<double> ShownFuelCo2Kilograms(const AnnualBalance& balance);
std::optional<double> ShownElectricityCo2Kilograms(const AnnualBalance& balance);

}  // namespace tervalo::decision

#pragma once

// The calculation run that every change of the project ends in, and the annual balance it ends with.
//
// DesignPointCalculation evaluates the heat pump at one design point (t0, Tc of the record): the R22 cycle at
// that point, the mass flow for 20 kW refrigerating capacity, the compressor power P, hence the refrigerating
// COP (20 / P) and the heating COP (COP + 1). AnnualCostComparison then turns the building's annual heat
// demand into fuel energy, quantity, cost and CO2 of the existing heating and electricity, cost and CO2 of
// the heat pump. Both write their results into the record as the texts the window shows, each rounded down.

#include <array>
#include <optional>
#include <string>

#include "engine/saturation_table.h"
#include "project/annual_balance.h"
#include "project/energy_factors.h"
#include "project/project_record.h"
#include "project/result_currency.h"

namespace tervalo {

struct CalculationTrace;

// Refrigerating capacity of the design point, kW.
inline constexpr double DesignRefrigerationCapacity = 20;

// The design point's labels: LeistZahlK ("COP = " and the refrigerating COP cut to two decimals in the point
// form, so a positive COP stands two blanks after "=") and LeistZahlH (caption item 50, " = ", the heating
// COP). Nothing for a COP too large to show.
std::optional<std::string> RefrigerationCopLabel(double refrigerationCop);
std::optional<std::string> HeatingCopLabel(double refrigerationCop);

// What a calculation reads from files, loaded once per user action so that the calculation itself touches
// no file: any number of calculations (the project and its variants) can then share one load.
struct CalculationData {
    SaturationTableLoad refrigerantTable;                         // of the record's RefrigerantName
    EnergyFactorFile energyFactors = EnergyFactorFile::Complete;  // how energk.dat gave the CO2 factor
};

// Reads energk.dat into the record's EnergyFactors (fields the file does not reach keep their values) and
// loads the table of the record's refrigerant.
CalculationData LoadCalculationData(ProjectRecord& record);

// The files of one user action, read at its first calculation and shared by every later one of the same
// action: a row of a batch sets several fields and ends with the decision figures, each a calculation run.
// Whoever starts the action holds it and drops it at the action's end, so an edited file counts from the
// next action on; nothing is kept between actions.
class ActionLoads {
  public:
    // The data for a calculation of `record`, as LoadCalculationData gives it: the energy factors of the
    // action's one read of energk.dat go into the record, the table is that of the record's refrigerant
    // (loaded once per name).
    const CalculationData& For(ProjectRecord& record);

  private:
    bool factorsRead_ = false;
    EnergyFactorRead factorRead_;
    std::array<double, 5> factorValues_{};  // the first factorRead_.fieldsRead hold the file's numbers
    EnergyFactorFile factorFile_ = EnergyFactorFile::Complete;
    std::string refrigerant_;
    std::optional<CalculationData> data_;
};

// The calculation run over the record. Statements that cannot be evaluated are skipped and their targets keep
// their texts. When the cycle cannot be computed (table missing or damaged, a step dividing by zero) the run
// has no compressor power and no COP: the COP labels and the heat-pump results keep their texts, while the
// fuel side of the balance is still brought up to date. Sets CalculationDone, and the record's Results to
// what the run wrote (the texts themselves as described). Returns the balance's numbers. `trace`, when given,
// receives every intermediate (calculation_trace.h); the texts written are the same.
AnnualBalance DesignPointCalculation(ProjectRecord& record, const CalculationData& data,
                                     CalculationTrace* trace = nullptr);

// What every user action that calculates starts: the load, then the calculation run.
AnnualBalance CalculationRun(ProjectRecord& record, CalculationTrace* trace = nullptr);
// The same within an action that holds its loads (none: a load of its own).
AnnualBalance CalculationRun(ProjectRecord& record, ActionLoads* loads);

// The annual balance with the run's refrigerating COP and compressor power (nothing when the run could not
// form them). Each field is written as soon as it is known; a step that cannot be evaluated (efficiency 0,
// a heating type of no kind, no COP) ends the balance and the later fields keep their texts. Returns the
// numbers behind the texts it wrote.
AnnualBalance AnnualCostComparison(ProjectRecord& record, std::optional<double> refrigerationCop,
                                   std::optional<double> compressorPower, CalculationTrace* trace = nullptr);

// Enter in a consumption field of the record: the specific demand that produces the typed figure, then a
// calculation run, and the typed text back into the field. The first two rest (only putting the text back)
// while CalculationLock is set; a figure that cannot be evaluated (area 0, no calorific value, efficiency 0)
// changes no field and starts no run.
void BackCalculateFromFuelQuantity(ProjectRecord& record, ActionLoads* loads = nullptr);    // BrennStV
void BackCalculateFromFuelEnergy(ProjectRecord& record, ActionLoads* loads = nullptr);      // GesHBDHeiz
void BackCalculateFromBuildingDemand(ProjectRecord& record, ActionLoads* loads = nullptr);  // GesHBDGeB

// Enter in SpezHeizLeist: GesHBDGeB = ⌊A × q⌋, then a calculation run.
void ForwardFromSpecificDemand(ProjectRecord& record, ActionLoads* loads = nullptr);

}  // namespace tervalo

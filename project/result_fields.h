#pragma once

// The results a calculation run writes: one line each, and everything else about them is made from these
// lines (the record's text members, ResultField, the field table's entries, the marks, the outputs). To add a
// result, compute it in the calculation, add its line here and its caption (ResultCaptions.tsv), and test it.
//
//   X(name, role, unit, needsCop, followsFrom, written, caption, meaning)
//
// name         the record's member, the ResultField and the name in every output and stored file
// role         Result: a label only the run writes (not saved); FilledByRules: an input the rules fill,
//              which the user may type over and the run overwrites (saved with the project)
// unit         FieldUnit
// needsCop     the run writes it only once the cycle's COP is formed
// followsFrom  the groups of inputs (inputs::) whose typed change marks it
// written      whether a run wrote it, from the run's CalculationResult (project_fields.h has the tests)
// caption      its item in data/lang/features/ResultCaptions.tsv (result_captions_texts::k...) when the
//              project window's layout does not place it: the window then shows it below the design point;
//              0 for the results the layout places under captions of their own
// meaning      in words, with the unit, for the glossary
//
// The lines stand in the order the run writes the texts, which is the order of ResultField and of every list
// of results. Where a result stands among the inputs in the field table is set there; a result the table does
// not place comes after the table's fields.

// clang-format off
#define TERVALO_RESULT_FIELDS(X)                                                                             \
    X(pn32,       Result,        Celsius,          false, Cycle,                                             \
      DesignPointWrote<&DesignPointResult::suctionGasWritten>, 0,                                            \
      "suction gas temperature, \u00B0C")                                                                    \
    X(LeistZahlK, Result,        None,             true,  Cycle,                                             \
      DesignPointWrote<&DesignPointResult::refrigerationCopWritten>, 0,                                      \
      "\"COP = \" and the refrigerating COP")                                                                \
    X(LeistZahlH, Result,        None,             true,  Cycle,                                             \
      DesignPointWrote<&DesignPointResult::heatingCopWritten>, 0,                                            \
      "heating COP with its caption")                                                                        \
    X(LeistZ,     Result,        None,             true,  Cycle,                                             \
      Wrote<S::CostSectionCop>, 0, "refrigerating COP in the cost section")                                  \
    X(BetrKo, Result, CurrencyPerYear, true, Cycle | Demand | FuelSide | ElectricityPrice | Integration,     \
      RunningCostWrote, 0, "annual electricity cost of the heat pump")                                       \
    X(GesHBDGeB,  FilledByRules, KWhPerYear,       false, Demand,                                            \
      Wrote<S::BuildingDemand>, 0, "annual heat demand of the building, kWh/a")                              \
    X(GesHBDHeiz, FilledByRules, KWhPerYear,       false, Demand | FuelSide,                                 \
      Wrote<S::FuelEnergy>, 0, "annual fuel energy, kWh/a")                                                  \
    X(BrennStV,   FilledByRules, FuelUnitsPerYear, false, Demand | FuelSide,                                 \
      Wrote<S::FuelQuantity>, 0, "annual fuel quantity, fuel units per year")                                \
    X(Label27,    Result,        CurrencyPerYear,  false, Demand | FuelSide | FuelPrice,                     \
      Wrote<S::FuelCost>, 0, "annual fuel cost of the existing heating")                                     \
    X(Label38,    Result,        TonnesPerYear,    false, Demand | FuelSide,                                 \
      Wrote<S::FuelCo2>, 0, "annual CO2 of the existing heating, t/a")                                       \
    X(GesEnergWP, FilledByRules, KWhPerYear,       true,  Cycle | Demand | FuelSide | Integration,           \
      Wrote<S::Electricity>, 0, "annual electricity of the heat pump, kWh/a")                                \
    X(co2consum,  Result,        TonnesPerYear,    true,  Cycle | Demand | FuelSide | Integration,           \
      Wrote<S::ElectricityCo2>, 0, "annual CO2 of the heat pump, t/a")
// clang-format on

namespace tervalo {

// The texts a calculation run writes, in the order it writes them.
enum class ResultField {
#define TERVALO_RESULT_ENUM(name, ...) name,
    TERVALO_RESULT_FIELDS(TERVALO_RESULT_ENUM)
#undef TERVALO_RESULT_ENUM
};

#define TERVALO_RESULT_ONE(name, ...) 1 +
inline constexpr int kResultFieldCount = TERVALO_RESULT_FIELDS(TERVALO_RESULT_ONE) 0;
#undef TERVALO_RESULT_ONE

}  // namespace tervalo

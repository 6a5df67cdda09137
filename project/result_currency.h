#pragma once

// Which result texts of the project the last calculation run wrote, and why it left the others. The
// calculation keeps the texts of an earlier run where a step cannot be evaluated; these marks let the window,
// the report and tervalo-calc tell such a text from a current one.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "project/calculation_result.h"
#include "project/result_fields.h"

namespace tervalo {

struct ProjectRecord;

// The record's text of a result.
std::string ProjectRecord::*ResultText(ResultField field);

enum class StaleReason {
    Current,               // written by the last run from the inputs shown
    NoCalculation,         // no run has written it yet
    TableMissing,          // the refrigerant's table is missing or unreadable (or the name is unknown)
    TableDamaged,          // the refrigerant's table is damaged
    CycleFailed,           // a step of the cycle or of the compressor power divides by zero or overflows
    OutsideTable,          // the design point lies outside the refrigerant's table
    EnergyFactorsMissing,  // written with an electricity CO2 factor energk.dat did not give: file missing
    EnergyFactorsDamaged,  // the same, the file short, damaged or over its size limit
    DemandNotFormed,       // area × specific demand is no finite number
    NoFuel,                // the heating type matches no fuel
    ZeroEfficiency,        // the boiler's efficiency is 0
    BalanceStopped,        // another value of the balance cannot be formed
    InputsEdited,          // an input it follows from was typed since the run (input_edits.h)
};

// What the last run left: its marks and the input texts it read. The marks every output shows are derived
// from these and the inputs typed since (ResultMark, input_edits.h); nothing else stores a mark.
struct ResultCurrency {
    std::array<StaleReason, kResultFieldCount> byRun;  // why the run left each result it did not write
    std::optional<OutsideDesignPoint> outside;         // set with OutsideTable
    // The input texts the last run read (input_edits.h); empty before the first run. `runs` counts the runs
    // that noted them.
    std::vector<std::string> calculatedFrom;
    unsigned runs = 0;

    ResultCurrency() { byRun.fill(StaleReason::NoCalculation); }
};

// How energk.dat was read by the last load.
enum class EnergyFactorFile { Complete, Missing, ShortOrDamaged };

// Which result texts a run wrote, by ResultField: derived from what it computed and where it stopped.
std::array<bool, kResultFieldCount> WrittenResults(const CalculationResult& result);

// Sets the record's ResultCurrency after a run: a text the run wrote is current, any other keeps the text of
// an earlier run and is marked with why the run left it. `factors`: how the run's load read energk.dat.
void MarkResults(ProjectRecord& record, const CalculationResult& result, EnergyFactorFile factors);

}  // namespace tervalo

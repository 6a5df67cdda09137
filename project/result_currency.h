#pragma once

// Which result texts of the project the last calculation run wrote, and why it left the others. The
// calculation keeps the texts of an earlier run where a step cannot be evaluated; these marks let the window,
// the report and tervalo-calc tell such a text from a current one.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/refrigeration_cycle.h"

namespace tervalo {

struct ProjectRecord;

// The texts a calculation run writes, in the order it writes them.
enum class ResultField {
    pn32,
    LeistZahlK,
    LeistZahlH,
    LeistZ,
    BetrKo,
    GesHBDGeB,
    GesHBDHeiz,
    BrennStV,
    Label27,
    Label38,
    GesEnergWP,
    co2consum,
};
inline constexpr int kResultFieldCount = 12;

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

// Where the design point left the table: the input temperature and the range it may take, °C.
struct OutsideDesignPoint {
    DesignTemperature of = DesignTemperature::Evaporating;
    double input = 0;
    DesignTemperatureRange range;
};

struct ResultCurrency {
    std::array<StaleReason, kResultFieldCount> reason;
    std::optional<OutsideDesignPoint> outside;  // set with OutsideTable
    // The input texts the last run read and the marks it left, before any input typed since
    // (input_edits.h); empty before the first run. `runs` counts the runs that noted them.
    std::vector<std::string> calculatedFrom;
    std::array<StaleReason, kResultFieldCount> byRun;
    unsigned runs = 0;

    ResultCurrency() {
        reason.fill(StaleReason::NoCalculation);
        byRun = reason;
    }
    StaleReason operator[](ResultField field) const { return reason[static_cast<std::size_t>(field)]; }
    bool current(ResultField field) const { return (*this)[field] == StaleReason::Current; }
};

// How energk.dat was read by the last load.
enum class EnergyFactorFile { Complete, Missing, ShortOrDamaged };

// What the calculation run knows when it ends: the cycle's status and where it left the table, how the energy
// factors were read, and whether the cycle's COP and power were formed.
struct RunOutcome {
    EngineStatus cycleStatus = EngineStatus::Ok;
    std::optional<OutsideDesignPoint> outside;
    bool copFormed = false;
    EnergyFactorFile energyFactors = EnergyFactorFile::Complete;
};

// Tracks one calculation run over a record: the constructor puts a mark into every result text, Finish puts
// the earlier text back wherever the run left the mark, and sets the record's ResultCurrency.
class ResultTracking {
  public:
    explicit ResultTracking(ProjectRecord& record);
    void Finish(const RunOutcome& outcome);

  private:
    ProjectRecord& record_;
    std::array<std::string, kResultFieldCount> before_;
};

}  // namespace tervalo

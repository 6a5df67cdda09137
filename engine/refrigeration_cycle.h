#pragma once

// One operating point of a single-stage vapour-compression cycle: the state points from the refrigerant's
// saturation table, the vapour heat capacities and the compression exponent.

#include <optional>
#include <string_view>

#include "engine/cycle_state.h"
#include "engine/engine_status.h"
#include "engine/saturation_table.h"

namespace tervalo {

struct CycleConditions {
    double t0 = 0;        // evaporating temperature, °C
    double tc = 0;        // condensing temperature, °C
    double tSuction = 0;  // gas temperature at the compressor inlet, °C
    double dTLiquid = 0;  // how far the liquid leaving the condenser lies below the condensing temperature, K
    double superheat = 0;  // superheat at the evaporator outlet, K
};

// The design temperature a lookup derives from: the evaporating state or the condensing state.
enum class DesignTemperature { Evaporating, Condensing };

// Where a run stopped with OutsideTable: the lookup that fell outside and the design temperature it
// derives from.
struct OutsideTableLookup {
    DesignTemperature of = DesignTemperature::Evaporating;
    LookupKey key = LookupKey::ByTemperature;
    double value = 0;  // K or bar, by `key`
};

struct CycleRun {
    EngineStatus status = EngineStatus::Ok;
    OutsideTableLookup outside;  // set when status is OutsideTable
    CycleStateRecord state;
    // Gas temperature at the compressor outlet, K, as the compressor model gives it for the finished state;
    // 0 when the run stopped early.
    double tDischarge = 0;
};

// The cycle of `refrigerant` (its name selects the vapour correlations) on its loaded table, starting from
// the state of the previous run. A failing table lookup (name outside the catalogue, missing or damaged
// table, a value outside the table's keys: OutsideTable, never an extrapolation) or a step that divides by
// zero stops the run there: fields already written keep their new values, the others those of `previous`.
// Blends whose dew and bubble pressures differ at the evaporating temperature get mean pressures.
CycleRun RunRefrigerationCycle(std::string_view refrigerant, const SaturationTableLoad& table,
                               const CycleConditions& conditions, const CycleStateRecord& previous);

// The design temperatures a run can take on a table, °C: the evaporating temperature needs its own record and
// the one 1 K above, the condensing temperature those from 5 K below to 1 K above; a blend's range ends where
// its pressure lookups would leave the table, so every temperature inside runs. An end record's temperature
// is inside. Nothing for a table without two temperatures a number.
struct DesignTemperatureRange {
    double low = 0;
    double high = 0;
};
std::optional<DesignTemperatureRange> UsableDesignRange(const SaturationTable& table, DesignTemperature of);

}  // namespace tervalo

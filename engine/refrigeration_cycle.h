#pragma once

// One operating point of a single-stage vapour-compression cycle: the state points from the refrigerant's
// saturation table, the vapour heat capacities and the compression exponent.

#include <string_view>

#include "engine/cycle_state.h"
#include "engine/engine_status.h"
#include "engine/saturation_table.h"

namespace tervalo {

struct CycleConditions {
    double t0 = 0;         // evaporating temperature, °C
    double tc = 0;         // condensing temperature, °C
    double tSuction = 0;   // gas temperature at the compressor inlet, °C
    double dTLiquid = 0;   // how far the liquid leaving the condenser lies below the condensing temperature, K
    double superheat = 0;  // superheat at the evaporator outlet, K
};

struct CycleRun {
    EngineStatus status = EngineStatus::Ok;
    CycleStateRecord state;
    // Gas temperature at the compressor outlet, K, as the compressor model gives it for the finished state;
    // 0 when the run stopped early.
    double tDischarge = 0;
};

// The cycle of `refrigerant` (its name selects the vapour correlations) on its loaded table, starting from the
// state of the previous run. A failing table lookup (name outside the catalogue, missing or damaged table, a
// value outside every bracket) or a step that divides by zero stops the run there: fields already written
// keep their new values, the others those of `previous`. Blends whose dew and bubble pressures differ at the
// evaporating temperature get mean pressures.
CycleRun RunRefrigerationCycle(std::string_view refrigerant, const SaturationTableLoad& table,
                               const CycleConditions& conditions, const CycleStateRecord& previous);

}  // namespace tervalo

#pragma once

// One operating point of a single-stage vapour-compression cycle: the state points from the refrigerant's
// saturation table, the vapour heat capacities and the compression exponent, left in CycleState.

#include "engine/engine_status.h"

namespace tervalo {

// Fills CycleState for RefrigerantName with the Superheat set beforehand.
//   t0 evaporating temperature °C, tc condensing temperature °C, tSuction gas temperature at the compressor
//   inlet °C, dTLiquid how far the liquid leaving the condenser lies below the condensing temperature, K.
// A failing table lookup (name outside the catalogue, missing or damaged table) or a step that divides by
// zero stops the run there: fields already written keep their new values, the others those of the previous
// run. Blends whose dew and bubble pressures differ at the evaporating temperature get mean pressures.
EngineStatus RunRefrigerationCycle(double t0, double tc, double tSuction, double dTLiquid);

}  // namespace tervalo

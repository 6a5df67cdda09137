#pragma once

// Vapour heat capacities at the three temperatures of the compressor's gas path and the compression exponent,
// from the correlation of each refrigerant in the registry.

#include <string_view>

#include "engine/cycle_state.h"

namespace tervalo {

struct RefrigerantRow;

// Writes cpVapourEvap (at TEvap of `state` + superheat), cpVapourSuction (at tSuction) and cpVapourDischarge
// (at tDischarge), then CompressionExponent; for "R124" also cpLiquid when tLiquid is below 180. A statement
// that cannot be evaluated (division by zero, overflow) is skipped and its field keeps its value. A name
// without correlations leaves every field as it was.
//   superheat K, tSuction °C, tDischarge K, tLiquid K.
void VapourProperties(std::string_view name, double superheat, double tSuction, double tDischarge,
                      double tLiquid, CycleStateRecord& state);
// The same for a registry row found beforehand (null: no correlations).
void VapourProperties(const RefrigerantRow* refrigerant, double superheat, double tSuction, double tDischarge,
                      double tLiquid, CycleStateRecord& state);
// The second call of a run on a state that VapourProperties has written with the same superheat and suction
// temperature: the same fields as that call would leave, bit for bit, without forming again those that depend
// on neither tDischarge nor tLiquid.
void DischargeVapourProperties(const RefrigerantRow* refrigerant, double superheat, double tSuction,
                               double tDischarge, double tLiquid, CycleStateRecord& state);

}  // namespace tervalo

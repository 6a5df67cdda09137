#pragma once

// Empirical compressor model: the gas temperature at the compressor outlet and the compressor input power.
// Both formulas run statement by statement; a statement that cannot be evaluated (a fractional power of a
// negative number, a division by zero) is skipped and its working value stays zero. Nothing is reported.

#include "engine/cycle_state.h"

namespace tervalo {

// Discharge temperature, K, from the pressure ratio and the compression exponent n, with corrections for the
// pressure difference and for condensing temperatures above 318 K (TCond of `state`).
//   pSuction bar, pDischarge bar, tSuction K. With pDischarge below pSuction or pSuction of 0 the result is
//   TCond + the condensing-temperature term.
double DischargeTemperature(double pSuction, double pDischarge, double tSuction, double n,
                            const CycleStateRecord& state);

// Compressor input power, kW, from the mass flow and the enthalpy rise between inlet and outlet, with a
// factor that falls from 1 at 0 kW to 0.95 at 100 kW and stays there, and 1.06 on every size. Uses
// cpVapourEvap, cpVapourDischarge, CompressionExponent and (for the discharge temperature) TCond of `state`.
//   pSuction bar, pDischarge bar, tEvap K, tCond K, massFlow kg/s, tSuction °C, hVapourCond kJ/kg,
//   hVapourEvap kJ/kg.
double CompressorPower(double pSuction, double pDischarge, double tEvap, double tCond, double massFlow,
                       double tSuction, double hVapourCond, double hVapourEvap,
                       const CycleStateRecord& state);

// The intermediates of CompressorPowerAtDischarge, for a caller that shows its working.
struct CompressorWorking {
    double tDischarge = 0;  // °C
    double hDischarge = 0;  // compressor outlet, kJ/kg
    double hSuction = 0;    // compressor inlet, kJ/kg
    double powerRaw = 0;    // (hDischarge − hSuction) × mass flow, kW
    double sizeFactor = 0;  // 1 − 0.05 × powerRaw/100, at least 0.95
};

// The same with the discharge temperature already known (K): the cycle run gives it for its own pressures,
// suction temperature and state, which is what CompressorPower would compute again. `working`, when given,
// receives the intermediates.
double CompressorPowerAtDischarge(double tDischarge, double tEvap, double tCond, double massFlow,
                                  double tSuction, double hVapourCond, double hVapourEvap,
                                  const CycleStateRecord& state, CompressorWorking* working = nullptr);

}  // namespace tervalo

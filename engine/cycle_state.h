#pragma once

// The state points of one refrigeration-cycle run, as the cycle, the vapour correlations, the compressor
// model and the design-point calculation hand them to each other.

namespace tervalo {

struct CycleStateRecord {
    double TEvap = 0;                // evaporating temperature, K
    double TCond = 0;                // condensing temperature, K
    double pEvap = 0;                // evaporating pressure (blends: between dew and bubble pressure), bar
    double pCond = 0;                // condensing pressure (blends: mean of dew and bubble pressure), bar
    double hVapourEvap = 0;          // saturated-vapour enthalpy at the evaporator outlet, kJ/kg
    double rhoVapourEvap = 0;        // saturated-vapour density at the evaporator outlet, kg/m³
    double rhoSuction = 0;           // gas density at the compressor inlet, kg/m³
    double hLiquidCond = 0;          // saturated-liquid enthalpy at the condenser outlet, kJ/kg
    double hVapourCond = 0;          // saturated-vapour enthalpy at TCond, kJ/kg
    double cpLiquid = 0;             // liquid heat capacity over the 5 K below TCond, kJ/(kg·K)
    double dpdTEvap = 0;             // rise of the dew pressure over 1 K above the evaporating state, bar/K
    double dpdTRatio = 0;            // rise of the dew pressure over 1 K above TCond, divided by dpdTEvap
    double cpVapourEvap = 0;         // vapour heat capacity at TEvap + superheat, kJ/(kg·K)
    double cpVapourSuction = 0;      // vapour heat capacity at the compressor inlet, kJ/(kg·K)
    double cpVapourDischarge = 0;    // vapour heat capacity at the compressor outlet, kJ/(kg·K)
    double CompressionExponent = 0;  // exponent of the pressure ratio in the compressor model

    bool operator==(const CycleStateRecord&) const = default;
};

}  // namespace tervalo

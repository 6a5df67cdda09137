#pragma once

// The reduced Helmholtz energy of a fluid and the thermodynamic properties that follow from it.

#include "data/tools/eos/fluid_data.h"
#include "data/tools/eos/jet.h"

namespace tervalo::eos {

// alphar(tau, delta) with its derivatives.
Jet ResidualHelmholtz(const FluidData& fluid, double tau, double delta);

// alpha0(tau, delta) with its derivatives, including the published reference-state terms.
Jet IdealGasHelmholtz(const FluidData& fluid, double tau, double delta);

// Single-phase properties at temperature T (K) and molar density rho (mol/m³).
struct FluidState {
    double pressure = 0;           // Pa
    double dPressureDDensity = 0;  // Pa per mol/m³ at constant T
    double enthalpy = 0;           // J/mol, reference state of the published equation
    double entropy = 0;            // J/(mol K)
    double gibbsEnergy = 0;        // J/mol
};
FluidState EvaluateState(const FluidData& fluid, double temperature, double density);

}  // namespace tervalo::eos

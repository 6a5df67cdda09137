#pragma once

// Saturation states from an equation of state: the phase equilibrium of a single substance (equal pressure
// and equal Gibbs energy of liquid and vapour), and for a pseudo-pure blend the liquid at its bubble pressure
// and the vapour at its dew pressure, both pressures from the published ancillary equations.

#include <optional>

#include "data/tools/eos/fluid_data.h"

namespace tervalo::eos {

struct CoexistingDensities {
    double liquid = 0;  // mol/m³
    double vapour = 0;  // mol/m³
};

// Solves p(T, rhoL) = p(T, rhoV) and g(T, rhoL) = g(T, rhoV) by Newton's method on the two densities, started
// from the ancillary densities. None when it does not converge to two distinct stable phases.
std::optional<CoexistingDensities> SolvePhaseEquilibrium(const FluidData& fluid, double temperature);

enum class Phase { Liquid, Vapour };

// The density (mol/m³) of the given phase at T (K) and p (Pa), started from that phase's ancillary density.
std::optional<double> DensityAtPressure(const FluidData& fluid, double temperature, double pressure,
                                        Phase phase);

// One saturation state in the units of the table files; enthalpies in the reference state of the equation.
struct SaturationPoint {
    double temperature = 0;  // K
    double pDew = 0;         // bar
    double pBubble = 0;      // bar
    double hLiquid = 0;      // kJ/kg
    double hVapour = 0;      // kJ/kg
    double rhoLiquid = 0;    // kg/m³
    double rhoVapour = 0;    // kg/m³
};

std::optional<SaturationPoint> Saturation(const FluidData& fluid, double temperature);

// The IIR reference state: h = 200 kJ/kg (and s = 1 kJ/(kg K)) for the saturated liquid at 0 °C.
inline constexpr double kIirTemperature = 273.15;    // K
inline constexpr double kIirLiquidEnthalpy = 200.0;  // kJ/kg

// The amount (kJ/kg) to add to the equation's enthalpies to reach the IIR reference state; none when the
// fluid has no saturated liquid at 0 °C.
std::optional<double> IirEnthalpyShift(const FluidData& fluid);

}  // namespace tervalo::eos

#pragma once

// The published Helmholtz-energy equation of state of one refrigerant, as plain numbers. The reduced
// Helmholtz energy is a / (R T) = alpha0(tau, delta) + alphar(tau, delta) with tau = reducingTemperature / T
// and delta = rho / reducingDensity (molar density).

#include <optional>
#include <string_view>
#include <vector>

namespace tervalo::eos {

// Residual terms.
struct PowerTerm {  // n delta^d tau^t exp(-delta^l); no exponential factor for l = 0
    double n, d, t, l;
};
struct ExponentialTerm {  // n delta^d tau^t exp(-g delta^l)
    double n, d, t, g, l;
};
struct GaussianTerm {  // n delta^d tau^t exp(-eta (delta - epsilon)^2 - beta (tau - gamma)^2)
    double n, d, t, eta, epsilon, beta, gamma;
};
struct GaoBTerm {  // n delta^d tau^t exp(eta (delta - epsilon)^2 + 1 / (beta (tau - gamma)^2 + b)), ammonia
    double n, t, d, eta, beta, gamma, epsilon, b;
};
struct NonAnalyticTerm {  // n Delta^b delta psi near the critical point, carbon dioxide
    double n, a, b, beta, A, B, C, D;
};

// Ideal-gas part.
struct IdealPowerTerm {  // n tau^t
    double n, t;
};
struct PlanckEinsteinTerm {  // n ln(1 - exp(-t tau))
    double n, t;
};
// The Helmholtz-energy contribution of an ideal-gas heat capacity cp0 / R = c T^t (t = 0: a constant),
// integrated from T0; T is taken as criticalTemperature / tau.
struct Cp0PowerTerm {
    double c, t, criticalTemperature, t0;  // K
};
struct IdealGasPart {
    double leadA1 = 0, leadA2 = 0;  // ln delta + a1 + a2 tau
    double logTau = 0;              // a ln tau
    std::vector<IdealPowerTerm> power;
    std::vector<PlanckEinsteinTerm> planckEinstein;
    std::vector<Cp0PowerTerm> cp0Power;
    double offsetA1 = 0, offsetA2 = 0;  // a1 + a2 tau: shift of the reference state
};

// An ancillary equation in theta = 1 - T / reducingTemperature: pressure (Pa) = reducingValue exp(f Σ n
// theta^t) with f = reducingTemperature / T when usingTauR, else 1; vapour density (mol/m³) has the same
// form; liquid density (mol/m³) = reducingValue (1 + Σ n theta^t).
struct AncillaryTerm {
    double n, t;
};
struct Ancillary {
    double reducingTemperature = 0;  // K
    double reducingValue = 0;
    bool usingTauR = false;
    std::vector<AncillaryTerm> terms;
};

// Saturation state at 0 °C as published with the equation (IIR reference state), as printed.
struct PublishedValues {
    std::string_view pDewBar, pBubbleBar, hLiquid, hVapour, rhoLiquid, rhoVapour;  // bar, kJ/kg, kg/m³
};

struct FluidData {
    std::string_view name;
    std::string_view equationOfState;   // citation key of the publication
    bool pseudoPure = false;            // a blend described by one equation; saturation from the ancillaries
    double molarMass = 0;               // kg/mol
    double gasConstant = 0;             // J/(mol K)
    double reducingTemperature = 0;     // K
    double reducingDensity = 0;         // mol/m³
    double criticalTemperature = 0;     // K
    double triplePointTemperature = 0;  // K (lower limit of the equation)
    std::vector<PowerTerm> power;
    std::vector<ExponentialTerm> exponential;
    std::vector<GaussianTerm> gaussian;
    std::vector<GaoBTerm> gaoB;
    std::vector<NonAnalyticTerm> nonAnalytic;
    IdealGasPart idealGas;
    Ancillary saturationPressure;  // single substances
    Ancillary bubblePressure;      // pseudo-pure blends
    Ancillary dewPressure;         // pseudo-pure blends
    Ancillary liquidDensity;
    Ancillary vapourDensity;
    std::optional<PublishedValues> published0C;
};

// Evaluations of the ancillary equations at T (K).
double AncillaryPressure(const Ancillary& ancillary, double temperature);       // Pa
double AncillaryLiquidDensity(const Ancillary& ancillary, double temperature);  // mol/m³
double AncillaryVapourDensity(const Ancillary& ancillary, double temperature);  // mol/m³

}  // namespace tervalo::eos

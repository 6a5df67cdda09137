#pragma once

// The shape of a refrigerant's vapour heat-capacity correlation: which formula it follows and its
// coefficients. The rows themselves stand in the refrigerant registry; vapour_properties evaluates them.

namespace tervalo {

enum class VapourForm {
    CurveG,    // generic curve in degrees Rankine
    CurveG1,   // the same with the third term of first power
    Poly,      // cubic polynomial in kelvin
    R14Line,   // linear in TEvap and TDischarge
    R23Poly,   // polynomial, replaced by a line above 280 K at the discharge
    R123Line,  // linear in the Celsius temperature
    R124Line,  // linear, discharge value depending on the liquid temperature
};

struct Cubic {
    double a, b, c, d;
    double operator()(double t) const { return a + b * t + c * t * t + d * t * t * t; }
};

inline constexpr Cubic kNoCubic{0, 0, 0, 0};

struct VapourCorrelation {
    double molarMass;  // kg/kmol; blends as the sum of mass fraction times component molar mass
    VapourForm form;
    Cubic cubic;
    double kEvap, kSuct, kDis;  // factors on the curve or polynomial at evaporation, suction, discharge
    double f0;                  // base factor of the compression exponent
    bool kFromSuction = false;  // k_evap = k_suct = 0.863 + 0.029 × tSuction / 30
};

}  // namespace tervalo

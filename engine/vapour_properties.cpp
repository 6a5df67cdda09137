#include "engine/vapour_properties.h"

#include <array>

#include "engine/checked_math.h"

namespace tervalo {

namespace {

enum class Form {
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

constexpr Cubic kP11{-0.55657, 1.0236e-2, -3.43685e-5, 4.33378e-8};
constexpr Cubic kP23{-37.2336, 5.11656e-1, -2.31769e-3, 3.53585e-6};
constexpr Cubic kPC3{0.0830829, 5.77693e-3, -1.30581e-6, -6.91e-10};
constexpr Cubic kPC4{-0.0847423, 6.79624e-3, -3.21809e-6, -4.03637e-10};
constexpr Cubic kPN{1.9487, 8.23487e-4, 5.44138e-6, -3.62452e-9};
constexpr Cubic kP507{0.2180099, 2.362732e-3, -3.041841e-7, -1.141106e-9};
constexpr Cubic kNoCubic{0, 0, 0, 0};

struct VapourRow {
    std::array<std::string_view, 3> names;
    double molarMass;  // kg/kmol; blends as the sum of mass fraction times component molar mass
    Form form;
    Cubic cubic;
    double kEvap, kSuct, kDis;
    double f0;                  // base factor of the compression exponent
    bool kFromSuction = false;  // k_evap = k_suct = 0.863 + 0.029 × tSuction / 30
};

constexpr double kDefaultF0 = 1.043;

// First match wins.
// clang-format off
constexpr std::array<VapourRow, 38> kRows{{
    {{"R11"}, 137.38, Form::Poly, kP11, 1, 1, 1, 1.043},
    {{"R12"}, 120.92, Form::CurveG1, kNoCubic, 0.648, 0.648, 0.645, 1.043},
    {{"R13"}, 104.5, Form::CurveG, kNoCubic, 0.81, 0.86, 1, 1.043},
    {{"R13B1"}, 149, Form::CurveG, kNoCubic, 0.53, 0.6, 0.64, 1.043},
    {{"R14"}, 88, Form::R14Line, kNoCubic, 0, 0, 0, 1.043},
    {{"R22"}, 86.48, Form::CurveG, kNoCubic, 0.812, 0.785, 0.86, 1.043},
    {{"R23"}, 70.01, Form::R23Poly, kP23, 1, 1, 1, 1.043},
    {{"R502"}, 111.6, Form::CurveG, kNoCubic, 0, 0, 0.908, 1.043, true},
    {{"PROPAN", "R290"}, 44.09, Form::Poly, kPC3, 1.09, 1.12, 1.173, 1.043},
    {{"PROPYLEN", "R1270"}, 42.08, Form::CurveG1, kNoCubic, 1.6, 1.6, 1.78, 1.043},
    {{"R600A"}, 58.123, Form::Poly, kPC4, 1.19, 1.19, 1.04, 1.043},
    {{"R152A"}, 66.1, Form::CurveG, kNoCubic, 1.16, 1.17, 1.36, 1.043},
    {{"R134A", "R413A", "ISC_49"}, 102, Form::CurveG, kNoCubic, 1.028, 1.029, 1.125, 1.043},
    {{"CO2", "R744"}, 44, Form::Poly, kPN, 0.44, 0.44, 0.725, 1.043},
    {{"R723"}, 23, Form::Poly, kPN, 0.75, 0.79, 0.73, 1.043},
    {{"AMMONIAK", "R717"}, 17.03, Form::Poly, kPN, 1, 1, 1, 1.043},
    {{"R123"}, 152.9, Form::R123Line, kNoCubic, 0, 0, 0, 1.043},
    {{"R401A"}, 136.5 * 0.34 + 66.0 * 0.13 + 86.47 * 0.53, Form::CurveG, kNoCubic, 0.863, 0.863, 0.885, 1.043},
    {{"R409A"}, 97.4, Form::CurveG, kNoCubic, 0.832, 0.832, 0.855, 1.033},
    {{"R410A"}, 81, Form::CurveG, kNoCubic, 0.97, 0.97, 1.2, 1.043},
    {{"R408A"}, 87, Form::CurveG, kNoCubic, 0.95, 0.95, 1.05, 1.039},
    {{"R401B"}, 136.5 * 0.28 + 66.0 * 0.11 + 86.47 * 0.61, Form::CurveG, kNoCubic, 0.837, 0.837, 0.858, 1.043},
    {{"R402A"}, 44.09 * 0.02 + 120.02 * 0.6 + 86.47 * 0.38, Form::CurveG, kNoCubic, 0.929, 0.929, 1.007, 1.043},
    {{"R402B"}, 44.09 * 0.02 + 120.0 * 0.38 + 86.47 * 0.6, Form::CurveG, kNoCubic, 0.889, 0.889, 0.94, 1.043},
    {{"R507"}, 98.9, Form::Poly, kP507, 1, 1, 1, 1.043},
    {{"R404A"}, 97.6, Form::CurveG, kNoCubic, 1.053, 1.053, 1.14, 1.043},
    {{"R407C", "AC9000"}, 80.13, Form::CurveG, kNoCubic, 0.995, 0.995, 0.995, 1.034},
    {{"R407A"}, 90.1, Form::CurveG, kNoCubic, 0.98, 0.98, 1.039, 1.043},
    {{"HX4"}, 94.5, Form::CurveG1, kNoCubic, 0.9, 0.9, 0.97, 1.043},
    {{"R227"}, 170.03, Form::CurveG1, kNoCubic, 0.8, 0.8, 0.91, 1.057},
    {{"R124"}, 136.48, Form::R124Line, kNoCubic, 0, 0, 0, 1},
    {{"ISC_69L", "R403B"}, 111.6, Form::CurveG, kNoCubic, 0, 0, 0.908, 1.043, true},
    {{"ISC_59", "R417A"}, 106.6, Form::CurveG, kNoCubic, 1.41, 0.93, 1.27, 1.043},
    {{"RS45"}, 106.6, Form::CurveG, kNoCubic, 1.05, 0.94, 1.2, 1.043},
    {{"ISC_29", "R422D"}, 109.8, Form::CurveG, kNoCubic, 1.02, 1.08, 1.233, 1.043},
    {{"ISC_79", "R422A"}, 113.5, Form::CurveG, kNoCubic, 1.02, 1.11, 1.348, 1.043},
    {{"FX_90"}, 109.3, Form::CurveG, kNoCubic, 0.98, 1.06, 1.07, 1.043},
    {{"ISC_89"}, 113.9, Form::CurveG, kNoCubic, 0.842, 0.93, 1.12, 1.043},
}};
// clang-format on

// R413A (ISC_49) is R134A with a little R600A and R218: after the R134A row its own molar mass and discharge
// factor apply.
constexpr double kR413aMolarMass = 0.03 * 58.123 + 0.09 * 188.02 + 0.88 * 102.0;
constexpr double kR413aKDischarge = 1.075;

const VapourRow* FindRow(std::string_view name) {
    for (const auto& row : kRows)
        for (std::string_view candidate : row.names)
            if (!candidate.empty() && name == candidate) return &row;
    return nullptr;
}

// Generic vapour heat-capacity curve over the Rankine temperature, in kcal/(kg·K) (= Btu/(lb·°F)).
CheckedValue CurveG(double tr, bool firstPowerThirdTerm) {
    const auto inverse = Divide(2.27353, tr);
    if (!inverse) return std::nullopt;
    const double third = firstPowerThirdTerm ? 0.128431e-6 * tr : 0.128431e-6 * tr * tr;
    return 0.0282 + 0.3937799e-3 * tr - third + *inverse;
}

// The curve's value as kJ/(kg·K), scaled by the refrigerant's factor.
CheckedValue CurveHeatCapacity(double k, double tr, bool firstPowerThirdTerm) {
    const auto g = CurveG(tr, firstPowerThirdTerm);
    if (!g) return std::nullopt;
    return Finite(k * *g * 4.1866);
}

}  // namespace

void VapourProperties(std::string_view name, double superheat, double tSuction, double tDischarge,
                      double tLiquid, CycleStateRecord& state) {
    const VapourRow* row = FindRow(name);
    if (!row) return;

    const double trEvap = 1.8 * (state.TEvap + superheat);
    const double trSuct = 1.8 * (tSuction + 273.15);
    const double trDis = 1.8 * tDischarge;
    const double dTs = (tSuction + 273.15) - state.TEvap;
    // The same three temperatures in kelvin, for the polynomials and lines.
    const double tEvapK = state.TEvap + superheat;
    const double tSuctK = tSuction + 273.15;
    const double tDisK = tDischarge;

    double molarMass = row->molarMass;
    const double f0 = row->f0;
    double kEvap = row->kEvap;
    double kSuct = row->kSuct;
    double kDis = row->kDis;
    if (row->kFromSuction) kEvap = kSuct = 0.863 + 0.029 * tSuction / 30;

    switch (row->form) {
        case Form::CurveG:
        case Form::CurveG1: {
            const bool g1 = row->form == Form::CurveG1;
            Store(state.cpVapourEvap, CurveHeatCapacity(kEvap, trEvap, g1));
            Store(state.cpVapourSuction, CurveHeatCapacity(kSuct, trSuct, g1));
            Store(state.cpVapourDischarge, CurveHeatCapacity(kDis, trDis, g1));
            break;
        }
        case Form::Poly:
        case Form::R23Poly:
            Store(state.cpVapourEvap, kEvap * row->cubic(tEvapK));
            Store(state.cpVapourSuction, kSuct * row->cubic(tSuctK));
            Store(state.cpVapourDischarge, kDis * row->cubic(tDisK));
            if (row->form == Form::R23Poly && tDischarge > 280)
                Store(state.cpVapourDischarge, 1.945 + (tDischarge - 280) * 0.025);
            break;
        case Form::R14Line:
            // Both at TEvap itself, without the superheat.
            Store(state.cpVapourEvap, 0.518 + 0.006 * (state.TEvap - 153.15));
            Store(state.cpVapourSuction, 0.518 + 0.006 * (state.TEvap - 153.15));
            Store(state.cpVapourDischarge, 0.79 - 0.004 * (tDischarge - 280));
            break;
        case Form::R123Line:
            Store(state.cpVapourEvap, 0.671 + 0.001765 * (tEvapK - 273.15));
            Store(state.cpVapourSuction, 0.671 + 0.001765 * (tSuctK - 273.15));
            Store(state.cpVapourDischarge, 0.671 + 0.001765 * (tDisK - 273.15));
            break;
        case Form::R124Line:
            Store(state.cpVapourEvap, 0.7787 + 0.001465 * (state.TEvap + superheat - 273.15));
            Store(state.cpVapourSuction, 0.7787 + 0.001465 * (state.TEvap + superheat - 273.15));
            Store(state.cpVapourDischarge,
                  1.35 + (tLiquid - 90 - 273.15) / 70 - 0.002265 * (tDischarge - 273.15));
            if (tLiquid < 180) Store(state.cpLiquid, 1.15 + (tLiquid - 40) / 120);
            break;
    }

    if (name == "R413A" || name == "ISC_49") {
        molarMass = kR413aMolarMass;
        kDis = kR413aKDischarge;
        Store(state.cpVapourDischarge, CurveHeatCapacity(kDis, trDis, false));
    }

    // Isentropic exponent of the suction gas as an ideal gas, times f0 and a correction that falls by 1/1800
    // per kelvin of suction superheat above 10 K.
    double gasConstant = 0;  // kJ/(kg·K)
    Store(gasConstant, Divide(8.314, molarMass));
    const double cv = state.cpVapourSuction - gasConstant;
    const double f = f0 * (0.99 - (dTs - 10) / 1800);
    if (const auto ratio = Divide(state.cpVapourSuction, cv)) Store(state.CompressionExponent, *ratio * f);
}

}  // namespace tervalo

#include "engine/vapour_properties.h"

#include "engine/checked_math.h"
#include "engine/refrigerant_registry.h"

namespace tervalo {

namespace {

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
    VapourProperties(FindRefrigerant(name), superheat, tSuction, tDischarge, tLiquid, state);
}

namespace {

// The fields of VapourProperties; `dischargeOnly` leaves those that depend on neither the discharge nor the
// liquid temperature (cpVapourEvap, cpVapourSuction and the exponent), which a run on the same state with the
// same superheat and suction temperature has already written, and would write again bit for bit.
void StoreVapourProperties(const RefrigerantRow* refrigerant, double superheat, double tSuction,
                           double tDischarge, double tLiquid, CycleStateRecord& state, bool dischargeOnly) {
    if (!refrigerant) return;
    const VapourCorrelation& vapour = refrigerant->vapour;

    const double trEvap = 1.8 * (state.TEvap + superheat);
    const double trSuct = 1.8 * (tSuction + 273.15);
    const double trDis = 1.8 * tDischarge;
    const double dTs = (tSuction + 273.15) - state.TEvap;
    // The same three temperatures in kelvin, for the polynomials and lines.
    const double tEvapK = state.TEvap + superheat;
    const double tSuctK = tSuction + 273.15;
    const double tDisK = tDischarge;

    const double molarMass = vapour.molarMass;
    const double f0 = vapour.f0;
    double kEvap = vapour.kEvap;
    double kSuct = vapour.kSuct;
    const double kDis = vapour.kDis;
    if (vapour.kFromSuction) kEvap = kSuct = 0.863 + 0.029 * tSuction / 30;

    switch (vapour.form) {
        case VapourForm::CurveG:
        case VapourForm::CurveG1: {
            const bool g1 = vapour.form == VapourForm::CurveG1;
            if (!dischargeOnly) {
                Store(state.cpVapourEvap, CurveHeatCapacity(kEvap, trEvap, g1));
                Store(state.cpVapourSuction, CurveHeatCapacity(kSuct, trSuct, g1));
            }
            Store(state.cpVapourDischarge, CurveHeatCapacity(kDis, trDis, g1));
            break;
        }
        case VapourForm::Poly:
        case VapourForm::R23Poly:
            if (!dischargeOnly) {
                Store(state.cpVapourEvap, kEvap * vapour.cubic(tEvapK));
                Store(state.cpVapourSuction, kSuct * vapour.cubic(tSuctK));
            }
            Store(state.cpVapourDischarge, kDis * vapour.cubic(tDisK));
            if (vapour.form == VapourForm::R23Poly && tDischarge > 280)
                Store(state.cpVapourDischarge, 1.945 + (tDischarge - 280) * 0.025);
            break;
        case VapourForm::R14Line:
            // Both at TEvap itself, without the superheat.
            Store(state.cpVapourEvap, 0.518 + 0.006 * (state.TEvap - 153.15));
            Store(state.cpVapourSuction, 0.518 + 0.006 * (state.TEvap - 153.15));
            Store(state.cpVapourDischarge, 0.79 - 0.004 * (tDischarge - 280));
            break;
        case VapourForm::R123Line:
            Store(state.cpVapourEvap, 0.671 + 0.001765 * (tEvapK - 273.15));
            Store(state.cpVapourSuction, 0.671 + 0.001765 * (tSuctK - 273.15));
            Store(state.cpVapourDischarge, 0.671 + 0.001765 * (tDisK - 273.15));
            break;
        case VapourForm::R124Line:
            Store(state.cpVapourEvap, 0.7787 + 0.001465 * (state.TEvap + superheat - 273.15));
            Store(state.cpVapourSuction, 0.7787 + 0.001465 * (state.TEvap + superheat - 273.15));
            Store(state.cpVapourDischarge,
                  1.35 + (tLiquid - 90 - 273.15) / 70 - 0.002265 * (tDischarge - 273.15));
            if (tLiquid < 180) Store(state.cpLiquid, 1.15 + (tLiquid - 40) / 120);
            break;
    }

    if (dischargeOnly) return;
    // Isentropic exponent of the suction gas as an ideal gas, times f0 and a correction that falls by 1/1800
    // per kelvin of suction superheat above 10 K.
    double gasConstant = 0;  // kJ/(kg·K)
    Store(gasConstant, Divide(8.314, molarMass));
    const double cv = state.cpVapourSuction - gasConstant;
    const double f = f0 * (0.99 - (dTs - 10) / 1800);
    if (const auto ratio = Divide(state.cpVapourSuction, cv)) Store(state.CompressionExponent, *ratio * f);
}

}  // namespace

void VapourProperties(const RefrigerantRow* refrigerant, double superheat, double tSuction, double tDischarge,
                      double tLiquid, CycleStateRecord& state) {
    StoreVapourProperties(refrigerant, superheat, tSuction, tDischarge, tLiquid, state, false);
}

void DischargeVapourProperties(const RefrigerantRow* refrigerant, double superheat, double tSuction,
                               double tDischarge, double tLiquid, CycleStateRecord& state) {
    StoreVapourProperties(refrigerant, superheat, tSuction, tDischarge, tLiquid, state, true);
}

}  // namespace tervalo

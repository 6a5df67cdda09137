#include "engine/compressor.h"

#include "engine/checked_math.h"

namespace tervalo {

double DischargeTemperature(double pSuction, double pDischarge, double tSuction, double n,
                            const CycleStateRecord& state) {
    double r = 0, e = 0, a = 0, b = 0, c = 0, d = 0, t2s = 0, dT = 0, t2 = 0, corr = 0, result = 0;
    Store(r, Divide(pDischarge, pSuction));
    if (const auto nMinusOneOverN = Divide(n - 1, n)) Store(e, nMinusOneOverN);
    if (const auto scaledRatio = Divide(r, 4.85)) Store(a, Power(*scaledRatio, 0.03));
    Store(b, Power((pDischarge - pSuction) / 13.7, 0.27));
    Store(c, (state.TCond - 318) * 0.373);
    if (c < 0) c = 0;
    Store(d, a * b);
    if (const auto ratioPower = Power(r, e))
        Store(t2s, tSuction * *ratioPower);  // polytropic end temperature
    Store(dT, (t2s - state.TCond) * 1.17 * 1.1);
    Store(t2, state.TCond + dT);
    Store(corr, dT * (1 - d) - c);
    Store(result, t2 - corr);
    return result;
}

double CompressorPower(double pSuction, double pDischarge, double tEvap, double tCond, double massFlow,
                       double tSuction, double hVapourCond, double hVapourEvap,
                       const CycleStateRecord& state) {
    return CompressorPowerAtDischarge(
        DischargeTemperature(pSuction, pDischarge, tSuction + 273.15, state.CompressionExponent, state),
        tEvap, tCond, massFlow, tSuction, hVapourCond, hVapourEvap, state);
}

double CompressorPowerAtDischarge(double tDischarge, double tEvap, double tCond, double massFlow,
                                  double tSuction, double hVapourCond, double hVapourEvap,
                                  const CycleStateRecord& state, CompressorWorking* working) {
    double t2 = 0, h2 = 0, h1 = 0, power = 0, s = 0, result = 0;
    Store(t2, tDischarge - 273.15);                                               // °C
    Store(h2, hVapourCond + state.cpVapourDischarge * (t2 - (tCond - 273.15)));   // compressor outlet, kJ/kg
    Store(h1, hVapourEvap + (tSuction - (tEvap - 273.15)) * state.cpVapourEvap);  // compressor inlet, kJ/kg
    Store(power, (h2 - h1) * massFlow);                                           // kW
    if (power <= 100)
        Store(s, 1 - 0.05 * power / 100);
    else
        s = 0.95;
    Store(result, power * s * 1.06);
    if (working) *working = {t2, h2, h1, power, s};
    return result;
}

}  // namespace tervalo

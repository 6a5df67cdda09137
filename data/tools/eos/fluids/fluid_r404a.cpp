// R404A (pseudo-pure blend of R125, R143a and R134a), saturation table "R404A.DAT".
// Helmholtz-energy equation of state (citation key Lemmon-IJT-2003):
//   E. W. Lemmon, "Pseudo-pure fluid equations of state for the refrigerant blends R-410A, R-404A,
//   R-507A, and R-407C", Int. J. Thermophys. 24 (2003) 991-1006.
// Pseudo-pure fluid: bubble and dew pressures from the published ancillary equations.
// Coefficients as published; the ancillary equations give starting values for the phase-equilibrium solver.

#include "data/tools/eos/fluids.h"

namespace tervalo::eos {

const FluidData& R404AFluid() {
    static const FluidData fluid{
        .name = "R404A",
        .equationOfState = "Lemmon-IJT-2003",
        .pseudoPure = true,
        .molarMass = 0.0976038,
        .gasConstant = 8.314472,
        .reducingTemperature = 345.27,
        .reducingDensity = 4939.999999999999,
        .criticalTemperature = 345.27,
        .triplePointTemperature = 200.0,
        .power =
            {
                {6.10984, 1.0, 0.67, 0.0},    {-7.79453, 1.0, 0.91, 0.0},   {0.0183377, 1.0, 5.96, 0.0},
                {0.26227, 2.0, 0.7, 0.0},     {-0.00351688, 2.0, 6.0, 0.0}, {0.0116181, 4.0, 0.3, 0.0},
                {0.00105992, 6.0, 0.7, 0.0},  {0.850922, 1.0, 1.7, 1.0},    {-0.520084, 1.0, 3.3, 1.0},
                {-0.0464225, 1.0, 7.0, 1.0},  {0.62119, 2.0, 2.05, 1.0},    {-0.195505, 2.0, 4.3, 1.0},
                {0.336159, 3.0, 2.7, 1.0},    {-0.0376062, 4.0, 1.8, 1.0},  {-0.00636579, 7.0, 1.25, 1.0},
                {-0.0758262, 2.0, 12.0, 2.0}, {-0.0221041, 3.0, 6.0, 2.0},  {0.0310441, 4.0, 8.7, 2.0},
                {0.0132798, 4.0, 11.6, 2.0},  {0.0689437, 2.0, 13.0, 3.0},  {-0.0507525, 3.0, 17.0, 3.0},
                {0.0161382, 5.0, 16.0, 3.0},
            },
        .idealGas =
            {
                .leadA1 = 7.00407,
                .leadA2 = 7.98695,
                .logTau = -1.0,
                .power = {{-18.8664, -0.3}},
                .planckEinstein = {{0.63078, 1.19617}, {3.5979, 2.32861}, {5.0335, 5.00188}},
            },
        .bubblePressure = {345.27,
                           3734800.0,
                           true,
                           {{0.061067, 0.54}, {-6.5646, 0.965}, {-3.6162, 3.7}, {-3.9771, 9.0}}},
        .dewPressure = {345.27,
                        3734800.0,
                        true,
                        {{-0.00026863, 0.1}, {-6.5757, 0.972}, {-4.1802, 3.8}, {-7.9102, 9.0}}},
        .liquidDensity = {345.27,
                          4939.999999999999,
                          false,
                          {{-0.011777381218307114, 0.066},
                           {2.4984547682678704, 0.377},
                           {5367.932468376006, 8.99},
                           {-3732982.2139762687, 13.98},
                           {33474569.015986394, 15.982},
                           {-80262239.93679684, 17.954}}},
        .vapourDensity = {345.27,
                          4939.999999999999,
                          true,
                          {{-5.211849919504925, 0.485},
                           {6.798109425092868, 0.989},
                           {-13.038945243933242, 1.431},
                           {9.654798311425768, 2.495},
                           {-320.35292894913766, 7.812},
                           {80023.04183470446, 15.329}}},
        .published0C = {{.pDewBar = "6.00273026",
                         .pBubbleBar = "6.10180787",
                         .hLiquid = "200.000000",
                         .hVapour = "365.817744",
                         .rhoLiquid = "1149.98069",
                         .rhoVapour = "30.4565878"}},
    };
    return fluid;
}

}  // namespace tervalo::eos

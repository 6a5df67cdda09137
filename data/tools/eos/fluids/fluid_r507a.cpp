// R507A (pseudo-pure blend of R125 and R143a), saturation table "R507.DAT".
// Helmholtz-energy equation of state (citation key Lemmon-IJT-2003):
//   E. W. Lemmon, "Pseudo-pure fluid equations of state for the refrigerant blends R-410A, R-404A,
//   R-507A, and R-407C", Int. J. Thermophys. 24 (2003) 991-1006.
// Pseudo-pure fluid: bubble and dew pressures from the published ancillary equations.
// Coefficients as published; the ancillary equations give starting values for the phase-equilibrium solver.

#include "data/tools/eos/fluids.h"

namespace tervalo::eos {

const FluidData& R507AFluid() {
    static const FluidData fluid{
        .name = "R507A",
        .equationOfState = "Lemmon-IJT-2003",
        .pseudoPure = true,
        .molarMass = 0.09885920000000001,
        .gasConstant = 8.314472,
        .reducingTemperature = 343.765,
        .reducingDensity = 4964.029650250053,
        .criticalTemperature = 343.765,
        .triplePointTemperature = 200.0,
        .power =
            {
                {6.24982, 1.0, 0.692, 0.0},   {-8.07855, 1.0, 0.943, 0.0},   {0.0264843, 1.0, 5.8, 0.0},
                {0.286215, 2.0, 0.77, 0.0},   {-0.00507076, 2.0, 5.84, 0.0}, {0.0109552, 4.0, 0.24, 0.0},
                {0.00116124, 6.0, 0.69, 0.0}, {1.38469, 1.0, 2.0, 1.0},      {-0.922473, 1.0, 3.0, 1.0},
                {-0.0503562, 1.0, 7.0, 1.0},  {0.822098, 2.0, 2.2, 1.0},     {-0.277727, 2.0, 4.3, 1.0},
                {0.358172, 3.0, 2.7, 1.0},    {-0.0126426, 4.0, 1.2, 1.0},   {-0.0060701, 7.0, 1.23, 1.0},
                {-0.0815653, 2.0, 12.0, 2.0}, {-0.0233323, 3.0, 6.0, 2.0},   {0.0352952, 4.0, 8.5, 2.0},
                {0.0159566, 4.0, 11.5, 2.0},  {0.0755927, 2.0, 13.0, 3.0},   {-0.0542007, 3.0, 17.0, 3.0},
                {0.0170451, 5.0, 16.2, 3.0},
            },
        .idealGas =
            {
                .leadA1 = 9.93541,
                .leadA2 = 7.9985,
                .logTau = -1.0,
                .power = {{-21.6054, -0.25}},
                .planckEinstein = {{0.95006, 1.05886}, {4.1887, 2.37081}, {5.5184, 5.14305}},
                .offsetA1 = -0.000171976752843711,
                .offsetA2 = -1.94367029874932e-05,
            },
        .bubblePressure = {343.765,
                           3704900.0,
                           true,
                           {{-7.4853, 1.0}, {2.0115, 1.5}, {-2.0141, 2.2}, {-3.7763, 4.6}}},
        .dewPressure = {343.765,
                        3704900.0,
                        true,
                        {{-7.5459, 1.0}, {2.338, 1.5}, {-2.237, 2.1}, {-4.1535, 4.7}}},
        .liquidDensity = {343.765,
                          4964.029650250053,
                          false,
                          {{-1.1909272837212852, 0.093},
                           {2.4301888224201074, 0.162},
                           {3.512171521080571, 0.914},
                           {-3.7013727137258634, 1.425},
                           {2.358426436855713, 2.269},
                           {-3.9469718132522256, 7.339}}},
        .vapourDensity = {343.765,
                          4964.029650250053,
                          true,
                          {{3.975317800427674, 0.11},
                           {-74.1368924572824, 0.26},
                           {75.98726158051952, 0.286},
                           {-11.56733447604713, 0.563},
                           {3.084500064878586, 2.03},
                           {-6.722628041295302, 2.811}}},
        .published0C = {{.pDewBar = "6.23969083",
                         .pBubbleBar = "6.24393302",
                         .hLiquid = "200.000000",
                         .hVapour = "362.058283",
                         .rhoLiquid = "1156.25913",
                         .rhoVapour = "32.2433876"}},
    };
    return fluid;
}

}  // namespace tervalo::eos

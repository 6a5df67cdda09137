// R410A (pseudo-pure blend of R32 and R125), saturation table "R410A.DAT".
// Helmholtz-energy equation of state (citation key Lemmon-IJT-2003):
//   E. W. Lemmon, "Pseudo-pure fluid equations of state for the refrigerant blends R-410A, R-404A,
//   R-507A, and R-407C", Int. J. Thermophys. 24 (2003) 991-1006.
// Pseudo-pure fluid: bubble and dew pressures from the published ancillary equations.
// Coefficients as published; the ancillary equations give starting values for the phase-equilibrium solver.

#include "data/tools/eos/fluids.h"

namespace tervalo::eos {

const FluidData& R410AFluid() {
    static const FluidData fluid{
        .name = "R410A",
        .equationOfState = "Lemmon-IJT-2003",
        .pseudoPure = true,
        .molarMass = 0.07258540000000001,
        .gasConstant = 8.314472,
        .reducingTemperature = 344.494,
        .reducingDensity = 6323.999999999999,
        .criticalTemperature = 344.494,
        .triplePointTemperature = 200.0,
        .power =
            {
                {0.987252, 1.0, 0.44, 0.0},    {-1.03017, 1.0, 1.2, 0.0},   {1.17666, 1.0, 2.97, 0.0},
                {-0.138991, 2.0, 2.95, 0.0},   {0.00302373, 5.0, 0.2, 0.0}, {-2.53639, 1.0, 1.93, 1.0},
                {-1.9668, 2.0, 1.78, 1.0},     {-0.83048, 3.0, 3.0, 1.0},   {0.172477, 5.0, 0.2, 1.0},
                {-0.261116, 5.0, 0.74, 1.0},   {-0.0745473, 5.0, 3.0, 1.0}, {0.679757, 1.0, 2.1, 2.0},
                {-0.652431, 1.0, 4.3, 2.0},    {0.0553849, 4.0, 0.25, 2.0}, {-0.071097, 4.0, 7.0, 2.0},
                {-0.000875332, 9.0, 4.7, 2.0}, {0.020076, 2.0, 13.0, 3.0},  {-0.0139761, 2.0, 16.0, 3.0},
                {-0.018511, 4.0, 25.0, 3.0},   {0.0171939, 5.0, 17.0, 3.0}, {-0.00482049, 6.0, 7.4, 3.0},
            },
        .idealGas =
            {
                .leadA1 = 36.8871,
                .leadA2 = 7.15807,
                .logTau = -1.0,
                .power = {{-46.87575, -0.1}},
                .planckEinstein = {{2.0623, 2.02326}, {5.9751, 5.00154}, {1.5612, 11.2484}},
            },
        .bubblePressure = {344.494,
                           4901200.0,
                           true,
                           {{-7.2818, 1.0}, {2.5093, 1.8}, {-3.2695, 2.4}, {-2.8022, 4.9}}},
        .dewPressure = {344.494,
                        4901200.0,
                        true,
                        {{-7.4411, 1.0}, {1.9883, 1.6}, {-2.4925, 2.4}, {-3.2633, 5.0}}},
        .liquidDensity = {344.494,
                          6323.999999999999,
                          false,
                          {{17.62376356934577, 0.732},
                           {-34.49248423230781, 1.165},
                           {229.4790425881445, 2.775},
                           {-332.5139608181856, 3.462},
                           {23058076.978355706, 15.531},
                           {-31889422.797179773, 15.944}}},
        .vapourDensity = {344.494,
                          6323.999999999999,
                          true,
                          {{-25.00709732482156, 0.676},
                           {34.83593078562833, 0.844},
                           {-33.0203056956001, 1.394},
                           {61.19129776625034, 2.411},
                           {-63.32155175461899, 3.149},
                           {149.8912653231937, 7.808}}},
        .published0C = {{.pDewBar = "7.98082979",
                         .pBubbleBar = "8.00705378",
                         .hLiquid = "200.000000",
                         .hVapour = "421.387768",
                         .rhoLiquid = "1169.9462",
                         .rhoVapour = "30.5745963"}},
    };
    return fluid;
}

}  // namespace tervalo::eos

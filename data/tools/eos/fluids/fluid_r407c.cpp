// R407C (pseudo-pure blend of R32, R125 and R134a), saturation table "R407C.DAT".
// Helmholtz-energy equation of state (citation key Lemmon-IJT-2003):
//   E. W. Lemmon, "Pseudo-pure fluid equations of state for the refrigerant blends R-410A, R-404A,
//   R-507A, and R-407C", Int. J. Thermophys. 24 (2003) 991-1006.
// Pseudo-pure fluid: bubble and dew pressures from the published ancillary equations.
// Coefficients as published; the ancillary equations give starting values for the phase-equilibrium solver.

#include "data/tools/eos/fluids.h"

namespace tervalo::eos {

const FluidData& R407CFluid() {
    static const FluidData fluid{
        .name = "R407C",
        .equationOfState = "Lemmon-IJT-2003",
        .pseudoPure = true,
        .molarMass = 0.08620359999999999,
        .gasConstant = 8.314472,
        .reducingTemperature = 359.345,
        .reducingDensity = 5260.000046401775,
        .criticalTemperature = 359.345,
        .triplePointTemperature = 200.0,
        .power =
            {
                {1.0588, 1.0, 0.241, 0.0},     {-1.12018, 1.0, 0.69, 0.0},    {0.629064, 1.0, 2.58, 0.0},
                {-0.351953, 2.0, 1.15, 0.0},   {0.00455978, 5.0, 0.248, 0.0}, {-1.75725, 1.0, 2.15, 1.0},
                {-1.12009, 2.0, 2.43, 1.0},    {0.0277353, 2.0, 5.3, 1.0},    {0.898881, 3.0, 0.76, 1.0},
                {-1.17591, 3.0, 1.48, 1.0},    {0.0818591, 5.0, 0.24, 1.0},   {-0.0794097, 5.0, 2.86, 1.0},
                {-1.04047e-05, 5.0, 8.0, 1.0}, {0.233779, 1.0, 3.3, 2.0},     {-0.29179, 1.0, 4.7, 2.0},
                {0.0154776, 4.0, 0.45, 2.0},   {-0.0314579, 4.0, 8.4, 2.0},   {-0.00442552, 2.0, 16.2, 3.0},
                {-0.0101254, 4.0, 26.0, 3.0},  {0.00915953, 5.0, 16.0, 3.0},  {-0.003615, 6.0, 8.7, 3.0},
            },
        .idealGas =
            {
                .leadA1 = 2.13194,
                .leadA2 = 8.05008,
                .logTau = -1.0,
                .power = {{-14.3914, -0.4}},
                .planckEinstein = {{1.4245, 2.40437}, {3.9419, 5.25122}, {3.1209, 13.3632}},
            },
        .bubblePressure = {359.345,
                           4631700.0,
                           true,
                           {{0.48722, 0.54}, {-6.6959, 0.925}, {-1.4165, 2.7}, {-2.5109, 4.7}}},
        .dewPressure = {359.345,
                        4631700.0,
                        true,
                        {{-0.086077, 0.4}, {-6.6364, 0.965}, {-2.4648, 3.1}, {-3.4776, 5.0}}},
        .liquidDensity = {359.345,
                          5260.000046401775,
                          false,
                          {{5.484626525085367, 0.478},
                           {-132.94290476910828, 1.487},
                           {390.0966131363964, 1.826},
                           {-414.8227131759332, 2.271},
                           {424.49338909908334, 3.413},
                           {-294.0732646506709, 4.019}}},
        .vapourDensity = {359.345,
                          5260.000046401775,
                          true,
                          {{-0.7403294274768993, 0.36},
                           {-3.4984730053164657, 0.53},
                           {-3.707063870074722, 1.61},
                           {9.58842271173753, 2.842},
                           {-15.235025525549892, 3.565},
                           {7.7277234094710305, 7.376}}},
        .published0C = {{.pDewBar = "4.60724064",
                         .pBubbleBar = "5.6788981",
                         .hLiquid = "200.000000",
                         .hVapour = "409.379803",
                         .rhoLiquid = "1236.17935",
                         .rhoVapour = "19.6912791"}},
    };
    return fluid;
}

}  // namespace tervalo::eos

// R124 (2-chloro-1,1,1,2-tetrafluoroethane), saturation table "R124.DAT".
// Helmholtz-energy equation of state (citation key deVries-ICR-1995):
//   B. de Vries, R. Tillner-Roth and H. D. Baehr, "Thermodynamic properties of HCFC 124", 19th
//   International Congress of Refrigeration, The Hague (1995), IIIa, 582-589.
// Coefficients as published; the ancillary equations give starting values for the phase-equilibrium solver.

#include "data/tools/eos/fluids.h"

namespace tervalo::eos {

const FluidData& R124Fluid() {
    static const FluidData fluid{
        .name = "R124",
        .equationOfState = "deVries-ICR-1995",
        .pseudoPure = false,
        .molarMass = 0.1364762,
        .gasConstant = 8.314471,
        .reducingTemperature = 395.425,
        .reducingDensity = 4103.279546177282,
        .criticalTemperature = 395.425,
        .triplePointTemperature = 120.0,
        .power =
            {
                {-0.01262962, 1.0, 2.0, 0.0},   {2.168373, 1.0, 0.5, 0.0},
                {-3.330033, 1.0, 1.0, 0.0},     {0.1610361, 2.0, 0.5, 0.0},
                {-9.666145e-05, 2.0, 2.5, 0.0}, {0.0119131, 3.0, -1.0, 0.0},
                {-0.002880217, 5.0, 1.0, 0.0},  {0.001681346, 6.0, 0.0, 0.0},
                {1.594968e-05, 8.0, -0.5, 0.0}, {0.1289674, 2.0, 1.5, 1.0},
                {1.182213e-05, 12.0, 1.0, 1.0}, {-0.4713997, 1.0, 2.5, 2.0},
                {-0.2412873, 1.0, -0.25, 2.0},  {0.6868066, 1.0, 1.0, 2.0},
                {-0.08621095, 1.0, 5.0, 2.0},   {4.728645e-06, 15.0, 2.0, 2.0},
                {0.01487933, 3.0, 15.0, 3.0},   {-0.03001338, 3.0, 20.0, 3.0},
                {0.001849606, 4.0, 15.0, 4.0},  {0.0004126073, 9.0, 45.0, 4.0},
            },
        .idealGas =
            {
                .leadA1 = -11.669406,
                .leadA2 = 9.8760443,
                .logTau = 2.175638,
                .power = {{-7.389735, -1.0}, {0.8736831, -2.0}, {-0.1115133, -3.0}},
                .offsetA1 = -0.000144036507408073,
                .offsetA2 = 7.30088431548676e-05,
            },
        .saturationPressure = {395.425,
                               3624295.0,
                               true,
                               {{-5.532034162429256, 1.003},
                                {-4.742002285997961, 1.051},
                                {4.083301102214, 1.163},
                                {-0.8556260869752595, 2.188},
                                {-3.759805971191399, 4.015},
                                {-5.094637151194883, 19.693}}},
        .liquidDensity = {395.425,
                          4103.279546177282,
                          false,
                          {{9.076759200951095, 0.482},
                           {-17.685013904231155, 0.651},
                           {59.69226551115479, 0.881},
                           {-48.46415018361892, 0.914},
                           {0.6023234565910854, 5.001},
                           {-1.0939055527121821, 10.577}}},
        .vapourDensity = {395.425,
                          4103.279546177282,
                          true,
                          {{-3.6411060779677857, 0.415},
                           {0.3822304251070335, 0.5},
                           {-19.603560148262865, 1.704},
                           {181.0410898999192, 2.307},
                           {-168.52216602298836, 2.394},
                           {-2.5180916684231893, 13.161}}},
    };
    return fluid;
}

}  // namespace tervalo::eos

// Propane (R290), saturation table "PROPAN.DAT".
// Helmholtz-energy equation of state (citation key Lemmon-JCED-2009):
//   E. W. Lemmon, M. O. McLinden and W. Wagner, "Thermodynamic properties of propane. III. A reference
//   equation of state for temperatures from the melting line to 650 K and pressures up to 1000 MPa", J.
//   Chem. Eng. Data 54 (2009) 3141-3180.
// Coefficients as published; the ancillary equations give starting values for the phase-equilibrium solver.

#include "data/tools/eos/fluids.h"

namespace tervalo::eos {

const FluidData& PropaneFluid() {
    static const FluidData fluid{
        .name = "n-Propane",
        .equationOfState = "Lemmon-JCED-2009",
        .pseudoPure = false,
        .molarMass = 0.04409562,
        .gasConstant = 8.314472,
        .reducingTemperature = 369.89,
        .reducingDensity = 5000.000000000001,
        .criticalTemperature = 369.89,
        .triplePointTemperature = 85.525,
        .power =
            {
                {0.042910051, 4.0, 1.0, 0.0},
                {1.7313671, 1.0, 0.33, 0.0},
                {-2.4516524, 1.0, 0.8, 0.0},
                {0.34157466, 2.0, 0.43, 0.0},
                {-0.46047898, 2.0, 0.9, 0.0},
                {-0.66847295, 1.0, 2.46, 1.0},
                {0.20889705, 3.0, 2.09, 1.0},
                {0.19421381, 6.0, 0.88, 1.0},
                {-0.22917851, 6.0, 1.09, 1.0},
                {-0.60405866, 2.0, 3.25, 2.0},
                {0.066680654, 3.0, 4.62, 2.0},
            },
        .gaussian =
            {
                {0.017534618, 1.0, 0.76, 0.963, 1.283, 2.33, 0.684},
                {0.33874242, 1.0, 2.5, 1.977, 0.6936, 3.47, 0.829},
                {0.22228777, 1.0, 2.75, 1.917, 0.788, 3.15, 1.419},
                {-0.23219062, 2.0, 3.05, 2.307, 0.473, 3.19, 0.817},
                {-0.09220694, 2.0, 2.55, 2.546, 0.8577, 0.92, 1.5},
                {-0.47575718, 4.0, 8.4, 3.28, 0.271, 18.8, 1.426},
                {-0.017486824, 1.0, 6.75, 14.6, 0.948, 547.8, 1.093},
            },
        .idealGas =
            {
                .leadA1 = -4.970583,
                .leadA2 = 4.29352,
                .logTau = 3.0,
                .planckEinstein =
                    {{3.043, 1.062478}, {5.874, 3.344237}, {9.337, 5.363757}, {7.922, 11.762957}},
            },
        .saturationPressure = {369.89,
                               4251200.0,
                               true,
                               {{-23.998635747391152, 1.05},
                                {18.313017605233238, 1.084},
                                {-0.42240851966839504, 2.259},
                                {-2.7378298813798962, 4.287},
                                {0.257888414168987, 7.66},
                                {-1.3113462226130785, 18.584}}},
        .liquidDensity = {369.89,
                          5000.000000000001,
                          false,
                          {{2.104068052280433, 0.368},
                           {0.3371892411622086, 0.875},
                           {0.4401223810964251, 3.009},
                           {-3.5679018989260567, 9.51},
                           {59.93889697061387, 15.381},
                           {-70.9402469085883, 17.001}}},
        .vapourDensity = {369.89,
                          5000.000000000001,
                          true,
                          {{-3.401360845132903, 0.431},
                           {-1.9443653795380451, 1.339},
                           {-0.4101211459709529, 2.091},
                           {-15.598374206544214, 6.822},
                           {15.844867806184942, 8.214},
                           {-15.298907422332046, 19.706}}},
        .published0C = {{.pDewBar = "4.74457543",
                         .pBubbleBar = "4.74457543",
                         .hLiquid = "200.000000",
                         .hVapour = "574.866104",
                         .rhoLiquid = "528.593803",
                         .rhoVapour = "10.3505289"}},
    };
    return fluid;
}

}  // namespace tervalo::eos

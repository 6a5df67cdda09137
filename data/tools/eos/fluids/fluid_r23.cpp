// R23 (trifluoromethane), saturation table "R23.DAT".
// Helmholtz-energy equation of state (citation key Penoncello-JPCRD-2003):
//   S. G. Penoncello, E. W. Lemmon, R. T. Jacobsen and Z. Shan, "A fundamental equation for
//   trifluoromethane (R-23)", J. Phys. Chem. Ref. Data 32 (2003) 1473-1499.
// Coefficients as published; the ancillary equations give starting values for the phase-equilibrium solver.

#include "data/tools/eos/fluids.h"

namespace tervalo::eos {

const FluidData& R23Fluid() {
    static const FluidData fluid{
        .name = "R23",
        .equationOfState = "Penoncello-JPCRD-2003",
        .pseudoPure = false,
        .molarMass = 0.07001385,
        .gasConstant = 8.314472,
        .reducingTemperature = 299.293,
        .reducingDensity = 7519.999999999999,
        .criticalTemperature = 299.293,
        .triplePointTemperature = 118.02,
        .power =
            {
                {7.041529, 1.0, 0.744, 0.0},
                {-8.259512, 1.0, 0.94, 0.0},
                {0.00805304, 1.0, 4.3, 0.0},
                {-0.08617615, 2.0, 1.46, 0.0},
                {0.00633341, 5.0, 0.68, 0.0},
                {-0.1863285, 1.0, 4.8, 1.0},
                {0.328051, 2.0, 1.5, 1.0},
                {0.5191023, 3.0, 2.07, 1.0},
                {0.06916144, 5.0, 0.09, 1.0},
                {-0.005045875, 1.0, 9.6, 2.0},
                {-0.01744221, 2.0, 0.19, 2.0},
                {-0.05003972, 2.0, 11.2, 2.0},
                {0.04729813, 4.0, 0.27, 2.0},
                {-0.06164031, 4.0, 1.6, 2.0},
                {0.01583585, 4.0, 10.3, 2.0},
                {-0.00179579, 2.0, 14.0, 3.0},
                {-0.001099007, 2.0, 15.0, 4.0},
            },
        .idealGas =
            {
                .leadA1 = -8.31386064,
                .leadA2 = 6.55087253,
                .logTau = 2.999,
                .planckEinstein = {{2.371, 2.485858339486724},
                                   {3.237, 4.874821663052594},
                                   {2.61, 7.133477896242144},
                                   {0.8274, 16.4086697650797}},
            },
        .saturationPressure = {299.293,
                               4832000.0,
                               true,
                               {{-9.122332373664854, 1.014},
                                {3.016924110443656, 1.178},
                                {-0.5967906858271617, 2.077},
                                {9.579184584147457, 3.82},
                                {-12.877039154975156, 3.866},
                                {0.4375260704699433, 12.722}}},
        .liquidDensity = {299.293,
                          7519.999999999999,
                          false,
                          {{-3.3533086837494186, 0.212},
                           {5.426490146945459, 0.25},
                           {-0.27772667131392875, 0.358},
                           {1.022401312663457, 0.841},
                           {8.263580367250993, 9.921},
                           {-245.19616208727248, 17.541}}},
        .vapourDensity = {299.293,
                          7519.999999999999,
                          true,
                          {{-5.0704437393717505, 0.475},
                           {4.7882747149545795, 0.852},
                           {-23.58027456800221, 1.451},
                           {23.333602102883393, 1.751},
                           {-9.217295829606783, 2.978},
                           {4.050830873748802, 14.67}}},
        .published0C = {{.pDewBar = "24.9468909",
                         .pBubbleBar = "24.9468909",
                         .hLiquid = "200.000000",
                         .hVapour = "337.643175",
                         .rhoLiquid = "1035.07875",
                         .rhoVapour = "118.668598"}},
    };
    return fluid;
}

}  // namespace tervalo::eos

// R134a (1,1,1,2-tetrafluoroethane), saturation table "R134A.DAT".
// Helmholtz-energy equation of state (citation key TillnerRoth-JPCRD-1994):
//   R. Tillner-Roth and H. D. Baehr, "An international standard formulation for the thermodynamic
//   properties of 1,1,1,2-tetrafluoroethane (HFC-134a) for temperatures from 170 K to 455 K and
//   pressures up to 70 MPa", J. Phys. Chem. Ref. Data 23 (1994) 657-729.
// Coefficients as published; the ancillary equations give starting values for the phase-equilibrium solver.

#include "data/tools/eos/fluids.h"

namespace tervalo::eos {

const FluidData& R134aFluid() {
    static const FluidData fluid{
        .name = "R134a",
        .equationOfState = "TillnerRoth-JPCRD-1994",
        .pseudoPure = false,
        .molarMass = 0.102032,
        .gasConstant = 8.314471,
        .reducingTemperature = 374.18,
        .reducingDensity = 4978.830171000001,
        .criticalTemperature = 374.21,
        .triplePointTemperature = 169.85,
        .power =
            {
                {0.05586817, 2.0, -0.5, 0.0},     {0.498223, 1.0, 0.0, 0.0},
                {0.02458698, 3.0, 0.0, 0.0},      {0.0008570145, 6.0, 0.0, 0.0},
                {0.0004788584, 6.0, 1.5, 0.0},    {-1.800808, 1.0, 1.5, 0.0},
                {0.2671641, 1.0, 2.0, 0.0},       {-0.04781652, 2.0, 2.0, 0.0},
                {0.01423987, 5.0, 1.0, 1.0},      {0.3324062, 2.0, 3.0, 1.0},
                {-0.007485907, 2.0, 5.0, 1.0},    {0.0001017263, 4.0, 1.0, 2.0},
                {-0.5184567, 1.0, 5.0, 2.0},      {-0.08692288, 4.0, 5.0, 2.0},
                {0.2057144, 1.0, 6.0, 2.0},       {-0.005000457, 2.0, 10.0, 2.0},
                {0.0004603262, 4.0, 10.0, 2.0},   {-0.003497836, 1.0, 10.0, 3.0},
                {0.006995038, 5.0, 18.0, 3.0},    {-0.01452184, 3.0, 22.0, 3.0},
                {-0.0001285458, 10.0, 50.0, 4.0},
            },
        .idealGas =
            {
                .leadA1 = -1.019535,
                .leadA2 = 9.047135,
                .logTau = -1.629789,
                .power = {{-9.723916, -0.5}, {-3.92717, -0.75}},
            },
        .saturationPressure = {374.21,
                               4059280.0,
                               true,
                               {{0.4331478287291047, 0.845},
                                {-9.090302559074352, 0.99},
                                {2.1476074125217703, 1.14},
                                {-1.557687007603464, 2.651},
                                {-3.5020328972698604, 4.507},
                                {14.958442337201044, 17.235}}},
        .liquidDensity = {374.21,
                          5017.053,
                          false,
                          {{18.772731940930015, 0.673},
                           {-51.49939472178225, 0.994},
                           {40.793536440596085, 1.257},
                           {-1481.6500471538966, 5.783},
                           {1600.534434298925, 5.943},
                           {-67338.52423732559, 19.94}}},
        .vapourDensity = {374.21,
                          5017.053,
                          true,
                          {{-5.147386240766544, 0.476},
                           {5.34618043286371, 0.966},
                           {-7.611015272838434, 1.321},
                           {-28.85436432788653, 8.491},
                           {-9.079306067130748, 13.463},
                           {64.0, 13.463}}},
        .published0C = {{.pDewBar = "2.92803182",
                         .pBubbleBar = "2.92803182",
                         .hLiquid = "200.000000",
                         .hVapour = "398.603465",
                         .rhoLiquid = "1294.77702",
                         .rhoVapour = "14.4282014"}},
    };
    return fluid;
}

}  // namespace tervalo::eos

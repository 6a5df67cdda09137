// R227ea (1,1,1,2,3,3,3-heptafluoropropane), saturation table "R227.DAT".
// Helmholtz-energy equation of state (citation key Lemmon-JCED-2016-365227):
//   E. W. Lemmon and R. Span, "Thermodynamic properties of R-227ea, R-365mfc, R-115, and R-13I1", J.
//   Chem. Eng. Data.
// Coefficients as published; the ancillary equations give starting values for the phase-equilibrium solver.

#include "data/tools/eos/fluids.h"

namespace tervalo::eos {

const FluidData& R227eaFluid() {
    static const FluidData fluid{
        .name = "R227EA",
        .equationOfState = "Lemmon-JCED-2016-365227",
        .pseudoPure = false,
        .molarMass = 0.17002886,
        .gasConstant = 8.3144621,
        .reducingTemperature = 374.9,
        .reducingDensity = 3495.0,
        .criticalTemperature = 374.90000000000003,
        .triplePointTemperature = 146.35,
        .power =
            {
                {2.024341, 1.0, 0.34, 0.0},
                {-2.60593, 1.0, 0.77, 0.0},
                {0.4957216, 2.0, 0.36, 0.0},
                {-0.824082, 2.0, 0.9, 0.0},
                {0.06543703, 4.0, 1.0, 0.0},
                {-1.02461, 1.0, 2.82, 1.0},
                {0.6247065, 3.0, 2.1, 1.0},
                {0.2997521, 6.0, 0.9, 1.0},
                {-0.353917, 6.0, 1.13, 1.0},
                {-1.232043, 2.0, 3.8, 2.0},
                {-0.8824483, 3.0, 2.75, 2.0},
            },
        .gaussian =
            {
                {0.1349661, 1.0, 1.5, 0.83, 1.13, 1.72, 0.414},
                {-0.2662928, 2.0, 2.5, 2.19, 0.71, 5.2, 1.051},
                {0.1764733, 1.0, 2.5, 2.44, 1.2, 2.31, 1.226},
                {0.01536163, 1.0, 5.4, 3.65, 1.7, 1.02, 1.7},
                {-0.004667185, 4.0, 4.0, 8.88, 0.546, 5.63, 0.904},
                {-11.70854, 2.0, 1.0, 8.23, 0.896, 50.9, 1.42},
                {0.9114512, 1.0, 3.5, 2.01, 0.747, 1.56, 0.926},
            },
        .idealGas =
            {
                .leadA1 = -15.8291124137,
                .leadA2 = 11.0879509962,
                .logTau = 3.0,
                .planckEinstein = {{11.43, 1.07495332088557}, {12.83, 3.809015737530008}},
            },
        .saturationPressure = {374.9,
                               2925000.0,
                               true,
                               {{-7.109161477135856, 0.987},
                                {-0.43619976868074284, 1.312},
                                {5.934481777381213, 1.927},
                                {39.44778344273422, 3.476},
                                {-41.38716737709299, 3.578},
                                {-8.362365023243223, 2.248}}},
        .liquidDensity = {374.9,
                          3495.0,
                          false,
                          {{-0.037180636267061765, 0.12},
                           {2.2565260411325867, 0.35},
                           {16.777771835065064, 2.248},
                           {-22.313716095609287, 2.467},
                           {6.793310681390873, 3.208},
                           {-10.89306852102585, 12.192}}},
        .vapourDensity = {374.9,
                          3495.0,
                          true,
                          {{-6.947050225285722, 0.434},
                           {123.4065348806111, 0.676},
                           {-122.5651518640378, 0.691},
                           {-9.994885618440552, 4.287},
                           {3.478879029818986, 4.613},
                           {245.61726193605475, 19.251}}},
    };
    return fluid;
}

}  // namespace tervalo::eos

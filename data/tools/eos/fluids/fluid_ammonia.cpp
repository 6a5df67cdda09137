// Ammonia (R717), saturation table "AMMONIAK.DAT".
// Helmholtz-energy equation of state (citation key Gao-JPCRD-2020):
//   K. Gao, J. Wu, I. H. Bell, A. H. Harvey and E. W. Lemmon, reference equation of state for ammonia
//   with an associating term, J. Phys. Chem. Ref. Data.
// Coefficients as published; the ancillary equations give starting values for the phase-equilibrium solver.

#include "data/tools/eos/fluids.h"

namespace tervalo::eos {

const FluidData& AmmoniaFluid() {
    static const FluidData fluid{
        .name = "Ammonia",
        .equationOfState = "Gao-JPCRD-2020",
        .pseudoPure = false,
        .molarMass = 0.01703052,
        .gasConstant = 8.3144598,
        .reducingTemperature = 405.56,
        .reducingDensity = 13696.0,
        .criticalTemperature = 405.56,
        .triplePointTemperature = 195.495,
        .power =
            {
                {0.006132232, 4.0, 1.0, 0.0},
                {1.7395866, 1.0, 0.382, 0.0},
                {-2.2261792, 1.0, 1.0, 0.0},
                {-0.30127553, 2.0, 1.0, 0.0},
                {0.08967023, 3.0, 0.677, 0.0},
                {-0.076387037, 3.0, 2.915, 2.0},
                {-0.84063963, 2.0, 3.51, 2.0},
                {-0.27026327, 3.0, 1.063, 1.0},
            },
        .gaussian =
            {
                {6.212578, 1.0, 0.655, 0.42776, -0.0726, 1.708, 1.036},
                {-5.7844357, 1.0, 1.3, 0.6424, -0.1274, 1.4865, 1.2777},
                {2.4817542, 1.0, 3.1, 0.8175, 0.7527, 2.0915, 1.083},
                {-2.3739168, 2.0, 1.4395, 0.7995, 0.57, 2.43, 1.2906},
                {0.01493697, 2.0, 1.623, 0.91, 2.2, 0.488, 0.928},
                {-3.7749264, 1.0, 0.643, 0.3574, -0.243, 1.1, 0.934},
                {0.0006254348, 3.0, 1.13, 1.21, 2.96, 0.85, 0.919},
                {-1.7359e-05, 3.0, 4.5, 4.14, 3.02, 1.14, 1.852},
                {-0.13462033, 1.0, 1.0, 22.56, 0.9574, 945.64, 1.05897},
                {0.07749072839, 1.0, 4.0, 22.68, 0.9576, 993.85, 1.05277},
            },
        .gaoB =
            {
                {-1.6909858, 4.3315, 1.0, -2.8452, 0.3696, 1.108, 0.4478, 1.244},
                {0.93739074, 4.015, 1.0, -2.8342, 0.2962, 1.313, 0.44689, 0.6826},
            },
        .idealGas =
            {
                .leadA1 = -6.59406093943886,
                .leadA2 = 5.60101151987913,
                .logTau = 3.0,
                .planckEinstein = {{2.224, 4.0585856593352405},
                                   {3.148, 9.776605187888352},
                                   {0.9579, 17.829667620080876}},
            },
        .saturationPressure =
            {405.56,
             11365000.0,
             true,
             {{-7.2257, 1.0}, {1.4263, 1.5}, {-0.59642, 2.0}, {-2.798, 3.6}, {-3.7869, 15.5}}},
        .liquidDensity = {405.56,
                          13696.0,
                          false,
                          {{2.447, 0.384},
                           {5.8341, 1.65},
                           {-25.944, 2.2},
                           {53.383, 2.75},
                           {-54.411, 3.35},
                           {22.771, 4.0}}},
        .vapourDensity = {405.56,
                          13696.0,
                          false,
                          {{-0.053296, 0.14},
                           {-3.4589, 0.44},
                           {-6.7572, 1.314},
                           {-17.26, 3.225},
                           {-43.12, 6.4},
                           {-115.18, 14.0}}},
        .published0C = {{.pDewBar = "4.29247799",
                         .pBubbleBar = "4.29247799",
                         .hLiquid = "200.000000",
                         .hVapour = "1461.773198",
                         .rhoLiquid = "638.638205",
                         .rhoVapour = "3.45601088"}},
    };
    return fluid;
}

}  // namespace tervalo::eos

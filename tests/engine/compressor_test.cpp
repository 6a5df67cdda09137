// The compressor's discharge temperature and input power.

#include "engine/compressor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tervalo {
namespace {

CycleStateRecord WithTCond(double tCond) {
    CycleStateRecord state;
    state.TCond = tCond;
    return state;
}

struct DischargeRow {
    const char* name;
    double pSuction, pDischarge, tSuction, n, tCond;
    double expected;  // K
};

TEST(DischargeTemperature, Cases) {
    // Ratio 4.85 and a difference of 13.7 bar make a = b = d = 1: the result is TCond + dT + c.
    const double pS = 13.7 / 3.85;
    const double t2s = 280 * std::pow(4.85, 0.2 / 1.2);
    const DischargeRow rows[] = {
        // Evaluated separately from the formula.
        {"ordinary point, TCond above 318 K", 4, 16, 281.15, 1.15, 318.15, 341.323082566242},
        {"large ratio", 3, 20, 275.15, 1.2, 333.15, 399.849344385634},
        {"a = b = 1, TCond below 318 K", pS, 4.85 * pS, 280, 1.2, 310, 310 + (t2s - 310) * 1.17 * 1.1},
        {"a = b = 1, TCond above 318 K", pS, 4.85 * pS, 280, 1.2, 330,
         330 + (t2s - 330) * 1.17 * 1.1 + 12 * 0.373},
        // Failing steps leave their working values at zero: d = 0 and the result is TCond + c.
        {"discharge below suction pressure", 10, 5, 281.15, 1.15, 330, 330 + 12 * 0.373},
        {"discharge below suction, TCond 318 K", 10, 5, 281.15, 1.15, 318, 318},
        {"suction pressure 0", 0, 12, 281.15, 1.15, 330, 330 + 12 * 0.373},
        {"both pressures 0", 0, 0, 281.15, 1.15, 300, 300},
        {"exponent 0", 4, 16, 281.15, 0, 300,
         300 + (281.15 - 300) * 1.287 * std::pow(16 / 4.0 / 4.85, 0.03) * std::pow(12 / 13.7, 0.27)},
        {"negative pressures", -2, -4, 281.15, 1.15, 320, 320 + 2 * 0.373},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const double result =
            DischargeTemperature(row.pSuction, row.pDischarge, row.tSuction, row.n, WithTCond(row.tCond));
        EXPECT_NEAR(result, row.expected, 1e-9);
    }
}

TEST(DischargeTemperature, ReadsTCondOfTheCycleState) {
    CycleStateRecord state;
    state.TCond = 330;
    EXPECT_NEAR(DischargeTemperature(10, 5, 281.15, 1.15, state), 330 + 12 * 0.373, 1e-12);
}

CycleStateRecord PowerState(double cpEvap, double cpDischarge, double exponent, double tCond) {
    CycleStateRecord state;
    state.cpVapourEvap = cpEvap;
    state.cpVapourDischarge = cpDischarge;
    state.CompressionExponent = exponent;
    state.TCond = tCond;
    return state;
}

TEST(CompressorPower, AgainstSeparateEvaluation) {
    const auto state = PowerState(0.66, 0.81, 1.15, 318.15);
    EXPECT_NEAR(CompressorPower(4, 16, 268.15, 318.15, 0.15, 8, 413.5, 398.5, state), 3.99767434243234,
                1e-12);
}

TEST(CompressorPower, SizeFactor) {
    // Without heat capacities the enthalpy rise is hVapourCond − hVapourEvap = 50 kJ/kg.
    const auto state = PowerState(0, 0, 1.15, 318.15);
    struct Row {
        double massFlow;  // kg/s
        double expected;  // kW
    };
    for (const Row row : {Row{0, 0}, Row{1, 50 * (1 - 0.05 * 0.5) * 1.06}, Row{2, 100 * 0.95 * 1.06},
                          Row{2.2, 110 * 0.95 * 1.06}, Row{-1, -50 * (1 + 0.05 * 0.5) * 1.06}}) {
        SCOPED_TRACE(row.massFlow);
        EXPECT_NEAR(CompressorPower(4, 16, 268.15, 318.15, row.massFlow, 8, 450, 400, state), row.expected,
                    1e-12);
    }
    // Continuous at 100 kW.
    EXPECT_NEAR(CompressorPower(4, 16, 268.15, 318.15, 2 - 1e-9, 8, 450, 400, state),
                CompressorPower(4, 16, 268.15, 318.15, 2 + 1e-9, 8, 450, 400, state), 1e-6);
}

TEST(CompressorPower, DischargeEnthalpyUsesTheDischargeTemperature) {
    // Suction pressure 0: the discharge temperature is TCond + c, so the outlet lies c above TCond.
    const auto state = PowerState(0, 1, 1.15, 330);
    const double c = 12 * 0.373;
    EXPECT_NEAR(CompressorPower(0, 16, 268.15, 330, 1, 8, 450, 400, state),
                (50 + c) * (1 - 0.05 * (50 + c) / 100) * 1.06, 1e-9);
}

}  // namespace
}  // namespace tervalo

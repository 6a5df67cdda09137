// The cycle and the compressor model reproduce the golden record bit for bit: every point of the sequence in
// order, on the cycle state the point before left (a failing run keeps part of the earlier values).

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "golden_design_point.h"
#include "support/temp_dir.h"

namespace tervalo::test {
namespace {

std::string Describe(const CycleStateRecord& s) {
    std::ostringstream text;
    text.precision(17);
    text << "TEvap " << s.TEvap << " TCond " << s.TCond << " pEvap " << s.pEvap << " pCond " << s.pCond
         << " hVapourEvap " << s.hVapourEvap << " rhoVapourEvap " << s.rhoVapourEvap << " rhoSuction "
         << s.rhoSuction << " hLiquidCond " << s.hLiquidCond << " hVapourCond " << s.hVapourCond
         << " cpLiquid " << s.cpLiquid << " dpdTEvap " << s.dpdTEvap << " dpdTRatio " << s.dpdTRatio
         << " cpVapourEvap " << s.cpVapourEvap << " cpVapourSuction " << s.cpVapourSuction
         << " cpVapourDischarge " << s.cpVapourDischarge << " CompressionExponent " << s.CompressionExponent;
    return text.str();
}

bool SameState(const CycleStateRecord& a, const CycleStateRecord& b) {
    const double x[] = {a.TEvap,
                        a.TCond,
                        a.pEvap,
                        a.pCond,
                        a.hVapourEvap,
                        a.rhoVapourEvap,
                        a.rhoSuction,
                        a.hLiquidCond,
                        a.hVapourCond,
                        a.cpLiquid,
                        a.dpdTEvap,
                        a.dpdTRatio,
                        a.cpVapourEvap,
                        a.cpVapourSuction,
                        a.cpVapourDischarge,
                        a.CompressionExponent};
    const double y[] = {b.TEvap,
                        b.TCond,
                        b.pEvap,
                        b.pCond,
                        b.hVapourEvap,
                        b.rhoVapourEvap,
                        b.rhoSuction,
                        b.hLiquidCond,
                        b.hVapourCond,
                        b.cpLiquid,
                        b.dpdTEvap,
                        b.dpdTRatio,
                        b.cpVapourEvap,
                        b.cpVapourSuction,
                        b.cpVapourDischarge,
                        b.CompressionExponent};
    for (std::size_t i = 0; i < std::size(x); ++i)
        if (!SameDouble(x[i], y[i])) return false;
    return true;
}

TEST(EngineGoldenTest, EveryPointOfTheRecordBitForBit) {
    std::ifstream file(std::string(TERVALO_TEST_DATA_DIR) + "/engine/engine_golden.txt", std::ios::binary);
    ASSERT_TRUE(file) << "the golden record is missing";
    ScopedTempDir dir;
    StageGoldenTables(TERVALO_DIST_DIR);

    CycleStateRecord state;
    GoldenRun before;
    std::map<std::string_view, int> statuses;
    int points = 0, failures = 0;
    std::string line;
    while (std::getline(file, line)) {
        const auto expected = ParseGoldenLine(line, points ? &before : nullptr);
        ASSERT_TRUE(expected) << "line " << points + 1 << " of the record is malformed: " << line;
        const GoldenRun run = RunGoldenPoint(expected->input, state);
        const bool same =
            run.status == expected->run.status && SameState(run.state, expected->run.state) &&
            run.compressorPower.has_value() == expected->run.compressorPower.has_value() &&
            (!run.compressorPower || SameDouble(*run.compressorPower, *expected->run.compressorPower)) &&
            SameDouble(run.dischargeTemperature, expected->run.dischargeTemperature);
        if (!same && ++failures <= 5) {
            ADD_FAILURE() << "point " << points + 1 << ": " << line << "\n  got " << StatusName(run.status)
                          << " " << Describe(run.state) << " power "
                          << (run.compressorPower ? std::to_string(*run.compressorPower) : "-")
                          << " discharge " << run.dischargeTemperature;
        }
        ++statuses[StatusName(expected->run.status)];
        before = expected->run;
        ++points;
    }
    EXPECT_EQ(failures, 0) << "points differing from the record";
    EXPECT_GE(points, 3000);
    // The record reaches every way a run can end.
    for (std::string_view status :
         {"Ok", "UnknownRefrigerant", "MissingTable", "DamagedTable", "InvalidArithmetic"})
        EXPECT_GT(statuses[status], 0) << status;
}

}  // namespace
}  // namespace tervalo::test

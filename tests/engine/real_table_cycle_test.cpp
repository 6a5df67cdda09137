// The cycle and the compressor model on the generated saturation tables of the program directory: the R22
// design point against a calculation by hand from the file's own records, and plausible results over the
// operating range of the project window.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string_view>

#include "engine/compressor.h"
#include "engine/refrigerant_catalogue.h"
#include "engine/refrigerant_registry.h"
#include "engine/refrigeration_cycle.h"
#include "support/temp_dir.h"

namespace tervalo {
namespace {

// One record of the file read with nothing of the engine: temperature → the six other fields.
struct FileRecord {
    double pDew, pBubble, hLiquid, hVapour, rhoLiquid, rhoVapour;
};

// Keys in hundredths of a kelvin, so 268.15 K is found whatever its binary rounding.
std::map<long, FileRecord> RecordsOf(const std::filesystem::path& file) {
    std::map<long, FileRecord> records;
    std::istringstream lines(test::ReadBytes(file));
    std::string line;
    while (std::getline(lines, line)) {
        double t = 0;
        FileRecord r{};
        if (std::sscanf(line.c_str(), "%lf,%lf,%lf,%lf,%lf,%lf,%lf", &t, &r.pDew, &r.pBubble, &r.hLiquid,
                        &r.hVapour, &r.rhoLiquid, &r.rhoVapour) == 7)
            records[std::lround(t * 100)] = r;
    }
    return records;
}

struct DesignPoint {
    CycleStateRecord state;
    double massFlow;  // kg/s for 20 kW
    double power;     // kW
    double cop;       // refrigerating
};

// The design-point calculation as the program makes it: the refrigerant's table loaded, one cycle run with no
// superheat and the liquid at the condensing temperature, and the compressor's power for 20 kW.
DesignPoint RunDesignPoint(std::string_view refrigerant, double t0, double tc, double tSuction) {
    const CycleRun run =
        RunRefrigerationCycle(refrigerant, LoadRefrigerantTable(refrigerant), {t0, tc, tSuction, 0, 0}, {});
    EXPECT_EQ(run.status, EngineStatus::Ok);
    CycleStateRecord s = run.state;
    const double massFlow = 20 / (s.hVapourEvap - s.hLiquidCond);
    const double power = CompressorPower(s.pEvap, s.pCond, s.TEvap, s.TCond, massFlow, tSuction,
                                         s.hVapourCond, s.hVapourEvap, s);
    return {s, massFlow, power, 20 / power};
}

// Run in the program directory, where the build stages the generated tables.
class RealTableCycleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::current_path(TERVALO_DIST_DIR);
        ASSERT_TRUE(std::filesystem::exists("R22.DAT")) << "the build stages the generated tables";
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

  private:
    std::filesystem::path previous_ = std::filesystem::current_path();
};

double CurveG(double tr) {
    return 0.0282 + 0.3937799e-3 * tr - 0.128431e-6 * tr * tr + 2.27353 / tr;
}

// The table's first record runs, however its kelvin text and t + 273.15 round: ammonia at −77 °C and R507 at
// −73 °C, which the window accepts, and R22 at −90 °C.
TEST_F(RealTableCycleTest, ApplicationLimitsAtTheTablesFirstRecordRun) {
    for (const char* name : {"R507", "AMMONIAK", "R22"}) {
        SCOPED_TRACE(name);
        const auto limits = ApplicationLimitsOf(name);
        ASSERT_TRUE(limits);
        const auto load = LoadRefrigerantTable(name);
        ASSERT_EQ(load.status, EngineStatus::Ok);
        const auto range = UsableDesignRange(*load.table, DesignTemperature::Evaporating);
        ASSERT_TRUE(range);
        EXPECT_NEAR(range->low, load.table->records.front().t - 273.15, 1e-9);
        const double first = std::round(range->low * 100) / 100;  // as a user types it
        if (std::string_view(name) != "R22") {
            EXPECT_LE(limits->tMin, first) << "the window accepts it";
        }
        EXPECT_EQ(tervalo::RunRefrigerationCycle(name, load, {first, 35, first + 10, 0, 0}, {}).status,
                  EngineStatus::Ok);
        const CycleRun below =
            tervalo::RunRefrigerationCycle(name, load, {first - 0.01, 35, first + 10, 0, 0}, {});
        EXPECT_EQ(below.status, EngineStatus::OutsideTable);
        EXPECT_EQ(below.outside.of, DesignTemperature::Evaporating);
    }
}

// Every temperature of the range a message offers runs, blends included (their pressure lookups reach beyond
// the temperature), from its rounded-inward ends through random values; the other design temperature is
// one that runs. Just beyond each end the run stops for that temperature.
TEST_F(RealTableCycleTest, EveryTemperatureOfTheOfferedRangeRuns) {
    std::mt19937 random(23);
    for (const RefrigerantRow& row : RefrigerantRegistry()) {
        const auto load = LoadRefrigerantTable(row.name);
        if (load.status != EngineStatus::Ok) continue;
        SCOPED_TRACE(std::string(row.name));
        const auto evaporating = UsableDesignRange(*load.table, DesignTemperature::Evaporating);
        const auto condensing = UsableDesignRange(*load.table, DesignTemperature::Condensing);
        ASSERT_TRUE(evaporating && condensing);
        const bool glides = std::any_of(load.table->records.begin(), load.table->records.end(),
                                        [](const SaturationRecord& r) { return r.pDew != r.pBubble; });
        const auto run = [&](double t0, double tc) {
            return tervalo::RunRefrigerationCycle(row.name, load, {t0, tc, t0 + 10, 0, 0}, {});
        };
        const auto partnerOf = [](double t, const DesignTemperatureRange& range) {
            return std::clamp(t, std::ceil(range.low * 10) / 10, std::floor(range.high * 10) / 10);
        };
        for (const auto& [of, range] : {std::pair{DesignTemperature::Evaporating, *evaporating},
                                        std::pair{DesignTemperature::Condensing, *condensing}}) {
            const double low = std::ceil(range.low * 10) / 10, high = std::floor(range.high * 10) / 10;
            std::vector<double> values = {low, high};
            std::uniform_real_distribution<double> inside(low, high);
            for (int i = 0; i < 20; ++i) values.push_back(std::round(inside(random) * 10) / 10);
            for (const double t : values) {
                SCOPED_TRACE(t);
                const bool evap = of == DesignTemperature::Evaporating;
                const double t0 = evap ? t : partnerOf(t - 30, *evaporating);
                const double tc = evap ? partnerOf(t + 30, *condensing) : t;
                EXPECT_EQ(run(t0, tc).status, EngineStatus::Ok) << t0 << " / " << tc;
            }
            // A blend's evaporating range allows for the whole glide, which the run reaches only with an
            // absurd condensing temperature; a single substance's range is exact.
            const bool evap = of == DesignTemperature::Evaporating;
            if (evap && glides) continue;
            const double beyond = range.high + 0.05;
            const CycleRun above = evap ? run(beyond, partnerOf(beyond + 30, *condensing))
                                        : run(partnerOf(beyond - 30, *evaporating), beyond);
            EXPECT_EQ(above.status, EngineStatus::OutsideTable) << beyond;
        }
    }
}

// The application limits of every refrigerant whose table the build generates lie inside the table's range of
// evaporating temperatures, except where the substance ends first: R23's critical point lies below its upper
// limit, ammonia's triple point and R507's table start above their lower ones (the test above: there the run
// stops instead of extrapolating).
TEST_F(RealTableCycleTest, ApplicationLimitsLieInsideTheGeneratedTables) {
    const std::set<std::string_view> substanceEndsFirst = {"R23", "AMMONIAK", "R507"};
    int generated = 0;
    for (const RefrigerantRow& row : RefrigerantRegistry()) {
        if (row.equationOfState.empty()) continue;
        SCOPED_TRACE(row.name);
        ++generated;
        const SaturationTableLoad load = LoadRefrigerantTable(row.name);
        ASSERT_EQ(load.status, EngineStatus::Ok);
        const auto range = UsableDesignRange(*load.table, DesignTemperature::Evaporating);
        ASSERT_TRUE(range);
        const bool inside = range->low <= row.limits.tMin && row.limits.tMax <= range->high;
        EXPECT_EQ(inside, !substanceEndsFirst.contains(row.name))
            << "limits " << row.limits.tMin << " to " << row.limits.tMax << " °C, table " << range->low
            << " to " << range->high << " °C";
    }
    EXPECT_EQ(generated, 20);
}

TEST_F(RealTableCycleTest, R22DesignPointAgainstHandCalculation) {
    const DesignPoint point = RunDesignPoint("R22", -5, 45, 8);  // suction allowance 8 K
    const CycleStateRecord& s = point.state;

    // By hand, from the records at whole temperatures that the lookups hit exactly.
    const auto records = RecordsOf("R22.DAT");
    const FileRecord& evap = records.at(26815);
    const FileRecord& sub = records.at(31315);
    const FileRecord& cond = records.at(31815);
    const double pEvap = evap.pDew, pCond = cond.pDew;
    const double cpLiquid = std::fabs(cond.hLiquid - sub.hLiquid) / 5;
    const double dpdTEvap = records.at(26915).pDew - pEvap;
    const double dpdTRatio = (records.at(31915).pDew - pCond) / dpdTEvap;
    const double tEvap = 268.15, tCond = 318.15, tSuctionK = 281.15;
    // R22: curve G with 0.812, 0.785, 0.86; M = 86.48; f0 = 1.043; 13 K suction superheat.
    const double cpEvap = 0.812 * CurveG(1.8 * tEvap) * 4.1866;
    const double cpSuction = 0.785 * CurveG(1.8 * tSuctionK) * 4.1866;
    const double n = cpSuction / (cpSuction - 8.314 / 86.48) * 1.043 * (0.99 - (13.0 - 10) / 1800);
    // Discharge temperature: TCond + dT × d + c.
    const double r = pCond / pEvap;
    const double d = std::pow(r / 4.85, 0.03) * std::pow((pCond - pEvap) / 13.7, 0.27);
    const double dT = (tSuctionK * std::pow(r, (n - 1) / n) - tCond) * 1.17 * 1.1;
    const double t2 = tCond + dT * d + 0.373 * (tCond - 318);
    const double cpDischarge = 0.86 * CurveG(1.8 * t2) * 4.1866;
    const double massFlow = 20 / (evap.hVapour - cond.hLiquid);
    const double h2 = cond.hVapour + cpDischarge * (t2 - tCond);
    const double h1 = evap.hVapour + 13 * cpEvap;
    const double rise = (h2 - h1) * massFlow;
    const double power = rise * (1 - 0.05 * rise / 100) * 1.06;

    const auto near = [](double actual, double expected) {
        EXPECT_NEAR(actual, expected, 1e-9 * std::fabs(expected) + 1e-12);
    };
    near(s.pEvap, pEvap);
    near(s.pCond, pCond);
    near(s.hVapourEvap, evap.hVapour);
    near(s.rhoVapourEvap, evap.rhoVapour);
    near(s.rhoSuction, evap.rhoVapour * tEvap / tSuctionK);
    near(s.hLiquidCond, cond.hLiquid);
    near(s.hVapourCond, cond.hVapour);
    near(s.cpLiquid, cpLiquid);
    near(s.dpdTEvap, dpdTEvap);
    near(s.dpdTRatio, dpdTRatio);
    near(s.cpVapourEvap, cpEvap);
    near(s.cpVapourSuction, cpSuction);
    near(s.CompressionExponent, n);
    near(s.cpVapourDischarge, cpDischarge);
    near(point.massFlow, massFlow);
    near(point.power, power);

    // Physically: R22 at −5 °C / 45 °C is about 4.2 / 17.3 bar, 404 / 256 kJ/kg; the compressor model stays
    // well below the Carnot figure of 5.4.
    EXPECT_NEAR(s.pEvap, 4.22, 0.02);
    EXPECT_NEAR(s.pCond, 17.29, 0.05);
    EXPECT_NEAR(s.cpLiquid, 1.3, 0.1);
    EXPECT_GT(t2, tCond);
    EXPECT_GT(point.cop, 2.5);
    EXPECT_LT(point.cop, 268.15 / 50);
}

TEST_F(RealTableCycleTest, R22OverTheOperatingRange) {
    for (double t0 : {-25.0, -15.0, -5.0, 0.0, 5.0}) {
        double previousCop = INFINITY;
        for (double tc : {35.0, 45.0, 55.0, 65.0}) {
            SCOPED_TRACE(testing::Message() << "t0 " << t0 << " °C, tc " << tc << " °C");
            const DesignPoint point = RunDesignPoint("R22", t0, tc, t0 + 13);
            const CycleStateRecord& s = point.state;
            const double carnot = s.TEvap / (s.TCond - s.TEvap);
            EXPECT_LT(s.pEvap, s.pCond);
            EXPECT_GT(s.hVapourEvap, s.hLiquidCond);
            EXPECT_GT(s.rhoVapourEvap, s.rhoSuction);
            EXPECT_GT(s.dpdTEvap, 0);
            EXPECT_GT(s.dpdTRatio, 1);  // the vapour-pressure curve steepens with temperature
            EXPECT_GT(s.CompressionExponent, 1.05);
            EXPECT_LT(s.CompressionExponent, 1.3);
            EXPECT_GT(DischargeTemperature(s.pEvap, s.pCond, s.TEvap + 13, s.CompressionExponent, s),
                      s.TCond);
            EXPECT_GT(point.cop, 0.25 * carnot);  // the empirical compressor model penalises large lifts
            EXPECT_LT(point.cop, carnot);
            EXPECT_LT(point.cop, previousCop);
            previousCop = point.cop;
        }
    }
}

TEST_F(RealTableCycleTest, R407CTakesTheBlendPath) {
    ASSERT_TRUE(std::filesystem::exists("R407C.DAT"));
    const DesignPoint point = RunDesignPoint("R407C", -5, 45, 8);
    const CycleStateRecord& s = point.state;
    const auto records = RecordsOf("R407C.DAT");
    const FileRecord& evap = records.at(26815);
    const FileRecord& cond = records.at(31815);
    ASSERT_LT(evap.pDew, evap.pBubble);
    EXPECT_GT(s.pEvap, evap.pDew);
    EXPECT_LT(s.pEvap, evap.pBubble);
    EXPECT_NEAR(s.pCond, (cond.pDew + cond.pBubble) / 2, 1e-9);
    // Liquid at the mean pressure is cooler than at the dew point: less enthalpy than saturated liquid at
    // TCond.
    EXPECT_LT(s.hLiquidCond, cond.hLiquid);
    EXPECT_GT(s.hVapourEvap, evap.hVapour);  // vapour at a dew temperature above TEvap
    EXPECT_GT(point.cop, 2.5);
    EXPECT_LT(point.cop, 268.15 / 50);
}

}  // namespace
}  // namespace tervalo

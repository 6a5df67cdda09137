// Vapour heat capacities and compression exponent of the compiled-in correlations.

#include "engine/vapour_properties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/cycle_state.h"
#include "engine/refrigerant_registry.h"

namespace tervalo {
namespace {

struct Expected {
    const char* name;
    double cpEvap, cpSuction, cpDischarge, exponent;
};

// Evaluated separately from the printed correlations (curves G and G1, the six cubic polynomials, the special
// lines, molar masses as written) at TEvap 268.15 K, no superheat, tSuction 8 °C, TDischarge 340 K and
// TLiquid 318.15 K. Relative tolerance 1e-12.
constexpr Expected kExpected[] = {
    {"R22", 0.656295714726155, 0.654274795360966, 0.809405571146512, 1.20839010147574},
    {"R12", 0.604747336914241, 0.629146348862746, 0.736737366960751, 1.1573079639686},
    {"R11", 0.552569783251657, 0.567733837276147, 0.6540202912, 1.15382503224686},
    {"R23", 1.49012351931501, 1.9952201563259, 3.445, 1.09606912992757},
    {"PROPAN", 1.66219536535007, 1.77933514591106, 2.1924876132, 1.1530260624287},
    {"R290", 1.66219536535007, 1.77933514591106, 2.1924876132, 1.1530260624287},
    {"R600A", 1.78320543123509, 1.85958366643097, 1.91162768924608, 1.11673208292795},
    {"AMMONIAK", 2.49089233602659, 2.52978915179374, 2.71525097392, 1.27733012058336},
    {"CO2", 1.0959926278517, 1.11310722678925, 1.968556956092, 1.24159806160245},
    {"R507", 0.807702443962362, 0.832888196863113, 0.941325067816, 1.14655529010496},
    {"R502", 0.703766693763408, 0.725731049019921, 0.854581696047713, 1.14875433110768},
    {"R403B", 0.703766693763408, 0.725731049019921, 0.854581696047713, 1.14875433110768},
    {"R401A", 0.697516258385064, 0.719285539358616, 0.832934802865887, 1.16431823692152},
    {"R402A", 0.750860491355416, 0.77429463043355, 0.947757453656439, 1.14732467904114},
    {"R409A", 0.67246063380808, 0.693447935974934, 0.804699724802637, 1.16426211997404},
    {"R407C", 0.804204724325769, 0.829303721508485, 0.936463422431139, 1.16807801620845},
    {"AC9000", 0.804204724325769, 0.829303721508485, 0.936463422431139, 1.16807801620845},
    {"R227", 0.746601650511408, 0.776723887484872, 1.03942791307641, 1.11485182188761},
    {"R413A", 0.830876840810945, 0.857641738122845, 1.01175696393314, 1.13204466247245},
    {"ISC_49", 0.830876840810945, 0.857641738122845, 1.01175696393314, 1.13204466247245},
    {"R14", 1.208, 1.208, 0.55, 1.11829298390992},
    {"R123", 0.662175, 0.68512, 0.78899025, 1.11969789559766},
    {"R124", 0.771375, 0.771375, 0.555727607142857, 1.07307680558595},
    // The remaining names, so that every row, alias and coefficient of the correlations is checked.
    {"R13", 0.654679222817962, 0.716785126127937, 0.941169268775014, 1.15953460400664},
    {"R13B1", 0.428370355671012, 0.50008264613577, 0.602348332016009, 1.16029620924042},
    {"PROPYLEN", 1.49320330102282, 1.55344777496974, 2.03316668711649, 1.18104325379539},
    {"R1270", 1.49320330102282, 1.55344777496974, 2.03316668711649, 1.18104325379539},
    {"R152A", 0.93756530675165, 0.975161159964751, 1.27999020553402, 1.1834804122356},
    {"R134A", 0.830876840810945, 0.857641738122845, 1.05881542737189, 1.13909017700951},
    {"R744", 1.0959926278517, 1.11310722678925, 1.968556956092, 1.24159806160245},
    {"R723", 1.86816925201995, 1.99853342991705, 1.9821332109616, 1.25844967561425},
    {"R717", 2.49089233602659, 2.52978915179374, 2.71525097392, 1.27733012058336},
    {"R410A", 0.783998575473362, 0.808466944586161, 1.12940312253002, 1.1807365341378},
    {"R408A", 0.767833656391437, 0.791797523048302, 0.988227732213765, 1.16782484770739},
    {"R401B", 0.676501863578561, 0.697615291359399, 0.807523232608962, 1.17317132315352},
    {"R402B", 0.718530653191566, 0.740955787357832, 0.884699112648513, 1.16356261128612},
    {"R404A", 0.851082989663351, 0.877645043968276, 1.07293296640352, 1.14163944953766},
    {"R407A", 0.792081035014325, 0.816801655355091, 0.977874870257239, 1.16211777125041},
    {"HX4", 0.839926856825334, 0.873814373420481, 1.1079616216309, 1.14623923708364},
    {"ISC_69L", 0.703766693763408, 0.725731049019921, 0.854581696047713, 1.14875433110768},
    {"ISC_59", 1.13962679527571, 0.775128101510443, 1.19528497134427, 1.14615662383761},
    {"R417A", 1.13962679527571, 0.775128101510443, 1.19528497134427, 1.14615662383761},
    {"RS45", 0.848658251801062, 0.783462812279373, 1.12940312253002, 1.14479412829479},
    {"ISC_29", 0.824410873178175, 0.900148763044386, 1.16046170839959, 1.12550813026083},
    {"R422D", 0.824410873178175, 0.900148763044386, 1.16046170839959, 1.12550813026083},
    {"ISC_79", 0.824410873178175, 0.925152895351175, 1.26869617430872, 1.11946812146662},
    {"R422A", 0.824410873178175, 0.925152895351175, 1.26869617430872, 1.11946812146662},
    {"FX_90", 0.792081035014325, 0.883479341506527, 1.00705111758926, 1.12794561699872},
    {"ISC_89", 0.680543093349042, 0.775128101510443, 1.05410958102802, 1.13799689430765},
};

CycleStateRecord Evaluated(const char* name, double tSuction = 8, double tDischarge = 340,
                           double tLiquid = 318.15, double superheat = 0) {
    CycleStateRecord state;
    state.TEvap = 268.15;
    VapourProperties(name, superheat, tSuction, tDischarge, tLiquid, state);
    return state;
}

void ExpectNear(double actual, double expected) {
    EXPECT_NEAR(actual, expected, 1e-12 * std::fabs(expected));
}

TEST(VapourProperties, AgainstSeparateEvaluation) {
    for (const auto& row : kExpected) {
        SCOPED_TRACE(row.name);
        const auto state = Evaluated(row.name);
        ExpectNear(state.cpVapourEvap, row.cpEvap);
        ExpectNear(state.cpVapourSuction, row.cpSuction);
        ExpectNear(state.cpVapourDischarge, row.cpDischarge);
        ExpectNear(state.CompressionExponent, row.exponent);
        EXPECT_EQ(state.cpLiquid, 0) << "only R124 writes the liquid heat capacity";
    }
}

TEST(VapourProperties, R413ADiffersFromR134AOnlyInMolarMassAndDischarge) {
    const auto r134a = Evaluated("R134A");
    const auto r413a = Evaluated("R413A");
    EXPECT_EQ(r413a.cpVapourEvap, r134a.cpVapourEvap);
    EXPECT_EQ(r413a.cpVapourSuction, r134a.cpVapourSuction);
    EXPECT_NEAR(r413a.cpVapourDischarge / r134a.cpVapourDischarge, 1.075 / 1.125, 1e-14);
    EXPECT_NE(r413a.CompressionExponent, r134a.CompressionExponent);
}

TEST(VapourProperties, CurveG1DiffersFromGInTheThirdTermOnly) {
    const double tr = 1.8 * 268.15;
    const double g = 0.0282 + 0.3937799e-3 * tr - 0.128431e-6 * tr * tr + 2.27353 / tr;
    const double g1 = g + 0.128431e-6 * tr * tr - 0.128431e-6 * tr;
    for (const char* name : {"HX4", "PROPYLEN", "R1270"}) {
        SCOPED_TRACE(name);
        const double k = std::string_view(name) == "HX4" ? 0.9 : 1.6;
        EXPECT_NEAR(Evaluated(name).cpVapourEvap, k * g1 * 4.1866, 1e-12);
    }
    EXPECT_NEAR(Evaluated("R404A").cpVapourEvap, 1.053 * g * 4.1866, 1e-12);
}

TEST(VapourProperties, CorrectionFactorAtTenKelvinSuperheat) {
    // tSuction + 273.15 − TEvap = 10 K: f = 0.99 × f0, so n = 0.99 × f0 × cp / (cp − 8.314 / M).
    const auto state = Evaluated("R22", 268.15 - 273.15 + 10);
    const double cp = state.cpVapourSuction;
    EXPECT_NEAR(state.CompressionExponent, cp / (cp - 8.314 / 86.48) * 0.99 * 1.043, 1e-14);
    const auto r227 = Evaluated("R227", 268.15 - 273.15 + 10);
    EXPECT_NEAR(r227.CompressionExponent,
                r227.cpVapourSuction / (r227.cpVapourSuction - 8.314 / 170.03) * 0.99 * 1.057, 1e-14);
}

TEST(VapourProperties, R23DischargeLineStartsAbove280Kelvin) {
    const double at280 = Evaluated("R23", 8, 280).cpVapourDischarge;
    const double poly280 =
        -37.2336 + 5.11656e-1 * 280 - 2.31769e-3 * 280 * 280 + 3.53585e-6 * 280 * 280 * 280;
    EXPECT_NEAR(at280, poly280, 1e-9);
    EXPECT_NEAR(Evaluated("R23", 8, 280.001).cpVapourDischarge, 1.945 + 0.001 * 0.025, 1e-12);
}

TEST(VapourProperties, R14AndR124SuctionDoesNotDependOnSuctionTemperature) {
    for (const char* name : {"R14", "R124"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Evaluated(name, -20).cpVapourSuction, Evaluated(name, 30).cpVapourSuction);
        EXPECT_NE(Evaluated("R22", -20).cpVapourSuction, Evaluated("R22", 30).cpVapourSuction);
    }
    // R14 is taken at TEvap itself, R124 at TEvap + Superheat.
    EXPECT_NEAR(Evaluated("R14", 8, 340, 318.15, 5).cpVapourEvap, 1.208, 1e-14);
    EXPECT_NEAR(Evaluated("R124", 8, 340, 318.15, 5).cpVapourEvap, 0.7787 + 0.001465 * 0, 1e-14);
}

TEST(VapourProperties, R124LiquidHeatCapacityBelow180) {
    auto state = Evaluated("R124", 8, 340, 170);
    EXPECT_NEAR(state.cpLiquid, 1.15 + 130.0 / 120, 1e-14);
    state.cpLiquid = 7;
    VapourProperties("R124", 0, 8, 340, 180, state);
    EXPECT_EQ(state.cpLiquid, 7);
}

TEST(VapourProperties, R502FactorFollowsSuctionTemperature) {
    const auto state = Evaluated("R502", 30);
    const double tr = 1.8 * 268.15;
    EXPECT_NEAR(
        state.cpVapourEvap,
        (0.863 + 0.029) * (0.0282 + 0.3937799e-3 * tr - 0.128431e-6 * tr * tr + 2.27353 / tr) * 4.1866,
        1e-13);
}

TEST(VapourProperties, NameWithoutCorrelationsChangesNothing) {
    CycleStateRecord state;
    state.TEvap = 268.15;
    state.cpVapourEvap = 1;
    state.cpVapourSuction = 2;
    state.cpVapourDischarge = 3;
    state.CompressionExponent = 4;
    const CycleStateRecord before = state;
    for (const char* name : {"r22", "", "R22 ", "R999"}) VapourProperties(name, 0, 8, 340, 318.15, state);
    EXPECT_EQ(state.cpVapourEvap, before.cpVapourEvap);
    EXPECT_EQ(state.cpVapourSuction, before.cpVapourSuction);
    EXPECT_EQ(state.cpVapourDischarge, before.cpVapourDischarge);
    EXPECT_EQ(state.CompressionExponent, before.CompressionExponent);
}

TEST(VapourProperties, StatementsThatCannotBeEvaluatedKeepTheirTargets) {
    CycleStateRecord state;
    state.TEvap = 0;  // TR_evap = 0: the curve's 2.27353 / TR divides by zero
    state.cpVapourEvap = 0.5;
    VapourProperties("R22", 0, 8, 0, 318.15, state);
    EXPECT_EQ(state.cpVapourEvap, 0.5);
    EXPECT_EQ(state.cpVapourDischarge, 0);
    EXPECT_NEAR(state.cpVapourSuction, 0.654274795360966, 1e-12);
    EXPECT_TRUE(std::isfinite(state.CompressionExponent));
}

// The name picks the correlation, and the superheat at the evaporator outlet is added to TEvap where the
// heat capacity there is taken.
TEST(VapourProperties, NameAndSuperheatChooseTheCurveAndItsPoint) {
    CycleStateRecord state;
    state.TEvap = 268.15;
    VapourProperties("R290", 0, 8, 340, 318.15, state);
    ExpectNear(state.cpVapourEvap, 1.66219536535007);
    ExpectNear(state.CompressionExponent, 1.1530260624287);
    VapourProperties("R290", 5, 8, 340, 318.15, state);
    EXPECT_GT(state.cpVapourEvap, 1.66219536535007);
}

// A run's second call forms only the discharge side; what it leaves must be what the full call leaves, bit
// for bit, for every correlation, on states whose fields start anywhere (including where a statement fails).
TEST(VapourProperties, DischargeCallLeavesWhatTheFullCallLeaves) {
    std::mt19937_64 random(27);
    std::uniform_real_distribution<double> kelvin(100, 450), celsius(-90, 120), superheats(0, 20), any(-5, 5);
    const auto bits = [](const CycleStateRecord& s) {
        return std::vector<double>{s.cpLiquid, s.cpVapourEvap, s.cpVapourSuction, s.cpVapourDischarge,
                                   s.CompressionExponent};
    };
    for (const RefrigerantRow& row : RefrigerantRegistry())
        for (int i = 0; i < 200; ++i) {
            SCOPED_TRACE(std::string(row.name) + " #" + std::to_string(i));
            CycleStateRecord start;
            start.TEvap = i == 0 ? 0 : kelvin(random);
            start.cpLiquid = any(random);
            start.cpVapourDischarge = any(random);
            const double superheat = superheats(random), tSuction = i == 1 ? -273.15 : celsius(random);
            const double tLiquid = i % 3 == 0 ? 150 : kelvin(random);
            const double tDischarge = i == 2 ? 0 : kelvin(random);
            VapourProperties(&row, superheat, tSuction, tSuction, kelvin(random), start);
            CycleStateRecord full = start, discharge = start;
            VapourProperties(&row, superheat, tSuction, tDischarge, tLiquid, full);
            DischargeVapourProperties(&row, superheat, tSuction, tDischarge, tLiquid, discharge);
            const auto expected = bits(full), actual = bits(discharge);
            for (std::size_t f = 0; f < expected.size(); ++f)
                EXPECT_EQ(std::memcmp(&expected[f], &actual[f], sizeof(double)), 0) << "field " << f;
        }
}

}  // namespace
}  // namespace tervalo

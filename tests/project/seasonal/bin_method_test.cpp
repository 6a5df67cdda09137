// The bin method against the worked example of a certified unit, the equivalent full-load hours of the
// regulation, cases worked by hand and properties over random declarations.

#include "project/seasonal/bin_method.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tervalo::seasonal {
namespace {

// A certified air/water unit, average season, 35 °C, reversible: declared SCOP 4.75, Q_HE 3336 kWh/a. The
// method gives SCOP_on 4.749, SCOP 4.745 and Q_HE 3330.5 kWh/a (worked out independently of this code).
UnitDeclaration WorkedExample() {
    UnitDeclaration unit;
    unit.climate = Climate::Average;
    unit.source = Source::Air;
    unit.reversible = true;
    unit.designLoad_kW = 7.65;
    unit.bivalent_C = -7;
    unit.operationLimit_C = -10;
    unit.points = {{-10, 6.12, 2.91, std::nullopt},
                   {-7, 6.78, 3.05, 0.9},
                   {2, 4.05, 4.64, 0.9},
                   {7, 2.65, 6.37, 0.9},
                   {12, 2.97, 6.96, 0.965}};
    unit.offMode = {0.015, 0.015, 0, 0.015};
    return unit;
}

TEST(BinMethod, WorkedExampleOfACertifiedUnit) {
    const UnitDeclaration unit = WorkedExample();
    ASSERT_FALSE(CheckDeclaration(unit));
    const SeasonalResult r = EvaluateSeason(unit);
    EXPECT_NEAR(r.scopOn, 4.749, 0.0005);
    EXPECT_NEAR(r.scop, 4.745, 0.0005);
    EXPECT_NEAR(r.annualElectricity_kWh, 3330.5, 0.05);
    EXPECT_NEAR(r.heatDemand_kWh, 7.65 * 2066, 1e-9);
    // Reversible: no off hours, the crankcase heater at 0 W, 179 h of thermostat-off and stand-by at 15 W.
    EXPECT_NEAR(r.offModeElectricity_kWh, 179 * 0.015, 1e-12);
    // The declared SCOP 4.75 and Q_HE 3336 kWh/a within what the data sheet's rounding leaves.
    EXPECT_NEAR(r.scop, 4.75, 0.01);
    EXPECT_NEAR(r.annualElectricity_kWh, 3336, 0.2 / 100 * 3336);
    EXPECT_NEAR(r.etaS_pct, 100 * r.scop / 2.5 - 3, 1e-12);
    // Back-up only below T_biv: at −8, −9 and −10 °C.
    for (const BinResult& bin : r.bins) EXPECT_EQ(bin.backup_kW > 0, bin.t_C < -7) << bin.t_C;
    EXPECT_EQ(r.bins.front().t_C, -10);
    EXPECT_EQ(r.bins.back().t_C, 15);
    // At 15 °C capacity and COP go on along the line of the 7 and 12 °C points; C_d stays at 12 °C's.
    const BinResult& warmest = r.bins.back();
    EXPECT_NEAR(warmest.capacity_kW, 2.97 + 3 * (2.97 - 2.65) / 5, 1e-12);
    const double cop15 = 6.96 + 3 * (6.96 - 6.37) / 5;
    const double ratio = warmest.load_kW / warmest.capacity_kW;
    EXPECT_NEAR(warmest.cop, cop15 * ratio / (0.965 * ratio + 1 - 0.965), 1e-12);
}

TEST(BinMethod, SeasonsGiveTheEquivalentFullLoadHours) {
    struct Row {
        Climate climate;
        double design_C, equivalentHours, totalHours;  // 811/2013 Annex VII; EN 14825 Table 1 totals
    };
    for (const Row& row : {Row{Climate::Average, -10, 2066, 4910}, Row{Climate::Colder, -22, 2465, 6446},
                           Row{Climate::Warmer, 2, 1336, 3590}}) {
        const Season& season = ReferenceSeason(row.climate);
        EXPECT_EQ(season.designTemperature_C, row.design_C);
        EXPECT_EQ(season.equivalentHours, row.equivalentHours);
        double hours = 0, weighted = 0;
        for (const SeasonBin& bin : season.bins) {
            hours += bin.hours;
            weighted += bin.hours * PartLoad(bin.t_C, season.designTemperature_C);
            EXPECT_GE(bin.t_C, season.designTemperature_C);
        }
        EXPECT_EQ(hours, row.totalHours);
        EXPECT_NEAR(weighted, row.equivalentHours, 0.5);
        EXPECT_EQ(season.bins.back().t_C, 15);
    }
    EXPECT_EQ(ReferenceSeason(Climate::Colder).bins.size(), 38u);
    EXPECT_EQ(ReferenceSeason(Climate::Average).bins.size(), 26u);
    EXPECT_EQ(ReferenceSeason(Climate::Warmer).bins.size(), 14u);
}

TEST(BinMethod, OffModeHoursOfTheRegulation) {
    const OffModeHours average = SeasonOffModeHours(Climate::Average, false);
    EXPECT_EQ(average.off, 3672);
    EXPECT_EQ(average.thermostatOff, 179);
    EXPECT_EQ(average.standby, 0);
    EXPECT_EQ(average.crankcase, 3851);
    EXPECT_EQ(SeasonOffModeHours(Climate::Colder, false).off, 2189);
    EXPECT_EQ(SeasonOffModeHours(Climate::Colder, false).crankcase, 2944);
    EXPECT_EQ(SeasonOffModeHours(Climate::Warmer, false).thermostatOff, 755);
    EXPECT_EQ(SeasonOffModeHours(Climate::Warmer, false).crankcase, 4476);
    const OffModeHours reversible = SeasonOffModeHours(Climate::Warmer, true);
    EXPECT_EQ(reversible.off, 0);
    EXPECT_EQ(reversible.crankcase, 755);
}

UnitDeclaration Flat(double capacity_kW, double cop, double cd) {
    UnitDeclaration unit;
    unit.designLoad_kW = 10;
    unit.bivalent_C = -10;
    unit.operationLimit_C = -10;
    unit.points = {{7, capacity_kW, cop, cd}};
    return unit;
}

// Worked by hand: sums over the average season's hours.
TEST(BinMethod, HandWorkedCases) {
    const Season& season = ReferenceSeason(Climate::Average);
    double heat = 0;  // Σ h_j P_h, kWh, for P_design 10 kW
    for (const SeasonBin& bin : season.bins) heat += bin.hours * 10 * (bin.t_C - 16) / -26.0;

    {  // Covers every bin without cycling losses: SCOP_on is the COP; a single point holds everywhere.
        const SeasonalResult r = EvaluateSeason(Flat(10, 4, 1));
        EXPECT_NEAR(r.scopOn, 4, 1e-12);
        EXPECT_NEAR(r.scopNet, 4, 1e-12);
        EXPECT_EQ(r.backupHeat_kWh, 0);
        EXPECT_NEAR(r.scop, 4, 1e-12);  // no off-mode power
        for (const BinResult& bin : r.bins) EXPECT_EQ(bin.capacity_kW, 10);
    }
    {  // Covers every bin, C_d 0.9: each bin's COP falls with the capacity ratio.
        double electricity = 0;
        for (const SeasonBin& bin : season.bins) {
            const double load = 10 * (bin.t_C - 16) / -26.0, ratio = load / 12;
            electricity += bin.hours * load / (4 * ratio / (0.9 * ratio + 0.1));
        }
        EXPECT_NEAR(EvaluateSeason(Flat(12, 4, 0.9)).scopOn, heat / electricity, 1e-9);
    }
    {  // 5 kW, COP 3, C_d 1, T_biv 3 °C, where the load is 5 kW: below it the back-up takes the rest.
        UnitDeclaration unit = Flat(5, 3, 1);
        unit.bivalent_C = 3;
        double backup = 0;
        for (const SeasonBin& bin : season.bins)
            if (bin.t_C < 3) backup += bin.hours * (10 * (bin.t_C - 16) / -26.0 - 5);
        const SeasonalResult r = EvaluateSeason(unit);
        EXPECT_NEAR(r.backupHeat_kWh, backup, 1e-9);
        EXPECT_NEAR(r.scopOn, heat / ((heat - backup) / 3 + backup), 1e-12);
        EXPECT_NEAR(r.scopNet, 3, 1e-12);
        EXPECT_NEAR(r.backupShare, backup / heat, 1e-12);
        // With T_biv at the design temperature the same unit is deemed to cover every bin.
        unit.bivalent_C = -10;
        EXPECT_NEAR(EvaluateSeason(unit).scopOn, 3, 1e-12);
    }
    {  // TOL −5 °C above the design temperature: the back-up carries the whole load of −10 to −6 °C.
        UnitDeclaration unit = Flat(20, 4, 1);
        unit.bivalent_C = -5;
        unit.operationLimit_C = -5;
        double below = 0;
        for (const SeasonBin& bin : season.bins)
            if (bin.t_C < -5) below += bin.hours * 10 * (bin.t_C - 16) / -26.0;
        const SeasonalResult r = EvaluateSeason(unit);
        EXPECT_NEAR(r.backupHeat_kWh, below, 1e-9);
        EXPECT_NEAR(r.scopOn, heat / ((heat - below) / 4 + below), 1e-12);
        for (const BinResult& bin : r.bins)
            if (bin.t_C < -5) {
                EXPECT_EQ(bin.heatPumpElectricity_kWh, 0);
            }
    }
}

TEST(BinMethod, InterpolationOfDeclaredPoints) {
    const std::vector<DeclaredPoint> points = {{-7, 6, 3, 0.8}, {2, 4, 4, std::nullopt}, {7, 3, 5, 1}};
    // At a declared temperature: the declared values.
    EXPECT_DOUBLE_EQ(InterpolateDeclared(points, 2).capacity_kW, 4);
    EXPECT_DOUBLE_EQ(InterpolateDeclared(points, 2).cd, 0.9);
    // Between: linear.
    EXPECT_DOUBLE_EQ(InterpolateDeclared(points, -1).cop, 3 + 6.0 / 9);
    EXPECT_DOUBLE_EQ(InterpolateDeclared(points, 4.5).cd, 0.95);
    // Above: the last two points' line; C_d held.
    EXPECT_DOUBLE_EQ(InterpolateDeclared(points, 12).capacity_kW, 2);
    EXPECT_DOUBLE_EQ(InterpolateDeclared(points, 12).cop, 6);
    EXPECT_DOUBLE_EQ(InterpolateDeclared(points, 12).cd, 1);
    // Below: the coldest point's values.
    const DeclaredAt cold = InterpolateDeclared(points, -15);
    EXPECT_DOUBLE_EQ(cold.capacity_kW, 6);
    EXPECT_DOUBLE_EQ(cold.cop, 3);
    EXPECT_DOUBLE_EQ(cold.cd, 0.8);
}

TEST(BinMethod, DeclarationsThatCannotBeEvaluatedNameTheirMember) {
    const auto message = [](const UnitDeclaration& unit) { return CheckDeclaration(unit).value_or(""); };
    UnitDeclaration unit = WorkedExample();
    unit.operationLimit_C = -6;
    EXPECT_EQ(message(unit).rfind("operation_limit", 0), 0u);
    unit = WorkedExample();
    unit.points[2].capacity_kW = 0;
    EXPECT_EQ(message(unit).rfind("points[2].capacity_kw", 0), 0u);
    unit = WorkedExample();
    unit.points[3].t_C = 2;
    EXPECT_EQ(message(unit).rfind("points[3].t", 0), 0u);
    unit = WorkedExample();
    unit.designLoad_kW = -1;
    EXPECT_EQ(message(unit).rfind("design_load_kw", 0), 0u);
    unit = WorkedExample();
    unit.points.clear();
    EXPECT_EQ(message(unit).rfind("points", 0), 0u);
    unit = WorkedExample();
    unit.points[1].cd = 1.2;
    EXPECT_EQ(message(unit).rfind("points[1].cd", 0), 0u);
}

// Random declarations: cycling losses and off-mode power only ever lower the figures, no bin beats its
// declared COP, and the season's energy adds up.
TEST(BinMethod, PropertiesOverRandomDeclarations) {
    std::mt19937 random(26);
    std::uniform_real_distribution<double> unit01(0, 1);
    for (int run = 0; run < 300; ++run) {
        UnitDeclaration unit;
        unit.climate = kClimates[static_cast<std::size_t>(run % 3)];
        unit.source = run % 2 ? Source::Air : Source::Brine;
        unit.designLoad_kW = 2 + 15 * unit01(random);
        const int count = 1 + run % 6;
        double t = -25 + 10 * unit01(random);
        for (int i = 0; i < count; ++i, t += 1 + 8 * unit01(random))
            unit.points.push_back({t, 1 + 15 * unit01(random), 1.5 + 5 * unit01(random), unit01(random)});
        unit.bivalent_C = -20 + 22 * unit01(random);
        unit.operationLimit_C = unit.bivalent_C - 10 * unit01(random);
        unit.offMode = {0.03 * unit01(random), 0.03 * unit01(random), 0.05 * unit01(random),
                        0.02 * unit01(random)};
        ASSERT_FALSE(CheckDeclaration(unit));
        const SeasonalResult r = EvaluateSeason(unit);

        double highest = 1, heat = 0, electricity = 0;
        for (const BinResult& bin : r.bins) {
            if (bin.t_C >= unit.operationLimit_C) {
                const DeclaredAt d = InterpolateDeclared(unit.points, bin.t_C);
                EXPECT_LE(bin.cop, d.cop + 1e-12);
                highest = std::max(highest, d.cop);
            }
            EXPECT_GE(bin.backup_kW, 0);
            EXPECT_LE(bin.backup_kW, bin.load_kW + 1e-12);
            heat += bin.heatPumpHeat_kWh + bin.backupHeat_kWh;
            electricity += bin.heatPumpElectricity_kWh + bin.backupHeat_kWh;
        }
        EXPECT_NEAR(r.scopOn, heat / electricity, 1e-9 * r.scopOn);
        EXPECT_LE(r.scopOn, highest + 1e-9);
        EXPECT_LE(r.scop, r.scopOn);
        // The back-up runs at COP 1: it lowers SCOP_on towards 1 from the heat pump's own SCOP_net.
        if (r.scopNet >= 1) {
            EXPECT_LE(r.scopOn, r.scopNet + 1e-9);
        }

        UnitDeclaration without = unit;
        without.cdOverride = 1;
        without.offMode = {};
        const SeasonalResult ideal = EvaluateSeason(without);
        EXPECT_GE(ideal.scopOn + 1e-12, r.scopOn);
        EXPECT_NEAR(ideal.scop, ideal.scopOn, 1e-12);
        EXPECT_GE(ideal.annualElectricity_kWh, 0);
    }
}

}  // namespace
}  // namespace tervalo::seasonal

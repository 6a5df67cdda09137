// The equation-of-state evaluator behind the saturation tables: agreement with the values published with each
// equation and with independent published data, exact derivatives, and a thermodynamically consistent solver.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "data/tools/eos/fluids.h"
#include "data/tools/eos/helmholtz.h"
#include "data/tools/eos/published_check.h"
#include "data/tools/eos/saturation.h"
#include "data/tools/eos/table_file.h"

namespace tervalo::eos {
namespace {

std::set<const FluidData*> AllFluids() {
    std::set<const FluidData*> fluids;
    for (const TablePlan& plan : TablePlans()) fluids.insert(&plan.fluid());
    return fluids;
}

TEST(PublishedStateAt0C, EveryEquationReproducesItsPublishedValues) {
    int withValues = 0;
    for (const FluidData* fluid : AllFluids()) {
        SCOPED_TRACE(std::string(fluid->name));
        if (fluid->published0C) ++withValues;
        for (const std::string& line : CompareWithPublished(*fluid)) ADD_FAILURE() << line;
    }
    EXPECT_EQ(withValues, 16);  // R13, R14, R124 and R227ea are published without them
}

TEST(PublishedStateAt0C, R22ToAllPrintedDigits) {
    const SaturationPoint point = Saturation(R22Fluid(), kIirTemperature).value();
    const double shift = IirEnthalpyShift(R22Fluid()).value();
    EXPECT_NEAR(point.pDew, 4.97987892, 1e-8);
    EXPECT_EQ(point.pDew, point.pBubble);
    EXPECT_NEAR(point.hLiquid + shift, 200.0, 1e-9);
    EXPECT_NEAR(point.hVapour + shift, 405.047908, 1e-6);
    EXPECT_NEAR(point.rhoLiquid, 1281.5159, 1e-4);
    EXPECT_NEAR(point.rhoVapour, 21.2293807, 1e-7);
}

TEST(PublishedStateAt0C, DamagedCoefficientIsCaught) {
    FluidData damaged = R22Fluid();
    damaged.power[3].n *= 1 + 1e-7;
    EXPECT_FALSE(CompareWithPublished(damaged).empty());

    FluidData swapped = R407CFluid();  // dew and bubble pressures mixed up
    std::swap(swapped.bubblePressure, swapped.dewPressure);
    EXPECT_FALSE(CompareWithPublished(swapped).empty());
}

TEST(PublishedStateAt0C, PrintedNumberGivesItsLastDigit) {
    const PrintedNumber number = ParsePrintedNumber("4.97987892");
    EXPECT_DOUBLE_EQ(number.value, 4.97987892);
    EXPECT_DOUBLE_EQ(number.lastDigitUnit, 1e-8);
    EXPECT_DOUBLE_EQ(ParsePrintedNumber("1281.5159").lastDigitUnit, 1e-4);
    EXPECT_DOUBLE_EQ(ParsePrintedNumber("200").lastDigitUnit, 1.0);
}

// The temperature (K) at which the dew or bubble pressure reaches p (bar), by bisection.
double SaturationTemperature(const FluidData& fluid, double pressure, bool dew) {
    double low = fluid.triplePointTemperature + 0.01;
    double high = fluid.criticalTemperature - 0.6;
    for (int i = 0; i < 60; ++i) {
        const double middle = (low + high) / 2;
        const SaturationPoint point = Saturation(fluid, middle).value();
        ((dew ? point.pDew : point.pBubble) < pressure ? low : high) = middle;
    }
    return (low + high) / 2;
}

struct BoilingPointRow {
    const FluidData& (*fluid)();
    double dewKelvin;
    double bubbleKelvin;
    double tolerance;  // K
};

// Normal boiling points (1.01325 bar) from the literature, independent of the values published with the
// equations: the fluids' handbook values, and for the blends the bubble and dew points of their designation.
TEST(IndependentData, NormalBoilingPoints) {
    const BoilingPointRow rows[] = {
        {R22Fluid, 232.34, 232.34, 0.01},  // -40.81 °C
        {R134aFluid, 247.08, 247.08, 0.02},
        {AmmoniaFluid, 239.83, 239.83, 0.02},
        {PropaneFluid, 231.04, 231.04, 0.02},
        {PropyleneFluid, 225.53, 225.53, 0.02},
        {IsobutaneFluid, 261.40, 261.40, 0.02},
        {R11Fluid, 296.86, 296.86, 0.02},
        {R12Fluid, 243.40, 243.40, 0.02},
        {R123Fluid, 300.97, 300.97, 0.02},
        {R124Fluid, 261.19, 261.19, 0.02},
        {R13Fluid, 191.67, 191.67, 0.1},  // older equation, 0.07 K from today's value
        {R14Fluid, 145.10, 145.10, 0.02},
        {R152aFluid, 249.13, 249.13, 0.02},
        {R227eaFluid, 256.81, 256.81, 0.02},
        {R23Fluid, 191.13, 191.13, 0.02},
        {R404AFluid, 273.15 - 45.5, 273.15 - 46.2, 0.1},
        {R407CFluid, 273.15 - 36.6, 273.15 - 43.6, 0.1},
        {R410AFluid, 273.15 - 51.4, 273.15 - 51.4, 0.1},
        {R507AFluid, 273.15 - 46.7, 273.15 - 46.7, 0.1},
    };
    for (const BoilingPointRow& row : rows) {
        const FluidData& fluid = row.fluid();
        SCOPED_TRACE(std::string(fluid.name));
        EXPECT_NEAR(SaturationTemperature(fluid, 1.01325, true), row.dewKelvin, row.tolerance);
        EXPECT_NEAR(SaturationTemperature(fluid, 1.01325, false), row.bubbleKelvin, row.tolerance);
    }
}

TEST(IndependentData, CriticalAndTriplePoints) {
    const FluidData& r22 = R22Fluid();
    EXPECT_NEAR(EvaluateState(r22, r22.criticalTemperature, r22.reducingDensity).pressure / 1e5, 49.90,
                0.005);
    // Just below the critical point the two phases approach each other and the critical pressure.
    const SaturationPoint nearCritical = Saturation(r22, r22.criticalTemperature - 0.05).value();
    EXPECT_NEAR(nearCritical.pDew, 49.9, 0.05);
    EXPECT_LT(nearCritical.rhoLiquid / nearCritical.rhoVapour, 1.3);

    // Carbon dioxide's triple point: 216.592 K, 5.1795 bar.
    EXPECT_NEAR(Saturation(CarbonDioxideFluid(), 216.592).value().pDew, 5.1795, 0.0005);
}

// Derivatives of the jets against central differences of the values, at states that exercise every kind of
// term: power and exponential (R13), Gaussian and the ammonia terms, the critical-region terms of carbon
// dioxide.
TEST(HelmholtzEnergy, DerivativesMatchDifferences) {
    const struct {
        const FluidData& (*fluid)();
        double tau, delta;
    } rows[] = {
        {R13Fluid, 1.3, 2.4},
        {AmmoniaFluid, 1.1, 2.7},
        {AmmoniaFluid, 1.02, 0.9},
        {CarbonDioxideFluid, 1.01, 1.2},
        {CarbonDioxideFluid, 1.05, 0.85},
        {PropaneFluid, 1.4, 0.02},
    };
    for (const auto& row : rows) {
        const FluidData& fluid = row.fluid();
        SCOPED_TRACE(std::string(fluid.name) + " tau " + std::to_string(row.tau));
        const auto atDelta = [&](double offset) {
            return ResidualHelmholtz(fluid, row.tau, row.delta + offset).v;
        };
        const auto atTau = [&](double offset) {
            return ResidualHelmholtz(fluid, row.tau + offset, row.delta).v;
        };
        // Fourth-order central differences: the Gaussian terms of carbon dioxide are very narrow in tau.
        const auto first = [](auto f, double h) {
            return (-f(2 * h) + 8 * f(h) - 8 * f(-h) + f(-2 * h)) / (12 * h);
        };
        const auto second = [](auto f, double h) {
            return (-f(2 * h) + 16 * f(h) - 30 * f(0.0) + 16 * f(-h) - f(-2 * h)) / (12 * h * h);
        };
        const Jet jet = ResidualHelmholtz(fluid, row.tau, row.delta);
        const double dDelta = first(atDelta, 1e-5);
        const double dDelta2 = second(atDelta, 1e-3);
        const double dTau = first(atTau, 1e-5);
        EXPECT_NEAR(jet.d, dDelta, 1e-7 * (1 + std::abs(dDelta)));
        EXPECT_NEAR(jet.dd, dDelta2, 1e-6 * (1 + std::abs(dDelta2)));
        EXPECT_NEAR(jet.t, dTau, 1e-7 * (1 + std::abs(dTau)));
    }
}

// The ideal-gas heat capacity from the second tau derivative of alpha0 against its defining sum, which checks
// the integrated forms of the heat-capacity terms.
TEST(HelmholtzEnergy, IdealGasHeatCapacityMatchesItsDefinition) {
    for (const FluidData* fluid : AllFluids()) {
        SCOPED_TRACE(std::string(fluid->name));
        for (double temperature : {180.0, 260.0, 340.0}) {
            const double tau = fluid->reducingTemperature / temperature;
            const Jet ideal = IdealGasHelmholtz(*fluid, tau, 1.0);
            const double fromHelmholtz = 1 - tau * tau * ideal.tt;
            const IdealGasPart& part = fluid->idealGas;
            double definition = 1 + part.logTau;
            for (const Cp0PowerTerm& term : part.cp0Power)
                definition += term.c * std::pow(term.criticalTemperature / tau, term.t);
            for (const PlanckEinsteinTerm& term : part.planckEinstein) {
                const double x = term.t * tau;
                definition += term.n * x * x * std::exp(x) / std::pow(std::exp(x) - 1, 2);
            }
            for (const IdealPowerTerm& term : part.power)
                definition -= term.n * term.t * (term.t - 1) * std::pow(tau, term.t);
            EXPECT_NEAR(fromHelmholtz, definition, 1e-10 * definition);
            EXPECT_GT(definition, 2.5);  // at least the heat capacity of a monatomic gas
        }
    }
}

// The Clapeyron equation dp/dT = (h'' - h') / (T (v'' - v')) ties the solved pressures to the enthalpies and
// densities; it holds for single substances only.
TEST(PhaseEquilibrium, ClapeyronHoldsAcrossEveryTable) {
    for (const TablePlan& plan : TablePlans()) {
        const FluidData& fluid = plan.fluid();
        if (fluid.pseudoPure) continue;
        SCOPED_TRACE(std::string(plan.fileName));
        const TableRange range = TableTemperatureRange(plan);
        for (int celsius = range.firstCelsius; celsius <= range.lastCelsius; celsius += 7) {
            const double t = celsius + 273.15;
            const double step = 1e-3;
            const SaturationPoint point = Saturation(fluid, t).value();
            const double slope =
                (Saturation(fluid, t + step).value().pDew - Saturation(fluid, t - step).value().pDew) * 1e5 /
                (2 * step);
            const double clapeyron =
                (point.hVapour - point.hLiquid) * 1000 / (t * (1 / point.rhoVapour - 1 / point.rhoLiquid));
            EXPECT_NEAR(slope / clapeyron, 1.0, 1e-5) << celsius << " °C";
        }
    }
}

TEST(PhaseEquilibrium, PhasesHaveEqualPressureAndGibbsEnergy) {
    for (const FluidData* fluid : AllFluids()) {
        if (fluid->pseudoPure) continue;
        SCOPED_TRACE(std::string(fluid->name));
        for (double fraction : {0.55, 0.75, 0.95, 0.995}) {
            const double t = fraction * fluid->criticalTemperature;
            if (t <= fluid->triplePointTemperature) continue;
            const CoexistingDensities densities = SolvePhaseEquilibrium(*fluid, t).value();
            const FluidState liquid = EvaluateState(*fluid, t, densities.liquid);
            const FluidState vapour = EvaluateState(*fluid, t, densities.vapour);
            EXPECT_NEAR(liquid.pressure / vapour.pressure, 1.0, 1e-8) << t;
            EXPECT_NEAR(liquid.gibbsEnergy - vapour.gibbsEnergy, 0.0, 1e-8 * fluid->gasConstant * t) << t;
            EXPECT_GT(liquid.dPressureDDensity, 0);
            EXPECT_GT(vapour.dPressureDDensity, 0);
        }
    }
}

TEST(PhaseEquilibrium, NoSolutionAtOrAboveTheCriticalTemperature) {
    EXPECT_FALSE(SolvePhaseEquilibrium(R22Fluid(), R22Fluid().criticalTemperature));
    EXPECT_FALSE(SolvePhaseEquilibrium(R22Fluid(), 400.0));
    EXPECT_FALSE(SolvePhaseEquilibrium(R14Fluid(), 273.15));
    EXPECT_FALSE(IirEnthalpyShift(R14Fluid()));
    EXPECT_FALSE(Saturation(R22Fluid(), 0.0));
    EXPECT_FALSE(Saturation(R22Fluid(), std::nan("")));
}

// A blend's liquid lies at its bubble pressure and its vapour at its dew pressure; the density solver must
// return states of the requested phase that reproduce the pressure.
TEST(PseudoPureBlends, PhasesAtTheirOwnPressures) {
    for (const FluidData* fluid : {&R404AFluid(), &R407CFluid(), &R410AFluid(), &R507AFluid()}) {
        SCOPED_TRACE(std::string(fluid->name));
        for (double t : {210.0, 260.0, 310.0}) {
            const SaturationPoint point = Saturation(*fluid, t).value();
            EXPECT_GE(point.pBubble, point.pDew);
            const FluidState liquid = EvaluateState(*fluid, t, point.rhoLiquid / fluid->molarMass);
            const FluidState vapour = EvaluateState(*fluid, t, point.rhoVapour / fluid->molarMass);
            EXPECT_NEAR(liquid.pressure / 1e5 / point.pBubble, 1.0, 1e-8);
            EXPECT_NEAR(vapour.pressure / 1e5 / point.pDew, 1.0, 1e-8);
            EXPECT_GT(point.rhoLiquid, 3 * point.rhoVapour);
        }
    }
    // R407C glides by about 7 K at atmospheric pressure; R507A hardly at all.
    const SaturationPoint r407c = Saturation(R407CFluid(), 250.0).value();
    EXPECT_GT(r407c.pBubble / r407c.pDew, 1.3);
    const SaturationPoint r507a = Saturation(R507AFluid(), 250.0).value();
    EXPECT_NEAR(r507a.pBubble / r507a.pDew, 1.0, 0.01);
}

TEST(PseudoPureBlends, DensityAtPressureRoundTrip) {
    const FluidData& fluid = R22Fluid();
    const CoexistingDensities densities = SolvePhaseEquilibrium(fluid, 250.0).value();
    const double compressed = densities.liquid * 1.02;
    const double superheated = densities.vapour * 0.7;
    const double pLiquid = EvaluateState(fluid, 250.0, compressed).pressure;
    const double pVapour = EvaluateState(fluid, 250.0, superheated).pressure;
    EXPECT_NEAR(DensityAtPressure(fluid, 250.0, pLiquid, Phase::Liquid).value() / compressed, 1.0, 1e-10);
    EXPECT_NEAR(DensityAtPressure(fluid, 250.0, pVapour, Phase::Vapour).value() / superheated, 1.0, 1e-10);
    EXPECT_FALSE(DensityAtPressure(fluid, 250.0, -1.0, Phase::Liquid));
}

}  // namespace
}  // namespace tervalo::eos

#include "data/tools/eos/saturation.h"

#include <cmath>

#include "data/tools/eos/helmholtz.h"

namespace tervalo::eos {

namespace {

constexpr int kMaxIterations = 100;
// Newton converges quadratically: once a step is this small relative to the density, the step just taken has
// brought the density to the limit that rounding in the Helmholtz-energy sums allows (about 1e-13).
constexpr double kRelativeStep = 1e-10;

// Reduced pressure J = delta (1 + delta alphar_delta) = p / (rho_r R T) and reduced Gibbs energy
// K = delta alphar_delta + alphar + ln delta (up to terms equal in both phases), with their delta
// derivatives.
struct ReducedFunctions {
    double j, jDelta, k, kDelta;
};

ReducedFunctions Reduced(const FluidData& fluid, double tau, double delta) {
    const Jet r = ResidualHelmholtz(fluid, tau, delta);
    return {delta * (1 + delta * r.d), 1 + 2 * delta * r.d + delta * delta * r.dd,
            delta * r.d + r.v + std::log(delta), 2 * r.d + delta * r.dd + 1 / delta};
}

double Theta(const Ancillary& ancillary, double temperature) {
    return 1 - temperature / ancillary.reducingTemperature;
}

double AncillarySum(const Ancillary& ancillary, double temperature) {
    const double theta = Theta(ancillary, temperature);
    double sum = 0;
    for (const AncillaryTerm& term : ancillary.terms) sum += term.n * std::pow(theta, term.t);
    return sum;
}

double ExponentForm(const Ancillary& ancillary, double temperature) {
    const double factor = ancillary.usingTauR ? ancillary.reducingTemperature / temperature : 1.0;
    return ancillary.reducingValue * std::exp(factor * AncillarySum(ancillary, temperature));
}

bool Finite(double a, double b) {
    return std::isfinite(a) && std::isfinite(b);
}

}  // namespace

double AncillaryPressure(const Ancillary& ancillary, double temperature) {
    return ExponentForm(ancillary, temperature);
}

double AncillaryVapourDensity(const Ancillary& ancillary, double temperature) {
    return ExponentForm(ancillary, temperature);
}

double AncillaryLiquidDensity(const Ancillary& ancillary, double temperature) {
    return ancillary.reducingValue * (1 + AncillarySum(ancillary, temperature));
}

std::optional<CoexistingDensities> SolvePhaseEquilibrium(const FluidData& fluid, double temperature) {
    if (!(temperature > 0 && temperature < fluid.criticalTemperature)) return std::nullopt;
    const double tau = fluid.reducingTemperature / temperature;
    double deltaL = AncillaryLiquidDensity(fluid.liquidDensity, temperature) / fluid.reducingDensity;
    double deltaV = AncillaryVapourDensity(fluid.vapourDensity, temperature) / fluid.reducingDensity;
    if (!(Finite(deltaL, deltaV) && deltaV > 0 && deltaL > deltaV)) return std::nullopt;

    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
        const ReducedFunctions l = Reduced(fluid, tau, deltaL);
        const ReducedFunctions v = Reduced(fluid, tau, deltaV);
        const double determinant = v.jDelta * l.kDelta - l.jDelta * v.kDelta;
        if (!std::isfinite(determinant) || determinant == 0) return std::nullopt;
        const double dj = v.j - l.j;
        const double dk = v.k - l.k;
        const double stepL = (dk * v.jDelta - dj * v.kDelta) / determinant;
        const double stepV = (dk * l.jDelta - dj * l.kDelta) / determinant;
        // Damp steps that would leave the physical region or swap the phases.
        double gamma = 1;
        while (!(deltaV + gamma * stepV > 0 && deltaL + gamma * stepL > deltaV + gamma * stepV) &&
               gamma > 1e-6)
            gamma /= 2;
        deltaL += gamma * stepL;
        deltaV += gamma * stepV;
        if (!Finite(deltaL, deltaV)) return std::nullopt;
        if (std::abs(gamma * stepL) <= kRelativeStep * deltaL &&
            std::abs(gamma * stepV) <= kRelativeStep * deltaV) {
            const ReducedFunctions lf = Reduced(fluid, tau, deltaL);
            const ReducedFunctions vf = Reduced(fluid, tau, deltaV);
            const bool distinct = deltaL > deltaV * (1 + 1e-6);
            const bool stable = lf.jDelta > 0 && vf.jDelta > 0;
            // The liquid's J carries an absolute rounding error of about 1e-13 from the cancelling sums,
            // which matters against the tiny J of a vapour far below the critical point.
            const bool equal = std::abs(vf.j - lf.j) <= 1e-9 * vf.j + 1e-11 && std::abs(vf.k - lf.k) <= 1e-9;
            if (!(distinct && stable && equal)) return std::nullopt;
            return CoexistingDensities{deltaL * fluid.reducingDensity, deltaV * fluid.reducingDensity};
        }
    }
    return std::nullopt;
}

std::optional<double> DensityAtPressure(const FluidData& fluid, double temperature, double pressure,
                                        Phase phase) {
    if (!(temperature > 0 && pressure > 0)) return std::nullopt;
    const double tau = fluid.reducingTemperature / temperature;
    const double target = pressure / (fluid.reducingDensity * fluid.gasConstant * temperature);
    double delta = (phase == Phase::Liquid ? AncillaryLiquidDensity(fluid.liquidDensity, temperature)
                                           : AncillaryVapourDensity(fluid.vapourDensity, temperature)) /
                   fluid.reducingDensity;
    if (!(std::isfinite(delta) && delta > 0)) return std::nullopt;
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
        const ReducedFunctions f = Reduced(fluid, tau, delta);
        if (!(f.jDelta > 0)) return std::nullopt;  // started on an unstable branch
        double step = (target - f.j) / f.jDelta;
        // Stay on the stable branch: halve steps that cross a spinodal or leave positive densities.
        while (step != 0) {
            const double next = delta + step;
            if (next > 0 && Reduced(fluid, tau, next).jDelta > 0) break;
            step /= 2;
            if (std::abs(step) < kRelativeStep * delta) return std::nullopt;
        }
        delta += step;
        if (std::abs(step) <= kRelativeStep * delta) {
            const double residual = Reduced(fluid, tau, delta).j - target;
            if (std::abs(residual) > 1e-9 * target) return std::nullopt;
            return delta * fluid.reducingDensity;
        }
    }
    return std::nullopt;
}

std::optional<SaturationPoint> Saturation(const FluidData& fluid, double temperature) {
    double liquidDensity = 0;
    double vapourDensity = 0;
    double pBubble = 0;
    double pDew = 0;
    if (fluid.pseudoPure) {
        pBubble = AncillaryPressure(fluid.bubblePressure, temperature);
        pDew = AncillaryPressure(fluid.dewPressure, temperature);
        const std::optional<double> liquid = DensityAtPressure(fluid, temperature, pBubble, Phase::Liquid);
        const std::optional<double> vapour = DensityAtPressure(fluid, temperature, pDew, Phase::Vapour);
        if (!liquid || !vapour || !(*liquid > *vapour)) return std::nullopt;
        liquidDensity = *liquid;
        vapourDensity = *vapour;
    } else {
        const std::optional<CoexistingDensities> densities = SolvePhaseEquilibrium(fluid, temperature);
        if (!densities) return std::nullopt;
        liquidDensity = densities->liquid;
        vapourDensity = densities->vapour;
        // The vapour side gives the pressure without the cancellation of the dense liquid.
        pDew = pBubble = EvaluateState(fluid, temperature, vapourDensity).pressure;
    }
    const FluidState liquid = EvaluateState(fluid, temperature, liquidDensity);
    const FluidState vapour = EvaluateState(fluid, temperature, vapourDensity);
    const double perKg = 1 / fluid.molarMass;  // mol/kg
    SaturationPoint point;
    point.temperature = temperature;
    point.pDew = pDew / 1e5;
    point.pBubble = pBubble / 1e5;
    point.hLiquid = liquid.enthalpy * perKg / 1000;
    point.hVapour = vapour.enthalpy * perKg / 1000;
    point.rhoLiquid = liquidDensity * fluid.molarMass;
    point.rhoVapour = vapourDensity * fluid.molarMass;
    return point;
}

std::optional<double> IirEnthalpyShift(const FluidData& fluid) {
    const std::optional<SaturationPoint> point = Saturation(fluid, kIirTemperature);
    if (!point) return std::nullopt;
    return kIirLiquidEnthalpy - point->hLiquid;
}

}  // namespace tervalo::eos

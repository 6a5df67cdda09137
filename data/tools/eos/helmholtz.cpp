#include "data/tools/eos/helmholtz.h"

#include <cmath>

namespace tervalo::eos {

namespace {

Jet Square(const Jet& a) {
    return a * a;
}

// Delta^b delta psi of the terms that shape the critical region (carbon dioxide). Needs delta != 1, which a
// saturated phase below the critical temperature never reaches.
Jet NonAnalytic(const NonAnalyticTerm& term, const Jet& delta, const Jet& tau) {
    const Jet deltaOffsetSquared = Square(delta - 1);
    const Jet theta = (1 - tau) + term.A * Pow(deltaOffsetSquared, 1 / (2 * term.beta));
    const Jet distance = Square(theta) + term.B * Pow(deltaOffsetSquared, term.a);
    const Jet psi = Exp(-term.C * deltaOffsetSquared - term.D * Square(tau - 1));
    return term.n * (Pow(distance, term.b) * delta * psi);
}

}  // namespace

Jet ResidualHelmholtz(const FluidData& fluid, double tauValue, double deltaValue) {
    const Jet delta = Jet::Delta(deltaValue);
    const Jet tau = Jet::Tau(tauValue);
    Jet sum;
    for (const PowerTerm& term : fluid.power) {
        Jet value = term.n * (Pow(delta, term.d) * Pow(tau, term.t));
        if (term.l > 0) value = value * Exp(-Pow(delta, term.l));
        sum = sum + value;
    }
    for (const ExponentialTerm& term : fluid.exponential)
        sum = sum + term.n * (Pow(delta, term.d) * Pow(tau, term.t) * Exp(-term.g * Pow(delta, term.l)));
    for (const GaussianTerm& term : fluid.gaussian)
        sum = sum +
              term.n * (Pow(delta, term.d) * Pow(tau, term.t) *
                        Exp(-term.eta * Square(delta - term.epsilon) - term.beta * Square(tau - term.gamma)));
    for (const GaoBTerm& term : fluid.gaoB)
        sum = sum + term.n * (Pow(delta, term.d) * Pow(tau, term.t) *
                              Exp(term.eta * Square(delta - term.epsilon) +
                                  Reciprocal(term.beta * Square(tau - term.gamma) + term.b)));
    for (const NonAnalyticTerm& term : fluid.nonAnalytic) sum = sum + NonAnalytic(term, delta, tau);
    return sum;
}

Jet IdealGasHelmholtz(const FluidData& fluid, double tauValue, double deltaValue) {
    const IdealGasPart& part = fluid.idealGas;
    const Jet tau = Jet::Tau(tauValue);
    Jet sum =
        Log(Jet::Delta(deltaValue)) + (part.leadA1 + part.offsetA1) + (part.leadA2 + part.offsetA2) * tau;
    if (part.logTau != 0) sum = sum + part.logTau * Log(tau);
    for (const IdealPowerTerm& term : part.power) sum = sum + term.n * Pow(tau, term.t);
    for (const PlanckEinsteinTerm& term : part.planckEinstein)
        sum = sum + term.n * Log(1 - Exp(-term.t * tau));
    for (const Cp0PowerTerm& term : part.cp0Power) {
        // (1 / (R T)) ∫ cp0 dT − (1 / R) ∫ cp0 / T dT from T0 to T, with T = Tc / tau.
        const double c = term.c;
        const double tc = term.criticalTemperature;
        if (term.t == 0) {
            const double tau0 = tc / term.t0;
            sum = sum + (c - (c / tau0) * tau + c * Log((1 / tau0) * tau));
        } else {
            const double t = term.t;
            sum =
                sum + ((-c * std::pow(tc, t) / (t * (t + 1))) * Pow(tau, -t) -
                       (c * std::pow(term.t0, t + 1) / (tc * (t + 1))) * tau + c * std::pow(term.t0, t) / t);
        }
    }
    return sum;
}

FluidState EvaluateState(const FluidData& fluid, double temperature, double density) {
    const double tau = fluid.reducingTemperature / temperature;
    const double delta = density / fluid.reducingDensity;
    const Jet r = ResidualHelmholtz(fluid, tau, delta);
    const Jet o = IdealGasHelmholtz(fluid, tau, delta);
    const double rt = fluid.gasConstant * temperature;
    FluidState state;
    state.pressure = density * rt * (1 + delta * r.d);
    state.dPressureDDensity = rt * (1 + 2 * delta * r.d + delta * delta * r.dd);
    state.enthalpy = rt * (1 + tau * (o.t + r.t) + delta * r.d);
    state.entropy = fluid.gasConstant * (tau * (o.t + r.t) - o.v - r.v);
    state.gibbsEnergy = rt * (1 + o.v + r.v + delta * r.d);
    return state;
}

}  // namespace tervalo::eos

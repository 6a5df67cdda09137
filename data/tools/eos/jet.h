#pragma once

// A value of a function of (delta, tau) together with the partial derivatives that the thermodynamic
// properties need. Arithmetic on jets applies the chain and product rules, so each Helmholtz-energy term is
// written once as its plain formula and its derivatives come out exact to rounding.

#include <cmath>

namespace tervalo::eos {

struct Jet {
    double v = 0;   // value
    double d = 0;   // d/d delta
    double dd = 0;  // d²/d delta²
    double t = 0;   // d/d tau
    double tt = 0;  // d²/d tau²

    static Jet Constant(double value) { return {value, 0, 0, 0, 0}; }
    static Jet Delta(double delta) { return {delta, 1, 0, 0, 0}; }
    static Jet Tau(double tau) { return {tau, 0, 0, 1, 0}; }
};

inline Jet operator+(const Jet& a, const Jet& b) {
    return {a.v + b.v, a.d + b.d, a.dd + b.dd, a.t + b.t, a.tt + b.tt};
}
inline Jet operator-(const Jet& a, const Jet& b) {
    return {a.v - b.v, a.d - b.d, a.dd - b.dd, a.t - b.t, a.tt - b.tt};
}
inline Jet operator-(const Jet& a) {
    return {-a.v, -a.d, -a.dd, -a.t, -a.tt};
}
inline Jet operator*(double k, const Jet& a) {
    return {k * a.v, k * a.d, k * a.dd, k * a.t, k * a.tt};
}
inline Jet operator*(const Jet& a, const Jet& b) {
    return {a.v * b.v, a.d * b.v + a.v * b.d, a.dd * b.v + 2 * a.d * b.d + a.v * b.dd, a.t * b.v + a.v * b.t,
            a.tt * b.v + 2 * a.t * b.t + a.v * b.tt};
}
inline Jet operator+(const Jet& a, double k) {
    return {a.v + k, a.d, a.dd, a.t, a.tt};
}
inline Jet operator-(const Jet& a, double k) {
    return {a.v - k, a.d, a.dd, a.t, a.tt};
}
inline Jet operator-(double k, const Jet& a) {
    return {k - a.v, -a.d, -a.dd, -a.t, -a.tt};
}

// f(a) for a function with value f0, first derivative f1 and second derivative f2 at a.v.
inline Jet Chain(const Jet& a, double f0, double f1, double f2) {
    return {f0, f1 * a.d, f2 * a.d * a.d + f1 * a.dd, f1 * a.t, f2 * a.t * a.t + f1 * a.tt};
}

inline Jet Exp(const Jet& a) {
    const double e = std::exp(a.v);
    return Chain(a, e, e, e);
}
inline Jet Log(const Jet& a) {
    return Chain(a, std::log(a.v), 1 / a.v, -1 / (a.v * a.v));
}
inline Jet Pow(const Jet& a, double k) {  // a.v > 0 unless k is a whole number
    if (k == 0) return Jet::Constant(1);
    const double p2 = k == 1 ? 0 : k * (k - 1) * std::pow(a.v, k - 2);
    return Chain(a, std::pow(a.v, k), k * std::pow(a.v, k - 1), p2);
}
inline Jet Reciprocal(const Jet& a) {
    return Chain(a, 1 / a.v, -1 / (a.v * a.v), 2 / (a.v * a.v * a.v));
}

}  // namespace tervalo::eos

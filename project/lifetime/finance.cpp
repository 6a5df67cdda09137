#include "project/lifetime/finance.h"

#include <cmath>
#include <cstddef>

namespace tervalo::lifetime {

double DiscountFactor(double rate, int year) {
    return std::pow(1.0 + rate, -year);
}

double NetPresentValue(const std::vector<double>& flows, double rate) {
    double sum = 0;
    for (std::size_t t = 0; t < flows.size(); ++t)
        sum += flows[t] * DiscountFactor(rate, static_cast<int>(t));
    return sum;
}

std::vector<double> Discounted(const std::vector<double>& flows, double rate) {
    std::vector<double> discounted(flows.size());
    for (std::size_t t = 0; t < flows.size(); ++t)
        discounted[t] = flows[t] * DiscountFactor(rate, static_cast<int>(t));
    return discounted;
}

double AnnuityPayment(double rate, int years, double presentValue) {
    if (years <= 0) return 0;
    if (rate == 0) return presentValue / years;
    // -expm1(-n·log1p(r)) is 1 - (1 + r)^-n without the cancellation of small rates.
    return presentValue * rate / -std::expm1(-years * std::log1p(rate));
}

std::optional<double> PaybackYears(const std::vector<double>& flows) {
    if (flows.empty()) return std::nullopt;
    // The last year that ends below zero: a payback lost again later is no payback.
    std::optional<std::size_t> lastBelow;
    double running = 0;
    for (std::size_t t = 0; t < flows.size(); ++t) {
        running += flows[t];
        if (running < 0) lastBelow = t;
    }
    if (!lastBelow) return 0.0;
    const std::size_t t = *lastBelow + 1;
    if (t >= flows.size()) return std::nullopt;
    double before = 0;
    for (std::size_t i = 0; i < t; ++i) before += flows[i];
    return static_cast<double>(t - 1) + (-before) / flows[t];
}

namespace {

int SignChanges(const std::vector<double>& flows) {
    int changes = 0, last = 0;
    for (const double flow : flows) {
        const int sign = (flow > 0) - (flow < 0);
        if (sign == 0) continue;
        if (last != 0 && sign != last) ++changes;
        last = sign;
    }
    return changes;
}

// The net present value as a polynomial in v = 1 / (1 + rate), v > 0.
double PresentValueAt(const std::vector<double>& flows, double v) {
    double sum = 0;
    for (std::size_t t = flows.size(); t-- > 0;) sum = sum * v + flows[t];
    return sum;
}

}  // namespace

InternalRate InternalRateOfReturn(const std::vector<double>& flows) {
    const int changes = SignChanges(flows);
    if (changes == 0) return {IrrStatus::NoSignChange, 0};
    if (changes > 1) return {IrrStatus::SeveralSignChanges, 0};

    // One positive root v of the polynomial: bracket it by doubling outwards from v = 1 (rate 0), on the
    // logarithm of v so that rates near -100 % and far above 100 % are reached alike.
    const auto sign = [&](double logV) {
        const double value = PresentValueAt(flows, std::exp(logV));
        return (value > 0) - (value < 0);
    };
    double low = 0, high = 0;
    const int atOne = sign(0);
    if (atOne == 0) return {IrrStatus::Unique, 0};
    for (double step = 1; step < 1e3; step *= 2) {
        if (sign(-step) != atOne) {
            low = -step;
            break;
        }
        if (sign(step) != atOne) {
            high = step;
            break;
        }
    }
    if (low == high) return {IrrStatus::NoSignChange, 0};  // the root lies beyond what a double can express
    const int atLow = sign(low);
    for (int i = 0; i < 200; ++i) {
        const double middle = 0.5 * (low + high);
        if (middle <= low || middle >= high) break;
        const int atMiddle = sign(middle);
        if (atMiddle == 0) {
            low = high = middle;
            break;
        }
        (atMiddle == atLow ? low : high) = middle;
    }
    // rate = 1/v - 1 = e^-logV - 1, exact for small rates as well.
    return {IrrStatus::Unique, std::expm1(-0.5 * (low + high))};
}

}  // namespace tervalo::lifetime

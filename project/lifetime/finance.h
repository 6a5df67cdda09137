#pragma once

// Discounted cash-flow arithmetic on yearly flows. flows[t] falls at the end of year t; flows[0] is today
// (the investment) and is not discounted. Rates are fractions per year (0.03 for 3 %) and must exceed -1.

#include <optional>
#include <vector>

namespace tervalo::lifetime {

// 1 / (1 + rate)^t.
double DiscountFactor(double rate, int year);

// Net present value: the sum of flows[t] × DiscountFactor(rate, t).
double NetPresentValue(const std::vector<double>& flows, double rate);

// The flows each multiplied by their discount factor.
std::vector<double> Discounted(const std::vector<double>& flows, double rate);

// The even yearly payment over `years` years (end of year) whose present value is `presentValue`: the annuity
// of a loan; presentValue / years at a rate of 0. Positive for a positive present value.
double AnnuityPayment(double rate, int years, double presentValue);

// Years until the running sum of the flows reaches 0 for good (it stays ≥ 0 in every later year), counted
// from the start of year 1 and interpolated linearly within the year that reaches it; 0 when the running sum
// is never negative. Nothing when it ends below 0.
std::optional<double> PaybackYears(const std::vector<double>& flows);

enum class IrrStatus {
    Unique,             // exactly one rate above -100 % makes the net present value 0
    NoSignChange,       // no rate does: the flows are all of one sign (or 0)
    SeveralSignChanges  // the flows change sign more than once: several rates, or none, may do it
};

struct InternalRate {
    IrrStatus status = IrrStatus::NoSignChange;
    double rate = 0;  // fraction per year; meaningful for Unique only
};

// The internal rate of return. It is given only where it is unique: by Descartes' rule of signs, flows that
// change sign exactly once (zeros skipped) have exactly one rate above -100 % with a net present value of 0,
// and it is found by bisection to full double precision. With more sign changes the rate is not reported, as
// one number would mislead.
InternalRate InternalRateOfReturn(const std::vector<double>& flows);

}  // namespace tervalo::lifetime

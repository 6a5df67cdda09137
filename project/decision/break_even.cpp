#include "project/decision/break_even.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "engine/checked_math.h"
#include "engine/number_text.h"
#include "project/calculation.h"
#include "project/field_numbers.h"
#include "project/round_down.h"

namespace tervalo::decision {

namespace {

constexpr int kFewestDigits = 4;
constexpr int kMostDigits = 15;

// mantissa × 10^exponent as the double nearest to that decimal.
double DecimalValue(long long mantissa, int exponent) {
    char text[48];
    std::snprintf(text, sizeof text, "%llde%d", mantissa, exponent);
    return std::strtod(text, nullptr);
}

// Whether the text of a candidate, typed back, makes the columns equal.
using TypedBackCheck = std::function<bool(const std::string& text)>;

// The exact figure cut to the fewest significant digits whose text passes the check: at each number of
// digits the nearest decimal first, then its two neighbours, the closer one first.
Figure ShortestEqualising(CheckedValue exact, char separator, const TypedBackCheck& equalises) {
    if (!exact) return std::nullopt;
    if (*exact == 0) {
        const std::string text = LocaleFormat(0, separator);
        if (equalises(text)) return ShownFigure{0, text};
        return std::nullopt;
    }
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(*exact))));
    for (int digits = kFewestDigits; digits <= kMostDigits; ++digits) {
        const int exponent = magnitude - digits + 1;
        const long long nearest = std::llround(*exact / std::pow(10.0, exponent));
        const double below = DecimalValue(nearest - 1, exponent);
        const double above = DecimalValue(nearest + 1, exponent);
        const bool belowFirst = *exact - below < above - *exact;
        for (const double candidate :
             {DecimalValue(nearest, exponent), belowFirst ? below : above, belowFirst ? above : below}) {
            const std::string text = LocaleFormat(candidate, separator);
            if (equalises(text)) return ShownFigure{FieldNumber(text), text};
        }
    }
    return std::nullopt;
}

bool EqualCost(const AnnualBalance& balance) {
    const auto fuel = ShownFuelCost(balance);
    const auto electricity = ShownElectricityCost(balance);
    return fuel && electricity && *fuel == *electricity;
}

bool EqualCo2(const AnnualBalance& balance) {
    const auto fuel = ShownFuelCo2Kilograms(balance);
    const auto electricity = ShownElectricityCo2Kilograms(balance);
    return fuel && electricity && *fuel == *electricity;
}

}  // namespace

std::optional<double> ShownFuelCost(const AnnualBalance& balance) {
    if (!balance.fuelCost) return std::nullopt;
    return RoundDown(*balance.fuelCost);
}

std::optional<double> ShownElectricityCost(const AnnualBalance& balance) {
    if (!balance.electricityCost) return std::nullopt;
    return RoundDown(*balance.electricityCost);
}

std::optional<double> ShownFuelCo2Kilograms(const AnnualBalance& balance) {
    return balance.fuelCo2;
}

std::optional<double> ShownElectricityCo2Kilograms(const AnnualBalance& balance) {
    if (!balance.electricityCo2) return std::nullopt;
    return RoundDown(1000 * *balance.electricityCo2);
}

BreakEven EvaluateBreakEven(const ProjectRecord& record, const AnnualBalance& balance) {
    const char separator = record.DecimalSeparator;
    const auto& b = balance;
    // The balance again on a copy with one input replaced, as if the figure had been typed in.
    ProjectRecord copy = record;
    const auto rerun = [&](std::optional<double> refrigerationCop) {
        return AnnualCostComparison(copy, refrigerationCop, b.compressorPower);
    };
    const auto restore = [&] {
        copy.EnergKost = record.EnergKost;
        copy.BrennK = record.BrennK;
        copy.EnergyFactors = record.EnergyFactors;
    };

    BreakEven result;
    if (b.fuelCost && b.electricity) {
        result.electricityPrice =
            ShortestEqualising(Divide(*b.fuelCost, *b.electricity), separator, [&](const std::string& text) {
                restore();
                copy.EnergKost = text;
                return EqualCost(rerun(b.refrigerationCop));
            });
    }
    if (b.electricityCost && b.fuelEnergy && b.calorificValue) {
        result.fuelPrice =
            ShortestEqualising(Divide(b.electricityPrice * *b.electricity * *b.calorificValue, *b.fuelEnergy),
                               separator, [&](const std::string& text) {
                                   restore();
                                   copy.BrennK = text;
                                   return EqualCost(rerun(b.refrigerationCop));
                               });
    }
    const auto copRerun = [&](const std::string& text) {
        restore();
        return rerun(FieldNumber(text) - 1);
    };
    if (b.heatPumpHeat && b.fuelCost) {
        result.heatingCopEqualCost =
            ShortestEqualising(Divide(b.electricityPrice * *b.heatPumpHeat, *b.fuelCost), separator,
                               [&](const std::string& text) { return EqualCost(copRerun(text)); });
    }
    if (b.heatPumpHeat && b.fuelCo2) {
        result.heatingCopEqualCo2 =
            ShortestEqualising(Divide(b.gridCo2Factor * *b.heatPumpHeat, *b.fuelCo2), separator,
                               [&](const std::string& text) { return EqualCo2(copRerun(text)); });
    }
    if (b.fuelCo2 && b.electricity && b.kind != HeatingKind::Electricity) {
        result.gridCo2Factor =
            ShortestEqualising(Divide(*b.fuelCo2, *b.electricity), separator, [&](const std::string& text) {
                restore();
                copy.EnergyFactors[4] = FieldNumber(text);
                return EqualCo2(rerun(b.refrigerationCop));
            });
    }
    return result;
}

AnnualSaving EvaluateSaving(const AnnualBalance& balance, char decimalSeparator) {
    AnnualSaving saving;
    const auto fuelCost = ShownFuelCost(balance);
    const auto electricityCost = ShownElectricityCost(balance);
    if (fuelCost && electricityCost) {
        const double money = *fuelCost - *electricityCost;
        saving.money = ShownFigure{money, LocaleFormat(money, decimalSeparator)};
    }
    const auto fuelCo2 = ShownFuelCo2Kilograms(balance);
    const auto electricityCo2 = ShownElectricityCo2Kilograms(balance);
    if (fuelCo2 && electricityCo2) {
        const double tonnes = (*fuelCo2 - *electricityCo2) / 1000;
        saving.co2 = ShownFigure{tonnes, LocaleFormat(tonnes, decimalSeparator)};
    }
    return saving;
}

}  // namespace tervalo::decision

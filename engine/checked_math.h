#pragma once

// Arithmetic of the statements that run with errors resumed at the next statement: a value that cannot be
// formed (division by zero, fractional power of a negative number, overflow) is reported as nothing, and the
// statement that would store it is skipped, so its target keeps its previous value.

#include <cmath>
#include <optional>

namespace tervalo {

using CheckedValue = std::optional<double>;

inline CheckedValue Finite(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

inline CheckedValue Divide(double numerator, double denominator) {
    if (denominator == 0) return std::nullopt;
    return Finite(numerator / denominator);
}

// base^exponent as the program's power operator: a negative base only with a whole exponent, zero only with
// an exponent of at least zero (0^0 = 1).
inline CheckedValue Power(double base, double exponent) {
    if (base < 0 && std::trunc(exponent) != exponent) return std::nullopt;
    if (base == 0 && exponent < 0) return std::nullopt;
    return Finite(std::pow(base, exponent));
}

// Stores a value into its target when it could be formed; reports whether it did.
inline bool Store(double& target, CheckedValue value) {
    if (!value || !std::isfinite(*value)) return false;
    target = *value;
    return true;
}

}  // namespace tervalo

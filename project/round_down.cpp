#include "project/round_down.h"

#include <algorithm>
#include <cmath>

namespace tervalo {

namespace {
constexpr double kRelativeTolerance = 1e-12;
}

double RoundDown(double value) {
    if (!std::isfinite(value)) return value;
    const double nearest = std::nearbyint(value);
    if (std::fabs(value - nearest) <= kRelativeTolerance * std::max(1.0, std::fabs(value))) return nearest;
    return std::floor(value);
}

double RoundDownTo(double value, double scale) {
    return RoundDown(scale * value) / scale;
}

}  // namespace tervalo

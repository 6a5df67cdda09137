#include "project/calculation_trace.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tervalo {

void CalculationTrace::Add(TraceQuantity quantity, std::string formula, std::string numbers,
                           std::optional<double> value, std::string shown,
                           std::string ProjectRecord::*field) {
    steps.push_back({quantity, std::move(formula), std::move(numbers), value, std::move(shown), field,
                     value ? TraceSkip::None : TraceSkip::NotEvaluable});
}

void CalculationTrace::Skip(TraceQuantity quantity, TraceSkip reason, std::string formula) {
    steps.push_back({quantity, std::move(formula), {}, std::nullopt, {}, nullptr, reason});
}

void CalculationTrace::CloseFrom(TraceQuantity first, TraceQuantity last) {
    for (int q = static_cast<int>(first); q <= static_cast<int>(last); ++q)
        if (!Find(static_cast<TraceQuantity>(q))) Skip(static_cast<TraceQuantity>(q), TraceSkip::NotReached);
}

const TraceStep* CalculationTrace::Find(TraceQuantity quantity) const {
    const auto found = std::find_if(steps.begin(), steps.end(),
                                    [quantity](const TraceStep& s) { return s.quantity == quantity; });
    return found == steps.end() ? nullptr : &*found;
}

std::string TraceNumber(double value) {
    if (!std::isfinite(value)) return "?";
    const double magnitude = std::fabs(value);
    const int wholeDigits = magnitude >= 1 ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 1;
    int decimals = std::max(0, 6 - wholeDigits);
    // Small magnitudes keep six significant digits.
    if (magnitude > 0 && magnitude < 1)
        decimals = std::min(12, 5 - static_cast<int>(std::floor(std::log10(magnitude))));
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    if (result.find('.') != std::string::npos) {
        result.erase(result.find_last_not_of('0') + 1);
        if (result.back() == '.') result.pop_back();
    }
    if (result == "-0") result = "0";
    return result;
}

std::string TraceOperand(double value) {
    const std::string text = TraceNumber(value);
    return text.front() == '-' ? "(" + text + ")" : text;
}

}  // namespace tervalo

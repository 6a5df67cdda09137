#pragma once

// Comparison of an evaluated equation of state with the saturation state at 0 °C published with it.

#include <string>
#include <string_view>
#include <vector>

#include "data/tools/eos/fluid_data.h"

namespace tervalo::eos {

// One line per quantity that differs from its published value by more than one unit of the last printed
// digit; empty when all agree or when nothing is published for the fluid.
std::vector<std::string> CompareWithPublished(const FluidData& fluid);

// The value of a published number and one unit of its last digit ("4.97987892" gives 1e-8).
struct PrintedNumber {
    double value = 0;
    double lastDigitUnit = 0;
};
PrintedNumber ParsePrintedNumber(std::string_view text);

}  // namespace tervalo::eos

#include "data/tools/eos/published_check.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "data/tools/eos/saturation.h"

namespace tervalo::eos {

PrintedNumber ParsePrintedNumber(std::string_view text) {
    const std::string copy(text);
    const std::size_t point = copy.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(copy.size() - point - 1);
    // The unit read as a number too, not computed with pow: that is exact on every system.
    const std::string unit = "1e-" + std::to_string(decimals);
    return {std::strtod(copy.c_str(), nullptr), std::strtod(unit.c_str(), nullptr)};
}

std::vector<std::string> CompareWithPublished(const FluidData& fluid) {
    std::vector<std::string> mismatches;
    if (!fluid.published0C) return mismatches;
    const std::optional<SaturationPoint> point = Saturation(fluid, kIirTemperature);
    const std::optional<double> shift = IirEnthalpyShift(fluid);
    if (!point || !shift) return {std::string(fluid.name) + ": no saturation state at 0 °C"};
    const PublishedValues& published = *fluid.published0C;
    const struct {
        const char* quantity;
        std::string_view printed;
        double computed;
    } rows[] = {
        {"dew pressure (bar)", published.pDewBar, point->pDew},
        {"bubble pressure (bar)", published.pBubbleBar, point->pBubble},
        {"liquid enthalpy (kJ/kg)", published.hLiquid, point->hLiquid + *shift},
        {"vapour enthalpy (kJ/kg)", published.hVapour, point->hVapour + *shift},
        {"liquid density (kg/m3)", published.rhoLiquid, point->rhoLiquid},
        {"vapour density (kg/m3)", published.rhoVapour, point->rhoVapour},
    };
    for (const auto& row : rows) {
        const PrintedNumber expected = ParsePrintedNumber(row.printed);
        if (std::abs(row.computed - expected.value) <= expected.lastDigitUnit) continue;
        char line[256];
        std::snprintf(line, sizeof line, "%s: %s at 0 °C is %.12g, published %s",
                      std::string(fluid.name).c_str(), row.quantity, row.computed,
                      std::string(row.printed).c_str());
        mismatches.emplace_back(line);
    }
    return mismatches;
}

}  // namespace tervalo::eos

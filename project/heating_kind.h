#pragma once

// The four kinds of existing heating, recognised by the text of HeizArt, and the constants of their fuels.

#include <string_view>

#include "localisation/caption_items.h"

namespace tervalo {

enum class HeatingKind { None = 0, LiquidFuel = 1, GasFuel = 2, SolidFuel = 3, Electricity = 4 };

// Heat-pump caption items that name the four kinds, in the order of the HeizArt list.
inline constexpr int kHeatingKindItems[4] = {kHeatHeatingOil, kHeatNaturalGas, kHeatWoodPellets,
                                             kHeatElectricity};

// The kind whose caption (current language) equals the text exactly; None for any other text.
HeatingKind HeatingKindOf(std::string_view heizArtText);

// Selector 1: calorific value, kWh per fuel unit; selector 2: CO2, kg per fuel unit (for Electricity the
// factor of the electricity mix, field 5 of energk.dat); None and any other selector: 0.
inline constexpr int kCalorificValue = 1;
inline constexpr int kCo2Factor = 2;
double FuelConstants(HeatingKind kind, int selector, double electricityCo2Factor);

}  // namespace tervalo

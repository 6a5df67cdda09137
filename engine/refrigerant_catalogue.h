#pragma once

// The refrigerants the engine knows: the accepted names with their saturation-table files, and the range of
// evaporating temperatures within which the project window accepts an operating point. All from the
// refrigerant registry.

#include <optional>
#include <span>
#include <string_view>

#include "engine/refrigerant_registry.h"

namespace tervalo {

// The catalogue in the order in which names are tested.
std::span<const RefrigerantRow> RefrigerantCatalogue();

// The table file of a name, or nothing when the name is not in the catalogue.
std::optional<std::string_view> RefrigerantTableFile(std::string_view name);

// The limits of a name or alias of the catalogue, or nothing for any other name.
std::optional<TemperatureLimits> ApplicationLimitsOf(std::string_view name);

// The limits after a refresh for a refrigerant (names compared exactly: case-sensitive, no trimming): tMax
// 65, then both from the limits of the name. A name outside the limits table keeps the tMin of `previous`.
TemperatureLimits RefreshApplicationLimits(std::string_view name, TemperatureLimits previous);

}  // namespace tervalo

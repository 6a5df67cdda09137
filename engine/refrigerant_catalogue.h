#pragma once

// The refrigerants the engine knows: the accepted names with their saturation-table files, and the range of
// evaporating temperatures within which the project window accepts an operating point.

#include <optional>
#include <span>
#include <string_view>

namespace tervalo {

struct RefrigerantCatalogueEntry {
    std::string_view name;       // the first accepted name
    std::string_view alias;      // a second accepted name, or empty
    std::string_view tableFile;  // opened by this bare name, without regard to letter case
};

// The catalogue in the order in which names are tested.
std::span<const RefrigerantCatalogueEntry> RefrigerantCatalogue();

// The table file of a name, or nothing when the name is not in the catalogue.
std::optional<std::string_view> RefrigerantTableFile(std::string_view name);

// Application limits: the lowest and highest evaporating temperature the project window accepts.
struct TemperatureLimits {
    int tMin = 0;  // °C
    int tMax = 0;  // °C

    bool operator==(const TemperatureLimits&) const = default;
};

// The limits of a name, or nothing for a name outside the limits table.
std::optional<TemperatureLimits> ApplicationLimitsOf(std::string_view name);

// The limits after a refresh for a refrigerant (names compared exactly: case-sensitive, no trimming): tMax 65,
// then both from the limits of the name. A name outside the limits table keeps the tMin of `previous`.
TemperatureLimits RefreshApplicationLimits(std::string_view name, TemperatureLimits previous);

}  // namespace tervalo

#pragma once

// The refrigerants the engine knows: the accepted names with their saturation-table files, and the range of
// evaporating temperatures within which the project window accepts an operating point.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tervalo {

// The project's refrigerant. Compared exactly everywhere: case-sensitive, no trimming.
extern std::string RefrigerantName;

struct RefrigerantCatalogueEntry {
    std::string_view name;       // the first accepted name
    std::string_view alias;      // a second accepted name, or empty
    std::string_view tableFile;  // opened by this bare name, without regard to letter case
};

// The catalogue in the order in which names are tested.
std::span<const RefrigerantCatalogueEntry> RefrigerantCatalogue();

// The table file of a name, or nothing when the name is not in the catalogue.
std::optional<std::string_view> RefrigerantTableFile(std::string_view name);

// Application limits, °C: the lowest and highest evaporating temperature the project window accepts.
extern int TMin;
extern int TMax;

struct TemperatureLimits {
    int tMin;  // °C
    int tMax;  // °C
};

// The limits of a name, or nothing for a name outside the limits table.
std::optional<TemperatureLimits> ApplicationLimitsOf(std::string_view name);

// Sets TMax to 65, then TMin and TMax from the limits of RefrigerantName. A name outside the limits table
// keeps the TMin of the previous refrigerant.
void RefreshApplicationLimits();

// Empties RefrigerantName and zeroes TMin and TMax, the values at program start.
void ResetRefrigerantSelection();

}  // namespace tervalo

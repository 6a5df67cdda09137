#pragma once

// Every fact the program holds about a refrigerant, in one row per refrigerant: the accepted names, the table
// file and how its numbers are stored, the application limits, the published equation the table is generated
// from, and the vapour heat-capacity correlation. The catalogue, the table reader, the vapour properties and
// the table generator all read these rows; adding a refrigerant means adding a row (and its table or
// equation).

#include <span>
#include <string_view>

#include "engine/vapour_correlation.h"

namespace tervalo {

// Application limits: the lowest and highest evaporating temperature the project window accepts.
struct TemperatureLimits {
    int tMin = 0;  // °C
    int tMax = 0;  // °C

    bool operator==(const TemperatureLimits&) const = default;
};

// How the numbers of a table file differ from the units the engine works in. Every record holds the
// temperature (K), the dew and bubble pressures (bar), the enthalpies of saturated liquid and vapour (kJ/kg)
// and the densities of saturated liquid and vapour (kg/m³), except where a layout says otherwise.
struct StoredLayout {
    bool specificVolumes = false;          // fields 6 and 7 hold 1000 / density (dm³/kg)
    bool negatedEnthalpies = false;        // fields 4 and 5 hold the enthalpies with the opposite sign
    int negatedLiquidEnthalpyRecords = 0;  // the first records whose field 4 holds the opposite sign
    bool celsius = false;                  // field 1 holds the temperature in °C
};

struct RefrigerantRow {
    std::string_view name;             // the first accepted name
    std::string_view alias;            // a second accepted name, or empty
    std::string_view tableFile;        // opened by this bare name, without regard to letter case
    StoredLayout layout;               // of the table file
    TemperatureLimits limits;          // of the name and the alias alike
    std::string_view equationOfState;  // the published equation the table is generated from; empty: none
    VapourCorrelation vapour;
};

// The rows in the order in which names are tested.
std::span<const RefrigerantRow> RefrigerantRegistry();

// The row of a name or alias, compared exactly (case-sensitive, no trimming); null for any other name.
const RefrigerantRow* FindRefrigerant(std::string_view name);

// The row whose table file has exactly this name; null for any other file.
const RefrigerantRow* FindRefrigerantByTableFile(std::string_view tableFile);

}  // namespace tervalo

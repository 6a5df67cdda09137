#pragma once

// Saturation tables: one record per saturation temperature, read from the refrigerant's table file and
// brought to the units the cycle works in. Reading is kept apart from the lookup, which works on a plain
// table.

#include <array>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/engine_status.h"

namespace tervalo {

struct SaturationRecord {
    double t = 0;          // saturation temperature, K (the key of a lookup by temperature)
    double pDew = 0;       // dew-point pressure, bar
    double pBubble = 0;    // bubble-point pressure, bar (equal to pDew for single substances and azeotropes)
    double hLiquid = 0;    // specific enthalpy of saturated liquid, kJ/kg
    double hVapour = 0;    // specific enthalpy of saturated vapour, kJ/kg
    double rhoLiquid = 0;  // density of saturated liquid, kg/m³
    double rhoVapour = 0;  // density of saturated vapour, kg/m³

    bool operator==(const SaturationRecord&) const = default;
};

// What a lookup searches by. For ByDewPressure the values of t and pDew are exchanged in every record before
// the search, for ByBubblePressure t and pBubble: the searched column then stands in `t`, and the exchanged
// slot holds the saturation temperature at the looked-up pressure.
enum class LookupKey : int { ByTemperature = 0, ByDewPressure = 1, ByBubblePressure = 2 };
inline constexpr int kLookupKeyCount = 3;

// The column a lookup searches.
inline double SaturationKey(const SaturationRecord& record, LookupKey mode) {
    switch (mode) {
        case LookupKey::ByDewPressure:
            return record.pDew;
        case LookupKey::ByBubblePressure:
            return record.pBubble;
        case LookupKey::ByTemperature:
            break;
    }
    return record.t;
}

// The records in file order, already converted to the units above.
struct SaturationTable {
    std::vector<SaturationRecord> records;
    // Per LookupKey: every record's key is a number and none is below the one before, so a lookup may bracket
    // by binary search. Set by ParseSaturationTable; a table built otherwise is searched record by record.
    std::array<bool, kLookupKeyCount> keyAscending{};
};

// Parses the bytes of a table file: seven numbers per record, fields separated by commas or line breaks, "."
// as decimal point, no header. Each record is converted from the layout the refrigerant registry gives the
// file
// (`tableFile` is the name the catalogue gives, such as "PROPAN.DAT"; any other name is read as it stands).
// Blanks and line ends after the last record are ignored. Fails with DamagedTable when the data ends inside a
// record, holds no record, or a conversion divides by zero.
EngineStatus ParseSaturationTable(std::string_view bytes, std::string_view tableFile, SaturationTable& table);

// Sets keyAscending from the records.
void FindAscendingKeys(SaturationTable& table);

// Tables are read whole; none of them comes near this size.
inline constexpr std::size_t kSaturationTableByteLimit = 16u << 20;

// A table as loaded for one calculation: the table, or why there is none.
struct SaturationTableLoad {
    EngineStatus status = EngineStatus::MissingTable;
    std::shared_ptr<const SaturationTable> table;  // set when status is Ok
};

// Reads and parses a table file by its bare name in the current directory, found without regard to letter
// case. Every call reads the file: a caller loads once per calculation (one user action), so an edited table
// counts from the next calculation on, and the calculation itself touches no file.
SaturationTableLoad LoadSaturationTable(std::string_view tableFile);

// The table of a refrigerant name of the catalogue; UnknownRefrigerant for a name outside it.
SaturationTableLoad LoadRefrigerantTable(std::string_view refrigerantName);

}  // namespace tervalo

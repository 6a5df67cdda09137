#pragma once

// Saturation tables: one record per saturation temperature, read from the refrigerant's table file and
// brought to the units the cycle works in. Reading is kept apart from the lookup, which works on a plain
// table.

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

// The records in file order, already converted to the units above.
struct SaturationTable {
    std::vector<SaturationRecord> records;
};

// Parses the bytes of a table file: seven numbers per record, fields separated by commas or line breaks, "."
// as decimal point, no header. Each record is converted as its file's name demands (`tableFile` is the name
// the catalogue gives, such as "PROPAN.DAT"). Blanks and line ends after the last record are ignored. Fails
// with DamagedTable when the data ends inside a record, holds no record, or a conversion divides by zero.
EngineStatus ParseSaturationTable(std::string_view bytes, std::string_view tableFile, SaturationTable& table);

// Tables are read whole; none of them comes near this size.
inline constexpr std::size_t kSaturationTableByteLimit = 16u << 20;

struct SaturationTableLoad {
    EngineStatus status = EngineStatus::MissingTable;
    std::shared_ptr<const SaturationTable> table;  // set when status is Ok
};

// Reads a table file by its bare name in the current directory, found without regard to letter case. A parsed
// table is kept and handed out again while the file stays the same file (device and inode) with the same
// size, modification and change time; any change of the file makes the next call read it again. A file
// modified in the last few seconds is not kept, as a second change within the file system's clock tick could
// go unseen.
SaturationTableLoad LoadSaturationTable(std::string_view tableFile);

// With caching off every load reads and parses the file (for measurements and comparisons).
void SetSaturationTableCaching(bool enabled);
void ClearSaturationTableCache();

// While an object of this class lives, a cached table whose file was checked once is handed out without
// checking the file again: the lookups of one cycle run, microseconds apart, then cost one check instead of
// one each. Has no effect with caching off.
class SaturationTableRun {
  public:
    SaturationTableRun();
    ~SaturationTableRun();
    SaturationTableRun(const SaturationTableRun&) = delete;
    SaturationTableRun& operator=(const SaturationTableRun&) = delete;
};

}  // namespace tervalo

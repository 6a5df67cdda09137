#include "engine/saturation_table.h"

#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <string>

#include "engine/file_access.h"
#include "engine/platform.h"
#include "engine/text_record.h"

namespace tervalo {

namespace {

constexpr std::size_t kFieldsPerRecord = 7;

// How the numbers of a table file differ from the in-memory units.
enum class TableConversion {
    None,
    SpecificVolumes,  // densities stored as specific volumes, dm³/kg
    AmmoniaVolumes,   // specific volumes, and the first records' liquid enthalpies with the sign turned
    NegatedEnthalpyVolumes,  // both enthalpies with the sign turned, and specific volumes
    Celsius,                 // temperatures in °C
};

// Records of "AMMONIAK.DAT" whose liquid enthalpy is stored with the opposite sign.
constexpr long kAmmoniaNegatedRecords = 8;

TableConversion ConversionOf(std::string_view tableFile) {
    if (tableFile == "R11.DAT" || tableFile == "R12.DAT" || tableFile == "R23.DAT")
        return TableConversion::SpecificVolumes;
    if (tableFile == "AMMONIAK.DAT") return TableConversion::AmmoniaVolumes;
    if (tableFile == "PROPAN.DAT" || tableFile == "PROPYLEN.DAT")
        return TableConversion::NegatedEnthalpyVolumes;
    if (tableFile == "R123.DAT") return TableConversion::Celsius;
    return TableConversion::None;
}

// 1000 / volume; a zero or vanishing volume makes the file unusable.
bool VolumeToDensity(double& field) {
    if (field == 0) return false;
    const double density = 1000 / field;
    if (!std::isfinite(density)) return false;
    field = density;
    return true;
}

bool Convert(SaturationRecord& record, TableConversion conversion, long counter) {
    switch (conversion) {
        case TableConversion::None:
            return true;
        case TableConversion::SpecificVolumes:
            return VolumeToDensity(record.rhoLiquid) && VolumeToDensity(record.rhoVapour);
        case TableConversion::AmmoniaVolumes:
            if (counter <= kAmmoniaNegatedRecords) record.hLiquid = -record.hLiquid;
            return VolumeToDensity(record.rhoLiquid) && VolumeToDensity(record.rhoVapour);
        case TableConversion::NegatedEnthalpyVolumes:
            record.hLiquid = -record.hLiquid;
            record.hVapour = -record.hVapour;
            return VolumeToDensity(record.rhoLiquid) && VolumeToDensity(record.rhoVapour);
        case TableConversion::Celsius:
            record.t = record.t + 273.15;
            return std::isfinite(record.t);
    }
    return false;
}

// Blanks, line ends and a DOS end-of-file mark after the last record are no part of the data.
std::string_view WithoutTrailingSpace(std::string_view bytes) {
    while (!bytes.empty()) {
        const char last = bytes.back();
        if (last != ' ' && last != '\t' && last != '\r' && last != '\n' && last != '\x1a') break;
        bytes.remove_suffix(1);
    }
    return bytes;
}

// A file modified within the last few seconds may be modified again without its modification time changing
// (coarse file-system clocks, two-second resolution on FAT); such a file is read again at every load until it
// has aged.
constexpr std::int64_t kSettledSeconds = 3;

bool HasSettled(const FileStamp& identity) {
    constexpr std::int64_t kNsPerSecond = 1000000000;
    // Whole seconds rounded down, also before 1970.
    const std::int64_t modifiedSeconds =
        identity.modifiedNs / kNsPerSecond - (identity.modifiedNs % kNsPerSecond < 0 ? 1 : 0);
    return modifiedSeconds < NowSeconds() - kSettledSeconds;
}

// The identity of the file a bare name opens: the exact spelling first (one system call on the usual path),
// otherwise the match without regard to letter case.
std::optional<FileStamp> IdentityOfTableFile(std::string_view tableFile) {
    const std::string name(tableFile);
    if (auto identity = StampOfFile(name)) return identity;
    const auto found = FindFileNoCase(name);
    if (!found) return std::nullopt;
    return StampOfFile(*found);
}

SaturationTableLoad ReadAndParse(std::string_view tableFile) {
    SaturationTableLoad load;
    const std::string name(tableFile);
    if (name.empty()) return load;
    const auto bytes = ReadFileBytes(name, kSaturationTableByteLimit);
    if (!bytes) return load;
    auto table = std::make_shared<SaturationTable>();
    load.status = ParseSaturationTable(*bytes, tableFile, *table);
    if (load.status == EngineStatus::Ok) load.table = std::move(table);
    return load;
}

struct CachedTable {
    FileStamp identity;
    std::shared_ptr<const SaturationTable> table;
    unsigned long long checkedInRun = 0;  // the SaturationTableRun in which the file was last checked
};

// Keyed on the file name asked for; each entry remembers which file it was read from.
std::map<std::string, CachedTable, std::less<>> cache;
bool cachingEnabled = true;

// The current SaturationTableRun (0: none, or nested runs share the outermost).
unsigned runDepth = 0;
unsigned long long currentRun = 0;
unsigned long long lastRun = 0;

// More distinct names than the catalogue holds only come from callers outside it; keep the cache bounded.
constexpr std::size_t kMaxCachedTables = 64;

}  // namespace

EngineStatus ParseSaturationTable(std::string_view bytes, std::string_view tableFile,
                                  SaturationTable& table) {
    table.records.clear();
    const TableConversion conversion = ConversionOf(tableFile);
    TextRecordReader reader(WithoutTrailingSpace(bytes));
    long counter = 0;
    while (!reader.AtEnd()) {
        ++counter;
        std::array<double, kFieldsPerRecord> fields{};
        for (double& field : fields)
            if (!reader.ReadDouble(field)) return EngineStatus::DamagedTable;
        SaturationRecord record{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
        if (!Convert(record, conversion, counter)) return EngineStatus::DamagedTable;
        table.records.push_back(record);
    }
    return table.records.empty() ? EngineStatus::DamagedTable : EngineStatus::Ok;
}

SaturationTableLoad LoadSaturationTable(std::string_view tableFile) {
    if (!cachingEnabled) return ReadAndParse(tableFile);

    const auto cached = cache.find(tableFile);
    if (cached != cache.end() && currentRun != 0 && cached->second.checkedInRun == currentRun)
        return {EngineStatus::Ok, cached->second.table};
    const auto identity = IdentityOfTableFile(tableFile);
    if (!identity) return {};
    if (cached != cache.end() && cached->second.identity == *identity) {
        cached->second.checkedInRun = currentRun;
        return {EngineStatus::Ok, cached->second.table};
    }

    SaturationTableLoad load = ReadAndParse(tableFile);
    // The identity taken after reading: a file replaced in between is then read again next time.
    const auto identityAfter = IdentityOfTableFile(tableFile);
    if (load.status == EngineStatus::Ok && identityAfter && *identityAfter == *identity &&
        HasSettled(*identity)) {
        if (cache.size() >= kMaxCachedTables) cache.clear();
        cache.insert_or_assign(std::string(tableFile), CachedTable{*identity, load.table, currentRun});
    } else if (cached != cache.end()) {
        cache.erase(cached);
    }
    return load;
}

void SetSaturationTableCaching(bool enabled) {
    cachingEnabled = enabled;
    if (!enabled) cache.clear();
}

void ClearSaturationTableCache() {
    cache.clear();
}

SaturationTableRun::SaturationTableRun() {
    if (runDepth++ == 0) currentRun = ++lastRun;
}

SaturationTableRun::~SaturationTableRun() {
    if (--runDepth == 0) currentRun = 0;
}

}  // namespace tervalo

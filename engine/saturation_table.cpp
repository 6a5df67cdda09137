#include "engine/saturation_table.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "engine/file_access.h"
#include "engine/number_text.h"
#include "engine/refrigerant_catalogue.h"
#include "engine/refrigerant_registry.h"

namespace tervalo {

namespace {

constexpr std::size_t kFieldsPerRecord = 7;

// 1000 / volume; a zero or vanishing volume makes the file unusable.
bool VolumeToDensity(double& field) {
    if (field == 0) return false;
    const double density = 1000 / field;
    if (!std::isfinite(density)) return false;
    field = density;
    return true;
}

// Undoes the layout of the file for the record with the given 1-based number.
bool Convert(SaturationRecord& record, const StoredLayout& layout, long number) {
    if (layout.celsius) {
        record.t = record.t + 273.15;
        if (!std::isfinite(record.t)) return false;
    }
    if (number <= layout.negatedLiquidEnthalpyRecords) record.hLiquid = -record.hLiquid;
    if (layout.negatedEnthalpies) {
        record.hLiquid = -record.hLiquid;
        record.hVapour = -record.hVapour;
    }
    return !layout.specificVolumes ||
           (VolumeToDensity(record.rhoLiquid) && VolumeToDensity(record.rhoVapour));
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

// The fields of a table file read straight from its bytes, with the text-record reader's rules for every
// byte sequence (blanks before a field skipped, a quoted field taken between its quotes and the rest up to
// the separator dropped, an unquoted one up to a comma or line end with trailing blanks cut, CR LF one line
// end), but without a stream or a string per field: the table is the program's largest file and is read on
// every user action.
class FieldScanner {
  public:
    explicit FieldScanner(std::string_view bytes) : at_(bytes.data()), end_(bytes.data() + bytes.size()) {}

    bool AtEnd() const { return at_ == end_; }

    // The next field as a number; false at the end of the data.
    bool ReadDouble(double& value) {
        while (at_ != end_ && (*at_ == ' ' || *at_ == '\t')) ++at_;
        if (at_ == end_) return false;
        std::string_view field;
        if (*at_ == '"') {
            const char* first = ++at_;
            while (at_ != end_ && *at_ != '"') ++at_;
            field = {first, static_cast<std::size_t>(at_ - first)};
            if (at_ != end_)
                for (++at_; at_ != end_ && !IsSeparator(*at_);) ++at_;
        } else {
            const char* first = at_;
            while (at_ != end_ && !IsSeparator(*at_)) ++at_;
            const char* last = at_;
            while (last != first && (last[-1] == ' ' || last[-1] == '\t')) --last;
            field = {first, static_cast<std::size_t>(last - first)};
        }
        if (at_ != end_) {
            const char separator = *at_++;
            if (separator == '\r' && at_ != end_ && *at_ == '\n') ++at_;
        }
        value = LeadingNumber(field);
        return true;
    }

  private:
    static bool IsSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }

    const char* at_;
    const char* end_;
};

bool KeysAscend(const std::vector<SaturationRecord>& records, LookupKey mode) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const double key = SaturationKey(records[i], mode);
        if (std::isnan(key) || (i > 0 && key < SaturationKey(records[i - 1], mode))) return false;
    }
    return true;
}

}  // namespace

void FindAscendingKeys(SaturationTable& table) {
    for (LookupKey mode : {LookupKey::ByTemperature, LookupKey::ByDewPressure, LookupKey::ByBubblePressure})
        table.keyAscending[static_cast<std::size_t>(mode)] = KeysAscend(table.records, mode);
}

EngineStatus ParseSaturationTable(std::string_view bytes, std::string_view tableFile,
                                  SaturationTable& table) {
    table.records.clear();
    const RefrigerantRow* refrigerant = FindRefrigerantByTableFile(tableFile);
    const StoredLayout layout = refrigerant ? refrigerant->layout : StoredLayout{};
    const std::string_view data = WithoutTrailingSpace(bytes);
    // Room for one record per line (the usual layout), but never more than the bytes can hold: a record takes
    // at least seven bytes (seven empty fields and their separators).
    const auto lines = static_cast<std::size_t>(std::count(data.begin(), data.end(), '\n')) + 1;
    table.records.reserve(std::min(lines, data.size() / kFieldsPerRecord + 1));
    FieldScanner reader(data);
    long counter = 0;
    while (!reader.AtEnd()) {
        ++counter;
        std::array<double, kFieldsPerRecord> fields{};
        for (double& field : fields)
            if (!reader.ReadDouble(field)) return EngineStatus::DamagedTable;
        SaturationRecord record{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
        if (!Convert(record, layout, counter)) return EngineStatus::DamagedTable;
        table.records.push_back(record);
    }
    FindAscendingKeys(table);
    return table.records.empty() ? EngineStatus::DamagedTable : EngineStatus::Ok;
}

SaturationTableLoad LoadSaturationTable(std::string_view tableFile) {
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

SaturationTableLoad LoadRefrigerantTable(std::string_view refrigerantName) {
    const auto tableFile = RefrigerantTableFile(refrigerantName);
    if (!tableFile) return {EngineStatus::UnknownRefrigerant, nullptr};
    return LoadSaturationTable(*tableFile);
}

}  // namespace tervalo

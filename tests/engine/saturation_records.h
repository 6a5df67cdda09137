#pragma once

// Saturation tables for the engine's tests: records whose columns have closed forms, written as a table file
// or parsed into a table in memory as a load from that file would give it.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/saturation_table.h"
#include "support/temp_dir.h"

namespace tervalo::test {

// The records as a table file: one record per line, seven fields, CR LF, full precision.
inline std::string TableText(const std::vector<SaturationRecord>& records) {
    std::string text;
    char line[256];
    for (const auto& r : records) {
        std::snprintf(line, sizeof line, "%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g\r\n", r.t, r.pDew,
                      r.pBubble, r.hLiquid, r.hVapour, r.rhoLiquid, r.rhoVapour);
        text += line;
    }
    return text;
}

// The table that loading a file of these bytes named `tableFile` gives (its name selects the stored layout).
inline SaturationTableLoad TableLoadOf(std::string_view bytes, std::string_view tableFile = "R22.DAT") {
    auto table = std::make_shared<SaturationTable>();
    SaturationTableLoad load;
    load.status = ParseSaturationTable(bytes, tableFile, *table);
    if (load.status == EngineStatus::Ok) load.table = std::move(table);
    return load;
}

inline SaturationTableLoad TableLoadOf(const std::vector<SaturationRecord>& records,
                                       std::string_view tableFile = "R22.DAT") {
    return TableLoadOf(TableText(records), tableFile);
}

// Writes the file with a modification time an hour back, as a file untouched for long.
inline void WriteSettledFile(const std::filesystem::path& file, std::string_view bytes) {
    WriteBytes(file, bytes);
    std::filesystem::last_write_time(file,
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
}

// A single substance whose columns are linear in temperature, records every 5 K from 200 K to 400 K:
// pressures 0.1 bar/K, liquid enthalpy 1.2 kJ/(kg·K), vapour enthalpy 0.3 kJ/(kg·K), vapour density
// 0.1 kg/(m³·K). `glide` is added to the bubble pressure, making it a blend with constant glide.
inline std::vector<SaturationRecord> LinearRecords(double glide = 0) {
    std::vector<SaturationRecord> records;
    for (int k = 200; k <= 400; k += 5) {
        const double t = k;
        const double p = 0.1 * (t - 190);
        records.push_back({t, p, p + glide, 200 + 1.2 * (t - 273.15), 400 + 0.3 * (t - 273.15),
                           1500 - 2 * (t - 200), 0.5 + 0.1 * (t - 200)});
    }
    return records;
}

}  // namespace tervalo::test

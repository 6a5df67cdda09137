#pragma once

// Shared pieces of the refrigerant-engine tests: a fixture that plays the engine's caller (it keeps the
// refrigerant, the superheat, the cycle state and the last lookup between runs, as the project part does), and
// table files written from records.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/cycle_state.h"
#include "engine/refrigerant_catalogue.h"
#include "engine/refrigeration_cycle.h"
#include "engine/saturation_lookup.h"
#include "engine/saturation_table.h"
#include "engine/vapour_properties.h"
#include "support/temp_dir.h"

namespace tervalo::test {

class EngineTest : public ::testing::Test {
  protected:
    // What the caller keeps between runs.
    std::string RefrigerantName;
    double Superheat = 0;  // K
    CycleStateRecord CycleState;
    SaturationLookupState SaturationLookup;
    TemperatureLimits ApplicationLimits;

    // A cycle run as the project part makes one: the table of RefrigerantName loaded from the current
    // directory, the cycle started from CycleState, and its new state kept.
    EngineStatus RunRefrigerationCycle(double t0, double tc, double tSuction, double dTLiquid) {
        const CycleRun run = tervalo::RunRefrigerationCycle(
            RefrigerantName, LoadRefrigerantTable(RefrigerantName), {t0, tc, tSuction, dTLiquid, Superheat},
            CycleState);
        CycleState = run.state;
        return run.status;
    }

    // A lookup in the table of RefrigerantName; its bracket is kept in SaturationLookup.
    EngineStatus LookupSaturation(double value, LookupKey mode) {
        const tervalo::SaturationLookup lookup =
            tervalo::LookupSaturation(LoadRefrigerantTable(RefrigerantName), value, mode);
        SaturationLookup = lookup.bracket;
        return lookup.status;
    }

    std::optional<double> InterpolateSaturation(double value, SaturationColumn column) const {
        return InterpolateBracket(SaturationLookup, value, column);
    }

    void VapourProperties(double tSuction, double tDischarge, double tLiquid) {
        tervalo::VapourProperties(RefrigerantName, Superheat, tSuction, tDischarge, tLiquid, CycleState);
    }

    void RefreshApplicationLimits() {
        ApplicationLimits = tervalo::RefreshApplicationLimits(RefrigerantName, ApplicationLimits);
    }
};

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

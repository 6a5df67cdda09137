#pragma once

// A data sheet's declaration as a JSON file, and the seasonal figures of a unit as JSON. The file holds
// exactly these members:
//
//   {"climate": "average", "flow_temperature": 35, "source": "air", "reversible": true,
//    "design_load_kw": 7.65, "bivalent_temperature": -7, "operation_limit": -10,
//    "points": [{"t": -7, "capacity_kw": 6.78, "cop": 3.05, "cd": 0.9}, ...],
//    "off_mode_w": {"off": 15, "thermostat_off": 15, "standby": 15, "crankcase": 0}}
//
// `cd` may be left out (0.9). A temperature given twice with the same values counts once. Brine and water
// units are evaluated without cycling losses (C_d 1), as their certified declarations are.

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>
#include <variant>

#include "project/seasonal/bin_method.h"

namespace tervalo::seasonal {

struct UnitFile {
    UnitDeclaration unit;
    int flowTemperature_C = 35;  // 35 or 55
};

// The declaration, or the message that names the member at fault.
std::variant<UnitFile, std::string> ParseUnitFile(std::string_view json);

// The C_d rule of a source: 1 for brine and water, each point's own (0.9 where none) for air.
std::optional<double> SourceDegradationRule(Source source);

std::string_view ClimateName(Climate climate);  // "average", "colder", "warmer"
std::string_view SourceName(Source source);     // "air", "brine", "water"

// The `seasonal_unit` object: scop, scop_on, scop_net, eta_s, q_h_kwh, q_he_kwh, backup_kwh and bins.
std::string SeasonalUnitJson(const SeasonalResult& result);

// The bins as a JSON array: t, hours, part_load, load_kw, capacity_kw, cop, backup_kw, heat_pump_heat_kwh,
// backup_heat_kwh, electricity_kwh (heat pump and back-up).
nlohmann::ordered_json BinsArray(const std::vector<BinResult>& bins);

}  // namespace tervalo::seasonal

#pragma once

// The saturation table files of the program, planned from the refrigerant registry: which equation serves
// which file, the temperature range of each file, and each file's layout. Every record holds, comma-separated
// and ended by CR LF: the temperature (K), the dew and bubble pressures (bar), the enthalpies of saturated
// liquid and vapour (kJ/kg) and the densities of saturated liquid and vapour (kg/m³). Some files keep older
// layouts that the program converts back after reading: specific volumes (dm³/kg) in place of densities,
// enthalpies with the opposite sign, °C in place of K.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/tools/eos/fluid_data.h"
#include "data/tools/eos/saturation.h"
#include "engine/refrigerant_registry.h"

namespace tervalo::eos {

struct TablePlan {
    std::string_view fileName;
    const FluidData& (*fluid)();
    int lowestEvaporatingTemperature;  // °C: the lowest evaporating temperature the program accepts
    StoredLayout layout;
};

// Every table file of the registry that a published equation of state serves, in registry order.
const std::vector<TablePlan>& TablePlans();
const TablePlan* FindTablePlan(std::string_view fileName);

// The records of a table: one per whole degree Celsius, from 30 K below the lowest evaporating temperature
// (or the lowest temperature of the equation) up to the last whole degree at least 0.5 K below the critical
// temperature. Enthalpies in the IIR reference state, or in the published reference state for a fluid that
// has no liquid at 0 °C. None when the equation fails to give a state.
std::optional<std::vector<SaturationPoint>> TableRecords(const TablePlan& plan);

// The first and last temperature (whole °C) of a table.
struct TableRange {
    int firstCelsius;
    int lastCelsius;
};
TableRange TableTemperatureRange(const TablePlan& plan);

// The bytes of a table file in the file's layout.
std::string EncodeTable(const std::vector<SaturationPoint>& records, const StoredLayout& layout);

// A number with the given count of significant digits, in plain decimal notation with a point (no exponent).
std::string FormatSignificant(double value, int significantDigits);

}  // namespace tervalo::eos

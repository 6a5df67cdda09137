#pragma once

// The golden record of the refrigeration cycle and the compressor model: design points run as one sequence,
// each starting from the cycle state the previous one left, and their results written bit for bit as hex
// floats. The file is written by engine_golden_record and compared by engine_golden_test.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/cycle_state.h"
#include "engine/engine_status.h"

namespace tervalo::test {

struct GoldenInput {
    std::string refrigerant;
    double t0 = 0;         // evaporating temperature, °C
    double tc = 0;         // condensing temperature, °C
    double tSuction = 0;   // gas temperature at the compressor inlet, °C
    double dTLiquid = 0;   // liquid below the condensing temperature, K
    double superheat = 0;  // K
};

struct GoldenRun {
    EngineStatus status = EngineStatus::Ok;
    CycleStateRecord state;                 // the cycle state after the run
    std::optional<double> compressorPower;  // kW, formed as the design point forms it
    double dischargeTemperature = 0;        // K, at the state after the run
};

// The only place that calls the engine: runs one point on the cycle state `previous` and leaves the new state
// there.
GoldenRun RunGoldenPoint(const GoldenInput& input, CycleStateRecord& previous);

// Copies the staged tables of `distDir` into the current directory and adds the hand-made tables of the
// record: a file that ends inside a record, an empty file, a table of one key, a blend with constant glide,
// and a directory in place of a table.
void StageGoldenTables(const std::filesystem::path& distDir);

// One line of the record. Doubles as hex floats; a result equal bit for bit to the same result of the line
// before is written "=", which keeps the file small and shows what a failing run left unchanged.
std::string GoldenLine(const GoldenInput& input, const GoldenRun& run, const GoldenRun* before);

// The inverse of GoldenLine; nothing for a malformed line.
struct GoldenLineData {
    GoldenInput input;
    GoldenRun run;
};
std::optional<GoldenLineData> ParseGoldenLine(std::string_view line, const GoldenRun* before);

// Bitwise equality, any NaN equal to any NaN.
bool SameDouble(double a, double b);

std::string_view StatusName(EngineStatus status);

}  // namespace tervalo::test

#include "golden_design_point.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "engine/checked_math.h"
#include "engine/compressor.h"
#include "engine/refrigeration_cycle.h"
#include "engine/saturation_table.h"

namespace tervalo::test {

GoldenRun RunGoldenPoint(const GoldenInput& input, CycleStateRecord& previous) {
    const CycleRun cycle = RunRefrigerationCycle(
        input.refrigerant, LoadRefrigerantTable(input.refrigerant),
        {input.t0, input.tc, input.tSuction, input.dTLiquid, input.superheat}, previous);
    GoldenRun run;
    run.status = cycle.status;
    previous = cycle.state;
    run.state = cycle.state;

    // As the design point: 20 kW of refrigeration, the power only when the cycle ran and the mass flow
    // formed, from the discharge temperature the cycle found.
    const CycleStateRecord& s = run.state;
    if (run.status == EngineStatus::Ok) {
        if (const auto massFlow = Divide(20, s.hVapourEvap - s.hLiquidCond))
            run.compressorPower = CompressorPowerAtDischarge(cycle.tDischarge, s.TEvap, s.TCond, *massFlow,
                                                             input.tSuction, s.hVapourCond, s.hVapourEvap, s);
    }
    run.dischargeTemperature =
        DischargeTemperature(s.pEvap, s.pCond, input.tSuction + 273.15, s.CompressionExponent, s);
    return run;
}

namespace {

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A blend whose columns are linear in temperature, every 5 K from 200 K to 400 K, bubble pressure 0.5 bar
// above the dew pressure.
std::string LinearBlendTable() {
    std::string text;
    char line[256];
    for (int k = 200; k <= 400; k += 5) {
        const double t = k;
        const double p = 0.1 * (t - 190);
        std::snprintf(line, sizeof line, "%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g\r\n", t, p, p + 0.5,
                      200 + 1.2 * (t - 273.15), 400 + 0.3 * (t - 273.15), 1500 - 2 * (t - 200),
                      0.5 + 0.1 * (t - 200));
        text += line;
    }
    return text;
}

}  // namespace

void StageGoldenTables(const std::filesystem::path& distDir) {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(distDir)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 4 && name.substr(name.size() - 4) == ".DAT" && entry.is_regular_file()) {
            fs::copy_file(entry.path(), name, fs::copy_options::overwrite_existing);
        }
    }
    // Catalogue names whose tables are not shipped.
    WriteFile("R502.DAT", "250,1,1,100,300,1300,5\r\n260,1.5,1.5,110");  // ends inside a record
    WriteFile("R13.DAT", "");
    WriteFile("R723.DAT", "260,2,2,150,350,1200,8\r\n260,2,2,150,350,1200,8\r\n");  // one key
    WriteFile("HX4.DAT", LinearBlendTable());
    WriteFile("R13B1.DAT",
              "300,9,9,230,420,1100,40\r\n250,3,3,170,400,1300,12\r\n280,6,6,200,410,1200,25\r\n");
    fs::copy_file(distDir / "R22.DAT", "ac9000.dat", fs::copy_options::overwrite_existing);  // found by case
    fs::create_directory("FX_90.DAT");
}

namespace {

constexpr int kStateFields = 16;

double* StateField(CycleStateRecord& s, int i) {
    double* fields[kStateFields] = {&s.TEvap,
                                    &s.TCond,
                                    &s.pEvap,
                                    &s.pCond,
                                    &s.hVapourEvap,
                                    &s.rhoVapourEvap,
                                    &s.rhoSuction,
                                    &s.hLiquidCond,
                                    &s.hVapourCond,
                                    &s.cpLiquid,
                                    &s.dpdTEvap,
                                    &s.dpdTRatio,
                                    &s.cpVapourEvap,
                                    &s.cpVapourSuction,
                                    &s.cpVapourDischarge,
                                    &s.CompressionExponent};
    return fields[i];
}

std::string Hex(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

void AppendResult(std::string& line, double value, const double* before) {
    line += ' ';
    line += before && SameDouble(value, *before) ? std::string("=") : Hex(value);
}

constexpr EngineStatus kStatuses[] = {
    EngineStatus::Ok,           EngineStatus::UnknownRefrigerant, EngineStatus::MissingTable,
    EngineStatus::DamagedTable, EngineStatus::InvalidArithmetic,  EngineStatus::OutsideTable};

}  // namespace

bool SameDouble(double a, double b) {
    if (std::isnan(a) && std::isnan(b)) return true;
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

std::string_view StatusName(EngineStatus status) {
    switch (status) {
        case EngineStatus::Ok:
            return "Ok";
        case EngineStatus::UnknownRefrigerant:
            return "UnknownRefrigerant";
        case EngineStatus::MissingTable:
            return "MissingTable";
        case EngineStatus::DamagedTable:
            return "DamagedTable";
        case EngineStatus::InvalidArithmetic:
            return "InvalidArithmetic";
        case EngineStatus::OutsideTable:
            return "OutsideTable";
    }
    return "?";
}

// "name" t0 tc tSuction dTLiquid superheat : status 16 state fields, compressor power ("-" when not formed),
// discharge temperature.
std::string GoldenLine(const GoldenInput& input, const GoldenRun& run, const GoldenRun* before) {
    std::string line = "\"" + input.refrigerant + "\"";
    for (double value : {input.t0, input.tc, input.tSuction, input.dTLiquid, input.superheat})
        line += ' ' + Hex(value);
    line += " : ";
    line += StatusName(run.status);
    CycleStateRecord state = run.state;
    CycleStateRecord beforeState = before ? before->state : CycleStateRecord{};
    for (int i = 0; i < kStateFields; ++i)
        AppendResult(line, *StateField(state, i), before ? StateField(beforeState, i) : nullptr);
    if (!run.compressorPower)
        line += " -";
    else
        AppendResult(line, *run.compressorPower,
                     before && before->compressorPower ? &*before->compressorPower : nullptr);
    AppendResult(line, run.dischargeTemperature, before ? &before->dischargeTemperature : nullptr);
    return line;
}

namespace {

// Splits at single blanks.
std::vector<std::string> Tokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        tokens.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return tokens;
}

std::optional<double> ParseHex(const std::string& token) {
    char* end = nullptr;
    const double value = std::strtod(token.c_str(), &end);
    if (token.empty() || *end != '\0') return std::nullopt;
    return value;
}

// A result token: "=" takes the value of the line before.
std::optional<double> ParseResult(const std::string& token, const double* before) {
    if (token == "=") {
        if (!before) return std::nullopt;
        return *before;
    }
    return ParseHex(token);
}

}  // namespace

std::optional<GoldenLineData> ParseGoldenLine(std::string_view line, const GoldenRun* before) {
    if (line.empty() || line.front() != '"') return std::nullopt;
    const std::size_t close = line.find('"', 1);
    if (close == std::string_view::npos || close + 1 >= line.size()) return std::nullopt;
    GoldenLineData data;
    data.input.refrigerant = std::string(line.substr(1, close - 1));
    const auto tokens = Tokens(line.substr(close + 2));
    if (tokens.size() != 5 + 2 + kStateFields + 2 || tokens[5] != ":") return std::nullopt;

    double* inputs[] = {&data.input.t0, &data.input.tc, &data.input.tSuction, &data.input.dTLiquid,
                        &data.input.superheat};
    for (int i = 0; i < 5; ++i) {
        const auto value = ParseHex(tokens[i]);
        if (!value) return std::nullopt;
        *inputs[i] = *value;
    }
    bool statusKnown = false;
    for (EngineStatus status : kStatuses)
        if (tokens[6] == StatusName(status)) data.run.status = status, statusKnown = true;
    if (!statusKnown) return std::nullopt;

    CycleStateRecord beforeState = before ? before->state : CycleStateRecord{};
    for (int i = 0; i < kStateFields; ++i) {
        const auto value = ParseResult(tokens[7 + i], before ? StateField(beforeState, i) : nullptr);
        if (!value) return std::nullopt;
        *StateField(data.run.state, i) = *value;
    }
    const std::string& power = tokens[7 + kStateFields];
    if (power != "-") {
        data.run.compressorPower =
            ParseResult(power, before && before->compressorPower ? &*before->compressorPower : nullptr);
        if (!data.run.compressorPower) return std::nullopt;
    }
    const auto discharge =
        ParseResult(tokens[8 + kStateFields], before ? &before->dischargeTemperature : nullptr);
    if (!discharge) return std::nullopt;
    data.run.dischargeTemperature = *discharge;
    return data;
}

}  // namespace tervalo::test

#include "seasonal_output.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "project/seasonal/seasonal_file.h"
#include "project/seasonal/unit_file.h"

namespace tervalo {

namespace {

using namespace seasonal;

// A data sheet is a few hundred bytes; anything far larger is no data sheet.
constexpr std::streamsize kLargestFile = 1 << 20;

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Lines(const UnitFile& file, const SeasonalResult& r) {
    std::ostringstream out;
    const auto line = [&](const char* name, const std::string& text) {
        out << "SeasonalUnit." << name << '=' << text << '\n';
    };
    line("climate", std::string(ClimateName(file.unit.climate)));
    line("flow_temperature", std::to_string(file.flowTemperature_C));
    line("source", std::string(SourceName(file.unit.source)));
    if (file.unit.cdOverride)
        line("cd",
             Fixed(*file.unit.cdOverride, 2) + " (brine and water units are rated without cycling losses)");
    line("scop", Fixed(r.scop, 3));
    line("scop_on", Fixed(r.scopOn, 3));
    line("scop_net", Fixed(r.scopNet, 3));
    line("eta_s", Fixed(r.etaS_pct, 1));
    line("q_h_kwh", Fixed(r.heatDemand_kWh, 1));
    line("q_he_kwh", Fixed(r.annualElectricity_kWh, 1));
    line("backup_kwh", Fixed(r.backupHeat_kWh, 1));
    line("backup_share_percent", Fixed(100 * r.backupShare, 2));
    for (const BinResult& b : r.bins)
        out << "SeasonalUnit.bin." << b.t_C << '=' << Fixed(b.hours, 0) << " h, load " << Fixed(b.load_kW, 3)
            << " kW, capacity " << Fixed(b.capacity_kW, 3) << " kW, COP " << Fixed(b.cop, 3) << ", back-up "
            << Fixed(b.backup_kW, 3) << " kW, electricity "
            << Fixed(b.heatPumpElectricity_kWh + b.backupHeat_kWh, 1) << " kWh\n";
    return out.str();
}

}  // namespace

int RunSeasonalUnit(const std::string& path, bool json) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "tervalo-calc: " << path << ": cannot be read\n";
        return 1;
    }
    std::string text;
    text.resize(static_cast<std::size_t>(kLargestFile) + 1);
    in.read(text.data(), kLargestFile + 1);
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (static_cast<std::streamsize>(text.size()) > kLargestFile) {
        std::cerr << "tervalo-calc: " << path << ": far too large for a data sheet\n";
        return 1;
    }
    const auto parsed = ParseUnitFile(text);
    if (const auto* message = std::get_if<std::string>(&parsed)) {
        std::cerr << "tervalo-calc: " << path << ": " << *message << '\n';
        return 1;
    }
    const UnitFile& file = std::get<UnitFile>(parsed);
    const SeasonalResult result = EvaluateSeason(file.unit);
    if (json)
        std::cout << "{\"seasonal_unit\": " << SeasonalUnitJson(result) << "}\n";
    else
        std::cout << Lines(file, result);
    return 0;
}

std::string SeasonalLines(const ProjectRecord& record, ActionLoads* loads) {
    std::string lines;
    for (const SeasonalFigure& figure : SeasonalFiguresOf(ProjectSeasonsMemberObject(record, loads)))
        lines += figure.name + '=' + figure.text.value_or("\u2013") + '\n';
    return lines;
}

}  // namespace tervalo

#include "project/seasonal/seasonal_file.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "engine/file_access.h"
#include "project/json_members.h"
#include "project/seasonal/unit_file.h"

namespace tervalo::seasonal {

namespace {

using Json = nlohmann::ordered_json;

// A few kilobytes at most; anything near this is no inputs file.
constexpr std::size_t kFileLimit = 256 * 1024;

Json Optional(const std::optional<double>& value) {
    return value && std::isfinite(*value) ? Json(*value) : Json(nullptr);
}

Json AnnualJson(const SeasonAnnual& a) {
    return {{"electricity_kwh", a.electricity_kWh},
            {"backup_fuel_kwh", a.backupFuel_kWh},
            {"cost", a.cost},
            {"co2_kg", a.co2_kg},
            {"saving", a.savingMoney},
            {"co2_saving_t", a.savingCo2_t},
            {"break_even",
             {{"electricity_price", Optional(a.electricityPrice)},
              {"fuel_price", Optional(a.fuelPrice)},
              {"seasonal_cop_equal_cost", Optional(a.seasonalCopEqualCost)},
              {"grid_co2_factor", Optional(a.gridCo2Factor)}}}};
}

Json SeasonJson(const ProjectSeason& s, Backup backup) {
    const Season& season = ReferenceSeason(s.climate);
    Json json = {{"climate", ClimateName(s.climate)},
                 {"design_temperature", season.designTemperature_C},
                 {"bivalent_temperature", s.bivalent_C},
                 {"design_load_kw", s.designLoad_kW},
                 {"computed", s.result.has_value()}};
    if (s.band)
        json["certified_band"] = {
            {"median", s.band->median}, {"p10", s.band->low10}, {"p90", s.band->high90}};
    else
        json["certified_band"] = nullptr;
    if (!s.result) {
        json["scop"] = nullptr;
        json["bins"] = Json::array();
        return json;
    }
    const SeasonalResult& r = *s.result;
    json["scop"] = ProjectScop(r, backup);
    json["scop_on"] = r.scopOn;
    json["scop_net"] = r.scopNet;
    json["above_certified_band"] = s.aboveBand;
    json["q_h_kwh"] = r.heatDemand_kWh;
    json["backup_kwh"] = r.backupHeat_kWh;
    json["backup_share"] = r.backupShare;
    json["annual"] = s.annual ? AnnualJson(*s.annual) : Json(nullptr);
    Json bins = BinsArray(r.bins);
    for (std::size_t i = 0; i < bins.size() && i < s.cycle.size(); ++i) {
        const CycleBin& c = s.cycle[i];
        AppendMembers(bins[i], {{"t0", c.t0_C},
                                {"flow_temperature", c.flow_C},
                                {"tc", c.tc_C},
                                {"cycle_cop", c.heatingCop},
                                {"carnot_cop", c.carnotCop}});
    }
    json["bins"] = std::move(bins);
    return json;
}

// Adds the scalars of `json` under `prefix`; objects nest, arrays (the bins) stay out.
void Flatten(const Json& json, const std::string& prefix, std::vector<SeasonalFigure>& into) {
    for (const auto& [key, value] : json.items()) {
        if (value.is_array()) continue;
        const std::string name = prefix + '.' + key;
        if (value.is_object())
            Flatten(value, name, into);
        else if (value.is_null() || (value.is_number_float() && !std::isfinite(value.get<double>())))
            into.push_back({name, std::nullopt});
        else
            into.push_back({name, value.is_string() ? value.get<std::string>() : value.dump()});
    }
}

}  // namespace

ProjectSeasonInputs Sanitised(const ProjectSeasonInputs& in) {
    const auto clamp = [](double value, double low, double high, double fallback) {
        return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
    };
    const ProjectSeasonInputs defaults;
    ProjectSeasonInputs out;
    out.evaporatorDifference_K = clamp(in.evaporatorDifference_K, 0, 30, defaults.evaporatorDifference_K);
    out.condenserDifference_K = clamp(in.condenserDifference_K, 0, 30, defaults.condenserDifference_K);
    if (in.bivalent_C && std::isfinite(*in.bivalent_C))
        out.bivalent_C = std::clamp(*in.bivalent_C, -30.0, 15.0);
    return out;
}

SeasonalFileRead ParseSeasonalFile(std::string_view bytes) {
    SeasonalFileRead read;
    const auto json = nlohmann::json::parse(bytes, nullptr, false);
    if (json.is_discarded() || !json.is_object()) {
        read.damaged = true;
        return read;
    }
    const auto number = [&](const nlohmann::json& object, const char* name, double& into) {
        if (!object.contains(name)) return;
        if (object[name].is_number())
            into = object[name].get<double>();
        else
            read.damaged = true;
    };
    if (json.contains("project")) {
        const auto& project = json["project"];
        if (project.is_object()) {
            number(project, "evaporator_difference_k", read.project.evaporatorDifference_K);
            number(project, "condenser_difference_k", read.project.condenserDifference_K);
            if (project.contains("bivalent_temperature") && !project["bivalent_temperature"].is_null()) {
                double bivalent = 0;
                number(project, "bivalent_temperature", bivalent);
                if (project["bivalent_temperature"].is_number()) read.project.bivalent_C = bivalent;
            }
        } else {
            read.damaged = true;
        }
    }
    const ProjectSeasonInputs sane = Sanitised(read.project);
    read.damaged = read.damaged || !(sane == read.project);
    read.project = sane;
    if (json.contains("unit") && json["unit"].is_object()) read.unitJson = json["unit"].dump();
    return read;
}

std::string SeasonalFileBytes(const ProjectSeasonInputs& project,
                              const std::optional<std::string>& unitJson) {
    Json json = {{"project",
                  {{"evaporator_difference_k", project.evaporatorDifference_K},
                   {"condenser_difference_k", project.condenserDifference_K},
                   {"bivalent_temperature", Optional(project.bivalent_C)}}}};
    if (unitJson) {
        auto unit = Json::parse(*unitJson, nullptr, false);
        if (!unit.is_discarded()) json["unit"] = std::move(unit);
    }
    return json.dump(2) + "\n";
}

SeasonalFileRead LoadSeasonalFile() {
    // Found once: a search for a name in another letter case reads the whole folder.
    const std::optional<std::filesystem::path> found = FindFileNoCase(kSeasonalFileName);
    if (found)
        if (const std::optional<std::string> bytes = ReadFileBytes(*found, kFileLimit))
            return ParseSeasonalFile(*bytes);
    SeasonalFileRead read;
    read.damaged = found.has_value();
    return read;
}

bool SaveSeasonalFile(const ProjectSeasonInputs& project, const std::optional<std::string>& unitJson) {
    return ReplaceFileBytes(kSeasonalFileName, SeasonalFileBytes(project, unitJson));
}

std::string ProjectSeasonsJson(const ProjectSeasons& s, bool inputsFileDamaged) {
    return ProjectSeasonsObject(s, inputsFileDamaged).dump();
}

Json ProjectSeasonsObject(const ProjectSeasons& s, bool inputsFileDamaged) {
    Json json = {{"label", "refrigeration cycle only: no fans, pumps or defrost"},
                 {"source", SourceName(s.source)},
                 {"design_flow_temperature", s.designFlow_C},
                 {"evaporator_difference_k", s.inputs.evaporatorDifference_K},
                 {"condenser_difference_k", s.inputs.condenserDifference_K},
                 {"bivalent_temperature", Optional(s.inputs.bivalent_C)},
                 {"cd", s.degradation},
                 {"backup", s.backup == Backup::Boiler ? "boiler" : "electric"},
                 {"certified_band_flow_temperature", s.bandFlow_C},
                 {"certified_band_source", kCertifiedBandSource},
                 {"inputs_file_damaged", inputsFileDamaged}};
    Json seasons = Json::array();
    for (const ProjectSeason& season : s.seasons) seasons.push_back(SeasonJson(season, s.backup));
    json["seasons"] = std::move(seasons);
    return json;
}

std::string ProjectSeasonsMember(const ProjectRecord& record, ActionLoads* loads) {
    return ProjectSeasonsMemberObject(record, loads).dump();
}

Json ProjectSeasonsMemberObject(const ProjectRecord& record, ActionLoads* loads) {
    const SeasonalFileRead read = LoadSeasonalFile();
    return ProjectSeasonsObject(EvaluateProjectSeasons(record, read.project, loads), read.damaged);
}

std::vector<SeasonalFigure> SeasonalFigures(std::string_view memberJson) {
    return SeasonalFiguresOf(Json::parse(memberJson, nullptr, false));
}

std::vector<SeasonalFigure> SeasonalFiguresOf(const Json& json) {
    std::vector<SeasonalFigure> figures;
    if (!json.is_object()) return figures;
    Flatten(json, "Seasonal", figures);
    if (!json.contains("seasons") || !json["seasons"].is_array()) return figures;
    for (Json season : json["seasons"]) {
        if (!season.is_object() || !season.contains("climate") || !season["climate"].is_string()) continue;
        const std::string prefix = "Seasonal." + season["climate"].get<std::string>();
        season.erase("climate");
        Flatten(season, prefix, figures);
    }
    return figures;
}

std::string ProjectSeasonsCsv(const ProjectSeasons& s) {
    std::string csv =
        "climate,scop,t,hours,part_load,load_kw,capacity_kw,cop,backup_kw,electricity_kwh,t0,flow_"
        "temperature,"
        "tc,cycle_cop,carnot_cop\r\n";
    const auto number = [](double value) { return Json(value).dump(); };
    for (const ProjectSeason& season : s.seasons) {
        if (!season.result) continue;
        const std::string scop = number(ProjectScop(*season.result, s.backup));
        for (std::size_t i = 0; i < season.result->bins.size() && i < season.cycle.size(); ++i) {
            const BinResult& b = season.result->bins[i];
            const CycleBin& c = season.cycle[i];
            csv += std::string(ClimateName(season.climate)) + ',' + scop + ',' + std::to_string(b.t_C) + ',' +
                   number(b.hours) + ',' + number(b.partLoad) + ',' + number(b.load_kW) + ',' +
                   number(b.capacity_kW) + ',' + number(b.cop) + ',' + number(b.backup_kW) + ',' +
                   number(b.heatPumpElectricity_kWh + b.backupHeat_kWh) + ',' + number(c.t0_C) + ',' +
                   number(c.flow_C) + ',' + number(c.tc_C) + ',' + number(c.heatingCop) + ',' +
                   number(c.carnotCop) + "\r\n";
        }
    }
    return csv;
}

}  // namespace tervalo::seasonal

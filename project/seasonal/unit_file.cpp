#include "project/seasonal/unit_file.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "project/json_members.h"

namespace tervalo::seasonal {

namespace {

using Json = nlohmann::json;

// A problem with the member at hand; caught once at the top.
struct BadMember {
    std::string message;
};

const Json& Member(const Json& object, const char* name, const std::string& path) {
    const auto found = object.find(name);
    if (found == object.end()) throw BadMember{path + name + ": missing"};
    return *found;
}

double Number(const Json& object, const char* name, const std::string& path = "") {
    const Json& value = Member(object, name, path);
    if (!value.is_number() || !std::isfinite(value.get<double>()))
        throw BadMember{path + name + ": not a number"};
    return value.get<double>();
}

void OnlyMembers(const Json& object, std::initializer_list<std::string_view> names, const std::string& path) {
    if (!object.is_object())
        throw BadMember{(path.empty() ? std::string("the file") : path) + ": not an object"};
    for (const auto& item : object.items())
        if (std::find(names.begin(), names.end(), item.key()) == names.end())
            throw BadMember{path + item.key() + ": unknown member"};
}

template <typename Enum, std::size_t N>
Enum Choice(const Json& object, const char* name, const std::array<Enum, N>& values,
            std::string_view (*nameOf)(Enum)) {
    const Json& value = Member(object, name, "");
    std::string choices;
    for (const Enum e : values) {
        if (value.is_string() && value.get<std::string>() == nameOf(e)) return e;
        choices += (choices.empty() ? "" : ", ") + std::string(nameOf(e));
    }
    throw BadMember{std::string(name) + ": " +
                    (value.is_string() ? "\"" + value.get<std::string>() + "\"" : "not a text") +
                    " is none of " + choices};
}

std::vector<DeclaredPoint> Points(const Json& file) {
    const Json& list = Member(file, "points", "");
    if (!list.is_array() || list.empty()) throw BadMember{"points: an array of at least one point is needed"};
    std::vector<DeclaredPoint> points;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string path = "points[" + std::to_string(i) + "].";
        OnlyMembers(list[i], {"t", "capacity_kw", "cop", "cd"}, path);
        DeclaredPoint p{Number(list[i], "t", path), Number(list[i], "capacity_kw", path),
                        Number(list[i], "cop", path), std::nullopt};
        if (list[i].contains("cd") && !list[i]["cd"].is_null()) p.cd = Number(list[i], "cd", path);
        // Checked here, where the index is the file's own.
        if (!(p.capacity_kW > 0)) throw BadMember{path + "capacity_kw: the capacity must be above 0 kW"};
        if (!(p.cop > 0)) throw BadMember{path + "cop: the COP must be above 0"};
        if (p.cd && !(*p.cd >= 0 && *p.cd <= 1)) throw BadMember{path + "cd: C_d lies from 0 to 1"};
        points.push_back(p);
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const DeclaredPoint& a, const DeclaredPoint& b) { return a.t_C < b.t_C; });
    // The bivalent point and the operation limit often repeat a rating point: the same values count once.
    std::vector<DeclaredPoint> once;
    for (const DeclaredPoint& p : points) {
        if (!once.empty() && once.back().t_C == p.t_C) {
            const DeclaredPoint& q = once.back();
            if (q.capacity_kW != p.capacity_kW || q.cop != p.cop || (p.cd && q.cd && *p.cd != *q.cd))
                throw BadMember{"points: " + nlohmann::json(p.t_C).dump() +
                                " °C is given twice with different values"};
            if (!once.back().cd) once.back().cd = p.cd;
            continue;
        }
        once.push_back(p);
    }
    return once;
}

nlohmann::ordered_json NumberOrNull(double value) {
    return std::isfinite(value) ? nlohmann::ordered_json(value) : nlohmann::ordered_json(nullptr);
}

}  // namespace

std::string_view ClimateName(Climate climate) {
    switch (climate) {
        case Climate::Colder:
            return "colder";
        case Climate::Warmer:
            return "warmer";
        case Climate::Average:
            break;
    }
    return "average";
}

std::string_view SourceName(Source source) {
    switch (source) {
        case Source::Brine:
            return "brine";
        case Source::Water:
            return "water";
        case Source::Air:
            break;
    }
    return "air";
}

std::optional<double> SourceDegradationRule(Source source) {
    if (source == Source::Air) return std::nullopt;
    return 1.0;
}

std::variant<UnitFile, std::string> ParseUnitFile(std::string_view text) {
    const Json file = Json::parse(text, nullptr, false);
    if (file.is_discarded()) return std::string("the file is no JSON document");
    try {
        OnlyMembers(file,
                    {"climate", "flow_temperature", "source", "reversible", "design_load_kw",
                     "bivalent_temperature", "operation_limit", "points", "off_mode_w"},
                    "");
        UnitFile parsed;
        UnitDeclaration& unit = parsed.unit;
        unit.climate = Choice(file, "climate", kClimates, &ClimateName);
        const double flow = Number(file, "flow_temperature");
        if (flow != 35 && flow != 55) throw BadMember{"flow_temperature: 35 or 55 °C"};
        parsed.flowTemperature_C = static_cast<int>(flow);
        unit.source =
            Choice(file, "source", std::array{Source::Air, Source::Brine, Source::Water}, &SourceName);
        const Json& reversible = Member(file, "reversible", "");
        if (!reversible.is_boolean()) throw BadMember{"reversible: true or false"};
        unit.reversible = reversible.get<bool>();
        unit.designLoad_kW = Number(file, "design_load_kw");
        unit.bivalent_C = Number(file, "bivalent_temperature");
        unit.operationLimit_C = Number(file, "operation_limit");
        unit.points = Points(file);
        const Json& offMode = Member(file, "off_mode_w", "");
        OnlyMembers(offMode, {"off", "thermostat_off", "standby", "crankcase"}, "off_mode_w.");
        unit.offMode = {Number(offMode, "thermostat_off", "off_mode_w.") / 1000,
                        Number(offMode, "standby", "off_mode_w.") / 1000,
                        Number(offMode, "crankcase", "off_mode_w.") / 1000,
                        Number(offMode, "off", "off_mode_w.") / 1000};
        unit.cdOverride = SourceDegradationRule(unit.source);
        if (auto problem = CheckDeclaration(unit)) return *problem;
        return parsed;
    } catch (const BadMember& bad) {
        return bad.message;
    }
}

nlohmann::ordered_json BinsArray(const std::vector<BinResult>& bins) {
    auto list = nlohmann::ordered_json::array();
    list.get_ref<nlohmann::ordered_json::array_t&>().reserve(bins.size());
    for (const BinResult& b : bins)
        list.push_back(JsonObject({{"t", b.t_C},
                                   {"hours", b.hours},
                                   {"part_load", b.partLoad},
                                   {"load_kw", b.load_kW},
                                   {"capacity_kw", b.capacity_kW},
                                   {"cop", b.cop},
                                   {"backup_kw", b.backup_kW},
                                   {"heat_pump_heat_kwh", b.heatPumpHeat_kWh},
                                   {"backup_heat_kwh", b.backupHeat_kWh},
                                   {"electricity_kwh", b.heatPumpElectricity_kWh + b.backupHeat_kWh}}));
    return list;
}

std::string SeasonalUnitJson(const SeasonalResult& r) {
    nlohmann::ordered_json json = {{"scop", NumberOrNull(r.scop)},
                                   {"scop_on", NumberOrNull(r.scopOn)},
                                   {"scop_net", NumberOrNull(r.scopNet)},
                                   {"eta_s", NumberOrNull(r.etaS_pct)},
                                   {"q_h_kwh", NumberOrNull(r.heatDemand_kWh)},
                                   {"q_he_kwh", NumberOrNull(r.annualElectricity_kWh)},
                                   {"backup_kwh", NumberOrNull(r.backupHeat_kWh)}};
    json["bins"] = BinsArray(r.bins);
    return json.dump();
}

}  // namespace tervalo::seasonal

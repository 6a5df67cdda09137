#include "project/seasonal/bin_method.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace tervalo::seasonal {

namespace {

// Hours per 1 K bin of the three reference seasons, EN 14825 Table 1 (colder, average, warmer), from −22 °C
// up to 15 °C.
struct BinHours {
    int t_C;
    double colder, average, warmer;
};
constexpr BinHours kBinHours[] = {
    {-22, 1, 0, 0},      {-21, 6, 0, 0},     {-20, 13, 0, 0},     {-19, 17, 0, 0},     {-18, 19, 0, 0},
    {-17, 26, 0, 0},     {-16, 39, 0, 0},    {-15, 41, 0, 0},     {-14, 35, 0, 0},     {-13, 52, 0, 0},
    {-12, 37, 0, 0},     {-11, 41, 0, 0},    {-10, 43, 1, 0},     {-9, 54, 25, 0},     {-8, 90, 23, 0},
    {-7, 125, 24, 0},    {-6, 169, 27, 0},   {-5, 195, 68, 0},    {-4, 278, 91, 0},    {-3, 306, 89, 0},
    {-2, 454, 165, 0},   {-1, 385, 173, 0},  {0, 490, 240, 0},    {1, 533, 280, 0},    {2, 380, 320, 3},
    {3, 228, 357, 22},   {4, 261, 356, 63},  {5, 279, 303, 63},   {6, 229, 330, 175},  {7, 269, 326, 162},
    {8, 233, 348, 259},  {9, 230, 335, 360}, {10, 243, 315, 428}, {11, 191, 215, 430}, {12, 146, 169, 503},
    {13, 150, 151, 444}, {14, 97, 105, 384}, {15, 61, 74, 294},
};

// The load reaches nothing at this outdoor temperature.
constexpr double kHeatingLimit_C = 16;

Season MakeSeason(Climate climate, double design_C, double equivalentHours) {
    Season season{climate, design_C, equivalentHours, {}};
    for (const BinHours& row : kBinHours) {
        const double hours = climate == Climate::Colder    ? row.colder
                             : climate == Climate::Average ? row.average
                                                           : row.warmer;
        if (hours > 0) season.bins.push_back({row.t_C, hours});
    }
    return season;
}

double Line(double x0, double y0, double x1, double y1, double x) {
    return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

double DegradationOf(const DeclaredPoint& point) {
    return point.cd.value_or(kDefaultDegradation);
}

}  // namespace

const Season& ReferenceSeason(Climate climate) {
    // Equivalent full-load hours H_HE of Regulation (EU) 811/2013, Annex VII, Table 4.
    static const Season average = MakeSeason(Climate::Average, -10, 2066);
    static const Season colder = MakeSeason(Climate::Colder, -22, 2465);
    static const Season warmer = MakeSeason(Climate::Warmer, 2, 1336);
    return climate == Climate::Colder ? colder : climate == Climate::Warmer ? warmer : average;
}

OffModeHours SeasonOffModeHours(Climate climate, bool reversible) {
    // Regulation (EU) 811/2013, Annex VII, Table 4 (heating-only units); a reversible unit is never switched
    // off, and its crankcase heater runs whenever the thermostat is off.
    OffModeHours hours = climate == Climate::Colder   ? OffModeHours{131, 0, 2944, 2189}
                         : climate == Climate::Warmer ? OffModeHours{755, 0, 4476, 4345}
                                                      : OffModeHours{179, 0, 3851, 3672};
    if (reversible) {
        hours.off = 0;
        hours.crankcase = hours.thermostatOff;
    }
    return hours;
}

double PartLoad(double t_C, double designTemperature_C) {
    return (t_C - kHeatingLimit_C) / (designTemperature_C - kHeatingLimit_C);
}

DeclaredAt InterpolateDeclared(const std::vector<DeclaredPoint>& points, double t_C) {
    const DeclaredPoint& first = points.front();
    if (points.size() == 1 || t_C <= first.t_C) return {first.capacity_kW, first.cop, DegradationOf(first)};
    // The first point at or above t_C; past the warmest, the last two points extrapolate.
    auto upper = std::lower_bound(points.begin(), points.end(), t_C,
                                  [](const DeclaredPoint& p, double t) { return p.t_C < t; });
    const bool beyond = upper == points.end();
    if (beyond) --upper;
    const DeclaredPoint& a = *std::prev(upper);
    const DeclaredPoint& b = *upper;
    DeclaredAt at{Line(a.t_C, a.capacity_kW, b.t_C, b.capacity_kW, t_C),
                  Line(a.t_C, a.cop, b.t_C, b.cop, t_C),
                  beyond ? DegradationOf(b) : Line(a.t_C, DegradationOf(a), b.t_C, DegradationOf(b), t_C)};
    if (beyond) {
        // A steep last segment must not drive the capacity or the COP towards nothing within a few kelvin.
        at.capacity_kW = std::max(at.capacity_kW, b.capacity_kW / 2);
        at.cop = std::max(at.cop, b.cop / 2);
    }
    return at;
}

double SeasonalEfficiency_pct(double scop, Source source) {
    return 100 * scop / 2.5 - (source == Source::Air ? 3 : 8);
}

std::optional<std::string> CheckDeclaration(const UnitDeclaration& unit) {
    const auto positive = [](double v) { return std::isfinite(v) && v > 0; };
    if (!positive(unit.designLoad_kW)) return "design_load_kw: the design load must be above 0 kW";
    if (!std::isfinite(unit.bivalent_C)) return "bivalent_temperature: not a number";
    if (!std::isfinite(unit.operationLimit_C)) return "operation_limit: not a number";
    if (unit.operationLimit_C > unit.bivalent_C)
        return "operation_limit: TOL lies above the bivalent temperature";
    if (unit.points.empty()) return "points: at least one declared point is needed";
    for (std::size_t i = 0; i < unit.points.size(); ++i) {
        const DeclaredPoint& p = unit.points[i];
        const std::string at = "points[" + std::to_string(i) + "]";
        if (!std::isfinite(p.t_C)) return at + ".t: not a number";
        if (!positive(p.capacity_kW)) return at + ".capacity_kw: the capacity must be above 0 kW";
        if (!positive(p.cop)) return at + ".cop: the COP must be above 0";
        if (p.cd && !(*p.cd >= 0 && *p.cd <= 1)) return at + ".cd: C_d lies from 0 to 1";
        if (i > 0 && !(unit.points[i - 1].t_C < p.t_C))
            return at + ".t: the points must be sorted, each temperature once";
    }
    if (unit.cdOverride && !(*unit.cdOverride >= 0 && *unit.cdOverride <= 1))
        return "cd: C_d lies from 0 to 1";
    const OffModePowers& w = unit.offMode;
    for (const double power : {w.thermostatOff_kW, w.standby_kW, w.crankcase_kW, w.off_kW})
        if (!(std::isfinite(power) && power >= 0)) return "off_mode_w: the powers must be 0 W or more";
    return std::nullopt;
}

SeasonalResult EvaluateSeason(const UnitDeclaration& unit) {
    const Season& season = ReferenceSeason(unit.climate);
    SeasonalResult result{};
    result.climate = unit.climate;
    result.designTemperature_C = season.designTemperature_C;
    result.equivalentHours = season.equivalentHours;
    result.bins.reserve(season.bins.size());

    double heat_kWh = 0;         // Σ h_j P_h
    double electricity_kWh = 0;  // Σ h_j [(P_h − elbu)/COP_bin + elbu]
    for (const SeasonBin& bin : season.bins) {
        BinResult r{};
        r.t_C = bin.t_C;
        r.hours = bin.hours;
        r.partLoad = PartLoad(bin.t_C, season.designTemperature_C);
        r.load_kW = unit.designLoad_kW * r.partLoad;
        if (bin.t_C < unit.operationLimit_C) {
            // Below its operation limit the unit is off and the back-up carries the whole load.
            r.backup_kW = r.load_kW;
        } else {
            DeclaredAt declared = InterpolateDeclared(unit.points, bin.t_C);
            if (unit.cdOverride) declared.cd = *unit.cdOverride;
            r.capacity_kW = declared.capacity_kW;
            if (declared.capacity_kW >= r.load_kW) {
                const double ratio = r.load_kW / declared.capacity_kW;  // CR
                r.cop = declared.cop * ratio / (declared.cd * ratio + 1 - declared.cd);
            } else {
                r.cop = declared.cop;
                // At or above the bivalent temperature the unit is deemed to cover the load.
                if (bin.t_C < unit.bivalent_C) r.backup_kW = r.load_kW - declared.capacity_kW;
            }
        }
        r.heatPumpHeat_kWh = bin.hours * (r.load_kW - r.backup_kW);
        r.backupHeat_kWh = bin.hours * r.backup_kW;
        r.heatPumpElectricity_kWh = r.heatPumpHeat_kWh > 0 ? r.heatPumpHeat_kWh / r.cop : 0;
        heat_kWh += bin.hours * r.load_kW;
        electricity_kWh += r.heatPumpElectricity_kWh + r.backupHeat_kWh;
        result.backupHeat_kWh += r.backupHeat_kWh;
        result.heatPumpElectricity_kWh += r.heatPumpElectricity_kWh;
        result.bins.push_back(r);
    }

    const OffModeHours hours = SeasonOffModeHours(unit.climate, unit.reversible);
    const OffModePowers& w = unit.offMode;
    result.offModeElectricity_kWh = hours.thermostatOff * w.thermostatOff_kW + hours.standby * w.standby_kW +
                                    hours.crankcase * w.crankcase_kW + hours.off * w.off_kW;
    result.scopOn = heat_kWh / electricity_kWh;
    const double heatPumpHeat_kWh = heat_kWh - result.backupHeat_kWh;
    result.scopNet =
        result.heatPumpElectricity_kWh > 0 ? heatPumpHeat_kWh / result.heatPumpElectricity_kWh : 0;
    result.heatDemand_kWh = unit.designLoad_kW * season.equivalentHours;
    result.annualElectricity_kWh = result.heatDemand_kWh / result.scopOn + result.offModeElectricity_kWh;
    result.scop = result.heatDemand_kWh / result.annualElectricity_kWh;
    result.etaS_pct = SeasonalEfficiency_pct(result.scop, unit.source);
    result.backupShare = result.backupHeat_kWh / heat_kWh;
    return result;
}

}  // namespace tervalo::seasonal

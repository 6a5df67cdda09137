#include "project/cycle_view/cycle_view.h"

#include <cmath>

#include "engine/checked_math.h"
#include "engine/saturation_lookup.h"
#include "engine/vapour_properties.h"

namespace tervalo {

namespace {

struct Saturation {
    PhPoint bubble;
    PhPoint dew;
};

// Both saturation lines at temperature tK from one lookup, as the cycle reads them.
std::optional<Saturation> SaturationAt(const SaturationTableLoad& table, double tK) {
    const SaturationLookup lookup = LookupSaturation(table, tK, LookupKey::ByTemperature);
    if (lookup.status != EngineStatus::Ok || !lookup.bracket.found) return std::nullopt;
    const auto read = [&](SaturationColumn column) { return InterpolateBracket(lookup.bracket, tK, column); };
    const auto hLiquid = read(&SaturationRecord::hLiquid);
    const auto pBubble = read(&SaturationRecord::pBubble);
    const auto hVapour = read(&SaturationRecord::hVapour);
    const auto pDew = read(&SaturationRecord::pDew);
    if (!hLiquid || !pBubble || !hVapour || !pDew || !(*pBubble > 0) || !(*pDew > 0)) return std::nullopt;
    return Saturation{{*hLiquid, *pBubble}, {*hVapour, *pDew}};
}

// The key range of a lookup by temperature.
std::optional<std::pair<double, double>> TemperatureRange(const SaturationTable& table) {
    std::optional<std::pair<double, double>> range;
    for (const SaturationRecord& record : table.records) {
        if (!std::isfinite(record.t)) continue;
        if (!range) range = std::pair{record.t, record.t};
        range->first = std::min(range->first, record.t);
        range->second = std::max(range->second, record.t);
    }
    return range;
}

// Isotherms every 20 °C that lie inside the table.
std::vector<Isotherm> Isotherms(const SaturationTableLoad& table, double lowK, double highK,
                                std::string_view refrigerant, double tLiquidK) {
    std::vector<Isotherm> lines;
    for (double t = std::ceil((lowK - 273.15) / 20) * 20; t < highK - 273.15; t += 20)
        if (const auto line = IsothermAt(table, t, refrigerant, tLiquidK)) lines.push_back(*line);
    return lines;
}

// The isotherm tK in the vapour: from its dew point down to the table's lowest temperature.
std::vector<PhPoint> VapourPart(const SaturationTableLoad& table, double tK, std::string_view refrigerant,
                                double tLiquidK) {
    std::vector<PhPoint> points;
    const auto cp = DischargeHeatCapacity(refrigerant, tK, tLiquidK);
    const auto range = TemperatureRange(*table.table);
    if (!cp || !range || !(tK > range->first)) return points;
    for (int i = 0; i < kVapourSamples; ++i) {
        const double tSat = tK - (tK - range->first) * i / (kVapourSamples - 1);
        const auto saturation = SaturationAt(table, tSat);
        if (!saturation) break;
        const double h = saturation->dew.h + *cp * (tK - tSat);
        if (!std::isfinite(h)) break;
        points.push_back({h, saturation->dew.p});
    }
    return points;
}

}  // namespace

std::vector<DomeSample> SaturationDome(const SaturationTableLoad& table, int samples) {
    std::vector<DomeSample> dome;
    if (table.status != EngineStatus::Ok || !table.table || samples < 2) return dome;
    const auto range = TemperatureRange(*table.table);
    if (!range || !(range->second > range->first)) return dome;
    for (int i = 0; i < samples; ++i) {
        const double t = range->first + (range->second - range->first) * i / (samples - 1);
        if (const auto saturation = SaturationAt(table, t))
            dome.push_back({t, saturation->bubble, saturation->dew});
    }
    return dome;
}

std::optional<Isotherm> IsothermAt(const SaturationTableLoad& table, double t, std::string_view refrigerant,
                                   double tLiquidK) {
    if (table.status != EngineStatus::Ok) return std::nullopt;
    const auto saturation = SaturationAt(table, t + 273.15);
    if (!saturation) return std::nullopt;
    Isotherm line{t, saturation->bubble, saturation->dew, {}};
    if (!refrigerant.empty()) line.vapour = VapourPart(table, t + 273.15, refrigerant, tLiquidK);
    return line;
}

std::optional<double> DischargeHeatCapacity(std::string_view refrigerant, double tK, double tLiquidK) {
    // The correlation writes the discharge value at the discharge temperature; a field it leaves (no
    // correlation, a statement that cannot be evaluated) keeps the not-a-number.
    CycleStateRecord state;
    state.TEvap = tK;
    state.cpVapourDischarge = std::nan("");
    VapourProperties(refrigerant, 0, tK - 273.15, tK, tLiquidK, state);
    if (!std::isfinite(state.cpVapourDischarge)) return std::nullopt;
    return state.cpVapourDischarge;
}

CycleView CycleViewOf(const ProjectRecord& record, const CalculationData& data) {
    CycleView view;
    ProjectRecord copy = record;
    view.result = DesignPointCalculation(copy, data);
    view.trace = CalculationTraceOf(view.result, copy);
    view.tableStatus = data.refrigerantTable.status;
    view.dome = SaturationDome(data.refrigerantTable);
    // The condensing temperature stands in the state even when the run stopped; the design point's liquid
    // leaves the condenser at it.
    if (!view.dome.empty())
        view.isotherms = Isotherms(data.refrigerantTable, view.dome.front().t, view.dome.back().t,
                                   copy.RefrigerantName, copy.CycleState.TCond);

    const DesignPointResult& d = view.result.designPoint;
    if (!d.cycleComputed()) return view;
    view.massFlow = d.massFlow;
    view.compressorPower = d.compressorPower;
    view.refrigerationCop = d.refrigerationCop;
    view.heatingCop = d.heatingCop;
    view.dischargeTemperature = d.cycle.tDischarge - 273.15;

    const CycleStateRecord& c = d.cycle.state;
    view.carnotCop = Divide(c.TEvap, c.TCond - c.TEvap);
    if (view.carnotCop && view.refrigerationCop)
        view.carnotRatio = Divide(*view.refrigerationCop, *view.carnotCop);
    view.condenserDew = {c.hVapourCond, c.pCond};

    if (!d.massFlow) return view;
    const double t0 = c.TEvap - 273.15;
    const double tc = c.TCond - 273.15;
    view.points = {
        {StatePoint::EvaporatorOutlet, t0, {c.hVapourEvap, c.pEvap}, c.rhoVapourEvap},
        {StatePoint::CompressorInlet, d.suctionGasTemperature, {d.working.hSuction, c.pEvap}, c.rhoSuction},
        {StatePoint::Discharge, *view.dischargeTemperature, {d.working.hDischarge, c.pCond}, std::nullopt},
        {StatePoint::CondenserOutlet, tc, {c.hLiquidCond, c.pCond}, std::nullopt},
        {StatePoint::EvaporatorInlet, t0, {c.hLiquidCond, c.pEvap}, std::nullopt},
    };
    return view;
}

CycleView CycleViewOf(const ProjectRecord& record, ActionLoads* loads) {
    ProjectRecord loaded = record;
    if (loads) return CycleViewOf(loaded, loads->For(loaded));
    const CalculationData data = LoadCalculationData(loaded);
    return CycleViewOf(loaded, data);
}

}  // namespace tervalo

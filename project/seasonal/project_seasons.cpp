#include "project/seasonal/project_seasons.h"

#include <array>
#include <cmath>

#include "engine/number_text.h"
#include "localisation/language_tables.h"
#include "project/field_numbers.h"
#include "project/list_match.h"
#include "project/project_lists.h"

namespace tervalo::seasonal {

namespace {

// EN 14825's variable outlet temperatures of the average season against its part loads (Table 6).
struct OutletLine {
    double designFlow_C;
    std::array<double, 5> flow_C;
};
constexpr std::array<double, 5> kOutletPartLoads = {1, 0.885, 0.538, 0.346, 0.154};
constexpr OutletLine kLowTemperature = {35, {35, 34, 30, 27, 24}};
constexpr OutletLine kMediumTemperature = {55, {55, 52, 42, 36, 30}};
constexpr double kRoom_C = 20;

struct BandRow {
    Source source;
    Climate climate;
    CertifiedBand at35, at55;
};
// Declared SCOPs of certified units: median, 10 % and 90 % (kCertifiedBandSource).
constexpr BandRow kBands[] = {
    {Source::Air, Climate::Average, {4.62, 4.16, 5.07}, {3.41, 3.20, 3.74}},
    {Source::Air, Climate::Colder, {4.03, 3.52, 4.35}, {2.99, 2.59, 3.33}},
    {Source::Air, Climate::Warmer, {6.11, 5.21, 6.93}, {4.26, 3.81, 4.58}},
    {Source::Brine, Climate::Average, {5.05, 4.60, 5.39}, {3.72, 3.41, 4.18}},
    {Source::Water, Climate::Average, {5.05, 4.60, 5.39}, {3.72, 3.41, 4.18}},
};

std::optional<double> Quotient(double numerator, double denominator) {
    if (!(denominator > 0) || !std::isfinite(numerator / denominator)) return std::nullopt;
    return numerator / denominator;
}

// The design-point calculation on `scratch` at (t0, Tc): the heating COP, nothing where the cycle cannot be
// computed there.
std::optional<double> CycleHeatingCop(ProjectRecord& scratch, const CalculationData& data, double t0_C,
                                      double tc_C) {
    scratch.t0 = LocaleFormat(t0_C, scratch.DecimalSeparator);
    scratch.Tc = LocaleFormat(tc_C, scratch.DecimalSeparator);
    const AnnualBalance run = DesignPointCalculation(scratch, data);
    if (!run.refrigerationCop || !(*run.refrigerationCop > 0)) return std::nullopt;
    return *run.refrigerationCop + 1;
}

SeasonAnnual Annual(const AnnualBalance& b, const SeasonalResult& r, Backup backup) {
    SeasonAnnual a{};
    const double heat = *b.heatPumpHeat;
    // The boiler's fuel per kWh of heat it delivers, and its cost and CO2.
    const double boilerHeat = *b.fuelEnergy * b.efficiency / 100;
    const double costPerHeat = Quotient(*b.fuelCost, boilerHeat).value_or(0);
    const double co2PerHeat = Quotient(*b.fuelCo2, boilerHeat).value_or(0);
    double backupCost = 0, backupCo2 = 0;
    if (backup == Backup::Boiler) {
        const double backupHeat = heat * r.backupShare;
        a.electricity_kWh = (heat - backupHeat) / r.scopNet;
        a.backupFuel_kWh = backupHeat * 100 / b.efficiency;
        backupCost = backupHeat * costPerHeat;
        backupCo2 = backupHeat * co2PerHeat;
    } else {
        a.electricity_kWh = heat / r.scopOn;
    }
    a.cost = b.electricityPrice * a.electricity_kWh + backupCost;
    a.co2_kg = b.gridCo2Factor * a.electricity_kWh + backupCo2;
    a.savingMoney = *b.fuelCost - a.cost;
    a.savingCo2_t = (*b.fuelCo2 - a.co2_kg) / 1000;

    a.electricityPrice = Quotient(*b.fuelCost - backupCost, a.electricity_kWh);
    if (b.calorificValue && b.fuelPrice > 0) {
        // Fuel units the boiler burns alone, and those it still burns as the back-up.
        const double units = *b.fuelEnergy / *b.calorificValue;
        const double backupUnits = backupCost / b.fuelPrice;
        a.fuelPrice = Quotient(b.electricityPrice * a.electricity_kWh, units - backupUnits);
    }
    const double heatPumpHeat = backup == Backup::Boiler ? heat * (1 - r.backupShare) : heat;
    a.seasonalCopEqualCost = Quotient(b.electricityPrice * heatPumpHeat, *b.fuelCost - backupCost);
    if (b.kind != HeatingKind::Electricity)
        a.gridCo2Factor = Quotient(*b.fuelCo2 - backupCo2, a.electricity_kWh);
    if (a.electricityPrice && *a.electricityPrice <= 0) a.electricityPrice.reset();
    return a;
}

}  // namespace

Source ProjectSource(const ProjectRecord& record) {
    // kApplicationItems: air/air, air/water, ground water, ground collector, surface water, solar absorber,
    // borehole.
    constexpr std::array<Source, kApplicationItems.size()> sources = {
        Source::Air, Source::Air, Source::Water, Source::Brine, Source::Water, Source::Air, Source::Brine};
    for (std::size_t i = 0; i < kApplicationItems.size(); ++i)
        if (EntryMatchesTrimmed(record.AnwendBereich, HeatCaption(kApplicationItems[i]))) return sources[i];
    return Source::Air;
}

double FlowTemperature(double partLoad, double designFlow_C) {
    const OutletLine& line = designFlow_C <= 45 ? kLowTemperature : kMediumTemperature;
    const auto& pl = kOutletPartLoads;
    const auto& flow = line.flow_C;
    // The segment that holds the part load (the part loads fall along the line); the last one beyond it.
    std::size_t i = 0;
    while (i + 2 < pl.size() && partLoad < pl[i + 1]) ++i;
    const double lineFlow = flow[i] + (flow[i + 1] - flow[i]) * (partLoad - pl[i]) / (pl[i + 1] - pl[i]);
    return kRoom_C + (lineFlow - kRoom_C) * (designFlow_C - kRoom_C) / (line.designFlow_C - kRoom_C);
}

std::optional<CertifiedBand> CertifiedScopBand(Source source, Climate climate, int flowTemperature_C) {
    for (const BandRow& row : kBands)
        if (row.source == source && row.climate == climate)
            return flowTemperature_C == 55 ? row.at55 : row.at35;
    return std::nullopt;
}

ProjectSeasons EvaluateProjectSeasons(const ProjectRecord& record, const CalculationData& data,
                                      const ProjectSeasonInputs& inputs) {
    ProjectSeasons seasons;
    seasons.inputs = inputs;
    seasons.source = ProjectSource(record);
    seasons.designFlow_C = FieldNumber(record.Tc);
    seasons.bandFlow_C = seasons.designFlow_C <= 45 ? 35 : 55;
    seasons.backup = record.EinbindCheck ? Backup::Boiler : Backup::Electric;
    seasons.degradation = seasons.source == Source::Air ? kDefaultDegradation : 1;

    ProjectRecord scratch = record;
    const AnnualBalance balance = DesignPointCalculation(scratch, data);
    seasons.balance = balance;
    if (!balance.heatPumpHeat || !(*balance.heatPumpHeat > 0) || !std::isfinite(seasons.designFlow_C))
        return seasons;
    const bool bothSystems = balance.fuelEnergy && balance.fuelCost && balance.fuelCo2 &&
                             balance.electricity && balance.efficiency > 0;

    for (const Climate climate : kClimates) {
        const Season& season = ReferenceSeason(climate);
        ProjectSeason out{};
        out.climate = climate;
        out.bivalent_C =
            std::max(inputs.bivalent_C.value_or(season.designTemperature_C), season.designTemperature_C);
        out.designLoad_kW = *balance.heatPumpHeat / season.equivalentHours;
        out.band = CertifiedScopBand(seasons.source, climate, seasons.bandFlow_C);

        // A heat pump of one capacity, the load at the bivalent temperature, declared at every bin.
        UnitDeclaration unit;
        unit.climate = climate;
        unit.source = seasons.source;
        unit.designLoad_kW = out.designLoad_kW;
        unit.bivalent_C = out.bivalent_C;
        unit.operationLimit_C = season.designTemperature_C;
        unit.cdOverride = seasons.degradation;
        const double capacity_kW = out.designLoad_kW * PartLoad(out.bivalent_C, season.designTemperature_C);
        bool computed = true;
        for (const SeasonBin& bin : season.bins) {
            CycleBin cycle{};
            const double source_C = seasons.source == Source::Air     ? bin.t_C
                                    : seasons.source == Source::Brine ? kBrineTemperature_C
                                                                      : kWaterTemperature_C;
            cycle.t0_C = source_C - inputs.evaporatorDifference_K;
            cycle.flow_C =
                FlowTemperature(PartLoad(bin.t_C, season.designTemperature_C), seasons.designFlow_C);
            cycle.tc_C = cycle.flow_C + inputs.condenserDifference_K;
            cycle.carnotCop = (cycle.tc_C + 273.15) / (cycle.tc_C - cycle.t0_C);
            const auto cop = CycleHeatingCop(scratch, data, cycle.t0_C, cycle.tc_C);
            if (!cop) {
                computed = false;
                break;
            }
            cycle.heatingCop = *cop;
            out.cycle.push_back(cycle);
            unit.points.push_back({static_cast<double>(bin.t_C), capacity_kW, *cop, std::nullopt});
        }
        if (computed && !CheckDeclaration(unit)) {
            out.result = EvaluateSeason(unit);
            const double scop = ProjectScop(*out.result, seasons.backup);
            out.aboveBand = out.band && scop > out.band->high90;
            if (bothSystems) out.annual = Annual(balance, *out.result, seasons.backup);
        } else {
            out.cycle.clear();
        }
        seasons.seasons.push_back(std::move(out));
    }
    return seasons;
}

ProjectSeasons EvaluateProjectSeasons(const ProjectRecord& record, const ProjectSeasonInputs& inputs,
                                      ActionLoads* loads) {
    ProjectRecord copy = record;
    const CalculationData data = loads ? loads->For(copy) : LoadCalculationData(copy);
    return EvaluateProjectSeasons(copy, data, inputs);
}

}  // namespace tervalo::seasonal

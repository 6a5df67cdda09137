#include "project/input_rules.h"

#include <array>
#include <string>
#include <vector>

#include "config/run_settings.h"
#include "engine/number_text.h"
#include "localisation/language_tables.h"
#include "project/heating_kind.h"
#include "project/list_match.h"
#include "project/project_lists.h"
#include "project/round_down.h"
#include "project/window_texts.h"

namespace tervalo {

namespace {

constexpr int kOther = -1;

// Position (from 0) of the first heat-pump caption item that the text matches exactly, or kOther.
template <std::size_t N>
int MatchedItem(const std::string& text, const std::array<int, N>& items) {
    for (std::size_t i = 0; i < N; ++i)
        if (EntryMatches(text, HeatCaption(items[i]))) return static_cast<int>(i);
    return kOther;
}

// Position of the house type among its six entries, or kOther.
int HouseTypeRow(const std::string& text) {
    const std::vector<std::string> entries = ListEntries(ProjectList::HausTyp);
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (EntryMatches(text, entries[i])) return static_cast<int>(i);
    return kOther;
}

int ClimateRow(const std::string& text) {
    return MatchedItem(text, kClimateZoneItems);
}
int AmbientRow(const std::string& text) {
    return MatchedItem(text, kExposureItems);
}

}  // namespace

void OperatingPointRule(ProjectRecord& record) {
    int application = kOther;
    for (std::size_t i = 0; i < kApplicationItems.size(); ++i)
        if (EntryMatchesTrimmed(record.AnwendBereich, HeatCaption(kApplicationItems[i]))) {
            application = static_cast<int>(i);
            break;
        }

    constexpr std::array<int, 4> climateBases = {0, -2, -6, -12};
    const int climate = ClimateRow(record.Klimazone);
    const int climateBase = climate == kOther ? -5 : climateBases[static_cast<std::size_t>(climate)];

    // Outdoor air (items 2, 3) follows the climate; the other sources have fixed evaporating temperatures.
    struct Row {
        int base;
        double allowance;                   // K
        std::array<int, 4> ambientOffsets;  // items 43, 44, 45, other
    };
    constexpr std::array<int, 4> airOffsets = {2, 0, -3, 0};
    constexpr std::array<int, 4> fixedOffsets = {1, 0, -2, 0};
    const std::array<Row, 7> rows = {Row{climateBase, 8, airOffsets}, Row{climateBase, 8, airOffsets},
                                     Row{5, 5, fixedOffsets},         Row{-2, 5, fixedOffsets},
                                     Row{5, 5, fixedOffsets},         Row{-12, 5, fixedOffsets},
                                     Row{-2, 5, fixedOffsets}};
    const Row other{0, 8, fixedOffsets};
    const Row& row = application == kOther ? other : rows[static_cast<std::size_t>(application)];

    const int ambient = AmbientRow(record.AmbientT);
    const int offset = row.ambientOffsets[ambient == kOther ? 3u : static_cast<std::size_t>(ambient)];
    record.t0 = std::to_string(row.base + offset);
    record.SuctionAllowance = row.allowance;
    if (application == 0) {
        record.Tc = "45";
        record.VFlsize = HeatCaption(kHeatWarmAir);
    }
}

void DistributionRule(ProjectRecord& record) {
    const std::vector<std::string> entries = ListEntries(ProjectList::VFlsize);
    constexpr std::array<int, 5> supplyTemperatures = {45, 38, 65, 55, 45};
    int tc = 55;
    for (std::size_t i = 0; i < entries.size() && i < supplyTemperatures.size(); ++i)
        if (EntryMatchesTrimmed(record.VFlsize, entries[i])) {
            tc = supplyTemperatures[i];
            break;
        }
    record.Tc = std::to_string(tc);
}

void SpecificDemandRule(ProjectRecord& record) {
    constexpr std::array<double, 6> bases = {200, 150, 120, 100, 60, 30};  // kWh/(m²·a)
    constexpr std::array<double, 4> climateFactors = {0.9, 1, 1.1, 1.2};
    constexpr std::array<double, 3> ambientFactors = {0.67, 1, 1.33};
    const int house = HouseTypeRow(record.HausTyp);
    const int climate = ClimateRow(record.Klimazone);
    const int ambient = AmbientRow(record.AmbientT);
    const double base = house == kOther ? 120 : bases[static_cast<std::size_t>(house)];
    const double climateFactor = climate == kOther ? 1 : climateFactors[static_cast<std::size_t>(climate)];
    const double ambientFactor = ambient == kOther ? 1 : ambientFactors[static_cast<std::size_t>(ambient)];
    record.SpezHeizLeist = PointFormat(RoundDown(base * climateFactor * ambientFactor));
}

void StandbyRule(ProjectRecord& record) {
    // Losses in % by house type (rows) and stand-by situation: small, medium, large, other.
    constexpr std::array<std::array<int, 4>, 7> losses = {{{15, 25, 35, 25},
                                                           {12, 20, 26, 20},
                                                           {10, 15, 20, 20},
                                                           {8, 12, 16, 12},
                                                           {6, 8, 12, 8},
                                                           {4, 6, 8, 6},
                                                           {15, 15, 15, 15}}};
    const int house = HouseTypeRow(record.HausTyp);
    const int standby = MatchedItem(record.Bereitstell, kSizeItems);
    const auto& row = losses[house == kOther ? 6u : static_cast<std::size_t>(house)];
    record.BereitStV = PointFormat(row[standby == kOther ? 3u : static_cast<std::size_t>(standby)]);
}

void BoilerRule(ProjectRecord& record) {
    constexpr std::array<int, 4> efficiencies = {80, 90, 96, 105};  // %
    constexpr std::array<int, 4> solidFuelEfficiencies = {75, 80, 85, 88};
    const int boiler = MatchedItem(record.KesselWirk, kBoilerItems);
    if (boiler == kOther) {
        record.WirkGKessel.clear();
        return;
    }
    const bool solidFuel = EntryMatches(record.HeizArt, HeatCaption(kHeatWoodPellets));
    const auto& table = solidFuel ? solidFuelEfficiencies : efficiencies;
    record.WirkGKessel = PointFormat(table[static_cast<std::size_t>(boiler)]);
}

void HeatingTypeCaptions(ProjectRecord& record, bool withPrice) {
    record.Label21 = record.HeizArt + Settings.LabelSeparator;
    record.Label39 = HeatCaption(kHeatAnnualEnergy) + " " + record.HeizArt + Settings.LabelSeparator;
    const HeatingKind kind = HeatingKindOf(record.HeizArt);
    if (kind == HeatingKind::None) return;
    const FuelUnits units = FuelUnitsOf(kind);
    record.BrennStKeinh = Settings.CurrencyCode + units.perUnit;
    record.BrennstVUnit = units.perYear;
    if (withPrice) record.BrennK = record.FuelPriceTable[static_cast<std::size_t>(kind) - 1];
}

}  // namespace tervalo

#include "engine/saturation_lookup.h"

#include <cmath>
#include <cstddef>
#include <utility>

#include "engine/checked_math.h"
#include "engine/dialog_mode.h"
#include "engine/refrigerant_catalogue.h"

namespace tervalo {

SaturationLookupState SaturationLookup;

namespace {

double KeyOf(const SaturationRecord& record, LookupKey mode) {
    switch (mode) {
        case LookupKey::ByDewPressure:
            return record.pDew;
        case LookupKey::ByBubblePressure:
            return record.pBubble;
        case LookupKey::ByTemperature:
            break;
    }
    return record.t;
}

SaturationRecord Exchanged(SaturationRecord record, LookupKey mode) {
    if (mode == LookupKey::ByDewPressure) std::swap(record.t, record.pDew);
    if (mode == LookupKey::ByBubblePressure) std::swap(record.t, record.pBubble);
    return record;
}

}  // namespace

void ResetSaturationLookup() {
    SaturationLookup = SaturationLookupState{};
}

std::optional<SaturationLookupState> BracketSaturation(const SaturationTable& table, double value,
                                                       LookupKey mode) {
    const auto& records = table.records;
    const std::size_t none = records.size();
    // A partner for an edge record: a record whose key is a number other than the edge record's.
    const auto partners = [&](std::size_t i, std::size_t edge) {
        const double key = KeyOf(records[i], mode);
        return !std::isnan(key) && key != KeyOf(records[edge], mode);
    };

    std::size_t lower = none;
    std::size_t upper = none;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const double key = KeyOf(records[i], mode);
        if (key < value) {
            lower = i;
        } else if (key >= value) {
            upper = i;
            break;
        }
    }

    const bool bracketed = lower != none && upper != none;
    // The first key itself lies in the range, though no record stands below it.
    const bool found = bracketed || (upper != none && KeyOf(records[upper], mode) == value);
    if (!bracketed && upper != none) {
        // Below the first key: the first record and the next with another key.
        lower = upper;
        for (std::size_t i = upper + 1; i < records.size(); ++i)
            if (partners(i, lower)) {
                upper = i;
                break;
            }
    } else if (!bracketed && lower != none) {
        // Above the last key: the last record and the one before with another key.
        upper = lower;
        for (std::size_t i = lower; i-- > 0;)
            if (partners(i, upper)) {
                lower = i;
                break;
            }
    } else if (!bracketed) {
        return std::nullopt;
    }
    return SaturationLookupState{Exchanged(records[lower], mode), Exchanged(records[upper], mode), found};
}

std::optional<double> InterpolateBracket(const SaturationLookupState& bracket, double value,
                                         SaturationColumn column) {
    const SaturationRecord& lower = bracket.LowerRecord;
    const SaturationRecord& upper = bracket.UpperRecord;
    const auto fraction = Divide(value - lower.t, upper.t - lower.t);
    if (!fraction) return std::nullopt;
    return Finite(lower.*column + *fraction * (upper.*column - lower.*column));
}

EngineStatus LookupSaturation(double value, LookupKey mode) {
    DialogMode = 0;
    SaturationLookup.found = false;

    EngineStatus status = EngineStatus::UnknownRefrigerant;
    std::optional<SaturationLookupState> bracket;
    if (const auto tableFile = RefrigerantTableFile(RefrigerantName)) {
        const SaturationTableLoad load = LoadSaturationTable(*tableFile);
        status = load.status;
        if (status == EngineStatus::Ok) {
            bracket = BracketSaturation(*load.table, value, mode);
            if (!bracket) status = EngineStatus::InvalidArithmetic;
        }
    }

    SaturationLookup = bracket.value_or(SaturationLookupState{});
    DialogMode = 0;
    return status;
}

std::optional<double> InterpolateSaturation(double value, SaturationColumn column) {
    return InterpolateBracket(SaturationLookup, value, column);
}

}  // namespace tervalo

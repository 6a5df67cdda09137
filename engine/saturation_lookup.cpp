#include "engine/saturation_lookup.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "engine/checked_math.h"

namespace tervalo {

namespace {

SaturationRecord Exchanged(SaturationRecord record, LookupKey mode) {
    if (mode == LookupKey::ByDewPressure) std::swap(record.t, record.pDew);
    if (mode == LookupKey::ByBubblePressure) std::swap(record.t, record.pBubble);
    return record;
}

}  // namespace

std::optional<SaturationBracket> FindSaturationBracket(const SaturationTable& table, double value,
                                                       LookupKey mode) {
    if (const auto inside = InsideAscendingBracket(table, value, mode)) return inside;
    const auto& records = table.records;
    const std::size_t none = records.size();
    // A partner for an edge record: a record whose key is a number other than the edge record's.
    const auto partners = [&](std::size_t i, std::size_t edge) {
        const double key = SaturationKey(records[i], mode);
        return !std::isnan(key) && key != SaturationKey(records[edge], mode);
    };

    std::size_t lower = none;
    std::size_t upper = none;
    if (table.keyAscending[static_cast<std::size_t>(mode)]) {
        // Every key a number and none falling: the first key that reaches the value, and the record before.
        if (std::isnan(value)) return std::nullopt;
        const auto reaching = std::lower_bound(
            records.begin(), records.end(), value,
            [mode](const SaturationRecord& record, double v) { return SaturationKey(record, mode) < v; });
        upper = reaching == records.end() ? none : static_cast<std::size_t>(reaching - records.begin());
        const std::size_t below = upper == none ? records.size() : upper;
        if (below > 0) lower = below - 1;
    } else {
        for (std::size_t i = 0; i < records.size(); ++i) {
            const double key = SaturationKey(records[i], mode);
            if (key < value) {
                lower = i;
            } else if (key >= value) {
                upper = i;
                break;
            }
        }
    }

    const bool bracketed = lower != none && upper != none;
    // An end key itself lies in the range, though no record stands beyond it; so does a value a few rounding
    // steps from it (the text 183.15 reads as 183.15000000000001, −90 + 273.15 gives 183.14999999999998).
    const auto atKey = [&](std::size_t i) {
        const double key = SaturationKey(records[i], mode);
        return std::fabs(key - value) <= kEndKeyTolerance * std::fabs(key);
    };
    const bool found =
        bracketed || (upper != none && atKey(upper)) || (upper == none && lower != none && atKey(lower));
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
    return SaturationBracket{&records[lower], &records[upper], found};
}

std::optional<SaturationLookupState> BracketSaturation(const SaturationTable& table, double value,
                                                       LookupKey mode) {
    const auto bracket = FindSaturationBracket(table, value, mode);
    if (!bracket) return std::nullopt;
    return SaturationLookupState{Exchanged(*bracket->lower, mode), Exchanged(*bracket->upper, mode),
                                 bracket->found};
}

std::optional<double> InterpolateBracket(const SaturationLookupState& bracket, double value,
                                         SaturationColumn column) {
    const SaturationRecord& lower = bracket.LowerRecord;
    const SaturationRecord& upper = bracket.UpperRecord;
    const auto fraction = Divide(value - lower.t, upper.t - lower.t);
    if (!fraction) return std::nullopt;
    return Finite(lower.*column + *fraction * (upper.*column - lower.*column));
}

SaturationLookup LookupSaturation(const SaturationTableLoad& table, double value, LookupKey mode) {
    if (table.status != EngineStatus::Ok || !table.table) return {table.status, {}};
    const auto bracket = BracketSaturation(*table.table, value, mode);
    if (!bracket) return {EngineStatus::InvalidArithmetic, {}};
    return {EngineStatus::Ok, *bracket};
}

}  // namespace tervalo

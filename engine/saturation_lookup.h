#pragma once

// Finding the two records of a saturation table that bracket a temperature or a pressure, and interpolating
// linearly between them. The cycle makes a lookup and then reads several columns at the looked-up value.

#include <cstddef>
#include <optional>

#include "engine/checked_math.h"
#include "engine/engine_status.h"
#include "engine/saturation_table.h"

namespace tervalo {

// A column of a record, named by its member: InterpolateBracket(bracket, value, &SaturationRecord::pDew).
using SaturationColumn = double SaturationRecord::*;

struct SaturationLookupState {
    SaturationRecord LowerRecord;  // as exchanged for the lookup's key
    SaturationRecord UpperRecord;
    // Set when the value lay within the table's key range. When it did not, the two records at that end of
    // the table stand in LowerRecord and UpperRecord, and interpolation extrapolates along them.
    bool found = false;
};

// How far, relative to the key, a value may lie beyond an end key and still count as that key: some hundred
// rounding steps of a double, far below any difference a table or a user could mean.
inline constexpr double kEndKeyTolerance = 1e-13;

// The bracket of `value` in a table: UpperRecord is the first record whose key reaches the value, LowerRecord
// the last one before it whose key lies below. At or below the first key the first record and the next one
// with another key are taken, above the last key the last record and the one before with another key; a table
// of one key gives its record twice. A value within kEndKeyTolerance of an end key is found. Records whose
// key is not a number take no part. Nothing when no record (or the value) can be compared. A key column
// marked ascending is searched by halving, with the same result.
std::optional<SaturationLookupState> BracketSaturation(const SaturationTable& table, double value,
                                                       LookupKey mode);

// lower + f × (upper − lower) in `column`, with f = (value − lower key) / (upper key − lower key). Nothing
// when the two keys are equal or the result overflows.
std::optional<double> InterpolateBracket(const SaturationLookupState& bracket, double value,
                                         SaturationColumn column);

// A bracket as the places of its two records in the table, which outlives it (the records as stored, not
// exchanged). `found` as in SaturationLookupState.
struct SaturationBracket {
    const SaturationRecord* lower = nullptr;
    const SaturationRecord* upper = nullptr;
    bool found = false;
};

// The same bracket as BracketSaturation, without copying the records.
std::optional<SaturationBracket> FindSaturationBracket(const SaturationTable& table, double value,
                                                       LookupKey mode);

// The column a lookup searches, as a member.
inline SaturationColumn KeyColumn(LookupKey mode) {
    return mode == LookupKey::ByDewPressure      ? &SaturationRecord::pDew
           : mode == LookupKey::ByBubblePressure ? &SaturationRecord::pBubble
                                                 : &SaturationRecord::t;
}

// The bracket of a value that lies above the first key and at most at the last one of an ascending key
// column: FindSaturationBracket's bracket for it, found by halving without a branch on the comparisons (the
// values of a run or a table of variants follow no pattern a branch predictor could learn). Nothing for any
// other value or table, which FindSaturationBracket then decides.
inline std::optional<SaturationBracket> InsideAscendingBracket(const SaturationTable& table, double value,
                                                               LookupKey mode) {
    const auto& records = table.records;
    if (records.size() < 2 || !table.keyAscending[static_cast<std::size_t>(mode)]) return std::nullopt;
    const SaturationColumn key = KeyColumn(mode);
    const SaturationRecord* base = records.data();
    // Also false for a value that is not a number.
    if (!(base->*key < value && value <= records.back().*key)) return std::nullopt;
    // The first record whose key reaches the value lies in [base, base + length].
    std::size_t length = records.size();
    while (length > 1) {
        const std::size_t half = length / 2;
        base += base[half - 1].*key < value ? half : 0;
        length -= half;
    }
    const SaturationRecord* upper = base + (base->*key < value ? 1 : 0);
    return SaturationBracket{upper - 1, upper, true};
}

// A looked-up value between the two records of its bracket: the fraction of the way from the lower key to the
// upper one, formed once for every column read there.
struct SaturationPoint {
    const SaturationRecord* lower = nullptr;
    const SaturationRecord* upper = nullptr;
    LookupKey mode = LookupKey::ByTemperature;
    double fraction = 0;
};

// The point of `value` in a bracket; nothing when the two keys are equal or the fraction overflows. (Inline,
// as the reading below: a design point makes a few dozen of them.)
inline std::optional<SaturationPoint> PointInBracket(const SaturationBracket& bracket, double value,
                                                     LookupKey mode) {
    const double lowerKey = SaturationKey(*bracket.lower, mode);
    const auto fraction = Divide(value - lowerKey, SaturationKey(*bracket.upper, mode) - lowerKey);
    if (!fraction) return std::nullopt;
    return SaturationPoint{bracket.lower, bracket.upper, mode, *fraction};
}

// A column at the point, named as in a record exchanged for the lookup's key (see LookupKey); the same number
// as InterpolateBracket gives, bit for bit. Nothing when it overflows.
inline std::optional<double> ReadAtPoint(const SaturationPoint& point, SaturationColumn column) {
    // The exchanged slot: after a lookup by pressure, `t` names the pressure column and that column the
    // temperature.
    const SaturationColumn key = KeyColumn(point.mode);
    if (column == key)
        column = &SaturationRecord::t;
    else if (column == &SaturationRecord::t)
        column = key;
    const double lower = (*point.lower).*column;
    return Finite(lower + point.fraction * ((*point.upper).*column - lower));
}

struct SaturationLookup {
    EngineStatus status = EngineStatus::MissingTable;
    SaturationLookupState bracket;  // cleared when the lookup failed
};

// Looks `value` up (a temperature in K or a pressure in bar, by `mode`) in a loaded table: the load's status
// when there is no table, InvalidArithmetic when nothing brackets the value.
SaturationLookup LookupSaturation(const SaturationTableLoad& table, double value, LookupKey mode);

}  // namespace tervalo

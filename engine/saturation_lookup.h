#pragma once

// Finding the two records of a saturation table that bracket a temperature or a pressure, and interpolating
// linearly between them. The lookup state lives for the whole run: the cycle makes a lookup and then reads
// several columns at the looked-up value.

#include <optional>

#include "engine/engine_status.h"
#include "engine/saturation_table.h"

namespace tervalo {

// What a lookup searches by. For ByDewPressure the values of t and pDew are exchanged in every record before
// the search, for ByBubblePressure t and pBubble: the searched column then stands in `t`, and the exchanged
// slot holds the saturation temperature at the looked-up pressure.
enum class LookupKey : int { ByTemperature = 0, ByDewPressure = 1, ByBubblePressure = 2 };

// A column of a record, named by its member: InterpolateSaturation(value, &SaturationRecord::pDew).
using SaturationColumn = double SaturationRecord::*;

struct SaturationLookupState {
    SaturationRecord LowerRecord;  // as exchanged for the lookup's key
    SaturationRecord UpperRecord;
    // Set when the value lay within the table's key range. When it did not, the two records at that end of
    // the table stand in LowerRecord and UpperRecord, and interpolation extrapolates along them.
    bool found = false;
};

// The lookup state of the run.
extern SaturationLookupState SaturationLookup;
void ResetSaturationLookup();

// The bracket of `value` in a table: UpperRecord is the first record whose key reaches the value, LowerRecord
// the last one before it whose key lies below. At or below the first key the first record and the next one
// with another key are taken, above the last key the last record and the one before with another key; a table
// of one key gives its record twice. Records whose key is not a number take no part. Nothing when no record
// (or the value) can be compared.
std::optional<SaturationLookupState> BracketSaturation(const SaturationTable& table, double value,
                                                       LookupKey mode);

// lower + f × (upper − lower) in `column`, with f = (value − lower key) / (upper key − lower key). Nothing
// when the two keys are equal or the result overflows.
std::optional<double> InterpolateBracket(const SaturationLookupState& bracket, double value,
                                         SaturationColumn column);

// Looks `value` up (a temperature in K or a pressure in bar, by `mode`) in the table of RefrigerantName and
// leaves the bracket in SaturationLookup. Sets DialogMode to 0. On failure the lookup state is cleared, so no
// record of an earlier lookup can be mistaken for this one's.
EngineStatus LookupSaturation(double value, LookupKey mode);

// InterpolateBracket on the records of the last lookup.
std::optional<double> InterpolateSaturation(double value, SaturationColumn column);

}  // namespace tervalo

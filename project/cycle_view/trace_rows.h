#pragma once

// The working of a run as rows of text for the cycle window, the printed page and tervalo-calc --trace: the
// quantity's name in the language, its formula, the numbers put in, the result before rounding with its unit
// (or why the step was skipped) and the text the project window shows. All UTF-8.

#include <string>
#include <vector>

#include "localisation/feature_texts.h"
#include "project/calculation_trace.h"

namespace tervalo {

struct TraceRow {
    std::string name;
    std::string formula;
    std::string numbers;
    std::string result;  // value and unit, or the reason of the skip
    std::string shown;   // the field's text without leading blanks; empty when the step writes no field
    bool skipped = false;
};

// The unit symbol of a quantity ("" for counts, factors and amounts in the fuel's own units).
std::string TraceUnit(TraceQuantity quantity);

// `texts`: the cycle caption file (LoadFeatureTexts(cycle_texts::kFile, code)). The numbers of formulas,
// results and shown texts take `separator` (see ShownFormulaNumbers); the field's text stays as it is with
// ".", which tervalo-calc prints.
std::vector<TraceRow> TraceRows(const CalculationTrace& trace, const FeatureTexts& texts,
                                char separator = '.');

// The rows as plain text, one numbered block per step.
std::string TraceText(const std::vector<TraceRow>& rows);

}  // namespace tervalo

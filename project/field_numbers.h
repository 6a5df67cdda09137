#pragma once

// Numbers as the calculation reads them from the record's texts.

#include <string>

#include "project/heating_kind.h"
#include "project/project_record.h"

namespace tervalo {

// The number of a field's text, with "," or "." as decimal separator; the field itself keeps the text as
// typed. A number too large for a double is an infinity of its sign.
double FieldNumber(const std::string& text);

// The boiler's annual efficiency η (%) and the stand-by losses s (%) of the balance: the fields' values, or
// 100 and 0 for electric heating, which has neither (the fields themselves stay as they are).
struct EfficiencyAndLosses {
    double efficiency;
    double losses;
};
EfficiencyAndLosses BalanceEfficiency(const ProjectRecord& record, HeatingKind kind);

}  // namespace tervalo

#include "project/field_numbers.h"

#include "engine/number_text.h"

namespace tervalo {

double FieldNumber(const std::string& text) {
    std::string copy = text;
    return ParseNumberText(copy);
}

EfficiencyAndLosses BalanceEfficiency(const ProjectRecord& record, HeatingKind kind) {
    if (kind == HeatingKind::Electricity) return {100, 0};
    return {FieldNumber(record.WirkGKessel), FieldNumber(record.BereitStV)};
}

}  // namespace tervalo

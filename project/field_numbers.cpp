#include "project/field_numbers.h"

#include "engine/number_text.h"

namespace tervalo {

double FieldNumber(const std::string& text) {
    std::string copy = text;
    const double value = ParseNumberText(copy);
    // A number beyond the range of a double is not read as 0: the balance then cannot be formed from it.
    if (value == 0)
        if (const auto overflow = OverflowingNumber(copy)) return *overflow;
    return value;
}

EfficiencyAndLosses BalanceEfficiency(const ProjectRecord& record, HeatingKind kind) {
    if (kind == HeatingKind::Electricity) return {100, 0};
    return {FieldNumber(record.WirkGKessel), FieldNumber(record.BereitStV)};
}

}  // namespace tervalo

#include "project/field_marks.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <regex>

#include "project/field_numbers.h"

namespace tervalo {

namespace {

// Fields a user types into; an empty one of these is read as 0, which deserves a mark.
constexpr std::array<std::string_view, 9> kTypedFields = {
    "WohnFL", "WirkGKessel", "BereitStV", "BrennK", "EnergKost", "BK50", "BK51", "BK52", "BK53"};
// Fields the calculation fills, which a user may still overwrite.
constexpr std::array<std::string_view, 7> kFilledFields = {
    "SpezHeizLeist", "GesHBDGeB", "BrennStV", "GesHBDHeiz", "t0", "Tc", "GesEnergWP"};

template <typename List>
bool Contains(const List& list, std::string_view name) {
    for (std::string_view entry : list)
        if (entry == name) return true;
    return false;
}

// A number as a user writes it: optional sign, at most nine digits, one decimal separator.
bool IsPlainNumber(const std::string& text) {
    static const std::regex plain(R"(\s*[+-]?\d{1,9}([.,]\d*)?\s*)");
    return std::regex_match(text, plain);
}

FieldRange RangeOf(std::string_view field, double value) {
    if (field == "WohnFL" && value <= 0) return FieldRange::AreaNotPositive;
    if ((field == "BrennK" || field == "EnergKost" || field.substr(0, 2) == "BK") && value < 0)
        return FieldRange::PriceNegative;
    if (field == "WirkGKessel" && (value < 1 || value > 120)) return FieldRange::EfficiencyOutside;
    return FieldRange::Usual;
}

}  // namespace

FieldMark MarkOfField(std::string_view field, const std::string& text) {
    const bool typed = Contains(kTypedFields, field);
    if (!typed && !Contains(kFilledFields, field)) return {};
    if (text.find_first_not_of(" \t") == std::string::npos && !typed) return {};
    FieldMark mark;
    mark.value = FieldNumber(text);
    mark.readDifferently = !IsPlainNumber(text);
    mark.range = RangeOf(field, mark.value);
    return mark;
}

std::string ReadValueText(double value) {
    char buffer[64];
    if (std::abs(value) >= 1e15) {
        std::snprintf(buffer, sizeof buffer, "%g", value);
        return buffer;
    }
    std::snprintf(buffer, sizeof buffer, "%.6f", value);
    std::string text = buffer;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text == "-0" ? "0" : text;
}

}  // namespace tervalo

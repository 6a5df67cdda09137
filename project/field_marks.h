#pragma once

// How the window should flag a number field: when the calculation reads its text as something other than what
// was plainly typed ("1.234,5" is read as 1.234, "abc" and an empty field as 0), or when the value lies where
// the calculation gives no meaningful result. The calculation itself still reads the text as it always does.

#include <string>
#include <string_view>

namespace tervalo {

enum class FieldRange { Usual, AreaNotPositive, PriceNegative, EfficiencyOutside };

struct FieldMark {
    bool readDifferently = false;  // the text is no plain number; `value` is what was read
    FieldRange range = FieldRange::Usual;
    double value = 0;

    bool Any() const { return readDifferently || range != FieldRange::Usual; }
};

// The mark of the field named `field` (a control name of the project window) holding `text`. Fields that hold
// no number, and empty fields the calculation fills itself, get none.
FieldMark MarkOfField(std::string_view field, const std::string& text);

// The value as the tool tip shows it: up to six decimals, no trailing zeros, "." as separator.
std::string ReadValueText(double value);

}  // namespace tervalo

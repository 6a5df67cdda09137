// Arbitrary typed text through the tolerant number input and back out through both number forms.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    const double value = tervalo::ParseNumberText(text);
    tervalo::PointFormat(value);
    tervalo::LocaleFormat(value, ',');
    // An overflow is only ever a number LeadingNumber could not hold.
    if (const auto overflow = tervalo::OverflowingNumber(text);
        overflow && (value != 0 || std::isfinite(*overflow)))
        __builtin_trap();
    return 0;
}

#pragma once

// Numbers as the user types them and as the windows show them.

#include <optional>
#include <string>
#include <string_view>

namespace tervalo {

// Reads a number accepting either "," or "." as decimal separator. A text with a comma and no point has that
// comma replaced by a point (the caller's text is rewritten: "12,5" becomes "12.5"). Text without a number
// gives 0.
double ParseNumberText(std::string& text);

// The leading number of a text: blanks, tabs and line feeds anywhere are ignored; an optional sign, digits,
// one decimal point and an exponent introduced by E or D; "&H" and "&O" introduce hexadecimal and octal
// digits. Reading stops at the first other character; no number at all, or one too large to hold, gives 0.
double LeadingNumber(std::string_view text);

// Infinity with the number's sign when the leading number (decimal, as LeadingNumber reads it) is too large
// to hold, where LeadingNumber gives 0; nothing for every other text, an underflow included.
std::optional<double> OverflowingNumber(std::string_view text);

// The nearest integer, halves to the even neighbour (how a number is stored into an integer field).
double RoundHalfEven(double value);

// "." as decimal point, a leading blank before zero and positive numbers, "-" before negative ones, no
// thousands separator, no trailing zeros: 20 gives " 20", 2.5 gives " 2.5", -5 gives "-5".
std::string PointFormat(double value);

// The regional form: the given decimal separator, no leading blank, no thousands separator, no trailing
// zeros.
std::string LocaleFormat(double value, char decimalSeparator);

// Up to 15 significant digits with the given separator and no trailing zeros; the digits part of both forms.
std::string GeneralNumberText(double value, char decimalSeparator);

// The temperature unit shown after temperatures: "°C" with the degree sign as the code-page byte B0.
inline constexpr std::string_view TemperatureUnitLabel =
    "\xB0"
    "C";

}  // namespace tervalo

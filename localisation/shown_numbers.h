#pragma once

// Numbers as the windows and the printed pages show them. The project's texts keep the decimal point or the
// system's separator they were formed with, since the files rely on them; what is shown takes the separator
// of the chosen language (ShownDecimalSeparator), so that one page never mixes "3.947" with "1,678".

#include <string>
#include <string_view>

namespace tervalo {

// `text` (code-page bytes) with the decimal separator of every number that stands as a word of its own
// replaced by `separator`: digits, one "." or "," and digits, with a sign or an opening bracket before and a
// closing bracket or "%" after. Other words stay as they are: dates such as 07.12.2026, versions, names.
std::string ShownNumbers(std::string_view text, char separator);

// A formula's numbers (the working of a calculation): every "." or "," between two digits becomes
// `separator`; with "," the argument separator ", " becomes "; " first, so that the arguments stay apart.
std::string ShownFormulaNumbers(std::string_view text, char separator);

// UTF-8 `text` with the units m2 and m3 written with their superscripts (m², m³), where a code page without
// superscripts made the project write them so: a word m2 or m3 standing alone or after "/" or "(" and before
// a blank, "/", ")" or the end.
std::string SuperscriptUnits(std::string_view text);

}  // namespace tervalo

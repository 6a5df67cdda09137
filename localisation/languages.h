#pragma once

// The languages of the program, one row each as data/lang/languages.tsv gives them (the build turns that
// table into language_rows.h).

#include <span>
#include <string_view>

namespace tervalo {

struct LanguageRow {
    std::string_view code;          // the three letters that end the names of its files
    int codePage;                   // the Windows ANSI code page of its files
    std::string_view flagPicture;   // the picture file of its flag
    std::string_view nativeName;    // UTF-8: its name in its own script
    std::string_view optionObject;  // object names of its option button and flag on the welcome window
    std::string_view flagObject;
    char decimalSeparator;  // of the numbers the windows and the printed pages show in this language
};

// In the order of the welcome window.
std::span<const LanguageRow> Languages();

// The row of a code, compared exactly; null for any other code.
const LanguageRow* FindLanguage(std::string_view code);

// Whether the code is one of the program's languages (the filter of the settings file's reads).
bool KnownLanguage(std::string_view code);

// The decimal separator of the numbers shown in a language: its row's, "." for a code without a row.
char ShownDecimalSeparator(std::string_view code);

}  // namespace tervalo

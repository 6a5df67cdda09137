#include "localisation/languages.h"

#include "localisation/language_rows.h"

namespace tervalo {

std::span<const LanguageRow> Languages() {
    return kLanguageRows;
}

const LanguageRow* FindLanguage(std::string_view code) {
    for (const LanguageRow& row : kLanguageRows)
        if (row.code == code) return &row;
    return nullptr;
}

bool KnownLanguage(std::string_view code) {
    return FindLanguage(code) != nullptr;
}

char ShownDecimalSeparator(std::string_view code) {
    const LanguageRow* row = FindLanguage(code);
    return row ? row->decimalSeparator : '.';
}

}  // namespace tervalo

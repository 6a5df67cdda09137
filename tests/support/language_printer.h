#pragma once

// Tests over the languages name each run by its code: GoogleTest would print the row's bytes.

#include <ostream>

#include "localisation/languages.h"

namespace tervalo {

inline void PrintTo(const LanguageRow& row, std::ostream* out) {
    *out << row.code;
}

}  // namespace tervalo

#pragma once

// Qt's own texts (the Yes and No of message boxes, the print and file dialogs) in the program's language,
// from the translations Qt ships where one exists for it; English otherwise.

#include <QString>
#include <string_view>

namespace tervalo {

// The locale name of Qt's translation for a language code ("GER" -> "de"); empty for English and for a
// language Qt has no translation of.
QString QtTranslationLocale(std::string_view languageCode);

// Replaces the Qt translation in force by the one of the language. True when one was found and installed.
bool UseQtTranslation(std::string_view languageCode);

}  // namespace tervalo

#pragma once

// Titles and labels that the specified windows showed in English whatever the language (the info box's title,
// the simulation in the project and report titles, the printer set-up dialog, the print settings' page
// panel), now in the run's language from the caption file "Titles." + code (localisation/titles_texts.h).

#include <string>
#include <string_view>

#include "localisation/titles_texts.h"

namespace tervalo {

// Item `item` of the titles file in the language, as code-page bytes; where no file holds it, the English
// text these places always showed.
std::string TitleText(int item, std::string_view languageCode);

}  // namespace tervalo

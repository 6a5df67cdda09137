#pragma once

// How a list field's text is recognised as a list entry: by comparing texts, never by a stored position.

#include <string_view>

namespace tervalo {

// Exact comparison. An empty text is no choice and matches nothing, not even an entry that is empty because
// its language file lacks it.
bool EntryMatches(std::string_view fieldText, std::string_view entryText);

// The same after removing the blanks on both sides of both texts (application range and distribution type).
bool EntryMatchesTrimmed(std::string_view fieldText, std::string_view entryText);

}  // namespace tervalo

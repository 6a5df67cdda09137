#include "project/list_match.h"

#include "engine/text_util.h"

namespace tervalo {

bool EntryMatches(std::string_view fieldText, std::string_view entryText) {
    return !fieldText.empty() && fieldText == entryText;
}

bool EntryMatchesTrimmed(std::string_view fieldText, std::string_view entryText) {
    const std::string field = TrimBlanks(fieldText);
    return !field.empty() && field == TrimBlanks(entryText);
}

}  // namespace tervalo

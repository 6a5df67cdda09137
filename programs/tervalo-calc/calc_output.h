#pragma once

// What tervalo-calc prints beside the window's texts: the NAME=TEXT lines with their escaping, and the
// warnings about results that do not follow from the inputs shown.

#include <string>
#include <string_view>
#include <vector>

#include "localisation/feature_texts.h"
#include "project/project_record.h"

namespace tervalo {

// A value of a NAME=TEXT line on one line: backslash, carriage return, line feed and NUL written as \\, \r,
// \n and \0; every other byte as it is.
std::string EscapeLineValue(std::string_view text);

// One warning per result that the last run did not write ("FIELD is not current: reason", or "is empty" when
// no run has given it a text; the reason in the language of `texts`), then one per list whose text matches no
// entry of its list.
std::vector<std::string> ProjectWarnings(const ProjectRecord& record, const FeatureTexts& texts);

}  // namespace tervalo

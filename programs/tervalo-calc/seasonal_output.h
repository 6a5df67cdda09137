#pragma once

// The seasonal figures of tervalo-calc: a unit's data sheet (--seasonal-unit FILE.json, without the project)
// and the project's own cycle through the seasons (the `seasonal` object of --json).

#include <string>

#include "project/project_record.h"

namespace tervalo {

// Prints the figures (NAME=TEXT lines or, `json`, one document with a `seasonal_unit` object) and returns 0;
// for a file that cannot be read or evaluated prints the message naming the member to standard error, prints
// nothing else and returns 1.
int RunSeasonalUnit(const std::string& file, bool json);

// The `seasonal` object: the project as it stands through the three seasons, with the inputs of
// Seasonal.json.
std::string ProjectSeasonsMember(const ProjectRecord& record);

}  // namespace tervalo

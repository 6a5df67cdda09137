#pragma once

// The seasonal figures of tervalo-calc: a unit's data sheet (--seasonal-unit FILE.json, without the project)
// and the project's own cycle through the seasons as NAME=TEXT lines.

#include <string>

#include "project/calculation.h"
#include "project/project_record.h"

namespace tervalo {

// Prints the figures (NAME=TEXT lines or, `json`, one document with a `seasonal_unit` object) and returns 0;
// for a file that cannot be read or evaluated prints the message naming the member to standard error, prints
// nothing else and returns 1.
int RunSeasonalUnit(const std::string& file, bool json);

// The figures of the `seasonal` object of --json without its bins, as NAME=TEXT lines
// ("Seasonal.average.scop=…"), "–" where the object holds null; calculated on the loads of the run's output.
std::string SeasonalLines(const ProjectRecord& record, ActionLoads* loads = nullptr);

}  // namespace tervalo

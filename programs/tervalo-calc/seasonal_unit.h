#pragma once

// tervalo-calc --seasonal-unit FILE.json: the seasonal figures of a unit's data sheet, without the project.

#include <string>

namespace tervalo {

// Prints the figures (NAME=TEXT lines or, `json`, one document with a `seasonal_unit` object) and returns 0;
// for a file that cannot be read or evaluated prints the message naming the member to standard error, prints
// nothing else and returns 1.
int RunSeasonalUnit(const std::string& file, bool json);

}  // namespace tervalo

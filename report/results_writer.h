#pragma once

// The report of a project as the records of the results file, built from the project window's current texts
// as they are displayed (no calculation is run first) and the language tables of the moment.

#include <string>
#include <vector>

#include "project/project_record.h"

namespace tervalo {

// The record sequence of a printout: title, building, existing heating, heat pump, costs and CO2, closing
// info texts and the owner lines. The integration line is there only while EinbindCheck is set, and info
// text 39 only when it is not empty.
std::vector<std::string> BuildResultsRecords(const ProjectRecord& project);

// Writes that sequence to ergEN1.DAT in the current directory. False when the file could not be written
// (read-only directory, full disk); the caller tells the user and does not open the view.
bool WriteResultsFile(const ProjectRecord& project);

}  // namespace tervalo

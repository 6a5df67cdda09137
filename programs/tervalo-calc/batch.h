#pragma once

// tervalo-calc --batch: one project per row of a CSV file. The header names the fields; each row's cells
// are applied in column order to a copy of the project, as FIELD=TEXT arguments would be (an empty cell
// leaves its field alone), and the row's fields, break-even figures and saving go to the output file, each
// as the shown text and the machine number. Nothing is saved.

#include <string>

#include "project/project_record.h"

namespace tervalo {

// Exit status: 0 when every row was computed; 1 when a malformed row was skipped (reported on standard
// error with its number, counted from 1 after the header) or the output could not be written; 2 when the
// input cannot be read or its header names no input field.
int RunBatch(const ProjectRecord& project, const std::string& inputFile, const std::string& outputFile);

}  // namespace tervalo

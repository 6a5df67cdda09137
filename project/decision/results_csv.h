#pragma once

// The project and its decision figures as CSV cells (UTF-8): every field as its shown text and its machine
// number, then the break-even figures and the saving the same way. One row per project, under a header of
// names; the batch of tervalo-calc and the window's export write the same columns.

#include <string>
#include <string_view>
#include <vector>

#include "project/decision/decision_run.h"
#include "project/project_record.h"

namespace tervalo::decision {

// The header's cells: "row", then each field's name and name + ".value", then the figures'.
std::vector<std::string> ResultsCsvHeader(const ProjectRecord& record, int codePage,
                                          std::string_view currency);

// One row's cells: `row` (its number in the batch), then the texts and numbers the header names.
std::vector<std::string> ResultsCsvRow(int row, const ProjectRecord& record, const DecisionRun& run,
                                       int codePage, std::string_view currency);

// The header and the project as row 1, each line ended by CR LF.
std::string ResultsCsv(const ProjectRecord& record, const DecisionRun& run, int codePage,
                       std::string_view currency);

}  // namespace tervalo::decision

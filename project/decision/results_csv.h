#pragma once

// The project and its decision figures as CSV cells (UTF-8): every field as its shown text and its machine
// number, then the break-even figures and the saving the same way. One row per project, under a header of
// names; the batch of tervalo-calc and the window's export write the same columns.

#include <string>
#include <string_view>
#include <vector>

#include "localisation/feature_texts.h"
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

// The same project for a person's spreadsheet: UTF-8 with a byte-order mark, a header of the window's
// captions with their units, the numbers with `decimalSeparator` and the cells separated by ";" where the
// decimal separator is "," (else by ","), as spreadsheets of that locale expect. The fields the report shows,
// results the last calculation did not write left empty, then the decision figures under their labels
// (`texts`: the decision caption file). CR LF line ends.
std::string ResultsCsvForPeople(const ProjectRecord& record, const DecisionRun& run, int codePage,
                                std::string_view currency, char decimalSeparator, const FeatureTexts& texts);

}  // namespace tervalo::decision

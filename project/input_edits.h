#pragma once

// Inputs typed since the results shown were calculated. A calculation run notes the input texts it read;
// while a text differs from that note (typed and left with Tab, or set without Enter), every result it
// affects is marked as not current (StaleReason::InputsEdited) until a run over the new texts. The window,
// the report, tervalo-calc and the decision figures then treat those results as they treat any other stale
// result: greyed, left out, or a dash.

#include <string>
#include <string_view>
#include <vector>

#include "project/project_record.h"

namespace tervalo {

// Notes the record's input texts as those the results shown were calculated from, and the run's marks as
// the marks without edits. Called by every calculation run.
void NoteCalculatedInputs(ProjectRecord& record);

// Sets the record's result marks from the run's marks and the inputs typed since: every result an edited
// input affects is marked InputsEdited. A result field the user typed into shows the typed text and is not
// marked itself. Nothing is marked before the first run.
void MarkEditedInputs(ProjectRecord& record);

// The names (the window's control names) of the inputs whose texts differ from those of the last run, in
// the window's order; empty before the first run.
std::vector<std::string_view> EditedInputs(const ProjectRecord& record);

// A copy of the record with the input texts of the last run put back: the project whose results are shown.
// The record itself when no run has been noted.
ProjectRecord AsCalculated(const ProjectRecord& record);

}  // namespace tervalo

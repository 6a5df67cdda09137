#pragma once

// Inputs typed since the results shown were calculated, and the one mark of each result that every output
// shows. A calculation run notes the input texts it read and its own marks (ResultCurrency); while a text
// differs from that note (typed and left with Tab, or set without Enter), every result it affects is marked
// as not current (StaleReason::InputsEdited) until a run over the new texts. The window, the report,
// tervalo-calc (single and batch, text, CSV and JSON) and the decision figures all read ResultMark, and treat
// such a result as any other stale one: greyed, left out, or a dash.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "project/project_record.h"

namespace tervalo {

// Notes the record's input texts as those the results shown were calculated from. Called by every
// calculation run.
void NoteCalculatedInputs(ProjectRecord& record);

// The mark of a result as shown: the last run's mark, or InputsEdited when an input it follows from was
// typed since. A result field the user typed into shows the typed text and is not marked itself. Before the
// first run every result is NoCalculation.
StaleReason ResultMark(const ProjectRecord& record, ResultField field);
std::array<StaleReason, kResultFieldCount> ResultMarks(const ProjectRecord& record);
inline bool ResultCurrent(const ProjectRecord& record, ResultField field) {
    return ResultMark(record, field) == StaleReason::Current;
}

// The names (the window's control names) of the inputs whose texts differ from those of the last run, in
// the window's order; empty before the first run.
std::vector<std::string_view> EditedInputs(const ProjectRecord& record);

// A copy of the record with the input texts of the last run put back: the project whose results are shown.
// The record itself when no run has been noted.
ProjectRecord AsCalculated(const ProjectRecord& record);

}  // namespace tervalo

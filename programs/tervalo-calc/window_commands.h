#pragma once

// The project window's commands as tervalo-calc performs them on a record: the arguments and the cells of a
// batch row alike.

#include <string>
#include <string_view>
#include <vector>

#include "localisation/feature_texts.h"

#include "programs/tervalo-calc/calc_arguments.h"
#include "project/project_actions.h"
#include "project/project_record.h"

namespace tervalo {

// The code page of the run's language, and a text of the record in UTF-8.
int CodePage();
std::string Utf8(const std::string& text);

// The English texts of the reasons of stale results, in the run's code page.
FeatureTexts WarningReasonTexts();

// The warnings of the record (see ProjectWarnings) in UTF-8, each on one line: the field texts they quote are
// escaped as the output lines are, so no text can forge a line of its own.
std::vector<std::string> Warnings(const ProjectRecord& record, const FeatureTexts& reasons);

// The window's messages on standard error, each line led by `prefix` and "message: ".
void ShowMessages(const WindowMessages& messages, std::string_view prefix);

// The system locale's decimal separator. The numeric locale is then put back to "C", since the number texts
// are formed with the C library.
char SystemDecimalSeparator();

// The window closes (if open) and opens: load and activation.
void OpenProjectWindow(ProjectRecord& record);

// Applies one command; false when the project or a report could not be written. Messages are led by
// `prefix`.
// Within a larger action (a row of a batch) the command takes that action's loads.
bool Apply(ProjectRecord& record, const CalcCommand& command, std::string_view prefix,
           ActionLoads* loads = nullptr);

}  // namespace tervalo

#pragma once

// The words for a result the last calculation run did not write: the reason as a line of the window, the
// report or a warning of tervalo-calc, in the language of the given texts (code-page bytes).

#include <optional>
#include <string>

#include "localisation/feature_texts.h"
#include "project/project_record.h"

namespace tervalo {

// The reason of one result, with the table file, the temperatures and their range filled in.
std::string StaleReasonText(const ProjectRecord& record, StaleReason reason, const FeatureTexts& texts);

// The first result the last run did not write (or wrote from a factor it lacked), in the order the run writes
// them: shown with an earlier text or empty. Nothing when every result is current or no run has been made.
std::optional<ResultField> FirstStaleResult(const ProjectRecord& record);

// "Results in grey were not computed by the last calculation: " and the reason of the first stale result;
// empty when there is none.
std::string StaleResultsLine(const ProjectRecord& record, const FeatureTexts& texts);

// The caption file of these texts, loaded for the current language.
FeatureTexts LoadResultMarkTexts(std::string_view languageCode);

}  // namespace tervalo

#pragma once

// The decision figures of tervalo-calc: the break-even figures and the saving of the project as it stands,
// and on request the table of heat sources by distributions, as NAME=TEXT lines or in the JSON document.

#include <string>
#include <vector>

#include "localisation/feature_texts.h"
#include "project/decision/decision_run.h"
#include "project/project_record.h"

namespace tervalo {

using decision::DecisionRun;
using decision::EvaluateDecision;

// The figures as NAME=TEXT lines (UTF-8), "–" for a figure that cannot be formed.
std::string DecisionLines(const DecisionRun& run, bool withWhatIf);

// The whole JSON document of the record and the figures, the results' marks with `reasons`
// (WarningReasonTexts); its lifetime and seasonal members calculate on the loads of the run's output.
std::string DecisionJson(const ProjectRecord& record, const DecisionRun& run, bool withWhatIf,
                         const FeatureTexts& reasons, ActionLoads* loads = nullptr);

}  // namespace tervalo

#pragma once

// The decision figures of tervalo-calc: the break-even figures and the saving of the project as it stands,
// and on request the table of heat sources by distributions, as NAME=TEXT lines or in the JSON document.

#include <string>
#include <vector>

#include "project/decision/break_even.h"
#include "project/decision/sensitivity.h"
#include "project/decision/what_if.h"
#include "project/project_record.h"

namespace tervalo {

struct DecisionRun {
    decision::BreakEven breakEven;
    decision::AnnualSaving saving;
    std::vector<decision::WhatIfCell> whatIf;          // empty unless asked for
    std::optional<decision::Sensitivity> sensitivity;  // unless asked for
};

// A calculation run over a copy of the record gives the balance of the project as it stands (the project
// itself keeps its texts); the variants start from the record.
DecisionRun EvaluateDecision(const ProjectRecord& record, bool withWhatIf, bool withSensitivity);

// The figures as NAME=TEXT lines (UTF-8), "–" for a figure that cannot be formed.
std::string DecisionLines(const DecisionRun& run, bool withWhatIf);

// The whole JSON document of the record and the figures.
std::string DecisionJson(const ProjectRecord& record, const DecisionRun& run, bool withWhatIf);

}  // namespace tervalo

#pragma once

// The decision figures of the project as it stands: the break-even figures and the saving, and on request the
// table of heat sources by distributions and the sensitivity of the saving. Every output of them (the
// window, the report page, tervalo-calc and the exported files) starts here.

#include <optional>
#include <vector>

#include "project/calculation.h"
#include "project/decision/break_even.h"
#include "project/decision/sensitivity.h"
#include "project/decision/what_if.h"
#include "project/project_record.h"

namespace tervalo::decision {

struct DecisionRun {
    BreakEven breakEven;
    AnnualSaving saving;
    std::vector<WhatIfCell> whatIf;          // empty unless asked for
    std::optional<Sensitivity> sensitivity;  // unless asked for
    // The record's result texts and their marks are exactly what this run wrote: the figures belong to the
    // results the record shows. False when the record shows results of other inputs (no run since a change,
    // a locked calculation, texts read from the project file).
    bool resultsAsShown = false;
};

// The run with its break-even figures and saving dropped unless they belong to the results the record
// shows: what every output of them prints (a dash, an empty cell, null).
DecisionRun ShownFigures(DecisionRun run);

// A calculation run over a copy of the record gives the balance of the project as it stands (the record
// itself keeps its texts); the variants start from the record. Within a larger action (a row of a batch)
// the run takes that action's loads.
DecisionRun EvaluateDecision(const ProjectRecord& record, bool withWhatIf, bool withSensitivity,
                             ActionLoads* loads = nullptr);

}  // namespace tervalo::decision

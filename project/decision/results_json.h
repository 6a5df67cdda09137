#pragma once

// The project and its decision figures as one JSON document (UTF-8, numbers with "." whatever the locale):
// every field as its shown text with the number it shows and its unit, the break-even figures and savings,
// and optionally the table of heat sources by distributions and the sensitivity of the saving. The format is
// described in the README.

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

#include "localisation/feature_texts.h"
#include "project/decision/break_even.h"
#include "project/decision/decision_run.h"
#include "project/decision/sensitivity.h"
#include "project/decision/what_if.h"
#include "project/project_record.h"

namespace tervalo::decision {

struct JsonSettings {
    int codePage = 1252;       // of the texts in the record
    std::string languageCode;  // of the run
    std::string currency;      // currency code of the run's settings
    // The texts of the reasons given for results the last run did not write (in `codePage`); without them
    // the reason is a general one.
    const FeatureTexts* reasonTexts = nullptr;
};

struct DecisionFigures {
    BreakEven breakEven;
    AnnualSaving saving;
    const std::vector<WhatIfCell>* whatIf = nullptr;  // nothing: no "what_if" member
    const Sensitivity* sensitivity = nullptr;         // nothing: no "sensitivity" member
};

// The figures of `run`; its table only `withWhatIf`, its sensitivity whenever it holds one.
DecisionFigures FiguresOf(const DecisionRun& run, bool withWhatIf);

std::string ResultsJson(const ProjectRecord& record, const DecisionFigures& figures,
                        const JsonSettings& settings);
// The same document as a value, for a caller that adds its members before writing it once.
nlohmann::ordered_json ResultsDocument(const ProjectRecord& record, const DecisionFigures& figures,
                                       const JsonSettings& settings);

}  // namespace tervalo::decision

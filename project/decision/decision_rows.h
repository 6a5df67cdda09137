#pragma once

// The decision figures as the window's section and the report page show them: label, figure and unit of each
// row, and the lines of a cell of the table of heat sources by distributions. Texts are bytes of the
// language's code page.

#include <array>
#include <string>
#include <vector>

#include "localisation/feature_texts.h"
#include "project/decision/decision_run.h"
#include "project/project_record.h"

namespace tervalo::decision {

struct DecisionRow {
    const char* name;   // the window's name of the figure
    std::string label;  // from the decision caption file
    Figure figure;      // nothing: shown as "–"
    std::string unit;
    bool opensGroup;  // the first row under a heading: the saving, then the break-even figures
    int heading;      // the caption item of that heading
};

// The annual saving (money, CO2), then the five break-even figures. A figure is given only where the record
// shows the results it was formed from (DecisionRun::resultsAsShown). `currency` is the run's currency code.
std::array<DecisionRow, 7> DecisionRows(const DecisionRun& run, const ProjectRecord& record,
                                        const FeatureTexts& texts, const std::string& currency);

// The lines of a cell: heating COP, electricity, cost, CO2 of the heat pump, saving per year, each as the
// window shows it after the cell's two choices; "–" where the cell's run has no such result.
std::vector<std::string> WhatIfCellLines(const WhatIfCell& cell, const FeatureTexts& texts,
                                         const std::string& currency);

// The heat sources (entries from 1) whose rows show the same in every distribution, because they lead to the
// same design point: groups of two or more, in list order.
std::vector<std::vector<int>> SameDesignPointGroups(const std::vector<WhatIfCell>& cells);

// The cell of the record's own heat source and distribution; nothing when its texts are no entries.
const WhatIfCell* ChosenCell(const std::vector<WhatIfCell>& cells, const ProjectRecord& record);

}  // namespace tervalo::decision

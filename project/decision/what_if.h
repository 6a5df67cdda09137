#pragma once

// The project as entered, with each heat source (the entries of AnwendBereich) and each heat distribution
// (the entries of VFlsize): 7 × 5 variants. Each variant is a copy of the record on which the heat source and
// then the distribution are chosen as in the window (rules and a calculation run after each choice), so a
// cell shows exactly what the window shows after the same two choices. The variants share one load of the
// calculation data and touch no file; the record itself is not changed.

#include <string>
#include <vector>

#include "project/annual_balance.h"
#include "project/calculation.h"
#include "project/decision/break_even.h"
#include "project/project_record.h"

namespace tervalo::decision {

struct WhatIfCell {
    int heatSource = 0;    // entry of AnwendBereich, from 1
    int distribution = 0;  // entry of VFlsize, from 1
    std::string heatSourceText;
    std::string distributionText;

    // The texts the window shows after the two choices.
    std::string t0;
    std::string Tc;
    std::string LeistZahlH;  // heating COP with its caption
    std::string GesEnergWP;  // electricity of the heat pump, kWh/a
    std::string BetrKo;      // its cost per year
    std::string co2consum;   // its CO2, t/a

    Figure heatingCop;  // cut to two decimals as LeistZahlH shows it; nothing when the cycle failed
    AnnualBalance balance;
    AnnualSaving saving;
};

// The cells heat source by heat source, each with the distributions in list order.
std::vector<WhatIfCell> EvaluateWhatIf(const ProjectRecord& record, const CalculationData& data);

}  // namespace tervalo::decision

#include "project/decision/decision_rows.h"

#include <algorithm>
#include <map>

#include "localisation/decision_texts.h"

namespace tervalo::decision {

namespace {

// An en dash in the code pages of all the languages.
constexpr char kNoFigure[] = "\x96";

// A text of the variant's run, or the dash where the run did not write it (the variant then still holds the
// record's earlier text).
std::string Written(bool written, const std::string& text) {
    return written && !text.empty() ? text : kNoFigure;
}

}  // namespace

std::array<DecisionRow, 7> DecisionRows(const DecisionRun& run, const ProjectRecord& record,
                                        const FeatureTexts& texts, const std::string& currency) {
    using namespace decision_texts;
    const auto shown = [&run](const Figure& figure) { return run.resultsAsShown ? figure : Figure(); };
    const BreakEven& b = run.breakEven;
    return {{
        {"SavingMoney", texts[kCostSaving], shown(run.saving.money), currency + "/a", true, kSavingHeading},
        {"SavingCo2", texts[kCo2Saving], shown(run.saving.co2), "t/a", false, kSavingHeading},
        {"BreakEvenElectricityPrice", texts[kElectricityPriceEqualCost], shown(b.electricityPrice),
         currency + "/kWh", true, kBreakEvenHeading},
        {"BreakEvenFuelPrice", texts[kFuelPriceEqualCost], shown(b.fuelPrice), record.BrennStKeinh, false,
         kBreakEvenHeading},
        {"BreakEvenCopCost", texts[kCopEqualCost], shown(b.heatingCopEqualCost), "", false,
         kBreakEvenHeading},
        {"BreakEvenCopCo2", texts[kCopEqualCo2], shown(b.heatingCopEqualCo2), "", false, kBreakEvenHeading},
        {"BreakEvenGridFactor", texts[kGridFactorEqualCo2], shown(b.gridCo2Factor), "kg/kWh", false,
         kBreakEvenHeading},
    }};
}

std::vector<std::string> WhatIfCellLines(const WhatIfCell& cell, const FeatureTexts& texts,
                                         const std::string& currency) {
    const std::string saving =
        cell.saving.money ? cell.saving.money->text + " " + currency + "/a" : kNoFigure;
    const AnnualBalance& run = cell.balance;
    // The heating COP by the short caption of the decision texts: the window's own caption fills a cell alone
    // in some languages. The number is the one LeistZahlH shows.
    const std::string cop = cell.heatingCop ? cell.heatingCop->text : kNoFigure;
    return {texts[decision_texts::kHeatingCop] + " " + cop,
            Written(run.electricity.has_value(), cell.GesEnergWP) + " kWh/a",
            Written(run.electricityCost.has_value(), cell.BetrKo) + " " + currency + "/a",
            Written(run.electricityCo2.has_value(), cell.co2consum) + " t/a",
            texts[decision_texts::kSaving] + ": " + saving};
}

std::vector<std::vector<int>> SameDesignPointGroups(const std::vector<WhatIfCell>& cells) {
    // A row is what its cells show, distribution by distribution.
    std::map<int, std::vector<std::string>> rows;
    for (const WhatIfCell& cell : cells)
        for (const std::string* text :
             {&cell.t0, &cell.Tc, &cell.LeistZahlH, &cell.GesEnergWP, &cell.BetrKo, &cell.co2consum})
            rows[cell.heatSource].push_back(*text);
    std::vector<std::vector<int>> groups;
    std::vector<int> grouped;
    for (auto row = rows.begin(); row != rows.end(); ++row) {
        if (std::find(grouped.begin(), grouped.end(), row->first) != grouped.end()) continue;
        std::vector<int> group{row->first};
        for (auto other = std::next(row); other != rows.end(); ++other)
            if (other->second == row->second) group.push_back(other->first);
        if (group.size() < 2) continue;
        grouped.insert(grouped.end(), group.begin(), group.end());
        groups.push_back(std::move(group));
    }
    return groups;
}

const WhatIfCell* ChosenCell(const std::vector<WhatIfCell>& cells, const ProjectRecord& record) {
    for (const WhatIfCell& cell : cells)
        if (cell.heatSourceText == record.AnwendBereich && cell.distributionText == record.VFlsize)
            return &cell;
    return nullptr;
}

}  // namespace tervalo::decision

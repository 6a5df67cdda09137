#include "project/decision/what_if.h"

#include "engine/checked_math.h"
#include "engine/number_text.h"
#include "project/project_actions.h"
#include "project/project_lists.h"
#include "project/round_down.h"

namespace tervalo::decision {

std::vector<WhatIfCell> EvaluateWhatIf(const ProjectRecord& record, const CalculationData& data) {
    // The rules and the calculation read no list entries and no captions: the variants go without them.
    ProjectRecord base = record;
    base.lists = {};
    base.captions.clear();

    const std::vector<std::string> sources = ListEntries(ProjectList::AnwendBereich);
    const std::vector<std::string> distributions = ListEntries(ProjectList::VFlsize);
    std::vector<WhatIfCell> cells;
    cells.reserve(sources.size() * distributions.size());
    for (std::size_t s = 0; s < sources.size(); ++s) {
        ProjectRecord withSource = base;
        OnListChosen(withSource, ProjectList::AnwendBereich, sources[s], data);
        for (std::size_t d = 0; d < distributions.size(); ++d) {
            ProjectRecord variant = withSource;
            const AnnualBalance balance = OnListChosen(variant, ProjectList::VFlsize, distributions[d], data);
            WhatIfCell cell;
            cell.heatSource = static_cast<int>(s + 1);
            cell.distribution = static_cast<int>(d + 1);
            cell.heatSourceText = sources[s];
            cell.distributionText = distributions[d];
            cell.t0 = std::move(variant.t0);
            cell.Tc = std::move(variant.Tc);
            cell.LeistZahlH = std::move(variant.LeistZahlH);
            cell.GesEnergWP = std::move(variant.GesEnergWP);
            cell.BetrKo = std::move(variant.BetrKo);
            cell.co2consum = std::move(variant.co2consum);
            if (balance.refrigerationCop) {
                if (const auto cop = Finite(RoundDownTo(1 + *balance.refrigerationCop, 100)))
                    cell.heatingCop = ShownFigure{*cop, LocaleFormat(*cop, record.DecimalSeparator)};
            }
            cell.saving = EvaluateSaving(balance, record.DecimalSeparator);
            cell.balance = balance;
            cells.push_back(std::move(cell));
        }
    }
    return cells;
}

}  // namespace tervalo::decision

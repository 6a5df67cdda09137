#include "project/decision/decision_run.h"

#include "project/calculation.h"

namespace tervalo::decision {

namespace {

bool SameResults(const ProjectRecord& shown, const ProjectRecord& run) {
    for (int i = 0; i < kResultFieldCount; ++i) {
        const auto field = static_cast<ResultField>(i);
        if (shown.*ResultText(field) != run.*ResultText(field) || shown.Results[field] != run.Results[field])
            return false;
    }
    return true;
}

}  // namespace

DecisionRun EvaluateDecision(const ProjectRecord& record, bool withWhatIf, bool withSensitivity,
                             ActionLoads* loads) {
    ProjectRecord current = record;
    const CalculationData data = loads ? loads->For(current) : LoadCalculationData(current);
    const AnnualBalance balance = DesignPointCalculation(current, data);
    DecisionRun run;
    run.breakEven = EvaluateBreakEven(current, balance);
    run.saving = EvaluateSaving(balance, current.DecimalSeparator);
    if (withWhatIf) run.whatIf = EvaluateWhatIf(record, data);
    if (withSensitivity) run.sensitivity = EvaluateSensitivity(current, balance);
    run.resultsAsShown = SameResults(record, current);
    return run;
}

DecisionRun ShownFigures(DecisionRun run) {
    if (!run.resultsAsShown) {
        run.breakEven = {};
        run.saving = {};
    }
    return run;
}

}  // namespace tervalo::decision

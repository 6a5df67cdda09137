#include "project/decision/decision_run.h"

#include "project/calculation.h"
#include "project/input_edits.h"

namespace tervalo::decision {

namespace {

bool SameResults(const ProjectRecord& shown, const ProjectRecord& run) {
    for (int i = 0; i < kResultFieldCount; ++i) {
        const auto field = static_cast<ResultField>(i);
        if (shown.*ResultText(field) != run.*ResultText(field) ||
            ResultMark(shown, field) != ResultMark(run, field))
            return false;
    }
    return true;
}

}  // namespace

DecisionRun EvaluateDecision(const ProjectRecord& record, bool withWhatIf, bool withSensitivity,
                             ActionLoads* loads) {
    ProjectRecord current = record;
    const CalculationData data = loads ? loads->For(current) : LoadCalculationData(current);
    const AnnualBalance balance = DesignPointCalculation(current, data).balance;
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

#include "project/lifetime/project_lifetime.h"

#include <chrono>

#include "project/calculation.h"

namespace tervalo::lifetime {

namespace {

// The results the comparison starts from: both columns of the annual comparison and the energies behind them.
constexpr ResultField kAnnualResults[] = {ResultField::GesHBDHeiz, ResultField::Label27,
                                          ResultField::Label38,    ResultField::GesEnergWP,
                                          ResultField::BetrKo,     ResultField::co2consum};

bool AllCurrent(const ResultCurrency& results) {
    for (const ResultField field : kAnnualResults)
        if (!results.current(field)) return false;
    return true;
}

bool SameTexts(const ProjectRecord& a, const ProjectRecord& b) {
    for (const ResultField field : kAnnualResults)
        if (a.*ResultText(field) != b.*ResultText(field)) return false;
    return true;
}

}  // namespace

std::optional<AnnualFigures> AnnualFiguresOf(const AnnualBalance& balance) {
    const AnnualBalance& b = balance;
    if (!b.fuelEnergy || !b.fuelCost || !b.fuelCo2 || !b.heatPumpHeat || !b.electricity ||
        !b.electricityCost || !b.electricityCo2)
        return std::nullopt;
    AnnualFigures first;
    first.heat_kWh = *b.heatPumpHeat;
    first.fuel_kWh = *b.fuelEnergy;
    first.fuelCost = *b.fuelCost;
    first.fuelCo2_kg = *b.fuelCo2;
    first.fuelIsGridElectricity = b.kind == HeatingKind::Electricity;
    first.electricity_kWh = *b.electricity;
    first.electricityCost = *b.electricityCost;
    first.electricityCo2_kg = *b.electricityCo2 * 1000;
    first.gridFactorToday = b.gridCo2Factor;
    return first;
}

ProjectLifetime EvaluateProjectLifetime(const ProjectRecord& record, const LifetimeInputs& inputs,
                                        ActionLoads* loads) {
    ProjectLifetime lifetime;
    lifetime.inputs = Sanitised(inputs, DefaultLifetimeInputs(inputs.firstYear));
    ProjectRecord copy = record;
    lifetime.first = AnnualFiguresOf(CalculationRun(copy, loads));
    if (!lifetime.first) return lifetime;
    lifetime.result = EvaluateLifetime(lifetime.inputs, *lifetime.first);
    lifetime.current = AllCurrent(record.Results) && AllCurrent(copy.Results) && SameTexts(record, copy);
    return lifetime;
}

int CurrentCalendarYear() {
    using namespace std::chrono;
    return static_cast<int>(year_month_day(floor<days>(system_clock::now())).year());
}

}  // namespace tervalo::lifetime

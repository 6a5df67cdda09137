#include "project/lifetime/project_lifetime.h"

#include <chrono>

#include "project/calculation.h"
#include "project/input_edits.h"
#include "project/seasonal/project_seasons.h"
#include "project/seasonal/seasonal_file.h"

namespace tervalo::lifetime {

namespace {

// The results the comparison starts from: both columns of the annual comparison and the energies behind them.
constexpr ResultField kAnnualResults[] = {ResultField::GesHBDHeiz, ResultField::Label27,
                                          ResultField::Label38,    ResultField::GesEnergWP,
                                          ResultField::BetrKo,     ResultField::co2consum};

bool AllCurrent(const ProjectRecord& record) {
    for (const ResultField field : kAnnualResults)
        if (!ResultCurrent(record, field)) return false;
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

AnnualFigures WithSeasonalElectricity(AnnualFigures first, double electricity_kWh, double cost, double co2_kg,
                                      double backupFuel_kWh) {
    const double share = first.fuel_kWh > 0 ? backupFuel_kWh / first.fuel_kWh : 0;
    first.heatPumpFuelCost = first.fuelCost * share;
    first.heatPumpFuelCo2_kg = first.fuelCo2_kg * share;
    first.electricity_kWh = electricity_kWh;
    first.electricityCost = cost - first.heatPumpFuelCost;
    first.electricityCo2_kg = co2_kg - first.heatPumpFuelCo2_kg;
    return first;
}

ProjectLifetime EvaluateProjectLifetime(const ProjectRecord& record, const LifetimeInputs& inputs,
                                        ActionLoads* loads) {
    ProjectLifetime lifetime;
    lifetime.inputs = Sanitised(inputs, DefaultLifetimeInputs(inputs.firstYear));
    ProjectRecord copy = record;
    lifetime.first = AnnualFiguresOf(CalculationRun(copy, loads).balance);
    if (!lifetime.first) return lifetime;
    if (lifetime.inputs.seasonalElectricity) {
        const seasonal::ProjectSeasons seasons =
            seasonal::EvaluateProjectSeasons(record, seasonal::LoadSeasonalFile().project, loads);
        if (!seasons.seasons.empty() && seasons.seasons[0].annual) {
            const seasonal::SeasonAnnual& a = *seasons.seasons[0].annual;
            lifetime.first = WithSeasonalElectricity(*lifetime.first, a.electricity_kWh, a.cost, a.co2_kg,
                                                     a.backupFuel_kWh);
            lifetime.seasonal = true;
        }
    }
    lifetime.result = EvaluateLifetime(lifetime.inputs, *lifetime.first);
    lifetime.current = AllCurrent(record) && AllCurrent(copy) && SameTexts(record, copy);
    return lifetime;
}

int CurrentCalendarYear() {
    using namespace std::chrono;
    return static_cast<int>(year_month_day(floor<days>(system_clock::now())).year());
}

}  // namespace tervalo::lifetime

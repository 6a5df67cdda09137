#pragma once

// The lifetime comparison of a project: the first year's figures are those of the project's annual balance,
// so year 1 of the comparison is what the project window shows for one year.

#include <optional>

#include "project/annual_balance.h"
#include "project/calculation.h"
#include "project/lifetime/lifetime_analysis.h"
#include "project/project_record.h"

namespace tervalo::lifetime {

// The first year's figures of a balance that reached both systems; nothing for one that ended early.
std::optional<AnnualFigures> AnnualFiguresOf(const AnnualBalance& balance);

// `first` with the heat pump's electricity, cost and CO2 of a season's annual figures (`backupFuel_kWh` of
// the boiler at the fuel's price and CO2 per kWh of `first`).
AnnualFigures WithSeasonalElectricity(AnnualFigures first, double electricity_kWh, double cost, double co2_kg,
                                      double backupFuel_kWh);

struct ProjectLifetime {
    LifetimeInputs inputs;                 // as evaluated
    std::optional<AnnualFigures> first;    // nothing: the balance did not reach both systems
    bool seasonal = false;                 // the heat pump's first year is the average season's
    std::optional<LifetimeResult> result;  // with `first`
    // The window's annual results are current and are those of `first`. Otherwise no figure is current:
    // the window shows results of an earlier run, or inputs typed since then change them.
    bool current = false;
};

// A calculation run over a copy of the record (the record keeps its texts) and the comparison over its
// balance with `inputs` (sanitised against the defaults of their first year). With seasonalElectricity the
// heat pump's first year is the average season's of the seasonal view (inputs of Seasonal.json), where the
// seasons could be computed. Within a larger action (the document of a run) the runs take that action's
// loads.
ProjectLifetime EvaluateProjectLifetime(const ProjectRecord& record, const LifetimeInputs& inputs,
                                        ActionLoads* loads = nullptr);

// The calendar year of today (UTC), the first year of use of the defaults.
int CurrentCalendarYear();

}  // namespace tervalo::lifetime

#pragma once

// The project's own refrigeration cycle through the three reference seasons. Every bin's evaporating and
// condensing temperatures follow from the outdoor temperature (or the fixed source temperature) and from a
// flow temperature that falls with the part load; the design-point calculation evaluated there gives the
// bin's COP. A heat pump sized to the house's load at the bivalent temperature then runs through the bin
// method, with an electric back-up below it, or the existing boiler where the project keeps it. The figures
// are those of the refrigeration cycle only: no fans, pumps or defrost.

#include <optional>
#include <string>
#include <vector>

#include "project/annual_balance.h"
#include "project/calculation.h"
#include "project/project_record.h"
#include "project/seasonal/bin_method.h"

namespace tervalo::seasonal {

// What the user sets for the project's seasons.
struct ProjectSeasonInputs {
    double evaporatorDifference_K = 7;  // ΔT_e: source (outdoor air, brine, water) above t0
    double condenserDifference_K = 3;   // ΔT_c: Tc above the flow temperature
    std::optional<double> bivalent_C;   // T_biv; nothing: each season's design temperature
    friend bool operator==(const ProjectSeasonInputs&, const ProjectSeasonInputs&) = default;
};

// The heat source of the project's application range: outdoor air (also the solar absorber and an
// unrecognised text), brine (ground collector, borehole) or water (ground and surface water).
Source ProjectSource(const ProjectRecord& record);

// Source temperature of brine and water, °C: fixed over the season.
inline constexpr double kBrineTemperature_C = 0;
inline constexpr double kWaterTemperature_C = 10;

// The flow temperature at a part load: EN 14825's variable outlet line of the average season (35 °C and
// 55 °C applications) between its points, linear from its last two below the smallest part load, its rise
// above the 20 °C room scaled so that part load 1 gives `designFlow_C`. The 35 °C line serves design flow
// temperatures up to 45 °C, the 55 °C line higher ones.
double FlowTemperature(double partLoad, double designFlow_C);

// The band of declared SCOPs of certified units the project's figure is set beside (median, 10 % and 90 %).
struct CertifiedBand {
    double median, low10, high90;
};
// For air at 35 or 55 °C in every season, brine and water in the average season; nothing otherwise.
std::optional<CertifiedBand> CertifiedScopBand(Source source, Climate climate, int flowTemperature_C);
// The source of the band's figures, as the About box and the README cite it.
inline constexpr const char* kCertifiedBandSource =
    "Heat Pump KEYMARK declarations as compiled in the hplib repository (FZJ-IEK3-VSA, CC BY 4.0)";

// One bin of the project's cycle.
struct CycleBin {
    double t0_C;        // evaporating temperature
    double flow_C;      // flow temperature
    double tc_C;        // condensing temperature
    double heatingCop;  // of the design-point calculation at (t0, Tc): refrigerating COP + 1
    double carnotCop;   // Tc/(Tc − T0) in kelvin, the bound no cycle passes
};

enum class Backup { Electric, Boiler };

// The annual figures of one season beside the design point's (per year, currency of the record).
struct SeasonAnnual {
    double electricity_kWh;  // heat pump (and electric back-up)
    double backupFuel_kWh;   // boiler back-up: fuel energy
    double cost;             // electricity and back-up fuel
    double co2_kg;
    double savingMoney;  // the boiler heating's cost − cost
    double savingCo2_t;
    // Break-even figures on the seasonal balance; nothing where no such figure exists.
    std::optional<double> electricityPrice;      // per kWh, equal cost
    std::optional<double> fuelPrice;             // per fuel unit, equal cost
    std::optional<double> seasonalCopEqualCost;  // the heat pump's seasonal COP for equal cost
    std::optional<double> gridCo2Factor;         // kg per kWh, equal CO2
};

struct ProjectSeason {
    Climate climate;
    double bivalent_C;
    double designLoad_kW;                  // P_design = annual heat / H_HE
    std::vector<CycleBin> cycle;           // one per bin of `result`
    std::optional<SeasonalResult> result;  // nothing: a bin's cycle could not be computed
    std::optional<SeasonAnnual> annual;    // with `result` and a balance that reached both systems
    std::optional<CertifiedBand> band;
    bool aboveBand = false;  // the seasonal COP lies above the band's 90 % mark
};

struct ProjectSeasons {
    ProjectSeasonInputs inputs;
    Source source = Source::Air;
    double designFlow_C = 0;  // of the heat distribution (Tc of the record)
    int bandFlow_C = 35;      // the band's application: 35 or 55 °C
    Backup backup = Backup::Electric;
    double degradation = kDefaultDegradation;  // C_d: 0.9 for air, 1 for brine and water
    std::optional<AnnualBalance> balance;      // the design point's, the seasons' reference
    std::vector<ProjectSeason> seasons;        // average, colder, warmer; empty without a heat demand
};

// The seasons of the project as it stands: a calculation run over a copy of the record (the record keeps
// its texts), then the design-point calculation on that copy at every bin. `data` as loaded for the record.
ProjectSeasons EvaluateProjectSeasons(const ProjectRecord& record, const CalculationData& data,
                                      const ProjectSeasonInputs& inputs);
// The same with the data loaded for the record, or taken from the loads of the action it is part of.
ProjectSeasons EvaluateProjectSeasons(const ProjectRecord& record, const ProjectSeasonInputs& inputs,
                                      ActionLoads* loads = nullptr);

// The seasonal COP shown for the project (no off-mode figures exist for a cycle): SCOP_on with the electric
// back-up counted at COP 1, SCOP_net where the boiler covers what the heat pump cannot.
inline double ProjectScop(const SeasonalResult& result, Backup backup) {
    return backup == Backup::Boiler ? result.scopNet : result.scopOn;
}

}  // namespace tervalo::seasonal

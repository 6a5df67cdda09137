#pragma once

// What the cycle view shows of a design point: the refrigerant's saturation dome on a p-h chart with a few
// isotherms, the five numbered state points of the cycle, the figures of the design point with the Carnot
// COP of the same temperatures, and the working of the whole calculation run. Built by running the
// calculation on a copy of the project, so every figure is the one the project window shows.

#include <optional>
#include <string_view>
#include <vector>

#include "engine/engine_status.h"
#include "engine/saturation_table.h"
#include "project/calculation.h"
#include "project/cycle_view/calculation_trace.h"
#include "project/project_record.h"

namespace tervalo {

struct PhPoint {
    double h = 0;  // kJ/kg
    double p = 0;  // bar
};

// The saturation lines at evenly spaced temperatures over the table's range, from the engine's lookups.
struct DomeSample {
    double t = 0;    // K
    PhPoint bubble;  // (h′, p_bubble)
    PhPoint dew;     // (h″, p_dew)
};

// An isotherm as the model knows it: steep in the liquid (h′ at every pressure above the bubble point, as the
// cycle takes the condenser's liquid), across the two-phase region from the bubble to the dew point, and in
// the vapour below the dew point from the vapour correlation the discharge enthalpy comes from.
struct Isotherm {
    double t = 0;  // °C
    PhPoint bubble;
    PhPoint dew;
    // From the dew point down to the table's lowest temperature: at the dew pressure of each saturation
    // temperature T_s ≤ t, h = h″(T_s) + c_p(t) × (t − T_s). Empty where the correlation gives no heat
    // capacity: the line then ends at the dew line.
    std::vector<PhPoint> vapour;
};

// The numbered points of the cycle.
enum class StatePoint { EvaporatorOutlet, CompressorInlet, Discharge, CondenserOutlet, EvaporatorInlet };
inline constexpr int kStatePointCount = 5;

struct CycleStatePoint {
    StatePoint point = StatePoint::EvaporatorOutlet;
    double t = 0;                   // °C
    PhPoint ph;                     // kJ/kg, bar
    std::optional<double> density;  // kg/m³, where the model has one
};

struct CycleView {
    EngineStatus tableStatus = EngineStatus::MissingTable;
    std::vector<DomeSample> dome;     // empty without a table
    std::vector<Isotherm> isotherms;  // every 20 °C inside the table
    // The state points; empty when the cycle could not be computed.
    std::vector<CycleStatePoint> points;
    // The condensing pressure's dew point (h″ at T_c), where the discharge gas starts to condense.
    PhPoint condenserDew;

    // The design point's figures (nothing where the run formed none).
    double capacity = DesignRefrigerationCapacity;  // kW
    std::optional<double> massFlow;                 // kg/s
    std::optional<double> compressorPower;          // kW
    std::optional<double> refrigerationCop;
    std::optional<double> heatingCop;
    std::optional<double> dischargeTemperature;  // °C
    std::optional<double> carnotCop;             // T_0/(T_c − T_0), refrigerating
    std::optional<double> carnotRatio;           // COP/COP_Carnot

    CalculationResult result;  // what the run computed
    CalculationTrace trace;    // its working, written from the result
};

// How many samples the dome takes over the table's temperature range.
inline constexpr int kDomeSamples = 160;

// The dome of a loaded table; empty when the table is missing or no sample can be looked up.
std::vector<DomeSample> SaturationDome(const SaturationTableLoad& table, int samples = kDomeSamples);

// The isotherm at t (°C) from the table; nothing outside it. Without a refrigerant name the vapour part stays
// empty; tLiquidK is the liquid temperature that some correlations take (the condensing temperature).
std::optional<Isotherm> IsothermAt(const SaturationTableLoad& table, double t,
                                   std::string_view refrigerant = {}, double tLiquidK = 0);

// The vapour heat capacity of the refrigerant's discharge correlation at tK, kJ/(kg·K), as the cycle takes it
// for the discharge enthalpy; nothing for a name without correlations or a value that is not a number.
std::optional<double> DischargeHeatCapacity(std::string_view refrigerant, double tK, double tLiquidK);

// How many points an isotherm's vapour part takes.
inline constexpr int kVapourSamples = 48;

// Runs the calculation on a copy of `record` with `data` and gathers the view from its result.
CycleView CycleViewOf(const ProjectRecord& record, const CalculationData& data);

// The same with the data loaded as a calculation run loads it (energk.dat and the refrigerant's table), or
// taken from the loads of the action it is part of.
CycleView CycleViewOf(const ProjectRecord& record, ActionLoads* loads = nullptr);

}  // namespace tervalo

#pragma once

// The working of a calculation run: every intermediate in the order computed, with its formula in symbols,
// the numbers put in and the result before and after rounding. Written after the run from what it computed
// (CalculationResult) and the texts it left in the record, so the calculation itself carries no explanation.

#include <optional>
#include <string>
#include <vector>

#include "engine/engine_status.h"
#include "project/calculation_result.h"
#include "project/project_record.h"

namespace tervalo {

// The quantities of a run in the order the calculation forms them.
enum class TraceQuantity {
    // Design point.
    EvaporatingTemperature,
    CondensingTemperature,
    SuctionGasTemperature,
    EvaporatingPressure,
    CondensingPressure,
    VapourEnthalpyEvaporator,
    LiquidEnthalpyCondenser,
    VapourEnthalpyCondenser,
    DischargeTemperature,
    MassFlow,
    DischargeEnthalpy,
    SuctionEnthalpy,
    EnthalpyPower,
    SizeFactor,
    CompressorPower,
    RefrigerationCop,
    HeatingCopLabel,
    // Annual balance.
    CostSectionCop,
    ProvisionalRunningCost,
    BuildingDemand,
    Efficiency,
    StandbyLosses,
    FuelEnergy,
    CalorificValue,
    FuelCo2Factor,
    FuelQuantity,
    FuelCost,
    FuelCo2,
    HeatingCop,
    Electricity,
    RunningCost,
    ElectricityCo2,
};
inline constexpr int kTraceQuantityCount = static_cast<int>(TraceQuantity::ElectricityCo2) + 1;
inline constexpr TraceQuantity kFirstBalanceQuantity = TraceQuantity::CostSectionCop;

// Why a step has no result.
enum class TraceSkip {
    None,
    NotEvaluable,  // a division by zero or an overflow
    NoCycle,       // the cycle stopped (see cycleStatus): no mass flow, power or COP
    NoCop,         // the run formed no COP, so the heat-pump side of the balance has nothing to work with
    NotReached,    // an earlier step ended the run or the balance
};

struct TraceStep {
    TraceQuantity quantity = TraceQuantity::BuildingDemand;
    std::string formula;          // in symbols, UTF-8: "E_f = Q_b × 100/η × (s+100)/100"
    std::string numbers;          // the numbers put in, UTF-8: "18000 × 100/90 × 110/100"
    std::optional<double> value;  // before rounding; nothing when skipped
    // After rounding, as the window shows it (bytes of the field), when the step writes a field; else empty.
    std::string shown;
    std::string ProjectRecord::*field = nullptr;  // the field the step writes
    TraceSkip skip = TraceSkip::None;
};

struct CalculationTrace {
    std::vector<TraceStep> steps;
    EngineStatus cycleStatus = EngineStatus::Ok;

    void Add(TraceQuantity quantity, std::string formula, std::string numbers, std::optional<double> value,
             std::string shown = {}, std::string ProjectRecord::*field = nullptr);
    void Skip(TraceQuantity quantity, TraceSkip reason, std::string formula = {});
    // Lists every quantity from `first` to `last` that has no step yet as not reached, in order.
    void CloseFrom(TraceQuantity first, TraceQuantity last);
    // The step of a quantity, or nothing.
    const TraceStep* Find(TraceQuantity quantity) const;
};

// The working of a finished run: `result` as DesignPointCalculation returned it, `record` as the run left it
// (the shown texts are its fields'). Every quantity appears once, in the order of TraceQuantity.
CalculationTrace CalculationTraceOf(const CalculationResult& result, const ProjectRecord& record);

// A number as put into a formula: up to six significant digits, point as decimal mark, no exponent.
std::string TraceNumber(double value);
// The same as an operand: a negative number in parentheses.
std::string TraceOperand(double value);

}  // namespace tervalo

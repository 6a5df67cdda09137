#include "engine/checked_math.h"
#include "engine/compressor.h"
#include "engine/cycle_state.h"
#include "engine/number_text.h"
#include "engine/refrigeration_cycle.h"
#include "localisation/language_tables.h"
#include "project/calculation.h"
#include "project/energy_factors.h"
#include "project/field_numbers.h"
#include "project/round_down.h"

namespace tervalo {

std::optional<std::string> RefrigerationCopLabel(double refrigerationCop) {
    const auto shown = Finite(RoundDownTo(refrigerationCop, 100));
    if (!shown) return std::nullopt;
    return "COP = " + PointFormat(*shown);
}

std::optional<std::string> HeatingCopLabel(double refrigerationCop) {
    const double heatingCop = refrigerationCop + 1;
    const auto shown = Finite(RoundDownTo(heatingCop, 100));
    if (!shown) return std::nullopt;
    return HeatCaption(50) + " = " + PointFormat(*shown);
}

void DesignPointCalculation() {
    ProjectRecord& record = Project();
    const double t0 = FieldNumber(record.t0);  // °C
    const double tc = FieldNumber(record.Tc);  // °C
    ReadEnergyFactors(record.EnergyFactors);
    const double suctionGasTemperature = 5 + record.SuctionAllowance + t0;  // °C

    Superheat = 0;
    const bool cycleComputed = RunRefrigerationCycle(t0, tc, suctionGasTemperature, 0) == EngineStatus::Ok;
    const CycleStateRecord& cycle = CycleState;

    CheckedValue massFlow;  // kg/s
    if (cycleComputed) massFlow = Divide(DesignRefrigerationCapacity, cycle.hVapourEvap - cycle.hLiquidCond);

    if (const auto shown = Finite(RoundDownTo(suctionGasTemperature, 10)))
        record.pn32 = LocaleFormat(*shown, record.DecimalSeparator);

    CheckedValue power;  // kW
    if (massFlow)
        power = Finite(CompressorPower(cycle.pEvap, cycle.pCond, cycle.TEvap, cycle.TCond, *massFlow,
                                       suctionGasTemperature, cycle.hVapourCond, cycle.hVapourEvap));

    CheckedValue refrigerationCop;
    if (power) refrigerationCop = Divide(DesignRefrigerationCapacity, *power);
    if (refrigerationCop) {
        if (auto label = RefrigerationCopLabel(*refrigerationCop)) record.LeistZahlK = std::move(*label);
        if (auto label = HeatingCopLabel(*refrigerationCop)) record.LeistZahlH = std::move(*label);
    }

    AnnualCostComparison(record, refrigerationCop, power);
    record.CalculationDone = true;
}

}  // namespace tervalo

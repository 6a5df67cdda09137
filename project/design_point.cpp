#include "engine/checked_math.h"
#include "engine/compressor.h"
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
    return HeatCaption(kHeatHeatingCop) + " = " + PointFormat(*shown);
}

CalculationData LoadCalculationData(ProjectRecord& record) {
    ReadEnergyFactors(record.EnergyFactors);
    return {LoadRefrigerantTable(record.RefrigerantName)};
}

AnnualBalance DesignPointCalculation(ProjectRecord& record, const CalculationData& data) {
    const double t0 = FieldNumber(record.t0);                               // °C
    const double tc = FieldNumber(record.Tc);                               // °C
    const double suctionGasTemperature = 5 + record.SuctionAllowance + t0;  // °C

    const CycleRun run = RunRefrigerationCycle(record.RefrigerantName, data.refrigerantTable,
                                               {t0, tc, suctionGasTemperature, 0, 0}, record.CycleState);
    record.CycleState = run.state;
    const bool cycleComputed = run.status == EngineStatus::Ok;
    const CycleStateRecord& cycle = run.state;

    CheckedValue massFlow;  // kg/s
    if (cycleComputed) massFlow = Divide(DesignRefrigerationCapacity, cycle.hVapourEvap - cycle.hLiquidCond);

    if (const auto shown = Finite(RoundDownTo(suctionGasTemperature, 10)))
        record.pn32 = LocaleFormat(*shown, record.DecimalSeparator);

    CheckedValue power;  // kW
    if (massFlow)
        power = Finite(CompressorPowerAtDischarge(run.tDischarge, cycle.TEvap, cycle.TCond, *massFlow,
                                                  suctionGasTemperature, cycle.hVapourCond, cycle.hVapourEvap,
                                                  cycle));

    CheckedValue refrigerationCop;
    if (power) refrigerationCop = Divide(DesignRefrigerationCapacity, *power);
    if (refrigerationCop) {
        if (auto label = RefrigerationCopLabel(*refrigerationCop)) record.LeistZahlK = std::move(*label);
        if (auto label = HeatingCopLabel(*refrigerationCop)) record.LeistZahlH = std::move(*label);
    }

    AnnualBalance balance = AnnualCostComparison(record, refrigerationCop, power);
    record.CalculationDone = true;
    return balance;
}

AnnualBalance CalculationRun(ProjectRecord& record) {
    return DesignPointCalculation(record, LoadCalculationData(record));
}

}  // namespace tervalo

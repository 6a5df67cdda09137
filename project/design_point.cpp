#include <cmath>

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
    const EnergyFactorRead read = ReadEnergyFactors(record.EnergyFactors);
    // A CO2 factor of 0 (or no number) is what a damaged file leaves, not an electricity mix.
    const double co2Factor = record.EnergyFactors[4];
    const EnergyFactorFile factors = !read.present ? EnergyFactorFile::Missing
                                     : read.fieldsRead < 5 || !(std::isfinite(co2Factor) && co2Factor > 0)
                                         ? EnergyFactorFile::ShortOrDamaged
                                         : EnergyFactorFile::Complete;
    return {LoadRefrigerantTable(record.RefrigerantName), factors};
}

namespace {

// The design point as the user gave it and the range the table allows, when the cycle left the table.
std::optional<OutsideDesignPoint> OutsidePoint(const CycleRun& run, const SaturationTableLoad& table,
                                               double t0, double tc) {
    if (run.status != EngineStatus::OutsideTable || !table.table) return std::nullopt;
    const DesignTemperature of = run.outside.of;
    const auto range = UsableDesignRange(*table.table, of);
    if (!range) return std::nullopt;
    return OutsideDesignPoint{of, of == DesignTemperature::Evaporating ? t0 : tc, *range};
}

}  // namespace

AnnualBalance DesignPointCalculation(ProjectRecord& record, const CalculationData& data) {
    ResultTracking tracking(record);
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
    tracking.Finish({run.status, OutsidePoint(run, data.refrigerantTable, t0, tc),
                     refrigerationCop.has_value(), data.energyFactors});
    return balance;
}

AnnualBalance CalculationRun(ProjectRecord& record) {
    return DesignPointCalculation(record, LoadCalculationData(record));
}

}  // namespace tervalo

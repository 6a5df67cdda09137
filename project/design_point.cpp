#include <algorithm>
#include <cmath>

#include "engine/checked_math.h"
#include "engine/compressor.h"
#include "engine/number_text.h"
#include "engine/refrigeration_cycle.h"
#include "localisation/language_tables.h"
#include "project/calculation.h"
#include "project/energy_factors.h"
#include "project/field_numbers.h"
#include "project/input_edits.h"
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

namespace {

// How energk.dat gave the CO2 factor, from its read and the factors read into the record.
EnergyFactorFile EnergyFactorFileOf(const EnergyFactorRead& read, const std::array<double, 5>& factors) {
    // A CO2 factor of 0 (or no number) is what a damaged file leaves, not an electricity mix.
    const double co2Factor = factors[4];
    return !read.present ? EnergyFactorFile::Missing
           : read.fieldsRead < 5 || !(std::isfinite(co2Factor) && co2Factor > 0)
               ? EnergyFactorFile::ShortOrDamaged
               : EnergyFactorFile::Complete;
}

}  // namespace

CalculationData LoadCalculationData(ProjectRecord& record) {
    const EnergyFactorRead read = ReadEnergyFactors(record.EnergyFactors);
    return {LoadRefrigerantTable(record.RefrigerantName), EnergyFactorFileOf(read, record.EnergyFactors)};
}

const CalculationData& ActionLoads::For(ProjectRecord& record) {
    if (!factorsRead_) {
        factorRead_ = ReadEnergyFactors(factorValues_);
        factorsRead_ = true;
    }
    // What ReadEnergyFactors would leave in the record: the numbers the file reached, and field 2 as 1.
    std::copy_n(factorValues_.begin(), factorRead_.fieldsRead, record.EnergyFactors.begin());
    record.EnergyFactors[1] = 1;
    const EnergyFactorFile factors = EnergyFactorFileOf(factorRead_, record.EnergyFactors);
    if (!data_ || refrigerant_ != record.RefrigerantName) {
        data_ = CalculationData{LoadRefrigerantTable(record.RefrigerantName), factors};
        refrigerant_ = record.RefrigerantName;
    }
    data_->energyFactors = factors;
    return *data_;
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

// The cycle at the record's t0 and Tc, the mass flow for the design capacity and the compressor's power.
DesignPointResult DesignPointOf(ProjectRecord& record, const CalculationData& data) {
    DesignPointResult d;
    d.t0 = FieldNumber(record.t0);
    d.tc = FieldNumber(record.Tc);
    d.suctionAllowance = record.SuctionAllowance;
    d.suctionGasTemperature = 5 + record.SuctionAllowance + d.t0;
    d.cycle = RunRefrigerationCycle(record.RefrigerantName, data.refrigerantTable,
                                    {d.t0, d.tc, d.suctionGasTemperature, 0, 0}, record.CycleState);
    record.CycleState = d.cycle.state;
    d.outside = OutsidePoint(d.cycle, data.refrigerantTable, d.t0, d.tc);
    const CycleStateRecord& cycle = d.cycle.state;
    if (d.cycleComputed())
        d.massFlow = Divide(DesignRefrigerationCapacity, cycle.hVapourEvap - cycle.hLiquidCond);
    if (d.massFlow)
        d.compressorPower = Finite(CompressorPowerAtDischarge(
            d.cycle.tDischarge, cycle.TEvap, cycle.TCond, *d.massFlow, d.suctionGasTemperature,
            cycle.hVapourCond, cycle.hVapourEvap, cycle, &d.working));
    if (d.compressorPower) d.refrigerationCop = Divide(DesignRefrigerationCapacity, *d.compressorPower);
    if (d.refrigerationCop) d.heatingCop = Finite(*d.refrigerationCop + 1);
    return d;
}

// The design point's texts: the suction gas temperature and the two COP labels.
void WriteDesignPoint(ProjectRecord& record, DesignPointResult& d) {
    if (const auto shown = Finite(RoundDownTo(d.suctionGasTemperature, 10))) {
        record.pn32 = LocaleFormat(*shown, record.DecimalSeparator);
        d.suctionGasWritten = true;
    }
    if (!d.refrigerationCop) return;
    if (auto label = RefrigerationCopLabel(*d.refrigerationCop)) {
        record.LeistZahlK = std::move(*label);
        d.refrigerationCopWritten = true;
    }
    if (auto label = HeatingCopLabel(*d.refrigerationCop)) {
        record.LeistZahlH = std::move(*label);
        d.heatingCopWritten = true;
    }
}

}  // namespace

CalculationResult DesignPointCalculation(ProjectRecord& record, const CalculationData& data) {
    CalculationResult result;
    result.designPoint = DesignPointOf(record, data);
    WriteDesignPoint(record, result.designPoint);
    result.balance =
        AnnualCostComparison(record, result.designPoint.refrigerationCop, result.designPoint.compressorPower);
    record.CalculationDone = true;
    MarkResults(record, result, data.energyFactors);
    NoteCalculatedInputs(record);
    return result;
}

CalculationResult CalculationRun(ProjectRecord& record) {
    return DesignPointCalculation(record, LoadCalculationData(record));
}

CalculationResult CalculationRun(ProjectRecord& record, ActionLoads* loads) {
    if (!loads) return CalculationRun(record);
    return DesignPointCalculation(record, loads->For(record));
}

}  // namespace tervalo

#include <algorithm>
#include <cmath>

#include "engine/checked_math.h"
#include "engine/compressor.h"
#include "engine/number_text.h"
#include "engine/refrigeration_cycle.h"
#include "localisation/language_tables.h"
#include "project/calculation.h"
#include "project/calculation_trace.h"
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

std::string N(double value) {
    return TraceOperand(value);
}

// The cycle's state points as the trace lists them; every one read from the table or formed by the cycle. The
// subscripts number the points as the cycle diagram does: 1 evaporator outlet, 2 compressor inlet, 3
// discharge, 4 condenser outlet, 5 evaporator inlet (h_5 = h_4).
void TraceCycle(CalculationTrace& trace, const CycleRun& run, double t0, double tc, double tSuction,
                double allowance, const std::string& shownSuction) {
    const CycleStateRecord& c = run.state;
    trace.Add(TraceQuantity::EvaporatingTemperature, "T_0 = t_0 + 273.15", N(t0) + " + 273.15", c.TEvap);
    trace.Add(TraceQuantity::CondensingTemperature, "T_c = t_c + 273.15", N(tc) + " + 273.15", c.TCond);
    trace.Add(TraceQuantity::SuctionGasTemperature, "t_2 = 5 + Δt_s + t_0",
              "5 + " + N(allowance) + " + " + N(t0), tSuction, shownSuction,
              shownSuction.empty() ? nullptr : &ProjectRecord::pn32);
    trace.cycleStatus = run.status;
    if (run.status != EngineStatus::Ok) {
        trace.CloseFrom(TraceQuantity::EvaporatingPressure, TraceQuantity::HeatingCopLabel);
        for (TraceStep& step : trace.steps)
            if (step.skip == TraceSkip::NotReached) step.skip = TraceSkip::NoCycle;
        return;
    }
    trace.Add(TraceQuantity::EvaporatingPressure, "p_0 = p″(T_0)", "p″(" + N(c.TEvap) + " K)", c.pEvap);
    trace.Add(TraceQuantity::CondensingPressure, "p_c = p″(T_c)", "p″(" + N(c.TCond) + " K)", c.pCond);
    trace.Add(TraceQuantity::VapourEnthalpyEvaporator, "h_1 = h″(T_0)", "h″(" + N(c.TEvap) + " K)",
              c.hVapourEvap);
    trace.Add(TraceQuantity::LiquidEnthalpyCondenser, "h_4 = h′(T_c)", "h′(" + N(c.TCond) + " K)",
              c.hLiquidCond);
    trace.Add(TraceQuantity::VapourEnthalpyCondenser, "h″_c = h″(T_c)", "h″(" + N(c.TCond) + " K)",
              c.hVapourCond);
}

}  // namespace

AnnualBalance DesignPointCalculation(ProjectRecord& record, const CalculationData& data,
                                     CalculationTrace* trace) {
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

    const auto shownSuctionGas = Finite(RoundDownTo(suctionGasTemperature, 10));
    if (shownSuctionGas) record.pn32 = LocaleFormat(*shownSuctionGas, record.DecimalSeparator);
    if (trace)
        TraceCycle(*trace, run, t0, tc, suctionGasTemperature, record.SuctionAllowance,
                   shownSuctionGas ? record.pn32 : std::string());

    CheckedValue power;  // kW
    CompressorWorking working;
    if (massFlow)
        power = Finite(CompressorPowerAtDischarge(run.tDischarge, cycle.TEvap, cycle.TCond, *massFlow,
                                                  suctionGasTemperature, cycle.hVapourCond, cycle.hVapourEvap,
                                                  cycle, &working));
    if (trace && cycleComputed) {
        const double tcK = cycle.TCond;
        trace->Add(TraceQuantity::DischargeTemperature, "t_3 = T_3(p_c/p_0, n, T_c) − 273.15",
                   "T_3(" + N(cycle.pCond) + "/" + N(cycle.pEvap) + ", " + N(cycle.CompressionExponent) +
                       ", " + N(tcK) + " K) − 273.15",
                   run.tDischarge - 273.15);
        trace->Add(
            TraceQuantity::MassFlow, "ṁ = Q_0/(h_1 − h_4)",
            N(DesignRefrigerationCapacity) + "/(" + N(cycle.hVapourEvap) + " − " + N(cycle.hLiquidCond) + ")",
            massFlow);
        if (massFlow) {
            trace->Add(TraceQuantity::DischargeEnthalpy, "h_3 = h″_c + c_p3 × (t_3 − t_c)",
                       N(cycle.hVapourCond) + " + " + N(cycle.cpVapourDischarge) + " × (" +
                           N(working.tDischarge) + " − " + N(tcK - 273.15) + ")",
                       working.hDischarge);
            trace->Add(TraceQuantity::SuctionEnthalpy, "h_2 = h_1 + (t_2 − t_0) × c_p1",
                       N(cycle.hVapourEvap) + " + (" + N(suctionGasTemperature) + " − " + N(t0) + ") × " +
                           N(cycle.cpVapourEvap),
                       working.hSuction);
            trace->Add(TraceQuantity::EnthalpyPower, "P_h = (h_3 − h_2) × ṁ",
                       "(" + N(working.hDischarge) + " − " + N(working.hSuction) + ") × " + N(*massFlow),
                       working.powerRaw);
            trace->Add(TraceQuantity::SizeFactor, "f_P = 1 − 0.05 × P_h/100 (≥ 0.95)",
                       "1 − 0.05 × " + N(working.powerRaw) + "/100", working.sizeFactor);
            trace->Add(TraceQuantity::CompressorPower, "P = P_h × f_P × 1.06",
                       N(working.powerRaw) + " × " + N(working.sizeFactor) + " × 1.06", power);
        }
    }

    CheckedValue refrigerationCop;
    if (power) refrigerationCop = Divide(DesignRefrigerationCapacity, *power);
    if (refrigerationCop) {
        if (auto label = RefrigerationCopLabel(*refrigerationCop)) record.LeistZahlK = std::move(*label);
        if (auto label = HeatingCopLabel(*refrigerationCop)) record.LeistZahlH = std::move(*label);
    }
    if (trace && power) {
        trace->Add(TraceQuantity::RefrigerationCop, "COP = Q_0/P",
                   N(DesignRefrigerationCapacity) + "/" + N(*power), refrigerationCop,
                   refrigerationCop ? record.LeistZahlK : std::string(), &ProjectRecord::LeistZahlK);
        if (refrigerationCop)
            trace->Add(TraceQuantity::HeatingCopLabel, "COP_h = COP + 1", N(*refrigerationCop) + " + 1",
                       Finite(*refrigerationCop + 1), record.LeistZahlH, &ProjectRecord::LeistZahlH);
    }
    if (trace) {
        trace->CloseFrom(TraceQuantity::EvaporatingTemperature, TraceQuantity::HeatingCopLabel);
    }

    AnnualBalance balance = AnnualCostComparison(record, refrigerationCop, power, trace);
    record.CalculationDone = true;
    tracking.Finish({run.status, OutsidePoint(run, data.refrigerantTable, t0, tc),
                     refrigerationCop.has_value(), data.energyFactors});
    NoteCalculatedInputs(record);
    return balance;
}

AnnualBalance CalculationRun(ProjectRecord& record, CalculationTrace* trace) {
    return DesignPointCalculation(record, LoadCalculationData(record), trace);
}

AnnualBalance CalculationRun(ProjectRecord& record, ActionLoads* loads) {
    if (!loads) return CalculationRun(record);
    return DesignPointCalculation(record, loads->For(record));
}

}  // namespace tervalo

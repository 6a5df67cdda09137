#include "project/cycle_view/calculation_trace.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/checked_math.h"
#include "project/calculation.h"

namespace tervalo {

void CalculationTrace::Add(TraceQuantity quantity, std::string formula, std::string numbers,
                           std::optional<double> value, std::string shown,
                           std::string ProjectRecord::*field) {
    steps.push_back({quantity, std::move(formula), std::move(numbers), value, std::move(shown), field,
                     value ? TraceSkip::None : TraceSkip::NotEvaluable});
}

void CalculationTrace::Skip(TraceQuantity quantity, TraceSkip reason, std::string formula) {
    steps.push_back({quantity, std::move(formula), {}, std::nullopt, {}, nullptr, reason});
}

void CalculationTrace::CloseFrom(TraceQuantity first, TraceQuantity last) {
    for (int q = static_cast<int>(first); q <= static_cast<int>(last); ++q)
        if (!Find(static_cast<TraceQuantity>(q))) Skip(static_cast<TraceQuantity>(q), TraceSkip::NotReached);
}

const TraceStep* CalculationTrace::Find(TraceQuantity quantity) const {
    const auto found = std::find_if(steps.begin(), steps.end(),
                                    [quantity](const TraceStep& s) { return s.quantity == quantity; });
    return found == steps.end() ? nullptr : &*found;
}

namespace {

using Q = TraceQuantity;

std::string N(double value) {
    return TraceOperand(value);
}

// The design point: the cycle's state points as read from the table or formed by the cycle, then the
// compressor and the COPs. The subscripts number the points as the cycle diagram does: 1 evaporator outlet,
// 2 compressor inlet, 3 discharge, 4 condenser outlet, 5 evaporator inlet (h_5 = h_4).
void DesignPointSteps(CalculationTrace& trace, const DesignPointResult& d, const ProjectRecord& record) {
    const CycleStateRecord& c = d.cycle.state;
    trace.cycleStatus = d.cycle.status;
    trace.Add(Q::EvaporatingTemperature, "T_0 = t_0 + 273.15", N(d.t0) + " + 273.15", c.TEvap);
    trace.Add(Q::CondensingTemperature, "T_c = t_c + 273.15", N(d.tc) + " + 273.15", c.TCond);
    trace.Add(Q::SuctionGasTemperature, "t_2 = 5 + Δt_s + t_0",
              "5 + " + N(d.suctionAllowance) + " + " + N(d.t0), d.suctionGasTemperature,
              d.suctionGasWritten ? record.pn32 : std::string(),
              d.suctionGasWritten ? &ProjectRecord::pn32 : nullptr);
    if (!d.cycleComputed()) {
        trace.CloseFrom(Q::EvaporatingPressure, Q::HeatingCopLabel);
        for (TraceStep& step : trace.steps)
            if (step.skip == TraceSkip::NotReached) step.skip = TraceSkip::NoCycle;
        return;
    }
    trace.Add(Q::EvaporatingPressure, "p_0 = p″(T_0)", "p″(" + N(c.TEvap) + " K)", c.pEvap);
    trace.Add(Q::CondensingPressure, "p_c = p″(T_c)", "p″(" + N(c.TCond) + " K)", c.pCond);
    trace.Add(Q::VapourEnthalpyEvaporator, "h_1 = h″(T_0)", "h″(" + N(c.TEvap) + " K)", c.hVapourEvap);
    trace.Add(Q::LiquidEnthalpyCondenser, "h_4 = h′(T_c)", "h′(" + N(c.TCond) + " K)", c.hLiquidCond);
    trace.Add(Q::VapourEnthalpyCondenser, "h″_c = h″(T_c)", "h″(" + N(c.TCond) + " K)", c.hVapourCond);
    trace.Add(Q::DischargeTemperature, "t_3 = T_3(p_c/p_0, n, T_c) − 273.15",
              "T_3(" + N(c.pCond) + "/" + N(c.pEvap) + ", " + N(c.CompressionExponent) + ", " + N(c.TCond) +
                  " K) − 273.15",
              d.cycle.tDischarge - 273.15);
    trace.Add(Q::MassFlow, "ṁ = Q_0/(h_1 − h_4)",
              N(DesignRefrigerationCapacity) + "/(" + N(c.hVapourEvap) + " − " + N(c.hLiquidCond) + ")",
              d.massFlow);
    if (d.massFlow) {
        const CompressorWorking& w = d.working;
        trace.Add(Q::DischargeEnthalpy, "h_3 = h″_c + c_p3 × (t_3 − t_c)",
                  N(c.hVapourCond) + " + " + N(c.cpVapourDischarge) + " × (" + N(w.tDischarge) + " − " +
                      N(c.TCond - 273.15) + ")",
                  w.hDischarge);
        trace.Add(Q::SuctionEnthalpy, "h_2 = h_1 + (t_2 − t_0) × c_p1",
                  N(c.hVapourEvap) + " + (" + N(d.suctionGasTemperature) + " − " + N(d.t0) + ") × " +
                      N(c.cpVapourEvap),
                  w.hSuction);
        trace.Add(Q::EnthalpyPower, "P_h = (h_3 − h_2) × ṁ",
                  "(" + N(w.hDischarge) + " − " + N(w.hSuction) + ") × " + N(*d.massFlow), w.powerRaw);
        trace.Add(Q::SizeFactor, "f_P = 1 − 0.05 × P_h/100 (≥ 0.95)", "1 − 0.05 × " + N(w.powerRaw) + "/100",
                  w.sizeFactor);
        trace.Add(Q::CompressorPower, "P = P_h × f_P × 1.06",
                  N(w.powerRaw) + " × " + N(w.sizeFactor) + " × 1.06", d.compressorPower);
    }
    if (d.compressorPower) {
        trace.Add(Q::RefrigerationCop, "COP = Q_0/P",
                  N(DesignRefrigerationCapacity) + "/" + N(*d.compressorPower), d.refrigerationCop,
                  d.refrigerationCopWritten ? record.LeistZahlK : std::string(), &ProjectRecord::LeistZahlK);
        if (d.refrigerationCop)
            trace.Add(Q::HeatingCopLabel, "COP_h = COP + 1", N(*d.refrigerationCop) + " + 1", d.heatingCop,
                      d.heatingCopWritten ? record.LeistZahlH : std::string(), &ProjectRecord::LeistZahlH);
    }
    trace.CloseFrom(Q::EvaporatingTemperature, Q::HeatingCopLabel);
}

// The annual balance up to the step that ended it; the steps after it are closed as not reached.
class BalanceWriter {
  public:
    BalanceWriter(CalculationTrace& trace, const AnnualBalance& b, const ProjectRecord& record)
        : trace_(trace), b_(b), record_(record) {}

    // A step that writes a field: its value and the field's text when the balance wrote it. False when the
    // balance ended there.
    bool Step(BalanceStep step, Q quantity, std::string formula, std::string numbers,
              std::optional<double> value, std::string ProjectRecord::*field) {
        const bool wrote = b_.wrote(step);
        trace_.Add(quantity, std::move(formula), std::move(numbers), wrote ? value : std::nullopt,
                   wrote ? record_.*field : std::string(), field);
        return b_.stop.at != step;
    }

    // The COP of the cost section and the provisional running cost, each skipped without the run's COP.
    bool DesignPointFigures() {
        if (const auto cop = b_.refrigerationCop) {
            if (!Step(BalanceStep::CostSectionCop, Q::CostSectionCop, "COP", N(*cop), cop,
                      &ProjectRecord::LeistZ))
                return false;
        } else {
            trace_.Skip(Q::CostSectionCop, TraceSkip::NoCop, "COP");
        }
        const std::string formula = "K_el = f_1 × f_2 × f_3 × f_4 × P";
        if (!b_.compressorPower) {
            trace_.Skip(Q::ProvisionalRunningCost, TraceSkip::NoCop, formula);
            return true;
        }
        const auto& f = b_.costFactors;
        const bool wrote = b_.wrote(BalanceStep::ProvisionalRunningCost);
        // The field holds the final running cost when there is one: the provisional text is formed again.
        trace_.Add(
            Q::ProvisionalRunningCost, formula,
            N(f[0]) + " × " + N(f[1]) + " × " + N(f[2]) + " × " + N(f[3]) + " × " + N(*b_.compressorPower),
            b_.provisionalRunningCost,
            wrote ? ProvisionalRunningCostText(*b_.provisionalRunningCost, record_.DecimalSeparator).value()
                  : std::string(),
            &ProjectRecord::BetrKo);
        return wrote;
    }

    bool BoilerSide() {
        if (!Step(BalanceStep::BuildingDemand, Q::BuildingDemand, "Q_b = A × q",
                  N(b_.area) + " × " + N(b_.specificDemand), b_.buildingDemand, &ProjectRecord::GesHBDGeB))
            return false;
        trace_.Add(Q::Efficiency, "η", N(b_.efficiency), b_.efficiency);
        trace_.Add(Q::StandbyLosses, "s", N(b_.losses), b_.losses);
        if (!Step(BalanceStep::FuelEnergy, Q::FuelEnergy, "E_f = Q_b × 100/η × (s+100)/100",
                  N(*b_.buildingDemand) + " × 100/" + N(b_.efficiency) + " × " + N(b_.losses + 100) + "/100",
                  b_.fuelEnergy, &ProjectRecord::GesHBDHeiz))
            return false;
        const double h = b_.fuelCalorificValue, c = b_.fuelCo2Factor;
        const std::string perUnit = N(*b_.fuelEnergy) + "/" + N(h);
        trace_.Add(Q::CalorificValue, "H", N(h), h);
        trace_.Add(Q::FuelCo2Factor, "c_f", N(c), c);
        return Step(BalanceStep::FuelQuantity, Q::FuelQuantity, "B = E_f/H", perUnit, b_.fuelQuantity,
                    &ProjectRecord::BrennStV) &&
               Step(BalanceStep::FuelCost, Q::FuelCost, "K_f = k_f × E_f/H",
                    N(b_.fuelPrice) + " × " + perUnit, b_.fuelCost, &ProjectRecord::Label27) &&
               Step(BalanceStep::FuelCo2, Q::FuelCo2, "CO2_f = ⌊c_f × E_f/H⌋/1000",
                    N(c) + " × " + perUnit + "/1000",
                    b_.fuelCo2Exact ? Finite(*b_.fuelCo2Exact / 1000) : std::nullopt,
                    &ProjectRecord::Label38);
    }

    void HeatPumpSide() {
        if (b_.stop.why == BalanceEnd::NoCop) {
            for (const Q q : {Q::HeatingCop, Q::Electricity, Q::RunningCost, Q::ElectricityCo2})
                trace_.Skip(q, TraceSkip::NoCop);
            return;
        }
        trace_.Add(Q::HeatingCop, "COP_h = COP + 1", N(*b_.refrigerationCop) + " + 1", b_.heatingCop);
        const std::string delivered = N(*b_.fuelEnergy) + " × " + N(b_.efficiency) + "/100";
        const bool stepped =
            b_.integrated
                ? Step(BalanceStep::Electricity, Q::Electricity, "E_el = E_f × η/100 / COP_h",
                       delivered + " / " + N(*b_.heatingCop), b_.electricity, &ProjectRecord::GesEnergWP)
                : Step(BalanceStep::Electricity, Q::Electricity, "E_el = E_f × η/100 × 100/(s+100) / COP_h",
                       delivered + " × 100/" + N(b_.losses + 100) + " / " + N(*b_.heatingCop), b_.electricity,
                       &ProjectRecord::GesEnergWP);
        if (!stepped) return;
        if (!Step(BalanceStep::RunningCost, Q::RunningCost, "K_el = k_el × E_el",
                  N(b_.electricityPrice) + " × " + N(*b_.electricity), b_.electricityCost,
                  &ProjectRecord::BetrKo))
            return;
        Step(BalanceStep::ElectricityCo2, Q::ElectricityCo2, "CO2_el = f_5 × E_el/1000",
             N(b_.gridCo2Factor) + " × " + N(*b_.electricity) + "/1000", b_.electricityCo2,
             &ProjectRecord::co2consum);
    }

  private:
    CalculationTrace& trace_;
    const AnnualBalance& b_;
    const ProjectRecord& record_;
};

}  // namespace

CalculationTrace CalculationTraceOf(const CalculationResult& result, const ProjectRecord& record) {
    CalculationTrace trace;
    DesignPointSteps(trace, result.designPoint, record);
    BalanceWriter balance(trace, result.balance, record);
    if (balance.DesignPointFigures() && balance.BoilerSide()) balance.HeatPumpSide();
    trace.CloseFrom(kFirstBalanceQuantity, Q::ElectricityCo2);
    return trace;
}

std::string TraceNumber(double value) {
    if (!std::isfinite(value)) return "?";
    const double magnitude = std::fabs(value);
    const int wholeDigits = magnitude >= 1 ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 1;
    int decimals = std::max(0, 6 - wholeDigits);
    // Small magnitudes keep six significant digits.
    if (magnitude > 0 && magnitude < 1)
        decimals = std::min(12, 5 - static_cast<int>(std::floor(std::log10(magnitude))));
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    if (result.find('.') != std::string::npos) {
        result.erase(result.find_last_not_of('0') + 1);
        if (result.back() == '.') result.pop_back();
    }
    if (result == "-0") result = "0";
    return result;
}

std::string TraceOperand(double value) {
    const std::string text = TraceNumber(value);
    return text.front() == '-' ? "(" + text + ")" : text;
}

}  // namespace tervalo

#pragma once

// What a calculation run computed: every number of the design point and of the annual balance before
// rounding, with where and why the run stopped. The record's texts are these numbers rounded; the marks
// (result_currency.h) and the working shown to users (project/cycle_view/calculation_trace.h) are derived
// from this value and the record.

#include <optional>

#include "engine/compressor.h"
#include "engine/refrigeration_cycle.h"
#include "project/annual_balance.h"

namespace tervalo {

// Where the design point left the table: the input temperature and the range it may take, °C.
struct OutsideDesignPoint {
    DesignTemperature of = DesignTemperature::Evaporating;
    double input = 0;
    DesignTemperatureRange range;
};

struct DesignPointResult {
    double t0 = 0;                     // t_0, °C, as read from the record
    double tc = 0;                     // t_c, °C
    double suctionAllowance = 0;       // Δt_s, K
    double suctionGasTemperature = 0;  // t_2 = 5 + Δt_s + t_0, °C
    CycleRun cycle;                    // the state points, the discharge temperature and the cycle's status
    std::optional<OutsideDesignPoint> outside;  // where the cycle left the table
    std::optional<double> massFlow;          // ṁ = Q_0/(h_1 − h_4), kg/s; nothing when the cycle stopped
    CompressorWorking working;               // the compressor's intermediates, with the mass flow
    std::optional<double> compressorPower;   // P, kW
    std::optional<double> refrigerationCop;  // COP = Q_0/P
    std::optional<double> heatingCop;        // COP_h = COP + 1, with the COP

    // Which of the design point's texts the run wrote: pn32, LeistZahlK, LeistZahlH.
    bool suctionGasWritten = false;
    bool refrigerationCopWritten = false;
    bool heatingCopWritten = false;

    bool cycleComputed() const { return cycle.status == EngineStatus::Ok; }
};

struct CalculationResult {
    DesignPointResult designPoint;
    AnnualBalance balance;
};

}  // namespace tervalo

#include "engine/refrigeration_cycle.h"

#include <cmath>
#include <initializer_list>

#include "engine/checked_math.h"
#include "engine/compressor.h"
#include "engine/refrigerant_registry.h"
#include "engine/saturation_lookup.h"
#include "engine/vapour_properties.h"

namespace tervalo {

namespace {

struct ColumnRead {
    double* target;
    SaturationColumn column;
};

// Looks `value` up and stores the interpolated columns in order; stops at the first that fails, so the
// targets stored before keep their new values. A value outside the table's keys stops the run before any
// target is written, with the lookup noted in `outside`.
EngineStatus LookupAndRead(const SaturationTableLoad& table, double value, LookupKey mode,
                           DesignTemperature of, OutsideTableLookup& outside,
                           std::initializer_list<ColumnRead> reads) {
    if (table.status != EngineStatus::Ok) return table.status;
    // The records stay in the table and the fraction between them is formed once for all the columns.
    auto bracket = table.table ? InsideAscendingBracket(*table.table, value, mode)
                               : std::optional<SaturationBracket>(SaturationBracket{});
    if (!bracket) bracket = FindSaturationBracket(*table.table, value, mode);
    if (!bracket) return EngineStatus::InvalidArithmetic;
    if (!bracket->found) {
        outside = {of, mode, value};
        return EngineStatus::OutsideTable;
    }
    const auto point = PointInBracket(*bracket, value, mode);
    if (!point) return EngineStatus::InvalidArithmetic;
    for (const ColumnRead& read : reads) {
        const auto interpolated = ReadAtPoint(*point, read.column);
        if (!interpolated) return EngineStatus::InvalidArithmetic;
        *read.target = *interpolated;
    }
    return EngineStatus::Ok;
}

// target := value; a value that overflowed stops the run as a division by zero does.
EngineStatus Assign(double& target, CheckedValue value) {
    return Store(target, value) ? EngineStatus::Ok : EngineStatus::InvalidArithmetic;
}

// The suction gas as an ideal gas: the saturated-vapour density at TEvap scaled to the suction temperature.
EngineStatus StoreSuctionDensity(CycleStateRecord& s, double tSuctionK) {
    return Assign(s.rhoSuction, Divide(s.rhoVapourEvap * s.TEvap, tSuctionK));
}

// The steps of a run on run.state; returns at the first that fails.
EngineStatus RunCycleSteps(const RefrigerantRow* refrigerant, const SaturationTableLoad& table,
                           const CycleConditions& conditions, CycleRun& run) {
    using R = SaturationRecord;
    using enum DesignTemperature;
    CycleStateRecord& s = run.state;
    const double tSuction = conditions.tSuction;
    const double tSuctionK = tSuction + 273.15;
    double pB0 = 0, hL0 = 0;  // bubble pressure (bar) and liquid enthalpy (kJ/kg) at TEvap
    double hLsub = 0, pD5 = 0,
           pB5 = 0;  // liquid enthalpy (kJ/kg), dew and bubble pressure (bar) at TCond − 5 K
    double pBc = 0;  // bubble pressure at TCond, bar
    EngineStatus status = EngineStatus::Ok;

    s.TEvap = conditions.t0 + 273.15;
    s.TCond = conditions.tc + 273.15;

    status = LookupAndRead(table, s.TEvap, LookupKey::ByTemperature, Evaporating, run.outside,
                           {{&s.pEvap, &R::pDew},
                            {&pB0, &R::pBubble},
                            {&hL0, &R::hLiquid},
                            {&s.hVapourEvap, &R::hVapour},
                            {&s.rhoVapourEvap, &R::rhoVapour}});
    if (status != EngineStatus::Ok) return status;
    if ((status = StoreSuctionDensity(s, tSuctionK)) != EngineStatus::Ok) return status;

    status = LookupAndRead(table, s.TCond - 5, LookupKey::ByTemperature, Condensing, run.outside,
                           {{&hLsub, &R::hLiquid}, {&pD5, &R::pDew}, {&pB5, &R::pBubble}});
    if (status != EngineStatus::Ok) return status;

    status = LookupAndRead(table, s.TCond, LookupKey::ByTemperature, Condensing, run.outside,
                           {{&s.pCond, &R::pDew},
                            {&pBc, &R::pBubble},
                            {&s.hLiquidCond, &R::hLiquid},
                            {&s.hVapourCond, &R::hVapour}});
    if (status != EngineStatus::Ok) return status;

    double tRef = s.TEvap + 1;  // K
    // Half the liquid fraction (1 − x) of the throttled refrigerant at the evaporator inlet.
    double w = 0;
    status = Assign(w, Divide(s.hVapourEvap - s.hLiquidCond, 2 * (s.hVapourEvap - hL0)));
    if (status != EngineStatus::Ok) return status;
    const double pCondSat = s.pCond;  // dew pressure at TCond, before a blend's mean replaces pCond

    // A blend with glide (judged at TEvap only): the evaporating pressure placed between dew and bubble
    // pressure by the liquid fraction, the condensing pressure halfway between them.
    if (s.pEvap != pB0) {
        double pSub = 0;
        if ((status = Assign(pSub, pD5 + std::fabs(pD5 - pB5) / 2)) != EngineStatus::Ok) return status;
        status = LookupAndRead(table, pSub, LookupKey::ByBubblePressure, Condensing, run.outside,
                               {{&hLsub, &R::hLiquid}});
        if (status != EngineStatus::Ok) return status;
        if ((status = Assign(s.pEvap, s.pEvap + std::fabs(s.pEvap - pB0) * w)) != EngineStatus::Ok)
            return status;
        if ((status = Assign(s.pCond, s.pCond + std::fabs(s.pCond - pBc) / 2)) != EngineStatus::Ok)
            return status;
        status = LookupAndRead(table, s.pCond, LookupKey::ByBubblePressure, Condensing, run.outside,
                               {{&s.hLiquidCond, &R::hLiquid}});
        if (status != EngineStatus::Ok) return status;
        // After a lookup by dew pressure the pDew column holds the dew temperature.
        double dewTemperature = 0;
        status = LookupAndRead(
            table, s.pEvap, LookupKey::ByDewPressure, Evaporating, run.outside,
            {{&s.rhoVapourEvap, &R::rhoVapour}, {&s.hVapourEvap, &R::hVapour}, {&dewTemperature, &R::pDew}});
        if (status != EngineStatus::Ok) return status;
        tRef = dewTemperature + 1;
    }

    if ((status = Assign(s.cpLiquid, std::fabs(s.hLiquidCond - hLsub) / 5)) != EngineStatus::Ok)
        return status;
    if ((status = StoreSuctionDensity(s, tSuctionK)) != EngineStatus::Ok) return status;

    // Slopes of the dew-pressure curve over 1 K: above the evaporating state, and above TCond relative to it.
    double pDewRef = 0;
    status = LookupAndRead(table, tRef, LookupKey::ByTemperature, Evaporating, run.outside,
                           {{&pDewRef, &R::pDew}});
    if (status != EngineStatus::Ok) return status;
    if ((status = Assign(s.dpdTEvap, pDewRef - s.pEvap)) != EngineStatus::Ok) return status;

    double pDewAbove = 0;
    status = LookupAndRead(table, s.TCond + 1, LookupKey::ByTemperature, Condensing, run.outside,
                           {{&pDewAbove, &R::pDew}});
    if (status != EngineStatus::Ok) return status;
    if ((status = Assign(s.dpdTRatio, Divide(pDewAbove - pCondSat, s.dpdTEvap))) != EngineStatus::Ok)
        return status;

    // The first call only forms the compression exponent: the suction temperature's number stands in for the
    // discharge temperature, whose heat capacity the second call replaces. The exponent depends on the
    // suction state alone, so the discharge temperature found with it holds for the finished state too.
    VapourProperties(refrigerant, conditions.superheat, tSuction, tSuction, s.TCond, s);
    run.tDischarge = DischargeTemperature(s.pEvap, s.pCond, tSuctionK, s.CompressionExponent, s);
    DischargeVapourProperties(refrigerant, conditions.superheat, tSuction, run.tDischarge,
                              s.TCond - conditions.dTLiquid, s);
    return EngineStatus::Ok;
}

}  // namespace

CycleRun RunRefrigerationCycle(std::string_view refrigerant, const SaturationTableLoad& table,
                               const CycleConditions& conditions, const CycleStateRecord& previous) {
    CycleRun run{EngineStatus::Ok, {}, previous, 0};
    run.status = RunCycleSteps(FindRefrigerant(refrigerant), table, conditions, run);
    return run;
}

namespace {

// The column at `value`, when the lookup finds the value inside the table.
std::optional<double> InsideRead(const SaturationTable& table, double value, LookupKey key,
                                 SaturationColumn column) {
    const auto bracket = BracketSaturation(table, value, key);
    if (!bracket || !bracket->found) return std::nullopt;
    return InterpolateBracket(*bracket, value, column);
}

bool Inside(const SaturationTable& table, double value, LookupKey key) {
    const auto bracket = BracketSaturation(table, value, key);
    return bracket && bracket->found;
}

bool Glides(const SaturationTable& table) {
    for (const SaturationRecord& record : table.records)
        if (record.pDew != record.pBubble && !std::isnan(record.pDew) && !std::isnan(record.pBubble))
            return true;
    return false;
}

// Whether every lookup the run makes from the design temperature tK stays inside the table, as the steps
// above make them. A blend's evaporating pressure lies between the dew pressure and the dew pressure plus the
// glide (the liquid fraction w stays below 1 unless the condensing temperature lies far below the evaporating
// one); both ends are tried, and the dew temperature of each must have its record 1 K above.
bool LookupsInside(const SaturationTable& table, DesignTemperature of, double tK, bool glides) {
    using R = SaturationRecord;
    const auto byT = [&](double t, SaturationColumn column) {
        return InsideRead(table, t, LookupKey::ByTemperature, column);
    };
    if (of == DesignTemperature::Evaporating) {
        const auto pDew = byT(tK, &R::pDew), pBubble = byT(tK, &R::pBubble);
        if (!pDew || !pBubble) return false;
        if (*pDew == *pBubble) return Inside(table, tK + 1, LookupKey::ByTemperature);
        for (const double p : {*pDew, *pDew + std::fabs(*pDew - *pBubble)}) {
            // After a lookup by dew pressure the pDew column holds the dew temperature.
            const auto dewT = InsideRead(table, p, LookupKey::ByDewPressure, &R::pDew);
            if (!dewT || !Inside(table, *dewT + 1, LookupKey::ByTemperature)) return false;
        }
        return true;
    }
    if (!Inside(table, tK + 1, LookupKey::ByTemperature)) return false;
    for (const double t : {tK - 5, tK}) {
        const auto pDew = byT(t, &R::pDew), pBubble = byT(t, &R::pBubble);
        if (!pDew || !pBubble) return false;
        if (glides && !Inside(table, *pDew + std::fabs(*pDew - *pBubble) / 2, LookupKey::ByBubblePressure))
            return false;
    }
    return true;
}

// The last temperature from `runs` towards `fails` (°C) at which the lookups stay inside, by halving.
double EdgeOfRunning(const SaturationTable& table, DesignTemperature of, bool glides, double runs,
                     double fails) {
    for (int i = 0; i < 60 && runs != fails; ++i) {
        const double middle = runs + (fails - runs) / 2;
        if (middle == runs || middle == fails) break;
        (LookupsInside(table, of, middle + 273.15, glides) ? runs : fails) = middle;
    }
    return runs;
}

}  // namespace

std::optional<DesignTemperatureRange> UsableDesignRange(const SaturationTable& table, DesignTemperature of) {
    double first = HUGE_VAL, last = -HUGE_VAL;
    for (const SaturationRecord& record : table.records) {
        if (std::isnan(record.t)) continue;
        first = std::fmin(first, record.t);
        last = std::fmax(last, record.t);
    }
    if (!(first < last)) return std::nullopt;
    const double below = of == DesignTemperature::Condensing ? 5 : 0;
    DesignTemperatureRange range{first + below - 273.15, last - 1 - 273.15};
    if (!(range.low <= range.high)) return std::nullopt;
    const bool glides = Glides(table);
    const auto runs = [&](double t) { return LookupsInside(table, of, t + 273.15, glides); };
    if (runs(range.low) && runs(range.high)) return range;
    // A blend's pressure lookups reach beyond the temperatures: the range shrinks to where they stay inside,
    // found from a temperature that runs.
    constexpr int kProbes = 200;
    std::optional<double> running;
    for (int i = 0; i <= kProbes && !running; ++i) {
        const double t =
            range.low + (range.high - range.low) * (kProbes / 2 + (i % 2 ? 1 : -1) * ((i + 1) / 2)) / kProbes;
        if (runs(t)) running = t;
    }
    if (!running) return std::nullopt;
    if (!runs(range.low)) range.low = EdgeOfRunning(table, of, glides, *running, range.low);
    if (!runs(range.high)) range.high = EdgeOfRunning(table, of, glides, *running, range.high);
    return range;
}

}  // namespace tervalo

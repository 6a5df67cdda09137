#include "project/result_currency.h"

#include <cmath>

#include "project/field_numbers.h"
#include "project/heating_kind.h"
#include "project/project_fields.h"
#include "project/project_record.h"

namespace tervalo {

namespace {

StaleReason CycleReason(EngineStatus status) {
    switch (status) {
        case EngineStatus::UnknownRefrigerant:
        case EngineStatus::MissingTable:
            return StaleReason::TableMissing;
        case EngineStatus::DamagedTable:
            return StaleReason::TableDamaged;
        case EngineStatus::OutsideTable:
            return StaleReason::OutsideTable;
        case EngineStatus::Ok:
        case EngineStatus::InvalidArithmetic:
            break;
    }
    return StaleReason::CycleFailed;
}

// The first input of the balance that stops it, in the order the balance takes them.
StaleReason BalanceReason(const ProjectRecord& record) {
    if (!std::isfinite(FieldNumber(record.WohnFL) * FieldNumber(record.SpezHeizLeist)))
        return StaleReason::DemandNotFormed;
    const HeatingKind kind = HeatingKindOf(record.HeizArt);
    if (BalanceEfficiency(record, kind).efficiency == 0) return StaleReason::ZeroEfficiency;
    if (kind == HeatingKind::None) return StaleReason::NoFuel;
    return StaleReason::BalanceStopped;
}

}  // namespace

std::string ProjectRecord::*ResultText(ResultField field) {
    return FieldOf(field).text;
}

std::array<bool, kResultFieldCount> WrittenResults(const CalculationResult& result) {
    std::array<bool, kResultFieldCount> written{};
    for (const ResultField field : kResultFields)
        written[static_cast<std::size_t>(field)] = FieldOf(field).written(result);
    return written;
}

void MarkResults(ProjectRecord& record, const CalculationResult& result, EnergyFactorFile factors) {
    const std::array<bool, kResultFieldCount> written = WrittenResults(result);
    const auto wrote = [&](ResultField field) { return written[static_cast<std::size_t>(field)]; };
    const bool copFormed = result.designPoint.refrigerationCop.has_value();

    ResultCurrency& currency = record.Results;
    currency.outside = result.designPoint.outside;
    const StaleReason cycleReason =
        copFormed ? StaleReason::Current : CycleReason(result.designPoint.cycle.status);
    for (const ResultField field : kResultFields) {
        StaleReason reason = StaleReason::Current;
        if (!wrote(field))
            reason = FieldOf(field).needsCop && !copFormed ? cycleReason : BalanceReason(record);
        currency.byRun[static_cast<std::size_t>(field)] = reason;
    }

    // The running cost is first written as a provisional figure from the compressor power; it is the result
    // only once the electricity and the CO2 after it have been written.
    if (wrote(ResultField::BetrKo) && !(wrote(ResultField::GesEnergWP) && wrote(ResultField::co2consum)))
        currency.byRun[static_cast<std::size_t>(ResultField::BetrKo)] =
            copFormed ? BalanceReason(record) : cycleReason;

    // Figures formed with an electricity CO2 factor that energk.dat did not give.
    if (factors != EnergyFactorFile::Complete) {
        const StaleReason reason = factors == EnergyFactorFile::Missing ? StaleReason::EnergyFactorsMissing
                                                                        : StaleReason::EnergyFactorsDamaged;
        auto& co2 = currency.byRun[static_cast<std::size_t>(ResultField::co2consum)];
        if (co2 == StaleReason::Current) co2 = reason;
        auto& fuelCo2 = currency.byRun[static_cast<std::size_t>(ResultField::Label38)];
        if (fuelCo2 == StaleReason::Current && HeatingKindOf(record.HeizArt) == HeatingKind::Electricity)
            fuelCo2 = reason;
    }
}

}  // namespace tervalo

#include "project/result_currency.h"

#include <cmath>

#include "project/field_numbers.h"
#include "project/heating_kind.h"
#include "project/project_record.h"

namespace tervalo {

namespace {

constexpr ResultField kAllResults[] = {
    ResultField::pn32,    ResultField::LeistZahlK, ResultField::LeistZahlH, ResultField::LeistZ,
    ResultField::BetrKo,  ResultField::GesHBDGeB,  ResultField::GesHBDHeiz, ResultField::BrennStV,
    ResultField::Label27, ResultField::Label38,    ResultField::GesEnergWP, ResultField::co2consum,
};

bool NeedsCop(ResultField field) {
    switch (field) {
        case ResultField::LeistZahlK:
        case ResultField::LeistZahlH:
        case ResultField::LeistZ:
        case ResultField::BetrKo:
        case ResultField::GesEnergWP:
        case ResultField::co2consum:
            return true;
        default:
            return false;
    }
}

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
    switch (field) {
        case ResultField::pn32:
            return &ProjectRecord::pn32;
        case ResultField::LeistZahlK:
            return &ProjectRecord::LeistZahlK;
        case ResultField::LeistZahlH:
            return &ProjectRecord::LeistZahlH;
        case ResultField::LeistZ:
            return &ProjectRecord::LeistZ;
        case ResultField::BetrKo:
            return &ProjectRecord::BetrKo;
        case ResultField::GesHBDGeB:
            return &ProjectRecord::GesHBDGeB;
        case ResultField::GesHBDHeiz:
            return &ProjectRecord::GesHBDHeiz;
        case ResultField::BrennStV:
            return &ProjectRecord::BrennStV;
        case ResultField::Label27:
            return &ProjectRecord::Label27;
        case ResultField::Label38:
            return &ProjectRecord::Label38;
        case ResultField::GesEnergWP:
            return &ProjectRecord::GesEnergWP;
        case ResultField::co2consum:
            break;
    }
    return &ProjectRecord::co2consum;
}

std::array<bool, kResultFieldCount> WrittenResults(const CalculationResult& result) {
    const DesignPointResult& d = result.designPoint;
    const AnnualBalance& b = result.balance;
    using S = BalanceStep;
    std::array<bool, kResultFieldCount> written{};
    const auto set = [&](ResultField field, bool wrote) { written[static_cast<std::size_t>(field)] = wrote; };
    set(ResultField::pn32, d.suctionGasWritten);
    set(ResultField::LeistZahlK, d.refrigerationCopWritten);
    set(ResultField::LeistZahlH, d.heatingCopWritten);
    set(ResultField::LeistZ, b.wrote(S::CostSectionCop));
    set(ResultField::BetrKo, b.wrote(S::ProvisionalRunningCost) || b.wrote(S::RunningCost));
    set(ResultField::GesHBDGeB, b.wrote(S::BuildingDemand));
    set(ResultField::GesHBDHeiz, b.wrote(S::FuelEnergy));
    set(ResultField::BrennStV, b.wrote(S::FuelQuantity));
    set(ResultField::Label27, b.wrote(S::FuelCost));
    set(ResultField::Label38, b.wrote(S::FuelCo2));
    set(ResultField::GesEnergWP, b.wrote(S::Electricity));
    set(ResultField::co2consum, b.wrote(S::ElectricityCo2));
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
    for (ResultField field : kAllResults) {
        StaleReason reason = StaleReason::Current;
        if (!wrote(field)) reason = NeedsCop(field) && !copFormed ? cycleReason : BalanceReason(record);
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

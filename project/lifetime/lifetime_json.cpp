#include "project/lifetime/lifetime_json.h"

#include <nlohmann/json.hpp>

#include "project/json_members.h"
#include "project/lifetime/lifetime_file.h"

namespace tervalo::lifetime {

namespace {

using Json = nlohmann::ordered_json;

Json OptionalNumber(const std::optional<double>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json InputsJson(const LifetimeInputs& in, double gridFactorToday) {
    return JsonObject({{"heat_pump_cost", in.heatPumpCost},
                       {"boiler_cost", in.boilerCost},
                       {"subsidy", in.subsidy},
                       {"subsidy_is_percentage", in.subsidyIsPercentage},
                       {"subsidy_amount", SubsidyAmount(in)},
                       {"years_of_use", in.yearsOfUse},
                       {"first_year", in.firstYear},
                       {"discount_rate_percent", in.discountRate_pct},
                       {"fuel_price_change_percent", in.fuelPriceChange_pct},
                       {"electricity_price_change_percent", in.electricityPriceChange_pct},
                       {"fuel_standing_charge", in.fuelStandingCharge},
                       {"electricity_standing_charge", in.electricityStandingCharge},
                       {"fuel_connection_given_up", in.fuelConnectionGivenUp},
                       {"heat_pump_maintenance", in.heatPumpMaintenance},
                       {"boiler_maintenance", in.boilerMaintenance},
                       {"grid_factor_today", gridFactorToday},
                       {"grid_target_factor", in.gridTargetFactor},
                       {"grid_target_year", in.gridTargetYear},
                       {"grid_factor_edits", in.gridFactorEdits},
                       {"replacement_counted", in.replacementCounted},
                       {"heat_pump_service_life", in.heatPumpServiceLife},
                       {"boiler_service_life", in.boilerServiceLife},
                       {"investment_price_change_percent", in.investmentPriceChange_pct},
                       {"maintenance_price_change_percent", in.maintenancePriceChange_pct},
                       {"rate_basis", in.nominal ? "nominal" : "real"},
                       {"inflation_percent", in.inflation_pct},
                       {"subsidy_eligible_cap", in.subsidyEligibleCap},
                       {"subsidy_extra_amount", in.subsidyExtraAmount},
                       {"co2_price_today", in.co2PriceToday},
                       {"co2_price_target", in.co2PriceTarget},
                       {"co2_price_target_year", in.co2PriceTargetYear},
                       {"co2_price_edits", in.co2PriceEdits},
                       {"co2_added_to_fuel", in.co2AddedToFuel},
                       {"co2_added_to_electricity", in.co2AddedToElectricity},
                       {"loan_share_percent", in.loanShare_pct},
                       {"loan_rate_percent", in.loanRate_pct},
                       {"loan_term_years", in.loanTerm},
                       {"seasonal_electricity", in.seasonalElectricity}});
}

Json SystemJson(const SystemLife& system) {
    return {{"replacement_years", system.replacementYears},
            {"residual_value", system.residualValue},
            {"co2_cost", system.co2Cost},
            {"annual_equivalent_cost", system.annualCost}};
}

Json LoanJson(const LoanFigures& loan) {
    return {{"amount", loan.amount},
            {"yearly_payment", loan.payment},
            {"total_interest", loan.totalInterest},
            {"household_net_present_value", loan.householdNpv},
            {"household_simple_payback_years", OptionalNumber(loan.householdSimplePayback_years)},
            {"household_discounted_payback_years", OptionalNumber(loan.householdDiscountedPayback_years)}};
}

Json SensitivityJson(const std::vector<SensitivityCase>& cases) {
    Json list = Json::array();
    for (const SensitivityCase& c : cases) {
        const char* name = c.input == SensitivityInput::DiscountRate        ? "discount_rate"
                           : c.input == SensitivityInput::EnergyPriceChange ? "energy_price_change"
                                                                            : "service_life";
        list.push_back({{"input", name},
                        {"low_shift", c.lowShift},
                        {"high_shift", c.highShift},
                        {"low_net_present_value", c.lowNpv},
                        {"high_net_present_value", c.highNpv},
                        {"low_discounted_payback_years", OptionalNumber(c.lowPayback_years)},
                        {"high_discounted_payback_years", OptionalNumber(c.highPayback_years)}});
    }
    return list;
}

Json FirstYearJson(const AnnualFigures& first) {
    return {{"heat_kwh", first.heat_kWh},
            {"fuel_kwh", first.fuel_kWh},
            {"fuel_cost", first.fuelCost},
            {"fuel_co2_kg", first.fuelCo2_kg},
            {"fuel_is_grid_electricity", first.fuelIsGridElectricity},
            {"electricity_kwh", first.electricity_kWh},
            {"electricity_cost", first.electricityCost},
            {"electricity_co2_kg", first.electricityCo2_kg},
            {"heat_pump_fuel_cost", first.heatPumpFuelCost},
            {"heat_pump_fuel_co2_kg", first.heatPumpFuelCo2_kg}};
}

Json InternalRateJson(const InternalRate& rate) {
    switch (rate.status) {
        case IrrStatus::Unique:
            return {{"status", "unique"}, {"percent", rate.rate * 100}};
        case IrrStatus::NoSignChange:
            return {{"status", "no_sign_change"}, {"percent", nullptr}};
        case IrrStatus::SeveralSignChanges:
            break;
    }
    return {{"status", "several_sign_changes"}, {"percent", nullptr}};
}

Json YearsJson(const std::vector<YearFigures>& years) {
    Json list = Json::array();
    list.get_ref<Json::array_t&>().reserve(years.size());
    for (const YearFigures& y : years)
        list.push_back(JsonObject({{"year", y.year},
                                   {"calendar_year", y.calendarYear},
                                   {"grid_factor", y.gridFactor},
                                   {"boiler_cost", y.boilerCost},
                                   {"heat_pump_cost", y.heatPumpCost},
                                   {"saving", y.saving},
                                   {"discounted_saving", y.discountedSaving},
                                   {"cumulative_boiler_cost", y.cumulativeBoilerCost},
                                   {"cumulative_heat_pump_cost", y.cumulativeHeatPumpCost},
                                   {"boiler_co2_kg", y.boilerCo2_kg},
                                   {"heat_pump_co2_kg", y.heatPumpCo2_kg},
                                   {"cumulative_boiler_co2_kg", y.cumulativeBoilerCo2_kg},
                                   {"cumulative_heat_pump_co2_kg", y.cumulativeHeatPumpCo2_kg},
                                   {"boiler_investment", y.boilerInvestment},
                                   {"heat_pump_investment", y.heatPumpInvestment},
                                   {"co2_price", y.co2Price},
                                   {"boiler_co2_cost", y.boilerCo2Cost},
                                   {"heat_pump_co2_cost", y.heatPumpCo2Cost},
                                   {"loan_payment", y.loanPayment},
                                   {"household_saving", y.householdSaving}}));
    return list;
}

}  // namespace

std::string LifetimeJson(const ProjectLifetime& lifetime, const std::string& currency) {
    return LifetimeObject(lifetime, currency).dump();
}

Json LifetimeObject(const ProjectLifetime& lifetime, const std::string& currency) {
    const double today = lifetime.first ? lifetime.first->gridFactorToday : 0;
    // Figures of inputs other than those the shown results follow from are left out, as the window shows
    // them as dashes.
    const bool shown = lifetime.current;
    Json json = {{"current", lifetime.current},
                 {"currency", currency},
                 {"inputs", InputsJson(lifetime.inputs, today)},
                 {"first_year", lifetime.first && shown ? FirstYearJson(*lifetime.first) : Json(nullptr)},
                 {"first_year_basis", lifetime.seasonal ? "seasonal_average" : "design_point"}};
    if (!lifetime.result || !shown) {
        json["results"] = nullptr;
        json["years"] = Json::array();
        return json;
    }
    const LifetimeResult& r = *lifetime.result;
    json["results"] = {
        {"simple_payback_years", OptionalNumber(r.simplePayback_years)},
        {"discounted_payback_years", OptionalNumber(r.discountedPayback_years)},
        {"net_present_value", r.netPresentValue},
        {"internal_rate_of_return", InternalRateJson(r.internalRate)},
        {"levelised_cost_of_heat",
         {{"heat_pump", OptionalNumber(r.heatPumpLevelisedCost)},
          {"boiler", OptionalNumber(r.boilerLevelisedCost)}}},
        {"co2_saving_t",
         {{"decarbonising_grid", r.co2SavingGrid_kg / 1000}, {"today_factor", r.co2SavingToday_kg / 1000}}},
        {"rate_basis", lifetime.inputs.nominal ? "nominal" : "real"},
        {"annuity_factor", r.annuityFactor},
        {"heat_pump", SystemJson(r.heatPump)},
        {"boiler", SystemJson(r.boiler)},
        {"loan", LoanJson(r.loan)},
        {"sensitivity", SensitivityJson(r.sensitivity)},
    };
    json["years"] = YearsJson(r.years);
    return json;
}

std::string WithLifetimeMember(const std::string& document, const ProjectRecord& record,
                               const std::string& currency, ActionLoads* loads) {
    auto json = Json::parse(document);
    AddLifetimeMember(json, record, currency, loads);
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

void AddLifetimeMember(Json& document, const ProjectRecord& record, const std::string& currency,
                       ActionLoads* loads) {
    const LifetimeFileRead read = LoadLifetimeInputs(DefaultLifetimeInputs(CurrentCalendarYear()));
    Json member = LifetimeObject(EvaluateProjectLifetime(record, read.inputs, loads), currency);
    member["inputs_file_damaged"] = read.damaged;
    document["lifetime"] = std::move(member);
}

}  // namespace tervalo::lifetime

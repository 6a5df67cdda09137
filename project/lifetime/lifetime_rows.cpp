#include "project/lifetime/lifetime_rows.h"

#include <cmath>
#include <cstdio>

#include "localisation/lifetime_texts.h"

namespace tervalo::lifetime {

namespace {

using namespace lifetime_texts;

constexpr const char* kNoFigure = "-";

std::string PaybackText(const std::optional<double>& years, const RowStyle& style) {
    return years ? FixedText(*years, 1, style.decimalSeparator) : style.texts[kNotWithinYears];
}

// A system's row under a heading row, indented.
std::string UnderHeading(const RowStyle& style, int system) {
    return "    " + style.texts[system];
}

}  // namespace

std::string FixedText(double value, int decimals, char decimalSeparator) {
    if (!std::isfinite(value)) return kNoFigure;
    // No "-0" for a figure that rounds to zero.
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (const auto point = text.find('.'); point != std::string::npos) text[point] = decimalSeparator;
    return text;
}

std::vector<LifetimeRow> LifetimeResultRows(const LifetimeResult& r, const RowStyle& style) {
    const FeatureTexts& t = style.texts;
    const char separator = style.decimalSeparator;
    const auto unitIf = [](bool shown, const std::string& unit) { return shown ? unit : std::string(); };
    const auto levelised = [&](const std::optional<double>& cost) {
        return cost ? FixedText(*cost, 3, separator) : std::string(kNoFigure);
    };
    const bool irr = r.internalRate.status == IrrStatus::Unique;
    const auto money = [separator](double value) { return FixedText(value, 0, separator); };
    const std::string perYear = style.currency + "/a";
    const int firstYear = r.years.empty() ? 0 : r.years[0].calendarYear + 1;
    // The calendar years at whose end the system is bought again.
    const auto replaced = [&](const SystemLife& system) {
        std::string years;
        for (const int year : system.replacementYears)
            years += (years.empty() ? "" : ", ") + std::to_string(firstYear + year - 1);
        return years.empty() ? t[kNone] : years;
    };
    return {
        {t[kSimplePayback], PaybackText(r.simplePayback_years, style),
         unitIf(r.simplePayback_years.has_value(), t[kYears])},
        {t[kDiscountedPayback], PaybackText(r.discountedPayback_years, style),
         unitIf(r.discountedPayback_years.has_value(), t[kYears])},
        {t[kNetPresentValue], FixedText(r.netPresentValue, 0, separator), style.currency},
        {t[kInternalRateOfReturn],
         irr ? FixedText(r.internalRate.rate * 100, 1, separator) : t[kDoesNotExist], unitIf(irr, "%")},
        {t[kLevelisedCostOfHeat], "", ""},
        {UnderHeading(style, kHeatPump), levelised(r.heatPumpLevelisedCost), style.currency + "/kWh"},
        {UnderHeading(style, kBoiler), levelised(r.boilerLevelisedCost), style.currency + "/kWh"},
        {t[kCo2SavingDecarbonising], FixedText(r.co2SavingGrid_kg / 1000, 1, separator), "t"},
        {t[kCo2SavingToday], FixedText(r.co2SavingToday_kg / 1000, 1, separator), "t"},
        {t[kAnnuityFactor], FixedText(r.annuityFactor, 4, separator), ""},
        {t[kAnnualEquivalentCost], "", ""},
        {UnderHeading(style, kHeatPump), money(r.heatPump.annualCost), perYear},
        {UnderHeading(style, kBoiler), money(r.boiler.annualCost), perYear},
        {t[kBoughtAgain], "", ""},
        {UnderHeading(style, kHeatPump), replaced(r.heatPump), ""},
        {UnderHeading(style, kBoiler), replaced(r.boiler), ""},
        {t[kResidualValue], "", ""},
        {UnderHeading(style, kHeatPump), money(r.heatPump.residualValue), style.currency},
        {UnderHeading(style, kBoiler), money(r.boiler.residualValue), style.currency},
        {t[kCo2Cost], "", ""},
        {UnderHeading(style, kHeatPump), money(r.heatPump.co2Cost), style.currency},
        {UnderHeading(style, kBoiler), money(r.boiler.co2Cost), style.currency},
        {t[kLoanAmount], money(r.loan.amount), style.currency},
        {t[kLoanPayment], money(r.loan.payment), perYear},
        {t[kTotalInterest], money(r.loan.totalInterest), style.currency},
        {t[kHouseholdNpv], money(r.loan.householdNpv), style.currency},
        {t[kHouseholdPayback], PaybackText(r.loan.householdDiscountedPayback_years, style),
         unitIf(r.loan.householdDiscountedPayback_years.has_value(), t[kYears])},
    };
}

std::string RateBasisText(const LifetimeInputs& inputs, const FeatureTexts& texts) {
    return texts[inputs.nominal ? kBasisNominal : kBasisReal];
}

std::vector<std::vector<std::string>> SensitivityRows(const LifetimeResult& result, const RowStyle& style) {
    const FeatureTexts& t = style.texts;
    const char s = style.decimalSeparator;
    std::vector<std::vector<std::string>> rows = {
        {"", "", t[kNpvShort] + ", " + style.currency, t[kPaybackShort] + ", " + t[kYears]},
    };
    const auto payback = [&](const std::optional<double>& years) {
        return years ? FixedText(*years, 1, s) : t[kNotWithinYears];
    };
    for (const SensitivityCase& c : result.sensitivity) {
        const bool life = c.input == SensitivityInput::ServiceLife;
        const int caption = c.input == SensitivityInput::DiscountRate        ? kDiscountRate
                            : c.input == SensitivityInput::EnergyPriceChange ? kEnergyPriceChanges
                                                                             : kServiceLives;
        const auto shift = [&](double by) {
            return (by > 0 ? "+" : "") + FixedText(by, life ? 0 : 1, s) + " " + (life ? t[kYears] : "%/a");
        };
        rows.push_back(
            {t[caption], shift(c.lowShift), FixedText(c.lowNpv, 0, s), payback(c.lowPayback_years)});
        rows.push_back({"", shift(c.highShift), FixedText(c.highNpv, 0, s), payback(c.highPayback_years)});
    }
    return rows;
}

std::vector<LifetimeRow> LifetimeInputRows(const LifetimeInputs& in, double gridFactorToday,
                                           const RowStyle& style) {
    const FeatureTexts& t = style.texts;
    const char s = style.decimalSeparator;
    const std::string perYear = style.currency + "/a";
    const auto money = [s](double value) { return FixedText(value, 0, s); };
    const auto rate = [s](double value) { return FixedText(value, 1, s); };
    const auto factor = [s](double value) { return FixedText(value, 3, s); };
    const auto box = [](bool checked) { return checked ? "[x]" : "[ ]"; };  // a check box on paper
    return {
        {t[kHeatPumpCost], money(in.heatPumpCost), style.currency},
        {t[kBoilerCost], money(in.boilerCost), style.currency},
        {t[kSubsidy], in.subsidyIsPercentage ? rate(in.subsidy) : money(in.subsidy),
         in.subsidyIsPercentage ? "%" : style.currency},
        {t[kYearsOfUse], std::to_string(in.yearsOfUse), t[kYears]},
        {t[kFirstYear], std::to_string(in.firstYear), ""},
        {t[kDiscountRate], rate(in.discountRate_pct), "%/a " + t[in.nominal ? kNominal : kReal]},
        {t[kFuelPriceChange], rate(in.fuelPriceChange_pct), "%/a"},
        {t[kElectricityPriceChange], rate(in.electricityPriceChange_pct), "%/a"},
        {t[kFuelStandingCharge], money(in.fuelStandingCharge), perYear},
        {t[kElectricityStandingCharge], money(in.electricityStandingCharge), perYear},
        {t[kFuelConnectionGivenUp], box(in.fuelConnectionGivenUp), ""},
        {t[kHeatPumpMaintenance], money(in.heatPumpMaintenance), perYear},
        {t[kBoilerMaintenance], money(in.boilerMaintenance), perYear},
        {t[kGridFactorToday], factor(gridFactorToday), "kg/kWh"},
        {t[kGridTargetFactor], factor(in.gridTargetFactor), "kg/kWh"},
        {t[kGridTargetYear], std::to_string(in.gridTargetYear), ""},
        {t[kReplacementCounted], box(in.replacementCounted), ""},
        {t[kHeatPumpServiceLife], std::to_string(in.heatPumpServiceLife), t[kYears]},
        {t[kBoilerServiceLife], std::to_string(in.boilerServiceLife), t[kYears]},
        {t[kInvestmentPriceChange], rate(in.investmentPriceChange_pct), "%/a"},
        {t[kMaintenancePriceChange], rate(in.maintenancePriceChange_pct), "%/a"},
        {t[kNominalBasis], box(in.nominal), ""},
        {t[kInflation], rate(in.inflation_pct), "%/a"},
        {t[kSubsidyEligibleCap], money(in.subsidyEligibleCap), style.currency},
        {t[kSubsidyExtraAmount], money(in.subsidyExtraAmount), style.currency},
        {t[kCo2PriceToday], money(in.co2PriceToday), style.currency + "/t"},
        {t[kCo2PriceTarget], money(in.co2PriceTarget), style.currency + "/t"},
        {t[kCo2PriceTargetYear], std::to_string(in.co2PriceTargetYear), ""},
        {t[kCo2AddedToFuel], box(in.co2AddedToFuel), ""},
        {t[kCo2AddedToElectricity], box(in.co2AddedToElectricity), ""},
        {t[kLoanShare], rate(in.loanShare_pct), "%"},
        {t[kLoanRate], rate(in.loanRate_pct), "%/a"},
        {t[kLoanTerm], std::to_string(in.loanTerm), t[kYears]},
        {t[kSeasonalBasis], box(in.seasonalElectricity), ""},
    };
}

std::vector<std::vector<std::string>> CashFlowRows(const LifetimeResult& result, const RowStyle& style) {
    const FeatureTexts& t = style.texts;
    const char s = style.decimalSeparator;
    const std::string currency = ", " + style.currency;
    std::vector<std::vector<std::string>> rows = {
        {"", style.currency, "", "", t[kCumulativeCost] + currency, "", t[kCumulativeCo2] + ", t", ""},
        {t[kYear], t[kBoiler], t[kHeatPump], t[kSaving], t[kBoiler], t[kHeatPump], t[kBoiler], t[kHeatPump]},
    };
    for (const YearFigures& y : result.years) {
        const auto money = [s](double value) { return FixedText(value, 0, s); };
        const auto tonnes = [s](double kg) { return FixedText(kg / 1000, 1, s); };
        rows.push_back({std::to_string(y.calendarYear), money(y.boilerCost), money(y.heatPumpCost),
                        money(y.saving), money(y.cumulativeBoilerCost), money(y.cumulativeHeatPumpCost),
                        tonnes(y.cumulativeBoilerCo2_kg), tonnes(y.cumulativeHeatPumpCo2_kg)});
    }
    return rows;
}

}  // namespace tervalo::lifetime

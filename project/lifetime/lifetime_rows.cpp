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
    };
}

std::vector<LifetimeRow> LifetimeInputRows(const LifetimeInputs& in, double gridFactorToday,
                                           const RowStyle& style) {
    const FeatureTexts& t = style.texts;
    const char s = style.decimalSeparator;
    const std::string perYear = style.currency + "/a";
    const auto money = [s](double value) { return FixedText(value, 0, s); };
    const auto rate = [s](double value) { return FixedText(value, 1, s); };
    const auto factor = [s](double value) { return FixedText(value, 3, s); };
    return {
        {t[kHeatPumpCost], money(in.heatPumpCost), style.currency},
        {t[kBoilerCost], money(in.boilerCost), style.currency},
        {t[kSubsidy], in.subsidyIsPercentage ? rate(in.subsidy) : money(in.subsidy),
         in.subsidyIsPercentage ? "%" : style.currency},
        {t[kYearsOfUse], std::to_string(in.yearsOfUse), t[kYears]},
        {t[kFirstYear], std::to_string(in.firstYear), ""},
        {t[kDiscountRate], rate(in.discountRate_pct), "%/a"},
        {t[kFuelPriceChange], rate(in.fuelPriceChange_pct), "%/a"},
        {t[kElectricityPriceChange], rate(in.electricityPriceChange_pct), "%/a"},
        {t[kFuelStandingCharge], money(in.fuelStandingCharge), perYear},
        {t[kElectricityStandingCharge], money(in.electricityStandingCharge), perYear},
        {t[kFuelConnectionGivenUp], in.fuelConnectionGivenUp ? "[x]" : "[ ]", ""},  // a check box on paper
        {t[kHeatPumpMaintenance], money(in.heatPumpMaintenance), perYear},
        {t[kBoilerMaintenance], money(in.boilerMaintenance), perYear},
        {t[kGridFactorToday], factor(gridFactorToday), "kg/kWh"},
        {t[kGridTargetFactor], factor(in.gridTargetFactor), "kg/kWh"},
        {t[kGridTargetYear], std::to_string(in.gridTargetYear), ""},
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

#pragma once

// The lifetime comparison as the panel and the report page show it: captions, figures in the regional form
// and units, as bytes of the code page of the lifetime texts (LoadFeatureTexts(lifetime_texts::kFile, code)).

#include <string>
#include <vector>

#include "localisation/feature_texts.h"
#include "project/lifetime/lifetime_analysis.h"

namespace tervalo::lifetime {

struct LifetimeRow {
    std::string caption;
    std::string value;
    std::string unit;
};

struct RowStyle {
    const FeatureTexts& texts;
    std::string currency;  // code-page bytes
    char decimalSeparator = '.';
};

// `value` with `decimals` digits after the separator.
std::string FixedText(double value, int decimals, char decimalSeparator);

// Paybacks, net present value, internal rate of return, levelised costs of heat (a heading row, then one
// row per system), CO2 savings, the annuity factor, per system (under headings) the annual equivalent cost,
// the replacements, the residual value and the CO2 cost, then the loan and the household's figures with it.
std::vector<LifetimeRow> LifetimeResultRows(const LifetimeResult& result, const RowStyle& style);

// The rate basis as a sentence: real (today's money) or nominal (as paid).
std::string RateBasisText(const LifetimeInputs& inputs, const FeatureTexts& texts);

// How NPV and discounted payback move: a heading row, then per input two rows (moved down, moved up), each
// with the caption (on the first), the shift, the net present value and the discounted payback.
inline constexpr int kSensitivityColumns = 4;
std::vector<std::vector<std::string>> SensitivityRows(const LifetimeResult& result, const RowStyle& style);

// Every input, with today's grid factor (kg per kWh) after the standing charges and maintenance.
std::vector<LifetimeRow> LifetimeInputRows(const LifetimeInputs& inputs, double gridFactorToday,
                                           const RowStyle& style);

// The cash flows year by year: two heading rows (groups with their units, then systems), then per year its
// calendar year, the yearly costs of the boiler and the heat pump with the saving, both cumulative costs and
// both cumulative CO2 in tonnes.
inline constexpr int kCashFlowColumns = 8;
std::vector<std::vector<std::string>> CashFlowRows(const LifetimeResult& result, const RowStyle& style);

}  // namespace tervalo::lifetime
